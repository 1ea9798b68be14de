#include "views/FormSetup.h"

#include "views/FormKeys.h"
#include "views/ListFit.h"

#include <QEvent>
#include <QWidget>

namespace {

// Controls are made with the window, some after the window itself: their lists are fitted and
// their tab order set when the window is first shown.
class TSetUpOnShow : public QObject {
public:
    explicit TSetUpOnShow(QWidget* form) : QObject(form) { form->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched == parent()) {
            auto* form = static_cast<QWidget*>(watched);
            TListFit::AttachAll(form);
            if (!m_ordered) {
                m_ordered = true;
                FormKeys::OrderTabsAsShown(form);
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_ordered = false;
};

} // namespace

void KtSetUpForm(QWidget* form)
{
    if (!form || form->property("vkrFormSetUp").toBool())
        return;
    form->setProperty("vkrFormSetUp", true);
    FormKeys::Install(form);
    new TSetUpOnShow(form);
}
