// The text rows become on the clipboard and in CSV files, and the natural order a header click
// sorts by: tables of cases, and the order checked for being a strict weak order over a mixed
// sample (std::sort relies on that).
#include "views/ListText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

struct TextCase {
    const char* name;
    QStringList captions;
    std::vector<QStringList> rows;
    QString tabSeparated;
    QString commaSeparated;
};

class ListTextCases : public ::testing::TestWithParam<TextCase> {};

TEST_P(ListTextCases, TabAndCommaSeparatedQuoteWhatTheirReadersNeed)
{
    const TextCase& c = GetParam();
    EXPECT_EQ(ListText::TabSeparated(c.captions, c.rows).toStdString(), c.tabSeparated.toStdString());
    EXPECT_EQ(ListText::CommaSeparated(c.captions, c.rows).toStdString(), c.commaSeparated.toStdString());
}

INSTANTIATE_TEST_SUITE_P(
    Cells, ListTextCases,
    ::testing::Values(
        TextCase{"Plain", {"Port", "Name"}, {{"1", "alpha"}, {"2", "beta"}},
                 "Port\tName\n1\talpha\n2\tbeta\n", "Port,Name\r\n1,alpha\r\n2,beta\r\n"},
        TextCase{"Comma", {"Id", "Ports"}, {{"1", "1,2,3"}}, "Id\tPorts\n1\t1,2,3\n", "Id,Ports\r\n1,\"1,2,3\"\r\n"},
        TextCase{"QuoteInside", {"Name"}, {{"say \"hi\""}}, "Name\nsay \"hi\"\n", "Name\r\n\"say \"\"hi\"\"\"\r\n"},
        TextCase{"QuoteFirst", {"Name"}, {{"\"x\""}}, "Name\n\"\"\"x\"\"\"\n", "Name\r\n\"\"\"x\"\"\"\r\n"},
        TextCase{"LineBreaks", {"A", "B"}, {{"l1\nl2", "r1\r\nr2"}},
                 "A\tB\n\"l1\nl2\"\t\"r1\r\nr2\"\n", "A,B\r\n\"l1\nl2\",\"r1\r\nr2\"\r\n"},
        TextCase{"Tab", {"A"}, {{"x\ty"}}, "A\n\"x\ty\"\n", "A\r\nx\ty\r\n"},
        TextCase{"EmptyCells", {"A", "B", "C"}, {{"", "", ""}, {"", "b", ""}},
                 "A\tB\tC\n\t\t\n\tb\t\n", "A,B,C\r\n,,\r\n,b,\r\n"},
        TextCase{"CaptionsQuotedToo", {"In, Out", "Name"}, {}, "In, Out\tName\n", "\"In, Out\",Name\r\n"},
        TextCase{"NoColumns", {}, {}, "\n", "\r\n"}),
    [](const ::testing::TestParamInfo<TextCase>& info) { return std::string(info.param.name); });

struct OrderCase {
    QString less;
    QString greater;
};

class NaturalOrder : public ::testing::TestWithParam<OrderCase> {};

TEST_P(NaturalOrder, ComparesByValueBothWays)
{
    const OrderCase& c = GetParam();
    EXPECT_LT(ListText::NaturalCompare(c.less, c.greater), 0) << c.less.toStdString() << " < " << c.greater.toStdString();
    EXPECT_GT(ListText::NaturalCompare(c.greater, c.less), 0) << c.greater.toStdString() << " > " << c.less.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Cells, NaturalOrder,
    ::testing::Values(
        // IPv4
        OrderCase{"10.0.0.9", "10.0.0.10"}, OrderCase{"9.255.255.255", "10.0.0.0"},
        OrderCase{"192.168.1.2", "192.168.10.1"},
        // numbers: signed, decimal, beyond 64 bits, with a unit
        OrderCase{"9", "10"}, OrderCase{"-10", "-9"}, OrderCase{"-5", "3"}, OrderCase{"+2", "3"},
        OrderCase{"1.25", "1.5"}, OrderCase{"18446744073709551614", "18446744073709551615"},
        OrderCase{"99", "100000000000000000000"}, OrderCase{"9 Mbps", "10 Mbps"}, OrderCase{"5%", "10%"},
        OrderCase{"999999999999", "1000000000000"},
        // MAC addresses in any of their forms, any case
        OrderCase{"00-11-22-33-44-0A", "00:11:22:33:44:0b"}, OrderCase{"00-00-00-00-00-FF", "00-00-00-00-01-00"},
        OrderCase{"0011223344aa", "00-11-22-33-44-AB"}, OrderCase{"00 11 22 33 44 55", "00:11:22:33:44:56"},
        // IPv6
        OrderCase{"fe80::2", "fe80::10"}, OrderCase{"::1", "2001:db8::1"},
        OrderCase{"2001:db8:0:0:0:0:0:9", "2001:DB8::a"},
        // text: case-insensitive, digit runs by value
        OrderCase{"Port 2", "Port 10"}, OrderCase{"alpha", "Beta"}, OrderCase{"1:2", "1:10"},
        OrderCase{"eth1/0/9", "eth1/0/10"}, OrderCase{"0 days, 00:00:09", "0 days, 00:00:10"},
        // kinds: numbers, IPv4, IPv6, MAC, text
        OrderCase{"300", "10.0.0.1"}, OrderCase{"10.0.0.1", "::1"}, OrderCase{"::1", "00-11-22-33-44-55"},
        OrderCase{"00-11-22-33-44-55", "abc"}, OrderCase{"abc", ""}, OrderCase{"zzz", "   "}));

