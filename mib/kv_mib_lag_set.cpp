// Link aggregation definition set.

#include "kv_mib_lag_set.h"

#include "kv_mib_option_values.h"
#include "kv_mib_set_order.h"

#define OPTIONS(name, values) const KvOptionList name KV_MIB_SET_ORDER(LagSetOrder)(values)

OPTIONS(AggPortMode, LagPortModes);
#define BASE "1.3.6.1.4.1.171.12.2.1.1.1.1"
const KvSNMPVarDef LagPortDefs[] = {
    {BASE ".1", "dot3adAggPortIndex", Syntax::Integer, Access::NotAccess, nullptr},
    {BASE ".2", "dot3adAggPortMode", Syntax::Integer, Access::ReadWrite, &AggPortMode},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

const KvMibTable LagTables[] = {
    KV_MIB_TABLE(LagPortDefs, MVT_FMV, 1),
};

const KvMibSet LagSet = {"LAG", LagTables};
