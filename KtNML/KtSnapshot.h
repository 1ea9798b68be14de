#pragma once
// Configuration snapshots: the read-write objects the module's definition tables name, as
// read from a switch, kept in a text file, compared and written back.
//
// Widgets-free: the GUI and the command-line program both build on it. The callers hand in
// the object sources (definition table, item type, key count, caption); this part makes the
// plan of what to read, the file text, the differences and the SETs of a restore.
//
// File format (one object instance per line in OID order, lines a shell hands to snmpset as
// they stand):
//
//   # vkr2207 configuration snapshot
//   # address: 10.90.90.90
//   # sysName: core-1
//   # sysObjectID: 1.3.6.1.4.1.32473.10.101.1
//   # date: 2026-12-11T12:00:00Z
//   # module: 0.1
//   # not saved: 1.3.6.1.4.1.32473.12.5.10.1.4 (Server Auth Key)
//   1.3.6.1.2.1.1.6.0 s "Lab rack 1"  # System Location
//   1.3.6.1.2.1.17.7.1.4.3.1.2.5 x "FF C0"  # Egress Ports
#include "KtNML/KtSNMPVarList.h"
#include "snmp/SnmpTypes.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <stdexcept>
#include <vector>

// One definition table the snapshot reads from.
struct KtSnapshotSource {
    const KtSNMPVarDef* table = nullptr;  // ended by a record with a null OID
    std::uint8_t itemType = KtItem::SVT_SV;
    std::int32_t keyCount = 0;
    QString caption;  // of the view or dialog, shown beside the table's rows
    // The row-status variable of a table and its option texts to create and to remove a row.
    // Left at -1, a variable whose options hold "createAndGo" is taken as the row status.
    int statusIndex = -1;
    const char* createText = nullptr;
    const char* destroyText = nullptr;
    // Variables that start something when written (a reboot, a clean, a delete) rather than
    // hold a setting: listed as not saved, so that a restore never sends them.
    std::vector<int> actions = {};
};

// The VKR-2207's sysObjectID: snapshots of other devices are refused unless forced.
inline constexpr const char* kKtSnapshotObjectId = "1.3.6.1.4.1.32473.10.101.1";
inline constexpr const char* kKtSnapshotMagic = "# vkr2207 configuration snapshot";

// One variable of the plan: a scalar instance (base + ".0") or a table column.
struct KtSnapshotColumn {
    snmp::Oid base;  // the variable's OID (a column's, without instance)
    QString caption;
    int table = -1;  // index into KtSnapshotPlan::tables; -1 for a scalar
};

// A table of the plan: its saved columns and how a row is created and removed.
struct KtSnapshotTable {
    QString caption;
    std::vector<int> columns;  // indexes into KtSnapshotPlan::columns
    int statusColumn = -1;     // index into KtSnapshotPlan::columns; -1: rows are fixed
    std::int32_t createValue = 0;  // createAndGo (4), or the table's own "valid", "enabled", "add"
    std::int32_t destroyValue = 0;
    bool rowStatus = false;  // the status column is a RowStatus (createAndWait and active exist)
};

struct KtSnapshotPlan {
    std::vector<KtSnapshotColumn> columns;  // scalars and table columns, each OID once
    std::vector<KtSnapshotTable> tables;
    std::vector<KtSnapshotColumn> notSaved;  // write-only, secret or an action: never read back

    // Builds the plan: read-write variables only, each OID once (the first source naming it
    // gives the caption), secrets and actions listed as not saved.
    static KtSnapshotPlan FromSources(const std::vector<KtSnapshotSource>& sources);

    // The column whose base is a prefix of oid (a scalar only for base + ".0"); -1 for none.
    int ColumnOf(const snmp::Oid& oid) const;
    int ScalarCount() const;
};

// A definition that names a secret (a password or a key string the switch does not give back).
bool KtSnapshotIsSecret(const KtSNMPVarDef& def);

