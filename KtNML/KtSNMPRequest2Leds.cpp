#include "KtNML/KtSNMPRequest2Leds.h"

#include "KtNML/KtOptionList.h"
#include "KtNML/KtSNMPError.h"
#include "KtNML/KtSupport.h"
#include "KtNML/KtValueCodec.h"

#include <QFrame>
#include <QPainter>

#include <algorithm>

QColor KtLedQColor(KtLedColour colour)
{
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

// ---- colour maps ----------------------------------------------------------------------------

KtSNMPLedColorMapList::KtSNMPLedColorMapList(const KtLedColourPair* table, std::uint8_t mask, std::uint8_t blinkMask,
                                             KtLedColour offColour, std::int32_t absentColour)
    : Mask(mask), BlinkMask(blinkMask), OffColour(offColour), AbsentColour(absentColour)
{
    for (const KtLedColourPair* p = table; p && p->colour != -1; ++p)
        m_entries.push_back({p->key, KtLedColour(p->colour)});
}

KtLedColour KtSNMPLedColorMapList::ColourOf(std::uint8_t key) const
{
    for (const Entry& e : m_entries)
        if (std::uint8_t(e.key & 0xFF) == key)
            return e.colour;
    return 0;
}

namespace {
constexpr std::int32_t kBlack = 0, kWhite = 0xFFFFFF, kGreen = 0x00FF00, kBlue = 0xFF0000, kRed = 0x0000FF,
                       kOrange = 0x4080FF;
constexpr KtLedColourPair kFirst[] = {{1, kWhite}, {1, kWhite}, {2, kGreen}, {3, kGreen}, {4, kBlue}, {5, kRed}, {0, -1}};
constexpr KtLedColourPair kSecond[] = {{0, kBlack}, {1, kOrange}, {2, kOrange}, {3, kGreen}, {4, kGreen}, {5, kRed}, {0, -1}};
constexpr KtLedColourPair kThird[] = {{0, kOrange}, {1, kGreen}, {2, kGreen}, {3, kGreen}, {4, kGreen}, {5, kRed}, {0, -1}};
} // namespace

const KtSNMPLedColorMapList& KtLedMapFirst()
{
    static const KtSNMPLedColorMapList map(kFirst, 7, 0x80, 0, 0);
    return map;
}
const KtSNMPLedColorMapList& KtLedMapSecond()
{
    static const KtSNMPLedColorMapList map(kSecond, 7, 0x80, 0, 0);
    return map;
}
const KtSNMPLedColorMapList& KtLedMapThird()
{
    static const KtSNMPLedColorMapList map(kThird, 7, 0x80, 0, 0);
    return map;
}

// ---- shapes ---------------------------------------------------------------------------------

KtLedShape::KtLedShape(Kind kind, QWidget* parent) : QWidget(parent), m_kind(kind)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void KtLedShape::SetColour(KtLedColour colour)
{
    if (colour == m_colour)
        return;
    m_colour = colour;
    update();
}

void KtLedShape::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QColor c = KtLedQColor(m_colour);
    p.setPen(c);
    p.setBrush(c);
    const QRect r = rect().adjusted(0, 0, -1, -1);
    switch (m_kind) {
    case Circle:
    case Ellipse: p.setRenderHint(QPainter::Antialiasing); p.drawEllipse(r); break;
    case RoundRect: p.drawRoundedRect(r, 2, 2); break;
    default: p.drawRect(r); break;
    }
}

// ---- the binding ----------------------------------------------------------------------------

KtSNMPRequest2Leds::KtSNMPRequest2Leds(QWidget* owner, std::unique_ptr<KtSNMPRequest> request)
    : KtSNMPRequest2Controls(owner, std::move(request)), m_pollTimer(new QTimer(this)), m_paintTimer(new QTimer(this))
{
    connect(m_pollTimer, &QTimer::timeout, this, &KtSNMPRequest2Leds::Poll);
    // The blink timer runs only while an LED flashes: an idle window does not wake up for it.
    m_paintTimer->setInterval(60);
    connect(m_paintTimer, &QTimer::timeout, this, &KtSNMPRequest2Leds::PaintLeds);
}

KtSNMPRequest2Leds::~KtSNMPRequest2Leds()
{
    StopPolling();
}

void KtSNMPRequest2Leds::AddLed(int i, int byteIndex, const KtSNMPLedColorMapList& map, KtLedShape* shape)
{
    auto led = std::make_unique<KtLedRecord>();
    led->Index = i;
    led->ByteIndex = byteIndex;
    led->Map = &map;
    led->Shape = shape;
    led->Colour = map.OffColour;
    if (shape) {
        shape->SetColour(led->Colour);
        shape->show();
    }
    m_leds.push_back(std::move(led));
}

