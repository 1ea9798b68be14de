#pragma once
// Where start-up finds the files the module reads: the registry's module and configuration
// folders, the message catalogues and the help document, and the report `--paths` prints.
#include <QString>
#include <QStringList>
#include <optional>

// The module folder the HelpPath key names (its value less the help file's 12 characters);
// std::nullopt when the key does not open. With `create` a missing key is added.
std::optional<QString> ModuleFolderFromRegistry(bool create);

// The configuration folder the host suite's keys name; empty when they name none.
QString ConfigFolderFromRegistry();

// The folder the message catalogues are read from ("" is the working folder). The registry's
// module folder when it names one; otherwise the working folder when it holds errmsg/, as a
// host that starts the module in its own folder expects, else the program's data folder
// (beside the program in a build folder, <prefix>/share/vkr2207 once installed).
QString CatalogueFolderFor(const QString& moduleFolder, const QString& programFolder);

// `--paths` anywhere on the command line asks for the report and nothing else.
bool PathsRequested(const QStringList& arguments);

// Where the program started from programFolder finds the registry file, its folders, each
// message catalogue (with the first text it gives) and the help document. Reads, and loads
// the catalogues as start-up would, but creates no registry key.
QString ModuleFilesReport(const QString& programFolder);
