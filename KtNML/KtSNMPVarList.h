#pragma once
// Variable definitions and variable lists.
//
// A view's variables come from a static definition table compiled into the program, one
// record per variable, ended by a record whose OID is null:
//
//   constexpr KtSNMPVarDef kIfTable[] = {
//       {"1.3.6.1.2.1.2.2.1.1", "Index", KtSyn::Integer, KtAcc::ReadOnly},
//       {"1.3.6.1.2.1.2.2.1.7", "Admin Status", KtSyn::Integer, KtAcc::ReadWrite, &olIfStatus},
//       {},
//   };
//   KtSNMPVarList list(kIfTable, KtItem::MVT_UMV, 1);
//
// The list then carries each variable's current value as display text and the OID of the
// instance last read, so it is both the description and the result buffer of a request.
#include "KtNML/KtOptionList.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

// Item types: how the variables of a list are addressed and read.
namespace KtItem {
enum : std::uint8_t {
    SVT_SV = 0,   // scalar group: instance OID + ".0", read with get
    MVT_SV = 1,   // one table row: OID + "." + the list's suffix
    MVT_FMV = 2,  // whole table, walked with get-next; bound controls wait for a selected row
    MVT_UMV = 3,  // whole table, walked with get-next
};
}

// Syntax codes: the ASN.1 tag where one exists, the framework's own codes otherwise.
namespace KtSyn {
enum : std::int32_t {
    Boolean = 0x01,
    Integer = 0x02,
    BitStr = 0x03,
    OctetStr = 0x04,
    Null = 0x05,
    ObjectId = 0x06,
    IpAddress = 0x40,
    Counter = 0x41,
    Gauge = 0x42,
    TimeTicks = 0x43,
    Opaque = 0x44,
    NsapAddr = 0x45,
    Counter64 = 0x46,
    UInteger = 0x47,
    Double = 0x48,
    MacAddress = 0x49,
    DateTime = 0x4a,
    BcDateTime = 0x4b,
    DisplayStr = 0x4c,
    Ipv6Address = 0x4d,
    // Valid only for a part of an octet-string variable.
    Bool8 = 0xc1,
    Int8 = 0xc2,
    UInt8 = 0xc3,
    Bool16 = 0xc4,
    Int16 = 0xc5,
    UInt16 = 0xc6,
};
}

// Access flags (low byte of the access cell).
namespace KtAcc {
enum : std::int32_t {
    NotAccess = 0x01,
    ReadOnly = 0x02,
    WriteOnly = 0x04,
    ReadWrite = 0x06,
    Derived = 0x08,
    Hidden = 0x10,
    Invalid = 0x20,
    Implied = 0x40,  // last index column, encoded without length prefix
};
}

// One static definition record: ten cells, the last five null in every table of this system.
// A literal type, so a view's table is a constexpr array.
struct KtSNMPVarDef {
    const char* oid = nullptr;  // null ends the table
    const char* label = nullptr;
    std::int32_t syntax = 0;
    std::int32_t access = 0;
    const KtOptionList* options = nullptr;  // global list, not owned
    const char* getExpression = nullptr;
    const char* setExpression = nullptr;
    const char* reserved = nullptr;  // copied, never interpreted
    const char* initialValue = nullptr;
    const char* initialInstance = nullptr;
};

// A variable of a list. Texts that a definition leaves null are null QStrings (isNull()).
struct KtSNMPVar {
    QString Oid;
    QString Label;
    std::int32_t Syntax = 0;
    std::int32_t Access = 0;
    const KtOptionList* Options = nullptr;  // borrowed
    QString GetExpression;
    QString SetExpression;
    QString Reserved;
    QString Value;        // display text of the current value
    QString InstanceOid;  // full OID of the instance last read or to be read next
    // A string key's bytes as read from an instance suffix. Display text need not give them
    // back (bytes that are no UTF-8), so the key is encoded from them while Value still shows
    // them; a typed text that differs is encoded from the text.
    QByteArray KeyBytes;
};

class KtSNMPVarList {
public:
    KtSNMPVarList() = default;
    // Builds from a definition table (null gives an empty list).
    KtSNMPVarList(const KtSNMPVarDef* table, std::uint8_t itemType, std::int32_t keyCount);
    // Deep copy; the suffix is not copied (the copy starts with an empty one).
    KtSNMPVarList(const KtSNMPVarList& other);
    KtSNMPVarList(KtSNMPVarList&&) noexcept = default;
    KtSNMPVarList& operator=(KtSNMPVarList&&) noexcept = default;
    // Copy assignment would hide whether the suffix travels: use Assign.
    KtSNMPVarList& operator=(const KtSNMPVarList&) = delete;

    // Clears this list, then deep-copies other's items, item type, key count and name.
    // This list keeps its own suffix.
    void Assign(const KtSNMPVarList& other);
    // Appends the definitions of a table after the existing items.
    void Add(const KtSNMPVarDef* table);
    void Clear();

    int Count() const { return int(m_items.size()); }
    // No bounds check: callers stay within Count().
    KtSNMPVar& Item(int i) { return *m_items[std::size_t(i)]; }
    const KtSNMPVar& Item(int i) const { return *m_items[std::size_t(i)]; }

    bool IsReadable(int i) const;
    bool IsSettable(int i) const;
    bool IsDisplayed(int i) const;
    bool IsHiddenColumn(int i) const;
    bool IsImplied(int i) const;
    int DisplayedCount() const;
    int HiddenColumnCount() const;

    // Replaces every item's OID by OID + "." + suffix (an empty suffix changes nothing).
    void AppendInstance(const QString& suffix);

    // OID of variable i, followed by the list's suffix when that is not empty.
    QString Base(int i) const;

    // Takes ownership of an option list that items of this list may reference; copies of the
    // list share it, so it lives as long as any list that may point into it.
    const KtOptionList* AdoptOptionList(std::unique_ptr<KtOptionList> list);

    // Open to callers.
    QString Suffix;               // instance suffix of a "MVT_SV" row; empty by default
    std::int32_t KeyCount = 0;    // leading index columns of a table list
    std::uint8_t ItemType = KtItem::SVT_SV;
    QString Name;                 // shown as [VARLIST] in status lines

private:
    std::vector<std::unique_ptr<KtSNMPVar>> m_items;
    std::vector<std::shared_ptr<const KtOptionList>> m_ownedOptions;
};

// Vocabulary lists: item-type, syntax and access codes to their names ("SVT_SV", "integer",
// "readwrite", ...). Integer lists, case-insensitive.
extern const KtOptionList KtItemTypeNames;
extern const KtOptionList KtSyntaxNames;
extern const KtOptionList KtAccessNames;
