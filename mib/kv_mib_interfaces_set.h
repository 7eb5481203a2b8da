#pragma once
// Interfaces definition set: the IF-MIB extension table and the last-change scalars.

#include "kv_mib_catalogue.h"

extern const KvMibSet InterfacesSet;

extern const KvSNMPVarDef IfXDefs[];
extern const KvSNMPVarDef IfLastChangeDefs[];
