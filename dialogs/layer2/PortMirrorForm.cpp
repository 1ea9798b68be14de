#include "dialogs/layer2/PortMirrorForm.h"
#include "dialogs/tables/Layer2Tables.h"

#include "dialogs/FormControls.h"

#include "KtNML/KtOptionList.h"
#include "dialogs/StackingPortUitForm.h"
#include "dialogs/tables/TrunkTable.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

using namespace Layer2Tables::PortMirror;

constexpr int kTarget = 0, kIngress = 1, kEgress = 2, kState = 3;
constexpr int kBoxesPerUnit = 32, kColumns = 12;
constexpr const char* kModel = "VKR-2207";
constexpr int kModelPorts = 10;

using FormControls::Button;

QLineEdit* Edit(QWidget* parent, const char* name)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(QLatin1String(name));
    return e;
}

// A group box holding one port grid.
TStackingPortUitForm* GridIn(QGroupBox* box)
{
    new QVBoxLayout(box);
    return new TStackingPortUitForm(box);
}

bool Ticked(const TStackingPortUitForm* grid, int port)
{
    const int box = port - 1;
    return grid && box >= 0 && box < int(grid->PortBoxes.size()) && grid->PortBoxes[std::size_t(box)]->isChecked();
}

} // namespace

const KtDialogType TPortMirrorForm::Type = KtDialogType::Of<TPortMirrorForm>("Port Mirror: ");

TPortMirrorForm::TPortMirrorForm(QWidget* owner, bool enlarge) : TDialogBase(owner, enlarge)
{
    setObjectName(QStringLiteral("PortMirrorForm"));
    SetSynchronous(true);
    BuildControls();
    SetFormSize(560, 470);
    FormCreate();
}


void TPortMirrorForm::BuildControls()
{
    auto* outer = new QVBoxLayout(this);

    auto* target = new QGroupBox(QStringLiteral("Target Port "), this);
    auto* targetRow = new QHBoxLayout(target);
    UnitEdit = Edit(this, "UnitEdit");
    UnitEdit->setText(QStringLiteral("0"));
    PortEdit = Edit(this, "PortEdit");
    targetRow->addWidget(new QLabel(QStringLiteral("Unit : "), this));
    targetRow->addWidget(UnitEdit);
    targetRow->addWidget(new QLabel(QStringLiteral("Port : "), this));
    targetRow->addWidget(PortEdit);
    ET_TargetPort = Edit(this, "ET_TargetPort");
    ET_TargetPort->setEnabled(false);
    ET_TargetPort->hide();
    targetRow->addStretch();
    outer->addWidget(target);
    m_target = std::make_unique<TUnitPortEdits>(UnitEdit, PortEdit, UnitPorts::kMirrorPortsPerUnit);

    auto* source = new QGroupBox(QStringLiteral("Source Port"), this);
    auto* sourceRows = new QVBoxLayout(source);
    auto* ingress = new QGroupBox(QStringLiteral("Ingress Port"), source);
    auto* egress = new QGroupBox(QStringLiteral("Egress Port"), source);
    IngressGrid = GridIn(ingress);
    EgressGrid = GridIn(egress);
    sourceRows->addWidget(ingress);
    sourceRows->addWidget(egress);
    outer->addWidget(source, 1);

    auto* bottom = new QHBoxLayout;
    auto* state = new QFormLayout;
    State_Combox = new QComboBox(this);
    State_Combox->setObjectName(QStringLiteral("State_Combox"));
    state->addRow(QStringLiteral("Mirroring Status"), State_Combox);
    bottom->addLayout(state);
    bottom->addStretch();
    BT_Refresh = Button(this, "BT_Refresh", "Refresh");
    BT_Set = Button(this, "BT_Set", "Set Member");
    bottom->addWidget(BT_Refresh);
    bottom->addWidget(BT_Set);
    outer->addLayout(bottom);

    // The trunk table, read only for the checks of the target port.
    TrunkPanel = new QWidget(this);
    TrunkPanel->setObjectName(QStringLiteral("TrunkPanel"));
    new QVBoxLayout(TrunkPanel);
    LV_PortTrunk = new QTreeWidget(TrunkPanel);
    LV_PortTrunk->setObjectName(QStringLiteral("LV_PortTrunk"));
    ED_MasterPort = Edit(TrunkPanel, "ED_MasterPort");
    TrunkPanel->layout()->addWidget(LV_PortTrunk);
    TrunkPanel->layout()->addWidget(ED_MasterPort);
    TrunkGrid = new TStackingPortUitForm(TrunkPanel);
    TrunkPanel->hide();
    outer->addWidget(TrunkPanel);

    StatusBar = FormControls::PanelStatusBar(this, outer, "StatusBar", StatusPanel, "StatusPanel");

    connect(BT_Refresh, &QPushButton::clicked, this, [this] { BT_RefreshClick(); });
    connect(BT_Set, &QPushButton::clicked, this, [this] { BT_SetClick(); });
}

