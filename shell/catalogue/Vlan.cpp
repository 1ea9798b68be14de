// Generic views under "VLAN", in menu order: each view's definition table and its
// named entry (declared in CatalogueEntries.h, opened by the menu line that names it).
#include "shell/catalogue/CatalogueEntries.h"
#include "shell/catalogue/ViewOptionLists.h"

namespace catalogue {

constexpr KtSNMPVarDef kDefaultUserPrioritiesOfEachPort[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "Port Number", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.2.1.17.6.1.2.1.1.1", "Default User Priority", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.2.1.17.6.1.2.1.1.2", "Port Num Traffic Classes", KtSyn::Integer, KtAcc::ReadOnly},
    {},
};
const KtCatalogueEntry DefaultUserPrioritiesOfEachPort({.captionPrefix = "Default User Priorities of Each Port: ",
    .kind = KtViewKind::Table, .itemType = KtItem::MVT_FMV, .keyCount = 1, .table = kDefaultUserPrioritiesOfEachPort,
    .varCount = 3, .heightRule = KtHeightRule::Scaled, .height = 450});

constexpr KtSNMPVarDef kRegeneratedUserPriorities[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "Port Number", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.2.1.17.6.1.2.2.1.1", "User Priority", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.2.1.17.6.1.2.2.1.2", "Regenerated User Priority", KtSyn::Integer, KtAcc::ReadWrite},
    {},
};
const KtCatalogueEntry RegeneratedUserPriorities({.captionPrefix = "Regenerated User Priorities: ",
    .kind = KtViewKind::Table, .itemType = KtItem::MVT_FMV, .keyCount = 2, .table = kRegeneratedUserPriorities,
    .varCount = 3, .heightRule = KtHeightRule::Scaled, .height = 450});

constexpr KtSNMPVarDef kUserPrioritiesToTrafficClass[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "Port Number", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.2.1.17.6.1.2.3.1.1", "Traffic Class Priority", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.2.1.17.6.1.2.3.1.2", "Mapped Traffic Class", KtSyn::Integer, KtAcc::ReadWrite},
    {},
};
const KtCatalogueEntry UserPrioritiesToTrafficClass({.captionPrefix = "User Priorities To Traffic Class: ",
    .kind = KtViewKind::Table, .itemType = KtItem::MVT_FMV, .keyCount = 2, .table = kUserPrioritiesToTrafficClass,
    .varCount = 3, .heightRule = KtHeightRule::Scaled, .height = 450});

constexpr KtSNMPVarDef kPortOutboundAccessPriorities[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "Port Number", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.2.1.17.6.1.2.2.1.2", "Regenerated User Priority", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.2.1.17.6.1.2.4.1.1", "Port Outbound Access Priority", KtSyn::Integer, KtAcc::ReadOnly},
    {},
};
const KtCatalogueEntry PortOutboundAccessPriorities({.captionPrefix = "Port Outbound Access Priorities: ",
    .kind = KtViewKind::Table, .itemType = KtItem::MVT_FMV, .keyCount = 2, .table = kPortOutboundAccessPriorities,
    .varCount = 3, .heightRule = KtHeightRule::Scaled, .height = 450});

