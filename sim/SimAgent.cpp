// vkr2207-sim: an SNMP agent that plays a VKR-2207 switch for tests, benchmarks and practice.
// It serves the objects of its data file(s) from one ordered map (sim/SimData.h); the SNMP
// library does the protocol work (versions, USM, VACM, bulk), this file only glues.
#include "sim/SimData.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
#include <net-snmp/agent/net-snmp-agent-includes.h>

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
};

vkrsim::Store g_store;
Options g_opt;
std::FILE* g_log = nullptr;
unsigned long g_received = 0;
volatile std::sig_atomic_t g_stop = 0;
volatile std::sig_atomic_t g_restart = 0;  // SIGUSR1: restart the up time and the counters
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
        "  --seed N               seed of the LED animation\n",
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
    if (o.users.empty()) {
        // Practice users, one per protocol pair; each works at every level its keys allow.
        o.users = {
            {"vkrnone", "", "", "", ""},
            {"vkrmd5", "MD5", "vkrauthpass", "DES", "vkrprivpass"},
            {"vkrsha", "SHA", "vkrauthpass", "AES", "vkrprivpass"},
            {"vkrsha256", "SHA-256", "vkrauthpass", "AES", "vkrprivpass"},
        };
    }
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
    default:  // RESERVE2, COMMIT, FREE: nothing to do
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

    while (!g_stop) {
        agent_check_and_process(1);
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
