#pragma once
// The simulated switch's object store: every object instance in one ordered map keyed by its
// OID, table declarations for row creation, and the data-file reader that fills it. Nothing
// here depends on the SNMP library; the agent glue in SimAgent.cpp translates.
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace vkrsim {

using Oid = std::vector<std::uint32_t>;

// Lexicographic order of OIDs on raw sub-identifiers (the map's comparator; cheap in debug
// builds too, where std::vector's own comparison is many calls per element).
struct OidLess {
    bool operator()(const Oid& a, const Oid& b) const noexcept
    {
        const std::uint32_t* pa = a.data();
        const std::uint32_t* pb = b.data();
        const std::size_t n = a.size() < b.size() ? a.size() : b.size();
        for (std::size_t i = 0; i < n; ++i)
            if (pa[i] != pb[i])
                return pa[i] < pb[i];
        return a.size() < b.size();
    }
};

std::string oidToString(const Oid& oid);
// Dotted text with an optional leading dot; nullopt when it is not an OID.
std::optional<Oid> parseOid(const std::string& text);
bool isPrefix(const Oid& prefix, const Oid& oid);

// The BER tags of the SNMP types the simulator serves.
enum class Type : std::uint8_t {
    Integer = 0x02,
    OctetString = 0x04,
    ObjectId = 0x06,
    IpAddress = 0x40,
    Counter32 = 0x41,
    Gauge32 = 0x42,
    TimeTicks = 0x43,
    Counter64 = 0x46,
};

struct Value {
    Type type = Type::Integer;
    std::int64_t num = 0;     // Integer (signed), Counter32, Gauge32, TimeTicks
    std::uint64_t big = 0;    // Counter64
    std::string bytes;        // OctetString; IpAddress as 4 bytes
    Oid oid;                  // ObjectId
    bool operator==(const Value&) const = default;
};

// Error statuses of a set, numbered as in the protocol (v2 numbering).
enum class SetStatus : int {
    NoError = 0,
    WrongType = 7,
    WrongLength = 8,
    WrongValue = 10,
    NoCreation = 11,
    InconsistentValue = 12,
    NotWritable = 17,
};

struct Range {
    std::int64_t lo = 0;
    std::int64_t hi = 0;
    bool operator==(const Range&) const = default;
};

// Access and value constraints shared by a scalar instance or by all cells of a column.
struct ObjectDef {
    Type type = Type::Integer;
    bool writable = false;
    std::optional<Range> size;   // octet-string length
    std::optional<Range> range;  // integer value
    bool operator==(const ObjectDef&) const = default;
};

enum class IndexSyntax { Integer, String, ImpliedString, IpAddress, Mac, Ipv6Address, ObjectId, ImpliedObjectId };

// A row-status column: "rowstatus" follows the RowStatus textual convention; the others name one
// value that creates a row and one that removes it ("enabled"/"disabled", "add"/"delete").
struct StatusColumn {
    std::uint32_t column = 0;
    bool rowStatus = true;
    std::int64_t createValue = 4;
    std::int64_t destroyValue = 6;
    // What createAndGo leaves in a rowstatus column: active (1), or notInService (2) for
    // tables whose new rows start disabled until enabled on their own ("go=2").
    std::int64_t goValue = 1;
    // Whether a destroy may come with other columns of the same row in one set (they go with
    // the row): some tables' managers name the row by a column besides the status
    // ("destroy=with-columns"); elsewhere such a set is inconsistent.
    bool destroyTakesColumns = false;
};

struct ColumnDef {
    ObjectDef def;
    std::optional<Value> defaultValue;
    int defaultIndex = 0;  // k > 0: the default is the row's k-th index component ("@indexK")
};

struct TableDef {
    std::string name;
    Oid entry;
    std::vector<IndexSyntax> index;
    std::map<std::uint32_t, ColumnDef> columns;
    std::optional<StatusColumn> status;
};

enum class Dynamic : std::uint8_t { None, Uptime };

struct Instance {
    Value value;
    ObjectDef def;       // for table cells a copy of the column's definition
    int table = -1;      // index into Store::tables() or -1 for scalars
    Dynamic dynamic = Dynamic::None;
    bool operator==(const Instance&) const = default;
};

class DataError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One varbind of a set request, and where a check failed.
struct SetItem {
    Oid oid;
    Value value;
};
struct SetFailure {
    SetStatus status = SetStatus::NoError;
    std::size_t index = 0;
};

// What a set changed, to put back when a later phase of the same request fails.
struct UndoLog {
    std::vector<std::pair<Oid, std::optional<Instance>>> before;
};

class Store {
public:
    using Map = std::map<Oid, Instance, OidLess>;

    // Reads a data file; throws DataError "FILE:LINE: what is wrong".
    void loadFile(const std::string& path);
    // Same grammar from text; name stands for the file name in messages and is the folder
    // an "include FILE" line is resolved against.
    void loadText(const std::string& text, const std::string& name);

    const Map& instances() const { return m_map; }
    const std::vector<TableDef>& tables() const { return m_tables; }
    const std::vector<Oid>& subtrees() const { return m_subtrees; }
    const std::optional<Oid>& ledObject() const { return m_ledObject; }

    const Instance* find(const Oid& oid) const;
    // The first instance after `from` that lies under `limit`, or nullptr.
    const std::pair<const Oid, Instance>* next(const Oid& from, const Oid& limit) const;
    // For a missing instance: true when its object exists (noSuchInstance) rather than not
    // (noSuchObject).
    bool objectExists(const Oid& oid) const;
    // The value to serve, with dynamic values filled in.
    Value read(const Instance& inst) const;

    // Checks a whole set request without changing anything. v1 requests are checked alike;
    // the agent maps the statuses to v1 ones.
    std::optional<SetFailure> checkSet(const std::vector<SetItem>& items) const;
    // Applies a set that checkSet accepted.
    UndoLog applySet(const std::vector<SetItem>& items);
    void undo(const UndoLog& log);

    // Adds n generated rows to the named table; throws DataError for an unknown table.
    void fillTable(const std::string& name, std::size_t n);

    // Hundredths of a second since start, for sysUpTime-like objects.
    void setUptimeSource(std::function<std::uint32_t()> f) { m_uptime = std::move(f); }

    // Changes the front-panel LED bytes and the ports' operational states a little: links
    // come up and go down, activity comes and goes. rand() returns uniform numbers.
    void animatePanel(const std::function<std::uint32_t()>& rand);

    // The interface counters of the ten ports. The 64-bit (ifHC) counters of ifXTable track
    // the 32-bit ones of ifTable: alignInterfaceCounters sets the low 32 bits of each ifHC
    // counter to its 32-bit twin (ifInOctets, ifInUcastPkts, ifOutOctets, ifOutUcastPkts), and
    // animatePanel adds the same amounts to both, so the relation holds while it runs.
    void alignInterfaceCounters();
    // Puts the 32-bit octet counters a little below 2^32 (port p at 2^32 - margin - p * 1000)
    // so that they wrap within seconds of traffic; the ifHC counters follow.
    void setOctetCountersNearWrap(std::uint32_t margin);
    // A restarted switch: every Counter32 and Counter64 of ifTable and ifXTable starts again
    // from zero (the agent restarts its up time with it).
    void restartInterfaceCounters();

    // The link of a port (1..10) as its LED byte, ifOperStatus and ifLastChange show it: a
    // cable plugged or pulled. Returns whether the link changed. A port set administratively
    // down stays down whatever happens to its cable.
    bool setPortLink(int port, bool up);
    bool portLinkUp(int port) const;
    // A port's administrative state (ifAdminStatus, or the private port table's admin state):
    // down takes the link down and keeps it there (the LED animation leaves it alone); up
    // brings the link back. Returns whether the link changed.
    bool setPortAdmin(int port, bool up);

    const TableDef* tableOf(const Oid& oid) const;  // table whose entry is a prefix of oid
    int tableIndex(const std::string& name) const;

private:
    struct RowKey {
        int table;
        Oid suffix;
        bool operator<(const RowKey& o) const
        {
            return table != o.table ? table < o.table : suffix < o.suffix;
        }
    };
    struct RowPlan;

    void parseLine(const std::vector<std::string>& tok, const std::string& where);
    bool rowExists(const TableDef& t, const Oid& suffix) const;
    bool validIndex(const TableDef& t, const Oid& suffix) const;
    std::optional<Value> defaultFor(const TableDef& t, const ColumnDef& c, const Oid& suffix) const;
    void put(UndoLog& log, const Oid& key, std::optional<Instance> inst);

    Map m_map;
    std::vector<TableDef> m_tables;
    std::map<Oid, int, OidLess> m_tableByEntry;
    std::vector<Oid> m_subtrees;
    std::optional<Oid> m_ledObject;
    std::set<int> m_adminDown;  // ports set administratively down
    int m_includeDepth = 0;
    std::function<std::uint32_t()> m_uptime;
};

// Value parsing shared with the agent's command line and the tests.
// typeName: integer, unsigned, gauge, counter, counter64, timeticks, ipaddress, string, hex, oid.
std::optional<Type> parseType(const std::string& typeName);
Value parseValue(const std::string& typeName, const std::string& text);  // throws DataError
// Tokens of one data-file line: blanks separate, "..." quotes with C escapes, # starts a comment.
std::vector<std::string> tokenize(const std::string& line);

} // namespace vkrsim
