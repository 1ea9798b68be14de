// Start-up of the main window against a private working folder and registry file.
#include "KtNML/KtSNMPError.h"
#include "KtNML/KtSNMPSession.h"
#include "shell/Mainunit.h"
#include "shell/ModuleFiles.h"
#include "tests/support/HoldingRelay.h"
#include "tests/support/MessageRecorder.h"
#include "tests/support/SimProcess.h"
#include "tests/support/TestUtil.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QScrollArea>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <atomic>

namespace {

const QString kFileSystem = QStringLiteral("File System");
const QString kConfigFiles = QStringLiteral("Agent Supported Config Files");
const QString kMultiImage = QStringLiteral("Multiple Image Management");
const QString kMultiConfig = QStringLiteral("Multiple Config Management");

class MainFormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(work.isValid());
        oldCwd = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(work.path()));
        registry = work.filePath("reg/registry.ini");
        qputenv("VKR_REGISTRY_FILE", registry.toLocal8Bit());
        oldStateHome = qgetenv("XDG_STATE_HOME");
        qputenv("XDG_STATE_HOME", QFile::encodeName(work.filePath("state")));
    }
    void TearDown() override
    {
        qputenv("XDG_STATE_HOME", oldStateHome);
        qunsetenv("VKR_REGISTRY_FILE");
        QDir::setCurrent(oldCwd);
        KtSNMPCloseSession();
        ResetCatalogue();
    }

    void Write(const QString& relative, const QByteArray& text)
    {
        const QString name = work.filePath(relative);
        ASSERT_TRUE(QDir().mkpath(QFileInfo(name).absolutePath()));
        QFile f(name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }

    std::unique_ptr<TMainForm> Start(const QStringList& args)
    {
        exitCode = -1;
        return StartMainForm(args, &exitCode);
    }

    QTemporaryDir work;
    QString oldCwd;
    QByteArray oldStateHome;
    QString registry;
    testutil::MessageRecorder boxes;
    int exitCode = -1;
};

TEST_F(MainFormTest, BuildsTheWindowForTheAddress)
{
    auto form = Start({"/I192.0.2.7", "/Rpublic"});
    ASSERT_TRUE(form);
    EXPECT_EQ(MainForm, form.get());
    EXPECT_EQ(form->objectName(), "MainForm");
    EXPECT_EQ(form->windowTitle(), "192.0.2.7");
    EXPECT_EQ(form->width(), 800);
    EXPECT_EQ(form->centralWidget(), form->findChild<QScrollArea*>("ScrollBox1"));
    for (const char* name : {"ST_RmonState", "ST_STPVersion", "ST_8021xStatus"}) {
        SCOPED_TRACE(name);
        const QLabel* label = form->findChild<QLabel*>(name);
        ASSERT_TRUE(label);
        EXPECT_TRUE(label->isHidden());
    }
    EXPECT_EQ(form->statusBar(), form->findChild<QStatusBar*>("StatusBar"));
    EXPECT_EQ(KtSNMPDefaults.device.address, "192.0.2.7");
    EXPECT_EQ(KtSNMPDefaults.security.readCommunity, "public");
    EXPECT_FALSE(form->Activated());
    EXPECT_TRUE(boxes.texts.isEmpty());
    form.reset();
    EXPECT_EQ(MainForm, nullptr);
}

TEST_F(MainFormTest, FirstActivationIsSignalledOnce)
{
    // The first activation runs the start-up reads: the simulator answers them at once, where
    // an address without a switch made each wait out its time-out.
    testutil::SimProcess sim;
    ASSERT_TRUE(sim.start({QStringLiteral("--freeze")})) << sim.errorText().toStdString();
    auto form = Start({"/I" + sim.address(), "/Rpublic", "/v1"});
    ASSERT_TRUE(form);
    KtSNMPDefaults.device.port = sim.port();
    QSignalSpy first(form.get(), &TMainForm::FirstActivated);
    form->show();
    form->activateWindow();
    QApplication::processEvents();
    if (!form->isActiveWindow())
        GTEST_SKIP() << "this platform does not activate windows";
    EXPECT_TRUE(form->Activated());
    QWidget other;
    other.show();
    other.activateWindow();
    QApplication::processEvents();
    form->activateWindow();
    QApplication::processEvents();
    EXPECT_EQ(first.count(), 1);
}

