// Edit constraints: specifier parsing, the typing and leaving checks, and what happens to
// real line edits (text, focus, message boxes, beeps).
#include "KtNML/KtEditConstraint.h"
#include "KtNML/KtSNMPError.h"
#include "tests/support/MessageRecorder.h"
#include "tests/support/TestUtil.h"

#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

#include <cfloat>
#include <memory>

namespace {

int ExpectBadFormat(const QString& specifier)
{
    try {
        ParseEditFormat(specifier);
    } catch (const KtException& e) {
        EXPECT_EQ(e.Message(), "Bad format specifier of edit's constraint!");
        return e.Code();
    }
    return 0;
}

// ---- Specifiers ----

struct FormatCase {
    const char* specifier;
    char type;
    char16_t delimiter;
    double minimum, maximum;
    int length;
    unsigned char flags;
    char16_t skip;
    int width;
};

const FormatCase kFormats[] = {
    {"%i{n0x255l3}", 'i', 0, 0, 255, 3, 0, 0, 0},
    {"%i{n1x20l2a}", 'i', 0, 1, 20, 2, KtEditAutoAdvance, 0, 0},
    {"%s{l16f}", 's', 0, DBL_MIN, DBL_MAX, 16, KtEditFixedLength, 0, 0},
    {"%s{l3fna}", 's', 0, DBL_MIN, DBL_MAX, 3, 7, 0, 0},
    {"%s{l3aa}", 's', 0, DBL_MIN, DBL_MAX, 3, KtEditAutoAdvance, 0, 0},  // not 'f'
    {"%n,{l4}", 'n', u',', 0, 4294967295.0, 4, 0, 0, 0},
    {"%i{e.}", 'i', 0, -2147483648.0, 2147483647.0, 0, 0, u'.', 0},
    {"%i{}", 'i', 0, -2147483648.0, 2147483647.0, 0, 0, 0, 0},
    {"%i", 'i', 0, -2147483648.0, 2147483647.0, 0, 0, 0, 0},
    {"%u", 'u', 0, 0, 4294967295.0, 0, 0, 0, 0},
    {"%f", 'f', 0, DBL_MIN, DBL_MAX, 0, 0, 0, 0},
    {"%h{w80l4}", 'h', 0, DBL_MIN, DBL_MAX, 4, 0, 0, 80},
    {"%f{n-1.5x.5}", 'f', 0, -1.5, 0.5, 0, 0, 0, 0},
    {"%n{", 'n', u'{', 0, 4294967295.0, 0, 0, 0, 0},  // "{" is the delimiter
    {"%i{x9n-9e l2}", 'i', 0, -9, 9, 2, 0, u' ', 0},
};

TEST(KtEditFormat, ParsesSpecifiers)
{
    for (const auto& c : kFormats) {
        SCOPED_TRACE(c.specifier);
        const KtEditFormat f = ParseEditFormat(QString::fromLatin1(c.specifier));
        EXPECT_EQ(f.type, c.type);
        EXPECT_EQ(f.delimiter, QChar(c.delimiter));
        EXPECT_EQ(f.minimum, c.minimum);
        EXPECT_EQ(f.maximum, c.maximum);
        EXPECT_EQ(f.length, c.length);
        EXPECT_EQ(f.flags, c.flags);
        EXPECT_EQ(f.skip, QChar(c.skip));
        EXPECT_EQ(f.width, c.width);
    }
}

TEST(KtEditFormat, MalformedSpecifiersRaiseMinus2)
{
    const char* const bad[] = {
        "", "%", "i", "i{}", "%x{l3}", "%i{l}", "%n", "%i{", "%i}", "%i{}x", "%ix", "%i{n}",
        "%i{x}", "%i{w}", "%i{e}", "%i{q1}", "%i{L3}", "%i{n0x255l3} ",
        "%i{l3n0}",          // an "n" right after the length is the not-empty flag
        "%i{n1-2}", "%i{x-}", "%i{n.}",  // number characters that make no number
        "%s{l99999999999}",  // beyond 32 bits
        "%s{l3afnn}",        // a fourth flag letter is an unknown item
    };
    for (const char* specifier : bad) {
        SCOPED_TRACE(specifier);
        EXPECT_EQ(ExpectBadFormat(QString::fromLatin1(specifier)), -2);
    }
}

TEST(KtEditFormat, SplitsCompoundFormats)
{
    EXPECT_EQ(SplitEditFormats("%i{e.}%i{e.}%i{e.}%i"), QStringList({"%i{e.}", "%i{e.}", "%i{e.}", "%i"}));
    EXPECT_EQ(SplitEditFormats("%s{l16}"), QStringList({"%s{l16}"}));
    EXPECT_EQ(SplitEditFormats(""), QStringList());
    // Text between specifiers stays with the one before it (and spoils it).
    EXPECT_EQ(SplitEditFormats("%i{n0x9}-%u"), QStringList({"%i{n0x9}-", "%u"}));
    EXPECT_EQ(SplitEditFormats("ab%i"), QStringList({"ab", "%i"}));
}

// ---- The checks ----

TEST(KtEditChecks, TypingRemovesRefusedCharacters)
{
    struct Case {
        const char* specifier;
        const char* text;
        const char* kept;
    };
    const Case cases[] = {
        {"%i", "25x", "25"},          {"%i", "-12", "-12"},       {"%i", "1-2", "12"},
        {"%i", "--1", "-1"},          {"%u", "-5", "5"},          {"%f", "-1.2.3", "-1.23"},
        {"%f", ".5-", ".5"},          {"%h", "0aFg9", "0aF9"},    {"%n,", ",1,,2,", "1,2,"},
        {"%n,", "1.2", "12"},         {"%s", "a-.,x!", "a-.,x!"}, {"%u", "\xb2\xbd", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.specifier) + " " + c.text);
        EXPECT_EQ(CleanTypedText(ParseEditFormat(c.specifier), QString::fromLatin1(c.text)), QString::fromLatin1(c.kept));
    }
    int cursor = 3;  // after "1x2"
    EXPECT_EQ(CleanTypedText(ParseEditFormat("%i"), "1x2y", &cursor), "12");
    EXPECT_EQ(cursor, 2);
}

