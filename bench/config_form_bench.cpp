// Opening the generic configuration window on a table of the simulated switch, from
// the window's creation until its list is filled, compared with a bare blocking walk of
// the same table by the request engine in the same run (the same GetNext requests on
// the wire, no window, no binding, no list view).
//
//   build/bench/config_form_bench [--rows N] [--rounds R]

#include "bench_timing.h"
#include "config_form.h"
#include "kv_controls.h"
#include "kv_mib_core_set.h"
#include "kv_snmp_request2_edits.h"
#include "kv_snmp_session.h"
#include "list_view_panel.h"
#include "snmp_event_processor.h"
#include "snmp_list_view_panel.h"
#include "switch_sim_agent.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTreeWidget>

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
  QTreeWidget *list = MakeListView(&window);
  binding.BindListView(list, false);
  binding.Refresh();
  QElapsedTimer limit;
  limit.start();
  while (binding.Busy() && limit.elapsed() < 120000)
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
  return list->topLevelItemCount();
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
  const int rows = panel->ListPanel->ListView->topLevelItemCount();
  form->close();
  return rows;
}

}  // namespace

int main(int argc, char **argv) {
  const int rows = Option(argc, argv, "--rows", 1000);
  const int rounds = Option(argc, argv, "--rounds", 3);
  if (!std::getenv("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  KvSNMPCreateSession(MakeTempDir("kvbench"));
  SwitchSimAgent sim({{}, false, {"--rows", std::to_string(rows)}});
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
  SNMPTimeout = 200;
  SnmpEventPump().Start();

  int bareRows = 0, aloneRows = 0, windowRows = 0;
  const double bare = BestSeconds(BareWalk, rounds, bareRows);
  const double alone = BestSeconds(BindingAlone, rounds, aloneRows);
  const double window = BestSeconds(OpenWindow, rounds, windowRows);
  std::printf("IGMP group table, %d generated rows, best of %d\n", rows, rounds);
  std::printf("  reference: bare blocking walk          %5d rows  %8.3f s\n", bareRows, bare);
  std::printf("  asynchronous binding alone, hidden     %5d rows  %8.3f s  ratio %.2f\n", aloneRows, alone,
              alone / bare);
  std::printf("  generic window opened until filled     %5d rows  %8.3f s  ratio %.2f (target <= 1.5)\n",
              windowRows, window, window / bare);
  std::printf("  window against the binding alone                            ratio %.2f\n", window / alone);
  return windowRows == bareRows && aloneRows == bareRows ? 0 : 2;
}
