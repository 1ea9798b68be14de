// The tool commands on the main window without the host suite: each opens its built-in views,
// which read the simulator and show what an independent walk (net-snmp's snmpwalk) of the same
// objects gives; sets from them reach the switch. With the tool present (a stand-in on PATH)
// the tool starts and no view opens, unless the device file prefers the built-in views.
#include "KtNML/KtSNMPRequest2Edits.h"
#include "KtNML/KtSNMPSession.h"
#include "KtNML/KtValueCodec.h"
#include "shell/MainMenu.h"
#include "shell/Mainunit.h"
#include "shell/StandardMibViews.h"
#include "tests/support/MainFormFolder.h"
#include "tests/support/MessageRecorder.h"
#include "tests/support/SimProcess.h"
#include "tests/support/TableFormDriver.h"
#include "tests/support/SnmpTools.h"
#include "tests/support/TestUtil.h"
#include "views/CtrlPanels.h"
#include "views/WindowTitle.h"
#include "views/Guiconfigform.h"
#include "views/SNMPListViewPanel.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>

namespace {

using testutil::waitFor;

// What a view showed once its first read was done: the caption and its rows (a scalar view
// is one row of its variables' texts).
struct Shown {
    QString caption;
    QString status;
    std::vector<QStringList> rows;
    bool refreshInterval = false;  // a counter view: refresh interval and rates
    QString notice;                // the line the view shows about itself ("" when hidden)
};

bool ReadDone(TConfigForm* form)
{
    return form->Panel()->Memo()->toPlainText().contains(QLatin1String("Get:"))
           && !form->Panel()->Request()->Busy();
}

Shown Capture(TConfigForm* form)
{
    Shown s;
    s.caption = form->windowTitle();
    s.status = form->Panel()->Memo()->toPlainText();
    s.refreshInterval = !form->Panel()->Buttons()->RefreshInterval->isHidden();
    if (!form->Panel()->Notice()->isHidden())
        s.notice = form->Panel()->Notice()->text();
    if (auto* table = qobject_cast<TSNMPListViewPanel*>(form->Panel())) {
        // The variables' own shown columns, in the view's order; a counter view's rate columns
        // are the view's, not the switch's.
        const QTreeWidget* view = table->ListView();
        const KtSNMPRequest2Edits* request = form->Panel()->Request();
        std::vector<int> columns;
        for (int i = 0; i < request->VarList().Count(); ++i)
            if (const int c = request->ColumnOf(i); c >= 0 && view->columnWidth(c) > 0)
                columns.push_back(c);
        std::sort(columns.begin(), columns.end());
        for (int r = 0; r < view->topLevelItemCount(); ++r) {
            QStringList cells;
            for (int c : columns)
                cells << view->topLevelItem(r)->text(c);
            s.rows.push_back(cells);
        }
    } else {
        const KtSNMPVarList& list = form->Panel()->Request()->Request().VarList;
        QStringList cells;
        for (int i = 0; i < list.Count(); ++i)
            cells << list.Item(i).Value;
        s.rows.push_back(cells);
    }
    return s;
}

// A value as snmpwalk printed it (-On -Oe), in the text the module shows for the variable.
QString Normalised(const testutil::ToolLine& line, const KtSNMPVarDef& def)
{
    QString v = line.value;
    QString text;
    if (line.type == QLatin1String("Timeticks")) {
        // "(12345) 0:02:03.45": the ticks in brackets are the value.
        text = KtTicksToText(v.mid(1, v.indexOf(u')') - 1).toUInt());
    } else if (line.type == QLatin1String("Hex-STRING")) {
        text = v.remove(u' ').toUpper();
    } else if (line.type == QLatin1String("STRING") || line.type.isEmpty()) {
        if (v.startsWith(u'"') && v.endsWith(u'"') && v.size() >= 2)
            v = v.mid(1, v.size() - 2);
        text = def.syntax == KtSyn::DisplayStr ? v : KtBytesToHex(v.toLatin1());
    } else if (line.type == QLatin1String("OID")) {
        text = v.startsWith(u'.') ? v.mid(1) : v;
    } else {
        text = v;  // INTEGER, counters, gauges, IpAddress
    }
    return def.options ? def.options->ValueToText(text) : text;
}

// The view's rows as an independent walk of its objects gives them: one walk per column,
// rows in the order of the first readable column's instances, a key the table does not
// serve (not-accessible) taken from the instance.
std::vector<QStringList> WalkedRows(const testutil::SimProcess& sim, const KtViewEntry& e)
{
    std::vector<std::map<QString, QString>> columns(std::size_t(e.varCount));
    QStringList order;  // the rows: the first walked column's instances in walk order
    bool first = true;
    for (int i = 0; i < e.varCount; ++i) {
        const KtSNMPVarDef& def = e.table[i];
        if (def.access == KtAcc::NotAccess)
            continue;
        const QString base = QLatin1String(def.oid);
        const auto walk = testutil::runSnmpTool(QStringLiteral("snmpwalk"),
                                                {"-v2c", "-c", "public", sim.peer(), base}, 5, 1);
        EXPECT_EQ(walk.exitCode, 0) << walk.err.toStdString();
        for (const testutil::ToolLine& line : testutil::parseToolLines(walk.out)) {
            QString oid = line.oid.startsWith(u'.') ? line.oid.mid(1) : line.oid;
            if (!oid.startsWith(base + u'.'))
                continue;
            const QString suffix = oid.mid(base.size() + 1);
            columns[std::size_t(i)][suffix] = Normalised(line, def);
            if (first)
                order << suffix;
        }
        first = order.isEmpty();
    }
    std::vector<QStringList> rows;
    for (const QString& suffix : order) {
        QStringList cells;
        for (int i = 0; i < e.varCount; ++i)
            cells << (e.table[i].access == KtAcc::NotAccess ? suffix.section(u'.', 0, 0)
                                                             : columns[std::size_t(i)].count(suffix)
                                                                   ? columns[std::size_t(i)][suffix]
                                                                   : QStringLiteral("(missing)"));
        rows.push_back(cells);
    }
    return rows;
}

// The scalars of an editor view as snmpget reads them.
QStringList ReadScalars(const testutil::SimProcess& sim, const KtViewEntry& e)
{
    QStringList oids;
    for (int i = 0; i < e.varCount; ++i)
        oids << QLatin1String(e.table[i].oid) + QStringLiteral(".0");
    const auto get = testutil::runSnmpTool(QStringLiteral("snmpget"), QStringList{"-v2c", "-c", "public", sim.peer()} + oids, 5, 1);
    EXPECT_EQ(get.exitCode, 0) << get.err.toStdString();
    const auto lines = testutil::parseToolLines(get.out);
    QStringList values;
    for (int i = 0; i < e.varCount; ++i)
        values << (i < lines.size() ? Normalised(lines[i], e.table[i]) : QStringLiteral("(missing)"));
    return values;
}

class ToolViewsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_sim = new testutil::SimProcess;
        s_started = s_sim->start({QStringLiteral("--freeze")});
    }
    static void TearDownTestSuite()
    {
        delete s_sim;
        s_sim = nullptr;
    }

    void SetUp() override
    {
        ASSERT_TRUE(s_started) << s_sim->errorText().toStdString();
        ASSERT_TRUE(folder.Entered());
    }

    // The main window on the simulator; the tool is absent unless a test says otherwise.
    void Start(const QStringList& extra = {})
    {
        int exitCode = -1;
        form = StartMainForm(QStringList{"/I" + s_sim->address(), "/v1", "/Rpublic", "/Wprivate"} + extra, &exitCode);
        ASSERT_TRUE(form) << boxes.texts.join('\n').toStdString();
        KtSNMPDefaults.device.port = s_sim->port();
        KtSNMPDefaults.timeout = 500;
        menu = TMainMenu::Of(form.get());
        ASSERT_TRUE(menu);
        form->SetToolStarter({[this](const QString& tool) {
                                  looked << tool;
                                  return installed ? "/opt/host/" + tool : QString();
                              },
                              [this](const QString& program, const QStringList&) {
                                  started << program;
                                  return true;
                              }});
        // Each view as its command shows it: read, looked at (and driven), closed.
        menu->SetShowModal([this](QDialog* dialog) {
            auto* view = qobject_cast<TConfigForm*>(dialog);
            EXPECT_TRUE(view);
            if (!view)
                return 0;
            view->show();
            EXPECT_TRUE(waitFor([&] { return ReadDone(view); }, 20000)) << "no read in " << view->windowTitle().toStdString();
            shown.push_back(Capture(view));
            if (drive)
                drive(view);
            view->close();
            return 0;
        });
    }

    // The menu item of a tool command, made visible (hidden items report themselves disabled).
    QAction* ToolItem(const char* argument)
    {
        const auto items = KtMainMenuItems();
        for (std::size_t i = 0; i < items.size(); ++i)
            if (items[i].kind == KtMenuKind::Tool && QLatin1String(items[i].target) == QLatin1String(argument)) {
                QAction* a = menu->FindItem(KtMenuPath(items, i));
                if (a)
                    a->setVisible(true);
                return a;
            }
        return nullptr;
    }

    static testutil::SimProcess* s_sim;
    static bool s_started;
    testutil::MainFormFolder folder;
    testutil::MessageRecorder boxes;
    std::unique_ptr<TMainForm> form;
    TMainMenu* menu = nullptr;
    bool installed = false;
    QStringList looked, started;
    std::vector<Shown> shown;
    std::function<void(TConfigForm*)> drive;
};

