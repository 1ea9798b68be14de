#include "dialogs/DialogRegistry.h"

#include "dialogs/layer2/Vlanstaticformunit.h"

#include <array>

namespace {

template <class Form> QDialog* Make(QWidget* owner, bool enlarge)
{
    return new Form(owner, enlarge);
}

} // namespace

std::span<const KtDialogEntry> KtDialogRegistry()
{
    static const std::array entries = {
        KtDialogEntry{"TVlanStaticForm", "VLAN Static: ", Make<TVlanStaticForm>},
    };
    return entries;
}
