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

std::optional<quint32> ParseIpv4(const QString& text)
{
    if (!IsIpv4Text(text))
        return std::nullopt;
    quint32 address = 0;
    for (const QString& octet : text.split(u'.'))
        address = (address << 8) | quint32(octet.toUInt());
    return address;
}

bool SameIpv4Address(const QString& a, const QString& b)
{
    const std::optional<quint32> left = ParseIpv4(a);
    const std::optional<quint32> right = ParseIpv4(b);
    if (left && right)
        return *left == *right;
    return a == b;
}

QString RadiusAddressRefusal(const QString& text)
{
    if (ParseIpv4(text) == 0xFFFFFFFFu)
        return QStringLiteral("you can't input this ip address");
    // The first octet as typed, when it can be one: the range refusals come before the
    // dotted-quad check, so that "127.1" is told it is a loopback address.
    const QString first = text.section(u'.', 0, 0);
    bool number = !first.isEmpty() && first.size() <= 3;
    for (QChar c : first)
        number = number && IsDigit(c);
    if (number) {
        const int value = first.toInt();
        if (value == 127)
            return QStringLiteral("you can't input ip address like 127.*.*.*");
        if (value >= 224 && value <= 239)
            return QStringLiteral("Ip address can not in class d");
        if (value >= 240 && value <= 247)
            return QStringLiteral("Ip address can not in class e");
    }
    const QStringList parts = text.split(u'.');
    for (qsizetype k = 0; k + 1 < parts.size(); ++k)
        if (parts[k].size() > 3)
            return QStringLiteral("Please input a valid ip");
    if (!IsIpv4Text(text))
        return QStringLiteral("Please input a valid ip!");
    return QString();
}

bool IsLogHostAddress(const QString& text)
{
    const std::optional<quint32> address = ParseIpv4(text);
    if (!address || *address == 0xFFFFFFFFu)
        return false;
    const quint32 first = *address >> 24;
    return first != 127 && !(first >= 224 && first <= 247);
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
