#include "shell/ConfigTool.h"

#include "KtNML/KtSNMPError.h"
#include "KtNML/KtSNMPSession.h"
#include "KtNML/KtSnapshotIo.h"
#include "shell/LaunchParams.h"
#include "shell/SnapshotSources.h"

#include <QDateTime>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

#include <cstdio>
#include <deque>
#include <memory>

namespace {

constexpr int kMaxJobs = 256;
constexpr int kRetries = 1;

void Err(const QString& line)
{
    std::fputs((line + QLatin1Char('\n')).toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
}

void Out(const QString& line)
{
    std::fputs((line + QLatin1Char('\n')).toLocal8Bit().constData(), stdout);
    std::fflush(stdout);
}

struct Options {
    QString command;  // save, diff, restore
    QString path;     // the snapshot file, or with --devices the folder
    QString devices;  // the devices file
    int jobs = 4;
    bool force = false;
    bool removeRows = false;
    bool stopAtError = false;
    QStringList switches;  // the module's switches, in order
};

struct UsageError {
    QString message;
};

Options ParseOptions(const QStringList& arguments)
{
    Options o;
    QStringList rest;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        const auto value = [&]() -> QString {
            if (i + 1 >= arguments.size())
                throw UsageError{QStringLiteral("%1 needs a value").arg(a)};
            return arguments[++i];
        };
        if (a == QLatin1String("--devices")) {
            o.devices = value();
        } else if (a == QLatin1String("--jobs")) {
            const QString text = value();
            std::int32_t n = 0;
            if (!KtStrictToInt(text, n) || n < 1 || n > kMaxJobs)
                throw UsageError{QStringLiteral("--jobs takes a whole number from 1 to %1, not '%2'").arg(kMaxJobs).arg(text)};
            o.jobs = n;
        } else if (a == QLatin1String("--force")) {
            o.force = true;
        } else if (a == QLatin1String("--remove-rows")) {
            o.removeRows = true;
        } else if (a == QLatin1String("--stop-at-error")) {
            o.stopAtError = true;
        } else if (a.startsWith(QLatin1String("--"))) {
            throw UsageError{QStringLiteral("unknown option %1").arg(a)};
        } else if (rest.size() < 2 && (rest.size() == 1 || !a.startsWith(QLatin1Char('/')))) {
            rest << a;  // the command, then the file or folder (which may be a path from /)
        } else if (a.startsWith(QLatin1Char('/'))) {
            o.switches << a;
        } else {
            throw UsageError{QStringLiteral("unexpected argument '%1'").arg(a)};
        }
    }
    if (rest.isEmpty())
        throw UsageError{QStringLiteral("no command (save, diff or restore)")};
    o.command = rest.takeFirst();
    if (o.command != QLatin1String("save") && o.command != QLatin1String("diff") && o.command != QLatin1String("restore"))
        throw UsageError{QStringLiteral("unknown command '%1' (save, diff or restore)").arg(o.command)};
    if (rest.isEmpty())
        throw UsageError{o.devices.isEmpty() ? QStringLiteral("no snapshot file") : QStringLiteral("no folder for the snapshots")};
    o.path = rest.takeFirst();
    if (o.devices.isEmpty() && o.switches.isEmpty())
        throw UsageError{QStringLiteral("no switch given: /I<address> and its access switches, or --devices LIST")};
    return o;
}

// One switch to work on: its switches, parameters, snapshot file and what went wrong early.
struct Device {
    QString label;  // the address, or the devices file's line when it has none
    QStringList switches;
    KtSNMPDefaultParams params;
    snmp::Target target;
    QString file;
    QString error;  // set: nothing is sent to this switch
};

// The switches of one line of a devices file: the address first (device files are read after
// it), then the command line's switches, then the line's own.
QStringList LineSwitches(const QString& line, const QStringList& common)
{
    QStringList words = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.size() == 1 && !words.first().startsWith(QLatin1Char('/')))
        words.first().prepend(QStringLiteral("/I"));
    QStringList address, own;
    for (const QString& w : words)
        (w.startsWith(QLatin1String("/I")) ? address : own) << w;
    QStringList commonNoAddress;
    for (const QString& c : common)
        if (!c.startsWith(QLatin1String("/I")))
            commonNoAddress << c;
    return address + commonNoAddress + own;
}

void Prepare(Device& d, const QString& configFolder)
{
    try {
        LaunchParser parser(d.params, configFolder);
        parser.ApplyArguments(d.switches);
        parser.CheckComplete();
        if (parser.Record().deviceAddress.isEmpty())
            throw LaunchError(QStringLiteral("no address (/I<address>)"));
        d.label = parser.Record().deviceAddress;
        d.target = KtSNMPBuildTarget(d.params, kRetries);
    } catch (const LaunchError& e) {
        d.error = e.Message();
    } catch (const KtException& e) {
        d.error = e.Message();
    }
}

