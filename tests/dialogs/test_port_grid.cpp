// The port grid: the model's ports on show, its columns (ten where "DeviceInfo.ini" is in the
// working folder), clearing, and the bit list that binds it.
#include "dialogs/Stackingportuitformunit.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QTabWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct GridCase {
    bool deviceInfo;
    int columns;  // columns the layout must show
};

class PortGrid : public ::testing::TestWithParam<GridCase> {};

TEST_P(PortGrid, ShowsTheModelsPortsAndLaysOutItsColumns)
{
    QTemporaryDir dir;
    const QString old = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    if (GetParam().deviceInfo) {
        QFile f(dir.filePath("DeviceInfo.ini"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    QWidget host;
    TStackingPortUitForm grid(&host);
    grid.AddUnit("Unit1", 32, 12);
    grid.ShowUnit("VKR-2207", 10);
    QDir::setCurrent(old);

    ASSERT_EQ(grid.PortBoxes.size(), 32u);
    ASSERT_EQ(grid.UnitSheets.size(), 1);
    EXPECT_EQ(grid.UnitPageControl->tabText(0), "Unit1 VKR-2207");
    for (int k = 0; k < 32; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(grid.PortBoxes[k]->text(), QString::number(k + 1));
        EXPECT_EQ(grid.PortBoxes[k]->isVisibleTo(&grid), k < 10);
    }
    const int c = GetParam().columns;
    const int fontSize = grid.PortBoxes[0]->font().pointSize();
    // Box c starts the second row at the left edge; box c-1 ends the first row.
    EXPECT_EQ(grid.PortBoxes[c]->x(), 20);
    EXPECT_GT(grid.PortBoxes[c]->y(), grid.PortBoxes[0]->y());
    EXPECT_EQ(grid.PortBoxes[c - 1]->x(), fontSize * (c - 1) * 5 + 20);
    EXPECT_EQ(grid.PortBoxes[c - 1]->y(), 4);

    for (QCheckBox* box : grid.PortBoxes)
        box->setChecked(true);
    grid.UncheckAll();
    for (QCheckBox* box : grid.PortBoxes)
        EXPECT_FALSE(box->isChecked());
}

INSTANTIATE_TEST_SUITE_P(Columns, PortGrid, ::testing::Values(GridCase{false, 12}, GridCase{true, 10}));

TEST(PortGridText, BitIndexTextNamesEveryBox)
{
    EXPECT_EQ(TStackingPortUitForm::BitIndexText(4), "0,1,2,3");
    EXPECT_TRUE(TStackingPortUitForm::BitIndexText().endsWith(",30,31"));
}

} // namespace
