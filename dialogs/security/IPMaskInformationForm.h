#pragma once
// The IP access-control masks (access profiles on IPv4 addresses, DSCP, the protocol and its
// own fields): the switch's mask table in a list, a new mask created with createAndGo (Add) and
// a mask removed (Delete). A mask cannot be changed once made, so there is no Set.
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

class TIPMaskInformationForm : public TAclDialogBase {
    Q_OBJECT
public:
    static const KtDialogType Type;  // its menu command's dialog
    explicit TIPMaskInformationForm(QWidget* owner, bool enlarge = false);

    static inline const QString kDuplicate =
        QStringLiteral("There is already a record with the same IP Mask ID. Please modified it.");
    static inline const QString kNoId = QStringLiteral("IP Mask ID must be set.");
    static inline const QString kBadIp = QStringLiteral("Please input a valid ip");
    static inline const QString kBadMask = QStringLiteral("Invalid Mask!");
    static inline const QString kBadValue = QStringLiteral("Please input a valid value");

    void BT_GetClick();
    void BT_AddClick();
    void BT_DeleteClick();

    // The variables an Add leaves out, from the combos and edits as they stand.
    std::set<int> LeftOut() const;

    QTreeWidget* ListView1 = nullptr;
    QLineEdit* IPIDEdit = nullptr;
    QComboBox* VlanComboBox = nullptr;
    QComboBox* IpAddMaskStateComboBox = nullptr;
    QLineEdit* IpAddMaskSrcEdit = nullptr;
    QLineEdit* IpAddMaskDstEdit = nullptr;
    QComboBox* UseDSCPComBo = nullptr;
    QComboBox* UseProTypeComBo = nullptr;
    QComboBox* IcmpComboBox = nullptr;
    QComboBox* IgmpComboBox = nullptr;
    QComboBox* TCPOptionComBo = nullptr;
    QComboBox* UDPOptionComBo = nullptr;
    QLineEdit* TCPUDPSrcMaskEdit = nullptr;
    QLineEdit* TCPUDPDstPortMaskEdit = nullptr;
    QComboBox* TCPFlagBitOptionComBo = nullptr;
    QLineEdit* TCPFlagBitMaskEdit = nullptr;
    QComboBox* ProOptionComBo = nullptr;
    QLineEdit* ProtoIDEdit = nullptr;
    QLineEdit* ProIDMaskEdit = nullptr;
    QComboBox* RowStatusComBo = nullptr;
    QComboBox* OwnerComboBox = nullptr;
    QLineEdit* SrcMacAddrMaskEdit = nullptr;
    QLineEdit* EntriesEdit = nullptr;
    QPushButton* BT_Get = nullptr;
    QPushButton* BT_Add = nullptr;
    QPushButton* BT_Delete = nullptr;
    QPushButton* SetBtn = nullptr;

protected:
    void ClearInputs() override;

private:
    void BuildControls();
    void FormCreate();
    bool ValidateInputs(const std::set<int>& leftOut);
};
