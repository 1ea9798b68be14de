#include "dialogs/tables/DialogTables.h"

#include "dialogs/tables/Layer2Tables.h"
#include "dialogs/tables/SecurityTables.h"

std::vector<KtSnapshotSource> KtDialogSnapshotSources()
{
    // Captions as the menu names the dialogs; the row status is found by its options.
    return {
        {Layer2Tables::kVlanStatic, KtItem::MVT_UMV, 1, QStringLiteral("VLAN / 802.1Q / Static Table")},
        {SecurityTables::kLogHost, KtItem::MVT_UMV, 1, QStringLiteral("System Log Server Table")},
        {SecurityTables::kRadiusServer, KtItem::MVT_UMV, 1, QStringLiteral("RADIUS Server Table")},
    };
}
