#include "platform/Process.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace platform {

QString FindProgram(const QString& name, const QString& firstFolder)
{
    if (name.isEmpty() || name.contains(u'/'))
        return QString();
    if (!firstFolder.isEmpty()) {
        const QFileInfo local(QDir(firstFolder).filePath(name));
        if (local.isFile() && local.isExecutable())
            return local.absoluteFilePath();
    }
    return QStandardPaths::findExecutable(name);
}

bool StartDetached(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    return process.startDetached();
}

} // namespace platform
