#include "shell/MainMenu.h"

#include "KtNML/KtMessages.h"
#include "KtNML/KtSNMPError.h"
#include "KtNML/KtSNMPRequest2Edits.h"
#include "dialogs/layer2/AggregatorPortTableForm.h"
#include "dialogs/layer2/BOOTCtrlTableForm.h"
#include "dialogs/layer2/BridgeInfoForms.h"
#include "dialogs/layer2/Dot3Forms.h"
#include "dialogs/layer2/ForwardingInformationForms.h"
#include "dialogs/layer2/GARPForm.h"
#include "dialogs/layer2/GuestVlanForm.h"
#include "dialogs/layer2/IGMPMulticastVlanForm.h"
#include "dialogs/layer2/Layer2ControlForm.h"
#include "dialogs/layer2/MBAControlForm.h"
#include "dialogs/layer2/MLD_SnoopingGroupForm.h"
#include "dialogs/layer2/MSTPPortStateForm.h"
#include "dialogs/layer2/MultipleConfigControlForm.h"
#include "dialogs/layer2/PortMirrorForm.h"
#include "dialogs/layer2/PortTrunkForm.h"
#include "dialogs/layer2/STP_Info.h"
#include "dialogs/layer2/SnoopingRouterPortsForms.h"
#include "dialogs/layer2/SpanningTreeAlgorithmForm.h"
#include "dialogs/layer2/StaticFilterForms.h"
#include "dialogs/layer2/SummerTimeForm.h"
#include "dialogs/layer2/TrafficSegmentationForm.h"
#include "dialogs/layer2/VLanCurrentTableForm.h"
#include "dialogs/layer2/VLanGeneralInfoForm.h"
#include "dialogs/layer2/VLanPortInfomationForm.h"
#include "dialogs/layer2/VlanStaticForm.h"
#include "dialogs/security/AAASrvCtrlForm.h"
#include "dialogs/security/BulwarkCtrlForm.h"
#include "dialogs/security/EthernetInformationRuleForm.h"
#include "dialogs/security/EthernetMaskInformationForm.h"
#include "dialogs/security/IPMACBindingForm.h"
#include "dialogs/security/IPMaskInformationForm.h"
#include "dialogs/security/IPRuleForm.h"
#include "dialogs/security/IPv6MaskInfoForm.h"
#include "dialogs/security/IbpViewerForms.h"
#include "dialogs/security/IpMacBindBlockedForm.h"
#include "dialogs/security/Ipv6RuleForm.h"
#include "dialogs/security/MethodListForms.h"
#include "dialogs/security/PrtSecDelCtrlForm.h"
#include "dialogs/security/RadiusServerForm.h"
#include "dialogs/security/SSLManagementForm.h"
#include "dialogs/security/ServerInformationForm.h"
#include "dialogs/security/SystemLogHostForm.h"
#include "dialogs/security/TimeRangeForm.h"
#include "shell/catalogue/CatalogueEntries.h"
#include "views/CounterRates.h"
#include "views/Guiconfigform.h"
#include "views/SNMPListViewPanel.h"
#include "views/WindowTitle.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QTreeWidget>

#include <cmath>
#include <exception>
#include <memory>
#include <string>

