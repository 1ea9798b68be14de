#include "shell/SnapshotSources.h"

#include "dialogs/tables/DialogTables.h"
#include "shell/MainMenu.h"
#include "shell/StandardMibViews.h"

namespace {

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
