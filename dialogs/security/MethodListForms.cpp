#include "dialogs/security/MethodListForms.h"
#include "dialogs/tables/SecurityTables.h"

#include "KtNML/KtBoundRow.h"

#include "KtNML/KtOptionList.h"
#include "KtNML/KtSNMPSession.h"
#include "dialogs/FormControls.h"
#include "dialogs/security/AclOptions.h"

#include "views/WindowTitle.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <iterator>

namespace {

using namespace MethodListRules;

using namespace SecurityTables::MethodList;

const QString kNameFormat = QStringLiteral("%s{l15}");

// The key and the variables about to be sent: what the edit constraints check.
std::vector<int> KeyAndSent(const KtSNMPVarList& list, const std::set<int>& leftOut)
{
    std::vector<int> columns{TMethodListForm::kName};
    for (int i : TAclDialogBase::WritableExcept(list, leftOut))
        columns.push_back(i);
    return columns;
}

} // namespace

const MethodListKind TLoginMethodListForm::kKind = {
    .table = kLoginTable,
    .listName = "aacLoginMethodListTable",
    .types = &kLoginTypes,
    .nameEdit = "ListnameEdit",
    .typeCombos = {"ComboBoxType1", "ComboBoxType2", "ComboBoxType3", "ComboBoxType4"},
    .groupEdits = {"Server1Edit", "Server2Edit", "Server3Edit", "Server4Edit"},
    .formLabels = {"AAC Login Method List Name", "Method1 Type", "Method1 Server Group", "Method2 Type",
                   "Method2 Server Group", "Method3 Type", "Method3 Server Group", "Method4 Type",
                   "Method4 Server Group", "Row Status"},
    .nameMissing = "AAC Login Method List Name must be set.",
    .duplicateName = "Has already a record with the same Login Method List Name. Please Change Login Method List Name.",
    .captionPrefix = "Login Method List: ",
    .captionAtCreation = true,
    .typeHandlersAfterDelete = false,
    .typeHandlersAfterFailedCreation = false,
};

const MethodListKind TEnableMethodForm::kKind = {
    .table = kEnableTable,
    .listName = "aacEnableMethodListTable",
    .types = &kEnableTypes,
    .nameEdit = "NameEdit",
    .typeCombos = {"Type1ComboBox", "Type2ComboBox", "Type3ComboBox", "Type4ComboBox"},
    .groupEdits = {"ServerGroupEdit1", "ServerGroupEdit2", "ServerGroupEdit3", "ServerGroupEdit4"},
    .formLabels = {"Enable MethodList Name", "Enable Method1 Type", "Enable Method1 Server Group",
                   "Enable Method2 Type", "Enable Method2 Server Group", "Enable Method3 Type",
                   "Enable Method3 Server Group", "Enable Method4 Type", "Enable Method4 Server Group", "Row Status"},
    .nameMissing = "Enable MethodList Name must be set.",
    .duplicateName = "Has already a record with the same Enable MethodList Name. Please Change Enable MethodList Name.",
    .captionPrefix = "Enable Method: ",
    .captionAtCreation = false,
    .typeHandlersAfterDelete = true,
    .typeHandlersAfterFailedCreation = true,
};

const KtDialogType TLoginMethodListForm::Type = KtDialogType::Of<TLoginMethodListForm>("Login Method List: ");

TLoginMethodListForm::TLoginMethodListForm(QWidget* owner, bool enlarge) : TMethodListForm(owner, enlarge, kKind)
{
    setObjectName(QStringLiteral("LoginMethodListForm"));
}

const KtDialogType TEnableMethodForm::Type = KtDialogType::Of<TEnableMethodForm>("Enable Method: ");

TEnableMethodForm::TEnableMethodForm(QWidget* owner, bool enlarge) : TMethodListForm(owner, enlarge, kKind)
{
    setObjectName(QStringLiteral("EnableMethodForm"));
}

TMethodListForm::TMethodListForm(QWidget* owner, bool enlarge, const MethodListKind& kind)
    : TAclDialogBase(owner, enlarge), m_kind(kind)
{
    BuildControls();
    SetFormSize(720, 520);
    FormCreate();
}


