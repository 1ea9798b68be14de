#include "panel/TrafficGraph.h"

#include "KtNML/KtSNMPRequest.h"
#include "panel/PanelHost.h"

#include "views/FormSetup.h"
#include "views/WindowTitle.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <array>
#include <cmath>

namespace {

// The variables of one read, in this order.
enum Cell { UpTime, InOctets, OutOctets, InPackets, OutPackets, kCells };

// sysUpTime.0 and the port's counters: columns of ifXTable (64-bit) or of ifTable (32-bit).
KtSNMPVarList CounterList(int ifIndex, bool highCapacity)
{
    const QString index = QString::number(ifIndex);
    const QString x = QStringLiteral("1.3.6.1.2.1.31.1.1.1.");
    const QString t = QStringLiteral("1.3.6.1.2.1.2.2.1.");
    const QString oids[kCells] = {
        QStringLiteral("1.3.6.1.2.1.1.3.0"),
        (highCapacity ? x + QStringLiteral("6.") : t + QStringLiteral("10.")) + index,
        (highCapacity ? x + QStringLiteral("10.") : t + QStringLiteral("16.")) + index,
        (highCapacity ? x + QStringLiteral("7.") : t + QStringLiteral("11.")) + index,
        (highCapacity ? x + QStringLiteral("11.") : t + QStringLiteral("17.")) + index,
    };
    static constexpr const char* kLabels[kCells] = {"Up Time", "In Octets", "Out Octets", "In Unicast Packets",
                                                    "Out Unicast Packets"};
    const std::int32_t counter = highCapacity ? KtSyn::Counter64 : KtSyn::Counter;
    std::array<QByteArray, kCells> oidBytes;
    KtSNMPVarDef defs[kCells + 1] = {};
    for (int k = 0; k < kCells; ++k) {
        oidBytes[std::size_t(k)] = oids[k].toLatin1();
        defs[k] = {oidBytes[std::size_t(k)].constData(), kLabels[k], k == UpTime ? KtSyn::TimeTicks : counter,
                   KtAcc::ReadOnly};
    }
    // One row of full instance OIDs: no suffix is appended.
    KtSNMPVarList list(defs, KtItem::MVT_SV, 0);
    list.Name = QString::fromLatin1(TTrafficPoller::kListName);
    return list;
}

} // namespace

// Keeps each answer's raw value beside the display text: counters are taken as sent, and a
// counter the switch does not have shows as such, not as an empty text.
class TTrafficRequest : public KtSNMPRequest {
public:
    struct Value {
        bool present = false;
        quint64 number = 0;
    };
    std::array<Value, kCells> values;

    void Clear() { values = {}; }

    void ValueFromVb(int i, const snmp::Varbind& vb) override
    {
        if (i >= 0 && i < kCells) {
            Value& v = values[std::size_t(i)];
            v.present = !vb.hasNoValue();
            v.number = vb.syntax == snmp::Syntax::Counter64 ? vb.counter64 : quint64(quint32(vb.integer));
        }
        KtSNMPRequest::ValueFromVb(i, vb);
    }
};

// ---- poller -------------------------------------------------------------------------------------

TTrafficPoller::TTrafficPoller(int ifIndex, TTrafficSeries& series, QObject* parent)
    : QObject(parent), m_ifIndex(ifIndex), m_series(series), m_request(std::make_unique<TTrafficRequest>()),
      m_timer(new QTimer(this))
{
    // SNMPv1 has no Counter64: the 32-bit counters from the start.
    UseCounters(m_request->Params.security.version != 0);
    connect(m_timer, &QTimer::timeout, this, &TTrafficPoller::Poll);
}

TTrafficPoller::~TTrafficPoller()
{
    m_timer->stop();
    // Its destructor lets a reply on its way in and drops it: nothing calls back into us.
    m_request.reset();
}

void TTrafficPoller::UseCounters(bool highCapacity)
{
    m_highCapacity = highCapacity;
    m_request->VarList.Assign(CounterList(m_ifIndex, highCapacity));
}

void TTrafficPoller::Start(int intervalSeconds)
{
    m_intervalSeconds = intervalSeconds;
    m_timer->start(intervalSeconds * 1000);
    Poll();
}

void TTrafficPoller::Stop()
{
    m_timer->stop();
}

bool TTrafficPoller::Polling() const
{
    return m_timer->isActive();
}

