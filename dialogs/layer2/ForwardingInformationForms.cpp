#include "dialogs/layer2/ForwardingInformationForms.h"
#include "dialogs/tables/Layer2Tables.h"

#include "KtNML/KtBoundRow.h"

#include "dialogs/FormControls.h"
#include "dialogs/StackingPortUitForm.h"
#include "dialogs/layer2/PortGridPages.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <iterator>

namespace {

constexpr int kUnits = 12;

const KtSNMPVarDef kTpGroup[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.2", "VLAN ID", KtSyn::Gauge, KtAcc::NotAccess},
    {"1.3.6.1.2.1.17.7.1.2.3.1.1", "Group Address", KtSyn::MacAddress, KtAcc::NotAccess},
    {"1.3.6.1.2.1.17.7.1.2.3.1.2", "Egress Ports", KtSyn::OctetStr, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.17.7.1.2.3.1.3", "GMRP Learnt Ports", KtSyn::OctetStr, KtAcc::ReadOnly},
    {},
};
static_assert(std::size(kTpGroup) == 4 + 1, "group destinations forwarded: four variables");

using namespace Layer2Tables::ForwardingInformation;

const TForwardingDef kTpGroupDef{
    kTpGroup, "dot1qTpGroupTable", 2, {"VLAN ID", "Group Address"},
    {{"Egress Ports", 2, true}, {"GMRP Learn Port", 3, true}}, false, {}};
// Each page shows the list its caption names.
const TForwardingDef kForwardAllDef{
    kForwardAll, "dot1qForwardAllTable", 1, {"VLAN ID"},
    {{"All Forwarded Ports", 1, true}, {"All Static Ports", 2, false}, {"All Forbiden Ports", 3, false}},
    true, {2, 3}};
// Shown only: Set walks the table again.
const TForwardingDef kForwardUnregisteredDef{
    kForwardUnregistered, "dot1qForwardUnregisteredTable", 1, {"VLAN ID"},
    {{"Unregistered Ports", 1, true}, {"Unregisteried Static Ports", 2, true}, {"Unregistered Forbidden Ports", 3, true}},
    true, {}};

using FormControls::Button;

// A page for caption holding a grid of twelve units (unit 1 shown); a read-only page keeps its
// boxes from the operator's clicks.
TStackingPortUitForm* AddUnitsPage(QTabWidget* pages, const char* caption, bool readOnly)
{
    auto* scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    auto* host = new QWidget;
    new QVBoxLayout(host);
    host->layout()->setContentsMargins(0, 0, 0, 0);
    scroll->setWidget(host);
    pages->addTab(scroll, QLatin1String(caption));
    auto* grid = new TStackingPortUitForm(host);
    for (int unit = 1; unit <= kUnits; ++unit)
        grid->AddUnit(QStringLiteral("Unit%1").arg(unit), PortGridPages::kBoxesPerUnit, PortGridPages::kColumns);
    grid->ShowUnit(QLatin1String(PortGridPages::kModel), PortGridPages::kModelPorts);
    if (readOnly)
        host->setEnabled(false);
    return grid;
}

} // namespace

TForwardingInformationForm::TForwardingInformationForm(QWidget* owner, bool enlarge, const TForwardingDef& def)
    : TDialogBase(owner, enlarge), m_def(def)
{
    BuildControls();
    SetFormSize(560, 480);
    FormCreate();
}


void TForwardingInformationForm::BuildControls()
{
    auto [outer, top, left, list] = FormControls::ListFrame(this, "ListView1");
    ListView1 = list;

    auto* form = new QFormLayout;
    ST_Count = FormControls::CountBox(this, "ST_Count");
    form->addRow(QStringLiteral("Samples"), ST_Count);
    for (const char* caption : m_def.keyCaptions) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("ST_Key%1").arg(KeyLabels.size()));
        form->addRow(QLatin1String(caption), label);
        KeyLabels.push_back(label);
    }
    left->addLayout(form);

    PortPages = new QTabWidget(this);
    PortPages->setObjectName(QStringLiteral("PortPages"));
    for (const TForwardingPage& page : m_def.pages)
        Grids.push_back(AddUnitsPage(PortPages, page.caption, page.readOnly));
    left->addWidget(PortPages);

    auto* buttons = new QVBoxLayout;
    RefreshBtn = Button(this, "RefreshBtn", "Refresh");
    buttons->addWidget(RefreshBtn);
    if (m_def.hasSet) {
        SetBtn = Button(this, "SetBtn", "Set");
        buttons->addWidget(SetBtn);
    }
    CloseBtn = Button(this, "CloseBtn", "Close");
    buttons->addWidget(CloseBtn);
    buttons->addStretch();
    top->addLayout(buttons);

    Memo1 = FormControls::StatusMemo(this, "Memo1");
    outer->addWidget(Memo1);

    connect(RefreshBtn, &QPushButton::clicked, this, [this] { RefreshBtnClick(); });
    if (SetBtn)
        connect(SetBtn, &QPushButton::clicked, this, [this] { SetBtnClick(); });
    connect(CloseBtn, &QPushButton::clicked, this, [this] { CloseBtnClick(); });
}

