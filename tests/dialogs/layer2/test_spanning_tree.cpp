// The spanning-tree dialogs against the switch simulator: the bridge settings' checks before
// anything goes out and what each version sends, the algorithm switch with its confirmation and
// progress window, the per-port edit's writes by version, and the GARP timer list.
#include "dialogs/ProgressForm.h"
#include "dialogs/layer2/GARPForm.h"
#include "dialogs/layer2/MSTPPortStateForm.h"
#include "dialogs/layer2/SpanningTreeAlgorithmForm.h"
#include "dialogs/layer2/STP_Info.h"
#include "dialogs/tables/StpTables.h"
#include "dialogs/layer2/GarpCompletion.h"
#include "tests/support/CompanionRun.h"
#include "tests/support/SimDialogFixture.h"
#include "tests/support/SnmpTools.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

using testutil::ProgressSpy;
using testutil::Pump;
using testutil::waitFor;

namespace {

const QString kScalars = QStringLiteral("1.3.6.1.4.1.32473.12.15.1.");
const QString kAlgorithmOid = QStringLiteral("1.3.6.1.4.1.32473.11.101.1.2.1.2.1.0");
const QString kPortEntry = QStringLiteral("1.3.6.1.4.1.32473.12.15.2.4.1.");

// ---- the checks of the bridge settings, on typed texts ----------------------------------------

struct TimerCase {
    const char* name;
    TSTP_Info::Timers typed;
    bool mstp;
    QString expected;  // empty: passes
};

TEST(StpTimerChecks, RelationsEmptyFieldsAndMaxHopsInOrder)
{
    const QString empty = TSTP_Info::kEmptyFields, data = TSTP_Info::kDataError;
    const TimerCase cases[] = {
        // 2 x (1000 - 100) = 1800 < 2000
        {"forward delay too short", {"2000", "200", "1000", "20", "3"}, false, data},
        {"forward delay just long enough", {"2000", "200", "1100", "20", "3"}, false, ""},
        {"forward delay too short in mstp", {"2000", "", "1000", "20", "3"}, true, data},
        // 2 x (200 + 100) = 600
        {"hello relation met exactly", {"600", "200", "400", "20", "3"}, false, ""},
        {"hello relation missed", {"600", "201", "400", "20", "3"}, false, data},
        {"hello relation not asked in mstp", {"600", "", "400", "20", "3"}, true, ""},
        {"max age empty", {"", "200", "1100", "20", "3"}, false, empty},
        {"forward delay empty", {"2000", "200", "", "20", "3"}, false, empty},
        {"max hops empty", {"2000", "200", "1100", "", "3"}, false, empty},
        {"tx hold count empty", {"2000", "200", "1100", "20", ""}, false, empty},
        {"tx hold count empty in mstp", {"2000", "", "1100", "20", ""}, true, empty},
        {"hello empty", {"2000", "", "1100", "20", "3"}, false, empty},
        {"empty before relation", {"2000", "200", "1000", "", "3"}, false, empty},
        {"max hops too big", {"2000", "200", "1100", "70000", "3"}, false, TSTP_Info::kBadPriority},
        {"no number", {"2000", "200", "11x0", "20", "3"}, false, data},
    };
    for (const TimerCase& c : cases)
        EXPECT_EQ(TSTP_Info::CheckTimers(c.typed, c.mstp), c.expected) << c.name;
}

// ---- the dialogs against the simulator -------------------------------------------------------

class SpanningTree : public testutil::SimDialogFixture {
protected:
    void SetUp() override
    {
        SimDialogFixture::SetUp();
        TProgressBase::SetDefaultTickInterval(1);
    }
    void TearDown() override
    {
        info.reset();
        algorithm.reset();
        ports.reset();
        garp.reset();
        owner.reset();
        TProgressBase::SetDefaultTickInterval(TProgressBase::kDefaultTickMs);
        SimDialogFixture::TearDown();
    }

