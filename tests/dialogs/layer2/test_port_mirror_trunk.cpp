// The port mirror dialog against the simulator (trunk 1: ports 3 and 4, enabled; trunk 2:
// ports 5 and 6, disabled; the mirror copies ports 1 and 2 in and port 1 out to port 8): the
// checks of what was typed, in their order, each refusal sending nothing, and what each
// command sends when they pass (checked in the simulator's request log).
#include "dialogs/Stackingportuitformunit.h"
#include "dialogs/layer2/Portmirror.h"
#include "tests/support/SimDialogFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
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
        ASSERT_TRUE(StartSim());
        form = std::make_unique<TPortMirrorForm>(nullptr);
    }
    void TearDown() override
    {
        form.reset();
        SimDialogFixture::TearDown();
    }
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

} // namespace
