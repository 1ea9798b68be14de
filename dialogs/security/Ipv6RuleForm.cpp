#include "dialogs/security/Ipv6RuleForm.h"
#include "dialogs/tables/SecurityTables.h"

#include "dialogs/InputChecks.h"
#include "dialogs/security/AclOptions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include <iterator>

namespace {

using namespace SecurityTables::Ipv6Rule;

enum : int {
    kRuleId, kAccessId, kClass, kFlowLabel, kSourceAddress, kDestAddress, kEnablePriority, kPriority,
    kReplacePriority, kPermit, kPort, kRowStatus, kRxRate
};

constexpr int kDisabledPosition = 1, kPermitPosition = 1;
// Only unit 1 is shown and bound; the others only make the grid the stack's size.
constexpr int kUnits = 11;

} // namespace

const KtDialogType TIpv6RuleForm::Type = KtDialogType::Of<TIpv6RuleForm>("IPV6 Rule: ");

TIpv6RuleForm::TIpv6RuleForm(QWidget* owner, bool enlarge) : TAclRuleDialogBase(owner, enlarge)
{
    setObjectName(QStringLiteral("Ipv6RuleForm"));
    BuildControls();
    SetFormSize(780, 600);
    FormCreate();
}


void TIpv6RuleForm::BuildControls()
{
    GetButton = Button("GetButton", QStringLiteral("Refresh"));
    EditButton = Button("EditButton", QStringLiteral("Edit"));
    AddButton = Button("AddButton", QStringLiteral("Add"));
    DeleteButton = Button("DeleteButton", QStringLiteral("Delete"));
    CheckButton = Button("CheckButton", QStringLiteral("Check All"));
    UncheckButton = Button("UncheckButton", QStringLiteral("Clear Checks"));
    edtRuleID = NamedEdit("edtRuleID");
    edtRuleAccessID = NamedEdit("edtRuleAccessID");
    QGridLayout* grid = BuildRuleFrame(ListView1, edtRuleID, QStringLiteral("IPv6 Rule ID"), edtRuleAccessID,
                                       QStringLiteral("IPv6 Rule Access ID"), StackingPortPanel,
                                       {GetButton, EditButton, AddButton, DeleteButton, CheckButton, UncheckButton});
    int slot = 0;
    AddField(grid, slot, cbxRuleClass = FieldBox("cbxRuleClass", QStringLiteral("IPv6 Rule Class (0-255)")),
             edtRuleClass = NamedEdit("edtRuleClass"));
    AddField(grid, slot, cbxRuleFlowlabel = FieldBox("cbxRuleFlowlabel", QStringLiteral("IPv6 Rule Flowlabel")),
             edtRuleFlowlabel = NamedEdit("edtRuleFlowlabel"));
    AddField(grid, slot, cbxRuleSrcIpv6addr = FieldBox("cbxRuleSrcIpv6addr", QStringLiteral("Rule Source IPv6 Address")),
             edtRuleSrcIpv6addr = NamedEdit("edtRuleSrcIpv6addr"));
    AddField(grid, slot,
             cbxRuleDstIpv6addr = FieldBox("cbxRuleDstIpv6addr", QStringLiteral("Rule Destination IPv6 Address")),
             edtRuleDstIpv6addr = NamedEdit("edtRuleDstIpv6addr"));
    AddField(grid, slot, cbxEnablePriority = FieldBox("cbxEnablePriority", QStringLiteral("Enable Priority")),
             PriorityComboBox = NamedCombo("PriorityComboBox"));
    AddField(grid, slot, cbxPriority = FieldBox("cbxPriority", QStringLiteral("Priority")),
             PriorityEdit = NamedEdit("PriorityEdit"));
    AddField(grid, slot, cbxReplacePriority = FieldBox("cbxReplacePriority", QStringLiteral("Replace Priority")),
             ReplaceComboBox = NamedCombo("ReplaceComboBox"));
    AddField(grid, slot, cbxPermit = FieldBox("cbxPermit", QStringLiteral("Permit")),
             PermitComboBox = NamedCombo("PermitComboBox"));
    AddField(grid, slot, cbxRxRate = FieldBox("cbxRxRate", QStringLiteral("Rx Rate")), RxRateEdit = NamedEdit("RxRateEdit"));
    AddField(grid, slot, cbxRow = FieldBox("cbxRow", QStringLiteral("Row Status")), RowComboBox = NamedCombo("RowComboBox"));

    connect(GetButton, &QPushButton::clicked, this, [this] { GetButtonClick(); });
    connect(EditButton, &QPushButton::clicked, this, [this] { EditButtonClick(); });
    connect(AddButton, &QPushButton::clicked, this, [this] { AddButtonClick(); });
    connect(DeleteButton, &QPushButton::clicked, this, [this] { DeleteButtonClick(); });
    connect(CheckButton, &QPushButton::clicked, this, [this] { CheckButtonClick(); });
    connect(UncheckButton, &QPushButton::clicked, this, [this] { UncheckButtonClick(); });
}

