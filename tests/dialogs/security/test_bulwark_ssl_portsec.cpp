// The bulwark, SSL and port-security delete dialogs against the switch simulator: the order
// the bulwark writes its ticked fields in, the cipher-suite octet both ways, the checks before
// anything goes out, and the one-shot delete command.
#include "dialogs/security/BulwarkCtrlForm.h"
#include "dialogs/security/PrtSecDelCtrlForm.h"
#include "dialogs/security/SSLManagementForm.h"
#include "tests/support/SimDialogFixture.h"
#include "tests/support/SnmpTools.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>

#include <gtest/gtest.h>

#include <memory>

using testutil::waitFor;

namespace {

const QString kBulwark = QStringLiteral("1.3.6.1.4.1.32473.12.19.2.");
const QString kRisingOid = kBulwark + "1.0", kFallingOid = kBulwark + "2.0", kModeOid = kBulwark + "3.0",
              kAlarmOid = kBulwark + "4.0";
const QString kSsl = QStringLiteral("1.3.6.1.4.1.32473.12.7.1.");
const QString kSslStateOid = kSsl + "1.0", kSuitesOid = kSsl + "2.0", kCacheOid = kSsl + "3.0";
const QString kDelete = QStringLiteral("1.3.6.1.4.1.32473.11.101.1.2.7.2.");

using Sets = std::vector<QStringList>;

class BulwarkSslPortSec : public testutil::SimDialogFixture {
protected:
    void TearDown() override
    {
        bulwark.reset();
        ssl.reset();
        portSec.reset();
        SimDialogFixture::TearDown();
    }

    // Writes a scalar on the simulator before a dialog reads it (type as snmpset takes it).
    void SetOnSwitch(const QString& oid, const QString& type, const QString& value)
    {
        const auto r = testutil::runSnmpTool("snmpset", {"-v2c", "-c", "private", sim.peer(), oid, type, value});
        ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    }
    bool SslIdle()
    {
        return waitFor([&] { return !ssl->SslRequest()->Busy(); }, 5000);
    }
    QStringList Suites() const
    {
        QStringList shown;
        for (QComboBox* list : ssl->cbxciphersuites)
            shown << list->currentText();
        return shown;
    }

    std::unique_ptr<TBulwarkCtrlForm> bulwark;
    std::unique_ptr<TSSLManagementForm> ssl;
    std::unique_ptr<TPrtSecDelCtrlForm> portSec;
};

// ---- bulwark control --------------------------------------------------------------------------

struct OrderCase {
    const char* name;
    int readRising, readFalling;  // on the switch when the dialog reads
    const char* rising;
    const char* falling;
    bool tickRising, tickFalling, tickMode, tickAlarm;
    Sets expected;  // one SET per ticked field, in order
};

TEST_F(BulwarkSslPortSec, BulwarkWritesEachTickedFieldAloneFallingFirstWhenItDrops)
{
    ASSERT_TRUE(StartSim());
    const OrderCase cases[] = {
        {"falling drops below the last read", 80, 50, "60", "40", true, true, false, false,
         {{kFallingOid + "=i:40"}, {kRisingOid + "=i:60"}}},
        {"falling raised", 80, 40, "60", "50", true, true, false, false,
         {{kRisingOid + "=i:60"}, {kFallingOid + "=i:50"}}},
        {"falling unchanged", 80, 50, "70", "50", true, true, false, false,
         {{kRisingOid + "=i:70"}, {kFallingOid + "=i:50"}}},
        {"all four, falling drops", 90, 60, "50", "30", true, true, true, true,
         {{kFallingOid + "=i:30"}, {kRisingOid + "=i:50"}, {kModeOid + "=i:1"}, {kAlarmOid + "=i:3"}}},
        {"falling drops, rising unticked", 80, 50, "19", "40", false, true, false, false, {{kFallingOid + "=i:40"}}},
        {"mode alone", 80, 50, "19", "101", false, false, true, false, {{kModeOid + "=i:1"}}},
        {"alarm alone", 80, 50, "60", "40", false, false, false, true, {{kAlarmOid + "=i:3"}}},
    };
    for (const OrderCase& c : cases) {
        SCOPED_TRACE(c.name);
        SetOnSwitch(kRisingOid, "i", QString::number(c.readRising));
        SetOnSwitch(kFallingOid, "i", QString::number(c.readFalling));
        bulwark = std::make_unique<TBulwarkCtrlForm>(nullptr);
        ASSERT_EQ(bulwark->lbFalling->text(), QString::number(c.readFalling));
        bulwark->edtRising->setText(c.rising);
        bulwark->edtFalling->setText(c.falling);
        bulwark->ckRising->setChecked(c.tickRising);
        bulwark->ckFalling->setChecked(c.tickFalling);
        bulwark->ckMode->setChecked(c.tickMode);
        bulwark->ckAlarm->setChecked(c.tickAlarm);
        const int from = Mark();
        bulwark->btnSet->click();
        EXPECT_EQ(Since(from, "SET"), c.expected);
        EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
        // The group is read again: the edits show what the switch now holds.
        const QStringList types = Types(from);
        ASSERT_FALSE(types.isEmpty());
        EXPECT_EQ(types.last(), "GET");
        if (c.tickFalling) {
            EXPECT_EQ(bulwark->lbFalling->text(), c.falling);
        }
        bulwark.reset();
    }
}

TEST_F(BulwarkSslPortSec, BulwarkRefusesAThresholdOutOfRangeBeforeSendingAnything)
{
    ASSERT_TRUE(StartSim());
    struct Case {
        const char* rising;
        const char* falling;
        bool tickRising, tickFalling;
        QString message;
    };
    const Case cases[] = {
        {"19", "40", true, true, TBulwarkCtrlForm::kBadRising},
        {"101", "40", true, false, TBulwarkCtrlForm::kBadRising},
        {"abc", "40", true, true, TBulwarkCtrlForm::kBadRising},
        {"", "40", true, false, TBulwarkCtrlForm::kBadRising},
        {"60", "19", true, true, TBulwarkCtrlForm::kBadFalling},
        {"19", "", false, true, TBulwarkCtrlForm::kBadFalling},
    };
    bulwark = std::make_unique<TBulwarkCtrlForm>(nullptr);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.rising) + "/" + c.falling);
        boxes.Clear();
        bulwark->edtRising->setText(c.rising);
        bulwark->edtFalling->setText(c.falling);
        bulwark->ckRising->setChecked(c.tickRising);
        bulwark->ckFalling->setChecked(c.tickFalling);
        const int from = Mark();
        bulwark->btnSet->click();
        EXPECT_EQ(boxes.texts, QStringList{c.message});
        EXPECT_TRUE(Types(from).isEmpty());
    }
}

