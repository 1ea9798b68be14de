// The list-view side of KtSNMPRequest2Edits: a table read row by row into a report view, its
// columns, and the selected row copied into the values and shown in the bound controls.
#include "KtNML/KtSNMPRequest2Controls.h"
#include "KtNML/KtSyncWait.h"

#include "KtNML/KtBoundRow.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QPalette>
#include <QTreeWidget>

#include <algorithm>
#include <utility>

namespace {
// Item data of a key cell: the key's bytes as read (KtSNMPVar::KeyBytes).
constexpr int kKeyBytesRole = Qt::UserRole + 1;
} // namespace

// ---- list view ----------------------------------------------------------------------------

QTreeWidget* KtSNMPRequest2Edits::ListView() const
{
    return m_listView;
}

void KtSNMPRequest2Edits::BindListView(QTreeWidget* listView, bool autoDisable)
{
    QObject::disconnect(m_selectionConnection);
    m_listView = listView;
    m_columnMap.clear();
    m_extraMap.clear();
    AutoDisable = autoDisable;
    if (!listView)
        return;
    listView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    listView->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Several rows may be selected to copy them; the controls follow the bound row only.
    listView->setSelectionMode(QAbstractItemView::ExtendedSelection);
    listView->setRootIsDecorated(false);
    listView->setItemsExpandable(false);
    listView->setAllColumnsShowFocus(true);
    listView->setUniformRowHeights(true);
    // The selected row stays marked when the view loses the focus.
    QPalette palette = listView->palette();
    palette.setColor(QPalette::Inactive, QPalette::Highlight, palette.color(QPalette::Active, QPalette::Highlight));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     palette.color(QPalette::Active, QPalette::HighlightedText));
    listView->setPalette(palette);
    // The grid lines come from an item border; a style sheet that styles items takes over their
    // selection colours too, so the selected row gets the palette's highlight back explicitly.
    listView->setStyleSheet(QStringLiteral(
        "QTreeView::item { border-right: 1px solid palette(midlight); border-bottom: 1px solid palette(midlight); }"
        "QTreeView::item:selected { background: palette(highlight); color: palette(highlighted-text); }"));
    m_selectionConnection =
        connect(KtBoundRow::Track(listView), &KtBoundRow::Changed, this, &KtSNMPRequest2Edits::RowSelectionChanged);
    BuildColumns();
}

std::vector<int> KtSNMPRequest2Edits::ColumnMap(std::vector<int>* extras) const
{
    const KtSNMPVarList& list = VarList();
    std::vector<int> map(std::size_t(list.Count()), -1);
    if (extras)
        extras->assign(m_extraColumns.size(), -1);
    int column = 0;
    // Hidden columns first, then the displayed ones, each group in list order; the extra
    // columns of a displayed variable right after it.
    for (int i = 0; i < list.Count(); ++i)
        if (list.IsHiddenColumn(i))
            map[std::size_t(i)] = column++;
    for (int i = 0; i < list.Count(); ++i) {
        if (map[std::size_t(i)] >= 0 || !list.IsDisplayed(i))
            continue;
        map[std::size_t(i)] = column++;
        for (std::size_t k = 0; k < m_extraColumns.size(); ++k) {
            if (m_extraColumns[k].after != i)
                continue;
            if (extras)
                (*extras)[k] = column;
            ++column;
        }
    }
    return map;
}

void KtSNMPRequest2Edits::Columns(std::vector<int>& map, std::vector<int>& extras) const
{
    if (int(m_columnMap.size()) == VarList().Count() && m_extraMap.size() == m_extraColumns.size()) {
        map = m_columnMap;
        extras = m_extraMap;
    } else {
        map = ColumnMap(&extras);
    }
}

void KtSNMPRequest2Edits::SetExtraColumns(std::vector<ExtraColumn> columns)
{
    m_extraColumns = std::move(columns);
    m_columnsChanged = true;
    m_columnMap.clear();
    m_extraMap.clear();
    BuildColumns();
}

int KtSNMPRequest2Edits::ColumnOf(int i) const
{
    std::vector<int> map, extras;
    Columns(map, extras);
    return i >= 0 && i < int(map.size()) ? map[std::size_t(i)] : -1;
}

