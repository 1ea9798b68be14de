#include "dialogs/layer2/VlanStaticForm.h"
#include "dialogs/tables/Layer2Tables.h"

#include "KtNML/KtBoundRow.h"

#include "dialogs/FormControls.h"

#include "KtNML/KtOptionList.h"
#include "dialogs/InputChecks.h"
#include "dialogs/StackingPortUitForm.h"

#include <QComboBox>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

using Layer2Tables::kVlanStatic;

const KtSNMPVarDef kNextFree[] = {
    {"1.3.6.1.2.1.17.7.1.4.4", "Next Free Local VLAN Index", KtSyn::Integer, KtAcc::ReadOnly},
    {},
};

constexpr int kName = 1, kEgress = 2, kForbidden = 3, kUntagged = 4, kStatus = 5;
constexpr int kCreateAndGoPosition = 3, kDestroyPosition = 5;
constexpr int kBoxesPerUnit = 32, kColumns = 12;
constexpr const char* kModel = "VKR-2207";
constexpr int kModelPorts = 10;

using FormControls::Button;

} // namespace

const KtDialogType TVlanStaticForm::Type = KtDialogType::Of<TVlanStaticForm>("VLAN Static: ");

TVlanStaticForm::TVlanStaticForm(QWidget* owner, bool enlarge) : TDialogBase(owner, enlarge)
{
    setObjectName(QStringLiteral("VlanStaticForm"));
    BuildControls();
    SetFormSize(620, 560);
    FormCreate();
}


void TVlanStaticForm::BuildControls()
{
    auto [outer, top, left, list] = FormControls::ListFrame(this, "LV_dot1qVlanStaticEntry");
    LV_dot1qVlanStaticEntry = list;

    auto* form = new QFormLayout;
    ED_VLANID = new QLineEdit(this);
    ED_VLANID->setObjectName(QStringLiteral("ED_VLANID"));
    ED_VLANName = new QLineEdit(this);
    ED_VLANName->setObjectName(QStringLiteral("ED_VLANName"));
    Status = new QComboBox(this);
    Status->setObjectName(QStringLiteral("Status"));
    NextFreeLocalVlanIndex = new QLabel(this);
    NextFreeLocalVlanIndex->setObjectName(QStringLiteral("NextFreeLocalVlanIndex"));
    form->addRow(QStringLiteral("VLAN ID"), ED_VLANID);
    form->addRow(QStringLiteral("VLAN Name"), ED_VLANName);
    form->addRow(QStringLiteral("Status"), Status);
    form->addRow(QStringLiteral("Next Free Local VLAN Index"), NextFreeLocalVlanIndex);
    left->addLayout(form);

    PortPages = new QTabWidget(this);
    PortPages->setObjectName(QStringLiteral("PortPages"));
    TStackingPortUitForm** grids[] = {&EgressGrid, &ForbiddenGrid, &UntaggedGrid};
    const char* pages[] = {"Egress Ports", "Forbidden Egress Ports", "Untagged Ports"};
    for (int p = 0; p < 3; ++p) {
        auto* scroll = new QScrollArea;
        scroll->setWidgetResizable(true);
        auto* host = new QWidget;
        new QVBoxLayout(host);
        host->layout()->setContentsMargins(0, 0, 0, 0);
        scroll->setWidget(host);
        PortPages->addTab(scroll, QLatin1String(pages[p]));
        *grids[p] = new TStackingPortUitForm(host);
    }
    left->addWidget(PortPages);

    ST_Count2 = FormControls::SamplesRow(this, left, "ST_Count2");

    RefreshBtn = Button(this, "RefreshBtn", "Refresh");
    SetBtn = Button(this, "SetBtn", "Set");
    AddBtn = Button(this, "AddBtn", "Add");
    DeleteBtn = Button(this, "DeleteBtn", "Delete");
    btnStop = Button(this, "btnStop", "Stop");
    btnClose = Button(this, "btnClose", "Close");
    FormControls::ButtonColumn(top, {RefreshBtn, SetBtn, AddBtn, DeleteBtn, btnStop, btnClose});

    Memo1 = FormControls::StatusMemo(this, "Memo1");
    outer->addWidget(Memo1);

    connect(RefreshBtn, &QPushButton::clicked, this, [this] { RefreshBtnClick(); });
    connect(SetBtn, &QPushButton::clicked, this, [this] { SetBtnClick(); });
    connect(AddBtn, &QPushButton::clicked, this, [this] { AddBtnClick(); });
    connect(DeleteBtn, &QPushButton::clicked, this, [this] { DeleteBtnClick(); });
    connect(btnStop, &QPushButton::clicked, this, [this] { btnStopClick(); });
    connect(btnClose, &QPushButton::clicked, this, [this] { btnCloseClick(); });
}

