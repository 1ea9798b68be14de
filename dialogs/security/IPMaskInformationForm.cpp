#include "dialogs/security/IPMaskInformationForm.h"
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

constexpr int kIpUseVlan = 1, kIpState = 2, kIpSrc = 3, kIpDst = 4, kIpUseDscp = 5, kIpProtocol = 6, kIpIcmp = 7,
              kIpIgmp = 8, kIpTcpOption = 9, kIpUdpOption = 10, kIpSrcPortMask = 11, kIpDstPortMask = 12,
              kIpTcpFlagOption = 13, kIpTcpFlagMask = 14, kIpProtoIdOption = 15, kIpProtoId = 16,
              kIpProtoIdMask = 17, kIpRowStatus = 18, kIpOwner = 19, kIpSrcMac = 20, kIpEntries = 21;

using namespace MaskFormParts;

} // namespace

const KtDialogType TIPMaskInformationForm::Type = KtDialogType::Of<TIPMaskInformationForm>("IP Mask Information: ");

TIPMaskInformationForm::TIPMaskInformationForm(QWidget* owner, bool enlarge) : TAclDialogBase(owner, enlarge)
{
    setObjectName(QStringLiteral("IPMaskInformationForm"));
    BuildControls();
    SetFormSize(900, 600);
    FormCreate();
}

void TIPMaskInformationForm::BuildControls()
{
    using namespace FormControls;
    const Frame f = MakeFrame(this);
    ListView1 = ListView(this, f.left);
    auto* columns = new QHBoxLayout;
    f.left->addLayout(columns);
    auto* form = new QFormLayout;
    auto* protocol = new QFormLayout;
    columns->addLayout(form);
    columns->addLayout(protocol);

    IPIDEdit = Edit(this, form, "IPIDEdit", "IP Mask ID");
    VlanComboBox = Combo(this, form, "VlanComboBox", "Use VLAN");
    IpAddMaskStateComboBox = Combo(this, form, "IpAddMaskStateComboBox", "IP Address Mask State");
    IpAddMaskSrcEdit = Edit(this, form, "IpAddMaskSrcEdit", "IP Address Mask Source");
    IpAddMaskDstEdit = Edit(this, form, "IpAddMaskDstEdit", "IP Address Mask Destination");
    UseDSCPComBo = Combo(this, form, "UseDSCPComBo", "Use DSCP");
    RowStatusComBo = Combo(this, form, "RowStatusComBo", "Row Status");
    OwnerComboBox = Combo(this, form, "OwnerComboBox", "Owner", true);
    SrcMacAddrMaskEdit = Edit(this, form, "SrcMacAddrMaskEdit", "Source MAC Address Mask", true);
    EntriesEdit = Edit(this, form, "EntriesEdit", "Unused Rule Entries", true);

    UseProTypeComBo = Combo(this, protocol, "UseProTypeComBo", "Use Protocol Type");
    IcmpComboBox = Combo(this, protocol, "IcmpComboBox", "ICMP Option");
    IgmpComboBox = Combo(this, protocol, "IgmpComboBox", "IGMP Option");
    TCPOptionComBo = Combo(this, protocol, "TCPOptionComBo", "TCP Option");
    UDPOptionComBo = Combo(this, protocol, "UDPOptionComBo", "UDP Option");
    TCPUDPSrcMaskEdit = Edit(this, protocol, "TCPUDPSrcMaskEdit", "TCP or UDP Srouce Port Mask");
    TCPUDPDstPortMaskEdit = Edit(this, protocol, "TCPUDPDstPortMaskEdit", "TCP or UDP Destination Port Mask");
    TCPFlagBitOptionComBo = Combo(this, protocol, "TCPFlagBitOptionComBo", "TCP Flag Bit Option");
    TCPFlagBitMaskEdit = Edit(this, protocol, "TCPFlagBitMaskEdit", "TCP Flag Bit Mask (0-63)");
    ProOptionComBo = Combo(this, protocol, "ProOptionComBo", "Protocol ID Option");
    ProtoIDEdit = Edit(this, protocol, "ProtoIDEdit", "Proto ID Mask(0-255)");
    ProIDMaskEdit = Edit(this, protocol, "ProIDMaskEdit", "User Mask");

    BT_Get = Button(this, "BT_Get", "Refresh");
    BT_Add = Button(this, "BT_Add", "Add");
    BT_Delete = Button(this, "BT_Delete", "Delete");
    SetBtn = Button(this, "SetBtn", "Set");
    SetBtn->setVisible(false);  // a mask is never changed
    for (QPushButton* b : {BT_Get, BT_Add, BT_Delete, SetBtn})
        f.buttons->addWidget(b);
    f.buttons->addStretch();
    AddStatusBar(f.outer);

    connect(BT_Get, &QPushButton::clicked, this, [this] { BT_GetClick(); });
    connect(BT_Add, &QPushButton::clicked, this, [this] { BT_AddClick(); });
    connect(BT_Delete, &QPushButton::clicked, this, [this] { BT_DeleteClick(); });
}

