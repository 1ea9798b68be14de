#include "sim/SimData.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <fstream>
#include <limits>
#include <set>
#include <sstream>

namespace vkrsim {

namespace {

[[noreturn]] void fail(const std::string& what)
{
    throw DataError(what);
}

bool parseInt(const std::string& s, std::int64_t lo, std::int64_t hi, std::int64_t& out)
{
    if (s.empty())
        return false;
    std::int64_t v = 0;
    auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || p != s.data() + s.size() || v < lo || v > hi)
        return false;
    out = v;
    return true;
}

bool parseU64(const std::string& s, std::uint64_t& out)
{
    if (s.empty() || s[0] == '-' || s[0] == '+')
        return false;
    auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
    return ec == std::errc() && p == s.data() + s.size();
}

std::optional<Range> parseRange(const std::string& s, std::int64_t lo, std::int64_t hi)
{
    auto dots = s.find("..");
    if (dots == std::string::npos)
        return std::nullopt;
    Range r;
    if (!parseInt(s.substr(0, dots), lo, hi, r.lo) || !parseInt(s.substr(dots + 2), lo, hi, r.hi)
        || r.lo > r.hi)
        return std::nullopt;
    return r;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

constexpr std::int64_t kInt32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kInt32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int64_t kUInt32Max = std::numeric_limits<std::uint32_t>::max();

bool isUnsigned32(Type t)
{
    return t == Type::Counter32 || t == Type::Gauge32 || t == Type::TimeTicks;
}

std::optional<IndexSyntax> parseIndexSyntax(const std::string& s)
{
    static const std::map<std::string, IndexSyntax> names = {
        {"integer", IndexSyntax::Integer},         {"string", IndexSyntax::String},
        {"implied-string", IndexSyntax::ImpliedString}, {"ipaddress", IndexSyntax::IpAddress},
        {"mac", IndexSyntax::Mac},                 {"ipv6address", IndexSyntax::Ipv6Address},
        {"oid", IndexSyntax::ObjectId},
        {"implied-oid", IndexSyntax::ImpliedObjectId},
    };
    auto it = names.find(s);
    if (it == names.end())
        return std::nullopt;
    return it->second;
}

// Splits an index suffix into its components (sub-identifiers without length prefixes);
// nullopt when the suffix does not match the syntaxes exactly.
std::optional<std::vector<Oid>> splitIndex(const std::vector<IndexSyntax>& syntaxes, const Oid& suffix)
{
    std::vector<Oid> parts;
    std::size_t pos = 0;
    auto take = [&](std::size_t n, bool bytes) -> bool {
        if (suffix.size() - pos < n)
            return false;
        Oid part(suffix.begin() + static_cast<std::ptrdiff_t>(pos),
                 suffix.begin() + static_cast<std::ptrdiff_t>(pos + n));
        if (bytes && std::any_of(part.begin(), part.end(), [](std::uint32_t v) { return v > 255; }))
            return false;
        parts.push_back(std::move(part));
        pos += n;
        return true;
    };
    for (IndexSyntax s : syntaxes) {
        bool ok = false;
        switch (s) {
        case IndexSyntax::Integer: ok = take(1, false); break;
        case IndexSyntax::IpAddress: ok = take(4, true); break;
        case IndexSyntax::Mac: ok = take(6, true); break;
        case IndexSyntax::Ipv6Address: ok = take(16, true); break;
        case IndexSyntax::String:
        case IndexSyntax::ObjectId:
            if (pos < suffix.size()) {
                std::size_t n = suffix[pos++];
                ok = take(n, s == IndexSyntax::String);
            }
            break;
        case IndexSyntax::ImpliedString:
        case IndexSyntax::ImpliedObjectId:
            ok = take(suffix.size() - pos, s == IndexSyntax::ImpliedString);
            break;
        }
        if (!ok)
            return std::nullopt;
    }
    if (pos != suffix.size())
        return std::nullopt;
    return parts;
}

Oid joinIndex(const std::vector<IndexSyntax>& syntaxes, const std::vector<Oid>& parts)
{
    Oid out;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (syntaxes[i] == IndexSyntax::String || syntaxes[i] == IndexSyntax::ObjectId)
            out.push_back(static_cast<std::uint32_t>(parts[i].size()));
        out.insert(out.end(), parts[i].begin(), parts[i].end());
    }
    return out;
}

bool indexFitsType(IndexSyntax s, Type t)
{
    switch (s) {
    case IndexSyntax::Integer:
        return t == Type::Integer || isUnsigned32(t);
    case IndexSyntax::String:
    case IndexSyntax::ImpliedString:
    case IndexSyntax::Mac:
    case IndexSyntax::Ipv6Address:
        return t == Type::OctetString;
    case IndexSyntax::IpAddress:
        return t == Type::IpAddress || t == Type::OctetString;
    case IndexSyntax::ObjectId:
    case IndexSyntax::ImpliedObjectId:
        return t == Type::ObjectId;
    }
    return false;
}

Value indexValue(const Oid& part, Type t)
{
    Value v;
    v.type = t;
    if (t == Type::ObjectId)
        v.oid = part;
    else if (t == Type::OctetString || t == Type::IpAddress)
        for (auto b : part)
            v.bytes.push_back(static_cast<char>(b));
    else
        v.num = part.empty() ? 0 : static_cast<std::int64_t>(part[0]);
    return v;
}

// Why a value breaks a definition's constraints, or NoError.
SetStatus checkValue(const ObjectDef& def, const Value& v)
{
    if (v.type != def.type)
        return SetStatus::WrongType;
    if (v.type == Type::IpAddress && v.bytes.size() != 4)
        return SetStatus::WrongLength;
    if (def.size && v.type == Type::OctetString) {
        auto n = static_cast<std::int64_t>(v.bytes.size());
        if (n < def.size->lo || n > def.size->hi)
            return SetStatus::WrongLength;
    }
    if (def.range && (v.type == Type::Integer || isUnsigned32(v.type))) {
        if (v.num < def.range->lo || v.num > def.range->hi)
            return SetStatus::WrongValue;
    }
    return SetStatus::NoError;
}

} // namespace

