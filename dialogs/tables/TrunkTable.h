#pragma once
// The port trunk table of the switch (link aggregation groups: a master port and its member
// ports), as both the trunk dialog and the mirror dialog read it: the definitions, their
// option lists and the variables' positions.
#include "KtNML/KtOptionList.h"
#include "KtNML/KtSNMPVarList.h"

namespace TrunkTable {

// Table list of item type MVT_UMV with one key.
extern const KtSNMPVarDef kDefs[];
inline constexpr int kKeyCount = 1;

inline constexpr int kIndex = 0;   // trunk index 1-5, the key (readable)
inline constexpr int kMaster = 1;  // logical master port, 32 ports per unit
inline constexpr int kMembers = 2; // member port list
inline constexpr int kType = 3;    // 2 static, 3 lacp
inline constexpr int kState = 4;   // 1 enable, 2 disable, 4 createAndGo, 5 createAndWait, 6 destroy

inline constexpr int kFirstIndex = 1;
inline constexpr int kLastIndex = 5;
inline constexpr int kMaxMembers = 8;
inline constexpr int kMinMembers = 2;

// Positions in the state option list.
inline constexpr int kEnablePosition = 0;
inline constexpr int kDisablePosition = 1;
inline constexpr int kCreateAndGoPosition = 2;
inline constexpr int kDestroyPosition = 4;

inline const QString kEnableText = QStringLiteral("enable");
inline const QString kDisableText = QStringLiteral("disable");

extern const KtOptionList olTrunkType;
extern const KtOptionList olTrunkState;

} // namespace TrunkTable
