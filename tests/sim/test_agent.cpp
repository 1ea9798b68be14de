// The simulator end to end: net-snmp's command-line tools against a running vkr2207-sim.
#include "tests/support/SimProcess.h"
#include "tests/support/SnmpTools.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>

#include <gtest/gtest.h>

using testutil::SimProcess;

namespace {

const QString kSysDescr = QStringLiteral("1.3.6.1.2.1.1.1.0");
const QString kSysContact = QStringLiteral("1.3.6.1.2.1.1.4.0");
const QString kSysName = QStringLiteral("1.3.6.1.2.1.1.5.0");
const QString kRmonState = QStringLiteral("1.3.6.1.4.1.32473.11.101.1.2.1.2.4.0");
const QString kLeds = QStringLiteral("1.3.6.1.4.1.32473.11.101.1.2.1.1.4.0");
const QString kEngineBoots = QStringLiteral("1.3.6.1.6.3.10.2.1.2.0");
const QString kDemo = QStringLiteral("1.3.6.1.4.1.32473.99.1.1");

using testutil::parseToolLines;
using testutil::ToolResult;
using Line = testutil::ToolLine;

ToolResult runTool(const QString& tool, const QStringList& args, int timeoutSec = 5, int retries = 0)
{
    return testutil::runSnmpTool(tool, args, timeoutSec, retries);
}

QList<Line> parseLines(const QString& out)
{
    return parseToolLines(out);
}

// The values a walk returned, without the end-of-view marker a bulk walk prints.
QList<Line> walked(const QString& out)
{
    QList<Line> lines = parseLines(out);
    lines.removeIf([](const Line& l) { return l.type.isEmpty() && !l.value.startsWith(QLatin1Char('"')); });
    return lines;
}

// The error name snmpset/snmpget print ("Reason: notWritable (...)" or "Reason: (readOnly) ...").
QString reason(const ToolResult& r)
{
    static const QRegularExpression re(QStringLiteral(R"(Reason: \(?(\w+)\)?)"));
    auto m = re.match(r.err + r.out);
    return m.hasMatch() ? m.captured(1) : QString();
}

QString failedObject(const ToolResult& r)
{
    static const QRegularExpression re(QStringLiteral(R"(Failed object: \.([\d.]+))"));
    auto m = re.match(r.err + r.out);
    return m.hasMatch() ? m.captured(1) : QString();
}

std::vector<quint32> subids(const QString& oid)
{
    std::vector<quint32> v;
    for (const QString& s : oid.split(QLatin1Char('.')))
        v.push_back(s.toUInt());
    return v;
}

// How the test reaches the agent: version and credentials (one user reads and writes in v3).
struct Access {
    const char* name;
    QStringList read, write;
    bool v1 = false;
};

QStringList community(const char* version, const char* c)
{
    return {QStringLiteral("-v"), QLatin1String(version), QStringLiteral("-c"), QLatin1String(c)};
}

QStringList user(const char* name, const char* level, const char* auth, const char* priv)
{
    QStringList a{QStringLiteral("-v3"), QStringLiteral("-u"), QLatin1String(name), QStringLiteral("-l"), QLatin1String(level)};
    if (auth)
        a << QStringLiteral("-a") << QLatin1String(auth) << QStringLiteral("-A") << QStringLiteral("vkrauthpass");
    if (priv)
        a << QStringLiteral("-x") << QLatin1String(priv) << QStringLiteral("-X") << QStringLiteral("vkrprivpass");
    return a;
}

void PrintTo(const Access& a, std::ostream* os)
{
    *os << a.name;
}

const Access kAccesses[] = {
    {"v1", community("1", "public"), community("1", "private"), true},
    {"v2c", community("2c", "public"), community("2c", "private")},
    {"v3_SHA_AES_authPriv", user("vkrsha", "authPriv", "SHA", "AES"), user("vkrsha", "authPriv", "SHA", "AES")},
    {"v3_MD5_DES_authPriv", user("vkrmd5", "authPriv", "MD5", "DES"), user("vkrmd5", "authPriv", "MD5", "DES")},
    {"v3_SHA256_authNoPriv", user("vkrsha256", "authNoPriv", "SHA-256", nullptr), user("vkrsha256", "authNoPriv", "SHA-256", nullptr)},
    {"v3_noAuthNoPriv", user("vkrnone", "noAuthNoPriv", nullptr, nullptr), user("vkrnone", "noAuthNoPriv", nullptr, nullptr)},
};

// Instance lines of a data file and of the files it includes (lines that start with a digit
// or a dot), optionally only those that contain a text.
int instanceCount(const QString& path, const QString& containing = QString())
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1;
    int n = 0;
    QTextStream in(&f);
    QString l;
    while (in.readLineInto(&l)) {
        if (l.startsWith(QLatin1String("include "))) {
            n += instanceCount(QFileInfo(path).dir().filePath(l.mid(8).trimmed()), containing);
        } else if (!l.isEmpty() && (l[0].isDigit() || l[0] == QLatin1Char('.')) && l.contains(containing)) {
            ++n;
        }
    }
    return n;
}

