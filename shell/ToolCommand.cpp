#include "shell/ToolCommand.h"

#include "platform/Process.h"
#include "platform/Registry.h"

QString ToolNameOf(const QString& argument)
{
    const qsizetype underscore = argument.indexOf(u'_');
    return underscore < 0 ? argument.mid(2) : argument.mid(2, underscore - 2);
}

ToolCommand BuildToolCommand(const QString& argument, const LaunchRecord& launch, const PresenceFlags& presence,
                             int snmpVersion)
{
    ToolCommand command;
    command.toolName = ToolNameOf(argument);
    QStringList& args = command.arguments;
    args << QStringLiteral("/I") + launch.deviceAddress << QStringLiteral("/R") + launch.readCommunity
         << QStringLiteral("/W") + launch.writeCommunity << argument;

    const bool v3 = (presence.configFile && launch.version == QLatin1String("3")) || snmpVersion == 3;
    if (!v3)
        return command;
    // The version text comes only from the device file: without one "/v" stays empty.
    args << QStringLiteral("/t") + launch.agentPort << QStringLiteral("/v") + launch.version
         << QStringLiteral("/d") + launch.contextEngineID << QStringLiteral("/m") + launch.securityModel
         << QStringLiteral("/n") + launch.securityName;
    if (presence.contextName && !launch.contextName.isEmpty())
        args << QStringLiteral("/c") + launch.contextName;
    if (presence.securityLevel && !launch.securityLevel.isEmpty())
        args << QStringLiteral("/l") + launch.securityLevel;
    if (presence.authProtocol && !launch.authProtocol.isEmpty())
        args << QStringLiteral("/a") + launch.authProtocol;
    if (presence.authPassword)
        args << QStringLiteral("/A") + launch.authPassword;
    if (presence.privProtocol && !launch.privProtocol.isEmpty())
        args << QStringLiteral("/p") + launch.privProtocol;
    if (presence.privPassword)
        args << QStringLiteral("/P") + launch.privPassword;
    return command;
}

std::optional<QString> HostInstallationStatus()
{
    using platform::RegistryKey;
    if (RegistryKey::Open(QLatin1String(kHostAppPathKey), false)
        || RegistryKey::Open(QLatin1String(kOldHostAppPathKey), false))
        return std::nullopt;
    if (const auto openView = RegistryKey::Open(QLatin1String(kOpenViewKey), false)) {
        // A missing value reads as empty, as an unreadable one does.
        if (openView->ReadString(QLatin1String(kOpenViewPathValue)).value_or(QString()).isEmpty())
            return QStringLiteral("OpenView : File Path Error!");
        return std::nullopt;
    }
    return QStringLiteral("No Path!");
}

ToolStarter DefaultToolStarter(const QString& programFolder)
{
    return {
        [programFolder](const QString& toolName) { return platform::FindProgram(toolName, programFolder); },
        [](const QString& program, const QStringList& arguments) { return platform::StartDetached(program, arguments); },
    };
}

std::optional<QString> LaunchTool(const QString& argument, const LaunchRecord& launch, const PresenceFlags& presence,
                                  int snmpVersion, const ToolStarter& starter)
{
    const std::optional<QString> host = HostInstallationStatus();
    const ToolCommand command = BuildToolCommand(argument, launch, presence, snmpVersion);

    QString failure;
    const QString program = starter.find ? starter.find(command.toolName) : QString();
    if (program.isEmpty())
        failure = QStringLiteral("%1: not installed").arg(command.toolName);
    else if (!starter.start || !starter.start(program, command.arguments))
        failure = QStringLiteral("%1: could not be started").arg(command.toolName);
    if (failure.isEmpty())
        return host;
    // Without this the operator clicks a command that does nothing.
    return host ? QStringLiteral("%1 (%2)").arg(failure, *host) : failure;
}
