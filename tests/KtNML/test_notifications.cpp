// Notification records, their logs and the module's notification service: decoding, the
// in-memory limit, the log file (rotation, read-back, links refused) and, over loopback with
// net-snmp's snmptrap, the filter on the switch's address.
#include "KtNML/KtNotificationLog.h"
#include "KtNML/KtSNMPSession.h"
#include "KtNML/KtTrapReceiver.h"
#include "tests/support/SnmpTools.h"
#include "tests/support/TestUtil.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

snmp::Varbind vbOid(const char* oid, const char* value)
{
    snmp::Varbind vb;
    snmp::oidFromText(oid, vb.oid);
    snmp::Oid v;
    snmp::oidFromText(value, v);
    vb.setObjectId(v);
    return vb;
}

snmp::Varbind vbInt(const char* oid, std::int32_t value, snmp::Syntax syntax = snmp::Syntax::Integer)
{
    snmp::Varbind vb;
    snmp::oidFromText(oid, vb.oid);
    if (syntax == snmp::Syntax::Integer)
        vb.setInteger(value);
    else
        vb.setUnsigned(syntax, std::uint32_t(value));
    return vb;
}

snmp::Varbind vbBytes(const char* oid, std::string bytes)
{
    snmp::Varbind vb;
    snmp::oidFromText(oid, vb.oid);
    vb.setBytes(snmp::Syntax::OctetString, std::move(bytes));
    return vb;
}

snmp::Notification v2(const char* trapOid, std::vector<snmp::Varbind> rest, const char* source = "192.0.2.7")
{
    snmp::Notification n;
    n.kind = snmp::NotificationKind::TrapV2c;
    n.sourceAddress = source;
    n.principal = "public";
    n.varbinds = {vbInt("1.3.6.1.2.1.1.3.0", 123456, snmp::Syntax::TimeTicks)};
    if (trapOid)
        n.varbinds.push_back(vbOid("1.3.6.1.6.3.1.1.4.1.0", trapOid));
    n.varbinds.insert(n.varbinds.end(), rest.begin(), rest.end());
    return n;
}

snmp::Notification v1(int generic, int specific, const char* enterprise, std::vector<snmp::Varbind> rest)
{
    snmp::Notification n;
    n.kind = snmp::NotificationKind::TrapV1;
    n.sourceAddress = "192.0.2.7";
    snmp::oidFromText(enterprise, n.enterprise);
    n.genericTrap = generic;
    n.specificTrap = specific;
    n.timestamp = 8640000 + 100;  // 1 day and a second
    n.varbinds = std::move(rest);
    return n;
}