// Rows the agent library keeps itself (its users and access control), which the shipped data
// makes visible to the views; how many there are depends on the agent's users.
bool agentOwned(const QString& oid)
{
    for (const char* prefix : {"1.3.6.1.6.3.15.1.2.2.", "1.3.6.1.6.3.16.1.2.", "1.3.6.1.6.3.16.1.4.",
                               "1.3.6.1.6.3.16.1.5.2."})
        if (oid.startsWith(QLatin1String(prefix)))
            return true;
    return false;
}

class SimAgent : public ::testing::TestWithParam<Access> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(sim.start({QStringLiteral("--data"), SimProcess::defaultDataFile(), QStringLiteral("--data"),
                               QStringLiteral(VKR_SIM_TEST_DATA), QStringLiteral("--freeze")}))
            << sim.errorText().toStdString();
    }
    ToolResult get(const QStringList& oids) { return runTool("snmpget", GetParam().read + QStringList{sim.peer()} + oids); }
    ToolResult set(const QStringList& triples) { return runTool("snmpset", GetParam().write + QStringList{sim.peer()} + triples); }
    ToolResult walk(const QString& root)
    {
        return runTool(GetParam().v1 ? "snmpwalk" : "snmpbulkwalk", GetParam().read + QStringList{sim.peer(), root});
    }
    // The error a v2c/v3 agent names, or its v1 counterpart.
    QString expect(const char* v2, const char* v1) const { return QLatin1String(GetParam().v1 ? v1 : v2); }

    SimProcess sim;
};

TEST_P(SimAgent, WalksEverythingInOrderWithTypes)
{
    ToolResult r = walk(QStringLiteral(".1"));
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    QList<Line> lines = walked(r.out);
    lines.removeIf([](const Line& l) { return agentOwned(l.oid); });
    // Every instance of both data files, plus the four objects of the engine group; v1 has no
    // Counter64, so the agent skips those.
    int expected = instanceCount(SimProcess::defaultDataFile()) + instanceCount(QStringLiteral(VKR_SIM_TEST_DATA)) + 4;
    if (GetParam().v1)
        expected -= instanceCount(SimProcess::defaultDataFile(), QStringLiteral(" counter64 "));
    EXPECT_EQ(lines.size(), expected);
    for (int i = 1; i < lines.size(); ++i)
        ASSERT_LT(subids(lines[i - 1].oid), subids(lines[i].oid)) << "at " << lines[i].oid.toStdString();

    QMap<QString, QString> types;
    for (const Line& l : lines)
        types[l.oid] = l.type;
    EXPECT_EQ(types.value(kSysDescr), QStringLiteral("STRING"));
    EXPECT_EQ(types.value(QStringLiteral("1.3.6.1.2.1.1.2.0")), QStringLiteral("OID"));
    EXPECT_EQ(types.value(QStringLiteral("1.3.6.1.2.1.1.3.0")), QStringLiteral("Timeticks"));
    EXPECT_EQ(types.value(QStringLiteral("1.3.6.1.2.1.2.2.1.5.1")), QStringLiteral("Gauge32"));
    EXPECT_EQ(types.value(QStringLiteral("1.3.6.1.2.1.2.2.1.10.1")), QStringLiteral("Counter32"));
    EXPECT_EQ(types.value(QStringLiteral("1.3.6.1.2.1.31.1.1.1.6.1")), GetParam().v1 ? QString() : QStringLiteral("Counter64"));
    EXPECT_EQ(types.value(QStringLiteral("1.3.6.1.2.1.2.2.1.6.1")), QStringLiteral("Hex-STRING"));
    EXPECT_EQ(types.value(kRmonState), QStringLiteral("INTEGER"));
    EXPECT_EQ(types.value(QStringLiteral("1.3.6.1.4.1.32473.12.15.1.2.0")), QStringLiteral("INTEGER"));
    EXPECT_EQ(types.value(QStringLiteral("1.0.8802.1.1.1.1.1.1.0")), QStringLiteral("INTEGER"));
    EXPECT_EQ(types.value(QStringLiteral("1.3.6.1.4.1.32473.11.101.1.2.3.1.1.5.9.1")), QStringLiteral("INTEGER"));
    EXPECT_EQ(types.value(kLeds), QStringLiteral("Hex-STRING"));
}

