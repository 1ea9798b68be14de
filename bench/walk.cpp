// Times an asynchronous walk of a table of 4 columns served by the simulator into a bound list
// view, the way a table view reads it (rows shown while the walk runs): once with get-bulk and
// once with get-next, against net-snmp's snmpwalk and snmpbulkwalk (-Cr10) of the same columns.
//
//   bench_walk [rows...]     (default: 5000 50000; run from a Release build, pinned to one CPU:
//                             taskset -c 0 build-rel/bin/bench_walk; the simulator and the tools
//                             inherit the pinning)
//
// Exit code 0 when both walks of every size showed every row, the same rows.
#include "KtNML/KtSNMPRequest2Controls.h"
#include "KtNML/KtSNMPSession.h"
#include "tests/support/SimProcess.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QVBoxLayout>

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

struct ModuleWalk {
    double seconds = 0;
    int code = -1;
    std::vector<QStringList> rows;
};

// One walk into a fresh list view, the way a table view runs it.
ModuleWalk walkIntoView(bool getBulk)
{
    KtSNMPDefaults.getBulk = getBulk;
    QWidget form;
    auto* layout = new QVBoxLayout(&form);
    auto* view = new QTreeWidget(&form);
    auto* memo = new QPlainTextEdit(&form);
    layout->addWidget(view);
    layout->addWidget(memo);
    form.resize(700, 500);
    form.show();

    ModuleWalk out;
    KtSNMPRequest2Edits binding(&form);
    binding.Request().VarList.Assign(KtSNMPVarList(kBench, KtItem::MVT_UMV, 1));
    binding.BindListView(view, false);
    binding.SetStatusTarget(memo);
    bool done = false;
    binding.GetDone = [&](KtSNMPRequest2Controls&, const KtSNMPError& e) {
        done = true;
        out.code = e.code;
    };
    QElapsedTimer t;
    t.start();
    binding.Get();
    while (!done)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    out.seconds = t.elapsed() / 1000.0;
    for (int i = 0; i < view->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = view->topLevelItem(i);
        QStringList cells;
        for (int c = 0; c < item->columnCount(); ++c)
            cells << item->text(c);
        out.rows.push_back(cells);
    }
    return out;
}

bool benchSize(int rows)
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

    const ModuleWalk bulk = walkIntoView(true);
    const ModuleWalk next = walkIntoView(false);
    KtSNMPDefaults.getBulk = true;

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
    const bool ok = bulk.code == 0 && next.code == 0 && int(bulk.rows.size()) == rows && same;
    std::printf("\n%d rows x 4 columns\n", rows);
    std::printf("rows: module get-bulk %zu (status %d), get-next %zu (status %d), %s; "
                "snmpwalk %d values, snmpbulkwalk %d values\n",
                bulk.rows.size(), bulk.code, next.rows.size(), next.code, same ? "the same rows" : "ROWS DIFFER",
                walkLines, bulkLines);
    std::printf("module, get-bulk walk into a bound list view:  %.3f s\n", bulk.seconds);
    std::printf("module, get-next walk into a bound list view:  %.3f s  (get-bulk %.1fx faster)\n", next.seconds,
                next.seconds / bulk.seconds);
    std::printf("snmpwalk of the 4 columns:                     %.3f s  (get-bulk walk %.1fx faster; goal >= 10x)\n",
                snmpwalk, snmpwalk / bulk.seconds);
    std::printf("snmpbulkwalk -Cr10 of the 4 columns:           %.3f s  (get-bulk walk takes %.2fx as long; "
                "goal <= 1.0)\n",
                snmpbulkwalk, bulk.seconds / snmpbulkwalk);
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
    for (int rows : sizes)
        ok = benchSize(rows) && ok;
    KtSNMPCloseSession();
    return ok ? 0 : 1;
}
