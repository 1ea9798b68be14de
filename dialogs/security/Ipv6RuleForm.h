#pragma once
// TIpv6RuleForm: the rules under the IPv6 masks (traffic class and flow label, or one IPv6
// address; priority, action, ports): lists them, creates one (Add), changes its ticked fields
// (Edit; a row status of "createAndGo" or "destroy" makes it an Add or a Delete) and removes
// it (Delete).
#include "dialogs/security/AclRuleDialogBase.h"

class QLineEdit;
class QPushButton;
class QTreeWidget;

class TIpv6RuleForm : public TAclRuleDialogBase {
    Q_OBJECT
public:
    static const KtDialogType Type;  // its menu command's dialog
    explicit TIpv6RuleForm(QWidget* owner, bool enlarge = false);

    void GetButtonClick() { RefreshRules(); }
    void AddButtonClick() { AddRule(); }
    void EditButtonClick() { EditRule(); }
    void DeleteButtonClick() { DeleteRule(); }
    void CheckButtonClick() { CheckAllFields(); }
    void UncheckButtonClick() { ClearFieldChecks(); }
    void PriorityComboBoxChange() { EnablePriorityChange(); }

    static inline const QString kDuplicate = QStringLiteral(
        "Has already a record with the same IPv6 Rule ID and Access ID. Please change eithor of them.");
    static inline const QString kBothAddresses = QStringLiteral("Can not support Source IP and Destination IP both");
    static inline const QString kMutex = QStringLiteral("Can not set mutex data together");
    static inline const QString kBadAddress = QStringLiteral("Invalid Ipv6 Address value");

    QTreeWidget* ListView1 = nullptr;
    QLineEdit* edtRuleID = nullptr;
    QLineEdit* edtRuleAccessID = nullptr;
    QCheckBox* cbxRuleClass = nullptr;
    QLineEdit* edtRuleClass = nullptr;
    QCheckBox* cbxRuleFlowlabel = nullptr;
    QLineEdit* edtRuleFlowlabel = nullptr;
    QCheckBox* cbxRuleSrcIpv6addr = nullptr;
    QLineEdit* edtRuleSrcIpv6addr = nullptr;
    QCheckBox* cbxRuleDstIpv6addr = nullptr;
    QLineEdit* edtRuleDstIpv6addr = nullptr;
    QCheckBox* cbxEnablePriority = nullptr;
    QComboBox* PriorityComboBox = nullptr;
    QCheckBox* cbxPriority = nullptr;
    QLineEdit* PriorityEdit = nullptr;
    QCheckBox* cbxReplacePriority = nullptr;
    QComboBox* ReplaceComboBox = nullptr;
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
    QPushButton* CheckButton = nullptr;
    QPushButton* UncheckButton = nullptr;

protected:
    bool ValidateInputs() override;

private:
    void BuildControls();
    void FormCreate();
};
