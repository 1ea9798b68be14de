#pragma once
// Definitions the spanning-tree and bridge dialogs share: the spanning tree's switch-wide
// scalars (the algorithm state and the bridge settings of the protocol version in use) and the
// bridge port number column. Free of widgets: configuration snapshots read them too.
#include "KtNML/KtSNMPVarList.h"

class KtOptionList;

namespace StpTables {

// 0 "stp", 1 "rstp", 2 "mstp".
const KtOptionList& VersionOptions();
// 2 "disabled", 3 "enabled".
const KtOptionList& StateOptions();

inline constexpr const char* kAlgorithmOid = "1.3.6.1.4.1.32473.11.101.1.2.1.2.1";
inline constexpr const char* kVersionOid = "1.3.6.1.4.1.32473.12.15.1.2";
inline constexpr const char* kDot1dBasePortOid = "1.3.6.1.2.1.17.1.4.1.1";

// "Spanning Tree Algorithm", alone.
extern const KtSNMPVarDef kAlgorithm[];
// "STP Version", alone.
extern const KtSNMPVarDef kVersion[];
// Version, Max Age, Hello Time, Forward Delay, Max Hops, TX Hold Count, Forwarding BPDU.
extern const KtSNMPVarDef kBridgeSettings[];
// The same without Hello Time, which MSTP does not set bridge-wide.
extern const KtSNMPVarDef kMstpSettings[];

// Indexes in kBridgeSettings.
enum BridgeColumn { kVersionColumn = 0, kMaxAge, kHelloTime, kForwardDelay, kMaxHops, kTxHoldCount, kForwardBpdu };

// The bridge port number (dot1dBasePort), the first column of the per-port tables that share
// the bridge's port numbering.
constexpr KtSNMPVarDef Dot1dBasePort(const char* label = "Port Number", std::int32_t access = KtAcc::ReadOnly)
{
    return {kDot1dBasePortOid, label, KtSyn::Integer, access};
}

} // namespace StpTables
