// The flow-control dialogs against the switch simulator: the counters of the selected port read
// on selection and then polled at the chosen interval (intervals shrunk to milliseconds), polling
// stopped by "none", by losing the selection and by a failed read, and the PAUSE admin-mode Set.
#include "dialogs/CounterPoller.h"
#include "dialogs/layer2/Dot3Forms.h"
#include "tests/support/SimDialogFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <memory>

using testutil::Pump;
using testutil::waitFor;

namespace {

const QString kInPause = QStringLiteral("1.3.6.1.2.1.10.7.10.1.3.");
const QString kOutPause = QStringLiteral("1.3.6.1.2.1.10.7.10.1.4.");
const QString kUnknownOpcodes = QStringLiteral("1.3.6.1.2.1.10.7.9.1.2.");
const QString kAdminMode = QStringLiteral("1.3.6.1.2.1.10.7.10.1.1.");

// ---- the poller alone ------------------------------------------------------------------------

class CounterPollerTest : public ::testing::Test {
protected:
    void SetUp() override { TCounterPoller::TimeScale = 0.01; }
    void TearDown() override { TCounterPoller::TimeScale = 1.0; }
};

TEST_F(CounterPollerTest, IntervalsFollowTheListAndNoneStops)
{
    QComboBox combo;
    TCounterPoller poller(&combo, nullptr);
    EXPECT_EQ(combo.count(), 6);
    EXPECT_EQ(combo.currentText(), "none");
    TCounterPoller::TimeScale = 1.0;
    const struct {
        const char* item;
        int ms;
    } cases[] = {{"none", 0}, {"2s", 2000}, {"5s", 5000}, {"10s", 10000}, {"30s", 30000}, {"1m", 60000}};
    for (const auto& c : cases) {
        combo.setCurrentText(c.item);
        EXPECT_EQ(combo.currentText(), c.item);
        EXPECT_EQ(poller.Polling(), c.ms != 0) << c.item;
        if (c.ms != 0) {
            EXPECT_EQ(poller.Interval(), c.ms) << c.item;
        }
    }
    poller.Stop();
    EXPECT_FALSE(poller.Polling());
    EXPECT_EQ(combo.currentText(), "none");
}

TEST_F(CounterPollerTest, ATickIsSkippedWhileTheReadIsOutstandingAndAFailedReadStops)
{
    QComboBox combo;
    TCounterPoller poller(&combo, nullptr);
    bool busy = true;
    int reads = 0;
    poller.SetBusy([&] { return busy; });
    poller.SetRead([&] { ++reads; });
    combo.setCurrentText("2s");
    ASSERT_TRUE(waitFor([&] { return poller.Skipped() >= 2; }, 5000));
    EXPECT_EQ(reads, 0);
    busy = false;
    ASSERT_TRUE(waitFor([&] { return reads >= 2; }, 5000));
    EXPECT_TRUE(poller.Polling());

    poller.SetRead([] { throw std::runtime_error("read failed"); });
    ASSERT_TRUE(waitFor([&] { return !poller.Polling(); }, 5000));
    EXPECT_EQ(combo.currentText(), "none");
}

// ---- the dialogs against the simulator -------------------------------------------------------

template <class Form> class FlowControl : public testutil::TableDialogFixture<Form> {
    using Base = testutil::TableDialogFixture<Form>;
protected:
    void SetUp() override
    {
        Base::SetUp();
        TCounterPoller::TimeScale = 0.01;  // "2s" ticks every 20 ms
    }
    void TearDown() override
    {
        Base::TearDown();
        TCounterPoller::TimeScale = 1.0;
    }
    QStringList Values()
    {
        QStringList values;
        for (int r = 0; r < this->form->ListView2->topLevelItemCount(); ++r)
            values << this->form->ListView2->topLevelItem(r)->text(1);
        return values;
    }
    // GETs since from that name oid (the counter of one port).
    int GetsOf(int from, const QString& oid)
    {
        int n = 0;
        for (const QStringList& varbinds : this->Since(from, "GET"))
            if (varbinds.contains(oid))
                ++n;
        return n;
    }
    int Gets(int from) { return int(this->Since(from, "GET").size()); }
    bool MemoSays(const QString& text) { return this->form->Memo1->toPlainText().contains(text); }
};

using PauseForm = FlowControl<Tdot3PauseForm>;
using ControlForm = FlowControl<Tdot3ControlForm>;

TEST_F(PauseForm, PollsTheSelectedPortUntilNoneOrDeselected)
{
    StartLoaded();
    EXPECT_EQ(Ports(), QStringList({"1", "2", "3", "4"}));
    EXPECT_EQ(form->cbxInterval->currentText(), "none");
    EXPECT_FALSE(form->btnSet->isEnabled());

    SelectPort("4");
    EXPECT_EQ(Values(), QStringList({"104", "204"}));
    EXPECT_EQ(form->edtIndex->text(), "4");
    EXPECT_EQ(form->cbxAdminMode->currentText(), "disabled");
    EXPECT_TRUE(form->btnSet->isEnabled());

    int mark = Mark();
    form->cbxInterval->setCurrentText("2s");
    ASSERT_TRUE(waitFor([&] { return GetsOf(mark, kInPause + "4") >= 3; }, 5000));
    EXPECT_EQ(GetsOf(mark, kOutPause + "4"), GetsOf(mark, kInPause + "4"));
    EXPECT_EQ(Gets(mark), GetsOf(mark, kInPause + "4")) << "only the selected port's counters";

    form->cbxInterval->setCurrentText("none");
    EXPECT_FALSE(form->Poller()->Polling());
    mark = Mark();
    Pump(200);
    EXPECT_EQ(Gets(mark), 0);

    // Losing the selection stops polling and empties the counters.
    form->cbxInterval->setCurrentText("2s");
    ASSERT_TRUE(form->Poller()->Polling());
    form->ListView1->clearSelection();
    EXPECT_FALSE(form->Poller()->Polling());
    EXPECT_EQ(form->cbxInterval->currentText(), "none");
    EXPECT_EQ(Values(), QStringList({"", ""}));
    EXPECT_FALSE(form->btnSet->isEnabled());
    mark = Mark();
    Pump(200);
    EXPECT_EQ(Gets(mark), 0);
    EXPECT_FALSE(MemoSays(TDot3FormBase::kNotCompleted));
}

TEST_F(ControlForm, APortWithoutCounterRowSaysSoAndStopsPolling)
{
    StartLoaded();
    EXPECT_EQ(Ports(), QStringList({"1", "2", "3", "4"}));
    SelectPort("1");
    EXPECT_EQ(Values(), QStringList({"11"}));
    EXPECT_TRUE(form->FunctionBoxes.front()->isChecked());
    form->cbxInterval->setCurrentText("2s");
    int mark = Mark();
    ASSERT_TRUE(waitFor([&] { return GetsOf(mark, kUnknownOpcodes + "1") >= 2; }, 5000));

    // Port 2 has a statistics row but no MAC-control row: its counter reads "(NULL)".
    SelectPort("2");
    EXPECT_TRUE(MemoSays(TDot3FormBase::kNotCompleted)) << form->Memo1->toPlainText().toStdString();
    EXPECT_FALSE(form->Poller()->Polling());
    EXPECT_EQ(form->cbxInterval->currentText(), "none");
    EXPECT_EQ(Values(), QStringList({""}));
    mark = Mark();
    Pump(200);
    EXPECT_EQ(Gets(mark), 0);
}

TEST_F(PauseForm, ASwitchThatStopsAnsweringStopsPolling)
{
    StartLoaded();
    SelectPort("1");
    EXPECT_EQ(Values(), QStringList({"101", "201"}));
    testutil::SimProcess dead;
    ASSERT_TRUE(dead.start({"--drop", "all", "--freeze"})) << dead.errorText().toStdString();
    KtSNMPRequest& counters = form->CounterRequest()->Request();
    counters.Params.device.port = dead.port();
    counters.Params.timeout = 10;  // 0.1 s
    form->cbxInterval->setCurrentText("2s");
    ASSERT_TRUE(waitFor([&] { return !form->Poller()->Polling(); }, 10000));
    EXPECT_EQ(form->Poller()->Reads(), 1) << "no tick after the failed one";
    EXPECT_EQ(form->cbxInterval->currentText(), "none");
    EXPECT_TRUE(MemoSays(TDot3FormBase::kNotCompleted)) << form->Memo1->toPlainText().toStdString();
    EXPECT_EQ(Values(), QStringList({"", ""}));
}

TEST_F(PauseForm, SetWritesTheAdminModeOfTheSelectedPortOnly)
{
    StartLoaded();
    EXPECT_TRUE(form->edtIndex->isReadOnly());

    // Without a selected row Set sends nothing.
    int mark = Mark();
    form->btnSetClick();
    EXPECT_TRUE(Since(mark, "SET").empty());

    SelectPort("3");
    form->edtIndex->setText("7");  // whatever stands there, the selected row is written
    form->cbxAdminMode->setCurrentText("enabledXmitAndRcv");
    mark = Mark();
    form->btnSet->click();
    EXPECT_FALSE(form->GetComplete()) << "complete only once the walk after the write is done";
    // Refresh while that walk runs starts no second one.
    form->btnGet->click();
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(WalksSince(mark, "1.3.6.1.2.1.10.7.10.1.1"), 1);
    const auto sets = Since(mark, "SET");
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0], QStringList({kAdminMode + "3=i:4"}));
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();

    SelectPort("3");
    EXPECT_EQ(form->cbxAdminMode->currentText(), "enabledXmitAndRcv");
}

} // namespace
