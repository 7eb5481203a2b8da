#pragma once
// RMON definition set: the history control table and the Ethernet history samples.

#include "kv_mib_catalogue.h"

extern const KvMibSet RmonSet;

extern const KvSNMPVarDef HistoryControlDefs[];  // the window's list; one row for Delete
extern const KvSNMPVarDef HistoryDialogDefs[];   // the add/modify dialog: no buckets granted
extern const KvSNMPVarDef EtherHistoryDefs[];    // samples; the control index is appended
