#include "KtNML/KtIni.h"

#include "platform/IniProfile.h"
#include "platform/IniText.h"

KtIni::KtIni(QString fileName) : m_fileName(std::move(fileName)) {}

QString KtIni::ReadString(const QString& section, const QString& key, const QString& def) const
{
    const auto value = platform::ReadProfileString(m_fileName, section, key);
    if (!value || value->isEmpty())
        return def;
    return platform::TrimBlanks(*value);
}