    // Writes an integer scalar on the simulator before a dialog reads it.
    void SetOnSwitch(const QString& oid, int value)
    {
        const auto r = testutil::runSnmpTool(
            "snmpset", {"-v2c", "-c", "private", sim.peer(), oid, "i", QString::number(value)});
        ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    }
    // The main window's status text the settings dialog compares its version with.
    void MakeOwner(const QString& shownVersion)
    {
        owner = std::make_unique<QWidget>();
        auto* label = new QLabel(shownVersion, owner.get());
        label->setObjectName("ST_STPVersion");
    }
    void SetTimers(const QString& maxAge, const QString& forwardDelay, const QString& maxHops = "20",
                   const QString& txHold = "3")
    {
        info->ET_AgingTime->setText(maxAge);
        info->ET_ForwardDelay->setText(forwardDelay);
        info->ET_Priority->setText(maxHops);
        info->ED_TxHoldCount->setText(txHold);
    }
    static QStringList Oids(const QStringList& varbinds)
    {
        QStringList oids;
        for (const QString& vb : varbinds)
            oids << vb.section('=', 0, 0);
        return oids;
    }
    bool ReadsOf(int from, const QString& oid) const
    {
        for (const QStringList& get : Since(from, "GET"))
            if (get.contains(oid))
                return true;
        return false;
    }

