#include "dialogs/layer2/BOOTCtrlTableForm.h"
#include "dialogs/tables/Layer2Tables.h"

#include "KtNML/KtBoundRow.h"

#include "dialogs/FormControls.h"
#include "dialogs/InputChecks.h"

#include "KtNML/KtOptionList.h"
#include "KtNML/KtSNMPSession.h"

#include "views/WindowTitle.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace {

using namespace Layer2Tables::DhcpRelay;

// Positions in ComboBox1.
constexpr int kInvalidPosition = 1, kValidPosition = 2;

} // namespace

// ---- the entry dialog ---------------------------------------------------------------------

TNewBootpCtrlForm::TNewBootpCtrlForm(QWidget* table) : TCompanionEditor(table)
{
    setObjectName(QStringLiteral("NewBootpCtrlForm"));
    setWindowTitle(QStringLiteral("New DHCP Ctrl Entry"));
    Edit1 = FormControls::Edit(this, Fields(), "Edit1", "Interface Name");
    Edit2 = FormControls::Edit(this, Fields(), "Edit2", "DHCP Server IP");
    resize(300, 120);
}

void TNewBootpCtrlForm::FormActivate()
{
    Edit1->setEnabled(true);
    Edit2->setEnabled(true);
    Edit1->clear();
    Edit2->clear();
}

// ---- the table dialog ---------------------------------------------------------------------

const KtDialogType TBOOTCtrlTableForm::Type = KtDialogType::Of<TBOOTCtrlTableForm>("DHCP Control Table: ");

TBOOTCtrlTableForm::TBOOTCtrlTableForm(QWidget* owner, bool enlarge) : TCompanionTableBase(owner, enlarge)
{
    setObjectName(QStringLiteral("BOOTCtrlTableForm"));
    GetButton->setObjectName(QStringLiteral("RefreshBtn"));
    AddButton->setObjectName(QStringLiteral("AddBtn"));
    DeleteButton->setObjectName(QStringLiteral("DeleteBtn"));
    // Entries are added and removed, never changed.
    EditButton->hide();
    CloseBtn = AddColumnButton("CloseBtn", "Close");
    btnStop = AddColumnButton("btnStop", "Stop");
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->hide();
    connect(DeleteButton, &QPushButton::clicked, this, [this] { DeleteButtonClick(); });
    connect(CloseBtn, &QPushButton::clicked, this, [this] { close(); });
    connect(btnStop, &QPushButton::clicked, this, [this] { StopButtonClick(); });
    Editor = new TNewBootpCtrlForm(this);
    SetFormSize(480, 300);
    Editor->OnSet = [this] { return SetButtonClick(); };
    StartTable(
        kDhcpRelay, QStringLiteral("dhcpRelayCtrlTable"), Editor,
        [this](KtSNMPRequest2Edits& r) {
            r.BindFormatted(kName, QStringLiteral("%s"), {Editor->Edit1});
            r.BindFormatted(kServer, QStringLiteral("%s"), {Editor->Edit2});
            r.BindDropDown(kState, ComboBox1);
        },
        KtItem::MVT_FMV, 2);
    // No Edit: a double click on a row opens nothing.
    disconnect(ListView1, &QTreeWidget::itemDoubleClicked, this, nullptr);
}

QString TBOOTCtrlTableForm::EditorCaption(int) const
{
    return KtWindowTitle(QStringLiteral("New DHCP Control: "), KtDeviceText());
}

void TBOOTCtrlTableForm::DeleteButtonClick()
{
    // The keys are the selected row's, whatever an Add left in the entry dialog.
    if (KtBoundRow::Of(ListView1) != nullptr)
        DeleteSelected(kState, ComboBox1, kInvalidPosition);
}

void TBOOTCtrlTableForm::StopButtonClick()
{
    StopRequest(Table());
}

int TBOOTCtrlTableForm::ServersOf(const QString& interfaceName) const
{
    int count = 0;
    for (int r = 0; r < ListView1->topLevelItemCount(); ++r)
        if (Cell(ListView1->topLevelItem(r), kName) == interfaceName)
            ++count;
    return count;
}

bool TBOOTCtrlTableForm::CheckEntry()
{
    if (Editor->Edit1->text().isEmpty()) {
        ShowMessage(kNameNeeded);
        Editor->Edit1->setFocus();
        return false;
    }
    if (!InputChecks::ParseIpv4(Editor->Edit2->text())) {
        ShowMessage(kBadServer);
        Editor->Edit2->setFocus();
        return false;
    }
    return Require(ServersOf(Editor->Edit1->text()) < kServersPerInterface, kFourServers);
}

bool TBOOTCtrlTableForm::SetButtonClick()
{
    bool sent = false;
    RunOperation(
        Table(),
        [&] {
            // State "valid" at the instance of the typed name and address creates the entry.
            ComboBox1->setCurrentIndex(kValidPosition);
            SendColumn(Table(), kState);
            sent = true;
            Table().Get();
        },
        [&] { return CheckEntry(); });
    if (!sent)
        return false;  // refused (a message said why) or failed (Memo1 says why): stays open
    Editor->Edit1->clear();
    Editor->Edit2->clear();
    return true;
}
