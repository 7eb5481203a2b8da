// Standard VLAN definition set. The names are the column captions: the object names
// without the table prefix. Keys that are columns of another table (the bridge port,
// the filtering database, the VLAN index) carry that column's OID and are never read.

#include "kv_mib_vlan_std_set.h"

#include "kv_mib_option_values.h"
#include "kv_mib_set_order.h"

#define OPTIONS(name, values) const KvOptionList name KV_MIB_SET_ORDER(VlanStdSetOrder)(values)

#define PORT "1.3.6.1.2.1.17.1.4.1.1"           // dot1dBasePort
#define FDB_ID "1.3.6.1.2.1.17.7.1.2.1.1.1"     // dot1qFdbId
#define VLAN_INDEX "1.3.6.1.2.1.17.7.1.4.2.1.2" // dot1qVlanIndex

OPTIONS(GmrpStatus, EnabledDisabled);
OPTIONS(GmrpRestrictedGroupRegistration, TrueFalse);
#define BASE "1.3.6.1.2.1.17.6.1.4.1.1"
const KvSNMPVarDef VlanGmrpDefs[] = {
    {PORT, "Port", Syntax::Integer, Access::NotAccess, nullptr},
    {BASE ".1", "Status", Syntax::Integer, Access::ReadWrite, &GmrpStatus},
    {BASE ".2", "FailedRegistrations", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".3", "LastPduOrigin", Syntax::MacAddress, Access::ReadOnly, nullptr},
    {BASE ".4", "RestrictedGroupRegistration", Syntax::Integer, Access::ReadWrite, &GmrpRestrictedGroupRegistration},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

// Timers in hundredths of a second.
#define BASE "1.3.6.1.2.1.17.6.1.3.1.1"
const KvSNMPVarDef VlanGarpDefs[] = {
    {PORT, "Port", Syntax::Integer, Access::NotAccess, nullptr},
    {BASE ".1", "JoinTime", Syntax::Integer, Access::ReadWrite, nullptr},
    {BASE ".2", "LeaveTime", Syntax::Integer, Access::ReadWrite, nullptr},
    {BASE ".3", "LeaveAllTime", Syntax::Integer, Access::ReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

OPTIONS(DeviceTrafficClassesEnabled, TrueFalse);
OPTIONS(DeviceGmrpStatus, EnabledDisabled);
#define BASE "1.3.6.1.2.1.17.6.1.1"
const KvSNMPVarDef VlanDeviceCapabilityDefs[] = {
    {BASE ".1", "DeviceCapabilities", Syntax::BitStr, Access::ReadOnly, nullptr},
    {BASE ".2", "TrafficClassesEnabled", Syntax::Integer, Access::ReadOnly, &DeviceTrafficClassesEnabled},
    {BASE ".3", "GmrpStatus", Syntax::Integer, Access::ReadOnly, &DeviceGmrpStatus},
    {nullptr, nullptr, 0, 0, nullptr}};

const KvSNMPVarDef VlanPortCapabilityDefs[] = {
    {PORT, "Port", Syntax::Integer, Access::NotAccess, nullptr},
    {BASE ".4.1.1", "PortCapabilities", Syntax::BitStr, Access::ReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

OPTIONS(QBaseGvrpStatus, EnabledDisabled);
#define BASE "1.3.6.1.2.1.17.7.1.1"
const KvSNMPVarDef VlanQBaseDefs[] = {
    {BASE ".1", "VlanVersionNumber", Syntax::Integer, Access::ReadOnly, nullptr},
    {BASE ".2", "MaxVlanId", Syntax::Integer, Access::ReadOnly, nullptr},
    {BASE ".3", "MaxSupportedVlans", Syntax::Gauge, Access::ReadOnly, nullptr},
    {BASE ".4", "NumVlans", Syntax::Gauge, Access::ReadOnly, nullptr},
    {BASE ".5", "GvrpStatus", Syntax::Integer, Access::ReadOnly, &QBaseGvrpStatus},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

const KvSNMPVarDef VlanFdbDefs[] = {
    {FDB_ID, "FdbId", Syntax::Gauge, Access::NotAccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.2.1.1.2", "DynamicCount", Syntax::Counter, Access::ReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};

OPTIONS(TpFdbStatus, FdbStatuses);
#define BASE "1.3.6.1.2.1.17.7.1.2.2.1"
const KvSNMPVarDef VlanTpFdbDefs[] = {
    {FDB_ID, "FdbId", Syntax::Gauge, Access::NotAccess, nullptr},
    {BASE ".1", "Address", Syntax::MacAddress, Access::NotAccess, nullptr},
    {BASE ".2", "Port", Syntax::Integer, Access::ReadOnly, nullptr},
    {BASE ".3", "Status", Syntax::Integer, Access::ReadOnly, &TpFdbStatus},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

OPTIONS(VlanStaticRowStatus, RowStatuses);
#define BASE "1.3.6.1.2.1.17.7.1.4.3.1"
const KvSNMPVarDef VlanStaticDefs[] = {
    {VLAN_INDEX, "VlanIndex", Syntax::Gauge, Access::NotAccess, nullptr},
    {BASE ".1", "Name", Syntax::DisplayStr, Access::ReadWrite, nullptr},
    {BASE ".2", "EgressPorts", Syntax::BitStr, Access::ReadWrite, nullptr},
    {BASE ".3", "ForbiddenEgressPorts", Syntax::BitStr, Access::ReadWrite, nullptr},
    {BASE ".4", "UntaggedPorts", Syntax::BitStr, Access::ReadWrite, nullptr},
    {BASE ".5", "RowStatus", Syntax::Integer, Access::ReadWrite, &VlanStaticRowStatus},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

OPTIONS(VlanCurrentStatus, VlanStatuses);
#define BASE "1.3.6.1.2.1.17.7.1.4.2.1"
const KvSNMPVarDef VlanCurrentDefs[] = {
    {BASE ".1", "TimeMark", Syntax::TimeTicks, Access::NotAccess, nullptr},
    {BASE ".2", "Index", Syntax::Gauge, Access::NotAccess, nullptr},
    {BASE ".3", "FdbId", Syntax::Gauge, Access::ReadOnly, nullptr},
    {BASE ".4", "CurrentEgressPorts", Syntax::BitStr, Access::ReadOnly, nullptr},
    {BASE ".5", "CurrentUntaggedPorts", Syntax::BitStr, Access::ReadOnly, nullptr},
    {BASE ".6", "Status", Syntax::Integer, Access::ReadOnly, &VlanCurrentStatus},
    {BASE ".7", "CreationTime", Syntax::TimeTicks, Access::ReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

OPTIONS(StaticUnicastStatus, StaticAddressStatuses);
#define BASE "1.3.6.1.2.1.17.7.1.3.1.1"
const KvSNMPVarDef VlanStaticUnicastDefs[] = {
    {FDB_ID, "FdbId", Syntax::Gauge, Access::NotAccess, nullptr},
    {BASE ".1", "Address", Syntax::MacAddress, Access::NotAccess, nullptr},
    {BASE ".2", "ReceivePort", Syntax::Integer, Access::NotAccess, nullptr},
    {BASE ".3", "AllowedToGoTo", Syntax::BitStr, Access::ReadOnly, nullptr},
    {BASE ".4", "Status", Syntax::Integer, Access::ReadOnly, &StaticUnicastStatus},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

// The multicast table is indexed by the VLAN, not by the filtering database.
OPTIONS(StaticMulticastStatus, StaticAddressStatuses);
#define BASE "1.3.6.1.2.1.17.7.1.3.2.1"
const KvSNMPVarDef VlanStaticMulticastDefs[] = {
    {VLAN_INDEX, "VlanIndex", Syntax::Gauge, Access::NotAccess, nullptr},
    {BASE ".1", "Address", Syntax::MacAddress, Access::NotAccess, nullptr},
    {BASE ".2", "ReceivePort", Syntax::Integer, Access::NotAccess, nullptr},
    {BASE ".3", "StaticEgressPorts", Syntax::BitStr, Access::ReadOnly, nullptr},
    {BASE ".4", "ForbiddenEgressPorts", Syntax::BitStr, Access::ReadOnly, nullptr},
    {BASE ".5", "Status", Syntax::Integer, Access::ReadOnly, &StaticMulticastStatus},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

const KvMibTable VlanStdTables[] = {
    KV_MIB_TABLE(VlanGmrpDefs, MVT_FMV, 1),
    KV_MIB_TABLE(VlanGarpDefs, MVT_FMV, 1),
    KV_MIB_TABLE(VlanDeviceCapabilityDefs, SVT_SV, 0),
    KV_MIB_TABLE(VlanPortCapabilityDefs, MVT_FMV, 1),
    KV_MIB_TABLE(VlanQBaseDefs, SVT_SV, 0),
    KV_MIB_TABLE(VlanFdbDefs, MVT_FMV, 1),
    KV_MIB_TABLE(VlanTpFdbDefs, MVT_FMV, 2),
    KV_MIB_TABLE(VlanStaticDefs, MVT_UMV, 1),
    KV_MIB_TABLE(VlanCurrentDefs, MVT_FMV, 2),
    KV_MIB_TABLE(VlanStaticUnicastDefs, MVT_FMV, 3),
    KV_MIB_TABLE(VlanStaticMulticastDefs, MVT_FMV, 3),
};

const KvMibSet VlanStdSet = {"vlan-std", VlanStdTables};
