// The main menu: its tree against the catalogue of generic views, the commands and their extra
// steps, the start-up rules on a real main window, and one view opened against the simulator.
#include "KtNML/KtSNMPSession.h"
#include "dialogs/DialogType.h"
#include "shell/Aboutunit.h"
#include "shell/HelpWindow.h"
#include "shell/MainMenu.h"
#include "shell/Mainunit.h"
#include "tests/support/MainFormFolder.h"
#include "tests/support/MessageRecorder.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/SimProcess.h"
#include "tests/support/TestUtil.h"
#include "views/CounterRates.h"
#include "views/FormKeys.h"
#include "views/WindowTitle.h"
#include "views/Guiconfigform.h"
#include "views/SNMPListViewPanel.h"

#include <QAction>
#include <QComboBox>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTest>
#include <QTextBrowser>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>
#include <string>

namespace {

// A window with the menu; messages and hook calls are recorded, forms are not shown.
class MenuTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TMenuHooks hooks;
        hooks.deviceAddress = [] { return QStringLiteral("192.0.2.9"); };
        hooks.displayScale = [] { return 1.25; };
        hooks.rmonGate = [this] { log << "rmon:" + FormState(); };
        hooks.dot1xGate = [this] { log << "dot1x:" + FormState(); };
        hooks.readStpVersion = [this] { log << "stp:" + FormState(); };
        menu = new TMainMenu(&window, hooks);
        menu->SetShowModal([this](QDialog* form) {
            shown = form;
            log << "shown:" + form->windowTitle();
            return 0;
        });
    }

    // Whether the last form shown still exists when a hook runs.
    QString FormState() const
    {
        if (log.isEmpty() || !log.last().startsWith("shown:"))
            return QStringLiteral("before");
        return shown ? QStringLiteral("alive") : QStringLiteral("destroyed");
    }

    QAction* Item(const char* path)
    {
        QAction* a = menu->FindItem(QString::fromUtf8(path));
        EXPECT_TRUE(a) << path;
        return a;
    }

    static std::vector<QAction*> ActionsOf(QAction* submenu)
    {
        const QList<QAction*> list = submenu->menu()->actions();
        return {list.begin(), list.end()};
    }

    QMainWindow window;
    TMainMenu* menu = nullptr;
    testutil::MessageRecorder boxes;
    QStringList log;
    QPointer<QDialog> shown;
};

TEST_F(MenuTest, TopMenusInOrderWithTheirItems)
{
    const std::pair<const char*, int> expected[] = {
        {"Basic Configuration", 15}, {"RMON", 6}, {"Bridge", 4},
        {"VLAN", 6}, {"SNMP V3", 8}, {"Security Management", 11},
        {"Layer 2 Management", 20}, {"Single IP", 7}, {"Snapshots", 3}, {"Help", 3},
    };
    const QList<QAction*> top = window.menuBar()->actions();
    ASSERT_EQ(top.size(), int(std::size(expected)));
    for (int i = 0; i < top.size(); ++i) {
        SCOPED_TRACE(expected[i].first);
        EXPECT_EQ(FormKeys::PlainCaption(top[i]->text()), expected[i].first);
        EXPECT_EQ(top[i]->objectName(), expected[i].first);
        ASSERT_TRUE(top[i]->menu());
        EXPECT_EQ(top[i]->menu()->actions().size(), expected[i].second);
    }
    EXPECT_EQ(KtMainMenuItems().size(), 371u);
}

// Alt+letter opens a menu of the bar, F10 the first one; the letters are distinct and the
// captions' words unchanged.
TEST_F(MenuTest, TheMenuBarIsReachedFromTheKeyboard)
{
    std::set<QChar> letters;
    for (QAction* top : window.menuBar()->actions()) {
        SCOPED_TRACE(top->objectName().toStdString());
        const QString text = top->text();
        const qsizetype mark = text.indexOf(u'&');
        ASSERT_GE(mark, 0);
        ASSERT_LT(mark + 1, text.size());
        EXPECT_TRUE(letters.insert(text[mark + 1].toLower()).second) << "letter used twice";
        EXPECT_EQ(FormKeys::PlainCaption(text), top->menu()->objectName());
    }

    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_F10);
    QWidget* popup = QApplication::activePopupWidget();
    ASSERT_TRUE(popup);
    EXPECT_EQ(popup->objectName(), "Basic Configuration");
    QTest::keyClick(popup, Qt::Key_Escape);
    QTest::keyClick(QApplication::activePopupWidget() ? QApplication::activePopupWidget() : &window, Qt::Key_Escape);

    // Alt alone puts the menu bar under the keyboard where the style offers it (the offscreen
    // platform does not deliver the bare Alt the way a desktop does: the hint is what counts).
    EXPECT_TRUE(window.menuBar()->style()->styleHint(QStyle::SH_MenuBar_AltKeyNavigation, nullptr, window.menuBar()));

    // Alt+V opens "VLAN".
    QTest::keyClick(&window, Qt::Key_V, Qt::AltModifier);
    popup = QApplication::activePopupWidget();
    ASSERT_TRUE(popup);
    EXPECT_EQ(popup->objectName(), "VLAN");
    QTest::keyClick(popup, Qt::Key_Escape);
}

