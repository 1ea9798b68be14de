// Every generic view of the catalogue opened as its menu command builds it, read from the
// simulator: caption, columns or rows with their labels, the first read's status line, and as
// many rows as the switch holds.
#include "KtNML/KtEditConstraint.h"
#include "KtNML/KtSNMPRequest.h"
#include "KtNML/KtSNMPSession.h"
#include "shell/MainMenu.h"
#include "shell/ViewCatalogue.h"
#include "tests/support/MessageRecorder.h"
#include "tests/support/SimProcess.h"
#include "tests/support/TestUtil.h"
#include "views/CtrlPanels.h"
#include "views/WindowTitle.h"
#include "views/Guiconfigform.h"
#include "views/SNMPListViewPanel.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest/QTest>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <memory>

namespace {

class CatalogueViewTest : public ::testing::TestWithParam<int> {
protected:
    static void SetUpTestSuite()
    {
        s_dir = new QTemporaryDir;
        s_sim = new testutil::SimProcess;
        s_started = s_sim->start({QStringLiteral("--freeze")});
        KtSNMPInitSession(s_dir->path());
    }
    static void TearDownTestSuite()
    {
        KtSNMPCloseSession();
        delete s_sim;
        delete s_dir;
    }
    void SetUp() override
    {
        ASSERT_TRUE(s_started) << s_sim->errorText().toStdString();
        KtSNMPDefaults.device.address = s_sim->address();
        KtSNMPDefaults.device.port = s_sim->port();
        KtSNMPDefaults.security.version = 1;
        KtSNMPDefaults.security.readCommunity = "public";
        KtSNMPDefaults.security.writeCommunity = "private";
        KtSNMPDefaults.timeout = 300;
        TMenuHooks hooks;
        hooks.deviceAddress = [] { return s_sim->address(); };
        hooks.displayScale = [] { return 1.0; };
        m_menu = new TMainMenu(&m_window, hooks);
    }

    // Rows the switch holds for a table view's list, read without the view.
    static int rowsOnTheSwitch(const KtViewEntry& e)
    {
        KtSNMPRequest r;
        r.VarList.Assign(KtSNMPVarList(e.table, e.itemType, e.keyCount));
        int rows = 0;
        for (bool more = r.Get(true); more; more = r.Get(false))
            ++rows;
        return rows;
    }

