// The generic views end to end against the switch simulator (data/views.sim): an editor
// reads its group and writes only the ticked rows; a table view walks its rows, adds one
// through the add form, edits one, deletes one after confirmation and is walked again; a
// view closed in the middle of a slow walk goes cleanly; a table sorted by a header click edits the
// row the operator chose and keeps its order through the walk that follows.
#include "KtNML/KtSNMPSession.h"
#include "tests/support/ListClicks.h"
#include "tests/support/SimProcess.h"
#include "tests/support/TableFormDriver.h"
#include "tests/support/TestUtil.h"
#include "tests/views/ViewTestSupport.h"
#include "views/CounterRates.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QPointer>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <initializer_list>
#include <tuple>
#include <vector>

using namespace viewtest;
using testutil::SimProcess;
using testutil::waitFor;

namespace {

QString LastLine(const QPlainTextEdit* memo)
{
    const QStringList lines = memo->toPlainText().split(u'\n');
    return lines.isEmpty() ? QString() : lines.last();
}

QString Hex(const char* text)
{
    return QString::fromLatin1(QByteArray(text).toHex().toUpper());
}

std::vector<QStringList> Rows(const QTreeWidget* view)
{
    std::vector<QStringList> rows;
    for (int r = 0; r < view->topLevelItemCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < view->columnCount(); ++c)
            cells << view->topLevelItem(r)->text(c);
        rows.push_back(cells);
    }
    return rows;
}

void SaveRendering(QWidget* w, const char* name)
{
    w->grab().save(testutil::binaryDir() + QLatin1Char('/') + QLatin1String(name));
}

// Enter pressed in a field, delivered as the keyboard would (unhandled keys travel up to the form).
void PressEnter(QWidget* field)
{
    for (const int key : {int(Qt::Key_Return), int(Qt::Key_Enter)}) {
        const Qt::KeyboardModifiers modifiers = key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
        QKeyEvent press(QEvent::KeyPress, key, modifiers);
        QKeyEvent release(QEvent::KeyRelease, key, modifiers);
        QApplication::sendEvent(field, &press);
        QApplication::sendEvent(field, &release);
    }
    QApplication::processEvents();
}

// Whether the memo's viewport shows at least part of line n (its first line of text).
bool LineInSight(QPlainTextEdit* memo, int n)
{
    const QTextBlock block = memo->document()->findBlockByNumber(n);
    if (!block.isValid())
        return false;
    QTextCursor cursor(block);
    const QRect at = memo->cursorRect(cursor);
    return at.bottom() > 0 && at.top() < memo->viewport()->height();
}

using testutil::WhenFormOpens;

class ViewSim : public ::testing::Test {
protected:
    void SetUp() override
    {
        KtSNMPInitSession(m_dir.path());
        KtSNMPDefaults.security.version = 1;  // SNMPv2c
        KtSNMPDefaults.security.readCommunity = "public";
        KtSNMPDefaults.security.writeCommunity = "private";
        KtSNMPDefaults.timeout = 100;
        KtSNMPDefaults.getBulk = true;  // a slow switch of an earlier test turned it off
    }
    void TearDown() override { KtSNMPCloseSession(); }

    void StartSim(QStringList extra = {})
    {
        // A slow switch is there to act while a walk runs: get-next brings one row per delayed
        // reply, where get-bulk would bring the table in a few.
        if (extra.contains(QStringLiteral("--delay")))
            KtSNMPDefaults.getBulk = false;
        extra << "--data" << testutil::sourceDir() + "/tests/views/data/views.sim" << "--freeze";
        ASSERT_TRUE(sim.start(extra)) << sim.errorText().toStdString();
        KtSNMPDefaults.device.address = sim.address();
        KtSNMPDefaults.device.port = sim.port();
    }

    int Logged() { return int(sim.requests().size()); }

    // Requests of one type logged after the first `from`, each as "OID=T:VALUE" (or OIDs).
    std::vector<QStringList> Since(int from, const QString& type) { return sim.requestsSince(from, type); }

    QTemporaryDir m_dir;
    SimProcess sim;
    BoxRecorder boxes;
};

TEST_F(ViewSim, EditorReadsItsGroupAndSetsOnlyTheTickedRows)
{
    StartSim();
    TConfigForm form;
    form.setWindowTitle("Test Group: 127.0.0.1");
    TSNMPEditorPanel* panel = form.AddEditorPanel(MakeRequest(&form, kGroup, KtItem::SVT_SV, 0, "testGroup"));
    TEditsPanel* edits = panel->EditsPanel();
    QPlainTextEdit* memo = panel->Memo();
    form.show();
    ASSERT_TRUE(waitFor([&] { return memo->toPlainText().startsWith("Get: "); }, 5000));
    EXPECT_TRUE(LastLine(memo).startsWith("Get: (ZiDUVA++) Ok! Request:testGroup. Receive at "))
        << LastLine(memo).toStdString();
    EXPECT_EQ(EditOf(edits, 0)->text(), "VKR-2207 test unit");
    EXPECT_EQ(EditOf(edits, 1)->text(), "lab");
    EXPECT_EQ(ComboOf(edits, 2)->currentText(), "disabled");
    EXPECT_EQ(EditOf(edits, 3)->text(), "7");  // no option text for 7
    EXPECT_EQ(EditOf(edits, 4)->text(), "30");
    EXPECT_EQ(EditOf(edits, 5)->text(), "10.0.0.1");
    for (int row : {0, 3}) {
        EXPECT_FALSE(edits->RowAt(row).Tick->isVisible()) << row;
        EXPECT_TRUE(EditOf(edits, row)->isReadOnly()) << row;
    }
    SaveRendering(&form, "views-editor.png");

    // Two of four editable rows ticked; the changed but unticked state stays out.
    EditOf(edits, 1)->setText("core");
    edits->RowAt(1).Tick->click();
    ComboOf(edits, 2)->setCurrentText("enabled");
    EditOf(edits, 4)->setText("45");
    edits->RowAt(4).Tick->click();
    int from = Logged();
    panel->Buttons()->btnSetChecked->click();
    const auto sets = Since(from, "SET");
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0], QStringList({"1.3.6.1.4.1.32473.78.1.2.0=x:" + Hex("core"), "1.3.6.1.4.1.32473.78.1.4.0=i:45"}));
    EXPECT_TRUE(LastLine(memo).startsWith("Set: (ZiDUVA++) Ok! Request:testGroup.")) << LastLine(memo).toStdString();
    EXPECT_EQ(panel->Request()->Mode, 1);

    // A ticked row left empty: a warning, nothing sent, and no variable stays left out.
    EditOf(edits, 1)->clear();
    from = Logged();
    panel->Buttons()->btnSetChecked->click();
    EXPECT_EQ(boxes.texts, QStringList{"Some items are empty!"});
    EXPECT_EQ(boxes.TextsOf(KtMessageKind::Warning), QStringList{"Some items are empty!"});
    EXPECT_TRUE(Since(from, "SET").empty());
    EXPECT_EQ(panel->Request()->Mode, 1);
    for (int i = 0; i < panel->Request()->VarList().Count(); ++i)
        EXPECT_FALSE(panel->Request()->VarList().Item(i).Access & KtAcc::Invalid) << i;
    from = Logged();
    panel->Buttons()->btnRefresh->click();
    ASSERT_TRUE(waitFor([&] { return EditOf(edits, 1)->text() == "core"; }, 5000));
    const auto gets = Since(from, "GET");
    ASSERT_EQ(gets.size(), 1u);
    EXPECT_EQ(gets[0].size(), 6);
    EXPECT_EQ(EditOf(edits, 4)->text(), "45");
    EXPECT_EQ(ComboOf(edits, 2)->currentText(), "disabled");
    form.close();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.RequestCount(), 0);
}

