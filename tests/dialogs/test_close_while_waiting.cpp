// Closing each kind of dialog while its Refresh waits for a slow switch: a synchronous one is
// closed once its operation has ended (the walk stops after the reply outstanding), an
// asynchronous one refuses with its guard message and closes once idle. Under the sanitizer
// build this is also the check that nothing is touched after it has gone.
#include "dialogs/CompanionEditor.h"
#include "dialogs/layer2/MBAControlForm.h"
#include "dialogs/security/EthernetMaskInformationForm.h"
#include "dialogs/security/IPRuleForm.h"
#include "dialogs/security/RadiusServerForm.h"
#include "tests/support/SimDialogFixture.h"

#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>

using testutil::Pump;
using testutil::waitFor;

namespace {

struct CloseCase {
    const char* name;
    std::function<TDialogBase*()> make;
    const char* refresh;           // the Refresh button's object name
    bool closesAfterItsOperation;  // else refused while busy
    bool closeLandsInTheWait;      // a walk lets events run; a scalar read blocks throughout
};

void PrintTo(const CloseCase& c, std::ostream* os)
{
    *os << c.name;
}

class CloseWhileWaiting : public testutil::SimDialogFixture, public ::testing::WithParamInterface<CloseCase> {
protected:
    void TearDown() override
    {
        form.reset();
        SimDialogFixture::TearDown();
    }
    bool Idle() { return testutil::WaitDialogIdle(*form, 20000); }
    std::unique_ptr<TDialogBase> form;
};

TEST_P(CloseWhileWaiting, DuringItsRefresh)
{
    const CloseCase& c = GetParam();
    ASSERT_TRUE(StartSim({"--delay", "100"}));
    form.reset(c.make());
    ASSERT_TRUE(Idle());
    form->show();
    auto* refresh = form->findChild<QPushButton*>(QLatin1String(c.refresh));
    ASSERT_TRUE(refresh);
    bool busyAtClose = false;
    // Due at once: it fires at the first moment the Refresh lets events run (a walk's first row).
    QTimer::singleShot(0, form.get(), [&] {
        busyAtClose = std::any_of(form->Requests().begin(), form->Requests().end(),
                                  [](const auto& r) { return r->Busy(); });
        form->close();
    });
    refresh->click();
    if (c.closesAfterItsOperation) {
        ASSERT_TRUE(waitFor([&] { return !form->isVisible(); }, 10000));
        EXPECT_EQ(busyAtClose, c.closeLandsInTheWait);
        EXPECT_TRUE(form->Requests().empty());
        EXPECT_TRUE(boxes.texts.isEmpty()) << ::testing::PrintToString(boxes.texts);
    } else {
        ASSERT_TRUE(waitFor([&] { return !boxes.texts.isEmpty(); }, 10000));
        EXPECT_TRUE(busyAtClose);
        EXPECT_EQ(boxes.texts, QStringList({form->GuardMessage()}));
        EXPECT_TRUE(form->isVisible());
        ASSERT_TRUE(Idle());
        form->close();
        EXPECT_FALSE(form->isVisible());
    }
    form.reset();
    Pump(50);
}

INSTANTIATE_TEST_SUITE_P(
    Dialogs, CloseWhileWaiting,
    ::testing::Values(
        CloseCase{"synchronous_table", [] { return new TEthernetMaskInformationForm(nullptr); }, "BT_Get", true, true},
        CloseCase{"synchronous_scalars", [] { return new TMBAControlForm(nullptr); }, "BT_Get", true, false},
        CloseCase{"acl_rules", [] { return new TIPRuleForm(nullptr); }, "GetButton", true, true},
        CloseCase{"companion_editor", [] { return new TRadiusServerForm(nullptr); }, "GetButton", false, true}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