struct LeaveCase {
    const char* specifier;
    const char* text;
    KtLeaveCheck::Result result;
    const char* message;
};

const LeaveCase kLeaveCases[] = {
    {"%i{n0x255l3}", "300", KtLeaveCheck::Failed, "Please enter a number between 0 and 255!"},
    {"%i{n0x255l3}", "255", KtLeaveCheck::Accepted, ""},
    {"%i{n0x255l3}", "-", KtLeaveCheck::Failed, "Please enter a number between 0 and 255!"},
    {"%i{n100x255l3}", "99", KtLeaveCheck::Failed, "Please enter a number between 100 and 255!"},
    {"%f{n0.5x1.5}", "1.75", KtLeaveCheck::Failed, "Please enter a number between 0.5 and 1.5!"},
    {"%f{n0.5x1.5}", "0.5", KtLeaveCheck::Accepted, ""},
    {"%u", "4294967296", KtLeaveCheck::Failed, "Please enter a number between 0 and 4294967295!"},
    {"%i{}", "-2147483649", KtLeaveCheck::Failed, "Please enter a number between -2147483648 and 2147483647!"},
    {"%i{}", "-2147483648", KtLeaveCheck::Accepted, ""},
    {"%s{l16f}", "123456789012345", KtLeaveCheck::Failed, "Please enter a string whose length is 16!"},
    {"%s{l16f}", "1234567890123456", KtLeaveCheck::Accepted, ""},
    {"%s{l4}", "abcde", KtLeaveCheck::Failed, "Please enter a string whose length is less than 4!"},
    {"%s{l4}", "abcd", KtLeaveCheck::Accepted, ""},
    {"%h{l4}", "ABCDE", KtLeaveCheck::Failed, "Please enter a hex string whose length is less than 4!"},
    {"%h{l4f}", "ABC", KtLeaveCheck::Failed, "Please enter a hex string whose length is 4!"},
    {"%h", "ABCDEF0123", KtLeaveCheck::Accepted, ""},
    {"%n,{l4}", "1,2,3,4,5", KtLeaveCheck::Failed,
     "Please enter a delimited number string with delimiter ','.\nHere,the count of the number is less than 4!"},
    {"%n,{l4}", "1,2,3,4", KtLeaveCheck::Accepted, ""},
    {"%n;{l2f}", "1", KtLeaveCheck::Failed,
     "Please enter a delimited number string with delimiter ';'.\nHere,the count of the number is equal to 2!"},
    {"%n,{n1.9x10.7}", "1,11", KtLeaveCheck::Failed,
     "Please enter a delimited number string with delimiter ','.\nHere,each number is between 1 and 10!"},
    {"%n,{n1x10}", "0,5", KtLeaveCheck::Failed,
     "Please enter a delimited number string with delimiter ','.\nHere,each number is between 1 and 10!"},
    {"%n,{n1x10}", "10,1", KtLeaveCheck::Accepted, ""},
    {"%n,{n-3x2}", "0,2", KtLeaveCheck::Accepted, ""},  // a negative bound admits 0
    {"%s{l5n}", "", KtLeaveCheck::Failed, "Empty value is not allowed!"},
    {"%i{n5x9}", "", KtLeaveCheck::AcceptedEmpty, ""},
    {"%i{n5x9l1}", "(NULL)", KtLeaveCheck::Skipped, ""},
    {"%s{l2fn}", "(NOTDONE)", KtLeaveCheck::Skipped, ""},
};

