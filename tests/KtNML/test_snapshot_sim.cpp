// Snapshot reading and restore writing against the simulator: walks by get-bulk, get-next and
// SNMPv1, the dedicated dialogs' tables in the file, and the order of a restore's SETs when a
// row is created.
#include "KtNML/KtSNMPSession.h"
#include "KtNML/KtSnapshotIo.h"
#include "dialogs/tables/DialogTables.h"
#include "dialogs/tables/SecurityTables.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/SimProcess.h"
#include "tests/support/TestUtil.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

const KtSNMPVarDef kSystem[] = {
    {"1.3.6.1.2.1.1.5", "sysName", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.2.1.1.6", "sysLocation", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.2.1.1.99", "not there", KtSyn::Integer, KtAcc::ReadWrite},
    {},
};

class SnapshotSimTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        KtSNMPInitSession(m_dir.path());
        m_plan = KtSnapshotPlan::FromSources({{kSystem, KtItem::SVT_SV, 0, "System"},
                                              // the RADIUS servers' key is a secret without a default
                                              {SecurityTables::kRadiusServer, KtItem::MVT_UMV, 1, "RADIUS Servers"},
                                              {SecurityTables::kLogHost, KtItem::MVT_UMV, 1, "Log Hosts"}});
    }
    void TearDown() override { KtSNMPCloseSession(); }

    snmp::Target Target(const testutil::SimProcess& sim, int version, int retries = 1, qint32 timeout = 100)
    {
        KtSNMPDefaultParams p;
        p.device.address = sim.address();
        p.device.port = sim.port();
        p.security.version = quint8(version);
        p.security.readCommunity = "public";
        p.security.writeCommunity = "private";
        p.timeout = timeout;
        return KtSNMPBuildTarget(p, retries);
    }

    KtSnapshot Read(const testutil::SimProcess& sim, int version, QString* error = nullptr,
                    const KtSnapshotPlan* plan = nullptr, int retries = 1, qint32 timeout = 100)
    {
        KtSnapshotReader::Options o;
        o.bulkVarbinds = 4;  // several answers per table
        KtSnapshotReader reader(*KtSNMPGlobalSession(), Target(sim, version, retries, timeout), plan ? *plan : m_plan,
                                o);
        bool finished = false;
        reader.Start([&] { finished = true; });
        EXPECT_TRUE(testutil::waitFor([&] { return finished; }, 30000));
        if (error)
            *error = reader.Error();
        else
            EXPECT_FALSE(reader.Failed()) << reader.Error().toStdString();
        return reader.Result();
    }

    static QStringList Lines(const KtSnapshot& s)
    {
        QStringList lines = KtSnapshotToText(s).split('\n');
        return lines.filter(QRegularExpression("^\\d"));
    }

    QTemporaryDir m_dir;
    KtSnapshotPlan m_plan;
};

} // namespace

TEST_F(SnapshotSimTest, BulkNextAndVersionOneReadTheSameObjects)
{
    testutil::SimProcess sim;
    ASSERT_TRUE(sim.start()) << sim.errorText().toStdString();
    const KtSnapshot bulk = Read(sim, 1);
    EXPECT_EQ(bulk.header.sysObjectId, QLatin1String(kKtSnapshotObjectId));
    EXPECT_EQ(bulk.notSaved, QStringList({"1.3.6.1.4.1.32473.12.3.2.4.1.3 (Server Key)"}));
    const QStringList lines = Lines(bulk);
    EXPECT_EQ(lines.size(), 2 + 2 * 4 + 2 * 6) << lines.join('\n').toStdString();  // scalars, RADIUS, log hosts
    EXPECT_TRUE(lines.contains("1.3.6.1.4.1.32473.12.3.2.4.1.4.2 u 1645  # Auth Port Number"));
    bool bulkSeen = false;
    for (const auto& r : sim.requests())
        bulkSeen = bulkSeen || r.type == "GETBULK";
    EXPECT_TRUE(bulkSeen);

    EXPECT_EQ(Lines(Read(sim, 0)), lines);  // SNMPv1: get-next, and noSuchName for the missing scalar

    testutil::SimProcess noBulk;
    ASSERT_TRUE(noBulk.start({"--getbulk", "generr"})) << noBulk.errorText().toStdString();
    EXPECT_EQ(Lines(Read(noBulk, 1)), lines);

    testutil::SimProcess faulty;
    ASSERT_TRUE(faulty.start({"--faulty-getnext"})) << faulty.errorText().toStdString();
    QString error;
    Read(faulty, 1, &error);
    EXPECT_TRUE(error.contains("do not increase")) << error.toStdString();
}

