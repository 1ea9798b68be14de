#pragma once
// Tab pages of port grids, one grid a page, as the multicast dialogs show their port lists:
// each grid one unit of 32 boxes (bits 0 to 31 of a four-octet port list), the model's 10 shown.
#include "dialogs/StackingPortUitForm.h"

#include <QCheckBox>
#include <QScrollArea>
#include <QString>
#include <QTabWidget>
#include <QVBoxLayout>

#include <initializer_list>
#include <vector>

namespace PortGridPages {

inline constexpr int kBoxesPerUnit = 32;
inline constexpr int kColumns = 12;
inline constexpr const char* kModel = "VKR-2207";
inline constexpr int kModelPorts = 10;

// A page captioned by each name, its grid ready to bind (in the order of the names).
inline std::vector<TStackingPortUitForm*> Add(QTabWidget* pages, std::initializer_list<const char*> names)
{
    std::vector<TStackingPortUitForm*> grids;
    for (const char* name : names) {
        auto* scroll = new QScrollArea;
        scroll->setWidgetResizable(true);
        auto* host = new QWidget;
        new QVBoxLayout(host);
        host->layout()->setContentsMargins(0, 0, 0, 0);
        scroll->setWidget(host);
        pages->addTab(scroll, QLatin1String(name));
        auto* grid = new TStackingPortUitForm(host);
        grid->AddUnit(QStringLiteral("Unit1"), kBoxesPerUnit, kColumns);
        grid->ShowUnit(QLatin1String(kModel), kModelPorts);
        grids.push_back(grid);
    }
    return grids;
}

// "0,1,...,31".
inline QString BitIndex()
{
    return TStackingPortUitForm::BitIndexText(kBoxesPerUnit);
}

} // namespace PortGridPages