// Enter in a field presses no button: the typed value is neither read over nor written, and
// no form closes.
TEST_F(ViewSim, EnterInAFieldNeitherReadsNorWrites)
{
    StartSim();
    TConfigForm form;
    TSNMPListViewPanel* panel = form.AddTablePanel(MakeRequest(&form, kHosts, KtItem::MVT_UMV, 1, "hosts"),
                                                   kHostsStatusRow, "createAndGo", kHostsStatusRow, "destroy");
    TEditsPanel* edits = panel->EditsPanel();
    form.show();
    ASSERT_TRUE(waitFor([&] { return panel->ListView()->topLevelItemCount() == 3 && !panel->Request()->Busy(); }, 5000));
    int from = Logged();
    PressEnter(panel->ListView());
    EXPECT_EQ(Logged(), from) << "Enter in the table reads nothing";
    WhenFormOpens(panel, [&](QDialog* add) {
        EditOf(edits, 0)->setText("8");
        EditOf(edits, 1)->setText("typed");
        edits->RowAt(1).Tick->click();
        EditOf(edits, 1)->setFocus();
        PressEnter(EditOf(edits, 1));
        EXPECT_TRUE(add->isVisible()) << "Enter does not set and close";
        EXPECT_EQ(EditOf(edits, 1)->text(), "typed");
    });
    panel->Buttons()->btnAdd->click();
    EXPECT_TRUE(Since(from, "SET").empty());
    ASSERT_TRUE(waitFor([&] { return !panel->Request()->Busy(); }, 5000));  // the walk after the form
    form.close();

    TConfigForm editor;
    TSNMPEditorPanel* group = editor.AddEditorPanel(MakeRequest(&editor, kGroup, KtItem::SVT_SV, 0));
    QLineEdit* location = EditOf(group->EditsPanel(), 1);
    editor.show();
    ASSERT_TRUE(waitFor([&] { return location->text() == "lab"; }, 5000));
    location->setText("typed");
    location->setFocus();
    from = Logged();
    PressEnter(location);
    waitFor([] { return false; }, 200);  // a read it started would answer in this time
    EXPECT_EQ(Logged(), from);
    EXPECT_EQ(location->text(), "typed");
    EXPECT_TRUE(editor.isVisible());
}

// A switch that does not answer: the view says so and shows nothing it has not read.
TEST_F(ViewSim, FailedReadLeavesTheControlsEmpty)
{
    StartSim({"--drop", "all"});
    KtSNMPDefaults.timeout = 20;
    TConfigForm form;
    TSNMPEditorPanel* panel = form.AddEditorPanel(MakeRequest(&form, kGroup, KtItem::SVT_SV, 0, "testGroup"));
    TEditsPanel* edits = panel->EditsPanel();
    form.show();
    ASSERT_TRUE(waitFor([&] { return !LastLine(panel->Memo()).isEmpty(); }, 10000));
    EXPECT_TRUE(LastLine(panel->Memo()).startsWith("Get: " + KtMessage(KtErr::Timeout))) << LastLine(panel->Memo()).toStdString();
    EXPECT_EQ(ComboOf(edits, 2)->currentIndex(), -1);
    EXPECT_TRUE(ComboOf(edits, 2)->currentText().isEmpty());
    for (int row : {0, 1, 3, 4, 5})
        EXPECT_TRUE(EditOf(edits, row)->text().isEmpty()) << row;
}

