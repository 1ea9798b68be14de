#include "dialogs/security/AclRuleDialogBase.h"

#include "KtNML/KtBoundRow.h"

#include "dialogs/FormControls.h"

#include "dialogs/StackingPortUitForm.h"
#include "dialogs/security/AclOptions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr const char* kModel = "VKR-2207";
constexpr int kModelPorts = 10;

bool Contains(const std::vector<QCheckBox*>& boxes, const QCheckBox* box)
{
    return std::find(boxes.begin(), boxes.end(), box) != boxes.end();
}

} // namespace

TAclRuleDialogBase::TAclRuleDialogBase(QWidget* owner, bool enlarge) : TAclDialogBase(owner, enlarge) {}

void TAclRuleDialogBase::PreparePortGrid(QWidget* host, int columns, int unitCount)
{
    PortGrid = new TStackingPortUitForm(host);
    PortGrid->setObjectName(QStringLiteral("StackingPortUitForm"));
    for (int unit = 1; unit <= std::max(unitCount, 1); ++unit)
        PortGrid->AddUnit(QStringLiteral("Unit%1").arg(unit), kPortBits, columns);
    PortGrid->ShowUnit(QLatin1String(kModel), kModelPorts);
}

void TAclRuleDialogBase::BindRuleTable()
{
    KtSNMPRequest2Edits& table = *TableRequest();
    // A grid of several units has more boxes than the port list has bits: the first 32 only.
    table.BindBitsList(m_setup.portColumn, TStackingPortUitForm::BitIndexText(kPortBits),
                       PortGrid->FirstBoxes(kPortBits));
    m_listView = table.ListView();
    if (StaticText1)
        WatchRowCount(m_listView, StaticText1);
    if (m_setup.enablePriorityCombo)
        connect(m_setup.enablePriorityCombo, &QComboBox::currentIndexChanged, this, [this] { EnablePriorityChange(); });
}

QString TAclRuleDialogBase::ControlText(const QWidget* control)
{
    if (const auto* edit = qobject_cast<const QLineEdit*>(control))
        return edit->text();
    if (const auto* combo = qobject_cast<const QComboBox*>(control))
        return combo->currentIndex() < 0 ? QString() : combo->currentText();
    return {};
}

QString TAclRuleDialogBase::SelectedRowText(int column) const
{
    const QTreeWidget* view = TableRequest() ? TableRequest()->ListView() : nullptr;
    const QTreeWidgetItem* row = KtBoundRow::Of(view);
    if (!row || column < 0 || column >= TableRequest()->VarList().Count())
        return {};
    const QString label = TableRequest()->VarList().Item(column).Label;
    const QTreeWidgetItem* header = view->headerItem();
    for (int c = 0; header && c < view->columnCount(); ++c)
        if (header->text(c) == label)
            return row->text(c);
    return {};
}

// ---- what a write sends ------------------------------------------------------------------

std::set<int> TAclRuleDialogBase::ApplyFieldChecks() const
{
    std::set<int> leftOut;
    for (const RuleField& field : m_setup.fields)
        if (!field.box->isChecked())
            leftOut.insert(field.column);
    return leftOut;
}

void TAclRuleDialogBase::PriorityRule(std::set<int>& leftOut) const
{
    if (m_setup.enablePriorityCombo == nullptr)
        return;
    const bool ticked = m_setup.enablePriorityBox && m_setup.enablePriorityBox->isChecked();
    const QString chosen = ControlText(m_setup.enablePriorityCombo);
    bool disabled = false;
    if (RowSelected()) {
        const QString rowText = SelectedRowText(m_setup.enablePriorityColumn);
        if (rowText.isEmpty())
            return;
        disabled = (ticked ? chosen : rowText) == QLatin1String("disabled");
    } else {
        disabled = !(ticked && chosen != QLatin1String("disabled"));
    }
    if (disabled) {
        leftOut.insert(m_setup.priorityColumn);
        leftOut.insert(m_setup.replaceColumn);
    }
}

std::vector<int> TAclRuleDialogBase::SendSet()
{
    std::set<int> leftOut = ApplyFieldChecks();
    DialogRules(leftOut);
    PriorityRule(leftOut);
    return WritableExcept(TableRequest()->VarList(), leftOut);
}

