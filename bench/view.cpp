// What a big table view keeps besides its walk, and what the module costs while idle.
//
//   bench_view [rows] [module]  (default: 50000 rows and this build's vkr2207; run from a
//                                Release build, pinned to one CPU:
//                                taskset -c 0 build-rel/bin/bench_view)
//
// Memory per row: the variables of the forwarding table view (VLAN / 802.1Q / Forwarding/
// Filtering / Unicast Forwarding Information: the FDB ID and MAC address keys, the port and
// the status) walked from the simulator's dot1qTpFdb table filled with that many rows into a
// list view the way a view shows it (list tools attached, sorted by a header click, the filter
// texts kept). Reported: the heap in use after the walk less before it, and the same for the
// resident memory, each over the rows.
//
// Idle wake-ups: the module (vkr2207) started against the simulator (LEDs still, nothing
// blinking) with its main window and front panel shown, under a virtual X display when Xvfb is
// installed (else the offscreen platform); after its start-up reads, the context switches of
// all its threads over 10 s, per second. Its only steady work then is the LED poll every 5 s.
//
// The last line is for scripts:
//   summary rows=N heap_bytes_per_row=F rss_bytes_per_row=F idle_wakeups_per_s=F
//
// Exit code 0 when the walk showed every row and the module ran through the idle time.
#include "KtNML/KtSNMPRequest2Edits.h"
#include "KtNML/KtSNMPSession.h"
#include "tests/support/SimProcess.h"
#include "views/ListViewTools.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <malloc.h>

#include <cstdio>
#include <cstdlib>

namespace {

// As the forwarding table view defines them (shell/catalogue/Vlan.cpp), without its option
// list: the status shows as its number, which takes no more room than a name.
constexpr KtSNMPVarDef kForwarding[] = {
    {"1.3.6.1.2.1.17.7.1.2.1.1.1", "FDB ID", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.2.1.17.7.1.2.2.1.1", "FDB MAC Address", KtSyn::MacAddress, KtAcc::NotAccess},
    {"1.3.6.1.2.1.17.7.1.2.2.1.2", "Port Number", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.17.7.1.2.2.1.3", "Status", KtSyn::Integer, KtAcc::ReadOnly},
    {},
};

// A number field of /proc/<pid>/status ("VmRSS:  1234 kB" gives 1234); -1 when missing.
qint64 statusField(const QString& path, const char* name)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (!line.startsWith(name))
            continue;
        const QList<QByteArray> parts = line.mid(qsizetype(qstrlen(name))).simplified().split(' ');
        return parts.isEmpty() ? -1 : parts.front().toLongLong();
    }
    return -1;
}

qint64 heapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return qint64(info.uordblks + info.hblkhd);
}

// Context switches (voluntary and not) of all threads of a process; -1 when it is gone.
qint64 contextSwitches(qint64 pid)
{
    const QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
    if (!tasks.exists())
        return -1;
    qint64 total = 0;
    for (const QString& tid : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString path = tasks.filePath(tid + QStringLiteral("/status"));
        const qint64 voluntary = statusField(path, "voluntary_ctxt_switches:");
        const qint64 forced = statusField(path, "nonvoluntary_ctxt_switches:");
        if (voluntary >= 0 && forced >= 0)
            total += voluntary + forced;
    }
    return total;
}

struct MemoryResult {
    int rows = 0;
    double heapPerRow = 0;
    double rssPerRow = 0;
    bool ok = false;
};