// The agent refuses a new row: the add form closes, the table is walked again, and the
// write's error stays in sight as a "Set:" line in the error colour above the walk's line.
TEST_F(ViewSim, FailedAddStaysInSightAfterTheRefresh)
{
    StartSim();
    TConfigForm form;
    TSNMPListViewPanel* panel = form.AddTablePanel(MakeRequest(&form, kHosts, KtItem::MVT_UMV, 1, "hosts"),
                                                   kHostsStatusRow, "createAndGo", kHostsStatusRow, "destroy");
    TEditsPanel* edits = panel->EditsPanel();
    QPlainTextEdit* memo = panel->Memo();
    const auto walked = [&] { return LastLine(memo).startsWith("Get: ") && !panel->Request()->Busy(); };
    form.show();
    ASSERT_TRUE(waitFor(walked, 5000));
    for (int k = 0; k < 3; ++k) {  // a memo with history
        panel->Buttons()->btnRefresh->click();
        ASSERT_TRUE(waitFor(walked, 5000));
    }
    const int before = memo->blockCount();
    WhenFormOpens(panel, [&](QDialog* add) {
        EditOf(edits, 0)->setText("9");
        EditOf(edits, 1)->setText(QString(40, u'x'));  // longer than the agent takes
        edits->RowAt(1).Tick->click();
        add->findChild<QPushButton*>("Set Checked")->click();
        EXPECT_TRUE(add->isVisible()) << "a failed set keeps the form";
        add->close();  // the operator gives up: the table is read again
    });
    panel->Buttons()->btnAdd->click();
    ASSERT_TRUE(waitFor([&] { return memo->blockCount() >= before + 2 && walked(); }, 5000));
    const int error = memo->blockCount() - 2;
    const QTextBlock line = memo->document()->findBlockByNumber(error);
    EXPECT_TRUE(line.text().startsWith("Set: (SNMP) Cannot create/set variable, Wrong Length! Request:hosts."))
        << line.text().toStdString();
    EXPECT_EQ(line.begin().fragment().charFormat().foreground().color(), KtStatusErrorColour());
    EXPECT_TRUE(LastLine(memo).startsWith("Get: (ZiDUVA++) Ok!"));
    QApplication::processEvents();
    EXPECT_TRUE(LineInSight(memo, error)) << "the error is still in sight";
    EXPECT_TRUE(LineInSight(memo, memo->blockCount() - 1)) << "and so is the newest line";
    EXPECT_FALSE(LineInSight(memo, 0)) << "older lines scroll away";
}

