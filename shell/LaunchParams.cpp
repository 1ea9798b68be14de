#include "shell/LaunchParams.h"

#include "KtNML/KtIni.h"
#include "platform/ArgumentText.h"

#include <QDir>
#include <QFileInfo>

#include <cstring>
#include <limits>

LaunchError::LaunchError(QString message) : m_message(std::move(message)), m_what(m_message.toStdString())
{
}

int LaunchStrToInt(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    if (!ok)
        throw LaunchConversionError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return value;
}

namespace {

// The port is 16 bits wide; a larger number would silently address another port.
quint16 ToPort(const QString& text)
{
    const int value = LaunchStrToInt(text);
    if (value < 0 || value > 0xFFFF)
        throw LaunchConversionError(QStringLiteral("'%1' is not a valid port number").arg(text));
    return static_cast<quint16>(value);
}

// The version is one byte; 259 must not turn into 3.
quint8 ToVersion(const QString& text)
{
    const int value = LaunchStrToInt(text);
    if (value < 0 || value > 0xFF)
        throw LaunchConversionError(QStringLiteral("'%1' is not a valid SNMP version").arg(text));
    return static_cast<quint8>(value);
}

// Switches tried in this order; the first one found in the argument is applied.
constexpr const char* kAlwaysSwitches[] = {"/R", "/W", "/v"};
constexpr const char* kSnmpV3Switches[] = {"/t", "/c", "/d", "/m", "/l", "/n",
                                           "/A", "/P", "/a", "/p"};

// A file as the operator should look for it: from the root, whatever the working folder.
QString ShownPath(const QString& fileName)
{
    return QDir::toNativeSeparators(QFileInfo(fileName).absoluteFilePath());
}

// A level or protocol code of the file, moved up by one; the largest integer has no successor.
int ShiftedCode(const QString& text)
{
    const int value = LaunchStrToInt(text);
    if (value == std::numeric_limits<int>::max())
        throw LaunchConversionError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return value + 1;
}

} // namespace

LaunchParser::LaunchParser(KtSNMPDefaultParams& defaults, QString configFolder)
    : m_defaults(defaults), m_configFolder(std::move(configFolder))
{
}

void LaunchParser::ApplyArguments(const QStringList& arguments)
{
    for (const QString& argument : arguments)
        ApplyArgument(argument);
}

QString LaunchParser::ConfigFileName() const
{
    return m_configFolder + m_record.deviceAddress + QStringLiteral(".cfg");
}

bool LaunchParser::SnmpV3Active() const
{
    return m_record.version == QLatin1String("3") || m_defaults.security.version == 3;
}

void LaunchParser::ApplyArgument(const QString& argument)
{
    const qsizetype at = argument.indexOf(QLatin1String("/I"));
    if (at >= 0) {
        const QString address = argument.mid(at + 2);
        m_record.deviceAddress = address;
        m_defaults.device.address = address;
        return;
    }
    if (argument.startsWith(QLatin1String(kTrapPortSwitch))) {
        m_record.trapPort = QString::number(ToPort(argument.mid(qsizetype(std::strlen(kTrapPortSwitch)))));
        m_trapPortArgument = true;
        return;
    }

    const QString fileName = ConfigFileName();
    m_flags.configFile = QFileInfo(fileName).isFile();
    if (m_flags.configFile)
        ReadConfigFile(fileName);

    for (const char* sw : kAlwaysSwitches) {
        if (ApplySwitch(argument, sw))
            return;
    }
    if (!SnmpV3Active())
        return;
    for (const char* sw : kSnmpV3Switches) {
        if (ApplySwitch(argument, sw))
            return;
    }
}

