#include "dialogs/tables/StpTables.h"

#include "KtNML/KtOptionList.h"

namespace {

constexpr KtOptionPair kVersionPairs[] = {{0, "stp"}, {1, "rstp"}, {2, "mstp"}, {}};
constexpr KtOptionPair kStatePairs[] = {{2, "disabled"}, {3, "enabled"}, {}};
const KtOptionList olStpVersion(kVersionPairs);
const KtOptionList olStpState(kStatePairs);

} // namespace

namespace StpTables {

const KtOptionList& VersionOptions()
{
    return olStpVersion;
}

const KtOptionList& StateOptions()
{
    return olStpState;
}

const KtSNMPVarDef kAlgorithm[] = {
    {kAlgorithmOid, "Spanning Tree Algorithm", KtSyn::Integer, KtAcc::ReadWrite, &olStpState},
    {},
};

const KtSNMPVarDef kVersion[] = {
    {kVersionOid, "STP Version", KtSyn::Integer, KtAcc::ReadWrite, &olStpVersion},
    {},
};

const KtSNMPVarDef kBridgeSettings[] = {
    {kVersionOid, "STP Version", KtSyn::Integer, KtAcc::ReadWrite, &olStpVersion},
    {"1.3.6.1.4.1.32473.12.15.1.3", "Max Age[600-4000]", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.15.1.4", "Hello Time[100-200]", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.15.1.5", "Forward Delay[400-3000]", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.15.1.6", "Max Hops[1-20]", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.15.1.7", "TX Hold Count[1-10]", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.15.1.8", "Forwarding BPDU", KtSyn::Integer, KtAcc::ReadWrite, &olStpState},
    {},
};

const KtSNMPVarDef kMstpSettings[] = {
    {kVersionOid, "STP Version", KtSyn::Integer, KtAcc::ReadWrite, &olStpVersion},
    {"1.3.6.1.4.1.32473.12.15.1.3", "STP Max Age", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.15.1.5", "STP Forward Delay", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.15.1.6", "STP Max Hops", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.15.1.7", "STP TX Hold Count", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.15.1.8", "STP Forward BPDU", KtSyn::Integer, KtAcc::ReadWrite, &olStpState},
    {},
};

} // namespace StpTables
