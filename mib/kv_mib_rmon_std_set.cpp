// Standard RMON definition set. The names are the column captions: the object names
// without the table prefix. The alarm and event indexes are typed in for a new row.

#include "kv_mib_rmon_std_set.h"

#include "kv_mib_option_values.h"
#include "kv_mib_set_order.h"

#define OPTIONS(name, values) const KvOptionList name KV_MIB_SET_ORDER(RmonStdSetOrder)(values)

OPTIONS(EtherStatsStatus, EntryStatuses);
#define BASE "1.3.6.1.2.1.16.1.1.1"
const KvSNMPVarDef RmonEtherStatsDefs[] = {
    {BASE ".1", "Index", Syntax::Integer, Access::ReadOnly, nullptr},
    {BASE ".2", "DataSource", Syntax::ObjectId, Access::ReadOnly, nullptr},
    {BASE ".3", "DropEvents", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".4", "Octets", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".5", "Pkts", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".6", "BroadcastPkts", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".7", "MulticastPkts", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".8", "CRCAlignErrors", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".9", "UndersizePkts", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".10", "OversizePkts", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".11", "Fragments", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".12", "Jabbers", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".13", "Collisions", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".14", "Pkts64Octets", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".15", "Pkts65to127Octets", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".16", "Pkts128to255Octets", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".17", "Pkts256to511Octets", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".18", "Pkts512to1023Octets", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".19", "Pkts1024to1518Octets", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".20", "Owner", Syntax::DisplayStr, Access::ReadOnly, nullptr},
    {BASE ".21", "Status", Syntax::Integer, Access::ReadOnly, &EtherStatsStatus},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

OPTIONS(AlarmSampleType, AlarmSampleTypes);
OPTIONS(AlarmStartupAlarm, AlarmStartupTypes);
OPTIONS(AlarmStatus, EntryStatuses);
#define BASE "1.3.6.1.2.1.16.3.1.1"
const KvSNMPVarDef RmonAlarmDefs[] = {
    {BASE ".1", "Index", Syntax::Integer, Access::NotAccess, nullptr},
    {BASE ".2", "Interval", Syntax::Integer, Access::ReadWrite, nullptr},
    {BASE ".3", "Variable", Syntax::ObjectId, Access::ReadWrite, nullptr},
    {BASE ".4", "SampleType", Syntax::Integer, Access::ReadWrite, &AlarmSampleType},
    {BASE ".5", "Value", Syntax::Integer, Access::ReadOnly, nullptr},
    {BASE ".6", "StartupAlarm", Syntax::Integer, Access::ReadWrite, &AlarmStartupAlarm},
    {BASE ".7", "RisingThreshold", Syntax::Integer, Access::ReadWrite, nullptr},
    {BASE ".8", "FallingThreshold", Syntax::Integer, Access::ReadWrite, nullptr},
    {BASE ".9", "RisingEventIndex", Syntax::Integer, Access::ReadWrite, nullptr},
    {BASE ".10", "FallingEventIndex", Syntax::Integer, Access::ReadWrite, nullptr},
    {BASE ".11", "Owner", Syntax::DisplayStr, Access::ReadWrite, nullptr},
    {BASE ".12", "Status", Syntax::Integer, Access::ReadWrite, &AlarmStatus},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

OPTIONS(EventType, EventTypes);
OPTIONS(EventStatus, EntryStatuses);
#define BASE "1.3.6.1.2.1.16.9.1.1"
const KvSNMPVarDef RmonEventDefs[] = {
    {BASE ".1", "Index", Syntax::Integer, Access::NotAccess, nullptr},
    {BASE ".2", "Description", Syntax::DisplayStr, Access::ReadWrite, nullptr},
    {BASE ".3", "Type", Syntax::Integer, Access::ReadWrite, &EventType},
    {BASE ".4", "Community", Syntax::DisplayStr, Access::ReadWrite, nullptr},
    {BASE ".5", "LastTimeSent", Syntax::TimeTicks, Access::ReadOnly, nullptr},
    {BASE ".6", "Owner", Syntax::DisplayStr, Access::ReadWrite, nullptr},
    {BASE ".7", "Status", Syntax::Integer, Access::ReadWrite, &EventStatus},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

const KvMibTable RmonStdTables[] = {
    KV_MIB_TABLE(RmonEtherStatsDefs, MVT_FMV, 1),
    KV_MIB_TABLE(RmonAlarmDefs, MVT_UMV, 1),
    KV_MIB_TABLE(RmonEventDefs, MVT_UMV, 1),
};

const KvMibSet RmonStdSet = {"rmon-std", RmonStdTables};
