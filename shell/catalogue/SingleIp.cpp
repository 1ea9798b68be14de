// Generic views under "Single IP", in menu order: each view's definition table and its
// named entry (declared in CatalogueEntries.h, opened by the menu line that names it).
#include "shell/catalogue/CatalogueEntries.h"
#include "shell/catalogue/ViewOptionLists.h"

namespace catalogue {

constexpr KtSNMPVarDef kSingleIPControl[] = {
    {"1.3.6.1.4.1.32473.12.8.1.2.1", "Single IP Status", KtSyn::Integer, KtAcc::ReadWrite, &olDisabledEnabled},
    {"1.3.6.1.4.1.32473.12.8.1.2.2", "Single IP Role", KtSyn::Integer, KtAcc::ReadWrite, &olSingleIpRole},
    {"1.3.6.1.4.1.32473.12.8.1.2.3", "Single IP Holdtime[100-255]", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.8.1.2.4", "Time Interval[30-90]", KtSyn::Integer, KtAcc::ReadWrite},
    {},
};
constexpr KtViewFormat kSingleIPControlFormats[] = {{2, "%i{n100x255l3}"}, {3, "%i{n30x90l2}"}};
const KtCatalogueEntry SingleIPControl({.captionPrefix = "Single IP Control: ", .kind = KtViewKind::Editor,
    .itemType = KtItem::SVT_SV, .keyCount = 0, .table = kSingleIPControl, .varCount = 4,
    .formats = kSingleIPControlFormats});

constexpr KtSNMPVarDef kMyInformation[] = {
    {"1.3.6.1.4.1.32473.12.8.1.1.1", "Version", KtSyn::DisplayStr, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.8.1.1.2", "Capability", KtSyn::DisplayStr, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.8.1.1.3", "Platform", KtSyn::DisplayStr, KtAcc::ReadOnly},
    {},
};
const KtCatalogueEntry MyInformation({.captionPrefix = "My Information: ", .kind = KtViewKind::Editor,
    .itemType = KtItem::SVT_SV, .keyCount = 0, .table = kMyInformation, .varCount = 3});

constexpr KtSNMPVarDef kMemberSwitch[] = {
    {"1.3.6.1.4.1.32473.12.8.1.3.1.1", "Member ID", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.2", "Member Name", KtSyn::DisplayStr, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.3", "Member MAC Address", KtSyn::MacAddress, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.4", "Member Firmware Verion", KtSyn::DisplayStr, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.5", "Member Capability", KtSyn::DisplayStr, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.6", "Member Platform", KtSyn::DisplayStr, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.7", "Member Holdtime", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.8", "Member Candidate Source", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.9", "Member Password", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.10", "Member Row Status", KtSyn::Integer, KtAcc::ReadWrite, &olRowStatus},
    {},
};
constexpr KtViewFormat kMemberSwitchFormats[] = {{8, "%s{l16}"}};
const KtCatalogueEntry MemberSwitch({.captionPrefix = "Member Switch: ", .kind = KtViewKind::Table,
    .itemType = KtItem::MVT_UMV, .keyCount = 1, .table = kMemberSwitch, .varCount = 10, .addIndex = 9,
    .addText = "createAndGo", .deleteIndex = 9, .deleteText = "destroy", .noEdit = true,
    .formats = kMemberSwitchFormats});

constexpr KtSNMPVarDef kCandidateSwitch[] = {
    {"1.3.6.1.4.1.32473.12.8.1.4.1.1", "CaS ID", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.8.1.4.1.2", "Device Name", KtSyn::DisplayStr, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.8.1.4.1.3", "MAC Address", KtSyn::MacAddress, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.8.1.4.1.4", "Firmware Version", KtSyn::DisplayStr, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.8.1.4.1.5", "Capability", KtSyn::DisplayStr, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.8.1.4.1.6", "Platform", KtSyn::DisplayStr, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.8.1.4.1.7", "Holdtime", KtSyn::Integer, KtAcc::ReadOnly},
    {},
};
const KtCatalogueEntry CandidateSwitch({.captionPrefix = "Candidate Switch: ", .kind = KtViewKind::Table,
    .itemType = KtItem::MVT_FMV, .keyCount = 1, .table = kCandidateSwitch, .varCount = 7});

constexpr KtSNMPVarDef kGroupInformation[] = {
    {"1.3.6.1.4.1.32473.12.8.1.5.1.1", "Group MAC Address", KtSyn::MacAddress, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.8.1.5.1.2", "Group Name", KtSyn::DisplayStr, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.8.1.5.1.3", "Device Name", KtSyn::DisplayStr, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.8.1.5.1.4", "Member Count", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.8.1.5.1.5", "Firmware Version", KtSyn::DisplayStr, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.8.1.5.1.6", "Capability", KtSyn::DisplayStr, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.8.1.5.1.7", "Platform", KtSyn::DisplayStr, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.8.1.5.1.8", "Holdtime", KtSyn::Integer, KtAcc::ReadOnly},
    {},
};
const KtCatalogueEntry GroupInformation({.captionPrefix = "Group Information: ", .kind = KtViewKind::Table,
    .itemType = KtItem::MVT_FMV, .keyCount = 1, .table = kGroupInformation, .varCount = 8});

constexpr KtSNMPVarDef kNeighborSwitch[] = {
    {"1.3.6.1.4.1.32473.12.8.1.6.1.1", "Received Port", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.8.1.6.1.2", "MAC Address", KtSyn::MacAddress, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.8.1.6.1.3", "Role", KtSyn::Integer, KtAcc::ReadOnly, &olNeighborRole},
    {},
};
const KtCatalogueEntry NeighborSwitch({.captionPrefix = "Neighbor Switch: ", .kind = KtViewKind::Table,
    .itemType = KtItem::MVT_FMV, .keyCount = 2, .table = kNeighborSwitch, .varCount = 3});

constexpr KtSNMPVarDef kMSTrapMessage[] = {
    {"1.3.6.1.4.1.32473.12.8.6.1.1", "Single IP MS Trap Message", KtSyn::DisplayStr, KtAcc::ReadOnly},
    {},
};
const KtCatalogueEntry MSTrapMessage({.captionPrefix = "MS Trap Message: ", .kind = KtViewKind::Editor,
    .itemType = KtItem::SVT_SV, .keyCount = 0, .table = kMSTrapMessage, .varCount = 1});

} // namespace catalogue
