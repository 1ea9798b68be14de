// Times an asynchronous walk of a 5000-row x 4-column table served by the simulator into a
// bound list view, the way a table view reads it (one get-next per row, rows shown while the
// walk runs), against net-snmp's snmpwalk and snmpbulkwalk (-Cr10) of the same columns.
//
//   bench_walk [rows]     (run from a Release build; the simulator comes from the same build)
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
    p.waitForFinished(300000);
    const double seconds = t.elapsed() / 1000.0;
    *lines = int(p.readAllStandardOutput().count('\n'));
    return seconds;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int rows = argc > 1 ? std::atoi(argv[1]) : 5000;
    testutil::SimProcess sim;
    if (!sim.start({"--data", QStringLiteral(VKR_BENCH_DATA), "--fill", QStringLiteral("bench=%1").arg(rows),
                    "--freeze"})) {
        std::fprintf(stderr, "simulator did not start: %s\n", qPrintable(sim.errorText()));
        return 1;
    }
    QTemporaryDir dir;
    KtSNMPInitSession(dir.path());
    KtSNMPDefaults.device.address = sim.address();
    KtSNMPDefaults.device.port = sim.port();
    KtSNMPDefaults.security.version = 1;
    KtSNMPDefaults.security.readCommunity = "public";

    QWidget form;
    auto* layout = new QVBoxLayout(&form);
    auto* view = new QTreeWidget(&form);
    auto* memo = new QPlainTextEdit(&form);
    layout->addWidget(view);
    layout->addWidget(memo);
    form.resize(700, 500);
    form.show();

    KtSNMPRequest2Edits binding(&form);
    binding.Request().VarList.Assign(KtSNMPVarList(kBench, KtItem::MVT_UMV, 1));
    binding.BindListView(view, false);
    binding.SetStatusTarget(memo);
    bool done = false;
    int code = 0;
    binding.GetDone = [&](KtSNMPRequest2Controls&, const KtSNMPError& e) {
        done = true;
        code = e.code;
    };
    QElapsedTimer t;
    t.start();
    binding.Get();
    while (!done)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const double ours = t.elapsed() / 1000.0;

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
    std::printf("rows: module %d in the view (status %d), snmpwalk %d values, snmpbulkwalk %d values\n",
                view->topLevelItemCount(), code, walkLines, bulkLines);
    std::printf("module, asynchronous walk into a bound list view: %.3f s\n", ours);
    std::printf("snmpwalk of the 4 columns:            %.3f s  (module %.1fx faster; goal >= 4x)\n", snmpwalk,
                snmpwalk / ours);
    std::printf("snmpbulkwalk -Cr10 of the 4 columns:  %.3f s  (module takes %.2fx as long; goal <= 2x)\n",
                snmpbulkwalk, ours / snmpbulkwalk);
    const bool ok = code == 0 && view->topLevelItemCount() == rows;
    KtSNMPCloseSession();
    return ok ? 0 : 1;
}
