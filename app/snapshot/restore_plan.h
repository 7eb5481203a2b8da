#pragma once
// The Sets that make a switch equal to a snapshot, in a safe order:
//   1. scalar groups, each group's changed values in one Set;
//   2. rows to remove from tables that depend on others (a rule, a membership), the
//      deepest first;
//   3. new rows of the tables others depend on (a profile, a VLAN, an event);
//   4. changed columns of existing rows, each row's in one Set, parents first;
//   5. rows to remove from the tables others depend on;
//   6. new rows of the dependent tables.
// A new row is created by its status column (createAndWait, or createAndGo where the
// agent offers no createAndWait, or RMON's createRequest) with its columns in the same
// Set, then put in service (active, valid) by a Set of its own. A changed RMON row that
// is valid is destroyed and created again, as RMON columns cannot change while valid.

#include "config_snapshot.h"

#include <string>
#include <vector>

struct KvRestoreSet {
  enum Kind { Write, Create, Activate, Destroy } What = Write;
  int Table = 0;
  KvRowIndex Row;
  std::vector<std::pair<int, std::string>> Values;  // item index, value text
};

struct KvRestorePlan {
  std::vector<KvRestoreSet> Sets;
  // What no Set can change: rows the agent lacks or has more of in tables whose rows it
  // does not let create or destroy.
  std::vector<std::string> Impossible;
};

// From what the switch holds (`live`) to what the file holds (`target`).
KvRestorePlan PlanRestore(const KvSnapshot &live, const KvSnapshot &target);

// "set Table[row]: Column="value", ..." (and "create", "activate", "destroy").
std::string SetText(const KvRestoreSet &set);
