#pragma once
// Standard bridge definition set: the base, spanning-tree and transparent-bridging groups
// of the bridge MIB for the companion views.

#include "kv_mib_catalogue.h"

extern const KvMibSet BridgeStdSet;

extern const KvSNMPVarDef BridgeInfoDefs[];  // base scalars and the ageing time
extern const KvSNMPVarDef BridgeBasePortDefs[];
extern const KvSNMPVarDef BridgeStpDefs[];
extern const KvSNMPVarDef BridgeStpPortDefs[];
extern const KvSNMPVarDef BridgeTpFdbDefs[];
extern const KvSNMPVarDef BridgeTpPortDefs[];
