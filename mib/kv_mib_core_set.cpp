// Core definition set. The option lists are built in the order of this file, each just
// above the table that points to it; every enumerated record has a list of its own.

#include "kv_mib_core_set.h"

#include "kv_mib_option_values.h"
#include "kv_mib_set_order.h"

#define OPTIONS(name, values) const KvOptionList name KV_MIB_SET_ORDER(CoreSetOrder)(values)

#define BASE "1.3.6.1.4.1.171.12.1.1"
const KvSNMPVarDef RuntimeVersionDefs[] = {
    {BASE ".6", "Runtime Software Version", Syntax::DisplayStr, Access::ReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

// What the agent says it is, read at start-up with the runtime software version.
const KvSNMPVarDef AgentIdentityDefs[] = {
    {"1.3.6.1.2.1.1.1", "sysDescr", Syntax::DisplayStr, Access::ReadOnly, nullptr},
    {"1.3.6.1.2.1.1.2", "sysObjectID", Syntax::ObjectId, Access::ReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};

OPTIONS(RmonStateRmonState, OtherDisabledEnabled);
#define BASE "1.3.6.1.4.1.171.11.43.2.2.1.2"
const KvSNMPVarDef RmonStateDefs[] = {
    {BASE ".3", "Rmon State", Syntax::Integer, Access::ReadWrite, &RmonStateRmonState},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

OPTIONS(AgentMgmtProtocolCapability, MgmtProtocolCapabilities);
OPTIONS(AgentStatusConsoleInUse, ConsoleInUseStates);
OPTIONS(AgentStatusSaveCfg, SaveCfgStates);
OPTIONS(AgentStatusFileTransfer, FileTransferStates);
#define BASE "1.3.6.1.4.1.171.12.1.1"
const KvSNMPVarDef AgentBasicInfoDefs[] = {
    {BASE ".1", "agentMgmtProtocolCapability", Syntax::Integer, Access::ReadOnly, &AgentMgmtProtocolCapability},
    {BASE ".3", "agentStatusConsoleInUse", Syntax::Integer, Access::ReadOnly, &AgentStatusConsoleInUse},
    {BASE ".4", "agentStatusSaveCfg", Syntax::Integer, Access::ReadOnly, &AgentStatusSaveCfg},
    {BASE ".5", "agentStatusFileTransfer", Syntax::Integer, Access::ReadOnly, &AgentStatusFileTransfer},
    {BASE ".6", "agentRuntimeSwVersion", Syntax::DisplayStr, Access::ReadOnly, nullptr},
    {BASE ".7", "agentPromFwVersion", Syntax::DisplayStr, Access::ReadOnly, nullptr},
    {BASE ".8", "agentHwRevision", Syntax::DisplayStr, Access::ReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

OPTIONS(AgentMibCapabilityType, MibCapabilityTypes);
#define BASE "1.3.6.1.4.1.171.12.1.1.2.1"
const KvSNMPVarDef MibCapabilityDefs[] = {
    {BASE ".1", "agentMibCapabilityIndex", Syntax::Integer, Access::NotAccess, nullptr},
    {BASE ".2", "agentMibCapabilityDescr", Syntax::DisplayStr, Access::ReadOnly, nullptr},
    {BASE ".3", "agentMibCapabilityVersion", Syntax::Integer, Access::ReadOnly, nullptr},
    {BASE ".4", "agentMibCapabilityType", Syntax::Integer, Access::ReadOnly, &AgentMibCapabilityType},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

#define BASE "1.3.6.1.4.1.171.12.1.1.9"
const KvSNMPVarDef CpuUtilDefs[] = {
    {BASE ".1", "agentCPUutilizationIn5sec", Syntax::Integer, Access::ReadOnly, nullptr},
    {BASE ".2", "agentCPUutilizationIn1min", Syntax::Integer, Access::ReadOnly, nullptr},
    {BASE ".3", "agentCPUutilizationIn5min", Syntax::Integer, Access::ReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

OPTIONS(AgentPingTestControl, PingTestControls);
OPTIONS(AgentPingTestStatus, PingTestStatuses);
#define BASE "1.3.6.1.4.1.171.12.1.5"
const KvSNMPVarDef PingTestDefs[] = {
    {BASE ".1", "agentPingTestIPAddress", Syntax::IpAddress, Access::ReadWrite, nullptr},
    {BASE ".2", "agentPingTestRepetition", Syntax::Integer, Access::ReadWrite, nullptr},
    {BASE ".3", "agentPingTestControl", Syntax::Integer, Access::ReadWrite, &AgentPingTestControl},
    {BASE ".4", "agentPingTestStatus", Syntax::Integer, Access::ReadOnly, &AgentPingTestStatus},
    {BASE ".5", "agentPingTestSuccessCount", Syntax::Integer, Access::ReadOnly, nullptr},
    {BASE ".6", "agentPingTestFailCount", Syntax::Integer, Access::ReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

OPTIONS(SaveCfgSave, SaveStates);
#define BASE "1.3.6.1.4.1.171.12.1.2"
const KvSNMPVarDef SaveCfgDefs[] = {
    {BASE ".6", "save", Syntax::Integer, Access::ReadWrite, &SaveCfgSave},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

OPTIONS(ResetReset, ResetTypes);
#define BASE "1.3.6.1.4.1.171.12.1.2"
const KvSNMPVarDef ResetDefs[] = {
    {BASE ".3", "Reset", Syntax::Integer, Access::ReadWrite, &ResetReset},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

OPTIONS(DevInfoRpsState, RpsStates);
#define BASE "1.3.6.1.4.1.171.11.43.2.2.1.1"
const KvSNMPVarDef DevInfoDefs[] = {
    {BASE ".1", "swL2DevInfoSystemUpTime", Syntax::TimeTicks, Access::ReadOnly, nullptr},
    {BASE ".2", "swDevInfoTotalNumOfPort", Syntax::Integer, Access::ReadOnly, nullptr},
    {BASE ".3", "swDevInfoNumOfPortInUse", Syntax::Integer, Access::ReadOnly, nullptr},
    {BASE ".5", "swL2DevInfoRpsState", Syntax::Integer, Access::ReadOnly, &DevInfoRpsState},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

OPTIONS(DevCtrlStpState, OtherDisabledEnabled);
OPTIONS(DevCtrlIgmpSnooping, OtherDisabledEnabled);
OPTIONS(DevCtrlRmonState, OtherDisabledEnabled);
OPTIONS(DevCtrlCleanAllStatisticCounter, NormalActive);
OPTIONS(DevCtrlHolState, DisableEnable);
OPTIONS(DevCtrlJumboState, DisableEnable);
OPTIONS(DevCtrlAsymmetricVlanState, OtherDisableEnable);
#define BASE "1.3.6.1.4.1.171.11.43.2.2.1.2"
const KvSNMPVarDef DevCtrlDefs[] = {
    {BASE ".1", "STP State", Syntax::Integer, Access::ReadWrite, &DevCtrlStpState},
    {BASE ".2", "IGMP Snooping", Syntax::Integer, Access::ReadWrite, &DevCtrlIgmpSnooping},
    {BASE ".3", "Rmon State", Syntax::Integer, Access::ReadWrite, &DevCtrlRmonState},
    {BASE ".4", "Clean All Statistic Counter", Syntax::Integer, Access::ReadWrite, &DevCtrlCleanAllStatisticCounter},
    {BASE ".5", "Real Time", Syntax::DisplayStr, Access::ReadWrite, nullptr},
    {BASE ".6", "HOL State", Syntax::Integer, Access::ReadWrite, &DevCtrlHolState},
    {BASE ".7", "Jumbo State", Syntax::Integer, Access::ReadWrite, &DevCtrlJumboState},
    {BASE ".8", "Asymmetric VLAN State", Syntax::Integer, Access::ReadWrite, &DevCtrlAsymmetricVlanState},
    {BASE ".9", "VLAN ID Of FDB Table", Syntax::Integer, Access::ReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

OPTIONS(DevAlarmNewRoot, OtherDisabledEnabled);
OPTIONS(DevAlarmTopologyChange, OtherDisabledEnabled);
OPTIONS(DevAlarmLinkChange, OtherDisabledEnabled);
#define BASE "1.3.6.1.4.1.171.11.43.2.2.1.3"
const KvSNMPVarDef DevAlarmDefs[] = {
    {BASE ".1", "swL2DevAlarmNewRoot", Syntax::Integer, Access::ReadWrite, &DevAlarmNewRoot},
    {BASE ".2", "swL2DevAlarmTopologyChange", Syntax::Integer, Access::ReadWrite, &DevAlarmTopologyChange},
    {BASE ".3", "swL2DevAlarmLinkChange", Syntax::Integer, Access::ReadWrite, &DevAlarmLinkChange},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

OPTIONS(PortInfoType, PortTypes);
OPTIONS(PortInfoLinkStatus, LinkStatuses);
OPTIONS(PortInfoNwayStatus, NwayStatuses);
#define BASE "1.3.6.1.4.1.171.11.43.2.2.3.1.1"
const KvSNMPVarDef PortInfoDefs[] = {
    {BASE ".1", "swL2PortInfoPortIndex", Syntax::Integer, Access::NotAccess, nullptr},
    {BASE ".2", "swL2PortInfoUnitIndex", Syntax::Integer, Access::ReadOnly, nullptr},
    {BASE ".3", "swL2PortInfoType", Syntax::Integer, Access::ReadOnly, &PortInfoType},
    {BASE ".4", "swL2PortInfoLinkStatus", Syntax::Integer, Access::ReadOnly, &PortInfoLinkStatus},
    {BASE ".5", "swL2PortInfoNwayStatus", Syntax::Integer, Access::ReadOnly, &PortInfoNwayStatus},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

OPTIONS(PortSecurityMode, PortSecurityModes);
OPTIONS(PortSecurityAdmState, OtherEnableDisable);
#define BASE "1.3.6.1.4.1.171.11.43.2.2.7.1.1"
const KvSNMPVarDef PortSecurityDefs[] = {
    {BASE ".1", "swL2PortSecurityPortIndex", Syntax::Integer, Access::NotAccess, nullptr},
    {BASE ".2", "swL2PortSecurityMaxLernAddr", Syntax::Integer, Access::ReadWrite, nullptr},
    {BASE ".3", "swL2PortSecurityMode", Syntax::Integer, Access::ReadWrite, &PortSecurityMode},
    {BASE ".4", "swL2PortSecurityAdmState", Syntax::Integer, Access::ReadWrite, &PortSecurityAdmState},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

OPTIONS(IgmpQueryState, OtherDisabledEnabled);
OPTIONS(IgmpCurrentState, QuerierStates);
OPTIONS(IgmpCtrlState, OtherDisableEnable);
OPTIONS(IgmpCtrlFastLeaver, OtherDisabledEnabled);
#define BASE "1.3.6.1.4.1.171.11.43.2.2.11.3.1"
const KvSNMPVarDef IgmpCtrlDefs[] = {
    {BASE ".1", "swL2IGMPCtrlVid", Syntax::Integer, Access::NotAccess, nullptr},
    {BASE ".2", "swL2IGMPQueryInterval", Syntax::Integer, Access::ReadWrite, nullptr},
    {BASE ".3", "swL2IGMPMaxResponseTime", Syntax::Integer, Access::ReadWrite, nullptr},
    {BASE ".4", "swL2IGMPRobustness", Syntax::Integer, Access::ReadWrite, nullptr},
    {BASE ".5", "swL2IGMPLastMemberQueryInterval", Syntax::Integer, Access::ReadWrite, nullptr},
    {BASE ".6", "swL2IGMPHostTimeout", Syntax::Integer, Access::ReadWrite, nullptr},
    {BASE ".7", "swL2IGMPRouteTimeout", Syntax::Integer, Access::ReadWrite, nullptr},
    {BASE ".8", "swL2IGMPLeaveTimer", Syntax::Integer, Access::ReadWrite, nullptr},
    {BASE ".9", "swL2IGMPQueryState", Syntax::Integer, Access::ReadWrite, &IgmpQueryState},
    {BASE ".10", "swL2IGMPCurrentState", Syntax::Integer, Access::ReadOnly, &IgmpCurrentState},
    {BASE ".11", "swL2IGMPCtrlState", Syntax::Integer, Access::ReadWrite, &IgmpCtrlState},
    {BASE ".12", "swL2IGMPCtrlFastLeaver", Syntax::Integer, Access::ReadWrite, &IgmpCtrlFastLeaver},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

#define BASE "1.3.6.1.4.1.171.11.43.2.2.11.4.1"
const KvSNMPVarDef IgmpQueryInfoDefs[] = {
    {BASE ".1", "swL2IGMPInfoVid", Syntax::Integer, Access::NotAccess, nullptr},
    {BASE ".2", "swL2IGMPInfoQueryCount", Syntax::Integer, Access::ReadOnly, nullptr},
    {BASE ".3", "swL2IGMPInfoTxQueryCount", Syntax::Integer, Access::ReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

#define BASE "1.3.6.1.4.1.171.11.43.2.2.11.5.1"
const KvSNMPVarDef IgmpInfoDefs[] = {
    {BASE ".1", "swL2IGMPVid", Syntax::Integer, Access::NotAccess, nullptr},
    {BASE ".2", "swL2IGMPGroupIpAddr", Syntax::IpAddress, Access::NotAccess, nullptr},
    {BASE ".3", "swL2IGMPMacAddr", Syntax::MacAddress, Access::ReadOnly, nullptr},
    {BASE ".4", "swL2IGMPPortMap", Syntax::BitStr, Access::ReadOnly, nullptr},
    {BASE ".5", "swL2IGMPIpGroupReportCount", Syntax::Integer, Access::ReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

OPTIONS(TrafficCtrlBcStormCtrl, OtherDisabledEnabled);
OPTIONS(TrafficCtrlMcStormCtrl, OtherDisabledEnabled);
OPTIONS(TrafficCtrlDlfCtrl, OtherDisabledEnabled);
#define BASE "1.3.6.1.4.1.171.11.43.2.2.13.1.1"
const KvSNMPVarDef TrafficCtrlDefs[] = {
    {BASE ".1", "swL2TrafficCtrlPortIndex", Syntax::Integer, Access::NotAccess, nullptr},
    {BASE ".2", "swL2TrafficCtrlUnitIndex", Syntax::Integer, Access::ReadOnly, nullptr},
    {BASE ".3", "swL2TrafficCtrlBcStormCtrl", Syntax::Integer, Access::ReadWrite, &TrafficCtrlBcStormCtrl},
    {BASE ".4", "swL2TrafficCtrlMcStormCtrl", Syntax::Integer, Access::ReadWrite, &TrafficCtrlMcStormCtrl},
    {BASE ".5", "swL2TrafficCtrlDlfCtrl", Syntax::Integer, Access::ReadWrite, &TrafficCtrlDlfCtrl},
    {BASE ".6", "swL2TrafficCtrlBcStormthreshold", Syntax::Integer, Access::ReadWrite, nullptr},
    {BASE ".7", "swL2TrafficCtrlMcStormthreshold", Syntax::Integer, Access::ReadWrite, nullptr},
    {BASE ".8", "swL2TrafficCtrlDlfthreshold", Syntax::Integer, Access::ReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

#define BASE "1.3.6.1.4.1.171.11.43.2.2.14.1.1"
const KvSNMPVarDef TrafficSegDefs[] = {
    {BASE ".1", "swL2TrafficSegPort", Syntax::Integer, Access::NotAccess, nullptr},
    {BASE ".2", "swL2TrafficSegForwardPorts", Syntax::BitStr, Access::ReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

OPTIONS(PortBwCtrlPortCatalog, BwCtrlPortCatalogs);
OPTIONS(PortBwCtrlStatus, OtherInvalidValid);
#define BASE "1.3.6.1.4.1.171.11.43.2.1.1.1.1"
const KvSNMPVarDef PortBwCtrlDefs[] = {
    {BASE ".1", "swL2PortBwCtrlPort", Syntax::Integer, Access::NotAccess, nullptr},
    {BASE ".2", "swL2PortBwCtrlPortCatalog", Syntax::Integer, Access::ReadOnly, &PortBwCtrlPortCatalog},
    {BASE ".3", "swL2IngrPortBwCtrlRate", Syntax::DisplayStr, Access::ReadWrite, nullptr},
    {BASE ".4", "swL2EgrPortBwCtrlRate", Syntax::DisplayStr, Access::ReadWrite, nullptr},
    {BASE ".5", "swL2PortBwCtrlStatus", Syntax::Integer, Access::ReadOnly, &PortBwCtrlStatus},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

OPTIONS(RadiusAuthProtocol, AuthProtocols);
OPTIONS(RadiusAuthMode, AuthModes);
#define BASE "1.3.6.1.4.1.171.12.3.1"
const KvSNMPVarDef RadiusConfigDefs[] = {
    {BASE ".1", "authProtocol", Syntax::Integer, Access::ReadWrite, &RadiusAuthProtocol},
    {BASE ".2", "swAuthMode", Syntax::Integer, Access::ReadWrite, &RadiusAuthMode},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

OPTIONS(RadiusAcctServiceIndex, AcctServiceIndexes);
OPTIONS(RadiusAcctServiceMethod, AcctServiceMethods);
OPTIONS(RadiusAcctServiceMode, AcctServiceModes);
#define BASE "1.3.6.1.4.1.171.12.3.4.3.1"
const KvSNMPVarDef RadiusAcctDefs[] = {
    {BASE ".1", "swRadiusAcctServiceIndex", Syntax::Integer, Access::NotAccess, &RadiusAcctServiceIndex},
    {BASE ".2", "swRadiusAcctServiceMethod", Syntax::Integer, Access::ReadWrite, &RadiusAcctServiceMethod},
    {BASE ".3", "swRadiusAcctServiceMode", Syntax::Integer, Access::ReadWrite, &RadiusAcctServiceMode},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

// The accounting port comes from the accounting server table, under the same index.
#define BASE "1.3.6.1.4.1.171.12.3"
const KvSNMPVarDef RadiusServerDefs[] = {
    {BASE ".3.3.1.1", "Index", Syntax::Integer, Access::NotAccess, nullptr},
    {BASE ".3.3.1.2", "Server Address", Syntax::IpAddress, Access::ReadOnly, nullptr},
    {BASE ".3.3.1.3", "Auth Port Number", Syntax::Gauge, Access::ReadOnly, nullptr},
    {BASE ".5.3.1.3", "Acct Port Number", Syntax::Gauge, Access::ReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

OPTIONS(PaeMacAuthPaeState, PaeStates);
OPTIONS(PaeMacBackendAuthState, BackendAuthStates);
OPTIONS(PaeMacControlledPortStatus, AuthorizedUnauthorized);
#define BASE "1.3.6.1.4.1.171.12.3.6.1.1"
const KvSNMPVarDef PaeMacInfoDefs[] = {
    {BASE ".1", "swPaeMacAddr", Syntax::MacAddress, Access::NotAccess, nullptr},
    {BASE ".2", "swPaePortNumber", Syntax::Integer, Access::NotAccess, nullptr},
    {BASE ".3", "swAuthPaeState", Syntax::Integer, Access::ReadOnly, &PaeMacAuthPaeState},
    {BASE ".4", "swAuthBackendAuthState", Syntax::Integer, Access::ReadOnly, &PaeMacBackendAuthState},
    {BASE ".5", "swAuthAuthControlledPortStatus", Syntax::Integer, Access::ReadOnly, &PaeMacControlledPortStatus},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

// The keys of the three tables below are the MAC address and port of the table above.
#define BASE "1.3.6.1.4.1.171.12.3.6.2.1"
const KvSNMPVarDef PaeMacStatsDefs[] = {
    {" ", "swPaeMacAddr", Syntax::DisplayStr, Access::NotAccess, nullptr},
    {" ", "swPaePortNumber", Syntax::Integer, Access::NotAccess, nullptr},
    {BASE ".1", "swAuthEapolFramesRx", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".2", "swAuthEapolFramesTx", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".3", "swAuthEapolStartFramesRx", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".4", "swAuthEapolLogoffFramesRx", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".5", "swAuthEapolRespIdFramesRx", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".6", "swAuthEapolRespFramesRx", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".7", "swAuthEapolReqIdFramesTx", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".8", "swAuthEapolReqFramesTx", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".9", "swAuthInvalidEapolFramesRx", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".10", "swAuthEapLengthErrorFramesRx", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".11", "swAuthLastEapolFrameVersion", Syntax::Gauge, Access::ReadOnly, nullptr},
    {BASE ".12", "swAuthLastEapolFrameSource", Syntax::MacAddress, Access::ReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

#define BASE "1.3.6.1.4.1.171.12.3.6.3.1"
const KvSNMPVarDef PaeMacDiagDefs[] = {
    {" ", "swPaeMacAddr", Syntax::DisplayStr, Access::NotAccess, nullptr},
    {" ", "swPaePortNumber", Syntax::Integer, Access::NotAccess, nullptr},
    {BASE ".1", "swAuthEntersConnecting", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".2", "swAuthEapLogoffsWhileConnecting", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".3", "swAuthEntersAuthenticating", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".4", "swAuthAuthSuccessWhileAuthenticating", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".5", "swAuthAuthTimeoutsWhileAuthenticating", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".6", "swAuthAuthFailWhileAuthenticating", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".7", "swAuthAuthReauthsWhileAuthenticating", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".8", "swAuthAuthEapStartsWhileAuthenticating", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".9", "swAuthAuthEapLogoffWhileAuthenticating", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".10", "swAuthAuthReauthsWhileAuthenticated", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".11", "swAuthAuthEapStartsWhileAuthenticated", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".12", "swAuthAuthEapLogoffWhileAuthenticated", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".13", "swAuthBackendResponses", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".14", "swAuthBackendAccessChallenges", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".15", "swAuthBackendOtherRequestsToSupplicant", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".16", "swAuthBackendNonNakResponsesFromSupplicant", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".17", "swAuthBackendAuthSuccesses", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".18", "swAuthBackendAuthFails", Syntax::Counter, Access::ReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

OPTIONS(PaeMacSessionAuthenticMethod, AuthenticMethods);
OPTIONS(PaeMacSessionTerminateCause, TerminateCauses);
#define BASE "1.3.6.1.4.1.171.12.3.6.4.1"
const KvSNMPVarDef PaeMacSessionDefs[] = {
    {" ", "swPaeMacAddr", Syntax::DisplayStr, Access::NotAccess, nullptr},
    {" ", "swPaePortNumber", Syntax::Integer, Access::NotAccess, nullptr},
    {BASE ".1", "swAuthSessionOctetsRx", Syntax::Counter64, Access::ReadOnly, nullptr},
    {BASE ".2", "swAuthSessionOctetsTx", Syntax::Counter64, Access::ReadOnly, nullptr},
    {BASE ".3", "swAuthSessionFramesRx", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".4", "swAuthSessionFramesTx", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".5", "swAuthSessionId", Syntax::DisplayStr, Access::ReadOnly, nullptr},
    {BASE ".6", "swAuthSessionAuthenticMethod", Syntax::Integer, Access::ReadOnly, &PaeMacSessionAuthenticMethod},
    {BASE ".7", "swAuthSessionTime", Syntax::TimeTicks, Access::ReadOnly, nullptr},
    {BASE ".8", "swAuthSessionTerminateCause", Syntax::Integer, Access::ReadOnly, &PaeMacSessionTerminateCause},
    {BASE ".9", "swAuthSessionUserName", Syntax::DisplayStr, Access::ReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

// dot1dStpPortTable and its RSTP extension share the port index. The labels keep their
// trailing blanks.
OPTIONS(StpPortStatus, StpPortStates);
OPTIONS(StpPortState, EnabledDisabled);
OPTIONS(StpPortMigration, TrueFalse);
OPTIONS(StpPortEdge, TrueFalse);
OPTIONS(StpPortPointToPoint, PointToPointModes);
#define BASE "1.3.6.1.2.1.17.2"
const KvSNMPVarDef StpPortDefs[] = {
    {BASE ".15.1.1", "Port", Syntax::Integer, Access::ReadOnly, nullptr},
    {BASE ".15.1.2", "Priority", Syntax::Integer, Access::ReadWrite, nullptr},
    {BASE ".15.1.3", "Status        ", Syntax::Integer, Access::ReadOnly, &StpPortStatus},
    {BASE ".15.1.4", "State  ", Syntax::Integer, Access::ReadWrite, &StpPortState},
    {BASE ".19.1.1", "Migration", Syntax::Integer, Access::ReadWrite, &StpPortMigration},
    {BASE ".19.1.2", "Edge", Syntax::Integer, Access::ReadWrite, &StpPortEdge},
    {BASE ".19.1.4", "Point To Point", Syntax::Integer, Access::ReadWrite, &StpPortPointToPoint},
    {BASE ".19.1.6", "Path Cost", Syntax::Integer, Access::ReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

OPTIONS(StpBridgeVersion, StpVersions);
const KvSNMPVarDef StpBridgeDefs[] = {
    {"1.3.6.1.2.1.17.2.16", "dot1dStpVersion", Syntax::Integer, Access::ReadWrite, &StpBridgeVersion},
    {"1.3.6.1.2.1.17.2.2", "dot1dStpPriority", Syntax::Integer, Access::ReadWrite, nullptr},
    {"1.3.6.1.2.1.17.2.12", "dot1dStpBridgeMaxAge", Syntax::Integer, Access::ReadWrite, nullptr},
    {"1.3.6.1.2.1.17.2.13", "dot1dStpBridgeHelloTime", Syntax::Integer, Access::ReadWrite, nullptr},
    {"1.3.6.1.2.1.17.2.14", "dot1dStpBridgeForwardDelay", Syntax::Integer, Access::ReadWrite, nullptr},
    {"1.3.6.1.2.1.17.2.17", "dot1StpTxHoldCount", Syntax::Integer, Access::ReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};

const KvSNMPVarDef FrontPanelLedDefs[] = {
    {"1.3.6.1.4.1.171.11.43.2.2.1.1.4", "swL2DevInfoFrontPanelLedStatus", Syntax::OctetStr, Access::ReadOnly,
     nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};

// One port's row of the port control table; the window appends the port number.
OPTIONS(CopperPortAdminState, OtherDisabledEnabled);
OPTIONS(CopperPortNwayState, CopperNwayStates);
OPTIONS(CopperPortFlowCtrlState, OtherDisabledEnabled);
OPTIONS(CopperPortLearningState, OtherDisabledEnabled);
#define BASE "1.3.6.1.4.1.171.11.43.2.2.3.2.1"
const KvSNMPVarDef CopperPortCtrlDefs[] = {
    {BASE ".1", "swL2PortCtrlPortIndex", Syntax::Integer, Access::NotAccess, nullptr},
    {BASE ".2", "swL2PortCtrlUnitIndex", Syntax::Integer, Access::ReadOnly, nullptr},
    {BASE ".3", "swL2PortCtrlAdminState", Syntax::Integer, Access::ReadWrite, &CopperPortAdminState},
    {BASE ".4", "swL2PortCtrlNwayState", Syntax::Integer, Access::ReadWrite, &CopperPortNwayState},
    {BASE ".5", "swL2PortCtrlFlowCtrlState", Syntax::Integer, Access::ReadWrite, &CopperPortFlowCtrlState},
    {BASE ".6", "swL2PortCtrlLearningState", Syntax::Integer, Access::ReadWrite, &CopperPortLearningState},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

OPTIONS(ComboPortAdminState, OtherDisabledEnabled);
OPTIONS(ComboPortNwayState, ComboNwayStates);
OPTIONS(ComboPortFlowCtrlState, OtherDisabledEnabled);
OPTIONS(ComboPortLearningState, OtherDisabledEnabled);
#define BASE "1.3.6.1.4.1.171.11.43.2.2.3.2.1"
const KvSNMPVarDef ComboPortCtrlDefs[] = {
    {BASE ".1", "swL2PortCtrlPortIndex", Syntax::Integer, Access::NotAccess, nullptr},
    {BASE ".2", "swL2PortCtrlUnitIndex", Syntax::Integer, Access::ReadOnly, nullptr},
    {BASE ".3", "swL2PortCtrlAdminState", Syntax::Integer, Access::ReadWrite, &ComboPortAdminState},
    {BASE ".4", "swL2PortCtrlNwayState", Syntax::Integer, Access::ReadWrite, &ComboPortNwayState},
    {BASE ".5", "swL2PortCtrlFlowCtrlState", Syntax::Integer, Access::ReadWrite, &ComboPortFlowCtrlState},
    {BASE ".6", "swL2PortCtrlLearningState", Syntax::Integer, Access::ReadWrite, &ComboPortLearningState},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

OPTIONS(PortCtrlAdminState, OtherDisabledEnabled);
OPTIONS(PortCtrlNwayState, PortNwayStates);
OPTIONS(PortCtrlFlowCtrlState, OtherDisabledEnabled);
OPTIONS(PortCtrlLearningState, OtherDisabledEnabled);
#define BASE "1.3.6.1.4.1.171.11.43.2.2.3.2.1"
const KvSNMPVarDef PortCtrlDefs[] = {
    {BASE ".1", "swL2PortCtrlPortIndex", Syntax::Integer, Access::NotAccess, nullptr},
    {BASE ".2", "swL2PortCtrlUnitIndex", Syntax::Integer, Access::ReadOnly, nullptr},
    {BASE ".3", "swL2PortCtrlAdminState", Syntax::Integer, Access::ReadWrite, &PortCtrlAdminState},
    {BASE ".4", "swL2PortCtrlNwayState", Syntax::Integer, Access::ReadWrite, &PortCtrlNwayState},
    {BASE ".5", "swL2PortCtrlFlowCtrlState", Syntax::Integer, Access::ReadWrite, &PortCtrlFlowCtrlState},
    {BASE ".6", "swL2PortCtrlLearningState", Syntax::Integer, Access::ReadWrite, &PortCtrlLearningState},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

// The interface alias (ifAlias) that the port control window shows beside each port.
const KvSNMPVarDef PortDescriptionDefs[] = {
    {"1.3.6.1.2.1.2.2.1.1", "ifIndex", Syntax::Integer, Access::NotAccess, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.18", "Port Discription", Syntax::DisplayStr, Access::ReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};

// swL2TrunkIndex, ...MasterPort, ...Member, ...FloodingPort, ...Type, ...State under the
// window's column captions.
OPTIONS(PortTrunkType, TrunkTypes);
OPTIONS(PortTrunkState, RowStatuses);
#define BASE "1.3.6.1.4.1.171.11.43.2.2.9.3.1"
const KvSNMPVarDef PortTrunkDefs[] = {
    {BASE ".1", "Index", Syntax::Integer, Access::NotAccess, nullptr},
    {BASE ".2", "Master Port", Syntax::Integer, Access::ReadWrite, nullptr},
    {BASE ".3", "Member", Syntax::BitStr, Access::ReadWrite, nullptr},
    {BASE ".4", "Flooding Port", Syntax::Integer, Access::ReadOnly, nullptr},
    {BASE ".5", "Trunk Type", Syntax::Integer, Access::ReadWrite, &PortTrunkType},
    {BASE ".6", "State", Syntax::Integer, Access::ReadWrite, &PortTrunkState},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

OPTIONS(PortMirrorState, DisabledEnabled);
#define BASE "1.3.6.1.4.1.171.11.43.2.2.10"
const KvSNMPVarDef PortMirrorDefs[] = {
    {BASE ".1", "swL2MirrorLogicTargetPort", Syntax::Integer, Access::ReadWrite, nullptr},
    {BASE ".2", "swL2MirrorPortSourceIngress", Syntax::BitStr, Access::ReadWrite, nullptr},
    {BASE ".3", "swL2MirrorPortSourceEgress", Syntax::BitStr, Access::ReadWrite, nullptr},
    {BASE ".4", "swL2MirrorPortState", Syntax::Integer, Access::ReadWrite, &PortMirrorState},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

const KvSNMPVarDef PBridgeDeviceCapsDefs[] = {
    {"1.3.6.1.2.1.17.6.1.1.1", "DeviceCapabilities", Syntax::BitStr, Access::ReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};

OPTIONS(PBridgeTrafficClassesEnabled, TrueFalse);
const KvSNMPVarDef PBridgeTrafficClassesDefs[] = {
    {"1.3.6.1.2.1.17.6.1.1.2", "TrafficClassesEnabled", Syntax::Integer, Access::ReadOnly,
     &PBridgeTrafficClassesEnabled},
    {nullptr, nullptr, 0, 0, nullptr}};

OPTIONS(QBridgeGvrpStatus, EnabledDisabled);
#define BASE "1.3.6.1.2.1.17.7.1.1"
const KvSNMPVarDef QBridgeBaseDefs[] = {
    {BASE ".1", "VLANVersionNumber", Syntax::Integer, Access::ReadOnly, nullptr},
    {BASE ".2", "MaxVLANId", Syntax::Integer, Access::ReadOnly, nullptr},
    {BASE ".3", "MaxSupportedVLANs", Syntax::Gauge, Access::ReadOnly, nullptr},
    {BASE ".4", "CurrentNumOfVLANs", Syntax::Gauge, Access::ReadOnly, nullptr},
    {BASE ".5", "GVRPStatus", Syntax::Integer, Access::ReadWrite, &QBridgeGvrpStatus},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

// Columns 5 and 6 of the table are not read. The last name keeps its trailing blank.
#define BASE "1.3.6.1.2.1.10.7.2.1"
const KvSNMPVarDef Dot3StatsDefs[] = {
    {BASE ".1", "dot3StatsIndex", Syntax::Integer, Access::ReadOnly, nullptr},
    {BASE ".2", "dot3StatsAlignmentErrors", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".3", "dot3StatsFCSErrors", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".4", "dot3StatsSingleCollisionFrames", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".7", "dot3StatsDeferredTransmissions", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".8", "dot3StatsLateCollisions", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".9", "dot3StatsExcessiveCollisions ", Syntax::Counter, Access::ReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

// LED colour maps, built after the option lists.

namespace {
constexpr int kWhite = KvRgb(255, 255, 255);
constexpr int kGreen = KvRgb(0, 255, 0);
constexpr int kOrange = KvRgb(255, 128, 0);
constexpr int kBlue = KvRgb(0, 0, 255);
constexpr int kRed = KvRgb(255, 0, 0);
constexpr int kBlack = KvRgb(0, 0, 0);

const KvLedColorPair kPortLedColors[] = {{0, kWhite}, {1, kWhite}, {2, kGreen}, {3, kOrange},
                                         {4, kBlue},  {5, kRed},   {0, -1}};
const KvLedColorPair kActivityLedColors[] = {{0, kWhite}, {1, kWhite}, {2, kWhite}, {3, kGreen},
                                             {4, kWhite}, {5, kWhite}, {0, -1}};
}  // namespace

const KvSNMPLedColorMapList PortLedColors KV_MIB_SET_ORDER(CoreSetOrder)(kPortLedColors, 7, 128, kBlack,
                                                                         kWhite);
const KvSNMPLedColorMapList ActivityLedColors KV_MIB_SET_ORDER(CoreSetOrder)(kActivityLedColors, 7, 128,
                                                                             kBlack, kWhite);

const KvMibTable CoreTables[] = {
    KV_MIB_TABLE(RuntimeVersionDefs, SVT_SV, 0),
    KV_MIB_TABLE(RmonStateDefs, SVT_SV, 0),
    KV_MIB_TABLE(AgentBasicInfoDefs, SVT_SV, 0),
    KV_MIB_TABLE(MibCapabilityDefs, MVT_UMV, 1),
    KV_MIB_TABLE(CpuUtilDefs, SVT_SV, 0),
    KV_MIB_TABLE(PingTestDefs, SVT_SV, 0),
    KV_MIB_TABLE(SaveCfgDefs, SVT_SV, 0),
    KV_MIB_TABLE(ResetDefs, SVT_SV, 0),
    KV_MIB_TABLE(DevInfoDefs, SVT_SV, 0),
    KV_MIB_TABLE(DevCtrlDefs, SVT_SV, 0),
    KV_MIB_TABLE(DevAlarmDefs, SVT_SV, 0),
    KV_MIB_TABLE(PortInfoDefs, MVT_FMV, 1),
    KV_MIB_TABLE(PortSecurityDefs, MVT_FMV, 1),
    KV_MIB_TABLE(IgmpCtrlDefs, MVT_FMV, 1),
    KV_MIB_TABLE(IgmpQueryInfoDefs, MVT_FMV, 1),
    KV_MIB_TABLE(IgmpInfoDefs, MVT_FMV, 2),
    KV_MIB_TABLE(TrafficCtrlDefs, MVT_FMV, 1),
    KV_MIB_TABLE(TrafficSegDefs, MVT_FMV, 1),
    KV_MIB_TABLE(PortBwCtrlDefs, MVT_FMV, 1),
    KV_MIB_TABLE(RadiusConfigDefs, SVT_SV, 0),
    KV_MIB_TABLE(RadiusAcctDefs, MVT_FMV, 1),
    KV_MIB_TABLE(RadiusServerDefs, MVT_FMV, 1),
    KV_MIB_TABLE(PaeMacInfoDefs, MVT_FMV, 2),
    KV_MIB_TABLE(PaeMacStatsDefs, MVT_FMV, 2),
    KV_MIB_TABLE(PaeMacDiagDefs, MVT_FMV, 2),
    KV_MIB_TABLE(PaeMacSessionDefs, MVT_FMV, 2),
    KV_MIB_TABLE(StpPortDefs, MVT_UMV, 1),
    KV_MIB_TABLE(StpBridgeDefs, SVT_SV, 0),
    KV_MIB_TABLE(FrontPanelLedDefs, SVT_SV, 0),
    KV_MIB_TABLE(CopperPortCtrlDefs, MVT_SV, 0),
    KV_MIB_TABLE(ComboPortCtrlDefs, MVT_SV, 0),
    KV_MIB_TABLE(PortCtrlDefs, MVT_FMV, 1),
    KV_MIB_TABLE(PortDescriptionDefs, MVT_FMV, 1),
    KV_MIB_TABLE(PortTrunkDefs, MVT_UMV, 1),
    KV_MIB_TABLE(PortMirrorDefs, SVT_SV, 0),
    KV_MIB_TABLE(PBridgeDeviceCapsDefs, SVT_SV, 0),
    KV_MIB_TABLE(PBridgeTrafficClassesDefs, SVT_SV, 0),
    KV_MIB_TABLE(QBridgeBaseDefs, SVT_SV, 0),
    KV_MIB_TABLE(Dot3StatsDefs, MVT_FMV, 1),
};

const KvMibSet CoreSet = {"core", CoreTables};
