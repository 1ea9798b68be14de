#pragma once
// What every list view of the module offers besides its own binding: Ctrl+C and a context menu
// ("Copy", "Copy All", "Export CSV..."), sorting by a header click in the natural order of
// ListText.h, and a filter box (shown above a list once it holds more than kFilterRows rows, or
// on Ctrl+F) with the count of rows it shows while it hides some. Attach once per list; it
// lives as long as the list.
//
// Big lists stay quick: each row's sort key and filter text are made once and kept with the row
// (until its cells change); rows read later are merged into the sorted order, and only the rows
// that move are taken out and put back.
//
// The binding layer reads a row's values from the selected item itself, so sorting keeps the
// same QTreeWidgetItem objects and puts them in another order: selection and current item are
// restored with the list's signals blocked, and neither sorting nor filtering emits
// itemSelectionChanged (that would reload the bound controls). A list whose row position
// matters carries the dynamic property "vkrNoSort" = true and is never sorted.
#include "views/ListText.h"

#include <QLabel>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <memory>
#include <unordered_map>
#include <vector>

class QAbstractItemModel;
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
    // Puts new rows (items in no list yet) in as if at the top, in the order given: unsorted,
    // at the top in one insertion; sorted, each straight into its place, before the rows it
    // equals, with one insertion per place and the rows already listed left where they are
    // (the order is that of a sort after putting them at the top). A list that takes in a
    // stream of rows, newest first, uses it instead of inserting at row 0 itself.
    void InsertAtTop(const QList<QTreeWidgetItem*>& rows);
    int SortColumn() const { return m_sortColumn; }
    bool Ascending() const { return m_ascending; }

    // The filter box (created on first need; nullptr before that).
    QLineEdit* FilterBox() const { return m_filter; }
    // Shows the filter box and gives it the focus (Ctrl+F).
    void ShowFilter();
    void SetFilterText(const QString& text);
    // "shown of total" beside the box, visible while the filter hides rows (nullptr before the
    // box exists).
    QLabel* FilterCount() const { return m_count; }

    QAction* CopyAction() const { return m_copy; }
    QAction* CopyAllAction() const { return m_copyAll; }
    QAction* ExportAction() const { return m_export; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

public:
    ~TListViewTools() override;

private:
    explicit TListViewTools(QTreeWidget* list);

    bool Sortable() const;
    void HeaderClicked(int section);
    // What is kept of a row: its sort key for the sort column and its filter text, made on first
    // need, and whether the filter hides it.
    struct RowCache {
        const QTreeWidgetItem* item = nullptr;  // the row's item, to check the rows are in step
        // The sort column's key: packed, with the cell for ties; the whole key only where the
        // packed one does not decide the order (text, fractions, units, long numbers).
        ListText::PackedKey packed;
        QString cell;
        std::unique_ptr<ListText::SortKey> full;
        QString text;  // the shown cells case-folded, separated by a character no one types
        bool hasKey = false;
        bool hasText = false;
        bool hidden = false;
    };
    // The cache of the row at position row (which the list has).
    RowCache& CacheAt(int row);
    // Makes the row's key for the sort column where it has none.
    RowCache& KeyOf(RowCache& cache);
    // Makes the caches stand in the list's order again after a change the list made alone.
    void Resync();
    // The caches in a new order (of the same rows), after the rows were put in that order.
    void Reorder(std::vector<RowCache*> order);
    bool Before(const RowCache& a, const RowCache& b) const;
    void RowsInserted(int first, int last);
    void RowsAboutToBeRemoved(int first, int last);
    void CellsChanged(int first, int last, int firstColumn, int lastColumn);
    void Forget();
    void ScheduleResort();
    void Resort();
    void MergeNewRows();
    // Runs move, which takes rows out and puts them back, with the list's signals blocked; the
    // taken rows (given) get their selection, the current item and filter state back.
    // order: the caches of all rows as they stand after the move.
    template <typename Move>
    void MoveRows(const std::vector<RowCache*>& taken, std::vector<RowCache*> order, Move&& move);
    void SetRowHidden(int row, RowCache& cache, bool hide);
    // Which rows the filter is to look at: all, or only those shown or hidden now (the others
    // keep their state whatever the filter text).
    enum class FilterScope { All, Shown, Hidden };
    void ApplyFilter(int first, int last, FilterScope scope = FilterScope::All);
    void ShowCount();
    void MakeFilterBox();
    std::vector<int> ShownColumns() const;
    QStringList Captions(const std::vector<int>& columns) const;
    QStringList Cells(const QTreeWidgetItem* item, const std::vector<int>& columns) const;
    std::vector<QStringList> ShownRows(bool selectedOnly, const std::vector<int>& columns) const;

    QTreeWidget* m_list = nullptr;
    QAbstractItemModel* m_model = nullptr;
    QAction* m_copy = nullptr;
    QAction* m_copyAll = nullptr;
    QAction* m_export = nullptr;
    int m_sortColumn = -1;
    bool m_ascending = true;
    bool m_sorting = false;         // our own take-and-insert is under way
    bool m_placing = false;         // InsertAtTop is putting rows into their sorted places
    bool m_resortPending = false;
    bool m_filterUsed = false;      // rows have been hidden by the filter at some time
    int m_ordered = 0;              // the leading rows known to be in the sort order
    int m_hidden = 0;               // rows the filter hides
    QString m_needle;               // the filter text, case-folded
    // One cache a row, in the list's order: a row's cache is found by its position without a
    // lookup (a keystroke or a re-sort visits every row). The caches are owned here; a pointer
    // to one stays valid while other rows come and go.
    std::vector<RowCache*> m_rows;
    std::vector<int> m_textColumns; // the columns the cached filter texts are made of
    QPointer<QLineEdit> m_filter;
    QPointer<QLabel> m_count;
    QPointer<QWidget> m_container;  // holds the box and the list in the list's old place
};
