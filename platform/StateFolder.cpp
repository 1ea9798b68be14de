#include "platform/StateFolder.h"

#include <QDir>
#include <QFileInfo>

#include <sys/stat.h>

namespace platform {

QString StateFolderPath()
{
    QString base = qEnvironmentVariable("XDG_STATE_HOME");
    // A relative XDG_STATE_HOME is to be ignored (XDG base directories).
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::home().filePath(QStringLiteral(".local/state"));
    return QDir(base).filePath(QStringLiteral("vkr2207"));
}

QString StateFolder()
{
    const QString path = StateFolderPath();
    const QFileInfo info(path);
    if (info.isSymLink())
        return {};
    if (!info.exists()) {
        if (!QDir().mkpath(QFileInfo(path).absolutePath()))
            return {};
        if (::mkdir(QFile::encodeName(path).constData(), 0700) != 0 && !QFileInfo(path).isDir())
            return {};
    }
    const QFileInfo made(path);
    if (made.isSymLink() || !made.isDir())
        return {};
    return path;
}

} // namespace platform