TEST_F(MenuTest, CaptionsKeepTheirBlanksAndLineFeeds)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Bridge / 802.1d ", "802.1d "},
        {"Bridge / Spanning Tree / STP Control ", "STP Control "},
        {"VLAN / 802.1Q / 802.1Q VLAN ", "802.1Q VLAN "},
        {"VLAN / 802.1Q / Static Filtering ", "Static Filtering "},
        {"VLAN / Double VLAN / Double VLAN Control  Table", "Double VLAN Control  Table"},
        {"Layer 2 Management / Traffic Segmentation Table ", "Traffic Segmentation Table "},
        {"Layer 2 Management / IGMP Snooping Management / IGMP Snooping Information ", "IGMP Snooping Information "},
        {"Basic Configuration / Agent Management / Agent Trust Host Management / Trust Host Delete All State",
         "Trust Host Delete All State\n"},
        {"Layer 2 Management / Port Management / Port Cable Diagnosis Table", "Port Cable Diagnosis Table\n"},
        {"Layer 2 Management / Time Range / Time Range ACL Table", "Time Range ACL Table\n"},
        {"Security Management / 802.1X / MAC_Based Authentication / PAE Over Land  Frames Statistic Table",
         "PAE Over Land  Frames Statistic Table"},
        {"Security Management / 802.1X / Web_ Based Access Control", "Web_ Based Access Control"},
        {"Basic Configuration / Moudle Basic Configuration", "Moudle Basic Configuration"},
    };
    for (const auto& [path, caption] : cases) {
        SCOPED_TRACE(path);
        QAction* a = Item(path);
        ASSERT_TRUE(a);
        EXPECT_EQ(a->objectName(), QString::fromUtf8(caption));
        EXPECT_EQ(a->text(), QString::fromUtf8(caption));
        EXPECT_EQ(window.findChild<QAction*>(QString::fromUtf8(caption)), a);
    }
}

TEST_F(MenuTest, SeparatorsSitBetweenTheirNeighbours)
{
    struct Case {
        const char* menu;
        int index;
        bool visible;
        const char* before;  // caption of the item just above
    };
    const Case cases[] = {
        {"Basic Configuration", 6, true, "Time Management"},
        {"Basic Configuration", 12, false, "File System"},
        {"Basic Configuration / Agent Management", 7, true, "IP Proto-Configure"},
        {"Basic Configuration / Agent Management", 14, true, "Agent Supported Config Files"},
        {"RMON", 4, true, "Alarm/Event"},
        {"Layer 2 Management / Access Control Information", 11, false, "IPv6 Rule"},
        {"Layer 2 Management", 15, false, "Time Range"},
        {"Security Management / 802.1X / MAC_Based Authentication", 4, true, "Session Information"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.menu) + " #" + std::to_string(c.index));
        QAction* sub = Item(c.menu);
        ASSERT_TRUE(sub);
        const auto actions = ActionsOf(sub);
        ASSERT_LT(std::size_t(c.index), actions.size());
        EXPECT_TRUE(actions[std::size_t(c.index)]->isSeparator());
        EXPECT_EQ(actions[std::size_t(c.index)]->isVisible(), c.visible);
        EXPECT_EQ(actions[std::size_t(c.index) - 1]->text(), c.before);
    }
    int separators = 0;
    for (const KtMenuItem& item : KtMainMenuItems())
        separators += item.kind == KtMenuKind::Separator;
    EXPECT_EQ(separators, 27);
}

TEST_F(MenuTest, HiddenItemsArePresentButInvisible)
{
    const auto items = KtMainMenuItems();
    int hidden = 0;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].kind == KtMenuKind::Separator)
            continue;
        const QString path = KtMenuPath(items, i);
        SCOPED_TRACE(path.toStdString());
        QAction* a = menu->FindItem(path);
        ASSERT_TRUE(a);
        EXPECT_EQ(a->isVisible(), !items[i].hidden);
        hidden += items[i].hidden;
    }
    EXPECT_EQ(hidden, 49);
    // Spot checks against the tree as written.
    EXPECT_FALSE(Item("Basic Configuration / Device Management / Refresh Panel")->isVisible());
    EXPECT_TRUE(Item("Basic Configuration / Refresh Panel")->isVisible());
    EXPECT_FALSE(Item("Bridge / Spanning Tree / STP Port Table")->isVisible());
    EXPECT_FALSE(Item("Layer 2 Management / Multicast Filter Managment")->isVisible());
    EXPECT_TRUE(Item("Layer 2 Management / Multicast Filter Managment / Multicast Filter Profile Table")->isVisible());
    EXPECT_FALSE(Item("Help / Test")->isVisible());
}

