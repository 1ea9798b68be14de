#include "KtNML/KtSNMPRequest.h"

#include "KtNML/KtExpression.h"
#include "KtNML/KtSupport.h"
#include "KtNML/KtValueCodec.h"
#include "snmp/SnmpSession.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <algorithm>

namespace {

constexpr int kDestroyWaitMs = 6000;

snmp::Session& globalSession()
{
    snmp::Session* s = KtSNMPGlobalSession();
    if (!s)
        KtRaise(KtErr::CannotCreateSession);
    return *s;
}

snmp::Oid toOid(const QString& text)
{
    snmp::Oid oid;
    if (!snmp::oidFromText(text.toStdString(), oid) || oid.empty()) {
        const KtMappedStatus invalidOid = MapStatus(-17);
        throw KtException(invalidOid.code, invalidOid.message);
    }
    return oid;
}

// Lexicographic order of two dotted OID texts, compared as numbers.
int compareOids(const QString& a, const QString& b)
{
    snmp::Oid x, y;
    snmp::oidFromText(a.toStdString(), x);
    snmp::oidFromText(b.toStdString(), y);
    return std::lexicographical_compare(x.begin(), x.end(), y.begin(), y.end()) ? -1 : (x == y ? 0 : 1);
}

bool insideColumn(const QString& base, const QString& oid)
{
    return oid.size() > base.size() && oid.startsWith(base) && oid.at(base.size()) == u'.';
}

} // namespace

KtSNMPRequest::KtSNMPRequest()
    : Params(KtSNMPDefaults)
{
}

KtSNMPRequest::~KtSNMPRequest()
{
    Alive = false;
    m_destroying = true;
    // Replies still on their way are let in (and dropped by the completion) for a while, so a
    // view can be closed in the middle of a walk.
    QElapsedTimer clock;
    clock.start();
    while (Pending > 0 && clock.elapsed() < kDestroyWaitMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        if (snmp::Session* s = KtSNMPGlobalSession())
            s->processPendingEvents();
        if (Pending > 0)
            QThread::msleep(1);
    }
    if (snmp::Session* s = KtSNMPGlobalSession())
        s->cancel(this);
}

// ---- slots ------------------------------------------------------------------------------

QString KtSNMPRequest::SubstituteValues(const QString& templ, bool quoteStrings, QChar marker)
{
    return ::SubstituteValues(VarList, templ, quoteStrings, marker);
}

QString KtSNMPRequest::DecodeIndex(int i, const QString& suffix)
{
    return ::DecodeIndex(VarList, i, suffix);
}

QString KtSNMPRequest::EncodeIndex(int i)
{
    return ::EncodeIndex(VarList, i);
}

void KtSNMPRequest::ValueFromVb(int i, const snmp::Varbind& vb)
{
    ::ValueFromVb(VarList.Item(i), vb);
}

void KtSNMPRequest::ValueToVb(int i, snmp::Varbind& vb)
{
    ::ValueToVb(VarList.Item(i), vb);
}

void KtSNMPRequest::ApplyExpression(int i, bool afterGet)
{
    ::ApplyExpression(VarList, i, afterGet);
}

bool KtSNMPRequest::EvaluateCondition(const QString& text)
{
    return ::EvaluateCondition(VarList, text);
}

bool KtSNMPRequest::IsColumnDone(const QString& base, const QString& previous, const QString& received)
{
    if (!IsTable())
        return false;
    // Inside the column only when a "." follows the column's OID: 1.3.6.1.4.1.9.1.10 does not
    // belong to the column 1.3.6.1.4.1.9.1.1.
    if (insideColumn(base, received))
        return received == previous;  // the agent made no progress
    return true;                      // the answer left the column
}

QString KtSNMPRequest::InstanceSuffix()
{
    QStringList parts;
    for (int i = 0; i < VarList.KeyCount && i < VarList.Count(); ++i)
        parts << EncodeIndex(i);
    return parts.join(u'.');
}

// ---- building -----------------------------------------------------------------------------

bool KtSNMPRequest::IsTable() const
{
    return VarList.ItemType == KtItem::MVT_FMV || VarList.ItemType == KtItem::MVT_UMV;
}

