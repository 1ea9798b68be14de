#include "snmp/SnmpSession.h"
#include "snmp/SnmpLibrary.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
#include <net-snmp/library/keytools.h>
#include <net-snmp/library/snmpusm.h>
#include <net-snmp/library/transform_oids.h>

#include <QDir>
#include <QSocketNotifier>
#include <QTemporaryDir>
#include <QTimer>

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <netdb.h>
#include <set>
#include <sstream>
#include <sys/select.h>
#include <sys/stat.h>
#include <unistd.h>

namespace snmp {

// ---------------------------------------------------------------------------------------------
// Requests and peers

struct Session::Peer {
    std::string engineKey;  // "address|port": engine IDs are per agent
    void* sessp = nullptr;
    int fd = -1;
    int version = 0;
    QSocketNotifier* notifier = nullptr;
    struct Request* discovery = nullptr;
    std::vector<struct Request*> waitingForEngine;
};

struct Session::Request {
    Session* session = nullptr;
    Peer* peer = nullptr;
    Target target;
    Pdu pdu;
    Callback callback;
    const void* owner = nullptr;
    bool sync = false;
    bool discovery = false;
    bool done = false;       // the library has answered (or the request failed locally)
    bool cancelled = false;  // the callback must not run
    bool inLibrary = false;  // the library holds a reference (reply or time-out still to come)
    bool sending = false;    // inside snmp_sess_async_send: a send failure is reported by its caller
    bool resentForTimeWindow = false;
    int status = 0;
    Pdu response;
    std::string engineId;    // of a discovery reply
};

namespace {

std::set<Session::Request*>& liveRequests()
{
    static std::set<Session::Request*> live;
    return live;
}

bool g_closing = false;

// Far more than any boots file holds; anything larger is not one.
constexpr std::size_t kMaxBootsFileSize = 64 * 1024;

std::string hexOf(const std::string& bytes)
{
    static const char* digits = "0123456789abcdef";
    std::string out;
    for (unsigned char c : bytes) {
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out;
}

void initLibraryOnce(const std::string& engineId, std::uint32_t boots)
{
    static bool initialised = false;
    if (initialised)
        return;
    initialised = true;
    setenv("MIBS", "", 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_READ_CONFIGS, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_LOAD, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_SAVE, 1);
    // The library insists on a persistent folder; keep it private instead of /var/lib/snmp.
    static QTemporaryDir persistentDir(QDir::tempPath() + QStringLiteral("/vkr2207-snmp-XXXXXX"));
    QDir(persistentDir.path()).mkpath(QStringLiteral("cert_indexes"));  // else the library says it made it
    netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_PERSISTENT_DIR,
                          persistentDir.path().toLocal8Bit().constData());
    snmp_disable_log();
    // The library adds one to the boots it is given.
    const std::string lines[] = {
        "exactEngineID " + engineId,
        "oldEngineID 0x" + hexOf(engineId),
        "engineBoots " + std::to_string(boots > 0 ? boots - 1 : 0),
    };
    for (const std::string& line : lines)
        netsnmp_config_remember(const_cast<char*>(line.c_str()));
    init_snmp("vkr2207");
}

// A library error number (SNMPERR_*) in the adapter's numbering.
int fromLibraryError(int err)
{
    switch (err) {
    case SNMPERR_SUCCESS: return status::Success;
    case SNMPERR_TIMEOUT: return status::Timeout;
    case SNMPERR_BAD_ADDRESS: return status::InvalidAddress;
    case SNMPERR_BAD_SEC_LEVEL:
    case SNMPERR_UNSUPPORTED_SEC_LEVEL:
    case SNMPERR_USM_UNSUPPORTEDSECURITYLEVEL: return status::UsmUnsupportedSecurityLevel;
    case SNMPERR_BAD_SEC_NAME:
    case SNMPERR_UNKNOWN_USER_NAME:
    case SNMPERR_USM_UNKNOWNSECURITYNAME: return status::UsmUnknownSecurityName;
    case SNMPERR_USM_ENCRYPTIONERROR: return status::UsmEncryptionError;
    case SNMPERR_DECRYPTION_ERR:
    case SNMPERR_USM_DECRYPTIONERROR: return status::UsmDecryptionError;
    case SNMPERR_AUTHENTICATION_FAILURE:
    case SNMPERR_USM_AUTHENTICATIONFAILURE: return status::UsmAuthenticationFailure;
    case SNMPERR_USM_PARSEERROR: return status::UsmParseError;
    case SNMPERR_UNKNOWN_ENG_ID:
    case SNMPERR_USM_UNKNOWNENGINEID: return status::UsmUnknownEngineId;
    case SNMPERR_NOT_IN_TIME_WINDOW:
    case SNMPERR_USM_NOTINTIMEWINDOW: return status::UsmNotInTimeWindow;
    case SNMPERR_USM_GENERICERROR: return status::UsmError;
    case SNMPERR_UNKNOWN_SEC_MODEL: return status::MpUnsupportedSecurityModel;
    case SNMPERR_INVALID_MSG: return status::MpInvalidMessage;
    case SNMPERR_UNKNOWN_PDU: return status::MpUnknownPduHandlers;
    case SNMPERR_BAD_CONTEXT: return status::MpUnknownContext;
    case SNMPERR_BAD_SENDTO:
    case SNMPERR_BAD_RECVFROM: return status::TransportFailed;
    default: return status::ClassError;
    }
}

// The security status a report stands for, from its first varbind.
int reportStatus(const netsnmp_pdu* pdu)
{
    static const struct {
        oid prefix[10];
        size_t len;
        int status;
    } kReports[] = {
        {{1, 3, 6, 1, 6, 3, 15, 1, 1, 1}, 10, status::UsmUnsupportedSecurityLevel},
        {{1, 3, 6, 1, 6, 3, 15, 1, 1, 2}, 10, status::UsmNotInTimeWindow},
        {{1, 3, 6, 1, 6, 3, 15, 1, 1, 3}, 10, status::UsmUnknownSecurityName},
        {{1, 3, 6, 1, 6, 3, 15, 1, 1, 4}, 10, status::UsmUnknownEngineId},
        {{1, 3, 6, 1, 6, 3, 15, 1, 1, 5}, 10, status::UsmAuthenticationFailure},
        {{1, 3, 6, 1, 6, 3, 15, 1, 1, 6}, 10, status::UsmDecryptionError},
        {{1, 3, 6, 1, 6, 3, 11, 2, 1, 1}, 10, status::MpUnsupportedSecurityModel},
        {{1, 3, 6, 1, 6, 3, 11, 2, 1, 2}, 10, status::MpInvalidMessage},
        {{1, 3, 6, 1, 6, 3, 11, 2, 1, 3}, 10, status::MpUnknownPduHandlers},
        {{1, 3, 6, 1, 6, 3, 12, 1, 4}, 9, status::MpUnavailableContext},
        {{1, 3, 6, 1, 6, 3, 12, 1, 5}, 9, status::MpUnknownContext},
    };
    const netsnmp_variable_list* vb = pdu->variables;
    if (!vb)
        return status::UsmError;
    for (const auto& r : kReports) {
        if (vb->name_length >= r.len && netsnmp_oid_equals(vb->name, r.len, r.prefix, r.len) == 0)
            return r.status;
    }
    return status::UsmError;
}

bool addToLibraryPdu(netsnmp_pdu* pdu, const Varbind& vb, bool withValue)
{
    std::vector<oid> name(vb.oid.begin(), vb.oid.end());
    if (name.empty())
        return false;
    if (!withValue)
        return snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_NULL, nullptr, 0) != nullptr;
    long number = long(vb.integer);
    switch (vb.syntax) {
    case Syntax::Integer:
    case Syntax::Counter32:
    case Syntax::Gauge32:
    case Syntax::TimeTicks:
    case Syntax::UInteger32:
        return snmp_pdu_add_variable(pdu, name.data(), name.size(), u_char(vb.syntax), &number, sizeof number);
    case Syntax::Counter64: {
        struct counter64 c;
        c.high = u_long(vb.counter64 >> 32);
        c.low = u_long(vb.counter64 & 0xFFFFFFFFu);
        return snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_COUNTER64, &c, sizeof c);
    }
    case Syntax::OctetString:
    case Syntax::Opaque:
    case Syntax::IpAddress:
    case Syntax::NsapAddress:
        return snmp_pdu_add_variable(pdu, name.data(), name.size(), u_char(vb.syntax), vb.bytes.data(),
                                     vb.bytes.size());
    case Syntax::ObjectId: {
        std::vector<oid> value(vb.objectId.begin(), vb.objectId.end());
        return snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_OBJECT_ID, value.data(),
                                     value.size() * sizeof(oid));
    }
    default:
        return snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_NULL, nullptr, 0) != nullptr;
    }
}

