// CPU share of the front panel: the panel window shown (offscreen) against the simulated
// switch, polling its LEDs every 5 seconds with the blink timer running, for a minute;
// the process's CPU time (user + system) over the wall time. The reference is the same
// process idle for the same time with only the event pump running, measured first.
// The goal is under 1% of one core.
//
//   build/bench/panel_poll_bench [seconds]

#include "kv_snmp_request2_leds.h"
#include "kv_snmp_session.h"
#include "kv_status_bar.h"
#include "panel_form.h"
#include "snmp_event_processor.h"
#include "switch_sim_agent.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>

namespace {
double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  auto seconds = [](const timeval &t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// CPU share of the process while the event loop runs for `seconds`.
double Share(int seconds) {
  const double cpu = CpuSeconds();
  QElapsedTimer wall;
  wall.start();
  // The program's own loop, which sleeps between events.
  QEventLoop loop;
  QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
  loop.exec();
  return (CpuSeconds() - cpu) / (static_cast<double>(wall.elapsed()) / 1000.0);
}
}  // namespace

int main(int argc, char **argv) {
  const int seconds = argc > 1 ? std::atoi(argv[1]) : 60;
  if (!std::getenv("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  KvSNMPCreateSession(MakeTempDir("kvbench"));
  SwitchSimAgent sim({{}, true, {}});
  if (!sim.Started()) {
    std::fprintf(stderr, "the simulator did not start:\n%s", sim.Output().c_str());
    return 1;
  }
  SnmpEventPump().Start();

  const double idle = Share(seconds);

  KvStatusBar bar;
  bar.AddPanel(0);
  KvSNMPSettings settings;
  sim.AimAt(settings, 1);
  TPanelForm panel(nullptr, &bar, settings);
  panel.show();
  const size_t before = sim.LogLinesWith({"1.3.6.1.4.1.171.11.43.2.2.1.1.4"}).size();
  const double polling = Share(seconds);
  const size_t polls = sim.LogLinesWith({"1.3.6.1.4.1.171.11.43.2.2.1.1.4"}).size() - before;

  std::printf("front panel LED polling every %d s, %d s each\n", panel.Leds->PollTimer->interval() / 1000, seconds);
  std::printf("  idle process (event pump only):  %.3f%% of one core\n", idle * 100);
  std::printf("  panel shown and polling:         %.3f%% of one core (%zu polls answered)\n", polling * 100, polls);
  std::printf("  polling share above idle:        %.3f%%   goal < 1%%: %s\n", (polling - idle) * 100,
              polling < 0.01 ? "met" : "NOT met");
  std::printf("  ratio polling / idle:            %.2f\n", idle > 0 ? polling / idle : 0.0);
  std::printf("  last status: %s\n", bar.SimpleText().c_str());
  return 0;
}
