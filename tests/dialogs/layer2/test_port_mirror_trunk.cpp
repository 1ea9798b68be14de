// The port mirror and port trunk dialogs against the simulator (trunk 1: ports 3 and 4,
// enabled; trunk 2: ports 5 and 6, disabled; the mirror copies ports 1 and 2 in and port 1
// out to port 8): the checks of what was typed, in their order, each refusal sending nothing,
// and what each command sends when they pass (checked in the simulator's request log).
#include "dialogs/StackingPortUitForm.h"
#include "dialogs/layer2/PortMirrorForm.h"
#include "dialogs/layer2/PortTrunkForm.h"
#include "tests/support/SimDialogFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <functional>

namespace {

const QString kMirror = QStringLiteral("1.3.6.1.4.1.32473.11.101.1.2.10.");
const QString kTrunk = QStringLiteral("1.3.6.1.4.1.32473.11.101.1.2.9.3.1.");

void Tick(TStackingPortUitForm* grid, std::initializer_list<int> ports, bool on = true)
{
    for (int port : ports)
        grid->PortBoxes[std::size_t(port - 1)]->setChecked(on);
}

QStringList Ticked(const TStackingPortUitForm* grid)
{
    QStringList ports;
    for (std::size_t k = 0; k < grid->PortBoxes.size(); ++k)
        if (grid->PortBoxes[k]->isChecked())
            ports << QString::number(k + 1);
    return ports;
}

// ---- mirror -------------------------------------------------------------------------------

class PortMirror : public testutil::SimDialogFixture {
protected:
    void SetUp() override
    {
        SimDialogFixture::SetUp();
        ASSERT_TRUE(StartSim(simArgs));
        form = std::make_unique<TPortMirrorForm>(nullptr);
    }
    void TearDown() override
    {
        form.reset();
        SimDialogFixture::TearDown();
    }
    QStringList simArgs;
    std::unique_ptr<TPortMirrorForm> form;
};

TEST_F(PortMirror, OpensWithTheTargetAsUnitAndPortTheSourcesAndTheTrunks)
{
    EXPECT_EQ(form->UnitEdit->text(), "1");
    EXPECT_EQ(form->PortEdit->text(), "8");
    EXPECT_EQ(Ticked(form->IngressGrid), QStringList({"1", "2"}));
    EXPECT_EQ(Ticked(form->EgressGrid), QStringList({"1"}));
    EXPECT_EQ(form->State_Combox->currentText(), "enabled");
    EXPECT_EQ(form->LV_PortTrunk->topLevelItemCount(), 2);
    EXPECT_FALSE(form->TrunkPanel->isVisibleTo(form.get()));
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
}

TEST_F(PortMirror, TheTargetNumberShowsAsUnitAndPortAndNothingForTextThatIsNoNumber)
{
    struct Case {
        const char* target;
        const char* unit;
        const char* port;
    } cases[] = {{"0", "0", "0"}, {"130", "3", "2"}, {"64", "1", "64"}, {"(NULL)", "", ""}, {"", "", ""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.target);
        form->ET_TargetPort->setText("5");
        form->ET_TargetPort->setText(c.target);
        EXPECT_EQ(form->UnitEdit->text(), c.unit);
        EXPECT_EQ(form->PortEdit->text(), c.port);
    }
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
}

TEST_F(PortMirror, SetMemberRefusesInOrderAndSendsNothing)
{
    struct Case {
        const char* name;
        const char* unit;
        const char* port;
        std::function<void(TPortMirrorForm&)> setup;
        QStringList messages;
    };
    const Case cases[] = {
        {"unit 0 (the initial text)", "0", "3", {}, {TPortMirrorForm::kBadTarget}},
        {"unit 13, port not looked at", "13", "0", {}, {TPortMirrorForm::kBadTarget}},
        {"unit 2: not a unit of this switch", "2", "1", {}, {TPortMirrorForm::kBadTarget}},
        {"port 0", "1", "0", {}, {TPortMirrorForm::kBadPort, TPortMirrorForm::kBadTarget}},
        {"port 11", "1", "11", {}, {TPortMirrorForm::kBadTarget}},
        {"member of the enabled trunk", "1", "4", {}, {TPortMirrorForm::kTrunkTarget}},
        {"trunk comes before sources", "1", "3",
         [](TPortMirrorForm& f) { Tick(f.IngressGrid, {3}); }, {TPortMirrorForm::kTrunkTarget}},
        {"ingress source", "1", "2", {}, {TPortMirrorForm::kMemberTarget}},
        {"egress source", "1", "10",
         [](TPortMirrorForm& f) { Tick(f.EgressGrid, {10}); }, {TPortMirrorForm::kMemberTarget}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        form->BT_RefreshClick();
        form->UnitEdit->setText(c.unit);
        form->PortEdit->setText(c.port);
        if (c.setup)
            c.setup(*form);
        boxes.Clear();
        const int before = Mark();
        form->BT_Set->click();
        EXPECT_EQ(boxes.texts, c.messages);
        EXPECT_TRUE(Since(before, "SET").empty());
    }
}

TEST_F(PortMirror, AnEmptyPortGoesToTheStatusBarAndSendsNothing)
{
    form->PortEdit->clear();
    const int before = Mark();
    form->BT_Set->click();
    EXPECT_TRUE(Since(before, "SET").empty());
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
    EXPECT_TRUE(form->StatusPanel->text().contains("is not a port number")) << form->StatusPanel->text().toStdString();
}

TEST_F(PortMirror, SetMemberSendsOneWriteOfAllFourWhenTheChecksPass)
{
    // Port 5 belongs to the disabled trunk: accepted.
    form->PortEdit->setText("5");
    Tick(form->EgressGrid, {9});
    const int before = Mark();
    form->BT_Set->click();
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
    const auto sets = Since(before, "SET");
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0], QStringList({kMirror + "1.0=i:5", kMirror + "2.0=x:C0000000", kMirror + "3.0=x:80800000",
                                    kMirror + "4.0=i:3"}));
    EXPECT_EQ(form->ET_TargetPort->text(), "5");

