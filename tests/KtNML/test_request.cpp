// The request engine end to end against the switch simulator.
#include "KtNML/KtSNMPRequest.h"
#include "KtNML/KtSNMPSession.h"
#include "KtNML/KtValueCodec.h"
#include "tests/support/SimProcess.h"
#include "tests/support/TestUtil.h"

#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace {

using testutil::SimProcess;

// The scalar group of tests/KtNML/data/request.sim.
constexpr KtSNMPVarDef kScalars[] = {
    {"1.3.6.1.4.1.32473.98.1.1", "Text", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.98.1.2", "Number", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.98.1.3", "Other", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.98.1.4", "Read only", KtSyn::Integer, KtAcc::ReadOnly},
    {},
};

// The three-row table with its row status.
constexpr KtSNMPVarDef kThree[] = {
    {"1.3.6.1.4.1.32473.98.9.1.1", "Index", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.98.9.1.2", "Name", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.98.9.1.3", "Value", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.98.9.1.4", "Status", KtSyn::Integer, KtAcc::ReadWrite},
    {},
};

// A table whose "Only" column has a cell for the first row alone.
constexpr KtSNMPVarDef kSparse[] = {
    {"1.3.6.1.4.1.32473.98.2.1.1", "Index", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.98.2.1.2", "Only", KtSyn::DisplayStr, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.98.2.1.3", "Letter", KtSyn::DisplayStr, KtAcc::ReadOnly},
    {},
};

// The same, with the short column first: the row index must still come from a live column.
constexpr KtSNMPVarDef kSparseFirst[] = {
    {"1.3.6.1.4.1.32473.98.2.1.2", "Only", KtSyn::DisplayStr, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.98.2.1.3", "Letter", KtSyn::DisplayStr, KtAcc::ReadOnly},
    {},
};

// The 25-row table of the get-bulk walks: "Short" ends after row 3, "Holes" has no cells in
// rows 10 and 20, and the names grow row by row.
constexpr KtSNMPVarDef kLong[] = {
    {"1.3.6.1.4.1.32473.98.3.1.1", "Index", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.98.3.1.2", "Name", KtSyn::DisplayStr, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.98.3.1.3", "Short", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.98.3.1.4", "Holes", KtSyn::Integer, KtAcc::ReadOnly},
    {},
};

// Nothing is served under this entry.
constexpr KtSNMPVarDef kEmpty[] = {
    {"1.3.6.1.4.1.32473.98.5.1.1", "Address", KtSyn::IpAddress, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.98.5.1.2", "Name", KtSyn::DisplayStr, KtAcc::ReadOnly},
    {},
};

using Row = std::vector<QString>;

Row values(const KtSNMPVarList& list)
{
    Row row;
    for (int i = 0; i < list.Count(); ++i)
        row.push_back(list.Item(i).Value);
    return row;
}

std::vector<Row> walkSync(KtSNMPRequest& r)
{
    std::vector<Row> rows;
    for (bool more = r.Get(true); more; more = r.Get(false))
        rows.push_back(values(r.VarList));
    return rows;
}

// An asynchronous walk driven the way the binding layer drives it: one row per completion,
// the next get-next sent from the completion.
struct AsyncWalk {
    KtSNMPRequest* request = nullptr;
    std::vector<Row> rows;
    bool finished = false;
    int code = 0;
    QString message;
    int calls = 0;

    static void onRow(void* context, const KtSNMPError& error, KtSNMPVarList& list)
    {
        auto* w = static_cast<AsyncWalk*>(context);
        ++w->calls;
        if (error.code != 0 || error.finished) {
            w->code = error.code;
            w->message = error.message;
            w->finished = true;
            return;
        }
        w->rows.push_back(values(list));
        if (w->request->Alive)
            w->request->GetAsync(&AsyncWalk::onRow, w, false);
        else
            w->finished = true;
    }

    bool run(KtSNMPRequest& r, int timeoutMs = 10000)
    {
        request = &r;
        r.GetAsync(&AsyncWalk::onRow, this, true);
        return testutil::waitFor([this] { return finished; }, timeoutMs);
    }
};

class RequestTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        KtSNMPInitSession(m_dir.path());
        KtSNMPDefaults.security.readCommunity = "public";
        KtSNMPDefaults.security.writeCommunity = "private";
        KtSNMPDefaults.timeout = 50;
    }
    void TearDown() override { KtSNMPCloseSession(); }

    // Starts a simulator with the tests' data file; the defaults then point at it.
    void startSim(QStringList extra = {})
    {
        extra << "--data" << testutil::sourceDir() + "/tests/KtNML/data/request.sim" << "--freeze";
        ASSERT_TRUE(m_sim.start(extra)) << m_sim.errorText().toStdString();
        KtSNMPDefaults.device.address = m_sim.address();
        KtSNMPDefaults.device.port = m_sim.port();
    }

    std::unique_ptr<KtSNMPRequest> request(const KtSNMPVarDef* table, std::uint8_t itemType, int keyCount)
    {
        auto r = std::make_unique<KtSNMPRequest>();
        r->VarList.Assign(KtSNMPVarList(table, itemType, keyCount));
        return r;
    }

    QTemporaryDir m_dir;
    SimProcess m_sim;
};

const std::vector<Row> kThreeRows = {
    {"1", "one", "10", "1"},
    {"2", "two", "20", "1"},
    {"3", "three", "30", "1"},
};

TEST_F(RequestTest, SynchronousAndAsynchronousWalksReadTheSameRows)
{
    startSim();
    // The table is the last object the agent serves: SNMPv1 ends the walk with noSuchName,
    // SNMPv2c with endOfMibView varbinds that repeat the requested OIDs.
    for (int version : {0, 1}) {
        SCOPED_TRACE(version);
        KtSNMPDefaults.security.version = quint8(version);
        auto r = request(kThree, KtItem::MVT_UMV, 1);
        EXPECT_EQ(walkSync(*r), kThreeRows);

        auto a = request(kThree, KtItem::MVT_UMV, 1);
        AsyncWalk walk;
        ASSERT_TRUE(walk.run(*a));
        EXPECT_EQ(walk.code, 0) << walk.message.toStdString();
        EXPECT_EQ(walk.rows, kThreeRows);
        EXPECT_EQ(walk.calls, 4) << "three rows, then the end of the walk";
        EXPECT_EQ(a->Pending, 0);
    }
}

TEST_F(RequestTest, AnEmptyTableWithAnAddressKeyReadsAsNoRows)
{
    startSim();
    // The first read leaves every column at once, before any key has a value to encode.
    auto r = request(kEmpty, KtItem::MVT_UMV, 1);
    EXPECT_TRUE(walkSync(*r).empty());
}

TEST_F(RequestTest, AColumnEndingEarlyShowsNotDoneWhileTheOthersGoOn)
{
    startSim();
    auto r = request(kSparse, KtItem::MVT_UMV, 1);
    const std::vector<Row> expected = {
        {"1", "only", "a"},
        {"2", "(NOTDONE)", "b"},
        {"3", "(NOTDONE)", "c"},
    };
    EXPECT_EQ(walkSync(*r), expected);

    // Without a key column the rows are still read one by one from the live column.
    auto first = request(kSparseFirst, KtItem::MVT_UMV, 0);
    const std::vector<Row> expectedFirst = {{"only", "a"}, {"(NOTDONE)", "b"}, {"(NOTDONE)", "c"}};
    EXPECT_EQ(walkSync(*first), expectedFirst);
    EXPECT_EQ(first->VarList.Item(1).InstanceOid, "1.3.6.1.4.1.32473.98.2.1.3.3");
}

TEST_F(RequestTest, SnmpV1NoSuchNameAtTheEndOfTheViewEndsTheWalk)
{
    startSim();
    KtSNMPDefaults.security.version = 0;
    auto r = request(kThree, KtItem::MVT_UMV, 1);
    EXPECT_EQ(walkSync(*r), kThreeRows);

    auto a = request(kThree, KtItem::MVT_UMV, 1);
    AsyncWalk walk;
    ASSERT_TRUE(walk.run(*a));
    EXPECT_EQ(walk.code, 0) << walk.message.toStdString();
    EXPECT_EQ(walk.rows, kThreeRows);
}

TEST_F(RequestTest, ScalarGroupReadsWithGetAndRefusesGetNext)
{
    startSim();
    auto r = request(kScalars, KtItem::SVT_SV, 0);
    EXPECT_FALSE(r->Get(true));
    EXPECT_EQ(values(r->VarList), (Row{"scalar one", "42", "7", "9"}));
    try {
        r->Get(false);
        ADD_FAILURE() << "no exception";
    } catch (const KtException& e) {
        EXPECT_EQ(e.Code(), -510);
        EXPECT_EQ(e.Message().toStdString(),
                  "(ZiDUVA++) Can't send get-next command for a SNMP variable list with single value!");
    }
}

TEST_F(RequestTest, SetWithAnIndexListSendsExactlyThoseVariablesAndRestoresTheList)
{
    startSim();
    auto r = request(kScalars, KtItem::SVT_SV, 0);
    r->Get(true);
    const int before = m_sim.requests().size();
    const QStringList sent = {"33", "set text"};
    EXPECT_FALSE(r->Set(false, "2,0", &sent));

    const QList<SimProcess::Request> log = m_sim.requests().mid(before);
    ASSERT_EQ(log.size(), 1);
    EXPECT_EQ(log[0].type, "SET");
    ASSERT_EQ(log[0].varbinds.size(), 2);
    EXPECT_EQ(log[0].varbinds[0].oid, "1.3.6.1.4.1.32473.98.1.1.0");
    EXPECT_EQ(log[0].varbinds[0].value, QString::fromLatin1(QByteArray("set text").toHex().toUpper()));
    EXPECT_EQ(log[0].varbinds[1].oid, "1.3.6.1.4.1.32473.98.1.3.0");
    EXPECT_EQ(log[0].varbinds[1].value, "33");
    // The list shows what it showed before; the access bytes are back.
    EXPECT_EQ(values(r->VarList), (Row{"scalar one", "42", "7", "9"}));
    for (int i = 0; i < r->VarList.Count(); ++i)
        EXPECT_EQ(r->VarList.Item(i).Access & KtAcc::Invalid, 0);
    r->Get(true);
    EXPECT_EQ(values(r->VarList), (Row{"set text", "42", "33", "9"}));
}

TEST_F(RequestTest, AgentErrorsOfASetAreRaisedAndTheListIsRestored)
{
    startSim();
    struct Case {
        int version;
        int tooLongCode;  // SNMPv1 knows only badValue
        int readOnlyCode;
    };
    for (const Case c : {Case{0, -103, -104}, Case{1, -108, -117}}) {
        SCOPED_TRACE(c.version);
        KtSNMPDefaults.security.version = quint8(c.version);
        auto r = request(kScalars, KtItem::SVT_SV, 0);
        r->Get(true);
        const QStringList tooLong = {QString(40, u'x')};
        try {
            r->Set(false, "0", &tooLong);
            ADD_FAILURE() << "no exception";
        } catch (const KtException& e) {
            EXPECT_EQ(e.Code(), c.tooLongCode);
        }
        EXPECT_EQ(r->VarList.Item(0).Value, "scalar one");
        // A read-only object named in the index list is sent (settable or not is the view's
        // business) and the agent refuses it; the other variable of the PDU is not changed.
        r->VarList.Item(3).Access = KtAcc::ReadWrite;
        const QStringList both = {"11", "12"};
        try {
            r->Set(false, "1,3", &both);
            ADD_FAILURE() << "no exception";
        } catch (const KtException& e) {
            EXPECT_EQ(e.Code(), c.readOnlyCode);
        }
        r->Get(true);
        EXPECT_EQ(values(r->VarList), (Row{"scalar one", "42", "7", "9"}));
    }
}

TEST_F(RequestTest, AValueThatCannotBeSentRaisesBeforeAnythingGoesOutAndRestoresTheList)
{
    startSim();
    constexpr KtSNMPVarDef kAddress[] = {
        {"1.3.6.1.4.1.32473.98.1.1", "Address", KtSyn::IpAddress, KtAcc::ReadWrite},
        {"1.3.6.1.4.1.32473.98.1.2", "Number", KtSyn::Integer, KtAcc::ReadWrite},
        {},
    };
    auto r = request(kAddress, KtItem::SVT_SV, 0);
    r->VarList.Item(0).Value = "10.0.0.1";
    r->VarList.Item(1).Value = "1";
    const int before = m_sim.requests().size();
    const QStringList sent = {"5", "300.1.1.1"};
    for (bool async : {false, true}) {
        SCOPED_TRACE(async);
        try {
            if (async)
                r->SetAsync(nullptr, nullptr, false, "1,0", &sent);
            else
                r->Set(false, "1,0", &sent);
            ADD_FAILURE() << "no exception";
        } catch (const KtException& e) {
            EXPECT_EQ(e.Code(), KtErr::BadValue);
            EXPECT_EQ(e.Message(), "(ZiDUVA++) Invalid value \"300.1.1.1\" for Address!");
        }
        EXPECT_EQ(values(r->VarList), (Row{"10.0.0.1", "1"}));
        EXPECT_EQ(r->VarList.Item(0).Access, KtAcc::ReadWrite);
        EXPECT_EQ(r->VarList.Item(1).Access, KtAcc::ReadWrite);
        EXPECT_EQ(r->Pending, 0);
    }
    EXPECT_EQ(m_sim.requests().size(), before) << "nothing was sent";
}

TEST_F(RequestTest, KeyCountBeyondTheInstanceRaises514)
{
    startSim();
    auto r = request(kThree, KtItem::MVT_UMV, 2);
    try {
        r->Get(true);
        ADD_FAILURE() << "no exception";
    } catch (const KtException& e) {
        EXPECT_EQ(e.Code(), -514);
    }
}

TEST_F(RequestTest, CreateAndGoAddsARowAndDestroyRemovesIt)
{
    startSim();
    auto r = request(kThree, KtItem::MVT_UMV, 1);
    r->VarList.Item(0).Value = "7";
    const QStringList create = {"seven", "70", "4"};
    r->Set(false, "1,2,3", &create);
    std::vector<Row> rows = kThreeRows;
    rows.push_back({"7", "seven", "70", "1"});
    EXPECT_EQ(walkSync(*r), rows);

    r->VarList.Item(0).Value = "2";
    const QStringList destroy = {"6"};
    r->Set(false, "3", &destroy);
    const QList<SimProcess::Request> log = m_sim.requests();
    ASSERT_FALSE(log.isEmpty());
    EXPECT_EQ(log.last().varbinds.size(), 1);
    EXPECT_EQ(log.last().varbinds[0].oid, "1.3.6.1.4.1.32473.98.9.1.4.2");
    rows.erase(rows.begin() + 1);
    EXPECT_EQ(walkSync(*r), rows);
}

TEST_F(RequestTest, ADroppedReplyTimesOutInBothModes)
{
    startSim({"--drop", "all"});
    KtSNMPDefaults.timeout = 20;
    auto r = request(kThree, KtItem::MVT_UMV, 1);
    try {
        r->Get(true);
        ADD_FAILURE() << "no exception";
    } catch (const KtException& e) {
        EXPECT_EQ(e.Code(), -405);
        EXPECT_EQ(e.Message().toStdString(), "(SNMPClass) SNMP request timed out!");
    }
    AsyncWalk walk;
    ASSERT_TRUE(walk.run(*r));
    EXPECT_EQ(walk.code, -405);
    EXPECT_TRUE(walk.rows.empty());
    EXPECT_EQ(r->Pending, 0);
    EXPECT_EQ(m_sim.requests().size(), 4) << "two tries for each mode";
}

TEST_F(RequestTest, SnmpV3AuthPrivWalk)
{
    startSim({"--user", "walker:SHA:walkerpass:AES:walkerpriv"});
    KtSNMPDefaults.security.version = 3;
    KtSNMPDefaults.security.securityModel = 3;
    KtSNMPDefaults.security.securityName = "walker";
    KtSNMPDefaults.security.securityLevel = 3;
    KtSNMPDefaults.security.authProtocol = 3;
    KtSNMPDefaults.security.authPassword = "walkerpass";
    KtSNMPDefaults.security.privProtocol = 5;
    KtSNMPDefaults.security.privPassword = "walkerpriv";
    auto r = request(kThree, KtItem::MVT_UMV, 1);
    AsyncWalk walk;
    ASSERT_TRUE(walk.run(*r));
    EXPECT_EQ(walk.code, 0) << walk.message.toStdString();
    EXPECT_EQ(walk.rows, kThreeRows);
    const QList<SimProcess::Request> log = m_sim.requests();
    ASSERT_FALSE(log.isEmpty());
    EXPECT_EQ(log.last().version, "v3");
    EXPECT_EQ(log.last().securityLevel, "authPriv");
    EXPECT_EQ(log.last().principal, "walker");
}

TEST_F(RequestTest, DestroyingTheRequestInTheMiddleOfAWalkDropsTheLateReplies)
{
    startSim({"--delay", "150"});
    AsyncWalk walk;
    {
        auto r = request(kThree, KtItem::MVT_UMV, 1);
        walk.request = r.get();
        r->GetAsync(&AsyncWalk::onRow, &walk, true);
        ASSERT_TRUE(testutil::waitFor([&] { return !walk.rows.empty(); }, 5000));
        // Destroyed with the next get-next outstanding: it waits for the reply, then lets go.
        walk.request = nullptr;
    }
    const int callsAtDestruction = walk.calls;
    // Replies still in the air must reach nobody.
    QTimer::singleShot(500, [] {});
    testutil::waitFor([] { return false; }, 600);
    EXPECT_EQ(walk.calls, callsAtDestruction);
    EXPECT_EQ(walk.rows.size(), 1u);
}

TEST_F(RequestTest, AFaultyAgentWhoseAnswersDoNotIncreaseEndsTheWalkWithAnError)
{
    startSim({"--faulty-getnext"});
    // SNMPv1 walks with get-next, SNMPv2c with get-bulk: the same error after the same rows.
    for (int version : {0, 1}) {
        SCOPED_TRACE(version);
        KtSNMPDefaults.security.version = quint8(version);
        const int before = m_sim.requests().size();
        auto r = request(kThree, KtItem::MVT_UMV, 1);
        int rows = 0;
        try {
            for (bool more = r->Get(true); more; more = r->Get(false))
                ++rows;
            ADD_FAILURE() << "no exception";
        } catch (const KtException& e) {
            EXPECT_EQ(e.Code(), KtErr::NonIncreasingWalk);
        }
        EXPECT_EQ(rows, 1);
        EXPECT_EQ(values(r->VarList), kThreeRows[0]) << "the list keeps the row read";
        auto a = request(kThree, KtItem::MVT_UMV, 1);
        AsyncWalk walk;
        ASSERT_TRUE(walk.run(*a, 5000)) << "the walk must end";
        EXPECT_EQ(walk.code, KtErr::NonIncreasingWalk);
        EXPECT_EQ(walk.message.toStdString(),
                  "(ZiDUVA++) The agent's get-next answers do not increase: the walk was stopped!");
        EXPECT_EQ(walk.rows, std::vector<Row>{kThreeRows[0]}) << "the rows read stay";
        EXPECT_EQ(a->Pending, 0);
        for (const SimProcess::Request& q : m_sim.requests().mid(before))
            EXPECT_EQ(q.type, version == 0 ? "GETNEXT" : "GETBULK");
    }
}

// ---- get-bulk walks ---------------------------------------------------------------------

// Where a test walks: the defaults pointed at this simulator, SNMPv2c.
void pointAt(const SimProcess& sim)
{
    KtSNMPDefaults.device.address = sim.address();
    KtSNMPDefaults.device.port = sim.port();
    KtSNMPDefaults.security.version = 1;
}

QStringList types(const QList<SimProcess::Request>& log)
{
    QStringList out;
    for (const SimProcess::Request& q : log)
        out << q.type;
    return out;
}

std::vector<QString> instances(const KtSNMPVarList& list)
{
    std::vector<QString> out;
    for (int i = 0; i < list.Count(); ++i)
        out.push_back(list.Item(i).InstanceOid);
    return out;
}

struct BulkCase {
    const char* name;
    const KtSNMPVarDef* table;
    int keyCount;
    std::size_t rows;
    const char* endedColumn;  // a column that ends in the first response: never asked again
};

TEST_F(RequestTest, BulkWalksReadTheSameRowsAsGetNextWalks)
{
    startSim({"--fill", "three=60"});
    const BulkCase cases[] = {
        {"several responses", kThree, 1, 63, nullptr},
        {"last row inside the first response, a column ending early", kSparse, 1, 3,
         "1.3.6.1.4.1.32473.98.2.1.2."},
        {"no key column, the short column first", kSparseFirst, 0, 3, nullptr},
        {"empty table", kEmpty, 1, 0, nullptr},
        {"holes and a column ending early", kLong, 1, 25, "1.3.6.1.4.1.32473.98.3.1.3."},
    };
    for (const BulkCase& c : cases) {
        SCOPED_TRACE(c.name);
        pointAt(m_sim);
        KtSNMPDefaults.getBulk = false;
        auto next = request(c.table, KtItem::MVT_UMV, c.keyCount);
        int before = m_sim.requests().size();
        const std::vector<Row> expected = walkSync(*next);
        ASSERT_EQ(expected.size(), c.rows);
        EXPECT_EQ(types(m_sim.requests().mid(before)), QStringList(int(c.rows) + 1, "GETNEXT"));

        KtSNMPDefaults.getBulk = true;
        auto bulk = request(c.table, KtItem::MVT_UMV, c.keyCount);
        before = m_sim.requests().size();
        EXPECT_EQ(walkSync(*bulk), expected);
        EXPECT_EQ(instances(bulk->VarList), instances(next->VarList)) << "the walk ends where get-next ends";
        const QList<SimProcess::Request> log = m_sim.requests().mid(before);
        ASSERT_FALSE(log.isEmpty());
        for (const SimProcess::Request& q : log) {
            EXPECT_EQ(q.type, "GETBULK");
            EXPECT_EQ(q.nonRepeaters, 0);
            EXPECT_GE(q.maxRepetitions, 1);
        }
        EXPECT_EQ(log.first().varbinds.size(), bulk->VarList.Count()) << "all columns in one request";
        if (c.rows > 0) {
            EXPECT_LT(log.size(), int(c.rows) / 4 + 2) << "many rows per request";
        }
        if (c.endedColumn) {
            for (const SimProcess::Request& q : log.mid(1)) {
                for (const SimProcess::VarBind& vb : q.varbinds)
                    EXPECT_FALSE(vb.oid.startsWith(c.endedColumn)) << vb.oid.toStdString();
            }
        }

        auto a = request(c.table, KtItem::MVT_UMV, c.keyCount);
        AsyncWalk walk;
        ASSERT_TRUE(walk.run(*a));
        EXPECT_EQ(walk.code, 0) << walk.message.toStdString();
        EXPECT_EQ(walk.rows, expected);
        EXPECT_EQ(walk.calls, int(c.rows) + 1);
        EXPECT_EQ(a->Pending, 0);
        EXPECT_EQ(instances(a->VarList), instances(next->VarList));
    }
}

// A reply that has to wait for the event loop (a row already at hand) and one that has to
// wait for the agent (the next get-bulk): "Stop" lets that reply in and ends the walk there.
TEST_F(RequestTest, StopInTheMiddleOfABulkWalkEndsAfterTheOutstandingReply)
{
    startSim({"--fill", "three=60"});
    pointAt(m_sim);
    struct StoppingWalk {
        KtSNMPRequest* request = nullptr;
        SimProcess* sim = nullptr;
        bool stopAtFirstResponseEnd = false;
        int stopAt = 3;
        std::vector<Row> rows;
        bool finished = false;
        int code = -1;

        static void onRow(void* context, const KtSNMPError& error, KtSNMPVarList& list)
        {
            auto* w = static_cast<StoppingWalk*>(context);
            if (error.code != 0 || error.finished) {
                w->code = error.code;
                w->finished = true;
                return;
            }
            w->rows.push_back(values(list));
            if (w->rows.size() == 1 && w->stopAtFirstResponseEnd)
                w->stopAt = w->sim->requests().last().maxRepetitions;  // the rows the first reply holds
            if (!w->request->Alive) {
                w->finished = true;
                w->code = 0;
                return;
            }
            w->request->GetAsync(&StoppingWalk::onRow, w, false);
            if (int(w->rows.size()) == w->stopAt)
                w->request->Alive = false;  // "Stop", with the next reply outstanding
        }
    };
    for (bool atResponseEnd : {false, true}) {
        SCOPED_TRACE(atResponseEnd);
        const int before = m_sim.requests().size();
        auto r = request(kThree, KtItem::MVT_UMV, 1);
        StoppingWalk walk;
        walk.request = r.get();
        walk.sim = &m_sim;
        walk.stopAtFirstResponseEnd = atResponseEnd;
        r->GetAsync(&StoppingWalk::onRow, &walk, true);
        ASSERT_TRUE(testutil::waitFor([&] { return walk.finished; }, 10000));
        ASSERT_LT(walk.stopAt, 60);
        EXPECT_EQ(walk.code, 0);
        EXPECT_EQ(int(walk.rows.size()), walk.stopAt + 1) << "the outstanding reply is the last row";
        EXPECT_EQ(walk.rows.back()[0], QString::number(walk.stopAt + 1));
        EXPECT_EQ(r->Pending, 0);
        EXPECT_EQ(types(m_sim.requests().mid(before)), QStringList(atResponseEnd ? 2 : 1, "GETBULK"))
            << "nothing is sent after the stop";
    }
}

struct FallbackCase {
    const char* name;
    QStringList simArgs;
    bool refused;  // the agent is walked with get-next afterwards
};

// An agent that refuses get-bulk (genErr), ignores it, or answers tooBig even for one row is
// walked with get-next; one that answers tooBig for many rows is asked for fewer.
TEST_F(RequestTest, BulkWalksFallBackWhenTheAgentRefusesOrCapsThem)
{
    const FallbackCase cases[] = {
        {"genErr", {"--getbulk", "generr"}, true},
        {"no answer", {"--getbulk", "drop"}, true},
        {"tooBig for one row", {"--max-varbinds", "3"}, true},
        {"tooBig for many rows", {"--max-varbinds", "6"}, false},
    };
    for (const FallbackCase& c : cases) {
        for (bool async : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (async ? " async" : " sync"));
            // A fresh session each time: what it learnt of the previous agent is forgotten.
            KtSNMPCloseSession();
            KtSNMPInitSession(m_dir.path());
            KtSNMPDefaults.security.readCommunity = "public";
            KtSNMPDefaults.timeout = 20;
            SimProcess sim;
            ASSERT_TRUE(sim.start(QStringList(c.simArgs) << "--data"
                                                         << testutil::sourceDir() + "/tests/KtNML/data/request.sim"
                                                         << "--freeze"))
                << sim.errorText().toStdString();
            pointAt(sim);
            auto r = request(kThree, KtItem::MVT_UMV, 1);
            if (async) {
                AsyncWalk walk;
                ASSERT_TRUE(walk.run(*r));
                EXPECT_EQ(walk.code, 0) << walk.message.toStdString();
                EXPECT_EQ(walk.rows, kThreeRows);
                EXPECT_EQ(r->Pending, 0);
            } else {
                EXPECT_EQ(walkSync(*r), kThreeRows);
            }
            const QList<SimProcess::Request> log = sim.requests();
            ASSERT_FALSE(log.isEmpty());
            EXPECT_EQ(log.first().type, "GETBULK");
            int bulks = 0;
            int lastRepetitions = log.first().maxRepetitions;
            for (const SimProcess::Request& q : log) {
                if (q.type != "GETBULK")
                    break;
                ++bulks;
                EXPECT_LE(q.maxRepetitions, lastRepetitions) << "never more after a tooBig";
                lastRepetitions = q.maxRepetitions;
            }
            if (c.refused) {
                EXPECT_EQ(types(log.mid(bulks)), QStringList(4, "GETNEXT")) << "the walk goes on with get-next";
                // The rest of the session walks this agent with get-next.
                const int before = log.size();
                EXPECT_EQ(walkSync(*r), kThreeRows);
                EXPECT_EQ(types(sim.requests().mid(before)), QStringList(4, "GETNEXT"));
            } else {
                EXPECT_EQ(bulks, log.size()) << "get-bulk all the way";
                EXPECT_LE(4 * lastRepetitions, 6) << "the size the agent accepts";
            }
        }
    }
}

} // namespace
