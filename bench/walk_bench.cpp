// Table walks of the request engine against what a user would otherwise run.
//
// CPU, loopback: the simulated switch's IGMP group table (three columns) grown to
// `rows` rows, answering at once. The CPU time of this process (the agent is another
// one) per walk of
//   - net-snmp's blocking API, GetBulk of all columns with the repetitions the engine's
//     bulk walk settles on: the reference of the engine's bulk walks;
//   - the engine's bulk walk, asynchronous and blocking one request at a time, and
//     asynchronous with the columns read side by side (what the windows run);
//   - net-snmp's blocking API, one GetNext of all columns per row: the reference of
//     the engine's one-row walks;
//   - the engine's one-row walk, blocking and asynchronous.
//
// Wall time, slow link: the same table on the simulator answering `delay` ms late.
//   - the round-trip limit: net-snmp's GetBulk of all columns asking for as many rows
//     as fit in one answer (found by asking for 1000 once);
//   - the engine's bulk walk (it learns the agent's answer size);
//   - the engine's walk with the columns read side by side (Timing.InFlight, the
//     windows' default);
//   - snmpbulkwalk of each column, as a user would run it (its default 10 repetitions).
//
// Every round runs each contender once, in turn; ratios are taken within a round and
// given as min / median / max over the rounds.
//
//   build/bench/walk_bench [--rows N] [--rounds N] [--delay MS] [--slow-rows N]
//                          [--tool-rounds N] [--only cpu|slow] [--profile async-bulk|sync-one]

#include "bench_timing.h"
#include "event_wait.h"
#include "kv_mib_core_set.h"
#include "kv_snmp_request.h"
#include "kv_snmp_session.h"
#include "snmp_event_processor.h"
#include "switch_sim_agent.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <QCoreApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {
// The readable columns of a definition table, as net-snmp OIDs.
std::vector<std::vector<oid>> Columns(const KvSNMPVarDef *defs) {
  std::vector<std::vector<oid>> columns;
  for (const KvSNMPVarDef *d = defs; d->Oid; ++d) {
    if (d->Access & Access::NotAccess) continue;
    std::vector<oid> o;
    for (const char *p = d->Oid; *p;) {
      char *end = nullptr;
      o.push_back(static_cast<oid>(std::strtoul(p, &end, 10)));
      p = *end ? end + 1 : end;
    }
    columns.push_back(o);
  }
  return columns;
}

std::string Dotted(const std::vector<oid> &o) {
  std::string text;
  for (oid s : o) text += (text.empty() ? "" : ".") + std::to_string(s);
  return text;
}

void *OpenSession(int port) {
  netsnmp_session settings;
  snmp_sess_init(&settings);
  const std::string peer = "udp:127.0.0.1:" + std::to_string(port);
  settings.peername = const_cast<char *>(peer.c_str());
  settings.version = SNMP_VERSION_2c;
  settings.community = reinterpret_cast<u_char *>(const_cast<char *>("rdwalk"));
  settings.community_len = 6;
  settings.timeout = 2000000;
  settings.retries = 1;
  return snmp_sess_open(&settings);
}

bool Inside(const netsnmp_variable_list *v, const std::vector<oid> &column) {
  return v->type != SNMP_ENDOFMIBVIEW && v->name_length > column.size() &&
         netsnmp_oid_equals(v->name, column.size(), column.data(), column.size()) == 0;
}

