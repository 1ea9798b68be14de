#include "KtNML/KtValueCodec.h"

#include "KtNML/KtDateTime.h"
#include "KtNML/KtSNMPError.h"

#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringList>

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>

namespace {

// ---- numbers from text --------------------------------------------------------------------

// The C conversion's prefix scan: blanks, sign, digits. Saturates far beyond 64 bits' needs.
struct Decimal {
    bool negative = false;
    unsigned __int128 magnitude = 0;  // capped just above UINT64_MAX
};

Decimal scanDecimal(const QString& s, qsizetype pos = 0)
{
    Decimal d;
    while (pos < s.size() && (s[pos] == u' ' || s[pos] == u'\t'))
        ++pos;
    if (pos < s.size() && (s[pos] == u'-' || s[pos] == u'+'))
        d.negative = s[pos++] == u'-';
    constexpr unsigned __int128 cap = (unsigned __int128)std::numeric_limits<std::uint64_t>::max() + 1;
    for (; pos < s.size() && s[pos] >= u'0' && s[pos] <= u'9'; ++pos)
        d.magnitude = std::min(d.magnitude * 10 + (s[pos].unicode() - u'0'), cap);
    return d;
}

std::int32_t toInt32(const Decimal& d)
{
    if (d.negative)
        return d.magnitude >= (unsigned __int128)1 << 31 ? std::numeric_limits<std::int32_t>::min()
                                                         : -std::int32_t(d.magnitude);
    return d.magnitude > (unsigned __int128)std::numeric_limits<std::int32_t>::max()
        ? std::numeric_limits<std::int32_t>::max() : std::int32_t(d.magnitude);
}

std::uint32_t toUInt32(const Decimal& d)
{
    if (d.negative)
        return 0;
    return d.magnitude > std::numeric_limits<std::uint32_t>::max() ? std::numeric_limits<std::uint32_t>::max()
                                                                   : std::uint32_t(d.magnitude);
}

std::uint64_t toUInt64(const Decimal& d)
{
    if (d.negative)
        return 0;
    return d.magnitude > std::numeric_limits<std::uint64_t>::max() ? std::numeric_limits<std::uint64_t>::max()
                                                                   : std::uint64_t(d.magnitude);
}

// ---- strict input of typed values --------------------------------------------------------
//
// Text typed for a variable is sent only when it is a value of the variable's syntax: a prefix
// scan would send "8 apples" as 8 and "abc" as 0, and a wrapped octet another address.

// A whole number: blanks around it, an optional sign and decimal digits, nothing else, and a
// value in [min, max].
bool wholeNumber(const QString& text, __int128 min, __int128 max, __int128& out)
{
    const QString t = text.trimmed();
    qsizetype pos = 0;
    bool negative = false;
    if (pos < t.size() && (t[pos] == u'-' || t[pos] == u'+'))
        negative = t[pos++] == u'-';
    if (pos == t.size())
        return false;
    // Capped well above every range below, so that long digit strings cannot overflow.
    constexpr __int128 cap = (__int128)1 << 80;
    __int128 magnitude = 0;
    for (; pos < t.size(); ++pos) {
        if (t[pos] < u'0' || t[pos] > u'9')
            return false;
        magnitude = std::min<__int128>(magnitude * 10 + (t[pos].unicode() - u'0'), cap);
    }
    const __int128 v = negative ? -magnitude : magnitude;
    if (v < min || v > max)
        return false;
    out = v;
    return true;
}

// The range of a whole-number syntax; false for the other syntaxes.
bool numberRange(int syntax, __int128& min, __int128& max)
{
    min = 0;
    switch (syntax) {
    case KtSyn::Integer:
        min = std::numeric_limits<std::int32_t>::min();
        max = std::numeric_limits<std::int32_t>::max();
        return true;
    case KtSyn::Counter: case KtSyn::Gauge: case KtSyn::UInteger:
        max = std::numeric_limits<std::uint32_t>::max();
        return true;
    case KtSyn::Counter64: max = std::numeric_limits<std::uint64_t>::max(); return true;
    case KtSyn::Int8: min = -128; max = 127; return true;
    case KtSyn::UInt8: max = 255; return true;
    case KtSyn::Int16: min = -32768; max = 32767; return true;
    case KtSyn::UInt16: max = 65535; return true;
    default: return false;
    }
}

__int128 numberOrRaise(const QString& text, int syntax, const QString& label)
{
    __int128 min = 0, max = 0, v = 0;
    if (!numberRange(syntax, min, max) || !wholeNumber(text, min, max, v))
        KtRaiseBadValue(label, text);
    return v;
}

// Time ticks: a whole number of ticks, or the ticks text as shown ("h:mm:ss.hh" after an
// optional "N day" / "N days,"), seconds optionally without hundredths; at most 4294967295.
bool parseTicks(const QString& text, std::uint32_t& out)
{
    __int128 n = 0;
    if (wholeNumber(text, 0, std::numeric_limits<std::uint32_t>::max(), n)) {
        out = std::uint32_t(n);
        return true;
    }
    static const QRegularExpression form(QStringLiteral(
        "^\\s*(?:([0-9]{1,10})\\s*days?\\s*,?\\s*)?([0-9]{1,10}):([0-5]?[0-9]):([0-5]?[0-9])(?:\\.([0-9]{2}))?\\s*$"));
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch())
        return false;
    const __int128 total = __int128(m.captured(1).toULongLong()) * 8640000 + __int128(m.captured(2).toULongLong()) * 360000
        + m.captured(3).toInt() * 6000 + m.captured(4).toInt() * 100 + m.captured(5).toInt();
    if (total > std::numeric_limits<std::uint32_t>::max())
        return false;
    out = std::uint32_t(total);
    return true;
}