std::vector<int> TAclRuleDialogBase::CheckedColumns(const std::vector<int>& send) const
{
    // The keys name the row: their edits are checked with what is sent.
    std::vector<int> columns;
    for (int k = 0; k < TableRequest()->VarList().KeyCount; ++k)
        columns.push_back(k);
    columns.insert(columns.end(), send.begin(), send.end());
    return columns;
}

// ---- checks ------------------------------------------------------------------------------

bool TAclRuleDialogBase::CountCheckedPorts()
{
    const std::vector<QCheckBox*> boxes = PortGrid ? PortGrid->FirstBoxes(kPortBits) : std::vector<QCheckBox*>{};
    const bool any = std::any_of(boxes.begin(), boxes.end(), [](const QCheckBox* box) { return box->isChecked(); });
    return Require(any, kNoPort);
}

bool TAclRuleDialogBase::RequireTickedFilled(const QString& emptyMessage,
                                             const std::function<bool(const RuleField&)>& extra)
{
    for (const RuleField& field : m_setup.fields) {
        if (!field.box->isChecked())
            continue;
        if (!RequireAt(!ControlText(field.control).isEmpty(), emptyMessage, field.control))
            return false;
        if (extra && !extra(field))
            return false;
    }
    return true;
}

// ---- commands ----------------------------------------------------------------------------

void TAclRuleDialogBase::SendOrDeselect(const std::function<void()>& send)
{
    try {
        send();
    } catch (...) {
        // The table is not read again after a refused write: no row may stay highlighted
        // while the form is in the no-row state.
        if (m_listView)
            m_listView->clearSelection();
        throw;
    }
}

void TAclRuleDialogBase::RefreshRules()
{
    Reload();
    ShowRowCounts();
}

void TAclRuleDialogBase::AddRule()
{
    std::vector<int> send;
    RunCommand([&] { SendOrDeselect([&] { SendRow(*TableRequest(), send); }); },
               [&] {
                   QStringList keys;
                   for (const QLineEdit* edit : m_setup.keyEdits)
                       keys << edit->text();
                   if (!ValidateInputs()
                       || !RequireNewKey(keys, m_setup.duplicateMessage, m_setup.keyEdits.front())
                       || !RequireAt(m_setup.permitBox->isChecked(), kPermitNotChecked, m_setup.permitControl)
                       || !RequireCreateAndGo(m_setup.rowCombo, kRowStateNotCreateAndGo, m_setup.rowBox))
                       return false;
                   send = SendSet();
                   return CheckEdits(*TableRequest(), CheckedColumns(send));
               });
    ShowRowCounts();
}

void TAclRuleDialogBase::EditRule()
{
    if (!RowSelected())
        return;
    const int position = m_setup.rowCombo->currentIndex();
    if (m_setup.editHandsOver
        && (position == AclOptions::kCreateAndGoPosition || position == AclOptions::kDestroyPosition)) {
        if (!ValidateInputs())
            return;
        if (position == AclOptions::kCreateAndGoPosition)
            AddRule();
        else
            DeleteRule();
        return;
    }
    std::vector<int> send;
    RunCommand([&] { SendOrDeselect([&] { SendRow(*TableRequest(), send); }); },
               [&] {
                   if (!ValidateInputs())
                       return false;
                   if (position == AclOptions::kDestroyPosition && m_setup.rowBox->isChecked()) {
                       send = {m_setup.statusColumn};
                       return true;
                   }
                   send = SendSet();
                   return CheckEdits(*TableRequest(), CheckedColumns(send));
               });
    ShowRowCounts();
}

void TAclRuleDialogBase::DeleteRule()
{
    if (!RowSelected())
        return;
    RunCommand([&] {
        SendOrDeselect([&] {
            DestroyRow(*TableRequest(), m_setup.statusColumn, m_setup.rowCombo, AclOptions::kDestroyPosition);
        });
    });
    ShowRowCounts();
}

// ---- tick boxes --------------------------------------------------------------------------

bool TAclRuleDialogBase::Skips(const QCheckBox* box, bool checkAll) const
{
    if (checkAll && Contains(m_setup.untouchedByCheckAll, box))
        return true;
    return Contains(m_setup.onlyWhileEnabled, box) && !box->isEnabled();
}

void TAclRuleDialogBase::CheckAllFields()
{
    for (const RuleField& field : m_setup.fields)
        if (!Skips(field.box, true))
            field.box->setChecked(true);
}

