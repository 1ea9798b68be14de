#include "dialogs/security/EthernetMaskInformationForm.h"
#include "dialogs/tables/SecurityTables.h"

#include "dialogs/InputChecks.h"
#include "dialogs/FormControls.h"
#include "dialogs/security/AclOptions.h"
#include "dialogs/security/MaskFormParts.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

using namespace SecurityTables::MaskInformation;

constexpr int kEthUseVlan = 1, kEthState = 2, kEthSrc = 3, kEthDst = 4, kEthUse8021p = 5, kEthUseType = 6,
              kEthRowStatus = 7;

using namespace MaskFormParts;

} // namespace

const KtDialogType TEthernetMaskInformationForm::Type = KtDialogType::Of<TEthernetMaskInformationForm>("Ethernet Mask Information: ");

TEthernetMaskInformationForm::TEthernetMaskInformationForm(QWidget* owner, bool enlarge) : TAclDialogBase(owner, enlarge)
{
    setObjectName(QStringLiteral("EthernetMaskInformationForm"));
    BuildControls();
    SetFormSize(760, 520);
    FormCreate();
}

void TEthernetMaskInformationForm::BuildControls()
{
    using namespace FormControls;
    const Frame f = MakeFrame(this);
    ListView1 = ListView(this, f.left);
    auto* form = new QFormLayout;
    f.left->addLayout(form);
    IDEdit = Edit(this, form, "IDEdit", "Ethernet Mask ID");
    UseVLanComBo = Combo(this, form, "UseVLanComBo", "Use VLAN");
    MacMaskStateComBo = Combo(this, form, "MacMaskStateComBo", "MAC Address Mask State");
    MacAddMaskSourceEdit = Edit(this, form, "MacAddMaskSourceEdit", "MAC Address Mask Source");
    MacMaskDstEdit = Edit(this, form, "MacMaskDstEdit", "MAC Address Mask Destination");
    Use8021pComBo = Combo(this, form, "Use8021pComBo", "Use 8021p");
    UseEthTypeCombo = Combo(this, form, "UseEthTypeCombo", "Use Ethernet Type");
    RowStatusComBo = Combo(this, form, "RowStatusComBo", "Row Status");
    cbxOwner = Combo(this, form, "cbxOwner", "Owner", true);
    EntiesEdit = Edit(this, form, "EntiesEdit", "Unused Rule Entries", true);

    BT_Get = Button(this, "BT_Get", "Refresh");
    AddBtn = Button(this, "AddBtn", "Add");
    BT_Delete = Button(this, "BT_Delete", "Delete");
    SetBtn = Button(this, "SetBtn", "Set");
    SetBtn->setVisible(false);  // a mask is never changed
    for (QPushButton* b : {BT_Get, AddBtn, BT_Delete, SetBtn})
        f.buttons->addWidget(b);
    f.buttons->addStretch();
    AddStatusBar(f.outer);

    connect(BT_Get, &QPushButton::clicked, this, [this] { BT_GetClick(); });
    connect(AddBtn, &QPushButton::clicked, this, [this] { AddBtnClick(); });
    connect(BT_Delete, &QPushButton::clicked, this, [this] { BT_DeleteClick(); });
}

void TEthernetMaskInformationForm::FormCreate()
{
    KtSNMPRequest2Edits& table = AddTableRequest(kEthernetMask, 1, QStringLiteral("aclEthernetMaskTable"), ListView1);
    table.BindFormatted(0, QStringLiteral("%i{n1x200}"), {IDEdit});
    table.Bind(kEthUseVlan, UseVLanComBo);
    table.Bind(kEthState, MacMaskStateComBo);
    table.BindFormatted(kEthSrc, QStringLiteral("%s"), {MacAddMaskSourceEdit});
    table.BindFormatted(kEthDst, QStringLiteral("%s"), {MacMaskDstEdit});
    table.Bind(kEthUse8021p, Use8021pComBo);
    table.Bind(kEthUseType, UseEthTypeCombo);
    table.Bind(kEthRowStatus, RowStatusComBo);
    table.Bind(8, cbxOwner);
    table.BindFormatted(9, QStringLiteral("%i"), {EntiesEdit});

    UseVLanComBo->setCurrentIndex(0);     // enabled
    Use8021pComBo->setCurrentIndex(1);    // disabled
    MacMaskStateComBo->setCurrentIndex(0);  // other
    UseEthTypeCombo->setCurrentIndex(1);  // disabled
    RowStatusComBo->setCurrentIndex(AclOptions::kCreateAndGoPosition);

    SetStateControls({BT_Delete}, {AddBtn, IDEdit});
    Reload();
}

void TEthernetMaskInformationForm::ClearInputs()
{
    IDEdit->clear();
    MacMaskDstEdit->clear();
    MacAddMaskSourceEdit->clear();
    EntiesEdit->clear();
}

std::set<int> TEthernetMaskInformationForm::LeftOut() const
{
    std::set<int> out;
    if (Choice(UseVLanComBo).isEmpty())
        out.insert(kEthUseVlan);
    if (Choice(Use8021pComBo).isEmpty())
        out.insert(kEthUse8021p);
    // The state goes out whenever one is chosen; it decides which address masks go with it.
    const QString state = Choice(MacMaskStateComBo);
    if (state.isEmpty())
        out.insert({kEthState, kEthSrc, kEthDst});
    else if (state == "other")
        out.insert({kEthSrc, kEthDst});
    else if (state == "dst-mac-addr")
        out.insert(kEthSrc);
    else if (state == "src-mac-addr")
        out.insert(kEthDst);
    if (MacMaskDstEdit->text().isEmpty())
        out.insert(kEthDst);
    if (MacAddMaskSourceEdit->text().isEmpty())
        out.insert(kEthSrc);
    if (Choice(UseEthTypeCombo).isEmpty())
        out.insert(kEthUseType);
    if (Choice(RowStatusComBo).isEmpty())
        out.insert(kEthRowStatus);
    return out;
}

bool TEthernetMaskInformationForm::ValidateInputs(const std::set<int>& leftOut)
{
    if (!RequireAt(!IDEdit->text().isEmpty(), kNoId, IDEdit))
        return false;
    // Every address mask about to be sent, the destination first.
    for (const auto& [column, edit] : {std::pair{kEthDst, MacMaskDstEdit}, std::pair{kEthSrc, MacAddMaskSourceEdit}})
        if (!leftOut.contains(column) && !RequireAt(InputChecks::IsMacText(edit->text()), kBadMac, edit))
            return false;
    return CheckEdits(*TableRequest(), KeyAndSent(TableRequest()->VarList(), leftOut));
}

void TEthernetMaskInformationForm::BT_GetClick()
{
    Reload();
}

void TEthernetMaskInformationForm::AddBtnClick()
{
    std::set<int> leftOut;
    RunCommand([&] { SendAllBut(*TableRequest(), leftOut); },
               [&] {
                   if (!RequireNewKey({IDEdit->text()}, kDuplicate, IDEdit) || !RequireCreateAndGo(RowStatusComBo))
                       return false;
                   leftOut = LeftOut();
                   return ValidateInputs(leftOut);
               });
}

void TEthernetMaskInformationForm::BT_DeleteClick()
{
    // Only a selected row has its key in the ID edit.
    if (!RowSelected())
        return;
    RunCommand([&] { DestroyRow(*TableRequest(), kEthRowStatus, RowStatusComBo, AclOptions::kDestroyPosition); });
}