    form->UnitEdit->clear();
    form->BT_Refresh->click();
    EXPECT_EQ(form->UnitEdit->text(), "1");
    EXPECT_EQ(form->PortEdit->text(), "5");
    EXPECT_EQ(Ticked(form->EgressGrid), QStringList({"1", "9"}));
}

// A switch slow enough that the trunk walk shows its first row while the next is awaited (the
// binding lets events in then).
class PortMirrorSlowSwitch : public PortMirror {
protected:
    PortMirrorSlowSwitch() { simArgs = QStringList({"--delay", "60"}); }
};

TEST_F(PortMirrorSlowSwitch, CommandsDuringTheTrunkWalkAreRefused)
{
    form->PortEdit->setText("5");
    const int before = Mark();
    QTimer::singleShot(0, form.get(), [this] {
        form->BT_Set->click();
        form->BT_Refresh->click();
    });
    form->BT_Refresh->click();
    testutil::Pump(50);
    EXPECT_EQ(boxes.texts, QStringList(2, TDialogBase::kNotComplete));
    EXPECT_TRUE(Since(before, "SET").empty());
    EXPECT_EQ(form->LV_PortTrunk->topLevelItemCount(), 2);
}

// ---- trunk --------------------------------------------------------------------------------

class PortTrunk : public testutil::SimDialogFixture {
protected:
    void SetUp() override
    {
        SimDialogFixture::SetUp();
        ASSERT_TRUE(StartSim(simArgs));
        form = std::make_unique<TPortTrunkForm>(nullptr);
    }
    void TearDown() override
    {
        form.reset();
        SimDialogFixture::TearDown();
    }
    QStringList Column(int column)
    {
        QStringList cells;
        for (int r = 0; r < form->LV_PortTrunk->topLevelItemCount(); ++r)
            cells << form->LV_PortTrunk->topLevelItem(r)->text(column);
        return cells;
    }
    void SelectTrunk(const QString& index)
    {
        for (int r = 0; r < form->LV_PortTrunk->topLevelItemCount(); ++r) {
            QTreeWidgetItem* item = form->LV_PortTrunk->topLevelItem(r);
            if (item->text(0) == index) {
                form->LV_PortTrunk->setCurrentItem(item);
                item->setSelected(true);
                return;
            }
        }
        ADD_FAILURE() << "no trunk " << index.toStdString();
    }
    // A new trunk as typed: index, master unit and port, type, members, status.
    void Type(const char* index, const char* unit, const char* port, int type, std::initializer_list<int> members,
              const char* status)
    {
        form->ED_Index->setText(index);
        form->UnitEdit->setText(unit);
        form->PortEdit->setText(port);
        form->Combo_Type->setCurrentIndex(type);
        form->MemberGrid->UncheckAll();
        Tick(form->MemberGrid, members);
        form->ComboBox1->setCurrentText(status);
    }
    QStringList simArgs;
    std::unique_ptr<TPortTrunkForm> form;
};

