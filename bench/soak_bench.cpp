// A long run that must lose nothing: the module's main window, started as the host suite
// starts it, polling the front panel's LEDs every 5 seconds, beside a generic window of
// the switch's 1000-row IGMP group table that reads its table again as soon as a read
// has ended, against the simulated switch answering nothing to every N-th request. It
// prints the resident memory after the warm-up and at the end (the ratio must stay
// under 1.1), and how many LED polls and table reads ran and how many of each ended in
// a reported failure.
//
// The table window's reads take turns: one with the module's own time-out and retry, so
// that a dropped request costs a retry and the whole table arrives, then one without a
// retry, so that a dropped request ends the read in a failure that the window reports.
// The front panel keeps the module's own time-out and retry, as it has them in the field.
//
//   build/bench/soak_bench [minutes] [--seconds S] [--warmup S] [--drop-every N] [--rows N]

#include "bench_timing.h"
#include "config_form.h"
#include "kv_list_model.h"
#include "kv_mib_core_set.h"
#include "kv_snmp_request2_edits.h"
#include "kv_snmp_request2_leds.h"
#include "kv_snmp_session.h"
#include "kv_status_bar.h"
#include "list_view_panel.h"
#include "main_form.h"
#include "module_start.h"
#include "msg_panel.h"
#include "panel_form.h"
#include "snmp_list_view_panel.h"
#include "switch_sim_agent.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>

namespace {

bool IsSuccess(const std::string &statusLine) { return statusLine.find(LibraryMessage(0)) != std::string::npos; }

struct Counts {
  long Polls = 0, PollFailures = 0;
  long Refreshes = 0, RefreshFailures = 0;
  long FullTables = 0;  // successful reads that ended with every generated row in the list
  int LastRows = 0;     // rows in the list when the last successful read ended
};

// Lets events run for `ms` milliseconds, sleeping between them.
void RunFor(qint64 ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

}  // namespace

int main(int argc, char **argv) {
  const int minutes = argc > 1 && argv[1][0] != '-' ? std::atoi(argv[1]) : 30;
  const int seconds = Option(argc, argv, "--seconds", minutes * 60);
  const int warmup = Option(argc, argv, "--warmup", 60);
  const int dropEvery = Option(argc, argv, "--drop-every", 97);
  const int rows = Option(argc, argv, "--rows", 1000);
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  // The module writes its boot counter into the current directory; no instance socket of
  // a real session is touched.
  const std::string dir = MakeTempDir("kvsoak");
  std::filesystem::current_path(dir);
  setenv("XDG_RUNTIME_DIR", dir.c_str(), 1);
  setenv("XDG_CONFIG_DIRS", (dir + "/no-config").c_str(), 1);
  QApplication app(argc, argv);

  SwitchSimAgent sim({{}, false, {"--rows", std::to_string(rows), "--drop-every", std::to_string(dropEvery)}});
  if (!sim.Started()) {
    std::fprintf(stderr, "the simulator did not start:\n%s", sim.Output().c_str());
    return 1;
  }
  int status = 0;
  std::unique_ptr<TMainForm> form =
      StartModule({"/I127.0.0.1", "/t" + std::to_string(sim.Port()), "/v1", "/Rrdwalk", "/Wwrtgate"}, status,
                  std::cerr);
  if (!form) return 1;
  form->show();

  Counts counts;
  // A poll ends well within its period (2 s per try, one retry, every 5 s): at each tick
  // the status bar holds the previous poll's outcome.
  KvStatusBar *bar = form->StatusBar;
  QTimer *pollTimer = form->PanelForm->Leds->PollTimer;
  QObject::connect(pollTimer, &QTimer::timeout, [&] {
    ++counts.Polls;
    const std::string line = bar->SimpleText();
    if (!line.empty() && !IsSuccess(line)) ++counts.PollFailures;
  });

  // The table window, as the menu builds it from the global settings.
  auto *table = new TConfigForm();
  table->SetCaptionFor("IGMP Group Table");
  auto binding = std::make_unique<KvSNMPRequest2Edits>(table);
  binding->Request.VarList = KvSNMPVarList(IgmpInfoDefs, MVT_FMV, 2);
  TSNMPListViewPanel *panel = table->SetListViewPanel(std::move(binding), -1, "", -1, "");
  QPlainTextEdit *memo = panel->MsgPanel->Memo;
  table->show();

  // Each read that has ended is counted from the window's message memo, then the next one
  // starts; the memo keeps its last line only, as an operator would clear it.
  bool wasBusy = true;
  QTimer driver;
  QObject::connect(&driver, &QTimer::timeout, [&] {
    KvSNMPRequest2Edits *current = table->Current;
    if (!current) return;
    const bool busy = current->Busy();
    if (busy) {
      wasBusy = true;
      return;
    }
    if (!wasBusy) return;
    wasBusy = false;
    const std::string line = memo->document()->lastBlock().text().toStdString();
    ++counts.Refreshes;
    if (!IsSuccess(line)) {
      ++counts.RefreshFailures;
    } else {
      counts.LastRows = panel->ListPanel->Rows->RowCount();
      if (counts.LastRows >= rows) ++counts.FullTables;
    }
    memo->clear();
    current->Request.Settings.Timing.Retries = counts.Refreshes % 2 == 0 ? 1 : 0;
    table->RefreshCurrent();
  });
  driver.start(50);

  std::printf("soak: main window polling the front panel and a %d-row table window, simulator dropping "
              "every %d-th request; warm-up %d s, run %d s\n",
              rows, dropEvery, warmup, seconds);
  std::fflush(stdout);
  RunFor(static_cast<qint64>(warmup) * 1000);
  const long startKiB = ResidentKiB();
  const Counts atStart = counts;
  std::printf("  after warm-up: resident %ld KiB (%ld polls, %ld reads so far)\n", startKiB, counts.Polls,
              counts.Refreshes);
  std::fflush(stdout);

  QElapsedTimer wall;
  wall.start();
  const qint64 total = static_cast<qint64>(seconds) * 1000;
  while (wall.elapsed() + 1000 < total) {
    RunFor(std::min<qint64>(300000, total - wall.elapsed()));
    std::printf("  %4lld s: resident %ld KiB, %ld polls (%ld failed), %ld reads (%ld failed)\n",
                static_cast<long long>(wall.elapsed() / 1000), ResidentKiB(), counts.Polls, counts.PollFailures,
                counts.Refreshes, counts.RefreshFailures);
    std::fflush(stdout);
  }
  const long endKiB = ResidentKiB();
  const double ratio = static_cast<double>(endKiB) / static_cast<double>(startKiB);

  driver.stop();
  table->close();
  delete table;
  form.reset();

  std::printf("resident memory: start %ld KiB, end %ld KiB, ratio %.3f (must stay under 1.1: %s)\n", startKiB,
              endKiB, ratio, ratio < 1.1 ? "held" : "NOT held");
  std::printf("during the run: %ld LED polls, %ld failures reported; %ld table reads, %ld failures reported, "
              "%ld successful with all %d generated rows (%d rows in the list at the last)\n",
              counts.Polls - atStart.Polls, counts.PollFailures - atStart.PollFailures,
              counts.Refreshes - atStart.Refreshes, counts.RefreshFailures - atStart.RefreshFailures,
              counts.FullTables - atStart.FullTables, rows, counts.LastRows);
  std::printf("whole run with warm-up: %ld polls (%ld failed), %ld reads (%ld failed)\n", counts.Polls,
              counts.PollFailures, counts.Refreshes, counts.RefreshFailures);
  return ratio < 1.1 ? 0 : 3;
}
