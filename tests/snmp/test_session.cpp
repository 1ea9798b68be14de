// The global session and the SNMP adapter against a real agent (Debian's snmpd).
#include "KtNML/KtSNMPError.h"
#include "KtNML/KtSNMPSession.h"
#include "snmp/SnmpSession.h"
#include "tests/support/SimProcess.h"
#include "tests/support/SnmpdProcess.h"
#include "tests/support/TestUtil.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char* kLocationOid = "1.3.6.1.2.1.1.6.0";

snmp::Pdu getPdu(const char* oidText)
{
    snmp::Pdu pdu;
    pdu.type = snmp::PduType::Get;
    snmp::Varbind vb;
    snmp::oidFromText(oidText, vb.oid);
    pdu.varbinds.push_back(vb);
    return pdu;
}

// Framework code of a synchronous get of sysLocation; the value read goes to *value.
int syncGet(const KtSNMPDefaultParams& params, std::string* value = nullptr)
{
    try {
        const snmp::Target target = KtSNMPBuildTarget(params, 1);
        snmp::Pdu pdu = getPdu(kLocationOid);
        const int code = MapStatus(KtSNMPGlobalSession()->send(target, pdu)).code;
        if (code == 0 && value)
            *value = pdu.varbinds.at(0).bytes;
        return code;
    } catch (const KtException& e) {
        return e.Code();
    }
}

class SessionAgainstSnmpd : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_dir = new QTemporaryDir;
        s_agent = new testutil::SnmpdProcess;
        s_agentStarted = s_agent->start();
        KtSNMPInitSession(s_dir->path());
    }
    static void TearDownTestSuite()
    {
        KtSNMPCloseSession();
        delete s_agent;
        delete s_dir;
    }
    void SetUp() override { ASSERT_TRUE(s_agentStarted) << s_agent->error().toStdString(); }

    static KtSNMPDefaultParams params(int version)
    {
        KtSNMPDefaultParams p;
        p.device.port = s_agent->port();
        p.security.version = quint8(version);
        p.security.readCommunity = "public";
        p.security.writeCommunity = "private";
        p.timeout = 50;
        return p;
    }
    static KtSNMPDefaultParams v3(const char* user, int level, int auth, const char* authPass, int priv = 1,
                                  const char* privPass = "")
    {
        KtSNMPDefaultParams p = params(3);
        p.security.securityModel = 3;
        p.security.securityName = user;
        p.security.securityLevel = level;
        p.security.authProtocol = auth;
        p.security.authPassword = authPass;
        p.security.privProtocol = priv;
        p.security.privPassword = privPass;
        return p;
    }

    static QTemporaryDir* s_dir;
    static testutil::SnmpdProcess* s_agent;
    static bool s_agentStarted;
};

QTemporaryDir* SessionAgainstSnmpd::s_dir = nullptr;
testutil::SnmpdProcess* SessionAgainstSnmpd::s_agent = nullptr;
bool SessionAgainstSnmpd::s_agentStarted = false;