std::string oidToString(const Oid& oid)
{
    std::string s;
    for (std::size_t i = 0; i < oid.size(); ++i) {
        if (i)
            s += '.';
        s += std::to_string(oid[i]);
    }
    return s;
}

std::optional<Oid> parseOid(const std::string& text)
{
    std::string s = text;
    if (!s.empty() && s[0] == '.')
        s.erase(0, 1);
    if (s.empty())
        return std::nullopt;
    Oid out;
    std::size_t start = 0;
    while (true) {
        auto dot = s.find('.', start);
        std::string part = s.substr(start, dot == std::string::npos ? std::string::npos : dot - start);
        std::int64_t v = 0;
        if (!parseInt(part, 0, kUInt32Max, v))
            return std::nullopt;
        out.push_back(static_cast<std::uint32_t>(v));
        if (dot == std::string::npos)
            break;
        start = dot + 1;
    }
    if (out.size() < 2 || out.size() > 128)
        return std::nullopt;
    return out;
}

bool isPrefix(const Oid& prefix, const Oid& oid)
{
    return prefix.size() <= oid.size() && std::equal(prefix.begin(), prefix.end(), oid.begin());
}

std::optional<Type> parseType(const std::string& n)
{
    if (n == "integer")
        return Type::Integer;
    if (n == "unsigned" || n == "gauge")
        return Type::Gauge32;
    if (n == "counter")
        return Type::Counter32;
    if (n == "counter64")
        return Type::Counter64;
    if (n == "timeticks")
        return Type::TimeTicks;
    if (n == "ipaddress")
        return Type::IpAddress;
    if (n == "string" || n == "hex")
        return Type::OctetString;
    if (n == "oid")
        return Type::ObjectId;
    return std::nullopt;
}

Value parseValue(const std::string& typeName, const std::string& text)
{
    auto type = parseType(typeName);
    if (!type)
        fail("unknown type '" + typeName + "'");
    Value v;
    v.type = *type;
    switch (*type) {
    case Type::Integer:
        if (!parseInt(text, kInt32Min, kInt32Max, v.num))
            fail("'" + text + "' is not a 32-bit integer");
        break;
    case Type::Counter32:
    case Type::Gauge32:
    case Type::TimeTicks:
        if (!parseInt(text, 0, kUInt32Max, v.num))
            fail("'" + text + "' is not an unsigned 32-bit number");
        break;
    case Type::Counter64:
        if (!parseU64(text, v.big))
            fail("'" + text + "' is not an unsigned 64-bit number");
        break;
    case Type::IpAddress: {
        auto o = parseOid(text);
        if (!o || o->size() != 4 || text[0] == '.'
            || std::any_of(o->begin(), o->end(), [](std::uint32_t b) { return b > 255; }))
            fail("'" + text + "' is not an IPv4 address");
        for (auto b : *o)
            v.bytes.push_back(static_cast<char>(b));
        break;
    }
    case Type::OctetString:
        if (typeName == "hex") {
            std::string digits;
            std::size_t from = (text.rfind("0x", 0) == 0 || text.rfind("0X", 0) == 0) ? 2 : 0;
            for (std::size_t i = from; i < text.size(); ++i) {
                char c = text[i];
                if (c == ':' || c == '-' || c == ' ')
                    continue;
                if (hexDigit(c) < 0)
                    fail("'" + text + "' is not hexadecimal");
                digits += c;
            }
            if (digits.size() % 2)
                fail("'" + text + "' has an odd number of hex digits");
            for (std::size_t i = 0; i < digits.size(); i += 2)
                v.bytes.push_back(static_cast<char>(hexDigit(digits[i]) * 16 + hexDigit(digits[i + 1])));
        } else {
            v.bytes = text;
        }
        break;
    case Type::ObjectId: {
        auto o = parseOid(text);
        if (!o)
            fail("'" + text + "' is not an OID");
        v.oid = *o;
        break;
    }
    }
    return v;
}

std::vector<std::string> tokenize(const std::string& line)
{
    std::vector<std::string> out;
    std::string cur;
    bool inToken = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        char c = line[i];
        if (c == '#')
            break;
        if (c == ' ' || c == '\t' || c == '\r') {
            if (inToken)
                out.push_back(cur);
            cur.clear();
            inToken = false;
            continue;
        }
        inToken = true;
        if (c != '"') {
            cur += c;
            continue;
        }
        // Quoted part: C escapes, ends at the next unescaped quote.
        bool closed = false;
        for (++i; i < line.size(); ++i) {
            c = line[i];
            if (c == '"') {
                closed = true;
                break;
            }
            if (c != '\\') {
                cur += c;
                continue;
            }
            if (++i >= line.size())
                break;
            switch (line[i]) {
            case 'n': cur += '\n'; break;
            case 't': cur += '\t'; break;
            case 'r': cur += '\r'; break;
            case '0': cur += '\0'; break;
            case 'x': {
                int hi = i + 1 < line.size() ? hexDigit(line[i + 1]) : -1;
                int lo = i + 2 < line.size() ? hexDigit(line[i + 2]) : -1;
                if (hi < 0 || lo < 0)
                    fail("bad \\x escape");
                cur += static_cast<char>(hi * 16 + lo);
                i += 2;
                break;
            }
            default: cur += line[i]; break;
            }
        }
        if (!closed)
            fail("unterminated quoted text");
    }
    if (inToken)
        out.push_back(cur);
    return out;
}

// ---- loading ---------------------------------------------------------------------------------

void Store::loadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        fail(path + ": cannot open: " + std::strerror(errno));
    std::stringstream ss;
    ss << in.rdbuf();
    loadText(ss.str(), path);
}

