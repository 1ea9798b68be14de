#include "KtNML/KtSnapshotIo.h"

#include "KtNML/KtSNMPError.h"

#include <algorithm>

namespace {

const snmp::Oid kSysObjectId{1, 3, 6, 1, 2, 1, 1, 2, 0};
const snmp::Oid kSysName{1, 3, 6, 1, 2, 1, 1, 5, 0};
constexpr int kScalarsPerGet = 16;
constexpr int kNoSuchName = 2;

bool Within(const snmp::Oid& oid, const snmp::Oid& prefix)
{
    return oid.size() > prefix.size() && std::equal(prefix.begin(), prefix.end(), oid.begin());
}

QString OidText(const snmp::Oid& oid)
{
    return QString::fromStdString(snmp::oidToText(oid));
}

} // namespace

QString KtSnapshotStatusText(int status, int errorIndex, const std::vector<snmp::Varbind>& sent)
{
    if (status == 0)
        return QStringLiteral("Ok");
    QString text = MapStatus(status).message;
    if (status >= 1 && status <= 18 && errorIndex >= 1 && std::size_t(errorIndex) <= sent.size())
        text += QStringLiteral(" (%1)").arg(OidText(sent[std::size_t(errorIndex - 1)].oid));
    return text;
}

// ---- reader -------------------------------------------------------------------------------

// One part of the reading: a GET of scalar instances, or the walk of a table's columns.
struct KtSnapshotReader::Job {
    bool walk = false;
    std::vector<int> columns;       // plan columns: the scalars asked, or the table's columns walked
    std::vector<snmp::Oid> cursor;  // a walk's last instance per column (starts at the column)
    std::vector<bool> finished;     // a walk's columns past their end
    int repetitions = 0;            // get-bulk repetitions asked
    bool bulk = false;              // the request in flight is a get-bulk
    bool identity = false;
    std::vector<snmp::Varbind> asked;  // the varbinds of the request in flight
    std::vector<int> askedColumns;     // for each varbind asked, its index into `columns`
};

KtSnapshotReader::KtSnapshotReader(snmp::Session& session, snmp::Target target, const KtSnapshotPlan& plan,
                                   Options options)
    : m_session(session), m_target(std::move(target)), m_plan(plan), m_options(options)
{
    m_options.inFlight = std::max(1, m_options.inFlight);
    m_options.bulkVarbinds = std::max(1, m_options.bulkVarbinds);
}

KtSnapshotReader::~KtSnapshotReader()
{
    m_session.cancel(this);
}

void KtSnapshotReader::Start(std::function<void()> finished)
{
    m_finished = std::move(finished);
    m_result = KtSnapshot{};
    m_result.header.address = QString::fromStdString(m_target.address);
    for (const KtSnapshotColumn& c : m_plan.notSaved)
        m_result.notSaved << QStringLiteral("%1 (%2)").arg(OidText(c.base), c.caption);

    // The scalars in GETs of a few each, every table a walk of its own.
    std::vector<int> scalars;
    for (std::size_t c = 0; c < m_plan.columns.size(); ++c)
        if (m_plan.columns[c].table < 0)
            scalars.push_back(int(c));
    for (std::size_t i = 0; i < scalars.size(); i += kScalarsPerGet) {
        auto job = std::make_unique<Job>();
        job->columns.assign(scalars.begin() + std::ptrdiff_t(i),
                            scalars.begin() + std::ptrdiff_t(std::min(scalars.size(), i + kScalarsPerGet)));
        m_queue.push_back(std::move(job));
    }
    for (const KtSnapshotTable& table : m_plan.tables) {
        auto job = std::make_unique<Job>();
        job->walk = true;
        job->columns = table.columns;
        for (int c : table.columns)
            job->cursor.push_back(m_plan.columns[std::size_t(c)].base);
        job->finished.assign(table.columns.size(), false);
        m_queue.push_back(std::move(job));
    }
    m_jobsTotal = m_queue.size();
    ReadIdentity();
}

