#include "KtNML/KtSNMPVarList.h"

namespace {

QString textOrNull(const char* s)
{
    return s ? QString::fromUtf8(s) : QString();
}

constexpr KtOptionPair kItemTypePairs[] = {
    {KtItem::SVT_SV, "SVT_SV"},
    {KtItem::MVT_SV, "MVT_SV"},
    {KtItem::MVT_FMV, "MVT_FMV"},
    {KtItem::MVT_UMV, "MVT_UMV"},
    {},
};

// In the system's vocabulary order.
constexpr KtOptionPair kSyntaxPairs[] = {
    {KtSyn::Integer, "integer"},
    {KtSyn::BitStr, "bitstr"},
    {KtSyn::OctetStr, "octetstr"},
    {KtSyn::Null, "null"},
    {KtSyn::ObjectId, "objectid"},
    {KtSyn::IpAddress, "ipaddress"},
    {KtSyn::Counter, "counter"},
    {KtSyn::Gauge, "guage"},
    {KtSyn::TimeTicks, "timeticks"},
    {KtSyn::Opaque, "opaque"},
    {KtSyn::Counter64, "counter64"},
    {KtSyn::Boolean, "boolean"},
    {KtSyn::NsapAddr, "nsapaddr"},
    {KtSyn::UInteger, "uinteger"},
    {KtSyn::Double, "double"},
    {KtSyn::MacAddress, "macaddress"},
    {KtSyn::DateTime, "datetime"},
    {KtSyn::BcDateTime, "bcdatetime"},
    {KtSyn::DisplayStr, "displaystr"},
    {KtSyn::Bool8, "bool8"},
    {KtSyn::Int8, "int8"},
    {KtSyn::UInt8, "uint8"},
    {KtSyn::Bool16, "bool16"},
    {KtSyn::Int16, "int16"},
    {KtSyn::UInt16, "uint16"},
    {KtSyn::Ipv6Address, "ipv6address"},
    {},
};

constexpr KtOptionPair kAccessPairs[] = {
    {KtAcc::NotAccess, "notaccess"},
    {KtAcc::ReadOnly, "readonly"},
    {KtAcc::WriteOnly, "writeonly"},
    {KtAcc::ReadWrite, "readwrite"},
    {KtAcc::Derived, "derived"},
    {KtAcc::Hidden, "hidden"},
    {KtAcc::Invalid, "invalid"},
    {},
};

std::unique_ptr<KtSNMPVar> fromDef(const KtSNMPVarDef& d)
{
    auto v = std::make_unique<KtSNMPVar>();
    v->Oid = textOrNull(d.oid);
    v->Label = textOrNull(d.label);
    v->Syntax = d.syntax;
    v->Access = d.access;
    v->Options = d.options;
    v->GetExpression = textOrNull(d.getExpression);
    v->SetExpression = textOrNull(d.setExpression);
    v->Reserved = textOrNull(d.reserved);
    v->Value = d.initialValue ? QString::fromUtf8(d.initialValue) : QString();
    v->InstanceOid = d.initialInstance ? QString::fromUtf8(d.initialInstance) : QString();
    return v;
}

} // namespace

const KtOptionList KtItemTypeNames(kItemTypePairs);
const KtOptionList KtSyntaxNames(kSyntaxPairs);
const KtOptionList KtAccessNames(kAccessPairs);

KtSNMPVarList::KtSNMPVarList(const KtSNMPVarDef* table, std::uint8_t itemType, std::int32_t keyCount)
    : KeyCount(keyCount), ItemType(itemType)
{
    Add(table);
}

KtSNMPVarList::KtSNMPVarList(const KtSNMPVarList& other)
{
    Assign(other);
}

void KtSNMPVarList::Assign(const KtSNMPVarList& other)
{
    if (&other == this)
        return;
    Clear();
    m_items.reserve(other.m_items.size());
    for (const auto& item : other.m_items)
        m_items.push_back(std::make_unique<KtSNMPVar>(*item));
    m_ownedOptions = other.m_ownedOptions;
    ItemType = other.ItemType;
    KeyCount = other.KeyCount;
    Name = other.Name;
}

void KtSNMPVarList::Add(const KtSNMPVarDef* table)
{
    if (!table)
        return;
    std::size_t n = 0;
    while (table[n].oid)
        ++n;
    m_items.reserve(m_items.size() + n);
    for (std::size_t i = 0; i < n; ++i)
        m_items.push_back(fromDef(table[i]));
}

void KtSNMPVarList::Clear()
{
    m_items.clear();
    m_ownedOptions.clear();
}

bool KtSNMPVarList::IsReadable(int i) const
{
    const int a = Item(i).Access;
    return !(a & KtAcc::Invalid) && (a & KtAcc::ReadOnly);
}

bool KtSNMPVarList::IsSettable(int i) const
{
    const int a = Item(i).Access;
    if (a & KtAcc::Invalid)
        return false;
    const bool isKey = (ItemType == KtItem::MVT_FMV || ItemType == KtItem::MVT_UMV) && i < KeyCount;
    return (a & KtAcc::WriteOnly) || isKey;
}

bool KtSNMPVarList::IsDisplayed(int i) const
{
    const int a = Item(i).Access;
    return !(a & (KtAcc::Invalid | KtAcc::Hidden))
        && (a & (KtAcc::NotAccess | KtAcc::Derived | KtAcc::ReadOnly));
}

bool KtSNMPVarList::IsHiddenColumn(int i) const
{
    const int a = Item(i).Access & 0xff;
    return a == KtAcc::WriteOnly || (a & KtAcc::Invalid) || (a & KtAcc::Hidden);
}

bool KtSNMPVarList::IsImplied(int i) const
{
    return Item(i).Access & KtAcc::Implied;
}

int KtSNMPVarList::DisplayedCount() const
{
    int n = 0;
    for (int i = 0; i < Count(); ++i)
        n += IsDisplayed(i);
    return n;
}

int KtSNMPVarList::HiddenColumnCount() const
{
    int n = 0;
    for (int i = 0; i < Count(); ++i)
        n += IsHiddenColumn(i);
    return n;
}

void KtSNMPVarList::AppendInstance(const QString& suffix)
{
    // A trailing "." would make every OID invalid.
    if (suffix.isEmpty())
        return;
    for (auto& item : m_items)
        item->Oid += u'.' + suffix;
}

QString KtSNMPVarList::Base(int i) const
{
    const QString& oid = Item(i).Oid;
    return Suffix.isEmpty() ? oid : oid + u'.' + Suffix;
}

const KtOptionList* KtSNMPVarList::AdoptOptionList(std::unique_ptr<KtOptionList> list)
{
    const KtOptionList* p = list.get();
    m_ownedOptions.push_back(std::shared_ptr<const KtOptionList>(std::move(list)));
    return p;
}