bool TTrafficPoller::Outstanding() const
{
    return m_request->Pending > 0;
}

void TTrafficPoller::Poll()
{
    if (Outstanding()) {
        ++m_skipped;
        return;
    }
    m_request->Clear();
    try {
        m_request->GetAsync(&TTrafficPoller::Completed, this, true);
    } catch (const KtException& e) {
        // Nothing was sent (a bad address, no session): the same pause as a failed read.
        Failed(e.Message());
        emit Updated();
    }
}

void TTrafficPoller::Completed(void* context, const KtSNMPError& error, KtSNMPVarList&)
{
    auto* self = static_cast<TTrafficPoller*>(context);
    try {
        self->OnCompleted(error);
    } catch (const std::exception& e) {
        self->Failed(QString::fromUtf8(e.what()));
    }
}

void TTrafficPoller::OnCompleted(const KtSNMPError& error)
{
    ++m_reads;
    const auto& v = m_request->values;
    const bool countersMissing = m_highCapacity
        && ((error.code == KtErr::NoSuchName)
            || (error.code == 0 && !(v[InOctets].present && v[OutOctets].present && v[InPackets].present
                                     && v[OutPackets].present)));
    if (countersMissing) {
        // A switch without the 64-bit counters (noSuchObject/noSuchInstance, or noSuchName):
        // the 32-bit ones from now on, read at once.
        UseCounters(false);
        m_series.Pause();
        QTimer::singleShot(0, this, &TTrafficPoller::Poll);
        return;
    }
    if (error.code != 0) {
        Failed(error.message);
        emit Updated();
        return;
    }
    if (!(v[InOctets].present && v[OutOctets].present && v[InPackets].present && v[OutPackets].present)) {
        Failed(KtMessage(KtErr::NoSuchName));
        emit Updated();
        return;
    }
    TTrafficReading reading;
    reading.inOctets = v[InOctets].number;
    reading.outOctets = v[OutOctets].number;
    reading.inPackets = v[InPackets].number;
    reading.outPackets = v[OutPackets].number;
    if (v[UpTime].present)
        reading.upTime = quint32(v[UpTime].number);
    reading.width = m_highCapacity ? KtCounterRate::Width::Bits64 : KtCounterRate::Width::Bits32;
    m_series.Add(reading);
    m_paused = false;
    m_errorLine.clear();
    emit Updated();
}

void TTrafficPoller::Failed(const QString& message)
{
    m_paused = true;
    m_series.Pause();
    m_errorLine = StatusText(0, message, QString::fromLatin1(kListName));
}

// ---- plot ---------------------------------------------------------------------------------------

TTrafficPlot::TTrafficPlot(const TTrafficSeries& series, QWidget* parent) : QWidget(parent), m_series(series)
{
    setObjectName(QStringLiteral("TrafficPlot"));
    setMinimumSize(360, 180);
    setAutoFillBackground(false);
}

QRect TTrafficPlot::PlotArea() const
{
    // Room for the rate labels on the left, the legend above, the time labels below, measured
    // in the plot's font (a large font or a scaled screen must not cut "-10 min" or a rate).
    const QFontMetrics fm(font());
    const int left = std::max(78, fm.horizontalAdvance(QStringLiteral("999.9 Mbit/s")) + 10);
    const int right = std::max(14, fm.horizontalAdvance(QStringLiteral("now")) / 2 + 6);
    const int top = std::max(24, fm.height() + 10);
    const int bottom = std::max(26, fm.height() + 8);
    return QRect(QPoint(left, top), QPoint(width() - right, height() - bottom));
}

