// The login and enable method-list dialogs: the method rules on their own (order, truncation,
// what a write leaves out, the empty-group check), then both dialogs against the simulator:
// what Add, Edit and Delete send at the list name's string instance, the order question, and
// the inputs refused with nothing sent.
#include "dialogs/security/AclOptions.h"
#include "dialogs/security/MethodListForms.h"
#include "dialogs/security/MethodListRules.h"
#include "tests/support/SimDialogFixture.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

using namespace MethodListRules;
constexpr int U = kUnset;
// Positions of the type lists: 0 tacacs, 3 radius, 4 server-group, 5 local, 6 none, 7 other.
constexpr int kTacacs = 0, kRadius = 3, kGroup = kServerGroupPosition, kLocal = kLocalPosition, kNone = kNonePosition;

// ---- the rules, without widgets --------------------------------------------------------------

TEST(MethodListRules, OrderTruncationAndWhatAWriteLeavesOut)
{
    struct Case {
        const char* name;
        Positions methods;
        bool orderOk;
        Positions truncated;
        std::set<int> leftOut;  // of the methods as given
    } cases[] = {
        {"local then radius", {kLocal, kRadius, U, U}, false, {kLocal, U, U, U}, {2, 4, 5, 6, 7, 8}},
        {"radius then none", {kRadius, kNone, U, U}, true, {kRadius, kNone, U, U}, {2, 4, 5, 6, 7, 8}},
        {"local, unset, unset, tacacs", {kLocal, U, U, kTacacs}, false, {kLocal, U, U, U}, {2, 3, 4, 5, 6, 8}},
        {"none, then local", {kNone, U, kLocal, U}, false, {kNone, U, U, U}, {2, 3, 4, 6, 7, 8}},
        {"local last", {kRadius, kGroup, kTacacs, kLocal}, true, {kRadius, kGroup, kTacacs, kLocal}, {2, 6, 8}},
        {"nothing set", {U, U, U, U}, true, {U, U, U, U}, {1, 2, 3, 4, 5, 6, 7, 8}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CheckMethodOrder(c.methods), c.orderOk);
        EXPECT_EQ(TruncateMethods(c.methods), c.truncated);
        EXPECT_EQ(LeftOutByMethods(c.methods), c.leftOut);
    }
}

TEST(MethodListRules, UnsetTypesAndEmptyGroups)
{
    EXPECT_EQ(MethodPosition(-1, ""), U);
    EXPECT_EQ(MethodPosition(kOtherPosition, "other"), U);
    EXPECT_EQ(MethodPosition(kLocal, "local-enable"), kLocal);

    const std::array<QString, 4> none{"", "", "", ""};
    EXPECT_EQ(FirstEmptyGroup({kRadius, kGroup, U, U}, none), 2);
    EXPECT_EQ(FirstEmptyGroup({kRadius, kGroup, U, U}, {"", "  ", "", ""}), 2);
    EXPECT_EQ(FirstEmptyGroup({kRadius, kGroup, U, U}, {"", "lab-group", "", ""}), 0);
    // A group after local is never written (the order question drops it), so it is no fault.
    EXPECT_EQ(FirstEmptyGroup({kLocal, kGroup, U, U}, none), 0);
}

// ---- the dialogs against the simulator --------------------------------------------------------

const QString kLoginEntry = QStringLiteral("1.3.6.1.4.1.32473.12.5.3.1.");
const QString kEnableEntry = QStringLiteral("1.3.6.1.4.1.32473.12.5.4.1.");

// A string index: its length, then its characters.
QString Instance(const QString& name)
{
    QStringList parts{QString::number(name.size())};
    for (QChar c : name)
        parts << QString::number(c.unicode());
    return parts.join('.');
}

QString Hex(const QString& text)
{
    return QString::fromLatin1(text.toLatin1().toHex().toUpper());
}