// A file name for an address: what a file name cannot hold becomes '_'.
QString FileNameFor(const QString& address)
{
    QString name = address;
    for (QChar& ch : name)
        if (ch == QLatin1Char('/') || ch == QLatin1Char('\\') || ch.unicode() < 0x20)
            ch = QLatin1Char('_');
    return name + QStringLiteral(".snap");
}

// The work on one switch, from the first request to its summary line.
class DeviceRun {
public:
    DeviceRun(const Options& options, Device& device, const KtSnapshotPlan& plan, std::function<void()> done)
        : m_options(options), m_device(device), m_plan(plan), m_done(std::move(done))
    {
    }

    int ExitCode() const { return m_exit; }

    void Start()
    {
        const QString& address = m_device.label;
        if (!m_device.error.isEmpty())
            return Finish(kConfigExitError, QStringLiteral("%1: error: %2").arg(address, m_device.error));
        if (m_options.command != QLatin1String("save")) {
            // The file first: a file that does not parse sends nothing.
            try {
                m_file = KtSnapshotLoad(m_device.file);
            } catch (const KtSnapshotParseError& e) {
                return Finish(kConfigExitError,
                              e.Line() > 0 ? QStringLiteral("%1: error: %2, line %3: %4")
                                                 .arg(address, m_device.file)
                                                 .arg(e.Line())
                                                 .arg(e.Message())
                                           : QStringLiteral("%1: error: %2").arg(address, e.Message()));
            }
            if (m_options.command == QLatin1String("restore") && !m_options.force && !m_file.header.sysObjectId.isEmpty()
                && m_file.header.sysObjectId != QLatin1String(kKtSnapshotObjectId))
                return Finish(kConfigExitError, QStringLiteral("%1: error: %2 is the snapshot of another device "
                                                               "(sysObjectID %3); --force restores it")
                                                    .arg(address, m_device.file, m_file.header.sysObjectId));
        }
        KtSnapshotReader::Options ro;
        ro.getBulk = m_device.params.getBulk;
        ro.force = m_options.force;
        m_reader = std::make_unique<KtSnapshotReader>(*KtSNMPGlobalSession(), m_device.target, m_plan, ro);
        m_reader->progress = [this](int done, int total) {
            const int quarter = total > 0 ? done * 4 / total : 4;
            if (quarter > m_quarter && quarter < 4) {
                m_quarter = quarter;
                Err(QStringLiteral("%1: reading, %2 of %3 parts").arg(m_device.label).arg(done).arg(total));
            }
        };
        Err(QStringLiteral("%1: reading").arg(address));
        m_reader->Start([this] { QTimer::singleShot(0, [this] { Read(); }); });
    }

private:
    void Read()
    {
        const QString& address = m_device.label;
        if (m_reader->Failed()) {
            QString message = m_reader->Error();
            if (m_reader->ForeignDevice())
                message += QStringLiteral(" (--force reads it all the same)");
            return Finish(kConfigExitError, QStringLiteral("%1: error: %2").arg(address, message));
        }
        KtSnapshot now = m_reader->Result();
        if (m_options.command == QLatin1String("save")) {
            now.header.date = QDateTime::currentDateTimeUtc().toString(Qt::ISODate);
            now.header.release = KtModuleRelease();
            QString error;
            if (!KtSnapshotSave(m_device.file, now, error))
                return Finish(kConfigExitError, QStringLiteral("%1: error: %2").arg(address, error));
            return Finish(kConfigExitSame, QStringLiteral("%1: saved %2 objects to %3 (%4 not saved: write-only or secret)")
                                               .arg(address)
                                               .arg(now.entries.size())
                                               .arg(m_device.file)
                                               .arg(now.notSaved.size()));
        }
        m_diffs = KtSnapshotCompare(m_plan, m_file, now);
        if (m_options.command == QLatin1String("diff")) {
            for (const KtSnapshotDiff& d : m_diffs)
                Out(QStringList{address, KtDiffKindText(d.kind), d.caption, d.instance, d.inFile, d.onSwitch}.join(
                    QLatin1Char('\t')));
            return Finish(m_diffs.empty() ? kConfigExitSame : kConfigExitDifferent,
                          m_diffs.empty() ? QStringLiteral("%1: no differences").arg(address)
                                          : QStringLiteral("%1: %2 differences").arg(address).arg(m_diffs.size()));
        }
        Restore();
    }

