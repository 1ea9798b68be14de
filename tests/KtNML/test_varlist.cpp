// Variable definitions and lists: building, copying, the access predicates, instances.
#include "KtNML/KtSNMPVarList.h"
#include "tests/KtNML/KtTestHelpers.h"

#include <gtest/gtest.h>

namespace {

const KtOptionList olStatus{{1, "up"}, {2, "down"}};

constexpr KtSNMPVarDef kIfTable[] = {
    {"1.3.6.1.2.1.2.2.1.1", "Index", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.2.2.1.2", "Description", KtSyn::DisplayStr, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.2.2.1.7", "Admin Status", KtSyn::Integer, KtAcc::ReadWrite, &olStatus},
    {},
    // After the terminator: never read.
    {"9.9", "stray", KtSyn::Integer, KtAcc::ReadWrite},
};
static_assert(kIfTable[2].options == &olStatus, "definition tables are constant data");

constexpr KtSNMPVarDef kEmpty[] = {{}};

constexpr KtSNMPVarDef kWithCells[] = {
    {"1.3.6.1.4.1.1", "Cells", KtSyn::Integer, KtAcc::ReadWrite, nullptr, "$0*2", "$0/2", "r", "42",
     "1.3.6.1.4.1.1.7"},
    {},
};

TEST(VarList, BuildsFromTableUpToTerminator)
{
    const KtSNMPVarList list(kIfTable, KtItem::MVT_UMV, 1);
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.ItemType, KtItem::MVT_UMV);
    EXPECT_EQ(list.KeyCount, 1);
    EXPECT_EQ(list.Item(2).Oid, "1.3.6.1.2.1.2.2.1.7");
    EXPECT_EQ(list.Item(2).Label, "Admin Status");
    EXPECT_EQ(list.Item(2).Options, &olStatus);
    EXPECT_TRUE(list.Item(2).GetExpression.isNull());
    EXPECT_TRUE(list.Item(2).Value.isEmpty());
    EXPECT_TRUE(list.Suffix.isEmpty());

    EXPECT_EQ(KtSNMPVarList(kEmpty, KtItem::MVT_FMV, 1).Count(), 0);
    EXPECT_EQ(KtSNMPVarList(nullptr, KtItem::SVT_SV, 0).Count(), 0);

    const KtSNMPVarList cells(kWithCells, KtItem::SVT_SV, 0);
    EXPECT_EQ(cells.Item(0).GetExpression, "$0*2");
    EXPECT_EQ(cells.Item(0).SetExpression, "$0/2");
    EXPECT_EQ(cells.Item(0).Reserved, "r");
    EXPECT_EQ(cells.Item(0).Value, "42");
    EXPECT_EQ(cells.Item(0).InstanceOid, "1.3.6.1.4.1.1.7");
}

TEST(VarList, AddAppendsAndKeepsValues)
{
    KtSNMPVarList list(kIfTable, KtItem::MVT_UMV, 1);
    KtSNMPVar* first = &list.Item(0);
    list.Item(0).Value = "5";
    list.Add(kWithCells);
    ASSERT_EQ(list.Count(), 4);
    EXPECT_EQ(&list.Item(0), first);  // items keep their addresses
    EXPECT_EQ(list.Item(0).Value, "5");
    EXPECT_EQ(list.Item(3).Label, "Cells");
}

struct AccessCase {
    int access;
    bool readable, settable, displayed, hidden, implied;
};

class AccessPredicates : public ::testing::TestWithParam<AccessCase> {};

TEST_P(AccessPredicates, OnANonKeyVariable)
{
    const AccessCase c = GetParam();
    const KtSNMPVarDef defs[] = {{"1.1", "k", KtSyn::Integer, KtAcc::NotAccess}, {"1.2", "v", KtSyn::Integer, c.access}, {}};
    const KtSNMPVarList list(defs, KtItem::MVT_UMV, 1);
    EXPECT_EQ(list.IsReadable(1), c.readable);
    EXPECT_EQ(list.IsSettable(1), c.settable);
    EXPECT_EQ(list.IsDisplayed(1), c.displayed);
    EXPECT_EQ(list.IsHiddenColumn(1), c.hidden);
    EXPECT_EQ(list.IsImplied(1), c.implied);
}

INSTANTIATE_TEST_SUITE_P(VarList, AccessPredicates,
    ::testing::Values(
        //            acc   read   set    shown  hidden implied
        AccessCase{0x01, false, false, true, false, false},
        AccessCase{0x02, true, false, true, false, false},
        AccessCase{0x04, false, true, false, true, false},   // write-only: hidden column
        AccessCase{0x06, true, true, true, false, false},
        AccessCase{0x08, false, false, true, false, false},
        AccessCase{0x12, true, false, false, true, false},   // hidden but still read
        AccessCase{0x14, false, true, false, true, false},
        AccessCase{0x26, false, false, false, true, false},  // invalid: out of everything
        AccessCase{0x41, false, false, true, false, true},   // string index, implied
        AccessCase{0x00, false, false, false, false, false}));

