#pragma once
// The table view: one list item per table row, with "Edit", "Add" and "Delete" done through
// modal forms that borrow the editor's rows, and the row-status column for adding and deleting.
#include "views/SNMPEditorPanel.h"

#include <functional>

class QTreeWidgetItem;

class TSNMPListViewPanel : public TSNMPEditorPanel {
    Q_OBJECT
public:
    using Hook = std::function<void()>;

    TSNMPListViewPanel(QWidget* parent, KtSNMPRequest2Edits* request);
    ~TSNMPListViewPanel() override;

    TListViewPanel* ListViewPanel() const { return m_listPanel; }
    QTreeWidget* ListView() const;

    // The row-status column and its option texts for "Add" and "Delete". Throws TViewError when
    // the text is not an item of that row's drop-down list.
    void SetAddStatus(int row, const QString& text);
    void SetDeleteStatus(int row, const QString& text);
    int AddStatusIndex() const;
    int DeleteStatusIndex() const;

    void Refresh() override;
    void Add();
    void Edit();
    void Delete();

    // The hint for a list item: caption, tabs to line captions up, two blanks, cell text.
    QString HintFor(const QTreeWidgetItem* item) const;

    // The modal add or edit form while it is open (tests drive it).
    QDialog* OpenForm() const { return m_form; }

    Hook BeforeAdd;
    Hook AfterAdd;
    Hook BeforeEdit;
    Hook AfterEdit;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SelectionChanged();
    void UpdateCounter();
    // Abandons a running walk (up to 1000 ms) so a form can use the request.
    void StopWalk();
    // A form centred on the host, holding a panel with the edits panel lent to it.
    QDialog* MakeForm(const QString& suffix, TSNMPPanel*& panel);
    void FinishForm(QDialog* form);
    QComboBox* StatusCombo(int row) const;

    TListViewPanel* m_listPanel = nullptr;
    QDialog* m_form = nullptr;
    bool m_quietSelection = false;  // the add form's own clearing of the selection
};
