// The catalogue against the simulated switch: every table, read through the request
// engine the way its window reads it, answers every readable column. A scalar group is
// one Get; a table is its first row, checked column by column, then the walk to its
// end, read one row per request (GetNext) and in bulk (GetBulk). Each definition set is
// one test case per way of reading. The standard views' writes go the same way: through
// their tables' own lists.

#include "kv_exception.h"
#include "kv_mib_catalogue.h"
#include "kv_snmp_request.h"
#include "kv_snmp_session.h"
#include "switch_sim_agent.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

// Test names and messages show a set by its name.
void PrintTo(const KvMibSet *set, std::ostream *os) { *os << set->Name; }

namespace {
// A request that notes every binding its window would show without a value: an SNMP
// exception in place of the value, or a value of a type the item's syntax cannot show.
class CheckingRequest : public KvSNMPRequest {
public:
  std::vector<std::string> Faults;

  void StoreVbValue(int k, const SnmpVb &vb) override {
    KvSNMPRequest::StoreVbValue(k, vb);
    const KvSNMPVarItem *item = VarList.GetItem(k);
    const SnmpType type = vb.Value.Type();
    if (vb.Value.IsException() || item->Value == "(NULL)" || (IsOctetSyntax(item->Syntax) && !IsOctetType(type)))
      Faults.push_back(vb.OidText() + " answered " + SnmpTypeName(type) + " for " + item->Name);
  }

private:
  static bool IsOctetSyntax(unsigned s) {
    return s == Syntax::OctetStr || s == Syntax::DisplayStr || s == Syntax::BitStr || s == Syntax::MacAddress ||
           s == Syntax::Opaque;
  }
  static bool IsOctetType(SnmpType t) { return t == SnmpType::OctetString || t == SnmpType::Opaque; }
};

// The OID suffix each window appends to a list that addresses one row: the port control
// window opens on a copper port and on a combo port (21 to 24), the RMON history dialog
// and the sample table on control row 1.
const std::map<std::string, std::string> kWindowSuffixes = {
    {"CopperPortCtrlDefs", "1"},
    {"ComboPortCtrlDefs", "21"},
    {"HistoryDialogDefs", "1"},
    {"EtherHistoryDefs", "1"},
};

// Rows that a freshly started switch does not have, added through the table's own list
// (key values, the items written and their values) before the table is read.
struct NewRow {
  std::vector<std::string> Keys;
  std::string Selection;
  std::vector<std::string> Values;
};
const std::map<std::string, NewRow> kNewRows = {
    // A member exists only once the commander has added it.
    {"SimMemberDefs", {{"1"}, "7,8,9", {"1", "crosscheck", "createAndGo"}}},
    // The agent's target and notification tables start empty.
    {"TargetAddrDefs", {{"crosscheck"}, "1,2,6,8", {"1.3.6.1.6.1.1", "7F0000010FA1", "crosscheck", "createAndGo"}}},
    {"TargetParamsDefs", {{"crosscheck"}, "1,2,3,4,6", {"1", "2", "rdwalk", "noAuthNoPriv", "createAndGo"}}},
    {"NotifyDefs", {{"crosscheck"}, "1,2,4", {"crosscheck", "trap", "createAndGo"}}},
    {"NotifyProfileDefs", {{"crosscheck"}, "1,3", {"crosscheck", "createAndGo"}}},
    {"NotifyFilterDefs", {{"crosscheck", "1.3.6.1"}, "3,5", {"included", "createAndGo"}}},
};

// Tables whose rows the simulator cannot show, and why. Such a table must read as empty:
// once it has a row, its line here goes.
const std::map<std::string, std::string> kEmptyOnTheSimulator = {
    // The table AUGMENTS the target address table, which net-snmp keeps; the simulator
    // serves the community MIB from its own data and has no way to follow those rows.
    {"TargetAddrExtDefs", "rows follow net-snmp's target address rows"},
};

// More rows than the simulated switch has in any table.
constexpr int kMaxRows = 5000;

// The OID that names a table in messages: its first column with an OID of its own.
std::string TableOid(const KvMibTable &table) {
  for (int i = 0; i < table.Count; ++i)
    if (std::string(table.Defs[i].Oid).find('.') != std::string::npos) return table.Defs[i].Oid;
  return table.Name;
}

// A set and the repetitions its tables' walks ask for: 0 one row per request, -1 the
// walk's own choice.
using CrossCheckCase = std::tuple<const KvMibSet *, int>;

std::string CaseName(const ::testing::TestParamInfo<CrossCheckCase> &info) {
  std::string name;
  for (char c : std::string(std::get<0>(info.param)->Name))
    if (std::isalnum(static_cast<unsigned char>(c))) name += c;
  return name + (std::get<1>(info.param) == 0 ? "OneRow" : "Bulk");
}

void StartSession() {
  static int argc = 1;
  static char name[] = "catalogue_crosscheck";
  static char *argv[] = {name, nullptr};
  if (!QCoreApplication::instance()) new QCoreApplication(argc, argv);
  if (!GlobalSnmp) KvSNMPCreateSession(MakeTempDir("kvboot"));
}

class CatalogueCrossCheck : public ::testing::TestWithParam<CrossCheckCase> {
protected:
  static void SetUpTestSuite() { StartSession(); }
  // A fresh switch for every case, so that the rows one case adds are not there already
  // when the next case adds them.
  void SetUp() override {
    // One SNMPv3 user, so that the USM user table has a row.
    SwitchSimOptions options;
    options.users = {"crosscheck:SHA:crosscheckauth:AES:crosscheckpriv"};
    switch_ = new SwitchSimAgent(options);
    ASSERT_TRUE(switch_->Started()) << switch_->Output();
  }
  void TearDown() override {
    delete switch_;
    switch_ = nullptr;
  }

