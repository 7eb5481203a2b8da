#include "kv_mib_option_values.h"

// Device and agent information

const KvIntOption OtherDisabledEnabled[] = {{1, "other"}, {2, "disabled"}, {3, "enabled"}, {0, nullptr}};

const KvIntOption MgmtProtocolCapabilities[] = {
    {1, "other"}, {2, "snmp-ip"}, {3, "snmp-ipx"}, {4, "snmp-ip-ipx"}, {0, nullptr}};

const KvIntOption ConsoleInUseStates[] = {{1, "other"}, {2, "in-use"}, {3, "not-in-use"}, {0, nullptr}};

const KvIntOption SaveCfgStates[] = {
    {1, "other"}, {2, "proceeding"}, {3, "completed"}, {4, "changed-not-save"}, {5, "failed"}, {0, nullptr}};

const KvIntOption FileTransferStates[] = {
    {1, "other"},      {2, "in-process"}, {3, "invalid-file"}, {4, "violation"},
    {5, "file-not-found"}, {6, "disk-full"}, {7, "complete"},  {8, "time-out"},
    {0, nullptr}};

const KvIntOption MibCapabilityTypes[] = {
    {1, "other"}, {2, "standard"}, {3, "proprietary"}, {4, "experiment"}, {0, nullptr}};

const KvIntOption RpsStates[] = {{1, "other"}, {2, "inactive"}, {3, "active"}, {0, nullptr}};

const KvIntOption NormalActive[] = {{1, "normal"}, {2, "active"}, {0, nullptr}};

const KvIntOption DisableEnable[] = {{2, "disable"}, {3, "enable"}, {0, nullptr}};

const KvIntOption OtherDisableEnable[] = {{1, "other"}, {2, "disable"}, {3, "enable"}, {0, nullptr}};

const KvIntOption SaveStates[] = {{1, "other"}, {2, "idle"}, {3, "set"}, {0, nullptr}};

const KvIntOption ResetTypes[] = {
    {1, "other"}, {2, "cold-start"}, {3, "warm-start"}, {4, "no-reset"}, {0, nullptr}};

const KvIntOption PingTestControls[] = {{0, "stop"}, {1, "active"}, {0, nullptr}};

const KvIntOption PingTestStatuses[] = {{0, "finish"}, {1, "proceeding"}, {0, nullptr}};

// Ports, IGMP, bandwidth, trunks, mirroring

const KvIntOption PortTypes[] = {
    {1, "portType-100Base-TX"},       {2, "portType-100Base-FX"},
    {3, "portType-100Base-FL"},       {4, "portType-1000Base-TX"},
    {5, "portType-1000Base-SX"},      {6, "portType-1000Base-LX"},
    {7, "portType-1000Base-SX-GBIC"}, {8, "portType-1000Base-LX-GBIC"},
    {9, "none"},                      {0, nullptr}};

const KvIntOption LinkStatuses[] = {{1, "other"}, {2, "link-pass"}, {3, "link-fail"}, {0, nullptr}};

const KvIntOption NwayStatuses[] = {
    {1, "other"},        {2, "auto"},         {3, "half-10Mbps"},   {4, "full-10Mbps"},
    {5, "half-100Mbps"}, {6, "full-100Mbps"}, {8, "full-1Gigabps"}, {0, nullptr}};

const KvIntOption PortSecurityModes[] = {
    {1, "other"}, {2, "deleteOnTimeout"}, {3, "deleteOnReset"}, {4, "permanent"}, {0, nullptr}};

const KvIntOption OtherEnableDisable[] = {{1, "other"}, {2, "enable"}, {3, "disable"}, {0, nullptr}};

const KvIntOption QuerierStates[] = {{1, "other"}, {2, "querier"}, {3, "non-querier"}, {0, nullptr}};

const KvIntOption BwCtrlPortCatalogs[] = {
    {1, "ingressPort"}, {2, "egressPort"}, {3, "both"}, {4, "other"}, {0, nullptr}};

const KvIntOption OtherInvalidValid[] = {{1, "other"}, {2, "invalid"}, {3, "valid"}, {0, nullptr}};

const KvIntOption CopperNwayStates[] = {
    {1, "other"},
    {2, "nway-enabled"},
    {3, "nway-disabled-10Mbps-Half"},
    {4, "nway-disabled-10Mbps-Full"},
    {5, "nway-disabled-100Mbps-Half"},
    {6, "nway-disabled-100Mbps-Full"},
    {9, "nway-disabled-1Gigabps-Full-master"},
    {10, "nway-disabled-1Gigabps-Full-slave"},
    {0, nullptr}};

