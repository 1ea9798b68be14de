// The RADIUS server and system log host dialogs and their companion editors against the
// simulator: what Add, Edit and Delete send (the simulator's request log), the inputs the
// editors refuse with nothing sent, an Add into a slot taken behind the dialog's back, and the
// guard while a walk runs.
#include "dialogs/security/RadiusServerForm.h"
#include "dialogs/security/SystemLogHostForm.h"
#include "tests/support/CompanionRun.h"
#include "tests/support/ListClicks.h"
#include "tests/support/SimDialogFixture.h"
#include "tests/support/SnmpTools.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using testutil::Pump;
using testutil::RunEditor;
using testutil::WaitIdle;
using testutil::waitFor;

namespace {

const QString kRadius = QStringLiteral("1.3.6.1.4.1.32473.12.3.2.4.1.");
const QString kLogHost = QStringLiteral("1.3.6.1.4.1.32473.12.12.2.1.");

// "2=a:1.2.3.4" of row id -> the logged varbind under entry.
QStringList Varbinds(const QString& entry, int id, const QStringList& columns)
{
    QStringList out;
    for (const QString& c : columns) {
        const qsizetype eq = c.indexOf('=');
        out << entry + c.left(eq) + '.' + QString::number(id) + c.mid(eq);
    }
    return out;
}

void Choose(QComboBox* combo, const QString& text)
{
    const int k = combo->findText(text);
    ASSERT_GE(k, 0) << text.toStdString();
    combo->setCurrentIndex(k);
}

// The first column of every listed row.
QStringList Keys(const QTreeWidget* view)
{
    QStringList keys;
    for (int r = 0; r < view->topLevelItemCount(); ++r)
        keys << view->topLevelItem(r)->text(0);
    return keys;
}

void SelectRow(QTreeWidget* view, const QString& key)
{
    for (int r = 0; r < view->topLevelItemCount(); ++r) {
        QTreeWidgetItem* item = view->topLevelItem(r);
        if (item->text(0) == key) {
            view->setCurrentItem(item);
            item->setSelected(true);
            return;
        }
    }
    ADD_FAILURE() << "no row " << key.toStdString();
}

class CompanionDialogs : public testutil::SimDialogFixture {
protected:
    void TearDown() override
    {
        radius.reset();
        logHost.reset();
        SimDialogFixture::TearDown();
    }

    template <class Form> std::unique_ptr<Form> Open(QStringList extra = {})
    {
        // The form is made either way, so that a failed start fails the test, not the run.
        StartSim(extra);
        auto form = std::make_unique<Form>(nullptr);
        EXPECT_TRUE(WaitIdle(*form));
        return form;
    }
    // A RADIUS Add with the given inputs; true when the editor closed itself.
    bool AddRadius(const QString& index, const QString& ip, const QString& key, const QString& auth,
                   const QString& acct)
    {
        return RunEditor(*radius, [&] { radius->AddButton->click(); }, [&](TCompanionEditor&) {
            TRadiusServerEditForm* e = radius->Editor;
            Choose(e->IndexComboBox, index);
            e->IpEdit->setText(ip);
            e->KeyEdit->setText(key);
            e->PortIndexEdit->setText(auth);
            e->AccountPortEdit->setText(acct);
            e->SetButton->click();
        });
    }

