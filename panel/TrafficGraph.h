#pragma once
// The live traffic graph of one port: a window of its own (several may be open, the LED polling
// goes on) that polls the port's counters and plots in and out bit/s over the last ten minutes.
//
// The poller reads sysUpTime.0 with the port's 64-bit octet and unicast-packet counters
// (ifHCInOctets, ifHCOutOctets, ifHCInUcastPkts, ifHCOutUcastPkts), or with their 32-bit
// ifTable twins over SNMPv1 (no Counter64 there) and on a switch that lacks the 64-bit ones.
// One get per tick, asynchronous like the LED poll; a tick is skipped while a read is still
// outstanding. An error pauses the graph with the framework's status line; the next answer
// resumes it, and only restarts the rates (no spike across the gap).
//
// The plot is a small painter of our own rather than Qt Charts: no further library for the
// package to depend on, and the same pixels on every run for the screenshot tests.
#include "KtNML/KtSNMPError.h"
#include "panel/TrafficSeries.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>

#include <memory>

class KtSNMPVarList;
class QComboBox;
class QLabel;
class QTimer;
class TPanelHost;
class TTrafficRequest;

class TTrafficPoller : public QObject {
    Q_OBJECT
public:
    // ifIndex: the port's interface; the request copies the global device parameters.
    TTrafficPoller(int ifIndex, TTrafficSeries& series, QObject* parent = nullptr);
    ~TTrafficPoller() override;

    // Polls every intervalSeconds, the first read at once.
    void Start(int intervalSeconds);
    void Stop();
    // One tick: a get, unless the last one is still outstanding.
    void Poll();

    int IfIndex() const { return m_ifIndex; }
    int IntervalSeconds() const { return m_intervalSeconds; }
    bool Polling() const;
    bool Outstanding() const;
    // Whether the 64-bit counters are read (false: the 32-bit ones).
    bool HighCapacity() const { return m_highCapacity; }
    bool Paused() const { return m_paused; }
    // The last error's status line, empty while the switch answers.
    const QString& ErrorLine() const { return m_errorLine; }
    int Reads() const { return m_reads; }
    int SkippedTicks() const { return m_skipped; }

    static inline const char* kListName = " Traffic Counters";

signals:
    // After every answer (the series may have a new sample) and every error.
    void Updated();

private:
    static void Completed(void* context, const KtSNMPError& error, KtSNMPVarList& list);
    void OnCompleted(const KtSNMPError& error);
    void UseCounters(bool highCapacity);
    void Failed(const QString& message);

    int m_ifIndex;
    TTrafficSeries& m_series;
    std::unique_ptr<TTrafficRequest> m_request;
    QTimer* m_timer;
    int m_intervalSeconds = 5;
    bool m_highCapacity = true;
    bool m_paused = false;
    QString m_errorLine;
    int m_reads = 0;
    int m_skipped = 0;
};

// The plot: rate axis with k/M/G units, the last ten minutes along the bottom, in and out lines
// and a legend.
class TTrafficPlot : public QWidget {
    Q_OBJECT
public:
    static inline const QColor kInColour{0, 150, 0};
    static inline const QColor kOutColour{30, 80, 220};

    TTrafficPlot(const TTrafficSeries& series, QWidget* parent);
    QSize sizeHint() const override { return {560, 260}; }
    // Where the lines go, inside the axes.
    QRect PlotArea() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const TTrafficSeries& m_series;
};

class TTrafficGraphForm : public QWidget {
    Q_OBJECT
public:
    // clock: milliseconds of a monotonic clock; poll false leaves the polling off (tests pass
    // their own clock and readings).
    TTrafficGraphForm(int port, const QString& deviceAddress, QWidget* parent = nullptr,
                      TTrafficSeries::Clock clock = {}, bool poll = true);
    ~TTrafficGraphForm() override;

    int Port() const { return m_port; }
    const QString& DeviceAddress() const { return m_deviceAddress; }
    TTrafficSeries& Series() { return m_series; }
    TTrafficPoller& Poller() { return *m_poller; }
    TTrafficPlot* Plot() const { return m_plot; }
    // Rewrites the labels and repaints the plot.
    void Refresh();

    static QString Caption(int port, const QString& deviceAddress);
    static constexpr int kDefaultInterval = 5;

private:
    int m_port;
    QString m_deviceAddress;
    QElapsedTimer m_elapsed;
    TTrafficSeries m_series;
    TTrafficPoller* m_poller;
    TTrafficPlot* m_plot;
    QComboBox* m_interval;
    QLabel* m_stats[2][3] = {};
    QLabel* m_status;
};

// The popup command: the graph of the popup source's port (both media of a combo port share
// it), a new window or the one already open for that port and device, raised.
TTrafficGraphForm* OpenTrafficGraph(TPanelHost& host, const QString& deviceAddress);
