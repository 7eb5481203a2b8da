// How long the program stops running while its windows wait for a slow or a silent
// agent: a 20 ms heartbeat timer in the process measures the longest gap in which the
// event loop did not run, while each window of the menu (the fault sweep's rows), the
// front panel's port window, Save Changes and every companion view opens, reads, comes
// to rest and closes. Slow: the simulator answers every request 200 ms late. Silent: the
// same simulator paused (SIGSTOP) before the window opens. Requests wait two tries of
// half a second. Goal: at most 250 ms everywhere; the ratio printed is worst / goal.
//
//   build/bench/stall_bench [name part]     # only the rows whose name holds it

#include "companion_windows.h"
#include "kv_message_box.h"
#include "kv_mib_catalogue.h"
#include "kv_snmp_session.h"
#include "kv_status_bar.h"
#include "main_form.h"
#include "main_menu.h"
#include "menu_windows.h"
#include "runtime_version.h"
#include "window_sweep.h"

#include <QAction>
#include <QApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace {
constexpr int kGoalMs = 250;
constexpr int kTimeout = 50;  // hundredths of a second per try

struct Row {
  std::string Name;
  qint64 Slow = -1, Silent = -1;
  qint64 Worst() const { return std::max(Slow, Silent); }
};

FaultMode Slow() {
  FaultMode mode;
  mode.Name = "slow";
  mode.SimulatorArgs = {"--delay-ms", "200"};
  return mode;
}

// The same agent, paused before each window opens and going on once it closed.
FaultMode Silent() {
  FaultMode mode = Slow();
  mode.Name = "silent";
  mode.StopInWalk = true;
  return mode;
}

void Sweep(std::vector<SweepWindow> windows, const FaultMode &slow, const FaultMode &silent, SweepAgent &agent,
           const char *only, std::vector<Row> &rows) {
  for (SweepWindow &window : windows) {
    if (only && window.Name.find(only) == std::string::npos) continue;
    Row row{window.Name};
    row.Slow = SweepOne(window, slow, agent).StallMs;
    window.StopAt = 0;
    row.Silent = SweepOne(window, silent, agent).StallMs;
    std::printf("%-60s %8lld %8lld\n", row.Name.c_str(), static_cast<long long>(row.Slow),
                static_cast<long long>(row.Silent));
    std::fflush(stdout);
    rows.push_back(row);
  }
}
}  // namespace

int main(int argc, char **argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  const char *only = argc > 1 ? argv[1] : nullptr;
  char dir[] = "/tmp/kv_stall_bench_XXXXXX";
  if (!mkdtemp(dir) || chdir(dir) != 0) return 1;
  ::setenv("XDG_CONFIG_DIRS", (std::string(dir) + "/no-config").c_str(), 1);

  const FaultMode slow = Slow(), silent = Silent();
  SweepAgent agent(slow);
  if (!agent.Started()) {
    std::fprintf(stderr, "the simulator did not start: %s\n", agent.Output().c_str());
    return 1;
  }
  Platform::ScriptedMessageBoxes boxes;  // every box answered with its first button (Save Changes: OK)
  std::vector<Row> rows;
  std::printf("%-60s %8s %8s\n", "window", "slow ms", "silent ms");
  {
    auto form = std::make_unique<TMainForm>(std::vector<std::string>{
        "/I127.0.0.1", "/t" + std::to_string(agent.Port()), "/v1", "/Rrdwalk", "/Wwrtgate"});
    form->show();
    SNMPTimeout = kTimeout;
    RuntimeVersion = "Build 2.03";  // the spanning tree entry opens its window
    std::vector<SweepWindow> windows = MenuWindows(*form);
    // Save Changes: a confirmed blocking Set with its own five-second tries.
    for (const KvMenuItemDef &item : MainMenuTree()) {
      const KvMenuEntry *entry = item.Key[0] ? FindMenuEntry(item.Key) : nullptr;
      if (!entry || std::string(entry->Key) != "D1") continue;
      SweepWindow save;
      save.Name = std::string(entry->Key) + " " + item.Name + " (write)";
      save.Kind = "device action";
      const std::string name = item.Name;
      TMainForm *main = form.get();
      save.Open = [main, name] { main->MenuItem(name)->trigger(); };
      save.Outcome = [main] { return main->StatusBar->PanelText(0); };
      save.SilentWhenAnswered = true;
      save.ExtraCloseWaitMs = 20000;
      windows.push_back(std::move(save));
    }
    Sweep(std::move(windows), slow, silent, agent, only, rows);
  }
  Sweep(CompanionWindows(agent.Port(), -1, kTimeout), slow, silent, agent, only, rows);

  std::sort(rows.begin(), rows.end(), [](const Row &a, const Row &b) { return a.Worst() > b.Worst(); });
  std::printf("\nworst five (slow ms, silent ms):\n");
  for (size_t i = 0; i < rows.size() && i < 5; ++i)
    std::printf("  %-58s %8lld %8lld\n", rows[i].Name.c_str(), static_cast<long long>(rows[i].Slow),
                static_cast<long long>(rows[i].Silent));
  const qint64 worst = rows.empty() ? 0 : rows.front().Worst();
  std::printf("\n%zu windows; longest stall %lld ms; worst / goal (%d ms) = %.2f\n", rows.size(),
              static_cast<long long>(worst), kGoalMs, static_cast<double>(worst) / kGoalMs);
  return 0;
}
