// The traffic graph's numbers from known counter readings: rates in bit/s and packets/s, a 32-bit
// wrap, a switch restart and an error pause (no sample, no spike, a gap), the time-weighted
// average and the peak, the ten-minute window, and the unit texts of the axis.
#include "panel/TrafficSeries.h"

#include <gtest/gtest.h>

#include <vector>

using Width = KtCounterRate::Width;

namespace {

struct Step {
    qint64 atMs;
    quint64 inOctets;
    quint64 outOctets;
    std::optional<quint32> upTime;
    std::optional<double> inBits;  // the sample this reading adds, if any
    bool afterGap = false;
    bool pauseBefore = false;
};

struct SeriesCase {
    const char* name;
    Width width;
    std::vector<Step> steps;
};

class TrafficSeriesSteps : public ::testing::TestWithParam<SeriesCase> {};

} // namespace

TEST_P(TrafficSeriesSteps, SamplesFollowTheCounters)
{
    const SeriesCase& c = GetParam();
    qint64 now = 0;
    TTrafficSeries series([&] { return now; });
    for (std::size_t k = 0; k < c.steps.size(); ++k) {
        const Step& s = c.steps[k];
        SCOPED_TRACE("step " + std::to_string(k));
        now = s.atMs;
        if (s.pauseBefore)
            series.Pause();
        const std::size_t before = series.Samples().size();
        TTrafficReading r;
        r.inOctets = s.inOctets;
        r.outOctets = s.outOctets;
        r.inPackets = s.inOctets / 100;
        r.outPackets = s.outOctets / 100;
        r.upTime = s.upTime;
        r.width = c.width;
        EXPECT_EQ(series.Add(r), s.inBits.has_value());
        const std::deque<TTrafficSample> samples = series.Samples();
        ASSERT_EQ(samples.size(), before + (s.inBits ? 1 : 0));
        if (!s.inBits)
            continue;
        EXPECT_DOUBLE_EQ(samples.back().inBits, *s.inBits);
        EXPECT_EQ(samples.back().afterGap, s.afterGap);
        EXPECT_EQ(samples.back().atMs, s.atMs);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TrafficSeriesSteps,
    ::testing::Values(
        // 625000 octets in 5 s of the switch's clock: 1 Mbit/s.
        SeriesCase{"KnownDeltas", Width::Bits64,
                   {{0, 1000, 2000, 100u, {}}, {5000, 626000, 2000, 600u, 1e6, true}, {7000, 626000, 2000, 800u, 0.0}}},
        SeriesCase{"ThirtyTwoBitWrapCountsOnce", Width::Bits32,
                   {{0, 0xFFFFFF00u, 0, 100u, {}}, {1000, 0x100, 0, 200u, 0x200 * 8.0, true}}},
        // The up time went back: the counters began again; no rate across the restart.
        SeriesCase{"UpTimeBackIsARestart", Width::Bits32,
                   {{0, 1000000, 0, 1000u, {}},
                    {1000, 1001000, 0, 1100u, 8000.0, true},
                    {2000, 50, 0, 20u, {}},
                    {3000, 1050, 0, 120u, 8000.0, true}}},
        SeriesCase{"SixtyFourBitCounterBackIsARestart", Width::Bits64,
                   {{0, 500000, 0, {}, {}}, {2000, 10, 0, {}, {}}, {4000, 2010, 0, {}, 8000.0, true}}},
        // After an error pause the first answer only restarts the rates, whatever was counted
        // in between.
        SeriesCase{"PauseRestartsTheRates", Width::Bits64,
                   {{0, 0, 0, 0u, {}},
                    {1000, 1000, 0, 100u, 8000.0, true},
                    {60000, 900000000, 0, 6000u, {}, false, true},
                    {61000, 900001000, 0, 6100u, 8000.0, true}}}),
    [](const ::testing::TestParamInfo<SeriesCase>& info) { return std::string(info.param.name); });

TEST(TrafficSeries, PacketsAndOutDirectionHaveTheirOwnRates)
{
    qint64 now = 0;
    TTrafficSeries series([&] { return now; });
    series.Add({1000, 2000, 10, 20, 0u, Width::Bits64});
    now = 2000;
    ASSERT_TRUE(series.Add({1000 + 2500, 2000 + 5000, 10 + 30, 20 + 90, 200u, Width::Bits64}));
    const TTrafficSample s = *series.Latest();
    EXPECT_DOUBLE_EQ(s.inBits, 10000);
    EXPECT_DOUBLE_EQ(s.outBits, 20000);
    EXPECT_DOUBLE_EQ(s.inPackets, 15);
    EXPECT_DOUBLE_EQ(s.outPackets, 45);
    EXPECT_DOUBLE_EQ(s.seconds, 2);
}

TEST(TrafficSeries, AverageIsWeightedByTimeAndPeakIsTheHighest)
{
    qint64 now = 0;
    TTrafficSeries series([&] { return now; });
    series.Add({0, 0, 0, 0, 0u, Width::Bits64});
    // 1000 bit/s for 1 s, then 4000 bit/s for 3 s, then 2000 bit/s for 1 s.
    now = 1000;
    series.Add({125, 0, 0, 0, 100u, Width::Bits64});
    now = 4000;
    series.Add({125 + 1500, 0, 0, 0, 400u, Width::Bits64});
    now = 5000;
    series.Add({125 + 1500 + 250, 0, 0, 0, 500u, Width::Bits64});
    const TTrafficStats in = series.Stats(TTrafficSeries::Measure::InBits);
    EXPECT_DOUBLE_EQ(in.current, 2000);
    EXPECT_DOUBLE_EQ(in.peak, 4000);
    EXPECT_DOUBLE_EQ(in.average, (1000.0 * 1 + 4000.0 * 3 + 2000.0 * 1) / 5);
}

TEST(TrafficSeries, SamplesOlderThanTenMinutesLeaveTheWindowAndTheStats)
{
    qint64 now = 0;
    TTrafficSeries series([&] { return now; });
    series.Add({0, 0, 0, 0, 0u, Width::Bits64});
    now = 1000;
    series.Add({1000000, 0, 0, 0, 100u, Width::Bits64});  // 8 Mbit/s
    for (int k = 2; k <= 5; ++k) {
        now = k * 1000;
        series.Add({1000000 + quint64(k - 1) * 125, 0, 0, 0, quint32(k * 100), Width::Bits64});  // 1 kbit/s
    }
    EXPECT_DOUBLE_EQ(series.Stats(TTrafficSeries::Measure::InBits).peak, 8e6);
    EXPECT_EQ(series.Samples().size(), 5u);
    now = 1000 + TTrafficSeries::kWindowMs + 1;
    EXPECT_EQ(series.Samples().size(), 4u);
    EXPECT_DOUBLE_EQ(series.Stats(TTrafficSeries::Measure::InBits).peak, 1000);
    now = 5000 + TTrafficSeries::kWindowMs + 1;
    EXPECT_TRUE(series.Samples().empty());
    EXPECT_FALSE(series.Latest().has_value());
}

TEST(TrafficUnits, RatesAndAxisTops)
{
    const std::pair<double, const char*> bits[] = {{0, "0 bit/s"},           {950, "950 bit/s"},
                                                   {999.7, "1.00 kbit/s"},   {12500, "12.5 kbit/s"},
                                                   {1.25e6, "1.25 Mbit/s"},  {345e6, "345 Mbit/s"},
                                                   {1e10, "10.0 Gbit/s"}};
    for (const auto& [value, text] : bits)
        EXPECT_EQ(FormatBitRate(value).toStdString(), text) << value;
    EXPECT_EQ(FormatPacketRate(1530).toStdString(), "1.53 kpkt/s");
    const std::pair<double, double> tops[] = {{0, 1000}, {1200, 2000}, {4500, 5000}, {5001, 10000}, {1e6, 1e6}, {2.1e9, 5e9}};
    for (const auto& [peak, top] : tops)
        EXPECT_DOUBLE_EQ(NiceAxisTop(peak), top) << peak;
}
