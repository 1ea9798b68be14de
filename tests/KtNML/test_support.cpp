// Number lists, byte buffer and text helpers.
#include "KtNML/KtSNMPError.h"
#include "KtNML/KtSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct ParseCase {
    const char* text;
    char delimiter;
    std::vector<unsigned int> items;
};

// The parser validates nothing: every non-delimiter, non-"." character is a digit by its code.
const ParseCase kUnsignedCases[] = {
    {"", ',', {}},
    {"7", ',', {7}},
    {"1,3,5", ',', {1, 3, 5}},
    {"2,,4", ',', {2, 0, 4}},
    {"1,", ',', {1, 0}},
    {",", ',', {0, 0}},
    {"1.5,2", ',', {1, 2}},          // digits after "." never reach the whole part
    {"1.99,3", ',', {1, 3}},
    {"12.9", ',', {12}},
    {"1.2.3", '.', {1, 2, 3}},        // the initial delimiter is "."
    {"1:2", ':', {1, 2}},
    {"a", ',', {49}},                 // 'a' - '0'
    {"4294967295", ',', {4294967295u}},
    {"4294967296", ',', {0}},         // wraps modulo 2^32
    {"-", ',', {4294967293u}},        // '-' - '0' = -3, wrapped
    {".-", ',', {0}},                 // a fraction below zero truncates to 0
};

TEST(KtNumList, ParseUnsignedTable)
{
    for (const auto& c : kUnsignedCases) {
        SCOPED_TRACE(c.text);
        KtNumList<unsigned int> list;
        list.SetDelimiter(QLatin1Char(c.delimiter));
        list.Parse(QString::fromLatin1(c.text));
        EXPECT_EQ(list.Items(), c.items);
        EXPECT_EQ(list.Count(), list.CountItems(QString::fromLatin1(c.text)));
    }
}

TEST(KtNumList, ParseSignedWrapsWithoutOverflow)
{
    KtNumList<int> list;
    list.SetDelimiter(QLatin1Char(','));
    list.Parse(u"2147483647,2147483648,4294967295,99999999999999999999");
    ASSERT_EQ(list.Count(), 4);
    EXPECT_EQ(list.Item(0), 2147483647);
    EXPECT_EQ(list.Item(1), -2147483647 - 1);
    EXPECT_EQ(list.Item(2), -1);
    // Non-ASCII characters count by their code too, still without overflow.
    list.Parse(QString(40, QChar(0xFFFF)) + QStringLiteral(".") + QChar(0xFFFF));
    EXPECT_EQ(list.Count(), 1);
}

TEST(KtNumList, ReparseReplacesItems)
{
    KtNumList<unsigned int> list;
    list.SetDelimiter(QLatin1Char(','));
    list.Parse(u"1,2,3");
    list.Parse(u"9");
    EXPECT_EQ(list.Items(), std::vector<unsigned int>{9});
    list.Parse(u"");
    EXPECT_EQ(list.Count(), 0);
}

TEST(KtNumList, CountItems)
{
    KtNumList<int> list;
    list.SetDelimiter(QLatin1Char(','));
    EXPECT_EQ(list.CountItems(QString()), 0);
    EXPECT_EQ(list.CountItems(u""), 0);
    EXPECT_EQ(list.CountItems(u"12"), 1);
    EXPECT_EQ(list.CountItems(u",,"), 3);
    EXPECT_EQ(list.CountItems(u"1.2"), 1);
}

TEST(KtNumList, IndexOf)
{
    KtNumList<int> list;
    list.SetDelimiter(QLatin1Char(','));
    list.Parse(u"");
    for (int v : {0, 1, -1})
        EXPECT_EQ(list.IndexOf(v), -1) << v;
    list.Parse(u"5,7,5");
    EXPECT_EQ(list.IndexOf(5), 0);
    EXPECT_EQ(list.IndexOf(7), 1);
    EXPECT_EQ(list.IndexOf(6), -1);
}

