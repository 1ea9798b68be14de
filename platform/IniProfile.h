#pragma once
// Reading one value from an INI profile file.
#include <QString>
#include <optional>

namespace platform {

// The value of `key` in `section` of the file: section and key names compare without regard to
// case, the first matching section and within it the first matching key win, and the value is
// the text after the first '=' with surrounding blanks removed. std::nullopt when the file,
// the section or the key is missing.
std::optional<QString> ReadProfileString(const QString& fileName, const QString& section,
                                         const QString& key);

} // namespace platform
