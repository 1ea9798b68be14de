#include "dialogs/security/PrtSecDelCtrlForm.h"
#include "dialogs/tables/SecurityTables.h"

#include "dialogs/FormControls.h"

#include "KtNML/KtOptionList.h"
#include "dialogs/InputChecks.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

namespace {

using namespace SecurityTables::PortSecurityDelete;

constexpr int kVlan = 0, kPort = 1, kMac = 2, kActivity = 3;
constexpr int kStartPosition = 1;
// The highest device-wide port number the switch's MIB knows.
constexpr int kMaxDevicePort = 384;

using FormControls::Button;
using FormControls::Edit;

} // namespace

const KtDialogType TPrtSecDelCtrlForm::Type = KtDialogType::Of<TPrtSecDelCtrlForm>("Port Security Delete: ");

TPrtSecDelCtrlForm::TPrtSecDelCtrlForm(QWidget* owner, bool enlarge) : TDialogBase(owner, enlarge)
{
    setObjectName(QStringLiteral("PrtSecDelCtrlForm"));
    SetSynchronous(true);
    BuildControls();
    SetFormSize(330, 200);
    FormCreate();
}


void TPrtSecDelCtrlForm::BuildControls()
{
    auto* outer = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    edtVlan = Edit(this, form, "edtVlan", "VLAN");
    PortEdit = Edit(this, form, "PortEdit", "Port");
    edtMac = Edit(this, form, "edtMac", "MAC");
    outer->addLayout(form);

    // What the switch takes, kept out of sight.
    const auto hidden = [this](QWidget* w, const char* name) {
        w->setObjectName(QLatin1String(name));
        w->hide();
    };
    edtPort = new QLineEdit(this);
    hidden(edtPort, "edtPort");
    UnitEdit = new QLineEdit(this);
    hidden(UnitEdit, "UnitEdit");
    cbxOper = new QComboBox(this);
    hidden(cbxOper, "cbxOper");

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    btnRefresh = Button(this, "btnRefresh", "Refresh");
    btnSet = Button(this, "btnSet", "Set");
    buttons->addWidget(btnRefresh);
    buttons->addWidget(btnSet);
    outer->addLayout(buttons);
    outer->addStretch();

    StatusBar1 = FormControls::PanelStatusBar(this, outer, "StatusBar1", StatusPanel, "StatusPanel");

    connect(btnRefresh, &QPushButton::clicked, this, [this] { btnRefreshClick(); });
    connect(btnSet, &QPushButton::clicked, this, [this] { btnSetClick(); });
}

void TPrtSecDelCtrlForm::FormCreate()
{
    m_request = &AddRequest(kDelete, KtItem::SVT_SV, 0, QStringLiteral("portSecurityDelete"));
    m_request->Mode = 0;
    m_request->SetStatusTarget(StatusPanel);
    try {
        m_request->BindFormatted(kVlan, QStringLiteral("%s{l32}"), {edtVlan});
        m_request->BindFormatted(kPort, QStringLiteral("%i{n0x") + QString::number(kMaxDevicePort) + "l3}",
                                 {edtPort});
        m_request->BindFormatted(kMac, QStringLiteral("%s{l12}"), {edtMac});
        m_request->BindDropDown(kActivity, cbxOper);
    } catch (const KtException& e) {
        m_request->ShowStatus(e.Message());
    }
    Read();
}

void TPrtSecDelCtrlForm::FreeControls()
{
    SecurityEreaseLockUnitInfoList.clear();
}

void TPrtSecDelCtrlForm::Read()
{
    SecurityEreaseLockUnitInfoList.clear();
    try {
        m_request->Request().Alive = true;
        m_request->Get();
        SplitPort();
    } catch (const KtException& e) {
        m_request->ShowStatus(e.Message());
    }
    SecurityEreaseLockUnitInfoList = UnitPorts::StandaloneUnits();
}

void TPrtSecDelCtrlForm::SplitPort()
{
    const auto pair = UnitPorts::DecodeText(edtPort->text(), UnitPorts::kTrunkPortsPerUnit)
                          .value_or(UnitPorts::UnitPort{});
    UnitEdit->setText(QString::number(pair.unit));
    PortEdit->setText(QString::number(pair.port));
}

void TPrtSecDelCtrlForm::btnRefreshClick()
{
    if (m_request->Busy())
        return;
    Read();
}

bool TPrtSecDelCtrlForm::CheckInputs()
{
    UnitEdit->setText(QStringLiteral("1"));
    if (!Require(!edtVlan->text().isEmpty(), kNoVlan))
        return false;
    const UnitPorts::UnitInfo* unit = UnitPorts::FindUnit(SecurityEreaseLockUnitInfoList, 1);
    const int port = UnitPorts::DigitsValue(PortEdit->text()).value_or(-1);
    if (!unit || port <= 0 || port > unit->ports) {
        if (unit && port > unit->ports)
            PortEdit->setText(QStringLiteral("0"));
        PortEdit->setFocus();
        ShowMessage(kBadPort);
        return false;
    }
    edtPort->setText(QString::number(UnitPorts::Encode(1, port, UnitPorts::kTrunkPortsPerUnit)));
    return Require(InputChecks::IsMacText(edtMac->text()), kBadMac);
}

void TPrtSecDelCtrlForm::btnSetClick()
{
    RunOperation(
        *m_request,
        [this] {
            cbxOper->setCurrentIndex(kStartPosition);
            SendRow(*m_request, {kVlan, kPort, kMac, kActivity});
        },
        [this] { return CheckInputs(); });
}
