#include "dialogs/layer2/VLanPortInfomationForm.h"
#include "dialogs/tables/Layer2Tables.h"

#include "KtNML/KtBoundRow.h"
#include "dialogs/FormControls.h"
#include "dialogs/InputChecks.h"

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
using namespace Layer2Tables::VlanInformation;
constexpr int kPvid = 1, kFrameTypes = 2, kIngress = 3, kPortGvrp = 4;

} // namespace

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
