#pragma once
// Small value types and text operations shared by the framework: number lists parsed from
// delimited text, an owned byte buffer, and a few text helpers.
#include <QChar>
#include <QString>
#include <QStringView>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <type_traits>
#include <vector>

// A list of numbers read from delimited text ("1,3,5"). Parsing never fails: every character
// other than the delimiter and "." counts as a digit by its code minus the code of "0", digits
// after a "." only nudge the item (truncated), and values wrap modulo 2^32.
template <typename T>
class KtNumList {
    static_assert(std::is_same_v<T, int> || std::is_same_v<T, unsigned int>,
                  "KtNumList holds int or unsigned int");

public:
    KtNumList() = default;

    // Replaces the items by the numbers of text.
    void Parse(QStringView text);
    // Number of items text would give: 0 for an empty text, else 1 + the delimiters in it.
    int CountItems(QStringView text) const;
    // Position of the first item equal to value, or -1.
    int IndexOf(T value) const;
    // True when min <= x <= max for every item (true for an empty list).
    bool AllInRange(T min, T max) const;
    // Item i; raises -12 "Out of range at index of array or list!" outside 0..Count()-1.
    T Item(int i) const;

    int Count() const { return static_cast<int>(m_items.size()); }
    const std::vector<T>& Items() const { return m_items; }
    QChar Delimiter() const { return m_delimiter; }
    void SetDelimiter(QChar delimiter) { m_delimiter = delimiter; }

private:
    std::vector<T> m_items;
    QChar m_delimiter = QLatin1Char('.');
};

extern template class KtNumList<int>;
extern template class KtNumList<unsigned int>;

// An owned byte buffer, created empty.
class KtBinaryString {
public:
    KtBinaryString() = default;
    KtBinaryString(const KtBinaryString&) = delete;
    KtBinaryString& operator=(const KtBinaryString&) = delete;
    KtBinaryString(KtBinaryString&&) noexcept = default;
    KtBinaryString& operator=(KtBinaryString&&) noexcept = default;

    uint32_t Length() const { return m_length; }
    const uint8_t* Data() const { return m_data.get(); }  // null while empty
    uint8_t* Data() { return m_data.get(); }
    // Replaces the contents by a copy of length bytes at data.
    void Assign(const void* data, uint32_t length);
    void Clear();

private:
    uint32_t m_length = 0;
    std::unique_ptr<uint8_t[]> m_data;
};

// directory + separator + name; an empty directory gives name, and no separator is added
// when the directory already ends with "/" (or "\").
QString JoinPath(const QString& directory, const QString& name);

// Every occurrence of pattern replaced, left to right; inserted text is not scanned again.
// An empty pattern leaves the text as it is.
QString ReplaceAll(const QString& text, const QString& pattern, const QString& replacement);

// The text between a leading and a trailing double quote; any other text unchanged.
QString StripQuotes(const QString& text);

// From 1-based position start, the position of the last character of the run of characters
// that belong to chars; 0 when the character at start does not belong (or start is outside
// the text).
int SpanOf(const QString& text, int start, const QString& chars);
