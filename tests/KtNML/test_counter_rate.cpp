// Counter readings to rates: the switch's clock is preferred, a 32-bit wrap counts once, and a
// restart (clock or 64-bit counter going back) gives no rate rather than a spike.
#include "KtNML/KtCounterRate.h"

#include <gtest/gtest.h>

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
