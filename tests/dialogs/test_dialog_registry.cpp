// The dedicated dialogs against the main menu: every dialog item names a dialog type (the
// compiler checks the class exists); every dialog type linked in (this test links the whole
// dialogs library, so a dialog no menu line names is here too) is opened by exactly one item,
// and its factory makes a dialog of its class.
#include "KtNML/KtSNMPSession.h"
#include "dialogs/DialogType.h"
#include "shell/MainMenu.h"
#include "tests/support/SimProcess.h"

#include <QDialog>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Form class name -> menu path of every dialog item of the menu bar and the port popup.
QMap<QString, QString> MenuDialogs()
{
    QMap<QString, QString> dialogs;
    for (const auto items : {KtMainMenuItems(), KtPortPopupItems()})
        for (std::size_t i = 0; i < items.size(); ++i)
            if (items[i].kind == KtMenuKind::Dialog) {
                EXPECT_TRUE(items[i].dialog) << KtMenuPath(items, i).toStdString();
                if (items[i].dialog)
                    dialogs.insert(QLatin1String(items[i].dialog->ClassName()), KtMenuPath(items, i));
            }
    return dialogs;
}

TEST(DialogRegistry, EveryDialogTypeIsADialogTheMenuOpensOnce)
{
    const QMap<QString, QString> menu = MenuDialogs();
    ASSERT_FALSE(menu.isEmpty());
    QSet<QString> seen;
    for (const KtDialogType* type : KtDialogTypes()) {
        const QString name = QLatin1String(type->ClassName());
        SCOPED_TRACE(name.toStdString());
        EXPECT_TRUE(menu.contains(name)) << "a dialog no menu item opens";
        EXPECT_FALSE(seen.contains(name)) << "registered twice";
        seen.insert(name);
        EXPECT_FALSE(QString::fromLatin1(type->CaptionPrefix()).isEmpty());
    }

    QStringList missing;
    for (auto it = menu.cbegin(); it != menu.cend(); ++it)
        if (!seen.contains(it.key()))
            missing << it.key() + "  (" + it.value() + ")";
    EXPECT_TRUE(missing.isEmpty()) << missing.size() << " of " << menu.size()
                                   << " dialog menu items have no dialog:\n"
                                   << missing.join('\n').toStdString();
    // Each dialog item names a different dialog.
    int items = 0;
    for (const auto list : {KtMainMenuItems(), KtPortPopupItems()})
        for (const KtMenuItem& item : list)
            items += item.kind == KtMenuKind::Dialog;
    EXPECT_EQ(items, menu.size());
}

TEST(DialogRegistry, EachFactoryMakesADialogOfItsClass)
{
    QTemporaryDir dir;
    KtSNMPInitSession(dir.path());
    // Only the classes are looked at; the simulator answers, so that the dialogs that read
    // synchronously while they are made do not wait out time-outs.
    testutil::SimProcess sim;
    ASSERT_TRUE(sim.start({"--freeze"})) << sim.errorText().toStdString();
    KtSNMPDefaults.device.address = sim.address();
    KtSNMPDefaults.device.port = sim.port();
    KtSNMPDefaults.security.version = 1;
    KtSNMPDefaults.security.readCommunity = "public";
    KtSNMPDefaults.security.writeCommunity = "private";
    KtSNMPDefaults.timeout = 100;
    ASSERT_FALSE(KtDialogTypes().empty());
    for (const KtDialogType* type : KtDialogTypes()) {
        std::unique_ptr<QDialog> dialog(type->MakeDialog(nullptr, false));
        ASSERT_TRUE(dialog) << type->ClassName();
        EXPECT_STREQ(dialog->metaObject()->className(), type->ClassName());
    }
    KtSNMPCloseSession();
}

} // namespace
