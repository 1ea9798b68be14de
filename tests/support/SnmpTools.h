#pragma once
// net-snmp's command-line tools (snmpget, snmpwalk, ...) run from tests, with numeric output
// and no MIB files, and their output parsed.
#include <QList>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace testutil {

struct ToolResult {
    int exitCode = -1;
    QString out, err;
};

// Runs /usr/bin/<tool> with -On -Oe, the given timeout and retries, then args. Nothing of the
// user's own configuration (~/.snmp, MIBS) is read.
ToolResult runSnmpTool(const QString& tool, const QStringList& args, int timeoutSec = 5, int retries = 0);

// Starts the tool as runSnmpTool does, without waiting: for senders whose peer runs in this
// process's event loop (an inform waits for its acknowledgement).
void startSnmpTool(QProcess& process, const QString& tool, const QStringList& args, int timeoutSec = 5,
                   int retries = 0);

struct ToolLine {
    QString oid, type, value;
};

// "OID = TYPE: value" lines; exceptions ("No Such Object ...") and empty strings ("") come
// without a type. Long values continue on the next lines (hex strings wrap at 16 bytes) and
// are joined to their line's value.
QList<ToolLine> parseToolLines(const QString& out);

} // namespace testutil
