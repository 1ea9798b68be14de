// Counter readings to rates: the switch's clock is preferred, a 32-bit wrap counts once, and a
// restart (clock or 64-bit counter going back) gives no rate rather than a spike; a view keeps
// one per row and counter.
#include "KtNML/KtCounterRate.h"
#include "KtNML/KtCounterRateTable.h"

#include <gtest/gtest.h>

#include <vector>

using Width = KtCounterRate::Width;

struct DeltaCase {
    const char* name;
    quint64 previous;
    quint64 current;
    Width width;
    std::optional<quint64> delta;
};

class CounterDelta : public ::testing::TestWithParam<DeltaCase> {};

TEST_P(CounterDelta, GrowthBetweenReadings)
{
    const DeltaCase& c = GetParam();
    EXPECT_EQ(KtCounterRate::Delta(c.previous, c.current, c.width), c.delta);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CounterDelta,
    ::testing::Values(DeltaCase{"grows32", 100, 350, Width::Bits32, 250},
                      DeltaCase{"still32", 7, 7, Width::Bits32, 0},
                      DeltaCase{"wraps32", 0xFFFFFF00u, 0x100, Width::Bits32, 0x200},
                      DeltaCase{"wrapsToZero32", 0xFFFFFFFFu, 0, Width::Bits32, 1},
                      DeltaCase{"grows64", Q_UINT64_C(0x1FFFFFFFF), Q_UINT64_C(0x200000010), Width::Bits64, 0x11},
                      DeltaCase{"backwards64IsRestart", 5000, 10, Width::Bits64, std::nullopt}),
    [](const ::testing::TestParamInfo<DeltaCase>& info) { return std::string(info.param.name); });

TEST(CounterRate, FirstReadingGivesNoRateThenBitsOfTheSwitchClock)
{
    KtCounterRate rate(Width::Bits64);
    EXPECT_FALSE(rate.Add(1000, 500u, 0).has_value());
    // 2 s of switch time (200 ticks) although 3 s passed locally: the switch's clock counts.
    const auto r = rate.Add(1000 + 250000, 700u, 3000);
    ASSERT_TRUE(r.has_value());
    EXPECT_DOUBLE_EQ(*r, 125000.0);
}

TEST(CounterRate, LocalClockWithoutUpTime)
{
    KtCounterRate rate(Width::Bits32);
    rate.Add(0xFFFFFFF0u, std::nullopt, 1000);
    const auto r = rate.Add(0x10, std::nullopt, 1500);  // wrapped: 0x20 in half a second
    ASSERT_TRUE(r.has_value());
    EXPECT_DOUBLE_EQ(*r, 64.0);
}

TEST(CounterRate, RestartOfTheSwitchGivesNoSpikeAndRatesResumeAfter)
{
    KtCounterRate rate(Width::Bits32);
    rate.Add(4000000000u, 90000u, 0);
    // The switch restarted: its clock went back and the counter began again. A 32-bit counter
    // that went back would otherwise read as a wrap of almost 2^32.
    EXPECT_FALSE(rate.Add(1000, 300u, 1000).has_value());
    const auto r = rate.Add(3000, 400u, 2000);
    ASSERT_TRUE(r.has_value());
    EXPECT_DOUBLE_EQ(*r, 2000.0);
}

TEST(CounterRate, NoTimePassedAndResetGiveNoRate)
{
    KtCounterRate rate;
    rate.Add(10, 100u, 0);
    EXPECT_FALSE(rate.Add(20, 100u, 0).has_value());
    rate.Reset();
    EXPECT_FALSE(rate.Add(30, 200u, 1000).has_value());
    rate.SetWidth(Width::Bits64);  // another counter: starts afresh
    EXPECT_FALSE(rate.Add(40, 300u, 2000).has_value());
    EXPECT_TRUE(rate.Add(140, 400u, 3000).has_value());
}

// ---- a view's counters: per row and variable ---------------------------------------------

