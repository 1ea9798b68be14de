#include "dialogs/tables/DialogTables.h"

#include "dialogs/tables/Layer2Tables.h"
#include "dialogs/tables/SecurityTables.h"
#include "dialogs/tables/StpTables.h"
#include "dialogs/tables/TrunkTable.h"

#include <cstring>
#include <initializer_list>
#include <stdexcept>
#include <string>

namespace {

// A dialog's scalar group, as its "Set" writes it.
KtSnapshotSource Scalars(const KtSNMPVarDef* table, const char* caption)
{
    return {table, KtItem::SVT_SV, 0, QString::fromLatin1(caption)};
}

// A dialog's table with the item type and key count of its request; a row-status variable, if
// any, is found by its options ("createAndGo").
KtSnapshotSource Rows(const KtSNMPVarDef* table, std::uint8_t itemType, std::int32_t keyCount, const char* caption)
{
    return {table, itemType, keyCount, QString::fromLatin1(caption)};
}

// A table whose rows are made and removed by a status variable of its own words.
KtSnapshotSource Rows(const KtSNMPVarDef* table, std::uint8_t itemType, std::int32_t keyCount, const char* caption,
                      int statusIndex, const char* createText, const char* destroyText)
{
    KtSnapshotSource s = Rows(table, itemType, keyCount, caption);
    s.statusIndex = statusIndex;
    s.createText = createText;
    s.destroyText = destroyText;
    return s;
}

// The same source with the variables of these labels marked as actions (a reboot, a clean, a
// delete: never saved, never restored). A label the table lacks is a mistake of this file.
KtSnapshotSource Acting(KtSnapshotSource s, std::initializer_list<const char*> labels)
{
    for (const char* label : labels) {
        int found = -1;
        for (int i = 0; s.table[i].oid; ++i)
            if (s.table[i].label && std::strcmp(s.table[i].label, label) == 0)
                found = i;
        if (found < 0)
            throw std::logic_error(std::string("no variable '") + label + "' in the table of " + s.caption.toStdString());
        s.actions.push_back(found);
    }
    return s;
}

} // namespace