TEST_F(SnapshotSimTest, DialogTablesAreInTheFileAndAbsentOnesLeaveNoGap)
{
    const KtSnapshotPlan plan = KtSnapshotPlan::FromSources(KtDialogSnapshotSources());
    testutil::SimProcess sim;
    ASSERT_TRUE(sim.start()) << sim.errorText().toStdString();
    const KtSnapshot bulk = Read(sim, 1, nullptr, &plan);
    const QString text = KtSnapshotToText(bulk);
    const QStringList lines = Lines(bulk);
    for (const char* line : {
             "1.3.6.1.4.1.32473.11.101.1.2.10.1.0 i 8  # Logic Target Port",           // port mirror
             "1.3.6.1.4.1.32473.11.101.1.2.10.2.0 x C0000000  # Port Source Ingress",
             "1.3.6.1.4.1.32473.12.9.3.1.1.15.1.1 i 1  # Row Status",                  // Ethernet ACL rule
             "1.3.6.1.2.1.17.7.1.3.1.1.4.1.0.17.34.51.68.85.0 i 3  # Status",          // static unicast filter
             "1.3.6.1.4.1.32473.12.5.10.1.3.10.1.1.1.4 i 1812  # Server Auth Port",   // AAC server
             "1.3.6.1.4.1.32473.12.15.1.2.0 i 1  # STP Version",
         })
        EXPECT_TRUE(lines.contains(QLatin1String(line))) << line;
    // Secrets are named, never written: not even the one the simulator would give.
    for (const char* secret : {"1.3.6.1.4.1.32473.12.5.10.1.4 (Server Auth Key)", "1.3.6.1.4.1.32473.12.35.1.3 (Auth PassWord)"})
        EXPECT_TRUE(bulk.notSaved.contains(QLatin1String(secret))) << secret;
    EXPECT_FALSE(text.contains("radkey"));
    EXPECT_FALSE(text.contains("mbapass"));
    EXPECT_TRUE(lines.filter(QRegularExpression("^1\\.3\\.6\\.1\\.4\\.1\\.32473\\.12\\.5\\.10\\.1\\.4\\.")).isEmpty());
    // Each object instance once, whichever dialogs name it.
    EXPECT_EQ(QSet<QString>(lines.begin(), lines.end()).size(), lines.size());
    EXPECT_EQ(lines.filter(QRegularExpression("^1\\.3\\.6\\.1\\.4\\.1\\.32473\\.12\\.15\\.1\\.2\\.0 ")).size(), 1);

    EXPECT_EQ(Lines(Read(sim, 0, nullptr, &plan)), lines);  // SNMPv1: get-next

    // A VKR-2207 without any of these tables and scalars (it serves its system group only):
    // endOfMibView, noSuchObject and SNMPv1's noSuchName end each walk and each read, and the
    // snapshot is read, empty.
    const QString data = m_dir.filePath("bare.sim");
    QFile f(data);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("subtree 1.3.6.1.2.1.1\n"
            "1.3.6.1.2.1.1.2.0 oid 1.3.6.1.4.1.32473.10.101.1\n"
            "1.3.6.1.2.1.1.5.0 string \"bare\" rw\n");
    f.close();
    testutil::SimProcess bare;
    ASSERT_TRUE(bare.start({"--data", data})) << bare.errorText().toStdString();
    for (int version : {1, 0}) {
        QString error;
        const KtSnapshot none = Read(bare, version, &error, &plan);
        EXPECT_TRUE(error.isEmpty()) << version << ": " << error.toStdString();
        EXPECT_EQ(none.header.sysName, QStringLiteral("bare"));
        EXPECT_TRUE(Lines(none).isEmpty()) << Lines(none).join('\n').toStdString();
        EXPECT_EQ(none.notSaved, bulk.notSaved);
    }
}