namespace {

// One step of a view's readings: a reading (row, variable, text at a clock time, with the rate
// expected), or the end of a pass, or a failed read.
struct TableStep {
    enum Kind { Read, EndPass, Failed } kind = Read;
    const char* row = "";
    int variable = 0;
    const char* value = "";
    qint64 ms = 0;
    std::optional<double> rate = std::nullopt;
    Width width = Width::Bits32;
};

TableStep R(const char* row, int variable, const char* value, qint64 ms, std::optional<double> rate,
            Width width = Width::Bits32)
{
    return TableStep{TableStep::Read, row, variable, value, ms, rate, width};
}
const TableStep kEnd{TableStep::EndPass};
const TableStep kFail{TableStep::Failed};

struct TableCase {
    const char* name;
    std::vector<TableStep> steps;
};

class CounterRateTable : public ::testing::TestWithParam<TableCase> {};

TEST_P(CounterRateTable, RatesPerRowAndVariable)
{
    qint64 now = 0;
    KtCounterRateTable table;
    table.SetClock([&now] { return now; });
    int n = 0;
    for (const TableStep& s : GetParam().steps) {
        SCOPED_TRACE(::testing::Message() << "step " << n++);
        if (s.kind == TableStep::EndPass) {
            table.EndPass();
        } else if (s.kind == TableStep::Failed) {
            table.Reset();
        } else {
            now = s.ms;
            const std::optional<double> r = table.Add(QString::fromLatin1(s.row), s.variable,
                                                      QString::fromLatin1(s.value), s.width);
            ASSERT_EQ(r.has_value(), s.rate.has_value());
            if (r) {
                EXPECT_DOUBLE_EQ(*r, *s.rate);
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CounterRateTable,
    ::testing::Values(
        // Rows and variables keep separate histories: no rate crosses from one to another.
        TableCase{"rowsAndVariablesApart",
                  {R("1", 3, "100", 0, {}), R("1", 4, "5000", 0, {}), R("2", 3, "900", 0, {}), kEnd,
                   R("1", 3, "300", 2000, 100.0), R("1", 4, "5000", 2000, 0.0), R("2", 3, "1900", 2000, 500.0), kEnd}},
        TableCase{"wrap32CountsOnce",
                  {R("", 1, "4294967000", 0, {}), kEnd, R("", 1, "204", 4000, 125.0), kEnd}},
        TableCase{"counter64BackIsRestart",
                  {R("7", 2, "90000000000", 0, {}, Width::Bits64), kEnd, R("7", 2, "10", 1000, {}, Width::Bits64), kEnd,
                   R("7", 2, "1010", 3000, 500.0, Width::Bits64), kEnd}},
        // A row missing from a pass drops its history: back again, it starts blank.
        TableCase{"vanishedRowStartsBlank",
                  {R("1", 3, "0", 0, {}), R("2", 3, "0", 0, {}), kEnd, R("1", 3, "10", 1000, 10.0), kEnd,
                   R("1", 3, "30", 2000, 20.0), R("2", 3, "500", 2000, {}), kEnd, R("2", 3, "600", 3000, 100.0), kEnd}},
        // After a failed read the next good reading starts afresh rather than spanning the gap.
        TableCase{"failedReadRestarts",
                  {R("1", 3, "0", 0, {}), kEnd, kFail, R("1", 3, "9000", 9000, {}), kEnd,
                   R("1", 3, "9100", 10000, 100.0), kEnd}},
        // A cell that is no number breaks the series; the next number starts it again.
        TableCase{"textIsNoReading",
                  {R("", 0, "10", 0, {}), R("", 0, "noSuchInstance", 1000, {}), R("", 0, "30", 2000, {}),
                   R("", 0, "40", 2500, 20.0)}}),
    [](const ::testing::TestParamInfo<TableCase>& info) { return std::string(info.param.name); });

struct FormatCase {
    std::optional<double> rate;
    const char* text;
};

TEST(CounterRateTable, RateTexts)
{
    const FormatCase cases[] = {{std::nullopt, ""}, {0.0, "0.00"}, {2.5, "2.50"},
                                {125.0, "125.0"}, {999.94, "999.9"}, {125000.4, "125000"}};
    for (const FormatCase& c : cases)
        EXPECT_EQ(KtCounterRateTable::Format(c.rate), QLatin1String(c.text));
}

} // namespace