std::uint32_t ticksOrRaise(const QString& text, const QString& label)
{
    std::uint32_t t = 0;
    if (!parseTicks(text, t))
        KtRaiseBadValue(label, text);
    return t;
}

// A real number as a whole: the decimal form with an optional exponent, finite.
double realOrRaise(const QString& text, const QString& label)
{
    static const QRegularExpression form(
        QStringLiteral("^\\s*[+-]?(?:[0-9]+\\.?[0-9]*|\\.[0-9]+)(?:[eE][+-]?[0-9]+)?\\s*$"));
    const double d = KtTextToReal(text);
    if (!form.match(text).hasMatch() || !std::isfinite(d))
        KtRaiseBadValue(label, text);
    return d;
}

// ---- little helpers -----------------------------------------------------------------------

bool isTrue(const QString& t)
{
    return t == QLatin1String("true");
}

QString boolText(bool b)
{
    return b ? QStringLiteral("true") : QStringLiteral("false");
}

bool isHexSyntax(int s)
{
    return s == KtSyn::BitStr || s == KtSyn::OctetStr || s == KtSyn::Opaque || s == KtSyn::MacAddress
        || s == KtSyn::Ipv6Address;
}

// Bytes shown as text: UTF-8 when they are valid UTF-8 (a byte-order mark included, so that
// it is kept), else Latin-1, which shows every byte as some character. Stateless: a sequence
// cut short at the end is an error, not a tail held back for more bytes.
QString bytesAsText(const QByteArray& b)
{
    QStringDecoder utf8(QStringConverter::Utf8,
                        QStringConverter::Flag::ConvertInitialBom | QStringConverter::Flag::Stateless);
    QString text = utf8(b);
    return utf8.hasError() ? QString::fromLatin1(b) : text;
}

// The display text of a string key's bytes.
QString stringKeyText(const QByteArray& b, int syntax)
{
    return syntax == KtSyn::DisplayStr ? bytesAsText(b) : KtBytesToHex(b);
}

// Text sent as UTF-8. A lone surrogate has no UTF-8 form: it is refused, not replaced.
QByteArray textAsBytes(const QString& t, const QString& label)
{
    for (qsizetype i = 0; i < t.size(); ++i) {
        if (t[i].isHighSurrogate() && i + 1 < t.size() && t[i + 1].isLowSurrogate())
            ++i;
        else if (t[i].isSurrogate())
            KtRaiseBadValue(label, t);
    }
    return t.toUtf8();
}

QString upToZero(const QByteArray& b)
{
    const qsizetype z = b.indexOf('\0');
    return bytesAsText(z < 0 ? b : b.left(z));
}

QByteArray padded(QByteArray b, qsizetype n)
{
    if (b.size() < n)
        b.append(QByteArray(n - b.size(), '\0'));
    return b;
}

void putLE(QByteArray& out, std::uint64_t v, int n)
{
    for (int i = 0; i < n; ++i)
        out.append(char((v >> (8 * i)) & 0xff));
}

std::uint64_t getLE(const QByteArray& b, int n)
{
    std::uint64_t v = 0;
    for (int i = 0; i < n; ++i)
        v |= std::uint64_t(std::uint8_t(b[i])) << (8 * i);
    return v;
}

std::uint32_t getBE16(const QByteArray& b)
{
    return (std::uint32_t(std::uint8_t(b[0])) << 8) | std::uint8_t(b[1]);
}

QByteArray doubleBytes(double d)
{
    QByteArray out;
    putLE(out, std::bit_cast<std::uint64_t>(d), 8);
    return out;
}

double bytesDouble(const QByteArray& b)
{
    return std::bit_cast<double>(getLE(padded(b, 8), 8));
}

double serialOrRaise(const QString& text, const QString& label)
{
    double s = 0;
    if (!KtSerialFromText(text, s))
        KtRaiseBadValue(label, text);
    return s;
}

snmp::Oid oidOrRaise(const QString& text, const QString& label)
{
    snmp::Oid oid;
    if (!snmp::oidFromText(text.toStdString(), oid))
        KtRaiseBadValue(label, text);
    return oid;
}

