#pragma once
// Counter views: a generic view whose counters also show their change per second, read again
// at the interval the operator picks ("Refresh every"). The editor shows each rate right of its
// counter's value; a table view gets a "<caption>/s" column right after each counter column
// (display only: a selected row or a write never reads it). A tick never starts a read while
// one runs, while the operator is changing a value or a form of the view is open; a failed read
// stops nothing, and the rates start afresh after it.
#include "KtNML/KtCounterRateTable.h"
#include "KtNML/KtSNMPError.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <vector>

class QComboBox;
class QLabel;
class QTimer;
class QTreeWidgetItem;
class TSNMPEditorPanel;
class TSNMPListViewPanel;

class TCounterRates : public QObject {
    Q_OBJECT
public:
    // The intervals offered, in seconds (0: off, the first and initial choice).
    static constexpr int kIntervals[] = {0, 1, 2, 5, 10, 30, 60};

    // Makes panel a counter view (once: a second call gives the first one back).
    static TCounterRates* Attach(TSNMPEditorPanel* panel);
    // The counter part of panel, or null when it is no counter view.
    static TCounterRates* Of(const TSNMPEditorPanel* panel);

    QComboBox* IntervalBox() const;
    QTimer* Timer() const { return m_timer; }
    KtCounterRateTable& Rates() { return m_rates; }
    // The list's counter variables (Counter32 and Counter64), in list order.
    const std::vector<int>& Counters() const { return m_counters; }
    // The editor's rate display of variable i, null for none.
    QLabel* RateLabel(int i) const;

    // What the timer runs: the view's refresh, unless it has to wait (see the top of the file).
    // False when the tick was skipped.
    bool Tick();

private:
    explicit TCounterRates(TSNMPEditorPanel* panel);
    void IntervalChosen();
    void ReadDone(const KtSNMPError& error);
    // The rate texts of the table row just read, one per counter.
    QStringList RowRates();
    QString RowKey(int variable) const;
    // What tells a list row from the others: its index cells.
    QString RowIdentity(const QTreeWidgetItem* item) const;
    bool OperatorBusy() const;
    void ClearLabels();

    QPointer<TSNMPEditorPanel> m_panel;
    QPointer<TSNMPListViewPanel> m_table;
    QTimer* m_timer = nullptr;
    KtCounterRateTable m_rates;
    std::vector<int> m_counters;
    std::vector<QLabel*> m_labels;  // per variable, editor only
    // A tick's walk empties the list: the row selected before it is selected again after it.
    QString m_reselect;
    int m_scrollBack = -1;
};
