// Generic views under "Bridge", in menu order: each view's definition table and its
// named entry (declared in CatalogueEntries.h, opened by the menu line that names it).
#include "shell/catalogue/CatalogueEntries.h"
#include "shell/catalogue/ViewOptionLists.h"

namespace catalogue {

constexpr KtSNMPVarDef kBridge8021dInformation[] = {
    {"1.3.6.1.2.1.17.1.2", "Number of Ports", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.17.4.1", "Learned Entry Discards", KtSyn::Counter, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.17.4.2", "Aging Time[10-1000000]", KtSyn::Integer, KtAcc::ReadWrite},
    {},
};
const KtCatalogueEntry Bridge8021dInformation({.captionPrefix = "Bridge 802.1d Information: ",
    .kind = KtViewKind::Editor, .itemType = KtItem::SVT_SV, .keyCount = 0, .table = kBridge8021dInformation,
    .varCount = 3});

constexpr KtSNMPVarDef kConfigurationIdentification[] = {
    {"1.3.6.1.4.1.32473.12.15.2.1", "MSTP Name", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.15.2.2", "MSTP Revision Level", KtSyn::Integer, KtAcc::ReadWrite},
    {},
};
const KtCatalogueEntry ConfigurationIdentification({.captionPrefix = "MSTP Configuration Identification: ",
    .kind = KtViewKind::Editor, .itemType = KtItem::SVT_SV, .keyCount = 0, .table = kConfigurationIdentification,
    .varCount = 2, .heightRule = KtHeightRule::AddScaled, .height = 20});

constexpr KtSNMPVarDef kInstanceInformation[] = {
    {"1.3.6.1.4.1.32473.12.15.2.3.1.1", "MSTP Instance ID", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.2", "VLAN Range [1-64]", KtSyn::OctetStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.3", "VLAN Range [65-128]", KtSyn::OctetStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.4", "VLAN Range [129-192]", KtSyn::OctetStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.5", "VLAN Range [193-256]", KtSyn::OctetStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.6", "VLAN Range [257-320]", KtSyn::OctetStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.7", "VLAN Range [321-384]", KtSyn::OctetStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.8", "VLAN Range [385-448]", KtSyn::OctetStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.9", "VLAN Range [449-512]", KtSyn::OctetStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.10", "Type", KtSyn::Integer, KtAcc::ReadOnly, &olMstInstanceType},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.11", "Status", KtSyn::Integer, KtAcc::ReadOnly, &olEnabledDisabled},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.12", "Priority", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.13", "Designated Root Bridge", KtSyn::OctetStr, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.14", "External Root Cost", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.15", "Regional Root Bridge", KtSyn::OctetStr, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.16", "Internal Root Cost", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.17", "Designated Bridge", KtSyn::OctetStr, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.18", "Root Port", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.19", "Max Age", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.20", "Forward Delay", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.21", "Last Topology Change", KtSyn::TimeTicks, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.22", "Top Changes Count", KtSyn::Counter, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.23", "Remain Hops", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.24", "Row Status", KtSyn::Integer, KtAcc::ReadWrite, &olRowStatus},
    {},
};
const KtCatalogueEntry InstanceInformation({.captionPrefix = "MSTP Instance Control: ", .kind = KtViewKind::Table,
    .itemType = KtItem::MVT_UMV, .keyCount = 1, .table = kInstanceInformation, .varCount = 24, .addIndex = 23,
    .addText = "createAndGo", .deleteIndex = 23, .deleteText = "destroy"});

constexpr KtSNMPVarDef kPortMSTPInformation[] = {
    {"1.3.6.1.4.1.32473.12.15.2.5.1.1", "MST Port", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.15.2.5.1.2", "MST Port Instance ID", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.15.2.5.1.3", "MST Port Designated Bridge", KtSyn::OctetStr, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.15.2.5.1.4", "MST Port Internal Path Cost", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.15.2.5.1.5", "MST Port Priority", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.15.2.5.1.6", "MST Port Status", KtSyn::Integer, KtAcc::ReadOnly, &olMstPortStatus},
    {"1.3.6.1.4.1.32473.12.15.2.5.1.7", "MST Port Role", KtSyn::Integer, KtAcc::ReadOnly, &olMstPortRole},
    {},
};
const KtCatalogueEntry PortMSTPInformation({.captionPrefix = "Port MSTP Information: ", .kind = KtViewKind::Table,
    .itemType = KtItem::MVT_UMV, .keyCount = 2, .table = kPortMSTPInformation, .varCount = 7});

constexpr KtSNMPVarDef kSTPPortTable[] = {
    {"1.3.6.1.2.1.17.2.15.1.1", "Port", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.2.1.17.2.15.1.2", "Priority", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.2.1.17.2.15.1.3", "Status        ", KtSyn::Integer, KtAcc::ReadOnly, &olStpPortStatus},
    {"1.3.6.1.2.1.17.2.15.1.4", "State  ", KtSyn::Integer, KtAcc::ReadWrite, &olEnabledDisabled},
    {"1.3.6.1.2.1.17.2.15.1.5", "Path Cost", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.2.1.17.2.15.1.6", "Designated Root", KtSyn::DisplayStr, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.17.2.15.1.7", "Designated Cost", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.17.2.15.1.8", "Designated Bridge", KtSyn::DisplayStr, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.17.2.15.1.9", "Designated Port", KtSyn::DisplayStr, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.17.2.15.1.10", "Forward Transitions", KtSyn::Counter, KtAcc::ReadOnly},
    {},
};
const KtCatalogueEntry STPPortTable({.captionPrefix = "Spanning Tree Port Table: ", .kind = KtViewKind::Table,
    .itemType = KtItem::MVT_FMV, .keyCount = 1, .table = kSTPPortTable, .varCount = 10});

} // namespace catalogue