    static QTemporaryDir* s_dir;
    static testutil::SimProcess* s_sim;
    static bool s_started;
    QMainWindow m_window;
    TMainMenu* m_menu = nullptr;
    testutil::MessageRecorder m_boxes;
};

QTemporaryDir* CatalogueViewTest::s_dir = nullptr;
testutil::SimProcess* CatalogueViewTest::s_sim = nullptr;
bool CatalogueViewTest::s_started = false;

TEST_P(CatalogueViewTest, OpensReadsAndShowsItsVariables)
{
    const KtViewEntry& e = *KtViewCatalogue()[std::size_t(GetParam())];
    SCOPED_TRACE(KtViewPath(e));
    std::unique_ptr<TConfigForm> form(m_menu->BuildGenericView(e));
    ASSERT_TRUE(form) << m_boxes.texts.join('\n').toStdString();
    EXPECT_EQ(form->windowTitle(), KtWindowTitle(QString::fromUtf8(e.captionPrefix), s_sim->address()));

    // The form reads once its loop runs, as inside exec().
    form->show();
    QPlainTextEdit* memo = form->Panel()->Memo();
    ASSERT_TRUE(testutil::waitFor([&] { return memo->toPlainText().contains(QLatin1String("Get:")); }, 20000))
        << "no status line after the first read";
    const QString status = memo->toPlainText();
    EXPECT_TRUE(status.startsWith(QLatin1String("Get: (ZiDUVA++) Ok!"))) << status.toStdString();

    const KtSNMPVarList& list = form->Panel()->Request()->Request().VarList;
    ASSERT_EQ(list.Count(), e.varCount);
    if (e.kind == KtViewKind::Table) {
        auto* table = qobject_cast<TSNMPListViewPanel*>(form->Panel());
        ASSERT_TRUE(table);
        QTreeWidget* view = table->ListView();
        // One column per variable shown, captioned with its label, in list order.
        QStringList expectedHeaders;
        for (int i = 0; i < list.Count(); ++i)
            if (list.IsDisplayed(i))
                expectedHeaders << list.Item(i).Label;
        QStringList headers;
        for (int c = 0; c < view->columnCount(); ++c)
            if (view->columnWidth(c) > 0)
                headers << view->headerItem()->text(c);
        EXPECT_EQ(headers, expectedHeaders);
        const int expectedRows = rowsOnTheSwitch(e);
        EXPECT_GE(expectedRows, 1);
        EXPECT_EQ(view->topLevelItemCount(), expectedRows);
        EXPECT_EQ(table->Buttons()->Counter->text(), QString::number(expectedRows));
    } else {
        TEditsPanel* edits = form->Panel()->EditsPanel();
        ASSERT_TRUE(edits);
        ASSERT_GE(edits->RowCount(), list.Count());
        for (int i = 0; i < list.Count(); ++i) {
            SCOPED_TRACE(i);
            ASSERT_TRUE(edits->RowAt(i).Label);
            EXPECT_EQ(edits->RowAt(i).Label->text(), list.Item(i).Label);
            if (list.IsReadable(i)) {
                EXPECT_NE(list.Item(i).Value, QLatin1String("(NULL)"));
                EXPECT_FALSE(list.Item(i).Value.isEmpty() && list.Item(i).Syntax != KtSyn::DisplayStr)
                    << list.Item(i).Label.toStdString();
            }
        }
    }
    EXPECT_TRUE(m_boxes.texts.isEmpty()) << m_boxes.texts.join('\n').toStdString();
    form->close();
}

// A view's input format refuses a bad value with the constraint's message, puts the last good
// value back, and the bad value never reaches the switch.
using CatalogueFormatTest = CatalogueViewTest;

TEST_F(CatalogueFormatTest, ABadValueIsRefusedWithTheConstraintsMessageAndNeverSent)
{
    const KtViewEntry* e = FindView("Single IP / Single IP Control");
    ASSERT_TRUE(e);
    const QStringList& boxes = m_boxes.texts;
    std::unique_ptr<TConfigForm> form(m_menu->BuildGenericView(*e));
    ASSERT_TRUE(form);
    form->show();
    form->activateWindow();
    QPlainTextEdit* memo = form->Panel()->Memo();
    ASSERT_TRUE(testutil::waitFor([&] { return memo->toPlainText().contains(QLatin1String("Get:")); }, 20000));
    ASSERT_TRUE(testutil::waitFor([&] { return form->isActiveWindow(); }, 3000));

    TEditsPanel* edits = form->Panel()->EditsPanel();
    auto* holdtime = qobject_cast<QLineEdit*>(edits->RowAt(2).Value);
    auto* interval = qobject_cast<QLineEdit*>(edits->RowAt(3).Value);
    ASSERT_TRUE(holdtime && interval);
    const QString good = holdtime->text();
    ASSERT_FALSE(good.isEmpty());
    edits->RowAt(2).Tick->click();  // as the operator ticks it
    const int before = int(s_sim->requests().size());

    holdtime->setFocus();
    ASSERT_TRUE(testutil::waitFor([&] { return holdtime->hasFocus(); }, 3000));
    holdtime->selectAll();
    QTest::keyClicks(holdtime, "99");
    interval->setFocus();  // leaving the field runs its check
    ASSERT_TRUE(testutil::waitFor([&] { return !boxes.isEmpty(); }, 3000));
    EXPECT_EQ(boxes.first(), "Please enter a number between 100 and 255!");
    EXPECT_EQ(holdtime->text(), good);

    form->Panel()->Buttons()->btnSetChecked->click();
    ASSERT_TRUE(testutil::waitFor([&] { return memo->toPlainText().contains(QLatin1String("Set:")); }, 5000))
        << memo->toPlainText().toStdString() << " / boxes: " << boxes.join(" ; ").toStdString();
    QList<testutil::SimProcess::Request> sent = s_sim->requests().mid(before);
    sent.removeIf([](const testutil::SimProcess::Request& r) { return r.type != QLatin1String("SET"); });
    ASSERT_EQ(sent.size(), 1);
    ASSERT_EQ(sent[0].varbinds.size(), 1) << "only the ticked row";
    EXPECT_EQ(sent[0].varbinds[0].oid, "1.3.6.1.4.1.32473.12.8.1.2.3.0");
    EXPECT_EQ(sent[0].varbinds[0].value, good) << "the refused value never goes out";
    form->close();
}

std::string ViewName(const ::testing::TestParamInfo<int>& info)
{
    std::string name = std::to_string(info.param) + "_";
    for (char c : std::string(KtViewPath(*KtViewCatalogue()[std::size_t(info.param)])))
        if (std::isalnum(static_cast<unsigned char>(c)))
            name += c;
    return name;
}

INSTANTIATE_TEST_SUITE_P(Catalogue, CatalogueViewTest, ::testing::Range(0, int(KtViewCatalogue().size())), ViewName);

} // namespace
