// The configuration control dialog against the simulator: its editor applies one action to the
// selected configuration (one varbind), and "active" keeps the operator in the progress window
// until its tick limit.
#include "dialogs/layer2/MultipleConfigControlForm.h"
#include "tests/support/CompanionRun.h"
#include "tests/support/SimDialogFixture.h"

#include "KtNML/KtSNMPSession.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <memory>

using testutil::ProgressSpy;
using testutil::RunEditor;
using testutil::SelectRowWith;
using testutil::WaitIdle;

namespace {

const QString kAction = QStringLiteral("1.3.6.1.4.1.32473.12.1.2.8.4.1.2.");

class ConfigControl : public testutil::SimDialogFixture {
protected:
    void SetUp() override
    {
        SimDialogFixture::SetUp();
        TProgressBase::SetDefaultTickInterval(1);
    }
    void TearDown() override
    {
        form.reset();
        TProgressBase::SetDefaultTickInterval(TProgressBase::kDefaultTickMs);
        SimDialogFixture::TearDown();
    }
    std::unique_ptr<TMultipleConfigControlForm> form;
};

TEST_F(ConfigControl, ActionGoesAloneToTheSelectedConfigAndActiveWaitsFifteenTicks)
{
    struct Case {
        const char* configuration;
        const char* action;
        int code;
    };
    const Case cases[] = {
        {"cfgId-2", "active", 1}, {"cfgId-1", "delete", 2}, {"cfgId-2", "bootup", 3}, {"cfgId-1", "none", 4},
    };
    StartSim();
    form = std::make_unique<TMultipleConfigControlForm>(nullptr);
    ASSERT_TRUE(WaitIdle(*form));
    ASSERT_EQ(form->ListView1->topLevelItemCount(), 2);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.action);
        const bool active = c.code == 1;
        ASSERT_TRUE(SelectRowWith(form->ListView1, {c.configuration}));
        ASSERT_TRUE(form->EditButton->isEnabled());
        ProgressSpy spy;
        const int from = Mark();
        QString caption;
        bool idFixed = false;
        const bool closed = RunEditor(*form, [&] { form->EditButton->click(); }, [&](TCompanionEditor& e) {
            caption = e.windowTitle();
            idFixed = !form->Editor->cbxCtrlID->isEnabled();
            EXPECT_EQ(form->Editor->cbxCtrlID->currentText(), c.configuration);
            form->Editor->cbxCfgAction->setCurrentText(c.action);
            e.SetButton->click();
        });
        ASSERT_TRUE(WaitIdle(*form));
        EXPECT_TRUE(closed);
        EXPECT_TRUE(idFixed);
        EXPECT_EQ(caption, "Multiple Config Control Edit: " + KtSNMPDefaults.device.address + ":"
                               + QString::number(KtSNMPDefaults.device.port));
        const int config = QString::fromLatin1(c.configuration).right(1).toInt();
        EXPECT_EQ(Since(from, "SET"),
                  std::vector<QStringList>({{kAction + QString::number(config) + "=i:" + QString::number(c.code)}}));
        ASSERT_EQ(spy.seen.size(), active ? 1u : 0u);
        if (active) {
            EXPECT_EQ(spy.seen[0].caption, "Set Config");
            EXPECT_EQ(spy.seen[0].prompt, "Active Config is doing...");
            EXPECT_EQ(spy.seen[0].position, 15);
        }
    }
}

TEST_F(ConfigControl, ActiveRefusedByTheSwitchEndsTheWaitAndShowsWhy)
{
    StartSim();
    form = std::make_unique<TMultipleConfigControlForm>(nullptr);
    ASSERT_TRUE(WaitIdle(*form));
    ASSERT_TRUE(SelectRowWith(form->ListView1, {"cfgId-1"}));
    const QString before = form->Memo1->toPlainText();
    // A community that may only read: the switch refuses the write.
    form->TableRequest()->Request().Params.security.writeCommunity = "public";
    ProgressSpy spy;
    const int from = Mark();
    RunEditor(*form, [&] { form->EditButton->click(); }, [&](TCompanionEditor& e) {
        form->Editor->cbxCfgAction->setCurrentText("active");
        e.SetButton->click();
    });
    ASSERT_TRUE(WaitIdle(*form));
    EXPECT_EQ(Since(from, "SET").size(), 1u);
    ASSERT_LE(spy.seen.size(), 1u);
    if (!spy.seen.empty()) {
        EXPECT_LT(spy.seen[0].position, 15);
    }
    const QString added = form->Memo1->toPlainText().mid(before.size());
    EXPECT_TRUE(added.contains("No Access")) << added.toStdString();
}

} // namespace
