// vkr2207-sim: an SNMP agent that plays a VKR-2207 switch for tests, benchmarks and practice.
// It serves the objects of its data file(s) from one ordered map (sim/SimData.h); the SNMP
// library does the protocol work (versions, USM, VACM, bulk), this file only glues.
#include "sim/SimData.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
#include <net-snmp/agent/net-snmp-agent-includes.h>
#include <net-snmp/library/keytools.h>
#include <net-snmp/library/transform_oids.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <random>
#include <string>
#include <thread>
#include <vector>

extern "C" {
// Initialisers of the agent's own SNMPv3 MIB modules; the library installs no header for them.
void init_vacm_vars(void);
void init_usmUser(void);
void init_snmpEngine(void);
// The agent's listening session (defined by the agent library, not declared in its headers).
extern netsnmp_session* main_session;
}

namespace {

constexpr const char* kAppName = "vkr2207-sim";

struct User {
    std::string name, auth, authPass, priv, privPass;
};

// A manager given on the command line: where notifications go, and in which form.
struct NotifyTarget {
    int version = SNMP_VERSION_2c;
    bool inform = false;
    std::string transport;  // udp:ADDR:PORT or udp6:[ADDR]:PORT
};

struct Options {
    std::vector<std::string> dataFiles;
    std::string stateDir;
    std::string address = "127.0.0.1";
    int port = 16100;
    std::string readCommunity = "public";
    std::string writeCommunity = "private";
    std::vector<User> users;
    int delayMs = 0;
    long dropEvery = 0;  // 0: none, 1: all
    bool faultyGetNext = false;
    enum class Bulk { Answer, GenErr, Drop } bulk = Bulk::Answer;
    long maxVarbinds = 0;  // 0: no limit on a get-bulk's response
    std::vector<std::pair<std::string, std::size_t>> fills;
    std::string logPath;
    bool freeze = false;
    bool countersNearWrap = false;
    unsigned seed = 2207;
    std::vector<NotifyTarget> notify;
    std::string notifyCommunity;  // "": the read community
    std::string notifyUser;       // "": the first user with an authentication key
    long burst = 1;               // notifications per SIGUSR2
};

vkrsim::Store g_store;
Options g_opt;
std::FILE* g_log = nullptr;
unsigned long g_received = 0;
volatile std::sig_atomic_t g_stop = 0;
volatile std::sig_atomic_t g_restart = 0;  // SIGUSR1: restart the up time and the counters
volatile std::sig_atomic_t g_flap = 0;     // SIGUSR2: port 1's link goes down or up
int g_wakePipe[2] = {-1, -1};
// The error status every varbind of the request being handled gets instead of an answer (a
// get-bulk this switch refuses), or 0.
int g_refuseWith = 0;
std::mt19937 g_rng;
auto g_start = std::chrono::steady_clock::now();

std::uint32_t uptimeTicks()
{
    auto d = std::chrono::steady_clock::now() - g_start;
    return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(d).count() / 10);
}

void usage(std::FILE* to)
{
    std::fprintf(to,
        "usage: %s [options]\n"
        "  --data FILE            data file (repeatable; default: the shipped vkr2207.sim, in\n"
        "                         sim/ beside the program or in " VKR_DATA_FROM_BIN "/sim)\n"
        "  --state DIR            state folder (engine ID and boots); default ~/.local/state/vkr2207-sim\n"
        "  --address ADDR         127.0.0.1 (default) or ::1\n"
        "  --port N               UDP port (default 16100; 0 takes a free port)\n"
        "  --read-community C     v1/v2c read community (default public)\n"
        "  --write-community C    v1/v2c write community (default private)\n"
        "  --user NAME[:AUTH:APASS[:PRIV:PPASS]]  SNMPv3 user (repeatable; replaces the default users)\n"
        "                         AUTH: MD5 SHA SHA-224 SHA-256 SHA-384 SHA-512; PRIV: DES AES\n"
        "  --delay MS             wait MS milliseconds before answering each request\n"
        "  --drop N|all           drop every N-th received request, or all of them\n"
        "  --faulty-getnext       get-next answers repeat the requested OID (a broken switch)\n"
        "  --getbulk generr|drop  a switch without get-bulk: answer it with genErr, or never\n"
        "  --max-varbinds N       a get-bulk whose response could hold more than N varbinds is\n"
        "                         answered tooBig (a switch with a small response buffer)\n"
        "  --fill TABLE=N         add N generated rows to a table of the data file (repeatable)\n"
        "  --log FILE             request log, one line per received request\n"
        "  --freeze               keep LEDs and counters still\n"
        "  --counters-near-wrap   start the 32-bit octet counters just below 2^32\n"
        "  --seed N               seed of the LED animation\n"
        "  --notify KIND:ADDR:PORT  also send notifications there (repeatable); KIND: v1, v2c,\n"
        "                         v2c-inform, v3, v3-inform (the Trap Manager Table's enabled\n"
        "                         rows on 127.0.0.0/8 get them too)\n"
        "  --notify-community C   community of the --notify targets (default: the read community)\n"
        "  --notify-user NAME     SNMPv3 user of the --notify targets (default: the first user\n"
        "                         with an authentication key)\n"
        "  --burst N              notifications SIGUSR2 sends (port 1 down, up, down, ...; over\n"
        "                         about a second when N is large)\n",
        kAppName);
}

[[noreturn]] void die(const std::string& msg)
{
    std::fprintf(stderr, "%s: %s\n", kAppName, msg.c_str());
    std::exit(2);
}

// The shipped data file: in sim/ beside the program in a build folder, in the installed data
// folder (found from the program's own location) otherwise.
std::string defaultDataFile()
{
    std::string self(4096, '\0');
    const ssize_t n = readlink("/proc/self/exe", self.data(), self.size() - 1);
    if (n <= 0)
        die("cannot find the program's own folder; give the data file with --data");
    self.resize(static_cast<std::size_t>(n));
    const std::string folder = self.substr(0, self.rfind('/'));
    const std::string candidates[] = {folder + "/sim/vkr2207.sim",
                                      folder + "/" VKR_DATA_FROM_BIN "/sim/vkr2207.sim"};
    for (const std::string& file : candidates)
        if (access(file.c_str(), R_OK) == 0)
            return file;
    die("no data file at " + candidates[0] + " or " + candidates[1] + "; give one with --data");
}

