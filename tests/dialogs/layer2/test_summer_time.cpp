// The summer-time dialog against the switch simulator: the two-step read, the octets each
// rule's controls put on the wire, the checks that refuse a write before anything goes out,
// the rows each status shows, and a value shorter than its rule.
#include "KtNML/KtSNMPError.h"
#include "dialogs/layer2/SummerTimeForm.h"
#include "tests/support/SimDialogFixture.h"
#include "views/CtrlPanels.h"
#include "views/SNMPEditorPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

const QString kBase = QStringLiteral("1.3.6.1.4.1.32473.12.10.12.");
QString Oid(int row) { return kBase + QString::number(row + 1) + ".0"; }

using Form = TSummerTimeForm;

class SummerTime : public testutil::SimDialogFixture {
public:  // the case tables' fill functions use the helpers
    void TearDown() override
    {
        form.reset();
        SimDialogFixture::TearDown();
    }
    void Start(QStringList extra = {})
    {
        StartSim(extra);
        form = std::make_unique<Form>(nullptr);
    }

    TEditsPanel* Edits() const { return form->Editor->EditsPanel(); }
    QCheckBox* Tick(int row) const { return Edits()->RowAt(row).Tick; }
    QLineEdit* Offset() const { return qobject_cast<QLineEdit*>(Edits()->RowAt(Form::kOffsetRow).Value); }
    // Ticks a row as the operator does (which turns "Set Checked" on).
    void Check(int row)
    {
        if (!Tick(row)->isChecked())
            Tick(row)->click();
    }
    void Choose(const char* status) { form->StatusCombo->setCurrentIndex(form->StatusCombo->findText(status)); }
    bool Shown(int row) const { return !Edits()->RowAt(row).Value->isHidden() && !Edits()->RowAt(row).Label->isHidden(); }

    // A repeating rule row: week, weekday, month by their texts, then hour and minute.
    void Repeat(int row, const char* week, const char* weekday, const char* month, const char* hour,
                const char* minute)
    {
        Form::RuleControls& r = form->Rule(row);
        r.Week->setCurrentIndex(r.Week->findText(week));
        r.Weekday->setCurrentIndex(r.Weekday->findText(weekday));
        r.Month->setCurrentIndex(r.Month->findText(month));
        r.Hour->setText(hour);
        r.Minute->setText(minute);
    }
    void Annual(int row, const char* day, const char* month, const char* hour, const char* minute)
    {
        Form::RuleControls& r = form->Rule(row);
        r.Day->setText(day);
        r.Month->setCurrentIndex(r.Month->findText(month));
        r.Hour->setText(hour);
        r.Minute->setText(minute);
    }
    // What a composite row's controls show, left to right.
    QString RowText(int row) const
    {
        QStringList parts;
        for (const QWidget* w : Edits()->RowAt(row).Controls) {
            if (const auto* e = qobject_cast<const QLineEdit*>(w))
                parts << e->text();
            else if (const auto* l = qobject_cast<const QComboBox*>(w))
                parts << l->currentText();
        }
        return parts.join(' ');
    }
    void PressSet() { form->Editor->Buttons()->btnSetChecked->click(); }
    QString Memo() const { return form->Editor->Memo()->toPlainText(); }

    std::unique_ptr<Form> form;
};

TEST_F(SummerTime, ReadsTheStatusThenTheOffsetAndTheRuleItNames)
{
    const int before = Mark();
    Start();
    // The first get reads the status alone, the second the status again, the offset and the
    // repeating rule the simulator holds.
    EXPECT_EQ(Since(before, "GET"), (std::vector<QStringList>{{Oid(0)}, {Oid(0), Oid(1), Oid(2), Oid(3)}}));
    EXPECT_EQ(form->StatusCombo->currentText(), "repeating");
    EXPECT_EQ(Offset()->text(), "60");
    Form::RuleControls& start = form->Rule(Form::kRepeatStart);
    EXPECT_EQ(start.Week->currentText(), "last");
    EXPECT_EQ(start.Weekday->currentText(), "Sun");
    EXPECT_EQ(start.Month->currentText(), "Mar");
    EXPECT_EQ(start.Hour->text(), "2");
    EXPECT_EQ(form->Rule(Form::kRepeatEnd).Month->currentText(), "Oct");
    EXPECT_TRUE(Shown(Form::kRepeatStart) && Shown(Form::kRepeatEnd));
    EXPECT_FALSE(Shown(Form::kAnnualStart) || Shown(Form::kAnnualEnd));
    EXPECT_EQ(Edits()->RowAt(Form::kRepeatStart).Kind, 5);
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
}