TEST_F(SessionAgainstSnmpd, SynchronousGetForEveryVersionAndSecurityLevel)
{
    struct Case {
        const char* name;
        KtSNMPDefaultParams p;
        int code;
    };
    KtSNMPDefaultParams badCommunity = params(1);
    badCommunity.security.readCommunity = "nosuch";
    badCommunity.timeout = 20;
    const Case cases[] = {
        {"v1 community", params(0), 0},
        {"v2c community", params(1), 0},
        {"v2c over IPv6", [] { KtSNMPDefaultParams p = params(1); p.device.address = "::1"; return p; }(), 0},
        {"v2c unknown community is dropped by the agent", badCommunity, -405},
        {"v3 noAuthNoPriv", v3("noauthuser", 1, 1, ""), 0},
        {"v3 authNoPriv MD5", v3("md5user", 2, 2, "md5password"), 0},
        {"v3 authNoPriv SHA", v3("shauser", 2, 3, "shapassword"), 0},
        {"v3 authPriv SHA/DES", v3("desuser", 3, 3, "despassword", 2, "desprivpass"), 0},
        {"v3 authPriv MD5/AES-128", v3("aesuser", 3, 2, "aespassword", 5, "aesprivpass"), 0},
        {"v3 authPriv SHA-256/AES-128", v3("sha256user", 3, 5, "sha256password", 5, "sha256privpass"), 0},
        {"v3 auth-only user at noAuthNoPriv: the agent refuses access", v3("md5user", 1, 1, ""), -116},
        {"v3 unknown user", v3("nobody", 2, 3, "whatever1"), -304},
        {"v3 IDEA privacy is not supported", v3("desuser", 3, 3, "despassword", 4, "desprivpass"), -313},
        {"v3 3DES privacy is not in this library", v3("desuser", 3, 3, "despassword", 3, "desprivpass"), -313},
        {"v3 unknown auth protocol code", v3("shauser", 2, 8, "shapassword"), -312},
        {"v3 authPriv without a privacy protocol", v3("desuser", 3, 3, "despassword"), -303},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string value;
        EXPECT_EQ(syncGet(c.p, &value), c.code);
        if (c.code == 0) {
            EXPECT_EQ(value, testutil::SnmpdProcess::kLocation);
        }
    }
}

TEST_F(SessionAgainstSnmpd, WrongPasswordFailsEvenRightAfterTheRightOneAndTheReverse)
{
    const KtSNMPDefaultParams good = v3("shauser", 2, 3, "shapassword");
    const KtSNMPDefaultParams bad = v3("shauser", 2, 3, "wrongpassword");
    EXPECT_EQ(syncGet(good), 0);
    EXPECT_EQ(syncGet(bad), -308);
    EXPECT_EQ(MapStatus(1408).message.toStdString(), "(SNMPv3USM) Authentication failure!");
    EXPECT_EQ(syncGet(good), 0);
    EXPECT_EQ(syncGet(bad), -308);

    const KtSNMPDefaultParams goodPriv = v3("aesuser", 3, 2, "aespassword", 5, "aesprivpass");
    const KtSNMPDefaultParams badAuth = v3("aesuser", 3, 2, "aespasswordX", 5, "aesprivpass");
    EXPECT_EQ(syncGet(badAuth), -308);
    EXPECT_EQ(syncGet(goodPriv), 0);
}

TEST_F(SessionAgainstSnmpd, AsynchronousV3GetDiscoversTheEngineWithoutBlocking)
{
    // A fresh agent: its engine ID is not known to the session yet.
    testutil::SnmpdProcess agent;
    ASSERT_TRUE(agent.start()) << agent.error().toStdString();
    KtSNMPDefaultParams p = v3("desuser", 3, 3, "despassword", 2, "desprivpass");
    p.device.port = agent.port();
    const snmp::Target target = KtSNMPBuildTarget(p, 1);
    ASSERT_TRUE(KtSNMPGlobalSession()->discoveredEngineId("127.0.0.1", agent.port()).empty());

    int status = 99;
    std::string value;
    const int sent = KtSNMPGlobalSession()->sendAsync(target, getPdu(kLocationOid),
                                                      [&](int st, const snmp::Pdu& response) {
                                                          status = st;
                                                          if (!response.varbinds.empty())
                                                              value = response.varbinds[0].bytes;
                                                      });
    ASSERT_EQ(sent, 0);
    EXPECT_EQ(status, 99) << "the callback must not run inside sendAsync";
    ASSERT_TRUE(testutil::waitFor([&] { return status != 99; }, 5000));
    EXPECT_EQ(status, 0);
    EXPECT_EQ(value, testutil::SnmpdProcess::kLocation);
    EXPECT_FALSE(KtSNMPGlobalSession()->discoveredEngineId("127.0.0.1", agent.port()).empty());
}

