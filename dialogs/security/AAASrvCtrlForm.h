#pragma once
// Adds an authentication server to a server group or takes it out of one: one SET of the row
// state at the instance group name, address, protocol. Asynchronous; its table is walked at
// creation into a list nobody sees, and Set waits until that walk (or the previous Set) has
// ended.
#include "dialogs/security/AclDialogBase.h"

#include <QString>

class QComboBox;
class QLineEdit;
class QPushButton;
class QStatusBar;
class QTreeWidget;

class TAAASrvCtrlForm : public TDialogBase {
    Q_OBJECT
public:
    static const KtDialogType Type;  // its menu command's dialog
    explicit TAAASrvCtrlForm(QWidget* owner, bool enlarge = false);

    static inline const QString kNoGroup = QStringLiteral("Please input Server Group Name.");
    static inline const QString kNoIp = QStringLiteral("Please input Server IP Address.");
    static inline const QString kNoProtocol = QStringLiteral("Please choose Server Authentication Protocol.");
    static inline const QString kNoOperation = QStringLiteral("Please choose Operate.");
    static inline const QString kBadIp = QStringLiteral("Please input a valid ip");

    void btnSetClick();
    void btnCloseClick();

    KtSNMPRequest2Edits* ControlRequest() const { return m_control; }

    QLineEdit* edtSrvGrpName = nullptr;
    QLineEdit* edtSrvIP = nullptr;
    QComboBox* cbxAuthPtcl = nullptr;
    QComboBox* cbxOper = nullptr;
    QTreeWidget* lvOper = nullptr;
    QPushButton* btnSet = nullptr;
    QPushButton* btnClose = nullptr;
    QStatusBar* stbResult = nullptr;

private:
    void BuildControls();
    void FormCreate();
    bool CheckInputs();

    KtSNMPRequest2Edits* m_control = nullptr;
};
