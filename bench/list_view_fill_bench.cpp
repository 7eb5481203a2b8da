// Filling the generic window's list (the list panel, its binding and its rows model) with
// a table walked from the simulated switch, asynchronously as the windows read and
// blocking, against the walk a user would pick (net-snmp's blocking API, the same GetBulk
// requests: raw_walk.h) and against the request engine's own asynchronous walk without a
// list (the list's own cost is the difference), paired round by round, min/median/max.
//
// Beside them, as the list was filled before the rows model: QTreeWidget items.
//
// Then, in a process of its own for each size, a long list: resident memory before and
// after the fill (bytes per listed row and per cell, at two sizes to show it grows
// linearly), the longest time the event loop did not run while it filled, and the time to
// scroll to the end and draw it.
//
//   build/bench/list_view_fill_bench [--rows "1000,10000"] [--rounds 5] [--long "20000,100000"]
//                                    [--delay-ms 0]

#include "bench_timing.h"
#include "event_wait.h"
#include "kv_controls.h"
#include "kv_list_model.h"
#include "kv_mib_core_set.h"
#include "kv_snmp_request2_edits.h"
#include "kv_snmp_session.h"
#include "list_view_panel.h"
#include "raw_walk.h"
#include "snmp_event_processor.h"
#include "switch_sim_agent.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QTimer>
#include <QTreeView>
#include <QTreeWidget>
#include <QWidget>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {
constexpr int kLimitMs = 600000;

void Aim(KvSNMPRequest &request, int port) {
  request.Settings.Device.Address = "127.0.0.1";
  request.Settings.Device.Port = static_cast<uint16_t>(port);
  request.Settings.Security.Version = 1;
  request.Settings.Security.ReadCommunity = SwitchSimAgent::kReadCommunity;
  request.Settings.Timing.Timeout = 2000;
  // The switch's IGMP group table, the one the simulator fills with --rows.
  request.VarList = KvSNMPVarList(IgmpInfoDefs, MVT_FMV, 2);
  request.MaxRows = 10 * KvSNMPRequest::kMaxRows;
}

// The engine's asynchronous walk, rows counted and dropped.
int EngineWalk(int port) {
  KvSNMPRequest request;
  Aim(request, port);
  int rows = 0;
  bool done = false;
  std::function<void(bool)> next = [&](bool first) {
    request.GetAsync(
        [&](void *, KvSNMPError *error, KvSNMPVarList *) {
          if (error->Code != 0 || error->Done) {
            done = true;
            return;
          }
          ++rows;
          next(false);
        },
        nullptr, first);
  };
  next(true);
  RunEventsUntil([&] { return done; }, kLimitMs);
  return rows;
}

// The generic window's list, shown, filled through its binding.
struct ListWindow {
  explicit ListWindow(int port, unsigned char mode) : binding(&window) {
    Aim(binding.Request, port);
    binding.RequestMode = mode;
    panel = new TListViewPanel(&window, &binding);
    window.resize(panel->size());
    window.show();
  }
  int Fill() {
    binding.Refresh();
    RunEventsUntil([&] { return !binding.Busy(); }, kLimitMs);
    return panel->Rows->RowCount();
  }
  QWidget window;
  KvSNMPRequest2Edits binding;
  TListViewPanel *panel = nullptr;
};

int FillList(int port, unsigned char mode) { return ListWindow(port, mode).Fill(); }

// As the generic window filled its list before the rows model: a QTreeWidget item, an
// insert and an event round per row (the feature windows' small lists still do), here in
// a hidden window, which lays nothing out: a lower bound of what it cost.
struct ItemList {
  explicit ItemList(int port) : binding(&window) {
    Aim(binding.Request, port);
    binding.RequestMode = KvSNMPRequest2Controls::Asynchronous;
    list = MakeListView(&window);
    binding.BindListView(list, false);
  }
  int Fill() {
    binding.Refresh();
    RunEventsUntil([&] { return !binding.Busy(); }, kLimitMs);
    return list->topLevelItemCount();
  }
  QWidget window;
  KvSNMPRequest2Edits binding;
  QTreeWidget *list = nullptr;
};