int KtSNMPRequest::Operation() const
{
    switch (VarList.ItemType) {
    case KtItem::SVT_SV: return int(snmp::PduType::Get);
    case KtItem::MVT_SV: return int(NextInstance ? snmp::PduType::GetNext : snmp::PduType::Get);
    case KtItem::MVT_FMV:
    case KtItem::MVT_UMV: return int(snmp::PduType::GetNext);
    default: KtRaise(KtErr::BadItemType);
    }
}

snmp::Pdu KtSNMPRequest::BuildPdu(PduKind kind)
{
    snmp::Pdu pdu;
    pdu.type = kind == Write ? snmp::PduType::Set : snmp::PduType(Operation());
    const QString rowInstance = kind == Write && IsTable() ? InstanceSuffix() : QString();
    for (int i = 0; i < VarList.Count(); ++i) {
        KtSNMPVar& var = VarList.Item(i);
        const QString base = VarList.Base(i);
        snmp::Varbind vb;
        if (kind == FirstRead) {
            if (!VarList.IsReadable(i))
                continue;
            var.InstanceOid.clear();
            vb.oid = toOid(VarList.ItemType == KtItem::SVT_SV ? base + QStringLiteral(".0") : base);
        } else if (kind == NextRead) {
            if (!VarList.IsReadable(i))
                continue;
            if (VarList.ItemType == KtItem::SVT_SV || VarList.ItemType == KtItem::MVT_SV)
                KtRaise(KtErr::GetNextOnScalar);
            vb.oid = toOid(var.InstanceOid);
        } else {
            if (IsTable() && i < VarList.KeyCount)
                continue;
            if (!VarList.IsSettable(i))
                continue;
            switch (VarList.ItemType) {
            case KtItem::SVT_SV: vb.oid = toOid(base + QStringLiteral(".0")); break;
            case KtItem::MVT_SV: vb.oid = toOid(base); break;
            case KtItem::MVT_FMV:
            case KtItem::MVT_UMV:
                vb.oid = toOid(rowInstance.isEmpty() ? base : base + u'.' + rowInstance);
                break;
            default: KtRaise(KtErr::BadItemType);
            }
            ValueToVb(i, vb);
        }
        pdu.varbinds.push_back(std::move(vb));
    }
    return pdu;
}

// ---- parsing ------------------------------------------------------------------------------

void KtSNMPRequest::DecodeRow(const QString& rowSuffix)
{
    QString remaining = rowSuffix;
    for (int i = 0; i < VarList.KeyCount; ++i) {
        if (remaining.isEmpty() || i >= VarList.Count())
            KtRaise(KtErr::BadKeyCount);
        if (!VarList.IsReadable(i))
            VarList.Item(i).InstanceOid = VarList.Base(i) + u'.' + rowSuffix;
        remaining = DecodeIndex(i, remaining);
    }
}

