#pragma once
// TEthernetInformationRuleForm: the rules under the Ethernet masks (VLAN, MAC addresses,
// 802.1p, Ethernet type, priority, action, ports): lists them, creates one (Add), changes its
// ticked fields (Edit) and removes it (Delete).
#include "dialogs/security/AclRuleDialogBase.h"

class QLineEdit;
class QPushButton;
class QTreeWidget;

class TEthernetInformationRuleForm : public TAclRuleDialogBase {
    Q_OBJECT
public:
    static const KtDialogType Type;  // its menu command's dialog
    explicit TEthernetInformationRuleForm(QWidget* owner, bool enlarge = false);

    void GetButtonClick() { RefreshRules(); }
    void AddButtonClick() { AddRule(); }
    void EditButtonClick() { EditRule(); }
    void DeleteButtonClick() { DeleteRule(); }
    void AddCheckButtonClick() { CheckAllFields(); }
    void CleanCheButtonClick() { ClearFieldChecks(); }
    void EnablePriorityComboBoxChange() { EnablePriorityChange(); }

    static inline const QString kDuplicate =
        QStringLiteral("Has already a record with the same Mask ID and Access ID. Please change eithor of them.");

    QTreeWidget* ListView1 = nullptr;
    QLineEdit* MaskIDEdit = nullptr;
    QLineEdit* AccessEdit = nullptr;
    QCheckBox* cbxVlan = nullptr;
    QLineEdit* VlanRuleEdit = nullptr;
    QCheckBox* cbxSource = nullptr;
    QLineEdit* SourceMACEdit = nullptr;
    QCheckBox* cbxDestination = nullptr;
    QLineEdit* DestMACEdit = nullptr;
    QCheckBox* cbxIEEE802dot1P = nullptr;
    QLineEdit* IEEE8021pEdit = nullptr;
    QCheckBox* cbxEtherType = nullptr;
    QLineEdit* EthTypeEdit = nullptr;
    QCheckBox* cbxEnablePriority = nullptr;
    QComboBox* EnablePriorityComboBox = nullptr;
    QCheckBox* cbxPriority = nullptr;
    QLineEdit* PriorityEdit = nullptr;
    QCheckBox* cbxReplacePriority = nullptr;
    QComboBox* ReplacePriorityComboBox = nullptr;
    QCheckBox* cbxPermit = nullptr;
    QComboBox* PermitComboBox = nullptr;
    QCheckBox* cbxRxRate = nullptr;
    QLineEdit* RxRateEdit = nullptr;
    QCheckBox* cbxRow = nullptr;
    QComboBox* RowComboBox = nullptr;
    QWidget* StackingPortPanel = nullptr;
    QPushButton* GetButton = nullptr;
    QPushButton* EditButton = nullptr;
    QPushButton* AddButton = nullptr;
    QPushButton* DeleteButton = nullptr;
    QPushButton* AddCheckButton = nullptr;
    QPushButton* CleanCheButton = nullptr;

protected:
    bool ValidateInputs() override;

private:
    void BuildControls();
    void FormCreate();
};