TEST_F(SessionAgainstSnmpd, AsynchronousGetToASilentPortTimesOutWhileTheLoopRuns)
{
    const quint16 silent = testutil::freeUdpPort();
    for (int version : {1, 3}) {
        SCOPED_TRACE(version);
        KtSNMPDefaultParams p = version == 3 ? v3("shauser", 2, 3, "shapassword") : params(1);
        p.device.port = silent;
        p.timeout = 30;  // 0.3 s per try, two tries
        const snmp::Target target = KtSNMPBuildTarget(p, 1);

        int ticks = 0;
        QTimer ticker;
        QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
        ticker.start(10);
        int status = 99;
        QElapsedTimer clock;
        clock.start();
        ASSERT_EQ(KtSNMPGlobalSession()->sendAsync(target, getPdu(kLocationOid),
                                                   [&](int st, const snmp::Pdu&) { status = st; }),
                  0);
        ASSERT_TRUE(testutil::waitFor([&] { return status != 99; }, 5000));
        EXPECT_EQ(MapStatus(status).code, -405);
        EXPECT_GE(clock.elapsed(), 550);
        EXPECT_GT(ticks, 20) << "the event loop must keep running while the request waits";
    }
}

// A datagram the kernel refuses (broadcast without permission, no route, a message larger
// than UDP carries) fails the send at once. Each such send is reported exactly once: by the
// return value, or, while a v3 request waits for engine discovery, by its callback; nothing
// is freed twice (the suite runs under AddressSanitizer).
TEST_F(SessionAgainstSnmpd, RefusedSendIsReportedOnceAndFreedOnce)
{
    const std::string huge(100 * 1024, 'x');
    const auto broadcast = [](KtSNMPDefaultParams p) {
        p.device.address = "255.255.255.255";
        return p;
    };
    KtSNMPDefaultParams longCommunity = params(1);
    longCommunity.security.readCommunity = QString::fromStdString(huge);
    KtSNMPDefaultParams longUser = v3("", 2, 3, "shapassword");
    longUser.security.securityName = QString::fromStdString(huge);
    struct Case {
        const char* name;
        KtSNMPDefaultParams p;
        int code;
    };
    const Case cases[] = {
        {"v1 broadcast", broadcast(params(0)), -422},
        {"v2c broadcast", broadcast(params(1)), -422},
        {"v3 broadcast: the discovery probe is refused", broadcast(v3("shauser", 2, 3, "shapassword")), -422},
        {"v2c 100 KB community", longCommunity, -401},
        {"v3 100 KB user name", longUser, -401},
    };
    snmp::Session* session = KtSNMPGlobalSession();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const snmp::Target target = KtSNMPBuildTarget(c.p, 1);

        snmp::Pdu pdu = getPdu(kLocationOid);
        EXPECT_EQ(MapStatus(session->send(target, pdu)).code, c.code) << "synchronous";

        int reports = 0;
        int code = 0;
        const int sent = session->sendAsync(target, getPdu(kLocationOid), [&](int st, const snmp::Pdu&) {
            ++reports;
            code = MapStatus(st).code;
        });
        if (sent != 0) {
            ++reports;
            code = MapStatus(sent).code;
        }
        // Whatever the pump still holds for this send is delivered now.
        ASSERT_TRUE(testutil::waitFor([&] { return reports > 0 && session->outstanding() == 0; }, 5000));
        for (int i = 0; i < 3; ++i)
            session->processPendingEvents();
        EXPECT_EQ(reports, 1);
        EXPECT_EQ(code, c.code);
    }
}

