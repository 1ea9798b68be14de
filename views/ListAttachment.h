#pragma once
// A helper object that lives as a named child of a list view (the list's tools, its fitting):
// found by that name, made once per list, and put on every list under a form.
#include <QTreeWidget>
#include <QWidget>

namespace ListAttachment {

template <class Helper> Helper* Of(const QTreeWidget* list, const char* name)
{
    return list ? list->findChild<Helper*>(QLatin1String(name), Qt::FindDirectChildrenOnly) : nullptr;
}

// The helper of list; make(list) builds it when the list has none yet.
template <class Helper, class Make> Helper* Attach(QTreeWidget* list, const char* name, Make make)
{
    if (!list)
        return nullptr;
    if (Helper* helper = Of<Helper>(list, name))
        return helper;
    return make(list);
}

// attach(list) for root itself when it is a list, and for every list under it.
template <class AttachOne> void ForEveryList(QWidget* root, AttachOne attach)
{
    if (!root)
        return;
    if (auto* self = qobject_cast<QTreeWidget*>(root))
        attach(self);
    for (QTreeWidget* list : root->findChildren<QTreeWidget*>())
        attach(list);
}

} // namespace ListAttachment
