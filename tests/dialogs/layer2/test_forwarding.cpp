// The forwarding information and traffic segmentation dialogs against the switch simulator:
// which list each grid page shows, what Set writes (checked in the simulator's request log),
// the guard while a walk runs, and the ingress port shown as unit and port.
#include "dialogs/StackingPortUitForm.h"
#include "dialogs/layer2/ForwardingInformationForms.h"
#include "dialogs/layer2/TrafficSegmentationForm.h"
#include "tests/support/SimDialogFixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTabWidget>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <memory>

using testutil::Pump;
using testutil::waitFor;

namespace {

const QString kForwardAllEntry = QStringLiteral("1.3.6.1.2.1.17.7.1.2.4.1.");
const QString kUnregEntry = QStringLiteral("1.3.6.1.2.1.17.7.1.2.5.1.");
const QString kSegEntry = QStringLiteral("1.3.6.1.4.1.32473.11.101.1.2.14.1.1.");

void Select(QTreeWidget* list, const QString& first)
{
    for (int r = 0; r < list->topLevelItemCount(); ++r) {
        QTreeWidgetItem* item = list->topLevelItem(r);
        if (item->text(0) == first) {
            list->setCurrentItem(item);
            item->setSelected(true);
            return;
        }
    }
    ADD_FAILURE() << "no row " << first.toStdString();
}

// The ports (1-based) of unit 1 whose boxes are ticked.
QList<int> Ticked(const TStackingPortUitForm* grid)
{
    QList<int> ports;
    const std::vector<QCheckBox*> boxes = grid->FirstBoxes(32);
    for (std::size_t k = 0; k < boxes.size(); ++k)
        if (boxes[k]->isChecked())
            ports << int(k) + 1;
    return ports;
}

class Forwarding : public testutil::SimDialogFixture {
protected:
    void TearDown() override
    {
        dialog.reset();
        SimDialogFixture::TearDown();
    }

    template <class Form> Form* Open(QStringList extra = {}, bool loaded = true)
    {
        StartSim(extra);
        auto* form = new Form(nullptr);
        dialog.reset(form);
        table = form->TableRequest();
        if (loaded) {
            EXPECT_TRUE(WaitIdle());
        }
        return form;
    }
    bool WaitIdle(int ms = 10000)
    {
        return waitFor([&] { return dialog->GetComplete() && !table->Busy(); }, ms);
    }

    std::unique_ptr<TDialogBase> dialog;
    KtSNMPRequest2Edits* table = nullptr;
};

// ---- forward-all, forward-unregistered, group destinations ----------------------------------

TEST_F(Forwarding, ForwardAllPagesShowTheListTheirCaptionsName)
{
    auto* form = Open<TMulticastForwardingInformationForm>();
    ASSERT_EQ(form->ListView1->topLevelItemCount(), 2);
    EXPECT_EQ(form->ST_Count->text(), "2");
    ASSERT_EQ(form->PortPages->count(), 3);
    EXPECT_EQ(form->PortPages->tabText(1), "All Static Ports");
    EXPECT_EQ(form->PortPages->tabText(2), "All Forbiden Ports");
    // Twelve units a grid; the lists bind unit 1's boxes.
    EXPECT_EQ(form->Grids[0]->PortBoxes.size(), 12u * 32u);

    const struct {
        const char* vlan;
        QList<int> all, statics, forbidden;
    } rows[] = {
        {"1", {1, 2, 10}, {1}, {10}},
        {"10", {3, 4}, {3}, {8}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.vlan);
        Select(form->ListView1, row.vlan);
        EXPECT_EQ(form->KeyLabels[0]->text(), row.vlan);
        EXPECT_EQ(Ticked(form->Grids[0]), row.all);
        EXPECT_EQ(Ticked(form->Grids[1]), row.statics);
        EXPECT_EQ(Ticked(form->Grids[2]), row.forbidden);
    }
    // Only the writable lists can be ticked by the operator.
    EXPECT_FALSE(form->Grids[0]->PortBoxes[0]->isEnabled());
    EXPECT_TRUE(form->Grids[1]->PortBoxes[0]->isEnabled());
    EXPECT_TRUE(form->Grids[2]->PortBoxes[0]->isEnabled());
}

TEST_F(Forwarding, ForwardAllSetWritesOnlyTheSelectedVlanAndNothingWithoutOne)
{
    auto* form = Open<TMulticastForwardingInformationForm>();
    EXPECT_FALSE(form->SetBtn->isEnabled());
    int before = Mark();
    form->SetBtnClick();
    Pump(100);
    EXPECT_TRUE(Since(before, "SET").empty());
    EXPECT_EQ(WalksSince(before, kForwardAllEntry + "1"), 0);

    Select(form->ListView1, "10");
    ASSERT_TRUE(form->SetBtn->isEnabled());
    form->Grids[1]->PortBoxes[1]->setChecked(true);  // port 2 static as well
    before = Mark();
    form->SetBtn->click();
    ASSERT_TRUE(WaitIdle());
    const auto sets = Since(before, "SET");
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0], QStringList({kForwardAllEntry + "2.10=x:60000000", kForwardAllEntry + "3.10=x:01000000"}));
    EXPECT_EQ(WalksSince(before, kForwardAllEntry + "1"), 1);
    EXPECT_TRUE(form->Memo1->toPlainText().contains("Ok!")) << form->Memo1->toPlainText().toStdString();

    // The new list was read back; the other VLAN is untouched.
    Select(form->ListView1, "10");
    EXPECT_EQ(Ticked(form->Grids[1]), QList<int>({2, 3}));
    Select(form->ListView1, "1");
    EXPECT_EQ(Ticked(form->Grids[1]), QList<int>({1}));
}