TEST_F(PortTrunk, OpensWithTheTrunksAndARowLoadsIntoTheControls)
{
    EXPECT_EQ(Column(0), QStringList({"1", "2"}));
    EXPECT_EQ(Column(1), QStringList({"3", "5"}));
    EXPECT_EQ(Column(4), QStringList({"enable", "disable"}));
    EXPECT_TRUE(form->ED_Index->isEnabled());
    EXPECT_TRUE(form->BT_Set->isEnabled());
    EXPECT_FALSE(form->SetBtn->isEnabled());
    EXPECT_FALSE(form->BT_Delete->isEnabled());
    EXPECT_FALSE(form->PortPages->isTabVisible(1));

    SelectTrunk("2");
    EXPECT_EQ(form->ED_Index->text(), "2");
    EXPECT_FALSE(form->ED_Index->isEnabled());
    EXPECT_EQ(form->UnitEdit->text(), "1");
    EXPECT_EQ(form->PortEdit->text(), "5");
    EXPECT_EQ(Ticked(form->MemberGrid), QStringList({"5", "6"}));
    EXPECT_EQ(form->Combo_Type->currentText(), "lacp");
    EXPECT_EQ(form->ComboBox1->currentText(), "disable");
    EXPECT_TRUE(form->SetBtn->isEnabled());
    EXPECT_TRUE(form->BT_Delete->isEnabled());
    EXPECT_FALSE(form->BT_Set->isEnabled());

    form->LV_PortTrunk->clearSelection();
    EXPECT_TRUE(form->ED_Index->isEnabled());
    EXPECT_TRUE(form->ED_Index->text().isEmpty());
    EXPECT_TRUE(form->PortEdit->text().isEmpty());
    EXPECT_TRUE(Ticked(form->MemberGrid).isEmpty());
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
}

TEST_F(PortTrunk, AddRefusesInOrderAndSendsNothing)
{
    struct Case {
        const char* name;
        const char* index;
        const char* unit;
        const char* port;
        int type;
        std::initializer_list<int> members;
        QString message;
    };
    const Case cases[] = {
        {"no index", "", "1", "7", 0, {7, 8}, TPortTrunkForm::kIndexEmpty},
        {"index '-'", "-", "1", "7", 0, {7, 8}, TPortTrunkForm::kBadIndex},
        {"index 7", "7", "1", "7", 0, {7, 8}, TPortTrunkForm::kBadIndex},
        {"index 0", "0", "1", "7", 0, {7, 8}, TPortTrunkForm::kBadIndex},
        {"index 01 is trunk 1", "01", "1", "7", 0, {7, 8}, TPortTrunkForm::kIndexTaken},
        {"no unit", "3", "", "7", 0, {7, 8}, TPortTrunkForm::kUnitEmpty},
        {"no port", "3", "1", "", 0, {7, 8}, TPortTrunkForm::kPortEmpty},
        {"unit 2", "3", "2", "7", 0, {7, 8}, TPortTrunkForm::kBadMaster},
        {"port 0", "3", "1", "0", 0, {7, 8}, TPortTrunkForm::kBadMaster},
        {"port 11", "3", "1", "11", 0, {7, 8}, TPortTrunkForm::kBadMaster},
        {"no type", "3", "1", "7", -1, {7, 8}, TPortTrunkForm::kNoType},
        {"master of trunk 1", "3", "1", "3", 0, {3, 8}, TPortTrunkForm::kMasterTaken},
        {"master not ticked", "3", "1", "7", 0, {8, 9}, TPortTrunkForm::kMasterUnticked},
        {"one member", "3", "1", "7", 0, {7}, TPortTrunkForm::kTooFew},
        {"nine members", "3", "1", "7", 0, {1, 2, 3, 4, 5, 6, 7, 8, 9}, TPortTrunkForm::kTooMany},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Type(c.index, c.unit, c.port, c.type, c.members, "enable");
        boxes.Clear();
        const int before = Mark();
        form->BT_Set->click();
        EXPECT_EQ(boxes.texts, QStringList({c.message}));
        EXPECT_TRUE(Since(before, "SET").empty());
    }
    // Nine ticked: the ninth in port order was unticked.
    EXPECT_EQ(Ticked(form->MemberGrid), QStringList({"1", "2", "3", "4", "5", "6", "7", "8"}));
}