    void Restore()
    {
        const QString& address = m_device.label;
        std::vector<int> chosen;
        for (std::size_t i = 0; i < m_diffs.size(); ++i) {
            const KtSnapshotDiff& d = m_diffs[i];
            if (d.kind == KtDiffKind::OnlyOnSwitch && (d.table < 0 || !m_options.removeRows)) {
                ++m_left;
                Out(QStringList{address, QStringLiteral("left"), d.caption, d.instance,
                                d.table < 0 ? QStringLiteral("not in the file")
                                            : QStringLiteral("row only on the switch (--remove-rows removes it)")}
                        .join(QLatin1Char('\t')));
                continue;
            }
            chosen.push_back(int(i));
        }
        QStringList refused;
        std::vector<KtRestoreStep> steps = KtSnapshotRestoreSteps(m_plan, m_diffs, chosen, &refused);
        for (const QString& r : refused) {
            ++m_left;
            Out(QStringList{address, QStringLiteral("left"), r}.join(QLatin1Char('\t')));
        }
        if (steps.empty())
            return Finish(m_left ? kConfigExitDifferent : kConfigExitSame,
                          QStringLiteral("%1: nothing to restore%2").arg(address, LeftText()));
        Err(QStringLiteral("%1: sending %2 SETs").arg(address).arg(steps.size()));
        m_writer = std::make_unique<KtSnapshotWriter>(*KtSNMPGlobalSession(), m_device.target, std::move(steps),
                                                      m_options.stopAtError);
        m_writer->Start([this] { QTimer::singleShot(0, [this] { Written(); }); });
    }

    QString LeftText() const
    {
        return m_left ? QStringLiteral(", %1 differences left").arg(m_left) : QString();
    }

    void Written()
    {
        const QString& address = m_device.label;
        int applied = 0, failed = 0, notSent = 0;
        for (std::size_t i = 0; i < m_writer->Steps().size(); ++i) {
            const KtRestoreStep& step = m_writer->Steps()[i];
            const KtSnapshotWriter::Result& r = m_writer->Results()[i];
            if (!r.sent) {
                ++notSent;
                Out(QStringList{address, QStringLiteral("SET"), step.description, QStringLiteral("not sent")}.join(
                    QLatin1Char('\t')));
                continue;
            }
            (r.ok ? applied : failed)++;
            Out(QStringList{address, QStringLiteral("SET"), step.description, r.message}.join(QLatin1Char('\t')));
        }
        QString summary = QStringLiteral("%1: %2 of %3 SETs applied").arg(address).arg(applied).arg(m_writer->Steps().size());
        if (failed)
            summary += QStringLiteral(", %1 refused").arg(failed);
        if (notSent)
            summary += QStringLiteral(", %1 not sent").arg(notSent);
        summary += LeftText();
        Finish(failed || notSent ? kConfigExitError : m_left ? kConfigExitDifferent : kConfigExitSame, summary);
    }

    void Finish(int exit, const QString& summary)
    {
        m_exit = exit;
        Err(summary);
        if (m_done) {
            auto done = std::move(m_done);
            m_done = nullptr;
            QTimer::singleShot(0, done);  // never from inside this run's own callbacks
        }
    }

    const Options& m_options;
    Device& m_device;
    const KtSnapshotPlan& m_plan;
    std::function<void()> m_done;
    std::unique_ptr<KtSnapshotReader> m_reader;
    std::unique_ptr<KtSnapshotWriter> m_writer;
    KtSnapshot m_file;
    std::vector<KtSnapshotDiff> m_diffs;
    int m_exit = kConfigExitError;
    int m_quarter = 0;
    int m_left = 0;
};

std::vector<Device> ReadDevices(const Options& o, const QString& configFolder)
{
    std::vector<Device> devices;
    if (o.devices.isEmpty()) {
        Device d;
        d.switches = o.switches;
        d.file = o.path;
        devices.push_back(std::move(d));
    } else {
        const QFileInfo info(o.devices);
        if (!info.isFile())
            throw UsageError{QStringLiteral("%1 is not a regular file").arg(o.devices)};
        QFile file(o.devices);
        if (!file.open(QIODevice::ReadOnly))
            throw UsageError{QStringLiteral("cannot read %1: %2").arg(o.devices, file.errorString())};
        const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
        for (int i = 0; i < lines.size(); ++i) {
            const QString line = lines[i].trimmed();
            if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
                continue;
            Device d;
            d.switches = LineSwitches(line, o.switches);
            d.label = QStringLiteral("%1 line %2").arg(o.devices).arg(i + 1);
            devices.push_back(std::move(d));
        }
        if (devices.empty())
            throw UsageError{QStringLiteral("%1 names no switch").arg(o.devices)};
        if (o.command == QLatin1String("save")) {
            const QFileInfo folder(o.path);
            if (!folder.exists() && !QDir().mkpath(o.path))
                throw UsageError{QStringLiteral("cannot make the folder %1").arg(o.path)};
            if (!QFileInfo(o.path).isDir())
                throw UsageError{QStringLiteral("%1 is not a folder").arg(o.path)};
        } else if (!QFileInfo(o.path).isDir()) {
            throw UsageError{QStringLiteral("%1 is not a folder").arg(o.path)};
        }
    }
    for (Device& d : devices) {
        Prepare(d, configFolder);
        if (!o.devices.isEmpty() && d.error.isEmpty())
            d.file = QDir(o.path).filePath(FileNameFor(d.label));
    }
    return devices;
}

} // namespace

