#include "dialogs/security/EthernetInformationRuleForm.h"
#include "dialogs/tables/SecurityTables.h"

#include "dialogs/InputChecks.h"
#include "dialogs/security/AclOptions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

#include <iterator>

namespace {

using namespace SecurityTables::EthernetRule;

enum : int {
    kMaskId, kAccessId, kVlan, kSourceMac, kDestMac, k8021p, kEtherType, kEnablePriority, kPriority,
    kReplacePriority, kPermit, kPort, kRowStatus, kRxRate
};

constexpr int kDisabledPosition = 1, kPermitPosition = 1;

} // namespace

const KtDialogType TEthernetInformationRuleForm::Type = KtDialogType::Of<TEthernetInformationRuleForm>("Ethernet Information Rule: ");

TEthernetInformationRuleForm::TEthernetInformationRuleForm(QWidget* owner, bool enlarge)
    : TAclRuleDialogBase(owner, enlarge)
{
    setObjectName(QStringLiteral("EthernetInformationRuleForm"));
    BuildControls();
    SetFormSize(760, 640);
    FormCreate();
}


void TEthernetInformationRuleForm::BuildControls()
{
    GetButton = Button("GetButton", QStringLiteral("Refresh"));
    EditButton = Button("EditButton", QStringLiteral("Edit"));
    AddButton = Button("AddButton", QStringLiteral("Add"));
    DeleteButton = Button("DeleteButton", QStringLiteral("Delete"));
    AddCheckButton = Button("AddCheckButton", QStringLiteral("Check All"));
    CleanCheButton = Button("CleanCheButton", QStringLiteral("Clear Checks"));
    MaskIDEdit = NamedEdit("MaskIDEdit");
    AccessEdit = NamedEdit("AccessEdit");
    QGridLayout* grid = BuildRuleFrame(ListView1, MaskIDEdit, QStringLiteral("Mask ID"), AccessEdit,
                                       QStringLiteral("Access ID"), StackingPortPanel,
                                       {GetButton, EditButton, AddButton, DeleteButton, AddCheckButton, CleanCheButton});
    int slot = 0;
    AddField(grid, slot, cbxVlan = FieldBox("cbxVlan", QStringLiteral("VLAN Rule")), VlanRuleEdit = NamedEdit("VlanRuleEdit"));
    AddField(grid, slot, cbxSource = FieldBox("cbxSource", QStringLiteral("Source MAC Address Rule")),
             SourceMACEdit = NamedEdit("SourceMACEdit"));
    AddField(grid, slot, cbxDestination = FieldBox("cbxDestination", QStringLiteral("Destination MAC Address Rule")),
             DestMACEdit = NamedEdit("DestMACEdit"));
    AddField(grid, slot, cbxIEEE802dot1P = FieldBox("cbxIEEE802dot1P", QStringLiteral("8021P Rule")),
             IEEE8021pEdit = NamedEdit("IEEE8021pEdit"));
    AddField(grid, slot, cbxEtherType = FieldBox("cbxEtherType", QStringLiteral("Ethernet Type Rule")),
             EthTypeEdit = NamedEdit("EthTypeEdit"));
    AddField(grid, slot, cbxEnablePriority = FieldBox("cbxEnablePriority", QStringLiteral("Enable Priority Rule")),
             EnablePriorityComboBox = NamedCombo("EnablePriorityComboBox"));
    AddField(grid, slot, cbxPriority = FieldBox("cbxPriority", QStringLiteral("Priority Rule")),
             PriorityEdit = NamedEdit("PriorityEdit"));
    AddField(grid, slot, cbxReplacePriority = FieldBox("cbxReplacePriority", QStringLiteral("Replace Priority Rule")),
             ReplacePriorityComboBox = NamedCombo("ReplacePriorityComboBox"));
    AddField(grid, slot, cbxPermit = FieldBox("cbxPermit", QStringLiteral("Permit")),
             PermitComboBox = NamedCombo("PermitComboBox"));
    AddField(grid, slot, cbxRxRate = FieldBox("cbxRxRate", QStringLiteral("RX Rate")), RxRateEdit = NamedEdit("RxRateEdit"));
    AddField(grid, slot, cbxRow = FieldBox("cbxRow", QStringLiteral("Row Status Rule")), RowComboBox = NamedCombo("RowComboBox"));

    connect(GetButton, &QPushButton::clicked, this, [this] { GetButtonClick(); });
    connect(EditButton, &QPushButton::clicked, this, [this] { EditButtonClick(); });
    connect(AddButton, &QPushButton::clicked, this, [this] { AddButtonClick(); });
    connect(DeleteButton, &QPushButton::clicked, this, [this] { DeleteButtonClick(); });
    connect(AddCheckButton, &QPushButton::clicked, this, [this] { AddCheckButtonClick(); });
    connect(CleanCheButton, &QPushButton::clicked, this, [this] { CleanCheButtonClick(); });
}

