// Generic views under "Layer 2 Management", in menu order: each view's definition table and its
// named entry (declared in CatalogueEntries.h, opened by the menu line that names it).
#include "shell/catalogue/CatalogueEntries.h"
#include "shell/catalogue/ViewOptionLists.h"

namespace catalogue {

constexpr KtSNMPVarDef kJumboFrameCtrl[] = {
    {"1.3.6.1.4.1.32473.11.101.1.2.3.3", "Jumbo Frame", KtSyn::Integer, KtAcc::ReadWrite, &olOtherDisabledEnabled},
    {"1.3.6.1.4.1.32473.11.101.1.2.3.4", "Jumbo Frame Max Size", KtSyn::Integer, KtAcc::ReadOnly},
    {},
};
const KtCatalogueEntry JumboFrameCtrl({.captionPrefix = "Jumbo Frame Control: ", .kind = KtViewKind::Editor,
    .itemType = KtItem::SVT_SV, .keyCount = 0, .table = kJumboFrameCtrl, .varCount = 2});

constexpr KtSNMPVarDef kPortManagementPortInformationTable[] = {
    {"1.3.6.1.4.1.32473.11.101.1.2.3.1.1.1", "Port Index", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.11.101.1.2.3.1.1.2", "Port Info Medium Type", KtSyn::Integer, KtAcc::NotAccess, &olMediumType},
    {"1.3.6.1.4.1.32473.11.101.1.2.3.1.1.3", "Port Info Unit ID", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.11.101.1.2.3.1.1.4", "Port Info Type", KtSyn::Integer, KtAcc::ReadOnly, &olPortType},
    {"1.3.6.1.4.1.32473.11.101.1.2.3.1.1.5", "Port Info Link Status", KtSyn::Integer, KtAcc::ReadOnly, &olLinkStatus},
    {"1.3.6.1.4.1.32473.11.101.1.2.3.1.1.6", "Port Info Nway Status", KtSyn::Integer, KtAcc::ReadOnly, &olNwayStatus},
    {"1.3.6.1.4.1.32473.11.101.1.2.3.1.1.8", "Port Info Error Disable", KtSyn::Integer, KtAcc::ReadOnly, &olErrorDisableReason},
    {},
};
const KtCatalogueEntry PortManagementPortInformationTable({.captionPrefix = "Port Information Table: ",
    .kind = KtViewKind::Table, .itemType = KtItem::MVT_FMV, .keyCount = 2,
    .table = kPortManagementPortInformationTable, .varCount = 7});

constexpr KtSNMPVarDef kPortControlTable[] = {
    {"1.3.6.1.4.1.32473.11.101.1.2.3.2.1.1", "Port Index", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.11.101.1.2.3.2.1.2", "Medium Type", KtSyn::Integer, KtAcc::NotAccess, &olMediumType},
    {"1.3.6.1.4.1.32473.11.101.1.2.3.2.1.3", "Unit Index", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.11.101.1.2.3.2.1.4", "Admin State", KtSyn::Integer, KtAcc::ReadWrite, &olOtherDisabledEnabled},
    {"1.3.6.1.4.1.32473.11.101.1.2.3.2.1.5", "Nway State", KtSyn::Integer, KtAcc::ReadWrite, &olNwayState},
    {"1.3.6.1.4.1.32473.11.101.1.2.3.2.1.6", "Flow Control State", KtSyn::Integer, KtAcc::ReadWrite, &olOtherDisabledEnabled},
    {"1.3.6.1.4.1.32473.11.101.1.2.3.2.1.7", "Learning State", KtSyn::Integer, KtAcc::ReadWrite, &olOtherDisabledEnabled},
    {"1.3.6.1.4.1.32473.11.101.1.2.3.2.1.8", "MAC Notify State", KtSyn::Integer, KtAcc::ReadWrite, &olOtherDisabledEnabled},
    {},
};
const KtCatalogueEntry PortControlTable({.captionPrefix = "Port Control Table:", .kind = KtViewKind::Table,
    .itemType = KtItem::MVT_FMV, .keyCount = 2, .table = kPortControlTable, .varCount = 8});

constexpr KtSNMPVarDef kPortCableDiagnosisTable[] = {
    {"1.3.6.1.4.1.32473.11.101.1.2.3.5.1.1", "Port Cable Diagnosis Port Index", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.11.101.1.2.3.5.1.2", "Port Cable Diagnosis Pair Index", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.11.101.1.2.3.5.1.3", "Port Cable Diagnosis Cable Status", KtSyn::Integer, KtAcc::ReadOnly, &olCableStatus},
    {"1.3.6.1.4.1.32473.11.101.1.2.3.5.1.4", "Port Cable Diagnosis Pair Status", KtSyn::Integer, KtAcc::ReadOnly, &olPairStatus},
    {"1.3.6.1.4.1.32473.11.101.1.2.3.5.1.5", "Port Cable Diagnosis Pair Length", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.11.101.1.2.3.5.1.6", "Port Cable Diagnosis Pair Length Inaccuracy", KtSyn::Integer, KtAcc::ReadOnly},
    {},
};
const KtCatalogueEntry PortCableDiagnosisTable({.captionPrefix = "Port Cable Diagnosis Table: ",
    .kind = KtViewKind::Table, .itemType = KtItem::MVT_FMV, .keyCount = 2, .table = kPortCableDiagnosisTable,
    .varCount = 6, .heightRule = KtHeightRule::Scaled, .height = 450});

constexpr KtSNMPVarDef kPortCounterControlTable[] = {
    {"1.3.6.1.4.1.32473.11.101.1.2.3.6.1.1", "Port Counter Control Port Index", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.11.101.1.2.3.6.1.2", "Port Counter Clear Control", KtSyn::Integer, KtAcc::ReadWrite, &olOtherStart},
    {},
};
const KtCatalogueEntry PortCounterControlTable({.captionPrefix = "Port Counter Control Table: ",
    .kind = KtViewKind::Table, .itemType = KtItem::MVT_UMV, .keyCount = 1, .table = kPortCounterControlTable,
    .varCount = 2, .heightRule = KtHeightRule::Scaled, .height = 450});

constexpr KtSNMPVarDef kPortErrorTable[] = {
    {"1.3.6.1.4.1.32473.11.101.1.2.3.7.1.1", "Port Error Port Index", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.11.101.1.2.3.7.1.2", "Port Error Port State", KtSyn::Integer, KtAcc::ReadOnly, &olEnabledDisabled},
    {"1.3.6.1.4.1.32473.11.101.1.2.3.7.1.3", "Port Error Port Conn Status", KtSyn::Integer, KtAcc::ReadOnly, &olErrConnStatus},
    {"1.3.6.1.4.1.32473.11.101.1.2.3.7.1.4", "Port Error Port Reason", KtSyn::Integer, KtAcc::ReadOnly, &olErrReason},
    {},
};
const KtCatalogueEntry PortErrorTable({.captionPrefix = "Port Error Table: ", .kind = KtViewKind::Table,
    .itemType = KtItem::MVT_FMV, .keyCount = 1, .table = kPortErrorTable, .varCount = 4,
    .heightRule = KtHeightRule::Scaled, .height = 450});

constexpr KtSNMPVarDef kTrunkBasicInformation[] = {
    {"1.3.6.1.4.1.32473.11.101.1.2.9.1", "Trunk Max Supported Entries", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.11.101.1.2.9.2", "Trunk Current Entries Number", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.11.101.1.2.9.4", "Trunk Algorithm", KtSyn::Integer, KtAcc::ReadWrite, &olTrunkAlgorithm},
    {},
};
const KtCatalogueEntry TrunkBasicInformation({.captionPrefix = "Trunk Information: ", .kind = KtViewKind::Editor,
    .itemType = KtItem::SVT_SV, .keyCount = 0, .table = kTrunkBasicInformation, .varCount = 3});

constexpr KtSNMPVarDef kLACPPortTable[] = {
    {"1.3.6.1.4.1.32473.11.101.1.2.9.5.1.1", "LACP Port Index", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.11.101.1.2.9.5.1.2", "LACP Port State", KtSyn::Integer, KtAcc::ReadWrite, &olLacpMode},
    {},
};
const KtCatalogueEntry LACPPortTable({.captionPrefix = "LACP Port Table: ", .kind = KtViewKind::Table,
    .itemType = KtItem::MVT_UMV, .keyCount = 1, .table = kLACPPortTable, .varCount = 2});

constexpr KtSNMPVarDef kPortSecurityTable[] = {
    {"1.3.6.1.4.1.32473.11.101.1.2.7.1.1.1", "Port Index", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.11.101.1.2.7.1.1.2", "Max Learn Address", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.11.101.1.2.7.1.1.3", "Security Mode", KtSyn::Integer, KtAcc::ReadWrite, &olPortSecurityMode},
    {"1.3.6.1.4.1.32473.11.101.1.2.7.1.1.4", "Admin State", KtSyn::Integer, KtAcc::ReadWrite, &olEnableDisable},
    {"1.3.6.1.4.1.32473.11.101.1.2.7.1.1.5", "Clear Control", KtSyn::Integer, KtAcc::ReadWrite, &olOtherStart},
    {},
};
const KtCatalogueEntry PortSecurityTable({.captionPrefix = "Port Security Table: ", .kind = KtViewKind::Table,
    .itemType = KtItem::MVT_UMV, .keyCount = 1, .table = kPortSecurityTable, .varCount = 5,
    .heightRule = KtHeightRule::Scaled, .height = 450});

constexpr KtSNMPVarDef kQoSControl[] = {
    {"1.3.6.1.4.1.32473.11.101.1.2.6.5", "QoS Scheduling Mechanism Control", KtSyn::Integer, KtAcc::ReadWrite, &olQosMechanismControl},
    {},
};
const KtCatalogueEntry QoSControl({.captionPrefix = "QoS Scheduling Mechanism Control: ", .kind = KtViewKind::Editor,
    .itemType = KtItem::SVT_SV, .keyCount = 0, .table = kQoSControl, .varCount = 1,
    .heightRule = KtHeightRule::AddScaled, .height = 20});

constexpr KtSNMPVarDef kBandwidthControlTable[] = {
    {"1.3.6.1.4.1.32473.11.101.1.2.6.1.1.1", "Port Index", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.11.101.1.2.6.1.1.2", "Receive Rate", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.11.101.1.2.6.1.1.3", "Transmit Rate", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.11.101.1.2.6.1.1.4", "RADIUS Receive Rate", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.11.101.1.2.6.1.1.5", "RADIUS Transmit Rate", KtSyn::Integer, KtAcc::ReadOnly},
    {},
};
const KtCatalogueEntry BandwidthControlTable({.captionPrefix = "Bandwidth Control Table: ", .kind = KtViewKind::Table,
    .itemType = KtItem::MVT_FMV, .keyCount = 1, .table = kBandwidthControlTable, .varCount = 5});

constexpr KtSNMPVarDef kSchedulingTable[] = {
    {"1.3.6.1.4.1.32473.11.101.1.2.6.2.1.1", "QoS Scheduling Class Index", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.11.101.1.2.6.2.1.2", "QoS Scheduling Max Packets", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.11.101.1.2.6.2.1.3", "QoS Scheduling Mechanism", KtSyn::Integer, KtAcc::ReadOnly, &olQosMechanism},
    {},
};
const KtCatalogueEntry SchedulingTable({.captionPrefix = "Scheduling Table: ", .kind = KtViewKind::Table,
    .itemType = KtItem::MVT_FMV, .keyCount = 1, .table = kSchedulingTable, .varCount = 3});

constexpr KtSNMPVarDef kQoSManagement8021pUserPriorityTable[] = {
    {"1.3.6.1.4.1.32473.11.101.1.2.6.3.1.1", "User Priority Index", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.11.101.1.2.6.3.1.2", "8021p User Priority Class", KtSyn::Integer, KtAcc::ReadWrite},
    {},
};
const KtCatalogueEntry QoSManagement8021pUserPriorityTable({.captionPrefix = "802.1p User Priority Table: ",
    .kind = KtViewKind::Table, .itemType = KtItem::MVT_FMV, .keyCount = 1,
    .table = kQoSManagement8021pUserPriorityTable, .varCount = 2});

constexpr KtSNMPVarDef kQoSManagement8021pDefaultPriorityTable[] = {
    {"1.3.6.1.4.1.32473.11.101.1.2.6.4.1.1", "Priority Index", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.11.101.1.2.6.4.1.2", "8021p Default Priority", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.11.101.1.2.6.4.1.3", "RADIUS Priority", KtSyn::Integer, KtAcc::ReadOnly},
    {},
};
const KtCatalogueEntry QoSManagement8021pDefaultPriorityTable({.captionPrefix = "802.1p Default Priority Table: ",
    .kind = KtViewKind::Table, .itemType = KtItem::MVT_FMV, .keyCount = 1,
    .table = kQoSManagement8021pDefaultPriorityTable, .varCount = 3});

constexpr KtSNMPVarDef kMulticastFilterModeVLANTable[] = {
    {"1.3.6.1.4.1.32473.11.101.1.2.17.1.1.1", "VLAN ID", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.11.101.1.2.17.1.1.2", "VLAN Mode       ", KtSyn::Integer, KtAcc::ReadWrite, &olMulticastFilterMode},
    {},
};
const KtCatalogueEntry MulticastFilterModeVLANTable({.captionPrefix = "Multicast filter Mode VLAN Table: ",
    .kind = KtViewKind::Table, .itemType = KtItem::MVT_UMV, .keyCount = 1, .table = kMulticastFilterModeVLANTable,
    .varCount = 2, .heightRule = KtHeightRule::Scaled, .height = 450});

constexpr KtSNMPVarDef kMulticastFilterProfileTable[] = {
    {"1.3.6.1.4.1.32473.11.101.1.2.5.1.1.1", "Multicast Filter Profile Index", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.11.101.1.2.5.1.1.2", "Multicast Filter Profile Name", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.11.101.1.2.5.1.1.3", "Multicast Filter Status", KtSyn::Integer, KtAcc::ReadWrite, &olRowStatus},
    {},
};
const KtCatalogueEntry MulticastFilterProfileTable({.captionPrefix = "Multicast Filter Profile Table: ",
    .kind = KtViewKind::Table, .itemType = KtItem::MVT_UMV, .keyCount = 1, .table = kMulticastFilterProfileTable,
    .varCount = 3, .addIndex = 2, .addText = "createAndGo", .deleteIndex = 2, .deleteText = "destroy",
    .noEdit = true});

constexpr KtSNMPVarDef kMulticastFilterProfileAddressTable[] = {
    {"1.3.6.1.4.1.32473.11.101.1.2.5.2.1.1", "Multicast Filter Profile ID Index", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.11.101.1.2.5.2.1.2", "Multicast Filter From IP", KtSyn::IpAddress, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.11.101.1.2.5.2.1.3", "Multicast Filter To IP", KtSyn::IpAddress, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.11.101.1.2.5.2.1.4", "Multicast Filter Address State", KtSyn::Integer, KtAcc::ReadWrite, &olRowStatus},
    {},
};
const KtCatalogueEntry MulticastFilterProfileAddressTable({
    .captionPrefix = "Multicast Filter Profile Address Table: ", .kind = KtViewKind::Table,
    .itemType = KtItem::MVT_UMV, .keyCount = 3, .table = kMulticastFilterProfileAddressTable, .varCount = 4,
    .addIndex = 3, .addText = "createAndGo", .deleteIndex = 3, .deleteText = "destroy", .noEdit = true});

constexpr KtSNMPVarDef kLimitedMulticastFilterPortTable[] = {
    {"1.3.6.1.4.1.32473.11.101.1.2.5.3.1.1", "Limited Multicast Filter Port Index", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.11.101.1.2.5.3.1.2", "Limited Multicast Filter Port Access", KtSyn::Integer, KtAcc::ReadWrite, &olPermitDeny},
    {"1.3.6.1.4.1.32473.11.101.1.2.5.3.1.3", "Limited Multicast Filter Port Profile ID", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.11.101.1.2.5.3.1.4", "Limited Multicast Filter Port Profile Status", KtSyn::Integer, KtAcc::ReadWrite, &olOtherAddDelete},
    {},
};
const KtCatalogueEntry LimitedMulticastFilterPortTable({.captionPrefix = "Limited Multicast Filter Port Table: ",
    .kind = KtViewKind::Table, .itemType = KtItem::MVT_UMV, .keyCount = 1, .table = kLimitedMulticastFilterPortTable,
    .varCount = 4, .addIndex = 3, .addText = "add", .deleteIndex = 3, .deleteText = "delete", .noEdit = true});

constexpr KtSNMPVarDef kMulticastFilterPortMaxGroupTable[] = {
    {"1.3.6.1.4.1.32473.11.101.1.2.5.4.1.1", "Multicast Filter Port Max Group Port Index", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.11.101.1.2.5.4.1.2", "Multicast Filter Port Max Group", KtSyn::Integer, KtAcc::ReadWrite},
    {},
};
const KtCatalogueEntry MulticastFilterPortMaxGroupTable({.captionPrefix = "Multicast Filter Port Max Group Table : ",
    .kind = KtViewKind::Table, .itemType = KtItem::MVT_UMV, .keyCount = 1, .table = kMulticastFilterPortMaxGroupTable,
    .varCount = 2});

constexpr KtSNMPVarDef kIGMPSnoopingManagement[] = {
    {"1.3.6.1.4.1.32473.11.101.1.2.11.1", "IGMP Max Supported VLAN", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.11.101.1.2.11.2", "IGMP Max IP Group Number Per VLAN", KtSyn::Integer, KtAcc::ReadOnly},
    {},
};
const KtCatalogueEntry IGMPSnoopingManagement({.captionPrefix = "IGMP Snooping Management Information: ",
    .kind = KtViewKind::Editor, .itemType = KtItem::SVT_SV, .keyCount = 0, .table = kIGMPSnoopingManagement,
    .varCount = 2});

constexpr KtSNMPVarDef kIGMPSnoopingControlTable[] = {
    {"1.3.6.1.4.1.32473.11.101.1.2.11.3.1.1", "IGMP Control VLAN ID", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.11.101.1.2.11.3.1.2", "IGMP Query Interval", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.11.101.1.2.11.3.1.3", "IGMP Max Response Time", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.11.101.1.2.11.3.1.4", "IGMP Robustness", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.11.101.1.2.11.3.1.5", "IGMP Last Member Query Interval", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.11.101.1.2.11.3.1.6", "IGMP Host Timeout", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.11.101.1.2.11.3.1.7", "IGMP Route Timeout", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.11.101.1.2.11.3.1.8", "IGMP Leave Timer", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.11.101.1.2.11.3.1.9", "IGMP Query State", KtSyn::Integer, KtAcc::ReadWrite, &olDisabledEnabled},
    {"1.3.6.1.4.1.32473.11.101.1.2.11.3.1.10", "IGMP Current State", KtSyn::Integer, KtAcc::ReadOnly, &olQuerierState},
    {"1.3.6.1.4.1.32473.11.101.1.2.11.3.1.11", "IGMP Control State", KtSyn::Integer, KtAcc::ReadWrite, &olDisableEnable},
    {"1.3.6.1.4.1.32473.11.101.1.2.11.3.1.12", "IGMP Fast Leave State", KtSyn::Integer, KtAcc::ReadWrite, &olDisableEnable},
    {},
};
const KtCatalogueEntry IGMPSnoopingControlTable({.captionPrefix = "IGMP Snooping Control: ",
    .kind = KtViewKind::Table, .itemType = KtItem::MVT_UMV, .keyCount = 1, .table = kIGMPSnoopingControlTable,
    .varCount = 12, .heightRule = KtHeightRule::Scaled, .height = 450});

constexpr KtSNMPVarDef kIGMPSnoopingQueryInformation[] = {
    {"1.3.6.1.4.1.32473.11.101.1.2.11.4.1.1", "VLAN ID", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.11.101.1.2.11.4.1.2", "Query Count", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.11.101.1.2.11.4.1.3", "Send Query Count", KtSyn::Integer, KtAcc::ReadOnly},
    {},
};
const KtCatalogueEntry IGMPSnoopingQueryInformation({.captionPrefix = "IGMP Snooping Query Information: ",
    .kind = KtViewKind::Table, .itemType = KtItem::MVT_UMV, .keyCount = 1, .table = kIGMPSnoopingQueryInformation,
    .varCount = 3, .heightRule = KtHeightRule::Scaled, .height = 450});

constexpr KtSNMPVarDef kIGMPSnoopingInformation[] = {
    {"1.3.6.1.4.1.32473.11.101.1.2.11.5.1.1", "IGMP VLAN ID", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.11.101.1.2.11.5.1.2", "IGMP Group IP Address", KtSyn::IpAddress, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.11.101.1.2.11.5.1.3", "IGMP MAC Address", KtSyn::MacAddress, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.11.101.1.2.11.5.1.4", "IGMP Port Map", KtSyn::BitStr, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.11.101.1.2.11.5.1.5", "IGMP IP Group Report Count", KtSyn::Integer, KtAcc::ReadOnly},
    {},
};
const KtCatalogueEntry IGMPSnoopingInformation({.captionPrefix = "IGMP Snooping Information: ",
    .kind = KtViewKind::Table, .itemType = KtItem::MVT_FMV, .keyCount = 2, .table = kIGMPSnoopingInformation,
    .varCount = 5, .heightRule = KtHeightRule::Scaled, .height = 450});

constexpr KtSNMPVarDef kIGMPMulticastVLANGroup[] = {
    {"1.3.6.1.4.1.32473.11.101.1.2.11.8.1.1", "Group VLAN ID", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.11.101.1.2.11.8.1.2", "Group From IP", KtSyn::IpAddress, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.11.101.1.2.11.8.1.3", "Group To IP", KtSyn::IpAddress, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.11.101.1.2.11.8.1.4", "Group Status", KtSyn::Integer, KtAcc::ReadWrite, &olRowStatus},
    {},
};
const KtCatalogueEntry IGMPMulticastVLANGroup({.captionPrefix = "IGMP Multicast VLAN Group: ",
    .kind = KtViewKind::Table, .itemType = KtItem::MVT_UMV, .keyCount = 3, .table = kIGMPMulticastVLANGroup,
    .varCount = 4, .addIndex = 3, .addText = "createAndGo", .deleteIndex = 3, .deleteText = "destroy",
    .noEdit = true});

constexpr KtSNMPVarDef kDHCPBasicConfiguration[] = {
    {"1.3.6.1.4.1.32473.11.101.1.2.8.1", "DHCP Relay State", KtSyn::Integer, KtAcc::ReadWrite, &olOtherDisabledEnabled},
    {"1.3.6.1.4.1.32473.11.101.1.2.8.2", "DHCP Relay Hop Count", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.11.101.1.2.8.3", "DHCP Relay Time Threshold", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.11.101.1.2.8.4", "DHCP Relay Option82 State", KtSyn::Integer, KtAcc::ReadWrite, &olOtherDisabledEnabled},
    {"1.3.6.1.4.1.32473.11.101.1.2.8.5", "DHCP Relay Option82 Check", KtSyn::Integer, KtAcc::ReadWrite, &olOtherDisabledEnabled},
    {"1.3.6.1.4.1.32473.11.101.1.2.8.6", "DHCP Relay Option82 Policy", KtSyn::Integer, KtAcc::ReadWrite, &olOption82Policy},
    {},
};
const KtCatalogueEntry DHCPBasicConfiguration({.captionPrefix = "DHCP Basic Configuration: ",
    .kind = KtViewKind::Editor, .itemType = KtItem::SVT_SV, .keyCount = 0, .table = kDHCPBasicConfiguration,
    .varCount = 6});

constexpr KtSNMPVarDef kPacketStormControl[] = {
    {"1.3.6.1.4.1.32473.12.25.1.2", "Storm Trap Control", KtSyn::Integer, KtAcc::ReadWrite, &olStormTrap},
    {},
};
const KtCatalogueEntry PacketStormControl({.captionPrefix = "Packet Storm Control:", .kind = KtViewKind::Editor,
    .itemType = KtItem::SVT_SV, .keyCount = 0, .table = kPacketStormControl, .varCount = 1});

constexpr KtSNMPVarDef kPacketStormControlTable[] = {
    {"1.3.6.1.4.1.32473.12.25.3.1.1.1", "Storm Control Port Index", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.25.3.1.1.2", "Storm Control Threshold", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.25.3.1.1.3", "Storm Control Broadcast Status", KtSyn::Integer, KtAcc::ReadWrite, &olStormControlStatus},
    {"1.3.6.1.4.1.32473.12.25.3.1.1.4", "Storm Control Multicast Status", KtSyn::Integer, KtAcc::ReadWrite, &olStormControlStatus},
    {"1.3.6.1.4.1.32473.12.25.3.1.1.5", "Storm Control Unicast Status", KtSyn::Integer, KtAcc::ReadWrite, &olStormControlStatus},
    {"1.3.6.1.4.1.32473.12.25.3.1.1.6", "Storm Control Action Status", KtSyn::Integer, KtAcc::ReadWrite, &olStormAction},
    {"1.3.6.1.4.1.32473.12.25.3.1.1.7", "Storm Control Count Down", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.25.3.1.1.8", "Storm Control Time Interval", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.25.3.1.1.9", "Storm Control Shutdown Forever", KtSyn::Integer, KtAcc::ReadOnly, &olYesNo},
    {},
};
const KtCatalogueEntry PacketStormControlTable({.captionPrefix = "Traffic Control Table: ", .kind = KtViewKind::Table,
    .itemType = KtItem::MVT_UMV, .keyCount = 1, .table = kPacketStormControlTable, .varCount = 9,
    .heightRule = KtHeightRule::Scaled, .height = 450});

constexpr KtSNMPVarDef kACLInformation[] = {
    {"1.3.6.1.4.1.32473.12.9.1.2", "ACL Total Used Rule Entries", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.9.1.3", "ACL Total Unused Rule Entries", KtSyn::Integer, KtAcc::ReadOnly},
    {},
};
const KtCatalogueEntry ACLInformation({.captionPrefix = "ACL Information: ", .kind = KtViewKind::Editor,
    .itemType = KtItem::SVT_SV, .keyCount = 0, .table = kACLInformation, .varCount = 2});

constexpr KtSNMPVarDef kACLMaskDeleteAll[] = {
    {"1.3.6.1.4.1.32473.12.9.2.5", "Delete All State", KtSyn::Integer, KtAcc::ReadWrite, &olNoneStart},
    {},
};
const KtCatalogueEntry ACLMaskDeleteAll({.captionPrefix = "ACL Delete All Mask : ", .kind = KtViewKind::Editor,
    .itemType = KtItem::SVT_SV, .keyCount = 0, .table = kACLMaskDeleteAll, .varCount = 1});

constexpr KtSNMPVarDef kCPUFilterControl[] = {
    {"1.3.6.1.4.1.32473.12.9.1.1", "CPU Interface Filtering State", KtSyn::Integer, KtAcc::ReadWrite, &olEnabledDisabled},
    {},
};
const KtCatalogueEntry CPUFilterControl({.captionPrefix = "CPU Filtering Control: ", .kind = KtViewKind::Editor,
    .itemType = KtItem::SVT_SV, .keyCount = 0, .table = kCPUFilterControl, .varCount = 1});

constexpr KtSNMPVarDef kCPUACLMaskDeleteAll[] = {
    {"1.3.6.1.4.1.32473.12.9.4.5", "Delete All State", KtSyn::Integer, KtAcc::ReadWrite, &olNoneStart},
    {},
};
const KtCatalogueEntry CPUACLMaskDeleteAll({.captionPrefix = "CPU ACL Delete All Mask : ", .kind = KtViewKind::Editor,
    .itemType = KtItem::SVT_SV, .keyCount = 0, .table = kCPUACLMaskDeleteAll, .varCount = 1});

constexpr KtSNMPVarDef kEthernetMaskCPUFilter[] = {
    {"1.3.6.1.4.1.32473.12.9.4.1.1.1", "CPU ACL Ethernet Profile ID", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.9.4.1.1.2", "CPU ACL Ethernet Use VLAN", KtSyn::Integer, KtAcc::ReadWrite, &olEnabledDisabled},
    {"1.3.6.1.4.1.32473.12.9.4.1.1.3", "CPU ACL Ethernet MAC Address Mask State", KtSyn::Integer, KtAcc::ReadWrite, &olMacMaskState},
    {"1.3.6.1.4.1.32473.12.9.4.1.1.4", "CPU ACL Ethernet Source MAC Address Mask", KtSyn::MacAddress, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.4.1.1.5", "CPU ACL Ethernet Destination MAC Address Mask", KtSyn::MacAddress, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.4.1.1.6", "CPU ACL Ethernet Use 8021P", KtSyn::Integer, KtAcc::ReadWrite, &olEnabledDisabled},
    {"1.3.6.1.4.1.32473.12.9.4.1.1.7", "CPU ACL Ethernet Use Ethernet Type", KtSyn::Integer, KtAcc::ReadWrite, &olEnabledDisabled},
    {"1.3.6.1.4.1.32473.12.9.4.1.1.8", "CPU ACL Ethernet Row Status", KtSyn::Integer, KtAcc::ReadWrite, &olRowStatus},
    {},
};
constexpr KtViewFormat kEthernetMaskCPUFilterFormats[] = {{0, "%i{n1x5l1}"}, {3, "%s{l12}"}, {4, "%s{l12}"}};
const KtCatalogueEntry EthernetMaskCPUFilter({.captionPrefix = "Ethernet Mask (CPU Filter): ",
    .kind = KtViewKind::Table, .itemType = KtItem::MVT_UMV, .keyCount = 1, .table = kEthernetMaskCPUFilter,
    .varCount = 8, .addIndex = 7, .addText = "createAndGo", .deleteIndex = 7, .deleteText = "destroy", .noEdit = true,
    .formats = kEthernetMaskCPUFilterFormats, .heightRule = KtHeightRule::Scaled, .height = 450});

constexpr KtSNMPVarDef kEthernetRuleCPUFilter[] = {
    {"1.3.6.1.4.1.32473.12.9.5.1.1.1", "Profile ID", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.9.5.1.1.2", "Access ID", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.9.5.1.1.3", "VLAN", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.5.1.1.4", "Rule Source MAC Address", KtSyn::MacAddress, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.5.1.1.5", "Rule Destination MAC Address", KtSyn::MacAddress, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.5.1.1.6", "8021P", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.5.1.1.7", "Ethernet Type", KtSyn::OctetStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.5.1.1.8", "Permit", KtSyn::Integer, KtAcc::ReadWrite, &olDenyPermit},
    {"1.3.6.1.4.1.32473.12.9.5.1.1.9", "Row Status", KtSyn::Integer, KtAcc::ReadWrite, &olRowStatus},
    {"1.3.6.1.4.1.32473.12.9.5.1.1.10", "Port", KtSyn::BitStr, KtAcc::ReadWrite},
    {},
};
constexpr KtViewFormat kEthernetRuleCPUFilterFormats[] = {{0, "%i{n1x5l1}"}, {1, "%i{n1x100l3}"}, {3, "%s{l12}"}, {4, "%s{l12}"}, {6, "%s{l4}"}};
const KtCatalogueEntry EthernetRuleCPUFilter({.captionPrefix = "Ethernet Rule (CPU Filter): ",
    .kind = KtViewKind::Table, .itemType = KtItem::MVT_UMV, .keyCount = 2, .table = kEthernetRuleCPUFilter,
    .varCount = 10, .addIndex = 8, .addText = "createAndGo", .deleteIndex = 8, .deleteText = "destroy",
    .formats = kEthernetRuleCPUFilterFormats, .heightRule = KtHeightRule::Scaled, .height = 450});

constexpr KtSNMPVarDef kIPMaskCPUFilter[] = {
    {"1.3.6.1.4.1.32473.12.9.4.2.1.1", "Profile ID", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.2", "Use VLAN", KtSyn::Integer, KtAcc::ReadWrite, &olEnabledDisabled},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.3", "IP Address Mask State", KtSyn::Integer, KtAcc::ReadWrite, &olIpMaskState},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.4", "IP Address Mask Source", KtSyn::IpAddress, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.5", "IP Address Mask Destination", KtSyn::IpAddress, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.6", "Use DSCP", KtSyn::Integer, KtAcc::ReadWrite, &olEnabledDisabled},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.7", "Use Protocol Type", KtSyn::Integer, KtAcc::ReadWrite, &olIpProtocol},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.8", "ICMP Option", KtSyn::Integer, KtAcc::ReadWrite, &olIcmpOption},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.9", "IGMP Option", KtSyn::Integer, KtAcc::ReadWrite, &olMaskFieldOption},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.10", "TCP Option", KtSyn::Integer, KtAcc::ReadWrite, &olPortMaskOption},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.11", "UDP Option", KtSyn::Integer, KtAcc::ReadWrite, &olPortMaskOption},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.12", "TCP or UDP Srouce Port Mask", KtSyn::OctetStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.13", "TCP or UDP Destination Port Mask", KtSyn::OctetStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.14", "TCP Flag Bit", KtSyn::Integer, KtAcc::ReadWrite, &olMaskFieldOption},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.15", "TCP Flag Bit Mask", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.16", "Protocol ID Option", KtSyn::Integer, KtAcc::ReadWrite, &olMaskFieldOption},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.17", "Protocol ID Mask", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.18", "User Mask", KtSyn::OctetStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.19", "Row Status", KtSyn::Integer, KtAcc::ReadWrite, &olRowStatus},
    {},
};
constexpr KtViewFormat kIPMaskCPUFilterFormats[] = {{0, "%i{n1x5l1}"}, {3, "%s{l16}"}, {4, "%s{l16}"}, {11, "%s{l4}"}, {12, "%s{l4}"}, {14, "%i{n0x63l2}"}, {16, "%i{n0x255l3}"}, {17, "%s{l8}"}};
const KtCatalogueEntry IPMaskCPUFilter({.captionPrefix = "IP Mask (CPU Filter): ", .kind = KtViewKind::Table,
    .itemType = KtItem::MVT_UMV, .keyCount = 1, .table = kIPMaskCPUFilter, .varCount = 19, .addIndex = 18,
    .addText = "createAndGo", .deleteIndex = 18, .deleteText = "destroy", .noEdit = true,
    .formats = kIPMaskCPUFilterFormats, .heightRule = KtHeightRule::Scaled, .height = 450});

constexpr KtSNMPVarDef kIPRuleCPUFilter[] = {
    {"1.3.6.1.4.1.32473.12.9.5.2.1.1", "Profile ID", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.2", "Access ID", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.3", "VLAN", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.4", "Source IP Address", KtSyn::IpAddress, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.5", "Destination IP address", KtSyn::IpAddress, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.6", "DSCP", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.7", "Protocol", KtSyn::Integer, KtAcc::ReadOnly, &olIpProtocol},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.8", "Type", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.9", "Code", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.10", "Source Port", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.11", "Destination Port", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.12", "Flag Bits", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.13", "Protocol ID", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.14", "User Mask", KtSyn::OctetStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.15", "Permit", KtSyn::Integer, KtAcc::ReadWrite, &olDenyPermit},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.16", "Row Status", KtSyn::Integer, KtAcc::ReadWrite, &olRowStatus},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.17", "Port", KtSyn::BitStr, KtAcc::ReadWrite},
    {},
};
constexpr KtViewFormat kIPRuleCPUFilterFormats[] = {{0, "%i{n1x5l1}"}, {1, "%i{n1x100l3}"}, {3, "%s{l16}"}, {4, "%s{l16}"}, {5, "%i{n0x63l2}"}, {7, "%i{n0x255l3}"}, {8, "%i{n0x255l3}"}, {9, "%i{n0x65535l5}"}, {10, "%i{n0x65535l5}"}, {11, "%i{n0x63l2}"}, {12, "%i{n0x255l3}"}, {13, "%s{l8}"}};
const KtCatalogueEntry IPRuleCPUFilter({.captionPrefix = "IP Rule (CPU Filter): ", .kind = KtViewKind::Table,
    .itemType = KtItem::MVT_UMV, .keyCount = 2, .table = kIPRuleCPUFilter, .varCount = 17, .addIndex = 15,
    .addText = "createAndGo", .deleteIndex = 15, .deleteText = "destroy", .formats = kIPRuleCPUFilterFormats,
    .heightRule = KtHeightRule::Scaled, .height = 450});

constexpr KtSNMPVarDef kPacketContentMaskCPUFilter[] = {
    {"1.3.6.1.4.1.32473.12.9.4.3.1.1", "Profile ID", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.9.4.3.1.2", "Packet Content Offset Mask[1-15]", KtSyn::OctetStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.4.3.1.3", "Packet Content Offset Mask[16-31]", KtSyn::OctetStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.4.3.1.4", "Packet Content Offset Mask[32-47]", KtSyn::OctetStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.4.3.1.5", "Packet Content Offset Mask[48-63]", KtSyn::OctetStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.4.3.1.6", "Packet Content Offset Mask[64-79]", KtSyn::OctetStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.4.3.1.7", "Row Status", KtSyn::Integer, KtAcc::ReadWrite, &olRowStatus},
    {},
};
constexpr KtViewFormat kPacketContentMaskCPUFilterFormats[] = {{0, "%i{n1x5l1}"}, {1, "%s{l32}"}, {2, "%s{l32}"}, {3, "%s{l32}"}, {4, "%s{l32}"}, {5, "%s{l32}"}};
const KtCatalogueEntry PacketContentMaskCPUFilter({.captionPrefix = "Packet Content Mask (CPU Filter): ",
    .kind = KtViewKind::Table, .itemType = KtItem::MVT_UMV, .keyCount = 1, .table = kPacketContentMaskCPUFilter,
    .varCount = 7, .addIndex = 6, .addText = "createAndGo", .deleteIndex = 6, .deleteText = "destroy", .noEdit = true,
    .formats = kPacketContentMaskCPUFilterFormats, .heightRule = KtHeightRule::Scaled, .height = 450});

constexpr KtSNMPVarDef kPacketContentRuleCPUFilter[] = {
    {"1.3.6.1.4.1.32473.12.9.5.3.1.1", "Profile ID", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.9.5.3.1.2", "Access ID", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.9.5.3.1.3", "Payload Offset [1-15]", KtSyn::OctetStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.5.3.1.4", "Payload Offset [16-31]", KtSyn::OctetStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.5.3.1.5", "Payload Offset [32-47]", KtSyn::OctetStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.5.3.1.6", "Payload Offset [48-63]", KtSyn::OctetStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.5.3.1.7", "Payload Offset [64-79]", KtSyn::OctetStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.5.3.1.8", "Permit", KtSyn::Integer, KtAcc::ReadWrite, &olDenyPermit},
    {"1.3.6.1.4.1.32473.12.9.5.3.1.9", "Row Status", KtSyn::Integer, KtAcc::ReadWrite, &olRowStatus},
    {"1.3.6.1.4.1.32473.12.9.5.3.1.10", "Port", KtSyn::BitStr, KtAcc::ReadWrite},
    {},
};
constexpr KtViewFormat kPacketContentRuleCPUFilterFormats[] = {{0, "%i{n1x5l1}"}, {1, "%i{n1x100l3}"}, {2, "%s{l32}"}, {3, "%s{l32}"}, {4, "%s{l32}"}, {5, "%s{l32}"}, {6, "%s{l32}"}};
const KtCatalogueEntry PacketContentRuleCPUFilter({.captionPrefix = "Packet Content Rule (CPU Filter): ",
    .kind = KtViewKind::Table, .itemType = KtItem::MVT_UMV, .keyCount = 2, .table = kPacketContentRuleCPUFilter,
    .varCount = 10, .addIndex = 8, .addText = "createAndGo", .deleteIndex = 8, .deleteText = "destroy",
    .formats = kPacketContentRuleCPUFilterFormats, .heightRule = KtHeightRule::Scaled, .height = 450});

constexpr KtSNMPVarDef kIPv6MaskInformationCPUFilter[] = {
    {"1.3.6.1.4.1.32473.12.9.4.4.1.1", "Profile ID", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.9.4.4.1.2", "Class", KtSyn::Integer, KtAcc::ReadWrite, &olMaskFieldOption},
    {"1.3.6.1.4.1.32473.12.9.4.4.1.3", "Flowlabel", KtSyn::Integer, KtAcc::ReadWrite, &olMaskFieldOption},
    {"1.3.6.1.4.1.32473.12.9.4.4.1.4", "Mask State", KtSyn::Integer, KtAcc::ReadWrite, &olIpv6MaskState},
    {"1.3.6.1.4.1.32473.12.9.4.4.1.5", "Source IPv6 Mask", KtSyn::Ipv6Address, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.4.4.1.6", "Destination IPv6 Mask", KtSyn::Ipv6Address, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.4.4.1.7", "Row Status", KtSyn::Integer, KtAcc::ReadWrite, &olRowStatus},
    {},
};
constexpr KtViewFormat kIPv6MaskInformationCPUFilterFormats[] = {{0, "%i{n1x5l1}"}, {4, "%s{l32}"}, {5, "%s{l32}"}};
const KtCatalogueEntry IPv6MaskInformationCPUFilter({.captionPrefix = "IPV6 Mask Information(CPU Filter): ",
    .kind = KtViewKind::Table, .itemType = KtItem::MVT_UMV, .keyCount = 1, .table = kIPv6MaskInformationCPUFilter,
    .varCount = 7, .addIndex = 6, .addText = "createAndGo", .deleteIndex = 6, .deleteText = "destroy", .noEdit = true,
    .formats = kIPv6MaskInformationCPUFilterFormats, .heightRule = KtHeightRule::Scaled, .height = 450});

constexpr KtSNMPVarDef kIPv6RuleCPUFilter[] = {
    {"1.3.6.1.4.1.32473.12.9.5.4.1.1", "Profile ID", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.9.5.4.1.2", "Access ID", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.9.5.4.1.3", "Class", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.5.4.1.4", "Flowlabel", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.5.4.1.5", "Source IPv6 Address", KtSyn::Ipv6Address, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.5.4.1.6", "Destination IPv6 Address", KtSyn::Ipv6Address, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.5.4.1.7", "Permit", KtSyn::Integer, KtAcc::ReadWrite, &olDenyPermit},
    {"1.3.6.1.4.1.32473.12.9.5.4.1.8", "Row Status", KtSyn::Integer, KtAcc::ReadWrite, &olRowStatus},
    {"1.3.6.1.4.1.32473.12.9.5.4.1.9", "Port", KtSyn::BitStr, KtAcc::ReadWrite},
    {},
};
constexpr KtViewFormat kIPv6RuleCPUFilterFormats[] = {{0, "%i{n1x5l1}"}, {1, "%i{n1x100l3}"}, {2, "%i{n0x255l3}"}, {3, "%s{l8}"}, {4, "%s{l32}"}, {5, "%s{l32}"}};
const KtCatalogueEntry IPv6RuleCPUFilter({.captionPrefix = "IPv6 Rule (CPU Filter): ", .kind = KtViewKind::Table,
    .itemType = KtItem::MVT_UMV, .keyCount = 2, .table = kIPv6RuleCPUFilter, .varCount = 9, .addIndex = 7,
    .addText = "createAndGo", .deleteIndex = 7, .deleteText = "destroy", .formats = kIPv6RuleCPUFilterFormats,
    .heightRule = KtHeightRule::Scaled, .height = 450});

constexpr KtSNMPVarDef kTimeRangeACLTable[] = {
    {"1.3.6.1.4.1.32473.12.50.3.2.1.1", "TimeRange ACL Profile ID", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.50.3.2.1.2", "TimeRange ACL Access ID", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.50.3.2.1.3", "TimeRange ACL Time Range Name", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {},
};
const KtCatalogueEntry TimeRangeACLTable({.captionPrefix = "Time Range ACL Table: ", .kind = KtViewKind::Table,
    .itemType = KtItem::MVT_UMV, .keyCount = 2, .table = kTimeRangeACLTable, .varCount = 3});

constexpr KtSNMPVarDef kTimeRangeCPUACLTable[] = {
    {"1.3.6.1.4.1.32473.12.50.3.3.1.1", "Time Range CPU ACL Profile ID", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.50.3.3.1.2", "Time Range CPU ACL Access ID", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.50.3.3.1.3", "Time Range CPU ACL Time Range Name", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {},
};
const KtCatalogueEntry TimeRangeCPUACLTable({.captionPrefix = "Time Range CPU ACL Table: ", .kind = KtViewKind::Table,
    .itemType = KtItem::MVT_UMV, .keyCount = 2, .table = kTimeRangeCPUACLTable, .varCount = 3});

constexpr KtSNMPVarDef kAggregatorTable[] = {
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.1", "Index", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.2", "MAC Address", KtSyn::MacAddress, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.3", "Actor System Priority", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.4", "Actor System ID", KtSyn::MacAddress, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.5", "Aggregate Or Individual", KtSyn::Integer, KtAcc::ReadOnly, &olTrueFalse},
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.6", "Actor Admin value Key", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.7", "Actor Operational Value Key", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.8", "Partner System ID", KtSyn::MacAddress, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.9", "Partner System Priority", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.10", "Partner Operational Value Key", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.11", "Collector Max Delay", KtSyn::Integer, KtAcc::ReadOnly},
    {},
};
const KtCatalogueEntry AggregatorTable({.captionPrefix = "Aggregator Table: ", .kind = KtViewKind::Table,
    .itemType = KtItem::MVT_FMV, .keyCount = 1, .table = kAggregatorTable, .varCount = 11});

constexpr KtSNMPVarDef kAggregatorPortList[] = {
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.1", "Index", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.4.1.1.2.1.1", "Ports                ", KtSyn::BitStr, KtAcc::ReadOnly},
    {},
};
const KtCatalogueEntry AggregatorPortList({.captionPrefix = "Aggregator Port List Table: ", .kind = KtViewKind::Table,
    .itemType = KtItem::MVT_FMV, .keyCount = 1, .table = kAggregatorPortList, .varCount = 2,
    .heightRule = KtHeightRule::Scaled, .height = 450});

constexpr KtSNMPVarDef kMLDSnoopingManagement[] = {
    {"1.3.6.1.4.1.32473.12.34.1.1", "MLD Snooping Global State", KtSyn::Integer, KtAcc::ReadWrite, &olOtherDisabledEnabled},
    {"1.3.6.1.4.1.32473.12.34.3.1", "MLD Snooping Max Supported VLAN", KtSyn::Integer, KtAcc::ReadOnly},
    {},
};
const KtCatalogueEntry MLDSnoopingManagement({.captionPrefix = "MLD Snooping Management: ",
    .kind = KtViewKind::Editor, .itemType = KtItem::SVT_SV, .keyCount = 0, .table = kMLDSnoopingManagement,
    .varCount = 2});

constexpr KtSNMPVarDef kMLDSnoopingControl[] = {
    {"1.3.6.1.4.1.32473.12.34.3.2.1.1", "MLD Snooping Control VLAN ID", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.34.3.2.1.2", "MLD Snooping Query Interval", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.34.3.2.1.3", "MLD Snooping Max Response Time", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.34.3.2.1.4", "MLD Snooping Robustness", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.34.3.2.1.5", "MLD Snooping Last Member Query Interval", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.34.3.2.1.6", "MLD Snooping Host Timeout", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.34.3.2.1.7", "MLD Snooping Route Timeout", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.34.3.2.1.8", "MLD Snooping Done Timer", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.34.3.2.1.9", "MLD Snooping Query State", KtSyn::Integer, KtAcc::ReadWrite, &olOtherDisabledEnabled},
    {"1.3.6.1.4.1.32473.12.34.3.2.1.10", "MLD Snooping Current State", KtSyn::Integer, KtAcc::ReadOnly, &olOtherQuerierState},
    {"1.3.6.1.4.1.32473.12.34.3.2.1.11", "MLD Snooping Control State", KtSyn::Integer, KtAcc::ReadWrite, &olOtherDisableEnable},
    {"1.3.6.1.4.1.32473.12.34.3.2.1.12", "MLD Snooping Fast Done State", KtSyn::Integer, KtAcc::ReadWrite, &olOtherDisableEnable},
    {"1.3.6.1.4.1.32473.12.34.3.2.1.13", "MLD Snooping Version", KtSyn::Integer, KtAcc::ReadWrite, &olMldVersion},
    {},
};
const KtCatalogueEntry MLDSnoopingControl({.captionPrefix = "MLD Snooping Control: ", .kind = KtViewKind::Table,
    .itemType = KtItem::MVT_UMV, .keyCount = 1, .table = kMLDSnoopingControl, .varCount = 13,
    .heightRule = KtHeightRule::Scaled, .height = 450});

} // namespace catalogue
