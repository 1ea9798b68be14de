#include "KtNML/KtRadioGroup.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

KtRadioGroup::KtRadioGroup(QWidget* parent)
    : KtRadioGroup(QString(), parent)
{
}

KtRadioGroup::KtRadioGroup(const QString& title, QWidget* parent)
    : QGroupBox(title, parent), m_layout(new QGridLayout(this)), m_group(new QButtonGroup(this))
{
    m_group->setExclusive(true);
    connect(m_group, &QButtonGroup::idClicked, this, [this](int id) {
        SetChecked(id);
        emit clicked(id);
    });
}

void KtRadioGroup::clear()
{
    const bool hadSelection = m_current >= 0;
    for (QRadioButton* b : m_buttons) {
        m_group->removeButton(b);
        delete b;
    }
    m_buttons.clear();
    m_current = -1;
    if (hadSelection)
        emit currentIndexChanged(-1);
}

void KtRadioGroup::addItem(const QString& text)
{
    auto* b = new QRadioButton(text, this);
    m_group->addButton(b, int(m_buttons.size()));
    m_buttons.append(b);
    Relayout();
}

void KtRadioGroup::addItems(const QStringList& texts)
{
    for (const QString& t : texts)
        addItem(t);
}

QString KtRadioGroup::itemText(int index) const
{
    const QRadioButton* b = button(index);
    return b ? b->text() : QString();
}

QString KtRadioGroup::currentText() const
{
    return itemText(m_current);
}

QRadioButton* KtRadioGroup::button(int index) const
{
    return index >= 0 && index < count() ? m_buttons[index] : nullptr;
}

int KtRadioGroup::currentIndex() const
{
    return m_current;
}

void KtRadioGroup::setCurrentIndex(int index)
{
    if (index < 0 || index >= count()) {
        // An exclusive group never lets its last checked button go.
        m_group->setExclusive(false);
        for (QRadioButton* b : m_buttons)
            b->setChecked(false);
        m_group->setExclusive(true);
        index = -1;
    } else {
        m_buttons[index]->setChecked(true);
    }
    SetChecked(index);
}

void KtRadioGroup::setColumns(int columns)
{
    m_columns = qMax(1, columns);
    Relayout();
}

void KtRadioGroup::SetChecked(int index)
{
    if (index == m_current)
        return;
    m_current = index;
    emit currentIndexChanged(index);
}

void KtRadioGroup::Relayout()
{
    for (QRadioButton* b : m_buttons)
        m_layout->removeWidget(b);
    const int n = count();
    const int rows = (n + m_columns - 1) / m_columns;
    for (int k = 0; k < n; ++k)
        m_layout->addWidget(m_buttons[k], k % rows, k / rows);
}