// A Set from the Add form that fails, whether the agent refuses it or does not answer at all,
// leaves the form open with what was typed and ticked and the error in the memo; corrected
// and sent again, the input creates the row and closes the form.
TEST_F(ViewSim, AddFormKeepsItsInputWhenTheSetFails)
{
    const struct {
        const char* name;
        const char* key;
        QString text;
        bool stopAgent;  // else the agent refuses the text
        QString error;
    } cases[] = {
        {"refused", "8", QString(40, u'x'), false, "Set: (SNMP) Cannot create/set variable, Wrong Length! Request:hosts."},
        {"no answer", "9", "delta", true, "Set: " + KtMessage(KtErr::Timeout) + " Request:hosts."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        sim.stop();
        StartSim();
        TConfigForm form;
        TSNMPListViewPanel* panel = form.AddTablePanel(MakeRequest(&form, kHosts, KtItem::MVT_UMV, 1, "hosts"),
                                                       kHostsStatusRow, "createAndGo", kHostsStatusRow, "destroy");
        TEditsPanel* edits = panel->EditsPanel();
        QPlainTextEdit* memo = panel->Memo();
        const auto walked = [&] { return LastLine(memo).startsWith("Get: ") && !panel->Request()->Busy(); };
        form.show();
        ASSERT_TRUE(waitFor(walked, 5000));
        const int from = Logged();
        const QString sent = "1.3.6.1.4.1.32473.78.4.1.2." + QString(c.key) + "=x:" + Hex(c.text.toUtf8().constData());
        const QString created = "1.3.6.1.4.1.32473.78.4.1.4." + QString(c.key) + "=i:4";
        WhenFormOpens(panel, [&](QDialog* add) {
            EditOf(edits, 0)->setText(c.key);
            EditOf(edits, 1)->setText(c.text);
            edits->RowAt(1).Tick->click();
            QPushButton* set = add->findChild<QPushButton*>("Set Checked");
            if (c.stopAgent) {
                ASSERT_EQ(::kill(pid_t(sim.processId()), SIGSTOP), 0);
            }
            set->click();
            if (c.stopAgent)
                ::kill(pid_t(sim.processId()), SIGCONT);
            EXPECT_TRUE(add->isVisible());
            EXPECT_EQ(EditOf(edits, 0)->text(), c.key);
            EXPECT_EQ(EditOf(edits, 1)->text(), c.text);
            EXPECT_TRUE(edits->RowAt(1).Tick->isChecked());
            EXPECT_TRUE(LastLine(memo).startsWith(c.error)) << LastLine(memo).toStdString();
            ASSERT_TRUE(waitFor([&] { return !Since(from, "SET").empty(); }, 5000));
            EXPECT_EQ(Since(from, "SET").front(), (QStringList{sent, created}));
            if (c.stopAgent) {
                add->close();  // the agent took the request late: the refresh shows the row
            } else {           // corrected, the input goes again and the form closes
                EditOf(edits, 1)->setText("epsilon");
                set->click();
                EXPECT_FALSE(add->isVisible());
            }
        });
        panel->Buttons()->btnAdd->click();
        ASSERT_TRUE(waitFor(walked, 5000));
        const std::vector<QStringList> rows = Rows(panel->ListView());
        ASSERT_EQ(rows.size(), 4u);
        EXPECT_EQ(rows.back(), QStringList({c.key, c.stopAgent ? "delta" : "epsilon", "enabled", "active"}));
    }
}

TEST_F(ViewSim, SingleVariableIsSetWithSet)
{
    StartSim();
    TConfigForm form;
    TSNMPEditorPanel* panel = form.AddEditorPanel(MakeRequest(&form, kSingleGroup, KtItem::SVT_SV, 0));
    form.show();
    QLineEdit* edit = EditOf(panel->EditsPanel(), 0);
    ASSERT_TRUE(waitFor([&] { return edit->text() == "uplink"; }, 5000));
    edit->setText("spine");
    const int from = Logged();
    QPushButton* set = panel->Buttons()->btnSetChecked;
    EXPECT_EQ(set->text(), "Set");
    set->click();
    EXPECT_EQ(Since(from, "SET"), std::vector<QStringList>{{"1.3.6.1.4.1.32473.78.3.1.0=x:" + Hex("spine")}});
    EXPECT_TRUE(form.isVisible()) << "the editor's own set does not close it";
}

TEST_F(ViewSim, TableViewAddsEditsAndDeletesRows)
{
    StartSim();
    TConfigForm form;
    form.setWindowTitle("Hosts: 127.0.0.1");
    TSNMPListViewPanel* panel = form.AddTablePanel(MakeRequest(&form, kHosts, KtItem::MVT_UMV, 1, "hosts"),
                                                   kHostsStatusRow, "createAndGo", kHostsStatusRow, "destroy");
    TEditsPanel* edits = panel->EditsPanel();
    QTreeWidget* view = panel->ListView();
    QLabel* counter = panel->Buttons()->Counter;
    QPlainTextEdit* memo = panel->Memo();
    const auto walked = [&] { return LastLine(memo).startsWith("Get: ") && !panel->Request()->Busy(); };
    form.show();
    ASSERT_TRUE(waitFor(walked, 5000));
    EXPECT_EQ(counter->text(), "3");
    EXPECT_EQ(Rows(view), (std::vector<QStringList>{{"1", "alpha", "enabled", "active"},
                                                    {"2", "beta", "disabled", "active"},
                                                    {"3", "gamma", "enabled", "active"}}));
    EXPECT_TRUE(LastLine(memo).startsWith("Get: (ZiDUVA++) Ok! Request:hosts."));
    SaveRendering(&form, "views-table.png");

    // Add: keys and status are ticked for good; the name is ticked by hand.
    int from = Logged();
    memo->clear();
    WhenFormOpens(panel, [&](QDialog* add) {
        EXPECT_EQ(add->windowTitle(), "Hosts: 127.0.0.1 (Add)");
        EXPECT_TRUE(edits->RowAt(0).Tick->isChecked());
        EXPECT_FALSE(edits->RowAt(0).Tick->isEnabled());
        EXPECT_FALSE(edits->RowAt(0).Tick->isHidden());
        EXPECT_TRUE(edits->RowAt(kHostsStatusRow).Tick->isChecked());
        EXPECT_FALSE(edits->RowAt(kHostsStatusRow).Value->isEnabled());
        EXPECT_EQ(ComboOf(edits, kHostsStatusRow)->currentText(), "createAndGo");
        EXPECT_TRUE(add->findChild<QPushButton*>("Refresh")->isHidden());
        EXPECT_TRUE(EditOf(edits, 1)->text().isEmpty()) << "the add form starts empty";
        // The key is always sent: left empty, nothing goes and the form stays open.
        const int before = Logged();
        add->findChild<QPushButton*>("Set Checked")->click();
        EXPECT_EQ(boxes.texts, QStringList{"Some items are empty!"});
        EXPECT_TRUE(add->isVisible());
        EXPECT_TRUE(Since(before, "SET").empty());
        EditOf(edits, 0)->setText("7");
        EditOf(edits, 1)->setText("delta");
        edits->RowAt(1).Tick->click();
        add->findChild<QPushButton*>("Set Checked")->click();
        EXPECT_FALSE(add->isVisible()) << "a set from the add form closes it";
    });
    panel->Buttons()->btnAdd->click();
    const std::vector<QStringList> added = {
        {"1.3.6.1.4.1.32473.78.4.1.2.7=x:" + Hex("delta"), "1.3.6.1.4.1.32473.78.4.1.4.7=i:4"}};
    EXPECT_EQ(Since(from, "SET"), added);
    EXPECT_TRUE(memo->toPlainText().startsWith("Set: (ZiDUVA++) Ok! Request:hosts.")) << memo->toPlainText().toStdString();
    ASSERT_TRUE(waitFor(walked, 5000));
    EXPECT_EQ(counter->text(), "4");
    EXPECT_EQ(Rows(view).back(), QStringList({"7", "delta", "enabled", "active"}));

    // Edit: the status list offers neither "createAndGo" nor "destroy" while the form is open.
    QComboBox* status = ComboOf(edits, kHostsStatusRow);
    const QStringList allStatuses = ComboItems(status);
    view->setCurrentItem(view->topLevelItem(1));
    ASSERT_TRUE(panel->Buttons()->btnEdit->isEnabled());
    from = Logged();
    WhenFormOpens(panel, [&](QDialog* edit) {
        EXPECT_EQ(edit->windowTitle(), "Hosts: 127.0.0.1 (Edit)");
        EXPECT_EQ(ComboItems(status), QStringList({"active", "notInService", "notReady", "createAndWait"}));
        EXPECT_EQ(status->currentText(), "active");
        EXPECT_TRUE(edits->RowAt(0).Tick->isHidden()) << "keys are not edited";
        QPushButton* set = edit->findChild<QPushButton*>("Set Checked");
        EXPECT_FALSE(set->isEnabled());
        EXPECT_EQ(EditOf(edits, 1)->text(), "beta");
        EditOf(edits, 1)->setText("bravo");
        edits->RowAt(1).Tick->click();
        EXPECT_TRUE(set->isEnabled());
        set->click();
    });
    panel->Buttons()->btnEdit->click();
    EXPECT_EQ(Since(from, "SET"), std::vector<QStringList>{{"1.3.6.1.4.1.32473.78.4.1.2.2=x:" + Hex("bravo")}});
    EXPECT_EQ(ComboItems(status), allStatuses);
    ASSERT_TRUE(waitFor(walked, 5000));
    EXPECT_EQ(Rows(view)[1], QStringList({"2", "bravo", "disabled", "active"}));

    // Delete: nothing without confirmation, then only the status for the selected row.
    view->setCurrentItem(view->topLevelItem(0));
    boxes.answer = false;
    from = Logged();
    panel->Buttons()->btnDelete->click();
    EXPECT_EQ(boxes.questions, QStringList{"Are you sure to delete it?"});
    EXPECT_TRUE(Since(from, "SET").empty());
    boxes.answer = true;
    panel->Buttons()->btnDelete->click();
    EXPECT_EQ(Since(from, "SET"), std::vector<QStringList>{{"1.3.6.1.4.1.32473.78.4.1.4.1=i:6"}});
    ASSERT_TRUE(waitFor(walked, 5000));
    EXPECT_EQ(counter->text(), "3");
    EXPECT_EQ(Rows(view), (std::vector<QStringList>{{"2", "bravo", "disabled", "active"},
                                                    {"3", "gamma", "enabled", "active"},
                                                    {"7", "delta", "enabled", "active"}}));
    EXPECT_EQ(panel->Request()->Mode, 1);
    EXPECT_FALSE(panel->Buttons()->btnEdit->isEnabled());
    EXPECT_FALSE(panel->Buttons()->btnDelete->isEnabled());
    for (int i = 0; i < panel->Request()->VarList().Count(); ++i)
        EXPECT_FALSE(panel->Request()->VarList().Item(i).Access & KtAcc::Invalid) << i;
    EXPECT_TRUE(boxes.TextsOf(KtMessageKind::Plain).isEmpty());
}

// Rows reordered as a header click sorts them and more rows selected for copying: Edit and
// Delete still write the row the operator chose.
TEST_F(ViewSim, EditAndDeleteAfterSortingActOnTheChosenRow)
{
    using testutil::ClickRow;
    StartSim();
    TConfigForm form;
    TSNMPListViewPanel* panel = form.AddTablePanel(MakeRequest(&form, kHosts, KtItem::MVT_UMV, 1, "hosts"),
                                                   kHostsStatusRow, "createAndGo", kHostsStatusRow, "destroy");
    TEditsPanel* edits = panel->EditsPanel();
    QTreeWidget* view = panel->ListView();
    const auto walked = [&] { return LastLine(panel->Memo()).startsWith("Get: ") && !panel->Request()->Busy(); };
    form.resize(600, 400);
    form.show();
    ASSERT_TRUE(waitFor(walked, 5000));
    ASSERT_EQ(view->topLevelItemCount(), 3);

    view->sortItems(0, Qt::DescendingOrder);
    ASSERT_EQ(view->topLevelItem(0)->text(1), "gamma");
    ClickRow(view, view->topLevelItem(1));  // "2", beta
    ClickRow(view, view->topLevelItem(0), Qt::ControlModifier);
    ClickRow(view, view->topLevelItem(2), Qt::ControlModifier);
    ASSERT_EQ(view->selectedItems().size(), 3);
    ASSERT_TRUE(panel->Buttons()->btnEdit->isEnabled());
    int from = Logged();
    WhenFormOpens(panel, [&](QDialog* edit) {
        EXPECT_EQ(EditOf(edits, 1)->text(), "beta");
        EditOf(edits, 1)->setText("bravo");
        edits->RowAt(1).Tick->click();
        edit->findChild<QPushButton*>("Set Checked")->click();
    });
    panel->Buttons()->btnEdit->click();
    EXPECT_EQ(Since(from, "SET"), std::vector<QStringList>{{"1.3.6.1.4.1.32473.78.4.1.2.2=x:" + Hex("bravo")}});
    ASSERT_TRUE(waitFor(walked, 5000));

    view->sortItems(0, Qt::DescendingOrder);
    ClickRow(view, view->topLevelItem(0));  // "3", gamma
    ClickRow(view, view->topLevelItem(2), Qt::ShiftModifier);
    ASSERT_TRUE(panel->Buttons()->btnDelete->isEnabled());
    boxes.answer = true;
    from = Logged();
    panel->Buttons()->btnDelete->click();
    EXPECT_EQ(Since(from, "SET"), std::vector<QStringList>{{"1.3.6.1.4.1.32473.78.4.1.4.3=i:6"}});
    ASSERT_TRUE(waitFor(walked, 5000));
    EXPECT_EQ(Rows(view), (std::vector<QStringList>{{"1", "alpha", "enabled", "active"},
                                                    {"2", "bravo", "disabled", "active"}}));
}

// A row whose status the option list lacks leaves the status drop-down empty: Delete still
// sends the destroy, and nothing else.
TEST_F(ViewSim, DeleteSendsTheDestroyWhateverTheStatusListShows)
{
    StartSim();
    TConfigForm form;
    TSNMPListViewPanel* panel = form.AddTablePanel(MakeRequest(&form, kHosts, KtItem::MVT_UMV, 1, "hosts"),
                                                   kHostsStatusRow, "createAndGo", kHostsStatusRow, "destroy");
    QTreeWidget* view = panel->ListView();
    const auto walked = [&] { return LastLine(panel->Memo()).startsWith("Get: ") && !panel->Request()->Busy(); };
    form.show();
    ASSERT_TRUE(waitFor(walked, 5000));
    view->setCurrentItem(view->topLevelItem(1));
    ComboOf(panel->EditsPanel(), kHostsStatusRow)->setCurrentIndex(-1);
    boxes.answer = true;
    const int from = Logged();
    panel->Buttons()->btnDelete->click();
    EXPECT_EQ(Since(from, "SET"), std::vector<QStringList>{{"1.3.6.1.4.1.32473.78.4.1.4.2=i:6"}});
    ASSERT_TRUE(waitFor(walked, 5000));
    EXPECT_EQ(panel->Buttons()->Counter->text(), "2");
    for (int i = 0; i < panel->Request()->VarList().Count(); ++i)
        EXPECT_FALSE(panel->Request()->VarList().Item(i).Access & KtAcc::Invalid) << i;
}

// Sorted by a header click, the table edits the row the operator chose (its instance goes
// out), and the walk that follows keeps the chosen order.
TEST_F(ViewSim, SortedTableEditsTheChosenRowAndKeepsItsOrderThroughARefresh)
{
    StartSim();
    TConfigForm form;
    TSNMPListViewPanel* panel = form.AddTablePanel(MakeRequest(&form, kHosts, KtItem::MVT_UMV, 1, "hosts"),
                                                   kHostsStatusRow, "createAndGo", kHostsStatusRow, "destroy");
    QTreeWidget* view = panel->ListView();
    const auto walked = [&] { return LastLine(panel->Memo()).startsWith("Get: ") && !panel->Request()->Busy(); };
    form.show();
    ASSERT_TRUE(waitFor(walked, 5000));
    constexpr int kNameColumn = 1;
    emit view->header()->sectionClicked(kNameColumn);
    emit view->header()->sectionClicked(kNameColumn);
    EXPECT_EQ(Rows(view), (std::vector<QStringList>{{"3", "gamma", "enabled", "active"},
                                                    {"2", "beta", "disabled", "active"},
                                                    {"1", "alpha", "enabled", "active"}}));
    view->setCurrentItem(view->topLevelItem(2));
    const int from = Logged();
    WhenFormOpens(panel, [&](QDialog* edit) {
        EXPECT_EQ(EditOf(panel->EditsPanel(), 1)->text(), "alpha");
        EditOf(panel->EditsPanel(), 1)->setText("zulu");
        panel->EditsPanel()->RowAt(1).Tick->click();
        edit->findChild<QPushButton*>("Set Checked")->click();
    });
    panel->Buttons()->btnEdit->click();
    EXPECT_EQ(Since(from, "SET"), std::vector<QStringList>{{"1.3.6.1.4.1.32473.78.4.1.2.1=x:" + Hex("zulu")}});
    ASSERT_TRUE(waitFor(walked, 5000));
    QApplication::processEvents();
    EXPECT_EQ(Rows(view), (std::vector<QStringList>{{"1", "zulu", "enabled", "active"},
                                                    {"3", "gamma", "enabled", "active"},
                                                    {"2", "beta", "disabled", "active"}}));
    EXPECT_EQ(view->header()->sortIndicatorSection(), kNameColumn);
    EXPECT_EQ(view->header()->sortIndicatorOrder(), Qt::DescendingOrder);
}

TEST_F(ViewSim, EditFormHidesAStatusRowWithNothingElseToOffer)
{
    StartSim();
    TConfigForm form;
    TSNMPListViewPanel* panel = form.AddTablePanel(MakeRequest(&form, kHostsCreateDestroy, KtItem::MVT_UMV, 1),
                                                   kHostsStatusRow, "createAndGo", kHostsStatusRow, "destroy");
    TEditsPanel* edits = panel->EditsPanel();
    QTreeWidget* view = panel->ListView();
    form.show();
    ASSERT_TRUE(waitFor([&] { return view->topLevelItemCount() == 3 && !panel->Request()->Busy(); }, 5000));
    view->setCurrentItem(view->topLevelItem(2));
    bool hiddenInForm = false;
    WhenFormOpens(panel, [&](QDialog*) {
        hiddenInForm = edits->RowAt(kHostsStatusRow).Value->isHidden();
        EXPECT_EQ(ComboOf(edits, kHostsStatusRow)->count(), 0);
    });
    panel->Buttons()->btnEdit->click();
    EXPECT_TRUE(hiddenInForm);
    EXPECT_FALSE(edits->RowAt(kHostsStatusRow).Value->isHidden());
    EXPECT_FALSE(panel->Request()->VarList().Item(kHostsStatusRow).Access & KtAcc::Hidden);
    EXPECT_EQ(ComboItems(ComboOf(edits, kHostsStatusRow)), QStringList({"createAndGo", "destroy"}));
}

// Shown the way a command shows it: the first read starts inside the modal loop.
TEST_F(ViewSim, ModalShowingReadsInsideTheLoop)
{
    StartSim();
    TConfigForm form;
    TSNMPEditorPanel* panel = form.AddEditorPanel(MakeRequest(&form, kReadOnlyGroup, KtItem::SVT_SV, 0));
    QString shownInLoop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!EditOf(panel->EditsPanel(), 0)->text().isEmpty()) {
            shownInLoop = EditOf(panel->EditsPanel(), 0)->text();
            panel->Buttons()->btnClose->click();
        }
    });
    poll.start(10);
    QTimer::singleShot(10000, &form, [&] { form.reject(); });  // a stuck read cannot hang the test
    form.exec();
    EXPECT_EQ(shownInLoop, "firmware 1.0");
    EXPECT_EQ(form.RequestCount(), 0);
    EXPECT_TRUE(boxes.texts.isEmpty());
}

