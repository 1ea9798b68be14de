#pragma once
// Clicks on list rows as the operator makes them (link the test with Qt6::Test): a plain click
// chooses a row, Ctrl or Shift adds rows to the selection.
#include <QTest>
#include <QTreeWidget>

#include <algorithm>

namespace testutil {

inline void ClickRow(QTreeWidget* view, QTreeWidgetItem* item, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    view->scrollToItem(item);
    // Near the row's left end: a wide row's middle may lie beyond the viewport.
    const QRect row = view->visualItemRect(item);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers, QPoint(std::max(row.left(), 0) + 5, row.center().y()));
}

}  // namespace testutil