long parseNumber(const std::string& s, const char* what, long lo, long hi)
{
    char* end = nullptr;
    errno = 0;
    long v = std::strtol(s.c_str(), &end, 10);
    if (s.empty() || *end || errno || v < lo || v > hi)
        die(std::string("bad ") + what + " '" + s + "'");
    return v;
}

std::vector<std::string> split(const std::string& s, char sep)
{
    std::vector<std::string> out;
    std::size_t start = 0;
    while (true) {
        auto p = s.find(sep, start);
        out.push_back(s.substr(start, p == std::string::npos ? std::string::npos : p - start));
        if (p == std::string::npos)
            return out;
        start = p + 1;
    }
}

bool plainWord(const std::string& s)
{
    if (s.empty())
        return false;
    for (unsigned char c : s)
        if (c <= ' ' || c == '"' || c == '\\' || c >= 0x7f)
            return false;
    return true;
}

NotifyTarget parseNotifyTarget(const std::string& argument)
{
    const auto colon = argument.find(':');
    if (colon == std::string::npos)
        die("--notify wants KIND:ADDR:PORT");
    const std::string kind = argument.substr(0, colon);
    std::string rest = argument.substr(colon + 1);
    NotifyTarget t;
    if (kind == "v1")
        t.version = SNMP_VERSION_1;
    else if (kind == "v2c" || kind == "v2c-inform")
        t.version = SNMP_VERSION_2c;
    else if (kind == "v3" || kind == "v3-inform")
        t.version = SNMP_VERSION_3;
    else
        die("--notify: KIND is v1, v2c, v2c-inform, v3 or v3-inform, not '" + kind + "'");
    t.inform = kind.size() > 7 && kind.compare(kind.size() - 7, 7, "-inform") == 0;
    std::string address, port;
    if (!rest.empty() && rest.front() == '[') {
        const auto close = rest.find("]:");
        if (close == std::string::npos)
            die("--notify: an IPv6 address goes in brackets: v2c:[::1]:162");
        address = rest.substr(1, close - 1);
        port = rest.substr(close + 2);
    } else {
        const auto last = rest.rfind(':');
        if (last == std::string::npos)
            die("--notify wants KIND:ADDR:PORT");
        address = rest.substr(0, last);
        port = rest.substr(last + 1);
    }
    const long number = parseNumber(port, "notification port", 1, 65535);
    in6_addr a6{};
    in_addr a4{};
    if (inet_pton(AF_INET6, address.c_str(), &a6) == 1)
        t.transport = "udp6:[" + address + "]:" + std::to_string(number);
    else if (inet_pton(AF_INET, address.c_str(), &a4) == 1)
        t.transport = "udp:" + address + ":" + std::to_string(number);
    else
        die("--notify: '" + address + "' is no IPv4 or IPv6 address");
    return t;
}

Options parseOptions(int argc, char** argv)
{
    Options o;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc)
                die("option " + a + " needs a value");
            return argv[++i];
        };
        if (a == "--help" || a == "-h") {
            usage(stdout);
            std::exit(0);
        } else if (a == "--data") {
            o.dataFiles.push_back(value());
        } else if (a == "--state") {
            o.stateDir = value();
        } else if (a == "--address") {
            o.address = value();
        } else if (a == "--port") {
            o.port = static_cast<int>(parseNumber(value(), "port", 0, 65535));
        } else if (a == "--read-community") {
            o.readCommunity = value();
        } else if (a == "--write-community") {
            o.writeCommunity = value();
        } else if (a == "--user") {
            auto f = split(value(), ':');
            if (f.size() != 1 && f.size() != 3 && f.size() != 5)
                die("--user wants NAME, NAME:AUTH:PASS or NAME:AUTH:PASS:PRIV:PASS");
            User u;
            u.name = f[0];
            if (f.size() >= 3) {
                u.auth = f[1];
                u.authPass = f[2];
                if (u.authPass.size() < 8)
                    die("--user " + u.name + ": passwords need at least 8 characters");
            }
            if (f.size() == 5) {
                u.priv = f[3];
                u.privPass = f[4];
                if (u.privPass.size() < 8)
                    die("--user " + u.name + ": passwords need at least 8 characters");
            }
            for (const std::string& w : f)
                if (!plainWord(w))
                    die("--user: names, protocols and passwords must be non-empty words without blanks or quotes");
            o.users.push_back(u);
        } else if (a == "--delay") {
            o.delayMs = static_cast<int>(parseNumber(value(), "delay", 0, 600000));
        } else if (a == "--drop") {
            std::string v = value();
            o.dropEvery = v == "all" ? 1 : parseNumber(v, "drop interval", 1, 1000000000);
        } else if (a == "--faulty-getnext") {
            o.faultyGetNext = true;
        } else if (a == "--getbulk") {
            std::string v = value();
            if (v == "generr")
                o.bulk = Options::Bulk::GenErr;
            else if (v == "drop")
                o.bulk = Options::Bulk::Drop;
            else
                die("--getbulk wants generr or drop");
        } else if (a == "--max-varbinds") {
            o.maxVarbinds = parseNumber(value(), "varbind limit", 1, 1000000);
        } else if (a == "--fill") {
            std::string v = value();
            auto eq = v.find('=');
            if (eq == std::string::npos || eq == 0)
                die("--fill wants TABLE=N");
            o.fills.emplace_back(v.substr(0, eq),
                                 static_cast<std::size_t>(parseNumber(v.substr(eq + 1), "row count", 0, 1000000)));
        } else if (a == "--log") {
            o.logPath = value();
        } else if (a == "--freeze") {
            o.freeze = true;
        } else if (a == "--counters-near-wrap") {
            o.countersNearWrap = true;
        } else if (a == "--seed") {
            o.seed = static_cast<unsigned>(parseNumber(value(), "seed", 0, 0x7fffffff));
        } else if (a == "--notify") {
            o.notify.push_back(parseNotifyTarget(value()));
        } else if (a == "--notify-community") {
            o.notifyCommunity = value();
        } else if (a == "--notify-user") {
            o.notifyUser = value();
        } else if (a == "--burst") {
            o.burst = parseNumber(value(), "burst", 1, 1000000);
        } else {
            usage(stderr);
            die("unknown option '" + a + "'");
        }
    }
    if (!plainWord(o.readCommunity) || !plainWord(o.writeCommunity))
        die("communities must be non-empty words without blanks or quotes");
    if (o.dataFiles.empty())
        o.dataFiles.push_back(defaultDataFile());
    if (o.stateDir.empty()) {
        const char* xdg = std::getenv("XDG_STATE_HOME");
        const char* home = std::getenv("HOME");
        if (xdg && *xdg)
            o.stateDir = std::string(xdg) + "/vkr2207-sim";
        else if (home && *home)
            o.stateDir = std::string(home) + "/.local/state/vkr2207-sim";
        else
            die("no --state folder given and no HOME");
    }
    if (o.notifyCommunity.empty())
        o.notifyCommunity = o.readCommunity;
    if (!plainWord(o.notifyCommunity))
        die("communities must be non-empty words without blanks or quotes");
    if (o.users.empty()) {
        // Practice users, one per protocol pair; each works at every level its keys allow.
        o.users = {
            {"vkrnone", "", "", "", ""},
            {"vkrmd5", "MD5", "vkrauthpass", "DES", "vkrprivpass"},
            {"vkrsha", "SHA", "vkrauthpass", "AES", "vkrprivpass"},
            {"vkrsha256", "SHA-256", "vkrauthpass", "AES", "vkrprivpass"},
        };
    }
    if (o.notifyUser.empty()) {
        o.notifyUser = o.users.front().name;
        for (const User& u : o.users)
            if (!u.auth.empty()) {
                o.notifyUser = u.name;
                break;
            }
    }
    bool knownUser = false;
    for (const User& u : o.users)
        knownUser = knownUser || u.name == o.notifyUser;
    if (!knownUser)
        die("--notify-user " + o.notifyUser + " is none of the users");
    return o;
}

