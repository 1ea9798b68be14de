// The simulator's notifications, received by the adapter's receiver in this process: coldStart
// at start in every form, linkDown/linkUp when an admin state is set, authenticationFailure on
// a wrong community, a burst on SIGUSR2, and the acknowledgement of an SNMPv3 inform.
#include "snmp/SnmpNotifications.h"
#include "snmp/SnmpSession.h"
#include "tests/support/LoopbackReceiver.h"
#include "tests/support/SimProcess.h"
#include "tests/support/SnmpTools.h"
#include "tests/support/TestUtil.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <memory>

using testutil::SimProcess;

namespace {

const QString kLeds = QStringLiteral("1.3.6.1.4.1.32473.11.101.1.2.1.1.4.0");

std::string trapOidOf(const snmp::Notification& n)
{
    if (n.kind == snmp::NotificationKind::TrapV1)
        return n.genericTrap < 6 ? "1.3.6.1.6.3.1.1.5." + std::to_string(n.genericTrap + 1) : "specific";
    for (const snmp::Varbind& vb : n.varbinds)
        if (snmp::oidToText(vb.oid) == "1.3.6.1.6.3.1.1.4.1.0")
            return snmp::oidToText(vb.objectId);
    return {};
}

class SimNotifications : public ::testing::Test {
protected:
    void SetUp() override
    {
        int status = 0;
        if (!s_session)
            s_session = new snmp::Session("KtSNMP_PP_Application", 1, status);
        m_receiver = std::make_unique<snmp::NotificationReceiver>([this](std::vector<snmp::Notification>& batch) {
            for (auto& n : batch)
                m_received.push_back(std::move(n));
        });
        ASSERT_TRUE(m_receiver->open(testutil::LoopbackReceiverSettings())) << m_receiver->error();
    }

    QString target(const char* kind) const
    {
        return QStringLiteral("%1:127.0.0.1:%2").arg(QLatin1String(kind)).arg(m_receiver->port());
    }

    // The notifications of one trap OID received so far, by kind.
    std::vector<snmp::NotificationKind> kindsOf(const std::string& trapOid) const
    {
        std::vector<snmp::NotificationKind> kinds;
        for (const snmp::Notification& n : m_received)
            if (trapOidOf(n) == trapOid)
                kinds.push_back(n.kind);
        return kinds;
    }

    // Every form arrived at least once (an inform the test's blocking tools held up may come
    // twice: the simulator sends it again when our answer is late).
    bool everyForm(const std::string& trapOid) const
    {
        using K = snmp::NotificationKind;
        const auto kinds = kindsOf(trapOid);
        for (K k : {K::TrapV1, K::TrapV2c, K::TrapV3, K::InformV3})
            if (std::find(kinds.begin(), kinds.end(), k) == kinds.end())
                return false;
        return true;
    }

