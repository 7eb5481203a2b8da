// config_save_bench: the save of a whole switch (every snapshot table, with ms2416x-config's
// reading) against net-snmp's snmpbulkwalk of the same columns, on loopback and with the
// simulator answering 5 ms late; and the Sets a restore of N changes sends.
//
// The reference walks each saved column with snmpbulkwalk (MIBS empty, numeric OIDs), as a
// script keeping a configuration would; the time of each tool's start is part of it, and
// is printed on its own as the walk of one scalar, so that the pure walking can be judged.
//   build/bench/config_save_bench [--rounds N]

#include "agent_process.h"
#include "bench_timing.h"
#include "config_snapshot.h"
#include "restore_plan.h"
#include "snapshot_agent.h"
#include "snapshot_tables.h"
#include "switch_sim_agent.h"

#include <QCoreApplication>

#include <cstdio>

namespace {
// Every column the save reads, as the base OID a walk starts from (scalars by their ".0").
std::vector<std::string> SavedColumns() {
  std::vector<std::string> columns;
  for (const KvSnapshotTable &t : SnapshotTables())
    for (int i = t.KeyCount; i < t.ItemCount(); ++i) columns.push_back(t.Defs[static_cast<size_t>(i)].Oid);
  return columns;
}

int BulkWalk(const SwitchSimAgent &sim, const std::vector<std::string> &columns) {
  int values = 0;
  for (const std::string &column : columns) {
    const std::string out = RunTool({"env", "MIBS=", "snmpbulkwalk", "-v2c", "-c", "rdwalk", "-On", "-r1", "-t2",
                                     sim.Target(), column});
    for (size_t at = 0; (at = out.find(" = ", at)) != std::string::npos; ++at) ++values;
  }
  return values;
}

void Compare(const char *title, const SwitchSimAgent &sim, int rounds) {
  KvSNMPSettings settings;
  sim.AimAt(settings, 1);
  settings.Timing.Timeout = 200;
  const std::vector<std::string> columns = SavedColumns();
  int saved = 0, walked = 0, one = 0;
  const double save = BestSeconds([&] { return static_cast<int>(ReadSnapshot(settings).ValueCount()); }, rounds, saved);
  const double reference = BestSeconds([&] { return BulkWalk(sim, columns); }, rounds, walked);
  const double start = BestSeconds([&] { return BulkWalk(sim, {"1.3.6.1.2.1.1.4"}); }, rounds, one);
  std::printf("%s: %zu columns of %zu tables, best of %d rounds\n", title, columns.size(), SnapshotTables().size(), rounds);
  std::printf("  snmpbulkwalk, one per column          %5d values  %8.1f ms  (one tool start and walk: %.1f ms)\n",
              walked, reference * 1e3, start * 1e3);
  std::printf("  ms2416x-config save                   %5d values  %8.1f ms  ratio %.2f to snmpbulkwalk (target <= 1.50)\n",
              saved, save * 1e3, save / reference);
}

bool Set(const SwitchSimAgent &sim, const std::vector<std::string> &bindings) {
  std::vector<std::string> argv = {"env", "MIBS=", "snmpset", "-v2c", "-c", "wrtgate", "-r1", "-t2", sim.Target()};
  argv.insert(argv.end(), bindings.begin(), bindings.end());
  int rc = -1;
  RunTool(argv, &rc);
  return rc == 0;
}

void RestoreSets(int &lines, int &changes, size_t &sets, double &seconds) {
  SwitchSimAgent sim({{}, true, {}});
  KvSNMPSettings settings;
  sim.AimAt(settings, 1);
  const KvSnapshot file = ReadSnapshot(settings);
  const std::string vlan = "1.3.6.1.2.1.17.7.1.4.3.1.";
  Set(sim, {"1.3.6.1.2.1.1.4.0", "s", "noc", "1.3.6.1.2.1.1.6.0", "s", "rack 7", "1.3.6.1.2.1.17.2.2.0", "i", "8192"});
  Set(sim, {"1.3.6.1.2.1.31.1.1.1.18.4", "s", "uplink", "1.3.6.1.2.1.17.7.1.4.5.1.1.6", "u", "10",
            "1.3.6.1.4.1.171.11.43.2.2.11.3.1.2.1", "i", "60", "1.3.6.1.2.1.17.2.15.1.2.5", "i", "64"});
  Set(sim, {vlan + "1.10", "s", "srv2", vlan + "5.20", "i", "6", vlan + "5.30", "i", "4"});
  Set(sim, {"1.3.6.1.2.1.16.3.1.1.12.2", "i", "4"});
  const KvSnapshot live = ReadSnapshot(settings);
  // A row made or removed changes each of its values.
  changes = 0;
  lines = 0;
  for (const KvSnapshotChange &c : DiffSnapshots(file, live)) {
    ++lines;
    const bool row = c.What == KvSnapshotChange::RowAdded || c.What == KvSnapshotChange::RowRemoved;
    const KvSnapshot &holder = c.What == KvSnapshotChange::RowAdded ? live : file;
    changes += row ? static_cast<int>(holder.Tables.at(c.Table).at(c.Row).size()) : 1;
  }
  const KvRestorePlan plan = PlanRestore(live, file);
  const auto start = std::chrono::steady_clock::now();
  const KvRestoreOutcome outcome = ExecuteRestore(plan, settings);
  seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  sets = 0;
  for (const std::string &line : sim.LogLines()) sets += line.find("\"op\":\"set\"") != std::string::npos;
  sets -= 4;  // the changes' own
  if (!outcome.Ok()) std::fprintf(stderr, "restore refused: %s: %s\n", outcome.Refused.c_str(), outcome.Error.c_str());
}
}  // namespace

int main(int argc, char **argv) {
  QCoreApplication app(argc, argv);
  const int rounds = Option(argc, argv, "--rounds", 3);
  KvSNMPCreateSession(MakeTempDir("kvbench"));
  {
    SwitchSimAgent sim;
    if (!sim.Started()) return std::fprintf(stderr, "the simulator did not start:\n%s", sim.Output().c_str()), 1;
    Compare("loopback", sim, rounds);
  }
  {
    SwitchSimAgent sim({{}, false, {"--delay-ms", "5"}});
    if (!sim.Started()) return std::fprintf(stderr, "the simulator did not start:\n%s", sim.Output().c_str()), 1;
    Compare("slow link (simulator 5 ms late)", sim, rounds);
  }
  int lines = 0, changes = 0;
  size_t sets = 0;
  double seconds = 0;
  RestoreSets(lines, changes, sets, seconds);
  std::printf("restore: %d changed values (%d lines of the difference), %zu Sets (%.1f ms), ratio %.2f Sets a change "
              "(target <= 1.00)\n",
              changes, lines, sets, seconds * 1e3, changes ? static_cast<double>(sets) / changes : 0.0);
  return 0;
}