TEST(NotificationDecoding, NamesPortsUptimesAndVarbinds)
{
    struct Case {
        snmp::Notification n;
        const char* version;
        const char* name;
        const char* trapOid;
        int port;
        const char* uptime;
    };
    const Case cases[] = {
        {v2("1.3.6.1.6.3.1.1.5.3", {vbInt("1.3.6.1.2.1.2.2.1.1.4", 4), vbInt("1.3.6.1.2.1.2.2.1.8.4", 2)}),
         "v2c trap", "linkDown", "1.3.6.1.6.3.1.1.5.3", 4, "0:20:34.56"},
        {v2("1.3.6.1.6.3.1.1.5.4", {vbInt("1.3.6.1.2.1.2.2.1.7.10", 1)}), "v2c trap", "linkUp",
         "1.3.6.1.6.3.1.1.5.4", 10, "0:20:34.56"},
        {v2("1.3.6.1.2.1.17.0.1", {}), "v2c trap", "newRoot", "1.3.6.1.2.1.17.0.1", 0, "0:20:34.56"},
        {v2("1.3.6.1.2.1.16.0.2", {vbInt("1.3.6.1.2.1.16.3.1.1.1.1", 1)}), "v2c trap", "fallingAlarm",
         "1.3.6.1.2.1.16.0.2", 0, "0:20:34.56"},
        {v2("1.3.6.1.4.1.32473.99.0.7", {}), "v2c trap", "1.3.6.1.4.1.32473.99.0.7", "1.3.6.1.4.1.32473.99.0.7", 0,
         "0:20:34.56"},
        {v2(nullptr, {}), "v2c trap", "(no notification OID)", "", 0, "0:20:34.56"},
        {v1(0, 0, "1.3.6.1.4.1.32473", {}), "v1 trap", "coldStart", "1.3.6.1.6.3.1.1.5.1", 0, "1 day 0:00:01.00"},
        {v1(2, 0, "1.3.6.1.4.1.32473", {vbInt("1.3.6.1.2.1.2.2.1.1.3", 3)}), "v1 trap", "linkDown",
         "1.3.6.1.6.3.1.1.5.3", 3, "1 day 0:00:01.00"},
        {v1(6, 2, "1.3.6.1.2.1.17", {}), "v1 trap", "topologyChange", "1.3.6.1.2.1.17.0.2", 0, "1 day 0:00:01.00"},
        {v1(6, 9, "1.3.6.1.4.1.32473", {}), "v1 trap", "1.3.6.1.4.1.32473.0.9", "1.3.6.1.4.1.32473.0.9", 0,
         "1 day 0:00:01.00"},
    };
    const QDateTime when = QDateTime::currentDateTime();
    for (const Case& c : cases) {
        const KtNotificationRecord r = KtDecodeNotification(c.n, when);
        SCOPED_TRACE(c.name);
        EXPECT_EQ(r.version, QLatin1String(c.version));
        EXPECT_EQ(r.name, QLatin1String(c.name));
        EXPECT_EQ(r.trapOid, QLatin1String(c.trapOid));
        EXPECT_EQ(r.port, c.port);
        EXPECT_EQ(r.uptime, QLatin1String(c.uptime));
        EXPECT_EQ(r.source, QStringLiteral("192.0.2.7"));
        EXPECT_EQ(r.varbinds.size(), qsizetype(c.n.varbinds.size()));
    }
    // Varbinds: names of the known objects, interface states by name, text or hex octets.
    const KtNotificationRecord r = KtDecodeNotification(
        v2("1.3.6.1.6.3.1.1.5.3", {vbInt("1.3.6.1.2.1.2.2.1.8.4", 2), vbBytes("1.3.6.1.2.1.2.2.1.2.4", "Port 4"),
                                   vbBytes("1.3.6.1.4.1.32473.1.1.0", std::string("\x01\xff", 2))}),
        when);
    ASSERT_EQ(r.varbinds.size(), 5);
    EXPECT_EQ(r.varbinds[0], QStringLiteral("1.3.6.1.2.1.1.3.0 (sysUpTime.0) = 0:20:34.56"));
    EXPECT_EQ(r.varbinds[1], QStringLiteral("1.3.6.1.6.3.1.1.4.1.0 (snmpTrapOID.0) = 1.3.6.1.6.3.1.1.5.3"));
    EXPECT_EQ(r.varbinds[2], QStringLiteral("1.3.6.1.2.1.2.2.1.8.4 (ifOperStatus.4) = down(2)"));
    EXPECT_EQ(r.varbinds[3], QStringLiteral("1.3.6.1.2.1.2.2.1.2.4 (ifDescr.4) = Port 4"));
    EXPECT_EQ(r.varbinds[4], QStringLiteral("1.3.6.1.4.1.32473.1.1.0 = 01FF"));
    EXPECT_TRUE(KtIsLinkEvent(r));
    EXPECT_FALSE(KtIsLinkEvent(KtDecodeNotification(v2("1.3.6.1.6.3.1.1.5.5", {}), when)));
}

TEST(NotificationLog, KeepsTheLatestTenThousand)
{
    KtNotificationLog log;
    for (std::size_t i = 0; i <= KtNotificationLog::kCapacity; ++i) {
        KtNotificationRecord r;
        r.port = int(i);
        log.Add(std::move(r));
    }
    ASSERT_EQ(log.Size(), KtNotificationLog::kCapacity);
    EXPECT_EQ(log.Records().front().port, 1);
    EXPECT_EQ(log.Records().back().port, int(KtNotificationLog::kCapacity));
}

KtNotificationRecord sample(int port)
{
    KtNotificationRecord r = KtDecodeNotification(
        v2("1.3.6.1.6.3.1.1.5.3", {vbInt("1.3.6.1.2.1.2.2.1.1.1", port), vbBytes("1.3.6.1.2.1.2.2.1.2.1", "a\tb\"c\\")}),
        QDateTime::currentDateTime());
    r.port = port;
    return r;
}

