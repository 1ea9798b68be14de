#include "dialogs/security/IPRuleForm.h"
#include "dialogs/tables/SecurityTables.h"

#include "dialogs/InputChecks.h"
#include "dialogs/security/AclOptions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include <algorithm>
#include <iterator>

namespace {

using namespace SecurityTables::IpRule;

enum : int {
    kRuleId, kAccessId, kVlan, kSourceIp, kDestIp, kDscp, kProtocol, kIcmp, kIgmp, kSourcePort, kDestPort,
    kFlagBits, kProtocolId, kUserMask, kEnablePriority, kPriority, kReplacePriority, kEnableReplaceDscp,
    kReplaceDscp, kPermit, kPort, kRowStatus, kRxRate, kSourceMac
};

// By the protocol combo's position: the protocol fields a rule of that protocol leaves out.
struct ProtocolFields {
    int first, last;       // a range of indexes left out
    std::vector<int> kept;  // within it, those the protocol keeps
};
const ProtocolFields kProtocolRule[] = {
    {kProtocol, kUserMask, {}},                                 // none
    {kIgmp, kUserMask, {}},                                     // icmp: ICMP kept
    {kIcmp, kUserMask, {kIgmp}},                                // igmp
    {kIcmp, kUserMask, {kSourcePort, kDestPort, kFlagBits}},    // tcp
    {kIcmp, kUserMask, {kSourcePort, kDestPort}},               // udp
    {kIcmp, kFlagBits, {}},                                     // protocolId: ID and user mask kept
};
static_assert(std::size(kProtocolRule) == 6, "one entry per protocol type");

constexpr int kDisabledPosition = 1, kPermitPosition = 1, kNonePosition = 0;

} // namespace

const KtDialogType TIPRuleForm::Type = KtDialogType::Of<TIPRuleForm>("IP Rule: ");

TIPRuleForm::TIPRuleForm(QWidget* owner, bool enlarge) : TAclRuleDialogBase(owner, enlarge)
{
    setObjectName(QStringLiteral("IPRuleForm"));
    BuildControls();
    SetFormSize(820, 700);
    FormCreate();
}


