// The catalogue's tables read from an agent the project did not write: snmpsim serving a
// recording (tests/fixture/recordings/holes.snmprec) whose tables leave cells out as real
// switches do: at the start, in the middle and at the end of a column, in the first
// readable column, in several columns of one row, in every second row, and in the last
// column of the agent's view. Each walk, in every way the windows read, must put every
// cell in the row it belongs to, keyed by its instance, and show "(NOTDONE)" where the
// agent has no cell.

#include "kv_mib_catalogue.h"
#include "kv_snmp_request.h"
#include "kv_snmp_session.h"
#include "snmp_event_processor.h"
#include "snmp_printable.h"
#include "snmpsim_agent.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {
constexpr char kRecording[] = "holes";

struct Way {
  const char *Name;
  int Version;
  int Repetitions;  // 0 one row per request, -1 the walk's own choice, N rows per GetBulk
  bool Async;
};
const Way kWays[] = {
    {"SNMPv1 GetNext", 0, 0, false},          {"SNMPv1 GetNext, asynchronous", 0, 0, true},
    {"SNMPv2c GetNext", 1, 0, false},         {"SNMPv2c GetBulk", 1, -1, false},
    {"SNMPv2c GetBulk of 2, asynchronous", 1, 2, true}, {"SNMPv3 SHA-256/AES-256 GetBulk", 3, -1, false},
    {"SNMPv3 SHA-256/AES-256 GetBulk, asynchronous", 3, 3, true},
};

// Row instance (as sub-identifiers) to the values of the list's items.
using Rows = std::map<std::vector<uint32_t>, std::vector<std::string>>;

class RealAgentTables : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    static int argc = 1;
    static char name[] = "real_agent";
    static char *argv[] = {name, nullptr};
    if (!QCoreApplication::instance()) new QCoreApplication(argc, argv);
    KvSNMPCreateSession(MakeTempDir("kvboot"));
    agent_ = new SnmpsimAgent({kRecording});
    if (!agent_->Start()) {
      const std::string log = agent_->Log();
      delete agent_;
      agent_ = nullptr;
      FAIL() << "snmpsimd did not start: " << log;
    }
  }
  static void TearDownTestSuite() {
    delete agent_;
    agent_ = nullptr;
  }
  void SetUp() override { ASSERT_NE(agent_, nullptr); }

  static void Aim(KvSNMPRequest &request, const Way &way, const KvMibTable &table) {
    agent_->AimAt(request.Settings, kRecording, way.Version);
    request.Settings.Timing.MaxRepetitions = way.Repetitions;
    request.VarList = KvSNMPVarList(table.Defs, table.ItemType, table.KeyCount);
  }

  // The row a walk just read: the instance of any column that has a cell in it.
  static std::vector<uint32_t> RowOf(const KvSNMPVarList &list) {
    for (int i = 0; i < list.GetCount(); ++i) {
      const KvSNMPVarItem *item = list.GetItem(i);
      std::vector<uint32_t> column, cell;
      if (!list.IsReadable(i) || item->Value == "(NOTDONE)" || !ParseOid(item->Oid, column) ||
          !ParseOid(item->Instance, cell) || cell.size() <= column.size())
        continue;
      return {cell.begin() + static_cast<long>(column.size()), cell.end()};
    }
    return {};
  }

  static std::vector<std::string> Values(const KvSNMPVarList &list) {
    std::vector<std::string> values;
    for (int i = 0; i < list.GetCount(); ++i) values.push_back(list.GetItem(i)->Value);
    return values;
  }

  // Every row of the walk, and how many rows it handed out.
  static Rows Walk(const Way &way, const KvMibTable &table, int &count) {
    KvSNMPRequest request;
    Aim(request, way, table);
    Rows rows;
    count = 0;
    auto take = [&] {
      ++count;
      rows[RowOf(request.VarList)] = Values(request.VarList);
    };
    if (!way.Async) {
      for (bool first = true; request.Get(first); first = false) take();
      return rows;
    }
    bool done = false;
    std::string failure;
    KvSNMPCallback answered = [&](void *, KvSNMPError *error, KvSNMPVarList *) {
      if (error->Code != 0) failure = error->Message;
      if (error->Done) {
        done = true;
        return;
      }
      take();
      request.GetAsync(answered, nullptr, false);
    };
    request.GetAsync(answered, nullptr, true);
    QElapsedTimer clock;
    clock.start();
    while (!done && clock.elapsed() < 20000) SnmpProcessMessages(20);
    EXPECT_TRUE(done) << way.Name << ": the walk did not end";
    EXPECT_EQ(failure, "") << way.Name;
    return rows;
  }

  // What the agent has: every instance of the table's readable columns in the recording,
  // each cell as a Get of that one object shows it, "(NOTDONE)" where it has none.
  static Rows Expected(const KvMibTable &table) {
    const auto recording = SnmpsimAgent::Recording(kRecording);
    const KvSNMPVarList list(table.Defs, table.ItemType, table.KeyCount);
    Rows rows;
    for (const auto &[oid, value] : recording)
      for (int i = 0; i < list.GetCount(); ++i) {
        const std::string column = list.GetItem(i)->Oid + ".";
        std::vector<uint32_t> row;
        if (list.IsReadable(i) && oid.rfind(column, 0) == 0 && ParseOid(oid.substr(column.size()), row))
          rows[row].assign(list.GetCount(), "(NOTDONE)");
      }
    for (auto &[row, values] : rows)
      for (int i = 0; i < list.GetCount(); ++i) {
        if (!list.IsReadable(i)) {
          values[i] = "";  // the key of a not-accessible INDEX column: compared by the row
          continue;
        }
        const std::string oid = list.GetItem(i)->Oid + "." + OidToText(row);
        if (recording.count(oid)) values[i] = GetOne(table.Defs[i], oid);
        else if (i < table.KeyCount) values[i] = OidToText(row);  // decoded from the instance
      }
    return rows;
  }

  static std::string GetOne(const KvSNMPVarDef &def, const std::string &oid) {
    const KvSNMPVarDef one[] = {{oid.c_str(), def.Name, def.Syntax, def.Access, def.Options}, {}};
    KvSNMPRequest request;
    agent_->AimAt(request.Settings, kRecording, 1);
    request.VarList = KvSNMPVarList(one, MVT_SV, 0);
    request.Get(true);
    return request.VarList.GetItem(0)->Value;
  }

  static SnmpsimAgent *agent_;
};
SnmpsimAgent *RealAgentTables::agent_ = nullptr;

