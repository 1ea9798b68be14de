#include "views/SNMPListViewPanel.h"

#include "KtNML/KtBoundRow.h"
#include "KtNML/KtMessages.h"
#include "KtNML/KtSNMPRequest2Edits.h"
#include "KtNML/KtSyncWait.h"
#include "views/ViewDialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDialog>
#include <QLabel>
#include <QEvent>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTreeWidget>

#include <algorithm>
#include <memory>

TSNMPListViewPanel::TSNMPListViewPanel(QWidget* parent, KtSNMPRequest2Edits* request)
    : TSNMPEditorPanel(parent, request)
{
    setObjectName(QStringLiteral("SNMPListViewPanel"));
    m_listPanel = new TListViewPanel(nullptr, request);
    QTreeWidget* view = m_listPanel->ListView;
    connect(view, &QTreeWidget::itemDoubleClicked, this, [this] {
        if (KtBoundRow::Of(ListView()) != nullptr)
            Edit();
    });
    connect(KtBoundRow::Track(view), &KtBoundRow::Changed, this, &TSNMPListViewPanel::SelectionChanged);
    QAbstractItemModel* model = view->model();
    connect(model, &QAbstractItemModel::rowsInserted, this, &TSNMPListViewPanel::UpdateCounter);
    connect(model, &QAbstractItemModel::rowsRemoved, this, &TSNMPListViewPanel::UpdateCounter);
    connect(model, &QAbstractItemModel::modelReset, this, &TSNMPListViewPanel::UpdateCounter);
    view->setMouseTracking(true);
    view->viewport()->installEventFilter(this);

    // The editor's own wiring of "Refresh" runs the frame's refresh, which is virtual.
    connect(m_buttons->btnEdit, &QPushButton::clicked, this, &TSNMPListViewPanel::Edit);
    connect(m_buttons->btnAdd, &QPushButton::clicked, this, &TSNMPListViewPanel::Add);
    connect(m_buttons->btnDelete, &QPushButton::clicked, this, &TSNMPListViewPanel::Delete);

    m_listPanel->ArrangeCtrlBtn(m_buttons);
    if (m_edits->NoneEditable()) {
        m_buttons->btnEdit->hide();
        m_buttons->Arrange();
    }
    m_edits->hide();
    m_edits->setParent(ContentArea());
    ShowContent(m_listPanel);
    m_edits->hide();
    BeforeAdd = [this] { m_edits->ClearValues(); };
}

// The list view goes with the base classes, after this object's part is gone: its signals
// must not reach this object any more.
TSNMPListViewPanel::~TSNMPListViewPanel()
{
    QTreeWidget* view = ListView();
    view->viewport()->removeEventFilter(this);
    view->model()->disconnect(this);
    view->disconnect(this);
    if (KtBoundRow* bound = KtBoundRow::Find(view))
        bound->disconnect(this);
}

QTreeWidget* TSNMPListViewPanel::ListView() const
{
    return m_listPanel->ListView;
}

int TSNMPListViewPanel::AddStatusIndex() const
{
    return m_listPanel->AddStatusIndex;
}

int TSNMPListViewPanel::DeleteStatusIndex() const
{
    return m_listPanel->DeleteStatusIndex;
}

QComboBox* TSNMPListViewPanel::StatusCombo(int row) const
{
    if (row < 0 || row >= m_edits->RowCount())
        return nullptr;
    return qobject_cast<QComboBox*>(m_edits->RowAt(row).Value);
}

void TSNMPListViewPanel::SetAddStatus(int row, const QString& text)
{
    const QComboBox* combo = StatusCombo(row);
    if (!combo || combo->findText(text, Qt::MatchExactly) < 0)
        throw TViewError(QStringLiteral("TSNMPListViewPanel::SetAddStatus - Wrong AddStatusValue:") + text);
    m_listPanel->AddStatusIndex = row;
    m_listPanel->AddStatusText = text;
    m_buttons->btnAdd->show();
    m_buttons->Arrange();
}

void TSNMPListViewPanel::SetDeleteStatus(int row, const QString& text)
{
    const QComboBox* combo = StatusCombo(row);
    if (!combo || combo->findText(text, Qt::MatchExactly) < 0)
        throw TViewError(QStringLiteral("TSNMPListViewPanel::SetDeleteStatus - Wrong DeleteStatusValue:") + text);
    m_listPanel->DeleteStatusIndex = row;
    m_listPanel->DeleteStatusText = text;
    m_buttons->btnDelete->show();
    m_buttons->Arrange();
}