  static void Aim(KvSNMPRequest &request, const KvMibTable &table) {
    switch_->AimAt(request.Settings, 1);  // v2c: a missing object comes back per binding, not as one error
    request.Settings.Timing.MaxRepetitions = std::get<1>(GetParam());
    request.VarList = KvSNMPVarList(table.Defs, table.ItemType, table.KeyCount);
    if (auto suffix = kWindowSuffixes.find(table.Name); suffix != kWindowSuffixes.end())
      request.VarList.AppendOidSuffix(suffix->second);
  }

  // Adds the table's row when it needs one; the reason it could not, or empty.
  static std::string AddRow(const KvMibTable &table) {
    const auto row = kNewRows.find(table.Name);
    if (row == kNewRows.end()) return {};
    KvSNMPRequest request;
    Aim(request, table);
    for (size_t k = 0; k < row->second.Keys.size(); ++k)
      request.VarList.GetItem(static_cast<int>(k))->Value = row->second.Keys[k];
    try {
      request.Set(false, row->second.Selection, &row->second.Values);
    } catch (const KvException &e) {
      return "error " + std::to_string(e.Code()) + " (" + e.what() + ") adding a row to " + TableOid(table);
    }
    return {};
  }

  // What is wrong with the table's answer, one line per OID; empty when nothing is.
  static std::vector<std::string> Check(const KvMibTable &table) {
    if (std::string failed = AddRow(table); !failed.empty()) return {failed};
    CheckingRequest request;
    Aim(request, table);
    KvSNMPVarList &list = request.VarList;
    const bool isTable = list.ItemType == MVT_FMV || list.ItemType == MVT_UMV;
    std::vector<std::string> problems;
    try {
      const bool gotRow = request.Get(true);
      if (auto empty = kEmptyOnTheSimulator.find(table.Name); empty != kEmptyOnTheSimulator.end()) {
        if (gotRow) problems.push_back("a row under " + TableOid(table) + ", listed as empty: " + empty->second);
        return problems;
      }
      if (isTable && !gotRow) problems.push_back("no row under " + TableOid(table));
    } catch (const KvException &e) {
      problems.push_back("error " + std::to_string(e.Code()) + " (" + e.what() + ") reading " + TableOid(table));
      return problems;
    }
    problems.insert(problems.end(), request.Faults.begin(), request.Faults.end());
    std::string row;  // the row instance of the first readable column
    for (int i = 0; i < list.GetCount(); ++i) {
      if (!list.IsReadable(i)) continue;
      const KvSNMPVarItem *item = list.GetItem(i);
      const std::string column = item->Oid + (list.InstanceSuffix.empty() ? "" : "." + list.InstanceSuffix);
      if (item->Value == "(NOTDONE)") {
        problems.push_back(column + " (" + item->Name + ") answered (NOTDONE)");
        continue;
      }
      if (!isTable || item->Instance.size() <= column.size()) continue;
      const std::string instance = item->Instance.substr(column.size() + 1);
      if (row.empty()) row = instance;
      if (instance != row) problems.push_back(item->Instance + " (" + item->Name + ") is not in row " + row);
    }
    // The rest of the walk, to its end, as the window reads it: the end of a table is
    // success, not an error.
    if (isTable && problems.empty()) {
      int rows = 1;
      try {
        while (request.Get(false))
          if (++rows > kMaxRows) {
            problems.push_back("more than " + std::to_string(kMaxRows) + " rows under " + TableOid(table));
            break;
          }
      } catch (const KvException &e) {
        problems.push_back("error " + std::to_string(e.Code()) + " (" + e.what() + ") after row " +
                           std::to_string(rows) + " of " + TableOid(table));
      }
      problems.insert(problems.end(), request.Faults.begin(), request.Faults.end());
    }
    return problems;
  }

