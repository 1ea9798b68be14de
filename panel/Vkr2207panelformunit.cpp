#include "panel/Vkr2207panelformunit.h"

#include "KtNML/KtOptionList.h"
#include "KtNML/KtSNMPError.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QImageReader>
#include <QLabel>
#include <QPixmap>
#include <QToolButton>

namespace {

constexpr KtOptionPair kLinkPairs[] = {{1, "other"}, {2, "link-pass"}, {3, "link-fail"}, {}};
const KtOptionList olLinkStatus(kLinkPairs);

const KtSNMPVarDef kLedVar[] = {
    {"1.3.6.1.4.1.32473.11.101.1.2.1.1.4", "Management Front Panel Led Status", KtSyn::OctetStr, KtAcc::ReadOnly},
    {},
};
const KtSNMPVarDef kComboVar[] = {
    {"1.3.6.1.4.1.32473.11.101.1.2.3.1.1.5", "Port Info Link Status", KtSyn::Integer, KtAcc::ReadOnly, &olLinkStatus},
    {},
};

struct ButtonPlace {
    int x, y, w, h;
    bool sfp;
};
constexpr ButtonPlace kButtons[12] = {
    {345, 27, 31, 23, false}, {347, 53, 28, 23, false}, {377, 27, 27, 24, false}, {376, 54, 27, 22, false},
    {406, 27, 26, 23, false}, {405, 54, 26, 22, false}, {433, 27, 26, 23, false}, {433, 52, 26, 24, false},
    {518, 60, 28, 17, true},  {567, 54, 26, 24, false}, {662, 60, 27, 17, true},  {708, 52, 26, 24, false},
};

struct LedPanelPlace {
    const char* name;
    int x, y, w, h;
};
constexpr LedPanelPlace kLedPanels[] = {
    {"PowerLedPanel", 177, 73, 9, 8}, {"ConsoleLedPanel", 177, 51, 9, 9}, {"Port1LedPanel", 257, 57, 7, 7},
    {"Port2LedPanel", 257, 72, 7, 7}, {"Port3LedPanel", 273, 57, 7, 7},   {"Port4LedPanel", 273, 72, 7, 7},
    {"Port5LedPanel", 289, 56, 7, 7}, {"Port6LedPanel", 289, 71, 7, 7},   {"Port7LedPanel", 305, 57, 7, 7},
    {"Port8LedPanel", 305, 72, 7, 7}, {"Port9LedPanel", 484, 55, 7, 7},   {"Port10LedPanel", 484, 70, 7, 7},
    {"Port11LedPanel", 626, 57, 7, 7}, {"Port12LedPanel", 626, 70, 7, 7},
};

QPixmap loadArt(const QString& path)
{
    // The front picture is a JPEG: read through Qt's JPEG plugin (libjpeg).
    QImageReader reader(path);
    return QPixmap::fromImage(reader.read());
}

void paintBlack(QFrame* panel)
{
    QPalette pal = panel->palette();
    pal.setColor(QPalette::Window, Qt::black);
    panel->setPalette(pal);
    panel->setAutoFillBackground(true);
}

} // namespace

const KtSNMPVarDef* TVKR2207PanelForm::LedVariable()
{
    return kLedVar;
}
const KtSNMPVarDef* TVKR2207PanelForm::ComboStateVariable()
{
    return kComboVar;
}

TVKR2207PanelForm::TVKR2207PanelForm(QWidget* owner) : QWidget(owner, Qt::FramelessWindowHint)
{
    Q_INIT_RESOURCE(panelart);
    setObjectName(QStringLiteral("VKR2207PanelForm"));
    setWindowTitle(QStringLiteral("VKR2207"));
    setAttribute(Qt::WA_DeleteOnClose);  // a closed panel is freed
    setFixedSize(765, 97);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, 765, 97);
    Image1->setScaledContents(true);
    Image1->setPixmap(loadArt(QStringLiteral(":/panel/front.jpg")));

    const QIcon rj45(loadArt(QStringLiteral(":/panel/rj45.png")));
    const QIcon sfp(loadArt(QStringLiteral(":/panel/sfp.png")));
    for (int n = 0; n < 12; ++n) {
        const ButtonPlace& b = kButtons[n];
        auto* button = new QToolButton(this);
        button->setObjectName(QStringLiteral("SpeedButton%1").arg(n + 1));
        button->setGeometry(b.x, b.y, b.w, b.h);
        button->setCheckable(true);
        button->setAutoRaise(true);
        button->setIcon(b.sfp ? sfp : rj45);
        button->setIconSize(QSize(b.w - 2, b.h - 2));
        m_buttons[std::size_t(n)] = button;
    }

    for (const LedPanelPlace& p : kLedPanels) {
        auto* panel = new QFrame(this);
        panel->setObjectName(QString::fromLatin1(p.name));
        panel->setGeometry(p.x, p.y, p.w, p.h);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Raised);
    }

    ST_ComboPortLinkStatus = new QLabel(this);
    ST_ComboPortLinkStatus->setObjectName(QStringLiteral("ST_ComboPortLinkStatus"));
    ST_ComboPortLinkStatus->hide();
}

