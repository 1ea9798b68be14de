// LED binding: bytes to colours for the maps and modes, blinking after a read, and polling
// against the simulator: a failed poll turns every LED off with the error's status line and the
// next good poll brings them back.
#include "KtNML/KtSNMPRequest2Leds.h"
#include "KtNML/KtSNMPSession.h"
#include "KtNML/KtValueCodec.h"
#include "tests/KtNML/KtTestHelpers.h"
#include "tests/support/SimProcess.h"
#include "tests/support/TestUtil.h"

#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

constexpr KtLedColour kBlack = 0, kWhite = 0xFFFFFF, kGreen = 0x00FF00, kBlue = 0xFF0000, kRed = 0x0000FF,
                      kOrange = 0x4080FF;

const KtSNMPVarDef kLedVar[] = {
    {"1.3.6.1.4.1.32473.11.101.1.2.1.1.4", "Management Front Panel Led Status", KtSyn::OctetStr, KtAcc::ReadOnly},
    {},
};

TEST(LedColourMap, KeysUseTheLowByteAndUnknownKeysAreBlack)
{
    const auto& first = KtLedMapFirst();
    const auto& second = KtLedMapSecond();
    const auto& third = KtLedMapThird();
    const struct {
        const KtSNMPLedColorMapList* map;
        int key;
        KtLedColour colour;
    } cases[] = {
        {&first, 0, kBlack},  {&first, 1, kWhite},  {&first, 2, kGreen},  {&first, 3, kGreen},
        {&first, 4, kBlue},   {&first, 5, kRed},    {&first, 6, kBlack},  {&second, 0, kBlack},
        {&second, 1, kOrange}, {&second, 2, kOrange}, {&second, 3, kGreen}, {&second, 4, kGreen},
        {&second, 5, kRed},   {&second, 7, kBlack}, {&third, 0, kOrange}, {&third, 5, kRed},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        EXPECT_EQ(c.map->ColourOf(std::uint8_t(c.key)), c.colour);
    }
    const KtLedColourPair wide[] = {{0x103, 0x123456}, {0, -1}};
    const KtSNMPLedColorMapList map(wide, 7, 0x80, 0, -1);
    EXPECT_EQ(map.ColourOf(3), 0x123456u) << "only the key's low byte counts";
    EXPECT_EQ(map.Entries().size(), 1u) << "the pair with colour -1 ends the table";
}

class LedFixture : public ::testing::Test {
protected:
    KtSNMPRequest2Leds& leds(int mode, int threshold)
    {
        m_leds = std::make_unique<KtSNMPRequest2Leds>(&form);
        m_leds->VarList().Assign(KtSNMPVarList(kLedVar, KtItem::MVT_SV, 0));
        m_leds->SetLedMode(mode, threshold);
        return *m_leds;
    }
    void setValue(const QByteArray& bytes)
    {
        m_leds->VarList().Item(0).Value = BytesToText(bytes, KtSyn::OctetStr);
    }
    QWidget form;
    QFrame* panel = new QFrame(&form);
    std::unique_ptr<KtSNMPRequest2Leds> m_leds;
};

struct ByteCase {
    const char* name;
    int mode, threshold;
    const KtSNMPLedColorMapList& (*map)();
    QByteArray value;
    int byteIndex;
    KtLedColour colour;
    bool blinking;
};

class LedBytes : public LedFixture, public ::testing::WithParamInterface<ByteCase> {};

TEST_P(LedBytes, ByteSelectsColourAndBlink)
{
    const ByteCase& c = GetParam();
    auto& b = leds(c.mode, c.threshold);
    b.CreateLeds(0, QString::number(c.byteIndex), c.map(), panel, 1, 10, KtLedShape::Rectangle, 5, 5);
    setValue(c.value);
    b.ShowRow();
    ASSERT_EQ(b.Leds().size(), 1u);
    EXPECT_EQ(b.Leds()[0]->Colour, c.colour);
    EXPECT_EQ(b.Leds()[0]->Blinking, c.blinking);
    EXPECT_EQ(b.Leds()[0]->Shape->Colour(), c.colour) << "the read paints at once";
}