    std::unique_ptr<QWidget> owner;
    std::unique_ptr<TSTP_Info> info;
    std::unique_ptr<TSpanningTreeAlgorithmForm> algorithm;
    std::unique_ptr<TMSTPPortStateForm> ports;
    std::unique_ptr<TGARPForm> garp;
};

TEST_F(SpanningTree, SettingsShowTheFixedHelloTimeOutsideMstpAndNoneInMstp)
{
    StartSim();
    MakeOwner("rstp");
    info = std::make_unique<TSTP_Info>(owner.get());
    EXPECT_EQ(info->Combo_STPVersion->currentText(), "rstp");
    EXPECT_EQ(info->ET_AgingTime->text(), "2000");
    EXPECT_EQ(info->ET_ForwardDelay->text(), "1500");
    EXPECT_EQ(info->Combo_BPDU->currentText(), "enabled");
    // The switch holds 100; the dialog shows 200 in STP and RSTP mode.
    EXPECT_EQ(info->ET_HelloTime->text(), "200");
    EXPECT_TRUE(info->ET_HelloTime->isEnabled());
    EXPECT_EQ(info->lbMSTPState->text(), "enabled");
    EXPECT_EQ(info->ListView1->topLevelItemCount(), 1);

    info->Combo_STPVersion->setCurrentText("mstp");
    EXPECT_TRUE(info->ET_HelloTime->text().isEmpty());
    EXPECT_FALSE(info->ET_HelloTime->isEnabled());
    info->Combo_STPVersion->setCurrentText("stp");
    EXPECT_EQ(info->ET_HelloTime->text(), "200");
    EXPECT_TRUE(info->ET_HelloTime->isEnabled());

    // Refresh follows the version the switch reports.
    SetOnSwitch(kScalars + "2.0", 2);
    info->BT_Get->click();
    EXPECT_EQ(info->Combo_STPVersion->currentText(), "mstp");
    EXPECT_TRUE(info->ET_HelloTime->text().isEmpty());
    EXPECT_FALSE(info->ET_HelloTime->isEnabled());
    SetOnSwitch(kScalars + "2.0", 0);
    info->BT_Get->click();
    EXPECT_EQ(info->Combo_STPVersion->currentText(), "stp");
    EXPECT_EQ(info->ET_HelloTime->text(), "200");
    EXPECT_EQ(info->lbstpversion->text(), "stp");
}

TEST_F(SpanningTree, SettingsRefusalsSendNothing)
{
    StartSim();
    MakeOwner("rstp");
    info = std::make_unique<TSTP_Info>(owner.get());
    struct Refusal {
        const char* name;
        QString maxAge, forwardDelay, maxHops, txHold;
        QString message;  // empty: the range message of the field's constraint
    };
    const Refusal refusals[] = {
        {"relation", "2000", "1000", "20", "3", TSTP_Info::kDataError},
        {"empty tx hold count", "2000", "1100", "20", "", TSTP_Info::kEmptyFields},
        {"empty max hops", "2000", "1100", "", "3", TSTP_Info::kEmptyFields},
        {"tx hold count out of range", "2000", "1100", "20", "11", ""},
        {"max hops out of range", "2000", "1100", "0", "3", ""},
        {"max age out of range", "4200", "3000", "20", "3", ""},
    };
    for (const Refusal& r : refusals) {
        SCOPED_TRACE(r.name);
        SetTimers(r.maxAge, r.forwardDelay, r.maxHops, r.txHold);
        info->StatusPanel->setText("before");
        const int from = Mark();
        info->BT_Set->click();
        if (r.message.isEmpty()) {
            EXPECT_NE(info->StatusPanel->text(), "before");
            EXPECT_FALSE(info->StatusPanel->text().contains("Ok!")) << info->StatusPanel->text().toStdString();
        } else {
            EXPECT_EQ(info->StatusPanel->text(), r.message);
        }
        EXPECT_TRUE(Since(from, "SET").empty());
    }
}

TEST_F(SpanningTree, SettingsSendSevenVariablesOutsideMstpAndSixFromTheControlsInMstp)
{
    StartSim();
    MakeOwner("rstp");
    info = std::make_unique<TSTP_Info>(owner.get());

    SetTimers("2000", "1100", "15", "4");
    int from = Mark();
    info->BT_Set->click();
    auto sets = Since(from, "SET");
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0], QStringList({kScalars + "2.0=i:1", kScalars + "3.0=i:2000", kScalars + "4.0=i:200",
                                    kScalars + "5.0=i:1100", kScalars + "6.0=i:15", kScalars + "7.0=i:4",
                                    kScalars + "8.0=i:3"}));
    EXPECT_TRUE(info->StatusPanel->text().contains("Ok!")) << info->StatusPanel->text().toStdString();

    // MSTP: no hello time, values as typed, an unselected choice left out.
    info->Combo_STPVersion->setCurrentText("mstp");
    SetTimers("1800", "1000", "12", "5");
    info->Combo_BPDU->setCurrentIndex(-1);
    from = Mark();
    info->BT_Set->click();
    sets = Since(from, "SET");
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0], QStringList({kScalars + "2.0=i:2", kScalars + "3.0=i:1800", kScalars + "5.0=i:1000",
                                    kScalars + "6.0=i:12", kScalars + "7.0=i:5"}));
    EXPECT_EQ(info->lbstpversion->text(), "mstp");
}

TEST_F(SpanningTree, ChangingTheVersionWaitsInTheProgressWindowOnlyWhileTheTreeRuns)
{
    struct Case {
        const char* name;
        int algorithm;  // 2 disabled, 3 enabled
        const char* chosen;
        bool progress;
    };
    const Case cases[] = {
        {"version changed, tree on", 3, "stp", true},
        {"version kept, tree on", 3, "rstp", false},
        {"version changed, tree off", 2, "stp", false},
    };
    StartSim();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetOnSwitch(kAlgorithmOid, c.algorithm);
        MakeOwner("rstp");
        info = std::make_unique<TSTP_Info>(owner.get());
        info->Combo_STPVersion->setCurrentText(c.chosen);
        SetTimers("2000", "1100");
        ProgressSpy spy;
        const int from = Mark();
        info->BT_Set->click();
        EXPECT_EQ(Since(from, "SET").size(), 1u);
        ASSERT_EQ(spy.seen.size(), c.progress ? 1u : 0u);
        if (c.progress) {
            EXPECT_EQ(spy.seen[0].caption, TSTP_Info::kProgressCaption);
            EXPECT_EQ(spy.seen[0].prompt, TSTP_Info::kProgressPrompt);
            EXPECT_EQ(spy.seen[0].position, 30);
        }
        info.reset();
        SetOnSwitch(kScalars + "2.0", 1);
    }
}

