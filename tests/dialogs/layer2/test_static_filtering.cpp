// The static unicast and multicast filtering dialogs against the switch simulator: Add refusals
// (nothing sent), the receive-port key of Add (any port) and of Set/Delete (the selected
// entry's own), and what each write carries, checked in the simulator's request log.
#include "dialogs/StackingPortUitForm.h"
#include "dialogs/layer2/StaticFilterForms.h"
#include "tests/support/SimDialogFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using testutil::Pump;
using testutil::waitFor;

namespace {

const QString kUnicastEntry = QStringLiteral("1.3.6.1.2.1.17.7.1.3.1.1.");
const QString kMulticastEntry = QStringLiteral("1.3.6.1.2.1.17.7.1.3.2.1.");

// The same test body for both dialogs: the form, its list, key edits, status combo and grid.
struct FilterControls {
    QTreeWidget* list;
    QLineEdit* vid;
    QLineEdit* mac;
    QComboBox* status;
    TStackingPortUitForm* grid;
    QLabel* count;
};

class StaticFiltering : public testutil::SimDialogFixture {
protected:
    void TearDown() override
    {
        unicast.reset();
        multicast.reset();
        SimDialogFixture::TearDown();
    }

    void StartUnicast()
    {
        StartSim();
        unicast = std::make_unique<TUnicastFilterInformationForm>(nullptr);
        form = unicast.get();
        c = {unicast->LV_dot1qStaticUnicastEntry, unicast->ED_UnicastVID, unicast->UnicastAddress,
             unicast->UStatus, unicast->PortGrid, unicast->ST_Count};
        ASSERT_TRUE(WaitIdle());
    }
    void StartMulticast()
    {
        StartSim();
        multicast = std::make_unique<TMulticastFilterInformationForm>(nullptr);
        form = multicast.get();
        c = {multicast->LV_dot1qStaticMulticastEntry, multicast->ED_MulticastVID, multicast->ED_MACAddress,
             multicast->Status, multicast->EgressGrid, multicast->ST_Count};
        ASSERT_TRUE(WaitIdle());
    }
    bool WaitIdle(int ms = 10000)
    {
        return waitFor([&] { return form->GetComplete() && !form->TableRequest()->Busy(); }, ms);
    }
    QStringList Vids() const
    {
        QStringList ids;
        for (int r = 0; r < c.list->topLevelItemCount(); ++r)
            ids << c.list->topLevelItem(r)->text(0);
        return ids;
    }
    void SelectVid(const QString& vid)
    {
        for (int r = 0; r < c.list->topLevelItemCount(); ++r) {
            QTreeWidgetItem* item = c.list->topLevelItem(r);
            if (item->text(0) == vid) {
                c.list->setCurrentItem(item);
                item->setSelected(true);
                return;
            }
        }
        ADD_FAILURE() << "no row " << vid.toStdString();
    }
    void Type(const QString& vid, const QString& mac, const QString& status)
    {
        c.vid->setText(vid);
        c.mac->setText(mac);
        c.status->setCurrentIndex(c.status->findText(status));
    }