namespace {
// Splits a line, naming the file and line in a tokenizing error.
std::vector<std::string> tokenizeAt(const std::string& line, const std::string& where)
{
    try {
        return tokenize(line);
    } catch (const DataError& e) {
        throw DataError(where + ": " + e.what());
    }
}
}

void Store::loadText(const std::string& text, const std::string& name)
{
    std::istringstream in(text);
    std::string line;
    int lineNo = 0;
    while (std::getline(in, line)) {
        ++lineNo;
        const std::string where = name + ":" + std::to_string(lineNo);
        auto tok = tokenizeAt(line, where);
        if (!tok.empty() && tok[0] == "include") {
            // Another data file, named relative to this one; its own errors name it.
            if (tok.size() != 2)
                throw DataError(where + ": include takes one file name");
            if (m_includeDepth >= 8)
                throw DataError(where + ": includes nested too deeply");
            const std::string::size_type slash = name.find_last_of('/');
            const std::string path = tok[1].front() == '/' || slash == std::string::npos
                ? tok[1]
                : name.substr(0, slash + 1) + tok[1];
            ++m_includeDepth;
            try {
                loadFile(path);
            } catch (...) {
                --m_includeDepth;
                throw;
            }
            --m_includeDepth;
            continue;
        }
        try {
            if (!tok.empty())
                parseLine(tok, where);
        } catch (const DataError& e) {
            throw DataError(where + ": " + e.what());
        }
    }
}

int Store::tableIndex(const std::string& name) const
{
    for (std::size_t i = 0; i < m_tables.size(); ++i)
        if (m_tables[i].name == name)
            return static_cast<int>(i);
    return -1;
}

