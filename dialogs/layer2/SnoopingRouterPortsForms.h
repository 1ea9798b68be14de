#pragma once
// The router ports of IGMP and MLD snooping per VLAN: the table walked into a list view, the
// selected VLAN's static, dynamic and forbidden ports in three port grids; Set writes the
// static and forbidden lists of that VLAN (the dynamic list is the switch's own, never sent).
//
// One dialog, two tables: each form is the dialog configured by its description (variables,
// the caption of the VLAN label, a VLAN name or none, memo or status bar).
#include "dialogs/DialogBase.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QStatusBar;
class QTabWidget;
class QTreeWidget;
class TStackingPortUitForm;

struct TRouterPortsDef {
    const KtSNMPVarDef* variables;
    const char* listName;
    const char* vlanCaption;  // the caption of stVlanID
    int nameIndex;            // the VLAN name shown in stVlanName, or -1 for none
    int staticIndex;
    int dynamicIndex;
    int forbiddenIndex;
    bool statusBar;           // messages in StatusBar1 (else in Memo1)
};

class TSnoopingRouterPortsForm : public TDialogBase {
    Q_OBJECT
public:
    // Button handlers.
    void btnGetClick();
    void btnSetClick();
    void btnStopClick();
    void btnCloseClick();

    QTreeWidget* ListView1 = nullptr;
    QLabel* stVlanID = nullptr;
    QLabel* stVlanName = nullptr;  // IGMP only
    QTabWidget* PortPages = nullptr;
    TStackingPortUitForm* StaticGrid = nullptr;
    TStackingPortUitForm* DynamicGrid = nullptr;
    TStackingPortUitForm* ForbiddenGrid = nullptr;
    QPlainTextEdit* Memo1 = nullptr;    // IGMP
    QStatusBar* StatusBar1 = nullptr;   // MLD
    QPushButton* btnGet = nullptr;
    QPushButton* btnSet = nullptr;
    QPushButton* btnStop = nullptr;
    QPushButton* btnClose = nullptr;

    KtSNMPRequest2Edits* TableRequest() const { return m_table; }

protected:
    TSnoopingRouterPortsForm(QWidget* owner, bool enlarge, const TRouterPortsDef& def);

    void FreeControls() override;

private:
    void BuildControls();
    void FormCreate();
    void ListView1SelectItem();
    void ClearDetails();
    bool RowSelected() const;

    const TRouterPortsDef& m_def;
    KtSNMPRequest2Edits* m_table = nullptr;
};

// IGMP snooping router ports (messages in Memo1).
class TIGMPRouterPortsForm : public TSnoopingRouterPortsForm {
    Q_OBJECT
public:
    static const KtDialogType Type;  // its menu command's dialog
    explicit TIGMPRouterPortsForm(QWidget* owner, bool enlarge = false);
};

// MLD snooping router ports (messages in the status bar).
class TMLD_SnoopingRouterPortsForm : public TSnoopingRouterPortsForm {
    Q_OBJECT
public:
    static const KtDialogType Type;  // its menu command's dialog
    explicit TMLD_SnoopingRouterPortsForm(QWidget* owner, bool enlarge = false);
};