// A view closed while its Add form is open: the form goes first, then the view, once the
// command that opened the form has returned (the view's requests were freed under the form).
// Closed while the form waits for input, and while the walk after its write runs.
TEST_F(ViewSim, ClosingAViewWhoseAddFormIsOpenClosesTheFormFirst)
{
    StartSim({"--delay", "100"});
    for (const bool afterWrite : {false, true}) {
        SCOPED_TRACE(afterWrite ? "after the write" : "waiting for input");
        auto* form = new TConfigForm;
        TSNMPListViewPanel* panel = form->AddTablePanel(MakeRequest(form, kHosts, KtItem::MVT_UMV, 1, "hosts"),
                                                        kHostsStatusRow, "createAndGo", kHostsStatusRow, "destroy");
        TEditsPanel* edits = panel->EditsPanel();
        form->show();
        ASSERT_TRUE(waitFor([&] { return panel->ListView()->topLevelItemCount() == 3 && !panel->Request()->Busy(); },
                            10000));
        bool addOpenAtClose = false;
        WhenFormOpens(panel, [&](QDialog* add) {
            QTimer::singleShot(afterWrite ? 150 : 0, form, [&, add = QPointer<QDialog>(add)] {
                addOpenAtClose = add && add->isVisible();
                form->close();
            });
            if (!afterWrite) {
                ASSERT_TRUE(waitFor([&] { return !add->isVisible(); }, 5000));
                return;
            }
            EditOf(edits, 0)->setText("7");
            EditOf(edits, 1)->setText("delta");
            edits->RowAt(1).Tick->click();
            add->findChild<QPushButton*>("Set Checked")->click();
        });
        panel->Buttons()->btnAdd->click();
        if (!afterWrite) {
            EXPECT_TRUE(addOpenAtClose);
        }
        ASSERT_TRUE(waitFor([&] { return !form->isVisible(); }, 10000));
        EXPECT_EQ(form->RequestCount(), 0);
        EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
        delete form;
    }
}