namespace {

constexpr bool Hidden = true;
constexpr bool Shown = false;

constexpr KtMenuItem Sub(int depth, const char* caption, bool hidden = false)
{
    return {.depth = depth, .caption = caption, .hidden = hidden, .kind = KtMenuKind::Submenu};
}
constexpr KtMenuItem Sep(int depth, bool hidden = false)
{
    return {.depth = depth, .hidden = hidden, .kind = KtMenuKind::Separator};
}
constexpr KtMenuItem Empty(int depth, const char* caption, bool hidden = false)
{
    return {.depth = depth, .caption = caption, .hidden = hidden, .kind = KtMenuKind::Empty};
}
// A generic view, named by its catalogue entry (shell/catalogue/CatalogueEntries.h); the entry
// says editor or table. This line is the only place its menu path is written.
constexpr KtMenuItem View(int depth, const char* caption, const KtCatalogueEntry& entry, bool hidden = false,
                          KtMenuStep step = KtMenuStep::None)
{
    return {.depth = depth, .caption = caption, .hidden = hidden, .kind = KtMenuKind::GenericView, .entry = &entry,
            .step = step};
}
// A dedicated dialog, named by its form class: the compiler checks the menu opens one that exists.
template <class Form>
constexpr KtMenuItem Dialog(int depth, const char* caption, bool hidden = false, KtMenuStep step = KtMenuStep::None)
{
    return {.depth = depth, .caption = caption, .hidden = hidden, .kind = KtMenuKind::Dialog, .dialog = &Form::Type,
            .step = step};
}
constexpr KtMenuItem Tool(int depth, const char* caption, const char* argument, bool hidden = false)
{
    return {.depth = depth, .caption = caption, .hidden = hidden, .kind = KtMenuKind::Tool, .target = argument};
}
// The RMON gate enables and disables these at run time.
constexpr KtMenuItem Gated(KtMenuItem item)
{
    item.gated = true;
    return item;
}
constexpr KtMenuItem Shell(int depth, const char* caption, KtShellCommand command, bool hidden = false)
{
    return {.depth = depth, .caption = caption, .hidden = hidden, .kind = KtMenuKind::Shell, .shell = command};
}

// The menu bar, item by item. Depth 0 is a menu of the bar; each deeper record belongs to the
// nearest record above it with a smaller depth.
constexpr KtMenuItem kMainMenu[] = {
    Sub(0, "Basic Configuration"),
      Empty(1, "Moudle Basic Configuration", Hidden),
      Sub(1, "Device Management"),
        Tool(2, "System Information", "/TMIB_Info"),
        View(2, "Device Information", catalogue::DeviceInformation),
        View(2, "Alarm Control", catalogue::AlarmControl),
        Shell(2, "Refresh Panel", KtShellCommand::RefreshPanel, Hidden),
      Sub(1, "Equipment Management"),
        Dialog<TEquipmentBasicInfoForm>(2, "Basic Information"),
        View(2, "Unit information", catalogue::UnitInformation, Hidden),
        View(2, "Unit Table", catalogue::UnitTable, Hidden),
        View(2, "Power Table", catalogue::PowerTable, Hidden),
        View(2, "Fan Table", catalogue::FanTable, Hidden),
        Empty(2, "Trap Management", Hidden),
      Sub(1, "Agent Management"),
        View(2, "Basic Configuration", catalogue::BasicConfiguration),
        View(2, "Basic Information", catalogue::AgentManagementBasicInformation),
        View(2, "MIB Capabilities", catalogue::MIBCapabilities),
        Shell(2, "Trap Receiver", KtShellCommand::TrapReceiver, Hidden),  // shown by the main window
        View(2, "CPU Utilization", catalogue::CPUUtilization),
        View(2, "Port Utilization", catalogue::PortUtilization),
        View(2, "IP Proto-Configure", catalogue::IPProtoConfigure),
        Sep(2),
        View(2, "FDB Clear All State", catalogue::FDBClearAllState),
        View(2, "ARP Clear All State", catalogue::ARPClearAllState),
        View(2, "Trap Manager Table", catalogue::TrapManagerTable),
        View(2, "Severity Control Management", catalogue::SeverityControlManagement),
        View(2, "Agent Supported Update Files", catalogue::AgentSupportedUpdateFiles),
        Empty(2, "Agent Supported Config Files"),  // made invisible at start-up
        Sep(2),
        Sub(2, "Multiple Image Management"),
          View(3, "General Information", catalogue::MultipleImageManagementGeneralInformation),
          View(3, "Multiple Image Control", catalogue::MultipleImageControl),
        Sub(2, "Multiple Config Management"),
          View(3, "General Information", catalogue::MultipleConfigManagementGeneralInformation),
          View(3, "Multiple Config Information", catalogue::MultipleConfigInformation),
          Dialog<TMultipleConfigControlForm>(3, "Multiple Config Control"),
        Sub(2, "Agent Trust Host Management"),
          View(3, "Trust Host Delete All State\n", catalogue::TrustHostDeleteAllState),
          View(3, "Trust Host Table", catalogue::TrustHostTable),
        Sub(2, "Ping Management"),
          View(3, "Max Concurrent Requests", catalogue::MaxConcurrentRequests),
          View(3, "Ping Control Table", catalogue::PingControlTable),
          View(3, "Ping Results Table", catalogue::PingResultsTable),
      Sub(1, "System Log"),
        View(2, "System Log State", catalogue::SystemLogState),
        Dialog<TSystemLogHostForm>(2, "System Log Server Table"),
        View(2, "System Log Save Control", catalogue::SystemLogSaveControl),
        Sub(2, "System Log Clear Control"),
          View(3, "Clear Log", catalogue::ClearLog),
          View(3, "Clear Dangerous Log", catalogue::ClearDangerousLog),
      Sub(1, "Time Management"),
        View(2, "Current Time", catalogue::CurrentTime),
        View(2, "System Time", catalogue::SystemTime),
        View(2, "Network Time", catalogue::NetworkTime),
        Dialog<TSummerTimeForm>(2, "Summer Time"),
      Sep(1),
      Sub(1, "Entity", Hidden),
        Empty(2, "Physical Table"),
        Empty(2, "Logical Table"),
        Empty(2, "Mapping"),
      Sub(1, "IF-MIB"),
        Tool(2, "General Table", "/TIFMib_LastChangeTable"),
        View(2, "IfX Table", catalogue::IfXTable),
        Empty(2, "IfStack Table", Hidden),
        Empty(2, "Test Table", Hidden),
      Sub(1, "MIB II"),
        Tool(2, "IF Table", "/TMIB_IFTable"),
        Tool(2, "IF Counters", "/TMIB_IFCounters"),
        Sep(2),
        Tool(2, "IP Counters", "/TMIB_IPCounters"),
        Tool(2, "IP Routing", "/TMIB_IPRouting"),
        Tool(2, "IP Address Table", "/TMIB_IPAddress"),
        Sep(2),
        Tool(2, "ICMP Counters", "/TMIB_ICMPCounters"),
        Tool(2, "UDP Counters", "/TMIB_UDPCounters"),
        Tool(2, "SNMP Counters", "/TMIB_SNMPCounters"),
        Sep(2),
        Tool(2, "ARP Table", "/TMIB_ARP"),
      Sub(1, "EtherLike-MIB"),
        Tool(2, "dot3 Statistics", "/TEthernetLike_dot3StatsTable"),
        Dialog<Tdot3ControlForm>(2, "dot3 Control Table"),
        Dialog<Tdot3PauseForm>(2, "dot3 Pause Table"),
      Sub(1, "File System"),
        View(2, "Media Information", catalogue::MediaInformation),
        View(2, "Directory Path", catalogue::DirectoryPath),
        View(2, "Directory Information", catalogue::DirectoryInformation),
        Sub(2, "File Control"),
          View(3, "File Rename", catalogue::FileRename),
          View(3, "File Delete", catalogue::FileDelete),
      Sep(1, Hidden),
      Empty(1, "Save Changes", Hidden),
      Shell(1, "Refresh Panel", KtShellCommand::RefreshPanel),
    Sub(0, "RMON"),
      View(1, "RMON Control", catalogue::RMONControl, Shown, KtMenuStep::RmonGateOnClose),
      Gated(Tool(1, "Statistics", "/TRmon_Statistics")),
      Gated(Tool(1, "History", "/TRmon_History")),
      Gated(Tool(1, "Alarm/Event", "/TRmon_AlarmEvent")),
      Sep(1),
      Sub(1, "Probe Config"),
        Dialog<TProbeBasicInformationForm>(2, "Probe Basic Information"),
        View(2, "Net Configuration", catalogue::NetConfiguration),
        View(2, "Net Default Gateway", catalogue::NetDefaultGateway),
    Sub(0, "Bridge"),
      Dialog<TSpanningTreeAlgorithmForm>(1, "Spanning Tree Algorithm"),
      Sub(1, "802.1d "),
        View(2, "Information", catalogue::Bridge8021dInformation),
        Tool(2, "Port Table", "/TBridge_Port", Hidden),
      Sub(1, "Spanning Tree"),
        Dialog<TSTP_Info>(2, "STP Control ", Shown, KtMenuStep::StpVersionFirst),
        View(2, "Configuration Identification", catalogue::ConfigurationIdentification),
        View(2, "Instance Information", catalogue::InstanceInformation),
        Dialog<TMSTPPortStateForm>(2, "Port State Information"),
        View(2, "Port MSTP Information", catalogue::PortMSTPInformation),
        View(2, "STP Port Table", catalogue::STPPortTable, Hidden, KtMenuStep::StpVersionFirst),
      Sub(1, "Transparent Bridge"),
        Tool(2, "Forwarding Table", "/TBridge_Forwarding"),
        Tool(2, "Static Table", "/TBridge_StaticFilter", Hidden),
        Tool(2, "Port Counters", "/TBridge_TpPortInfo"),
    Sub(0, "VLAN"),
      Sub(1, "802.1P"),
        Dialog<TPBridgeConfigForm>(2, "Basic Configure"),
        Sub(2, "Priority Information"),
          View(3, "Default User Priorities of Each Port", catalogue::DefaultUserPrioritiesOfEachPort),
          View(3, "Regenerated User Priorities", catalogue::RegeneratedUserPriorities, Hidden),
          View(3, "User Priorities To Traffic Class", catalogue::UserPrioritiesToTrafficClass),
          View(3, "Port Outbound Access Priorities", catalogue::PortOutboundAccessPriorities, Hidden),
        Empty(2, "GMRP", Hidden),
        Dialog<TGARPForm>(2, "GARP"),
        Dialog<TPortCapabilities8021dForm>(2, "Port Capability"),
        Sub(2, "High Capacity", Hidden),
          View(3, "Port Table", catalogue::HighCapacityPortTable, Hidden),
          View(3, "Port Overflow", catalogue::PortOverflow, Hidden),
      Sub(1, "802.1Q"),
        Sub(2, "802.1Q Bridge"),
          Dialog<TVLanGeneralInfoForm>(3, "Basic Configure"),
          Dialog<TVLanPortInfomationForm>(3, "Ports Information"),
        Sub(2, "Forwarding/Filtering"),
          View(3, "Unicast Forwarding Information", catalogue::UnicastForwardingInformation),
          Dialog<TTpGroupDestinationForwardedForm>(3, "Tp Group Destination Forwarded", Hidden),
          Dialog<TMulticastForwardingInformationForm>(3, "Multicast Forwarding Information", Hidden),
          Dialog<TForwardUnregisteredInformationForm>(3, "Forward Unregistered Information", Hidden),
          View(3, "Filtering Database", catalogue::FilteringDatabase),
          View(3, "Filtering Information", catalogue::FilteringInformation, Hidden),
        Sub(2, "802.1Q VLAN "),
          Dialog<TVlanStaticForm>(3, "Static Table"),
          Dialog<TVLanCurrentTableForm>(3, "Current Table"),
        Sub(2, "Static Filtering "),
          Dialog<TUnicastFilterInformationForm>(3, "Unicast Information"),
          Dialog<TMulticastFilterInformationForm>(3, "Multicast Information"),
      Sub(1, "Protocol VLAN", Hidden),
        Empty(2, "Protocol VLAN Group", Hidden),
        Empty(2, "Protocol VLAN Port", Hidden),
      Sub(1, "Double VLAN", Hidden),
        Empty(2, "Global State"),
        Empty(2, "Double VLAN Control  Table"),
      View(1, "PVID VLAN Auto Assignment State", catalogue::PVIDVLANAutoAssignmentState),
      View(1, "VLAN Static Management", catalogue::VLANStaticManagement),
    Sub(0, "SNMP V3"),
      View(1, "SNMP Engine", catalogue::SNMPEngine),
      Empty(1, "Snmp Framework MIB", Hidden),
      View(1, "Message Processing and Dispatching", catalogue::MessageProcessingAndDispatching),
      Sub(1, "SNMP Target MIB"),
        View(2, "General Information", catalogue::SNMPTargetMIBGeneralInformation),
        View(2, "Target Address Table", catalogue::SNMPTargetMIBTargetAddressTable),
        View(2, "Target Parameters", catalogue::TargetParameters),
      Sub(1, "User-based Security Model"),
        View(2, "Statistics", catalogue::UserBasedSecurityModelStatistics),
        View(2, "User Table", catalogue::UserTable),
      Sub(1, "View-based Access Control Model"),
        View(2, "Security Group Table", catalogue::SecurityGroupTable),
        View(2, "Access Table", catalogue::AccessTable),
        View(2, "View MIB Tree Family Table", catalogue::ViewMIBTreeFamilyTable),
      Sub(1, "Notifications"),
        View(2, "Notify Table", catalogue::NotifyTable),
        View(2, "Notify Filter Profile Table", catalogue::NotifyFilterProfileTable),
        View(2, "Notify Filter Entry Table", catalogue::NotifyFilterEntryTable),
      Sub(1, "Community"),
        View(2, "Community String Table", catalogue::CommunityStringTable),
        View(2, "Target Address Table", catalogue::CommunityTargetAddressTable),
    Sub(0, "Security Management"),
      View(1, "Authentication Mode Setting", catalogue::AuthenticationModeSetting),
      Sep(1),
      Sub(1, "802.1X"),
        View(2, "Configuration", catalogue::SecurityManagement8021XConfiguration, Shown,
             KtMenuStep::Dot1xGateAfterDestroy),
        View(2, "Port Table", catalogue::SecurityManagement8021XPortTable),
        View(2, "Port Configuration", catalogue::PortConfiguration),
        View(2, "Port Statistics", catalogue::PortStatistics),
        View(2, "Port Diagnostics", catalogue::PortDiagnostics),
        View(2, "Port Session Statistics", catalogue::PortSessionStatistics),
        Sep(2),
        Sub(2, "MAC_Based Authentication"),
          View(3, "State Table", catalogue::StateTable),
          Dialog<TDiagnosticsInformationForm>(3, "Diagnostics Information"),
          Dialog<TMacStatisticTableForm>(3, "PAE Over Land  Frames Statistic Table"),
          View(3, "Session Information", catalogue::SessionInformation),
          Sep(3),
          View(3, "Authentication Port Control", catalogue::AuthenticationPortControl),
          View(3, "MAC_Based PAE Port Control", catalogue::MACBasedPAEPortControl),
        Sub(2, "Web_ Based Access Control"),
          View(3, "Web Control", catalogue::WebControl),
          Empty(3, "Port Information Table", Hidden),
          View(3, "Web Auth Port Table", catalogue::WebAuthPortTable),
          View(3, "Web Auth User Table", catalogue::WebAuthUserTable),
        Sub(2, "MAC_Based Access Control"),
          Dialog<TMBAControlForm>(3, "MBA Control"),
          View(3, "Port Information Table", catalogue::MACBasedAccessControlPortInformationTable),
          View(3, "Port Management Table", catalogue::PortManagementTable),
          View(3, "Database Table", catalogue::DatabaseTable),
        Sub(2, "Tollgate Management"),
          View(3, "Tollgate Control", catalogue::TollgateControl),
          View(3, "Tollgate Update Server Table", catalogue::TollgateUpdateServerTable),
          View(3, "Tollgate Port Table", catalogue::TollgatePortTable),
          View(3, "Tollgate Host Table", catalogue::TollgateHostTable),
        Sep(2),
        Dialog<TGuestVlanForm>(2, "Guest VLAN"),
      Sub(1, "RADIUS Management"),
        Dialog<TRadiusServerForm>(2, "RADIUS Server Table"),
        View(2, "Authentication Information", catalogue::AuthenticationInformation),
        View(2, "Authentication Table", catalogue::AuthenticationTable),
        Sub(2, "Accounting Control"),
          View(3, "Basic Information", catalogue::AccountingControlBasicInformation),
          View(3, "Server Table", catalogue::ServerTable),
          Empty(3, "Service Table", Hidden),
      Sub(1, "AAC"),
        View(2, "AAC Control", catalogue::AACControl),
        Sep(2),
        View(2, "AAC Information", catalogue::AACInformation),
        Dialog<TLoginMethodListForm>(2, "Login Method Control"),
        View(2, "Login Information", catalogue::LoginInformation),
        Dialog<TEnableMethodForm>(2, "Enable Method Control"),
        View(2, "Server Group", catalogue::ServerGroup),
        Dialog<TServerInformationForm>(2, "Server Information"),
        Dialog<TAAASrvCtrlForm>(2, "Server Control"),
      Sep(1),
      Sub(1, "SSH"),
        View(2, "SSH Management", catalogue::SSHManagement),
        Sep(2),
        View(2, "Diffie Hellman Algorithm", catalogue::DiffieHellmanAlgorithm, Hidden),
        View(2, "Encryption Algorithm", catalogue::EncryptionAlgorithm),
        View(2, "Authentication Method", catalogue::AuthenticationMethod),
        View(2, "HMAC Algorithm", catalogue::HMACAlgorithm, Hidden),
        View(2, "Public Key Algorithm", catalogue::PublicKeyAlgorithm, Hidden),
        View(2, "User Control Table", catalogue::UserControlTable, Hidden),
      Sub(1, "SSL"),
        Dialog<TSSLManagementForm>(2, "SSL Management"),
        View(2, "SSL Certificate File", catalogue::SSLCertificateFile),
      Sep(1),
      Sub(1, "Bulwark_Engine"),
        View(2, "Global Management", catalogue::GlobalManagement),
        Dialog<TBulwarkCtrlForm>(2, "Bulwark Control"),
        View(2, "ARP Storm Control", catalogue::ARPStormControl, Hidden),
      Sub(1, "IP-MAC Bind"),
        View(2, "Binding Control", catalogue::BindingControl),
        View(2, "Port Information", catalogue::PortInformation),
        Dialog<TIPMACBindingForm>(2, "Binding Table"),
        Dialog<TIpMacBindBlockedForm>(2, "Binding Blocked Table"),
    Sub(0, "Layer 2 Management"),
      Dialog<TLayer2ControlForm>(1, "Layer2 Device Control", Shown, KtMenuStep::RmonGateOnClose),
      Sub(1, "Port Management"),
        View(2, "Jumbo Frame Ctrl", catalogue::JumboFrameCtrl),
        View(2, "Port Information Table", catalogue::PortManagementPortInformationTable),
        View(2, "Port Control Table", catalogue::PortControlTable),
        View(2, "Port Cable Diagnosis Table\n", catalogue::PortCableDiagnosisTable),
        View(2, "Port Counter Control Table", catalogue::PortCounterControlTable),
        View(2, "Port Error Table", catalogue::PortErrorTable),
        Sep(2),
        View(2, "Trunk Basic Information", catalogue::TrunkBasicInformation),
        Dialog<TPortTrunkForm>(2, "Port Trunk Table"),
        View(2, "LACP Port Table", catalogue::LACPPortTable),
        Sep(2),
        Dialog<TPortMirrorForm>(2, "Port Mirror Table"),
        Sep(2),
        Sub(2, "Port Security Management"),
          View(3, "Port Security Table", catalogue::PortSecurityTable),
          Dialog<TPrtSecDelCtrlForm>(3, "Port Security Delete"),
      Sub(1, "QoS Management"),
        View(2, "QoS Control", catalogue::QoSControl),
        View(2, "Bandwidth Control Table", catalogue::BandwidthControlTable),
        View(2, "Scheduling Table", catalogue::SchedulingTable),
        View(2, "802.1p User Priority Table", catalogue::QoSManagement8021pUserPriorityTable),
        View(2, "802.1p Default Priority Table", catalogue::QoSManagement8021pDefaultPriorityTable),
      Sep(1),
      View(1, "Multicast Filter Mode VLAN Table", catalogue::MulticastFilterModeVLANTable),
      Sub(1, "Multicast Filter Managment", Hidden),
        View(2, "Multicast Filter Profile Table", catalogue::MulticastFilterProfileTable),
        View(2, "Multicast Filter Profile Address Table", catalogue::MulticastFilterProfileAddressTable),
        View(2, "Limited Multicast Filter Port Table\n", catalogue::LimitedMulticastFilterPortTable),
        View(2, "Multicast Filter Port Max Group Table\n", catalogue::MulticastFilterPortMaxGroupTable),
      Sub(1, "IGMP Snooping Management"),
        View(2, "IGMP Snooping Management", catalogue::IGMPSnoopingManagement),
        View(2, "IGMP Snooping Control Table", catalogue::IGMPSnoopingControlTable),
        View(2, "IGMP Snooping Query Information", catalogue::IGMPSnoopingQueryInformation),
        View(2, "IGMP Snooping Information ", catalogue::IGMPSnoopingInformation),
        Dialog<TIGMPRouterPortsForm>(2, "IGMP Snooping Router Ports"),
        Dialog<TIGMPMulticastVlanForm>(2, "IGMP Multicast VLAN Table", Hidden),
        View(2, "IGMP Multicast VLAN Group", catalogue::IGMPMulticastVLANGroup, Hidden),
      Sub(1, "DHCP Management"),
        View(2, "DHCP Basic Configuration", catalogue::DHCPBasicConfiguration),
        Dialog<TBOOTCtrlTableForm>(2, "DHCP Control Table"),
      Sep(1),
      Sub(1, "Packet Storm Management"),
        View(2, "Packet Storm Control", catalogue::PacketStormControl),
        View(2, "Packet Storm Control Table", catalogue::PacketStormControlTable),
      Dialog<TTrafficSegmentationForm>(1, "Traffic Segmentation Table "),
      Sep(1),
      Sub(1, "Access Control Information"),
        View(2, "ACL Information", catalogue::ACLInformation),
        View(2, "ACL Mask Delete All", catalogue::ACLMaskDeleteAll),
        Sep(2),
        Dialog<TEthernetMaskInformationForm>(2, "Ethernet Mask Information"),
        Dialog<TEthernetInformationRuleForm>(2, "Ethernet Information Rule"),
        Dialog<TIPMaskInformationForm>(2, "IP Mask Information"),
        Dialog<TIPRuleForm>(2, "IP Rule"),
        Empty(2, "Packet Content Mask", Hidden),
        Empty(2, "Packet Content Rule", Hidden),
        Dialog<TIPv6MaskInfoForm>(2, "IPv6 Mask Information"),
        Dialog<TIpv6RuleForm>(2, "IPv6 Rule"),
        Sep(2, Hidden),
        Dialog<TIBPACLEtherMaskForm>(2, "IP-MAC Binding Ethernet Mask", Hidden),
        Dialog<TIBPEtherRuleForm>(2, "IP-MAC Binding Ethernet Rule", Hidden),
        Dialog<TIBPIPMaskForm>(2, "IP-MAC Binding IP Mask", Hidden),
        Dialog<TIBPIPRuleForm>(2, "IP-MAC Binding IP Rule", Hidden),
      Sub(1, "CPU Filter"),
        View(2, "CPU Filter Control", catalogue::CPUFilterControl),
        View(2, "CPU ACL Mask Delete All", catalogue::CPUACLMaskDeleteAll),
        Sep(2),
        View(2, "Ethernet Mask (CPU Filter)", catalogue::EthernetMaskCPUFilter),
        View(2, "Ethernet Rule (CPU Filter)", catalogue::EthernetRuleCPUFilter),
        View(2, "IP Mask (CPU Filter)", catalogue::IPMaskCPUFilter),
        View(2, "IP Rule (CPU Filter)", catalogue::IPRuleCPUFilter),
        View(2, "Packet Content Mask (CPU Filter)", catalogue::PacketContentMaskCPUFilter),
        View(2, "Packet Content Rule (CPU Filter)", catalogue::PacketContentRuleCPUFilter),
        View(2, "IPv6 Mask Information (CPU Filter)", catalogue::IPv6MaskInformationCPUFilter),
        View(2, "IPv6 Rule (CPU Filter)", catalogue::IPv6RuleCPUFilter),
      Sub(1, "Time Range"),
        Dialog<TTimeRangeForm>(2, "Time Range Management"),
        View(2, "Time Range ACL Table\n", catalogue::TimeRangeACLTable),
        View(2, "Time Range CPU ACL Table", catalogue::TimeRangeCPUACLTable),
      Sep(1, Hidden),
      Sub(1, "802.3 ad"),
        View(2, "Aggregator Table", catalogue::AggregatorTable),
        View(2, "Aggregator Port List", catalogue::AggregatorPortList),
        Dialog<TAggregatorPortTableForm>(2, "Aggregator Port Table"),
      Sub(1, "PoE", Hidden),
        Empty(2, "System Control"),
        Empty(2, "System information"),
        Empty(2, "Port Control"),
        Empty(2, "Port information"),
      Sep(1),
      Sub(1, "MLD Snooping"),
        View(2, "Management", catalogue::MLDSnoopingManagement),
        View(2, "Control", catalogue::MLDSnoopingControl),
        Dialog<TMLD_SnoopingGroupForm>(2, "Group Information"),
        Dialog<TMLD_SnoopingRouterPortsForm>(2, "Router Ports"),
    Sub(0, "Single IP"),
      View(1, "Single IP Control", catalogue::SingleIPControl),
      View(1, "My Information", catalogue::MyInformation),
      View(1, "Member Switch", catalogue::MemberSwitch),
      View(1, "Candidate Switch", catalogue::CandidateSwitch),
      View(1, "Group Information", catalogue::GroupInformation),
      View(1, "Neighbor Switch", catalogue::NeighborSwitch),
      View(1, "MS Trap Message", catalogue::MSTrapMessage, Hidden),
    Sub(0, "Snapshots"),
      Shell(1, "Save Snapshot...", KtShellCommand::SaveSnapshot),
      Shell(1, "Compare with Snapshot...", KtShellCommand::CompareSnapshot),
      Shell(1, "Restore from Snapshot...", KtShellCommand::RestoreSnapshot),
    Sub(0, "Help"),
      Shell(1, "Help", KtShellCommand::Help),
      Shell(1, "About", KtShellCommand::About),
      Empty(1, "Test", Hidden),
};

// The keyboard letter of each menu of the bar (Alt+letter, "&" before it); the words of the
// captions stay as they are. A menu without an entry has none.
constexpr std::pair<const char*, const char*> kMenuMnemonics[] = {
    {"Basic Configuration", "&Basic Configuration"},
    {"RMON", "&RMON"},
    {"Bridge", "Brid&ge"},
    {"VLAN", "&VLAN"},
    {"SNMP V3", "&SNMP V3"},
    {"Security Management", "Se&curity Management"},
    {"Layer 2 Management", "&Layer 2 Management"},
    {"Single IP", "Single &IP"},
    {"Snapshots", "S&napshots"},
    {"Help", "&Help"},
};

constexpr KtMenuItem kPortPopup[] = {
    Shell(0, "Port Information", KtShellCommand::PortInformation),
    Shell(0, "Traffic Graph", KtShellCommand::TrafficGraph),
    Shell(0, "Port Configuration", KtShellCommand::PortConfiguration),
};

QString CaptionOf(const KtMenuItem& item)
{
    return QString::fromUtf8(item.caption);
}

// The text a menu of the bar shows: its caption with its keyboard letter marked.
QString ShownCaption(const KtMenuItem& item)
{
    if (item.depth == 0)
        for (const auto& [caption, marked] : kMenuMnemonics)
            if (QLatin1String(caption) == QLatin1String(item.caption))
                return QString::fromUtf8(marked);
    return CaptionOf(item);
}

QString PathPart(const KtMenuItem& item)
{
    QString text = CaptionOf(item);
    while (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text;
}

// Command items wait for their implementation; the rest work from the start.
bool NeedsRegistration(const KtMenuItem& item)
{
    return !item.gated
           && (item.kind == KtMenuKind::Dialog || item.kind == KtMenuKind::Tool || item.kind == KtMenuKind::Shell);
}

} // namespace

std::span<const KtMenuItem> KtMainMenuItems()
{
    return kMainMenu;
}

std::span<const KtMenuItem> KtPortPopupItems()
{
    return kPortPopup;
}

QString KtMenuPath(std::span<const KtMenuItem> items, std::size_t i)
{
    if (i >= items.size() || !items[i].caption)
        return {};
    QString path = PathPart(items[i]);
    int depth = items[i].depth;
    for (std::size_t k = i; k-- > 0 && depth > 0;) {
        if (items[k].depth < depth && items[k].caption) {
            path.prepend(PathPart(items[k]) + QStringLiteral(" / "));
            depth = items[k].depth;
        }
    }
    return path;
}

namespace {

// The generic views of the menu bar, gathered from the view lines once.
struct ViewIndex {
    std::vector<const KtViewEntry*> views;                   // one per view line, in menu order
    std::map<const KtViewEntry*, std::string> paths;         // entry -> path of its first line
    std::map<std::string, const KtViewEntry*, std::less<>> byPath;