// The switch restarts at the same address and port. Reset to factory settings (a fresh state
// folder) it has a new engine ID; restarted as it was, the same one with boots one higher. The
// same session recovers either way: at most one request fails before they succeed again.
TEST(SessionAgainstSimulator, V3RecoversWhenTheSwitchRestartsWithANewOrTheSameEngineId)
{
    QTemporaryDir dir;
    KtSNMPInitSession(dir.path());
    snmp::Session* session = KtSNMPGlobalSession();
    testutil::SimProcess sim;
    ASSERT_TRUE(sim.start({"--freeze"})) << sim.errorText().toStdString();
    KtSNMPDefaultParams p;
    p.device.address = sim.address();
    p.device.port = sim.port();
    p.security.version = 3;
    p.security.securityModel = 3;
    p.security.securityName = "vkrsha";
    p.security.securityLevel = 3;
    p.security.authProtocol = 3;
    p.security.authPassword = "vkrauthpass";
    p.security.privProtocol = 5;
    p.security.privPassword = "vkrprivpass";
    p.timeout = 50;
    const snmp::Target target = KtSNMPBuildTarget(p, 1);
    const auto get = [&](bool sync) {
        if (sync) {
            snmp::Pdu pdu = getPdu(kLocationOid);
            return MapStatus(session->send(target, pdu)).code;
        }
        int code = 1;
        const int sent = session->sendAsync(target, getPdu(kLocationOid),
                                            [&](int st, const snmp::Pdu&) { code = MapStatus(st).code; });
        if (sent != 0)
            return MapStatus(sent).code;
        return testutil::waitFor([&] { return code != 1; }, 10000) ? code : 1;
    };

    const struct {
        const char* name;
        bool freshState;
        bool sync;
    } cases[] = {
        {"new engine ID, asynchronous", true, false},
        {"new engine ID, synchronous", true, true},
        {"same engine ID, asynchronous", false, false},
        {"same engine ID, synchronous", false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(get(c.sync), 0);
        const std::string before = session->discoveredEngineId(sim.address().toStdString(), sim.port());
        ASSERT_FALSE(before.empty());

        ASSERT_TRUE(sim.restart(c.freshState)) << sim.errorText().toStdString();
        std::vector<int> codes;
        while (codes.size() < 3 && (codes.empty() || codes.back() != 0))
            codes.push_back(get(c.sync));
        EXPECT_EQ(codes.back(), 0);
        EXPECT_LE(codes.size(), 2u) << "codes: " << ::testing::PrintToString(codes);
        const std::string after = session->discoveredEngineId(sim.address().toStdString(), sim.port());
        EXPECT_EQ(after != before, c.freshState);
    }
    KtSNMPCloseSession();
}

// An idle module does not wake up: the pump's timer runs only while a request is out (an
// answered one, one that times out, one waiting for engine discovery).
TEST_F(SessionAgainstSnmpd, PumpTimerRunsOnlyWhileARequestIsOutstanding)
{
    snmp::Session* session = KtSNMPGlobalSession();
    ASSERT_TRUE(KtSNMPEventProcessor().IsActive());
    ASSERT_TRUE(testutil::waitFor([&] { return !session->pumpTimerActive(); }, 5000)) << "idle after earlier tests";

    testutil::SnmpdProcess freshAgent;
    ASSERT_TRUE(freshAgent.start()) << freshAgent.error().toStdString();
    KtSNMPDefaultParams discovering = v3("shauser", 2, 3, "shapassword");
    discovering.device.port = freshAgent.port();
    KtSNMPDefaultParams silent = params(1);
    silent.device.port = testutil::freeUdpPort();
    silent.timeout = 20;
    const struct {
        const char* name;
        KtSNMPDefaultParams p;
        int code;
    } cases[] = {
        {"answered", params(1), 0},
        {"v3 engine discovery first", discovering, 0},
        {"timed out", silent, -405},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        int code = 1;
        ASSERT_EQ(session->sendAsync(KtSNMPBuildTarget(c.p, 1), getPdu(kLocationOid),
                                     [&](int st, const snmp::Pdu&) { code = MapStatus(st).code; }),
                  0);
        EXPECT_TRUE(session->pumpTimerActive());
        ASSERT_TRUE(testutil::waitFor([&] { return code != 1; }, 5000));
        EXPECT_EQ(code, c.code);
        EXPECT_FALSE(session->pumpTimerActive());
    }
}

TEST(SessionTarget, InvalidAddressesRaise509WhenTheTargetIsBuilt)
{
    for (const char* address : {"300.1.1.1", "1.2.3", "", "no such host.invalid"}) {
        SCOPED_TRACE(address);
        KtSNMPDefaultParams p;
        p.device.address = address;
        try {
            KtSNMPBuildTarget(p, 1);
            ADD_FAILURE() << "no exception";
        } catch (const KtException& e) {
            EXPECT_EQ(e.Code(), -509);
            EXPECT_EQ(e.Message().toStdString(), "(ZiDUVA++) Invalid IP Address or DNS name!");
        }
    }
    for (const char* address : {"127.0.0.1", "::1", "[::1]", "localhost"}) {
        SCOPED_TRACE(address);
        KtSNMPDefaultParams p;
        p.device.address = address;
        EXPECT_NO_THROW(KtSNMPBuildTarget(p, 1));
    }
}

// A v3 target to build: building it stores the boots.
KtSNMPDefaultParams V3Params()
{
    KtSNMPDefaultParams p;
    p.device.address = "127.0.0.1";
    p.security.version = 3;
    p.security.securityName = "user";
    return p;
}

TEST(SessionBoots, FirstSNMPv3StartWritesOneThenEachIncrements)
{
    QTemporaryDir dir;
    KtSNMPInitSession(dir.path());
    EXPECT_EQ(KtSNMPEngineBoots(), 1u);
    std::uint32_t stored = 0;
    const std::string file = (dir.path() + "/KtSNMP_PP_BootCounter").toStdString();
    // SNMPv1 and SNMPv2c targets need no boots file.
    KtSNMPDefaultParams v2c = V3Params();
    v2c.security.version = 1;
    KtSNMPBuildTarget(v2c, 1);
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(file)));
    KtSNMPBuildTarget(V3Params(), 1);
    EXPECT_EQ(snmp::getBootCounter(file, kKtLocalEngineID, stored), 0);
    EXPECT_EQ(stored, 1u);
    KtSNMPInitSession(dir.path() + "/");
    EXPECT_EQ(KtSNMPEngineBoots(), 2u);
    KtSNMPSaveEngineBoots();
    EXPECT_EQ(snmp::getBootCounter(file, kKtLocalEngineID, stored), 0);
    EXPECT_EQ(stored, 2u);
    EXPECT_EQ(KtSNMPDefaults.timeout, 100);
    EXPECT_EQ(KtSNMPDefaults.security.readCommunity, "rocomm");
    EXPECT_TRUE(KtSNMPEventProcessor().IsActive());
    KtSNMPCloseSession();
}

