#include "dialogs/tables/TrunkTable.h"

namespace TrunkTable {

namespace {
constexpr KtOptionPair kTypePairs[] = {{2, "static"}, {3, "lacp"}, {}};
constexpr KtOptionPair kStatePairs[] = {
    {1, "enable"}, {2, "disable"}, {4, "createAndGo"}, {5, "createAndWait"}, {6, "destroy"}, {}};
} // namespace

const KtOptionList olTrunkType(kTypePairs);
const KtOptionList olTrunkState(kStatePairs);

const KtSNMPVarDef kDefs[] = {
    {"1.3.6.1.4.1.32473.11.101.1.2.9.3.1.1", "Index", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.11.101.1.2.9.3.1.3", "Master Port", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.11.101.1.2.9.3.1.4", "Member Ports", KtSyn::BitStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.11.101.1.2.9.3.1.6", "Trunk Type", KtSyn::Integer, KtAcc::ReadWrite, &olTrunkType},
    {"1.3.6.1.4.1.32473.11.101.1.2.9.3.1.7", "Trunk State", KtSyn::Integer, KtAcc::ReadWrite, &olTrunkState},
    {},
};

} // namespace TrunkTable
