#pragma once
// TTrafficSegmentationForm: the ports each ingress port may forward to. Walks the table into a
// list view; the selected row's ingress port shows as unit and port (64 ports a unit) and its
// forward list in the port grid, which Set writes back for that port. While a walk runs (also
// after Stop, until its outstanding reply is in) Refresh and Set answer "Refresh not complete".
#include "dialogs/DialogBase.h"

#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
class QTreeWidget;
class TStackingPortUitForm;
class TUnitPortEdits;

class TTrafficSegmentationForm : public TDialogBase {
    Q_OBJECT
public:
    static const KtDialogType Type;  // its menu command's dialog
    static inline const QString kRefreshNotComplete = QStringLiteral("Refresh not complete");

    explicit TTrafficSegmentationForm(QWidget* owner, bool enlarge = false);

    // Button handlers.
    void BT_GetClick();
    void BT_SetClick();
    void StopBtnClick();
    void CloseBtnClick();

    QTreeWidget* LV_TrafficForward = nullptr;
    QLabel* StaticText1 = nullptr;
    QLabel* ST_Port = nullptr;        // hidden: the selected row's logical port
    QLineEdit* Combo_Unit = nullptr;  // hidden
    QLineEdit* Combo_Port = nullptr;  // read-only
    TStackingPortUitForm* PortGrid = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QPushButton* BT_Get = nullptr;
    QPushButton* BT_Set = nullptr;
    QPushButton* StopBtn = nullptr;
    QPushButton* CloseBtn = nullptr;

    KtSNMPRequest2Edits* TableRequest() const { return m_table; }

protected:
    void FreeControls() override;

private:
    void BuildControls();
    void FormCreate();
    void ListSelectItem();
    void ClearDetails();
    bool RowSelected() const;

    KtSNMPRequest2Edits* m_table = nullptr;
    std::unique_ptr<TUnitPortEdits> m_port;
};