// What the controls of one rule put in its octets, and what the switch then holds.
TEST_F(SummerTime, RuleControlsEncodeTheirOctets)
{
    struct Case {
        const char* name;
        const char* status;
        int statusValue;
        int row;
        std::function<void(SummerTime&)> fill;
        const char* octets;
    };
    const Case cases[] = {
        {"2nd Sun of Mar at 2:00", "repeating", 1, Form::kRepeatStart,
         [](SummerTime& t) { t.Repeat(Form::kRepeatStart, "2nd", "Sun", "Mar", "2", "0"); }, "020001030200"},
        {"last Sat of Oct at 23:59", "repeating", 1, Form::kRepeatEnd,
         [](SummerTime& t) { t.Repeat(Form::kRepeatEnd, "last", "Sat", "Oct", "23", "59"); }, "FF00070A173B"},
        {"annual 31 Dec 23:30", "annual", 2, Form::kAnnualStart,
         [](SummerTime& t) { t.Annual(Form::kAnnualStart, "31", "Dec", "23", "30"); }, "1F0C171E"},
        {"annual 28 Feb 0:00", "annual", 2, Form::kAnnualEnd,
         [](SummerTime& t) { t.Annual(Form::kAnnualEnd, "28", "Feb", "0", "0"); }, "1C020000"},
    };
    Start();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Choose(c.status);
        c.fill(*this);
        const QString typed = RowText(c.row);
        Check(Form::kStatusRow);
        Check(c.row);
        const int before = Mark();
        PressSet();
        // The status first, then the rule (the offset is unticked).
        EXPECT_EQ(Since(before, "SET"), (std::vector<QStringList>{{Oid(0) + "=i:" + QString::number(c.statusValue)},
                                                                  {Oid(c.row) + "=x:" + c.octets}}));
        EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
        form->Editor->Buttons()->btnClearChecks->click();

        // Read back, the row shows what was typed.
        form->Rule(c.row).Month->setCurrentIndex(-1);
        form->Editor->Buttons()->btnRefresh->click();
        EXPECT_EQ(form->StatusCombo->currentText(), c.status);
        EXPECT_EQ(RowText(c.row), typed);
    }
}

// Every refusal comes before the first pass: nothing at all is sent, not even the status.
TEST_F(SummerTime, RefusedInputSendsNothing)
{
    struct Case {
        const char* name;
        const char* status;
        std::function<void(SummerTime&)> fill;
        QString message;
    };
    const auto repeatTime = [](const char* hour, const char* minute) {
        return [=](SummerTime& t) {
            t.Repeat(Form::kRepeatStart, "1st", "Sun", "Mar", hour, minute);
            t.Check(Form::kRepeatStart);
        };
    };
    const auto annualDay = [](const char* day, const char* month) {
        return [=](SummerTime& t) {
            t.Annual(Form::kAnnualStart, day, month, "2", "0");
            t.Check(Form::kAnnualStart);
        };
    };
    const Case cases[] = {
        {"31 Apr", "annual", annualDay("31", "Apr"), Form::kTimeError},
        {"29 Feb", "annual", annualDay("29", "Feb"), Form::kTimeError},
        {"day 0", "annual", annualDay("0", "May"), Form::kTimeError},
        {"hour 24", "repeating", repeatTime("24", "0"), Form::kTimeError},
        {"minute 60", "repeating", repeatTime("23", "60"), Form::kTimeError},
        {"empty minute", "repeating", repeatTime("23", ""), Form::kTimeError},
        {"offset 45", "repeating",
         [](SummerTime& t) {
             t.Offset()->setText("45");
             t.Check(Form::kOffsetRow);
         },
         Form::kBadOffset},
        {"ticked empty offset", "annual",
         [](SummerTime& t) {
             t.Offset()->clear();
             t.Check(Form::kOffsetRow);
         },
         Form::kEmptyItems},
        {"same months", "repeating",
         [](SummerTime& t) {
             t.Repeat(Form::kRepeatStart, "1st", "Sun", "Apr", "2", "0");
             t.Repeat(Form::kRepeatEnd, "last", "Sun", "Apr", "3", "0");
             t.Check(Form::kRepeatStart);
             t.Check(Form::kRepeatEnd);
         },
         Form::kSameMonth},
        {"no status chosen", "",
         [](SummerTime& t) { t.form->StatusCombo->setCurrentIndex(-1); }, Form::kChooseStatus},
    };
    Start();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Choose(c.status);
        Offset()->setText("60");
        // A ticked status would go out in the first pass if the checks came too late.
        Check(Form::kStatusRow);
        c.fill(*this);
        boxes.Clear();
        const int before = Mark();
        PressSet();
        EXPECT_EQ(Mark(), before) << Types(before).join(' ').toStdString();
        EXPECT_EQ(boxes.texts, QStringList{c.message});
        form->Editor->Buttons()->btnClearChecks->click();
    }

    // The limits themselves pass: 29 Feb is refused but 28 Feb, 23:59 and 90 minutes go out.
    Choose("annual");
    Annual(Form::kAnnualStart, "28", "Feb", "23", "59");
    Offset()->setText("90");
    for (int row : {Form::kStatusRow, Form::kOffsetRow, Form::kAnnualStart})
        Check(row);
    boxes.Clear();
    const int before = Mark();
    PressSet();
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
    EXPECT_EQ(Since(before, "SET"), (std::vector<QStringList>{{Oid(0) + "=i:2"},
                                                              {Oid(1) + "=i:90", Oid(4) + "=x:1C02173B"}}));
}

