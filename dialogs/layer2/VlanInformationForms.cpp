#include "dialogs/layer2/VlanInformationForms.h"
#include "dialogs/tables/Layer2Tables.h"

#include "KtNML/KtBoundRow.h"

#include "dialogs/FormControls.h"
#include "dialogs/InputChecks.h"
#include "dialogs/StackingPortUitForm.h"
#include "dialogs/tables/StpTables.h"

#include "KtNML/KtOptionList.h"

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

constexpr int kBoxesPerUnit = 32, kColumns = 12;
constexpr const char* kModel = "VKR-2207";
constexpr int kModelPorts = 10;
constexpr int kGuestTimeout = 300;  // 3 s, in hundredths of a second

using FormControls::Button;

const KtOptionList olCurrentStatus({{1, "other"}, {2, "permanent"}, {3, "dynamicGvrp"}});
using namespace Layer2Tables::VlanInformation;

const KtSNMPVarDef kNumDeletes[] = {
    {"1.3.6.1.2.1.17.7.1.4.1", "VLAN Num Deletes", KtSyn::Counter, KtAcc::ReadOnly},
    {},
};

const KtSNMPVarDef kCurrent[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.1", "VLAN Time Mark", KtSyn::TimeTicks, KtAcc::NotAccess},
    {"1.3.6.1.2.1.17.7.1.4.2.1.2", "VLAN Index", KtSyn::Gauge, KtAcc::NotAccess},
    {"1.3.6.1.2.1.17.7.1.4.2.1.3", "FDB ID", KtSyn::Gauge, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.17.7.1.4.2.1.4", "Current Egress Ports", KtSyn::OctetStr, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.17.7.1.4.2.1.5", "Current Untagged Ports", KtSyn::OctetStr, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.17.7.1.4.2.1.6", "VLAN Status", KtSyn::Integer, KtAcc::ReadOnly, &olCurrentStatus},
    {"1.3.6.1.2.1.17.7.1.4.2.1.7", "Creation Time", KtSyn::TimeTicks, KtAcc::ReadOnly},
    {},
};
constexpr int kVlanIndex = 1, kCurrentEgress = 3, kCurrentUntagged = 4;

constexpr int kBaseGvrp = 4;

constexpr int kPvid = 1, kFrameTypes = 2, kIngress = 3, kPortGvrp = 4;

constexpr int kGuestName = 0, kGuestPorts = 1;

constexpr int kStartPosition = 1;

// A port grid on a page of pages, in a scroll area.
TStackingPortUitForm* AddGridPage(QTabWidget* pages, const QString& caption)
{
    auto* scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    auto* host = new QWidget;
    new QVBoxLayout(host);
    host->layout()->setContentsMargins(0, 0, 0, 0);
    scroll->setWidget(host);
    pages->addTab(scroll, caption);
    return new TStackingPortUitForm(host);
}

void ShowModel(TStackingPortUitForm* grid)
{
    grid->AddUnit(QStringLiteral("Unit1"), kBoxesPerUnit, kColumns);
    grid->ShowUnit(QLatin1String(kModel), kModelPorts);
}

QLabel* ValueLabel(QWidget* parent, QFormLayout* form, const char* name, const char* label)
{
    auto* value = new QLabel(parent);
    value->setObjectName(QLatin1String(name));
    value->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    value->setMinimumWidth(80);
    form->addRow(QString::fromLatin1(label), value);
    return value;
}

} // namespace

// ---- VLAN current table -------------------------------------------------------------------

const KtDialogType TVLanCurrentTableForm::Type = KtDialogType::Of<TVLanCurrentTableForm>("VLAN Current: ");

TVLanCurrentTableForm::TVLanCurrentTableForm(QWidget* owner, bool enlarge) : TDialogBase(owner, enlarge)
{
    setObjectName(QStringLiteral("VLanCurrentTableForm"));
    SetSynchronous(true);
    BuildControls();
    SetFormSize(620, 520);
    FormCreate();
}


void TVLanCurrentTableForm::BuildControls()
{
    auto [outer, top, left, list] = FormControls::ListFrame(this, "LV_dot1qVlanCurrentEntry");
    LV_dot1qVlanCurrentEntry = list;

    auto* form = new QFormLayout;
    VlanNumDeletes = ValueLabel(this, form, "VlanNumDeletes", "VLAN Delete Numbers");
    StaticText1 = ValueLabel(this, form, "StaticText1", "VLAN Index");
    left->addLayout(form);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    EgressGrid = AddGridPage(PageControl1, QStringLiteral("Egress Port"));
    UntaggedGrid = AddGridPage(PageControl1, QStringLiteral("Untagged Port"));
    // The port lists are shown, never chosen.
    EgressGrid->setEnabled(false);
    UntaggedGrid->setEnabled(false);
    left->addWidget(PageControl1);

    ST_Count2 = FormControls::SamplesRow(this, left, "ST_Count2");

    auto* buttons = new QVBoxLayout;
    RefreshBtn = Button(this, "RefreshBtn", "Refresh");
    SetBtn = Button(this, "SetBtn", "Set");
    SetBtn->setVisible(false);
    buttons->addWidget(RefreshBtn);
    buttons->addWidget(SetBtn);
    buttons->addStretch();
    top->addLayout(buttons);

    Memo1 = FormControls::StatusMemo(this, "Memo1");
    outer->addWidget(Memo1);

    connect(RefreshBtn, &QPushButton::clicked, this, [this] { RefreshBtnClick(); });
}

