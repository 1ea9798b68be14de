#pragma once
// The "Trap Receiver" window: the switch's notifications, newest first, with their varbinds in
// a detail pane, the counts per kind and what was refused, and the receiver's state (or why it
// cannot listen and what to do). One per module, not modal; the notification service behind
// it runs from the main window's first activation whether the window is open or not.
#include "shell/LaunchParams.h"

#include <QPointer>
#include <QWidget>

#include <deque>
#include <functional>

class KtTrapReceiver;
class TPanelHost;
class QLabel;
class QPlainTextEdit;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;
class TListViewTools;

class TTrapReceiverForm : public QWidget {
    Q_OBJECT
public:
    // Rows go into the list at most this many per turn of the event loop, made while the
    // turn has spent less than kBatchMs; putting them in and taking the oldest out costs one
    // insertion and one removal per place, not per row. The next batch follows after the
    // interval.
    static constexpr int kRowsPerBatch = 250;
    static constexpr int kBatchMs = 10;
    static constexpr int kBatchIntervalMs = 50;

    TTrapReceiverForm(KtTrapReceiver* service, const QString& advice, QWidget* parent);

    QTreeWidget* LV_Notifications = nullptr;
    QPlainTextEdit* ME_NotificationDetail = nullptr;
    QLabel* LB_TrapStatus = nullptr;
    QLabel* LB_TrapCounts = nullptr;

    // Records announced but not yet listed.
    int PendingRows() const { return m_pending; }

    static QString Caption(const QString& deviceAddress);

private:
    void RecordsAdded(int count);
    void AddBatch();
    void RemoveOldest();
    void ShowDetail();
    void ShowStatus();
    void ShowCounts();

    QPointer<KtTrapReceiver> m_service;
    QString m_advice;
    QTimer* m_batchTimer = nullptr;
    TListViewTools* m_tools = nullptr;
    int m_pending = 0;
    // The rows listed, oldest first (the list shows them in its own order once sorted). Only
    // RemoveOldest takes rows out of the list.
    std::deque<QTreeWidgetItem*> m_arrival;
};

// The notification port the module asks for: --trap-port= or TrapPort=, else the variable
// VKR_TRAP_PORT (a test harness or a second module on one machine), else 162.
quint16 TrapPortFor(const LaunchRecord& launch);

// The main window's notification service (its child "TrapReceiver"): made and started on the
// first activation; nullptr before. readLeds makes the panel read its LEDs now, or returns
// false while a read is still on its way (it is then asked again shortly, once for all the
// notifications that came meanwhile).
KtTrapReceiver* StartNotificationService(QWidget* mainWindow, const LaunchRecord& launch, const QString& configFile,
                                         std::function<bool()> readLeds);

// Starts an LED read of every panel of the host now; false when one is still reading.
bool ReadPanelLeds(const TPanelHost* host);
KtTrapReceiver* NotificationService(const QWidget* mainWindow);

// Opens the window of the main window's service, or brings the open one to the front.
TTrapReceiverForm* OpenTrapReceiverForm(QWidget* mainWindow, const QString& deviceAddress);
