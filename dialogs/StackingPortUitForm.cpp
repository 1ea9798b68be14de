#include "dialogs/StackingPortUitForm.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QScrollArea>
#include <QStringList>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// Font size in points, as box positions are measured in it (pixels where no point size is set).
int FontSize(const QWidget* w)
{
    const QFont font = w->font();
    return font.pointSize() > 0 ? font.pointSize() : qMax(1, font.pixelSize());
}

} // namespace

TStackingPortUitForm::TStackingPortUitForm(QWidget* host) : QWidget(host)
{
    setObjectName(QStringLiteral("StackingPortUitForm"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    UnitPageControl = new QTabWidget(this);
    UnitPageControl->setObjectName(QStringLiteral("UnitPageControl"));
    // Tabs are never shown: only unit 1 is, and its page fills the grid.
    UnitPageControl->tabBar()->hide();
    UnitPageControl->setDocumentMode(true);
    layout->addWidget(UnitPageControl);
    if (host && host->layout())
        host->layout()->addWidget(this);
}

void TStackingPortUitForm::AddUnit(const QString& caption, int portCount, int columns)
{
    if (QFileInfo::exists(QStringLiteral("DeviceInfo.ini")))
        columns = 10;
    if (columns < 1)
        columns = 1;
    auto* sheet = new QWidget;
    sheet->setObjectName(caption);
    auto* sheetLayout = new QVBoxLayout(sheet);
    sheetLayout->setContentsMargins(0, 0, 0, 0);
    auto* scroll = new QScrollArea(sheet);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* area = new QWidget;
    scroll->setWidget(area);
    sheetLayout->addWidget(scroll);
    const int index = UnitPageControl->addTab(sheet, caption);
    UnitPageControl->setTabVisible(index, false);
    UnitSheets.append(sheet);

    const int fontSize = FontSize(area);
    // Columns five font sizes apart, wider where a box needs more (a large font or style).
    int pitch = fontSize * 5;
    for (int i = 0; i < portCount; ++i)
        pitch = qMax(pitch, QCheckBox(QString::number(i + 1)).sizeHint().width() + 4);
    int right = 0;
    int bottom = 0;
    for (int i = 0; i < portCount; ++i) {
        const QString text = QString::number(i + 1);
        auto* box = new QCheckBox(text, area);
        box->setObjectName(QStringLiteral("Port") + text);
        const int boxHeight = box->sizeHint().height();
        const int column = i % columns;
        const int row = i / columns;
        const int left = pitch * column + 20;
        const int top = row * boxHeight + 4;
        const int width = qMax(int(text.size()) * fontSize + 3 * fontSize, box->sizeHint().width());
        box->setGeometry(left, top, width, boxHeight);
        box->hide();
        right = qMax(right, left + width);
        bottom = qMax(bottom, top + boxHeight);
        PortBoxes.push_back(box);
    }
    area->resize(right + 4, bottom + 4);
}

void TStackingPortUitForm::ShowUnit(const QString& modelName, int portCount)
{
    if (UnitSheets.isEmpty())
        return;
    const int index = UnitPageControl->indexOf(UnitSheets.first());
    UnitPageControl->setTabText(index, UnitPageControl->tabText(index) + QLatin1Char(' ') + modelName);
    // A hidden tab would hide its page too; the bar itself stays hidden.
    UnitPageControl->setTabVisible(index, true);
    UnitPageControl->setCurrentIndex(index);
    QRect shown;
    for (int i = 0; i < portCount && std::size_t(i) < PortBoxes.size(); ++i) {
        PortBoxes[std::size_t(i)]->show();
        shown |= PortBoxes[std::size_t(i)]->geometry();
    }
    FitShownBoxes(shown);
}

// The boxes shown fit without a scroll bar: the page's scroll area, and every scroll area the
// grid sits in within its window, is made at least as big as they need (the window grows).
void TStackingPortUitForm::FitShownBoxes(const QRect& shown)
{
    if (shown.isEmpty())
        return;
    const QSize need(shown.right() + 1 + 4, shown.bottom() + 1 + 4);
    if (QWidget* area = PortBoxes.front()->parentWidget())
        area->resize(need);
    setMinimumSize(need);
    for (QWidget* w = this; w && !w->isWindow(); w = w->parentWidget()) {
        auto* scroll = qobject_cast<QScrollArea*>(w);
        if (!scroll)
            continue;
        const int frame = 2 * scroll->frameWidth();
        scroll->setMinimumSize(qMax(scroll->minimumWidth(), need.width() + frame),
                               qMax(scroll->minimumHeight(), need.height() + frame));
    }
    if (!UnitSheets.isEmpty())
        if (auto* sheetScroll = UnitSheets.first()->findChild<QScrollArea*>())
            sheetScroll->setMinimumSize(need + QSize(2, 2) * sheetScroll->frameWidth());
}

void TStackingPortUitForm::UncheckAll()
{
    for (QCheckBox* box : PortBoxes)
        box->setChecked(false);
}

void TStackingPortUitForm::SetReadOnly(bool readOnly)
{
    for (QCheckBox* box : PortBoxes)
        box->setEnabled(!readOnly);
}

QString TStackingPortUitForm::BitIndexText(int count)
{
    QStringList bits;
    for (int k = 0; k < count; ++k)
        bits << QString::number(k);
    return bits.join(u',');
}

std::vector<QCheckBox*> TStackingPortUitForm::FirstBoxes(int count) const
{
    const std::size_t n = std::min(PortBoxes.size(), std::size_t(std::max(count, 0)));
    return {PortBoxes.begin(), PortBoxes.begin() + std::ptrdiff_t(n)};
}
