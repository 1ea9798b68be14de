// The IGMP and MLD snooping dialogs against the switch simulator: what each command sends
// (checked in the simulator's request log), inputs refused before anything goes out, the
// row a write goes to, and walks that do not overlap.
#include "dialogs/StackingPortUitForm.h"
#include "dialogs/layer2/IGMPMulticastVlanForm.h"
#include "dialogs/layer2/MLD_SnoopingGroupForm.h"
#include "dialogs/layer2/SnoopingRouterPortsForms.h"
#include "tests/support/SimDialogFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using testutil::Pump;
using testutil::waitFor;

namespace {

const QString kMcastEntry = QStringLiteral("1.3.6.1.4.1.32473.11.101.1.2.11.7.1.");
const QString kIgmpRouterEntry = QStringLiteral("1.3.6.1.4.1.32473.11.101.1.2.11.6.1.");
const QString kMldRouterEntry = QStringLiteral("1.3.6.1.4.1.32473.12.34.3.4.1.");
const QString kMldGroupEntry = QStringLiteral("1.3.6.1.4.1.32473.12.34.3.3.1.");

QStringList Ids(const QTreeWidget* list)
{
    QStringList ids;
    for (int r = 0; r < list->topLevelItemCount(); ++r)
        ids << list->topLevelItem(r)->text(0);
    return ids;
}

void Select(QTreeWidget* list, const QString& id)
{
    for (int r = 0; r < list->topLevelItemCount(); ++r) {
        QTreeWidgetItem* item = list->topLevelItem(r);
        if (item->text(0) == id) {
            list->setCurrentItem(item);
            item->setSelected(true);
            return;
        }
    }
    ADD_FAILURE() << "no row " << id.toStdString();
}

// The ports (1-based) whose boxes are ticked.
QList<int> Ticked(const TStackingPortUitForm* grid)
{
    QList<int> ports;
    for (std::size_t k = 0; k < grid->PortBoxes.size(); ++k)
        if (grid->PortBoxes[k]->isChecked())
            ports << int(k) + 1;
    return ports;
}

class Snooping : public testutil::SimDialogFixture {
protected:
    void TearDown() override
    {
        dialog.reset();
        SimDialogFixture::TearDown();
    }

    // Makes the dialog; loaded: waits for its first walk.
    template <class Form> Form* Make(bool loaded = true)
    {
        dialog.reset();
        auto* form = new Form(nullptr);
        dialog.reset(form);
        table = form->TableRequest();
        if (loaded) {
            EXPECT_TRUE(WaitIdle());
        }
        return form;
    }
    // Starts the simulator, then makes the dialog (either way, so that a failed start fails
    // the test, not the run).
    template <class Form> Form* Open(QStringList extra = {}, bool loaded = true)
    {
        StartSim(extra);
        return Make<Form>(loaded);
    }
    bool WaitIdle(int ms = 10000)
    {
        return waitFor([&] { return dialog->GetComplete() && !table->Busy(); }, ms);
    }
    // The reads since from that name an OID starting with prefix.
    int ReadsNaming(int from, const QString& prefix) const
    {
        int reads = 0;
        for (const char* type : {"GETNEXT", "GETBULK"})
            for (const QStringList& vbs : Since(from, type))
                for (const QString& oid : vbs)
                    if (oid.startsWith(prefix))
                        ++reads;
        return reads;
    }

