#include "kv_option_list.h"
#include "kv_snmp_var_list.h"

#include <gtest/gtest.h>

namespace {
const KvIntOption kStatus[] = {{1, "valid"}, {2, "createRequest"}, {0, nullptr}};
const KvOptionList StatusOptions(kStatus);

const KvSNMPVarDef kHistoryDefs[] = {
    {"1.3.6.1.2.1.16.2.1.1.1", "historyControlIndex", Syntax::Integer, Access::NotAccess, nullptr},
    {"1.3.6.1.2.1.16.2.1.1.2", "historyControlDataSource", Syntax::ObjectId, Access::ReadWrite, nullptr},
    {"1.3.6.1.2.1.16.2.1.1.7", "historyControlStatus", Syntax::Integer, Access::ReadWrite, &StatusOptions,
     nullptr, nullptr, nullptr, "valid", "1.3"},
    {nullptr, nullptr, 0, 0, nullptr}};

const KvSNMPVarDef kEmpty[] = {{nullptr, nullptr, 0, 0, nullptr}};
}  // namespace

TEST(VarList, BuildsOneItemPerRecordWithInitialTexts) {
  KvSNMPVarList list(kHistoryDefs, MVT_UMV, 1);
  ASSERT_EQ(list.GetCount(), 3);
  EXPECT_EQ(list.ItemType, MVT_UMV);
  EXPECT_EQ(list.KeyCount, 1);
  EXPECT_EQ(list.GetItem(2)->Value, "valid");
  EXPECT_EQ(list.GetItem(2)->Instance, "1.3");
  EXPECT_EQ(list.GetItem(2)->Options, &StatusOptions);
  EXPECT_EQ(list.GetItem(0)->Value, "");
  EXPECT_FALSE(list.GetItem(0)->GetExpression.has_value());
}

TEST(VarList, EmptyTablesChangeNothing) {
  KvSNMPVarList list(kEmpty, SVT_SV, 0);
  EXPECT_EQ(list.GetCount(), 0);
  list.Add(kHistoryDefs);
  list.Add(kEmpty);
  list.Add(nullptr);
  EXPECT_EQ(list.GetCount(), 3);
}

TEST(VarList, AddAppendsAfterExistingItems) {
  KvSNMPVarList list(kHistoryDefs, MVT_UMV, 1);
  list.Add(kHistoryDefs);
  ASSERT_EQ(list.GetCount(), 6);
  EXPECT_EQ(list.GetItem(3)->Name, "historyControlIndex");
}

TEST(VarList, AssignmentCopiesDeeplyButKeepsTheTargetsSuffix) {
  KvSNMPVarList source(kHistoryDefs, MVT_UMV, 1);
  source.InstanceSuffix = "5";
  source.Name = "History";
  source.GetItem(1)->Value = "1.3.6.1.2.1.2.2.1.1.3";
  source.GetItem(1)->Access |= Access::Invalid;

  KvSNMPVarList target;
  target = source;
  EXPECT_EQ(target.InstanceSuffix, "");
  EXPECT_EQ(target.Name, "History");
  EXPECT_EQ(target.ItemType, MVT_UMV);
  EXPECT_EQ(target.KeyCount, 1);
  EXPECT_EQ(target.GetItem(1)->Value, "1.3.6.1.2.1.2.2.1.1.3");
  EXPECT_EQ(target.GetItem(1)->Access, Access::ReadWrite | Access::Invalid);

  source.GetItem(1)->Value = "changed";
  EXPECT_EQ(target.GetItem(1)->Value, "1.3.6.1.2.1.2.2.1.1.3");
  EXPECT_NE(target.GetItem(1), source.GetItem(1));

  KvSNMPVarList copy(source);
  EXPECT_EQ(copy.GetItem(1)->Value, "changed");
  copy = copy;
  EXPECT_EQ(copy.GetCount(), 3);
}

TEST(VarList, SavedCopyRestoresValuesInstancesAndFlags) {
  KvSNMPVarList list(kHistoryDefs, MVT_UMV, 1);
  list.GetItem(2)->Instance = "1.3.6.1.2.1.16.2.1.1.7.4";
  const KvSNMPVarList saved = list;
  list.GetItem(2)->Value = "createRequest";
  list.GetItem(2)->Instance = "";
  list.GetItem(1)->Access |= Access::Invalid;
  list = saved;
  EXPECT_EQ(list.GetItem(2)->Value, "valid");
  EXPECT_EQ(list.GetItem(2)->Instance, "1.3.6.1.2.1.16.2.1.1.7.4");
  EXPECT_EQ(list.GetItem(1)->Access, Access::ReadWrite);
}

