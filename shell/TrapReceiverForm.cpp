#include "shell/TrapReceiverForm.h"

#include "KtNML/KtTrapReceiver.h"
#include "panel/PanelHost.h"
#include "platform/StateFolder.h"
#include "views/ListViewTools.h"

#include <QDir>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <exception>
#include <unordered_set>
#include <vector>

namespace {

// The list's columns, left to right.
constexpr const char* kColumns[] = {"Time", "Version", "Notification", "Port", "Up Time", "Source"};
constexpr int kDetailRole = Qt::UserRole + 1;
constexpr const char* kServiceName = "TrapReceiver";

QString DetailText(const KtNotificationRecord& r)
{
    QStringList lines{
        QStringLiteral("%1 (%2)").arg(r.name, r.trapOid),
        QStringLiteral("Received: %1").arg(r.received.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"))),
        QStringLiteral("From: %1 (%2, %3)").arg(r.source, r.version, r.principal),
    };
    if (r.port > 0)
        lines << QStringLiteral("Port: %1").arg(r.port);
    if (!r.uptime.isEmpty())
        lines << QStringLiteral("Up time: %1").arg(r.uptime);
    lines << QString() << QStringLiteral("Variables:");
    for (const QString& vb : r.varbinds)
        lines << QStringLiteral("  ") + vb;
    return lines.join(QLatin1Char('\n'));
}

QTreeWidgetItem* RowOf(const KtNotificationRecord& r)
{
    auto* item = new QTreeWidgetItem(QStringList{
        r.received.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")), r.version, r.name,
        r.port > 0 ? QString::number(r.port) : QString(), r.uptime, r.source});
    item->setData(0, kDetailRole, DetailText(r));
    return item;
}

} // namespace

QString TTrapReceiverForm::Caption(const QString& deviceAddress)
{
    return QStringLiteral("Trap Receiver: ") + deviceAddress;
}

TTrapReceiverForm::TTrapReceiverForm(KtTrapReceiver* service, const QString& advice, QWidget* parent)
    : QWidget(parent, Qt::Window), m_service(service), m_advice(advice)
{
    setObjectName(QStringLiteral("TrapReceiverForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(820, 560);

    auto* layout = new QVBoxLayout(this);
    LB_TrapStatus = new QLabel(this);
    LB_TrapStatus->setObjectName(QStringLiteral("LB_TrapStatus"));
    LB_TrapStatus->setWordWrap(true);
    LB_TrapStatus->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(LB_TrapStatus);

    auto* splitter = new QSplitter(Qt::Vertical, this);
    LV_Notifications = new QTreeWidget(splitter);
    LV_Notifications->setObjectName(QStringLiteral("LV_Notifications"));
    QStringList captions;
    for (const char* c : kColumns)
        captions << QLatin1String(c);
    LV_Notifications->setHeaderLabels(captions);
    LV_Notifications->setRootIsDecorated(false);
    LV_Notifications->setUniformRowHeights(true);
    LV_Notifications->setSelectionMode(QAbstractItemView::ExtendedSelection);
    LV_Notifications->header()->resizeSection(0, 150);
    LV_Notifications->header()->resizeSection(2, 200);
    ME_NotificationDetail = new QPlainTextEdit(splitter);
    ME_NotificationDetail->setObjectName(QStringLiteral("ME_NotificationDetail"));
    ME_NotificationDetail->setReadOnly(true);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 1);
    layout->addWidget(splitter, 1);

    LB_TrapCounts = new QLabel(this);
    LB_TrapCounts->setObjectName(QStringLiteral("LB_TrapCounts"));
    LB_TrapCounts->setWordWrap(true);
    layout->addWidget(LB_TrapCounts);

    m_tools = TListViewTools::Attach(LV_Notifications);
    connect(LV_Notifications, &QTreeWidget::itemSelectionChanged, this, &TTrapReceiverForm::ShowDetail);

    m_batchTimer = new QTimer(this);
    m_batchTimer->setSingleShot(true);
    m_batchTimer->setInterval(kBatchIntervalMs);
    connect(m_batchTimer, &QTimer::timeout, this, &TTrapReceiverForm::AddBatch);
    if (m_service) {
        connect(m_service, &KtTrapReceiver::RecordsAdded, this, &TTrapReceiverForm::RecordsAdded);
        connect(m_service, &KtTrapReceiver::Received, this, [this] { RecordsAdded(0); });
        RecordsAdded(int(m_service->Log().Size()));  // what the log holds already
    }
    ShowStatus();
    ShowCounts();
}

void TTrapReceiverForm::RecordsAdded(int count)
{
    m_pending += count;
    if (!m_batchTimer->isActive())
        m_batchTimer->start();
}

// The oldest of the records not yet listed go in first, each above the one before, so the
// list stays newest first (or where its sort puts them); a flood is listed a batch per turn of
// the event loop.
void TTrapReceiverForm::AddBatch()
{
    QElapsedTimer spent;
    spent.start();
    try {
        if (!m_service) {
            m_pending = 0;
            return;
        }
        const auto& records = m_service->Log().Records();
        m_pending = std::min<int>(m_pending, int(records.size()));
        // Rows are made until the batch is full or its time is up.
        const int limit = std::min(m_pending, kRowsPerBatch);
        const std::size_t first = records.size() - std::size_t(m_pending);  // the oldest not listed
        QList<QTreeWidgetItem*> rows;
        rows.reserve(limit);
        int take = 0;
        while (take < limit && (take == 0 || spent.elapsed() < kBatchMs))
            rows.prepend(RowOf(records[first + std::size_t(take++)]));
        m_pending -= take;
        m_tools->InsertAtTop(rows);
        for (auto row = rows.crbegin(); row != rows.crend(); ++row)
            m_arrival.push_back(*row);
        RemoveOldest();
        ShowCounts();
        if (m_pending > 0)
            m_batchTimer->start();
    } catch (const std::exception&) {
        m_pending = 0;  // nothing of the list may take the program down
    }
}

// The list shows what the log keeps: the rows of the oldest records go, each run of adjacent
// rows in one removal (unsorted, they are the bottom rows; sorted, wherever the order put them).
void TTrapReceiverForm::RemoveOldest()
{
    const int count = LV_Notifications->topLevelItemCount();
    const int excess = std::min<int>(count - int(KtNotificationLog::kCapacity), int(m_arrival.size()));
    if (excess <= 0)
        return;
    const std::unordered_set<const QTreeWidgetItem*> oldest(m_arrival.cbegin(), m_arrival.cbegin() + excess);
    m_arrival.erase(m_arrival.begin(), m_arrival.begin() + excess);
    std::vector<int> rows;  // from the bottom up
    rows.reserve(std::size_t(excess));
    for (int r = count - 1; r >= 0 && int(rows.size()) < excess; --r)
        if (oldest.count(LV_Notifications->topLevelItem(r)))
            rows.push_back(r);
    QAbstractItemModel* model = LV_Notifications->model();
    for (std::size_t i = 0; i < rows.size();) {
        std::size_t last = i;  // the run's top row
        while (last + 1 < rows.size() && rows[last + 1] == rows[last] - 1)
            ++last;
        model->removeRows(rows[last], rows[i] - rows[last] + 1);
        i = last + 1;
    }
}

void TTrapReceiverForm::ShowDetail()
{
    const QList<QTreeWidgetItem*> selected = LV_Notifications->selectedItems();
    ME_NotificationDetail->setPlainText(selected.isEmpty() ? QString()
                                                           : selected.first()->data(0, kDetailRole).toString());
}

void TTrapReceiverForm::ShowStatus()
{
    if (!m_service) {
        LB_TrapStatus->setText(QStringLiteral("Notifications are not received yet."));
        return;
    }
    QString text;
    if (m_service->Listening())
        text = QStringLiteral("Receiving notifications on UDP port %1 (IPv4 and IPv6).").arg(m_service->Port());
    else
        text = m_service->ErrorText() + QLatin1Char(' ') + m_advice;
    if (m_service->ReadBackCount() > 0)
        text += QStringLiteral(" %1 earlier notifications read from %2.")
                    .arg(m_service->ReadBackCount())
                    .arg(QDir::toNativeSeparators(m_service->LogFileName()));
    if (m_service->LogFileName().isEmpty())
        text += QStringLiteral(" Notifications are not kept on file: the state folder %1 cannot be used.")
                    .arg(QDir::toNativeSeparators(platform::StateFolderPath()));
    if (!m_service->LogFileError().isEmpty())
        text += QStringLiteral(" The log cannot be written: %1.").arg(m_service->LogFileError());
    LB_TrapStatus->setText(text);
}

void TTrapReceiverForm::ShowCounts()
{
    if (!m_service)
        return;
    QStringList kinds;
    for (const auto& [name, count] : m_service->Counts().ByName())
        kinds << QStringLiteral("%1 %2").arg(name).arg(count);
    const snmp::ReceiverCounters refused = m_service->Refused();
    LB_TrapCounts->setText(
        QStringLiteral("Since start: %1. %2 from other addresses. Refused: %3 malformed, %4 with a wrong community, "
                       "%5 failed authentication.")
            .arg(kinds.isEmpty() ? QStringLiteral("none") : kinds.join(QStringLiteral(", ")))
            .arg(m_service->OtherAddresses())
            .arg(refused.malformed)
            .arg(refused.wrongCommunity)
            .arg(refused.authFailed));
    // The log file may have failed meanwhile.
    ShowStatus();
}

// ---- the service in the main window ---------------------------------------------------------

quint16 TrapPortFor(const LaunchRecord& launch)
{
    bool ok = false;
    if (!launch.trapPort.isEmpty()) {
        const uint port = launch.trapPort.toUInt(&ok);
        if (ok && port <= 0xFFFF)
            return quint16(port);
    }
    const QByteArray fromEnvironment = qgetenv("VKR_TRAP_PORT");
    if (!fromEnvironment.isEmpty()) {
        const uint port = QString::fromLatin1(fromEnvironment).trimmed().toUInt(&ok);
        if (ok && port <= 0xFFFF)
            return quint16(port);
    }
    return KtTrapReceiver::kDefaultPort;
}

namespace {

// Why the receiver could not start and what to do, kept beside the service for the window.
constexpr const char* kAdviceProperty = "vkrTrapAdvice";

} // namespace

bool ReadPanelLeds(const TPanelHost* host)
{
    if (!host)
        return true;
    bool started = true;
    for (const QPointer<TVKR2207PanelForm>& panel : host->Panels()) {
        KtSNMPRequest2Leds* leds = panel ? panel->LedBinding() : nullptr;
        if (!leds || !leds->Polling())
            continue;  // no LEDs, or the panel is going
        if (leds->Busy())
            started = false;
        else
            leds->Poll();
    }
    return started;
}

KtTrapReceiver* StartNotificationService(QWidget* mainWindow, const LaunchRecord& launch, const QString& configFile,
                                         std::function<bool()> readLeds)
{
    if (KtTrapReceiver* running = NotificationService(mainWindow))
        return running;
    auto* service = new KtTrapReceiver(launch.deviceAddress, platform::StateFolder(), mainWindow);
    service->setObjectName(QLatin1String(kServiceName));
    const quint16 port = TrapPortFor(launch);
    if (!service->Start(KtTrapReceiver::SettingsFrom(KtSNMPDefaults, port)))
        service->setProperty(kAdviceProperty, KtTrapReceiver::Advice(service->ErrorNumber(), port, configFile));
    // A link change or a restart shows on the panel at once; the 5 s poll goes on. A read
    // still on its way is let finish, and one more follows it.
    auto* retry = new QTimer(service);
    retry->setSingleShot(true);
    retry->setInterval(50);
    auto read = [retry, readLeds = std::move(readLeds)] {
        try {
            if (readLeds && !readLeds())
                retry->start();
        } catch (const std::exception&) {
            // the LED binding shows its own errors; a failed read waits for the next poll
        }
    };
    QObject::connect(retry, &QTimer::timeout, service, read);
    QObject::connect(service, &KtTrapReceiver::LinkEvent, service, [read](int) { read(); });
    return service;
}

KtTrapReceiver* NotificationService(const QWidget* mainWindow)
{
    return mainWindow->findChild<KtTrapReceiver*>(QLatin1String(kServiceName), Qt::FindDirectChildrenOnly);
}

TTrapReceiverForm* OpenTrapReceiverForm(QWidget* mainWindow, const QString& deviceAddress)
{
    if (auto* open = mainWindow->findChild<TTrapReceiverForm*>(QString(), Qt::FindDirectChildrenOnly)) {
        open->showNormal();
        open->raise();
        open->activateWindow();
        return open;
    }
    KtTrapReceiver* service = NotificationService(mainWindow);
    auto* form = new TTrapReceiverForm(service, service ? service->property(kAdviceProperty).toString() : QString(),
                                       mainWindow);
    form->setWindowTitle(TTrapReceiverForm::Caption(deviceAddress));
    form->show();
    return form;
}
