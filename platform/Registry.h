#pragma once
// The host suite's machine-wide registry keys, kept in one INI-style file of our own:
// key paths (below HKEY_LOCAL_MACHINE, without the leading '\') are section names and values
// are "name=value" lines, for example
//
//   [SOFTWARE\Norvale\Modules\HelpPath]
//   1.3.6.1.4.1.32473.10.101.1=C:\Modules\VKR2207\VKR2207.hlp
//
// Key and value names compare without regard to case, as the registry does. Values are text.
#include <QString>
#include <optional>

namespace platform {

// The registry file: $VKR_REGISTRY_FILE when set, else
// <generic configuration folder>/vkr2207/registry.ini.
QString RegistryFilePath();

class RegistryKey {
public:
    // Opens the key; with `create` a missing key is added (and the file and its folder made).
    // std::nullopt when the key is missing and not created, or cannot be created.
    static std::optional<RegistryKey> Open(const QString& keyPath, bool create);

    // The value's text; std::nullopt when the key or the value is missing.
    std::optional<QString> ReadString(const QString& valueName) const;

    // Sets (adds or replaces) a value. False when the file cannot be written or the name or
    // text cannot be stored in a line (line breaks, '=' in the name, empty name).
    bool WriteString(const QString& valueName, const QString& value);

    const QString& Path() const { return m_path; }

private:
    RegistryKey(QString file, QString path) : m_file(std::move(file)), m_path(std::move(path)) {}
    QString m_file;
    QString m_path;  // normalised key path, the section name
};

// Host paths come from Windows: '\' separators become '/' ("..\Conf\MBF\" is "../Conf/MBF/").
QString ToLocalPath(QString windowsPath);

} // namespace platform
