#pragma once
// One SNMP counter's readings turned into a rate per second. A counter only ever grows; a reading
// below the last one is a 32-bit counter that wrapped, or a switch that restarted (its sysUpTime
// went back, or a 64-bit counter went back): a restart gives no rate for that step, never a spike.
// No widgets here: the traffic graph and the counter views share it, tests feed it readings.
#include <QtGlobal>

#include <optional>

class KtCounterRate {
public:
    enum class Width { Bits32, Bits64 };

    explicit KtCounterRate(Width width = Width::Bits32) : m_width(width) {}

    Width CounterWidth() const { return m_width; }
    // A switch may answer the 32-bit counter after the 64-bit one (or back): the next reading
    // starts afresh.
    void SetWidth(Width width);

    // Feeds one reading. upTimeTicks: the switch's sysUpTime (hundredths of a second) read with
    // the counter, if it was; monotonicMs: the local clock when the answer came. Returns the rate
    // per second since the last reading, or nothing (first reading, restart, no time passed).
    std::optional<double> Add(quint64 value, std::optional<quint32> upTimeTicks, qint64 monotonicMs);

    // Forgets the last reading (after an error pause the next reading starts afresh).
    void Reset() { m_last.reset(); }

    // The counter's growth between two readings: a wrap of a 32-bit counter counts once; nothing
    // when the 64-bit counter went back (a restart).
    static std::optional<quint64> Delta(quint64 previous, quint64 current, Width width);

private:
    struct Reading {
        quint64 value = 0;
        std::optional<quint32> upTime;
        qint64 monotonicMs = 0;
    };
    Width m_width;
    std::optional<Reading> m_last;
};
