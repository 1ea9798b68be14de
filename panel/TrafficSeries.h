#pragma once
// The numbers behind a port's traffic graph: counter readings (octets and unicast packets, in and
// out, with the switch's sysUpTime) turned into samples of bit/s and packets/s, kept for the last
// ten minutes, with current, average and peak. No widgets: tests feed readings and a clock.
//
// A reading that cannot give a rate (the first one, the first after a pause, a switch that
// restarted) starts the rates afresh and leaves a gap: the plot never bridges it with a line, and
// nothing counted across it turns into a spike.
#include "KtNML/KtCounterRate.h"

#include <QString>
#include <QtGlobal>

#include <array>
#include <deque>
#include <functional>
#include <optional>

struct TTrafficReading {
    quint64 inOctets = 0;
    quint64 outOctets = 0;
    quint64 inPackets = 0;
    quint64 outPackets = 0;
    std::optional<quint32> upTime;  // sysUpTime in hundredths of a second
    KtCounterRate::Width width = KtCounterRate::Width::Bits64;
};

struct TTrafficSample {
    qint64 atMs = 0;        // the local clock when the reading came
    double seconds = 0;     // the time the rates cover (the switch's clock where it was read)
    double inBits = 0;      // bit/s
    double outBits = 0;
    double inPackets = 0;   // packets/s
    double outPackets = 0;
    bool afterGap = false;  // the previous sample is not its neighbour (pause, restart, start)
};

struct TTrafficStats {
    double current = 0;
    double average = 0;  // over the time the window's samples cover
    double peak = 0;
};

class TTrafficSeries {
public:
    // Milliseconds of a monotonic clock.
    using Clock = std::function<qint64()>;

    static constexpr qint64 kWindowMs = 10 * 60 * 1000;
    // The poll intervals an operator may choose, in seconds.
    static constexpr std::array<int, 6> kIntervals = {1, 2, 5, 10, 30, 60};

    explicit TTrafficSeries(Clock clock);

    // Feeds one reading taken now; returns whether it added a sample.
    bool Add(const TTrafficReading& reading);
    // After an error: the next reading only restarts the rates.
    void Pause();
    bool Paused() const { return m_paused; }

    qint64 Now() const { return m_clock(); }
    // The samples of the last ten minutes, oldest first.
    std::deque<TTrafficSample> Samples() const;
    std::optional<TTrafficSample> Latest() const;

    enum class Measure { InBits, OutBits, InPackets, OutPackets };
    TTrafficStats Stats(Measure measure) const;

private:
    void Prune(qint64 now);

    Clock m_clock;
    std::array<KtCounterRate, 4> m_rates;
    std::deque<TTrafficSample> m_samples;
    // The last reading's clocks, for the time a sample covers.
    std::optional<quint32> m_lastUpTime;
    qint64 m_lastAt = 0;
    bool m_paused = false;
    bool m_gap = true;
};

// "0 bit/s", "950 bit/s", "12.5 kbit/s", "1.25 Mbit/s", "10 Gbit/s": three significant digits.
QString FormatBitRate(double bitsPerSecond);
// "12 pkt/s", "1.53 kpkt/s".
QString FormatPacketRate(double packetsPerSecond);
// The top of a plot's rate axis: the smallest 1, 2 or 5 times a power of ten at or above peak
// (at least 1000).
double NiceAxisTop(double peak);
