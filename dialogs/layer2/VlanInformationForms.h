#pragma once
// The VLAN information dialogs beside the static VLAN table:
//  - TVLanCurrentTableForm: the VLANs the switch uses now (learnt ones too), display only;
//  - TVLanGeneralInfoForm: the 802.1Q bridge's limits and its GVRP switch;
//  - TVLanPortInfomationForm: per port, the PVID, frame acceptance, ingress filtering, GVRP;
//  - TGuestVlanForm: the guest VLAN's name and ports, and its removal.
#include "dialogs/DialogBase.h"

#include <QString>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QStatusBar;
class QTabWidget;
class QTreeWidget;
class TStackingPortUitForm;

class TVLanCurrentTableForm : public TDialogBase {
    Q_OBJECT
public:
    static const KtDialogType Type;  // its menu command's dialog
    explicit TVLanCurrentTableForm(QWidget* owner, bool enlarge = false);

    void RefreshBtnClick();

    QTreeWidget* LV_dot1qVlanCurrentEntry = nullptr;
    QLabel* VlanNumDeletes = nullptr;
    QLabel* StaticText1 = nullptr;
    QTabWidget* PageControl1 = nullptr;
    TStackingPortUitForm* EgressGrid = nullptr;
    TStackingPortUitForm* UntaggedGrid = nullptr;
    QLabel* ST_Count2 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* RefreshBtn = nullptr;
    QPushButton* SetBtn = nullptr;  // never shown: nothing here is changed

    KtSNMPRequest2Edits* TableRequest() const { return m_table; }
    KtSNMPRequest2Edits* NumDeletesRequest() const { return m_numDeletes; }

protected:
    void FreeControls() override;

private:
    void BuildControls();
    void FormCreate();
    void ClearDetails();
    // Reads request again unless it is still reading; an error goes to Memo1.
    void Reread(KtSNMPRequest2Edits& request);

    KtSNMPRequest2Edits* m_table = nullptr;
    KtSNMPRequest2Edits* m_numDeletes = nullptr;
};

class TVLanGeneralInfoForm : public TDialogBase {
    Q_OBJECT
public:
    static const KtDialogType Type;  // its menu command's dialog
    explicit TVLanGeneralInfoForm(QWidget* owner, bool enlarge = false);

    void RefreshBtnClick();
    void SetBtnClick();

    QLabel* VlanVersionNumber = nullptr;
    QLabel* MaxVlanId = nullptr;
    QLabel* MaxSupportedVlans = nullptr;
    QLabel* CurrentNumOfVlans = nullptr;
    QComboBox* GvrpStatus = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* RefreshBtn = nullptr;
    QPushButton* SetBtn = nullptr;

    KtSNMPRequest2Edits* BaseRequest() const { return m_base; }

private:
    void BuildControls();
    void FormCreate();
    bool Idle() const;

    KtSNMPRequest2Edits* m_base = nullptr;
};

class TVLanPortInfomationForm : public TDialogBase {
    Q_OBJECT
public:
    static const KtDialogType Type;  // its menu command's dialog
    static inline const QString kRefreshNotComplete = QStringLiteral("Refresh Not Complete");
    static inline const QString kBadPortVlanId = QStringLiteral("Port VLAN ID must be a whole number from 1 to 4094");

    explicit TVLanPortInfomationForm(QWidget* owner, bool enlarge = false);

    void RefreshBtnClick();
    void SetBtnClick();

    QTreeWidget* LV_dot1qPortVlanEntry = nullptr;
    QLineEdit* PortVLanID = nullptr;
    QComboBox* AcceptableFrameTypes = nullptr;
    QComboBox* IngressFiltering = nullptr;
    QComboBox* GvrpStatus = nullptr;
    QLabel* ST_Count = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* RefreshBtn = nullptr;
    QPushButton* SetBtn = nullptr;

    KtSNMPRequest2Edits* TableRequest() const { return m_table; }

private:
    void BuildControls();
    void FormCreate();

    KtSNMPRequest2Edits* m_table = nullptr;
};

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
