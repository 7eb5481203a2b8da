#pragma once
// Link aggregation definition set: the aggregation port table.

#include "kv_mib_catalogue.h"

extern const KvMibSet LagSet;

extern const KvSNMPVarDef LagPortDefs[];