TEST(SessionBoots, OtherEnginesEntriesAreKept)
{
    QTemporaryDir dir;
    const std::string file = dir.filePath("boots").toStdString();
    std::uint32_t boots = 0;
    EXPECT_EQ(snmp::getBootCounter(file, "engine-a", boots), -2);
    ASSERT_EQ(snmp::saveBootCounter(file, "engine-a", 7), 0);
    EXPECT_EQ(snmp::getBootCounter(file, "engine-b", boots), -1);
    ASSERT_EQ(snmp::saveBootCounter(file, "engine-b", 3), 0);
    ASSERT_EQ(snmp::saveBootCounter(file, "engine-a", 8), 0);
    EXPECT_EQ(snmp::getBootCounter(file, "engine-a", boots), 0);
    EXPECT_EQ(boots, 8u);
    EXPECT_EQ(snmp::getBootCounter(file, "engine-b", boots), 0);
    EXPECT_EQ(boots, 3u);
}

TEST(SessionBoots, DamagedFileIsReplacedAndBootsStartAgainAtOne)
{
    const std::string other = "\xab\xcd";
    const struct {
        std::string content;
        int otherBoots;  // the other engine's entry afterwards; -1: none
    } cases[] = {
        {"garbage\n", -1},
        {"4b74 12 extra\n", -1},
        {"4b74 -3\n", -1},
        {"4b74 99999999999\n", -1},
        {"abc 3\n", -1},
        {std::string("\x01\xff\x00\x7f", 4), -1},
        {"abcd 7\nnot an entry\n", 7},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.content);
        QTemporaryDir dir;
        const std::string path = dir.filePath("KtSNMP_PP_BootCounter").toStdString();
        {
            std::FILE* f = std::fopen(path.c_str(), "wb");
            ASSERT_NE(f, nullptr);
            std::fwrite(c.content.data(), 1, c.content.size(), f);
            std::fclose(f);
        }
        std::uint32_t boots = 0;
        ASSERT_EQ(snmp::getBootCounter(path, kKtLocalEngineID, boots), -3);

        ASSERT_NO_THROW(KtSNMPInitSession(dir.path()));
        ASSERT_NO_THROW(KtSNMPSaveEngineBoots());
        EXPECT_EQ(KtSNMPEngineBoots(), 1u);
        EXPECT_EQ(snmp::getBootCounter(path, kKtLocalEngineID, boots), 0);
        EXPECT_EQ(boots, 1u);
        // Nothing of the damage is left; a good entry of another engine is.
        const int found = snmp::getBootCounter(path, other, boots);
        EXPECT_EQ(found, c.otherBoots < 0 ? -1 : 0);
        if (found == 0) {
            EXPECT_EQ(int(boots), c.otherBoots);
        }
        KtSNMPCloseSession();
    }
}