const KvIntOption ComboNwayStates[] = {
    {1, "other"}, {2, "nway-enabled"}, {8, "nway-disabled-1Gigabps-Full"}, {0, nullptr}};

// No value 7: the list goes from 6 to 8.
const KvIntOption PortNwayStates[] = {
    {1, "other"},
    {2, "nway-enabled"},
    {3, "nway-disabled-10Mbps-Half"},
    {4, "nway-disabled-10Mbps-Full"},
    {5, "nway-disabled-100Mbps-Half"},
    {6, "nway-disabled-100Mbps-Full"},
    {8, "nway-disabled-1Gigabps-Full"},
    {9, "nway-disabled-1Gigabps-Full-master"},
    {10, "nway-disabled-1Gigabps-Full-slave"},
    {0, nullptr}};

const KvIntOption TrunkTypes[] = {{1, "other"}, {2, "static"}, {3, "lacp"}, {0, nullptr}};

const KvIntOption DisabledEnabled[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};

// RADIUS and 802.1X

const KvIntOption AuthProtocols[] = {{2, "authProtocolLocal"}, {4, "authProtocolRadiusEap"}, {0, nullptr}};

const KvIntOption AuthModes[] = {{1, "portBase"}, {2, "macBase"}, {3, "none"}, {0, nullptr}};

const KvIntOption AcctServiceIndexes[] = {{1, "acctServiceIndex-network"},
                                          {2, "acctServiceIndex-exec"},
                                          {3, "acctServiceIndex-system"},
                                          {0, nullptr}};

const KvIntOption AcctServiceMethods[] = {
    {1, "swRadiusAcctServiceMethodNone"}, {2, "swRadiusAcctServiceMethodRadius"}, {0, nullptr}};

const KvIntOption AcctServiceModes[] = {{1, "radiusAcctServiceModeNone"},
                                        {2, "radiusAcctServiceModeStartStop"},
                                        {3, "radiusAcctServiceModeStopOnly"},
                                        {0, nullptr}};

const KvIntOption EnabledDisabled[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};

const KvIntOption TrueFalse[] = {{1, "true"}, {2, "false"}, {0, nullptr}};

const KvIntOption PaeStates[] = {
    {1, "initialize"},    {2, "disconnected"}, {3, "connecting"}, {4, "authenticating"},
    {5, "authenticated"}, {6, "aborting"},     {7, "held"},       {8, "forceAuth"},
    {9, "forceUnauth"},   {0, nullptr}};

const KvIntOption BackendAuthStates[] = {
    {1, "request"}, {2, "response"}, {3, "success"},    {4, "fail"},
    {5, "timeout"}, {6, "idle"},     {7, "initialize"}, {0, nullptr}};

const KvIntOption ControlledDirections[] = {{0, "both"}, {1, "in"}, {0, nullptr}};

const KvIntOption AuthorizedUnauthorized[] = {{1, "authorized"}, {2, "unauthorized"}, {0, nullptr}};

const KvIntOption PortControls[] = {
    {1, "forceUnauthorized"}, {2, "auto"}, {3, "forceAuthorized"}, {0, nullptr}};

const KvIntOption AuthenticMethods[] = {{1, "remoteAuthServer"}, {2, "localAuthServer"}, {0, nullptr}};

const KvIntOption TerminateCauses[] = {
    {1, "supplicantLogoff"},       {2, "portFailure"}, {3, "supplicantRestart"},
    {4, "reauthFailed"},           {5, "authControlForceUnauth"},
    {6, "portReInit"},             {7, "portAdminDisabled"},
    {999, "notTerminatedYet"},     {0, nullptr}};

// Spanning tree and interfaces

const KvIntOption StpPortStates[] = {
    {1, "disabled"},   {2, "blocking"},   {3, "listening"}, {4, "learning"},
    {5, "forwarding"}, {6, "broken"},     {0, nullptr}};

const KvIntOption PointToPointModes[] = {{0, "forceTrue"}, {1, "forceFalse"}, {2, "Auto"}, {0, nullptr}};

const KvIntOption StpVersions[] = {{0, "STP Compatibility"}, {2, "RSTP"}, {0, nullptr}};

// Listed with "disabled" first.
const KvIntOption TrapEnableStates[] = {{2, "disabled"}, {1, "enabled"}, {0, nullptr}};

const KvIntOption FalseTrue[] = {{2, "false"}, {1, "true"}, {0, nullptr}};

// Access authentication control, SSH, LAG, SSL, single IP management

