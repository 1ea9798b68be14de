// Configuration snapshots offline: the plan of objects, the file text and its parser, the
// differences and the SETs of a restore.
#include "KtNML/KtSnapshot.h"
#include "tests/support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const KtOptionList olRowStatus({{1, "active"}, {2, "notInService"}, {3, "notReady"}, {4, "createAndGo"},
                                {5, "createAndWait"}, {6, "destroy"}});
const KtOptionList olValid({{1, "valid"}, {2, "invalid"}});

const KtSNMPVarDef kScalars[] = {
    {"1.3.6.1.2.1.1.5", "System Name", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.2.1.1.3", "Up Time", KtSyn::TimeTicks, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.99.1", "Admin Password", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.99.2", "Reset", KtSyn::Integer, KtAcc::WriteOnly},
    {},
};
const KtSNMPVarDef kVlans[] = {
    {"", "VLAN ID", KtSyn::Gauge, KtAcc::NotAccess},
    {"1.3.6.1.4.1.99.5.1.2", "VLAN Name", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.99.5.1.3", "Egress Ports", KtSyn::BitStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.99.5.1.4", "Status", KtSyn::Integer, KtAcc::ReadWrite, &olRowStatus},
    {},
};
// The same name column again (a dialog and a view show one table): saved once.
const KtSNMPVarDef kVlanNames[] = {
    {"1.3.6.1.4.1.99.5.1.2", "Name", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {},
};
const KtSNMPVarDef kFilters[] = {
    {"1.3.6.1.4.1.99.6.1.1", "Filter Port", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.99.6.1.2", "Filter State", KtSyn::Integer, KtAcc::ReadWrite, &olValid},
    {},
};
const KtSNMPVarDef kPorts[] = {
    {"1.3.6.1.4.1.99.7.1.1", "Port Speed", KtSyn::Integer, KtAcc::ReadWrite},
    {},
};

KtSnapshotPlan Plan()
{
    return KtSnapshotPlan::FromSources({
        {kScalars, KtItem::SVT_SV, 0, "System"},
        {kVlans, KtItem::MVT_UMV, 1, "Static VLANs"},
        {kVlanNames, KtItem::MVT_UMV, 1, "VLAN names"},
        {kFilters, KtItem::MVT_UMV, 1, "Filters", 1, "valid", "invalid"},
        {kPorts, KtItem::MVT_FMV, 1, "Ports"},
    });
}

snmp::Oid O(const char* text)
{
    snmp::Oid oid;
    EXPECT_TRUE(snmp::oidFromText(text, oid)) << text;
    return oid;
}

KtSnapshotEntry Int(const char* oid, std::int32_t v)
{
    KtSnapshotEntry e;
    e.vb.oid = O(oid);
    e.vb.setInteger(v);
    return e;
}

KtSnapshotEntry Bytes(const char* oid, std::string v)
{
    KtSnapshotEntry e;
    e.vb.oid = O(oid);
    e.vb.setBytes(snmp::Syntax::OctetString, std::move(v));
    return e;
}

bool SameVarbind(const snmp::Varbind& a, const snmp::Varbind& b)
{
    return a.oid == b.oid && a.syntax == b.syntax && a.integer == b.integer && a.counter64 == b.counter64
        && a.bytes == b.bytes && a.objectId == b.objectId;
}

} // namespace

TEST(SnapshotPlan, ReadWriteObjectsOnceSecretsListedRowStatusFound)
{
    const KtSnapshotPlan plan = Plan();
    QStringList bases;
    for (const KtSnapshotColumn& c : plan.columns)
        bases << QString::fromStdString(snmp::oidToText(c.base)) + QLatin1Char('=') + c.caption;
    EXPECT_EQ(bases, QStringList({"1.3.6.1.2.1.1.5=System Name", "1.3.6.1.4.1.99.5.1.2=VLAN Name",
                                  "1.3.6.1.4.1.99.5.1.3=Egress Ports", "1.3.6.1.4.1.99.5.1.4=Status",
                                  "1.3.6.1.4.1.99.6.1.1=Filter Port", "1.3.6.1.4.1.99.6.1.2=Filter State",
                                  "1.3.6.1.4.1.99.7.1.1=Port Speed"}));
    ASSERT_EQ(plan.notSaved.size(), 2u);  // the password and the write-only reset
    EXPECT_EQ(plan.notSaved[0].caption, QStringLiteral("Admin Password"));
    EXPECT_EQ(plan.notSaved[1].caption, QStringLiteral("Reset"));

    ASSERT_EQ(plan.tables.size(), 3u);  // the names' table adds no column of its own
    const KtSnapshotTable& vlans = plan.tables[0];
    EXPECT_EQ(plan.columns[std::size_t(vlans.statusColumn)].caption, QStringLiteral("Status"));
    EXPECT_TRUE(vlans.rowStatus);
    EXPECT_EQ(vlans.createValue, 4);
    EXPECT_EQ(vlans.destroyValue, 6);
    const KtSnapshotTable& filters = plan.tables[1];
    EXPECT_FALSE(filters.rowStatus);
    EXPECT_EQ(filters.createValue, 1);
    EXPECT_EQ(filters.destroyValue, 2);
    EXPECT_EQ(plan.tables[2].statusColumn, -1);

    EXPECT_EQ(plan.ColumnOf(O("1.3.6.1.2.1.1.5.0")), 0);
    EXPECT_EQ(plan.ColumnOf(O("1.3.6.1.2.1.1.5.1")), -1);  // a scalar's instance is .0 only
    EXPECT_EQ(plan.ColumnOf(O("1.3.6.1.4.1.99.5.1.3.12")), 2);
}

TEST(SnapshotFile, EveryValueTypeSurvivesTheTextByteForByte)
{
    KtSnapshot s;
    s.header = {"10.90.90.90", "core \"1\"", "1.3.6.1.4.1.32473.10.101.1", "2026-12-11T12:00:00Z", "0.1"};
    s.notSaved << "1.3.6.1.4.1.99.1 (Admin Password)";
    s.entries.push_back(Int("1.3.6.1.4.1.99.10.0", -2147483647 - 1));
    s.entries.push_back(Bytes("1.3.6.1.4.1.99.11.0", "a \"quoted\" \\ $HOME `cmd` # not a comment"));
    s.entries.push_back(Bytes("1.3.6.1.4.1.99.12.0", ""));
    s.entries.push_back(Bytes("1.3.6.1.4.1.99.13.0", std::string("\xff\x00\x80\n", 4)));
    KtSnapshotEntry e;
    e.vb.oid = O("1.3.6.1.4.1.99.14.0");
    e.vb.setUnsigned(snmp::Syntax::Gauge32, 4294967295u);
    s.entries.push_back(e);
    e.vb.oid = O("1.3.6.1.4.1.99.15.0");
    e.vb.setUnsigned(snmp::Syntax::TimeTicks, 123);
    s.entries.push_back(e);
    e.vb.oid = O("1.3.6.1.4.1.99.16.0");
    e.vb.setBytes(snmp::Syntax::IpAddress, std::string("\x0a\x00\xff\x01", 4));
    s.entries.push_back(e);
    e.vb.oid = O("1.3.6.1.4.1.99.17.0");
    e.vb.setObjectId(O("1.3.6.1.4.1.32473"));
    s.entries.push_back(e);
    e.vb.oid = O("1.3.6.1.4.1.99.18.0");
    e.vb.setCounter64(18446744073709551615ull);
    s.entries.push_back(e);
    s.entries[1].caption = "Location";

    const QString text = KtSnapshotToText(s);
    EXPECT_TRUE(text.startsWith(QLatin1String(kKtSnapshotMagic)));
    EXPECT_TRUE(text.contains("1.3.6.1.4.1.99.11.0 s \"a \\\"quoted\\\" \\\\ \\$HOME \\`cmd\\` # not a comment\"  # Location\n"))
        << text.toStdString();
    EXPECT_TRUE(text.contains("1.3.6.1.4.1.99.13.0 x FF00800A\n"));
    EXPECT_TRUE(text.contains("1.3.6.1.4.1.99.16.0 a 10.0.255.1\n"));

    const KtSnapshot back = KtSnapshotFromText(text);
    EXPECT_EQ(back.header.address, s.header.address);
    EXPECT_EQ(back.header.sysName, s.header.sysName);
    EXPECT_EQ(back.header.sysObjectId, s.header.sysObjectId);
    EXPECT_EQ(back.header.date, s.header.date);
    EXPECT_EQ(back.header.release, s.header.release);
    EXPECT_EQ(back.notSaved, s.notSaved);
    ASSERT_EQ(back.entries.size(), s.entries.size());
    for (std::size_t i = 0; i < s.entries.size(); ++i)
        EXPECT_TRUE(SameVarbind(back.entries[i].vb, s.entries[i].vb)) << i;
    EXPECT_EQ(back.entries[1].caption, QStringLiteral("Location"));
    EXPECT_EQ(KtSnapshotToText(back), text);
}

TEST(SnapshotFile, BadFilesAreRefusedWithTheirLine)
{
    const QString head = QString::fromLatin1(kKtSnapshotMagic) + "\n# address: 1.2.3.4\n";
    const struct {
        QString text;
        int line;
        const char* says;
    } cases[] = {
        {"", 1, "empty"},
        {"1.3.6.1.2.1.1.5.0 s \"x\"\n", 1, "not a configuration snapshot"},
        {head + "1.3.6.1.2.1.1.5.0 s \"x\"\nnonsense i 1\n", 4, "no object identifier"},
        {head + "1.3.6.1.2.1.1.5.0\n", 3, "no type"},
        {head + "1.3.6.1.2.1.1.5.0 q 1\n", 3, "no value type"},
        {head + "1.3.6.1.2.1.1.5.0 i\n", 3, "no value"},
        {head + "1.3.6.1.2.1.1.5.0 i 12abc\n", 3, "no value of type i"},
        {head + "1.3.6.1.2.1.1.5.0 i 2147483648\n", 3, "no value of type i"},
        {head + "1.3.6.1.2.1.1.5.0 u -1\n", 3, "no value of type u"},
        {head + "1.3.6.1.2.1.1.5.0 a 10.0.0.256\n", 3, "no value of type a"},
        {head + "1.3.6.1.2.1.1.5.0 x ABC\n", 3, "no value of type x"},
        {head + "1.3.6.1.2.1.1.5.0 x GG\n", 3, "no value of type x"},
        {head + "1.3.6.1.2.1.1.5.0 o 1..3\n", 3, "no value of type o"},
        {head + "1.3.6.1.2.1.1.5.0 s \"open\n", 3, "does not end"},
        {head + "1.3.6.1.2.1.1.5.0 s \"a\" b\n", 3, "unexpected text"},
        {head + "\n1.3.6.1.2.1.1.5.0 s \"a\"\n1.3.6.1.2.1.1.5.0 s \"b\"\n", 5, "first on line 4"},
    };
    for (const auto& c : cases) {
        try {
            (void)KtSnapshotFromText(c.text);
            ADD_FAILURE() << "accepted: " << c.text.toStdString();
        } catch (const KtSnapshotParseError& e) {
            EXPECT_EQ(e.Line(), c.line) << c.text.toStdString();
            EXPECT_TRUE(e.Message().contains(QLatin1String(c.says))) << e.what();
        }
    }
}

TEST(SnapshotFile, SavedWithOwnerOnlyModeAndNeverThroughALink)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    KtSnapshot s;
    s.entries.push_back(Bytes("1.3.6.1.2.1.1.5.0", "sw"));
    QString error;
    const QString file = dir.filePath("a.snap");
    ASSERT_TRUE(KtSnapshotSave(file, s, error)) << error.toStdString();
    EXPECT_EQ(QFileInfo(file).permissions() & (QFile::ReadGroup | QFile::ReadOther | QFile::WriteGroup | QFile::WriteOther),
              QFileDevice::Permissions());
    EXPECT_EQ(KtSnapshotLoad(file).entries.size(), 1u);

    const QString target = dir.filePath("elsewhere");
    QFile(target).open(QIODevice::WriteOnly);
    const QString link = dir.filePath("link.snap");
    ASSERT_TRUE(QFile::link(target, link));
    EXPECT_FALSE(KtSnapshotSave(link, s, error));
    EXPECT_TRUE(error.contains("not a regular file"));
    EXPECT_EQ(QFileInfo(target).size(), 0);
    EXPECT_THROW(KtSnapshotLoad(dir.path()), KtSnapshotParseError);
}

TEST(SnapshotCompare, RowsAndObjectsAndTheSetsThatRestoreThem)
{
    const KtSnapshotPlan plan = Plan();
    KtSnapshot file, now;
    // File: name "core", VLANs 1 and 5, filter 3; switch: name changed, VLAN 1's ports changed,
    // VLAN 5 gone, VLAN 9 new, filter 3 gone.
    file.entries = {Bytes("1.3.6.1.2.1.1.5.0", "core"),
                    Bytes("1.3.6.1.4.1.99.5.1.2.1", "default"), Bytes("1.3.6.1.4.1.99.5.1.2.5", "office"),
                    Bytes("1.3.6.1.4.1.99.5.1.3.1", "\xff"), Bytes("1.3.6.1.4.1.99.5.1.3.5", "\x0f"),
                    Int("1.3.6.1.4.1.99.5.1.4.1", 1), Int("1.3.6.1.4.1.99.5.1.4.5", 1),
                    Int("1.3.6.1.4.1.99.6.1.1.3", 7), Int("1.3.6.1.4.1.99.6.1.2.3", 1),
                    Int("1.3.6.1.4.1.99.7.1.1.2", 100),
                    // Objects the plan does not save, in a file written before: never compared.
                    Bytes("1.3.6.1.4.1.99.1.0", "secret"), Int("1.3.6.1.4.1.99.2.0", 2)};
    now.entries = {Bytes("1.3.6.1.2.1.1.5.0", "edge"),
                   Bytes("1.3.6.1.4.1.99.5.1.2.1", "default"), Bytes("1.3.6.1.4.1.99.5.1.2.9", "lab"),
                   Bytes("1.3.6.1.4.1.99.5.1.3.1", "\xf0"), Bytes("1.3.6.1.4.1.99.5.1.3.9", "\x01"),
                   Int("1.3.6.1.4.1.99.5.1.4.1", 1), Int("1.3.6.1.4.1.99.5.1.4.9", 1)};
    file.Sort();
    now.Sort();

    const std::vector<KtSnapshotDiff> diffs = KtSnapshotCompare(plan, file, now);
    QStringList seen;
    for (const KtSnapshotDiff& d : diffs)
        seen << QStringLiteral("%1|%2|%3|%4|%5").arg(KtDiffKindText(d.kind), d.caption, d.instance, d.inFile, d.onSwitch);
    EXPECT_EQ(seen, QStringList({
                        "changed|System Name|0|\"core\"|\"edge\"",
                        "only in file|Static VLANs|5|VLAN Name=\"office\", Egress Ports=0F, Status=1|",
                        "only on switch|Static VLANs|9||VLAN Name=\"lab\", Egress Ports=01, Status=1",
                        "changed|Egress Ports|1|FF|F0",
                        "only in file|Filters|3|Filter Port=7, Filter State=1|",
                        "only in file|Ports|2|Port Speed=100|",
                    }));
    EXPECT_TRUE(KtSnapshotCompare(plan, file, file).empty());

    // Everything but the removal of VLAN 9: nothing removed that was not ticked.
    QStringList refused;
    std::vector<KtRestoreStep> steps = KtSnapshotRestoreSteps(plan, diffs, {0, 1, 3, 4, 5}, &refused);
    QStringList sets;
    for (const KtRestoreStep& s : steps)
        sets << s.description;
    EXPECT_EQ(sets, QStringList({
                        "1.3.6.1.2.1.1.5.0 s \"core\"",
                        "1.3.6.1.4.1.99.5.1.2.5 s \"office\", 1.3.6.1.4.1.99.5.1.3.5 x 0F, 1.3.6.1.4.1.99.5.1.4.5 i 4",
                        "1.3.6.1.4.1.99.5.1.3.1 x FF",
                        "1.3.6.1.4.1.99.6.1.1.3 i 7, 1.3.6.1.4.1.99.6.1.2.3 i 1",
                    }));
    ASSERT_EQ(steps[1].fallback.size(), 3u);  // createAndWait, the columns, active
    EXPECT_EQ(steps[1].fallback[0].description, QStringLiteral("1.3.6.1.4.1.99.5.1.4.5 i 5"));
    EXPECT_EQ(steps[1].fallback[1].description,
              QStringLiteral("1.3.6.1.4.1.99.5.1.2.5 s \"office\", 1.3.6.1.4.1.99.5.1.3.5 x 0F"));
    EXPECT_EQ(steps[1].fallback[2].description, QStringLiteral("1.3.6.1.4.1.99.5.1.4.5 i 1"));
    EXPECT_TRUE(steps[3].fallback.empty());  // "valid" is no RowStatus
    ASSERT_EQ(refused.size(), 1);
    EXPECT_TRUE(refused[0].startsWith("Ports [2]: ")) << refused[0].toStdString();

    // Ticked, the new VLAN goes first.
    steps = KtSnapshotRestoreSteps(plan, diffs, {0, 2}, nullptr);
    ASSERT_EQ(steps.size(), 2u);
    EXPECT_EQ(steps[0].description, QStringLiteral("1.3.6.1.4.1.99.5.1.4.9 i 6"));
}
