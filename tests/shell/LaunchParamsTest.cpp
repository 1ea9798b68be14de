// The command line and the per-device configuration file (no widgets, no session).
#include "shell/LaunchParams.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

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
     }},
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

TEST(LaunchConversion, UnrecognisedSwitchIsNotConverted)
{
    KtSNMPDefaultParams defaults;
    LaunchParser parser(defaults, QStringLiteral("/nonexistent/"));
    EXPECT_NO_THROW(parser.ApplyArguments({"/Idev", "/tnot-a-port", "/lx"}));
    EXPECT_EQ(defaults.device.port, 161);
}

} // namespace
