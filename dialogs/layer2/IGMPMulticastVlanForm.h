#pragma once
// TIGMPMulticastVlanForm: the IGMP multicast VLANs: walks them into a list view, creates one
// (Add), changes the selected one (Set) and removes it (Delete). Each VLAN has a name, source,
// member and tagged member ports, a state, a replacement source address and a remove-all
// action. Every write names its variables by index list; what was left empty is not sent.
#include "dialogs/DialogBase.h"

#include <QString>

#include <vector>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTreeWidget;
class TStackingPortUitForm;

class TIGMPMulticastVlanForm : public TDialogBase {
    Q_OBJECT
public:
    static const KtDialogType Type;  // its menu command's dialog
    static inline const QString kVlanIdEmpty = QStringLiteral("Multicast VLAN ID need to input.");
    static inline const QString kBadVlanId = QStringLiteral("Multicast VLAN ID must be a whole number from 2 to 4094.");
    static inline const QString kVlanNameEmpty = QStringLiteral("Multicast VLAN Name need to input.");
    // A dot first, or a dot without a digit after it.
    static inline const QString kBadIpDots = QStringLiteral("Please input a valid IP");
    // Any other text that is no dotted quad.
    static inline const QString kBadIp = QStringLiteral("Please input a valid ip");
    // Follows either of the two.
    static inline const QString kIpNotValid = QStringLiteral("IP Address in not valid.");
    static inline const QString kMustCreateAndGo = QStringLiteral("Row Status must be createAndGo.");

    // The first message a replacement source address gets (kBadIpDots or kBadIp), or an empty
    // text when it is a dotted quad (InputChecks::IsIpv4Text).
    static QString IpProblem(const QString& text);

    explicit TIGMPMulticastVlanForm(QWidget* owner, bool enlarge = false);

    // Button handlers.
    void RefreshBtnClick();
    void SetBtnClick();
    void AddBtnClick();
    void DeleteBtnClick();
    void CloseBtnClick();

    QTreeWidget* LV_IGMPMulticastVlanEntry = nullptr;
    QLineEdit* VlanIDEdit = nullptr;
    QLineEdit* VlanNameEdit = nullptr;
    QComboBox* CBoxState = nullptr;
    QLineEdit* RepalceIPEdit = nullptr;
    QComboBox* CBoxStatus = nullptr;
    QComboBox* CBoxAction = nullptr;
    QTabWidget* PortPages = nullptr;
    TStackingPortUitForm* SourceGrid = nullptr;
    TStackingPortUitForm* MemberGrid = nullptr;
    TStackingPortUitForm* TagMemberGrid = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* RefreshBtn = nullptr;
    QPushButton* SetBtn = nullptr;
    QPushButton* AddBtn = nullptr;
    QPushButton* DeleteBtn = nullptr;
    QPushButton* CloseBtn = nullptr;

    KtSNMPRequest2Edits* TableRequest() const { return m_table; }

protected:
    void FreeControls() override;

private:
    void BuildControls();
    void FormCreate();
    void ListSelectItem();
    void ClearInputs();
    void SetButtons(bool rowSelected);
    bool RowSelected() const;
    // The selected row's VLAN ID back into VlanIDEdit: Set and Delete write that row.
    void KeepSelectedKey();
    // ok, or else message, the focus to focus and false.
    bool RequireAt(bool ok, const QString& message, QWidget* focus);
    bool CheckVlanId();
    // An empty address is fine (it is left out of the write); otherwise the message pair.
    bool CheckReplaceIp();
    // The writable columns to send: the row status always, the state, the address and the
    // action only when given.
    std::vector<int> ColumnsToSend() const;
    void StartWalk();

    KtSNMPRequest2Edits* m_table = nullptr;
};
