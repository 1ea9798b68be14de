#include "views/ListViewTools.h"

#include "KtNML/KtMessages.h"
#include "views/ListText.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <exception>

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
    return list ? list->findChild<TListViewTools*>(QLatin1String(kToolsName), Qt::FindDirectChildrenOnly) : nullptr;
}

TListViewTools* TListViewTools::Attach(QTreeWidget* list)
{
    if (!list)
        return nullptr;
    if (TListViewTools* tools = Of(list))
        return tools;
    return new TListViewTools(list);
}

void TListViewTools::AttachAll(QWidget* root)
{
    if (!root)
        return;
    if (auto* self = qobject_cast<QTreeWidget*>(root))
        Attach(self);
    for (QTreeWidget* list : root->findChildren<QTreeWidget*>())
        Attach(list);
}

TListViewTools::TListViewTools(QTreeWidget* list) : QObject(list), m_list(list)
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
    for (int r = 0; r < m_list->topLevelItemCount(); ++r) {
        const QTreeWidgetItem* item = m_list->topLevelItem(r);
        if (item->isHidden() || (selectedOnly && !item->isSelected()))
            continue;
        rows.push_back(Cells(item, columns));
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
    QFile file(path);
    const QByteArray data = CsvText().toUtf8();
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(data) == data.size() && file.flush()) {
        file.close();
        return true;
    }
    KtMessageService().Warning(m_list->window(), KtMessages::DisplayCaption(),
                               QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
    return false;
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
    m_sortColumn = column;
    m_ascending = ascending;
    QHeaderView* header = m_list->header();
    header->setSortIndicatorShown(true);
    header->setSortIndicator(column, ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
    Resort();
    if (QTreeWidgetItem* current = m_list->currentItem(); current && !current->isHidden())
        m_list->scrollToItem(current);
}

// Rows come in batches while a walk fills the list: one sort after the batches of a moment.
void TListViewTools::ScheduleResort()
{
    if (m_resortPending || m_sortColumn < 0)
        return;
    m_resortPending = true;
    QTimer::singleShot(0, this, [this] { Guarded(m_list, [this] { Resort(); }); });
}

void TListViewTools::Resort()
{
    m_resortPending = false;
    if (m_sortColumn < 0 || m_sortColumn >= m_list->columnCount() || !Sortable())
        return;
    const int count = m_list->topLevelItemCount();
    if (count < 2)
        return;
    QList<QTreeWidgetItem*> items;
    items.reserve(count);
    for (int r = 0; r < count; ++r)
        items << m_list->topLevelItem(r);
    // Each cell parsed once: a walk re-sorts the list after every batch of rows.
    struct Row {
        QTreeWidgetItem* item;
        ListText::SortKey key;
        bool blank;
    };
    std::vector<Row> rows;
    rows.reserve(std::size_t(count));
    for (QTreeWidgetItem* item : items) {
        const QString cell = item->text(m_sortColumn);
        rows.push_back(Row{item, ListText::MakeSortKey(cell), ListText::IsBlank(cell)});
    }
    const bool ascending = m_ascending;
    // Blank cells stay last in either order.
    std::stable_sort(rows.begin(), rows.end(), [ascending](const Row& a, const Row& b) {
        if (a.blank || b.blank)
            return !a.blank && b.blank;
        const int order = ListText::CompareKeys(a.key, b.key);
        return ascending ? order < 0 : order > 0;
    });
    QList<QTreeWidgetItem*> sorted;
    sorted.reserve(count);
    for (const Row& row : rows)
        sorted << row.item;
    if (sorted == items)
        return;

    // The same items in another order: what is selected and current is put back as it was,
    // with the list's and its selection model's signals blocked, so nothing bound to the
    // selection hears of the move. (The model itself still reports the rows as removed and
    // inserted: row counters stay right.)
    // (selectedItems() leaves out the rows a filter hides: they keep their selection too.)
    QList<QTreeWidgetItem*> selected;
    for (QTreeWidgetItem* item : items)
        if (item->isSelected())
            selected << item;
    QTreeWidgetItem* current = m_list->currentItem();
    const int currentColumn = m_list->currentColumn();
    const int scroll = m_list->verticalScrollBar()->value();
    {
        const QSignalBlocker blockList(m_list);
        const QSignalBlocker blockSelection(m_list->selectionModel());
        m_sorting = true;
        m_list->invisibleRootItem()->takeChildren();
        m_list->addTopLevelItems(sorted);
        m_list->clearSelection();
        if (current)
            m_list->setCurrentItem(current, std::max(currentColumn, 0), QItemSelectionModel::NoUpdate);
        for (QTreeWidgetItem* item : selected)
            item->setSelected(true);
        m_sorting = false;
    }
    // Taken items lose their hidden state: the filter hides them again.
    ApplyFilter(0, count - 1);
    m_list->verticalScrollBar()->setValue(scroll);
    m_list->viewport()->update();
}

// ---- rows read later ----------------------------------------------------------------------

void TListViewTools::RowsInserted(int first, int last)
{
    if (m_sorting)
        return;
    ApplyFilter(first, last);
    ScheduleResort();
    if (!m_filter && m_list->topLevelItemCount() > kFilterRows) {
        // Not while the model is still reporting the insertion: the list changes its parent.
        QTimer::singleShot(0, this, [this] { Guarded(m_list, [this] { MakeFilterBox(); }); });
    }
}

// ---- filter -------------------------------------------------------------------------------

void TListViewTools::ApplyFilter(int first, int last)
{
    const QString text = m_filter ? m_filter->text() : QString();
    if (text.isEmpty() && !m_filterUsed)
        return;
    m_filterUsed = true;
    const std::vector<int> columns = ShownColumns();
    last = std::min(last, m_list->topLevelItemCount() - 1);
    for (int r = std::max(first, 0); r <= last; ++r) {
        QTreeWidgetItem* item = m_list->topLevelItem(r);
        bool match = text.isEmpty();
        for (std::size_t i = 0; !match && i < columns.size(); ++i)
            match = item->text(columns[i]).contains(text, Qt::CaseInsensitive);
        if (item->isHidden() == match)
            item->setHidden(!match);
    }
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
}

// The box goes above the list, in the list's place in its parent's layout; a list without a
// layout gets it laid over its top edge (Ctrl+F only).
void TListViewTools::MakeFilterBox()
{
    if (m_filter)
        return;
    auto* box = new QLineEdit;
    box->setObjectName(QStringLiteral("FilterBox"));
    box->setPlaceholderText(QStringLiteral("Filter"));
    box->setClearButtonEnabled(true);
    box->installEventFilter(this);
    connect(box, &QLineEdit::textChanged, this,
            [this] { Guarded(m_list, [this] { ApplyFilter(0, m_list->topLevelItemCount() - 1); }); });
    m_filter = box;

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
    column->addWidget(box);
    column->addWidget(m_list, 1);
    if (explicitlyHidden) {
        m_list->hide();
        box->hide();
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
            break;
        case QEvent::ShowToParent:
            if (m_filter && m_container)
                m_filter->show();
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