// A boots file that cannot be written fails SNMPv3 with -508 naming the file; a symbolic link
// in its place is refused, never followed, so its target is neither created nor changed.
TEST(SessionBoots, UnwritableFileFailsSNMPv3With508NamingTheFile)
{
    QTemporaryDir dir, elsewhere;
    const QString target = elsewhere.filePath("target");
    const auto expectRefused = [&](const QString& folder) {
        const std::string message = "(ZiDUVA++) Error when saving SNMP engine boots counter! ("
            + QDir(folder).absoluteFilePath("KtSNMP_PP_BootCounter").toStdString() + ")";
        ASSERT_NO_THROW(KtSNMPInitSession(folder));
        for (int attempt = 0; attempt < 2; ++attempt) {  // no SNMPv3 message without its boots kept
            try {
                KtSNMPBuildTarget(V3Params(), 1);
                ADD_FAILURE() << "no exception";
            } catch (const KtException& e) {
                EXPECT_EQ(e.Code(), -508);
                EXPECT_EQ(e.Message().toStdString(), message);
            }
        }
        KtSNMPCloseSession();
    };
    const auto sub = [&](const char* name) {
        const QString folder = dir.filePath(name);
        EXPECT_TRUE(QDir().mkpath(folder));
        return folder;
    };

    {
        SCOPED_TRACE("a folder in its place");
        const QString folder = sub("folder");
        ASSERT_TRUE(QDir(folder).mkdir("KtSNMP_PP_BootCounter"));
        expectRefused(folder);
    }
    {
        SCOPED_TRACE("a link to a file that does not exist");
        const QString folder = sub("dangling");
        ASSERT_TRUE(QFile::link(target, folder + "/KtSNMP_PP_BootCounter"));
        expectRefused(folder);
        EXPECT_FALSE(QFileInfo::exists(target));
    }
    {
        SCOPED_TRACE("a link to a boots file");
        const QString folder = sub("link");
        ASSERT_EQ(snmp::saveBootCounter(target.toStdString(), kKtLocalEngineID, 41), 0);
        ASSERT_TRUE(QFile::link(target, folder + "/KtSNMP_PP_BootCounter"));
        expectRefused(folder);
        std::uint32_t boots = 0;
        EXPECT_EQ(snmp::getBootCounter(target.toStdString(), kKtLocalEngineID, boots), 0);
        EXPECT_EQ(boots, 41u);
        EXPECT_EQ(snmp::getBootCounter((folder + "/KtSNMP_PP_BootCounter").toStdString(), kKtLocalEngineID, boots),
                  -2);
    }
    {
        SCOPED_TRACE("a folder that does not exist");
        expectRefused(dir.filePath("no/such/folder"));
    }
    if (::geteuid() != 0) {  // permissions do not stop root
        SCOPED_TRACE("a read-only folder");
        const QString folder = sub("readonly");
        ASSERT_TRUE(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        expectRefused(folder);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
}

// Engine boots stop at 2147483647 (RFC 3414) and stay there; a stored value beyond it (a
// 32-bit counter's end) is held there too, never wrapped to 0.
TEST(SessionBoots, BootsStopAtTheirLimit)
{
    const struct {
        std::uint32_t stored;
        std::uint32_t next;
    } cases[] = {
        {5, 6},
        {2147483646, 2147483647},
        {2147483647, 2147483647},
        {2147483648u, 2147483647},
        {4294967295u, 2147483647},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        QTemporaryDir dir;
        const std::string file = dir.filePath("KtSNMP_PP_BootCounter").toStdString();
        ASSERT_EQ(snmp::saveBootCounter(file, kKtLocalEngineID, c.stored), 0);
        EXPECT_EQ(KtSNMPNextEngineBoots(dir.path()), c.next);
        KtSNMPInitSession(dir.path());
        EXPECT_EQ(KtSNMPEngineBoots(), c.next);
        KtSNMPSaveEngineBoots();
        std::uint32_t saved = 0;
        EXPECT_EQ(snmp::getBootCounter(file, kKtLocalEngineID, saved), 0);
        EXPECT_EQ(saved, c.next);
        KtSNMPCloseSession();
    }
}

// Without a folder given the file lives in the user's state folder, made private when SNMPv3
// first needs it; a file the working folder holds from earlier versions is read while the
// state folder has none, and left as it is.
TEST(SessionBoots, StateFolderHoldsTheFileAndTheWorkingFoldersOneIsReadOnce)
{
    QTemporaryDir home, work;
    const QByteArray savedState = qgetenv("XDG_STATE_HOME");
    const QString savedCwd = QDir::currentPath();
    qputenv("XDG_STATE_HOME", QFile::encodeName(home.filePath("state")));
    ASSERT_TRUE(QDir::setCurrent(work.path()));
    const std::string old = work.filePath("KtSNMP_PP_BootCounter").toStdString();
    const QString folder = home.filePath("state/vkr2207");
    const std::string kept = (folder + "/KtSNMP_PP_BootCounter").toStdString();
    ASSERT_EQ(snmp::saveBootCounter(old, kKtLocalEngineID, 41), 0);

    KtSNMPInitSession(QString());
    EXPECT_EQ(KtSNMPEngineBoots(), 42u);
    EXPECT_FALSE(QFileInfo::exists(folder));  // SNMPv1/v2c: nothing made
    KtSNMPBuildTarget(V3Params(), 1);
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(folder).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0700u);
    std::uint32_t boots = 0;
    EXPECT_EQ(snmp::getBootCounter(kept, kKtLocalEngineID, boots), 0);
    EXPECT_EQ(boots, 42u);

    KtSNMPInitSession(QString());  // the state folder's file wins from now on
    EXPECT_EQ(KtSNMPEngineBoots(), 43u);
    KtSNMPSaveEngineBoots();
    EXPECT_EQ(snmp::getBootCounter(old, kKtLocalEngineID, boots), 0);
    EXPECT_EQ(boots, 41u);
    EXPECT_EQ(KtSNMPBootsFile(QString()).toStdString(), kept);
    KtSNMPCloseSession();
    QDir::setCurrent(savedCwd);
    qputenv("XDG_STATE_HOME", savedState);
}

} // namespace