TEST_F(MenuTest, GenericViewItemsAndCatalogueEntriesPairUp)
{
    const auto items = KtMainMenuItems();
    std::map<std::string, int> menuViews;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].kind != KtMenuKind::GenericView)
            continue;
        const std::string path = KtMenuPath(items, i).toStdString();
        SCOPED_TRACE(path);
        ++menuViews[path];
        const KtViewEntry* entry = FindView(path.c_str());
        ASSERT_TRUE(entry) << "no catalogue entry";
        EXPECT_EQ(entry->kind, items[i].view);
        EXPECT_EQ(entry->hidden, items[i].hidden);
    }
    for (const auto& [path, count] : menuViews)
        EXPECT_EQ(count, 1) << path << ": two menu items with one path";

    std::set<std::string> cataloguePaths;
    for (const KtViewEntry& e : KtViewCatalogue()) {
        SCOPED_TRACE(e.menuPath);
        EXPECT_TRUE(cataloguePaths.insert(e.menuPath).second) << "twice in the catalogue";
        EXPECT_EQ(menuViews.count(e.menuPath), 1u) << "no menu item opens it";
    }
    EXPECT_EQ(menuViews.size(), KtViewCatalogue().size());
}

TEST_F(MenuTest, DialogsToolsAndShellFunctionsWaitForTheirImplementation)
{
    const auto items = KtMainMenuItems();
    int dialogs = 0, tools = 0;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].kind == KtMenuKind::Separator || items[i].kind == KtMenuKind::Submenu)
            continue;
        const QString path = KtMenuPath(items, i);
        SCOPED_TRACE(path.toStdString());
        QAction* a = menu->FindItem(path);
        ASSERT_TRUE(a);
        a->setVisible(true);  // an invisible action reports itself disabled
        const bool waits = !items[i].gated
                           && (items[i].kind == KtMenuKind::Dialog || items[i].kind == KtMenuKind::Tool
                               || items[i].kind == KtMenuKind::Shell);
        EXPECT_EQ(a->isEnabled(), !waits);
        dialogs += items[i].kind == KtMenuKind::Dialog;
        tools += items[i].kind == KtMenuKind::Tool;
    }
    EXPECT_EQ(dialogs, 57);
    EXPECT_EQ(tools, 19);
    // The RMON gate owns its items' state: they start enabled (the gate may disable them).
    for (const char* path : {"RMON / Statistics", "RMON / History", "RMON / Alarm/Event"})
        EXPECT_TRUE(Item(path)->isEnabled()) << path;
    EXPECT_FALSE(Item("Bridge / Transparent Bridge / Forwarding Table")->isEnabled());
    for (QAction* a : menu->PortInfoPopupMenu()->actions())
        EXPECT_FALSE(a->isEnabled()) << a->text().toStdString();

    // An item without a command does nothing, even when made visible.
    QAction* configFiles = Item("Basic Configuration / Agent Management / Agent Supported Config Files");
    configFiles->setVisible(true);
    EXPECT_TRUE(configFiles->isEnabled());
    configFiles->trigger();
    EXPECT_TRUE(log.isEmpty() && boxes.texts.isEmpty());

    // A registered tool launcher gets the item's argument; nothing else opens.
    QStringList started;
    menu->SetToolLauncher([&](const QString& arg) { started << arg; });
    QAction* statistics = Item("RMON / Statistics");
    EXPECT_TRUE(Item("Bridge / Transparent Bridge / Forwarding Table")->isEnabled());
    statistics->trigger();
    Item("Basic Configuration / MIB II / ARP Table")->trigger();
    EXPECT_EQ(started, QStringList({"/TRmon_Statistics", "/TMIB_ARP"}));

    // Gates find the RMON items by caption; "Statistics" also names an SNMPv3 view.
    EXPECT_EQ(window.findChild<QAction*>("Statistics"), statistics);

    // A shell function: both "Refresh Panel" items run it.
    int refreshes = 0;
    menu->SetShellHandler(KtShellCommand::RefreshPanel, [&] { ++refreshes; });
    Item("Basic Configuration / Refresh Panel")->trigger();
    Item("Basic Configuration / Device Management / Refresh Panel")->trigger();
    EXPECT_EQ(refreshes, 2);
    EXPECT_FALSE(Item("Help / About")->isEnabled());

    // The port popup runs its handlers.
    QStringList popup;
    menu->SetShellHandler(KtShellCommand::PortConfiguration, [&] { popup << "config"; });
    const QList<QAction*> portItems = menu->PortInfoPopupMenu()->actions();
    ASSERT_EQ(portItems.size(), 3);
    EXPECT_EQ(portItems[0]->text(), "Port Information");
    EXPECT_EQ(portItems[1]->text(), "Traffic Graph");
    EXPECT_EQ(portItems[2]->text(), "Port Configuration");
    EXPECT_FALSE(portItems[0]->isEnabled());
    portItems[2]->trigger();
    EXPECT_EQ(popup, QStringList({"config"}));
    EXPECT_EQ(window.findChild<QMenu*>("PortInfoPopupMenu"), menu->PortInfoPopupMenu());
}