// An agent that never answers a get-bulk is walked with get-next; one that has answered
// get-bulk and then lets a request time out is busy, not refusing: the reading fails with the
// time-out instead of going on with many times the requests.
TEST_F(SnapshotSimTest, TimeOutFallsBackToGetNextOnlyBeforeAnyGetBulkWasAnswered)
{
    testutil::SimProcess reference;
    ASSERT_TRUE(reference.start()) << reference.errorText().toStdString();
    const QStringList lines = Lines(Read(reference, 1));

    const struct {
        QStringList simArgs;
        bool fails;
        bool getNextSeen;
    } cases[] = {
        {{"--getbulk", "drop"}, false, true},
        // Request 4 is the second table's first get-bulk, sent while the first table's is answered.
        {{"--drop", "4"}, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.simArgs.join(' ').toStdString());
        testutil::SimProcess sim;
        ASSERT_TRUE(sim.start(c.simArgs)) << sim.errorText().toStdString();
        QString error;
        const KtSnapshot read = Read(sim, 1, &error, nullptr, 0, 30);
        if (c.fails) {
            EXPECT_EQ(error, KtSnapshotStatusText(snmp::status::Timeout, 0, {}));
        } else {
            EXPECT_TRUE(error.isEmpty()) << error.toStdString();
            EXPECT_EQ(Lines(read), lines);
        }
        bool getNext = false;
        for (const auto& r : sim.requests())
            getNext = getNext || r.type == "GETNEXT";
        EXPECT_EQ(getNext, c.getNextSeen);
    }
}

// Many switches read at once over the one session: each reading ends with its own switch's
// objects, whatever order the answers come in.
TEST_F(SnapshotSimTest, SwitchesReadAtOnceEachGetTheirOwnObjects)
{
    constexpr int kSwitches = 6;
    std::vector<std::unique_ptr<testutil::SimProcess>> sims;
    for (int i = 0; i < kSwitches; ++i) {
        sims.push_back(std::make_unique<testutil::SimProcess>());
        const QStringList args{"--address", QStringLiteral("127.0.0.%1").arg(i + 2), "--delay", QString::number(i % 3)};
        ASSERT_TRUE(sims.back()->start(args)) << sims.back()->errorText().toStdString();
        snmp::Pdu set;
        set.type = snmp::PduType::Set;
        snmp::Varbind vb;
        ASSERT_TRUE(snmp::oidFromText("1.3.6.1.2.1.1.5.0", vb.oid));
        vb.setBytes(snmp::Syntax::OctetString, "switch-" + std::to_string(i));
        set.varbinds.push_back(vb);
        ASSERT_EQ(KtSNMPGlobalSession()->send(Target(*sims.back(), 1), set), 0);
    }
    const QStringList alone = Lines(Read(*sims[0], 1));
    ASSERT_FALSE(alone.isEmpty());

    std::vector<std::unique_ptr<KtSnapshotReader>> readers;
    int finished = 0;
    for (int i = 0; i < kSwitches; ++i) {
        KtSnapshotReader::Options o;
        o.bulkVarbinds = 4;
        o.inFlight = 1 + i % 3;
        readers.push_back(std::make_unique<KtSnapshotReader>(*KtSNMPGlobalSession(), Target(*sims[std::size_t(i)], i % 2),
                                                             m_plan, o));
        readers.back()->Start([&] { ++finished; });
    }
    ASSERT_TRUE(testutil::waitFor([&] { return finished == kSwitches; }, 60000));
    for (int i = 0; i < kSwitches; ++i) {
        SCOPED_TRACE(i);
        const KtSnapshotReader& r = *readers[std::size_t(i)];
        ASSERT_FALSE(r.Failed()) << r.Error().toStdString();
        EXPECT_EQ(r.Result().header.address, sims[std::size_t(i)]->address());
        const QString name = QStringLiteral("switch-%1").arg(i);
        EXPECT_EQ(r.Result().header.sysName, name);
        QStringList expected = alone;
        expected.replaceInStrings("\"switch-0\"", QStringLiteral("\"%1\"").arg(name));
        EXPECT_EQ(Lines(r.Result()), expected);
    }
}