void Store::parseLine(const std::vector<std::string>& tok, const std::string&)
{
    const std::string& kw = tok[0];
    auto needOid = [](const std::string& s) {
        auto o = parseOid(s);
        if (!o)
            fail("'" + s + "' is not an OID");
        return *o;
    };
    // Options after the fixed fields: rw, ro, size=a..b, range=a..b, default=value.
    struct Options {
        std::optional<bool> writable;
        std::optional<Range> size, range;
        std::optional<std::string> def;
    };
    auto options = [](const std::vector<std::string>& t, std::size_t from, bool allowDefault) {
        Options o;
        for (std::size_t i = from; i < t.size(); ++i) {
            const std::string& s = t[i];
            if (s == "rw" || s == "ro")
                o.writable = s == "rw";
            else if (s.rfind("size=", 0) == 0) {
                o.size = parseRange(s.substr(5), 0, 65535);
                if (!o.size)
                    fail("bad size '" + s.substr(5) + "' (want lo..hi)");
            } else if (s.rfind("range=", 0) == 0) {
                o.range = parseRange(s.substr(6), std::numeric_limits<std::int64_t>::min() / 2,
                                     std::numeric_limits<std::int64_t>::max() / 2);
                if (!o.range)
                    fail("bad range '" + s.substr(6) + "' (want lo..hi)");
            } else if (allowDefault && s.rfind("default=", 0) == 0)
                o.def = s.substr(8);
            else
                fail("unexpected '" + s + "'");
        }
        return o;
    };

    if (kw == "subtree") {
        if (tok.size() != 2)
            fail("subtree takes one OID");
        Oid o = needOid(tok[1]);
        for (const Oid& s : m_subtrees) {
            if (isPrefix(s, o))
                return;  // already served
            if (isPrefix(o, s))
                fail("subtree " + tok[1] + " contains the subtree " + oidToString(s) + " declared before");
        }
        m_subtrees.push_back(o);
        return;
    }
    if (kw == "panel-leds") {
        if (tok.size() != 2)
            fail("panel-leds takes one OID");
        m_ledObject = needOid(tok[1]);
        return;
    }
    if (kw == "table") {
        if (tok.size() < 4)
            fail("table wants a name, an entry OID and at least one index syntax");
        if (tableIndex(tok[1]) >= 0)
            fail("table " + tok[1] + " declared twice");
        TableDef t;
        t.name = tok[1];
        t.entry = needOid(tok[2]);
        if (!std::any_of(m_subtrees.begin(), m_subtrees.end(), [&](const Oid& s) { return isPrefix(s, t.entry); }))
            fail("table entry " + tok[2] + " lies outside the declared subtrees");
        for (std::size_t i = 3; i < tok.size(); ++i) {
            auto s = parseIndexSyntax(tok[i]);
            if (!s)
                fail("unknown index syntax '" + tok[i] + "' (integer, string, implied-string, ipaddress, mac, ipv6address, oid, implied-oid)");
            if ((*s == IndexSyntax::ImpliedString || *s == IndexSyntax::ImpliedObjectId) && i + 1 != tok.size())
                fail("only the last index can be implied");
            t.index.push_back(*s);
        }
        auto lb = m_map.lower_bound(t.entry);
        if (lb != m_map.end() && isPrefix(t.entry, lb->first))
            fail("table " + t.name + " declared after instances under its entry");
        auto near = m_tableByEntry.upper_bound(t.entry);
        if ((near != m_tableByEntry.end() && isPrefix(t.entry, near->first))
            || (near != m_tableByEntry.begin() && isPrefix(std::prev(near)->first, t.entry)))
            fail("table " + t.name + " overlaps another table");
        m_tableByEntry[t.entry] = static_cast<int>(m_tables.size());
        m_tables.push_back(std::move(t));
        return;
    }
    if (kw == "column" || kw == "status") {
        if (tok.size() < 4)
            fail(kw + " wants a table name, a column number and a " + (kw == "column" ? "type" : "kind"));
        int ti = tableIndex(tok[1]);
        if (ti < 0)
            fail("unknown table '" + tok[1] + "'");
        TableDef& t = m_tables[static_cast<std::size_t>(ti)];
        std::int64_t sub = 0;
        if (!parseInt(tok[2], 0, kUInt32Max, sub))
            fail("'" + tok[2] + "' is not a column number");
        auto col = static_cast<std::uint32_t>(sub);
        if (t.columns.count(col))
            fail("column " + tok[2] + " of " + t.name + " declared twice");
        Oid colOid = t.entry;
        colOid.push_back(col);
        auto lb = m_map.lower_bound(colOid);
        if (lb != m_map.end() && isPrefix(colOid, lb->first))
            fail("column " + tok[2] + " of " + t.name + " declared after its instances");
        ColumnDef c;
        std::string typeName;
        std::size_t optFrom = 0;
        if (kw == "status") {
            if (t.status)
                fail("table " + t.name + " has a status column already");
            StatusColumn st;
            st.column = col;
            if (tok[3] == "rowstatus") {
                optFrom = 4;
                if (tok.size() > optFrom && tok[optFrom].rfind("go=", 0) == 0) {
                    if (!parseInt(tok[optFrom].substr(3), 1, 2, st.goValue))
                        fail("go= takes the status createAndGo leaves: 1 (active) or 2 (notInService)");
                    ++optFrom;
                }
                if (tok.size() > optFrom && tok[optFrom] == "destroy=with-columns") {
                    st.destroyTakesColumns = true;
                    ++optFrom;
                }
            } else {
                if (tok.size() < 5 || !parseInt(tok[3], kInt32Min, kInt32Max, st.createValue)
                    || !parseInt(tok[4], kInt32Min, kInt32Max, st.destroyValue) || st.createValue == st.destroyValue)
                    fail("status kind is 'rowstatus' or two different integers: the value that creates a row and the one that removes it");
                st.rowStatus = false;
                optFrom = 5;
                if (tok.size() > optFrom && tok[optFrom] == "destroy=with-columns") {
                    st.destroyTakesColumns = true;
                    ++optFrom;
                }
            }
            t.status = st;
            typeName = "integer";
            c.def.type = Type::Integer;
            c.def.writable = true;
            if (optFrom < tok.size())
                fail("unexpected '" + tok[optFrom] + "'");
        } else {
            typeName = tok[3];
            auto type = parseType(typeName);
            if (!type)
                fail("unknown type '" + typeName + "'");
            c.def.type = *type;
            if (tok.size() < 5 || (tok[4] != "ro" && tok[4] != "rw"))
                fail("column access must be ro or rw");
            Options o = options(tok, 4, true);
            c.def.writable = *o.writable;
            c.def.size = o.size;
            c.def.range = o.range;
            if (o.def) {
                if (o.def->rfind("@index", 0) == 0) {
                    std::string k = o.def->substr(6);
                    std::int64_t n = 1;
                    if (!k.empty() && !parseInt(k, 1, static_cast<std::int64_t>(t.index.size()), n))
                        fail("default " + *o.def + " names no index component");
                    if (k.empty() && t.index.empty())
                        fail("default @index in a table without index");
                    if (!indexFitsType(t.index[static_cast<std::size_t>(n - 1)], c.def.type))
                        fail("default " + *o.def + " does not fit the column type " + typeName);
                    c.defaultIndex = static_cast<int>(n);
                } else {
                    Value v = parseValue(typeName, *o.def);
                    if (checkValue(c.def, v) != SetStatus::NoError)
                        fail("default " + *o.def + " breaks the column's own constraints");
                    c.defaultValue = v;
                }
            }
        }
        t.columns[col] = c;
        return;
    }

    // An instance line: OID TYPE VALUE [options]
    auto oidOpt = parseOid(kw);
    if (!oidOpt)
        fail("'" + kw + "' is neither a keyword (subtree, table, column, status, panel-leds) nor an OID");
    const Oid& oid = *oidOpt;
    if (tok.size() < 3)
        fail("an instance line wants OID, type and value");
    if (!std::any_of(m_subtrees.begin(), m_subtrees.end(), [&](const Oid& s) { return isPrefix(s, oid); }))
        fail(kw + " lies outside the declared subtrees (add a subtree line before it)");
    if (m_map.count(oid))
        fail("duplicate instance " + kw);
    Instance inst;
    if (tok[1] == "timeticks" && tok[2] == "@uptime") {
        inst.value.type = Type::TimeTicks;
        inst.dynamic = Dynamic::Uptime;
    } else {
        inst.value = parseValue(tok[1], tok[2]);
    }
    if (const TableDef* t = tableOf(oid)) {
        if (oid.size() <= t->entry.size() + 1)
            fail(kw + " names no cell of table " + t->name);
        auto col = t->columns.find(oid[t->entry.size()]);
        if (col == t->columns.end())
            fail("column " + std::to_string(oid[t->entry.size()]) + " of table " + t->name + " is not declared");
        if (col->second.def.type != inst.value.type)
            fail("type " + tok[1] + " differs from the column's type");
        Oid suffix(oid.begin() + static_cast<std::ptrdiff_t>(t->entry.size() + 1), oid.end());
        if (!validIndex(*t, suffix))
            fail("index " + oidToString(suffix) + " does not match the index syntax of " + t->name);
        if (tok.size() > 3)
            fail("access and constraints of table cells come from the column declaration");
        inst.def = col->second.def;
        inst.table = static_cast<int>(t - m_tables.data());
        if (checkValue(inst.def, inst.value) != SetStatus::NoError)
            fail("value breaks the column's constraints");
    } else {
        Options o = options(tok, 3, false);
        inst.def.type = inst.value.type;
        inst.def.writable = o.writable.value_or(false);
        inst.def.size = o.size;
        inst.def.range = o.range;
        if (checkValue(inst.def, inst.value) != SetStatus::NoError)
            fail("value breaks its own constraints");
    }
    m_map.emplace(oid, std::move(inst));
}

// ---- reading ---------------------------------------------------------------------------------

const TableDef* Store::tableOf(const Oid& oid) const
{
    // Tables do not nest, so only the greatest entry not above oid can be its prefix.
    auto it = m_tableByEntry.upper_bound(oid);
    if (it == m_tableByEntry.begin())
        return nullptr;
    --it;
    return isPrefix(it->first, oid) ? &m_tables[static_cast<std::size_t>(it->second)] : nullptr;
}

