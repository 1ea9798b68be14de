#include "dialogs/layer2/MultipleConfigControlForm.h"
#include "dialogs/tables/Layer2Tables.h"

#include "dialogs/FormControls.h"
#include "dialogs/ProgressForm.h"

#include "KtNML/KtOptionList.h"
#include "KtNML/KtSNMPSession.h"

#include "views/WindowTitle.h"

#include <QComboBox>
#include <QPushButton>

namespace {

using namespace Layer2Tables::ConfigControl;

constexpr int kAction = 1;
constexpr int kTimeout = 300;  // 3 s, in hundredths of a second

} // namespace

// ---- the editor ---------------------------------------------------------------------------

TMultiConfigControlEditForm::TMultiConfigControlEditForm(QWidget* table) : TCompanionEditor(table)
{
    setObjectName(QStringLiteral("MultiConfigControlEditForm"));
    setWindowTitle(QStringLiteral("Multiple Config Control Edit"));
    SetButton->setObjectName(QStringLiteral("btnSet"));
    CloseButton->setObjectName(QStringLiteral("btnClose"));
    cbxCtrlID = FormControls::Combo(this, Fields(), "cbxCtrlID", "Config Control ID");
    cbxCfgAction = FormControls::Combo(this, Fields(), "cbxCfgAction", "Config Action");
    resize(300, 120);
}

void TMultiConfigControlEditForm::FormActivate()
{
    // The action applies to the configuration selected in the list, never another.
    cbxCtrlID->setEnabled(false);
}

// ---- the table dialog ---------------------------------------------------------------------

const KtDialogType TMultipleConfigControlForm::Type = KtDialogType::Of<TMultipleConfigControlForm>("Multiple Config Control: ");

TMultipleConfigControlForm::TMultipleConfigControlForm(QWidget* owner, bool enlarge)
    : TCompanionTableBase(owner, enlarge)
{
    setObjectName(QStringLiteral("MultipleConfigControlForm"));
    GetButton->setObjectName(QStringLiteral("btnGet"));
    EditButton->setObjectName(QStringLiteral("btnEdit"));
    // Two fixed configurations: nothing to add or remove.
    AddButton->hide();
    DeleteButton->hide();
    btnClose = AddColumnButton("btnClose", "Close");
    connect(btnClose, &QPushButton::clicked, this, [this] { close(); });
    Editor = new TMultiConfigControlEditForm(this);
    SetFormSize(420, 260);
    Editor->OnSet = [this] { return SetButtonClick(); };
    StartTable(kConfigControl, QStringLiteral("configControlTable"), Editor, [this](KtSNMPRequest2Edits& r) {
        r.Request().Params.timeout = kTimeout;
        r.BindDropDown(0, Editor->cbxCtrlID);
        r.BindDropDown(kAction, Editor->cbxCfgAction);
    });
}

QString TMultipleConfigControlForm::EditorCaption(int) const
{
    return KtWindowTitle(kEditCaption, KtDeviceText());
}

bool TMultipleConfigControlForm::SetButtonClick()
{
    bool sent = false;
    // The configuration is the key in cbxCtrlID, loaded from the selected row: only the
    // action goes out.
    if (!RunOperation(Table(), [&] {
            SendColumn(Table(), kAction);
            sent = true;
        }))
        return false;
    if (sent && Editor->cbxCfgAction->currentText() == QLatin1String("active")) {
        TProgressForm2 progress(this);
        progress.setWindowTitle(kProgressCaption);
        progress.SetPrompt(kProgressPrompt);
        progress.SetTickLimit(kProgressTicks);
        // A refused write has nothing to wait for.
        progress.WatchWrite(Table());
        progress.ShowModal();
    }
    // Closes after an error too: it is in Memo1.
    return true;
}
