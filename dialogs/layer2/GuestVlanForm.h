#pragma once
// The guest VLAN's name and ports, and its removal.
#include "dialogs/DialogBase.h"

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QStatusBar;
class TStackingPortUitForm;

class TGuestVlanForm : public TDialogBase {
    Q_OBJECT
public:
    static const KtDialogType Type;  // its menu command's dialog
    explicit TGuestVlanForm(QWidget* owner, bool enlarge = false);

    void BT_GetClick();
    void SetBtnClick();
    void DelBtnClick();
    void BT_CloseClick();

    QLineEdit* edtName = nullptr;
    QGroupBox* PortGroup = nullptr;
    TStackingPortUitForm* PortGrid = nullptr;
    QComboBox* cbxDel = nullptr;  // never shown: the value Delete writes
    QStatusBar* StatusBar1 = nullptr;
    QPushButton* BT_Get = nullptr;
    QPushButton* SetBtn = nullptr;
    QPushButton* DelBtn = nullptr;
    QPushButton* BT_Close = nullptr;

    KtSNMPRequest2Edits* SettingsRequest() const { return m_settings; }
    KtSNMPRequest2Edits* DeleteRequest() const { return m_delete; }

protected:
    void FreeControls() override;

private:
    void BuildControls();
    void FormCreate();
    // Runs body unless request is still busy (then nothing); an error goes to the status bar.
    void RunQuietly(KtSNMPRequest2Edits& request, const std::function<void()>& body);

    KtSNMPRequest2Edits* m_settings = nullptr;
    KtSNMPRequest2Edits* m_delete = nullptr;
};