    std::unique_ptr<TUnicastFilterInformationForm> unicast;
    std::unique_ptr<TMulticastFilterInformationForm> multicast;
    TStaticFilterFormBase* form = nullptr;
    FilterControls c{};
};

// ---- Add refusals -------------------------------------------------------------------------

enum class Reason { Keys, Vid, Mac, NotPermanent };

struct Refusal {
    const char* vid;
    const char* mac;
    const char* status;  // "" leaves the combo without a choice
    Reason reason;
};

const Refusal kRefusals[] = {
    {"", "001122334466", "permanent", Reason::Keys},
    {"30", "", "permanent", Reason::Keys},
    {"0", "001122334466", "permanent", Reason::Vid},
    {"4095", "001122334466", "permanent", Reason::Vid},
    {"-5", "001122334466", "permanent", Reason::Vid},
    {"30", "00112233446", "permanent", Reason::Mac},     // 11 digits: the instance would shift
    {"30", "0011223344661", "permanent", Reason::Mac},   // 13 digits: cut into another address
    {"30", "00112233446G", "permanent", Reason::Mac},
    {"30", "001122334466", "deleteOnReset", Reason::NotPermanent},
    {"30", "001122334466", "invalid", Reason::NotPermanent},
    {"30", "001122334466", "", Reason::NotPermanent},
};

QString RefusalText(Reason reason, const QString& notPermanent)
{
    switch (reason) {
    case Reason::Keys: return TStaticFilterFormBase::kInputKeys;
    case Reason::Vid: return TStaticFilterFormBase::kBadVid;
    case Reason::Mac: return TStaticFilterFormBase::kBadMac;
    case Reason::NotPermanent: return notPermanent;
    }
    return {};
}

TEST_F(StaticFiltering, UnicastAddRefusesBadKeysAndAnyStatusButPermanentSendingNothing)
{
    StartUnicast();
    for (const Refusal& r : kRefusals) {
        SCOPED_TRACE(std::string(r.vid) + " " + r.mac + " " + r.status);
        boxes.Clear();
        Type(r.vid, r.mac, r.status);
        const int before = Mark();
        unicast->SetBtn->click();
        Pump(50);
        EXPECT_EQ(boxes.texts, QStringList{RefusalText(r.reason, TUnicastFilterInformationForm::kNotPermanent)});
        EXPECT_EQ(Mark(), before);
        EXPECT_TRUE(form->GetComplete());
    }
}

TEST_F(StaticFiltering, MulticastAddRefusesBadKeysAndAnyStatusButPermanentSendingNothing)
{
    StartMulticast();
    for (const Refusal& r : kRefusals) {
        SCOPED_TRACE(std::string(r.vid) + " " + r.mac + " " + r.status);
        boxes.Clear();
        Type(r.vid, r.mac, r.status);
        const int before = Mark();
        multicast->AddBtn->click();
        Pump(50);
        EXPECT_EQ(boxes.texts, QStringList{RefusalText(r.reason, TMulticastFilterInformationForm::kNotPermanent)});
        EXPECT_EQ(Mark(), before);
        EXPECT_TRUE(form->GetComplete());
    }
}

// ---- unicast ------------------------------------------------------------------------------

// The two siblings answer a Refresh pressed while their walk runs alike: the guard message,
// and the walk goes on alone.
TEST_F(StaticFiltering, BothSiblingsRefuseARefreshWhileTheirWalkRunsAlike)
{
    ASSERT_TRUE(StartSim({"--delay", "300"}));
    const struct {
        const char* name;
        std::function<TStaticFilterFormBase*()> make;
    } siblings[] = {
        {"unicast", [&] { return (unicast = std::make_unique<TUnicastFilterInformationForm>(nullptr)).get(); }},
        {"multicast", [&] { return (multicast = std::make_unique<TMulticastFilterInformationForm>(nullptr)).get(); }},
    };
    for (const auto& sibling : siblings) {
        SCOPED_TRACE(sibling.name);
        form = sibling.make();
        ASSERT_FALSE(form->GetComplete()) << "the first walk is under way";
        boxes.Clear();
        auto* refresh = form->findChild<QPushButton*>(QStringLiteral("RefreshBtn"));
        ASSERT_TRUE(refresh);
        refresh->click();
        EXPECT_EQ(boxes.texts, QStringList({TDialogBase::kNotComplete}));
        ASSERT_TRUE(WaitIdle());
    }
}

TEST_F(StaticFiltering, UnicastOpensWithItsEntriesOnATwelveUnitGrid)
{
    StartUnicast();
    EXPECT_EQ(Vids(), QStringList({"1", "10"}));
    EXPECT_EQ(unicast->ST_Count->text(), "2");
    EXPECT_EQ(unicast->PortGrid->UnitSheets.size(), 12);
    EXPECT_EQ(unicast->PortGrid->PortBoxes.size(), 12u * 32u);
    EXPECT_FALSE(unicast->DeleteBtn->isEnabled());
    EXPECT_TRUE(unicast->SetBtn->isEnabled());

    // The entry learnt on port 2: ports 2 and 10 allowed; the keys become read-only.
    SelectVid("10");
    EXPECT_EQ(unicast->UnicastAddress->text().toUpper(), "00AABBCCDDEE");
    EXPECT_EQ(unicast->UStatus->currentText(), "permanent");
    for (int k = 0; k < 32; ++k)
        EXPECT_EQ(unicast->PortGrid->PortBoxes[k]->isChecked(), k == 1 || k == 9) << k;
    EXPECT_TRUE(unicast->ED_UnicastVID->isReadOnly());
    EXPECT_TRUE(unicast->UnicastAddress->isReadOnly());
    EXPECT_TRUE(unicast->DeleteBtn->isEnabled());
    EXPECT_FALSE(unicast->SetBtn->isEnabled());

    c.list->clearSelection();
    EXPECT_TRUE(unicast->ED_UnicastVID->text().isEmpty());
    EXPECT_TRUE(unicast->UnicastAddress->text().isEmpty());
    EXPECT_FALSE(unicast->PortGrid->PortBoxes[1]->isChecked());
    EXPECT_FALSE(unicast->ED_UnicastVID->isReadOnly());
    EXPECT_TRUE(unicast->SetBtn->isEnabled());
}

TEST_F(StaticFiltering, UnicastDeleteSendsOnlyInvalidStatusAtTheSelectedEntrysOwnReceivePort)
{
    StartUnicast();
    SelectVid("10");
    const int before = Mark();
    unicast->DeleteBtn->click();
    ASSERT_TRUE(WaitIdle());
    const auto sets = Since(before, "SET");
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0], QStringList({kUnicastEntry + "4.10.0.170.187.204.221.238.2=i:2"}));
    EXPECT_EQ(Vids(), QStringList({"1"}));
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
}

