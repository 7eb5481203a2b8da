#pragma once
// A variable list: the items of one definition table with their current values. It
// lives inside a request; windows build it from a catalogue table.

#include "kv_snmp_var_def.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

struct KvSNMPVarItem {
  std::string Oid;
  std::string Name;
  unsigned Syntax = 0;
  unsigned Access = 0;
  const KvOptionList *Options = nullptr;  // shared, not owned
  std::optional<std::string> GetExpression;
  std::optional<std::string> SetExpression;
  std::optional<std::string> Extra;
  std::string Value;     // text form; "(NULL)" no value, "(NOTDONE)" column ended
  std::string Instance;  // full dotted OID of the instance last read
};

class KvSNMPVarList {
public:
  KvSNMPVarList() = default;
  KvSNMPVarList(const KvSNMPVarDef *table, unsigned char itemType, int keyCount);
  KvSNMPVarList(const KvSNMPVarList &other);
  // Deep copy of items, type, key count and name; InstanceSuffix stays the target's own.
  KvSNMPVarList &operator=(const KvSNMPVarList &other);

  void Add(const KvSNMPVarDef *table);
  void AppendOidSuffix(const std::string &suffix);
  void Clear() { items_.clear(); }

  int GetCount() const { return static_cast<int>(items_.size()); }
  KvSNMPVarItem *GetItem(int index) const;
  KvSNMPVarItem *FindByName(const std::string &name) const;

  bool IsImpliedKey(int index) const;
  bool IsReadable(int index) const;
  bool IsEditable(int index) const;
  bool IsVisible(int index) const;
  bool IsHidden(int index) const;
  int GetVisibleCount() const;
  int GetHiddenCount() const;

  std::string InstanceSuffix;
  int KeyCount = 0;
  unsigned char ItemType = SVT_SV;
  std::string Name;

private:
  std::vector<std::unique_ptr<KvSNMPVarItem>> items_;
};