void expectSame(const KtNotificationRecord& a, const KtNotificationRecord& b)
{
    EXPECT_EQ(a.received, b.received);
    EXPECT_EQ(a.version, b.version);
    EXPECT_EQ(a.name, b.name);
    EXPECT_EQ(a.trapOid, b.trapOid);
    EXPECT_EQ(a.port, b.port);
    EXPECT_EQ(a.uptime, b.uptime);
    EXPECT_EQ(a.source, b.source);
    EXPECT_EQ(a.principal, b.principal);
    EXPECT_EQ(a.varbinds, b.varbinds);
}

TEST(NotificationFile, RotatesAndReadsBackAcrossBothFiles)
{
    QTemporaryDir dir;
    const qint64 rotateAt = 4000;
    std::vector<KtNotificationRecord> written;
    {
        KtNotificationFile file(dir.path(), QStringLiteral("fe80::1%eth0"), rotateAt);
        EXPECT_EQ(QFileInfo(file.FileName()).fileName(), QStringLiteral("fe80__1_eth0.notifications"));
        for (int i = 0; i < 40; ++i) {
            written.push_back(sample(i));
            ASSERT_TRUE(file.Append(written.back())) << file.Error().toStdString();
        }
        // Two files at most, each near the rotation size.
        EXPECT_TRUE(QFile::exists(file.FileName() + QStringLiteral(".1")));
        EXPECT_LT(QFileInfo(file.FileName()).size(), rotateAt + 1000);
        EXPECT_EQ(QFileInfo(file.FileName()).permissions() & (QFile::ReadGroup | QFile::ReadOther), 0);
    }
    KtNotificationFile again(dir.path(), QStringLiteral("fe80::1%eth0"), rotateAt);
    const std::vector<KtNotificationRecord> back = again.ReadBack();
    ASSERT_GT(back.size(), 8u);
    ASSERT_LT(back.size(), written.size());  // the oldest went with the rotation
    // The newest records, in order, field for field.
    const std::size_t skipped = written.size() - back.size();
    for (std::size_t i = 0; i < back.size(); ++i)
        expectSame(back[i], written[skipped + i]);
    // A limit keeps the newest.
    const auto newest = again.ReadBack(3);
    ASSERT_EQ(newest.size(), 3u);
    EXPECT_EQ(newest.back().port, 39);
}

TEST(NotificationFile, SkipsDamagedLinesAndRefusesLinksAndFolders)
{
    QTemporaryDir dir;
    KtNotificationFile file(dir.path(), QStringLiteral("192.0.2.7"));
    ASSERT_TRUE(file.Append(sample(1)));
    {
        QFile raw(file.FileName());
        ASSERT_TRUE(raw.open(QIODevice::Append));
        raw.write("not json\n{\"name\":\"x\"}\n{\"time\":\"yesterday\",\"name\":\"linkUp\"}\n\n");
    }
    ASSERT_TRUE(file.Append(sample(2)));
    const auto back = KtNotificationFile(dir.path(), QStringLiteral("192.0.2.7")).ReadBack();
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back[0].port, 1);
    EXPECT_EQ(back[1].port, 2);

    // A link in the file's place: nothing is read through it, nothing written to its target.
    const QString target = dir.filePath(QStringLiteral("target"));
    QFile::copy(file.FileName(), target);
    const qint64 targetSize = QFileInfo(target).size();
    KtNotificationFile linked(dir.path(), QStringLiteral("192.0.2.8"));
    ASSERT_TRUE(QFile::link(target, linked.FileName()));
    EXPECT_FALSE(linked.Append(sample(3)));
    EXPECT_FALSE(linked.Error().isEmpty());
    EXPECT_TRUE(linked.ReadBack().empty());
    EXPECT_EQ(QFileInfo(target).size(), targetSize);
    // A folder in its place.
    KtNotificationFile folder(dir.path(), QStringLiteral("192.0.2.9"));
    ASSERT_TRUE(QDir().mkpath(folder.FileName()));
    EXPECT_FALSE(folder.Append(sample(4)));
    EXPECT_TRUE(folder.ReadBack().empty());
}

// The service over loopback: only the switch's notifications are listed and logged; another
// address is counted; a restarted module reads its log back.
class TrapService : public ::testing::Test {
protected:
    static void SetUpTestSuite() { KtSNMPInitSession(s_state.path()); }
    static void TearDownTestSuite() { KtSNMPCloseSession(); }