    std::unique_ptr<TDialogBase> dialog;
    KtSNMPRequest2Edits* table = nullptr;
};

// ---- IGMP multicast VLAN table ------------------------------------------------------------

TEST(McastVlanIp, TheWholeTextIsCheckedAndTheFirstFaultPicksTheMessage)
{
    using F = TIGMPMulticastVlanForm;
    for (const char* good : {"192.168.0.1", "01.2.3.4", "0.0.0.0", "255.255.255.255"})
        EXPECT_EQ(F::IpProblem(good), QString()) << good;
    const struct {
        const char* text;
        QString message;
    } bad[] = {
        {"1.2.3", F::kBadIp},          {"1..2.3", F::kBadIpDots},     {".1.2.3", F::kBadIpDots},
        {"1.2.3.", F::kBadIpDots},     {"256.1.1.1", F::kBadIp},      {"0.0.0.00", F::kBadIp},
        {"1.2.3.4.5", F::kBadIp},      {"1.2.3.4x", F::kBadIp},       {"a..1.2", F::kBadIp},
        {"1.2.3.1000", F::kBadIp},     {"192.168.100.1001", F::kBadIp},  // past the 15th character
        {"1.2.3.256", F::kBadIp},
    };
    for (const auto& c : bad)
        EXPECT_EQ(F::IpProblem(c.text), c.message) << c.text;
}

class McastVlan : public Snooping {
protected:
    TIGMPMulticastVlanForm* Open(QStringList extra = {}) { return form = Snooping::Open<TIGMPMulticastVlanForm>(extra); }
    TIGMPMulticastVlanForm* form = nullptr;
};

TEST_F(McastVlan, OpensWithTheTableAndShowsTheSelectedVlan)
{
    Open();
    EXPECT_EQ(Ids(form->LV_IGMPMulticastVlanEntry), QStringList({"100", "200"}));
    EXPECT_EQ(form->CBoxStatus->currentText(), "createAndGo");
    EXPECT_EQ(form->CBoxState->currentIndex(), -1);
    EXPECT_TRUE(form->AddBtn->isEnabled());
    EXPECT_FALSE(form->SetBtn->isEnabled());
    EXPECT_FALSE(form->DeleteBtn->isEnabled());

    Select(form->LV_IGMPMulticastVlanEntry, "100");
    EXPECT_EQ(form->VlanIDEdit->text(), "100");
    EXPECT_EQ(form->VlanNameEdit->text(), "iptv");
    EXPECT_EQ(form->RepalceIPEdit->text(), "10.0.0.1");
    EXPECT_EQ(form->CBoxState->currentText(), "enabled");
    EXPECT_EQ(form->CBoxStatus->currentText(), "active");
    EXPECT_EQ(form->CBoxAction->currentText(), "other");
    EXPECT_EQ(Ticked(form->SourceGrid), QList<int>({1}));
    EXPECT_EQ(Ticked(form->MemberGrid), QList<int>({2, 3}));
    EXPECT_FALSE(form->VlanIDEdit->isEnabled());
    EXPECT_TRUE(form->SetBtn->isEnabled());
    EXPECT_FALSE(form->AddBtn->isEnabled());

    form->LV_IGMPMulticastVlanEntry->clearSelection();
    EXPECT_TRUE(form->VlanIDEdit->isEnabled());
    EXPECT_TRUE(form->VlanIDEdit->text().isEmpty());
    EXPECT_EQ(form->CBoxStatus->currentText(), "createAndGo");
    EXPECT_TRUE(Ticked(form->SourceGrid).isEmpty());
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
}

TEST_F(McastVlan, AddChecksEveryInputBeforeItSendsOneWriteOfWhatWasGiven)
{
    using F = TIGMPMulticastVlanForm;
    struct Case {
        const char* what;
        const char* id;
        const char* name;
        const char* ip;
        int state = -1;   // combo positions; -1 none chosen
        int action = -1;
        int status = 3;   // createAndGo
        QStringList messages = {};  // refused with these, nothing sent
        QStringList set = {};       // else this one write (OID suffixes)
    };
    const Case cases[] = {
        {"empty address, no state, no action", "300", "news", "", -1, -1, 3, {},
         {"2.300=x:6E657773", "3.300=x:80000000", "4.300=x:40000000", "5.300=x:00000000", "8.300=i:4"}},
        {"all given", "301", "tv", "10.1.1.1", 0, 1, 3, {},
         {"2.301=x:7476", "3.301=x:80000000", "4.301=x:40000000", "5.301=x:00000000", "6.301=i:1",
          "7.301=a:10.1.1.1", "8.301=i:4", "9.301=i:2"}},
        {"no ID", "", "x", "", -1, -1, 3, {F::kVlanIdEmpty}},
        {"ID -", "-", "x", "", -1, -1, 3, {F::kBadVlanId}},
        {"ID 1", "1", "x", "", -1, -1, 3, {F::kBadVlanId}},
        {"ID 4095", "4095", "x", "", -1, -1, 3, {F::kBadVlanId}},
        {"ID 0", "0", "x", "", -1, -1, 3, {F::kBadVlanId}},
        {"no name", "302", "", "", -1, -1, 3, {F::kVlanNameEmpty}},
        {"two dots", "302", "x", "1.2.3", -1, -1, 3, {F::kBadIp, F::kIpNotValid}},
        {"empty octet", "302", "x", "1..2.3", -1, -1, 3, {F::kBadIpDots, F::kIpNotValid}},
        {"octet 256", "302", "x", "256.1.1.1", -1, -1, 3, {F::kBadIp, F::kIpNotValid}},
        {"16 characters", "302", "x", "192.168.100.1001", -1, -1, 3, {F::kBadIp, F::kIpNotValid}},
        {"status active", "302", "x", "", -1, -1, 0, {F::kMustCreateAndGo}},
        {"status createAndWait", "302", "x", "", -1, -1, 4, {F::kMustCreateAndGo}},
    };
    Open();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        form->VlanIDEdit->setText(c.id);
        form->VlanNameEdit->setText(c.name);
        form->RepalceIPEdit->setText(c.ip);
        form->CBoxState->setCurrentIndex(c.state);
        form->CBoxAction->setCurrentIndex(c.action);
        form->CBoxStatus->setCurrentIndex(c.status);
        form->SourceGrid->PortBoxes[0]->setChecked(true);
        form->MemberGrid->PortBoxes[1]->setChecked(true);
        boxes.Clear();
        const int before = Mark();
        form->AddBtnClick();
        ASSERT_TRUE(WaitIdle());
        EXPECT_EQ(boxes.texts, c.messages);
        const auto sets = Since(before, "SET");
        if (c.set.isEmpty()) {
            EXPECT_TRUE(sets.empty());
            EXPECT_EQ(Mark(), before);
            continue;
        }
        QStringList expected;
        for (const QString& vb : c.set)
            expected << kMcastEntry + vb;
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(sets[0], expected);
        // The walk after the write reads every column, the address among them.
        EXPECT_GE(ReadsNaming(before, kMcastEntry + "7"), 1);
        EXPECT_TRUE(form->VlanIDEdit->text().isEmpty());
    }

