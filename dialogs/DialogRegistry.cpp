#include "dialogs/DialogRegistry.h"

#include "dialogs/layer2/Vlanstaticformunit.h"
#include "dialogs/security/IpMacBindingViewers.h"
#include "dialogs/security/Ipv6MaskInfoForm.h"
#include "dialogs/security/MaskInformationForms.h"
#include "dialogs/security/EthernetInformationRuleForm.h"
#include "dialogs/security/IPRuleForm.h"
#include "dialogs/security/Ipv6RuleForm.h"
#include "dialogs/layer2/Portmirror.h"
#include "dialogs/layer2/Porttrunk.h"
// spanning tree
#include "dialogs/layer2/Garpformunit.h"
#include "dialogs/layer2/Mstpportstateformunit.h"
#include "dialogs/layer2/Spanningtreealgorithmformunit.h"
#include "dialogs/layer2/Stpinfounit.h"
// bulwark, SSL and port-security delete
#include "dialogs/security/BulwarkCtrlForm.h"
#include "dialogs/security/PrtSecDelCtrlForm.h"
#include "dialogs/security/SSLManagementForm.h"
// igmp and mld snooping
#include "dialogs/layer2/IgmpMulticastVlanForm.h"
#include "dialogs/layer2/MldSnoopingGroupForm.h"
#include "dialogs/layer2/SnoopingRouterPorts.h"
// VLAN information, IP-MAC binding
#include "dialogs/layer2/VlanInformationForms.h"
#include "dialogs/security/IpMacBindingForms.h"
// login and enable method lists
#include "dialogs/security/MethodListForms.h"
// RADIUS servers and system log hosts
#include "dialogs/security/RadiusServerForm.h"
#include "dialogs/security/SystemLogHostForm.h"
// authentication servers and time ranges
#include "dialogs/security/AuthServerForms.h"
#include "dialogs/security/TimeRangeForm.h"
// flow control
#include "dialogs/layer2/FlowControlForms.h"
// bridge, port and device information
#include "dialogs/layer2/BridgeInfoForms.h"
// forwarding information and traffic segmentation
#include "dialogs/layer2/ForwardingInformationForms.h"
#include "dialogs/layer2/TrafficSegmentationForm.h"
// static unicast and multicast filtering
#include "dialogs/layer2/StaticFilterForms.h"
// link aggregation ports
#include "dialogs/layer2/AggregatorPortTableForm.h"
// layer-2 device control
#include "dialogs/layer2/Layer2ControlForm.h"
// summer time
#include "dialogs/layer2/SummerTimeForm.h"
// configuration control and dhcp relay
#include "dialogs/layer2/ConfigControlForm.h"
#include "dialogs/layer2/DhcpRelayForm.h"
// MAC-based access control
#include "dialogs/layer2/MbaControlForm.h"

#include <array>

namespace {

template <class Form> QDialog* Make(QWidget* owner, bool enlarge)
{
    return new Form(owner, enlarge);
}

} // namespace