    ViewIndex()
    {
        const auto items = KtMainMenuItems();
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (items[i].kind != KtMenuKind::GenericView || !items[i].entry)
                continue;
            const std::string path = KtMenuPath(items, i).toStdString();
            views.push_back(items[i].entry);
            paths.emplace(items[i].entry, path);
            byPath.emplace(path, items[i].entry);
        }
    }
};

const ViewIndex& Views()
{
    static const ViewIndex index;
    return index;
}

} // namespace

std::span<const KtViewEntry* const> KtViewCatalogue()
{
    return Views().views;
}

const KtViewEntry* FindView(const char* menuPath)
{
    if (!menuPath)
        return nullptr;
    const auto& byPath = Views().byPath;
    const auto it = byPath.find(std::string_view(menuPath));
    return it == byPath.end() ? nullptr : it->second;
}

const char* KtViewPath(const KtViewEntry& entry)
{
    const auto& paths = Views().paths;
    const auto it = paths.find(&entry);
    return it == paths.end() ? "" : it->second.c_str();
}

// ---- TMainMenu ----------------------------------------------------------------------------

TMainMenu::TMainMenu(QMainWindow* window, TMenuHooks hooks) : QObject(window), m_hooks(std::move(hooks))
{
    setObjectName(QStringLiteral("MainMenu"));
    Build(window);
}

