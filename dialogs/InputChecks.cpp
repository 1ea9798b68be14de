#include "dialogs/InputChecks.h"

#include <QStringList>

namespace InputChecks {

namespace {

bool IsDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool IsHexDigit(QChar c)
{
    return IsDigit(c) || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

} // namespace

bool IsHexText(const QString& text, int digits)
{
    if (digits <= 0 || text.size() != digits)
        return false;
    for (QChar c : text)
        if (!IsHexDigit(c))
            return false;
    return true;
}

bool IsMacText(const QString& text)
{
    return IsHexText(text, 12);
}

bool IsIpv4Text(const QString& text)
{
    const QStringList octets = text.split(u'.');
    if (octets.size() != 4)
        return false;
    for (const QString& octet : octets) {
        if (octet.isEmpty() || octet.size() > 3)
            return false;
        for (QChar c : octet)
            if (!IsDigit(c))
                return false;
        const int value = octet.toInt();
        if (value > 255 || (value == 0 && octet.size() > 1))
            return false;
    }
    return true;
}

bool IsWholeNumberIn(const QString& text, qint64 low, qint64 high)
{
    const qsizetype start = text.startsWith(u'-') ? 1 : 0;
    const qsizetype digits = text.size() - start;
    // More digits than any 64-bit bound has are out of range, whatever they say.
    if (digits < 1 || digits > 18)
        return false;
    for (qsizetype k = start; k < text.size(); ++k)
        if (!IsDigit(text[k]))
            return false;
    const qint64 value = text.toLongLong();
    return value >= low && value <= high;
}

bool IsVlanIdText(const QString& text)
{
    return text.size() <= 4 && IsWholeNumberIn(text, 1, 4094);
}

} // namespace InputChecks
