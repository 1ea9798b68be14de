#include "dialogs/DialogBase.h"

#include "KtNML/KtMessages.h"
#include "KtNML/KtSyncWait.h"
#include "views/FormSetup.h"
#include "views/ListViewTools.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QPointer>
#include <QLineEdit>
#include <QTreeWidget>

#include <algorithm>
#include <cmath>

TDialogBase::TDialogBase(QWidget* owner, bool enlarge) : QDialog(owner), m_enlarge(enlarge)
{
    setModal(true);
    KtSetUpForm(this);  // F5: "Refresh", Ctrl+W: "Close"; lists fit their contents
}

TDialogBase::~TDialogBase()
{
    // The derived parts are gone: nothing the children signal while they are destroyed, or
    // while the requests go, may reach the form's handlers.
    m_destroying = true;
    CutSignals();
    FormClose();
}

void TDialogBase::SetFormSize(int width, int height)
{
    if (m_enlarge) {
        width = int(std::lround(width * 1.25));
        height = int(std::lround(height * 1.25));
    }
    resize(width, height);
}

KtSNMPRequest2Edits& TDialogBase::AddRequest(const KtSNMPVarDef* defs, std::uint8_t itemType, int keyCount,
                                             const QString& listName)
{
    auto request = std::make_unique<KtSNMPRequest2Edits>(this);
    KtSNMPVarList list(defs, itemType, keyCount);
    list.Name = listName;
    request->VarList().Assign(list);
    m_requests.push_back(std::move(request));
    return *m_requests.back();
}

void TDialogBase::WatchGetDone(KtSNMPRequest2Edits& request)
{
    connect(&request, &KtSNMPRequest2Controls::ReadDone, this, [this] { SetGetComplete(true); });
    // A command that only writes ends with its last write: nothing else will come.
    connect(&request, &KtSNMPRequest2Controls::WriteDone, this, [this, &request] {
        if (request.Request().Pending == 0)
            SetGetComplete(true);
    });
}

void TDialogBase::ShowMessage(const QString& text)
{
    KtMessageService().Warning(this, KtMessages::DisplayCaption(), text);
}

bool TDialogBase::Require(bool ok, const QString& message)
{
    if (!ok)
        ShowMessage(message);
    return ok;
}

bool TDialogBase::CheckEdits(KtSNMPRequest2Edits& request)
{
    std::vector<int> all;
    for (const auto& binding : request.Bindings())
        all.push_back(binding->Index);
    return CheckEdits(request, all);
}

bool TDialogBase::CheckEdits(KtSNMPRequest2Edits& request, const std::vector<int>& columns)
{
    for (const auto& binding : request.Bindings()) {
        if (std::find(columns.begin(), columns.end(), binding->Index) == columns.end())
            continue;
        for (const QPointer<QWidget>& control : binding->Controls) {
            auto* edit = qobject_cast<QLineEdit*>(control.data());
            if (!edit)
                continue;
            const EditConstraint_s* rec = request.Constraints().Find(edit);
            if (!rec)
                continue;
            const KtLeaveCheck check = CheckOnLeaving(rec->format, edit->text());
            if (check.result != KtLeaveCheck::Failed)
                continue;
            ShowMessage(check.message);
            if (edit->isEnabled())
                edit->setFocus();
            return false;
        }
    }
    return true;
}

bool TDialogBase::ReadyFor(const KtSNMPRequest2Edits& request)
{
    if (m_closing || m_closePending)
        return false;
    // A synchronous operation holds the operator's input back: what arrives meanwhile (from a
    // timer) is refused like a command while busy.
    if (KtSyncWait::Active() || !GetComplete() || request.Busy()) {
        ShowMessage(m_guardMessage);
        return false;
    }
    return true;
}