const Instance* Store::find(const Oid& oid) const
{
    auto it = m_map.find(oid);
    return it == m_map.end() ? nullptr : &it->second;
}

const std::pair<const Oid, Instance>* Store::next(const Oid& from, const Oid& limit) const
{
    auto it = m_map.upper_bound(from);
    if (it == m_map.end() || !isPrefix(limit, it->first))
        return nullptr;
    return &*it;
}

bool Store::objectExists(const Oid& oid) const
{
    if (const TableDef* t = tableOf(oid))
        return oid.size() > t->entry.size() + 1 && t->columns.count(oid[t->entry.size()]);
    // A scalar x.0 is the object x: asked for as x itself or with another instance (x.1).
    Oid zero = oid;
    zero.push_back(0);
    if (m_map.count(zero))
        return true;
    Oid parent(oid.begin(), oid.end() - 1);
    auto it = m_map.lower_bound(parent);
    return it != m_map.end() && isPrefix(parent, it->first) && it->first.size() == oid.size()
        && it->second.table < 0;
}

Value Store::read(const Instance& inst) const
{
    if (inst.dynamic == Dynamic::Uptime) {
        Value v = inst.value;
        v.num = m_uptime ? m_uptime() : 0;
        return v;
    }
    return inst.value;
}

// ---- rows ------------------------------------------------------------------------------------

bool Store::validIndex(const TableDef& t, const Oid& suffix) const
{
    return splitIndex(t.index, suffix).has_value();
}

bool Store::rowExists(const TableDef& t, const Oid& suffix) const
{
    for (const auto& [col, def] : t.columns) {
        Oid k = t.entry;
        k.push_back(col);
        k.insert(k.end(), suffix.begin(), suffix.end());
        if (m_map.count(k))
            return true;
    }
    return false;
}

std::optional<Value> Store::defaultFor(const TableDef& t, const ColumnDef& c, const Oid& suffix) const
{
    if (c.defaultValue)
        return c.defaultValue;
    if (c.defaultIndex > 0) {
        auto parts = splitIndex(t.index, suffix);
        if (parts)
            return indexValue((*parts)[static_cast<std::size_t>(c.defaultIndex - 1)], c.def.type);
    }
    return std::nullopt;
}

// What one set request does to one row of a table with a status column.
struct Store::RowPlan {
    const TableDef* table = nullptr;
    Oid suffix;
    bool exists = false;
    std::optional<std::size_t> statusItem;  // index of the status varbind
    std::int64_t statusValue = 0;
    bool duplicateStatus = false;
    std::set<std::uint32_t> columnsSet;

    bool creates() const
    {
        if (!statusItem || exists)
            return false;
        const StatusColumn& s = *table->status;
        return s.rowStatus ? (statusValue == 4 || statusValue == 5) : statusValue == s.createValue;
    }
    bool destroys() const
    {
        return statusItem && statusValue == table->status->destroyValue;
    }
};

namespace {
// Writable columns without a default must be given before a row can be active.
bool rowComplete(const TableDef& t, const std::function<bool(std::uint32_t)>& present)
{
    for (const auto& [col, c] : t.columns) {
        if (t.status && col == t.status->column)
            continue;
        if (c.def.writable && !c.defaultValue && c.defaultIndex == 0 && !present(col))
            return false;
    }
    return true;
}
} // namespace

std::optional<SetFailure> Store::checkSet(const std::vector<SetItem>& items) const
{
    std::map<RowKey, RowPlan> plans;
    auto planOf = [&](const TableDef& t, const Oid& oid) -> RowPlan& {
        Oid suffix(oid.begin() + static_cast<std::ptrdiff_t>(t.entry.size() + 1), oid.end());
        RowKey key{static_cast<int>(&t - m_tables.data()), suffix};
        auto [it, fresh] = plans.try_emplace(key);
        if (fresh) {
            it->second.table = &t;
            it->second.suffix = suffix;
            it->second.exists = rowExists(t, suffix);
        }
        return it->second;
    };
    // First pass: what each row of the request is asked to become.
    for (std::size_t i = 0; i < items.size(); ++i) {
        const TableDef* t = tableOf(items[i].oid);
        if (!t || items[i].oid.size() <= t->entry.size() + 1)
            continue;
        std::uint32_t col = items[i].oid[t->entry.size()];
        RowPlan& p = planOf(*t, items[i].oid);
        if (t->status && col == t->status->column && items[i].value.type == Type::Integer) {
            if (p.statusItem)
                p.duplicateStatus = true;
            p.statusItem = i;
            p.statusValue = items[i].value.num;
        } else {
            p.columnsSet.insert(col);
        }
    }
    auto failAt = [](SetStatus s, std::size_t i) { return SetFailure{s, i}; };

    for (std::size_t i = 0; i < items.size(); ++i) {
        const SetItem& it = items[i];
        const Instance* inst = find(it.oid);
        const TableDef* t = tableOf(it.oid);
        const ObjectDef* def = nullptr;
        if (inst) {
            def = &inst->def;
        } else {
            if (!t || it.oid.size() <= t->entry.size() + 1)
                return failAt(SetStatus::NoCreation, i);
            auto col = t->columns.find(it.oid[t->entry.size()]);
            if (col == t->columns.end())
                return failAt(SetStatus::NoCreation, i);
            def = &col->second.def;
        }
        if (!def->writable)
            return failAt(SetStatus::NotWritable, i);
        if (SetStatus s = checkValue(*def, it.value); s != SetStatus::NoError)
            return failAt(s, i);
        if (!t || it.oid.size() <= t->entry.size() + 1)
            continue;  // a writable scalar
        Oid suffix(it.oid.begin() + static_cast<std::ptrdiff_t>(t->entry.size() + 1), it.oid.end());
        if (!inst && !validIndex(*t, suffix))
            return failAt(SetStatus::NoCreation, i);
        RowPlan& p = planOf(*t, it.oid);
        std::uint32_t col = it.oid[t->entry.size()];
        const bool isStatus = t->status && col == t->status->column;
        if (!isStatus) {
            if (p.destroys()) {
                if (t->status->destroyTakesColumns)
                    continue;  // removed with the row
                return failAt(SetStatus::InconsistentValue, i);
            }
            if (!p.exists && !p.creates())
                return failAt(SetStatus::NoCreation, i);
            continue;
        }
        if (p.duplicateStatus)
            return failAt(SetStatus::InconsistentValue, i);
        const StatusColumn& sc = *t->status;
        const std::int64_t v = it.value.num;
        auto completeAfter = [&] {
            return rowComplete(*t, [&](std::uint32_t c) {
                if (p.columnsSet.count(c))
                    return true;
                Oid k = t->entry;
                k.push_back(c);
                k.insert(k.end(), p.suffix.begin(), p.suffix.end());
                return m_map.count(k) > 0;
            });
        };
        if (sc.rowStatus) {
            switch (v) {
            case 4:  // createAndGo
                if (p.exists || !completeAfter())
                    return failAt(SetStatus::InconsistentValue, i);
                break;
            case 5:  // createAndWait
                if (p.exists)
                    return failAt(SetStatus::InconsistentValue, i);
                break;
            case 6:  // destroy
                break;
            case 1:  // active
                if (!p.exists || !completeAfter())
                    return failAt(SetStatus::InconsistentValue, i);
                break;
            case 2:  // notInService
                if (!p.exists)
                    return failAt(SetStatus::InconsistentValue, i);
                break;
            default:
                return failAt(SetStatus::WrongValue, i);
            }
        } else if (v == sc.createValue) {
            if (!p.exists && !completeAfter())
                return failAt(SetStatus::InconsistentValue, i);
        } else if (v != sc.destroyValue) {
            return failAt(SetStatus::WrongValue, i);
        }
    }
    return std::nullopt;
}

