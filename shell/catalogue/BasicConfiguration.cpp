// Generic views under "Basic Configuration", in menu order: each view's definition table and its
// named entry (declared in CatalogueEntries.h, opened by the menu line that names it).
#include "shell/catalogue/CatalogueEntries.h"
#include "shell/catalogue/ViewOptionLists.h"

namespace catalogue {

constexpr KtSNMPVarDef kDeviceInformation[] = {
    {"1.3.6.1.4.1.32473.11.101.1.2.1.1.1", "Total Number Of Port", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.11.101.1.2.1.1.2", "Number Of Port In Use", KtSyn::Integer, KtAcc::ReadOnly},
    {},
};
const KtCatalogueEntry DeviceInformation({.captionPrefix = "Device Information: ", .kind = KtViewKind::Editor,
    .itemType = KtItem::SVT_SV, .keyCount = 0, .table = kDeviceInformation, .varCount = 2});

constexpr KtSNMPVarDef kAlarmControl[] = {
    {"1.3.6.1.4.1.32473.11.101.1.2.1.3.1", "Alarm New Root", KtSyn::Integer, KtAcc::ReadWrite, &olDisabledEnabled},
    {"1.3.6.1.4.1.32473.11.101.1.2.1.3.2", "Alarm Topology Change", KtSyn::Integer, KtAcc::ReadWrite, &olDisabledEnabled},
    {"1.3.6.1.4.1.32473.11.101.1.2.1.3.3", "Alarm Link Change", KtSyn::Integer, KtAcc::ReadWrite, &olDisabledEnabled},
    {},
};
const KtCatalogueEntry AlarmControl({.captionPrefix = "Alarm Control: ", .kind = KtViewKind::Editor,
    .itemType = KtItem::SVT_SV, .keyCount = 0, .table = kAlarmControl, .varCount = 3});

constexpr KtSNMPVarDef kUnitInformation[] = {
    {"1.3.6.1.4.1.32473.12.11.1.9.1", "Unit Stacking Version", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.11.1.9.2", "Unit Max Supported Units", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.11.1.9.3", "Unit Num Of Unit", KtSyn::Integer, KtAcc::ReadOnly},
    {},
};
const KtCatalogueEntry UnitInformation({.captionPrefix = "Unit information: ", .kind = KtViewKind::Editor,
    .itemType = KtItem::SVT_SV, .keyCount = 0, .table = kUnitInformation, .varCount = 3});

constexpr KtSNMPVarDef kUnitTable[] = {
    {"1.3.6.1.4.1.32473.12.11.1.9.4.1.1", "Management ID", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.11.1.9.4.1.2", "MAC Address", KtSyn::MacAddress, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.11.1.9.4.1.3", "Start Port", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.11.1.9.4.1.4", "Port Range", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.11.1.9.4.1.7", "Current Mode", KtSyn::Integer, KtAcc::ReadOnly, &olUnitMode},
    {"1.3.6.1.4.1.32473.12.11.1.9.4.1.8", "Version", KtSyn::DisplayStr, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.11.1.9.4.1.9", "Module Name", KtSyn::DisplayStr, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.11.1.9.4.1.10", "Prom Version", KtSyn::DisplayStr, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.11.1.9.4.1.11", "Firmware Version", KtSyn::DisplayStr, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.11.1.9.4.1.12", "Hardware Version", KtSyn::DisplayStr, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.11.1.9.4.1.13", "Priority", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.11.1.9.4.1.14", "User Set State", KtSyn::Integer, KtAcc::ReadOnly, &olUnitUserSetState},
    {"1.3.6.1.4.1.32473.12.11.1.9.4.1.15", "Exist State", KtSyn::Integer, KtAcc::ReadOnly, &olExistState},
    {"1.3.6.1.4.1.32473.12.11.1.9.4.1.16", "Box ID", KtSyn::Integer, KtAcc::ReadWrite, &olBoxId},
    {},
};
const KtCatalogueEntry UnitTable({.captionPrefix = "Unit Table: ", .kind = KtViewKind::Table,
    .itemType = KtItem::MVT_FMV, .keyCount = 1, .table = kUnitTable, .varCount = 14,
    .heightRule = KtHeightRule::Scaled, .height = 450});

constexpr KtSNMPVarDef kPowerTable[] = {
    {"1.3.6.1.4.1.32473.12.11.1.6.1.1", "Power Unit Index", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.11.1.6.1.2", "Power ID", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.11.1.6.1.3", "Power Status", KtSyn::Integer, KtAcc::ReadOnly, &olPowerStatus},
    {},
};
const KtCatalogueEntry PowerTable({.captionPrefix = "Power Table: ", .kind = KtViewKind::Table,
    .itemType = KtItem::MVT_FMV, .keyCount = 1, .table = kPowerTable, .varCount = 3,
    .heightRule = KtHeightRule::Scaled, .height = 450});

constexpr KtSNMPVarDef kFanTable[] = {
    {"1.3.6.1.4.1.32473.12.11.1.7.1.1", "Fan Unit Index", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.11.1.7.1.2", "FanID", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.11.1.7.1.3", "Fan Status", KtSyn::Integer, KtAcc::ReadOnly, &olFanStatus},
    {},
};
const KtCatalogueEntry FanTable({.captionPrefix = "Fan Table: ", .kind = KtViewKind::Table,
    .itemType = KtItem::MVT_FMV, .keyCount = 2, .table = kFanTable, .varCount = 3, .heightRule = KtHeightRule::Scaled,
    .height = 450});

constexpr KtSNMPVarDef kBasicConfiguration[] = {
    {"1.3.6.1.4.1.32473.12.1.2.3", "System Reset State", KtSyn::Integer, KtAcc::ReadWrite, &olSystemResetState},
    {"1.3.6.1.4.1.32473.12.1.2.4", "Rs232 Port Config", KtSyn::Integer, KtAcc::ReadWrite, &olRs232PortConfig},
    {"1.3.6.1.4.1.32473.12.1.2.5", "Out Of Band Baud Rate Config", KtSyn::Integer, KtAcc::ReadWrite, &olBaudRate},
    {"1.3.6.1.4.1.32473.12.1.2.6", "Save Config", KtSyn::Integer, KtAcc::ReadWrite, &olSaveConfig},
    {"1.3.6.1.4.1.32473.12.1.2.14", "Out Of Band Data Bits", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.1.2.15", "Out Of Band Parity Bits", KtSyn::DisplayStr, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.1.2.16", "Out Of Band Stop Bits", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.1.2.17", "Out Of Band Auto Logout Config", KtSyn::Integer, KtAcc::ReadWrite, &olAutoLogout},
    {},
};
const KtCatalogueEntry BasicConfiguration({.captionPrefix = "Basic Configuration: ", .kind = KtViewKind::Editor,
    .itemType = KtItem::SVT_SV, .keyCount = 0, .table = kBasicConfiguration, .varCount = 8});

constexpr KtSNMPVarDef kAgentManagementBasicInformation[] = {
    {"1.3.6.1.4.1.32473.12.1.1.1", "Protocol Capability", KtSyn::Integer, KtAcc::ReadOnly, &olProtocolCapability},
    {"1.3.6.1.4.1.32473.12.1.1.3", "Console Status", KtSyn::Integer, KtAcc::ReadOnly, &olConsoleStatus},
    {"1.3.6.1.4.1.32473.12.1.1.4", "Device Configuration Status", KtSyn::Integer, KtAcc::ReadOnly, &olDeviceConfigStatus},
    {"1.3.6.1.4.1.32473.12.1.1.5", "Firmware Download Status", KtSyn::Integer, KtAcc::ReadOnly, &olFirmwareDownloadStatus},
    {"1.3.6.1.4.1.32473.12.1.1.7", "Dual Image Status", KtSyn::Integer, KtAcc::ReadOnly, &olSupportedState},
    {},
};
const KtCatalogueEntry AgentManagementBasicInformation({.captionPrefix = "Basic Information: ",
    .kind = KtViewKind::Editor, .itemType = KtItem::SVT_SV, .keyCount = 0, .table = kAgentManagementBasicInformation,
    .varCount = 5});

constexpr KtSNMPVarDef kMIBCapabilities[] = {
    {"1.3.6.1.4.1.32473.12.1.1.2.1.1", "Index", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.1.1.2.1.2", "Description", KtSyn::DisplayStr, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.1.1.2.1.3", "Version", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.1.1.2.1.4", "Type", KtSyn::Integer, KtAcc::ReadOnly, &olMibType},
    {},
};
const KtCatalogueEntry MIBCapabilities({.captionPrefix = "MIB Capabilities: ", .kind = KtViewKind::Table,
    .itemType = KtItem::MVT_FMV, .keyCount = 1, .table = kMIBCapabilities, .varCount = 4,
    .heightRule = KtHeightRule::Scaled, .height = 450, .widthAddScaled = 100});

constexpr KtSNMPVarDef kCPUUtilization[] = {
    {"1.3.6.1.4.1.32473.12.1.1.6.1", "CPU Utilization In 5sec", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.1.1.6.2", "CPU Utilization In 1 min", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.1.1.6.3", "CPU Utilization In 5 min", KtSyn::Integer, KtAcc::ReadOnly},
    {},
};
const KtCatalogueEntry CPUUtilization({.captionPrefix = "CPU Utilization Table: ", .kind = KtViewKind::Editor,
    .itemType = KtItem::SVT_SV, .keyCount = 0, .table = kCPUUtilization, .varCount = 3});

constexpr KtSNMPVarDef kPortUtilization[] = {
    {"1.3.6.1.4.1.32473.12.1.1.8.1.1", "Agent Port Utilization Port Index", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.1.1.8.1.2", "Agent Port Utilization TX", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.1.1.8.1.3", "Agent Port Utilization RX", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.1.1.8.1.4", "Agent Port Utilization Util", KtSyn::Integer, KtAcc::ReadOnly},
    {},
};
const KtCatalogueEntry PortUtilization({.captionPrefix = "Port Utilization Table: ", .kind = KtViewKind::Table,
    .itemType = KtItem::MVT_FMV, .keyCount = 1, .table = kPortUtilization, .varCount = 4,
    .heightRule = KtHeightRule::Scaled, .height = 450, .widthAddScaled = 100});

constexpr KtSNMPVarDef kIPProtoConfigure[] = {
    {"1.3.6.1.4.1.32473.12.1.3.1", "Agent IP Number Of Interface", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.1.3.3", "Agent IP Get IP From", KtSyn::Integer, KtAcc::ReadWrite, &olGetIpFrom},
    {},
};
const KtCatalogueEntry IPProtoConfigure({.captionPrefix = "IP ProtoConfigure: ", .kind = KtViewKind::Editor,
    .itemType = KtItem::SVT_SV, .keyCount = 0, .table = kIPProtoConfigure, .varCount = 2});

constexpr KtSNMPVarDef kFDBClearAllState[] = {
    {"1.3.6.1.4.1.32473.12.1.2.11.1", "FDB Clear All State", KtSyn::Integer, KtAcc::ReadWrite, &olOtherStart},
    {},
};
const KtCatalogueEntry FDBClearAllState({.captionPrefix = "FDB Clear All State : ", .kind = KtViewKind::Editor,
    .itemType = KtItem::SVT_SV, .keyCount = 0, .table = kFDBClearAllState, .varCount = 1});

constexpr KtSNMPVarDef kARPClearAllState[] = {
    {"1.3.6.1.4.1.32473.12.1.2.12.1", "ARP Clear All State", KtSyn::Integer, KtAcc::ReadWrite, &olOtherStart},
    {},
};
const KtCatalogueEntry ARPClearAllState({.captionPrefix = "ARP Clear All State : ", .kind = KtViewKind::Editor,
    .itemType = KtItem::SVT_SV, .keyCount = 0, .table = kARPClearAllState, .varCount = 1});

constexpr KtSNMPVarDef kTrapManagerTable[] = {
    {"1.3.6.1.4.1.32473.12.1.4.2.1.1", "Trap Manager Index", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.1.4.2.1.2", "Trap Manager IP Address", KtSyn::IpAddress, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.1.4.2.1.3", "Trap Manager Community", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.1.4.2.1.4", "Trap Manager Message Version", KtSyn::Integer, KtAcc::ReadWrite, &olTrapMessageVersion},
    {"1.3.6.1.4.1.32473.12.1.4.2.1.5", "Trap Manager Status", KtSyn::Integer, KtAcc::ReadWrite, &olOtherDisabledEnabled},
    {},
};
const KtCatalogueEntry TrapManagerTable({.captionPrefix = "Trap Manager Table: ", .kind = KtViewKind::Table,
    .itemType = KtItem::MVT_UMV, .keyCount = 1, .table = kTrapManagerTable, .varCount = 5, .addIndex = 4,
    .addText = "enabled", .deleteIndex = 4, .deleteText = "disabled", .noEdit = true});

constexpr KtSNMPVarDef kSeverityControlManagement[] = {
    {"1.3.6.1.4.1.32473.12.1.2.9.1", "System Severity Trap Control", KtSyn::Integer, KtAcc::ReadWrite, &olSeverity},
    {"1.3.6.1.4.1.32473.12.1.2.9.2", "System Severity Log Control", KtSyn::Integer, KtAcc::ReadWrite, &olSeverity},
    {},
};
const KtCatalogueEntry SeverityControlManagement({.captionPrefix = "Severity Control Management: ",
    .kind = KtViewKind::Editor, .itemType = KtItem::SVT_SV, .keyCount = 0, .table = kSeverityControlManagement,
    .varCount = 2});

constexpr KtSNMPVarDef kAgentSupportedUpdateFiles[] = {
    {"1.3.6.1.4.1.32473.12.1.2.1.1.1", "Index", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.2", "Description", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.3", "File Address", KtSyn::IpAddress, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.4", "File Transfer Type", KtSyn::Integer, KtAcc::ReadWrite, &olFileTransferType},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.5", "File", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.6", "File Locate ID", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.7", "File Load Type", KtSyn::Integer, KtAcc::ReadWrite, &olFileLoadType},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.8", "File Control", KtSyn::Integer, KtAcc::ReadWrite, &olFileControl},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.9", "File Increment", KtSyn::Integer, KtAcc::ReadWrite, &olTrueFalse},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.10", "Multiple Image Control ID", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.11", "Unit ID", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {},
};
const KtCatalogueEntry AgentSupportedUpdateFiles({.captionPrefix = "Agent Supported Update Files: ",
    .kind = KtViewKind::Table, .itemType = KtItem::MVT_UMV, .keyCount = 1, .table = kAgentSupportedUpdateFiles,
    .varCount = 11, .heightRule = KtHeightRule::Scaled, .height = 450});

constexpr KtSNMPVarDef kMultipleImageManagementGeneralInformation[] = {
    {"1.3.6.1.4.1.32473.12.1.2.7.1.1", "Image Information ID", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.1.2.7.1.2", "Image Version", KtSyn::DisplayStr, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.1.2.7.1.3", "Image Size", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.1.2.7.1.4", "Image Update Time", KtSyn::DisplayStr, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.1.2.7.1.5", "Image From", KtSyn::DisplayStr, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.1.2.7.1.6", "Image Send User", KtSyn::DisplayStr, KtAcc::ReadOnly},
    {},
};
const KtCatalogueEntry MultipleImageManagementGeneralInformation({.captionPrefix = "Multiple Image Management: ",
    .kind = KtViewKind::Table, .itemType = KtItem::MVT_FMV, .keyCount = 1,
    .table = kMultipleImageManagementGeneralInformation, .varCount = 6});

constexpr KtSNMPVarDef kMultipleImageControl[] = {
    {"1.3.6.1.4.1.32473.12.1.2.13.1.1", "Multi Image Control ID", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.1.2.13.1.2", "Multi Image Control Action", KtSyn::Integer, KtAcc::ReadWrite, &olMultiImageAction},
    {},
};
const KtCatalogueEntry MultipleImageControl({.captionPrefix = "Multiple Image Control: ", .kind = KtViewKind::Table,
    .itemType = KtItem::MVT_UMV, .keyCount = 1, .table = kMultipleImageControl, .varCount = 2});

constexpr KtSNMPVarDef kMultipleConfigManagementGeneralInformation[] = {
    {"1.3.6.1.4.1.32473.12.1.2.8.2", "Config Current Used", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.1.2.8.3", "Config Boot Up", KtSyn::Integer, KtAcc::ReadOnly},
    {},
};
const KtCatalogueEntry MultipleConfigManagementGeneralInformation({
    .captionPrefix = "Multiple Config General Information: ", .kind = KtViewKind::Editor, .itemType = KtItem::SVT_SV,
    .keyCount = 0, .table = kMultipleConfigManagementGeneralInformation, .varCount = 2});

constexpr KtSNMPVarDef kMultipleConfigInformation[] = {
    {"1.3.6.1.4.1.32473.12.1.2.8.1.1.1", "Config Information ID", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.1.2.8.1.1.2", "Config Version", KtSyn::DisplayStr, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.1.2.8.1.1.3", "Config Size", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.1.2.8.1.1.4", "Config Update Time", KtSyn::DisplayStr, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.1.2.8.1.1.5", "Config From", KtSyn::DisplayStr, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.1.2.8.1.1.6", "Config Send User", KtSyn::DisplayStr, KtAcc::ReadOnly},
    {},
};
const KtCatalogueEntry MultipleConfigInformation({.captionPrefix = "Multiple Config Information Table: ",
    .kind = KtViewKind::Table, .itemType = KtItem::MVT_UMV, .keyCount = 1, .table = kMultipleConfigInformation,
    .varCount = 6, .heightRule = KtHeightRule::Scaled, .height = 450});

constexpr KtSNMPVarDef kTrustHostDeleteAllState[] = {
    {"1.3.6.1.4.1.32473.12.1.2.10.2", "Trust Host Delete All State", KtSyn::Integer, KtAcc::ReadWrite, &olNoneStart},
    {},
};
const KtCatalogueEntry TrustHostDeleteAllState({.captionPrefix = "Trust Host Delete All State : ",
    .kind = KtViewKind::Editor, .itemType = KtItem::SVT_SV, .keyCount = 0, .table = kTrustHostDeleteAllState,
    .varCount = 1});

constexpr KtSNMPVarDef kTrustHostTable[] = {
    {"1.3.6.1.4.1.32473.12.1.2.10.1.1.1", "Trust Host Index", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.1.2.10.1.1.2", "Trust Host IP Address", KtSyn::IpAddress, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.1.2.10.1.1.3", "Trust Host Row Status", KtSyn::Integer, KtAcc::ReadWrite, &olRowStatusCreateDestroy},
    {"1.3.6.1.4.1.32473.12.1.2.10.1.1.4", "Trust Host IP Subne tMask", KtSyn::IpAddress, KtAcc::ReadWrite},
    {},
};
const KtCatalogueEntry TrustHostTable({.captionPrefix = "Trust Host Table : ", .kind = KtViewKind::Table,
    .itemType = KtItem::MVT_UMV, .keyCount = 1, .table = kTrustHostTable, .varCount = 4, .addIndex = 2,
    .addText = "createAndGo", .deleteIndex = 2, .deleteText = "destroy", .noEdit = true});

constexpr KtSNMPVarDef kMaxConcurrentRequests[] = {
    {"1.3.6.1.2.1.80.1.1", "Max Concurrent Requests", KtSyn::Gauge, KtAcc::ReadOnly},
    {},
};
const KtCatalogueEntry MaxConcurrentRequests({.captionPrefix = "Max Concurrent Requests : ",
    .kind = KtViewKind::Editor, .itemType = KtItem::SVT_SV, .keyCount = 0, .table = kMaxConcurrentRequests,
    .varCount = 1});

constexpr KtSNMPVarDef kPingControlTable[] = {
    {"1.3.6.1.2.1.80.1.2.1.1", "Owner Index", KtSyn::DisplayStr, KtAcc::NotAccess},
    {"1.3.6.1.2.1.80.1.2.1.2", "Test Name", KtSyn::DisplayStr, KtAcc::NotAccess},
    {"1.3.6.1.2.1.80.1.2.1.4", "Target Address", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.2.1.80.1.2.1.6", "Time Out", KtSyn::Gauge, KtAcc::ReadWrite},
    {"1.3.6.1.2.1.80.1.2.1.7", "Probe Count", KtSyn::Gauge, KtAcc::ReadWrite},
    {"1.3.6.1.2.1.80.1.2.1.8", "Admin Status", KtSyn::Integer, KtAcc::ReadWrite, &olEnabledDisabled},
    {"1.3.6.1.2.1.80.1.2.1.23", "Row Status", KtSyn::Integer, KtAcc::ReadWrite, &olRowStatusCreateDestroy},
    {},
};
const KtCatalogueEntry PingControlTable({.captionPrefix = "Ping Control Table : ", .kind = KtViewKind::Table,
    .itemType = KtItem::MVT_UMV, .keyCount = 2, .table = kPingControlTable, .varCount = 7, .addIndex = 6,
    .addText = "createAndGo", .deleteIndex = 6, .deleteText = "destroy"});

// The index columns without an OID are never requested: their values are decoded
// from each row's instance. Their OID is "" because a null OID ends the table.
constexpr KtSNMPVarDef kPingResultsTable[] = {
    {"", "Owner Index", KtSyn::DisplayStr, KtAcc::NotAccess},
    {"", "Test Name", KtSyn::DisplayStr, KtAcc::NotAccess},
    {"1.3.6.1.2.1.80.1.3.1.1", "Oper Status", KtSyn::Integer, KtAcc::ReadOnly, &olEnabledDisabled},
    {"1.3.6.1.2.1.80.1.3.1.2", "IP Target Address Type", KtSyn::Integer, KtAcc::ReadOnly, &olTargetAddressType},
    {"1.3.6.1.2.1.80.1.3.1.3", "IP Target Address", KtSyn::DisplayStr, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.80.1.3.1.4", "Min Rtt", KtSyn::Gauge, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.80.1.3.1.5", "Max Rtt", KtSyn::Gauge, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.80.1.3.1.6", "Average Rtt", KtSyn::Gauge, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.80.1.3.1.7", "Probe Responses", KtSyn::Gauge, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.80.1.3.1.8", "Sent Probes", KtSyn::Gauge, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.80.1.3.1.9", "Rtt Sum Of Squares", KtSyn::Gauge, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.80.1.3.1.10", "Last Good Probe", KtSyn::OctetStr, KtAcc::ReadOnly},
    {},
};
const KtCatalogueEntry PingResultsTable({.captionPrefix = "Ping Results Table : ", .kind = KtViewKind::Table,
    .itemType = KtItem::MVT_UMV, .keyCount = 2, .table = kPingResultsTable, .varCount = 12});

constexpr KtSNMPVarDef kSystemLogState[] = {
    {"1.3.6.1.4.1.32473.12.12.1", "Log Control State", KtSyn::Integer, KtAcc::ReadWrite, &olDisabledEnabled},
    {},
};
const KtCatalogueEntry SystemLogState({.captionPrefix = "System Log State: ", .kind = KtViewKind::Editor,
    .itemType = KtItem::SVT_SV, .keyCount = 0, .table = kSystemLogState, .varCount = 1,
    .heightRule = KtHeightRule::AddScaled, .height = 20});

constexpr KtSNMPVarDef kSystemLogSaveControl[] = {
    {"1.3.6.1.4.1.32473.12.12.3.1", "Method", KtSyn::Integer, KtAcc::ReadWrite, &olLogSaveMethod},
    {"1.3.6.1.4.1.32473.12.12.3.2", "Time Interval", KtSyn::Integer, KtAcc::ReadWrite},
    {},
};
const KtCatalogueEntry SystemLogSaveControl({.captionPrefix = "System Log Save Control: ", .kind = KtViewKind::Editor,
    .itemType = KtItem::SVT_SV, .keyCount = 0, .table = kSystemLogSaveControl, .varCount = 2});

constexpr KtSNMPVarDef kClearLog[] = {
    {"1.3.6.1.4.1.32473.12.12.4.1", "Clear Log", KtSyn::Integer, KtAcc::ReadWrite, &olOtherStart},
    {},
};
const KtCatalogueEntry ClearLog({.captionPrefix = "System Log Clear Control: ", .kind = KtViewKind::Editor,
    .itemType = KtItem::SVT_SV, .keyCount = 0, .table = kClearLog, .varCount = 1});

constexpr KtSNMPVarDef kClearDangerousLog[] = {
    {"1.3.6.1.4.1.32473.12.12.4.2.2", "Clear Dangerous Log", KtSyn::Integer, KtAcc::ReadWrite, &olOtherStart},
    {},
};
const KtCatalogueEntry ClearDangerousLog({.captionPrefix = "System Log Clear Dangerous Log: ",
    .kind = KtViewKind::Editor, .itemType = KtItem::SVT_SV, .keyCount = 0, .table = kClearDangerousLog,
    .varCount = 1});

constexpr KtSNMPVarDef kCurrentTime[] = {
    {"1.3.6.1.4.1.32473.12.10.1", "Time Capacity", KtSyn::BitStr, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.10.2", "Current Clock(Example 1992-5-26,13:30:15.0)", KtSyn::DateTime, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.10.3", "Clock Reset On Reboot", KtSyn::Integer, KtAcc::ReadOnly, &olTrueFalse},
    {},
};
constexpr KtViewFormat kCurrentTimeFormats[] = {{1, "%s{l22}"}};
const KtCatalogueEntry CurrentTime({.captionPrefix = "Current Time: ", .kind = KtViewKind::Editor,
    .itemType = KtItem::SVT_SV, .keyCount = 0, .table = kCurrentTime, .varCount = 3, .formats = kCurrentTimeFormats});

constexpr KtSNMPVarDef kSystemTime[] = {
    {"1.3.6.1.4.1.32473.12.10.10.1", "Current Time", KtSyn::DisplayStr, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.10.10.2", "System UpTime", KtSyn::DisplayStr, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.10.10.3", "System BootTime", KtSyn::DisplayStr, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.10.10.4", "System Time Zone [ -779..839]", KtSyn::Integer, KtAcc::ReadWrite},
    {},
};
const KtCatalogueEntry SystemTime({.captionPrefix = "System Time: ", .kind = KtViewKind::Editor,
    .itemType = KtItem::SVT_SV, .keyCount = 0, .table = kSystemTime, .varCount = 4});

constexpr KtSNMPVarDef kNetworkTime[] = {
    {"1.3.6.1.4.1.32473.12.10.11.1", "Network Time State", KtSyn::Integer, KtAcc::ReadWrite, &olDisabledEnabled},
    {"1.3.6.1.4.1.32473.12.10.11.2", "Time Source", KtSyn::Integer, KtAcc::ReadOnly, &olTimeSource},
    {"1.3.6.1.4.1.32473.12.10.11.3", "Server1 IP Address", KtSyn::IpAddress, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.10.11.4", "Server2 IP Address", KtSyn::IpAddress, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.10.11.5", "Poll Interval[30....99999(sec)]", KtSyn::Integer, KtAcc::ReadWrite},
    {},
};
const KtCatalogueEntry NetworkTime({.captionPrefix = "Network Time: ", .kind = KtViewKind::Editor,
    .itemType = KtItem::SVT_SV, .keyCount = 0, .table = kNetworkTime, .varCount = 5});

constexpr KtSNMPVarDef kIfXTable[] = {
    {"1.3.6.1.2.1.2.2.1.1", "Interface Index", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.2.1.31.1.1.1.1", "Name", KtSyn::DisplayStr, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.2", "Multicast Packets Received", KtSyn::Counter, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.3", "Broadcast Packets Received", KtSyn::Counter, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.4", "Multicast Packets Send", KtSyn::Counter, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.5", "Broadcast Packets Send", KtSyn::Counter, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.6", "Octets Received", KtSyn::Counter64, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.7", "Unicast Packets Received", KtSyn::Counter64, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.8", "Multicast Packets Received", KtSyn::Counter64, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.9", "Broadcast Packets Received", KtSyn::Counter64, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.10", "Octets Send", KtSyn::Counter64, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.11", "Unicast Packets Send", KtSyn::Counter64, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.12", "Multicast Packets Send", KtSyn::Counter64, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.13", "Broadcast Packets Send", KtSyn::Counter64, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.14", "Link Up/Down Trap State", KtSyn::Integer, KtAcc::ReadWrite, &olEnabledDisabled},
    {"1.3.6.1.2.1.31.1.1.1.15", "High Speed", KtSyn::Gauge, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.16", "Promiscuous Mode", KtSyn::Integer, KtAcc::ReadOnly, &olFalseOnly},
    {"1.3.6.1.2.1.31.1.1.1.17", "Connector Present", KtSyn::Integer, KtAcc::ReadOnly, &olTrueFalse},
    {"1.3.6.1.2.1.31.1.1.1.18", "Alias", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.2.1.31.1.1.1.19", "Discontinuity Time Count", KtSyn::TimeTicks, KtAcc::ReadOnly},
    {},
};
const KtCatalogueEntry IfXTable({.captionPrefix = "IfX Table: ", .kind = KtViewKind::Table,
    .itemType = KtItem::MVT_UMV, .keyCount = 1, .table = kIfXTable, .varCount = 20, .heightRule = KtHeightRule::Fixed,
    .height = 450});

constexpr KtSNMPVarDef kMediaInformation[] = {
    {"1.3.6.1.4.1.32473.12.14.2.1.1.1", "FS Media Info Index", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.14.2.1.1.2", "FS Media Info Media ID", KtSyn::Integer, KtAcc::ReadOnly, &olMediaId},
    {"1.3.6.1.4.1.32473.12.14.2.1.1.3", "FS Media Info Type", KtSyn::DisplayStr, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.14.2.1.1.4", "FS Media Info Size", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.14.2.1.1.5", "FS Media Info Partition", KtSyn::DisplayStr, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.14.2.1.1.6", "FS Media Info FS Type", KtSyn::DisplayStr, KtAcc::ReadOnly},
    {},
};
const KtCatalogueEntry MediaInformation({.captionPrefix = "File System Media Information: ",
    .kind = KtViewKind::Table, .itemType = KtItem::MVT_FMV, .keyCount = 1, .table = kMediaInformation,
    .varCount = 6});

constexpr KtSNMPVarDef kDirectoryPath[] = {
    {"1.3.6.1.4.1.32473.12.14.3.3.1", "FS Directory Path", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {},
};
const KtCatalogueEntry DirectoryPath({.captionPrefix = "File System Directory Path: ", .kind = KtViewKind::Editor,
    .itemType = KtItem::SVT_SV, .keyCount = 0, .table = kDirectoryPath, .varCount = 1});

constexpr KtSNMPVarDef kDirectoryInformation[] = {
    {"1.3.6.1.4.1.32473.12.14.3.3.2.1.1", "Directory Unit ID", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.14.3.3.2.1.2", "Directory Name", KtSyn::DisplayStr, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.14.3.3.2.1.3", "Directory Attribute", KtSyn::Integer, KtAcc::ReadOnly, &olDirectoryAttribute},
    {"1.3.6.1.4.1.32473.12.14.3.3.2.1.4", "Directory Size", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.14.3.3.2.1.5", "Directory Time", KtSyn::DisplayStr, KtAcc::ReadOnly},
    {},
};
const KtCatalogueEntry DirectoryInformation({.captionPrefix = "File System Directory Information: ",
    .kind = KtViewKind::Table, .itemType = KtItem::MVT_FMV, .keyCount = 1, .table = kDirectoryInformation,
    .varCount = 5});

constexpr KtSNMPVarDef kFileRename[] = {
    {"1.3.6.1.4.1.32473.12.14.4.1.1", "FS File Source Name", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.14.4.1.2", "FS File Target Name", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.14.4.1.3", "FS File Rename Activity", KtSyn::Integer, KtAcc::ReadWrite, &olNoneStart},
    {},
};
const KtCatalogueEntry FileRename({.captionPrefix = "File System File Rename: ", .kind = KtViewKind::Editor,
    .itemType = KtItem::SVT_SV, .keyCount = 0, .table = kFileRename, .varCount = 3});

constexpr KtSNMPVarDef kFileDelete[] = {
    {"1.3.6.1.4.1.32473.12.14.4.2.1", "FS File Delete Name", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {},
};
const KtCatalogueEntry FileDelete({.captionPrefix = "File System Delete File: ", .kind = KtViewKind::Editor,
    .itemType = KtItem::SVT_SV, .keyCount = 0, .table = kFileDelete, .varCount = 1});

} // namespace catalogue
