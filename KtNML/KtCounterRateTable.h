#pragma once
// The rates of a view's counters: one KtCounterRate per (row, variable), where the row is the
// table row's index (empty for a scalar group). A reading pass feeds the rows it sees; when it
// ends, rows the switch no longer has drop their history, so a row that comes back starts blank.
// After a failed read every history is forgotten: the next good reading starts afresh instead of
// spanning the gap. No widgets here; the clock is injectable so tests set the elapsed time.
#include "KtNML/KtCounterRate.h"

#include <QHash>
#include <QSet>
#include <QString>

#include <functional>
#include <optional>

class KtCounterRateTable {
public:
    // Monotonic milliseconds.
    using Clock = std::function<qint64()>;

    KtCounterRateTable();
    void SetClock(Clock clock) { m_clock = std::move(clock); }
    qint64 Now() const { return m_clock(); }

    // One counter reading of the current pass (the value as the view shows it: decimal text).
    // Nothing for the first reading of a counter, after a restart, or for text that is no
    // counter value.
    std::optional<double> Add(const QString& rowKey, int variable, const QString& value, KtCounterRate::Width width,
                              std::optional<quint32> upTimeTicks = std::nullopt);
    // The pass has read every row: the histories of rows it did not see go.
    void EndPass();
    // A read failed: every history goes.
    void Reset();

    int RowCount() const { return int(m_rows.size()); }

    // The text a view shows for a rate: blank for none, two decimals below 10 per second, one
    // below 1000, whole numbers above.
    static QString Format(std::optional<double> rate);

private:
    Clock m_clock;
    QHash<QString, QHash<int, KtCounterRate>> m_rows;
    QSet<QString> m_seen;
};
