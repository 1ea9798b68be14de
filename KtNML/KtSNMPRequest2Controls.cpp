#include "KtNML/KtSNMPRequest2Controls.h"

#include "KtNML/KtEditConstraint.h"
#include "KtNML/KtMessages.h"
#include "KtNML/KtSupport.h"
#include "KtNML/KtSyncWait.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPalette>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <utility>

namespace {

constexpr int kErrorLine = 1;  // user state of a memo's error lines
// On a status target: the line of a write refused in the command the operator runs now.
const char* const kPendingRefusal = "vkrPendingRefusal";

// A status line as the memo's new last line, scrolled into view. Error lines stand out in the
// error colour and bold. An error followed by the line of the read after it (a form that
// closes after its write and refreshes the table) keeps the top of the memo as long as the
// newest line still begins in sight.
void AppendStatusLine(QPlainTextEdit& memo, const QString& line, bool error)
{
    QTextCharFormat format;
    format.setForeground(error ? KtStatusErrorColour(memo.palette().color(QPalette::Base)) : memo.palette().color(QPalette::Text));
    format.setFontWeight(error ? QFont::Bold : QFont::Normal);
    QTextCursor cursor(memo.document());
    cursor.movePosition(QTextCursor::End);
    if (!memo.document()->isEmpty())
        cursor.insertBlock(QTextBlockFormat(), format);
    cursor.insertText(line, format);
    QTextBlock newest = cursor.block();
    newest.setUserState(error ? kErrorLine : 0);
    memo.moveCursor(QTextCursor::End);
    memo.ensureCursorVisible();
    const QTextBlock previous = newest.previous();
    if (error || !previous.isValid() || previous.userState() != kErrorLine)
        return;
    QScrollBar* scroll = memo.verticalScrollBar();
    const int bottom = scroll->value();
    memo.setTextCursor(QTextCursor(previous));
    memo.ensureCursorVisible();
    const QRect newestAt = memo.cursorRect(QTextCursor(newest));
    if (newestAt.bottom() >= memo.viewport()->height())
        scroll->setValue(bottom);
}

} // namespace

// ==== KtSNMPRequest2Controls ===============================================================

KtSNMPRequest2Controls::KtSNMPRequest2Controls(QWidget* owner, std::unique_ptr<KtSNMPRequest> request)
    : m_request(request ? std::move(request) : std::make_unique<KtSNMPRequest>()), m_owner(owner)
{
}

KtSNMPRequest2Controls::~KtSNMPRequest2Controls()
{
    *m_alive = false;
    m_busy = false;
    m_request.reset();
}

void KtSNMPRequest2Controls::SetStatusTarget(QPlainTextEdit* memo)
{
    ClearStatusTarget();
    m_memo = memo;
    if (memo)
        memo->setReadOnly(true);
}

void KtSNMPRequest2Controls::SetStatusTarget(QStatusBar* statusBar)
{
    ClearStatusTarget();
    m_statusBar = statusBar;
}

void KtSNMPRequest2Controls::SetStatusTarget(QLabel* panel)
{
    ClearStatusTarget();
    m_panel = panel;
}

void KtSNMPRequest2Controls::ClearStatusTarget()
{
    m_memo = nullptr;
    m_statusBar = nullptr;
    m_panel = nullptr;
}

bool KtSNMPRequest2Controls::HasStatusTarget() const
{
    return m_memo || m_statusBar || m_panel;
}

void KtSNMPRequest2Controls::ShowStatus(const QString& message)
{
    if (!HasStatusTarget())
        return;
    const bool ok = message == KtMessage(KtErr::Ok);
    ShowLine(StatusText(m_lastOperation, message, m_request->VarList.Name), !ok);
    // The "Ok!" of a read after a refused write of the same command does not stand for that
    // write: on a one-line target the refusal is shown again, last (a memo keeps the refusal's
    // line in sight above the read's).
    if (!ok || m_lastOperation != 0 || m_memo)
        return;
    const QString refusal = StatusTargetObject()->property(kPendingRefusal).toString();
    if (!refusal.isEmpty())
        ShowLine(refusal, true);
}

void KtSNMPRequest2Controls::ShowLine(const QString& line, bool error)
{
    if (m_memo)
        AppendStatusLine(*m_memo, line, error);
    else if (m_statusBar)
        m_statusBar->showMessage(line);
    else if (m_panel)
        m_panel->setText(line);
}

QObject* KtSNMPRequest2Controls::StatusTargetObject() const
{
    if (m_memo)
        return m_memo;
    if (m_statusBar)
        return m_statusBar;
    return m_panel;
}

