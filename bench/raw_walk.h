#pragma once
// The reference a user would pick for reading a table: a walk written directly on
// net-snmp's blocking API, as its snmpbulkwalk does, with the requests the request engine
// puts on the wire for the same table (SNMPv2c GetBulk of all readable columns, row by
// row, as many repetitions as the engine asks for).

#include "kv_snmp_request.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

// Rows of the table of `defs` on the agent at 127.0.0.1:`port`; -1 when no session opens.
inline int RawBulkWalk(int port, const char *community, const KvSNMPVarDef *defs) {
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
  if (columns.empty()) return 0;
  const int repetitions = std::max(1, KvSNMPRequest::kBulkValuesPerAnswer / static_cast<int>(columns.size()));

  netsnmp_session settings;
  snmp_sess_init(&settings);
  const std::string peer = "udp:127.0.0.1:" + std::to_string(port);
  settings.peername = const_cast<char *>(peer.c_str());
  settings.version = SNMP_VERSION_2c;
  settings.community = reinterpret_cast<u_char *>(const_cast<char *>(community));
  settings.community_len = std::strlen(community);
  settings.timeout = 2000000;
  settings.retries = 1;
  void *session = snmp_sess_open(&settings);
  if (!session) return -1;

  const auto inside = [](const netsnmp_variable_list *v, const std::vector<oid> &column) {
    return v->type != SNMP_ENDOFMIBVIEW && v->name_length > column.size() &&
           netsnmp_oid_equals(v->name, column.size(), column.data(), column.size()) == 0;
  };
  std::vector<std::vector<oid>> next = columns;
  int rows = 0;
  for (bool more = true; more;) {
    netsnmp_pdu *pdu = snmp_pdu_create(SNMP_MSG_GETBULK);
    pdu->non_repeaters = 0;
    pdu->max_repetitions = repetitions;
    for (const auto &o : next) snmp_add_null_var(pdu, o.data(), o.size());
    netsnmp_pdu *response = nullptr;
    if (snmp_sess_synch_response(session, pdu, &response) != STAT_SUCCESS || !response) break;
    size_t i = 0;
    int values = 0;
    for (netsnmp_variable_list *v = response->variables; v; v = v->next_variable, ++i) {
      const size_t column = i % columns.size();
      if (!inside(v, columns[column])) {
        more = false;
        break;
      }
      next[column].assign(v->name, v->name + v->name_length);
      if (column == 0) ++rows;
      ++values;
    }
    if (values == 0) more = false;
    snmp_free_pdu(response);
  }
  snmp_sess_close(session);
  return rows;
}
