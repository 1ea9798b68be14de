#pragma once
// The bridge, port and device information dialogs: small windows that show a MIB group or table
// and change little or nothing. Two shapes, each configured by a table:
//  - TInfoTableForm: one table walked into a list (port capabilities, the 802.1X MAC statistics
//    and diagnostics), with "Refresh";
//  - TInfoScalarsForm: scalar groups shown in labels, edits and combos (802.1P basic
//    configuration, equipment and probe information), with "Refresh" and, where one is
//    writable, "Set".
// Every dialog is its own class so that the menu opens it by name; the classes add nothing but
// their table.
#include "dialogs/DialogBase.h"

#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QStatusBar;
class QTreeWidget;

// ---- a table walked into a list -----------------------------------------------------------

struct TInfoTableShape {
    const char* formName;
    const KtSNMPVarDef* defs;
    int keyCount;
    const char* listName;       // the request's list name
    const char* listObject;     // the list view's form name
    const char* refreshObject;  // the Refresh button's form name
    const char* countObject;    // the row-count box's form name; null: none
    bool synchronous;           // the walk blocks (Mode 0) and raises its errors
    // The walk takes part in the completion flags shared with the GARP timer dialog: none
    // starts while one is clear, a walk clears them until it ends.
    bool sharedCompletion;
};

class TInfoTableForm : public TDialogBase {
    Q_OBJECT
public:
    TInfoTableForm(QWidget* owner, bool enlarge, const TInfoTableShape& shape);
    ~TInfoTableForm() override;

    void RefreshClick();

    QTreeWidget* ListView = nullptr;
    QLabel* CountBox = nullptr;  // null when the dialog shows no count
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* RefreshBtn = nullptr;

    KtSNMPRequest2Edits* TableRequest() const { return m_table; }

private:
    void BuildControls();
    void FormCreate();
    void Walk();

    const TInfoTableShape& m_shape;
    KtSNMPRequest2Edits* m_table = nullptr;
};

class TPortCapabilities8021dForm : public TInfoTableForm {
    Q_OBJECT
public:
    static const KtDialogType Type;  // its menu command's dialog
    explicit TPortCapabilities8021dForm(QWidget* owner, bool enlarge = false);
};

class TMacStatisticTableForm : public TInfoTableForm {
    Q_OBJECT
public:
    static const KtDialogType Type;  // its menu command's dialog
    explicit TMacStatisticTableForm(QWidget* owner, bool enlarge = false);
};

class TDiagnosticsInformationForm : public TInfoTableForm {
    Q_OBJECT
public:
    static const KtDialogType Type;  // its menu command's dialog
    explicit TDiagnosticsInformationForm(QWidget* owner, bool enlarge = false);
};

// ---- scalar groups ------------------------------------------------------------------------

struct TInfoField {
    // Fixed: a static text that shows `fixed` and is bound to nothing.
    enum Kind { Text, Edit, Choice, HiddenEdit, Fixed };
    int request;  // index into the shape's groups
    int column;   // variable of that group
    Kind kind;
    const char* object;
    const char* label;
    const char* fixed = nullptr;
};

struct TInfoScalarsShape {
    const char* formName;
    std::vector<const KtSNMPVarDef*> groups;  // one scalar request each
    std::vector<TInfoField> fields;
    const char* refreshObject;
    bool synchronous;
    bool statusBar;  // messages to a status bar instead of Memo1
    // Set: hidden, shown without an action, or writing one variable of one group.
    enum SetKind { NoSet, HiddenSet, InertSet, SendOne } set;
    int setRequest = 0, setColumn = 0;
};

class TInfoScalarsForm : public TDialogBase {
    Q_OBJECT
public:
    TInfoScalarsForm(QWidget* owner, bool enlarge, const TInfoScalarsShape& shape);

    void RefreshClick();
    void SetClick();

    // The control of the field with that form name (null if none).
    QWidget* Field(const char* object) const;

    QPlainTextEdit* Memo1 = nullptr;      // null in a dialog with a status bar
    QStatusBar* StatusBar1 = nullptr;     // null in a dialog with Memo1
    QPushButton* RefreshBtn = nullptr;
    QPushButton* SetBtn = nullptr;

    const std::vector<KtSNMPRequest2Edits*>& Groups() const { return m_groups; }

private:
    void BuildControls();
    void FormCreate();
    // Reads every group not already reading; the first error ends the round (a switch that
    // does not answer costs one time-out, not one per group) and is shown.
    void ReadAll();

    const TInfoScalarsShape& m_shape;
    std::vector<QWidget*> m_fields;
    std::vector<KtSNMPRequest2Edits*> m_groups;
};

class TPBridgeConfigForm : public TInfoScalarsForm {
    Q_OBJECT
public:
    static const KtDialogType Type;  // its menu command's dialog
    explicit TPBridgeConfigForm(QWidget* owner, bool enlarge = false);
};

class TEquipmentBasicInfoForm : public TInfoScalarsForm {
    Q_OBJECT
public:
    static const KtDialogType Type;  // its menu command's dialog
    explicit TEquipmentBasicInfoForm(QWidget* owner, bool enlarge = false);
};

class TProbeBasicInformationForm : public TInfoScalarsForm {
    Q_OBJECT
public:
    static const KtDialogType Type;  // its menu command's dialog
    // The capabilities this module knows the probe for, shown whatever the switch reports.
    static constexpr const char* kCapabilities = "etherStats,historyControl,etherHistory,alarm,event,probeConfig";

    explicit TProbeBasicInformationForm(QWidget* owner, bool enlarge = false);

    QLabel* stCap = nullptr;
};
