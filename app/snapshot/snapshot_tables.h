#pragma once
// What a configuration snapshot holds, from the catalogue: every table of every
// definition set that has objects an operator configures, each reduced to its INDEX items
// and the columns that can be written back (read-only values, counters, time stamps,
// actions and secrets left out), with what the catalogue knows of its rows: how they are
// created and destroyed and which tables they depend on.

#include "kv_mib_catalogue.h"

#include <string>
#include <vector>

enum class KvSnapshotStatus : unsigned char {
  None,         // rows are the agent's own; they cannot be created or destroyed
  RowStatus,    // SNMPv2-TC RowStatus
  EntryStatus,  // RMON EntryStatus
};

struct KvSnapshotTable {
  const KvMibTable *Catalogue = nullptr;
  // The INDEX items (the first KeyCount) and the saved columns, ended by an all-zero
  // record: the definition table the snapshot's requests are built from.
  std::vector<KvSNMPVarDef> Defs;
  std::vector<std::string> ColumnNames;  // by item of Defs: the name in the file
  unsigned char ItemType = SVT_SV;
  int KeyCount = 0;
  KvSnapshotStatus Status = KvSnapshotStatus::None;
  int StatusColumn = -1;        // item index of the status column in Defs
  bool CreateAndWait = false;   // RowStatus: the agent's option list offers createAndWait
  int Depth = 0;                // 0, or one more than the deepest table it depends on

  std::string Name() const { return Catalogue->Name; }
  bool Scalar() const { return ItemType == SVT_SV; }
  int ItemCount() const { return static_cast<int>(Defs.size()) - 1; }
  // The item whose file name is `name`, or -1.
  int ColumnOf(const std::string &name) const;
};

// Every snapshot table, in catalogue order.
const std::vector<KvSnapshotTable> &SnapshotTables();
// Its index in SnapshotTables(), or -1.
int SnapshotTableIndex(const std::string &name);

// The status values of a row: what creates it (and leaves it to be completed), what
// completes it, what destroys it.
std::string CreateValue(const KvSnapshotTable &table);
std::string ActiveValue(const KvSnapshotTable &table);
std::string DestroyValue(const KvSnapshotTable &table);
// True for a status value that means the row is in service (active, valid).
bool InService(const KvSnapshotTable &table, const std::string &status);