bool LaunchParser::ApplySwitch(const QString& argument, const char* sw)
{
    const qsizetype at = argument.indexOf(QLatin1String(sw));
    if (at < 0)
        return false;
    const QString value = argument.mid(at + 2);
    KtSNMPSecurity& sec = m_defaults.security;

    switch (sw[1]) {
    case 'R':
        m_record.readCommunity = value;
        sec.readCommunity = value;
        break;
    case 'W':
        m_record.writeCommunity = value;
        sec.writeCommunity = value;
        break;
    case 'v':
        sec.version = ToVersion(value);
        break;
    case 't':
        m_defaults.device.port = ToPort(value);
        m_record.agentPort = QString::number(m_defaults.device.port);
        break;
    case 'c':
        m_defaults.scope.contextName = value;
        if (!value.isEmpty()) {
            m_record.contextName = value;
            m_flags.contextName = true;
        }
        break;
    case 'd':
        m_defaults.scope.contextEngineID = value;
        m_record.contextEngineID = value;
        break;
    case 'm':
        sec.securityModel = LaunchStrToInt(value);
        m_record.securityModel = QString::number(sec.securityModel);
        break;
    case 'l':
        sec.securityLevel = LaunchStrToInt(value);
        if (sec.securityLevel != 0) {
            m_record.securityLevel = QString::number(sec.securityLevel);
            m_flags.securityLevel = true;
        }
        break;
    case 'n':
        sec.securityName = value;
        m_record.securityName = value;
        break;
    case 'A':
        sec.authPassword = value;
        if (!value.isEmpty()) {
            m_record.authPassword = value;
            m_flags.authPassword = true;
        }
        break;
    case 'P':
        sec.privPassword = value;
        if (!value.isEmpty()) {
            m_record.privPassword = value;
            m_flags.privPassword = true;
        }
        break;
    case 'a':
        sec.authProtocol = LaunchStrToInt(value);
        // Once the record reads "0", later switches leave it (and its flag) alone.
        if (m_record.authProtocol != QLatin1String("0")) {
            m_record.authProtocol = QString::number(sec.authProtocol);
            m_flags.authProtocol = true;
        }
        break;
    case 'p':
        sec.privProtocol = LaunchStrToInt(value);
        if (m_record.privProtocol != QLatin1String("0")) {
            m_record.privProtocol = QString::number(sec.privProtocol);
            m_flags.privProtocol = true;
        }
        break;
    default:
        return false;
    }
    return true;
}

void LaunchParser::ReadConfigFile(const QString& fileName)
{
    const KtIni ini(fileName);
    const QString section = QLatin1String(kConfigSection);
    auto read = [&](const char* key) { return ini.ReadString(section, QLatin1String(key), QString()); };
    // A bad number names its key and file: "''" alone does not tell the operator what to fix.
    auto number = [&](const char* key, const QString& text, auto convert) {
        try {
            return convert(text);
        } catch (const LaunchConversionError& e) {
            throw LaunchConversionError(QStringLiteral("%1 (key %2 in %3)")
                                            .arg(e.Message(), QLatin1String(key), ShownPath(fileName)));
        }
    };
    KtSNMPSecurity& sec = m_defaults.security;
    const QString zero = QStringLiteral("0");

    m_defaults.device.port = number("AgentPort", read("AgentPort"), ToPort);
    m_record.agentPort = QString::number(m_defaults.device.port);

    const QString version = read("Version");
    m_record.version = version;
    sec.version = number("Version", version, ToVersion);

    // GetBulk=0: a switch whose get-bulk misbehaves is walked with get-next.
    m_defaults.getBulk = read("GetBulk").trimmed() != zero;
    m_record.builtInViews = read("BuiltInViews").trimmed() == QLatin1String("1");
    if (const QString trapPort = read("TrapPort"); !trapPort.isEmpty() && !m_trapPortArgument)
        m_record.trapPort = QString::number(number("TrapPort", trapPort, ToPort));

    const QString contextName = read("ContextName");
    if (!contextName.isEmpty()) {
        m_defaults.scope.contextName = contextName;
        m_record.contextName = contextName;
        m_flags.contextName = true;
    }

    // A missing or empty text key leaves what an earlier switch gave (a blank user would make
    // every request fail).
    const QString engineID = read("ContextEngineID");
    if (!engineID.isEmpty()) {
        m_defaults.scope.contextEngineID = engineID;
        m_record.contextEngineID = engineID;
    }

    sec.securityModel = number("SecurityModel", read("SecurityModel"), LaunchStrToInt);
    m_record.securityModel = QString::number(sec.securityModel);

    // The file counts levels and protocols from 0, the session from 1; "0" keeps the default.
    const QString level = read("SecurityLevel");
    if (level != zero) {
        sec.securityLevel = number("SecurityLevel", level, ShiftedCode);
        m_record.securityLevel = QString::number(sec.securityLevel);
        m_flags.securityLevel = true;
    }

    const QString securityName = read("SecurityName");
    if (!securityName.isEmpty()) {
        sec.securityName = securityName;
        m_record.securityName = securityName;
    }

    const QString auth = read("AuthProtocol");
    if (auth != zero) {
        sec.authProtocol = number("AuthProtocol", auth, ShiftedCode);
        m_record.authProtocol = QString::number(sec.authProtocol);
        m_flags.authProtocol = true;
    }

    const QString priv = read("PrivProtocol");
    if (priv != zero) {
        sec.privProtocol = number("PrivProtocol", priv, ShiftedCode);
        m_record.privProtocol = QString::number(sec.privProtocol);
        m_flags.privProtocol = true;
    }

    const QString authPassword = read("AuthPassword");
    if (!authPassword.isEmpty()) {
        sec.authPassword = authPassword;
        m_record.authPassword = authPassword;
        m_flags.authPassword = true;
    }

    const QString privPassword = read("PrivPassword");
    if (!privPassword.isEmpty()) {
        sec.privPassword = privPassword;
        m_record.privPassword = privPassword;
        m_flags.privPassword = true;
    }
}