void TMethodListForm::BuildControls()
{
    using namespace FormControls;
    auto [outer, top, left, list] = FormControls::ListFrame(this, "ListView1");
    ListView1 = list;

    // The name, then each method's type beside its server group, then the row status.
    auto* form = new QGridLayout;
    left->addLayout(form);
    auto label = [&](int variable) { return new QLabel(QString::fromLatin1(m_kind.formLabels[std::size_t(variable)]), this); };
    NameEdit = new QLineEdit(this);
    NameEdit->setObjectName(QLatin1String(m_kind.nameEdit));
    form->addWidget(label(kName), 0, 0);
    form->addWidget(NameEdit, 0, 1);
    for (int n = 1; n <= kMethodCount; ++n) {
        auto* combo = new QComboBox(this);
        combo->setObjectName(QLatin1String(m_kind.typeCombos[std::size_t(n - 1)]));
        auto* group = new QLineEdit(this);
        group->setObjectName(QLatin1String(m_kind.groupEdits[std::size_t(n - 1)]));
        form->addWidget(label(TypeIndex(n)), n, 0);
        form->addWidget(combo, n, 1);
        form->addWidget(label(GroupIndex(n)), n, 2);
        form->addWidget(group, n, 3);
        TypeCombos[std::size_t(n - 1)] = combo;
        GroupEdits[std::size_t(n - 1)] = group;
    }
    RowComboBox = new QComboBox(this);
    RowComboBox->setObjectName(QStringLiteral("RowComboBox"));
    form->addWidget(label(kRowStatus), kMethodCount + 1, 0);
    form->addWidget(RowComboBox, kMethodCount + 1, 1);

    auto* buttons = new QVBoxLayout;
    top->addLayout(buttons);
    GetButton = Button(this, "GetButton", "Refresh");
    EditButton = Button(this, "EditButton", "Edit");
    AddButton = Button(this, "AddButton", "Add");
    DeleteButton = Button(this, "DeleteButton", "Delete");
    for (QPushButton* b : {GetButton, EditButton, AddButton, DeleteButton})
        buttons->addWidget(b);
    buttons->addStretch();
    StaticText1 = CountBox(this, "StaticText1");
    buttons->addWidget(StaticText1);
    AddStatusBar(outer);

    connect(GetButton, &QPushButton::clicked, this, [this] { GetButtonClick(); });
    connect(EditButton, &QPushButton::clicked, this, [this] { EditButtonClick(); });
    connect(AddButton, &QPushButton::clicked, this, [this] { AddButtonClick(); });
    connect(DeleteButton, &QPushButton::clicked, this, [this] { DeleteButtonClick(); });
    // The operator's choice only: a row loaded into the combos runs the handlers once, after it.
    for (int n = 1; n <= kMethodCount; ++n)
        connect(TypeCombos[std::size_t(n - 1)], &QComboBox::activated, this, [this, n] { TypeChange(n); });
}

void TMethodListForm::FormCreate()
{
    if (m_kind.captionAtCreation)
        setWindowTitle(KtWindowTitle(QString::fromLatin1(m_kind.captionPrefix), KtDeviceText()));
    KtSNMPRequest2Edits& table = AddTableRequest(m_kind.table, 1, QLatin1String(m_kind.listName), ListView1);
    table.BindFormatted(kName, kNameFormat, {NameEdit});
    for (int n = 1; n <= kMethodCount; ++n) {
        table.Bind(TypeIndex(n), TypeCombos[std::size_t(n - 1)]);
        table.BindFormatted(GroupIndex(n), kNameFormat, {GroupEdits[std::size_t(n - 1)]});
    }
    table.Bind(kRowStatus, RowComboBox);
    WatchRowCount(ListView1, StaticText1);

    ClearInputs();
    RowComboBox->setCurrentIndex(AclOptions::kCreateAndGoPosition);
    SetStateControls({EditButton, DeleteButton}, {NameEdit, AddButton});
    ShowState(false);
    if (ReadTable() || m_kind.typeHandlersAfterFailedCreation)
        RunTypeHandlers();
}

bool TMethodListForm::ReadTable()
{
    bool read = false;
    RunOperation(*TableRequest(), [&] {
        try {
            TableRequest()->Get();
        } catch (...) {
            ShowState(false);
            ClearInputs();
            throw;
        }
        read = true;
        ShowState(false);
        ClearInputs();
    });
    return read;
}

void TMethodListForm::ClearInputs()
{
    NameEdit->clear();
    for (QLineEdit* group : GroupEdits)
        group->clear();
    ShowRowCounts();
}

void TMethodListForm::TypeChange(int method)
{
    const std::size_t k = std::size_t(method - 1);
    GroupEdits[k]->setEnabled(TypeCombos[k]->currentIndex() == kServerGroupPosition);
    GroupEdits[k]->clear();
}

void TMethodListForm::RunTypeHandlers()
{
    for (int n = 1; n <= kMethodCount; ++n)
        TypeChange(n);
}

QString TMethodListForm::SelectedName() const
{
    QTreeWidgetItem* const selected = KtBoundRow::Of(ListView1);
    return !selected ? QString() : selected->text(0);
}

