#pragma once
// Runs the switch simulator (vkr2207-sim) for a test: on a free loopback port, with a private
// state folder and request log, stopped with SIGTERM when the object goes.
#include <QList>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <vector>

namespace testutil {

class SimProcess {
public:
    // One received request as the simulator logged it (format in sim/README.md).
    struct VarBind {
        QString oid;    // dotted, without a leading dot
        QChar type;     // value type of a set: i u c t C a x o n; null for other requests
        QString value;  // value text of a set (octet strings in upper-case hex)
    };
    struct Request {
        long seq = 0;
        bool dropped = false;
        QString type;              // GET, GETNEXT, GETBULK, SET, or PDUxx
        int nonRepeaters = -1;     // GETBULK only
        int maxRepetitions = -1;   // GETBULK only
        QString version;           // v1, v2c or v3
        QString securityLevel;     // v3 only: noAuthNoPriv, authNoPriv, authPriv
        QString principal;         // community or user name
        QList<VarBind> varbinds;
    };

    SimProcess();
    ~SimProcess();
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    // Use this state folder instead of a private temporary one (to restart on the same state).
    void setStateDir(const QString& dir) { m_givenStateDir = dir; }

    // Starts with the given extra options (sim/README.md) and waits for the ready line. False
    // when it did not become ready within timeoutMs; errorText() then tells why. A --data
    // option replaces the shipped data file: pass defaultDataFile() too to add to it.
    bool start(const QStringList& extraArgs = {}, int timeoutMs = 15000);
    // Stops it and starts it again with the same options on the same address and port. A fresh
    // state gives it a new empty state folder (a new engine ID: a switch replaced or reset to
    // factory settings); otherwise it keeps its state (same engine ID, boots one higher). A
    // folder given by setStateDir is always kept.
    bool restart(bool freshState, int timeoutMs = 15000);
    // SIGTERM and wait; returns the exit code, or -1 when it did not end in time (then killed).
    int stop(int timeoutMs = 10000);
    bool isRunning() const;
    // The simulator's process id (0 when it is not running), for signals: SIGSTOP makes a
    // switch that stops answering, SIGUSR1 restarts its clock and counters.
    qint64 processId() const;

    QString address() const { return m_address; }  // 127.0.0.1 or ::1
    quint16 port() const { return m_port; }
    // The agent address as net-snmp's tools and sessions take it: udp:127.0.0.1:PORT.
    QString peer() const { return m_peer; }
    QString logPath() const { return m_logPath; }
    QString stateDir() const { return m_stateDir; }
    // Everything the simulator wrote to stderr so far.
    QString errorText();

    // The request log parsed, in order of receipt.
    QList<Request> requests() const;
    // The requests of one type received after the first `from`, each as its varbinds
    // "OID=T:VALUE" (the OID alone where the request carries no value, as reads do).
    std::vector<QStringList> requestsSince(int from, const QString& type) const;
    static bool parseLogLine(const QString& line, Request& out);
    // The notifications the simulator sent, in order, as their log lines without the "- "
    // (sim/README.md): "sent TRAP2 v2c public 1.3.6.1.6.3.1.1.5.3 udp:127.0.0.1:PORT", "acked ...".
    QStringList notifications() const;

    static QString binaryPath();
    static QString defaultDataFile();

private:
    bool launch(quint16 port, bool freshState, int timeoutMs);

    std::unique_ptr<QTemporaryDir> m_tmp;
    QStringList m_extraArgs;
    std::unique_ptr<QProcess> m_proc;
    QString m_givenStateDir, m_stateDir, m_logPath, m_address, m_peer, m_stderr;
    quint16 m_port = 0;
};

} // namespace testutil
