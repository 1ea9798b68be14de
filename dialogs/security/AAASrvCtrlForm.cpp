#include "dialogs/security/AAASrvCtrlForm.h"
#include "dialogs/tables/SecurityTables.h"

#include "dialogs/FormControls.h"
#include "dialogs/InputChecks.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QStringList>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

using namespace SecurityTables::AuthServer;

} // namespace

const KtDialogType TAAASrvCtrlForm::Type = KtDialogType::Of<TAAASrvCtrlForm>("Server Control: ");

TAAASrvCtrlForm::TAAASrvCtrlForm(QWidget* owner, bool enlarge) : TDialogBase(owner, enlarge)
{
    setObjectName(QStringLiteral("AAASrvCtrlForm"));
    BuildControls();
    SetFormSize(400, 260);
    FormCreate();
}

void TAAASrvCtrlForm::BuildControls()
{
    using namespace FormControls;
    auto* outer = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    outer->addLayout(form);
    edtSrvGrpName = Edit(this, form, "edtSrvGrpName", "Server Group Name");
    edtSrvIP = Edit(this, form, "edtSrvIP", "Server IP Address");
    cbxAuthPtcl = Combo(this, form, "cbxAuthPtcl", "Server Authentication Protocol");
    cbxOper = Combo(this, form, "cbxOper", "Operate");

    // Filled by the walk at creation; the form shows none of it.
    lvOper = new QTreeWidget(this);
    lvOper->setObjectName(QStringLiteral("lvOper"));
    lvOper->setVisible(false);
    outer->addWidget(lvOper);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    btnSet = Button(this, "btnSet", "Set");
    btnClose = Button(this, "btnClose", "Close");
    buttons->addWidget(btnSet);
    buttons->addWidget(btnClose);
    outer->addLayout(buttons);
    outer->addStretch();

    stbResult = new QStatusBar(this);
    stbResult->setObjectName(QStringLiteral("stbResult"));
    stbResult->setSizeGripEnabled(false);
    outer->addWidget(stbResult);

    connect(btnSet, &QPushButton::clicked, this, [this] { btnSetClick(); });
    connect(btnClose, &QPushButton::clicked, this, [this] { btnCloseClick(); });
}

void TAAASrvCtrlForm::FormCreate()
{
    m_control = &AddRequest(kServerControl, KtItem::MVT_UMV, 3, QStringLiteral("aacServerControlTable"));
    m_control->RefreshAfterSet = false;
    m_control->SetStatusTarget(stbResult);
    RunOperation(*m_control, [this] {
        m_control->BindListView(lvOper, false);
        m_control->BindFormatted(0, QStringLiteral("%s{l15}"), {edtSrvGrpName});
        m_control->BindFormatted(1, QStringLiteral("%s{l16}"), {edtSrvIP});
        m_control->Bind(2, cbxAuthPtcl);
        m_control->Bind(kRowState, cbxOper);
        WatchGetDone(*m_control);
        m_control->Get();
    });
}

bool TAAASrvCtrlForm::CheckInputs()
{
    return Require(!edtSrvGrpName->text().isEmpty(), kNoGroup) && Require(!edtSrvIP->text().isEmpty(), kNoIp)
           && Require(cbxAuthPtcl->currentIndex() >= 0, kNoProtocol)
           && Require(cbxOper->currentIndex() >= 0, kNoOperation)
           // The name and the address make the instance: they must be what they claim.
           && CheckEdits(*m_control, {0, 1}) && Require(InputChecks::IsIpv4Text(edtSrvIP->text()), kBadIp);
}

void TAAASrvCtrlForm::btnSetClick()
{
    // The inputs stay, so that the same group can be given the next server.
    RunOperation(*m_control, [this] { SendColumn(*m_control, kRowState); }, [this] { return CheckInputs(); });
}

void TAAASrvCtrlForm::btnCloseClick()
{
    close();
}