void KtSnapshotReader::ReadIdentity()
{
    auto job = std::make_unique<Job>();
    job->identity = true;
    Job* raw = job.get();
    m_running.push_back(std::move(job));
    Send(raw);
}

void KtSnapshotReader::Stop()
{
    if (!m_done)
        Fail(QStringLiteral("Stopped"));
}

void KtSnapshotReader::Fail(const QString& message)
{
    if (m_done)
        return;
    m_error = message;
    m_done = true;
    m_session.cancel(this);
    m_queue.clear();
    // Jobs stay alive until this reader goes: a callback being run may still refer to one.
    if (m_finished) {
        auto finished = std::move(m_finished);
        m_finished = nullptr;
        finished();
    }
}

void KtSnapshotReader::Pump()
{
    while (!m_done && !m_queue.empty() && int(m_running.size()) < m_options.inFlight) {
        m_running.push_back(std::move(m_queue.front()));
        m_queue.pop_front();
        Send(m_running.back().get());
    }
    if (!m_done && m_queue.empty() && m_running.empty()) {
        m_done = true;
        m_result.Sort();
        if (m_finished) {
            auto finished = std::move(m_finished);
            m_finished = nullptr;
            finished();
        }
    }
}

void KtSnapshotReader::Send(Job* job)
{
    snmp::Pdu pdu;
    job->asked.clear();
    job->askedColumns.clear();
    if (job->identity) {
        pdu.type = snmp::PduType::Get;
        for (const snmp::Oid& oid : {kSysObjectId, kSysName}) {
            snmp::Varbind vb;
            vb.oid = oid;
            pdu.varbinds.push_back(vb);
        }
    } else if (!job->walk) {
        pdu.type = snmp::PduType::Get;
        for (std::size_t i = 0; i < job->columns.size(); ++i) {
            snmp::Varbind vb;
            vb.oid = m_plan.columns[std::size_t(job->columns[i])].base;
            vb.oid.push_back(0);
            pdu.varbinds.push_back(vb);
            job->askedColumns.push_back(int(i));
        }
    } else {
        for (std::size_t i = 0; i < job->columns.size(); ++i) {
            if (job->finished[i])
                continue;
            snmp::Varbind vb;
            vb.oid = job->cursor[i];
            pdu.varbinds.push_back(vb);
            job->askedColumns.push_back(int(i));
        }
        job->bulk = m_options.getBulk && !m_bulkRefused && m_target.version != 0;
        if (job->bulk) {
            pdu.type = snmp::PduType::GetBulk;
            if (job->repetitions == 0)
                job->repetitions = std::max(1, m_options.bulkVarbinds / int(pdu.varbinds.size()));
            pdu.nonRepeaters = 0;
            pdu.maxRepetitions = job->repetitions;
        } else {
            pdu.type = snmp::PduType::GetNext;
        }
    }
    if (pdu.varbinds.empty()) {
        Finish(job);
        return;
    }
    job->asked = pdu.varbinds;
    const int status = m_session.sendAsync(
        m_target, pdu, [this, job](int st, const snmp::Pdu& response) { Answer(job, st, response); }, this);
    if (status != 0)
        Fail(KtSnapshotStatusText(status, 0, {}));
}

