// The table of dedicated dialogs against the main menu: every entry names a form class a menu
// item opens and makes a dialog of that class; every dialog item of the menu has its entry.
#include "KtNML/KtSNMPSession.h"
#include "dialogs/DialogRegistry.h"
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
            if (items[i].kind == KtMenuKind::Dialog && items[i].target)
                dialogs.insert(QLatin1String(items[i].target), KtMenuPath(items, i));
    return dialogs;
}

TEST(DialogRegistry, EveryEntryIsADialogTheMenuOpensOnce)
{
    const QMap<QString, QString> menu = MenuDialogs();
    ASSERT_FALSE(menu.isEmpty());
    QSet<QString> seen;
    for (const KtDialogEntry& entry : KtDialogRegistry()) {
        const QString name = QLatin1String(entry.className);
        SCOPED_TRACE(name.toStdString());
        EXPECT_TRUE(menu.contains(name)) << "registered under a name no menu item has";
        EXPECT_FALSE(seen.contains(name)) << "registered twice";
        seen.insert(name);
        EXPECT_FALSE(QString::fromLatin1(entry.captionPrefix).isEmpty());
        EXPECT_TRUE(bool(entry.factory));
    }

    QStringList missing;
    for (auto it = menu.cbegin(); it != menu.cend(); ++it)
        if (!seen.contains(it.key()))
            missing << it.key() + "  (" + it.value() + ")";
    EXPECT_TRUE(missing.isEmpty()) << missing.size() << " of " << menu.size()
                                   << " dialog menu items have no dialog:\n"
                                   << missing.join('\n').toStdString();
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
    for (const KtDialogEntry& entry : KtDialogRegistry()) {
        std::unique_ptr<QDialog> dialog(entry.factory(nullptr, false));
        ASSERT_TRUE(dialog) << entry.className;
        EXPECT_STREQ(dialog->metaObject()->className(), entry.className);
    }
    KtSNMPCloseSession();
}

} // namespace
