#include "KtNML/KtOptionList.h"

#include <limits>

KtOptionList::KtOptionList(const KtOptionPair* table, bool caseSensitive)
    : m_valueType(KtOptValue::Integer), m_caseSensitive(caseSensitive)
{
    Add(table);
}

KtOptionList::KtOptionList(std::initializer_list<KtOptionPair> pairs, bool caseSensitive)
    : m_valueType(KtOptValue::Integer), m_caseSensitive(caseSensitive)
{
    for (const KtOptionPair& p : pairs) {
        if (!p.text)
            break;
        m_options.push_back({p.value, QString::number(p.value), QString::fromUtf8(p.text)});
    }
}

KtOptionList::KtOptionList(const KtOptionTextPair* table, std::uint32_t valueType, bool caseSensitive)
    : m_valueType(valueType), m_caseSensitive(caseSensitive)
{
    Add(table);
}

void KtOptionList::Add(const KtOptionPair* table)
{
    for (; table && table->text; ++table)
        m_options.push_back({table->value, QString::number(table->value), QString::fromUtf8(table->text)});
}

void KtOptionList::Add(const KtOptionTextPair* table)
{
    for (; table && table->text; ++table) {
        KtOption o;
        o.valueText = QString::fromUtf8(table->value ? table->value : "");
        o.text = QString::fromUtf8(table->text);
        m_options.push_back(std::move(o));
    }
}

bool KtOptionList::WholeMatch(const QString& a, const QString& b) const
{
    // The option texts are plain ASCII, where Qt's case folding and the locale collation agree.
    return a.compare(b, m_caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive) == 0;
}

bool KtOptionList::PrefixMatch(const QString& text, const QString& prefix) const
{
    return text.startsWith(prefix, m_caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive);
}

int KtOptionList::IndexOfText(const QString& text) const
{
    for (int i = 0; i < Count(); ++i) {
        const QString& t = m_options[std::size_t(i)].text;
        if (m_valueType == KtOptValue::Prefix ? PrefixMatch(text, t) : WholeMatch(text, t))
            return i;
    }
    return -1;
}

int KtOptionList::IndexOfValue(const QString& valueText) const
{
    if (m_valueType == KtOptValue::Integer) {
        std::int32_t v = 0;
        if (valueText == QLatin1String("(NULL)") || !KtStrictToInt(valueText, v))
            return -1;
        for (int i = 0; i < Count(); ++i)
            if (m_options[std::size_t(i)].value == v)
                return i;
        return -1;
    }
    for (int i = 0; i < Count(); ++i) {
        const QString& v = m_options[std::size_t(i)].valueText;
        if (m_valueType == KtOptValue::Prefix ? PrefixMatch(valueText, v) : WholeMatch(valueText, v))
            return i;
    }
    return -1;
}

QString KtOptionList::ValueToText(const QString& valueText) const
{
    const int i = IndexOfValue(valueText);
    if (i < 0)
        return valueText;
    const KtOption& o = m_options[std::size_t(i)];
    if (m_valueType == KtOptValue::Prefix)
        return o.text + valueText.mid(o.valueText.size());
    return o.text;
}

QString KtOptionList::TextToValue(const QString& text) const
{
    const int i = IndexOfText(text);
    if (i < 0)
        return text;
    const KtOption& o = m_options[std::size_t(i)];
    if (m_valueType == KtOptValue::Integer)
        return QString::number(o.value);
    if (m_valueType == KtOptValue::Prefix)
        return o.valueText + text.mid(o.text.size());
    return o.valueText;
}

QStringList KtOptionList::Texts() const
{
    QStringList out;
    out.reserve(Count());
    for (const KtOption& o : m_options)
        out << o.text;
    return out;
}

int KtOptionList::SelectionIndex(const QString& text) const
{
    const int i = IndexOfText(text);
    return i >= 0 ? i : IndexOfValue(text);
}

bool KtStrictToInt(const QString& text, std::int32_t& out)
{
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        negative = text[i++] == u'-';
    if (i == text.size())
        return false;
    std::int64_t v = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return false;
        v = v * 10 + (c - u'0');
        if (v > std::int64_t(std::numeric_limits<std::int32_t>::max()) + 1)
            return false;
    }
    if (negative)
        v = -v;
    if (v > std::numeric_limits<std::int32_t>::max())
        return false;
    out = std::int32_t(v);
    return true;
}
