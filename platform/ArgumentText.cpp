#include "platform/ArgumentText.h"

namespace platform {

namespace {

// Length of the valid UTF-8 sequence at p (1..4), or 0 when the bytes there are none.
qsizetype Utf8Length(const unsigned char* p, qsizetype left)
{
    const unsigned char c = p[0];
    qsizetype n = 0;
    char32_t min = 0;
    if (c < 0x80)
        return 1;
    if ((c & 0xE0) == 0xC0) {
        n = 2;
        min = 0x80;
    } else if ((c & 0xF0) == 0xE0) {
        n = 3;
        min = 0x800;
    } else if ((c & 0xF8) == 0xF0) {
        n = 4;
        min = 0x10000;
    } else {
        return 0;
    }
    if (left < n)
        return 0;
    char32_t cp = c & (0x7F >> n);
    for (qsizetype k = 1; k < n; ++k) {
        if ((p[k] & 0xC0) != 0x80)
            return 0;
        cp = cp << 6 | (p[k] & 0x3F);
    }
    // Overlong forms, surrogates and values beyond Unicode are no UTF-8.
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return n;
}

} // namespace

QString ArgumentText(const QByteArray& bytes)
{
    QString out;
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype size = bytes.size();
    for (qsizetype i = 0; i < size;) {
        const qsizetype n = Utf8Length(p + i, size - i);
        if (n == 0) {
            out += QChar(char16_t(0xDC00 + p[i]));
            ++i;
            continue;
        }
        out += QString::fromUtf8(reinterpret_cast<const char*>(p + i), n);
        i += n;
    }
    return out;
}

QByteArray ArgumentBytes(const QString& text)
{
    QByteArray out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            out += QStringView(text).mid(i, 2).toUtf8();
            ++i;
        } else if (c.unicode() >= 0xDC80 && c.unicode() <= 0xDCFF) {
            out += char(c.unicode() - 0xDC00);
        } else if (c.isSurrogate()) {
            out += '?';
        } else {
            out += QStringView(&c, 1).toUtf8();
        }
    }
    return out;
}

} // namespace platform