void KtSNMPRequest2Controls::RememberRefusal(const QString& message)
{
    if (QObject* target = StatusTargetObject())
        target->setProperty(kPendingRefusal, StatusText(1, message, m_request->VarList.Name));
}

void KtSNMPRequest2Controls::WatchCommands(QWidget* form)
{
    static const char* const kWatched = "vkrCommandWatched";
    for (QAbstractButton* button : form->findChildren<QAbstractButton*>()) {
        if (button->property(kWatched).toBool())
            continue;
        button->setProperty(kWatched, true);
        // Pressed comes before the click's own handler runs.
        QObject::connect(button, &QAbstractButton::pressed, form, [form] { ForgetRefusals(form); });
    }
}

void KtSNMPRequest2Controls::ForgetRefusals(QWidget* form)
{
    const auto forget = [](QObject* o) {
        if (o->property(kPendingRefusal).isValid())
            o->setProperty(kPendingRefusal, QVariant());
    };
    forget(form);
    for (QObject* child : form->findChildren<QObject*>())
        forget(child);
    // A view's status line may live in the window around it.
    if (QWidget* window = form->window(); window != form)
        for (auto* bar : window->findChildren<QStatusBar*>())
            forget(bar);
}

void KtSNMPRequest2Controls::ShowStatus(int operation, const QString& message)
{
    m_lastOperation = operation;
    ShowStatus(message);
}

void KtSNMPRequest2Controls::ReportError(const QString& message)
{
    if (HasStatusTarget())
        ShowStatus(message);
    else
        ShowMessageBox(m_owner, message);
}

void KtSNMPRequest2Controls::ShowMessageBox(QWidget* owner, const QString& text)
{
    KtMessageService().Plain(owner, KtEditConstraint::MessageCaption(), text);
}

bool KtSNMPRequest2Controls::IsTable() const
{
    const auto type = m_request->VarList.ItemType;
    return type == KtItem::MVT_FMV || type == KtItem::MVT_UMV;
}

void KtSNMPRequest2Controls::SetLeftOut(int i, bool leftOut)
{
    if (leftOut)
        m_leftOut.insert(i);
    else
        m_leftOut.remove(i);
}

void KtSNMPRequest2Controls::BeforeGet() {}
void KtSNMPRequest2Controls::BeforeSet() {}
void KtSNMPRequest2Controls::PrepareSet() {}
void KtSNMPRequest2Controls::AfterGet() {}
void KtSNMPRequest2Controls::AfterSet() {}

void KtSNMPRequest2Controls::OnGetError(const KtSNMPError& error)
{
    m_lastOperation = 0;
    ReportError(error.message);
}

void KtSNMPRequest2Controls::OnSetError(const KtSNMPError& error)
{
    m_lastOperation = 1;
    ReportError(error.message);
}

QString KtSNMPRequest2Controls::FilterText()
{
    if (LinkedRequest && !RowFilter.isEmpty())
        return LinkedRequest->SubstituteValues(RowFilter, true, u'#');
    return QString();
}

bool KtSNMPRequest2Controls::ShowAccepted(const QString& filter)
{
    if (!m_request->AcceptRow(filter) || !m_request->AcceptRecord())
        return true;
    ++m_rowCount;
    const std::shared_ptr<bool> alive = m_alive;
    ShowRow();
    return *alive;
}

// ---- running a read or write -------------------------------------------------------------
// Both modes take one path: Run starts the operation (in mode 0 it also ends it), every reply
// of a read goes through ShowAccepted, and Succeeded or Failed end it with the hooks, the
// busy flag and the status line, whether the reply came at once or through a completion.

void KtSNMPRequest2Controls::Run(const std::function<void()>& wait, const std::function<void()>& send)
{
    const std::shared_ptr<bool> alive = m_alive;
    m_busy = true;
    if (Mode == 0) {
        const KtSyncWait waiting;
        try {
            wait();
        } catch (...) {
            if (*alive) {
                m_busy = false;
                ReadEnded();
            }
            throw;
        }
        return;
    }
    if (!m_request->Alive) {
        m_busy = false;
        return;
    }
    try {
        send();
    } catch (...) {
        m_busy = false;
        throw;
    }
}

bool KtSNMPRequest2Controls::Succeeded(int operation)
{
    const std::shared_ptr<bool> alive = m_alive;
    if (operation == 0)
        AfterGet();
    else
        AfterSet();
    if (!*alive)
        return false;
    m_busy = false;
    m_lastOperation = operation;
    ShowStatus(KtMessage(KtErr::Ok));
    return true;
}