testutil::SimProcess* ToolViewsTest::s_sim = nullptr;
bool ToolViewsTest::s_started = false;

// ---- every tool command, its tool absent ---------------------------------------------------

class ToolCommandViewsTest : public ToolViewsTest, public ::testing::WithParamInterface<int> {};

TEST_P(ToolCommandViewsTest, OpensItsBuiltInViewsWhichShowWhatAWalkReads)
{
    const KtToolViews& tool = KtStandardMibViews()[std::size_t(GetParam())];
    SCOPED_TRACE(tool.argument);
    Start();
    QAction* item = ToolItem(tool.argument);
    ASSERT_TRUE(item);
    ASSERT_TRUE(item->isEnabled());
    item->trigger();

    const QString toolName = ToolNameOf(QLatin1String(tool.argument));
    EXPECT_EQ(looked, QStringList{toolName});
    EXPECT_TRUE(started.isEmpty());
    const QString notice = QStringLiteral("%1 not installed: showing the built-in %2")
                               .arg(toolName, tool.views.size() > 1 ? "views" : "view");
    EXPECT_EQ(form->StatusText(), notice);
    ASSERT_EQ(shown.size(), tool.views.size());
    for (std::size_t v = 0; v < tool.views.size(); ++v) {
        const KtViewEntry& e = tool.views[v];
        SCOPED_TRACE(e.mibObject);
        EXPECT_EQ(shown[v].caption, KtWindowTitle(QLatin1String(e.captionPrefix), s_sim->address() + ":" + QString::number(s_sim->port())));
        EXPECT_TRUE(shown[v].status.contains(QLatin1String("Get: (ZiDUVA++) Ok!"))) << shown[v].status.toStdString();
        EXPECT_EQ(shown[v].refreshInterval, e.counterRates);
        EXPECT_EQ(shown[v].notice, notice);
        if (e.kind == KtViewKind::Table) {
            const std::vector<QStringList> walked = WalkedRows(*s_sim, e);
            EXPECT_GE(walked.size(), 1u);
            EXPECT_EQ(shown[v].rows, walked);
        } else {
            QStringList walked = ReadScalars(*s_sim, e);
            QStringList seen = shown[v].rows.at(0);
            // The up time moves between the view's read and the walk.
            for (int i = 0; i < e.varCount; ++i)
                if (e.table[i].syntax == KtSyn::TimeTicks && QLatin1String(e.table[i].oid) == QLatin1String("1.3.6.1.2.1.1.3"))
                    walked[i] = seen[i] = QString();
            EXPECT_EQ(seen, walked);
        }
    }
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('\n').toStdString();
}

