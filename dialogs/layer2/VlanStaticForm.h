#pragma once
// TVlanStaticForm: the rows of the 802.1Q static VLAN table (dot1qVlanStaticTable): walks
// them into a list view, creates a VLAN (Add), changes its port lists and row status (Set)
// and removes it (Delete); shows dot1qNextFreeLocalVlanIndex.
#include "dialogs/DialogBase.h"

#include <QString>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;
class TStackingPortUitForm;

class TVlanStaticForm : public TDialogBase {
    Q_OBJECT
public:
    static const KtDialogType Type;  // its menu command's dialog
    explicit TVlanStaticForm(QWidget* owner, bool enlarge = false);

    // Button handlers.
    void RefreshBtnClick();
    void SetBtnClick();
    void AddBtnClick();
    void DeleteBtnClick();
    void btnStopClick();
    void btnCloseClick();

    // VLAN IDs the dialog sends: a whole number from 1 to 4094.
    static bool ValidVlanId(const QString& text);
    static inline const QString kBadVlanId = QStringLiteral("VLAN ID must be a whole number from 1 to 4094");

    QTreeWidget* LV_dot1qVlanStaticEntry = nullptr;
    QLineEdit* ED_VLANID = nullptr;
    QLineEdit* ED_VLANName = nullptr;
    QComboBox* Status = nullptr;
    QLabel* NextFreeLocalVlanIndex = nullptr;
    QTabWidget* PortPages = nullptr;
    TStackingPortUitForm* EgressGrid = nullptr;
    TStackingPortUitForm* ForbiddenGrid = nullptr;
    TStackingPortUitForm* UntaggedGrid = nullptr;
    QLabel* ST_Count2 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* RefreshBtn = nullptr;
    QPushButton* SetBtn = nullptr;
    QPushButton* AddBtn = nullptr;
    QPushButton* DeleteBtn = nullptr;
    QPushButton* btnStop = nullptr;
    QPushButton* btnClose = nullptr;

    KtSNMPRequest2Edits* TableRequest() const { return m_table; }
    KtSNMPRequest2Edits* NextFreeRequest() const { return m_nextFree; }

protected:
    void FreeControls() override;

private:
    void BuildControls();
    void FormCreate();
    void LV_dot1qVlanStaticEntrySelectItem();
    void ClearInputs();
    void SetButtons(bool rowSelected);
    // The mend of a loose binding: "12x" would go out as VLAN 12 and "abc" as VLAN 0.
    bool CheckVlanId();
    void StartWalk();

    KtSNMPRequest2Edits* m_table = nullptr;
    KtSNMPRequest2Edits* m_nextFree = nullptr;
    QString m_bitIndex;
};