    static snmp::ReceiverSettings loopback()
    {
        KtSNMPDefaultParams params;
        params.security.readCommunity = QStringLiteral("public");
        params.security.writeCommunity = QStringLiteral("private");
        snmp::ReceiverSettings s = KtTrapReceiver::SettingsFrom(params, 0);
        s.addresses = {"127.0.0.1", "::1"};
        return s;
    }

    static void trap(const QString& peer, const QStringList& varbinds)
    {
        const auto r = testutil::runSnmpTool(QStringLiteral("snmptrap"),
                                             QStringList{"-v", "2c", "-c", "public", peer, ""} + varbinds);
        ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    }

    static QTemporaryDir s_state;
    QTemporaryDir m_logs;
};

QTemporaryDir TrapService::s_state;

TEST_F(TrapService, ListsTheSwitchOnlyAndReadsItsLogBack)
{
    KtNotificationRecord first;
    {
        KtTrapReceiver service(QStringLiteral("127.0.0.1"), m_logs.path());
        ASSERT_TRUE(service.Start(loopback())) << service.ErrorText().toStdString();
        int added = 0, linkPort = -1;
        QObject::connect(&service, &KtTrapReceiver::RecordsAdded, [&](int n) { added += n; });
        QObject::connect(&service, &KtTrapReceiver::LinkEvent, [&](int port) { linkPort = port; });
        const QString port = QString::number(service.Port());
        trap(QStringLiteral("udp:127.0.0.1:") + port, {"1.3.6.1.6.3.1.1.5.3", "1.3.6.1.2.1.2.2.1.1.5", "i", "5"});
        trap(QStringLiteral("udp6:[::1]:") + port, {"1.3.6.1.6.3.1.1.5.3", "1.3.6.1.2.1.2.2.1.1.6", "i", "6"});
        trap(QStringLiteral("udp:127.0.0.1:") + port, {"1.3.6.1.6.3.1.1.5.5"});
        ASSERT_TRUE(testutil::waitFor([&] { return added == 2 && service.OtherAddresses() == 1; }, 5000))
            << added << " " << service.OtherAddresses();
        EXPECT_EQ(linkPort, 5);
        ASSERT_EQ(service.Log().Size(), 2u);
        first = service.Log().Records().front();
        EXPECT_EQ(first.name, QStringLiteral("linkDown"));
        EXPECT_EQ(first.port, 5);
        EXPECT_EQ(service.Counts().Of(QStringLiteral("linkDown")), 1u);
        EXPECT_EQ(service.Counts().Of(QStringLiteral("authenticationFailure")), 1u);
        EXPECT_EQ(service.Counts().Total(), 2u);
        EXPECT_EQ(service.ReadBackCount(), 0u);
    }
    KtTrapReceiver restarted(QStringLiteral("127.0.0.1"), m_logs.path());
    EXPECT_EQ(restarted.ReadBackCount(), 2u);
    ASSERT_EQ(restarted.Log().Size(), 2u);
    expectSame(restarted.Log().Records().front(), first);
    EXPECT_EQ(restarted.Log().Records().back().name, QStringLiteral("authenticationFailure"));
    // Counts are of this run.
    EXPECT_EQ(restarted.Counts().Total(), 0u);
}

TEST_F(TrapService, APortInUseExplainsWhatToDo)
{
    KtTrapReceiver first(QStringLiteral("127.0.0.1"), QString());
    ASSERT_TRUE(first.Start(loopback()));
    KtTrapReceiver second(QStringLiteral("127.0.0.1"), QString());
    snmp::ReceiverSettings same = loopback();
    same.port = first.Port();
    EXPECT_FALSE(second.Start(same));
    EXPECT_FALSE(second.Listening());
    EXPECT_TRUE(second.ErrorText().contains(QString::number(first.Port()))) << second.ErrorText().toStdString();
    const QString advice = KtTrapReceiver::Advice(second.ErrorNumber(), first.Port(), QStringLiteral("/conf/192.0.2.7.cfg"));
    EXPECT_TRUE(advice.contains(QStringLiteral("already receives"))) << advice.toStdString();
    EXPECT_TRUE(advice.contains(QStringLiteral("TrapPort=")));
    EXPECT_TRUE(advice.contains(QStringLiteral("--trap-port=")));
    EXPECT_TRUE(advice.contains(QStringLiteral("/conf/192.0.2.7.cfg")));
    EXPECT_TRUE(KtTrapReceiver::Advice(EACCES, 162, QString()).startsWith(QStringLiteral("Ports below 1024 need privilege")));
}

} // namespace
