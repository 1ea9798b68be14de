// The aggregator port table dialog against the switch simulator: the LACP state octets on their
// check boxes, Edit's one write of the selected port (checked in the request log and read back),
// empty key edits left out of it, partner system IDs refused before anything goes out, and the
// guard while a walk runs.
#include "dialogs/layer2/AggregatorPortTableForm.h"
#include "tests/support/SimDialogFixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <memory>

using testutil::Pump;
using testutil::waitFor;

namespace {

const QString kEntry = QStringLiteral("1.3.6.1.4.1.32473.12.4.1.2.1.1.");

class AggregatorPortTable : public testutil::TableDialogFixture<TAggregatorPortTableForm> {
protected:
    // The ticks of state page p (0 to 3) as "10100000", bit 0 first.
    QString PageBits(int p)
    {
        QString bits;
        for (int k = 0; k < TAggregatorPortTableForm::kBoxesPerPage; ++k)
            bits += form->StateBoxes[std::size_t(p * TAggregatorPortTableForm::kBoxesPerPage + k)]->isChecked()
                ? u'1'
                : u'0';
        return bits;
    }
    void TickPage(int p, const QString& bits)
    {
        for (int k = 0; k < TAggregatorPortTableForm::kBoxesPerPage; ++k)
            form->StateBoxes[std::size_t(p * TAggregatorPortTableForm::kBoxesPerPage + k)]->setChecked(
                bits[k] == u'1');
    }
};

TEST_F(AggregatorPortTable, OpensWithTheTenPortsAndShowsTheStateBitsOfTheSelectedOne)
{
    StartLoaded();
    EXPECT_EQ(Ports(), QStringList({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
    EXPECT_EQ(form->StaticText1->text(), "10");
    EXPECT_FALSE(form->btnEdit->isEnabled());
    // The eight boxes of a page are the LACP state bits, bit 0 first; only the admin tabs show.
    const QStringList bitNames = {"lacpActivity", "lacpTimeout", "aggregation", "synchronisation",
                                  "collecting",   "distributing", "defaulted",  "expired"};
    ASSERT_EQ(form->StateBoxes.size(), 32u);
    for (int k = 0; k < 32; ++k) {
        EXPECT_EQ(form->StateBoxes[std::size_t(k)]->objectName(), QStringLiteral("CheckBox%1").arg(k + 1));
        EXPECT_EQ(form->StateBoxes[std::size_t(k)]->text(), bitNames[k % 8]) << k;
    }
    EXPECT_TRUE(form->StatePages->isTabVisible(0));
    EXPECT_FALSE(form->StatePages->isTabVisible(1));
    EXPECT_TRUE(form->StatePages->isTabVisible(2));
    EXPECT_FALSE(form->StatePages->isTabVisible(3));

    // Port 9: actor admin A0, actor oper BC, partner admin 40, partner oper BC.
    SelectPort("9");
    EXPECT_TRUE(form->btnEdit->isEnabled());
    EXPECT_EQ(PageBits(0), "10100000");
    EXPECT_EQ(PageBits(1), "10111100");
    EXPECT_EQ(PageBits(2), "01000000");
    EXPECT_EQ(PageBits(3), "10111100");
    EXPECT_EQ(form->edtActorKey->text(), "9");
    EXPECT_EQ(form->edtPartnerID->text(), "000000000000");
    EXPECT_EQ(form->edtPartnerKey->text(), "0");
    EXPECT_TRUE(form->edtActorKey->isEnabled());
    EXPECT_TRUE(form->StateBoxes[0]->isEnabled());
    EXPECT_TRUE(form->StateBoxes[16]->isEnabled());

    // Losing the selection clears the inputs and turns Edit off.
    form->ListView1->clearSelection();
    EXPECT_FALSE(form->btnEdit->isEnabled());
    EXPECT_TRUE(form->edtActorKey->text().isEmpty());
    EXPECT_EQ(PageBits(0), "00000000");
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
}

TEST_F(AggregatorPortTable, EditWritesTheFiveSettingsOfTheSelectedPortInOneSetAndRereads)
{
    StartLoaded();
    SelectPort("3");
    form->edtActorKey->setText("300");
    form->edtPartnerID->setText("0a1B2c3D4e5F");
    form->edtPartnerKey->setText("65535");
    TickPage(0, "11000001");
    TickPage(2, "00100010");
    const int mark = Mark();
    form->btnEdit->click();
    EXPECT_FALSE(form->GetComplete()) << "complete only once the walk after the write is done";
    ASSERT_TRUE(WaitIdle());
    const auto sets = Since(mark, "SET");
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0], QStringList({kEntry + "4.3=i:300", kEntry + "8.3=x:0A1B2C3D4E5F", kEntry + "10.3=i:65535",
                                    kEntry + "20.3=x:C1", kEntry + "22.3=x:22"}));
    EXPECT_EQ(WalksSince(mark, kEntry + "2"), 1);
    EXPECT_FALSE(form->btnEdit->isEnabled());
    EXPECT_TRUE(form->edtActorKey->text().isEmpty());

    // The switch holds the new values: the walk brought them back.
    SelectPort("3");
    EXPECT_EQ(form->edtActorKey->text(), "300");
    EXPECT_EQ(form->edtPartnerID->text().toUpper(), "0A1B2C3D4E5F");
    EXPECT_EQ(form->edtPartnerKey->text(), "65535");
    EXPECT_EQ(PageBits(0), "11000001");
    EXPECT_EQ(PageBits(2), "00100010");
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
}

TEST_F(AggregatorPortTable, EmptyKeyEditsStayOutOfTheWrite)
{
    StartLoaded();
    const struct {
        const char* actorKey;
        const char* partnerKey;
        QStringList columns;  // the columns written, in order
    } cases[] = {
        {"", "7", {"8", "10", "20", "22"}},
        {"7", "", {"4", "8", "20", "22"}},
        {"", "", {"8", "20", "22"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.actorKey) + "/" + c.partnerKey);
        SelectPort("5");
        form->edtActorKey->setText(QLatin1String(c.actorKey));
        form->edtPartnerKey->setText(QLatin1String(c.partnerKey));
        const int mark = Mark();
        form->btnEdit->click();
        ASSERT_TRUE(WaitIdle());
        const auto sets = Since(mark, "SET");
        ASSERT_EQ(sets.size(), 1u);
        QStringList columns;
        for (const QString& varbind : sets[0])
            columns << varbind.section('=', 0, 0).mid(kEntry.size()).section('.', 0, 0);
        EXPECT_EQ(columns, c.columns);
        EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
    }
    // The left-out keys kept their values on the switch (key 5 as read, never 0).
    SelectPort("5");
    EXPECT_EQ(form->edtActorKey->text(), "7");
    EXPECT_EQ(form->edtPartnerKey->text(), "7");
}

TEST_F(AggregatorPortTable, APartnerIdThatIsNotTwelveHexDigitsIsRefusedAndNothingIsSent)
{
    StartLoaded();
    for (const char* bad : {"", "0a1b2c3d4e5", "0a1b2c3d4e5f6", "0a1b2c3d4e5g", "0a:1b:2c:3d:4e", " 0a1b2c3d4e5f"}) {
        SCOPED_TRACE(bad);
        SelectPort("2");
        form->edtPartnerID->setText(QLatin1String(bad));
        boxes.Clear();
        const int mark = Mark();
        form->btnEdit->click();
        Pump(100);
        EXPECT_EQ(boxes.texts, QStringList({TAggregatorPortTableForm::kBadMac}));
        EXPECT_TRUE(Since(mark, "SET").empty());
        EXPECT_EQ(Mark(), mark);
        EXPECT_TRUE(form->GetComplete());
    }
}

TEST_F(AggregatorPortTable, CommandsAndClosingWaitForTheWalkAndStopEndsIt)
{
    StartLoaded({"--delay", "20"});
    SelectPort("4");
    int mark = Mark();
    form->GetBtn->click();
    ASSERT_FALSE(form->GetComplete());
    // Refresh while the walk runs is ignored; Edit and closing are refused.
    form->GetBtn->click();
    boxes.Clear();
    form->edtPartnerID->setText("000000000000");
    form->btnEditClick();
    EXPECT_FALSE(form->FormCloseQuery());
    EXPECT_EQ(boxes.texts, QStringList({TDialogBase::kNotComplete, TDialogBase::kNotComplete}));

    form->btnStop->click();
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(WalksSince(mark, kEntry + "2"), 1);
    EXPECT_TRUE(Since(mark, "SET").empty());
    EXPECT_LT(form->ListView1->topLevelItemCount(), 10);

    // Usable again: a Refresh walks the whole table.
    mark = Mark();
    form->GetBtn->click();
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(WalksSince(mark, kEntry + "2"), 1);
    EXPECT_EQ(Ports().size(), 10);
    EXPECT_TRUE(form->FormCloseQuery());
}

} // namespace