// Strict dotted quad, four numbers of 0..255 of at most three digits each.
bool parseIp(const QString& text, QByteArray& out)
{
    const QStringList parts = text.split(u'.');
    if (parts.size() != 4)
        return false;
    out.clear();
    for (const QString& p : parts) {
        if (p.isEmpty() || p.size() > 3)
            return false;
        for (QChar c : p)
            if (c < u'0' || c > u'9')
                return false;
        const int v = p.toInt();
        if (v > 255)
            return false;
        out.append(char(v));
    }
    return true;
}

QByteArray ipOrRaise(const QString& text, const QString& label)
{
    QByteArray b;
    if (!parseIp(text, b))
        KtRaiseBadValue(label, text);
    return b;
}

// Hexadecimal typed for a value: spaces aside, digits 0-9 and A-F only. Any other character
// would be sent as a 0 nibble nobody typed.
QByteArray hexOrRaise(const QString& text, const QString& label)
{
    for (QChar c : text) {
        const char16_t u = c.unicode();
        const bool digit = (u >= u'0' && u <= u'9') || (u >= u'a' && u <= u'f') || (u >= u'A' && u <= u'F');
        if (!digit && u != u' ')
            KtRaiseBadValue(label, text);
    }
    return KtHexToBytes(text);
}

QString ipText(const QByteArray& b)
{
    return QStringLiteral("%1.%2.%3.%4")
        .arg(std::uint8_t(b[0]))
        .arg(std::uint8_t(b[1]))
        .arg(std::uint8_t(b[2]))
        .arg(std::uint8_t(b[3]));
}

// Width of a fixed-size field, 0 for the syntaxes that take every byte from the index on,
// -1 for "null", -2 for a code no field has.
int fieldWidth(int syntax)
{
    switch (syntax) {
    case KtSyn::Boolean: case KtSyn::Integer: case KtSyn::IpAddress: case KtSyn::NsapAddr:
    case KtSyn::Counter: case KtSyn::Gauge: case KtSyn::UInteger: case KtSyn::TimeTicks:
        return 4;
    case KtSyn::Counter64: case KtSyn::Double: case KtSyn::BcDateTime:
        return 8;
    case KtSyn::MacAddress: return 6;
    case KtSyn::DateTime: return 11;
    case KtSyn::Ipv6Address: return 16;
    case KtSyn::Bool8: case KtSyn::Int8: case KtSyn::UInt8: return 1;
    case KtSyn::Bool16: case KtSyn::Int16: case KtSyn::UInt16: return 2;
    case KtSyn::BitStr: case KtSyn::OctetStr: case KtSyn::Opaque: case KtSyn::ObjectId:
    case KtSyn::DisplayStr:
        return 0;
    case KtSyn::Null: return -1;
    default: return -2;
    }
}

std::uint64_t vbUnsigned(const snmp::Varbind& vb)
{
    return vb.syntax == snmp::Syntax::Counter64 ? vb.counter64 : std::uint64_t(vb.integer);
}

// ---- index sub-identifiers ----------------------------------------------------------------

struct SubIds {
    snmp::Oid ids;
    std::size_t pos = 0;
    std::size_t left() const { return ids.size() - pos; }
    std::uint32_t take()
    {
        if (pos >= ids.size())
            KtRaise(KtErr::BadKeyCount);
        return ids[pos++];
    }
    void need(std::uint64_t n) const
    {
        if (n > left())
            KtRaise(KtErr::BadKeyCount);
    }
    QByteArray takeBytes(std::uint64_t n)
    {
        need(n);
        QByteArray b;
        b.reserve(qsizetype(n));
        for (std::uint64_t k = 0; k < n; ++k)
            b.append(char(ids[pos++] & 0xff));
        return b;
    }
};

QString joinIds(const snmp::Oid& ids, std::size_t from)
{
    QString out;
    for (std::size_t k = from; k < ids.size(); ++k) {
        if (k > from)
            out += u'.';
        out += QString::number(ids[k]);
    }
    return out;
}

void appendId(QString& out, std::uint64_t v)
{
    if (!out.isEmpty())
        out += u'.';
    out += QString::number(v);
}

void appendBytes(QString& out, const QByteArray& b, bool withLength)
{
    if (withLength)
        appendId(out, std::uint64_t(b.size()));
    for (char c : b)
        appendId(out, std::uint8_t(c));
}

} // namespace

// ---- text forms ---------------------------------------------------------------------------

QString KtBytesToHex(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes.toHex().toUpper());
}

QByteArray KtHexToBytes(const QString& text)
{
    QString digits = text;
    digits.remove(u' ');
    auto nibble = [](QChar c) -> int {
        const char16_t u = c.unicode();
        if (u >= u'0' && u <= u'9') return u - u'0';
        if (u >= u'a' && u <= u'f') return u - u'a' + 10;
        if (u >= u'A' && u <= u'F') return u - u'A' + 10;
        return 0;
    };
    QByteArray out;
    out.reserve(digits.size() / 2 + 1);
    qsizetype i = 0;
    if (digits.size() % 2) {
        out.append(char(nibble(digits[0])));
        i = 1;
    }
    for (; i + 1 < digits.size(); i += 2)
        out.append(char(nibble(digits[i]) << 4 | nibble(digits[i + 1])));
    return out;
}

