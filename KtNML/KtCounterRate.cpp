#include "KtNML/KtCounterRate.h"

void KtCounterRate::SetWidth(Width width)
{
    if (width != m_width)
        m_last.reset();
    m_width = width;
}

std::optional<quint64> KtCounterRate::Delta(quint64 previous, quint64 current, Width width)
{
    if (width == Width::Bits32) {
        // Values beyond 32 bits cannot come from a Counter32; compare what the switch keeps.
        previous &= 0xFFFFFFFFu;
        current &= 0xFFFFFFFFu;
        if (current >= previous)
            return current - previous;
        return (Q_UINT64_C(0x100000000) - previous) + current;
    }
    if (current < previous)
        return std::nullopt;
    return current - previous;
}

std::optional<double> KtCounterRate::Add(quint64 value, std::optional<quint32> upTimeTicks, qint64 monotonicMs)
{
    const Reading reading{value, upTimeTicks, monotonicMs};
    const std::optional<Reading> last = m_last;
    m_last = reading;
    if (!last)
        return std::nullopt;
    double seconds = 0;
    if (last->upTime && upTimeTicks) {
        // The switch's own clock times its counters best; a clock that went back is a restart,
        // and the counters started again from zero with it.
        if (*upTimeTicks < *last->upTime)
            return std::nullopt;
        seconds = double(*upTimeTicks - *last->upTime) / 100.0;
    } else {
        seconds = double(monotonicMs - last->monotonicMs) / 1000.0;
    }
    if (seconds <= 0)
        return std::nullopt;
    const std::optional<quint64> delta = Delta(last->value, value, m_width);
    if (!delta)
        return std::nullopt;
    return double(*delta) / seconds;
}