TEST(VarList, KeysOfATableAreSettableWhateverTheirAccess)
{
    const KtSNMPVarDef defs[] = {
        {"1.1", "k0", KtSyn::Integer, KtAcc::NotAccess},
        {"1.2", "k1", KtSyn::DisplayStr, KtAcc::NotAccess | KtAcc::Implied},
        {"1.3", "v", KtSyn::Integer, KtAcc::NotAccess},
        {},
    };
    KtSNMPVarList table(defs, KtItem::MVT_FMV, 2);
    EXPECT_TRUE(table.IsSettable(0));
    EXPECT_TRUE(table.IsSettable(1));
    EXPECT_FALSE(table.IsSettable(2));
    table.Item(0).Access |= KtAcc::Invalid;
    EXPECT_FALSE(table.IsSettable(0));

    // Outside table lists the key count gives nothing.
    const KtSNMPVarList row(defs, KtItem::MVT_SV, 2);
    EXPECT_FALSE(row.IsSettable(0));

    EXPECT_EQ(table.DisplayedCount(), 2);
    EXPECT_EQ(table.HiddenColumnCount(), 1);
}

TEST(VarList, AppendInstanceAppendsEachTime)
{
    KtSNMPVarList list(kIfTable, KtItem::MVT_SV, 0);
    list.AppendInstance("3");
    EXPECT_EQ(list.Item(0).Oid, "1.3.6.1.2.1.2.2.1.1.3");
    EXPECT_EQ(list.Item(1).Oid, "1.3.6.1.2.1.2.2.1.2.3");
    list.AppendInstance("3");
    EXPECT_EQ(list.Item(0).Oid, "1.3.6.1.2.1.2.2.1.1.3.3");
    list.AppendInstance("");
    EXPECT_EQ(list.Item(0).Oid, "1.3.6.1.2.1.2.2.1.1.3.3");
}

TEST(VarList, BaseAddsTheSuffix)
{
    KtSNMPVarList list(kIfTable, KtItem::MVT_SV, 0);
    EXPECT_EQ(list.Base(0), "1.3.6.1.2.1.2.2.1.1");
    list.Suffix = "4";
    EXPECT_EQ(list.Base(0), "1.3.6.1.2.1.2.2.1.1.4");
}

TEST(VarList, CopyIsDeepAndLeavesTheSuffixBehind)
{
    KtSNMPVarList src(kIfTable, KtItem::MVT_UMV, 1);
    src.Suffix = "7";
    src.Name = " Interfaces";
    src.Item(1).Value = "eth0";
    src.Item(1).InstanceOid = "1.3.6.1.2.1.2.2.1.2.1";

    KtSNMPVarList copy(src);
    EXPECT_TRUE(copy.Suffix.isEmpty());
    EXPECT_EQ(copy.Name, " Interfaces");
    EXPECT_EQ(copy.ItemType, KtItem::MVT_UMV);
    EXPECT_EQ(copy.KeyCount, 1);
    EXPECT_EQ(copy.Item(1).Value, "eth0");
    EXPECT_EQ(copy.Item(1).InstanceOid, "1.3.6.1.2.1.2.2.1.2.1");
    copy.Item(1).Value = "changed";
    copy.Item(1).Access = KtAcc::Invalid;
    EXPECT_EQ(src.Item(1).Value, "eth0");
    EXPECT_EQ(src.Item(1).Access, KtAcc::ReadOnly);

    KtSNMPVarList target(kWithCells, KtItem::SVT_SV, 0);
    target.Suffix = "9";
    target.Assign(src);
    EXPECT_EQ(target.Suffix, "9");
    ASSERT_EQ(target.Count(), 3);
    EXPECT_EQ(target.Item(0).Label, "Index");
    EXPECT_EQ(target.ItemType, KtItem::MVT_UMV);
    target.Assign(target);  // self-assignment keeps the items
    EXPECT_EQ(target.Count(), 3);
}

TEST(VarList, AdoptedOptionListOutlivesTheListThatAdoptedIt)
{
    KtSNMPVarList copy;
    {
        KtSNMPVarList owner(kIfTable, KtItem::SVT_SV, 0);
        owner.Item(2).Options = owner.AdoptOptionList(std::make_unique<KtOptionList>(
            std::initializer_list<KtOptionPair>{{1, "yes"}, {2, "no"}}));
        copy.Assign(owner);
    }
    ASSERT_NE(copy.Item(2).Options, nullptr);
    EXPECT_EQ(copy.Item(2).Options->ValueToText("2"), "no");
}

} // namespace
