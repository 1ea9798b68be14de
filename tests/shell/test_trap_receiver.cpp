// The switch's notifications in the main window, end to end against the simulator: a port set
// down arrives as linkDown, is listed with its port and turns its LED at once; the window's
// list, detail and counts; its log read back by the next start; a port in use explained; and
// a flood of 10,000 notifications counted while the event loop keeps turning.
#include "KtNML/KtSNMPSession.h"
#include "KtNML/KtTrapReceiver.h"
#include "panel/PanelHost.h"
#include "shell/Mainunit.h"
#include "shell/TrapReceiverForm.h"
#include "tests/support/MainFormFolder.h"
#include "tests/support/MessageRecorder.h"
#include "tests/support/SimProcess.h"
#include "tests/support/SnmpTools.h"
#include "tests/support/TestUtil.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

// Under AddressSanitizer, freed pages are handed back to the system now and then from whatever
// free comes next; net-snmp frees a 64 KiB receive buffer per datagram, and on a loaded 2-CPU
// virtual machine one such hand-back (a TLB flush that waits for the other CPU) took 50 to 120
// ms of the freeing thread's CPU: a stall of the sanitizer, not of the module, that the flood's
// measure would blame on whichever turn of the loop freed. This program keeps its freed pages;
// nothing the sanitizer checks changes.
extern "C" const char* __asan_default_options()
{
    return "allocator_release_to_os_interval_ms=-1";
}

namespace {

constexpr const char* kLedObject = "1.3.6.1.4.1.32473.11.101.1.2.1.1.4.0";

class TrapReceiverTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.Entered());
        m_port = testutil::freeUdpPort();
        ASSERT_NE(m_port, 0);
    }

    // Starts the simulator sending to the module's notification port, then the main window
    // on it, activated (panel built, notifications received).
    void StartBoth(const QStringList& simArgs = {})
    {
        if (!m_sim.isRunning()) {
            ASSERT_TRUE(m_sim.start(QStringList{"--freeze", "--notify",
                                                QStringLiteral("v2c:127.0.0.1:%1").arg(m_port)}
                                    + simArgs))
                << m_sim.errorText().toStdString();
        }
        StartForm();
    }

    void StartForm()
    {
        int exitCode = 0;
        m_form = StartMainForm({"/I127.0.0.1", "/Rpublic", "/Wprivate", "/v1",
                                QStringLiteral("--trap-port=%1").arg(m_port)},
                               &exitCode);
        ASSERT_TRUE(m_form);
        KtSNMPDefaults.device.port = m_sim.port();
        m_form->show();
        m_form->activateWindow();
        QApplication::processEvents();
        if (!m_form->Activated())
            GTEST_SKIP() << "this platform does not activate windows";
        m_service = NotificationService(m_form.get());
        ASSERT_TRUE(m_service);
    }

    TTrapReceiverForm* OpenWindow()
    {
        QAction* item = m_form->MenuAction(QStringLiteral("Trap Receiver"));
        EXPECT_TRUE(item && item->isVisible() && item->isEnabled());
        if (item)
            item->trigger();
        return m_form->findChild<TTrapReceiverForm*>();
    }

    // The LED record of a port's status byte (port p: byte 5 + 2 (p - 1)).
    KtLedRecord* PortLed(int port)
    {
        auto* host = m_form->findChild<TPanelHost*>(QStringLiteral("PanelHost"));
        if (!host || host->Panels().isEmpty() || !host->Panels().first())
            return nullptr;
        for (const auto& led : host->Panels().first()->LedBinding()->Leds())
            if (led->ByteIndex == 5 + 2 * (port - 1))
                return led.get();
        return nullptr;
    }

    int LedReads() const
    {
        int n = 0;
        for (const auto& r : m_sim.requests())
            n += r.type == QLatin1String("GET") && !r.varbinds.isEmpty() && r.varbinds[0].oid == QLatin1String(kLedObject);
        return n;
    }

    testutil::MainFormFolder m_folder;
    testutil::MessageRecorder m_boxes;
    testutil::SimProcess m_sim;
    std::unique_ptr<TMainForm> m_form;
    KtTrapReceiver* m_service = nullptr;
    quint16 m_port = 0;
};

QTreeWidgetItem* RowNamed(QTreeWidget* list, const QString& name)
{
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        if (list->topLevelItem(i)->text(2) == name)
            return list->topLevelItem(i);
    return nullptr;
}

