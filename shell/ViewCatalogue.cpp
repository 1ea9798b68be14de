#include "shell/ViewCatalogue.h"

#include "shell/catalogue/CatalogueGroups.h"

#include <cstring>
#include <vector>

std::span<const KtViewEntry> KtViewCatalogue()
{
    // Joined on first use: the group arrays live in other translation units.
    static const std::vector<KtViewEntry> all = [] {
        std::vector<KtViewEntry> v;
        for (auto group : {BasicConfigurationViews(), RmonViews(), BridgeViews(), VlanViews(), SnmpV3Views(),
                           SecurityManagementViews(), Layer2ManagementViews(), SingleIpViews()})
            v.insert(v.end(), group.begin(), group.end());
        return v;
    }();
    return all;
}

const KtViewEntry* FindView(const char* menuPath)
{
    if (!menuPath)
        return nullptr;
    for (const KtViewEntry& e : KtViewCatalogue())
        if (std::strcmp(e.menuPath, menuPath) == 0)
            return &e;
    return nullptr;
}