// Users come from the command line on every start; the library also persists them, and a
// persisted user with an old password would shadow the new one. Keep boots and engine ID only.
void forgetPersistedUsers(const std::string& file)
{
    std::FILE* in = std::fopen(file.c_str(), "r");
    if (!in)
        return;
    std::string kept;
    char buf[4096];
    while (std::fgets(buf, sizeof buf, in))
        if (std::strncmp(buf, "usmUser ", 8) != 0)
            kept += buf;
    std::fclose(in);
    if (std::FILE* out = std::fopen(file.c_str(), "w")) {
        std::fputs(kept.c_str(), out);
        std::fclose(out);
    }
}

void makeDir(const std::string& path)
{
    std::string cur;
    for (const std::string& part : split(path, '/')) {
        cur += part;
        if (!cur.empty() && ::mkdir(cur.c_str(), 0700) != 0 && errno != EEXIST)
            die("cannot create " + cur + ": " + std::strerror(errno));
        cur += '/';
    }
}

// ---- values between the store and the library ------------------------------------------------

void setVarbind(netsnmp_variable_list* vb, const vkrsim::Value& v)
{
    const auto type = static_cast<u_char>(v.type);
    switch (v.type) {
    case vkrsim::Type::Integer: {
        long n = static_cast<long>(v.num);
        snmp_set_var_typed_value(vb, type, &n, sizeof n);
        break;
    }
    case vkrsim::Type::Counter32:
    case vkrsim::Type::Gauge32:
    case vkrsim::Type::TimeTicks: {
        u_long n = static_cast<u_long>(v.num);
        snmp_set_var_typed_value(vb, type, &n, sizeof n);
        break;
    }
    case vkrsim::Type::Counter64: {
        counter64 c{static_cast<u_long>(v.big >> 32), static_cast<u_long>(v.big & 0xFFFFFFFFu)};
        snmp_set_var_typed_value(vb, type, &c, sizeof c);
        break;
    }
    case vkrsim::Type::IpAddress:
    case vkrsim::Type::OctetString:
        snmp_set_var_typed_value(vb, type, v.bytes.data(), v.bytes.size());
        break;
    case vkrsim::Type::ObjectId: {
        std::vector<oid> o(v.oid.begin(), v.oid.end());
        snmp_set_var_typed_value(vb, type, o.data(), o.size() * sizeof(oid));
        break;
    }
    }
}

// A received value; types the store does not know come back with a type no definition has,
// so they fail as wrongType.
vkrsim::Value fromVarbind(const netsnmp_variable_list* vb)
{
    vkrsim::Value v;
    v.type = static_cast<vkrsim::Type>(vb->type);
    switch (vb->type) {
    case ASN_INTEGER:
        v.num = *vb->val.integer;
        break;
    case ASN_COUNTER:
    case ASN_GAUGE:
    case ASN_TIMETICKS:
        v.num = static_cast<std::int64_t>(static_cast<std::uint32_t>(*vb->val.integer));
        break;
    case ASN_COUNTER64:
        v.big = (static_cast<std::uint64_t>(vb->val.counter64->high) << 32) | (vb->val.counter64->low & 0xFFFFFFFFu);
        break;
    case ASN_IPADDRESS:
    case ASN_OCTET_STR:
        v.bytes.assign(reinterpret_cast<const char*>(vb->val.string), vb->val_len);
        break;
    case ASN_OBJECT_ID:
        v.oid.assign(vb->val.objid, vb->val.objid + vb->val_len / sizeof(oid));
        break;
    default:
        break;
    }
    return v;
}

vkrsim::Oid toOid(const oid* name, size_t len)
{
    return vkrsim::Oid(name, name + len);
}

// ---- notifications ---------------------------------------------------------------------------
//
// The switch tells its managers what happens: the enabled rows of its Trap Manager Table (v1
// or v2c traps with the row's community, to port 162) and the --notify targets. Events are
// queued where they happen (inside the agent's request handling) and sent from the main loop,
// so that an SNMPv3 inform's engine discovery never runs inside a request.

struct Event {
    int generic = 6;       // SNMPv1 generic trap; 6 enterpriseSpecific
    int specific = 0;
    vkrsim::Oid trapOid;   // SNMPv2 form
    std::vector<std::pair<vkrsim::Oid, vkrsim::Value>> varbinds;
};

struct Sink {
    std::string transport;
    int version = SNMP_VERSION_2c;
    bool inform = false;
    std::string community;
    netsnmp_session* session = nullptr;
    bool failed = false;  // could not be opened: not tried again
};

std::vector<Event> g_events;
std::map<std::string, Sink> g_sinks;
// Informs sent and not yet answered: request ID -> what the log names them by.
std::map<int, std::string> g_informs;

const vkrsim::Oid kTrapManagerEntry = {1, 3, 6, 1, 4, 1, 32473, 12, 1, 4, 2, 1};
const vkrsim::Oid kIfAdminStatus = {1, 3, 6, 1, 2, 1, 2, 2, 1, 7};
const vkrsim::Oid kIfOperStatus = {1, 3, 6, 1, 2, 1, 2, 2, 1, 8};
const vkrsim::Oid kIfIndex = {1, 3, 6, 1, 2, 1, 2, 2, 1, 1};
const vkrsim::Oid kPortAdminState = {1, 3, 6, 1, 4, 1, 32473, 11, 101, 1, 2, 3, 2, 1, 4};

