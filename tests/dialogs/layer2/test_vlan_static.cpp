// The static VLAN dialog against the switch simulator: what each command
// sends (checked in the simulator's request log), the guard while a walk runs, Stop, an agent
// error in the middle of a change, VLAN IDs refused before anything goes out, and its list
// sorted and filtered.
#include "dialogs/StackingPortUitForm.h"
#include "dialogs/layer2/VlanStaticForm.h"
#include "tests/support/SimDialogFixture.h"
#include "views/ListViewTools.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

using testutil::Pump;
using testutil::waitFor;

namespace {

const QString kEntry = QStringLiteral("1.3.6.1.2.1.17.7.1.4.3.1.");
const QString kNextFreeOid = QStringLiteral("1.3.6.1.2.1.17.7.1.4.4");

TEST(VlanIdCheck, AcceptsOnlyWholeNumbersFrom1To4094)
{
    for (const char* good : {"1", "10", "4094", "0001"})
        EXPECT_TRUE(TVlanStaticForm::ValidVlanId(good)) << good;
    for (const char* bad : {"", "0", "4095", "abc", "12x", "-1", "+5", " 5", "1.5", "99999"})
        EXPECT_FALSE(TVlanStaticForm::ValidVlanId(bad)) << bad;
}

// ---- the dialog against the simulator -----------------------------------------------------

class VlanStatic : public testutil::SimDialogFixture {
protected:
    void TearDown() override
    {
        form.reset();
        SimDialogFixture::TearDown();
    }

    void Start(QStringList extra = {})
    {
        // The form is made either way, so that a failed start fails the test, not the run.
        StartSim(extra);
        form = std::make_unique<TVlanStaticForm>(nullptr);
    }
    void StartLoaded(QStringList extra = {})
    {
        Start(extra);
        ASSERT_TRUE(WaitIdle());
    }
    bool WaitIdle(int ms = 10000)
    {
        return waitFor([&] { return form->GetComplete() && !form->TableRequest()->Busy(); }, ms);
    }
    int Logged() { return Mark(); }

    QStringList Ids()
    {
        QStringList ids;
        for (int r = 0; r < form->LV_dot1qVlanStaticEntry->topLevelItemCount(); ++r)
            ids << form->LV_dot1qVlanStaticEntry->topLevelItem(r)->text(0);
        return ids;
    }
    void SelectVlan(const QString& id)
    {
        for (int r = 0; r < form->LV_dot1qVlanStaticEntry->topLevelItemCount(); ++r) {
            QTreeWidgetItem* item = form->LV_dot1qVlanStaticEntry->topLevelItem(r);
            if (item->text(0) == id) {
                form->LV_dot1qVlanStaticEntry->setCurrentItem(item);
                item->setSelected(true);
                return;
            }
        }
        ADD_FAILURE() << "no row " << id.toStdString();
    }