constexpr KtSNMPVarDef kHighCapacityPortTable[] = {
    {"1.3.6.1.2.1.17.4.4.1.1", " Port Index", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.17.4.5.1.1", "HC Port In Frames", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.17.4.5.1.2", "HC Port Out Frames", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.17.4.5.1.3", "HC Port In Discards", KtSyn::Integer, KtAcc::ReadOnly},
    {},
};
const KtCatalogueEntry HighCapacityPortTable({.captionPrefix = "High Capacity Port Table: ",
    .kind = KtViewKind::Table, .itemType = KtItem::MVT_FMV, .keyCount = 0, .table = kHighCapacityPortTable,
    .varCount = 4});

constexpr KtSNMPVarDef kPortOverflow[] = {
    {"1.3.6.1.2.1.17.4.4.1.1", " Port Index", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.17.4.6.1.1", "In Overflow Frames", KtSyn::Counter, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.17.4.6.1.2", "Out Overflow Frames", KtSyn::Counter, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.17.4.6.1.3", "In Overflow Discards", KtSyn::Counter, KtAcc::ReadOnly},
    {},
};
const KtCatalogueEntry PortOverflow({.captionPrefix = "High Capacity Port Overflow Table: ",
    .kind = KtViewKind::Table, .itemType = KtItem::MVT_FMV, .keyCount = 0, .table = kPortOverflow, .varCount = 4});

constexpr KtSNMPVarDef kUnicastForwardingInformation[] = {
    {"1.3.6.1.2.1.17.7.1.2.1.1.1", "FDB ID", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.2.1.17.7.1.2.2.1.1", "FDB MAC Address", KtSyn::MacAddress, KtAcc::NotAccess},
    {"1.3.6.1.2.1.17.7.1.2.2.1.2", "Port Number", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.17.7.1.2.2.1.3", "Status", KtSyn::Integer, KtAcc::ReadOnly, &olFdbStatus},
    {},
};
const KtCatalogueEntry UnicastForwardingInformation({.captionPrefix = "Unicast Forwarding Information: ",
    .kind = KtViewKind::Table, .itemType = KtItem::MVT_FMV, .keyCount = 2, .table = kUnicastForwardingInformation,
    .varCount = 4, .heightRule = KtHeightRule::Scaled, .height = 450});

constexpr KtSNMPVarDef kFilteringDatabase[] = {
    {"1.3.6.1.2.1.17.7.1.2.1.1.1", "FDB ID", KtSyn::Gauge, KtAcc::NotAccess},
    {"1.3.6.1.2.1.17.7.1.2.1.1.2", "FDB Dynamic Count", KtSyn::Counter, KtAcc::ReadOnly},
    {},
};
const KtCatalogueEntry FilteringDatabase({.captionPrefix = "Filtering Database: ", .kind = KtViewKind::Table,
    .itemType = KtItem::MVT_FMV, .keyCount = 1, .table = kFilteringDatabase, .varCount = 2});

constexpr KtSNMPVarDef kFilteringInformation[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.2", "VLAN ID", KtSyn::Gauge, KtAcc::NotAccess},
    {"1.3.6.1.2.1.17.7.1.2.3.1.1", "Group Address", KtSyn::MacAddress, KtAcc::NotAccess},
    {"1.3.6.1.2.1.17.7.1.2.3.1.2", "Egress Ports", KtSyn::OctetStr, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.17.7.1.2.3.1.3", "GMRP Learnt Ports", KtSyn::OctetStr, KtAcc::ReadOnly},
    {},
};
const KtCatalogueEntry FilteringInformation({.captionPrefix = "Filtering information: ", .kind = KtViewKind::Table,
    .itemType = KtItem::MVT_FMV, .keyCount = 2, .table = kFilteringInformation, .varCount = 4});

constexpr KtSNMPVarDef kPVIDVLANAutoAssignmentState[] = {
    {"1.3.6.1.4.1.32473.11.101.1.2.2.2", "PVID Auto Assignment State", KtSyn::Integer, KtAcc::ReadWrite, &olEnabledDisabled},
    {},
};
const KtCatalogueEntry PVIDVLANAutoAssignmentState({.captionPrefix = "PVID VLAN Auto Assignment State: ",
    .kind = KtViewKind::Editor, .itemType = KtItem::SVT_SV, .keyCount = 0, .table = kPVIDVLANAutoAssignmentState,
    .varCount = 1});

constexpr KtSNMPVarDef kVLANStaticManagement[] = {
    {"1.3.6.1.4.1.32473.11.101.1.2.2.1.1.1", "VLAN Index", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.11.101.1.2.2.1.1.2", "VLAN Advertisement", KtSyn::Integer, KtAcc::ReadWrite, &olEnabledDisabled},
    {},
};
const KtCatalogueEntry VLANStaticManagement({.captionPrefix = "VLAN Static Management : ", .kind = KtViewKind::Table,
    .itemType = KtItem::MVT_UMV, .keyCount = 1, .table = kVLANStaticManagement, .varCount = 2});

} // namespace catalogue