Event standardEvent(int generic)
{
    Event e;
    e.generic = generic;
    e.trapOid = {1, 3, 6, 1, 6, 3, 1, 1, 5, static_cast<std::uint32_t>(generic + 1)};
    return e;
}

Event linkEvent(int port, bool up)
{
    Event e = standardEvent(up ? 3 : 2);
    const auto p = static_cast<std::uint32_t>(port);
    auto integer = [](std::int64_t n) {
        vkrsim::Value v;
        v.type = vkrsim::Type::Integer;
        v.num = n;
        return v;
    };
    auto column = [&](const vkrsim::Oid& base) {
        vkrsim::Oid o = base;
        o.push_back(p);
        return o;
    };
    auto stored = [&](const vkrsim::Oid& base, std::int64_t fallback) {
        const vkrsim::Instance* inst = g_store.find(column(base));
        return inst ? inst->value.num : fallback;
    };
    e.varbinds.emplace_back(column(kIfIndex), integer(port));
    e.varbinds.emplace_back(column(kIfAdminStatus), integer(stored(kIfAdminStatus, 1)));
    e.varbinds.emplace_back(column(kIfOperStatus), integer(up ? 1 : 2));
    return e;
}

const User* notifyUser()
{
    for (const User& u : g_opt.users)
        if (u.name == g_opt.notifyUser)
            return &u;
    return nullptr;
}

const oid* authOid(const std::string& name, size_t& len)
{
    struct Entry {
        const char* name;
        const oid* protocol;
        size_t len;
    };
    static const Entry entries[] = {
        {"MD5", usmHMACMD5AuthProtocol, OID_LENGTH(usmHMACMD5AuthProtocol)},
        {"SHA", usmHMACSHA1AuthProtocol, OID_LENGTH(usmHMACSHA1AuthProtocol)},
        {"SHA-224", usmHMAC128SHA224AuthProtocol, OID_LENGTH(usmHMAC128SHA224AuthProtocol)},
        {"SHA-256", usmHMAC192SHA256AuthProtocol, OID_LENGTH(usmHMAC192SHA256AuthProtocol)},
        {"SHA-384", usmHMAC256SHA384AuthProtocol, OID_LENGTH(usmHMAC256SHA384AuthProtocol)},
        {"SHA-512", usmHMAC384SHA512AuthProtocol, OID_LENGTH(usmHMAC384SHA512AuthProtocol)},
    };
    for (const Entry& e : entries)
        if (name == e.name) {
            len = e.len;
            return e.protocol;
        }
    return nullptr;
}

std::string versionText(int version, int level)
{
    if (version == SNMP_VERSION_1)
        return "v1";
    if (version == SNMP_VERSION_2c)
        return "v2c";
    return level == SNMP_SEC_LEVEL_AUTHPRIV ? "v3/authPriv" : level == SNMP_SEC_LEVEL_AUTHNOPRIV ? "v3/authNoPriv"
                                                                                                 : "v3/noAuthNoPriv";
}

void logNotification(const std::string& disposition, const std::string& rest)
{
    if (!g_log)
        return;
    std::fputs(("- " + disposition + " " + rest + "\n").c_str(), g_log);
    std::fflush(g_log);
}

int onInformReply(int op, netsnmp_session*, int reqid, netsnmp_pdu* pdu, void*)
{
    auto it = g_informs.find(reqid);
    if (it == g_informs.end())
        return 1;
    if (op == NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE && pdu && pdu->command == SNMP_MSG_RESPONSE)
        logNotification("acked", it->second);
    else if (op == NETSNMP_CALLBACK_OP_TIMED_OUT)
        logNotification("unacked", it->second);
    else
        return 1;
    g_informs.erase(it);
    return 1;
}

// Opens the sink's session the first time it is used. An SNMPv3 inform learns the manager's
// engine ID while it opens (the manager is the authoritative engine); an SNMPv3 trap is sent
// with this agent's own engine ID and the user as the agent knows it.
netsnmp_session* sessionOf(Sink& sink)
{
    if (sink.session || sink.failed)
        return sink.session;
    netsnmp_session s;
    snmp_sess_init(&s);
    s.peername = const_cast<char*>(sink.transport.c_str());
    s.version = sink.version;
    s.retries = 1;
    s.timeout = 1000000;
    s.callback = onInformReply;
    std::vector<u_char> engine(64);
    std::string name;
    if (sink.version == SNMP_VERSION_3) {
        const User* u = notifyUser();
        name = u->name;
        s.securityModel = SNMP_SEC_MODEL_USM;
        s.securityName = name.data();
        s.securityNameLen = name.size();
        s.securityLevel = u->auth.empty()   ? SNMP_SEC_LEVEL_NOAUTH
                        : u->priv.empty()   ? SNMP_SEC_LEVEL_AUTHNOPRIV
                                            : SNMP_SEC_LEVEL_AUTHPRIV;
        size_t authLen = 0;
        const oid* auth = u->auth.empty() ? nullptr : authOid(u->auth, authLen);
        if (auth) {
            s.securityAuthProto = const_cast<oid*>(auth);
            s.securityAuthProtoLen = authLen;
            s.securityAuthKeyLen = USM_AUTH_KU_LEN;
            generate_Ku(auth, static_cast<u_int>(authLen), reinterpret_cast<const u_char*>(u->authPass.data()),
                        u->authPass.size(), s.securityAuthKey, &s.securityAuthKeyLen);
        }
        if (auth && !u->priv.empty()) {
            s.securityPrivProto = const_cast<oid*>(u->priv == "DES" ? usmDESPrivProtocol : usmAESPrivProtocol);
            s.securityPrivProtoLen = u->priv == "DES" ? OID_LENGTH(usmDESPrivProtocol) : OID_LENGTH(usmAESPrivProtocol);
            s.securityPrivKeyLen = USM_PRIV_KU_LEN;
            generate_Ku(auth, static_cast<u_int>(authLen), reinterpret_cast<const u_char*>(u->privPass.data()),
                        u->privPass.size(), s.securityPrivKey, &s.securityPrivKeyLen);
        }
        if (!sink.inform) {
            engine.resize(snmpv3_get_engineID(engine.data(), engine.size()));
            s.securityEngineID = engine.data();
            s.securityEngineIDLen = engine.size();
            s.flags |= SNMP_FLAGS_DONT_PROBE;
        }
    } else {
        s.community = reinterpret_cast<u_char*>(sink.community.data());
        s.community_len = sink.community.size();
    }
    sink.session = snmp_open(&s);
    if (!sink.session) {
        sink.failed = true;
        logNotification("unsent", sink.transport + " cannot be reached");
    }
    return sink.session;
}

