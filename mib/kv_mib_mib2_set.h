#pragma once
// MIB-II definition set: the system, interfaces, ip, icmp, udp and snmp groups that the
// companion views show.

#include "kv_mib_catalogue.h"

extern const KvMibSet Mib2Set;

extern const KvSNMPVarDef MibSystemDefs[];
extern const KvSNMPVarDef MibIfTableDefs[];
extern const KvSNMPVarDef MibIfCountersDefs[];  // ifIndex and ifDescr, then the counters
extern const KvSNMPVarDef MibIpCountersDefs[];
extern const KvSNMPVarDef MibIpRouteDefs[];
extern const KvSNMPVarDef MibIpAddrDefs[];
extern const KvSNMPVarDef MibIcmpDefs[];
extern const KvSNMPVarDef MibUdpDefs[];
extern const KvSNMPVarDef MibUdpTableDefs[];
extern const KvSNMPVarDef MibSnmpDefs[];
