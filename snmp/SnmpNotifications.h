#pragma once
// The notification receiver of the SNMP adapter: listens on a UDP port (IPv4 and IPv6) for
// SNMPv1 traps, SNMPv2c traps and informs and SNMPv3 traps and informs, authenticates them,
// acknowledges informs and hands the accepted ones to its owner. What it refuses is counted,
// never delivered: datagrams that are no SNMP notification, wrong communities, failed
// authentication.
//
// Event-driven like the session's pump: a socket notifier per socket and no timer, so an idle
// receiver never wakes up. Construct it after the manager session (it shares the library and
// the module's own engine ID, which SNMPv3 informs are sent to).
#include "snmp/SnmpSession.h"
#include "snmp/SnmpTypes.h"

#include <QObject>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace snmp {

enum class NotificationKind : std::uint8_t { TrapV1, TrapV2c, InformV2c, TrapV3, InformV3 };

struct Notification {
    NotificationKind kind = NotificationKind::TrapV2c;
    std::string sourceAddress;  // the datagram's source, "192.0.2.1" or "2001:db8::1"
    std::uint16_t sourcePort = 0;
    std::string principal;      // community (v1, v2c) or user name (v3)
    // SNMPv1 trap fields; for the others the same facts travel in the varbinds
    // (sysUpTime.0, snmpTrapOID.0).
    Oid enterprise;
    std::string agentAddress;   // 4 octets
    int genericTrap = 0;
    int specificTrap = 0;
    std::uint32_t timestamp = 0;
    std::vector<Varbind> varbinds;
};

// Datagrams refused since the receiver was opened.
struct ReceiverCounters {
    std::uint64_t malformed = 0;       // not an SNMP message, or not a notification
    std::uint64_t wrongCommunity = 0;  // v1/v2c with a community not accepted
    std::uint64_t authFailed = 0;      // v3 not authenticated (unknown user or engine, wrong key, level too low)
};

struct ReceiverSettings {
    std::uint16_t port = 162;  // 0: a free port (port() tells which)
    // Local addresses to listen on; the wildcards by default.
    std::vector<std::string> addresses = {"0.0.0.0", "::"};
    // v1/v2c communities accepted (none: every community is refused).
    std::vector<std::string> communities;
    // The SNMPv3 user (securityName, level, protocols and passwords of a target); an empty
    // name refuses every SNMPv3 notification.
    Target user;
};

class NotificationReceiver : public QObject {
    Q_OBJECT
public:
    // Receives the notifications accepted since the last call, in order of arrival, after every
    // wake-up that read anything (the batch is empty when all was refused: counters() changed).
    using Handler = std::function<void(std::vector<Notification>& batch)>;

    explicit NotificationReceiver(Handler handler, QObject* parent = nullptr);
    ~NotificationReceiver() override;

    // Opens a socket per address. False when any cannot be bound: error() says which and why
    // and errorNumber() holds the system's errno (EACCES for a privileged port, EADDRINUSE).
    // Nothing stays open then.
    bool open(const ReceiverSettings& settings);
    void close();
    bool isOpen() const;

    std::uint16_t port() const { return m_port; }
    const std::string& error() const { return m_error; }
    int errorNumber() const { return m_errno; }
    const ReceiverCounters& counters() const { return m_counters; }

    // At most this many datagrams, and for at most this long, are read per wake-up before the
    // event loop runs again (the socket notifier wakes it again for the rest).
    static constexpr int kReadsPerWakeUp = 8;
    static constexpr int kMsPerWakeUp = 10;

    struct Socket;
    // Called from inside the library only.
    int onLibraryPdu(Socket* socket, int op, void* pdu);

private:
    void readSocket(Socket* socket);
    void registerSenderEngine(const std::string& engineId);

    Handler m_handler;
    ReceiverSettings m_settings;
    std::vector<std::unique_ptr<Socket>> m_sockets;
    std::vector<std::string> m_senderEngines;  // engines the v3 user is registered for
    std::vector<Notification> m_batch;
    ReceiverCounters m_counters;
    std::uint16_t m_port = 0;
    std::string m_error;
    int m_errno = 0;
    // About the datagram being read: where it came from, and whether the library passed it on.
    std::string m_source;
    std::uint16_t m_sourcePort = 0;
    bool m_handled = false;
};

} // namespace snmp