void Store::put(UndoLog& log, const Oid& key, std::optional<Instance> inst)
{
    auto it = m_map.find(key);
    log.before.emplace_back(key, it == m_map.end() ? std::nullopt : std::optional<Instance>(it->second));
    if (inst)
        m_map.insert_or_assign(key, std::move(*inst));
    else if (it != m_map.end())
        m_map.erase(it);
}

UndoLog Store::applySet(const std::vector<SetItem>& items)
{
    UndoLog log;
    // Same row analysis as the check, on the state before any change.
    std::map<RowKey, RowPlan> plans;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const TableDef* t = tableOf(items[i].oid);
        if (!t || items[i].oid.size() <= t->entry.size() + 1 || !t->status)
            continue;
        Oid suffix(items[i].oid.begin() + static_cast<std::ptrdiff_t>(t->entry.size() + 1), items[i].oid.end());
        RowKey key{static_cast<int>(t - m_tables.data()), suffix};
        auto [pit, fresh] = plans.try_emplace(key);
        RowPlan& p = pit->second;
        if (fresh) {
            p.table = t;
            p.suffix = suffix;
            p.exists = rowExists(*t, suffix);
        }
        if (items[i].oid[t->entry.size()] == t->status->column) {
            p.statusItem = i;
            p.statusValue = items[i].value.num;
        }
    }
    auto cellKey = [](const TableDef& t, std::uint32_t col, const Oid& suffix) {
        Oid k = t.entry;
        k.push_back(col);
        k.insert(k.end(), suffix.begin(), suffix.end());
        return k;
    };
    for (auto& [key, p] : plans) {
        if (p.destroys())
            for (const auto& [col, c] : p.table->columns)
                if (m_map.count(cellKey(*p.table, col, p.suffix)))
                    put(log, cellKey(*p.table, col, p.suffix), std::nullopt);
    }
    for (const SetItem& it : items) {
        const TableDef* t = tableOf(it.oid);
        if (t && t->status && it.oid.size() > t->entry.size() + 1) {
            Oid suffix(it.oid.begin() + static_cast<std::ptrdiff_t>(t->entry.size() + 1), it.oid.end());
            const RowPlan& p = plans.at(RowKey{static_cast<int>(t - m_tables.data()), suffix});
            if (p.destroys())
                continue;
        }
        Instance inst;
        if (const Instance* old = find(it.oid)) {
            inst = *old;
        } else {
            const ColumnDef& c = t->columns.at(it.oid[t->entry.size()]);
            inst.def = c.def;
            inst.table = static_cast<int>(t - m_tables.data());
        }
        inst.value = it.value;
        if (t && t->status && t->status->rowStatus && it.oid[t->entry.size()] == t->status->column
            && it.value.num == 4)
            inst.value.num = t->status->goValue;  // createAndGo leaves the row active (or as go= says)
        put(log, it.oid, std::move(inst));
    }
    for (auto& [key, p] : plans) {
        if (!p.creates())
            continue;
        const TableDef& t = *p.table;
        for (const auto& [col, c] : t.columns) {
            Oid k = cellKey(t, col, p.suffix);
            if (m_map.count(k))
                continue;
            if (auto v = defaultFor(t, c, p.suffix)) {
                Instance inst;
                inst.value = *v;
                inst.def = c.def;
                inst.table = key.table;
                put(log, k, std::move(inst));
            }
        }
        if (t.status->rowStatus && p.statusValue == 5) {
            const Oid& suffix = p.suffix;  // structured bindings cannot be captured by every compiler
            bool ready = rowComplete(t, [&](std::uint32_t c) { return m_map.count(cellKey(t, c, suffix)) > 0; });
            Instance st = m_map.at(cellKey(t, t.status->column, p.suffix));
            st.value.num = ready ? 2 : 3;  // notInService or notReady
            put(log, cellKey(t, t.status->column, p.suffix), std::move(st));
        }
    }
    return log;
}

