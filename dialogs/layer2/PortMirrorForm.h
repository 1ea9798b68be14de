#pragma once
// TPortMirrorForm: the switch's one port mirror: a target port (unit and port) that receives
// copies of the traffic of the ticked source ports, per direction, and the mirror's state.
// The target is checked against the units, the source ports and the enabled trunks (read
// into hidden controls) before the one write goes out. Its requests block.
#include "dialogs/DialogBase.h"
#include "dialogs/UnitPortEdits.h"

#include <QString>

#include <memory>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
class QTreeWidget;
class TStackingPortUitForm;

class TPortMirrorForm : public TDialogBase {
    Q_OBJECT
public:
    static const KtDialogType Type;  // its menu command's dialog
    explicit TPortMirrorForm(QWidget* owner, bool enlarge = false);

    // Button handlers.
    void BT_RefreshClick();
    void BT_SetClick();

    static inline const QString kBadTarget = QStringLiteral("Set valid target port");
    static inline const QString kBadPort = QStringLiteral("set valid master port");
    static inline const QString kTrunkTarget = QStringLiteral("Target port can not be Trunk port!");
    static inline const QString kMemberTarget = QStringLiteral("Target port can not be member port!");

    // Target port.
    QLineEdit* UnitEdit = nullptr;
    QLineEdit* PortEdit = nullptr;
    QLineEdit* ET_TargetPort = nullptr;  // hidden: the logical target port as the switch has it
    // Source ports.
    TStackingPortUitForm* IngressGrid = nullptr;
    TStackingPortUitForm* EgressGrid = nullptr;
    QComboBox* State_Combox = nullptr;
    QPushButton* BT_Refresh = nullptr;
    QPushButton* BT_Set = nullptr;
    QStatusBar* StatusBar = nullptr;
    QLabel* StatusPanel = nullptr;  // the status bar's first panel
    // The trunk table, never shown.
    QWidget* TrunkPanel = nullptr;
    QTreeWidget* LV_PortTrunk = nullptr;
    QLineEdit* ED_MasterPort = nullptr;
    TStackingPortUitForm* TrunkGrid = nullptr;

    KtSNMPRequest2Edits* MirrorRequest() const { return m_mirror; }
    KtSNMPRequest2Edits* TrunkRequest() const { return m_trunk; }

protected:
    void FreeControls() override;

private:
    void BuildControls();
    void FormCreate();
    void ET_TargetPortChange();
    // False (and the guard message) while the trunk table is being walked.
    bool TrunksRead();
    // The checks of Set Member in order; the first that fails shows its message.
    bool CheckTarget();
    // True when port n is a member of an enabled trunk (a message for each such trunk).
    bool InEnabledTrunk(int n);

    KtSNMPRequest2Edits* m_mirror = nullptr;
    KtSNMPRequest2Edits* m_trunk = nullptr;
    UnitPorts::UnitList m_units;
    std::unique_ptr<TUnitPortEdits> m_target;
    QString m_bitIndex;
};
