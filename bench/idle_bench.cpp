// Processor time of the module's main window left alone: the window as the host suite
// starts it against the simulated switch, its front panel polling the LEDs every 5 s, on
// a quiet switch (no traffic: no LED blinks) and on a busy one (the link LEDs of the ports
// with traffic blink after every poll), against a bare Qt program showing a window of the same size (bare_window, Qt Widgets
// and net-snmp only), each a process of its own, rounds paired, min/median/max. Each
// process settles for 2 s first (start-up and the first poll), then counts its CPU time
// (user + system, CLOCK_PROCESS_CPUTIME_ID) over the measured seconds.
//
//   build/bench/idle_bench [seconds] [rounds]

#include "bench_timing.h"
#include "kv_snmp_request2_leds.h"
#include "main_form.h"
#include "module_start.h"
#include "panel_form.h"
#include "switch_sim_agent.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <iostream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {
constexpr int kSettleMs = 2000;

double CpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

// The module's window, in this process: prints "idle <cpu seconds> <wall seconds> <polls> <blink ticks>".
int RunModule(int argc, char **argv, int port, int seconds) {
  QApplication app(argc, argv);
  int status = 0;
  auto form = StartModule({"/I127.0.0.1", "/t" + std::to_string(port), "/v1", "/Rrdwalk", "/Wwrtgate"}, status,
                          std::cerr);
  if (!form) return 1;
  form->show();
  double cpu = 0;
  QElapsedTimer wall;
  int polls = 0, blinks = 0;
  QObject::connect(form->PanelForm->Leds->PollTimer, &QTimer::timeout, &app, [&] { ++polls; });
  QObject::connect(form->PanelForm->Leds->BlinkTimer, &QTimer::timeout, &app, [&] { ++blinks; });
  QTimer::singleShot(kSettleMs, &app, [&] {
    cpu = CpuSeconds();
    polls = blinks = 0;
    wall.start();
    QTimer::singleShot(seconds * 1000, &app, [&] {
      std::printf("idle %.6f %.6f %d %d\n", CpuSeconds() - cpu, static_cast<double>(wall.nsecsElapsed()) / 1e9, polls,
                  blinks);
      std::fflush(stdout);
      std::_Exit(0);  // what the window does when it closes is not measured here
    });
  });
  return app.exec();
}

struct Idle {
  double Share = -1;  // of a core; -1: the program did not report
  int Polls = 0, Blinks = 0;
};

// The share of a core the program used while idle, the LED polls and blink ticks it made.
Idle Measure(const std::vector<std::string> &command) {
  int out[2];
  if (pipe(out) != 0) return {};
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(out[1], 1);
    close(out[0]);
    std::vector<char *> args;
    for (const std::string &a : command) args.push_back(const_cast<char *>(a.c_str()));
    args.push_back(nullptr);
    execv(args[0], args.data());
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
  std::string word;
  double cpu = 0, wall = 0;
  Idle idle;
  if (!(in >> word >> cpu >> wall) || word != "idle" || wall <= 0) return idle;
  in >> idle.Polls >> idle.Blinks;
  idle.Share = cpu / wall;
  return idle;
}
}  // namespace

int main(int argc, char **argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  if (argc == 4 && std::string(argv[1]) == "--module")
    return RunModule(argc, argv, std::atoi(argv[2]), std::atoi(argv[3]));
  const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
  const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;

  char self[4096] = {};
  if (readlink("/proc/self/exe", self, sizeof self - 1) <= 0) return 1;
  char dir[] = "/tmp/kv_idle_bench_XXXXXX";  // the module writes its boot counter here
  if (!mkdtemp(dir) || chdir(dir) != 0) return 1;
  SwitchSimAgent sw, quiet({{}, false, {"--no-traffic"}});
  if (!sw.Started() || !quiet.Started()) {
    std::fprintf(stderr, "the simulator did not start\n");
    return 1;
  }
  const std::string port = std::to_string(sw.Port()), time = std::to_string(seconds);
  std::vector<double> bare, module, busy;
  int polls = 0, blinks = 0, busyBlinks = 0;
  for (int r = 0; r < rounds; ++r) {
    const auto b = Measure({BARE_WINDOW, port, "idle", time});
    const auto m = Measure({self, "--module", std::to_string(quiet.Port()), time});
    const auto t = Measure({self, "--module", port, time});
    if (b.Share < 0 || m.Share < 0 || t.Share < 0) {
      std::fprintf(stderr, "a measured program did not report\n");
      return 1;
    }
    bare.push_back(b.Share);
    module.push_back(m.Share);
    busy.push_back(t.Share);
    polls = m.Polls;
    blinks = m.Blinks;
    busyBlinks = t.Blinks;
  }
  std::printf("idle for %d s after %d ms settling (%s), %d paired rounds, %% of a core min/median/max\n", seconds,
              kSettleMs, std::getenv("QT_QPA_PLATFORM"), rounds);
  std::printf("  reference: bare Qt program with its window   %s\n", Show(SpreadOf(bare), 100, "%.4f").c_str());
  std::printf("  module's main window, quiet switch            %s  (goal <= 0.02%%)\n",
              Show(SpreadOf(module), 100, "%.4f").c_str());
  std::printf("  module's main window, busy switch (blinks)   %s\n", Show(SpreadOf(busy), 100, "%.4f").c_str());
  std::printf("  in the last round: %d LED polls; blink ticks %d quiet, %d busy (the blink timer runs only while an "
              "LED blinks)\n",
              polls, blinks, busyBlinks);
  std::printf("  above the bare program, medians: %.4f%% of a core\n",
              (SpreadOf(module).Median - SpreadOf(bare).Median) * 100);
  return 0;
}