std::vector<KtSnapshotSource> KtDialogSnapshotSources()
{
    using namespace Layer2Tables;
    using namespace SecurityTables;
    constexpr std::uint8_t kUmv = KtItem::MVT_UMV, kFmv = KtItem::MVT_FMV;
    // Captions as the menu names the dialogs. Item types and key counts as the dialogs' requests
    // have them. An object several dialogs (or a generic view) name is saved once, under the
    // first source naming it.
    return {
        // Basic Configuration
        Acting(Rows(ConfigControl::kConfigControl, kUmv, 1,
                    "Basic Configuration / Agent Management / Multiple Config Management / Multiple Config Control"),
               {"Config Action"}),
        Rows(kLogHost, kUmv, 1, "Basic Configuration / System Log / System Log Server Table"),
        Scalars(SummerTime::kSummerTime, "Basic Configuration / Time Management / Summer Time"),
        Rows(Dot3Pause::kPauseTable, kFmv, 1, "Basic Configuration / EtherLike-MIB / dot3 Pause Table"),
        // RMON
        Acting(Scalars(ProbeInformation::kProbe, "RMON / Probe Config / Probe Basic Information"), {"Reset Control"}),
        // Bridge
        Scalars(StpTables::kAlgorithm, "Bridge / Spanning Tree Algorithm"),
        Scalars(StpTables::kBridgeSettings, "Bridge / Spanning Tree / STP Control"),
        Scalars(StpTables::kMstpSettings, "Bridge / Spanning Tree / STP Control"),
        Scalars(StpTables::kVersion, "Bridge / Spanning Tree / Port State Information"),
        Rows(MstpPortState::kMstpPort, kUmv, 1, "Bridge / Spanning Tree / Port State Information"),
        // VLAN
        Rows(Garp::kGarp, kFmv, 1, "VLAN / 802.1P / GARP"),
        Scalars(VlanInformation::kBase, "VLAN / 802.1Q / 802.1Q Bridge / Basic Configure"),
        Rows(VlanInformation::kPortVlan, kFmv, 1, "VLAN / 802.1Q / 802.1Q Bridge / Ports Information"),
        Rows(ForwardingInformation::kForwardAll, kFmv, 1,
             "VLAN / 802.1Q / Forwarding/Filtering / Multicast Forwarding Information"),
        Rows(ForwardingInformation::kForwardUnregistered, kFmv, 1,
             "VLAN / 802.1Q / Forwarding/Filtering / Forward Unregistered Information"),
        Rows(kVlanStatic, kUmv, 1, "VLAN / 802.1Q / 802.1Q VLAN / Static Table"),
        Rows(StaticFilter::kUnicast, kUmv, StaticFilter::kKeyCount, "VLAN / 802.1Q / Static Filtering / Unicast Information",
             StaticFilter::kStatus, "permanent", "invalid"),
        Rows(StaticFilter::kMulticast, kUmv, StaticFilter::kKeyCount,
             "VLAN / 802.1Q / Static Filtering / Multicast Information", StaticFilter::kStatus, "permanent", "invalid"),
        // Security Management
        Scalars(MbaControl::kSettings, "Security Management / 802.1X / MAC_Based Access Control / MBA Control"),
        Scalars(MbaControl::kVlan, "Security Management / 802.1X / MAC_Based Access Control / MBA Control"),
        Acting(Scalars(MbaControl::kDelete, "Security Management / 802.1X / MAC_Based Access Control / MBA Control"),
               {"VLAN Name Delete State"}),
        Scalars(VlanInformation::kGuestSettings, "Security Management / 802.1X / Guest VLAN"),
        Acting(Scalars(VlanInformation::kGuestDelete, "Security Management / 802.1X / Guest VLAN"),
               {"Guest VLAN Delete State"}),
        Rows(kRadiusServer, kUmv, 1, "Security Management / RADIUS Management / RADIUS Server Table"),
        Rows(MethodList::kLoginTable, kUmv, 1, "Security Management / AAC / Login Method Control"),
        Rows(MethodList::kEnableTable, kUmv, 1, "Security Management / AAC / Enable Method Control"),
        Rows(AuthServer::kServerTable, kUmv, 2, "Security Management / AAC / Server Information"),
        Rows(AuthServer::kServerControl, kUmv, 3, "Security Management / AAC / Server Control", AuthServer::kRowState,
             "add", "delete"),
        Scalars(Ssl::kSsl, "Security Management / SSL / SSL Management"),
        Scalars(Bulwark::kBulwark, "Security Management / Bulwark_Engine / Bulwark Control"),
        Rows(IpMacBinding::kBinding, kUmv, 1, "Security Management / IP-MAC Bind / Binding Table"),
        Acting(Rows(IpMacBinding::kBlocked, kUmv, 2, "Security Management / IP-MAC Bind / Binding Blocked Table"),
               {"Blocked Type"}),
        // Layer 2 Management
        Acting(Scalars(Layer2Control::kMain, "Layer 2 Management / Layer2 Device Control"),
               {"Clean All Statistic Counter"}),
        Scalars(Layer2Control::kWebPort, "Layer 2 Management / Layer2 Device Control"),
        Scalars(Layer2Control::kTelnetPort, "Layer 2 Management / Layer2 Device Control"),
        Rows(TrunkTable::kDefs, kUmv, TrunkTable::kKeyCount, "Layer 2 Management / Port Management / Port Trunk Table"),
        Scalars(PortMirror::kPortMirror, "Layer 2 Management / Port Management / Port Mirror Table"),
        Acting(Scalars(PortSecurityDelete::kDelete,
                       "Layer 2 Management / Port Management / Port Security Management / Port Security Delete"),
               {"Delete VLAN Name", "Delete Port", "Delete MAC Address", "Delete Activity"}),
        Rows(RouterPorts::kIgmpRouterPorts, kFmv, 1,
             "Layer 2 Management / IGMP Snooping Management / IGMP Snooping Router Ports"),
        Acting(Rows(IgmpMulticastVlan::kMcastVlan, kUmv, 1,
                    "Layer 2 Management / IGMP Snooping Management / IGMP Multicast VLAN Table"),
               {"VLAN Remove All Multicast Address List Action"}),
        Rows(DhcpRelay::kDhcpRelay, kFmv, 2, "Layer 2 Management / DHCP Management / DHCP Control Table",
             DhcpRelay::kState, "valid", "invalid"),
        Rows(TrafficSegmentation::kTrafficSegmentation, kUmv, 1, "Layer 2 Management / Traffic Segmentation Table"),
        Rows(MaskInformation::kEthernetMask, kUmv, 1,
             "Layer 2 Management / Access Control Information / Ethernet Mask Information"),
        Rows(EthernetRule::kEthernetRule, kUmv, 2,
             "Layer 2 Management / Access Control Information / Ethernet Information Rule"),
        Rows(MaskInformation::kIpMask, kUmv, 1, "Layer 2 Management / Access Control Information / IP Mask Information"),
        Rows(IpRule::kIpRule, kUmv, 2, "Layer 2 Management / Access Control Information / IP Rule"),
        Rows(Ipv6Mask::kIpv6Mask, kUmv, 1, "Layer 2 Management / Access Control Information / IPv6 Mask Information"),
        Rows(Ipv6Rule::kIpv6Rule, kUmv, 2, "Layer 2 Management / Access Control Information / IPv6 Rule"),
        Rows(TimeRange::kTimeRange, kUmv, 1, "Layer 2 Management / Time Range / Time Range Management"),
        Rows(AggregatorPort::kAggregatorPortTable, kFmv, 1, "Layer 2 Management / 802.3 ad / Aggregator Port Table"),
        Rows(RouterPorts::kMldRouterPorts, kFmv, 1, "Layer 2 Management / MLD Snooping / Router Ports"),
    };
}
