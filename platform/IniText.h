#pragma once
// The line format shared by the registry file and INI profiles: "[section]" headers followed by
// "name=value" lines. Kept deliberately small: no escapes, no quoting, no continuation lines.
#include <QByteArray>
#include <QString>
#include <utility>
#include <vector>

namespace platform {

struct IniSection {
    QString name;                                      // text between the brackets, trimmed
    std::vector<std::pair<QString, QString>> values;   // name trimmed, value trimmed
};

// Parses file contents (UTF-8, optional BOM, LF or CRLF). Lines starting with ';' or '#' and
// lines without '=' are skipped; a value line before the first header belongs to no section
// and is dropped. Sections and names are kept in file order, duplicates included.
std::vector<IniSection> ParseIniText(const QByteArray& data);

// Case-insensitive comparison used for section, key and value names.
bool IniNameEquals(const QString& a, const QString& b);

// Removes blanks (spaces and tabs) at both ends; other characters are kept.
QString TrimBlanks(const QString& text);

} // namespace platform
