// Interfaces definition set. The names are the list view's column captions.

#include "kv_mib_interfaces_set.h"

#include "kv_mib_option_values.h"
#include "kv_mib_set_order.h"

#define OPTIONS(name, values) const KvOptionList name KV_MIB_SET_ORDER(InterfacesSetOrder)(values)

// The 64-bit counters need SNMP version 2c or 3.
OPTIONS(LinkUpDownTrapEnable, TrapEnableStates);
OPTIONS(PromiscuousMode, FalseTrue);
OPTIONS(ConnectorPresent, FalseTrue);
#define BASE "1.3.6.1.2.1.31.1.1.1"
const KvSNMPVarDef IfXDefs[] = {
    {"1.3.6.1.2.1.2.2.1.1", "Index", Syntax::Integer, Access::ReadOnly, nullptr},
    {BASE ".1", "Name", Syntax::DisplayStr, Access::ReadOnly, nullptr},
    {BASE ".2", "InMulticastPkts", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".3", "InBroadcastPkts", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".4", "OutMulticastPkts", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".5", "OutBroadcastPkts", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".6", "HCInOctets", Syntax::Counter64, Access::ReadOnly, nullptr},
    {BASE ".7", "HCInUcastPkts", Syntax::Counter64, Access::ReadOnly, nullptr},
    {BASE ".8", "HCInMulticastPkts", Syntax::Counter64, Access::ReadOnly, nullptr},
    {BASE ".9", "HCInBroadcastPkts", Syntax::Counter64, Access::ReadOnly, nullptr},
    {BASE ".10", "HCOutOctets", Syntax::Counter64, Access::ReadOnly, nullptr},
    {BASE ".11", "HCOutUcastPkts", Syntax::Counter64, Access::ReadOnly, nullptr},
    {BASE ".12", "HCOutMulticastPkts", Syntax::Counter64, Access::ReadOnly, nullptr},
    {BASE ".13", "HCOutBroadcastPkts", Syntax::Counter64, Access::ReadOnly, nullptr},
    {BASE ".14", "LinkUpDownTrapEnable", Syntax::Integer, Access::ReadWrite, &LinkUpDownTrapEnable},
    {BASE ".15", "HighSpeed", Syntax::Gauge, Access::ReadOnly, nullptr},
    {BASE ".16", "PromiscuousMode", Syntax::Integer, Access::ReadWrite, &PromiscuousMode},
    {BASE ".17", "ConnectorPresent", Syntax::Integer, Access::ReadOnly, &ConnectorPresent},
    {BASE ".18", "Alias", Syntax::DisplayStr, Access::ReadWrite, nullptr},
    {BASE ".19", "CounterDiscontinuityTime", Syntax::TimeTicks, Access::ReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

#define BASE "1.3.6.1.2.1.31.1"
const KvSNMPVarDef IfLastChangeDefs[] = {
    {BASE ".5", "ifTableLastChange", Syntax::TimeTicks, Access::ReadOnly, nullptr},
    {BASE ".6", "ifStackLastChange", Syntax::TimeTicks, Access::ReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

const KvMibTable InterfacesTables[] = {
    KV_MIB_TABLE(IfXDefs, MVT_UMV, 1),
    KV_MIB_TABLE(IfLastChangeDefs, SVT_SV, 0),
};

const KvMibSet InterfacesSet = {"interfaces", InterfacesTables};