// The offset ticked without a status chosen (the rule's rows are not even on show): Set says
// why it sends nothing instead of doing nothing.
TEST_F(SummerTime, SetWithoutAStatusSaysWhyAndSendsNothing)
{
    Start();
    Choose("");
    form->Editor->Buttons()->btnClearChecks->click();
    Check(Form::kOffsetRow);
    ASSERT_TRUE(form->Editor->Buttons()->btnSetChecked->isEnabled());
    boxes.Clear();
    const int before = Mark();
    PressSet();
    EXPECT_EQ(Mark(), before) << Types(before).join(' ').toStdString();
    EXPECT_EQ(boxes.texts, QStringList{Form::kChooseStatus});
}

TEST_F(SummerTime, ChoosingAnnualShowsItsRowsAndLeavesTheRepeatingOnesOut)
{
    Start();
    Check(Form::kRepeatStart);
    Check(Form::kRepeatEnd);
    Choose("annual");
    EXPECT_TRUE(Shown(Form::kAnnualStart) && Shown(Form::kAnnualEnd));
    EXPECT_FALSE(Shown(Form::kRepeatStart) || Shown(Form::kRepeatEnd));
    EXPECT_FALSE(Tick(Form::kRepeatStart)->isChecked() || Tick(Form::kRepeatEnd)->isChecked());

    // Check All ticks the hidden rows too; the write still sends the annual rule only.
    form->Editor->Buttons()->btnCheckAll->click();
    Annual(Form::kAnnualStart, "30", "Mar", "2", "0");
    Annual(Form::kAnnualEnd, "15", "Oct", "3", "0");
    const int before = Mark();
    PressSet();
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
    EXPECT_EQ(Since(before, "SET"),
              (std::vector<QStringList>{{Oid(0) + "=i:2"},
                                        {Oid(1) + "=i:60", Oid(4) + "=x:1E030200", Oid(5) + "=x:0F0A0300"}}));
}

TEST_F(SummerTime, DisableShowsOnlyStatusAndOffset)
{
    Start();
    Choose("disable");
    EXPECT_TRUE(Shown(Form::kStatusRow) && Shown(Form::kOffsetRow));
    for (int row = Form::kRepeatStart; row <= Form::kAnnualEnd; ++row)
        EXPECT_FALSE(Shown(row)) << row;
    form->Editor->Buttons()->btnCheckAll->click();
    const int before = Mark();
    PressSet();
    EXPECT_EQ(Since(before, "SET"), (std::vector<QStringList>{{Oid(0) + "=i:0"}, {Oid(1) + "=i:60"}}));
    // Read again, the switch says "disable": the rules stay hidden and are not read.
    const int reread = Mark();
    form->Editor->Buttons()->btnRefresh->click();
    EXPECT_EQ(Since(reread, "GET"), (std::vector<QStringList>{{Oid(0)}, {Oid(0), Oid(1)}}));
    EXPECT_FALSE(Shown(Form::kRepeatStart));
}

TEST_F(SummerTime, AShortValueIsReportedAndTheDialogStaysUsable)
{
    Start({"--data", testutil::sourceDir() + "/tests/dialogs/layer2/data/summer-short.sim"});
    EXPECT_TRUE(Memo().contains(KtMessage(KtErr::PartialOutOfRange))) << Memo().toStdString();

    // A later write goes out and says so; a later read runs both steps.
    Offset()->setText("120");
    Check(Form::kOffsetRow);
    int before = Mark();
    PressSet();
    EXPECT_EQ(Since(before, "SET"), (std::vector<QStringList>{{Oid(1) + "=i:120"}}));
    EXPECT_TRUE(Memo().split(QLatin1Char(10)).last().startsWith("Set: ")) << Memo().toStdString();
    EXPECT_TRUE(Memo().split('\n').last().contains("Ok!")) << Memo().toStdString();
    before = Mark();
    form->Editor->Buttons()->btnRefresh->click();
    EXPECT_EQ(Since(before, "GET").size(), 2u);
    EXPECT_EQ(Offset()->text(), "120");
}

} // namespace
