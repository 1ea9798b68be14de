// The bridge, port and device information dialogs against the simulator: the port capability
// walk and the completion flags it shares with the GARP timers, the MAC+port keyed 802.1X
// tables and the errors they show, and the scalar dialogs' values and the probe's reset.
#include "KtNML/KtValueCodec.h"
#include "dialogs/layer2/BridgeInfoForms.h"
#include "dialogs/tables/StpTables.h"
#include "dialogs/layer2/GarpCompletion.h"
#include "tests/support/SimDialogFixture.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using testutil::Pump;
using testutil::waitFor;

namespace {

const QString kCapabilitiesColumn = QStringLiteral("1.3.6.1.2.1.17.6.1.1.4.1.1");
const QString kResetControlOid = QStringLiteral("1.3.6.1.2.1.16.19.5.0");

class BridgeInfo : public testutil::SimDialogFixture {
protected:
    void TearDown() override
    {
        table.reset();
        scalars.reset();
        GarpCompletion() = TGarpCompletion{};
        SimDialogFixture::TearDown();
    }
    bool Walked(int timeout = 10000)
    {
        return waitFor([&] { return GarpCompletion().GetComplete && !table->TableRequest()->Busy(); }, timeout);
    }
    static QString LastLine(const QPlainTextEdit* memo)
    {
        const QStringList lines = memo->toPlainText().split('\n');
        return lines.isEmpty() ? QString() : lines.last();
    }