bool TMethodListForm::IsListedName(const QString& name) const
{
    for (int r = 0; r < ListView1->topLevelItemCount(); ++r)
        if (ListView1->topLevelItem(r)->text(0) == name)
            return true;
    return false;
}

void TMethodListForm::OnSelectionChanged(bool rowSelected)
{
    TAclDialogBase::OnSelectionChanged(rowSelected);
    if (rowSelected && SelectedName() == kDefaultName)
        DeleteButton->setEnabled(false);
    RunTypeHandlers();
}

QString TMethodListForm::GroupMissing(int method) const
{
    return QString::fromLatin1(m_kind.formLabels[std::size_t(GroupIndex(method))]) + QStringLiteral(" must be set.");
}

MethodListRules::Positions TMethodListForm::MethodPositions() const
{
    Positions positions{};
    for (std::size_t k = 0; k < positions.size(); ++k)
        positions[k] = MethodPosition(TypeCombos[k]->currentIndex(), TypeCombos[k]->currentText());
    return positions;
}

bool TMethodListForm::CheckMethods(std::set<int>& leftOut, bool writeDropped)
{
    Positions positions = MethodPositions();
    std::array<QString, kMethodCount> groups;
    for (std::size_t k = 0; k < groups.size(); ++k)
        groups[k] = GroupEdits[k]->text();
    if (const int n = FirstEmptyGroup(positions, groups))
        return RequireAt(false, GroupMissing(n), GroupEdits[std::size_t(n - 1)]);
    std::vector<int> dropped;  // methods the answer No takes out of the list
    if (!CheckMethodOrder(positions)) {
        // Yes: the operator changes the list first; No: it goes without the ineffective methods,
        // and the dialog shows it so.
        if (AskYesNo(kOrderQuestion))
            return false;
        const Positions kept = TruncateMethods(positions);
        for (int n = 1; n <= kMethodCount; ++n) {
            const std::size_t k = std::size_t(n - 1);
            if (positions[k] == kUnset || kept[k] != kUnset)
                continue;
            TypeCombos[k]->setCurrentIndex(kOtherPosition);
            GroupEdits[k]->clear();
            dropped.push_back(n);
        }
        positions = kept;
    }
    leftOut = LeftOutByMethods(positions);
    // A list the switch holds already keeps what is not written: the dropped methods go out as
    // "other" without a group, so that the switch's list ends as the dialog shows it.
    if (writeDropped) {
        for (int n : dropped) {
            leftOut.erase(TypeIndex(n));
            leftOut.erase(GroupIndex(n));
        }
    }
    return CheckEdits(*TableRequest(), KeyAndSent(TableRequest()->VarList(), leftOut));
}

void TMethodListForm::GetButtonClick()
{
    Reload();
    RunTypeHandlers();
}

void TMethodListForm::AddButtonClick()
{
    std::set<int> leftOut;
    RunCommand([&] { SendAllBut(*TableRequest(), leftOut); },
               [&] {
                   return RequireAt(!NameEdit->text().isEmpty(), QString::fromLatin1(m_kind.nameMissing), NameEdit)
                       && RequireAt(!IsListedName(NameEdit->text()), QString::fromLatin1(m_kind.duplicateName),
                                    NameEdit)
                       && RequireCreateAndGo(RowComboBox, kMustCreateAndGo) && CheckMethods(leftOut, false);
               });
}

void TMethodListForm::EditButtonClick()
{
    // Only a selected row has its name in the name edit.
    if (!RowSelected())
        return;
    const bool destroy = RowComboBox->currentIndex() == AclOptions::kDestroyPosition;
    std::set<int> leftOut;
    const bool sent = RunCommand(
        [&] {
            if (destroy)
                SendRow(*TableRequest(), {TypeIndex(1), kRowStatus});
            else
                SendAllBut(*TableRequest(), leftOut);
        },
        [&] {
            if (!Require(!NameEdit->text().isEmpty(), QString::fromLatin1(m_kind.nameMissing)))
                return false;
            if (destroy)
                return Require(SelectedName() != kDefaultName, kDefaultStays);
            if (!CheckMethods(leftOut, true))
                return false;
            // An Edit changes the methods of a list; its status goes only to destroy it.
            leftOut.insert(kRowStatus);
            return true;
        });
    if (sent)
        RunTypeHandlers();
}

void TMethodListForm::DeleteButtonClick()
{
    // Delete is disabled with no row or the row "default" selected.
    if (!RowSelected() || SelectedName() == kDefaultName)
        return;
    RunCommand([&] {
        RowComboBox->setCurrentIndex(AclOptions::kDestroyPosition);
        SendRow(*TableRequest(), {TypeIndex(1), kRowStatus});
    });
    if (m_kind.typeHandlersAfterDelete)
        RunTypeHandlers();
}