void TTrafficPlot::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    const QRect area = PlotArea();
    if (area.width() < 10 || area.height() < 10)
        return;
    const std::deque<TTrafficSample> samples = m_series.Samples();
    double peak = 0;
    for (const TTrafficSample& s : samples)
        peak = std::max({peak, s.inBits, s.outBits});
    const double top = NiceAxisTop(peak);
    const qint64 now = m_series.Now();
    const QFontMetrics fm(font());

    // Grid and rate labels: five steps up to the axis top.
    p.setPen(QColor(225, 225, 225));
    for (int k = 0; k <= 4; ++k) {
        const int y = area.bottom() - area.height() * k / 4;
        p.drawLine(area.left(), y, area.right(), y);
    }
    // The time axis: a mark every two minutes of the last ten.
    for (int m = 0; m <= 10; m += 2) {
        const int x = area.right() - area.width() * m / 10;
        p.drawLine(x, area.top(), x, area.bottom());
    }
    p.setPen(Qt::black);
    for (int k = 0; k <= 4; ++k) {
        const int y = area.bottom() - area.height() * k / 4;
        const QString label = FormatBitRate(top * k / 4);
        p.drawText(QRect(0, y - fm.height() / 2, area.left() - 6, fm.height()), Qt::AlignRight | Qt::AlignVCenter,
                   label);
    }
    for (int m = 0; m <= 10; m += 2) {
        const int x = area.right() - area.width() * m / 10;
        const QString label = m == 0 ? QStringLiteral("now") : QStringLiteral("-%1 min").arg(m);
        const int half = fm.horizontalAdvance(label) / 2 + 2;
        p.drawText(QRect(x - half, area.bottom() + 4, 2 * half, fm.height()), Qt::AlignHCenter | Qt::AlignTop, label);
    }
    p.drawRect(area);

    // The lines: one point per sample, broken where the series has a gap.
    auto point = [&](const TTrafficSample& s, double value) {
        const double age = double(now - s.atMs) / double(TTrafficSeries::kWindowMs);
        const double x = area.right() - age * area.width();
        const double y = area.bottom() - std::min(value / top, 1.0) * area.height();
        return QPointF(x, y);
    };
    for (const auto& [colour, in] : {std::pair{kInColour, true}, std::pair{kOutColour, false}}) {
        p.setPen(QPen(colour, 2));
        const TTrafficSample* previous = nullptr;
        for (const TTrafficSample& s : samples) {
            const double value = in ? s.inBits : s.outBits;
            if (previous && !s.afterGap)
                p.drawLine(point(*previous, in ? previous->inBits : previous->outBits), point(s, value));
            else
                p.drawPoint(point(s, value));
            previous = &s;
        }
    }

    // Legend above the plot.
    int x = area.left();
    for (const auto& [colour, text] : {std::pair{kInColour, QStringLiteral("In")}, std::pair{kOutColour, QStringLiteral("Out")}}) {
        p.fillRect(QRect(x, 8, 18, 4), colour);
        p.setPen(Qt::black);
        p.drawText(QPoint(x + 22, 8 + fm.ascent() / 2 + 2), text);
        x += 22 + fm.horizontalAdvance(text) + 16;
    }
    p.drawText(QRect(area.right() - 200, 0, 200, area.top() - 4), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("bit/s"));
}

// ---- window -------------------------------------------------------------------------------------

QString TTrafficGraphForm::Caption(int port, const QString& deviceAddress)
{
    return KtWindowTitle(QStringLiteral("Traffic Graph"), deviceAddress) + QStringLiteral(" / Port ") + QString::number(port);
}

