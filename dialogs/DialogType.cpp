#include "dialogs/DialogType.h"

#include <vector>

namespace {

// Filled while the program starts (static initialisation of the types), read afterwards.
std::vector<const KtDialogType*>& Registered()
{
    static std::vector<const KtDialogType*> types;
    return types;
}

} // namespace

KtDialogType::KtDialogType(const QMetaObject& form, const char* captionPrefix, Make make)
    : m_form(&form), m_captionPrefix(captionPrefix), m_make(make)
{
    Registered().push_back(this);
}

std::span<const KtDialogType* const> KtDialogTypes()
{
    return Registered();
}
