// What a write leaves the operator to read, over dialogs of several families against the
// simulator: a command whose field holds no value sends nothing and names the field; a write
// the switch refuses stays the last word of its command, after the read that follows it.
#include "dialogs/layer2/Dot3Forms.h"
#include "dialogs/layer2/GuestVlanForm.h"
#include "dialogs/layer2/SnoopingRouterPortsForms.h"
#include "dialogs/layer2/SpanningTreeAlgorithmForm.h"
#include "dialogs/layer2/VLanGeneralInfoForm.h"
#include "dialogs/security/BulwarkCtrlForm.h"
#include "tests/support/SimDialogFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using testutil::Pump;
using testutil::waitFor;

namespace {

// The line the dialog shows last: its memo's, else its status panel's or status bar's.
QString LastStatus(const QWidget& form)
{
    if (const auto* memo = form.findChild<QPlainTextEdit*>(QStringLiteral("Memo1")))
        return memo->toPlainText().split(u'\n').last();
    if (const auto* panel = form.findChild<QLabel*>(QStringLiteral("StatusPanel")))
        return panel->text();
    if (const auto* bar = form.findChild<QStatusBar*>(QStringLiteral("StatusBar1")))
        return bar->currentMessage();
    return {};
}

void SelectRow(QTreeWidget* list, const QString& first)
{
    const auto found = list->findItems(first, Qt::MatchExactly, 0);
    ASSERT_EQ(found.size(), 1) << first.toStdString();
    list->setCurrentItem(found.first());
    found.first()->setSelected(true);
}

struct OutcomeCase {
    const char* name;
    std::function<TDialogBase*()> make;
    std::function<void(TDialogBase&)> command;  // what the operator does
    const char* shownLast;                      // the start of the line shown last ("" : none)
};

void PrintTo(const OutcomeCase& c, std::ostream* os)
{
    *os << c.name;
}

class WriteOutcomes : public testutil::SimDialogFixture, public ::testing::WithParamInterface<OutcomeCase> {
protected:
    void TearDown() override
    {
        form.reset();
        SimDialogFixture::TearDown();
    }
    bool Idle() { return testutil::WaitDialogIdle(*form, 10000); }
    std::unique_ptr<TDialogBase> form;
};

// ---- a field without a value: nothing is sent, the field is named --------------------------

class NothingSent : public WriteOutcomes {};

TEST_P(NothingSent, AndTheFieldIsNamed)
{
    const OutcomeCase& c = GetParam();
    ASSERT_TRUE(StartSim());
    form.reset(c.make());
    ASSERT_TRUE(Idle());
    const int mark = Mark();
    c.command(*form);
    ASSERT_TRUE(Idle());
    Pump(50);
    EXPECT_TRUE(Since(mark, "SET").empty()) << ::testing::PrintToString(Since(mark, "SET"));
    EXPECT_TRUE(LastStatus(*form).contains(QLatin1String(c.shownLast))) << LastStatus(*form).toStdString();
    EXPECT_TRUE(boxes.texts.isEmpty()) << ::testing::PrintToString(boxes.texts);
}

INSTANTIATE_TEST_SUITE_P(
    Dialogs, NothingSent,
    ::testing::Values(
        OutcomeCase{"bulwark_mode_ticked_without_a_choice", [] { return new TBulwarkCtrlForm(nullptr); },
                    [](TDialogBase& d) {
                        auto& f = static_cast<TBulwarkCtrlForm&>(d);
                        f.btnClearCheck->click();
                        f.ckMode->setChecked(true);
                        f.cbxMode->setCurrentIndex(-1);
                        f.btnSet->click();
                    },
                    "Nothing was written: Bulwark mode has no value!"},
        OutcomeCase{"pause_without_an_admin_mode", [] { return new Tdot3PauseForm(nullptr); },
                    [](TDialogBase& d) {
                        auto& f = static_cast<Tdot3PauseForm&>(d);
                        SelectRow(f.ListView1, "3");
                        f.cbxAdminMode->setCurrentIndex(-1);
                        f.btnSet->click();
                    },
                    "Nothing was written: Admin Mode has no value!"},
        OutcomeCase{"gvrp_without_a_choice", [] { return new TVLanGeneralInfoForm(nullptr); },
                    [](TDialogBase& d) {
                        auto& f = static_cast<TVLanGeneralInfoForm&>(d);
                        f.GvrpStatus->setCurrentIndex(-1);
                        f.SetBtn->click();
                    },
                    "Nothing was written: GVRP Status has no value!"}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- a refused write stays in sight after the read that follows it -------------------------

class RefusalStays : public WriteOutcomes {};

TEST_P(RefusalStays, AfterTheReadThatFollows)
{
    const OutcomeCase& c = GetParam();
    ASSERT_TRUE(StartSim());
    // The read-only community: every SET is refused, every read answered.
    KtSNMPDefaults.security.writeCommunity = "public";
    form.reset(c.make());
    ASSERT_TRUE(Idle());
    const int mark = Mark();
    c.command(*form);
    ASSERT_TRUE(Idle());
    Pump(50);
    EXPECT_EQ(Since(mark, "SET").size(), 1u);
    EXPECT_FALSE(Since(mark, "GET").empty() && Since(mark, "GETNEXT").empty() && Since(mark, "GETBULK").empty())
        << "the dialog reads again after the write";
    const QString shown = LastStatus(*form);
    EXPECT_TRUE(shown.startsWith(QLatin1String(c.shownLast))) << shown.toStdString();
    EXPECT_FALSE(shown.contains("Ok!")) << shown.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Dialogs, RefusalStays,
    ::testing::Values(
        OutcomeCase{"spanning_tree_disabled", [] { return new TSpanningTreeAlgorithmForm(nullptr); },
                    [](TDialogBase& d) {
                        auto& f = static_cast<TSpanningTreeAlgorithmForm&>(d);
                        f.ComboBox1->setCurrentText("disabled");
                        f.BT_Set->click();
                    },
                    "Set: "},
        OutcomeCase{"mld_router_ports_set", [] { return new TMLD_SnoopingRouterPortsForm(nullptr); },
                    [](TDialogBase& d) {
                        auto& f = static_cast<TMLD_SnoopingRouterPortsForm&>(d);
                        SelectRow(f.ListView1, "1");
                        f.btnSet->click();
                    },
                    "Set: "},
        OutcomeCase{"guest_vlan_delete", [] { return new TGuestVlanForm(nullptr); },
                    [](TDialogBase& d) { static_cast<TGuestVlanForm&>(d).DelBtn->click(); }, "Set: "}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
