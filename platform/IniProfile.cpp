#include "platform/IniProfile.h"

#include "platform/IniText.h"

#include <QFile>

namespace platform {

std::optional<QString> ReadProfileString(const QString& fileName, const QString& section,
                                         const QString& key)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const auto sections = ParseIniText(file.readAll());
    for (const IniSection& s : sections) {
        if (!IniNameEquals(s.name, section))
            continue;
        for (const auto& [name, value] : s.values) {
            if (IniNameEquals(name, key))
                return value;
        }
        return std::nullopt;  // only the first section of that name counts
    }
    return std::nullopt;
}

} // namespace platform
