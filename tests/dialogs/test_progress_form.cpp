// The progress windows: they close themselves at their tick limit, cannot be closed by the
// operator, and do not keep the operator waiting for a write that failed.
#include "KtNML/KtSNMPRequest2Edits.h"
#include "KtNML/KtSNMPVarList.h"
#include "dialogs/ProgressForm.h"
#include "tests/support/SimDialogFixture.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QStatusBar>
#include <QTimer>

#include <gtest/gtest.h>

using testutil::waitFor;

namespace {

TEST(ProgressForm, HasNoCloseBoxAndStartsEmptyAtThe76StepBar)
{
    TProgressForm2 progress(nullptr);
    EXPECT_FALSE(progress.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_EQ(progress.windowTitle(), "Progress");
    EXPECT_EQ(progress.ProgressBar->minimum(), 0);
    EXPECT_EQ(progress.ProgressBar->maximum(), 76);
    EXPECT_EQ(progress.ProgressBar->value(), 0);
    EXPECT_EQ(progress.TickLimit(), 30);
    EXPECT_EQ(progress.ProgressTimer->interval(), 1000);
}

// The window stays through Escape and the window manager's close, and closes itself when the
// bar has reached the limit.
class ProgressLimit : public ::testing::TestWithParam<int> {};

TEST_P(ProgressLimit, ClosesItselfWhenTheBarReachesTheLimit)
{
    const int limit = GetParam();
    TProgressForm2 progress(nullptr);
    progress.SetTickInterval(1);
    progress.SetTickLimit(limit);
    progress.SetPrompt("Change STP Version is doing...");

    int ticksSeen = 0;
    bool stayedOpen = true;
    QObject::connect(progress.ProgressTimer, &QTimer::timeout, &progress, [&] {
        if (++ticksSeen != 3)
            return;
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(&progress, &escape);
        progress.close();
        stayedOpen = progress.isVisible();
    });
    progress.ShowModal();

    EXPECT_TRUE(stayedOpen);
    EXPECT_FALSE(progress.isVisible());
    EXPECT_EQ(progress.ProgressBar->value(), limit);
    EXPECT_EQ(ticksSeen, limit + 1);  // the tick after the last step closes it
    EXPECT_FALSE(progress.ProgressTimer->isActive());
}

INSTANTIATE_TEST_SUITE_P(Limits, ProgressLimit, ::testing::Values(30, 15));

TEST(ProgressForm, BarStartsAgainWhenItReachesItsEnd)
{
    TProgressForm2 progress(nullptr);
    progress.SetTickInterval(1);
    progress.SetTickLimit(100);  // beyond the bar's 76
    int highest = 0;
    int ticks = 0;
    // The position never reaches 100, so the window would run for ever: stopped from outside.
    QObject::connect(progress.ProgressTimer, &QTimer::timeout, &progress, [&] {
        highest = std::max(highest, progress.ProgressBar->value());
        if (++ticks == 90)
            progress.done(0);
    });
    progress.ShowModal();
    EXPECT_EQ(progress.ProgressBar->value(), 90 - 76);  // 76 went back to 0
    EXPECT_EQ(highest, 75);
}

// ---- the window that sends the write ----------------------------------------------------------

const KtSNMPVarDef kMaxAge[] = {
    {"1.3.6.1.4.1.32473.12.15.1.3", "Max Age[600-4000]", KtSyn::Integer, KtAcc::ReadWrite},
    {},
};

class ProgressWrite : public testutil::SimDialogFixture {
protected:
    void SetUp() override
    {
        SimDialogFixture::SetUp();
        StartSim();
        binding = std::make_unique<KtSNMPRequest2Edits>(nullptr);
        KtSNMPVarList list(kMaxAge, KtItem::SVT_SV, 0);
        list.Name = "maxAge";
        binding->VarList().Assign(list);
        binding->Bind(0, &edit);
        binding->SetStatusTarget(&panel);
    }
    void TearDown() override
    {
        binding.reset();
        SimDialogFixture::TearDown();
    }

    QLineEdit edit;
    QLabel panel;
    std::unique_ptr<KtSNMPRequest2Edits> binding;
};

TEST_F(ProgressWrite, SendsTheWriteWhileItIsMadeAndWaitsItsTicks)
{
    edit.setText("1800");
    const int from = Mark();
    TProgressForm progress(nullptr, *binding);
    progress.SetTickInterval(1);
    EXPECT_EQ(progress.ShowModal(), QDialog::Accepted);
    ASSERT_TRUE(waitFor([&] { return !binding->Busy(); }, 5000));
    EXPECT_EQ(Since(from, "SET"), std::vector<QStringList>({{"1.3.6.1.4.1.32473.12.15.1.3.0=i:1800"}}));
    EXPECT_EQ(progress.ProgressBar->value(), 30);
    EXPECT_FALSE(progress.WriteFailed());
}

TEST_F(ProgressWrite, AWriteThatCannotBeSentShowsNoWindowAndOneMessage)
{
    edit.setText("abc");  // no number: refused before anything goes out
    const int from = Mark();
    TProgressForm progress(nullptr, *binding);
    bool shown = false;
    QObject::connect(progress.ProgressTimer, &QTimer::timeout, &progress, [&] { shown = true; });
    EXPECT_EQ(progress.ShowModal(), QDialog::Rejected);
    EXPECT_FALSE(shown);
    EXPECT_TRUE(progress.WriteFailed());
    EXPECT_EQ(progress.ProgressBar->value(), 0);
    EXPECT_TRUE(Since(from, "SET").empty());
    EXPECT_TRUE(panel.text().startsWith("Set: ")) << panel.text().toStdString();
    EXPECT_FALSE(panel.text().contains("Ok!")) << panel.text().toStdString();
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
}

TEST_F(ProgressWrite, AWriteTheSwitchRefusesClosesTheWindowAtOnce)
{
    edit.setText("5000");  // out of the switch's range: wrongValue
    TProgressForm progress(nullptr, *binding);
    progress.SetTickInterval(100);  // 3 s to the limit; the refusal comes long before
    progress.ShowModal();
    EXPECT_TRUE(progress.WriteFailed());
    EXPECT_LT(progress.ProgressBar->value(), 30);
    EXPECT_FALSE(panel.text().contains("Ok!")) << panel.text().toStdString();
}

} // namespace