// Closed from outside while replies are slow, and from inside a completion (a row shown lets
// events run, and the close arrives there).
TEST_F(ViewSim, ClosingInTheMiddleOfASlowWalkIsClean)
{
    StartSim({"--delay", "60", "--fill", "hosts=40"});
    for (const bool fromCompletion : {false, true}) {
        SCOPED_TRACE(fromCompletion ? "from a completion" : "from outside");
        auto* form = new TConfigForm;
        TSNMPListViewPanel* panel =
            form->AddTablePanel(MakeRequest(form, kHosts, KtItem::MVT_UMV, 1), -1, QString(), -1, QString());
        QTreeWidget* view = panel->ListView();
        if (fromCompletion) {
            QObject::connect(view->model(), &QAbstractItemModel::rowsInserted, form, [form, view] {
                if (view->topLevelItemCount() >= 5)
                    form->close();
            });
        }
        form->show();
        ASSERT_TRUE(waitFor([&] { return view->topLevelItemCount() >= 3; }, 10000));
        ASSERT_TRUE(panel->Request()->Busy());
        // A second read while rows arrive is ignored: the list is not emptied.
        const int shown = view->topLevelItemCount();
        panel->Buttons()->btnRefresh->click();
        EXPECT_GE(view->topLevelItemCount(), shown);
        if (!fromCompletion) {
            form->close();
            ASSERT_TRUE(form->Closing());
            // While the form waits for the walk, its panel asks again quietly: no refusal box.
            panel->CloseHost();
            EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
        }
        ASSERT_TRUE(waitFor([&] { return !form->isVisible(); }, 5000));
        EXPECT_EQ(form->RequestCount(), 0);
        EXPECT_LT(view->topLevelItemCount(), 43) << "the walk stopped early";
        delete form;
        const int logged = Logged();
        waitFor([] { return false; }, 300);  // late replies find nobody
        EXPECT_LE(Logged(), logged + 1);
    }
}