// The main window keeps the version the switch runs: after a change of version, a second Set
// in the same dialog does not wait in the progress window again.
TEST_F(SpanningTree, ASecondSetOfTheNewVersionWaitsForNothing)
{
    StartSim();
    SetOnSwitch(kAlgorithmOid, 3);
    MakeOwner("rstp");
    info = std::make_unique<TSTP_Info>(owner.get());
    const auto* mainVersion = owner->findChild<QLabel*>(QStringLiteral("ST_STPVersion"));
    ASSERT_TRUE(mainVersion);
    info->Combo_STPVersion->setCurrentText("stp");
    SetTimers("2000", "1100");
    ProgressSpy spy;
    info->BT_Set->click();
    ASSERT_EQ(spy.seen.size(), 1u);
    EXPECT_EQ(mainVersion->text(), "stp");
    info->BT_Set->click();
    EXPECT_EQ(spy.seen.size(), 1u) << "the switch runs stp already";
    info.reset();
    SetOnSwitch(kScalars + "2.0", 1);
}

TEST_F(SpanningTree, AlgorithmOnAsksFirstAndCancelSendsNothingButReadsAgain)
{
    StartSim();
    SetOnSwitch(kAlgorithmOid, 2);
    algorithm = std::make_unique<TSpanningTreeAlgorithmForm>(nullptr);
    ASSERT_TRUE(waitFor([&] { return !algorithm->AlgorithmRequest()->Busy(); }, 5000));
    EXPECT_EQ(algorithm->ComboBox1->currentText(), "disabled");

    algorithm->ComboBox1->setCurrentText("enabled");
    boxes.answer = false;
    ProgressSpy spy;
    const int from = Mark();
    algorithm->BT_Set->click();
    ASSERT_TRUE(waitFor([&] { return !algorithm->AlgorithmRequest()->Busy(); }, 5000));
    EXPECT_EQ(boxes.questions, QStringList({TSpanningTreeAlgorithmForm::kEnableQuestion}));
    EXPECT_TRUE(Since(from, "SET").empty());
    EXPECT_TRUE(spy.seen.empty());
    EXPECT_TRUE(ReadsOf(from, kAlgorithmOid));
    EXPECT_EQ(algorithm->ComboBox1->currentText(), "disabled");
}

TEST_F(SpanningTree, AlgorithmOnSendsWaitsInTheProgressWindowAndReadsAgain)
{
    StartSim();
    SetOnSwitch(kAlgorithmOid, 2);
    algorithm = std::make_unique<TSpanningTreeAlgorithmForm>(nullptr);
    ASSERT_TRUE(waitFor([&] { return !algorithm->AlgorithmRequest()->Busy(); }, 5000));

    algorithm->ComboBox1->setCurrentText("enabled");
    boxes.answer = true;
    ProgressSpy spy;
    const int from = Mark();
    algorithm->BT_Set->click();
    ASSERT_TRUE(waitFor([&] { return !algorithm->AlgorithmRequest()->Busy(); }, 5000));
    EXPECT_EQ(Since(from, "SET"), std::vector<QStringList>({{kAlgorithmOid + "=i:3"}}));
    ASSERT_EQ(spy.seen.size(), 1u);
    EXPECT_EQ(spy.seen[0].caption, TSpanningTreeAlgorithmForm::kProgressCaption);
    EXPECT_EQ(spy.seen[0].prompt, TSpanningTreeAlgorithmForm::kProgressPrompt);
    EXPECT_EQ(spy.seen[0].position, 30);
    const QStringList types = Types(from);
    ASSERT_FALSE(types.isEmpty());
    EXPECT_EQ(types.last(), "GET");  // read again after the window
    EXPECT_EQ(algorithm->ComboBox1->currentText(), "enabled");
    EXPECT_TRUE(algorithm->StatusPanel->text().contains("Ok!")) << algorithm->StatusPanel->text().toStdString();

    // Off needs no confirmation and no waiting.
    algorithm->ComboBox1->setCurrentText("disabled");
    const int off = Mark();
    algorithm->BT_Set->click();
    ASSERT_TRUE(waitFor([&] { return !algorithm->AlgorithmRequest()->Busy(); }, 5000));
    EXPECT_EQ(Since(off, "SET"), std::vector<QStringList>({{kAlgorithmOid + "=i:2"}}));
    EXPECT_EQ(boxes.questions.size(), 1);
    EXPECT_EQ(spy.seen.size(), 1u);
}

