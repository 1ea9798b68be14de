// Times configuration snapshots against simulators:
//  1. one switch: the engine's reading of every object of the module's plan, against
//     net-snmp's snmpbulkwalk of each table's entry plus one snmpget of the scalars (the same
//     objects; the tools run one after the other);
//  2. N switches (default 50) on loopback addresses 127.0.0.2 .. 127.0.0.N+1, read at once in
//     this process, against one of them alone.
//
//   bench_snapshot [switches [delay-ms]]
//                               (run from a Release build, pinned to one CPU:
//                                taskset -c 0 build-rel/bin/bench_snapshot; the simulators and
//                                the tools inherit the pinning)
//
// delay-ms makes each simulator wait that long before each answer (--delay), as a switch over a
// network does: with none, everything is CPU work on the one CPU, and N switches cost N times
// one. It starts and stops its simulators itself. Exit code 0 when every reading succeeded and the
// switches all gave the same number of objects.
#include "KtNML/KtSNMPSession.h"
#include "KtNML/KtSnapshotIo.h"
#include "shell/SnapshotSources.h"
#include "tests/support/SimProcess.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <set>
#include <unistd.h>

namespace {

constexpr int kRuns = 3;  // best of

snmp::Target TargetOf(const testutil::SimProcess& sim)
{
    KtSNMPDefaultParams p;
    p.device.address = sim.address();
    p.device.port = sim.port();
    p.security.version = 1;
    p.security.readCommunity = "public";
    p.timeout = 300;
    return KtSNMPBuildTarget(p, 2);
}

// Reads every switch at once; seconds, or -1 when a reading failed. *objects: objects of the first.
double ReadAll(const std::vector<std::unique_ptr<testutil::SimProcess>>& sims, std::size_t count, std::size_t* objects)
{
    std::vector<std::unique_ptr<KtSnapshotReader>> readers;
    std::size_t finished = 0;
    QElapsedTimer t;
    t.start();
    for (std::size_t i = 0; i < count; ++i) {
        readers.push_back(std::make_unique<KtSnapshotReader>(*KtSNMPGlobalSession(), TargetOf(*sims[i]),
                                                             KtSnapshotModulePlan(), KtSnapshotReader::Options{}));
        readers.back()->Start([&] { ++finished; });
    }
    while (finished < count)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const double seconds = t.elapsed() / 1000.0;
    std::set<std::size_t> sizes;
    for (const auto& r : readers) {
        if (r->Failed()) {
            std::fprintf(stderr, "reading failed: %s\n", qPrintable(r->Error()));
            return -1;
        }
        sizes.insert(r->Result().entries.size());
    }
    if (sizes.size() != 1) {
        std::fprintf(stderr, "the switches gave different numbers of objects\n");
        return -1;
    }
    *objects = *sizes.begin();
    return seconds;
}

// CPU seconds this process has used (user and system).
double OwnCpuSeconds()
{
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    const QString text = QString::fromLatin1(stat.readAll());
    const QStringList fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    // After the name: state is field 3, utime 14 and stime 15 (1-based in proc(5)).
    return fields.size() > 13 ? (fields[11].toDouble() + fields[12].toDouble()) / double(sysconf(_SC_CLK_TCK)) : 0;
}

double RunTool(const QString& tool, const QStringList& args, int* lines)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("MIBS", "");
    p.setProcessEnvironment(env);
    QElapsedTimer t;
    t.start();
    p.start(tool, args);
    p.waitForFinished(600000);
    *lines += int(p.readAllStandardOutput().count('\n'));
    return t.elapsed() / 1000.0;
}

// The same objects with net-snmp's tools: each table's entry walked with snmpbulkwalk, the
// scalars in one snmpget.
double ToolsTime(const testutil::SimProcess& sim, int* lines)
{
    const KtSnapshotPlan& plan = KtSnapshotModulePlan();
    const QStringList common{"-On", "-Oe", "-v2c", "-c", "public", "-t", "3", "-r", "2", sim.peer()};
    double seconds = 0;
    QStringList scalars;
    for (const KtSnapshotColumn& c : plan.columns)
        if (c.table < 0)
            scalars << QString::fromStdString(snmp::oidToText(c.base)) + ".0";
    for (qsizetype i = 0; i < scalars.size(); i += 50)  // an agent takes a few dozen per request
        seconds += RunTool("/usr/bin/snmpget", common + scalars.mid(i, 50), lines);
    for (const KtSnapshotTable& table : plan.tables) {
        snmp::Oid entry = plan.columns[std::size_t(table.columns.front())].base;
        entry.pop_back();  // the table's entry: its columns' parent
        seconds += RunTool("/usr/bin/snmpbulkwalk", common + QStringList{"-Cr25", QString::fromStdString(snmp::oidToText(entry))},
                           lines);
    }
    return seconds;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;
    const int delay = argc > 2 ? std::max(0, std::atoi(argv[2])) : 0;
    QTemporaryDir state;
    KtSNMPInitSession(state.path());

    std::vector<std::unique_ptr<testutil::SimProcess>> sims;
    for (int i = 0; i < count; ++i) {
        sims.push_back(std::make_unique<testutil::SimProcess>());
        const QString address = QStringLiteral("127.0.0.%1").arg(i + 2);
        QStringList args{"--address", address, "--freeze"};
        if (delay > 0)
            args << "--delay" << QString::number(delay);
        if (!sims.back()->start(args)) {
            std::fprintf(stderr, "simulator on %s: %s\n", qPrintable(address), qPrintable(sims.back()->errorText()));
            return 2;
        }
    }
    const KtSnapshotPlan& plan = KtSnapshotModulePlan();
    std::printf("plan: %d scalars, %zu tables, %zu columns; simulators answer after %d ms\n", plan.ScalarCount(),
                plan.tables.size(), plan.columns.size(), delay);

    std::size_t objects = 0;
    double one = 1e9, tools = 1e9, all = 1e9;
    int toolLines = 0;
    for (int run = 0; run < kRuns; ++run) {
        const double s = ReadAll(sims, 1, &objects);
        if (s < 0)
            return 1;
        one = std::min(one, s);
        toolLines = 0;
        tools = std::min(tools, ToolsTime(*sims[0], &toolLines));
    }
    std::printf("one switch: snapshot %.3f s (%zu objects), snmpbulkwalk+snmpget %.3f s (%d lines): ratio %.2f "
                "(goal <= 1.5)\n",
                one, objects, tools, toolLines, one / tools);
    const double cpuBefore = OwnCpuSeconds();
    for (int run = 0; run < kRuns; ++run) {
        const double s = ReadAll(sims, sims.size(), &objects);
        if (s < 0)
            return 1;
        all = std::min(all, s);
    }
    std::printf("%d switches at once: %.3f s, %.2f x one switch (goal <= 5); this process's CPU %.3f s per run\n",
                count, all, all / one, (OwnCpuSeconds() - cpuBefore) / kRuns);
    // One line for scripts: both ratios with what they were measured with.
    std::printf("summary switches=%d delay_ms=%d one_s=%.3f bulkwalk_s=%.3f bulkwalk_ratio=%.2f many_s=%.3f "
                "many_ratio=%.2f\n",
                count, delay, one, tools, one / tools, all, all / one);
    std::fflush(stdout);

    KtSNMPCloseSession();
    for (auto& sim : sims)
        sim->stop();
    return 0;
}
