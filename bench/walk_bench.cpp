// Table walk throughput of the request engine against snmpd on loopback, blocking and
// asynchronous, compared with a minimal walk written directly on net-snmp's blocking
// API that puts the same GetNext requests on the wire (one request per row, all
// columns in it).
//
//   build/bench/walk_bench [rows] [rounds]

#include "event_wait.h"
#include "kv_snmp_request.h"
#include "kv_snmp_session.h"
#include "snmp_event_processor.h"
#include "snmpd_agent.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <QCoreApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {
const KvSNMPVarDef kViewTreeDefs[] = {
    {"1.3.6.1.6.3.16.1.5.2.1.1", "vacmViewTreeFamilyViewName", Syntax::DisplayStr, Access::NotAccess, nullptr},
    {"1.3.6.1.6.3.16.1.5.2.1.2", "vacmViewTreeFamilySubtree", Syntax::ObjectId, Access::NotAccess, nullptr},
    {"1.3.6.1.6.3.16.1.5.2.1.3", "vacmViewTreeFamilyMask", Syntax::OctetStr, Access::ReadOnly, nullptr},
    {"1.3.6.1.6.3.16.1.5.2.1.4", "vacmViewTreeFamilyType", Syntax::Integer, Access::ReadOnly, nullptr},
    {"1.3.6.1.6.3.16.1.5.2.1.6", "vacmViewTreeFamilyStatus", Syntax::Integer, Access::ReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};
const oid kColumns[][11] = {{1, 3, 6, 1, 6, 3, 16, 1, 5, 2, 1}};
const int kColumnNumbers[] = {3, 4, 6};

// Wall-clock seconds of one walk; `rows` gets its row count.
double Seconds(const std::function<int()> &walk, int &rows) {
  const auto start = std::chrono::steady_clock::now();
  rows = walk();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The reference: net-snmp's blocking API, one GetNext of all columns per row.
int ReferenceWalk(int port) {
  netsnmp_session settings;
  snmp_sess_init(&settings);
  const std::string peer = "udp:127.0.0.1:" + std::to_string(port);
  settings.peername = const_cast<char *>(peer.c_str());
  settings.version = SNMP_VERSION_2c;
  settings.community = reinterpret_cast<u_char *>(const_cast<char *>("rdwalk"));
  settings.community_len = 6;
  settings.timeout = 1000000;
  settings.retries = 1;
  void *session = snmp_sess_open(&settings);
  if (!session) return -1;
  std::vector<std::vector<oid>> next;
  for (int c : kColumnNumbers) {
    std::vector<oid> o(kColumns[0], kColumns[0] + 11);
    o.push_back(static_cast<oid>(c));
    next.push_back(o);
  }
  int rows = 0;
  for (;;) {
    netsnmp_pdu *pdu = snmp_pdu_create(SNMP_MSG_GETNEXT);
    for (const auto &o : next) snmp_add_null_var(pdu, o.data(), o.size());
    netsnmp_pdu *response = nullptr;
    if (snmp_sess_synch_response(session, pdu, &response) != STAT_SUCCESS || !response) break;
    bool inside = false;
    size_t i = 0;
    for (netsnmp_variable_list *v = response->variables; v && i < next.size(); v = v->next_variable, ++i) {
      const size_t columnLength = 12;
      if (v->type != SNMP_ENDOFMIBVIEW && v->name_length > columnLength &&
          netsnmp_oid_equals(v->name, columnLength, next[i].data(), columnLength) == 0)
        inside = true;
      next[i].assign(v->name, v->name + v->name_length);
    }
    snmp_free_pdu(response);
    if (!inside) break;
    ++rows;
  }
  snmp_sess_close(session);
  return rows;
}

void Aim(KvSNMPRequest &request, int port) {
  request.Address = "127.0.0.1";
  request.Port = static_cast<uint16_t>(port);
  request.Version = 1;
  request.ReadCommunity = "rdwalk";
  request.VarList = KvSNMPVarList(kViewTreeDefs, MVT_FMV, 2);
}

int EngineWalk(int port) {
  KvSNMPRequest request;
  Aim(request, port);
  int rows = 0;
  for (bool first = true; request.Get(first); first = false) ++rows;
  return rows;
}

int AsyncEngineWalk(int port) {
  KvSNMPRequest request;
  Aim(request, port);
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
  RunEventsUntil([&] { return done; }, 600000);
  return rows;
}
}  // namespace

int main(int argc, char **argv) {
  const int views = argc > 1 ? std::atoi(argv[1]) : 1000;
  const int rounds = argc > 2 ? std::atoi(argv[2]) : 5;
  QCoreApplication app(argc, argv);

  std::vector<std::string> extra;
  for (int i = 0; i < views; ++i) extra.push_back("view kvbench" + std::to_string(i) + " included .1.3.6.1.4.1." + std::to_string(i));
  SnmpdAgent agent(extra);
  if (!agent.Start()) {
    std::fprintf(stderr, "snmpd did not start:\n%s\n", agent.Log().c_str());
    return 1;
  }
  KvSNMPCreateSession(MakeTempDir("kvbench"));
  SnmpEventPump().Start();

  // snmpd answers its first walk faster than later ones, so one walk warms it up and
  // the three contenders then take turns, round by round; the best round of each counts.
  int refRows = 0, syncRows = 0, asyncRows = 0;
  Seconds([&] { return ReferenceWalk(agent.Port()); }, refRows);
  double ref = 1e9, sync = 1e9, async = 1e9;
  for (int r = 0; r < rounds; ++r) {
    ref = std::min(ref, Seconds([&] { return ReferenceWalk(agent.Port()); }, refRows));
    sync = std::min(sync, Seconds([&] { return EngineWalk(agent.Port()); }, syncRows));
    async = std::min(async, Seconds([&] { return AsyncEngineWalk(agent.Port()); }, asyncRows));
  }

  std::printf("table walk of vacmViewTreeFamilyTable, 3 columns, best of %d rounds each, taking turns\n", rounds);
  std::printf("  reference (net-snmp blocking) %5d rows  %8.1f ms  %7.0f rows/s\n", refRows, ref * 1e3, refRows / ref);
  std::printf("  engine, blocking              %5d rows  %8.1f ms  ratio %.2f (target <= 1.30)\n", syncRows, sync * 1e3, sync / ref);
  std::printf("  engine, asynchronous          %5d rows  %8.1f ms  ratio %.2f (target <= 1.50)\n", asyncRows, async * 1e3, async / ref);
  return refRows == syncRows && syncRows == asyncRows ? 0 : 2;
}