void TVLanCurrentTableForm::FormCreate()
{
    ShowModel(EgressGrid);
    ShowModel(UntaggedGrid);
    const QString bitIndex = TStackingPortUitForm::BitIndexText(kBoxesPerUnit);

    m_numDeletes = &AddRequest(kNumDeletes, KtItem::SVT_SV, 0, QStringLiteral("dot1qVlanNumDeletes"));
    m_numDeletes->Mode = 0;
    m_numDeletes->Bind(0, VlanNumDeletes);
    m_numDeletes->SetStatusTarget(Memo1);
    RunOperation(*m_numDeletes, [this] { m_numDeletes->Get(); });

    m_table = &AddRequest(kCurrent, KtItem::MVT_UMV, 2, QStringLiteral("dot1qVlanCurrentTable"));
    m_table->Mode = 0;
    m_table->BindListView(LV_dot1qVlanCurrentEntry, false);
    m_table->Bind(kVlanIndex, StaticText1);
    m_table->BindBitsList(kCurrentEgress, bitIndex, EgressGrid->PortBoxes);
    m_table->BindBitsList(kCurrentUntagged, bitIndex, UntaggedGrid->PortBoxes);
    m_table->SetStatusTarget(Memo1);
    WatchRowCount(LV_dot1qVlanCurrentEntry, ST_Count2);
    connect(KtBoundRow::Track(LV_dot1qVlanCurrentEntry), &KtBoundRow::Changed, this, [this] {
        if (!KtBoundRow::Of(LV_dot1qVlanCurrentEntry))
            ClearDetails();
    });
    RunOperation(*m_table, [this] { m_table->Get(); });
}

void TVLanCurrentTableForm::FreeControls()
{
    for (TStackingPortUitForm** grid : {&EgressGrid, &UntaggedGrid}) {
        delete *grid;
        *grid = nullptr;
    }
}

void TVLanCurrentTableForm::ClearDetails()
{
    for (TStackingPortUitForm* grid : {EgressGrid, UntaggedGrid})
        if (grid)
            grid->UncheckAll();
    StaticText1->clear();
}

void TVLanCurrentTableForm::Reread(KtSNMPRequest2Edits& request)
{
    request.Request().Alive = true;
    if (request.Busy())
        return;
    try {
        request.Get();
    } catch (const KtException& e) {
        request.ShowStatus(e.Message());
    }
}

void TVLanCurrentTableForm::RefreshBtnClick()
{
    Reread(*m_numDeletes);
    Reread(*m_table);
    ShowRowCounts();
    ClearDetails();
}

// ---- 802.1Q basic configuration -----------------------------------------------------------

const KtDialogType TVLanGeneralInfoForm::Type = KtDialogType::Of<TVLanGeneralInfoForm>("802.1Q Basic Configure: ");

TVLanGeneralInfoForm::TVLanGeneralInfoForm(QWidget* owner, bool enlarge) : TDialogBase(owner, enlarge)
{
    setObjectName(QStringLiteral("VLanGeneralInfoForm"));
    BuildControls();
    SetFormSize(420, 300);
    FormCreate();
}


void TVLanGeneralInfoForm::BuildControls()
{
    auto* outer = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    outer->addLayout(top, 1);
    auto* form = new QFormLayout;
    VlanVersionNumber = ValueLabel(this, form, "VlanVersionNumber", "VLAN Version Number");
    MaxVlanId = ValueLabel(this, form, "MaxVlanId", "Max VLAN ID");
    MaxSupportedVlans = ValueLabel(this, form, "MaxSupportedVlans", "Max Supported VLANs");
    CurrentNumOfVlans = ValueLabel(this, form, "CurrentNumOfVlans", "Current Num Of VLANs");
    GvrpStatus = FormControls::Combo(this, form, "GvrpStatus", "GVRP Status");
    top->addLayout(form, 1);

    RefreshBtn = Button(this, "RefreshBtn", "Refresh");
    SetBtn = Button(this, "SetBtn", "Set");
    FormControls::ButtonColumn(top, {RefreshBtn, SetBtn});

    Memo1 = FormControls::StatusMemo(this, "Memo1");
    outer->addWidget(Memo1);

    connect(RefreshBtn, &QPushButton::clicked, this, [this] { RefreshBtnClick(); });
    connect(SetBtn, &QPushButton::clicked, this, [this] { SetBtnClick(); });
}

