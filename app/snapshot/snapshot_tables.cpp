#include "snapshot_tables.h"

#include "kv_mib_secrets.h"
#include "kv_option_list.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <set>

namespace {
// Tables that are no configuration: actions (save, reset, ping), the spin locks that
// serialise other managers' writes, one-port views of a table saved whole, the dialog
// copy of a table, and the community table (its rows are the agent's communities).
const char *const kLeftOutTables[] = {
    "PingTestDefs",       "SaveCfgDefs",          "ResetDefs",     "RmonStateDefs",     "HistoryDialogDefs",
    "CopperPortCtrlDefs", "ComboPortCtrlDefs",    "UsmSpinLockDefs", "VacmViewSpinLockDefs",
    "TargetGeneralDefs",  "CommunityDefs",
};

// Columns that are written to act, not to configure (a counter reset, a clock, a
// re-authentication, a protocol migration check, a certificate download, a clone). The
// columns that hold secrets are left out too (kv_mib_secrets.h).
const char *const kLeftOutColumns[] = {
    "1.3.6.1.4.1.171.11.43.2.2.1.2.4",  // Clean All Statistic Counter
    "1.3.6.1.4.1.171.11.43.2.2.1.2.5",  // Real Time
    "1.0.8802.1.1.1.1.1.2.1.4",         // dot1xPaePortInitialize
    "1.0.8802.1.1.1.1.1.2.1.5",         // dot1xPaePortReauthenticate
    "1.3.6.1.2.1.17.2.19.1.1",          // dot1dStpPortProtocolMigration
    "1.3.6.1.4.1.171.12.7.2.5",         // swSSLCertificateFileCtrl
    "1.3.6.1.6.3.15.1.2.2.1.4",         // usmUserCloneFrom
};

// A row of the first table refers to rows of the second: the second's rows are created
// before and destroyed after the first's.
const char *const kDependencies[][2] = {
    {"AclEthernetRuleDefs", "AclEthernetMaskDefs"},
    {"AclIpRuleDefs", "AclIpMaskDefs"},
    {"AclPktContRuleDefs", "AclPktContMaskDefs"},
    {"PortVlanDefs", "VlanStaticDefs"},
    {"VlanStaticUnicastDefs", "VlanStaticDefs"},
    {"VlanStaticMulticastDefs", "VlanStaticDefs"},
    {"IgmpCtrlDefs", "VlanStaticDefs"},
    {"RmonAlarmDefs", "RmonEventDefs"},
    {"AacMethodListDefs", "AacServerGroupDefs"},
    {"TargetAddrDefs", "TargetParamsDefs"},
    {"NotifyFilterDefs", "NotifyProfileDefs"},
    {"VacmAccessDefs", "VacmGroupDefs"},
};

bool Listed(const char *const *list, size_t count, const char *text) {
  for (size_t i = 0; i < count; ++i)
    if (std::strcmp(list[i], text) == 0) return true;
  return false;
}

bool HasLabel(const KvOptionList *options, const char *label) {
  return options && options->IndexOfLabel(label) >= 0;
}

KvSnapshotStatus StatusKindOf(const KvSNMPVarDef &def) {
  if (HasLabel(def.Options, "destroy") && HasLabel(def.Options, "active")) return KvSnapshotStatus::RowStatus;
  if (HasLabel(def.Options, "createRequest") && HasLabel(def.Options, "invalid")) return KvSnapshotStatus::EntryStatus;
  return KvSnapshotStatus::None;
}

std::string Trimmed(const char *text) {
  std::string s = text ? text : "";
  while (!s.empty() && s.back() == ' ') s.pop_back();
  while (!s.empty() && s.front() == ' ') s.erase(s.begin());
  return s;
}

bool Saved(const KvSNMPVarDef &def) {
  const unsigned a = def.Access;
  if ((a & Access::ReadWrite) != Access::ReadWrite) return false;  // must be read and written
  if (a & (Access::Derived | Access::Hidden)) return false;
  if (def.GetExpression || def.SetExpression) return false;
  switch (def.Syntax) {
    case Syntax::Counter: case Syntax::Counter64: case Syntax::TimeTicks: return false;
    default: break;
  }
  return !Listed(kLeftOutColumns, std::size(kLeftOutColumns), def.Oid) && !IsSecretObject(def.Oid);
}

std::vector<KvSnapshotTable> Build() {
  std::vector<KvSnapshotTable> tables;
  std::set<std::string> claimed;  // column OIDs saved by an earlier table
  for (const KvMibSet *set : MibSets())
    for (const KvMibTable &mib : set->Tables) {
      if (Listed(kLeftOutTables, std::size(kLeftOutTables), mib.Name)) continue;
      const bool table = mib.ItemType == MVT_FMV || mib.ItemType == MVT_UMV;
      if (mib.ItemType != SVT_SV && !(table && mib.KeyCount > 0)) continue;  // one-row views
      KvSnapshotTable t;
      t.Catalogue = &mib;
      t.ItemType = mib.ItemType;
      t.KeyCount = table ? mib.KeyCount : 0;
      if (t.KeyCount > mib.Count) continue;
      for (int k = 0; k < t.KeyCount; ++k) t.Defs.push_back(mib.Defs[k]);
      int columns = 0;
      for (int i = t.KeyCount; i < mib.Count; ++i) {
        const KvSNMPVarDef &def = mib.Defs[i];
        if (!def.Oid || !Saved(def) || claimed.count(def.Oid)) continue;
        t.Defs.push_back(def);
        ++columns;
        if (table && t.Status == KvSnapshotStatus::None && (t.Status = StatusKindOf(def)) != KvSnapshotStatus::None) {
          t.StatusColumn = static_cast<int>(t.Defs.size()) - 1;
          t.CreateAndWait = HasLabel(def.Options, "createAndWait");
        }
      }
      if (columns == 0) continue;
      for (size_t i = static_cast<size_t>(t.KeyCount); i < t.Defs.size(); ++i) claimed.insert(t.Defs[i].Oid);
      std::map<std::string, int> seen;
      for (const KvSNMPVarDef &def : t.Defs) {
        std::string name = Trimmed(def.Name);
        if (name.empty()) name = def.Oid;
        if (seen[name]++) name += " (" + std::string(def.Oid) + ")";
        t.ColumnNames.push_back(name);
      }
      t.Defs.push_back(KvSNMPVarDef{nullptr, nullptr, 0, 0, nullptr});
      tables.push_back(std::move(t));
    }
  // Depth from the dependencies, until nothing changes (the list has no cycles).
  for (bool changed = true; changed;) {
    changed = false;
    for (const auto &dep : kDependencies) {
      KvSnapshotTable *child = nullptr, *parent = nullptr;
      for (KvSnapshotTable &t : tables) {
        if (t.Name() == dep[0]) child = &t;
        if (t.Name() == dep[1]) parent = &t;
      }
      if (child && parent && child->Depth <= parent->Depth) {
        child->Depth = parent->Depth + 1;
        changed = true;
      }
    }
  }
  return tables;
}
}  // namespace

