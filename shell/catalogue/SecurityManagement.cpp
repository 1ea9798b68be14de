// Generic views under "Security Management", in menu order: each view's definition table and its
// named entry (declared in CatalogueEntries.h, opened by the menu line that names it).
#include "shell/catalogue/CatalogueEntries.h"
#include "shell/catalogue/ViewOptionLists.h"

namespace catalogue {

constexpr KtSNMPVarDef kAuthenticationModeSetting[] = {
    {"1.3.6.1.4.1.32473.12.3.1.1", "User Authentication Protocol", KtSyn::Integer, KtAcc::ReadWrite, &olUserAuthProtocol},
    {"1.3.6.1.4.1.32473.12.3.1.2", "Device Authentication Mode", KtSyn::Integer, KtAcc::ReadWrite, &olDeviceAuthMode},
    {},
};
const KtCatalogueEntry AuthenticationModeSetting({.captionPrefix = "Authentication Mode Setting: ",
    .kind = KtViewKind::Editor, .itemType = KtItem::SVT_SV, .keyCount = 0, .table = kAuthenticationModeSetting,
    .varCount = 2, .heightRule = KtHeightRule::AddScaled, .height = 10, .editWidthScaled = 142});

constexpr KtSNMPVarDef kSecurityManagement8021XConfiguration[] = {
    {"1.0.8802.1.1.1.1.1.1", "System Authentication Control", KtSyn::Integer, KtAcc::ReadWrite, &olEnabledDisabled},
    {},
};
const KtCatalogueEntry SecurityManagement8021XConfiguration({.captionPrefix = "802.1X Configuration: ",
    .kind = KtViewKind::Editor, .itemType = KtItem::SVT_SV, .keyCount = 0,
    .table = kSecurityManagement8021XConfiguration, .varCount = 1});

constexpr KtSNMPVarDef kSecurityManagement8021XPortTable[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port Number", KtSyn::Integer, KtAcc::NotAccess},
    {"1.0.8802.1.1.1.1.1.2.1.2", "Protocol Version", KtSyn::Gauge, KtAcc::ReadOnly},
    {"1.0.8802.1.1.1.1.1.2.1.3", "Capabilities", KtSyn::BitStr, KtAcc::ReadOnly},
    {"1.0.8802.1.1.1.1.1.2.1.4", "Initialize", KtSyn::Integer, KtAcc::ReadWrite, &olTrueFalse},
    {"1.0.8802.1.1.1.1.1.2.1.5", "Reauthenticate", KtSyn::Integer, KtAcc::ReadWrite, &olTrueFalse},
    {},
};
const KtCatalogueEntry SecurityManagement8021XPortTable({.captionPrefix = "802.1X Port Table: ",
    .kind = KtViewKind::Table, .itemType = KtItem::MVT_UMV, .keyCount = 1, .table = kSecurityManagement8021XPortTable,
    .varCount = 5});

constexpr KtSNMPVarDef kPortConfiguration[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port Number", KtSyn::Integer, KtAcc::NotAccess},
    {"1.0.8802.1.1.1.1.2.1.1.1", "PAE State", KtSyn::Integer, KtAcc::ReadOnly, &olPaeState},
    {"1.0.8802.1.1.1.1.2.1.1.2", "Backend State", KtSyn::Integer, KtAcc::ReadOnly, &olBackendState},
    {"1.0.8802.1.1.1.1.2.1.1.3", "Administrative Controlled Directions", KtSyn::Integer, KtAcc::ReadWrite, &olControlledDirections},
    {"1.0.8802.1.1.1.1.2.1.1.4", "Operational Controlled Directions", KtSyn::Integer, KtAcc::ReadOnly, &olControlledDirections},
    {"1.0.8802.1.1.1.1.2.1.1.5", "Port Status", KtSyn::Integer, KtAcc::ReadOnly, &olAuthPortStatus},
    {"1.0.8802.1.1.1.1.2.1.1.6", "Port Control", KtSyn::Integer, KtAcc::ReadWrite, &olAuthPortControl},
    {"1.0.8802.1.1.1.1.2.1.1.7", "Quiet Period", KtSyn::Gauge, KtAcc::ReadWrite},
    {"1.0.8802.1.1.1.1.2.1.1.8", "TX Period", KtSyn::Gauge, KtAcc::ReadWrite},
    {"1.0.8802.1.1.1.1.2.1.1.9", "Supp Timeout", KtSyn::Gauge, KtAcc::ReadWrite},
    {"1.0.8802.1.1.1.1.2.1.1.10", "Server Timeout", KtSyn::Gauge, KtAcc::ReadWrite},
    {"1.0.8802.1.1.1.1.2.1.1.11", "Max Request", KtSyn::Gauge, KtAcc::ReadWrite},
    {"1.0.8802.1.1.1.1.2.1.1.12", "ReAuthenticate Period", KtSyn::Gauge, KtAcc::ReadWrite},
    {"1.0.8802.1.1.1.1.2.1.1.13", "ReAuthenticate Enabled", KtSyn::Integer, KtAcc::ReadWrite, &olTrueFalse},
    {},
};
const KtCatalogueEntry PortConfiguration({.captionPrefix = "802.1X Port Configuration: ", .kind = KtViewKind::Table,
    .itemType = KtItem::MVT_UMV, .keyCount = 1, .table = kPortConfiguration, .varCount = 14});

constexpr KtSNMPVarDef kPortStatistics[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port Number", KtSyn::Integer, KtAcc::NotAccess},
    {"1.0.8802.1.1.1.1.2.2.1.1", "EAPOL Frames RX", KtSyn::Counter, KtAcc::ReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.2", "EAPOL Frames TX", KtSyn::Counter, KtAcc::ReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.3", "EAPOL Start Frames RX", KtSyn::Counter, KtAcc::ReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.4", "EAPOL Logoff Frames RX", KtSyn::Counter, KtAcc::ReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.5", "EAPOL Response/IP Frames RX", KtSyn::Counter, KtAcc::ReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.6", "EAPOL Response Frames RX", KtSyn::Counter, KtAcc::ReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.7", "EAPOL Request/ID Frames TX", KtSyn::Counter, KtAcc::ReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.8", "EAPOL Response Frames TX", KtSyn::Counter, KtAcc::ReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.9", "Invalid EAPOL Frames RX", KtSyn::Counter, KtAcc::ReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.10", "EAPOL Length Error Frames RX", KtSyn::Counter, KtAcc::ReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.11", "Last EAPOL Frame Version", KtSyn::Gauge, KtAcc::ReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.12", "Last EAPOL Frame Source", KtSyn::MacAddress, KtAcc::ReadOnly},
    {},
};
const KtCatalogueEntry PortStatistics({.captionPrefix = "Port Statistics: ", .kind = KtViewKind::Table,
    .itemType = KtItem::MVT_FMV, .keyCount = 1, .table = kPortStatistics, .varCount = 13});

constexpr KtSNMPVarDef kPortDiagnostics[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port Number", KtSyn::Integer, KtAcc::NotAccess},
    {"1.0.8802.1.1.1.1.2.3.1.1", "Enters Connecting", KtSyn::Counter, KtAcc::ReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.2", "Eap Logoffs While Connecting", KtSyn::Counter, KtAcc::ReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.3", "Enters Authenticating", KtSyn::Counter, KtAcc::ReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.4", "Auth Success While Authenticating", KtSyn::Counter, KtAcc::ReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.5", "Auth Timeouts While Authenticating", KtSyn::Counter, KtAcc::ReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.6", "Auth Fail While Authenticating", KtSyn::Counter, KtAcc::ReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.7", "Auth Reauths While Authenticating", KtSyn::Counter, KtAcc::ReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.8", "Auth Eap Starts While Authenticating", KtSyn::Counter, KtAcc::ReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.9", "Auth Eap Logoff While Authenticating", KtSyn::Counter, KtAcc::ReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.10", "Auth Reauths While Authenticated", KtSyn::Counter, KtAcc::ReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.11", "Auth Eap Starts While Authenticated", KtSyn::Counter, KtAcc::ReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.12", "Auth Eap Logoff While Authenticated", KtSyn::Counter, KtAcc::ReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.13", "Backend Responses", KtSyn::Counter, KtAcc::ReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.14", "Backend Access Challenges", KtSyn::Counter, KtAcc::ReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.15", "Backend Other Requests To Supplicant", KtSyn::Counter, KtAcc::ReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.16", "Backend NonNak Responses From Supplicant", KtSyn::Counter, KtAcc::ReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.17", "Backend Auth Successes", KtSyn::Counter, KtAcc::ReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.18", "Backend Auth Fails", KtSyn::Counter, KtAcc::ReadOnly},
    {},
};
const KtCatalogueEntry PortDiagnostics({.captionPrefix = "Port Diagnostics: ", .kind = KtViewKind::Table,
    .itemType = KtItem::MVT_UMV, .keyCount = 1, .table = kPortDiagnostics, .varCount = 19});

constexpr KtSNMPVarDef kPortSessionStatistics[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port Number", KtSyn::Integer, KtAcc::NotAccess},
    {"1.0.8802.1.1.1.1.2.4.1.1", "Octets RX", KtSyn::Counter64, KtAcc::ReadOnly},
    {"1.0.8802.1.1.1.1.2.4.1.2", "Octets TX", KtSyn::Counter64, KtAcc::ReadOnly},
    {"1.0.8802.1.1.1.1.2.4.1.3", "Frames RX", KtSyn::Counter, KtAcc::ReadOnly},
    {"1.0.8802.1.1.1.1.2.4.1.4", "Frames TX", KtSyn::Counter, KtAcc::ReadOnly},
    {"1.0.8802.1.1.1.1.2.4.1.5", "ID", KtSyn::DisplayStr, KtAcc::ReadOnly},
    {"1.0.8802.1.1.1.1.2.4.1.6", "Authentic Method", KtSyn::Integer, KtAcc::ReadOnly, &olAuthenticMethod},
    {"1.0.8802.1.1.1.1.2.4.1.7", "Time", KtSyn::TimeTicks, KtAcc::ReadOnly},
    {"1.0.8802.1.1.1.1.2.4.1.8", "Terminate Cause", KtSyn::Integer, KtAcc::ReadOnly, &olTerminateCause},
    {"1.0.8802.1.1.1.1.2.4.1.9", "User Name", KtSyn::DisplayStr, KtAcc::ReadOnly},
    {},
};
const KtCatalogueEntry PortSessionStatistics({.captionPrefix = "Port Session Statistics: ", .kind = KtViewKind::Table,
    .itemType = KtItem::MVT_FMV, .keyCount = 1, .table = kPortSessionStatistics, .varCount = 10});

constexpr KtSNMPVarDef kStateTable[] = {
    {"1.3.6.1.4.1.32473.12.3.6.1.1.1", "PAE MAC Address", KtSyn::MacAddress, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.3.6.1.1.2", "PAE Port Number", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.3.6.1.1.3", "PAE State", KtSyn::Integer, KtAcc::ReadOnly, &olPaeState},
    {"1.3.6.1.4.1.32473.12.3.6.1.1.4", "Backend  State", KtSyn::Integer, KtAcc::ReadOnly, &olBackendState},
    {"1.3.6.1.4.1.32473.12.3.6.1.1.5", "Control Led Port Status", KtSyn::Integer, KtAcc::ReadOnly, &olAuthPortStatus},
    {},
};
const KtCatalogueEntry StateTable({.captionPrefix = "State Table: ", .kind = KtViewKind::Table,
    .itemType = KtItem::MVT_FMV, .keyCount = 2, .table = kStateTable, .varCount = 5});

constexpr KtSNMPVarDef kSessionInformation[] = {
    {"1.3.6.1.4.1.32473.12.3.6.1.1.1", "PAE MAC Address", KtSyn::MacAddress, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.3.6.1.1.2", "PAE Port Number", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.3.6.4.1.1", "Session Octets RX", KtSyn::Counter64, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.3.6.4.1.2", "Session Octets TX", KtSyn::Counter64, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.3.6.4.1.3", "Session Frames RX", KtSyn::Counter, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.3.6.4.1.4", "Session Frames TX", KtSyn::Counter, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.3.6.4.1.5", "Session ID", KtSyn::DisplayStr, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.3.6.4.1.6", "Session Authentic Method", KtSyn::Integer, KtAcc::ReadOnly, &olAuthenticMethod},
    {"1.3.6.1.4.1.32473.12.3.6.4.1.7", "Session Time", KtSyn::TimeTicks, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.3.6.4.1.8", "Session Terminate Cause", KtSyn::Integer, KtAcc::ReadOnly, &olTerminateCause},
    {"1.3.6.1.4.1.32473.12.3.6.4.1.9", "Session User Name", KtSyn::DisplayStr, KtAcc::ReadOnly},
    {},
};
const KtCatalogueEntry SessionInformation({.captionPrefix = "Session Information: ", .kind = KtViewKind::Table,
    .itemType = KtItem::MVT_FMV, .keyCount = 2, .table = kSessionInformation, .varCount = 11});

constexpr KtSNMPVarDef kAuthenticationPortControl[] = {
    {"1.3.6.1.4.1.32473.12.3.8.1.1.1", "Authentication Port Number", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.3.8.1.1.2", "Authentication Port Capabilities", KtSyn::Integer, KtAcc::ReadWrite, &olAuthPortCapabilities},
    {},
};
const KtCatalogueEntry AuthenticationPortControl({.captionPrefix = "Authentication Port Control : ",
    .kind = KtViewKind::Table, .itemType = KtItem::MVT_UMV, .keyCount = 1, .table = kAuthenticationPortControl,
    .varCount = 2});

constexpr KtSNMPVarDef kMACBasedPAEPortControl[] = {
    {"1.3.6.1.4.1.32473.12.3.9.1.1.1", "Port Number", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.3.9.1.1.2", "MAC Address", KtSyn::MacAddress, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.3.9.1.1.3", "Port Initialize Or Reauthenticate Status", KtSyn::Integer, KtAcc::ReadWrite, &olInitOrReauth},
    {},
};
const KtCatalogueEntry MACBasedPAEPortControl({.captionPrefix = "MAC_Based PAE Port Control : ",
    .kind = KtViewKind::Table, .itemType = KtItem::MVT_UMV, .keyCount = 1, .table = kMACBasedPAEPortControl,
    .varCount = 3});

constexpr KtSNMPVarDef kWebControl[] = {
    {"1.3.6.1.4.1.32473.12.27.1.1", "Admin State", KtSyn::Integer, KtAcc::ReadWrite, &olDisabledEnabled},
    {"1.3.6.1.4.1.32473.12.27.1.2", "Method", KtSyn::Integer, KtAcc::ReadWrite, &olWebAuthMethod},
    {"1.3.6.1.4.1.32473.12.27.1.3", "VLAN Name", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.27.1.4", "All Port State", KtSyn::Integer, KtAcc::ReadWrite, &olOtherDisabledEnabled},
    {"1.3.6.1.4.1.32473.12.27.1.5", "Default Redirect Path", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {},
};
const KtCatalogueEntry WebControl({.captionPrefix = "Web Control: ", .kind = KtViewKind::Editor,
    .itemType = KtItem::SVT_SV, .keyCount = 0, .table = kWebControl, .varCount = 5});

constexpr KtSNMPVarDef kWebAuthPortTable[] = {
    {"1.3.6.1.4.1.32473.12.27.3.1.1.1", "Port Index", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.27.3.1.1.2", "Port State", KtSyn::Integer, KtAcc::ReadWrite, &olDisabledEnabled},
    {},
};
const KtCatalogueEntry WebAuthPortTable({.captionPrefix = "Web Auth Port Table: ", .kind = KtViewKind::Table,
    .itemType = KtItem::MVT_UMV, .keyCount = 1, .table = kWebAuthPortTable, .varCount = 2});

constexpr KtSNMPVarDef kWebAuthUserTable[] = {
    {"1.3.6.1.4.1.32473.12.27.3.2.1.1", "User Name Index", KtSyn::DisplayStr, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.27.3.2.1.2", "User PassWord", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.27.3.2.1.3", "User VLAN Name", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.27.3.2.1.4", "User Status", KtSyn::Integer, KtAcc::ReadWrite, &olRowStatusCreateDestroy},
    {},
};
const KtCatalogueEntry WebAuthUserTable({.captionPrefix = "Web Auth User Table: ", .kind = KtViewKind::Table,
    .itemType = KtItem::MVT_FMV, .keyCount = 1, .table = kWebAuthUserTable, .varCount = 4, .addIndex = 3,
    .addText = "createAndGo", .deleteIndex = 3, .deleteText = "destroy"});

constexpr KtSNMPVarDef kMACBasedAccessControlPortInformationTable[] = {
    {"1.3.6.1.4.1.32473.12.35.2.1.1.1", "Port Index", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.35.2.1.1.2", "MAC Index", KtSyn::MacAddress, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.35.2.1.1.3", "Status", KtSyn::Integer, KtAcc::ReadOnly, &olMacAccessStatus},
    {"1.3.6.1.4.1.32473.12.35.2.1.1.4", "Assign VLAN Name", KtSyn::DisplayStr, KtAcc::ReadOnly},
    {},
};
const KtCatalogueEntry MACBasedAccessControlPortInformationTable({.captionPrefix = "Port Information Table: ",
    .kind = KtViewKind::Table, .itemType = KtItem::MVT_FMV, .keyCount = 2,
    .table = kMACBasedAccessControlPortInformationTable, .varCount = 4});

constexpr KtSNMPVarDef kPortManagementTable[] = {
    {"1.3.6.1.4.1.32473.12.35.3.1.1.1", "Port Index", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.35.3.1.1.2", "Port State", KtSyn::Integer, KtAcc::ReadWrite, &olEnabledDisabled},
    {},
};
const KtCatalogueEntry PortManagementTable({.captionPrefix = "Port Management Table: ", .kind = KtViewKind::Table,
    .itemType = KtItem::MVT_UMV, .keyCount = 1, .table = kPortManagementTable, .varCount = 2});

constexpr KtSNMPVarDef kDatabaseTable[] = {
    {"1.3.6.1.4.1.32473.12.35.4.1.1.1", "Database MAC Index", KtSyn::MacAddress, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.35.4.1.1.2", "Database VLAN Name", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.35.4.1.1.3", "Database Status", KtSyn::Integer, KtAcc::ReadWrite, &olRowStatusCreateDestroy},
    {},
};
const KtCatalogueEntry DatabaseTable({.captionPrefix = "Datebase Table: ", .kind = KtViewKind::Table,
    .itemType = KtItem::MVT_FMV, .keyCount = 1, .table = kDatabaseTable, .varCount = 3, .addIndex = 2,
    .addText = "createAndGo", .deleteIndex = 2, .deleteText = "destroy", .noEdit = true});

constexpr KtSNMPVarDef kTollgateControl[] = {
    {"1.3.6.1.4.1.32473.12.39.1.1", "State", KtSyn::Integer, KtAcc::ReadWrite, &olEnabledDisabled},
    {"1.3.6.1.4.1.32473.12.39.1.2", "Redirect State", KtSyn::Integer, KtAcc::ReadWrite, &olEnabledDisabled},
    {"1.3.6.1.4.1.32473.12.39.1.3", "Forcible Logout State", KtSyn::Integer, KtAcc::ReadWrite, &olEnabledDisabled},
    {"1.3.6.1.4.1.32473.12.39.1.4", "UDP Filtering State", KtSyn::Integer, KtAcc::ReadWrite, &olEnabledDisabled},
    {"1.3.6.1.4.1.32473.12.39.1.5", "Quarantine Server Monitor State", KtSyn::Integer, KtAcc::ReadWrite, &olEnabledDisabled},
    {"1.3.6.1.4.1.32473.12.39.1.6", "Quarantine Server Error Time Out", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.39.1.7", "Redirect Destination", KtSyn::Integer, KtAcc::ReadWrite, &olRedirectDestination},
    {"1.3.6.1.4.1.32473.12.39.1.8", "Redirect Delay Time", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.39.1.9", "Virtual IP Address", KtSyn::IpAddress, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.39.1.10", "Quarantine Server URL", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.39.1.11", "Switch HTTP Port Number", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.39.1.12", "Switch HTTP Protocol", KtSyn::Integer, KtAcc::ReadWrite, &olHttpProtocol},
    {"1.3.6.1.4.1.32473.12.39.1.13", "RADIUS Protocol", KtSyn::Integer, KtAcc::ReadWrite, &olTollgateRadiusProtocol},
    {},
};
const KtCatalogueEntry TollgateControl({.captionPrefix = "Tollgate Control: ", .kind = KtViewKind::Editor,
    .itemType = KtItem::SVT_SV, .keyCount = 0, .table = kTollgateControl, .varCount = 13});

constexpr KtSNMPVarDef kTollgateUpdateServerTable[] = {
    {"1.3.6.1.4.1.32473.12.39.1.14.1.1", "Update Server IP Address", KtSyn::IpAddress, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.39.1.14.1.2", "Update Server Mask", KtSyn::IpAddress, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.39.1.14.1.3", "Update Server Status", KtSyn::Integer, KtAcc::ReadWrite, &olRowStatusCreateDestroy},
    {},
};
const KtCatalogueEntry TollgateUpdateServerTable({.captionPrefix = "Tollgate Update Server Table: ",
    .kind = KtViewKind::Table, .itemType = KtItem::MVT_FMV, .keyCount = 2, .table = kTollgateUpdateServerTable,
    .varCount = 3, .addIndex = 2, .addText = "createAndGo", .deleteIndex = 2, .deleteText = "destroy",
    .noEdit = true});

constexpr KtSNMPVarDef kTollgatePortTable[] = {
    {"1.3.6.1.4.1.32473.12.39.3.1.1.1", "Port Index", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.39.3.1.1.2", "Port State", KtSyn::Integer, KtAcc::ReadWrite, &olEnabledDisabled},
    {"1.3.6.1.4.1.32473.12.39.3.1.1.3", "Port Max Auth Host", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.39.3.1.1.4", "Port Ageing Time", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.39.3.1.1.5", "Port Idle Time", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.39.3.1.1.6", "Port Block Time", KtSyn::Integer, KtAcc::ReadWrite},
    {},
};
const KtCatalogueEntry TollgatePortTable({.captionPrefix = "Tollgate Port Table: ", .kind = KtViewKind::Table,
    .itemType = KtItem::MVT_UMV, .keyCount = 1, .table = kTollgatePortTable, .varCount = 6});

constexpr KtSNMPVarDef kTollgateHostTable[] = {
    {"1.3.6.1.4.1.32473.12.39.4.1.1.1", "Host Port", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.39.4.1.1.2", "Host Auth Status", KtSyn::Integer, KtAcc::NotAccess, &olHostAuthStatus},
    {"1.3.6.1.4.1.32473.12.39.4.1.1.3", "Host MAC Address", KtSyn::MacAddress, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.39.4.1.1.4", "Host VLAN ID", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.39.4.1.1.5", "Host Remain Age Time", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.39.4.1.1.6", "Host Idle Time", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.39.4.1.1.7", "Host Block Time", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.39.4.1.1.8", "Host Status", KtSyn::Integer, KtAcc::ReadWrite, &olActiveDelete},
    {},
};
const KtCatalogueEntry TollgateHostTable({.captionPrefix = "Tollgate Host Table: ", .kind = KtViewKind::Table,
    .itemType = KtItem::MVT_UMV, .keyCount = 3, .table = kTollgateHostTable, .varCount = 8});

constexpr KtSNMPVarDef kAuthenticationInformation[] = {
    {"1.3.6.1.2.1.67.1.2.1.1.1", "Unknown Address Packets", KtSyn::Counter, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.2", "Authentication Client Identifier", KtSyn::DisplayStr, KtAcc::ReadOnly},
    {},
};
const KtCatalogueEntry AuthenticationInformation({.captionPrefix = "Authentication Information: ",
    .kind = KtViewKind::Editor, .itemType = KtItem::SVT_SV, .keyCount = 0, .table = kAuthenticationInformation,
    .varCount = 2});

constexpr KtSNMPVarDef kAuthenticationTable[] = {
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.1", "Index", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.2", "Address", KtSyn::IpAddress, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.3", "Authentication Port Number", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.4", "Round Trip Time", KtSyn::TimeTicks, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.5", "Access-Requests Packets", KtSyn::Counter, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.6", "Access-Retransmissions Packets", KtSyn::Counter, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.7", "Access-Accepts Packets", KtSyn::Counter, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.8", "Access-Rejects Packets", KtSyn::Counter, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.9", "Access-Challenges Packets", KtSyn::Counter, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.10", "Malformed Access Responses Packets", KtSyn::Counter, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.11", "Bad Authenticators Packets", KtSyn::Counter, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.12", "Pending Requests Packets", KtSyn::Gauge, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.13", "Timeout Numbers", KtSyn::Counter, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.14", "Unknown Types Packets", KtSyn::Counter, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.15", "Packets Dropped", KtSyn::Counter, KtAcc::ReadOnly},
    {},
};
const KtCatalogueEntry AuthenticationTable({.captionPrefix = "RADIUS Authentication Table: ",
    .kind = KtViewKind::Table, .itemType = KtItem::MVT_FMV, .keyCount = 1, .table = kAuthenticationTable,
    .varCount = 15});

constexpr KtSNMPVarDef kAccountingControlBasicInformation[] = {
    {"1.3.6.1.2.1.67.2.2.1.1.1", "Unknown Address Packets", KtSyn::Counter, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.2", "Accouting Client Identifier", KtSyn::DisplayStr, KtAcc::ReadOnly},
    {},
};
const KtCatalogueEntry AccountingControlBasicInformation({.captionPrefix = "Accounting Basic Information: ",
    .kind = KtViewKind::Editor, .itemType = KtItem::SVT_SV, .keyCount = 0,
    .table = kAccountingControlBasicInformation, .varCount = 2});

constexpr KtSNMPVarDef kServerTable[] = {
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.1", "Index", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.2", "Address", KtSyn::IpAddress, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.3", "Accouting Port Number", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.4", "Round Trip Time", KtSyn::TimeTicks, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.5", "Requests Packets", KtSyn::Counter, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.6", "Retransmissions Packets", KtSyn::Counter, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.7", "Responses Packets", KtSyn::Counter, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.8", "Malformed Responses Packets", KtSyn::Counter, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.9", "Bad Authenticators Packets", KtSyn::Counter, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.10", "Pending Requests Packets", KtSyn::Gauge, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.11", "Timeout Numbers", KtSyn::Counter, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.12", "Unknown Types Packets", KtSyn::Counter, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.13", "Packets Dropped", KtSyn::Counter, KtAcc::ReadOnly},
    {},
};
const KtCatalogueEntry ServerTable({.captionPrefix = "Accounting Server Table: ", .kind = KtViewKind::Table,
    .itemType = KtItem::MVT_FMV, .keyCount = 1, .table = kServerTable, .varCount = 13});

constexpr KtSNMPVarDef kAACControl[] = {
    {"1.3.6.1.4.1.32473.12.5.1.1", "AAC Authen Admin State", KtSyn::Integer, KtAcc::ReadWrite, &olDisabledEnabled},
    {},
};
const KtCatalogueEntry AACControl({.captionPrefix = "AAC Control: ", .kind = KtViewKind::Editor,
    .itemType = KtItem::SVT_SV, .keyCount = 0, .table = kAACControl, .varCount = 1});

constexpr KtSNMPVarDef kAACInformation[] = {
    {"1.3.6.1.4.1.32473.12.5.2.1", "AAC Max Method List", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.5.2.2", "AAC Max Enable Method List", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.5.2.3", "AAC Max ServerGroup", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.5.2.4", "AAC Max Server", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.5.8.1", "AAC Response Timeout[1..255]", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.5.8.2", "AAC Attempt[1..255]", KtSyn::Integer, KtAcc::ReadWrite},
    {},
};
const KtCatalogueEntry AACInformation({.captionPrefix = "AAC Information Table: ", .kind = KtViewKind::Editor,
    .itemType = KtItem::SVT_SV, .keyCount = 0, .table = kAACInformation, .varCount = 6});

constexpr KtSNMPVarDef kLoginInformation[] = {
    {"1.3.6.1.4.1.32473.12.5.7.1.1", "AP Console Login Method", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.5.7.2.1", "AP Console Enable Method", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.5.7.1.2", "AP Telnet Login Method", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.5.7.2.2", "AP Telnet Enable Method", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.5.7.1.3", "AP SSH Login Method", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.5.7.2.3", "AP SSH Enable Method", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.5.7.1.4", "AP Http Login Method", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.5.7.2.4", "AP Http Enable Method", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {},
};
const KtCatalogueEntry LoginInformation({.captionPrefix = "Login Information: ", .kind = KtViewKind::Editor,
    .itemType = KtItem::SVT_SV, .keyCount = 0, .table = kLoginInformation, .varCount = 8});

constexpr KtSNMPVarDef kServerGroup[] = {
    {"1.3.6.1.4.1.32473.12.5.9.1.1", "AAC Server Group Name", KtSyn::DisplayStr, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.5.9.1.2", "AAC Server Group IP Address1", KtSyn::IpAddress, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.5.9.1.3", "AAC Server Group Auth Protocol1", KtSyn::Integer, KtAcc::ReadOnly, &olServerAuthProtocol},
    {"1.3.6.1.4.1.32473.12.5.9.1.4", "AAC Server Group IP Address2", KtSyn::IpAddress, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.5.9.1.5", "AAC Server Group Auth Protocol2", KtSyn::Integer, KtAcc::ReadOnly, &olServerAuthProtocol},
    {"1.3.6.1.4.1.32473.12.5.9.1.6", "AAC Server Group IP Address3", KtSyn::IpAddress, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.5.9.1.7", "AAC Server Group Auth Protocol3", KtSyn::Integer, KtAcc::ReadOnly, &olServerAuthProtocol},
    {"1.3.6.1.4.1.32473.12.5.9.1.8", "AAC Server Group IP Address4", KtSyn::IpAddress, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.5.9.1.9", "AAC Server Group Auth Protocol4", KtSyn::Integer, KtAcc::ReadOnly, &olServerAuthProtocol},
    {"1.3.6.1.4.1.32473.12.5.9.1.10", "AAC Server Group IP Address5", KtSyn::IpAddress, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.5.9.1.11", "AAC Server Group Auth Protocol5", KtSyn::Integer, KtAcc::ReadOnly, &olServerAuthProtocol},
    {"1.3.6.1.4.1.32473.12.5.9.1.12", "AAC Server Group IPAddr6", KtSyn::IpAddress, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.5.9.1.13", "AAC Server Group AuthProtocol6", KtSyn::Integer, KtAcc::ReadOnly, &olServerAuthProtocol},
    {"1.3.6.1.4.1.32473.12.5.9.1.14", "AAC Server Group IP Address7", KtSyn::IpAddress, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.5.9.1.15", "AAC Server Group Auth Protocol7", KtSyn::Integer, KtAcc::ReadOnly, &olServerAuthProtocol},
    {"1.3.6.1.4.1.32473.12.5.9.1.16", "AAC Server Group IP Address8", KtSyn::IpAddress, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.5.9.1.17", "AAC Server Group Auth Protocol8", KtSyn::Integer, KtAcc::ReadOnly, &olServerAuthProtocol},
    {"1.3.6.1.4.1.32473.12.5.9.1.18", "AAC Server Group Row Status", KtSyn::Integer, KtAcc::ReadWrite, &olRowStatus},
    {},
};
const KtCatalogueEntry ServerGroup({.captionPrefix = "Server Group Table: ", .kind = KtViewKind::Table,
    .itemType = KtItem::MVT_FMV, .keyCount = 1, .table = kServerGroup, .varCount = 18, .addIndex = 17,
    .addText = "createAndGo", .deleteIndex = 17, .deleteText = "destroy", .noEdit = true});

constexpr KtSNMPVarDef kSSHManagement[] = {
    {"1.3.6.1.4.1.32473.12.6.1.1", "SSH Version", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.6.1.2", "SSH Administration", KtSyn::Integer, KtAcc::ReadWrite, &olDisabledEnabled},
    {"1.3.6.1.4.1.32473.12.6.1.3", "SSH Max Authentication Fail Attempts", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.6.1.4", "SSH Session Key Rekeying", KtSyn::Integer, KtAcc::ReadWrite, &olRekeyInterval},
    {"1.3.6.1.4.1.32473.12.6.1.5", "SSH Max Session", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.6.1.6", "SSH Connection Timeout", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.6.1.7", "SSH Listened Port", KtSyn::Integer, KtAcc::ReadOnly},
    {},
};
const KtCatalogueEntry SSHManagement({.captionPrefix = "SSH Management Table: ", .kind = KtViewKind::Editor,
    .itemType = KtItem::SVT_SV, .keyCount = 0, .table = kSSHManagement, .varCount = 7});

constexpr KtSNMPVarDef kDiffieHellmanAlgorithm[] = {
    {"1.3.6.1.4.1.32473.12.6.3.4", "SSH Key Expand Administration", KtSyn::Integer, KtAcc::ReadOnly, &olDisabledEnabled},
    {},
};
const KtCatalogueEntry DiffieHellmanAlgorithm({.captionPrefix = "Diffie Hellman Algorithm Control: ",
    .kind = KtViewKind::Editor, .itemType = KtItem::SVT_SV, .keyCount = 0, .table = kDiffieHellmanAlgorithm,
    .varCount = 1});

constexpr KtSNMPVarDef kEncryptionAlgorithm[] = {
    {"1.3.6.1.4.1.32473.12.6.3.1.1", "3DES state", KtSyn::Integer, KtAcc::ReadWrite, &olDisabledEnabled},
    {"1.3.6.1.4.1.32473.12.6.3.1.2", "Blowfish state", KtSyn::Integer, KtAcc::ReadWrite, &olDisabledEnabled},
    {"1.3.6.1.4.1.32473.12.6.3.1.3", "AES128 state", KtSyn::Integer, KtAcc::ReadWrite, &olDisabledEnabled},
    {"1.3.6.1.4.1.32473.12.6.3.1.4", "AES192 state", KtSyn::Integer, KtAcc::ReadWrite, &olDisabledEnabled},
    {"1.3.6.1.4.1.32473.12.6.3.1.5", "AES256 state", KtSyn::Integer, KtAcc::ReadWrite, &olDisabledEnabled},
    {"1.3.6.1.4.1.32473.12.6.3.1.6", "Arcfour state", KtSyn::Integer, KtAcc::ReadWrite, &olDisabledEnabled},
    {"1.3.6.1.4.1.32473.12.6.3.1.7", "Cast128 state", KtSyn::Integer, KtAcc::ReadWrite, &olDisabledEnabled},
    {"1.3.6.1.4.1.32473.12.6.3.1.8", "Twofish128 state", KtSyn::Integer, KtAcc::ReadWrite, &olDisabledEnabled},
    {"1.3.6.1.4.1.32473.12.6.3.1.9", "Twofish192 state", KtSyn::Integer, KtAcc::ReadWrite, &olDisabledEnabled},
    {"1.3.6.1.4.1.32473.12.6.3.1.10", "Twofish256 state", KtSyn::Integer, KtAcc::ReadWrite, &olDisabledEnabled},
    {"1.3.6.1.4.1.32473.12.6.3.3.1", "SHA state", KtSyn::Integer, KtAcc::ReadWrite, &olDisabledEnabled},
    {"1.3.6.1.4.1.32473.12.6.3.3.2", "MD5 state", KtSyn::Integer, KtAcc::ReadWrite, &olDisabledEnabled},
    {"1.3.6.1.4.1.32473.12.6.3.5.1", "RSA state", KtSyn::Integer, KtAcc::ReadWrite, &olDisabledEnabled},
    {"1.3.6.1.4.1.32473.12.6.3.5.2", "DSA state", KtSyn::Integer, KtAcc::ReadWrite, &olDisabledEnabled},
    {},
};
const KtCatalogueEntry EncryptionAlgorithm({.captionPrefix = "Encryption Algorithm Control: ",
    .kind = KtViewKind::Editor, .itemType = KtItem::SVT_SV, .keyCount = 0, .table = kEncryptionAlgorithm,
    .varCount = 14});

constexpr KtSNMPVarDef kAuthenticationMethod[] = {
    {"1.3.6.1.4.1.32473.12.6.3.2.1", "Password Authentication Administration", KtSyn::Integer, KtAcc::ReadWrite, &olDisabledEnabled},
    {"1.3.6.1.4.1.32473.12.6.3.2.2", "Public Key Authentication Administration", KtSyn::Integer, KtAcc::ReadWrite, &olDisabledEnabled},
    {"1.3.6.1.4.1.32473.12.6.3.2.3", "Host Key Authentication Administration", KtSyn::Integer, KtAcc::ReadWrite, &olDisabledEnabled},
    {},
};
const KtCatalogueEntry AuthenticationMethod({.captionPrefix = "Authentication Method Control: ",
    .kind = KtViewKind::Editor, .itemType = KtItem::SVT_SV, .keyCount = 0, .table = kAuthenticationMethod,
    .varCount = 3});

constexpr KtSNMPVarDef kHMACAlgorithm[] = {
    {"1.3.6.1.4.1.32473.12.6.3.3.1", "HMAC-SHA1 Administration", KtSyn::Integer, KtAcc::ReadWrite, &olDisabledEnabled},
    {"1.3.6.1.4.1.32473.12.6.3.3.2", "HMAC-MD5 Administration", KtSyn::Integer, KtAcc::ReadWrite, &olDisabledEnabled},
    {},
};
const KtCatalogueEntry HMACAlgorithm({.captionPrefix = "HMAC Algorithm Control: ", .kind = KtViewKind::Editor,
    .itemType = KtItem::SVT_SV, .keyCount = 0, .table = kHMACAlgorithm, .varCount = 2,
    .heightRule = KtHeightRule::AddScaled, .height = 15});

constexpr KtSNMPVarDef kPublicKeyAlgorithm[] = {
    {"1.3.6.1.4.1.32473.12.6.3.5.1", "RSA state", KtSyn::Integer, KtAcc::ReadWrite, &olDisabledEnabled},
    {"1.3.6.1.4.1.32473.12.6.3.5.2", "DSA state", KtSyn::Integer, KtAcc::ReadWrite, &olDisabledEnabled},
    {},
};
const KtCatalogueEntry PublicKeyAlgorithm({.captionPrefix = "Public Key Algorithm Control: ",
    .kind = KtViewKind::Editor, .itemType = KtItem::SVT_SV, .keyCount = 0, .table = kPublicKeyAlgorithm,
    .varCount = 2});

constexpr KtSNMPVarDef kUserControlTable[] = {
    {"1.3.6.1.4.1.32473.12.6.4.1.1.1", "SSH User Name", KtSyn::DisplayStr, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.6.4.1.1.2", "SSH User Auth Mode", KtSyn::Integer, KtAcc::ReadWrite, &olSshUserAuthMode},
    {"1.3.6.1.4.1.32473.12.6.4.1.1.3", "SSH User Host Name", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.6.4.1.1.4", "SSH User Host IP Address", KtSyn::IpAddress, KtAcc::ReadWrite},
    {},
};
const KtCatalogueEntry UserControlTable({.captionPrefix = "User Control Table: ", .kind = KtViewKind::Table,
    .itemType = KtItem::MVT_UMV, .keyCount = 1, .table = kUserControlTable, .varCount = 4,
    .heightRule = KtHeightRule::Scaled, .height = 450});

constexpr KtSNMPVarDef kSSLCertificateFile[] = {
    {"1.3.6.1.4.1.32473.12.7.2.1", "Certificate File IP Address", KtSyn::IpAddress, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.7.2.2", "Certificate File Path", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.7.2.3", "Certificate Key File Path", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.7.2.4", "Certificate File Ctrl", KtSyn::Integer, KtAcc::ReadWrite, &olCertificateFileCtrl},
    {"1.3.6.1.4.1.32473.12.7.2.5", "Certificate File Show Satus", KtSyn::Integer, KtAcc::ReadOnly, &olCertificateShowStatus},
    {},
};
const KtCatalogueEntry SSLCertificateFile({.captionPrefix = "SSL Certificate File: ", .kind = KtViewKind::Editor,
    .itemType = KtItem::SVT_SV, .keyCount = 0, .table = kSSLCertificateFile, .varCount = 5,
    .heightRule = KtHeightRule::AddScaled, .height = 20});

constexpr KtSNMPVarDef kGlobalManagement[] = {
    {"1.3.6.1.4.1.32473.12.19.1.1", "Bulwark Admin State", KtSyn::Integer, KtAcc::ReadWrite, &olOtherDisabledEnabled},
    {},
};
const KtCatalogueEntry GlobalManagement({.captionPrefix = "Bulwark Global Management: ", .kind = KtViewKind::Editor,
    .itemType = KtItem::SVT_SV, .keyCount = 0, .table = kGlobalManagement, .varCount = 1});

constexpr KtSNMPVarDef kARPStormControl[] = {
    {"1.3.6.1.4.1.32473.12.19.3.1", "ARP Storm Threshold", KtSyn::Integer, KtAcc::ReadWrite},
    {},
};
const KtCatalogueEntry ARPStormControl({.captionPrefix = "ARP Storm Control: ", .kind = KtViewKind::Editor,
    .itemType = KtItem::SVT_SV, .keyCount = 0, .table = kARPStormControl, .varCount = 1});

constexpr KtSNMPVarDef kBindingControl[] = {
    {"1.3.6.1.4.1.32473.12.23.1.1", "Trap Log State", KtSyn::Integer, KtAcc::ReadWrite, &olEnableDisable},
    {"1.3.6.1.4.1.32473.12.23.1.2", "ACL Mode State", KtSyn::Integer, KtAcc::ReadWrite, &olEnableDisable},
    {},
};
const KtCatalogueEntry BindingControl({.captionPrefix = "IP-MAC Binding Control: ", .kind = KtViewKind::Editor,
    .itemType = KtItem::SVT_SV, .keyCount = 0, .table = kBindingControl, .varCount = 2});

constexpr KtSNMPVarDef kPortInformation[] = {
    {"1.3.6.1.4.1.32473.12.23.3.2.1.1", "Port Index", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.23.3.2.1.2", "Port State", KtSyn::Integer, KtAcc::ReadWrite, &olEnableDisable},
    {},
};
const KtCatalogueEntry PortInformation({.captionPrefix = "IP-MAC Binding Port Table: ", .kind = KtViewKind::Table,
    .itemType = KtItem::MVT_UMV, .keyCount = 1, .table = kPortInformation, .varCount = 2,
    .heightRule = KtHeightRule::Scaled, .height = 450});

} // namespace catalogue
