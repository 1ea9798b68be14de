#include "KtNML/KtTrapReceiver.h"

#include <QDir>

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <netdb.h>
#include <sys/socket.h>

namespace {

// The numeric text of an address as inet_ntop writes it, or "" when it is no literal.
std::string canonical(const std::string& text)
{
    std::string host = text;
    if (host.size() > 2 && host.front() == '[' && host.back() == ']')
        host = host.substr(1, host.size() - 2);
    char out[INET6_ADDRSTRLEN] = {};
    in_addr v4{};
    in6_addr v6{};
    if (inet_pton(AF_INET, host.c_str(), &v4) == 1)
        return inet_ntop(AF_INET, &v4, out, sizeof out) ? out : "";
    if (inet_pton(AF_INET6, host.c_str(), &v6) == 1)
        return inet_ntop(AF_INET6, &v6, out, sizeof out) ? out : "";
    return {};
}

// Every address of the switch: the literal itself, or what its name resolves to (once, when
// the service is made).
std::vector<std::string> resolve(const QString& deviceAddress)
{
    const std::string text = deviceAddress.trimmed().toStdString();
    if (const std::string literal = canonical(text); !literal.empty())
        return {literal};
    std::vector<std::string> out;
    addrinfo hints{};
    hints.ai_socktype = SOCK_DGRAM;
    addrinfo* res = nullptr;
    if (text.empty() || getaddrinfo(text.c_str(), nullptr, &hints, &res) != 0)
        return out;
    for (addrinfo* a = res; a; a = a->ai_next) {
        char buf[INET6_ADDRSTRLEN] = {};
        if (a->ai_family == AF_INET)
            inet_ntop(AF_INET, &reinterpret_cast<sockaddr_in*>(a->ai_addr)->sin_addr, buf, sizeof buf);
        else if (a->ai_family == AF_INET6)
            inet_ntop(AF_INET6, &reinterpret_cast<sockaddr_in6*>(a->ai_addr)->sin6_addr, buf, sizeof buf);
        if (*buf)
            out.emplace_back(buf);
    }
    freeaddrinfo(res);
    return out;
}

} // namespace

KtTrapReceiver::KtTrapReceiver(const QString& deviceAddress, const QString& logFolder, QObject* parent)
    : QObject(parent), m_switchAddresses(resolve(deviceAddress))
{
    if (!logFolder.isEmpty()) {
        m_file = std::make_unique<KtNotificationFile>(logFolder, deviceAddress);
        for (KtNotificationRecord& r : m_file->ReadBack())
            m_log.Add(std::move(r));
        m_readBack = m_log.Size();
    }
}

KtTrapReceiver::~KtTrapReceiver() = default;

snmp::ReceiverSettings KtTrapReceiver::SettingsFrom(const KtSNMPDefaultParams& params, quint16 port)
{
    snmp::ReceiverSettings s;
    s.port = port;
    for (const QString& community : {params.security.readCommunity, params.security.writeCommunity})
        if (!community.isEmpty())
            s.communities.push_back(community.toStdString());
    const KtSNMPSecurity& sec = params.security;
    s.user.version = 3;
    s.user.securityName = sec.securityName.toStdString();
    s.user.securityLevel = sec.securityLevel;
    s.user.authProtocol = sec.authProtocol;
    s.user.authPassword = sec.authPassword.toStdString();
    s.user.privProtocol = sec.privProtocol;
    s.user.privPassword = sec.privPassword.toStdString();
    return s;
}

bool KtTrapReceiver::Start(const snmp::ReceiverSettings& settings)
{
    m_receiver = std::make_unique<snmp::NotificationReceiver>(
        [this](std::vector<snmp::Notification>& batch) { Accept(batch); });
    if (m_receiver->open(settings)) {
        m_error.clear();
        m_errno = 0;
        return true;
    }
    m_errno = m_receiver->errorNumber();
    m_error = QStringLiteral("Notifications cannot be received on UDP port %1 (%2).")
                  .arg(settings.port)
                  .arg(QString::fromStdString(m_receiver->error()));
    return false;
}

void KtTrapReceiver::Stop()
{
    m_receiver.reset();
}

bool KtTrapReceiver::Listening() const
{
    return m_receiver && m_receiver->isOpen();
}

quint16 KtTrapReceiver::Port() const
{
    return Listening() ? m_receiver->port() : 0;
}

QString KtTrapReceiver::Advice(int errorNumber, quint16 port, const QString& configFile)
{
    const QString choose = QStringLiteral("Choose another port with TrapPort=<port> in [Program Information] of %1, "
                                          "or start the module with --trap-port=<port>, and send the switch's "
                                          "notifications there (Trap Manager Table).")
                               .arg(QDir::toNativeSeparators(configFile));
    if (errorNumber == EACCES && port < 1024)
        return QStringLiteral("Ports below 1024 need privilege. ") + choose;
    if (errorNumber == EADDRINUSE)
        return QStringLiteral("Another program (or another module) already receives on port %1. ").arg(port) + choose;
    return choose;
}

snmp::ReceiverCounters KtTrapReceiver::Refused() const
{
    return m_receiver ? m_receiver->counters() : snmp::ReceiverCounters{};
}

QString KtTrapReceiver::LogFileName() const
{
    return m_file ? m_file->FileName() : QString();
}

QString KtTrapReceiver::LogFileError() const
{
    return m_file ? m_file->Error() : QString();
}

bool KtTrapReceiver::FromSwitch(const std::string& source) const
{
    const std::string address = canonical(source);
    for (const std::string& known : m_switchAddresses)
        if (known == address)
            return true;
    return false;
}

void KtTrapReceiver::Accept(std::vector<snmp::Notification>& batch)
{
    int linkPort = -1;
    const QDateTime now = QDateTime::currentDateTime();
    std::vector<KtNotificationRecord> records;
    records.reserve(batch.size());
    for (const snmp::Notification& n : batch) {
        if (!FromSwitch(n.sourceAddress)) {
            ++m_otherAddresses;
            continue;
        }
        records.push_back(KtDecodeNotification(n, now));
        m_counts.Count(records.back().name);
        if (KtIsLinkEvent(records.back()))
            linkPort = records.back().port;
    }
    if (m_file && !records.empty()) {
        std::vector<const KtNotificationRecord*> written;
        written.reserve(records.size());
        for (const KtNotificationRecord& r : records)
            written.push_back(&r);
        m_file->Append(written);
    }
    const int added = int(records.size());
    for (KtNotificationRecord& r : records)
        m_log.Add(std::move(r));
    m_added += quint64(added);
    emit Received();
    if (added > 0)
        emit RecordsAdded(added);
    if (linkPort >= 0)
        emit LinkEvent(linkPort);
}
