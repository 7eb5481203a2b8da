// Bridge definition set. The port number of every table is dot1dBasePort.

#include "kv_mib_bridge_set.h"

#include "kv_mib_option_values.h"
#include "kv_mib_set_order.h"

#define OPTIONS(name, values) const KvOptionList name KV_MIB_SET_ORDER(BridgeSetOrder)(values)

const KvSNMPVarDef PortPriorityDefs[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "PortNumber", Syntax::Integer, Access::NotAccess, nullptr},
    {"1.3.6.1.2.1.17.6.1.2.1.1.1", "DefaultUserPriority", Syntax::Integer, Access::ReadWrite, nullptr},
    {"1.3.6.1.2.1.17.6.1.2.1.1.2", "PortNumTrafficClasses", Syntax::Integer, Access::ReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};

const KvSNMPVarDef UserPriorityRegenDefs[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "PortNumber", Syntax::Integer, Access::NotAccess, nullptr},
    {"1.3.6.1.2.1.17.6.1.2.2.1.1", "UserPriority", Syntax::Integer, Access::NotAccess, nullptr},
    {"1.3.6.1.2.1.17.6.1.2.2.1.2", "RegeneratedUserPriority", Syntax::Integer, Access::ReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};

const KvSNMPVarDef TrafficClassMapDefs[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "PortNumber", Syntax::Integer, Access::NotAccess, nullptr},
    {"1.3.6.1.2.1.17.6.1.2.3.1.1", "TrafficClassPriority", Syntax::Integer, Access::NotAccess, nullptr},
    {"1.3.6.1.2.1.17.6.1.2.3.1.2", "MappedTrafficClass", Syntax::Integer, Access::ReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};

const KvSNMPVarDef OutboundAccessPriorityDefs[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "PortNumber", Syntax::Integer, Access::NotAccess, nullptr},
    {"1.3.6.1.2.1.17.6.1.2.2.1.2", "RegeneratedUserPriority", Syntax::Integer, Access::NotAccess, nullptr},
    {"1.3.6.1.2.1.17.6.1.2.4.1.1", "PortOutboundAccessPriority", Syntax::Integer, Access::ReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};

OPTIONS(PortVlanIngressFiltering, TrueFalse);
OPTIONS(PortVlanGvrpStatus, EnabledDisabled);
const KvSNMPVarDef PortVlanDefs[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "PortNumber", Syntax::Integer, Access::ReadOnly, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.5.1.1", "PortVLANID", Syntax::Gauge, Access::ReadWrite, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.5.1.3", "IngressFiltering", Syntax::Integer, Access::ReadWrite, &PortVlanIngressFiltering},
    {"1.3.6.1.2.1.17.7.1.4.5.1.4", "GVRPStatus", Syntax::Integer, Access::ReadWrite, &PortVlanGvrpStatus},
    {"1.3.6.1.2.1.17.7.1.4.5.1.5", "GVRPFailedRegistrations", Syntax::Counter, Access::ReadOnly, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.5.1.6", "GVRPLastPduOrigin", Syntax::MacAddress, Access::ReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};

const KvMibTable BridgeTables[] = {
    KV_MIB_TABLE(PortPriorityDefs, MVT_FMV, 1),
    KV_MIB_TABLE(UserPriorityRegenDefs, MVT_FMV, 2),
    KV_MIB_TABLE(TrafficClassMapDefs, MVT_FMV, 2),
    KV_MIB_TABLE(OutboundAccessPriorityDefs, MVT_FMV, 2),
    KV_MIB_TABLE(PortVlanDefs, MVT_FMV, 1),
};

const KvMibSet BridgeSet = {"bridge", BridgeTables};
