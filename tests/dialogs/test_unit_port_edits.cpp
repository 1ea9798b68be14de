// The unit/port pair: logical port numbers both ways for 64 and 32 ports per unit, the unit
// list, and the digit filter of the edits (typed and pasted).
#include "dialogs/UnitPortEdits.h"
#include "tests/support/MessageRecorder.h"
#include "tests/support/QtPrinters.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>

#include <gtest/gtest.h>

using UnitPorts::UnitPort;

namespace {

struct NumberCase {
    int perUnit;
    qint64 n;
    UnitPort pair;
};

// Both directions: the pair encodes to n and n decodes to the pair.
TEST(PortNumbers, EncodeAndDecodeAgree)
{
    const NumberCase cases[] = {
        {64, 1, {1, 1}},    {64, 10, {1, 10}},  {64, 63, {1, 63}},   {64, 64, {1, 64}},
        {64, 65, {2, 1}},   {64, 128, {2, 64}}, {64, 130, {3, 2}},   {64, 768, {12, 64}},
        {32, 1, {1, 1}},    {32, 31, {1, 31}},  {32, 32, {1, 32}},   {32, 33, {2, 1}},
        {32, 64, {2, 32}}, {32, 100, {4, 4}}, {32, 384, {12, 32}},
    };
    for (const NumberCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.perUnit << " per unit, n=" << c.n);
        EXPECT_EQ(UnitPorts::Encode(c.pair.unit, c.pair.port, c.perUnit), c.n);
        const std::optional<UnitPort> decoded = UnitPorts::Decode(c.n, c.perUnit);
        ASSERT_TRUE(decoded.has_value());
        EXPECT_EQ(decoded->unit, c.pair.unit);
        EXPECT_EQ(decoded->port, c.pair.port);
    }
}

TEST(PortNumbers, NoPortAndTextsThatAreNoNumber)
{
    for (int perUnit : {32, 64}) {
        EXPECT_EQ(UnitPorts::Decode(0, perUnit), (UnitPort{0, 0}));
        EXPECT_EQ(UnitPorts::DecodeText("0", perUnit), (UnitPort{0, 0}));
        EXPECT_FALSE(UnitPorts::Decode(-1, perUnit));
        for (const char* text : {"", "(NULL)", "(NOTDONE)", "12x", " 5", "-3", "1.5", "99999999999999999999"})
            EXPECT_FALSE(UnitPorts::DecodeText(text, perUnit)) << text;
    }
    EXPECT_EQ(UnitPorts::DecodeText("65", 64), (UnitPort{2, 1}));
    EXPECT_EQ(UnitPorts::DecodeText("65", 32), (UnitPort{3, 1}));

    EXPECT_EQ(UnitPorts::DigitsValue("012"), 12);
    for (const char* text : {"", "-1", "+1", "1 ", "a", "99999999999"})
        EXPECT_FALSE(UnitPorts::DigitsValue(text)) << text;
}

TEST(UnitList, OneUnitWithTheModelsTenPorts)
{
    const UnitPorts::UnitList units = UnitPorts::StandaloneUnits();
    ASSERT_EQ(units.size(), 1u);
    const UnitPorts::UnitInfo* one = UnitPorts::FindUnit(units, 1);
    ASSERT_NE(one, nullptr);
    EXPECT_EQ(one->ports, 10);
    EXPECT_EQ(one->model, "VKR-2207");
    EXPECT_EQ(UnitPorts::FindUnit(units, 0), nullptr);
    EXPECT_EQ(UnitPorts::FindUnit(units, 2), nullptr);
}

void Type(QLineEdit& edit, Qt::Key key, const QString& text, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    QKeyEvent press(QEvent::KeyPress, key, mods, text);
    QApplication::sendEvent(&edit, &press);
}

TEST(DigitEdits, TypedLettersBeepAndPastedLettersStayOut)
{
    testutil::MessageRecorder boxes;
    QLineEdit unit, port;
    TUnitPortEdits pair(&unit, &port, UnitPorts::kMirrorPortsPerUnit);
    for (QLineEdit* edit : {&unit, &port}) {
        SCOPED_TRACE(edit == &unit ? "unit" : "port");
        boxes.Clear();
        Type(*edit, Qt::Key_1, "1");
        Type(*edit, Qt::Key_A, "a");
        Type(*edit, Qt::Key_Minus, "-");
        Type(*edit, Qt::Key_Space, " ");
        Type(*edit, Qt::Key_2, "2");
        EXPECT_EQ(edit->text(), "12");
        EXPECT_EQ(boxes.beeps, 3);
        Type(*edit, Qt::Key_Backspace, "\b");
        EXPECT_EQ(edit->text(), "1");

        QApplication::clipboard()->setText("3x");
        edit->paste();
        EXPECT_EQ(edit->text(), "1");
        QApplication::clipboard()->setText("45");
        edit->paste();
        EXPECT_EQ(edit->text(), "145");
        EXPECT_TRUE(boxes.texts.isEmpty());
    }

    // A logical number shows as unit and port; what is no number empties both.
    pair.ShowNumber("130");
    EXPECT_EQ(unit.text(), "3");
    EXPECT_EQ(port.text(), "2");
    for (const char* text : {"(NULL)", ""}) {
        pair.ShowNumber("130");
        pair.ShowNumber(text);
        EXPECT_TRUE(unit.text().isEmpty()) << text;
        EXPECT_TRUE(port.text().isEmpty()) << text;
    }
}

} // namespace
