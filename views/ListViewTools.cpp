#include "views/ListViewTools.h"
#include "views/ListAttachment.h"

#include "KtNML/KtMessages.h"
#include "views/ListText.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QSaveFile>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QScopeGuard>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <exception>
#include <stdexcept>
#include <utility>

namespace {

constexpr const char* kToolsName = "vkrListViewTools";

// Slots and handlers here run inside Qt's event delivery: nothing may escape them.
template <typename F>
void Guarded(QWidget* owner, F&& body)
{
    try {
        body();
    } catch (const std::exception& e) {
        KtMessageService().Warning(owner, KtMessages::DisplayCaption(), QString::fromLocal8Bit(e.what()));
    }
}

} // namespace

TListViewTools* TListViewTools::Of(const QTreeWidget* list)
{
    return ListAttachment::Of<TListViewTools>(list, kToolsName);
}

TListViewTools* TListViewTools::Attach(QTreeWidget* list)
{
    return ListAttachment::Attach<TListViewTools>(list, kToolsName,
                                                  [](QTreeWidget* l) { return new TListViewTools(l); });
}

void TListViewTools::AttachAll(QWidget* root)
{
    ListAttachment::ForEveryList(root, &TListViewTools::Attach);
}

TListViewTools::TListViewTools(QTreeWidget* list) : QObject(list), m_list(list), m_model(list->model())
{
    setObjectName(QLatin1String(kToolsName));

    m_copy = new QAction(QStringLiteral("Copy"), this);
    m_copyAll = new QAction(QStringLiteral("Copy All"), this);
    m_export = new QAction(QStringLiteral("Export CSV..."), this);
    connect(m_copy, &QAction::triggered, this, [this] { Guarded(m_list, [this] { CopySelected(); }); });
    connect(m_copyAll, &QAction::triggered, this, [this] { Guarded(m_list, [this] { CopyAll(); }); });
    connect(m_export, &QAction::triggered, this, [this] { Guarded(m_list, [this] { ExportCsv(); }); });
    // The keys the list answers, shown beside their items (the list handles them itself).
    m_copy->setShortcut(QKeySequence::Copy);
    m_copy->setShortcutContext(Qt::WidgetShortcut);
    m_copy->setShortcutVisibleInContextMenu(true);
    list->addActions({m_copy, m_copyAll, m_export});
    // A list with a menu of its own keeps it.
    if (list->contextMenuPolicy() == Qt::DefaultContextMenu)
        list->setContextMenuPolicy(Qt::ActionsContextMenu);

    QHeaderView* header = list->header();
    header->setSectionsClickable(true);
    connect(header, &QHeaderView::sectionClicked, this,
            [this](int section) { Guarded(m_list, [&] { HeaderClicked(section); }); });

    QAbstractItemModel* model = list->model();
    connect(model, &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex& parent, int first, int last) {
        if (!parent.isValid())
            Guarded(m_list, [&] { RowsInserted(first, last); });
    });
    connect(model, &QAbstractItemModel::rowsAboutToBeRemoved, this,
            [this](const QModelIndex& parent, int first, int last) {
                if (!parent.isValid())
                    Guarded(m_list, [&] { RowsAboutToBeRemoved(first, last); });
            });
    connect(model, &QAbstractItemModel::rowsRemoved, this, [this](const QModelIndex& parent) {
        if (!parent.isValid() && !m_sorting)
            Guarded(m_list, [this] { ShowCount(); });
    });
    connect(model, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& topLeft, const QModelIndex& bottomRight) {
                if (topLeft.isValid() && !topLeft.parent().isValid())
                    Guarded(m_list, [&] {
                        CellsChanged(topLeft.row(), bottomRight.row(), topLeft.column(), bottomRight.column());
                    });
            });
    connect(model, &QAbstractItemModel::modelAboutToBeReset, this, [this] { Forget(); });
    connect(model, &QAbstractItemModel::modelReset, this, [this] { Guarded(m_list, [this] { ShowCount(); }); });
    list->installEventFilter(this);
    if (list->topLevelItemCount() > 0)
        RowsInserted(0, list->topLevelItemCount() - 1);
}