MemoryResult memoryPerRow(int rows)
{
    MemoryResult out;
    testutil::SimProcess sim;
    if (!sim.start({"--data", QStringLiteral(VKR_SIM_DATA), "--fill", QStringLiteral("dot1qTpFdb=%1").arg(rows),
                    "--freeze"},
                   120000)) {
        std::fprintf(stderr, "simulator did not start: %s\n", qPrintable(sim.errorText()));
        return out;
    }
    KtSNMPDefaults.device.address = sim.address();
    KtSNMPDefaults.device.port = sim.port();
    KtSNMPDefaults.security.version = 1;
    KtSNMPDefaults.security.readCommunity = "public";
    KtSNMPDefaults.getBulk = true;

    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* view = new QTreeWidget(&window);
    auto* memo = new QPlainTextEdit(&window);
    layout->addWidget(view);
    layout->addWidget(memo);
    window.resize(700, 500);
    window.show();
    KtSNMPRequest2Edits binding(&window);
    binding.Request().VarList.Assign(KtSNMPVarList(kForwarding, KtItem::MVT_UMV, 2));
    binding.BindListView(view, false);
    binding.SetStatusTarget(memo);
    TListViewTools* tools = TListViewTools::Attach(view);
    tools->SortBy(binding.ColumnOf(2), true);  // by port, as an operator would look at it
    QCoreApplication::processEvents();

    malloc_trim(0);
    const qint64 heap0 = heapInUse();
    const qint64 rss0 = statusField(QStringLiteral("/proc/self/status"), "VmRSS:");
    bool done = false;
    int code = -1;
    binding.GetDone = [&](KtSNMPRequest2Controls&, const KtSNMPError& e) {
        done = true;
        code = e.code;
    };
    binding.Get();
    while (!done)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QCoreApplication::processEvents();
    malloc_trim(0);
    const qint64 heap1 = heapInUse();
    const qint64 rss1 = statusField(QStringLiteral("/proc/self/status"), "VmRSS:");
    out.rows = view->topLevelItemCount();
    out.ok = code == 0 && out.rows >= rows;
    if (out.rows > 0) {
        out.heapPerRow = double(heap1 - heap0) / out.rows;
        out.rssPerRow = double(rss1 - rss0) * 1024.0 / out.rows;
    }
    std::printf("forwarding table view, %d rows (status %d): heap %.0f bytes a row, resident memory %.0f bytes a "
                "row  (goal <= 1024)\n",
                out.rows, code, out.heapPerRow, out.rssPerRow);
    std::fflush(stdout);
    return out;
}

// A display of our own under Xvfb, or none (the offscreen platform then).
struct VirtualDisplay {
    QProcess xvfb;
    QString name;
    bool start()
    {
        const QString program = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        if (program.isEmpty())
            return false;
        for (int n = 90; n < 140; ++n) {
            if (QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n))
                || QFileInfo::exists(QStringLiteral("/tmp/.X%1-lock").arg(n)))
                continue;
            xvfb.start(program, {QStringLiteral(":%1").arg(n), "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
            if (!xvfb.waitForStarted(5000))
                return false;
            for (int i = 0; i < 50 && !QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n)); ++i)
                QThread::msleep(100);
            if (xvfb.state() != QProcess::Running)
                continue;  // taken meanwhile: the next number
            name = QStringLiteral(":%1").arg(n);
            return true;
        }
        return false;
    }
    ~VirtualDisplay()
    {
        if (xvfb.state() == QProcess::Running) {
            xvfb.terminate();
            xvfb.waitForFinished(5000);
        }
    }
};

