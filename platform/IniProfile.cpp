#include "platform/IniProfile.h"

#include "platform/IniText.h"
#include "platform/RegularFile.h"

namespace platform {

std::optional<QString> ReadProfileString(const QString& fileName, const QString& section,
                                         const QString& key)
{
    const auto data = ReadRegularFile(fileName);
    if (!data)
        return std::nullopt;
    const auto sections = ParseIniText(*data);
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
