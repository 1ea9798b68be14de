#include "platform/DataFolder.h"

#include <QDir>
#include <QFileInfo>

namespace platform {

QStringList DataFolderCandidates(const QString& programFolder)
{
    const QDir program(programFolder);
    return {QDir::cleanPath(program.absolutePath()),
            QDir::cleanPath(program.absoluteFilePath(QStringLiteral(VKR_DATA_FROM_BIN)))};
}

QString DataFolder(const QString& programFolder, const QString& probe)
{
    const QStringList candidates = DataFolderCandidates(programFolder);
    for (const QString& folder : candidates)
        if (QFileInfo::exists(QDir(folder).filePath(probe)))
            return folder;
    return candidates.front();
}

} // namespace platform
