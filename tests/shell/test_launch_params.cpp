// The command line and the per-device configuration file (no widgets, no session).
#include "shell/LaunchParams.h"
#include "shell/ToolCommand.h"
#include "platform/ArgumentText.h"
#include "snmp/SnmpSession.h"
#include "tests/support/QtPrinters.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtGlobal>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

struct Result {
    const KtSNMPDefaultParams& d;
    const LaunchRecord& r;
    const PresenceFlags& f;
};

struct LaunchCase {
    const char* name;
    // Configuration files, by name inside the configuration folder.
    std::vector<std::pair<const char*, const char*>> files;
    QStringList args;
    std::function<void(const Result&)> expect;
};

void PrintTo(const LaunchCase& c, std::ostream* os)
{
    *os << c.name;
}

// A complete SNMPv3 device file (levels and protocols count from 0 here).
const char* kV3File =
    "[Program Information]\n"
    "AgentPort=1161\nVersion=3\nContextName=filectx\nContextEngineID=80001f88\n"
    "SecurityModel=3\nSecurityLevel=2\nSecurityName=fileuser\n"
    "AuthProtocol=2\nPrivProtocol=1\nAuthPassword=fileauth\nPrivPassword=filepriv\n";

// A file that names SNMPv3 but leaves levels, protocols and the optional texts alone: some
// keys present and empty, ContextEngineID missing.
const char* kSparseV3File =
    "[program information]\n"
    "agentport=161\nversion=3\nsecuritymodel=3\n"
    "SecurityLevel=0\nAuthProtocol=0\nPrivProtocol=0\n"
    "ContextName=\nAuthPassword=\nPrivPassword=\nSecurityName=\n";

