#pragma once
// The IP-MAC binding table: an IPv4 address tied to a MAC address, ports and a mode (add,
// change, delete).
#include "dialogs/security/AclDialogBase.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class TStackingPortUitForm;

class TIPMACBindingForm : public TAclDialogBase {
    Q_OBJECT
public:
    static const KtDialogType Type;  // its menu command's dialog
    static inline const QString kBadIp = QStringLiteral("Please input a valid ip");
    static inline const QString kBadMac = QStringLiteral("Invalid MAC address");

    explicit TIPMACBindingForm(QWidget* owner, bool enlarge = false);

    void btnGetClick();
    void btnAddClick();
    void btnEditClick();
    void btnDeleteClick();
    void btnCloseClick();

    QTreeWidget* ListView1 = nullptr;
    QLineEdit* edtIpAddr = nullptr;
    QLineEdit* edtMacAddr = nullptr;
    QComboBox* cbxMode = nullptr;
    QComboBox* ComboStatus = nullptr;  // never shown: the row status a write carries
    QWidget* StackingPortPanel = nullptr;
    TStackingPortUitForm* PortGrid = nullptr;
    QPushButton* btnGet = nullptr;
    QPushButton* btnEdit = nullptr;
    QPushButton* btnAdd = nullptr;
    QPushButton* btnDelete = nullptr;
    QPushButton* btnClose = nullptr;

protected:
    void ClearInputs() override;
    void FreeControls() override;

private:
    void BuildControls();
    void FormCreate();
    bool CheckAddresses();
    // One SET of the whole row (MAC, ports, status, mode) at the typed address, then the
    // re-read; the status combo first moved to statusPosition (-1: the status as read).
    void SendBinding(int statusPosition, const std::function<bool()>& check);

    KtSNMPRequest2Edits* m_table = nullptr;
};