void TVlanStaticForm::FormCreate()
{
    for (TStackingPortUitForm* grid : {EgressGrid, ForbiddenGrid, UntaggedGrid}) {
        grid->AddUnit(QStringLiteral("Unit1"), kBoxesPerUnit, kColumns);
        grid->ShowUnit(QLatin1String(kModel), kModelPorts);
    }
    m_bitIndex = TStackingPortUitForm::BitIndexText(kBoxesPerUnit);

    m_table = &AddRequest(kVlanStatic, KtItem::MVT_UMV, 1, QStringLiteral("dot1qVlanStaticTable"));
    RunOperation(*m_table, [this] {
        m_table->BindListView(LV_dot1qVlanStaticEntry, false);
        m_table->BindFormatted(0, QStringLiteral("%s"), {ED_VLANID});
        m_table->BindFormatted(kName, QStringLiteral("%s"), {ED_VLANName});
        m_table->BindBitsList(kEgress, m_bitIndex, EgressGrid->PortBoxes);
        m_table->BindBitsList(kForbidden, m_bitIndex, ForbiddenGrid->PortBoxes);
        m_table->BindBitsList(kUntagged, m_bitIndex, UntaggedGrid->PortBoxes);
        m_table->Bind(kStatus, Status);
        m_table->SetStatusTarget(Memo1);
        WatchGetDone(*m_table);
        // After the binding's own handler, which has loaded the row into the controls.
        connect(KtBoundRow::Track(LV_dot1qVlanStaticEntry), &KtBoundRow::Changed, this,
                [this] { LV_dot1qVlanStaticEntrySelectItem(); });
        WatchRowCount(LV_dot1qVlanStaticEntry, ST_Count2);
        m_table->Get();
    });

    m_nextFree = &AddRequest(kNextFree, KtItem::SVT_SV, 0, QStringLiteral("dot1qNextFreeLocalVlanIndex"));
    try {
        m_nextFree->Bind(0, NextFreeLocalVlanIndex);
        m_nextFree->SetStatusTarget(Memo1);
        m_nextFree->Mode = 0;
        m_nextFree->Get();
    } catch (const KtException& e) {
        m_nextFree->ShowStatus(e.Message());
    }
    SetButtons(false);
}

void TVlanStaticForm::FreeControls()
{
    // The grids go first; the bindings hold their boxes weakly.
    for (TStackingPortUitForm** grid : {&EgressGrid, &ForbiddenGrid, &UntaggedGrid}) {
        delete *grid;
        *grid = nullptr;
    }
}

void TVlanStaticForm::SetButtons(bool rowSelected)
{
    SetBtn->setEnabled(rowSelected);
    DeleteBtn->setEnabled(rowSelected);
    AddBtn->setEnabled(!rowSelected);
}

void TVlanStaticForm::LV_dot1qVlanStaticEntrySelectItem()
{
    const bool selected = KtBoundRow::Of(LV_dot1qVlanStaticEntry) != nullptr;
    if (!selected)
        ClearInputs();
    SetButtons(selected);
}

void TVlanStaticForm::ClearInputs()
{
    for (TStackingPortUitForm* grid : {EgressGrid, ForbiddenGrid, UntaggedGrid})
        if (grid)
            grid->UncheckAll();
    ED_VLANID->clear();
    ED_VLANName->clear();
    Status->setCurrentIndex(-1);
}

bool TVlanStaticForm::ValidVlanId(const QString& text)
{
    return InputChecks::IsVlanIdText(text);
}

bool TVlanStaticForm::CheckVlanId()
{
    return Require(ValidVlanId(ED_VLANID->text()), kBadVlanId);
}

void TVlanStaticForm::StartWalk()
{
    m_table->Get();
    ClearInputs();
}

void TVlanStaticForm::RefreshBtnClick()
{
    // Refresh is quietly ignored while anything runs.
    if (!GetComplete())
        return;
    m_nextFree->Request().Alive = true;
    if (!m_nextFree->Busy()) {
        try {
            m_nextFree->Get();
        } catch (const KtException& e) {
            m_nextFree->ShowStatus(e.Message());
        }
    }
    if (m_table->Busy())
        return;
    RunOperation(*m_table, [this] {
        m_table->Get();
        ShowRowCounts();
        ClearInputs();
    });
    ShowRowCounts();
    SetButtons(false);
}

void TVlanStaticForm::SetBtnClick()
{
    if (!KtBoundRow::Of(LV_dot1qVlanStaticEntry))
        return;
    const bool ran = RunOperation(
        *m_table,
        [this] {
            // One column per request, in this order; the name is never sent here.
            for (int column : {kEgress, kForbidden, kUntagged, kStatus})
                SendColumn(*m_table, column);
            StartWalk();
        },
        [this] { return CheckVlanId(); });
    if (ran)
        SetButtons(false);
}

void TVlanStaticForm::AddBtnClick()
{
    RunOperation(
        *m_table,
        [this] {
            Status->setCurrentIndex(kCreateAndGoPosition);
            // No forbidden ports: a new VLAN gets them only through Set.
            SendRow(*m_table, {kName, kEgress, kUntagged, kStatus});
            StartWalk();
        },
        [this] { return CheckVlanId(); });
}

void TVlanStaticForm::DeleteBtnClick()
{
    const bool ran = RunOperation(
        *m_table,
        [this] {
            DestroyRow(*m_table, kStatus, Status, kDestroyPosition);
            StartWalk();
        },
        [this] { return CheckVlanId(); });
    if (ran)
        SetButtons(false);
}

void TVlanStaticForm::btnStopClick()
{
    StopRequest(*m_table);
}

void TVlanStaticForm::btnCloseClick()
{
    close();
}