bool TListViewTools::Sortable() const
{
    return !m_list->property(kNoSortProperty).toBool();
}

// ---- text ---------------------------------------------------------------------------------

// The columns shown: the binding keeps its index columns at width 0.
std::vector<int> TListViewTools::ShownColumns() const
{
    std::vector<int> columns;
    const QHeaderView* header = m_list->header();
    for (int c = 0; c < m_list->columnCount(); ++c)
        if (!m_list->isColumnHidden(c) && header->sectionSize(c) > 0)
            columns.push_back(c);
    // In the order the operator sees them.
    std::sort(columns.begin(), columns.end(),
              [header](int a, int b) { return header->visualIndex(a) < header->visualIndex(b); });
    return columns;
}

QStringList TListViewTools::Captions(const std::vector<int>& columns) const
{
    return Cells(m_list->headerItem(), columns);
}

QStringList TListViewTools::Cells(const QTreeWidgetItem* item, const std::vector<int>& columns) const
{
    QStringList cells;
    for (int c : columns)
        cells << (item ? item->text(c) : QString());
    return cells;
}

// The rows in the order shown; rows the filter hides are not shown and are left out.
std::vector<QStringList> TListViewTools::ShownRows(bool selectedOnly, const std::vector<int>& columns) const
{
    std::vector<QStringList> rows;
    const QItemSelectionModel* selection = m_list->selectionModel();
    for (int r = 0; r < m_list->topLevelItemCount(); ++r) {
        // By row: an item looks its own row up again.
        if (m_list->isRowHidden(r, QModelIndex())
            || (selectedOnly && !selection->isSelected(m_list->model()->index(r, 0))))
            continue;
        rows.push_back(Cells(m_list->topLevelItem(r), columns));
    }
    return rows;
}

QString TListViewTools::SelectedText() const
{
    const std::vector<int> columns = ShownColumns();
    return ListText::TabSeparated(Captions(columns), ShownRows(true, columns));
}

QString TListViewTools::AllText() const
{
    const std::vector<int> columns = ShownColumns();
    return ListText::TabSeparated(Captions(columns), ShownRows(false, columns));
}

QString TListViewTools::CsvText() const
{
    const std::vector<int> columns = ShownColumns();
    return ListText::CommaSeparated(Captions(columns), ShownRows(false, columns));
}

void TListViewTools::CopySelected()
{
    const std::vector<int> columns = ShownColumns();
    const std::vector<QStringList> rows = ShownRows(true, columns);
    if (rows.empty())
        return;
    QApplication::clipboard()->setText(ListText::TabSeparated(Captions(columns), rows));
}

void TListViewTools::CopyAll()
{
    QApplication::clipboard()->setText(AllText());
}