TEST_F(Forwarding, ForwardUnregisteredShowsItsThreeListsReadOnlyAndSetOnlyReadsAgain)
{
    auto* form = Open<TForwardUnregisteredInformationForm>();
    Select(form->ListView1, "1");
    EXPECT_EQ(Ticked(form->Grids[0]), QList<int>({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(Ticked(form->Grids[1]), QList<int>({9}));
    EXPECT_EQ(Ticked(form->Grids[2]), QList<int>({5}));
    for (const TStackingPortUitForm* grid : form->Grids)
        EXPECT_FALSE(grid->PortBoxes[0]->isEnabled());

    const int before = Mark();
    form->SetBtn->click();
    ASSERT_TRUE(WaitIdle());
    EXPECT_TRUE(Since(before, "SET").empty());
    EXPECT_EQ(WalksSince(before, kUnregEntry + "1"), 1);
    EXPECT_TRUE(Ticked(form->Grids[1]).isEmpty());
}

TEST_F(Forwarding, GroupDestinationRowsDecodeVlanAndGroupAddress)
{
    auto* form = Open<TTpGroupDestinationForwardedForm>();
    ASSERT_EQ(form->ListView1->topLevelItemCount(), 3);
    EXPECT_EQ(form->SetBtn, nullptr);
    Select(form->ListView1, "1");
    EXPECT_EQ(form->KeyLabels[0]->text(), "1");
    EXPECT_EQ(form->KeyLabels[1]->text().remove(QRegularExpression("[^0-9A-Fa-f]")).toUpper(), "01005E010101");
    EXPECT_EQ(Ticked(form->Grids[0]), QList<int>({2, 3, 9}));
    EXPECT_EQ(Ticked(form->Grids[1]), QList<int>({2, 3}));
    for (const TStackingPortUitForm* grid : form->Grids)
        EXPECT_FALSE(grid->PortBoxes[0]->isEnabled());
}

// ---- traffic segmentation -----------------------------------------------------------------

TEST_F(Forwarding, SegmentationRefusesRefreshAndSetUntilTheWalkAndStopsReplyAreIn)
{
    auto* form = Open<TTrafficSegmentationForm>({"--delay", "300"}, false);
    ASSERT_TRUE(waitFor([&] { return form->LV_TrafficForward->topLevelItemCount() >= 1; }, 5000));
    ASSERT_FALSE(form->GetComplete());
    Select(form->LV_TrafficForward, "1");
    const int before = Mark();
    form->BT_GetClick();
    form->BT_SetClick();
    form->StopBtn->click();
    // Stop ends the walk after its outstanding reply, not before.
    form->BT_GetClick();
    EXPECT_EQ(boxes.texts, QStringList(3, TTrafficSegmentationForm::kRefreshNotComplete));
    EXPECT_TRUE(Since(before, "SET").empty());
    EXPECT_EQ(WalksSince(before, kSegEntry + "1"), 0);

    ASSERT_TRUE(WaitIdle(3000));
    EXPECT_LT(form->LV_TrafficForward->topLevelItemCount(), 11);
    boxes.texts.clear();
    int again = Mark();
    form->BT_Get->click();
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(WalksSince(again, kSegEntry + "1"), 1);
    ASSERT_EQ(form->LV_TrafficForward->topLevelItemCount(), 11);

    Select(form->LV_TrafficForward, "2");
    ASSERT_TRUE(form->BT_Set->isEnabled());
    form->PortGrid->PortBoxes[0]->setChecked(false);
    again = Mark();
    form->BT_Set->click();
    ASSERT_TRUE(WaitIdle());
    const auto sets = Since(again, "SET");
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0], QStringList({kSegEntry + "2.2=x:7FC00000"}));
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
    EXPECT_FALSE(form->BT_Set->isEnabled());
    EXPECT_TRUE(form->Combo_Port->text().isEmpty());
}

TEST_F(Forwarding, SegmentationShowsTheIngressPortAsUnitAndPort)
{
    auto* form = Open<TTrafficSegmentationForm>(
        {"--data", testutil::sourceDir() + "/tests/dialogs/layer2/data/segmentation-port0.sim"});
    ASSERT_EQ(form->StaticText1->text(), "2");
    const struct {
        const char* row;
        const char* unit;
        const char* port;
        QList<int> forward;
    } cases[] = {
        {"64", "1", "64", {2}},
        {"0", "0", "0", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        Select(form->LV_TrafficForward, c.row);
        EXPECT_EQ(form->Combo_Unit->text(), c.unit);
        EXPECT_EQ(form->Combo_Port->text(), c.port);
        EXPECT_EQ(Ticked(form->PortGrid), c.forward);
        EXPECT_TRUE(form->BT_Set->isEnabled());
    }
    form->LV_TrafficForward->clearSelection();
    EXPECT_TRUE(form->Combo_Port->text().isEmpty());
    EXPECT_TRUE(form->Combo_Unit->text().isEmpty());
    EXPECT_FALSE(form->BT_Set->isEnabled());
}

} // namespace