std::string ToolName(const ::testing::TestParamInfo<int>& info)
{
    std::string name;
    for (char c : std::string(KtStandardMibViews()[std::size_t(info.param)].argument))
        if (std::isalnum(static_cast<unsigned char>(c)))
            name += c;
    return name;
}

INSTANTIATE_TEST_SUITE_P(Tools, ToolCommandViewsTest, ::testing::Range(0, int(KtStandardMibViews().size())), ToolName);

TEST(ToolViewsCatalogue, EveryToolCommandOfTheMenuHasBuiltInViewsAndNoMenuViewChanges)
{
    const auto items = KtMainMenuItems();
    QStringList arguments;
    for (const KtMenuItem& item : items)
        if (item.kind == KtMenuKind::Tool)
            arguments << QLatin1String(item.target);
    QStringList covered;
    for (const KtToolViews& tool : KtStandardMibViews())
        covered << QLatin1String(tool.argument);
    EXPECT_EQ(covered, arguments);
    for (const QString& argument : arguments)
        EXPECT_FALSE(FindToolViews(argument).empty()) << argument.toStdString();
    EXPECT_TRUE(FindToolViews(u"/TMIB_Unknown").empty());
    // The counter commands open counter views (refresh interval, change per second).
    const QStringList counterCommands{"/TMIB_IFCounters", "/TMIB_IPCounters", "/TMIB_ICMPCounters",
                                      "/TMIB_UDPCounters", "/TMIB_SNMPCounters", "/TEthernetLike_dot3StatsTable",
                                      "/TRmon_Statistics", "/TBridge_TpPortInfo"};
    for (const KtToolViews& tool : KtStandardMibViews())
        for (const KtViewEntry& e : tool.views)
            EXPECT_EQ(e.counterRates, counterCommands.contains(QLatin1String(tool.argument))) << e.mibObject;
    // Kept out of the menu catalogue: no menu path leads to them.
    for (const KtToolViews& tool : KtStandardMibViews())
        for (const KtViewEntry& e : tool.views) {
            ASSERT_TRUE(e.mibObject);
            EXPECT_EQ(FindView(e.mibObject), nullptr) << e.mibObject;
            EXPECT_STREQ(KtViewPath(e), "") << e.mibObject;
            int vars = 0;
            while (e.table[vars].oid)
                ++vars;
            EXPECT_EQ(vars, e.varCount) << e.mibObject;
        }
}

