#include "dialogs/CounterPoller.h"

#include <QComboBox>
#include <QSignalBlocker>

#include <array>
#include <cmath>

namespace {

constexpr std::array kIntervals = {0, 2000, 5000, 10000, 30000, 60000};

} // namespace

double TCounterPoller::TimeScale = 1.0;

TCounterPoller::TCounterPoller(QComboBox* interval, QObject* parent) : QObject(parent), m_interval(interval)
{
    m_timer.setSingleShot(false);
    {
        const QSignalBlocker block(m_interval);
        m_interval->clear();
        m_interval->addItems(Items());
        m_interval->setCurrentIndex(0);
    }
    connect(m_interval, &QComboBox::currentIndexChanged, this, [this](int position) { IntervalChanged(position); });
    connect(&m_timer, &QTimer::timeout, this, [this] { Tick(); });
}

QStringList TCounterPoller::Items()
{
    return {QStringLiteral("none"), QStringLiteral("2s"),  QStringLiteral("5s"),
            QStringLiteral("10s"),  QStringLiteral("30s"), QStringLiteral("1m")};
}

int TCounterPoller::IntervalMs(int position)
{
    if (position <= 0 || position >= int(kIntervals.size()))
        return 0;
    return std::max(1, int(std::lround(kIntervals[std::size_t(position)] * TimeScale)));
}

void TCounterPoller::IntervalChanged(int position)
{
    const int ms = IntervalMs(position);
    if (ms == 0) {
        m_timer.stop();
        return;
    }
    m_timer.start(ms);
}

void TCounterPoller::Stop()
{
    m_timer.stop();
    const QSignalBlocker block(m_interval);
    m_interval->setCurrentIndex(0);
}

void TCounterPoller::Tick()
{
    // A synchronous read may let events run, and with them the next tick: that one waits.
    if (m_reading || (m_busy && m_busy())) {
        ++m_skipped;
        return;
    }
    if (!m_read)
        return;
    m_reading = true;
    ++m_reads;
    try {
        m_read();
    } catch (...) {
        m_reading = false;
        Stop();
        return;
    }
    m_reading = false;
}
