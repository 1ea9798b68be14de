#include "platform/Registry.h"

#include "platform/IniText.h"
#include "platform/RegularFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringList>

namespace platform {
namespace {

QString NormaliseKeyPath(QString path)
{
    path = TrimBlanks(path);
    while (path.startsWith(u'\\'))
        path.remove(0, 1);
    while (path.endsWith(u'\\'))
        path.chop(1);
    return path;
}

bool HasLineBreak(const QString& s)
{
    return s.contains(u'\n') || s.contains(u'\r');
}

// A missing file holds no keys; anything but a regular file is refused.
std::optional<QByteArray> ReadAll(const QString& fileName)
{
    bool missing = false;
    auto data = ReadRegularFile(fileName, &missing);
    if (missing)
        return QByteArray();
    return data;
}

bool WriteAll(const QString& fileName, const QByteArray& data)
{
    if (!WritableInPlace(fileName))
        return false;
    const QString folder = QFileInfo(fileName).absolutePath();
    if (!QDir().mkpath(folder))
        return false;
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // commit() renames even when its own flush fails: a full disk must not cut the file short.
    if (file.write(data) != data.size() || !file.flush())
        return false;
    return file.commit();
}

// Index of the line holding the first header of `section`, or -1.
qsizetype FindHeader(const QStringList& lines, const QString& section)
{
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString t = TrimBlanks(QString(lines[i]).remove(u'\r'));
        if (t.startsWith(u'[')) {
            const qsizetype close = t.lastIndexOf(u']');
            if (close > 0 && IniNameEquals(TrimBlanks(t.mid(1, close - 1)), section))
                return i;
        }
    }
    return -1;
}

bool IsHeader(const QString& line)
{
    const QString t = TrimBlanks(QString(line).remove(u'\r'));
    return t.startsWith(u'[') && t.lastIndexOf(u']') > 0;
}

} // namespace

QString RegistryFilePath()
{
    const QString overridden = qEnvironmentVariable("VKR_REGISTRY_FILE");
    if (!overridden.isEmpty())
        return overridden;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/vkr2207/registry.ini");
}

QString ToLocalPath(QString windowsPath)
{
    return windowsPath.replace(u'\\', u'/');
}

std::optional<RegistryKey> RegistryKey::Open(const QString& keyPath, bool create)
{
    const QString path = NormaliseKeyPath(keyPath);
    if (path.isEmpty() || HasLineBreak(path) || path.contains(u']'))
        return std::nullopt;
    const QString file = RegistryFilePath();
    const auto data = ReadAll(file);
    if (!data)
        return std::nullopt;
    for (const IniSection& s : ParseIniText(*data)) {
        if (IniNameEquals(s.name, path))
            return RegistryKey(file, path);
    }
    if (!create)
        return std::nullopt;

    QByteArray updated = *data;
    if (!updated.isEmpty() && !updated.endsWith('\n'))
        updated += '\n';
    updated += '[' + path.toUtf8() + "]\n";
    if (!WriteAll(file, updated))
        return std::nullopt;
    return RegistryKey(file, path);
}

std::optional<QString> RegistryKey::ReadString(const QString& valueName) const
{
    const auto data = ReadAll(m_file);
    if (!data)
        return std::nullopt;
    for (const IniSection& s : ParseIniText(*data)) {
        if (!IniNameEquals(s.name, m_path))
            continue;
        for (const auto& [name, value] : s.values) {
            if (IniNameEquals(name, valueName))
                return value;
        }
        return std::nullopt;
    }
    return std::nullopt;
}

bool RegistryKey::WriteString(const QString& valueName, const QString& value)
{
    const QString name = TrimBlanks(valueName);
    if (name.isEmpty() || name.contains(u'=') || name.startsWith(u'[') || name.startsWith(u';')
        || name.startsWith(u'#') || HasLineBreak(name) || HasLineBreak(value))
        return false;
    const auto data = ReadAll(m_file);
    if (!data)
        return false;

    QStringList lines = QString::fromUtf8(*data).split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    const QString entry = name + u'=' + value;

    qsizetype header = FindHeader(lines, m_path);
    if (header < 0) {
        // The key vanished since it was opened: add it again.
        lines.append(u'[' + m_path + u']');
        header = lines.size() - 1;
    }
    qsizetype insertAt = header + 1;
    for (qsizetype i = header + 1; i < lines.size() && !IsHeader(lines[i]); ++i) {
        const QString t = TrimBlanks(QString(lines[i]).remove(u'\r'));
        const qsizetype eq = t.indexOf(u'=');
        if (eq > 0 && !t.startsWith(u';') && !t.startsWith(u'#')
            && IniNameEquals(TrimBlanks(t.left(eq)), name)) {
            lines[i] = entry;
            return WriteAll(m_file, (lines.join(u'\n') + u'\n').toUtf8());
        }
        if (!t.isEmpty())
            insertAt = i + 1;
    }
    lines.insert(insertAt, entry);
    return WriteAll(m_file, (lines.join(u'\n') + u'\n').toUtf8());
}

} // namespace platform
