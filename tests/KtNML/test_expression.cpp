// The expression evaluator: arithmetic, conditions, substitution and stored results.
#include "KtNML/KtDateTime.h"
#include "KtNML/KtExpression.h"
#include "tests/KtNML/KtTestHelpers.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const KtOptionList olState{{1, "other"}, {2, "disabled"}, {3, "enabled"}};

TEST(Expression, Numbers)
{
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"2*3+4", 10}, {"2*(3+4)", 14}, {"10-4-3", 9}, {"-5", -5}, {"7/2", 3.5}, {" 1.5 ", 1.5},
        {"((2))", 2}, {"abc", 0}, {"", 0}, {"2*3*4", 24}, {"1+2-3", 0}, {"(1+2", 2},
        {"8/(2+2)", 2}, {"1.5*(2*(1+1))", 6},
        // A bracket is the number it evaluates to, negative or tiny.
        {"2*(1-4)", -6}, {"(0-3)*2", -6}, {"1-(0-3)", 4}, {"(1/100000)*100000", 1}, {"(1/3)*3", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_DOUBLE_EQ(EvaluateNumber(c.text), c.value);
    }
    EXPECT_TRUE(std::isinf(EvaluateNumber("1/0")));
    EXPECT_NEAR(EvaluateNumber("now"), KtNowSerial(), 0.001);
    EXPECT_NEAR(EvaluateNumber("NOW+1"), KtNowSerial() + 1, 0.001);
}

TEST(Expression, DeepNestingIsRefusedNotOverflowed)
{
    const QString deep = QString(5000, u'(') + u'1' + QString(5000, u')');
    ExpectKtError(KtErr::BadSyntaxInExpression, [&] { EvaluateNumber(deep); });
    ExpectKtError(KtErr::BadLogicOperand, [&] { EvaluateLogic(deep); });
    // Long flat chains are fine.
    QString sum = QStringLiteral("1");
    for (int i = 0; i < 3000; ++i)
        sum += QStringLiteral("+1");
    EXPECT_DOUBLE_EQ(EvaluateNumber(sum), 3001);
}

