#pragma once
// The host suite's MIB tools: the command line a tool menu item starts, the check of the host
// installation in the registry, and the start itself through a replaceable starter. No widgets
// here; the main window shows the returned status text.
#include "shell/LaunchParams.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// Registry keys of the host installations (below HKEY_LOCAL_MACHINE).
inline constexpr const char* kHostAppPathKey = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\meridan51.exe";
inline constexpr const char* kOldHostAppPathKey = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\meridan5.exe";
inline constexpr const char* kOpenViewKey = "\\SOFTWARE\\Hewlett-Packard\\OpenView";
inline constexpr const char* kOpenViewPathValue = "OV_PATH";

// A tool command as started: the program is the tool name, each switch with its value is
// one argument.
struct ToolCommand {
    QString toolName;
    QStringList arguments;
};

// The tool name of a menu argument: from its third character up to the first '_'
// ("/TMIB_Info" gives "MIB").
QString ToolNameOf(const QString& argument);

// The command for a menu argument: "/I", "/R", "/W" and the argument itself, then the SNMPv3
// switches when the device file's version is "3" or the session's version (snmpVersion) is 3.
ToolCommand BuildToolCommand(const QString& argument, const LaunchRecord& launch, const PresenceFlags& presence,
                             int snmpVersion);

// What the registry says about the host installation: nothing when the host suite is
// installed or OpenView gives a path, else the text for the status bar ("No Path!", or
// "OpenView : File Path Error!" when OpenView gives an empty path). Keys are not created.
std::optional<QString> HostInstallationStatus();

// How a tool is found and started (tests replace both; no process starts there).
struct ToolStarter {
    // The program to start for a tool name; empty when it is not installed.
    std::function<QString(const QString& toolName)> find;
    // Starts it without waiting; false when it could not be started.
    std::function<bool(const QString& program, const QStringList& arguments)> start;
};

// Looks in programFolder first, then on PATH; starts detached.
ToolStarter DefaultToolStarter(const QString& programFolder);

// Builds and starts the command of a tool menu item. Returns the status-bar text, if any: the
// registry's finding, replaced by "<tool>: not installed" or "<tool>: could not be started"
// (the registry's finding in brackets behind it) when the tool does not start.
std::optional<QString> LaunchTool(const QString& argument, const LaunchRecord& launch, const PresenceFlags& presence,
                                  int snmpVersion, const ToolStarter& starter);