TEST_P(SimAgent, ServesTheSwitchIdentity)
{
    ToolResult r = get({QStringLiteral("1.3.6.1.2.1.1.2.0"), kLeds});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QList<Line> l = parseLines(r.out);
    ASSERT_EQ(l.size(), 2);
    EXPECT_EQ(l[0].value, QStringLiteral(".1.3.6.1.4.1.32473.10.101.1"));
    // 25 LED bytes, power (byte 2) green.
    const QStringList bytes = l[1].value.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    ASSERT_EQ(bytes.size(), 25);
    EXPECT_EQ(bytes[2], QStringLiteral("02"));
}

TEST_P(SimAgent, MissingObjectsPerVersion)
{
    if (GetParam().v1) {
        ToolResult r = get({kSysName, QStringLiteral("1.3.6.1.2.1.1.4.1")});
        EXPECT_EQ(reason(r), QStringLiteral("noSuchName"));
        EXPECT_EQ(failedObject(r), QStringLiteral("1.3.6.1.2.1.1.4.1"));
        // Nothing is served after 1.4.
        ToolResult next = runTool("snmpgetnext", GetParam().read + QStringList{sim.peer(), QStringLiteral("1.4")});
        EXPECT_EQ(reason(next), QStringLiteral("noSuchName"));
        return;
    }
    ToolResult r = get({QStringLiteral("1.3.6.1.2.1.1.4.1"), QStringLiteral("1.3.6.1.2.1.1.99.0"),
                        kDemo + QStringLiteral(".2.9.1.97"), kSysName});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QList<Line> l = parseLines(r.out);
    ASSERT_EQ(l.size(), 4) << r.out.toStdString();
    EXPECT_TRUE(l[0].value.contains(QStringLiteral("No Such Instance")));
    EXPECT_TRUE(l[1].value.contains(QStringLiteral("No Such Object")));
    EXPECT_TRUE(l[2].value.contains(QStringLiteral("No Such Instance")));
    EXPECT_EQ(l[3].value, QStringLiteral("\"VKR-2207\""));
    ToolResult next = runTool("snmpgetnext", GetParam().read + QStringList{sim.peer(), QStringLiteral("1.4")});
    EXPECT_TRUE(next.out.contains(QStringLiteral("No more variables left in this MIB View"))) << next.out.toStdString();
}

struct SetCase {
    const char* what;
    QStringList triple;
    const char* v2;
    const char* v1;
};

