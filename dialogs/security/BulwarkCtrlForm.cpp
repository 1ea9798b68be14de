#include "dialogs/security/BulwarkCtrlForm.h"
#include "dialogs/tables/SecurityTables.h"

#include "dialogs/FormControls.h"

#include "KtNML/KtOptionList.h"
#include "dialogs/InputChecks.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

namespace {

using namespace SecurityTables::Bulwark;

constexpr int kRising = 0, kFalling = 1, kMode = 2, kAlarm = 3, kCurrent = 4;

using FormControls::Button;

} // namespace

const KtDialogType TBulwarkCtrlForm::Type = KtDialogType::Of<TBulwarkCtrlForm>("Bulwark Control: ");

TBulwarkCtrlForm::TBulwarkCtrlForm(QWidget* owner, bool enlarge) : TDialogBase(owner, enlarge)
{
    setObjectName(QStringLiteral("BulwarkCtrlForm"));
    SetSynchronous(true);
    BuildControls();
    SetFormSize(360, 260);
    FormCreate();
}


void TBulwarkCtrlForm::BuildControls()
{
    auto* outer = new QVBoxLayout(this);
    auto* fields = new QGridLayout;
    int row = 0;
    const auto addRow = [&](const char* label, QWidget* control, QCheckBox* tick) {
        fields->addWidget(new QLabel(QString::fromLatin1(label), this), row, 0);
        fields->addWidget(control, row, 1);
        if (tick)
            fields->addWidget(tick, row, 2);
        ++row;
    };
    const auto tickBox = [this](const char* name) {
        auto* box = new QCheckBox(this);
        box->setObjectName(QLatin1String(name));
        return box;
    };
    const auto edit = [this](const char* name) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QLatin1String(name));
        return e;
    };
    const auto combo = [this](const char* name) {
        auto* c = new QComboBox(this);
        c->setObjectName(QLatin1String(name));
        return c;
    };
    edtRising = edit("edtRising");
    edtFalling = edit("edtFalling");
    cbxMode = combo("cbxMode");
    cbxAlarm = combo("cbxAlarm");
    cbxCurrentState = combo("cbxCurrentState");
    cbxCurrentState->setEnabled(false);
    ckRising = tickBox("ckRising");
    ckFalling = tickBox("ckFalling");
    ckMode = tickBox("ckMode");
    ckAlarm = tickBox("ckAlarm");
    addRow("Rising Threshold", edtRising, ckRising);
    addRow("Falling Threshold", edtFalling, ckFalling);
    addRow("Mode", cbxMode, ckMode);
    addRow("Alarm State", cbxAlarm, ckAlarm);
    addRow("Current State", cbxCurrentState, nullptr);
    outer->addLayout(fields);

    lbFalling = new QLabel(this);
    lbFalling->setObjectName(QStringLiteral("lbFalling"));
    lbFalling->hide();

    auto* buttons = new QHBoxLayout;
    btnGet = Button(this, "btnGet", "Refresh");
    btnSet = Button(this, "btnSet", "Set");
    btnCheckAll = Button(this, "btnCheckAll", "Check All");
    btnClearCheck = Button(this, "btnClearCheck", "Clear Checks");
    btnClose = Button(this, "btnClose", "Close");
    for (QPushButton* b : {btnGet, btnSet, btnCheckAll, btnClearCheck, btnClose})
        buttons->addWidget(b);
    outer->addLayout(buttons);
    outer->addStretch();

    stbStatus = FormControls::PanelStatusBar(this, outer, "stbStatus", StatusPanel, "StatusPanel");

    connect(btnGet, &QPushButton::clicked, this, [this] { btnGetClick(); });
    connect(btnSet, &QPushButton::clicked, this, [this] { btnSetClick(); });
    connect(btnCheckAll, &QPushButton::clicked, this, [this] { btnCheckAllClick(); });
    connect(btnClearCheck, &QPushButton::clicked, this, [this] { btnClearCheckClick(); });
    connect(btnClose, &QPushButton::clicked, this, [this] { btnCloseClick(); });
    // Toggled, not clicked: Check All and Clear Checks move the boxes too.
    for (QCheckBox* tick : {ckRising, ckFalling, ckMode, ckAlarm})
        connect(tick, &QCheckBox::toggled, this, [this] { ChangeSetState(); });
}

