#include "dialogs/layer2/StaticFilterForms.h"
#include "dialogs/tables/Layer2Tables.h"

#include "KtNML/KtBoundRow.h"

#include "KtNML/KtOptionList.h"
#include "dialogs/FormControls.h"
#include "dialogs/InputChecks.h"
#include "dialogs/StackingPortUitForm.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

using namespace Layer2Tables::StaticFilter;

constexpr int kInvalidPosition = 1;
constexpr int kUnits = 12, kBoxesPerUnit = 32, kColumns = 12;
constexpr const char* kModel = "VKR-2207";
constexpr int kModelPorts = 10;
const QString kPermanent = QStringLiteral("permanent");

using FormControls::Button;

QWidget* GridHost(QWidget* parent)
{
    auto* host = new QWidget(parent);
    new QVBoxLayout(host);
    host->layout()->setContentsMargins(0, 0, 0, 0);
    return host;
}

} // namespace

// ---- shared -------------------------------------------------------------------------------

TStackingPortUitForm* TStaticFilterFormBase::MakePortGrid(QWidget* host)
{
    auto* grid = new TStackingPortUitForm(host);
    for (int unit = 1; unit <= kUnits; ++unit)
        grid->AddUnit(QStringLiteral("Unit%1").arg(unit), kBoxesPerUnit, kColumns);
    grid->ShowUnit(QLatin1String(kModel), kModelPorts);
    return grid;
}

void TStaticFilterFormBase::BindTable(const KtSNMPVarDef* defs, const QString& name, QTreeWidget* list,
                                      QLineEdit* vid, QLineEdit* mac, int portsColumn,
                                      TStackingPortUitForm* grid, int statusColumn, QComboBox* status,
                                      QPlainTextEdit* memo, QLabel* counter)
{
    m_table = &AddRequest(defs, KtItem::MVT_UMV, kKeyCount, name);
    m_table->BindListView(list, false);
    m_table->BindFormatted(kVid, QStringLiteral("%i{n1x4094}"), {vid});
    m_table->BindFormatted(kMac, QStringLiteral("%h"), {mac});
    // Twelve units of boxes, but the port list has 32 bits: unit 1's.
    m_table->BindBitsList(portsColumn, TStackingPortUitForm::BitIndexText(kBoxesPerUnit),
                          grid->FirstBoxes(kBoxesPerUnit));
    m_table->Bind(statusColumn, status);
    m_table->SetStatusTarget(memo);
    WatchGetDone(*m_table);
    WatchRowCount(list, counter);
}

bool TStaticFilterFormBase::CheckNewEntry(const QLineEdit* vid, const QLineEdit* mac, const QComboBox* status,
                                          const QString& notPermanent)
{
    // "%h" alone lets any length through: a short MAC shifts the instance, a long one is cut
    // into another address.
    return Require(!vid->text().isEmpty() && !mac->text().isEmpty(), kInputKeys)
        && Require(InputChecks::IsVlanIdText(vid->text()), kBadVid)
        && Require(InputChecks::IsMacText(mac->text()), kBadMac)
        && Require(status->currentText() == kPermanent, notPermanent);
}

void TStaticFilterFormBase::SendAtReceivePort(const std::vector<int>& columns, const QString& port)
{
    // The keys and values from the selected row and the controls, as every write takes them;
    // then the receive port, which no control holds.
    m_table->PrepareSet();
    m_table->VarList().Item(kReceivePort).Value = port;
    m_table->Set(false, false, IndexListText(columns));
}

void TStaticFilterFormBase::KeepSelectedReceivePort(bool selected)
{
    // The binding's own handler has copied the row into the variables by now.
    m_selectedReceivePort = selected ? m_table->VarList().Item(kReceivePort).Value : QString();
}

// ---- unicast ------------------------------------------------------------------------------

const KtDialogType TUnicastFilterInformationForm::Type = KtDialogType::Of<TUnicastFilterInformationForm>("Unicast Filter Information: ");

TUnicastFilterInformationForm::TUnicastFilterInformationForm(QWidget* owner, bool enlarge)
    : TStaticFilterFormBase(owner, enlarge)
{
    setObjectName(QStringLiteral("UnicastFilterInformationForm"));
    BuildControls();
    SetFormSize(600, 560);
    FormCreate();
}