// net-snmp's blocking API, all columns in every request: GetNext (repetitions 0) or
// GetBulk of `repetitions`, each column going on from its last answer until every
// column left the table; with `print`, every value taken is turned into text by
// net-snmp's printer, as its tools do. The rows: the values of the longest column.
int RawWalk(int port, const KvSNMPVarDef *defs, int repetitions, bool print = true) {
  char text[1024];
  void *session = OpenSession(port);
  if (!session) return -1;
  const auto columns = Columns(defs);
  auto next = columns;
  std::vector<bool> ended(columns.size(), false);
  std::vector<int> values(columns.size(), 0);
  for (bool more = true; more;) {
    netsnmp_pdu *pdu = snmp_pdu_create(repetitions > 0 ? SNMP_MSG_GETBULK : SNMP_MSG_GETNEXT);
    std::vector<size_t> asked;
    for (size_t c = 0; c < next.size(); ++c)
      if (!ended[c]) {
        snmp_add_null_var(pdu, next[c].data(), next[c].size());
        asked.push_back(c);
      }
    if (repetitions > 0) {
      pdu->non_repeaters = 0;
      pdu->max_repetitions = repetitions;
    }
    netsnmp_pdu *response = nullptr;
    if (snmp_sess_synch_response(session, pdu, &response) != STAT_SUCCESS || !response) break;
    size_t k = 0;
    for (netsnmp_variable_list *v = response->variables; v; v = v->next_variable, ++k) {
      const size_t c = asked[k % asked.size()];
      if (ended[c]) continue;
      if (!Inside(v, columns[c])) {
        ended[c] = true;
        continue;
      }
      ++values[c];
      if (print) snprint_variable(text, sizeof text, v->name, v->name_length, v);
      next[c].assign(v->name, v->name + v->name_length);
    }
    snmp_free_pdu(response);
    more = std::find(ended.begin(), ended.end(), false) != ended.end();
  }
  snmp_sess_close(session);
  return *std::max_element(values.begin(), values.end());
}

// The most rows of all columns that one answer holds: a GetBulk asking for 1000.
int RowsPerAnswer(int port, const KvSNMPVarDef *defs) {
  void *session = OpenSession(port);
  if (!session) return 0;
  const auto columns = Columns(defs);
  netsnmp_pdu *pdu = snmp_pdu_create(SNMP_MSG_GETBULK);
  for (const auto &c : columns) snmp_add_null_var(pdu, c.data(), c.size());
  pdu->non_repeaters = 0;
  pdu->max_repetitions = 1000;
  netsnmp_pdu *response = nullptr;
  int values = 0;
  if (snmp_sess_synch_response(session, pdu, &response) == STAT_SUCCESS && response) {
    for (netsnmp_variable_list *v = response->variables; v; v = v->next_variable) ++values;
    snmp_free_pdu(response);
  }
  snmp_sess_close(session);
  return values / static_cast<int>(columns.size());
}

// snmpbulkwalk of every column, one run after the other; the rows of the longest.
int ToolWalk(int port, const KvSNMPVarDef *defs) {
  int rows = 0;
  for (const auto &column : Columns(defs)) {
    const std::string command = "MIBS= snmpbulkwalk -v2c -c rdwalk -On -t 2 -r 1 127.0.0.1:" + std::to_string(port) +
                                " " + Dotted(column) + " 2>/dev/null | wc -l";
    FILE *out = ::popen(command.c_str(), "r");
    if (!out) return -1;
    int lines = 0;
    if (std::fscanf(out, "%d", &lines) != 1) lines = -1;
    ::pclose(out);
    rows = std::max(rows, lines);
  }
  return rows;
}

struct Walk {
  const SwitchSimAgent &agent;
  const KvSNMPVarDef *defs;
  int maxRepetitions;  // 0 one row, -1 the engine's choice
  int inFlight = 1;    // requests on their way at once

  void Aim(KvSNMPRequest &request) const {
    agent.AimAt(request.Settings, 1);
    request.Settings.Timing.Timeout = 200;
    request.Settings.Timing.MaxRepetitions = maxRepetitions;
    request.Settings.Timing.InFlight = inFlight;
    request.VarList = KvSNMPVarList(defs, MVT_FMV, 2);
  }
  int Blocking() const {
    KvSNMPRequest request;
    Aim(request);
    int rows = 0;
    for (bool first = true; request.Get(first); first = false) ++rows;
    return rows;
  }
  int Async() const {
    KvSNMPRequest request;
    Aim(request);
    int rows = 0;
    bool done = false;
    KvSNMPCallback onRow = [&](void *, KvSNMPError *error, KvSNMPVarList *) {
      if (error->Done) {
        done = true;
        return;
      }
      ++rows;
      request.GetAsync(onRow, nullptr, false);
    };
    request.GetAsync(onRow, nullptr, true);
    RunEventsUntil([&] { return done; }, 3600000);
    return rows;
  }
};

