#include "dialogs/layer2/MLD_SnoopingGroupForm.h"

#include "KtNML/KtBoundRow.h"

#include "dialogs/FormControls.h"
#include "dialogs/layer2/PortGridPages.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <iterator>

namespace {

const KtSNMPVarDef kMldGroup[] = {
    {"1.3.6.1.4.1.32473.12.34.3.3.1.1", "MLD Snooping Group Info VLAN ID", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.34.3.3.1.2", "MLD Snooping Group Info IP Address", KtSyn::Ipv6Address, KtAcc::NotAccess},
    {"1.3.6.1.4.1.32473.12.34.3.3.1.3", "MLD Snooping Group Info MAC Address", KtSyn::MacAddress, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.34.3.3.1.4", "MLD Snooping Group Info Port Map", KtSyn::BitStr, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.34.3.3.1.5", "MLD Snooping Group Info Report Count", KtSyn::Integer, KtAcc::ReadOnly},
    {},
};
static_assert(std::size(kMldGroup) == 5 + 1, "MLD snooping groups: five variables");

constexpr int kIpAddress = 1, kMac = 2, kPortMap = 3, kCount = 4;

} // namespace

const KtDialogType TMLD_SnoopingGroupForm::Type = KtDialogType::Of<TMLD_SnoopingGroupForm>("MLD Snooping Group Information: ");

TMLD_SnoopingGroupForm::TMLD_SnoopingGroupForm(QWidget* owner, bool enlarge) : TDialogBase(owner, enlarge)
{
    setObjectName(QStringLiteral("MLD_SnoopingGroupForm"));
    BuildControls();
    SetFormSize(600, 480);
    FormCreate();
}


void TMLD_SnoopingGroupForm::BuildControls()
{
    auto [outer, top, left, list] = FormControls::ListFrame(this, "ListView1");
    ListView1 = list;

    auto* form = new QFormLayout;
    stVID = new QLabel(this);
    stVID->setObjectName(QStringLiteral("stVID"));
    form->addRow(QStringLiteral("VID"), stVID);
    // Read-only rather than disabled: the addresses can still be selected and copied.
    edtIPAddress = FormControls::Edit(this, form, "edtIPAddress", "IP Address");
    edtMAC = FormControls::Edit(this, form, "edtMAC", "MAC Address");
    edtCount = FormControls::Edit(this, form, "edtCount", "Count");
    for (QLineEdit* e : {edtIPAddress, edtMAC, edtCount})
        e->setReadOnly(true);
    left->addLayout(form);

    StackingPortPanel = new QWidget(this);
    StackingPortPanel->setObjectName(QStringLiteral("StackingPortPanel"));
    new QVBoxLayout(StackingPortPanel);
    StackingPortPanel->layout()->setContentsMargins(0, 0, 0, 0);
    // The member ports are shown, never chosen.
    StackingPortPanel->setEnabled(false);
    left->addWidget(StackingPortPanel);
    PortGrid = new TStackingPortUitForm(StackingPortPanel);
    PortGrid->AddUnit(QStringLiteral("Unit1"), PortGridPages::kBoxesPerUnit, PortGridPages::kColumns);
    PortGrid->ShowUnit(QLatin1String(PortGridPages::kModel), PortGridPages::kModelPorts);

    btnRefresh = FormControls::Button(this, "btnRefresh", "Refresh");
    FormControls::ButtonColumn(top, {btnRefresh});

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    outer->addWidget(StatusBar1);

    connect(btnRefresh, &QPushButton::clicked, this, [this] { btnRefreshClick(); });
}

void TMLD_SnoopingGroupForm::FormCreate()
{
    // No completion guard: nothing here writes, and closing stops the walk.
    m_table = &AddRequest(kMldGroup, KtItem::MVT_UMV, 2, QStringLiteral("mldSnoopingGroupTable"));
    m_table->SetStatusTarget(StatusBar1);
    try {
        m_table->BindListView(ListView1, false);
        m_table->Bind(0, stVID);
        m_table->BindFormatted(kIpAddress, QStringLiteral("%s{l32}"), {edtIPAddress});
        m_table->BindFormatted(kMac, QStringLiteral("%s"), {edtMAC});
        m_table->BindBitsList(kPortMap, PortGridPages::BitIndex(), PortGrid->PortBoxes);
        m_table->BindFormatted(kCount, QStringLiteral("%i"), {edtCount});
    } catch (const KtException& e) {
        m_table->ShowStatus(e.Message());
        return;
    }
    // After the binding's own handler, which has loaded the row into the controls.
    connect(KtBoundRow::Track(ListView1), &KtBoundRow::Changed, this, [this] {
        if (!KtBoundRow::Of(ListView1))
            ClearDetails();
    });
    Walk();
}

void TMLD_SnoopingGroupForm::FreeControls()
{
    // The grid goes first; the binding holds its boxes weakly.
    delete PortGrid;
    PortGrid = nullptr;
}

void TMLD_SnoopingGroupForm::ClearDetails()
{
    if (PortGrid)
        PortGrid->UncheckAll();
    stVID->clear();
    edtIPAddress->clear();
    edtCount->clear();
    edtMAC->clear();
}

void TMLD_SnoopingGroupForm::Walk()
{
    m_table->Request().Alive = true;
    try {
        m_table->Get();
    } catch (const KtException& e) {
        m_table->ShowStatus(e.Message());
    } catch (const std::exception& e) {
        m_table->ShowStatus(QString::fromLocal8Bit(e.what()));
    }
}

void TMLD_SnoopingGroupForm::btnRefreshClick()
{
    // A second walk over a running one would interleave their rows in the list.
    if (!m_table || m_table->Busy())
        return;
    Walk();
    ClearDetails();
}