const LaunchCase kCases[] = {
    {"FileValuesShiftedAndRecorded", {{"10.0.0.1.cfg", kV3File}}, {"/I10.0.0.1", "/Rpublic"},
     [](const Result& x) {
         EXPECT_TRUE(x.f.configFile);
         EXPECT_EQ(x.d.device.port, 1161);
         EXPECT_EQ(x.r.agentPort, "1161");
         EXPECT_EQ(x.d.security.version, 3);
         EXPECT_EQ(x.r.version, "3");
         EXPECT_EQ(x.d.security.securityLevel, 3);  // file 2 is authPriv
         EXPECT_EQ(x.r.securityLevel, "3");
         EXPECT_EQ(x.d.security.authProtocol, 3);   // file 2 is HMAC-SHA
         EXPECT_EQ(x.d.security.privProtocol, 2);   // file 1 is DES
         EXPECT_EQ(x.r.privProtocol, "2");
         EXPECT_EQ(x.d.scope.contextName, "filectx");
         EXPECT_EQ(x.d.scope.contextEngineID, "80001f88");
         EXPECT_EQ(x.d.security.securityName, "fileuser");
         EXPECT_EQ(x.d.security.privPassword, "filepriv");
         EXPECT_TRUE(x.f.contextName && x.f.securityLevel && x.f.authProtocol && x.f.privProtocol
                     && x.f.authPassword && x.f.privPassword);
         EXPECT_EQ(x.d.security.readCommunity, "public");
         EXPECT_EQ(x.d.security.writeCommunity, "rwcomm1");  // the file holds no communities
     }},
    {"FileReReadBeforeEachLaterSwitch", {{"10.0.0.1.cfg", kV3File}},
     {"/I10.0.0.1", "/ncliuser", "/Aclipass", "/l1", "/t2000", "/Rpublic"},
     [](const Result& x) {
         EXPECT_EQ(x.d.security.securityName, "fileuser");
         EXPECT_EQ(x.r.securityName, "fileuser");
         EXPECT_EQ(x.d.security.authPassword, "fileauth");
         EXPECT_EQ(x.r.authPassword, "fileauth");
         EXPECT_EQ(x.d.security.securityLevel, 3);
         EXPECT_EQ(x.d.device.port, 1161);
         EXPECT_EQ(x.r.agentPort, "1161");
     }},
    {"LastArgumentWinsOverFile", {{"10.0.0.1.cfg", kV3File}},
     {"/I10.0.0.1", "/Rpublic", "/nlastuser"},
     [](const Result& x) {
         EXPECT_EQ(x.d.security.securityName, "lastuser");
         EXPECT_EQ(x.r.securityName, "lastuser");
     }},
    {"EmptyOrZeroFileValuesLeaveSwitchesAlone", {{"sw1.cfg", kSparseV3File}},
     {"/Isw1", "/cclictx", "/Aclipass", "/Pclipriv", "/l2", "/a2", "/p2", "/dcliengine", "/ncliuser", "/Rx"},
     [](const Result& x) {
         EXPECT_EQ(x.d.scope.contextName, "clictx");
         EXPECT_EQ(x.d.security.authPassword, "clipass");
         EXPECT_EQ(x.d.security.privPassword, "clipriv");
         EXPECT_EQ(x.d.security.securityLevel, 2);
         EXPECT_EQ(x.d.security.authProtocol, 2);
         EXPECT_EQ(x.d.security.privProtocol, 2);
         EXPECT_EQ(x.r.authProtocol, "2");
         EXPECT_TRUE(x.f.contextName && x.f.authPassword && x.f.privPassword
                     && x.f.securityLevel && x.f.authProtocol && x.f.privProtocol);
         // A missing or empty key gives nothing, not even the texts the file applies always.
         EXPECT_EQ(x.d.scope.contextEngineID, "cliengine");
         EXPECT_EQ(x.r.contextEngineID, "cliengine");
         EXPECT_EQ(x.d.security.securityName, "cliuser");
         EXPECT_EQ(x.r.securityName, "cliuser");
     }},
    {"FileVersion3AdmitsEverySnmpV3Switch", {{"sw1.cfg", kSparseV3File}},
     {"/Isw1", "/t1620", "/ddeadbeef", "/m3", "/l3", "/a3", "/p2", "/Aap", "/Ppp", "/cctx", "/nbob"},
     [](const Result& x) {
         EXPECT_EQ(x.d.device.port, 161);  // re-read after "/t1620"
         EXPECT_EQ(x.d.scope.contextEngineID, "deadbeef");  // the file has none to give
         EXPECT_EQ(x.d.security.securityModel, 3);
         EXPECT_EQ(x.d.security.securityLevel, 3);
         EXPECT_EQ(x.r.securityLevel, "3");
         EXPECT_EQ(x.d.security.authProtocol, 3);
         EXPECT_EQ(x.d.security.privProtocol, 2);
         EXPECT_EQ(x.r.authPassword, "ap");
         EXPECT_EQ(x.r.privPassword, "pp");
         EXPECT_EQ(x.r.contextName, "ctx");
         EXPECT_EQ(x.d.security.securityName, "bob");
         EXPECT_EQ(x.r.securityName, "bob");
     }},
    {"PortIgnoredWithoutSnmpV3", {}, {"/I10.0.0.2", "/t162", "/nbob", "/v1"},
     [](const Result& x) {
         EXPECT_EQ(x.d.device.port, 161);
         EXPECT_EQ(x.r.agentPort, "");
         EXPECT_EQ(x.d.security.securityName, "");
         EXPECT_EQ(x.d.security.version, 1);
         EXPECT_EQ(x.r.version, "");  // "/v" sets only the global version
         EXPECT_FALSE(x.f.configFile);
     }},
    {"PortAfterVersion3", {}, {"/I10.0.0.2", "/v3", "/t162"},
     [](const Result& x) {
         EXPECT_EQ(x.d.device.port, 162);
         EXPECT_EQ(x.r.agentPort, "162");
     }},
    {"LevelZeroSetsNoFlag", {}, {"/I10.0.0.2", "/v3", "/l0"},
     [](const Result& x) {
         EXPECT_EQ(x.d.security.securityLevel, 0);
         EXPECT_EQ(x.r.securityLevel, "");
         EXPECT_FALSE(x.f.securityLevel);
     }},
    {"LevelZeroKeepsEarlierRecord", {}, {"/I10.0.0.2", "/v3", "/l2", "/l0"},
     [](const Result& x) {
         EXPECT_EQ(x.d.security.securityLevel, 0);
         EXPECT_EQ(x.r.securityLevel, "2");
     }},
    {"AuthProtocolZeroPinsRecord", {}, {"/I10.0.0.2", "/v3", "/a0", "/a2", "/p0", "/p2"},
     [](const Result& x) {
         EXPECT_EQ(x.d.security.authProtocol, 2);
         EXPECT_EQ(x.r.authProtocol, "0");
         EXPECT_EQ(x.d.security.privProtocol, 2);
         EXPECT_EQ(x.r.privProtocol, "0");
         EXPECT_TRUE(x.f.authProtocol && x.f.privProtocol);
     }},
    {"EmptyTextSwitchesSetNoFlag", {}, {"/I10.0.0.2", "/v3", "/c", "/A", "/P"},
     [](const Result& x) {
         EXPECT_FALSE(x.f.contextName || x.f.authPassword || x.f.privPassword);
         EXPECT_EQ(x.r.contextName, "");
     }},
    {"TextBeforeAddressSwitch", {}, {"-x/I10.0.0.9", "abc/Rro", "junk"},
     [](const Result& x) {
         EXPECT_EQ(x.r.deviceAddress, "10.0.0.9");
         EXPECT_EQ(x.d.device.address, "10.0.0.9");
         EXPECT_EQ(x.r.readCommunity, "ro");
         EXPECT_EQ(x.d.security.readCommunity, "ro");
     }},
    {"ArgumentBeforeAddressUsesBareCfg",
     {{".cfg", "[Program Information]\nAgentPort=162\nVersion=1\nSecurityModel=2\n"
               "SecurityLevel=0\nAuthProtocol=0\nPrivProtocol=0\n"},
      {"10.0.0.1.cfg", kV3File}},
     {"/Wsecret", "/I10.0.0.1"},
     [](const Result& x) {
         EXPECT_TRUE(x.f.configFile);
         EXPECT_EQ(x.r.version, "1");
         EXPECT_EQ(x.d.security.version, 1);
         EXPECT_EQ(x.d.device.port, 162);
         EXPECT_EQ(x.d.security.writeCommunity, "secret");
         EXPECT_EQ(x.d.device.address, "10.0.0.1");
         EXPECT_TRUE(x.d.getBulk);  // no GetBulk key
         EXPECT_FALSE(x.r.builtInViews);  // nor BuiltInViews
     }},
    {"GetBulkKeyTurnsBulkWalksOff",
     {{"10.0.0.3.cfg", "[Program Information]\nAgentPort=161\nVersion=1\nSecurityModel=2\nSecurityLevel=0\n"
                      "AuthProtocol=0\nPrivProtocol=0\nGetBulk=0\n"}},
     {"/I10.0.0.3", "/Rpublic"},
     [](const Result& x) { EXPECT_FALSE(x.d.getBulk); }},
    {"GetBulkStaysOnWithAnotherValue",
     {{"10.0.0.4.cfg", "[Program Information]\nAgentPort=161\nVersion=1\nSecurityModel=2\nSecurityLevel=0\n"
                      "AuthProtocol=0\nPrivProtocol=0\nGetBulk=1\n"}},
     {"/I10.0.0.4", "/Rpublic"},
     [](const Result& x) { EXPECT_TRUE(x.d.getBulk); }},
    {"BuiltInViewsKeyPrefersTheModulesViews",
     {{"10.0.0.5.cfg", "[Program Information]\nAgentPort=161\nVersion=1\nSecurityModel=2\nSecurityLevel=0\n"
                      "AuthProtocol=0\nPrivProtocol=0\nBuiltInViews=1\n"}},
     {"/I10.0.0.5", "/Rpublic"},
     [](const Result& x) { EXPECT_TRUE(x.r.builtInViews); }},
    {"BuiltInViewsOnlyWithOne",
     {{"10.0.0.6.cfg", "[Program Information]\nAgentPort=161\nVersion=1\nSecurityModel=2\nSecurityLevel=0\n"
                      "AuthProtocol=0\nPrivProtocol=0\nBuiltInViews=yes\n"}},
     {"/I10.0.0.6", "/Rpublic"},
     [](const Result& x) { EXPECT_FALSE(x.r.builtInViews); }},
    {"TrapPortFromTheFile",
     {{"10.0.0.7.cfg", "[Program Information]\nAgentPort=161\nVersion=1\nSecurityModel=2\nSecurityLevel=0\n"
                      "AuthProtocol=0\nPrivProtocol=0\nTrapPort=10162\n"}},
     {"/I10.0.0.7", "/Rpublic"},
     [](const Result& x) { EXPECT_EQ(x.r.trapPort, "10162"); }},
    // The switch wins over the file, wherever it stands; it is no community either.
    {"TrapPortSwitchWinsOverTheFile",
     {{"10.0.0.7.cfg", "[Program Information]\nAgentPort=161\nVersion=1\nSecurityModel=2\nSecurityLevel=0\n"
                      "AuthProtocol=0\nPrivProtocol=0\nTrapPort=10162\n"}},
     {"/I10.0.0.7", "--trap-port=20162", "/Rpublic"},
     [](const Result& x) {
         EXPECT_EQ(x.r.trapPort, "20162");
         EXPECT_EQ(x.d.security.readCommunity, "public");
     }},
    {"NoTrapPortGiven", {}, {"/I10.0.0.8", "/Rpublic"}, [](const Result& x) { EXPECT_EQ(x.r.trapPort, ""); }},
    {"FirstListedSwitchWins", {}, {"/I10.0.0.2", "/v3", "/nuser/Rcomm", "/Rcomm2/Wx"},
     [](const Result& x) {
         // "/R" is tried before "/n" and its value runs to the end of the argument.
         EXPECT_EQ(x.d.security.securityName, "");
         EXPECT_EQ(x.d.security.readCommunity, "comm2/Wx");
         EXPECT_EQ(x.d.security.writeCommunity, "rwcomm1");
     }},
};