    static snmp::Session* s_session;
    std::unique_ptr<snmp::NotificationReceiver> m_receiver;
    std::vector<snmp::Notification> m_received;
};

snmp::Session* SimNotifications::s_session = nullptr;

constexpr const char* kColdStart = "1.3.6.1.6.3.1.1.5.1";
constexpr const char* kLinkDown = "1.3.6.1.6.3.1.1.5.3";
constexpr const char* kLinkUp = "1.3.6.1.6.3.1.1.5.4";
constexpr const char* kAuthFailure = "1.3.6.1.6.3.1.1.5.5";

TEST_F(SimNotifications, EveryFormAndEveryEvent)
{
    SimProcess sim;
    ASSERT_TRUE(sim.start({"--freeze", "--notify", target("v1"), "--notify", target("v2c"), "--notify",
                           target("v3"), "--notify", target("v3-inform"), "--notify-user", "vkrsha"}))
        << sim.errorText().toStdString();
    using K = snmp::NotificationKind;
    const std::vector<K> forms{K::TrapV1, K::TrapV2c, K::TrapV3, K::InformV3};
    ASSERT_TRUE(testutil::waitFor([&] { return kindsOf(kColdStart).size() == 4; }, 10000)) << m_received.size();
    EXPECT_EQ(kindsOf(kColdStart), forms);
    // The simulator saw our answer to its inform.
    EXPECT_TRUE(testutil::waitFor([&] { return sim.notifications().join('\n').contains("acked INFORM v3/authPriv vkrsha"); }, 5000))
        << sim.notifications().join('\n').toStdString();
    EXPECT_EQ(m_receiver->counters().authFailed + m_receiver->counters().malformed, 0u);

    // ifAdminStatus down: linkDown with the port's ifIndex; the LED of the port shows no link.
    auto set = testutil::runSnmpTool("snmpset", {"-v2c", "-c", "private", sim.peer(), "1.3.6.1.2.1.2.2.1.7.3", "i", "2"});
    ASSERT_EQ(set.exitCode, 0) << set.err.toStdString();
    ASSERT_TRUE(testutil::waitFor([&] { return everyForm(kLinkDown); }, 10000));
    for (const snmp::Notification& n : m_received)
        if (trapOidOf(n) == kLinkDown) {
            ASSERT_GE(n.varbinds.size(), 3u);
            const snmp::Varbind& ifIndex = n.varbinds[n.kind == K::TrapV1 ? 0 : 2];
            EXPECT_EQ(snmp::oidToText(ifIndex.oid), "1.3.6.1.2.1.2.2.1.1.3");
            EXPECT_EQ(ifIndex.integer, 3);
        }
    const auto leds = testutil::parseToolLines(
        testutil::runSnmpTool("snmpget", {"-v2c", "-c", "public", "-Ox", sim.peer(), kLeds}).out);
    ASSERT_EQ(leds.size(), 1);
    // Port 3's state byte (index 9) says no link.
    EXPECT_EQ(leds[0].value.split(' ', Qt::SkipEmptyParts).value(9), QStringLiteral("01")) << leds[0].value.toStdString();
    // Setting it down again changes nothing and says nothing.
    testutil::waitFor([] { return false; }, 300);
    const std::size_t downs = kindsOf(kLinkDown).size();
    testutil::runSnmpTool("snmpset", {"-v2c", "-c", "private", sim.peer(), "1.3.6.1.2.1.2.2.1.7.3", "i", "2"});
    // The private port table's admin state brings it back up.
    set = testutil::runSnmpTool("snmpset", {"-v2c", "-c", "private", sim.peer(),
                                            "1.3.6.1.4.1.32473.11.101.1.2.3.2.1.4.3.1", "i", "3"});
    ASSERT_EQ(set.exitCode, 0) << set.err.toStdString();
    ASSERT_TRUE(testutil::waitFor([&] { return everyForm(kLinkUp); }, 10000));
    EXPECT_EQ(kindsOf(kLinkDown).size(), downs);

    // A wrong community.
    testutil::runSnmpTool("snmpget", {"-v2c", "-c", "guess", sim.peer(), "1.3.6.1.2.1.1.5.0"}, 1);
    EXPECT_TRUE(testutil::waitFor([&] { return everyForm(kAuthFailure); }, 10000));
}

TEST_F(SimNotifications, SignalSendsABurstOfLinkChanges)
{
    SimProcess sim;
    ASSERT_TRUE(sim.start({"--freeze", "--notify", target("v2c"), "--burst", "5"})) << sim.errorText().toStdString();
    ASSERT_TRUE(testutil::waitFor([&] { return kindsOf(kColdStart).size() == 1; }, 10000));
    ASSERT_EQ(::kill(pid_t(sim.processId()), SIGUSR2), 0);
    ASSERT_TRUE(testutil::waitFor([&] { return kindsOf(kLinkDown).size() + kindsOf(kLinkUp).size() == 5; }, 10000));
    // Port 1 starts with its link up: down, up, down, up, down.
    EXPECT_EQ(kindsOf(kLinkDown).size(), 3u);
    EXPECT_EQ(kindsOf(kLinkUp).size(), 2u);
    EXPECT_EQ(trapOidOf(m_received.back()), kLinkDown);
}

} // namespace
