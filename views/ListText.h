#pragma once
// The text a list view's rows become when they leave the module (clipboard, CSV file), and the
// order its header sorts them in. No widgets here: rows are lists of cell texts as shown.
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <vector>

namespace ListText {

// Tab-separated rows for the clipboard, the captions first, one line per row ending in '\n'.
// A cell holding a tab, a line break or a leading quote is quoted (quotes doubled), as
// spreadsheets read pasted text; every other cell goes as it is.
QString TabSeparated(const QStringList& captions, const std::vector<QStringList>& rows);

// Comma-separated values: a cell with a comma, a quote, CR or LF is quoted with its quotes
// doubled; lines end in CRLF, the last one too.
QString CommaSeparated(const QStringList& captions, const std::vector<QStringList>& rows);

// The natural order of two cells: < 0, 0 or > 0. Numbers (signed, with a decimal part or a
// simple unit suffix such as "100 Mbps" or "5%") by value, dotted IPv4 addresses, MAC addresses
// (00-11-22-33-44-55, 00:11:22:33:44:55 or 001122aabbcc) and IPv6 addresses by value, anything
// else as text without regard to case with runs of digits by value ("Port 2" before "Port 10").
// Each cell is of one kind alone, so the order is a strict weak order: numbers, then IPv4,
// IPv6 and MAC addresses, then text. A blank cell comes after every other one.
int NaturalCompare(const QString& a, const QString& b);

// A cell parsed once for NaturalCompare, for sorting many rows without parsing again.
struct SortKey {
    int rank = 0;  // numbers, IPv4, IPv6, MAC addresses, text, blank
    // A number: sign, integer digits without leading zeros, decimal digits without trailing
    // zeros (as text, so 64-bit counters compare exactly), and its unit.
    bool negative = false;
    QString whole;
    std::uint64_t wholeValue = 0;  // whole as a number, where it has at most 19 digits
    QString fraction;
    QString unit;
    // An address, most significant part first.
    std::array<std::uint16_t, 8> address{};
    QString text;  // trimmed
    QString cell;  // as given
};
SortKey MakeSortKey(const QString& cell);
// NaturalCompare of the cells the keys were made from.
int CompareKeys(const SortKey& a, const SortKey& b);

// A key's place in four 64-bit numbers where they decide its order among keys of its kind
// (numbers of up to 19 digits without a fraction or unit, addresses; the first characters of a
// text): sorting a long list compares these side by side, and reads the keys themselves only
// for the rest.
struct PackedKey {
    int rank = 0;
    bool blank = false;    // IsBlankKey of the key
    bool ordered = false;  // two ordered keys of the rank that differ in words are in their words' order
    bool exact = false;    // ordered, and equal words mean equal values (the cells decide)
    std::array<std::uint64_t, 4> words{};
};
PackedKey PackSortKey(const SortKey& key);
// CompareKeys of the keys of two cells, from their packed keys and the cells (on a tie);
// fullA / fullB: the cell's whole key, needed only where its packed key is not exact (null
// there: it is made again from the cell).
int ComparePacked(const PackedKey& pa, const QString& cellA, const SortKey* fullA, const PackedKey& pb,
                  const QString& cellB, const SortKey* fullB);

// Whether a cell sorts as blank (empty or white space): such cells stay last in either order.
bool IsBlank(const QString& cell);
// IsBlank of the cell the key was made from.
bool IsBlankKey(const SortKey& key);

} // namespace ListText
