// Start-up of the module: from process start to the main window painted with the front
// panel's first LED poll shown, against a bare Qt window of the same size plus one
// blocking Get of the same agent, in the same run against the simulated switch; and the
// resident memory of both once painted.
//
//   build/bench/startup_bench [rounds]
//
// The benchmark starts itself as the measured process: "--module PORT" runs the module's
// start, "--bare PORT" the reference; each prints its resident memory once painted and
// exits, and the parent times the process from fork to that line.

#include "bench_timing.h"
#include "front_picture.h"
#include "kv_mib_core_set.h"
#include "kv_snmp_request.h"
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

int RunBare(int argc, char **argv, int port) {
  QApplication app(argc, argv);
  QWidget window;
  window.setFixedSize(786, 133);
  KvSNMPCreateSession("");
  KvSNMPRequest request;
  request.Settings.Device.Address = "127.0.0.1";
  request.Settings.Device.Port = static_cast<uint16_t>(port);
  request.Settings.Security.Version = 1;
  request.Settings.Security.ReadCommunity = "rdwalk";
  request.VarList = KvSNMPVarList(RuntimeVersionDefs, SVT_SV, 0);
  request.Get(true);
  FirstPaint paint;
  window.installEventFilter(&paint);
  window.show();
  return app.exec();
}

struct Run {
  double Seconds = 0;
  long ResidentKiB = 0;
};

Run Measure(const char *self, const char *mode, int port) {
  int out[2];
  if (pipe(out) != 0) return {-1, 0};
  const auto start = std::chrono::steady_clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(out[1], 1);
    close(out[0]);
    const std::string p = std::to_string(port);
    execl(self, self, mode, p.c_str(), static_cast<char *>(nullptr));
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
    std::fprintf(stderr, "%s did not paint (status %d)\n", mode, status);
    run.Seconds = -1;
    return run;
  }
  run.ResidentKiB = std::atol(line.c_str() + 8);
  return run;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

}  // namespace

int main(int argc, char **argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  if (argc == 3 && std::string(argv[1]) == "--module") return RunModule(argc, argv, std::atoi(argv[2]));
  if (argc == 3 && std::string(argv[1]) == "--bare") return RunBare(argc, argv, std::atoi(argv[2]));
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;

  char self[4096] = {};
  if (readlink("/proc/self/exe", self, sizeof self - 1) <= 0) return 1;
  char dir[] = "/tmp/kv_startup_bench_XXXXXX";  // the module writes its boot counter here
  if (!mkdtemp(dir) || chdir(dir) != 0) return 1;
  SwitchSimAgent sw;
  if (!sw.Started()) {
    std::fprintf(stderr, "the simulator did not start\n");
    return 1;
  }
  std::vector<double> module, bare;
  long moduleKiB = 0, bareKiB = 0;
  if (Measure(self, "--module", sw.Port()).Seconds < 0) return 1;  // warms the caches once
  for (int i = 0; i < rounds; ++i) {
    const Run b = Measure(self, "--bare", sw.Port());
    const Run m = Measure(self, "--module", sw.Port());
    if (b.Seconds < 0 || m.Seconds < 0) return 1;
    bare.push_back(b.Seconds);
    module.push_back(m.Seconds);
    bareKiB = std::max(bareKiB, b.ResidentKiB);
    moduleKiB = std::max(moduleKiB, m.ResidentKiB);
  }
  const double m = Median(module), b = Median(bare);
  std::printf("start-up to first paint, median of %d: module %.1f ms, bare window + one Get %.1f ms\n", rounds,
              m * 1000, b * 1000);
  std::printf("ratio module / reference: %.2f (target <= 1.5)\n", m / b);
  std::printf("resident memory once painted: module %ld KiB, bare window %ld KiB, ratio %.2f\n", moduleKiB,
              bareKiB, static_cast<double>(moduleKiB) / static_cast<double>(bareKiB));
  return 0;
}
