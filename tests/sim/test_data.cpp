// The simulator's object store in-process: data-file errors, set checks that need a whole
// request, undo, and generated rows.
#include "sim/SimData.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <unistd.h>

using namespace vkrsim;

namespace {

Oid O(const std::string& s)
{
    return *parseOid(s);
}

Value I(std::int64_t n)
{
    Value v;
    v.type = Type::Integer;
    v.num = n;
    return v;
}

Value S(const std::string& s)
{
    Value v;
    v.type = Type::OctetString;
    v.bytes = s;
    return v;
}

const char* kTables = R"(subtree 1.3.6.1.4.1.32473
1.3.6.1.4.1.32473.1.0 string "abc" rw size=0..8
table demo 1.3.6.1.4.1.32473.9.1 integer
column demo 2 string rw
column demo 3 integer rw range=1..10 default=5
status demo 4 rowstatus
1.3.6.1.4.1.32473.9.1.2.1 string "one"
1.3.6.1.4.1.32473.9.1.3.1 integer 2
1.3.6.1.4.1.32473.9.1.4.1 integer 1
)";

} // namespace

struct BadLine {
    const char* text;     // the offending line, placed at line 3 after two good ones
    const char* message;  // expected part of the message
};

class DataFileErrors : public ::testing::TestWithParam<BadLine> {};

