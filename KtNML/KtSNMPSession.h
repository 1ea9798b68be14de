#pragma once
// The one global SNMP session, its default access parameters and its event pump.
//
// Every request copies the defaults when it is constructed, so start-up sets them once from
// the command line and every view then talks to the same device with the same credentials.
#include <QString>

namespace snmp {
class Session;
struct Target;
}

struct KtSNMPDevice {
    QString address = QStringLiteral("127.0.0.1");  // IPv4/IPv6 literal or host name
    quint16 port = 161;
};

struct KtSNMPScope {
    QString contextEngineID;
    QString contextName;
};

// Codes follow the framework's numbering: version 0 SNMPv1, 1 SNMPv2c, 3 SNMPv3;
// security level 1 noAuthNoPriv, 2 authNoPriv, 3 authPriv;
// auth protocol 1 none, 2 HMAC-MD5, 3 HMAC-SHA, 4..7 HMAC-SHA-224/-256/-384/-512;
// priv protocol 1 none, 2 DES, 3 3DES, 4 IDEA, 5..7 AES-128/-192/-256.
struct KtSNMPSecurity {
    quint8 version = 0;
    QString readCommunity = QStringLiteral("rocomm");
    QString writeCommunity = QStringLiteral("rwcomm1");
    qint32 securityModel = 1;
    qint32 securityLevel = 1;
    QString securityName;
    QString authPassword;
    QString privPassword;
    qint32 authProtocol = 1;
    qint32 privProtocol = 1;
};

struct KtSNMPDefaultParams {
    KtSNMPDevice device;
    KtSNMPScope scope;
    KtSNMPSecurity security;
    qint32 timeout = 100;  // hundredths of a second, per attempt
    // Table walks use get-bulk with SNMPv2c and SNMPv3 (a device's .cfg can turn it off for a
    // switch that mishandles it).
    bool getBulk = true;
};

// Turns a request's parameters into a target of the SNMP adapter: a community target for
// SNMPv1 and SNMPv2c, a user-based one for SNMPv3. Throws -509 when the address is neither a
// valid literal nor a resolvable name.
snmp::Target KtSNMPBuildTarget(const KtSNMPDefaultParams& params, int retries);

// The global defaults. Start-up writes them after KtSNMPInitSession; requests copy them.
extern KtSNMPDefaultParams KtSNMPDefaults;

// Name of the engine-boots file and the local engine ID kept in it.
inline constexpr const char* kKtBootsFileName = "KtSNMP_PP_BootCounter";
inline constexpr const char* kKtLocalEngineID = "KtSNMP_PP_Application";

// Engine boots stop at this value (RFC 3414): a counter that has reached it stays there.
inline constexpr quint32 kKtMaxEngineBoots = 2147483647;

// The boots file: in `directory`, or in the user's state folder (platform/StateFolder.h) when
// `directory` is empty.
QString KtSNMPBootsFile(const QString& directory);

// The boots value the next session started with `directory` gives itself: the stored value
// plus one, held at kKtMaxEngineBoots; 1 when nothing usable is stored. With the state folder,
// a file left in the working folder by earlier versions counts while the state folder has
// none. Nothing is written.
quint32 KtSNMPNextEngineBoots(const QString& directory);

// Opens the global session, initialises SNMPv3 with the next engine boots value (above),
// resets the defaults and starts the event pump. The boots file is not written yet: SNMPv1
// and SNMPv2c never need it. Throws KtException -506. Calling it again closes the previous
// session.
void KtSNMPInitSession(const QString& directory);

// Stores the session's boots value, once per session: start-up calls it when SNMPv3 is used,
// and KtSNMPBuildTarget before the first SNMPv3 target. The state folder is made (mode 0700)
// when missing. A damaged file is replaced. Throws -508 with the file's path when the file
// cannot be written (a folder or a symbolic link in its place, a read-only folder).
void KtSNMPSaveEngineBoots();

// Closes the global session (at exit; tests use it to start over).
void KtSNMPCloseSession();

// What this session has learnt of an agent's get-bulk (keyed by address and port, forgotten
// when the session closes): refused means walks of it use get-next from now on; answered
// means a get-bulk has worked with it (a later time-out is then no sign of refusal).
bool KtSNMPBulkRefused(const KtSNMPDefaultParams& params);
void KtSNMPSetBulkRefused(const KtSNMPDefaultParams& params);
bool KtSNMPBulkAnswered(const KtSNMPDefaultParams& params);
void KtSNMPSetBulkAnswered(const KtSNMPDefaultParams& params);

// The global session, or nullptr before KtSNMPInitSession succeeded.
snmp::Session* KtSNMPGlobalSession();

// The engine boots value the session was initialised with (0 before).
quint32 KtSNMPEngineBoots();

// The event pump of the global session: replies are read as soon as their socket is
// readable; a 20 ms timer drives retransmissions and time-outs while requests are outstanding
// (it stays off while the module is idle). Ticks never nest: a reply callback that runs a
// modal loop does not re-enter the library.
class SnmpEventProcessor {
public:
    void Start();
    void Stop();
    bool IsActive() const;
};

SnmpEventProcessor& KtSNMPEventProcessor();
