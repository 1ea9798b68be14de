#include "shell/ConnectSettings.h"

#include "platform/RegularFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>

#include <arpa/inet.h>

namespace {

// Every switch the command line knows: a value holding one would be read as that switch.
constexpr const char* kSwitches[] = {"/I", "/R", "/W", "/v", "/t", "/c", "/d",
                                     "/m", "/l", "/n", "/A", "/P", "/a", "/p"};

constexpr int kMinPassword = 8;  // USM derives no key from a shorter one

QString LevelName(int level)
{
    switch (level) {
    case 2: return QStringLiteral("authNoPriv");
    case 3: return QStringLiteral("authPriv");
    default: return QStringLiteral("noAuthNoPriv");
    }
}

QString VersionName(int version)
{
    switch (version) {
    case 0: return QStringLiteral("SNMPv1");
    case 3: return QStringLiteral("SNMPv3");
    default: return QStringLiteral("SNMPv2c");
    }
}

// The port as a number, 0 when the text is not 1..65535 (whole text, decimal digits only).
int PortOf(const QString& text)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,5}$"));
    if (!digits.match(text).hasMatch())
        return 0;
    const int value = text.toInt();
    return value >= 1 && value <= 65535 ? value : 0;
}

bool IsHostName(const QString& text)
{
    if (text.size() > 253)
        return false;
    static const QRegularExpression label(QStringLiteral("^[A-Za-z0-9]([A-Za-z0-9-]{0,61}[A-Za-z0-9])?$"));
    const QString name = text.endsWith(QLatin1Char('.')) ? text.chopped(1) : text;
    const QStringList labels = name.split(QLatin1Char('.'));
    for (const QString& l : labels) {
        if (!label.match(l).hasMatch())
            return false;
    }
    // Digits and dots only is a mistyped IPv4 address (300.1.1.1, 10.1.1), never a name.
    static const QRegularExpression numeric(QStringLiteral("^[0-9.]+$"));
    return !numeric.match(name).hasMatch();
}

bool UsesAuth(const ConnectSettings& s)
{
    return s.version == 3 && s.securityLevel >= 2;
}

bool UsesPriv(const ConnectSettings& s)
{
    return s.version == 3 && s.securityLevel == 3;
}

} // namespace

bool IsConnectAddress(const QString& text)
{
    if (text.isEmpty())
        return false;
    const QByteArray bytes = text.toLatin1();
    unsigned char buffer[16];
    if (inet_pton(AF_INET, bytes.constData(), buffer) == 1 || inet_pton(AF_INET6, bytes.constData(), buffer) == 1)
        return true;
    return IsHostName(text);
}

QString ConnectSettingsFault(const ConnectSettings& s)
{
    if (s.address.isEmpty())
        return QStringLiteral("Enter the switch's address.");
    if (!IsConnectAddress(s.address))
        return QStringLiteral("'%1' is not an IPv4 or IPv6 address or a host name.").arg(s.address);
    if (PortOf(s.port) == 0)
        return QStringLiteral("'%1' is not a valid agent port: enter a number from 1 to 65535.").arg(s.port);
    if (s.version != 0 && s.version != 1 && s.version != 3)
        return QStringLiteral("Choose SNMP version 1, 2c or 3.");
    if (s.version == 3) {
        if (s.securityName.isEmpty())
            return QStringLiteral("SNMPv3 needs a user name.");
        if (s.securityLevel < 1 || s.securityLevel > 3)
            return QStringLiteral("Choose a security level.");
        if (UsesAuth(s) && s.authPassword.size() < kMinPassword)
            return QStringLiteral("The authentication password needs at least %1 characters.").arg(kMinPassword);
        if (UsesPriv(s) && s.privPassword.size() < kMinPassword)
            return QStringLiteral("The privacy password needs at least %1 characters.").arg(kMinPassword);
    }

    // Each value travels as one argument behind its switch; the parser looks for switches
    // anywhere in an argument, so a value holding one would change another parameter.
    const std::pair<const char*, QString> texts[] = {
        {"read community", s.version != 3 ? s.readCommunity : QString()},
        {"write community", s.version != 3 ? s.writeCommunity : QString()},
        {"user name", s.version == 3 ? s.securityName : QString()},
        {"authentication password", UsesAuth(s) ? s.authPassword : QString()},
        {"privacy password", UsesPriv(s) ? s.privPassword : QString()},
        {"context", s.version == 3 ? s.contextName : QString()},
    };
    for (const auto& [what, text] : texts) {
        for (const char* sw : kSwitches) {
            if (text.contains(QLatin1String(sw)))
                return QStringLiteral("The %1 cannot contain \"%2\": the command line would read it as a switch.")
                    .arg(QLatin1String(what), QLatin1String(sw));
        }
    }
    return QString();
}

