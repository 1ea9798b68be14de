// Built-in views of the standard MIBs behind the tool commands: MIB-II (RFC 1213), IF-MIB
// (RFC 2863), EtherLike-MIB (RFC 3635), RMON-MIB (RFC 2819) and BRIDGE-MIB (RFC 4188). Labels
// are the MIBs' descriptors (with their units where the MIB gives one), each table in the
// MIB's column order, so a reviewer can hold it against the module line by line. Index
// columns come first where the MIB puts them elsewhere: a table view keys its rows on its
// first variables.
#include "shell/StandardMibViews.h"

#include "shell/catalogue/ViewOptionLists.h"

#include <iterator>

namespace {

// ---- enumerations of these MIBs ---------------------------------------------------------

// IANAifType: the types a switch reports; other values show as numbers.
constexpr KtOptionPair kIfTypePairs[] = {
    {1, "other"}, {6, "ethernetCsmacd"}, {24, "softwareLoopback"}, {53, "propVirtual"},
    {117, "gigabitEthernet"}, {131, "tunnel"}, {135, "l2vlan"}, {136, "l3ipvlan"}, {161, "ieee8023adLag"}, {},
};
constexpr KtOptionPair kIfAdminStatusPairs[] = {{1, "up"}, {2, "down"}, {3, "testing"}, {}};
constexpr KtOptionPair kIfOperStatusPairs[] = {
    {1, "up"}, {2, "down"}, {3, "testing"}, {4, "unknown"}, {5, "dormant"}, {6, "notPresent"},
    {7, "lowerLayerDown"}, {},
};
constexpr KtOptionPair kIpForwardingPairs[] = {{1, "forwarding"}, {2, "notForwarding"}, {}};
constexpr KtOptionPair kIpRouteTypePairs[] = {{1, "other"}, {2, "invalid"}, {3, "direct"}, {4, "indirect"}, {}};
constexpr KtOptionPair kIpRouteProtoPairs[] = {
    {1, "other"}, {2, "local"}, {3, "netmgmt"}, {4, "icmp"}, {5, "egp"}, {6, "ggp"}, {7, "hello"},
    {8, "rip"}, {9, "is-is"}, {10, "es-is"}, {11, "ciscoIgrp"}, {12, "bbnSpfIgp"}, {13, "ospf"},
    {14, "bgp"}, {},
};
constexpr KtOptionPair kIpNetToMediaTypePairs[] = {{1, "other"}, {2, "invalid"}, {3, "dynamic"}, {4, "static"}, {}};
constexpr KtOptionPair kDuplexStatusPairs[] = {{1, "unknown"}, {2, "halfDuplex"}, {3, "fullDuplex"}, {}};
// RMON's EntryStatus: setting invalid removes the row.
constexpr KtOptionPair kEntryStatusPairs[] = {
    {1, "valid"}, {2, "createRequest"}, {3, "underCreation"}, {4, "invalid"}, {},
};
constexpr KtOptionPair kAlarmSampleTypePairs[] = {{1, "absoluteValue"}, {2, "deltaValue"}, {}};
constexpr KtOptionPair kAlarmStartupPairs[] = {
    {1, "risingAlarm"}, {2, "fallingAlarm"}, {3, "risingOrFallingAlarm"}, {},
};
constexpr KtOptionPair kEventTypePairs[] = {{1, "none"}, {2, "log"}, {3, "snmptrap"}, {4, "logandtrap"}, {}};
constexpr KtOptionPair kStaticStatusPairs[] = {
    {1, "other"}, {2, "invalid"}, {3, "permanent"}, {4, "deleteOnReset"}, {5, "deleteOnTimeout"}, {},
};

const KtOptionList olIfType(kIfTypePairs);
const KtOptionList olIfAdminStatus(kIfAdminStatusPairs);
const KtOptionList olIfOperStatus(kIfOperStatusPairs);
const KtOptionList olIpForwarding(kIpForwardingPairs);
const KtOptionList olIpRouteType(kIpRouteTypePairs);
const KtOptionList olIpRouteProto(kIpRouteProtoPairs);
const KtOptionList olIpNetToMediaType(kIpNetToMediaTypePairs);
const KtOptionList olDuplexStatus(kDuplexStatusPairs);
const KtOptionList olEntryStatus(kEntryStatusPairs);
const KtOptionList olAlarmSampleType(kAlarmSampleTypePairs);
const KtOptionList olAlarmStartup(kAlarmStartupPairs);
const KtOptionList olEventType(kEventTypePairs);
const KtOptionList olStaticStatus(kStaticStatusPairs);
// olEnabledDisabled (1 enabled, 2 disabled) and olTrueFalse (TruthValue) are the catalogue's.

constexpr auto RO = KtAcc::ReadOnly;
constexpr auto RW = KtAcc::ReadWrite;

// ---- MIB-II system group: System Information ----------------------------------------------
const KtSNMPVarDef kSystem[] = {
    {"1.3.6.1.2.1.1.1", "sysDescr", KtSyn::DisplayStr, RO},
    {"1.3.6.1.2.1.1.2", "sysObjectID", KtSyn::ObjectId, RO},
    {"1.3.6.1.2.1.1.3", "sysUpTime", KtSyn::TimeTicks, RO},
    {"1.3.6.1.2.1.1.4", "sysContact", KtSyn::DisplayStr, RW},
    {"1.3.6.1.2.1.1.5", "sysName", KtSyn::DisplayStr, RW},
    {"1.3.6.1.2.1.1.6", "sysLocation", KtSyn::DisplayStr, RW},
    {"1.3.6.1.2.1.1.7", "sysServices", KtSyn::Integer, RO},
    {},
};

// ---- IF-MIB general group: General Table ---------------------------------------------------
const KtSNMPVarDef kIfGeneral[] = {
    {"1.3.6.1.2.1.2.1", "ifNumber", KtSyn::Integer, RO},
    {"1.3.6.1.2.1.31.1.5", "ifTableLastChange", KtSyn::TimeTicks, RO},
    {"1.3.6.1.2.1.31.1.6", "ifStackLastChange", KtSyn::TimeTicks, RO},
    {},
};

// ---- ifTable: IF Table ---------------------------------------------------------------------
const KtSNMPVarDef kIfTable[] = {
    {"1.3.6.1.2.1.2.2.1.1", "ifIndex", KtSyn::Integer, RO},
    {"1.3.6.1.2.1.2.2.1.2", "ifDescr", KtSyn::DisplayStr, RO},
    {"1.3.6.1.2.1.2.2.1.3", "ifType", KtSyn::Integer, RO, &olIfType},
    {"1.3.6.1.2.1.2.2.1.4", "ifMtu (octets)", KtSyn::Integer, RO},
    {"1.3.6.1.2.1.2.2.1.5", "ifSpeed (bit/s)", KtSyn::Gauge, RO},
    {"1.3.6.1.2.1.2.2.1.6", "ifPhysAddress", KtSyn::MacAddress, RO},
    {"1.3.6.1.2.1.2.2.1.7", "ifAdminStatus", KtSyn::Integer, RW, &olIfAdminStatus},
    {"1.3.6.1.2.1.2.2.1.8", "ifOperStatus", KtSyn::Integer, RO, &olIfOperStatus},
    {"1.3.6.1.2.1.2.2.1.9", "ifLastChange", KtSyn::TimeTicks, RO},
    {"1.3.6.1.2.1.2.2.1.10", "ifInOctets", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.2.2.1.11", "ifInUcastPkts", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.2.2.1.12", "ifInNUcastPkts", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.2.2.1.13", "ifInDiscards", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.2.2.1.14", "ifInErrors", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.2.2.1.15", "ifInUnknownProtos", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.2.2.1.16", "ifOutOctets", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.2.2.1.17", "ifOutUcastPkts", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.2.2.1.18", "ifOutNUcastPkts", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.2.2.1.19", "ifOutDiscards", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.2.2.1.20", "ifOutErrors", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.2.2.1.21", "ifOutQLen (packets)", KtSyn::Gauge, RO},
    {"1.3.6.1.2.1.2.2.1.22", "ifSpecific", KtSyn::ObjectId, RO},
    {},
};

// ifXTable's names and 64-bit counters; its rows share ifTable's index, taken from the
// instance (ifXTable has no index column of its own).
const KtSNMPVarDef kIfXNames[] = {
    {"1.3.6.1.2.1.2.2.1.1", "ifIndex", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.2.1.31.1.1.1.1", "ifName", KtSyn::DisplayStr, RO},
    {"1.3.6.1.2.1.31.1.1.1.6", "ifHCInOctets", KtSyn::Counter64, RO},
    {"1.3.6.1.2.1.31.1.1.1.7", "ifHCInUcastPkts", KtSyn::Counter64, RO},
    {"1.3.6.1.2.1.31.1.1.1.8", "ifHCInMulticastPkts", KtSyn::Counter64, RO},
    {"1.3.6.1.2.1.31.1.1.1.9", "ifHCInBroadcastPkts", KtSyn::Counter64, RO},
    {"1.3.6.1.2.1.31.1.1.1.10", "ifHCOutOctets", KtSyn::Counter64, RO},
    {"1.3.6.1.2.1.31.1.1.1.11", "ifHCOutUcastPkts", KtSyn::Counter64, RO},
    {"1.3.6.1.2.1.31.1.1.1.12", "ifHCOutMulticastPkts", KtSyn::Counter64, RO},
    {"1.3.6.1.2.1.31.1.1.1.13", "ifHCOutBroadcastPkts", KtSyn::Counter64, RO},
    {"1.3.6.1.2.1.31.1.1.1.15", "ifHighSpeed (Mbit/s)", KtSyn::Gauge, RO},
    {"1.3.6.1.2.1.31.1.1.1.18", "ifAlias", KtSyn::DisplayStr, RW},
    {},
};

// ---- ifTable's counters: IF Counters --------------------------------------------------------
const KtSNMPVarDef kIfCounters[] = {
    {"1.3.6.1.2.1.2.2.1.1", "ifIndex", KtSyn::Integer, RO},
    {"1.3.6.1.2.1.2.2.1.2", "ifDescr", KtSyn::DisplayStr, RO},
    {"1.3.6.1.2.1.2.2.1.10", "ifInOctets", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.2.2.1.11", "ifInUcastPkts", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.2.2.1.12", "ifInNUcastPkts", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.2.2.1.13", "ifInDiscards", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.2.2.1.14", "ifInErrors", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.2.2.1.15", "ifInUnknownProtos", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.2.2.1.16", "ifOutOctets", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.2.2.1.17", "ifOutUcastPkts", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.2.2.1.18", "ifOutNUcastPkts", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.2.2.1.19", "ifOutDiscards", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.2.2.1.20", "ifOutErrors", KtSyn::Counter, RO},
    {},
};

// ---- MIB-II ip group: IP Counters -----------------------------------------------------------
const KtSNMPVarDef kIpCounters[] = {
    {"1.3.6.1.2.1.4.1", "ipForwarding", KtSyn::Integer, RW, &olIpForwarding},
    {"1.3.6.1.2.1.4.2", "ipDefaultTTL", KtSyn::Integer, RW},
    {"1.3.6.1.2.1.4.3", "ipInReceives", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.4.4", "ipInHdrErrors", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.4.5", "ipInAddrErrors", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.4.6", "ipForwDatagrams", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.4.7", "ipInUnknownProtos", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.4.8", "ipInDiscards", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.4.9", "ipInDelivers", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.4.10", "ipOutRequests", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.4.11", "ipOutDiscards", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.4.12", "ipOutNoRoutes", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.4.13", "ipReasmTimeout (s)", KtSyn::Integer, RO},
    {"1.3.6.1.2.1.4.14", "ipReasmReqds", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.4.15", "ipReasmOKs", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.4.16", "ipReasmFails", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.4.17", "ipFragOKs", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.4.18", "ipFragFails", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.4.19", "ipFragCreates", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.4.23", "ipRoutingDiscards", KtSyn::Counter, RO},
    {},
};

// ---- ipRouteTable: IP Routing ---------------------------------------------------------------
const KtSNMPVarDef kIpRouteTable[] = {
    {"1.3.6.1.2.1.4.21.1.1", "ipRouteDest", KtSyn::IpAddress, RO},
    {"1.3.6.1.2.1.4.21.1.2", "ipRouteIfIndex", KtSyn::Integer, RO},
    {"1.3.6.1.2.1.4.21.1.3", "ipRouteMetric1", KtSyn::Integer, RO},
    {"1.3.6.1.2.1.4.21.1.4", "ipRouteMetric2", KtSyn::Integer, RO},
    {"1.3.6.1.2.1.4.21.1.5", "ipRouteMetric3", KtSyn::Integer, RO},
    {"1.3.6.1.2.1.4.21.1.6", "ipRouteMetric4", KtSyn::Integer, RO},
    {"1.3.6.1.2.1.4.21.1.7", "ipRouteNextHop", KtSyn::IpAddress, RO},
    {"1.3.6.1.2.1.4.21.1.8", "ipRouteType", KtSyn::Integer, RO, &olIpRouteType},
    {"1.3.6.1.2.1.4.21.1.9", "ipRouteProto", KtSyn::Integer, RO, &olIpRouteProto},
    {"1.3.6.1.2.1.4.21.1.10", "ipRouteAge (s)", KtSyn::Integer, RO},
    {"1.3.6.1.2.1.4.21.1.11", "ipRouteMask", KtSyn::IpAddress, RO},
    {"1.3.6.1.2.1.4.21.1.12", "ipRouteMetric5", KtSyn::Integer, RO},
    {"1.3.6.1.2.1.4.21.1.13", "ipRouteInfo", KtSyn::ObjectId, RO},
    {},
};

// ---- ipAddrTable: IP Address Table -----------------------------------------------------------
const KtSNMPVarDef kIpAddrTable[] = {
    {"1.3.6.1.2.1.4.20.1.1", "ipAdEntAddr", KtSyn::IpAddress, RO},
    {"1.3.6.1.2.1.4.20.1.2", "ipAdEntIfIndex", KtSyn::Integer, RO},
    {"1.3.6.1.2.1.4.20.1.3", "ipAdEntNetMask", KtSyn::IpAddress, RO},
    {"1.3.6.1.2.1.4.20.1.4", "ipAdEntBcastAddr", KtSyn::Integer, RO},
    {"1.3.6.1.2.1.4.20.1.5", "ipAdEntReasmMaxSize (octets)", KtSyn::Integer, RO},
    {},
};

// ---- MIB-II icmp group: ICMP Counters ----------------------------------------------------------
const KtSNMPVarDef kIcmpCounters[] = {
    {"1.3.6.1.2.1.5.1", "icmpInMsgs", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.5.2", "icmpInErrors", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.5.3", "icmpInDestUnreachs", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.5.4", "icmpInTimeExcds", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.5.5", "icmpInParmProbs", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.5.6", "icmpInSrcQuenchs", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.5.7", "icmpInRedirects", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.5.8", "icmpInEchos", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.5.9", "icmpInEchoReps", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.5.10", "icmpInTimestamps", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.5.11", "icmpInTimestampReps", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.5.12", "icmpInAddrMasks", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.5.13", "icmpInAddrMaskReps", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.5.14", "icmpOutMsgs", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.5.15", "icmpOutErrors", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.5.16", "icmpOutDestUnreachs", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.5.17", "icmpOutTimeExcds", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.5.18", "icmpOutParmProbs", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.5.19", "icmpOutSrcQuenchs", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.5.20", "icmpOutRedirects", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.5.21", "icmpOutEchos", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.5.22", "icmpOutEchoReps", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.5.23", "icmpOutTimestamps", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.5.24", "icmpOutTimestampReps", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.5.25", "icmpOutAddrMasks", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.5.26", "icmpOutAddrMaskReps", KtSyn::Counter, RO},
    {},
};

// ---- MIB-II udp group: UDP Counters ------------------------------------------------------------
const KtSNMPVarDef kUdpCounters[] = {
    {"1.3.6.1.2.1.7.1", "udpInDatagrams", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.7.2", "udpNoPorts", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.7.3", "udpInErrors", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.7.4", "udpOutDatagrams", KtSyn::Counter, RO},
    {},
};

// ---- MIB-II snmp group: SNMP Counters (7 and 23 are unused) ------------------------------------
const KtSNMPVarDef kSnmpCounters[] = {
    {"1.3.6.1.2.1.11.1", "snmpInPkts", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.11.2", "snmpOutPkts", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.11.3", "snmpInBadVersions", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.11.4", "snmpInBadCommunityNames", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.11.5", "snmpInBadCommunityUses", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.11.6", "snmpInASNParseErrs", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.11.8", "snmpInTooBigs", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.11.9", "snmpInNoSuchNames", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.11.10", "snmpInBadValues", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.11.11", "snmpInReadOnlys", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.11.12", "snmpInGenErrs", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.11.13", "snmpInTotalReqVars", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.11.14", "snmpInTotalSetVars", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.11.15", "snmpInGetRequests", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.11.16", "snmpInGetNexts", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.11.17", "snmpInSetRequests", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.11.18", "snmpInGetResponses", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.11.19", "snmpInTraps", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.11.20", "snmpOutTooBigs", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.11.21", "snmpOutNoSuchNames", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.11.22", "snmpOutBadValues", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.11.24", "snmpOutGenErrs", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.11.25", "snmpOutGetRequests", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.11.26", "snmpOutGetNexts", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.11.27", "snmpOutSetRequests", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.11.28", "snmpOutGetResponses", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.11.29", "snmpOutTraps", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.11.30", "snmpEnableAuthenTraps", KtSyn::Integer, RW, &olEnabledDisabled},
    {"1.3.6.1.2.1.11.31", "snmpSilentDrops", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.11.32", "snmpProxyDrops", KtSyn::Counter, RO},
    {},
};

// ---- ipNetToMediaTable: ARP Table (index: ifIndex, net address) --------------------------------
const KtSNMPVarDef kIpNetToMediaTable[] = {
    {"1.3.6.1.2.1.4.22.1.1", "ipNetToMediaIfIndex", KtSyn::Integer, RO},
    {"1.3.6.1.2.1.4.22.1.3", "ipNetToMediaNetAddress", KtSyn::IpAddress, RO},
    {"1.3.6.1.2.1.4.22.1.2", "ipNetToMediaPhysAddress", KtSyn::MacAddress, RO},
    {"1.3.6.1.2.1.4.22.1.4", "ipNetToMediaType", KtSyn::Integer, RO, &olIpNetToMediaType},
    {},
};

// ---- EtherLike-MIB dot3StatsTable: dot3 Statistics ---------------------------------------------
const KtSNMPVarDef kDot3StatsTable[] = {
    {"1.3.6.1.2.1.10.7.2.1.1", "dot3StatsIndex", KtSyn::Integer, RO},
    {"1.3.6.1.2.1.10.7.2.1.2", "dot3StatsAlignmentErrors", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.10.7.2.1.3", "dot3StatsFCSErrors", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.10.7.2.1.4", "dot3StatsSingleCollisionFrames", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.10.7.2.1.5", "dot3StatsMultipleCollisionFrames", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.10.7.2.1.6", "dot3StatsSQETestErrors", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.10.7.2.1.7", "dot3StatsDeferredTransmissions", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.10.7.2.1.8", "dot3StatsLateCollisions", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.10.7.2.1.9", "dot3StatsExcessiveCollisions", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.10.7.2.1.10", "dot3StatsInternalMacTransmitErrors", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.10.7.2.1.11", "dot3StatsCarrierSenseErrors", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.10.7.2.1.13", "dot3StatsFrameTooLongs", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.10.7.2.1.16", "dot3StatsInternalMacReceiveErrors", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.10.7.2.1.18", "dot3StatsSymbolErrors", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.10.7.2.1.19", "dot3StatsDuplexStatus", KtSyn::Integer, RO, &olDuplexStatus},
    {},
};

// ---- RMON etherStatsTable: Statistics ------------------------------------------------------------
const KtSNMPVarDef kEtherStatsTable[] = {
    {"1.3.6.1.2.1.16.1.1.1.1", "etherStatsIndex", KtSyn::Integer, RO},
    {"1.3.6.1.2.1.16.1.1.1.2", "etherStatsDataSource", KtSyn::ObjectId, RO},
    {"1.3.6.1.2.1.16.1.1.1.3", "etherStatsDropEvents", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.16.1.1.1.4", "etherStatsOctets", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.16.1.1.1.5", "etherStatsPkts", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.16.1.1.1.6", "etherStatsBroadcastPkts", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.16.1.1.1.7", "etherStatsMulticastPkts", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.16.1.1.1.8", "etherStatsCRCAlignErrors", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.16.1.1.1.9", "etherStatsUndersizePkts", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.16.1.1.1.10", "etherStatsOversizePkts", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.16.1.1.1.11", "etherStatsFragments", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.16.1.1.1.12", "etherStatsJabbers", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.16.1.1.1.13", "etherStatsCollisions", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.16.1.1.1.14", "etherStatsPkts64Octets", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.16.1.1.1.15", "etherStatsPkts65to127Octets", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.16.1.1.1.16", "etherStatsPkts128to255Octets", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.16.1.1.1.17", "etherStatsPkts256to511Octets", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.16.1.1.1.18", "etherStatsPkts512to1023Octets", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.16.1.1.1.19", "etherStatsPkts1024to1518Octets", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.16.1.1.1.20", "etherStatsOwner", KtSyn::DisplayStr, RO},
    {"1.3.6.1.2.1.16.1.1.1.21", "etherStatsStatus", KtSyn::Integer, RO, &olEntryStatus},
    {},
};

// ---- RMON history: History ---------------------------------------------------------------------
const KtSNMPVarDef kHistoryControlTable[] = {
    {"1.3.6.1.2.1.16.2.1.1.1", "historyControlIndex", KtSyn::Integer, RO},
    {"1.3.6.1.2.1.16.2.1.1.2", "historyControlDataSource", KtSyn::ObjectId, RO},
    {"1.3.6.1.2.1.16.2.1.1.3", "historyControlBucketsRequested", KtSyn::Integer, RO},
    {"1.3.6.1.2.1.16.2.1.1.4", "historyControlBucketsGranted", KtSyn::Integer, RO},
    {"1.3.6.1.2.1.16.2.1.1.5", "historyControlInterval (s)", KtSyn::Integer, RO},
    {"1.3.6.1.2.1.16.2.1.1.6", "historyControlOwner", KtSyn::DisplayStr, RO},
    {"1.3.6.1.2.1.16.2.1.1.7", "historyControlStatus", KtSyn::Integer, RO, &olEntryStatus},
    {},
};
const KtSNMPVarDef kEtherHistoryTable[] = {
    {"1.3.6.1.2.1.16.2.2.1.1", "etherHistoryIndex", KtSyn::Integer, RO},
    {"1.3.6.1.2.1.16.2.2.1.2", "etherHistorySampleIndex", KtSyn::Integer, RO},
    {"1.3.6.1.2.1.16.2.2.1.3", "etherHistoryIntervalStart", KtSyn::TimeTicks, RO},
    {"1.3.6.1.2.1.16.2.2.1.4", "etherHistoryDropEvents", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.16.2.2.1.5", "etherHistoryOctets", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.16.2.2.1.6", "etherHistoryPkts", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.16.2.2.1.7", "etherHistoryBroadcastPkts", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.16.2.2.1.8", "etherHistoryMulticastPkts", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.16.2.2.1.9", "etherHistoryCRCAlignErrors", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.16.2.2.1.10", "etherHistoryUndersizePkts", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.16.2.2.1.11", "etherHistoryOversizePkts", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.16.2.2.1.12", "etherHistoryFragments", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.16.2.2.1.13", "etherHistoryJabbers", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.16.2.2.1.14", "etherHistoryCollisions", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.16.2.2.1.15", "etherHistoryUtilization (0.01 %)", KtSyn::Integer, RO},
    {},
};

// ---- RMON alarm and event: Alarm/Event (rows added with valid, removed with invalid) -------------
enum { kAlarmStatusRow = 11, kEventStatusRow = 6 };
const KtSNMPVarDef kAlarmTable[] = {
    {"1.3.6.1.2.1.16.3.1.1.1", "alarmIndex", KtSyn::Integer, RO},
    {"1.3.6.1.2.1.16.3.1.1.2", "alarmInterval (s)", KtSyn::Integer, RW},
    {"1.3.6.1.2.1.16.3.1.1.3", "alarmVariable", KtSyn::ObjectId, RW},
    {"1.3.6.1.2.1.16.3.1.1.4", "alarmSampleType", KtSyn::Integer, RW, &olAlarmSampleType},
    {"1.3.6.1.2.1.16.3.1.1.5", "alarmValue", KtSyn::Integer, RO},
    {"1.3.6.1.2.1.16.3.1.1.6", "alarmStartupAlarm", KtSyn::Integer, RW, &olAlarmStartup},
    {"1.3.6.1.2.1.16.3.1.1.7", "alarmRisingThreshold", KtSyn::Integer, RW},
    {"1.3.6.1.2.1.16.3.1.1.8", "alarmFallingThreshold", KtSyn::Integer, RW},
    {"1.3.6.1.2.1.16.3.1.1.9", "alarmRisingEventIndex", KtSyn::Integer, RW},
    {"1.3.6.1.2.1.16.3.1.1.10", "alarmFallingEventIndex", KtSyn::Integer, RW},
    {"1.3.6.1.2.1.16.3.1.1.11", "alarmOwner", KtSyn::DisplayStr, RW},
    {"1.3.6.1.2.1.16.3.1.1.12", "alarmStatus", KtSyn::Integer, RW, &olEntryStatus},
    {},
};
const KtSNMPVarDef kEventTable[] = {
    {"1.3.6.1.2.1.16.9.1.1.1", "eventIndex", KtSyn::Integer, RO},
    {"1.3.6.1.2.1.16.9.1.1.2", "eventDescription", KtSyn::DisplayStr, RW},
    {"1.3.6.1.2.1.16.9.1.1.3", "eventType", KtSyn::Integer, RW, &olEventType},
    {"1.3.6.1.2.1.16.9.1.1.4", "eventCommunity", KtSyn::DisplayStr, RW},
    {"1.3.6.1.2.1.16.9.1.1.5", "eventLastTimeSent", KtSyn::TimeTicks, RO},
    {"1.3.6.1.2.1.16.9.1.1.6", "eventOwner", KtSyn::DisplayStr, RW},
    {"1.3.6.1.2.1.16.9.1.1.7", "eventStatus", KtSyn::Integer, RW, &olEntryStatus},
    {},
};

// ---- BRIDGE-MIB ----------------------------------------------------------------------------------
const KtSNMPVarDef kDot1dBasePortTable[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "dot1dBasePort", KtSyn::Integer, RO},
    {"1.3.6.1.2.1.17.1.4.1.2", "dot1dBasePortIfIndex", KtSyn::Integer, RO},
    {"1.3.6.1.2.1.17.1.4.1.3", "dot1dBasePortCircuit", KtSyn::ObjectId, RO},
    {"1.3.6.1.2.1.17.1.4.1.4", "dot1dBasePortDelayExceededDiscards", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.17.1.4.1.5", "dot1dBasePortMtuExceededDiscards", KtSyn::Counter, RO},
    {},
};
const KtSNMPVarDef kDot1dTpFdbTable[] = {
    {"1.3.6.1.2.1.17.4.3.1.1", "dot1dTpFdbAddress", KtSyn::MacAddress, RO},
    {"1.3.6.1.2.1.17.4.3.1.2", "dot1dTpFdbPort", KtSyn::Integer, RO},
    {"1.3.6.1.2.1.17.4.3.1.3", "dot1dTpFdbStatus", KtSyn::Integer, RO, &olFdbStatus},
    {},
};
const KtSNMPVarDef kDot1dStaticTable[] = {
    {"1.3.6.1.2.1.17.5.1.1.1", "dot1dStaticAddress", KtSyn::MacAddress, RO},
    {"1.3.6.1.2.1.17.5.1.1.2", "dot1dStaticReceivePort", KtSyn::Integer, RO},
    {"1.3.6.1.2.1.17.5.1.1.3", "dot1dStaticAllowedToGoTo", KtSyn::OctetStr, RO},
    {"1.3.6.1.2.1.17.5.1.1.4", "dot1dStaticStatus", KtSyn::Integer, RO, &olStaticStatus},
    {},
};
const KtSNMPVarDef kDot1dTpPortTable[] = {
    {"1.3.6.1.2.1.17.4.4.1.1", "dot1dTpPort", KtSyn::Integer, RO},
    {"1.3.6.1.2.1.17.4.4.1.2", "dot1dTpPortMaxInfo (octets)", KtSyn::Integer, RO},
    {"1.3.6.1.2.1.17.4.4.1.3", "dot1dTpPortInFrames", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.17.4.4.1.4", "dot1dTpPortOutFrames", KtSyn::Counter, RO},
    {"1.3.6.1.2.1.17.4.4.1.5", "dot1dTpPortInDiscards", KtSyn::Counter, RO},
    {},
};

template <std::size_t N>
constexpr int Vars(const KtSNMPVarDef (&)[N])
{
    return int(N) - 1;
}

constexpr KtViewEntry Scalars(const char* object, const char* caption, const KtSNMPVarDef* table, int count)
{
    return {.captionPrefix = caption, .kind = KtViewKind::Editor, .itemType = KtItem::SVT_SV, .keyCount = 0,
            .table = table, .varCount = count, .mibObject = object};
}

constexpr KtViewEntry Table(const char* object, const char* caption, const KtSNMPVarDef* table, int count, int keys)
{
    return {.captionPrefix = caption, .kind = KtViewKind::Table, .itemType = KtItem::MVT_UMV, .keyCount = keys,
            .table = table, .varCount = count, .mibObject = object};
}

// Counter groups and tables: a refresh interval and the change per second beside each counter.
constexpr KtViewEntry Counters(KtViewEntry e)
{
    e.counterRates = true;
    return e;
}

constexpr KtViewEntry RmonRows(const char* object, const char* caption, const KtSNMPVarDef* table, int count,
                               int statusRow)
{
    KtViewEntry e = Table(object, caption, table, count, 1);
    e.addIndex = statusRow;
    e.addText = "valid";
    e.deleteIndex = statusRow;
    e.deleteText = "invalid";
    return e;
}

const KtViewEntry kInfoViews[] = {Scalars("MIB-II / system", "System Information: ", kSystem, Vars(kSystem))};
const KtViewEntry kIfGeneralViews[] = {
    Scalars("IF-MIB / general", "IF General Table: ", kIfGeneral, Vars(kIfGeneral))};
const KtViewEntry kIfTableViews[] = {
    Table("IF-MIB / ifTable", "IF Table: ", kIfTable, Vars(kIfTable), 1),
    Table("IF-MIB / ifXTable", "IF Names and 64-bit Counters: ", kIfXNames, Vars(kIfXNames), 1),
};
const KtViewEntry kIfCounterViews[] = {
    Counters(Table("IF-MIB / ifTable counters", "IF Counters: ", kIfCounters, Vars(kIfCounters), 1))};
const KtViewEntry kIpCounterViews[] = {Counters(Scalars("MIB-II / ip", "IP Counters: ", kIpCounters, Vars(kIpCounters)))};
const KtViewEntry kIpRouteViews[] = {
    Table("MIB-II / ipRouteTable", "IP Routing: ", kIpRouteTable, Vars(kIpRouteTable), 1)};
const KtViewEntry kIpAddrViews[] = {
    Table("MIB-II / ipAddrTable", "IP Address Table: ", kIpAddrTable, Vars(kIpAddrTable), 1)};
const KtViewEntry kIcmpViews[] = {
    Counters(Scalars("MIB-II / icmp", "ICMP Counters: ", kIcmpCounters, Vars(kIcmpCounters)))};
const KtViewEntry kUdpViews[] = {Counters(Scalars("MIB-II / udp", "UDP Counters: ", kUdpCounters, Vars(kUdpCounters)))};
const KtViewEntry kSnmpViews[] = {
    Counters(Scalars("MIB-II / snmp", "SNMP Counters: ", kSnmpCounters, Vars(kSnmpCounters)))};
const KtViewEntry kArpViews[] = {
    Table("MIB-II / ipNetToMediaTable", "ARP Table: ", kIpNetToMediaTable, Vars(kIpNetToMediaTable), 2)};
const KtViewEntry kDot3Views[] = {
    Counters(Table("EtherLike-MIB / dot3StatsTable", "dot3 Statistics: ", kDot3StatsTable, Vars(kDot3StatsTable), 1))};
const KtViewEntry kRmonStatisticsViews[] = {
    Counters(Table("RMON-MIB / etherStatsTable", "RMON Statistics: ", kEtherStatsTable, Vars(kEtherStatsTable), 1))};
const KtViewEntry kRmonHistoryViews[] = {
    Table("RMON-MIB / historyControlTable", "RMON History Control: ", kHistoryControlTable,
                  Vars(kHistoryControlTable), 1),
    Table("RMON-MIB / etherHistoryTable", "RMON Ethernet History: ", kEtherHistoryTable,
                  Vars(kEtherHistoryTable), 2),
};
const KtViewEntry kRmonAlarmEventViews[] = {
    RmonRows("RMON-MIB / alarmTable", "RMON Alarm Table: ", kAlarmTable, Vars(kAlarmTable), kAlarmStatusRow),
    RmonRows("RMON-MIB / eventTable", "RMON Event Table: ", kEventTable, Vars(kEventTable), kEventStatusRow),
};
const KtViewEntry kBridgePortViews[] = {Table("BRIDGE-MIB / dot1dBasePortTable", "Bridge Port Table: ",
                                                      kDot1dBasePortTable, Vars(kDot1dBasePortTable), 1)};
const KtViewEntry kBridgeFdbViews[] = {Table("BRIDGE-MIB / dot1dTpFdbTable", "Bridge Forwarding Table: ",
                                                     kDot1dTpFdbTable, Vars(kDot1dTpFdbTable), 1)};
const KtViewEntry kBridgeStaticViews[] = {Table("BRIDGE-MIB / dot1dStaticTable", "Bridge Static Table: ",
                                                        kDot1dStaticTable, Vars(kDot1dStaticTable), 2)};
const KtViewEntry kBridgeTpPortViews[] = {Counters(Table("BRIDGE-MIB / dot1dTpPortTable", "Bridge Port Counters: ",
                                                        kDot1dTpPortTable, Vars(kDot1dTpPortTable), 1))};

const KtToolViews kToolViews[] = {
    {"/TMIB_Info", kInfoViews},
    {"/TIFMib_LastChangeTable", kIfGeneralViews},
    {"/TMIB_IFTable", kIfTableViews},
    {"/TMIB_IFCounters", kIfCounterViews},
    {"/TMIB_IPCounters", kIpCounterViews},
    {"/TMIB_IPRouting", kIpRouteViews},
    {"/TMIB_IPAddress", kIpAddrViews},
    {"/TMIB_ICMPCounters", kIcmpViews},
    {"/TMIB_UDPCounters", kUdpViews},
    {"/TMIB_SNMPCounters", kSnmpViews},
    {"/TMIB_ARP", kArpViews},
    {"/TEthernetLike_dot3StatsTable", kDot3Views},
    {"/TRmon_Statistics", kRmonStatisticsViews},
    {"/TRmon_History", kRmonHistoryViews},
    {"/TRmon_AlarmEvent", kRmonAlarmEventViews},
    {"/TBridge_Port", kBridgePortViews},
    {"/TBridge_Forwarding", kBridgeFdbViews},
    {"/TBridge_StaticFilter", kBridgeStaticViews},
    {"/TBridge_TpPortInfo", kBridgeTpPortViews},
};

} // namespace

std::span<const KtToolViews> KtStandardMibViews()
{
    return kToolViews;
}

std::span<const KtViewEntry> FindToolViews(QStringView argument)
{
    for (const KtToolViews& tool : kToolViews)
        if (argument == QLatin1String(tool.argument))
            return tool.views;
    return {};
}
