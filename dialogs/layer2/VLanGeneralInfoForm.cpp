#include "dialogs/layer2/VLanGeneralInfoForm.h"
#include "dialogs/tables/Layer2Tables.h"

#include "dialogs/FormControls.h"
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
using namespace Layer2Tables::VlanInformation;
constexpr int kBaseGvrp = 4;

using namespace VlanFormParts;

} // namespace

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
