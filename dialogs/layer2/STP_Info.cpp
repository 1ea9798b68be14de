#include "dialogs/layer2/STP_Info.h"

#include "dialogs/FormControls.h"

#include "KtNML/KtEditConstraint.h"
#include "dialogs/InputChecks.h"
#include "dialogs/ProgressForm.h"
#include "dialogs/tables/StpTables.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <optional>

namespace {

using namespace StpTables;

constexpr int kTimeout = 300;  // 3 s, in hundredths of a second
const QString kMstp = QStringLiteral("mstp");

struct Constrained {
    int column;
    const char* format;
};
constexpr Constrained kConstraints[] = {
    {kMaxAge, "%i{n600x4000l4a}"},   {kHelloTime, "%i{n100x200l3a}"}, {kForwardDelay, "%i{n400x3000l4a}"},
    {kMaxHops, "%i{n1x20l2a}"},      {kTxHoldCount, "%i{n1x10l2a}"},
};

using FormControls::Button;

QLineEdit* Edit(QWidget* parent, const char* name)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(QLatin1String(name));
    return e;
}

// A whole number as typed; nothing for any other text.
std::optional<qint64> Number(const QString& text)
{
    if (!InputChecks::IsWholeNumberIn(text, -999999999, 999999999))
        return std::nullopt;
    return text.toLongLong();
}

} // namespace

const KtDialogType TSTP_Info::Type = KtDialogType::Of<TSTP_Info>("Spanning Tree Information: ");

TSTP_Info::TSTP_Info(QWidget* owner, bool enlarge) : TDialogBase(owner, enlarge)
{
    setObjectName(QStringLiteral("STP_Info"));
    SetSynchronous(true);
    BuildControls();
    SetFormSize(420, 330);
    FormCreate();
}