// The long list, in this process: prints "rows columns kib-before kib-after stall-ms scroll-ms";
// with `items` the rows as QTreeWidget items instead (no scrolling measured).
int LongList(int port, bool items) {
  if (items) {
    ItemList list(port);
    RunEventsUntil([] { return false; }, 300);
    const long before = ResidentKiB();
    const int rows = list.Fill();
    std::printf("%d %d %ld %ld 0 0\n", rows, list.list->columnCount(), before, ResidentKiB());
    return 0;
  }
  ListWindow list(port, KvSNMPRequest2Controls::Asynchronous);
  RunEventsUntil([] { return false; }, 300);
  const long before = ResidentKiB();
  // The event loop's longest absence: a timer due every 5 ms, late by that much.
  QElapsedTimer clock;
  clock.start();
  qint64 last = 0, stall = 0;
  QTimer beat;
  beat.setTimerType(Qt::PreciseTimer);
  QObject::connect(&beat, &QTimer::timeout, [&] {
    const qint64 now = clock.elapsed();
    stall = std::max(stall, now - last);
    last = now;
  });
  beat.start(5);
  const int rows = list.Fill();
  RunEventsUntil([] { return false; }, KvListModel::kLongestBatchMs + 200);  // the last batch drawn
  beat.stop();
  const long after = ResidentKiB();
  QElapsedTimer scroll;
  scroll.start();
  list.panel->ListView->scrollToBottom();
  list.panel->ListView->viewport()->repaint();
  list.panel->ListView->verticalScrollBar()->setValue(list.panel->ListView->verticalScrollBar()->maximum() / 2);
  list.panel->ListView->viewport()->repaint();
  const qint64 scrollMs = scroll.elapsed();
  std::printf("%d %d %ld %ld %lld %lld\n", rows, list.panel->Rows->ColumnCount(), before, after,
              static_cast<long long>(stall - 5), static_cast<long long>(scrollMs));
  return 0;
}

struct LongRun {
  int Rows = 0, Columns = 0;
  long Before = 0, After = 0, StallMs = 0, ScrollMs = 0;
};

LongRun MeasureLong(const char *self, int port, bool items) {
  int out[2];
  LongRun run;
  if (pipe(out) != 0) return run;
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(out[1], 1);
    close(out[0]);
    const std::string p = std::to_string(port);
    execl(self, self, items ? "--long-items" : "--long-list", p.c_str(), static_cast<char *>(nullptr));
    _exit(127);
  }
  close(out[1]);
  std::string text;
  char buffer[256];
  for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;) text.append(buffer, static_cast<size_t>(n));
  close(out[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  std::istringstream in(text);
  in >> run.Rows >> run.Columns >> run.Before >> run.After >> run.StallMs >> run.ScrollMs;
  return run;
}

std::vector<int> Sizes(int argc, char **argv, const char *name, const char *fallback) {
  std::string list = fallback;
  for (int i = 1; i + 1 < argc; ++i)
    if (std::string(argv[i]) == name) list = argv[i + 1];
  std::vector<int> sizes;
  std::istringstream in(list);
  for (std::string part; std::getline(in, part, ',');)
    if (std::atoi(part.c_str()) > 0) sizes.push_back(std::atoi(part.c_str()));
  return sizes;
}

SwitchSimOptions Simulator(int rows, int delayMs) {
  SwitchSimOptions options{{}, false, {"--rows", std::to_string(rows)}};
  if (delayMs > 0) {
    options.extraArgs.push_back("--delay-ms");
    options.extraArgs.push_back(std::to_string(delayMs));
  }
  return options;
}
}  // namespace