bool KtSNMPRequest::Parse(const std::vector<snmp::Varbind>& varbinds, int& code, bool* finished, PduKind sentKind)
{
    const bool table = IsTable();
    // The previous row's keys, taken before this response overwrites any of them: a column
    // that has ended stays at the previous row's instance. A first read has no previous row.
    QString previousKeys;
    if (table && sentKind == NextRead)
        previousKeys = InstanceSuffix();

    // Each readable variable's answer first; the row is known only once every column has been
    // seen, since a column with a hole answers with the next row that has a cell in it.
    struct Answer {
        int index;
        const snmp::Varbind* vb;  // null: the response had nothing for this column
        QString received;
        QString suffix;           // instance part of received, for a column still inside itself
        bool done;
    };
    std::vector<Answer> answers;
    std::size_t next = 0;
    int requested = 0;
    int done = 0;
    QString rowSuffix;
    for (int i = 0; i < VarList.Count(); ++i) {
        if (!VarList.IsReadable(i))
            continue;
        const KtSNMPVar& var = VarList.Item(i);
        const QString base = VarList.Base(i);
        ++requested;
        if (next >= varbinds.size()) {
            // A short response: this column has nothing more to give.
            ++done;
            answers.push_back({i, nullptr, QString(), QString(), true});
            continue;
        }
        const snmp::Varbind& vb = varbinds[next++];
        const QString received = QString::fromStdString(snmp::oidToText(vb.oid));
        if (code == KtErr::NoSuchName) {
            // SNMPv1 end of view: the agent returns our own varbinds with noSuchName.
            if (var.InstanceOid == received) {
                if (finished) {
                    code = 0;
                    *finished = true;
                }
                return false;
            }
            KtRaise(KtErr::NoSuchName);
        }
        // A faulty agent answering at or before where the column stood would keep the walk
        // going forever (or end it as if the table were read): stop with an error instead.
        // (An SNMPv2 endOfMibView repeats the requested OID: that is the end, not a fault.)
        if (table && sentKind == NextRead && !vb.hasNoValue() && insideColumn(base, var.InstanceOid)
            && insideColumn(base, received) && compareOids(received, var.InstanceOid) <= 0)
            KtRaise(KtErr::NonIncreasingWalk);
        if (IsColumnDone(base, var.InstanceOid, received)) {
            ++done;
            answers.push_back({i, &vb, received, QString(), true});
            continue;
        }
        const QString suffix = received.size() > base.size() ? received.mid(base.size() + 1) : QString();
        // The row is the lowest instance any column still inside itself answers with; the
        // index comes from such a column, never from one that has run into the next column.
        if (!suffix.isEmpty() && (rowSuffix.isEmpty() || (table && compareOids(suffix, rowSuffix) < 0)))
            rowSuffix = suffix;
        answers.push_back({i, &vb, received, suffix, false});
    }
    for (const Answer& a : answers) {
        KtSNMPVar& var = VarList.Item(a.index);
        const QString base = VarList.Base(a.index);
        if (a.done) {
            var.Value = KtNotDoneText;
            if (!a.vb)
                continue;
            if (!previousKeys.isEmpty())
                var.InstanceOid = base + u'.' + previousKeys;
            else if (var.InstanceOid.isEmpty())
                var.InstanceOid = base;  // without keys the column stays where it stood
            continue;
        }
        if (table && !a.suffix.isEmpty() && a.suffix != rowSuffix) {
            // No cell of this column in this row: the cell stays empty and the column is asked
            // again from this row, so its answer lands in the row it belongs to.
            var.Value.clear();
            var.InstanceOid = base + u'.' + rowSuffix;
            continue;
        }
        ValueFromVb(a.index, *a.vb);
        var.InstanceOid = a.received;
    }
    if (requested > 0 && done == requested) {
        if (finished)
            *finished = true;
        return false;
    }
    if (table)
        DecodeRow(rowSuffix);
    for (int i = 0; i < VarList.Count(); ++i)
        ApplyExpression(i, true);
    if (finished && !table)
        *finished = true;
    return table;
}

// ---- synchronous operations ---------------------------------------------------------------

void KtSNMPRequest::Send(snmp::Pdu& pdu)
{
    snmp::Session& session = globalSession();
    const snmp::Target target = KtSNMPBuildTarget(Params, Retries);
    const int status = session.send(target, pdu);
    const KtMappedStatus mapped = MapStatus(status);
    if (mapped.code != 0 && !(mapped.code == KtErr::NoSuchName && IsTable() && pdu.type != snmp::PduType::Set))
        throw KtException(mapped.code, mapped.message);
}

bool KtSNMPRequest::Get(bool first)
{
    if (!Alive)
        return false;
    const PduKind kind = first ? FirstRead : NextRead;
    snmp::Pdu pdu = BuildPdu(kind);
    Send(pdu);
    int code = MapStatus(pdu.errorStatus).code;
    return Parse(pdu.varbinds, code, nullptr, kind);
}

// The PDU of a write: only the variables of indexList (all settable ones when it is empty),
// values[k] for the k-th index named, set expressions applied. The list shows its previous
// access bytes and values again afterwards, whatever happens.
snmp::Pdu KtSNMPRequest::BuildWritePdu(const QString& indexList, const QStringList* values)
{
    std::vector<SavedItem> saved;
    saved.reserve(std::size_t(VarList.Count()));
    for (int i = 0; i < VarList.Count(); ++i)
        saved.push_back({VarList.Item(i).Access, VarList.Item(i).Value});
    try {
        if (!indexList.isEmpty()) {
            KtNumList<int> indexes;
            indexes.SetDelimiter(u',');
            indexes.Parse(indexList);
            for (int i = 0; i < VarList.Count(); ++i) {
                KtSNMPVar& var = VarList.Item(i);
                const int k = indexes.IndexOf(i);
                if (k < 0) {
                    var.Access |= KtAcc::Invalid;
                } else {
                    var.Access &= ~KtAcc::Invalid;
                    if (values && k < values->size())
                        var.Value = values->at(k);
                }
            }
        }
        for (int i = 0; i < VarList.Count(); ++i)
            ApplyExpression(i, false);
        snmp::Pdu pdu = BuildPdu(Write);
        RestoreWrite(saved);
        return pdu;
    } catch (...) {
        RestoreWrite(saved);
        throw;
    }
}

