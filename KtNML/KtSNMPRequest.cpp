#include "KtNML/KtSNMPRequest.h"

#include "KtNML/KtExpression.h"
#include "KtNML/KtSupport.h"
#include "KtNML/KtValueCodec.h"
#include "snmp/SnmpSession.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <QVarLengthArray>

#include <algorithm>
#include <charconv>
#include <functional>

namespace {

snmp::Session& globalSession()
{
    snmp::Session* s = KtSNMPGlobalSession();
    if (!s)
        KtRaise(KtErr::CannotCreateSession);
    return *s;
}

[[noreturn]] void raiseInvalidOid()
{
    const KtMappedStatus invalidOid = MapStatus(-17);
    throw KtException(invalidOid.code, invalidOid.message);
}

snmp::Oid toOid(const QString& text)
{
    snmp::Oid oid;
    if (!snmp::oidFromText(text.toStdString(), oid) || oid.empty())
        raiseInvalidOid();
    return oid;
}

// Dotted text of an OID, straight into a QString: a walk makes one for every cell it reads.
QString oidText(const snmp::Oid& oid)
{
    QVarLengthArray<char, 128> text;
    char part[12];
    for (std::size_t i = 0; i < oid.size(); ++i) {
        if (i)
            text.append('.');
        const auto end = std::to_chars(part, part + sizeof part, oid[i]).ptr;
        text.append(part, qsizetype(end - part));
    }
    return QString::fromLatin1(text.data(), text.size());
}

// Lexicographic order of two OIDs, or of their parts from the given positions on.
int compareOids(const snmp::Oid& a, std::size_t fromA, const snmp::Oid& b, std::size_t fromB)
{
    const auto x = a.begin() + std::ptrdiff_t(fromA);
    const auto y = b.begin() + std::ptrdiff_t(fromB);
    if (std::lexicographical_compare(x, a.end(), y, b.end()))
        return -1;
    return std::equal(x, a.end(), y, b.end()) ? 0 : 1;
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

bool insideColumn(const snmp::Oid& base, const snmp::Oid& oid)
{
    return oid.size() > base.size() && std::equal(base.begin(), base.end(), oid.begin());
}

// ---- get-bulk sizing ----
// A response should fit an Ethernet frame without fragments: the rows asked for per request
// follow the encoded size of the rows seen so far.
constexpr std::size_t kBulkResponseOctets = 1400;
constexpr std::size_t kBulkHeaderOctets = 120;  // message, security and PDU headers
constexpr std::size_t kBulkGuessOctets = 40;     // per varbind, before anything has been seen
constexpr int kBulkMaxRepetitions = 100;

std::size_t berLengthOctets(std::size_t n)
{
    return n < 0x80 ? 1 : n < 0x100 ? 2 : n < 0x10000 ? 3 : 4;
}

std::size_t subIdOctets(std::uint64_t v)
{
    std::size_t n = 1;
    while (v >= 0x80) {
        v >>= 7;
        ++n;
    }
    return n;
}

std::size_t oidOctets(const snmp::Oid& oid)
{
    std::size_t n = oid.size() >= 2 ? subIdOctets(std::uint64_t(oid[0]) * 40 + oid[1]) : 1;
    for (std::size_t i = 2; i < oid.size(); ++i)
        n += subIdOctets(oid[i]);
    return n;
}

// The BER size of a varbind as the agent encodes it.
std::size_t varbindOctets(const snmp::Varbind& vb)
{
    std::size_t value = 0;
    switch (vb.syntax) {
    case snmp::Syntax::OctetString:
    case snmp::Syntax::Opaque:
    case snmp::Syntax::IpAddress:
    case snmp::Syntax::NsapAddress: value = vb.bytes.size(); break;
    case snmp::Syntax::ObjectId: value = oidOctets(vb.objectId); break;
    case snmp::Syntax::Counter64: value = 9; break;
    case snmp::Syntax::Integer:
    case snmp::Syntax::Counter32:
    case snmp::Syntax::Gauge32:
    case snmp::Syntax::TimeTicks:
    case snmp::Syntax::UInteger32: value = 5; break;
    default: break;
    }
    const std::size_t name = oidOctets(vb.oid);
    const std::size_t body = 1 + berLengthOctets(name) + name + 1 + berLengthOctets(value) + value;
    return 1 + berLengthOctets(body) + body;
}

// A walk asks for its next row from inside the completion of the previous one. When that row
// is already at hand it is handed out to the loop running the completions, which delivers it
// as soon as the completion has returned: no trip through the event loop for every row, and
// no completion running inside the call that asked for it.
struct HandOut {
    const KtSNMPRequest* request = nullptr;
    std::function<void()> deliver;
};

std::vector<HandOut*>& handOuts()
{
    static std::vector<HandOut*> loops;
    return loops;
}

HandOut* handOutFor(const KtSNMPRequest* request)
{
    for (auto it = handOuts().rbegin(); it != handOuts().rend(); ++it)
        if ((*it)->request == request)
            return *it;
    return nullptr;
}

// Runs deliver, then each row handed out meanwhile, until the walk asks for nothing more at
// hand or the request is gone (exists is a copy: a completion may destroy the request).
void runDeliveries(const KtSNMPRequest* request, std::shared_ptr<bool> exists, std::function<void()> deliver)
{
    HandOut slot;
    slot.request = request;
    handOuts().push_back(&slot);
    while (deliver) {
        slot.deliver = nullptr;
        deliver();
        if (!*exists)
            break;
        deliver = std::move(slot.deliver);
    }
    handOuts().erase(std::find(handOuts().begin(), handOuts().end(), &slot));
}

int repetitionsFor(std::size_t rowOctets, int limit)
{
    const std::size_t room = kBulkResponseOctets - kBulkHeaderOctets;
    const int fit = int(std::min<std::size_t>(room / std::max<std::size_t>(rowOctets, 1), kBulkMaxRepetitions));
    return std::clamp(fit, 1, limit > 0 ? limit : kBulkMaxRepetitions);
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
    m_bulk.active = false;
    // A row handed out to a completion loop further up would wait for this destructor to end.
    if (HandOut* slot = handOutFor(this); slot && slot->deliver) {
        slot->deliver = nullptr;
        --Pending;
    }
    // Replies still on their way are dropped by the session (their callbacks never run): no
    // event loop runs here, so whatever destroys a request is not re-entered meanwhile.
    if (snmp::Session* s = KtSNMPGlobalSession())
        s->cancel(this);
    Pending = 0;
    *m_exists = false;
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
    KtSNMPVar& var = VarList.Item(i);
    // Never a number or a blank made of a value of another type: the marker, and a note the
    // binding turns into the read's error.
    if (!KtVarbindFits(var.Syntax, vb)) {
        var.Value = KtNullText;
        if (!m_unexpectedType)
            m_unexpectedType = UnexpectedType{i, var.Label, KtVarbindTypeName(vb)};
        return;
    }
    ::ValueFromVb(var, vb);
}

QString KtSNMPRequest::UnexpectedTypeMessage() const
{
    if (!m_unexpectedType)
        return {};
    return KtMessageWith(KtErr::UnexpectedType, m_unexpectedType->label, m_unexpectedType->type);
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
    const snmp::Oid* rowOid = nullptr;  // the answer rowSuffix comes from
    std::size_t rowFrom = 0;            // where its instance part starts (0: not known)
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
        const QString received = oidText(vb.oid);
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
            && insideColumn(base, received)
            && compareOids(vb.oid, 0, BinaryOid(m_instanceOids, i, var.InstanceOid), 0) <= 0)
            KtRaise(KtErr::NonIncreasingWalk);
        if (IsColumnDone(base, var.InstanceOid, received)) {
            ++done;
            answers.push_back({i, &vb, received, QString(), true});
            continue;
        }
        const QString suffix = received.size() > base.size() ? received.mid(base.size() + 1) : QString();
        // The instance part as numbers, where the answer lies inside its column.
        std::size_t suffixFrom = 0;
        if (table && !suffix.isEmpty())
            if (const snmp::Oid* baseOid = KeptBinaryOid(m_baseOids, i, base);
                baseOid && insideColumn(*baseOid, vb.oid))
                suffixFrom = baseOid->size();
        // The row is the lowest instance any column still inside itself answers with; the
        // index comes from such a column, never from one that has run into the next column.
        if (!suffix.isEmpty()) {
            const bool lower = rowSuffix.isEmpty()
                || (table
                    && (suffixFrom > 0 && rowFrom > 0 ? compareOids(vb.oid, suffixFrom, *rowOid, rowFrom)
                                                      : compareOids(suffix, rowSuffix))
                        < 0);
            if (lower) {
                rowSuffix = suffix;
                rowOid = &vb.oid;
                rowFrom = suffixFrom;
            }
        }
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
        KeepInstanceOid(a.index, a.received, a.vb->oid);
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
    if (first)
        ClearUnexpectedType();
    const PduKind kind = first ? FirstRead : NextRead;
    if (UseBulk())
        return GetBulk(kind);
    m_bulk.active = false;
    snmp::Pdu pdu = BuildPdu(kind);
    Send(pdu);
    int code = MapStatus(pdu.errorStatus).code;
    return Parse(pdu.varbinds, code, nullptr, kind);
}

// The PDU of a write: only the variables of indexList (all settable ones for KtAllSettable,
// none for KtEmptySet), values[k] for the k-th index named, set expressions applied. A list
// that leaves no variable to send raises NothingToWrite. The list shows its previous access
// bytes and values again afterwards, whatever happens.
snmp::Pdu KtSNMPRequest::BuildWritePdu(const QString& indexList, const QStringList* values)
{
    std::vector<SavedItem> saved;
    saved.reserve(std::size_t(VarList.Count()));
    for (int i = 0; i < VarList.Count(); ++i)
        saved.push_back({VarList.Item(i).Access, VarList.Item(i).Value});
    try {
        if (indexList != KtAllSettable) {
            KtNumList<int> indexes;
            indexes.SetDelimiter(u',');
            if (indexList != KtEmptySet)
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
        if (pdu.varbinds.empty() && indexList != KtEmptySet)
            KtRaise(KtErr::NothingToWrite);
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
    m_bulk.active = false;  // the cells at hand may no longer be the agent's
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
    if (first)
        ClearUnexpectedType();
    const PduKind kind = first ? FirstRead : NextRead;
    if (UseBulk()) {
        GetBulkAsync(callback, context, kind);
        return;
    }
    m_bulk.active = false;
    SendAsync(BuildPdu(kind), callback, context, true, kind);
}

void KtSNMPRequest::SetAsync(KtSNMPCallback callback, void* context, bool readBack, const QString& indexList,
                             const QStringList* values)
{
    if (!Alive)
        return;
    m_bulk.active = false;
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

// ---- get-bulk walks -----------------------------------------------------------------------
// A get-bulk asks every column that has not ended from where it stands; its response holds a
// run of cells per column. The rows are then formed from those cells exactly as the get-next
// walk would: each variable's answer is the first cell of its column after the instance it
// stands at (a column with a hole keeps standing still), a column whose run ran out of the
// column, into endOfMibView or into nothing has ended (it answers the end from where it
// stands, and is not asked again), and a run that stops increasing ends the walk with the
// get-next walk's error once the rows before it are read. Parse turns the answers into the
// row as it does for a get-next response.

bool KtSNMPRequest::UseBulk() const
{
    return IsTable() && Params.getBulk && (Params.security.version == 1 || Params.security.version == 3)
        && !KtSNMPBulkRefused(Params);
}

void KtSNMPRequest::StartBulkWalk(PduKind kind)
{
    m_bulk.active = true;
    m_bulk.vars.clear();
    m_bulk.columns.clear();
    for (int i = 0; i < VarList.Count(); ++i) {
        if (!VarList.IsReadable(i))
            continue;
        if (kind == FirstRead)
            VarList.Item(i).InstanceOid.clear();
        m_bulk.vars.push_back(i);
    }
    m_bulk.columns.resize(m_bulk.vars.size());
}

// Where variable i stands: the instance it read last, or its column before the first row.
const snmp::Oid& KtSNMPRequest::BulkPosition(int i)
{
    const QString& instance = VarList.Item(i).InstanceOid;
    if (instance.isEmpty())
        return BinaryOid(m_baseOids, i, VarList.Base(i));
    return BinaryOid(m_instanceOids, i, instance);
}

const snmp::Oid& KtSNMPRequest::BinaryOid(std::vector<KeptOid>& kept, int i, const QString& text)
{
    if (const snmp::Oid* oid = KeptBinaryOid(kept, i, text))
        return *oid;
    raiseInvalidOid();
}

const snmp::Oid* KtSNMPRequest::KeptBinaryOid(std::vector<KeptOid>& kept, int i, const QString& text)
{
    if (kept.size() <= std::size_t(i))
        kept.resize(std::size_t(i) + 1);
    KeptOid& entry = kept[std::size_t(i)];
    if (!entry.valid || entry.text != text) {
        entry.valid = snmp::oidFromText(text.toStdString(), entry.oid) && !entry.oid.empty();
        entry.text = text;
        if (!entry.valid)
            return nullptr;
    }
    return &entry.oid;
}

void KtSNMPRequest::KeepInstanceOid(int i, const QString& text, const snmp::Oid& oid)
{
    if (m_instanceOids.size() <= std::size_t(i))
        m_instanceOids.resize(std::size_t(i) + 1);
    m_instanceOids[std::size_t(i)] = {text, oid, true};
}

bool KtSNMPRequest::BulkAnswers(std::vector<snmp::Varbind>& answers)
{
    answers.clear();
    answers.reserve(m_bulk.vars.size());
    bool ready = true;
    for (std::size_t k = 0; k < m_bulk.vars.size(); ++k) {
        BulkColumn& column = m_bulk.columns[k];
        const snmp::Oid& at = BulkPosition(m_bulk.vars[k]);
        while (column.head < column.cells.size() && !(at < column.cells[column.head].oid))
            ++column.head;
        if (column.head < column.cells.size()) {
            answers.push_back(column.cells[column.head]);
        } else if (column.end == BulkColumn::Ended) {
            snmp::Varbind end;
            end.oid = at;
            end.syntax = snmp::Syntax::EndOfMibView;
            answers.push_back(std::move(end));
        } else if (column.end == BulkColumn::NotIncreasing) {
            KtRaise(KtErr::NonIncreasingWalk);
        } else {
            ready = false;
        }
    }
    return ready;
}

snmp::Pdu KtSNMPRequest::BuildBulkPdu(BulkAsk& ask)
{
    snmp::Pdu pdu;
    pdu.type = snmp::PduType::GetBulk;
    for (std::size_t k = 0; k < m_bulk.columns.size(); ++k) {
        BulkColumn& column = m_bulk.columns[k];
        if (column.end != BulkColumn::Open)
            continue;
        column.cells.clear();
        column.head = 0;
        snmp::Varbind vb;
        vb.oid = BulkPosition(m_bulk.vars[k]);
        ask.columns.push_back(k);
        ask.from.push_back(vb.oid);
        pdu.varbinds.push_back(std::move(vb));
    }
    const std::size_t perVarbind = m_bulk.varbindOctets > 0 ? m_bulk.varbindOctets : kBulkGuessOctets;
    ask.repetitions = repetitionsFor(perVarbind * std::max<std::size_t>(ask.columns.size(), 1), m_bulk.repetitionLimit);
    pdu.nonRepeaters = 0;
    pdu.maxRepetitions = ask.repetitions;
    return pdu;
}

void KtSNMPRequest::TakeBulkResponse(const BulkAsk& ask, const std::vector<snmp::Varbind>& varbinds)
{
    const std::size_t asked = ask.columns.size();
    std::size_t octets = 0;
    for (const snmp::Varbind& vb : varbinds)
        octets += varbindOctets(vb);
    if (!varbinds.empty())
        m_bulk.varbindOctets = std::max(m_bulk.varbindOctets, octets / varbinds.size() + 1);
    for (std::size_t j = 0; j < asked; ++j) {
        BulkColumn& column = m_bulk.columns[ask.columns[j]];
        const int i = m_bulk.vars[ask.columns[j]];
        const snmp::Oid& base = BinaryOid(m_baseOids, i, VarList.Base(i));
        const snmp::Oid* previous = &ask.from[j];
        // The response lists the cells repetition by repetition; what follows a column's end
        // belongs to nothing.
        for (std::size_t at = j; at < varbinds.size() && column.end == BulkColumn::Open; at += asked) {
            const snmp::Varbind& vb = varbinds[at];
            const bool exception = vb.syntax == snmp::Syntax::EndOfMibView || vb.syntax == snmp::Syntax::NoSuchObject
                || vb.syntax == snmp::Syntax::NoSuchInstance;
            if (exception || !insideColumn(base, vb.oid))
                column.end = BulkColumn::Ended;
            else if (!(*previous < vb.oid))
                column.end = BulkColumn::NotIncreasing;
            else {
                column.cells.push_back(vb);
                previous = &column.cells.back().oid;
            }
        }
        // A response without a cell for this column: it has nothing more to give.
        if (column.cells.empty() && column.end == BulkColumn::Open)
            column.end = BulkColumn::Ended;
    }
}

bool KtSNMPRequest::BulkFallsBack(int status) const
{
    // The agent answered with an error (tooBig even for one repetition included), or it never
    // answered although no get-bulk has worked with it yet: it may not know get-bulk at all.
    if (status >= 1 && status <= 18)
        return true;
    return status == snmp::status::Timeout && !KtSNMPBulkAnswered(Params);
}

bool KtSNMPRequest::GetBulk(PduKind kind)
{
    if (kind == FirstRead || !m_bulk.active)
        StartBulkWalk(kind);
    snmp::Session& session = globalSession();
    const snmp::Target target = KtSNMPBuildTarget(Params, Retries);
    std::vector<snmp::Varbind> answers;
    while (!BulkAnswers(answers)) {
        BulkAsk ask;
        snmp::Pdu pdu = BuildBulkPdu(ask);
        const int status = session.send(target, pdu);
        if (status == 0) {
            KtSNMPSetBulkAnswered(Params);
            TakeBulkResponse(ask, pdu.varbinds);
            continue;
        }
        if (status == snmp::status::TooBig && ask.repetitions > 1) {
            m_bulk.repetitionLimit = std::max(1, ask.repetitions / 2);
            continue;
        }
        m_bulk.active = false;
        if (!BulkFallsBack(status)) {
            const KtMappedStatus mapped = MapStatus(status);
            throw KtException(mapped.code, mapped.message);
        }
        // This step again with get-next; once that works, the agent is walked that way.
        snmp::Pdu next = BuildPdu(kind);
        Send(next);
        KtSNMPSetBulkRefused(Params);
        int code = MapStatus(next.errorStatus).code;
        return Parse(next.varbinds, code, nullptr, kind);
    }
    int code = 0;
    return Parse(answers, code, nullptr, kind);
}

void KtSNMPRequest::GetBulkAsync(KtSNMPCallback callback, void* context, PduKind kind)
{
    if (kind == FirstRead || !m_bulk.active)
        StartBulkWalk(kind);
    BulkNext(callback, context, kind);
}

// The next row: from the cells at hand through the event loop (a completion never runs
// inside the call that asked for it), else with another get-bulk.
void KtSNMPRequest::BulkNext(KtSNMPCallback callback, void* context, PduKind kind)
{
    std::vector<snmp::Varbind> answers;
    int code = 0;
    QString message;
    bool ready = false;
    try {
        ready = BulkAnswers(answers);
    } catch (const KtException& e) {
        ready = true;
        code = e.Code();
        message = e.Message();
    }
    if (ready) {
        ++Pending;
        std::function<void()> deliver = [this, exists = m_exists, answers = std::move(answers), code, message,
                                         callback, context, kind] {
            if (!*exists)
                return;
            if (code != 0) {
                Deliver(callback, context, code, message);
                return;
            }
            snmp::Pdu response;
            response.varbinds = answers;
            Complete(0, response, callback, context, true, kind);
        };
        if (HandOut* slot = handOutFor(this); slot && !slot->deliver) {
            slot->deliver = std::move(deliver);
            return;
        }
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [this, exists = m_exists, deliver = std::move(deliver)] { runDeliveries(this, exists, deliver); },
            Qt::QueuedConnection);
        return;
    }
    BulkAsk ask;
    const snmp::Pdu pdu = BuildBulkPdu(ask);
    snmp::Session& session = globalSession();
    const snmp::Target target = KtSNMPBuildTarget(Params, Retries);
    const int status = session.sendAsync(
        target, pdu,
        [this, ask, callback, context, kind](int st, const snmp::Pdu& response) {
            BulkCompleted(st, response, ask, callback, context, kind);
        },
        this);
    if (status != 0) {
        const KtMappedStatus mapped = MapStatus(status);
        throw KtException(mapped.code, mapped.message);
    }
    ++Pending;
}

void KtSNMPRequest::BulkCompleted(int st, const snmp::Pdu& response, const BulkAsk& ask, KtSNMPCallback callback,
                                  void* context, PduKind kind)
{
    --Pending;
    if (st == snmp::status::SessionClosed)
        return;
    const int status = st != 0 ? st : response.errorStatus;
    try {
        if (status == 0) {
            KtSNMPSetBulkAnswered(Params);
            TakeBulkResponse(ask, response.varbinds);
            std::vector<snmp::Varbind> answers;
            if (BulkAnswers(answers)) {
                snmp::Pdu rows;
                rows.varbinds = std::move(answers);
                ++Pending;
                // The rows after this one are in the same response: they follow in this loop.
                runDeliveries(this, m_exists, [&] { Complete(0, rows, callback, context, true, kind); });
            } else if (Alive) {
                BulkNext(callback, context, kind);
            } else {
                Deliver(callback, context, 0, MapStatus(0).message);  // stopped between cells
            }
            return;
        }
        const bool smaller = status == snmp::status::TooBig && ask.repetitions > 1;
        if ((smaller || BulkFallsBack(status)) && !Alive) {
            // Stopped while the agent turned the get-bulk down: nothing more is asked.
            m_bulk.active = false;
            Deliver(callback, context, 0, MapStatus(0).message);
            return;
        }
        if (smaller) {
            m_bulk.repetitionLimit = std::max(1, ask.repetitions / 2);
            BulkNext(callback, context, kind);
            return;
        }
        m_bulk.active = false;
        if (BulkFallsBack(status)) {
            NextAfterRefusal(callback, context, kind);
            return;
        }
        ++Pending;
        Complete(st, response, callback, context, true, kind);
    } catch (const KtException& e) {
        Deliver(callback, context, e.Code(), e.Message());
    }
}

// The step a refused get-bulk asked for, with get-next; when that is answered, the agent is
// walked with get-next for the rest of the session.
void KtSNMPRequest::NextAfterRefusal(KtSNMPCallback callback, void* context, PduKind kind)
{
    snmp::Session& session = globalSession();
    const snmp::Target target = KtSNMPBuildTarget(Params, Retries);
    const int status = session.sendAsync(
        target, BuildPdu(kind),
        [this, callback, context, kind](int st, const snmp::Pdu& response) {
            if (st == 0 && response.errorStatus == 0)
                KtSNMPSetBulkRefused(Params);
            Complete(st, response, callback, context, true, kind);
        },
        this);
    if (status != 0) {
        const KtMappedStatus mapped = MapStatus(status);
        throw KtException(mapped.code, mapped.message);
    }
    ++Pending;
}

// Ends a walk from inside the engine: code 0 (stopped) or the error that ended it.
void KtSNMPRequest::Deliver(KtSNMPCallback callback, void* context, int code, const QString& message)
{
    KtSNMPError error;
    error.code = code;
    error.message = message;
    error.agentAddress = Params.device.address;
    error.agentPort = qint16(Params.device.port);
    error.finished = true;
    --Pending;
    if (callback && !m_destroying)
        callback(context, error, VarList);
}
