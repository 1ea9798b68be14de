#pragma once
// The SNMP adapter: one manager session with synchronous and asynchronous get, get-next,
// get-bulk (SNMPv2c and SNMPv3 only) and set, community and user-based targets, the engine boots file and the event pump.
//
// Statuses use one numbering throughout (the framework maps it to its error codes):
//   0                success
//   1..18            PDU error status of the agent's response (tooBig .. inconsistentName)
//   1401..1414       user-based security errors (1408 authentication failure, ...)
//   -1402..-1418     SNMPv3 message-processing errors
//   -1..-23          library errors (-5 time-out, -8 session closed with requests outstanding)
#include "snmp/SnmpTypes.h"

#include <QObject>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class QTimer;

namespace snmp {

namespace status {
enum : int {
    Success = 0,
    TooBig = 1,
    GenErr = 5,
    ClassError = -1,
    ResourceUnavailable = -2,
    InternalError = -3,
    Timeout = -5,
    SessionClosed = -8,
    InvalidPdu = -11,
    InvalidTarget = -12,
    InvalidAddress = -18,
    TransportFailed = -22,
    UsmError = 1401,
    UsmUnsupportedSecurityLevel = 1403,
    UsmUnknownSecurityName = 1404,
    UsmEncryptionError = 1405,
    UsmDecryptionError = 1406,
    UsmAuthenticationError = 1407,
    UsmAuthenticationFailure = 1408,
    UsmParseError = 1409,
    UsmUnknownEngineId = 1410,
    UsmNotInTimeWindow = 1411,
    UsmUnsupportedAuthProtocol = 1412,
    UsmUnsupportedPrivProtocol = 1413,
    MpUnsupportedSecurityModel = -1402,
    MpInvalidMessage = -1405,
    MpParseError = -1408,
    MpBuildError = -1413,
    MpUnknownPduHandlers = -1415,
    MpUnavailableContext = -1416,
    MpUnknownContext = -1417,
};
}

enum class PduType { Get, GetNext, Set, GetBulk };

// Where a request goes and with which credentials. Protocol codes: auth 1 none, 2 HMAC-MD5,
// 3 HMAC-SHA, 4..7 HMAC-SHA-224/-256/-384/-512; priv 1 none, 2 DES, 3 3DES, 4 IDEA,
// 5..7 AES-128/-192/-256. Security level 1 noAuthNoPriv, 2 authNoPriv, 3 authPriv.
struct Target {
    std::string address;  // IPv4 or IPv6 literal, or a host name
    std::uint16_t port = 161;
    int version = 0;      // 0 SNMPv1, 1 SNMPv2c, 3 SNMPv3
    int retries = 1;
    int timeout = 100;    // hundredths of a second per attempt
    std::string readCommunity;
    std::string writeCommunity;
    int securityModel = 3;
    std::string securityName;
    int securityLevel = 1;
    int authProtocol = 1;
    int privProtocol = 1;
    std::string authPassword;
    std::string privPassword;
    std::string contextName;
    std::string contextEngineId;  // raw octets; empty: the agent's own engine ID
};

struct Pdu {
    PduType type = PduType::Get;
    std::vector<Varbind> varbinds;
    int errorStatus = 0;  // of a response; for a report, the security status it stands for
    int errorIndex = 0;
    // GetBulk: the first nonRepeaters varbinds are asked once, the others up to maxRepetitions
    // times each; the response holds them repetition by repetition.
    int nonRepeaters = 0;
    int maxRepetitions = 0;
};

// Completion of an asynchronous request: status (numbering above) and the response (empty
// varbinds when there is none).
using Callback = std::function<void(int status, const Pdu& response)>;

// A resolved address, or nothing when the text is neither a valid literal nor a resolvable
// host name (e.g. 300.1.1.1).
bool isValidAddress(const std::string& address);

// Engine boots file: one line "<engine ID in hex> <boots>" per engine. Only a regular file is
// read or written; a symbolic link is never followed.
// getBootCounter: 0 found, -1 no entry for this engine ID, -2 file cannot be opened (missing,
// a link, a folder, unreadable), -3 the file cannot be parsed. saveBootCounter keeps the other
// engines' entries and drops lines that are none; 0, or -2 when the file cannot be written.
int getBootCounter(const std::string& fileName, const std::string& engineId, std::uint32_t& boots);
int saveBootCounter(const std::string& fileName, const std::string& engineId, std::uint32_t boots);

class Session : public QObject {
    Q_OBJECT
public:
    // Opens the manager side of the library with this local engine identity (the library is
    // initialised once per process; later sessions reuse it). status: 0, or -1 on failure.
    Session(const std::string& localEngineId, std::uint32_t engineBoots, int& status);
    ~Session() override;

    // Blocks until the response, a time-out (timeout x (retries + 1)) or an error. The response
    // replaces pdu's varbinds and error fields. Returns the status; a response carrying an error
    // status returns that status.
    int send(const Target& target, Pdu& pdu);

    // Sends without blocking; the callback runs later from the event pump. Returns 0 when sent
    // (or queued behind engine discovery), else the status of the failure (no callback then).
    // The owner tag lets cancel() drop callbacks of an object that goes away.
    int sendAsync(const Target& target, const Pdu& pdu, Callback callback, const void* owner = nullptr);

    // Drops every pending callback of this owner: none of them runs afterwards.
    void cancel(const void* owner);

    // Reads every reply that has arrived, handles retransmissions and time-outs, and runs the
    // callbacks of completed requests.
    void processPendingEvents();

    // Asynchronous requests sent and not yet completed (or cancelled).
    int outstanding() const;

    // The engine ID discovered for an agent ("" when not yet known).
    std::string discoveredEngineId(const std::string& address, std::uint16_t port) const;

    // Local engine boots as the library holds it.
    static std::uint32_t localEngineBoots();

    // Starts or stops the event pump: socket notifiers, plus a 20 ms timer for retransmissions
    // and time-outs that runs only while the library holds a request or a completion waits to
    // be delivered (an idle module does not wake up).
    void startPump();
    void stopPump();
    bool pumpActive() const { return m_pumpActive; }
    bool pumpTimerActive() const;

    struct Peer;
    struct Request;

    // Records the library's answer to a request (called from inside the library only).
    void completeFromLibrary(Request* request, int status, Pdu response) { complete(request, status, std::move(response)); }

private:
    Peer* peerFor(const Target& target, int& status);
    Request* newRequest(Peer* peer, const Target& target, const Pdu& pdu);
    int prepareV3(Peer* peer, const Target& target);
    int transmit(Peer* peer, Request* request);
    void startDiscovery(Peer* peer);
    void finishDiscovery(Request* discovery);
    void settleDiscoveries();
    void complete(Request* request, int status, Pdu response);
    void dispatchCompleted();
    void readPeer(Peer* peer, bool knownReadable);
    void waitFor(Request* request);
    void onTick();
    bool needsTicks() const;
    void schedulePump();

    std::map<std::string, std::unique_ptr<Peer>> m_peers;
    std::map<std::string, std::string> m_engineIds;        // "addr|port" -> engine ID
    std::map<std::string, std::string> m_registeredUsers;  // "engineID|user" -> credentials
    std::vector<Request*> m_completed;                     // waiting for the pump to run callbacks
    QTimer* m_timer = nullptr;
    bool m_pumpActive = false;
    bool m_inTick = false;
};

} // namespace snmp
