// DateAndTime: arbitrary text through KtDateTime(text), arbitrary bytes through FromBytes; the
// text of a parsed value must parse back to the same value.
#include "KtNML/KtDateTime.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray raw(reinterpret_cast<const char*>(data), qsizetype(size));
    const KtDateTime fromText(QString::fromUtf8(raw));
    QByteArray b = fromText.ToBytes();
    if (b.size() != 11 || (fromText.direction != '+' && fromText.direction != '-'))
        std::abort();
    // Without an offset the text does not carry the direction.
    if (!fromText.utcHours && !fromText.utcMinutes)
        b[8] = '+';
    if (KtDateTime(fromText.ToText()).ToBytes() != b)
        std::abort();

    const KtDateTime fromBytes = KtDateTime::FromBytes(raw);
    if (fromBytes.ToBytes().size() != 11 || fromBytes.ToText().isEmpty())
        std::abort();
    return 0;
}
