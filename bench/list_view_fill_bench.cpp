// Filling a list view with a table walked from the simulated switch, through the edit
// binding, blocking and asynchronous, compared with a bare blocking walk of the same
// table by the request engine (the reference: the same GetNext requests on the wire,
// no binding, no list view).
//
//   build/bench/list_view_fill_bench [rows] [rounds]

#include "bench_timing.h"
#include "event_wait.h"
#include "kv_controls.h"
#include "kv_mib_core_set.h"
#include "kv_snmp_request2_edits.h"
#include "kv_snmp_session.h"
#include "snmp_event_processor.h"
#include "switch_sim_agent.h"

#include <QApplication>
#include <QTreeWidget>
#include <QWidget>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {
void Aim(KvSNMPRequest &request, const SwitchSimAgent &sim) {
  sim.AimAt(request.Settings, 1);
  request.Settings.Timing.Timeout = 200;
  // The switch's IGMP group table, the one the simulator fills with --rows.
  request.VarList = KvSNMPVarList(IgmpInfoDefs, MVT_FMV, 2);
}


int BareWalk(const SwitchSimAgent &sim) {
  KvSNMPRequest request;
  Aim(request, sim);
  int rows = 0;
  for (bool more = request.Get(true); more; more = request.Get(false)) ++rows;
  return rows;
}

int FillListView(const SwitchSimAgent &sim, unsigned char mode) {
  QWidget window;
  KvSNMPRequest2Edits binding(&window);
  Aim(binding.Request, sim);
  binding.RequestMode = mode;
  QTreeWidget *list = MakeListView(&window);
  binding.BindListView(list);
  binding.Refresh();
  RunEventsUntil([&] { return !binding.Busy(); }, 120000);
  return list->topLevelItemCount();
}
}  // namespace

int main(int argc, char **argv) {
  const int rows = argc > 1 ? std::atoi(argv[1]) : 1000;
  const int rounds = argc > 2 ? std::atoi(argv[2]) : 3;
  if (!std::getenv("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  KvSNMPCreateSession(MakeTempDir("kvbench"));
  SwitchSimAgent sim({{}, false, {"--rows", std::to_string(rows)}});
  if (!sim.Started()) {
    std::fprintf(stderr, "the simulator did not start:\n%s", sim.Output().c_str());
    return 1;
  }
  SnmpEventPump().Start();

  int bareRows = 0, blockingRows = 0, asyncRows = 0;
  const double bare = BestSeconds([&] { return BareWalk(sim); }, rounds, bareRows);
  const double blocking =
      BestSeconds([&] { return FillListView(sim, KvSNMPRequest2Controls::Blocking); }, rounds, blockingRows);
  const double async =
      BestSeconds([&] { return FillListView(sim, KvSNMPRequest2Controls::Asynchronous); }, rounds, asyncRows);

  std::printf("IGMP group table, %d generated rows, best of %d\n", rows, rounds);
  std::printf("  reference: bare blocking walk   %5d rows  %8.3f s\n", bareRows, bare);
  std::printf("  list view, blocking binding     %5d rows  %8.3f s  ratio %.2f\n", blockingRows, blocking,
              blocking / bare);
  std::printf("  list view, asynchronous binding %5d rows  %8.3f s  ratio %.2f\n", asyncRows, async, async / bare);
  return blockingRows == bareRows && asyncRows == bareRows ? 0 : 2;
}
