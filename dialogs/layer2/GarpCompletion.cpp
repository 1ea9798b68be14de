#include "dialogs/layer2/GarpCompletion.h"

TGarpCompletion& GarpCompletion()
{
    static TGarpCompletion flags;
    return flags;
}