// One dialog of the two: how to make it, its table, its local method and its sample list.
struct Which {
    const char* name;
    std::function<std::unique_ptr<TMethodListForm>()> make;
    QString entry;
    int localValue;
    QString sample;  // a list using the server group "lab-group" as method 1
};

const Which kLogin{"login", [] { return std::make_unique<TLoginMethodListForm>(nullptr); }, kLoginEntry, 6,
                   QStringLiteral("lab-login")};
const Which kEnable{"enable", [] { return std::make_unique<TEnableMethodForm>(nullptr); }, kEnableEntry, 7,
                    QStringLiteral("lab-enable")};

class MethodLists : public testutil::SimDialogFixture {
protected:
    void TearDown() override
    {
        form.reset();
        SimDialogFixture::TearDown();
    }

    // "2=i:5" of list name -> the logged varbind.
    static QStringList Varbinds(const Which& w, const QString& name, const QStringList& columns)
    {
        QStringList out;
        for (const QString& c : columns) {
            const qsizetype eq = c.indexOf('=');
            out << w.entry + c.left(eq) + '.' + Instance(name) + c.mid(eq);
        }
        return out;
    }
    // The type value a list position stands for in w's dialog.
    static int Value(const Which& w, int position)
    {
        static const int values[] = {1, 2, 3, 4, 5, 0, 8, 9};
        return position == kLocal ? w.localValue : values[position];
    }
    // As the operator chooses: the combo's position, then its change handler.
    void ChooseType(int method, int position)
    {
        QComboBox* combo = form->TypeCombos[std::size_t(method - 1)];
        combo->setCurrentIndex(position);
        emit combo->activated(position);
    }
    void SetMethods(const Positions& methods)
    {
        for (int n = 1; n <= 4; ++n)
            ChooseType(n, methods[std::size_t(n - 1)]);
    }
    void Select(const QString& name)
    {
        const auto found = form->ListView1->findItems(name, Qt::MatchExactly, 0);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        form->ListView1->setCurrentItem(found.first());
        found.first()->setSelected(true);
    }
    QStringList Names() const
    {
        QStringList names;
        for (int r = 0; r < form->ListView1->topLevelItemCount(); ++r)
            names << form->ListView1->topLevelItem(r)->text(0);
        return names;
    }

    std::unique_ptr<TMethodListForm> form;
};

TEST_F(MethodLists, ListTheSwitchsListsAndFollowTheSelection)
{
    ASSERT_TRUE(StartSim());
    for (const Which* w : {&kLogin, &kEnable}) {
        SCOPED_TRACE(w->name);
        form = w->make();
        EXPECT_EQ(Names(), (QStringList{"default", w->sample}));
        EXPECT_EQ(form->StaticText1->text(), "2");
        EXPECT_EQ(form->RowComboBox->currentText(), "createAndGo");
        EXPECT_TRUE(form->AddButton->isEnabled());
        EXPECT_TRUE(form->NameEdit->isEnabled());
        EXPECT_FALSE(form->EditButton->isEnabled());
        EXPECT_FALSE(form->DeleteButton->isEnabled());

        Select(w->sample);
        EXPECT_EQ(form->NameEdit->text(), w->sample);
        EXPECT_EQ(form->TypeCombos[0]->currentText(), "server-group");
        // The group read from the switch is shown in the list only: it must be typed again.
        EXPECT_TRUE(form->GroupEdits[0]->isEnabled());
        EXPECT_TRUE(form->GroupEdits[0]->text().isEmpty());
        EXPECT_FALSE(form->GroupEdits[1]->isEnabled());
        EXPECT_TRUE(form->EditButton->isEnabled());
        EXPECT_TRUE(form->DeleteButton->isEnabled());
        EXPECT_FALSE(form->AddButton->isEnabled());
        EXPECT_FALSE(form->NameEdit->isEnabled());
        form.reset();
    }
    // The caption: the login dialog names itself at once, the enable dialog leaves it to the menu.
    form = kLogin.make();
    EXPECT_EQ(form->windowTitle(), "Login Method List: " + sim.address() + ":" + QString::number(sim.port()));
}

