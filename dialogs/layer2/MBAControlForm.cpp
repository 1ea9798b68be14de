#include "dialogs/layer2/MBAControlForm.h"
#include "dialogs/tables/Layer2Tables.h"

#include "dialogs/FormControls.h"
#include "dialogs/StackingPortUitForm.h"

#include "KtNML/KtOptionList.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

#include <exception>

namespace {

constexpr int kBoxesPerUnit = 32, kColumns = 12;
constexpr const char* kModel = "VKR-2207";
constexpr int kModelPorts = 10;
constexpr int kTimeout = 300;  // 3 s, in hundredths of a second

using FormControls::Button;

using namespace Layer2Tables::MbaControl;

constexpr int kState = 0, kMethod = 1, kPassword = 2;

constexpr int kVlanName = 0, kMemberPorts = 1;

constexpr int kStartPosition = 1;

} // namespace

const KtDialogType TMBAControlForm::Type = KtDialogType::Of<TMBAControlForm>("MBA Control: ");

TMBAControlForm::TMBAControlForm(QWidget* owner, bool enlarge) : TDialogBase(owner, enlarge)
{
    setObjectName(QStringLiteral("MBAControlForm"));
    SetSynchronous(true);
    BuildControls();
    SetFormSize(560, 400);
    FormCreate();
}


void TMBAControlForm::BuildControls()
{
    const auto [outer, top, left] = FormControls::ControlsFrame(this);

    auto* form = new QFormLayout;
    edtName = FormControls::Edit(this, form, "edtName", "VLAN Name");
    Cbox_State = FormControls::Combo(this, form, "Cbox_State", "State");
    Cbox_Method = FormControls::Combo(this, form, "Cbox_Method", "Method");
    edtPassWord = FormControls::Edit(this, form, "edtPassWord", "Password");
    left->addLayout(form);

    cbxDel = new QComboBox(this);
    cbxDel->setObjectName(QStringLiteral("cbxDel"));
    cbxDel->setVisible(false);
    lbDelState = new QLabel(QStringLiteral("VLAN Name Delete State"), this);
    lbDelState->setObjectName(QStringLiteral("lbDelState"));
    lbDelState->setVisible(false);

    gbStackingPort = new QGroupBox(QStringLiteral("Port"), this);
    gbStackingPort->setObjectName(QStringLiteral("gbStackingPort"));
    new QVBoxLayout(gbStackingPort);
    left->addWidget(gbStackingPort, 1);

    BT_Get = Button(this, "BT_Get", "Refresh");
    SetBtn = Button(this, "SetBtn", "Set");
    DelBtn = Button(this, "DelBtn", "Delete");
    BT_Close = Button(this, "BT_Close", "Close");
    FormControls::ButtonColumn(top, {BT_Get, SetBtn, DelBtn, BT_Close});

    StatusBar1 = FormControls::PanelStatusBar(this, outer, "StatusBar1", StatusPanel, "StatusPanel");

    connect(BT_Get, &QPushButton::clicked, this, [this] { BT_GetClick(); });
    connect(SetBtn, &QPushButton::clicked, this, [this] { SetBtnClick(); });
    connect(DelBtn, &QPushButton::clicked, this, [this] { DelBtnClick(); });
    connect(BT_Close, &QPushButton::clicked, this, [this] { BT_CloseClick(); });
}

