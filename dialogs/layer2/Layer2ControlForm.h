#pragma once
// TLayer2ControlForm: thirteen global switch settings plus the web and telnet TCP ports, read
// and written synchronously; a Set sends only the settings whose tick box is ticked. The ports
// are separate groups: a port is read only while its service is enabled, and a group holding a
// ticked field that is empty or not a number is left out of the write (a management VLAN or a
// telnet port of 0 would cut the operator off the switch); the other groups still go out.
#include "dialogs/DialogBase.h"

#include <QString>

#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;

class TLayer2ControlForm : public TDialogBase {
    Q_OBJECT
public:
    static const KtDialogType Type;  // its menu command's dialog
    static inline const QString kEmptyChecked = QStringLiteral("Some Checked fields are empty.");

    explicit TLayer2ControlForm(QWidget* owner, bool enlarge = false);

    void GetButtonClick();
    void SetButtonClick();
    void CheckButtonClick();
    void ClearButtonClick();
    void CloseButtonClick();

    // The time the port edit stays read-only after a port read that followed a Set: longer
    // under SNMPv3 (framework version code 3), whose requests take longer to settle.
    static int PortSettleMs(int snmpVersion) { return snmpVersion == 3 ? 1500 : 800; }

    // Main settings, in the order of the group's variables.
    QComboBox* IGMPComBo = nullptr;
    QComboBox* RmonComBo = nullptr;
    QComboBox* TrapStateComBo = nullptr;
    QComboBox* CleanComBo = nullptr;
    QLineEdit* VlanEdit = nullptr;
    QLineEdit* edtMVlanID = nullptr;
    QComboBox* cbxMACNotify = nullptr;
    QLineEdit* edtNotifySize = nullptr;
    QLineEdit* edtNotifyInterval = nullptr;
    QComboBox* WebStateComBo = nullptr;
    QComboBox* TelStateComBo = nullptr;
    QComboBox* IPConfigComBo = nullptr;
    QComboBox* TrapLogComBo = nullptr;
    QLineEdit* WebPortEdit = nullptr;
    QLineEdit* TelPortEdit = nullptr;

    QCheckBox* CheckBox1 = nullptr;
    QCheckBox* CheckBox3 = nullptr;
    QCheckBox* CheckBox4 = nullptr;
    QCheckBox* CheckBox5 = nullptr;
    QCheckBox* CheckBox6 = nullptr;
    QCheckBox* CheckBox7 = nullptr;
    QCheckBox* CheckBox8 = nullptr;
    QCheckBox* CheckBox9 = nullptr;
    QCheckBox* CheckBox10 = nullptr;
    QCheckBox* CheckBox11 = nullptr;
    QCheckBox* CheckBox12 = nullptr;
    QCheckBox* CheckBox13 = nullptr;
    QCheckBox* CheckBox14 = nullptr;
    QCheckBox* CheckBox16 = nullptr;
    QCheckBox* CheckBox17 = nullptr;

    QPushButton* GetButton = nullptr;
    QPushButton* SetButton = nullptr;
    QPushButton* CheckButton = nullptr;
    QPushButton* ClearButton = nullptr;
    QPushButton* CloseButton = nullptr;
    QPlainTextEdit* Memo1 = nullptr;

    KtSNMPRequest2Edits* MainRequest() const { return m_main; }
    KtSNMPRequest2Edits* WebPortRequest() const { return m_webPort; }
    KtSNMPRequest2Edits* TelnetPortRequest() const { return m_telPort; }

protected:
    void FreeControls() override { m_freed = true; }

private:
    // A tick box, the control it lets into the write and that control's variable.
    struct Field {
        QCheckBox* tick;
        QWidget* control;
        int column;
    };
    struct Group {
        KtSNMPRequest2Edits* request;
        std::vector<Field> fields;
    };

    void BuildControls();
    void FormCreate();
    std::vector<Group> Groups() const;
    std::vector<QCheckBox*> AllTicks() const;
    // Creation and Refresh: the main group, the rules, then the ports whose service is enabled.
    void ReadAll();
    // A read of request; what it raises goes to Memo1. False when it raised.
    bool Read(KtSNMPRequest2Edits& request);
    // The ticked fields of group are all filled and hold whole numbers in range; otherwise the
    // message (one per group), the focus to the control, and false.
    bool GroupReady(const Group& group);
    // The ticked fields of group in one SET (the main group sends an empty SET when nothing is
    // ticked); what it raises goes to Memo1.
    void Write(const Group& group, bool emptyWhenNoneTicked);
    // The port half of a Set for one service: written when ticked (and ready), otherwise read
    // with the edit held read-only for a while; then read.
    bool SettlePort(QComboBox* state, QCheckBox* tick, KtSNMPRequest2Edits& request, QLineEdit* edit,
                    bool writeIt, const Group& group);
    // The web and telnet rules: a disabled service's port edit is empty and out of reach.
    void ApplyRules();
    void WebRule();
    void TelnetRule();
    static void PortRule(bool enabled, QLineEdit* edit, QCheckBox* tick);
    static bool Enabled(const QComboBox* state);
    bool AnyBusy() const;

    KtSNMPRequest2Edits* m_main = nullptr;
    KtSNMPRequest2Edits* m_webPort = nullptr;
    KtSNMPRequest2Edits* m_telPort = nullptr;
    bool m_working = false;  // a command is running (it may let events run while it waits)
    bool m_freed = false;    // the form is closing: its requests are going
};
