#pragma once
// A table dialog with a companion editor: the table dialog owns one request, shown in its list
// view with status lines in its memo; the request's bound controls are those of a modal editor
// the table dialog makes at its creation and keeps until it closes.
//
//  - TCompanionEditor: the editor. EditMode 1 edits the selected row, 2 adds one. Each time it
//    is shown FormActivate runs (after the caption is set: it may change it); Set runs the
//    table dialog's OnSet hook, and the editor closes when that reports it is done (sent, or
//    an error shown in the table's memo); Close closes it without sending.
//  - TCompanionTableBase: the table side. Edit (button, or a double click while Edit is
//    enabled) loads the selected row into the editor's controls before showing it, so the
//    editor never shows what an earlier Add left there; Delete takes its keys from the selected
//    row; after the editor closes, and after a Delete, no row is selected and Edit and Delete
//    are disabled. While a walk or write runs, Add, Edit, Delete and the editor's Set are
//    refused with the guard message and Refresh is ignored.
//
//   TFooForm::TFooForm(QWidget* owner, bool enlarge) : TCompanionTableBase(owner, enlarge)
//   {
//       Editor = new TFooEditForm(this);
//       StartTable(kFoo, "fooTable", Editor, [this](KtSNMPRequest2Edits& r) { r.Bind(0, ...); });
//       Editor->OnSet = [this] { return RunOperation(Table(), [&] { ... }, [&] { ... }); };
//   }
#include "dialogs/DialogBase.h"

#include <QDialog>
#include <QString>

#include <functional>

class QFormLayout;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class QVBoxLayout;

class TCompanionEditor : public QDialog {
    Q_OBJECT
public:
    static constexpr int kEditMode = 1;
    static constexpr int kAddMode = 2;

    // table: the dialog that owns the editor and its request.
    explicit TCompanionEditor(QWidget* table);

    // Shows the editor modally in mode under caption; FormActivate runs first.
    int ShowModal(int mode, const QString& caption);

    void SetButtonClick();
    void CloseButtonClick();

    int EditMode = kAddMode;
    // The Set: true when the editor is done and closes, false to keep it open (an input
    // refused, or the table busy).
    std::function<bool()> OnSet;

    QPushButton* SetButton = nullptr;
    QPushButton* CloseButton = nullptr;

protected:
    // Each time the editor is shown: what EditMode makes of its controls.
    virtual void FormActivate() {}
    // Where a derived editor puts its labelled controls.
    QFormLayout* Fields() const { return m_fields; }

private:
    QFormLayout* m_fields = nullptr;
};

class TCompanionTableBase : public TDialogBase {
    Q_OBJECT
public:
    static inline const QString kChooseFirst = QStringLiteral("Choose the item first.");

    void GetButtonClick();
    void AddButtonClick();
    void EditButtonClick();

    QTreeWidget* ListView1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QLabel* StaticText1 = nullptr;
    QPushButton* GetButton = nullptr;
    QPushButton* AddButton = nullptr;
    QPushButton* EditButton = nullptr;
    QPushButton* DeleteButton = nullptr;

    KtSNMPRequest2Edits* TableRequest() const { return m_table; }
    TCompanionEditor* CompanionEditor() const { return m_editor; }

protected:
    // The list view, the buttons, the row count and the memo.
    TCompanionTableBase(QWidget* owner, bool enlarge);

    // The table request on defs, its list view, memo and editor controls (bind binds them),
    // then the first walk. Errors go to Memo1. A table of several keys names its item type and
    // key count.
    void StartTable(const KtSNMPVarDef* defs, const QString& listName, TCompanionEditor* editor,
                    const std::function<void(KtSNMPRequest2Edits&)>& bind,
                    std::uint8_t itemType = KtItem::MVT_UMV, int keyCount = 1);
    // A further button of the column (Close, Stop), placed above the row count.
    QPushButton* AddColumnButton(const char* name, const char* text);
    KtSNMPRequest2Edits& Table() { return *m_table; }

    // The editor's caption for an Add or an Edit (by default the dialog's own, " (Add)" added
    // for an Add).
    virtual QString EditorCaption(int mode) const;

    // Delete: the selected row's status set to "destroy" (alone), then the walk; refused
    // without a selection or while busy. Ends with no row selected.
    void DeleteSelected(int statusColumn, QComboBox* statusCombo, int destroyPosition);

    // The list view's cell of variable i in item ("" when the variable has no column).
    QString Cell(const QTreeWidgetItem* item, int i) const;
    // The listed row whose first column is key, or null.
    QTreeWidgetItem* RowWithKey(const QString& key) const;

    void FreeControls() override;

private:
    void OpenEditor(int mode);
    void SelectionChanged();
    void EndOfCommand();

    KtSNMPRequest2Edits* m_table = nullptr;
    TCompanionEditor* m_editor = nullptr;
    QVBoxLayout* m_buttons = nullptr;
};