void KtSnapshotReader::Answer(Job* job, int status, const snmp::Pdu& response)
{
    if (m_done)
        return;
    const bool bulk = job->walk && job->bulk;
    const int error = status != 0 ? status : response.errorStatus;
    if (error != 0) {
        // SNMPv1 names a missing scalar by its index: ask again without it.
        if (error == kNoSuchName && !job->identity && response.errorIndex >= 1
            && std::size_t(response.errorIndex) <= job->askedColumns.size()) {
            const int i = job->askedColumns[std::size_t(response.errorIndex - 1)];
            if (!job->walk) {
                job->columns.erase(job->columns.begin() + i);
            } else {
                job->finished[std::size_t(i)] = true;  // a v1 get-next past the end of the view
            }
            Send(job);
            return;
        }
        if (bulk && error == snmp::status::TooBig && job->repetitions > 1) {
            job->repetitions = std::max(1, job->repetitions / 2);
            Send(job);
            return;
        }
        // A switch without get-bulk (an error, or no answer at all before any get-bulk of it
        // was answered): get-next from now on. Once get-bulk has worked with the switch, a
        // time-out is a time-out (a busy switch or network), not a refusal: switching to
        // get-next then would multiply the requests just when answers come late.
        const bool refused = (error >= 1 && error <= 18) || (error == snmp::status::Timeout && !m_bulkAnswered);
        if (bulk && refused) {
            m_bulkRefused = true;
            job->repetitions = 0;
            Send(job);
            return;
        }
        const QString text = KtSnapshotStatusText(error, response.errorIndex, job->asked);
        Fail(job->identity ? QStringLiteral("cannot read sysObjectID: %1").arg(text) : text);
        return;
    }

    if (job->identity) {
        for (const snmp::Varbind& vb : response.varbinds) {
            if (vb.oid == kSysObjectId && vb.syntax == snmp::Syntax::ObjectId)
                m_result.header.sysObjectId = OidText(vb.objectId);
            else if (vb.oid == kSysName && vb.syntax == snmp::Syntax::OctetString)
                m_result.header.sysName = QString::fromUtf8(vb.bytes.data(), int(vb.bytes.size()));
        }
        if (m_result.header.sysObjectId != QLatin1String(kKtSnapshotObjectId) && !m_options.force) {
            m_foreign = true;
            Fail(QStringLiteral("not a VKR-2207: its sysObjectID is %1")
                     .arg(m_result.header.sysObjectId.isEmpty() ? QStringLiteral("(none)") : m_result.header.sysObjectId));
            return;
        }
        Finish(job);
        return;
    }

    if (!job->walk) {
        for (std::size_t k = 0; k < response.varbinds.size() && k < job->askedColumns.size(); ++k) {
            const snmp::Varbind& vb = response.varbinds[k];
            if (vb.hasNoValue() || vb.oid != job->asked[k].oid)
                continue;
            const KtSnapshotColumn& c = m_plan.columns[std::size_t(job->columns[std::size_t(job->askedColumns[k])])];
            m_result.entries.push_back({vb, c.caption});
        }
        Finish(job);
        return;
    }

    // A walk: answers come repetition by repetition, one varbind per column asked.
    if (bulk)
        m_bulkAnswered = true;
    const std::size_t n = job->askedColumns.size();
    if (response.varbinds.empty()) {
        Fail(QStringLiteral("the switch answered a walk with no variables"));
        return;
    }
    std::vector<bool> ended(n, false);
    bool moved = false;
    for (std::size_t k = 0; k < response.varbinds.size(); ++k) {
        const std::size_t a = k % n;
        if (ended[a])
            continue;
        const std::size_t i = std::size_t(job->askedColumns[a]);
        const snmp::Varbind& vb = response.varbinds[k];
        const snmp::Oid& base = m_plan.columns[std::size_t(job->columns[i])].base;
        if (vb.syntax == snmp::Syntax::EndOfMibView || !Within(vb.oid, base)) {
            ended[a] = true;
            job->finished[i] = true;
            moved = true;
            continue;
        }
        if (vb.oid <= job->cursor[i]) {
            Fail(QStringLiteral("the switch's answers do not increase (%1 after %2)")
                     .arg(OidText(vb.oid), OidText(job->cursor[i])));
            return;
        }
        job->cursor[i] = vb.oid;
        moved = true;
        if (!vb.hasNoValue())
            m_result.entries.push_back({vb, m_plan.columns[std::size_t(job->columns[i])].caption});
    }
    if (!moved) {
        Fail(QStringLiteral("a walk of %1 makes no progress").arg(OidText(job->cursor.front())));
        return;
    }
    if (std::all_of(job->finished.begin(), job->finished.end(), [](bool f) { return f; }))
        Finish(job);
    else
        Send(job);
}

