#pragma once
// KtSNMPRequest: one variable list bound to the device parameters copied from the global
// defaults, with the SNMP operations on it: get of a scalar group or a table row, a row-by-row
// get-next walk of a table, and set, synchronously or asynchronously. Results stay in the list:
// each variable's display text and the instance OID last read.
#include "KtNML/KtSNMPError.h"
#include "KtNML/KtSNMPSession.h"
#include "KtNML/KtSNMPVarList.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace snmp {
struct Pdu;
struct Varbind;
}

class KtSNMPRequest;

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
    // Synchronous write of the settable variables (or of those named in indexList, taking
    // values[k] for the k-th index named). Throws KtException.
    bool Set(bool readBack, const QString& indexList = QString(), const QStringList* values = nullptr);
    void SetAsync(KtSNMPCallback callback, void* context, bool readBack, const QString& indexList = QString(),
                  const QStringList* values = nullptr);

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

    bool m_destroying = false;
};