    std::unique_ptr<TRadiusServerForm> radius;
    std::unique_ptr<TSystemLogHostForm> logHost;
};

// ---- RADIUS servers ------------------------------------------------------------------------

TEST_F(CompanionDialogs, RadiusListsTheUsedSlotsAndEnablesEditAndDeleteOnlyWithARowSelected)
{
    radius = Open<TRadiusServerForm>();
    EXPECT_EQ(Keys(radius->ListView1), QStringList({"RadiusServerIndex-1", "RadiusServerIndex-2"}));
    EXPECT_EQ(radius->StaticText1->text(), "2");
    EXPECT_FALSE(radius->EditButton->isEnabled());
    EXPECT_FALSE(radius->DeleteButton->isEnabled());
    SelectRow(radius->ListView1, "RadiusServerIndex-2");
    EXPECT_TRUE(radius->EditButton->isEnabled());
    EXPECT_TRUE(radius->DeleteButton->isEnabled());
    EXPECT_EQ(radius->Editor->IpEdit->text(), "10.90.90.11");
    EXPECT_EQ(radius->Editor->PortIndexEdit->text(), "1645");
    radius->ListView1->clearSelection();
    EXPECT_FALSE(radius->EditButton->isEnabled());

    // A double click obeys Edit's state: with Edit disabled no editor opens.
    bool shown = false;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, radius.get(), [&] {
        shown = radius->Editor->isVisible();
        if (shown)
            radius->Editor->CloseButton->click();
    });
    timer.start(0);
    emit radius->ListView1->itemDoubleClicked(radius->ListView1->topLevelItem(0), 0);
    Pump(50);
    EXPECT_FALSE(shown);
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
}

TEST_F(CompanionDialogs, RadiusAddCreatesTheRowThenActivatesItSendingOnlyPortsOffTheirDefaults)
{
    struct Case {
        const char* auth;
        const char* acct;
        QStringList extra;  // port varbinds of the second write
    };
    const Case cases[] = {
        {"1812", "1813", {}},
        {"", "", {}},
        {"1900", "", {"4=u:1900"}},
        {"", "1999", {"5=u:1999"}},
    };
    radius = Open<TRadiusServerForm>();
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.auth) + "/" + c.acct);
        const int from = Mark();
        EXPECT_TRUE(AddRadius("RadiusServerIndex-3", "10.1.1.3", "secret", c.auth, c.acct));
        ASSERT_TRUE(WaitIdle(*radius));
        const auto sets = Since(from, "SET");
        ASSERT_EQ(sets.size(), 2u);
        EXPECT_EQ(sets[0], Varbinds(kRadius, 3, {"2=a:10.1.1.3", "3=x:736563726574", "6=i:4"}));
        EXPECT_EQ(sets[1], Varbinds(kRadius, 3, QStringList({"2=a:10.1.1.3", "3=x:736563726574"}) + c.extra
                                                    + QStringList({"6=i:1"})));
        // The walk after the second write shows the new server.
        EXPECT_EQ(Keys(radius->ListView1).size(), 3);
        EXPECT_EQ(radius->StaticText1->text(), "3");
        EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
        EXPECT_FALSE(radius->EditButton->isEnabled());
        // Slot 3 free again for the next case.
        SelectRow(radius->ListView1, "RadiusServerIndex-3");
        radius->DeleteButtonClick();
        ASSERT_TRUE(WaitIdle(*radius));
    }
}

TEST_F(CompanionDialogs, RadiusEditorRefusesAddressesAndEmptyFieldsWithTheirOwnMessagesSendingNothing)
{
    radius = Open<TRadiusServerForm>();
    struct Case {
        const char* ip;
        const char* key;
        QString message;
    };
    const Case cases[] = {
        {"127.0.0.1", "k", "you can't input ip address like 127.*.*.*"},
        {"230.1.1.1", "k", "Ip address can not in class d"},
        {"245.1.1.1", "k", "Ip address can not in class e"},
        {"255.255.255.255", "k", "you can't input this ip address"},
        {"10.1.1.1000", "k", "Please input a valid ip!"},
        {"", "k", TRadiusServerForm::kIpEmpty},
        {"10.1.1.3", "", TRadiusServerForm::kKeyEmpty},
        // The same server as slot 1, its address written with a leading zero.
        {"010.90.90.10", "radkey1", TRadiusServerForm::kDuplicate},
    };
    const int from = Mark();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ip);
        boxes.Clear();
        EXPECT_FALSE(AddRadius("RadiusServerIndex-3", c.ip, c.key, "", ""));
        EXPECT_EQ(boxes.texts, QStringList({c.message}));
    }
    // An index already listed.
    boxes.Clear();
    EXPECT_FALSE(AddRadius("RadiusServerIndex-1", "10.1.1.3", "k", "", ""));
    EXPECT_EQ(boxes.texts, QStringList({TRadiusServerForm::kIndexExists}));
    EXPECT_EQ(Mark(), from);

    // 250.1.1.1 is none of the refused ranges.
    boxes.Clear();
    EXPECT_TRUE(AddRadius("RadiusServerIndex-3", "250.1.1.1", "k", "", ""));
    ASSERT_TRUE(WaitIdle(*radius));
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
    EXPECT_EQ(Since(from, "SET").size(), 2u);
}