TEST_F(SnapshotSimTest, MissingRowsAreCreatedInOneSetElseStepByStep)
{
    testutil::SimProcess sim;
    ASSERT_TRUE(sim.start()) << sim.errorText().toStdString();
    const KtSnapshot saved = Read(sim, 1);

    // Both second rows removed on the switch.
    snmp::Pdu destroy;
    destroy.type = snmp::PduType::Set;
    for (const char* oid : {"1.3.6.1.4.1.32473.12.3.2.4.1.6.2", "1.3.6.1.4.1.32473.12.12.2.1.7.2"}) {
        snmp::Varbind vb;
        ASSERT_TRUE(snmp::oidFromText(oid, vb.oid));
        vb.setInteger(6);
        destroy.varbinds.push_back(vb);
    }
    ASSERT_EQ(KtSNMPGlobalSession()->send(Target(sim, 1), destroy), 0);

    const std::vector<KtSnapshotDiff> diffs = KtSnapshotCompare(m_plan, saved, Read(sim, 1));
    ASSERT_EQ(diffs.size(), 2u);
    std::vector<KtRestoreStep> steps = KtSnapshotRestoreSteps(m_plan, diffs, {0, 1}, nullptr);
    ASSERT_EQ(steps.size(), 2u);

    const int from = sim.requests().size();
    KtSnapshotWriter writer(*KtSNMPGlobalSession(), Target(sim, 1), std::move(steps), false);
    bool finished = false;
    writer.Start([&] { finished = true; });
    ASSERT_TRUE(testutil::waitFor([&] { return finished; }, 30000));

    // The RADIUS row cannot be made without its key: createAndGo with the columns, then
    // createAndWait, the columns and active, whose refusal is the result. The log host's row
    // is made in one SET all the same.
    const std::vector<QStringList> sets = sim.requestsSince(from, "SET");
    ASSERT_EQ(sets.size(), 5u);
    EXPECT_EQ(sets[0], QStringList({"1.3.6.1.4.1.32473.12.3.2.4.1.2.2=a:10.90.90.11", "1.3.6.1.4.1.32473.12.3.2.4.1.4.2=u:1645",
                                    "1.3.6.1.4.1.32473.12.3.2.4.1.5.2=u:1646", "1.3.6.1.4.1.32473.12.3.2.4.1.6.2=i:4"}));
    EXPECT_EQ(sets[1], QStringList({"1.3.6.1.4.1.32473.12.3.2.4.1.6.2=i:5"}));
    EXPECT_EQ(sets[2].size(), 3);
    EXPECT_EQ(sets[3], QStringList({"1.3.6.1.4.1.32473.12.3.2.4.1.6.2=i:1"}));
    EXPECT_EQ(sets[4], QStringList({"1.3.6.1.4.1.32473.12.12.2.1.2.2=a:10.90.90.21", "1.3.6.1.4.1.32473.12.12.2.1.3.2=i:0",
                                    "1.3.6.1.4.1.32473.12.12.2.1.4.2=i:1", "1.3.6.1.4.1.32473.12.12.2.1.5.2=i:514",
                                    "1.3.6.1.4.1.32473.12.12.2.1.6.2=i:2", "1.3.6.1.4.1.32473.12.12.2.1.7.2=i:4"}));
    ASSERT_EQ(writer.Results().size(), 2u);
    EXPECT_FALSE(writer.Results()[0].ok);
    EXPECT_TRUE(writer.Results()[0].message.contains("(1.3.6.1.4.1.32473.12.3.2.4.1.6.2)"))
        << writer.Results()[0].message.toStdString();
    EXPECT_TRUE(writer.Results()[1].ok);
    EXPECT_EQ(writer.Failures(), 1);

    const std::vector<KtSnapshotDiff> left = KtSnapshotCompare(m_plan, saved, Read(sim, 1));
    ASSERT_EQ(left.size(), 1u);  // the RADIUS row, left not ready
    EXPECT_EQ(left[0].caption, QStringLiteral("Server Status"));
}
