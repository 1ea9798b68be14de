#pragma once
// The row of a list view that a dialog's controls, Edit and Delete act on. Lists allow several
// rows to be selected (to copy them), but only one row at a time can be shown in the controls
// and written back: the one the operator last chose on its own (a plain click, a keyboard move,
// a selection made by the program), that is, the row last selected as the only selected row.
// Ctrl- or Shift-clicking further rows extends the selection and leaves the bound row as it was;
// the bound row leaving the selection, an empty selection, a refresh (the list cleared) or the
// row being removed forget it. The item pointer survives
// sorting and filtering, so the bound row stays the row the operator chose whatever its position.
//
//   KtBoundRow::Track(list);                       // once, when the list is set up
//   QTreeWidgetItem* row = KtBoundRow::Of(list);   // null: nothing chosen
#include <QObject>

class QTreeWidget;
class QTreeWidgetItem;

class KtBoundRow : public QObject {
    Q_OBJECT
public:
    // The tracker of list, made on the first call (a child of list, living as long as it).
    static KtBoundRow* Track(QTreeWidget* list);
    // The tracker of list, or null when nobody tracks it.
    static KtBoundRow* Find(const QTreeWidget* list);
    // The bound row of list. A list nobody tracks has one when exactly one row is selected.
    static QTreeWidgetItem* Of(const QTreeWidget* list);


signals:
    // The bound row changed: the new one, or null when it was forgotten.
    void Changed(QTreeWidgetItem* item);

private:
    explicit KtBoundRow(QTreeWidget* list);
    // The bound row as the selection now stands.
    QTreeWidgetItem* Current() const;
    void SelectionChanged();
    void RowsAboutToBeRemoved(int first, int last);
    void Forget();
    void Set(QTreeWidgetItem* item);
    void EmitPending();

    QTreeWidget* m_list;
    QTreeWidgetItem* m_item = nullptr;
    // Forgotten while the model was changing: reported once the change is complete.
    bool m_pending = false;
};
