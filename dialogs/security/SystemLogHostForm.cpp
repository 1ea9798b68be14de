#include "dialogs/security/SystemLogHostForm.h"
#include "dialogs/tables/SecurityTables.h"

#include "dialogs/FormControls.h"
#include "dialogs/InputChecks.h"
#include "dialogs/security/AclOptions.h"

#include "KtNML/KtOptionList.h"
#include "KtNML/KtSNMPSession.h"

#include "views/WindowTitle.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace {

using SecurityTables::kLogHost;

constexpr int kIp = 1, kFacility = 2, kSeverity = 3, kPort = 4, kState = 5, kRowStatus = 6;

} // namespace

// ---- the editor ---------------------------------------------------------------------------

TLogHostEditForm::TLogHostEditForm(QWidget* table) : TCompanionEditor(table)
{
    setObjectName(QStringLiteral("LogHostEditForm"));
    cbxIndex = FormControls::Combo(this, Fields(), "cbxIndex", "Server Index");
    IPAddrEdit = FormControls::Edit(this, Fields(), "IPAddrEdit", "Server IP Address");
    FacComboBox = FormControls::Combo(this, Fields(), "FacComboBox", "Server Facility");
    SevComboBox = FormControls::Combo(this, Fields(), "SevComboBox", "Server Severity");
    PortEdit = FormControls::Edit(this, Fields(), "PortEdit", "Server UDP Port");
    StateComboBox = FormControls::Combo(this, Fields(), "StateComboBox", "Server State");
    RowComboBox = FormControls::Combo(this, Fields(), "RowComboBox", "Server Row Status");
    resize(320, 280);
}

void TLogHostEditForm::FormActivate()
{
    if (EditMode == kEditMode) {
        // They show the selected host.
        cbxIndex->setEnabled(false);
        RowComboBox->setEnabled(false);
        return;
    }
    cbxIndex->setEnabled(true);
    RowComboBox->setEnabled(true);
    cbxIndex->setCurrentIndex(-1);
    FacComboBox->setCurrentIndex(0);
    SevComboBox->setCurrentIndex(0);
    StateComboBox->setCurrentIndex(0);
    // The operator chooses createAndGo before an Add is taken.
    RowComboBox->setCurrentIndex(0);
    PortEdit->clear();
    IPAddrEdit->clear();
}

// ---- the table dialog ---------------------------------------------------------------------

const KtDialogType TSystemLogHostForm::Type = KtDialogType::Of<TSystemLogHostForm>("System Log Host: ");

TSystemLogHostForm::TSystemLogHostForm(QWidget* owner, bool enlarge) : TCompanionTableBase(owner, enlarge)
{
    setObjectName(QStringLiteral("SystemLogHostForm"));
    Editor = new TLogHostEditForm(this);
    SetFormSize(600, 360);
    connect(DeleteButton, &QPushButton::clicked, this, [this] { DeleteButtonClick(); });
    Editor->OnSet = [this] { return SetButtonClick(); };
    StartTable(kLogHost, QStringLiteral("swSysLogServerTable"), Editor, [this](KtSNMPRequest2Edits& r) {
        r.BindDropDown(0, Editor->cbxIndex);
        r.BindFormatted(kIp, QStringLiteral("%s{l16}"), {Editor->IPAddrEdit});
        r.BindDropDown(kFacility, Editor->FacComboBox);
        r.BindDropDown(kSeverity, Editor->SevComboBox);
        r.BindFormatted(kPort, QStringLiteral("%i{l5}"), {Editor->PortEdit});
        r.BindDropDown(kState, Editor->StateComboBox);
        r.BindDropDown(kRowStatus, Editor->RowComboBox);
    });
}

QString TSystemLogHostForm::EditorCaption(int mode) const
{
    return KtWindowTitle(mode == TCompanionEditor::kAddMode ? QStringLiteral("Log Host Add: ") : QStringLiteral("Log Host Edit: "),
                         KtDeviceText());
}

bool TSystemLogHostForm::IsSyslogPort(const QString& text)
{
    return InputChecks::IsWholeNumberIn(text, 514, 514) || InputChecks::IsWholeNumberIn(text, 6000, 65535);
}