void addVarbind(netsnmp_pdu* pdu, const vkrsim::Oid& name, const vkrsim::Value& value)
{
    std::vector<oid> o(name.begin(), name.end());
    netsnmp_variable_list* vb = snmp_varlist_add_variable(&pdu->variables, o.data(), o.size(), ASN_NULL, nullptr, 0);
    if (vb)
        setVarbind(vb, value);
}

void sendTo(Sink& sink, const Event& e)
{
    netsnmp_session* session = sessionOf(sink);
    if (!session)
        return;
    netsnmp_pdu* pdu = nullptr;
    if (sink.version == SNMP_VERSION_1) {
        pdu = snmp_pdu_create(SNMP_MSG_TRAP);
        vkrsim::Oid enterprise = {1, 3, 6, 1, 4, 1, 32473};
        if (const vkrsim::Instance* id = g_store.find({1, 3, 6, 1, 2, 1, 1, 2, 0}); id && !id->value.oid.empty())
            enterprise = id->value.oid;
        if (e.generic == 6 && e.trapOid.size() > 2)
            enterprise.assign(e.trapOid.begin(), e.trapOid.end() - 2);
        pdu->enterprise = static_cast<oid*>(std::malloc(enterprise.size() * sizeof(oid)));
        std::copy(enterprise.begin(), enterprise.end(), pdu->enterprise);
        pdu->enterprise_length = enterprise.size();
        pdu->trap_type = e.generic;
        pdu->specific_type = e.specific;
        pdu->time = uptimeTicks();
        in_addr a{};
        inet_pton(AF_INET, g_opt.address.find(':') == std::string::npos ? g_opt.address.c_str() : "127.0.0.1", &a);
        std::memcpy(pdu->agent_addr, &a, 4);
    } else {
        pdu = snmp_pdu_create(sink.inform ? SNMP_MSG_INFORM : SNMP_MSG_TRAP2);
        vkrsim::Value up;
        up.type = vkrsim::Type::TimeTicks;
        up.num = uptimeTicks();
        addVarbind(pdu, {1, 3, 6, 1, 2, 1, 1, 3, 0}, up);
        vkrsim::Value trapOid;
        trapOid.type = vkrsim::Type::ObjectId;
        trapOid.oid = e.trapOid;
        addVarbind(pdu, {1, 3, 6, 1, 6, 3, 1, 1, 4, 1, 0}, trapOid);
    }
    for (const auto& [name, value] : e.varbinds)
        addVarbind(pdu, name, value);
    const std::string type = sink.version == SNMP_VERSION_1 ? "TRAP" : sink.inform ? "INFORM" : "TRAP2";
    const std::string principal = sink.version == SNMP_VERSION_3 ? g_opt.notifyUser : sink.community;
    const std::string line = type + " " + versionText(sink.version, session->securityLevel) + " " + principal + " "
        + vkrsim::oidToString(e.trapOid) + " " + sink.transport;
    const int reqid = snmp_send(session, pdu);
    if (reqid == 0) {
        snmp_free_pdu(pdu);
        logNotification("unsent", line);
        return;
    }
    if (sink.inform)
        g_informs[reqid] = line;
    logNotification("sent", line);
}

// Every destination of the moment: the --notify targets and the Trap Manager Table's enabled
// rows (status 3) on the loopback network, whose version 2 means v1 traps and 1 or 3 v2c traps.
std::vector<Sink*> currentSinks()
{
    std::vector<Sink*> sinks;
    auto sinkFor = [&](const std::string& transport, int version, bool inform, const std::string& community) {
        const std::string key = transport + "|" + std::to_string(version) + "|" + (inform ? "i" : "t") + "|" + community;
        Sink& sink = g_sinks[key];
        if (sink.transport.empty()) {
            sink.transport = transport;
            sink.version = version;
            sink.inform = inform;
            sink.community = community;
        }
        sinks.push_back(&sink);
    };
    for (const NotifyTarget& t : g_opt.notify)
        sinkFor(t.transport, t.version, t.inform, g_opt.notifyCommunity);
    vkrsim::Oid status = kTrapManagerEntry;
    status.push_back(5);
    for (auto it = g_store.instances().lower_bound(status);
         it != g_store.instances().end() && vkrsim::isPrefix(status, it->first); ++it) {
        if (it->first.size() != status.size() + 1 || it->second.value.num != 3)
            continue;
        const std::uint32_t row = it->first.back();
        auto cell = [&](std::uint32_t column) {
            vkrsim::Oid o = kTrapManagerEntry;
            o.push_back(column);
            o.push_back(row);
            return g_store.find(o);
        };
        const vkrsim::Instance* address = cell(2);
        const vkrsim::Instance* community = cell(3);
        const vkrsim::Instance* version = cell(4);
        if (!address || address->value.bytes.size() != 4 || !community)
            continue;
        const auto* b = reinterpret_cast<const unsigned char*>(address->value.bytes.data());
        // A simulator sends nothing off the machine: rows naming other hosts (the shipped data's
        // managers) are left alone; --notify names any target explicitly.
        if (b[0] != 127)
            continue;
        const std::string transport = "udp:" + std::to_string(b[0]) + "." + std::to_string(b[1]) + "."
            + std::to_string(b[2]) + "." + std::to_string(b[3]) + ":162";
        sinkFor(transport, version && version->value.num == 2 ? SNMP_VERSION_1 : SNMP_VERSION_2c, false,
                community->value.bytes);
    }
    return sinks;
}

void sendEvents()
{
    if (g_events.empty())
        return;
    std::vector<Event> events;
    events.swap(g_events);
    const std::vector<Sink*> sinks = currentSinks();
    for (const Event& e : events)
        for (Sink* sink : sinks)
            sendTo(*sink, e);
}

