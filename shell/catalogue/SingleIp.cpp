// Generic views under "Single IP": their definition tables and catalogue entries.
#include "shell/catalogue/CatalogueGroups.h"
#include "shell/catalogue/ViewOptionLists.h"

namespace {

// Single IP / Single IP Control
constexpr KtSNMPVarDef kSingleIPControl[] = {
    {"1.3.6.1.4.1.32473.12.8.1.2.1", "Single IP Status", KtSyn::Integer, KtAcc::ReadWrite, &olDisabledEnabled},
    {"1.3.6.1.4.1.32473.12.8.1.2.2", "Single IP Role", KtSyn::Integer, KtAcc::ReadWrite, &olSingleIpRole},
    {"1.3.6.1.4.1.32473.12.8.1.2.3", "Single IP Holdtime[100-255]", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.12.8.1.2.4", "Time Interval[30-90]", KtSyn::Integer, KtAcc::ReadWrite},
    {},
};
constexpr KtViewFormat kSingleIPControlFormats[] = {{2, "%i{n100x255l3}"}, {3, "%i{n30x90l2}"}};

// Single IP / My Information
constexpr KtSNMPVarDef kMyInformation[] = {
    {"1.3.6.1.4.1.32473.12.8.1.1.1", "Version", KtSyn::DisplayStr, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.8.1.1.2", "Capability", KtSyn::DisplayStr, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.8.1.1.3", "Platform", KtSyn::DisplayStr, KtAcc::ReadOnly},
    {},
};

// Single IP / Member Switch
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

// Single IP / Candidate Switch
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

// Single IP / Group Information
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

// Single IP / Neighbor Switch
constexpr KtSNMPVarDef kNeighborSwitch[] = {
    {"1.3.6.1.4.1.32473.12.8.1.6.1.1", "Received Port", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.8.1.6.1.2", "MAC Address", KtSyn::MacAddress, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.8.1.6.1.3", "Role", KtSyn::Integer, KtAcc::ReadOnly, &olNeighborRole},
    {},
};

// Single IP / MS Trap Message (hidden)
constexpr KtSNMPVarDef kMSTrapMessage[] = {
    {"1.3.6.1.4.1.32473.12.8.6.1.1", "Single IP MS Trap Message", KtSyn::DisplayStr, KtAcc::ReadOnly},
    {},
};

constexpr KtViewEntry kViews[] = {
    {.menuPath = "Single IP / Single IP Control", .captionPrefix = "Single IP Control: ",
     .kind = KtViewKind::Editor, .itemType = KtItem::SVT_SV, .keyCount = 0, .table = kSingleIPControl,
     .varCount = 4, .formats = kSingleIPControlFormats},
    {.menuPath = "Single IP / My Information", .captionPrefix = "My Information: ",
     .kind = KtViewKind::Editor, .itemType = KtItem::SVT_SV, .keyCount = 0, .table = kMyInformation,
     .varCount = 3},
    {.menuPath = "Single IP / Member Switch", .captionPrefix = "Member Switch: ", .kind = KtViewKind::Table,
     .itemType = KtItem::MVT_UMV, .keyCount = 1, .table = kMemberSwitch, .varCount = 10, .addIndex = 9,
     .addText = "createAndGo", .deleteIndex = 9, .deleteText = "destroy", .noEdit = true,
     .formats = kMemberSwitchFormats},
    {.menuPath = "Single IP / Candidate Switch", .captionPrefix = "Candidate Switch: ",
     .kind = KtViewKind::Table, .itemType = KtItem::MVT_FMV, .keyCount = 1, .table = kCandidateSwitch,
     .varCount = 7},
    {.menuPath = "Single IP / Group Information", .captionPrefix = "Group Information: ",
     .kind = KtViewKind::Table, .itemType = KtItem::MVT_FMV, .keyCount = 1, .table = kGroupInformation,
     .varCount = 8},
    {.menuPath = "Single IP / Neighbor Switch", .captionPrefix = "Neighbor Switch: ",
     .kind = KtViewKind::Table, .itemType = KtItem::MVT_FMV, .keyCount = 2, .table = kNeighborSwitch,
     .varCount = 3},
    {.menuPath = "Single IP / MS Trap Message", .hidden = true, .captionPrefix = "MS Trap Message: ",
     .kind = KtViewKind::Editor, .itemType = KtItem::SVT_SV, .keyCount = 0, .table = kMSTrapMessage,
     .varCount = 1},
};

} // namespace

std::span<const KtViewEntry> SingleIpViews()
{
    return kViews;
}
