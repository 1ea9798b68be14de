#pragma once
// TPortTrunkForm: the switch's trunk groups (a master port and two to eight member ports):
// walks them into a list view, creates one (Add), changes the selected one (Set) and removes
// it (Delete). What the operator typed is checked against the units and the listed trunks
// before anything is sent. Its request blocks.
#include "dialogs/DialogBase.h"
#include "dialogs/UnitPortEdits.h"

#include <QString>

#include <functional>
#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
class QTabWidget;
class QTreeWidget;
class TStackingPortUitForm;

class TPortTrunkForm : public TDialogBase {
    Q_OBJECT
public:
    static const KtDialogType Type;  // its menu command's dialog
    explicit TPortTrunkForm(QWidget* owner, bool enlarge = false);

    // Button handlers.
    void BT_GetClick();     // Refresh
    void BT_SetClick();     // Add
    void SetBtnClick();     // Set
    void BT_DeleteClick();  // Delete
    void BT_CloseClick();

    static inline const QString kIndexEmpty = QStringLiteral("The index should not be empty.");
    static inline const QString kBadIndex = QStringLiteral("The index must be a whole number from 1 to 5.");
    static inline const QString kIndexTaken = QStringLiteral("The Index must be different!");
    static inline const QString kUnitEmpty = QStringLiteral("The Unit should not be empty.");
    static inline const QString kPortEmpty = QStringLiteral("The Port should not be empty.");
    static inline const QString kUnitEditEmpty = QStringLiteral("The Unit Edit should not be empty");
    static inline const QString kPortEditEmpty = QStringLiteral("The Port Edit should not be empty");
    static inline const QString kBadMaster = QStringLiteral("set valid master port");
    static inline const QString kNoType = QStringLiteral("Please choose trunk type.");
    static inline const QString kMasterTaken = QStringLiteral("The master port must be different!");
    static inline const QString kMasterUnticked = QStringLiteral("Master port must be checked.");
    static inline const QString kTooMany = QStringLiteral("The trunk member can't over eight!");
    static inline const QString kTooFew = QStringLiteral("You must choose at least two members!");
    static inline const QString kNoGroup = QStringLiteral("Please select trunk group.");

    QTreeWidget* LV_PortTrunk = nullptr;
    QLineEdit* ED_Index = nullptr;
    QLineEdit* UnitEdit = nullptr;
    QLineEdit* PortEdit = nullptr;
    QLineEdit* ED_MasterPort = nullptr;  // hidden: the logical master port
    QComboBox* Combo_Type = nullptr;
    QComboBox* Combo_State = nullptr;    // hidden: the state the write carries
    QComboBox* ComboBox1 = nullptr;      // the state the operator chooses: enable or disable
    QTabWidget* PortPages = nullptr;
    TStackingPortUitForm* MemberGrid = nullptr;
    TStackingPortUitForm* ActiveGrid = nullptr;  // on a page never shown
    QPushButton* BT_Get = nullptr;
    QPushButton* BT_Set = nullptr;
    QPushButton* BT_Delete = nullptr;
    QPushButton* SetBtn = nullptr;
    QPushButton* BT_Close = nullptr;
    QStatusBar* StatusBar = nullptr;
    QLabel* StatusPanel = nullptr;

    KtSNMPRequest2Edits* TrunkRequest() const { return m_trunk; }

protected:
    void FreeControls() override;

private:
    void BuildControls();
    void FormCreate();
    void LV_PortTrunkClick();
    // The state with no row selected: index editable and empty, no master, no ticks.
    void ClearInputs();
    void SetIndexEditable(bool editable);
    void SetButtons(bool rowSelected);
    // The walk, then the cleared inputs (also when the walk fails).
    void Walk();
    // A command's body: what it raises first clears the inputs.
    std::function<void()> Guarded(std::function<void()> body);

    // Unit and port as typed (-1 and 0 for what is not a number).
    int TypedUnit() const;
    int TypedPort() const;
    bool CheckAddIndex();
    bool CheckMasterValid(int unit, int port);
    bool CheckMasterTicked(int master);
    bool CheckMemberCount(int unit);
    bool CheckAdd();
    bool CheckSet();

    KtSNMPRequest2Edits* m_trunk = nullptr;
    UnitPorts::UnitList m_units;
    std::unique_ptr<TUnitPortEdits> m_master;
    QString m_bitIndex;
};
