// 802.1X definition set. The authenticator tables take their port number from the PAE
// port table. The labels are the window captions, odd spellings included.

#include "kv_mib_dot1x_set.h"

#include "kv_mib_option_values.h"
#include "kv_mib_set_order.h"

#define OPTIONS(name, values) const KvOptionList name KV_MIB_SET_ORDER(Dot1xSetOrder)(values)

OPTIONS(SystemAuthControl, EnabledDisabled);
#define BASE "1.0.8802.1.1.1.1.1"
const KvSNMPVarDef Dot1xSystemDefs[] = {
    {BASE ".1", "System Authentication Control", Syntax::Integer, Access::ReadWrite, &SystemAuthControl},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

OPTIONS(PortInitialize, TrueFalse);
OPTIONS(PortReauthenticate, TrueFalse);
#define BASE "1.0.8802.1.1.1.1.1.2.1"
const KvSNMPVarDef Dot1xPortDefs[] = {
    {BASE ".1", "Port Number", Syntax::Integer, Access::NotAccess, nullptr},
    {BASE ".2", "Protocol Version", Syntax::Gauge, Access::ReadOnly, nullptr},
    {BASE ".3", "Capabilities", Syntax::BitStr, Access::ReadOnly, nullptr},
    {BASE ".4", "Initialize", Syntax::Integer, Access::ReadWrite, &PortInitialize},
    {BASE ".5", "Reauthenticate", Syntax::Integer, Access::ReadWrite, &PortReauthenticate},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

OPTIONS(ConfigPaeState, PaeStates);
OPTIONS(ConfigBackendState, BackendAuthStates);
OPTIONS(ConfigAdminControlledDirections, ControlledDirections);
OPTIONS(ConfigOperControlledDirections, ControlledDirections);
OPTIONS(ConfigPortStatus, AuthorizedUnauthorized);
OPTIONS(ConfigPortControl, PortControls);
OPTIONS(ConfigReAuthEnabled, TrueFalse);
OPTIONS(ConfigKeyTxEnabled, TrueFalse);
#define BASE "1.0.8802.1.1.1.1"
const KvSNMPVarDef Dot1xPortConfigDefs[] = {
    {BASE ".1.2.1.1", "Port Number", Syntax::Integer, Access::NotAccess, nullptr},
    {BASE ".2.1.1.1", "Pae State", Syntax::Integer, Access::ReadOnly, &ConfigPaeState},
    {BASE ".2.1.1.2", "Backend State", Syntax::Integer, Access::ReadOnly, &ConfigBackendState},
    {BASE ".2.1.1.3", "Administrative Controlled Directions", Syntax::Integer, Access::ReadWrite,
     &ConfigAdminControlledDirections},
    {BASE ".2.1.1.4", "Operational Controlled Directions", Syntax::Integer, Access::ReadOnly,
     &ConfigOperControlledDirections},
    {BASE ".2.1.1.5", "Port Status", Syntax::Integer, Access::ReadOnly, &ConfigPortStatus},
    {BASE ".2.1.1.6", "Port Control", Syntax::Integer, Access::ReadWrite, &ConfigPortControl},
    {BASE ".2.1.1.7", "Quiet Period", Syntax::Gauge, Access::ReadWrite, nullptr},
    {BASE ".2.1.1.8", "Tx Period", Syntax::Gauge, Access::ReadWrite, nullptr},
    {BASE ".2.1.1.9", "SuppTimeout", Syntax::Gauge, Access::ReadWrite, nullptr},
    {BASE ".2.1.1.10", "ServerTimeout", Syntax::Gauge, Access::ReadWrite, nullptr},
    {BASE ".2.1.1.11", "MaxReq", Syntax::Gauge, Access::ReadWrite, nullptr},
    {BASE ".2.1.1.12", "ReAuthenticate Period", Syntax::Gauge, Access::ReadWrite, nullptr},
    {BASE ".2.1.1.13", "ReAuthenticate Enabled", Syntax::Integer, Access::ReadWrite, &ConfigReAuthEnabled},
    {BASE ".2.1.1.14", "KeyTx Enabled", Syntax::Integer, Access::ReadWrite, &ConfigKeyTxEnabled},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

#define BASE "1.0.8802.1.1.1.1"
const KvSNMPVarDef Dot1xPortStatsDefs[] = {
    {BASE ".1.2.1.1", "Port Number", Syntax::Integer, Access::NotAccess, nullptr},
    {BASE ".2.2.1.1", "EAPOL Frames Rx", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".2.2.1.2", "EAPOL Frames Tx", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".2.2.1.3", "EAPOL Start Frames Rx", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".2.2.1.4", "EAPOL Logoff Frames Rx", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".2.2.1.5", "EAPOL Resp/Ip Frames Rx", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".2.2.1.6", "EAPOL Response Frames Rx", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".2.2.1.7", "EAPOL Req/Id FramesTx", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".2.2.1.8", "EAPOL Response Frames Tx", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".2.2.1.9", "Invalid EAPOL FramesRx", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".2.2.1.10", "EAPOL Length Error Frames Rx", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".2.2.1.11", "Last EAPOL Frame Version", Syntax::Gauge, Access::ReadOnly, nullptr},
    {BASE ".2.2.1.12", "Last EAPOLF rame Source", Syntax::MacAddress, Access::ReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

#define BASE "1.0.8802.1.1.1.1"
const KvSNMPVarDef Dot1xPortDiagDefs[] = {
    {BASE ".1.2.1.1", "Port Number", Syntax::Integer, Access::NotAccess, nullptr},
    {BASE ".2.3.1.1", "EntersConnecting", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".2.3.1.2", "EapLogoffsWhileConnecting", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".2.3.1.3", "EntersAuthenticating", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".2.3.1.4", "AuthSuccessWhileAuthenticating", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".2.3.1.5", "AuthTimeoutsWhileAuthenticating", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".2.3.1.6", "AuthFailWhileAuthenticating", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".2.3.1.7", "AuthReauthsWhileAuthenticating", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".2.3.1.8", "AuthEapStartsWhileAuthenticating", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".2.3.1.9", "AuthEapLogoffWhileAuthenticating", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".2.3.1.10", "AuthReauthsWhileAuthenticated", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".2.3.1.11", "AuthEapStartsWhileAuthenticated", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".2.3.1.12", "AuthEapLogoffWhileAuthenticated", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".2.3.1.13", "BackendResponses", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".2.3.1.14", "BackendAccessChallenges", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".2.3.1.15", "BackendOtherRequestsToSupplicant", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".2.3.1.16", "BackendNonNakResponsesFromSupplicant", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".2.3.1.17", "BackendAuthSuccesses", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".2.3.1.18", "BackendAuthFails", Syntax::Counter, Access::ReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

// The port number is decoded from the row instance; the octet counters come after the
// frame counters, as the window shows them.
OPTIONS(SessionAuthenticMethod, AuthenticMethods);
OPTIONS(SessionTerminateCause, TerminateCauses);
#define BASE "1.0.8802.1.1.1.1.2.4.1"
const KvSNMPVarDef Dot1xSessionStatsDefs[] = {
    {"", "Port Number", Syntax::Integer, Access::NotAccess, nullptr},
    {BASE ".3", "dot1xAuthSessionFramesRx", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".4", "dot1xAuthSessionFramesTx", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".1", "dot1xAuthSessionOctetsRx", Syntax::Counter64, Access::ReadOnly, nullptr},
    {BASE ".2", "dot1xAuthSessionOctetsTx", Syntax::Counter64, Access::ReadOnly, nullptr},
    {BASE ".5", "dot1xAuthSessionId", Syntax::DisplayStr, Access::ReadOnly, nullptr},
    {BASE ".6", "dot1xAuthSessionAuthenticMethod", Syntax::Integer, Access::ReadOnly, &SessionAuthenticMethod},
    {BASE ".7", "dot1xAuthSessionTime", Syntax::TimeTicks, Access::ReadOnly, nullptr},
    {BASE ".8", "dot1xAuthSessionTerminateCause", Syntax::Integer, Access::ReadOnly, &SessionTerminateCause},
    {BASE ".9", "dot1xAuthSessionUserName", Syntax::DisplayStr, Access::ReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

const KvMibTable Dot1xTables[] = {
    KV_MIB_TABLE(Dot1xSystemDefs, SVT_SV, 0),
    KV_MIB_TABLE(Dot1xPortDefs, MVT_UMV, 1),
    KV_MIB_TABLE(Dot1xPortConfigDefs, MVT_UMV, 1),
    KV_MIB_TABLE(Dot1xPortStatsDefs, MVT_UMV, 1),
    KV_MIB_TABLE(Dot1xPortDiagDefs, MVT_UMV, 1),
    KV_MIB_TABLE(Dot1xSessionStatsDefs, MVT_FMV, 1),
};

const KvMibSet Dot1xSet = {"802.1X", Dot1xTables};