TEST_F(MenuTest, DialogCommandHoldsItsInstanceWhileShown)
{
    QAction* l2 = Item("Layer 2 Management / Layer2 Device Control");
    QAction* trunk = Item("Layer 2 Management / Port Management / Port Trunk Table");
    QPointer<QDialog> created;
    menu->RegisterDialog("TLayer2ControlForm", "Layer2 Device Control : ", [&](QWidget* owner) {
        created = new QDialog(owner);
        return created.data();
    });
    EXPECT_TRUE(l2->isEnabled());
    EXPECT_FALSE(trunk->isEnabled());

    QDialog* heldWhileShown = nullptr;
    QDialog* shownForm = nullptr;
    menu->SetShowModal([&](QDialog* form) {
        heldWhileShown = menu->OpenDialog("TLayer2ControlForm");
        shown = shownForm = form;
        log << "shown:" + form->windowTitle();
        return 0;
    });
    l2->trigger();
    EXPECT_EQ(heldWhileShown, shownForm);
    EXPECT_TRUE(heldWhileShown);
    EXPECT_EQ(menu->OpenDialog("TLayer2ControlForm"), nullptr);
    EXPECT_TRUE(created.isNull()) << "destroyed after its modal loop";
    EXPECT_EQ(log, QStringList({"shown:Layer2 Device Control: 192.0.2.9", "rmon:alive"}));
}

// A dialog's constructor may wait for the switch (and let events run meanwhile): the same
// command again before it has returned, or while the dialog is shown, builds no second one.
TEST_F(MenuTest, ASecondCommandWhileItsDialogIsBuiltOrShownOpensNoSecond)
{
    QAction* l2 = Item("Layer 2 Management / Layer2 Device Control");
    int built = 0;
    menu->RegisterDialog("TLayer2ControlForm", "Layer2 Device Control : ", [&](QWidget* owner) {
        ++built;
        l2->trigger();  // a second click delivered while the first dialog reads the switch
        return new QDialog(owner);
    });
    int shownCount = 0;
    menu->SetShowModal([&](QDialog*) {
        ++shownCount;
        l2->trigger();  // and one while it is shown
        return 0;
    });
    l2->trigger();
    EXPECT_EQ(built, 1);
    EXPECT_EQ(shownCount, 1);
    // Once it has gone, the command opens it again.
    l2->trigger();
    EXPECT_EQ(built, 2);
}