void TMBAControlForm::FormCreate()
{
    PortGrid = new TStackingPortUitForm(gbStackingPort);
    PortGrid->AddUnit(QStringLiteral("Unit1"), kBoxesPerUnit, kColumns);
    PortGrid->ShowUnit(QLatin1String(kModel), kModelPorts);

    // Closing stops and destroys them in this order.
    m_vlan = &AddRequest(kVlan, KtItem::SVT_SV, 0, QStringLiteral("mbaVlan"));
    m_delete = &AddRequest(kDelete, KtItem::SVT_SV, 0, QStringLiteral("mbaVlanDelete"));
    m_settings = &AddRequest(kSettings, KtItem::SVT_SV, 0, QStringLiteral("mbaSettings"));
    for (KtSNMPRequest2Edits* request : {m_vlan, m_delete, m_settings}) {
        request->Mode = 0;
        request->Request().Params.timeout = kTimeout;
        request->SetStatusTarget(StatusPanel);
    }
    try {
        m_settings->Bind(kState, Cbox_State);
        m_settings->Bind(kMethod, Cbox_Method);
        m_settings->BindFormatted(kPassword, QStringLiteral("%s{l32}"), {edtPassWord});
        m_vlan->BindFormatted(kVlanName, QStringLiteral("%s"), {edtName});
        m_vlan->BindBitsList(kMemberPorts, TStackingPortUitForm::BitIndexText(kBoxesPerUnit), PortGrid->PortBoxes);
        m_delete->Bind(0, cbxDel);
    } catch (const KtException& e) {
        StatusPanel->setText(e.Message());
        return;
    }
    m_notes.clear();
    Read(*m_settings, &m_settingsRead);
    Read(*m_vlan, &m_vlanRead);
    Read(*m_delete);
    Conclude();
}

void TMBAControlForm::FreeControls()
{
    delete PortGrid;
    PortGrid = nullptr;
}

void TMBAControlForm::Note(KtSNMPRequest2Edits& request, int operation, const QString& message)
{
    request.ShowStatus(operation, message);
    m_notes << StatusPanel->text();
}

void TMBAControlForm::Conclude()
{
    if (!m_notes.isEmpty())
        StatusPanel->setText(m_notes.join(QStringLiteral("  ")));
}

bool TMBAControlForm::Read(KtSNMPRequest2Edits& request, bool* ok)
{
    if (request.Busy())
        return false;
    bool done = false;
    try {
        request.Request().Alive = true;
        request.Get();
        done = true;
    } catch (const KtException& e) {
        Note(request, 0, e.Message());
    } catch (const std::exception& e) {
        Note(request, 0, QString::fromLocal8Bit(e.what()));
    }
    if (ok)
        *ok = done;
    return true;
}

void TMBAControlForm::ReadAll()
{
    if (!Read(*m_vlan, &m_vlanRead))
        return;
    if (!Read(*m_delete))
        return;
    Read(*m_settings, &m_settingsRead);
}

void TMBAControlForm::Write(KtSNMPRequest2Edits& request, const std::vector<int>& columns)
{
    try {
        request.Request().Alive = true;
        SendColumns(request, columns);
    } catch (const KtException& e) {
        Note(request, 1, e.Message());
    } catch (const std::exception& e) {
        Note(request, 1, QString::fromLocal8Bit(e.what()));
    }
}

void TMBAControlForm::BT_GetClick()
{
    m_notes.clear();
    ReadAll();
    Conclude();
}

void TMBAControlForm::SetBtnClick()
{
    if (m_vlan->Busy())
        return;
    // What was typed is checked before anything goes out, so a refused password does not
    // leave the switch with half of the change.
    if (m_settingsRead && !CheckEdits(*m_settings, {kPassword}))
        return;
    m_notes.clear();
    QStringList skipped;
    // Controls whose group could not be read hold no switch values (a blank name, no ports,
    // an empty password): writing them would wipe what the switch has.
    if (m_vlanRead)
        Write(*m_vlan, {kVlanName, kMemberPorts});
    else
        skipped << kVlanNotWritten;
    if (!m_settings->Busy()) {
        if (m_settingsRead)
            Write(*m_settings, {kState, kMethod, kPassword});
        else
            skipped << kSettingsNotWritten;
    }
    m_notes = skipped + m_notes;
    Conclude();
}

void TMBAControlForm::DelBtnClick()
{
    if (m_delete->Busy())
        return;
    m_notes.clear();
    cbxDel->setCurrentIndex(kStartPosition);
    Write(*m_delete, {0});
    // Also after a failed write: the dialog shows what the switch holds now.
    ReadAll();
    Conclude();
}

void TMBAControlForm::BT_CloseClick()
{
    close();
}