TEST(DisplayScaleTest, Only96DpiIsUnscaled)
{
    const struct {
        double dpi;
        bool scaled;
        double factor;
    } cases[] = {{96, false, 1.0}, {120, true, 1.25}, {72, true, 1.25}, {144, true, 1.25}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dpi);
        const DisplayScale s = DisplayScaleFor(c.dpi);
        EXPECT_EQ(s.scaled, c.scaled);
        EXPECT_EQ(s.factor, c.factor);
    }
}

struct V3Case {
    const char* name;
    QStringList args;
    bool enabled;
};

void PrintTo(const V3Case& c, std::ostream* os)
{
    *os << c.name;
}

class SnmpV3MenuTest : public MainFormTest, public ::testing::WithParamInterface<V3Case> {};

TEST_P(SnmpV3MenuTest, EnabledOnlyForFinalVersion3)
{
    auto form = Start(GetParam().args);
    ASSERT_TRUE(form);
    QAction* v3 = form->MenuAction("SNMP V3");
    ASSERT_TRUE(v3);
    EXPECT_EQ(v3->isEnabled(), GetParam().enabled);
}

INSTANTIATE_TEST_SUITE_P(
    Versions, SnmpV3MenuTest,
    ::testing::Values(V3Case{"Default", {"/I192.0.2.7"}, false},
                      V3Case{"Version3", {"/I192.0.2.7", "/v3", "/nop"}, true},
                      V3Case{"Version2c", {"/I192.0.2.7", "/v1"}, false},
                      V3Case{"Version3ThenBack", {"/I192.0.2.7", "/v3", "/v0"}, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainFormTest, CreatedHelpPathKeySwapsFileMenusForImageMenus)
{
    auto form = Start({"/I192.0.2.7"});
    ASSERT_TRUE(form);
    QFile reg(registry);
    ASSERT_TRUE(reg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(reg.readAll().contains("[SOFTWARE\\Norvale\\Modules\\HelpPath]"));
    for (const QString& name : {kFileSystem, kConfigFiles, kMultiImage, kMultiConfig})
        ASSERT_TRUE(form->MenuAction(name)) << name.toStdString();
    EXPECT_FALSE(form->MenuAction(kFileSystem)->isVisible());
    EXPECT_FALSE(form->MenuAction(kConfigFiles)->isVisible());
    EXPECT_TRUE(form->MenuAction(kMultiImage)->isVisible());
    EXPECT_TRUE(form->MenuAction(kMultiConfig)->isVisible());
    EXPECT_EQ(form->ModuleFolder(), "");  // key without the value
}

TEST_F(MainFormTest, WithoutHelpPathKeyFileMenusStay)
{
    Write("blocker", "not a folder");
    qputenv("VKR_REGISTRY_FILE", work.filePath("blocker/registry.ini").toLocal8Bit());
    auto form = Start({"/I192.0.2.7"});
    ASSERT_TRUE(form);
    EXPECT_TRUE(form->MenuAction(kFileSystem)->isVisible());
    EXPECT_TRUE(form->MenuAction(kConfigFiles)->isVisible());
    EXPECT_TRUE(boxes.texts.isEmpty());  // not reported
}

TEST_F(MainFormTest, CataloguesComeFromTheModuleFolder)
{
    // The value names the help file; its last 12 characters are cut to give the folder.
    Write("reg/registry.ini", "[SOFTWARE\\Norvale\\Modules\\HelpPath]\n1.3.6.1.4.1.32473.10.101.1="
                                  + work.path().toUtf8() + "\\module\\VKR2207.hlpx\n");
    Write("module/errmsg/common.err", "module common text\n");
    Write("errmsg/common.err", "working folder text\n");
    auto form = Start({"/I192.0.2.7"});
    ASSERT_TRUE(form);
    EXPECT_EQ(form->ModuleFolder(), work.path() + "/module/");
    EXPECT_EQ(KtFamilyText(KtMsgFamily::Common, 0), "module common text");
}

TEST_F(MainFormTest, CataloguesFromTheWorkingFolderWithoutModuleFolder)
{
    Write("errmsg/common.err", "working folder text\n");
    auto form = Start({"/I192.0.2.7"});
    ASSERT_TRUE(form);
    EXPECT_EQ(KtFamilyText(KtMsgFamily::Common, 0), "working folder text");
}

// Without a module folder nor errmsg/ in the working folder, the catalogues beside the
// program (the build folder) are read; installed, those of its data folder.
TEST_F(MainFormTest, CataloguesFromTheProgramWithoutModuleOrWorkingFolder)
{
    auto form = Start({"/I192.0.2.7"});
    ASSERT_TRUE(form);
    EXPECT_EQ(form->CatalogueFolder(), QCoreApplication::applicationDirPath() + "/");
}

TEST_F(MainFormTest, CatalogueFolderOrder)
{
    struct Case {
        const char* name;
        bool moduleFolder;     // the registry names <tree>/module/
        bool workingErrmsg;    // errmsg/ in the working folder
        QStringList folders;   // made below <tree>, the program in <tree>/bin
        const char* expected;  // %T the tree
    } cases[] = {
        {"ModuleFolderFirst", true, true, {"bin/errmsg"}, "%T/module/"},
        {"WorkingFolder", false, true, {"bin/errmsg"}, ""},
        {"BesideTheProgram", false, false, {"bin/errmsg", "share/vkr2207/errmsg"}, "%T/bin/"},
        {"Installed", false, false, {"share/vkr2207/errmsg"}, "%T/share/vkr2207/"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir tree;
        ASSERT_TRUE(tree.isValid());
        ASSERT_TRUE(QDir(tree.path()).mkpath("bin"));
        for (const QString& folder : c.folders)
            ASSERT_TRUE(QDir(tree.path()).mkpath(folder));
        QDir(work.filePath("errmsg")).removeRecursively();
        if (c.workingErrmsg) {
            ASSERT_TRUE(QDir(work.path()).mkpath("errmsg"));
        }
        const QString module = c.moduleFolder ? tree.filePath("module/") : QString();
        EXPECT_EQ(CatalogueFolderFor(module, tree.filePath("bin")),
                  QString::fromLatin1(c.expected).replace("%T", tree.path()));
    }
}

struct FolderCase {
    const char* name;
    const char* registry;  // placeholders: %W the working folder
    const char* cfgPath;   // where the device file is put, relative to the working folder
    const char* expectedFolder;
};

void PrintTo(const FolderCase& c, std::ostream* os)
{
    *os << c.name;
}

class ConfigFolderTest : public MainFormTest, public ::testing::WithParamInterface<FolderCase> {};

TEST_P(ConfigFolderTest, DeviceFileFoundThroughRegistry)
{
    const FolderCase& c = GetParam();
    Write("reg/registry.ini", QByteArray(c.registry).replace("%W", work.path().toUtf8()));
    ASSERT_TRUE(QDir(work.path()).mkpath("bin"));  // the host's program folder exists
    Write(c.cfgPath, "[Program Information]\nAgentPort=1161\nVersion=3\nSecurityModel=3\n"
                     "SecurityLevel=0\nAuthProtocol=0\nPrivProtocol=0\nSecurityName=op\n");
    auto form = Start({"/I192.0.2.7", "/Rpublic"});
    ASSERT_TRUE(form);
    EXPECT_EQ(form->ConfigFolder(), QString(c.expectedFolder).replace("%W", work.path()));
    EXPECT_TRUE(form->Presence().configFile);
    EXPECT_EQ(form->Launch().version, "3");
    EXPECT_EQ(KtSNMPDefaults.device.port, 1161);
    EXPECT_TRUE(form->MenuAction("SNMP V3")->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    Registry, ConfigFolderTest,
    ::testing::Values(
        FolderCase{"ExePath",
                   "[SOFTWARE\\Norvale\\Meridan5.1\\ExePath]\nPath=%W\\bin\\\n",
                   "Conf/MBF/192.0.2.7.cfg", "%W/bin/../Conf/MBF/"},
        FolderCase{"MibFileReplacesExePath",
                   "[SOFTWARE\\Norvale\\Meridan5.1\\ExePath]\nPath=%W\\bin\\\n"
                   "[SOFTWARE\\Norvale\\Meridan5.1\\MibFile]\nPath=%W\\mib\\\n",
                   "mib/192.0.2.7.cfg", "%W/mib/"},
        FolderCase{"NoKeysMeansWorkingFolder", "", "192.0.2.7.cfg", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainFormTest, StartUpFailuresShowTheirMessage)
{
    const QString bootsFile = work.filePath(QStringLiteral("state/vkr2207/") + kKtBootsFileName);
    struct {
        QStringList args;
        bool bootsFolder;  // a folder where the boots file belongs
        QString message;
        bool failure;
    } cases[] = {
        {{}, false, "No parameter input", false},
        {{"/I192.0.2.7", "/vx"}, false, "'x' is not a valid integer value", true},
        {{"/I192.0.2.7", "/v3", "/l1"}, false,
         "SNMPv3 needs a user name, and none was given: add the switch /n<user name> or the key "
         "SecurityName to %W/192.0.2.7.cfg",
         true},
        {{"/I192.0.2.7", "/v3", "/nuser"}, true,
         "(ZiDUVA++) Error when saving SNMP engine boots counter! (" + bootsFile + ")", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        boxes.texts.clear();
        QFile::remove(bootsFile);
        if (c.bootsFolder) {
            ASSERT_TRUE(QDir().mkpath(bootsFile));
        }
        EXPECT_FALSE(Start(c.args));
        EXPECT_EQ(boxes.texts, QStringList{QString(c.message).replace("%W", QDir::currentPath())});
        EXPECT_EQ(exitCode != 0, c.failure);
        EXPECT_EQ(MainForm, nullptr);
    }
}

// The boots file is SNMPv3's alone and lives in the user's state folder, never in the folder
// the module was started from.
TEST_F(MainFormTest, BootsFileLivesInTheStateFolderAndOnlyForSNMPv3)
{
    const QString bootsFile = work.filePath(QStringLiteral("state/vkr2207/") + kKtBootsFileName);
    ASSERT_TRUE(Start({"/I192.0.2.7", "/Rpublic", "/v1"}));
    EXPECT_FALSE(QFileInfo::exists(work.filePath("state")));
    KtSNMPCloseSession();
    ASSERT_TRUE(Start({"/I192.0.2.7", "/v3", "/nuser"}));
    EXPECT_TRUE(QFileInfo(bootsFile).isFile());
    EXPECT_FALSE(QFileInfo::exists(work.filePath(kKtBootsFileName)));
}

// The start-up reads block; before the first one goes out the window shows why, and the wait
// cursor and the status text go when they are done (a failure's own message stays).
TEST_F(MainFormTest, StartUpReadsShowAWaitCursorAndTheAddress)
{
    auto form = Start({"/I127.0.0.1", "/Rpublic", "/v1"});
    ASSERT_TRUE(form);
    QLabel* status = form->findChild<QLabel*>("StatusPanel");
    ASSERT_TRUE(status);
    std::atomic<bool> paintedReading{false};
    struct PaintSpy : QObject {
        std::atomic<bool>* painted;
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            if (event->type() == QEvent::Paint)
                *painted = static_cast<QLabel*>(watched)->text() == "Reading 127.0.0.1...";
            return false;
        }
    } spy;
    spy.painted = &paintedReading;
    status->installEventFilter(&spy);

    QString textAtFirstRead;
    int cursorAtFirstRead = -1;
    bool paintedAtFirstRead = false;
    // Nothing is answered until the checks are done: the main thread is then blocked inside the
    // first synchronous read when it reaches the relay, so the window's state can be read from
    // the relay's thread. Released afterwards, the simulator answers the LED poll, which would
    // otherwise keep closing the window waiting out the poll's long time-out.
    testutil::SimProcess sim;
    ASSERT_TRUE(sim.start({QStringLiteral("--freeze")})) << sim.errorText().toStdString();
    testutil::HoldingRelay agent(sim.port(), [&] {
        textAtFirstRead = status->text();
        const QCursor* cursor = QGuiApplication::overrideCursor();
        cursorAtFirstRead = cursor ? int(cursor->shape()) : -1;
        paintedAtFirstRead = paintedReading;
    });
    ASSERT_NE(agent.port(), 0);
    KtSNMPDefaults.device.port = agent.port();
    KtSNMPDefaults.timeout = 10;

    form->show();
    form->activateWindow();
    if (!testutil::waitFor([&] { return form->Activated(); }, 5000))
        GTEST_SKIP() << "this platform does not activate windows";
    ASSERT_TRUE(testutil::waitFor([&] { return agent.noted(); }, 5000));
    EXPECT_EQ(textAtFirstRead, "Reading 127.0.0.1...");
    EXPECT_EQ(cursorAtFirstRead, int(Qt::WaitCursor));
    EXPECT_TRUE(paintedAtFirstRead);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    // The last gate's failure is what the status bar tells now.
    EXPECT_FALSE(form->StatusText().isEmpty());
    EXPECT_NE(form->StatusText(), "Reading 127.0.0.1...");
    status->removeEventFilter(&spy);
    agent.release();
    form.reset();  // closing waits for the LED poll, which the relay lets through now
}

TEST_F(MainFormTest, StartUpReadsThatSucceedGiveTheStatusBarBack)
{
    testutil::SimProcess sim;
    ASSERT_TRUE(sim.start({QStringLiteral("--freeze")})) << sim.errorText().toStdString();
    auto form = Start({"/I" + sim.address(), "/Rpublic", "/v1"});
    ASSERT_TRUE(form);
    KtSNMPDefaults.device.port = sim.port();
    form->SetStatusText("before");
    form->show();
    form->activateWindow();
    if (!testutil::waitFor([&] { return form->Activated(); }, 5000))
        GTEST_SKIP() << "this platform does not activate windows";
    EXPECT_GE(sim.requests().size(), 4);  // combo states, LEDs, RMON, 802.1X
    // With SNMPv2c tables are walked with get-bulk; the start-up reads are gets as before.
    for (const testutil::SimProcess::Request& q : sim.requests())
        EXPECT_EQ(q.type, "GET") << q.seq;
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    // The text from before, unless the first LED poll's answer has already written its line.
    const QString text = form->StatusText();
    EXPECT_TRUE(text == "before" || text.contains("Led Status")) << text.toStdString();
}

// Usage goes to the terminal before any window: with no display at all the program would
// fail if it tried to open one.
TEST(UsageTest, HelpPrintsTheSwitchesAndEndsWithoutAWindow)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.insert("QT_QPA_PLATFORM", "xcb");
    const QStringList asks[] = {{"--help"}, {"-h"}, {"/?"}, {"/I192.0.2.7", "-h"}};
    for (const QStringList& args : asks) {
        SCOPED_TRACE(args.join(' ').toStdString());
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(VKR_MODULE_BIN), args);
        ASSERT_TRUE(p.waitForFinished(30000));
        EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
        const QString out = QString::fromLocal8Bit(p.readAllStandardOutput());
        EXPECT_TRUE(out.startsWith("Usage: vkr2207 /I<address>")) << out.toStdString();
        for (const char* sw : {"/I<", "/R<", "/W<", "/v<", "/t<", "/c<", "/d<", "/m<", "/l<", "/n<", "/A<", "/P<",
                               "/a<", "/p<", "--help", "--paths", "SecurityName", "AgentPort"})
            EXPECT_TRUE(out.contains(QLatin1String(sw))) << sw;
    }
}

// Without a display the toolkit would abort (exit 134): the module says so on the terminal,
// points to --help and ends with 2, whatever the arguments.
TEST(UsageTest, WithoutADisplayItSaysSoAndEndsWith2)
{
    const struct {
        const char* platform;  // null: unset
        QStringList args;
    } cases[] = {
        {nullptr, {}},
        {nullptr, {"/I192.0.2.7", "/Rpublic"}},
        {"xcb", {}},
        {"wayland", {"/I192.0.2.7"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.platform ? c.platform : "unset") + " " + c.args.join(' ').toStdString());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "WAYLAND_SOCKET", "QT_QPA_PLATFORM"})
            env.remove(name);
        if (c.platform)
            env.insert("QT_QPA_PLATFORM", c.platform);
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(VKR_MODULE_BIN), c.args);
        ASSERT_TRUE(p.waitForFinished(30000));
        EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(p.exitCode(), 2);
        const QString err = QString::fromLocal8Bit(p.readAllStandardError());
        EXPECT_TRUE(err.startsWith("vkr2207: no display could be opened")) << err.toStdString();
        EXPECT_TRUE(err.contains("--help")) << err.toStdString();
    }
}

// A started module keeps its communities and passwords out of the process list: once read
// they are gone from /proc/PID/cmdline, while the address stays for the operator to see.
TEST(ProcessListTest, CommunitiesAndPasswordsLeaveTheCommandLine)
{
    QTemporaryDir dir;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("VKR_REGISTRY_FILE", dir.filePath("registry.ini"));
    env.insert("XDG_STATE_HOME", dir.filePath("state"));
    QProcess p;
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(dir.path());
    p.start(QStringLiteral(VKR_MODULE_BIN), {"/I192.0.2.7", "/Rread-secret", "/Wwrite-secret", "/v3", "/nuser",
                                              "/l3", "/a3", "/Aauth-secret", "/p2", "/Ppriv-secret"});
    ASSERT_TRUE(p.waitForStarted(30000));
    const QString cmdline = QStringLiteral("/proc/%1/cmdline").arg(p.processId());
    QByteArray shown;
    const bool blanked = testutil::waitFor(
        [&] {
            QFile f(cmdline);
            shown = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
            return !shown.isEmpty() && !shown.contains("secret");
        },
        30000);
    const bool running = p.state() == QProcess::Running;
    p.kill();
    p.waitForFinished(10000);
    ASSERT_TRUE(running) << p.readAllStandardError().toStdString();
    EXPECT_TRUE(blanked) << QByteArray(shown).replace('\0', ' ').toStdString();
    // Arguments are separated by zero bytes; a blanked one is its switch and zeros.
    const auto args = [](std::initializer_list<const char*> parts) {
        QByteArray b;
        for (const char* part : parts)
            b.append(part).append('\0');
        return b;
    };
    EXPECT_TRUE(shown.startsWith(QByteArray(VKR_MODULE_BIN).append('\0') + args({"/I192.0.2.7", "/R"})));
    EXPECT_TRUE(shown.contains(args({"/v3", "/nuser", "/l3", "/a3", "/A"})));
}

TEST_F(MainFormTest, DamagedBootsFileIsReplacedAtStartUp)
{
    Write(kKtBootsFileName, "not a boots line\n");
    ASSERT_TRUE(Start({"/I192.0.2.7"}));
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
    EXPECT_EQ(KtSNMPEngineBoots(), 1u);
}

} // namespace