// The commands with extra steps run them in their place around the view.
TEST_F(MenuTest, ExtraStepsRunAroundTheirViews)
{
    struct Case {
        const char* path;
        QStringList expected;
    };
    const Case cases[] = {
        {"RMON / RMON Control", {"shown:RMON Control: 192.0.2.9", "rmon:alive"}},
        {"Security Management / 802.1X / Configuration", {"shown:802.1X Configuration: 192.0.2.9", "dot1x:destroyed"}},
        {"Bridge / Spanning Tree / STP Port Table", {"stp:before", "shown:Spanning Tree Port Table: 192.0.2.9"}},
        {"Bridge / Spanning Tree / Port MSTP Information", {"shown:Port MSTP Information: 192.0.2.9"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        log.clear();
        Item(c.path)->trigger();
        EXPECT_EQ(log, c.expected);
        EXPECT_TRUE(shown.isNull()) << "the form outlived its command";
    }
    // The STP control dialog reads the version first, too.
    log.clear();
    menu->RegisterDialog("TSTP_Info", "STP : ", [](QWidget* owner) { return new QDialog(owner); });
    Item("Bridge / Spanning Tree / STP Control ")->trigger();
    EXPECT_EQ(log, QStringList({"stp:before", "shown:STP: 192.0.2.9"}));
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('\n').toStdString();
}

TEST_F(MenuTest, EachShowingBuildsItsOwnFormAndRequest)
{
    std::vector<QPointer<TConfigForm>> seen;
    menu->SetShowModal([&](QDialog* form) {
        auto* config = qobject_cast<TConfigForm*>(form);
        EXPECT_TRUE(config);
        EXPECT_FALSE(form->property("seen").isValid()) << "a form shown before";
        form->setProperty("seen", true);
        seen.emplace_back(config);
        return 0;
    });
    QAction* a = Item("Basic Configuration / Time Management / Current Time");
    a->trigger();
    a->trigger();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_TRUE(seen[0].isNull() && seen[1].isNull()) << "forms outlived their commands";
    EXPECT_EQ(menu->CurrentViewCaption(), "Current Time: 192.0.2.9");
}

// A view that cannot be built is reported and never shown.
TEST_F(MenuTest, AViewThatFailsToBuildIsNotShown)
{
    const KtViewEntry* good = FindView("Basic Configuration / Agent Management / Trap Manager Table");
    ASSERT_TRUE(good);
    ASSERT_TRUE(good->addText);
    KtViewEntry bad = *good;
    bad.addText = "createAndWait";  // not an option of the status row
    menu->OpenGenericView(bad);
    EXPECT_EQ(boxes.texts.size(), 1);
    EXPECT_EQ(boxes.TextsOf(KtMessageKind::Error), boxes.texts);
    EXPECT_TRUE(log.isEmpty()) << log.join('\n').toStdString();
    EXPECT_TRUE(window.findChildren<TConfigForm*>().isEmpty());
}

// Only an entry marked as a counter view gets the refresh interval and the rate displays.
TEST_F(MenuTest, CounterViewsAreMarkedInTheirEntries)
{
    for (const char* path : {"Basic Configuration / Agent Management / Trap Manager Table",
                             "Basic Configuration / Device Management / Device Information"}) {
        SCOPED_TRACE(path);
        const KtViewEntry* entry = FindView(path);
        ASSERT_TRUE(entry);
        KtViewEntry counters = *entry;
        counters.counterRates = true;
        for (const KtViewEntry* e : {entry, static_cast<const KtViewEntry*>(&counters)}) {
            std::unique_ptr<TConfigForm> form(menu->BuildGenericView(*e));
            ASSERT_TRUE(form);
            TCtrlBtnPanel* buttons = form->Panel()->Buttons();
            EXPECT_EQ(bool(TCounterRates::Of(form->Panel())), e->counterRates);
            EXPECT_EQ(!buttons->RefreshInterval->isHidden(), e->counterRates);
            EXPECT_EQ(!buttons->RefreshLabel->isHidden(), e->counterRates);
        }
    }
}

// Every view of the catalogue builds the way its command builds it.
bool NoneEditable(TConfigForm* form)
{
    return form->Panel()->EditsPanel()->NoneEditable();
}

class GenericViewBuildTest : public MenuTest, public ::testing::WithParamInterface<int> {};

TEST_P(GenericViewBuildTest, BuildsWithItsAdjustments)
{
    const KtViewEntry& e = KtViewCatalogue()[std::size_t(GetParam())];
    SCOPED_TRACE(e.menuPath);
    std::unique_ptr<TConfigForm> form(menu->BuildGenericView(e));
    ASSERT_TRUE(form) << boxes.texts.join('\n').toStdString();
    EXPECT_TRUE(boxes.texts.isEmpty());
    EXPECT_EQ(form->windowTitle(), KtWindowTitle(QString::fromUtf8(e.captionPrefix), "192.0.2.9"));
    EXPECT_TRUE(form->windowTitle().startsWith(QString::fromUtf8(e.captionPrefix).trimmed().chopped(1).trimmed() + ": "))
        << form->windowTitle().toStdString();
    EXPECT_EQ(form->FormKind(), e.kind == KtViewKind::Editor ? TConfigForm::KindEditor : TConfigForm::KindTable);
    EXPECT_EQ(form->RequestCount(), 1);
    EXPECT_EQ(form->Panel()->Request()->Request().VarList.Count(), e.varCount);
    if (e.kind == KtViewKind::Table) {
        auto* table = qobject_cast<TSNMPListViewPanel*>(form->Panel());
        ASSERT_TRUE(table);
        EXPECT_EQ(table->AddStatusIndex(), e.addText ? e.addIndex : -1);
        EXPECT_EQ(table->DeleteStatusIndex(), e.deleteText ? e.deleteIndex : -1);
        EXPECT_EQ(table->Buttons()->btnEdit->isHidden(), e.noEdit || NoneEditable(form.get()));
    }
    for (const KtViewFormat& f : e.formats)
        EXPECT_EQ(form->Panel()->EditsPanel()->RowAt(f.row).Format, QString::fromUtf8(f.format));
    if (e.editWidthScaled > 0) {
        const int width = int(std::lround(e.editWidthScaled * 1.25))
                          + (e.editWidthAddsFirstRow ? TEditsPanel::kDefaultValueWidth : 0);
        EXPECT_EQ(form->Panel()->EditsPanel()->RowAt(0).Value->width(), width);
    }
    if (e.heightRule == KtHeightRule::Scaled) {
        EXPECT_EQ(form->height(), std::lround(e.height * 1.25));
    } else if (e.heightRule == KtHeightRule::Fixed) {
        EXPECT_EQ(form->height(), e.height);
    }
}

INSTANTIATE_TEST_SUITE_P(Catalogue, GenericViewBuildTest, ::testing::Range(0, int(KtViewCatalogue().size())));

// ---- the menu on the real main window -----------------------------------------------------

class MainFormMenuTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.Entered());
    }
    std::unique_ptr<TMainForm> Start(const QStringList& args)
    {
        int exitCode = -1;
        auto form = StartMainForm(args, &exitCode);
        EXPECT_TRUE(form) << boxes.texts.join('\n').toStdString();
        return form;
    }

    testutil::MainFormFolder folder;
    testutil::MessageRecorder boxes;
};

// The HelpPath key is created when missing, so it opens: the file-system items give way to
// the image and config menus, which keep their items.
TEST_F(MainFormMenuTest, HelpPathKeySwapsFileItemsForImageAndConfigMenus)
{
    auto form = Start({"/I192.0.2.7", "/Rpublic"});
    ASSERT_TRUE(form);
    TMainMenu* menu = TMainMenu::Of(form.get());
    ASSERT_TRUE(menu);
    EXPECT_FALSE(form->MenuAction("File System")->isVisible());
    EXPECT_FALSE(form->MenuAction("Agent Supported Config Files")->isVisible());
    EXPECT_TRUE(form->MenuAction("Multiple Image Management")->isVisible());
    EXPECT_TRUE(form->MenuAction("Multiple Config Management")->isVisible());
    EXPECT_EQ(menu->PathOf(form->MenuAction("File System")), "Basic Configuration / File System");
    EXPECT_EQ(menu->FindItem("Basic Configuration / Agent Management / Multiple Config Management / "
                             "Multiple Config Information")->isVisible(),
              true);
    // The gates' items are there, found by caption.
    for (const char* path : {"RMON / Statistics", "RMON / History", "RMON / Alarm/Event",
                             "Security Management / Authentication Mode Setting"}) {
        QAction* a = menu->FindItem(path);
        ASSERT_TRUE(a) << path;
        EXPECT_EQ(form->MenuAction(a->objectName()), a) << path;
    }
}

