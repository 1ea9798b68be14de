#pragma once
// KtSNMPRequest: one variable list bound to the device parameters copied from the global
// defaults, with the SNMP operations on it: get of a scalar group or a table row, a row-by-row
// walk of a table, and set, synchronously or asynchronously. Results stay in the list: each
// variable's display text and the instance OID last read.
//
// A walk reads the table with get-bulk when the device speaks SNMPv2c or SNMPv3 (unless its
// parameters turn that off): each response holds many rows of every column still going, and
// the rows are then handed out one per Get / completion exactly as a get-next walk would have
// read them. SNMPv1, and an agent that refuses get-bulk, are walked with get-next.
#include "KtNML/KtSNMPError.h"
#include "KtNML/KtSNMPSession.h"
#include "KtNML/KtSNMPVarList.h"
#include "snmp/SnmpTypes.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

namespace snmp {
struct Pdu;
}

class KtSNMPRequest;

// Index lists of a write that mean something of their own. A list that names no variable
// (an empty text, or indexes no variable has) sends nothing and raises NothingToWrite.
inline const QString KtAllSettable = QStringLiteral("*");  // every settable variable
inline const QString KtEmptySet = QStringLiteral("-");     // a SET without variables, on purpose

// Completion of an asynchronous operation: (context, error, list). error.finished tells
// whether the operation is over (a table walk delivers one row per call).
using KtSNMPCallback = void (*)(void* context, const KtSNMPError& error, KtSNMPVarList& list);

class KtSNMPRequest {
public:
    KtSNMPRequest();
    virtual ~KtSNMPRequest();
    KtSNMPRequest(const KtSNMPRequest&) = delete;
    KtSNMPRequest& operator=(const KtSNMPRequest&) = delete;

    // Slots the request calls for every conversion; the framework's behaviour by default.
    virtual QString SubstituteValues(const QString& templ, bool quoteStrings, QChar marker);
    virtual QString DecodeIndex(int i, const QString& suffix);
    virtual QString EncodeIndex(int i);
    virtual void ValueFromVb(int i, const snmp::Varbind& vb);
    virtual void ValueToVb(int i, snmp::Varbind& vb);
    virtual void ApplyExpression(int i, bool afterGet);
    virtual bool EvaluateCondition(const QString& text);
    virtual bool IsColumnDone(const QString& base, const QString& previous, const QString& received);

    // Synchronous read: true when a table row was read (item types 2 and 3), false when the
    // walk has ended or the list is not a table. Throws KtException.
    bool Get(bool first);
    void GetAsync(KtSNMPCallback callback, void* context, bool first);
    // Synchronous write of the variables named in indexList (KtAllSettable: every settable
    // one), taking values[k] for the k-th index named. Throws KtException, NothingToWrite
    // (nothing sent) when no variable is left to write.
    bool Set(bool readBack, const QString& indexList = KtAllSettable, const QStringList* values = nullptr);
    void SetAsync(KtSNMPCallback callback, void* context, bool readBack, const QString& indexList = KtAllSettable,
                  const QStringList* values = nullptr);

    // The first variable the current read received with a value that does not fit its syntax
    // (or an SNMPv2 exception), since the read began: its value is "(NULL)". Empty: none.
    QString UnexpectedTypeMessage() const;
    bool HasUnexpectedType() const { return m_unexpectedType.has_value(); }
    // Forgets it (a new read begins).
    void ClearUnexpectedType() { m_unexpectedType.reset(); }

    // The current row's instance: the keys' encodings joined with ".".
    QString InstanceSuffix();
    bool AcceptRow(const QString& filter) { return EvaluateCondition(filter); }
    bool AcceptRecord() { return EvaluateCondition(Condition); }

    // Open fields, as views use them.
    bool NextInstance = false;
    int Retries = 1;
    KtSNMPDefaultParams Params;  // address, port, scope, version, credentials, timeout
    KtSNMPVarList VarList;
    QString Condition;
    bool Alive = true;
    int Pending = 0;

private:
    enum PduKind { FirstRead = 0, NextRead = 1, Write = 2 };
    struct Completion;