TMainMenu* TMainMenu::Of(const QObject* window)
{
    return window ? window->findChild<TMainMenu*>(QStringLiteral("MainMenu"), Qt::FindDirectChildrenOnly) : nullptr;
}

void TMainMenu::Build(QMainWindow* window)
{
    QMenuBar* bar = window->menuBar();
    const auto items = KtMainMenuItems();
    std::vector<QMenu*> open;  // open[d]: the menu that takes items of depth d + 1
    for (std::size_t i = 0; i < items.size(); ++i) {
        const KtMenuItem& item = items[i];
        open.resize(std::size_t(item.depth));
        QAction* action = nullptr;
        if (item.kind == KtMenuKind::Separator) {
            // A top-level separator has no menu to go into; the tree has none.
            if (open.empty())
                continue;
            action = open.back()->addSeparator();
            action->setVisible(!item.hidden);
            continue;
        }
        const QString caption = CaptionOf(item);
        const QString path = KtMenuPath(items, i);
        if (item.kind == KtMenuKind::Submenu) {
            QMenu* menu = open.empty() ? bar->addMenu(ShownCaption(item)) : open.back()->addMenu(caption);
            menu->setObjectName(caption);
            action = menu->menuAction();
            open.push_back(menu);
        } else {
            action = open.empty() ? bar->addAction(caption) : open.back()->addAction(caption);
            connect(action, &QAction::triggered, this, [this, &item, path] { Trigger(item, path); });
            if (NeedsRegistration(item))
                action->setEnabled(false);
        }
        action->setObjectName(caption);
        action->setVisible(!item.hidden);
        m_items[action] = {&item, path};
        m_byPath[path] = action;
    }

    // F10 opens the first menu of the bar, as Alt+letter opens its own (arrows go on from there).
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), window);
    f10->setObjectName(QStringLiteral("MenuBarKey"));
    connect(f10, &QShortcut::activated, this, [this, bar] { OpenMenuBar(bar); });

    // Built after the menu bar, so a caption both carry is found in the menu bar first.
    m_portPopup = new QMenu(window);
    m_portPopup->setObjectName(QStringLiteral("PortInfoPopupMenu"));
    for (const KtMenuItem& item : KtPortPopupItems()) {
        QAction* action = m_portPopup->addAction(CaptionOf(item));
        action->setObjectName(CaptionOf(item));
        action->setEnabled(false);
        connect(action, &QAction::triggered, this, [this, &item] { Trigger(item, CaptionOf(item)); });
        m_items[action] = {&item, QStringLiteral("PortInfoPopupMenu / ") + CaptionOf(item)};
    }
}

