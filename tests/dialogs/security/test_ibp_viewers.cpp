// The IP-MAC binding viewers against the simulator: each lists its table, shows the selected
// row in display-only controls (a rule's ports in the grid, a port the model lacks included),
// sends nothing whatever is done to it, and closes as every dialog does.
#include "dialogs/StackingPortUitForm.h"
#include "dialogs/security/IbpViewerForms.h"
#include "tests/support/SimDialogFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>

namespace {

struct ViewerCase {
    const char* name;
    std::function<TIbpViewerForm*()> make;
    int rows;
    int selected;                            // the row looked at
    std::map<QString, QString> edits;        // form name -> text
    QString combo;
    std::vector<int> ports;                  // ticked boxes (port numbers); grid viewers only
    bool grid;
};

class IbpViewers : public testutil::SimDialogFixture, public ::testing::WithParamInterface<ViewerCase> {
protected:
    void TearDown() override
    {
        form.reset();
        SimDialogFixture::TearDown();
    }
    void Select(int row)
    {
        form->ListView1->setCurrentItem(form->ListView1->topLevelItem(row));
        form->ListView1->topLevelItem(row)->setSelected(true);
    }
    std::unique_ptr<TIbpViewerForm> form;
};

TEST_P(IbpViewers, ShowTheSelectedRowReadOnly)
{
    const ViewerCase& c = GetParam();
    ASSERT_TRUE(StartSim());
    form.reset(c.make());
    ASSERT_EQ(form->ListView1->topLevelItemCount(), c.rows);
    EXPECT_TRUE(form->StatusBar1->currentMessage().contains("Ok")) << form->StatusBar1->currentMessage().toStdString();
    ASSERT_EQ(form->PortGrid != nullptr, c.grid);
    ASSERT_TRUE(form->Combo || c.combo.isEmpty());

    Select(c.selected);
    for (const auto& [name, text] : c.edits) {
        SCOPED_TRACE(name.toStdString());
        QLineEdit* edit = form->EditNamed(name);
        ASSERT_NE(edit, nullptr);
        EXPECT_EQ(edit->text(), text);
        EXPECT_TRUE(edit->isReadOnly());
    }
    if (form->Combo) {
        EXPECT_EQ(form->Combo->currentText(), c.combo);
        EXPECT_FALSE(form->Combo->isEnabled());
    }
    if (form->PortGrid) {
        const std::vector<QCheckBox*> boxes32 = form->PortGrid->FirstBoxes(32);
        for (int k = 0; k < 32; ++k) {
            SCOPED_TRACE(k + 1);
            const bool ticked = std::find(c.ports.begin(), c.ports.end(), k + 1) != c.ports.end();
            EXPECT_EQ(boxes32[std::size_t(k)]->isChecked(), ticked);
        }
        EXPECT_FALSE(boxes32.front()->isEnabled());
    }

    form->ListView1->clearSelection();
    for (QLineEdit* edit : form->Edits)
        EXPECT_TRUE(edit->text().isEmpty()) << edit->objectName().toStdString();
    if (form->Combo) {
        EXPECT_EQ(form->Combo->currentIndex(), -1);
    }
    if (form->PortGrid) {
        for (QCheckBox* box : form->PortGrid->PortBoxes)
            EXPECT_FALSE(box->isChecked());
    }
}

TEST_P(IbpViewers, SendNothingWhateverIsDone)
{
    const ViewerCase& c = GetParam();
    ASSERT_TRUE(StartSim());
    form.reset(c.make());
    const int mark = Mark();
    for (int row = 0; row < form->ListView1->topLevelItemCount(); ++row) {
        Select(row);
        for (QLineEdit* edit : form->Edits) {
            edit->setFocus();
            QTest::keyClicks(edit, "99");
            QTest::keyClick(edit, Qt::Key_Return);
        }
        if (form->Combo) {
            QTest::mouseClick(form->Combo, Qt::LeftButton);
            QTest::keyClick(form->Combo, Qt::Key_Down);
        }
        if (form->PortGrid)
            for (QCheckBox* box : form->PortGrid->PortBoxes)
                box->click();
        QTest::keyClick(form.get(), Qt::Key_Return);
    }
    for (QPushButton* button : form->findChildren<QPushButton*>())
        button->click();
    EXPECT_EQ(form->ListView1->topLevelItemCount(), c.rows);
    EXPECT_TRUE(Since(mark, "SET").empty());
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();

    // The common close: requests and grid freed, nothing sent on the way out.
    form->reject();
    EXPECT_TRUE(form->Requests().empty());
    EXPECT_EQ(form->PortGrid, nullptr);
    EXPECT_TRUE(Since(mark, "SET").empty());
}

INSTANTIATE_TEST_SUITE_P(
    Tables, IbpViewers,
    ::testing::Values(
        ViewerCase{"EtherMask", [] { return new TIBPACLEtherMaskForm(nullptr); }, 2, 0, {{"edtID", "1"}}, "enabled", {},
                   false},
        ViewerCase{"IpMask",
                   [] { return new TIBPIPMaskForm(nullptr); },
                   2,
                   0,
                   {{"edtID", "3"}, {"edtSrcMacMask", "FFFFFFFFFFFF"}, {"edtSrcIPMask", "255.255.255.255"}},
                   {},
                   {},
                   false},
        ViewerCase{"EtherRule",
                   [] { return new TIBPEtherRuleForm(nullptr); },
                   2,
                   0,
                   {{"edtMaskID", "1"}, {"edtAccessID", "1"}, {"edtRuleType", "0806"}},
                   "permit",
                   {1, 2, 12},
                   true},
        ViewerCase{"IpRule",
                   [] { return new TIBPIPRuleForm(nullptr); },
                   2,
                   1,
                   {{"edtMaskID", "3"}, {"edtAccessID", "5"}, {"edtSrcMac", "001B213A4F11"}, {"edtSrcIP", "10.1.1.21"}},
                   "deny",
                   {10},
                   true}),
    [](const ::testing::TestParamInfo<ViewerCase>& info) { return std::string(info.param.name); });

} // namespace
