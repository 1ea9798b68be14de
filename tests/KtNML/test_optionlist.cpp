// Option lists: mapping values to texts and back, the three value kinds, control filling.
#include "KtNML/KtOptionList.h"
#include "KtNML/KtSNMPVarList.h"
#include "tests/KtNML/KtTestHelpers.h"

#include <gtest/gtest.h>

namespace {

constexpr KtOptionPair kStartPairs[] = {{1, "other"}, {2, "start"}, {}};
// Data after the terminator must never be read as options.
constexpr KtOptionPair kTrailing[] = {{1, "on"}, {}, {9, "garbage"}};

constexpr KtOptionTextPair kAuthPairs[] = {
    {"1.3.6.1.6.3.10.1.1.1", "None"},
    {"1.3.6.1.6.3.10.1.1.2", "MD5"},
    {"1.3.6.1.6.3.10.1.1.3", "SHA"},
    {},
};
constexpr KtOptionTextPair kMibPrefix[] = {{"1.3.6.1.2.1", "mib-2"}, {}};

struct MapCase {
    const char* in;
    const char* out;
};

TEST(OptionList, IntegerListMapsBothWaysAndPassesUnknownTexts)
{
    const KtOptionList list(kStartPairs);
    const MapCase toText[] = {{"2", "start"}, {"1", "other"}, {"3", "3"}, {"(NULL)", "(NULL)"},
                              {"x1", "x1"}, {"", ""}, {"02", "start"}, {"+2", "start"}};
    for (const MapCase& c : toText) {
        SCOPED_TRACE(c.in);
        EXPECT_EQ(list.ValueToText(c.in), c.out);
    }
    const MapCase toValue[] = {{"START", "2"}, {"start", "2"}, {"Other", "1"}, {"begin", "begin"},
                               {"star", "star"}, {"starts", "starts"}};
    for (const MapCase& c : toValue) {
        SCOPED_TRACE(c.in);
        EXPECT_EQ(list.TextToValue(c.in), c.out);
    }
}

TEST(OptionList, IndexOfValueNeedsAWholeNumber)
{
    const KtOptionList list(kStartPairs);
    const struct {
        const char* in;
        int index;
    } cases[] = {{"(NULL)", -1}, {"x1", -1}, {"1x", -1}, {" 2", -1}, {"2", 1}, {"-0", -1},
                 {"1", 0}, {"99999999999", -1}, {"", -1}, {"-", -1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.in);
        EXPECT_EQ(list.IndexOfValue(c.in), c.index);
    }
}

TEST(OptionList, CaseSensitiveListRespectsCase)
{
    const KtOptionList list(kStartPairs, true);
    EXPECT_EQ(list.TextToValue("START"), "START");
    EXPECT_EQ(list.TextToValue("start"), "2");
    EXPECT_EQ(list.IndexOfText("Other"), -1);
}

TEST(OptionList, TableEndsAtTerminatorAndAddAppends)
{
    KtOptionList list(kTrailing);
    ASSERT_EQ(list.Count(), 1);
    list.Add(kStartPairs);
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.Option(2).text, "start");
    // First match wins when a value occurs twice.
    EXPECT_EQ(list.ValueToText("1"), "on");

    const KtOptionList inlineList{{5, "five"}, {6, "six"}};
    EXPECT_EQ(inlineList.Count(), 2);
    EXPECT_EQ(inlineList.TextToValue("SIX"), "6");
    EXPECT_EQ(KtOptionList(static_cast<const KtOptionPair*>(nullptr)).Count(), 0);
}

TEST(OptionList, TextValuedListMapsProtocolOids)
{
    const KtOptionList list(kAuthPairs, KtOptValue::Text);
    EXPECT_EQ(list.ValueToText("1.3.6.1.6.3.10.1.1.2"), "MD5");
    EXPECT_EQ(list.ValueToText("1.3.6.1.6.3.10.1.1.2.0"), "1.3.6.1.6.3.10.1.1.2.0");
    EXPECT_EQ(list.TextToValue("sha"), "1.3.6.1.6.3.10.1.1.3");
    EXPECT_EQ(list.IndexOfValue("1.3.6.1.6.3.10.1.1.1"), 0);
}

TEST(OptionList, PrefixListReplacesOnlyTheNamedPart)
{
    const KtOptionList list(kMibPrefix, KtOptValue::Prefix);
    EXPECT_EQ(list.ValueToText("1.3.6.1.2.1.1.5"), "mib-2.1.5");
    EXPECT_EQ(list.TextToValue("mib-2.1.5"), "1.3.6.1.2.1.1.5");
    EXPECT_EQ(list.TextToValue("MIB-2.1.5"), "1.3.6.1.2.1.1.5");
    // A text shorter than the prefix never matches.
    EXPECT_EQ(list.ValueToText("1.3.6"), "1.3.6");
    EXPECT_EQ(list.TextToValue("mib"), "mib");
}

// Any control with the combo-box calls will do.
struct FakeCombo {
    QStringList items;
    int current = 7;
    void clear() { items.clear(); current = -1; }
    void addItems(const QStringList& l) { items += l; }
    void setCurrentIndex(int i) { current = i; }
};

TEST(OptionList, FillAndSelectControls)
{
    constexpr KtOptionPair three[] = {{1, "other"}, {2, "disabled"}, {3, "enabled"}, {}};
    const KtOptionList list(three);
    FakeCombo combo;
    combo.items = {"stale"};
    list.FillComboBox(combo);
    EXPECT_EQ(combo.items, QStringList({"other", "disabled", "enabled"}));
    list.SelectComboBox(combo, "ENABLED");
    EXPECT_EQ(combo.current, 2);
    list.SelectComboBox(combo, "2");  // by value when no text matches
    EXPECT_EQ(combo.current, 1);
    list.SelectRadioGroup(combo, "4");  // not listed: nothing selected
    EXPECT_EQ(combo.current, -1);
}

TEST(OptionList, VocabularyLists)
{
    EXPECT_EQ(KtSyntaxNames.Count(), 26);
    EXPECT_EQ(KtSyntaxNames.Option(0).text, "integer");
    EXPECT_EQ(KtSyntaxNames.Option(11).text, "boolean");
    EXPECT_EQ(KtSyntaxNames.Option(25).text, "ipv6address");
    EXPECT_EQ(KtSyntaxNames.ValueToText("66"), "guage");
    EXPECT_EQ(KtSyntaxNames.TextToValue("BcDateTime"), "75");
    EXPECT_EQ(KtAccessNames.TextToValue("ReadWrite"), "6");
    EXPECT_EQ(KtAccessNames.ValueToText("65"), "65");  // implied has no name
    EXPECT_EQ(KtItemTypeNames.ValueToText("3"), "MVT_UMV");
    EXPECT_EQ(KtItemTypeNames.TextToValue("svt_sv"), "0");
}

} // namespace
