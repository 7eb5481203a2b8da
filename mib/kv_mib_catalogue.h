#pragma once
// The catalogue of MIB definition tables. The tables are grouped in definition sets;
// each set owns the option lists that its records point to. Windows include the header
// of the set they need; this header lists every table for tools and tests.

#include "kv_snmp_var_def.h"

#include <span>
#include <string>

struct KvMibTable {
  const char *Name;
  const KvSNMPVarDef *Defs;
  int Count;               // records before the all-zero end record
  unsigned char ItemType;  // the item type its window builds the list with
  int KeyCount;            // and the key count
};

struct KvMibSet {
  const char *Name;
  std::span<const KvMibTable> Tables;
};

// One registry line per table; the name is the table's identifier.
#define KV_MIB_TABLE(defs, itemType, keyCount) \
  KvMibTable { #defs, defs, static_cast<int>(std::size(defs)) - 1, itemType, keyCount }

// The definition sets in the order they build their option lists before main() runs;
// they destroy them in reverse order at exit.
std::span<const KvMibSet *const> MibSets();

// The table with that identifier, or null.
const KvMibTable *FindMibTable(const std::string &name);
