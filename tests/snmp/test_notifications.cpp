// The notification receiver of the adapter against net-snmp's own senders (snmptrap,
// snmpinform) and hand-made datagrams, over loopback on a free port.
#include "snmp/SnmpNotifications.h"
#include "snmp/SnmpSession.h"
#include "tests/support/LoopbackReceiver.h"
#include "tests/support/SnmpTools.h"
#include "tests/support/TestUtil.h"

#include <QByteArray>
#include <QProcess>
#include <QSocketNotifier>
#include <QTimer>

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <cerrno>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#include <memory>

namespace {

constexpr const char* kLinkDown = "1.3.6.1.6.3.1.1.5.3";

class Receiver : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        int status = 0;
        s_session = new snmp::Session("KtSNMP_PP_Application", 1, status);
        ASSERT_EQ(status, 0);
    }
    static void TearDownTestSuite()
    {
        delete s_session;
        s_session = nullptr;
    }

    void SetUp() override
    {
        m_receiver = std::make_unique<snmp::NotificationReceiver>([this](std::vector<snmp::Notification>& batch) {
            for (auto& n : batch)
                m_received.push_back(std::move(n));
        });
        ASSERT_TRUE(m_receiver->open(testutil::LoopbackReceiverSettings())) << m_receiver->error();
        ASSERT_NE(m_receiver->port(), 0);
    }

    QString peer(const char* address = "127.0.0.1") const
    {
        const QString a = QLatin1String(address);
        return a.contains(QLatin1Char(':')) ? QStringLiteral("udp6:[%1]:%2").arg(a).arg(m_receiver->port())
                                            : QStringLiteral("udp:%1:%2").arg(a).arg(m_receiver->port());
    }

    // Runs a sender while this process's event loop runs (an inform waits for our answer).
    int send(const QString& tool, const QStringList& args)
    {
        QProcess p;
        testutil::startSnmpTool(p, tool, args, 2, 0);
        testutil::waitFor([&] { return p.state() == QProcess::NotRunning; }, 20000);
        // Whatever the sender's datagram caused is read before the check.
        testutil::waitFor([] { return false; }, 100);
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    }

    static QStringList v3(const char* authPass = "vkrauthpass")
    {
        return {"-v", "3", "-u", "vkrsha", "-l", "authPriv", "-a", "SHA", "-A", authPass, "-x", "AES", "-X", "vkrprivpass"};
    }

    static snmp::Session* s_session;
    std::unique_ptr<snmp::NotificationReceiver> m_receiver;
    std::vector<snmp::Notification> m_received;
};

snmp::Session* Receiver::s_session = nullptr;

// Sends raw datagrams to 127.0.0.1:port.
void sendDatagrams(quint16 port, const std::vector<QByteArray>& datagrams)
{
    const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(port);
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    for (const QByteArray& d : datagrams)
        EXPECT_EQ(::sendto(fd, d.constData(), std::size_t(d.size()), 0, reinterpret_cast<sockaddr*>(&to), sizeof to),
                  d.size());
    ::close(fd);
}

std::string trapOidOf(const snmp::Notification& n)
{
    for (const snmp::Varbind& vb : n.varbinds)
        if (snmp::oidToText(vb.oid) == "1.3.6.1.6.3.1.1.4.1.0")
            return snmp::oidToText(vb.objectId);
    return {};
}

TEST_F(Receiver, EveryVersionAndKindArrivesAndInformsAreAcknowledged)
{
    const QStringList linkDownV2{"", kLinkDown, "1.3.6.1.2.1.2.2.1.1.3", "i", "3"};
    struct Case {
        const char* tool;
        QStringList args;
        snmp::NotificationKind kind;
        const char* principal;
    };
    const Case cases[] = {
        {"snmptrap", QStringList{"-v", "1", "-c", "public", peer(), "1.3.6.1.4.1.32473", "127.0.0.1", "2", "0", "",
                                 "1.3.6.1.2.1.2.2.1.1.3", "i", "3"},
         snmp::NotificationKind::TrapV1, "public"},
        {"snmptrap", QStringList{"-v", "2c", "-c", "public", peer()} + linkDownV2, snmp::NotificationKind::TrapV2c,
         "public"},
        {"snmpinform", QStringList{"-v", "2c", "-c", "public", peer()} + linkDownV2,
         snmp::NotificationKind::InformV2c, "public"},
        {"snmptrap", v3() + QStringList{"-e", "0x80001f88042207", peer()} + linkDownV2,
         snmp::NotificationKind::TrapV3, "vkrsha"},
        {"snmpinform", v3() + QStringList{peer()} + linkDownV2, snmp::NotificationKind::InformV3, "vkrsha"},
        {"snmptrap", QStringList{"-v", "2c", "-c", "public", peer("::1")} + linkDownV2,
         snmp::NotificationKind::TrapV2c, "public"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(QLatin1Char(' ')).toStdString());
        m_received.clear();
        // snmpinform exits 0 only when its inform was acknowledged.
        EXPECT_EQ(send(QLatin1String(c.tool), c.args), 0);
        ASSERT_EQ(m_received.size(), 1u);
        const snmp::Notification& n = m_received.front();
        EXPECT_EQ(n.kind, c.kind);
        EXPECT_EQ(n.principal, c.principal);
        if (c.kind == snmp::NotificationKind::TrapV1) {
            EXPECT_EQ(n.genericTrap, 2);
            EXPECT_EQ(snmp::oidToText(n.enterprise), "1.3.6.1.4.1.32473");
        } else {
            EXPECT_EQ(trapOidOf(n), kLinkDown);
        }
        ASSERT_FALSE(n.varbinds.empty());
        EXPECT_EQ(snmp::oidToText(n.varbinds.back().oid), "1.3.6.1.2.1.2.2.1.1.3");
        EXPECT_EQ(n.varbinds.back().integer, 3);
        EXPECT_EQ(n.sourceAddress, c.args.contains(peer("::1")) ? "::1" : "127.0.0.1");
    }
    const snmp::ReceiverCounters& refused = m_receiver->counters();
    EXPECT_EQ(refused.malformed + refused.wrongCommunity + refused.authFailed, 0u);
}