const KvIntOption AacMethodTypes[] = {
    {0, "invalid-type"},
    {101, "method-enable-enable"},
    {102, "method-enable-login"},
    {201, "method-line-enable"},
    {202, "method-line-login"},
    {301, "method-none-enable"},
    {302, "method-none-login"},
    {303, "method-none-ppp"},
    {401, "method-radius-enable"},
    {402, "method-radius-login"},
    {403, "method-radius-ppp"},
    {501, "method-tacacs-plus-enable"},
    {502, "method-tacacs-plus-login"},
    {503, "method-tacacs-plus-ppp"},
    {601, "method-group-enable"},
    {602, "method-group-login"},
    {603, "method-group-ppp"},
    {701, "method-xtacacs-enable"},
    {702, "method-xtacacs-login"},
    {703, "method-xtacacs-ppp"},
    {801, "method-tacacs-enable"},
    {802, "method-tacacs-login"},
    {803, "method-tacacs-ppp"},
    {902, "method-krb5-login"},
    {903, "method-krb5-PPP"},
    {1002, "method-krb5-telnet-login"},
    {1102, "method-local-login"},
    {1103, "method-local-ppp"},
    {1202, "method-local-case-login"},
    {1203, "method-local-case-ppp"},
    {1303, "method-if-needed-ppp"},
    {0, nullptr}};

const KvIntOption AacRowStatuses[] = {
    {1, "active"}, {2, "notInService"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr}};

const KvIntOption AacAuthProtocols[] = {{1, "tacacs"}, {2, "xtacacs"}, {3, "tacacs-plus"}, {0, nullptr}};

const KvIntOption SshRekeyIntervals[] = {
    {0, "never"}, {10, "ten-min"}, {30, "thirty-min"}, {60, "sixty-min"}, {0, nullptr}};

const KvIntOption LagPortModes[] = {{2, "active"}, {3, "passive"}, {0, nullptr}};

const KvIntOption SslCertFileCtrls[] = {
    {1, "other"}, {2, "inactive"}, {3, "start"}, {4, "delete"}, {0, nullptr}};

const KvIntOption SimRoleStates[] = {{1, "cs"}, {2, "cas"}, {3, "mS"}, {0, nullptr}};

const KvIntOption SimNeighborRoles[] = {{1, "commander"}, {2, "candidate"}, {3, "member"}, {0, nullptr}};

// SNMP framework, target, notification, USM, VACM and community tables

const KvIntOption RowStatuses[] = {
    {1, "active"},        {2, "notInService"}, {3, "notReady"}, {4, "createAndGo"},
    {5, "createAndWait"}, {6, "destroy"},      {0, nullptr}};

const KvIntOption StorageTypes[] = {
    {1, "other"}, {2, "volatile"}, {3, "nonVolatile"}, {4, "permanent"}, {5, "readOnly"}, {0, nullptr}};

const KvIntOption SecurityLevels[] = {{1, "noAuthNoPriv"}, {2, "authNoPriv"}, {3, "authPriv"}, {0, nullptr}};

const KvIntOption ContextMatches[] = {{1, "exact"}, {2, "prefix"}, {0, nullptr}};

const KvIntOption IncludedExcluded[] = {{1, "included"}, {2, "excluded"}, {0, nullptr}};

const KvIntOption NotifyTypes[] = {{1, "trap"}, {2, "inform"}, {0, nullptr}};

// ACL masks and rules

const KvIntOption MacMaskStates[] = {
    {1, "other"}, {2, "dst-mac-addr"}, {3, "src-mac-addr"}, {4, "dst-src-mac-addr"}, {0, nullptr}};

const KvIntOption IpMaskStates[] = {
    {1, "other"}, {2, "dst-ip-addr"}, {3, "src-ip-addr"}, {4, "dst-src-ip-addr"}, {0, nullptr}};

const KvIntOption AclProtocols[] = {
    {1, "none"}, {2, "icmp"}, {3, "igmp"}, {4, "tcp"}, {5, "udp"}, {6, "protocolId"}, {0, nullptr}};

const KvIntOption IcmpOptions[] = {{1, "none"}, {2, "type"}, {3, "code"}, {4, "type-code"}, {0, nullptr}};

const KvIntOption EnableDisable[] = {{1, "enable"}, {2, "disable"}, {0, nullptr}};

const KvIntOption PortMaskOptions[] = {
    {1, "other"}, {2, "dst-addr"}, {3, "src-addr"}, {4, "dst-src-addr"}, {0, nullptr}};

const KvIntOption DenyPermit[] = {{1, "deny"}, {2, "permit"}, {0, nullptr}};

// RMON