    std::unique_ptr<TVlanStaticForm> form;
};

TEST_F(VlanStatic, OpensWithTheTableTheNextFreeIndexAndTheButtonsForAdding)
{
    StartLoaded();
    EXPECT_EQ(Ids(), QStringList({"1", "10", "20"}));
    EXPECT_EQ(form->ST_Count2->text(), "3");
    EXPECT_EQ(form->NextFreeLocalVlanIndex->text(), "21");
    EXPECT_TRUE(form->Memo1->toPlainText().contains("Get: (ZiDUVA++) Ok! Request:dot1qVlanStaticTable."))
        << form->Memo1->toPlainText().toStdString();
    EXPECT_TRUE(form->AddBtn->isEnabled());
    EXPECT_FALSE(form->SetBtn->isEnabled());
    EXPECT_FALSE(form->DeleteBtn->isEnabled());

    // Selecting VLAN 1 loads its ten ports into the egress grid and turns Set and Delete on.
    SelectVlan("1");
    EXPECT_EQ(form->ED_VLANID->text(), "1");
    EXPECT_EQ(form->ED_VLANName->text(), "default");
    EXPECT_EQ(form->Status->currentText(), "Active");
    for (int k = 0; k < 32; ++k)
        EXPECT_EQ(form->EgressGrid->PortBoxes[k]->isChecked(), k < 10) << k;
    EXPECT_TRUE(form->SetBtn->isEnabled());
    EXPECT_TRUE(form->DeleteBtn->isEnabled());
    EXPECT_FALSE(form->AddBtn->isEnabled());

    // Losing the selection clears the inputs.
    form->LV_dot1qVlanStaticEntry->clearSelection();
    EXPECT_TRUE(form->ED_VLANID->text().isEmpty());
    EXPECT_FALSE(form->EgressGrid->PortBoxes[0]->isChecked());
    EXPECT_TRUE(form->AddBtn->isEnabled());
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();

    // Shown, the dialog has no default button, and Enter in a field sends nothing.
    form->show();
    for (const QPushButton* b : form->findChildren<QPushButton*>()) {
        EXPECT_FALSE(b->isDefault()) << b->objectName().toStdString();
        EXPECT_FALSE(b->autoDefault()) << b->objectName().toStdString();
    }
    form->ED_VLANID->setText("30");
    form->ED_VLANName->setText("typed");
    const int from = Logged();
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(form->ED_VLANName, &enter);
    Pump(100);
    EXPECT_EQ(Logged(), from);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->ED_VLANName->text(), "typed");
}

TEST_F(VlanStatic, SetWithNoRowSelectedDoesNothing)
{
    StartLoaded();
    const int before = Logged();
    form->ED_VLANID->setText("10");
    form->SetBtnClick();
    Pump(200);
    EXPECT_EQ(Logged(), before);
    EXPECT_TRUE(form->GetComplete());
    EXPECT_TRUE(boxes.texts.isEmpty());
}

TEST_F(VlanStatic, SetSendsFourSingleColumnWritesWithoutTheNameThenWalks)
{
    StartLoaded();
    SelectVlan("10");
    form->ED_VLANName->setText("renamed");
    form->ForbiddenGrid->PortBoxes[2]->setChecked(true);  // port 3
    form->UntaggedGrid->PortBoxes[9]->setChecked(true);   // port 10
    const int before = Logged();
    form->SetBtn->click();
    ASSERT_TRUE(WaitIdle());

    const auto sets = Since(before, "SET");
    ASSERT_EQ(sets.size(), 4u);
    EXPECT_EQ(sets[0], QStringList({kEntry + "2.10=x:F0C00000"}));
    EXPECT_EQ(sets[1], QStringList({kEntry + "3.10=x:20000000"}));
    EXPECT_EQ(sets[2], QStringList({kEntry + "4.10=x:F0400000"}));
    EXPECT_EQ(sets[3], QStringList({kEntry + "5.10=i:1"}));
    const QStringList types = Types(before);
    ASSERT_GE(types.size(), 5);
    EXPECT_EQ(types.mid(0, 4), QStringList({"SET", "SET", "SET", "SET"}));
    EXPECT_TRUE(types[4] == "GETNEXT" || types[4].startsWith("GETBULK")) << types[4].toStdString();

    // The walk shows the name unchanged and the new forbidden port.
    EXPECT_EQ(Ids(), QStringList({"1", "10", "20"}));
    SelectVlan("10");
    EXPECT_EQ(form->ED_VLANName->text(), "office");
    EXPECT_TRUE(form->ForbiddenGrid->PortBoxes[2]->isChecked());
    EXPECT_TRUE(form->UntaggedGrid->PortBoxes[9]->isChecked());
}