  static SwitchSimAgent *switch_;
};
SwitchSimAgent *CatalogueCrossCheck::switch_ = nullptr;
}  // namespace

TEST_P(CatalogueCrossCheck, EveryTableAnswersEveryReadableColumn) {
  for (const KvMibTable &table : std::get<0>(GetParam())->Tables) {
    std::ostringstream report;
    for (const std::string &p : Check(table)) report << "\n  " << p;
    EXPECT_TRUE(report.str().empty()) << table.Name << ":" << report.str();
  }
}

INSTANTIATE_TEST_SUITE_P(Sets, CatalogueCrossCheck,
                         ::testing::Combine(::testing::ValuesIn(MibSets().begin(), MibSets().end()),
                                            ::testing::Values(0, -1)),
                         CaseName);

namespace {
using Row = std::map<std::string, std::string>;  // item name: value

// Every row of a table as its window reads it, or the scalars as one row.
std::vector<Row> ReadAll(const SwitchSimAgent &sw, const char *tableName) {
  const KvMibTable *table = FindMibTable(tableName);
  KvSNMPRequest request;
  sw.AimAt(request.Settings, 1);
  request.VarList = KvSNMPVarList(table->Defs, table->ItemType, table->KeyCount);
  std::vector<Row> rows;
  for (bool more = request.Get(true); more || table->ItemType == SVT_SV; more = request.Get(false)) {
    Row row;
    for (int i = 0; i < request.VarList.GetCount(); ++i)
      row[request.VarList.GetItem(i)->Name] = request.VarList.GetItem(i)->Value;
    rows.push_back(row);
    if (table->ItemType == SVT_SV) break;
  }
  return rows;
}

std::optional<Row> RowWith(const std::vector<Row> &rows, const std::string &key, const std::string &value) {
  for (const Row &row : rows)
    if (row.at(key) == value) return row;
  return std::nullopt;
}

// Writes the items at `selection` of one row (its key values first) through the table's
// own list; the failure text, or empty.
std::string Write(const SwitchSimAgent &sw, const char *tableName, const std::vector<std::string> &keys,
                  const std::string &selection, const std::vector<std::string> &values) {
  const KvMibTable *table = FindMibTable(tableName);
  KvSNMPRequest request;
  sw.AimAt(request.Settings, 1);
  request.VarList = KvSNMPVarList(table->Defs, table->ItemType, table->KeyCount);
  for (size_t k = 0; k < keys.size(); ++k) request.VarList.GetItem(static_cast<int>(k))->Value = keys[k];
  try {
    request.Set(false, selection, &values);
  } catch (const KvException &e) {
    return e.what();
  }
  return {};
}

}  // namespace