void KtSnapshotReader::Finish(Job* job)
{
    const bool identity = job->identity;
    const auto it = std::find_if(m_running.begin(), m_running.end(), [job](const auto& j) { return j.get() == job; });
    if (it != m_running.end())
        m_running.erase(it);
    if (!identity) {
        ++m_partsDone;
        if (progress)
            progress(m_partsDone, int(m_jobsTotal));
    }
    Pump();
}

// ---- writer -------------------------------------------------------------------------------

KtSnapshotWriter::KtSnapshotWriter(snmp::Session& session, snmp::Target target, std::vector<KtRestoreStep> steps,
                                   bool stopAtFirstError)
    : m_session(session), m_target(std::move(target)), m_steps(std::move(steps)), m_stopAtFirstError(stopAtFirstError)
{
    m_results.resize(m_steps.size());
}

KtSnapshotWriter::~KtSnapshotWriter()
{
    m_session.cancel(this);
}

int KtSnapshotWriter::Failures() const
{
    return int(std::count_if(m_results.begin(), m_results.end(), [](const Result& r) { return r.sent && !r.ok; }));
}

void KtSnapshotWriter::Start(std::function<void()> finished)
{
    m_finished = std::move(finished);
    m_current = 0;
    Next();
}

void KtSnapshotWriter::Stop()
{
    if (m_done)
        return;
    m_session.cancel(this);
    m_done = true;
    if (m_finished) {
        auto finished = std::move(m_finished);
        m_finished = nullptr;
        finished();
    }
}

void KtSnapshotWriter::SendSet(const std::vector<snmp::Varbind>& varbinds, std::function<void(int, int)> then)
{
    snmp::Pdu pdu;
    pdu.type = snmp::PduType::Set;
    pdu.varbinds = varbinds;
    const int status = m_session.sendAsync(
        m_target, pdu,
        [then](int st, const snmp::Pdu& response) { then(st != 0 ? st : response.errorStatus, response.errorIndex); },
        this);
    if (status != 0)
        then(status, 0);
}

void KtSnapshotWriter::Next()
{
    if (m_done)
        return;
    if (m_current >= m_steps.size()) {
        m_done = true;
        if (m_finished) {
            auto finished = std::move(m_finished);
            m_finished = nullptr;
            finished();
        }
        return;
    }
    const KtRestoreStep& step = m_steps[m_current];
    m_results[m_current].sent = true;
    SendSet(step.varbinds, [this](int status, int index) {
        if (m_done)
            return;
        const KtRestoreStep& s = m_steps[m_current];
        if (status == 0) {
            StepDone(true, QStringLiteral("Ok"));
            return;
        }
        const QString refusal = KtSnapshotStatusText(status, index, s.varbinds);
        if (s.fallback.empty()) {
            StepDone(false, refusal);
            return;
        }
        // Refused in one SET: create, fill and activate the row in three.
        m_fallback = 0;
        m_refusal = refusal;
        NextFallback();
    });
}

void KtSnapshotWriter::NextFallback()
{
    const KtRestoreStep& owner = m_steps[m_current];
    if (m_fallback >= owner.fallback.size()) {
        StepDone(true, QStringLiteral("Ok (createAndWait after: %1)").arg(m_refusal));
        return;
    }
    SendSet(owner.fallback[m_fallback].varbinds, [this](int status, int index) {
        if (m_done)
            return;
        const KtRestoreStep& o = m_steps[m_current];
        if (status != 0) {
            StepDone(false, KtSnapshotStatusText(status, index, o.fallback[m_fallback].varbinds));
            return;
        }
        ++m_fallback;
        NextFallback();
    });
}

void KtSnapshotWriter::StepDone(bool ok, const QString& message)
{
    m_results[m_current].ok = ok;
    m_results[m_current].message = message;
    ++m_current;
    if (progress)
        progress(int(m_current), int(m_steps.size()));
    if (!ok && m_stopAtFirstError) {
        m_current = m_steps.size();
    }
    Next();
}