QString KtTicksToText(std::uint32_t t)
{
    const unsigned long d = t / 8640000, h = (t % 8640000) / 360000, m = (t % 360000) / 6000,
                        s = (t % 6000) / 100, hs = t % 100;
    if (d == 0)
        return QString::asprintf("%lu:%02lu:%02lu.%02lu", h, m, s, hs);
    if (d == 1)
        return QString::asprintf("1 day %lu:%02lu:%02lu.%02lu", h, m, s, hs);
    return QString::asprintf("%lu days, %lu:%02lu:%02lu.%02lu", d, h, m, s, hs);
}

std::uint32_t KtTextToTicks(const QString& text)
{
    auto num = [&](qsizetype from) { return std::int64_t(toInt32(scanDecimal(text, from))); };
    std::int64_t total = 0;
    qsizetype p = 0;
    qsizetype q = text.indexOf(QLatin1String("days"));
    if (q >= 0) {
        total = num(0) * 8640000;
        p = q + 4;
    } else if ((q = text.indexOf(QLatin1String("day"))) >= 0) {
        total = num(0) * 8640000;
        p = q + 3;
    }
    if ((q = text.indexOf(u',', p)) >= 0)
        p = q + 1;
    if ((q = text.indexOf(u':', p)) >= 0) {
        total += num(p) * 360000;
        p = q + 1;
        if ((q = text.indexOf(u':', p)) >= 0) {
            total += num(p) * 6000;
            p = q + 1;
        }
    }
    if ((q = text.indexOf(u'.', p)) >= 0)
        total += num(p) * 100 + num(q + 1);
    return std::uint32_t(std::clamp<std::int64_t>(total, 0, std::numeric_limits<std::uint32_t>::max()));
}

QString KtRealToText(double value)
{
    return QString::number(value, 'g', 15);
}

double KtTextToReal(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    std::string num;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        negative = text[i++] == u'-';
    auto digitsInto = [&](std::string& s) {
        const qsizetype start = i;
        while (i < text.size() && text[i] >= u'0' && text[i] <= u'9')
            s += char(text[i++].unicode());
        return i > start;
    };
    bool any = digitsInto(num);
    if (i < text.size() && text[i] == u'.') {
        const qsizetype dot = i++;
        num += '.';
        const bool frac = digitsInto(num);
        if (!any && !frac) {
            i = dot;
            num.pop_back();
        }
        any = any || frac;
    }
    if (!any)
        return 0.0;
    if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        std::string exp = "e";
        qsizetype save = i++;
        if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
            exp += char(text[i++].unicode());
        if (digitsInto(exp))
            num += exp;
        else
            i = save;
    }
    double v = 0.0;
    const auto res = std::from_chars(num.data(), num.data() + num.size(), v, std::chars_format::general);
    if (res.ec == std::errc::result_out_of_range) {
        // Overflow or underflow: tell them apart by the size of the decimal exponent.
        const auto e = num.find('e');
        const bool tiny = e != std::string::npos && num[e + 1] == '-';
        v = tiny ? 0.0 : std::numeric_limits<double>::infinity();
    }
    return negative ? -v : v;
}

std::int32_t KtDecimalToInt32(const QString& text)
{
    return toInt32(scanDecimal(text));
}

std::uint32_t KtDecimalToUInt32(const QString& text)
{
    return toUInt32(scanDecimal(text));
}

std::uint64_t KtDecimalToUInt64(const QString& text)
{
    return toUInt64(scanDecimal(text));
}

// ---- variables ----------------------------------------------------------------------------

void ValueFromVb(KtSNMPVar& var, const snmp::Varbind& vb)
{
    const QByteArray bytes(vb.bytes.data(), qsizetype(vb.bytes.size()));
    const bool none = vb.hasNoValue();
    QString text;
    switch (var.Syntax) {
    case KtSyn::Boolean: text = none ? QString() : boolText(vb.integer != 0 || vb.counter64 != 0); break;
    case KtSyn::Integer: text = none ? QString() : QString::number(std::int32_t(vb.integer)); break;
    case KtSyn::BitStr: case KtSyn::OctetStr: case KtSyn::Opaque: case KtSyn::MacAddress:
    case KtSyn::Ipv6Address:
        text = KtBytesToHex(bytes);
        break;
    case KtSyn::Null: break;
    case KtSyn::ObjectId: text = QString::fromStdString(snmp::oidToText(vb.objectId)); break;
    case KtSyn::IpAddress: case KtSyn::NsapAddr:
        if (bytes.size() >= 4)
            text = ipText(bytes);
        break;
    case KtSyn::Counter: case KtSyn::Gauge: case KtSyn::UInteger:
        text = none ? QString() : QString::number(std::uint32_t(vbUnsigned(vb)));
        break;
    case KtSyn::TimeTicks: text = none ? QString() : KtTicksToText(std::uint32_t(vbUnsigned(vb))); break;
    case KtSyn::Counter64: text = none ? QString() : QString::number(vbUnsigned(vb)); break;
    // Octet strings shorter than the width read count their missing bytes as 0.
    case KtSyn::Double:
        if (!bytes.isEmpty())
            text = KtRealToText(bytesDouble(bytes));
        break;
    case KtSyn::DateTime:
        if (!bytes.isEmpty())
            text = KtDateTime::FromBytes(bytes).ToText();
        break;
    case KtSyn::BcDateTime:
        if (!bytes.isEmpty())
            text = KtSerialToText(bytesDouble(bytes));
        break;
    case KtSyn::DisplayStr: text = upToZero(bytes); break;
    default: KtRaise(KtErr::BadSyntax);
    }
    if (!isHexSyntax(var.Syntax) && var.Syntax != KtSyn::DisplayStr && (none || text.isEmpty()))
        text = KtNullText;
    if (var.Options)
        text = var.Options->ValueToText(text);
    var.Value = text;
}

