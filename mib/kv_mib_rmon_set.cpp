// RMON definition set.

#include "kv_mib_rmon_set.h"

#include "kv_mib_option_values.h"
#include "kv_mib_set_order.h"

#define OPTIONS(name, values) const KvOptionList name KV_MIB_SET_ORDER(RmonSetOrder)(values)

OPTIONS(ControlStatus, EntryStatuses);
#define BASE "1.3.6.1.2.1.16.2.1.1"
const KvSNMPVarDef HistoryControlDefs[] = {
    {BASE ".1", "historyControlIndex", Syntax::Integer, Access::NotAccess, nullptr},
    {BASE ".2", "historyControlDataSource", Syntax::ObjectId, Access::ReadWrite, nullptr},
    {BASE ".3", "historyControlBucketsRequested", Syntax::Integer, Access::ReadWrite, nullptr},
    {BASE ".4", "historyControlBucketsGranted", Syntax::Integer, Access::ReadOnly, nullptr},
    {BASE ".5", "historyControlInterval", Syntax::Integer, Access::ReadWrite, nullptr},
    {BASE ".6", "historyControlOwner", Syntax::DisplayStr, Access::ReadWrite, nullptr},
    {BASE ".7", "historyControlStatus", Syntax::Integer, Access::ReadWrite, &ControlStatus},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

OPTIONS(DialogStatus, EntryStatuses);
#define BASE "1.3.6.1.2.1.16.2.1.1"
const KvSNMPVarDef HistoryDialogDefs[] = {
    {BASE ".1", "historyControlIndex", Syntax::Integer, Access::NotAccess, nullptr},
    {BASE ".2", "historyControlDataSource", Syntax::ObjectId, Access::ReadWrite, nullptr},
    {BASE ".3", "historyControlBucketsRequested", Syntax::Integer, Access::ReadWrite, nullptr},
    {BASE ".5", "historyControlInterval", Syntax::Integer, Access::ReadWrite, nullptr},
    {BASE ".6", "historyControlOwner", Syntax::DisplayStr, Access::ReadWrite, nullptr},
    {BASE ".7", "historyControlStatus", Syntax::Integer, Access::ReadWrite, &DialogStatus},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

#define BASE "1.3.6.1.2.1.16.2.2.1"
const KvSNMPVarDef EtherHistoryDefs[] = {
    {BASE ".3", "etherHistoryIntervalStart", Syntax::TimeTicks, Access::ReadOnly, nullptr},
    {BASE ".4", "etherHistoryDropEvents", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".5", "etherHistoryOctets", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".6", "etherHistoryPkts", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".7", "etherHistoryBroadcastPkts", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".8", "etherHistoryMulticastPkts", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".9", "etherHistoryCRCAlignErrors", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".10", "etherHistoryUndersizePkts", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".11", "etherHistoryOversizePkts", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".12", "etherHistoryFragments", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".13", "etherHistoryJabbers", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".14", "etherHistoryCollisions", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".15", "etherHistoryUtilization", Syntax::Integer, Access::ReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

const KvMibTable RmonTables[] = {
    KV_MIB_TABLE(HistoryControlDefs, MVT_FMV, 1),
    KV_MIB_TABLE(HistoryDialogDefs, MVT_SV, 0),
    KV_MIB_TABLE(EtherHistoryDefs, MVT_FMV, 0),
};

const KvMibSet RmonSet = {"RMON", RmonTables};