const KvIntOption EntryStatuses[] = {
    {1, "valid"}, {2, "createRequest"}, {3, "underCreation"}, {4, "invalid"}, {0, nullptr}};

const KvIntOption AlarmSampleTypes[] = {{1, "absoluteValue"}, {2, "deltaValue"}, {0, nullptr}};

const KvIntOption AlarmStartupTypes[] = {
    {1, "risingAlarm"}, {2, "fallingAlarm"}, {3, "risingOrFallingAlarm"}, {0, nullptr}};

const KvIntOption EventTypes[] = {{1, "none"}, {2, "log"}, {3, "snmptrap"}, {4, "logandtrap"}, {0, nullptr}};

// MIB-II: interfaces, IP and its routes

// The interface types of the first MIB-II list, with the Ethernet, VLAN and aggregation
// types a switch reports today; other numbers show as they are.
const KvIntOption IfTypes[] = {
    {1, "other"},           {2, "regular1822"},      {3, "hdh1822"},
    {4, "ddnX25"},          {5, "rfc877x25"},        {6, "ethernetCsmacd"},
    {7, "iso88023Csmacd"},  {8, "iso88024TokenBus"}, {9, "iso88025TokenRing"},
    {10, "iso88026Man"},    {11, "starLan"},         {12, "proteon10Mbit"},
    {13, "proteon80Mbit"},  {14, "hyperchannel"},    {15, "fddi"},
    {16, "lapb"},           {17, "sdlc"},            {18, "ds1"},
    {19, "e1"},             {20, "basicISDN"},       {21, "primaryISDN"},
    {22, "propPointToPointSerial"}, {23, "ppp"},     {24, "softwareLoopback"},
    {25, "eon"},            {26, "ethernet3Mbit"},   {27, "nsip"},
    {28, "slip"},           {29, "ultra"},           {30, "ds3"},
    {31, "sip"},            {32, "frameRelay"},      {53, "propVirtual"},
    {62, "fastEther"},      {69, "fastEtherFX"},     {117, "gigabitEthernet"},
    {135, "l2vlan"},        {136, "l3ipvlan"},       {161, "ieee8023adLag"},
    {0, nullptr}};

const KvIntOption IfAdminStatuses[] = {{1, "up"}, {2, "down"}, {3, "testing"}, {0, nullptr}};

const KvIntOption IfOperStatuses[] = {
    {1, "up"},      {2, "down"},       {3, "testing"},        {4, "unknown"},
    {5, "dormant"}, {6, "notPresent"}, {7, "lowerLayerDown"}, {0, nullptr}};

const KvIntOption IpForwardingStates[] = {{1, "forwarding"}, {2, "not-forwarding"}, {0, nullptr}};

const KvIntOption IpRouteTypes[] = {{1, "other"}, {2, "invalid"}, {3, "direct"}, {4, "indirect"}, {0, nullptr}};

const KvIntOption IpRouteProtocols[] = {
    {1, "other"},  {2, "local"},  {3, "netmgmt"},    {4, "icmp"},       {5, "egp"},
    {6, "ggp"},    {7, "hello"},  {8, "rip"},        {9, "is-is"},      {10, "es-is"},
    {11, "ciscoIgrp"}, {12, "bbnSpfIgp"}, {13, "ospf"}, {14, "bgp"},    {0, nullptr}};

// Bridge, P-BRIDGE and Q-BRIDGE

const KvIntOption BridgeTypes[] = {
    {1, "unknown"}, {2, "transparent-only"}, {3, "sourceroute-only"}, {4, "srt"}, {0, nullptr}};

const KvIntOption StpProtocolKinds[] = {{1, "unknown"}, {2, "decLb100"}, {3, "ieee8021d"}, {0, nullptr}};

const KvIntOption FdbStatuses[] = {
    {1, "other"}, {2, "invalid"}, {3, "learned"}, {4, "self"}, {5, "mgmt"}, {0, nullptr}};

const KvIntOption VlanStatuses[] = {{1, "other"}, {2, "permanent"}, {3, "dynamicGvrp"}, {0, nullptr}};

const KvIntOption StaticAddressStatuses[] = {
    {1, "other"}, {2, "invalid"}, {3, "permanent"}, {4, "deleteOnReset"}, {5, "deleteOnTimeout"}, {0, nullptr}};

// Entity

const KvIntOption PhysicalClasses[] = {
    {1, "other"},       {2, "unknown"}, {3, "chassis"}, {4, "backplane"}, {5, "container"}, {6, "powerSupply"},
    {7, "fan"},         {8, "sensor"},  {9, "module"},  {10, "port"},     {11, "stack"},    {0, nullptr}};