void Store::undo(const UndoLog& log)
{
    for (auto it = log.before.rbegin(); it != log.before.rend(); ++it) {
        if (it->second)
            m_map.insert_or_assign(it->first, *it->second);
        else
            m_map.erase(it->first);
    }
}

// ---- generated rows --------------------------------------------------------------------------

void Store::fillTable(const std::string& name, std::size_t n)
{
    int ti = tableIndex(name);
    if (ti < 0)
        fail("--fill: unknown table '" + name + "'");
    const TableDef& t = m_tables[static_cast<std::size_t>(ti)];
    if (t.columns.empty())
        fail("--fill: table '" + name + "' has no columns");
    // Integer first indexes continue after the largest one present.
    std::uint32_t base = 0;
    if (t.index[0] == IndexSyntax::Integer) {
        for (auto it = m_map.lower_bound(t.entry); it != m_map.end() && isPrefix(t.entry, it->first); ++it)
            if (it->first.size() > t.entry.size() + 1)
                base = std::max(base, it->first[t.entry.size() + 1]);
    }
    auto component = [&](IndexSyntax s, std::uint32_t k, bool varying) -> Oid {
        if (!varying)
            k = 1;
        switch (s) {
        case IndexSyntax::Integer: return {varying ? base + k : 1};
        case IndexSyntax::IpAddress: return {10, (k >> 16) & 255, (k >> 8) & 255, k & 255};
        case IndexSyntax::Mac: return {2, 0, 0, (k >> 16) & 255, (k >> 8) & 255, k & 255};
        case IndexSyntax::Ipv6Address: // fd00::k
            return {0xfd, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, (k >> 16) & 255, (k >> 8) & 255, k & 255};
        case IndexSyntax::ObjectId:
        case IndexSyntax::ImpliedObjectId: return {1, k};
        case IndexSyntax::String:
        case IndexSyntax::ImpliedString: {
            char buf[16];
            std::snprintf(buf, sizeof buf, "row%06u", k);
            Oid o;
            for (const char* c = buf; *c; ++c)
                o.push_back(static_cast<unsigned char>(*c));
            return o;
        }
        }
        return {};
    };
    std::size_t added = 0;
    for (std::uint32_t k = 1; added < n && k < 0xFFFFFF; ++k) {
        std::vector<Oid> parts;
        for (std::size_t i = 0; i < t.index.size(); ++i)
            parts.push_back(component(t.index[i], k, i == 0));
        Oid suffix = joinIndex(t.index, parts);
        if (rowExists(t, suffix))
            continue;
        for (const auto& [col, c] : t.columns) {
            Instance inst;
            inst.def = c.def;
            inst.table = ti;
            if (t.status && col == t.status->column) {
                inst.value.type = Type::Integer;
                inst.value.num = t.status->rowStatus ? t.status->goValue : t.status->createValue;
            } else if (auto v = defaultFor(t, c, suffix)) {
                inst.value = *v;
            } else {
                Value& gen = inst.value;
                gen.type = c.def.type;
                switch (gen.type) {
                case Type::Integer:
                    gen.num = c.def.range ? c.def.range->lo : static_cast<std::int64_t>(k);
                    break;
                case Type::Counter32:
                case Type::Gauge32:
                case Type::TimeTicks: gen.num = k; break;
                case Type::Counter64: gen.big = k; break;
                case Type::IpAddress: gen.bytes = {10, 1, static_cast<char>((k >> 8) & 255), static_cast<char>(k & 255)}; break;
                case Type::ObjectId: gen.oid = {0, 0}; break;
                case Type::OctetString: {
                    gen.bytes = t.name + "-" + std::to_string(k);
                    if (c.def.size) {
                        auto lo = static_cast<std::size_t>(c.def.size->lo), hi = static_cast<std::size_t>(c.def.size->hi);
                        if (gen.bytes.size() > hi)
                            gen.bytes.resize(hi);
                        if (gen.bytes.size() < lo)
                            gen.bytes.resize(lo, '0');
                    }
                    break;
                }
                }
            }
            Oid key = t.entry;
            key.push_back(col);
            key.insert(key.end(), suffix.begin(), suffix.end());
            m_map.insert_or_assign(std::move(key), std::move(inst));
        }
        ++added;
    }
}

// ---- the living front panel -------------------------------------------------------------------

void Store::animatePanel(const std::function<std::uint32_t()>& rand)
{
    if (!m_ledObject)
        return;
    auto led = m_map.find(*m_ledObject);
    if (led == m_map.end() || led->second.value.type != Type::OctetString)
        return;
    // Layout: bytes 2 and 3 power and console; from byte 5 a state byte (1 no link, 2 link,
    // 0x80 activity) and a colour byte (1 10M, 2 100M, 3 1000M) per port.
    std::string& b = led->second.value.bytes;
    constexpr int kPorts = 10;
    if (b.size() < 5 + 2 * kPorts)
        b.resize(5 + 2 * kPorts, '\0');
    auto cell = [&](std::uint32_t column, int port, Oid base) -> Instance* {
        base.push_back(column);
        base.push_back(static_cast<std::uint32_t>(port));
        auto it = m_map.find(base);
        return it == m_map.end() ? nullptr : &it->second;
    };
    const Oid ifEntry = {1, 3, 6, 1, 2, 1, 2, 2, 1};
    const Oid ifXEntry = {1, 3, 6, 1, 2, 1, 31, 1, 1, 1};
    for (int p = 1; p <= kPorts; ++p) {
        auto s = static_cast<std::size_t>(5 + 2 * (p - 1));
        bool up = (b[s] & 0x7f) == 2;
        // Copper ports come and go now and then; the combo ports keep their medium; a port set
        // down by its administrator stays down.
        if (m_adminDown.count(p)) {
            b[s] = 0x01;
            continue;
        }
        if (p <= 8 && rand() % 100 < 3) {
            up = !up;
            if (up)
                b[s + 1] = static_cast<char>(rand() % 4 == 0 ? 2 : 3);
            if (Instance* oper = cell(8, p, ifEntry); oper && oper->value.type == Type::Integer)
                oper->value.num = up ? 1 : 2;
            if (Instance* last = cell(9, p, ifEntry); last && last->value.type == Type::TimeTicks)
                last->value.num = m_uptime ? m_uptime() : 0;
        }
        const bool busy = up && rand() % 2 == 0;
        b[s] = static_cast<char>(up ? (busy ? 0x82 : 0x02) : 0x01);
        if (!busy)
            continue;
        const std::uint32_t in = 64 + rand() % 150000, out = 64 + rand() % 150000;
        // Frames of about 500 octets on average.
        const std::uint32_t inPkts = in / 500 + 1, outPkts = out / 500 + 1;
        for (auto [col, add, base] : {std::tuple{10u, in, ifEntry}, std::tuple{16u, out, ifEntry},
                                      std::tuple{6u, in, ifXEntry}, std::tuple{10u, out, ifXEntry},
                                      std::tuple{11u, inPkts, ifEntry}, std::tuple{17u, outPkts, ifEntry},
                                      std::tuple{7u, inPkts, ifXEntry}, std::tuple{11u, outPkts, ifXEntry}}) {
            Instance* c = cell(col, p, base);
            if (!c)
                continue;
            if (c->value.type == Type::Counter32)
                c->value.num = (c->value.num + add) & 0xFFFFFFFF;
            else if (c->value.type == Type::Counter64)
                c->value.big += add;
        }
    }
}