QStringList ConnectArguments(const ConnectSettings& s)
{
    const int port = PortOf(s.port);
    const QString portText = QString::number(port);
    QStringList args{QStringLiteral("/I") + s.address};
    if (s.version == 3) {
        args << QStringLiteral("/v3");
        if (port != 161)
            args << QStringLiteral("/t") + portText;
        args << QStringLiteral("/m3") << QStringLiteral("/n") + s.securityName
             << QStringLiteral("/l") + QString::number(s.securityLevel);
        if (UsesAuth(s))
            args << QStringLiteral("/a") + QString::number(s.authProtocol) << QStringLiteral("/A") + s.authPassword;
        if (UsesPriv(s))
            args << QStringLiteral("/p") + QString::number(s.privProtocol) << QStringLiteral("/P") + s.privPassword;
        if (!s.contextName.isEmpty())
            args << QStringLiteral("/c") + s.contextName;
        return args;
    }
    args << QStringLiteral("/R") + s.readCommunity << QStringLiteral("/W") + s.writeCommunity;
    // "/t" counts only under SNMPv3: another port for SNMPv1/v2c is given under a passing
    // "/v3" that the real version then replaces.
    if (port != 161)
        args << QStringLiteral("/v3") << QStringLiteral("/t") + portText;
    args << QStringLiteral("/v") + QString::number(s.version);
    return args;
}

KtSNMPDefaultParams ConnectParams(const ConnectSettings& s)
{
    KtSNMPDefaultParams p;
    p.device.address = s.address;
    p.device.port = static_cast<quint16>(PortOf(s.port));
    KtSNMPSecurity& sec = p.security;
    sec.version = static_cast<quint8>(s.version);
    if (s.version != 3) {
        sec.readCommunity = s.readCommunity;
        sec.writeCommunity = s.writeCommunity;
        return p;
    }
    sec.securityModel = 3;
    sec.securityName = s.securityName;
    sec.securityLevel = s.securityLevel;
    if (UsesAuth(s)) {
        sec.authProtocol = s.authProtocol;
        sec.authPassword = s.authPassword;
    }
    if (UsesPriv(s)) {
        sec.privProtocol = s.privProtocol;
        sec.privPassword = s.privPassword;
    }
    p.scope.contextName = s.contextName;
    return p;
}

// ---- recent devices ----

RecentDevices::RecentDevices(QString fileName) : m_fileName(std::move(fileName))
{
}

QString RecentDevices::DefaultFileName()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/vkr2207/recent-devices.json");
}

QString RecentDevices::Caption(const ConnectSettings& s)
{
    if (s.version == 3)
        return QStringLiteral("%1@%2:%3 (SNMPv3 %4)").arg(s.securityName, s.address, s.port, LevelName(s.securityLevel));
    return QStringLiteral("%1:%2 (%3)").arg(s.address, s.port, VersionName(s.version));
}

