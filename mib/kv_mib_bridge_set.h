#pragma once
// Bridge definition set: the P-BRIDGE priority tables and the Q-BRIDGE port VLAN table.

#include "kv_mib_catalogue.h"

extern const KvMibSet BridgeSet;

extern const KvSNMPVarDef PortPriorityDefs[];
extern const KvSNMPVarDef UserPriorityRegenDefs[];
extern const KvSNMPVarDef TrafficClassMapDefs[];
extern const KvSNMPVarDef OutboundAccessPriorityDefs[];
extern const KvSNMPVarDef PortVlanDefs[];