TEST_F(StaticFiltering, UnicastDeleteWithoutASelectedEntryAsksForOne)
{
    StartUnicast();
    unicast->ED_UnicastVID->setText("10");
    unicast->UnicastAddress->setText("00AABBCCDDEE");
    const int before = Mark();
    unicast->DeleteBtnClick();
    Pump(50);
    EXPECT_EQ(boxes.texts, QStringList{TStaticFilterFormBase::kSelectEntry});
    EXPECT_EQ(Mark(), before);
}

TEST_F(StaticFiltering, UnicastAddSendsPortsAndPermanentForAnyReceivePort)
{
    StartUnicast();
    // The entry on receive port 2 loaded last must not lend the new one its port.
    SelectVid("10");
    c.list->clearSelection();
    Type("30", "001122334466", "permanent");
    unicast->PortGrid->PortBoxes[0]->setChecked(true);  // port 1: the top bit
    unicast->PortGrid->PortBoxes[8]->setChecked(true);  // port 9: top bit of octet 2
    const int before = Mark();
    unicast->SetBtn->click();
    ASSERT_TRUE(WaitIdle());
    const auto sets = Since(before, "SET");
    ASSERT_EQ(sets.size(), 1u) << unicast->Memo1->toPlainText().toStdString();
    const QString key = QStringLiteral("30.0.17.34.51.68.102.0");
    EXPECT_EQ(sets[0], QStringList({kUnicastEntry + "3." + key + "=x:80800000", kUnicastEntry + "4." + key + "=i:3"}));
    EXPECT_EQ(Vids(), QStringList({"1", "10", "30"}));
    EXPECT_EQ(unicast->ST_Count->text(), "3");
    EXPECT_TRUE(unicast->ED_UnicastVID->text().isEmpty());
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
}

// ---- multicast ----------------------------------------------------------------------------