void TMainMenu::OpenMenuBar(QMenuBar* bar)
{
    for (QAction* action : bar->actions())
        if (action->isVisible() && action->isEnabled() && action->menu()) {
            bar->setFocus(Qt::ShortcutFocusReason);
            bar->setActiveAction(action);
            return;
        }
}

QAction* TMainMenu::FindItem(const QString& path) const
{
    const auto it = m_byPath.find(path);
    return it == m_byPath.end() ? nullptr : it->second;
}

const KtMenuItem* TMainMenu::ItemOf(const QAction* action) const
{
    const auto it = m_items.find(action);
    return it == m_items.end() ? nullptr : it->second.first;
}

QString TMainMenu::PathOf(const QAction* action) const
{
    const auto it = m_items.find(action);
    return it == m_items.end() ? QString() : it->second.second;
}

void TMainMenu::RegisterMenuDialogs(std::function<bool()> enlarged)
{
    for (const auto items : {KtMainMenuItems(), KtPortPopupItems()})
        for (const KtMenuItem& item : items)
            if (item.kind == KtMenuKind::Dialog)
                RegisterDialog(QLatin1String(item.dialog->ClassName()), QLatin1String(item.dialog->CaptionPrefix()),
                               [type = item.dialog, enlarged](QWidget* owner) {
                                   return type->MakeDialog(owner, enlarged && enlarged());
                               });
}