TEST(VarList, FindByNameIgnoresCase) {
  KvSNMPVarList list(kHistoryDefs, MVT_UMV, 1);
  EXPECT_EQ(list.FindByName("HISTORYCONTROLSTATUS"), list.GetItem(2));
  EXPECT_EQ(list.FindByName("historyControlOwner"), nullptr);
}

TEST(VarList, AppendOidSuffixAppendsOncePerCall) {
  KvSNMPVarList list(kHistoryDefs, SVT_SV, 0);
  list.AppendOidSuffix("3");
  EXPECT_EQ(list.GetItem(1)->Oid, "1.3.6.1.2.1.16.2.1.1.2.3");
  list.AppendOidSuffix("3");
  EXPECT_EQ(list.GetItem(1)->Oid, "1.3.6.1.2.1.16.2.1.1.2.3.3");
}

TEST(VarList, PredicatesFollowTheAccessFlags) {
  const KvSNMPVarDef defs[] = {
      {"1.1", "rw", Syntax::Integer, Access::ReadWrite, nullptr},
      {"1.2", "wo", Syntax::Integer, Access::WriteOnly, nullptr},
      {"1.3", "ro", Syntax::Integer, Access::ReadOnly, nullptr},
      {"1.4", "implied", Syntax::DisplayStr, Access::NotAccess | Access::Implied, nullptr},
      {"1.5", "none", Syntax::Integer, Access::None, nullptr},
      {"1.6", "derived", Syntax::Integer, Access::Derived, nullptr},
      {nullptr, nullptr, 0, 0, nullptr}};
  KvSNMPVarList list(defs, SVT_SV, 0);
  EXPECT_TRUE(list.IsReadable(0) && list.IsEditable(0) && list.IsVisible(0));
  EXPECT_FALSE(list.IsHidden(0));
  EXPECT_TRUE(list.IsEditable(1) && list.IsHidden(1));
  EXPECT_FALSE(list.IsReadable(1) || list.IsVisible(1));
  EXPECT_FALSE(list.IsEditable(2));
  EXPECT_FALSE(list.IsReadable(3));
  EXPECT_TRUE(list.IsImpliedKey(3));
  EXPECT_FALSE(list.IsReadable(4) || list.IsEditable(4) || list.IsVisible(4) || list.IsHidden(4) ||
               list.IsImpliedKey(4));
  EXPECT_TRUE(list.IsVisible(5));
  EXPECT_EQ(list.GetVisibleCount(), 4);
  EXPECT_EQ(list.GetHiddenCount(), 1);

  list.GetItem(0)->Access |= Access::Invalid;
  EXPECT_FALSE(list.IsReadable(0) || list.IsEditable(0) || list.IsVisible(0));
  EXPECT_TRUE(list.IsHidden(0));
}

TEST(VarList, KeyColumnsOfATableAreEditable) {
  KvSNMPVarList table(kHistoryDefs, MVT_FMV, 1);
  EXPECT_TRUE(table.IsEditable(0));
  EXPECT_TRUE(table.IsVisible(0));
  EXPECT_FALSE(table.IsReadable(0));
  KvSNMPVarList scalars(kHistoryDefs, SVT_SV, 1);
  EXPECT_FALSE(scalars.IsEditable(0));
}

TEST(GlobalOptionLists, NameEveryCode) {
  EXPECT_EQ(SyntaxOptions.GetCount(), 26);
  EXPECT_EQ(SyntaxOptions.ValueToLabel("77"), "portlist");
  EXPECT_EQ(SyntaxOptions.GetItem(0).Label, "integer");
  EXPECT_EQ(SyntaxOptions.ValueToLabel("66"), "guage");
  EXPECT_EQ(SyntaxOptions.LabelToValue("BCDATETIME"), "75");
  EXPECT_EQ(AccessOptions.ValueToLabel("6"), "readwrite");
  EXPECT_EQ(AccessOptions.GetCount(), 7);
  EXPECT_EQ(ItemTypeOptions.ValueToLabel("3"), "MVT_UMV");
}
