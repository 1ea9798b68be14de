#pragma once
// The command line and the per-device configuration file, turned into the launch record and
// the session's default access parameters. No widgets here, so it can be tested on its own.
#include "KtNML/KtSNMPSession.h"

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <cstdio>
#include <exception>
#include <string>

// The parameters as the host gave them, kept as text to hand on to external tools.
struct LaunchRecord {
    QString deviceAddress;
    QString readCommunity;
    QString writeCommunity;
    QString agentPort;
    QString version;  // only ever from the configuration file
    QString securityName;
    QString authPassword;
    QString privPassword;
    QString authProtocol;
    QString privProtocol;
    QString contextEngineID;
    QString securityLevel;
    QString contextName;
    QString securityModel;
    // BuiltInViews=1 in the device file: tool commands open the module's own views even
    // where the tool is installed.
    bool builtInViews = false;
    // Where notifications are received: --trap-port=<port> on the command line, else
    // TrapPort=<port> in the device file; "" when neither gives one.
    QString trapPort;
};

// Which optional parameters were given (external tools get only those switches).
struct PresenceFlags {
    bool configFile = false;  // the configuration file was found
    bool contextName = false;
    bool securityLevel = false;
    bool authProtocol = false;
    bool authPassword = false;
    bool privProtocol = false;
    bool privPassword = false;
};

// The launch parameters cannot work; start-up ends with Message().
class LaunchError : public std::exception {
public:
    explicit LaunchError(QString message);
    const QString& Message() const { return m_message; }
    const char* what() const noexcept override { return m_what.c_str(); }

private:
    QString m_message;
    std::string m_what;
};

// A value that should be a number is not one.
class LaunchConversionError : public LaunchError {
public:
    using LaunchError::LaunchError;
};

// Decimal integer (blanks around it allowed), else LaunchConversionError with
// "'<text>' is not a valid integer value".
int LaunchStrToInt(const QString& text);

inline constexpr const char* kConfigSection = "Program Information";
// The command-line switch of the notification port, followed by the port number.
inline constexpr const char* kTrapPortSwitch = "--trap-port=";

// An argument "--help", "-h" or "/?": the operator asks how to start the module. None of them
// holds a switch, so they mean nothing else.
bool UsageRequested(const QStringList& arguments);

// The argument "--connect": the operator picks the switch and its access parameters in the
// connect dialog, which then gives the command line.
bool ConnectRequested(const QStringList& arguments);

// How to start the module: the switches, their values and the device file.
QString UsageText(const QString& programName);

// The argument "--stdin": more arguments, one a line, come from standard input, so that
// communities and passwords need not stand on the command line.
bool StdinArgumentsRequested(const QStringList& arguments);

// Arguments one a line (a trailing "\r" dropped, blank lines skipped), kept as bytes
// (platform/ArgumentText.h).
QStringList ArgumentLines(const QByteArray& text);

// The program's arguments argv[1..argc-1] as text that keeps their bytes; with "--stdin" the
// lines read from `in` follow in its place. The values of the secret switches (/R, /W, /A, /P)
// are then blanked in the argument memory itself: the process list (/proc/PID/cmdline) no
// longer shows them. Address arguments ("/I") are left alone.
QStringList TakeArguments(int argc, char** argv, std::FILE* in);

// Why no window can be shown with this environment (QT_QPA_PLATFORM, DISPLAY,
// WAYLAND_DISPLAY), as a line for the terminal; empty when a display may be had. Checked
// before the toolkit starts, which would abort the program without one.
QString NoDisplayReason(const QProcessEnvironment& environment);

class LaunchParser {
public:
    // Writes into `defaults`; the configuration file is configFolder + address + ".cfg".
    LaunchParser(KtSNMPDefaultParams& defaults, QString configFolder);

    // Every argument in order; throws LaunchConversionError on the first bad number.
    void ApplyArguments(const QStringList& arguments);

    // One argument: "/I" sets the address; any other argument first re-reads the configuration
    // file (so its values come back before each later switch), then applies its switch.
    void ApplyArgument(const QString& argument);

    // SNMPv3 switches count only when the file's version is "3" or the global version is 3.
    bool SnmpV3Active() const;

    // After the last argument: throws LaunchError when the parameters cannot reach any agent
    // (SNMPv3 without a user name: the agent would refuse every request).
    void CheckComplete() const;

    // The configuration file for the address known at this moment.
    QString ConfigFileName() const;

    void ClearFlags() { m_flags = PresenceFlags{}; }

    const LaunchRecord& Record() const { return m_record; }
    const PresenceFlags& Flags() const { return m_flags; }
    const QString& ConfigFolder() const { return m_configFolder; }

private:
    void ReadConfigFile(const QString& fileName);
    bool ApplySwitch(const QString& argument, const char* sw);

    KtSNMPDefaultParams& m_defaults;
    QString m_configFolder;
    bool m_trapPortArgument = false;  // --trap-port= wins over the file's TrapPort
    LaunchRecord m_record;
    PresenceFlags m_flags;
};