TEST(KtEditChecks, LeavingMessagesHaveTheirPlaceholdersFilled)
{
    for (const auto& c : kLeaveCases) {
        SCOPED_TRACE(std::string(c.specifier) + " " + c.text);
        const KtLeaveCheck check = CheckOnLeaving(ParseEditFormat(c.specifier), QString::fromLatin1(c.text));
        EXPECT_EQ(check.result, c.result);
        EXPECT_EQ(check.message, QString::fromLatin1(c.message));
    }
}

// ---- Line edits in a window ----

class EditFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto* layout = new QVBoxLayout(&window);
        for (int i = 0; i < 4; ++i) {
            edits[i] = new QLineEdit(&window);
            edits[i]->setObjectName(QString("ED_%1").arg(i));
            layout->addWidget(edits[i]);
        }
        button = new QPushButton("Set", &window);
        layout->addWidget(button);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(testutil::waitFor([this] { return window.isActiveWindow(); }, 3000));
        edits[0]->setFocus();
        ASSERT_TRUE(testutil::waitFor([this] { return edits[0]->hasFocus(); }, 3000));
    }

    // Queued focus moves and the like.
    static void Settle()
    {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    }

    testutil::MessageRecorder recorder;  // outlives the window and its constraints
    std::vector<testutil::MessageRecorder::Box>& shown = recorder.boxes;
    int& beeps = recorder.beeps;
    QWidget window;
    QLineEdit* edits[4] = {};
    QPushButton* button = nullptr;
    KtEditConstraint constraint{&window, true};
};

// A recorder stands in for the message service while it lives, a nested one included, and
// puts back the one it replaced.
TEST(MessageService, ARecorderReplacesTheServiceWhileItLivesAndRestoresThePrevious)
{
    KtMessages* const boxes = &KtMessageService();
    {
        testutil::MessageRecorder outer;
        EXPECT_EQ(&KtMessageService(), &outer);
        {
            testutil::MessageRecorder inner;
            inner.answer = false;
            KtMessageService().Error(nullptr, "caption", "text");
            KtMessageService().Beep();
            EXPECT_FALSE(KtMessageService().AskYesNo(nullptr, "caption", "yes or no?"));
            EXPECT_FALSE(KtMessageService().AskOkCancel(nullptr, "caption", "ok or cancel?"));
            ASSERT_EQ(inner.boxes.size(), 1u);
            EXPECT_EQ(inner.boxes[0].kind, KtMessageKind::Error);
            EXPECT_EQ(inner.boxes[0].caption, "caption");
            EXPECT_EQ(inner.texts, QStringList{"text"});
            EXPECT_EQ(inner.questions, QStringList({"yes or no?", "ok or cancel?"}));
            EXPECT_EQ(inner.beeps, 1);
        }
        EXPECT_EQ(&KtMessageService(), &outer);
        KtMessageService().Information(nullptr, "caption", "after");
        EXPECT_EQ(outer.texts, QStringList{"after"});
        EXPECT_EQ(outer.beeps, 0);
    }
    EXPECT_EQ(&KtMessageService(), boxes);
}

