#include "KtNML/KtDateTime.h"

#include <QDateTime>
#include <QLocale>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <functional>
#include <iterator>
#include <limits>

namespace {

constexpr qint64 kMsPerDay = 86400000;
const QDate kSerialEpoch(1899, 12, 30);

// One "%d" of the C scanner: blanks, optional sign, at least one digit. Values beyond 32 bits
// saturate (the C conversion's own behaviour for out-of-range text).
bool scanInt(const QString& s, qsizetype& pos, qint64& out)
{
    qsizetype i = pos;
    while (i < s.size() && s[i].isSpace())
        ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == u'-' || s[i] == u'+'))
        negative = s[i++] == u'-';
    const qsizetype digits = i;
    qint64 v = 0;
    while (i < s.size() && s[i] >= u'0' && s[i] <= u'9') {
        v = std::min<qint64>(v * 10 + (s[i].unicode() - u'0'), qint64(1) << 32);
        ++i;
    }
    if (i == digits)
        return false;
    v = negative ? -v : v;
    out = std::clamp<qint64>(v, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max());
    pos = i;
    return true;
}

// Matches text against a pattern of literal characters and 'd' (a number); returns how many
// numbers were converted before the first mismatch, like sscanf.
int scanPattern(const QString& text, const char* pattern, qint64* fields)
{
    qsizetype pos = 0;
    int n = 0;
    for (const char* p = pattern; *p; ++p) {
        if (*p == 'd') {
            if (!scanInt(text, pos, fields[n]))
                return n;
            ++n;
        } else {
            if (pos >= text.size() || text[pos] != QLatin1Char(*p))
                return n;
            ++pos;
        }
    }
    return n;
}

bool splitParse(const QString& text, const std::function<QDate(const QString&)>& toDate,
                const std::function<QTime(const QString&)>& toTime, QDate& date, QTime& time)
{
    for (qsizetype sp = text.indexOf(u' '); sp >= 0; sp = text.indexOf(u' ', sp + 1)) {
        const QDate d = toDate(text.left(sp));
        if (!d.isValid())
            continue;
        const QTime t = toTime(text.mid(sp + 1).trimmed());
        if (t.isValid()) {
            date = d;
            time = t;
            return true;
        }
    }
    return false;
}

} // namespace

KtDateTime::KtDateTime()
{
    const QDateTime now = QDateTime::currentDateTime();
    year = std::uint16_t(now.date().year());
    month = std::uint8_t(now.date().month());
    day = std::uint8_t(now.date().day());
    hour = std::uint8_t(now.time().hour());
    minutes = std::uint8_t(now.time().minute());
    seconds = std::uint8_t(now.time().second());
}

KtDateTime::KtDateTime(const QString& text)
{
    qint64 f[9] = {};
    char dir = '+';
    if (scanPattern(text, "d-d-d,d:d:d.d,+d:d", f) != 9) {
        std::fill(std::begin(f), std::end(f), 0);
        if (scanPattern(text, "d-d-d,d:d:d.d,-d:d", f) == 9) {
            dir = '-';
        } else {
            std::fill(std::begin(f), std::end(f), 0);
            scanPattern(text, "d-d-d,d:d:d.d", f);
        }
    }
    year = std::uint16_t(f[0]);
    month = std::uint8_t(f[1]);
    day = std::uint8_t(f[2]);
    hour = std::uint8_t(f[3]);
    minutes = std::uint8_t(f[4]);
    seconds = std::uint8_t(f[5]);
    deciSeconds = std::uint8_t(f[6]);
    direction = dir;
    utcHours = std::uint8_t(f[7]);
    utcMinutes = std::uint8_t(f[8]);
}

KtDateTime KtDateTime::FromBytes(const QByteArray& bytes)
{
    auto at = [&](int i) { return i < bytes.size() ? std::uint8_t(bytes[i]) : std::uint8_t(0); };
    KtDateTime d{Raw{}};
    d.year = std::uint16_t((at(0) << 8) | at(1));
    d.month = at(2);
    d.day = at(3);
    d.hour = at(4);
    d.minutes = at(5);
    d.seconds = at(6);
    d.deciSeconds = at(7);
    d.direction = char(at(8));
    d.utcHours = at(9);
    d.utcMinutes = at(10);
    return d;
}