TEST_F(PortTrunk, AddCreatesTheTrunkDisabledAndEnablesItWithASecondWrite)
{
    struct Case {
        const char* status;
        const char* index;
        const char* port;
        std::initializer_list<int> members;
        const char* memberHex;
        int type;
        QStringList states;  // the state each write carries
    } cases[] = {
        {"disable", "3", "7", {7, 8}, "03000000", 2, {"4"}},
        {"enable", "4", "9", {9, 10}, "00C00000", 3, {"4", "1"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.status);
        Type(c.index, "1", c.port, c.type - 2, c.members, c.status);
        const int before = Mark();
        form->BT_Set->click();
        EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
        const auto sets = Since(before, "SET");
        ASSERT_EQ(sets.size(), std::size_t(c.states.size()));
        const QString i = QLatin1String(c.index);
        for (qsizetype k = 0; k < c.states.size(); ++k)
            EXPECT_EQ(sets[std::size_t(k)],
                      QStringList({kTrunk + "3." + i + "=i:" + c.port, kTrunk + "4." + i + "=x:" + c.memberHex,
                                   kTrunk + "6." + i + "=i:" + QString::number(c.type),
                                   kTrunk + "7." + i + "=i:" + c.states[k]}));
        // Walked again: the new trunk is listed in the state chosen, the inputs are cleared.
        EXPECT_TRUE(Column(0).contains(i));
        EXPECT_EQ(Column(4)[Column(0).indexOf(i)], c.status);
        EXPECT_TRUE(form->ED_Index->text().isEmpty());
        EXPECT_TRUE(Ticked(form->MemberGrid).isEmpty());
    }
}

TEST_F(PortTrunk, SetWritesTheSelectedTrunkWithTheChosenState)
{
    SelectTrunk("1");
    form->ComboBox1->setCurrentText("disable");
    Tick(form->MemberGrid, {10});
    const int before = Mark();
    form->SetBtn->click();
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
    const auto sets = Since(before, "SET");
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0], QStringList({kTrunk + "3.1=i:3", kTrunk + "4.1=x:30400000", kTrunk + "6.1=i:2",
                                    kTrunk + "7.1=i:2"}));
    EXPECT_EQ(Column(4), QStringList({"disable", "disable"}));
    EXPECT_TRUE(form->ED_Index->isEnabled());
    EXPECT_FALSE(form->SetBtn->isEnabled());
}

TEST_F(PortTrunk, DeleteSendsTheDestroyStateAlone)
{
    SelectTrunk("2");
    const int before = Mark();
    form->BT_Delete->click();
    const auto sets = Since(before, "SET");
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0], QStringList({kTrunk + "7.2=i:6"}));
    EXPECT_EQ(Column(0), QStringList({"1"}));

    // Nothing selected any more: nothing to delete.
    boxes.Clear();
    const int again = Mark();
    form->BT_DeleteClick();
    EXPECT_EQ(boxes.texts, QStringList({TPortTrunkForm::kNoGroup}));
    EXPECT_TRUE(Since(again, "SET").empty());
}

class PortTrunkReadOnlyType : public PortTrunk {
protected:
    PortTrunkReadOnlyType()
    {
        simArgs = QStringList({"--data", testutil::sourceDir() + "/tests/dialogs/layer2/data/trunk-narrow.sim"});
    }
};

TEST_F(PortTrunkReadOnlyType, AnAgentErrorIsShownAndClearsTheInputs)
{
    SelectTrunk("1");
    ASSERT_EQ(form->PortEdit->text(), "3");
    const int before = Mark();
    form->SetBtn->click();
    EXPECT_EQ(Since(before, "SET").size(), 1u);
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
    const QString status = form->StatusPanel->text();
    EXPECT_TRUE(status.startsWith("Set: (SNMP) ") && status.contains("Not Writable")) << status.toStdString();
    EXPECT_TRUE(form->UnitEdit->text().isEmpty());
    EXPECT_TRUE(form->PortEdit->text().isEmpty());
    EXPECT_TRUE(Ticked(form->MemberGrid).isEmpty());
    EXPECT_FALSE(form->SetBtn->isEnabled());
    EXPECT_FALSE(form->BT_Delete->isEnabled());
    EXPECT_TRUE(form->BT_Set->isEnabled());
}

} // namespace
