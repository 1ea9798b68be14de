#include "KtNML/KtSNMPSession.h"

#include "KtNML/KtSNMPError.h"
#include "platform/ArgumentText.h"
#include "platform/StateFolder.h"
#include "snmp/SnmpSession.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <memory>
#include <set>

KtSNMPDefaultParams KtSNMPDefaults;

namespace {
std::unique_ptr<snmp::Session> g_session;
quint32 g_engineBoots = 0;
QString g_bootsDirectory;  // as given to KtSNMPInitSession
bool g_bootsSaved = false;
std::set<QString> g_bulkRefused;
std::set<QString> g_bulkAnswered;

QString agentKey(const KtSNMPDefaultParams& p)
{
    return p.device.address + QLatin1Char('|') + QString::number(p.device.port);
}
}

QString KtSNMPBootsFile(const QString& directory)
{
    const QString folder = directory.isEmpty() ? platform::StateFolderPath() : directory;
    return QDir(folder).filePath(QString::fromLatin1(kKtBootsFileName));
}

quint32 KtSNMPNextEngineBoots(const QString& directory)
{
    const auto stored = [](const QString& fileName, std::uint32_t& boots) {
        return snmp::getBootCounter(QFile::encodeName(fileName).toStdString(), kKtLocalEngineID, boots) == 0;
    };
    std::uint32_t boots = 0;
    // Missing, without our entry or damaged: boots start again at 1 and the save replaces a
    // damaged file.
    if (!stored(KtSNMPBootsFile(directory), boots)
        && !(directory.isEmpty() && stored(QDir::current().filePath(QString::fromLatin1(kKtBootsFileName)), boots)))
        boots = 0;
    return boots >= kKtMaxEngineBoots ? kKtMaxEngineBoots : boots + 1;
}

void KtSNMPInitSession(const QString& directory)
{
    KtSNMPCloseSession();

    // The library is initialised with the boots value, so it is read before the session opens.
    const quint32 boots = KtSNMPNextEngineBoots(directory);
    int status = 0;
    auto session = std::make_unique<snmp::Session>(kKtLocalEngineID, boots, status);
    if (status != 0)
        KtRaise(KtErr::CannotCreateSession);
    g_session = std::move(session);
    g_engineBoots = boots;
    g_bootsDirectory = directory;
    g_bootsSaved = false;

    KtSNMPDefaults = KtSNMPDefaultParams{};
    KtSNMPDefaults.timeout = 100;
    KtSNMPEventProcessor().Start();
}

void KtSNMPSaveEngineBoots()
{
    if (!g_session || g_bootsSaved)
        return;
    QString fileName = KtSNMPBootsFile(g_bootsDirectory);
    // The state folder is the user's own: made private, and never reached through a link.
    const bool made = !g_bootsDirectory.isEmpty() || !platform::StateFolder().isEmpty();
    if (!made || snmp::saveBootCounter(QFile::encodeName(fileName).toStdString(), kKtLocalEngineID, g_engineBoots) != 0)
        throw KtException(KtErr::BootsSave, KtMessage(KtErr::BootsSave) + QStringLiteral(" (")
                                                + QFileInfo(fileName).absoluteFilePath() + QLatin1Char(')'));
    g_bootsSaved = true;
}

void KtSNMPCloseSession()
{
    g_session.reset();
    g_engineBoots = 0;
    g_bootsSaved = false;
    g_bulkRefused.clear();
    g_bulkAnswered.clear();
}

bool KtSNMPBulkRefused(const KtSNMPDefaultParams& params)
{
    return g_bulkRefused.count(agentKey(params)) > 0;
}

void KtSNMPSetBulkRefused(const KtSNMPDefaultParams& params)
{
    g_bulkRefused.insert(agentKey(params));
}

bool KtSNMPBulkAnswered(const KtSNMPDefaultParams& params)
{
    return g_bulkAnswered.count(agentKey(params)) > 0;
}

void KtSNMPSetBulkAnswered(const KtSNMPDefaultParams& params)
{
    g_bulkAnswered.insert(agentKey(params));
}

snmp::Session* KtSNMPGlobalSession()
{
    return g_session.get();
}

quint32 KtSNMPEngineBoots()
{
    return g_engineBoots;
}

snmp::Target KtSNMPBuildTarget(const KtSNMPDefaultParams& p, int retries)
{
    snmp::Target t;
    t.address = p.device.address.toStdString();
    t.port = p.device.port;
    if (!snmp::isValidAddress(t.address))
        KtRaise(KtErr::InvalidAddress);
    const KtSNMPSecurity& s = p.security;
    // SNMPv3 messages carry the engine boots: stored before the first one goes out.
    if (s.version == 3)
        KtSNMPSaveEngineBoots();
    t.version = s.version;
    t.retries = retries;
    t.timeout = p.timeout;
    // Texts from the command line keep the bytes given (platform/ArgumentText.h).
    const auto bytes = [](const QString& text) { return platform::ArgumentBytes(text).toStdString(); };
    t.readCommunity = bytes(s.readCommunity);
    t.writeCommunity = bytes(s.writeCommunity);
    t.securityModel = s.securityModel;
    t.securityName = bytes(s.securityName);
    t.securityLevel = s.securityLevel;
    t.authProtocol = s.authProtocol;
    t.privProtocol = s.privProtocol;
    t.authPassword = bytes(s.authPassword);
    t.privPassword = bytes(s.privPassword);
    t.contextName = bytes(p.scope.contextName);
    t.contextEngineId = p.scope.contextEngineID.toStdString();
    return t;
}

SnmpEventProcessor& KtSNMPEventProcessor()
{
    static SnmpEventProcessor processor;
    return processor;
}

void SnmpEventProcessor::Start()
{
    if (g_session)
        g_session->startPump();
}

void SnmpEventProcessor::Stop()
{
    if (g_session)
        g_session->stopPump();
}

bool SnmpEventProcessor::IsActive() const
{
    return g_session && g_session->pumpActive();
}
