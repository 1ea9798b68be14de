#include "dialogs/security/RadiusServerForm.h"
#include "dialogs/tables/SecurityTables.h"

#include "dialogs/FormControls.h"
#include "dialogs/InputChecks.h"
#include "dialogs/security/AclOptions.h"

#include "KtNML/KtOptionList.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace {

using SecurityTables::kRadiusServer;

constexpr int kIp = 1, kKey = 2, kAuthPort = 3, kAcctPort = 4, kStatus = 5;
constexpr int kActivePosition = 0;
const QString kAuthDefault = QStringLiteral("1812");
const QString kAcctDefault = QStringLiteral("1813");

// A port edit's text that names the port's default ("" does not).
bool IsDefaultPort(const QString& text, const QString& defaultPort)
{
    const qint64 port = defaultPort.toLongLong();
    return InputChecks::IsWholeNumberIn(text, port, port);
}

// An empty port stands for the default.
QString PortOrDefault(const QString& text, const QString& defaultPort)
{
    return text.isEmpty() ? defaultPort : text;
}

} // namespace

// ---- the editor ---------------------------------------------------------------------------

TRadiusServerEditForm::TRadiusServerEditForm(QWidget* table) : TCompanionEditor(table)
{
    setObjectName(QStringLiteral("RadiusServerEditForm"));
    IndexComboBox = FormControls::Combo(this, Fields(), "IndexComboBox", "Index");
    IpEdit = FormControls::Edit(this, Fields(), "IpEdit", "IP Address");
    KeyEdit = FormControls::Edit(this, Fields(), "KeyEdit", "Key");
    PortIndexEdit = FormControls::Edit(this, Fields(), "PortIndexEdit", "Port Index");
    AccountPortEdit = FormControls::Edit(this, Fields(), "AccountPortEdit", "Accounting Port Index");
    StatusComboBox = FormControls::Combo(this, Fields(), "StatusComboBox", "Status");
    resize(300, 240);
}

void TRadiusServerEditForm::FormActivate()
{
    if (EditMode == kEditMode) {
        // The controls hold the selected server.
        IndexComboBox->setEnabled(false);
        StatusComboBox->setEnabled(false);
        return;
    }
    StatusComboBox->setCurrentIndex(AclOptions::kCreateAndGoPosition);
    StatusComboBox->setEnabled(false);
    IndexComboBox->setEnabled(true);
    IndexComboBox->setCurrentIndex(0);
    for (QLineEdit* edit : {IpEdit, KeyEdit, PortIndexEdit, AccountPortEdit})
        edit->clear();
}

// ---- the table dialog ---------------------------------------------------------------------

const KtDialogType TRadiusServerForm::Type = KtDialogType::Of<TRadiusServerForm>("RADIUS Server: ");

TRadiusServerForm::TRadiusServerForm(QWidget* owner, bool enlarge) : TCompanionTableBase(owner, enlarge)
{
    setObjectName(QStringLiteral("RadiusServerForm"));
    Editor = new TRadiusServerEditForm(this);
    SetFormSize(560, 360);
    connect(DeleteButton, &QPushButton::clicked, this, [this] { DeleteButtonClick(); });
    Editor->OnSet = [this] { return SetButtonClick(); };
    StartTable(kRadiusServer, QStringLiteral("radiusServerTable"), Editor, [this](KtSNMPRequest2Edits& r) {
        r.BindDropDown(0, Editor->IndexComboBox);
        r.BindFormatted(kIp, QStringLiteral("%s{l16}"), {Editor->IpEdit});
        r.BindFormatted(kKey, QStringLiteral("%s{l32}"), {Editor->KeyEdit});
        r.BindFormatted(kAuthPort, QStringLiteral("%i{n1x65535l5}"), {Editor->PortIndexEdit});
        r.BindFormatted(kAcctPort, QStringLiteral("%i{n1x65535l5}"), {Editor->AccountPortEdit});
        r.BindDropDown(kStatus, Editor->StatusComboBox);
    });
}

void TRadiusServerForm::DeleteButtonClick()
{
    DeleteSelected(kStatus, Editor->StatusComboBox, AclOptions::kDestroyPosition);
}

bool TRadiusServerForm::Refuse(const QString& message, QWidget* focus)
{
    ShowMessage(message);
    if (focus && focus->isEnabled())
        focus->setFocus();
    return false;
}

