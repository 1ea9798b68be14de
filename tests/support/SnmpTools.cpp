#include "tests/support/SnmpTools.h"

#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>

namespace testutil {

void startSnmpTool(QProcess& p, const QString& tool, const QStringList& args, int timeoutSec, int retries)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("MIBS"), QString());
    env.insert(QStringLiteral("HOME"), QDir::tempPath());  // no ~/.snmp of the user
    p.setProcessEnvironment(env);
    const QStringList fixed{QStringLiteral("-M"), QStringLiteral("/dev/null"), QStringLiteral("-m"), QString(),
                            QStringLiteral("-On"), QStringLiteral("-Oe"), QStringLiteral("-t"),
                            QString::number(timeoutSec), QStringLiteral("-r"), QString::number(retries)};
    p.start(QStringLiteral("/usr/bin/") + tool, fixed + args);
}

ToolResult runSnmpTool(const QString& tool, const QStringList& args, int timeoutSec, int retries)
{
    QProcess p;
    startSnmpTool(p, tool, args, timeoutSec, retries);
    ToolResult r;
    if (!p.waitForFinished(120000)) {
        p.kill();
        p.waitForFinished();
        r.err = QStringLiteral("tool did not finish");
        return r;
    }
    r.exitCode = p.exitCode();
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

QList<ToolLine> parseToolLines(const QString& out)
{
    static const QRegularExpression re(QStringLiteral(R"(^\.([\d.]+) = (?:([\w-]+): ?(.*)|(.*))$)"));
    QList<ToolLine> lines;
    for (const QString& l : out.split(QLatin1Char('\n'))) {
        const auto m = re.match(l);
        if (!m.hasMatch()) {
            if (!lines.isEmpty() && !l.trimmed().isEmpty())
                lines.last().value += QLatin1Char(' ') + l.trimmed();
            continue;
        }
        if (m.captured(2).isEmpty())
            lines.append({m.captured(1), QString(), m.captured(4)});
        else
            lines.append({m.captured(1), m.captured(2), m.captured(3).trimmed()});
    }
    return lines;
}

} // namespace testutil