TEST_F(CompanionDialogs, RadiusAddIntoASlotTakenBehindTheDialogsBackStopsAfterTheRefusedCreate)
{
    radius = Open<TRadiusServerForm>();
    const auto made = testutil::runSnmpTool(
        "snmpset", {"-v2c", "-c", "private", sim.peer(), kRadius + "2.3", "a", "10.7.7.7", kRadius + "3.3", "s",
                    "other", kRadius + "6.3", "i", "4"});
    ASSERT_EQ(made.exitCode, 0) << made.err.toStdString();
    ASSERT_EQ(Keys(radius->ListView1).size(), 2);  // the list knows nothing of it

    const int from = Mark();
    EXPECT_TRUE(AddRadius("RadiusServerIndex-3", "10.1.1.3", "secret", "1900", ""));
    ASSERT_TRUE(WaitIdle(*radius));
    const auto sets = Since(from, "SET");
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_TRUE(sets[0].contains(kRadius + "6.3=i:4"));
    // The agent's refusal stands as the memo's last line.
    const QString lastLine = radius->Memo1->toPlainText().split('\n').last();
    EXPECT_TRUE(lastLine.startsWith("Set:") && !lastLine.contains("Ok!")) << lastLine.toStdString();

    // The slot keeps what it was given.
    radius->GetButtonClick();
    ASSERT_TRUE(WaitIdle(*radius));
    SelectRow(radius->ListView1, "RadiusServerIndex-3");
    EXPECT_EQ(radius->Editor->IpEdit->text(), "10.7.7.7");
    EXPECT_EQ(radius->Editor->KeyEdit->text(), "other");
    EXPECT_EQ(radius->Editor->PortIndexEdit->text(), "1812");
}

TEST_F(CompanionDialogs, RadiusEditSendsOnlyWhatChangedWithTheStatusAndRefusesAnEmptiedKey)
{
    radius = Open<TRadiusServerForm>();
    // A cancelled Add first: the Edit must still start from the row's own values.
    RunEditor(*radius, [&] { radius->AddButton->click(); }, [](TCompanionEditor&) {});
    SelectRow(radius->ListView1, "RadiusServerIndex-2");
    int from = Mark();
    EXPECT_TRUE(RunEditor(*radius, [&] { radius->EditButton->click(); }, [&](TCompanionEditor& e) {
        EXPECT_EQ(radius->Editor->IpEdit->text(), "10.90.90.11");
        EXPECT_FALSE(radius->Editor->IndexComboBox->isEnabled());
        radius->Editor->KeyEdit->setText("newkey");
        e.SetButton->click();
    }));
    ASSERT_TRUE(WaitIdle(*radius));
    const auto sets = Since(from, "SET");
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0], Varbinds(kRadius, 2, {"3=x:6E65776B6579", "6=i:1"}));
    EXPECT_TRUE(radius->ListView1->selectedItems().isEmpty());
    EXPECT_FALSE(radius->EditButton->isEnabled());

    SelectRow(radius->ListView1, "RadiusServerIndex-1");
    from = Mark();
    EXPECT_FALSE(RunEditor(*radius, [&] { emit radius->ListView1->itemDoubleClicked(radius->ListView1->topLevelItem(0), 0); },
                           [&](TCompanionEditor& e) {
                               radius->Editor->KeyEdit->clear();
                               e.SetButton->click();
                           }));
    EXPECT_EQ(boxes.texts, QStringList({TRadiusServerForm::kKeyEmpty}));
    EXPECT_EQ(Mark(), from);
}