double CpuSeconds() {
  timespec t{};
  ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}
double WallSeconds() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

struct Contender {
  Contender(std::string n, std::function<int()> r, int ref = -1, std::string t = "", int most = 0)
      : name(std::move(n)), run(std::move(r)), reference(ref), target(std::move(t)), rounds(most) {}
  std::string name;
  std::function<int()> run;
  int reference = -1;      // index of the contender it is compared with; -1 none
  std::string target;      // what the ratio should be, for the reader
  int rounds = 0;          // 0: every round
  std::vector<double> seconds, ratios;
  int rows = 0;
};

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  if (v.empty()) return 0;
  return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

// Runs the contenders in turn, round by round; `clock` measures one run.
void RunRounds(std::vector<Contender> &contenders, int rounds, const std::function<double()> &clock) {
  for (int r = 0; r < rounds; ++r) {
    for (auto &c : contenders) {
      if (c.rounds > 0 && r >= c.rounds) continue;
      const double start = clock();
      c.rows = c.run();
      c.seconds.push_back(clock() - start);
    }
    for (auto &c : contenders)
      if (c.reference >= 0 && static_cast<int>(c.seconds.size()) == r + 1 &&
          static_cast<int>(contenders[c.reference].seconds.size()) == r + 1)
        c.ratios.push_back(c.seconds.back() / contenders[c.reference].seconds.back());
  }
}

void Print(const std::vector<Contender> &contenders, const char *unit) {
  for (const auto &c : contenders) {
    std::vector<double> s = c.seconds;
    std::sort(s.begin(), s.end());
    std::printf("  %-46s %6d rows  %s min/med/max %8.1f %8.1f %8.1f ms", c.name.c_str(), c.rows, unit,
                s.front() * 1e3, Median(s) * 1e3, s.back() * 1e3);
    if (!c.ratios.empty()) {
      std::vector<double> q = c.ratios;
      std::sort(q.begin(), q.end());
      std::printf("\n  %46s ratio to %s: %.2f %.2f %.2f (%d rounds)%s%s", "", contenders[c.reference].name.c_str(),
                  q.front(), Median(q), q.back(), static_cast<int>(q.size()), c.target.empty() ? "" : ", target ",
                  c.target.c_str());
    }
    std::printf("\n");
  }
}

bool SameRows(const std::vector<Contender> &contenders) {
  for (const auto &c : contenders)
    if (c.rows != contenders.front().rows) return false;
  return true;
}

std::string Arg(int argc, char **argv, const char *name, const char *fallback) {
  for (int i = 1; i + 1 < argc; ++i)
    if (std::strcmp(argv[i], name) == 0) return argv[i + 1];
  return fallback;
}
}  // namespace

