#include "views/Guiconfigform.h"

#include "KtNML/KtSNMPRequest2Edits.h"
#include "KtNML/KtSyncWait.h"
#include "views/ViewDialogs.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QPlainTextEdit>
#include <QTimer>

namespace {
constexpr int kDesignWidth = 159;
constexpr int kDesignHeight = 105;
constexpr int kClosePollMs = 10;
} // namespace

TConfigForm::TConfigForm(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("ConfigForm"));
    setWindowTitle(QStringLiteral("ConfigForm"));
    resize(kDesignWidth, kDesignHeight);
    if (const QWidget* main = ViewMainWindow()) {
        QRect frame = frameGeometry();
        frame.moveCenter(main->frameGeometry().center());
        move(frame.topLeft());
    }
}

TConfigForm::~TConfigForm()
{
    ReleaseRequests();
}

void TConfigForm::StartBuild(int kind, std::unique_ptr<KtSNMPRequest2Edits>& request)
{
    if (m_kind != KindNone)
        throw TViewError(QStringLiteral("Can not change Type of a Config Form!"));
    if (!request)
        throw TViewError(QStringLiteral("TConfigForm - no request for the panel!"));
    m_kind = kind;
    m_requests.push_back(std::move(request));
}

TSNMPEditorPanel* TConfigForm::AddEditorPanel(std::unique_ptr<KtSNMPRequest2Edits> request)
{
    StartBuild(KindEditor, request);
    auto* panel = new TSNMPEditorPanel(this, m_requests.back().get());
    m_panel = panel;
    panel->Memo()->setReadOnly(true);
    FitPanelIntoHost(this, panel);
    return panel;
}

TSNMPListViewPanel* TConfigForm::AddTablePanel(std::unique_ptr<KtSNMPRequest2Edits> request, int addIndex,
                                               const QString& addText, int deleteIndex, const QString& deleteText)
{
    StartBuild(KindTable, request);
    auto* panel = new TSNMPListViewPanel(this, m_requests.back().get());
    m_panel = panel;
    if (!addText.isNull())
        panel->SetAddStatus(addIndex, addText);
    if (!deleteText.isNull())
        panel->SetDeleteStatus(deleteIndex, deleteText);
    panel->Memo()->setReadOnly(true);
    FitPanelIntoHost(this, panel);
    return panel;
}

void TConfigForm::RefreshCurrent()
{
    if (m_kind == KindNone || m_requests.empty() || m_closing)
        return;
    KtSNMPRequest2Edits* request = m_requests.front().get();
    if (m_current && m_current != request)
        m_current->Request().Alive = false;
    m_current = request;
    request->Request().Alive = true;
    try {
        request->Get();
    } catch (const KtException& e) {
        request->ShowStatus(e.Message());
    }
}

void TConfigForm::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    // A button pressed is the operator's next command (see KtSNMPRequest2Controls).
    KtSNMPRequest2Controls::WatchCommands(this);
    // Posted on the first showing rather than at construction: the command has built the
    // panel by then, and the event is delivered by the modal loop.
    if (!m_refreshPosted) {
        m_refreshPosted = true;
        QCoreApplication::postEvent(this, new QEvent(kRefreshEvent));
    }
}

bool TConfigForm::event(QEvent* e)
{
    if (e->type() == kRefreshEvent) {
        RefreshCurrent();
        return true;
    }
    return QDialog::event(e);
}

bool TConfigForm::AnyBusy() const
{
    for (const auto& r : m_requests)
        if (r->Busy())
            return true;
    return false;
}

// A running walk stops at its next reply once its alive flag is clear. The wait does not
// nest: closing may be asked from inside a completion (a row shown lets events run), and that
// completion has to return before the walk can end.
void TConfigForm::done(int result)
{
    if (m_closing || m_closeAfterForm)
        return;
    // An Add or Edit form of the view is open (its modal loop runs inside this form's): that
    // form goes first, and this one once the command that opened it has returned.
    for (QDialog* form : findChildren<QDialog*>(Qt::FindDirectChildrenOnly)) {
        if (!form->isVisible())
            continue;
        m_closeAfterForm = true;
        connect(form, &QObject::destroyed, this, [this, result] {
            QTimer::singleShot(0, this, [this, result] {
                m_closeAfterForm = false;
                done(result);
            });
        });
        form->reject();
        return;
    }
    // A synchronous operation waits further up the stack: the close follows its end.
    if (KtSyncWait::Active()) {
        for (const auto& r : m_requests)
            r->Request().Alive = false;
        m_closeAfterForm = true;
        KtSyncWait::WhenIdle(this, [this, result] {
            m_closeAfterForm = false;
            done(result);
        });
        return;
    }
    m_closing = true;
    m_result = result;
    for (const auto& r : m_requests)
        r->Request().Alive = false;
    if (!AnyBusy()) {
        FinishClose();
        return;
    }
    // Nothing more may start while the walk winds down.
    if (m_panel)
        m_panel->setEnabled(false);
    auto* poll = new QTimer(this);
    const QDeadlineTimer deadline(kCloseWaitMs);
    connect(poll, &QTimer::timeout, this, [this, poll, deadline] {
        if ((AnyBusy() && !deadline.hasExpired()) || KtSyncWait::Active())
            return;
        poll->stop();
        poll->deleteLater();
        FinishClose();
    });
    poll->start(kClosePollMs);
}

void TConfigForm::FinishClose()
{
    ReleaseRequests();
    QDialog::done(m_result);
}

void TConfigForm::ReleaseRequests()
{
    // A request going away drops the replies still on their way: nothing waits here.
    for (const auto& r : m_requests)
        r->Request().Alive = false;
    for (auto& r : m_requests)
        r.reset();
    m_requests.clear();
}