// ---- sets from the built-in views ----------------------------------------------------------

QString Hex(const QString& text)
{
    return QString::fromLatin1(text.toUtf8().toHex().toUpper());
}

TEST_F(ToolViewsTest, SysLocationSetFromSystemInformationReachesTheSwitch)
{
    Start();
    const int from = int(s_sim->requests().size());
    drive = [](TConfigForm* view) {
        TEditsPanel* edits = view->Panel()->EditsPanel();
        auto* location = qobject_cast<QLineEdit*>(edits->RowAt(5).Value);
        ASSERT_TRUE(location);
        location->setText("Wiring closet 4");
        edits->RowAt(5).Tick->click();
        view->Panel()->Buttons()->btnSetChecked->click();
        EXPECT_TRUE(waitFor([&] { return view->Panel()->Memo()->toPlainText().contains("Set: (ZiDUVA++) Ok!"); }, 10000))
            << view->Panel()->Memo()->toPlainText().toStdString();
    };
    ToolItem("/TMIB_Info")->trigger();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(s_sim->requestsSince(from, "SET"),
              std::vector<QStringList>{{"1.3.6.1.2.1.1.6.0=x:" + Hex("Wiring closet 4")}});
    const auto get = testutil::runSnmpTool("snmpget", {"-v1", "-c", "public", s_sim->peer(), "1.3.6.1.2.1.1.6.0"});
    EXPECT_TRUE(get.out.contains("\"Wiring closet 4\"")) << get.out.toStdString();
}

using testutil::WhenFormOpens;

