#pragma once
// Value types the SNMP adapter exchanges with the framework. Plain C++: nothing here (or in
// any header of snmp/) exposes the SNMP library underneath.
#include <cstdint>
#include <string>
#include <vector>

namespace snmp {

using Oid = std::vector<std::uint32_t>;

// ASN.1 / SMI tags of varbind values, plus the SNMPv2 exceptions.
enum class Syntax : std::uint8_t {
    Integer = 0x02,
    OctetString = 0x04,
    Null = 0x05,
    ObjectId = 0x06,
    IpAddress = 0x40,
    Counter32 = 0x41,
    Gauge32 = 0x42,  // also Unsigned32
    TimeTicks = 0x43,
    Opaque = 0x44,
    NsapAddress = 0x45,
    Counter64 = 0x46,
    UInteger32 = 0x47,
    NoSuchObject = 0x80,
    NoSuchInstance = 0x81,
    EndOfMibView = 0x82,
};

struct Varbind {
    Oid oid;
    Syntax syntax = Syntax::Null;
    std::int64_t integer = 0;    // Integer (signed 32), Counter32, Gauge32, TimeTicks, UInteger32
    std::uint64_t counter64 = 0; // Counter64
    std::string bytes;           // OctetString, Opaque, IpAddress / NsapAddress (4 bytes)
    Oid objectId;                // ObjectId

    // No value to show: a NULL or one of the SNMPv2 exceptions.
    bool hasNoValue() const
    {
        return syntax == Syntax::Null || syntax == Syntax::NoSuchObject
            || syntax == Syntax::NoSuchInstance || syntax == Syntax::EndOfMibView;
    }

    void setNull() { reset(Syntax::Null); }
    void setInteger(std::int32_t v) { reset(Syntax::Integer); integer = v; }
    void setUnsigned(Syntax s, std::uint32_t v) { reset(s); integer = v; }
    void setCounter64(std::uint64_t v) { reset(Syntax::Counter64); counter64 = v; }
    void setBytes(Syntax s, std::string v) { reset(s); bytes = std::move(v); }
    void setObjectId(Oid v) { reset(Syntax::ObjectId); objectId = std::move(v); }

private:
    void reset(Syntax s)
    {
        syntax = s;
        integer = 0;
        counter64 = 0;
        bytes.clear();
        objectId.clear();
    }
};

// Dotted decimal text of an OID ("1.3.6.1.2.1.1.1.0"); an empty OID gives "".
std::string oidToText(const Oid& oid);
// Parses dotted decimal text (a leading "." allowed). False for anything else, including a
// sub-identifier above 4294967295 or an empty component.
bool oidFromText(const std::string& text, Oid& out);

} // namespace snmp
