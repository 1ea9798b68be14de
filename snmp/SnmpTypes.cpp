#include "snmp/SnmpTypes.h"

namespace snmp {

std::string oidToText(const Oid& oid)
{
    std::string text;
    text.reserve(oid.size() * 4);
    for (std::size_t i = 0; i < oid.size(); ++i) {
        if (i)
            text += '.';
        text += std::to_string(oid[i]);
    }
    return text;
}

bool oidFromText(const std::string& text, Oid& out)
{
    out.clear();
    std::size_t i = 0;
    if (i < text.size() && text[i] == '.')
        ++i;
    if (i == text.size())
        return true;
    while (i <= text.size()) {
        std::uint64_t v = 0;
        std::size_t start = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            v = v * 10 + std::uint64_t(text[i] - '0');
            if (v > 0xFFFFFFFFull)
                return false;
            ++i;
        }
        if (i == start)
            return false;
        out.push_back(std::uint32_t(v));
        if (i == text.size())
            return true;
        if (text[i] != '.')
            return false;
        ++i;
        if (i == text.size())
            return false;
    }
    return true;
}

} // namespace snmp
