// Opening the generic configuration window on a table of the simulated switch, from
// the window's creation until its list is filled, against the walk a user would pick:
// net-snmp's blocking API with the same GetBulk requests (raw_walk.h); beside it the
// request engine's own blocking walk and the binding alone in a hidden window, to tell
// the engine's, the binding's and the window's shares. Rounds are paired (every
// contender once per round), min/median/max of the rounds.
//
//   build/bench/config_form_bench [--rows N] [--rounds R] [--delay-ms D]

#include "bench_timing.h"
#include "config_form.h"
#include "kv_controls.h"
#include "kv_list_model.h"
#include "kv_mib_core_set.h"
#include "kv_snmp_request2_edits.h"
#include "kv_snmp_session.h"
#include "list_view_panel.h"
#include "raw_walk.h"
#include "snmp_event_processor.h"
#include "snmp_list_view_panel.h"
#include "switch_sim_agent.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTreeView>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>

namespace {
int BareWalk() {
  KvSNMPRequest request;
  request.VarList = KvSNMPVarList(IgmpInfoDefs, MVT_FMV, 2);
  int rows = 0;
  for (bool more = request.Get(true); more; more = request.Get(false)) ++rows;
  return rows;
}

// The same walk into a list view of a hidden window through the asynchronous binding
// alone: what the window adds is the difference to this.
int BindingAlone() {
  QWidget window;
  KvSNMPRequest2Edits binding(&window);
  binding.Request.VarList = KvSNMPVarList(IgmpInfoDefs, MVT_FMV, 2);
  auto *list = new QTreeView(&window);
  auto *rows = new KvListModel(list);
  binding.BindListView(list, rows, false);
  binding.Refresh();
  QElapsedTimer limit;
  limit.start();
  while (binding.Busy() && limit.elapsed() < 120000)
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
  return rows->RowCount();
}

// The window as the menu opens it, shown until its first read has ended.
int OpenWindow() {
  auto form = std::make_unique<TConfigForm>();
  form->SetCaptionFor("IGMP Group Table");
  auto binding = std::make_unique<KvSNMPRequest2Edits>(form.get());
  binding->Request.VarList = KvSNMPVarList(IgmpInfoDefs, MVT_FMV, 2);
  TSNMPListViewPanel *panel = form->SetListViewPanel(std::move(binding), -1, "", -1, "");
  form->show();
  QElapsedTimer limit;
  limit.start();
  while (!(form->Current && !form->Current->Busy()) && limit.elapsed() < 120000)
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
  const int rows = panel->ListPanel->Rows->RowCount();
  form->close();
  return rows;
}

}  // namespace

int main(int argc, char **argv) {
  const int rows = Option(argc, argv, "--rows", 1000);
  const int rounds = Option(argc, argv, "--rounds", 5);
  const int delayMs = Option(argc, argv, "--delay-ms", 0);
  if (!std::getenv("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  KvSNMPCreateSession(MakeTempDir("kvbench"));
  SwitchSimOptions options{{}, false, {"--rows", std::to_string(rows)}};
  if (delayMs > 0) options.extraArgs.insert(options.extraArgs.end(), {"--delay-ms", std::to_string(delayMs)});
  SwitchSimAgent sim(options);
  if (!sim.Started()) {
    std::fprintf(stderr, "the simulator did not start:\n%s", sim.Output().c_str());
    return 1;
  }
  // The window's bindings take the global settings, as the menu's do.
  SNMPDevice.Address = "127.0.0.1";
  SNMPDevice.Port = static_cast<uint16_t>(sim.Port());
  SNMPSecurity.Version = 1;
  SNMPSecurity.ReadCommunity = SwitchSimAgent::kReadCommunity;
  SNMPSecurity.WriteCommunity = SwitchSimAgent::kWriteCommunity;
  SNMPTimeout = 2000;
  SnmpEventPump().Start();

  const int port = sim.Port();
  std::vector<int> counts;
  std::vector<Spread> ratios;
  const std::vector<Spread> seconds = PairedRounds(
      {[&] { return RawBulkWalk(port, SwitchSimAgent::kReadCommunity, IgmpInfoDefs); }, BareWalk, BindingAlone,
       OpenWindow},
      rounds, counts, &ratios);
  std::printf("IGMP group table, %d generated rows, %d ms per answer, %d paired rounds, s min/median/max\n", rows,
              delayMs, rounds);
  const char *names[] = {"reference: net-snmp GetBulk walk   ", "engine's blocking walk             ",
                         "asynchronous binding alone, hidden ", "generic window opened until filled "};
  bool same = true;
  for (size_t c = 0; c < seconds.size(); ++c) {
    std::printf("  %s %6d rows  %s", names[c], counts[c], Show(seconds[c]).c_str());
    if (c > 0) std::printf("  ratio %s", Show(ratios[c], 1, "%.2f").c_str());
    std::printf(c == 3 ? "  (goal <= 1.2)\n" : "\n");
    same = same && counts[c] == counts[0];
  }
  std::printf("  window against the binding alone, median ratio %.2f\n", seconds[3].Median / seconds[2].Median);
  return same ? 0 : 2;
}
