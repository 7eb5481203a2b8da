#pragma once
// The value/label contents of the catalogue's option lists. Every enumerated record has
// an option list object of its own; records with the same labels build theirs from the
// same array here. Values are the integers on the wire, labels the texts shown.

#include "kv_option_list.h"

// Device and agent information
extern const KvIntOption OtherDisabledEnabled[];
extern const KvIntOption MgmtProtocolCapabilities[];
extern const KvIntOption ConsoleInUseStates[];
extern const KvIntOption SaveCfgStates[];
extern const KvIntOption FileTransferStates[];
extern const KvIntOption MibCapabilityTypes[];
extern const KvIntOption RpsStates[];
extern const KvIntOption NormalActive[];
extern const KvIntOption DisableEnable[];
extern const KvIntOption OtherDisableEnable[];
extern const KvIntOption SaveStates[];
extern const KvIntOption ResetTypes[];
extern const KvIntOption PingTestControls[];
extern const KvIntOption PingTestStatuses[];

// Ports, IGMP, bandwidth, trunks, mirroring
extern const KvIntOption PortTypes[];
extern const KvIntOption LinkStatuses[];
extern const KvIntOption NwayStatuses[];
extern const KvIntOption PortSecurityModes[];
extern const KvIntOption OtherEnableDisable[];
extern const KvIntOption QuerierStates[];
extern const KvIntOption BwCtrlPortCatalogs[];
extern const KvIntOption OtherInvalidValid[];
extern const KvIntOption CopperNwayStates[];
extern const KvIntOption ComboNwayStates[];
extern const KvIntOption PortNwayStates[];
extern const KvIntOption TrunkTypes[];
extern const KvIntOption DisabledEnabled[];

// RADIUS and 802.1X
extern const KvIntOption AuthProtocols[];
extern const KvIntOption AuthModes[];
extern const KvIntOption AcctServiceIndexes[];
extern const KvIntOption AcctServiceMethods[];
extern const KvIntOption AcctServiceModes[];
extern const KvIntOption EnabledDisabled[];
extern const KvIntOption TrueFalse[];
extern const KvIntOption PaeStates[];
extern const KvIntOption BackendAuthStates[];
extern const KvIntOption ControlledDirections[];
extern const KvIntOption AuthorizedUnauthorized[];
extern const KvIntOption PortControls[];
extern const KvIntOption AuthenticMethods[];
extern const KvIntOption TerminateCauses[];

// Spanning tree and interfaces
extern const KvIntOption StpPortStates[];
extern const KvIntOption PointToPointModes[];
extern const KvIntOption StpVersions[];
extern const KvIntOption TrapEnableStates[];
extern const KvIntOption FalseTrue[];

// Access authentication control, SSH, LAG, SSL, single IP management
extern const KvIntOption AacMethodTypes[];
extern const KvIntOption AacRowStatuses[];
extern const KvIntOption AacAuthProtocols[];
extern const KvIntOption SshRekeyIntervals[];
extern const KvIntOption LagPortModes[];
extern const KvIntOption SslCertFileCtrls[];
extern const KvIntOption SimRoleStates[];
extern const KvIntOption SimNeighborRoles[];

// SNMP framework, target, notification, USM, VACM and community tables
extern const KvIntOption RowStatuses[];
extern const KvIntOption StorageTypes[];
extern const KvIntOption SecurityLevels[];
extern const KvIntOption ContextMatches[];
extern const KvIntOption IncludedExcluded[];
extern const KvIntOption NotifyTypes[];

// ACL masks and rules
extern const KvIntOption MacMaskStates[];
extern const KvIntOption IpMaskStates[];
extern const KvIntOption AclProtocols[];
extern const KvIntOption IcmpOptions[];
extern const KvIntOption EnableDisable[];
extern const KvIntOption PortMaskOptions[];
extern const KvIntOption DenyPermit[];

// RMON
extern const KvIntOption EntryStatuses[];
extern const KvIntOption AlarmSampleTypes[];
extern const KvIntOption AlarmStartupTypes[];
extern const KvIntOption EventTypes[];

// MIB-II: interfaces, IP and its routes
extern const KvIntOption IfTypes[];
extern const KvIntOption IfAdminStatuses[];
extern const KvIntOption IfOperStatuses[];
extern const KvIntOption IpForwardingStates[];
extern const KvIntOption IpRouteTypes[];
extern const KvIntOption IpRouteProtocols[];

// Bridge, P-BRIDGE and Q-BRIDGE
extern const KvIntOption BridgeTypes[];
extern const KvIntOption StpProtocolKinds[];
extern const KvIntOption FdbStatuses[];
extern const KvIntOption VlanStatuses[];
extern const KvIntOption StaticAddressStatuses[];

// Entity
extern const KvIntOption PhysicalClasses[];
