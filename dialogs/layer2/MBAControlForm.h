#pragma once
// TMBAControlForm: MAC-based access control. Three scalar groups read and written
// synchronously: the settings (state, method, password), the feature's VLAN (name and member
// ports, one port grid) and the VLAN's delete state. A group whose last read failed holds no
// switch values in its controls, so Set leaves it out until a read succeeds again.
#include "dialogs/DialogBase.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
class TStackingPortUitForm;

class TMBAControlForm : public TDialogBase {
    Q_OBJECT
public:
    static const KtDialogType Type;  // its menu command's dialog
    static inline const QString kVlanNotWritten =
        QStringLiteral("VLAN name and member ports not written: they could not be read. Refresh first.");
    static inline const QString kSettingsNotWritten =
        QStringLiteral("State, method and password not written: they could not be read. Refresh first.");

    explicit TMBAControlForm(QWidget* owner, bool enlarge = false);

    void BT_GetClick();
    void SetBtnClick();
    void DelBtnClick();
    void BT_CloseClick();

    QLineEdit* edtName = nullptr;
    QComboBox* Cbox_State = nullptr;
    QComboBox* Cbox_Method = nullptr;
    QLineEdit* edtPassWord = nullptr;
    QComboBox* cbxDel = nullptr;     // never shown: the value Delete writes
    QLabel* lbDelState = nullptr;    // never shown
    QGroupBox* gbStackingPort = nullptr;
    TStackingPortUitForm* PortGrid = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QLabel* StatusPanel = nullptr;   // the first panel: every request's status line
    QPushButton* BT_Get = nullptr;
    QPushButton* SetBtn = nullptr;
    QPushButton* DelBtn = nullptr;
    QPushButton* BT_Close = nullptr;

    KtSNMPRequest2Edits* SettingsRequest() const { return m_settings; }
    KtSNMPRequest2Edits* VlanRequest() const { return m_vlan; }
    KtSNMPRequest2Edits* DeleteRequest() const { return m_delete; }

protected:
    void FreeControls() override;

private:
    void BuildControls();
    void FormCreate();
    // Reads request; false when it was busy (nothing read). ok tells whether the read worked.
    bool Read(KtSNMPRequest2Edits& request, bool* ok = nullptr);
    // The three reads of Refresh, stopping at a busy request.
    void ReadAll();
    // Writes the listed variables of request from its controls; an error goes to the panel.
    void Write(KtSNMPRequest2Edits& request, const std::vector<int>& columns);
    // A failure's status line is kept: the next request's "Ok" must not hide it.
    void Note(KtSNMPRequest2Edits& request, int operation, const QString& message);
    // The panel shows what went wrong during the command, if anything did.
    void Conclude();

    KtSNMPRequest2Edits* m_settings = nullptr;
    KtSNMPRequest2Edits* m_vlan = nullptr;
    KtSNMPRequest2Edits* m_delete = nullptr;
    bool m_settingsRead = false;  // the last read of the group worked
    bool m_vlanRead = false;
    QStringList m_notes;
};