// ---- interface counters -----------------------------------------------------------------------

namespace {

const Oid kIfEntry = {1, 3, 6, 1, 2, 1, 2, 2, 1};
const Oid kIfXEntry = {1, 3, 6, 1, 2, 1, 31, 1, 1, 1};
// ifTable column and its ifXTable twin: octets and unicast packets, in and out.
constexpr std::pair<std::uint32_t, std::uint32_t> kCounterTwins[] = {{10, 6}, {11, 7}, {16, 10}, {17, 11}};
constexpr int kCounterPorts = 10;

} // namespace

void Store::alignInterfaceCounters()
{
    for (int p = 1; p <= kCounterPorts; ++p)
        for (auto [narrow, wide] : kCounterTwins) {
            auto n = m_map.find(Oid{1, 3, 6, 1, 2, 1, 2, 2, 1, narrow, static_cast<std::uint32_t>(p)});
            auto w = m_map.find(Oid{1, 3, 6, 1, 2, 1, 31, 1, 1, 1, wide, static_cast<std::uint32_t>(p)});
            if (n == m_map.end() || w == m_map.end() || n->second.value.type != Type::Counter32
                || w->second.value.type != Type::Counter64)
                continue;
            std::uint64_t& big = w->second.value.big;
            big = (big & ~std::uint64_t{0xFFFFFFFF}) | (static_cast<std::uint64_t>(n->second.value.num) & 0xFFFFFFFF);
        }
}

void Store::setOctetCountersNearWrap(std::uint32_t margin)
{
    for (int p = 1; p <= kCounterPorts; ++p)
        for (std::uint32_t column : {10u, 16u}) {
            auto n = m_map.find(Oid{1, 3, 6, 1, 2, 1, 2, 2, 1, column, static_cast<std::uint32_t>(p)});
            if (n != m_map.end() && n->second.value.type == Type::Counter32)
                n->second.value.num = std::int64_t{0x100000000} - margin - std::int64_t{1000} * p;
        }
    alignInterfaceCounters();
}

void Store::restartInterfaceCounters()
{
    for (const Oid* entry : {&kIfEntry, &kIfXEntry})
        for (auto it = m_map.lower_bound(*entry); it != m_map.end() && isPrefix(*entry, it->first); ++it) {
            Value& v = it->second.value;
            if (v.type == Type::Counter32)
                v.num = 0;
            else if (v.type == Type::Counter64)
                v.big = 0;
        }
}

// ---- port links ------------------------------------------------------------------------------

namespace {

constexpr int kPanelPorts = 10;

} // namespace

bool Store::portLinkUp(int port) const
{
    if (!m_ledObject || port < 1 || port > kPanelPorts)
        return false;
    const Instance* led = find(*m_ledObject);
    const auto s = static_cast<std::size_t>(5 + 2 * (port - 1));
    return led && led->value.bytes.size() > s && (led->value.bytes[s] & 0x7f) == 2;
}

bool Store::setPortLink(int port, bool up)
{
    if (!m_ledObject || port < 1 || port > kPanelPorts)
        return false;
    if (up && m_adminDown.count(port))
        return false;
    auto led = m_map.find(*m_ledObject);
    if (led == m_map.end() || led->second.value.type != Type::OctetString)
        return false;
    std::string& b = led->second.value.bytes;
    if (b.size() < 5 + 2 * kPanelPorts)
        b.resize(5 + 2 * kPanelPorts, '\0');
    const auto s = static_cast<std::size_t>(5 + 2 * (port - 1));
    if (((b[s] & 0x7f) == 2) == up)
        return false;
    b[s] = static_cast<char>(up ? 0x02 : 0x01);
    if (up && b[s + 1] == 0)
        b[s + 1] = 3;  // 1000 Mbit/s
    const auto p = static_cast<std::uint32_t>(port);
    if (auto oper = m_map.find(Oid{1, 3, 6, 1, 2, 1, 2, 2, 1, 8, p}); oper != m_map.end())
        oper->second.value.num = up ? 1 : 2;
    if (auto last = m_map.find(Oid{1, 3, 6, 1, 2, 1, 2, 2, 1, 9, p});
        last != m_map.end() && last->second.value.type == Type::TimeTicks)
        last->second.value.num = m_uptime ? m_uptime() : 0;
    return true;
}

bool Store::setPortAdmin(int port, bool up)
{
    if (up) {
        m_adminDown.erase(port);
        return setPortLink(port, true);
    }
    const bool changed = setPortLink(port, false);
    m_adminDown.insert(port);
    return changed;
}

} // namespace vkrsim