TEST_F(ToolViewsTest, IfAdminStatusSetFromTheIfTableReachesTheSwitch)
{
    Start();
    const int from = int(s_sim->requests().size());
    drive = [](TConfigForm* view) {
        auto* table = qobject_cast<TSNMPListViewPanel*>(view->Panel());
        if (!table || view->windowTitle().startsWith("IF Names"))
            return;  // the second view: nothing to set there
        QTreeWidget* list = table->ListView();
        ASSERT_GE(list->topLevelItemCount(), 3);
        list->setCurrentItem(list->topLevelItem(2));  // ifIndex 3
        ASSERT_TRUE(table->Buttons()->btnEdit->isEnabled());
        TEditsPanel* edits = table->EditsPanel();
        WhenFormOpens(table, [&](QDialog* edit) {
            auto* admin = qobject_cast<QComboBox*>(edits->RowAt(6).Value);
            ASSERT_TRUE(admin);
            admin->setCurrentText("down");
            edits->RowAt(6).Tick->setChecked(true);  // a changed value may tick itself
            QPushButton* set = edit->findChild<QPushButton*>("Set Checked");
            ASSERT_TRUE(set);
            EXPECT_TRUE(set->isEnabled());
            set->click();
        });
        table->Buttons()->btnEdit->click();
        EXPECT_TRUE(waitFor([&] { return ReadDone(view); }, 10000));
    };
    ToolItem("/TMIB_IFTable")->trigger();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(s_sim->requestsSince(from, "SET"), std::vector<QStringList>{{"1.3.6.1.2.1.2.2.1.7.3=i:2"}});
    const auto get = testutil::runSnmpTool("snmpget", {"-v1", "-c", "public", s_sim->peer(), "1.3.6.1.2.1.2.2.1.7.3"});
    EXPECT_TRUE(get.out.trimmed().endsWith("INTEGER: 2")) << get.out.toStdString();
    // Put back for the other tests on this switch.
    testutil::runSnmpTool("snmpset", {"-v1", "-c", "private", s_sim->peer(), "1.3.6.1.2.1.2.2.1.7.3", "i", "1"});
}

// RMON rows: an event added with "valid" and removed with "invalid" (EntryStatus).
TEST_F(ToolViewsTest, AnEventRowIsAddedAndRemovedFromTheAlarmEventViews)
{
    Start();
    const int from = int(s_sim->requests().size());
    int rowsAfterAdd = -1, rowsAfterDelete = -1;
    drive = [&](TConfigForm* view) {
        auto* table = qobject_cast<TSNMPListViewPanel*>(view->Panel());
        if (!table || !view->windowTitle().startsWith("RMON Event Table"))
            return;
        TEditsPanel* edits = table->EditsPanel();
        WhenFormOpens(table, [&](QDialog* add) {
            qobject_cast<QLineEdit*>(edits->RowAt(0).Value)->setText("3");
            qobject_cast<QLineEdit*>(edits->RowAt(1).Value)->setText("Port down");
            edits->RowAt(1).Tick->setChecked(true);
            add->findChild<QPushButton*>("Set Checked")->click();
        });
        table->Buttons()->btnAdd->click();
        ASSERT_TRUE(waitFor([&] { return ReadDone(view); }, 10000));
        QTreeWidget* list = table->ListView();
        rowsAfterAdd = list->topLevelItemCount();
        ASSERT_GE(rowsAfterAdd, 1);
        list->setCurrentItem(list->topLevelItem(rowsAfterAdd - 1));  // event 3
        boxes.answer = true;
        table->Buttons()->btnDelete->click();
        ASSERT_TRUE(waitFor([&] { return ReadDone(view) && list->topLevelItemCount() != rowsAfterAdd; }, 10000));
        rowsAfterDelete = list->topLevelItemCount();
    };
    ToolItem("/TRmon_AlarmEvent")->trigger();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(rowsAfterAdd, 3);
    EXPECT_EQ(rowsAfterDelete, 2);
    const std::vector<QStringList> sets = s_sim->requestsSince(from, "SET");
    ASSERT_EQ(sets.size(), 2u);
    EXPECT_TRUE(sets[0].contains("1.3.6.1.2.1.16.9.1.1.2.3=x:" + Hex("Port down"))) << sets[0].join(' ').toStdString();
    EXPECT_TRUE(sets[0].contains("1.3.6.1.2.1.16.9.1.1.7.3=i:1")) << sets[0].join(' ').toStdString();
    EXPECT_EQ(sets[1], QStringList{"1.3.6.1.2.1.16.9.1.1.7.3=i:4"});
}

