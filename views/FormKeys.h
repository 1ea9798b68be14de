#pragma once
// The keys every view and dialog answers besides Escape: F5 presses its "Refresh" button and
// Ctrl+W its "Close" button (a form without one closes as its close box does). The key is a
// click: a hidden or disabled button does nothing, and the form's own guard ("Get data not
// complete" while a walk runs) applies as it does to the mouse.
//
// Buttons are found when the key is pressed, by object name or caption (the "&" of a
// mnemonic aside), among the form's own buttons: those of a form it opened do not count.
#include <QList>
#include <QString>

class QAbstractButton;
class QWidget;

namespace FormKeys {

inline constexpr const char* kRefresh = "Refresh";
inline constexpr const char* kClose = "Close";

// Installs the keys on form (a second call changes nothing).
void Install(QWidget* form);

// The visible button of form named or captioned caption (an enabled one first), or null.
QAbstractButton* FindButton(const QWidget* form, const QString& caption);

// A caption as read: "&Refresh" -> "Refresh", "R&&D" -> "R&D".
QString PlainCaption(const QString& text);

// Tab goes through form's fields in the order they are shown, whatever order they were made
// in: the order of its layouts (a form layout row by row, a grid row by row, a tab widget's
// bar before its pages, a scroll area's contents), and where a container has no layout, its
// controls by rows from the top, left to right within a row.
void OrderTabsAsShown(QWidget* form);
// The fields Tab reaches in that order (those that take the focus by Tab).
QList<QWidget*> FieldsAsShown(QWidget* form);

} // namespace FormKeys
