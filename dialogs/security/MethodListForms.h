#pragma once
// The login and enable method lists: named lists of up to four authentication methods tried in
// order, in a list view; Add creates a list (createAndGo), Edit changes the selected one (or
// destroys it, when its row status is put at "destroy"), Delete destroys it. The list
// "default" always stays: Delete is disabled for it and an Edit to destroy it is refused.
//
// One class serves both lists; what differs between them (table, labels, control names, the
// local method's type, messages, caption, when the type handlers run) is a MethodListKind.
//
// Before a write: a method whose type is empty or "other" is not sent; only a "server-group"
// method sends its group, and a "server-group" method with an empty group is refused. Methods
// after "local" or "none" are never tried: the operator is asked whether to change the list
// (Yes: nothing is sent) or to write it without them (No).
#include "dialogs/security/AclDialogBase.h"
#include "dialogs/security/MethodListRules.h"

#include <array>
#include <set>

class KtOptionList;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

struct MethodListKind {
    const KtSNMPVarDef* table;  // name (key), four type and group pairs, row status
    const char* listName;
    const KtOptionList* types;  // position 5 is the list's local method
    const char* nameEdit;
    std::array<const char*, MethodListRules::kMethodCount> typeCombos;
    std::array<const char*, MethodListRules::kMethodCount> groupEdits;
    std::array<const char*, 10> formLabels;  // as the variables, in table order
    const char* nameMissing;
    const char* duplicateName;
    const char* captionPrefix;
    bool captionAtCreation;               // else the menu sets it alone
    bool typeHandlersAfterDelete;
    bool typeHandlersAfterFailedCreation;
};

class TMethodListForm : public TAclDialogBase {
    Q_OBJECT
public:
    static constexpr int kName = 0, kRowStatus = 9;
    // Type of method N: 2N-1; its server group: 2N.
    static constexpr int TypeIndex(int method) { return 2 * method - 1; }
    static constexpr int GroupIndex(int method) { return 2 * method; }

    static inline const QString kOrderQuestion = QStringLiteral(
        "Method(s) after method local and none is(are) ineffective. Do you want to change your configurations?");
    static inline const QString kMustCreateAndGo = QStringLiteral("Row State must be createAndGo.");
    static inline const QString kDefaultStays = QStringLiteral("The method list default can not be destroyed.");
    static inline const QString kDefaultName = QStringLiteral("default");

    const MethodListKind& Kind() const { return m_kind; }
    // "<label of group N> must be set.": a server-group method without its group.
    QString GroupMissing(int method) const;
    // The type combos as method positions (unset: no choice, empty or "other").
    MethodListRules::Positions MethodPositions() const;

    void GetButtonClick();
    void AddButtonClick();
    void EditButtonClick();
    void DeleteButtonClick();
    // Method N's type changed (1 to 4): its group edit is enabled for "server-group" only, and
    // emptied in any case.
    void TypeChange(int method);

    QTreeWidget* ListView1 = nullptr;
    QLabel* StaticText1 = nullptr;
    QLineEdit* NameEdit = nullptr;  // ListnameEdit / NameEdit
    std::array<QComboBox*, MethodListRules::kMethodCount> TypeCombos{};
    std::array<QLineEdit*, MethodListRules::kMethodCount> GroupEdits{};
    QComboBox* RowComboBox = nullptr;
    QPushButton* GetButton = nullptr;
    QPushButton* EditButton = nullptr;
    QPushButton* AddButton = nullptr;
    QPushButton* DeleteButton = nullptr;

protected:
    TMethodListForm(QWidget* owner, bool enlarge, const MethodListKind& kind);

    void ClearInputs() override;
    void OnSelectionChanged(bool rowSelected) override;

private:
    void BuildControls();
    void FormCreate();
    // Reads the table as Refresh does; false when the read failed.
    bool ReadTable();
    void RunTypeHandlers();
    QString SelectedName() const;
    // A listed row's first column is name (names are compared as typed: case counts).
    bool IsListedName(const QString& name) const;
    // The checks of a write of these methods: a group for every server-group method, then the
    // order question. leftOut gets what the method rules (and the truncation, when chosen)
    // leave out; writeDropped (an Edit) keeps the truncated methods in, sent as "other".
    bool CheckMethods(std::set<int>& leftOut, bool writeDropped);

    const MethodListKind& m_kind;
};

class TLoginMethodListForm : public TMethodListForm {
    Q_OBJECT
public:
    static const KtDialogType Type;  // its menu command's dialog
    explicit TLoginMethodListForm(QWidget* owner, bool enlarge = false);
    static const MethodListKind kKind;
};

class TEnableMethodForm : public TMethodListForm {
    Q_OBJECT
public:
    static const KtDialogType Type;  // its menu command's dialog
    explicit TEnableMethodForm(QWidget* owner, bool enlarge = false);
    static const MethodListKind kKind;
};
