#pragma once
// Driving a table dialog with a companion editor, and the progress windows a command shows:
// header only, for the dialogs' tests (they link the dialogs).
#include "dialogs/CompanionEditor.h"
#include "dialogs/ProgressForm.h"
#include "tests/support/TestUtil.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace testutil {

// No walk or write of the table outstanding.
inline bool WaitIdle(TCompanionTableBase& form)
{
    return waitFor([&] { return form.GetComplete() && !form.TableRequest()->Busy(); }, 10000);
}

// Runs open (Add or Edit), which shows the editor modally; inside runs in the editor's loop
// (fill it in, press Set); an editor still open afterwards is closed without sending. True
// when the editor had closed itself.
inline bool RunEditor(TCompanionTableBase& form, const std::function<void()>& open,
                      const std::function<void(TCompanionEditor&)>& inside)
{
    TCompanionEditor* editor = form.CompanionEditor();
    bool closedItself = false;
    bool ran = false;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &form, [&] {
        ran = true;
        if (!editor->isVisible())
            return;
        inside(*editor);
        closedItself = !editor->isVisible();
        if (!closedItself)
            editor->CloseButton->click();
    });
    timer.start(0);
    open();
    EXPECT_TRUE(ran) << "the editor was not shown";
    return closedItself;
}

// Selects the first listed row whose cells start with cells; false if none.
inline bool SelectRowWith(QTreeWidget* view, const QStringList& cells)
{
    for (int r = 0; r < view->topLevelItemCount(); ++r) {
        QTreeWidgetItem* item = view->topLevelItem(r);
        bool match = true;
        for (int c = 0; c < cells.size() && match; ++c)
            match = item->text(c) == cells[c];
        if (match) {
            view->setCurrentItem(item);
            item->setSelected(true);
            return true;
        }
    }
    return false;
}

// Records the progress windows shown while it lives: caption, prompt and the bar's last step.
class ProgressSpy {
public:
    struct Seen {
        QString caption, prompt;
        int position = 0;
    };
    ProgressSpy()
    {
        m_timer.setInterval(0);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            auto* window = qobject_cast<TProgressBase*>(QApplication::activeModalWidget());
            if (!window)
                return;
            if (window != m_current) {
                m_current = window;
                seen.push_back({window->windowTitle(), window->LB_Prompt->text(), 0});
            }
            seen.back().position = window->ProgressBar->value();
        });
        m_timer.start();
    }
    std::vector<Seen> seen;

private:
    QTimer m_timer;
    QPointer<TProgressBase> m_current;
};

} // namespace testutil
