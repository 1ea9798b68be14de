#include "snmp/SnmpNotifications.h"
#include "snmp/SnmpLibrary.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <QElapsedTimer>
#include <QSocketNotifier>

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <exception>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/select.h>
#include <sys/socket.h>
#include <unistd.h>

namespace snmp {

struct NotificationReceiver::Socket {
    void* sessp = nullptr;
    int fd = -1;
    QSocketNotifier* notifier = nullptr;
};

namespace {

constexpr std::size_t kMaxDatagram = 65535;
constexpr int kReceiveBuffer = 8 * 1024 * 1024;
// Engine IDs a v3 sender may teach the receiver; more are refused (a sender inventing engine
// IDs must not grow the library's user table without end).
constexpr std::size_t kMaxSenderEngines = 64;

// What the receiver needs to know of a datagram before the library reads it: its SNMP version
// and, for SNMPv3, the sender's engine ID and user name. A tiny BER walk with every length
// checked against what is left; anything that does not fit is malformed.
struct Envelope {
    long version = -1;
    std::string engineId;
    std::string userName;
};

class Ber {
public:
    Ber(const unsigned char* p, std::size_t n) : m_p(p), m_end(p + n) {}

    // Reads a tag and a definite length; the contents must lie inside what is left.
    bool header(unsigned char& tag, std::size_t& len)
    {
        if (m_end - m_p < 2)
            return false;
        tag = *m_p++;
        unsigned char first = *m_p++;
        if (first < 0x80) {
            len = first;
        } else {
            const int count = first & 0x7f;
            if (count == 0 || count > 4 || m_end - m_p < count)
                return false;
            len = 0;
            for (int i = 0; i < count; ++i)
                len = (len << 8) | *m_p++;
        }
        return len <= std::size_t(m_end - m_p);
    }
    bool enter(unsigned char wanted)
    {
        unsigned char tag = 0;
        std::size_t len = 0;
        if (!header(tag, len) || tag != wanted)
            return false;
        m_end = m_p + len;
        return true;
    }
    bool integer(long& value)
    {
        unsigned char tag = 0;
        std::size_t len = 0;
        if (!header(tag, len) || tag != 0x02 || len == 0 || len > 4)
            return false;
        value = (*m_p & 0x80) ? -1 : 0;
        for (std::size_t i = 0; i < len; ++i)
            value = long((unsigned long)value << 8) | *m_p++;
        return true;
    }
    bool octets(std::string& value)
    {
        unsigned char tag = 0;
        std::size_t len = 0;
        if (!header(tag, len) || tag != 0x04)
            return false;
        value.assign(reinterpret_cast<const char*>(m_p), len);
        m_p += len;
        return true;
    }
    bool skip()
    {
        unsigned char tag = 0;
        std::size_t len = 0;
        if (!header(tag, len))
            return false;
        m_p += len;
        return true;
    }
    bool empty() const { return m_p == m_end; }
    const unsigned char* at() const { return m_p; }
    std::size_t left() const { return std::size_t(m_end - m_p); }

private:
    const unsigned char* m_p;
    const unsigned char* m_end;
};

bool readEnvelope(const unsigned char* data, std::size_t n, Envelope& out)
{
    Ber msg(data, n);
    if (!msg.enter(0x30) || !msg.integer(out.version))
        return false;
    if (out.version == 0 || out.version == 1) {
        std::string community;
        unsigned char tag = 0;
        std::size_t len = 0;
        return msg.octets(community) && msg.header(tag, len) && (tag & 0xe0) == 0xa0;
    }
    if (out.version != 3)
        return false;
    // msgGlobalData, then msgSecurityParameters: an octet string holding the USM sequence.
    if (!msg.skip())
        return false;
    std::string security;
    if (!msg.octets(security) || !msg.skip())
        return false;
    Ber usm(reinterpret_cast<const unsigned char*>(security.data()), security.size());
    long boots = 0, time = 0;
    return usm.enter(0x30) && usm.octets(out.engineId) && usm.integer(boots) && usm.integer(time)
        && usm.octets(out.userName);
}

std::string transportName(const std::string& address, std::uint16_t port)
{
    const bool v6 = address.find(':') != std::string::npos;
    return v6 ? "udp6:[" + address + "]:" + std::to_string(port) : "udp:" + address + ":" + std::to_string(port);
}

// Binds a plain socket to the address first: the library does not tell why a bind failed,
// and the operator needs to know (a privileged port, a port in use). 0, or the errno.
int probeBind(const std::string& address, std::uint16_t port, std::uint16_t& bound)
{
    sockaddr_storage ss{};
    socklen_t len = 0;
    const bool v6 = address.find(':') != std::string::npos;
    if (v6) {
        auto* a = reinterpret_cast<sockaddr_in6*>(&ss);
        a->sin6_family = AF_INET6;
        a->sin6_port = htons(port);
        if (inet_pton(AF_INET6, address.c_str(), &a->sin6_addr) != 1)
            return EINVAL;
        len = sizeof *a;
    } else {
        auto* a = reinterpret_cast<sockaddr_in*>(&ss);
        a->sin_family = AF_INET;
        a->sin_port = htons(port);
        if (inet_pton(AF_INET, address.c_str(), &a->sin_addr) != 1)
            return EINVAL;
        len = sizeof *a;
    }
    const int fd = ::socket(ss.ss_family, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return errno;
    if (v6) {
        int one = 1;
        ::setsockopt(fd, IPPROTO_IPV6, IPV6_V6ONLY, &one, sizeof one);
    }
    int rc = ::bind(fd, reinterpret_cast<sockaddr*>(&ss), len) == 0 ? 0 : errno;
    if (rc == 0 && ::getsockname(fd, reinterpret_cast<sockaddr*>(&ss), &len) == 0)
        bound = ntohs(v6 ? reinterpret_cast<sockaddr_in6*>(&ss)->sin6_port
                         : reinterpret_cast<sockaddr_in*>(&ss)->sin_port);
    ::close(fd);
    return rc;
}

int onLibraryInput(int op, netsnmp_session*, int, netsnmp_pdu* pdu, void* magic);

struct Magic {
    NotificationReceiver* receiver;
    NotificationReceiver::Socket* socket;
};

std::string localEngineId()
{
    u_char buf[SNMP_MAXBUF_SMALL];
    const size_t n = snmpv3_get_engineID(buf, sizeof buf);
    return std::string(reinterpret_cast<const char*>(buf), n);
}

} // namespace

NotificationReceiver::NotificationReceiver(Handler handler, QObject* parent)
    : QObject(parent), m_handler(std::move(handler))
{
}

NotificationReceiver::~NotificationReceiver()
{
    close();
}

bool NotificationReceiver::isOpen() const
{
    return !m_sockets.empty();
}

bool NotificationReceiver::open(const ReceiverSettings& settings)
{
    close();
    // Refused datagrams are counted; the library must not also write a line each to stderr (it
    // falls back to stderr when no log handler is registered).
    static const bool silenced = netsnmp_register_loghandler(NETSNMP_LOGHANDLER_NONE, LOG_DEBUG) != nullptr;
    (void)silenced;
    m_settings = settings;
    m_error.clear();
    m_errno = 0;
    m_counters = {};
    std::uint16_t port = settings.port;
    for (const std::string& address : settings.addresses) {
        std::uint16_t bound = port;
        if (const int err = probeBind(address, port, bound); err != 0) {
            m_errno = err;
            m_error = transportName(address, port) + ": " + std::strerror(err);
            close();
            return false;
        }
        port = bound;  // a free port taken on the first address serves the others too
        const std::string name = transportName(address, port);
        netsnmp_transport* transport = netsnmp_transport_open_server("vkr2207", name.c_str());
        if (!transport) {
            m_errno = EADDRNOTAVAIL;
            m_error = name + ": cannot listen";
            close();
            return false;
        }
        auto socket = std::make_unique<Socket>();
        auto* magic = new Magic{this, socket.get()};
        netsnmp_session s;
        snmp_sess_init(&s);
        s.version = SNMP_DEFAULT_VERSION;  // any version
        s.callback = onLibraryInput;
        s.callback_magic = magic;
        s.isAuthoritative = SNMP_SESS_UNKNOWNAUTH;
        socket->sessp = snmp_sess_add(&s, transport, nullptr, nullptr);
        if (!socket->sessp) {
            delete magic;
            m_errno = EADDRNOTAVAIL;
            m_error = name + ": cannot listen";
            close();
            return false;
        }
        socket->fd = transport->sock;
        ::fcntl(socket->fd, F_SETFL, ::fcntl(socket->fd, F_GETFL) | O_NONBLOCK);
        // Room for a burst (a switch whose links flap): datagrams the kernel cannot queue are
        // lost before anyone could count them. Past the system's limit only with privilege.
        int room = kReceiveBuffer;
        if (::setsockopt(socket->fd, SOL_SOCKET, SO_RCVBUFFORCE, &room, sizeof room) != 0)
            ::setsockopt(socket->fd, SOL_SOCKET, SO_RCVBUF, &room, sizeof room);
        socket->notifier = new QSocketNotifier(socket->fd, QSocketNotifier::Read, this);
        Socket* raw = socket.get();
        connect(socket->notifier, &QSocketNotifier::activated, this, [this, raw] {
            try {
                readSocket(raw);
            } catch (const std::exception&) {
                // A notification that cannot be handled (out of memory) is lost, the receiver not.
            }
        });
        m_sockets.push_back(std::move(socket));
    }
    m_port = port;
    // SNMPv3 informs are sent to this module's own engine: the user must be known there.
    if (!settings.user.securityName.empty())
        registerUsmUser(localEngineId(), settings.user);
    return true;
}

void NotificationReceiver::close()
{
    for (auto& socket : m_sockets) {
        delete socket->notifier;
        if (socket->sessp) {
            netsnmp_session* s = snmp_sess_session(socket->sessp);
            auto* magic = s ? static_cast<Magic*>(s->callback_magic) : nullptr;
            snmp_sess_close(socket->sessp);
            delete magic;
        }
    }
    m_sockets.clear();
    m_senderEngines.clear();
    m_port = 0;
}

void NotificationReceiver::registerSenderEngine(const std::string& engineId)
{
    for (const std::string& known : m_senderEngines)
        if (known == engineId)
            return;
    if (m_senderEngines.size() >= kMaxSenderEngines || engineId == localEngineId())
        return;
    if (registerUsmUser(engineId, m_settings.user) == 0)
        m_senderEngines.push_back(engineId);
}

void NotificationReceiver::readSocket(Socket* socket)
{
    static thread_local std::vector<unsigned char> buffer(kMaxDatagram);
    QElapsedTimer spent;
    spent.start();
    int read = 0;
    for (; read < kReadsPerWakeUp && spent.elapsed() < kMsPerWakeUp; ++read) {
        sockaddr_storage from{};
        socklen_t fromLen = sizeof from;
        const ssize_t n = ::recvfrom(socket->fd, buffer.data(), buffer.size(), MSG_PEEK,
                                     reinterpret_cast<sockaddr*>(&from), &fromLen);
        if (n < 0)
            break;  // nothing more waiting (EAGAIN), or an error the next wake-up meets again
        char text[INET6_ADDRSTRLEN] = {};
        if (from.ss_family == AF_INET6) {
            const auto* a = reinterpret_cast<const sockaddr_in6*>(&from);
            inet_ntop(AF_INET6, &a->sin6_addr, text, sizeof text);
            m_sourcePort = ntohs(a->sin6_port);
        } else {
            const auto* a = reinterpret_cast<const sockaddr_in*>(&from);
            inet_ntop(AF_INET, &a->sin_addr, text, sizeof text);
            m_sourcePort = ntohs(a->sin_port);
        }
        m_source = text;

        Envelope envelope;
        if (!readEnvelope(buffer.data(), std::size_t(n), envelope)) {
            [[maybe_unused]] auto gone = ::recv(socket->fd, buffer.data(), 1, 0);  // drops the datagram
            ++m_counters.malformed;
            continue;
        }
        // A discovery probe (no engine, no user) is answered by the library with a report.
        const bool probe = envelope.version == 3 && envelope.engineId.empty() && envelope.userName.empty();
        if (envelope.version == 3 && !probe && !envelope.engineId.empty()
            && envelope.userName == m_settings.user.securityName && !m_settings.user.securityName.empty())
            registerSenderEngine(envelope.engineId);

        m_handled = false;
        fd_set fds;
        FD_ZERO(&fds);
        FD_SET(socket->fd, &fds);
        snmp_sess_read(socket->sessp, &fds);
        // What the library dropped: an SNMPv3 message it could not authenticate or decrypt
        // (a wrong key and a damaged body look alike), or a v1/v2c message it could not parse.
        if (!m_handled && !probe) {
            if (envelope.version == 3)
                ++m_counters.authFailed;
            else
                ++m_counters.malformed;
        }
    }
    if (read > 0 && m_handler) {
        std::vector<Notification> batch;
        batch.swap(m_batch);
        m_handler(batch);
    }
}

int NotificationReceiver::onLibraryPdu(Socket* socket, int op, void* raw)
{
    auto* pdu = static_cast<netsnmp_pdu*>(raw);
    if (op != NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE || !pdu)
        return 1;
    m_handled = true;
    const bool isTrap1 = pdu->command == SNMP_MSG_TRAP && pdu->version == SNMP_VERSION_1;
    const bool isTrap2 = pdu->command == SNMP_MSG_TRAP2 && pdu->version != SNMP_VERSION_1;
    const bool isInform = pdu->command == SNMP_MSG_INFORM && pdu->version != SNMP_VERSION_1;
    if (!isTrap1 && !isTrap2 && !isInform) {
        // An SNMPv3 message the library could not authenticate comes up without a PDU type.
        if (pdu->version == SNMP_VERSION_3)
            ++m_counters.authFailed;
        else
            ++m_counters.malformed;
        return 1;
    }
    Notification n;
    n.sourceAddress = m_source;
    n.sourcePort = m_sourcePort;
    if (pdu->version == SNMP_VERSION_3) {
        n.principal.assign(pdu->securityName ? pdu->securityName : "", pdu->securityNameLen);
        // The library accepts a lower level than the user's keys allow: an unauthenticated
        // message naming the user must not pass as one from the switch.
        if (m_settings.user.securityName.empty() || n.principal != m_settings.user.securityName
            || pdu->securityLevel < m_settings.user.securityLevel) {
            ++m_counters.authFailed;
            return 1;
        }
        n.kind = isInform ? NotificationKind::InformV3 : NotificationKind::TrapV3;
    } else {
        n.principal.assign(reinterpret_cast<const char*>(pdu->community), pdu->community ? pdu->community_len : 0);
        bool accepted = false;
        for (const std::string& c : m_settings.communities)
            accepted = accepted || c == n.principal;
        if (!accepted) {
            ++m_counters.wrongCommunity;
            return 1;
        }
        n.kind = isTrap1 ? NotificationKind::TrapV1 : isInform ? NotificationKind::InformV2c : NotificationKind::TrapV2c;
    }
    if (isTrap1) {
        n.enterprise.assign(pdu->enterprise, pdu->enterprise + pdu->enterprise_length);
        n.agentAddress.assign(reinterpret_cast<const char*>(pdu->agent_addr), 4);
        n.genericTrap = int(pdu->trap_type);
        n.specificTrap = int(pdu->specific_type);
        n.timestamp = std::uint32_t(pdu->time);
    }
    for (netsnmp_variable_list* v = pdu->variables; v; v = v->next_variable)
        n.varbinds.push_back(varbindFromLibrary(v));
    if (isInform) {
        // Acknowledged with the same request ID, security parameters and varbinds.
        if (netsnmp_pdu* reply = snmp_clone_pdu(pdu)) {
            reply->command = SNMP_MSG_RESPONSE;
            reply->errstat = 0;
            reply->errindex = 0;
            if (snmp_sess_send(socket->sessp, reply) == 0)
                snmp_free_pdu(reply);
        }
    }
    m_batch.push_back(std::move(n));
    return 1;
}

namespace {

int onLibraryInput(int op, netsnmp_session*, int, netsnmp_pdu* pdu, void* magic)
{
    auto* m = static_cast<Magic*>(magic);
    return m->receiver->onLibraryPdu(m->socket, op, pdu);
}

} // namespace

} // namespace snmp
