// MIB-II definition set. The names are the column captions: the object names without
// the group or table prefix.

#include "kv_mib_mib2_set.h"

#include "kv_mib_option_values.h"
#include "kv_mib_set_order.h"

#define OPTIONS(name, values) const KvOptionList name KV_MIB_SET_ORDER(Mib2SetOrder)(values)

#define BASE "1.3.6.1.2.1.1"
const KvSNMPVarDef MibSystemDefs[] = {
    {BASE ".1", "Descr", Syntax::DisplayStr, Access::ReadOnly, nullptr},
    {BASE ".2", "ObjectID", Syntax::ObjectId, Access::ReadOnly, nullptr},
    {BASE ".3", "UpTime", Syntax::TimeTicks, Access::ReadOnly, nullptr},
    {BASE ".4", "Contact", Syntax::DisplayStr, Access::ReadWrite, nullptr},
    {BASE ".5", "Name", Syntax::DisplayStr, Access::ReadWrite, nullptr},
    {BASE ".6", "Location", Syntax::DisplayStr, Access::ReadWrite, nullptr},
    {BASE ".7", "Services", Syntax::Integer, Access::ReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

OPTIONS(IfType, IfTypes);
OPTIONS(IfAdminStatus, IfAdminStatuses);
OPTIONS(IfOperStatus, IfOperStatuses);
#define BASE "1.3.6.1.2.1.2.2.1"
const KvSNMPVarDef MibIfTableDefs[] = {
    {BASE ".1", "Index", Syntax::Integer, Access::ReadOnly, nullptr},
    {BASE ".2", "Descr", Syntax::DisplayStr, Access::ReadOnly, nullptr},
    {BASE ".3", "Type", Syntax::Integer, Access::ReadOnly, &IfType},
    {BASE ".4", "Mtu", Syntax::Integer, Access::ReadOnly, nullptr},
    {BASE ".5", "Speed", Syntax::Gauge, Access::ReadOnly, nullptr},
    {BASE ".6", "PhysAddress", Syntax::MacAddress, Access::ReadOnly, nullptr},
    {BASE ".7", "AdminStatus", Syntax::Integer, Access::ReadWrite, &IfAdminStatus},
    {BASE ".8", "OperStatus", Syntax::Integer, Access::ReadOnly, &IfOperStatus},
    {BASE ".9", "LastChange", Syntax::TimeTicks, Access::ReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};

const KvSNMPVarDef MibIfCountersDefs[] = {
    {BASE ".1", "Index", Syntax::Integer, Access::ReadOnly, nullptr},
    {BASE ".2", "Descr", Syntax::DisplayStr, Access::ReadOnly, nullptr},
    {BASE ".10", "InOctets", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".11", "InUcastPkts", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".12", "InNUcastPkts", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".13", "InDiscards", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".14", "InErrors", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".15", "InUnknownProtos", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".16", "OutOctets", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".17", "OutUcastPkts", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".18", "OutNUcastPkts", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".19", "OutDiscards", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".20", "OutErrors", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".21", "OutQLen", Syntax::Gauge, Access::ReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

OPTIONS(IpForwarding, IpForwardingStates);
#define BASE "1.3.6.1.2.1.4"
const KvSNMPVarDef MibIpCountersDefs[] = {
    {BASE ".1", "Forwarding", Syntax::Integer, Access::ReadWrite, &IpForwarding},
    {BASE ".2", "DefaultTTL", Syntax::Integer, Access::ReadWrite, nullptr},
    {BASE ".3", "InReceives", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".4", "InHdrErrors", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".5", "InAddrErrors", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".6", "ForwDatagrams", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".7", "InUnknownProtos", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".8", "InDiscards", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".9", "InDelivers", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".10", "OutRequests", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".11", "OutDiscards", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".12", "OutNoRoutes", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".13", "ReasmTimeout", Syntax::Integer, Access::ReadOnly, nullptr},
    {BASE ".14", "ReasmReqds", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".15", "ReasmOKs", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".16", "ReasmFails", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".17", "FragOKs", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".18", "FragFails", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".19", "FragCreates", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".23", "RoutingDiscards", Syntax::Counter, Access::ReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

OPTIONS(IpRouteType, IpRouteTypes);
OPTIONS(IpRouteProto, IpRouteProtocols);
#define BASE "1.3.6.1.2.1.4.21.1"
const KvSNMPVarDef MibIpRouteDefs[] = {
    {BASE ".1", "Dest", Syntax::IpAddress, Access::ReadOnly, nullptr},
    {BASE ".2", "IfIndex", Syntax::Integer, Access::ReadOnly, nullptr},
    {BASE ".3", "Metric1", Syntax::Integer, Access::ReadOnly, nullptr},
    {BASE ".4", "Metric2", Syntax::Integer, Access::ReadOnly, nullptr},
    {BASE ".5", "Metric3", Syntax::Integer, Access::ReadOnly, nullptr},
    {BASE ".6", "Metric4", Syntax::Integer, Access::ReadOnly, nullptr},
    {BASE ".7", "NextHop", Syntax::IpAddress, Access::ReadOnly, nullptr},
    {BASE ".8", "Type", Syntax::Integer, Access::ReadOnly, &IpRouteType},
    {BASE ".9", "Proto", Syntax::Integer, Access::ReadOnly, &IpRouteProto},
    {BASE ".10", "Age", Syntax::Integer, Access::ReadOnly, nullptr},
    {BASE ".11", "Mask", Syntax::IpAddress, Access::ReadOnly, nullptr},
    {BASE ".12", "Metric5", Syntax::Integer, Access::ReadOnly, nullptr},
    {BASE ".13", "Info", Syntax::ObjectId, Access::ReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

#define BASE "1.3.6.1.2.1.4.20.1"
const KvSNMPVarDef MibIpAddrDefs[] = {
    {BASE ".1", "Addr", Syntax::IpAddress, Access::ReadOnly, nullptr},
    {BASE ".2", "IfIndex", Syntax::Integer, Access::ReadOnly, nullptr},
    {BASE ".3", "NetMask", Syntax::IpAddress, Access::ReadOnly, nullptr},
    {BASE ".4", "BcastAddr", Syntax::Integer, Access::ReadOnly, nullptr},
    {BASE ".5", "ReasmMaxSize", Syntax::Integer, Access::ReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

#define BASE "1.3.6.1.2.1.5"
const KvSNMPVarDef MibIcmpDefs[] = {
    {BASE ".1", "InMsgs", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".2", "InErrors", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".3", "InDestUnreachs", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".4", "InTimeExcds", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".5", "InParmProbs", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".6", "InSrcQuenchs", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".7", "InRedirects", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".8", "InEchos", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".9", "InEchoReps", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".10", "InTimestamps", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".11", "InTimestampReps", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".12", "InAddrMasks", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".13", "InAddrMaskReps", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".14", "OutMsgs", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".15", "OutErrors", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".16", "OutDestUnreachs", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".17", "OutTimeExcds", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".18", "OutParmProbs", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".19", "OutSrcQuenchs", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".20", "OutRedirects", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".21", "OutEchos", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".22", "OutEchoReps", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".23", "OutTimestamps", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".24", "OutTimestampReps", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".25", "OutAddrMasks", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".26", "OutAddrMaskReps", Syntax::Counter, Access::ReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

#define BASE "1.3.6.1.2.1.7"
const KvSNMPVarDef MibUdpDefs[] = {
    {BASE ".1", "InDatagrams", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".2", "NoPorts", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".3", "InErrors", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".4", "OutDatagrams", Syntax::Counter, Access::ReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};

// Both columns are the table's INDEX and are read as well.
const KvSNMPVarDef MibUdpTableDefs[] = {
    {BASE ".5.1.1", "LocalAddress", Syntax::IpAddress, Access::ReadOnly, nullptr},
    {BASE ".5.1.2", "LocalPort", Syntax::Integer, Access::ReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

// Objects 7 and 23 of the group are not defined.
OPTIONS(SnmpEnableAuthenTraps, EnabledDisabled);
#define BASE "1.3.6.1.2.1.11"
const KvSNMPVarDef MibSnmpDefs[] = {
    {BASE ".1", "InPkts", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".2", "OutPkts", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".3", "InBadVersions", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".4", "InBadCommunityNames", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".5", "InBadCommunityUses", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".6", "InASNParseErrs", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".8", "InTooBigs", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".9", "InNoSuchNames", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".10", "InBadValues", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".11", "InReadOnlys", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".12", "InGenErrs", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".13", "InTotalReqVars", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".14", "InTotalSetVars", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".15", "InGetRequests", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".16", "InGetNexts", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".17", "InSetRequests", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".18", "InGetResponses", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".19", "InTraps", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".20", "OutTooBigs", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".21", "OutNoSuchNames", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".22", "OutBadValues", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".24", "OutGenErrs", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".25", "OutGetRequests", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".26", "OutGetNexts", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".27", "OutSetRequests", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".28", "OutGetResponses", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".29", "OutTraps", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".30", "EnableAuthenTraps", Syntax::Integer, Access::ReadWrite, &SnmpEnableAuthenTraps},
    {BASE ".31", "SilentDrops", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".32", "ProxyDrops", Syntax::Counter, Access::ReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

const KvMibTable Mib2Tables[] = {
    KV_MIB_TABLE(MibSystemDefs, SVT_SV, 0),      KV_MIB_TABLE(MibIfTableDefs, MVT_FMV, 1),
    KV_MIB_TABLE(MibIfCountersDefs, MVT_FMV, 1), KV_MIB_TABLE(MibIpCountersDefs, SVT_SV, 0),
    KV_MIB_TABLE(MibIpRouteDefs, MVT_FMV, 1),    KV_MIB_TABLE(MibIpAddrDefs, MVT_FMV, 1),
    KV_MIB_TABLE(MibIcmpDefs, SVT_SV, 0),        KV_MIB_TABLE(MibUdpDefs, SVT_SV, 0),
    KV_MIB_TABLE(MibUdpTableDefs, MVT_FMV, 2),   KV_MIB_TABLE(MibSnmpDefs, SVT_SV, 0),
};

const KvMibSet Mib2Set = {"mib2", Mib2Tables};