// The dialog's list has the list tools: the context menu's actions, a header sort after which
// Set writes the row the operator chose (and the walk that follows keeps the order), and the
// filter box Ctrl+F puts above the list.
TEST_F(VlanStatic, ItsListSortsAndFiltersAndSetWritesTheChosenRow)
{
    StartLoaded();
    form->show();
    QTreeWidget* list = form->LV_dot1qVlanStaticEntry;
    QStringList actions;
    for (const QAction* action : list->actions())
        actions << action->text();
    EXPECT_EQ(actions, QStringList({"Copy", "Copy All", "Export CSV..."}));

    emit list->header()->sectionClicked(0);
    emit list->header()->sectionClicked(0);
    EXPECT_EQ(Ids(), QStringList({"20", "10", "1"}));
    SelectVlan("10");
    EXPECT_EQ(form->ED_VLANName->text(), "office");
    const int before = Logged();
    form->SetBtn->click();
    ASSERT_TRUE(WaitIdle());
    const auto sets = Since(before, "SET");
    ASSERT_EQ(sets.size(), 4u);
    for (const QStringList& set : sets) {
        ASSERT_EQ(set.size(), 1);
        EXPECT_TRUE(set[0].section(u'=', 0, 0).endsWith(".10")) << set[0].toStdString();
    }
    QApplication::processEvents();
    EXPECT_EQ(Ids(), QStringList({"20", "10", "1"}));

    QKeyEvent find(QEvent::KeyPress, Qt::Key_F, Qt::ControlModifier);
    QApplication::sendEvent(list, &find);
    QLineEdit* box = TListViewTools::Of(list)->FilterBox();
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(box->parentWidget(), list->parentWidget());
    EXPECT_LT(box->geometry().bottom(), list->geometry().top());
    box->setText("OFFICE");
    QStringList shown;
    for (int r = 0; r < list->topLevelItemCount(); ++r)
        if (!list->topLevelItem(r)->isHidden())
            shown << list->topLevelItem(r)->text(0);
    EXPECT_EQ(shown, QStringList{"10"});
}

TEST_F(VlanStatic, AddSendsNameEgressUntaggedAndCreateAndGoInOneWrite)
{
    StartLoaded();
    form->ED_VLANID->setText("30");
    form->ED_VLANName->setText("lab");
    form->EgressGrid->PortBoxes[0]->setChecked(true);     // port 1: the top bit
    form->EgressGrid->PortBoxes[8]->setChecked(true);     // port 9: top bit of octet 2
    form->UntaggedGrid->PortBoxes[0]->setChecked(true);
    form->ForbiddenGrid->PortBoxes[4]->setChecked(true);  // never sent by Add
    const int before = Logged();
    form->AddBtn->click();
    ASSERT_TRUE(WaitIdle());

    const auto sets = Since(before, "SET");
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0], QStringList({kEntry + "1.30=x:6C6162", kEntry + "2.30=x:80800000",
                                    kEntry + "4.30=x:80000000", kEntry + "5.30=i:4"}));
    EXPECT_EQ(Ids(), QStringList({"1", "10", "20", "30"}));
    EXPECT_EQ(form->ST_Count2->text(), "4");
    SelectVlan("30");
    for (QCheckBox* box : form->ForbiddenGrid->PortBoxes)
        EXPECT_FALSE(box->isChecked());
}

TEST_F(VlanStatic, DeleteSendsOnlyDestroyForTheTypedVlan)
{
    StartLoaded();
    SelectVlan("10");
    form->ED_VLANID->setText("20");  // the typed ID counts, not the selected row
    const int before = Logged();
    form->DeleteBtn->click();
    ASSERT_TRUE(WaitIdle());

    const auto sets = Since(before, "SET");
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0], QStringList({kEntry + "5.20=i:6"}));
    EXPECT_EQ(Ids(), QStringList({"1", "10"}));
    EXPECT_FALSE(form->DeleteBtn->isEnabled());
    EXPECT_TRUE(form->AddBtn->isEnabled());
}

