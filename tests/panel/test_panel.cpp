// The front panel hosted in a main window, against the simulator (frozen LEDs): where the combo
// ports' LEDs go, exclusive port buttons, "Refresh Panel" with OK and Cancel, and closing or
// refreshing while a poll is outstanding; the port traffic graph against a living simulator
// (wrapping and restarting counters, a switch that stops answering for a while).
#include "KtNML/KtSNMPRequest.h"
#include "KtNML/KtSNMPSession.h"
#include "panel/PanelHost.h"
#include "panel/PortViews.h"
#include "panel/TrafficGraph.h"
#include "views/Guiconfigform.h"
#include "panel/Vkr2207panelformunit.h"
#include "tests/support/HoldingRelay.h"
#include "tests/support/MessageRecorder.h"
#include "tests/support/SimProcess.h"
#include "tests/support/TestUtil.h"

#include <QFrame>
#include <QComboBox>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QMainWindow>
#include <QMenu>
#include <QScrollArea>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>

#include <algorithm>
#include <array>
#include <csignal>
#include <memory>

namespace {

constexpr KtLedColour kBlack = 0, kGreen = 0x00FF00;

class PanelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        KtSNMPInitSession(m_dir.path());
        KtSNMPDefaults.security.version = 1;
        KtSNMPDefaults.security.readCommunity = "public";
        KtSNMPDefaults.timeout = 20;
        window.setCentralWidget(scrollBox);
        window.statusBar()->addWidget(status, 1);
        host = new TPanelHost(&window, scrollBox, status, popup);
        host->Gates = [this] { ++gates; };
    }
    void TearDown() override
    {
        host->ClosePanels();
        KtSNMPCloseSession();
    }
    void startSim(QStringList extra = {}, bool freeze = true)
    {
        if (freeze)
            extra << "--freeze";
        ASSERT_TRUE(sim.start(extra)) << sim.errorText().toStdString();
        KtSNMPDefaults.device.address = sim.address();
        KtSNMPDefaults.device.port = sim.port();
    }
    static bool settle(TVKR2207PanelForm* panel)
    {
        return testutil::waitFor([&] { return panel->LedBinding() && !panel->LedBinding()->Busy(); }, 15000);
    }
    // The LED shapes inside a LED panel.
    static QList<KtLedShape*> shapes(TVKR2207PanelForm* panel, const char* name)
    {
        return panel->LedPanel(QString::fromLatin1(name))->findChildren<KtLedShape*>();
    }
    static bool paintedBlack(TVKR2207PanelForm* panel, const char* name)
    {
        QFrame* f = panel->LedPanel(QString::fromLatin1(name));
        return f->autoFillBackground() && f->palette().color(QPalette::Window) == Qt::black;
    }

    QTemporaryDir m_dir;
    testutil::SimProcess sim;
    QMainWindow window;
    QScrollArea* scrollBox = new QScrollArea;
    QLabel* status = new QLabel;
    QMenu* popup = new QMenu(&window);
    TPanelHost* host = nullptr;
    testutil::MessageRecorder messages;  // the refresh question
    int gates = 0;
};

TEST_F(PanelTest, BuildsPictureButtonsAndLedsAndPolls)
{
    startSim();
    TVKR2207PanelForm* panel = host->BuildPanel(1);
    ASSERT_TRUE(settle(panel));
    EXPECT_EQ(panel->size(), QSize(765, 97));
    EXPECT_EQ(panel->windowTitle(), "VKR2207");
    ASSERT_FALSE(panel->Image1->pixmap().isNull()) << "the JPEG picture decodes";
    EXPECT_EQ(panel->Image1->pixmap().size(), QSize(721, 106));
    EXPECT_EQ(scrollBox->widget(), panel);

    const QStringList hints = {"1.1", "2.1", "3.1", "4.1", "5.1", "6.1", "7.1", "8.1", "9.2", "9.1", "10.2", "10.1"};
    ASSERT_EQ(host->PortButtons().size(), 12);
    for (int n = 0; n < 12; ++n) {
        SCOPED_TRACE(n + 1);
        EXPECT_EQ(host->PortButtons()[n]->objectName(), QString("SpeedButton%1").arg(n + 1));
        EXPECT_EQ(host->PortButtons()[n]->toolTip(), hints[n]);
        EXPECT_FALSE(host->PortButtons()[n]->icon().isNull());
    }
    EXPECT_EQ(host->PortButtons()[0]->geometry(), QRect(345, 27, 31, 23));
    EXPECT_EQ(host->PortButtons()[8]->geometry(), QRect(518, 60, 28, 17));
    EXPECT_EQ(panel->LedPanel("PowerLedPanel")->geometry(), QRect(177, 73, 9, 8));

    // Frozen data: power green, port 1 green, port 4 absent (status byte 1).
    EXPECT_EQ(shapes(panel, "PowerLedPanel").value(0)->Colour(), kGreen);
    EXPECT_EQ(shapes(panel, "Port1LedPanel").value(0)->Colour(), kGreen);
    EXPECT_EQ(shapes(panel, "Port4LedPanel").value(0)->Colour(), kBlack);
    EXPECT_TRUE(panel->LedBinding()->Polling());
    EXPECT_EQ(panel->LedBinding()->PollInterval(), 5000);
    EXPECT_EQ(panel->LedBinding()->Request().Params.timeout, 300);
    EXPECT_TRUE(status->text().startsWith("Get: (ZiDUVA++) Ok! Request: Led Status. Receive at "))
        << status->text().toStdString();
}