void TListViewTools::ExportCsv()
{
    QString path = QFileDialog::getSaveFileName(m_list->window(), QStringLiteral("Export CSV"), QString(),
                                                QStringLiteral("CSV files (*.csv);;All files (*)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QLatin1String(".csv");
    SaveCsv(path);
}

bool TListViewTools::SaveCsv(const QString& path)
{
    // Written beside the file and renamed over it once complete: a full disk or another failure
    // leaves the file that was there as it was, and no half-written one. The explicit flush:
    // commit() renames even when its own flush of the buffer fails.
    QSaveFile file(path);
    const QByteArray data = CsvText().toUtf8();
    if (file.open(QIODevice::WriteOnly) && file.write(data) == data.size() && file.flush() && file.commit())
        return true;
    KtMessageService().Warning(m_list->window(), KtMessages::DisplayCaption(),
                               QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
    return false;
}

// ---- kept per row --------------------------------------------------------------------------

TListViewTools::~TListViewTools()
{
    qDeleteAll(m_rows);
}

TListViewTools::RowCache& TListViewTools::CacheAt(int row)
{
    if (row < 0 || row >= m_list->topLevelItemCount())
        throw std::out_of_range("list row out of range");
    const QTreeWidgetItem* item = m_list->topLevelItem(row);
    if (std::size_t(row) >= m_rows.size() || m_rows[std::size_t(row)]->item != item)
        Resync();
    return *m_rows[std::size_t(row)];
}

// The list changed its rows without telling (its own sort, say): the caches of the rows it
// still holds are kept, put in its order.
void TListViewTools::Resync()
{
    std::unordered_map<const QTreeWidgetItem*, RowCache*> kept;
    kept.reserve(m_rows.size());
    for (RowCache* cache : m_rows)
        kept.emplace(cache->item, cache);
    const int count = m_list->topLevelItemCount();
    std::vector<RowCache*> rows;
    rows.reserve(std::size_t(count));
    for (int r = 0; r < count; ++r) {
        const QTreeWidgetItem* item = m_list->topLevelItem(r);
        const auto it = kept.find(item);
        if (it != kept.end()) {
            rows.push_back(it->second);
            kept.erase(it);
        } else {
            auto* cache = new RowCache;
            cache->item = item;
            rows.push_back(cache);
        }
    }
    for (const auto& gone : kept) {
        if (gone.second->hidden)
            --m_hidden;
        delete gone.second;
    }
    m_rows = std::move(rows);
    m_ordered = 0;
}

void TListViewTools::Reorder(std::vector<RowCache*> order)
{
    m_rows = std::move(order);
}

TListViewTools::RowCache& TListViewTools::KeyOf(RowCache& cache)
{
    if (!cache.hasKey) {
        cache.cell = cache.item->text(m_sortColumn);
        ListText::SortKey key = ListText::MakeSortKey(cache.cell);
        cache.packed = ListText::PackSortKey(key);
        if (cache.packed.exact)
            cache.full.reset();
        else
            cache.full = std::make_unique<ListText::SortKey>(std::move(key));
        cache.hasKey = true;
    }
    return cache;
}

// Blank cells stay last in either order.
bool TListViewTools::Before(const RowCache& a, const RowCache& b) const
{
    if (a.packed.blank || b.packed.blank)
        return !a.packed.blank && b.packed.blank;
    const int order = ListText::ComparePacked(a.packed, a.cell, a.full.get(), b.packed, b.cell, b.full.get());
    return m_ascending ? order < 0 : order > 0;
}

void TListViewTools::RowsAboutToBeRemoved(int first, int last)
{
    if (m_sorting)
        return;
    // The rows before them stay in order.
    if (first < m_ordered)
        m_ordered -= std::min(last, m_ordered - 1) - first + 1;
    last = std::min(last, m_list->topLevelItemCount() - 1);
    if (first < 0 || first > last)
        return;
    CacheAt(first);  // in step with the list
    if (std::size_t(last) >= m_rows.size() || m_rows[std::size_t(last)]->item != m_list->topLevelItem(last))
        Resync();
    for (int r = first; r <= last; ++r) {
        if (m_rows[std::size_t(r)]->hidden)
            --m_hidden;
        delete m_rows[std::size_t(r)];
    }
    m_rows.erase(m_rows.begin() + first, m_rows.begin() + last + 1);
}

void TListViewTools::CellsChanged(int first, int last, int firstColumn, int lastColumn)
{
    last = std::min(last, m_list->topLevelItemCount() - 1);
    for (int r = std::max(first, 0); r <= last; ++r) {
        RowCache& cache = CacheAt(r);
        cache.hasText = false;
        if (m_sortColumn >= firstColumn && m_sortColumn <= lastColumn)
            cache.hasKey = false;
    }
    if (m_sortColumn >= firstColumn && m_sortColumn <= lastColumn)
        m_ordered = std::min(m_ordered, first);
}

void TListViewTools::Forget()
{
    qDeleteAll(m_rows);
    m_rows.clear();
    m_ordered = 0;
    m_hidden = 0;
}

// ---- sorting ------------------------------------------------------------------------------

void TListViewTools::HeaderClicked(int section)
{
    if (!Sortable() || section < 0)
        return;
    SortBy(section, section == m_sortColumn ? !m_ascending : true);
}

void TListViewTools::SortBy(int column, bool ascending)
{
    if (!Sortable() || column < 0 || column >= m_list->columnCount())
        return;
    if (column != m_sortColumn)
        for (RowCache* row : m_rows)
            row->hasKey = false;
    m_sortColumn = column;
    m_ascending = ascending;
    QHeaderView* header = m_list->header();
    header->setSortIndicatorShown(true);
    header->setSortIndicator(column, ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
    Resort();
    if (QTreeWidgetItem* current = m_list->currentItem(); current && !current->isHidden())
        m_list->scrollToItem(current);
}

// Rows come in batches while a walk fills the list: they are merged in after the batches of a
// moment.
void TListViewTools::ScheduleResort()
{
    if (m_resortPending || m_sortColumn < 0)
        return;
    m_resortPending = true;
    QTimer::singleShot(0, this, [this] { Guarded(m_list, [this] { MergeNewRows(); }); });
}

template <typename Move>
void TListViewTools::MoveRows(const std::vector<RowCache*>& taken, std::vector<RowCache*> order, Move&& move)
{
    // The same items in another place: what is selected and current is put back as it was,
    // with the list's and its selection model's signals blocked, so nothing bound to the
    // selection hears of the move. (The model itself still reports the rows as removed and
    // inserted: row counters stay right.) Rows a filter hides keep their selection too.
    QItemSelectionModel* selection = m_list->selectionModel();
    std::vector<int> selectedRows;
    for (const QItemSelectionRange& range : selection->selection()) {
        if (range.parent().isValid())
            continue;
        for (int r = range.top(); r <= range.bottom(); ++r)
            selectedRows.push_back(r);
    }
    // Selected again in the order they stood in.
    std::sort(selectedRows.begin(), selectedRows.end());
    selectedRows.erase(std::unique(selectedRows.begin(), selectedRows.end()), selectedRows.end());
    QList<QTreeWidgetItem*> selected;
    for (int r : selectedRows)
        selected << m_list->topLevelItem(r);
    QTreeWidgetItem* current = m_list->currentItem();
    const int currentColumn = m_list->currentColumn();
    const int scroll = m_list->verticalScrollBar()->value();
    {
        const QSignalBlocker blockList(m_list);
        const QSignalBlocker blockSelection(selection);
        m_sorting = true;
        move();
        Reorder(std::move(order));
        for (RowCache* cache : taken) {
            // Taken items lose their hidden state: the filter hides them again.
            if (std::exchange(cache->hidden, false))
                --m_hidden;
        }
        if (current && current != m_list->currentItem())
            m_list->setCurrentItem(current, std::max(currentColumn, 0), QItemSelectionModel::NoUpdate);
        // (Not by isSelected(): the items hear of selection changes through the blocked signals.)
        for (QTreeWidgetItem* item : selected)
            item->setSelected(true);
        m_sorting = false;
    }
    m_list->verticalScrollBar()->setValue(scroll);
    m_list->viewport()->update();
}

// The whole list in order (a header click): every row's key is made once and kept; the
// comparisons read the kept keys alone.
void TListViewTools::Resort()
{
    m_resortPending = false;
    if (m_sortColumn < 0 || m_sortColumn >= m_list->columnCount() || !Sortable())
        return;
    const int count = m_list->topLevelItemCount();
    m_ordered = count;
    if (count < 2)
        return;
    // Sorted side by side with their packed keys: most comparisons read nothing else.
    struct Entry {
        ListText::PackedKey packed;
        RowCache* row;
    };
    std::vector<Entry> entries;
    entries.reserve(std::size_t(count));
    for (int r = 0; r < count; ++r) {
        RowCache& cache = KeyOf(CacheAt(r));
        entries.push_back({cache.packed, &cache});
    }
    std::stable_sort(entries.begin(), entries.end(), [this](const Entry& a, const Entry& b) {
        if (a.packed.blank || b.packed.blank)
            return !a.packed.blank && b.packed.blank;
        if (a.packed.rank == b.packed.rank && a.packed.ordered && b.packed.ordered
            && a.packed.words != b.packed.words) {
            const bool less = a.packed.words < b.packed.words;
            return m_ascending ? less : !less;
        }
        return Before(*a.row, *b.row);
    });
    std::vector<RowCache*> rows;
    rows.reserve(std::size_t(count));
    for (const Entry& entry : entries)
        rows.push_back(entry.row);
    if (rows == m_rows)
        return;
    QList<QTreeWidgetItem*> sorted;
    sorted.reserve(count);
    for (const RowCache* row : rows)
        sorted << const_cast<QTreeWidgetItem*>(row->item);
    const std::vector<RowCache*> taken = rows;
    MoveRows(taken, std::move(rows), [&] {
        m_list->invisibleRootItem()->takeChildren();
        m_list->addTopLevelItems(sorted);
        m_list->clearSelection();
    });
    ApplyFilter(0, count - 1);
}

// The rows after those in order (a batch a walk has just added) go where they belong. Where
// they are few, only they are taken out and put back in place; where they are many, the whole
// list is put back in the merged order. Neither parses a cell more than once.
void TListViewTools::MergeNewRows()
{
    m_resortPending = false;
    if (m_sortColumn < 0 || m_sortColumn >= m_list->columnCount() || !Sortable())
        return;
    const int count = m_list->topLevelItemCount();
    const int ordered = std::min(m_ordered, count);
    if (ordered == count)
        return;
    if (ordered == 0) {
        Resort();
        return;
    }
    // The new rows in order, each with the position among the ordered rows it goes before.
    struct NewRow {
        RowCache* cache;
        int at;
    };
    std::vector<NewRow> added;
    added.reserve(std::size_t(count - ordered));
    for (int r = ordered; r < count; ++r)
        added.push_back({&KeyOf(CacheAt(r)), 0});
    std::stable_sort(added.begin(), added.end(),
                     [this](const NewRow& a, const NewRow& b) { return Before(*a.cache, *b.cache); });
    int groups = 0;
    int from = 0;
    for (NewRow& row : added) {
        // After the rows it equals: rows read later stay after them.
        int lo = from, hi = ordered;
        while (lo < hi) {
            const int mid = lo + (hi - lo) / 2;
            if (Before(*row.cache, KeyOf(CacheAt(mid))))
                hi = mid;
            else
                lo = mid + 1;
        }
        if (groups == 0 || lo != from)
            ++groups;
        row.at = from = lo;
    }
    if (added.front().at == ordered) {
        m_ordered = count;  // they all go after the rows in order, in the order they came
        bool inPlace = true;
        for (int r = ordered; inPlace && r < count; ++r)
            inPlace = m_rows[std::size_t(r)] == added[std::size_t(r - ordered)].cache;
        if (inPlace)
            return;
    }
    QList<QTreeWidgetItem*> taken;
    std::vector<RowCache*> takenCaches;
    taken.reserve(qsizetype(added.size()));
    takenCaches.reserve(added.size());
    for (const NewRow& row : added) {
        taken << const_cast<QTreeWidgetItem*>(row.cache->item);
        takenCaches.push_back(row.cache);
    }
    // The order both ways below give: each new row before the row in order it goes before.
    std::vector<RowCache*> order;
    order.reserve(std::size_t(count));
    {
        std::size_t k = 0;
        for (int r = 0; r < ordered; ++r) {
            for (; k < added.size() && added[k].at == r; ++k)
                order.push_back(added[k].cache);
            order.push_back(m_rows[std::size_t(r)]);
        }
        for (; k < added.size(); ++k)
            order.push_back(added[k].cache);
    }
    // Every take and insert updates the list's row bookkeeping, and each row put in moves the
    // rows after it one place: that costs about as much as putting the whole list back once
    // as soon as the new rows are a few dozenths of it or go in near its top.
    constexpr qint64 kModelChangesPerRow = 8;
    constexpr qint64 kShiftsPerRow = 256;
    qint64 shifted = 0;
    for (const NewRow& row : added)
        shifted += ordered - row.at;
    if ((qint64(added.size()) + groups) * kModelChangesPerRow + shifted / kShiftsPerRow < count) {
        MoveRows(takenCaches, std::move(order), [&] {
            for (int r = count - 1; r >= ordered; --r)
                m_list->takeTopLevelItem(r);
            // From the last place to the first: the places before stay where they are.
            for (std::size_t end = added.size(); end > 0;) {
                std::size_t begin = end - 1;
                while (begin > 0 && added[begin - 1].at == added[end - 1].at)
                    --begin;
                m_list->insertTopLevelItems(added[begin].at, taken.mid(qsizetype(begin), qsizetype(end - begin)));
                end = begin;
            }
        });
        m_ordered = count;
        // Each new row's place: its group's place and the new rows before it.
        for (std::size_t k = 0; k < added.size(); ++k)
            ApplyFilter(added[k].at + int(k), added[k].at + int(k));
        return;
    }
    QList<QTreeWidgetItem*> merged;
    merged.reserve(count);
    for (const RowCache* row : order)
        merged << const_cast<QTreeWidgetItem*>(row->item);
    const std::vector<RowCache*> all = order;
    MoveRows(all, std::move(order), [&] {
        m_list->invisibleRootItem()->takeChildren();
        m_list->addTopLevelItems(merged);
        m_list->clearSelection();
    });
    m_ordered = count;
    ApplyFilter(0, count - 1);
}

// Each new row's place is found by a binary search among the rows in order; the places are
// filled from the last to the first, so the places before stay where they are. Nothing already
// listed is taken out: a row added to a long sorted list costs one insertion, not a re-sort.
void TListViewTools::InsertAtTop(const QList<QTreeWidgetItem*>& rows)
{
    if (rows.isEmpty())
        return;
    if (m_sortColumn < 0 || m_sortColumn >= m_list->columnCount() || !Sortable()) {
        m_list->insertTopLevelItems(0, rows);
        return;
    }
    // Rows added meanwhile by other means are merged first: the list is then all in order.
    if (m_ordered < m_list->topLevelItemCount())
        MergeNewRows();
    const int ordered = m_list->topLevelItemCount();
    struct NewRow {
        QTreeWidgetItem* item;
        const RowCache* key;
        int at;
    };
    // Their keys, made once here: the caches of the list's rows are made when they go in.
    std::vector<RowCache> keys(std::size_t(rows.size()));
    std::vector<NewRow> added;
    added.reserve(std::size_t(rows.size()));
    for (qsizetype k = 0; k < rows.size(); ++k) {
        keys[std::size_t(k)].item = rows[k];
        added.push_back({rows[k], &KeyOf(keys[std::size_t(k)]), 0});
    }
    std::stable_sort(added.begin(), added.end(),
                     [this](const NewRow& a, const NewRow& b) { return Before(*a.key, *b.key); });
    int from = 0;
    for (NewRow& row : added) {
        // Before the first row that does not sort before it.
        int lo = from, hi = ordered;
        while (lo < hi) {
            const int mid = lo + (hi - lo) / 2;
            if (Before(KeyOf(CacheAt(mid)), *row.key))
                lo = mid + 1;
            else
                hi = mid;
        }
        row.at = from = lo;
    }
    {
        // RowsInserted filters them and leaves the order alone.
        m_placing = true;
        const auto done = qScopeGuard([this] { m_placing = false; });
        for (std::size_t end = added.size(); end > 0;) {
            std::size_t begin = end - 1;
            while (begin > 0 && added[begin - 1].at == added[end - 1].at)
                --begin;
            QList<QTreeWidgetItem*> group;
            group.reserve(qsizetype(end - begin));
            for (std::size_t k = begin; k < end; ++k)
                group << added[k].item;
            m_list->insertTopLevelItems(added[begin].at, group);
            end = begin;
        }
    }
    m_ordered = m_list->topLevelItemCount();
}

// ---- rows read later ----------------------------------------------------------------------

void TListViewTools::RowsInserted(int first, int last)
{
    if (m_sorting)
        return;
    // Rows put in among those in order: the rows before them stay in order (InsertAtTop's
    // rows go where the order puts them).
    if (!m_placing)
        m_ordered = std::min(m_ordered, first);
    if (first < 0 || std::size_t(first) > m_rows.size() || last >= m_list->topLevelItemCount()) {
        Resync();
    } else {
        std::vector<RowCache*> added;
        added.reserve(std::size_t(last - first + 1));
        for (int r = first; r <= last; ++r) {
            auto* cache = new RowCache;
            cache->item = m_list->topLevelItem(r);
            added.push_back(cache);
        }
        m_rows.insert(m_rows.begin() + first, added.begin(), added.end());
    }
    ApplyFilter(first, last);
    if (!m_placing)
        ScheduleResort();
    if (!m_filter && m_list->topLevelItemCount() > kFilterRows) {
        // Not while the model is still reporting the insertion: the list changes its parent.
        QTimer::singleShot(0, this, [this] { Guarded(m_list, [this] { MakeFilterBox(); }); });
    }
}

// ---- filter -------------------------------------------------------------------------------

void TListViewTools::SetRowHidden(int row, RowCache& cache, bool hide)
{
    if (cache.hidden == hide)
        return;
    cache.hidden = hide;
    m_hidden += hide ? 1 : -1;
    // By row: the item's own setHidden looks the row up again.
    m_list->setRowHidden(row, QModelIndex(), hide);
}

// The cached texts are searched: a keystroke reads no cell of the list.
void TListViewTools::ApplyFilter(int first, int last, FilterScope scope)
{
    // Before any filtering, a list that has its box gets its rows' texts made as they come:
    // the first keystroke finds them ready.
    const bool textsOnly = m_needle.isEmpty() && !m_filterUsed;
    if (textsOnly && m_list->topLevelItemCount() <= kFilterRows)
        return;
    m_filterUsed = !textsOnly;
    const std::vector<int> columns = ShownColumns();
    if (columns != m_textColumns) {
        m_textColumns = columns;
        for (RowCache* row : m_rows)
            row->hasText = false;
        scope = FilterScope::All;
    }
    static const QChar kSeparator(0x1F);  // unit separator: no filter text holds it
    last = std::min(last, m_list->topLevelItemCount() - 1);
    for (int r = std::max(first, 0); r <= last; ++r) {
        RowCache& cache = CacheAt(r);
        // A row whose text is as it was keeps its state where the new filter cannot change it.
        if (cache.hasText
            && ((scope == FilterScope::Shown && cache.hidden) || (scope == FilterScope::Hidden && !cache.hidden)))
            continue;
        const QTreeWidgetItem* item = cache.item;
        if (!cache.hasText) {
            cache.text.clear();
            for (int c : columns)
                cache.text += item->text(c).toCaseFolded() + kSeparator;
            cache.text.squeeze();
            cache.hasText = true;
        }
        if (!textsOnly)
            SetRowHidden(r, cache, !m_needle.isEmpty() && !cache.text.contains(m_needle));
    }
    ShowCount();
}

void TListViewTools::ShowCount()
{
    if (!m_count)
        return;
    // From the model: the list's model also resets while the list itself is being destroyed.
    const int total = m_model->rowCount();
    m_count->setText(QStringLiteral("%1 of %2").arg(total - m_hidden).arg(total));
    m_count->setVisible(m_hidden > 0 && m_filter && !m_filter->isHidden());
}

void TListViewTools::SetFilterText(const QString& text)
{
    MakeFilterBox();
    m_filter->setText(text);  // textChanged applies it
}

void TListViewTools::ShowFilter()
{
    MakeFilterBox();
    m_filter->show();
    m_filter->setFocus(Qt::ShortcutFocusReason);
    m_filter->selectAll();
    ShowCount();
}

// The box goes above the list, in the list's place in its parent's layout; a list without a
// layout gets it laid over its top edge (Ctrl+F only).
void TListViewTools::MakeFilterBox()
{
    if (m_filter)
        return;
    auto* box = new QLineEdit;
    box->setObjectName(QStringLiteral("FilterBox"));
    box->setPlaceholderText(QStringLiteral("Filter rows"));
    box->setClearButtonEnabled(true);
    box->installEventFilter(this);
    connect(box, &QLineEdit::textChanged, this, [this](const QString& text) {
        Guarded(m_list, [&] {
            const QString needle = text.toCaseFolded();
            // A keystroke mostly narrows or widens the filter: a row hidden by a text is hidden
            // by any text holding it, a row shown by a text is shown by any piece of it.
            FilterScope scope = FilterScope::All;
            if (m_filterUsed && !m_needle.isEmpty()) {
                if (needle.isEmpty() || m_needle.contains(needle))
                    scope = FilterScope::Hidden;
                else if (needle.contains(m_needle))
                    scope = FilterScope::Shown;
            }
            m_needle = needle;
            ApplyFilter(0, m_list->topLevelItemCount() - 1, scope);
        });
    });
    m_filter = box;
    auto* count = new QLabel;
    count->setObjectName(QStringLiteral("FilterCount"));
    count->hide();
    m_count = count;

    QWidget* parent = m_list->parentWidget();
    QLayout* layout = parent ? parent->layout() : nullptr;
    auto* container = new QWidget(parent);
    container->setObjectName(QStringLiteral("FilterContainer"));
    QLayoutItem* old = layout ? layout->replaceWidget(m_list, container) : nullptr;
    if (!old) {
        delete container;
        box->setParent(m_list);
        box->setFixedWidth(std::min(200, m_list->width()));
        box->move(std::max(0, m_list->width() - box->width()), 0);
        box->hide();
        // The count to the left of the box, over the list as well.
        count->setParent(m_list);
        count->setAutoFillBackground(true);
        count->setFixedSize(std::min(100, m_list->width()), box->sizeHint().height());
        count->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        count->move(std::max(0, box->x() - count->width()), 0);
        return;
    }
    delete old;
    const bool hasFocus = m_list->hasFocus();
    // A list hidden on purpose stays hidden; any other shows with its parent as before.
    const bool explicitlyHidden = m_list->isHidden() && m_list->testAttribute(Qt::WA_WState_ExplicitShowHide);
    container->setSizePolicy(m_list->sizePolicy());
    auto* column = new QVBoxLayout(container);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);
    auto* line = new QHBoxLayout;
    line->addWidget(box, 1);
    line->addWidget(count);
    column->addLayout(line);
    column->addWidget(m_list, 1);
    if (explicitlyHidden) {
        m_list->hide();
        box->hide();
        count->hide();
    } else if (parent->isVisible()) {
        container->show();
        m_list->show();
    }
    if (hasFocus)
        m_list->setFocus();
    m_container = container;
    // The box belongs to the list: it goes with it.
    connect(m_list, &QObject::destroyed, container, &QObject::deleteLater);
}

bool TListViewTools::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_list) {
        switch (event->type()) {
        case QEvent::ShortcutOverride: {
            // The list's own keys, before any shortcut of the window takes them.
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Find)) {
                event->accept();
                return true;
            }
            break;
        }
        case QEvent::KeyPress: {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->matches(QKeySequence::Copy)) {
                Guarded(m_list, [this] { CopySelected(); });
                return true;
            }
            if (key->matches(QKeySequence::Find)) {
                Guarded(m_list, [this] { ShowFilter(); });
                return true;
            }
            break;
        }
        case QEvent::HideToParent:
            if (m_filter && m_container)
                m_filter->hide();
            if (m_count && m_container)
                m_count->hide();
            break;
        case QEvent::ShowToParent:
            if (m_filter && m_container) {
                m_filter->show();
                ShowCount();
            }
            break;
        default:
            break;
        }
    } else if (event->type() == QEvent::KeyPress && watched == m_filter) {
        // (The type first: while the box is destroyed, its guard must not be read as a box.)
        // Escape empties the box first; Down goes to the list.
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape && !m_filter->text().isEmpty()) {
            m_filter->clear();
            return true;
        }
        if (key->key() == Qt::Key_Down) {
            m_list->setFocus(Qt::OtherFocusReason);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
