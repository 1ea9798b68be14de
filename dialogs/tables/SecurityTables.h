#pragma once
// Definition tables of security dialogs (access control, authentication, bindings, SSL) that
// name read-write objects, kept free of widgets so that the configuration snapshots read the
// same objects the dialogs show. Each dialog includes its tables from here: the system log
// hosts and RADIUS servers at the top, the others in a namespace per dialog or family
// (`using namespace SecurityTables::IpRule;`).
#include "KtNML/KtOptionList.h"
#include "KtNML/KtSNMPVarList.h"
#include "dialogs/security/AclOptions.h"

#include <iterator>

namespace SecurityTables {

extern const KtOptionList olLogHostIndex;
extern const KtOptionList olFacility;
extern const KtOptionList olSeverity;
extern const KtOptionList olHostState;
extern const KtOptionList olRadiusIndex;

// The system log servers (TSystemLogHostForm): swSysLogServerTable.
inline const KtSNMPVarDef kLogHost[] = {
    {"1.3.6.1.4.1.32473.12.12.2.1.1", "Index", KtSyn::Integer, KtAcc::NotAccess, &olLogHostIndex},
    {"1.3.6.1.4.1.32473.12.12.2.1.2", "IP Address", KtSyn::IpAddress, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.12.2.1.3", "Facility", KtSyn::Integer, KtAcc::ReadWrite, &olFacility},
    {"1.3.6.1.4.1.32473.12.12.2.1.4", "Severity", KtSyn::Integer, KtAcc::ReadWrite, &olSeverity},
    {"1.3.6.1.4.1.32473.12.12.2.1.5", "UDP Port", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.12.2.1.6", "State", KtSyn::Integer, KtAcc::ReadWrite, &olHostState},
    {"1.3.6.1.4.1.32473.12.12.2.1.7", "Row Status", KtSyn::Integer, KtAcc::ReadWrite, &AclOptions::RowStatus},
    {},
};

// The RADIUS servers (TRadiusServerForm).
inline const KtSNMPVarDef kRadiusServer[] = {
    {"1.3.6.1.4.1.32473.12.3.2.4.1.1", "Server Index", KtSyn::Integer, KtAcc::NotAccess, &olRadiusIndex},
    {"1.3.6.1.4.1.32473.12.3.2.4.1.2", "Server IP", KtSyn::IpAddress, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.3.2.4.1.3", "Server Key", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.3.2.4.1.4", "Auth Port Number", KtSyn::Gauge, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.3.2.4.1.5", "Acct Port Number", KtSyn::Gauge, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.3.2.4.1.6", "Server Status", KtSyn::Integer, KtAcc::ReadWrite, &AclOptions::RowStatus},
    {},
};

// The authentication servers (TServerInformationForm) and server groups (TAAASrvCtrlForm).
namespace AuthServer {

// The protocols a server answers in; the server table and the group control share them.
inline const KtOptionList AuthProtocol({{1, "tacacs"}, {2, "xtacacs"}, {3, "tacacs-plus"}, {4, "radius"}});

inline const KtSNMPVarDef kServerTable[] = {
    {"1.3.6.1.4.1.32473.12.5.10.1.1", "Server IP", KtSyn::IpAddress, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.5.10.1.2", "Server Auth Protocol", KtSyn::Integer, KtAcc::NotAccess, &AuthProtocol},
    {"1.3.6.1.4.1.32473.12.5.10.1.3", "Server Auth Port", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.5.10.1.4", "Server Auth Key", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.5.10.1.5", "Server Timeout", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.5.10.1.6", "Server Retry Count", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.5.10.1.7", "Server Row Status", KtSyn::Integer, KtAcc::ReadWrite, &AclOptions::RowStatus},
    {},
};
static_assert(std::size(kServerTable) == 7 + 1, "server table: seven variables");
inline const KtOptionList ServerGroupOperation({{1, "add"}, {2, "delete"}});

inline const KtSNMPVarDef kServerControl[] = {
    {"1.3.6.1.4.1.32473.12.5.12.1.1", "AAC Control Server Group Name", KtSyn::DisplayStr, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.5.12.1.2", "AAC Control Server IP Address", KtSyn::IpAddress, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.5.12.1.3", "AAC Control Server Auth Protocol", KtSyn::Integer, KtAcc::NotAccess,
     &AuthProtocol},
    {"1.3.6.1.4.1.32473.12.5.12.1.4", "AAC Control Server Row State", KtSyn::Integer, KtAcc::ReadWrite,
     &ServerGroupOperation},
    {},
};
static_assert(std::size(kServerControl) == 4 + 1, "server control: four variables");
inline constexpr int kRowState = 3;

} // namespace AuthServer

// The bulwark engine (TBulwarkCtrlForm).
namespace Bulwark {

inline constexpr KtOptionPair kModePairs[] = {{1, "strict"}, {2, "fuzzy"}, {}};
inline const KtOptionList olBulwarkMode(kModePairs);
inline constexpr KtOptionPair kAlarmPairs[] = {{1, "other"}, {2, "disabled"}, {3, "enabled"}, {}};
inline const KtOptionList olBulwarkAlarm(kAlarmPairs);
inline constexpr KtOptionPair kCurrentPairs[] = {{1, "normal"}, {2, "exhausted"}, {}};
inline const KtOptionList olBulwarkCurrent(kCurrentPairs);

inline const KtSNMPVarDef kBulwark[] = {
    {"1.3.6.1.4.1.32473.12.19.2.1", "Bulwark Rising Threshold", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.19.2.2", "Bulwark Falling Threshold", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.19.2.3", "Bulwark mode", KtSyn::Integer, KtAcc::ReadWrite, &olBulwarkMode},
    {"1.3.6.1.4.1.32473.12.19.2.4", "Bulwark Alarm Admin State", KtSyn::Integer, KtAcc::ReadWrite, &olBulwarkAlarm},
    {"1.3.6.1.4.1.32473.12.19.2.5", "Bulwark Current Status", KtSyn::Integer, KtAcc::ReadOnly, &olBulwarkCurrent},
    {},
};

} // namespace Bulwark

// The Ethernet access rules (TEthernetInformationRuleForm).
namespace EthernetRule {

inline constexpr KtSNMPVarDef kEthernetRule[] = {
    {"1.3.6.1.4.1.32473.12.9.3.1.1.1", "Mask ID", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.2", "Access ID", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.3", "Rule VLAN", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.4", "Rule Source MAC Address", KtSyn::MacAddress, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.5", "Rule Destination MAC Address", KtSyn::MacAddress, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.6", "Rule 8021P", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.7", "Rule Ethernet Type", KtSyn::OctetStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.8", "Rule Enable Priority", KtSyn::Integer, KtAcc::ReadWrite, &AclOptions::EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.9", "Rule Priority", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.10", "Rule Replace Priority", KtSyn::Integer, KtAcc::ReadWrite, &AclOptions::EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.13", "Permit Rule", KtSyn::Integer, KtAcc::ReadWrite, &AclOptions::Permit},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.14", "Rule Port", KtSyn::BitStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.15", "Row Status", KtSyn::Integer, KtAcc::ReadWrite, &AclOptions::RowStatus},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.17", "Rule RX Rate", KtSyn::Integer, KtAcc::ReadWrite},
    {},
};
// Fourteen variables and the end record.
static_assert(std::size(kEthernetRule) == 14 + 1, "the Ethernet rule table holds 14 variables");

} // namespace EthernetRule

// The IPv4 access rules (TIPRuleForm).
namespace IpRule {

inline constexpr KtSNMPVarDef kIpRule[] = {
    {"1.3.6.1.4.1.32473.12.9.3.2.1.1", "Profile ID", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.2", "Access ID", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.3", "Rule VLAN", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.4", "Source IP Address", KtSyn::IpAddress, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.5", "Destination IP Address", KtSyn::IpAddress, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.6", "DSCP", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.7", "Protocol", KtSyn::Integer, KtAcc::ReadOnly, &AclOptions::ProtocolType},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.8", "ICMP", KtSyn::Integer, KtAcc::ReadWrite, &AclOptions::EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.9", "IGMP", KtSyn::Integer, KtAcc::ReadWrite, &AclOptions::EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.10", "Source Port", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.11", "Destination Port", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.12", "Flag Bits", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.13", "Protocol ID", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.14", "User Mask", KtSyn::OctetStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.15", "Enable Priority", KtSyn::Integer, KtAcc::ReadWrite, &AclOptions::EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.16", "Priority", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.17", "Replace Priority", KtSyn::Integer, KtAcc::ReadWrite, &AclOptions::EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.18", "Enable Replace DSCP", KtSyn::Integer, KtAcc::ReadWrite, &AclOptions::EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.19", "Replace DSCP", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.20", "Permit", KtSyn::Integer, KtAcc::ReadWrite, &AclOptions::Permit},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.21", "Port", KtSyn::BitStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.22", "Row Status", KtSyn::Integer, KtAcc::ReadWrite, &AclOptions::RowStatus},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.24", "RX Rate", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.25", "Source MAC Address", KtSyn::MacAddress, KtAcc::ReadOnly},
    {},
};
// Twenty-four variables and the end record.
static_assert(std::size(kIpRule) == 24 + 1, "the IP rule table holds 24 variables");

} // namespace IpRule

// The IPv6 access masks (TIPv6MaskInfoForm).
namespace Ipv6Mask {

inline const KtSNMPVarDef kIpv6Mask[] = {
    {"1.3.6.1.4.1.32473.12.9.2.4.1.1", "Profile ID", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.9.2.4.1.2", "Mask Class", KtSyn::Integer, KtAcc::ReadWrite, &AclOptions::EnableDisable},
    {"1.3.6.1.4.1.32473.12.9.2.4.1.3", "Flow label", KtSyn::Integer, KtAcc::ReadWrite, &AclOptions::EnableDisable},
    {"1.3.6.1.4.1.32473.12.9.2.4.1.4", "IP Address Mask State", KtSyn::Integer, KtAcc::ReadWrite,
     &AclOptions::Ipv6MaskState},
    {"1.3.6.1.4.1.32473.12.9.2.4.1.5", "IPv6 Mask Source IPv6 Mask", KtSyn::Ipv6Address, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.2.4.1.6", "IPv6 Mask Destination IPv6 Mask", KtSyn::Ipv6Address, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.2.4.1.7", "Row Status", KtSyn::Integer, KtAcc::ReadWrite, &AclOptions::RowStatus},
    {"1.3.6.1.4.1.32473.12.9.2.4.1.8", "Owner", KtSyn::Integer, KtAcc::ReadOnly, &AclOptions::Owner},
    {"1.3.6.1.4.1.32473.12.9.2.4.1.9", "Unused Rule Entries", KtSyn::Integer, KtAcc::ReadOnly},
    {},
};
static_assert(std::size(kIpv6Mask) == 9 + 1, "IPv6 mask: nine variables");

} // namespace Ipv6Mask

// The Ethernet and IPv4 access masks (TEthernetMaskInformationForm, TIPMaskInformationForm).
namespace MaskInformation {

// Ethernet masks (access profiles on MAC addresses, VLAN, 802.1p and Ethernet type).
inline const KtSNMPVarDef kEthernetMask[] = {
    {"1.3.6.1.4.1.32473.12.9.2.1.1.1", "Ethernet Mask ID ", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.9.2.1.1.2", "Use VLAN", KtSyn::Integer, KtAcc::ReadWrite, &AclOptions::EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.9.2.1.1.3", "MAC Address Mask State", KtSyn::Integer, KtAcc::ReadWrite,
     &AclOptions::MacMaskState},
    {"1.3.6.1.4.1.32473.12.9.2.1.1.4", "MAC Address Mask Sourcc", KtSyn::MacAddress, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.2.1.1.5", "MAC Address Mask Destination", KtSyn::MacAddress, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.2.1.1.6", "Use 8021p", KtSyn::Integer, KtAcc::ReadWrite, &AclOptions::EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.9.2.1.1.7", "Use Ethernet Type", KtSyn::Integer, KtAcc::ReadWrite,
     &AclOptions::EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.9.2.1.1.8", "Row Status", KtSyn::Integer, KtAcc::ReadWrite, &AclOptions::RowStatus},
    {"1.3.6.1.4.1.32473.12.9.2.1.1.9", "Owner", KtSyn::Integer, KtAcc::ReadOnly, &AclOptions::Owner},
    {"1.3.6.1.4.1.32473.12.9.2.1.1.10", "Unused Rule Entries", KtSyn::Integer, KtAcc::ReadOnly},
    {},
};
static_assert(std::size(kEthernetMask) == 10 + 1, "Ethernet mask: ten variables");
// IP masks (access profiles on IPv4 addresses, DSCP, the protocol and its own fields).
inline const KtSNMPVarDef kIpMask[] = {
    {"1.3.6.1.4.1.32473.12.9.2.2.1.1", "Profile ID", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.2", "Use VLAN", KtSyn::Integer, KtAcc::ReadWrite, &AclOptions::EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.3", "Address Mask State", KtSyn::Integer, KtAcc::ReadWrite,
     &AclOptions::IpMaskState},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.4", "Source IP Address Mask", KtSyn::IpAddress, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.5", "Destination IP Address Mask", KtSyn::IpAddress, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.6", "Use DSCP", KtSyn::Integer, KtAcc::ReadWrite, &AclOptions::EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.7", "Use Protocol Type", KtSyn::Integer, KtAcc::ReadWrite,
     &AclOptions::ProtocolType},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.8", "ICMP Option", KtSyn::Integer, KtAcc::ReadWrite, &AclOptions::IcmpOption},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.9", "IGMP Option", KtSyn::Integer, KtAcc::ReadWrite, &AclOptions::EnableDisable},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.10", "TCP Option", KtSyn::Integer, KtAcc::ReadWrite, &AclOptions::PortOption},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.11", "UDP Option", KtSyn::Integer, KtAcc::ReadWrite, &AclOptions::PortOption},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.12", "TCP or UDP Source Port Mask", KtSyn::OctetStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.13", "TCP or UDP Destination Port Mask", KtSyn::OctetStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.14", "TCP Flag Bit", KtSyn::Integer, KtAcc::ReadWrite, &AclOptions::EnableDisable},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.15", "TCP Flag Bit Mask", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.16", "Protocol ID Option", KtSyn::Integer, KtAcc::ReadWrite,
     &AclOptions::EnableDisable},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.17", "Protocol ID", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.18", "Protocol ID Mask", KtSyn::OctetStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.19", "Row Status", KtSyn::Integer, KtAcc::ReadWrite, &AclOptions::RowStatus},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.20", "Owner", KtSyn::Integer, KtAcc::ReadOnly, &AclOptions::Owner},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.21", "Source MAC Address Mask", KtSyn::MacAddress, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.22", "Unused Rule Entries", KtSyn::Integer, KtAcc::ReadOnly},
    {},
};
static_assert(std::size(kIpMask) == 22 + 1, "IP mask: twenty-two variables");

} // namespace MaskInformation