void TIPMaskInformationForm::FormCreate()
{
    KtSNMPRequest2Edits& table = AddTableRequest(kIpMask, 1, QStringLiteral("aclIpMaskTable"), ListView1);
    table.BindFormatted(0, QStringLiteral("%i{n1x200}"), {IPIDEdit});
    table.Bind(kIpUseVlan, VlanComboBox);
    table.Bind(kIpState, IpAddMaskStateComboBox);
    table.BindFormatted(kIpSrc, QStringLiteral("%s"), {IpAddMaskSrcEdit});
    table.BindFormatted(kIpDst, QStringLiteral("%s"), {IpAddMaskDstEdit});
    table.Bind(kIpUseDscp, UseDSCPComBo);
    table.Bind(kIpProtocol, UseProTypeComBo);
    table.Bind(kIpIcmp, IcmpComboBox);
    table.Bind(kIpIgmp, IgmpComboBox);
    table.Bind(kIpTcpOption, TCPOptionComBo);
    table.Bind(kIpUdpOption, UDPOptionComBo);
    table.BindFormatted(kIpSrcPortMask, QStringLiteral("%s"), {TCPUDPSrcMaskEdit});
    table.BindFormatted(kIpDstPortMask, QStringLiteral("%s"), {TCPUDPDstPortMaskEdit});
    table.Bind(kIpTcpFlagOption, TCPFlagBitOptionComBo);
    table.BindFormatted(kIpTcpFlagMask, QStringLiteral("%i"), {TCPFlagBitMaskEdit});
    table.Bind(kIpProtoIdOption, ProOptionComBo);
    table.BindFormatted(kIpProtoId, QStringLiteral("%i"), {ProtoIDEdit});
    table.BindFormatted(kIpProtoIdMask, QStringLiteral("%s"), {ProIDMaskEdit});
    table.Bind(kIpRowStatus, RowStatusComBo);
    table.Bind(kIpOwner, OwnerComboBox);
    table.BindFormatted(kIpSrcMac, QStringLiteral("%s"), {SrcMacAddrMaskEdit});
    table.BindFormatted(kIpEntries, QStringLiteral("%i"), {EntriesEdit});

    VlanComboBox->setCurrentIndex(0);            // enabled
    IpAddMaskStateComboBox->setCurrentIndex(0);  // other
    UseDSCPComBo->setCurrentIndex(1);            // disabled
    UseProTypeComBo->setCurrentIndex(0);         // none
    IcmpComboBox->setCurrentIndex(0);            // none
    IgmpComboBox->setCurrentIndex(1);            // disable
    TCPOptionComBo->setCurrentIndex(0);          // other
    UDPOptionComBo->setCurrentIndex(0);          // other
    TCPFlagBitOptionComBo->setCurrentIndex(1);   // disable
    ProOptionComBo->setCurrentIndex(1);          // disable
    RowStatusComBo->setCurrentIndex(AclOptions::kCreateAndGoPosition);
    OwnerComboBox->setCurrentIndex(AclOptions::kAclOwnerPosition);

    SetStateControls({BT_Delete}, {BT_Add, IPIDEdit});
    Reload();
}

