#include "KtNML/KtSpreadValue.h"

#include "KtNML/KtDateTime.h"
#include "KtNML/KtSNMPError.h"
#include "KtNML/KtSNMPVarList.h"
#include "KtNML/KtValueCodec.h"

#include <QDate>
#include <QTime>

#include <algorithm>
#include <cstdint>

namespace {

QString Hex2(char byte)
{
    return QStringLiteral("%1").arg(unsigned(std::uint8_t(byte)), 2, 16, QLatin1Char('0')).toUpper();
}

std::uint32_t LittleEndian32(const QByteArray& b, qsizetype at)
{
    std::uint32_t v = 0;
    for (int k = 0; k < 4; ++k)
        v |= std::uint32_t(std::uint8_t(b[at + k])) << (8 * k);
    return v;
}

} // namespace

int KtSpreadMinimumParts(int syntax)
{
    switch (syntax) {
    case KtSyn::IpAddress: case KtSyn::NsapAddr: return 4;
    case KtSyn::TimeTicks: return 5;
    case KtSyn::MacAddress: return 6;
    case KtSyn::Ipv6Address: return 16;
    case KtSyn::DateTime: return 10;
    case KtSyn::BcDateTime: return 7;
    default: return 0;
    }
}

int KtSpreadUsedParts(int syntax, int partCount)
{
    const int minimum = KtSpreadMinimumParts(syntax);
    if (partCount < minimum)
        KtRaise(KtErr::NotEnoughControls);
    switch (syntax) {
    case KtSyn::BitStr: case KtSyn::OctetStr: case KtSyn::Opaque: case KtSyn::ObjectId: return partCount;
    default: return minimum > 0 ? minimum : std::min(partCount, 1);
    }
}

std::optional<QStringList> KtSplitValue(int syntax, const QString& text, const QByteArray& bytes, int partCount)
{
    const int used = KtSpreadUsedParts(syntax, partCount);
    // An address or time not read leaves what the edits show.
    if (KtSpreadMinimumParts(syntax) > 0 && text == KtNullText)
        return std::nullopt;
    if (used == 0)
        return QStringList();
    auto fixed = [&](int width) {
        if (bytes.size() < width)
            KtRaise(KtErr::BadPartialValue);
    };
    QStringList parts;
    switch (syntax) {
    case KtSyn::BitStr: case KtSyn::OctetStr: case KtSyn::Opaque:
        for (int k = 0; k < used; ++k)
            parts << (k < bytes.size() ? Hex2(bytes[k]) : QString());
        break;
    case KtSyn::MacAddress: case KtSyn::Ipv6Address:
        fixed(used);
        for (int k = 0; k < used; ++k)
            parts << Hex2(bytes[k]);
        break;
    case KtSyn::ObjectId: {
        const int ids = int(bytes.size() / 4);
        for (int k = 0; k < used; ++k)
            parts << (k < ids ? QString::number(LittleEndian32(bytes, 4 * k)) : QString());
        break;
    }
    case KtSyn::IpAddress: case KtSyn::NsapAddr:
        fixed(4);
        for (int k = 0; k < 4; ++k)
            parts << QString::number(std::uint8_t(bytes[k]));
        break;
    case KtSyn::TimeTicks: {
        fixed(4);
        const std::uint32_t t = LittleEndian32(bytes, 0);
        for (std::uint32_t part : {t / 8640000, t / 360000 % 24, t / 6000 % 60, t / 100 % 60, t % 100})
            parts << QString::number(part);
        break;
    }
    case KtSyn::DateTime: {
        const KtDateTime dt = KtDateTime::FromBytes(bytes);
        parts << QString::number(dt.year) << QString::number(dt.month) << QString::number(dt.day)
              << QString::number(dt.hour) << QString::number(dt.minutes) << QString::number(dt.seconds)
              << QString::number(dt.deciSeconds) << QString(QLatin1Char(dt.direction))
              << QString::number(dt.utcHours) << QString::number(dt.utcMinutes);
        break;
    }
    case KtSyn::BcDateTime: {
        double serial = 0;
        QDate date;
        QTime time;
        if (!KtSerialFromText(text, serial) || !KtSerialToDateTime(serial, date, time))
            KtRaise(KtErr::BadPartialValue);
        for (int part : {date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second(), time.msec()})
            parts << QString::number(part);
        break;
    }
    default:
        parts << text;
        break;
    }
    return parts;
}

QString KtJoinValue(int syntax, const QStringList& parts)
{
    const int used = KtSpreadUsedParts(syntax, int(parts.size()));
    auto number = [&](int k) { return KtDecimalToUInt32(parts[k]); };
    auto joinHex = [&](int count) {
        QString hex;
        for (int k = 0; k < count; ++k) {
            const QString t = parts[k].trimmed();
            hex += t.isEmpty() ? QStringLiteral("00") : t.size() == 1 ? QLatin1Char('0') + t : t;
        }
        return hex;
    };
    switch (syntax) {
    case KtSyn::BitStr: case KtSyn::OctetStr: case KtSyn::Opaque:
    case KtSyn::MacAddress: case KtSyn::Ipv6Address:
        return joinHex(used);
    case KtSyn::ObjectId: {
        QStringList ids;
        for (int k = 0; k < used; ++k)
            ids << QString::number(number(k));
        return ids.join(u'.');
    }
    case KtSyn::IpAddress: case KtSyn::NsapAddr: {
        // The octets as typed: the codec refuses one that is no number of 0..255.
        QStringList octets;
        for (int k = 0; k < 4; ++k)
            octets << parts[k].trimmed();
        return octets.join(u'.');
    }
    case KtSyn::TimeTicks: {
        // Parts that are no numbers, or a time beyond the ticks' range, leave the text as
        // typed, for the codec to refuse naming the variable.
        QStringList typed;
        bool numbers = true;
        for (int k = 0; k < 5; ++k) {
            typed << parts[k].trimmed();
            const QString& p = typed.last();
            numbers = numbers && !p.isEmpty() && p.size() <= 10
                && std::all_of(p.begin(), p.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
        }
        const auto part = [&](int k) { return numbers ? typed[k].toULongLong() : 0; };
        const std::uint64_t t = part(0) * 8640000 + part(1) * 360000 + part(2) * 6000 + part(3) * 100 + part(4);
        if (!numbers || t > 0xffffffffu)
            return QStringLiteral("%1 days, %2:%3:%4.%5").arg(typed[0], typed[1], typed[2], typed[3], typed[4]);
        return KtTicksToText(std::uint32_t(t));
    }
    case KtSyn::DateTime: {
        const QString dir = parts[7].trimmed();
        return QStringLiteral("%1-%2-%3,%4:%5:%6.%7,%8%9:%10")
            .arg(number(0)).arg(number(1)).arg(number(2)).arg(number(3)).arg(number(4)).arg(number(5))
            .arg(number(6))
            .arg(dir.isEmpty() ? QChar(u'+') : dir.at(0))
            .arg(number(8)).arg(number(9));
    }
    case KtSyn::BcDateTime: {
        const QDate date(int(number(0)), int(number(1)), int(number(2)));
        const QTime time(int(number(3)), int(number(4)), int(number(5)), int(number(6)));
        if (!date.isValid() || !time.isValid())
            KtRaise(KtErr::BadPartialValue);
        return KtSerialToText(KtSerialFromDateTime(date, time));
    }
    default:
        return used > 0 ? parts[0] : QString();
    }
}