TEST_F(Receiver, WrongCommunityAndWrongKeysAreCountedNotDelivered)
{
    const QStringList linkDownV2{"", kLinkDown};
    EXPECT_EQ(send("snmptrap", QStringList{"-v", "2c", "-c", "nope", peer()} + linkDownV2), 0);
    EXPECT_EQ(send("snmptrap", QStringList{"-v", "1", "-c", "private", peer(), "", "", "0", "0", ""}), 0);
    EXPECT_EQ(send("snmptrap", v3("wrongpass1") + QStringList{"-e", "0x80001f88042208", peer()} + linkDownV2), 0);
    // Unauthenticated, in the user's name: the library would take it, the receiver must not.
    EXPECT_EQ(send("snmptrap", QStringList{"-v", "3", "-u", "vkrsha", "-l", "noAuthNoPriv", "-e", "0x80001f88042209",
                                           peer()} + linkDownV2),
              0);
    EXPECT_EQ(send("snmptrap", QStringList{"-v", "3", "-u", "stranger", "-l", "noAuthNoPriv", "-e",
                                           "0x80001f8804220a", peer()} + linkDownV2),
              0);
    // An inform with a wrong key is never acknowledged.
    EXPECT_NE(send("snmpinform", v3("wrongpass1") + QStringList{peer()} + linkDownV2), 0);
    EXPECT_TRUE(m_received.empty());
    EXPECT_EQ(m_receiver->counters().wrongCommunity, 2u);
    EXPECT_GE(m_receiver->counters().authFailed, 4u);
    EXPECT_EQ(m_receiver->counters().malformed, 0u);
}

TEST_F(Receiver, MalformedDatagramsAreCountedAndIgnored)
{
    const std::vector<QByteArray> datagrams = {
        QByteArray(),
        QByteArray("hello"),
        QByteArray::fromHex("30"),
        QByteArray::fromHex("3084ffffffff020101"),  // length beyond the datagram
        QByteArray::fromHex("300b02010104067075"),                  // cut inside the community
        QByteArray::fromHex("301002010504067075626c6963a703020100"),      // version 5
        // v2c get-request: well formed, not a notification
        QByteArray::fromHex("301802010104067075626c6963a00b0201010201000201003000"),
        // v2c trap whose varbind list claims more than it holds
        QByteArray::fromHex("301802010104067075626c6963a70b020101020100020100303f"),
        // v3 with security parameters that are no USM sequence
        QByteArray::fromHex("3019020103300d020101020205dc0401040201030403010203a000"),
        QByteArray(1500, '\xa7'),
    };
    sendDatagrams(m_receiver->port(), datagrams);
    const quint64 expected = datagrams.size();
    EXPECT_TRUE(testutil::waitFor([&] { return m_receiver->counters().malformed >= expected; }, 5000))
        << m_receiver->counters().malformed;
    EXPECT_TRUE(m_received.empty());
    // Still listening: a good trap after the garbage arrives.
    EXPECT_EQ(send("snmptrap", QStringList{"-v", "2c", "-c", "public", peer(), "", kLinkDown}), 0);
    EXPECT_EQ(m_received.size(), 1u);
}

// Event-driven: a notifier per socket (IPv4 and IPv6), and no timer that would wake an idle
// module.
TEST_F(Receiver, WaitsOnItsSocketsWithoutATimer)
{
    EXPECT_EQ(m_receiver->findChildren<QSocketNotifier*>().size(), 2);
    EXPECT_TRUE(m_receiver->findChildren<QTimer*>().isEmpty());
    EXPECT_TRUE(s_session->findChildren<QTimer*>().isEmpty() || !s_session->pumpTimerActive());
}

TEST_F(Receiver, APortInUseIsReportedWithItsReason)
{
    snmp::NotificationReceiver second([](std::vector<snmp::Notification>&) {});
    snmp::ReceiverSettings settings;
    settings.port = m_receiver->port();
    settings.addresses = {"127.0.0.1"};
    EXPECT_FALSE(second.open(settings));
    EXPECT_EQ(second.errorNumber(), EADDRINUSE);
    EXPECT_NE(second.error().find(std::to_string(settings.port)), std::string::npos) << second.error();
    EXPECT_FALSE(second.isOpen());
}

} // namespace
