#pragma once
// Entity definition set: the physical and logical entity tables.

#include "kv_mib_catalogue.h"

extern const KvMibSet EntitySet;

extern const KvSNMPVarDef EntityPhysicalDefs[];
extern const KvSNMPVarDef EntityLogicalDefs[];
