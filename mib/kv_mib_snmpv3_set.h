#pragma once
// SNMPv3 definition set: SNMP framework, MPD, target, notification, USM, VACM and
// community MIBs.

#include "kv_mib_catalogue.h"

extern const KvMibSet Snmpv3Set;

extern const KvSNMPVarDef SnmpEngineDefs[];
extern const KvSNMPVarDef MpdStatsDefs[];
extern const KvSNMPVarDef TargetGeneralDefs[];
extern const KvSNMPVarDef TargetAddrDefs[];
extern const KvSNMPVarDef TargetParamsDefs[];
extern const KvSNMPVarDef UsmStatsDefs[];
extern const KvSNMPVarDef UsmSpinLockDefs[];
extern const KvSNMPVarDef UsmUserDefs[];
extern const KvSNMPVarDef VacmGroupDefs[];
extern const KvSNMPVarDef VacmAccessDefs[];
extern const KvSNMPVarDef VacmViewSpinLockDefs[];
extern const KvSNMPVarDef VacmViewTreeDefs[];
extern const KvSNMPVarDef NotifyDefs[];
extern const KvSNMPVarDef NotifyProfileDefs[];
extern const KvSNMPVarDef NotifyFilterDefs[];
extern const KvSNMPVarDef CommunityDefs[];
extern const KvSNMPVarDef TargetAddrExtDefs[];
