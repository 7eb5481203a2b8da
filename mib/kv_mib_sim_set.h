#pragma once
// Single IP management definition set.

#include "kv_mib_catalogue.h"

extern const KvMibSet SimSet;

extern const KvSNMPVarDef SimInfoDefs[];
extern const KvSNMPVarDef SimCtrlDefs[];
extern const KvSNMPVarDef SimMemberDefs[];
extern const KvSNMPVarDef SimCandidateDefs[];
extern const KvSNMPVarDef SimGroupDefs[];
extern const KvSNMPVarDef SimNeighborDefs[];