TEST_P(DataFileErrors, NamesFileLineAndProblem)
{
    const std::string text = std::string("subtree 1.3.6.1.4.1.32473\n# comment\n") + GetParam().text + "\n";
    Store s;
    try {
        s.loadText(text, "bad.sim");
        FAIL() << "accepted: " << GetParam().text;
    } catch (const DataError& e) {
        const std::string msg = e.what();
        EXPECT_EQ(msg.rfind("bad.sim:3: ", 0), 0u) << msg;
        EXPECT_NE(msg.find(GetParam().message), std::string::npos) << msg;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, DataFileErrors,
    ::testing::Values(
        BadLine{"1.3.6.1.4.1.32473.1.0 integer abc", "not a 32-bit integer"},
        BadLine{"1.3.6.1.4.1.32473.1.0 integer 2147483648", "not a 32-bit integer"},
        BadLine{"1.3.6.1.4.1.32473.1.0 float 1", "unknown type"},
        BadLine{"1.3.6.1.2.1.1.1.0 string x", "outside the declared subtrees"},
        BadLine{"1.3.6.1.4.1.32473.1.0 string \"open", "unterminated"},
        BadLine{"1.3.6.1.4.1.32473.1.0 hex ABC", "odd number of hex digits"},
        BadLine{"1.3.6.1.4.1.32473.1.0 ipaddress 1.2.3.256", "not an IPv4 address"},
        BadLine{"1.3.6.1.4.1.32473.1.0 string abcd size=0..2", "breaks its own constraints"},
        BadLine{"sysName.0 string x", "neither a keyword"},
        BadLine{"table t 1.3.6.1.4.1.32473.5.1 integer octets", "unknown index syntax"},
        BadLine{"column nosuch 2 integer rw", "unknown table"},
        BadLine{"1.3.6.1.4.1.32473.1.0", "wants OID, type and value"}));

TEST(DataFile, TableRowsAreCheckedAgainstTheirDeclaration)
{
    const std::string head = "subtree 1.3.6.1.4.1.32473\ntable t 1.3.6.1.4.1.32473.5.1 integer string\n"
                             "column t 2 integer rw\n";
    struct Case {
        const char* line;
        const char* message;
    } cases[] = {
        {"1.3.6.1.4.1.32473.5.1.3.1.1.97 integer 1", "column 3 of table t is not declared"},
        {"1.3.6.1.4.1.32473.5.1.2.1.1.97 string x", "differs from the column's type"},
        {"1.3.6.1.4.1.32473.5.1.2.1.2.97 integer 1", "does not match the index syntax"},
        {"1.3.6.1.4.1.32473.5.1.2.1.1.97 integer 1 rw", "come from the column declaration"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        Store s;
        try {
            s.loadText(head + c.line + "\n", "t.sim");
            ADD_FAILURE() << "accepted";
        } catch (const DataError& e) {
            EXPECT_NE(std::string(e.what()).find("t.sim:4: "), std::string::npos) << e.what();
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
        }
    }
}

TEST(DataFile, Ipv6AddressIndexIsSixteenBytesWithoutALength)
{
    const std::string head = "subtree 1.3.6.1.4.1.32473\ntable g 1.3.6.1.4.1.32473.6.1 integer ipv6address\n"
                             "column g 3 integer ro default=0\n";
    const std::string ff02_1 = "255.2.0.0.0.0.0.0.0.0.0.0.0.0.0.1";
    Store s;
    s.loadText(head + "1.3.6.1.4.1.32473.6.1.3.10." + ff02_1 + " integer 4\n", "g.sim");
    EXPECT_EQ(s.find(O("1.3.6.1.4.1.32473.6.1.3.10." + ff02_1))->value.num, 4);
    s.fillTable("g", 1);
    EXPECT_EQ(s.find(O("1.3.6.1.4.1.32473.6.1.3.11.253.0.0.0.0.0.0.0.0.0.0.0.0.0.0.1"))->value.num, 0);

    for (const char* index : {"255.2.0.0.0.0.0.0.0.0.0.0.0.0.1",         // 15 bytes
                              "16.255.2.0.0.0.0.0.0.0.0.0.0.0.0.0.1",    // length-prefixed
                              "255.2.0.0.0.0.0.0.0.0.0.0.0.0.0.256"}) {  // no byte
        SCOPED_TRACE(index);
        Store bad;
        try {
            bad.loadText(head + "1.3.6.1.4.1.32473.6.1.3.10." + index + " integer 4\n", "g.sim");
            ADD_FAILURE() << "accepted";
        } catch (const DataError& e) {
            EXPECT_NE(std::string(e.what()).find("does not match the index syntax"), std::string::npos) << e.what();
        }
    }
}

TEST(DataFile, ValuesAndDuplicates)
{
    Store s;
    s.loadText("subtree .1.3.6.1.4.1.32473\n"
               "1.3.6.1.4.1.32473.1.0 string \"a \\\"b\\\" # not a comment\"  # a comment\n"
               "1.3.6.1.4.1.32473.2.0 hex 0x00:ff-10\n"
               "1.3.6.1.4.1.32473.3.0 counter64 18446744073709551615\n",
               "v.sim");
    EXPECT_EQ(s.find(O("1.3.6.1.4.1.32473.1.0"))->value.bytes, "a \"b\" # not a comment");
    EXPECT_EQ(s.find(O("1.3.6.1.4.1.32473.2.0"))->value.bytes, std::string("\x00\xff\x10", 3));
    EXPECT_EQ(s.find(O("1.3.6.1.4.1.32473.3.0"))->value.big, 18446744073709551615ull);
    EXPECT_THROW(s.loadText("1.3.6.1.4.1.32473.1.0 string again\n", "more.sim"), DataError);
}

TEST(StoreGet, MissingInstanceOrMissingObject)
{
    Store s;
    s.loadText(kTables, "t.sim");
    struct Case {
        const char* oid;
        bool objectExists;
    } cases[] = {
        {"1.3.6.1.4.1.32473.1", true},         // the scalar without its .0
        {"1.3.6.1.4.1.32473.1.1", true},       // another instance of it
        {"1.3.6.1.4.1.32473.9.1.2.77", true},  // a missing row of a declared column
        {"1.3.6.1.4.1.32473.9.1.7.1", false},  // an undeclared column
        {"1.3.6.1.4.1.32473", false},          // an inner node
        {"1.3.6.1.4.1.32473.2.0", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.oid);
        EXPECT_EQ(s.find(O(c.oid)), nullptr);
        EXPECT_EQ(s.objectExists(O(c.oid)), c.objectExists);
    }
}

class StoreSet : public ::testing::Test {
protected:
    void SetUp() override { store.loadText(kTables, "t.sim"); }
    Store store;
    const Oid row1Status = O("1.3.6.1.4.1.32473.9.1.4.1");
};

TEST_F(StoreSet, RowChecksSeeTheWholeRequest)
{
    struct Case {
        const char* name;
        std::vector<SetItem> items;
        std::optional<SetStatus> status;
        std::size_t index;
    } cases[] = {
        {"createAndGo with the required column", {{O("1.3.6.1.4.1.32473.9.1.4.7"), I(4)}, {O("1.3.6.1.4.1.32473.9.1.2.7"), S("x")}}, {}, 0},
        {"createAndGo without it", {{O("1.3.6.1.4.1.32473.9.1.4.7"), I(4)}}, SetStatus::InconsistentValue, 0},
        {"column of a new row without status", {{O("1.3.6.1.4.1.32473.9.1.2.7"), S("x")}}, SetStatus::NoCreation, 0},
        {"createAndGo on an existing row", {{row1Status, I(4)}}, SetStatus::InconsistentValue, 0},
        {"active on a missing row", {{O("1.3.6.1.4.1.32473.9.1.4.7"), I(1)}}, SetStatus::InconsistentValue, 0},
        {"notReady is not settable", {{row1Status, I(3)}}, SetStatus::WrongValue, 0},
        {"destroy with a column of that row", {{O("1.3.6.1.4.1.32473.9.1.3.1"), I(3)}, {row1Status, I(6)}}, SetStatus::InconsistentValue, 0},
        {"two status values for one row", {{row1Status, I(1)}, {row1Status, I(2)}}, SetStatus::InconsistentValue, 0},
        {"bad value after a good one", {{O("1.3.6.1.4.1.32473.1.0"), S("ok")}, {O("1.3.6.1.4.1.32473.9.1.3.1"), I(11)}}, SetStatus::WrongValue, 1},
        {"too long for its size", {{O("1.3.6.1.4.1.32473.1.0"), S("123456789")}}, SetStatus::WrongLength, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto failure = store.checkSet(c.items);
        ASSERT_EQ(failure.has_value(), c.status.has_value());
        if (failure) {
            EXPECT_EQ(failure->status, *c.status);
            EXPECT_EQ(failure->index, c.index);
        }
    }
}

TEST_F(StoreSet, CreateAndWaitIsNotReadyUntilComplete)
{
    const Oid st = O("1.3.6.1.4.1.32473.9.1.4.8");
    std::vector<SetItem> wait{{st, I(5)}};
    ASSERT_FALSE(store.checkSet(wait));
    store.applySet(wait);
    EXPECT_EQ(store.find(st)->value.num, 3);  // notReady: column 2 missing
    EXPECT_EQ(store.find(O("1.3.6.1.4.1.32473.9.1.3.8"))->value.num, 5);  // default filled in
    EXPECT_EQ(store.checkSet({{st, I(1)}})->status, SetStatus::InconsistentValue);
    std::vector<SetItem> go{{O("1.3.6.1.4.1.32473.9.1.2.8"), S("y")}, {st, I(1)}};
    ASSERT_FALSE(store.checkSet(go));
    store.applySet(go);
    EXPECT_EQ(store.find(st)->value.num, 1);
}

TEST_F(StoreSet, UndoRestoresCreatedAndDestroyedRows)
{
    const auto before = store.instances();
    std::vector<SetItem> items{{row1Status, I(6)},
                               {O("1.3.6.1.4.1.32473.9.1.4.2"), I(4)},
                               {O("1.3.6.1.4.1.32473.9.1.2.2"), S("two")},
                               {O("1.3.6.1.4.1.32473.1.0"), S("new")}};
    ASSERT_FALSE(store.checkSet(items));
    UndoLog log = store.applySet(items);
    EXPECT_EQ(store.find(row1Status), nullptr);
    EXPECT_EQ(store.find(O("1.3.6.1.4.1.32473.9.1.4.2"))->value.num, 1);  // createAndGo -> active
    store.undo(log);
    EXPECT_TRUE(store.instances() == before);
}

// A switch whose new rows start disabled: createAndGo leaves notInService ("go=2"), and the
// row is enabled (active) or disabled again on its own later.
TEST(StoreSetGo, CreateAndGoCanLeaveTheRowNotInService)
{
    const std::string head = "subtree 1.3.6.1.4.1.32473\ntable t 1.3.6.1.4.1.32473.5.1 integer\n"
                             "column t 2 integer rw\n";
    Store s;
    s.loadText(head + "status t 3 rowstatus go=2\n", "go.sim");
    const Oid st = O("1.3.6.1.4.1.32473.5.1.3.4");
    const std::vector<SetItem> create{{O("1.3.6.1.4.1.32473.5.1.2.4"), I(7)}, {st, I(4)}};
    ASSERT_FALSE(s.checkSet(create));
    s.applySet(create);
    EXPECT_EQ(s.find(st)->value.num, 2);
    for (std::int64_t next : {1, 2}) {
        ASSERT_FALSE(s.checkSet({{st, I(next)}}));
        s.applySet({{st, I(next)}});
        EXPECT_EQ(s.find(st)->value.num, next);
    }
    s.fillTable("t", 1);
    EXPECT_EQ(s.find(O("1.3.6.1.4.1.32473.5.1.3.5"))->value.num, 2);

    for (const char* bad : {"go=3", "go=0", "go=x"}) {
        SCOPED_TRACE(bad);
        Store b;
        try {
            b.loadText(head + "status t 3 rowstatus " + bad + "\n", "go.sim");
            ADD_FAILURE() << "accepted";
        } catch (const DataError& e) {
            EXPECT_NE(std::string(e.what()).find("go.sim:4: go= takes"), std::string::npos) << e.what();
        }
    }
}

// A table whose manager names the row it destroys by another column too: the destroy and the
// column go in one set, and the row goes with them; elsewhere the same set stays inconsistent.
// Row status and a status of the table's own values (3 creates, 2 removes) alike.
TEST(StoreSetDestroy, DestroyWithColumnsRemovesTheRowWhereTheTableAllowsIt)
{
    struct Kind {
        const char* status;  // the status declaration after the column number
        int rowValue;        // the status of the seed row
        int destroyValue;
    };
    for (const Kind k : {Kind{"rowstatus", 1, 6}, Kind{"3 2", 3, 2}}) {
        SCOPED_TRACE(k.status);
        const std::string head = "subtree 1.3.6.1.4.1.32473\ntable t 1.3.6.1.4.1.32473.5.1 string\n"
                                 "column t 2 integer rw default=9\ncolumn t 3 string rw default=\"\"\n";
        const std::string row = "1.3.6.1.4.1.32473.5.1.2.1.97 integer 6\n1.3.6.1.4.1.32473.5.1.4.1.97 integer "
                              + std::to_string(k.rowValue) + "\n";
        const std::string status = std::string("status t 4 ") + k.status;
        const Oid type = O("1.3.6.1.4.1.32473.5.1.2.1.97");
        const Oid statusOid = O("1.3.6.1.4.1.32473.5.1.4.1.97");
        const std::vector<SetItem> destroy{{type, I(6)}, {statusOid, I(k.destroyValue)}};

        Store strict;
        strict.loadText(head + status + "\n" + row, "strict.sim");
        const auto refused = strict.checkSet(destroy);
        ASSERT_TRUE(refused);
        EXPECT_EQ(refused->status, SetStatus::InconsistentValue);

        Store s;
        s.loadText(head + status + " destroy=with-columns\n" + row, "with.sim");
        ASSERT_FALSE(s.checkSet(destroy));
        s.applySet(destroy);
        EXPECT_EQ(s.find(type), nullptr);
        EXPECT_EQ(s.find(statusOid), nullptr);
        // Columns of a row that is not destroyed are still checked as before.
        const auto wrong = s.checkSet({{O("1.3.6.1.4.1.32473.5.1.2.1.98"), I(6)}});
        ASSERT_TRUE(wrong);
        EXPECT_EQ(wrong->status, SetStatus::NoCreation);
    }
}

TEST(StoreFill, GeneratedRowsContinueAfterExistingOnes)
{
    Store s;
    s.loadText(kTables, "t.sim");
    s.fillTable("demo", 5000);
    std::size_t rows = 0;
    Oid last;
    Oid col = O("1.3.6.1.4.1.32473.9.1.2");
    for (auto* it = s.next(col, col); it; it = s.next(it->first, col)) {
        ++rows;
        last = it->first;
    }
    EXPECT_EQ(rows, 5001u);
    EXPECT_EQ(last, O("1.3.6.1.4.1.32473.9.1.2.5001"));
    EXPECT_EQ(s.find(O("1.3.6.1.4.1.32473.9.1.4.5001"))->value.num, 1);
    EXPECT_EQ(s.find(O("1.3.6.1.4.1.32473.9.1.3.5001"))->value.num, 5);
    EXPECT_THROW(s.fillTable("nosuch", 1), DataError);
}

TEST(DataFileInclude, IncludedFilesResolveBesideTheIncluderAndNameThemselvesInErrors)
{
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / ("vkr-sim-include-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir / "more");
    auto write = [&](const std::string& name, const std::string& text) {
        std::ofstream(dir / name) << text;
    };
    write("main.sim", "subtree 1.3.6.1.4.1.32473\ninclude more/part.sim\n1.3.6.1.4.1.32473.1.0 integer 1\n");
    write("more/part.sim", "1.3.6.1.4.1.32473.2.0 integer 2\n");
    Store s;
    s.loadFile((dir / "main.sim").string());
    EXPECT_EQ(s.instances().size(), 2u);

    write("more/part.sim", "1.3.6.1.4.1.32473.2.0 integer two\n");
    Store bad;
    try {
        bad.loadFile((dir / "main.sim").string());
        ADD_FAILURE() << "accepted";
    } catch (const DataError& e) {
        EXPECT_NE(std::string(e.what()).find("more/part.sim:1: "), std::string::npos) << e.what();
    }
    write("loop.sim", "include loop.sim\n");
    EXPECT_THROW(Store().loadFile((dir / "loop.sim").string()), DataError);
    std::filesystem::remove_all(dir);
}

// The interface counters of the shipped data: the ifHC counters keep the low 32 bits of their
// 32-bit twins while the panel animates, across a wrap of the 32-bit ones, and a restart zeroes
// them all.
class InterfaceCounters : public ::testing::Test {
protected:
    void SetUp() override
    {
        store.loadFile(VKR_SIM_SHIPPED_DATA);
        store.alignInterfaceCounters();
    }
    std::uint64_t narrow(std::uint32_t column, std::uint32_t port) const
    {
        return static_cast<std::uint64_t>(store.find({1, 3, 6, 1, 2, 1, 2, 2, 1, column, port})->value.num);
    }
    std::uint64_t wide(std::uint32_t column, std::uint32_t port) const
    {
        return store.find({1, 3, 6, 1, 2, 1, 31, 1, 1, 1, column, port})->value.big;
    }
    void animate(int seconds)
    {
        for (int i = 0; i < seconds; ++i)
            store.animatePanel([this] { return static_cast<std::uint32_t>(rng()); });
    }
    // Low 32 bits of every ifHC counter equal its 32-bit twin.
    void expectTwinsAgree() const
    {
        for (std::uint32_t p = 1; p <= 10; ++p)
            for (auto [n, w] : {std::pair{10u, 6u}, {11u, 7u}, {16u, 10u}, {17u, 11u}}) {
                SCOPED_TRACE("port " + std::to_string(p) + " column " + std::to_string(n));
                EXPECT_EQ(wide(w, p) & 0xFFFFFFFFu, narrow(n, p));
            }
    }
    Store store;
    std::mt19937 rng{7};
};

TEST_F(InterfaceCounters, HighCapacityCountersTrackTheirThirtyTwoBitTwins)
{
    expectTwinsAgree();
    const std::uint64_t inOctets = wide(6, 1), inPkts = wide(7, 1), outPkts = narrow(17, 1);
    animate(30);
    expectTwinsAgree();
    // Port 1 has a link in the shipped LEDs: its octets and packets grow.
    EXPECT_GT(wide(6, 1), inOctets);
    EXPECT_GT(wide(7, 1), inPkts);
    EXPECT_GT(narrow(17, 1), outPkts);
}

TEST_F(InterfaceCounters, NearWrapOctetCountersWrapWhileTheWideOnesGrow)
{
    store.setOctetCountersNearWrap(100000);
    EXPECT_EQ(narrow(10, 1), 0x100000000u - 100000 - 1000);
    EXPECT_EQ(narrow(16, 3), 0x100000000u - 100000 - 3000);
    expectTwinsAgree();
    const std::uint64_t before = wide(6, 1);
    animate(60);
    expectTwinsAgree();
    EXPECT_LT(narrow(10, 1), 0x100000000u - 101000) << "the 32-bit counter wrapped";
    EXPECT_GT(wide(6, 1), before) << "the 64-bit one went on";
}

TEST_F(InterfaceCounters, RestartZeroesEveryInterfaceCounter)
{
    animate(5);
    store.restartInterfaceCounters();
    int counters = 0;
    for (const auto& [oid, inst] : store.instances()) {
        const bool inIf = isPrefix({1, 3, 6, 1, 2, 1, 2, 2, 1}, oid) || isPrefix({1, 3, 6, 1, 2, 1, 31, 1, 1, 1}, oid);
        if (!inIf || (inst.value.type != Type::Counter32 && inst.value.type != Type::Counter64))
            continue;
        ++counters;
        EXPECT_EQ(inst.value.num, 0) << oidToString(oid);
        EXPECT_EQ(inst.value.big, 0u) << oidToString(oid);
    }
    EXPECT_GT(counters, 100);
}
