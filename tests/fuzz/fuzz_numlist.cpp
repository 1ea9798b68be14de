// KtNumList::Parse on arbitrary text and delimiters, both element types. Byte 0 picks the
// delimiter, byte 1 the element type and text decoding; the rest is the text.
#include "KtNML/KtSupport.h"

#include <cstdint>
#include <cstdlib>
#include <limits>

namespace {

template <typename T>
void Check(const QString& text, QChar delimiter)
{
    KtNumList<T> list;
    list.SetDelimiter(delimiter);
    list.Parse(text);
    if (list.Count() != list.CountItems(text))
        std::abort();
    for (int i = 0; i < list.Count(); ++i) {
        const int at = list.IndexOf(list.Item(i));
        if (at < 0 || at > i)
            std::abort();
    }
    if (!list.AllInRange(std::numeric_limits<T>::min(), std::numeric_limits<T>::max()))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    const QChar delimiter{char16_t(data[0])};
    const uint8_t mode = data[1];
    const char* bytes = reinterpret_cast<const char*>(data + 2);
    const qsizetype n = static_cast<qsizetype>(size - 2);
    // UTF-16 reaches characters far above "9"; Latin-1 keeps the common ones dense.
    const QString text = (mode & 2) ? QString(reinterpret_cast<const QChar*>(bytes), n / 2)
                                    : QString::fromLatin1(bytes, n);
    if (mode & 1)
        Check<int>(text, delimiter);
    else
        Check<unsigned int>(text, delimiter);
    return 0;
}