void TForwardingInformationForm::FormCreate()
{
    m_table = &AddRequest(m_def.variables, KtItem::MVT_FMV, m_def.keyCount, QLatin1String(m_def.listName));
    RunOperation(*m_table, [this] {
        m_table->BindListView(ListView1, false);
        for (std::size_t k = 0; k < KeyLabels.size(); ++k)
            m_table->Bind(int(k), KeyLabels[k]);
        // The port list has 32 bits: the first unit's boxes.
        const QString bits = PortGridPages::BitIndex();
        for (std::size_t p = 0; p < m_def.pages.size(); ++p)
            if (m_def.pages[p].column >= 0)
                m_table->BindBitsList(m_def.pages[p].column, bits, Grids[p]->FirstBoxes(PortGridPages::kBoxesPerUnit));
        m_table->SetStatusTarget(Memo1);
        WatchGetDone(*m_table);
        WatchRowCount(ListView1, ST_Count);
        // After the binding's own handler, which has loaded the row into the controls.
        connect(KtBoundRow::Track(ListView1), &KtBoundRow::Changed, this, [this] { ListSelectItem(); });
        m_table->Get();
    });
    if (SetBtn)
        SetBtn->setEnabled(m_def.setColumns.empty());
}

void TForwardingInformationForm::FreeControls()
{
    // The grids go first; the bindings hold their boxes weakly.
    for (TStackingPortUitForm*& grid : Grids) {
        delete grid;
        grid = nullptr;
    }
}

bool TForwardingInformationForm::RowSelected() const
{
    return KtBoundRow::Of(ListView1) != nullptr;
}

void TForwardingInformationForm::ListSelectItem()
{
    const bool selected = RowSelected();
    if (!selected)
        ClearDetails();
    if (SetBtn && !m_def.setColumns.empty())
        SetBtn->setEnabled(selected);
}

void TForwardingInformationForm::ClearDetails()
{
    for (TStackingPortUitForm* grid : Grids)
        if (grid)
            grid->UncheckAll();
    for (QLabel* label : KeyLabels)
        label->clear();
    if (SetBtn && !m_def.setColumns.empty())
        SetBtn->setEnabled(false);
}

void TForwardingInformationForm::RefreshBtnClick()
{
    RunOperation(*m_table, [this] {
        m_table->Get();
        ClearDetails();
    });
}

void TForwardingInformationForm::SetBtnClick()
{
    if (m_def.setColumns.empty()) {
        RefreshBtnClick();
        return;
    }
    // Without a selected VLAN there is nothing to write to (the key labels are empty).
    if (!RowSelected())
        return;
    RunOperation(*m_table, [this] {
        SendColumns(*m_table, m_def.setColumns);
        m_table->Get();
        ClearDetails();
    });
}

void TForwardingInformationForm::CloseBtnClick()
{
    close();
}

const KtDialogType TTpGroupDestinationForwardedForm::Type = KtDialogType::Of<TTpGroupDestinationForwardedForm>("Tp Group Destination Forwarded: ");

TTpGroupDestinationForwardedForm::TTpGroupDestinationForwardedForm(QWidget* owner, bool enlarge)
    : TForwardingInformationForm(owner, enlarge, kTpGroupDef)
{
    setObjectName(QStringLiteral("TpGroupDestinationForwardedForm"));
}

const KtDialogType TMulticastForwardingInformationForm::Type = KtDialogType::Of<TMulticastForwardingInformationForm>("Multicast Forwarding Information: ");

TMulticastForwardingInformationForm::TMulticastForwardingInformationForm(QWidget* owner, bool enlarge)
    : TForwardingInformationForm(owner, enlarge, kForwardAllDef)
{
    setObjectName(QStringLiteral("MulticastForwardingInformationForm"));
}

const KtDialogType TForwardUnregisteredInformationForm::Type = KtDialogType::Of<TForwardUnregisteredInformationForm>("Forward Unregistered Information: ");

TForwardUnregisteredInformationForm::TForwardUnregisteredInformationForm(QWidget* owner, bool enlarge)
    : TForwardingInformationForm(owner, enlarge, kForwardUnregisteredDef)
{
    setObjectName(QStringLiteral("ForwardUnregisteredInformationForm"));
}
