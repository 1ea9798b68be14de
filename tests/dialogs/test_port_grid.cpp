// The port grid: the model's ports on show, its columns (ten where "DeviceInfo.ini" is in the
// working folder), clearing, and the bit list that binds it.
#include "KtNML/KtSNMPError.h"
#include "KtNML/KtSNMPRequest2Edits.h"
#include "KtNML/KtSNMPVarList.h"
#include "dialogs/StackingPortUitForm.h"
#include "dialogs/layer2/PortGridPages.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QVBoxLayout>
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

// A grid of twelve units holds 384 boxes; a 4-octet port list binds the first 32 of them.
TEST(PortGridBinding, APortListBindsTheFirstBoxesOfAManyUnitGrid)
{
    QWidget host;
    TStackingPortUitForm grid(&host);
    for (int unit = 1; unit <= 12; ++unit)
        grid.AddUnit(QStringLiteral("Unit%1").arg(unit), 32, 12);
    grid.ShowUnit("VKR-2207", 10);
    ASSERT_EQ(grid.PortBoxes.size(), 384u);
    const std::vector<QCheckBox*> first = grid.FirstBoxes(32);
    ASSERT_EQ(first.size(), 32u);
    EXPECT_EQ(first.front(), grid.PortBoxes[0]);
    EXPECT_EQ(first.back(), grid.PortBoxes[31]);
    EXPECT_EQ(grid.FirstBoxes(1000).size(), 384u);

    static const KtSNMPVarDef defs[] = {
        {"1.3.6.1.4.1.32473.99.1", "Port", KtSyn::BitStr, KtAcc::ReadWrite},
        {},
    };
    KtSNMPRequest2Edits request(&host);
    request.VarList().Assign(KtSNMPVarList(defs, KtItem::SVT_SV, 0));
    // Every box against 32 bits is the fault: more boxes than the list names.
    EXPECT_THROW(request.BindBitsList(0, TStackingPortUitForm::BitIndexText(32), grid.PortBoxes), KtException);
    EXPECT_NO_THROW(request.BindBitsList(0, TStackingPortUitForm::BitIndexText(32), first));
}

} // namespace

namespace {

// Ten ports on tab pages, each grid inside a scroll area as the dialogs build them, in a
// window shrunk as far as its layout lets it: no page scrolls, every box is in sight, at the
// usual font and at a large one.
TEST(PortGridPagesTest, TenPortsFitWithoutAScrollBar)
{
    for (const int points : {9, 18}) {
        SCOPED_TRACE(points);
        QWidget window;
        QFont font = window.font();
        font.setPointSize(points);
        window.setFont(font);
        auto* layout = new QVBoxLayout(&window);
        auto* pages = new QTabWidget(&window);
        layout->addWidget(pages);
        const auto grids = PortGridPages::Add(pages, {"Egress Ports", "Untagged Ports"});
        window.resize(50, 50);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        for (int page = 0; page < int(grids.size()); ++page) {
            TStackingPortUitForm* grid = grids[std::size_t(page)];
            pages->setCurrentIndex(page);
            QCoreApplication::processEvents();
            for (QWidget* w = grid; w != &window; w = w->parentWidget())
                if (auto* scroll = qobject_cast<QScrollArea*>(w)) {
                    EXPECT_FALSE(scroll->horizontalScrollBar()->isVisible());
                    EXPECT_FALSE(scroll->verticalScrollBar()->isVisible());
                }
            for (int k = 0; k < PortGridPages::kModelPorts; ++k) {
                QCheckBox* box = grid->PortBoxes[std::size_t(k)];
                const QRect onWindow(box->mapTo(&window, QPoint(0, 0)), box->size());
                EXPECT_TRUE(window.rect().contains(onWindow)) << "port " << k + 1;
                EXPECT_GE(box->width(), box->sizeHint().width()) << "port " << k + 1;
            }
        }
    }
}

} // namespace
