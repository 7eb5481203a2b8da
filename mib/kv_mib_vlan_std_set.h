#pragma once
// Standard VLAN definition set: the GARP, GMRP and capability tables of the P-BRIDGE MIB
// and the base, filtering database, static and current VLAN tables of the Q-BRIDGE MIB
// for the companion views. Port lists are bit strings, port 1 the top bit of octet 1.

#include "kv_mib_catalogue.h"

extern const KvMibSet VlanStdSet;

extern const KvSNMPVarDef VlanGmrpDefs[];
extern const KvSNMPVarDef VlanGarpDefs[];
extern const KvSNMPVarDef VlanDeviceCapabilityDefs[];
extern const KvSNMPVarDef VlanPortCapabilityDefs[];
extern const KvSNMPVarDef VlanQBaseDefs[];
extern const KvSNMPVarDef VlanFdbDefs[];
extern const KvSNMPVarDef VlanTpFdbDefs[];
extern const KvSNMPVarDef VlanStaticDefs[];  // rows created and destroyed by RowStatus
extern const KvSNMPVarDef VlanCurrentDefs[];
extern const KvSNMPVarDef VlanStaticUnicastDefs[];
extern const KvSNMPVarDef VlanStaticMulticastDefs[];