TTrafficGraphForm::TTrafficGraphForm(int port, const QString& deviceAddress, QWidget* parent,
                                     TTrafficSeries::Clock clock, bool poll)
    : QWidget(parent, Qt::Window), m_port(port), m_deviceAddress(deviceAddress),
      m_series(clock ? std::move(clock) : TTrafficSeries::Clock([this] { return m_elapsed.elapsed(); })),
      m_poller(new TTrafficPoller(port, m_series, this)), m_plot(new TTrafficPlot(m_series, this)),
      m_interval(new QComboBox(this)), m_status(new QLabel(this))
{
    m_elapsed.start();
    setObjectName(QStringLiteral("TrafficGraphForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(Caption(port, deviceAddress));
    KtSetUpForm(this);  // Ctrl+W closes it

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_plot, 1);

    auto* numbers = new QGridLayout;
    static constexpr const char* kColumns[3] = {"Current", "Average", "Peak"};
    static constexpr const char* kRows[2] = {"In", "Out"};
    static constexpr const char* kNames[2][3] = {{"InCurrent", "InAverage", "InPeak"},
                                                 {"OutCurrent", "OutAverage", "OutPeak"}};
    for (int c = 0; c < 3; ++c)
        numbers->addWidget(new QLabel(QString::fromLatin1(kColumns[c]), this), 0, c + 1);
    for (int r = 0; r < 2; ++r) {
        auto* caption = new QLabel(QString::fromLatin1(kRows[r]), this);
        QPalette palette = caption->palette();
        // The plot's colours, lighter on a dark window where they would hardly show.
        const QColor colour = r == 0 ? TTrafficPlot::kInColour : TTrafficPlot::kOutColour;
        palette.setColor(QPalette::WindowText,
                         palette.color(QPalette::Window).lightnessF() < 0.5 ? colour.lighter(170) : colour);
        caption->setPalette(palette);
        numbers->addWidget(caption, r + 1, 0);
        for (int c = 0; c < 3; ++c) {
            m_stats[r][c] = new QLabel(this);
            m_stats[r][c]->setObjectName(QString::fromLatin1(kNames[r][c]));
            m_stats[r][c]->setMinimumWidth(170);
            numbers->addWidget(m_stats[r][c], r + 1, c + 1);
        }
    }
    layout->addLayout(numbers);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(new QLabel(QStringLiteral("Interval:"), this));
    m_interval->setObjectName(QStringLiteral("IntervalCombo"));
    for (int seconds : TTrafficSeries::kIntervals)
        m_interval->addItem(QStringLiteral("%1 s").arg(seconds), seconds);
    m_interval->setCurrentIndex(m_interval->findData(kDefaultInterval));
    bottom->addWidget(m_interval);
    m_status->setObjectName(QStringLiteral("StatusLine"));
    m_status->setFrameShape(QFrame::StyledPanel);
    m_status->setFrameShadow(QFrame::Sunken);
    bottom->addWidget(m_status, 1);
    layout->addLayout(bottom);

    connect(m_interval, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0 && m_poller->Polling())
            m_poller->Start(m_interval->itemData(index).toInt());
    });
    connect(m_poller, &TTrafficPoller::Updated, this, &TTrafficGraphForm::Refresh);
    Refresh();
    if (poll)
        m_poller->Start(kDefaultInterval);
}

TTrafficGraphForm::~TTrafficGraphForm()
{
    // Before the series goes: the poller feeds it, and its request lets events in (a repaint
    // of the plot among them) while a reply is still on its way.
    delete m_poller;
    m_poller = nullptr;
}

void TTrafficGraphForm::Refresh()
{
    using M = TTrafficSeries::Measure;
    const bool none = !m_series.Latest();
    for (int r = 0; r < 2; ++r) {
        const TTrafficStats bits = m_series.Stats(r == 0 ? M::InBits : M::OutBits);
        const TTrafficStats packets = m_series.Stats(r == 0 ? M::InPackets : M::OutPackets);
        const double b[3] = {bits.current, bits.average, bits.peak};
        const double k[3] = {packets.current, packets.average, packets.peak};
        for (int c = 0; c < 3; ++c) {
            // A paused graph has no current rate.
            const bool blank = none || (c == 0 && m_poller->Paused());
            m_stats[r][c]->setText(blank ? QStringLiteral("-")
                                         : FormatBitRate(b[c]) + QStringLiteral(", ") + FormatPacketRate(k[c]));
        }
    }
    if (m_poller->Paused())
        m_status->setText(QStringLiteral("Paused: ") + m_poller->ErrorLine());
    else if (m_poller->Reads() == 0)
        m_status->setText(QStringLiteral("Reading..."));
    else
        m_status->setText(QStringLiteral("Polling every %1 s (%2 counters)")
                              .arg(m_poller->IntervalSeconds())
                              .arg(m_poller->HighCapacity() ? QStringLiteral("64-bit") : QStringLiteral("32-bit")));
    m_plot->update();
}

// ---- popup command ------------------------------------------------------------------------------

TTrafficGraphForm* OpenTrafficGraph(TPanelHost& host, const QString& deviceAddress)
{
    QToolButton* source = host.PopupSource();
    if (!source)
        return nullptr;
    // The instance text is port, dot, medium; the port number is the interface's index.
    const QString instance = source->toolTip();
    bool ok = false;
    const int port = instance.section(u'.', 0, 0).toInt(&ok);
    if (!ok || port <= 0)
        return nullptr;
    QWidget* owner = source->window();
    for (TTrafficGraphForm* form : owner->findChildren<TTrafficGraphForm*>())
        if (form->Port() == port && form->DeviceAddress() == deviceAddress) {
            form->showNormal();
            form->raise();
            form->activateWindow();
            return form;
        }
    auto* form = new TTrafficGraphForm(port, deviceAddress, owner);
    form->show();
    return form;
}