TEST_F(MainFormMenuTest, SnmpV3MenuFollowsTheFinalVersion)
{
    const std::pair<QStringList, bool> cases[] = {
        {{"/I192.0.2.7", "/v3", "/nop"}, true},
        {{"/I192.0.2.7", "/v1", "/Rpublic"}, false},
        {{"/I192.0.2.7", "/v3", "/v0"}, false},
    };
    for (const auto& [args, enabled] : cases) {
        SCOPED_TRACE(args.join(' ').toStdString());
        auto form = Start(args);
        ASSERT_TRUE(form);
        QAction* v3 = form->MenuAction("SNMP V3");
        ASSERT_TRUE(v3);
        ASSERT_TRUE(v3->menu());
        EXPECT_EQ(v3->isEnabled(), enabled);
        form.reset();
        KtSNMPCloseSession();
    }
}

// A table view opens at its design width and, once its first rows are in, widens until every
// column shows its widest text (or the screen is full); the last column takes what is left
// over when the window grows, and an F5 reads the table again.
TEST_F(MainFormMenuTest, ATableViewFitsItsColumnsOnceTheFirstRowsAreIn)
{
    testutil::SimProcess sim;
    ASSERT_TRUE(sim.start({QStringLiteral("--freeze")})) << sim.errorText().toStdString();
    auto form = Start({"/I" + sim.address(), "/v1", "/Rpublic", "/Wprivate"});
    ASSERT_TRUE(form);
    KtSNMPDefaults.device.port = sim.port();
    KtSNMPDefaults.timeout = 500;
    TMainMenu* menu = TMainMenu::Of(form.get());
    ASSERT_TRUE(menu);
    const KtViewEntry* entry = FindView("Layer 2 Management / Port Management / Port Information Table");
    ASSERT_TRUE(entry);
    std::unique_ptr<TConfigForm> view(menu->BuildGenericView(*entry));
    ASSERT_TRUE(view);
    auto* table = qobject_cast<TSNMPListViewPanel*>(view->Panel());
    ASSERT_TRUE(table);
    QTreeWidget* list = table->ListView();
    const int designWidth = view->width();
    view->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
    const auto read = [&] {
        return table->Memo()->toPlainText().contains("Get:") && !table->Request()->Busy();
    };
    ASSERT_TRUE(testutil::waitFor(read, 20000));
    ASSERT_GT(list->topLevelItemCount(), 0);
    QCoreApplication::processEvents();

    const QFontMetrics cells(list->font());
    int columns = 0;
    int lastShown = -1;
    for (int c = 0; c < list->columnCount(); ++c) {
        if (list->columnWidth(c) == 0)
            continue;  // an index column the binding keeps hidden
        lastShown = c;
        int widest = 0;
        for (int r = 0; r < list->topLevelItemCount(); ++r)
            widest = std::max(widest, cells.horizontalAdvance(list->topLevelItem(r)->text(c)));
        EXPECT_GE(list->columnWidth(c), widest) << list->headerItem()->text(c).toStdString();
        columns += list->columnWidth(c);
    }
    ASSERT_GE(lastShown, 0);
    const int available = view->screen()->availableGeometry().width();
    if (columns <= list->viewport()->width())
        EXPECT_GT(view->width(), designWidth) << "the design width cut the columns";
    else
        EXPECT_GE(view->frameGeometry().width(), available - 1) << "short of the columns, the screen is full";

    // The operator's widths stay through a refresh (F5 on the view).
    list->setColumnWidth(lastShown, list->columnWidth(lastShown) + 40);
    const int kept = list->columnWidth(lastShown);
    table->Memo()->clear();
    view->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
    QTest::keyClick(view.get(), Qt::Key_F5);
    EXPECT_TRUE(table->Request()->Busy() || table->Memo()->toPlainText().contains("Get:")) << "F5 read nothing";
    ASSERT_TRUE(testutil::waitFor(read, 20000));
    QCoreApplication::processEvents();
    EXPECT_EQ(list->columnWidth(lastShown), kept);

    // Wider window: the last shown column takes the room.
    view->resize(view->width() + 200, view->height());
    QCoreApplication::processEvents();
    int others = 0;
    for (int c = 0; c < list->columnCount(); ++c)
        if (c != lastShown)
            others += list->columnWidth(c);
    EXPECT_GE(others + list->columnWidth(lastShown), list->viewport()->width());
    view->close();
    ASSERT_TRUE(testutil::waitFor([&] { return !view->isVisible(); }, 10000));
}