void TIPMaskInformationForm::ClearInputs()
{
    for (QLineEdit* e : {IPIDEdit, IpAddMaskSrcEdit, IpAddMaskDstEdit, TCPUDPSrcMaskEdit, TCPUDPDstPortMaskEdit,
                         TCPFlagBitMaskEdit, ProIDMaskEdit, ProtoIDEdit, SrcMacAddrMaskEdit, EntriesEdit})
        e->clear();
    OwnerComboBox->setCurrentIndex(AclOptions::kAclOwnerPosition);
}

std::set<int> TIPMaskInformationForm::LeftOut() const
{
    std::set<int> out;
    auto leave = [&](std::initializer_list<int> columns) { out.insert(columns); };
    auto range = [&](int from, int to) {
        for (int i = from; i <= to; ++i)
            out.insert(i);
    };
    // The address state: with "other" (or none chosen) neither the state nor a mask goes out.
    const QString state = Choice(IpAddMaskStateComboBox);
    if (state.isEmpty() || state == "other")
        leave({kIpState, kIpSrc, kIpDst});
    else if (state == "dst-ip-addr")
        leave({kIpSrc});
    else if (state == "src-ip-addr")
        leave({kIpDst});

    if (Choice(IcmpComboBox) == "none")
        leave({kIpIcmp});

    // A port mask goes out when either port option names its side.
    const QString tcp = Choice(TCPOptionComBo);
    const QString udp = Choice(UDPOptionComBo);
    if (tcp == "other")
        leave({kIpTcpOption, kIpSrcPortMask, kIpDstPortMask});
    if (udp == "other")
        leave({kIpUdpOption, kIpSrcPortMask, kIpDstPortMask});
    for (const QString& option : {tcp, udp}) {
        if (option == "dst-addr" || option == "dst-src-addr")
            out.erase(kIpDstPortMask);
        if (option == "src-addr" || option == "dst-src-addr")
            out.erase(kIpSrcPortMask);
    }

    if (Choice(TCPFlagBitOptionComBo) == "disable")
        leave({kIpTcpFlagMask});
    if (Choice(ProOptionComBo) == "disable")
        leave({kIpProtoId, kIpProtoIdMask});

    // Only the chosen protocol's own fields go out.
    const QString protocol = Choice(UseProTypeComBo);
    if (protocol.isEmpty() || protocol == "none") {
        range(kIpProtocol, kIpProtoIdMask);
    } else if (protocol == "icmp") {
        range(kIpIgmp, kIpProtoIdMask);
    } else if (protocol == "igmp") {
        leave({kIpIcmp});
        range(kIpTcpOption, kIpProtoIdMask);
    } else if (protocol == "tcp") {
        leave({kIpIcmp, kIpIgmp, kIpUdpOption, kIpProtoIdOption, kIpProtoId, kIpProtoIdMask});
        if (tcp == "other")
            leave({kIpTcpOption});
    } else if (protocol == "udp") {
        leave({kIpIcmp, kIpIgmp, kIpTcpOption});
        range(kIpTcpFlagOption, kIpProtoIdMask);
        if (udp == "other")
            leave({kIpUdpOption});
    } else if (protocol == "protocolId") {
        range(kIpIcmp, kIpTcpFlagMask);
        if (Choice(ProOptionComBo) == "disable")
            leave({kIpProtoIdMask});
    }

    // Empty fields have nothing to send, and an option not chosen neither.
    const std::pair<int, const QLineEdit*> edits[] = {
        {kIpSrc, IpAddMaskSrcEdit},           {kIpDst, IpAddMaskDstEdit},  {kIpSrcPortMask, TCPUDPSrcMaskEdit},
        {kIpDstPortMask, TCPUDPDstPortMaskEdit}, {kIpTcpFlagMask, TCPFlagBitMaskEdit}, {kIpProtoId, ProtoIDEdit},
        {kIpProtoIdMask, ProIDMaskEdit},
    };
    for (const auto& [column, edit] : edits)
        if (edit->text().isEmpty())
            out.insert(column);
    const std::pair<int, const QComboBox*> combos[] = {
        {kIpUseVlan, VlanComboBox},         {kIpUseDscp, UseDSCPComBo},     {kIpIcmp, IcmpComboBox},
        {kIpIgmp, IgmpComboBox},            {kIpTcpOption, TCPOptionComBo}, {kIpUdpOption, UDPOptionComBo},
        {kIpTcpFlagOption, TCPFlagBitOptionComBo}, {kIpProtoIdOption, ProOptionComBo}, {kIpRowStatus, RowStatusComBo},
    };
    for (const auto& [column, combo] : combos)
        if (combo->currentIndex() < 0)
            out.insert(column);
    return out;
}

