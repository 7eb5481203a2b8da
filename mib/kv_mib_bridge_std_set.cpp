// Standard bridge definition set. The names are the column captions: the object names
// without the group or table prefix.

#include "kv_mib_bridge_std_set.h"

#include "kv_mib_option_values.h"
#include "kv_mib_set_order.h"

#define OPTIONS(name, values) const KvOptionList name KV_MIB_SET_ORDER(BridgeStdSetOrder)(values)

OPTIONS(BaseType, BridgeTypes);
const KvSNMPVarDef BridgeInfoDefs[] = {
    {"1.3.6.1.2.1.17.1.1", "BridgeAddress", Syntax::MacAddress, Access::ReadOnly, nullptr},
    {"1.3.6.1.2.1.17.1.2", "NumPorts", Syntax::Integer, Access::ReadOnly, nullptr},
    {"1.3.6.1.2.1.17.1.3", "Type", Syntax::Integer, Access::ReadOnly, &BaseType},
    {"1.3.6.1.2.1.17.4.1", "LearnedEntryDiscards", Syntax::Counter, Access::ReadOnly, nullptr},
    {"1.3.6.1.2.1.17.4.2", "AgingTime", Syntax::Integer, Access::ReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};

#define BASE "1.3.6.1.2.1.17.1.4.1"
const KvSNMPVarDef BridgeBasePortDefs[] = {
    {BASE ".1", "Port", Syntax::Integer, Access::ReadOnly, nullptr},
    {BASE ".2", "IfIndex", Syntax::Integer, Access::ReadOnly, nullptr},
    {BASE ".3", "Circuit", Syntax::ObjectId, Access::ReadOnly, nullptr},
    {BASE ".4", "DelayExceededDiscards", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".5", "MtuExceededDiscards", Syntax::Counter, Access::ReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

// Times are in hundredths of a second; bridge identifiers are 8 octets.
OPTIONS(StpProtocolKind, StpProtocolKinds);
#define BASE "1.3.6.1.2.1.17.2"
const KvSNMPVarDef BridgeStpDefs[] = {
    {BASE ".1", "Protocol", Syntax::Integer, Access::ReadOnly, &StpProtocolKind},
    {BASE ".2", "Priority", Syntax::Integer, Access::ReadWrite, nullptr},
    {BASE ".3", "TimeSinceTopologyChange", Syntax::TimeTicks, Access::ReadOnly, nullptr},
    {BASE ".4", "TopChanges", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".5", "DesignatedRoot", Syntax::OctetStr, Access::ReadOnly, nullptr},
    {BASE ".6", "RootCost", Syntax::Integer, Access::ReadOnly, nullptr},
    {BASE ".7", "RootPort", Syntax::Integer, Access::ReadOnly, nullptr},
    {BASE ".8", "MaxAge", Syntax::Integer, Access::ReadOnly, nullptr},
    {BASE ".9", "HelloTime", Syntax::Integer, Access::ReadOnly, nullptr},
    {BASE ".10", "HoldTime", Syntax::Integer, Access::ReadOnly, nullptr},
    {BASE ".11", "ForwardDelay", Syntax::Integer, Access::ReadOnly, nullptr},
    {BASE ".12", "BridgeMaxAge", Syntax::Integer, Access::ReadWrite, nullptr},
    {BASE ".13", "BridgeHelloTime", Syntax::Integer, Access::ReadWrite, nullptr},
    {BASE ".14", "BridgeForwardDelay", Syntax::Integer, Access::ReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

OPTIONS(StpPortState, StpPortStates);
OPTIONS(StpPortEnable, EnabledDisabled);
#define BASE "1.3.6.1.2.1.17.2.15.1"
const KvSNMPVarDef BridgeStpPortDefs[] = {
    {BASE ".1", "Port", Syntax::Integer, Access::ReadOnly, nullptr},
    {BASE ".2", "Priority", Syntax::Integer, Access::ReadWrite, nullptr},
    {BASE ".3", "State", Syntax::Integer, Access::ReadOnly, &StpPortState},
    {BASE ".4", "Enable", Syntax::Integer, Access::ReadWrite, &StpPortEnable},
    {BASE ".5", "PathCost", Syntax::Integer, Access::ReadWrite, nullptr},
    {BASE ".6", "DesignatedRoot", Syntax::OctetStr, Access::ReadOnly, nullptr},
    {BASE ".7", "DesignatedCost", Syntax::Integer, Access::ReadOnly, nullptr},
    {BASE ".8", "DesignatedBridge", Syntax::OctetStr, Access::ReadOnly, nullptr},
    {BASE ".9", "DesignatedPort", Syntax::OctetStr, Access::ReadOnly, nullptr},
    {BASE ".10", "ForwardTransitions", Syntax::Counter, Access::ReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

OPTIONS(TpFdbStatus, FdbStatuses);
#define BASE "1.3.6.1.2.1.17.4.3.1"
const KvSNMPVarDef BridgeTpFdbDefs[] = {
    {BASE ".1", "Address", Syntax::MacAddress, Access::ReadOnly, nullptr},
    {BASE ".2", "Port", Syntax::Integer, Access::ReadOnly, nullptr},
    {BASE ".3", "Status", Syntax::Integer, Access::ReadOnly, &TpFdbStatus},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

#define BASE "1.3.6.1.2.1.17.4.4.1"
const KvSNMPVarDef BridgeTpPortDefs[] = {
    {BASE ".1", "Port", Syntax::Integer, Access::ReadOnly, nullptr},
    {BASE ".2", "MaxInfo", Syntax::Integer, Access::ReadOnly, nullptr},
    {BASE ".3", "InFrames", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".4", "OutFrames", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".5", "InDiscards", Syntax::Counter, Access::ReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

const KvMibTable BridgeStdTables[] = {
    KV_MIB_TABLE(BridgeInfoDefs, SVT_SV, 0),     KV_MIB_TABLE(BridgeBasePortDefs, MVT_FMV, 1),
    KV_MIB_TABLE(BridgeStpDefs, SVT_SV, 0),      KV_MIB_TABLE(BridgeStpPortDefs, MVT_FMV, 1),
    KV_MIB_TABLE(BridgeTpFdbDefs, MVT_FMV, 1),   KV_MIB_TABLE(BridgeTpPortDefs, MVT_FMV, 1),
};

const KvMibSet BridgeStdSet = {"bridge-std", BridgeStdTables};
