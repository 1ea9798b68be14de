// Times the module's notification service with a flood from the simulator: N link
// notifications (v2c traps) sent by one SIGUSR2 over about a second, received, decoded, logged
// to file and counted. Reports how long until all were counted, the notifications per second
// and the longest stretch of thread CPU time between two ticks of a 5 ms timer (the event
// loop kept busy). Each count runs twice: the service alone, then with the Trap Receiver
// window open (offscreen unless QT_QPA_PLATFORM says otherwise), until every notification is
// also listed.
//
//   bench_notifications [count...]   (default: 10000; from a Release build, pinned to one CPU:
//                                     taskset -c 0 build-rel/bin/bench_notifications)
//
// Exit code 0 when every notification of every run was counted (and listed).
#include "KtNML/KtSNMPSession.h"
#include "KtNML/KtTrapReceiver.h"
#include "shell/TrapReceiverForm.h"
#include "tests/support/SimProcess.h"

#include <QApplication>
#include <QTreeWidget>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <ctime>
#include <memory>

namespace {

qint64 threadCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return qint64(t.tv_sec) * 1000 + t.tv_nsec / 1000000;
}

bool run(int count, bool window)
{
    QTemporaryDir logs;
    KtTrapReceiver service(QStringLiteral("127.0.0.1"), logs.path());
    KtSNMPDefaultParams params;
    params.security.readCommunity = QStringLiteral("public");
    snmp::ReceiverSettings settings = KtTrapReceiver::SettingsFrom(params, 0);
    settings.addresses = {"127.0.0.1"};
    if (!service.Start(settings)) {
        std::fprintf(stderr, "%s\n", qPrintable(service.ErrorText()));
        return false;
    }
    testutil::SimProcess sim;
    if (!sim.start({"--freeze", "--burst", QString::number(count), "--notify",
                    QStringLiteral("v2c:127.0.0.1:%1").arg(service.Port())})) {
        std::fprintf(stderr, "%s\n", qPrintable(sim.errorText()));
        return false;
    }
    // The coldStart first.
    QElapsedTimer wait;
    wait.start();
    while (service.Counts().Total() < 1 && wait.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    const quint64 before = service.Counts().Total();
    std::unique_ptr<TTrapReceiverForm> form;
    if (window) {
        form = std::make_unique<TTrapReceiverForm>(&service, QString(), nullptr);
        form->show();
        while (form->PendingRows() > 0)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    const auto done = [&] {
        return service.Counts().Total() - before >= quint64(count) && (!form || form->PendingRows() == 0);
    };

    qint64 longest = 0, lastCpu = threadCpuMs();
    QTimer ticker;
    ticker.setInterval(5);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const qint64 cpu = threadCpuMs();
        longest = std::max(longest, cpu - lastCpu);
        lastCpu = cpu;
    });
    ticker.start();
    QElapsedTimer clock;
    clock.start();
    ::kill(pid_t(sim.processId()), SIGUSR2);
    while (!done() && clock.elapsed() < 120000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    const double seconds = clock.elapsed() / 1000.0;
    const quint64 counted = service.Counts().Total() - before;
    const int listed = form ? form->LV_Notifications->topLevelItemCount() : 0;
    std::printf("%6d sent  %6llu counted  %6.2f s  %8.0f /s  longest busy stretch %3lld ms CPU  %s\n", count,
                (unsigned long long)counted, seconds, counted / seconds, (long long)longest,
                form ? qPrintable(QStringLiteral("window open, %1 rows listed").arg(listed)) : "no window");
    const int expected = int(std::min<std::size_t>(service.Log().Size(), KtNotificationLog::kCapacity));
    return counted == quint64(count) && (!form || (form->PendingRows() == 0 && listed == expected));
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir state;
    KtSNMPInitSession(state.path());
    QList<int> counts;
    for (int i = 1; i < argc; ++i)
        counts << QString::fromLocal8Bit(argv[i]).toInt();
    if (counts.isEmpty())
        counts << 10000;
    bool ok = true;
    for (int count : counts)
        for (bool window : {false, true})
            ok = run(count, window) && ok;
    KtSNMPCloseSession();
    return ok ? 0 : 1;
}