// A reply that carries an error: the view's error hook shows it, then the view hears that the
// operation has ended. What the hook raises is shown too, as nothing may leave a completion.
void KtSNMPRequest2Controls::Failed(int operation, const KtSNMPError& error)
{
    const std::shared_ptr<bool> alive = m_alive;
    m_busy = false;
    try {
        if (operation == 0)
            OnGetError(error);
        else
            OnSetError(error);
    } catch (const KtException& e) {
        if (*alive)
            CompletionFailed(e.Code(), e.Message(), operation, false);
    } catch (const std::exception& e) {
        if (*alive)
            CompletionFailed(KtErr::UnknownCode, QString::fromLocal8Bit(e.what()), operation, false);
    }
    if (*alive)
        Notify(operation == 0 ? GetDone : SetDone, error);
}

void KtSNMPRequest2Controls::RefreshAfterWrite()
{
    if (IsTable() && RefreshAfterSet)
        Get();
}

void KtSNMPRequest2Controls::Notify(const Notification& notification, const KtSNMPError& error)
{
    const std::shared_ptr<bool> alive = m_alive;
    const bool read = &notification == &GetDone;
    try {
        if (notification)
            notification(*this, error);
        // The listeners after the owner's own handler, unless it has destroyed the object.
        if (*alive) {
            if (read)
                emit ReadDone(error);
            else
                emit WriteDone(error);
        }
    } catch (const KtException& e) {
        if (*alive)
            ReportError(e.Message());
    } catch (const std::exception& e) {
        if (*alive)
            ReportError(QString::fromLocal8Bit(e.what()));
    }
}

// An error raised inside a completion: it cannot travel through the event pump, so it is shown
// here and the operation ends.
void KtSNMPRequest2Controls::CompletionFailed(int code, const QString& message, int operation, bool notify)
{
    const std::shared_ptr<bool> alive = m_alive;
    m_busy = false;
    m_lastOperation = operation;
    if (operation == 0)
        ReadEnded();
    ReportError(message);
    if (!*alive || !notify)
        return;
    KtSNMPError error;
    error.code = code;
    error.message = message;
    error.agentAddress = m_request->Params.device.address;
    error.agentPort = qint16(m_request->Params.device.port);
    error.finished = true;
    Notify(operation == 0 ? GetDone : SetDone, error);
}

// ---- read ---------------------------------------------------------------------------------

void KtSNMPRequest2Controls::Get()
{
    m_lastOperation = 0;
    const std::shared_ptr<bool> alive = m_alive;
    BeforeGet();
    if (!*alive)
        return;
    const QString filter = FilterText();
    m_rowCount = 0;
    Run(
        [&] {
            if (IsTable()) {
                for (bool row = m_request->Get(true); row; row = m_request->Get(false))
                    if (!ShowAccepted(filter))
                        return;
            } else {
                m_request->Get(true);
                if (!ShowAccepted(filter))
                    return;
            }
            RaiseUnexpectedType();
            Succeeded(0);
        },
        [&] { m_request->GetAsync(&GetCompletion, this, true); });
}

// A value of the wrong type (or an exception) makes the whole read fail: the values it did
// bring stay in sight, the marker in the variable's place, and the error names the variable.
void KtSNMPRequest2Controls::RaiseUnexpectedType()
{
    if (m_request->HasUnexpectedType())
        throw KtException(KtErr::UnexpectedType, m_request->UnexpectedTypeMessage());
}

void KtSNMPRequest2Controls::GetCompletion(void* context, const KtSNMPError& error, KtSNMPVarList&)
{
    static_cast<KtSNMPRequest2Controls*>(context)->GetCompleted(error);
}

void KtSNMPRequest2Controls::GetCompleted(const KtSNMPError& error)
{
    if (error.code != 0) {
        Failed(0, error);
        return;
    }
    const std::shared_ptr<bool> alive = m_alive;
    try {
        const QString filter = FilterText();
        // A group's reply is its one record; a walk's reply is a row until the walk is done.
        const bool row = !IsTable() || !error.finished;
        if (row && !ShowAccepted(filter))
            return;
        if (row && IsTable() && m_request->Alive) {
            m_request->GetAsync(&GetCompletion, this, false);
            return;
        }
        RaiseUnexpectedType();
        if (!Succeeded(0))
            return;
    } catch (const KtException& e) {
        if (*alive)
            CompletionFailed(e.Code(), e.Message(), 0, true);
        return;
    } catch (const std::exception& e) {
        if (*alive)
            CompletionFailed(KtErr::UnknownCode, QString::fromLocal8Bit(e.what()), 0, true);
        return;
    }
    // Every finished read is announced, with or without a status target: views wait for it
    // before they allow the next operation.
    Notify(GetDone, error);
}