TEST_F(EditFixture, TypingRemovesWrongCharactersWithOneBeepEach)
{
    constraint.AddConstraint("%i{n0x255l3}", edits[0]);
    QTest::keyClicks(edits[0], "25x");
    EXPECT_EQ(edits[0]->text(), "25");
    EXPECT_EQ(beeps, 1);
    QTest::keyClicks(edits[0], "9");
    EXPECT_EQ(edits[0]->text(), "259");
    EXPECT_EQ(beeps, 1);
    // The length stops typing, not programs: a read's marker text stays whole.
    QTest::keyClicks(edits[0], "1");
    EXPECT_EQ(edits[0]->text(), "259");
    edits[0]->setText("(NOTDONE)");
    EXPECT_EQ(edits[0]->text(), "(NOTDONE)");
    EXPECT_EQ(beeps, 1);
}

TEST_F(EditFixture, LengthLimitsTypingButNotThePrograms)
{
    constraint.AddConstraint("%s{l3}", edits[0]);
    QTest::keyClicks(edits[0], "abcd");
    EXPECT_EQ(edits[0]->text(), "abc");
    edits[0]->setText("abcdef");
    EXPECT_EQ(edits[0]->text(), "abcdef");
    // Deleting from an over-long text works; typing into it does not.
    QTest::keyClick(edits[0], Qt::Key_Backspace);
    EXPECT_EQ(edits[0]->text(), "abcde");
    QTest::keyClicks(edits[0], "x");
    EXPECT_EQ(edits[0]->text(), "abcde");
    edits[0]->selectAll();
    QTest::keyClicks(edits[0], "xy");
    EXPECT_EQ(edits[0]->text(), "xy");
    EXPECT_EQ(beeps, 0);
}

TEST_F(EditFixture, LeavingWithAWrongValueShowsTheMessageAndRestoresTheEdit)
{
    constraint.AddConstraint("%i{n0x255l3}", edits[0]);
    QTest::keyClicks(edits[0], "12");
    edits[1]->setFocus();  // accepted: 12 becomes the last good text
    ASSERT_TRUE(edits[1]->hasFocus());
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(constraint.Find(edits[0])->lastGood, "12");

    edits[0]->setFocus();
    edits[0]->setText("300");
    button->setFocus();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "Please enter a number between 0 and 255!");
    EXPECT_EQ(shown[0].caption, QFileInfo(QCoreApplication::applicationFilePath()).fileName());
    EXPECT_FALSE(shown[0].caption.contains('/'));
    EXPECT_EQ(shown[0].owner, &window);
    EXPECT_EQ(shown[0].kind, KtMessageKind::Plain);  // no icon
    EXPECT_EQ(edits[0]->text(), "12");
    EXPECT_TRUE(edits[0]->hasFocus());
    EXPECT_EQ(QApplication::focusWidget(), edits[0]);
    // The edit is fully focused again: leaving it once more with the good text is quiet.
    edits[1]->setFocus();
    EXPECT_EQ(shown.size(), 1u);
    EXPECT_TRUE(edits[1]->hasFocus());
}

TEST_F(EditFixture, AFailedCheckDoesNotSetOffTheFieldItWasLeavingFor)
{
    constraint.AddConstraint("%i{n0x255l3}", edits[0]);
    constraint.AddConstraint("%s{l4n}", edits[1]);  // empty, and must not be
    edits[0]->setText("999");
    edits[1]->setFocus();  // the focus never really arrives in edits[1]
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "Please enter a number between 0 and 255!");
    EXPECT_TRUE(edits[0]->hasFocus());
    Settle();
    EXPECT_EQ(shown.size(), 1u);
}