void TUnicastFilterInformationForm::BuildControls()
{
    auto [outer, top, left, list] = FormControls::ListFrame(this, "LV_dot1qStaticUnicastEntry");
    LV_dot1qStaticUnicastEntry = list;

    auto* form = new QFormLayout;
    left->addLayout(form);
    ED_UnicastVID = FormControls::Edit(this, form, "ED_UnicastVID", "VID");
    UnicastAddress = FormControls::Edit(this, form, "UnicastAddress", "MAC  Address");
    UStatus = FormControls::Combo(this, form, "UStatus", "Status");

    auto* group = new QGroupBox(QStringLiteral("Allow To Go To Port"), this);
    group->setObjectName(QStringLiteral("GroupBox1"));
    new QVBoxLayout(group);
    auto* scroll = new QScrollArea(group);
    scroll->setWidgetResizable(true);
    QWidget* host = GridHost(scroll);
    scroll->setWidget(host);
    group->layout()->addWidget(scroll);
    left->addWidget(group);
    PortGrid = MakePortGrid(host);

    ST_Count = FormControls::SamplesRow(this, left, "ST_Count");

    RefreshBtn = Button(this, "RefreshBtn", "Refresh");
    SetBtn = Button(this, "SetBtn", "Add");
    DeleteBtn = Button(this, "DeleteBtn", "Delete");
    FormControls::ButtonColumn(top, {RefreshBtn, SetBtn, DeleteBtn});

    Memo1 = FormControls::StatusMemo(this, "Memo1");
    outer->addWidget(Memo1);

    connect(RefreshBtn, &QPushButton::clicked, this, [this] { RefreshBtnClick(); });
    connect(SetBtn, &QPushButton::clicked, this, [this] { SetBtnClick(); });
    connect(DeleteBtn, &QPushButton::clicked, this, [this] { DeleteBtnClick(); });
}

void TUnicastFilterInformationForm::FormCreate()
{
    BindTable(kUnicast, QStringLiteral("dot1qStaticUnicastTable"), LV_dot1qStaticUnicastEntry, ED_UnicastVID,
              UnicastAddress, kPorts, PortGrid, kStatus, UStatus, Memo1, ST_Count);
    // After the binding's own handler, which has loaded the row into the controls.
    connect(KtBoundRow::Track(LV_dot1qStaticUnicastEntry), &KtBoundRow::Changed, this, [this] { ListSelectItem(); });
    RunOperation(*m_table, [this] { m_table->Get(); });
    SetRowState(false);
}

void TUnicastFilterInformationForm::FreeControls()
{
    // The grid goes first; the binding holds its boxes weakly.
    delete PortGrid;
    PortGrid = nullptr;
}

void TUnicastFilterInformationForm::SetRowState(bool rowSelected)
{
    ED_UnicastVID->setReadOnly(rowSelected);
    UnicastAddress->setReadOnly(rowSelected);
    DeleteBtn->setEnabled(rowSelected);
    SetBtn->setEnabled(!rowSelected);
}

void TUnicastFilterInformationForm::ClearInputs()
{
    if (PortGrid)
        PortGrid->UncheckAll();
    ED_UnicastVID->clear();
    UnicastAddress->clear();
    UStatus->setCurrentIndex(-1);
}

void TUnicastFilterInformationForm::ListSelectItem()
{
    const bool selected = KtBoundRow::Of(LV_dot1qStaticUnicastEntry) != nullptr;
    KeepSelectedReceivePort(selected);
    if (!selected) {
        ClearInputs();
        ShowRowCounts();
    }
    SetRowState(selected);
}

void TUnicastFilterInformationForm::RefreshBtnClick()
{
    // As its multicast sibling: refused with the guard message while a walk runs (which it
    // leaves as it is, stopped or not).
    if (RunOperation(*m_table, [this] { m_table->Get(); }))
        ShowRowCounts();
}

void TUnicastFilterInformationForm::SetBtnClick()
{
    RunOperation(
        *m_table,
        [this] {
            // A new entry filters frames from any port.
            SendAtReceivePort({kPorts, kStatus}, kAnyPort);
            m_table->Get();
            ClearInputs();
        },
        [this] { return CheckNewEntry(ED_UnicastVID, UnicastAddress, UStatus, kNotPermanent); });
}

void TUnicastFilterInformationForm::DeleteBtnClick()
{
    const bool ran = RunOperation(
        *m_table,
        [this] {
            // The status alone: the port list stays as the agent has it.
            UStatus->setCurrentIndex(kInvalidPosition);
            SendAtReceivePort({kStatus}, SelectedReceivePort());
            ClearInputs();
            m_table->Get();
        },
        [this] {
            return Require(!ED_UnicastVID->text().isEmpty() && !UnicastAddress->text().isEmpty()
                               && !SelectedReceivePort().isEmpty(),
                           kSelectEntry);
        });
    if (ran)
        SetRowState(false);
}

// ---- multicast ----------------------------------------------------------------------------

const KtDialogType TMulticastFilterInformationForm::Type = KtDialogType::Of<TMulticastFilterInformationForm>("Multicast Filter Information: ");

TMulticastFilterInformationForm::TMulticastFilterInformationForm(QWidget* owner, bool enlarge)
    : TStaticFilterFormBase(owner, enlarge)
{
    setObjectName(QStringLiteral("MulticastFilterInformationForm"));
    BuildControls();
    SetFormSize(600, 580);
    FormCreate();
}