int KvSnapshotTable::ColumnOf(const std::string &name) const {
  for (size_t i = static_cast<size_t>(KeyCount); i < ColumnNames.size(); ++i)
    if (ColumnNames[i] == name) return static_cast<int>(i);
  return -1;
}

const std::vector<KvSnapshotTable> &SnapshotTables() {
  static const std::vector<KvSnapshotTable> tables = Build();
  return tables;
}

int SnapshotTableIndex(const std::string &name) {
  const auto &tables = SnapshotTables();
  for (size_t i = 0; i < tables.size(); ++i)
    if (tables[i].Name() == name) return static_cast<int>(i);
  return -1;
}

std::string CreateValue(const KvSnapshotTable &t) {
  if (t.Status == KvSnapshotStatus::EntryStatus) return "createRequest";
  return t.CreateAndWait ? "createAndWait" : "createAndGo";
}

std::string ActiveValue(const KvSnapshotTable &t) {
  return t.Status == KvSnapshotStatus::EntryStatus ? "valid" : "active";
}

std::string DestroyValue(const KvSnapshotTable &t) {
  return t.Status == KvSnapshotStatus::EntryStatus ? "invalid" : "destroy";
}

bool InService(const KvSnapshotTable &t, const std::string &status) { return status == ActiveValue(t); }
