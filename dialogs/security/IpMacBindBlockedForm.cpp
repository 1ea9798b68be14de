#include "dialogs/security/IpMacBindBlockedForm.h"
#include "dialogs/tables/SecurityTables.h"

#include "dialogs/FormControls.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

using namespace SecurityTables::IpMacBinding;
constexpr int kBlockedType = 4;
constexpr int kDeletePosition = 1;
using FormControls::Button;

} // namespace

const KtDialogType TIpMacBindBlockedForm::Type = KtDialogType::Of<TIpMacBindBlockedForm>("IP-MAC Binding Blocked: ");

TIpMacBindBlockedForm::TIpMacBindBlockedForm(QWidget* owner, bool enlarge) : TAclDialogBase(owner, enlarge)
{
    setObjectName(QStringLiteral("IpMacBindBlockedForm"));
    BuildControls();
    SetFormSize(560, 400);
    FormCreate();
}

void TIpMacBindBlockedForm::BuildControls()
{
    auto* outer = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    outer->addLayout(top, 1);
    ListView1 = new QTreeWidget(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    top->addWidget(ListView1, 1);
    ComboType = new QComboBox(this);
    ComboType->setObjectName(QStringLiteral("ComboType"));
    ComboType->setVisible(false);

    btnGet = Button(this, "btnGet", "Refresh");
    btnDelete = Button(this, "btnDelete", "Delete");
    btnClose = Button(this, "btnClose", "Close");
    FormControls::ButtonColumn(top, {btnGet, btnDelete, btnClose});

    Memo1 = FormControls::StatusMemo(this, "Memo1");
    outer->addWidget(Memo1);

    connect(btnGet, &QPushButton::clicked, this, [this] { btnGetClick(); });
    connect(btnDelete, &QPushButton::clicked, this, [this] { btnDeleteClick(); });
    connect(btnClose, &QPushButton::clicked, this, [this] { btnCloseClick(); });
}

void TIpMacBindBlockedForm::FormCreate()
{
    m_table = &AddTableRequest(kBlocked, 2, QStringLiteral("ipMacBindBlockedTable"), ListView1);
    m_table->SetStatusTarget(Memo1);
    m_table->Bind(kBlockedType, ComboType);
    SetStateControls({btnDelete}, {});
    Reload();
}

void TIpMacBindBlockedForm::btnGetClick()
{
    if (m_table->Busy())
        return;
    Reload();
}

void TIpMacBindBlockedForm::btnDeleteClick()
{
    if (m_table->Busy() || !RowSelected())
        return;
    RunCommand([this] {
        ComboType->setCurrentIndex(kDeletePosition);
        SendColumn(*m_table, kBlockedType);
    });
}

void TIpMacBindBlockedForm::btnCloseClick()
{
    close();
}
