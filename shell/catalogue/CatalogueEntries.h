#pragma once
// The named entries of the generic views, grouped by top menu, in menu order. Each is defined
// with its definition table in the group file of its top menu, and one menu line names it
// (shell/MainMenu.cpp: View(2, "Device Information", catalogue::DeviceInformation)).
//
// A name is the words of the view's caption; a one-word caption, a name that would start with a
// digit or one two views would share takes its submenus' captions before it
// (AgentManagementBasicInformation, QoSManagement8021pUserPriorityTable, MLDSnoopingControl).
#include "shell/ViewCatalogue.h"

namespace catalogue {

// "Basic Configuration" (BasicConfiguration.cpp)
extern const KtCatalogueEntry DeviceInformation;
extern const KtCatalogueEntry AlarmControl;
extern const KtCatalogueEntry UnitInformation;
extern const KtCatalogueEntry UnitTable;
extern const KtCatalogueEntry PowerTable;
extern const KtCatalogueEntry FanTable;
extern const KtCatalogueEntry BasicConfiguration;
extern const KtCatalogueEntry AgentManagementBasicInformation;
extern const KtCatalogueEntry MIBCapabilities;
extern const KtCatalogueEntry CPUUtilization;
extern const KtCatalogueEntry PortUtilization;
extern const KtCatalogueEntry IPProtoConfigure;
extern const KtCatalogueEntry FDBClearAllState;
extern const KtCatalogueEntry ARPClearAllState;
extern const KtCatalogueEntry TrapManagerTable;
extern const KtCatalogueEntry SeverityControlManagement;
extern const KtCatalogueEntry AgentSupportedUpdateFiles;
extern const KtCatalogueEntry MultipleImageManagementGeneralInformation;
extern const KtCatalogueEntry MultipleImageControl;
extern const KtCatalogueEntry MultipleConfigManagementGeneralInformation;
extern const KtCatalogueEntry MultipleConfigInformation;
extern const KtCatalogueEntry TrustHostDeleteAllState;
extern const KtCatalogueEntry TrustHostTable;
extern const KtCatalogueEntry MaxConcurrentRequests;
extern const KtCatalogueEntry PingControlTable;
extern const KtCatalogueEntry PingResultsTable;
extern const KtCatalogueEntry SystemLogState;
extern const KtCatalogueEntry SystemLogSaveControl;
extern const KtCatalogueEntry ClearLog;
extern const KtCatalogueEntry ClearDangerousLog;
extern const KtCatalogueEntry CurrentTime;
extern const KtCatalogueEntry SystemTime;
extern const KtCatalogueEntry NetworkTime;
extern const KtCatalogueEntry IfXTable;
extern const KtCatalogueEntry MediaInformation;
extern const KtCatalogueEntry DirectoryPath;
extern const KtCatalogueEntry DirectoryInformation;
extern const KtCatalogueEntry FileRename;
extern const KtCatalogueEntry FileDelete;

// "RMON" (Rmon.cpp)
extern const KtCatalogueEntry RMONControl;
extern const KtCatalogueEntry NetConfiguration;
extern const KtCatalogueEntry NetDefaultGateway;

// "Bridge" (Bridge.cpp)
extern const KtCatalogueEntry Bridge8021dInformation;
extern const KtCatalogueEntry ConfigurationIdentification;
extern const KtCatalogueEntry InstanceInformation;
extern const KtCatalogueEntry PortMSTPInformation;
extern const KtCatalogueEntry STPPortTable;

// "VLAN" (Vlan.cpp)
extern const KtCatalogueEntry DefaultUserPrioritiesOfEachPort;
extern const KtCatalogueEntry RegeneratedUserPriorities;
extern const KtCatalogueEntry UserPrioritiesToTrafficClass;
extern const KtCatalogueEntry PortOutboundAccessPriorities;
extern const KtCatalogueEntry HighCapacityPortTable;
extern const KtCatalogueEntry PortOverflow;
extern const KtCatalogueEntry UnicastForwardingInformation;
extern const KtCatalogueEntry FilteringDatabase;
extern const KtCatalogueEntry FilteringInformation;
extern const KtCatalogueEntry PVIDVLANAutoAssignmentState;
extern const KtCatalogueEntry VLANStaticManagement;

// "SNMP V3" (SnmpV3.cpp)
extern const KtCatalogueEntry SNMPEngine;
extern const KtCatalogueEntry MessageProcessingAndDispatching;
extern const KtCatalogueEntry SNMPTargetMIBGeneralInformation;
extern const KtCatalogueEntry SNMPTargetMIBTargetAddressTable;
extern const KtCatalogueEntry TargetParameters;
extern const KtCatalogueEntry UserBasedSecurityModelStatistics;
extern const KtCatalogueEntry UserTable;
extern const KtCatalogueEntry SecurityGroupTable;
extern const KtCatalogueEntry AccessTable;
extern const KtCatalogueEntry ViewMIBTreeFamilyTable;
extern const KtCatalogueEntry NotifyTable;
extern const KtCatalogueEntry NotifyFilterProfileTable;
extern const KtCatalogueEntry NotifyFilterEntryTable;
extern const KtCatalogueEntry CommunityStringTable;
extern const KtCatalogueEntry CommunityTargetAddressTable;

// "Security Management" (SecurityManagement.cpp)
extern const KtCatalogueEntry AuthenticationModeSetting;
extern const KtCatalogueEntry SecurityManagement8021XConfiguration;
extern const KtCatalogueEntry SecurityManagement8021XPortTable;
extern const KtCatalogueEntry PortConfiguration;
extern const KtCatalogueEntry PortStatistics;
extern const KtCatalogueEntry PortDiagnostics;
extern const KtCatalogueEntry PortSessionStatistics;
extern const KtCatalogueEntry StateTable;
extern const KtCatalogueEntry SessionInformation;
extern const KtCatalogueEntry AuthenticationPortControl;
extern const KtCatalogueEntry MACBasedPAEPortControl;
extern const KtCatalogueEntry WebControl;
extern const KtCatalogueEntry WebAuthPortTable;
extern const KtCatalogueEntry WebAuthUserTable;
extern const KtCatalogueEntry MACBasedAccessControlPortInformationTable;
extern const KtCatalogueEntry PortManagementTable;
extern const KtCatalogueEntry DatabaseTable;
extern const KtCatalogueEntry TollgateControl;
extern const KtCatalogueEntry TollgateUpdateServerTable;
extern const KtCatalogueEntry TollgatePortTable;
extern const KtCatalogueEntry TollgateHostTable;
extern const KtCatalogueEntry AuthenticationInformation;
extern const KtCatalogueEntry AuthenticationTable;
extern const KtCatalogueEntry AccountingControlBasicInformation;
extern const KtCatalogueEntry ServerTable;
extern const KtCatalogueEntry AACControl;
extern const KtCatalogueEntry AACInformation;
extern const KtCatalogueEntry LoginInformation;
extern const KtCatalogueEntry ServerGroup;
extern const KtCatalogueEntry SSHManagement;
extern const KtCatalogueEntry DiffieHellmanAlgorithm;
extern const KtCatalogueEntry EncryptionAlgorithm;
extern const KtCatalogueEntry AuthenticationMethod;
extern const KtCatalogueEntry HMACAlgorithm;
extern const KtCatalogueEntry PublicKeyAlgorithm;
extern const KtCatalogueEntry UserControlTable;
extern const KtCatalogueEntry SSLCertificateFile;
extern const KtCatalogueEntry GlobalManagement;
extern const KtCatalogueEntry ARPStormControl;
extern const KtCatalogueEntry BindingControl;
extern const KtCatalogueEntry PortInformation;

// "Layer 2 Management" (Layer2Management.cpp)
extern const KtCatalogueEntry JumboFrameCtrl;
extern const KtCatalogueEntry PortManagementPortInformationTable;
extern const KtCatalogueEntry PortControlTable;
extern const KtCatalogueEntry PortCableDiagnosisTable;
extern const KtCatalogueEntry PortCounterControlTable;
extern const KtCatalogueEntry PortErrorTable;
extern const KtCatalogueEntry TrunkBasicInformation;
extern const KtCatalogueEntry LACPPortTable;
extern const KtCatalogueEntry PortSecurityTable;
extern const KtCatalogueEntry QoSControl;
extern const KtCatalogueEntry BandwidthControlTable;
extern const KtCatalogueEntry SchedulingTable;
extern const KtCatalogueEntry QoSManagement8021pUserPriorityTable;
extern const KtCatalogueEntry QoSManagement8021pDefaultPriorityTable;
extern const KtCatalogueEntry MulticastFilterModeVLANTable;
extern const KtCatalogueEntry MulticastFilterProfileTable;
extern const KtCatalogueEntry MulticastFilterProfileAddressTable;
extern const KtCatalogueEntry LimitedMulticastFilterPortTable;
extern const KtCatalogueEntry MulticastFilterPortMaxGroupTable;
extern const KtCatalogueEntry IGMPSnoopingManagement;
extern const KtCatalogueEntry IGMPSnoopingControlTable;
extern const KtCatalogueEntry IGMPSnoopingQueryInformation;
extern const KtCatalogueEntry IGMPSnoopingInformation;
extern const KtCatalogueEntry IGMPMulticastVLANGroup;
extern const KtCatalogueEntry DHCPBasicConfiguration;
extern const KtCatalogueEntry PacketStormControl;
extern const KtCatalogueEntry PacketStormControlTable;
extern const KtCatalogueEntry ACLInformation;
extern const KtCatalogueEntry ACLMaskDeleteAll;
extern const KtCatalogueEntry CPUFilterControl;
extern const KtCatalogueEntry CPUACLMaskDeleteAll;
extern const KtCatalogueEntry EthernetMaskCPUFilter;
extern const KtCatalogueEntry EthernetRuleCPUFilter;
extern const KtCatalogueEntry IPMaskCPUFilter;
extern const KtCatalogueEntry IPRuleCPUFilter;
extern const KtCatalogueEntry PacketContentMaskCPUFilter;
extern const KtCatalogueEntry PacketContentRuleCPUFilter;
extern const KtCatalogueEntry IPv6MaskInformationCPUFilter;
extern const KtCatalogueEntry IPv6RuleCPUFilter;
extern const KtCatalogueEntry TimeRangeACLTable;
extern const KtCatalogueEntry TimeRangeCPUACLTable;
extern const KtCatalogueEntry AggregatorTable;
extern const KtCatalogueEntry AggregatorPortList;
extern const KtCatalogueEntry MLDSnoopingManagement;
extern const KtCatalogueEntry MLDSnoopingControl;

// "Single IP" (SingleIp.cpp)
extern const KtCatalogueEntry SingleIPControl;
extern const KtCatalogueEntry MyInformation;
extern const KtCatalogueEntry MemberSwitch;
extern const KtCatalogueEntry CandidateSwitch;
extern const KtCatalogueEntry GroupInformation;
extern const KtCatalogueEntry NeighborSwitch;
extern const KtCatalogueEntry MSTrapMessage;

} // namespace catalogue