struct KtSnapshotHeader {
    QString address, sysName, sysObjectId, date, release;
};

struct KtSnapshotEntry {
    snmp::Varbind vb;  // instance OID and value
    QString caption;
};

struct KtSnapshot {
    KtSnapshotHeader header;
    std::vector<KtSnapshotEntry> entries;  // in OID order, each OID once
    QStringList notSaved;                  // "OID (caption)"

    void Sort();
};

// A file that does not parse: the line (from 1) and what is wrong with it.
class KtSnapshotParseError : public std::runtime_error {
public:
    KtSnapshotParseError(int line, const QString& message);
    int Line() const { return m_line; }
    QString Message() const { return m_message; }

private:
    int m_line;
    QString m_message;
};

// The value of a varbind as snmpset's type letter and value text ('s' quoted for a shell).
// False for a value no SET can carry (exceptions, NULL, opaque).
bool KtSnapshotValueText(const snmp::Varbind& vb, char& type, QString& value);

// The whole file text; the parser takes it back to the same entries, byte for byte.
QString KtSnapshotToText(const KtSnapshot& snapshot);
// Throws KtSnapshotParseError naming the first bad line.
KtSnapshot KtSnapshotFromText(const QString& text);

// Writes the file with mode 0600 (through a temporary file: a failed write keeps the old one).
// False with the reason in error.
bool KtSnapshotSave(const QString& fileName, const KtSnapshot& snapshot, QString& error);
// Reads a regular file; throws KtSnapshotParseError (line 0 for a file that cannot be read).
KtSnapshot KtSnapshotLoad(const QString& fileName);

// ---- differences ------------------------------------------------------------------------

enum class KtDiffKind : std::uint8_t { Changed, OnlyInFile, OnlyOnSwitch };

// One difference: an object instance, or a whole table row present on one side only.
struct KtSnapshotDiff {
    KtDiffKind kind = KtDiffKind::Changed;
    QString caption;   // the object's, or the table's for a row
    QString instance;  // instance suffix ("0" for a scalar, the row's index otherwise)
    QString inFile, onSwitch;  // value texts as the file writes them; a row: its columns
    int table = -1;            // plan table of a row difference; -1 for one object
    snmp::Oid rowSuffix;       // a row difference's index
    std::vector<snmp::Varbind> fileValues;    // the file's varbinds of this object or row
    std::vector<snmp::Varbind> switchValues;  // the switch's
};

QString KtDiffKindText(KtDiffKind kind);  // "changed", "only in file", "only on switch"

// What differs between a saved snapshot and what the switch holds now. A table row present on
// one side only is one difference; so is each object that differs within rows on both sides.
std::vector<KtSnapshotDiff> KtSnapshotCompare(const KtSnapshotPlan& plan, const KtSnapshot& file,
                                              const KtSnapshot& onSwitch);

// ---- restore ----------------------------------------------------------------------------

// One SET of a restore; a step with a fallback is tried again as the fallback's steps when the
// switch refuses it (createAndGo refused: createAndWait, the columns, active).
struct KtRestoreStep {
    int diff = -1;  // the difference it applies
    QString description;  // the SET as a line: "OID TYPE VALUE[, OID TYPE VALUE ...]"
    std::vector<snmp::Varbind> varbinds;
    std::vector<KtRestoreStep> fallback;
};

// The SETs that make the switch hold the file's values for the chosen differences (all when
// `chosen` is empty is NOT implied: pass the indexes). Rows only on the switch are removed only
// when chosen. Differences nothing can restore (a fixed table's missing row, a row without a
// status column to remove) come back in `notRestorable` with the reason.
std::vector<KtRestoreStep> KtSnapshotRestoreSteps(const KtSnapshotPlan& plan, const std::vector<KtSnapshotDiff>& diffs,
                                                  const std::vector<int>& chosen, QStringList* notRestorable);

// The description text of a list of varbinds.
QString KtSnapshotSetText(const std::vector<snmp::Varbind>& varbinds);