std::span<const KtDialogEntry> KtDialogRegistry()
{
    static const std::array entries = {
        KtDialogEntry{"TVlanStaticForm", "VLAN Static: ", Make<TVlanStaticForm>},
        // Access-control masks and the IP-MAC binding viewers.
        KtDialogEntry{"TEthernetMaskInformationForm", "Ethernet Mask Information: ", Make<TEthernetMaskInformationForm>},
        KtDialogEntry{"TIPMaskInformationForm", "IP Mask Information: ", Make<TIPMaskInformationForm>},
        KtDialogEntry{"TIPv6MaskInfoForm", "IPV6 Mask Information: ", Make<TIPv6MaskInfoForm>},
        KtDialogEntry{"TIBPACLEtherMaskForm", "IP-MAC Binding Ethernet Mask : ", Make<TIBPACLEtherMaskForm>},
        KtDialogEntry{"TIBPIPMaskForm", "IP-MAC Binding IP Mask : ", Make<TIBPIPMaskForm>},
        KtDialogEntry{"TIBPEtherRuleForm", "IP-MAC Binding Ethernet Rule : ", Make<TIBPEtherRuleForm>},
        KtDialogEntry{"TIBPIPRuleForm", "IP-MAC Binding IP Rule : ", Make<TIBPIPRuleForm>},
        KtDialogEntry{"TEthernetInformationRuleForm", "Ethernet Information Rule: ", Make<TEthernetInformationRuleForm>},
        KtDialogEntry{"TIPRuleForm", "IP Rule: ", Make<TIPRuleForm>},
        KtDialogEntry{"TIpv6RuleForm", "IPV6 Rule: ", Make<TIpv6RuleForm>},
        KtDialogEntry{"TPortMirrorForm", "Port Mirror: ", Make<TPortMirrorForm>},
        KtDialogEntry{"TPortTrunkForm", "Port Trunk: ", Make<TPortTrunkForm>},
        // spanning tree
        KtDialogEntry{"TSpanningTreeAlgorithmForm", "Spanning Tree Algorithm: ", Make<TSpanningTreeAlgorithmForm>},
        KtDialogEntry{"TSTP_Info", "Spanning Tree Information: ", Make<TSTP_Info>},
        KtDialogEntry{"TMSTPPortStateForm", "MSTP Port State Information: ", Make<TMSTPPortStateForm>},
        KtDialogEntry{"TGARPForm", "GARP: ", Make<TGARPForm>},
        // bulwark, SSL and port-security delete
        KtDialogEntry{"TBulwarkCtrlForm", "Bulwark Control: ", Make<TBulwarkCtrlForm>},
        KtDialogEntry{"TSSLManagementForm", "SSL Management: ", Make<TSSLManagementForm>},
        KtDialogEntry{"TPrtSecDelCtrlForm", "Port Security Delete: ", Make<TPrtSecDelCtrlForm>},
        // igmp and mld snooping
        KtDialogEntry{"TIGMPRouterPortsForm", "IGMP Snooping Router Ports: ", Make<TIGMPRouterPortsForm>},
        KtDialogEntry{"TMLD_SnoopingRouterPortsForm", "MLD Snooping Router Ports: ", Make<TMLD_SnoopingRouterPortsForm>},
        KtDialogEntry{"TMLD_SnoopingGroupForm", "MLD Snooping Group Information: ", Make<TMLD_SnoopingGroupForm>},
        KtDialogEntry{"TIGMPMulticastVlanForm", "IGMP Multicast VLAN Table: ", Make<TIGMPMulticastVlanForm>},
        // VLAN information, IP-MAC binding
        KtDialogEntry{"TVLanCurrentTableForm", "VLAN Current: ", Make<TVLanCurrentTableForm>},
        KtDialogEntry{"TVLanGeneralInfoForm", "802.1Q Basic Configure: ", Make<TVLanGeneralInfoForm>},
        KtDialogEntry{"TVLanPortInfomationForm", "VLAN Port Information Form: ", Make<TVLanPortInfomationForm>},
        KtDialogEntry{"TGuestVlanForm", "Guest VLAN: ", Make<TGuestVlanForm>},
        KtDialogEntry{"TIPMACBindingForm", "IP-MAC Binding: ", Make<TIPMACBindingForm>},
        KtDialogEntry{"TIpMacBindBlockedForm", "IP-MAC Binding Blocked: ", Make<TIpMacBindBlockedForm>},
        // login and enable method lists
        KtDialogEntry{"TLoginMethodListForm", "Login Method List: ", Make<TLoginMethodListForm>},
        KtDialogEntry{"TEnableMethodForm", "Enable Method: ", Make<TEnableMethodForm>},
        // RADIUS servers and system log hosts
        KtDialogEntry{"TRadiusServerForm", "RADIUS Server: ", Make<TRadiusServerForm>},
        KtDialogEntry{"TSystemLogHostForm", "System Log Host: ", Make<TSystemLogHostForm>},
        // authentication servers and time ranges
        KtDialogEntry{"TServerInformationForm", "Server Information: ", Make<TServerInformationForm>},
        KtDialogEntry{"TAAASrvCtrlForm", "Server Control: ", Make<TAAASrvCtrlForm>},
        KtDialogEntry{"TTimeRangeForm", "Time Range Management: ", Make<TTimeRangeForm>},
        // Flow control.
        KtDialogEntry{"Tdot3ControlForm", "Dot3 Control: ", Make<Tdot3ControlForm>},
        KtDialogEntry{"Tdot3PauseForm", "Dot3 Pause: ", Make<Tdot3PauseForm>},
        // bridge, port and device information
        KtDialogEntry{"TPortCapabilities8021dForm", "Port Capability Form: ", Make<TPortCapabilities8021dForm>},
        KtDialogEntry{"TPBridgeConfigForm", "802.1P Basic Configure: ", Make<TPBridgeConfigForm>},
        KtDialogEntry{"TMacStatisticTableForm", "MAC Statistic: ", Make<TMacStatisticTableForm>},
        KtDialogEntry{"TDiagnosticsInformationForm", "Diagnostics Information: ", Make<TDiagnosticsInformationForm>},
        KtDialogEntry{"TEquipmentBasicInfoForm", "Equipment Basic Information: ", Make<TEquipmentBasicInfoForm>},
        KtDialogEntry{"TProbeBasicInformationForm", "Probe Basic Information: ", Make<TProbeBasicInformationForm>},
        // forwarding information and traffic segmentation
        KtDialogEntry{"TTpGroupDestinationForwardedForm", "Tp Group Destination Forwarded: ", Make<TTpGroupDestinationForwardedForm>},
        KtDialogEntry{"TMulticastForwardingInformationForm", "Multicast Forwarding Information: ", Make<TMulticastForwardingInformationForm>},
        KtDialogEntry{"TForwardUnregisteredInformationForm", "Forward Unregistered Information: ", Make<TForwardUnregisteredInformationForm>},
        KtDialogEntry{"TTrafficSegmentationForm", "Traffic Segmentation Table: ", Make<TTrafficSegmentationForm>},
        // Static unicast and multicast filtering.
        KtDialogEntry{"TUnicastFilterInformationForm", "Unicast Filter Information: ", Make<TUnicastFilterInformationForm>},
        KtDialogEntry{"TMulticastFilterInformationForm", "Multicast Filter Information: ", Make<TMulticastFilterInformationForm>},
        // Link aggregation ports.
        KtDialogEntry{"TAggregatorPortTableForm", "Aggregator Port: ", Make<TAggregatorPortTableForm>},
        // layer-2 device control
        KtDialogEntry{"TLayer2ControlForm", "Layer2 Control: ", Make<TLayer2ControlForm>},
        // Summer time.
        KtDialogEntry{"TSummerTimeForm", "Summer Time: ", Make<TSummerTimeForm>},
        // configuration control and dhcp relay
        KtDialogEntry{"TMultipleConfigControlForm", "Multiple Config Control: ", Make<TMultipleConfigControlForm>},
        KtDialogEntry{"TBOOTCtrlTableForm", "DHCP Control Table: ", Make<TBOOTCtrlTableForm>},
        // MAC-based access control
        KtDialogEntry{"TMBAControlForm", "MBA Control: ", Make<TMBAControlForm>},
    };
    return entries;
}
