#include "KtNML/KtSNMPRequest2Controls.h"

#include "KtNML/KtOptionList.h"
#include "KtNML/KtRadioGroup.h"
#include "KtNML/KtSpreadValue.h"
#include "KtNML/KtSupport.h"
#include "KtNML/KtValueCodec.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPalette>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTreeWidget>

#include <algorithm>
#include <optional>
#include <utility>

namespace {

constexpr int kOutOfRange = -12;  // "Out of range at index of array or list!"

KtEditConstraint::MessageBoxHook& MessageBoxHookRef()
{
    static KtEditConstraint::MessageBoxHook hook;
    return hook;
}

bool IsTextControl(const QWidget* w)
{
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QLabel*>(w);
}

void SetControlText(QWidget* w, const QString& text)
{
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        edit->setText(text);
        // A fixed-width field shows where its text begins; setText leaves the cursor, and
        // with it the visible part, at the end.
        edit->setCursorPosition(0);
    } else if (auto* label = qobject_cast<QLabel*>(w))
        label->setText(text);
    else
        KtRaise(KtErr::BadControlType);
}

QString ControlText(const QWidget* w)
{
    if (auto* edit = qobject_cast<const QLineEdit*>(w))
        return edit->text();
    if (auto* label = qobject_cast<const QLabel*>(w))
        return label->text();
    KtRaise(KtErr::BadControlType);
}

bool IsBoolSyntax(int syntax)
{
    return syntax == KtSyn::Boolean || syntax == KtSyn::Bool8 || syntax == KtSyn::Bool16;
}

// A value spread over several edits, the parts put into them or taken from them.
void ShowEdits(const std::vector<QWidget*>& edits, int syntax, const QString& text, const QByteArray& bytes)
{
    const std::optional<QStringList> parts = KtSplitValue(syntax, text, bytes, int(edits.size()));
    if (!parts)
        return;
    for (qsizetype k = 0; k < parts->size(); ++k)
        SetControlText(edits[std::size_t(k)], parts->at(k));
}

QString ReadEdits(const std::vector<QWidget*>& edits, int syntax)
{
    const int used = KtSpreadUsedParts(syntax, int(edits.size()));
    QStringList parts;
    for (int k = 0; k < used; ++k)
        parts << ControlText(edits[std::size_t(k)]);
    return KtJoinValue(syntax, parts);
}

constexpr int kErrorLine = 1;  // user state of a memo's error lines

// A status line as the memo's new last line, scrolled into view. Error lines stand out in the
// error colour and bold. An error followed by the line of the read after it (a form that
// closes after its write and refreshes the table) keeps the top of the memo as long as the
// newest line still begins in sight.
void AppendStatusLine(QPlainTextEdit& memo, const QString& line, bool error)
{
    QTextCharFormat format;
    format.setForeground(error ? KtStatusErrorColour() : memo.palette().color(QPalette::Text));
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

// A combo box keeps the width of its form; its list opens wide enough for the longest option.
void FitPopupToItems(QComboBox& combo)
{
    QAbstractItemView* view = combo.view();
    const QFontMetrics metrics(view->font());
    int widest = 0;
    for (int k = 0; k < combo.count(); ++k)
        widest = std::max(widest, metrics.horizontalAdvance(combo.itemText(k)));
    widest = std::max(widest, view->sizeHintForColumn(0));
    const int margins = 2 * view->frameWidth() + 2 * metrics.averageCharWidth()
        + view->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, view);
    view->setMinimumWidth(widest + margins);
}

std::vector<QWidget*> Widgets(const KtControlBinding& rec)
{
    std::vector<QWidget*> out;
    for (const QPointer<QWidget>& c : rec.Controls)
        out.push_back(c.data());
    return out;
}

