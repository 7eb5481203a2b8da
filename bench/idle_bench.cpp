// Processor time of an idle process: a bare Qt event loop against the same loop with
// the SNMP session created, its pump started and a session to the simulated switch
// open (one Get answered first, so that its socket is watched).
//
//   build/bench/idle_bench [seconds]

#include "kv_snmp_request.h"
#include "kv_snmp_session.h"
#include "snmp_event_processor.h"
#include "switch_sim_agent.h"

#include <QCoreApplication>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>

namespace {
const KvSNMPVarDef kSysDefs[] = {{"1.3.6.1.2.1.1.1", "sysDescr", Syntax::DisplayStr, Access::ReadOnly, nullptr},
                                 {nullptr, nullptr, 0, 0, nullptr}};

double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// The share of one core the process used while its event loop ran idle for `seconds`.
double IdleShare(QCoreApplication &app, int seconds) {
  QTimer::singleShot(seconds * 1000, &app, &QCoreApplication::quit);
  const double cpu = CpuSeconds();
  const auto start = std::chrono::steady_clock::now();
  app.exec();
  const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  return (CpuSeconds() - cpu) / wall;
}
}  // namespace

int main(int argc, char **argv) {
  const int seconds = argc > 1 ? std::atoi(argv[1]) : 20;
  QCoreApplication app(argc, argv);

  const double bare = IdleShare(app, seconds);

  KvSNMPCreateSession(MakeTempDir("kvbench"));
  SwitchSimAgent sim;
  if (!sim.Started()) {
    std::fprintf(stderr, "the simulator did not start:\n%s", sim.Output().c_str());
    return 1;
  }
  {
    KvSNMPRequest request;
    sim.AimAt(request.Settings, 1);
    request.VarList = KvSNMPVarList(kSysDefs, SVT_SV, 0);
    bool answered = false;
    request.GetAsync([&](void *, KvSNMPError *error, KvSNMPVarList *) { answered = error->Code == 0; }, nullptr, true);
    while (request.PendingCount() > 0) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    if (!answered) {
      std::fprintf(stderr, "the simulator did not answer\n");
      return 1;
    }
  }
  const long rounds = SnmpEventPump().Rounds();
  const double session = IdleShare(app, seconds);
  const long idleRounds = SnmpEventPump().Rounds() - rounds;

  std::printf("idle for %d s each\n", seconds);
  std::printf("  reference: bare Qt event loop         %.4f%% of a core\n", bare * 100);
  std::printf("  session open, pump started            %.4f%% of a core  (goal < 0.05%%)  %ld pump rounds\n",
              session * 100, idleRounds);
  return 0;
}