void TAclRuleDialogBase::ClearFieldChecks()
{
    for (const RuleField& field : m_setup.fields)
        if (!Skips(field.box, true))
            field.box->setChecked(false);
}

void TAclRuleDialogBase::EnablePriorityChange()
{
    const QString text = ControlText(m_setup.enablePriorityCombo);
    const bool enabled = text == QLatin1String("enabled");
    if (!enabled && text != QLatin1String("disabled"))
        return;
    for (QWidget* w : {static_cast<QWidget*>(m_setup.priorityBox), m_setup.priorityControl,
                       static_cast<QWidget*>(m_setup.replaceBox), m_setup.replaceControl})
        if (w)
            w->setEnabled(enabled);
    for (QCheckBox* box : {m_setup.priorityBox, m_setup.replaceBox})
        if (box)
            box->setChecked(false);
}

// ---- states ------------------------------------------------------------------------------

void TAclRuleDialogBase::ClearInputs()
{
    for (QLineEdit* edit : m_setup.keyEdits)
        edit->clear();
    for (QLineEdit* edit : m_setup.clearEdits)
        edit->clear();
    for (const RuleField& field : m_setup.fields)
        if (!Skips(field.box, false))
            field.box->setChecked(false);
    if (PortGrid)
        PortGrid->UncheckAll();
    ShowRowCounts();
}

void TAclRuleDialogBase::OnSelectionChanged(bool rowSelected)
{
    ShowState(rowSelected);
    if (rowSelected)
        EnablePriorityChange();
    else
        ClearInputs();
}

void TAclRuleDialogBase::FreeControls()
{
    // The grid goes first; the binding holds its boxes weakly.
    delete PortGrid;
    PortGrid = nullptr;
}

// ---- building ----------------------------------------------------------------------------

QCheckBox* TAclRuleDialogBase::FieldBox(const char* name, const QString& text)
{
    auto* box = new QCheckBox(text, this);
    box->setObjectName(QLatin1String(name));
    return box;
}

QPushButton* TAclRuleDialogBase::Button(const char* name, const QString& text)
{
    return FormControls::Button(this, name, text.toLatin1().constData());
}

void TAclRuleDialogBase::AddField(QGridLayout* grid, int& slot, QWidget* box, QWidget* control)
{
    // Two fields a row: box, control, box, control.
    const int row = slot / 2;
    const int column = (slot % 2) * 2;
    grid->addWidget(box, row, column);
    grid->addWidget(control, row, column + 1);
    ++slot;
}

QLineEdit* TAclRuleDialogBase::NamedEdit(const char* name)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QLatin1String(name));
    return edit;
}

QComboBox* TAclRuleDialogBase::NamedCombo(const char* name)
{
    auto* combo = new QComboBox(this);
    combo->setObjectName(QLatin1String(name));
    return combo;
}

QGridLayout* TAclRuleDialogBase::BuildRuleFrame(QTreeWidget*& listView, QLineEdit* firstKey, const QString& firstLabel,
                                                QLineEdit* secondKey, const QString& secondLabel, QWidget*& portHost,
                                                const std::vector<QPushButton*>& buttons)
{
    auto [outer, top, left, list] = FormControls::ListFrame(this, "ListView1");
    listView = list;

    auto* keys = new QHBoxLayout;
    keys->addWidget(new QLabel(firstLabel, this));
    keys->addWidget(firstKey);
    keys->addWidget(new QLabel(secondLabel, this));
    keys->addWidget(secondKey);
    left->addLayout(keys);

    auto* grid = new QGridLayout;
    left->addLayout(grid);

    portHost = new QWidget(this);
    portHost->setObjectName(QStringLiteral("StackingPortPanel"));
    portHost->setMinimumHeight(90);
    auto* portLayout = new QVBoxLayout(portHost);
    portLayout->setContentsMargins(0, 0, 0, 0);
    left->addWidget(portHost);

    auto* column = new QVBoxLayout;
    for (QPushButton* b : buttons)
        column->addWidget(b);
    StaticText1 = FormControls::CountBox(this, "StaticText1");
    column->addWidget(StaticText1);
    column->addStretch();
    top->addLayout(column);

    AddStatusBar(outer);
    return grid;
}
