#pragma once
// Where the files a program reads at run time are: beside the program in a build folder
// (bin/errmsg, bin/help, bin/sim), and in <prefix>/share/vkr2207 once installed, found from
// the program's own folder so that a moved or DESTDIR-staged tree still finds its own files.
#include <QString>
#include <QStringList>

namespace platform {

// The folders searched, in order: the program folder, then its installed data folder.
QStringList DataFolderCandidates(const QString& programFolder);

// The first candidate that holds `probe` (a relative file or folder name); the program folder
// when none does, so that messages name the place a build folder would have it.
QString DataFolder(const QString& programFolder, const QString& probe);

} // namespace platform