void TSNMPListViewPanel::Refresh()
{
    if (!m_request)
        return;
    if (m_request->Mode == 1 && m_request->Busy())
        return;
    m_buttons->btnEdit->setEnabled(false);
    m_buttons->btnDelete->setEnabled(false);
    TSNMPPanel::Refresh();
    UpdateCounter();
}

void TSNMPListViewPanel::UpdateCounter()
{
    m_buttons->Counter->setText(QString::number(ListView()->topLevelItemCount()));
}

void TSNMPListViewPanel::SelectionChanged()
{
    if (m_quietSelection)
        return;
    const bool selected = KtBoundRow::Of(ListView()) != nullptr;
    m_buttons->btnEdit->setEnabled(selected);
    m_buttons->btnDelete->setEnabled(selected);
    if (!selected)
        m_edits->ClearValues();
}

QString TSNMPListViewPanel::HintFor(const QTreeWidgetItem* item) const
{
    const QTreeWidgetItem* header = ListView()->headerItem();
    const int columns = ListView()->columnCount();
    qsizetype longest = 0;
    for (int c = 0; c < columns; ++c)
        longest = std::max(longest, header->text(c).size());
    QString hint;
    for (int c = 0; c < columns; ++c) {
        const QString caption = header->text(c);
        hint += caption + QString(longest - caption.size(), u'\t') + QStringLiteral("  ") + item->text(c) + u'\n';
    }
    return hint;
}

bool TSNMPListViewPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ListView()->viewport() && event->type() == QEvent::MouseMove) {
        const auto* move = static_cast<QMouseEvent*>(event);
        const QTreeWidgetItem* item = ListView()->itemAt(move->position().toPoint());
        ListView()->setToolTip(item ? HintFor(item) : QString());
    }
    return TSNMPEditorPanel::eventFilter(watched, event);
}

void TSNMPListViewPanel::StopWalk()
{
    if (m_request->Mode != 1)
        return;
    m_request->Request().Alive = false;
    // The walk ends with the reply outstanding; the operator's input waits meanwhile.
    const QPointer<TSNMPListViewPanel> self(this);
    const std::shared_ptr<bool> request = m_request->Existence();
    const QDeadlineTimer deadline(1000);
    while (self && *request && m_request->Busy() && !deadline.hasExpired())
        KtSyncWait::LetEventsRun(20);
    if (self && *request)
        m_request->Request().Alive = true;
}

QDialog* TSNMPListViewPanel::MakeForm(const QString& suffix, TSNMPPanel*& panel)
{
    QWidget* host = HostForm() ? HostForm() : window();
    auto* form = new QDialog(host);
    form->setObjectName(suffix == QLatin1String(" (Add)") ? QStringLiteral("AddForm") : QStringLiteral("EditForm"));
    form->setWindowTitle(host->windowTitle() + suffix);
    m_request->SetConstraintOwner(form);
    panel = new TSNMPPanel(form, Memo(), m_request);
    TCtrlBtnPanel* buttons = panel->Buttons();
    connect(buttons->btnSetChecked, &QPushButton::clicked, this,
            [this, buttons] { SetChecked(buttons->btnSetChecked); });
    TCtrlBtnPanel::SetTag(buttons->btnSetChecked, 1);
    connect(buttons->btnCheckAll, &QPushButton::clicked, this, &TSNMPEditorPanel::CheckAll);
    connect(buttons->btnClearChecks, &QPushButton::clicked, this, &TSNMPEditorPanel::ClearChecks);
    SetActiveButtons(buttons);
    return form;
}

// The rows lent to a form go back (hidden) into this view before the form goes.
void TSNMPListViewPanel::FinishForm(QDialog* form)
{
    m_edits->hide();
    m_edits->setParent(ContentArea());
    m_edits->hide();
    SetActiveButtons(m_buttons);
    m_form = nullptr;
    delete form;
    m_request->SetConstraintOwner(HostForm() ? HostForm() : window());
    // The form closed: what comes next is the operator's, not a write's aftermath.
    KtSNMPRequest2Controls::ForgetRefusals(window());
    Refresh();
}

namespace {

void Present(TSNMPPanel* panel, TEditsPanel* edits, QDialog* form)
{
    TCtrlBtnPanel* buttons = panel->Buttons();
    edits->ArrangeCtrlBtn(buttons);
    buttons->btnRefresh->hide();
    buttons->Arrange();
    edits->Layout(true);
    panel->ShowContent(edits);
    FitPanelIntoHost(form, panel);
}

} // namespace