// ---- the tool present ------------------------------------------------------------------------

TEST_F(ToolViewsTest, AStandInToolOnPathStartsAndNoViewOpens)
{
    QTemporaryDir bin;
    ASSERT_TRUE(bin.isValid());
    const QString marker = bin.filePath("ran");
    QFile script(bin.filePath("MIB"));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(QStringLiteral("#!/bin/sh\necho \"$@\" > '%1.tmp' && mv '%1.tmp' '%1'\n").arg(marker).toUtf8());
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", QDir::toNativeSeparators(bin.path()).toLocal8Bit() + ':' + oldPath);

    int exitCode = -1;
    form = StartMainForm({"/I" + s_sim->address(), "/Rpublic", "/Wprivate"}, &exitCode);  // the default starter
    ASSERT_TRUE(form);
    menu = TMainMenu::Of(form.get());
    int views = 0;
    menu->SetShowModal([&](QDialog*) {
        ++views;
        return 0;
    });
    ToolItem("/TMIB_Info")->trigger();
    const bool ran = waitFor([&] { return QFile::exists(marker); }, 10000);
    qputenv("PATH", oldPath);
    ASSERT_TRUE(ran) << "the stand-in tool did not run";
    QFile out(marker);
    ASSERT_TRUE(out.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(out.readAll()).trimmed(),
              "/I" + s_sim->address() + " /Rpublic /Wprivate /TMIB_Info");
    EXPECT_EQ(views, 0);
    EXPECT_FALSE(form->StatusText().contains("built-in"));
}

// The main window's status bar belongs to the LED poll, which rewrites it every few seconds:
// the view says itself why it is shown, and says it still after the poll.
TEST_F(ToolViewsTest, TheViewKeepsItsOwnNoticeAfterAnLedPoll)
{
    Start();
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    ASSERT_TRUE(waitFor([&] { return form->Activated(); }, 10000));
    const QString notice = QStringLiteral("MIB not installed: showing the built-in view");
    QString afterPoll, statusAfterPoll;
    drive = [&](TConfigForm* view) {
        // The LED poll's next report replaces the status bar's text.
        EXPECT_TRUE(waitFor([&] { return form->StatusText() != notice; }, 20000)) << "no LED poll";
        statusAfterPoll = form->StatusText();
        afterPoll = view->Panel()->Notice()->isVisibleTo(view) ? view->Panel()->Notice()->text() : QString();
    };
    ToolItem("/TMIB_Info")->trigger();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].notice, notice);
    EXPECT_NE(statusAfterPoll, notice);
    EXPECT_EQ(afterPoll, notice);
}

TEST_F(ToolViewsTest, TheDeviceFileCanPreferTheBuiltInViewsOverAnInstalledTool)
{
    QFile cfg(QDir::current().filePath(s_sim->address() + ".cfg"));
    ASSERT_TRUE(cfg.open(QIODevice::WriteOnly));
    cfg.write(QStringLiteral("[Program Information]\nAgentPort=%1\nVersion=1\nSecurityModel=2\nSecurityLevel=0\n"
                             "AuthProtocol=0\nPrivProtocol=0\nBuiltInViews=1\n")
                  .arg(s_sim->port())
                  .toUtf8());
    cfg.close();
    Start();
    installed = true;
    ToolItem("/TBridge_Forwarding")->trigger();
    EXPECT_TRUE(started.isEmpty());
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].caption, "Bridge Forwarding Table: " + s_sim->address() + ":" + QString::number(s_sim->port()));
    EXPECT_EQ(form->StatusText(), "BuiltInViews=1: showing the built-in view");
    EXPECT_EQ(shown[0].notice, "BuiltInViews=1: showing the built-in view");

    // Without the key the installed tool starts as before.
    ASSERT_TRUE(cfg.remove());
    form.reset();
    shown.clear();
    Start();
    installed = true;
    ToolItem("/TBridge_Forwarding")->trigger();
    EXPECT_EQ(started, QStringList{"/opt/host/Bridge"});
    EXPECT_TRUE(shown.empty());
}

} // namespace
