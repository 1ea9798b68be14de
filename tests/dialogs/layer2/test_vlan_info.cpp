// The VLAN information dialogs against the switch simulator: the current table's port lists in
// its grids, the 802.1Q base scalars, the port VLAN settings (what Set sends, what it refuses,
// the port selected again once the walk has ended) and the guest VLAN's Delete.
#include "dialogs/StackingPortUitForm.h"
#include "dialogs/layer2/GuestVlanForm.h"
#include "dialogs/layer2/VLanCurrentTableForm.h"
#include "dialogs/layer2/VLanGeneralInfoForm.h"
#include "dialogs/layer2/VLanPortInfomationForm.h"
#include "tests/support/SimDialogFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <memory>
#include <set>

using testutil::Pump;
using testutil::waitFor;

namespace {

const QString kPortVlan = QStringLiteral("1.3.6.1.2.1.17.7.1.4.5.1.");
const QString kGuest = QStringLiteral("1.3.6.1.4.1.32473.12.30.1.");

// The ports (1-based) whose boxes are ticked.
std::set<int> Ticked(const TStackingPortUitForm* grid)
{
    std::set<int> ports;
    for (std::size_t k = 0; k < grid->PortBoxes.size(); ++k)
        if (grid->PortBoxes[k]->isChecked())
            ports.insert(int(k) + 1);
    return ports;
}

bool SelectKey(QTreeWidget* view, const QString& key, int column = 0)
{
    for (int r = 0; r < view->topLevelItemCount(); ++r) {
        QTreeWidgetItem* item = view->topLevelItem(r);
        if (item->text(column) == key) {
            view->setCurrentItem(item);
            item->setSelected(true);
            return true;
        }
    }
    return false;
}

QStringList Column(const QTreeWidget* view, int column)
{
    QStringList out;
    for (int r = 0; r < view->topLevelItemCount(); ++r)
        out << view->topLevelItem(r)->text(column);
    return out;
}

class VlanInfo : public testutil::SimDialogFixture {
protected:
    void TearDown() override
    {
        current.reset();
        general.reset();
        ports.reset();
        guest.reset();
        SimDialogFixture::TearDown();
    }
    void StartPorts()
    {
        StartSim();
        ports = std::make_unique<TVLanPortInfomationForm>(nullptr);
        ASSERT_TRUE(PortsIdle());
    }
    bool PortsIdle()
    {
        return waitFor([&] { return ports->GetComplete() && !ports->TableRequest()->Busy(); }, 10000);
    }