bool KtVarbindFits(std::int32_t syntax, const snmp::Varbind& vb)
{
    using S = snmp::Syntax;
    const S t = vb.syntax;
    const bool number32 = t == S::Integer || t == S::Counter32 || t == S::Gauge32 || t == S::TimeTicks
        || t == S::UInteger32;
    const bool octets = t == S::OctetString || t == S::Opaque;
    switch (syntax) {
    case KtSyn::Null: return true;
    case KtSyn::Boolean: case KtSyn::Integer: case KtSyn::Counter: case KtSyn::Gauge: case KtSyn::UInteger:
    case KtSyn::TimeTicks:
        return number32;
    case KtSyn::Counter64: return number32 || t == S::Counter64;
    case KtSyn::BitStr: case KtSyn::OctetStr: case KtSyn::Opaque: case KtSyn::MacAddress:
    case KtSyn::Ipv6Address: case KtSyn::Double: case KtSyn::DateTime: case KtSyn::BcDateTime:
    case KtSyn::DisplayStr:
        return octets;
    case KtSyn::IpAddress: case KtSyn::NsapAddr:
        return t == S::IpAddress || t == S::NsapAddress || (octets && vb.bytes.size() == 4);
    case KtSyn::ObjectId: return t == S::ObjectId;
    default: return false;
    }
}

QString KtVarbindTypeName(const snmp::Varbind& vb)
{
    using S = snmp::Syntax;
    switch (vb.syntax) {
    case S::Integer: return QStringLiteral("INTEGER");
    case S::OctetString: return QStringLiteral("OCTET STRING");
    case S::Null: return QStringLiteral("NULL");
    case S::ObjectId: return QStringLiteral("OBJECT IDENTIFIER");
    case S::IpAddress: return QStringLiteral("IpAddress");
    case S::Counter32: return QStringLiteral("Counter32");
    case S::Gauge32: return QStringLiteral("Gauge32");
    case S::TimeTicks: return QStringLiteral("TimeTicks");
    case S::Opaque: return QStringLiteral("Opaque");
    case S::NsapAddress: return QStringLiteral("NsapAddress");
    case S::Counter64: return QStringLiteral("Counter64");
    case S::UInteger32: return QStringLiteral("UInteger32");
    case S::NoSuchObject: return QStringLiteral("noSuchObject");
    case S::NoSuchInstance: return QStringLiteral("noSuchInstance");
    case S::EndOfMibView: return QStringLiteral("endOfMibView");
    }
    return QStringLiteral("0x%1").arg(int(vb.syntax), 2, 16, QLatin1Char('0'));
}

void ValueToVb(const KtSNMPVar& var, snmp::Varbind& vb)
{
    const QString text = var.Options ? var.Options->TextToValue(var.Value) : var.Value;
    // "(NULL)" travels as a NULL varbind whatever the syntax.
    if (text == KtNullText) {
        vb.setNull();
        return;
    }
    auto octets = [&](const QByteArray& b) { vb.setBytes(snmp::Syntax::OctetString, b.toStdString()); };
    // A refusal names the variable and shows the text.
    const QString& label = var.Label;
    switch (var.Syntax) {
    case KtSyn::Boolean: vb.setInteger(isTrue(text) ? 1 : 0); break;
    case KtSyn::Integer: vb.setInteger(std::int32_t(numberOrRaise(text, var.Syntax, label))); break;
    case KtSyn::BitStr: case KtSyn::OctetStr: case KtSyn::Opaque: case KtSyn::MacAddress:
    case KtSyn::Ipv6Address:
        octets(hexOrRaise(text, label));
        break;
    case KtSyn::Null: vb.setNull(); break;
    case KtSyn::ObjectId: vb.setObjectId(oidOrRaise(text, label)); break;
    case KtSyn::IpAddress: case KtSyn::NsapAddr:
        vb.setBytes(snmp::Syntax::IpAddress, ipOrRaise(text, label).toStdString());
        break;
    case KtSyn::Counter: case KtSyn::Gauge: case KtSyn::UInteger:
        vb.setUnsigned(snmp::Syntax::Gauge32, std::uint32_t(numberOrRaise(text, var.Syntax, label)));
        break;
    case KtSyn::TimeTicks: vb.setUnsigned(snmp::Syntax::TimeTicks, ticksOrRaise(text, label)); break;
    case KtSyn::Counter64: vb.setCounter64(std::uint64_t(numberOrRaise(text, var.Syntax, label))); break;
    case KtSyn::Double: octets(doubleBytes(realOrRaise(text, label))); break;
    case KtSyn::DateTime: octets(KtDateTime(text).ToBytes()); break;
    case KtSyn::BcDateTime: octets(doubleBytes(serialOrRaise(text, label))); break;
    case KtSyn::DisplayStr: octets(textAsBytes(text, label)); break;
    default: KtRaise(KtErr::BadSyntax);
    }
}