// SIGUSR2: port 1's link goes down and up in turn, --burst times; a large burst is spread over
// about a second (a flood a manager must survive).
void flapPort()
{
    const long n = g_opt.burst;
    const auto start = std::chrono::steady_clock::now();
    const std::vector<Sink*> sinks = currentSinks();
    for (long i = 0; i < n && !g_stop; ++i) {
        const bool up = !g_store.portLinkUp(1);
        g_store.setPortLink(1, up);
        const Event e = linkEvent(1, up);
        for (Sink* sink : sinks)
            sendTo(*sink, e);
        if (n > 100) {
            const auto due = start + std::chrono::microseconds(1000000LL * (i + 1) / n);
            std::this_thread::sleep_until(due);
        }
    }
}

// After a set has been committed: the admin states it changed take links down or up.
void queueAdminChanges(netsnmp_request_info* requests)
{
    for (netsnmp_request_info* r = requests; r; r = r->next) {
        const vkrsim::Oid o = toOid(r->requestvb->name, r->requestvb->name_length);
        if (r->requestvb->type != ASN_INTEGER)
            continue;
        const long value = *r->requestvb->val.integer;
        int port = 0;
        bool up = false;
        if (o.size() == kIfAdminStatus.size() + 1 && vkrsim::isPrefix(kIfAdminStatus, o) && (value == 1 || value == 2)) {
            port = static_cast<int>(o.back());
            up = value == 1;
        } else if (o.size() == kPortAdminState.size() + 2 && vkrsim::isPrefix(kPortAdminState, o)
                   && (value == 2 || value == 3)) {
            port = static_cast<int>(o[kPortAdminState.size()]);
            up = value == 3;
        } else {
            continue;
        }
        if (g_store.setPortAdmin(port, up))
            g_events.push_back(linkEvent(port, up));
    }
}

// ---- request log -----------------------------------------------------------------------------

std::string hex(const u_char* p, size_t n)
{
    static const char* d = "0123456789ABCDEF";
    std::string s;
    for (size_t i = 0; i < n; ++i) {
        s += d[p[i] >> 4];
        s += d[p[i] & 15];
    }
    return s;
}

std::string oidText(const oid* o, size_t n)
{
    std::string s;
    for (size_t i = 0; i < n; ++i) {
        if (i)
            s += '.';
        s += std::to_string(o[i]);
    }
    return s;
}

std::string valueText(const netsnmp_variable_list* vb)
{
    switch (vb->type) {
    case ASN_INTEGER: return "i:" + std::to_string(*vb->val.integer);
    case ASN_COUNTER: return "c:" + std::to_string(static_cast<std::uint32_t>(*vb->val.integer));
    case ASN_GAUGE: return "u:" + std::to_string(static_cast<std::uint32_t>(*vb->val.integer));
    case ASN_TIMETICKS: return "t:" + std::to_string(static_cast<std::uint32_t>(*vb->val.integer));
    case ASN_COUNTER64:
        return "C:" + std::to_string((static_cast<std::uint64_t>(vb->val.counter64->high) << 32)
                                     | (vb->val.counter64->low & 0xFFFFFFFFu));
    case ASN_IPADDRESS:
        if (vb->val_len == 4) {
            const u_char* b = vb->val.string;
            return "a:" + std::to_string(b[0]) + "." + std::to_string(b[1]) + "." + std::to_string(b[2]) + "."
                + std::to_string(b[3]);
        }
        return "a:x" + hex(vb->val.string, vb->val_len);
    case ASN_OCTET_STR: return "x:" + hex(vb->val.string, vb->val_len);
    case ASN_OBJECT_ID: return "o:" + oidText(vb->val.objid, vb->val_len / sizeof(oid));
    case ASN_NULL: return "n:";
    default: {
        char t[8];
        std::snprintf(t, sizeof t, "?%02X:", vb->type);
        return t + hex(vb->val.string, vb->val_len);
    }
    }
}

void logPdu(const netsnmp_pdu* pdu, bool dropped)
{
    if (!g_log)
        return;
    std::string type;
    switch (pdu->command) {
    case SNMP_MSG_GET: type = "GET"; break;
    case SNMP_MSG_GETNEXT: type = "GETNEXT"; break;
    case SNMP_MSG_SET: type = "SET"; break;
    case SNMP_MSG_GETBULK:
        type = "GETBULK:" + std::to_string(pdu->non_repeaters) + ":" + std::to_string(pdu->max_repetitions);
        break;
    default: {
        char t[16];
        std::snprintf(t, sizeof t, "PDU%02X", pdu->command);
        type = t;
    }
    }
    std::string version, principal;
    if (pdu->version == SNMP_VERSION_3) {
        version = pdu->securityLevel == SNMP_SEC_LEVEL_AUTHPRIV  ? "v3/authPriv"
                : pdu->securityLevel == SNMP_SEC_LEVEL_AUTHNOPRIV ? "v3/authNoPriv"
                                                                   : "v3/noAuthNoPriv";
        principal.assign(pdu->securityName ? pdu->securityName : "", pdu->securityNameLen);
    } else {
        version = pdu->version == SNMP_VERSION_1 ? "v1" : "v2c";
        principal.assign(reinterpret_cast<const char*>(pdu->community), pdu->community ? pdu->community_len : 0);
    }
    if (!plainWord(principal))
        principal = "x:" + hex(reinterpret_cast<const u_char*>(principal.data()), principal.size());
    std::string line = std::to_string(g_received) + (dropped ? " drop " : " recv ") + type + " " + version + " " + principal;
    for (const netsnmp_variable_list* vb = pdu->variables; vb; vb = vb->next_variable) {
        line += ' ';
        line += oidText(vb->name, vb->name_length);
        if (pdu->command == SNMP_MSG_SET)
            line += "=" + valueText(vb);
    }
    line += '\n';
    std::fputs(line.c_str(), g_log);
    std::fflush(g_log);
}

