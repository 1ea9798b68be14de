// The whole-text input checks of the dialogs, as tables of texts and verdicts.
#include "dialogs/InputChecks.h"

#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <string>
#include <utility>
#include <optional>
#include <vector>

namespace {

struct CheckCase {
    const char* name;
    std::function<bool(const QString&)> check;
    std::vector<const char*> good;
    std::vector<const char*> bad;
};

void PrintTo(const CheckCase& c, std::ostream* os)
{
    *os << c.name;
}

class InputCheck : public ::testing::TestWithParam<CheckCase> {};

TEST_P(InputCheck, AcceptsTheWholeTextOnlyWhenItIsAValue)
{
    const CheckCase& c = GetParam();
    for (const char* text : c.good)
        EXPECT_TRUE(c.check(QString::fromUtf8(text))) << '"' << text << '"';
    for (const char* text : c.bad)
        EXPECT_FALSE(c.check(QString::fromUtf8(text))) << '"' << text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Texts, InputCheck,
    ::testing::Values(
        CheckCase{"hex4", [](const QString& t) { return InputChecks::IsHexText(t, 4); },
                  {"0000", "ffff", "FFFF", "a1B2"},
                  {"", "fff", "fffff", "fffg", " fff", "fff ", "0x12", "12-4", "١٢٣٤"}},
        CheckCase{"hex32", [](const QString& t) { return InputChecks::IsHexText(t, 32); },
                  {"0123456789abcdefABCDEF0123456789"},
                  {"0123456789abcdefABCDEF012345678", "0123456789abcdefABCDEF01234567890"}},
        CheckCase{"mac", InputChecks::IsMacText,
                  {"001122AABBCC", "001122aabbcc"},
                  {"", "00:11:22:AA:BB:CC", "001122AABBC", "001122AABBCCD", "00112zAABBCC"}},
        CheckCase{"ipv4", InputChecks::IsIpv4Text,
                  {"0.0.0.0", "255.255.255.255", "10.1.2.3", "010.1.2.3", "1.2.3.001"},
                  {"", "1.2.3", "1.2.3.4.5", "1.2.3.", ".1.2.3", "1..2.3", "256.1.1.1", "1.2.3.256",
                   "1.2.3.4 ", " 1.2.3.4", "1.2.3.x", "1.2.-3.4", "00.1.2.3", "1.2.3.000", "1.2.3.0255",
                   "1.+2.3.4", "1.2.3.4/24"}},
        CheckCase{"range -5..70000", [](const QString& t) { return InputChecks::IsWholeNumberIn(t, -5, 70000); },
                  {"-5", "0", "70000", "007"},
                  {"", "-", "-6", "70001", "+1", " 1", "1 ", "1.0", "1e3", "12x", "99999999999999999999999"}},
        CheckCase{"log host", InputChecks::IsLogHostAddress,
                  {"0.0.0.0", "1.2.3.4", "223.1.1.1", "126.255.255.255", "128.0.0.1", "248.1.1.1",
                   "255.255.255.254", "010.1.1.1"},
                  {"", "1.2.3", "127.0.0.1", "127.1.2.3", "224.0.0.1", "239.255.255.255", "240.1.1.1",
                   "247.1.1.1", "255.255.255.255", "1.2.3.4.5", "1.2.3.0255", "0001.2.3.4", "1.2.3.4 ",
                   "a.b.c.d", "1.2.3.256"}},
        CheckCase{"vlan id", InputChecks::IsVlanIdText,
                  {"1", "10", "4094", "0001"},
                  {"", "0", "4095", "abc", "12x", "-1", "+5", " 5", "1.5", "99999", "00001"}}),
    [](const auto& info) {
        std::string name = info.param.name;
        for (char& ch : name)
            if (!std::isalnum(static_cast<unsigned char>(ch)))
                ch = '_';
        return name;
    });

TEST(RadiusAddress, EachRefusalHasItsOwnMessageAndComesBeforeTheDottedQuadCheck)
{
    const QString broadcast = "you can't input this ip address";
    const QString loopback = "you can't input ip address like 127.*.*.*";
    const QString classD = "Ip address can not in class d";
    const QString classE = "Ip address can not in class e";
    const QString longOctet = "Please input a valid ip";
    const QString notQuad = "Please input a valid ip!";
    const std::pair<const char*, QString> cases[] = {
        {"255.255.255.255", broadcast},
        {"127.0.0.1", loopback},
        {"127.1", loopback},
        {"224.0.0.1", classD},
        {"230.1.1.1", classD},
        {"239.255.255.255", classD},
        {"240.1.1.1", classE},
        {"245.1.1.1", classE},
        {"247.0.0.1", classE},
        {"2301.1.1.1", longOctet},
        {"10.1000.1.1", longOctet},
        {"10.1.1.1000", notQuad},
        {"10.1.1", notQuad},
        {"", notQuad},
        {"256.1.1.1", notQuad},
        {"250.1.1.1", QString()},
        {"248.0.0.1", QString()},
        {"255.255.255.254", QString()},
        {"10.1.1.1", QString()},
        {"223.255.255.255", QString()},
    };
    for (const auto& [text, message] : cases)
        EXPECT_EQ(InputChecks::RadiusAddressRefusal(QString::fromLatin1(text)).toStdString(), message.toStdString())
            << text;
}

TEST(SameIpv4Address, ComparesAddressesNotTexts)
{
    EXPECT_TRUE(InputChecks::SameIpv4Address("010.1.1.1", "10.1.1.1"));
    EXPECT_TRUE(InputChecks::SameIpv4Address("10.1.1.001", "10.1.1.1"));
    EXPECT_FALSE(InputChecks::SameIpv4Address("10.1.1.1", "10.1.1.2"));
    EXPECT_FALSE(InputChecks::SameIpv4Address("1.10.1.1", "11.0.1.1"));
    EXPECT_TRUE(InputChecks::SameIpv4Address("x", "x"));
    EXPECT_FALSE(InputChecks::SameIpv4Address("10.1.1.1x", "10.1.1.1"));
    EXPECT_EQ(InputChecks::ParseIpv4("192.168.1.2"), std::optional<quint32>(0xC0A80102u));
    EXPECT_EQ(InputChecks::ParseIpv4("192.168.1"), std::nullopt);
}

} // namespace
