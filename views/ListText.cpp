#include "views/ListText.h"

#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <cstdint>

namespace ListText {

namespace {

QString Quoted(const QString& cell)
{
    QString text = cell;
    text.replace(u'"', QStringLiteral("\"\""));
    return u'"' + text + u'"';
}

template <typename NeedsQuotes>
QString Join(const QStringList& captions, const std::vector<QStringList>& rows, QChar separator,
             const QString& lineEnd, NeedsQuotes needsQuotes)
{
    QString out;
    const auto line = [&](const QStringList& cells) {
        for (qsizetype i = 0; i < cells.size(); ++i) {
            if (i > 0)
                out += separator;
            out += needsQuotes(cells[i]) ? Quoted(cells[i]) : cells[i];
        }
        out += lineEnd;
    };
    line(captions);
    for (const QStringList& row : rows)
        line(row);
    return out;
}

// ---- natural order ------------------------------------------------------------------------

enum Rank { kNumber, kIpv4, kIpv6, kMac, kText, kBlank };

using Key = SortKey;
// Integer digits that SortKey::wholeValue holds: 10^19 - 1 fits in 64 bits.
constexpr qsizetype kWholeDigits = 19;

QString StripLeadingZeros(const QString& digits)
{
    qsizetype i = 0;
    while (i < digits.size() && digits[i] == u'0')
        ++i;
    return digits.mid(i);
}

QString StripTrailingZeros(const QString& digits)
{
    qsizetype n = digits.size();
    while (n > 0 && digits[n - 1] == u'0')
        --n;
    return digits.left(n);
}

bool AllDigits(QStringView text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

bool ParseNumber(const QString& text, Key& key)
{
    // A plain count, as most cells of a table are: no pattern to match.
    if (AllDigits(text)) {
        key.rank = kNumber;
        key.whole = StripLeadingZeros(text);
        return true;
    }
    const QChar first = text.front();
    if (!first.isDigit() && first != u'+' && first != u'-')
        return false;
    static const QRegularExpression number(QStringLiteral(
        R"(^([+-]?)(\d+)(?:\.(\d+))?(?:\s*([A-Za-z%/]+(?: [A-Za-z%/]+)*))?$)"));
    const QRegularExpressionMatch m = number.match(text);
    if (!m.hasMatch())
        return false;
    key.rank = kNumber;
    key.whole = StripLeadingZeros(m.captured(2));
    key.fraction = StripTrailingZeros(m.captured(3));
    key.negative = m.captured(1) == QLatin1String("-") && !(key.whole.isEmpty() && key.fraction.isEmpty());
    key.unit = m.captured(4);
    return true;
}

bool ParseIpv4(const QString& text, Key& key)
{
    if (text.size() < 7 || text.size() > 15 || !text.front().isDigit() || !text.contains(u'.'))
        return false;
    static const QRegularExpression ipv4(QStringLiteral(R"(^(\d{1,3})\.(\d{1,3})\.(\d{1,3})\.(\d{1,3})$)"));
    const QRegularExpressionMatch m = ipv4.match(text);
    if (!m.hasMatch())
        return false;
    for (int i = 0; i < 4; ++i) {
        const int part = m.captured(i + 1).toInt();
        if (part > 255)
            return false;
        key.address[std::size_t(i)] = std::uint16_t(part);
    }
    key.rank = kIpv4;
    return true;
}

bool ParseMac(const QString& text, Key& key)
{
    if (text.size() != 12 && text.size() != 17)
        return false;
    static const QRegularExpression separated(
        QStringLiteral(R"(^[0-9A-Fa-f]{2}([-: ])[0-9A-Fa-f]{2}(?:\1[0-9A-Fa-f]{2}){4}$)"));
    // Twelve hex digits with a letter among them: twelve decimal digits are a number.
    static const QRegularExpression plain(QStringLiteral(R"(^(?=.*[A-Fa-f])[0-9A-Fa-f]{12}$)"));
    if (!separated.match(text).hasMatch() && !plain.match(text).hasMatch())
        return false;
    QString digits = text;
    digits.remove(QRegularExpression(QStringLiteral("[-: ]")));
    for (int i = 0; i < 6; ++i)
        key.address[std::size_t(i)] = std::uint16_t(digits.mid(2 * i, 2).toUInt(nullptr, 16));
    key.rank = kMac;
    return true;
}

bool ParseGroups(const QString& part, std::vector<std::uint16_t>& groups)
{
    if (part.isEmpty())
        return true;
    static const QRegularExpression group(QStringLiteral("^[0-9A-Fa-f]{1,4}$"));
    for (const QString& g : part.split(u':')) {
        if (!group.match(g).hasMatch())
            return false;
        groups.push_back(std::uint16_t(g.toUInt(nullptr, 16)));
    }
    return true;
}

bool ParseIpv6(const QString& text, Key& key)
{
    if (!text.contains(u':'))
        return false;
    const qsizetype gap = text.indexOf(QLatin1String("::"));
    if (gap >= 0 && text.indexOf(QLatin1String("::"), gap + 1) >= 0)
        return false;
    std::vector<std::uint16_t> head;
    std::vector<std::uint16_t> tail;
    if (gap < 0) {
        if (!ParseGroups(text, head) || head.size() != 8)
            return false;
    } else if (!ParseGroups(text.left(gap), head) || !ParseGroups(text.mid(gap + 2), tail)
               || head.size() + tail.size() > 7) {
        return false;
    }
    key.address.fill(0);
    for (std::size_t i = 0; i < head.size(); ++i)
        key.address[i] = head[i];
    for (std::size_t i = 0; i < tail.size(); ++i)
        key.address[8 - tail.size() + i] = tail[i];
    key.rank = kIpv6;
    return true;
}

} // namespace

SortKey MakeSortKey(const QString& cell)
{
    Key key;
    key.cell = cell;
    const QString text = cell.trimmed();
    if (text.isEmpty()) {
        key.rank = kBlank;
        return key;
    }
    if (!ParseIpv4(text, key) && !ParseMac(text, key) && !ParseIpv6(text, key) && !ParseNumber(text, key)) {
        key.rank = kText;
        key.text = text;
    }
    if (key.rank == kNumber && key.whole.size() <= kWholeDigits)
        for (QChar digit : key.whole)
            key.wholeValue = key.wholeValue * 10 + std::uint64_t(digit.unicode() - u'0');
    return key;
}

namespace {

template <typename T>
int Sign(T a, T b)
{
    return a < b ? -1 : (a > b ? 1 : 0);
}

// Digit strings without leading zeros: the longer is the larger.
int CompareWhole(QStringView a, QStringView b)
{
    if (a.size() != b.size())
        return Sign(a.size(), b.size());
    return Sign(a.compare(b), 0);
}

QStringView StripLeadingZeros(QStringView digits)
{
    qsizetype i = 0;
    while (i < digits.size() && digits[i] == u'0')
        ++i;
    return digits.mid(i);
}

int CompareNumbers(const Key& a, const Key& b)
{
    if (a.negative != b.negative)
        return a.negative ? -1 : 1;
    // Sorting a long list compares numbers mostly: by value where both fit in 64 bits.
    int magnitude = a.whole.size() <= kWholeDigits && b.whole.size() <= kWholeDigits
        ? Sign(a.wholeValue, b.wholeValue)
        : CompareWhole(a.whole, b.whole);
    if (magnitude == 0)
        magnitude = Sign(QString::compare(a.fraction, b.fraction), 0);
    if (magnitude != 0)
        return a.negative ? -magnitude : magnitude;
    return Sign(QString::compare(a.unit, b.unit, Qt::CaseInsensitive), 0);
}

// Text in runs of digits and runs of other characters; digit runs by value, the others
// without regard to case. A digit run against another run is decided by its first character,
// which keeps the order transitive.
int CompareText(const QString& a, const QString& b)
{
    qsizetype i = 0;
    qsizetype j = 0;
    // Views into the texts: sorting compares many pairs, none of them copies a run.
    const auto run = [](const QString& s, qsizetype& at) {
        const qsizetype from = at;
        const bool digits = s[at].isDigit();
        while (at < s.size() && s[at].isDigit() == digits)
            ++at;
        return QStringView(s).mid(from, at - from);
    };
    while (i < a.size() && j < b.size()) {
        const QStringView ra = run(a, i);
        const QStringView rb = run(b, j);
        int order = 0;
        if (ra[0].isDigit() && rb[0].isDigit()) {
            order = CompareWhole(StripLeadingZeros(ra), StripLeadingZeros(rb));
            if (order == 0)
                order = Sign(ra.size(), rb.size());  // "007" after "7"
        } else {
            order = Sign(ra.compare(rb, Qt::CaseInsensitive), 0);
        }
        if (order != 0)
            return order;
    }
    return Sign(a.size() - i, b.size() - j);
}

} // namespace

QString TabSeparated(const QStringList& captions, const std::vector<QStringList>& rows)
{
    return Join(captions, rows, u'\t', QStringLiteral("\n"), [](const QString& cell) {
        return cell.contains(u'\t') || cell.contains(u'\n') || cell.contains(u'\r') || cell.startsWith(u'"');
    });
}

QString CommaSeparated(const QStringList& captions, const std::vector<QStringList>& rows)
{
    return Join(captions, rows, u',', QStringLiteral("\r\n"), [](const QString& cell) {
        return cell.contains(u',') || cell.contains(u'"') || cell.contains(u'\n') || cell.contains(u'\r');
    });
}

bool IsBlank(const QString& cell)
{
    return cell.trimmed().isEmpty();
}

bool IsBlankKey(const SortKey& key)
{
    return key.rank == kBlank;
}

int NaturalCompare(const QString& a, const QString& b)
{
    return CompareKeys(MakeSortKey(a), MakeSortKey(b));
}

namespace {

// The natural order of texts (CompareText) as 16-bit units compared one by one: a run of other
// characters case-folded, and 1 after it where a run of digits follows (a text starting with
// digits has a '0' there instead, which stands against other characters as a digit does); a
// run of digits as its length without leading zeros, those digits, and its length as written.
// The first sixteen units go into the key. False where they cannot tell the order (a character
// outside the BMP or folded below 2, a digit other than 0-9).
bool PackText(const QString& text, PackedKey& packed)
{
    std::array<char16_t, 16> units{};
    std::size_t n = 0;
    const auto put = [&](char16_t unit) {
        if (n < units.size())
            units[n++] = unit;
    };
    qsizetype i = 0;
    while (i < text.size() && n < units.size()) {
        const qsizetype from = i;
        const bool digits = text[i].isDigit();
        while (i < text.size() && text[i].isDigit() == digits)
            ++i;
        if (digits) {
            if (i - from > 0xFFFF)
                return false;
            qsizetype lead = from;
            for (qsizetype k = from; k < i; ++k)
                if (text[k] < u'0' || text[k] > u'9')
                    return false;
            while (lead < i && text[lead] == u'0')
                ++lead;
            if (from == 0)
                put(u'0');
            put(char16_t(i - lead));
            for (qsizetype k = lead; k < i; ++k)
                put(text[k].unicode());
            put(char16_t(i - from));
        } else {
            for (qsizetype k = from; k < i; ++k) {
                if (text[k].isSurrogate())
                    return false;
                const char16_t folded = text[k].toCaseFolded().unicode();
                if (folded < 2)
                    return false;
                put(folded);
            }
            if (i < text.size())
                put(1);
        }
    }
    for (std::size_t k = 0; k < units.size(); ++k)
        packed.words[k / 4] = packed.words[k / 4] << 16 | units[k];
    packed.ordered = true;
    return true;
}

} // namespace

PackedKey PackSortKey(const SortKey& key)
{
    PackedKey packed;
    packed.rank = key.rank;
    packed.blank = key.rank == kBlank;
    switch (Rank(key.rank)) {
    case kNumber:
        // Negative numbers first, the larger magnitude first among them.
        packed.exact = key.fraction.isEmpty() && key.unit.isEmpty() && key.whole.size() <= kWholeDigits;
        packed.words[0] = key.negative ? 0 : 1;
        packed.words[1] = key.negative ? ~key.wholeValue : key.wholeValue;
        packed.ordered = packed.exact;
        break;
    case kIpv4:
    case kIpv6:
    case kMac:
        packed.exact = packed.ordered = true;
        for (std::size_t i = 0; i < 4; ++i) {
            packed.words[0] = packed.words[0] << 16 | key.address[i];
            packed.words[1] = packed.words[1] << 16 | key.address[i + 4];
        }
        break;
    case kText:
        PackText(key.text, packed);
        break;
    case kBlank:
        break;
    }
    return packed;
}

int ComparePacked(const PackedKey& pa, const QString& cellA, const SortKey* fullA, const PackedKey& pb,
                  const QString& cellB, const SortKey* fullB)
{
    if (pa.rank != pb.rank)
        return Sign(pa.rank, pb.rank);
    if (pa.ordered && pb.ordered) {
        if (const int order = Sign(pa.words, pb.words))
            return order;
        if (pa.exact && pb.exact)
            return Sign(QString::compare(cellA, cellB), 0);  // equal by value: the cells decide
    }
    if (fullA && fullB)
        return CompareKeys(*fullA, *fullB);
    return CompareKeys(fullA ? *fullA : MakeSortKey(cellA), fullB ? *fullB : MakeSortKey(cellB));
}

int CompareKeys(const SortKey& ka, const SortKey& kb)
{
    if (ka.rank != kb.rank)
        return Sign(ka.rank, kb.rank);
    int order = 0;
    switch (Rank(ka.rank)) {
    case kNumber:
        order = CompareNumbers(ka, kb);
        break;
    case kIpv4:
    case kIpv6:
    case kMac:
        order = Sign(ka.address, kb.address);
        break;
    case kText:
        order = CompareText(ka.text, kb.text);
        break;
    case kBlank:
        break;
    }
    // Equal by value ("10" and "010", "a" and "A"): the text decides, so the order is total.
    return order != 0 ? order : Sign(QString::compare(ka.cell, kb.cell), 0);
}

} // namespace ListText