// Methods after local or none: Yes keeps the dialog as it is, No writes without them.
TEST_F(MethodLists, OrderQuestionOverBothDialogs)
{
    ASSERT_TRUE(StartSim());
    struct Case {
        const char* name;
        Positions methods;
        bool asks;
        std::vector<std::pair<int, int>> sentOnNo;  // (type column, position)
    } cases[] = {
        {"local then radius", {kLocal, kRadius, U, U}, true, {{2, kLocal}}},
        {"radius then none", {kRadius, kNone, U, U}, false, {{2, kRadius}, {4, kNone}}},
        {"local, unset, unset, tacacs", {kLocal, U, U, kTacacs}, true, {{2, kLocal}}},
    };
    for (const Which* w : {&kLogin, &kEnable}) {
        form = w->make();
        int k = 0;
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(w->name) + ": " + c.name);
            const QString name = QStringLiteral("order%1").arg(++k);
            QStringList expected;
            for (const auto& [column, position] : c.sentOnNo)
                expected << QStringLiteral("%1=i:%2").arg(column).arg(Value(*w, position));
            expected << "10=i:4";
            for (bool yes : {true, false}) {
                boxes.Clear();
                boxes.answer = yes;
                form->NameEdit->setText(name);
                SetMethods(c.methods);
                const int mark = Mark();
                form->AddButtonClick();
                EXPECT_EQ(boxes.questions, c.asks ? QStringList{TMethodListForm::kOrderQuestion} : QStringList{});
                EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
                if (c.asks && yes) {
                    EXPECT_TRUE(Since(mark, "SET").empty());
                    EXPECT_EQ(form->NameEdit->text(), name);  // left for the operator to change
                    continue;
                }
                EXPECT_EQ(Since(mark, "SET"), (std::vector<QStringList>{Varbinds(*w, name, expected)}));
                EXPECT_TRUE(Names().contains(name));
                break;  // created: the second answer has nothing left to add
            }
        }
        form.reset();
    }
}

TEST_F(MethodLists, ServerGroupMethodSendsItsTypedGroup)
{
    ASSERT_TRUE(StartSim());
    for (const Which* w : {&kLogin, &kEnable}) {
        SCOPED_TRACE(w->name);
        form = w->make();
        boxes.Clear();
        form->NameEdit->setText("ops");
        SetMethods({kRadius, kGroup, kLocal, U});
        EXPECT_FALSE(form->GroupEdits[0]->isEnabled());
        ASSERT_TRUE(form->GroupEdits[1]->isEnabled());
        form->GroupEdits[1]->setText("lab-group");
        const int mark = Mark();
        form->AddButtonClick();
        EXPECT_EQ(Since(mark, "SET"),
                  (std::vector<QStringList>{Varbinds(
                      *w, "ops",
                      {"2=i:4", "4=i:5", "5=x:" + Hex("lab-group"), QStringLiteral("6=i:%1").arg(w->localValue),
                       "10=i:4"})}));
        EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
        EXPECT_TRUE(Names().contains("ops"));
        form.reset();
    }
}

