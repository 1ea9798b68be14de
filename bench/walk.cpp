// Times an asynchronous walk of a table of 4 columns served by the simulator into a bound list
// view, the way a table view reads it (rows shown while the walk runs): with get-bulk, with
// get-next, and with get-bulk into a list sorted by a header click before the walk, against
// net-snmp's snmpwalk and snmpbulkwalk (-Cr10) of the same columns. For the get-bulk walk it
// also takes the CPU time the module spent and the CPU time the simulator spent answering
// (getrusage and /proc), and on the filled sorted list the time of filter keystrokes and of
// header-click re-sorts.
//
//   bench_walk [rows...]     (default: 5000 50000; run from a Release build, pinned to one CPU:
//                             taskset -c 0 build-rel/bin/bench_walk; the simulator and the tools
//                             inherit the pinning)
//
// The last lines, one per size, are for scripts:
//   summary rows=N snmpwalk_x=F bulkwalk_ratio=F sorted_ratio=F cpu_ratio=F filter_ms=F resort_ms=F
// snmpwalk_x: snmpwalk time / get-bulk walk time; bulkwalk_ratio: get-bulk walk time /
// snmpbulkwalk time; sorted_ratio: sorted walk / unsorted get-bulk walk; cpu_ratio: module CPU /
// simulator CPU during the get-bulk walk; filter_ms and resort_ms: the slowest keystroke and
// the slowest re-sort.
//
// Exit code 0 when every walk of every size showed every row, the unsorted ones the same rows
// and the sorted one in its order.
#include "KtNML/KtSNMPRequest2Edits.h"
#include "KtNML/KtSNMPSession.h"
#include "tests/support/SimProcess.h"
#include "views/ListText.h"
#include "views/ListViewTools.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <sys/resource.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr KtSNMPVarDef kBench[] = {
    {"1.3.6.1.4.1.32473.99.4.1.1", "Index", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.99.4.1.2", "Name", KtSyn::DisplayStr, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.99.4.1.3", "Counter", KtSyn::Counter, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.99.4.1.4", "State", KtSyn::Integer, KtAcc::ReadWrite},
    {},
};
constexpr int kSortColumn = 2;  // Counter, descending: every new row goes before those shown

// Wall time of a net-snmp tool run; *lines gets the number of output lines.
double timeTool(const QString& tool, const QStringList& args, int* lines)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("MIBS", "");
    p.setProcessEnvironment(env);
    QElapsedTimer t;
    t.start();
    p.start(tool, args);
    p.waitForFinished(600000);
    const double seconds = t.elapsed() / 1000.0;
    *lines = int(p.readAllStandardOutput().count('\n'));
    return seconds;
}

// CPU seconds (user + system) of this process.
double ownCpu()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// CPU seconds (user + system) of another process, from /proc/PID/stat; -1 when unreadable.
double processCpu(qint64 pid)
{
    QFile file(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray stat = file.readAll();
    // Fields after the command name (which may hold spaces) start at ") ".
    const QList<QByteArray> fields = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 13)
        return -1;
    // utime and stime are fields 14 and 15 of the line: 12 and 13 after the name.
    return (fields[11].toDouble() + fields[12].toDouble()) / double(sysconf(_SC_CLK_TCK));
}

struct ModuleWalk {
    double seconds = 0;
    double cpu = 0;     // the module's CPU seconds
    double simCpu = 0;  // the simulator's CPU seconds
    int code = -1;
    std::vector<QStringList> rows;
};

// The form a table view reads into: the list and its status memo.
struct Form {
    QWidget window;
    QTreeWidget* view = nullptr;
    QPlainTextEdit* memo = nullptr;
    Form()
    {
        auto* layout = new QVBoxLayout(&window);
        view = new QTreeWidget(&window);
        memo = new QPlainTextEdit(&window);
        layout->addWidget(view);
        layout->addWidget(memo);
        window.resize(700, 500);
        window.show();
    }
};

