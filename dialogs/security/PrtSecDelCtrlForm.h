#pragma once
// TPrtSecDelCtrlForm: a one-shot command that deletes the port-security entry of a MAC address
// on a VLAN and port. The operator types the port within unit 1; the switch takes the
// device-wide port number (32 per unit).
#include "dialogs/DialogBase.h"
#include "dialogs/UnitPortEdits.h"

#include <QString>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;

class TPrtSecDelCtrlForm : public TDialogBase {
    Q_OBJECT
public:
    static const KtDialogType Type;  // its menu command's dialog
    static inline const QString kNoVlan = QStringLiteral("You should input VLAN name.");
    static inline const QString kBadPort = QStringLiteral("You should input valid port.");
    static inline const QString kBadMac = QStringLiteral("You should input valid MAC address.");

    explicit TPrtSecDelCtrlForm(QWidget* owner, bool enlarge = false);

    void btnRefreshClick();
    void btnSetClick();

    QLineEdit* edtVlan = nullptr;
    QLineEdit* edtPort = nullptr;   // invisible: the device-wide port number
    QLineEdit* edtMac = nullptr;
    QComboBox* cbxOper = nullptr;   // invisible: the activity
    QLineEdit* UnitEdit = nullptr;  // invisible: the unit of PortEdit
    QLineEdit* PortEdit = nullptr;
    QPushButton* btnRefresh = nullptr;
    QPushButton* btnSet = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QLabel* StatusPanel = nullptr;  // StatusBar1's first panel

    KtSNMPRequest2Edits* DeleteRequest() const { return m_request; }

protected:
    void FreeControls() override;

private:
    void BuildControls();
    void FormCreate();
    // The read device-wide port into UnitEdit and PortEdit; 0 and 0 when there is none.
    void SplitPort();
    void Read();
    bool CheckInputs();

    KtSNMPRequest2Edits* m_request = nullptr;
    // The units a port is checked against: unit 1 with the model's ports.
    UnitPorts::UnitList SecurityEreaseLockUnitInfoList;
};
