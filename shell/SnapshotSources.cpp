#include "shell/SnapshotSources.h"

#include "dialogs/tables/DialogTables.h"
#include "shell/MainMenu.h"
#include "shell/StandardMibViews.h"
#include "shell/catalogue/ViewOptionLists.h"

namespace {

// A variable with one of these option lists starts something when written (a reset, a save, a
// clear, a delete-all, an image action): no setting, so never saved and never restored.
bool StartsSomething(const KtSNMPVarDef& def)
{
    for (const KtOptionList* actions : {&olSystemResetState, &olSaveConfig, &olOtherStart, &olNoneStart,
                                        &olMultiImageAction})
        if (def.options == actions)
            return true;
    return false;
}

KtSnapshotSource FromView(const KtViewEntry& view)
{
    KtSnapshotSource s;
    s.table = view.table;
    s.itemType = view.itemType;
    s.keyCount = view.keyCount;
    s.caption = QString::fromLatin1(view.mibObject ? view.mibObject : KtViewPath(view));
    s.statusIndex = view.addIndex;
    s.createText = view.addText;
    s.destroyText = view.deleteText;
    for (int i = 0; view.table && view.table[i].oid; ++i)
        if (StartsSomething(view.table[i]))
            s.actions.push_back(i);
    return s;
}

} // namespace

std::vector<KtSnapshotSource> KtSnapshotSources()
{
    std::vector<KtSnapshotSource> sources;
    for (const KtViewEntry* view : KtViewCatalogue())
        sources.push_back(FromView(*view));
    for (const KtToolViews& tool : KtStandardMibViews())
        for (const KtViewEntry& view : tool.views)
            sources.push_back(FromView(view));
    for (KtSnapshotSource& dialog : KtDialogSnapshotSources())
        sources.push_back(std::move(dialog));
    return sources;
}

const KtSnapshotPlan& KtSnapshotModulePlan()
{
    static const KtSnapshotPlan plan = KtSnapshotPlan::FromSources(KtSnapshotSources());
    return plan;
}

QString KtModuleRelease()
{
    return QStringLiteral(VKR_RELEASE);
}
