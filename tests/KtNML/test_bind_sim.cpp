// Binding objects end to end against the switch simulator: reads into controls and list views,
// writes from controls (checked in the simulator's request log), refresh after a write,
// time-outs in both modes, a view closed in the middle of an asynchronous walk, and answers of
// the wrong type.
#include "KtNML/KtOptionList.h"
#include "KtNML/KtSNMPRequest2Edits.h"
#include "KtNML/KtSNMPSession.h"
#include "tests/KtNML/KtTestHelpers.h"
#include "tests/support/MessageRecorder.h"
#include "tests/support/SimProcess.h"
#include "tests/support/SnmpTools.h"
#include "tests/support/TestUtil.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <memory>
#include <vector>

namespace {

using testutil::SimProcess;

constexpr KtOptionPair kStatePairs[] = {{1, "disabled"}, {2, "enabled"}, {}};
const KtOptionList olState(kStatePairs);

// The scalar group of tests/KtNML/data/bind.sim.
const KtSNMPVarDef kGroup[] = {
    {"1.3.6.1.4.1.32473.77.1.1", "Ports", KtSyn::OctetStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.77.1.2", "Address", KtSyn::IpAddress, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.77.1.3", "State", KtSyn::Integer, KtAcc::ReadWrite, &olState},
    {"1.3.6.1.4.1.32473.77.1.4", "Name", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {},
};

// Its three-row table.
const KtSNMPVarDef kTable[] = {
    {"1.3.6.1.4.1.32473.77.2.1.1", "Port", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.77.2.1.2", "Name", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.77.2.1.3", "State", KtSyn::Integer, KtAcc::ReadWrite, &olState},
    {},
};

using Rows = std::vector<QStringList>;
const Rows kRows = {{"1", "uplink", "enabled"}, {"2", "printer", "disabled"}, {"3", "camera", "enabled"}};

Rows viewRows(const QTreeWidget& view)
{
    Rows rows;
    for (int r = 0; r < view.topLevelItemCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < view.columnCount(); ++c)
            cells << view.topLevelItem(r)->text(c);
        rows.push_back(cells);
    }
    return rows;
}

QString lastLine(const QPlainTextEdit& memo)
{
    const QStringList lines = memo.toPlainText().split(u'\n');
    return lines.isEmpty() ? QString() : lines.last();
}

QString withoutTime(QString line)
{
    static const QRegularExpression clock(QStringLiteral(R"(\d\d:\d\d:\d\d \S+\.$)"));
    return line.replace(clock, QStringLiteral("TIME."));
}

// A binding that records its error slot and counts its rows in places that outlive it.
class RecordingEdits : public KtSNMPRequest2Edits {
public:
    using KtSNMPRequest2Edits::KtSNMPRequest2Edits;
    void ShowRow() override
    {
        if (rowHook)
            rowHook();
        KtSNMPRequest2Edits::ShowRow();
    }
    void OnGetError(const KtSNMPError& error) override
    {
        errorCodes.push_back(error.code);
        busyAtError = Busy();
        KtSNMPRequest2Edits::OnGetError(error);
    }
    void OnSetError(const KtSNMPError& error) override
    {
        if (setErrorHook)
            setErrorHook();
        KtSNMPRequest2Edits::OnSetError(error);
    }
    std::function<void()> rowHook;
    std::function<void()> setErrorHook;  // may raise, as a view's own error display might
    std::vector<int> errorCodes;
    bool busyAtError = true;
};

class BindSim : public ::testing::Test {
protected:
    void SetUp() override
    {
        KtSNMPInitSession(m_dir.path());
        KtSNMPDefaults.security.version = 1;  // SNMPv2c
        KtSNMPDefaults.security.readCommunity = "public";
        KtSNMPDefaults.security.writeCommunity = "private";
        KtSNMPDefaults.timeout = 50;
        KtSNMPDefaults.getBulk = true;  // a slow switch of an earlier test turned it off
    }
    void TearDown() override
    {
        KtSNMPCloseSession();
    }

    void startSim(QStringList extra = {})
    {
        // A slow switch is there to act while a walk runs: get-next brings one row per delayed
        // reply, where get-bulk would bring the small table in one.
        if (extra.contains(QStringLiteral("--delay")))
            KtSNMPDefaults.getBulk = false;
        extra << "--data" << testutil::sourceDir() + "/tests/KtNML/data/bind.sim" << "--freeze";
        ASSERT_TRUE(sim.start(extra)) << sim.errorText().toStdString();
        KtSNMPDefaults.device.address = sim.address();
        KtSNMPDefaults.device.port = sim.port();
    }

    std::unique_ptr<RecordingEdits> table(int mode, std::uint8_t itemType = KtItem::MVT_UMV)
    {
        auto b = std::make_unique<RecordingEdits>(&form);
        b->VarList().Assign(KtSNMPVarList(kTable, itemType, 1));
        b->VarList().Name = "bindPorts";
        b->Mode = mode;
        b->BindListView(view);
        b->SetStatusTarget(memo);
        b->GetDone = [this](KtSNMPRequest2Controls&, const KtSNMPError& e) { getDone.push_back(e.code); };
        b->SetDone = [this](KtSNMPRequest2Controls&, const KtSNMPError& e) { setDone.push_back(e.code); };
        return b;
    }

    // Requests of a type logged after the first `from` entries.
    int count(const QString& type, int from = 0)
    {
        int n = 0;
        const auto all = sim.requests();
        for (int k = from; k < all.size(); ++k)
            n += all[k].type == type;
        return n;
    }

