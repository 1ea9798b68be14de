#include "dialogs/layer2/VLanCurrentTableForm.h"

#include "KtNML/KtBoundRow.h"
#include "dialogs/FormControls.h"
#include "dialogs/StackingPortUitForm.h"
#include "KtNML/KtOptionList.h"
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

using FormControls::Button;
const KtOptionList olCurrentStatus({{1, "other"}, {2, "permanent"}, {3, "dynamicGvrp"}});

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

using namespace VlanFormParts;

} // namespace

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