    EXPECT_EQ(Ids(form->LV_IGMPMulticastVlanEntry), QStringList({"100", "200", "300", "301"}));
    Select(form->LV_IGMPMulticastVlanEntry, "300");
    EXPECT_EQ(form->RepalceIPEdit->text(), "0.0.0.0");
    EXPECT_EQ(form->CBoxState->currentText(), "disabled");
    Select(form->LV_IGMPMulticastVlanEntry, "301");
    EXPECT_EQ(form->RepalceIPEdit->text(), "10.1.1.1");
    EXPECT_EQ(form->CBoxAction->currentText(), "start");
    // Later writes still send the address when it is given.
    form->RepalceIPEdit->setText("10.2.2.2");
    const int before = Mark();
    form->SetBtnClick();
    ASSERT_TRUE(WaitIdle());
    const auto sets = Since(before, "SET");
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_TRUE(sets[0].contains(kMcastEntry + "7.301=a:10.2.2.2")) << sets[0].join(' ').toStdString();
}

TEST_F(McastVlan, SetAndDeleteWriteTheSelectedRowWhateverIdStandsInTheEdit)
{
    Open();
    Select(form->LV_IGMPMulticastVlanEntry, "200");
    ASSERT_FALSE(form->VlanIDEdit->isEnabled());
    form->VlanIDEdit->setText("100");
    form->RepalceIPEdit->clear();  // left out of the write
    form->TagMemberGrid->PortBoxes[9]->setChecked(true);
    int before = Mark();
    form->SetBtn->click();
    ASSERT_TRUE(WaitIdle());
    auto sets = Since(before, "SET");
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0], QStringList({kMcastEntry + "2.200=x:63616D65726173", kMcastEntry + "3.200=x:00400000",
                                    kMcastEntry + "4.200=x:0C000000", kMcastEntry + "5.200=x:02400000",
                                    kMcastEntry + "6.200=i:2", kMcastEntry + "8.200=i:1",
                                    kMcastEntry + "9.200=i:1"}));
    EXPECT_FALSE(form->SetBtn->isEnabled());
    EXPECT_TRUE(form->AddBtn->isEnabled());

    Select(form->LV_IGMPMulticastVlanEntry, "100");
    form->VlanIDEdit->setText("200");
    before = Mark();
    form->DeleteBtn->click();
    ASSERT_TRUE(WaitIdle());
    sets = Since(before, "SET");
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0], QStringList({kMcastEntry + "8.100=i:6"}));
    EXPECT_EQ(Ids(form->LV_IGMPMulticastVlanEntry), QStringList({"200"}));
    EXPECT_FALSE(form->DeleteBtn->isEnabled());
    EXPECT_TRUE(form->VlanIDEdit->isEnabled());
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();

    // A refused Set leaves the row and sends nothing.
    Select(form->LV_IGMPMulticastVlanEntry, "200");
    form->RepalceIPEdit->setText("1.2.3");
    before = Mark();
    form->SetBtnClick();
    EXPECT_EQ(boxes.texts, QStringList({TIGMPMulticastVlanForm::kBadIp, TIGMPMulticastVlanForm::kIpNotValid}));
    EXPECT_EQ(Mark(), before);
    EXPECT_TRUE(form->GetComplete());

    // An emptied name is refused as Add refuses it: nothing goes out.
    form->RepalceIPEdit->clear();
    form->VlanNameEdit->clear();
    boxes.Clear();
    before = Mark();
    form->SetBtnClick();
    EXPECT_EQ(boxes.texts, QStringList({TIGMPMulticastVlanForm::kVlanNameEmpty}));
    EXPECT_EQ(Mark(), before);
}