TEST_F(BulwarkSslPortSec, BulwarkSetFollowsTheTickBoxesAndNeedsAReadToOrderTheThresholds)
{
    ASSERT_TRUE(StartSim());
    bulwark = std::make_unique<TBulwarkCtrlForm>(nullptr);
    EXPECT_FALSE(bulwark->btnSet->isEnabled());
    bulwark->ckAlarm->click();
    EXPECT_TRUE(bulwark->btnSet->isEnabled());
    bulwark->ckAlarm->click();
    EXPECT_FALSE(bulwark->btnSet->isEnabled());
    bulwark->btnCheckAll->click();
    EXPECT_TRUE(bulwark->btnSet->isEnabled());
    for (QCheckBox* tick : {bulwark->ckRising, bulwark->ckFalling, bulwark->ckMode, bulwark->ckAlarm})
        EXPECT_TRUE(tick->isChecked());
    bulwark->btnClearCheck->click();
    EXPECT_FALSE(bulwark->btnSet->isEnabled());

    // No falling threshold was ever read: the order cannot be told, so nothing goes out.
    bulwark->lbFalling->clear();
    bulwark->edtRising->setText("60");
    bulwark->edtFalling->setText("40");
    bulwark->ckRising->setChecked(true);
    bulwark->ckFalling->setChecked(true);
    const int from = Mark();
    bulwark->btnSet->click();
    EXPECT_EQ(boxes.texts.size(), 1);
    EXPECT_TRUE(Since(from, "SET").empty());
}

// ---- SSL management ---------------------------------------------------------------------------

TEST(SslCipherSuites, TheOctetTextBothWays)
{
    using Suites = std::array<bool, 4>;
    struct Case {
        const char* text;
        std::optional<Suites> suites;
    };
    const Case reads[] = {
        {"A0", Suites{true, false, true, false}}, {"F0", Suites{true, true, true, true}},
        {"00", Suites{false, false, false, false}}, {"5F", Suites{false, true, false, true}},
        {"a0", Suites{true, false, true, false}}, {"A", std::nullopt}, {"A000", std::nullopt},
        {"", std::nullopt}, {"G0", std::nullopt}, {"-1", std::nullopt},
    };
    for (const Case& c : reads)
        EXPECT_EQ(TSSLManagementForm::SuitesFromText(c.text), c.suites) << c.text;
    EXPECT_EQ(TSSLManagementForm::TextFromSuites({true, false, true, false}), "A0");
    EXPECT_EQ(TSSLManagementForm::TextFromSuites({true, true, true, true}), "F0");
    EXPECT_EQ(TSSLManagementForm::TextFromSuites({false, false, false, false}), "00");
    EXPECT_EQ(TSSLManagementForm::TextFromSuites({false, false, false, true}), "10");
}

