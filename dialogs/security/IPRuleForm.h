#pragma once
// TIPRuleForm: the rules under the IP masks (VLAN, IPv4 addresses, DSCP, the mask's protocol
// and its fields, priority, action, ports): lists them, creates one (Add), changes its ticked
// fields (Edit) and removes it (Delete). The protocol is the mask's: it only decides which of
// the protocol fields a write may carry.
#include "dialogs/security/AclRuleDialogBase.h"

class QLineEdit;
class QPushButton;
class QTreeWidget;

class TIPRuleForm : public TAclRuleDialogBase {
    Q_OBJECT
public:
    static const KtDialogType Type;  // its menu command's dialog
    explicit TIPRuleForm(QWidget* owner, bool enlarge = false);

    void GetButtonClick() { RefreshRules(); }
    void AddButtonClick() { AddRule(); }
    void EditButtonClick() { EditRule(); }
    void DeleteButtonClick() { DeleteRule(); }
    void CheckButtonClick() { CheckAllFields(); }
    void UncheckButtonClick() { ClearFieldChecks(); }
    void PriorityComboBoxChange() { EnablePriorityChange(); }

    void ClearInputs() override;

    static inline const QString kDuplicate =
        QStringLiteral("Has already a record with the same IP Rule ID and Access ID. Please change eithor of them.");
    static inline const QString kBadIp = QStringLiteral("Please input a valid ip");

    QTreeWidget* ListView1 = nullptr;
    QLineEdit* IPRuleEdit = nullptr;
    QLineEdit* AccessIDEdit = nullptr;
    QCheckBox* cbxVlan = nullptr;
    QLineEdit* VLANEdit = nullptr;
    QCheckBox* cbxSourceIP = nullptr;
    QLineEdit* SourceIPEdit = nullptr;
    QCheckBox* cbxDestIP = nullptr;
    QLineEdit* DestIPEdit = nullptr;
    QCheckBox* cbxDscp = nullptr;
    QLineEdit* DSCPEdit = nullptr;
    QCheckBox* cbxProtocol = nullptr;
    QComboBox* ProtocolComboBox = nullptr;
    QCheckBox* cbxRuleIcmp = nullptr;
    QComboBox* RuleIcmpComboBox = nullptr;
    QCheckBox* cbxRuleIgmp = nullptr;
    QComboBox* RuleIgmpComboBox = nullptr;
    QCheckBox* cbxSourcePort = nullptr;
    QLineEdit* SourcePortEdit = nullptr;
    QCheckBox* cbxDestPort = nullptr;
    QLineEdit* DestPortEdit = nullptr;
    QCheckBox* cbxFBs = nullptr;
    QLineEdit* FlagEdit = nullptr;
    QCheckBox* cbxProtocolID = nullptr;
    QLineEdit* ProtocolIDEdit = nullptr;
    QCheckBox* cbxUserMask = nullptr;
    QLineEdit* UserMaskEdit = nullptr;
    QCheckBox* cbxEnablePriority = nullptr;
    QComboBox* PriorityComboBox = nullptr;
    QCheckBox* cbxPriority = nullptr;
    QLineEdit* PriorityEdit = nullptr;
    QCheckBox* cbxReplacePriority = nullptr;
    QComboBox* ReplaceComboBox = nullptr;
    QCheckBox* cbxEnableReplaceDscp = nullptr;
    QComboBox* EnableReplComboBox = nullptr;
    QCheckBox* cbxValue = nullptr;
    QLineEdit* DSCPValueEdit = nullptr;
    QCheckBox* cbxPermit = nullptr;
    QComboBox* PermitComboBox = nullptr;
    QCheckBox* cbxRxRate = nullptr;
    QLineEdit* RxRateEdit = nullptr;
    QCheckBox* cbxRow = nullptr;
    QComboBox* RowComboBox = nullptr;
    QLineEdit* SrcMacAddressEdit = nullptr;
    QWidget* StackingPortPanel = nullptr;
    QPushButton* GetButton = nullptr;
    QPushButton* EditButton = nullptr;
    QPushButton* AddButton = nullptr;
    QPushButton* DeleteButton = nullptr;
    QPushButton* CheckButton = nullptr;
    QPushButton* UncheckButton = nullptr;

protected:
    bool ValidateInputs() override;
    // ProtocolRule: while the protocol box is ticked, the fields of the other protocols stay out.
    void DialogRules(std::set<int>& leftOut) const override;
    void OnSelectionChanged(bool rowSelected) override;

private:
    void BuildControls();
    void FormCreate();
};