// A server-group method whose group is empty would erase the group on the switch.
TEST_F(MethodLists, EmptyGroupIsRefusedByAddAndEdit)
{
    ASSERT_TRUE(StartSim());
    form = kLogin.make();
    const int mark = Mark();
    form->NameEdit->setText("ops");
    SetMethods({kGroup, kLocal, U, U});
    form->AddButtonClick();
    EXPECT_EQ(boxes.texts, QStringList{"Method1 Server Group must be set."});

    // The row's group was cleared from the edit when it was selected.
    boxes.Clear();
    Select(kLogin.sample);
    ChooseType(2, kRadius);
    form->EditButtonClick();
    EXPECT_EQ(boxes.texts, QStringList{"Method1 Server Group must be set."});
    EXPECT_TRUE(Since(mark, "SET").empty());

    form->GroupEdits[0]->setText("other-group");
    boxes.Clear();
    form->EditButtonClick();
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
    EXPECT_EQ(Since(mark, "SET"),
              (std::vector<QStringList>{Varbinds(kLogin, kLogin.sample,
                                                 {"2=i:5", "3=x:" + Hex("other-group"), "4=i:4", "6=i:6"})}));

    form.reset();
    form = kEnable.make();
    boxes.Clear();
    form->NameEdit->setText("ops");
    SetMethods({kRadius, U, kGroup, U});
    form->AddButtonClick();
    EXPECT_EQ(boxes.texts, QStringList{"Enable Method3 Server Group must be set."});
    EXPECT_EQ(Since(mark, "SET").size(), 1u);
}

TEST_F(MethodLists, DeleteSendsMethodOneAndDestroyAtTheNamesInstance)
{
    ASSERT_TRUE(StartSim());
    for (const Which* w : {&kLogin, &kEnable}) {
        SCOPED_TRACE(w->name);
        form = w->make();
        Select(w->sample);
        const int mark = Mark();
        form->DeleteButtonClick();
        EXPECT_EQ(Since(mark, "SET"), (std::vector<QStringList>{Varbinds(*w, w->sample, {"2=i:5", "10=i:6"})}));
        EXPECT_EQ(Names(), QStringList{"default"});
        EXPECT_EQ(form->StaticText1->text(), "1");
        EXPECT_TRUE(form->AddButton->isEnabled());
        EXPECT_FALSE(form->DeleteButton->isEnabled());
        EXPECT_TRUE(form->StatusBar1->currentMessage().contains("Ok")) << form->StatusBar1->currentMessage().toStdString();
        form.reset();
    }
}

TEST_F(MethodLists, DefaultListCannotBeDestroyed)
{
    ASSERT_TRUE(StartSim());
    for (const Which* w : {&kLogin, &kEnable}) {
        SCOPED_TRACE(w->name);
        form = w->make();
        boxes.Clear();
        Select("default");
        EXPECT_TRUE(form->EditButton->isEnabled());
        EXPECT_FALSE(form->DeleteButton->isEnabled());
        const int mark = Mark();
        form->DeleteButtonClick();
        form->RowComboBox->setCurrentIndex(AclOptions::kDestroyPosition);
        form->EditButtonClick();
        EXPECT_EQ(boxes.texts, QStringList{TMethodListForm::kDefaultStays});
        EXPECT_TRUE(Since(mark, "SET").empty());
        EXPECT_EQ(Names(), (QStringList{"default", w->sample}));

        // Another list is destroyed by an Edit as by Delete.
        Select(w->sample);
        form->RowComboBox->setCurrentIndex(AclOptions::kDestroyPosition);
        form->EditButtonClick();
        EXPECT_EQ(Since(mark, "SET"), (std::vector<QStringList>{Varbinds(*w, w->sample, {"2=i:5", "10=i:6"})}));
        EXPECT_EQ(Names(), QStringList{"default"});
        form.reset();
    }
}

TEST_F(MethodLists, EditSendsTheMethodsWithoutTheRowStatus)
{
    ASSERT_TRUE(StartSim());
    form = kEnable.make();
    const int mark = Mark();
    for (int status : {AclOptions::kCreateAndGoPosition, 1, 0}) {  // createAndGo, notInService, active
        SCOPED_TRACE(status);
        Select("default");
        SetMethods({kTacacs, kRadius, kLocal, U});
        form->RowComboBox->setCurrentIndex(status);
        form->EditButtonClick();
    }
    const QStringList edit = Varbinds(kEnable, "default", {"2=i:1", "4=i:4", "6=i:7"});
    EXPECT_EQ(Since(mark, "SET"), (std::vector<QStringList>{edit, edit, edit}));
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
    EXPECT_FALSE(form->EditButton->isEnabled());  // back to the no-row state, the table read again
}

