// Access authentication control definition set.

#include "kv_mib_aac_set.h"

#include "kv_mib_option_values.h"
#include "kv_mib_set_order.h"

#define OPTIONS(name, values) const KvOptionList name KV_MIB_SET_ORDER(AacSetOrder)(values)

OPTIONS(AuthenAdminState, DisabledEnabled);
#define BASE "1.3.6.1.4.1.171.12.5.1"
const KvSNMPVarDef AacCtrlDefs[] = {
    {BASE ".1", "swAACAuthenAdminState", Syntax::Integer, Access::ReadWrite, &AuthenAdminState},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

#define BASE "1.3.6.1.4.1.171.12.5.2"
const KvSNMPVarDef AacInfoDefs[] = {
    {BASE ".1", "swAACMaxMethodList", Syntax::Integer, Access::ReadOnly, nullptr},
    {BASE ".2", "swAACMaxServerGroup", Syntax::Integer, Access::ReadOnly, nullptr},
    {BASE ".3", "swAACMaxServer", Syntax::Integer, Access::ReadOnly, nullptr},
    {BASE ".4", "swAACTimeoutResponse", Syntax::Integer, Access::ReadWrite, nullptr},
    {BASE ".5", "swAACMaxAttempts", Syntax::Integer, Access::ReadWrite, nullptr},
    {BASE ".6", "swAACLoginConsole", Syntax::DisplayStr, Access::ReadWrite, nullptr},
    {BASE ".7", "swAACLoginTelnet", Syntax::DisplayStr, Access::ReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

OPTIONS(MethodType, AacMethodTypes);
OPTIONS(MethodRowStatus, AacRowStatuses);
#define BASE "1.3.6.1.4.1.171.12.5.3.1"
const KvSNMPVarDef AacMethodListDefs[] = {
    {BASE ".1", "swAACMethodListName", Syntax::DisplayStr, Access::NotAccess, nullptr},
    {BASE ".2", "swAACMethodIndex", Syntax::Integer, Access::NotAccess, nullptr},
    {BASE ".3", "swAACMethodType", Syntax::Integer, Access::ReadWrite, &MethodType},
    {BASE ".4", "swAACMethodServerGroup", Syntax::DisplayStr, Access::ReadWrite, nullptr},
    {BASE ".5", "swAACMethodRowStatus", Syntax::Integer, Access::ReadWrite, &MethodRowStatus},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

OPTIONS(ServerGroupAuthProtocol, AacAuthProtocols);
OPTIONS(ServerGroupRowStatus, AacRowStatuses);
#define BASE "1.3.6.1.4.1.171.12.5.4.1"
const KvSNMPVarDef AacServerGroupDefs[] = {
    {BASE ".1", "swAACServerGroupName", Syntax::DisplayStr, Access::NotAccess, nullptr},
    {BASE ".2", "swAACServerGroupIndex", Syntax::Integer, Access::NotAccess, nullptr},
    {BASE ".3", "swAACServerGroupIPAddr", Syntax::IpAddress, Access::ReadWrite, nullptr},
    {BASE ".4", "swAACServerGroupAuthProtocol", Syntax::Integer, Access::ReadWrite, &ServerGroupAuthProtocol},
    {BASE ".5", "swAACServerGroupRowStatus", Syntax::Integer, Access::ReadWrite, &ServerGroupRowStatus},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

OPTIONS(ServerAuthProtocol, AacAuthProtocols);
OPTIONS(ServerRowStatus, AacRowStatuses);
#define BASE "1.3.6.1.4.1.171.12.5.5.1"
const KvSNMPVarDef AacServerDefs[] = {
    {BASE ".1", "swAACServerIPAddr", Syntax::IpAddress, Access::NotAccess, nullptr},
    {BASE ".2", "swAACServerAuthProtocol", Syntax::Integer, Access::NotAccess, &ServerAuthProtocol},
    {BASE ".3", "swAACServerAuthPort", Syntax::Integer, Access::ReadWrite, nullptr},
    {BASE ".4", "swAACServerAuthKey", Syntax::DisplayStr, Access::ReadWrite, nullptr},
    {BASE ".5", "swAACServerTimeout", Syntax::Integer, Access::ReadWrite, nullptr},
    {BASE ".6", "swAACServerRetryCount", Syntax::Integer, Access::ReadWrite, nullptr},
    {BASE ".7", "swAACServerRowStatus", Syntax::Integer, Access::ReadWrite, &ServerRowStatus},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

const KvMibTable AacTables[] = {
    KV_MIB_TABLE(AacCtrlDefs, SVT_SV, 0),
    KV_MIB_TABLE(AacInfoDefs, SVT_SV, 0),
    KV_MIB_TABLE(AacMethodListDefs, MVT_UMV, 2),
    KV_MIB_TABLE(AacServerGroupDefs, MVT_UMV, 2),
    KV_MIB_TABLE(AacServerDefs, MVT_UMV, 2),
};

const KvMibSet AacSet = {"AAC", AacTables};