TEST_F(CompanionDialogs, RadiusDeleteSendsTheSelectedSlotsStatusAloneAndAsksForASelection)
{
    radius = Open<TRadiusServerForm>();
    int from = Mark();
    radius->DeleteButtonClick();
    EXPECT_EQ(boxes.texts, QStringList({TCompanionTableBase::kChooseFirst}));
    EXPECT_EQ(Mark(), from);

    // Whatever the editor's index shows, the selected row decides.
    SelectRow(radius->ListView1, "RadiusServerIndex-2");
    Choose(radius->Editor->IndexComboBox, "RadiusServerIndex-1");
    from = Mark();
    radius->DeleteButton->click();
    ASSERT_TRUE(WaitIdle(*radius));
    const auto sets = Since(from, "SET");
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0], Varbinds(kRadius, 2, {"6=i:6"}));
    EXPECT_EQ(Keys(radius->ListView1), QStringList({"RadiusServerIndex-1"}));
    EXPECT_EQ(radius->StaticText1->text(), "1");
    EXPECT_FALSE(radius->DeleteButton->isEnabled());
}

// Rows reordered as a header click sorts them, more selected for copying: Edit loads and
// writes the row the operator clicked, Delete destroys it.
TEST_F(CompanionDialogs, RadiusEditAndDeleteAfterSortingActOnTheChosenRow)
{
    using testutil::ClickRow;
    radius = Open<TRadiusServerForm>();
    radius->resize(700, 500);
    radius->show();
    QTreeWidget* list = radius->ListView1;
    list->sortItems(0, Qt::DescendingOrder);
    ASSERT_EQ(Keys(list), QStringList({"RadiusServerIndex-2", "RadiusServerIndex-1"}));
    ClickRow(list, list->topLevelItem(1));
    ClickRow(list, list->topLevelItem(0), Qt::ControlModifier);
    ASSERT_EQ(list->selectedItems().size(), 2);
    ASSERT_TRUE(radius->EditButton->isEnabled());
    int from = Mark();
    EXPECT_TRUE(RunEditor(*radius, [&] { radius->EditButton->click(); }, [&](TCompanionEditor& e) {
        EXPECT_EQ(radius->Editor->IpEdit->text(), "10.90.90.10");
        radius->Editor->KeyEdit->setText("newkey");
        e.SetButton->click();
    }));
    ASSERT_TRUE(WaitIdle(*radius));
    EXPECT_EQ(Since(from, "SET"), (std::vector<QStringList>{Varbinds(kRadius, 1, {"3=x:6E65776B6579", "6=i:1"})}));

    list->sortItems(0, Qt::DescendingOrder);
    ClickRow(list, list->topLevelItem(0));
    ClickRow(list, list->topLevelItem(1), Qt::ShiftModifier);
    from = Mark();
    radius->DeleteButton->click();
    ASSERT_TRUE(WaitIdle(*radius));
    EXPECT_EQ(Since(from, "SET"), (std::vector<QStringList>{Varbinds(kRadius, 2, {"6=i:6"})}));
    EXPECT_EQ(Keys(list), QStringList({"RadiusServerIndex-1"}));
}

// ---- system log hosts ----------------------------------------------------------------------

