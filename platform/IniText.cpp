#include "platform/IniText.h"

#include <QStringList>

namespace platform {

QString TrimBlanks(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    auto blank = [](QChar c) { return c == u' ' || c == u'\t'; };
    while (begin < end && blank(text[begin]))
        ++begin;
    while (end > begin && blank(text[end - 1]))
        --end;
    return text.mid(begin, end - begin);
}

bool IniNameEquals(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

std::vector<IniSection> ParseIniText(const QByteArray& data)
{
    QString text = QString::fromUtf8(data);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);

    std::vector<IniSection> sections;
    const auto lines = text.split(u'\n');
    for (QString line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        const QString trimmed = TrimBlanks(line);
        if (trimmed.isEmpty() || trimmed.startsWith(u';') || trimmed.startsWith(u'#'))
            continue;
        if (trimmed.startsWith(u'[')) {
            const qsizetype close = trimmed.lastIndexOf(u']');
            if (close > 0) {
                sections.push_back({TrimBlanks(trimmed.mid(1, close - 1)), {}});
                continue;
            }
        }
        const qsizetype eq = trimmed.indexOf(u'=');
        if (eq < 0 || sections.empty())
            continue;
        sections.back().values.emplace_back(TrimBlanks(trimmed.left(eq)),
                                            TrimBlanks(trimmed.mid(eq + 1)));
    }
    return sections;
}

} // namespace platform