TEST_F(BulwarkSslPortSec, SslShowsTheSuitesReadAndWritesThemBackAsOneOctet)
{
    ASSERT_TRUE(StartSim());
    SetOnSwitch(kSuitesOid, "x", "A0");
    ssl = std::make_unique<TSSLManagementForm>(nullptr);
    ASSERT_TRUE(SslIdle());
    EXPECT_EQ(Suites(), QStringList({"enabled", "disabled", "enabled", "disabled"}));
    EXPECT_EQ(ssl->edtCacheTimeOut->text(), "300");

    ssl->cbxciphersuites[0]->setCurrentIndex(0);
    ssl->cbxciphersuites[1]->setCurrentIndex(1);
    ssl->cbxciphersuites[3]->setCurrentIndex(1);
    ssl->edtCacheTimeOut->setText("4294967295");
    int from = Mark();
    ssl->btnSet->click();
    ASSERT_TRUE(SslIdle());
    EXPECT_EQ(Since(from, "SET"),
              Sets({{kSslStateOid + "=i:3", kSuitesOid + "=x:70", kCacheOid + "=u:4294967295"}}));
    EXPECT_TRUE(Since(from, "GET").empty());  // a scalar group is not read back

    for (int k : {0, 1, 2, 3})
        ssl->cbxciphersuites[k]->setCurrentIndex(k % 2 == 0 ? 1 : 0);
    from = Mark();
    ssl->btnSet->click();
    ASSERT_TRUE(SslIdle());
    EXPECT_EQ(Since(from, "SET"), Sets({{kSslStateOid + "=i:3", kSuitesOid + "=x:A0", kCacheOid + "=u:4294967295"}}));
    EXPECT_TRUE(boxes.texts.isEmpty());

    // Read again: the octet as written shows the same suites.
    for (QComboBox* list : ssl->cbxciphersuites)
        list->setCurrentIndex(-1);
    ssl->btnGet->click();
    ASSERT_TRUE(SslIdle());
    EXPECT_EQ(Suites(), QStringList({"enabled", "disabled", "enabled", "disabled"}));
}

TEST_F(BulwarkSslPortSec, SslRefusesACacheTimeOutThatIsNoWholeNumberAndEmptyItems)
{
    ASSERT_TRUE(StartSim());
    ssl = std::make_unique<TSSLManagementForm>(nullptr);
    ASSERT_TRUE(SslIdle());
    const struct {
        const char* typed;
        QString message;
    } cases[] = {
        {"abc", TSSLManagementForm::kBadCacheTimeOut}, {"12x", TSSLManagementForm::kBadCacheTimeOut},
        {"-1", TSSLManagementForm::kBadCacheTimeOut},  {"-0", TSSLManagementForm::kBadCacheTimeOut},
        {"4294967296", TSSLManagementForm::kBadCacheTimeOut}, {"", TSSLManagementForm::kEmptyItems},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        boxes.Clear();
        ssl->edtCacheTimeOut->setText(c.typed);
        const int from = Mark();
        ssl->btnSet->click();
        testutil::Pump(50);
        EXPECT_EQ(boxes.texts, QStringList{c.message});
        EXPECT_TRUE(Types(from).isEmpty());
    }
    // A suite never read is empty too.
    boxes.Clear();
    ssl->edtCacheTimeOut->setText("60");
    ssl->cbxciphersuites[2]->setCurrentIndex(-1);
    const int from = Mark();
    ssl->btnSet->click();
    EXPECT_EQ(boxes.texts, QStringList{TSSLManagementForm::kEmptyItems});
    EXPECT_TRUE(Types(from).isEmpty());
}

TEST_F(BulwarkSslPortSec, SslIgnoresRefreshAndSetWhileARequestRuns)
{
    ASSERT_TRUE(StartSim({"--delay", "200"}));
    ssl = std::make_unique<TSSLManagementForm>(nullptr);
    ASSERT_TRUE(SslIdle());
    const int from = Mark();
    ssl->btnGet->click();
    ASSERT_TRUE(ssl->SslRequest()->Busy());
    ssl->btnGet->click();
    ssl->btnSet->click();
    ASSERT_TRUE(SslIdle());
    EXPECT_EQ(Types(from), QStringList{"GET"});
    EXPECT_TRUE(boxes.texts.isEmpty());
}