TEST(KtNumList, AllInRange)
{
    struct Case {
        const char* text;
        unsigned int min, max;
        bool expected;
    };
    const Case cases[] = {
        {"0,5", 1, 10, false},
        {"10,1", 1, 10, true},
        {"11", 1, 10, false},
        {"", 1, 10, true},
        {"4294967295", 1, 4294967295u, true},  // unsigned: not -1
        {"4294967295", 0, 10, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        KtNumList<unsigned int> list;
        list.SetDelimiter(QLatin1Char(','));
        list.Parse(QString::fromLatin1(c.text));
        EXPECT_EQ(list.AllInRange(c.min, c.max), c.expected);
    }
}

TEST(KtNumList, ItemOutsideRaises)
{
    KtNumList<unsigned int> list;
    list.SetDelimiter(QLatin1Char(','));
    list.Parse(u"4,8");
    EXPECT_EQ(list.Item(1), 8u);
    for (int i : {-1, 2}) {
        try {
            list.Item(i);
            ADD_FAILURE() << "no error for index " << i;
        } catch (const KtException& e) {
            EXPECT_EQ(e.Code(), -12);
            EXPECT_EQ(e.Message(), "Out of range at index of array or list!");
        }
    }
}

TEST(KtBinaryString, StartsEmptyAndOwnsACopy)
{
    KtBinaryString s;
    EXPECT_EQ(s.Length(), 0u);
    EXPECT_EQ(s.Data(), nullptr);
    char bytes[] = {'a', 0, 'b'};
    s.Assign(bytes, 3);
    bytes[0] = 'z';
    ASSERT_EQ(s.Length(), 3u);
    EXPECT_EQ(s.Data()[0], 'a');
    EXPECT_EQ(s.Data()[2], 'b');
    KtBinaryString moved(std::move(s));
    EXPECT_EQ(moved.Length(), 3u);
    moved.Assign(nullptr, 0);
    EXPECT_EQ(moved.Length(), 0u);
    EXPECT_EQ(moved.Data(), nullptr);
}

TEST(KtText, JoinPath)
{
    struct Case {
        QString dir, name, expected;
    };
    const Case cases[] = {
        {"/opt/data", "x", "/opt/data/x"},
        {"/opt/data/", "x", "/opt/data/x"},
        {"C:\\data\\", "x", "C:\\data\\x"},
        {"", "x", "x"},
        {"/", "errmsg/common.err", "/errmsg/common.err"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dir.toStdString());
        EXPECT_EQ(JoinPath(c.dir, c.name), c.expected);
    }
}

TEST(KtText, ReplaceAll)
{
    struct Case {
        QString text, pattern, replacement, expected;
    };
    const Case cases[] = {
        {"between [MIN] and [MAX], [MIN]", "[MIN]", "0", "between 0 and [MAX], 0"},
        {"aaa", "a", "aa", "aaaaaa"},            // inserted text is not scanned again
        {"[X]", "[X]", "[X][X]", "[X][X]"},
        {"abcabc", "bc", "", "aa"},
        {"abc", "", "z", "abc"},                 // empty pattern: nothing to find
        {"", "a", "b", ""},
        {"AbA", "a", "x", "AbA"},                // case-sensitive
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString() + " / " + c.pattern.toStdString());
        EXPECT_EQ(ReplaceAll(c.text, c.pattern, c.replacement), c.expected);
    }
}

TEST(KtText, StripQuotes)
{
    struct Case {
        QString text, expected;
    };
    const Case cases[] = {
        {"\"abc\"", "abc"}, {"\"\"", ""}, {"", ""},         {"\"abc", "\"abc"},
        {"abc\"", "abc\""}, {"abc", "abc"}, {"\"", ""},     {"\"a\"b\"", "a\"b"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_EQ(StripQuotes(c.text), c.expected);
    }
}

TEST(KtText, SpanOf)
{
    struct Case {
        QString text;
        int start;
        QString chars;
        int expected;
    };
    const Case cases[] = {
        {"  ab", 1, " ", 2},
        {"ab", 1, " ", 0},
        {"a  ", 2, " ", 3},     // the run reaches the end
        {"12a", 1, "0123456789", 2},
        {"ab", 0, "ab", 0},     // positions count from 1
        {"ab", 3, "ab", 0},
        {"", 1, " ", 0},
        {"ab", 1, "", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString() + " @" + std::to_string(c.start));
        EXPECT_EQ(SpanOf(c.text, c.start, c.chars), c.expected);
    }
}

} // namespace