void TBulwarkCtrlForm::FormCreate()
{
    btnSet->setEnabled(false);
    m_request = &AddRequest(kBulwark, KtItem::SVT_SV, 0, QStringLiteral("bulwarkControl"));
    try {
        m_request->BindFormatted(kRising, QStringLiteral("%i{n20x100l3}"), {edtRising});
        m_request->BindFormatted(kFalling, QStringLiteral("%i{n20x100l3}"), {edtFalling});
        m_request->BindDropDown(kMode, cbxMode);
        m_request->BindDropDown(kAlarm, cbxAlarm);
        m_request->BindDropDown(kCurrent, cbxCurrentState);
        m_request->SetStatusTarget(StatusPanel);
        m_request->Mode = 0;
    } catch (const KtException& e) {
        StatusPanel->setText(e.Message());
        return;
    }
    Read();
}

bool TBulwarkCtrlForm::Read()
{
    try {
        m_request->Request().Alive = true;
        m_request->Get();
    } catch (const KtException& e) {
        StatusPanel->setText(e.Message());
        return false;
    }
    lbFalling->setText(edtFalling->text());
    return true;
}

void TBulwarkCtrlForm::ChangeSetState()
{
    btnSet->setEnabled(ckRising->isChecked() || ckFalling->isChecked() || ckMode->isChecked()
                       || ckAlarm->isChecked());
}

void TBulwarkCtrlForm::btnCheckAllClick()
{
    for (QCheckBox* tick : {ckRising, ckFalling, ckMode, ckAlarm})
        tick->setChecked(true);
}

void TBulwarkCtrlForm::btnClearCheckClick()
{
    for (QCheckBox* tick : {ckRising, ckFalling, ckMode, ckAlarm})
        tick->setChecked(false);
}

void TBulwarkCtrlForm::btnGetClick()
{
    if (m_request->Busy())
        return;
    Read();
}

bool TBulwarkCtrlForm::ValidThreshold(const QString& text)
{
    return InputChecks::IsWholeNumberIn(text, 20, 100);
}

bool TBulwarkCtrlForm::CheckThresholds()
{
    if (ckRising->isChecked() && !Require(ValidThreshold(edtRising->text()), kBadRising))
        return false;
    return !ckFalling->isChecked() || Require(ValidThreshold(edtFalling->text()), kBadFalling);
}

std::vector<TDialogBase::TickedField> TBulwarkCtrlForm::WriteOrder(bool fallingFirst) const
{
    const TickedField rising{ckRising, kRising}, falling{ckFalling, kFalling};
    return {fallingFirst ? falling : rising, fallingFirst ? rising : falling, {ckMode, kMode}, {ckAlarm, kAlarm}};
}

void TBulwarkCtrlForm::btnSetClick()
{
    if (!CheckThresholds())
        return;
    if (m_request->Busy())
        return;
    m_fallingFirst = false;
    if (ckRising->isChecked() && ckFalling->isChecked()) {
        // Without a read that succeeded there is no falling threshold to compare with, and
        // guessing the order could leave the switch refusing the second write.
        bool known = false;
        const int lastRead = lbFalling->text().toInt(&known);
        if (!known) {
            ShowMessage(QStringLiteral("'%1' is not a valid integer value").arg(lbFalling->text()));
            return;
        }
        m_fallingFirst = edtFalling->text().toInt() < lastRead;
    }
    try {
        m_request->Request().Alive = true;
        SendTicked(*m_request, WriteOrder(m_fallingFirst), true);
    } catch (const KtException& e) {
        m_request->ShowStatus(1, e.Message());
    }
    // Also after a refusal: the read's "Ok!" is followed by the refusal again.
    Read();
    m_fallingFirst = false;
}

void TBulwarkCtrlForm::btnCloseClick()
{
    close();
}