QByteArray KtDateTime::ToBytes() const
{
    QByteArray b(11, '\0');
    b[0] = char(year >> 8);
    b[1] = char(year & 0xff);
    b[2] = char(month);
    b[3] = char(day);
    b[4] = char(hour);
    b[5] = char(minutes);
    b[6] = char(seconds);
    b[7] = char(deciSeconds);
    b[8] = direction;
    b[9] = char(utcHours);
    b[10] = char(utcMinutes);
    return b;
}

QString KtDateTime::ToText() const
{
    QString s = QString::asprintf("%d-%d-%d,%d:%d:%d.%d", year, month, day, hour, minutes, seconds,
                                  deciSeconds);
    if ((utcHours || utcMinutes) && (direction == '+' || direction == '-'))
        s += QString::asprintf(",%c%d:%d", direction, utcHours, utcMinutes);
    return s;
}

double KtSerialFromDateTime(const QDate& date, const QTime& time)
{
    const double days = double(kSerialEpoch.daysTo(date));
    const double frac = double(time.msecsSinceStartOfDay()) / double(kMsPerDay);
    // Before the epoch the fraction still counts forward within the day.
    return days < 0 ? days - frac : days + frac;
}

bool KtSerialToDateTime(double serial, QDate& date, QTime& time)
{
    // Years 100..9999.
    if (!std::isfinite(serial) || serial < -657434.0 || serial >= 2958466.0)
        return false;
    qint64 days = qint64(std::trunc(serial));
    qint64 ms = std::llround(std::fabs(serial - double(days)) * double(kMsPerDay));
    if (ms >= kMsPerDay) {
        if (serial >= 0) {
            ++days;
            ms -= kMsPerDay;
        } else {
            ms = kMsPerDay - 1;
        }
    }
    date = kSerialEpoch.addDays(days);
    time = QTime::fromMSecsSinceStartOfDay(int(ms));
    return date.isValid() && date.year() <= 9999;
}

double KtNowSerial()
{
    const QDateTime now = QDateTime::currentDateTime();
    return KtSerialFromDateTime(now.date(), now.time());
}

QString KtSerialToText(double serial)
{
    QDate d;
    QTime t;
    if (!KtSerialToDateTime(serial, d, t))
        return QString::number(serial, 'g', 15);
    // Formats without a locale argument use the C locale: "am"/"pm" in lower case.
    return d.toString(u"yyyy/MM/dd") + u' ' + t.toString(u"hh:mm:ss ap");
}

bool KtSerialFromText(const QString& input, double& serial)
{
    const QString text = input.trimmed();
    if (text.isEmpty())
        return false;
    QDate date;
    QTime time;
    auto done = [&] {
        serial = KtSerialFromDateTime(date, time);
        return true;
    };

    static const char* const kTimeFormats[] = {"hh:mm:ss ap", "h:mm:ss ap", "HH:mm:ss", "H:mm:ss"};
    for (const char* tf : kTimeFormats) {
        if (splitParse(
                text, [](const QString& s) { return QDate::fromString(s, u"yyyy/MM/dd"); },
                [tf](const QString& s) { return QTime::fromString(s, QString::fromLatin1(tf)); }, date,
                time))
            return done();
    }
    date = QDate::fromString(text, u"yyyy/MM/dd");
    if (date.isValid()) {
        time = QTime(0, 0);
        return done();
    }

    const QLocale loc = QLocale::system();
    for (QLocale::FormatType ft : {QLocale::ShortFormat, QLocale::LongFormat}) {
        const QString dateFormat = loc.dateFormat(ft);
        const bool twoDigitYear = !dateFormat.contains(u"yyyy") && dateFormat.contains(u"yy");
        bool ok = splitParse(
            text, [&](const QString& s) { return loc.toDate(s, dateFormat); },
            [&](const QString& s) { return loc.toTime(s, ft); }, date, time);
        if (!ok) {
            const QDateTime dt = loc.toDateTime(text, ft);
            if (dt.isValid()) {
                date = dt.date();
                time = dt.time();
                ok = true;
            }
        }
        if (ok) {
            // Qt reads "yy" as 19yy; the operator means the nearer century.
            if (twoDigitYear && date.year() < 1950)
                date = date.addYears(100);
            return done();
        }
    }
    return false;
}
