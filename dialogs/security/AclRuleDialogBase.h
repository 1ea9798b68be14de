#pragma once
// TAclRuleDialogBase: the access-control dialogs whose fields each carry a tick box, so that
// a write sends only the ticked fields (rules under Ethernet, IP and IPv6 masks, and the
// dialogs built the same way). On TAclDialogBase: one synchronous table request, the two
// states, a command sent and the table read again.
//
// A derived dialog builds its controls and then describes them once (SetRuleSetup):
//   - fields: every tick box with the variable it lets into a write and the control that
//     holds the value, in the order the dialog's checks look at them;
//   - the port list variable (no box: always sent, bound to the first 32 boxes of the grid),
//     the row-status variable, its combo and box, the permit box;
//   - the enable-priority combo and box, and the Priority and Replace Priority fields it
//     governs (PriorityRule, the enable-priority change);
//   - the key edits and the value edits ClearInputs empties;
//   - per dialog: boxes Check All and Clear Checks touch only while enabled
//     (onlyWhileEnabled; ClearInputs follows the same rule), boxes they leave alone
//     (untouchedByCheckAll; ClearInputs unticks those), and whether Edit hands
//     "createAndGo" to Add and "destroy" to Delete whatever the row-status box says.
// It then implements ValidateInputs (its own messages; RequireTickedFilled and
// CountCheckedPorts help) and, where the dialog has more rules of what to leave out,
// DialogRules (after the field checks, before PriorityRule).
//
// Commands: AddRule (checks, duplicate pair, permit ticked, row status ticked and
// createAndGo, then one SET), EditRule (the ticked fields and the port list, or the row
// status alone for "destroy"), DeleteRule (the row status "destroy", one varbind). What a
// write sends is decided first as an index set (SendSet), every edit still in it is checked
// against its constraint (CheckEdits), then it goes out by index list: no access flag changes.
#include "dialogs/security/AclDialogBase.h"

#include <QPointer>
#include <QString>

#include <functional>
#include <set>
#include <vector>

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class TStackingPortUitForm;

class TAclRuleDialogBase : public TAclDialogBase {
    Q_OBJECT
public:
    static inline const QString kNoPort = QStringLiteral("You must choose at least 1 port!");
    static inline const QString kPermitNotChecked = QStringLiteral("Permit option must be checked.");
    static inline const QString kRowStateNotCreateAndGo =
        QStringLiteral("Row State must be checked and set to createAndGo.");
    static inline const QString kRxRateRange = QStringLiteral("Rx Rate should between 0-156249");
    static constexpr int kPortBits = 32;
    static constexpr qint64 kRxRateMax = 156249;

    // A field's tick box, the variable it lets into a write, and the control of its value.
    struct RuleField {
        QCheckBox* box = nullptr;
        int column = 0;
        QWidget* control = nullptr;
    };

    struct RuleSetup {
        std::vector<RuleField> fields;  // in the order the checks look at them
        std::vector<QLineEdit*> keyEdits;
        std::vector<QLineEdit*> clearEdits;  // emptied by ClearInputs besides the keys
        int portColumn = -1;
        int statusColumn = -1;
        QComboBox* rowCombo = nullptr;
        QCheckBox* rowBox = nullptr;
        QCheckBox* permitBox = nullptr;
        QWidget* permitControl = nullptr;
        // PriorityRule and the enable-priority change.
        int enablePriorityColumn = -1;
        QComboBox* enablePriorityCombo = nullptr;
        QCheckBox* enablePriorityBox = nullptr;
        int priorityColumn = -1;
        QCheckBox* priorityBox = nullptr;
        QWidget* priorityControl = nullptr;
        int replaceColumn = -1;
        QCheckBox* replaceBox = nullptr;
        QWidget* replaceControl = nullptr;
        // Per-dialog differences.
        std::vector<QCheckBox*> onlyWhileEnabled;
        std::vector<QCheckBox*> untouchedByCheckAll;
        bool editHandsOver = false;
        QString duplicateMessage;  // Add: the key pair of a listed row
    };

    TStackingPortUitForm* PortGrid = nullptr;
    QLabel* StaticText1 = nullptr;

    // The variables the next Add or Edit would send: the writable ones less the unticked
    // fields, the dialog's own rules and PriorityRule.
    std::vector<int> SendSet();
    // Empties the key and value edits, unticks the field boxes and the ports.
    void ClearInputs() override;

protected:
    TAclRuleDialogBase(QWidget* owner, bool enlarge);

    // The grid docked into host (which has a layout): unitCount units of 32 boxes ("Unit1",
    // ...), columns per row, unit 1 shown for the model. Call before BindRuleTable.
    void PreparePortGrid(QWidget* host, int columns, int unitCount = 1);
    // The port variable bound to the first 32 boxes, the row count kept in StaticText1 and the
    // enable-priority change hooked; call once the request and the setup are there.
    void BindRuleTable();
    void SetRuleSetup(RuleSetup setup) { m_setup = std::move(setup); }
    const RuleSetup& Setup() const { return m_setup; }

    // The commands and the handlers the dialogs share.
    void RefreshRules();
    void AddRule();
    void EditRule();
    void DeleteRule();
    void CheckAllFields();
    void ClearFieldChecks();
    void EnablePriorityChange();

    // The dialog's input checks (messages and focus its own); false stops the command.
    virtual bool ValidateInputs() = 0;
    // Further variables to leave out, after the unticked fields (IP: the protocol's).
    virtual void DialogRules(std::set<int>& /*leftOut*/) const {}

    // The unticked fields' variables.
    std::set<int> ApplyFieldChecks() const;
    // Priority and Replace Priority left out unless the enable-priority setting in force (the
    // ticked combo, else the selected row's) is other than "disabled".
    void PriorityRule(std::set<int>& leftOut) const;
    // At least one of the first 32 port boxes ticked; else kNoPort and false.
    bool CountCheckedPorts();
    // Each ticked field in order: its control's text not empty (else emptyMessage, the focus
    // to it, false), then extra (its own message) when given.
    bool RequireTickedFilled(const QString& emptyMessage,
                             const std::function<bool(const RuleField&)>& extra = {});
    // The text a field's control shows (an edit's text, a combo's current text).
    static QString ControlText(const QWidget* control);
    // The selected row's text under the variable's column, empty without a row.
    QString SelectedRowText(int column) const;

    void OnSelectionChanged(bool rowSelected) override;
    void FreeControls() override;

    // Form building: controls named as the form names them, a field grid two fields a row,
    // and the frame every rule dialog shares: the list view, the two key edits with their
    // labels, the field grid (returned, for AddField), the host of the port grid, the buttons
    // on the right above the row count StaticText1, and the status bar.
    QCheckBox* FieldBox(const char* name, const QString& text);
    QPushButton* Button(const char* name, const QString& text);
    QLineEdit* NamedEdit(const char* name);
    QComboBox* NamedCombo(const char* name);
    static void AddField(QGridLayout* grid, int& slot, QWidget* box, QWidget* control);
    QGridLayout* BuildRuleFrame(QTreeWidget*& listView, QLineEdit* firstKey, const QString& firstLabel,
                                QLineEdit* secondKey, const QString& secondLabel, QWidget*& portHost,
                                const std::vector<QPushButton*>& buttons);

private:
    bool Skips(const QCheckBox* box, bool checkAll) const;
    // send, and the selection cleared when it raises (what it raises goes on).
    void SendOrDeselect(const std::function<void()>& send);
    std::vector<int> CheckedColumns(const std::vector<int>& send) const;

    RuleSetup m_setup;
    QPointer<QTreeWidget> m_listView;
};
