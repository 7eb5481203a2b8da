#include "kv_option_list.h"

#include <gtest/gtest.h>

namespace {
const KvIntOption kEnabledDisabled[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const KvTextOption kCodes[] = {{"A", "alpha"}, {"B", "beta"}, {nullptr, nullptr}};
const KvTextOption kPrefixes[] = {{"Gi", "Gigabit "}, {"Fa", "Fast "}, {nullptr, nullptr}};
}  // namespace

TEST(OptionList, IntegerKindMapsValuesAndLabelsIgnoringCase) {
  KvOptionList list(kEnabledDisabled);
  EXPECT_EQ(list.GetCount(), 2);
  EXPECT_EQ(list.ValueToLabel("2"), "disabled");
  EXPECT_EQ(list.LabelToValue("ENABLED"), "1");
  EXPECT_EQ(list.IndexOfLabel("Disabled"), 1);
}

TEST(OptionList, UnknownOrNullValuesPassThroughUnchanged) {
  KvOptionList list(kEnabledDisabled);
  EXPECT_EQ(list.ValueToLabel("(NULL)"), "(NULL)");
  EXPECT_EQ(list.IndexOfValue("(NULL)"), -1);
  EXPECT_EQ(list.ValueToLabel("7"), "7");
  EXPECT_EQ(list.IndexOfValue("1x"), -1);
  EXPECT_EQ(list.IndexOfValue(""), -1);
  EXPECT_EQ(list.IndexOfValue("99999999999999999999"), -1);
  EXPECT_EQ(list.LabelToValue("unknown"), "unknown");
}

TEST(OptionList, CaseSensitiveListComparesExactly) {
  KvOptionList list(kEnabledDisabled, true);
  EXPECT_EQ(list.IndexOfLabel("ENABLED"), -1);
  EXPECT_EQ(list.IndexOfLabel("enabled"), 0);
}

TEST(OptionList, TextKindComparesWholeTexts) {
  KvOptionList list(kCodes, KvOptionList::TextKind);
  EXPECT_EQ(list.ValueToLabel("b"), "beta");
  EXPECT_EQ(list.LabelToValue("alpha"), "A");
  EXPECT_EQ(list.ValueToLabel("AB"), "AB");
}

TEST(OptionList, PrefixKindReplacesOnlyTheLeadingCode) {
  KvOptionList list(kPrefixes, KvOptionList::PrefixKind);
  EXPECT_EQ(list.ValueToLabel("Gi0/1"), "Gigabit 0/1");
  EXPECT_EQ(list.LabelToValue("Fast 0/2"), "Fa0/2");
  EXPECT_EQ(list.ValueToLabel("G"), "G");
}

TEST(OptionList, AddAppendsAfterExistingOptions) {
  const KvIntOption more[] = {{3, "other"}, {0, nullptr}};
  KvOptionList list(kEnabledDisabled);
  list.Add(more);
  EXPECT_EQ(list.GetCount(), 3);
  EXPECT_EQ(list.ValueToLabel("3"), "other");
  list.Add(static_cast<const KvIntOption *>(nullptr));
  EXPECT_EQ(list.GetCount(), 3);
}
