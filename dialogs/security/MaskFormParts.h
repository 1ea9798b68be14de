#pragma once
// What the Ethernet and IP mask dialogs share: the frame of list, form and buttons, and the
// choices and variables their Add checks.
#include "KtNML/KtSNMPVarList.h"
#include "dialogs/security/AclDialogBase.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QString>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <set>
#include <vector>

namespace MaskFormParts {

// The chosen option's text; empty with nothing chosen.
inline QString Choice(const QComboBox* combo)
{
    return combo->currentIndex() < 0 ? QString() : combo->currentText();
}

// The key and the variables about to be sent: what the edit constraints check.
inline std::vector<int> KeyAndSent(const KtSNMPVarList& list, const std::set<int>& leftOut)
{
    std::vector<int> columns{0};
    for (int i : TAclDialogBase::WritableExcept(list, leftOut))
        columns.push_back(i);
    return columns;
}

// The list, the form beside it and the buttons on the right; the status bar below.
struct Frame {
    QHBoxLayout* top;
    QVBoxLayout* left;
    QVBoxLayout* buttons;
    QVBoxLayout* outer;
};

inline Frame MakeFrame(QWidget* form)
{
    Frame f{};
    f.outer = new QVBoxLayout(form);
    f.top = new QHBoxLayout;
    f.outer->addLayout(f.top, 1);
    f.left = new QVBoxLayout;
    f.top->addLayout(f.left, 1);
    f.buttons = new QVBoxLayout;
    f.top->addLayout(f.buttons);
    return f;
}

inline QTreeWidget* ListView(QWidget* parent, QVBoxLayout* layout)
{
    auto* view = new QTreeWidget(parent);
    view->setObjectName(QStringLiteral("ListView1"));
    layout->addWidget(view, 1);
    return view;
}

} // namespace MaskFormParts
