#include "shell/ViewCatalogue.h"

#include <vector>

namespace {

// Filled while the program starts (static initialisation of the entries), read afterwards.
std::vector<const KtCatalogueEntry*>& Registered()
{
    static std::vector<const KtCatalogueEntry*> entries;
    return entries;
}

} // namespace

KtCatalogueEntry::KtCatalogueEntry(const KtViewEntry& entry) : KtViewEntry(entry)
{
    Registered().push_back(this);
}

std::span<const KtCatalogueEntry* const> KtCatalogueEntries()
{
    return Registered();
}
