#include "dialogs/security/IPMACBindingForm.h"
#include "dialogs/tables/SecurityTables.h"

#include "dialogs/FormControls.h"
#include "dialogs/InputChecks.h"
#include "dialogs/StackingPortUitForm.h"
#include "dialogs/security/AclOptions.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kBoxesPerUnit = 32, kColumns = 12;
constexpr const char* kModel = "VKR-2207";
constexpr int kModelPorts = 10;
using namespace SecurityTables::IpMacBinding;
constexpr int kIp = 0, kMac = 1, kPorts = 2, kStatus = 3, kMode = 4;
using FormControls::Button;

} // namespace

const KtDialogType TIPMACBindingForm::Type = KtDialogType::Of<TIPMACBindingForm>("IP-MAC Binding: ");

TIPMACBindingForm::TIPMACBindingForm(QWidget* owner, bool enlarge) : TAclDialogBase(owner, enlarge)
{
    setObjectName(QStringLiteral("IPMACBindingForm"));
    BuildControls();
    SetFormSize(640, 520);
    FormCreate();
}

void TIPMACBindingForm::BuildControls()
{
    auto [outer, top, left, list] = FormControls::ListFrame(this, "ListView1");
    ListView1 = list;

    auto* form = new QFormLayout;
    left->addLayout(form);
    edtIpAddr = FormControls::Edit(this, form, "edtIpAddr", "IP Address");
    edtMacAddr = FormControls::Edit(this, form, "edtMacAddr", "MAC Address");
    cbxMode = FormControls::Combo(this, form, "cbxMode", "Mode");
    ComboStatus = new QComboBox(this);
    ComboStatus->setObjectName(QStringLiteral("ComboStatus"));
    ComboStatus->setVisible(false);

    StackingPortPanel = new QWidget(this);
    StackingPortPanel->setObjectName(QStringLiteral("StackingPortPanel"));
    new QVBoxLayout(StackingPortPanel);
    StackingPortPanel->layout()->setContentsMargins(0, 0, 0, 0);
    left->addWidget(StackingPortPanel);
    PortGrid = new TStackingPortUitForm(StackingPortPanel);

    btnGet = Button(this, "btnGet", "Refresh");
    btnEdit = Button(this, "btnEdit", "Edit");
    btnAdd = Button(this, "btnAdd", "Add");
    btnDelete = Button(this, "btnDelete", "Delete");
    btnClose = Button(this, "btnClose", "Close");
    FormControls::ButtonColumn(top, {btnGet, btnEdit, btnAdd, btnDelete, btnClose});
    AddStatusBar(outer);

    connect(btnGet, &QPushButton::clicked, this, [this] { btnGetClick(); });
    connect(btnEdit, &QPushButton::clicked, this, [this] { btnEditClick(); });
    connect(btnAdd, &QPushButton::clicked, this, [this] { btnAddClick(); });
    connect(btnDelete, &QPushButton::clicked, this, [this] { btnDeleteClick(); });
    connect(btnClose, &QPushButton::clicked, this, [this] { btnCloseClick(); });
}

void TIPMACBindingForm::FormCreate()
{
    PortGrid->AddUnit(QStringLiteral("Unit1"), kBoxesPerUnit, kColumns);
    PortGrid->ShowUnit(QLatin1String(kModel), kModelPorts);
    m_table = &AddTableRequest(kBinding, 1, QStringLiteral("ipMacBindTable"), ListView1);
    m_table->BindFormatted(kIp, QStringLiteral("%s{l16}"), {edtIpAddr});
    m_table->BindFormatted(kMac, QStringLiteral("%s{l12}"), {edtMacAddr});
    m_table->BindBitsList(kPorts, TStackingPortUitForm::BitIndexText(kBoxesPerUnit),
                          PortGrid->FirstBoxes(kBoxesPerUnit));
    m_table->Bind(kStatus, ComboStatus);
    m_table->Bind(kMode, cbxMode);
    SetStateControls({btnEdit, btnDelete}, {edtIpAddr});
    Reload();
}

void TIPMACBindingForm::ClearInputs()
{
    edtIpAddr->clear();
    edtMacAddr->clear();
    cbxMode->setCurrentIndex(0);
    if (PortGrid)
        PortGrid->UncheckAll();
}

void TIPMACBindingForm::FreeControls()
{
    // The grid goes first; the binding holds its boxes weakly.
    delete PortGrid;
    PortGrid = nullptr;
}

bool TIPMACBindingForm::CheckAddresses()
{
    return RequireAt(InputChecks::IsIpv4Text(edtIpAddr->text()), kBadIp, edtIpAddr)
        && RequireAt(InputChecks::IsMacText(edtMacAddr->text()), kBadMac, edtMacAddr);
}

void TIPMACBindingForm::SendBinding(int statusPosition, const std::function<bool()>& check)
{
    if (m_table->Busy())
        return;
    RunCommand(
        [this, statusPosition] {
            if (statusPosition >= 0)
                ComboStatus->setCurrentIndex(statusPosition);
            SendAllBut(*m_table, {});
        },
        check);
}

void TIPMACBindingForm::btnGetClick()
{
    if (m_table->Busy())
        return;
    Reload();
}

void TIPMACBindingForm::btnAddClick()
{
    SendBinding(AclOptions::kCreateAndGoPosition, [this] { return CheckAddresses(); });
}

void TIPMACBindingForm::btnEditClick()
{
    // The row status goes out as it was read.
    SendBinding(-1, [this] { return CheckAddresses(); });
}

void TIPMACBindingForm::btnDeleteClick()
{
    // The whole row goes with "destroy", the other columns as the controls show them.
    SendBinding(AclOptions::kDestroyPosition, {});
}

void TIPMACBindingForm::btnCloseClick()
{
    close();
}