    bool IsTable() const;
    int Operation() const;
    snmp::Pdu BuildPdu(PduKind kind);
    // Matches a response to the list; returns whether a row was read. Async mode reports the
    // end of the operation through *finished instead of a return value.
    bool Parse(const std::vector<snmp::Varbind>& varbinds, int& code, bool* finished, PduKind sentKind);
    void DecodeRow(const QString& rowSuffix);
    void Send(snmp::Pdu& pdu);
    void SendAsync(const snmp::Pdu& pdu, KtSNMPCallback callback, void* context, bool parse, PduKind kind);
    void Complete(int status, const snmp::Pdu& response, KtSNMPCallback callback, void* context, bool parse,
                  PduKind kind);

    // Access bytes and values saved around a write.
    struct SavedItem {
        std::int32_t access;
        QString value;
    };
    snmp::Pdu BuildWritePdu(const QString& indexList, const QStringList* values);
    void RestoreWrite(const std::vector<SavedItem>& saved);

    // ---- get-bulk walks ----
    // The cells one column's last get-bulk response held past where the list stands, and how
    // the column ended in it.
    struct BulkColumn {
        std::vector<snmp::Varbind> cells;  // increasing OIDs, all inside the column
        std::size_t head = 0;              // cells before it have been read
        enum End { Open, Ended, NotIncreasing } end = Open;
    };
    struct BulkWalk {
        bool active = false;
        std::vector<int> vars;            // the readable variables, in list order
        std::vector<BulkColumn> columns;  // one per entry of vars
        int repetitionLimit = 0;          // lowered by tooBig answers (0: none yet)
        std::size_t varbindOctets = 0;    // largest average varbind size seen so far
    };
    struct BulkAsk {
        std::vector<std::size_t> columns;  // positions in BulkWalk::columns, in PDU order
        std::vector<snmp::Oid> from;       // where each column stood
        int repetitions = 0;
    };
    bool UseBulk() const;
    void StartBulkWalk(PduKind kind);
    // The next row's answers, one varbind per readable variable, as get-next would have
    // received them; false when a column needs more cells. Throws -529 at a column whose
    // answers stopped increasing.
    bool BulkAnswers(std::vector<snmp::Varbind>& answers);
    snmp::Pdu BuildBulkPdu(BulkAsk& ask);
    void TakeBulkResponse(const BulkAsk& ask, const std::vector<snmp::Varbind>& varbinds);
    // After a failed get-bulk: true when the step is to be read with get-next instead.
    bool BulkFallsBack(int status) const;
    bool GetBulk(PduKind kind);
    void GetBulkAsync(KtSNMPCallback callback, void* context, PduKind kind);
    void BulkNext(KtSNMPCallback callback, void* context, PduKind kind);
    void BulkCompleted(int status, const snmp::Pdu& response, const BulkAsk& ask, KtSNMPCallback callback,
                       void* context, PduKind kind);
    void NextAfterRefusal(KtSNMPCallback callback, void* context, PduKind kind);
    void Deliver(KtSNMPCallback callback, void* context, int code, const QString& message);

    struct UnexpectedType {
        int index;
        QString label;
        QString type;
    };
    std::optional<UnexpectedType> m_unexpectedType;
    // The binary form of the dotted OIDs a walk compares, kept per variable with the text it
    // stands for: where a column stands is asked again for every row, its base for every response.
    struct KeptOid {
        QString text;
        snmp::Oid oid;
        bool valid = false;
    };
    const snmp::Oid& BinaryOid(std::vector<KeptOid>& kept, int i, const QString& text);
    // nullptr for a text that is no OID.
    const snmp::Oid* KeptBinaryOid(std::vector<KeptOid>& kept, int i, const QString& text);
    void KeepInstanceOid(int i, const QString& text, const snmp::Oid& oid);
    const snmp::Oid& BulkPosition(int i);
    std::vector<KeptOid> m_baseOids;
    std::vector<KeptOid> m_instanceOids;

    BulkWalk m_bulk;
    // Read by rows handed out through the event loop: false once the request has gone.
    std::shared_ptr<bool> m_exists = std::make_shared<bool>(true);
    bool m_destroying = false;
};
