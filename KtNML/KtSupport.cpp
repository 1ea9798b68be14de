#include "KtNML/KtSupport.h"

#include "KtNML/KtSNMPError.h"

#include <cmath>
#include <cstring>

namespace {

// Items wrap modulo 2^32 like the 32-bit arithmetic they stand for, without signed overflow.
template <typename T>
T Wrap(int64_t v)
{
    return static_cast<T>(static_cast<uint32_t>(static_cast<uint64_t>(v)));
}

} // namespace

template <typename T>
int KtNumList<T>::CountItems(QStringView text) const
{
    if (text.isEmpty())
        return 0;
    return 1 + static_cast<int>(text.count(m_delimiter));
}

template <typename T>
void KtNumList<T>::Parse(QStringView text)
{
    m_items.assign(static_cast<size_t>(CountItems(text)), T(0));
    size_t index = 0;
    double factor = 0;
    for (const QChar ch : text) {
        if (ch == m_delimiter) {
            ++index;
            factor = 0;
            continue;
        }
        if (ch == QLatin1Char('.')) {
            factor = 1;
            continue;
        }
        const int64_t digit = int64_t(ch.unicode()) - '0';
        T& item = m_items[index];
        if (factor != 0) {
            factor *= 0.1;
            // |item| < 2^32 and |factor * digit| < 2^16: the sum fits in 64 bits.
            item = Wrap<T>(static_cast<int64_t>(std::trunc(double(item) + factor * double(digit))));
        } else {
            item = Wrap<T>(int64_t(item) * 10 + digit);
        }
    }
}

template <typename T>
int KtNumList<T>::IndexOf(T value) const
{
    for (size_t i = 0; i < m_items.size(); ++i) {
        if (m_items[i] == value)
            return static_cast<int>(i);
    }
    return -1;
}

template <typename T>
bool KtNumList<T>::AllInRange(T min, T max) const
{
    for (const T x : m_items) {
        if (x < min || x > max)
            return false;
    }
    return true;
}

template <typename T>
T KtNumList<T>::Item(int i) const
{
    if (i < 0 || i >= Count())
        KtRaise(-12);
    return m_items[static_cast<size_t>(i)];
}

template class KtNumList<int>;
template class KtNumList<unsigned int>;

void KtBinaryString::Assign(const void* data, uint32_t length)
{
    if (length == 0) {
        Clear();
        return;
    }
    auto bytes = std::make_unique<uint8_t[]>(length);
    std::memcpy(bytes.get(), data, length);
    m_data = std::move(bytes);
    m_length = length;
}

void KtBinaryString::Clear()
{
    m_data.reset();
    m_length = 0;
}

QString JoinPath(const QString& directory, const QString& name)
{
    if (directory.isEmpty())
        return name;
    if (directory.endsWith(QLatin1Char('/')) || directory.endsWith(QLatin1Char('\\')))
        return directory + name;
    return directory + QLatin1Char('/') + name;
}

QString ReplaceAll(const QString& text, const QString& pattern, const QString& replacement)
{
    if (pattern.isEmpty())
        return text;
    QString result;
    qsizetype from = 0;
    for (;;) {
        const qsizetype at = text.indexOf(pattern, from);
        if (at < 0)
            break;
        result += QStringView(text).mid(from, at - from);
        result += replacement;
        from = at + pattern.size();
    }
    result += QStringView(text).mid(from);
    return result;
}

QString StripQuotes(const QString& text)
{
    if (text.isEmpty() || !text.startsWith(QLatin1Char('"')) || !text.endsWith(QLatin1Char('"')))
        return text;
    // A lone quote is both the first and the last character: nothing lies between.
    if (text.size() < 2)
        return QString();
    return text.mid(1, text.size() - 2);
}

int SpanOf(const QString& text, int start, const QString& chars)
{
    if (start < 1 || start > text.size())
        return 0;
    int pos = start;
    while (pos <= text.size() && chars.contains(text.at(pos - 1)))
        ++pos;
    return pos == start ? 0 : pos - 1;
}