void TSystemLogHostForm::DeleteButtonClick()
{
    DeleteSelected(kRowStatus, Editor->RowComboBox, AclOptions::kDestroyPosition);
}

bool TSystemLogHostForm::Refuse(const QString& message, QWidget* focus)
{
    ShowMessage(message);
    if (focus && focus->isEnabled())
        focus->setFocus();
    return false;
}

bool TSystemLogHostForm::SetButtonClick()
{
    const bool adding = Editor->EditMode == TCompanionEditor::kAddMode;
    return RunOperation(
        Table(), [&] { adding ? SendAdd() : SendEdit(); }, [&] { return adding ? CheckAdd() : CheckEdit(); });
}

bool TSystemLogHostForm::CheckPortAndAddress()
{
    const QString port = Editor->PortEdit->text();
    if (!port.isEmpty() && !IsSyslogPort(port))
        return Refuse(kBadPort, Editor->PortEdit);
    if (Editor->IPAddrEdit->text().isEmpty())
        return Refuse(kIpEmpty, Editor->IPAddrEdit);
    if (!InputChecks::IsLogHostAddress(Editor->IPAddrEdit->text()))
        return Refuse(kBadIp, Editor->IPAddrEdit);
    return true;
}

bool TSystemLogHostForm::CheckAdd()
{
    if (Editor->cbxIndex->currentIndex() < 0)
        return Refuse(kIndexNeeded, Editor->cbxIndex);
    if (!CheckPortAndAddress())
        return false;
    const QString ip = Editor->IPAddrEdit->text();
    for (int r = 0; r < ListView1->topLevelItemCount(); ++r)
        if (InputChecks::SameIpv4Address(Cell(ListView1->topLevelItem(r), kIp), ip))
            return Refuse(kIpTaken, Editor->IPAddrEdit);
    if (Editor->RowComboBox->currentIndex() != AclOptions::kCreateAndGoPosition)
        return Refuse(kMustCreateAndGo, Editor->RowComboBox);
    return true;
}

bool TSystemLogHostForm::CheckEdit()
{
    if (!CheckPortAndAddress())
        return false;
    const QString ip = Editor->IPAddrEdit->text();
    const QTreeWidgetItem* own = RowWithKey(Editor->cbxIndex->currentText());
    if (own && InputChecks::SameIpv4Address(Cell(own, kIp), ip))
        return true;
    for (int r = 0; r < ListView1->topLevelItemCount(); ++r) {
        const QTreeWidgetItem* row = ListView1->topLevelItem(r);
        if (row != own && InputChecks::SameIpv4Address(Cell(row, kIp), ip))
            return Refuse(kIpTaken, Editor->IPAddrEdit);
    }
    return true;
}

void TSystemLogHostForm::SendAdd()
{
    // What the operator left empty the switch fills with its defaults.
    std::vector<int> columns;
    const std::pair<int, QString> fields[] = {
        {kIp, Editor->IPAddrEdit->text()},       {kFacility, Editor->FacComboBox->currentText()},
        {kSeverity, Editor->SevComboBox->currentText()}, {kPort, Editor->PortEdit->text()},
        {kState, Editor->StateComboBox->currentText()},
    };
    for (const auto& [column, text] : fields)
        if (!text.isEmpty())
            columns.push_back(column);
    columns.push_back(kRowStatus);
    SendRow(Table(), columns);
    Table().Get();
}

void TSystemLogHostForm::SendEdit()
{
    std::vector<int> columns;
    const QString ip = Editor->IPAddrEdit->text();
    if (!ip.isEmpty() && InputChecks::ParseIpv4(ip) != 0u)
        columns.push_back(kIp);
    const std::pair<int, QString> fields[] = {
        {kFacility, Editor->FacComboBox->currentText()}, {kSeverity, Editor->SevComboBox->currentText()},
        {kPort, Editor->PortEdit->text()}, {kState, Editor->StateComboBox->currentText()},
    };
    for (const auto& [column, text] : fields)
        if (!text.isEmpty())
            columns.push_back(column);
    // Never the row status: an Edit neither creates nor destroys. An empty index list would
    // name every variable.
    if (!columns.empty())
        SendRow(Table(), columns);
    Table().Get();
}