u_char* dupBytes(const std::string& s)
{
    auto* p = static_cast<u_char*>(malloc(s.size() + 1));
    memcpy(p, s.data(), s.size());
    p[s.size()] = 0;
    return p;
}

bool isNumericV4Shape(const std::string& a)
{
    return !a.empty() && a.find_first_not_of("0123456789.") == std::string::npos;
}

// Resolves an address text to the library's peer name; empty when invalid.
std::string peerName(const std::string& address, std::uint16_t port)
{
    in_addr v4;
    in6_addr v6;
    std::string host = address;
    if (host.size() > 2 && host.front() == '[' && host.back() == ']')
        host = host.substr(1, host.size() - 2);
    if (inet_pton(AF_INET, host.c_str(), &v4) == 1)
        return "udp:" + host + ":" + std::to_string(port);
    if (inet_pton(AF_INET6, host.c_str(), &v6) == 1)
        return "udp6:[" + host + "]:" + std::to_string(port);
    if (host.empty() || isNumericV4Shape(host))
        return {};  // 300.1.1.1 and the like: not an address, and not worth a DNS query
    addrinfo hints{};
    hints.ai_socktype = SOCK_DGRAM;
    addrinfo* res = nullptr;
    if (getaddrinfo(host.c_str(), nullptr, &hints, &res) != 0 || !res)
        return {};
    char text[INET6_ADDRSTRLEN] = {};
    std::string name;
    if (res->ai_family == AF_INET) {
        inet_ntop(AF_INET, &reinterpret_cast<sockaddr_in*>(res->ai_addr)->sin_addr, text, sizeof text);
        name = std::string("udp:") + text + ":" + std::to_string(port);
    } else if (res->ai_family == AF_INET6) {
        inet_ntop(AF_INET6, &reinterpret_cast<sockaddr_in6*>(res->ai_addr)->sin6_addr, text, sizeof text);
        name = std::string("udp6:[") + text + "]:" + std::to_string(port);
    }
    freeaddrinfo(res);
    return name;
}