INSTANTIATE_TEST_SUITE_P(
    Maps, LedBytes,
    ::testing::Values(
        ByteCase{"first_blink_green", 1, 4, KtLedMapFirst, Bytes({0x82}), 0, kGreen, true},
        ByteCase{"first_green", 1, 4, KtLedMapFirst, Bytes({0x02}), 0, kGreen, false},
        ByteCase{"first_red", 1, 4, KtLedMapFirst, Bytes({0x05}), 0, kRed, false},
        ByteCase{"first_unmapped_black", 1, 4, KtLedMapFirst, Bytes({0x06}), 0, kBlack, false},
        ByteCase{"first_mask_drops_high_bits", 1, 4, KtLedMapFirst, Bytes({0x4C}), 0, kBlue, false},
        ByteCase{"second_orange", 1, 4, KtLedMapSecond, Bytes({0, 0x01}), 1, kOrange, false},
        ByteCase{"second_green", 1, 4, KtLedMapSecond, Bytes({0, 0x03}), 1, kGreen, false},
        ByteCase{"second_red_blink", 1, 4, KtLedMapSecond, Bytes({0, 0x85}), 1, kRed, true},
        ByteCase{"mode2_below_threshold_single_byte", 2, 4, KtLedMapFirst, Bytes({0, 0, 0, 0x04, 0x05}), 3, kBlue, false},
        ByteCase{"mode2_status_1_absent", 2, 4, KtLedMapFirst, Bytes({0, 0, 0, 0, 0x01, 0x05}), 4, kBlack, false},
        ByteCase{"mode2_status_then_colour", 2, 4, KtLedMapFirst, Bytes({0, 0, 0, 0, 0x83, 0x04}), 4, kBlue, true},
        ByteCase{"mode2_second_map_port", 2, 5, KtLedMapSecond, Bytes({0, 0, 0, 0, 0, 0x02, 0x01}), 5, kOrange, false},
        ByteCase{"mode2_status_last_byte", 2, 4, KtLedMapFirst, Bytes({0, 0, 0, 0, 0x82}), 4, kBlack, false},
        ByteCase{"beyond_value_absent_black", 1, 4, KtLedMapSecond, Bytes({0x03}), 3, kBlack, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LedFixture, ByteBeyondValueWithoutAbsentColourRaises519)
{
    const KtLedColourPair table[] = {{2, kGreen}, {0, -1}};
    const KtSNMPLedColorMapList strict(table, 7, 0x80, 0, -1);
    auto& b = leds(1, 4);
    b.CreateLeds(0, "3", strict, panel, 1, 10, KtLedShape::Rectangle, 5, 5);
    setValue(Bytes({0x02}));
    ExpectKtError(KtErr::PartialOutOfRange, [&] { b.ShowRow(); });
}

TEST_F(LedFixture, CreateLedsPlacesShapesAndRemovesBevels)
{
    panel->setFrameShape(QFrame::Panel);
    auto& b = leds(1, 4);
    b.CreateLeds(0, "2,3,5", KtLedMapSecond(), panel, 1, 6, KtLedShape::Rectangle, 5, 4);
    ASSERT_EQ(b.Leds().size(), 3u);
    const int bytes[] = {2, 3, 5};
    for (int k = 0; k < 3; ++k) {
        SCOPED_TRACE(k);
        const auto& led = *b.Leds()[std::size_t(k)];
        EXPECT_EQ(led.ByteIndex, bytes[k]);
        EXPECT_EQ(led.Shape->parentWidget(), panel);
        EXPECT_EQ(led.Shape->geometry(), QRect(1 + k * 11, 1, 5, 4));
    }
    EXPECT_EQ(panel->frameShape(), QFrame::NoFrame);
    b.SetLedMode(0, -3);
    EXPECT_EQ(b.LedMode(), 1);
    EXPECT_EQ(b.Threshold(), 4);
}

// After a read a blinking LED alternates with off on every paint until the count passes the
// limit, then stays lit; the next read starts the flashing again. Steady LEDs never go off.
TEST_F(LedFixture, BlinkingFlashesAfterEachReadThenStaysLit)
{
    auto& b = leds(1, 4);
    b.CreateLeds(0, "0,1", KtLedMapFirst(), panel, 1, 10, KtLedShape::Rectangle, 5, 5);
    setValue(Bytes({0x82, 0x05}));
    // The flashing flips what the shape shows: from off after the first read, from lit after
    // the second.
    const std::vector<KtLedColour> sequences[] = {
        {kGreen, kBlack, kGreen, kBlack, kGreen, kBlack, kGreen, kGreen, kGreen, kGreen},
        {kBlack, kGreen, kBlack, kGreen, kBlack, kGreen, kBlack, kGreen, kGreen, kGreen}};
    for (int read = 0; read < 2; ++read) {
        SCOPED_TRACE(read);
        const auto& expected = sequences[read];
        b.ShowRow();  // paints once itself
        std::vector<KtLedColour> blink{b.Leds()[0]->Shape->Colour()}, steady{b.Leds()[1]->Shape->Colour()};
        while (blink.size() < expected.size()) {
            b.PaintLeds();
            blink.push_back(b.Leds()[0]->Shape->Colour());
            steady.push_back(b.Leds()[1]->Shape->Colour());
        }
        EXPECT_EQ(blink, expected);
        EXPECT_EQ(steady, std::vector<KtLedColour>(expected.size(), kRed));
    }
    b.StopPolling();
    EXPECT_FALSE(b.Painting());
    for (const auto& led : b.Leds()) {
        EXPECT_EQ(led->Shape->Colour(), kBlack);
        EXPECT_FALSE(led->Blinking);
    }
}

// The blink timer wakes the program only while an LED flashes: not after a read of steady
// LEDs, and no longer once a flashing LED has been painted lit after its last flash.
TEST_F(LedFixture, BlinkTimerRunsOnlyWhileAnLedFlashes)
{
    auto& b = leds(1, 4);
    b.CreateLeds(0, "0,1", KtLedMapFirst(), panel, 1, 10, KtLedShape::Rectangle, 5, 5);
    EXPECT_FALSE(b.Painting());
    setValue(Bytes({0x02, 0x05}));
    b.ShowRow();
    EXPECT_FALSE(b.Painting());
    setValue(Bytes({0x82, 0x05}));
    b.ShowRow();
    EXPECT_TRUE(b.Painting());
    int paints = 0;
    while (b.Painting() && paints < 100) {
        b.PaintLeds();
        ++paints;
    }
    EXPECT_EQ(paints, b.BlinkLimit + 1);
    EXPECT_EQ(b.Leds()[0]->Shape->Colour(), kGreen);
    b.ShowRow();  // the next read flashes again
    EXPECT_TRUE(b.Painting());
}

// A form polling the LED status variable: the binding in the given mode and LED mode 2 (five
// single-byte states), its status line on a label, and two frames to carry the LEDs.
struct LedStatusForm {
    QWidget form;
    QFrame* power = new QFrame(&form);
    QFrame* ports = new QFrame(&form);
    QLabel* status = new QLabel(&form);
    KtSNMPRequest2Leds b{&form};  // after the form, so it goes first

    explicit LedStatusForm(int mode)
    {
        KtSNMPVarList list(kLedVar, KtItem::MVT_SV, 0);
        list.Name = " Led Status";
        b.VarList().Assign(list);
        b.VarList().Suffix = "0";
        b.Mode = mode;
        b.SetLedMode(2, 5);
        b.SetStatusTarget(status);
    }
};

// Polling against the simulator, which drops every second request: poll 1 succeeds, poll 2
// times out, poll 3 succeeds. Synchronous polls raise the time-out (caught by the tick);
// asynchronous ones report it through the error slot: both must look the same.
class LedPolling : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override
    {
        KtSNMPInitSession(m_dir.path());
        KtSNMPDefaults.security.version = 1;
        KtSNMPDefaults.security.readCommunity = "public";
        KtSNMPDefaults.timeout = 20;
        ASSERT_TRUE(sim.start({"--freeze", "--drop", "2"})) << sim.errorText().toStdString();
        KtSNMPDefaults.device.address = sim.address();
        KtSNMPDefaults.device.port = sim.port();
    }
    void TearDown() override { KtSNMPCloseSession(); }

    QTemporaryDir m_dir;
    testutil::SimProcess sim;
};

TEST_P(LedPolling, FailedPollTurnsLedsOffAndTheNextRestoresThem)
{
    LedStatusForm f(GetParam());
    KtSNMPRequest2Leds& b = f.b;
    QLabel* status = f.status;
    b.Request().Retries = 0;
    b.CreateLeds(0, "2", KtLedMapFirst(), f.power, 1, 10, KtLedShape::Rectangle, 5, 5);
    b.CreateLeds(0, "5,11", KtLedMapSecond(), f.ports, 1, 6, KtLedShape::Rectangle, 5, 5);
    // The frozen simulator: power key 2 (green), port 1 state 2 colour 3 (green), port 4 state 1.
    const std::vector<KtLedColour> lit = {kGreen, kGreen, kBlack};
    const auto colours = [&] {
        std::vector<KtLedColour> out;
        for (const auto& led : b.Leds())
            out.push_back(led->Shape->Colour());
        return out;
    };
    const auto settle = [&] { return testutil::waitFor([&] { return !b.Busy(); }, 10000); };

    b.StartPolling(100000);  // the timer stays out of the way; the test drives the ticks
    EXPECT_TRUE(b.Polling());
    EXPECT_EQ(b.PollInterval(), 1000000);
    ASSERT_TRUE(settle());
    EXPECT_EQ(colours(), lit);
    EXPECT_TRUE(status->text().startsWith("Get: (ZiDUVA++) Ok! Request: Led Status. Receive at "))
        << status->text().toStdString();

    b.Poll();
    ASSERT_TRUE(settle());
    EXPECT_EQ(colours(), std::vector<KtLedColour>(3, kBlack));
    EXPECT_TRUE(status->text().startsWith("Get: " + KtMessage(KtErr::Timeout) + " Request: Led Status."))
        << status->text().toStdString();

    b.Poll();
    ASSERT_TRUE(settle());
    EXPECT_EQ(colours(), lit);
    EXPECT_TRUE(status->text().startsWith("Get: (ZiDUVA++) Ok!")) << status->text().toStdString();
    EXPECT_EQ(sim.requests().size(), 3) << "one get per poll";
    // SNMPv2c walks tables with get-bulk; the LED poll stays a get.
    for (const testutil::SimProcess::Request& q : sim.requests())
        EXPECT_EQ(q.type, "GET");
}

INSTANTIATE_TEST_SUITE_P(Modes, LedPolling, ::testing::Values(0, 1),
                         [](const auto& info) { return info.param ? "async" : "sync"; });

// A poll whose datagram the kernel refuses (no route to the switch, a broadcast address)
// turns the LEDs off with the transport error; polling goes on and the next poll that reaches
// the switch lights them again. v2c fails inside the send, v3 in its engine discovery.
class LedPollingSendRefused : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override
    {
        KtSNMPInitSession(m_dir.path());
        KtSNMPDefaults.security.version = quint8(GetParam());
        KtSNMPDefaults.security.readCommunity = "public";
        KtSNMPDefaults.security.securityModel = 3;
        KtSNMPDefaults.security.securityName = "vkrsha";
        KtSNMPDefaults.security.securityLevel = 2;
        KtSNMPDefaults.security.authProtocol = 3;
        KtSNMPDefaults.security.authPassword = "vkrauthpass";
        KtSNMPDefaults.timeout = 50;
        ASSERT_TRUE(sim.start({"--freeze"})) << sim.errorText().toStdString();
        KtSNMPDefaults.device.address = sim.address();
        KtSNMPDefaults.device.port = sim.port();
    }
    void TearDown() override { KtSNMPCloseSession(); }

    QTemporaryDir m_dir;
    testutil::SimProcess sim;
};

