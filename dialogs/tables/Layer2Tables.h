#pragma once
// Definition tables of layer-2 dialogs (bridge, VLAN, layer 2 management and the device-wide
// settings beside them) that name read-write objects, kept free of widgets so that the
// configuration snapshots read the same objects the dialogs show. Each dialog includes its
// tables from here: the static VLANs at the top, the others in a namespace per dialog or family
// (`using namespace Layer2Tables::PortMirror;`). The spanning tree's scalars are in StpTables.h,
// the port trunks in TrunkTable.h.
#include "KtNML/KtOptionList.h"
#include "KtNML/KtSNMPVarList.h"
#include "dialogs/tables/StpTables.h"

#include <iterator>

namespace Layer2Tables {

extern const KtOptionList olVlanRowStatus;

// The static VLANs (TVlanStaticForm): dot1qVlanStaticTable.
inline const KtSNMPVarDef kVlanStatic[] = {
    {"", "VLAN ID", KtSyn::Gauge, KtAcc::NotAccess},
    {"1.3.6.1.2.1.17.7.1.4.3.1.1", "VLAN Name", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.2.1.17.7.1.4.3.1.2", "Egress Ports", KtSyn::BitStr, KtAcc::ReadWrite},
    {"1.3.6.1.2.1.17.7.1.4.3.1.3", "Forbidden Egress Ports", KtSyn::BitStr, KtAcc::ReadWrite},
    {"1.3.6.1.2.1.17.7.1.4.3.1.4", "Untagged Ports", KtSyn::BitStr, KtAcc::ReadWrite},
    {"1.3.6.1.2.1.17.7.1.4.3.1.5", "Status", KtSyn::Integer, KtAcc::ReadWrite, &olVlanRowStatus},
    {},
};

// The LACP ports of link aggregation (TAggregatorPortTableForm).
namespace AggregatorPort {

inline constexpr KtOptionPair kTrueFalsePairs[] = {{1, "true"}, {2, "false"}, {}};
inline const KtOptionList olTrueFalse(kTrueFalsePairs);

#define AGG_PORT "1.3.6.1.4.1.32473.12.4.1.2.1.1."
inline const KtSNMPVarDef kAggregatorPortTable[] = {
    {AGG_PORT "1", "Port Index", KtSyn::Integer, KtAcc::NotAccess},
    {AGG_PORT "2", "Actor System Priority", KtSyn::Integer, KtAcc::ReadOnly},
    {AGG_PORT "3", "Actor System ID", KtSyn::MacAddress, KtAcc::ReadOnly},
    {AGG_PORT "4", "Actor Admin Key", KtSyn::Integer, KtAcc::ReadWrite},
    {AGG_PORT "5", "Actor Oper Key", KtSyn::Integer, KtAcc::ReadOnly},
    {AGG_PORT "6", "Partner Admin System Priority", KtSyn::Integer, KtAcc::ReadOnly},
    {AGG_PORT "7", "Partner Oper System Priority", KtSyn::Integer, KtAcc::ReadOnly},
    {AGG_PORT "8", "Partner Admin System ID", KtSyn::MacAddress, KtAcc::ReadWrite},
    {AGG_PORT "9", "Partner Oper System ID", KtSyn::MacAddress, KtAcc::ReadOnly},
    {AGG_PORT "10", "Partner Admin Key", KtSyn::Integer, KtAcc::ReadWrite},
    {AGG_PORT "11", "Partner Oper Key", KtSyn::Integer, KtAcc::ReadOnly},
    {AGG_PORT "12", "Selected Agg ID", KtSyn::Integer, KtAcc::ReadOnly},
    {AGG_PORT "13", "Attached Agg ID", KtSyn::Integer, KtAcc::ReadOnly},
    {AGG_PORT "14", "Actor Port", KtSyn::Integer, KtAcc::ReadOnly},
    {AGG_PORT "15", "Actor Port Priority", KtSyn::Integer, KtAcc::ReadOnly},
    {AGG_PORT "16", "Partner Admin Port", KtSyn::Integer, KtAcc::ReadOnly},
    {AGG_PORT "17", "Partner Oper Port", KtSyn::Integer, KtAcc::ReadOnly},
    {AGG_PORT "18", "Partner Admin Port Priority", KtSyn::Integer, KtAcc::ReadOnly},
    {AGG_PORT "19", "Partner Oper Port Priority", KtSyn::Integer, KtAcc::ReadOnly},
    {AGG_PORT "20", "Actor Admin State", KtSyn::BitStr, KtAcc::ReadWrite},
    {AGG_PORT "21", "Actor Oper State", KtSyn::BitStr, KtAcc::ReadOnly},
    {AGG_PORT "22", "Partner Admin State", KtSyn::BitStr, KtAcc::ReadWrite},
    {AGG_PORT "23", "Partner Oper State", KtSyn::BitStr, KtAcc::ReadOnly},
    {AGG_PORT "24", "Aggregate Or Individual", KtSyn::Integer, KtAcc::ReadOnly, &olTrueFalse},
    {},
};
#undef AGG_PORT

} // namespace AggregatorPort

// The DHCP relay servers per interface (TBOOTCtrlTableForm).
namespace DhcpRelay {

inline const KtOptionList olRelayState({{1, "other"}, {2, "invalid"}, {3, "valid"}});

inline const KtSNMPVarDef kDhcpRelay[] = {
    {"1.3.6.1.4.1.32473.11.101.1.2.8.7.1.1", "DHCP Relay Control Interface Name", KtSyn::DisplayStr, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.11.101.1.2.8.7.1.2", "DHCP Relay Control Server", KtSyn::IpAddress, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.11.101.1.2.8.7.1.3", "DHCP Relay Control State", KtSyn::Integer, KtAcc::ReadWrite, &olRelayState},
    {},
};

inline constexpr int kName = 0, kServer = 1, kState = 2;

} // namespace DhcpRelay

// The RMON probe (TProbeBasicInformationForm); the other information dialogs only read.
namespace ProbeInformation {

inline const KtOptionList olResetControl({{1, "running"}, {2, "warmBoot"}, {3, "coldBoot"}});

inline const KtSNMPVarDef kProbe[] = {
    {"1.3.6.1.2.1.16.19.1", "Capabilities", KtSyn::OctetStr, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.16.19.2", "Software revision", KtSyn::DisplayStr, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.16.19.5", "Reset Control", KtSyn::Integer, KtAcc::ReadWrite, &olResetControl},
    {},
};

} // namespace ProbeInformation

// The pause (flow control) modes of the ports (Tdot3PauseForm).
namespace Dot3Pause {

inline constexpr KtOptionPair kPauseModePairs[] = {
    {1, "disabled"}, {2, "enabledXmit"}, {3, "enabledRcv"}, {4, "enabledXmitAndRcv"}, {}};
inline const KtOptionList olPauseMode(kPauseModePairs);

inline const KtSNMPVarDef kPauseTable[] = {
    {"1.3.6.1.2.1.10.7.2.1.1", "Index", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.2.1.10.7.10.1.1", "Admin Mode", KtSyn::Integer, KtAcc::ReadWrite, &olPauseMode},
    {"1.3.6.1.2.1.10.7.10.1.2", "Oper Mode", KtSyn::Integer, KtAcc::ReadOnly, &olPauseMode},
    {},
};

} // namespace Dot3Pause

// Multicast forwarding per VLAN (TMulticastForwardingInformationForm,
// TForwardUnregisteredInformationForm).
namespace ForwardingInformation {

inline const KtSNMPVarDef kForwardAll[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.2", "VLAN ID", KtSyn::Gauge, KtAcc::NotAccess},
    {"1.3.6.1.2.1.17.7.1.2.4.1.1", "All Ports", KtSyn::BitStr, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.17.7.1.2.4.1.2", "Static Ports", KtSyn::BitStr, KtAcc::ReadWrite},
    {"1.3.6.1.2.1.17.7.1.2.4.1.3", "Forbidden Ports", KtSyn::BitStr, KtAcc::ReadWrite},
    {},
};
static_assert(std::size(kForwardAll) == 4 + 1, "forward-all: four variables");

inline const KtSNMPVarDef kForwardUnregistered[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.2", "VLAN ID", KtSyn::Gauge, KtAcc::NotAccess},
    {"1.3.6.1.2.1.17.7.1.2.5.1.1", "Unregistered Ports", KtSyn::OctetStr, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.17.7.1.2.5.1.2", "Unregistered Static Ports", KtSyn::OctetStr, KtAcc::ReadWrite},
    {"1.3.6.1.2.1.17.7.1.2.5.1.3", "Unregistered Forbidden Ports", KtSyn::OctetStr, KtAcc::ReadWrite},
    {},
};
static_assert(std::size(kForwardUnregistered) == 4 + 1, "forward-unregistered: four variables");

} // namespace ForwardingInformation

// The GARP timers per port (TGARPForm).
namespace Garp {

inline const KtSNMPVarDef kGarp[] = {
    StpTables::Dot1dBasePort(),
    {"1.3.6.1.2.1.17.6.1.3.1.1.1", "GARP Join Time", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.2.1.17.6.1.3.1.1.2", "GARP Leave Time", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.2.1.17.6.1.3.1.1.3", "GARP Leave All Time", KtSyn::Integer, KtAcc::ReadWrite},
    {},
};

} // namespace Garp

// The IGMP multicast VLANs (TIGMPMulticastVlanForm).
namespace IgmpMulticastVlan {

inline constexpr KtOptionPair kStatePairs[] = {{1, "enabled"}, {2, "disabled"}, {}};
inline const KtOptionList olMcastVlanState(kStatePairs);
inline constexpr KtOptionPair kRowStatusPairs[] = {{1, "active"},      {2, "notInService"},  {3, "notReady"},
                                            {4, "createAndGo"}, {5, "createAndWait"}, {6, "destroy"}, {}};
inline const KtOptionList olMcastVlanRowStatus(kRowStatusPairs);
inline constexpr KtOptionPair kActionPairs[] = {{1, "other"}, {2, "start"}, {}};
inline const KtOptionList olMcastVlanAction(kActionPairs);

inline const KtSNMPVarDef kMcastVlan[] = {
    {"1.3.6.1.4.1.32473.11.101.1.2.11.7.1.1", "VLAN ID", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.11.101.1.2.11.7.1.2", "VLAN Name", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.11.101.1.2.11.7.1.3", "VLAN Source Port", KtSyn::BitStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.11.101.1.2.11.7.1.4", "VLAN Member Port", KtSyn::BitStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.11.101.1.2.11.7.1.5", "VLAN Tag Member Port", KtSyn::BitStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.11.101.1.2.11.7.1.6", "VLAN State", KtSyn::Integer, KtAcc::ReadWrite, &olMcastVlanState},
    {"1.3.6.1.4.1.32473.11.101.1.2.11.7.1.7", "VLAN Replace Source IP", KtSyn::IpAddress, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.11.101.1.2.11.7.1.8", "VLAN Row Status", KtSyn::Integer, KtAcc::ReadWrite,
     &olMcastVlanRowStatus},
    {"1.3.6.1.4.1.32473.11.101.1.2.11.7.1.9", "VLAN Remove All Multicast Address List Action", KtSyn::Integer,
     KtAcc::ReadWrite, &olMcastVlanAction},
    {},
};
static_assert(std::size(kMcastVlan) == 9 + 1, "IGMP multicast VLANs: nine variables");

} // namespace IgmpMulticastVlan

// The layer-2 device control scalars (TLayer2ControlForm).
namespace Layer2Control {

inline constexpr KtOptionPair kDisabledEnabled23[] = {{2, "disabled"}, {3, "enabled"}, {}};
inline const KtOptionList olDisabledEnabled(kDisabledEnabled23);
inline constexpr KtOptionPair kEnabledDisabled12[] = {{1, "enabled"}, {2, "disabled"}, {}};
inline const KtOptionList olEnabledDisabled(kEnabledDisabled12);
inline constexpr KtOptionPair kCleanPairs[] = {{1, "normal"}, {2, "active"}, {}};
inline const KtOptionList olClean(kCleanPairs);
inline constexpr KtOptionPair kTrapLogPairs[] = {{2, "enable"}, {3, "disable"}, {}};
inline const KtOptionList olTrapLog(kTrapLogPairs);

#define L2_CTRL "1.3.6.1.4.1.32473.11.101.1.2.1.2."

inline const KtSNMPVarDef kMain[] = {
    {L2_CTRL "2", "IGMP Snooping", KtSyn::Integer, KtAcc::ReadWrite, &olDisabledEnabled},
    {L2_CTRL "4", "RMON State", KtSyn::Integer, KtAcc::ReadWrite, &olDisabledEnabled},
    {L2_CTRL "5", "SNMP Trap State", KtSyn::Integer, KtAcc::ReadWrite, &olEnabledDisabled},
    {L2_CTRL "6", "Clean All Statistic Counter", KtSyn::Integer, KtAcc::ReadWrite, &olClean},
    {L2_CTRL "7", "VLAN ID Of FDB TBL", KtSyn::Integer, KtAcc::ReadWrite},
    {L2_CTRL "16", "Management VLAN ID", KtSyn::Integer, KtAcc::ReadWrite},
    {L2_CTRL "8", "MAC Notify State", KtSyn::Integer, KtAcc::ReadWrite, &olDisabledEnabled},
    {L2_CTRL "9", "MAC Notify History Size", KtSyn::Integer, KtAcc::ReadWrite},
    {L2_CTRL "10", "MAC Notify Interval", KtSyn::Integer, KtAcc::ReadWrite},
    {L2_CTRL "17.1", "Web State", KtSyn::Integer, KtAcc::ReadWrite, &olEnabledDisabled},
    {L2_CTRL "14.1", "Telnet State", KtSyn::Integer, KtAcc::ReadWrite, &olDisabledEnabled},
    {L2_CTRL "20", "IP Auto Config", KtSyn::Integer, KtAcc::ReadWrite, &olEnabledDisabled},
    {"1.3.6.1.4.1.32473.11.101.1.2.7.3", "Port Security Trap Log State", KtSyn::Integer, KtAcc::ReadWrite, &olTrapLog},
    {},
};
inline const KtSNMPVarDef kWebPort[] = {
    {L2_CTRL "17.2", "Web TCP Port", KtSyn::Integer, KtAcc::ReadWrite},
    {},
};
inline const KtSNMPVarDef kTelnetPort[] = {
    {L2_CTRL "14.2", "Telnet TCP Port", KtSyn::Integer, KtAcc::ReadWrite},
    {},
};

#undef L2_CTRL

} // namespace Layer2Control

// MAC-based access control (TMBAControlForm).
namespace MbaControl {

inline const KtOptionList olMbaState({{1, "disabled"}, {2, "enabled"}});
inline const KtOptionList olMbaMethod({{1, "local"}, {2, "radius"}});
inline const KtOptionList olDeleteState({{1, "none"}, {2, "start"}});

inline const KtSNMPVarDef kSettings[] = {
    {"1.3.6.1.4.1.32473.12.35.1.1", "State", KtSyn::Integer, KtAcc::ReadWrite, &olMbaState},
    {"1.3.6.1.4.1.32473.12.35.1.2", "Method", KtSyn::Integer, KtAcc::ReadWrite, &olMbaMethod},
    {"1.3.6.1.4.1.32473.12.35.1.3", "Auth PassWord", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {},
};
inline const KtSNMPVarDef kVlan[] = {
    {"1.3.6.1.4.1.32473.12.35.1.4", "VLAN Name", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.35.1.5", "Member Ports", KtSyn::BitStr, KtAcc::ReadWrite},
    {},
};
inline const KtSNMPVarDef kDelete[] = {
    {"1.3.6.1.4.1.32473.12.35.1.7", "VLAN Name Delete State", KtSyn::Integer, KtAcc::ReadWrite, &olDeleteState},
    {},
};

} // namespace MbaControl

// The MSTP port states (TMSTPPortStateForm).
namespace MstpPortState {

inline constexpr KtOptionPair kEnabledPairs[] = {{1, "enabled"}, {2, "disabled"}, {}};
inline constexpr KtOptionPair kTrueFalsePairs[] = {{1, "true"}, {2, "false"}, {}};
inline constexpr KtOptionPair kEdgePairs[] = {{1, "true"}, {2, "false"}, {3, "auto"}, {}};
inline constexpr KtOptionPair kP2PPairs[] = {{0, "true"}, {1, "false"}, {2, "auto"}, {}};
inline constexpr KtOptionPair kFilterPairs[] = {{1, "other"}, {2, "disabled"}, {3, "enabled"}, {}};
inline const KtOptionList olMstpPortEnable(kEnabledPairs);
inline const KtOptionList olMstpTrueFalse(kTrueFalsePairs);
inline const KtOptionList olMstpEdge(kEdgePairs);
inline const KtOptionList olMstpP2P(kP2PPairs);
inline const KtOptionList olMstpFilter(kFilterPairs);

// Columns 1 and 2 stand in the reverse of their order in the table.
inline const KtSNMPVarDef kMstpPort[] = {
    {"1.3.6.1.4.1.32473.12.15.2.4.1.1", "MSTP Port", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.3", "MSTP Port Oper HelloTime", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.2", "MSTP Port Admin HelloTime", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.4", "MSTP STP Port Enable", KtSyn::Integer, KtAcc::ReadWrite, &olMstpPortEnable},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.5", "MSTP Port External Path Cost", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.6", "MSTP Port Migration", KtSyn::Integer, KtAcc::ReadWrite, &olMstpTrueFalse},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.7", "MSTP Port Admin Edge Port", KtSyn::Integer, KtAcc::ReadWrite, &olMstpEdge},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.8", "MSTP Port Oper Edge Port", KtSyn::Integer, KtAcc::ReadOnly, &olMstpEdge},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.9", "MSTP Port Admin P2P", KtSyn::Integer, KtAcc::ReadWrite, &olMstpP2P},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.10", "MSTP Port Oper P2P", KtSyn::Integer, KtAcc::ReadOnly, &olMstpP2P},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.12", "MSTP Port BPDU Filtering", KtSyn::Integer, KtAcc::ReadWrite, &olMstpFilter},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.13", "MSTP Port Restricted Role", KtSyn::Integer, KtAcc::ReadWrite, &olMstpTrueFalse},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.14", "MSTP Port Restricted TCN", KtSyn::Integer, KtAcc::ReadWrite, &olMstpTrueFalse},
    {},
};

} // namespace MstpPortState

// The configuration files' actions (TMultipleConfigControlForm).
namespace ConfigControl {

inline const KtOptionList olConfigId({{1, "cfgId-1"}, {2, "cfgId-2"}});
inline const KtOptionList olConfigAction({{1, "active"}, {2, "delete"}, {3, "bootup"}, {4, "none"}});

inline const KtSNMPVarDef kConfigControl[] = {
    {"1.3.6.1.4.1.32473.12.1.2.8.4.1.1", "Config Control ID", KtSyn::Integer, KtAcc::NotAccess, &olConfigId},
    {"1.3.6.1.4.1.32473.12.1.2.8.4.1.2", "Config Action", KtSyn::Integer, KtAcc::ReadWrite, &olConfigAction},
    {},
};

} // namespace ConfigControl

// Port mirroring (TPortMirrorForm).
namespace PortMirror {

inline constexpr KtOptionPair kMirrorStatePairs[] = {{2, "disabled"}, {3, "enabled"}, {}};
inline const KtOptionList olMirrorState(kMirrorStatePairs);

inline const KtSNMPVarDef kPortMirror[] = {
    {"1.3.6.1.4.1.32473.11.101.1.2.10.1", "Logic Target Port", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.11.101.1.2.10.2", "Port Source Ingress", KtSyn::BitStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.11.101.1.2.10.3", "Port Source Egress", KtSyn::BitStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.11.101.1.2.10.4", "Port State", KtSyn::Integer, KtAcc::ReadWrite, &olMirrorState},
    {},
};

} // namespace PortMirror

// The IGMP and MLD snooping router ports per VLAN (TIGMPRouterPortsForm,
// TMLD_SnoopingRouterPortsForm).
namespace RouterPorts {

inline const KtSNMPVarDef kIgmpRouterPorts[] = {
    {"1.3.6.1.4.1.32473.11.101.1.2.11.6.1.1", "IGMP Router Ports VLAN ID", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.11.101.1.2.11.6.1.2", "IGMP Router Port VLAN Name", KtSyn::DisplayStr, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.11.101.1.2.11.6.1.3", "IGMP Router Static Port List", KtSyn::BitStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.11.101.1.2.11.6.1.4", "IGMP Router Dynamic Port List", KtSyn::BitStr, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.11.101.1.2.11.6.1.5", "IGMP Router Forbidden Port List", KtSyn::BitStr, KtAcc::ReadWrite},
    {},
};
static_assert(std::size(kIgmpRouterPorts) == 5 + 1, "IGMP router ports: five variables");

inline const KtSNMPVarDef kMldRouterPorts[] = {
    {"1.3.6.1.4.1.32473.12.34.3.4.1.1", "Router Ports VLAN ID", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.34.3.4.1.2", "Router Static Port List", KtSyn::BitStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.34.3.4.1.3", "Dynamic Port List", KtSyn::BitStr, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.34.3.4.1.4", "Router Forbidden Port List", KtSyn::BitStr, KtAcc::ReadWrite},
    {},
};
static_assert(std::size(kMldRouterPorts) == 4 + 1, "MLD router ports: four variables");

} // namespace RouterPorts

// The static unicast and multicast filters (TUnicastFilterInformationForm,
// TMulticastFilterInformationForm).
namespace StaticFilter {

inline const KtOptionList olFilterStatus({{1, "other"}, {2, "invalid"}, {3, "permanent"}, {4, "deleteOnReset"},
                                   {5, "deleteOnTimeout"}});

inline const KtSNMPVarDef kUnicast[] = {
    {"1.3.6.1.2.1.17.7.1.2.1.1.1", "Index", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.2.1.17.7.1.3.1.1.1", "Unicast Address", KtSyn::MacAddress, KtAcc::NotAccess},
    {"1.3.6.1.2.1.17.7.1.3.1.1.2", "ReceivePort", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.2.1.17.7.1.3.1.1.3", "Ports Unicast Allowed To GoTo", KtSyn::BitStr, KtAcc::ReadWrite},
    {"1.3.6.1.2.1.17.7.1.3.1.1.4", "Status", KtSyn::Integer, KtAcc::ReadWrite, &olFilterStatus},
    {},
};

inline const KtSNMPVarDef kMulticast[] = {
    {"1.3.6.1.2.1.17.7.1.2.1.1.1", "Index", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.2.1.17.7.1.3.2.1.1", "MAC Address", KtSyn::MacAddress, KtAcc::NotAccess},
    {"1.3.6.1.2.1.17.7.1.3.2.1.2", "Receive Port", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.2.1.17.7.1.3.2.1.3", "Egress Ports", KtSyn::BitStr, KtAcc::ReadWrite},
    {"1.3.6.1.2.1.17.7.1.3.2.1.5", "Status", KtSyn::Integer, KtAcc::ReadWrite, &olFilterStatus},
    {},
};

inline constexpr int kVid = 0, kMac = 1, kReceivePort = 2, kPorts = 3, kStatus = 4;
inline constexpr int kKeyCount = 3;

} // namespace StaticFilter

// Summer time (TSummerTimeForm).
namespace SummerTime {

inline constexpr KtOptionPair kStatusPairs[] = {{0, "disable"}, {1, "repeating"}, {2, "annual"}, {}};
inline const KtOptionList olSummerStatus(kStatusPairs);
inline constexpr KtOptionPair kMonthPairs[] = {{1, "Jan"}, {2, "Feb"},  {3, "Mar"},  {4, "Apr"},  {5, "May"},
                                        {6, "Jun"}, {7, "Jul"},  {8, "Aug"},  {9, "Sep"},  {10, "Oct"},
                                        {11, "Nov"}, {12, "Dec"}, {}};
inline const KtOptionList olMonths(kMonthPairs);
inline constexpr KtOptionPair kWeekdayPairs[] = {{1, "Sun"}, {2, "Mon"}, {3, "Tue"}, {4, "Wed"},
                                          {5, "Thu"}, {6, "Fri"}, {7, "Sat"}, {}};
inline const KtOptionList olWeekdays(kWeekdayPairs);
// The switch counts the last week as 255, not 5.
inline constexpr KtOptionPair kWeekPairs[] = {{1, "1st"}, {2, "2nd"}, {3, "3rd"}, {4, "4th"}, {255, "last"}, {}};
inline const KtOptionList olWeeks(kWeekPairs);

inline const KtSNMPVarDef kSummerTime[] = {
    {"1.3.6.1.4.1.32473.12.10.12.1", "Summer Time Status", KtSyn::Integer, KtAcc::ReadWrite, &olSummerStatus},
    {"1.3.6.1.4.1.32473.12.10.12.2", "Summer Time Offset", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.10.12.3", "Repeat Summer Time Start", KtSyn::OctetStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.10.12.4", "Repeat Summer Time End", KtSyn::OctetStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.10.12.5", "Annual Summer Time Start", KtSyn::OctetStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.10.12.6", "Annual Summer Time End", KtSyn::OctetStr, KtAcc::ReadWrite},
    {},
};

} // namespace SummerTime

// Traffic segmentation per port (TTrafficSegmentationForm).
namespace TrafficSegmentation {

inline const KtSNMPVarDef kTrafficSegmentation[] = {
    {"1.3.6.1.4.1.32473.11.101.1.2.14.1.1.1", "Traffic Port", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.11.101.1.2.14.1.1.2", "Traffic Forward Ports", KtSyn::BitStr, KtAcc::ReadWrite},
    {},
};
static_assert(std::size(kTrafficSegmentation) == 2 + 1, "traffic segmentation: two variables");

} // namespace TrafficSegmentation

// The 802.1Q bridge (TVLanGeneralInfoForm), its ports (TVLanPortInfomationForm) and the
// guest VLAN (TGuestVlanForm).
namespace VlanInformation {

inline const KtOptionList olEnabledDisabled({{1, "enabled"}, {2, "disabled"}});
inline const KtOptionList olFrameTypes({{1, "admitAll"}, {2, "admitOnlyVLANTagged"}});
inline const KtOptionList olTrueFalse({{1, "true"}, {2, "false"}});
inline const KtOptionList olDeleteState({{1, "none"}, {2, "start"}});

inline const KtSNMPVarDef kBase[] = {
    {"1.3.6.1.2.1.17.7.1.1.1", "VLAN Version Number", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.17.7.1.1.2", "Max VLAN ID", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.17.7.1.1.3", "Max Supported VLANs", KtSyn::Gauge, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.17.7.1.1.4", "Current Num Of VLANs", KtSyn::Gauge, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.17.7.1.1.5", "GVRP Status", KtSyn::Integer, KtAcc::ReadWrite, &olEnabledDisabled},
    {},
};
inline const KtSNMPVarDef kPortVlan[] = {
    StpTables::Dot1dBasePort(),
    {"1.3.6.1.2.1.17.7.1.4.5.1.1", "Port VLAN ID", KtSyn::Gauge, KtAcc::ReadWrite},
    {"1.3.6.1.2.1.17.7.1.4.5.1.2", "Acceptable Frame Types", KtSyn::Integer, KtAcc::ReadWrite, &olFrameTypes},
    {"1.3.6.1.2.1.17.7.1.4.5.1.3", "Ingress Filtering", KtSyn::Integer, KtAcc::ReadWrite, &olTrueFalse},
    {"1.3.6.1.2.1.17.7.1.4.5.1.4", "GVRP Status", KtSyn::Integer, KtAcc::ReadWrite, &olEnabledDisabled},
    {"1.3.6.1.2.1.17.7.1.4.5.1.5", "GVRP Failed Registrations", KtSyn::Counter, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.17.7.1.4.5.1.6", "GVRP Last PDU Origin", KtSyn::MacAddress, KtAcc::ReadOnly},
    {},
};
inline const KtSNMPVarDef kGuestSettings[] = {
    {"1.3.6.1.4.1.32473.12.30.1.1", "Guest VLAN Name", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.30.1.2", "Guest VLAN Port", KtSyn::BitStr, KtAcc::ReadWrite},
    {},
};
inline const KtSNMPVarDef kGuestDelete[] = {
    {"1.3.6.1.4.1.32473.12.30.1.3", "Guest VLAN Delete State", KtSyn::Integer, KtAcc::ReadWrite, &olDeleteState},
    {},
};

} // namespace VlanInformation

} // namespace Layer2Tables