// ---- counter views -------------------------------------------------------------------------

const KtSNMPVarDef kCounterGroup[] = {
    {"1.3.6.1.4.1.32473.79.1.1", "Frames", KtSyn::Counter, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.79.1.2", "Octets", KtSyn::Counter64, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.79.1.3", "Queue", KtSyn::Gauge, KtAcc::ReadOnly},
    {},
};

const KtSNMPVarDef kPorts[] = {
    {"1.3.6.1.4.1.32473.79.2.1.1", "Port", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.79.2.1.2", "In Octets", KtSyn::Counter, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.79.2.1.3", "Out Octets", KtSyn::Counter64, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.79.2.1.4", "Name", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {},
};

// Moves the simulator's (writable test) counters: one synchronous set of instance = value.
void SetCounters(std::initializer_list<std::tuple<const char*, std::int32_t, const char*>> values)
{
    std::vector<KtSNMPVarDef> defs;
    for (const auto& [oid, syntax, value] : values)
        defs.push_back({oid, "v", syntax, KtAcc::ReadWrite});
    defs.push_back({});
    KtSNMPRequest request;
    request.VarList.Assign(KtSNMPVarList(defs.data(), KtItem::MVT_SV, 0));
    int i = 0;
    for (const auto& v : values)
        request.VarList.Item(i++).Value = QLatin1String(std::get<2>(v));
    request.Set(false);  // throws when the switch refuses
}

class CounterViewSim : public ViewSim {
protected:
    void StartCounters() { StartSim({"--data", testutil::sourceDir() + "/tests/views/data/counters.sim"}); }

    // Counts the view's finished reads; the clock of its rates is the test's.
    void Watch(TSNMPEditorPanel* panel)
    {
        rates = TCounterRates::Attach(panel);
        rates->Rates().SetClock([this] { return now; });
        QObject::connect(panel->Request(), &KtSNMPRequest2Controls::ReadDone, panel,
                         [this](const KtSNMPError& e) { reads.push_back(e.code); });
    }
    bool ReadsDone(std::size_t n) { return waitFor([&] { return reads.size() >= n; }, 5000); }

    TCounterRates* rates = nullptr;
    qint64 now = 0;
    std::vector<int> reads;
};

QStringList Header(const QTreeWidget* view)
{
    QStringList labels;
    for (int c = 0; c < view->columnCount(); ++c)
        labels << view->headerItem()->text(c);
    return labels;
}

TEST_F(CounterViewSim, TableShowsEachRowsRateRightAfterItsCounter)
{
    StartCounters();
    TConfigForm form;
    TSNMPListViewPanel* panel =
        form.AddTablePanel(MakeRequest(&form, kPorts, KtItem::MVT_UMV, 1, "ports"), -1, QString(), -1, QString());
    Watch(panel);
    QTreeWidget* view = panel->ListView();
    EXPECT_EQ(Header(view), QStringList({"Port", "In Octets", "In Octets/s", "Out Octets", "Out Octets/s", "Name"}));
    form.show();
    ASSERT_TRUE(ReadsDone(1));
    // The first reading has nothing to compare with.
    EXPECT_EQ(Rows(view), (std::vector<QStringList>{{"1", "100", "", "7000", "", "uplink"},
                                                     {"2", "200", "", "8000", "", "server"},
                                                     {"3", "4294967000", "", "9000", "", "printer"}}));

    // 2 s later: port 1 took 3000 octets in, port 2 sent 10^10 (64 bits), port 3's Counter32
    // wrapped after 500 octets.
    SetCounters({{"1.3.6.1.4.1.32473.79.2.1.2.1", KtSyn::Counter, "3100"},
                 {"1.3.6.1.4.1.32473.79.2.1.3.2", KtSyn::Counter64, "10000008000"},
                 {"1.3.6.1.4.1.32473.79.2.1.2.3", KtSyn::Counter, "204"}});
    now = 2000;
    panel->Buttons()->btnRefresh->click();  // the operator's own refresh gives rates too
    ASSERT_TRUE(ReadsDone(2));
    EXPECT_EQ(Rows(view), (std::vector<QStringList>{{"1", "3100", "1500", "7000", "0.00", "uplink"},
                                                     {"2", "200", "0.00", "10000008000", "5000000000", "server"},
                                                     {"3", "204", "250.0", "9000", "0.00", "printer"}}));

    // The selected row binds its own values, never a rate: the name is the row's name.
    view->setCurrentItem(view->topLevelItem(1));
    const KtSNMPVarList& list = panel->Request()->VarList();
    EXPECT_EQ(list.Item(1).Value, "200");
    EXPECT_EQ(list.Item(2).Value, "10000008000");
    EXPECT_EQ(list.Item(3).Value, "server");

    // A tick reads again and keeps the chosen row selected (not the first of several selected
    // for copying); a 64-bit counter gone back is a restart.
    testutil::ClickRow(view, view->topLevelItem(0), Qt::ShiftModifier);
    ASSERT_EQ(view->selectedItems().size(), 2);
    ASSERT_EQ(view->selectedItems().first()->text(0), "1");
    SetCounters({{"1.3.6.1.4.1.32473.79.2.1.3.2", KtSyn::Counter64, "5"}});
    now = 3000;
    ASSERT_TRUE(rates->Tick());
    ASSERT_TRUE(ReadsDone(3));
    ASSERT_EQ(view->selectedItems().size(), 1);
    EXPECT_EQ(view->selectedItems().first()->text(0), "2");
    EXPECT_EQ(view->selectedItems().first()->text(4), "");
    EXPECT_EQ(list.Item(3).Value, "server");
    EXPECT_TRUE(panel->Buttons()->btnEdit->isEnabled());
    SaveRendering(&form, "views-counter-table.png");

    // A write from the edit form carries the row's name alone.
    int from = Logged();
    WhenFormOpens(panel, [&](QDialog* edit) {
        TEditsPanel* edits = panel->EditsPanel();
        EXPECT_EQ(EditOf(edits, 1)->text(), "200");
        EXPECT_EQ(EditOf(edits, 3)->text(), "server");
        EditOf(edits, 3)->setText("backup");
        if (!edits->RowAt(3).Tick->isChecked())  // the one settable row may come ticked
            edits->RowAt(3).Tick->click();
        QPushButton* set = edit->findChild<QPushButton*>("Set Checked");
        EXPECT_TRUE(set->isEnabled());
        set->click();
    });
    panel->Buttons()->btnEdit->click();
    const auto sets = Since(from, "SET");
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0], QStringList({"1.3.6.1.4.1.32473.79.2.1.4.2=x:" + Hex("backup")}));
}

