#pragma once
// Reading a snapshot from a switch and sending a restore's SETs, with asynchronous requests on
// the SNMP adapter's session: several tables walked at once (get-bulk where the version has
// it), so that many switches can be read in one process. The caller runs the session's event
// pump (an event loop with the pump started) until `finished` has run.
//
//   KtSnapshotReader reader(session, target, plan);
//   reader.Start([&] { loop.quit(); });
//   loop.exec();
//   if (reader.Failed()) ... reader.Error();
#include "KtNML/KtSnapshot.h"
#include "snmp/SnmpSession.h"

#include <QString>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

class KtSnapshotReader {
public:
    struct Options {
        bool getBulk = true;     // with SNMPv2c and SNMPv3
        int inFlight = 4;        // requests outstanding at once
        int bulkVarbinds = 48;   // varbinds a get-bulk answer may hold
        bool force = false;      // read a device that is no VKR-2207
    };

    KtSnapshotReader(snmp::Session& session, snmp::Target target, const KtSnapshotPlan& plan, Options options);
    ~KtSnapshotReader();  // drops every pending answer
    KtSnapshotReader(const KtSnapshotReader&) = delete;
    KtSnapshotReader& operator=(const KtSnapshotReader&) = delete;

    // Reads sysName and sysObjectID, then every object of the plan. `finished` runs once, from
    // the event pump (or from Stop()).
    void Start(std::function<void()> finished);
    // Ends the reading: pending answers are dropped and the reader fails with "Stopped".
    void Stop();

    bool Done() const { return m_done; }
    bool Failed() const { return m_done && !m_error.isEmpty(); }
    QString Error() const { return m_error; }
    // True when the failure was a foreign device (sysObjectID of another model).
    bool ForeignDevice() const { return m_foreign; }
    // The snapshot read (entries in OID order; header without date and module release).
    const KtSnapshot& Result() const { return m_result; }

    // Progress: parts (scalar groups and tables) finished and in all.
    int PartsDone() const { return m_partsDone; }
    int PartsTotal() const { return int(m_jobsTotal); }
    std::function<void(int done, int total)> progress;

private:
    struct Job;
    void ReadIdentity();
    void Pump();
    void Send(Job* job);
    void Answer(Job* job, int status, const snmp::Pdu& response);
    void Finish(Job* job);
    void Fail(const QString& message);

    snmp::Session& m_session;
    snmp::Target m_target;
    const KtSnapshotPlan& m_plan;
    Options m_options;
    std::function<void()> m_finished;
    std::deque<std::unique_ptr<Job>> m_queue;
    std::vector<std::unique_ptr<Job>> m_running;
    std::size_t m_jobsTotal = 0;
    int m_partsDone = 0;
    bool m_bulkRefused = false;
    bool m_bulkAnswered = false;  // a get-bulk of this switch has been answered
    bool m_done = false;
    bool m_foreign = false;
    QString m_error;
    KtSnapshot m_result;
};

// Sends a restore's SETs in order, one at a time, each step's result kept ("Ok" or the
// switch's message). A refused step with a fallback (createAndGo) is tried again as its
// fallback's steps.
class KtSnapshotWriter {
public:
    struct Result {
        bool ok = false;
        QString message;  // "Ok", or what the switch said
        bool sent = false;  // false: not sent (stopped before it)
    };

    KtSnapshotWriter(snmp::Session& session, snmp::Target target, std::vector<KtRestoreStep> steps,
                     bool stopAtFirstError);
    ~KtSnapshotWriter();
    KtSnapshotWriter(const KtSnapshotWriter&) = delete;
    KtSnapshotWriter& operator=(const KtSnapshotWriter&) = delete;

    void Start(std::function<void()> finished);
    void Stop();

    bool Done() const { return m_done; }
    const std::vector<KtRestoreStep>& Steps() const { return m_steps; }
    const std::vector<Result>& Results() const { return m_results; }
    int Failures() const;
    std::function<void(int done, int total)> progress;

private:
    void Next();
    void SendSet(const std::vector<snmp::Varbind>& varbinds, std::function<void(int status, int index)> then);
    void NextFallback();
    void StepDone(bool ok, const QString& message);

    snmp::Session& m_session;
    snmp::Target m_target;
    std::vector<KtRestoreStep> m_steps;
    bool m_stopAtFirstError;
    std::vector<Result> m_results;
    std::size_t m_current = 0;
    std::size_t m_fallback = 0;  // the fallback step in flight
    QString m_refusal;            // why the step's own SET was refused
    std::function<void()> m_finished;
    bool m_done = false;
};

// The text of an adapter status (0 gives "Ok"); an agent's refusal names the varbind's OID.
QString KtSnapshotStatusText(int status, int errorIndex, const std::vector<snmp::Varbind>& sent);
