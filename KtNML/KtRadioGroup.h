#pragma once
// A radio group: a group box holding one exclusive radio button per item, laid out in a
// number of columns (filled top to bottom, then left to right). It offers the calls the
// option lists use to fill and select controls: clear(), addItems(), setCurrentIndex().
#include <QGroupBox>
#include <QList>
#include <QString>
#include <QStringList>

class QButtonGroup;
class QGridLayout;
class QRadioButton;

class KtRadioGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit KtRadioGroup(QWidget* parent = nullptr);
    explicit KtRadioGroup(const QString& title, QWidget* parent = nullptr);

    void clear();
    void addItem(const QString& text);
    void addItems(const QStringList& texts);
    int count() const { return int(m_buttons.size()); }
    QString itemText(int index) const;
    // The checked item's text, empty when none is checked.
    QString currentText() const;
    // The radio button of an item (null outside 0..count()-1).
    QRadioButton* button(int index) const;

    int currentIndex() const;
    // -1 (or any index outside the items) leaves no button checked.
    void setCurrentIndex(int index);

    int columns() const { return m_columns; }
    // At least one column.
    void setColumns(int columns);

signals:
    // The operator checked an item (not sent for setCurrentIndex).
    void clicked(int index);
    // The checked item changed, by the operator or by the program; -1 when none is checked.
    void currentIndexChanged(int index);

private:
    void Relayout();
    void SetChecked(int index);

    QGridLayout* m_layout;
    QButtonGroup* m_group;
    QList<QRadioButton*> m_buttons;
    int m_columns = 1;
    int m_current = -1;
};