    std::unique_ptr<TVLanCurrentTableForm> current;
    std::unique_ptr<TVLanGeneralInfoForm> general;
    std::unique_ptr<TVLanPortInfomationForm> ports;
    std::unique_ptr<TGuestVlanForm> guest;
};

// ---- VLAN current table ---------------------------------------------------------------------

TEST_F(VlanInfo, CurrentTableShowsEachVlansPortListsInTheGridsAndChangesNothing)
{
    ASSERT_TRUE(StartSim());
    const int mark = Mark();
    current = std::make_unique<TVLanCurrentTableForm>(nullptr);
    QTreeWidget* list = current->LV_dot1qVlanCurrentEntry;
    EXPECT_EQ(Column(list, 1), QStringList({"1", "10", "20", "30"}));
    EXPECT_EQ(current->ST_Count2->text(), "4");
    EXPECT_EQ(current->VlanNumDeletes->text(), "3");
    EXPECT_TRUE(Column(list, 5).contains("dynamicGvrp"));
    EXPECT_FALSE(current->SetBtn->isVisibleTo(current.get()));
    EXPECT_TRUE(Since(mark, "SET").empty());

    struct Case {
        const char* vlan;
        std::set<int> egress;
        std::set<int> untagged;
    };
    const Case cases[] = {
        {"1", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
        {"10", {1, 2, 3, 4, 9, 10}, {1, 2, 3, 4}},
        {"20", {5, 6, 7, 8, 9, 10}, {5, 6, 7, 8}},
        {"30", {9, 10}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.vlan);
        list->clearSelection();
        ASSERT_TRUE(SelectKey(list, c.vlan, 1));
        EXPECT_EQ(current->StaticText1->text(), c.vlan);
        EXPECT_EQ(Ticked(current->EgressGrid), c.egress);
        EXPECT_EQ(Ticked(current->UntaggedGrid), c.untagged);
    }
    // The grids only show: no box can be ticked by the operator.
    EXPECT_FALSE(current->EgressGrid->PortBoxes[0]->isEnabledTo(current.get()));

    // Refresh reads both requests again and clears what the selection showed.
    const int before = Mark();
    current->RefreshBtn->click();
    EXPECT_EQ(WalksSince(before, "1.3.6.1.2.1.17.7.1.4.2.1.3"), 1);
    EXPECT_EQ(Since(before, "GET").size(), 1u);
    EXPECT_EQ(current->ST_Count2->text(), "4");
    EXPECT_TRUE(current->StaticText1->text().isEmpty());
    EXPECT_TRUE(Ticked(current->EgressGrid).empty());
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
}

// ---- 802.1Q basic configuration -------------------------------------------------------------

TEST_F(VlanInfo, BasicConfigureShowsTheBaseAndSetWritesOnlyGvrpWhenIdle)
{
    ASSERT_TRUE(StartSim());
    general = std::make_unique<TVLanGeneralInfoForm>(nullptr);
    ASSERT_TRUE(waitFor([&] { return general->GetComplete(); }, 10000));
    EXPECT_EQ(general->VlanVersionNumber->text(), "1");
    EXPECT_EQ(general->MaxVlanId->text(), "4094");
    EXPECT_EQ(general->MaxSupportedVlans->text(), "256");
    EXPECT_EQ(general->CurrentNumOfVlans->text(), "4");
    EXPECT_EQ(general->GvrpStatus->currentText(), "disabled");

    general->GvrpStatus->setCurrentIndex(general->GvrpStatus->findText("enabled"));
    // While a read is outstanding a command is refused without a word.
    int mark = Mark();
    general->RefreshBtnClick();
    ASSERT_FALSE(general->GetComplete());
    general->SetBtnClick();
    general->RefreshBtnClick();
    ASSERT_TRUE(waitFor([&] { return general->GetComplete() && !general->BaseRequest()->Busy(); }, 10000));
    EXPECT_EQ(Types(mark), QStringList({"GET"}));
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();

    general->GvrpStatus->setCurrentIndex(general->GvrpStatus->findText("enabled"));
    mark = Mark();
    general->SetBtn->click();
    ASSERT_TRUE(waitFor([&] { return general->GetComplete() && !general->BaseRequest()->Busy(); }, 10000));
    const auto sets = Since(mark, "SET");
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0], QStringList({"1.3.6.1.2.1.17.7.1.1.5.0=i:1"}));
}

// ---- VLAN port information ------------------------------------------------------------------

TEST_F(VlanInfo, PortSetWithNoRowSelectedSendsNothing)
{
    StartPorts();
    EXPECT_EQ(ports->ST_Count->text(), "10");
    EXPECT_TRUE(ports->PortVLanID->text().isEmpty());
    ports->PortVLanID->setText("5");
    const int mark = Mark();
    ports->SetBtnClick();
    Pump(200);
    EXPECT_EQ(Mark(), mark);
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
    EXPECT_TRUE(ports->GetComplete());
}

TEST_F(VlanInfo, PortVlanIdsOutside1To4094AreRefusedWithNothingSent)
{
    StartPorts();
    // What the edit's typing filter lets stand (it takes back letters, blanks and points).
    for (const char* bad : {"", "0", "4095", "-1", "99999", "04094"}) {
        SCOPED_TRACE(bad);
        boxes.Clear();
        ports->LV_dot1qPortVlanEntry->clearSelection();
        ASSERT_TRUE(SelectKey(ports->LV_dot1qPortVlanEntry, "3"));
        ports->PortVLanID->setText(QString::fromLatin1(bad));
        ASSERT_EQ(ports->PortVLanID->text(), QString::fromLatin1(bad));
        const int mark = Mark();
        ports->SetBtnClick();
        Pump(50);
        EXPECT_EQ(Mark(), mark);
        EXPECT_EQ(boxes.texts, QStringList({TVLanPortInfomationForm::kBadPortVlanId}));
        EXPECT_TRUE(ports->GetComplete());
    }
}