void TSNMPListViewPanel::Add()
{
    if (!m_request)
        return;
    StopWalk();
    if (BeforeAdd)
        BeforeAdd();
    TSNMPPanel* panel = nullptr;
    QDialog* form = MakeForm(QStringLiteral(" (Add)"), panel);
    const KtSNMPVarList& list = m_request->VarList();
    for (int i = 0; i < list.KeyCount && i < m_edits->RowCount(); ++i) {
        m_edits->SetRowEditable(i);
        TEditsPanel::Row& row = m_edits->RowAt(i);
        row.Tick->setChecked(true);
        row.Tick->show();
        row.Tick->setEnabled(false);
        row.Value->setEnabled(true);
    }
    if (QComboBox* combo = StatusCombo(AddStatusIndex())) {
        TEditsPanel::Row& row = m_edits->RowAt(AddStatusIndex());
        row.Value->setEnabled(false);
        row.Tick->setChecked(true);
        row.Tick->setEnabled(false);
        combo->setCurrentIndex(combo->findText(m_listPanel->AddStatusText, Qt::MatchExactly));
    }
    Present(panel, m_edits, form);
    m_quietSelection = true;
    ListView()->clearSelection();
    m_quietSelection = false;
    m_buttons->btnEdit->setEnabled(false);
    m_buttons->btnDelete->setEnabled(false);
    m_form = form;
    form->exec();
    FinishForm(form);
    if (AfterAdd)
        AfterAdd();
}

void TSNMPListViewPanel::Edit()
{
    if (!m_request)
        return;
    StopWalk();
    if (BeforeEdit)
        BeforeEdit();
    TSNMPPanel* panel = nullptr;
    QDialog* form = MakeForm(QStringLiteral(" (Edit)"), panel);
    panel->Buttons()->btnSetChecked->setEnabled(false);
    m_edits->SetEditableState(false);
    Present(panel, m_edits, form);

    // The row-status list offers neither the add nor the delete text while editing.
    struct Removed {
        int row = -1;
        int position = -1;
        QString text;
        bool hidden = false;
    };
    std::vector<Removed> removed;
    const std::pair<int, QString> statuses[] = {{AddStatusIndex(), m_listPanel->AddStatusText},
                                                {DeleteStatusIndex(), m_listPanel->DeleteStatusText}};
    for (const auto& [row, text] : statuses) {
        QComboBox* combo = StatusCombo(row);
        if (!combo)
            continue;
        Removed r{row, combo->findText(text, Qt::MatchExactly), text, false};
        if (r.position >= 0)
            combo->removeItem(r.position);
        if (combo->count() == 0) {
            m_edits->HideRow(row);
            r.hidden = true;
        }
        removed.push_back(r);
    }
    m_form = form;
    form->exec();
    // Back in reverse order, so every text returns to the place it left.
    for (auto it = removed.rbegin(); it != removed.rend(); ++it) {
        const Removed& r = *it;
        if (r.hidden)
            m_edits->ShowRow(r.row);
        if (r.position >= 0) {
            QComboBox* combo = StatusCombo(r.row);
            const int current = combo->currentIndex();
            combo->insertItem(r.position, r.text);
            // Inserting before the selection must not move it.
            combo->setCurrentIndex(current >= r.position ? current + 1 : current);
        }
    }
    FinishForm(form);
    if (AfterEdit)
        AfterEdit();
}

void TSNMPListViewPanel::Delete()
{
    if (!m_request || DeleteStatusIndex() < 0 || !KtMessageService().AskOkCancel(this, KtMessages::DisplayCaption(), QStringLiteral("Are you sure to delete it?")))
        return;
    StopWalk();
    KtSNMPRequest2Edits& bind = *m_request;
    const int mode = bind.Mode;
    bind.Mode = 0;
    // The row status alone, by an explicit index list with its value: whatever its drop-down
    // shows (nothing, when the agent holds a status the list lacks), the destroy goes out, and
    // no other variable's access is touched.
    const QStringList destroy{m_listPanel->DeleteStatusText};
    try {
        bind.PrepareSet();
        bind.Set(false, false, QString::number(DeleteStatusIndex()), &destroy);
    } catch (const KtException& e) {
        bind.ShowStatus(1, e.Message());
    }
    Refresh();
    bind.Mode = mode;
}