double idleWakeups(const QString& moduleProgram, bool* ok)
{
    *ok = false;
    if (!QFileInfo(moduleProgram).isExecutable()) {
        std::fprintf(stderr, "no module at %s: build vkr2207, or name one after the rows\n", qPrintable(moduleProgram));
        return 0;
    }
    testutil::SimProcess sim;
    if (!sim.start({"--freeze"}, 60000)) {
        std::fprintf(stderr, "simulator did not start: %s\n", qPrintable(sim.errorText()));
        return 0;
    }
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("conf"));
    {
        QFile registry(dir.filePath(QStringLiteral("registry.ini")));
        QFile device(dir.filePath(QStringLiteral("conf/%1.cfg").arg(sim.address())));
        if (!registry.open(QIODevice::WriteOnly) || !device.open(QIODevice::WriteOnly)) {
            std::fprintf(stderr, "cannot write the module's settings in %s\n", qPrintable(dir.path()));
            return 0;
        }
        registry.write(QStringLiteral("[SOFTWARE\\Norvale\\Meridan5.1\\MibFile]\nPath=%1/\n")
                           .arg(dir.filePath(QStringLiteral("conf")))
                           .toUtf8());
        device.write(QStringLiteral("[Program Information]\nAgentPort=%1\nVersion=1\nSecurityModel=2\nSecurityLevel=0\n"
                                    "AuthProtocol=0\nPrivProtocol=0\n")
                         .arg(sim.port())
                         .toUtf8());
    }
    VirtualDisplay display;
    const bool x11 = display.start();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("VKR_REGISTRY_FILE", dir.filePath(QStringLiteral("registry.ini")));
    env.insert("VKR_TRAP_PORT", "0");
    env.insert("MIBS", "");
    if (x11) {
        env.insert("DISPLAY", display.name);
        env.insert("QT_QPA_PLATFORM", "xcb");
    } else {
        env.insert("QT_QPA_PLATFORM", "offscreen");
    }
    QProcess module;
    module.setProcessEnvironment(env);
    module.setWorkingDirectory(dir.path());
    module.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    module.start(moduleProgram,
                 {QStringLiteral("/I%1").arg(sim.address()), "/Rpublic", "/Wprivate", "/v1"});
    if (!module.waitForStarted(10000)) {
        std::fprintf(stderr, "the module did not start\n");
        return 0;
    }
    // Its start-up reads and the first LED polls.
    QThread::sleep(8);
    const qint64 pid = module.processId();
    constexpr int kSeconds = 10;
    const qint64 before = contextSwitches(pid);
    QElapsedTimer timer;
    timer.start();
    QThread::sleep(kSeconds);
    const qint64 after = contextSwitches(pid);
    const double seconds = timer.elapsed() / 1000.0;
    const bool running = module.state() == QProcess::Running && before >= 0 && after >= 0;
    module.terminate();
    if (!module.waitForFinished(10000)) {
        module.kill();
        module.waitForFinished(5000);
    }
    if (!running) {
        std::fprintf(stderr, "the module ended before the idle time was over\n");
        return 0;
    }
    // The LED poll every 5 s wakes a module whose front panel is up: none at all means it waits
    // on something else (a message at start-up, say).
    if (after == before) {
        std::fprintf(stderr, "the module did not wake up once in %.0f s: its front panel is not polling\n", seconds);
        return 0;
    }
    const double perSecond = double(after - before) / seconds;
    std::printf("module idle, main window and front panel shown (%s): %.1f wake-ups a second over %.0f s  "
                "(goal <= 5; %lld context switches since its start)\n",
                x11 ? "Xvfb" : "offscreen", perSecond, seconds, static_cast<long long>(after));
    std::fflush(stdout);
    *ok = true;
    return perSecond;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int rows = argc > 1 ? std::atoi(argv[1]) : 50000;
    QTemporaryDir dir;
    KtSNMPInitSession(dir.path());
    const MemoryResult memory = memoryPerRow(rows > 0 ? rows : 50000);
    KtSNMPCloseSession();
    bool idleOk = false;
    const QString module = argc > 2 ? QFileInfo(QString::fromLocal8Bit(argv[2])).absoluteFilePath()
                                    : QStringLiteral(VKR_MODULE_BIN);
    const double wakeups = idleWakeups(module, &idleOk);
    std::printf("\nsummary rows=%d heap_bytes_per_row=%.0f rss_bytes_per_row=%.0f idle_wakeups_per_s=%.1f\n",
                memory.rows, memory.heapPerRow, memory.rssPerRow, wakeups);
    return memory.ok && idleOk ? 0 : 1;
}