int main(int argc, char **argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  KvSNMPCreateSession(MakeTempDir("kvbench"));
  SnmpEventPump().Start();
  if (argc == 3 && std::string(argv[1]) == "--long-list") return LongList(std::atoi(argv[2]), false);
  if (argc == 3 && std::string(argv[1]) == "--long-items") return LongList(std::atoi(argv[2]), true);

  const int rounds = Option(argc, argv, "--rounds", 5);
  const int delayMs = Option(argc, argv, "--delay-ms", 0);
  bool same = true;
  for (int size : Sizes(argc, argv, "--rows", "1000,10000")) {
    SwitchSimAgent sim(Simulator(size, delayMs));
    if (!sim.Started()) {
      std::fprintf(stderr, "the simulator did not start:\n%s", sim.Output().c_str());
      return 1;
    }
    const int port = sim.Port();
    std::vector<int> rows;
    std::vector<Spread> ratios;
    const std::vector<Spread> seconds = PairedRounds(
        {[&] { return RawBulkWalk(port, SwitchSimAgent::kReadCommunity, IgmpInfoDefs); },
         [&] { return EngineWalk(port); },
         [&] { return FillList(port, KvSNMPRequest2Controls::Asynchronous); },
         [&] { return FillList(port, KvSNMPRequest2Controls::Blocking); },
         [&] { return ItemList(port).Fill(); }},
        rounds, rows, &ratios);
    std::printf("IGMP group table, %d generated rows, %d ms per answer, %d paired rounds, s min/median/max\n",
                size, delayMs, rounds);
    const char *names[] = {"reference: net-snmp GetBulk walk      ", "engine's asynchronous walk, no list  ",
                           "generic list, asynchronous binding   ", "generic list, blocking binding       ",
                           "before: QTreeWidget items, hidden    "};
    for (size_t c = 0; c < seconds.size(); ++c) {
      std::printf("  %s %6d rows  %s", names[c], rows[c], Show(seconds[c]).c_str());
      if (c > 0) std::printf("  ratio %s", Show(ratios[c], 1, "%.2f").c_str());
      std::printf("\n");
      same = same && rows[c] == rows[0];
    }
    std::printf("  asynchronous list / engine's walk (goal <= 1.2): median %.2f\n",
                seconds[2].Median / seconds[1].Median);
  }

  char self[4096] = {};
  if (readlink("/proc/self/exe", self, sizeof self - 1) <= 0) return 1;
  std::vector<LongRun> longs;
  for (int size : Sizes(argc, argv, "--long", "20000,100000")) {
    SwitchSimAgent sim(Simulator(size, 0));
    if (!sim.Started()) return 1;
    const LongRun run = MeasureLong(self, sim.Port(), false);
    if (run.Rows <= 0) {
      std::fprintf(stderr, "the long list of %d rows did not fill\n", size);
      return 1;
    }
    longs.push_back(run);
    const LongRun items = MeasureLong(self, sim.Port(), true);
    if (items.Rows > 0)
      std::printf("before: QTreeWidget items %6d rows: resident %ld -> %ld KiB, %.0f bytes per row\n", items.Rows,
                  items.Before, items.After, 1024.0 * static_cast<double>(items.After - items.Before) / items.Rows);
    const double perRow = 1024.0 * static_cast<double>(run.After - run.Before) / run.Rows;
    std::printf("long list %6d rows x %d columns: resident %ld -> %ld KiB, %.0f bytes per row (goal <= 300), "
                "%.1f per cell; longest stall %ld ms (goal <= 50); scroll to the end and draw %ld ms\n",
                run.Rows, run.Columns, run.Before, run.After, perRow, perRow / run.Columns, run.StallMs,
                run.ScrollMs);
  }
  if (longs.size() >= 2) {
    const LongRun &a = longs.front(), &b = longs.back();
    const double marginal = 1024.0 * static_cast<double>((b.After - b.Before) - (a.After - a.Before)) /
                            static_cast<double>(b.Rows - a.Rows);
    std::printf("growth from %d to %d rows: %.0f bytes per added row (linear: close to the per-row figures)\n",
                a.Rows, b.Rows, marginal);
  }
  return same ? 0 : 2;
}
