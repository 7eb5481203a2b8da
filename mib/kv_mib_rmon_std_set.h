#pragma once
// Standard RMON definition set: the Ethernet statistics, alarm and event tables for the
// companion views.

#include "kv_mib_catalogue.h"

extern const KvMibSet RmonStdSet;

extern const KvSNMPVarDef RmonEtherStatsDefs[];
extern const KvSNMPVarDef RmonAlarmDefs[];  // rows created and destroyed by EntryStatus
extern const KvSNMPVarDef RmonEventDefs[];  // likewise