void LaunchParser::CheckComplete() const
{
    if (m_defaults.security.version == 3 && m_defaults.security.securityName.isEmpty())
        throw LaunchError(QStringLiteral("SNMPv3 needs a user name, and none was given: add the switch /n<user name> "
                                         "or the key SecurityName to %1")
                              .arg(ShownPath(ConfigFileName())));
}

bool UsageRequested(const QStringList& arguments)
{
    for (const QString& argument : arguments) {
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h") || argument == QLatin1String("/?"))
            return true;
    }
    return false;
}

bool ConnectRequested(const QStringList& arguments)
{
    return arguments.contains(QStringLiteral("--connect"));
}

bool StdinArgumentsRequested(const QStringList& arguments)
{
    return arguments.contains(QStringLiteral("--stdin"));
}

QStringList ArgumentLines(const QByteArray& text)
{
    QStringList out;
    for (QByteArray line : text.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (!line.trimmed().isEmpty())
            out << platform::ArgumentText(line);
    }
    return out;
}

QStringList TakeArguments(int argc, char** argv, std::FILE* in)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << platform::ArgumentText(QByteArray(argv[i]));
    if (StdinArgumentsRequested(arguments) && in) {
        QByteArray text;
        char buf[4096];
        std::size_t n = 0;
        while ((n = std::fread(buf, 1, sizeof buf, in)) > 0 && text.size() < (1 << 20))
            text.append(buf, qsizetype(n));
        const qsizetype at = arguments.indexOf(QStringLiteral("--stdin"));
        arguments.removeAt(at);
        const QStringList lines = ArgumentLines(text);
        for (qsizetype k = 0; k < lines.size(); ++k)
            arguments.insert(at + k, lines[k]);
    }
    // Blanked after they were taken: the secret's bytes from its switch to the end.
    for (int i = 1; i < argc; ++i) {
        char* argument = argv[i];
        if (std::strstr(argument, "/I"))
            continue;
        char* secret = nullptr;
        for (const char* sw : {"/R", "/W", "/A", "/P"}) {
            char* at = std::strstr(argument, sw);
            if (at && (!secret || at < secret))
                secret = at;
        }
        if (secret)
            std::memset(secret + 2, 0, std::strlen(secret + 2));
    }
    return arguments;
}

QString NoDisplayReason(const QProcessEnvironment& environment)
{
    const auto set = [&](const char* name) { return !environment.value(QLatin1String(name)).isEmpty(); };
    const bool x11 = set("DISPLAY"), wayland = set("WAYLAND_DISPLAY") || set("WAYLAND_SOCKET");
    // A list of platforms ("wayland;xcb") is tried in order; a name may carry options after ':'.
    const QString platforms = environment.value(QStringLiteral("QT_QPA_PLATFORM")).trimmed();
    if (platforms.isEmpty()) {
        if (x11 || wayland)
            return {};
    } else {
        for (const QString& entry : platforms.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const QString name = entry.section(QLatin1Char(':'), 0, 0).trimmed();
            if (name == QLatin1String("xcb") ? x11 : name.startsWith(QLatin1String("wayland")) ? wayland : true)
                return {};  // offscreen, vnc, eglfs and the like need no display server
        }
    }
    return QStringLiteral("no display could be opened: neither DISPLAY nor WAYLAND_DISPLAY is set%1. "
                          "Run it on a desktop, or see --help for the command line.")
        .arg(platforms.isEmpty() ? QString() : QStringLiteral(" for QT_QPA_PLATFORM=%1").arg(platforms));
}

