// The catalogue of generic views held against the rules every entry must keep: tables that end
// where the entry says, settings that fit the view kind, row-status texts the status variable
// can carry, formats that parse and land on a row of the table.
#include "shell/MainMenu.h"

#include "KtNML/KtEditConstraint.h"
#include "KtNML/KtSNMPError.h"

#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <string>

namespace {

int recordsBeforeTerminator(const KtSNMPVarDef* table)
{
    int n = 0;
    while (table[n].oid)
        ++n;
    return n;
}

bool isDottedOid(const char* oid)
{
    static const QRegularExpression re(QStringLiteral("^[0-9]+(\\.[0-9]+)+$"));
    return re.match(QString::fromLatin1(oid)).hasMatch();
}

// Syntaxes a variable of its own may have (the one-to-two-byte codes only name parts of one).
bool isVariableSyntax(std::int32_t syntax)
{
    return KtSyntaxNames.IndexOfValue(QString::number(syntax)) >= 0 && syntax < KtSyn::Bool8;
}

TEST(ViewCatalogue, HoldsEveryGenericViewOnceUnderItsExactMenuPath)
{
    const auto views = KtViewCatalogue();
    EXPECT_EQ(views.size(), 166u);

    QSet<QString> paths;
    for (const KtViewEntry* entry : views) {
        const KtViewEntry& e = *entry;
        SCOPED_TRACE(KtViewPath(e));
        const QString path = QString::fromUtf8(KtViewPath(e));
        EXPECT_FALSE(paths.contains(path)) << "menu path listed twice";
        paths.insert(path);
        EXPECT_FALSE(path.contains(QStringLiteral("(hidden)"))) << "the hidden mark is a flag, not part of the path";
        EXPECT_EQ(FindView(KtViewPath(e)), &e);
    }

    // Captions keep their trailing blanks, so a path differing only in them is another item.
    EXPECT_NE(FindView("Layer 2 Management / IGMP Snooping Management / IGMP Snooping Information "), nullptr);
    EXPECT_EQ(FindView("Layer 2 Management / IGMP Snooping Management / IGMP Snooping Information"), nullptr);
    EXPECT_NE(FindView("Bridge / 802.1d  / Information"), nullptr);
    EXPECT_EQ(FindView("Bridge / 802.1d / Information"), nullptr);
    EXPECT_EQ(FindView("Basic Configuration / Equipment Management / Unit Table (hidden)"), nullptr);
    EXPECT_EQ(FindView(""), nullptr);
    EXPECT_EQ(FindView(nullptr), nullptr);
}

class ViewEntryTest : public ::testing::TestWithParam<int> {
protected:
    const KtViewEntry& entry() const { return *KtViewCatalogue()[std::size_t(GetParam())]; }
};

TEST_P(ViewEntryTest, TableEndsAfterVarsRecordsAndBuildsAList)
{
    const KtViewEntry& e = entry();
    ASSERT_NE(e.table, nullptr);
    EXPECT_EQ(recordsBeforeTerminator(e.table), e.varCount);
    const KtSNMPVarDef& end = e.table[recordsBeforeTerminator(e.table)];
    EXPECT_EQ(end.label, nullptr) << "the terminator is all zero";
    EXPECT_EQ(end.options, nullptr);

    const KtSNMPVarList list(e.table, e.itemType, e.keyCount);
    EXPECT_EQ(list.Count(), e.varCount);
}

TEST_P(ViewEntryTest, ItemTypeKeysAndSizesFitTheViewKind)
{
    const KtViewEntry& e = entry();
    ASSERT_NE(e.captionPrefix, nullptr);
    EXPECT_TRUE(QString::fromUtf8(e.captionPrefix).trimmed().endsWith(QLatin1Char(':'))) << e.captionPrefix;
    if (e.kind == KtViewKind::Editor) {
        EXPECT_EQ(e.itemType, KtItem::SVT_SV);
        EXPECT_EQ(e.keyCount, 0);
        EXPECT_EQ(e.addIndex, -1);
        EXPECT_EQ(e.deleteIndex, -1);
        EXPECT_FALSE(e.noEdit);
        // An editor is sized by growing it; a fixed table height would cut its fields off.
        EXPECT_TRUE(e.heightRule == KtHeightRule::Unchanged || e.heightRule == KtHeightRule::AddScaled);
    } else {
        EXPECT_TRUE(e.itemType == KtItem::MVT_FMV || e.itemType == KtItem::MVT_UMV) << int(e.itemType);
        EXPECT_GE(e.keyCount, 0);
        EXPECT_LE(e.keyCount, e.varCount);
        EXPECT_NE(e.heightRule, KtHeightRule::AddScaled);
    }
    if (e.heightRule == KtHeightRule::Unchanged) {
        EXPECT_EQ(e.height, 0);
    } else {
        EXPECT_GT(e.height, 0);
    }
    EXPECT_GE(e.widthAddScaled, 0);
    if (e.editWidthAddsFirstRow) {
        EXPECT_GT(e.editWidthScaled, 0);
    }
}

TEST_P(ViewEntryTest, AddAndDeleteTextsAreOptionsOfAnIntegerStatusVariable)
{
    const KtViewEntry& e = entry();
    // Both or neither of index and text.
    EXPECT_EQ(e.addIndex < 0, e.addText == nullptr);
    EXPECT_EQ(e.deleteIndex < 0, e.deleteText == nullptr);
    if (e.noEdit) {
        EXPECT_GE(e.addIndex, 0) << "a table without Edit must at least add and delete";
    }

    const struct {
        const char* what;
        int index;
        const char* text;
    } uses[] = {{"add", e.addIndex, e.addText}, {"delete", e.deleteIndex, e.deleteText}};
    for (const auto& u : uses) {
        if (u.index < 0)
            continue;
        SCOPED_TRACE(u.what);
        ASSERT_LT(u.index, e.varCount);
        const KtSNMPVarDef& status = e.table[u.index];
        EXPECT_EQ(status.syntax, KtSyn::Integer) << status.label;
        EXPECT_EQ(status.access, KtAcc::ReadWrite) << status.label;
        EXPECT_GE(u.index, e.keyCount) << "an index column is never sent as a value";
        ASSERT_NE(status.options, nullptr) << status.label;
        EXPECT_GE(status.options->IndexOfText(QString::fromUtf8(u.text)), 0) << u.text << " in " << status.label;
    }
}

TEST_P(ViewEntryTest, FormatsParseAndLandOnRowsOfTheTable)
{
    const KtViewEntry& e = entry();
    QSet<int> rows;
    for (const KtViewFormat& f : e.formats) {
        SCOPED_TRACE(f.format);
        EXPECT_GE(f.row, 0);
        EXPECT_LT(f.row, e.varCount);
        EXPECT_FALSE(rows.contains(f.row)) << "one format per row";
        rows.insert(f.row);
        ASSERT_NE(f.format, nullptr);
        EXPECT_NO_THROW(ParseEditFormat(QString::fromLatin1(f.format)));
    }
}

TEST_P(ViewEntryTest, RecordsAreWellFormed)
{
    const KtViewEntry& e = entry();
    for (int i = 0; i < recordsBeforeTerminator(e.table); ++i) {
        const KtSNMPVarDef& d = e.table[i];
        SCOPED_TRACE(std::to_string(i) + " " + (d.label ? d.label : "(no label)"));
        const bool key = e.kind == KtViewKind::Table && i < e.keyCount;
        if (std::strlen(d.oid) == 0) {
            EXPECT_TRUE(key && d.access == KtAcc::NotAccess) << "only an unrequested index column may lack an OID";
        } else {
            EXPECT_TRUE(isDottedOid(d.oid)) << d.oid;
        }
        ASSERT_NE(d.label, nullptr);
        EXPECT_GT(std::strlen(d.label), 0u);
        EXPECT_TRUE(isVariableSyntax(d.syntax)) << d.syntax;

        const int acc = d.access;
        EXPECT_TRUE(acc == KtAcc::NotAccess || acc == KtAcc::ReadOnly || acc == KtAcc::ReadWrite ||
                    acc == (KtAcc::NotAccess | KtAcc::Implied))
            << acc;
        if (acc & KtAcc::Implied) {
            EXPECT_EQ(i, e.keyCount - 1) << "IMPLIED is honoured only on the last index column";
        }

        if (d.options) {
            EXPECT_GT(d.options->Count(), 0);
            // Integers are looked up by number, object identifiers by their whole text.
            if (d.options->ValueType() == KtOptValue::Integer) {
                EXPECT_EQ(d.syntax, KtSyn::Integer);
            } else {
                EXPECT_EQ(d.syntax, KtSyn::ObjectId);
            }
        }
        EXPECT_EQ(d.getExpression, nullptr);
        EXPECT_EQ(d.setExpression, nullptr);
        EXPECT_EQ(d.initialValue, nullptr);
    }
}

std::string entryName(const ::testing::TestParamInfo<int>& info)
{
    std::string name = std::to_string(info.param) + "_";
    for (char c : std::string(KtViewPath(*KtViewCatalogue()[std::size_t(info.param)])))
        if (std::isalnum(static_cast<unsigned char>(c)))
            name += c;
    return name;
}

INSTANTIATE_TEST_SUITE_P(Catalogue, ViewEntryTest, ::testing::Range(0, int(KtViewCatalogue().size())), entryName);

// Views whose whole definition is also written out as one table elsewhere: the records built
// view by view from the OID list and the per-variable definitions must agree with it.
TEST(ViewCatalogue, TargetAddressTableMatchesItsFullDefinition)
{
    const KtViewEntry* e = FindView("SNMP V3 / SNMP Target MIB / Target Address Table");
    ASSERT_NE(e, nullptr);
    struct Rec {
        const char* oid;
        const char* label;
        std::int32_t syntax;
        std::int32_t access;
        const char* someOption;  // one option text of its list, or null for none
    };
    const Rec expected[] = {
        {"1.3.6.1.6.3.12.1.2.1.1", "Address Name", KtSyn::DisplayStr, KtAcc::NotAccess | KtAcc::Implied, nullptr},
        {"1.3.6.1.6.3.12.1.2.1.2", "Address TDomain", KtSyn::ObjectId, KtAcc::ReadWrite, nullptr},
        {"1.3.6.1.6.3.12.1.2.1.3", "Address TAddress", KtSyn::BitStr, KtAcc::ReadWrite, nullptr},
        {"1.3.6.1.6.3.12.1.2.1.4", "Address Timeout", KtSyn::Integer, KtAcc::ReadWrite, nullptr},
        {"1.3.6.1.6.3.12.1.2.1.5", "Address Retry Count", KtSyn::Integer, KtAcc::ReadWrite, nullptr},
        {"1.3.6.1.6.3.12.1.2.1.6", "Address Tag List", KtSyn::DisplayStr, KtAcc::ReadWrite, nullptr},
        {"1.3.6.1.6.3.12.1.2.1.7", "Address Params", KtSyn::DisplayStr, KtAcc::ReadWrite, nullptr},
        {"1.3.6.1.6.3.12.1.2.1.8", "Address Storage Type", KtSyn::Integer, KtAcc::ReadWrite, "nonVolatile"},
        {"1.3.6.1.6.3.12.1.2.1.9", "Row Status", KtSyn::Integer, KtAcc::ReadWrite, "createAndWait"},
    };
    ASSERT_EQ(e->varCount, int(std::size(expected)));
    for (int i = 0; i < e->varCount; ++i) {
        SCOPED_TRACE(i);
        const KtSNMPVarDef& d = e->table[i];
        EXPECT_STREQ(d.oid, expected[i].oid);
        EXPECT_STREQ(d.label, expected[i].label);
        EXPECT_EQ(d.syntax, expected[i].syntax);
        EXPECT_EQ(d.access, expected[i].access);
        EXPECT_EQ(d.options != nullptr, expected[i].someOption != nullptr);
        if (d.options && expected[i].someOption) {
            EXPECT_GE(d.options->IndexOfText(expected[i].someOption), 0);
        }
    }
    ASSERT_EQ(e->formats.size(), 1u);
    EXPECT_EQ(e->formats[0].row, 4);
    EXPECT_STREQ(e->formats[0].format, "%i{n0x255l3}");

    // The community MIB's view of the same table: same first column, no add and no delete.
    const KtViewEntry* community = FindView("SNMP V3 / Community / Target Address Table");
    ASSERT_NE(community, nullptr);
    EXPECT_STREQ(community->table[0].oid, e->table[0].oid);
    EXPECT_EQ(community->varCount, 3);
    EXPECT_EQ(community->addIndex, -1);
}

TEST(ViewCatalogue, PingResultsStartWithTwoUnrequestedIndexColumns)
{
    const KtViewEntry* e = FindView("Basic Configuration / Agent Management / Ping Management / Ping Results Table");
    ASSERT_NE(e, nullptr);
    ASSERT_EQ(e->keyCount, 2);
    const KtSNMPVarList list(e->table, e->itemType, e->keyCount);
    ASSERT_EQ(list.Count(), 12) << "the blank OIDs must not end the table";
    EXPECT_EQ(list.Item(0).Label, "Owner Index");
    EXPECT_EQ(list.Item(1).Label, "Test Name");
    EXPECT_FALSE(list.IsReadable(0));
    EXPECT_FALSE(list.IsReadable(1));
    EXPECT_EQ(list.Item(2).Oid, "1.3.6.1.2.1.80.1.3.1.1");
    EXPECT_EQ(list.Item(11).Oid, "1.3.6.1.2.1.80.1.3.1.10");
}

TEST(ViewCatalogue, ListsWithTheSameWordsKeepTheirOwnValues)
{
    const KtViewEntry* alarm = FindView("Basic Configuration / Device Management / Alarm Control");
    const KtViewEntry* ping = FindView("Basic Configuration / Agent Management / Ping Management / Ping Results Table");
    ASSERT_TRUE(alarm && ping);
    EXPECT_EQ(alarm->table[0].options->ValueToText("3"), "enabled");
    EXPECT_EQ(alarm->table[0].options->ValueToText("1"), "1");
    EXPECT_EQ(ping->table[2].options->ValueToText("1"), "enabled");
    EXPECT_EQ(ping->table[2].options->TextToValue("disabled"), "2");
}

// The user table's protocols are object identifiers: their lists must turn the protocol OIDs
// into names and back, or choosing "MD5" would send something that is no protocol at all.
TEST(ViewCatalogue, UserTableProtocolsMapObjectIdentifiersToNames)
{
    const KtViewEntry* e = FindView("SNMP V3 / User-based Security Model / User Table");
    ASSERT_NE(e, nullptr);
    const KtSNMPVarDef& auth = e->table[4];
    const KtSNMPVarDef& priv = e->table[7];
    ASSERT_STREQ(auth.label, "Authentication Protocol");
    ASSERT_STREQ(priv.label, "Privacy Protocol");
    ASSERT_TRUE(auth.options && priv.options);
    EXPECT_EQ(auth.options->ValueToText("1.3.6.1.6.3.10.1.1.2"), "MD5");
    EXPECT_EQ(auth.options->TextToValue("SHA"), "1.3.6.1.6.3.10.1.1.3");
    EXPECT_EQ(auth.options->TextToValue("None"), "1.3.6.1.6.3.10.1.1.1");
    EXPECT_EQ(priv.options->ValueToText("1.3.6.1.6.3.10.1.2.2"), "DES");
    EXPECT_EQ(priv.options->TextToValue("None"), "1.3.6.1.6.3.10.1.2.1");

    // Every protocol the module offers (/a 4-7, /p 5-7) is named both ways, or its users show
    // a raw OID.
    const struct {
        const KtOptionList* list;
        const char* oid;
        const char* name;
    } offered[] = {
        {auth.options, "1.3.6.1.6.3.10.1.1.4", "SHA-224"}, {auth.options, "1.3.6.1.6.3.10.1.1.5", "SHA-256"},
        {auth.options, "1.3.6.1.6.3.10.1.1.6", "SHA-384"}, {auth.options, "1.3.6.1.6.3.10.1.1.7", "SHA-512"},
        {priv.options, "1.3.6.1.6.3.10.1.2.4", "AES-128"}, {priv.options, "1.3.6.1.4.1.14832.1.3", "AES-192"},
        {priv.options, "1.3.6.1.4.1.14832.1.4", "AES-256"},
    };
    for (const auto& p : offered) {
        SCOPED_TRACE(p.name);
        EXPECT_EQ(p.list->ValueToText(p.oid), p.name);
        EXPECT_EQ(p.list->TextToValue(p.name), p.oid);
    }
}

} // namespace
