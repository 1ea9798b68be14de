// The lifecycle every dialog shares, once, on a small dialog over the simulator's static VLAN
// table: a failed command leaves the dialog usable, column writes are not each followed by a
// walk, the writers send what they name and leave every access flag as it was, the base and
// the dialog both hear a read end, a synchronous dialog closes whatever runs (a close asked while
// a synchronous operation waits follows its end), nothing starts while such an operation waits,
// a write that names nothing sends nothing, a refused write stays the last word of its command,
// and the list views of a shown dialog have the copy, export, sort and filter tools.
#include "KtNML/KtOptionList.h"
#include "dialogs/DialogBase.h"
#include "views/ListViewTools.h"
#include "tests/support/SimDialogFixture.h"

#include <QCheckBox>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <memory>

using testutil::Pump;
using testutil::waitFor;

namespace {

const QString kEntry = QStringLiteral("1.3.6.1.2.1.17.7.1.4.3.1.");

constexpr KtOptionPair kRowStatusPairs[] = {{1, "Active"},      {2, "NotInService"}, {3, "NotReady"},
                                            {4, "CreateAndGo"}, {5, "CreateAndWait"}, {6, "Destroy"}, {}};
const KtOptionList olRowStatus(kRowStatusPairs);

const KtSNMPVarDef kTable[] = {
    {"", "VLAN ID", KtSyn::Gauge, KtAcc::NotAccess},
    {"1.3.6.1.2.1.17.7.1.4.3.1.1", "VLAN Name", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.2.1.17.7.1.4.3.1.5", "Status", KtSyn::Integer, KtAcc::ReadWrite, &olRowStatus},
    {},
};
constexpr int kName = 1, kStatus = 2;
constexpr int kActivePosition = 0, kCreateAndWaitPosition = 4, kDestroyPosition = 5;

// A dialog with nothing of its own: the base's commands, opened up for the tests.
class TStubForm : public TDialogBase {
public:
    TStubForm(bool synchronous, int requestMode, const QString& keyFormat = QStringLiteral("%s"))
        : TDialogBase(nullptr, false)
    {
        SetSynchronous(synchronous);
        List = new QTreeWidget(this);
        Key = new QLineEdit(this);
        Name = new QLineEdit(this);
        Status = new QComboBox(this);
        NameTick = new QCheckBox(this);
        StatusTick = new QCheckBox(this);
        Memo1 = new QPlainTextEdit(this);
        table = &AddRequest(kTable, KtItem::MVT_UMV, 1, QStringLiteral("dot1qVlanStaticTable"));
        table->Mode = requestMode;
        table->BindListView(List, false);
        table->BindFormatted(0, keyFormat, {Key});
        table->BindFormatted(kName, QStringLiteral("%s"), {Name});
        table->Bind(kStatus, Status);
        table->SetStatusTarget(Memo1);
        WatchGetDone(*table);
    }
    ~TStubForm() override { FormClose(); }

    bool Run(const std::function<void()>& body, const std::function<bool()>& check = {})
    {
        return RunOperation(*table, body, check);
    }
    bool Read()
    {
        return Run([this] { table->Get(); });
    }
    using TDialogBase::CheckEdits;
    using TDialogBase::ReselectAfterRead;
    using TDialogBase::SendChain;
    using TDialogBase::SetGuardMessage;
    using TDialogBase::WatchRowCount;
    using TDialogBase::DestroyRow;
    using TDialogBase::SendColumn;
    using TDialogBase::SendColumns;
    using TDialogBase::SendRow;
    using TDialogBase::SendTicked;
    using TDialogBase::TickedField;

    QTreeWidget* List;
    QLineEdit* Key;
    QLineEdit* Name;
    QComboBox* Status;
    QCheckBox* NameTick;
    QCheckBox* StatusTick;
    QPlainTextEdit* Memo1;
    KtSNMPRequest2Edits* table;
};

class DialogBaseTest : public testutil::SimDialogFixture {
protected:
    void TearDown() override
    {
        form.reset();
        SimDialogFixture::TearDown();
    }
    // An asynchronous dialog over the loaded table.
    void Open(bool synchronous = false, int requestMode = 1)
    {
        form = std::make_unique<TStubForm>(synchronous, requestMode);
        ASSERT_TRUE(form->Read());
        ASSERT_TRUE(WaitIdle());
        ASSERT_EQ(form->List->topLevelItemCount(), 3);
    }
    bool WaitIdle(int ms = 10000)
    {
        return waitFor([&] { return form->GetComplete() && !form->table->Busy(); }, ms);
    }
    QList<std::int32_t> Access() const
    {
        QList<std::int32_t> access;
        const KtSNMPVarList& list = form->table->VarList();
        for (int i = 0; i < list.Count(); ++i)
            access << list.Item(i).Access;
        return access;
    }

    std::unique_ptr<TStubForm> form;
};

TEST_F(DialogBaseTest, AFailedCommandLeavesTheDialogUsableWithItsMessageInTheStatusTarget)
{
    ASSERT_TRUE(StartSim());
    Open();
    const QString failure = QStringLiteral("the body's own failure");
    EXPECT_TRUE(form->Run([&] { throw KtException(-1, failure); }));
    EXPECT_TRUE(form->GetComplete());
    EXPECT_TRUE(form->Memo1->toPlainText().contains(failure)) << form->Memo1->toPlainText().toStdString();

    // A refusing check: nothing runs, nothing changes, the dialog stays usable.
    bool ran = false;
    EXPECT_FALSE(form->Run([&] { ran = true; }, [] { return false; }));
    EXPECT_FALSE(ran);
    EXPECT_TRUE(form->GetComplete());

    // The next command goes out, and the dialog closes afterwards.
    const int mark = Mark();
    EXPECT_TRUE(form->Read());
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(WalksSince(mark, kEntry + "1"), 1);
    EXPECT_TRUE(boxes.texts.isEmpty()) << ::testing::PrintToString(boxes.texts);
    form->show();
    form->close();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(form->Requests().empty());
}

TEST_F(DialogBaseTest, ColumnWritesAreNotEachFollowedByAWalk)
{
    ASSERT_TRUE(StartSim());
    Open();
    form->Key->setText("10");
    form->Name->setText("lab");
    form->Status->setCurrentIndex(kActivePosition);
    const int mark = Mark();
    EXPECT_TRUE(form->Run([&] {
        form->SendColumn(*form->table, kName);
        form->SendColumn(*form->table, kStatus);
        form->table->Get();
    }));
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(Since(mark, "SET"),
              (std::vector<QStringList>{{kEntry + "1.10=x:6C6162"}, {kEntry + "5.10=i:1"}}));
    EXPECT_EQ(WalksSince(mark, kEntry + "1"), 1);
    EXPECT_EQ(Types(mark).mid(0, 2), QStringList({"SET", "SET"}));
}

TEST_F(DialogBaseTest, AWriteThenWalkReselectsItsRowOnlyWhenTheWalkHasEndedAndTheCounterFollows)
{
    ASSERT_TRUE(StartSim({"--delay", "100"}));
    Open();
    auto* counter = new QLabel(form.get());
    form->WatchRowCount(form->List, counter);
    EXPECT_EQ(counter->text(), "3");
    // The filter counts the rows it shows; the dialog's count stays that of all rows.
    TListViewTools* tools = TListViewTools::Attach(form->List);
    tools->SetFilterText(form->List->topLevelItem(1)->text(0));
    ASSERT_NE(tools->FilterCount(), nullptr);
    EXPECT_EQ(tools->FilterCount()->text(), "1 of 3");
    EXPECT_EQ(counter->text(), "3");
    tools->SetFilterText(QString());

    QTreeWidgetItem* row = form->List->topLevelItem(1);
    const QString key = row->text(0);
    form->List->setCurrentItem(row);
    row->setSelected(true);
    ASSERT_EQ(form->Key->text(), key);
    form->Name->setText("renamed");
    std::optional<bool> found;
    ASSERT_TRUE(form->Run([&] {
        form->SendColumn(*form->table, kName);
        form->table->Get();
        form->ReselectAfterRead(*form->table, key, [&](bool f) { found = f; });
    }));
    // The walk has cleared the list; nothing is selected before it ends.
    EXPECT_FALSE(found.has_value());
    ASSERT_TRUE(WaitIdle());
    ASSERT_EQ(found, std::optional<bool>(true));
    ASSERT_EQ(form->List->selectedItems().size(), 1);
    EXPECT_EQ(form->List->selectedItems().front()->text(0), key);
    EXPECT_EQ(form->Name->text(), "renamed");
    EXPECT_EQ(counter->text(), "3");

    // A key that is gone: nothing selected, and the caller hears it.
    ASSERT_TRUE(form->Run([&] {
        form->table->Get();
        form->ReselectAfterRead(*form->table, QStringLiteral("4095"), [&](bool f) { found = f; });
    }));
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(found, std::optional<bool>(false));
    EXPECT_TRUE(form->List->selectedItems().isEmpty());

    // The guard speaks the dialog's own words.
    form->SetGuardMessage(QStringLiteral("Refresh not complete"));
    ASSERT_TRUE(form->Read());
    EXPECT_FALSE(form->Read());
    EXPECT_EQ(boxes.texts, QStringList({"Refresh not complete"}));
    ASSERT_TRUE(WaitIdle());
}

TEST_F(DialogBaseTest, AChainSendsEachWriteOnlyAfterThePreviousOneSucceeded)
{
    ASSERT_TRUE(StartSim());
    Open();
    // The row goes first (waiting for its port lists), a second name after it; then the table is read again.
    form->Key->setText("30");
    form->Name->setText("lab");
    form->Status->setCurrentIndex(kCreateAndWaitPosition);
    int mark = Mark();
    ASSERT_TRUE(form->Run([&] {
        form->SendChain(*form->table, {[&] { form->SendRow(*form->table, {kName, kStatus}); },
                                       [&] {
                                           form->Name->setText("lab2");
                                           form->SendColumn(*form->table, kName);
                                       },
                                       [&] { form->table->Get(); }});
    }));
    EXPECT_FALSE(form->GetComplete());
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(Since(mark, "SET"), (std::vector<QStringList>{{kEntry + "1.30=x:6C6162", kEntry + "5.30=i:5"},
                                                            {kEntry + "1.30=x:6C616232"}}))
        << form->Memo1->toPlainText().toStdString();
    EXPECT_EQ(WalksSince(mark, kEntry + "1"), 1);
    EXPECT_EQ(form->List->topLevelItemCount(), 4);

    // A name for a row that does not exist is refused: nothing after it goes out.
    form->Key->setText("31");
    mark = Mark();
    bool secondRan = false;
    ASSERT_TRUE(form->Run([&] {
        form->SendChain(*form->table, {[&] { form->SendColumn(*form->table, kName); },
                                       [&] {
                                           secondRan = true;
                                           form->SendColumn(*form->table, kStatus);
                                       },
                                       [&] { form->table->Get(); }});
    }));
    ASSERT_TRUE(WaitIdle());
    EXPECT_FALSE(secondRan);
    EXPECT_EQ(Since(mark, "SET").size(), 1u);
    EXPECT_EQ(WalksSince(mark, kEntry + "1"), 0);
    EXPECT_FALSE(form->Memo1->toPlainText().isEmpty());

    // A step that raises ends the chain with its message; the dialog stays usable.
    form->Key->setText("10");
    ASSERT_TRUE(form->Run([&] {
        form->SendChain(*form->table, {[&] { form->SendColumn(*form->table, kName); },
                                       [&] { throw KtException(-1, QStringLiteral("second step refused")); }});
    }));
    ASSERT_TRUE(WaitIdle());
    EXPECT_TRUE(form->Memo1->toPlainText().contains("second step refused"));
    EXPECT_TRUE(form->Read());
    ASSERT_TRUE(WaitIdle());
}

struct WriteCase {
    const char* name;
    bool nameTicked;
    bool statusTicked;
    std::function<bool(TStubForm&)> write;  // false: nothing was to be sent
    std::vector<QStringList> sets;
};

void PrintTo(const WriteCase& c, std::ostream* os)
{
    *os << c.name;
}

class DialogWrites : public DialogBaseTest, public ::testing::WithParamInterface<WriteCase> {};

TEST_P(DialogWrites, SendWhatTheyNameAndLeaveEveryAccessFlagAsItWas)
{
    ASSERT_TRUE(StartSim());
    Open();
    const WriteCase& c = GetParam();
    form->Key->setText("10");
    form->Name->setText("lab");
    form->Status->setCurrentIndex(kActivePosition);
    form->NameTick->setChecked(c.nameTicked);
    form->StatusTick->setChecked(c.statusTicked);
    const QList<std::int32_t> access = Access();
    const int mark = Mark();
    bool sent = false;
    EXPECT_TRUE(form->Run([&] { sent = c.write(*form); }));
    EXPECT_EQ(sent, !c.sets.empty());
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(Since(mark, "SET"), c.sets);
    EXPECT_EQ(Access(), access);
    EXPECT_EQ(WalksSince(mark, kEntry + "1"), 0);
    EXPECT_TRUE(boxes.texts.isEmpty()) << ::testing::PrintToString(boxes.texts);
}

bool SendNameAndStatus(TStubForm& f)
{
    f.SendRow(*f.table, {kName, kStatus});
    return true;
}
bool Destroy(TStubForm& f)
{
    f.DestroyRow(*f.table, kStatus, f.Status, kDestroyPosition);
    return true;
}
bool TickedTogether(TStubForm& f)
{
    return f.SendTicked(*f.table, {{f.NameTick, kName}, {f.StatusTick, kStatus}}, false);
}
bool TickedStatusFirst(TStubForm& f)
{
    return f.SendTicked(*f.table, {{f.StatusTick, kStatus}, {f.NameTick, kName}}, true);
}

INSTANTIATE_TEST_SUITE_P(
    Writers, DialogWrites,
    ::testing::Values(
        WriteCase{"row", false, false, SendNameAndStatus, {{kEntry + "1.10=x:6C6162", kEntry + "5.10=i:1"}}},
        WriteCase{"destroy", false, false, Destroy, {{kEntry + "5.10=i:6"}}},
        WriteCase{"ticked in one", true, true, TickedTogether,
                  {{kEntry + "1.10=x:6C6162", kEntry + "5.10=i:1"}}},
        WriteCase{"ticked one", false, true, TickedTogether, {{kEntry + "5.10=i:1"}}},
        WriteCase{"ticked each in order", true, true, TickedStatusFirst,
                  {{kEntry + "5.10=i:1"}, {kEntry + "1.10=x:6C6162"}}},
        WriteCase{"none ticked", false, false, TickedTogether, {}}),
    [](const auto& info) {
        std::string name = info.param.name;
        for (char& ch : name)
            if (ch == ' ')
                ch = '_';
        return name;
    });

TEST_F(DialogBaseTest, TheDialogsOwnReadHandlerAndTheBaseBothHearAReadEnd)
{
    ASSERT_TRUE(StartSim());
    form = std::make_unique<TStubForm>(false, 1);
    int ownReads = 0;
    int listened = 0;
    form->table->GetDone = [&](KtSNMPRequest2Controls&, const KtSNMPError&) { ++ownReads; };
    QObject::connect(form->table, &KtSNMPRequest2Controls::ReadDone, form.get(), [&] { ++listened; });
    ASSERT_TRUE(form->Read());
    EXPECT_FALSE(form->GetComplete());
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(ownReads, 1);
    EXPECT_EQ(listened, 1);
}

TEST_F(DialogBaseTest, EditConstraintsRunAtCommandTimeOnWhatWasTyped)
{
    // No switch needed: nothing is sent.
    form = std::make_unique<TStubForm>(false, 1, QStringLiteral("%i{n1x4094}"));
    for (const char* good : {"1", "4094", ""}) {
        form->Key->setText(good);
        EXPECT_TRUE(form->CheckEdits(*form->table)) << good;
    }
    EXPECT_TRUE(boxes.texts.isEmpty()) << ::testing::PrintToString(boxes.texts);
    for (const char* bad : {"0", "4095"}) {
        boxes.texts.clear();
        form->Key->setText(bad);
        EXPECT_FALSE(form->CheckEdits(*form->table)) << bad;
        EXPECT_EQ(boxes.texts.size(), 1) << ::testing::PrintToString(boxes.texts);
        EXPECT_EQ(form->Key->text(), bad);  // the operator's text stays to be mended
    }
}

struct CloseCase {
    const char* name;
    bool synchronous;  // the dialog's mode
    int requestMode;   // 0 synchronous, 1 asynchronous
    bool closes;       // while its read runs (or right after a synchronous one)
};

void PrintTo(const CloseCase& c, std::ostream* os)
{
    *os << c.name;
}

class DialogClose : public DialogBaseTest, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(DialogClose, ClosesWhenNothingIsGuardedAndAlwaysDestroysItsRequests)
{
    const CloseCase& c = GetParam();
    ASSERT_TRUE(StartSim({"--delay", "300"}));
    form = std::make_unique<TStubForm>(c.synchronous, c.requestMode);
    ASSERT_TRUE(form->Read());
    form->show();
    form->close();
    Pump(20);
    EXPECT_EQ(!form->isVisible(), c.closes);
    if (c.closes) {
        EXPECT_TRUE(boxes.texts.isEmpty()) << ::testing::PrintToString(boxes.texts);
        EXPECT_TRUE(form->Requests().empty());
    } else {
        EXPECT_EQ(boxes.texts, QStringList({TDialogBase::kNotComplete}));
        EXPECT_EQ(boxes.TextsOf(KtMessageKind::Warning), boxes.texts);
        ASSERT_TRUE(WaitIdle());
        form->close();
        EXPECT_FALSE(form->isVisible());
    }
}

INSTANTIATE_TEST_SUITE_P(Modes, DialogClose,
                         ::testing::Values(CloseCase{"guarded_walk", false, 1, false},
                                           CloseCase{"synchronous_dialog_walking", true, 1, true},
                                           CloseCase{"synchronous_request", false, 0, true}),
                         [](const auto& info) { return std::string(info.param.name); });

// While a synchronous walk waits, a close (button, Escape, reject) is not carried out under
// it: the walk is told to stop after the reply outstanding, and the dialog closes once the
// walk has returned; its requests go then. (Closing under the walk freed the request it read.)
TEST_F(DialogBaseTest, ACloseAskedWhileASynchronousWalkWaitsFollowsItsEnd)
{
    ASSERT_TRUE(StartSim({"--delay", "300"}));
    const struct {
        const char* name;
        std::function<void(TStubForm&)> close;
    } ways[] = {
        {"close", [](TStubForm& f) { f.close(); }},
        {"escape", [](TStubForm& f) { QTest::keyClick(&f, Qt::Key_Escape); }},
        {"reject", [](TStubForm& f) { f.reject(); }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.name);
        form = std::make_unique<TStubForm>(true, 0);
        form->show();
        bool askedDuringWalk = false;
        QTimer::singleShot(450, form.get(), [&] {
            askedDuringWalk = form->table->Busy();
            way.close(*form);
        });
        const int mark = Mark();
        EXPECT_TRUE(form->Read());
        EXPECT_TRUE(askedDuringWalk);
        // The walk stopped early: three rows and the end would take four replies.
        EXPECT_LT(Since(mark, "GETNEXT").size(), 4u);
        EXPECT_FALSE(form->Requests().empty());
        ASSERT_TRUE(waitFor([&] { return !form->isVisible(); }, 2000));
        EXPECT_TRUE(form->Requests().empty());
        EXPECT_TRUE(boxes.texts.isEmpty()) << ::testing::PrintToString(boxes.texts);
        form.reset();
    }
}

// A command that arrives while a synchronous operation waits (a timer's, since the operator's
// input is held back) does not start: the guard message, and no second walk under the first.
TEST_F(DialogBaseTest, NothingStartsWhileASynchronousOperationWaits)
{
    ASSERT_TRUE(StartSim({"--delay", "300"}));
    form = std::make_unique<TStubForm>(true, 0);
    form->show();
    std::optional<bool> secondRan;
    QTimer::singleShot(450, form.get(), [&] { secondRan = form->Read(); });
    const int mark = Mark();
    EXPECT_TRUE(form->Read());
    ASSERT_TRUE(secondRan.has_value());
    EXPECT_FALSE(*secondRan);
    EXPECT_EQ(WalksSince(mark, kEntry + "1"), 1);
    EXPECT_EQ(form->List->topLevelItemCount(), 3);
    EXPECT_EQ(boxes.texts, QStringList({TDialogBase::kNotComplete}));
}

// A write whose list of variables comes out empty sends no PDU and says why in the status
// target; the explicit empty SET still goes out.
TEST_F(DialogBaseTest, AWriteThatNamesNothingSendsNothingAndSaysWhy)
{
    ASSERT_TRUE(StartSim());
    for (int mode : {0, 1}) {
        SCOPED_TRACE(mode ? "async" : "sync");
        ASSERT_NO_FATAL_FAILURE(Open(false, mode));
        form->Key->setText("10");
        form->Name->setText("lab");
        const struct {
            const char* name;
            std::function<void()> write;
            const char* message;
        } cases[] = {
            {"no_columns", [&] { form->SendRow(*form->table, {}); }, "Nothing was written: no variable to send!"},
            {"unselected_status",
             [&] {
                 form->Status->setCurrentIndex(-1);
                 form->SendColumn(*form->table, kStatus);
             },
             "Nothing was written: Status has no value!"},
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            const int mark = Mark();
            EXPECT_TRUE(form->Run(c.write));
            ASSERT_TRUE(WaitIdle());
            Pump(50);
            EXPECT_TRUE(Since(mark, "SET").empty()) << ::testing::PrintToString(Since(mark, "SET"));
            EXPECT_TRUE(form->Memo1->toPlainText().split(u'\n').last().contains(c.message))
                << form->Memo1->toPlainText().toStdString();
        }
        const int mark = Mark();
        EXPECT_TRUE(form->Run([&] { form->SendColumns(*form->table, KtEmptySet); }));
        ASSERT_TRUE(WaitIdle());
        EXPECT_TRUE(waitFor([&] { return Since(mark, "SET").size() == 1; }, 2000));
        EXPECT_EQ(Since(mark, "SET"), (std::vector<QStringList>{{}}));
        form.reset();
    }
}

// A write the switch refuses stays the last word of its command: on a one-line status target
// the "Ok!" of the read that follows it is followed by the refusal again, until the operator's
// next command.
TEST_F(DialogBaseTest, ARefusedWriteStaysInSightAfterTheReadThatFollows)
{
    ASSERT_TRUE(StartSim());
    for (int mode : {0, 1}) {
        SCOPED_TRACE(mode ? "async" : "sync");
        ASSERT_NO_FATAL_FAILURE(Open(false, mode));
        auto* status = new QLabel(form.get());
        form->table->SetStatusTarget(status);
        form->Key->setText("31");  // no such row: the name is refused
        form->Name->setText("lab");
        EXPECT_TRUE(form->Run([&] {
            try {
                form->SendColumn(*form->table, kName);
            } catch (const KtException& e) {
                form->table->ShowStatus(1, e.Message());
            }
            form->table->Get();
        }));
        ASSERT_TRUE(WaitIdle());
        Pump(50);
        EXPECT_TRUE(status->text().startsWith("Set: ")) << status->text().toStdString();
        EXPECT_FALSE(status->text().contains("Ok!")) << status->text().toStdString();

        // The operator's next command: its read ends with its own "Ok!".
        KtSNMPRequest2Controls::ForgetRefusals(form.get());
        EXPECT_TRUE(form->Read());
        ASSERT_TRUE(WaitIdle());
        EXPECT_TRUE(status->text().startsWith("Get: (ZiDUVA++) Ok!")) << status->text().toStdString();
        form.reset();
    }
}

} // namespace

// Every list of a dialog, and one made after it was shown, gets the tools: the context menu's
// actions and the filter box on Ctrl+F, which hides the rows that do not match.
TEST_F(DialogBaseTest, ListViewsOfAShownDialogGetCopySortAndFilter)
{
    ASSERT_TRUE(StartSim());
    Open();
    ASSERT_EQ(form->List->topLevelItemCount(), 3);
    EXPECT_EQ(TListViewTools::Of(form->List), nullptr) << "not before the dialog is shown";
    form->show();
    QApplication::processEvents();
    QStringList texts;
    for (const QAction* action : form->List->actions())
        texts << action->text();
    EXPECT_EQ(texts, QStringList({"Copy", "Copy All", "Export CSV..."}));
    EXPECT_EQ(form->List->contextMenuPolicy(), Qt::ActionsContextMenu);

    QKeyEvent find(QEvent::KeyPress, Qt::Key_F, Qt::ControlModifier);
    QApplication::sendEvent(form->List, &find);
    TListViewTools* tools = TListViewTools::Of(form->List);
    ASSERT_NE(tools, nullptr);
    ASSERT_NE(tools->FilterBox(), nullptr);
    EXPECT_TRUE(tools->FilterBox()->isVisible());
    const QString name = form->List->topLevelItem(1)->text(1);
    tools->FilterBox()->setText(name);
    int shown = 0;
    for (int r = 0; r < form->List->topLevelItemCount(); ++r)
        shown += form->List->topLevelItem(r)->isHidden() ? 0 : 1;
    EXPECT_EQ(shown, 1);
    EXPECT_FALSE(form->List->topLevelItem(1)->isHidden());

    auto* later = new QTreeWidget(form.get());
    later->show();
    QApplication::processEvents();
    EXPECT_NE(TListViewTools::Of(later), nullptr);
}