void TMainMenu::RegisterDialog(const QString& className, const QString& captionPrefix, DialogFactory factory)
{
    m_dialogs[className] = DialogEntry{captionPrefix, std::move(factory), nullptr};
    for (const auto& [action, record] : m_items)
        if (record.first->kind == KtMenuKind::Dialog && className == QLatin1String(record.first->dialog->ClassName()))
            action->setEnabled(true);
}

void TMainMenu::SetToolLauncher(ToolLauncher launcher)
{
    m_toolLauncher = std::move(launcher);
    for (const auto& [action, record] : m_items)
        if (record.first->kind == KtMenuKind::Tool && NeedsRegistration(*record.first))
            action->setEnabled(bool(m_toolLauncher));
}

void TMainMenu::SetShellHandler(KtShellCommand command, ShellHandler handler)
{
    const bool on = bool(handler);
    m_shellHandlers[command] = std::move(handler);
    for (const auto& [action, record] : m_items)
        if (record.first->kind == KtMenuKind::Shell && record.first->shell == command)
            action->setEnabled(on);
}

QDialog* TMainMenu::OpenDialog(const QString& className) const
{
    const auto it = m_dialogs.find(className);
    return it == m_dialogs.end() ? nullptr : it->second.instance;
}

QString TMainMenu::Address() const
{
    return m_hooks.deviceAddress ? m_hooks.deviceAddress() : QString();
}