// Sits in front of the agent's own packet handler: logs, drops and delays requests.
int receivePacket(int op, netsnmp_session* session, int reqid, netsnmp_pdu* pdu, void* magic)
{
    if (op == NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE && pdu) {
        ++g_received;
        if (pdu->version != SNMP_VERSION_3) {
            const std::string community(reinterpret_cast<const char*>(pdu->community), pdu->community ? pdu->community_len : 0);
            if (community != g_opt.readCommunity && community != g_opt.writeCommunity)
                g_events.push_back(standardEvent(4));  // authenticationFailure
        }
        const bool bulk = pdu->command == SNMP_MSG_GETBULK;
        const bool drop = (g_opt.dropEvery > 0 && g_received % static_cast<unsigned long>(g_opt.dropEvery) == 0)
            || (bulk && g_opt.bulk == Options::Bulk::Drop);
        logPdu(pdu, drop);
        if (drop)
            return 1;  // handled: the library frees the PDU, nobody answers
        // Sleep in slices so that SIGTERM is not held up by a long delay.
        const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(g_opt.delayMs);
        while (!g_stop && std::chrono::steady_clock::now() < until)
            std::this_thread::sleep_for(std::min<std::chrono::steady_clock::duration>(
                until - std::chrono::steady_clock::now(), std::chrono::milliseconds(50)));
        g_refuseWith = 0;
        if (bulk && g_opt.bulk == Options::Bulk::GenErr) {
            g_refuseWith = SNMP_ERR_GENERR;
        } else if (bulk && g_opt.maxVarbinds > 0) {
            long count = 0;
            for (const netsnmp_variable_list* vb = pdu->variables; vb; vb = vb->next_variable)
                ++count;
            const long nonRepeaters = std::clamp<long>(pdu->non_repeaters, 0, count);
            if (nonRepeaters + (count - nonRepeaters) * std::max<long>(pdu->max_repetitions, 0) > g_opt.maxVarbinds)
                g_refuseWith = SNMP_ERR_TOOBIG;
        }
        // The agent handles the request inside this call: the refusal applies to it alone.
        const int rc = handle_snmp_packet(op, session, reqid, pdu, magic);
        g_refuseWith = 0;
        return rc;
    }
    return handle_snmp_packet(op, session, reqid, pdu, magic);
}

// ---- the MIB handler -------------------------------------------------------------------------

void freeUndo(void* p)
{
    delete static_cast<vkrsim::UndoLog*>(p);
}

int handleRequests(netsnmp_mib_handler*, netsnmp_handler_registration* reg, netsnmp_agent_request_info* reqinfo,
                   netsnmp_request_info* requests)
{
    const vkrsim::Oid root = toOid(reg->rootoid, reg->rootoid_len);
    // One undo log per registration and request; the agent frees it with the request.
    const std::string undoKey = "vkrsim-undo:" + vkrsim::oidToString(root);

    switch (reqinfo->mode) {
    case MODE_GET:
        for (netsnmp_request_info* r = requests; r; r = r->next) {
            if (r->processed)
                continue;
            vkrsim::Oid o = toOid(r->requestvb->name, r->requestvb->name_length);
            if (const vkrsim::Instance* inst = g_store.find(o))
                setVarbind(r->requestvb, g_store.read(*inst));
            else
                netsnmp_set_request_error(reqinfo, r, g_store.objectExists(o) ? SNMP_NOSUCHINSTANCE : SNMP_NOSUCHOBJECT);
        }
        break;
    case MODE_GETNEXT:
        if (g_refuseWith != 0) {
            netsnmp_set_request_error(reqinfo, requests, g_refuseWith);
            break;
        }
        for (netsnmp_request_info* r = requests; r; r = r->next) {
            if (r->processed)
                continue;
            vkrsim::Oid o = toOid(r->requestvb->name, r->requestvb->name_length);
            const vkrsim::Instance* same = g_opt.faultyGetNext ? g_store.find(o) : nullptr;
            if (same) {
                setVarbind(r->requestvb, g_store.read(*same));
                continue;
            }
            // Nothing after o in this subtree: leave the varbind alone and the agent asks the
            // next subtree, or answers endOfMibView.
            if (const auto* next = g_store.next(o, root)) {
                std::vector<oid> name(next->first.begin(), next->first.end());
                snmp_set_var_objid(r->requestvb, name.data(), name.size());
                setVarbind(r->requestvb, g_store.read(next->second));
            }
        }
        break;
    case MODE_SET_RESERVE1: {
        std::vector<vkrsim::SetItem> items;
        std::vector<netsnmp_request_info*> reqs;
        for (netsnmp_request_info* r = requests; r; r = r->next) {
            items.push_back({toOid(r->requestvb->name, r->requestvb->name_length), fromVarbind(r->requestvb)});
            reqs.push_back(r);
        }
        if (auto failure = g_store.checkSet(items)) {
            int status = static_cast<int>(failure->status);
            // v1 has no notWritable: a switch answers readOnly for its read-only objects.
            if (failure->status == vkrsim::SetStatus::NotWritable && reqinfo->asp && reqinfo->asp->pdu
                && reqinfo->asp->pdu->version == SNMP_VERSION_1)
                status = SNMP_ERR_READONLY;
            netsnmp_set_request_error(reqinfo, reqs[failure->index], status);
        }
        break;
    }
    case MODE_SET_ACTION: {
        std::vector<vkrsim::SetItem> items;
        for (netsnmp_request_info* r = requests; r; r = r->next)
            items.push_back({toOid(r->requestvb->name, r->requestvb->name_length), fromVarbind(r->requestvb)});
        auto* log = new vkrsim::UndoLog(g_store.applySet(items));
        netsnmp_agent_add_list_data(reqinfo, netsnmp_create_data_list(undoKey.c_str(), log, freeUndo));
        break;
    }
    case MODE_SET_UNDO:
        if (auto* log = static_cast<vkrsim::UndoLog*>(netsnmp_agent_get_list_data(reqinfo, undoKey.c_str())))
            g_store.undo(*log);
        break;
    case MODE_SET_COMMIT:
        queueAdminChanges(requests);
        break;
    default:  // RESERVE2, FREE: nothing to do
        break;
    }
    return SNMP_ERR_NOERROR;
}

void registerSubtree(const vkrsim::Oid& root)
{
    std::vector<oid> o(root.begin(), root.end());
    const std::string name = "vkrsim:" + vkrsim::oidToString(root);
    netsnmp_handler_registration* reg = netsnmp_create_handler_registration(
        name.c_str(), handleRequests, o.data(), o.size(), HANDLER_CAN_RWRITE);
    if (!reg || netsnmp_register_handler(reg) != MIB_REGISTERED_OK)
        die("cannot serve the subtree " + vkrsim::oidToString(root));
}

void animate(unsigned int, void*)
{
    g_store.animatePanel([] { return static_cast<std::uint32_t>(g_rng()); });
}

void onSignal(int signal)
{
    if (signal == SIGUSR1)
        g_restart = 1;
    else if (signal == SIGUSR2)
        g_flap = 1;
    else
        g_stop = 1;
    if (g_wakePipe[1] >= 0) {
        char c = 1;
        [[maybe_unused]] auto n = ::write(g_wakePipe[1], &c, 1);
    }
}

void onWake(int fd, void*)
{
    char buf[16];
    [[maybe_unused]] auto n = ::read(fd, buf, sizeof buf);
}

