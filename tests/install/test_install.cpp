// The tree `cmake --install` makes runs on its own: the programs find their catalogues, help
// and data below <prefix>/share/vkr2207 from their own location, and replaced catalogues
// localise the module.
#include "tests/support/TestUtil.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

namespace {

const char* const kCatalogues[] = {"common.err", "snmp.err", "snmpv3.err", "snmpusm.err",
                                   "snmpclass.err", "ktsnmp.err", "snmp.msg"};

class InstalledTree : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        destdir = std::make_unique<QTemporaryDir>(testutil::binaryDir() + "/install-test-XXXXXX");
        ASSERT_TRUE(destdir->isValid());
        QProcess install;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DESTDIR", destdir->path());
        install.setProcessEnvironment(env);
        install.start(QStringLiteral(VKR_CMAKE_COMMAND),
                      {"--install", testutil::binaryDir(), "--prefix", "/usr"});
        ASSERT_TRUE(install.waitForFinished(120000));
        installed = install.exitStatus() == QProcess::NormalExit && install.exitCode() == 0;
        ASSERT_TRUE(installed) << install.readAllStandardError().toStdString();
    }
    static void TearDownTestSuite() { destdir.reset(); }

    void SetUp() override
    {
        ASSERT_TRUE(installed);
        ASSERT_TRUE(work.isValid());
    }

    // As the programs see their own folder (symbolic links resolved).
    static QString Root() { return QFileInfo(destdir->filePath("usr")).canonicalFilePath(); }

    // Runs an installed program in a private working folder and registry file; its output.
    QString Run(const QString& program, const QStringList& args, int* exitCode)
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("VKR_REGISTRY_FILE", work.filePath("registry.ini"));
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(work.path());
        p.start(Root() + "/bin/" + program, args);
        EXPECT_TRUE(p.waitForFinished(60000));
        *exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        return QString::fromLocal8Bit(p.readAllStandardOutput());
    }

    static std::unique_ptr<QTemporaryDir> destdir;
    static bool installed;
    QTemporaryDir work;
};

std::unique_ptr<QTemporaryDir> InstalledTree::destdir;
bool InstalledTree::installed = false;

TEST_F(InstalledTree, HoldsTheProgramsAndEveryFileTheyRead)
{
    QStringList files{"bin/vkr2207", "bin/vkr2207-sim", "bin/vkr2207-config", "share/vkr2207/help/vkr2207.html",
                      "share/vkr2207/sim/vkr2207.sim", "share/vkr2207/sim/views.sim",
                      "share/man/man1/vkr2207.1.gz", "share/man/man1/vkr2207-sim.1.gz",
                      "share/man/man1/vkr2207-config.1.gz",
                      "share/applications/vkr2207.desktop", "share/icons/hicolor/scalable/apps/vkr2207.svg",
                      "share/doc/vkr2207/copyright", "share/doc/vkr2207/changelog.Debian.gz"};
    for (const char* name : kCatalogues)
        files << "share/vkr2207/errmsg/" + QLatin1String(name);
    for (const QString& file : files) {
        const QFileInfo info(Root() + "/" + file);
        EXPECT_TRUE(info.isFile() && info.size() > 0) << file.toStdString();
        EXPECT_EQ(info.isExecutable(), file.startsWith("bin/")) << file.toStdString();
    }
    // Nothing is left in bin/ but the programs.
    EXPECT_EQ(QDir(Root() + "/bin").entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              (QStringList{"vkr2207", "vkr2207-config", "vkr2207-sim"}));
}

// One release everywhere: the program's About text, the change log's latest entry (the
// package's version) and the manual pages' headers.
TEST_F(InstalledTree, ProgramChangeLogAndManualPagesCarryTheOneRelease)
{
    const QString release = QStringLiteral(VKR_RELEASE);
    QFile program(Root() + "/bin/vkr2207");
    ASSERT_TRUE(program.open(QIODevice::ReadOnly));
    EXPECT_TRUE(program.readAll().contains(("Release Version " + release + "(Build").toLatin1()));
    const auto unzipped = [](const QString& file) {
        QProcess gzip;
        gzip.start(QStringLiteral("gzip"), {"-dc", file});
        EXPECT_TRUE(gzip.waitForFinished(10000));
        return QString::fromUtf8(gzip.readAllStandardOutput());
    };
    const QString log = unzipped(Root() + "/share/doc/vkr2207/changelog.Debian.gz");
    EXPECT_TRUE(log.startsWith("vkr2207 (" + release + "-")) << log.left(60).toStdString();
    for (const char* page : {"vkr2207.1.gz", "vkr2207-sim.1.gz"})
        EXPECT_TRUE(unzipped(Root() + "/share/man/man1/" + QLatin1String(page)).contains("\"vkr2207 " + release + "\""))
            << page;
}