class LaunchTest : public ::testing::TestWithParam<LaunchCase> {};

TEST_P(LaunchTest, Applies)
{
    const LaunchCase& c = GetParam();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const auto& [name, text] : c.files) {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
    KtSNMPDefaultParams defaults;
    LaunchParser parser(defaults, dir.path() + u'/');
    parser.ApplyArguments(c.args);
    c.expect(Result{defaults, parser.Record(), parser.Flags()});
}

INSTANTIATE_TEST_SUITE_P(CommandLine, LaunchTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct BadNumberCase {
    const char* cfg;  // contents of dev.cfg, or nullptr
    QStringList args;
    const char* message;  // %F: the configuration file's path
};

TEST(LaunchConversion, BadNumbersEndWithTheirMessage)
{
    const char* badLevel = "[Program Information]\nAgentPort=161\nVersion=3\nSecurityModel=3\n"
                           "SecurityLevel=high\n";
    const BadNumberCase cases[] = {
        {nullptr, {"/Idev", "/vthree"}, "'three' is not a valid integer value"},
        {nullptr, {"/Idev", "/v"}, "'' is not a valid integer value"},
        {nullptr, {"/Idev", "/v3", "/l2x"}, "'2x' is not a valid integer value"},
        {nullptr, {"/Idev", "/v3", "/t70000"}, "'70000' is not a valid port number"},
        {nullptr, {"/Idev", "/v259"}, "'259' is not a valid SNMP version"},
        // A file's bad value names its key and the file.
        {"", {"/Idev", "/Rx"}, "'' is not a valid integer value (key AgentPort in %F)"},
        {"\x01garbage\n", {"/Idev", "/Rx"}, "'' is not a valid integer value (key AgentPort in %F)"},
        {"[Program Information]\nAgentPort=161\nSecurityModel=3\n", {"/Idev", "/Rx"},
         "'' is not a valid integer value (key Version in %F)"},
        {"[Program Information]\nAgentPort=161\nVersion=1\n", {"/Idev", "/Rx"},
         "'' is not a valid integer value (key SecurityModel in %F)"},
        {badLevel, {"/Idev", "/Rx"}, "'high' is not a valid integer value (key SecurityLevel in %F)"},
        {"[Program Information]\nAgentPort=70000\n", {"/Idev", "/Rx"},
         "'70000' is not a valid port number (key AgentPort in %F)"},
        {nullptr, {"/Idev", "--trap-port=70000"}, "'70000' is not a valid port number"},
        {nullptr, {"/Idev", "--trap-port="}, "'' is not a valid integer value"},
        {"[Program Information]\nAgentPort=161\nVersion=1\nSecurityModel=2\nTrapPort=trap\n", {"/Idev", "/Rx"},
         "'trap' is not a valid integer value (key TrapPort in %F)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        QTemporaryDir dir;
        if (c.cfg) {
            QFile f(dir.filePath("dev.cfg"));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(c.cfg);
        }
        KtSNMPDefaultParams defaults;
        LaunchParser parser(defaults, dir.path() + u'/');
        try {
            parser.ApplyArguments(c.args);
            ADD_FAILURE() << "no conversion error";
        } catch (const LaunchConversionError& e) {
            EXPECT_EQ(e.Message().toStdString(),
                      QString::fromUtf8(c.message).replace("%F", dir.filePath("dev.cfg")).toStdString());
        }
    }
}

// SNMPv3 without a user cannot reach any agent: start-up says so and where to give one.
TEST(LaunchComplete, SnmpV3NeedsAUserName)
{
    const char* v3NoUser = "[Program Information]\nAgentPort=161\nVersion=3\nSecurityModel=3\n"
                           "SecurityLevel=0\nAuthProtocol=0\nPrivProtocol=0\n";
    const struct {
        const char* cfg;
        QStringList args;
        bool refused;
    } cases[] = {
        {nullptr, {"/Idev", "/v3"}, true},
        {nullptr, {"/Idev", "/v3", "/n"}, true},
        {nullptr, {"/Idev", "/v3", "/nbob"}, false},
        {nullptr, {"/Idev", "/v1"}, false},
        {v3NoUser, {"/Idev", "/Rx"}, true},
        {v3NoUser, {"/Idev", "/nbob", "/Rx"}, false},  // the file's missing key keeps the user
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        QTemporaryDir dir;
        if (c.cfg) {
            QFile f(dir.filePath("dev.cfg"));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(c.cfg);
        }
        KtSNMPDefaultParams defaults;
        LaunchParser parser(defaults, dir.path() + u'/');
        parser.ApplyArguments(c.args);
        try {
            parser.CheckComplete();
            EXPECT_FALSE(c.refused);
        } catch (const LaunchError& e) {
            EXPECT_TRUE(c.refused) << e.what();
            EXPECT_EQ(e.Message().toStdString(), "SNMPv3 needs a user name, and none was given: add the switch "
                                                 "/n<user name> or the key SecurityName to "
                                                     + dir.filePath("dev.cfg").toStdString());
        }
    }
}

TEST(LaunchUsage, OnlyTheHelpArgumentsAskForUsage)
{
    const std::pair<QStringList, bool> cases[] = {
        {{"--help"}, true},      {{"-h"}, true},          {{"/?"}, true},
        {{"/I10.0.0.1", "/?"}, true}, {{}, false},         {{"/I10.0.0.1", "/Rpublic"}, false},
        {{"/R-h"}, false},       {{"--helpme"}, false},   {{"/?x"}, false},
    };
    for (const auto& [args, asked] : cases)
        EXPECT_EQ(UsageRequested(args), asked) << args.join(' ').toStdString();
}

TEST(LaunchDisplay, ADisplayIsNeededOnlyByTheDisplayServersPlatforms)
{
    const struct {
        const char* platform;  // "" unset
        const char* display;
        const char* wayland;
        bool missing;
    } cases[] = {
        {"", "", "", true},
        {"", ":0", "", false},
        {"", "", "wayland-0", false},
        {"xcb", "", "wayland-0", true},
        {"xcb", ":1", "", false},
        {"wayland", ":1", "", true},
        {"wayland;xcb", ":1", "", false},
        {"wayland-egl", "", "wayland-1", false},
        {"offscreen", "", "", false},
        {"minimal:enable_fonts", "", "", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.platform) + "|" + c.display + "|" + c.wayland);
        QProcessEnvironment env;
        env.insert("QT_QPA_PLATFORM", c.platform);
        env.insert("DISPLAY", c.display);
        env.insert("WAYLAND_DISPLAY", c.wayland);
        const QString reason = NoDisplayReason(env);
        EXPECT_EQ(!reason.isEmpty(), c.missing) << reason.toStdString();
        if (c.missing) {
            EXPECT_TRUE(reason.startsWith("no display could be opened")) << reason.toStdString();
        }
    }
}

// The process's own argument memory, as /proc/PID/cmdline shows it.
struct ArgvBuffer {
    explicit ArgvBuffer(const std::vector<std::string>& args)
    {
        for (const std::string& a : args) {
            storage.emplace_back(a.begin(), a.end());
            storage.back().push_back('\0');
        }
        for (std::vector<char>& a : storage)
            argv.push_back(a.data());
        argv.push_back(nullptr);
    }
    int argc() const { return int(argv.size()) - 1; }
    std::vector<std::vector<char>> storage;
    std::vector<char*> argv;
};

// Communities and passwords reach the agent as the bytes given (not U+FFFD for bytes that are
// no UTF-8), and once taken they are gone from the argument memory; other switches stay.
TEST(LaunchArguments, SecretsKeepTheirBytesAndAreBlankedInTheArgumentMemory)
{
    const struct {
        std::string given;
        std::string left;  // the argument memory afterwards, as a C string
    } cases[] = {
        {"/I192.0.2.7", "/I192.0.2.7"},
        {"/Rpub\xE9", "/R"},
        {"/Wpriv\xFF\xFEx", "/W"},
        {"/v3", "/v3"},
        {"/nuser", "/nuser"},
        {"/Aauth \xC3\xA9t\xE9", "/A"},
        {"/Pprivpass", "/P"},
        {"/p2", "/p2"},
    };
    std::vector<std::string> args{"vkr2207"};
    for (const auto& c : cases)
        args.push_back(c.given);
    ArgvBuffer buffer(args);
    const QStringList taken = TakeArguments(buffer.argc(), buffer.argv.data(), nullptr);
    ASSERT_EQ(taken.size(), qsizetype(std::size(cases)));
    for (std::size_t k = 0; k < std::size(cases); ++k) {
        SCOPED_TRACE(cases[k].given);
        EXPECT_EQ(platform::ArgumentBytes(taken[qsizetype(k)]).toStdString(), cases[k].given);
        const std::vector<char>& memory = buffer.storage[k + 1];
        EXPECT_EQ(std::string(memory.data()), cases[k].left);
        // Nothing of the secret is left after the switch.
        EXPECT_TRUE(std::all_of(memory.begin() + std::ptrdiff_t(cases[k].left.size()), memory.end(),
                                [](char ch) { return ch == 0; }));
    }

    KtSNMPDefaultParams d;
    LaunchParser parser(d, QString());
    parser.ApplyArguments(taken);
    const snmp::Target t = KtSNMPBuildTarget(d, 1);
    EXPECT_EQ(t.readCommunity, "pub\xE9");
    EXPECT_EQ(t.writeCommunity, "priv\xFF\xFEx");
    EXPECT_EQ(t.authPassword, "auth \xC3\xA9t\xE9");
    EXPECT_EQ(t.privPassword, "privpass");
}

// "--stdin": the lines of standard input stand in its place; none of them is on the command line.
TEST(LaunchArguments, StdinGivesArgumentsOneALine)
{
    ArgvBuffer buffer({"vkr2207", "/I192.0.2.7", "--stdin", "/v1"});
    std::FILE* in = std::tmpfile();
    ASSERT_NE(in, nullptr);
    const std::string lines = "/Rpub\xE9\r\n\n  \n/Wpriv\n";
    std::fwrite(lines.data(), 1, lines.size(), in);
    std::rewind(in);
    const QStringList taken = TakeArguments(buffer.argc(), buffer.argv.data(), in);
    std::fclose(in);
    ASSERT_EQ(taken.size(), 4);
    EXPECT_EQ(taken[0], "/I192.0.2.7");
    EXPECT_EQ(platform::ArgumentBytes(taken[1]).toStdString(), "/Rpub\xE9");
    EXPECT_EQ(taken[2], "/Wpriv");
    EXPECT_EQ(taken[3], "/v1");
    EXPECT_FALSE(StdinArgumentsRequested({"/I192.0.2.7", "/Rstdin"}));
}

// Arguments keep their bytes as text and back, whatever the bytes.
TEST(LaunchArguments, ArgumentTextRoundTripsEveryByte)
{
    const std::string cases[] = {
        "plain", "\xC3\xA9t\xC3\xA9", "\xE9", "A\xD7", "\xF0\x9F\x98\x80", "\xED\xA0\x80", "\xC0\xAF",
        "\xF4\x90\x80\x80", "\xE2\x82", std::string("\x80\xBF\xFF", 3),
    };
    for (const std::string& c : cases) {
        SCOPED_TRACE(c);
        const QString text = platform::ArgumentText(QByteArray::fromStdString(c));
        EXPECT_EQ(platform::ArgumentBytes(text).toStdString(), c);
    }
    EXPECT_EQ(platform::ArgumentText("\xC3\xA9"), QString::fromUtf8("\xC3\xA9"));
}

TEST(LaunchConversion, UnrecognisedSwitchIsNotConverted)
{
    KtSNMPDefaultParams defaults;
    LaunchParser parser(defaults, QStringLiteral("/nonexistent/"));
    EXPECT_NO_THROW(parser.ApplyArguments({"/Idev", "/tnot-a-port", "/lx"}));
    EXPECT_EQ(defaults.device.port, 161);
}

// ---- the host suite's MIB tools --------------------------------------------------------------

struct ToolCase {
    const char* name;
    const char* cfg;  // the device file 10.0.0.1.cfg, or nullptr
    QStringList args;
    const char* menuArgument;
    const char* tool;
    QStringList expected;  // the tool's arguments, one per switch
};

void PrintTo(const ToolCase& c, std::ostream* os)
{
    *os << c.name;
}

const ToolCase kToolCases[] = {
    {"SnmpV1", nullptr, {"/I10.0.0.1", "/Rpublic", "/Wprivate"}, "/TMIB_IFTable", "MIB",
     {"/I10.0.0.1", "/Rpublic", "/Wprivate", "/TMIB_IFTable"}},
    {"SnmpV2cFromTheCommandLine", nullptr, {"/I10.0.0.1", "/Rpublic", "/Wprivate", "/v1", "/t1161"},
     "/TRmon_Statistics", "Rmon", {"/I10.0.0.1", "/Rpublic", "/Wprivate", "/TRmon_Statistics"}},
    {"SnmpV2cFromTheDeviceFile",
     "[Program Information]\nAgentPort=1161\nVersion=1\nSecurityModel=2\nSecurityLevel=0\n"
     "AuthProtocol=0\nPrivProtocol=0\nSecurityName=nobody\n",
     {"/I10.0.0.1", "/Rpublic", "/Wprivate"}, "/TBridge_TpPortInfo", "Bridge",
     {"/I10.0.0.1", "/Rpublic", "/Wprivate", "/TBridge_TpPortInfo"}},
    // Without a device file the version text is empty, and so are the switches never given.
    {"SnmpV3FromTheCommandLineOnly", nullptr,
     {"/I10.0.0.1", "/Rpublic", "/Wprivate", "/v3", "/t16100", "/nvkrmd5", "/l3", "/a2", "/Aauth pass", "/p2",
      "/Ppriv"},
     "/TIFMib_LastChangeTable", "IFMib",
     {"/I10.0.0.1", "/Rpublic", "/Wprivate", "/TIFMib_LastChangeTable", "/t16100", "/v", "/d", "/m", "/nvkrmd5",
      "/l3", "/a2", "/Aauth pass", "/p2", "/Ppriv"}},
    {"SnmpV3FromTheDeviceFile", kV3File, {"/I10.0.0.1", "/Rpublic", "/Wprivate"}, "/TEthernetLike_dot3StatsTable",
     "EthernetLike",
     {"/I10.0.0.1", "/Rpublic", "/Wprivate", "/TEthernetLike_dot3StatsTable", "/t1161", "/v3", "/d80001f88", "/m3",
      "/nfileuser", "/cfilectx", "/l3", "/a3", "/Afileauth", "/p2", "/Pfilepriv"}},
    // The file marks nothing optional; the password of the command line still goes along.
    {"SnmpV3FileWithoutOptionsAndPasswordOnTheCommandLine", kSparseV3File,
     {"/I10.0.0.1", "/Rpublic", "/Wprivate", "/ncliuser", "/Aclipass"}, "/TMIB_Info", "MIB",
     {"/I10.0.0.1", "/Rpublic", "/Wprivate", "/TMIB_Info", "/t161", "/v3", "/d", "/m3", "/ncliuser",
      "/Aclipass"}},
    // Blanks and quotes stay inside their argument: nothing goes through a shell.
    {"CommunitiesWithBlanksAndQuotes", nullptr, {"/I10.0.0.1", "/Rmy public", "/Wit's \"private\""},
     "/TMIB_ARP", "MIB", {"/I10.0.0.1", "/Rmy public", "/Wit's \"private\"", "/TMIB_ARP"}},
};

class ToolCommandTest : public ::testing::TestWithParam<ToolCase> {};

TEST_P(ToolCommandTest, BuildsTheArgumentVector)
{
    const ToolCase& c = GetParam();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    if (c.cfg) {
        QFile f(dir.filePath("10.0.0.1.cfg"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(c.cfg);
    }
    KtSNMPDefaultParams defaults;
    LaunchParser parser(defaults, dir.path() + u'/');
    parser.ApplyArguments(c.args);
    const ToolCommand command =
        BuildToolCommand(QString::fromUtf8(c.menuArgument), parser.Record(), parser.Flags(), defaults.security.version);
    EXPECT_EQ(command.toolName.toStdString(), c.tool);
    EXPECT_EQ(command.arguments.join(u'|').toStdString(), c.expected.join(u'|').toStdString());
}

INSTANTIATE_TEST_SUITE_P(Tools, ToolCommandTest, ::testing::ValuesIn(kToolCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The registry's finding on the host installation, and a tool that is missing or refuses to
// start, reach the status bar; the starter replaces the process start.
TEST(ToolLaunch, RegistryCasesAndFailuresGiveTheirStatusText)
{
    const char* appPath = "[SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\meridan51.exe]\n";
    const char* oldAppPath = "[SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\meridan5.exe]\n";
    const char* openView = "[SOFTWARE\\Hewlett-Packard\\OpenView]\nOV_PATH=/opt/OV\n";
    const char* openViewEmpty = "[SOFTWARE\\Hewlett-Packard\\OpenView]\nOV_PATH=\n";
    const char* openViewNoValue = "[SOFTWARE\\Hewlett-Packard\\OpenView]\nOther=1\n";
    enum Found { Installed, Missing, Refuses };
    const struct {
        const char* registry;  // nullptr: no registry file
        Found found;
        std::optional<QString> status;
    } cases[] = {
        {appPath, Installed, std::nullopt},
        {oldAppPath, Installed, std::nullopt},
        {openView, Installed, std::nullopt},
        // The host suite's key wins over an OpenView without a path.
        {"[SOFTWARE\\Hewlett-Packard\\OpenView]\nOV_PATH=\n"
         "[SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\meridan5.exe]\n",
         Installed, std::nullopt},
        {openViewEmpty, Installed, QStringLiteral("OpenView : File Path Error!")},
        {openViewNoValue, Installed, QStringLiteral("OpenView : File Path Error!")},
        {"[SOFTWARE\\Other]\n", Installed, QStringLiteral("No Path!")},
        {nullptr, Installed, QStringLiteral("No Path!")},
        {appPath, Missing, QStringLiteral("MIB: not installed")},
        {nullptr, Missing, QStringLiteral("MIB: not installed (No Path!)")},
        {openViewEmpty, Refuses, QStringLiteral("MIB: could not be started (OpenView : File Path Error!)")},
    };
    LaunchRecord launch;
    launch.deviceAddress = QStringLiteral("10.0.0.1");
    launch.readCommunity = QStringLiteral("public");
    const QStringList expectedArgs = {"/I10.0.0.1", "/Rpublic", "/W", "/TMIB_Info"};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.registry ? c.registry : "(no file)") + " found " + std::to_string(c.found));
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        const QString registry = dir.filePath("registry.ini");
        if (c.registry) {
            QFile f(registry);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(c.registry);
        }
        qputenv("VKR_REGISTRY_FILE", registry.toLocal8Bit());
        QStringList looked, started;
        ToolStarter starter{
            [&](const QString& tool) {
                looked << tool;
                return c.found == Missing ? QString() : "/opt/tools/" + tool;
            },
            [&](const QString& program, const QStringList& args) {
                started << program << args;
                return c.found == Installed;
            },
        };
        EXPECT_EQ(LaunchTool(QStringLiteral("/TMIB_Info"), launch, PresenceFlags{}, 0, starter), c.status);
        EXPECT_EQ(looked, QStringList{"MIB"});
        if (c.found == Missing) {
            EXPECT_TRUE(started.isEmpty());
        } else {
            EXPECT_EQ(started, QStringList{"/opt/tools/MIB"} + expectedArgs);
        }
        // The keys were only looked at.
        EXPECT_EQ(QFile::exists(registry), c.registry != nullptr);
        qunsetenv("VKR_REGISTRY_FILE");
    }
}

TEST(ToolLaunch, ToolNameRunsFromTheThirdCharacterToTheUnderscore)
{
    const std::pair<const char*, const char*> cases[] = {
        {"/TMIB_Info", "MIB"}, {"/TIFMib_LastChangeTable", "IFMib"}, {"/TEthernetLike_dot3StatsTable", "EthernetLike"},
        {"/TRmon_AlarmEvent", "Rmon"}, {"/TBridge_StaticFilter", "Bridge"}, {"/TVLan_x_y", "VLan"},
    };
    for (const auto& [argument, tool] : cases)
        EXPECT_EQ(ToolNameOf(QString::fromUtf8(argument)).toStdString(), tool) << argument;
}

} // namespace