// A view opened from its menu item reads the switch and carries prefix + device address.
TEST_F(MainFormMenuTest, GenericViewFromItsMenuItemReadsTheSimulator)
{
    testutil::SimProcess sim;
    ASSERT_TRUE(sim.start({QStringLiteral("--freeze")})) << sim.errorText().toStdString();
    auto form = Start({"/I" + sim.address(), "/v1", "/Rpublic", "/Wprivate"});
    ASSERT_TRUE(form);
    KtSNMPDefaults.device.port = sim.port();
    KtSNMPDefaults.timeout = 500;
    ASSERT_TRUE(TMainMenu::Of(form.get()));
    QAction* item = TMainMenu::Of(form.get())->FindItem("Basic Configuration / Device Management / Device Information");
    ASSERT_TRUE(item);

    QString title, memo;
    QDeadlineTimer deadline(20000);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* view = qobject_cast<TConfigForm*>(QApplication::activeModalWidget());
        if (!view)
            return;
        const QString text = view->Panel()->Memo()->toPlainText();
        if (text.contains("Get:") || deadline.hasExpired()) {
            title = view->windowTitle();
            memo = text;
            view->done(0);
        }
    });
    poll.start(20);
    item->trigger();  // returns when the modal loop ends
    poll.stop();

    EXPECT_EQ(title, "Device Information: " + sim.address() + ":" + QString::number(sim.port()));
    EXPECT_TRUE(memo.contains("(ZiDUVA++) Ok!")) << memo.toStdString();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(form->findChildren<TConfigForm*>().isEmpty()) << "the view outlived its command";
}

// Every tool item is enabled on the main window and starts its tool with the launch
// parameters; one that cannot be found says so in the status bar, nothing starts and its
// built-in view opens instead.
TEST_F(MainFormMenuTest, ToolItemsStartTheirToolOrSayItIsNotInstalled)
{
    auto form = Start({"/I192.0.2.7", "/Rpublic", "/Wpriv ate"});
    ASSERT_TRUE(form);
    TMainMenu* menu = TMainMenu::Of(form.get());
    ASSERT_TRUE(menu);
    const auto items = KtMainMenuItems();
    int tools = 0;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].kind != KtMenuKind::Tool)
            continue;
        QAction* a = menu->FindItem(KtMenuPath(items, i));
        ASSERT_TRUE(a);
        a->setVisible(true);
        EXPECT_TRUE(a->isEnabled()) << items[i].caption;
        ++tools;
    }
    EXPECT_EQ(tools, 19);

    bool installed = true;
    QStringList looked, started;
    form->SetToolStarter({[&](const QString& tool) {
                              looked << tool;
                              return installed ? "/opt/host/" + tool : QString();
                          },
                          [&](const QString& program, const QStringList& args) {
                              started << program << args;
                              return true;
                          }});
    QAction* ifTable = menu->FindItem("Basic Configuration / MIB II / IF Table");
    ASSERT_TRUE(ifTable);
    ifTable->trigger();
    EXPECT_EQ(started, QStringList({"/opt/host/MIB", "/I192.0.2.7", "/Rpublic", "/Wpriv ate", "/TMIB_IFTable"}));
    EXPECT_EQ(form->StatusText(), "No Path!");  // the registry file names no host installation

    // Not installed: the command shows its built-in view instead and says so.
    installed = false;
    started.clear();
    QStringList views;
    menu->SetShowModal([&](QDialog* view) {
        views << view->windowTitle();
        return 0;
    });
    menu->FindItem("Bridge / Transparent Bridge / Port Counters")->trigger();
    EXPECT_EQ(looked, QStringList({"MIB", "Bridge"}));
    EXPECT_TRUE(started.isEmpty());
    EXPECT_EQ(views, QStringList{"Bridge Port Counters: 192.0.2.7"});
    EXPECT_EQ(form->StatusText(), "Bridge not installed: showing the built-in view");
    EXPECT_TRUE(boxes.texts.isEmpty());
}

void CollectActions(const QList<QAction*>& actions, std::vector<QAction*>& out)
{
    for (QAction* a : actions) {
        out.push_back(a);
        if (a->menu())
            CollectActions(a->menu()->actions(), out);
    }
}

// The main window as the program builds it (dialogs, tools and shell functions all
// registered): no command of the menu bar or the port popup is greyed for want of its
// implementation. The device-state gates' items are left to the gates.
TEST_F(MainFormMenuTest, NoCommandIsGreyedForWantOfItsImplementation)
{
    auto form = Start({"/I192.0.2.7", "/Rpublic"});
    ASSERT_TRUE(form);
    TMainMenu* menu = TMainMenu::Of(form.get());
    ASSERT_TRUE(menu);
    std::vector<QAction*> actions;
    CollectActions(form->menuBar()->actions(), actions);
    CollectActions(menu->PortInfoPopupMenu()->actions(), actions);

    QStringList greyedDialogs, greyedOthers;
    int commands = 0;
    for (QAction* a : actions) {
        const KtMenuItem* item = menu->ItemOf(a);
        if (!item || item->gated
            || (item->kind != KtMenuKind::Dialog && item->kind != KtMenuKind::Tool && item->kind != KtMenuKind::Shell))
            continue;
        ++commands;
        a->setVisible(true);  // an invisible action reports itself disabled
        if (a->isEnabled())
            continue;
        if (item->kind == KtMenuKind::Dialog)
            greyedDialogs << QLatin1String(item->dialog->ClassName());
        else
            greyedOthers << menu->PathOf(a);
    }
    EXPECT_EQ(commands, 57 + 19 - 3 + 8 + 3);  // dialogs, tools but the gated three, shell items, snapshots
    EXPECT_TRUE(greyedOthers.isEmpty()) << greyedOthers.join('\n').toStdString();
    EXPECT_TRUE(greyedDialogs.isEmpty()) << "greyed, no dialog registered: "
                                         << greyedDialogs.join(", ").toStdString();
}