TEST_F(McastVlan, DuringASlowWalkCommandsAreGuardedAndClosingRefused)
{
    form = Snooping::Open<TIGMPMulticastVlanForm>({"--delay", "300"}, false);
    ASSERT_TRUE(waitFor([&] { return form->LV_IGMPMulticastVlanEntry->topLevelItemCount() >= 1; }, 5000));
    ASSERT_FALSE(form->GetComplete());
    const int before = Mark();
    form->RefreshBtnClick();  // quietly ignored
    form->VlanIDEdit->setText("300");
    form->VlanNameEdit->setText("x");
    form->AddBtnClick();
    form->show();
    form->CloseBtn->click();
    Pump(50);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(boxes.texts, QStringList(2, TDialogBase::kNotComplete));
    EXPECT_TRUE(Since(before, "SET").empty());
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(Ids(form->LV_IGMPMulticastVlanEntry), QStringList({"100", "200"}));
}

// ---- router ports -------------------------------------------------------------------------

TEST_F(Snooping, RouterPortsSetSendsOnlyTheStaticAndForbiddenLists)
{
    struct Case {
        const char* what;
        std::function<TSnoopingRouterPortsForm*()> make;
        QString entry;
        int staticColumn, forbiddenColumn;
        QString staticAfter, forbiddenAfter;
    };
    const Case cases[] = {
        {"IGMP", [this] { return Make<TIGMPRouterPortsForm>(); }, kIgmpRouterEntry, 3, 5,
         "x:A0000000", "x:01400000"},
        {"MLD", [this] { return Make<TMLD_SnoopingRouterPortsForm>(); }, kMldRouterEntry, 2, 4,
         "x:60000000", "x:01800000"},
    };
    StartSim();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TSnoopingRouterPortsForm* form = c.make();
        EXPECT_EQ(Ids(form->ListView1), QStringList({"1", "10", "20"}));
        EXPECT_FALSE(form->btnSet->isEnabled());
        Select(form->ListView1, "1");
        EXPECT_EQ(form->stVlanID->text(), "1");
        EXPECT_TRUE(form->btnSet->isEnabled());
        const QList<int> dynamic = Ticked(form->DynamicGrid);
        EXPECT_EQ(dynamic.size(), 1);
        form->StaticGrid->PortBoxes[2]->setChecked(true);     // port 3
        // The dynamic ports are the switch's to learn: a click does not tick one.
        QCheckBox* dynamicBox = form->DynamicGrid->PortBoxes[4];
        QTest::mouseClick(dynamicBox, Qt::LeftButton);
        QTest::keyClick(dynamicBox, Qt::Key_Space);
        EXPECT_FALSE(dynamicBox->isChecked());
        dynamicBox->setChecked(true);                          // port 5: and never sent
        form->ForbiddenGrid->PortBoxes[7]->setChecked(true);  // port 8
        const int before = Mark();
        form->btnSet->click();
        ASSERT_TRUE(WaitIdle());
        const auto sets = Since(before, "SET");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(sets[0], QStringList({c.entry + QString::number(c.staticColumn) + ".1=" + c.staticAfter,
                                        c.entry + QString::number(c.forbiddenColumn) + ".1=" + c.forbiddenAfter}));
        EXPECT_TRUE(form->stVlanID->text().isEmpty());
        EXPECT_FALSE(form->btnSet->isEnabled());

        Select(form->ListView1, "1");
        EXPECT_TRUE(Ticked(form->StaticGrid).contains(3));
        EXPECT_EQ(Ticked(form->DynamicGrid), dynamic);
        EXPECT_TRUE(Ticked(form->ForbiddenGrid).contains(8));
        for (const TStackingPortUitForm* grid : {form->StaticGrid, form->ForbiddenGrid})
            EXPECT_TRUE(grid->PortBoxes[0]->isEnabled());
        EXPECT_FALSE(form->DynamicGrid->PortBoxes[0]->isEnabled()) << "the switch's own, never written";
        const QString status = form->Memo1 ? form->Memo1->toPlainText() : form->StatusBar1->currentMessage();
        EXPECT_TRUE(status.contains("Ok!")) << status.toStdString();
        EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
    }
}