// Every method set to "other" leaves nothing of the list to write: no SET goes out (an empty
// list of columns once went out as every column, row status and group names included), and the
// status bar says why.
TEST_F(MethodLists, AnEditThatLeavesEveryColumnOutSendsNothingAndSaysWhy)
{
    ASSERT_TRUE(StartSim());
    for (const Which* w : {&kLogin, &kEnable}) {
        SCOPED_TRACE(w->name);
        form = w->make();
        Select(w->sample);
        SetMethods({kOtherPosition, kOtherPosition, kOtherPosition, kOtherPosition});
        const int mark = Mark();
        form->EditButtonClick();
        testutil::Pump(100);
        EXPECT_TRUE(Since(mark, "SET").empty()) << ::testing::PrintToString(Since(mark, "SET"));
        EXPECT_TRUE(form->StatusBar1->currentMessage().contains("Nothing was written: no variable to send!"))
            << form->StatusBar1->currentMessage().toStdString();
        form.reset();
    }
}

// "No" to the order question sends the list without its ineffective methods; for a list the
// switch holds, the dropped methods go out as "other" without a group, so that the switch's
// list ends as the dialog shows it (it kept the old method 2 otherwise).
TEST_F(MethodLists, NoToTheOrderQuestionWritesTheDroppedMethodsEmpty)
{
    ASSERT_TRUE(StartSim());
    for (const Which* w : {&kLogin, &kEnable}) {
        SCOPED_TRACE(w->name);
        form = w->make();
        Select("default");
        SetMethods({kNone, kRadius, U, U});
        boxes.Clear();
        boxes.answer = false;
        const int mark = Mark();
        form->EditButtonClick();
        EXPECT_EQ(boxes.questions, QStringList{TMethodListForm::kOrderQuestion});
        const QStringList edit = Varbinds(*w, "default",
                                          {QStringLiteral("2=i:%1").arg(Value(*w, kNone)),
                                           QStringLiteral("4=i:%1").arg(Value(*w, kOtherPosition)), "5=x:"});
        EXPECT_EQ(Since(mark, "SET"), (std::vector<QStringList>{edit}));
        ASSERT_TRUE(testutil::waitFor([&] { return form->GetComplete() && !form->TableRequest()->Busy(); }, 10000));
        Select("default");
        EXPECT_EQ(form->TypeCombos[1]->currentIndex(), kOtherPosition);
        form.reset();
    }
}

TEST_F(MethodLists, AddRefusesMissingOrListedNamesAndOtherRowStates)
{
    ASSERT_TRUE(StartSim());
    for (const Which* w : {&kLogin, &kEnable}) {
        form = w->make();
        const MethodListKind& kind = form->Kind();
        struct Refusal {
            QString name;
            int rowStatus;
            QString message;
        } cases[] = {
            {"", AclOptions::kCreateAndGoPosition, QString::fromLatin1(kind.nameMissing)},
            {"default", AclOptions::kCreateAndGoPosition, QString::fromLatin1(kind.duplicateName)},
            {w->sample, AclOptions::kCreateAndGoPosition, QString::fromLatin1(kind.duplicateName)},
            {"new", 0, TMethodListForm::kMustCreateAndGo},
        };
        const int mark = Mark();
        for (const Refusal& c : cases) {
            SCOPED_TRACE(std::string(w->name) + ": " + c.name.toStdString());
            boxes.Clear();
            form->NameEdit->setText(c.name);
            SetMethods({kRadius, U, U, U});
            form->RowComboBox->setCurrentIndex(c.rowStatus);
            form->AddButtonClick();
            EXPECT_EQ(boxes.texts, QStringList{c.message});
            EXPECT_TRUE(boxes.questions.isEmpty());
        }
        EXPECT_TRUE(Since(mark, "SET").empty());
        form.reset();
    }
}

} // namespace