// The simulator's combo 1 has a copper link (9.1 link-pass), combo 2 none (10.1 link-fail);
// a switch that does not answer puts both on their SFP position.
TEST_F(PanelTest, ComboLedsFollowTheCopperLinkState)
{
    struct Case {
        const char* name;
        bool answered;  // else a relay holds every request until the checks are done
        bool copper1, copper2;
    };
    const Case cases[] = {{"copper_and_sfp", true, true, false}, {"read_fails", false, false, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sim.stop();
        startSim();
        std::unique_ptr<testutil::HoldingRelay> relay;
        if (!c.answered) {
            relay = std::make_unique<testutil::HoldingRelay>(sim.port());
            ASSERT_NE(relay->port(), 0);
            KtSNMPDefaults.device.port = relay->port();
        }
        TVKR2207PanelForm* panel = host->BuildPanel(1);
        EXPECT_EQ(panel->ComboCopper(1), c.copper1);
        EXPECT_EQ(panel->ComboCopper(2), c.copper2);
        const struct {
            bool copper;
            const char *sfpPanel, *copperPanel;
            QSize sfpSize;
        } combos[] = {{c.copper1, "Port9LedPanel", "Port10LedPanel", QSize(6, 6)},
                      {c.copper2, "Port11LedPanel", "Port12LedPanel", QSize(7, 7)}};
        for (const auto& k : combos) {
            SCOPED_TRACE(k.copperPanel);
            const char* lit = k.copper ? k.copperPanel : k.sfpPanel;
            const char* dark = k.copper ? k.sfpPanel : k.copperPanel;
            ASSERT_EQ(shapes(panel, lit).size(), 1);
            EXPECT_TRUE(shapes(panel, dark).isEmpty());
            EXPECT_TRUE(paintedBlack(panel, dark));
            EXPECT_FALSE(paintedBlack(panel, lit));
            EXPECT_EQ(shapes(panel, lit)[0]->size(), k.copper ? QSize(7, 7) : k.sfpSize);
        }
        const auto& leds = panel->LedBinding()->Leds();
        ASSERT_EQ(leds.size(), 12u);
        EXPECT_EQ(leds[10]->Map, c.copper1 ? &KtLedMapSecond() : &KtLedMapFirst());
        EXPECT_EQ(leds[11]->Map, c.copper2 ? &KtLedMapSecond() : &KtLedMapFirst());
        EXPECT_EQ(leds[10]->ByteIndex, 21);
        EXPECT_EQ(leds[11]->ByteIndex, 23);
        // Closing waits for the outstanding poll: let it through rather than wait out its
        // time-out.
        if (relay)
            relay->release();
        host->ClosePanels();
        EXPECT_TRUE(host->Panels().isEmpty());
    }
}

TEST_F(PanelTest, PressingOnePortButtonReleasesTheOther)
{
    startSim();
    host->BuildPanel(1);
    const auto& b = host->PortButtons();
    QTest::mouseClick(b[0], Qt::LeftButton);
    EXPECT_TRUE(b[0]->isChecked());
    QTest::mouseClick(b[2], Qt::LeftButton);
    EXPECT_TRUE(b[2]->isChecked());
    EXPECT_FALSE(b[0]->isChecked());
    int down = 0;
    for (auto* button : b)
        down += button->isChecked();
    EXPECT_EQ(down, 1);
    QTest::mouseClick(b[2], Qt::LeftButton);
    EXPECT_FALSE(b[2]->isChecked()) << "clicking a down button releases it";
}

TEST_F(PanelTest, RefreshPanelAsksAndRebuildsOnlyOnOk)
{
    startSim();
    QPointer<TVKR2207PanelForm> first = host->BuildPanel(1);
    ASSERT_TRUE(settle(first));
    KtSNMPRequest2Leds* leds = first->LedBinding();

    messages.answer = false;
    EXPECT_FALSE(host->RefreshPanel());
    EXPECT_EQ(messages.questions, QStringList{"Refresh panel may take a long time. Are you sure?"});
    ASSERT_TRUE(first);
    EXPECT_EQ(first->LedBinding(), leds);
    EXPECT_TRUE(leds->Polling());
    EXPECT_EQ(host->PortButtons().size(), 12);
    EXPECT_EQ(gates, 0);

    messages.answer = true;
    QTest::mouseClick(host->PortButtons()[0], Qt::LeftButton);
    EXPECT_TRUE(host->RefreshPanel());
    EXPECT_EQ(messages.questions.size(), 2);
    EXPECT_TRUE(first.isNull()) << "the old panel is destroyed";
    ASSERT_EQ(host->Panels().size(), 1);
    TVKR2207PanelForm* second = host->Panels()[0];
    ASSERT_TRUE(second);
    EXPECT_EQ(scrollBox->widget(), second);
    ASSERT_EQ(host->PortButtons().size(), 12);
    EXPECT_EQ(host->PortButtons()[0]->parent(), second);
    EXPECT_FALSE(host->PortButtons()[0]->isChecked());
    EXPECT_EQ(gates, 1);
    ASSERT_TRUE(settle(second));
    EXPECT_TRUE(second->LedBinding()->Polling());
    // The new buttons have the click handler.
    QTest::mouseClick(host->PortButtons()[4], Qt::LeftButton);
    QTest::mouseClick(host->PortButtons()[5], Qt::LeftButton);
    EXPECT_FALSE(host->PortButtons()[4]->isChecked());
}

// The first poll is sent at build time and answered only when events run: closing the panel
// (or refreshing it) right away must wait for it, and nothing may reach the freed binding.
TEST_F(PanelTest, ClosingOrRefreshingWhileAPollIsOutstanding)
{
    startSim();
    QPointer<TVKR2207PanelForm> panel = host->BuildPanel(1);
    ASSERT_TRUE(panel->LedBinding()->Busy());
    EXPECT_TRUE(host->RefreshPanel());
    EXPECT_TRUE(panel.isNull());
    ASSERT_EQ(host->Panels().size(), 1);
    panel = host->Panels()[0];
    ASSERT_TRUE(panel->LedBinding()->Busy());

    panel->close();
    EXPECT_EQ(panel ? panel->LedBinding() : nullptr, nullptr) << "the binding went with the close";
    QTest::qWait(100);  // the freed panel's deferred deletion and any late reply
    EXPECT_TRUE(panel.isNull()) << "a closed panel asks to be freed";
    const int before = int(sim.requests().size());
    QTest::qWait(300);
    EXPECT_EQ(int(sim.requests().size()), before) << "no polling after close";
}

// Each port view opens on its row for a copper and a fibre port: the instance goes after every
// OID, both media of a port share the caption.
TEST_F(PanelTest, PortViewsOpenForCopperAndFibrePorts)
{
    startSim();
    const struct {
        TPortView kind;
        const char* instance;
        int var;
        const char* value;
        const char* caption;
    } cases[] = {
        {TPortView::Information, "3.1", 1, "portType-1000Base-T", "Port Information Table: 10.1.1.1 / Port 3"},
        {TPortView::Information, "9.2", 1, "portType-1000Base-X", "Port Information Table: 10.1.1.1 / Port 9"},
        {TPortView::Information, "9.1", 2, "link-pass", "Port Information Table: 10.1.1.1 / Port 9"},
        {TPortView::Configuration, "3.1", 1, "enabled", "Port Configuration: 10.1.1.1 / Port 3"},
        {TPortView::Configuration, "9.2", 0, "1", "Port Configuration: 10.1.1.1 / Port 9"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.instance);
        std::unique_ptr<TConfigForm> form = BuildPortView(c.kind, c.instance, "10.1.1.1");
        EXPECT_EQ(form->windowTitle(), c.caption);
        form->show();
        KtSNMPRequest2Edits* request = form->Panel()->Request();
        ASSERT_TRUE(request);
        ASSERT_TRUE(testutil::waitFor([&] { return request->RowCount() == 1 && !request->Busy(); }, 10000));
        const KtSNMPVar& var = request->VarList().Item(c.var);
        EXPECT_TRUE(var.InstanceOid.endsWith(QString(".") + c.instance)) << var.InstanceOid.toStdString();
        EXPECT_EQ(var.Value, c.value);
        form->close();
    }
}

TEST_F(PanelTest, PortConfigurationSendsOnlyTheTickedAdminState)
{
    startSim();
    KtSNMPDefaults.timeout = 100;
    std::unique_ptr<TConfigForm> form = BuildPortView(TPortView::Configuration, "3.1", "10.1.1.1");
    form->show();
    KtSNMPRequest2Edits* request = form->Panel()->Request();
    ASSERT_TRUE(testutil::waitFor([&] { return request->RowCount() == 1 && !request->Busy(); }, 10000));
    TEditsPanel* edits = form->Panel()->EditsPanel();
    for (int i = 0; i < edits->RowCount(); ++i)
        if (edits->RowAt(i).Tick)
            edits->RowAt(i).Tick->setChecked(false);
    ASSERT_TRUE(edits->RowAt(1).Tick);
    edits->RowAt(1).Tick->click();  // as the operator ticks it
    auto* admin = qobject_cast<QComboBox*>(edits->RowAt(1).Value);
    ASSERT_TRUE(admin);
    admin->setCurrentIndex(admin->findText("disabled"));
    const int before = int(sim.requests().size());
    QPushButton* set = form->findChild<QPushButton*>("Set Checked");
    ASSERT_TRUE(set);
    set->click();
    ASSERT_TRUE(testutil::waitFor([&] { return !request->Busy(); }, 10000));
    QList<testutil::SimProcess::Request> sets;
    for (const auto& r : sim.requests().mid(before))
        if (r.type == "SET")
            sets << r;
    // A slow answer may bring a retransmission of the same set: every one carries one variable.
    ASSERT_FALSE(sets.isEmpty());
    for (const auto& r : sets) {
        ASSERT_EQ(r.varbinds.size(), 1);
        EXPECT_EQ(r.varbinds[0].oid, "1.3.6.1.4.1.32473.11.101.1.2.3.2.1.4.3.1");
        EXPECT_EQ(r.varbinds[0].value, "2");
    }
    form->close();
}

// From the popup: the source button alone stays pressed, during and after the view.
TEST_F(PanelTest, PopupCommandPressesItsSourceButtonAlone)
{
    startSim();
    host->BuildPanel(1);
    const auto& b = host->PortButtons();
    QTest::mouseClick(b[0], Qt::LeftButton);
    emit b[9]->customContextMenuRequested(QPoint(2, 2));
    popup->hide();
    ASSERT_EQ(host->PopupSource(), b[9]);
    QString caption;
    OpenPortView(*host, TPortView::Information, "10.1.1.1", [&](QDialog* form) {
        caption = form->windowTitle();
        return 0;
    });
    EXPECT_EQ(caption, "Port Information Table: 10.1.1.1 / Port 9");
    for (int n = 0; n < 12; ++n)
        EXPECT_EQ(b[n]->isChecked(), n == 9) << "button " << n + 1;
}

// ---- traffic graph ------------------------------------------------------------------------------

// The sim's busiest port adds at most about 150 kB a second each way: anything near 10 Mbit/s
// is a spike made of a wrap or a restart.
constexpr double kNoSpike = 1e7;

std::size_t countGets(const testutil::SimProcess& sim, const QString& oid)
{
    std::size_t n = 0;
    for (const auto& r : sim.requests())
        if (r.type == "GET")
            for (const auto& vb : r.varbinds)
                n += vb.oid == oid;
    return n;
}

void expectNoSpike(TTrafficGraphForm& form)
{
    for (const TTrafficSample& s : form.Series().Samples()) {
        EXPECT_GE(s.inBits, 0);
        EXPECT_LT(s.inBits, kNoSpike);
        EXPECT_GE(s.outBits, 0);
        EXPECT_LT(s.outBits, kNoSpike);
    }
}

bool waitSamples(TTrafficGraphForm& form, std::size_t n, int timeoutMs = 20000)
{
    return testutil::waitFor([&] { return form.Series().Samples().size() >= n; }, timeoutMs);
}

// "Traffic Graph" from the popup: a window per port (both media of a combo port share one, a
// second command raises it), titled with port and device; each polls its port's 64-bit
// counters and shows rates, and the LED polling goes on meanwhile.
TEST_F(PanelTest, TrafficGraphWindowsPerPortWhileTheLedsPoll)
{
    startSim({}, false);
    TVKR2207PanelForm* panel = host->BuildPanel(1);
    ASSERT_TRUE(settle(panel));
    const auto& b = host->PortButtons();
    auto open = [&](int button) {
        emit b[button]->customContextMenuRequested(QPoint(2, 2));
        popup->hide();
        return OpenTrafficGraph(*host, "127.0.0.1");
    };
    TTrafficGraphForm* port1 = open(0);
    ASSERT_TRUE(port1);
    EXPECT_EQ(port1->windowTitle(), "Traffic Graph: 127.0.0.1 / Port 1");
    EXPECT_TRUE(port1->isVisible());
    EXPECT_FALSE(port1->isModal());
    TTrafficGraphForm* combo9 = open(8);  // 9.2, the fibre slot
    ASSERT_TRUE(combo9);
    EXPECT_EQ(combo9->windowTitle(), "Traffic Graph: 127.0.0.1 / Port 9");
    EXPECT_EQ(open(9), combo9) << "the copper connector of combo 9 is the same port";
    EXPECT_EQ(open(0), port1);
    EXPECT_EQ(window.findChildren<TTrafficGraphForm*>().size(), 2);

    for (TTrafficGraphForm* form : {port1, combo9})
        form->findChild<QComboBox*>("IntervalCombo")->setCurrentIndex(0);
    EXPECT_EQ(port1->Poller().IntervalSeconds(), 1);
    const std::size_t ledGets = countGets(sim, "1.3.6.1.4.1.32473.11.101.1.2.1.1.4.0");
    ASSERT_TRUE(waitSamples(*port1, 4));
    ASSERT_TRUE(waitSamples(*combo9, 4));
    EXPECT_TRUE(port1->Poller().HighCapacity());
    EXPECT_GT(countGets(sim, "1.3.6.1.2.1.31.1.1.1.6.1"), 0u);
    EXPECT_GT(countGets(sim, "1.3.6.1.2.1.31.1.1.1.11.9"), 0u);
    ASSERT_TRUE(testutil::waitFor([&] { return countGets(sim, "1.3.6.1.4.1.32473.11.101.1.2.1.1.4.0") > ledGets; }, 8000))
        << "the LEDs are still polled";
    EXPECT_TRUE(panel->LedBinding()->Polling());

    // Port 1 has a link and is busy now and then: some traffic shows, no spike.
    ASSERT_TRUE(testutil::waitFor([&] { return port1->Series().Stats(TTrafficSeries::Measure::InBits).peak > 0; }, 15000));
    expectNoSpike(*port1);
    const QString peak = port1->findChild<QLabel*>("InPeak")->text();
    EXPECT_TRUE(peak.contains("bit/s") && peak.contains("pkt/s")) << peak.toStdString();
    EXPECT_TRUE(port1->findChild<QLabel*>("StatusLine")->text().startsWith("Polling every 1 s (64-bit counters)"));
    port1->close();
    combo9->close();
}

// Counters that wrap within seconds, then a switch restart (SIGUSR1): over SNMPv1 the 32-bit
// counters are read (no Counter64 there), over SNMPv2c the 64-bit ones; neither gives a spike.
TEST_F(PanelTest, TrafficGraphSurvivesWrapAndRestartWithoutSpikes)
{
    for (int version : {0, 1}) {
        SCOPED_TRACE(version == 0 ? "SNMPv1" : "SNMPv2c");
        sim.stop();
        startSim({"--counters-near-wrap"}, false);
        KtSNMPDefaults.security.version = quint8(version);
        TTrafficGraphForm form(1, "127.0.0.1");
        form.findChild<QComboBox*>("IntervalCombo")->setCurrentIndex(0);
        EXPECT_EQ(form.Poller().HighCapacity(), version != 0);
        // Port 1 starts 101000 octets below 2^32; wait until its 32-bit counter has wrapped.
        KtSNMPRequest probe;
        probe.VarList.Assign(KtSNMPVarList(std::array<KtSNMPVarDef, 2>{
            KtSNMPVarDef{"1.3.6.1.2.1.2.2.1.10.1", "In", KtSyn::Counter, KtAcc::ReadOnly}, KtSNMPVarDef{}}.data(),
            KtItem::MVT_SV, 0));
        ASSERT_TRUE(testutil::waitFor([&] {
            probe.Get(true);
            return probe.VarList.Item(0).Value.toULongLong() < 0x100000000ull - 101000;
        }, 30000)) << "the counter wraps";
        const std::size_t wrapped = form.Series().Samples().size();
        ASSERT_TRUE(waitSamples(form, wrapped + 2));
        expectNoSpike(form);

        ASSERT_EQ(::kill(pid_t(sim.processId()), SIGUSR1), 0);
        const std::size_t restarted = form.Series().Samples().size();
        ASSERT_TRUE(waitSamples(form, restarted + 3));
        expectNoSpike(form);
        EXPECT_FALSE(form.Poller().Paused());
        // The restart left a gap: the rates began again after it.
        const auto samples = form.Series().Samples();
        EXPECT_TRUE(std::any_of(samples.begin() + std::ptrdiff_t(restarted), samples.end(),
                                [](const TTrafficSample& s) { return s.afterGap; }));
    }
}

// A switch without the 64-bit counters (noSuchObject over SNMPv2c): the graph reads the 32-bit
// ones instead, without an error.
TEST_F(PanelTest, TrafficGraphFallsBackToThirtyTwoBitCounters)
{
    QTemporaryDir dir;
    const QString data = dir.filePath("no-ifx.sim");
    QFile file(data);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("subtree 1.3.6.1.2.1\n"
               "1.3.6.1.2.1.1.3.0 timeticks @uptime\n"
               "1.3.6.1.2.1.2.2.1.10.4 counter 1000\n"
               "1.3.6.1.2.1.2.2.1.11.4 counter 10\n"
               "1.3.6.1.2.1.2.2.1.16.4 counter 2000\n"
               "1.3.6.1.2.1.2.2.1.17.4 counter 20\n");
    file.close();
    startSim({"--data", data});
    TTrafficGraphForm form(4, "127.0.0.1");
    form.findChild<QComboBox*>("IntervalCombo")->setCurrentIndex(0);
    ASSERT_TRUE(waitSamples(form, 2));
    EXPECT_FALSE(form.Poller().HighCapacity());
    EXPECT_FALSE(form.Poller().Paused());
    EXPECT_DOUBLE_EQ(form.Series().Latest()->inBits, 0);
    EXPECT_GT(countGets(sim, "1.3.6.1.2.1.2.2.1.10.4"), 0u);
    EXPECT_TRUE(form.findChild<QLabel*>("StatusLine")->text().contains("32-bit counters"));
}

// A switch that stops answering (SIGSTOP): the poll times out, the graph pauses with the
// framework's message; once it answers again (SIGCONT) polling resumes by itself and the first
// answer only restarts the rates.
TEST_F(PanelTest, TrafficGraphPausesOnTimeoutAndResumes)
{
    startSim({}, false);
    TTrafficGraphForm form(1, "127.0.0.1");
    form.findChild<QComboBox*>("IntervalCombo")->setCurrentIndex(0);
    ASSERT_TRUE(waitSamples(form, 2));
    const pid_t pid = pid_t(sim.processId());
    ASSERT_EQ(::kill(pid, SIGSTOP), 0);
    const bool paused = testutil::waitFor([&] { return form.Poller().Paused(); }, 10000);
    const std::size_t before = form.Series().Samples().size();
    const QString status = form.findChild<QLabel*>("StatusLine")->text();
    const QString current = form.findChild<QLabel*>("InCurrent")->text();
    QTest::qWait(1500);
    const std::size_t whilePaused = form.Series().Samples().size();
    ::kill(pid, SIGCONT);
    ASSERT_TRUE(paused);
    EXPECT_TRUE(status.startsWith("Paused: ")) << status.toStdString();
    EXPECT_TRUE(status.contains(KtMessage(KtErr::Timeout))) << status.toStdString();
    EXPECT_EQ(current, "-");
    EXPECT_EQ(whilePaused, before) << "nothing is plotted while the switch is silent";

    ASSERT_TRUE(testutil::waitFor([&] { return !form.Poller().Paused(); }, 10000));
    ASSERT_TRUE(waitSamples(form, before + 1));
    const auto samples = form.Series().Samples();
    EXPECT_TRUE(samples[before].afterGap) << "the gap is not bridged";
    expectNoSpike(form);
    EXPECT_TRUE(form.findChild<QLabel*>("StatusLine")->text().startsWith("Polling every 1 s"));
}

// A switch slower than the interval: a tick while the last read is still outstanding is
// skipped, so one get at a time goes out and none times out. Closing the window then, with a
// read on its way, stops the polling.
TEST_F(PanelTest, TrafficGraphSkipsTicksWhileAReadIsOutstanding)
{
    startSim({"--delay", "1600"}, false);
    KtSNMPDefaults.timeout = 300;
    auto form = std::make_unique<TTrafficGraphForm>(2, "127.0.0.1");
    form->show();
    form->findChild<QComboBox*>("IntervalCombo")->setCurrentIndex(0);
    ASSERT_TRUE(testutil::waitFor([&] { return form->Poller().SkippedTicks() >= 2 && form->Poller().Reads() >= 2; }, 15000));
    EXPECT_FALSE(form->Poller().Paused());
    const std::size_t gets = countGets(sim, "1.3.6.1.2.1.31.1.1.1.6.2");
    EXPECT_LE(gets, std::size_t(form->Poller().Reads()) + 1) << "no second get while one is outstanding";

    ASSERT_TRUE(testutil::waitFor([&] { return form->Poller().Outstanding(); }, 5000));
    form.reset();
    QTest::qWait(1700);  // the outstanding answer comes and goes nowhere
    const std::size_t after = countGets(sim, "1.3.6.1.2.1.31.1.1.1.6.2");
    QTest::qWait(1200);
    EXPECT_EQ(countGets(sim, "1.3.6.1.2.1.31.1.1.1.6.2"), after) << "no polling after close";
}

// The graph window as painted, from known readings (own clock, no polling): both lines in their
// colours inside the plot area, the legend, the peak labels. The picture is kept under the build
// folder.
TEST_F(PanelTest, TrafficGraphScreenshot)
{
    qint64 now = 0;
    TTrafficGraphForm form(3, "192.0.2.1", nullptr, [&] { return now; }, false);
    form.resize(640, 420);
    // Five minutes of 5-second samples: in rises to 4 Mbit/s, out stays at 1 Mbit/s.
    quint64 in = 0, out = 0;
    for (int k = 0; k <= 60; ++k) {
        now = 300000 + k * 5000;
        form.Series().Add({in, out, in / 500, out / 500, quint32(now / 10), KtCounterRate::Width::Bits64});
        in += quint64(k) * 2500000 / 60 * 1;  // up to 2.5 MB per 5 s
        out += 625000;                        // 1 Mbit/s
    }
    form.Refresh();
    form.show();
    const QImage shot = form.grab().toImage();
    ASSERT_TRUE(shot.save(testutil::binaryDir() + "/traffic_graph.png"));
    TTrafficPlot* plot = form.Plot();
    const QRect area = plot->PlotArea().translated(plot->mapTo(&form, QPoint(0, 0)));
    int inPixels = 0, outPixels = 0, leftHalf = 0;
    for (int y = area.top() + 1; y < area.bottom(); ++y)
        for (int x = area.left() + 1; x < area.right(); ++x) {
            const QColor c = shot.pixelColor(x, y);
            inPixels += c == TTrafficPlot::kInColour;
            outPixels += c == TTrafficPlot::kOutColour;
            leftHalf += x < area.center().x() && (c == TTrafficPlot::kInColour || c == TTrafficPlot::kOutColour);
        }
    EXPECT_GT(inPixels, 100);
    EXPECT_GT(outPixels, 100);
    EXPECT_EQ(leftHalf, 0) << "the older half of the ten minutes has no samples";
    EXPECT_EQ(form.windowTitle(), "Traffic Graph: 192.0.2.1 / Port 3");
    EXPECT_EQ(form.findChild<QLabel*>("OutPeak")->text(), "1.00 Mbit/s, 250 pkt/s");
    EXPECT_TRUE(form.findChild<QLabel*>("InPeak")->text().startsWith("3.93 Mbit/s")) << form.findChild<QLabel*>("InPeak")->text().toStdString();
}

} // namespace