void TIPRuleForm::BuildControls()
{
    GetButton = Button("GetButton", QStringLiteral("Refresh"));
    EditButton = Button("EditButton", QStringLiteral("Edit"));
    AddButton = Button("AddButton", QStringLiteral("Add"));
    DeleteButton = Button("DeleteButton", QStringLiteral("Delete"));
    CheckButton = Button("CheckButton", QStringLiteral("Check All"));
    UncheckButton = Button("UncheckButton", QStringLiteral("Clear Checks"));
    IPRuleEdit = NamedEdit("IPRuleEdit");
    AccessIDEdit = NamedEdit("AccessIDEdit");
    QGridLayout* grid = BuildRuleFrame(ListView1, IPRuleEdit, QStringLiteral("IP Rule ID"), AccessIDEdit,
                                       QStringLiteral("IP Rule Access ID"), StackingPortPanel,
                                       {GetButton, EditButton, AddButton, DeleteButton, CheckButton, UncheckButton});
    int slot = 0;
    AddField(grid, slot, cbxVlan = FieldBox("cbxVlan", QStringLiteral("Rule VLAN")), VLANEdit = NamedEdit("VLANEdit"));
    AddField(grid, slot, cbxSourceIP = FieldBox("cbxSourceIP", QStringLiteral("Source IP Address")),
             SourceIPEdit = NamedEdit("SourceIPEdit"));
    AddField(grid, slot, cbxDestIP = FieldBox("cbxDestIP", QStringLiteral("Destination IP address")),
             DestIPEdit = NamedEdit("DestIPEdit"));
    AddField(grid, slot, cbxDscp = FieldBox("cbxDscp", QStringLiteral("DSCP")), DSCPEdit = NamedEdit("DSCPEdit"));
    AddField(grid, slot, cbxProtocol = FieldBox("cbxProtocol", QStringLiteral("Rule Protocol")),
             ProtocolComboBox = NamedCombo("ProtocolComboBox"));
    AddField(grid, slot, cbxRuleIcmp = FieldBox("cbxRuleIcmp", QStringLiteral("Rule ICMP")),
             RuleIcmpComboBox = NamedCombo("RuleIcmpComboBox"));
    AddField(grid, slot, cbxRuleIgmp = FieldBox("cbxRuleIgmp", QStringLiteral("Rule IGMP")),
             RuleIgmpComboBox = NamedCombo("RuleIgmpComboBox"));
    AddField(grid, slot, cbxSourcePort = FieldBox("cbxSourcePort", QStringLiteral("Source Port")),
             SourcePortEdit = NamedEdit("SourcePortEdit"));
    AddField(grid, slot, cbxDestPort = FieldBox("cbxDestPort", QStringLiteral("Destination Port")),
             DestPortEdit = NamedEdit("DestPortEdit"));
    AddField(grid, slot, cbxFBs = FieldBox("cbxFBs", QStringLiteral("Flag Bits")), FlagEdit = NamedEdit("FlagEdit"));
    AddField(grid, slot, cbxProtocolID = FieldBox("cbxProtocolID", QStringLiteral("Protocol ID")),
             ProtocolIDEdit = NamedEdit("ProtocolIDEdit"));
    AddField(grid, slot, cbxUserMask = FieldBox("cbxUserMask", QStringLiteral("User Mask")),
             UserMaskEdit = NamedEdit("UserMaskEdit"));
    AddField(grid, slot, cbxEnablePriority = FieldBox("cbxEnablePriority", QStringLiteral("Enable Priority")),
             PriorityComboBox = NamedCombo("PriorityComboBox"));
    AddField(grid, slot, cbxPriority = FieldBox("cbxPriority", QStringLiteral("Priority")),
             PriorityEdit = NamedEdit("PriorityEdit"));
    AddField(grid, slot, cbxReplacePriority = FieldBox("cbxReplacePriority", QStringLiteral("Replace Priority")),
             ReplaceComboBox = NamedCombo("ReplaceComboBox"));
    AddField(grid, slot, cbxEnableReplaceDscp = FieldBox("cbxEnableReplaceDscp", QStringLiteral("Enable Replace DSCP")),
             EnableReplComboBox = NamedCombo("EnableReplComboBox"));
    AddField(grid, slot, cbxValue = FieldBox("cbxValue", QStringLiteral("Replace DSCP")),
             DSCPValueEdit = NamedEdit("DSCPValueEdit"));
    AddField(grid, slot, cbxPermit = FieldBox("cbxPermit", QStringLiteral("Permit")),
             PermitComboBox = NamedCombo("PermitComboBox"));
    AddField(grid, slot, cbxRxRate = FieldBox("cbxRxRate", QStringLiteral("RX Rate")), RxRateEdit = NamedEdit("RxRateEdit"));
    AddField(grid, slot, cbxRow = FieldBox("cbxRow", QStringLiteral("Row Status")), RowComboBox = NamedCombo("RowComboBox"));
    SrcMacAddressEdit = NamedEdit("SrcMacAddressEdit");
    SrcMacAddressEdit->setEnabled(false);
    AddField(grid, slot, new QLabel(QStringLiteral("Source MAC Address"), this), SrcMacAddressEdit);

    connect(GetButton, &QPushButton::clicked, this, [this] { GetButtonClick(); });
    connect(EditButton, &QPushButton::clicked, this, [this] { EditButtonClick(); });
    connect(AddButton, &QPushButton::clicked, this, [this] { AddButtonClick(); });
    connect(DeleteButton, &QPushButton::clicked, this, [this] { DeleteButtonClick(); });
    connect(CheckButton, &QPushButton::clicked, this, [this] { CheckButtonClick(); });
    connect(UncheckButton, &QPushButton::clicked, this, [this] { UncheckButtonClick(); });
}