// The writable objects of the standard views written the way their windows write them:
// a scalar, a static VLAN through its RowStatus and an alarm through its EntryStatus.
TEST(StandardViewWrites, ScalarsVlanRowsAndAlarmRowsGoThroughTheirDefinitionTables) {
  StartSession();
  SwitchSimAgent sw;
  ASSERT_TRUE(sw.Started()) << sw.Output();

  ASSERT_EQ(Write(sw, "MibSystemDefs", {}, "5", {"Wiring closet 4"}), "");
  EXPECT_EQ(ReadAll(sw, "MibSystemDefs").at(0).at("Location"), "Wiring closet 4");

  ASSERT_EQ(Write(sw, "VlanStaticDefs", {"40"}, "1,2,5", {"crosscheck", "1-2", "createAndGo"}), "");
  auto vlan = RowWith(ReadAll(sw, "VlanStaticDefs"), "VlanIndex", "40");
  ASSERT_TRUE(vlan);
  EXPECT_EQ(vlan->at("Name"), "crosscheck");
  EXPECT_EQ(vlan->at("EgressPorts"), "1-2");
  EXPECT_EQ(vlan->at("RowStatus"), "active");
  ASSERT_EQ(Write(sw, "VlanStaticDefs", {"40"}, "4", {"2"}), "");
  auto current = RowWith(ReadAll(sw, "VlanCurrentDefs"), "Index", "40");
  ASSERT_TRUE(current);
  EXPECT_EQ(current->at("CurrentUntaggedPorts"), "2");
  EXPECT_EQ(current->at("Status"), "permanent");
  ASSERT_EQ(Write(sw, "VlanStaticDefs", {"40"}, "5", {"destroy"}), "");
  EXPECT_FALSE(RowWith(ReadAll(sw, "VlanStaticDefs"), "VlanIndex", "40"));
  EXPECT_TRUE(RowWith(ReadAll(sw, "VlanStaticDefs"), "VlanIndex", "1"));

  ASSERT_EQ(Write(sw, "RmonAlarmDefs", {"7"}, "11", {"createRequest"}), "");
  auto alarm = RowWith(ReadAll(sw, "RmonAlarmDefs"), "Index", "7");
  ASSERT_TRUE(alarm);
  EXPECT_EQ(alarm->at("Status"), "underCreation");
  ASSERT_EQ(Write(sw, "RmonAlarmDefs", {"7"}, "2,3,6,8,10,11",
                  {"1.3.6.1.2.1.2.2.1.14.3", "absoluteValue", "10", "1", "crosscheck", "valid"}),
            "");
  alarm = RowWith(ReadAll(sw, "RmonAlarmDefs"), "Index", "7");
  ASSERT_TRUE(alarm);
  EXPECT_EQ(alarm->at("Status"), "valid");
  EXPECT_EQ(alarm->at("SampleType"), "absoluteValue");
  EXPECT_EQ(alarm->at("Variable"), "1.3.6.1.2.1.2.2.1.14.3");
  ASSERT_EQ(Write(sw, "RmonAlarmDefs", {"7"}, "11", {"invalid"}), "");
  EXPECT_FALSE(RowWith(ReadAll(sw, "RmonAlarmDefs"), "Index", "7"));
  EXPECT_EQ(ReadAll(sw, "RmonAlarmDefs").size(), 2u);
}
