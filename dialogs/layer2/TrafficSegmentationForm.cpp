#include "dialogs/layer2/TrafficSegmentationForm.h"
#include "dialogs/tables/Layer2Tables.h"

#include "KtNML/KtBoundRow.h"

#include "dialogs/FormControls.h"
#include "dialogs/StackingPortUitForm.h"
#include "dialogs/UnitPortEdits.h"
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

using namespace Layer2Tables::TrafficSegmentation;

constexpr int kPort = 0, kForwardPorts = 1;

using FormControls::Button;

} // namespace

const KtDialogType TTrafficSegmentationForm::Type = KtDialogType::Of<TTrafficSegmentationForm>("Traffic Segmentation Table: ");

TTrafficSegmentationForm::TTrafficSegmentationForm(QWidget* owner, bool enlarge) : TDialogBase(owner, enlarge)
{
    setObjectName(QStringLiteral("TrafficSegmentationForm"));
    SetGuardMessage(kRefreshNotComplete);
    BuildControls();
    SetFormSize(520, 460);
    FormCreate();
}


void TTrafficSegmentationForm::BuildControls()
{
    auto [outer, top, left, list] = FormControls::ListFrame(this, "LV_TrafficForward");
    LV_TrafficForward = list;

    auto* form = new QFormLayout;
    StaticText1 = FormControls::CountBox(this, "StaticText1");
    form->addRow(QStringLiteral("Samples"), StaticText1);
    Combo_Port = FormControls::Edit(this, form, "Combo_Port", "Port : ");
    Combo_Port->setReadOnly(true);
    Combo_Unit = new QLineEdit(this);
    Combo_Unit->setObjectName(QStringLiteral("Combo_Unit"));
    Combo_Unit->setReadOnly(true);
    Combo_Unit->hide();
    ST_Port = new QLabel(this);
    ST_Port->setObjectName(QStringLiteral("ST_Port"));
    ST_Port->hide();
    left->addLayout(form);
    m_port = std::make_unique<TUnitPortEdits>(Combo_Unit, Combo_Port, UnitPorts::kMirrorPortsPerUnit);

    auto* gridHost = new QWidget(this);
    new QVBoxLayout(gridHost);
    gridHost->layout()->setContentsMargins(0, 0, 0, 0);
    PortGrid = new TStackingPortUitForm(gridHost);
    PortGrid->setObjectName(QStringLiteral("StackingPortUitForm"));
    PortGrid->AddUnit(QStringLiteral("Unit1"), PortGridPages::kBoxesPerUnit, PortGridPages::kColumns);
    PortGrid->ShowUnit(QLatin1String(PortGridPages::kModel), PortGridPages::kModelPorts);
    left->addWidget(gridHost);

    BT_Get = Button(this, "BT_Get", "Refresh");
    BT_Set = Button(this, "BT_Set", "Set");
    StopBtn = Button(this, "StopBtn", "Stop");
    CloseBtn = Button(this, "CloseBtn", "Close");
    FormControls::ButtonColumn(top, {BT_Get, BT_Set, StopBtn, CloseBtn});

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    outer->addWidget(StatusBar1);

    connect(BT_Get, &QPushButton::clicked, this, [this] { BT_GetClick(); });
    connect(BT_Set, &QPushButton::clicked, this, [this] { BT_SetClick(); });
    connect(StopBtn, &QPushButton::clicked, this, [this] { StopBtnClick(); });
    connect(CloseBtn, &QPushButton::clicked, this, [this] { CloseBtnClick(); });
}

void TTrafficSegmentationForm::FormCreate()
{
    m_table = &AddRequest(kTrafficSegmentation, KtItem::MVT_UMV, 1, QStringLiteral("trafficSegTable"));
    BT_Set->setEnabled(false);
    RunOperation(*m_table, [this] {
        m_table->BindListView(LV_TrafficForward, false);
        m_table->Bind(kPort, ST_Port);
        m_table->BindBitsList(kForwardPorts, PortGridPages::BitIndex(), PortGrid->PortBoxes);
        m_table->SetStatusTarget(StatusBar1);
        WatchGetDone(*m_table);
        WatchRowCount(LV_TrafficForward, StaticText1);
        // After the binding's own handler, which has loaded the row into the controls.
        connect(KtBoundRow::Track(LV_TrafficForward), &KtBoundRow::Changed, this, [this] { ListSelectItem(); });
        m_table->Get();
    });
}

void TTrafficSegmentationForm::FreeControls()
{
    // The grid goes first; the bindings hold its boxes weakly.
    delete PortGrid;
    PortGrid = nullptr;
}

bool TTrafficSegmentationForm::RowSelected() const
{
    return KtBoundRow::Of(LV_TrafficForward) != nullptr;
}

void TTrafficSegmentationForm::ListSelectItem()
{
    if (!RowSelected()) {
        ClearDetails();
        return;
    }
    m_port->ShowNumber(ST_Port->text());
    BT_Set->setEnabled(true);
}

void TTrafficSegmentationForm::ClearDetails()
{
    if (PortGrid)
        PortGrid->UncheckAll();
    m_port->Clear();
    BT_Set->setEnabled(false);
}

void TTrafficSegmentationForm::BT_GetClick()
{
    RunOperation(*m_table, [this] {
        m_table->Get();
        ClearDetails();
    });
}

void TTrafficSegmentationForm::BT_SetClick()
{
    RunOperation(
        *m_table,
        [this] {
            SendColumn(*m_table, kForwardPorts);
            m_table->Get();
            ClearDetails();
        },
        // Set writes the selected ingress port only.
        [this] { return RowSelected() && !ST_Port->text().isEmpty(); });
}

void TTrafficSegmentationForm::StopBtnClick()
{
    // The walk's get-done, once its outstanding reply is in, marks it complete.
    StopRequest(*m_table);
}

void TTrafficSegmentationForm::CloseBtnClick()
{
    close();
}
