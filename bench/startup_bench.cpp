// Start-up of the module: from process start to the main window painted with the front
// panel's first LED poll shown, against a separate bare Qt program (bare_window: a window
// of the same size plus one blocking Get of the same agent with net-snmp, none of the
// module's libraries), in the same run against the simulated switch, rounds paired,
// min/median/max; and the resident memory of both once painted. Offscreen, and under X
// as well when a display is there (DISPLAY, e.g. under xvfb-run). Beside the reference, two
// variants of the bare program split the difference: with a menu bar (its text loads the
// fonts, as in every window with a caption) and, on top, linked to Qt Charts (the library
// the module's RMON history charts need, loaded at every start).
//
//   build/bench/startup_bench [rounds]
//
// The benchmark starts itself as the module ("--module PORT") and the bare program; each
// prints its resident memory once painted and exits, and the parent times the process
// from fork to that line.

#include "bench_timing.h"
#include "front_picture.h"
#include "kv_snmp_session.h"
#include "main_form.h"
#include "module_start.h"
#include "panel_form.h"
#include "switch_sim_agent.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

// Prints the resident memory and ends the process at the first paint of `watched`.
class FirstPaint : public QObject {
public:
  bool eventFilter(QObject *, QEvent *event) override {
    if (event->type() == QEvent::Paint) {
      std::printf("painted %ld\n", ResidentKiB());
      std::fflush(stdout);
      std::_Exit(0);
    }
    return false;
  }
};

int RunModule(int argc, char **argv, int port) {
  QApplication app(argc, argv);
  int status = 0;
  auto form = StartModule({"/I127.0.0.1", "/t" + std::to_string(port), "/v1", "/Rrdwalk", "/Wwrtgate"}, status,
                          std::cerr);
  if (!form) return 1;
  FirstPaint paint;
  // The panel polled its LEDs once while it was created; its first paint shows them.
  form->PanelForm->Image1->installEventFilter(&paint);
  form->show();
  return app.exec();
}

struct Run {
  double Seconds = 0;
  long ResidentKiB = 0;
};

Run Measure(const char *program, const char *first, const char *second, int port) {
  int out[2];
  if (pipe(out) != 0) return {-1, 0};
  const auto start = std::chrono::steady_clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(out[1], 1);
    close(out[0]);
    const std::string p = std::to_string(port);
    // The module takes "--module PORT", the bare program "PORT first-paint".
    if (std::string(first) == "--module")
      execl(program, program, first, p.c_str(), static_cast<char *>(nullptr));
    else
      execl(program, program, p.c_str(), second, static_cast<char *>(nullptr));
    _exit(127);
  }
  close(out[1]);
  std::string line;
  char c;
  while (read(out[0], &c, 1) == 1 && c != '\n') line += c;
  Run run;
  run.Seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  close(out[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  if (line.rfind("painted ", 0) != 0) {
    std::fprintf(stderr, "%s did not paint (status %d)\n", program, status);
    run.Seconds = -1;
    return run;
  }
  run.ResidentKiB = std::atol(line.c_str() + 8);
  return run;
}

}  // namespace

int main(int argc, char **argv) {
  if (argc == 3 && std::string(argv[1]) == "--module") return RunModule(argc, argv, std::atoi(argv[2]));
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;

  char self[4096] = {};
  if (readlink("/proc/self/exe", self, sizeof self - 1) <= 0) return 1;
  char dir[] = "/tmp/kv_startup_bench_XXXXXX";  // the module writes its boot counter here
  if (!mkdtemp(dir) || chdir(dir) != 0) return 1;
  SwitchSimAgent sw;
  if (!sw.Started()) {
    std::fprintf(stderr, "the simulator did not start\n");
    return 1;
  }
  std::vector<std::string> platforms = {"offscreen"};
  if (std::getenv("DISPLAY")) platforms.push_back("xcb");
  for (const std::string &platform : platforms) {
    setenv("QT_QPA_PLATFORM", platform.c_str(), 1);
    // Each round starts every contender once, in this order; the reference is the first, the
    // module the last.
    struct Contender {
      const char *Name, *Program, *First, *Second;
      std::vector<double> Seconds = {};
      long ResidentKiB = 0;
    };
    Contender contenders[] = {
        {"reference: bare Qt program, window + one net-snmp Get", BARE_WINDOW, "", "first-paint"},
        {"bare program with a menu bar (fonts loaded)", BARE_WINDOW, "", "first-paint-menu"},
        {"the same linked to Qt Charts", BARE_WINDOW_CHARTS, "", "first-paint-menu"},
        {"module, front panel with its polled LEDs", self, "--module", ""},
    };
    Contender &bare = contenders[0], &module = contenders[3];
    // One unmeasured round warms the caches.
    for (const Contender &c : contenders)
      if (Measure(c.Program, c.First, c.Second, sw.Port()).Seconds < 0) return 1;
    std::vector<double> ratio;
    for (int i = 0; i < rounds; ++i) {
      for (Contender &c : contenders) {
        const Run run = Measure(c.Program, c.First, c.Second, sw.Port());
        if (run.Seconds < 0) return 1;
        c.Seconds.push_back(run.Seconds);
        c.ResidentKiB = std::max(c.ResidentKiB, run.ResidentKiB);
      }
      ratio.push_back(module.Seconds.back() / bare.Seconds.back());
    }
    std::printf("start-up to first paint (%s), %d paired rounds, ms min/median/max\n", platform.c_str(), rounds);
    for (const Contender &c : contenders)
      std::printf("  %-55s %s\n", c.Name, Show(SpreadOf(c.Seconds), 1000, "%.1f").c_str());
    std::printf("  ratio module / reference: %s (goal <= 1.5)\n", Show(SpreadOf(ratio), 1, "%.2f").c_str());
    double median[std::size(contenders)];
    for (size_t k = 0; k < std::size(contenders); ++k) median[k] = SpreadOf(contenders[k].Seconds).Median * 1000;
    std::printf("  of the difference (medians, ms): fonts %.1f, Qt Charts %.1f, the module's own work %.1f\n",
                median[1] - median[0], median[2] - median[1], median[3] - median[2]);
    const long moduleKiB = module.ResidentKiB, bareKiB = bare.ResidentKiB;
    std::printf("  resident memory once painted: module %ld KiB, bare program %ld KiB, ratio %.2f\n", moduleKiB,
                bareKiB, static_cast<double>(moduleKiB) / static_cast<double>(bareKiB));
  }
  return 0;
}