TEST_P(SimAgent, SetsAreTypeChecked)
{
    const SetCase cases[] = {
        {"read-only object", {kSysDescr, "s", "x"}, "notWritable", "readOnly"},
        {"wrong type", {kSysContact, "i", "5"}, "wrongType", "badValue"},
        {"too long", {kSysContact, "s", QString(256, QLatin1Char('a'))}, "wrongLength", "badValue"},
        {"value out of range", {kRmonState, "i", "7"}, "wrongValue", "badValue"},
        {"no such object", {"1.3.6.1.2.1.1.99.0", "i", "1"}, "noCreation", "noSuchName"},
        {"row of a table without status", {"1.3.6.1.2.1.2.2.1.7.11", "i", "1"}, "noCreation", "noSuchName"},
        {"new row without status", {kDemo + ".2.9.1.98", "s", "x"}, "noCreation", "noSuchName"},
        {"createAndGo without a required column", {kDemo + ".5.9.1.98", "i", "4"}, "inconsistentValue", "badValue"},
    };
    for (const SetCase& c : cases) {
        SCOPED_TRACE(c.what);
        ToolResult r = set(c.triple);
        EXPECT_NE(r.exitCode, 0);
        EXPECT_EQ(reason(r), expect(c.v2, c.v1)) << r.err.toStdString();
        EXPECT_EQ(failedObject(r), c.triple[0]);
    }
}

TEST_P(SimAgent, OneBadVarbindChangesNothing)
{
    ToolResult bad = set({kSysContact, "s", "changed", kRmonState, "i", "2", kSysDescr, "s", "x", kSysName, "s", "other"});
    EXPECT_EQ(failedObject(bad), kSysDescr);
    ToolResult r = get({kSysContact, kRmonState, kSysName});
    const QList<Line> l = parseLines(r.out);
    ASSERT_EQ(l.size(), 3) << r.err.toStdString();
    EXPECT_EQ(l[0].value, QStringLiteral("\"\""));
    EXPECT_EQ(l[1].value, QStringLiteral("3"));
    EXPECT_EQ(l[2].value, QStringLiteral("\"VKR-2207\""));

    ToolResult good = set({kSysContact, "s", "changed", kRmonState, "i", "2"});
    ASSERT_EQ(good.exitCode, 0) << good.err.toStdString();
    const QList<Line> after = parseLines(get({kSysContact, kRmonState}).out);
    ASSERT_EQ(after.size(), 2);
    EXPECT_EQ(after[0].value, QStringLiteral("\"changed\""));
    EXPECT_EQ(after[1].value, QStringLiteral("2"));
}

TEST_P(SimAgent, RowStatusCreatesAndDestroysRows)
{
    const QString row = QStringLiteral(".5.2.120.121");  // index 5, "xy"
    ToolResult go = set({kDemo + ".2" + row, "s", "new", kDemo + ".5" + row, "i", "4"});
    ASSERT_EQ(go.exitCode, 0) << go.err.toStdString();
    QList<Line> cells = walked(walk(kDemo).out);
    QStringList seen;
    for (const Line& l : cells)
        if (l.oid.endsWith(row))
            seen << l.oid.section(QLatin1Char('.'), 10, 10) + QLatin1Char('=') + l.value;
    // The PDU's column, the default, the index copy and the status, active.
    EXPECT_EQ(seen, (QStringList{"2=\"new\"", "3=5", "4=5", "5=1"}));

    ToolResult again = set({kDemo + ".5" + row, "i", "4"});
    EXPECT_EQ(reason(again), expect("inconsistentValue", "badValue"));

    ASSERT_EQ(set({kDemo + ".5" + row, "i", "6"}).exitCode, 0);
    for (const Line& l : walked(walk(kDemo).out))
        EXPECT_FALSE(l.oid.endsWith(row)) << l.oid.toStdString();
}

TEST_P(SimAgent, CreateAndWaitThenActive)
{
    const QString row = QStringLiteral(".6.1.122");
    ASSERT_EQ(set({kDemo + ".5" + row, "i", "5"}).exitCode, 0);
    QList<Line> l = parseLines(get({kDemo + ".5" + row}).out);
    ASSERT_EQ(l.size(), 1);
    EXPECT_EQ(l[0].value, QStringLiteral("3"));  // notReady: column 2 has no default
    ASSERT_EQ(set({kDemo + ".2" + row, "s", "later", kDemo + ".5" + row, "i", "1"}).exitCode, 0);
    l = parseLines(get({kDemo + ".5" + row, kDemo + ".2" + row}).out);
    ASSERT_EQ(l.size(), 2);
    EXPECT_EQ(l[0].value, QStringLiteral("1"));
    EXPECT_EQ(l[1].value, QStringLiteral("\"later\""));
}

