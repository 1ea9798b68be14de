#pragma once
// The IPv6 access-control masks: a mask examines either the traffic class and flow label or
// one IPv6 address (source or destination), chosen with two radio buttons. Refresh, Add and
// Delete as the other masks; a mask is never changed.
#include "dialogs/security/AclDialogBase.h"

#include <set>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTreeWidget;

class TIPv6MaskInfoForm : public TAclDialogBase {
    Q_OBJECT
public:
    static const KtDialogType Type;  // its menu command's dialog
    explicit TIPv6MaskInfoForm(QWidget* owner, bool enlarge = false);

    static inline const QString kNoId = QStringLiteral("IPv6 Mask ID must be set.");
    static inline const QString kNoClass = QStringLiteral("Please choose Class.");
    static inline const QString kNoFlowLabel = QStringLiteral("Please choose Flow Label.");
    static inline const QString kNothingEnabled = QStringLiteral("You must enable at least one mask");
    static inline const QString kNoState = QStringLiteral("Please specify the IPv6 Address Mask State.");
    static inline const QString kNoDestination =
        QStringLiteral("IPv6 Destination Address Mask should not be null.");
    static inline const QString kNoSource = QStringLiteral("IPv6 Source Address Mask should not be null.");
    static inline const QString kBadAddress = QStringLiteral("Invalid Ipv6 Address value");
    static inline const QString kNoKind = QStringLiteral("You must choose a mask rule.");
    static inline const QString kDuplicate =
        QStringLiteral("There is already a record with the same IPv6 Mask ID. Please modify it.");

    void GetButtonClick();
    void AddButtonClick();
    void DeleteButtonClick();
    // "Mask Class and Flow label" and "Mask IPv6 Address" ticked.
    void RadioButton1Click();
    void RadioButton2Click();

    // The variables an Add leaves out, from the radio buttons and the state as they stand.
    std::set<int> LeftOut() const;

    QTreeWidget* ListView1 = nullptr;
    QLineEdit* edtMaskID = nullptr;
    QRadioButton* RadioButton1 = nullptr;
    QRadioButton* RadioButton2 = nullptr;
    QComboBox* cbxMaskClass = nullptr;
    QComboBox* cbxMaskFlowlabel = nullptr;
    QComboBox* cbxMaskState = nullptr;
    QLineEdit* edtSrcMask = nullptr;
    QLineEdit* edtDstMask = nullptr;
    QComboBox* cbxStatus = nullptr;
    QComboBox* cbxOwner = nullptr;
    QLineEdit* EntiesEdit = nullptr;
    QPushButton* GetButton = nullptr;
    QPushButton* AddButton = nullptr;
    QPushButton* DeleteButton = nullptr;
    QPushButton* EditButton = nullptr;
    QLabel* StaticText1 = nullptr;

protected:
    void ClearInputs() override;
    void OnSelectionChanged(bool rowSelected) override;

private:
    void BuildControls();
    void FormCreate();
    bool ValidateInputs();
};