void remember(const std::string& line)
{
    // The library copies the line.
    std::vector<char> buf(line.begin(), line.end());
    buf.push_back('\0');
    netsnmp_config_remember(buf.data());
}

} // namespace

int main(int argc, char** argv)
{
    g_opt = parseOptions(argc, argv);
    g_rng.seed(g_opt.seed);

    try {
        for (const std::string& f : g_opt.dataFiles)
            g_store.loadFile(f);
        for (const auto& [table, n] : g_opt.fills)
            g_store.fillTable(table, n);
    } catch (const vkrsim::DataError& e) {
        die(e.what());
    }
    if (g_store.subtrees().empty())
        die("the data files declare no subtree to serve");
    g_store.setUptimeSource(uptimeTicks);
    g_store.alignInterfaceCounters();
    if (g_opt.countersNearWrap)
        g_store.setOctetCountersNearWrap(100000);

    const bool v6 = g_opt.address.find(':') != std::string::npos;
    const std::string confDir = g_opt.stateDir + "/conf";
    const std::string persistDir = g_opt.stateDir + "/persist";
    makeDir(confDir);
    makeDir(persistDir);
    makeDir(persistDir + "/cert_indexes");  // else the library announces creating it
    forgetPersistedUsers(persistDir + "/" + kAppName + ".conf");
    if (!g_opt.logPath.empty()) {
        g_log = std::fopen(g_opt.logPath.c_str(), "w");
        if (!g_log)
            die("cannot write the log " + g_opt.logPath + ": " + std::strerror(errno));
    }

    // Keep the library away from the user's and the system's files.
    ::setenv("MIBS", "", 1);
    ::setenv("MIBDIRS", "/dev/null", 1);
    ::unsetenv("SNMPCONFPATH");
    ::unsetenv("SNMP_PERSISTENT_DIR");
    ::unsetenv("SNMP_PERSISTENT_FILE");
    netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_PERSISTENT_DIR, persistDir.c_str());
    netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_CONFIGURATION_DIR, confDir.c_str());
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_PERSIST_STATE, 0);
    netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_ROLE, 0);
    netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_DONT_LOG_TCPWRAPPERS_CONNECTS, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_NO_ROOT_ACCESS, 1);
    const std::string transport = v6 ? "udp6:[" + g_opt.address + "]:" + std::to_string(g_opt.port)
                                     : "udp:" + g_opt.address + ":" + std::to_string(g_opt.port);
    netsnmp_ds_set_string(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_PORTS, transport.c_str());
    snmp_enable_stderrlog();
    snmp_set_do_debugging(0);

    // Access: both communities and every user see the data files' subtrees (and the engine
    // group, so boots can be checked). The agent's own USM and VACM tables are seen only where
    // a data file declares a subtree of them.
    for (const vkrsim::Oid& s : g_store.subtrees())
        remember("view vkrsim included ." + vkrsim::oidToString(s));
    remember("view vkrsim included .1.3.6.1.6.3.10.2.1");
    const char* six = v6 ? "6" : "";
    remember(std::string("rocommunity") + six + " " + g_opt.readCommunity + " default -V vkrsim");
    remember(std::string("rwcommunity") + six + " " + g_opt.writeCommunity + " default -V vkrsim");
    for (const User& u : g_opt.users) {
        std::string line = "createUser " + u.name;
        if (!u.auth.empty())
            line += " " + u.auth + " " + u.authPass;
        if (!u.priv.empty())
            line += " " + u.priv + " " + u.privPass;
        remember(line);
        remember("rwuser " + u.name + " noauth -V vkrsim");
    }

    // No SMUX listener: the simulator speaks SNMP on its one UDP port and nothing else.
    char noSmux[] = "-smux";
    add_to_init_list(noSmux);
    init_agent(kAppName);
    init_vacm_vars();
    init_usmUser();
    init_snmpEngine();
    init_snmp(kAppName);
    if (init_master_agent() != 0 || !main_session)
        die("cannot listen on " + transport);
    main_session->callback = receivePacket;
    // Store now, so the increased boots count survives even a crash.
    snmp_store(kAppName);

    for (const vkrsim::Oid& s : g_store.subtrees())
        registerSubtree(s);
    if (!g_opt.freeze)
        snmp_alarm_register(1, SA_REPEAT, animate, nullptr);

    if (::pipe(g_wakePipe) != 0)
        die("pipe failed");
    ::fcntl(g_wakePipe[0], F_SETFL, O_NONBLOCK);
    ::fcntl(g_wakePipe[1], F_SETFL, O_NONBLOCK);
    register_readfd(g_wakePipe[0], onWake, nullptr);
    struct sigaction sa {};
    sa.sa_handler = onSignal;
    sigemptyset(&sa.sa_mask);
    ::sigaction(SIGTERM, &sa, nullptr);
    ::sigaction(SIGINT, &sa, nullptr);
    ::sigaction(SIGUSR1, &sa, nullptr);
    ::sigaction(SIGUSR2, &sa, nullptr);

    // The ready line names the address actually bound (the free port when asked for 0).
    int port = g_opt.port;
    if (netsnmp_transport* t = snmp_sess_transport(snmp_sess_pointer(main_session))) {
        sockaddr_storage ss{};
        socklen_t len = sizeof ss;
        if (::getsockname(t->sock, reinterpret_cast<sockaddr*>(&ss), &len) == 0)
            port = ntohs(ss.ss_family == AF_INET6 ? reinterpret_cast<sockaddr_in6*>(&ss)->sin6_port
                                                  : reinterpret_cast<sockaddr_in*>(&ss)->sin_port);
    }
    std::printf("%s ready %s\n", kAppName,
                (v6 ? "udp6:[" + g_opt.address + "]:" + std::to_string(port)
                    : "udp:" + g_opt.address + ":" + std::to_string(port)).c_str());
    std::fflush(stdout);
    g_events.push_back(standardEvent(0));  // coldStart

    while (!g_stop) {
        sendEvents();
        agent_check_and_process(1);
        sendEvents();
        if (g_flap) {
            g_flap = 0;
            flapPort();
        }
        if (g_restart) {
            // A switch that rebooted: its up time and its interface counters begin again.
            g_restart = 0;
            g_start = std::chrono::steady_clock::now();
            g_store.restartInterfaceCounters();
        }
    }

    unregister_readfd(g_wakePipe[0]);
    snmp_shutdown(kAppName);
    shutdown_agent();
    if (g_log)
        std::fclose(g_log);
    return 0;
}
