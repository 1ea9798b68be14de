#include "views/ViewDialogs.h"

#include <QApplication>
#include <QWidget>

QWidget* ViewMainWindow()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("MainForm"))
            return w;
    return nullptr;
}