// "Help" shows the document shipped beside the program in one help window; a missing
// document is named in a message and no window opens.
TEST_F(MainFormMenuTest, HelpShowsTheShippedDocumentOrNamesTheMissingFile)
{
    auto form = Start({"/I192.0.2.7", "/Rpublic"});
    ASSERT_TRUE(form);
    TMainMenu* menu = TMainMenu::Of(form.get());
    QAction* help = menu->FindItem("Help / Help");
    ASSERT_TRUE(help);
    EXPECT_TRUE(help->isEnabled());
    EXPECT_EQ(form->HelpFile(), HelpFileIn(QCoreApplication::applicationDirPath()));
    help->trigger();
    help->trigger();  // the open window comes to the front; no second one
    const auto windows = form->findChildren<THelpWindow*>();
    ASSERT_EQ(windows.size(), 1);
    EXPECT_TRUE(windows[0]->isVisible());
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('\n').toStdString();
    // The document covers every menu of the menu bar and the LED colours.
    const QString text = windows[0]->Browser()->toPlainText();
    const auto items = KtMainMenuItems();
    for (const KtMenuItem& item : items) {
        if (item.depth == 0 && !item.hidden) {
            EXPECT_TRUE(text.contains(QString::fromUtf8(item.caption))) << item.caption;
        }
    }
    for (const char* word : {"/I", ".cfg", "registry.ini", "Power", "Console", "orange", "1000 Mbit/s", "Combo",
                             "Refresh Panel", "not installed"})
        EXPECT_TRUE(text.contains(QLatin1String(word), Qt::CaseInsensitive)) << word;
    QTest::keyClick(windows[0], Qt::Key_Escape);
    help->trigger();  // the same window, shown again
    ASSERT_EQ(form->findChildren<THelpWindow*>(), windows);
    EXPECT_TRUE(windows[0]->isVisible());
    windows[0]->close();  // deletes itself
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(form->findChildren<THelpWindow*>().isEmpty());

    const QString missing = QDir::current().filePath("nowhere/vkr2207.html");
    form->SetHelpFile(missing);
    help->trigger();
    EXPECT_EQ(boxes.texts, QStringList{"The help file " + missing + " was not found."});
    EXPECT_TRUE(form->findChildren<THelpWindow*>().isEmpty());
}

// "About" shows its box modally with the release texts; Shift+Alt+F3 on OK, and only that,
// shows the debug release; OK closes and frees the box.
TEST_F(MainFormMenuTest, AboutShowsTheReleaseAndShiftAltF3TheDebugRelease)
{
    auto form = Start({"/I192.0.2.7", "/Rpublic"});
    ASSERT_TRUE(form);
    QAction* about = TMainMenu::Of(form.get())->FindItem("Help / About");
    ASSERT_TRUE(about);
    EXPECT_TRUE(about->isEnabled());

    QString caption, title, copyright;
    QStringList versions;
    QRect okGeometry;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<TAboutForm*>(QApplication::activeModalWidget());
        if (!box)
            return;
        caption = box->windowTitle();
        title = box->AboutLabel->text();
        copyright = box->CopyrightLabel->text();
        okGeometry = box->BT_Ok->geometry();
        const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {
            {Qt::Key_F3, Qt::NoModifier},
            {Qt::Key_F3, Qt::ShiftModifier},
            {Qt::Key_F3, Qt::AltModifier},
            {Qt::Key_F2, Qt::ShiftModifier | Qt::AltModifier},
            {Qt::Key_F3, Qt::ShiftModifier | Qt::AltModifier},
        };
        versions << box->VersionLabel->text();
        for (const auto& [key, modifiers] : keys) {
            QTest::keyClick(box->BT_Ok, key, modifiers);
            versions << box->VersionLabel->text();
        }
        QTest::mouseClick(box->BT_Ok, Qt::LeftButton);
    });
    about->trigger();  // returns when the box has closed

    EXPECT_EQ(caption, "About VKR-2207 Module");
    EXPECT_EQ(title, "Norvale VKR-2207 Management Module");
    EXPECT_FALSE(copyright.isEmpty());
    EXPECT_EQ(okGeometry.size(), QSize(51, 20));
    const QString release = "Release Version 1.00(Build 2007/08/28)";
    EXPECT_EQ(versions, QStringList({release, release, release, release, release,
                                     "Release Version 1.00D05(Build 2007/09/28)"}));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(form->findChildren<TAboutForm*>().isEmpty());
}

} // namespace