TEST_F(StaticFiltering, MulticastSelectionLocksTheKeysAndOffersSetAndDelete)
{
    StartMulticast();
    EXPECT_EQ(Vids(), QStringList({"1", "20"}));
    EXPECT_EQ(multicast->ST_Count->text(), "2");
    EXPECT_EQ(multicast->PortPages->tabText(0), "Egress Ports");
    EXPECT_EQ(multicast->EgressGrid->UnitSheets.size(), 12);
    EXPECT_FALSE(multicast->SetBtn->isEnabled());
    EXPECT_FALSE(multicast->DeleteBtn->isEnabled());

    SelectVid("20");
    EXPECT_EQ(multicast->ED_MACAddress->text().toUpper(), "01005E000002");
    for (int k = 0; k < 32; ++k)
        EXPECT_EQ(multicast->EgressGrid->PortBoxes[k]->isChecked(), k == 2) << k;
    EXPECT_FALSE(multicast->ED_MulticastVID->isEnabled());
    EXPECT_FALSE(multicast->Status->isEnabled());
    EXPECT_TRUE(multicast->SetBtn->isEnabled());
    EXPECT_TRUE(multicast->DeleteBtn->isEnabled());
    EXPECT_FALSE(multicast->AddBtn->isEnabled());

    c.list->clearSelection();
    EXPECT_TRUE(multicast->ED_MACAddress->text().isEmpty());
    EXPECT_TRUE(multicast->ED_MulticastVID->isEnabled());
    EXPECT_TRUE(multicast->AddBtn->isEnabled());
    EXPECT_FALSE(multicast->SetBtn->isEnabled());
}

TEST_F(StaticFiltering, MulticastSetSendsOnlyTheEgressPortsOfTheSelectedEntry)
{
    StartMulticast();
    SelectVid("20");
    multicast->EgressGrid->PortBoxes[4]->setChecked(true);  // port 5
    const int before = Mark();
    multicast->SetBtn->click();
    ASSERT_TRUE(WaitIdle());
    const auto sets = Since(before, "SET");
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0], QStringList({kMulticastEntry + "3.20.1.0.94.0.0.2.3=x:28000000"}));
    EXPECT_FALSE(multicast->SetBtn->isEnabled());
    SelectVid("20");
    EXPECT_TRUE(multicast->EgressGrid->PortBoxes[4]->isChecked());
    EXPECT_EQ(multicast->Status->currentText(), "permanent");
}

TEST_F(StaticFiltering, MulticastDeleteSendsEgressPortsAndInvalidAtTheSelectedKey)
{
    StartMulticast();
    SelectVid("20");
    const int before = Mark();
    multicast->DeleteBtn->click();
    ASSERT_TRUE(WaitIdle());
    const auto sets = Since(before, "SET");
    ASSERT_EQ(sets.size(), 1u);
    const QString key = QStringLiteral("20.1.0.94.0.0.2.3");
    EXPECT_EQ(sets[0], QStringList({kMulticastEntry + "3." + key + "=x:20000000", kMulticastEntry + "5." + key + "=i:2"}));
    EXPECT_EQ(Vids(), QStringList({"1"}));
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
}

TEST_F(StaticFiltering, MulticastAddSendsEgressPortsAndPermanentForAnyReceivePort)
{
    StartMulticast();
    SelectVid("20");
    c.list->clearSelection();
    Type("40", "01005E000009", "permanent");
    multicast->EgressGrid->PortBoxes[9]->setChecked(true);  // port 10
    const int before = Mark();
    multicast->AddBtn->click();
    ASSERT_TRUE(WaitIdle());
    const auto sets = Since(before, "SET");
    ASSERT_EQ(sets.size(), 1u);
    const QString key = QStringLiteral("40.1.0.94.0.0.9.0");
    EXPECT_EQ(sets[0], QStringList({kMulticastEntry + "3." + key + "=x:00400000", kMulticastEntry + "5." + key + "=i:3"}));
    EXPECT_EQ(Vids(), QStringList({"1", "20", "40"}));
    EXPECT_TRUE(multicast->ED_MulticastVID->text().isEmpty());
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
}

} // namespace
