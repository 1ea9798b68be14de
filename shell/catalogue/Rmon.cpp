// Generic views under "RMON", in menu order: each view's definition table and its
// named entry (declared in CatalogueEntries.h, opened by the menu line that names it).
#include "shell/catalogue/CatalogueEntries.h"
#include "shell/catalogue/ViewOptionLists.h"

namespace catalogue {

constexpr KtSNMPVarDef kRMONControl[] = {
    {"1.3.6.1.4.1.32473.11.101.1.2.1.2.4", "RMON State", KtSyn::Integer, KtAcc::ReadWrite, &olDisabledEnabled},
    {},
};
const KtCatalogueEntry RMONControl({.captionPrefix = "RMON Control: ", .kind = KtViewKind::Editor,
    .itemType = KtItem::SVT_SV, .keyCount = 0, .table = kRMONControl, .varCount = 1});

constexpr KtSNMPVarDef kNetConfiguration[] = {
    {"1.3.6.1.2.1.16.19.11.1.1", "Net Config IP Address", KtSyn::IpAddress, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.16.19.11.1.2", "Net Config Subnet Mask", KtSyn::IpAddress, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.16.19.11.1.3", "Net Config Status", KtSyn::Integer, KtAcc::ReadOnly, &olRowStatus},
    {},
};
const KtCatalogueEntry NetConfiguration({.captionPrefix = "Net Configuration Table: ", .kind = KtViewKind::Table,
    .itemType = KtItem::MVT_FMV, .keyCount = 0, .table = kNetConfiguration, .varCount = 3});

constexpr KtSNMPVarDef kNetDefaultGateway[] = {
    {"1.3.6.1.2.1.16.19.12", "Net Default Gateway", KtSyn::IpAddress, KtAcc::ReadWrite},
    {},
};
const KtCatalogueEntry NetDefaultGateway({.captionPrefix = "Net Default Gateway: ", .kind = KtViewKind::Editor,
    .itemType = KtItem::SVT_SV, .keyCount = 0, .table = kNetDefaultGateway, .varCount = 1});

} // namespace catalogue