TEST_F(EditFixture, MarkerTextsAndEmptyTextsAreNotFlagged)
{
    constraint.AddConstraint("%i{n0x255l3}", edits[0]);
    constraint.AddConstraint("%s{l4n}", edits[1]);
    for (const char* marker : {"(NULL)", "(NOTDONE)"}) {
        edits[0]->setText(marker);
        edits[1]->setText(marker);
        edits[1]->setFocus();
        edits[2]->setFocus();
        edits[0]->setFocus();
        EXPECT_EQ(edits[0]->text(), marker);
        EXPECT_EQ(edits[1]->text(), marker);
    }
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(beeps, 0);

    edits[0]->clear();  // no not-empty flag: accepted as it is
    edits[1]->setFocus();
    EXPECT_TRUE(shown.empty());
    edits[1]->clear();  // not-empty flag
    edits[2]->setFocus();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "Empty value is not allowed!");
    EXPECT_TRUE(edits[1]->hasFocus());
}

TEST_F(EditFixture, AutoAdvanceMovesOnWhenTheLengthIsTyped)
{
    constraint.AddConstraint("%i{n1x20l2a}", edits[0]);
    QTest::keyClicks(edits[0], "1");
    Settle();
    EXPECT_TRUE(edits[0]->hasFocus());
    QTest::keyClicks(edits[0], "2");
    Settle();
    EXPECT_TRUE(edits[1]->hasFocus());
    EXPECT_EQ(edits[0]->text(), "12");
}

TEST_F(EditFixture, SkipCharacterMovesToTheNextOctetField)
{
    constraint.AddConstraints("%i{e.}%i{e.}%i{e.}%i{e.}", {edits[0], edits[1], edits[2], edits[3]});
    EXPECT_EQ(constraint.Count(), 4);
    QTest::keyClicks(edits[0], "10.");
    Settle();
    EXPECT_EQ(edits[0]->text(), "10");
    EXPECT_TRUE(edits[1]->hasFocus());
    QTest::keyClicks(edits[1], "0.");
    Settle();
    EXPECT_EQ(edits[1]->text(), "0");
    EXPECT_TRUE(edits[2]->hasFocus());
    EXPECT_EQ(beeps, 0);
}

TEST_F(EditFixture, DelimitedNumbers)
{
    constraint.AddConstraint("%n,{l4}", edits[0]);
    QTest::keyClicks(edits[0], ",");
    EXPECT_EQ(edits[0]->text(), "");
    EXPECT_EQ(beeps, 1);
    QTest::keyClicks(edits[0], "1,,2");
    EXPECT_EQ(edits[0]->text(), "1,2");
    EXPECT_EQ(beeps, 2);
    // The length counts numbers here, so more than four characters can be typed.
    QTest::keyClicks(edits[0], ",3,4,5");
    EXPECT_EQ(edits[0]->text(), "1,2,3,4,5");
    edits[1]->setFocus();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text,
              "Please enter a delimited number string with delimiter ','.\nHere,the count of the number is less than 4!");
    EXPECT_EQ(edits[0]->text(), "");
    EXPECT_TRUE(edits[0]->hasFocus());
}

TEST_F(EditFixture, HandlersAndTheStopTag)
{
    constraint.AddConstraint("%i{n1x20l2a}", edits[0]);
    QStringList changes;
    int exits = 0;
    constraint.SetChangeHandler(edits[0], [&](QLineEdit* e) {
        changes << e->text();
        if (e->text() == "15")
            e->setProperty(kKtEditTagProperty, -1);
    });
    constraint.SetExitHandler(edits[0], [&](QLineEdit*) { ++exits; });

    QTest::keyClicks(edits[0], "1x");  // the handler never sees the refused x
    EXPECT_EQ(changes, QStringList({"1", "1"}));
    QTest::keyClicks(edits[0], "5");
    Settle();
    EXPECT_EQ(changes.last(), "15");
    EXPECT_TRUE(edits[0]->hasFocus());  // tag -1: no auto-advance

    edits[1]->setFocus();  // accepted, but the tag sends it back to the last good text
    EXPECT_EQ(exits, 1);
    EXPECT_EQ(edits[0]->text(), "");

    edits[0]->setProperty(kKtEditTagProperty, 0);
    edits[0]->setFocus();
    edits[0]->setText("7");
    edits[1]->setFocus();
    EXPECT_EQ(exits, 2);
    EXPECT_EQ(constraint.Find(edits[0])->lastGood, "7");
    edits[0]->setFocus();
    edits[0]->setText("70");
    edits[1]->setFocus();  // 70 fails: the exit handler is not called
    EXPECT_EQ(exits, 2);
    EXPECT_EQ(shown.size(), 1u);
    EXPECT_EQ(edits[0]->text(), "7");
}