// One walk into the form's list, the way a table view runs it.
ModuleWalk walkInto(Form& form, bool getBulk, bool sorted, qint64 simPid)
{
    KtSNMPDefaults.getBulk = getBulk;
    ModuleWalk out;
    KtSNMPRequest2Edits binding(&form.window);
    binding.Request().VarList.Assign(KtSNMPVarList(kBench, KtItem::MVT_UMV, 1));
    binding.BindListView(form.view, false);
    binding.SetStatusTarget(form.memo);
    if (sorted)
        TListViewTools::Attach(form.view)->SortBy(kSortColumn, false);
    bool done = false;
    binding.GetDone = [&](KtSNMPRequest2Controls&, const KtSNMPError& e) {
        done = true;
        out.code = e.code;
    };
    const double cpu0 = ownCpu();
    const double sim0 = processCpu(simPid);
    QElapsedTimer t;
    t.start();
    binding.Get();
    while (!done)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QCoreApplication::processEvents();  // what the last batch left to do (a sort, a layout)
    out.seconds = t.elapsed() / 1000.0;
    out.cpu = ownCpu() - cpu0;
    out.simCpu = processCpu(simPid) - sim0;
    for (int i = 0; i < form.view->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = form.view->topLevelItem(i);
        QStringList cells;
        for (int c = 0; c < item->columnCount(); ++c)
            cells << item->text(c);
        out.rows.push_back(cells);
    }
    return out;
}

ModuleWalk walkIntoView(bool getBulk, qint64 simPid)
{
    Form form;
    return walkInto(form, getBulk, false, simPid);
}

