// Device identification and menu gating: the model table, and the RMON, 802.1X and STP
// status reads against the simulator (tests/views/data/gates.sim), including values without
// an option text, the design-time texts before the first read and failed reads.
#include "KtNML/KtSNMPRequest.h"
#include "KtNML/KtSNMPSession.h"
#include "shell/DeviceGates.h"
#include "shell/Mainunit.h"
#include "tests/support/MainFormFolder.h"
#include "tests/support/MessageRecorder.h"
#include "tests/support/SimProcess.h"
#include "tests/support/TestUtil.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using testutil::SimProcess;

constexpr const char* kRmonOid = "1.3.6.1.4.1.32473.11.101.1.2.1.2.4";
constexpr const char* kDot1xOid = "1.0.8802.1.1.1.1.1.1";

TEST(ModelTableTest, PortCountsByModelName)
{
    const struct {
        const char* model;
        int ports;
    } cases[] = {{"VKR-2207", 10}, {"vkr-2207", 10}, {"QTR-5528P", 28}, {"QTR-5552", 52}, {"qtr-5552p", 52},
                 {"VKR-2213", 0},  {"", 0},          {"VKR-2207 ", 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.model);
        EXPECT_EQ(ModelPortCount(QLatin1String(c.model)), c.ports);
    }
}

class GatesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.Entered());
        int exitCode = -1;
        form = StartMainForm({"/I127.0.0.1", "/Rpublic", "/Wprivate", "/v1"}, &exitCode);
        ASSERT_TRUE(form);
        KtSNMPDefaults.timeout = 30;
    }
    void TearDown() override
    {
        form.reset();
    }

    void StartSim()
    {
        ASSERT_TRUE(sim.start({"--data", testutil::sourceDir() + "/tests/views/data/gates.sim"}))
            << sim.errorText().toStdString();
        KtSNMPDefaults.device.port = sim.port();
    }

    // Changes a state on the simulated switch.
    static void SetState(const char* oid, int value)
    {
        const KtSNMPVarDef defs[] = {{oid, "state", KtSyn::Integer, KtAcc::ReadWrite}, {}};
        KtSNMPRequest request;
        request.VarList.Assign(KtSNMPVarList(defs, KtItem::SVT_SV, 0));
        request.VarList.Item(0).Value = QString::number(value);
        request.Set(false);
    }

    QAction* Item(const char* menu, const char* item) const
    {
        const auto* m = form->findChild<QMenu*>(QLatin1String(menu));
        return m ? m->findChild<QAction*>(QLatin1String(item), Qt::FindDirectChildrenOnly) : nullptr;
    }

    std::vector<bool> RmonItems() const
    {
        std::vector<bool> enabled;
        for (const char* item : {"Statistics", "History", "Alarm/Event"}) {
            const QAction* a = Item("RMON", item);
            enabled.push_back(a && a->isEnabled());
        }
        return enabled;
    }

    bool AuthModeEnabled() const
    {
        const QAction* a = Item("Security Management", "Authentication Mode Setting");
        return a && a->isEnabled();
    }

    testutil::MainFormFolder folder;
    testutil::MessageRecorder boxes;
    std::unique_ptr<TMainForm> form;
    SimProcess sim;
};

const std::vector<bool> kAllOn{true, true, true};
const std::vector<bool> kAllOff{false, false, false};

TEST_F(GatesTest, DesignTimeTextsChangeNothingUntilAReadSucceeds)
{
    EXPECT_EQ(form->ST_RmonState->text(), "ST_RmonState");
    EXPECT_EQ(form->ST_STPVersion->text(), "ST_STPVersion");
    EXPECT_EQ(form->ST_8021xStatus->text(), "ST_8021xStatus");
    // Nobody answers: the texts and the menu keep their state, the status bar tells why.
    KtSNMPDefaults.device.port = testutil::freeUdpPort();
    form->RmonGate();
    form->Dot1xGate();
    form->ReadStpVersion();
    EXPECT_EQ(form->ST_RmonState->text(), "ST_RmonState");
    EXPECT_EQ(form->ST_STPVersion->text(), "ST_STPVersion");
    EXPECT_EQ(form->ST_8021xStatus->text(), "ST_8021xStatus");
    EXPECT_EQ(RmonItems(), kAllOn);
    EXPECT_TRUE(AuthModeEnabled());
    EXPECT_EQ(form->StatusText(), "(SNMPClass) SNMP request timed out!");
    EXPECT_FALSE(form->ST_RmonState->isVisible());
}

TEST_F(GatesTest, RmonGateFollowsTheStateAndIgnoresUnknownValues)
{
    StartSim();
    const struct {
        int value;  // 0: leave the switch as it is
        const char* text;
        std::vector<bool> items;
    } steps[] = {
        {0, "enabled", kAllOn},
        {2, "disabled", kAllOff},
        {1, "1", kAllOff},  // no option text: the items stay as they were
        {3, "enabled", kAllOn},
        {1, "1", kAllOn},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.text);
        if (s.value)
            SetState(kRmonOid, s.value);
        form->RmonGate();
        EXPECT_EQ(form->ST_RmonState->text(), s.text);
        EXPECT_EQ(RmonItems(), s.items);
    }
    EXPECT_TRUE(form->StatusText().isEmpty());
}

TEST_F(GatesTest, Dot1xGateAndStpVersionAndAFailedReadKeepingTheMenu)
{
    StartSim();
    form->Dot1xGate();
    EXPECT_EQ(form->ST_8021xStatus->text(), "disabled");
    EXPECT_FALSE(AuthModeEnabled());
    SetState(kDot1xOid, 1);
    form->Dot1xGate();
    EXPECT_EQ(form->ST_8021xStatus->text(), "enabled");
    EXPECT_TRUE(AuthModeEnabled());
    form->ReadStpVersion();
    EXPECT_EQ(form->ST_STPVersion->text(), "mstp");

    SetState(kRmonOid, 2);
    SetState(kDot1xOid, 2);
    form->RmonGate();
    form->Dot1xGate();
    ASSERT_EQ(RmonItems(), kAllOff);
    ASSERT_FALSE(AuthModeEnabled());
    sim.stop();
    form->RmonGate();
    form->Dot1xGate();
    EXPECT_EQ(form->ST_RmonState->text(), "disabled");
    EXPECT_EQ(form->ST_8021xStatus->text(), "disabled");
    EXPECT_EQ(RmonItems(), kAllOff);
    EXPECT_FALSE(AuthModeEnabled());
    EXPECT_FALSE(form->StatusText().isEmpty());
}

TEST_F(GatesTest, FirstActivationGatesAfterThePanel)
{
    StartSim();
    SetState(kRmonOid, 2);
    QString rmonAtSignal;
    QObject::connect(form.get(), &TMainForm::FirstActivated, [&] { rmonAtSignal = form->ST_RmonState->text(); });
    form->show();
    form->activateWindow();
    QApplication::processEvents();
    if (!form->isActiveWindow())
        GTEST_SKIP() << "this platform does not activate windows";
    EXPECT_EQ(rmonAtSignal, "ST_RmonState") << "the front panel comes before the gates";
    EXPECT_EQ(form->ST_RmonState->text(), "disabled");
    EXPECT_EQ(RmonItems(), kAllOff);
    EXPECT_EQ(form->ST_8021xStatus->text(), "disabled");
    EXPECT_FALSE(AuthModeEnabled());
}

} // namespace
