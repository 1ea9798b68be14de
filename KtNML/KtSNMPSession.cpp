#include "KtNML/KtSNMPSession.h"

#include "KtNML/KtSNMPError.h"
#include "snmp/SnmpSession.h"

#include <QFile>
#include <QFileInfo>

#include <memory>
#include <set>

KtSNMPDefaultParams KtSNMPDefaults;

namespace {
std::unique_ptr<snmp::Session> g_session;
quint32 g_engineBoots = 0;
std::set<QString> g_bulkRefused;
std::set<QString> g_bulkAnswered;

QString agentKey(const KtSNMPDefaultParams& p)
{
    return p.device.address + QLatin1Char('|') + QString::number(p.device.port);
}
}

void KtSNMPInitSession(const QString& directory)
{
    KtSNMPCloseSession();

    // The library is initialised with the boots value, so it is read before the session opens.
    QString fileName = QString::fromLatin1(kKtBootsFileName);
    if (!directory.isEmpty())
        fileName = directory.endsWith(QLatin1Char('/')) ? directory + fileName : directory + QLatin1Char('/') + fileName;
    const std::string file = QFile::encodeName(fileName).toStdString();
    std::uint32_t boots = 0;
    // Missing, without our entry or damaged: boots start again at 1 and the save replaces a
    // damaged file. Only a file that cannot be written ends start-up, and says which file.
    if (snmp::getBootCounter(file, kKtLocalEngineID, boots) != 0)
        boots = 0;
    ++boots;
    if (snmp::saveBootCounter(file, kKtLocalEngineID, boots) != 0)
        throw KtException(KtErr::BootsSave, KtMessage(KtErr::BootsSave) + QStringLiteral(" (")
                                                + QFileInfo(fileName).absoluteFilePath() + QLatin1Char(')'));

    int status = 0;
    auto session = std::make_unique<snmp::Session>(kKtLocalEngineID, boots, status);
    if (status != 0)
        KtRaise(KtErr::CannotCreateSession);
    g_session = std::move(session);
    g_engineBoots = boots;

    KtSNMPDefaults = KtSNMPDefaultParams{};
    KtSNMPDefaults.timeout = 100;
    KtSNMPEventProcessor().Start();
}

void KtSNMPCloseSession()
{
    g_session.reset();
    g_engineBoots = 0;
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
    t.version = s.version;
    t.retries = retries;
    t.timeout = p.timeout;
    t.readCommunity = s.readCommunity.toStdString();
    t.writeCommunity = s.writeCommunity.toStdString();
    t.securityModel = s.securityModel;
    t.securityName = s.securityName.toStdString();
    t.securityLevel = s.securityLevel;
    t.authProtocol = s.authProtocol;
    t.privProtocol = s.privProtocol;
    t.authPassword = s.authPassword.toStdString();
    t.privPassword = s.privPassword.toStdString();
    t.contextName = p.scope.contextName.toStdString();
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
