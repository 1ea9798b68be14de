#pragma once
// vkr2207-config: configuration snapshots of one switch or many from the command line.
//
//   vkr2207-config save FILE /I<address> /R.. /W.. [/v..] [SNMPv3 switches]
//   vkr2207-config diff FILE <same switches>
//   vkr2207-config restore FILE <same switches>
//   vkr2207-config save FOLDER --devices LIST [--jobs N] [switches for every line]
//
// The switches are the module's own, parsed by its launch parser with the device file
// <address>.cfg read as the module reads it. Free of widgets.
#include <QString>
#include <QStringList>

// Exit codes: done without differences, differences found, errors.
enum : int { kConfigExitSame = 0, kConfigExitDifferent = 1, kConfigExitError = 2 };

QString ConfigToolUsage(const QString& programName);

// Runs a whole command line (arguments without the program name): progress and one summary
// line per switch on standard error, differences and SET results on standard output.
// `configFolder` is where device files are read; `stateFolder` holds the engine boots file.
// Needs a QCoreApplication.
int RunConfigTool(const QStringList& arguments, const QString& configFolder, const QString& stateFolder);
