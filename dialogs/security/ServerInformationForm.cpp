#include "dialogs/security/ServerInformationForm.h"
#include "dialogs/tables/SecurityTables.h"

#include "dialogs/FormControls.h"
#include "dialogs/InputChecks.h"
#include "dialogs/security/AclOptions.h"

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
constexpr int kPort = 2, kKey = 3, kTimeout = 4, kRetry = 5, kRowStatus = 6;

// The chosen option's text; empty with nothing chosen.
QString Choice(const QComboBox* combo)
{
    return combo->currentIndex() < 0 ? QString() : combo->currentText();
}

} // namespace

const KtDialogType TServerInformationForm::Type = KtDialogType::Of<TServerInformationForm>("Server Information: ");

TServerInformationForm::TServerInformationForm(QWidget* owner, bool enlarge) : TAclDialogBase(owner, enlarge)
{
    setObjectName(QStringLiteral("ServerInformationForm"));
    BuildControls();
    SetFormSize(640, 460);
    FormCreate();
}

void TServerInformationForm::BuildControls()
{
    using namespace FormControls;
    auto [outer, top, left, list] = FormControls::ListFrame(this, "ListView1");
    ListView1 = list;
    auto* form = new QFormLayout;
    left->addLayout(form);
    IPEdit = Edit(this, form, "IPEdit", "Server IP");
    ProtocolComboBox = Combo(this, form, "ProtocolComboBox", "Server Auth Protocol");
    PortEdit = Edit(this, form, "PortEdit", "Server Auth Port");
    KeyEdit = Edit(this, form, "KeyEdit", "Server Auth Key");
    TimeoutEdit = Edit(this, form, "TimeoutEdit", "Server Timeout");
    RetryCEdit = Edit(this, form, "RetryCEdit", "Server Retry Count");
    RowComboBox = Combo(this, form, "RowComboBox", "Server Row Status");

    auto* buttons = new QVBoxLayout;
    top->addLayout(buttons);
    GetButton = Button(this, "GetButton", "Refresh");
    EditButton = Button(this, "EditButton", "Edit");
    AddButton = Button(this, "AddButton", "Add");
    DeleteButton = Button(this, "DeleteButton", "Delete");
    for (QPushButton* b : {GetButton, EditButton, AddButton, DeleteButton})
        buttons->addWidget(b);
    Static = CountBox(this, "Static");
    buttons->addWidget(Static);
    buttons->addStretch();
    AddStatusBar(outer);

    connect(GetButton, &QPushButton::clicked, this, [this] { GetButtonClick(); });
    connect(EditButton, &QPushButton::clicked, this, [this] { EditButtonClick(); });
    connect(AddButton, &QPushButton::clicked, this, [this] { AddButtonClick(); });
    connect(DeleteButton, &QPushButton::clicked, this, [this] { DeleteButtonClick(); });
}

void TServerInformationForm::FormCreate()
{
    KtSNMPRequest2Edits& table = AddTableRequest(kServerTable, 2, QStringLiteral("aacServerTable"), ListView1);
    table.BindFormatted(0, QStringLiteral("%s{l16}"), {IPEdit});
    table.Bind(1, ProtocolComboBox);
    table.BindFormatted(kPort, QStringLiteral("%i{n1x65535l5}"), {PortEdit});
    table.BindFormatted(kKey, QStringLiteral("%s{l254}"), {KeyEdit});
    table.BindFormatted(kTimeout, QStringLiteral("%i{n1x255l3}"), {TimeoutEdit});
    table.BindFormatted(kRetry, QStringLiteral("%i{n1x255l3}"), {RetryCEdit});
    table.Bind(kRowStatus, RowComboBox);
    RowComboBox->setCurrentIndex(AclOptions::kCreateAndGoPosition);
    WatchRowCount(ListView1, Static);

    SetStateControls({EditButton, DeleteButton}, {IPEdit, ProtocolComboBox, AddButton});
    Reload();
}

void TServerInformationForm::ClearInputs()
{
    for (QLineEdit* e : {IPEdit, PortEdit, KeyEdit, TimeoutEdit, RetryCEdit})
        e->clear();
}

std::set<int> TServerInformationForm::EmptyValues() const
{
    std::set<int> empty;
    for (const auto& [column, edit] : {std::pair{kPort, PortEdit}, std::pair{kKey, KeyEdit},
                                       std::pair{kTimeout, TimeoutEdit}, std::pair{kRetry, RetryCEdit}})
        if (edit->text().isEmpty())
            empty.insert(column);
    return empty;
}

bool TServerInformationForm::IsListedServer(const QString& address, const QString& protocol) const
{
    const std::optional<quint32> wanted = InputChecks::ParseIpv4(address.trimmed());
    if (!wanted)
        return false;
    for (int r = 0; r < ListView1->topLevelItemCount(); ++r) {
        const QTreeWidgetItem* row = ListView1->topLevelItem(r);
        if (InputChecks::ParseIpv4(row->text(0)) == wanted && row->text(1) == protocol)
            return true;
    }
    return false;
}

bool TServerInformationForm::CheckKeys(bool focus)
{
    QLineEdit* ip = focus ? IPEdit : nullptr;
    QComboBox* protocol = focus ? ProtocolComboBox : nullptr;
    return RequireAt(!IPEdit->text().isEmpty(), kNoIp, ip)
           && RequireAt(!Choice(ProtocolComboBox).isEmpty(), kNoProtocol, protocol)
           // The address names the row: text that is no address would name another one.
           && RequireAt(InputChecks::IsIpv4Text(IPEdit->text()), kBadIp, ip);
}

bool TServerInformationForm::CheckSent(const std::set<int>& leftOut)
{
    std::vector<int> columns{0};
    for (int i : WritableExcept(TableRequest()->VarList(), leftOut))
        columns.push_back(i);
    return CheckEdits(*TableRequest(), columns);
}

void TServerInformationForm::GetButtonClick()
{
    Reload();
}

void TServerInformationForm::AddButtonClick()
{
    std::set<int> leftOut;
    RunCommand([&] { SendAllBut(*TableRequest(), leftOut); },
               [&] {
                   if (!CheckKeys(true)
                       || !RequireAt(!IsListedServer(IPEdit->text(), Choice(ProtocolComboBox)), kDuplicate, IPEdit)
                       || !RequireCreateAndGo(RowComboBox, kMustCreateAndGo))
                       return false;
                   leftOut = EmptyValues();
                   return CheckSent(leftOut);
               });
}

void TServerInformationForm::EditButtonClick()
{
    if (!RowSelected())
        return;
    const bool destroy = RowComboBox->currentIndex() == AclOptions::kDestroyPosition;
    std::set<int> leftOut;
    if (destroy) {
        leftOut = {kPort, kKey, kTimeout, kRetry};
    } else {
        // The row status goes out only to destroy the row.
        leftOut = EmptyValues();
        leftOut.insert(kRowStatus);
    }
    RunCommand(
        [&] {
            // Every edit emptied: there is nothing to change, only the list to read again.
            if (!WritableExcept(TableRequest()->VarList(), leftOut).empty())
                SendAllBut(*TableRequest(), leftOut);
        },
        [&] { return CheckKeys(false) && CheckSent(leftOut); });
}

void TServerInformationForm::DeleteButtonClick()
{
    // Only a selected row has its keys in the address and protocol controls.
    if (!RowSelected())
        return;
    RunCommand([&] { DestroyRow(*TableRequest(), kRowStatus, RowComboBox, AclOptions::kDestroyPosition); });
}