TEST_P(SimAgent, AddDeleteAndEnabledDisabledTables)
{
    const QString filter = QStringLiteral("1.3.6.1.4.1.32473.99.2.1");
    const QString trap = QStringLiteral("1.3.6.1.4.1.32473.99.3.1");
    ASSERT_EQ(set({filter + ".3.9", "i", "2", filter + ".2.9", "a", "10.1.2.3"}).exitCode, 0);
    ASSERT_EQ(set({trap + ".3.10.0.0.5", "i", "1"}).exitCode, 0);
    QList<Line> l = parseLines(get({filter + ".2.9", filter + ".3.9", trap + ".2.10.0.0.5", trap + ".3.10.0.0.5"}).out);
    ASSERT_EQ(l.size(), 4);
    EXPECT_EQ(l[0].value, QStringLiteral("10.1.2.3"));
    EXPECT_EQ(l[1].value, QStringLiteral("2"));
    EXPECT_EQ(l[2].value, QStringLiteral("\"public\""));
    EXPECT_EQ(l[3].value, QStringLiteral("1"));

    EXPECT_EQ(reason(set({filter + ".3.9", "i", "7"})), expect("wrongValue", "badValue"));
    ASSERT_EQ(set({filter + ".3.9", "i", "3"}).exitCode, 0);
    ASSERT_EQ(set({trap + ".3.10.0.0.5", "i", "2"}).exitCode, 0);
    EXPECT_TRUE(walked(walk(filter).out).isEmpty());
    EXPECT_TRUE(walked(walk(trap).out).isEmpty());
}

TEST_P(SimAgent, LogShowsWhatWasSent)
{
    ASSERT_EQ(set({kSysContact, "s", "ab", kRmonState, "i", "2"}).exitCode, 0);
    ASSERT_EQ(get({kSysName}).exitCode, 0);
    const QList<SimProcess::Request> log = sim.requests();
    ASSERT_EQ(log.size(), 2);
    const SimProcess::Request& s = log[0];
    EXPECT_EQ(s.type, QStringLiteral("SET"));
    EXPECT_FALSE(s.dropped);
    const QStringList& w = GetParam().write;
    if (w[0] == QLatin1String("-v3")) {
        EXPECT_EQ(s.version, QStringLiteral("v3"));
        EXPECT_EQ(s.principal, w[2]);
        EXPECT_EQ(s.securityLevel, w[4]);
    } else {
        EXPECT_EQ(s.version, QStringLiteral("v") + w[1]);
        EXPECT_EQ(s.principal, w[3]);
    }
    ASSERT_EQ(s.varbinds.size(), 2);
    EXPECT_EQ(s.varbinds[0].oid, kSysContact);
    EXPECT_EQ(s.varbinds[0].type, QLatin1Char('x'));
    EXPECT_EQ(s.varbinds[0].value, QStringLiteral("6162"));
    EXPECT_EQ(s.varbinds[1].type, QLatin1Char('i'));
    EXPECT_EQ(s.varbinds[1].value, QStringLiteral("2"));
    EXPECT_EQ(log[1].type, QStringLiteral("GET"));
    ASSERT_EQ(log[1].varbinds.size(), 1);
    EXPECT_EQ(log[1].varbinds[0].oid, kSysName);
    EXPECT_TRUE(log[1].varbinds[0].type.isNull());
}

INSTANTIATE_TEST_SUITE_P(Versions, SimAgent, ::testing::ValuesIn(kAccesses),
                         [](const ::testing::TestParamInfo<Access>& i) { return std::string(i.param.name); });

// ---- options ---------------------------------------------------------------------------------

const QStringList kV2c = community("2c", "public");

TEST(SimOptions, FaultyGetNextRepeatsTheRequestedOid)
{
    SimProcess sim;
    ASSERT_TRUE(sim.start({QStringLiteral("--faulty-getnext")})) << sim.errorText().toStdString();
    ToolResult next = runTool("snmpgetnext", kV2c + QStringList{sim.peer(), kSysDescr});
    QList<Line> l = parseLines(next.out);
    ASSERT_EQ(l.size(), 1);
    EXPECT_EQ(l[0].oid, kSysDescr);
    ToolResult w = runTool("snmpwalk", kV2c + QStringList{sim.peer(), QStringLiteral("1.3.6.1.2.1.1")});
    EXPECT_TRUE(w.err.contains(QStringLiteral("OID not increasing"))) << w.err.toStdString();
}

