#pragma once
// The authentication servers the switch asks (TACACS, XTACACS, TACACS+, RADIUS): the server
// table, keyed by address and protocol, in a list; Add creates a server, Edit changes or
// destroys the selected one, Delete removes it. One synchronous request, the list-and-key
// pattern of the access-control dialogs.
#include "dialogs/security/AclDialogBase.h"

#include <QString>

#include <set>

class QComboBox;
class QLineEdit;
class QLabel;
class QPushButton;
class QTreeWidget;

class TServerInformationForm : public TAclDialogBase {
    Q_OBJECT
public:
    static const KtDialogType Type;  // its menu command's dialog
    explicit TServerInformationForm(QWidget* owner, bool enlarge = false);

    static inline const QString kNoIp = QStringLiteral("Server IP must be set.");
    static inline const QString kNoProtocol = QStringLiteral("Protocol must be set.");
    static inline const QString kBadIp = QStringLiteral("Please input a valid ip");
    static inline const QString kDuplicate = QStringLiteral(
        "Has already a record with the same Server IP and Protocol. Please Change Server IP or Protocol.");
    static inline const QString kMustCreateAndGo = QStringLiteral("Row State must be createAndGo.");

    void GetButtonClick();
    void AddButtonClick();
    void EditButtonClick();
    void DeleteButtonClick();

    // The value variables whose edits are empty: a write leaves them out.
    std::set<int> EmptyValues() const;
    // True when a listed row has the address (compared as an address: "010.1.1.1" is
    // 10.1.1.1) and the protocol.
    bool IsListedServer(const QString& address, const QString& protocol) const;

    QTreeWidget* ListView1 = nullptr;
    QLineEdit* IPEdit = nullptr;
    QComboBox* ProtocolComboBox = nullptr;
    QLineEdit* PortEdit = nullptr;
    QLineEdit* KeyEdit = nullptr;
    QLineEdit* TimeoutEdit = nullptr;
    QLineEdit* RetryCEdit = nullptr;
    QComboBox* RowComboBox = nullptr;
    QLabel* Static = nullptr;
    QPushButton* GetButton = nullptr;
    QPushButton* EditButton = nullptr;
    QPushButton* AddButton = nullptr;
    QPushButton* DeleteButton = nullptr;

protected:
    void ClearInputs() override;

private:
    void BuildControls();
    void FormCreate();
    // The keys and the variables about to be sent pass their edits' constraints.
    bool CheckSent(const std::set<int>& leftOut);
    bool CheckKeys(bool focus);
};