TEST_F(Snooping, RouterPortsDuringASlowWalkRefreshIsIgnoredSetGuardedAndStopEndsIt)
{
    auto* form = Open<TMLD_SnoopingRouterPortsForm>({"--delay", "300"}, false);
    ASSERT_TRUE(waitFor([&] { return form->ListView1->topLevelItemCount() >= 1; }, 5000));
    ASSERT_FALSE(form->GetComplete());
    Select(form->ListView1, "1");
    const int before = Mark();
    form->btnGet->click();
    form->btnSetClick();
    form->show();
    form->btnClose->click();
    Pump(50);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(boxes.texts, QStringList(2, TDialogBase::kNotComplete));
    EXPECT_TRUE(Since(before, "SET").empty());
    EXPECT_EQ(WalksSince(before, kMldRouterEntry + "2"), 0);

    form->btnStop->click();
    ASSERT_TRUE(WaitIdle(3000));
    EXPECT_LT(form->ListView1->topLevelItemCount(), 3);
    form->btnClose->click();
    EXPECT_FALSE(form->isVisible());
}

// ---- MLD snooping groups ------------------------------------------------------------------

TEST_F(Snooping, MldGroupRowsDecodeTheirIpv6IndexAndShowTheSelectedGroup)
{
    auto* form = Open<TMLD_SnoopingGroupForm>();
    QTreeWidget* list = form->ListView1;
    ASSERT_EQ(list->topLevelItemCount(), 3);
    const QStringList rows[] = {
        {"1", "FF0200000000000000000001FF000001", "3333FF000001", "C0000000", "12"},
        {"1", "FF050000000000000000000000000002", "333300000002", "00400000", "3"},
        {"10", "FF0E0000000000000000000000001234", "333300001234", "10000000", "7"},
    };
    for (int r = 0; r < 3; ++r) {
        QStringList cells;
        for (int k = 0; k < list->columnCount(); ++k)
            cells << list->topLevelItem(r)->text(k);
        EXPECT_EQ(cells, rows[r]) << r;
    }
    EXPECT_TRUE(form->StatusBar1->currentMessage().contains("Ok!")) << form->StatusBar1->currentMessage().toStdString();

    list->setCurrentItem(list->topLevelItem(0));
    list->topLevelItem(0)->setSelected(true);
    EXPECT_EQ(form->stVID->text(), "1");
    EXPECT_EQ(form->edtIPAddress->text(), "FF0200000000000000000001FF000001");
    EXPECT_EQ(form->edtMAC->text(), "3333FF000001");
    EXPECT_EQ(form->edtCount->text(), "12");
    EXPECT_EQ(Ticked(form->PortGrid), QList<int>({1, 2}));
    list->clearSelection();
    EXPECT_TRUE(form->edtIPAddress->text().isEmpty());
    EXPECT_TRUE(form->stVID->text().isEmpty());
    EXPECT_TRUE(Ticked(form->PortGrid).isEmpty());
}

TEST_F(Snooping, MldGroupRefreshDuringAWalkIsIgnoredAndClosingIsNotRefused)
{
    auto* form = Open<TMLD_SnoopingGroupForm>({"--delay", "200"}, false);
    ASSERT_TRUE(waitFor([&] { return form->ListView1->topLevelItemCount() >= 1; }, 5000));
    ASSERT_TRUE(table->Busy());
    form->btnRefresh->click();
    form->btnRefresh->click();
    ASSERT_TRUE(waitFor([&] { return !table->Busy(); }, 10000));
    EXPECT_EQ(WalksSince(0, kMldGroupEntry + "3"), 1);
    EXPECT_EQ(form->ListView1->topLevelItemCount(), 3);

    // Idle, Refresh walks again; while it runs the dialog still closes.
    const int before = Mark();
    form->btnRefresh->click();
    form->show();
    form->close();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
    // Closing drops the walk's replies without waiting for them; the slow switch logs its
    // request when it answers.
    EXPECT_TRUE(waitFor([&] { return WalksSince(before, kMldGroupEntry + "3") >= 1; }, 2000));
    EXPECT_EQ(WalksSince(before, kMldGroupEntry + "3"), 1);
}

} // namespace