    std::unique_ptr<TInfoTableForm> table;
    std::unique_ptr<TInfoScalarsForm> scalars;
};

// ---- port capabilities ----------------------------------------------------------------------

TEST_F(BridgeInfo, PortCapabilityRefreshDoesNothingWhileItsWalkRuns)
{
    StartSim({"--delay", "100"});
    int from = Mark();
    table = std::make_unique<TPortCapabilities8021dForm>(nullptr);
    EXPECT_FALSE(GarpCompletion().GetComplete);
    table->RefreshBtn->click();
    ASSERT_TRUE(Walked());
    EXPECT_EQ(WalksSince(from, kCapabilitiesColumn), 1);  // the creation's walk alone
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();

    ASSERT_EQ(table->ListView->topLevelItemCount(), 10);
    EXPECT_EQ(table->CountBox->text(), "10");
    EXPECT_EQ(table->ListView->topLevelItem(9)->text(0), "10");
    // Ports 9 and 10 lack two of the capabilities the others have.
    EXPECT_NE(table->ListView->topLevelItem(0)->text(1), table->ListView->topLevelItem(9)->text(1));

    // Another dialog's walk on the shared flags holds Refresh back as well.
    GarpCompletion().SetComplete = false;
    from = Mark();
    table->RefreshBtn->click();
    Pump(300);
    EXPECT_EQ(WalksSince(from, kCapabilitiesColumn), 0);
    GarpCompletion().SetComplete = true;

    table->RefreshBtn->click();
    EXPECT_FALSE(GarpCompletion().GetComplete);
    ASSERT_TRUE(Walked());
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
    EXPECT_EQ(WalksSince(from, kCapabilitiesColumn), 1);
    EXPECT_EQ(table->CountBox->text(), "10");
}

// ---- 802.1X statistics and diagnostics, by MAC and port ------------------------------------

struct PaeCase {
    const char* name;
    std::function<TInfoTableForm*()> make;
    int columns;
    int lastCounterColumn;
    QString lastCounter;  // in the third row
};

TEST_F(BridgeInfo, MacAndPortKeysDecodeIntoTheList)
{
    StartSim();
    const PaeCase cases[] = {
        {"MAC statistics", [] { return new TMacStatisticTableForm(nullptr); }, 14, 11, "310"},
        {"diagnostics", [] { return new TDiagnosticsInformationForm(nullptr); }, 20, 19, "3018"},
    };
    for (const PaeCase& c : cases) {
        SCOPED_TRACE(c.name);
        table.reset(c.make());
        QTreeWidget* list = table->ListView;
        EXPECT_EQ(list->objectName(), "ListView1");
        ASSERT_EQ(list->topLevelItemCount(), 3);
        EXPECT_EQ(list->columnCount(), c.columns);
        // Same MAC on two ports, then another MAC: both keys come from the instance.
        const QString first = KtBytesToHex(QByteArray::fromHex("000a0b0c0d0e"));
        EXPECT_EQ(list->topLevelItem(0)->text(0), first);
        EXPECT_EQ(list->topLevelItem(0)->text(1), "3");
        EXPECT_EQ(list->topLevelItem(1)->text(0), first);
        EXPECT_EQ(list->topLevelItem(1)->text(1), "5");
        EXPECT_EQ(list->topLevelItem(2)->text(0), KtBytesToHex(QByteArray::fromHex("0020e0010203")));
        EXPECT_EQ(list->topLevelItem(2)->text(1), "7");
        EXPECT_EQ(list->topLevelItem(2)->text(c.lastCounterColumn), c.lastCounter);
        table.reset();
    }
}

TEST_F(BridgeInfo, PaeTablesShowTheRefreshErrorInTheMemo)
{
    StartSim({"--drop", "all"});
    KtSNMPDefaults.timeout = 20;
    const std::function<TInfoTableForm*()> makers[] = {
        [] { return new TMacStatisticTableForm(nullptr); },
        [] { return new TDiagnosticsInformationForm(nullptr); },
    };
    for (const auto& make : makers) {
        table.reset(make());
        table->Memo1->clear();
        table->findChild<QPushButton*>("Button1")->click();
        EXPECT_TRUE(LastLine(table->Memo1).contains(KtMessage(KtErr::Timeout))) << LastLine(table->Memo1).toStdString();
        EXPECT_EQ(table->ListView->topLevelItemCount(), 0);
        EXPECT_TRUE(table->GetComplete());
        table.reset();
    }
}

// ---- scalar dialogs ------------------------------------------------------------------------

template <class W> W* FieldOf(TInfoScalarsForm& form, const char* name)
{
    auto* w = qobject_cast<W*>(form.Field(name));
    EXPECT_TRUE(w) << name;
    return w;
}

TEST_F(BridgeInfo, ScalarDialogsReadTheirValues)
{
    StartSim();
    scalars = std::make_unique<TPBridgeConfigForm>(nullptr);
    ASSERT_TRUE(waitFor([&] { return !scalars->Groups()[0]->Busy() && !scalars->Groups()[1]->Busy(); }, 5000));
    EXPECT_EQ(FieldOf<QComboBox>(*scalars, "TrafficClassesState")->currentText(), "true");
    EXPECT_FALSE(FieldOf<QLabel>(*scalars, "Edit_DeviceCapabilities")->text().isEmpty());
    EXPECT_TRUE(scalars->SetBtn->isHidden());

    scalars = std::make_unique<TEquipmentBasicInfoForm>(nullptr);
    EXPECT_EQ(FieldOf<QLineEdit>(*scalars, "Edit1")->text(), "10 ports, 1 unit");
    EXPECT_EQ(FieldOf<QComboBox>(*scalars, "cbxTopology")->currentText(), "duplex-chain");
    int from = Mark();
    scalars->SetBtn->click();  // carries no action
    EXPECT_TRUE(Since(from, "SET").empty());
    scalars->findChild<QPushButton*>("BitBtn1")->click();
    EXPECT_EQ(Since(from, "GET").size(), 1u);

    scalars = std::make_unique<TProbeBasicInformationForm>(nullptr);
    auto& probe = static_cast<TProbeBasicInformationForm&>(*scalars);
    EXPECT_EQ(FieldOf<QLabel>(probe, "stSoftware")->text(), "2.07.1");
    EXPECT_EQ(FieldOf<QComboBox>(probe, "cbxReset")->currentText(), "running");
    EXPECT_EQ(probe.stCap->text(), TProbeBasicInformationForm::kCapabilities);
}

TEST_F(BridgeInfo, ProbeSetSendsTheResetControlAlone)
{
    StartSim();
    auto probe = std::make_unique<TProbeBasicInformationForm>(nullptr);
    FieldOf<QComboBox>(*probe, "cbxReset")->setCurrentText("warmBoot");
    const int from = Mark();
    probe->SetBtn->click();
    EXPECT_EQ(Since(from, "SET"), std::vector<QStringList>{{kResetControlOid + "=i:2"}});
    EXPECT_FALSE(probe->StatusBar1->currentMessage().isEmpty());
    probe.reset();
}

TEST_F(BridgeInfo, ProbeReadErrorGoesToTheStatusBar)
{
    StartSim({"--drop", "all"});
    KtSNMPDefaults.timeout = 20;
    auto probe = std::make_unique<TProbeBasicInformationForm>(nullptr);
    EXPECT_TRUE(probe->StatusBar1->currentMessage().contains(KtMessage(KtErr::Timeout)))
        << probe->StatusBar1->currentMessage().toStdString();
    EXPECT_EQ(probe->stCap->text(), TProbeBasicInformationForm::kCapabilities);
}

} // namespace
