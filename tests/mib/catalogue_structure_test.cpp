// Properties every table of the catalogue must have, checked over the registry.

#include "kv_mib_catalogue.h"
#include "kv_option_list.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>
#include <string>

namespace {
template <typename F>
void ForEachTable(F check) {
  for (const KvMibSet *set : MibSets())
    for (const KvMibTable &table : set->Tables) check(*set, table);
}

std::string Trimmed(std::string text) {
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

bool EndsWith(const std::string &text, const std::string &tail) {
  return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}
}  // namespace

TEST(CatalogueStructure, EveryTableEndsWithItsAllZeroRecordRightAfterItsRecords) {
  ForEachTable([](const KvMibSet &, const KvMibTable &table) {
    ASSERT_GT(table.Count, 0) << table.Name;
    for (int i = 0; i < table.Count; ++i) {
      EXPECT_NE(table.Defs[i].Oid, nullptr) << table.Name << " record " << i;
      EXPECT_NE(table.Defs[i].Name, nullptr) << table.Name << " record " << i;
    }
    const KvSNMPVarDef &end = table.Defs[table.Count];
    EXPECT_TRUE(end.Oid == nullptr && end.Name == nullptr && end.Syntax == 0 && end.Access == 0 &&
                end.Options == nullptr && end.GetExpression == nullptr && end.SetExpression == nullptr &&
                end.Extra == nullptr && end.Value == nullptr && end.Instance == nullptr)
        << table.Name;
  });
}

TEST(CatalogueStructure, OnlyTheFiveDefinitionFieldsAreFilled) {
  ForEachTable([](const KvMibSet &, const KvMibTable &table) {
    for (int i = 0; i < table.Count; ++i) {
      const KvSNMPVarDef &def = table.Defs[i];
      EXPECT_TRUE(!def.GetExpression && !def.SetExpression && !def.Extra && !def.Value && !def.Instance)
          << table.Name << " " << def.Name;
      EXPECT_NE(SyntaxOptions.IndexOfValue(std::to_string(def.Syntax)), -1) << table.Name << " " << def.Name;
    }
  });
}

TEST(CatalogueStructure, OidsAreDottedNumbersOrKeyMarkersThatAreNotAccessible) {
  const std::regex dotted("[0-2](\\.(0|[1-9][0-9]*))+");
  ForEachTable([&](const KvMibSet &, const KvMibTable &table) {
    for (int i = 0; i < table.Count; ++i) {
      const KvSNMPVarDef &def = table.Defs[i];
      const std::string oid = def.Oid;
      if (oid.empty() || oid == " ")
        EXPECT_TRUE(def.Access & Access::NotAccess) << table.Name << " " << def.Name;
      else
        EXPECT_TRUE(std::regex_match(oid, dotted)) << table.Name << " \"" << oid << "\"";
    }
  });
}

TEST(CatalogueStructure, KeyColumnsComeFirstAndFitTheKeyCount) {
  ForEachTable([](const KvMibSet &, const KvMibTable &table) {
    int keys = 0;
    while (keys < table.Count && (table.Defs[keys].Access & Access::NotAccess)) ++keys;
    for (int i = keys; i < table.Count; ++i)
      EXPECT_FALSE(table.Defs[i].Access & Access::NotAccess) << table.Name << " " << table.Defs[i].Name;
    EXPECT_LE(table.KeyCount, table.Count) << table.Name;
    if (table.ItemType == MVT_FMV || table.ItemType == MVT_UMV)
      EXPECT_LE(keys, table.KeyCount) << table.Name;
    else
      EXPECT_EQ(table.KeyCount, 0) << table.Name;
    // An implied index can only be the last key.
    for (int i = 0; i < table.Count; ++i)
      if (table.Defs[i].Access & Access::Implied) {
        EXPECT_EQ(i + 1, keys) << table.Name;
      }
  });
}

TEST(CatalogueStructure, EnumeratedRecordsCarryUsableOptionLists) {
  ForEachTable([](const KvMibSet &, const KvMibTable &table) {
    for (int i = 0; i < table.Count; ++i) {
      const KvSNMPVarDef &def = table.Defs[i];
      const std::string name = Trimmed(def.Name);
      // States, statuses and row statuses are enumerations wherever they appear.
      if (def.Syntax == Syntax::Integer && (EndsWith(name, "State") || EndsWith(name, "Status"))) {
        EXPECT_NE(def.Options, nullptr) << table.Name << " " << def.Name;
      }
      if (!def.Options) continue;
      EXPECT_EQ(def.Syntax, Syntax::Integer) << table.Name << " " << def.Name;
      EXPECT_EQ(def.Options->Kind(), KvOptionList::IntegerKind) << table.Name << " " << def.Name;
      ASSERT_GT(def.Options->GetCount(), 1) << table.Name << " " << def.Name;
      std::set<int> values;
      std::set<std::string> labels;
      for (int k = 0; k < def.Options->GetCount(); ++k) {
        values.insert(def.Options->GetItem(k).Value);
        labels.insert(def.Options->GetItem(k).Label);
      }
      EXPECT_EQ(values.size(), static_cast<size_t>(def.Options->GetCount())) << table.Name << " " << def.Name;
      EXPECT_EQ(labels.size(), static_cast<size_t>(def.Options->GetCount())) << table.Name << " " << def.Name;
    }
  });
}

TEST(CatalogueStructure, EveryOptionListObjectBelongsToOneRecord) {
  std::map<const KvOptionList *, std::string> owner;
  ForEachTable([&](const KvMibSet &, const KvMibTable &table) {
    for (int i = 0; i < table.Count; ++i) {
      const KvSNMPVarDef &def = table.Defs[i];
      if (!def.Options) continue;
      const std::string here = std::string(table.Name) + " " + def.Name;
      const auto [it, fresh] = owner.emplace(def.Options, here);
      EXPECT_TRUE(fresh) << here << " shares its option list with " << it->second;
    }
  });
}

TEST(CatalogueStructure, TableNamesAreUniqueAndFound) {
  std::set<std::string> names;
  ForEachTable([&](const KvMibSet &, const KvMibTable &table) {
    EXPECT_TRUE(names.insert(table.Name).second) << table.Name;
    EXPECT_EQ(FindMibTable(table.Name), &table);
  });
  EXPECT_EQ(FindMibTable("NoSuchDefs"), nullptr);
}