int main(int argc, char **argv) {
  const int rows = Option(argc, argv, "--rows", 10000);
  const int rounds = Option(argc, argv, "--rounds", 5);
  const int delay = Option(argc, argv, "--delay", 10);
  const int slowRows = Option(argc, argv, "--slow-rows", rows);
  const int toolRounds = Option(argc, argv, "--tool-rounds", rounds);
  const std::string only = Arg(argc, argv, "--only", "");
  const std::string profile = Arg(argc, argv, "--profile", "");
  QCoreApplication app(argc, argv);
  KvSNMPCreateSession(MakeTempDir("kvbench"));
  SnmpEventPump().Start();
  const KvSNMPVarDef *defs = IgmpInfoDefs;
  const int columns = static_cast<int>(Columns(defs).size());
  bool same = true;

  if (!profile.empty()) {
    // One contender over and over, for a profiler.
    SwitchSimAgent sim({{}, false, {"--rows", std::to_string(rows)}});
    if (!sim.Started()) return 1;
    const Walk walk{sim, defs, profile == "sync-one" ? 0 : -1};
    int n = 0;
    for (int r = 0; r < rounds; ++r) n = profile == "sync-one" ? walk.Blocking() : walk.Async();
    std::printf("%s: %d rows, %d rounds\n", profile.c_str(), n, rounds);
    return 0;
  }

  if (only.empty() || only == "cpu") {
    SwitchSimAgent sim({{}, false, {"--rows", std::to_string(rows)}});
    if (!sim.Started()) {
      std::fprintf(stderr, "the simulator did not start:\n%s", sim.Output().c_str());
      return 1;
    }
    const Walk bulk{sim, defs, -1}, oneRow{sim, defs, 0}, sideBySide{sim, defs, -1, kMaxInFlight};
    bulk.Blocking();  // the engine learns the agent's answer size, and the agent warms up
    KvSNMPRequest probe;
    bulk.Aim(probe);
    const int settled = GlobalSnmp->BulkState(probe.Settings.BuildTarget()).ValuesPerAnswer / columns;
    const int repetitions = settled > 0 ? settled : KvSNMPRequest::kBulkValuesPerAnswer / columns;
    // The references print what they read, as net-snmp's tools do (the engine turns
    // every value into text); the walks that only count what comes back are shown too.
    std::vector<Contender> cpu = {
        {"net-snmp GetBulk, " + std::to_string(repetitions) + " rows, printed", [&] { return RawWalk(sim.Port(), defs, repetitions); }},
        {"engine bulk, asynchronous", [&] { return bulk.Async(); }, 0, "<= 1.50"},
        {"engine bulk, blocking", [&] { return bulk.Blocking(); }, 0, ""},
        {"engine columns side by side, asynchronous", [&] { return sideBySide.Async(); }, 0, "<= 1.50"},
        {"net-snmp GetBulk, same, values not looked at", [&] { return RawWalk(sim.Port(), defs, repetitions, false); }, 0, ""},
        {"net-snmp GetNext, printed", [&] { return RawWalk(sim.Port(), defs, 0); }},
        {"engine one-row, blocking", [&] { return oneRow.Blocking(); }, 5, "<= 1.20"},
        {"engine one-row, asynchronous", [&] { return oneRow.Async(); }, 5, ""},
        {"net-snmp GetNext, values not looked at", [&] { return RawWalk(sim.Port(), defs, 0, false); }, 5, ""},
    };
    RunRounds(cpu, rounds, CpuSeconds);
    std::printf("CPU of this process per walk: IGMP group table on the simulator, %d columns, loopback, %d rounds\n",
                columns, rounds);
    Print(cpu, "CPU");
    same = same && SameRows(cpu);
  }

  if (only.empty() || only == "slow") {
    SwitchSimAgent sim({{}, false, {"--rows", std::to_string(slowRows), "--delay-ms", std::to_string(delay)}});
    if (!sim.Started()) {
      std::fprintf(stderr, "the simulator did not start:\n%s", sim.Output().c_str());
      return 1;
    }
    const int fit = RowsPerAnswer(sim.Port(), defs);
    // A fresh session state: the engine's walk learns the answer size within each round.
    const Walk bulk{sim, defs, -1}, parallel{sim, defs, -1, kMaxInFlight};
    std::vector<Contender> slow = {
        {"round-trip limit: net-snmp GetBulk, " + std::to_string(fit) + " rows", [&] { return RawWalk(sim.Port(), defs, fit); }},
        {"engine bulk, asynchronous", [&] { return bulk.Async(); }, 0, "<= 1.10"},
        {"engine columns side by side, asynchronous", [&] { return parallel.Async(); }, 0, "<= 0.40"},
        {"snmpbulkwalk of each column", [&] { return ToolWalk(sim.Port(), defs); }, 0, "", toolRounds},
    };
    RunRounds(slow, rounds, WallSeconds);
    std::printf("wall time per walk: the same table, %d rows, on the simulator answering %d ms late, %d rounds\n",
                slowRows, delay, rounds);
    Print(slow, "wall");
    same = same && SameRows(slow);
  }
  if (!same) std::printf("the contenders read different numbers of rows\n");
  return same ? 0 : 2;
}