TVKR2207PanelForm::~TVKR2207PanelForm()
{
    StopLeds();
}

QFrame* TVKR2207PanelForm::LedPanel(const QString& name) const
{
    return findChild<QFrame*>(name, Qt::FindDirectChildrenOnly);
}

void TVKR2207PanelForm::ReadComboState()
{
    const int u = UnitNumber;
    try {
        m_combo = std::make_unique<KtSNMPRequest2Edits>(this);
        m_combo->VarList().Assign(KtSNMPVarList(kComboVar, KtItem::MVT_SV, 0));
        m_combo->VarList().Suffix = QString::number(32 * u - 23) + QStringLiteral(".1");
        m_combo->Mode = 0;
        m_combo->Bind(0, ST_ComboPortLinkStatus);
        m_combo->Get();
        m_comboCopper[0] = ST_ComboPortLinkStatus->text() == QStringLiteral("link-pass");
        m_combo->VarList().Suffix = QString::number(32 * u - 22) + QStringLiteral(".1");
        m_combo->Get();
        m_comboCopper[1] = ST_ComboPortLinkStatus->text() == QStringLiteral("link-pass");
    } catch (...) {
        m_comboCopper = {false, false};
    }
}

void TVKR2207PanelForm::SetupLeds(QLabel* statusTarget)
{
    ReadComboState();
    try {
        m_leds = std::make_unique<KtSNMPRequest2Leds>(this);
        KtSNMPVarList list(kLedVar, KtItem::MVT_SV, 0);
        m_leds->VarList().Assign(list);
        m_leds->VarList().Suffix = QStringLiteral("0");
        m_leds->Request().Params.timeout = 300;
        m_leds->SetLedMode(2, 5);

        const auto& first = KtLedMapFirst();
        const auto& second = KtLedMapSecond();
        const auto make = [&](int byte, const char* panel, const KtSNMPLedColorMapList& map, int left, int gap,
                              int size) {
            m_leds->CreateLeds(0, QString::number(byte), map, LedPanel(QString::fromLatin1(panel)), left, gap,
                               KtLedShape::Rectangle, size, size);
        };
        make(2, "PowerLedPanel", first, 1, 10, 5);
        make(3, "ConsoleLedPanel", first, 1, 10, 5);
        for (int n = 1; n <= 8; ++n)
            m_leds->CreateLeds(0, QString::number(3 + 2 * n), second, LedPanel(QStringLiteral("Port%1LedPanel").arg(n)),
                               1, 6, KtLedShape::Rectangle, 5, 5);
        if (m_comboCopper[0]) {
            make(21, "Port10LedPanel", second, 0, 10, 7);
            paintBlack(LedPanel(QStringLiteral("Port9LedPanel")));
        } else {
            make(21, "Port9LedPanel", first, 1, 10, 6);
            paintBlack(LedPanel(QStringLiteral("Port10LedPanel")));
        }
        if (m_comboCopper[1]) {
            make(23, "Port12LedPanel", second, 0, 10, 7);
            paintBlack(LedPanel(QStringLiteral("Port11LedPanel")));
        } else {
            make(23, "Port11LedPanel", first, 0, 10, 7);
            paintBlack(LedPanel(QStringLiteral("Port12LedPanel")));
        }
        if (statusTarget)
            m_leds->SetStatusTarget(statusTarget);
        m_leds->VarList().Name = QStringLiteral(" Led Status");
        m_leds->StartPolling(500);
    } catch (...) {
        // The LEDs made so far stay, without polling if it had not started.
    }
}

void TVKR2207PanelForm::SetupButtons(QList<QToolButton*>& buttons)
{
    const int u = UnitNumber;
    for (int n = 1; n <= 8; ++n)
        PortButton(n)->setToolTip(QString::number(32 * u - 32 + n) + QStringLiteral(".1"));
    PortButton(9)->setToolTip(QString::number(32 * u - 23) + QStringLiteral(".2"));
    PortButton(10)->setToolTip(QString::number(32 * u - 23) + QStringLiteral(".1"));
    PortButton(11)->setToolTip(QString::number(32 * u - 22) + QStringLiteral(".2"));
    PortButton(12)->setToolTip(QString::number(32 * u - 22) + QStringLiteral(".1"));
    for (int n = 1; n <= 12; ++n)
        if (auto* b = findChild<QToolButton*>(QStringLiteral("SpeedButton%1").arg(n)))
            buttons.append(b);
}

void TVKR2207PanelForm::StopLeds()
{
    if (!m_leds)
        return;
    m_leds->StopPolling();
    m_leds->Request().Alive = false;
    // A poll in flight is dropped with the binding: its reply never reaches it.
    m_leds.reset();
}

void TVKR2207PanelForm::closeEvent(QCloseEvent* event)
{
    StopLeds();
    event->accept();
}
