// The connect dialog: the command line it builds against the program's own parser, its input
// checks, its Test against the simulator, and the recent devices with and without secrets.
#include "KtNML/KtSNMPError.h"
#include "shell/ConnectForm.h"
#include "shell/LaunchParams.h"
#include "shell/Mainunit.h"
#include "snmp/SnmpSession.h"
#include "tests/support/MainFormFolder.h"
#include "tests/support/MessageRecorder.h"
#include "tests/support/SimProcess.h"
#include "tests/support/TestUtil.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <sys/stat.h>

namespace {

using testutil::SimProcess;

// What the parser makes of a command line, with no device file in reach.
struct Parsed {
    KtSNMPDefaultParams defaults;
    LaunchRecord record;
    PresenceFlags flags;
};

Parsed Parse(const QStringList& args, const QString& emptyFolder)
{
    Parsed p;
    LaunchParser parser(p.defaults, emptyFolder + QLatin1Char('/'));
    parser.ApplyArguments(args);
    parser.CheckComplete();
    p.record = parser.Record();
    p.flags = parser.Flags();
    return p;
}

void ExpectSameParams(const KtSNMPDefaultParams& a, const KtSNMPDefaultParams& b)
{
    EXPECT_EQ(a.device.address, b.device.address);
    EXPECT_EQ(a.device.port, b.device.port);
    EXPECT_EQ(a.scope.contextName, b.scope.contextName);
    EXPECT_EQ(a.scope.contextEngineID, b.scope.contextEngineID);
    const KtSNMPSecurity& x = a.security;
    const KtSNMPSecurity& y = b.security;
    EXPECT_EQ(x.version, y.version);
    EXPECT_EQ(x.readCommunity, y.readCommunity);
    EXPECT_EQ(x.writeCommunity, y.writeCommunity);
    EXPECT_EQ(x.securityModel, y.securityModel);
    EXPECT_EQ(x.securityLevel, y.securityLevel);
    EXPECT_EQ(x.securityName, y.securityName);
    EXPECT_EQ(x.authPassword, y.authPassword);
    EXPECT_EQ(x.privPassword, y.privPassword);
    EXPECT_EQ(x.authProtocol, y.authProtocol);
    EXPECT_EQ(x.privProtocol, y.privProtocol);
    EXPECT_EQ(a.timeout, b.timeout);
}

void ExpectSameLaunch(const Parsed& a, const Parsed& b)
{
    ExpectSameParams(a.defaults, b.defaults);
    const LaunchRecord& r = a.record;
    const LaunchRecord& s = b.record;
    const QString left[] = {r.deviceAddress, r.readCommunity, r.writeCommunity, r.agentPort, r.version,
                            r.securityName, r.authPassword, r.privPassword, r.authProtocol, r.privProtocol,
                            r.contextEngineID, r.securityLevel, r.contextName, r.securityModel};
    const QString right[] = {s.deviceAddress, s.readCommunity, s.writeCommunity, s.agentPort, s.version,
                             s.securityName, s.authPassword, s.privPassword, s.authProtocol, s.privProtocol,
                             s.contextEngineID, s.securityLevel, s.contextName, s.securityModel};
    for (std::size_t i = 0; i < std::size(left); ++i)
        EXPECT_EQ(left[i], right[i]) << "launch record field " << i;
    const PresenceFlags& f = a.flags;
    const PresenceFlags& g = b.flags;
    EXPECT_EQ(f.contextName, g.contextName);
    EXPECT_EQ(f.securityLevel, g.securityLevel);
    EXPECT_EQ(f.authProtocol, g.authProtocol);
    EXPECT_EQ(f.authPassword, g.authPassword);
    EXPECT_EQ(f.privProtocol, g.privProtocol);
    EXPECT_EQ(f.privPassword, g.privPassword);
}

class ConnectFormTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    QString RecentFile() const { return dir.filePath(QStringLiteral("cfg/vkr2207/recent-devices.json")); }