int KtSNMPRequest2Edits::ExtraColumnPosition(int k) const
{
    std::vector<int> map, extras;
    Columns(map, extras);
    return k >= 0 && k < int(extras.size()) ? extras[std::size_t(k)] : -1;
}

void KtSNMPRequest2Edits::BuildColumns()
{
    if (!m_listView)
        return;
    const KtSNMPVarList& list = VarList();
    int needed = list.DisplayedCount() + list.HiddenColumnCount();
    if (!m_extraColumns.empty()) {
        std::vector<int> extras;
        ColumnMap(&extras);
        needed += int(std::count_if(extras.begin(), extras.end(), [](int c) { return c >= 0; }));
    }
    // A fresh tree widget has one column headed "1": that is no column of a view's design.
    const bool fresh = m_listView->columnCount() == 1 && m_listView->headerItem()
        && m_listView->headerItem()->text(0) == QLatin1String("1");
    const bool changed = std::exchange(m_columnsChanged, false);
    if (needed == 0 || (m_listView->columnCount() >= needed && !fresh && !changed)) {
        if (int(m_columnMap.size()) != list.Count() || m_extraMap.size() != m_extraColumns.size())
            m_columnMap = ColumnMap(&m_extraMap);
        return;
    }
    // The columns' order is fixed now: a variable marked invalid for one write later must not
    // shift the cells rows are copied from.
    m_columnMap = ColumnMap(&m_extraMap);
    const std::vector<int>& map = m_columnMap;
    const std::vector<int>& extras = m_extraMap;
    int columns = 0;
    for (int c : map)
        columns = std::max(columns, c + 1);
    for (int c : extras)
        columns = std::max(columns, c + 1);
    QStringList labels(columns);
    for (int i = 0; i < list.Count(); ++i)
        if (map[std::size_t(i)] >= 0)
            labels[map[std::size_t(i)]] = list.Item(i).Label;
    for (std::size_t k = 0; k < extras.size(); ++k)
        if (extras[k] >= 0)
            labels[extras[k]] = m_extraColumns[k].caption;
    m_listView->setColumnCount(0);
    m_listView->setColumnCount(columns);
    m_listView->setHeaderLabels(labels);
    QHeaderView* header = m_listView->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(QHeaderView::Interactive);
    const QFontMetrics metrics(header->font());
    for (int i = 0; i < list.Count(); ++i) {
        const int c = map[std::size_t(i)];
        if (c < 0)
            continue;
        const bool hidden = list.IsHiddenColumn(i);
        m_listView->setColumnWidth(c, hidden ? 0 : metrics.horizontalAdvance(list.Item(i).Label) + 24);
    }
    for (std::size_t k = 0; k < extras.size(); ++k)
        if (extras[k] >= 0)
            m_listView->setColumnWidth(extras[k], metrics.horizontalAdvance(m_extraColumns[k].caption) + 24);
}

void KtSNMPRequest2Edits::CopySelectedRow()
{
    if (!m_listView)
        return;
    const QTreeWidgetItem* item = KtBoundRow::Of(m_listView);
    if (!item)
        return;
    const std::vector<int> map = int(m_columnMap.size()) == VarList().Count() ? m_columnMap : ColumnMap();
    KtSNMPVarList& list = VarList();
    for (int i = 0; i < list.Count(); ++i) {
        const int c = map[std::size_t(i)];
        if (c >= 0 && c < item->columnCount()) {
            list.Item(i).Value = item->text(c);
            list.Item(i).KeyBytes = item->data(c, kKeyBytesRole).toByteArray();
        }
    }
}

void KtSNMPRequest2Edits::RowSelectionChanged()
{
    if (!m_listView)
        return;
    QTreeWidgetItem* bound = KtBoundRow::Of(m_listView);
    const std::shared_ptr<bool> alive = AliveToken();
    // Errors cannot travel through the view's signal: they are shown like those of a read.
    try {
        if (!bound)
            OnRowSelected(m_listView->currentItem(), false);
        else
            OnRowSelected(bound, true);
    } catch (const KtException& e) {
        if (*alive)
            ReportError(e.Message());
    }
}

