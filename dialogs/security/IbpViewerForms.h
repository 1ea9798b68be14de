#pragma once
// The access profiles and rules the switch keeps for IP-MAC binding, shown read-only: a list,
// the selected row in display-only controls (and the rule's ports in a port grid), Refresh.
// Nothing is ever sent to the switch from these dialogs.
//
// One viewer, four tables: each dialog is the viewer configured by its description (its
// variables, which of them an edit or the combo shows, whether it has ports).
#include "dialogs/security/AclDialogBase.h"

#include <span>
#include <vector>

class QComboBox;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class TStackingPortUitForm;

// What a viewer shows.
struct TIbpViewerDef {
    // A variable shown in an edit (format given) or in the combo (format null).
    struct Field {
        int index;
        const char* name;
        const char* format;
    };
    const KtSNMPVarDef* variables;
    int keyCount;
    const char* listName;
    const char* refreshName;  // the Refresh button's form name
    std::span<const Field> fields;
    int portIndex = -1;  // the port list shown in a port grid, or none
};

class TIbpViewerForm : public TAclDialogBase {
    Q_OBJECT
public:
    // Reads the table again.
    void RefreshClick();

    // A control of the form by its form name (edtID, cbxPermit, ...).
    QLineEdit* EditNamed(const QString& name) const;

    QTreeWidget* ListView1 = nullptr;
    QPushButton* RefreshButton = nullptr;
    QComboBox* Combo = nullptr;                   // the one option the row has (none: null)
    std::vector<QLineEdit*> Edits;                // in the order of the description's fields
    QWidget* StackingPortPanel = nullptr;         // rule viewers only
    TStackingPortUitForm* PortGrid = nullptr;

protected:
    TIbpViewerForm(QWidget* owner, bool enlarge, const TIbpViewerDef& def);

    void ClearInputs() override;
    void FreeControls() override;

private:
    void BuildControls(const TIbpViewerDef& def);
    void FormCreate(const TIbpViewerDef& def);
};

// Ethernet masks of IP-MAC binding (profiles 1 to 14).
class TIBPACLEtherMaskForm : public TIbpViewerForm {
    Q_OBJECT
public:
    static const KtDialogType Type;  // its menu command's dialog
    explicit TIBPACLEtherMaskForm(QWidget* owner, bool enlarge = false);
};

// IP masks of IP-MAC binding.
class TIBPIPMaskForm : public TIbpViewerForm {
    Q_OBJECT
public:
    static const KtDialogType Type;  // its menu command's dialog
    explicit TIBPIPMaskForm(QWidget* owner, bool enlarge = false);
};

// Ethernet rules of IP-MAC binding (rules 1 to 128 of each profile) with their ports.
class TIBPEtherRuleForm : public TIbpViewerForm {
    Q_OBJECT
public:
    static const KtDialogType Type;  // its menu command's dialog
    explicit TIBPEtherRuleForm(QWidget* owner, bool enlarge = false);
};

// IP rules of IP-MAC binding with their ports.
class TIBPIPRuleForm : public TIbpViewerForm {
    Q_OBJECT
public:
    static const KtDialogType Type;  // its menu command's dialog
    explicit TIBPIPRuleForm(QWidget* owner, bool enlarge = false);
};