double TMainMenu::Scale() const
{
    return m_hooks.displayScale ? m_hooks.displayScale() : 1.0;
}

int TMainMenu::Exec(QDialog* form)
{
    return m_showModal ? m_showModal(form) : form->exec();
}

void TMainMenu::RunStepBefore(KtMenuStep step)
{
    if (step == KtMenuStep::StpVersionFirst && m_hooks.readStpVersion)
        m_hooks.readStpVersion();  // a failed read is reported by the gate; the view still opens
}

void TMainMenu::Trigger(const KtMenuItem& item, const QString& path)
{
    switch (item.kind) {
    case KtMenuKind::GenericView:
        if (item.entry)
            OpenGenericView(*item.entry, item.step);
        else
            KtMessageService().Error(nullptr, QApplication::applicationName(), QStringLiteral("No view for ") + path);
        break;
    case KtMenuKind::Dialog:
        RunDialog(item);
        break;
    case KtMenuKind::Tool:
        if (m_toolLauncher)
            m_toolLauncher(QString::fromUtf8(item.target));
        break;
    case KtMenuKind::Shell:
        if (const auto it = m_shellHandlers.find(item.shell); it != m_shellHandlers.end() && it->second)
            it->second();
        break;
    case KtMenuKind::Submenu:
    case KtMenuKind::Separator:
    case KtMenuKind::Empty:
        break;
    }
}

