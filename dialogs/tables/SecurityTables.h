#pragma once
// Definition tables of security dialogs, kept free of widgets so that the configuration
// snapshots read the same objects the dialogs show. Each dialog includes its table from here.
#include "KtNML/KtOptionList.h"
#include "KtNML/KtSNMPVarList.h"
#include "dialogs/security/AclOptions.h"

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

} // namespace SecurityTables