void KtSNMPRequest2Leds::CreateLeds(int i, const QString& byteList, const KtSNMPLedColorMapList& map, QWidget* panel,
                                    int left, int gap, KtLedShape::Kind kind, int width, int height)
{
    KtNumList<int> bytes;
    bytes.SetDelimiter(u',');
    bytes.Parse(byteList);
    for (int k = 0; k < bytes.Count(); ++k) {
        auto* shape = new KtLedShape(kind, panel);
        shape->setGeometry(left + k * (gap + width), 1, width, height);
        shape->setVisible(true);
        AddLed(i, bytes.Item(k), map, shape);
    }
    if (auto* frame = qobject_cast<QFrame*>(panel))
        frame->setFrameShape(QFrame::NoFrame);
}

void KtSNMPRequest2Leds::SetLedMode(int mode, int threshold)
{
    m_mode = mode > 0 ? mode : 1;
    m_threshold = threshold > 0 ? threshold : 4;
}

void KtSNMPRequest2Leds::StartPolling(int interval)
{
    m_pollTimer->setInterval(interval * 10);
    m_pollTimer->start();
    try {
        Get();
    } catch (...) {
        ResetLeds();
        throw;
    }
}

void KtSNMPRequest2Leds::StopPolling()
{
    m_pollTimer->stop();
    m_paintTimer->stop();
    ResetLeds();
}

void KtSNMPRequest2Leds::Poll()
{
    // A poll still waiting for its reply (a slow or silent switch) is left to finish: a second
    // read on the same request would overwrite the list the first one fills.
    if (Busy())
        return;
    try {
        Get();
    } catch (const KtException& e) {
        // A value of the wrong type tells nothing about the ports: they keep what they show.
        if (e.Code() != KtErr::UnexpectedType)
            ResetLeds();
        ShowStatus(e.Message());
    }
}

void KtSNMPRequest2Leds::ResetLeds()
{
    for (auto& led : m_leds) {
        led->Blinking = false;
        led->Colour = led->Map->OffColour;
        if (led->Shape) {
            led->Shape->SetColour(led->Colour);
            led->Shape->show();
        }
    }
}

void KtSNMPRequest2Leds::ShowRow()
{
    // The read fails with the variable's name; the LEDs keep their last state meanwhile.
    if (Request().HasUnexpectedType())
        return;
    m_blinkCount = 0;
    for (auto& led : m_leds)
        ComputeLed(*led);
    PaintLeds();
    if (std::any_of(m_leds.begin(), m_leds.end(), [](const auto& led) { return led->Blinking; })
        && !m_paintTimer->isActive())
        m_paintTimer->start();
}

void KtSNMPRequest2Leds::OnGetError(const KtSNMPError& error)
{
    if (error.code != KtErr::UnexpectedType)
        ResetLeds();
    ShowStatus(error.message);
}

void KtSNMPRequest2Leds::ComputeLed(KtLedRecord& led)
{
    if (led.Index < 0 || led.Index >= VarList().Count())
        KtRaise(KtErr::PartialOutOfRange);
    const KtSNMPVar& var = VarList().Item(led.Index);
    const QString text = var.Options ? var.Options->TextToValue(var.Value) : var.Value;
    const QByteArray bytes = TextToBytes(text, var.Syntax);
    const int n = int(bytes.size());
    const int k = led.ByteIndex;
    const KtSNMPLedColorMapList& map = *led.Map;
    const auto absent = [&] {
        if (map.AbsentColour == -1)
            KtRaise(KtErr::PartialOutOfRange);
        led.Colour = KtLedColour(map.AbsentColour);
        led.Blinking = false;
    };
    if (k < 0 || k >= n) {
        absent();
        return;
    }
    const auto s = std::uint8_t(bytes[k]);
    if (m_mode == 1 || (m_mode == 2 && k < m_threshold)) {
        led.Colour = map.ColourOf(s & map.Mask);
        led.Blinking = (s & map.BlinkMask) != 0;
    } else if (m_mode == 2) {
        if (s == 1) {
            led.Blinking = false;
            led.Colour = map.AbsentColour == -1 ? map.OffColour : KtLedColour(map.AbsentColour);
        } else if (k + 1 >= n) {
            // A status byte in the last position has no colour byte behind it.
            absent();
        } else {
            led.Blinking = (s & map.BlinkMask) != 0;
            led.Colour = map.ColourOf(std::uint8_t(bytes[k + 1]) & map.Mask);
        }
    }
}

void KtSNMPRequest2Leds::PaintLeds()
{
    bool anyBlinking = false;
    for (auto& led : m_leds) {
        KtLedColour paint = led->Colour;
        if (led->Blinking) {
            anyBlinking = true;
            const bool showsOff = led->Shape && led->Shape->Colour() == led->Map->OffColour;
            if (!showsOff && m_blinkCount <= BlinkLimit)
                paint = led->Map->OffColour;
        }
        if (led->Shape) {
            led->Shape->SetColour(paint);
            led->Shape->show();
        }
    }
    if (anyBlinking)
        ++m_blinkCount;
    // Once the flashing LEDs have been painted lit after the last flash, nothing changes until
    // the next read.
    if (!anyBlinking || m_blinkCount > BlinkLimit + 1)
        m_paintTimer->stop();
}