// A control of the binding has gone with its form: the binding no longer shows or gives anything.
bool ControlsGone(const KtControlBinding& rec)
{
    return rec.Controls.empty()
        || std::any_of(rec.Controls.begin(), rec.Controls.end(), [](const QPointer<QWidget>& c) { return c.isNull(); });
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
    const QString line = StatusText(m_lastOperation, message, m_request->VarList.Name);
    if (m_memo)
        AppendStatusLine(*m_memo, line, message != KtMessage(KtErr::Ok));
    else if (m_statusBar)
        m_statusBar->showMessage(line);
    else if (m_panel)
        m_panel->setText(line);
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

KtSNMPRequest2Controls::MessageBoxHook KtSNMPRequest2Controls::SetMessageBoxHook(MessageBoxHook hook)
{
    return std::exchange(MessageBoxHookRef(), std::move(hook));
}

void KtSNMPRequest2Controls::ShowMessageBox(QWidget* owner, const QString& text)
{
    const QString caption = KtEditConstraint::MessageCaption();
    if (const auto& hook = MessageBoxHookRef()) {
        hook(owner, caption, text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, owner);
    box.exec();
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
    if (!notification)
        return;
    const std::shared_ptr<bool> alive = m_alive;
    try {
        notification(*this, error);
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
            Succeeded(0);
        },
        [&] { m_request->GetAsync(&GetCompletion, this, true); });
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
                                               QStringList& keptValues, bool& useKept)
{
    useKept = false;
    if (m_leftOut.isEmpty())
        return indexList;
    QStringList names;
    if (indexList.isEmpty()) {
        // Only what the write would have sent anyway: naming a variable clears its invalid
        // mark, so a field the view left out (unticked, or excluded for this write) must not
        // be named here.
        const KtSNMPVarList& list = m_request->VarList;
        for (int i = 0; i < list.Count(); ++i)
            if (!m_leftOut.contains(i) && list.IsSettable(i))
                names << QString::number(i);
    } else {
        KtNumList<int> given;
        given.SetDelimiter(u',');
        given.Parse(indexList);
        useKept = values != nullptr;
        for (int k = 0; k < given.Count(); ++k) {
            const int i = given.Item(k);
            const bool valueGiven = values && k < values->size();
            if (m_leftOut.contains(i) && !valueGiven)
                continue;
            names << QString::number(i);
            if (valueGiven)
                keptValues << values->at(k);
        }
    }
    // An index no variable has: every variable is left out.
    if (names.isEmpty())
        names << QString::number(m_request->VarList.Count());
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
    const QString names = WriteIndexList(indexList, values, keptValues, useKept);
    const QStringList* sentValues = useKept ? &keptValues : values;
    m_leftOut.clear();
    bool written = false;
    Run(
        [&] {
            m_request->Set(false, names, sentValues);
            written = Succeeded(1);
        },
        [&] { m_request->SetAsync(&SetCompletion, this, false, names, sentValues); });
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

// ==== KtSNMPRequest2Edits ==================================================================

KtSNMPRequest2Edits::KtSNMPRequest2Edits(QWidget* ownerForm, std::unique_ptr<KtSNMPRequest> request)
    : KtSNMPRequest2Controls(ownerForm, std::move(request)),
      m_constraints(std::make_unique<KtEditConstraint>(ownerForm, true))
{
}

// The controls' own handlers are not put back: the binding object goes with the form's
// controls. Our hooks go first, so that nothing reaches this object while the request below
// waits for its outstanding replies.
KtSNMPRequest2Edits::~KtSNMPRequest2Edits()
{
    qDeleteAll(m_pendingRows);
    QObject::disconnect(m_selectionConnection);
    for (auto& rec : m_bindings)
        Disconnect(*rec);
}

KtSNMPVar& KtSNMPRequest2Edits::Var(int i)
{
    if (i < 0 || i >= VarList().Count())
        KtRaise(kOutOfRange);
    return VarList().Item(i);
}

// ---- binding ------------------------------------------------------------------------------

KtControlBinding& KtSNMPRequest2Edits::AddBinding(int i, int byteIndex, int syntax, const KtOptionList* optionList,
                                                  std::vector<QWidget*> controls, std::vector<int> bits)
{
    Var(i);
    if (controls.empty() || std::find(controls.begin(), controls.end(), nullptr) != controls.end())
        KtRaise(KtErr::BadControlType);
    auto rec = std::make_unique<KtControlBinding>();
    rec->Index = i;
    rec->ByteIndex = byteIndex;
    rec->Syntax = syntax;
    rec->Options = optionList;
    rec->ControlCount = int(controls.size());
    rec->Bits = std::move(bits);
    for (QWidget* c : controls)
        rec->Controls.emplace_back(c);
    HookChanges(*rec);
    m_bindings.push_back(std::move(rec));
    return *m_bindings.back();
}

void KtSNMPRequest2Edits::HookChanges(KtControlBinding& rec)
{
    auto setModified = [this] { Modified = true; };
    for (const QPointer<QWidget>& c : rec.Controls) {
        QMetaObject::Connection connection;
        if (auto* combo = qobject_cast<QComboBox*>(c.data()))
            connection = connect(combo, &QComboBox::activated, this, setModified);
        else if (auto* group = qobject_cast<KtRadioGroup*>(c.data()))
            connection = connect(group, &KtRadioGroup::clicked, this, setModified);
        else if (auto* box = qobject_cast<QCheckBox*>(c.data()))
            connection = connect(box, &QCheckBox::clicked, this, setModified);
        else if (auto* edit = qobject_cast<QLineEdit*>(c.data()))
            // A text longer than its field is read whole in the tooltip.
            connection = connect(edit, &QLineEdit::textChanged, edit, &QWidget::setToolTip);
        rec.Handlers.push_back(connection);
    }
}

void KtSNMPRequest2Edits::Disconnect(KtControlBinding& rec)
{
    for (QMetaObject::Connection& connection : rec.Handlers)
        QObject::disconnect(connection);
    rec.Handlers.clear();
}

void KtSNMPRequest2Edits::Bind(int i, QWidget* control)
{
    const KtSNMPVar& var = Var(i);
    BindField(i, 0, var.Syntax, var.Options, control);
}

void KtSNMPRequest2Edits::BindDropDown(int i, QComboBox* comboBox)
{
    if (comboBox)
        comboBox->setEditable(false);
    Bind(i, comboBox);
}

void KtSNMPRequest2Edits::BindField(int i, int byteIndex, int syntax, const KtOptionList* optionList,
                                    QWidget* control, QWidget* secondControl, int /*columns*/)
{
    const KtSNMPVar& var = Var(i);
    const KtOptionList* list = optionList ? optionList : var.Options;
    auto* combo = qobject_cast<QComboBox*>(control);
    auto* group = qobject_cast<KtRadioGroup*>(control);
    if ((combo || group) && !list)
        KtRaise(KtErr::NoOptionList);
    if (combo) {
        list->FillComboBox(*combo);
        // Filling selects the first option; nothing has been read yet, so nothing is chosen.
        combo->setCurrentIndex(-1);
        FitPopupToItems(*combo);
        if (list->ValueType() == KtOptValue::Prefix && !secondControl)
            KtRaise(KtErr::NotEnoughControls);
    } else if (group) {
        list->FillRadioGroup(*group);
    }
    std::vector<QWidget*> controls{control};
    if (secondControl)
        controls.push_back(secondControl);
    AddBinding(i, byteIndex, syntax, optionList, std::move(controls), {});
}

void KtSNMPRequest2Edits::BindFieldDropDown(int i, int byteIndex, int syntax, const KtOptionList* optionList,
                                            QComboBox* comboBox)
{
    if (comboBox)
        comboBox->setEditable(false);
    BindField(i, byteIndex, syntax, optionList, comboBox);
}

void KtSNMPRequest2Edits::BindFormatted(int i, const QString& format, const std::vector<QWidget*>& controls)
{
    BindFieldFormatted(i, 0, Var(i).Syntax, nullptr, format, controls);
}

void KtSNMPRequest2Edits::BindFieldFormatted(int i, int byteIndex, int syntax, const KtOptionList* optionList,
                                             const QString& format, const std::vector<QWidget*>& controls)
{
    Var(i);
    // One control per "%" followed by a field type letter.
    int count = 0;
    for (qsizetype k = 0; k + 1 < format.size(); ++k)
        if (format[k] == u'%' && QStringLiteral("shiufn").contains(format[k + 1]))
            ++count;
    if (count == 0)
        KtRaise(KtErr::BadConstraintFormat);
    if (int(controls.size()) < count)
        KtRaise(KtErr::NotEnoughControls);
    std::vector<QLineEdit*> edits;
    for (int k = 0; k < count; ++k) {
        auto* edit = qobject_cast<QLineEdit*>(controls[std::size_t(k)]);
        if (!edit)
            KtRaise(KtErr::BadControlType);
        edits.push_back(edit);
    }
    m_constraints->AddConstraints(format, edits);
    AddBinding(i, byteIndex, syntax, optionList, std::vector<QWidget*>(edits.begin(), edits.end()), {});
}

void KtSNMPRequest2Edits::BindBits(int i, const QString& bitList, std::initializer_list<QCheckBox*> checkBoxes)
{
    BindBitsList(i, bitList, std::vector<QCheckBox*>(checkBoxes));
}

void KtSNMPRequest2Edits::BindBitsList(int i, const QString& bitList, const std::vector<QCheckBox*>& checkBoxes)
{
    const KtSNMPVar& var = Var(i);
    KtNumList<int> numbers;
    numbers.SetDelimiter(u',');
    numbers.Parse(bitList);
    std::vector<int> bits;
    for (std::size_t k = 0; k < checkBoxes.size(); ++k)
        bits.push_back(numbers.Item(int(k)));  // -12 when the list names fewer bits than boxes
    AddBinding(i, 0, var.Syntax, nullptr, std::vector<QWidget*>(checkBoxes.begin(), checkBoxes.end()),
               std::move(bits));
}

void KtSNMPRequest2Edits::Unbind(int i)
{
    for (auto it = m_bindings.begin(); it != m_bindings.end();) {
        KtControlBinding& rec = **it;
        if (rec.Index != i) {
            ++it;
            continue;
        }
        for (const QPointer<QWidget>& c : rec.Controls)
            if (auto* edit = qobject_cast<QLineEdit*>(c.data()))
                m_constraints->RemoveConstraint(edit);
        Disconnect(rec);
        it = m_bindings.erase(it);
    }
    SetLeftOut(i, false);
}

void KtSNMPRequest2Edits::SetConstraintOwner(QWidget* window)
{
    m_constraints->SetOwner(window);
}

void KtSNMPRequest2Edits::EnableControls(bool enabled)
{
    for (const auto& rec : m_bindings)
        for (const QPointer<QWidget>& c : rec->Controls)
            if (c)
                c->setEnabled(enabled);
}

// ---- values to controls -------------------------------------------------------------------

void KtSNMPRequest2Edits::ShowValues(int i)
{
    for (const auto& rec : m_bindings) {
        if (i != -1 && rec->Index != i)
            continue;
        if (Var(rec->Index).Access & KtAcc::Invalid)
            continue;
        ShowBinding(*rec);
    }
}

void KtSNMPRequest2Edits::ShowBinding(const KtControlBinding& rec)
{
    if (ControlsGone(rec))
        return;
    const KtSNMPVar& var = Var(rec.Index);
    const std::vector<QWidget*> controls = Widgets(rec);
    QWidget* first = controls.front();
    const bool uncut = rec.ByteIndex == 0 && rec.Syntax == var.Syntax;
    const bool multiEdit = rec.Bits.empty() && controls.size() > 1 && IsTextControl(first);
    // The byte form only where the controls show bytes: turning a marker text such as
    // "(NOTDONE)" into bytes may fail for syntaxes that a single edit shows as text.
    QByteArray bytes;
    QString text = (!rec.Bits.empty() || multiEdit || !uncut) ? FieldText(var, rec.ByteIndex, rec.Syntax, &bytes)
                                                             : FieldText(var, rec.ByteIndex, rec.Syntax);
    const KtOptionList* textList = rec.Options ? rec.Options : (uncut ? var.Options : nullptr);
    const KtOptionList* controlList = rec.Options ? rec.Options : var.Options;
    if (textList)
        text = textList->ValueToText(text);

    if (!rec.Bits.empty()) {
        for (std::size_t k = 0; k < controls.size(); ++k) {
            auto* box = qobject_cast<QCheckBox*>(controls[k]);
            if (!box)
                KtRaise(KtErr::BadControlType);
            // A port list shorter than the bound bits: the missing octets hold no ports.
            box->setChecked(GetBit(bytes, rec.Bits[k]));
        }
    } else if (auto* box = qobject_cast<QCheckBox*>(first)) {
        if (textList) {
            int index = textList->IndexOfText(text);
            if (index < 0)
                index = textList->IndexOfValue(text);
            box->setChecked(index > 0);  // the first option and unlisted values mean "off"
        } else if (IsBoolSyntax(rec.Syntax)) {
            box->setChecked(text == QLatin1String("true"));
        } else {
            KtRaise(KtErr::BadPartialSyntax);
        }
    } else if (auto* combo = qobject_cast<QComboBox*>(first)) {
        if (!controlList)
            KtRaise(KtErr::NoOptionList);
        controlList->SelectComboBox(*combo, text);
        if (controls.size() > 1) {
            const QString selected = combo->currentIndex() >= 0 ? combo->itemText(combo->currentIndex()) : QString();
            QString rest = text.mid(selected.size());
            if (rec.Syntax == KtSyn::ObjectId && !rest.isEmpty())
                rest.remove(0, 1);  // the "." after the prefix
            SetControlText(controls[1], rest);
        }
    } else if (auto* group = qobject_cast<KtRadioGroup*>(first)) {
        if (!controlList)
            KtRaise(KtErr::NoOptionList);
        controlList->SelectRadioGroup(*group, text);
    } else if (IsTextControl(first)) {
        if (multiEdit)
            ShowEdits(controls, rec.Syntax, text, bytes);
        else
            SetControlText(first, text);
        for (QWidget* c : controls)
            if (auto* edit = qobject_cast<QLineEdit*>(c); edit && m_constraints->Find(edit))
                m_constraints->SaveLastGood(edit);
    } else {
        KtRaise(KtErr::BadControlType);
    }
}

// ---- controls to values -------------------------------------------------------------------

void KtSNMPRequest2Edits::ReadValues(int i)
{
    KtSNMPVarList& list = VarList();
    for (int v = 0; v < list.Count(); ++v) {
        if ((i != -1 && v != i) || !list.IsSettable(v))
            continue;
        std::vector<const KtControlBinding*> records;
        for (const auto& rec : m_bindings)
            if (rec->Index == v)
                records.push_back(rec.get());
        if (records.empty())
            continue;
        KtSNMPVar& var = list.Item(v);
        // One control for the whole variable gives its text as typed: the codec checks it when
        // it is sent, so text that is no value is refused naming the variable (never sent as
        // another number), and only when the variable takes part in the write.
        const KtControlBinding& only = *records.front();
        const bool takesWhole = records.size() == 1 && only.Bits.empty() && only.ByteIndex == 0
            && only.Syntax == var.Syntax;
        QString whole;
        // A display string is rebuilt from its controls alone; an empty value (as PrepareSet
        // leaves it) has no bytes to start from.
        QByteArray bytes;
        if (!takesWhole && var.Syntax != KtSyn::DisplayStr && !var.Value.isEmpty())
            bytes = TextToBytes(var.Options ? var.Options->TextToValue(var.Value) : var.Value, var.Syntax, var.Label);
        bool given = false;
        for (const KtControlBinding* rec : records)
            given = ReadBinding(*rec, bytes, takesWhole ? &whole : nullptr) || given;
        if (!given) {
            // Nothing to write: the variable keeps its value and stays out of the next write
            // (keys only build the instance and are never written).
            SetLeftOut(v, !(IsTable() && v < list.KeyCount));
            continue;
        }
        SetLeftOut(v, false);
        QString text;
        if (!takesWhole) {
            text = BytesToText(bytes, var.Syntax);
        } else if (whole == KtNotDoneText) {
            text = whole;  // a cell the walk passed is no value to send either
        } else {
            // In the variable's own form when it is a value; as typed when it is none.
            try {
                text = BytesToText(TextToBytes(whole, var.Syntax, var.Label), var.Syntax);
            } catch (const KtException& e) {
                if (e.Code() != KtErr::BadValue)
                    throw;
                text = whole;
            }
        }
        var.Value = var.Options ? var.Options->ValueToText(text) : text;
    }
}

bool KtSNMPRequest2Edits::ReadBinding(const KtControlBinding& rec, QByteArray& bytes, QString* whole)
{
    if (ControlsGone(rec))
        return false;
    const KtSNMPVar& var = Var(rec.Index);
    const std::vector<QWidget*> controls = Widgets(rec);
    QWidget* first = controls.front();
    const KtOptionList* list = rec.Options ? rec.Options : var.Options;

    if (!rec.Bits.empty()) {
        QByteArray chunk;
        for (std::size_t k = 0; k < controls.size(); ++k) {
            auto* box = qobject_cast<QCheckBox*>(controls[k]);
            if (!box)
                return false;
            // Bits of the covered bytes that no box stands for are written as 0.
            PutBit(chunk, rec.Bits[k], box->isChecked());
        }
        PutChunk(bytes, rec.ByteIndex, chunk);
        return true;
    }

    QString text;
    if (auto* box = qobject_cast<QCheckBox*>(first)) {
        if (list) {
            if (list->Count() < 2)
                KtRaise(kOutOfRange);
            text = list->Option(box->isChecked() ? 1 : 0).text;
        } else if (IsBoolSyntax(rec.Syntax)) {
            text = box->isChecked() ? QStringLiteral("true") : QStringLiteral("false");
        } else {
            KtRaise(KtErr::BadPartialSyntax);
        }
    } else if (auto* combo = qobject_cast<QComboBox*>(first)) {
        if (combo->currentIndex() < 0)
            return false;  // nothing chosen: left out of the write
        text = combo->itemText(combo->currentIndex());
        if (controls.size() > 1) {
            if (rec.Syntax == KtSyn::ObjectId)
                text += u'.';
            text += ControlText(controls[1]);
        }
    } else if (auto* group = qobject_cast<KtRadioGroup*>(first)) {
        if (group->currentIndex() < 0)
            return false;
        text = group->itemText(group->currentIndex());
    } else if (IsTextControl(first)) {
        text = controls.size() > 1 ? ReadEdits(controls, rec.Syntax) : ControlText(first);
    } else {
        return false;  // a kind of control that gives no value
    }
    if (list)
        text = list->TextToValue(text);
    if (whole) {
        *whole = text;
        return true;
    }
    PutChunk(bytes, rec.ByteIndex, TextToBytes(text, rec.Syntax, var.Label));
    return true;
}