TEST_F(VlanStatic, RefusesAVlanIdThatIsNotAWholeNumberFrom1To4094)
{
    StartLoaded();
    struct Command {
        const char* name;
        void (TVlanStaticForm::*handler)();
    };
    const Command commands[] = {{"Add", &TVlanStaticForm::AddBtnClick},
                                {"Set", &TVlanStaticForm::SetBtnClick},
                                {"Delete", &TVlanStaticForm::DeleteBtnClick}};
    for (const Command& command : commands) {
        for (const char* id : {"abc", "12x", "0", "4095", ""}) {
            SCOPED_TRACE(std::string(command.name) + " '" + id + "'");
            SelectVlan("10");
            form->ED_VLANID->setText(id);
            boxes.texts.clear();
            const int before = Logged();
            (form.get()->*command.handler)();
            Pump(100);
            EXPECT_EQ(boxes.texts, QStringList({TVlanStaticForm::kBadVlanId}));
            EXPECT_EQ(Logged(), before);
            EXPECT_TRUE(form->GetComplete());
        }
    }
}

TEST_F(VlanStatic, DuringASlowWalkCommandsAreGuardedAndStopEndsIt)
{
    Start({"--delay", "400"});
    // The walk is under way: its first row is in, more are coming.
    ASSERT_TRUE(waitFor([&] { return form->LV_dot1qVlanStaticEntry->topLevelItemCount() >= 1; }, 5000));
    ASSERT_FALSE(form->GetComplete());
    SelectVlan("1");
    const int before = Logged();

    form->RefreshBtn->click();  // ignored: no second read of the next free index either
    form->SetBtn->click();
    form->DeleteBtn->click();
    form->LV_dot1qVlanStaticEntry->clearSelection();
    form->ED_VLANID->setText("30");
    form->AddBtn->click();
    form->show();
    form->btnClose->click();
    form->reject();  // Escape
    Pump(50);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(boxes.texts, QStringList(5, TDialogBase::kNotComplete)) << boxes.texts.join('|').toStdString();
    EXPECT_TRUE(Since(before, "SET").empty());
    for (const auto& get : Since(before, "GET"))
        EXPECT_FALSE(get.join(' ').contains(kNextFreeOid));

    form->btnStop->click();
    ASSERT_TRUE(WaitIdle(3000));
    EXPECT_LT(form->LV_dot1qVlanStaticEntry->topLevelItemCount(), 3);

    // Usable again: Add goes out.
    boxes.texts.clear();
    form->ED_VLANID->setText("30");
    form->EgressGrid->PortBoxes[0]->setChecked(true);
    form->UntaggedGrid->PortBoxes[0]->setChecked(true);
    const int again = Logged();
    form->AddBtnClick();
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(Since(again, "SET").size(), 1u);
    form->btnClose->click();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(form->Requests().empty());
}

TEST_F(VlanStatic, AnAgentErrorOnTheThirdWriteLeavesTheDialogUsable)
{
    StartLoaded({"--data", testutil::sourceDir() + "/tests/dialogs/layer2/data/vlan-narrow.sim"});
    SelectVlan("1");
    const int before = Logged();
    form->SetBtn->click();
    ASSERT_TRUE(WaitIdle());
    ASSERT_EQ(Since(before, "SET").size(), 4u);
    // The third write's error stands among the writes' status lines; the walk after them ran.
    QStringList sets;
    for (const QString& line : form->Memo1->toPlainText().split(u'\n'))
        if (line.startsWith("Set: "))
            sets << line.section(" Request:", 0, 0);
    ASSERT_EQ(sets.size(), 4) << sets.join('|').toStdString();
    for (int k : {0, 1, 3})
        EXPECT_EQ(sets[k].toStdString(), "Set: (ZiDUVA++) Ok!") << k;
    EXPECT_TRUE(sets[2].startsWith("Set: (SNMP) ") && sets[2].contains("Not Writable"))
        << sets[2].toStdString();
    EXPECT_TRUE(form->Memo1->toPlainText().split(u'\n').last().startsWith("Get: (ZiDUVA++) Ok!"));
    EXPECT_EQ(form->LV_dot1qVlanStaticEntry->topLevelItemCount(), 1);

    boxes.texts.clear();
    const int again = Logged();
    form->RefreshBtn->click();
    ASSERT_TRUE(WaitIdle());
    EXPECT_TRUE(boxes.texts.isEmpty());
    EXPECT_FALSE(Since(again, "GETBULK").empty()) << "the table is read again";
}

} // namespace