TEST(Expression, Comparisons)
{
    const struct {
        const char* text;
        bool result;
    } cases[] = {
        {"7>5", true}, {"7>10", true},  // ordinal text comparison
        {"10<9", true}, {"abc=abc", true}, {" \"abc\" = abc ", true}, {"a<>b", true},
        {"a<>a", false}, {"b>=b", true}, {"a<=b", true}, {"b<a", false}, {"\"a\"=\"a \"", false},
        {"TRUE", true}, {"false", false}, {" true ", true}, {"Abc=abc", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(EvaluateComparison(c.text), c.result);
    }
    for (const char* bad : {"maybe", "", "1"}) {
        SCOPED_TRACE(bad);
        ExpectKtError(KtErr::BadLogicOperand, [&] { EvaluateComparison(bad); });
    }
}

TEST(Expression, Logic)
{
    const struct {
        const char* text;
        bool result;
    } cases[] = {
        {"1=1 | 1=2", true}, {"1=2 | 1=1", true}, {"1=2 | 1=3", false}, {"1=1 & 1=2", false},
        {"1=1 & 2=2", true}, {"!1=2", true}, {"!(1=1)", false}, {"(1=1) & (2=2)", true},
        {"(1=2) | (2=2 & 3=3)", true}, {"\"a|b\"<>x", true}, {"\"a&b\"=x", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(EvaluateLogic(c.text), c.result);
    }
    // Short-circuit: the right side is never looked at.
    EXPECT_TRUE(EvaluateLogic("1=1 | maybe"));
    EXPECT_FALSE(EvaluateLogic("1=2 & maybe"));
    ExpectKtError(KtErr::BadLogicOperand, [&] { EvaluateLogic("1=2 | maybe"); });
}

class Conditions : public ::testing::Test {
protected:
    Conditions()
    {
        const KtSNMPVarDef defs[] = {
            {"1.1", "n", KtSyn::Integer, KtAcc::ReadOnly},
            {"1.2", "s", KtSyn::DisplayStr, KtAcc::ReadOnly},
            {"1.3", "b", KtSyn::Boolean, KtAcc::ReadOnly},
            {"1.4", "t", KtSyn::TimeTicks, KtAcc::ReadOnly},
            {"1.5", "e", KtSyn::Integer, KtAcc::ReadWrite, &olState},
            {"1.6", "x", KtSyn::OctetStr, KtAcc::ReadOnly},
            {},
        };
        list = KtSNMPVarList(defs, KtItem::MVT_UMV, 0);
        list.Item(0).Value = "7";
        list.Item(1).Value = "abc";
        list.Item(2).Value = "true";
        list.Item(3).Value = "1:00:00.00";
        list.Item(4).Value = "enabled";
        list.Item(5).Value = "0A0B";
    }
    KtSNMPVarList list;
};

TEST_F(Conditions, OverTheListValues)
{
    const struct {
        const char* text;
        bool result;
    } cases[] = {
        {"$0>5", true}, {"$0>10", true}, {"$1=\"abc\"", true}, {"$1=\"abd\" | $0=7", true},
        {"$1=\"abd\" & $0=7", false}, {"$2=1", true}, {"$3=360000", true}, {"$4=3", true},
        {"", true}, {"$5=\"0A0B\"", true}, {"!($0=7)", false}, {"$=7", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(EvaluateCondition(list, c.text), c.result);
    }
}

TEST_F(Conditions, Errors)
{
    list.Item(0).Value = "(NULL)";
    ExpectKtError(KtErr::NullInExpression, [&] { EvaluateCondition(list, "$0>5"); });
    ExpectKtError(KtErr::BadSyntaxInExpression, [&] { SubstituteValues(list, "$1", false); });
    ExpectKtError(KtErr::BadSyntaxInExpression, [&] { EvaluateCondition(list, "$6=1"); });
    ExpectKtError(KtErr::BadSyntaxInExpression, [&] { EvaluateCondition(list, "$99999999999999999999=1"); });
    ExpectKtError(KtErr::BadLogicOperand, [&] { EvaluateCondition(list, "$1"); });
}

TEST_F(Conditions, SubstitutionDoesNotRescanInsertedText)
{
    list.Item(1).Value = "$0#0";
    EXPECT_EQ(SubstituteValues(list, "$1+$0", true), "\"$0#0\"+7");
    EXPECT_EQ(SubstituteValues(list, "#0*$0", false, u'#'), "7*$0");
    EXPECT_EQ(SubstituteValues(list, "no markers", false), "no markers");
}

TEST_F(Conditions, ApplyExpressionStoresBySyntax)
{
    const struct {
        int syntax;
        const char* expr;
        const char* value;
        const KtOptionList* options = nullptr;
    } cases[] = {
        {KtSyn::Integer, "$0*6", "42"},
        {KtSyn::Integer, "0-$0/2", "-3"},  // truncated toward zero
        {KtSyn::Integer, "1e20", "2147483647"},
        {KtSyn::Integer, "0/0", "0"},
        {KtSyn::Gauge, "0-5", "0"},
        {KtSyn::Counter64, "$3*2", "720000"},
        {KtSyn::TimeTicks, "$3*2", "2:00:00.00"},
        {KtSyn::Boolean, "$2-1", "false"},
        {KtSyn::Double, "$0/2", "3.5"},
        {KtSyn::BcDateTime, "39228.5625", "2007/05/26 01:30:00 pm"},
        {KtSyn::Integer, "$0-5", "disabled", &olState},
        {KtSyn::Integer, "$0", "7", &olState},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expr);
        KtSNMPVar& target = list.Item(4);
        target.Syntax = c.syntax;
        target.Options = c.options;
        target.GetExpression = c.expr;
        target.SetExpression = "999";
        target.Value = "old";
        ApplyExpression(list, 4, true);
        EXPECT_EQ(target.Value, c.value);
    }
    list.Item(4).Syntax = KtSyn::Integer;
    list.Item(4).Options = nullptr;
    ApplyExpression(list, 4, false);
    EXPECT_EQ(list.Item(4).Value, "999");

    // Without an expression nothing changes; a string target cannot take a number.
    list.Item(0).Value = "untouched";
    ApplyExpression(list, 0, true);
    EXPECT_EQ(list.Item(0).Value, "untouched");
    list.Item(1).GetExpression = "1";
    ExpectKtError(KtErr::BadSyntaxInExpression, [&] { ApplyExpression(list, 1, true); });
    EXPECT_EQ(list.Item(1).Value, "abc");
    list.Item(5).GetExpression = "$1";
    ExpectKtError(KtErr::BadSyntaxInExpression, [&] { ApplyExpression(list, 5, true); });
}

} // namespace