    QTemporaryDir m_dir;
    SimProcess sim;
    QWidget form;
    QTreeWidget* view = new QTreeWidget(&form);
    QPlainTextEdit* memo = new QPlainTextEdit(&form);
    std::vector<int> getDone, setDone;
    testutil::MessageRecorder recorder;
    std::vector<testutil::MessageRecorder::Box>& boxes = recorder.boxes;
    std::function<void()>& onBox = recorder.onShow;  // runs inside the recorded message box
};

TEST_F(BindSim, ScalarGroupShowsInItsControlsAndWritesWhatTheyHold)
{
    startSim();
    KtSNMPRequest2Edits bind(&form);
    bind.VarList().Assign(KtSNMPVarList(kGroup, KtItem::SVT_SV, 0));
    bind.Mode = 0;
    std::vector<QCheckBox*> ports;
    for (int k = 0; k < 8; ++k)
        ports.push_back(new QCheckBox(&form));
    std::vector<QWidget*> address;
    for (int k = 0; k < 4; ++k)
        address.push_back(new QLineEdit(&form));
    auto* state = new QComboBox(&form);
    auto* name = new QLineEdit(&form);
    bind.BindBitsList(0, "0,1,2,3,4,5,6,7", ports);
    bind.BindFormatted(1, "%i{n0x255}%i{n0x255}%i{n0x255}%i{n0x255}", address);
    bind.BindDropDown(2, state);
    bind.Bind(3, name);
    bind.SetStatusTarget(memo);

    bind.Get();
    EXPECT_FALSE(bind.Busy());
    EXPECT_EQ(bind.RowCount(), 1);
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(ports[k]->isChecked(), k == 0 || k == 2) << "box " << k + 1;
    const QStringList shownAddress = {static_cast<QLineEdit*>(address[0])->text(),
                                      static_cast<QLineEdit*>(address[1])->text(),
                                      static_cast<QLineEdit*>(address[2])->text(),
                                      static_cast<QLineEdit*>(address[3])->text()};
    EXPECT_EQ(shownAddress, QStringList({"10", "0", "0", "1"}));
    EXPECT_EQ(state->currentText(), "enabled");
    EXPECT_EQ(name->text(), "switch-a");
    bind.ReadValues(1);
    EXPECT_EQ(bind.VarList().Item(1).Value, "10.0.0.1");

    ports[0]->setChecked(false);
    static_cast<QLineEdit*>(address[3])->setText("7");
    state->setCurrentIndex(-1);  // nothing chosen: the state is not written
    name->setText("switch-b");
    const int before = int(sim.requests().size());
    bind.Set(false, true);
    const auto requests = sim.requests().mid(before);
    ASSERT_EQ(requests.size(), 1);
    ASSERT_EQ(requests[0].type, "SET");
    QStringList sent;
    for (const auto& vb : requests[0].varbinds)
        sent << vb.oid + "=" + vb.type + ":" + vb.value;
    EXPECT_EQ(sent, QStringList({"1.3.6.1.4.1.32473.77.1.1.0=x:20", "1.3.6.1.4.1.32473.77.1.2.0=a:10.0.0.7",
                                 "1.3.6.1.4.1.32473.77.1.4.0=x:" + QString("switch-b").toLatin1().toHex().toUpper()}));
    EXPECT_TRUE(lastLine(*memo).startsWith("Set: (ZiDUVA++) Ok!")) << lastLine(*memo).toStdString();
}

// A view leaves a field out of one write by marking it invalid (an unticked row, a column the
// write excludes). It stays out whatever the other controls give, an empty drop-down included,
// and the access bytes are the view's own again afterwards.
TEST_F(BindSim, AFieldMarkedInvalidStaysOutOfTheWriteWhateverTheOtherControlsGive)
{
    startSim();
    KtSNMPRequest2Edits bind(&form);
    bind.VarList().Assign(KtSNMPVarList(kGroup + 1, KtItem::SVT_SV, 0));  // address, state, name
    bind.Mode = 0;
    auto* address = new QLineEdit(&form);
    auto* state = new QComboBox(&form);
    auto* name = new QLineEdit(&form);
    bind.Bind(0, address);
    bind.BindDropDown(1, state);
    bind.Bind(2, name);
    bind.Get();
    ASSERT_EQ(name->text(), "switch-a");

    const QString kAddress = "1.3.6.1.4.1.32473.77.1.2.0", kState = "1.3.6.1.4.1.32473.77.1.3.0";
    const struct {
        const char* name;
        int stateIndex;  // -1: nothing chosen
        QStringList sent;
    } cases[] = {
        {"blank drop-down", -1, {kAddress}},
        {"chosen drop-down", 0, {kAddress, kState}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        address->setText("10.0.0.9");
        state->setCurrentIndex(c.stateIndex);
        name->clear();  // would go out as an empty name
        bind.VarList().Item(2).Access |= KtAcc::Invalid;
        std::vector<std::int32_t> access;
        for (int i = 0; i < bind.VarList().Count(); ++i)
            access.push_back(bind.VarList().Item(i).Access);

        const int before = int(sim.requests().size());
        bind.Set(false, true);
        const auto requests = sim.requests().mid(before);
        ASSERT_EQ(requests.size(), 1);
        QStringList sent;
        for (const auto& vb : requests[0].varbinds)
            sent << vb.oid;
        EXPECT_EQ(sent, c.sent);
        for (int i = 0; i < bind.VarList().Count(); ++i)
            EXPECT_EQ(bind.VarList().Item(i).Access, access[std::size_t(i)]) << "variable " << i;

        // The view takes its mark back; the next read brings every variable.
        bind.VarList().Item(2).Access &= ~KtAcc::Invalid;
        bind.Get();
        EXPECT_EQ(name->text(), "switch-a");
    }
}

// Columns of the interfaces extension table that sim/data/holes.sim serves with holes.
const KtSNMPVarDef kIfXHoles[] = {
    {"1.3.6.1.2.1.2.2.1.1", "Interface Index", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.2.1.31.1.1.1.1", "Name", KtSyn::DisplayStr, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.6", "Octets Received", KtSyn::Counter64, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.14", "Link Up/Down Trap State", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.2.1.31.1.1.1.15", "High Speed", KtSyn::Gauge, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.18", "Alias", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {},
};

// The rows net-snmp's snmpwalk finds in the same columns: a cell the agent does not have is
// empty, or "(NOTDONE)" once its column has no instance left.
Rows independentWalk(const SimProcess& sim)
{
    const testutil::ToolResult r = testutil::runSnmpTool(
        "snmpwalk", {"-v2c", "-c", "public", QString("udp:%1:%2").arg(sim.address()).arg(sim.port()),
                     "1.3.6.1.2.1.31.1.1.1"});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    std::map<int, std::map<int, QString>> cells;  // column -> interface -> value
    std::set<int> interfaces;
    for (const testutil::ToolLine& l : testutil::parseToolLines(r.out)) {
        const QStringList ids = l.oid.split(u'.');
        QString value = l.value;
        if (value.size() >= 2 && value.startsWith(u'"') && value.endsWith(u'"'))
            value = value.mid(1, value.size() - 2);
        cells[ids.value(ids.size() - 2).toInt()][ids.last().toInt()] = value;
        interfaces.insert(ids.last().toInt());
    }
    Rows rows;
    for (int interface : interfaces) {
        QStringList row{QString::number(interface)};
        for (int column : {1, 6, 14, 15, 18}) {
            const std::map<int, QString>& col = cells[column];
            const auto it = col.lower_bound(interface);
            row << (it == col.end() ? "(NOTDONE)" : it->first == interface ? it->second : QString());
        }
        rows.push_back(row);
    }
    return rows;
}

TEST_F(BindSim, ATableWithHolesShowsEveryCellInItsOwnRow)
{
    ASSERT_TRUE(sim.start({"--data", testutil::sourceDir() + "/sim/data/holes.sim", "--freeze"}))
        << sim.errorText().toStdString();
    KtSNMPDefaults.device.address = sim.address();
    KtSNMPDefaults.device.port = sim.port();
    const Rows expected = independentWalk(sim);
    // The fixture's holes: first row, middle, and a column that ends before the last row.
    ASSERT_EQ(expected.size(), 5u);
    ASSERT_EQ(expected[0], QStringList({"1", "1/1", "1801188482", "", "", "uplink"}));
    ASSERT_EQ(expected[2], QStringList({"3", "1/3", "0", "", "100", ""}));
    ASSERT_EQ(expected[4], QStringList({"5", "1/5", "(NOTDONE)", "(NOTDONE)", "10", "spare"}));

    for (const auto& [mode, bulk] : {std::pair{0, false}, {0, true}, {1, false}, {1, true}}) {
        SCOPED_TRACE(mode);
        SCOPED_TRACE(bulk ? "get-bulk" : "get-next");
        KtSNMPDefaults.getBulk = bulk;
        getDone.clear();
        auto bind = std::make_unique<KtSNMPRequest2Edits>(&form);
        bind->VarList().Assign(KtSNMPVarList(kIfXHoles, KtItem::MVT_UMV, 1));
        bind->Mode = mode;
        bind->BindListView(view);
        bind->SetStatusTarget(memo);
        bind->GetDone = [this](KtSNMPRequest2Controls&, const KtSNMPError& e) { getDone.push_back(e.code); };
        const int before = int(sim.requests().size());
        bind->Get();
        ASSERT_TRUE(testutil::waitFor([&] { return !bind->Busy(); }, 10000));
        EXPECT_EQ(viewRows(*view), expected);
        EXPECT_TRUE(lastLine(*memo).startsWith("Get: (ZiDUVA++) Ok!")) << lastLine(*memo).toStdString();
        if (bulk) {
            EXPECT_EQ(count("GETNEXT", before), 0);
            EXPECT_GE(count("GETBULK", before), 1);
        } else {
            EXPECT_EQ(count("GETNEXT", before), 6) << "five rows and the end of the walk";
        }
    }
}

// Typed text that is no value of its variable is refused naming the variable before anything
// is sent, in both modes, and stays in its control. Text in a variable left out of the write
// does not stop it, and corrected text is sent.
TEST_F(BindSim, TextThatIsNoValueIsRefusedBeforeAnythingIsSentAndStaysTyped)
{
    startSim();
    const KtSNMPVarDef defs[] = {
        {"1.3.6.1.4.1.32473.77.1.2", "Address", KtSyn::IpAddress, KtAcc::ReadWrite},
        {"1.3.6.1.4.1.32473.77.1.3", "State Number", KtSyn::Integer, KtAcc::ReadWrite},
        {},
    };
    KtSNMPRequest2Edits bind(&form);
    bind.VarList().Assign(KtSNMPVarList(defs, KtItem::SVT_SV, 0));
    auto* address = new QLineEdit(&form);
    auto* state = new QLineEdit(&form);
    bind.Bind(0, address);
    bind.Bind(1, state);
    bind.Mode = 0;
    bind.Get();
    ASSERT_EQ(address->text(), "10.0.0.1");
    ASSERT_EQ(state->text(), "2");

    const struct {
        QLineEdit* edit;
        QString text;
        QString label;
    } cases[] = {
        {state, "abc", "State Number"},         {state, "8 apples", "State Number"},
        {state, "", "State Number"},            {state, "4294967298", "State Number"},
        {address, "999.1.1.1", "Address"},     {address, "256.256.256.256", "Address"},
        {address, "10.0.0", "Address"},
    };
    const auto before = sim.requests().size();
    for (int mode : {0, 1}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(QString("mode %1, %2").arg(mode).arg(c.text).toStdString());
            bind.Mode = mode;
            c.edit->setText(c.text);
            try {
                bind.Set(false, true);
                ADD_FAILURE() << "accepted";
            } catch (const KtException& e) {
                EXPECT_EQ(e.Code(), KtErr::BadValue);
                EXPECT_EQ(e.Message(), QString("(ZiDUVA++) Invalid value \"%1\" for %2!").arg(c.text, c.label));
            }
            EXPECT_FALSE(bind.Busy());
            EXPECT_EQ(c.edit->text(), c.text);
            c.edit->setText(c.edit == state ? "2" : "10.0.0.1");
        }
    }
    EXPECT_EQ(sim.requests().size(), before) << "nothing was sent";

    auto lastSet = [&] {
        QStringList sent;
        const auto requests = sim.requests();
        if (!requests.isEmpty() && requests.last().type == "SET")
            for (const auto& vb : requests.last().varbinds)
                sent << vb.oid + "=" + vb.type + ":" + vb.value;
        return sent;
    };
    bind.Mode = 0;
    state->setText("abc");
    address->setText("10.0.0.9");
    bind.PrepareSet();
    bind.VarList().Item(1).Access |= KtAcc::Invalid;  // as a view leaves an unticked row out
    bind.Set(false, false);
    bind.VarList().Item(1).Access &= ~KtAcc::Invalid;
    EXPECT_EQ(lastSet(), QStringList({"1.3.6.1.4.1.32473.77.1.2.0=a:10.0.0.9"}));

    state->setText(" 1 ");
    bind.Set(false, true);
    EXPECT_EQ(lastSet(), QStringList({"1.3.6.1.4.1.32473.77.1.2.0=a:10.0.0.9", "1.3.6.1.4.1.32473.77.1.3.0=i:1"}));
}

// Display strings are written as UTF-8 and read back as the same text.
TEST_F(BindSim, DisplayStringsTravelAsUtf8)
{
    startSim();
    const KtSNMPVarDef defs[] = {{"1.3.6.1.4.1.32473.77.1.4", "Name", KtSyn::DisplayStr, KtAcc::ReadWrite}, {}};
    KtSNMPRequest2Edits bind(&form);
    bind.VarList().Assign(KtSNMPVarList(defs, KtItem::SVT_SV, 0));
    bind.Mode = 0;
    auto* name = new QLineEdit(&form);
    bind.Bind(0, name);
    bind.Get();
    name->setText(QStringLiteral("Zürich-€"));
    bind.Set(false, true);
    const auto requests = sim.requests();
    ASSERT_FALSE(requests.isEmpty());
    ASSERT_EQ(requests.last().varbinds.size(), 1);
    EXPECT_EQ(requests.last().varbinds[0].value, QString("Zürich-€").toUtf8().toHex().toUpper());
    name->clear();
    bind.Get();
    EXPECT_EQ(name->text(), QStringLiteral("Zürich-€"));
}

TEST_F(BindSim, SynchronousAndAsynchronousReadsFillTheListViewAlike)
{
    startSim();
    auto* name = new QLineEdit(&form);
    auto* state = new QComboBox(&form);

    auto sync = table(0, KtItem::MVT_FMV);
    sync->Bind(1, name);
    sync->BindDropDown(2, state);
    sync->Get();
    EXPECT_FALSE(sync->Busy());
    EXPECT_EQ(sync->RowCount(), 3);
    EXPECT_EQ(viewRows(*view), kRows);
    const QString syncLine = lastLine(*memo);
    EXPECT_TRUE(syncLine.startsWith("Get: (ZiDUVA++) Ok! Request:bindPorts. Receive at ")) << syncLine.toStdString();
    EXPECT_TRUE(getDone.empty()) << "a synchronous read is not announced";
    sync.reset();

    auto async = table(1, KtItem::MVT_FMV);
    async->Bind(1, name);
    async->BindDropDown(2, state);
    std::vector<int> rowsSeen;
    async->rowHook = [&] { rowsSeen.push_back(view->topLevelItemCount()); };
    async->Get();
    EXPECT_TRUE(async->Busy());
    EXPECT_EQ(view->topLevelItemCount(), 0) << "rows come with the completions";
    ASSERT_TRUE(testutil::waitFor([&] { return !getDone.empty(); }, 10000));
    EXPECT_EQ(getDone, std::vector<int>{0});
    EXPECT_FALSE(async->Busy());
    EXPECT_EQ(rowsSeen.size(), 3u) << "one ShowRow per completion";
    EXPECT_EQ(async->RowCount(), 3);
    EXPECT_EQ(viewRows(*view), kRows);
    EXPECT_EQ(withoutTime(lastLine(*memo)), withoutTime(syncLine));
    EXPECT_EQ(memo->blockCount(), 2);

    // A whole-table list waits for a selected row before its controls take input.
    EXPECT_FALSE(name->isEnabled());
    EXPECT_FALSE(state->isEnabled());
    view->topLevelItem(1)->setSelected(true);
    EXPECT_TRUE(name->isEnabled());
    EXPECT_TRUE(state->isEnabled());
    EXPECT_EQ(name->text(), "printer");
    EXPECT_EQ(state->currentText(), "disabled");
}

TEST_F(BindSim, RowFilterTakesItsValuesFromTheLinkedRequest)
{
    startSim();
    KtSNMPRequest linked;
    linked.VarList.Assign(KtSNMPVarList(kGroup, KtItem::SVT_SV, 0));
    linked.VarList.Item(2).Value = "enabled";
    for (int mode : {0, 1}) {
        SCOPED_TRACE(mode);
        getDone.clear();
        auto bind = table(mode);
        bind->LinkedRequest = &linked;
        bind->RowFilter = "$2=#2";
        bind->Get();
        ASSERT_TRUE(testutil::waitFor([&] { return !bind->Busy(); }, 10000));
        EXPECT_EQ(bind->RowCount(), 2);
        EXPECT_EQ(viewRows(*view), (Rows{kRows[0], kRows[2]}));
    }
}

TEST_F(BindSim, EveryEndOfAnAsynchronousReadIsAnnounced)
{
    startSim();
    const QString badControl = KtMessage(KtErr::BadControlType);
    auto group = [&](int mode, QWidget* nameControl) {
        auto b = std::make_unique<KtSNMPRequest2Edits>(&form);
        b->VarList().Assign(KtSNMPVarList(kGroup, KtItem::SVT_SV, 0));
        b->Mode = mode;
        b->Bind(3, nameControl);
        b->GetDone = [this](KtSNMPRequest2Controls&, const KtSNMPError& e) { getDone.push_back(e.code); };
        return b;
    };

    // Without a status target a good read is announced all the same.
    auto plain = group(1, new QLineEdit(&form));
    plain->Get();
    ASSERT_TRUE(testutil::waitFor([&] { return !getDone.empty(); }, 10000));
    EXPECT_EQ(getDone, std::vector<int>{0});

    // A control that cannot show the value: mode 0 raises, mode 1 shows and announces it.
    auto sync = group(0, new QPushButton(&form));
    ExpectKtError(KtErr::BadControlType, [&] { sync->Get(); });
    EXPECT_FALSE(sync->Busy());

    getDone.clear();
    auto async = group(1, new QPushButton(&form));
    async->SetStatusTarget(memo);
    async->Get();
    ASSERT_TRUE(testutil::waitFor([&] { return !getDone.empty(); }, 10000));
    EXPECT_EQ(getDone, std::vector<int>{KtErr::BadControlType});
    EXPECT_FALSE(async->Busy());
    EXPECT_TRUE(lastLine(*memo).startsWith("Get: " + badControl)) << lastLine(*memo).toStdString();
    EXPECT_TRUE(boxes.empty());
}

struct RefreshCase {
    const char* name;
    int mode;
    bool refresh;
};

class BindRefresh : public BindSim, public ::testing::WithParamInterface<RefreshCase> {};

TEST_P(BindRefresh, TableIsReadAgainAfterAWriteOnlyWhenAsked)
{
    const RefreshCase& c = GetParam();
    startSim();
    auto* name = new QLineEdit(&form);
    auto bind = table(0);
    bind->Bind(1, name);
    bind->Get();
    view->topLevelItem(1)->setSelected(true);
    ASSERT_EQ(name->text(), "printer");
    name->setText("scanner");

    bind->Mode = c.mode;
    const int before = int(sim.requests().size());
    bind->Set(c.refresh, true);
    if (c.mode == 1) {
        ASSERT_TRUE(testutil::waitFor([&] { return !setDone.empty() && !bind->Busy(); }, 10000));
        EXPECT_EQ(setDone, std::vector<int>{0});
        // Time for a read that must not come.
        testutil::waitFor([] { return false; }, c.refresh ? 0 : 300);
    }
    EXPECT_FALSE(bind->Busy());
    const auto requests = sim.requests().mid(before);
    ASSERT_FALSE(requests.isEmpty());
    ASSERT_EQ(requests[0].type, "SET");
    ASSERT_EQ(requests[0].varbinds.size(), 2);
    EXPECT_EQ(requests[0].varbinds[0].oid, "1.3.6.1.4.1.32473.77.2.1.2.2");
    EXPECT_EQ(requests[0].varbinds[1].oid, "1.3.6.1.4.1.32473.77.2.1.3.2");
    EXPECT_EQ(count("GETBULK", before), c.refresh ? 1 : 0) << "the three rows in one get-bulk";
    if (c.refresh) {
        EXPECT_EQ(viewRows(*view)[1], QStringList({"2", "scanner", "disabled"}));
    }
}

INSTANTIATE_TEST_SUITE_P(Modes, BindRefresh,
                         ::testing::Values(RefreshCase{"sync_refresh", 0, true}, RefreshCase{"sync_no_refresh", 0, false},
                                           RefreshCase{"async_refresh", 1, true},
                                           RefreshCase{"async_no_refresh", 1, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(BindSim, TimeOutRaisesInMode0AndReachesTheErrorSlotInMode1)
{
    startSim({"--drop", "all"});
    KtSNMPDefaults.timeout = 20;
    const QString timedOut = KtMessage(KtErr::Timeout);

    auto sync = table(0);
    ExpectKtError(KtErr::Timeout, [&] { sync->Get(); });
    EXPECT_FALSE(sync->Busy());
    EXPECT_TRUE(sync->errorCodes.empty()) << "mode 0 raises instead";

    const struct {
        const char* name;
        bool statusTarget;
    } cases[] = {{"memo", true}, {"message box", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        getDone.clear();
        boxes.clear();
        memo->clear();
        auto async = table(1);
        if (!c.statusTarget)
            async->ClearStatusTarget();
        async->Get();
        EXPECT_TRUE(async->Busy());
        ASSERT_TRUE(testutil::waitFor([&] { return !getDone.empty(); }, 10000));
        EXPECT_EQ(async->errorCodes, std::vector<int>{KtErr::Timeout});
        EXPECT_FALSE(async->busyAtError);
        EXPECT_FALSE(async->Busy());
        EXPECT_EQ(getDone, std::vector<int>{KtErr::Timeout});
        if (c.statusTarget) {
            EXPECT_TRUE(boxes.empty());
            EXPECT_TRUE(lastLine(*memo).startsWith("Get: " + timedOut + " Request:bindPorts.")) << lastLine(*memo).toStdString();
        } else {
            EXPECT_TRUE(memo->toPlainText().isEmpty());
            ASSERT_EQ(boxes.size(), 1u);
            EXPECT_EQ(boxes[0].text, timedOut);
            EXPECT_EQ(boxes[0].caption, KtEditConstraint::MessageCaption());
        }
    }
}

// A write the switch never answers ends alike in both modes but for how it is told: mode 0
// raises to the caller, mode 1 shows it in the write's status line and announces it once.
// Either way the operation is over and the table is not read again.
TEST_F(BindSim, AFailedWriteEndsTheOperationInBothModesWithoutARefresh)
{
    startSim({"--drop", "all"});
    KtSNMPDefaults.timeout = 20;
    const QString timedOut = KtMessage(KtErr::Timeout);
    for (int mode : {0, 1}) {
        SCOPED_TRACE(mode);
        setDone.clear();
        memo->clear();
        auto bind = table(mode);
        bind->VarList().Item(0).Value = "2";
        bind->VarList().Item(1).Value = "scanner";
        const int before = int(sim.requests().size());
        if (mode == 0) {
            ExpectKtError(KtErr::Timeout, [&] { bind->Set(true, false, "1"); });
        } else {
            bind->Set(true, false, "1");
            EXPECT_TRUE(bind->Busy());
            ASSERT_TRUE(testutil::waitFor([&] { return !setDone.empty(); }, 10000));
            EXPECT_EQ(setDone, std::vector<int>{KtErr::Timeout});
            EXPECT_TRUE(lastLine(*memo).startsWith("Set: " + timedOut + " Request:bindPorts."))
                << lastLine(*memo).toStdString();
        }
        EXPECT_FALSE(bind->Busy()) << "no read after a failed write";
        EXPECT_EQ(bind->LastOperation(), 1);
        EXPECT_TRUE(bind->errorCodes.empty()) << "the read's error slot is not the write's";
        EXPECT_EQ(count("GETNEXT", before), 0);
        EXPECT_GE(count("SET", before), 1);
        if (mode == 0) {
            EXPECT_TRUE(setDone.empty()) << "mode 0 raises instead";
            EXPECT_TRUE(memo->toPlainText().isEmpty()) << "the caller shows what it catches";
        }
    }
    EXPECT_TRUE(boxes.empty());

    // An error display that fails itself is shown too; the view still hears once that the
    // write ended, and why.
    setDone.clear();
    memo->clear();
    auto bind = table(1);
    bind->setErrorHook = [] { KtRaise(KtErr::BadControlType); };
    bind->VarList().Item(0).Value = "2";
    bind->Set(false, false, "1");
    ASSERT_TRUE(testutil::waitFor([&] { return !setDone.empty(); }, 10000));
    EXPECT_EQ(setDone, std::vector<int>{KtErr::Timeout});
    EXPECT_FALSE(bind->Busy());
    EXPECT_TRUE(lastLine(*memo).startsWith("Set: " + KtMessage(KtErr::BadControlType))) << lastLine(*memo).toStdString();
}

enum class CloseAt { BetweenReplies, InsideShowRow };

struct CloseCase {
    const char* name;
    int mode;
    CloseAt when;
};

TEST_F(BindSim, RowsAppearWhileASlowWalkRuns)
{
    startSim({"--delay", "80"});
    auto async = table(1, KtItem::MVT_UMV);
    std::vector<int> rowsSeen;
    async->rowHook = [&] { rowsSeen.push_back(view->topLevelItemCount()); };
    async->Get();
    ASSERT_TRUE(testutil::waitFor([&] { return !getDone.empty(); }, 10000));
    ASSERT_EQ(rowsSeen.size(), 3u);
    // Rows go into the view in batches at most 50 ms apart, not only when the walk ends.
    EXPECT_GE(rowsSeen.back(), 1);
    EXPECT_EQ(view->topLevelItemCount(), 3);
}

class BindClose : public BindSim, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(BindClose, ViewClosedDuringAWalkGetsNoLateCallback)
{
    const CloseCase& c = GetParam();
    startSim({"--delay", "150"});
    std::unique_ptr<RecordingEdits> bind = table(c.mode);
    int rows = 0;
    bind->rowHook = [&] {
        // The hook lives in the object; what it touches lives in the test.
        ++rows;
        if (rows == 1 && c.when == CloseAt::InsideShowRow)
            QTimer::singleShot(0, [&] { bind.reset(); });
    };
    bind->Get();
    if (c.when == CloseAt::BetweenReplies) {
        ASSERT_TRUE(testutil::waitFor([&] { return rows >= 1; }, 10000));
        bind.reset();
    } else if (c.mode == 1) {
        ASSERT_TRUE(testutil::waitFor([&] { return !bind; }, 10000));
    }
    EXPECT_FALSE(bind);
    const int rowsAtClose = rows;
    const int requestsAtClose = int(sim.requests().size());
    testutil::waitFor([] { return false; }, 600);
    EXPECT_EQ(rows, rowsAtClose);
    // An asynchronous walk runs no events inside a row: the close asked there lands once the
    // completion has returned, by when the next reply may have come in.
    if (c.mode == 1 && c.when == CloseAt::InsideShowRow) {
        EXPECT_LE(rows, 2);
    } else {
        EXPECT_EQ(rows, 1);
    }
    EXPECT_TRUE(getDone.empty());
    EXPECT_EQ(int(sim.requests().size()), requestsAtClose) << "no row asked for after closing";
    EXPECT_TRUE(boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Walks, BindClose,
    ::testing::Values(CloseCase{"async_between_replies", 1, CloseAt::BetweenReplies},
                      CloseCase{"async_inside_show_row", 1, CloseAt::InsideShowRow},
                      CloseCase{"sync_inside_show_row", 0, CloseAt::InsideShowRow}),
    [](const auto& info) { return std::string(info.param.name); });

// A view may also be closed from a completion's own callouts: a notification or the message box
// of an error. Nothing of the binding runs afterwards (no refresh, no notification).
TEST_F(BindSim, ViewClosedFromACompletionStopsItThere)
{
    const struct {
        const char* name;
        bool dropAll;
    } cases[] = {{"set-done", false}, {"error message box", true}, {"get-done", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        startSim(c.dropAll ? QStringList{"--drop", "all"} : QStringList{});
        KtSNMPDefaults.timeout = 20;
        getDone.clear();
        setDone.clear();
        std::unique_ptr<RecordingEdits> bind = table(1);
        int calls = 0;
        int before = 0;
        const QString name = c.name;
        if (name == "set-done") {
            bind->SetDone = [&](KtSNMPRequest2Controls&, const KtSNMPError&) { ++calls, bind.reset(); };
            bind->Mode = 0;
            bind->Get();
            bind->Mode = 1;
            view->topLevelItem(0)->setSelected(true);
            before = int(sim.requests().size());
            bind->Set(true, true);
        } else if (name == "error message box") {
            bind->ClearStatusTarget();
            bind->GetDone = [&](KtSNMPRequest2Controls&, const KtSNMPError&) { ++calls; };
            onBox = [&] { bind.reset(); };
            bind->Get();
        } else {
            bind->GetDone = [&](KtSNMPRequest2Controls&, const KtSNMPError&) { ++calls, bind.reset(); };
            bind->Get();
        }
        ASSERT_TRUE(testutil::waitFor([&] { return !bind; }, 10000));
        testutil::waitFor([] { return false; }, 300);
        onBox = nullptr;
        EXPECT_EQ(calls, name == "error message box" ? 0 : 1);
        if (name == "set-done") {
            EXPECT_EQ(count("GETNEXT", before), 0) << "no refresh after closing";
        }
    }
}

// Read-done and write-done reach every listener, after the view's own handler, for a finished
// operation and for a failed one; a handler that destroys the binding silences the listeners.
TEST_F(BindSim, ReadAndWriteDoneReachEveryListenerAfterTheOwnHandler)
{
    startSim();
    std::unique_ptr<RecordingEdits> bind = table(1);
    QStringList heard;
    const auto record = [&heard](const char* who, const char* what) {
        return [&heard, who, what](const KtSNMPError& e) { heard << QString("%1 %2 %3").arg(who, what).arg(e.code); };
    };
    bind->GetDone = [record](KtSNMPRequest2Controls&, const KtSNMPError& e) { record("own", "get")(e); };
    bind->SetDone = [record](KtSNMPRequest2Controls&, const KtSNMPError& e) { record("own", "set")(e); };
    for (const char* listener : {"a", "b"}) {
        QObject::connect(bind.get(), &KtSNMPRequest2Controls::ReadDone, &form, record(listener, "get"));
        QObject::connect(bind.get(), &KtSNMPRequest2Controls::WriteDone, &form, record(listener, "set"));
    }
    bind->Get();
    ASSERT_TRUE(testutil::waitFor([&] { return heard.size() == 3; }, 10000));
    EXPECT_EQ(heard, QStringList({"own get 0", "a get 0", "b get 0"}));

    heard.clear();
    view->topLevelItem(0)->setSelected(true);
    bind->RefreshAfterSet = false;
    bind->Set(false, true);
    ASSERT_TRUE(testutil::waitFor([&] { return heard.size() == 3; }, 10000));
    EXPECT_EQ(heard, QStringList({"own set 0", "a set 0", "b set 0"}));

    // A failed read: the listeners hear its code.
    heard.clear();
    sim.stop();
    bind->Get();
    ASSERT_TRUE(testutil::waitFor([&] { return heard.size() == 3; }, 10000));
    EXPECT_NE(heard[0], "own get 0");
    EXPECT_EQ(heard.mid(1),
              QStringList({QString(heard[0]).replace("own", "a"), QString(heard[0]).replace("own", "b")}));

    // The own handler destroys the binding: no listener runs afterwards.
    heard.clear();
    bind->GetDone = [&](KtSNMPRequest2Controls&, const KtSNMPError&) { heard << "own"; bind.reset(); };
    bind->Get();
    ASSERT_TRUE(testutil::waitFor([&] { return !bind; }, 10000));
    testutil::waitFor([] { return false; }, 100);
    EXPECT_EQ(heard, QStringList({"own"}));
}

// A synchronous read raises UnexpectedType with its message naming the variable and the type.
void ExpectUnexpectedType(KtSNMPRequest2Controls& b, const QString& message)
{
    try {
        b.Get();
        ADD_FAILURE() << "no error raised";
    } catch (const KtException& e) {
        EXPECT_EQ(e.Code(), KtErr::UnexpectedType);
        EXPECT_TRUE(e.Message().contains(message)) << e.Message().toStdString();
    }
}

// A value of another type than the variable's (or an SNMPv2 exception) is never shown as a
// number or a blank: the field shows "(NULL)", and the read fails naming the variable and the
// type received, in both modes.
TEST_F(BindSim, AValueOfTheWrongTypeIsTheReadsErrorNamingTheVariable)
{
    ASSERT_NO_FATAL_FAILURE(startSim({"--data", testutil::sourceDir() + "/tests/KtNML/data/wrongtypes.sim"}));
    struct Case {
        const char* name;
        const char* oid;
        std::int32_t syntax;
        const char* type;  // as the message names it
    } cases[] = {
        {"integer_as_octets", "1.3.6.1.4.1.32473.78.1.1", KtSyn::Integer, "OCTET STRING"},
        {"integer_as_empty_octets", "1.3.6.1.4.1.32473.78.1.2", KtSyn::Integer, "OCTET STRING"},
        {"integer_as_oid", "1.3.6.1.4.1.32473.78.1.3", KtSyn::Integer, "OBJECT IDENTIFIER"},
        {"octets_as_integer", "1.3.6.1.4.1.32473.78.1.4", KtSyn::OctetStr, "INTEGER"},
        {"missing_object", "1.3.6.1.4.1.32473.78.1.9", KtSyn::Integer, "noSuchObject"},
    };
    for (const Case& c : cases) {
        for (int mode : {0, 1}) {
            SCOPED_TRACE(std::string(c.name) + (mode ? " async" : " sync"));
            const KtSNMPVarDef defs[] = {{c.oid, "Odd One", c.syntax, KtAcc::ReadWrite}, {}};
            QLineEdit edit(&form);
            edit.setText("was here");
            RecordingEdits b(&form);
            b.VarList().Assign(KtSNMPVarList(defs, KtItem::SVT_SV, 0));
            b.VarList().Name = "odd";
            b.Mode = mode;
            b.Bind(0, &edit);
            b.SetStatusTarget(memo);
            getDone.clear();
            b.GetDone = [this](KtSNMPRequest2Controls&, const KtSNMPError& e) { getDone.push_back(e.code); };
            const QString expected = QStringLiteral("The switch answered Odd One with an unexpected type (%1)").arg(c.type);
            if (mode == 0) {
                ExpectUnexpectedType(b, expected);
            } else {
                b.Get();
                ASSERT_TRUE(testutil::waitFor([&] { return !getDone.empty(); }, 10000));
                EXPECT_EQ(getDone, std::vector<int>{KtErr::UnexpectedType});
                EXPECT_TRUE(lastLine(*memo).contains(expected)) << lastLine(*memo).toStdString();
            }
            EXPECT_FALSE(b.Busy());
            EXPECT_EQ(b.VarList().Item(0).Value, QStringLiteral("(NULL)"));
            EXPECT_EQ(edit.text(), QStringLiteral("(NULL)"));
        }
    }

    // A column of the wrong type: every row is listed with the marker, and the walk fails.
    const KtSNMPVarDef columns[] = {
        {"1.3.6.1.4.1.32473.78.2.1.1", "Port", KtSyn::Integer, KtAcc::ReadOnly},
        {"1.3.6.1.4.1.32473.78.2.1.2", "State", KtSyn::Integer, KtAcc::ReadOnly, &olState},
        {},
    };
    for (int mode : {0, 1}) {
        SCOPED_TRACE(mode ? "table async" : "table sync");
        RecordingEdits b(&form);
        b.VarList().Assign(KtSNMPVarList(columns, KtItem::MVT_UMV, 1));
        b.VarList().Name = "wrong";
        b.Mode = mode;
        b.BindListView(view);
        b.SetStatusTarget(memo);
        getDone.clear();
        b.GetDone = [this](KtSNMPRequest2Controls&, const KtSNMPError& e) { getDone.push_back(e.code); };
        if (mode == 0) {
            ExpectUnexpectedType(b, "The switch answered State with an unexpected type (OCTET STRING)");
        } else {
            b.Get();
            ASSERT_TRUE(testutil::waitFor([&] { return !getDone.empty(); }, 10000));
            EXPECT_EQ(getDone, std::vector<int>{KtErr::UnexpectedType});
            EXPECT_TRUE(lastLine(*memo).contains("The switch answered State with an unexpected type (OCTET STRING)"))
                << lastLine(*memo).toStdString();
        }
        EXPECT_EQ(viewRows(*view), (Rows{{"1", "(NULL)"}, {"2", "(NULL)"}}));
    }
}

} // namespace
