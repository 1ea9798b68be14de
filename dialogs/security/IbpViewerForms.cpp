#include "dialogs/security/IbpViewerForms.h"

#include "dialogs/StackingPortUitForm.h"
#include "dialogs/FormControls.h"
#include "dialogs/security/AclOptions.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <iterator>

namespace {

constexpr int kBoxesPerUnit = 32, kColumns = 12;
constexpr const char* kModel = "VKR-2207";
constexpr int kModelPorts = 10;

using Field = TIbpViewerDef::Field;

const KtSNMPVarDef kEtherMask[] = {
    {"1.3.6.1.4.1.32473.12.9.2.6.1.1", "Profile ID", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.9.2.6.1.2", "Ethernet Type", KtSyn::Integer, KtAcc::ReadOnly, &AclOptions::EnabledDisabled},
    {},
};
static_assert(std::size(kEtherMask) == 2 + 1, "IP-MAC binding Ethernet mask: two variables");
constexpr Field kEtherMaskFields[] = {{0, "edtID", "%i{n1x14l2}"}, {1, "cbxEtherType", nullptr}};

const KtSNMPVarDef kIpMask[] = {
    {"1.3.6.1.4.1.32473.12.9.2.7.1.1", "Profile ID", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.9.2.7.1.2", "Source MAC Address Mask", KtSyn::MacAddress, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.9.2.7.1.3", "Source IP Address Mask", KtSyn::IpAddress, KtAcc::ReadOnly},
    {},
};
static_assert(std::size(kIpMask) == 3 + 1, "IP-MAC binding IP mask: three variables");
constexpr Field kIpMaskFields[] = {{0, "edtID", "%i{n1x14l2}"}, {1, "edtSrcMacMask", "%s"}, {2, "edtSrcIPMask", "%s"}};

const KtSNMPVarDef kEtherRule[] = {
    {"1.3.6.1.4.1.32473.12.9.3.5.1.1", "Profile ID", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.9.3.5.1.2", "Access ID", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.9.3.5.1.3", "Rule Type", KtSyn::OctetStr, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.9.3.5.1.4", "Permit", KtSyn::Integer, KtAcc::ReadOnly, &AclOptions::PermitDeny},
    {"1.3.6.1.4.1.32473.12.9.3.5.1.5", "Port", KtSyn::BitStr, KtAcc::ReadOnly},
    {},
};
static_assert(std::size(kEtherRule) == 5 + 1, "IP-MAC binding Ethernet rule: five variables");
constexpr Field kEtherRuleFields[] = {
    {0, "edtMaskID", "%i{n1x14}"}, {1, "edtAccessID", "%i{n1x128}"}, {2, "edtRuleType", "%s"}, {3, "cbxPermit", nullptr}};

const KtSNMPVarDef kIpRule[] = {
    {"1.3.6.1.4.1.32473.12.9.3.6.1.1", "Profile ID", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.9.3.6.1.2", "Access ID", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.9.3.6.1.3", "Source MAC Address", KtSyn::MacAddress, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.9.3.6.1.4", "Source IP Address", KtSyn::IpAddress, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.9.3.6.1.5", "Permit", KtSyn::Integer, KtAcc::ReadOnly, &AclOptions::PermitDeny},
    {"1.3.6.1.4.1.32473.12.9.3.6.1.6", "Port", KtSyn::BitStr, KtAcc::ReadOnly},
    {},
};
static_assert(std::size(kIpRule) == 6 + 1, "IP-MAC binding IP rule: six variables");
constexpr Field kIpRuleFields[] = {{0, "edtMaskID", "%i{n1x14}"},
                                   {1, "edtAccessID", "%i{n1x128}"},
                                   {2, "edtSrcMac", "%s"},
                                   {3, "edtSrcIP", "%s"},
                                   {4, "cbxPermit", nullptr}};

const TIbpViewerDef kEtherMaskDef{kEtherMask, 1, "ibpEtherMaskTable", "BT_Get", kEtherMaskFields};
const TIbpViewerDef kIpMaskDef{kIpMask, 1, "ibpIpMaskTable", "BT_Get", kIpMaskFields};
const TIbpViewerDef kEtherRuleDef{kEtherRule, 2, "ibpEtherRuleTable", "btnRefresh", kEtherRuleFields, 4};
const TIbpViewerDef kIpRuleDef{kIpRule, 2, "ibpIpRuleTable", "btnRefresh", kIpRuleFields, 5};

} // namespace

TIbpViewerForm::TIbpViewerForm(QWidget* owner, bool enlarge, const TIbpViewerDef& def) : TAclDialogBase(owner, enlarge)
{
    BuildControls(def);
    SetFormSize(def.portIndex >= 0 ? 640 : 520, def.portIndex >= 0 ? 520 : 420);
    FormCreate(def);
}


void TIbpViewerForm::BuildControls(const TIbpViewerDef& def)
{
    auto [outer, top, left, list] = FormControls::ListFrame(this, "ListView1");
    ListView1 = list;

    auto* form = new QFormLayout;
    left->addLayout(form);
    for (const Field& f : def.fields) {
        const char* label = def.variables[f.index].label;
        if (f.format) {
            // Read-only rather than disabled: the values can still be selected and copied.
            QLineEdit* edit = FormControls::Edit(this, form, f.name, label);
            edit->setReadOnly(true);
            Edits.push_back(edit);
        } else {
            Combo = FormControls::Combo(this, form, f.name, label, true);
        }
    }
    if (def.portIndex >= 0) {
        StackingPortPanel = new QWidget(this);
        StackingPortPanel->setObjectName(QStringLiteral("StackingPortPanel"));
        new QVBoxLayout(StackingPortPanel);
        StackingPortPanel->layout()->setContentsMargins(0, 0, 0, 0);
        // The ports are shown, never chosen.
        StackingPortPanel->setEnabled(false);
        left->addWidget(StackingPortPanel);
        PortGrid = new TStackingPortUitForm(StackingPortPanel);
    }

    auto* buttons = new QVBoxLayout;
    top->addLayout(buttons);
    RefreshButton = FormControls::Button(this, def.refreshName, "Refresh");
    buttons->addWidget(RefreshButton);
    buttons->addStretch();
    AddStatusBar(outer);
    connect(RefreshButton, &QPushButton::clicked, this, [this] { RefreshClick(); });
}

void TIbpViewerForm::FormCreate(const TIbpViewerDef& def)
{
    if (PortGrid) {
        PortGrid->AddUnit(QStringLiteral("Unit1"), kBoxesPerUnit, kColumns);
        PortGrid->ShowUnit(QLatin1String(kModel), kModelPorts);
    }
    KtSNMPRequest2Edits& table =
        AddTableRequest(def.variables, def.keyCount, QLatin1String(def.listName), ListView1);
    std::size_t edit = 0;
    for (const Field& f : def.fields) {
        if (f.format)
            table.BindFormatted(f.index, QLatin1String(f.format), {Edits[edit++]});
        else
            table.Bind(f.index, Combo);
    }
    if (PortGrid)
        table.BindBitsList(def.portIndex, TStackingPortUitForm::BitIndexText(kBoxesPerUnit),
                           PortGrid->FirstBoxes(kBoxesPerUnit));
    SetStateControls({}, {});
    Reload();
}

QLineEdit* TIbpViewerForm::EditNamed(const QString& name) const
{
    for (QLineEdit* e : Edits)
        if (e->objectName() == name)
            return e;
    return nullptr;
}

void TIbpViewerForm::ClearInputs()
{
    for (QLineEdit* e : Edits)
        e->clear();
    if (Combo) {
        Combo->setCurrentIndex(-1);
        Combo->setEnabled(false);
    }
    if (PortGrid)
        PortGrid->UncheckAll();
}

void TIbpViewerForm::FreeControls()
{
    // The grid goes first; the binding holds its boxes weakly.
    delete PortGrid;
    PortGrid = nullptr;
}

void TIbpViewerForm::RefreshClick()
{
    Reload();
}

const KtDialogType TIBPACLEtherMaskForm::Type = KtDialogType::Of<TIBPACLEtherMaskForm>("IP-MAC Binding Ethernet Mask : ");

TIBPACLEtherMaskForm::TIBPACLEtherMaskForm(QWidget* owner, bool enlarge) : TIbpViewerForm(owner, enlarge, kEtherMaskDef)
{
    setObjectName(QStringLiteral("IBPACLEtherMaskForm"));
}

const KtDialogType TIBPIPMaskForm::Type = KtDialogType::Of<TIBPIPMaskForm>("IP-MAC Binding IP Mask : ");

TIBPIPMaskForm::TIBPIPMaskForm(QWidget* owner, bool enlarge) : TIbpViewerForm(owner, enlarge, kIpMaskDef)
{
    setObjectName(QStringLiteral("IBPIPMaskForm"));
}

const KtDialogType TIBPEtherRuleForm::Type = KtDialogType::Of<TIBPEtherRuleForm>("IP-MAC Binding Ethernet Rule : ");

TIBPEtherRuleForm::TIBPEtherRuleForm(QWidget* owner, bool enlarge) : TIbpViewerForm(owner, enlarge, kEtherRuleDef)
{
    setObjectName(QStringLiteral("IBPEtherRuleForm"));
}

const KtDialogType TIBPIPRuleForm::Type = KtDialogType::Of<TIBPIPRuleForm>("IP-MAC Binding IP Rule : ");

TIBPIPRuleForm::TIBPIPRuleForm(QWidget* owner, bool enlarge) : TIbpViewerForm(owner, enlarge, kIpRuleDef)
{
    setObjectName(QStringLiteral("IBPIPRuleForm"));
}