QString DecodeIndex(KtSNMPVarList& list, int i, const QString& suffix)
{
    KtSNMPVar& var = list.Item(i);
    const bool implied = i + 1 == list.KeyCount && list.IsImplied(i);
    SubIds in;
    // A suffix that is no OID carries no sub-identifiers.
    if (!snmp::oidFromText(suffix.toStdString(), in.ids))
        in.ids.clear();

    auto twoWords = [&](bool highFirst) {
        const std::uint64_t a = in.take(), b = in.take();
        return highFirst ? (a << 32 | b) : (b << 32 | a);
    };
    QString text;
    QByteArray keyBytes;
    switch (var.Syntax) {
    case KtSyn::Boolean: text = boolText(in.take() != 0); break;
    case KtSyn::Integer: text = QString::number(std::int32_t(in.take())); break;
    case KtSyn::Counter: case KtSyn::Gauge: case KtSyn::UInteger: text = QString::number(in.take()); break;
    case KtSyn::TimeTicks: text = KtTicksToText(in.take()); break;
    case KtSyn::BitStr: case KtSyn::OctetStr: case KtSyn::Opaque: case KtSyn::DisplayStr: {
        const std::uint64_t n = implied ? in.left() : in.take();
        const QByteArray b = in.takeBytes(n);
        text = stringKeyText(b, var.Syntax);
        keyBytes = b.isNull() ? QByteArray("") : b;  // an empty key is bytes too
        break;
    }
    case KtSyn::ObjectId: {
        const std::uint64_t n = implied ? in.left() : in.take();
        in.need(n);
        text = joinIds(snmp::Oid(in.ids.begin() + std::ptrdiff_t(in.pos),
                                 in.ids.begin() + std::ptrdiff_t(in.pos + n)), 0);
        in.pos += std::size_t(n);
        break;
    }
    case KtSyn::IpAddress: case KtSyn::NsapAddr: text = ipText(in.takeBytes(4)); break;
    case KtSyn::Counter64: text = QString::number(twoWords(true)); break;
    case KtSyn::Double: text = KtRealToText(std::bit_cast<double>(twoWords(false))); break;
    case KtSyn::BcDateTime: text = KtSerialToText(std::bit_cast<double>(twoWords(false))); break;
    case KtSyn::MacAddress: text = KtBytesToHex(in.takeBytes(6)); break;
    case KtSyn::DateTime: text = KtDateTime::FromBytes(in.takeBytes(11)).ToText(); break;
    case KtSyn::Ipv6Address: text = KtBytesToHex(in.takeBytes(implied ? in.left() : 16)); break;
    case KtSyn::Null: text = KtNullText; break;
    default: KtRaise(KtErr::BadSyntax);
    }
    if (var.Options)
        text = var.Options->ValueToText(text);
    var.Value = text;
    var.KeyBytes = keyBytes;
    return joinIds(in.ids, in.pos);
}