// ---- per-port settings --------------------------------------------------------------------

class MstpPortEdit : public SpanningTree {
protected:
    void Open(int version)
    {
        if (!sim.isRunning())
            StartSim();
        SetOnSwitch(kScalars + "2.0", version);
        ports = std::make_unique<TMSTPPortStateForm>(nullptr);
        ASSERT_TRUE(WaitIdle());
    }
    bool WaitIdle()
    {
        return waitFor([&] { return ports->GetComplete() && !ports->TableRequest()->Busy()
                                    && !ports->VersionRequest()->Busy(); },
                       10000);
    }
    void SelectPort(int port)
    {
        QTreeWidgetItem* item = ports->lvMSTPPortState->topLevelItem(port - 1);
        ports->lvMSTPPortState->setCurrentItem(item);
        item->setSelected(true);
    }
    // Edit, and Set in the edit dialog once it shows.
    void EditAndSet()
    {
        QTimer::singleShot(0, ports.get(), [this] {
            if (ports->EditForm->isVisible())
                ports->EditForm->btnEdit->click();
        });
        ports->btnEdit->click();
    }
    static QStringList Writable(int port)
    {
        QStringList oids;
        for (int column : {4, 5, 6, 7, 9, 12, 13, 14})
            oids << kPortEntry + QString::number(column) + "." + QString::number(port);
        return oids;
    }
};

TEST_F(MstpPortEdit, ListsTheTenPortsAndLoadsTheSelectedOneIntoTheEditDialog)
{
    Open(1);
    EXPECT_EQ(ports->lvMSTPPortState->topLevelItemCount(), 10);
    EXPECT_EQ(ports->lblSTPVersion->text(), "rstp");
    EXPECT_FALSE(ports->btnEdit->isEnabled());
    SelectPort(9);
    EXPECT_TRUE(ports->btnEdit->isEnabled());
    EXPECT_EQ(ports->EditForm->edtPortIndex->text(), "9");
    EXPECT_EQ(ports->EditForm->edtExtPathCost->text(), "2000");
    EXPECT_EQ(ports->EditForm->cbxAdminEdgePort->currentText(), "auto");
    EXPECT_EQ(ports->EditForm->cbxAdminP2P->currentText(), "auto");
}

TEST_F(MstpPortEdit, MstpWritesTheAdminHelloTimeAloneThenTheOtherColumns)
{
    struct Case {
        int version;
        int sets;
    };
    for (const Case c : {Case{2, 2}, Case{1, 1}, Case{0, 1}}) {
        SCOPED_TRACE(c.version);
        Open(c.version);
        SelectPort(3);
        ports->EditForm->edtAdminHelloTime->setText("150");
        ports->EditForm->cbxSTPRole->setCurrentText("true");
        const int from = Mark();
        EditAndSet();
        ASSERT_TRUE(WaitIdle());
        const auto sets = Since(from, "SET");
        ASSERT_EQ(int(sets.size()), c.sets);
        if (c.sets == 2) {
            EXPECT_EQ(sets[0], QStringList({kPortEntry + "2.3=i:150"}));
        }
        EXPECT_EQ(Oids(sets.back()), Writable(3));
        EXPECT_TRUE(sets.back().contains(kPortEntry + "13.3=i:1"));
        EXPECT_FALSE(ports->EditForm->isVisible());
        EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
        EXPECT_GE(WalksSince(from, kPortEntry + "3"), 1);
        ports.reset();
    }
}