bool TDialogBase::RunOperation(KtSNMPRequest2Edits& request, const std::function<void()>& body,
                               const std::function<bool()>& check)
{
    if (!ReadyFor(request))
        return false;
    if (check && !check())
        return false;
    SetGetComplete(false);
    request.Request().Alive = true;
    // A synchronous body lets events run while it waits: whatever happened meanwhile, the form
    // and its request are checked before they are touched again.
    const QPointer<TDialogBase> self(this);
    const std::shared_ptr<bool> requestAlive = request.Existence();
    const auto survived = [&] { return self && *requestAlive && !m_closed; };
    const auto fail = [&](const QString& message) {
        if (!survived())
            return;
        SetGetComplete(true);
        request.ShowStatus(message);
    };
    try {
        body();
    } catch (const KtException& e) {
        fail(e.Message());
        return true;
    } catch (const std::exception& e) {
        fail(QString::fromLocal8Bit(e.what()));
        return true;
    }
    // A body that ran synchronously, or whose read was never sent, leaves no read-done to come.
    if (survived() && !request.Busy())
        SetGetComplete(true);
    return true;
}

void TDialogBase::WatchRowCount(QTreeWidget* list, QLabel* counter)
{
    m_rowCounters.emplace_back(list, counter);
    QAbstractItemModel* model = list->model();
    // From the model: it also signals while the list itself is being destroyed.
    const auto show = [model, counter] { counter->setText(QString::number(model->rowCount())); };
    connect(model, &QAbstractItemModel::rowsInserted, counter, show);
    connect(model, &QAbstractItemModel::rowsRemoved, counter, show);
    connect(model, &QAbstractItemModel::modelReset, counter, show);
    show();
}

void TDialogBase::ShowRowCounts()
{
    for (const auto& [list, counter] : m_rowCounters)
        counter->setText(QString::number(list->topLevelItemCount()));
}

bool TDialogBase::SelectRowByKey(QTreeWidget* list, const QString& key)
{
    for (int r = 0; r < list->topLevelItemCount(); ++r) {
        QTreeWidgetItem* item = list->topLevelItem(r);
        if (item->text(0) != key)
            continue;
        list->clearSelection();
        list->setCurrentItem(item);
        item->setSelected(true);
        list->scrollToItem(item);
        return true;
    }
    return false;
}

void TDialogBase::ReselectAfterRead(KtSNMPRequest2Edits& request, const QString& key,
                                    const std::function<void(bool)>& onSelected)
{
    auto connection = std::make_shared<QMetaObject::Connection>();
    QPointer<QTreeWidget> list = request.ListView();
    *connection = connect(&request, &KtSNMPRequest2Controls::ReadDone, this,
                          [this, connection, list, key, onSelected] {
                              disconnect(*connection);
                              if (m_closing || !list)
                                  return;
                              const bool found = SelectRowByKey(list, key);
                              if (onSelected)
                                  onSelected(found);
                          });
}

void TDialogBase::SendChain(KtSNMPRequest2Edits& request, std::vector<std::function<void()>> steps)
{
    if (steps.empty())
        return;
    struct Chain {
        std::vector<std::function<void()>> steps;
        std::size_t next = 1;
        QMetaObject::Connection connection;
    };
    auto chain = std::make_shared<Chain>();
    chain->steps = std::move(steps);
    if (chain->steps.size() > 1) {
        chain->connection = connect(&request, &KtSNMPRequest2Controls::WriteDone, this,
                                    [this, chain, &request](const KtSNMPError& error) {
            const auto end = [&] {
                disconnect(chain->connection);
                SetGetComplete(!request.Busy());
            };
            if (error.code != 0 || m_closing) {
                end();
                return;
            }
            const std::function<void()> step = chain->steps[chain->next++];
            if (chain->next == chain->steps.size())
                disconnect(chain->connection);
            try {
                step();
            } catch (const KtException& e) {
                request.ShowStatus(e.Message());
                end();
                return;
            } catch (const std::exception& e) {
                request.ShowStatus(QString::fromLocal8Bit(e.what()));
                end();
                return;
            }
            SetGetComplete(!request.Busy());
        });
    }
    try {
        chain->steps.front()();
    } catch (...) {
        disconnect(chain->connection);
        throw;
    }
    // A write that completed at once (a synchronous request) has already run the rest.
    if (request.Busy())
        SetGetComplete(false);
}