TEST_F(CompanionDialogs, LogHostAddRefusesBadPortsAndAddressesWithNothingSent)
{
    logHost = Open<TSystemLogHostForm>();
    struct Case {
        const char* port;
        const char* ip;
        bool createAndGo;
        QString message;  // empty: accepted
    };
    const Case cases[] = {
        {"515", "10.1.1.5", true, TSystemLogHostForm::kBadPort},
        {"5999", "10.1.1.5", true, TSystemLogHostForm::kBadPort},
        {"65536", "10.1.1.5", true, TSystemLogHostForm::kBadPort},
        {"51x", "10.1.1.5", true, TSystemLogHostForm::kBadPort},
        {"514", "", true, TSystemLogHostForm::kIpEmpty},
        {"514", "127.0.0.1", true, TSystemLogHostForm::kBadIp},
        {"514", "224.0.0.1", true, TSystemLogHostForm::kBadIp},
        {"514", "245.1.1.1", true, TSystemLogHostForm::kBadIp},
        {"514", "255.255.255.255", true, TSystemLogHostForm::kBadIp},
        {"514", "1.2.3", true, TSystemLogHostForm::kBadIp},
        {"514", "10.1.1.1000", true, TSystemLogHostForm::kBadIp},
        {"514", "010.90.90.21", true, TSystemLogHostForm::kIpTaken},
        {"514", "10.1.1.5", false, TSystemLogHostForm::kMustCreateAndGo},
        {"514", "223.1.1.1", true, {}},
        {"6000", "0.0.0.0", true, {}},
        {"", "10.1.1.6", true, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.port) + " " + c.ip);
        boxes.Clear();
        const int from = Mark();
        const bool closed = RunEditor(*logHost, [&] { logHost->AddButton->click(); }, [&](TCompanionEditor& e) {
            TLogHostEditForm* ed = logHost->Editor;
            EXPECT_EQ(ed->RowComboBox->currentText(), "active");
            Choose(ed->cbxIndex, "swSysLogServerIndex-3");
            ed->PortEdit->setText(c.port);
            ed->IPAddrEdit->setText(c.ip);
            if (c.createAndGo)
                Choose(ed->RowComboBox, "createAndGo");
            e.SetButton->click();
        });
        if (!c.message.isEmpty()) {
            EXPECT_FALSE(closed);
            EXPECT_EQ(boxes.texts, QStringList({c.message}));
            EXPECT_EQ(Mark(), from);
            continue;
        }
        EXPECT_TRUE(closed);
        ASSERT_TRUE(WaitIdle(*logHost));
        EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
        const auto sets = Since(from, "SET");
        ASSERT_EQ(sets.size(), 1u);
        QStringList expected = {QString("2=a:") + c.ip, "3=i:0", "4=i:1"};
        if (*c.port)
            expected << QString("5=i:") + c.port;
        expected << "6=i:2" << "7=i:4";
        EXPECT_EQ(sets[0], Varbinds(kLogHost, 3, expected));
        // Free the slot for the next case.
        SelectRow(logHost->ListView1, "swSysLogServerIndex-3");
        logHost->DeleteButtonClick();
        ASSERT_TRUE(WaitIdle(*logHost));
    }
}

TEST_F(CompanionDialogs, LogHostEditAfterACancelledAddSendsTheHostsOwnValues)
{
    logHost = Open<TSystemLogHostForm>();
    SelectRow(logHost->ListView1, "swSysLogServerIndex-1");
    // The Add clears the editor's controls and is cancelled; the row is selected again, and the
    // controls are left as the Add left them (local0, no port), as when the selection does not
    // change between the two: the Edit must load the row itself.
    RunEditor(*logHost, [&] { logHost->AddButton->click(); }, [](TCompanionEditor&) {});
    SelectRow(logHost->ListView1, "swSysLogServerIndex-1");
    logHost->Editor->FacComboBox->setCurrentIndex(0);
    logHost->Editor->SevComboBox->setCurrentIndex(0);
    logHost->Editor->StateComboBox->setCurrentIndex(0);
    logHost->Editor->PortEdit->clear();
    logHost->Editor->IPAddrEdit->clear();

    const int from = Mark();
    EXPECT_TRUE(RunEditor(*logHost, [&] { logHost->EditButton->click(); }, [&](TCompanionEditor& e) {
        EXPECT_EQ(e.windowTitle(), "Log Host Edit: " + sim.address() + ":" + QString::number(sim.port()));
        EXPECT_EQ(logHost->Editor->IPAddrEdit->text(), "10.90.90.20");
        EXPECT_FALSE(logHost->Editor->RowComboBox->isEnabled());
        e.SetButton->click();
    }));
    ASSERT_TRUE(WaitIdle(*logHost));
    const auto sets = Since(from, "SET");
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0], Varbinds(kLogHost, 1, {"2=a:10.90.90.20", "3=i:4", "4=i:2", "5=i:6514", "6=i:3"}));
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
}

