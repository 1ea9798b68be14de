// vkr2207-config end to end against the simulator: a snapshot's round trip, refused writes,
// snmpset taking a saved line, bad files, a foreign device, and a devices list.
#include "KtNML/KtSNMPSession.h"
#include "KtNML/KtSnapshot.h"
#include "snmp/SnmpSession.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/SimProcess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct ToolRun {
    int exit = -1;
    QStringList out;  // standard output, by line
    QString err;
};

class ConfigToolTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        KtSNMPInitSession(m_dir.path());
    }
    void TearDown() override { KtSNMPCloseSession(); }

    // A device file for the simulator's address with its port (SNMPv2c).
    void DeviceFile(const testutil::SimProcess& sim)
    {
        QFile f(m_dir.filePath(sim.address() + ".cfg"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QStringLiteral("[Program Information]\nAgentPort=%1\nVersion=1\nSecurityModel=2\nSecurityLevel=0\n"
                               "AuthProtocol=0\nPrivProtocol=0\n")
                    .arg(sim.port())
                    .toLatin1());
    }

    ToolRun Tool(const QStringList& args)
    {
        QProcess p;
        p.setWorkingDirectory(m_dir.path());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("VKR_REGISTRY_FILE", m_dir.filePath("no-registry.ini"));
        env.insert("XDG_STATE_HOME", m_dir.filePath("state"));
        p.setProcessEnvironment(env);
        p.start(QString::fromLatin1(VKR_CONFIG_BIN), args);
        ToolRun r;
        if (!p.waitForFinished(120000)) {
            p.kill();
            p.waitForFinished();
            ADD_FAILURE() << "vkr2207-config did not end: " << args.join(' ').toStdString();
            return r;
        }
        r.exit = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        r.out = QString::fromLocal8Bit(p.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        r.err = QString::fromLocal8Bit(p.readAllStandardError());
        return r;
    }

    static QStringList Switches(const testutil::SimProcess& sim)
    {
        return {"/I" + sim.address(), "/Rpublic", "/Wprivate"};
    }

    // A SET through the module's SNMP adapter; the agent's status.
    static int Set(const testutil::SimProcess& sim, std::vector<std::pair<const char*, snmp::Varbind>> values)
    {
        KtSNMPDefaultParams p;
        p.device.address = sim.address();
        p.device.port = sim.port();
        p.security.version = 1;
        p.security.writeCommunity = "private";
        snmp::Pdu pdu;
        pdu.type = snmp::PduType::Set;
        for (auto& [oid, vb] : values) {
            EXPECT_TRUE(snmp::oidFromText(oid, vb.oid));
            pdu.varbinds.push_back(vb);
        }
        return KtSNMPGlobalSession()->send(KtSNMPBuildTarget(p, 1), pdu);
    }
    static snmp::Varbind Str(const char* s)
    {
        snmp::Varbind vb;
        vb.setBytes(snmp::Syntax::OctetString, s);
        return vb;
    }
    static snmp::Varbind Int(int v)
    {
        snmp::Varbind vb;
        vb.setInteger(v);
        return vb;
    }

    // The value of a string object, read through the module's SNMP adapter.
    static QString Get(const testutil::SimProcess& sim, const char* oid)
    {
        KtSNMPDefaultParams p;
        p.device.address = sim.address();
        p.device.port = sim.port();
        p.security.version = 1;
        p.security.readCommunity = "public";
        snmp::Pdu pdu;
        pdu.type = snmp::PduType::Get;
        pdu.varbinds.resize(1);
        EXPECT_TRUE(snmp::oidFromText(oid, pdu.varbinds[0].oid));
        if (KtSNMPGlobalSession()->send(KtSNMPBuildTarget(p, 1), pdu) != 0 || pdu.varbinds.size() != 1
            || pdu.varbinds[0].syntax != snmp::Syntax::OctetString)
            return "(no string)";
        return QString::fromLatin1(pdu.varbinds[0].bytes);
    }

    QString File(const QString& name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
};

constexpr const char* kLocation = "1.3.6.1.2.1.1.6.0";
constexpr const char* kEventDescription1 = "1.3.6.1.2.1.16.9.1.1.2.1";

} // namespace

TEST_F(ConfigToolTest, SaveChangeCompareRestoreCompare)
{
    testutil::SimProcess sim;
    ASSERT_TRUE(sim.start()) << sim.errorText().toStdString();
    DeviceFile(sim);
    const QString snap = File("a.snap");

    ToolRun r = Tool(QStringList{"save", snap} + Switches(sim));
    ASSERT_EQ(r.exit, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(sim.address() + ": saved ")) << r.err.toStdString();
    EXPECT_EQ(QFileInfo(snap).permissions() & ~(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser),
              QFileDevice::Permissions());
    const KtSnapshot saved = KtSnapshotLoad(snap);
    EXPECT_EQ(saved.header.sysObjectId, QLatin1String(kKtSnapshotObjectId));
    EXPECT_EQ(saved.header.address, sim.address());

    // A scalar, a table cell, a row added and a row removed.
    ASSERT_EQ(Set(sim, {{kLocation, Str("moved")}}), 0);
    ASSERT_EQ(Set(sim, {{kEventDescription1, Str("edited")}}), 0);
    ASSERT_EQ(Set(sim, {{"1.3.6.1.2.1.16.9.1.1.2.7", Str("new event")}, {"1.3.6.1.2.1.16.9.1.1.7.7", Int(1)}}), 0);
    ASSERT_EQ(Set(sim, {{"1.3.6.1.2.1.16.9.1.1.7.2", Int(4)}}), 0);

    r = Tool(QStringList{"diff", snap} + Switches(sim));
    EXPECT_EQ(r.exit, 1) << r.err.toStdString();
    const QString a = sim.address() + '\t';
    EXPECT_EQ(r.out, QStringList({
                         a + "changed\tsysLocation\t0\t\"Lab rack 1\"\t\"moved\"",
                         a + "changed\teventDescription\t1\t\"Rising threshold crossed\"\t\"edited\"",
                         a + "only in file\tRMON-MIB / eventTable\t2\teventDescription=\"Falling threshold crossed\", "
                             "eventType=2, eventCommunity=\"public\", eventOwner=\"monitor\", eventStatus=1\t",
                         a + "only on switch\tRMON-MIB / eventTable\t7\t\teventDescription=\"new event\", eventType=2, "
                             "eventCommunity=\"public\", eventOwner=\"\", eventStatus=1",
                     }));
    EXPECT_TRUE(r.err.contains(": 4 differences"));

    // Without --remove-rows the new row stays, and says so.
    r = Tool(QStringList{"restore", snap} + Switches(sim));
    EXPECT_EQ(r.exit, 1) << r.err.toStdString();
    EXPECT_TRUE(r.out.filter("\tleft\t").size() == 1 && r.out.filter("\tleft\t")[0].contains("--remove-rows"))
        << r.out.join('\n').toStdString();
    EXPECT_EQ(r.out.filter("\tSET\t").size(), 3) << r.out.join('\n').toStdString();
    for (const QString& line : r.out.filter("\tSET\t"))
        EXPECT_TRUE(line.endsWith("\tOk")) << line.toStdString();
    EXPECT_EQ(Get(sim, kLocation), "Lab rack 1");

    r = Tool(QStringList{"restore", snap, "--remove-rows"} + Switches(sim));
    EXPECT_EQ(r.exit, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QStringList({a + "SET\t1.3.6.1.2.1.16.9.1.1.7.7 i 4\tOk"}));

    r = Tool(QStringList{"diff", snap} + Switches(sim));
    EXPECT_EQ(r.exit, 0) << r.err.toStdString() << r.out.join('\n').toStdString();
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_TRUE(r.err.contains(sim.address() + ": no differences"));
}

TEST_F(ConfigToolTest, RefusedWritesAreReportedAndTheRestApplied)
{
    testutil::SimProcess sim;
    ASSERT_TRUE(sim.start()) << sim.errorText().toStdString();
    DeviceFile(sim);
    const QString snap = File("b.snap");
    ASSERT_EQ(Tool(QStringList{"save", snap} + Switches(sim)).exit, 0);

    // The file asks for a location longer than the switch takes (0..255) and a new description.
    QFile f(snap);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QString text = QString::fromUtf8(f.readAll());
    f.close();
    text.replace("1.3.6.1.2.1.1.6.0 s \"Lab rack 1\"", "1.3.6.1.2.1.1.6.0 s \"" + QString(300, 'x') + "\"");
    text.replace("1.3.6.1.2.1.16.9.1.1.2.1 s \"Rising threshold crossed\"", "1.3.6.1.2.1.16.9.1.1.2.1 s \"from file\"");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(text.toUtf8());
    f.close();

    ToolRun r = Tool(QStringList{"restore", snap} + Switches(sim));
    EXPECT_EQ(r.exit, 2) << r.err.toStdString();
    const QStringList sets = r.out.filter("\tSET\t");
    ASSERT_EQ(sets.size(), 2) << r.out.join('\n').toStdString();
    EXPECT_TRUE(sets[0].startsWith(sim.address() + "\tSET\t1.3.6.1.2.1.1.6.0 s \"xxx"));
    EXPECT_FALSE(sets[0].endsWith("\tOk"));
    EXPECT_TRUE(sets[0].contains("(1.3.6.1.2.1.1.6.0)")) << sets[0].toStdString();
    EXPECT_TRUE(sets[1].endsWith("\tOk")) << sets[1].toStdString();
    EXPECT_TRUE(r.err.contains("1 of 2 SETs applied, 1 refused"));
    EXPECT_EQ(Get(sim, kLocation), "Lab rack 1");
    EXPECT_EQ(Get(sim, kEventDescription1), "from file");

    // Asked to stop at the first error, nothing after the refusal is sent.
    ASSERT_EQ(Set(sim, {{kEventDescription1, Str("again")}}), 0);
    r = Tool(QStringList{"restore", snap, "--stop-at-error"} + Switches(sim));
    EXPECT_EQ(r.exit, 2);
    EXPECT_TRUE(r.out.filter("\tSET\t").value(1).endsWith("\tnot sent")) << r.out.join('\n').toStdString();
    EXPECT_EQ(Get(sim, kEventDescription1), "again");
}

TEST_F(ConfigToolTest, ASavedLineIsAnSnmpsetCommandAsItStands)
{
    testutil::SimProcess sim;
    ASSERT_TRUE(sim.start()) << sim.errorText().toStdString();
    DeviceFile(sim);
    const char* awkward = "Rack \"7\" $HOME `id` \\ # 50%";
    ASSERT_EQ(Set(sim, {{kLocation, Str(awkward)}}), 0);
    const QString snap = File("c.snap");
    ASSERT_EQ(Tool(QStringList{"save", snap} + Switches(sim)).exit, 0);
    QFile f(snap);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(f.readAll()).split('\n').filter(QRegularExpression("^1\\.3\\.6\\.1\\.2\\.1\\.1\\.6\\.0 "));
    ASSERT_EQ(lines.size(), 1);

    ASSERT_EQ(Set(sim, {{kLocation, Str("elsewhere")}}), 0);
    QProcess sh;
    sh.start("/bin/sh", {"-c", "MIBS= /usr/bin/snmpset -On -v2c -c private " + sim.peer() + " " + lines[0]});
    ASSERT_TRUE(sh.waitForFinished(20000));
    EXPECT_EQ(sh.exitCode(), 0) << sh.readAllStandardError().toStdString();
    EXPECT_EQ(Get(sim, kLocation), QString::fromLatin1(awkward));
}

TEST_F(ConfigToolTest, BadFilesAndForeignDevicesAreRefusedBeforeAnythingIsSent)
{
    testutil::SimProcess sim;
    // The simulator's data with another model's sysObjectID.
    QFile shipped(testutil::SimProcess::defaultDataFile());
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    QByteArray data = shipped.readAll();
    ASSERT_TRUE(data.contains("\n1.3.6.1.2.1.1.2.0 oid 1.3.6.1.4.1.32473.10.101.1\n"));
    data.replace("\n1.3.6.1.2.1.1.2.0 oid 1.3.6.1.4.1.32473.10.101.1\n", "\n1.3.6.1.2.1.1.2.0 oid 1.3.6.1.4.1.99999.1\n");
    QFile foreign(File("foreign.sim"));
    ASSERT_TRUE(foreign.open(QIODevice::WriteOnly));
    foreign.write(data);
    foreign.close();
    ASSERT_TRUE(QFile::copy(QFileInfo(shipped).dir().filePath("views.sim"), File("views.sim")));  // included
    ASSERT_TRUE(sim.start({"--data", File("foreign.sim")}))
        << sim.errorText().toStdString();
    DeviceFile(sim);

    ToolRun r = Tool(QStringList{"save", File("f.snap")} + Switches(sim));
    EXPECT_EQ(r.exit, 2);
    EXPECT_TRUE(r.err.contains("not a VKR-2207: its sysObjectID is 1.3.6.1.4.1.99999.1")) << r.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(File("f.snap")));
    r = Tool(QStringList{"save", File("f.snap"), "--force"} + Switches(sim));
    EXPECT_EQ(r.exit, 0) << r.err.toStdString();
    // Its snapshot goes back only when forced.
    r = Tool(QStringList{"restore", File("f.snap")} + Switches(sim));
    EXPECT_EQ(r.exit, 2);
    EXPECT_TRUE(r.err.contains("snapshot of another device")) << r.err.toStdString();

    const int before = sim.requests().size();
    ASSERT_GT(before, 0);  // the reads above
    const QString head = QString::fromLatin1(kKtSnapshotMagic) + "\n# address: x\n";
    const struct {
        QString text;
        const char* says;
    } bad[] = {
        {head + "1.3.6.1.2.1.1.6.0 s \"ok\"\n1.3.6.1.2.1.1.4.0 i forty\n", ", line 4: 'forty' is no value of type i"},
        {"# some other file\n1.3.6.1.2.1.1.6.0 s \"ok\"\n", ", line 1: not a configuration snapshot"},
    };
    for (const auto& b : bad) {
        QFile f(File("bad.snap"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(b.text.toUtf8());
        f.close();
        for (const char* command : {"diff", "restore"}) {
            r = Tool(QStringList{command, File("bad.snap"), "--force"} + Switches(sim));
            EXPECT_EQ(r.exit, 2) << command;
            EXPECT_TRUE(r.err.contains(b.says)) << r.err.toStdString();
        }
    }
    r = Tool(QStringList{"diff", m_dir.path()} + Switches(sim));
    EXPECT_EQ(r.exit, 2);
    EXPECT_TRUE(r.err.contains("is not a regular file")) << r.err.toStdString();
    EXPECT_EQ(sim.requests().size(), before);
}

TEST_F(ConfigToolTest, DevicesListExitCodesWithOneSwitchStopped)
{
    std::vector<std::unique_ptr<testutil::SimProcess>> sims;
    for (const char* address : {"127.0.0.2", "127.0.0.3", "127.0.0.4"}) {
        sims.push_back(std::make_unique<testutil::SimProcess>());
        ASSERT_TRUE(sims.back()->start({"--address", address})) << sims.back()->errorText().toStdString();
        DeviceFile(*sims.back());
    }
    // An address alone (its device file and the command line give the rest), and full switches.
    QFile list(File("devices.txt"));
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    list.write("# the lab's switches\n127.0.0.2\n/I127.0.0.3 /Rpublic /Wprivate\n\n127.0.0.4\n");
    list.close();
    const QStringList common{"--devices", File("devices.txt"), "--jobs", "3", "/Rpublic", "/Wprivate"};
    const QString folder = File("snaps");

    ToolRun r = Tool(QStringList{"save", folder} + common);
    ASSERT_EQ(r.exit, 0) << r.err.toStdString();
    for (const char* address : {"127.0.0.2", "127.0.0.3", "127.0.0.4"})
        EXPECT_TRUE(QFileInfo(folder + "/" + address + ".snap").isFile()) << address;

    r = Tool(QStringList{"diff", folder} + common);
    EXPECT_EQ(r.exit, 0) << r.err.toStdString();
    ASSERT_EQ(Set(*sims[1], {{kLocation, Str("changed")}}), 0);
    r = Tool(QStringList{"diff", folder} + common);
    EXPECT_EQ(r.exit, 1) << r.err.toStdString();
    EXPECT_EQ(r.out, QStringList({"127.0.0.3\tchanged\tsysLocation\t0\t\"Lab rack 1\"\t\"changed\""}));

    sims[2]->stop();
    r = Tool(QStringList{"diff", folder} + common);
    EXPECT_EQ(r.exit, 2);
    const QStringList summaries = r.err.split('\n').filter(QRegularExpression("^127\\.0\\.0\\.\\d: (no differences|\\d+ differences|error)"));
    EXPECT_EQ(summaries.size(), 3) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("127.0.0.2: no differences"));
    EXPECT_TRUE(r.err.contains("127.0.0.3: 1 differences"));
    EXPECT_TRUE(r.err.contains("127.0.0.4: error: ")) << r.err.toStdString();

    r = Tool({"save", folder, "--jobs", "0", "/I127.0.0.2"});
    EXPECT_EQ(r.exit, 2);
    EXPECT_TRUE(r.err.contains("--jobs takes a whole number"));
}
