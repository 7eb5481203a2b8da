#pragma once
// A snapshot and the switch: reading every snapshot table from the agent (a bulk walk
// per table on SNMPv2c and SNMPv3, one row per request on SNMPv1) and sending a restore
// plan's Sets one after the other. Blocking: needs the global session (and a Qt
// application, for its event pump).

#include "config_snapshot.h"
#include "kv_snmp_session.h"
#include "restore_plan.h"

#include <functional>
#include <string>
#include <vector>

// Told after each step: steps done, steps in all, what comes next.
using KvSnapshotProgress = std::function<void(size_t done, size_t total, const std::string &what)>;

// Raises KvException (with the table's name before the message) when a read fails.
KvSnapshot ReadSnapshot(const KvSNMPSettings &settings, const KvSnapshotProgress &progress = {});

struct KvRestoreOutcome {
  std::vector<std::string> Sent;     // the Sets the agent took, as SetText
  std::string Refused;               // the Set the agent refused ("" when none)
  std::string Error;                 // and why
  std::vector<std::string> NotSent;  // the Sets after it
  bool Ok() const { return Refused.empty(); }
};

// Sends the plan's Sets in order and stops at the first that the agent refuses. A new
// row whose columns the agent does not take in the Set that creates it is created
// alone, and its columns are sent in a Set of their own.
KvRestoreOutcome ExecuteRestore(const KvRestorePlan &plan, const KvSNMPSettings &settings,
                                const KvSnapshotProgress &progress = {});