void TPortMirrorForm::FormCreate()
{
    for (TStackingPortUitForm* grid : {IngressGrid, EgressGrid, TrunkGrid}) {
        grid->AddUnit(QStringLiteral("Unit1"), kBoxesPerUnit, kColumns);
        grid->ShowUnit(QLatin1String(kModel), kModelPorts);
    }
    m_units = UnitPorts::StandaloneUnits();
    m_bitIndex = TStackingPortUitForm::BitIndexText(kBoxesPerUnit);

    m_mirror = &AddRequest(kPortMirror, KtItem::SVT_SV, 0, QStringLiteral("portMirror"));
    m_mirror->Mode = 0;
    RunOperation(*m_mirror, [this] {
        m_mirror->BindFormatted(kTarget, QStringLiteral("%i"), {ET_TargetPort});
        m_mirror->BindBitsList(kIngress, m_bitIndex, IngressGrid->PortBoxes);
        m_mirror->BindBitsList(kEgress, m_bitIndex, EgressGrid->PortBoxes);
        m_mirror->BindDropDown(kState, State_Combox);
        m_mirror->SetStatusTarget(StatusPanel);
        // Whatever puts a number into the hidden target edit (a read, Set Member) shows it.
        connect(ET_TargetPort, &QLineEdit::textChanged, this, [this] { ET_TargetPortChange(); });
        m_mirror->Get();
    });

    m_trunk = &AddRequest(TrunkTable::kDefs, KtItem::MVT_UMV, TrunkTable::kKeyCount,
                          QStringLiteral("portTrunkTable"));
    m_trunk->Mode = 0;
    RunOperation(*m_trunk, [this] {
        m_trunk->BindListView(LV_PortTrunk, false);
        m_trunk->BindFormatted(TrunkTable::kMaster, QStringLiteral("%i"), {ED_MasterPort});
        m_trunk->BindBitsList(TrunkTable::kMembers, m_bitIndex, TrunkGrid->PortBoxes);
        m_trunk->SetStatusTarget(StatusPanel);
        m_trunk->Get();
    });
}

void TPortMirrorForm::FreeControls()
{
    // The grids go first; the bindings hold their boxes weakly.
    for (TStackingPortUitForm** grid : {&IngressGrid, &EgressGrid, &TrunkGrid}) {
        delete *grid;
        *grid = nullptr;
    }
}

void TPortMirrorForm::ET_TargetPortChange()
{
    // "(NULL)" after a failed read, or anything else that is no number: nothing to show.
    m_target->ShowNumber(ET_TargetPort->text());
}

bool TPortMirrorForm::TrunksRead()
{
    // The trunk walk lets events in while its rows are shown: no command may start then.
    return Require(!m_trunk->Busy(), kNotComplete);
}

void TPortMirrorForm::BT_RefreshClick()
{
    RunOperation(
        *m_mirror,
        [this] {
            m_mirror->Get();
            m_trunk->Request().Alive = true;
            m_trunk->Get();
            ET_TargetPortChange();
        },
        [this] { return TrunksRead(); });
}

void TPortMirrorForm::BT_SetClick()
{
    RunOperation(
        *m_mirror, [this] { SendRow(*m_mirror, {kTarget, kIngress, kEgress, kState}); },
        [this] { return TrunksRead() && CheckTarget(); });
}

bool TPortMirrorForm::CheckTarget()
{
    const int u = UnitPorts::DigitsValue(UnitEdit->text()).value_or(-1);
    const UnitPorts::UnitInfo* unit = u > 0 && u <= UnitPorts::kMaxUnit ? UnitPorts::FindUnit(m_units, u) : nullptr;
    if (!unit) {
        ShowMessage(kBadTarget);
        UnitEdit->setFocus();
        return false;
    }
    const std::optional<int> p = UnitPorts::DigitsValue(PortEdit->text());
    if (!p) {
        m_mirror->ShowStatus(1, QStringLiteral("'%1' is not a port number").arg(PortEdit->text()));
        PortEdit->setFocus();
        return false;
    }
    if (*p <= 0) {
        ShowMessage(kBadPort);
        PortEdit->setFocus();
        ShowMessage(kBadTarget);
        return false;
    }
    if (*p > unit->ports) {
        ShowMessage(kBadTarget);
        PortEdit->setFocus();
        return false;
    }
    const int n = UnitPorts::Encode(u, *p, UnitPorts::kMirrorPortsPerUnit);
    if (InEnabledTrunk(n))
        return false;
    ET_TargetPort->setText(QString::number(n));
    return Require(!Ticked(IngressGrid, n) && !Ticked(EgressGrid, n), kMemberTarget);
}

bool TPortMirrorForm::InEnabledTrunk(int n)
{
    bool member = false;
    const KtSNMPVar& state = m_trunk->VarList().Item(TrunkTable::kState);
    for (int r = 0; r < LV_PortTrunk->topLevelItemCount(); ++r) {
        // Selecting the row loads it into the hidden controls.
        QTreeWidgetItem* item = LV_PortTrunk->topLevelItem(r);
        // Alone in the selection, whatever keys are held down: then it is the bound row.
        LV_PortTrunk->clearSelection();
        LV_PortTrunk->setCurrentItem(item);
        item->setSelected(true);
        if (state.Value == TrunkTable::kEnableText && Ticked(TrunkGrid, n)) {
            ShowMessage(kTrunkTarget);
            member = true;
        }
    }
    LV_PortTrunk->clearSelection();
    return member;
}
