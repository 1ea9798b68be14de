#pragma once
// What every list view of the module offers besides its own binding: Ctrl+C and a context menu
// ("Copy", "Copy All", "Export CSV..."), sorting by a header click in the natural order of
// ListText.h, and a filter box (shown above a list once it holds more than kFilterRows rows, or
// on Ctrl+F). Attach once per list; it lives as long as the list.
//
// The binding layer reads a row's values from the selected item itself, so sorting keeps the
// same QTreeWidgetItem objects and puts them in another order: selection and current item are
// restored with the list's signals blocked, and neither sorting nor filtering emits
// itemSelectionChanged (that would reload the bound controls). A list whose row position
// matters carries the dynamic property "vkrNoSort" = true and is never sorted.
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <vector>

class QAction;
class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

class TListViewTools : public QObject {
    Q_OBJECT
public:
    static constexpr int kFilterRows = 20;
    static constexpr const char* kNoSortProperty = "vkrNoSort";

    // The tools of list, attached now if they were not yet.
    static TListViewTools* Attach(QTreeWidget* list);
    // Attaches the tools to every list view under root (those that have them keep theirs).
    static void AttachAll(QWidget* root);
    // The tools of list, or nullptr.
    static TListViewTools* Of(const QTreeWidget* list);

    QTreeWidget* List() const { return m_list; }

    // The selected rows that are shown, as tab-separated text with the captions first.
    QString SelectedText() const;
    // Every row shown (rows a filter hides are left out), tab-separated, captions first.
    QString AllText() const;
    // Every row shown as CSV (RFC 4180), captions first.
    QString CsvText() const;
    void CopySelected();
    void CopyAll();
    // Asks for a file and writes CsvText() to it as UTF-8.
    void ExportCsv();
    // Writes CsvText() to path; false, with a message to the operator, when it cannot.
    bool SaveCsv(const QString& path);

    // Sorts by column (a header click does this: ascending, then descending on the next
    // click of the same column). The order stays for rows read later.
    void SortBy(int column, bool ascending);
    int SortColumn() const { return m_sortColumn; }
    bool Ascending() const { return m_ascending; }

    // The filter box (created on first need; nullptr before that).
    QLineEdit* FilterBox() const { return m_filter; }
    // Shows the filter box and gives it the focus (Ctrl+F).
    void ShowFilter();
    void SetFilterText(const QString& text);

    QAction* CopyAction() const { return m_copy; }
    QAction* CopyAllAction() const { return m_copyAll; }
    QAction* ExportAction() const { return m_export; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit TListViewTools(QTreeWidget* list);

    bool Sortable() const;
    void HeaderClicked(int section);
    void RowsInserted(int first, int last);
    void ScheduleResort();
    void Resort();
    void ApplyFilter(int first, int last);
    void MakeFilterBox();
    std::vector<int> ShownColumns() const;
    QStringList Captions(const std::vector<int>& columns) const;
    QStringList Cells(const QTreeWidgetItem* item, const std::vector<int>& columns) const;
    std::vector<QStringList> ShownRows(bool selectedOnly, const std::vector<int>& columns) const;

    QTreeWidget* m_list = nullptr;
    QAction* m_copy = nullptr;
    QAction* m_copyAll = nullptr;
    QAction* m_export = nullptr;
    int m_sortColumn = -1;
    bool m_ascending = true;
    bool m_sorting = false;         // our own take-and-insert is under way
    bool m_resortPending = false;
    bool m_filterUsed = false;      // rows have been hidden by the filter at some time
    QPointer<QLineEdit> m_filter;
    QPointer<QWidget> m_container;  // holds the box and the list in the list's old place
};
