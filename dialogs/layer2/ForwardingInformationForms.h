#pragma once
// The forwarding information dialogs: group destinations forwarded, forward-all and
// forward-unregistered port lists by VLAN. Each walks its table into a list view and shows the
// selected row's port lists on tab pages of port grids (twelve units, unit 1 shown, the port
// list bound to unit 1's 32 boxes). Forward-all writes its static and forbidden lists back for
// the selected VLAN; the other two only read.
#include "dialogs/DialogBase.h"

#include <vector>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTreeWidget;
class TStackingPortUitForm;

// A grid page: its caption and the variable it shows (-1: none).
struct TForwardingPage {
    const char* caption;
    int column;
    bool readOnly;
};

struct TForwardingDef {
    const KtSNMPVarDef* variables;
    const char* listName;
    int keyCount;
    std::vector<const char*> keyCaptions;  // one label a key
    std::vector<TForwardingPage> pages;
    bool hasSet;
    std::vector<int> setColumns;  // what Set writes; empty: Set walks again
};

class TForwardingInformationForm : public TDialogBase {
    Q_OBJECT
public:
    // Button handlers.
    void RefreshBtnClick();
    void SetBtnClick();
    void CloseBtnClick();

    QTreeWidget* ListView1 = nullptr;
    QLabel* ST_Count = nullptr;
    std::vector<QLabel*> KeyLabels;
    QTabWidget* PortPages = nullptr;
    std::vector<TStackingPortUitForm*> Grids;  // in page order
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* RefreshBtn = nullptr;
    QPushButton* SetBtn = nullptr;  // null where the dialog has none
    QPushButton* CloseBtn = nullptr;

    KtSNMPRequest2Edits* TableRequest() const { return m_table; }

protected:
    TForwardingInformationForm(QWidget* owner, bool enlarge, const TForwardingDef& def);

    void FreeControls() override;

private:
    void BuildControls();
    void FormCreate();
    void ListSelectItem();
    void ClearDetails();
    bool RowSelected() const;

    const TForwardingDef& m_def;
    KtSNMPRequest2Edits* m_table = nullptr;
};

class TTpGroupDestinationForwardedForm : public TForwardingInformationForm {
    Q_OBJECT
public:
    static const KtDialogType Type;  // its menu command's dialog
    explicit TTpGroupDestinationForwardedForm(QWidget* owner, bool enlarge = false);
};

class TMulticastForwardingInformationForm : public TForwardingInformationForm {
    Q_OBJECT
public:
    static const KtDialogType Type;  // its menu command's dialog
    explicit TMulticastForwardingInformationForm(QWidget* owner, bool enlarge = false);
};

class TForwardUnregisteredInformationForm : public TForwardingInformationForm {
    Q_OBJECT
public:
    static const KtDialogType Type;  // its menu command's dialog
    explicit TForwardUnregisteredInformationForm(QWidget* owner, bool enlarge = false);
};