TEST_F(CompanionDialogs, LogHostEditKeepsItsOwnAddressButNotAnothersAndDeleteSendsOneVarbind)
{
    logHost = Open<TSystemLogHostForm>();
    SelectRow(logHost->ListView1, "swSysLogServerIndex-1");
    int from = Mark();
    EXPECT_FALSE(RunEditor(*logHost, [&] { logHost->EditButton->click(); }, [&](TCompanionEditor& e) {
        logHost->Editor->IPAddrEdit->setText("10.90.90.21");
        e.SetButton->click();
    }));
    EXPECT_EQ(boxes.texts, QStringList({TSystemLogHostForm::kIpTaken}));
    EXPECT_EQ(Mark(), from);

    SelectRow(logHost->ListView1, "swSysLogServerIndex-2");
    from = Mark();
    logHost->DeleteButton->click();
    ASSERT_TRUE(WaitIdle(*logHost));
    const auto sets = Since(from, "SET");
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0], Varbinds(kLogHost, 2, {"7=i:6"}));
    EXPECT_EQ(Keys(logHost->ListView1), QStringList({"swSysLogServerIndex-1"}));
}

// ---- both, while a walk runs ---------------------------------------------------------------

TEST_F(CompanionDialogs, EveryCommandDuringAWalkGetsTheGuardMessageAndRefreshIsIgnored)
{
    const auto check = [&](TCompanionTableBase& form, const QString& firstColumnOid) {
        // A row is listed (and selected) while the walk still runs.
        ASSERT_TRUE(waitFor([&] { return form.ListView1->topLevelItemCount() > 0; }, 10000));
        ASSERT_TRUE(form.TableRequest()->Busy());
        form.ListView1->setCurrentItem(form.ListView1->topLevelItem(0));
        form.ListView1->topLevelItem(0)->setSelected(true);
        ASSERT_TRUE(form.EditButton->isEnabled());
        const int from = Mark();
        const int walks = WalksSince(0, firstColumnOid);
        boxes.Clear();
        form.AddButton->click();
        form.EditButton->click();
        emit form.ListView1->itemDoubleClicked(form.ListView1->topLevelItem(0), 0);
        form.CompanionEditor()->SetButton->click();
        form.ListView1->setCurrentItem(form.ListView1->topLevelItem(0));
        form.ListView1->topLevelItem(0)->setSelected(true);
        form.DeleteButton->click();
        form.GetButton->click();
        EXPECT_EQ(boxes.texts, QStringList(5, TDialogBase::kNotComplete));
        EXPECT_FALSE(form.CompanionEditor()->isVisible());
        ASSERT_TRUE(WaitIdle(form));
        EXPECT_TRUE(Since(from, "SET").empty());
        EXPECT_EQ(WalksSince(0, firstColumnOid), walks);
    };
    StartSim({"--delay", "300"});
    radius = std::make_unique<TRadiusServerForm>(nullptr);
    check(*radius, kRadius + "2");
    radius.reset();
    logHost = std::make_unique<TSystemLogHostForm>(nullptr);
    check(*logHost, kLogHost + "2");
}

} // namespace
