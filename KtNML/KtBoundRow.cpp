#include "KtNML/KtBoundRow.h"

#include <QAbstractItemModel>
#include <QTreeWidget>

KtBoundRow::KtBoundRow(QTreeWidget* list) : QObject(list), m_list(list)
{
    setObjectName(QStringLiteral("KtBoundRow"));
    connect(list, &QTreeWidget::itemSelectionChanged, this, &KtBoundRow::SelectionChanged);
    QAbstractItemModel* model = list->model();
    // The item pointer is kept: it must be dropped before the item is deleted, and the
    // listeners hear of it once the model is consistent again.
    connect(model, &QAbstractItemModel::rowsAboutToBeRemoved, this,
            [this](const QModelIndex& parent, int first, int last) {
                if (!parent.isValid())
                    RowsAboutToBeRemoved(first, last);
            });
    connect(model, &QAbstractItemModel::modelAboutToBeReset, this, &KtBoundRow::Forget);
    connect(model, &QAbstractItemModel::rowsRemoved, this, &KtBoundRow::EmitPending);
    connect(model, &QAbstractItemModel::modelReset, this, &KtBoundRow::EmitPending);
    const QList<QTreeWidgetItem*> selected = list->selectedItems();
    if (selected.size() == 1)
        m_item = selected.first();
}

KtBoundRow* KtBoundRow::Track(QTreeWidget* list)
{
    if (!list)
        return nullptr;
    if (KtBoundRow* tracker = Find(list))
        return tracker;
    return new KtBoundRow(list);
}

KtBoundRow* KtBoundRow::Find(const QTreeWidget* list)
{
    return list ? list->findChild<KtBoundRow*>(QStringLiteral("KtBoundRow"), Qt::FindDirectChildrenOnly) : nullptr;
}

QTreeWidgetItem* KtBoundRow::Of(const QTreeWidget* list)
{
    if (!list)
        return nullptr;
    // Worked out from the selection: a listener of the list's own selection signal may ask
    // before this tracker has heard of the change.
    if (const KtBoundRow* tracker = Find(list))
        return tracker->Current();
    const QList<QTreeWidgetItem*> selected = list->selectedItems();
    return selected.size() == 1 ? selected.first() : nullptr;
}

QTreeWidgetItem* KtBoundRow::Current() const
{
    const QList<QTreeWidgetItem*> selected = m_list->selectedItems();
    if (selected.size() == 1)
        return selected.first();
    // More rows: the selection was extended, the bound row stays while it is one of them.
    // None, or the bound row taken out of it: nothing is bound.
    return !selected.isEmpty() && m_item && m_item->isSelected() ? m_item : nullptr;
}

void KtBoundRow::SelectionChanged()
{
    Set(Current());
}

void KtBoundRow::RowsAboutToBeRemoved(int first, int last)
{
    if (!m_item)
        return;
    // The removed rows are looked at, not the whole list: a sort of a long list takes rows out
    // one at a time.
    bool removed = m_item->treeWidget() != m_list;
    for (int r = first; !removed && r <= last; ++r)
        removed = m_list->topLevelItem(r) == m_item;
    if (removed)
        Forget();
}

void KtBoundRow::Forget()
{
    if (!m_item)
        return;
    m_item = nullptr;
    m_pending = true;
}

void KtBoundRow::EmitPending()
{
    if (!m_pending)
        return;
    m_pending = false;
    emit Changed(nullptr);
}

void KtBoundRow::Set(QTreeWidgetItem* item)
{
    if (item == m_item && !m_pending)
        return;
    m_item = item;
    m_pending = false;
    emit Changed(item);
}