void KtSNMPRequest2Edits::OnRowSelected(QTreeWidgetItem* item, bool selected)
{
    const std::shared_ptr<bool> alive = AliveToken();
    if (SavedSelectItem) {
        SavedSelectItem(item, selected);
        if (!*alive)
            return;
    }
    if (!selected)
        return;
    if (AutoDisable)
        EnableControls(true);
    CopySelectedRow();
    ShowValues(-1);
    Modified = false;
}

// ---- overrides ----------------------------------------------------------------------------

void KtSNMPRequest2Edits::BeforeGet()
{
    if (!m_listView)
        return;
    BuildColumns();
    qDeleteAll(m_pendingRows);
    m_pendingRows.clear();
    m_listView->clear();
    m_flushInterval = kFlushIntervalMs;
    m_sinceFlush.start();
}

void KtSNMPRequest2Edits::FlushRows()
{
    if (m_listView && !m_pendingRows.isEmpty())
        m_listView->addTopLevelItems(m_pendingRows);
    else
        qDeleteAll(m_pendingRows);
    m_pendingRows.clear();
    m_sinceFlush.start();
}

void KtSNMPRequest2Edits::ShowRow()
{
    if (!m_listView) {
        ShowValues(-1);
        return;
    }
    std::vector<int> map, extras;
    Columns(map, extras);
    int columns = 0;
    for (int c : map)
        columns = std::max(columns, c + 1);
    for (int c : extras)
        columns = std::max(columns, c + 1);
    QStringList cells(columns);
    const KtSNMPVarList& list = VarList();
    for (int i = 0; i < list.Count(); ++i)
        if (map[std::size_t(i)] >= 0)
            cells[map[std::size_t(i)]] = list.Item(i).Value;
    if (!extras.empty() && ExtraCells) {
        const QStringList texts = ExtraCells();
        for (std::size_t k = 0; k < extras.size() && k < std::size_t(texts.size()); ++k)
            if (extras[k] >= 0)
                cells[extras[k]] = texts[qsizetype(k)];
    }
    auto* row = new QTreeWidgetItem(cells);
    // A string key's bytes travel with its cell: its text may not give them back.
    for (int i = 0; i < list.KeyCount && i < list.Count(); ++i)
        if (map[std::size_t(i)] >= 0 && !list.Item(i).KeyBytes.isNull())
            row->setData(map[std::size_t(i)], kKeyBytesRole, list.Item(i).KeyBytes);
    m_pendingRows << row;
    if (!m_sinceFlush.isValid() || m_sinceFlush.elapsed() >= m_flushInterval)
        FlushRowsAndProcessEvents();
}

// Rows appear while a walk runs, a batch at a time, and the window repaints (a synchronous walk
// blocks the event loop but for these moments, the operator's input held back; an asynchronous
// one returns to the loop after each reply). What a batch sets off (the list's layout, a sorted
// list merging the rows in) grows with the list: the next batch waits at least 50 ms and at
// least as long as this one took, counted from its end, so that a long list never spends more
// than half a walk on showing it.
void KtSNMPRequest2Edits::FlushRowsAndProcessEvents()
{
    QElapsedTimer cost;
    cost.start();
    FlushRows();
    const std::shared_ptr<bool> alive = AliveToken();
    if (Mode == 0)
        KtSyncWait::LetEventsRun();
    // The view may have been closed in there: nothing of this object is touched then.
    if (!*alive)
        return;
    m_flushInterval = std::max<qint64>(kFlushIntervalMs, cost.elapsed());
    m_sinceFlush.start();
}

void KtSNMPRequest2Edits::OnGetError(const KtSNMPError& error)
{
    FlushRows();  // the rows read before the error stay
    KtSNMPRequest2Controls::OnGetError(error);
}

void KtSNMPRequest2Edits::PrepareSet()
{
    KtSNMPVarList& list = VarList();
    for (int i = 0; i < list.Count(); ++i) {
        list.Item(i).Value = QString();
        list.Item(i).KeyBytes = QByteArray();
    }
    CopySelectedRow();
    ReadValues(-1);
}

void KtSNMPRequest2Edits::AfterGet()
{
    FlushRows();
    Modified = false;
    if (m_listView && AutoDisable && VarList().ItemType == KtItem::MVT_FMV)
        EnableControls(false);
}
