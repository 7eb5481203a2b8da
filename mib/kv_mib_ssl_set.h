#pragma once
// SSL definition set: SSL management and certificate files.

#include "kv_mib_catalogue.h"

extern const KvMibSet SslSet;

extern const KvSNMPVarDef SslMgmtDefs[];
extern const KvSNMPVarDef SslCertFileDefs[];
