#pragma once
// TMLD_SnoopingGroupForm: the MLD snooping groups the switch has learnt, by VLAN and IPv6
// group address, read-only: the table walked into a list view, the selected group's MAC
// address, report count and member ports shown; Refresh reads it again.
#include "dialogs/DialogBase.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
class QTreeWidget;
class TStackingPortUitForm;

class TMLD_SnoopingGroupForm : public TDialogBase {
    Q_OBJECT
public:
    static const KtDialogType Type;  // its menu command's dialog
    explicit TMLD_SnoopingGroupForm(QWidget* owner, bool enlarge = false);

    // Reads the table again; ignored while a walk runs.
    void btnRefreshClick();

    QTreeWidget* ListView1 = nullptr;
    QLabel* stVID = nullptr;
    QLineEdit* edtIPAddress = nullptr;
    QLineEdit* edtMAC = nullptr;
    QLineEdit* edtCount = nullptr;
    QWidget* StackingPortPanel = nullptr;
    TStackingPortUitForm* PortGrid = nullptr;
    QPushButton* btnRefresh = nullptr;
    QStatusBar* StatusBar1 = nullptr;

    KtSNMPRequest2Edits* TableRequest() const { return m_table; }

protected:
    void FreeControls() override;

private:
    void BuildControls();
    void FormCreate();
    void ClearDetails();
    // Starts the walk; an error of sending stands in the status bar.
    void Walk();

    KtSNMPRequest2Edits* m_table = nullptr;
};
