#pragma once
// The hosts the switch has blocked by address binding (view, release one).
#include "dialogs/security/AclDialogBase.h"

class QComboBox;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;

class TIpMacBindBlockedForm : public TAclDialogBase {
    Q_OBJECT
public:
    static const KtDialogType Type;  // its menu command's dialog
    explicit TIpMacBindBlockedForm(QWidget* owner, bool enlarge = false);

    void btnGetClick();
    void btnDeleteClick();
    void btnCloseClick();

    QTreeWidget* ListView1 = nullptr;
    QComboBox* ComboType = nullptr;  // never shown: the value Delete writes
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* btnGet = nullptr;
    QPushButton* btnDelete = nullptr;
    QPushButton* btnClose = nullptr;

protected:
    void ClearInputs() override {}

private:
    void BuildControls();
    void FormCreate();

    KtSNMPRequest2Edits* m_table = nullptr;
};
