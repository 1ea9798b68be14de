#pragma once
// The controls dialogs build their forms from: each made with its form name; buttons never act
// as the default (Enter in a field must not press Add).
#include <QComboBox>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QString>
#include <QWidget>

#include <initializer_list>

namespace FormControls {

inline QPushButton* Button(QWidget* parent, const char* name, const char* text)
{
    auto* b = new QPushButton(QString::fromLatin1(text), parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

// An edit with its label in form; a display-only one is disabled.
inline QLineEdit* Edit(QWidget* parent, QFormLayout* form, const char* name, const char* label, bool display = false)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(QLatin1String(name));
    e->setEnabled(!display);
    form->addRow(QString::fromLatin1(label), e);
    return e;
}

inline QComboBox* Combo(QWidget* parent, QFormLayout* form, const char* name, const char* label, bool display = false)
{
    auto* c = new QComboBox(parent);
    c->setObjectName(QLatin1String(name));
    c->setEnabled(!display);
    form->addRow(QString::fromLatin1(label), c);
    return c;
}

// The read-only status memo under a dialog's controls (about six lines of status and errors).
inline QPlainTextEdit* StatusMemo(QWidget* parent, const char* name)
{
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName(QLatin1String(name));
    memo->setReadOnly(true);
    memo->setMaximumHeight(70);
    return memo;
}

// The frame of a dialog: outer holds top (stretching) over whatever the dialog adds below
// (memo, status bar); top holds left (stretching), where the dialog's own controls go, and
// whatever the dialog adds to the right (its button column).
struct FrameLayouts {
    QVBoxLayout* outer;
    QHBoxLayout* top;
    QVBoxLayout* left;
};

inline FrameLayouts ControlsFrame(QWidget* form)
{
    auto* outer = new QVBoxLayout(form);
    auto* top = new QHBoxLayout;
    outer->addLayout(top, 1);
    auto* left = new QVBoxLayout;
    top->addLayout(left, 1);
    return {outer, top, left};
}

// The frame of a table dialog: left starts with the list view, named listName, over the
// dialog's own controls.
struct ListFrameLayouts {
    QVBoxLayout* outer;
    QHBoxLayout* top;
    QVBoxLayout* left;
    QTreeWidget* list;
};

inline ListFrameLayouts ListFrame(QWidget* form, const char* listName)
{
    const FrameLayouts frame = ControlsFrame(form);
    auto* list = new QTreeWidget(form);
    list->setObjectName(QLatin1String(listName));
    frame.left->addWidget(list, 1);
    return {frame.outer, frame.top, frame.left, list};
}

// The sunken box a dialog shows its list's row count in (TDialogBase::WatchRowCount fills it).
inline QLabel* CountBox(QWidget* parent, const char* name)
{
    auto* box = new QLabel(QStringLiteral("0"), parent);
    box->setObjectName(QLatin1String(name));
    box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    box->setAlignment(Qt::AlignCenter);
    box->setMinimumWidth(60);
    return box;
}

// A "Samples" caption and the count box (named name) on a row of their own at the end of
// layout; the box is returned for TDialogBase::WatchRowCount.
inline QLabel* SamplesRow(QWidget* parent, QBoxLayout* layout, const char* name)
{
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("Samples"), parent));
    QLabel* box = CountBox(parent, name);
    row->addWidget(box);
    row->addStretch();
    layout->addLayout(row);
    return box;
}

// The buttons stacked from the top in a column added to layout (the right of a ListFrame).
inline void ButtonColumn(QBoxLayout* layout, std::initializer_list<QPushButton*> buttons)
{
    auto* column = new QVBoxLayout;
    for (QPushButton* button : buttons)
        column->addWidget(button);
    column->addStretch();
    layout->addLayout(column);
}

// A status bar (named barName, no size grip) added to layout, whose one stretching panel
// (named panelName, stored in panel) takes the dialog's status lines.
inline QStatusBar* PanelStatusBar(QWidget* parent, QBoxLayout* layout, const char* barName, QLabel*& panel,
                                  const char* panelName)
{
    auto* bar = new QStatusBar(parent);
    bar->setObjectName(QLatin1String(barName));
    bar->setSizeGripEnabled(false);
    panel = new QLabel(bar);
    panel->setObjectName(QLatin1String(panelName));
    bar->addWidget(panel, 1);
    layout->addWidget(bar);
    return bar;
}

} // namespace FormControls