// ---- write --------------------------------------------------------------------------------

QString KtSNMPRequest2Controls::WriteIndexList(const QString& indexList, const QStringList* values,
                                               QStringList& keptValues, bool& useKept, int& leftOutNamed)
{
    useKept = false;
    leftOutNamed = -1;
    if (m_leftOut.isEmpty() || indexList == KtEmptySet)
        return indexList;
    QStringList names;
    const KtSNMPVarList& list = m_request->VarList;
    if (indexList == KtAllSettable) {
        // Only what the write would have sent anyway: naming a variable clears its invalid
        // mark, so a field the view left out (unticked, or excluded for this write) must not
        // be named here.
        for (int i = 0; i < list.Count(); ++i) {
            if (!list.IsSettable(i))
                continue;
            if (!m_leftOut.contains(i))
                names << QString::number(i);
            else if (leftOutNamed < 0)
                leftOutNamed = i;
        }
    } else {
        KtNumList<int> given;
        given.SetDelimiter(u',');
        given.Parse(indexList);
        useKept = values != nullptr;
        for (int k = 0; k < given.Count(); ++k) {
            const int i = given.Item(k);
            const bool valueGiven = values && k < values->size();
            if (m_leftOut.contains(i) && !valueGiven) {
                if (leftOutNamed < 0)
                    leftOutNamed = i;
                continue;
            }
            names << QString::number(i);
            if (valueGiven)
                keptValues << values->at(k);
        }
    }
    return names.join(u',');
}

void KtSNMPRequest2Controls::Set(bool refresh, bool prepare, const QString& indexList, const QStringList* values)
{
    const std::shared_ptr<bool> alive = m_alive;
    m_lastOperation = 1;
    RefreshAfterSet = refresh;
    // PrepareSet reads every control back and records afresh what is left out.
    if (prepare)
        m_leftOut.clear();
    BeforeSet();
    if (!*alive)
        return;
    if (prepare)
        PrepareSet();
    QStringList keptValues;
    bool useKept = false;
    int leftOutNamed = -1;
    const QString names = WriteIndexList(indexList, values, keptValues, useKept, leftOutNamed);
    const QStringList* sentValues = useKept ? &keptValues : values;
    m_leftOut.clear();
    // Every variable named was left out: nothing goes out, and the first field without a
    // value is named (an empty list is never read as every variable).
    if (names.isEmpty() && leftOutNamed >= 0) {
        const QString message = KtMessageWith(KtErr::NoValueToWrite, m_request->VarList.Item(leftOutNamed).Label);
        RememberRefusal(message);
        throw KtException(KtErr::NoValueToWrite, message);
    }
    bool written = false;
    try {
        Run(
            [&] {
                m_request->Set(false, names, sentValues);
                written = Succeeded(1);
            },
            [&] { m_request->SetAsync(&SetCompletion, this, false, names, sentValues); });
    } catch (const KtException& e) {
        if (*alive)
            RememberRefusal(e.Message());
        throw;
    } catch (const std::exception& e) {
        if (*alive)
            RememberRefusal(QString::fromLocal8Bit(e.what()));
        throw;
    }
    // Outside the write: an error of the read is the read's own.
    if (written)
        RefreshAfterWrite();
}

void KtSNMPRequest2Controls::SetCompletion(void* context, const KtSNMPError& error, KtSNMPVarList&)
{
    static_cast<KtSNMPRequest2Controls*>(context)->SetCompleted(error);
}

void KtSNMPRequest2Controls::SetCompleted(const KtSNMPError& error)
{
    if (error.code != 0) {
        RememberRefusal(error.message);
        Failed(1, error);
        return;
    }
    const std::shared_ptr<bool> alive = m_alive;
    bool notified = false;
    try {
        if (!Succeeded(1))
            return;
        notified = true;
        Notify(SetDone, error);
        if (!*alive)
            return;
        RefreshAfterWrite();
    } catch (const KtException& e) {
        if (*alive)
            CompletionFailed(e.Code(), e.Message(), m_lastOperation, !notified);
    } catch (const std::exception& e) {
        if (*alive)
            CompletionFailed(KtErr::UnknownCode, QString::fromLocal8Bit(e.what()), m_lastOperation, !notified);
    }
}