TEST_F(TrapReceiverTest, APortSetDownIsListedAndItsLedChangesAtOnce)
{
    StartBoth();
    ASSERT_TRUE(m_service->Listening()) << m_service->ErrorText().toStdString();
    EXPECT_EQ(m_service->Port(), m_port);
    // The first LED poll has painted port 3 with its link.
    KtLedRecord* led = PortLed(3);
    ASSERT_TRUE(led);
    ASSERT_TRUE(testutil::waitFor([&] { return led->Colour != led->Map->OffColour; }, 5000));
    const KtLedColour linked = led->Colour;
    const int readsBefore = LedReads();

    const auto set = testutil::runSnmpTool("snmpset", {"-v2c", "-c", "private", m_sim.peer(), "1.3.6.1.2.1.2.2.1.7.3", "i", "2"});
    ASSERT_EQ(set.exitCode, 0) << set.err.toStdString();
    // Within a second, long before the 5 s poll: the notification asked for the read.
    QElapsedTimer clock;
    clock.start();
    EXPECT_TRUE(testutil::waitFor([&] { return led->Colour != linked; }, 1000));
    EXPECT_GT(LedReads(), readsBefore);
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_EQ(m_service->Counts().Of(QStringLiteral("linkDown")), 1u);

    TTrapReceiverForm* window = OpenWindow();
    ASSERT_TRUE(window);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Trap Receiver: 127.0.0.1"));
    EXPECT_TRUE(window->LB_TrapStatus->text().contains(QString::number(m_port))) << window->LB_TrapStatus->text().toStdString();
    ASSERT_TRUE(testutil::waitFor([&] { return RowNamed(window->LV_Notifications, QStringLiteral("linkDown")); }, 2000));
    QTreeWidgetItem* row = RowNamed(window->LV_Notifications, QStringLiteral("linkDown"));
    EXPECT_EQ(row->text(1), QStringLiteral("v2c trap"));
    EXPECT_EQ(row->text(3), QStringLiteral("3"));
    EXPECT_EQ(row->text(5), QStringLiteral("127.0.0.1"));
    window->LV_Notifications->setCurrentItem(row);
    EXPECT_TRUE(window->ME_NotificationDetail->toPlainText().contains(QStringLiteral("(ifIndex.3) = 3")))
        << window->ME_NotificationDetail->toPlainText().toStdString();
    EXPECT_TRUE(window->ME_NotificationDetail->toPlainText().contains(QStringLiteral("(ifOperStatus.3) = down(2)")));
    EXPECT_TRUE(window->LB_TrapCounts->text().contains(QStringLiteral("linkDown 1"))) << window->LB_TrapCounts->text().toStdString();
    // One window per module.
    EXPECT_EQ(OpenWindow(), window);
    EXPECT_EQ(m_form->findChildren<TTrapReceiverForm*>().size(), 1);

    // Another address (the same switch's notification sent from ::1) is counted, not listed.
    const auto other = testutil::runSnmpTool(
        "snmptrap", {"-v2c", "-c", "public", QStringLiteral("udp6:[::1]:%1").arg(m_port), "", "1.3.6.1.6.3.1.1.5.4"});
    ASSERT_EQ(other.exitCode, 0) << other.err.toStdString();
    EXPECT_TRUE(testutil::waitFor([&] { return m_service->OtherAddresses() == 1; }, 2000));
    EXPECT_EQ(m_service->Counts().Of(QStringLiteral("linkUp")), 0u);
    testutil::waitFor([&] { return window->LB_TrapCounts->text().contains(QStringLiteral("1 from other")); }, 1000);
    EXPECT_TRUE(window->LB_TrapCounts->text().contains(QStringLiteral("1 from other addresses")));

    // The next start of the module reads its log back.
    m_form.reset();
    StartForm();
    EXPECT_EQ(m_service->ReadBackCount(), 1u);
    TTrapReceiverForm* again = OpenWindow();
    ASSERT_TRUE(again);
    ASSERT_TRUE(testutil::waitFor([&] { return RowNamed(again->LV_Notifications, QStringLiteral("linkDown")); }, 2000));
    EXPECT_TRUE(again->LB_TrapStatus->text().contains(QStringLiteral("1 earlier notifications read")))
        << again->LB_TrapStatus->text().toStdString();
    // Put the port back for whoever comes next.
    testutil::runSnmpTool("snmpset", {"-v2c", "-c", "private", m_sim.peer(), "1.3.6.1.2.1.2.2.1.7.3", "i", "1"});
}