// The module's report of its files: each catalogue from share/vkr2207 with the first text it
// gave; a catalogue replaced there gives its own text.
TEST_F(InstalledTree, ModuleFindsItsCataloguesAndHelpAndReplacedCataloguesLocaliseIt)
{
    const QString errmsg = Root() + "/share/vkr2207/errmsg/";
    const QString ktsnmp = errmsg + "ktsnmp.err";
    QFile shipped(ktsnmp);
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    const QByteArray original = shipped.readAll();
    shipped.close();
    const QString shippedFirst = QString::fromUtf8(original.left(original.indexOf('\n'))).trimmed();
    ASSERT_FALSE(shippedFirst.isEmpty());

    struct Case {
        const char* name;
        QByteArray ktsnmpText;  // empty: as shipped
        QString expectedFirst;
    } cases[] = {
        {"Shipped", {}, shippedFirst},
        {"Localised", "(ZiDUVA++) In Ordnung!\n(ZiDUVA++) Zeitueberschreitung!\n",
         QStringLiteral("(ZiDUVA++) In Ordnung!")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile f(ktsnmp);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(c.ktsnmpText.isEmpty() ? original : c.ktsnmpText);
        f.close();

        int code = -1;
        const QString out = Run("vkr2207", {"--paths"}, &code);
        EXPECT_EQ(code, 0);
        for (const char* name : kCatalogues) {
            const QString line = "  " + errmsg + QLatin1String(name) + "\n";
            EXPECT_TRUE(out.contains(line)) << name << "\n" << out.toStdString();
        }
        EXPECT_TRUE(out.contains(ktsnmp + "\n      first text: " + c.expectedFirst + "\n")) << out.toStdString();
        EXPECT_TRUE(out.contains(QRegularExpression("\nHelp: +" + QRegularExpression::escape(
                                                        Root() + "/share/vkr2207/help/vkr2207.html") + "\n")))
            << out.toStdString();
        EXPECT_FALSE(out.contains("built-in texts")) << out.toStdString();
        EXPECT_FALSE(QFile::exists(work.filePath("registry.ini")));  // a report writes nothing
    }
}

TEST_F(InstalledTree, ProgramsPrintTheirUsage)
{
    const std::pair<const char*, const char*> programs[] = {{"vkr2207", "Usage: vkr2207 /I<address>"},
                                                            {"vkr2207-sim", "usage: vkr2207-sim [options]"},
                                                            {"vkr2207-config", "Usage: vkr2207-config save FILE"}};
    for (const auto& [program, start] : programs) {
        SCOPED_TRACE(program);
        int code = -1;
        EXPECT_TRUE(Run(program, {"--help"}, &code).startsWith(QLatin1String(start)));
        EXPECT_EQ(code, 0);
    }
}

// Without --data the installed simulator serves the shipped data from share/vkr2207/sim.
TEST_F(InstalledTree, SimulatorServesItsShippedData)
{
    QProcess sim;
    sim.setWorkingDirectory(work.path());
    sim.start(Root() + "/bin/vkr2207-sim", {"--port", "0", "--state", work.filePath("state")});
    ASSERT_TRUE(sim.waitForStarted(30000));
    QString out;
    QDeadlineTimer deadline(60000);
    while (!out.contains(" ready ") && !deadline.hasExpired() && sim.state() == QProcess::Running)
        if (sim.waitForReadyRead(1000))
            out += QString::fromLocal8Bit(sim.readAllStandardOutput());
    EXPECT_TRUE(out.startsWith("vkr2207-sim ready udp:127.0.0.1:")) << out.toStdString()
                                                                     << sim.readAllStandardError().toStdString();
    sim.terminate();
    ASSERT_TRUE(sim.waitForFinished(30000));
    EXPECT_EQ(sim.exitCode(), 0) << sim.readAllStandardError().toStdString();
}

} // namespace
