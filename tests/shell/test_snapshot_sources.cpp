// The module's snapshot plan against the dedicated dialogs' definition tables: every read-write
// object a dialog names is saved once (a secret listed as not saved), as a scalar or a table
// column as the dialog reads it; named dialogs' objects checked one by one; and no read-write
// definition kept where the snapshot sources do not take it from.
#include "dialogs/tables/DialogTables.h"
#include "shell/SnapshotSources.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/TestUtil.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

snmp::Oid O(const char* text)
{
    snmp::Oid oid;
    EXPECT_TRUE(snmp::oidFromText(text, oid)) << text;
    return oid;
}

// What the plan makes of a variable: read-write, and an object of its own.
bool Writable(const KtSNMPVarDef& def)
{
    return (def.access & KtAcc::WriteOnly) != 0 && (def.access & KtAcc::Derived) == 0 && def.syntax < KtSyn::Bool8;
}

std::vector<int> Find(const std::vector<KtSnapshotColumn>& columns, const snmp::Oid& base)
{
    std::vector<int> found;
    for (std::size_t i = 0; i < columns.size(); ++i)
        if (columns[i].base == base)
            found.push_back(int(i));
    return found;
}

QString ReadSource(const QString& path)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
    return QString::fromUtf8(f.readAll());
}

} // namespace

TEST(SnapshotSources, EveryReadWriteObjectOfEveryDialogTableIsInThePlanOnce)
{
    const KtSnapshotPlan& plan = KtSnapshotModulePlan();
    const std::vector<KtSnapshotSource> sources = KtDialogSnapshotSources();
    ASSERT_GE(sources.size(), 50u);
    int objects = 0;
    for (const KtSnapshotSource& source : sources) {
        SCOPED_TRACE(source.caption.toStdString());
        ASSERT_NE(source.table, nullptr);
        EXPECT_TRUE(source.caption.contains(QStringLiteral(" / "))) << "not a menu path";
        const bool scalar = source.itemType == KtItem::SVT_SV;
        EXPECT_EQ(scalar, source.keyCount == 0);
        int writable = 0;
        for (int i = 0; source.table[i].oid; ++i) {
            const KtSNMPVarDef& def = source.table[i];
            if (!Writable(def))
                continue;
            ++writable;
            ++objects;
            const snmp::Oid base = O(def.oid);
            const std::vector<int> saved = Find(plan.columns, base);
            const std::vector<int> notSaved = Find(plan.notSaved, base);
            ASSERT_EQ(saved.size() + notSaved.size(), 1u) << def.oid << " (" << def.label << ")";
            const bool action = std::find(source.actions.begin(), source.actions.end(), i) != source.actions.end();
            EXPECT_EQ(notSaved.size() == 1, KtSnapshotIsSecret(def) || action) << def.oid << " (" << def.label << ")";
            if (saved.empty())
                continue;
            // A scalar group's object is read as base.0; a table's column is walked in a plan table.
            const KtSnapshotColumn& column = plan.columns[std::size_t(saved[0])];
            EXPECT_EQ(column.table < 0, scalar) << def.oid << " (" << def.label << ")";
            EXPECT_EQ(plan.ColumnOf(scalar ? O((std::string(def.oid) + ".0").c_str()) : O((std::string(def.oid) + ".7").c_str())),
                      saved[0])
                << def.oid;
        }
        EXPECT_GT(writable, 0) << "a snapshot source without a read-write object";
    }
    EXPECT_GT(objects, 200);
}