TEST_F(TrapReceiverTest, APortInUseIsExplainedInTheWindow)
{
    const int blocker = ::socket(AF_INET, SOCK_DGRAM, 0);
    ASSERT_GE(blocker, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(m_port);
    ASSERT_EQ(::bind(blocker, reinterpret_cast<sockaddr*>(&a), sizeof a), 0);
    StartBoth();
    ::close(blocker);
    EXPECT_FALSE(m_service->Listening());
    TTrapReceiverForm* window = OpenWindow();
    ASSERT_TRUE(window);
    const QString status = window->LB_TrapStatus->text();
    EXPECT_TRUE(status.contains(QStringLiteral("cannot be received on UDP port %1").arg(m_port))) << status.toStdString();
    EXPECT_TRUE(status.contains(QStringLiteral("already receives"))) << status.toStdString();
    EXPECT_TRUE(status.contains(QStringLiteral("TrapPort=<port> in [Program Information] of")));
    EXPECT_TRUE(status.contains(QStringLiteral("127.0.0.1.cfg")));
    EXPECT_TRUE(status.contains(QStringLiteral("--trap-port=<port>")));
    // Nothing shown in a box: the window tells it.
    EXPECT_TRUE(m_boxes.texts.isEmpty()) << m_boxes.texts.join('\n').toStdString();
}

// CPU time of this thread: what the event loop spent, whatever else the machine ran.
qint64 ThreadCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return qint64(t.tv_sec) * 1000 + t.tv_nsec / 1000000;
}

// 10,000 notifications in about a second: every one is counted and listed while the event
// loop never stops for long. A timer of the test's own loop measures the gaps between its
// ticks in the thread's CPU time: the time the loop was kept busy by the module's work, not
// the time a loaded machine gave the CPU to other programs (the wall-clock gap is reported).
TEST_F(TrapReceiverTest, AFloodIsCountedWhileTheWindowStaysResponsive)
{
    constexpr int kFlood = 10000;
    StartBoth({"--burst", QString::number(kFlood)});
    ASSERT_TRUE(m_service->Listening());
    TTrapReceiverForm* window = OpenWindow();
    ASSERT_TRUE(window);
    const quint64 before = m_service->Counts().Total();

    QElapsedTimer sinceTick;
    qint64 longestGap = 0, longestWallGap = 0, lastCpu = ThreadCpuMs();
    QTimer ticker;
    ticker.setInterval(5);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const qint64 cpu = ThreadCpuMs();
        longestGap = std::max(longestGap, cpu - lastCpu);
        lastCpu = cpu;
        longestWallGap = std::max(longestWallGap, sinceTick.restart());
    });
    sinceTick.start();
    ticker.start();
    ASSERT_EQ(::kill(pid_t(m_sim.processId()), SIGUSR2), 0);
    EXPECT_TRUE(testutil::waitFor(
        [&] { return m_service->Counts().Total() - before >= quint64(kFlood) && window->PendingRows() == 0; }, 120000))
        << m_service->Counts().Total() - before << " counted, " << window->PendingRows() << " rows pending";
    ticker.stop();
    EXPECT_EQ(m_service->Counts().Total() - before, quint64(kFlood));
    const auto refused = m_service->Refused();
    EXPECT_EQ(refused.malformed + refused.wrongCommunity + refused.authFailed, 0u);
    EXPECT_EQ(window->LV_Notifications->topLevelItemCount(), int(KtNotificationLog::kCapacity));
    // The newest first: an even burst ends with port 1 up again (it began up).
    EXPECT_EQ(window->LV_Notifications->topLevelItem(0)->text(2), QStringLiteral("linkUp"));
    EXPECT_EQ(window->LV_Notifications->topLevelItem(1)->text(2), QStringLiteral("linkDown"));
    constexpr qint64 kBusyLimitMs = 100;
    EXPECT_LT(longestGap, kBusyLimitMs) << "the event loop was kept busy for " << longestGap << " ms";
    std::printf("longest gap between ticks: %lld ms of CPU, %lld ms of wall-clock time\n", (long long)longestGap,
                (long long)longestWallGap);
}

} // namespace