void TEthernetInformationRuleForm::FormCreate()
{
    PreparePortGrid(StackingPortPanel, 12);
    KtSNMPRequest2Edits& table =
        AddTableRequest(kEthernetRule, 2, QStringLiteral("Ethernet Information Rule"), ListView1);
    table.BindFormatted(kMaskId, QStringLiteral("%i{n1x200}"), {MaskIDEdit});
    table.BindFormatted(kAccessId, QStringLiteral("%i{n1x200}"), {AccessEdit});
    table.BindFormatted(kVlan, QStringLiteral("%s{l32}"), {VlanRuleEdit});
    table.BindFormatted(kSourceMac, QStringLiteral("%s{l12}"), {SourceMACEdit});
    table.BindFormatted(kDestMac, QStringLiteral("%s{l12}"), {DestMACEdit});
    table.BindFormatted(k8021p, QStringLiteral("%i{n0x7}"), {IEEE8021pEdit});
    table.BindFormatted(kEtherType, QStringLiteral("%s{l4}"), {EthTypeEdit});
    table.Bind(kEnablePriority, EnablePriorityComboBox);
    table.BindFormatted(kPriority, QStringLiteral("%i{n0x7}"), {PriorityEdit});
    table.Bind(kReplacePriority, ReplacePriorityComboBox);
    table.Bind(kPermit, PermitComboBox);
    table.Bind(kRowStatus, RowComboBox);
    table.BindFormatted(kRxRate, QStringLiteral("%i{n0x156249}"), {RxRateEdit});

    RuleSetup setup;
    setup.fields = {
        {cbxVlan, kVlan, VlanRuleEdit},
        {cbxSource, kSourceMac, SourceMACEdit},
        {cbxDestination, kDestMac, DestMACEdit},
        {cbxIEEE802dot1P, k8021p, IEEE8021pEdit},
        {cbxEtherType, kEtherType, EthTypeEdit},
        {cbxEnablePriority, kEnablePriority, EnablePriorityComboBox},
        {cbxPriority, kPriority, PriorityEdit},
        {cbxReplacePriority, kReplacePriority, ReplacePriorityComboBox},
        {cbxPermit, kPermit, PermitComboBox},
        {cbxRxRate, kRxRate, RxRateEdit},
        {cbxRow, kRowStatus, RowComboBox},
    };
    setup.keyEdits = {MaskIDEdit, AccessEdit};
    setup.clearEdits = {VlanRuleEdit, SourceMACEdit, DestMACEdit, IEEE8021pEdit, EthTypeEdit, PriorityEdit, RxRateEdit};
    setup.portColumn = kPort;
    setup.statusColumn = kRowStatus;
    setup.rowCombo = RowComboBox;
    setup.rowBox = cbxRow;
    setup.permitBox = cbxPermit;
    setup.permitControl = PermitComboBox;
    setup.enablePriorityColumn = kEnablePriority;
    setup.enablePriorityCombo = EnablePriorityComboBox;
    setup.enablePriorityBox = cbxEnablePriority;
    setup.priorityColumn = kPriority;
    setup.priorityBox = cbxPriority;
    setup.priorityControl = PriorityEdit;
    setup.replaceColumn = kReplacePriority;
    setup.replaceBox = cbxReplacePriority;
    setup.replaceControl = ReplacePriorityComboBox;
    setup.duplicateMessage = kDuplicate;
    SetRuleSetup(std::move(setup));
    BindRuleTable();

    ClearInputs();
    EnablePriorityComboBox->setCurrentIndex(kDisabledPosition);
    ReplacePriorityComboBox->setCurrentIndex(kDisabledPosition);
    PermitComboBox->setCurrentIndex(kPermitPosition);
    EnablePriorityChange();
    RowComboBox->setCurrentIndex(AclOptions::kCreateAndGoPosition);

    SetStateControls({EditButton, DeleteButton}, {MaskIDEdit, AccessEdit, AddButton});
    RefreshRules();
}

bool TEthernetInformationRuleForm::ValidateInputs()
{
    if (!RequireAt(!MaskIDEdit->text().isEmpty(), QStringLiteral("Mask ID must be set."), MaskIDEdit)
        || !RequireAt(!AccessEdit->text().isEmpty(), QStringLiteral("Access ID must be set."), AccessEdit)
        || !RequireTickedFilled(QStringLiteral("Some check field is empty")))
        return false;
    const QString badMac = QStringLiteral("Invalid MAC Address");
    if (cbxSource->isChecked() && !RequireAt(InputChecks::IsHexText(SourceMACEdit->text(), 12), badMac, SourceMACEdit))
        return false;
    if (cbxDestination->isChecked() && !RequireAt(InputChecks::IsHexText(DestMACEdit->text(), 12), badMac, DestMACEdit))
        return false;
    if (cbxEtherType->isChecked()
        && !RequireAt(InputChecks::IsHexText(EthTypeEdit->text(), 4), QStringLiteral("Invalid Ethernet Type"), EthTypeEdit))
        return false;
    if (cbxPriority->isChecked()
        && !RequireAt(InputChecks::IsWholeNumberIn(PriorityEdit->text(), 0, 7),
                      QStringLiteral("Priority value should between 0-7"), PriorityEdit))
        return false;
    if (cbxRxRate->isChecked()
        && !RequireAt(InputChecks::IsWholeNumberIn(RxRateEdit->text(), 0, kRxRateMax), kRxRateRange, RxRateEdit))
        return false;
    return CountCheckedPorts();
}