TEST_F(VlanInfo, PortSetIsOneWriteThenTheSamePortIsSelectedWithItsNewValue)
{
    StartPorts();
    ASSERT_TRUE(SelectKey(ports->LV_dot1qPortVlanEntry, "3"));
    EXPECT_EQ(ports->PortVLanID->text(), "10");
    ports->PortVLanID->setText("30");
    ports->AcceptableFrameTypes->setCurrentIndex(ports->AcceptableFrameTypes->findText("admitOnlyVLANTagged"));
    const int mark = Mark();
    ports->SetBtn->click();
    // While the walk runs the list holds no selection yet; then port 3 comes back.
    ASSERT_TRUE(PortsIdle());

    const auto sets = Since(mark, "SET");
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0], QStringList({kPortVlan + "1.3=u:30", kPortVlan + "2.3=i:2", kPortVlan + "3.3=i:2",
                                    kPortVlan + "4.3=i:2"}));
    EXPECT_EQ(Types(mark).value(0), "SET");
    EXPECT_EQ(WalksSince(mark, "1.3.6.1.2.1.17.1.4.1.1"), 1);

    const QList<QTreeWidgetItem*> selected = ports->LV_dot1qPortVlanEntry->selectedItems();
    ASSERT_EQ(selected.size(), 1);
    EXPECT_EQ(selected.first()->text(0), "3");
    EXPECT_EQ(selected.first()->text(1), "30");
    EXPECT_EQ(ports->PortVLanID->text(), "30");
    EXPECT_EQ(ports->AcceptableFrameTypes->currentText(), "admitOnlyVLANTagged");
    EXPECT_TRUE(ports->PortVLanID->isEnabled());
    EXPECT_EQ(ports->ST_Count->text(), "10");
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
}

TEST_F(VlanInfo, PortCommandsWhileAWalkRunsGetRefreshNotComplete)
{
    StartPorts();
    ports->RefreshBtnClick();  // the walk is outstanding until events run
    ASSERT_FALSE(ports->GetComplete());
    ports->RefreshBtnClick();
    ports->SetBtnClick();
    EXPECT_EQ(boxes.texts, QStringList({"Refresh Not Complete", "Refresh Not Complete"}));
    ASSERT_TRUE(PortsIdle());
    EXPECT_EQ(ports->ST_Count->text(), "10");
}

// ---- guest VLAN -----------------------------------------------------------------------------

TEST_F(VlanInfo, GuestVlanShowsNameAndPortsAndSetWritesBothInOneRequest)
{
    ASSERT_TRUE(StartSim());
    guest = std::make_unique<TGuestVlanForm>(nullptr);
    EXPECT_EQ(guest->edtName->text(), "guest");
    EXPECT_EQ(Ticked(guest->PortGrid), std::set<int>({5, 6}));
    EXPECT_FALSE(guest->cbxDel->isVisibleTo(guest.get()));
    EXPECT_EQ(guest->SettingsRequest()->Request().Params.timeout, 300);

    guest->edtName->setText("visitors");
    guest->PortGrid->PortBoxes[0]->setChecked(true);  // port 1
    const int mark = Mark();
    guest->SetBtn->click();
    const auto sets = Since(mark, "SET");
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0], QStringList({kGuest + "1.0=x:76697369746F7273", kGuest + "2.0=x:8C000000"}));
}

TEST_F(VlanInfo, GuestVlanDeleteIsOneSetThenBothRequestsAreReadAgain)
{
    ASSERT_TRUE(StartSim());
    guest = std::make_unique<TGuestVlanForm>(nullptr);
    const int mark = Mark();
    guest->DelBtn->click();
    EXPECT_EQ(Types(mark), QStringList({"SET", "GET", "GET"}));
    const auto sets = Since(mark, "SET");
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0], QStringList({kGuest + "3.0=i:2"}));
    const auto gets = Since(mark, "GET");
    ASSERT_EQ(gets.size(), 2u);
    EXPECT_EQ(gets[0], QStringList({kGuest + "1.0", kGuest + "2.0"}));
    EXPECT_EQ(gets[1], QStringList({kGuest + "3.0"}));
    EXPECT_EQ(guest->cbxDel->currentText(), "start");
    EXPECT_TRUE(guest->StatusBar1->currentMessage().contains("Ok")) << guest->StatusBar1->currentMessage().toStdString();
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
}

} // namespace