void TIPRuleForm::FormCreate()
{
    PreparePortGrid(StackingPortPanel, 16);
    KtSNMPRequest2Edits& table = AddTableRequest(kIpRule, 2, QStringLiteral("IP Rule"), ListView1);
    table.BindFormatted(kRuleId, QStringLiteral("%i{n1x200}"), {IPRuleEdit});
    table.BindFormatted(kAccessId, QStringLiteral("%i{n1x200}"), {AccessIDEdit});
    table.BindFormatted(kVlan, QStringLiteral("%s{l32}"), {VLANEdit});
    table.BindFormatted(kSourceIp, QStringLiteral("%s{l16}"), {SourceIPEdit});
    table.BindFormatted(kDestIp, QStringLiteral("%s{l16}"), {DestIPEdit});
    table.BindFormatted(kDscp, QStringLiteral("%i{n0x63l2}"), {DSCPEdit});
    table.Bind(kProtocol, ProtocolComboBox);
    table.Bind(kIcmp, RuleIcmpComboBox);
    table.Bind(kIgmp, RuleIgmpComboBox);
    table.BindFormatted(kSourcePort, QStringLiteral("%i{n0x65535l5}"), {SourcePortEdit});
    table.BindFormatted(kDestPort, QStringLiteral("%i{n0x65535l5}"), {DestPortEdit});
    table.BindFormatted(kFlagBits, QStringLiteral("%i{n0x63l2}"), {FlagEdit});
    table.BindFormatted(kProtocolId, QStringLiteral("%i{n0x255l3}"), {ProtocolIDEdit});
    table.BindFormatted(kUserMask, QStringLiteral("%s"), {UserMaskEdit});
    table.Bind(kEnablePriority, PriorityComboBox);
    table.BindFormatted(kPriority, QStringLiteral("%i{n0x7l1}"), {PriorityEdit});
    table.Bind(kReplacePriority, ReplaceComboBox);
    table.Bind(kEnableReplaceDscp, EnableReplComboBox);
    table.BindFormatted(kReplaceDscp, QStringLiteral("%i{n0x63l2}"), {DSCPValueEdit});
    table.Bind(kPermit, PermitComboBox);
    table.Bind(kRowStatus, RowComboBox);
    table.BindFormatted(kRxRate, QStringLiteral("%i{n0x156249}"), {RxRateEdit});
    table.BindFormatted(kSourceMac, QStringLiteral("%s"), {SrcMacAddressEdit});

    RuleSetup setup;
    setup.fields = {
        {cbxVlan, kVlan, VLANEdit},
        {cbxSourceIP, kSourceIp, SourceIPEdit},
        {cbxDestIP, kDestIp, DestIPEdit},
        {cbxDscp, kDscp, DSCPEdit},
        {cbxProtocol, kProtocol, ProtocolComboBox},
        {cbxRuleIcmp, kIcmp, RuleIcmpComboBox},
        {cbxRuleIgmp, kIgmp, RuleIgmpComboBox},
        {cbxSourcePort, kSourcePort, SourcePortEdit},
        {cbxDestPort, kDestPort, DestPortEdit},
        {cbxFBs, kFlagBits, FlagEdit},
        {cbxProtocolID, kProtocolId, ProtocolIDEdit},
        {cbxUserMask, kUserMask, UserMaskEdit},
        {cbxEnablePriority, kEnablePriority, PriorityComboBox},
        {cbxPriority, kPriority, PriorityEdit},
        {cbxReplacePriority, kReplacePriority, ReplaceComboBox},
        {cbxEnableReplaceDscp, kEnableReplaceDscp, EnableReplComboBox},
        {cbxValue, kReplaceDscp, DSCPValueEdit},
        {cbxPermit, kPermit, PermitComboBox},
        {cbxRxRate, kRxRate, RxRateEdit},
        {cbxRow, kRowStatus, RowComboBox},
    };
    setup.keyEdits = {IPRuleEdit, AccessIDEdit};
    setup.clearEdits = {VLANEdit,       SourceIPEdit, DestIPEdit,   DSCPEdit,      SourcePortEdit, DestPortEdit,
                        FlagEdit,       ProtocolIDEdit, UserMaskEdit, PriorityEdit, DSCPValueEdit, RxRateEdit,
                        SrcMacAddressEdit};
    setup.portColumn = kPort;
    setup.statusColumn = kRowStatus;
    setup.rowCombo = RowComboBox;
    setup.rowBox = cbxRow;
    setup.permitBox = cbxPermit;
    setup.permitControl = PermitComboBox;
    setup.enablePriorityColumn = kEnablePriority;
    setup.enablePriorityCombo = PriorityComboBox;
    setup.enablePriorityBox = cbxEnablePriority;
    setup.priorityColumn = kPriority;
    setup.priorityBox = cbxPriority;
    setup.priorityControl = PriorityEdit;
    setup.replaceColumn = kReplacePriority;
    setup.replaceBox = cbxReplacePriority;
    setup.replaceControl = ReplaceComboBox;
    // Check All, Clear Checks and ClearInputs leave a disabled Priority or Replace box as it is.
    setup.onlyWhileEnabled = {cbxPriority, cbxReplacePriority};
    setup.duplicateMessage = kDuplicate;
    SetRuleSetup(std::move(setup));
    BindRuleTable();

    ClearInputs();
    ProtocolComboBox->setCurrentIndex(kNonePosition);
    for (QComboBox* combo : {RuleIcmpComboBox, RuleIgmpComboBox, PriorityComboBox, ReplaceComboBox, EnableReplComboBox})
        combo->setCurrentIndex(kDisabledPosition);
    PermitComboBox->setCurrentIndex(kPermitPosition);
    EnablePriorityChange();
    RowComboBox->setCurrentIndex(AclOptions::kCreateAndGoPosition);

    SetStateControls({EditButton, DeleteButton}, {IPRuleEdit, AccessIDEdit, AddButton});
    RefreshRules();
}