TEST(SnapshotSources, NamedDialogObjectsAreSavedAsTheirDialogsWriteThem)
{
    enum Kind { Scalar, Column, Status, NotSaved };
    struct Case {
        const char* oid;
        const char* label;
        Kind kind;
        const char* table = nullptr;  // the plan table's caption (a column or a status)
        std::int32_t create = 0, destroy = 0;
        bool rowStatus = false;
    };
    const Case cases[] = {
        {"1.3.6.1.4.1.32473.11.101.1.2.10.1", "Logic Target Port", Scalar},   // port mirror
        {"1.3.6.1.4.1.32473.11.101.1.2.10.4", "Port State", Scalar},
        {"1.3.6.1.4.1.32473.12.15.1.2", "STP Version", Scalar},              // in three STP groups
        {"1.3.6.1.4.1.32473.11.101.1.2.1.2.4", "RMON State", Scalar},        // RMON view and layer-2 control
        {"1.3.6.1.4.1.32473.12.10.12.3", "Repeat Summer Time Start", Scalar},
        {"1.3.6.1.4.1.32473.12.9.3.1.1.3", "Rule VLAN", Column,
         "Layer 2 Management / Access Control Information / Ethernet Information Rule"},
        {"1.3.6.1.4.1.32473.12.9.3.1.1.15", "Row Status", Status,
         "Layer 2 Management / Access Control Information / Ethernet Information Rule", 4, 6, true},
        {"1.3.6.1.4.1.32473.12.9.3.2.1.22", "Row Status", Status,
         "Layer 2 Management / Access Control Information / IP Rule", 4, 6, true},
        {"1.3.6.1.2.1.17.7.1.3.1.1.4", "Status", Status, "VLAN / 802.1Q / Static Filtering / Unicast Information", 3,
         2},
        {"1.3.6.1.2.1.17.7.1.3.2.1.5", "Status", Status, "VLAN / 802.1Q / Static Filtering / Multicast Information", 3,
         2},
        {"1.3.6.1.4.1.32473.11.101.1.2.8.7.1.3", "DHCP Relay Control State", Status,
         "Layer 2 Management / DHCP Management / DHCP Control Table", 3, 2},
        {"1.3.6.1.4.1.32473.12.5.12.1.4", "AAC Control Server Row State", Status,
         "Security Management / AAC / Server Control", 1, 2},
        {"1.3.6.1.4.1.32473.11.101.1.2.9.3.1.7", "Trunk State", Status,
         "Layer 2 Management / Port Management / Port Trunk Table", 4, 6, true},
        {"1.3.6.1.4.1.32473.11.101.1.2.11.7.1.8", "VLAN Row Status", Status,
         "Layer 2 Management / IGMP Snooping Management / IGMP Multicast VLAN Table", 4, 6, true},
        // Actions (a reboot, a clean, a delete) are no settings: a restore must never send them.
        {"1.3.6.1.4.1.32473.12.1.2.8.4.1.2", "Config Action", NotSaved},
        {"1.3.6.1.4.1.32473.12.23.4.2.1.5", "Blocked Type", NotSaved},
        {"1.3.6.1.2.1.16.19.5", "Reset Control", NotSaved},
        {"1.3.6.1.4.1.32473.11.101.1.2.1.2.6", "Clean All Statistic Counter", NotSaved},
        {"1.3.6.1.4.1.32473.11.101.1.2.7.2.4", "Delete Activity", NotSaved},
        {"1.3.6.1.4.1.32473.11.101.1.2.11.7.1.9", "VLAN Remove All Multicast Address List Action", NotSaved},
        // The same for the generic views' actions.
        {"1.3.6.1.4.1.32473.12.1.2.3", "System Reset State", NotSaved},
        {"1.3.6.1.4.1.32473.12.1.2.6", "Save Config", NotSaved},
        {"1.3.6.1.4.1.32473.12.1.2.11.1", "FDB Clear All State", NotSaved},
        {"1.3.6.1.4.1.32473.12.9.2.5", "Delete All State", NotSaved},
        {"1.3.6.1.2.1.17.6.1.3.1.1.2", "GARP Leave Time", Column, "VLAN / 802.1P / GARP"},
        // Secrets the switch does not give back.
        {"1.3.6.1.4.1.32473.12.5.10.1.4", "Server Auth Key", NotSaved},
        {"1.3.6.1.4.1.32473.12.35.1.3", "Auth PassWord", NotSaved},
        {"1.3.6.1.4.1.32473.12.3.2.4.1.3", "Server Key", NotSaved},
    };
    const KtSnapshotPlan& plan = KtSnapshotModulePlan();
    // Each case on its own: a fatal failure ends only its case.
    const auto check = [&](const Case& c) {
        SCOPED_TRACE(c.oid);
        const snmp::Oid base = O(c.oid);
        if (c.kind == NotSaved) {
            const std::vector<int> found = Find(plan.notSaved, base);
            ASSERT_EQ(found.size(), 1u);
            EXPECT_EQ(plan.notSaved[std::size_t(found[0])].caption, QLatin1String(c.label));
            EXPECT_TRUE(Find(plan.columns, base).empty());
            return;
        }
        const std::vector<int> found = Find(plan.columns, base);
        ASSERT_EQ(found.size(), 1u);
        const KtSnapshotColumn& column = plan.columns[std::size_t(found[0])];
        EXPECT_EQ(column.caption, QLatin1String(c.label));
        if (c.kind == Scalar) {
            EXPECT_LT(column.table, 0);
            return;
        }
        ASSERT_GE(column.table, 0);
        const KtSnapshotTable& table = plan.tables[std::size_t(column.table)];
        EXPECT_EQ(table.caption, QLatin1String(c.table));
        if (c.kind == Status) {
            EXPECT_EQ(table.statusColumn, found[0]);
            EXPECT_EQ(table.createValue, c.create);
            EXPECT_EQ(table.destroyValue, c.destroy);
            EXPECT_EQ(table.rowStatus, c.rowStatus);
        } else {
            EXPECT_NE(table.statusColumn, found[0]);
        }
    };
    for (const Case& c : cases)
        check(c);
}