void TIpv6RuleForm::FormCreate()
{
    PreparePortGrid(StackingPortPanel, 12, kUnits);
    KtSNMPRequest2Edits& table = AddTableRequest(kIpv6Rule, 2, QStringLiteral("IPv6 Rule"), ListView1);
    table.BindFormatted(kRuleId, QStringLiteral("%i{n1x200}"), {edtRuleID});
    table.BindFormatted(kAccessId, QStringLiteral("%i{n1x200}"), {edtRuleAccessID});
    table.BindFormatted(kClass, QStringLiteral("%i{n0x255}"), {edtRuleClass});
    table.BindFormatted(kFlowLabel, QStringLiteral("%s"), {edtRuleFlowlabel});
    table.BindFormatted(kSourceAddress, QStringLiteral("%s{l32}"), {edtRuleSrcIpv6addr});
    table.BindFormatted(kDestAddress, QStringLiteral("%s{l32}"), {edtRuleDstIpv6addr});
    table.Bind(kEnablePriority, PriorityComboBox);
    table.BindFormatted(kPriority, QStringLiteral("%i{n0x7}"), {PriorityEdit});
    table.Bind(kReplacePriority, ReplaceComboBox);
    table.Bind(kPermit, PermitComboBox);
    table.Bind(kRowStatus, RowComboBox);
    table.BindFormatted(kRxRate, QStringLiteral("%i{n0x156249}"), {RxRateEdit});

    RuleSetup setup;
    setup.fields = {
        {cbxRuleClass, kClass, edtRuleClass},
        {cbxRuleFlowlabel, kFlowLabel, edtRuleFlowlabel},
        {cbxRuleSrcIpv6addr, kSourceAddress, edtRuleSrcIpv6addr},
        {cbxRuleDstIpv6addr, kDestAddress, edtRuleDstIpv6addr},
        {cbxEnablePriority, kEnablePriority, PriorityComboBox},
        {cbxPriority, kPriority, PriorityEdit},
        {cbxReplacePriority, kReplacePriority, ReplaceComboBox},
        {cbxPermit, kPermit, PermitComboBox},
        {cbxRxRate, kRxRate, RxRateEdit},
        {cbxRow, kRowStatus, RowComboBox},
    };
    setup.keyEdits = {edtRuleID, edtRuleAccessID};
    setup.clearEdits = {edtRuleClass, edtRuleFlowlabel, edtRuleSrcIpv6addr, edtRuleDstIpv6addr, PriorityEdit, RxRateEdit};
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
    setup.onlyWhileEnabled = {cbxPriority, cbxReplacePriority};
    // The RX rate is ticked only by hand.
    setup.untouchedByCheckAll = {cbxRxRate};
    setup.editHandsOver = true;
    setup.duplicateMessage = kDuplicate;
    SetRuleSetup(std::move(setup));
    BindRuleTable();

    PriorityComboBox->setCurrentIndex(kDisabledPosition);
    ReplaceComboBox->setCurrentIndex(kDisabledPosition);
    PermitComboBox->setCurrentIndex(kPermitPosition);
    RowComboBox->setCurrentIndex(AclOptions::kCreateAndGoPosition);
    ClearInputs();

    SetStateControls({EditButton, DeleteButton}, {edtRuleID, edtRuleAccessID, AddButton});
    RefreshRules();
    EnablePriorityChange();
}

bool TIpv6RuleForm::ValidateInputs()
{
    if (!RequireAt(!edtRuleID->text().isEmpty(), QStringLiteral("Rule ID must be set."), edtRuleID)
        || !RequireAt(!edtRuleAccessID->text().isEmpty(), QStringLiteral("Rule Access ID must be set."),
                      edtRuleAccessID))
        return false;
    const bool source = cbxRuleSrcIpv6addr->isChecked();
    const bool destination = cbxRuleDstIpv6addr->isChecked();
    // A rule matches either class and flow label or one address.
    if (!Require(!(source && destination), kBothAddresses)
        || !Require(!((cbxRuleClass->isChecked() || cbxRuleFlowlabel->isChecked()) && (source || destination)), kMutex))
        return false;
    const bool filled = RequireTickedFilled(QStringLiteral("Some checked field is empty"), [this](const RuleField& field) {
        const QLineEdit* edit = qobject_cast<const QLineEdit*>(field.control);
        switch (field.column) {
        case kFlowLabel:
            return RequireAt(InputChecks::IsHexText(edit->text(), 8), QStringLiteral("Invalid data!"), field.control);
        case kSourceAddress:
        case kDestAddress: return RequireAt(InputChecks::IsHexText(edit->text(), 32), kBadAddress, field.control);
        case kRxRate:
            return RequireAt(InputChecks::IsWholeNumberIn(edit->text(), 0, kRxRateMax), kRxRateRange, field.control);
        default: return true;
        }
    });
    return filled && CountCheckedPorts();
}