std::string RowText(const std::vector<uint32_t> &row, const std::vector<std::string> &values) {
  std::string text = OidToText(row) + ":";
  for (const std::string &v : values) text += " [" + v + "]";
  return text;
}
}  // namespace

TEST_F(RealAgentTables, EveryCellOfTablesWithHolesIsInItsRowInEveryWayOfReading) {
  // The interface table and its counters (ifMtu, ifSpeed, ifOutOctets, several columns
  // of one row and the readable index have holes), and the 802.1Q forwarding table,
  // whose first readable column has holes and whose last column ends the agent's view
  // one row before the other.
  for (const char *name : {"MibIfTableDefs", "MibIfCountersDefs", "VlanTpFdbDefs"}) {
    const KvMibTable *table = FindMibTable(name);
    ASSERT_NE(table, nullptr) << name;
    const Rows expected = Expected(*table);
    ASSERT_GE(expected.size(), 6u) << name;
    for (const Way &way : kWays) {
      int count = 0;
      const Rows rows = Walk(way, *table, count);
      EXPECT_EQ(count, static_cast<int>(expected.size())) << name << ", " << way.Name << ": rows handed out";
      for (const auto &[row, values] : expected) {
        auto it = rows.find(row);
        if (it == rows.end()) {
          ADD_FAILURE() << name << ", " << way.Name << ": no row " << OidToText(row);
          continue;
        }
        std::vector<std::string> shown = it->second;
        for (int i = 0; i < table->KeyCount; ++i)
          if (values[i].empty()) shown[i] = "";
        EXPECT_EQ(RowText(row, shown), RowText(row, values)) << name << ", " << way.Name;
      }
    }
  }
}
