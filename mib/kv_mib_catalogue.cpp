#include "kv_mib_catalogue.h"

#include "kv_mib_aac_set.h"
#include "kv_mib_acl_set.h"
#include "kv_mib_bridge_set.h"
#include "kv_mib_bridge_std_set.h"
#include "kv_mib_core_set.h"
#include "kv_mib_dot1x_set.h"
#include "kv_mib_entity_set.h"
#include "kv_mib_interfaces_set.h"
#include "kv_mib_lag_set.h"
#include "kv_mib_mib2_set.h"
#include "kv_mib_rmon_set.h"
#include "kv_mib_rmon_std_set.h"
#include "kv_mib_sim_set.h"
#include "kv_mib_snmpv3_set.h"
#include "kv_mib_ssh_set.h"
#include "kv_mib_ssl_set.h"
#include "kv_mib_vlan_std_set.h"

namespace {
// The order of KvMibSetOrder, which decides the order of construction.
const KvMibSet *const kSets[] = {&CoreSet,   &Dot1xSet,  &InterfacesSet, &AclSet,       &AacSet,
                                 &SshSet,    &LagSet,    &SslSet,        &SimSet,       &RmonSet,
                                 &Snmpv3Set, &BridgeSet, &Mib2Set,       &BridgeStdSet, &EntitySet,
                                 &VlanStdSet, &RmonStdSet};
}  // namespace

std::span<const KvMibSet *const> MibSets() { return kSets; }

const KvMibTable *FindMibTable(const std::string &name) {
  for (const KvMibSet *set : kSets)
    for (const KvMibTable &table : set->Tables)
      if (name == table.Name) return &table;
  return nullptr;
}