TEST(SimOptions, DropsEveryNthRequest)
{
    SimProcess sim;
    ASSERT_TRUE(sim.start({QStringLiteral("--drop"), QStringLiteral("2")})) << sim.errorText().toStdString();
    QList<int> codes;
    for (int i = 0; i < 3; ++i)
        codes << runTool("snmpget", kV2c + QStringList{sim.peer(), kSysName}, 1, 0).exitCode;
    EXPECT_EQ(codes[0], 0);
    EXPECT_NE(codes[1], 0);
    EXPECT_EQ(codes[2], 0);
    const auto log = sim.requests();
    ASSERT_EQ(log.size(), 3);
    EXPECT_FALSE(log[0].dropped);
    EXPECT_TRUE(log[1].dropped);
    EXPECT_FALSE(log[2].dropped);
}

TEST(SimOptions, DropsAllRequests)
{
    SimProcess sim;
    ASSERT_TRUE(sim.start({QStringLiteral("--drop"), QStringLiteral("all")})) << sim.errorText().toStdString();
    ToolResult r = runTool("snmpget", kV2c + QStringList{sim.peer(), kSysName}, 1, 1);
    EXPECT_NE(r.exitCode, 0);
    EXPECT_TRUE(r.err.contains(QStringLiteral("Timeout"))) << r.err.toStdString();
    const auto log = sim.requests();
    ASSERT_EQ(log.size(), 2);  // the request and its retry
    EXPECT_TRUE(log[0].dropped && log[1].dropped);
}

TEST(SimOptions, DelaysReplies)
{
    SimProcess sim;
    ASSERT_TRUE(sim.start({QStringLiteral("--delay"), QStringLiteral("1500")})) << sim.errorText().toStdString();
    EXPECT_NE(runTool("snmpget", kV2c + QStringList{sim.peer(), kSysName}, 1, 0).exitCode, 0);
    EXPECT_EQ(runTool("snmpget", kV2c + QStringList{sim.peer(), kSysName}, 5, 0).exitCode, 0);
}

TEST(SimOptions, FillsATableWithGeneratedRows)
{
    SimProcess sim;
    ASSERT_TRUE(sim.start({QStringLiteral("--data"), QStringLiteral(VKR_SIM_TEST_DATA), QStringLiteral("--fill"),
                           QStringLiteral("bench=5000")}))
        << sim.errorText().toStdString();
    ToolResult r = runTool("snmpbulkwalk", kV2c + QStringList{QStringLiteral("-Cr50"), sim.peer(), QStringLiteral("1.3.6.1.4.1.32473.99.4.1")}, 5);
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QList<Line> l = walked(r.out);
    ASSERT_EQ(l.size(), 20000);
    EXPECT_EQ(l.first().oid, QStringLiteral("1.3.6.1.4.1.32473.99.4.1.1.1"));
    EXPECT_EQ(l.last().oid, QStringLiteral("1.3.6.1.4.1.32473.99.4.1.4.5000"));
    const auto log = sim.requests();
    ASSERT_FALSE(log.isEmpty());
    EXPECT_EQ(log[0].type, QStringLiteral("GETBULK"));
    EXPECT_EQ(log[0].maxRepetitions, 50);
}

TEST(SimOptions, BadDataFileStopsStartWithLineAndReason)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("broken.sim"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("subtree 1.3.6.1.4.1.32473\n# fine so far\n1.3.6.1.4.1.32473.1.0 integer twelve\n");
    f.close();
    SimProcess sim;
    EXPECT_FALSE(sim.start({QStringLiteral("--data"), path}, 5000));
    EXPECT_FALSE(sim.isRunning());
    EXPECT_TRUE(sim.errorText().contains(path + QStringLiteral(":3: 'twelve' is not a 32-bit integer")))
        << sim.errorText().toStdString();
}