    std::unique_ptr<TConnectForm> NewForm() { return std::make_unique<TConnectForm>(RecentFile()); }

    QByteArray RecentText() const
    {
        QFile f(RecentFile());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    static mode_t ModeOf(const QString& name)
    {
        struct stat st {};
        return ::stat(QFile::encodeName(name).constData(), &st) == 0 ? (st.st_mode & 0777) : 0;
    }

    // Fills the form through its controls, as the operator would.
    static void Fill(TConnectForm& form, const ConnectSettings& s)
    {
        form.ED_Address->setText(s.address);
        form.ED_Port->setText(s.port);
        form.CB_Version->setCurrentIndex(form.CB_Version->findData(s.version));
        form.ED_ReadCommunity->setText(s.readCommunity);
        form.ED_WriteCommunity->setText(s.writeCommunity);
        form.ED_User->setText(s.securityName);
        form.CB_SecurityLevel->setCurrentIndex(form.CB_SecurityLevel->findData(s.securityLevel));
        form.CB_AuthProtocol->setCurrentIndex(form.CB_AuthProtocol->findData(s.authProtocol));
        form.ED_AuthPassword->setText(s.authPassword);
        form.CB_PrivProtocol->setCurrentIndex(form.CB_PrivProtocol->findData(s.privProtocol));
        form.ED_PrivPassword->setText(s.privPassword);
        form.ED_Context->setText(s.contextName);
    }

    QTemporaryDir dir;
    testutil::MessageRecorder boxes;
};

ConnectSettings V2c(const QString& address, quint16 port)
{
    ConnectSettings s;
    s.address = address;
    s.port = QString::number(port);
    s.version = 1;
    s.readCommunity = QStringLiteral("public");
    s.writeCommunity = QStringLiteral("private");
    return s;
}

ConnectSettings V3(const QString& address, quint16 port, const char* user, int level, int auth, int priv)
{
    ConnectSettings s;
    s.address = address;
    s.port = QString::number(port);
    s.version = 3;
    s.readCommunity = QStringLiteral("notused");
    s.securityName = QLatin1String(user);
    s.securityLevel = level;
    s.authProtocol = auth;
    s.authPassword = QStringLiteral("vkrauthpass");
    s.privProtocol = priv;
    s.privPassword = QStringLiteral("vkrprivpass");
    return s;
}

// ---- the command line ----

struct EquivalenceCase {
    const char* name;
    ConnectSettings settings;
    QStringList commandLine;  // as an operator would type it
    quint16 port;
    int version;
    int level;
};

TEST_F(ConnectFormTest, OkBuildsTheLaunchOfTheEquivalentCommandLine)
{
    ConnectSettings v1 = V2c(QStringLiteral("192.0.2.10"), 161);
    v1.version = 0;
    ConnectSettings withContext = V3(QStringLiteral("10.0.0.5"), 161, "vkrmd5", 3, 2, 2);
    withContext.contextName = QStringLiteral("ctx1");
    const EquivalenceCase cases[] = {
        {"v1", v1, {"/I192.0.2.10", "/Rpublic", "/Wprivate", "/v0"}, 161, 0, 1},
        {"v2c on another port over IPv6", V2c(QStringLiteral("::1"), 1161),
         {"/I::1", "/Rpublic", "/Wprivate", "/v3", "/t1161", "/v1"}, 1161, 1, 1},
        {"v3 noAuthNoPriv by host name", V3(QStringLiteral("switch-1.lab"), 161, "vkrnone", 1, 3, 5),
         {"/Iswitch-1.lab", "/v3", "/m3", "/nvkrnone", "/l1"}, 161, 3, 1},
        {"v3 authNoPriv", V3(QStringLiteral("10.0.0.5"), 16100, "vkrsha", 2, 3, 5),
         {"/I10.0.0.5", "/v3", "/t16100", "/m3", "/nvkrsha", "/l2", "/a3", "/Avkrauthpass"}, 16100, 3, 2},
        {"v3 authPriv with a context", withContext,
         {"/I10.0.0.5", "/v3", "/m3", "/nvkrmd5", "/l3", "/a2", "/Avkrauthpass", "/p2", "/Pvkrprivpass", "/cctx1"},
         161, 3, 3},
    };
    for (const EquivalenceCase& c : cases) {
        SCOPED_TRACE(c.name);
        auto form = NewForm();
        Fill(*form, c.settings);
        form->btnOK->click();
        ASSERT_EQ(form->result(), QDialog::Accepted) << boxes.texts.join('|').toStdString();
        const Parsed fromForm = Parse(form->Arguments(), dir.path());
        const Parsed typed = Parse(c.commandLine, dir.path());
        ExpectSameLaunch(fromForm, typed);
        // Not both wrong the same way: the values the operator chose are the session's.
        EXPECT_EQ(fromForm.defaults.device.address, c.settings.address);
        EXPECT_EQ(fromForm.defaults.device.port, c.port);
        EXPECT_EQ(fromForm.defaults.security.version, c.version);
        EXPECT_EQ(fromForm.defaults.security.securityLevel, c.level);
        // The Test talks with exactly what the module will use.
        ExpectSameParams(ConnectParams(form->Settings()), fromForm.defaults);
    }
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
}

TEST_F(ConnectFormTest, RefusesInputTheModuleCannotStartWith)
{
    struct FaultCase {
        const char* name;
        std::function<void(ConnectSettings&)> change;
        const char* message;  // part of the box's text
    };
    const FaultCase cases[] = {
        {"no address", [](ConnectSettings& s) { s.address.clear(); }, "Enter the switch's address"},
        {"IPv4 out of range", [](ConnectSettings& s) { s.address = "300.1.1.1"; }, "'300.1.1.1' is not an IPv4"},
        {"three octets", [](ConnectSettings& s) { s.address = "10.1.1"; }, "'10.1.1' is not an IPv4"},
        {"bad IPv6", [](ConnectSettings& s) { s.address = "fe80::1::2"; }, "'fe80::1::2' is not an IPv4"},
        {"blank in a name", [](ConnectSettings& s) { s.address = "my switch"; }, "'my switch' is not an IPv4"},
        {"port 0", [](ConnectSettings& s) { s.port = "0"; }, "'0' is not a valid agent port"},
        {"port too large", [](ConnectSettings& s) { s.port = "65536"; }, "'65536' is not a valid agent port"},
        {"port not a number", [](ConnectSettings& s) { s.port = "16x"; }, "'16x' is not a valid agent port"},
        {"v3 without a user",
         [](ConnectSettings& s) {
             s.version = 3;
             s.securityName.clear();
         },
         "SNMPv3 needs a user name"},
        {"short authentication password",
         [](ConnectSettings& s) {
             s = V3("10.0.0.5", 161, "vkrsha", 2, 3, 5);
             s.authPassword = "1234567";
         },
         "authentication password needs at least 8"},
        {"short privacy password",
         [](ConnectSettings& s) {
             s = V3("10.0.0.5", 161, "vkrsha", 3, 3, 5);
             s.privPassword = "short";
         },
         "privacy password needs at least 8"},
        {"community holding a switch", [](ConnectSettings& s) { s.readCommunity = "pub/Ilic"; },
         "read community cannot contain \"/I\""},
    };
    for (const FaultCase& c : cases) {
        SCOPED_TRACE(c.name);
        boxes.Clear();
        ConnectSettings s = V2c(QStringLiteral("192.0.2.10"), 161);
        c.change(s);
        auto form = NewForm();
        Fill(*form, s);
        form->btnOK->click();
        ASSERT_EQ(boxes.boxes.size(), 1u);
        EXPECT_EQ(boxes.boxes[0].kind, KtMessageKind::Warning);
        EXPECT_TRUE(boxes.texts[0].contains(QLatin1String(c.message))) << boxes.texts[0].toStdString();
        // Nothing happens: the dialog stays open, gives no command line and remembers nothing.
        EXPECT_NE(form->result(), QDialog::Accepted);
        EXPECT_TRUE(form->Arguments().isEmpty());
        EXPECT_FALSE(QFileInfo::exists(RecentFile()));
        // Test refuses it the same way before anything is sent.
        form->btnTest->click();
        EXPECT_EQ(boxes.boxes.size(), 2u);
        EXPECT_FALSE(form->Testing());
    }
}

TEST_F(ConnectFormTest, FieldsFollowVersionAndLevel)
{
    auto form = NewForm();
    struct {
        int version, level;
        bool communities, user, auth, priv;
    } const cases[] = {{0, 3, true, false, false, false},
                       {1, 3, true, false, false, false},
                       {3, 1, false, true, false, false},
                       {3, 2, false, true, true, false},
                       {3, 3, false, true, true, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "version " << c.version << " level " << c.level);
        form->CB_Version->setCurrentIndex(form->CB_Version->findData(c.version));
        form->CB_SecurityLevel->setCurrentIndex(form->CB_SecurityLevel->findData(c.level));
        EXPECT_EQ(form->ED_ReadCommunity->isEnabled(), c.communities);
        EXPECT_EQ(form->ED_WriteCommunity->isEnabled(), c.communities);
        EXPECT_EQ(form->ED_User->isEnabled(), c.user);
        EXPECT_EQ(form->CB_SecurityLevel->isEnabled(), c.user);
        EXPECT_EQ(form->ED_Context->isEnabled(), c.user);
        EXPECT_EQ(form->CB_AuthProtocol->isEnabled(), c.auth);
        EXPECT_EQ(form->ED_AuthPassword->isEnabled(), c.auth);
        EXPECT_EQ(form->CB_PrivProtocol->isEnabled(), c.priv);
        EXPECT_EQ(form->ED_PrivPassword->isEnabled(), c.priv);
    }
}

// Tab goes down the dialog as it is shown, over the fields the version and level leave
// enabled, through the result box to the buttons.
TEST_F(ConnectFormTest, TabFollowsTheFieldsAsShown)
{
    auto form = NewForm();
    ConnectSettings v3;
    v3.version = 3;
    v3.securityLevel = 3;
    v3.securityName = "op";
    form->SetSettings(v3);
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    form->ED_Address->setFocus();
    const std::vector<QWidget*> expected = {
        form->ED_Port,         form->CB_Version,      form->ED_User,         form->CB_SecurityLevel,
        form->CB_AuthProtocol, form->ED_AuthPassword, form->CB_PrivProtocol, form->ED_PrivPassword,
        form->ED_Context,      form->CK_SaveSecrets,  form->MM_TestResult,   form->btnTest,
        form->btnOK,           form->btnCancel};
    for (QWidget* next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString() << " expected, focus on "
                                                     << (QApplication::focusWidget() ? QApplication::focusWidget()->objectName().toStdString() : "nothing");
    }
    form->reject();
}

TEST_F(ConnectFormTest, CancelGivesNoCommandLine)
{
    auto form = NewForm();
    Fill(*form, V2c(QStringLiteral("192.0.2.10"), 161));
    form->btnCancel->click();
    EXPECT_EQ(form->result(), QDialog::Rejected);
    EXPECT_TRUE(form->Arguments().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(RecentFile()));
    EXPECT_TRUE(boxes.texts.isEmpty());
}

TEST(ConnectArgumentsTest, ConnectIsAskedForByItsOwnArgument)
{
    EXPECT_TRUE(ConnectRequested({"--connect"}));
    EXPECT_FALSE(ConnectRequested({}));
    EXPECT_FALSE(ConnectRequested({"/I10.0.0.1", "/Rconnect"}));
}

// ---- Test against the simulator ----

class ConnectTestButton : public ConnectFormTest {
protected:
    // Presses Test and waits for its answer; Test stays disabled while it waits.
    void RunTest(TConnectForm& form)
    {
        form.btnTest->click();
        EXPECT_TRUE(form.Testing());
        EXPECT_FALSE(form.btnTest->isEnabled());
        ASSERT_TRUE(testutil::waitFor([&] { return !form.Testing(); }, 20000));
        EXPECT_TRUE(form.btnTest->isEnabled());
    }
    SimProcess sim;
};

TEST_F(ConnectTestButton, ShowsTheIdentityOfAVkr2207)
{
    ASSERT_TRUE(sim.start()) << sim.errorText().toStdString();
    const ConnectSettings cases[] = {V2c(sim.address(), sim.port()),
                                     V3(sim.address(), sim.port(), "vkrsha", 3, 3, 5)};
    for (const ConnectSettings& s : cases) {
        SCOPED_TRACE(RecentDevices::Caption(s).toStdString());
        auto form = NewForm();
        Fill(*form, s);
        RunTest(*form);
        const QString result = form->MM_TestResult->toPlainText();
        EXPECT_TRUE(result.contains("Description: VKR-2207 Managed Ethernet Switch")) << result.toStdString();
        EXPECT_TRUE(result.contains(QStringLiteral("Object ID: ") + QLatin1String(kHelpPathValue)))
            << result.toStdString();
        // The up time as a duration of the codec ("h:mm:ss.hh", days ahead of it).
        EXPECT_TRUE(result.contains(QRegularExpression(QStringLiteral("Up time: (\\d+ days?,? )?\\d+:\\d\\d:\\d\\d\\.\\d\\d"))))
            << result.toStdString();
        EXPECT_TRUE(form->LB_Identity->isHidden());
        EXPECT_TRUE(boxes.texts.isEmpty());
        // Testing neither accepts the dialog nor remembers the device.
        EXPECT_NE(form->result(), QDialog::Accepted);
        EXPECT_FALSE(QFileInfo::exists(RecentFile()));
    }
}

TEST_F(ConnectTestButton, WarnsWhenTheDeviceIsNoVkr2207)
{
    ASSERT_TRUE(sim.start({"--data", testutil::sourceDir() + "/tests/shell/data/other-device.sim"}))
        << sim.errorText().toStdString();
    auto form = NewForm();
    Fill(*form, V2c(sim.address(), sim.port()));
    RunTest(*form);
    EXPECT_TRUE(form->MM_TestResult->toPlainText().contains("Description: Other Vendor 48-port switch"));
    EXPECT_TRUE(form->MM_TestResult->toPlainText().contains("Up time: 1 day 0:00:00.00"))
        << form->MM_TestResult->toPlainText().toStdString();
    ASSERT_FALSE(form->LB_Identity->isHidden());
    EXPECT_TRUE(form->LB_Identity->text().contains("1.3.6.1.4.1.99999.1.2")) << form->LB_Identity->text().toStdString();
    EXPECT_TRUE(form->LB_Identity->text().contains("does not identify as a VKR-2207"));
}

TEST_F(ConnectTestButton, ReportsTheError)
{
    struct {
        const char* name;
        QStringList simArgs;
        bool v3;
        const char* authPassword;
        int status;
    } const cases[] = {
        {"no answer", {"--drop", "all"}, false, "", snmp::status::Timeout},
        {"no answer to SNMPv3", {"--drop", "all"}, true, "vkrauthpass", snmp::status::Timeout},
        {"wrong authentication password", {}, true, "wrongpass1", snmp::status::UsmAuthenticationFailure},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SimProcess agent;
        ASSERT_TRUE(agent.start(c.simArgs)) << agent.errorText().toStdString();
        ConnectSettings s = c.v3 ? V3(agent.address(), agent.port(), "vkrsha", 2, 3, 5) : V2c(agent.address(), agent.port());
        s.authPassword = QLatin1String(c.authPassword);
        auto form = NewForm();
        Fill(*form, s);
        form->MM_TestResult->clear();
        RunTest(*form);
        const QString result = form->MM_TestResult->toPlainText();
        EXPECT_EQ(result, QStringLiteral("Test failed: ") + MapStatus(c.status).message);
        EXPECT_FALSE(result.contains("Description"));
        EXPECT_TRUE(form->LB_Identity->isHidden());
    }
}

// OK's command line starts the main window for the device the dialog named, on its port.
TEST_F(ConnectTestButton, MainWindowStartsForTheChosenDevice)
{
    testutil::MainFormFolder folder;
    ASSERT_TRUE(folder.Entered());
    ASSERT_TRUE(sim.start()) << sim.errorText().toStdString();
    auto form = NewForm();
    Fill(*form, V2c(sim.address(), sim.port()));
    form->btnOK->click();
    ASSERT_EQ(form->result(), QDialog::Accepted);

    int exitCode = -1;
    std::unique_ptr<TMainForm> main = StartMainForm(form->Arguments(), &exitCode);
    ASSERT_TRUE(main) << boxes.texts.join('|').toStdString();
    EXPECT_EQ(main->windowTitle(), sim.address() + ":" + QString::number(sim.port()));
    EXPECT_EQ(KtSNMPDefaults.device.address, sim.address());
    EXPECT_EQ(KtSNMPDefaults.device.port, sim.port());
    EXPECT_EQ(KtSNMPDefaults.security.version, 1);
    EXPECT_EQ(KtSNMPDefaults.security.readCommunity, "public");
    EXPECT_EQ(KtSNMPDefaults.security.writeCommunity, "private");
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
}

// ---- recent devices ----

TEST_F(ConnectFormTest, RecentDevicesKeepNoSecretsUnlessAsked)
{
    ConnectSettings v2 = V2c(QStringLiteral("192.0.2.10"), 1161);
    v2.readCommunity = QStringLiteral("s3cretRead");
    v2.writeCommunity = QStringLiteral("s3cretWrite");
    {
        auto form = NewForm();
        EXPECT_FALSE(form->CB_Recent->isEnabled());
        Fill(*form, v2);
        form->btnOK->click();
        ASSERT_EQ(form->result(), QDialog::Accepted);
    }
    const QByteArray plain = RecentText();
    ASSERT_FALSE(plain.isEmpty());
    EXPECT_TRUE(plain.contains("192.0.2.10"));
    for (const char* secret : {"s3cretRead", "s3cretWrite"})
        EXPECT_FALSE(plain.contains(secret)) << secret;
    EXPECT_EQ(ModeOf(RecentFile()), mode_t(0600));
    EXPECT_EQ(ModeOf(QFileInfo(RecentFile()).absolutePath()), mode_t(0700));

    ConnectSettings v3 = V3(QStringLiteral("switch-1.lab"), 161, "vkrsha", 3, 5, 7);
    v3.authPassword = QStringLiteral("AuthSecret1");
    v3.privPassword = QStringLiteral("PrivSecret1");
    v3.contextName = QStringLiteral("ctx1");
    {
        auto form = NewForm();
        // Picking the saved device fills everything but what was not saved.
        ASSERT_EQ(form->CB_Recent->count(), 1);
        EXPECT_EQ(form->CB_Recent->currentIndex(), -1);
        emit form->CB_Recent->activated(0);
        ConnectSettings expected = v2;
        expected.readCommunity.clear();
        expected.writeCommunity.clear();
        EXPECT_EQ(form->Settings(), ConnectSettings(expected));
        EXPECT_FALSE(form->CK_SaveSecrets->isChecked());

        Fill(*form, v3);
        form->CK_SaveSecrets->setChecked(true);
        form->btnOK->click();
        ASSERT_EQ(form->result(), QDialog::Accepted);
    }
    const QByteArray withSecrets = RecentText();
    for (const char* secret : {"AuthSecret1", "PrivSecret1"})
        EXPECT_TRUE(withSecrets.contains(secret)) << secret;
    EXPECT_FALSE(withSecrets.contains("s3cretRead"));
    EXPECT_EQ(ModeOf(RecentFile()), mode_t(0600));

    auto form = NewForm();
    ASSERT_EQ(form->CB_Recent->count(), 2);
    EXPECT_EQ(form->CB_Recent->itemText(0), RecentDevices::Caption(v3));  // newest first
    emit form->CB_Recent->activated(0);
    EXPECT_EQ(form->Settings().authPassword, "AuthSecret1");
    EXPECT_EQ(form->Settings().privPassword, "PrivSecret1");
    EXPECT_EQ(form->Settings().contextName, "ctx1");
    EXPECT_EQ(form->Settings().authProtocol, 5);
    EXPECT_EQ(form->Settings().privProtocol, 7);
    EXPECT_TRUE(form->CK_SaveSecrets->isChecked());
}

TEST_F(ConnectFormTest, RecentDevicesKeepTheLastTenAndTightenAnOpenFile)
{
    // A file left readable by others is written back for its owner alone.
    ASSERT_TRUE(QDir().mkpath(QFileInfo(RecentFile()).absolutePath()));
    {
        QFile f(RecentFile());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("{}");
    }
    ASSERT_EQ(::chmod(QFile::encodeName(RecentFile()).constData(), 0644), 0);

    RecentDevices recent(RecentFile());
    for (int i = 1; i <= 12; ++i)
        ASSERT_TRUE(recent.Remember(V2c(QStringLiteral("10.0.0.%1").arg(i), 161), false));
    // The same device again moves to the front instead of appearing twice.
    ASSERT_TRUE(recent.Remember(V2c(QStringLiteral("10.0.0.5"), 161), false));
    EXPECT_EQ(ModeOf(RecentFile()), mode_t(0600));

    RecentDevices reread(RecentFile());
    reread.Load();
    QStringList addresses;
    for (const RecentDevices::Entry& e : reread.Entries())
        addresses << e.settings.address;
    EXPECT_EQ(addresses.join(' '), "10.0.0.5 10.0.0.12 10.0.0.11 10.0.0.10 10.0.0.9 10.0.0.8 10.0.0.7 10.0.0.6 "
                                   "10.0.0.4 10.0.0.3");
}

// The recent devices file is read only as a regular file (a FIFO in its place does not block
// the dialog) and never written through a symbolic link, whose target keeps its contents.
TEST_F(ConnectFormTest, RecentDevicesAreNeitherReadFromAFifoNorWrittenThroughALink)
{
    ASSERT_TRUE(QDir().mkpath(QFileInfo(RecentFile()).absolutePath()));
    const QString target = dir.filePath("elsewhere.json");
    {
        QFile f(target);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("{\"recent\":[{\"address\":\"10.9.9.9\"}]}");
    }
    const struct {
        const char* name;
        std::function<void()> place;
        int entries;  // read from it
    } cases[] = {
        {"a FIFO", [&] { ASSERT_EQ(::mkfifo(QFile::encodeName(RecentFile()).constData(), 0600), 0); }, 0},
        {"a link to a file", [&] { ASSERT_TRUE(QFile::link(target, RecentFile())); }, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        c.place();
        RecentDevices recent(RecentFile());
        recent.Load();
        EXPECT_EQ(int(recent.Entries().size()), c.entries);
        EXPECT_FALSE(recent.Remember(V2c(QStringLiteral("10.0.0.1"), 161), false));
        QFile f(target);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), QByteArray("{\"recent\":[{\"address\":\"10.9.9.9\"}]}"));
        QFile::remove(RecentFile());
    }
}

} // namespace
