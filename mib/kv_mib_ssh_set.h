#pragma once
// SSH definition set: SSH management and algorithm controls.

#include "kv_mib_catalogue.h"

extern const KvMibSet SshSet;

extern const KvSNMPVarDef SshMgmtDefs[];
extern const KvSNMPVarDef SshEncryptAlgDefs[];
extern const KvSNMPVarDef SshAuthMethodDefs[];
extern const KvSNMPVarDef SshIntegrityAlgDefs[];
extern const KvSNMPVarDef SshKeyExchangeDefs[];
