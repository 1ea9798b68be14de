#include "dialogs/layer2/SnoopingRouterPortsForms.h"
#include "dialogs/tables/Layer2Tables.h"

#include "KtNML/KtBoundRow.h"

#include "dialogs/FormControls.h"
#include "dialogs/layer2/PortGridPages.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <iterator>

namespace {

using namespace Layer2Tables::RouterPorts;

const TRouterPortsDef kIgmpDef{kIgmpRouterPorts, "igmpRouterPortsTable", "VLAN ID", 1, 2, 3, 4, false};
const TRouterPortsDef kMldDef{kMldRouterPorts, "mldRouterPortsTable", "VID", -1, 1, 2, 3, true};

using FormControls::Button;

} // namespace

TSnoopingRouterPortsForm::TSnoopingRouterPortsForm(QWidget* owner, bool enlarge, const TRouterPortsDef& def)
    : TDialogBase(owner, enlarge), m_def(def)
{
    BuildControls();
    SetFormSize(560, 480);
    FormCreate();
}


void TSnoopingRouterPortsForm::BuildControls()
{
    auto [outer, top, left, list] = FormControls::ListFrame(this, "ListView1");
    ListView1 = list;

    auto* form = new QFormLayout;
    stVlanID = new QLabel(this);
    stVlanID->setObjectName(QStringLiteral("stVlanID"));
    form->addRow(QLatin1String(m_def.vlanCaption), stVlanID);
    if (m_def.nameIndex >= 0) {
        stVlanName = new QLabel(this);
        stVlanName->setObjectName(QStringLiteral("stVlanName"));
        form->addRow(QStringLiteral("VLAN Name"), stVlanName);
    }
    left->addLayout(form);

    PortPages = new QTabWidget(this);
    PortPages->setObjectName(QStringLiteral("PortPages"));
    const auto grids = PortGridPages::Add(PortPages, {"Static Ports", "Dynamic Ports", "Forbidden Ports"});
    StaticGrid = grids[0];
    DynamicGrid = grids[1];
    ForbiddenGrid = grids[2];
    // The switch learns the dynamic ports: shown, never sent, so not for the operator to tick.
    DynamicGrid->SetReadOnly(true);
    left->addWidget(PortPages);

    btnGet = Button(this, "btnGet", "Refresh");
    btnSet = Button(this, "btnSet", "Set");
    btnStop = Button(this, "btnStop", "Stop");
    btnClose = Button(this, "btnClose", "Close");
    FormControls::ButtonColumn(top, {btnGet, btnSet, btnStop, btnClose});

    if (m_def.statusBar) {
        StatusBar1 = new QStatusBar(this);
        StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
        StatusBar1->setSizeGripEnabled(false);
        outer->addWidget(StatusBar1);
    } else {
        Memo1 = FormControls::StatusMemo(this, "Memo1");
        outer->addWidget(Memo1);
    }

    connect(btnGet, &QPushButton::clicked, this, [this] { btnGetClick(); });
    connect(btnSet, &QPushButton::clicked, this, [this] { btnSetClick(); });
    connect(btnStop, &QPushButton::clicked, this, [this] { btnStopClick(); });
    connect(btnClose, &QPushButton::clicked, this, [this] { btnCloseClick(); });
}

void TSnoopingRouterPortsForm::FormCreate()
{
    m_table = &AddRequest(m_def.variables, KtItem::MVT_FMV, 1, QLatin1String(m_def.listName));
    btnSet->setEnabled(false);
    RunOperation(*m_table, [this] {
        m_table->BindListView(ListView1, false);
        m_table->Bind(0, stVlanID);
        if (stVlanName)
            m_table->Bind(m_def.nameIndex, stVlanName);
        const QString bits = PortGridPages::BitIndex();
        m_table->BindBitsList(m_def.staticIndex, bits, StaticGrid->PortBoxes);
        m_table->BindBitsList(m_def.dynamicIndex, bits, DynamicGrid->PortBoxes);
        m_table->BindBitsList(m_def.forbiddenIndex, bits, ForbiddenGrid->PortBoxes);
        if (StatusBar1)
            m_table->SetStatusTarget(StatusBar1);
        else
            m_table->SetStatusTarget(Memo1);
        WatchGetDone(*m_table);
        // After the binding's own handler, which has loaded the row into the controls.
        connect(KtBoundRow::Track(ListView1), &KtBoundRow::Changed, this, [this] { ListView1SelectItem(); });
        m_table->Get();
    });
}

void TSnoopingRouterPortsForm::FreeControls()
{
    // The grids go first; the bindings hold their boxes weakly.
    for (TStackingPortUitForm** grid : {&StaticGrid, &DynamicGrid, &ForbiddenGrid}) {
        delete *grid;
        *grid = nullptr;
    }
}

bool TSnoopingRouterPortsForm::RowSelected() const
{
    return KtBoundRow::Of(ListView1) != nullptr;
}

void TSnoopingRouterPortsForm::ListView1SelectItem()
{
    const bool selected = RowSelected();
    if (!selected)
        ClearDetails();
    btnSet->setEnabled(selected);
}

void TSnoopingRouterPortsForm::ClearDetails()
{
    for (TStackingPortUitForm* grid : {StaticGrid, DynamicGrid, ForbiddenGrid})
        if (grid)
            grid->UncheckAll();
    stVlanID->clear();
    if (stVlanName)
        stVlanName->clear();
    btnSet->setEnabled(false);
}

void TSnoopingRouterPortsForm::btnGetClick()
{
    // Refresh is quietly ignored while anything runs.
    if (!GetComplete() || m_table->Busy())
        return;
    RunOperation(*m_table, [this] {
        m_table->Get();
        ClearDetails();
    });
}

void TSnoopingRouterPortsForm::btnSetClick()
{
    if (!RowSelected())
        return;
    RunOperation(*m_table, [this] {
        // The dynamic list is learnt by the switch: only the operator's two lists go out.
        SendColumns(*m_table, std::vector<int>{m_def.staticIndex, m_def.forbiddenIndex});
        m_table->Get();
        ClearDetails();
    });
}

void TSnoopingRouterPortsForm::btnStopClick()
{
    StopRequest(*m_table);
}

void TSnoopingRouterPortsForm::btnCloseClick()
{
    close();
}

const KtDialogType TIGMPRouterPortsForm::Type = KtDialogType::Of<TIGMPRouterPortsForm>("IGMP Snooping Router Ports: ");

TIGMPRouterPortsForm::TIGMPRouterPortsForm(QWidget* owner, bool enlarge)
    : TSnoopingRouterPortsForm(owner, enlarge, kIgmpDef)
{
    setObjectName(QStringLiteral("IGMPRouterPortsForm"));
}

const KtDialogType TMLD_SnoopingRouterPortsForm::Type = KtDialogType::Of<TMLD_SnoopingRouterPortsForm>("MLD Snooping Router Ports: ");

TMLD_SnoopingRouterPortsForm::TMLD_SnoopingRouterPortsForm(QWidget* owner, bool enlarge)
    : TSnoopingRouterPortsForm(owner, enlarge, kMldDef)
{
    setObjectName(QStringLiteral("MLD_SnoopingRouterPortsForm"));
}
