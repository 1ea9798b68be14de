#pragma once
// Per port, the PVID, frame acceptance, ingress filtering and GVRP (dot1qPortVlanTable).
#include "dialogs/DialogBase.h"

#include <QString>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;

class TVLanPortInfomationForm : public TDialogBase {
    Q_OBJECT
public:
    static const KtDialogType Type;  // its menu command's dialog
    static inline const QString kRefreshNotComplete = QStringLiteral("Refresh Not Complete");
    static inline const QString kBadPortVlanId = QStringLiteral("Port VLAN ID must be a whole number from 1 to 4094");

    explicit TVLanPortInfomationForm(QWidget* owner, bool enlarge = false);

    void RefreshBtnClick();
    void SetBtnClick();

    QTreeWidget* LV_dot1qPortVlanEntry = nullptr;
    QLineEdit* PortVLanID = nullptr;
    QComboBox* AcceptableFrameTypes = nullptr;
    QComboBox* IngressFiltering = nullptr;
    QComboBox* GvrpStatus = nullptr;
    QLabel* ST_Count = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* RefreshBtn = nullptr;
    QPushButton* SetBtn = nullptr;

    KtSNMPRequest2Edits* TableRequest() const { return m_table; }

private:
    void BuildControls();
    void FormCreate();

    KtSNMPRequest2Edits* m_table = nullptr;
};