void TVLanGeneralInfoForm::FormCreate()
{
    m_base = &AddRequest(kBase, KtItem::SVT_SV, 0, QStringLiteral("dot1qBase"));
    RunOperation(*m_base, [this] {
        m_base->Bind(0, VlanVersionNumber);
        m_base->Bind(1, MaxVlanId);
        m_base->Bind(2, MaxSupportedVlans);
        m_base->Bind(3, CurrentNumOfVlans);
        m_base->Bind(kBaseGvrp, GvrpStatus);
        m_base->SetStatusTarget(Memo1);
        WatchGetDone(*m_base);
        m_base->Get();
    });
}

bool TVLanGeneralInfoForm::Idle() const
{
    return GetComplete() && !m_base->Busy();
}

void TVLanGeneralInfoForm::RefreshBtnClick()
{
    // Refused without a word while the last read or write is outstanding.
    if (Idle())
        RunOperation(*m_base, [this] { m_base->Get(); });
}

void TVLanGeneralInfoForm::SetBtnClick()
{
    if (Idle())
        RunOperation(*m_base, [this] { SendColumn(*m_base, kBaseGvrp); });
}

// ---- VLAN port information ----------------------------------------------------------------

const KtDialogType TVLanPortInfomationForm::Type = KtDialogType::Of<TVLanPortInfomationForm>("VLAN Port Information Form: ");

TVLanPortInfomationForm::TVLanPortInfomationForm(QWidget* owner, bool enlarge) : TDialogBase(owner, enlarge)
{
    setObjectName(QStringLiteral("VLanPortInfomationForm"));
    SetGuardMessage(kRefreshNotComplete);
    BuildControls();
    SetFormSize(640, 460);
    FormCreate();
}


void TVLanPortInfomationForm::BuildControls()
{
    auto [outer, top, left, list] = FormControls::ListFrame(this, "LV_dot1qPortVlanEntry");
    LV_dot1qPortVlanEntry = list;

    auto* form = new QFormLayout;
    PortVLanID = FormControls::Edit(this, form, "PortVLanID", "Port VLAN ID");
    AcceptableFrameTypes = FormControls::Combo(this, form, "AcceptableFrameTypes", "Acceptable Frame Types");
    IngressFiltering = FormControls::Combo(this, form, "IngressFiltering", "Ingress Filtering");
    GvrpStatus = FormControls::Combo(this, form, "GvrpStatus", "GVRP Status");
    left->addLayout(form);

    ST_Count = FormControls::SamplesRow(this, left, "ST_Count");

    RefreshBtn = Button(this, "RefreshBtn", "Refresh");
    SetBtn = Button(this, "SetBtn", "Set");
    FormControls::ButtonColumn(top, {RefreshBtn, SetBtn});

    Memo1 = FormControls::StatusMemo(this, "Memo1");
    outer->addWidget(Memo1);

    connect(RefreshBtn, &QPushButton::clicked, this, [this] { RefreshBtnClick(); });
    connect(SetBtn, &QPushButton::clicked, this, [this] { SetBtnClick(); });
}

void TVLanPortInfomationForm::FormCreate()
{
    m_table = &AddRequest(kPortVlan, KtItem::MVT_FMV, 1, QStringLiteral("dot1qPortVlanTable"));
    RunOperation(*m_table, [this] {
        m_table->BindListView(LV_dot1qPortVlanEntry);
        m_table->BindFormatted(kPvid, QStringLiteral("%i{}"), {PortVLanID});
        m_table->Bind(kFrameTypes, AcceptableFrameTypes);
        m_table->Bind(kIngress, IngressFiltering);
        m_table->Bind(kPortGvrp, GvrpStatus);
        m_table->SetStatusTarget(Memo1);
        WatchGetDone(*m_table);
        WatchRowCount(LV_dot1qPortVlanEntry, ST_Count);
        m_table->Get();
        PortVLanID->clear();
    });
}

void TVLanPortInfomationForm::RefreshBtnClick()
{
    RunOperation(*m_table, [this] {
        m_table->Get();
        ShowRowCounts();
    });
}

void TVLanPortInfomationForm::SetBtnClick()
{
    const auto selectedPort = [this] {
        QTreeWidgetItem* const selected = KtBoundRow::Of(LV_dot1qPortVlanEntry);
        return !selected ? QString() : selected->text(0);
    };
    RunOperation(
        *m_table,
        [this, selectedPort] {
            const QString port = selectedPort();
            SendColumns(*m_table, std::vector<int>{kPvid, kFrameTypes, kIngress, kPortGvrp});
            // The walk empties the list; the port comes back selected once it has ended.
            ReselectAfterRead(*m_table, port, [this](bool found) {
                if (!found)
                    PortVLanID->clear();
            });
            m_table->Get();
        },
        [this, selectedPort] {
            // With no port selected the controls hold nothing of a row: there is nothing to write.
            if (selectedPort().isEmpty())
                return false;
            return Require(InputChecks::IsVlanIdText(PortVLanID->text()), kBadPortVlanId);
        });
}

// ---- guest VLAN ---------------------------------------------------------------------------

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