// IP-MAC bindings (TIPMACBindingForm) and the blocked addresses (TIpMacBindBlockedForm).
namespace IpMacBinding {

inline const KtOptionList olMode({{1, "arp"}, {2, "acl"}});
inline const KtOptionList olBlockedType({{2, "blockByAddrBind"}, {3, "delete"}});

inline const KtSNMPVarDef kBinding[] = {
    {"1.3.6.1.4.1.32473.12.23.4.1.1.1", "IP Index", KtSyn::IpAddress, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.23.4.1.1.2", "MAC Address", KtSyn::MacAddress, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.23.4.1.1.3", "Ports", KtSyn::BitStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.23.4.1.1.4", "Status", KtSyn::Integer, KtAcc::ReadWrite, &AclOptions::RowStatus},
    {"1.3.6.1.4.1.32473.12.23.4.1.1.5", "Mode", KtSyn::Integer, KtAcc::ReadWrite, &olMode},
    {},
};
inline const KtSNMPVarDef kBlocked[] = {
    {"1.3.6.1.4.1.32473.12.23.4.2.1.1", "Blocked VID", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.23.4.2.1.2", "Blocked MAC Address", KtSyn::MacAddress, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.23.4.2.1.3", "Blocked VLAN Name", KtSyn::DisplayStr, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.23.4.2.1.4", "Blocked Port", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.23.4.2.1.5", "Blocked Type", KtSyn::Integer, KtAcc::ReadWrite, &olBlockedType},
    {},
};

} // namespace IpMacBinding

// The IPv6 access rules (TIpv6RuleForm).
namespace Ipv6Rule {

inline constexpr KtSNMPVarDef kIpv6Rule[] = {
    {"1.3.6.1.4.1.32473.12.9.3.4.1.1", "Profile ID", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.2", "Access ID", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.3", "Class", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.4", "Flowlabel", KtSyn::OctetStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.5", "Source IPv6 Address", KtSyn::Ipv6Address, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.6", "Destination IPv6 Address", KtSyn::Ipv6Address, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.7", "Enable Priority", KtSyn::Integer, KtAcc::ReadWrite, &AclOptions::EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.8", "Rule Priority", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.9", "Rule Replace Priority", KtSyn::Integer, KtAcc::ReadWrite, &AclOptions::EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.10", "Permit", KtSyn::Integer, KtAcc::ReadWrite, &AclOptions::Permit},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.11", "Port", KtSyn::BitStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.12", "Row Status", KtSyn::Integer, KtAcc::ReadWrite, &AclOptions::RowStatus},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.14", "Rx Rate", KtSyn::Integer, KtAcc::ReadWrite},
    {},
};
// Thirteen variables and the end record.
static_assert(std::size(kIpv6Rule) == 13 + 1, "the IPv6 rule table holds 13 variables");

} // namespace Ipv6Rule

// The login and enable method lists (TLoginMethodListForm, TEnableMethodForm).
namespace MethodList {

// The methods a list may name; position 5 is the list's own local database.
inline const KtOptionList kLoginTypes({{1, "tacacs"},
                                {2, "xtacacs"},
                                {3, "tacacs-plus"},
                                {4, "radius"},
                                {5, "server-group"},
                                {6, "local"},
                                {8, "none"},
                                {9, "other"}});
inline const KtOptionList kEnableTypes({{1, "tacacs"},
                                 {2, "xtacacs"},
                                 {3, "tacacs-plus"},
                                 {4, "radius"},
                                 {5, "server-group"},
                                 {7, "local-enable"},
                                 {8, "none"},
                                 {9, "other"}});

inline const KtSNMPVarDef kLoginTable[] = {
    {"1.3.6.1.4.1.32473.12.5.3.1.1", "AAC Login Method List Name", KtSyn::DisplayStr, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.5.3.1.2", "Method1 Type", KtSyn::Integer, KtAcc::ReadWrite, &kLoginTypes},
    {"1.3.6.1.4.1.32473.12.5.3.1.3", "Method1 Server Group", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.5.3.1.4", "Method2 Type", KtSyn::Integer, KtAcc::ReadWrite, &kLoginTypes},
    {"1.3.6.1.4.1.32473.12.5.3.1.5", "Method2 Server Group", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.5.3.1.6", "Method3 Type", KtSyn::Integer, KtAcc::ReadWrite, &kLoginTypes},
    {"1.3.6.1.4.1.32473.12.5.3.1.7", "Method3 Server Group", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.5.3.1.8", "Method4 Type", KtSyn::Integer, KtAcc::ReadWrite, &kLoginTypes},
    {"1.3.6.1.4.1.32473.12.5.3.1.9", "Method4 Server Group", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.5.3.1.10", "MethodList Row Status", KtSyn::Integer, KtAcc::ReadWrite,
     &AclOptions::RowStatus},
    {},
};
static_assert(std::size(kLoginTable) == 10 + 1, "login method list: ten variables");

inline const KtSNMPVarDef kEnableTable[] = {
    {"1.3.6.1.4.1.32473.12.5.4.1.1", "Enable MethodList Name", KtSyn::DisplayStr, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.5.4.1.2", "Enable Method1 Type", KtSyn::Integer, KtAcc::ReadWrite, &kEnableTypes},
    {"1.3.6.1.4.1.32473.12.5.4.1.3", "Enable Method1 Server Group", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.5.4.1.4", "Enable Method2 Type", KtSyn::Integer, KtAcc::ReadWrite, &kEnableTypes},
    {"1.3.6.1.4.1.32473.12.5.4.1.5", "Enable Method2 Server Group", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.5.4.1.6", "Enable Method3Type", KtSyn::Integer, KtAcc::ReadWrite, &kEnableTypes},
    {"1.3.6.1.4.1.32473.12.5.4.1.7", "Enable Method3 Server Group", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.5.4.1.8", "Enable Method4 Type", KtSyn::Integer, KtAcc::ReadWrite, &kEnableTypes},
    {"1.3.6.1.4.1.32473.12.5.4.1.9", "Enable Method4 Server Group", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.5.4.1.10", "Enable Method List Row Status", KtSyn::Integer, KtAcc::ReadWrite,
     &AclOptions::RowStatus},
    {},
};
static_assert(std::size(kEnableTable) == 10 + 1, "enable method list: ten variables");

} // namespace MethodList

// Deleting learnt port-security addresses (TPrtSecDelCtrlForm).
namespace PortSecurityDelete {

inline constexpr KtOptionPair kActivityPairs[] = {{1, "none"}, {2, "start"}, {}};
inline const KtOptionList olDeleteActivity(kActivityPairs);

inline const KtSNMPVarDef kDelete[] = {
    {"1.3.6.1.4.1.32473.11.101.1.2.7.2.1", "Delete VLAN Name", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.11.101.1.2.7.2.2", "Delete Port", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.11.101.1.2.7.2.3", "Delete MAC Address", KtSyn::MacAddress, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.11.101.1.2.7.2.4", "Delete Activity", KtSyn::Integer, KtAcc::ReadWrite, &olDeleteActivity},
    {},
};

} // namespace PortSecurityDelete

// SSL (TSSLManagementForm).
namespace Ssl {

inline constexpr KtOptionPair kStatePairs[] = {{2, "disabled"}, {3, "enabled"}, {}};
inline const KtOptionList olSslState(kStatePairs);

inline const KtSNMPVarDef kSsl[] = {
    {"1.3.6.1.4.1.32473.12.7.1.1", "SSL Status Administration", KtSyn::Integer, KtAcc::ReadWrite, &olSslState},
    {"1.3.6.1.4.1.32473.12.7.1.2", "Cipher Suites", KtSyn::BitStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.7.1.3", "SSL Cache Timeout", KtSyn::Gauge, KtAcc::ReadWrite},
    {},
};

} // namespace Ssl

// The time ranges (TTimeRangeForm).
namespace TimeRange {

inline const KtSNMPVarDef kTimeRange[] = {
    {"1.3.6.1.4.1.32473.12.50.3.1.1.1", "Time Range Name", KtSyn::DisplayStr, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.50.3.1.1.2", "Time Range  Week Days", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.50.3.1.1.3", "Time Range Start Time", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.50.3.1.1.4", "Time Range End Time", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.50.3.1.1.5", "Time Range Status", KtSyn::Integer, KtAcc::ReadWrite, &AclOptions::RowStatus},
    {},
};
static_assert(std::size(kTimeRange) == 5 + 1, "time range table: five variables");

} // namespace TimeRange

} // namespace SecurityTables