void KtSNMPRequest::RestoreWrite(const std::vector<SavedItem>& saved)
{
    for (int i = 0; i < VarList.Count() && std::size_t(i) < saved.size(); ++i) {
        VarList.Item(i).Access = saved[std::size_t(i)].access;
        VarList.Item(i).Value = saved[std::size_t(i)].value;
    }
}

bool KtSNMPRequest::Set(bool readBack, const QString& indexList, const QStringList* values)
{
    if (!Alive)
        return false;
    snmp::Pdu pdu = BuildWritePdu(indexList, values);
    snmp::Session& session = globalSession();
    const snmp::Target target = KtSNMPBuildTarget(Params, Retries);
    const KtMappedStatus mapped = MapStatus(session.send(target, pdu));
    if (mapped.code != 0)
        throw KtException(mapped.code, mapped.message);
    if (!readBack)
        return false;
    int code = 0;
    return Parse(pdu.varbinds, code, nullptr, FirstRead);
}

// ---- asynchronous operations --------------------------------------------------------------

void KtSNMPRequest::SendAsync(const snmp::Pdu& pdu, KtSNMPCallback callback, void* context, bool parse, PduKind kind)
{
    snmp::Session& session = globalSession();
    const snmp::Target target = KtSNMPBuildTarget(Params, Retries);
    const int status = session.sendAsync(
        target, pdu,
        [this, callback, context, parse, kind](int st, const snmp::Pdu& response) {
            Complete(st, response, callback, context, parse, kind);
        },
        this);
    if (status != 0) {
        const KtMappedStatus mapped = MapStatus(status);
        throw KtException(mapped.code, mapped.message);
    }
    ++Pending;
}

void KtSNMPRequest::GetAsync(KtSNMPCallback callback, void* context, bool first)
{
    if (!Alive)
        return;
    const PduKind kind = first ? FirstRead : NextRead;
    SendAsync(BuildPdu(kind), callback, context, true, kind);
}

void KtSNMPRequest::SetAsync(KtSNMPCallback callback, void* context, bool readBack, const QString& indexList,
                             const QStringList* values)
{
    if (!Alive)
        return;
    SendAsync(BuildWritePdu(indexList, values), callback, context, readBack, Write);
}

void KtSNMPRequest::Complete(int status, const snmp::Pdu& response, KtSNMPCallback callback, void* context,
                             bool parse, PduKind kind)
{
    if (status == snmp::status::SessionClosed) {
        --Pending;
        return;
    }
    const KtMappedStatus mapped = MapStatus(status != 0 ? status : response.errorStatus);
    KtSNMPError error;
    error.code = mapped.code;
    error.message = mapped.message;
    error.errorIndex = response.errorIndex;
    error.agentAddress = Params.device.address;
    error.agentPort = qint16(Params.device.port);
    if ((error.code == 0 && parse) || (error.code == KtErr::NoSuchName && IsTable() && kind != Write)) {
        try {
            bool finished = false;
            int code = error.code;
            Parse(response.varbinds, code, &finished, kind == Write ? FirstRead : kind);
            if (code != error.code) {
                error.code = code;
                error.message = KtMessage(code);
            }
            error.finished = finished;
        } catch (const KtException& e) {
            // A conversion or index error ends the operation; it reaches the caller here, as
            // nothing can be raised through the event loop.
            error.code = e.Code();
            error.message = e.Message();
            error.finished = true;
        }
    } else {
        error.finished = true;
    }
    // Count the reply as delivered before the callback: the callback may destroy this request.
    --Pending;
    // Replies let in while the request is destroyed go nowhere: their receiver is going away.
    if (callback && !m_destroying)
        callback(context, error, VarList);
}