QString UsageText(const QString& programName)
{
    return QStringLiteral(
               "Usage: %1 /I<address> /R<read community> /W<write community> [/v<version>] [SNMPv3 switches]\n"
               "\n"
               "Each switch and its value form one argument, without a blank between them.\n"
               "  /I<address>     the switch's address (put it first: later switches use its device file)\n"
               "  /R<community>   read community\n"
               "  /W<community>   write community\n"
               "  /v<version>     SNMP version: 0 SNMPv1, 1 SNMPv2c, 3 SNMPv3\n"
               "SNMPv3 switches (after /v3, or with Version=3 in the device file):\n"
               "  /n<user>        user name (security name); required with SNMPv3\n"
               "  /l<level>       security level: 1 noAuthNoPriv, 2 authNoPriv, 3 authPriv\n"
               "  /a<protocol>    authentication: 1 none, 2 MD5, 3 SHA, 4 SHA-224, 5 SHA-256,\n"
               "                  6 SHA-384, 7 SHA-512\n"
               "  /A<password>    authentication password\n"
               "  /p<protocol>    privacy: 1 none, 2 DES, 5 AES-128, 6 AES-192, 7 AES-256\n"
               "  /P<password>    privacy password\n"
               "  /t<port>        agent port (default 161)\n"
               "  /c<name>        context name\n"
               "  /d<engine ID>   context engine ID\n"
               "  /m<model>       security model (3 USM)\n"
               "  --connect       ask for the address and access parameters in a dialog\n"
               "  --stdin         read more arguments, one a line, from standard input (in place\n"
               "                  of --stdin): communities and passwords then never stand on the\n"
               "                  command line. Those that do are blanked in the process list once\n"
               "                  read, but are visible until then; tools the module starts get\n"
               "                  them on their own command lines.\n"
               "  --trap-port=<port>  receive the switch's notifications on this UDP port\n"
               "                  (default 162; also TrapPort=<port> in the device file)\n"
               "  -h, --help, /?  show this text and end\n"
               "\n"
               "Device file: <configuration folder><address>.cfg, section [Program Information].\n"
               "Numbers, all required: AgentPort, Version, SecurityModel, SecurityLevel,\n"
               "AuthProtocol, PrivProtocol (for the last three 0 keeps the default). Texts:\n"
               "ContextName, ContextEngineID, SecurityName, AuthPassword, PrivPassword.\n"
               "Optional: GetBulk=0 reads tables with get-next instead of get-bulk; TrapPort=<port>\n"
               "receives notifications on that UDP port instead of 162 (below 1024 needs privilege).\n"
               "Levels and protocols count from 0 here: SecurityLevel 2 is authPriv, AuthProtocol\n"
               "1 MD5 and 2 SHA, PrivProtocol 1 DES and 4 AES-128. The file is the way to give an\n"
               "agent port with SNMPv1/v2c; it is read again before each switch after /I, and a\n"
               "text key it lacks or leaves empty keeps what an earlier switch gave.\n"
               "The configuration folder comes from the host suite's registry file\n"
               "($VKR_REGISTRY_FILE, else ~/.config/vkr2207/registry.ini); without it the working\n"
               "folder is used.\n"
               "Message catalogues (errmsg/) and help (help/) are read beside the program in a\n"
               "build folder, else from ../share/vkr2207 (the registry's module folder or an errmsg\n"
               "folder in the working folder come first for the catalogues).\n"
               "  --paths         list where the files above are found, then end\n"
               "\n"
               "Example: %1 /I192.0.2.10 /Rpublic /Wprivate /v1\n")
        .arg(programName);
}