TEST(SimOptions, EngineBootsPersistInTheStateFolder)
{
    QTemporaryDir state;
    auto boots = [](SimProcess& sim) {
        ToolResult r = runTool("snmpget", user("vkrsha", "authPriv", "SHA", "AES") + QStringList{sim.peer(), kEngineBoots});
        const QList<Line> l = parseLines(r.out);
        return l.size() == 1 ? l[0].value.toInt() : -1;
    };
    SimProcess sim;
    sim.setStateDir(state.path());
    ASSERT_TRUE(sim.start()) << sim.errorText().toStdString();
    const int first = boots(sim);
    EXPECT_GE(first, 1);
    EXPECT_EQ(sim.stop(), 0) << sim.errorText().toStdString();  // SIGTERM ends it cleanly
    ASSERT_TRUE(sim.start()) << sim.errorText().toStdString();
    EXPECT_EQ(boots(sim), first + 1);
}

TEST(SimOptions, ListensOnIpv6Loopback)
{
    SimProcess sim;
    ASSERT_TRUE(sim.start({QStringLiteral("--address"), QStringLiteral("::1")})) << sim.errorText().toStdString();
    EXPECT_EQ(sim.address(), QStringLiteral("::1"));
    EXPECT_TRUE(sim.peer().startsWith(QStringLiteral("udp6:[::1]:")));
    ToolResult r = runTool("snmpget", kV2c + QStringList{sim.peer(), kSysName});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    ToolResult v3 = runTool("snmpget", user("vkrsha", "authPriv", "SHA", "AES") + QStringList{sim.peer(), kSysName});
    EXPECT_EQ(v3.exitCode, 0) << v3.err.toStdString();
}

TEST(SimOptions, CommunitiesAndUsersAreConfigurable)
{
    SimProcess sim;
    ASSERT_TRUE(sim.start({QStringLiteral("--read-community"), QStringLiteral("look"), QStringLiteral("--write-community"),
                           QStringLiteral("touch"), QStringLiteral("--user"), QStringLiteral("ops:SHA-512:longsecret1:AES:longsecret2")}))
        << sim.errorText().toStdString();
    EXPECT_NE(runTool("snmpget", kV2c + QStringList{sim.peer(), kSysName}, 1).exitCode, 0);  // unanswered
    EXPECT_EQ(runTool("snmpget", community("2c", "look") + QStringList{sim.peer(), kSysName}).exitCode, 0);
    EXPECT_NE(runTool("snmpset", community("2c", "look") + QStringList{sim.peer(), kSysContact, "s", "x"}).exitCode, 0);
    EXPECT_EQ(runTool("snmpset", community("2c", "touch") + QStringList{sim.peer(), kSysContact, "s", "x"}).exitCode, 0);
    const QStringList ops{"-v3", "-u", "ops", "-l", "authPriv", "-a", "SHA-512", "-A", "longsecret1", "-x", "AES", "-X", "longsecret2"};
    EXPECT_EQ(runTool("snmpget", ops + QStringList{sim.peer(), kSysName}).exitCode, 0);
    QStringList wrong = ops;
    wrong[8] = QStringLiteral("wrongsecret");
    EXPECT_NE(runTool("snmpget", wrong + QStringList{sim.peer(), kSysName}).exitCode, 0);
    // The default users are gone when users are given.
    EXPECT_NE(runTool("snmpget", user("vkrsha", "authPriv", "SHA", "AES") + QStringList{sim.peer(), kSysName}).exitCode, 0);
}

TEST(SimOptions, FrontPanelLedsLive)
{
    SimProcess sim;
    ASSERT_TRUE(sim.start()) << sim.errorText().toStdString();
    auto leds = [&] {
        const QList<Line> l = parseLines(runTool("snmpget", kV2c + QStringList{sim.peer(), kLeds}).out);
        return l.size() == 1 ? l[0].value : QString();
    };
    const QString first = leds();
    ASSERT_FALSE(first.isEmpty());
    QString later;
    for (int i = 0; i < 10 && (later = leds()) == first; ++i)
        QThread::msleep(500);
    EXPECT_NE(later, first);
}

} // namespace
