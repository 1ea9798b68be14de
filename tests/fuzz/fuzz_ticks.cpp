// Time-ticks text input: any text reads as some tick count whose own text reads back the same.
#include "KtNML/KtValueCodec.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::uint32_t ticks = KtTextToTicks(text);
    if (KtTextToTicks(KtTicksToText(ticks)) != ticks)
        std::abort();
    return 0;
}
