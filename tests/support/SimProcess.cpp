#include "tests/support/SimProcess.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QRegularExpression>
#include <QTextStream>

#include <algorithm>

namespace testutil {

SimProcess::SimProcess() = default;

SimProcess::~SimProcess()
{
    stop();
}

QString SimProcess::binaryPath()
{
    return QStringLiteral(VKR_SIM_BIN);
}

QString SimProcess::defaultDataFile()
{
    return QStringLiteral(VKR_SIM_DATA);
}

bool SimProcess::start(const QStringList& extraArgs, int timeoutMs)
{
    m_extraArgs = extraArgs;
    return launch(0, true, timeoutMs);
}

bool SimProcess::restart(bool freshState, int timeoutMs)
{
    const quint16 port = m_port;
    if (port == 0) {
        m_stderr = QStringLiteral("restart before a successful start");
        return false;
    }
    return launch(port, freshState, timeoutMs);
}

bool SimProcess::launch(quint16 port, bool freshState, int timeoutMs)
{
    stop();
    if (freshState || !m_tmp) {
        m_tmp = std::make_unique<QTemporaryDir>();
        if (!m_tmp->isValid()) {
            m_stderr = QStringLiteral("cannot create a temporary folder");
            return false;
        }
    }
    m_stateDir = m_givenStateDir.isEmpty() ? m_tmp->filePath(QStringLiteral("state")) : m_givenStateDir;
    m_logPath = m_tmp->filePath(QStringLiteral("requests.log"));
    m_stderr.clear();
    m_port = 0;
    m_peer.clear();

    // A later option wins: the extra options override these, the port of a restart overrides all.
    QStringList args{QStringLiteral("--state"), m_stateDir, QStringLiteral("--log"), m_logPath,
                     QStringLiteral("--port"), QStringLiteral("0")};
    args += m_extraArgs;
    if (port != 0)
        args += {QStringLiteral("--port"), QString::number(port)};
    m_proc = std::make_unique<QProcess>();
    m_proc->setProgram(binaryPath());
    m_proc->setArguments(args);
    m_proc->start();
    if (!m_proc->waitForStarted(timeoutMs)) {
        m_stderr = m_proc->errorString();
        return false;
    }
    static const QRegularExpression ready(
        QStringLiteral(R"(^vkr2207-sim ready (udp6?):(?:\[([^\]]+)\]|([^:]+)):(\d+)\s*$)"));
    QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        while (m_proc->canReadLine()) {
            const QString line = QString::fromLocal8Bit(m_proc->readLine());
            auto m = ready.match(line);
            if (!m.hasMatch())
                continue;
            m_address = m.captured(2).isEmpty() ? m.captured(3) : m.captured(2);
            m_port = static_cast<quint16>(m.captured(4).toUInt());
            m_peer = line.trimmed().section(QLatin1Char(' '), 2);
            return true;
        }
        if (m_proc->state() == QProcess::NotRunning)
            break;
        m_proc->waitForReadyRead(static_cast<int>(qMin<qint64>(deadline.remainingTime(), 200)));
    }
    errorText();
    if (m_proc->state() != QProcess::NotRunning) {
        m_proc->kill();
        m_proc->waitForFinished(5000);
    }
    m_stderr += QString::fromLocal8Bit(m_proc->readAllStandardError());
    return false;
}

bool SimProcess::isRunning() const
{
    return m_proc && m_proc->state() != QProcess::NotRunning;
}

qint64 SimProcess::processId() const
{
    return isRunning() ? m_proc->processId() : 0;
}

int SimProcess::stop(int timeoutMs)
{
    if (!m_proc)
        return -1;
    int code = -1;
    if (m_proc->state() != QProcess::NotRunning) {
        m_proc->terminate();  // SIGTERM
        if (!m_proc->waitForFinished(timeoutMs)) {
            m_proc->kill();
            m_proc->waitForFinished(5000);
            m_stderr += QString::fromLocal8Bit(m_proc->readAllStandardError());
            m_proc.reset();
            return -1;
        }
    }
    if (m_proc->exitStatus() == QProcess::NormalExit)
        code = m_proc->exitCode();
    m_stderr += QString::fromLocal8Bit(m_proc->readAllStandardError());
    m_proc.reset();
    return code;
}

QString SimProcess::errorText()
{
    if (m_proc)
        m_stderr += QString::fromLocal8Bit(m_proc->readAllStandardError());
    return m_stderr;
}

bool SimProcess::parseLogLine(const QString& line, Request& out)
{
    const QStringList f = line.trimmed().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (f.size() < 5)
        return false;
    Request r;
    bool ok = false;
    r.seq = f[0].toLong(&ok);
    if (!ok || (f[1] != QLatin1String("recv") && f[1] != QLatin1String("drop")))
        return false;
    r.dropped = f[1] == QLatin1String("drop");
    const QStringList type = f[2].split(QLatin1Char(':'));
    r.type = type[0];
    if (r.type == QLatin1String("GETBULK") && type.size() == 3) {
        r.nonRepeaters = type[1].toInt();
        r.maxRepetitions = type[2].toInt();
    }
    const QStringList version = f[3].split(QLatin1Char('/'));
    r.version = version[0];
    if (version.size() > 1)
        r.securityLevel = version[1];
    r.principal = f[4];
    for (int i = 5; i < f.size(); ++i) {
        VarBind vb;
        const int eq = f[i].indexOf(QLatin1Char('='));
        vb.oid = eq < 0 ? f[i] : f[i].left(eq);
        if (eq >= 0) {
            const QString v = f[i].mid(eq + 1);
            if (v.size() < 2 || v[1] != QLatin1Char(':'))
                return false;
            vb.type = v[0];
            vb.value = v.mid(2);
        }
        r.varbinds.append(vb);
    }
    out = r;
    return true;
}

QList<SimProcess::Request> SimProcess::requests() const
{
    QList<Request> out;
    QFile f(m_logPath);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return out;
    QTextStream in(&f);
    QString line;
    while (in.readLineInto(&line)) {
        Request r;
        if (parseLogLine(line, r))
            out.append(r);
    }
    return out;
}

QStringList SimProcess::notifications() const
{
    QStringList out;
    QFile f(m_logPath);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return out;
    QTextStream in(&f);
    QString line;
    while (in.readLineInto(&line))
        if (line.startsWith(QLatin1String("- ")))
            out.append(line.mid(2));
    return out;
}

std::vector<QStringList> SimProcess::requestsSince(int from, const QString& type) const
{
    std::vector<QStringList> out;
    const QList<Request> all = requests();
    for (qsizetype k = std::max(from, 0); k < all.size(); ++k) {
        if (all[k].type != type)
            continue;
        QStringList vbs;
        for (const auto& vb : all[k].varbinds)
            vbs << (vb.type.isNull() ? vb.oid : vb.oid + "=" + vb.type + ":" + vb.value);
        out.push_back(vbs);
    }
    return out;
}

} // namespace testutil
