#include "dialogs/layer2/GuestVlanForm.h"
#include "dialogs/tables/Layer2Tables.h"

#include "dialogs/FormControls.h"
#include "dialogs/StackingPortUitForm.h"
#include "dialogs/layer2/VlanFormParts.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kGuestTimeout = 300;  // 3 s, in hundredths of a second
using FormControls::Button;
using namespace Layer2Tables::VlanInformation;
constexpr int kGuestName = 0, kGuestPorts = 1;
constexpr int kStartPosition = 1;

using namespace VlanFormParts;

} // namespace

const KtDialogType TGuestVlanForm::Type = KtDialogType::Of<TGuestVlanForm>("Guest VLAN: ");

TGuestVlanForm::TGuestVlanForm(QWidget* owner, bool enlarge) : TDialogBase(owner, enlarge)
{
    setObjectName(QStringLiteral("GuestVlanForm"));
    SetSynchronous(true);
    BuildControls();
    SetFormSize(560, 360);
    FormCreate();
}

void TGuestVlanForm::BuildControls()
{
    const auto [outer, top, left] = FormControls::ControlsFrame(this);

    auto* form = new QFormLayout;
    edtName = FormControls::Edit(this, form, "edtName", "Name");
    left->addLayout(form);
    PortGroup = new QGroupBox(QStringLiteral("Port"), this);
    PortGroup->setObjectName(QStringLiteral("PortGroup"));
    new QVBoxLayout(PortGroup);
    left->addWidget(PortGroup, 1);
    PortGrid = new TStackingPortUitForm(PortGroup);

    cbxDel = new QComboBox(this);
    cbxDel->setObjectName(QStringLiteral("cbxDel"));
    cbxDel->setVisible(false);

    BT_Get = Button(this, "BT_Get", "Refresh");
    SetBtn = Button(this, "SetBtn", "Set");
    DelBtn = Button(this, "DelBtn", "Delete");
    BT_Close = Button(this, "BT_Close", "Close");
    FormControls::ButtonColumn(top, {BT_Get, SetBtn, DelBtn, BT_Close});

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    outer->addWidget(StatusBar1);

    connect(BT_Get, &QPushButton::clicked, this, [this] { BT_GetClick(); });
    connect(SetBtn, &QPushButton::clicked, this, [this] { SetBtnClick(); });
    connect(DelBtn, &QPushButton::clicked, this, [this] { DelBtnClick(); });
    connect(BT_Close, &QPushButton::clicked, this, [this] { BT_CloseClick(); });
}

void TGuestVlanForm::FormCreate()
{
    ShowModel(PortGrid);
    m_settings = &AddRequest(kGuestSettings, KtItem::SVT_SV, 0, QStringLiteral("guestVlanSettings"));
    m_delete = &AddRequest(kGuestDelete, KtItem::SVT_SV, 0, QStringLiteral("guestVlanDelete"));
    for (KtSNMPRequest2Edits* request : {m_settings, m_delete}) {
        request->Mode = 0;
        request->Request().Params.timeout = kGuestTimeout;
        request->SetStatusTarget(StatusBar1);
    }
    m_settings->BindFormatted(kGuestName, QStringLiteral("%s"), {edtName});
    m_settings->BindBitsList(kGuestPorts, TStackingPortUitForm::BitIndexText(kBoxesPerUnit), PortGrid->PortBoxes);
    m_delete->Bind(0, cbxDel);
    RunQuietly(*m_settings, [this] { m_settings->Get(); });
}

void TGuestVlanForm::FreeControls()
{
    delete PortGrid;
    PortGrid = nullptr;
}

void TGuestVlanForm::RunQuietly(KtSNMPRequest2Edits& request, const std::function<void()>& body)
{
    if (request.Busy())
        return;
    RunOperation(request, body);
}

void TGuestVlanForm::BT_GetClick()
{
    // A switch that does not answer costs one time-out, not one per request.
    KtSNMPRequest2Edits* reading = m_settings;
    try {
        if (m_settings->Busy())
            return;
        m_settings->Request().Alive = true;
        m_settings->Get();
        if (m_delete->Busy())
            return;
        reading = m_delete;
        m_delete->Request().Alive = true;
        m_delete->Get();
    } catch (const KtException& e) {
        reading->ShowStatus(e.Message());
    }
}

void TGuestVlanForm::SetBtnClick()
{
    RunQuietly(*m_settings, [this] { SendColumns(*m_settings, std::vector<int>{kGuestName, kGuestPorts}); });
}

void TGuestVlanForm::DelBtnClick()
{
    if (m_delete->Busy())
        return;
    RunOperation(*m_delete, [this] {
        cbxDel->setCurrentIndex(kStartPosition);
        SendColumn(*m_delete, 0);
    });
    // Also after a failed write: the dialog shows what the switch holds now.
    BT_GetClick();
}

void TGuestVlanForm::BT_CloseClick()
{
    close();
}