QString EncodeIndex(const KtSNMPVarList& list, int i)
{
    const KtSNMPVar& var = list.Item(i);
    const QString text = var.Options ? var.Options->TextToValue(var.Value) : var.Value;
    const bool implied = i + 1 == list.KeyCount && list.IsImplied(i);
    QString out;
    auto doubleWords = [&](double d) {
        const std::uint64_t bits = std::bit_cast<std::uint64_t>(d);
        appendId(out, bits & 0xffffffffu);
        appendId(out, bits >> 32);
    };
    // A key typed as text that is no value of its syntax must not address another row.
    const QString& label = var.Label;
    switch (var.Syntax) {
    case KtSyn::Boolean: appendId(out, isTrue(text) ? 1 : 0); break;
    case KtSyn::Integer: appendId(out, std::uint32_t(std::int32_t(numberOrRaise(text, var.Syntax, label)))); break;
    case KtSyn::Counter: case KtSyn::Gauge: case KtSyn::UInteger:
        appendId(out, std::uint64_t(numberOrRaise(text, var.Syntax, label)));
        break;
    case KtSyn::TimeTicks: appendId(out, ticksOrRaise(text, label)); break;
    case KtSyn::BitStr: case KtSyn::OctetStr: case KtSyn::Opaque: case KtSyn::DisplayStr:
        // The bytes read, while the text still shows them: two keys may show alike.
        appendBytes(out, !var.KeyBytes.isNull() && stringKeyText(var.KeyBytes, var.Syntax) == text
                             ? var.KeyBytes : TextToBytes(text, var.Syntax, label),
                    !implied);
        break;
    case KtSyn::ObjectId: {
        const snmp::Oid oid = text == KtNullText ? snmp::Oid{} : oidOrRaise(text, label);
        if (!implied)
            appendId(out, oid.size());
        for (std::uint32_t id : oid)
            appendId(out, id);
        break;
    }
    case KtSyn::IpAddress: case KtSyn::NsapAddr: appendBytes(out, ipOrRaise(text, label), false); break;
    case KtSyn::Counter64: {
        const std::uint64_t v = std::uint64_t(numberOrRaise(text, var.Syntax, label));
        appendId(out, v >> 32);
        appendId(out, v & 0xffffffffu);
        break;
    }
    case KtSyn::Double: doubleWords(realOrRaise(text, label)); break;
    case KtSyn::BcDateTime: doubleWords(serialOrRaise(text, label)); break;
    case KtSyn::MacAddress: case KtSyn::Ipv6Address: {
        const qsizetype n = var.Syntax == KtSyn::MacAddress ? 6 : 16;
        // No text yet (the start of a walk) gives nothing; typed text must be the whole address,
        // or the row written would be another one.
        const QByteArray b = text == KtNullText || text == KtNotDoneText ? QByteArray() : hexOrRaise(text, label);
        if (b.size() == n)
            appendBytes(out, b, false);
        else if (!b.isEmpty())
            KtRaiseBadValue(label, text);
        break;
    }
    case KtSyn::DateTime: appendBytes(out, KtDateTime(text).ToBytes(), false); break;
    case KtSyn::Null: break;
    default: KtRaise(KtErr::BadSyntax);
    }
    return out;
}

QString EncodeInstance(const KtSNMPVarList& list)
{
    QString out;
    for (int k = 0; k < list.KeyCount && k < list.Count(); ++k) {
        const QString part = EncodeIndex(list, k);
        if (part.isEmpty())
            continue;  // a key that encodes to nothing must not leave an empty component
        if (!out.isEmpty())
            out += u'.';
        out += part;
    }
    return out;
}

// ---- byte forms -----------------------------------------------------------------------------

QByteArray TextToBytes(const QString& text, int syntax, const QString& label)
{
    if (fieldWidth(syntax) == -2)
        KtRaise(KtErr::BadSyntax);
    QByteArray out;
    // Both markers stand for no value: a column a walk passed has no bytes either.
    if (text == KtNullText || text == KtNotDoneText)
        return out;
    auto number = [&] { return numberOrRaise(text, syntax, label); };
    switch (syntax) {
    case KtSyn::Boolean: putLE(out, isTrue(text) ? 1 : 0, 4); break;
    case KtSyn::Integer: putLE(out, std::uint32_t(std::int32_t(number())), 4); break;
    case KtSyn::Counter: case KtSyn::Gauge: case KtSyn::UInteger: putLE(out, std::uint64_t(number()), 4); break;
    case KtSyn::TimeTicks: putLE(out, ticksOrRaise(text, label), 4); break;
    case KtSyn::Counter64: putLE(out, std::uint64_t(number()), 8); break;
    case KtSyn::Double: out = doubleBytes(realOrRaise(text, label)); break;
    case KtSyn::BcDateTime: out = doubleBytes(serialOrRaise(text, label)); break;
    case KtSyn::BitStr: case KtSyn::OctetStr: case KtSyn::Opaque: case KtSyn::MacAddress:
    case KtSyn::Ipv6Address:
        out = hexOrRaise(text, label);
        break;
    case KtSyn::ObjectId:
        for (std::uint32_t id : oidOrRaise(text, label))
            putLE(out, id, 4);
        break;
    case KtSyn::IpAddress: case KtSyn::NsapAddr: out = ipOrRaise(text, label); break;
    case KtSyn::DateTime: out = KtDateTime(text).ToBytes(); break;
    case KtSyn::DisplayStr: out = textAsBytes(text, label); break;
    case KtSyn::Null: break;
    case KtSyn::Bool8: out.append(char(isTrue(text) ? 1 : 0)); break;
    case KtSyn::Int8: case KtSyn::UInt8: out.append(char(std::uint8_t(number()))); break;
    case KtSyn::Bool16: out.append('\0').append(char(isTrue(text) ? 1 : 0)); break;
    case KtSyn::Int16: case KtSyn::UInt16: {
        const auto v = std::uint16_t(number());
        out.append(char(v >> 8)).append(char(v & 0xff));
        break;
    }
    }
    return out;
}

