#pragma once
// TCounterPoller: re-reads a dialog's counters on a timer at the interval the operator picks in
// an interval drop-down ("none", "2s", "5s", "10s", "30s", "1m"). A tick finds nothing to do
// while the previous read is still outstanding; Stop (after a failed read, a reset, closing)
// turns the timer off and puts the drop-down back to "none".
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <functional>

class QComboBox;

class TCounterPoller : public QObject {
    Q_OBJECT
public:
    // Fills interval with the items and follows its changes.
    TCounterPoller(QComboBox* interval, QObject* parent);

    static QStringList Items();
    // The timer interval of a drop-down position in milliseconds of real time; 0 for "none".
    static int IntervalMs(int position);
    // Real milliseconds per nominal millisecond (1 by default; tests shrink the intervals).
    static double TimeScale;

    // The read a tick runs, and whether the previous read is still outstanding.
    void SetRead(std::function<void()> read) { m_read = std::move(read); }
    void SetBusy(std::function<bool()> busy) { m_busy = std::move(busy); }

    void Stop();
    bool Polling() const { return m_timer.isActive(); }
    int Interval() const { return m_timer.interval(); }
    // Ticks that ran a read, and ticks skipped because a read was outstanding.
    int Reads() const { return m_reads; }
    int Skipped() const { return m_skipped; }

private:
    void IntervalChanged(int position);
    void Tick();

    QComboBox* m_interval;
    QTimer m_timer;
    std::function<void()> m_read;
    std::function<bool()> m_busy;
    bool m_reading = false;
    int m_reads = 0;
    int m_skipped = 0;
};
