#pragma once
// What every view and dialog window gets from the desktop: F5 and Ctrl+W (FormKeys.h) and,
// once it is shown, list views that fit their contents (ListFit.h) and a tab order that follows
// what is shown (FormKeys::OrderTabsAsShown). One call per window,
// where it is built; a second call changes nothing.
class QWidget;

void KtSetUpForm(QWidget* form);