void TMainMenu::RunDialog(const KtMenuItem& item)
{
    const auto it = m_dialogs.find(QLatin1String(item.dialog->ClassName()));
    if (it == m_dialogs.end() || !it->second.factory)
        return;
    DialogEntry& entry = it->second;
    // One dialog per item: a second command while the first is being built (its constructor
    // reads the switch) or shown is ignored.
    if (entry.instance || entry.opening)
        return;
    entry.opening = true;
    RunStepBefore(item.step);
    QWidget* owner = qobject_cast<QWidget*>(parent());
    std::unique_ptr<QDialog> dialog;
    try {
        dialog.reset(entry.factory(owner));
    } catch (const KtException& e) {
        entry.opening = false;
        KtMessageService().Error(nullptr, QApplication::applicationName(), e.Message());
        return;
    }
    entry.opening = false;
    if (!dialog)
        return;
    entry.instance = dialog.get();
    dialog->setWindowTitle(KtWindowTitle(entry.captionPrefix, Address()));
    Exec(dialog.get());
    if (item.step == KtMenuStep::RmonGateOnClose && m_hooks.rmonGate)
        m_hooks.rmonGate();
    entry.instance = nullptr;
    dialog.reset();
    if (item.step == KtMenuStep::Dot1xGateAfterDestroy && m_hooks.dot1xGate)
        m_hooks.dot1xGate();
}

TConfigForm* TMainMenu::BuildGenericView(const KtViewEntry& entry)
{
    // 1. The caption: the view's prefix and the device address.
    m_currentCaption = KtWindowTitle(QString::fromUtf8(entry.captionPrefix), Address());
    // 2. The host form.
    auto form = std::make_unique<TConfigForm>(qobject_cast<QWidget*>(parent()));
    try {
        // 3, 4. Its request, with a variable list built from the definition table.
        auto request = std::make_unique<KtSNMPRequest2Edits>(form.get());
        request->Request().VarList.Assign(KtSNMPVarList(entry.table, entry.itemType, entry.keyCount));

        // 5, 6. The panel and the view's own adjustments.
        TSNMPEditorPanel* panel = nullptr;
        if (entry.kind == KtViewKind::Editor) {
            panel = form->AddEditorPanel(std::move(request));
        } else {
            const QString addText = entry.addText ? QString::fromUtf8(entry.addText) : QString();
            const QString deleteText = entry.deleteText ? QString::fromUtf8(entry.deleteText) : QString();
            TSNMPListViewPanel* table = form->AddTablePanel(
                std::move(request), entry.addText ? entry.addIndex : -1, addText,
                entry.deleteText ? entry.deleteIndex : -1, deleteText);
            if (entry.noEdit) {
                table->Buttons()->btnEdit->hide();
                QObject::disconnect(table->ListView(), &QTreeWidget::itemDoubleClicked, table, nullptr);
                table->Buttons()->Arrange();
            }
            panel = table;
        }
        for (const KtViewFormat& f : entry.formats)
            panel->SetVarFormat(f.row, QString::fromUtf8(f.format));
        const double scale = Scale();
        if (entry.editWidthScaled > 0) {
            int width = int(std::lround(entry.editWidthScaled * scale));
            if (entry.editWidthAddsFirstRow && panel->EditsPanel()->RowCount() > 0)
                width += panel->EditsPanel()->RowAt(0).Value->width();
            panel->SetEditWidth(width);
        }
        if (entry.counterRates)
            TCounterRates::Attach(panel);

        // 7. The form's size.
        switch (entry.heightRule) {
        case KtHeightRule::Unchanged:
            break;
        case KtHeightRule::Scaled:
            form->resize(form->width(), int(std::lround(entry.height * scale)));
            break;
        case KtHeightRule::Fixed:
            form->resize(form->width(), entry.height);
            break;
        case KtHeightRule::AddScaled:
            form->resize(form->width(), form->height() + int(std::lround(entry.height * scale)));
            break;
        }
        if (entry.widthAddScaled > 0)
            form->resize(form->width() + int(std::lround(entry.widthAddScaled * scale)), form->height());

        // 8. The caption.
        form->setWindowTitle(m_currentCaption);
    } catch (const KtException& e) {
        KtMessageService().Error(nullptr, QApplication::applicationName(), e.Message());
        return nullptr;
    }
    return form.release();
}

void TMainMenu::OpenGenericView(const KtViewEntry& entry, KtMenuStep step, const QString& notice)
{
    RunStepBefore(step);
    std::unique_ptr<TConfigForm> form(BuildGenericView(entry));
    if (!form)
        return;
    if (!notice.isEmpty())
        form->Panel()->SetNotice(notice);
    // 9. Modal; destroyed (with its request) once the loop ends.
    Exec(form.get());
    if (step == KtMenuStep::RmonGateOnClose && m_hooks.rmonGate)
        m_hooks.rmonGate();
    form.reset();
    if (step == KtMenuStep::Dot1xGateAfterDestroy && m_hooks.dot1xGate)
        m_hooks.dot1xGate();
}