void TIPRuleForm::ClearInputs()
{
    TAclRuleDialogBase::ClearInputs();
    ProtocolComboBox->setEnabled(true);
    cbxProtocol->setEnabled(true);
}

void TIPRuleForm::OnSelectionChanged(bool rowSelected)
{
    TAclRuleDialogBase::OnSelectionChanged(rowSelected);
    // The protocol of an existing rule is its mask's: no Edit changes it.
    if (rowSelected) {
        cbxProtocol->setChecked(false);
        cbxProtocol->setEnabled(false);
        ProtocolComboBox->setEnabled(false);
    }
}

void TIPRuleForm::DialogRules(std::set<int>& leftOut) const
{
    const int position = ProtocolComboBox->currentIndex();
    if (!cbxProtocol->isChecked() || position < 0 || position >= int(std::size(kProtocolRule)))
        return;
    const ProtocolFields& rule = kProtocolRule[position];
    for (int i = rule.first; i <= rule.last; ++i)
        if (std::find(rule.kept.begin(), rule.kept.end(), i) == rule.kept.end())
            leftOut.insert(i);
}

bool TIPRuleForm::ValidateInputs()
{
    if (!RequireAt(!IPRuleEdit->text().isEmpty(), QStringLiteral("IP Rule ID must be set."), IPRuleEdit)
        || !RequireAt(!AccessIDEdit->text().isEmpty(), QStringLiteral("IP Rule Access ID must be set."), AccessIDEdit))
        return false;
    const bool filled = RequireTickedFilled(QStringLiteral("Some checked field is empty"), [this](const RuleField& field) {
        const QLineEdit* edit = qobject_cast<const QLineEdit*>(field.control);
        switch (field.column) {
        case kSourceIp:
        case kDestIp: return RequireAt(InputChecks::IsIpv4Text(edit->text()), kBadIp, field.control);
        case kUserMask:
            return RequireAt(InputChecks::IsHexText(edit->text(), 8), QStringLiteral("Invalid User Mask"), field.control);
        case kRxRate:
            return RequireAt(InputChecks::IsWholeNumberIn(edit->text(), 0, kRxRateMax), kRxRateRange, field.control);
        default: return true;
        }
    });
    return filled && CountCheckedPorts();
}
