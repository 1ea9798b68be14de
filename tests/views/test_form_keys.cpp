// The keys every view and dialog answers (F5 presses "Refresh", Ctrl+W "Close", each as a
// click) and the one title format of the windows about a switch.
#include "tests/views/ViewTestSupport.h"
#include "KtNML/KtSNMPSession.h"
#include "views/FormKeys.h"
#include "views/WindowTitle.h"

#include <QDialog>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

using namespace viewtest;

namespace {

// Shows form, makes it the active window and presses key in it.
void Press(QWidget* form, QKeySequence key)
{
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    QWidget* target = form->focusWidget() ? form->focusWidget() : form;
    QTest::keySequence(target, key);
}

const QKeySequence kF5(Qt::Key_F5);
const QKeySequence kCtrlW(Qt::CTRL | Qt::Key_W);

TEST(FormKeysTest, F5AndCtrlWClickTheViewsRefreshAndCloseButtons)
{
    // The first read goes to a port nobody answers on and gives up quickly.
    KtSNMPDefaults.device.port = 9;
    KtSNMPDefaults.timeout = 5;
    auto form = std::make_unique<TConfigForm>();
    TSNMPEditorPanel* panel = form->AddEditorPanel(MakeRequest(form.get(), kGroup, KtItem::SVT_SV, 0));
    // The host's first read would go out: a press is all that is looked at here.
    QPushButton* refresh = panel->Buttons()->btnRefresh;
    refresh->disconnect();
    QSignalSpy refreshed(refresh, &QPushButton::clicked);
    Press(form.get(), kF5);
    EXPECT_EQ(refreshed.count(), 1);

    // Disabled, the key does what the mouse does: nothing.
    refresh->setEnabled(false);
    Press(form.get(), kF5);
    EXPECT_EQ(refreshed.count(), 1);

    QSignalSpy closed(panel->Buttons()->btnClose, &QPushButton::clicked);
    Press(form.get(), kCtrlW);
    EXPECT_EQ(closed.count(), 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !form->isVisible(); }, 5000));
}

TEST(FormKeysTest, ADialogsButtonsAreFoundByCaptionAndAFormWithoutCloseClosesItself)
{
    QDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    auto* get = new QPushButton(QStringLiteral("&Refresh"), &dialog);
    get->setObjectName(QStringLiteral("BT_Get"));
    layout->addWidget(get);
    // A form the dialog opened has its own buttons: they are not the dialog's.
    QDialog child(&dialog);
    auto* childRefresh = new QPushButton(QStringLiteral("Refresh"), &child);
    FormKeys::Install(&dialog);
    FormKeys::Install(&dialog);  // once is enough: one click per key

    QSignalSpy clicks(get, &QPushButton::clicked);
    QSignalSpy childClicks(childRefresh, &QPushButton::clicked);
    Press(&dialog, kF5);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(childClicks.count(), 0);
    EXPECT_EQ(FormKeys::FindButton(&dialog, QStringLiteral("Refresh")), get);
    EXPECT_EQ(FormKeys::FindButton(&dialog, QStringLiteral("Close")), nullptr);

    Press(&dialog, kCtrlW);
    EXPECT_FALSE(dialog.isVisible());
}

TEST(FormKeysTest, AHiddenButtonIsNoTarget)
{
    QDialog dialog;
    auto* hidden = new QPushButton(QStringLiteral("Close"), &dialog);
    hidden->hide();
    auto* shown = new QPushButton(QStringLiteral("Close"), &dialog);
    shown->setObjectName(QStringLiteral("btnClose"));
    EXPECT_EQ(FormKeys::FindButton(&dialog, QStringLiteral("Close")), shown);
    shown->hide();
    EXPECT_EQ(FormKeys::FindButton(&dialog, QStringLiteral("Close")), nullptr);
}

TEST(FormKeysTest, PlainCaptionDropsMnemonicMarks)
{
    const std::pair<const char*, const char*> cases[] = {
        {"&Refresh", "Refresh"}, {"Se&curity Management", "Security Management"}, {"R&&D", "R&D"},
        {"Close", "Close"},      {"End&", "End&"},
    };
    for (const auto& [text, plain] : cases)
        EXPECT_EQ(FormKeys::PlainCaption(QString::fromUtf8(text)), QString::fromUtf8(plain)) << text;
}

TEST(WindowTitleTest, OneFormatWithThePortWhenItIsNot161)
{
    struct Case {
        const char* caption;
        const char* address;
        int port;
        const char* title;
    };
    const Case cases[] = {
        {"Device Information: ", "192.0.2.9", 161, "Device Information: 192.0.2.9"},
        {"VLAN Static Management : ", "192.0.2.9", 161, "VLAN Static Management: 192.0.2.9"},
        {"Trust Host Delete All State : ", "192.0.2.9", 16100, "Trust Host Delete All State: 192.0.2.9:16100"},
        {"IP Rule:", "2001:db8::1", 1161, "IP Rule: [2001:db8::1]:1161"},
        {"Traffic Graph", "switch.example", 162, "Traffic Graph: switch.example:162"},
        {"", "192.0.2.9", 16100, "192.0.2.9:16100"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        EXPECT_EQ(KtWindowTitle(QString::fromUtf8(c.caption), KtDeviceText(QString::fromUtf8(c.address), c.port)),
                  QString::fromUtf8(c.title));
    }
    // Two modules on one address and different ports have different titles.
    EXPECT_NE(KtDeviceText(QStringLiteral("192.0.2.9"), 16100), KtDeviceText(QStringLiteral("192.0.2.9"), 16101));
}

} // namespace
