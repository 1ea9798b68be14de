// Generic views under "RMON": their definition tables and catalogue entries.
#include "shell/catalogue/CatalogueGroups.h"
#include "shell/catalogue/ViewOptionLists.h"

namespace {

// RMON / RMON Control
constexpr KtSNMPVarDef kRMONControl[] = {
    {"1.3.6.1.4.1.32473.11.101.1.2.1.2.4", "RMON State", KtSyn::Integer, KtAcc::ReadWrite, &olDisabledEnabled},
    {},
};

// RMON / Probe Config / Net Configuration
constexpr KtSNMPVarDef kNetConfiguration[] = {
    {"1.3.6.1.2.1.16.19.11.1.1", "Net Config IP Address", KtSyn::IpAddress, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.16.19.11.1.2", "Net Config Subnet Mask", KtSyn::IpAddress, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.16.19.11.1.3", "Net Config Status", KtSyn::Integer, KtAcc::ReadOnly, &olRowStatus},
    {},
};

// RMON / Probe Config / Net Default Gateway
constexpr KtSNMPVarDef kNetDefaultGateway[] = {
    {"1.3.6.1.2.1.16.19.12", "Net Default Gateway", KtSyn::IpAddress, KtAcc::ReadWrite},
    {},
};

constexpr KtViewEntry kViews[] = {
    {.menuPath = "RMON / RMON Control", .captionPrefix = "RMON Control: ", .kind = KtViewKind::Editor,
     .itemType = KtItem::SVT_SV, .keyCount = 0, .table = kRMONControl, .varCount = 1},
    {.menuPath = "RMON / Probe Config / Net Configuration", .captionPrefix = "Net Configuration Table: ",
     .kind = KtViewKind::Table, .itemType = KtItem::MVT_FMV, .keyCount = 0, .table = kNetConfiguration,
     .varCount = 3},
    {.menuPath = "RMON / Probe Config / Net Default Gateway", .captionPrefix = "Net Default Gateway: ",
     .kind = KtViewKind::Editor, .itemType = KtItem::SVT_SV, .keyCount = 0, .table = kNetDefaultGateway,
     .varCount = 1},
};

} // namespace

std::span<const KtViewEntry> RmonViews()
{
    return kViews;
}