TEST_F(EditFixture, WithoutRememberTheLastGoodTextComesFromSaveLastGood)
{
    KtEditConstraint forgetful(&window, false);
    edits[2]->setText("5");
    forgetful.AddConstraint("%u{n1x9}", edits[2]);
    forgetful.SaveLastGood(edits[2]);
    edits[2]->setText("8");
    edits[2]->setFocus();
    edits[3]->setFocus();
    edits[2]->setText("0");
    edits[2]->setFocus();
    edits[3]->setFocus();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(edits[2]->text(), "5");
}

TEST_F(EditFixture, RemoveConstraintGivesTheHandlersBack)
{
    constraint.AddConstraint("%i{l3}", edits[0]);
    int changes = 0, exits = 0;
    constraint.SetChangeHandler(edits[0], [&](QLineEdit*) { ++changes; });
    constraint.SetExitHandler(edits[0], [&](QLineEdit*) { ++exits; });
    constraint.RemoveConstraint(edits[0]);
    EXPECT_EQ(constraint.Count(), 0);
    EXPECT_EQ(constraint.Find(edits[0]), nullptr);
    QTest::keyClicks(edits[0], "x1234");
    EXPECT_EQ(edits[0]->text(), "x1234");  // neither characters nor length are limited
    EXPECT_EQ(beeps, 0);
    EXPECT_EQ(changes, 5);
    edits[1]->setFocus();
    EXPECT_EQ(exits, 1);
    EXPECT_TRUE(shown.empty());
}

TEST_F(EditFixture, BadSpecifiersLeaveTheEditsAlone)
{
    for (const char* specifier : {"%x{l3}", "%i{l}"}) {
        SCOPED_TRACE(specifier);
        try {
            constraint.AddConstraint(specifier, edits[0]);
            ADD_FAILURE() << "no error";
        } catch (const KtException& e) {
            EXPECT_EQ(e.Code(), -2);
        }
    }
    // One bad specifier in a compound format, or one too many: nothing is attached.
    EXPECT_THROW(constraint.AddConstraints("%i%i{l}%i", {edits[0], edits[1], edits[2]}), KtException);
    EXPECT_THROW(constraint.AddConstraints("%i%i%i", {edits[0], edits[1]}), KtException);
    EXPECT_EQ(constraint.Count(), 0);
    EXPECT_EQ(edits[0]->validator(), nullptr);
    QTest::keyClicks(edits[0], "ab");
    EXPECT_EQ(edits[0]->text(), "ab");
}

TEST_F(EditFixture, ReplacingAndLosingEdits)
{
    constraint.AddConstraint("%i{l2}", edits[0]);
    constraint.AddConstraint("%h{l4w60}", edits[0]);  // replaces the first
    EXPECT_EQ(constraint.Count(), 1);
    EXPECT_EQ(edits[0]->width(), 60);
    QTest::keyClicks(edits[0], "aBz12");
    EXPECT_EQ(edits[0]->text(), "aB12");

    auto* extra = new QLineEdit(&window);
    constraint.AddConstraint("%u", extra);
    EXPECT_EQ(constraint.Count(), 2);
    delete extra;
    EXPECT_EQ(constraint.Count(), 1);
}

TEST(KtEditConstraintLifetime, DestroyedBeforeItsEdits)
{
    QWidget window;
    auto* edit = new QLineEdit(&window);
    {
        KtEditConstraint constraint(&window, true);
        constraint.AddConstraint("%u{l3}", edit);
        EXPECT_NE(edit->validator(), nullptr);
    }
    // Its hooks went with it.
    EXPECT_EQ(edit->validator(), nullptr);
    edit->setText("x-1");
    EXPECT_EQ(edit->text(), "x-1");
}

} // namespace
