#pragma once
// Access authentication control definition set.

#include "kv_mib_catalogue.h"

extern const KvMibSet AacSet;

extern const KvSNMPVarDef AacCtrlDefs[];
extern const KvSNMPVarDef AacInfoDefs[];
extern const KvSNMPVarDef AacMethodListDefs[];
extern const KvSNMPVarDef AacServerGroupDefs[];
extern const KvSNMPVarDef AacServerDefs[];
