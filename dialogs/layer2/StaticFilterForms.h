#pragma once
// The 802.1Q static filtering tables: TUnicastFilterInformationForm (dot1qStaticUnicastTable,
// the ports a unicast address may go to) and TMulticastFilterInformationForm
// (dot1qStaticMulticastTable, a multicast address's egress ports). Entries are keyed by VLAN,
// MAC address and receive port; the receive port has no control: Add creates entries for any
// port (0), Set and Delete act on the selected entry's own receive port.
#include "dialogs/DialogBase.h"

#include <QString>

#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTreeWidget;
class TStackingPortUitForm;

// What both filtering dialogs share: the twelve-unit port grid, the key checks of Add and the
// receive-port key.
class TStaticFilterFormBase : public TDialogBase {
public:
    static inline const QString kInputKeys = QStringLiteral("Please input VID and MAC Address!");
    static inline const QString kBadVid = QStringLiteral("VID must be a whole number from 1 to 4094");
    static inline const QString kBadMac = QStringLiteral("MAC Address must be 12 hexadecimal digits");
    static inline const QString kSelectEntry = QStringLiteral("Please select which entry you want to delete.");

    // The receive port Add gives a new entry: any port.
    static inline const QString kAnyPort = QStringLiteral("0");

    KtSNMPRequest2Edits* TableRequest() const { return m_table; }

protected:
    TStaticFilterFormBase(QWidget* owner, bool enlarge) : TDialogBase(owner, enlarge) {}

    // A grid of twelve unit pages in host, unit 1 shown; its first 32 boxes bind the port list.
    static TStackingPortUitForm* MakePortGrid(QWidget* host);
    // The request on the table, its keys bound to the two edits and the port list to grid.
    void BindTable(const KtSNMPVarDef* defs, const QString& name, QTreeWidget* list, QLineEdit* vid,
                   QLineEdit* mac, int portsColumn, TStackingPortUitForm* grid, int statusColumn,
                   QComboBox* status, QPlainTextEdit* memo, QLabel* counter);
    // Both keys typed, the VID 1 to 4094, the MAC 12 hex digits; the status at "permanent".
    bool CheckNewEntry(const QLineEdit* vid, const QLineEdit* mac, const QComboBox* status,
                       const QString& notPermanent);
    // One write of the listed variables for the entry whose VLAN and MAC stand in the edits and
    // whose receive port is port.
    void SendAtReceivePort(const std::vector<int>& columns, const QString& port);
    // The selected row's receive port (empty with none selected), kept as the selection loads.
    const QString& SelectedReceivePort() const { return m_selectedReceivePort; }
    void KeepSelectedReceivePort(bool selected);

    KtSNMPRequest2Edits* m_table = nullptr;

private:
    QString m_selectedReceivePort;
};

class TUnicastFilterInformationForm : public TStaticFilterFormBase {
    Q_OBJECT
public:
    static const KtDialogType Type;  // its menu command's dialog
    explicit TUnicastFilterInformationForm(QWidget* owner, bool enlarge = false);

    static inline const QString kNotPermanent = QStringLiteral("Status Should be permanent");

    void RefreshBtnClick();
    void SetBtnClick();  // Add
    void DeleteBtnClick();

    QTreeWidget* LV_dot1qStaticUnicastEntry = nullptr;
    QLabel* ST_Count = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QLineEdit* ED_UnicastVID = nullptr;
    QLineEdit* UnicastAddress = nullptr;
    QComboBox* UStatus = nullptr;
    TStackingPortUitForm* PortGrid = nullptr;
    QPushButton* RefreshBtn = nullptr;
    QPushButton* SetBtn = nullptr;
    QPushButton* DeleteBtn = nullptr;

protected:
    void FreeControls() override;

private:
    void BuildControls();
    void FormCreate();
    void ListSelectItem();
    void ClearInputs();
    void SetRowState(bool rowSelected);
};

class TMulticastFilterInformationForm : public TStaticFilterFormBase {
    Q_OBJECT
public:
    static const KtDialogType Type;  // its menu command's dialog
    explicit TMulticastFilterInformationForm(QWidget* owner, bool enlarge = false);

    static inline const QString kNotPermanent = QStringLiteral("Status should be set to permanent");

    void RefreshBtnClick();
    void SetBtnClick();
    void AddBtnClick();
    void DeleteBtnClick();

    QTreeWidget* LV_dot1qStaticMulticastEntry = nullptr;
    QLabel* ST_Count = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QLineEdit* ED_MulticastVID = nullptr;
    QLineEdit* ED_MACAddress = nullptr;
    QComboBox* Status = nullptr;
    QTabWidget* PortPages = nullptr;
    TStackingPortUitForm* EgressGrid = nullptr;
    QPushButton* RefreshBtn = nullptr;
    QPushButton* SetBtn = nullptr;
    QPushButton* AddBtn = nullptr;
    QPushButton* DeleteBtn = nullptr;

protected:
    void FreeControls() override;

private:
    void BuildControls();
    void FormCreate();
    void ListSelectItem();
    void ClearInputs();
    // Keys and status editable only without a selected entry; Set and Delete only with one.
    void SetRowState(bool rowSelected);
    // After every command: inputs cleared, the state of no selection.
    void ResetInputs();
};
