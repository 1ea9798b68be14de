// The static VLAN dialog from the main menu: the item is on, the dialog carries its caption
// prefix and the device address, reads the switch, and goes when it closes; a scaled main
// window enlarges it by a quarter.
#include "KtNML/KtSNMPSession.h"
#include "dialogs/layer2/VlanStaticForm.h"
#include "shell/MainMenu.h"
#include "shell/Mainunit.h"
#include "tests/support/MainFormFolder.h"
#include "tests/support/MessageRecorder.h"
#include "tests/support/SimProcess.h"
#include "tests/support/TestUtil.h"

#include <QAction>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <cmath>

namespace {

class VlanMenu : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.Entered());
    }
    testutil::MainFormFolder folder;
    testutil::MessageRecorder boxes;
};

TEST_F(VlanMenu, StaticTableOpensTheDialogCaptionedWithTheDeviceAddress)
{
    testutil::SimProcess sim;
    ASSERT_TRUE(sim.start({QStringLiteral("--freeze")})) << sim.errorText().toStdString();
    int exitCode = -1;
    auto form = StartMainForm({"/I" + sim.address(), "/v1", "/Rpublic", "/Wprivate"}, &exitCode);
    ASSERT_TRUE(form) << boxes.texts.join('\n').toStdString();
    KtSNMPDefaults.device.port = sim.port();
    KtSNMPDefaults.timeout = 500;
    TMainMenu* menu = TMainMenu::Of(form.get());
    ASSERT_TRUE(menu);
    QAction* item = menu->FindItem("VLAN / 802.1Q / 802.1Q VLAN  / Static Table");
    ASSERT_TRUE(item);
    EXPECT_TRUE(item->isEnabled());

    QString title;
    int rows = -1;
    bool closed = false;
    bool refreshed = false;
    menu->SetShowModal([&](QDialog* dialog) {
        auto* vlan = qobject_cast<TVlanStaticForm*>(dialog);
        EXPECT_TRUE(vlan);
        if (!vlan)
            return 0;
        title = vlan->windowTitle();
        EXPECT_TRUE(testutil::waitFor([&] { return vlan->GetComplete(); }, 10000));
        rows = vlan->LV_dot1qVlanStaticEntry->topLevelItemCount();
        vlan->show();
        // F5 reads the table again, as its Refresh button does.
        vlan->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(vlan));
        const qsizetype before = sim.requests().size();
        QTest::keyClick(vlan, Qt::Key_F5);
        EXPECT_TRUE(testutil::waitFor([&] { return vlan->GetComplete(); }, 10000));
        refreshed = sim.requests().size() > before && vlan->LV_dot1qVlanStaticEntry->topLevelItemCount() == rows;
        vlan->btnClose->click();
        closed = !vlan->isVisible() && vlan->Requests().empty();
        return 0;
    });
    item->trigger();
    EXPECT_EQ(title, "VLAN Static: " + sim.address() + ":" + QString::number(sim.port()));
    EXPECT_EQ(rows, 3);
    EXPECT_TRUE(refreshed) << "F5 read nothing";
    EXPECT_TRUE(closed);
    EXPECT_EQ(menu->OpenDialog("TVlanStaticForm"), nullptr);
    EXPECT_TRUE(form->findChildren<TVlanStaticForm*>().isEmpty()) << "the dialog outlived its command";
}

TEST(VlanEnlarge, AScaledMainWindowEnlargesTheDialogByAQuarter)
{
    QTemporaryDir dir;
    KtSNMPInitSession(dir.path());
    // The simulator answers at once: reads left to time out against an absent address made
    // this test wait seconds for nothing it checks.
    testutil::SimProcess sim;
    ASSERT_TRUE(sim.start({QStringLiteral("--freeze")})) << sim.errorText().toStdString();
    KtSNMPDefaults.security.version = 1;  // SNMPv2c
    KtSNMPDefaults.security.readCommunity = "public";
    KtSNMPDefaults.device.address = sim.address();
    KtSNMPDefaults.device.port = sim.port();
    KtSNMPDefaults.timeout = 1000;
    {
        TVlanStaticForm plain(nullptr, false);
        TVlanStaticForm scaled(nullptr, true);
        EXPECT_EQ(scaled.width(), int(std::lround(plain.width() * 1.25)));
        EXPECT_EQ(scaled.height(), int(std::lround(plain.height() * 1.25)));
        EXPECT_TRUE(testutil::waitFor([&] { return plain.GetComplete() && scaled.GetComplete(); }, 10000));
    }
    KtSNMPCloseSession();
}

} // namespace
