// Hex input and the byte forms: KtHexToBytes on arbitrary text, then TextToBytes, BytesToText
// and GetChunk with every syntax code over arbitrary bytes. Byte 0 picks the syntax and the
// text decoding, byte 1 the field index; the rest is the text (or the bytes).
#include "KtNML/KtSNMPError.h"
#include "KtNML/KtValueCodec.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    const int syntax = data[0] & 0x80 ? 0xc0 | (data[0] & 0x0f) : data[0] & 0x4f;
    const int index = data[1] % 24;
    const QByteArray raw(reinterpret_cast<const char*>(data + 2), qsizetype(size - 2));
    const QString text = data[0] & 0x20 ? QString::fromLatin1(raw) : QString::fromUtf8(raw);

    const QByteArray bytes = KtHexToBytes(text);
    QString digits = text;
    digits.remove(u' ');
    if (bytes.size() != (digits.size() + 1) / 2)
        std::abort();
    if (KtHexToBytes(KtBytesToHex(bytes)) != bytes)
        std::abort();

    try {
        const QByteArray chunk = GetChunk(raw, index, syntax);
        if (chunk.size() > raw.size())
            std::abort();
        BytesToText(chunk, syntax);
    } catch (const KtException&) {
    }
    try {
        const QByteArray form = TextToBytes(text, syntax);
        QByteArray target = raw;
        PutChunk(target, index, form);
        if (target.size() < index + form.size())
            std::abort();
        BytesToText(form, syntax);
    } catch (const KtException&) {
    }
    try {
        BytesToText(raw, syntax);
    } catch (const KtException&) {
    }
    return 0;
}