// CPU milliseconds of this thread: on a shared machine wall times also count the waits for
// the CPU.
double threadCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// Milliseconds of one change to the list, until the events it queued (layout, painting) are
// done; *cpuMs gets the CPU time of the same.
template <typename F>
double timeMs(F&& change, double* cpuMs)
{
    const double cpu0 = threadCpuMs();
    QElapsedTimer t;
    t.start();
    change();
    QCoreApplication::processEvents();
    *cpuMs = threadCpuMs() - cpu0;
    return t.nsecsElapsed() / 1e6;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

bool benchSize(int rows, QStringList& summaries)
{
    testutil::SimProcess sim;
    if (!sim.start({"--data", QStringLiteral(VKR_BENCH_DATA), "--fill", QStringLiteral("bench=%1").arg(rows),
                    "--freeze"},
                   60000)) {
        std::fprintf(stderr, "simulator did not start: %s\n", qPrintable(sim.errorText()));
        return false;
    }
    KtSNMPDefaults.device.address = sim.address();
    KtSNMPDefaults.device.port = sim.port();
    KtSNMPDefaults.security.version = 1;
    KtSNMPDefaults.security.readCommunity = "public";

    const qint64 simPid = sim.processId();
    const ModuleWalk bulk = walkIntoView(true, simPid);
    const ModuleWalk next = walkIntoView(false, simPid);

    // The sorted walk, then keystrokes in its filter box and header clicks on its list.
    Form sortedForm;
    const ModuleWalk sorted = walkInto(sortedForm, true, true, simPid);
    KtSNMPDefaults.getBulk = true;
    bool inOrder = int(sorted.rows.size()) == rows;
    for (std::size_t r = 1; inOrder && r < sorted.rows.size(); ++r)
        inOrder = ListText::NaturalCompare(sorted.rows[r - 1][kSortColumn], sorted.rows[r][kSortColumn]) > 0;
    TListViewTools* tools = TListViewTools::Attach(sortedForm.view);
    std::vector<double> keys, keysCpu;
    for (const char* text : {"4", "42", "421", "42", "4", ""}) {
        double cpu = 0;
        keys.push_back(timeMs([&] { tools->SetFilterText(QString::fromLatin1(text)); }, &cpu));
        keysCpu.push_back(cpu);
    }
    std::vector<double> resorts, resortsCpu;
    for (auto [column, ascending] : {std::pair{0, true}, std::pair{1, false}, std::pair{kSortColumn, true}}) {
        double cpu = 0;
        resorts.push_back(timeMs([&] { tools->SortBy(column, ascending); }, &cpu));
        resortsCpu.push_back(cpu);
    }

    const QString peer = sim.peer();
    int walkLines = 0, bulkLines = 0;
    double snmpwalk = 0, snmpbulkwalk = 0;
    for (int c = 1; c <= 4; ++c) {
        const QString column = QStringLiteral("1.3.6.1.4.1.32473.99.4.1.%1").arg(c);
        int n = 0;
        snmpwalk += timeTool("snmpwalk", {"-v2c", "-c", "public", "-On", peer, column}, &n);
        walkLines += n;
        snmpbulkwalk += timeTool("snmpbulkwalk", {"-v2c", "-c", "public", "-On", "-Cr10", peer, column}, &n);
        bulkLines += n;
    }
    const bool same = bulk.rows == next.rows;
    const bool ok = bulk.code == 0 && next.code == 0 && sorted.code == 0 && int(bulk.rows.size()) == rows && same
        && inOrder;
    const double snmpwalkX = snmpwalk / bulk.seconds;
    const double bulkwalkRatio = bulk.seconds / snmpbulkwalk;
    const double sortedRatio = sorted.seconds / bulk.seconds;
    const double cpuRatio = bulk.simCpu > 0 ? bulk.cpu / bulk.simCpu : 0;
    const double filterMs = *std::max_element(keys.begin(), keys.end());
    const double resortMs = *std::max_element(resorts.begin(), resorts.end());
    std::printf("\n%d rows x 4 columns\n", rows);
    std::printf("rows: module get-bulk %zu (status %d), get-next %zu (status %d), %s; sorted %zu (status %d), %s; "
                "snmpwalk %d values, snmpbulkwalk %d values\n",
                bulk.rows.size(), bulk.code, next.rows.size(), next.code, same ? "the same rows" : "ROWS DIFFER",
                sorted.rows.size(), sorted.code, inOrder ? "in order" : "NOT IN ORDER", walkLines, bulkLines);
    std::printf("module, get-bulk walk into a bound list view:  %.3f s\n", bulk.seconds);
    std::printf("module, get-next walk into a bound list view:  %.3f s  (get-bulk %.1fx faster)\n", next.seconds,
                next.seconds / bulk.seconds);
    std::printf("module, get-bulk walk into a sorted list:      %.3f s  (%.2fx the unsorted walk; goal <= 1.5)\n",
                sorted.seconds, sortedRatio);
    std::printf("snmpwalk of the 4 columns:                     %.3f s  (get-bulk walk %.1fx faster; goal >= 15x)\n",
                snmpwalk, snmpwalkX);
    std::printf("snmpbulkwalk -Cr10 of the 4 columns:           %.3f s  (get-bulk walk takes %.2fx as long; "
                "goal <= 0.6)\n",
                snmpbulkwalk, bulkwalkRatio);
    std::printf("CPU of the get-bulk walk: module %.3f s, simulator %.3f s  (%.2fx; goal <= 1.0)\n", bulk.cpu,
                bulk.simCpu, cpuRatio);
    std::printf("filter keystrokes (4, 42, 421, 42, 4, empty):  ");
    for (double k : keys)
        std::printf("%.1f ", k);
    std::printf("ms  (median %.1f, slowest %.1f; goal <= 30)\n", median(keys), filterMs);
    std::printf("  their CPU time:                              ");
    for (double k : keysCpu)
        std::printf("%.1f ", k);
    std::printf("ms\n");
    std::printf("header-click re-sorts (Index, Name desc, Counter): ");
    for (double r : resorts)
        std::printf("%.1f ", r);
    std::printf("ms  (slowest %.1f; goal <= 50)\n", resortMs);
    std::printf("  their CPU time:                                  ");
    for (double r : resortsCpu)
        std::printf("%.1f ", r);
    std::printf("ms\n");
    std::printf("CPU of the sorted walk: module %.3f s (unsorted %.3f s)\n", sorted.cpu, bulk.cpu);
    summaries << QString::asprintf("summary rows=%d snmpwalk_x=%.2f bulkwalk_ratio=%.3f sorted_ratio=%.3f "
                                   "cpu_ratio=%.3f filter_ms=%.1f resort_ms=%.1f",
                                   rows, snmpwalkX, bulkwalkRatio, sortedRatio, cpuRatio, filterMs, resortMs);
    std::fflush(stdout);
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    std::vector<int> sizes;
    for (int i = 1; i < argc; ++i)
        sizes.push_back(std::atoi(argv[i]));
    if (sizes.empty())
        sizes = {5000, 50000};
    QTemporaryDir dir;
    KtSNMPInitSession(dir.path());
    bool ok = true;
    QStringList summaries;
    for (int rows : sizes)
        ok = benchSize(rows, summaries) && ok;
    KtSNMPCloseSession();
    std::printf("\n");
    for (const QString& line : summaries)
        std::printf("%s\n", qPrintable(line));
    return ok ? 0 : 1;
}