TEST_P(LedPollingSendRefused, LedsGoOffAndPollingGoesOn)
{
    LedStatusForm f(1);
    KtSNMPRequest2Leds& b = f.b;
    QLabel* status = f.status;
    b.CreateLeds(0, "5", KtLedMapSecond(), f.ports, 1, 6, KtLedShape::Rectangle, 5, 5);
    const auto colour = [&] { return b.Leds().at(0)->Shape->Colour(); };
    const auto settle = [&] { return testutil::waitFor([&] { return !b.Busy(); }, 10000); };

    b.StartPolling(100000);
    ASSERT_TRUE(settle());
    ASSERT_EQ(colour(), kGreen) << status->text().toStdString();

    const QString switchAddress = b.Request().Params.device.address;
    b.Request().Params.device.address = "255.255.255.255";
    for (int poll = 0; poll < 2; ++poll) {
        SCOPED_TRACE(poll);
        b.Poll();
        ASSERT_TRUE(settle());
        EXPECT_EQ(colour(), kBlack);
        EXPECT_TRUE(status->text().startsWith("Get: " + KtMessage(-422) + " Request: Led Status."))
            << status->text().toStdString();
        EXPECT_TRUE(b.Polling());
    }

    b.Request().Params.device.address = switchAddress;
    b.Poll();
    ASSERT_TRUE(settle());
    EXPECT_EQ(colour(), kGreen);
    EXPECT_TRUE(status->text().startsWith("Get: (ZiDUVA++) Ok!")) << status->text().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Versions, LedPollingSendRefused, ::testing::Values(1, 3),
                         [](const auto& info) { return info.param == 3 ? "v3" : "v2c"; });