// Every definition of a read-write object in the project's dialogs is in dialogs/tables/ (a
// dialog's own table would escape the snapshots), and every one there is in the module's plan
// (a table moved there but never made a snapshot source would escape them too).
TEST(SnapshotSources, EveryReadWriteDefinitionOfTheDialogsIsInThePlan)
{
    const QString root = testutil::sourceDir() + QStringLiteral("/dialogs");
    QStringList outside;
    QStringList tableFiles;
    QDirIterator it(root, {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (path.startsWith(root + QStringLiteral("/tables/"))) {
            tableFiles << path;
            continue;
        }
        if (ReadSource(path).contains(QLatin1String("KtAcc::ReadWrite")))
            outside << QDir(root).relativeFilePath(path);
    }
    EXPECT_TRUE(outside.isEmpty()) << "read-write definitions outside dialogs/tables: "
                                   << outside.join(QStringLiteral(", ")).toStdString();
    ASSERT_FALSE(tableFiles.isEmpty());

    const KtSnapshotPlan& plan = KtSnapshotModulePlan();
    // A record's OID: a literal, a named constant, or a macro before a literal.
    const QRegularExpression named(
        QStringLiteral(R"re((?:#define\s+(\w+)|constexpr const char\*\s+(\w+)\s*=)\s*"([0-9.]*)")re"));
    const QRegularExpression record(
        QStringLiteral(R"re(\{\s*(?:(\w+)\s*)?(?:"([0-9.]*)")?\s*,\s*"[^"]*",\s*KtSyn::\w+,\s*KtAcc::ReadWrite\b)re"));
    QMap<QString, QString> prefixes;
    for (const QString& path : tableFiles)
        for (auto m = named.globalMatch(ReadSource(path)); m.hasNext();) {
            const auto match = m.next();
            prefixes[match.captured(1).isEmpty() ? match.captured(2) : match.captured(1)] = match.captured(3);
        }
    int definitions = 0;
    for (const QString& path : tableFiles) {
        const QString text = ReadSource(path);
        EXPECT_EQ(text.count(QLatin1String("KtAcc::ReadWrite")), [&] {
            int n = 0;
            for (auto m = record.globalMatch(text); m.hasNext(); m.next())
                ++n;
            return n;
        }()) << path.toStdString() << ": a read-write record this test cannot read";
        for (auto m = record.globalMatch(text); m.hasNext();) {
            const auto match = m.next();
            QString oid = match.captured(2);
            if (!match.captured(1).isEmpty()) {
                ASSERT_TRUE(prefixes.contains(match.captured(1))) << match.captured(0).toStdString();
                oid = prefixes[match.captured(1)] + oid;
            }
            ++definitions;
            const snmp::Oid base = O(oid.toLatin1().constData());
            EXPECT_EQ(Find(plan.columns, base).size() + Find(plan.notSaved, base).size(), 1u)
                << QDir(root).relativeFilePath(path).toStdString() << ": " << oid.toStdString();
        }
    }
    EXPECT_GT(definitions, 200);
}