QString ConfigToolUsage(const QString& programName)
{
    return QStringLiteral(
               "Usage: %1 save FILE /I<address> /R<read community> /W<write community> [/v<version>] [SNMPv3 switches]\n"
               "       %1 diff FILE <the same switches>\n"
               "       %1 restore FILE <the same switches> [--remove-rows] [--stop-at-error]\n"
               "       %1 save|diff|restore FOLDER --devices LIST [--jobs N] [switches for every line]\n"
               "\n"
               "Configuration snapshots of VKR-2207 switches: every read-write object the module's views\n"
               "and dialogs name, one per line as OID TYPE VALUE (snmpset's type letters and quoting),\n"
               "in OID order after a header (address, sysName, sysObjectID, date, module release).\n"
               "Write-only and secret objects (passwords, keys) are listed as not saved. Files are\n"
               "created with mode 0600.\n"
               "\n"
               "  save       read the switch and write FILE\n"
               "  diff       compare FILE with the switch: one line per difference on standard output\n"
               "             (address, changed / only in file / only on switch, object, instance,\n"
               "             in file, on switch)\n"
               "  restore    send the SETs that give the switch FILE's values, one result per line;\n"
               "             missing rows are created (createAndGo with their columns, else\n"
               "             createAndWait, the columns, active); a refusal is reported and the rest go on\n"
               "  --remove-rows    restore also removes rows the switch holds and FILE does not\n"
               "  --stop-at-error  restore stops at the first refused SET\n"
               "  --force          work with a device whose sysObjectID is not the VKR-2207's\n"
               "  --devices LIST   one switch per line: its switches, or an address whose device file\n"
               "                   holds the rest (the command line's switches apply to every line);\n"
               "                   FOLDER then holds one file per switch, <address>.snap\n"
               "  --jobs N         switches worked on at once (default 4, at most 256)\n"
               "  -h, --help       show this text and end\n"
               "\n"
               "The switches (/I /R /W /v /n /l /a /A /p /P /t /c /d /m) and the device file\n"
               "<address>.cfg are the module's own: see vkr2207 --help.\n"
               "Progress and one summary line per switch go to standard error.\n"
               "Exit status: 0 done and no differences, 1 differences found (or left after a restore),\n"
               "2 errors (a switch unreachable, a file refused, a SET refused).\n")
        .arg(programName);
}

int RunConfigTool(const QStringList& arguments, const QString& configFolder, const QString& stateFolder)
{
    Options options;
    std::vector<Device> devices;
    try {
        options = ParseOptions(arguments);
        devices = ReadDevices(options, configFolder);
    } catch (const UsageError& e) {
        Err(QStringLiteral("vkr2207-config: %1 (--help shows the usage)").arg(e.message));
        return kConfigExitError;
    }

    try {
        KtSNMPInitSession(stateFolder);
    } catch (const KtException& e) {
        Err(QStringLiteral("vkr2207-config: %1").arg(e.Message()));
        return kConfigExitError;
    }

    const KtSnapshotPlan& plan = KtSnapshotModulePlan();
    QEventLoop loop;
    std::deque<std::size_t> waiting;
    for (std::size_t i = 0; i < devices.size(); ++i)
        waiting.push_back(i);
    std::vector<std::unique_ptr<DeviceRun>> runs(devices.size());
    int running = 0;
    std::function<void()> startMore = [&] {
        while (running < options.jobs && !waiting.empty()) {
            const std::size_t i = waiting.front();
            waiting.pop_front();
            ++running;
            runs[i] = std::make_unique<DeviceRun>(options, devices[i], plan, [&] {
                --running;
                startMore();
            });
            runs[i]->Start();
        }
        if (running == 0 && waiting.empty())
            loop.quit();
    };
    QTimer::singleShot(0, [&] { startMore(); });
    loop.exec();

    int exit = kConfigExitSame;
    for (const auto& run : runs)
        exit = std::max(exit, run ? run->ExitCode() : kConfigExitError);
    runs.clear();
    KtSNMPCloseSession();
    return exit;
}
