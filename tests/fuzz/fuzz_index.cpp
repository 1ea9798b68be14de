// Index decoding: DecodeIndex over each key syntax with arbitrary suffix text. Byte 0 picks the
// syntax, byte 1 whether the key is last and implied; the rest is the suffix. A decoded key
// must encode back to the sub-identifiers it consumed (for the syntaxes whose text keeps every
// bit; string keys keep each sub-identifier's low 8 bits, display strings included whatever
// their bytes), and the rest must be the tail.
#include "KtNML/KtSNMPError.h"
#include "KtNML/KtValueCodec.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

constexpr int kSyntaxes[] = {
    KtSyn::Boolean, KtSyn::Integer, KtSyn::BitStr, KtSyn::OctetStr, KtSyn::Null, KtSyn::ObjectId,
    KtSyn::IpAddress, KtSyn::Counter, KtSyn::Gauge, KtSyn::TimeTicks, KtSyn::Opaque, KtSyn::NsapAddr,
    KtSyn::Counter64, KtSyn::UInteger, KtSyn::Double, KtSyn::MacAddress, KtSyn::DateTime,
    KtSyn::BcDateTime, KtSyn::DisplayStr, KtSyn::Ipv6Address, KtSyn::Int16, 0x99,
};

bool exactRoundTrip(int s)
{
    switch (s) {
    case KtSyn::Integer: case KtSyn::Counter: case KtSyn::Gauge: case KtSyn::UInteger:
    case KtSyn::TimeTicks: case KtSyn::Counter64: case KtSyn::BitStr: case KtSyn::OctetStr:
    case KtSyn::Opaque: case KtSyn::DisplayStr: case KtSyn::ObjectId:
        return true;
    default:
        return false;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    const int syntax = kSyntaxes[data[0] % std::size(kSyntaxes)];
    const bool last = data[1] & 1, implied = data[1] & 2;
    const QString suffix = QString::fromLatin1(reinterpret_cast<const char*>(data + 2), qsizetype(size - 2));

    const KtSNMPVarDef defs[] = {
        {"1.3.6.1.9.1.1", "k", syntax, KtAcc::NotAccess | (implied ? KtAcc::Implied : 0)},
        {"1.3.6.1.9.1.2", "v", KtSyn::Integer, KtAcc::ReadWrite},
        {},
    };
    KtSNMPVarList list(defs, KtItem::MVT_UMV, last ? 1 : 2);
    QString rest;
    try {
        rest = DecodeIndex(list, 0, suffix);
    } catch (const KtException&) {
        return 0;
    }
    // The rest is the tail of the suffix, as sub-identifiers (its text is canonical: "098" -> "98").
    snmp::Oid whole, tail;
    if (!snmp::oidFromText(suffix.toStdString(), whole))
        whole.clear();  // a suffix that is no OID carries no sub-identifiers
    if (!snmp::oidFromText(rest.toStdString(), tail) || tail.size() > whole.size()
        || !std::equal(tail.begin(), tail.end(), whole.end() - std::ptrdiff_t(tail.size())))
        std::abort();
    QString encoded;
    try {
        encoded = EncodeIndex(list, 0);
    } catch (const KtException&) {
        if (exactRoundTrip(syntax))
            std::abort();
        return 0;
    }
    if (exactRoundTrip(syntax)) {
        snmp::Oid head;
        snmp::oidFromText(encoded.toStdString(), head);
        if (head.size() + tail.size() != whole.size())
            std::abort();
        // String keys keep the low 8 bits of each sub-identifier; a length prefix is exact.
        const bool bytes = syntax == KtSyn::BitStr || syntax == KtSyn::OctetStr || syntax == KtSyn::Opaque
            || syntax == KtSyn::DisplayStr;
        const std::size_t first = bytes && !(last && implied) ? 1 : 0;
        for (std::size_t k = 0; k < head.size(); ++k) {
            const std::uint32_t want = bytes && k >= first ? whole[k] & 0xff : whole[k];
            if (head[k] != want)
                std::abort();
        }
    }
    return 0;
}