int libraryVersion(int version)
{
    switch (version) {
    case 0: return SNMP_VERSION_1;
    case 1: return SNMP_VERSION_2c;
    case 3: return SNMP_VERSION_3;
    default: return -1;
    }
}

int onLibraryReply(int op, netsnmp_session*, int, netsnmp_pdu* pdu, void* magic);

} // namespace

// ---------------------------------------------------------------------------------------------
// Free functions

bool isValidAddress(const std::string& address)
{
    return !peerName(address, 161).empty();
}

namespace {

// The boots file is opened without following a symbolic link and only as a regular file:
// a link or a special file planted in the working folder must neither be read nor have its
// target created or overwritten. Non-blocking, so a FIFO there does not hang start-up.
int openRegular(const std::string& fileName, int flags)
{
    const int fd = ::open(fileName.c_str(), flags | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0)
        return -1;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// The whole file, or false when it cannot be opened as a regular file or read.
bool readBootsFile(const std::string& fileName, std::string& text)
{
    const int fd = openRegular(fileName, O_RDONLY);
    if (fd < 0)
        return false;
    text.clear();
    char buf[4096];
    ssize_t n = 0;
    while ((n = ::read(fd, buf, sizeof buf)) > 0 && text.size() < kMaxBootsFileSize)
        text.append(buf, std::size_t(n));
    ::close(fd);
    return n >= 0;
}

// One line of the boots file: blank (true, id empty), a valid entry (true), or garbage (false).
bool parseBootsLine(std::string line, std::string& id, std::uint32_t& boots)
{
    id.clear();
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    if (line.find_first_not_of(" \t") == std::string::npos)
        return true;
    std::istringstream fields(line);
    std::string count, extra;
    if (!(fields >> id >> count) || (fields >> extra) || id.size() % 2 != 0
        || id.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos
        || count.find_first_not_of("0123456789") != std::string::npos || count.size() > 10
        || std::stoull(count) > 0xFFFFFFFFull) {
        id.clear();
        return false;
    }
    boots = std::uint32_t(std::stoull(count));
    return true;
}

} // namespace

int getBootCounter(const std::string& fileName, const std::string& engineId, std::uint32_t& boots)
{
    std::string text;
    if (!readBootsFile(fileName, text))
        return -2;
    if (text.size() >= kMaxBootsFileSize)
        return -3;
    const std::string wanted = hexOf(engineId);
    std::istringstream in(text);
    std::string line, id;
    std::uint32_t count = 0;
    while (std::getline(in, line)) {
        if (!parseBootsLine(line, id, count))
            return -3;
        if (!id.empty() && id == wanted) {
            boots = count;
            return 0;
        }
    }
    return -1;
}

int saveBootCounter(const std::string& fileName, const std::string& engineId, std::uint32_t boots)
{
    // Other engines' entries stay; lines that are not entries are dropped, so a damaged file
    // is replaced by a clean one.
    const std::string wanted = hexOf(engineId);
    std::string text, out;
    if (readBootsFile(fileName, text) && text.size() < kMaxBootsFileSize) {
        std::istringstream in(text);
        std::string line, id;
        std::uint32_t count = 0;
        while (std::getline(in, line))
            if (parseBootsLine(line, id, count) && !id.empty() && id != wanted)
                out += id + ' ' + std::to_string(count) + '\n';
    }
    out += wanted + ' ' + std::to_string(boots) + '\n';

    const int fd = openRegular(fileName, O_WRONLY | O_CREAT);
    if (fd < 0)
        return -2;
    bool ok = ::ftruncate(fd, 0) == 0;
    for (std::size_t done = 0; ok && done < out.size();) {
        const ssize_t n = ::write(fd, out.data() + done, out.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        ok = n > 0;
        if (ok)
            done += std::size_t(n);
    }
    ok = ::close(fd) == 0 && ok;
    return ok ? 0 : -2;
}

// ---------------------------------------------------------------------------------------------
// Session

Session::Session(const std::string& localEngineId, std::uint32_t engineBoots, int& status)
{
    initLibraryOnce(localEngineId, engineBoots);
    g_closing = false;
    m_timer = new QTimer(this);
    m_timer->setInterval(20);
    connect(m_timer, &QTimer::timeout, this, &Session::onTick);
    status = 0;
}

Session::~Session()
{
    stopPump();
    // Requests still out get the closing status; their owners count them as no longer pending.
    std::vector<Request*> outstandingRequests;
    for (Request* r : liveRequests())
        if (r->session == this && !r->done && !r->discovery)
            outstandingRequests.push_back(r);
    for (Request* r : outstandingRequests) {
        r->done = true;
        if (!r->cancelled && r->callback && !r->sync)
            r->callback(status::SessionClosed, Pdu{});
        r->cancelled = true;
    }
    g_closing = true;
    for (auto& [key, peer] : m_peers) {
        delete peer->notifier;
        if (peer->sessp)
            snmp_sess_close(peer->sessp);
    }
    m_peers.clear();
    for (auto it = liveRequests().begin(); it != liveRequests().end();) {
        if ((*it)->session == this) {
            delete *it;
            it = liveRequests().erase(it);
        } else {
            ++it;
        }
    }
    g_closing = false;
}

std::uint32_t Session::localEngineBoots()
{
    return std::uint32_t(snmpv3_local_snmpEngineBoots());
}

Session::Peer* Session::peerFor(const Target& target, int& status)
{
    const std::string name = peerName(target.address, target.port);
    if (name.empty()) {
        status = status::InvalidAddress;
        return nullptr;
    }
    const int version = libraryVersion(target.version);
    if (version < 0) {
        status = status::InvalidTarget;
        return nullptr;
    }
    const std::string key = name + "|" + std::to_string(target.version) + "|" + std::to_string(target.timeout)
        + "|" + std::to_string(target.retries);
    auto found = m_peers.find(key);
    if (found != m_peers.end())
        return found->second.get();

    netsnmp_session s;
    snmp_sess_init(&s);
    s.peername = const_cast<char*>(name.c_str());
    s.version = version;
    s.retries = target.retries < 0 ? 0 : target.retries;
    s.timeout = long(target.timeout > 0 ? target.timeout : 1) * 10000L;
    s.flags |= SNMP_FLAGS_DONT_PROBE;
    s.securityModel = SNMP_SEC_MODEL_USM;
    void* sessp = snmp_sess_open(&s);
    if (!sessp) {
        status = status::TransportFailed;
        return nullptr;
    }
    snmp_sess_session(sessp)->flags |= SNMP_FLAGS_DONT_PROBE;
    auto peer = std::make_unique<Peer>();
    peer->engineKey = name;
    peer->sessp = sessp;
    peer->version = target.version;
    netsnmp_transport* t = snmp_sess_transport(sessp);
    peer->fd = t ? t->sock : -1;
    if (peer->fd >= 0) {
        peer->notifier = new QSocketNotifier(peer->fd, QSocketNotifier::Read);
        peer->notifier->setEnabled(m_pumpActive);
        Peer* raw = peer.get();
        connect(peer->notifier, &QSocketNotifier::activated, this, [this, raw] {
            readPeer(raw, true);
            dispatchCompleted();
            schedulePump();
        });
    }
    Peer* raw = peer.get();
    m_peers.emplace(key, std::move(peer));
    status = 0;
    return raw;
}

// Makes sure the library holds the user of this target for the agent's engine, with exactly
// these credentials. The library caches users by (engine ID, name): a stale entry would let a
// wrong password pass after a right one, or fail a right one after a wrong one.
int Session::prepareV3(Peer* peer, const Target& target)
{
    if (const int rc = checkUsmTarget(target); rc != 0)
        return rc;
    const std::string& engineId = m_engineIds[peer->engineKey];
    const std::string userKey = engineId + '\0' + target.securityName;
    const std::string credentials = std::to_string(target.authProtocol) + '\0' + target.authPassword + '\0'
        + std::to_string(target.privProtocol) + '\0' + target.privPassword;
    auto registered = m_registeredUsers.find(userKey);
    if (registered != m_registeredUsers.end() && registered->second == credentials)
        return 0;
    m_registeredUsers.erase(userKey);
    if (const int rc = registerUsmUser(engineId, target); rc != 0)
        return rc;
    m_registeredUsers[userKey] = credentials;
    return 0;
}

int Session::transmit(Peer* peer, Request* r)
{
    const Target& t = r->target;
    int command = SNMP_MSG_GET;
    if (r->pdu.type == PduType::GetNext)
        command = SNMP_MSG_GETNEXT;
    else if (r->pdu.type == PduType::Set)
        command = SNMP_MSG_SET;
    else if (r->pdu.type == PduType::GetBulk)
        command = SNMP_MSG_GETBULK;
    netsnmp_pdu* pdu = snmp_pdu_create(command);
    pdu->version = libraryVersion(t.version);
    if (command == SNMP_MSG_GETBULK) {
        pdu->non_repeaters = r->pdu.nonRepeaters;
        pdu->max_repetitions = r->pdu.maxRepetitions;
    }

    if (r->discovery) {
        pdu->securityModel = SNMP_SEC_MODEL_USM;
        pdu->securityLevel = SNMP_SEC_LEVEL_NOAUTH;
        pdu->securityName = strdup("");
        pdu->securityNameLen = 0;
    } else if (t.version == 3) {
        if (const int rc = prepareV3(peer, t); rc != 0) {
            snmp_free_pdu(pdu);
            return rc;
        }
        const std::string& engineId = m_engineIds[peer->engineKey];
        pdu->securityModel = SNMP_SEC_MODEL_USM;
        pdu->securityLevel = t.securityLevel;
        pdu->securityName = reinterpret_cast<char*>(dupBytes(t.securityName));
        pdu->securityNameLen = t.securityName.size();
        pdu->securityEngineID = dupBytes(engineId);
        pdu->securityEngineIDLen = engineId.size();
        const std::string& contextEngine = t.contextEngineId.empty() ? engineId : t.contextEngineId;
        pdu->contextEngineID = dupBytes(contextEngine);
        pdu->contextEngineIDLen = contextEngine.size();
        pdu->contextName = reinterpret_cast<char*>(dupBytes(t.contextName));
        pdu->contextNameLen = t.contextName.size();
    } else {
        const std::string& community = r->pdu.type == PduType::Set ? t.writeCommunity : t.readCommunity;
        pdu->community = dupBytes(community);
        pdu->community_len = community.size();
    }
    for (const Varbind& vb : r->pdu.varbinds) {
        if (!addToLibraryPdu(pdu, vb, r->pdu.type == PduType::Set)) {
            snmp_free_pdu(pdu);
            return status::InvalidPdu;
        }
    }
    // The library reports a datagram the kernel refuses twice: through the callback and by
    // returning 0. Only the return value counts here; the callback must not complete the request.
    r->sending = true;
    const int sent = snmp_sess_async_send(peer->sessp, pdu, onLibraryReply, r);
    r->sending = false;
    if (sent == 0) {
        int liberr = 0, syserr = 0;
        char* text = nullptr;
        snmp_sess_error(peer->sessp, &syserr, &liberr, &text);  // system errno first
        free(text);
        snmp_free_pdu(pdu);
        const int mapped = fromLibraryError(liberr);
        return mapped == 0 ? status::ClassError : mapped;
    }
    r->inLibrary = true;
    schedulePump();
    return 0;
}

void Session::startDiscovery(Peer* peer)
{
    if (peer->discovery)
        return;
    auto* d = new Request;
    d->session = this;
    d->peer = peer;
    d->discovery = true;
    d->target.version = 3;
    d->pdu.type = PduType::Get;
    liveRequests().insert(d);
    peer->discovery = d;
    // A discovery that cannot be sent fails the requests waiting for it, from the pump.
    if (const int rc = transmit(peer, d); rc != 0) {
        d->done = true;
        d->status = rc;
        m_completed.push_back(d);
        schedulePump();
    }
}

// Engine discovery has ended: the requests waiting for it go out now, or fail with its status.
void Session::finishDiscovery(Request* d)
{
    Peer* peer = d->peer;
    peer->discovery = nullptr;
    const bool ok = !d->engineId.empty();
    if (ok)
        m_engineIds[peer->engineKey] = d->engineId;
    const int failure = d->status != 0 ? d->status : status::UsmUnknownEngineId;
    std::vector<Request*> waiting;
    waiting.swap(peer->waitingForEngine);
    for (Request* r : waiting) {
        const int rc = ok ? transmit(peer, r) : failure;
        if (rc != 0)
            complete(r, rc, Pdu{});
    }
    if (!d->inLibrary) {
        liveRequests().erase(d);
        delete d;
    }
}

void Session::settleDiscoveries()
{
    for (std::size_t i = 0; i < m_completed.size();) {
        Request* d = m_completed[i];
        if (!d->discovery) {
            ++i;
            continue;
        }
        m_completed.erase(m_completed.begin() + std::ptrdiff_t(i));
        finishDiscovery(d);
        i = 0;  // finishing may have completed further requests
    }
}

void Session::complete(Request* r, int st, Pdu response)
{
    // A switch replaced or reset at the same address answers with a new engine ID: it reports
    // ours unknown or out of its time window, or silently drops what it cannot authenticate.
    // After any of these the next request discovers the engine again (a time-window report
    // counts once the request has been resent in the window it taught).
    const bool staleEngine = st == status::Timeout || st == status::UsmUnknownEngineId
        || (st == status::UsmNotInTimeWindow && (r->sync || r->resentForTimeWindow));
    if (staleEngine && r->peer && !r->discovery && r->target.version == 3)
        m_engineIds.erase(r->peer->engineKey);
    r->done = true;
    r->status = st;
    r->response = std::move(response);
    if (!r->sync) {
        m_completed.push_back(r);
        schedulePump();
    }
}

Session::Request* Session::newRequest(Peer* peer, const Target& target, const Pdu& pdu)
{
    auto* r = new Request;
    r->session = this;
    r->peer = peer;
    r->target = target;
    r->pdu = pdu;
    liveRequests().insert(r);
    return r;
}

int Session::sendAsync(const Target& target, const Pdu& pdu, Callback callback, const void* owner)
{
    int st = 0;
    Peer* peer = peerFor(target, st);
    if (!peer)
        return st;
    Request* r = newRequest(peer, target, pdu);
    r->callback = std::move(callback);
    r->owner = owner;
    if (target.version == 3 && m_engineIds[peer->engineKey].empty()) {
        // Engine discovery runs asynchronously first; the request waits for it.
        peer->waitingForEngine.push_back(r);
        startDiscovery(peer);
        return 0;
    }
    st = transmit(peer, r);
    if (st != 0) {
        liveRequests().erase(r);
        delete r;
    }
    return st;
}

int Session::send(const Target& target, Pdu& pdu)
{
    int st = 0;
    Peer* peer = peerFor(target, st);
    if (!peer)
        return st;
    Request* r = newRequest(peer, target, pdu);
    r->sync = true;
    if (target.version == 3 && m_engineIds[peer->engineKey].empty()) {
        peer->waitingForEngine.push_back(r);
        startDiscovery(peer);
    } else if ((st = transmit(peer, r)) != 0) {
        complete(r, st, Pdu{});
    }
    waitFor(r);
    st = r->status;
    pdu.varbinds = std::move(r->response.varbinds);
    pdu.errorStatus = r->response.errorStatus;
    pdu.errorIndex = r->response.errorIndex;
    if (r->inLibrary) {
        r->cancelled = true;  // freed when the library lets go of it
    } else {
        liveRequests().erase(r);
        delete r;
    }
    if (st == 0 && pdu.errorStatus != 0)
        st = pdu.errorStatus;
    return st;
}

// Blocks on the request's socket until the library has answered it. Other replies that
// arrive meanwhile are kept for the pump; only engine discovery is settled here.
void Session::waitFor(Request* r)
{
    while (!r->done) {
        settleDiscoveries();
        if (r->done)
            break;
        fd_set fds;
        FD_ZERO(&fds);
        int numfds = 0, block = 0;
        timeval tv{0, 100000};
        snmp_sess_select_info(r->peer->sessp, &numfds, &fds, &tv, &block);
        if (block)
            tv = {0, 100000};
        const int n = select(numfds, &fds, nullptr, nullptr, &tv);
        if (n > 0)
            snmp_sess_read(r->peer->sessp, &fds);
        else if (n == 0)
            snmp_sess_timeout(r->peer->sessp);
        else if (errno != EINTR)
            complete(r, status::TransportFailed, Pdu{});
    }
}

void Session::readPeer(Peer* peer, bool knownReadable)
{
    if (!peer->sessp || peer->fd < 0)
        return;
    fd_set fds;
    FD_ZERO(&fds);
    FD_SET(peer->fd, &fds);
    // The socket blocks: read it only when a datagram is waiting (the notifier says so, or a
    // poll without waiting does).
    timeval tv{0, 0};
    if (knownReadable || select(peer->fd + 1, &fds, nullptr, nullptr, &tv) > 0)
        snmp_sess_read(peer->sessp, &fds);
}

void Session::processPendingEvents()
{
    for (auto& [key, peer] : m_peers) {
        readPeer(peer.get(), false);
        snmp_sess_timeout(peer->sessp);
    }
    dispatchCompleted();
    schedulePump();
}

// The timer is off while a tick runs, so ticks never nest when a callback runs a modal loop;
// the tick decides at its end whether another is needed.
void Session::onTick()
{
    m_timer->stop();
    m_inTick = true;
    processPendingEvents();
    m_inTick = false;
    schedulePump();
}

bool Session::needsTicks() const
{
    if (!m_completed.empty())
        return true;
    for (const Request* r : liveRequests())
        if (r->session == this && r->inLibrary)
            return true;
    return false;
}

void Session::schedulePump()
{
    if (!m_pumpActive || m_inTick)
        return;
    if (!needsTicks())
        m_timer->stop();
    else if (!m_timer->isActive())
        m_timer->start();
}

bool Session::pumpTimerActive() const
{
    return m_timer && m_timer->isActive();
}

void Session::dispatchCompleted()
{
    settleDiscoveries();
    while (!m_completed.empty()) {
        Request* r = m_completed.front();
        m_completed.erase(m_completed.begin());
        if (r->discovery) {
            finishDiscovery(r);
            continue;
        }
        if (r->status == status::UsmNotInTimeWindow && !r->resentForTimeWindow && !r->cancelled) {
            // The first authenticated request to an agent learns its clock from this report:
            // send it once more, now in the time window.
            r->resentForTimeWindow = true;
            r->done = false;
            const int st = transmit(r->peer, r);
            if (st == 0)
                continue;
            r->done = true;
            r->status = st;
            if (!r->cancelled && r->callback)
                r->callback(st, r->response);
        } else if (!r->cancelled && r->callback) {
            // Run the callback only after the request is out of every list: it may send again,
            // pump events or cancel.
            Callback cb = std::move(r->callback);
            const int st = r->status;
            Pdu response = std::move(r->response);
            r->cancelled = true;
            if (!r->inLibrary) {
                liveRequests().erase(r);
                delete r;
            }
            cb(st, response);
            continue;
        }
        if (!r->inLibrary) {
            liveRequests().erase(r);
            delete r;
        }
    }
}

void Session::cancel(const void* owner)
{
    if (!owner)
        return;
    for (Request* r : liveRequests())
        if (r->session == this && r->owner == owner)
            r->cancelled = true;
}

int Session::outstanding() const
{
    int n = 0;
    for (Request* r : liveRequests())
        if (r->session == this && !r->discovery && !r->sync && !r->cancelled)
            ++n;
    return n;
}

std::string Session::discoveredEngineId(const std::string& address, std::uint16_t port) const
{
    auto it = m_engineIds.find(peerName(address, port));
    return it == m_engineIds.end() ? std::string() : it->second;
}

void Session::startPump()
{
    m_pumpActive = true;
    for (auto& [key, peer] : m_peers)
        if (peer->notifier)
            peer->notifier->setEnabled(true);
    schedulePump();
}

void Session::stopPump()
{
    m_pumpActive = false;
    if (m_timer)
        m_timer->stop();
    for (auto& [key, peer] : m_peers)
        if (peer->notifier)
            peer->notifier->setEnabled(false);
}

namespace {

// Runs inside the library: it only records the outcome. Everything that may send again or
// call back into the program happens later, outside the library.
int onLibraryReply(int op, netsnmp_session*, int, netsnmp_pdu* pdu, void* magic)
{
    auto* r = static_cast<Session::Request*>(magic);
    if (!liveRequests().count(r))
        return 1;
    if (op == NETSNMP_CALLBACK_OP_RESEND || op == NETSNMP_CALLBACK_OP_SEC_ERROR)
        return 1;  // informational
    if (op == NETSNMP_CALLBACK_OP_SEND_FAILED && r->sending)
        return 1;  // the sender sees the failure in the return value and reports it
    r->inLibrary = false;
    if (g_closing || r->done) {
        if (r->done && r->cancelled) {
            liveRequests().erase(r);
            delete r;
        }
        return 1;
    }
    int st = status::Success;
    Pdu response;
    if (op == NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE && pdu) {
        response.type = PduType::Get;
        // Sized once: a get-bulk response holds dozens of varbinds.
        std::size_t count = 0;
        for (const netsnmp_variable_list* v = pdu->variables; v; v = v->next_variable)
            ++count;
        response.varbinds.reserve(count);
        for (netsnmp_variable_list* v = pdu->variables; v; v = v->next_variable)
            response.varbinds.push_back(varbindFromLibrary(v));
        if (r->discovery) {
            r->engineId.assign(reinterpret_cast<const char*>(pdu->securityEngineID), pdu->securityEngineIDLen);
        } else if (pdu->command == SNMP_MSG_REPORT) {
            st = reportStatus(pdu);
            response.errorStatus = st;
        } else {
            response.errorStatus = int(pdu->errstat);
            response.errorIndex = int(pdu->errindex);
        }
    } else if (op == NETSNMP_CALLBACK_OP_TIMED_OUT) {
        st = status::Timeout;
    } else if (op == NETSNMP_CALLBACK_OP_DISCONNECT) {
        st = status::SessionClosed;
    } else {
        st = status::TransportFailed;
    }
    r->session->completeFromLibrary(r, st, std::move(response));
    return 1;
}

} // namespace

} // namespace snmp
