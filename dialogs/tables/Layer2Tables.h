#pragma once
// Definition tables of layer-2 dialogs, kept free of widgets so that the configuration
// snapshots read the same objects the dialogs show. Each dialog includes its table from here.
#include "KtNML/KtOptionList.h"
#include "KtNML/KtSNMPVarList.h"

namespace Layer2Tables {

extern const KtOptionList olVlanRowStatus;

// The static VLANs (TVlanStaticForm): dot1qVlanStaticTable.
inline const KtSNMPVarDef kVlanStatic[] = {
    {"", "VLAN ID", KtSyn::Gauge, KtAcc::NotAccess},
    {"1.3.6.1.2.1.17.7.1.4.3.1.1", "VLAN Name", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.2.1.17.7.1.4.3.1.2", "Egress Ports", KtSyn::BitStr, KtAcc::ReadWrite},
    {"1.3.6.1.2.1.17.7.1.4.3.1.3", "Forbidden Egress Ports", KtSyn::BitStr, KtAcc::ReadWrite},
    {"1.3.6.1.2.1.17.7.1.4.3.1.4", "Untagged Ports", KtSyn::BitStr, KtAcc::ReadWrite},
    {"1.3.6.1.2.1.17.7.1.4.3.1.5", "Status", KtSyn::Integer, KtAcc::ReadWrite, &olVlanRowStatus},
    {},
};

} // namespace Layer2Tables