bool TDialogBase::AskYesNo(const QString& text)
{
    return KtMessageService().AskYesNo(this, KtMessages::DisplayCaption(), text);
}

QString TDialogBase::IndexListText(const std::vector<int>& columns)
{
    QStringList names;
    for (int column : columns)
        names << QString::number(column);
    return names.join(u',');
}

void TDialogBase::SendColumns(KtSNMPRequest2Edits& request, const QString& indexList)
{
    request.Set(false, true, indexList);
}

void TDialogBase::DestroyRow(KtSNMPRequest2Edits& request, int statusColumn, QComboBox* statusCombo,
                             int destroyPosition)
{
    statusCombo->setCurrentIndex(destroyPosition);
    SendColumn(request, statusColumn);
}

bool TDialogBase::SendTicked(KtSNMPRequest2Edits& request, const std::vector<TickedField>& fields,
                             bool onePerField)
{
    std::vector<int> ticked;
    for (const TickedField& field : fields)
        if (field.tick && field.tick->isChecked())
            ticked.push_back(field.column);
    if (ticked.empty())
        return false;
    if (!onePerField) {
        SendColumns(request, ticked);
        return true;
    }
    for (int column : ticked)
        SendColumn(request, column);
    return true;
}

void TDialogBase::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_closing)
        return;
    TListViewTools::AttachAll(this);
    // A button pressed is the operator's next command: a write refused before it is no longer
    // repeated after the "Ok!" lines that follow.
    KtSNMPRequest2Controls::WatchCommands(this);
}

// A list added to a shown dialog is polished (a child of the dialog itself) or asks for a new
// layout (deeper down) on its way in.
bool TDialogBase::event(QEvent* event)
{
    const QEvent::Type type = event->type();
    if ((type == QEvent::LayoutRequest || type == QEvent::ChildPolished) && isVisible() && !m_closing)
        TListViewTools::AttachAll(this);
    return QDialog::event(event);
}

bool TDialogBase::DeferCloseWhileWaiting(int result)
{
    if (!KtSyncWait::Active() || m_closed)
        return false;
    // The operation ends after the reply it waits for; the close follows then.
    for (const auto& request : m_requests)
        request->Request().Alive = false;
    if (!m_closePending) {
        m_closePending = true;
        KtSyncWait::WhenIdle(this, [this, result] {
            m_closePending = false;
            done(result);
        });
    }
    return true;
}

bool TDialogBase::FormCloseQuery()
{
    if (m_closing || m_closePending)
        return false;
    if (!GetComplete()) {
        ShowMessage(m_guardMessage);
        return false;
    }
    return true;
}

void TDialogBase::closeEvent(QCloseEvent* event)
{
    if (DeferCloseWhileWaiting(QDialog::Rejected) || !FormCloseQuery()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

// Escape and accept/reject come here without a close event: the same refusal applies.
void TDialogBase::done(int result)
{
    if (m_closed) {
        QDialog::done(result);
        return;
    }
    if (DeferCloseWhileWaiting(result) || !FormCloseQuery())
        return;
    FormClose();
    QDialog::done(result);
}

void TDialogBase::FormClose()
{
    if (m_closed || m_closing)
        return;
    m_closing = true;
    for (const auto& request : m_requests)
        request->Request().Alive = false;
    if (!m_destroying) {
        for (const auto& request : m_requests)
            if (QTreeWidget* view = request->ListView())
                view->clearSelection();
        FreeControls();
    }
    // A request going away drops the replies still on their way: no event loop runs here.
    m_requests.clear();
    // The list views signal their models' resets while the form's widgets are destroyed, after
    // the derived parts of the form are gone: none of those signals may reach the form now.
    CutSignals();
    m_closed = true;
}

void TDialogBase::CutSignals()
{
    for (QObject* child : findChildren<QObject*>())
        disconnect(child, nullptr, this, nullptr);
}
