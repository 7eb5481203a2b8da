// Single IP management definition set.

#include "kv_mib_sim_set.h"

#include "kv_mib_option_values.h"
#include "kv_mib_set_order.h"

#define OPTIONS(name, values) const KvOptionList name KV_MIB_SET_ORDER(SimSetOrder)(values)

#define BASE "1.3.6.1.4.1.171.12.8.1.1"
const KvSNMPVarDef SimInfoDefs[] = {
    {BASE ".1", "swSingleIPVersion", Syntax::DisplayStr, Access::ReadOnly, nullptr},
    {BASE ".2", "swSingleIPCapability", Syntax::DisplayStr, Access::ReadOnly, nullptr},
    {BASE ".3", "swSingleIPPlatform", Syntax::DisplayStr, Access::ReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

OPTIONS(SingleIpAdmin, OtherDisabledEnabled);
OPTIONS(SingleIpRoleState, SimRoleStates);
#define BASE "1.3.6.1.4.1.171.12.8.1.2"
const KvSNMPVarDef SimCtrlDefs[] = {
    {BASE ".1", "swSingleIPAdmin", Syntax::Integer, Access::ReadWrite, &SingleIpAdmin},
    {BASE ".2", "swSingleIPRoleState", Syntax::Integer, Access::ReadWrite, &SingleIpRoleState},
    {BASE ".3", "swSingleIPHoldtime", Syntax::Integer, Access::ReadWrite, nullptr},
    {BASE ".4", "swSingleIPTimeInterval", Syntax::Integer, Access::ReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

OPTIONS(MemberRowStatus, RowStatuses);
#define BASE "1.3.6.1.4.1.171.12.8.1.3.1"
const KvSNMPVarDef SimMemberDefs[] = {
    {BASE ".1", "swSingleIPMSID", Syntax::Integer, Access::NotAccess, nullptr},
    {BASE ".2", "swSingleIPMSDeviceName", Syntax::DisplayStr, Access::ReadOnly, nullptr},
    {BASE ".3", "swSingleIPMSMacAddr", Syntax::MacAddress, Access::ReadOnly, nullptr},
    {BASE ".4", "swSingleIPMSFirmwareVer", Syntax::DisplayStr, Access::ReadOnly, nullptr},
    {BASE ".5", "swSingleIPMSCapability", Syntax::DisplayStr, Access::ReadOnly, nullptr},
    {BASE ".6", "swSingleIPMSPlatform", Syntax::DisplayStr, Access::ReadOnly, nullptr},
    {BASE ".7", "swSingleIPMSHoldtime", Syntax::Integer, Access::ReadOnly, nullptr},
    {BASE ".8", "swSingleIPMSCasSource", Syntax::Integer, Access::ReadWrite, nullptr},
    {BASE ".9", "swSingleIPMSPassword", Syntax::DisplayStr, Access::ReadWrite, nullptr},
    {BASE ".10", "swSingleIPMSRowStatus", Syntax::Integer, Access::ReadWrite, &MemberRowStatus},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

#define BASE "1.3.6.1.4.1.171.12.8.1.4.1"
const KvSNMPVarDef SimCandidateDefs[] = {
    {BASE ".1", "swSingleIPCaSID", Syntax::Integer, Access::NotAccess, nullptr},
    {BASE ".2", "swSingleIPCaSDeviceName", Syntax::DisplayStr, Access::ReadOnly, nullptr},
    {BASE ".3", "swSingleIPCaSMacAddr", Syntax::MacAddress, Access::ReadOnly, nullptr},
    {BASE ".4", "swSingleIPCaSFirmwareVer", Syntax::DisplayStr, Access::ReadOnly, nullptr},
    {BASE ".5", "swSingleIPCaSCapability", Syntax::DisplayStr, Access::ReadOnly, nullptr},
    {BASE ".6", "swSingleIPCaSPlatform", Syntax::DisplayStr, Access::ReadOnly, nullptr},
    {BASE ".7", "swSingleIPCaSHoldtime", Syntax::Integer, Access::ReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

#define BASE "1.3.6.1.4.1.171.12.8.1.5.1"
const KvSNMPVarDef SimGroupDefs[] = {
    {BASE ".1", "swSingleIPGroupMacAddr", Syntax::MacAddress, Access::NotAccess, nullptr},
    {BASE ".2", "swSingleIPGroupName", Syntax::DisplayStr, Access::ReadOnly, nullptr},
    {BASE ".3", "swSingleIPGroupDeviceName", Syntax::DisplayStr, Access::ReadOnly, nullptr},
    {BASE ".4", "swSingleIPGroupMSNumber", Syntax::Integer, Access::ReadOnly, nullptr},
    {BASE ".5", "swSingleIPGroupFirmwareVer", Syntax::DisplayStr, Access::ReadOnly, nullptr},
    {BASE ".6", "swSingleIPGroupCapability", Syntax::DisplayStr, Access::ReadOnly, nullptr},
    {BASE ".7", "swSingleIPGroupPlatform", Syntax::DisplayStr, Access::ReadOnly, nullptr},
    {BASE ".8", "swSingleIPGroupHoldtime", Syntax::Integer, Access::ReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

OPTIONS(NeighborRoleState, SimNeighborRoles);
#define BASE "1.3.6.1.4.1.171.12.8.1.6.1"
const KvSNMPVarDef SimNeighborDefs[] = {
    {BASE ".1", "swSingleIPNBReceivedPort", Syntax::Integer, Access::NotAccess, nullptr},
    {BASE ".2", "swSingleIPNBMacAddr", Syntax::MacAddress, Access::NotAccess, nullptr},
    {BASE ".3", "swSingleIPNBRoleState", Syntax::Integer, Access::ReadOnly, &NeighborRoleState},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

const KvMibTable SimTables[] = {
    KV_MIB_TABLE(SimInfoDefs, SVT_SV, 0),
    KV_MIB_TABLE(SimCtrlDefs, SVT_SV, 0),
    KV_MIB_TABLE(SimMemberDefs, MVT_UMV, 1),
    KV_MIB_TABLE(SimCandidateDefs, MVT_UMV, 1),
    KV_MIB_TABLE(SimGroupDefs, MVT_UMV, 1),
    KV_MIB_TABLE(SimNeighborDefs, MVT_UMV, 2),
};

const KvMibSet SimSet = {"SIM", SimTables};