void TSTP_Info::BuildControls()
{
    auto* outer = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    Combo_STPVersion = new QComboBox(this);
    Combo_STPVersion->setObjectName(QStringLiteral("Combo_STPVersion"));
    ET_AgingTime = Edit(this, "ET_AgingTime");
    ET_HelloTime = Edit(this, "ET_HelloTime");
    ET_ForwardDelay = Edit(this, "ET_ForwardDelay");
    ET_Priority = Edit(this, "ET_Priority");
    ED_TxHoldCount = Edit(this, "ED_TxHoldCount");
    Combo_BPDU = new QComboBox(this);
    Combo_BPDU->setObjectName(QStringLiteral("Combo_BPDU"));
    const std::pair<const char*, QWidget*> rows[] = {
        {"STP Version", Combo_STPVersion},       {"Max Age (600-4000)", ET_AgingTime},
        {"Hello Time(100-200)", ET_HelloTime},   {"Forward Delay(400-3000)", ET_ForwardDelay},
        {"Max Hops[1-20]", ET_Priority},         {"TX Hold Count (1-10)", ED_TxHoldCount},
        {"Forwarding BPDU", Combo_BPDU},
    };
    int row = 0;
    for (const auto& [label, control] : rows) {
        grid->addWidget(new QLabel(QLatin1String(label), this), row, 0);
        grid->addWidget(control, row, 1);
        ++row;
    }
    outer->addLayout(grid);
    outer->addWidget(new QLabel(QStringLiteral("Max Age>= 2*(Hello Time + 100)"), this));
    outer->addWidget(new QLabel(QStringLiteral("Notes : 2*(Forward Delay - 100) >= Max Age"), this));

    ListView1 = new QTreeWidget(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->hide();
    lbstpversion = new QLabel(this);
    lbstpversion->setObjectName(QStringLiteral("lbstpversion"));
    lbstpversion->hide();
    lbMSTPState = new QLabel(this);
    lbMSTPState->setObjectName(QStringLiteral("lbMSTPState"));
    lbMSTPState->hide();

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    BT_Get = Button(this, "BT_Get", "Refresh");
    BT_Set = Button(this, "BT_Set", "Set");
    buttons->addWidget(BT_Get);
    buttons->addWidget(BT_Set);
    outer->addLayout(buttons);

    StatusBar1 = FormControls::PanelStatusBar(this, outer, "StatusBar1", StatusPanel, "StatusPanel");

    connect(BT_Get, &QPushButton::clicked, this, [this] { BT_GetClick(); });
    connect(BT_Set, &QPushButton::clicked, this, [this] { BT_SetClick(); });
}

void TSTP_Info::FormCreate()
{
    m_bridge = &AddRequest(kBridgeSettings, KtItem::SVT_SV, 0, QStringLiteral("stpBridgeSettings"));
    m_mstp = &AddRequest(kMstpSettings, KtItem::SVT_SV, 0, QStringLiteral("stpMstpSettings"));
    m_version = &AddRequest(kVersion, KtItem::SVT_SV, 0, QStringLiteral("stpVersion"));
    m_state = &AddRequest(kAlgorithm, KtItem::SVT_SV, 0, QStringLiteral("stpAlgorithm"));
    for (KtSNMPRequest2Edits* request : {m_bridge, m_mstp, m_version, m_state}) {
        request->Mode = 0;
        request->SetStatusTarget(StatusPanel);
    }
    m_bridge->Request().Params.timeout = kTimeout;
    m_mstp->Request().Params.timeout = kTimeout;
    try {
        m_bridge->BindDropDown(kVersionColumn, Combo_STPVersion);
        for (const Constrained& c : kConstraints) {
            QLineEdit* edit = c.column == kMaxAge        ? ET_AgingTime
                              : c.column == kHelloTime    ? ET_HelloTime
                              : c.column == kForwardDelay ? ET_ForwardDelay
                              : c.column == kMaxHops      ? ET_Priority
                                                          : ED_TxHoldCount;
            m_bridge->BindFormatted(c.column, QLatin1String(c.format), {edit});
        }
        m_bridge->BindDropDown(kForwardBpdu, Combo_BPDU);
        m_mstp->BindListView(ListView1, false);
        m_version->Bind(0, lbstpversion);
        m_state->Bind(0, lbMSTPState);
    } catch (const KtException& e) {
        StatusPanel->setText(e.Message());
        return;
    }
    connect(Combo_STPVersion, &QComboBox::currentTextChanged, this,
            [this](const QString& text) { ApplyHelloRule(text == kMstp); });

    for (KtSNMPRequest2Edits* request : {m_mstp, m_version, m_state, m_bridge})
        Read(request);
    ApplyHelloRule(lbstpversion->text() == kMstp);
}

void TSTP_Info::Read(KtSNMPRequest2Edits* request)
{
    try {
        request->Request().Alive = true;
        request->Get();
    } catch (const KtException& e) {
        request->ShowStatus(0, e.Message());
        return;
    }
    // The main window's version follows what the switch says it runs.
    if (request == m_bridge)
        KeepMainWindowVersion(Combo_STPVersion->currentText());
    else if (request == m_version)
        KeepMainWindowVersion(lbstpversion->text());
}

void TSTP_Info::ApplyHelloRule(bool mstp)
{
    ET_HelloTime->setEnabled(!mstp);
    QPalette colours = palette();
    if (mstp)
        colours.setColor(QPalette::Base, colours.color(QPalette::Button));
    ET_HelloTime->setPalette(colours);
    ET_HelloTime->setText(mstp ? QString() : kShownHelloTime);
}

void TSTP_Info::BT_GetClick()
{
    Read(m_bridge);
    if (Combo_STPVersion->currentText() == kMstp) {
        Read(m_state);
        Read(m_mstp);
        ApplyHelloRule(true);
    } else {
        Read(m_mstp);
        Read(m_version);
        ApplyHelloRule(false);
    }
}

QString TSTP_Info::CheckTimers(const Timers& typed, bool mstp)
{
    if (typed.maxHops.isEmpty() || typed.maxAge.isEmpty() || typed.forwardDelay.isEmpty()
        || typed.txHoldCount.isEmpty())
        return kEmptyFields;
    const auto maxAge = Number(typed.maxAge);
    const auto forwardDelay = Number(typed.forwardDelay);
    const auto maxHops = Number(typed.maxHops);
    if (!maxAge || !forwardDelay || !maxHops || !Number(typed.txHoldCount))
        return kDataError;
    if (2 * (*forwardDelay - 100) < *maxAge)
        return kDataError;
    if (*maxHops > 65535)
        return kBadPriority;
    if (!mstp) {
        if (typed.helloTime.isEmpty())
            return kEmptyFields;
        const auto helloTime = Number(typed.helloTime);
        if (!helloTime || *maxAge < 2 * (*helloTime + 100))
            return kDataError;
    }
    return QString();
}

bool TSTP_Info::Check()
{
    const bool mstp = Combo_STPVersion->currentText() == kMstp;
    const QString failed = CheckTimers({ET_AgingTime->text(), ET_HelloTime->text(), ET_ForwardDelay->text(),
                                        ET_Priority->text(), ED_TxHoldCount->text()},
                                       mstp);
    if (!failed.isEmpty()) {
        StatusPanel->setText(failed);
        return false;
    }
    // Then the ranges of the fields that go out: the relations alone let 9999 through.
    for (const Constrained& c : kConstraints) {
        if (mstp && c.column == kHelloTime)
            continue;
        const QLineEdit* edit = c.column == kMaxAge        ? ET_AgingTime
                                : c.column == kHelloTime    ? ET_HelloTime
                                : c.column == kForwardDelay ? ET_ForwardDelay
                                : c.column == kMaxHops      ? ET_Priority
                                                            : ED_TxHoldCount;
        const KtLeaveCheck check = CheckOnLeaving(ParseEditFormat(QLatin1String(c.format)), edit->text());
        if (check.result == KtLeaveCheck::Failed) {
            StatusPanel->setText(check.message);
            return false;
        }
    }
    return true;
}

QLabel* TSTP_Info::MainWindowVersionLabel() const
{
    const QWidget* owner = parentWidget();
    return owner ? owner->findChild<QLabel*>(QStringLiteral("ST_STPVersion")) : nullptr;
}

QString TSTP_Info::MainWindowVersion() const
{
    const QLabel* label = MainWindowVersionLabel();
    return label ? label->text() : QString();
}

void TSTP_Info::KeepMainWindowVersion(const QString& version)
{
    if (QLabel* label = MainWindowVersionLabel(); label && !version.isEmpty())
        label->setText(version);
}

void TSTP_Info::BT_SetClick()
{
    if (!Check())
        return;
    const QString chosen = Combo_STPVersion->currentText();
    try {
        m_bridge->Request().Alive = true;
        if (chosen == kMstp) {
            // The six bridge-wide MSTP variables from the controls; a combo box left without a
            // choice stays out of the write.
            SendColumns(*m_bridge, {kVersionColumn, kMaxAge, kForwardDelay, kMaxHops, kTxHoldCount, kForwardBpdu});
        } else {
            m_bridge->Set(false, true);
        }
    } catch (const KtException& e) {
        m_bridge->ShowStatus(1, e.Message());
        return;
    }
    if (chosen != MainWindowVersion() && lbMSTPState->text() == QLatin1String("enabled")) {
        TProgressForm2 progress(this);
        progress.setWindowTitle(kProgressCaption);
        progress.SetPrompt(kProgressPrompt);
        progress.ShowModal();
    }
    lbstpversion->setText(chosen);
    // The switch runs the chosen version now: a second Set of it waits for nothing.
    KeepMainWindowVersion(chosen);
}