void RecentDevices::Load()
{
    m_entries.clear();
    const auto data = platform::ReadRegularFile(m_fileName);
    if (!data)
        return;
    const QJsonArray list = QJsonDocument::fromJson(*data).object().value(QLatin1String("recent")).toArray();
    for (const QJsonValue& value : list) {
        const QJsonObject o = value.toObject();
        Entry e;
        ConnectSettings& s = e.settings;
        s.address = o.value(QLatin1String("address")).toString();
        if (s.address.isEmpty())
            continue;
        s.port = o.value(QLatin1String("port")).toString(s.port);
        s.version = o.value(QLatin1String("version")).toInt(s.version);
        s.securityName = o.value(QLatin1String("user")).toString();
        s.securityLevel = o.value(QLatin1String("level")).toInt(s.securityLevel);
        s.authProtocol = o.value(QLatin1String("authProtocol")).toInt(s.authProtocol);
        s.privProtocol = o.value(QLatin1String("privProtocol")).toInt(s.privProtocol);
        s.contextName = o.value(QLatin1String("context")).toString();
        e.withSecrets = o.value(QLatin1String("secrets")).toBool();
        if (e.withSecrets) {
            s.readCommunity = o.value(QLatin1String("readCommunity")).toString();
            s.writeCommunity = o.value(QLatin1String("writeCommunity")).toString();
            s.authPassword = o.value(QLatin1String("authPassword")).toString();
            s.privPassword = o.value(QLatin1String("privPassword")).toString();
        } else {
            // Not saved: the operator types them again (the defaults would only mislead).
            s.readCommunity.clear();
            s.writeCommunity.clear();
        }
        m_entries.push_back(e);
        if (int(m_entries.size()) == kMaxRecent)
            break;
    }
}

bool RecentDevices::Remember(const ConnectSettings& settings, bool withSecrets)
{
    auto same = [&](const Entry& e) {
        const ConnectSettings& s = e.settings;
        return s.address.compare(settings.address, Qt::CaseInsensitive) == 0 && s.port == settings.port
               && s.version == settings.version && s.securityName == settings.securityName;
    };
    std::erase_if(m_entries, same);
    m_entries.insert(m_entries.begin(), Entry{settings, withSecrets});
    if (int(m_entries.size()) > kMaxRecent)
        m_entries.resize(kMaxRecent);
    return Save();
}

bool RecentDevices::Save() const
{
    QJsonArray list;
    for (const Entry& e : m_entries) {
        const ConnectSettings& s = e.settings;
        QJsonObject o{{QLatin1String("address"), s.address},
                      {QLatin1String("port"), s.port},
                      {QLatin1String("version"), s.version},
                      {QLatin1String("user"), s.securityName},
                      {QLatin1String("level"), s.securityLevel},
                      {QLatin1String("authProtocol"), s.authProtocol},
                      {QLatin1String("privProtocol"), s.privProtocol},
                      {QLatin1String("context"), s.contextName},
                      {QLatin1String("secrets"), e.withSecrets}};
        if (e.withSecrets) {
            o.insert(QLatin1String("readCommunity"), s.readCommunity);
            o.insert(QLatin1String("writeCommunity"), s.writeCommunity);
            o.insert(QLatin1String("authPassword"), s.authPassword);
            o.insert(QLatin1String("privPassword"), s.privPassword);
        }
        list.append(o);
    }

    // A link in its place is refused: its target would be overwritten.
    if (!platform::WritableInPlace(m_fileName))
        return false;
    const QFileInfo info(m_fileName);
    QDir folder = info.absoluteDir();
    if (!folder.exists()) {
        if (!folder.mkpath(QStringLiteral(".")))
            return false;
        QFile::setPermissions(folder.absolutePath(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QSaveFile file(m_fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // Owner only, whatever mode an earlier file had: it may hold communities and passwords.
    if (!file.setPermissions(QFile::ReadOwner | QFile::WriteOwner)) {
        file.cancelWriting();
        return false;
    }
    // commit() renames even when its own flush fails: a full disk must not cut the file short.
    const QByteArray text = QJsonDocument(QJsonObject{{QLatin1String("recent"), list}}).toJson();
    if (file.write(text) != text.size() || !file.flush())
        return false;
    return file.commit();
}