bool TRadiusServerForm::SetButtonClick()
{
    const bool adding = Editor->EditMode == TCompanionEditor::kAddMode;
    return RunOperation(
        Table(), [&] { adding ? SendAdd() : SendEdit(); }, [&] { return adding ? CheckAdd() : CheckEdit(); });
}

bool TRadiusServerForm::CheckAddressAndKey()
{
    if (Editor->IpEdit->text().isEmpty())
        return Refuse(kIpEmpty, Editor->IpEdit);
    const QString refusal = InputChecks::RadiusAddressRefusal(Editor->IpEdit->text());
    if (!refusal.isEmpty())
        return Refuse(refusal, Editor->IpEdit);
    if (Editor->KeyEdit->text().isEmpty())
        return Refuse(kKeyEmpty, Editor->KeyEdit);
    return true;
}

bool TRadiusServerForm::CheckAdd()
{
    if (Editor->IndexComboBox->currentIndex() < 0)
        return Refuse(kIndexNeeded, Editor->IndexComboBox);
    if (!CheckAddressAndKey())
        return false;
    if (RowWithKey(Editor->IndexComboBox->currentText()))
        return Refuse(kIndexExists, Editor->IndexComboBox);
    return CheckDuplicateServer() && CheckEdits(Table(), {kKey, kAuthPort, kAcctPort});
}

bool TRadiusServerForm::CheckEdit()
{
    // An emptied address or key would be written over the server's own.
    return CheckAddressAndKey() && CheckDuplicateServer() && CheckEdits(Table(), {kKey, kAuthPort, kAcctPort});
}

bool TRadiusServerForm::CheckDuplicateServer()
{
    const QString ip = Editor->IpEdit->text();
    const QString key = Editor->KeyEdit->text();
    const QString auth = PortOrDefault(Editor->PortIndexEdit->text(), kAuthDefault);
    const QString acct = PortOrDefault(Editor->AccountPortEdit->text(), kAcctDefault);
    for (int r = 0; r < ListView1->topLevelItemCount(); ++r) {
        const QTreeWidgetItem* row = ListView1->topLevelItem(r);
        if (InputChecks::SameIpv4Address(Cell(row, kIp), ip) && Cell(row, kKey) == key
            && Cell(row, kAuthPort) == auth && Cell(row, kAcctPort) == acct)
            return Refuse(kDuplicate, nullptr);
    }
    return true;
}

void TRadiusServerForm::SendAdd()
{
    // The row must exist before the second write makes it active with its ports: a first write
    // the agent refuses (a slot taken behind this dialog's back) ends the Add there.
    SendChain(Table(), {
        [this] {
            Editor->StatusComboBox->setCurrentIndex(AclOptions::kCreateAndGoPosition);
            SendRow(Table(), {kIp, kKey, kStatus});
        },
        [this] {
            Editor->StatusComboBox->setCurrentIndex(kActivePosition);
            std::vector<int> columns = {kIp, kKey};
            const QString auth = Editor->PortIndexEdit->text();
            const QString acct = Editor->AccountPortEdit->text();
            if (!auth.isEmpty() && !IsDefaultPort(auth, kAuthDefault))
                columns.push_back(kAuthPort);
            if (!acct.isEmpty() && !IsDefaultPort(acct, kAcctDefault))
                columns.push_back(kAcctPort);
            columns.push_back(kStatus);
            SendRow(Table(), columns);
        },
        [this] { Table().Get(); },
    });
}

void TRadiusServerForm::SendEdit()
{
    // Only what differs from the listed row goes out; the status as loaded.
    const QTreeWidgetItem* row = RowWithKey(Editor->IndexComboBox->currentText());
    std::vector<int> columns;
    if (!row || !InputChecks::SameIpv4Address(Cell(row, kIp), Editor->IpEdit->text()))
        columns.push_back(kIp);
    if (!row || Cell(row, kKey) != Editor->KeyEdit->text())
        columns.push_back(kKey);
    const std::pair<int, QLineEdit*> ports[] = {{kAuthPort, Editor->PortIndexEdit},
                                               {kAcctPort, Editor->AccountPortEdit}};
    for (const auto& [column, edit] : ports)
        if (!edit->text().isEmpty() && (!row || Cell(row, column) != edit->text()))
            columns.push_back(column);
    columns.push_back(kStatus);
    SendRow(Table(), columns);
    Table().Get();
}