TEST_F(BulwarkSslPortSec, SslShowsSendErrorsInItsStatusBar)
{
    ASSERT_TRUE(StartSim());
    // No address to send to: every send raises.
    KtSNMPDefaults.device.address = "";
    ssl = std::make_unique<TSSLManagementForm>(nullptr);
    const QString atCreation = ssl->StatusBar1->currentMessage();
    EXPECT_FALSE(atCreation.isEmpty());
    EXPECT_FALSE(ssl->SslRequest()->Busy());

    ssl->StatusBar1->clearMessage();
    ssl->btnGet->click();
    EXPECT_FALSE(ssl->StatusBar1->currentMessage().isEmpty());

    ssl->StatusBar1->clearMessage();
    ssl->cbxSSLVersion->setCurrentIndex(0);
    for (QComboBox* list : ssl->cbxciphersuites)
        list->setCurrentIndex(1);
    ssl->edtCacheTimeOut->setText("60");
    ssl->btnSet->click();
    EXPECT_FALSE(ssl->StatusBar1->currentMessage().isEmpty());
    EXPECT_FALSE(ssl->SslRequest()->Busy());
    EXPECT_TRUE(boxes.texts.isEmpty());
}

// ---- port security delete ---------------------------------------------------------------------

TEST_F(BulwarkSslPortSec, PortSecuritySplitsTheReadPortIntoUnitAndPort)
{
    ASSERT_TRUE(StartSim());
    const struct {
        int read;
        const char* unit;
        const char* port;
    } cases[] = {{0, "0", "0"}, {7, "1", "7"}, {32, "1", "32"}, {40, "2", "8"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.read);
        SetOnSwitch(kDelete + "2.0", "i", QString::number(c.read));
        portSec = std::make_unique<TPrtSecDelCtrlForm>(nullptr);
        EXPECT_EQ(portSec->UnitEdit->text(), c.unit);
        EXPECT_EQ(portSec->PortEdit->text(), c.port);
        portSec.reset();
    }
}

TEST_F(BulwarkSslPortSec, PortSecurityRefusesBadInputsBeforeSendingAnything)
{
    ASSERT_TRUE(StartSim());
    portSec = std::make_unique<TPrtSecDelCtrlForm>(nullptr);
    const struct {
        const char* vlan;
        const char* port;
        const char* mac;
        QString message;
        const char* portAfter;
    } cases[] = {
        {"", "3", "001122334455", TPrtSecDelCtrlForm::kNoVlan, "3"},
        {"v10", "11", "001122334455", TPrtSecDelCtrlForm::kBadPort, "0"},
        {"v10", "", "001122334455", TPrtSecDelCtrlForm::kBadPort, ""},
        {"v10", "0", "001122334455", TPrtSecDelCtrlForm::kBadPort, "0"},
        {"v10", "3x", "001122334455", TPrtSecDelCtrlForm::kBadPort, "3x"},
        {"v10", "3", "00-11-22-33-44-55", TPrtSecDelCtrlForm::kBadMac, "3"},
        {"v10", "3", "00112233445", TPrtSecDelCtrlForm::kBadMac, "3"},
        {"v10", "3", "00112233445G", TPrtSecDelCtrlForm::kBadMac, "3"},
        {"v10", "3", "", TPrtSecDelCtrlForm::kBadMac, "3"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.vlan) + "/" + c.port + "/" + c.mac);
        boxes.Clear();
        portSec->edtVlan->setText(c.vlan);
        portSec->PortEdit->setText(c.port);
        portSec->edtMac->setText(c.mac);
        const int from = Mark();
        portSec->btnSet->click();
        EXPECT_EQ(boxes.texts, QStringList{c.message});
        EXPECT_EQ(portSec->PortEdit->text(), c.portAfter);
        EXPECT_TRUE(Types(from).isEmpty());
    }
}

TEST_F(BulwarkSslPortSec, PortSecurityDeleteSendsTheEntryWithActivityStart)
{
    ASSERT_TRUE(StartSim());
    portSec = std::make_unique<TPrtSecDelCtrlForm>(nullptr);
    const struct {
        const char* port;
        const char* mac;
        QString sentMac;
    } cases[] = {{"7", "001122334455", "001122334455"}, {"10", "a0b1c2d3e4f5", "A0B1C2D3E4F5"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.port);
        portSec->edtVlan->setText("default");
        portSec->PortEdit->setText(c.port);
        portSec->edtMac->setText(c.mac);
        const int from = Mark();
        portSec->btnSet->click();
        EXPECT_EQ(Since(from, "SET"),
                  Sets({{kDelete + "1.0=x:64656661756C74", kDelete + "2.0=i:" + c.port, kDelete + "3.0=x:" + c.sentMac,
                         kDelete + "4.0=i:2"}}));
        EXPECT_EQ(portSec->UnitEdit->text(), "1");
        EXPECT_TRUE(boxes.texts.isEmpty());
        EXPECT_TRUE(portSec->StatusPanel->text().contains("Ok!")) << portSec->StatusPanel->text().toStdString();
    }
}

} // namespace
