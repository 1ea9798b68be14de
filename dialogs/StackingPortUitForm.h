#pragma once
// The port check-box grid: one check box per switch port, docked into a host control of a
// dialog and bound as a whole to one port-list variable (box k shows bit k, port k+1).
// Every unit page holds 32 boxes; only the model's port count of unit 1 is shown, the rest
// stay hidden but are read and written with the others.
#include <QList>
#include <QString>
#include <QWidget>

#include <vector>

class QCheckBox;
class QRect;
class QTabWidget;

class TStackingPortUitForm : public QWidget {
    Q_OBJECT
public:
    explicit TStackingPortUitForm(QWidget* host);

    // A page captioned caption with portCount hidden boxes laid out in columns (10 whatever
    // columns says when "DeviceInfo.ini" is in the working folder); its tab stays hidden.
    void AddUnit(const QString& caption, int portCount, int columns);
    // Shows the page of unit 1, its caption followed by the model name, and its first
    // portCount boxes.
    void ShowUnit(const QString& modelName, int portCount);
    void UncheckAll();
    // Boxes that show what the switch reports and are never written: the operator cannot
    // change them (they are shown disabled).
    void SetReadOnly(bool readOnly);

    // "0,1,...,count-1": the bit list that binds count boxes to a port list.
    static QString BitIndexText(int count = 32);
    // The first count boxes (fewer when the grid has fewer): what a port list of count bits
    // binds when the grid holds more units than the list has bits for.
    std::vector<QCheckBox*> FirstBoxes(int count = 32) const;

    QTabWidget* UnitPageControl = nullptr;
    std::vector<QCheckBox*> PortBoxes;  // creation order, over all units
    QList<QWidget*> UnitSheets;

private:
    void FitShownBoxes(const QRect& shown);
};
