#pragma once
// 802.1X definition set: the IEEE 802.1X PAE system, port, statistics, diagnostics and
// session tables.

#include "kv_mib_catalogue.h"

extern const KvMibSet Dot1xSet;

extern const KvSNMPVarDef Dot1xSystemDefs[];
extern const KvSNMPVarDef Dot1xPortDefs[];
extern const KvSNMPVarDef Dot1xPortConfigDefs[];
extern const KvSNMPVarDef Dot1xPortStatsDefs[];
extern const KvSNMPVarDef Dot1xPortDiagDefs[];
extern const KvSNMPVarDef Dot1xSessionStatsDefs[];
