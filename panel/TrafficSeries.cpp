#include "panel/TrafficSeries.h"

#include <algorithm>
#include <cmath>

namespace {

double ValueOf(const TTrafficSample& s, TTrafficSeries::Measure m)
{
    switch (m) {
    case TTrafficSeries::Measure::InBits: return s.inBits;
    case TTrafficSeries::Measure::OutBits: return s.outBits;
    case TTrafficSeries::Measure::InPackets: return s.inPackets;
    case TTrafficSeries::Measure::OutPackets: return s.outPackets;
    }
    return 0;
}

QString Scaled(double value, const char* unit)
{
    static constexpr const char* kPrefixes[] = {"", "k", "M", "G", "T"};
    int prefix = 0;
    while (std::abs(value) >= 999.5 && prefix < 4) {
        value /= 1000;
        ++prefix;
    }
    // Three significant digits; whole numbers of the base unit.
    const int decimals = prefix == 0 ? 0 : (value < 9.995 ? 2 : value < 99.95 ? 1 : 0);
    return QString::number(value, 'f', decimals) + u' ' + QLatin1String(kPrefixes[prefix]) + QLatin1String(unit);
}

} // namespace

TTrafficSeries::TTrafficSeries(Clock clock) : m_clock(std::move(clock)) {}

bool TTrafficSeries::Add(const TTrafficReading& reading)
{
    const qint64 now = m_clock();
    Prune(now);
    const quint64 values[4] = {reading.inOctets, reading.outOctets, reading.inPackets, reading.outPackets};
    std::array<std::optional<double>, 4> rates;
    for (std::size_t k = 0; k < 4; ++k) {
        if (m_paused)
            m_rates[k].Reset();
        m_rates[k].SetWidth(reading.width);
        rates[k] = m_rates[k].Add(values[k], reading.upTime, now);
    }
    double seconds = 0;
    if (m_lastUpTime && reading.upTime && *reading.upTime >= *m_lastUpTime)
        seconds = double(*reading.upTime - *m_lastUpTime) / 100.0;
    else
        seconds = double(now - m_lastAt) / 1000.0;
    m_lastUpTime = reading.upTime;
    m_lastAt = now;
    m_paused = false;
    if (!std::all_of(rates.begin(), rates.end(), [](const auto& r) { return r.has_value(); })) {
        // First reading, restart or no time passed: the rates start again from here.
        m_gap = true;
        return false;
    }
    TTrafficSample sample;
    sample.atMs = now;
    sample.seconds = seconds;
    sample.inBits = *rates[0] * 8;
    sample.outBits = *rates[1] * 8;
    sample.inPackets = *rates[2];
    sample.outPackets = *rates[3];
    sample.afterGap = m_gap;
    m_gap = false;
    m_samples.push_back(sample);
    return true;
}

void TTrafficSeries::Pause()
{
    m_paused = true;
    m_gap = true;
}

void TTrafficSeries::Prune(qint64 now)
{
    while (!m_samples.empty() && m_samples.front().atMs < now - kWindowMs)
        m_samples.pop_front();
}

std::deque<TTrafficSample> TTrafficSeries::Samples() const
{
    const qint64 since = m_clock() - kWindowMs;
    std::deque<TTrafficSample> out;
    for (const TTrafficSample& s : m_samples)
        if (s.atMs >= since)
            out.push_back(s);
    return out;
}

std::optional<TTrafficSample> TTrafficSeries::Latest() const
{
    if (m_samples.empty() || m_samples.back().atMs < m_clock() - kWindowMs)
        return std::nullopt;
    return m_samples.back();
}

TTrafficStats TTrafficSeries::Stats(Measure measure) const
{
    TTrafficStats stats;
    double weighted = 0;
    double seconds = 0;
    const std::deque<TTrafficSample> samples = Samples();
    for (const TTrafficSample& s : samples) {
        const double v = ValueOf(s, measure);
        stats.peak = std::max(stats.peak, v);
        weighted += v * s.seconds;
        seconds += s.seconds;
    }
    if (!samples.empty()) {
        stats.current = ValueOf(samples.back(), measure);
        stats.average = seconds > 0 ? weighted / seconds : 0;
    }
    return stats;
}

QString FormatBitRate(double bitsPerSecond)
{
    return Scaled(bitsPerSecond, "bit/s");
}

QString FormatPacketRate(double packetsPerSecond)
{
    return Scaled(packetsPerSecond, "pkt/s");
}

double NiceAxisTop(double peak)
{
    if (!(peak > 1000))
        return 1000;
    const double power = std::pow(10.0, std::floor(std::log10(peak)));
    for (double step : {1.0, 2.0, 5.0, 10.0})
        if (step * power >= peak)
            return step * power;
    return 10 * power;
}