QString BytesToText(const QByteArray& b, int syntax)
{
    const int width = fieldWidth(syntax);
    if (width == -2)
        KtRaise(KtErr::BadSyntax);
    if (b.isEmpty())
        return syntax == KtSyn::DisplayStr ? QString() : QString(KtNullText);
    if (width > 0 && b.size() < width)
        KtRaise(KtErr::BadPartialValue);
    switch (syntax) {
    case KtSyn::Boolean: return boolText(getLE(b, 4) != 0);
    case KtSyn::Bool8: return boolText(b[0] != 0);
    case KtSyn::Bool16: return boolText(getBE16(b) != 0);
    case KtSyn::Integer: return QString::number(std::int32_t(getLE(b, 4)));
    case KtSyn::Counter: case KtSyn::Gauge: case KtSyn::UInteger: return QString::number(std::uint32_t(getLE(b, 4)));
    case KtSyn::TimeTicks: return KtTicksToText(std::uint32_t(getLE(b, 4)));
    case KtSyn::Counter64: return QString::number(getLE(b, 8));
    case KtSyn::Double: return KtRealToText(bytesDouble(b));
    case KtSyn::BcDateTime: return KtSerialToText(bytesDouble(b));
    case KtSyn::DateTime: return KtDateTime::FromBytes(b).ToText();
    case KtSyn::IpAddress: case KtSyn::NsapAddr: return ipText(b);
    case KtSyn::ObjectId: {
        // Trailing bytes short of a whole sub-identifier are ignored.
        snmp::Oid oid;
        for (qsizetype k = 0; k + 4 <= b.size(); k += 4)
            oid.push_back(std::uint32_t(getLE(b.mid(k, 4), 4)));
        return QString::fromStdString(snmp::oidToText(oid));
    }
    case KtSyn::BitStr: case KtSyn::OctetStr: case KtSyn::Opaque: case KtSyn::MacAddress:
    case KtSyn::Ipv6Address:
        return KtBytesToHex(b);
    case KtSyn::DisplayStr: return upToZero(b);
    case KtSyn::Null: return KtNullText;
    case KtSyn::Int8: return QString::number(std::int8_t(b[0]));
    case KtSyn::UInt8: return QString::number(std::uint8_t(b[0]));
    case KtSyn::Int16: return QString::number(std::int16_t(std::uint16_t(getBE16(b))));
    case KtSyn::UInt16: return QString::number(getBE16(b));
    }
    KtRaise(KtErr::BadSyntax);
}

QByteArray GetChunk(const QByteArray& bytes, int k, int syntax)
{
    const int width = fieldWidth(syntax);
    if (width == -2)
        KtRaise(KtErr::BadSyntax);
    if (bytes.isEmpty() || width == -1)
        return {};
    if (k < 0 || k > bytes.size())
        KtRaise(KtErr::PartialOutOfRange);
    if (width == 0)
        return bytes.mid(k);
    if (bytes.size() - k < width)
        KtRaise(KtErr::PartialOutOfRange);
    return bytes.mid(k, width);
}

void PutChunk(QByteArray& bytes, int k, const QByteArray& chunk)
{
    if (k < 0)
        KtRaise(KtErr::PartialOutOfRange);
    const qsizetype end = qsizetype(k) + chunk.size();
    if (bytes.size() < end)
        bytes.append(QByteArray(end - bytes.size(), '\0'));
    std::memcpy(bytes.data() + k, chunk.constData(), std::size_t(chunk.size()));
}

bool GetBit(const QByteArray& bytes, int bit)
{
    if (bit < 0)
        KtRaise(KtErr::PartialOutOfRange);
    // Agents may send a port list only as long as their own ports need: octets beyond its
    // end hold no ports.
    if (bit / 8 >= bytes.size())
        return false;
    return std::uint8_t(bytes[bit / 8]) & (0x80 >> (bit % 8));
}

void PutBit(QByteArray& bytes, int bit, bool on)
{
    if (bit < 0)
        KtRaise(KtErr::PartialOutOfRange);
    if (bytes.size() <= bit / 8)
        bytes.append(QByteArray(bit / 8 + 1 - bytes.size(), '\0'));
    const char mask = char(0x80 >> (bit % 8));
    bytes[bit / 8] = on ? char(bytes[bit / 8] | mask) : char(bytes[bit / 8] & ~mask);
}

QString FieldText(const KtSNMPVar& var, int byteIndex, int syntax, QByteArray* fieldBytes)
{
    const QString raw = var.Options ? var.Options->TextToValue(var.Value) : var.Value;
    // A variable not read yet has no bytes (rather than a refusal of its empty text).
    const auto whole = [&] { return raw.isEmpty() ? QByteArray() : TextToBytes(raw, var.Syntax, var.Label); };
    if (byteIndex == 0 && syntax == var.Syntax) {
        if (fieldBytes)
            *fieldBytes = whole();
        return raw;
    }
    const QByteArray chunk = GetChunk(whole(), byteIndex, syntax);
    if (fieldBytes)
        *fieldBytes = chunk;
    return BytesToText(chunk, syntax);
}
