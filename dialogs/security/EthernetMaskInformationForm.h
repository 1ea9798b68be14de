#pragma once
// The Ethernet access-control masks (access profiles on MAC addresses, VLAN, 802.1p and
// Ethernet type): the switch's mask table in a list, a new mask created with createAndGo (Add)
// and a mask removed (Delete). A mask cannot be changed once made, so there is no Set.
//
// Add decides first which variables the new row leaves out (the mask state, the protocol and
// its options, empty fields), then checks every typed field still in that set; only then
// does one SET go out. Keys are compared as numbers with the listed masks.
#include "dialogs/security/AclDialogBase.h"

#include <set>

class QComboBox;
class QLineEdit;
class QPushButton;
class QTreeWidget;

class TEthernetMaskInformationForm : public TAclDialogBase {
    Q_OBJECT
public:
    static const KtDialogType Type;  // its menu command's dialog
    explicit TEthernetMaskInformationForm(QWidget* owner, bool enlarge = false);

    static inline const QString kDuplicate =
        QStringLiteral("There is already a record with the same Ethernet Mask ID. Please modified it.");
    static inline const QString kNoId = QStringLiteral("Mask ID must be set");
    static inline const QString kBadMac = QStringLiteral("Invalid MAC Address");

    void BT_GetClick();
    void AddBtnClick();
    void BT_DeleteClick();

    // The variables an Add leaves out, from the combos and edits as they stand.
    std::set<int> LeftOut() const;

    QTreeWidget* ListView1 = nullptr;
    QLineEdit* IDEdit = nullptr;
    QComboBox* UseVLanComBo = nullptr;
    QComboBox* MacMaskStateComBo = nullptr;
    QLineEdit* MacAddMaskSourceEdit = nullptr;
    QLineEdit* MacMaskDstEdit = nullptr;
    QComboBox* Use8021pComBo = nullptr;
    QComboBox* UseEthTypeCombo = nullptr;
    QComboBox* RowStatusComBo = nullptr;
    QComboBox* cbxOwner = nullptr;
    QLineEdit* EntiesEdit = nullptr;
    QPushButton* BT_Get = nullptr;
    QPushButton* AddBtn = nullptr;
    QPushButton* BT_Delete = nullptr;
    QPushButton* SetBtn = nullptr;

protected:
    void ClearInputs() override;

private:
    void BuildControls();
    void FormCreate();
    bool ValidateInputs(const std::set<int>& leftOut);
};
