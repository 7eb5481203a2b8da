#pragma once
// ACL definition set: the Ethernet, IP and packet-content mask (profile) tables and
// their rule tables.

#include "kv_mib_catalogue.h"

extern const KvMibSet AclSet;

extern const KvSNMPVarDef AclEthernetMaskDefs[];
extern const KvSNMPVarDef AclIpMaskDefs[];
extern const KvSNMPVarDef AclPktContMaskDefs[];
extern const KvSNMPVarDef AclEthernetRuleDefs[];
extern const KvSNMPVarDef AclIpRuleDefs[];
extern const KvSNMPVarDef AclPktContRuleDefs[];