TEST(NaturalOrder, IsAStrictWeakOrderOverAMixedSample)
{
    const QStringList sample{"10",       "9",        "010",        "-3",        "1.5",       "10.0.0.9",
                             "10.0.0.10", "::1",     "fe80::1",    "00-11-22-33-44-55",     "001122334455",
                             "0011223344aa", "999999999999", "1000000000000", "Port 2", "port 10", "Port 10",
                             "abc",      "ABC",      "",           " ",         "5%",        "5 Mbps",
                             "a1b",      "1:10",     "1:2",        "-",         "\"q\""};
    const auto less = [](const QString& a, const QString& b) { return ListText::NaturalCompare(a, b) < 0; };
    for (const QString& a : sample) {
        EXPECT_FALSE(less(a, a)) << a.toStdString();
        for (const QString& b : sample) {
            EXPECT_EQ(ListText::NaturalCompare(a, b) < 0, ListText::NaturalCompare(b, a) > 0)
                << a.toStdString() << " / " << b.toStdString();
            for (const QString& c : sample) {
                if (less(a, b) && less(b, c)) {
                    EXPECT_TRUE(less(a, c)) << a.toStdString() << " < " << b.toStdString() << " < " << c.toStdString();
                }
            }
        }
    }
}

// Long lists are sorted by the packed keys: they must order every pair as the keys do,
// at the ends of the 64-bit range and where only the text tells two values apart.
TEST(NaturalOrder, PackedKeysOrderAsTheKeys)
{
    const QStringList sample{"0",          "00",        "-0",         "1",          "-1",        "9",
                             "10",         "010",       "-10",        "+10",        "1.5",       "-1.5",
                             "5 Mbps",     "5%",        "4294967295", "4294967296", "9999999999999999999",
                             "10000000000000000000",    "18446744073709551615",     "-9999999999999999999",
                             "0.0.0.0",    "255.255.255.255",        "10.0.0.9",   "10.0.0.10", "::",
                             "::1",        "ffff:ffff:ffff:ffff:ffff:ffff:ffff:ffff",  "fe80::1",
                             "00-00-00-00-00-00",       "ff:ff:ff:ff:ff:ff",        "0011223344aa",
                             "abc",        "ABC",       "Port 2",     "Port 10",    "",          " ",
                             "bench-1",    "bench-9",   "bench-10",   "Bench-2",    "bench-010", "bench-1a",
                             "a1",         "a-1",       "a",          "ab",         "ab1",       "ab-",
                             "a b",        "AB10",      "ab9",        "7x",         "007x",      "x7",
                             "eth1/0/9",   "eth1/0/10", QString::fromUtf8("\xc3\xa9t\xc3\xa9"),
                             QString::fromUtf8("\xc3\x89T\xc3\x89"), QString::fromUtf8("\xf0\x9f\x98\x80" "a"),
                             QStringLiteral("zz") + QChar(0) + QStringLiteral("1")};
    std::vector<ListText::SortKey> keys;
    std::vector<ListText::PackedKey> packed;
    for (const QString& cell : sample) {
        keys.push_back(ListText::MakeSortKey(cell));
        packed.push_back(ListText::PackSortKey(keys.back()));
    }
    const auto sign = [](int v) { return (v > 0) - (v < 0); };
    for (std::size_t a = 0; a < keys.size(); ++a) {
        for (std::size_t b = 0; b < keys.size(); ++b) {
            const int expected = sign(ListText::CompareKeys(keys[a], keys[b]));
            // With the whole keys at hand, and with them made again from the cells.
            EXPECT_EQ(sign(ListText::ComparePacked(packed[a], sample[qsizetype(a)], &keys[a], packed[b],
                                                   sample[qsizetype(b)], &keys[b])),
                      expected)
                << sample[qsizetype(a)].toStdString() << " / " << sample[qsizetype(b)].toStdString();
            EXPECT_EQ(sign(ListText::ComparePacked(packed[a], sample[qsizetype(a)], nullptr, packed[b],
                                                   sample[qsizetype(b)], nullptr)),
                      expected)
                << sample[qsizetype(a)].toStdString() << " / " << sample[qsizetype(b)].toStdString();
        }
    }
}

TEST(NaturalOrder, SortsAColumnOfEachKind)
{
    const std::vector<std::pair<QStringList, QStringList>> columns = {
        {{"10.0.0.10", "192.168.1.1", "10.0.0.9", "9.255.255.255"},
         {"9.255.255.255", "10.0.0.9", "10.0.0.10", "192.168.1.1"}},
        {{"00:11:22:33:44:AA", "00-11-22-33-44-0b", "00112233440a", "00-00-00-00-00-01"},
         {"00-00-00-00-00-01", "00112233440a", "00-11-22-33-44-0b", "00:11:22:33:44:AA"}},
        {{"100", "-2", "20", "3", "1000", "0"}, {"-2", "0", "3", "20", "100", "1000"}},
    };
    for (const auto& [input, expected] : columns) {
        QStringList sorted = input;
        std::sort(sorted.begin(), sorted.end(),
                  [](const QString& a, const QString& b) { return ListText::NaturalCompare(a, b) < 0; });
        EXPECT_EQ(sorted, expected);
    }
}

TEST(NaturalOrder, BlankIsEmptyOrWhiteSpace)
{
    EXPECT_TRUE(ListText::IsBlank(""));
    EXPECT_TRUE(ListText::IsBlank(" \t"));
    EXPECT_FALSE(ListText::IsBlank(" 0 "));
}

} // namespace
