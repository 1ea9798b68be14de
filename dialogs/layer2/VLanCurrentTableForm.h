#pragma once
// The VLANs the switch uses now (learnt ones too), display only: dot1qVlanCurrentTable with
// each VLAN's egress and untagged ports, and the count of VLANs deleted.
#include "dialogs/DialogBase.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTreeWidget;
class TStackingPortUitForm;

class TVLanCurrentTableForm : public TDialogBase {
    Q_OBJECT
public:
    static const KtDialogType Type;  // its menu command's dialog
    explicit TVLanCurrentTableForm(QWidget* owner, bool enlarge = false);

    void RefreshBtnClick();

    QTreeWidget* LV_dot1qVlanCurrentEntry = nullptr;
    QLabel* VlanNumDeletes = nullptr;
    QLabel* StaticText1 = nullptr;
    QTabWidget* PageControl1 = nullptr;
    TStackingPortUitForm* EgressGrid = nullptr;
    TStackingPortUitForm* UntaggedGrid = nullptr;
    QLabel* ST_Count2 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* RefreshBtn = nullptr;
    QPushButton* SetBtn = nullptr;  // never shown: nothing here is changed

    KtSNMPRequest2Edits* TableRequest() const { return m_table; }
    KtSNMPRequest2Edits* NumDeletesRequest() const { return m_numDeletes; }

protected:
    void FreeControls() override;

private:
    void BuildControls();
    void FormCreate();
    void ClearDetails();
    // Reads request again unless it is still reading; an error goes to Memo1.
    void Reread(KtSNMPRequest2Edits& request);

    KtSNMPRequest2Edits* m_table = nullptr;
    KtSNMPRequest2Edits* m_numDeletes = nullptr;
};