// A switch that answers the LED object with a value of another type, or with an SNMPv2
// exception, tells nothing about the ports: the LEDs keep what they show, and the status line
// names the object and the type, in both modes.
class LedWrongType : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override
    {
        KtSNMPInitSession(m_dir.path());
        KtSNMPDefaults.security.version = 1;
        KtSNMPDefaults.security.readCommunity = "public";
        KtSNMPDefaults.timeout = 100;
    }
    void TearDown() override { KtSNMPCloseSession(); }

    QTemporaryDir m_dir;
    testutil::SimProcess good, odd;
};

TEST_P(LedWrongType, LedsKeepTheirStateAndTheStatusNamesTheObject)
{
    ASSERT_TRUE(good.start({"--freeze"})) << good.errorText().toStdString();
    const struct {
        const char* name;
        const char* line;  // the LED object as the odd switch serves it ("": not at all)
        const char* type;
    } cases[] = {
        {"integer", "1.3.6.1.4.1.32473.11.101.1.2.1.1.4.0 integer 5", "INTEGER"},
        {"oid", "1.3.6.1.4.1.32473.11.101.1.2.1.1.4.0 oid 1.3.6.1", "OBJECT IDENTIFIER"},
        {"missing", "", "noSuch"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        LedStatusForm f(GetParam());
        KtSNMPRequest2Leds& b = f.b;
        b.CreateLeds(0, "2", KtLedMapFirst(), f.power, 1, 10, KtLedShape::Rectangle, 5, 5);
        b.CreateLeds(0, "5,11", KtLedMapSecond(), f.ports, 1, 6, KtLedShape::Rectangle, 5, 5);
        const auto colours = [&] {
            std::vector<KtLedColour> out;
            for (const auto& led : b.Leds())
                out.push_back(led->Shape->Colour());
            return out;
        };
        const auto settle = [&] { return testutil::waitFor([&] { return !b.Busy(); }, 10000); };
        KtSNMPDefaults.device.address = good.address();
        KtSNMPDefaults.device.port = good.port();
        b.Request().Params.device = KtSNMPDefaults.device;
        b.StartPolling(100000);
        ASSERT_TRUE(settle());
        const std::vector<KtLedColour> lit = {kGreen, kGreen, kBlack};
        ASSERT_EQ(colours(), lit) << f.status->text().toStdString();

        const QString data = m_dir.filePath(QStringLiteral("odd-%1.sim").arg(c.name));
        QFile file(data);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("subtree 1.3.6.1.4.1.32473.11\n") + c.line + "\n");
        file.close();
        odd.stop();
        ASSERT_TRUE(odd.start({"--freeze", "--data", data})) << odd.errorText().toStdString();
        b.Request().Params.device.address = odd.address();
        b.Request().Params.device.port = odd.port();
        b.Poll();
        ASSERT_TRUE(settle());
        EXPECT_EQ(colours(), lit);
        EXPECT_TRUE(f.status->text().contains(
            QStringLiteral("The switch answered Management Front Panel Led Status with an unexpected type (%1")
                .arg(c.type)))
            << f.status->text().toStdString();
        EXPECT_TRUE(b.Polling());
        b.StopPolling();
    }
}

INSTANTIATE_TEST_SUITE_P(Modes, LedWrongType, ::testing::Values(0, 1),
                         [](const auto& info) { return info.param ? "async" : "sync"; });

} // namespace
