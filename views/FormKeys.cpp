#include "views/FormKeys.h"

#include <QAbstractButton>
#include <QFormLayout>
#include <QGridLayout>
#include <QKeySequence>
#include <QLayout>
#include <QScrollArea>
#include <QShortcut>
#include <QSplitter>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QWidget>

#include <algorithm>
#include <tuple>

namespace FormKeys {

namespace {

constexpr const char* kInstalledProperty = "vkrFormKeys";

} // namespace

QString PlainCaption(const QString& text)
{
    QString plain;
    plain.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size())
            ++i;  // "&x" is x, "&&" is "&"
        plain += text[i];
    }
    return plain;
}

QAbstractButton* FindButton(const QWidget* form, const QString& caption)
{
    if (!form)
        return nullptr;
    QAbstractButton* found = nullptr;
    for (QAbstractButton* button : form->findChildren<QAbstractButton*>()) {
        if (button->window() != form || !button->isVisibleTo(form))
            continue;
        if (button->objectName() != caption && PlainCaption(button->text()) != caption)
            continue;
        if (button->isEnabled())
            return button;
        if (!found)
            found = button;
    }
    return found;
}

void Install(QWidget* form)
{
    if (!form || form->property(kInstalledProperty).toBool())
        return;
    form->setProperty(kInstalledProperty, true);
    auto* refresh = new QShortcut(QKeySequence(Qt::Key_F5), form);
    refresh->setObjectName(QStringLiteral("RefreshKey"));
    QObject::connect(refresh, &QShortcut::activated, form, [form] {
        if (QAbstractButton* button = FindButton(form, QLatin1String(kRefresh)))
            button->click();
    });
    auto* close = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_W), form);
    close->setObjectName(QStringLiteral("CloseKey"));
    QObject::connect(close, &QShortcut::activated, form, [form] {
        if (QAbstractButton* button = FindButton(form, QLatin1String(kClose)))
            button->click();
        else
            form->close();
    });
}

namespace {

class ShownOrder {
public:
    explicit ShownOrder(QWidget* form) : m_form(form) {}

    QList<QWidget*> Fields(QWidget* root)
    {
        Widget(root, true);
        QList<QWidget*> fields;
        for (QWidget* w : m_seen)
            if (w != m_form && w->window() == m_form && (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy())
                fields << w;
        return fields;
    }

private:
    void Layout(QLayout* layout)
    {
        if (auto* form = qobject_cast<QFormLayout*>(layout)) {
            for (int row = 0; row < form->rowCount(); ++row)
                for (const auto role : {QFormLayout::LabelRole, QFormLayout::FieldRole, QFormLayout::SpanningRole})
                    Item(form->itemAt(row, role));
            return;
        }
        if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
            std::vector<std::tuple<int, int, int>> cells;  // row, column, index
            for (int i = 0; i < grid->count(); ++i) {
                int row = 0, column = 0, rows = 0, columns = 0;
                grid->getItemPosition(i, &row, &column, &rows, &columns);
                cells.emplace_back(row, column, i);
            }
            std::sort(cells.begin(), cells.end());
            for (const auto& cell : cells)
                Item(grid->itemAt(std::get<2>(cell)));
            return;
        }
        for (int i = 0; i < layout->count(); ++i)
            Item(layout->itemAt(i));
    }

    void Item(QLayoutItem* item)
    {
        if (!item)
            return;
        if (item->widget())
            Widget(item->widget(), false);
        else if (item->layout())
            Layout(item->layout());
    }

    void Widget(QWidget* w, bool root)
    {
        if (!w || m_seen.contains(w) || (!root && w->isWindow()))
            return;
        m_seen << w;
        if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
            Widget(tabs->tabBar(), false);
            for (int i = 0; i < tabs->count(); ++i)
                Widget(tabs->widget(i), false);
        } else if (auto* scroll = qobject_cast<QScrollArea*>(w)) {
            Widget(scroll->widget(), false);
        } else if (auto* stack = qobject_cast<QStackedWidget*>(w)) {
            for (int i = 0; i < stack->count(); ++i)
                Widget(stack->widget(i), false);
        } else if (auto* split = qobject_cast<QSplitter*>(w)) {
            for (int i = 0; i < split->count(); ++i)
                Widget(split->widget(i), false);
        } else if (w->layout()) {
            Layout(w->layout());
        }
        // A control that takes the focus is one field (its own parts are not fields); a
        // container's controls outside its layout follow by rows, as they are placed.
        if (!root && w->focusPolicy() != Qt::NoFocus)
            return;
        QList<QWidget*> loose;
        for (QObject* child : w->children())
            if (auto* c = qobject_cast<QWidget*>(child); c && !c->isWindow() && !m_seen.contains(c))
                loose << c;
        std::stable_sort(loose.begin(), loose.end(), [](const QWidget* a, const QWidget* b) {
            return std::pair(a->geometry().center().y(), a->x()) < std::pair(b->geometry().center().y(), b->x());
        });
        for (QWidget* c : loose)
            Widget(c, false);
    }

    QWidget* m_form;
    QList<QWidget*> m_seen;
};

} // namespace

QList<QWidget*> FieldsAsShown(QWidget* form)
{
    return form ? ShownOrder(form).Fields(form) : QList<QWidget*>();
}

void OrderTabsAsShown(QWidget* form)
{
    const QList<QWidget*> fields = FieldsAsShown(form);
    for (qsizetype i = 1; i < fields.size(); ++i)
        QWidget::setTabOrder(fields[i - 1], fields[i]);
}

} // namespace FormKeys