// In MSTP mode every field is checked before the first write (the switch takes an admin hello
// time of 100 to 200), and the other columns go only once the switch has taken the hello time.
TEST_F(MstpPortEdit, MstpChecksEveryFieldFirstAndChainsItsTwoWrites)
{
    Open(2);
    SelectPort(3);
    ports->EditForm->edtAdminHelloTime->setText("999");
    int from = Mark();
    bool stayedOpen = false;
    QTimer::singleShot(0, ports.get(), [this, &stayedOpen] {
        ports->EditForm->btnEdit->click();
        stayedOpen = ports->EditForm->isVisible();
        ports->EditForm->reject();
    });
    ports->btnEdit->click();
    EXPECT_TRUE(stayedOpen) << "the typed values stay to be mended";
    EXPECT_TRUE(Since(from, "SET").empty());
    EXPECT_EQ(boxes.texts.size(), 1) << boxes.texts.join('|').toStdString();
    ports.reset();

    // A switch that refuses the hello time gets no second write.
    KtSNMPDefaults.security.writeCommunity = "public";
    Open(2);
    SelectPort(3);
    ports->EditForm->edtAdminHelloTime->setText("150");
    from = Mark();
    EditAndSet();
    ASSERT_TRUE(WaitIdle());
    const auto sets = Since(from, "SET");
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0], QStringList({kPortEntry + "2.3=i:150"}));
}

TEST_F(MstpPortEdit, AnUnreadVersionRefusesTheWrite)
{
    Open(1);
    SelectPort(2);
    ports->lblSTPVersion->clear();  // as when the version read failed
    const int from = Mark();
    EXPECT_FALSE(ports->SendEdit());
    EXPECT_EQ(boxes.texts, QStringList({TDialogBase::kNotComplete}));
    EXPECT_TRUE(Since(from, "SET").empty());
    EXPECT_TRUE(ports->GetComplete());
}

// ---- GARP timers ----------------------------------------------------------------------------

TEST_F(SpanningTree, GarpListsTheTimersOfEveryPort)
{
    StartSim();
    garp = std::make_unique<TGARPForm>(nullptr);
    ASSERT_TRUE(waitFor([&] { return GarpCompletion().GetComplete && !garp->TableRequest()->Busy(); }, 10000));
    ASSERT_EQ(garp->LV_dot1dPortGarpEntry->topLevelItemCount(), 10);
    EXPECT_EQ(garp->ST_Count->text(), "10");
    const QTreeWidgetItem* row = garp->LV_dot1dPortGarpEntry->topLevelItem(9);
    EXPECT_EQ(row->text(0), "10");
    EXPECT_EQ(row->text(1), "20");
    EXPECT_EQ(row->text(2), "60");
    EXPECT_EQ(row->text(3), "1000");

    // Refresh waits for the flags the port capability dialog shares.
    GarpCompletion().SetComplete = false;
    int from = Mark();
    garp->RefreshBtn->click();
    Pump(100);
    EXPECT_EQ(WalksSince(from, "1.3.6.1.2.1.17.1.4.1.1"), 0);
    GarpCompletion().SetComplete = true;
    garp->RefreshBtn->click();
    ASSERT_TRUE(waitFor([&] { return GarpCompletion().GetComplete && !garp->TableRequest()->Busy(); }, 10000));
    EXPECT_EQ(WalksSince(from, "1.3.6.1.2.1.17.1.4.1.1"), 1);
    EXPECT_EQ(garp->ST_Count->text(), "10");
}

} // namespace