TEST_F(CounterViewSim, EditorShowsRatesBesideItsCountersAndRestartsAfterAFailedRead)
{
    StartCounters();
    TConfigForm form;
    TSNMPEditorPanel* panel = form.AddEditorPanel(MakeRequest(&form, kCounterGroup, KtItem::SVT_SV, 0, "counters"));
    Watch(panel);
    TEditsPanel* edits = panel->EditsPanel();
    EXPECT_EQ(rates->Counters(), (std::vector<int>{0, 1}));
    EXPECT_FALSE(rates->RateLabel(2));  // a gauge has no rate
    form.show();
    ASSERT_TRUE(ReadsDone(1));
    for (int i : {0, 1}) {
        QLabel* label = rates->RateLabel(i);
        ASSERT_TRUE(label);
        EXPECT_TRUE(label->isVisible());
        EXPECT_EQ(label->text(), "");
        // Beside its counter's value, on the same line.
        EXPECT_GT(label->x(), EditOf(edits, i)->geometry().right());
        EXPECT_EQ(label->y(), EditOf(edits, i)->y());
    }

    SetCounters({{"1.3.6.1.4.1.32473.79.1.1.0", KtSyn::Counter, "1010"},
                 {"1.3.6.1.4.1.32473.79.1.2.0", KtSyn::Counter64, "5000400000"}});
    now = 4000;
    ASSERT_TRUE(rates->Tick());
    // No read starts over a running one.
    EXPECT_TRUE(panel->Request()->Busy());
    EXPECT_FALSE(rates->Tick());
    ASSERT_TRUE(ReadsDone(2));
    EXPECT_EQ(reads.size(), 2u);
    EXPECT_EQ(EditOf(edits, 0)->text(), "1010");
    EXPECT_EQ(rates->RateLabel(0)->text(), "2.50 /s");
    EXPECT_EQ(rates->RateLabel(1)->text(), "100000 /s");
    SaveRendering(&form, "views-counter-editor.png");

    // The switch does not answer: the view says so as ever, and the ticks go on.
    sim.stop();
    now = 5000;
    ASSERT_TRUE(rates->Tick());
    ASSERT_TRUE(ReadsDone(3));
    EXPECT_NE(reads[2], 0);
    EXPECT_FALSE(LastLine(panel->Memo()).contains("Ok!")) << LastLine(panel->Memo()).toStdString();
    EXPECT_EQ(rates->RateLabel(0)->text(), "");
    // Back after a restart with its counters from the start: no spike from the old readings
    // (the Counter32 would otherwise read as a wrap of almost 2^32).
    ASSERT_TRUE(sim.restart(false));
    now = 6000;
    ASSERT_TRUE(rates->Tick());
    ASSERT_TRUE(ReadsDone(4));
    EXPECT_EQ(reads[3], 0);
    EXPECT_EQ(EditOf(edits, 0)->text(), "1000");
    EXPECT_EQ(rates->RateLabel(0)->text(), "");
    EXPECT_EQ(rates->RateLabel(1)->text(), "");
    now = 7000;
    ASSERT_TRUE(rates->Tick());
    ASSERT_TRUE(ReadsDone(5));
    EXPECT_EQ(rates->RateLabel(0)->text(), "0.00 /s");
}

} // namespace
