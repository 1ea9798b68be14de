// Every generic view finds its objects in the shipped simulator data: each scalar of an editor
// answers, each readable column of a table has at least one row, and every value comes with the
// SNMP type the view decodes it as.
#include "tests/support/SimProcess.h"
#include "tests/support/SnmpTools.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

using testutil::SimProcess;

namespace {

struct ViewCase {
    const char* view;     // menu path of the command that opens the view
    bool table;           // table view (walked by columns) or scalar-group editor
    const char* objects;  // the objects it requests, in list order
    const char* types;    // one letter per object (below)
};

// The readable objects of every view in list order; index columns that are never requested are
// left out. P.{a-b,c} stands for P.a, P.a+1, ..., P.b, P.c; groups are separated by "; ".
// Types: i INTEGER, g Gauge32, c Counter32, C Counter64, t TimeTicks, a IpAddress, o OID,
// s octet string. The engine group, the USM user table and the VACM tables are answered by the
// agent library itself.
const ViewCase kViews[] = {
    {"Basic Configuration / Device Management / Device Information", false,
     "1.3.6.1.4.1.32473.11.101.1.2.1.1.{1-2}",
     "ii"},
    {"Basic Configuration / Device Management / Alarm Control", false, "1.3.6.1.4.1.32473.11.101.1.2.1.3.{1-3}", "iii"},
    {"Basic Configuration / Equipment Management / Unit information (hidden)", false,
     "1.3.6.1.4.1.32473.12.11.1.9.{1-3}",
     "iii"},
    {"Basic Configuration / Equipment Management / Unit Table (hidden)", true,
     "1.3.6.1.4.1.32473.12.11.1.9.4.1.{2-4,7-16}",
     "siiisssssiiii"},
    {"Basic Configuration / Equipment Management / Power Table (hidden)", true,
     "1.3.6.1.4.1.32473.12.11.1.6.1.{1-3}",
     "iii"},
    {"Basic Configuration / Equipment Management / Fan Table (hidden)", true, "1.3.6.1.4.1.32473.12.11.1.7.1.3", "i"},
    {"Basic Configuration / Agent Management / Basic Configuration", false,
     "1.3.6.1.4.1.32473.12.1.2.{3-6,14-17}",
     "iiiiisii"},
    {"Basic Configuration / Agent Management / Basic Information", false,
     "1.3.6.1.4.1.32473.12.1.1.{1,3-5,7}",
     "iiiii"},
    {"Basic Configuration / Agent Management / MIB Capabilities", true, "1.3.6.1.4.1.32473.12.1.1.2.1.{1-4}", "isii"},
    {"Basic Configuration / Agent Management / CPU Utilization", false, "1.3.6.1.4.1.32473.12.1.1.6.{1-3}", "iii"},
    {"Basic Configuration / Agent Management / Port Utilization", true, "1.3.6.1.4.1.32473.12.1.1.8.1.{2-4}", "iii"},
    {"Basic Configuration / Agent Management / IP Proto-Configure", false, "1.3.6.1.4.1.32473.12.1.3.{1,3}", "ii"},
    {"Basic Configuration / Agent Management / FDB Clear All State", false, "1.3.6.1.4.1.32473.12.1.2.11.1", "i"},
    {"Basic Configuration / Agent Management / ARP Clear All State", false, "1.3.6.1.4.1.32473.12.1.2.12.1", "i"},
    {"Basic Configuration / Agent Management / Trap Manager Table", true, "1.3.6.1.4.1.32473.12.1.4.2.1.{2-5}", "asii"},
    {"Basic Configuration / Agent Management / Severity Control Management", false,
     "1.3.6.1.4.1.32473.12.1.2.9.{1-2}",
     "ii"},
    {"Basic Configuration / Agent Management / Agent Supported Update Files", true,
     "1.3.6.1.4.1.32473.12.1.2.1.1.{2-11}",
     "saisiiiiis"},
    {"Basic Configuration / Agent Management / Multiple Image Management / General Information", true,
     "1.3.6.1.4.1.32473.12.1.2.7.1.{2-6}",
     "sisss"},
    {"Basic Configuration / Agent Management / Multiple Image Management / Multiple Image Control", true,
     "1.3.6.1.4.1.32473.12.1.2.13.1.2",
     "i"},
    {"Basic Configuration / Agent Management / Multiple Config Management / General Information", false,
     "1.3.6.1.4.1.32473.12.1.2.8.{2-3}",
     "ii"},
    {"Basic Configuration / Agent Management / Multiple Config Management / Multiple Config Information", true,
     "1.3.6.1.4.1.32473.12.1.2.8.1.1.{2-6}",
     "sisss"},
    {"Basic Configuration / Agent Management / Agent Trust Host Management / Trust Host Delete All State", false,
     "1.3.6.1.4.1.32473.12.1.2.10.2",
     "i"},
    {"Basic Configuration / Agent Management / Agent Trust Host Management / Trust Host Table", true,
     "1.3.6.1.4.1.32473.12.1.2.10.1.1.{2-4}",
     "aia"},
    {"Basic Configuration / Agent Management / Ping Management / Max Concurrent Requests", false,
     "1.3.6.1.2.1.80.1.1",
     "g"},
    {"Basic Configuration / Agent Management / Ping Management / Ping Control Table", true,
     "1.3.6.1.2.1.80.1.2.1.{4,6-8,23}",
     "sggii"},
    {"Basic Configuration / Agent Management / Ping Management / Ping Results Table", true,
     "1.3.6.1.2.1.80.1.3.1.{1-10}",
     "iisggggggs"},
    {"Basic Configuration / System Log / System Log State", false, "1.3.6.1.4.1.32473.12.12.1", "i"},
    {"Basic Configuration / System Log / System Log Save Control", false, "1.3.6.1.4.1.32473.12.12.3.{1-2}", "ii"},
    {"Basic Configuration / System Log / System Log Clear Control / Clear Log", false,
     "1.3.6.1.4.1.32473.12.12.4.1",
     "i"},
    {"Basic Configuration / System Log / System Log Clear Control / Clear Dangerous Log", false,
     "1.3.6.1.4.1.32473.12.12.4.2.2",
     "i"},
    {"Basic Configuration / Time Management / Current Time", false, "1.3.6.1.4.1.32473.12.10.{1-3}", "ssi"},
    {"Basic Configuration / Time Management / System Time", false, "1.3.6.1.4.1.32473.12.10.10.{1-4}", "sssi"},
    {"Basic Configuration / Time Management / Network Time", false, "1.3.6.1.4.1.32473.12.10.11.{1-5}", "iiaai"},
    {"Basic Configuration / IF-MIB / IfX Table", true, "1.3.6.1.2.1.31.1.1.1.{1-19}", "sccccCCCCCCCCigiist"},
    {"Basic Configuration / File System / Media Information", true, "1.3.6.1.4.1.32473.12.14.2.1.1.{2-6}", "isiss"},
    {"Basic Configuration / File System / Directory Path", false, "1.3.6.1.4.1.32473.12.14.3.3.1", "s"},
    {"Basic Configuration / File System / Directory Information", true, "1.3.6.1.4.1.32473.12.14.3.3.2.1.{3-5}", "iis"},
    {"Basic Configuration / File System / File Control / File Rename", false,
     "1.3.6.1.4.1.32473.12.14.4.1.{1-3}",
     "ssi"},
    {"Basic Configuration / File System / File Control / File Delete", false, "1.3.6.1.4.1.32473.12.14.4.2.1", "s"},
    {"RMON / RMON Control", false, "1.3.6.1.4.1.32473.11.101.1.2.1.2.4", "i"},
    {"RMON / Probe Config / Net Configuration", true, "1.3.6.1.2.1.16.19.11.1.{1-3}", "aai"},
    {"RMON / Probe Config / Net Default Gateway", false, "1.3.6.1.2.1.16.19.12", "a"},
    {"Bridge / 802.1d  / Information", false, "1.3.6.1.2.1.17.1.2; 1.3.6.1.2.1.17.4.{1-2}", "ici"},
    {"Bridge / Spanning Tree / Configuration Identification", false, "1.3.6.1.4.1.32473.12.15.2.{1-2}", "si"},
    {"Bridge / Spanning Tree / Instance Information", true,
     "1.3.6.1.4.1.32473.12.15.2.3.1.{2-24}",
     "ssssssssiiisisisiiitcii"},
    {"Bridge / Spanning Tree / Port MSTP Information", true, "1.3.6.1.4.1.32473.12.15.2.5.1.{3-7}", "siiii"},
    {"Bridge / Spanning Tree / STP Port Table (hidden)", true, "1.3.6.1.2.1.17.2.15.1.{2-10}", "iiiisissc"},
    {"VLAN / 802.1P / Priority Information / Default User Priorities of Each Port", true,
     "1.3.6.1.2.1.17.6.1.2.1.1.{1-2}",
     "ii"},
    {"VLAN / 802.1P / Priority Information / Regenerated User Priorities (hidden)", true,
     "1.3.6.1.2.1.17.6.1.2.2.1.2",
     "i"},
    {"VLAN / 802.1P / Priority Information / User Priorities To Traffic Class", true,
     "1.3.6.1.2.1.17.6.1.2.3.1.2",
     "i"},
    {"VLAN / 802.1P / Priority Information / Port Outbound Access Priorities (hidden)", true,
     "1.3.6.1.2.1.17.6.1.2.4.1.1",
     "i"},
    {"VLAN / 802.1P / High Capacity / Port Table (hidden)", true,
     "1.3.6.1.2.1.17.4.4.1.1; "
     "1.3.6.1.2.1.17.4.5.1.{1-3}",
     "iiii"},
    {"VLAN / 802.1P / High Capacity / Port Overflow (hidden)", true,
     "1.3.6.1.2.1.17.4.4.1.1; "
     "1.3.6.1.2.1.17.4.6.1.{1-3}",
     "iccc"},
    {"VLAN / 802.1Q / Forwarding/Filtering / Unicast Forwarding Information", true,
     "1.3.6.1.2.1.17.7.1.2.2.1.{2-3}",
     "ii"},
    {"VLAN / 802.1Q / Forwarding/Filtering / Filtering Database", true, "1.3.6.1.2.1.17.7.1.2.1.1.2", "c"},
    {"VLAN / 802.1Q / Forwarding/Filtering / Filtering Information (hidden)", true,
     "1.3.6.1.2.1.17.7.1.2.3.1.{2-3}",
     "ss"},
    {"VLAN / PVID VLAN Auto Assignment State", false, "1.3.6.1.4.1.32473.11.101.1.2.2.2", "i"},
    {"VLAN / VLAN Static Management", true, "1.3.6.1.4.1.32473.11.101.1.2.2.1.1.2", "i"},
    {"SNMP V3 / SNMP Engine", false, "1.3.6.1.6.3.10.2.1.{1-4}", "siii"},
    {"SNMP V3 / Message Processing and Dispatching", false, "1.3.6.1.6.3.11.2.1.{1-3}", "ccc"},
    {"SNMP V3 / SNMP Target MIB / General Information", false, "1.3.6.1.6.3.12.1.{1,4-5}", "icc"},
    {"SNMP V3 / SNMP Target MIB / Target Address Table", true, "1.3.6.1.6.3.12.1.2.1.{2-9}", "osiissii"},
    {"SNMP V3 / SNMP Target MIB / Target Parameters", true, "1.3.6.1.6.3.12.1.3.1.{2-7}", "iisiii"},
    {"SNMP V3 / User-based Security Model / Statistics", false, "1.3.6.1.6.3.15.1.1.{1-6}", "cccccc"},
    {"SNMP V3 / User-based Security Model / User Table", true, "1.3.6.1.6.3.15.1.2.2.1.{3-13}", "soossosssii"},
    {"SNMP V3 / View-based Access Control Model / Security Group Table", true, "1.3.6.1.6.3.16.1.2.1.{3-5}", "sii"},
    {"SNMP V3 / View-based Access Control Model / Access Table", true, "1.3.6.1.6.3.16.1.4.1.{4-9}", "isssii"},
    {"SNMP V3 / View-based Access Control Model / View MIB Tree Family Table", true,
     "1.3.6.1.6.3.16.1.5.2.1.{3-6}",
     "siii"},
    {"SNMP V3 / Notifications / Notify Table", true, "1.3.6.1.6.3.13.1.1.1.{2-5}", "siii"},
    {"SNMP V3 / Notifications / Notify Filter Profile Table", true, "1.3.6.1.6.3.13.1.2.1.{1-3}", "sii"},
    {"SNMP V3 / Notifications / Notify Filter Entry Table", true, "1.3.6.1.6.3.13.1.3.1.{2-5}", "siii"},
    {"SNMP V3 / Community / Community String Table", true, "1.3.6.1.6.3.18.1.1.1.{2-8}", "sssssii"},
    {"SNMP V3 / Community / Target Address Table", true, "1.3.6.1.6.3.18.1.2.1.{1-2}", "si"},
    {"Security Management / Authentication Mode Setting", false, "1.3.6.1.4.1.32473.12.3.1.{1-2}", "ii"},
    {"Security Management / 802.1X / Configuration", false, "1.0.8802.1.1.1.1.1.1", "i"},
    {"Security Management / 802.1X / Port Table", true, "1.0.8802.1.1.1.1.1.2.1.{2-5}", "gsii"},
    {"Security Management / 802.1X / Port Configuration", true, "1.0.8802.1.1.1.1.2.1.1.{1-13}", "iiiiiiggggggi"},
    {"Security Management / 802.1X / Port Statistics", true, "1.0.8802.1.1.1.1.2.2.1.{1-12}", "ccccccccccgs"},
    {"Security Management / 802.1X / Port Diagnostics", true, "1.0.8802.1.1.1.1.2.3.1.{1-18}", "cccccccccccccccccc"},
    {"Security Management / 802.1X / Port Session Statistics", true, "1.0.8802.1.1.1.1.2.4.1.{1-9}", "CCccsitis"},
    {"Security Management / 802.1X / MAC_Based Authentication / State Table", true,
     "1.3.6.1.4.1.32473.12.3.6.1.1.{1-5}",
     "siiii"},
    {"Security Management / 802.1X / MAC_Based Authentication / Session Information", true,
     "1.3.6.1.4.1.32473.12.3.6.1.1.1; "
     "1.3.6.1.4.1.32473.12.3.6.4.1.{1-9}",
     "sCCccsitis"},
    {"Security Management / 802.1X / MAC_Based Authentication / Authentication Port Control", true,
     "1.3.6.1.4.1.32473.12.3.8.1.1.2",
     "i"},
    {"Security Management / 802.1X / MAC_Based Authentication / MAC_Based PAE Port Control", true,
     "1.3.6.1.4.1.32473.12.3.9.1.1.{2-3}",
     "si"},
    {"Security Management / 802.1X / Web_ Based Access Control / Web Control", false,
     "1.3.6.1.4.1.32473.12.27.1.{1-5}",
     "iisis"},
    {"Security Management / 802.1X / Web_ Based Access Control / Web Auth Port Table", true,
     "1.3.6.1.4.1.32473.12.27.3.1.1.2",
     "i"},
    {"Security Management / 802.1X / Web_ Based Access Control / Web Auth User Table", true,
     "1.3.6.1.4.1.32473.12.27.3.2.1.{2-4}",
     "ssi"},
    {"Security Management / 802.1X / MAC_Based Access Control / Port Information Table", true,
     "1.3.6.1.4.1.32473.12.35.2.1.1.{3-4}",
     "is"},
    {"Security Management / 802.1X / MAC_Based Access Control / Port Management Table", true,
     "1.3.6.1.4.1.32473.12.35.3.1.1.2",
     "i"},
    {"Security Management / 802.1X / MAC_Based Access Control / Database Table", true,
     "1.3.6.1.4.1.32473.12.35.4.1.1.{2-3}",
     "si"},
    {"Security Management / 802.1X / Tollgate Management / Tollgate Control", false,
     "1.3.6.1.4.1.32473.12.39.1.{1-13}",
     "iiiiiiiiasiii"},
    {"Security Management / 802.1X / Tollgate Management / Tollgate Update Server Table", true,
     "1.3.6.1.4.1.32473.12.39.1.14.1.3",
     "i"},
    {"Security Management / 802.1X / Tollgate Management / Tollgate Port Table", true,
     "1.3.6.1.4.1.32473.12.39.3.1.1.{2-6}",
     "iiiii"},
    {"Security Management / 802.1X / Tollgate Management / Tollgate Host Table", true,
     "1.3.6.1.4.1.32473.12.39.4.1.1.{4-8}",
     "iiiii"},
    {"Security Management / RADIUS Management / Authentication Information", false,
     "1.3.6.1.2.1.67.1.2.1.1.{1-2}",
     "cs"},
    {"Security Management / RADIUS Management / Authentication Table", true,
     "1.3.6.1.2.1.67.1.2.1.1.3.1.{2-15}",
     "aitcccccccgccc"},
    {"Security Management / RADIUS Management / Accounting Control / Basic Information", false,
     "1.3.6.1.2.1.67.2.2.1.1.{1-2}",
     "cs"},
    {"Security Management / RADIUS Management / Accounting Control / Server Table", true,
     "1.3.6.1.2.1.67.2.2.1.1.3.1.{2-13}",
     "aitcccccgccc"},
    {"Security Management / AAC / AAC Control", false, "1.3.6.1.4.1.32473.12.5.1.1", "i"},
    {"Security Management / AAC / AAC Information", false,
     "1.3.6.1.4.1.32473.12.5.2.{1-4}; "
     "1.3.6.1.4.1.32473.12.5.8.{1-2}",
     "iiiiii"},
    {"Security Management / AAC / Login Information", false,
     "1.3.6.1.4.1.32473.12.5.7.1.1; "
     "1.3.6.1.4.1.32473.12.5.7.2.1; "
     "1.3.6.1.4.1.32473.12.5.7.1.2; "
     "1.3.6.1.4.1.32473.12.5.7.2.2; "
     "1.3.6.1.4.1.32473.12.5.7.1.3; "
     "1.3.6.1.4.1.32473.12.5.7.2.3; "
     "1.3.6.1.4.1.32473.12.5.7.1.4; "
     "1.3.6.1.4.1.32473.12.5.7.2.4",
     "ssssssss"},
    {"Security Management / AAC / Server Group", true, "1.3.6.1.4.1.32473.12.5.9.1.{2-18}", "aiaiaiaiaiaiaiaii"},
    {"Security Management / SSH / SSH Management", false, "1.3.6.1.4.1.32473.12.6.1.{1-7}", "iiiiiii"},
    {"Security Management / SSH / Diffie Hellman Algorithm (hidden)", false, "1.3.6.1.4.1.32473.12.6.3.4", "i"},
    {"Security Management / SSH / Encryption Algorithm", false,
     "1.3.6.1.4.1.32473.12.6.3.1.{1-10}; "
     "1.3.6.1.4.1.32473.12.6.3.3.{1-2}; "
     "1.3.6.1.4.1.32473.12.6.3.5.{1-2}",
     "iiiiiiiiiiiiii"},
    {"Security Management / SSH / Authentication Method", false, "1.3.6.1.4.1.32473.12.6.3.2.{1-3}", "iii"},
    {"Security Management / SSH / HMAC Algorithm (hidden)", false, "1.3.6.1.4.1.32473.12.6.3.3.{1-2}", "ii"},
    {"Security Management / SSH / Public Key Algorithm (hidden)", false, "1.3.6.1.4.1.32473.12.6.3.5.{1-2}", "ii"},
    {"Security Management / SSH / User Control Table (hidden)", true, "1.3.6.1.4.1.32473.12.6.4.1.1.{2-4}", "isa"},
    {"Security Management / SSL / SSL Certificate File", false, "1.3.6.1.4.1.32473.12.7.2.{1-5}", "assii"},
    {"Security Management / Bulwark_Engine / Global Management", false, "1.3.6.1.4.1.32473.12.19.1.1", "i"},
    {"Security Management / Bulwark_Engine / ARP Storm Control (hidden)", false, "1.3.6.1.4.1.32473.12.19.3.1", "i"},
    {"Security Management / IP-MAC Bind / Binding Control", false, "1.3.6.1.4.1.32473.12.23.1.{1-2}", "ii"},
    {"Security Management / IP-MAC Bind / Port Information", true, "1.3.6.1.4.1.32473.12.23.3.2.1.2", "i"},
    {"Layer 2 Management / Port Management / Jumbo Frame Ctrl", false, "1.3.6.1.4.1.32473.11.101.1.2.3.{3-4}", "ii"},
    {"Layer 2 Management / Port Management / Port Information Table", true,
     "1.3.6.1.4.1.32473.11.101.1.2.3.1.1.{3-6,8}",
     "iiiii"},
    {"Layer 2 Management / Port Management / Port Control Table", true,
     "1.3.6.1.4.1.32473.11.101.1.2.3.2.1.{3-8}",
     "iiiiii"},
    {"Layer 2 Management / Port Management / Port Cable Diagnosis Table", true,
     "1.3.6.1.4.1.32473.11.101.1.2.3.5.1.{3-6}",
     "iiii"},
    {"Layer 2 Management / Port Management / Port Counter Control Table", true,
     "1.3.6.1.4.1.32473.11.101.1.2.3.6.1.2",
     "i"},
    {"Layer 2 Management / Port Management / Port Error Table", true,
     "1.3.6.1.4.1.32473.11.101.1.2.3.7.1.{2-4}",
     "iii"},
    {"Layer 2 Management / Port Management / Trunk Basic Information", false,
     "1.3.6.1.4.1.32473.11.101.1.2.9.{1-2,4}",
     "iii"},
    {"Layer 2 Management / Port Management / LACP Port Table", true, "1.3.6.1.4.1.32473.11.101.1.2.9.5.1.2", "i"},
    {"Layer 2 Management / Port Management / Port Security Management / Port Security Table", true,
     "1.3.6.1.4.1.32473.11.101.1.2.7.1.1.{1-5}",
     "iiiii"},
    {"Layer 2 Management / QoS Management / QoS Control", false, "1.3.6.1.4.1.32473.11.101.1.2.6.5", "i"},
    {"Layer 2 Management / QoS Management / Bandwidth Control Table", true,
     "1.3.6.1.4.1.32473.11.101.1.2.6.1.1.{2-5}",
     "iiii"},
    {"Layer 2 Management / QoS Management / Scheduling Table", true, "1.3.6.1.4.1.32473.11.101.1.2.6.2.1.{2-3}", "ii"},
    {"Layer 2 Management / QoS Management / 802.1p User Priority Table", true,
     "1.3.6.1.4.1.32473.11.101.1.2.6.3.1.2",
     "i"},
    {"Layer 2 Management / QoS Management / 802.1p Default Priority Table", true,
     "1.3.6.1.4.1.32473.11.101.1.2.6.4.1.{2-3}",
     "ii"},
    {"Layer 2 Management / Multicast Filter Mode VLAN Table", true, "1.3.6.1.4.1.32473.11.101.1.2.17.1.1.2", "i"},
    {"Layer 2 Management / Multicast Filter Managment / Multicast Filter Profile Table", true,
     "1.3.6.1.4.1.32473.11.101.1.2.5.1.1.{2-3}",
     "si"},
    {"Layer 2 Management / Multicast Filter Managment / Multicast Filter Profile Address Table", true,
     "1.3.6.1.4.1.32473.11.101.1.2.5.2.1.4",
     "i"},
    {"Layer 2 Management / Multicast Filter Managment / Limited Multicast Filter Port Table", true,
     "1.3.6.1.4.1.32473.11.101.1.2.5.3.1.{2-4}",
     "isi"},
    {"Layer 2 Management / Multicast Filter Managment / Multicast Filter Port Max Group Table", true,
     "1.3.6.1.4.1.32473.11.101.1.2.5.4.1.2",
     "i"},
    {"Layer 2 Management / IGMP Snooping Management / IGMP Snooping Management", false,
     "1.3.6.1.4.1.32473.11.101.1.2.11.{1-2}",
     "ii"},
    {"Layer 2 Management / IGMP Snooping Management / IGMP Snooping Control Table", true,
     "1.3.6.1.4.1.32473.11.101.1.2.11.3.1.{2-12}",
     "iiiiiiiiiii"},
    {"Layer 2 Management / IGMP Snooping Management / IGMP Snooping Query Information", true,
     "1.3.6.1.4.1.32473.11.101.1.2.11.4.1.{2-3}",
     "ii"},
    {"Layer 2 Management / IGMP Snooping Management / IGMP Snooping Information", true,
     "1.3.6.1.4.1.32473.11.101.1.2.11.5.1.{3-5}",
     "ssi"},
    {"Layer 2 Management / IGMP Snooping Management / IGMP Multicast VLAN Group (hidden)", true,
     "1.3.6.1.4.1.32473.11.101.1.2.11.8.1.{3-4}",
     "ai"},
    {"Layer 2 Management / DHCP Management / DHCP Basic Configuration", false,
     "1.3.6.1.4.1.32473.11.101.1.2.8.{1-6}",
     "iiiiii"},
    {"Layer 2 Management / Packet Storm Management / Packet Storm Control", false, "1.3.6.1.4.1.32473.12.25.1.2", "i"},
    {"Layer 2 Management / Packet Storm Management / Packet Storm Control Table", true,
     "1.3.6.1.4.1.32473.12.25.3.1.1.{2-9}",
     "iiiiiiii"},
    {"Layer 2 Management / Access Control Information / ACL Information", false,
     "1.3.6.1.4.1.32473.12.9.1.{2-3}",
     "ii"},
    {"Layer 2 Management / Access Control Information / ACL Mask Delete All", false, "1.3.6.1.4.1.32473.12.9.2.5", "i"},
    {"Layer 2 Management / CPU Filter / CPU Filter Control", false, "1.3.6.1.4.1.32473.12.9.1.1", "i"},
    {"Layer 2 Management / CPU Filter / CPU ACL Mask Delete All", false, "1.3.6.1.4.1.32473.12.9.4.5", "i"},
    {"Layer 2 Management / CPU Filter / Ethernet Mask (CPU Filter)", true,
     "1.3.6.1.4.1.32473.12.9.4.1.1.{2-8}",
     "iissiii"},
    {"Layer 2 Management / CPU Filter / Ethernet Rule (CPU Filter)", true,
     "1.3.6.1.4.1.32473.12.9.5.1.1.{3-10}",
     "sssisiis"},
    {"Layer 2 Management / CPU Filter / IP Mask (CPU Filter)", true,
     "1.3.6.1.4.1.32473.12.9.4.2.1.{2-19}",
     "iiaaiiiiiissiiiisi"},
    {"Layer 2 Management / CPU Filter / IP Rule (CPU Filter)", true,
     "1.3.6.1.4.1.32473.12.9.5.2.1.{3-17}",
     "saaiiiiiiiisiis"},
    {"Layer 2 Management / CPU Filter / Packet Content Mask (CPU Filter)", true,
     "1.3.6.1.4.1.32473.12.9.4.3.1.{2-7}",
     "sssssi"},
    {"Layer 2 Management / CPU Filter / Packet Content Rule (CPU Filter)", true,
     "1.3.6.1.4.1.32473.12.9.5.3.1.{3-10}",
     "sssssiis"},
    {"Layer 2 Management / CPU Filter / IPv6 Mask Information (CPU Filter)", true,
     "1.3.6.1.4.1.32473.12.9.4.4.1.{2-7}",
     "iiissi"},
    {"Layer 2 Management / CPU Filter / IPv6 Rule (CPU Filter)", true, "1.3.6.1.4.1.32473.12.9.5.4.1.{3-9}", "isssiis"},
    {"Layer 2 Management / Time Range / Time Range ACL Table", true, "1.3.6.1.4.1.32473.12.50.3.2.1.3", "s"},
    {"Layer 2 Management / Time Range / Time Range CPU ACL Table", true, "1.3.6.1.4.1.32473.12.50.3.3.1.3", "s"},
    {"Layer 2 Management / 802.3 ad / Aggregator Table", true, "1.3.6.1.4.1.32473.12.4.1.1.1.1.{2-11}", "sisiiisiii"},
    {"Layer 2 Management / 802.3 ad / Aggregator Port List", true, "1.3.6.1.4.1.32473.12.4.1.1.2.1.1", "s"},
    {"Layer 2 Management / MLD Snooping / Management", false,
     "1.3.6.1.4.1.32473.12.34.1.1; "
     "1.3.6.1.4.1.32473.12.34.3.1",
     "ii"},
    {"Layer 2 Management / MLD Snooping / Control", true, "1.3.6.1.4.1.32473.12.34.3.2.1.{2-13}", "iiiiiiiiiiii"},
    {"Single IP / Single IP Control", false, "1.3.6.1.4.1.32473.12.8.1.2.{1-4}", "iiii"},
    {"Single IP / My Information", false, "1.3.6.1.4.1.32473.12.8.1.1.{1-3}", "sss"},
    {"Single IP / Member Switch", true, "1.3.6.1.4.1.32473.12.8.1.3.1.{2-10}", "sssssiisi"},
    {"Single IP / Candidate Switch", true, "1.3.6.1.4.1.32473.12.8.1.4.1.{2-7}", "sssssi"},
    {"Single IP / Group Information", true, "1.3.6.1.4.1.32473.12.8.1.5.1.{2-8}", "ssisssi"},
    {"Single IP / Neighbor Switch", true, "1.3.6.1.4.1.32473.12.8.1.6.1.3", "i"},
    {"Single IP / MS Trap Message (hidden)", false, "1.3.6.1.4.1.32473.12.8.6.1.1", "s"},
};

QStringList expand(const QString& ranges)
{
    static const QRegularExpression group(QStringLiteral(R"(^(.*)\.\{(.*)\}$)"));
    QStringList out;
    for (const QString& g : ranges.split(QStringLiteral("; "))) {
        const auto m = group.match(g);
        if (!m.hasMatch()) {
            out << g;
            continue;
        }
        for (const QString& part : m.captured(2).split(QLatin1Char(','))) {
            const QStringList ends = part.split(QLatin1Char('-'));
            for (int i = ends.first().toInt(); i <= ends.last().toInt(); ++i)
                out << m.captured(1) + QLatin1Char('.') + QString::number(i);
        }
    }
    return out;
}

using Answer = testutil::ToolLine;

bool typeFits(char want, const Answer& a)
{
    switch (want) {
    case 'i': return a.type == QLatin1String("INTEGER");
    case 'g': return a.type == QLatin1String("Gauge32");
    case 'c': return a.type == QLatin1String("Counter32");
    case 'C': return a.type == QLatin1String("Counter64");
    case 't': return a.type == QLatin1String("Timeticks");
    case 'a': return a.type == QLatin1String("IpAddress");
    case 'o': return a.type == QLatin1String("OID");
    case 's':
        return a.type == QLatin1String("STRING") || a.type == QLatin1String("Hex-STRING")
            || (a.type.isEmpty() && a.value == QLatin1String("\"\""));
    }
    return false;
}

// One get (editors) or get-next (tables) request for all objects of a view, v2c, numeric output.
testutil::ToolResult request(const SimProcess& sim, bool next, const QStringList& oids)
{
    return testutil::runSnmpTool(next ? QStringLiteral("snmpgetnext") : QStringLiteral("snmpget"),
                                 QStringList{QStringLiteral("-v2c"), QStringLiteral("-c"), QStringLiteral("public"),
                                             sim.peer()} + oids,
                                 5, 1);
}

TEST(SimViewData, EveryViewFindsItsObjects)
{
    SimProcess sim;
    ASSERT_TRUE(sim.start()) << sim.errorText().toStdString();
    for (const ViewCase& v : kViews) {
        SCOPED_TRACE(v.view);
        const QStringList objects = expand(QLatin1String(v.objects));
        ASSERT_EQ(objects.size(), qsizetype(qstrlen(v.types))) << "one type letter per object";
        QStringList asked;
        for (const QString& o : objects)
            asked << (v.table ? o : o + QStringLiteral(".0"));
        const testutil::ToolResult r = request(sim, v.table, asked);
        ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
        const QList<Answer> got = testutil::parseToolLines(r.out);
        ASSERT_EQ(got.size(), asked.size()) << r.out.toStdString();
        for (qsizetype i = 0; i < asked.size(); ++i) {
            SCOPED_TRACE(asked[i].toStdString());
            if (v.table)
                EXPECT_TRUE(got[i].oid.startsWith(objects[i] + QLatin1Char('.')))
                    << "no row; the next object is " << got[i].oid.toStdString();
            else
                EXPECT_EQ(got[i].oid, asked[i]);
            EXPECT_TRUE(typeFits(v.types[i], got[i]))
                << "got " << got[i].type.toStdString() << ": " << got[i].value.toStdString();
        }
    }
}

} // namespace