void TMulticastFilterInformationForm::BuildControls()
{
    auto [outer, top, left, list] = FormControls::ListFrame(this, "LV_dot1qStaticMulticastEntry");
    LV_dot1qStaticMulticastEntry = list;

    auto* form = new QFormLayout;
    left->addLayout(form);
    ED_MulticastVID = FormControls::Edit(this, form, "ED_MulticastVID", "VID");
    ED_MACAddress = FormControls::Edit(this, form, "ED_MACAddress", "MAC Address");
    Status = FormControls::Combo(this, form, "Status", "Status");

    PortPages = new QTabWidget(this);
    PortPages->setObjectName(QStringLiteral("PortPages"));
    auto* scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    QWidget* host = GridHost(scroll);
    scroll->setWidget(host);
    PortPages->addTab(scroll, QStringLiteral("Egress Ports"));
    left->addWidget(PortPages);
    EgressGrid = MakePortGrid(host);

    ST_Count = FormControls::SamplesRow(this, left, "ST_Count");

    RefreshBtn = Button(this, "RefreshBtn", "Refresh");
    SetBtn = Button(this, "SetBtn", "Set");
    AddBtn = Button(this, "AddBtn", "Add");
    DeleteBtn = Button(this, "DeleteBtn", "Delete");
    FormControls::ButtonColumn(top, {RefreshBtn, SetBtn, AddBtn, DeleteBtn});

    Memo1 = FormControls::StatusMemo(this, "Memo1");
    outer->addWidget(Memo1);

    connect(RefreshBtn, &QPushButton::clicked, this, [this] { RefreshBtnClick(); });
    connect(SetBtn, &QPushButton::clicked, this, [this] { SetBtnClick(); });
    connect(AddBtn, &QPushButton::clicked, this, [this] { AddBtnClick(); });
    connect(DeleteBtn, &QPushButton::clicked, this, [this] { DeleteBtnClick(); });
}

void TMulticastFilterInformationForm::FormCreate()
{
    BindTable(kMulticast, QStringLiteral("dot1qStaticMulticastTable"), LV_dot1qStaticMulticastEntry,
              ED_MulticastVID, ED_MACAddress, kPorts, EgressGrid, kStatus, Status, Memo1, ST_Count);
    connect(KtBoundRow::Track(LV_dot1qStaticMulticastEntry), &KtBoundRow::Changed, this, [this] { ListSelectItem(); });
    RunOperation(*m_table, [this] { m_table->Get(); });
    SetRowState(false);
}

void TMulticastFilterInformationForm::FreeControls()
{
    delete EgressGrid;
    EgressGrid = nullptr;
}

void TMulticastFilterInformationForm::SetRowState(bool rowSelected)
{
    ED_MulticastVID->setEnabled(!rowSelected);
    ED_MACAddress->setEnabled(!rowSelected);
    Status->setEnabled(!rowSelected);
    SetBtn->setEnabled(rowSelected);
    DeleteBtn->setEnabled(rowSelected);
    AddBtn->setEnabled(!rowSelected);
}

void TMulticastFilterInformationForm::ClearInputs()
{
    if (EgressGrid)
        EgressGrid->UncheckAll();
    ED_MulticastVID->clear();
    ED_MACAddress->clear();
    Status->setCurrentIndex(-1);
}

void TMulticastFilterInformationForm::ResetInputs()
{
    ClearInputs();
    SetRowState(false);
}

void TMulticastFilterInformationForm::ListSelectItem()
{
    const bool selected = KtBoundRow::Of(LV_dot1qStaticMulticastEntry) != nullptr;
    KeepSelectedReceivePort(selected);
    if (!selected)
        ClearInputs();
    SetRowState(selected);
}

void TMulticastFilterInformationForm::RefreshBtnClick()
{
    if (RunOperation(*m_table, [this] { m_table->Get(); }))
        ResetInputs();
}

void TMulticastFilterInformationForm::SetBtnClick()
{
    const bool ran = RunOperation(
        *m_table,
        [this] {
            // The port list alone: the entry keeps its status.
            SendAtReceivePort({kPorts}, SelectedReceivePort());
            m_table->Get();
        },
        [this] { return !SelectedReceivePort().isEmpty(); });
    if (ran)
        ResetInputs();
}

void TMulticastFilterInformationForm::DeleteBtnClick()
{
    const bool ran = RunOperation(
        *m_table,
        [this] {
            Status->setCurrentIndex(kInvalidPosition);
            SendAtReceivePort({kPorts, kStatus}, SelectedReceivePort());
            m_table->Get();
        },
        [this] { return Require(!SelectedReceivePort().isEmpty(), kSelectEntry); });
    if (ran)
        ResetInputs();
}

void TMulticastFilterInformationForm::AddBtnClick()
{
    const bool ran = RunOperation(
        *m_table,
        [this] {
            SendAtReceivePort({kPorts, kStatus}, kAnyPort);
            m_table->Get();
        },
        [this] { return CheckNewEntry(ED_MulticastVID, ED_MACAddress, Status, kNotPermanent); });
    if (ran)
        ResetInputs();
}