bool TIPMaskInformationForm::ValidateInputs(const std::set<int>& leftOut)
{
    if (!RequireAt(!IPIDEdit->text().isEmpty(), kNoId, IPIDEdit))
        return false;
    // Every typed field still in the send set, whatever chose to send it.
    auto sent = [&](int column) { return !leftOut.contains(column); };
    struct Check {
        int column;
        QLineEdit* edit;
        bool (*valid)(const QString&);
        const QString& message;
    };
    const Check checks[] = {
        {kIpSrc, IpAddMaskSrcEdit, [](const QString& t) { return InputChecks::IsIpv4Text(t); }, kBadIp},
        {kIpDst, IpAddMaskDstEdit, [](const QString& t) { return InputChecks::IsIpv4Text(t); }, kBadIp},
        {kIpProtoIdMask, ProIDMaskEdit, [](const QString& t) { return InputChecks::IsHexText(t, 8); }, kBadMask},
        {kIpProtoId, ProtoIDEdit, [](const QString& t) { return InputChecks::IsWholeNumberIn(t, 0, 255); }, kBadValue},
        {kIpDstPortMask, TCPUDPDstPortMaskEdit, [](const QString& t) { return InputChecks::IsHexText(t, 4); }, kBadMask},
        {kIpSrcPortMask, TCPUDPSrcMaskEdit, [](const QString& t) { return InputChecks::IsHexText(t, 4); }, kBadMask},
        {kIpTcpFlagMask, TCPFlagBitMaskEdit, [](const QString& t) { return InputChecks::IsWholeNumberIn(t, 0, 63); },
         kBadValue},
    };
    for (const Check& c : checks)
        if (sent(c.column) && !RequireAt(c.valid(c.edit->text()), c.message, c.edit))
            return false;
    return CheckEdits(*TableRequest(), KeyAndSent(TableRequest()->VarList(), leftOut));
}

void TIPMaskInformationForm::BT_GetClick()
{
    Reload();
}

void TIPMaskInformationForm::BT_AddClick()
{
    std::set<int> leftOut;
    RunCommand([&] { SendAllBut(*TableRequest(), leftOut); },
               [&] {
                   leftOut = LeftOut();
                   return ValidateInputs(leftOut) && RequireNewKey({IPIDEdit->text()}, kDuplicate, IPIDEdit)
                       && RequireCreateAndGo(RowStatusComBo);
               });
}

void TIPMaskInformationForm::BT_DeleteClick()
{
    // Only a selected row has its key in the ID edit.
    if (!RowSelected())
        return;
    RunCommand([&] { DestroyRow(*TableRequest(), kIpRowStatus, RowStatusComBo, AclOptions::kDestroyPosition); });
}
