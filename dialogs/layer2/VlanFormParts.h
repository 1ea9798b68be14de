#pragma once
// What the VLAN information dialogs share: the port grid of the model (one unit shown) and
// the framed value labels of their forms.
#include "dialogs/StackingPortUitForm.h"

#include <QFormLayout>
#include <QFrame>
#include <QLabel>
#include <QString>

namespace VlanFormParts {

inline constexpr int kBoxesPerUnit = 32, kColumns = 12;
inline constexpr const char* kModel = "VKR-2207";
inline constexpr int kModelPorts = 10;

inline void ShowModel(TStackingPortUitForm* grid)
{
    grid->AddUnit(QStringLiteral("Unit1"), kBoxesPerUnit, kColumns);
    grid->ShowUnit(QLatin1String(kModel), kModelPorts);
}

inline QLabel* ValueLabel(QWidget* parent, QFormLayout* form, const char* name, const char* label)
{
    auto* value = new QLabel(parent);
    value->setObjectName(QLatin1String(name));
    value->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    value->setMinimumWidth(80);
    form->addRow(QString::fromLatin1(label), value);
    return value;
}

} // namespace VlanFormParts
