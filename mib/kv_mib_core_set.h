#pragma once
// Core definition set: agent, device information and control, front-panel LEDs, ports,
// trunk and mirror, IGMP, traffic control and segmentation, bandwidth, ping, RADIUS,
// MAC-based 802.1X, spanning tree, 802.1p/802.1Q basics; the two LED colour maps.

#include "kv_mib_catalogue.h"
#include "kv_snmp_led_color_map_list.h"

extern const KvMibSet CoreSet;

extern const KvSNMPVarDef RuntimeVersionDefs[];
extern const KvSNMPVarDef AgentIdentityDefs[];  // sysDescr, sysObjectID
extern const KvSNMPVarDef RmonStateDefs[];
extern const KvSNMPVarDef AgentBasicInfoDefs[];
extern const KvSNMPVarDef MibCapabilityDefs[];
extern const KvSNMPVarDef CpuUtilDefs[];
extern const KvSNMPVarDef PingTestDefs[];
extern const KvSNMPVarDef SaveCfgDefs[];
extern const KvSNMPVarDef ResetDefs[];
extern const KvSNMPVarDef DevInfoDefs[];
extern const KvSNMPVarDef DevCtrlDefs[];
extern const KvSNMPVarDef DevAlarmDefs[];
extern const KvSNMPVarDef PortInfoDefs[];
extern const KvSNMPVarDef PortSecurityDefs[];
extern const KvSNMPVarDef IgmpCtrlDefs[];
extern const KvSNMPVarDef IgmpQueryInfoDefs[];
extern const KvSNMPVarDef IgmpInfoDefs[];
extern const KvSNMPVarDef TrafficCtrlDefs[];
extern const KvSNMPVarDef TrafficSegDefs[];
extern const KvSNMPVarDef PortBwCtrlDefs[];
extern const KvSNMPVarDef RadiusConfigDefs[];
extern const KvSNMPVarDef RadiusAcctDefs[];
extern const KvSNMPVarDef RadiusServerDefs[];
extern const KvSNMPVarDef PaeMacInfoDefs[];
extern const KvSNMPVarDef PaeMacStatsDefs[];
extern const KvSNMPVarDef PaeMacDiagDefs[];
extern const KvSNMPVarDef PaeMacSessionDefs[];
extern const KvSNMPVarDef StpPortDefs[];
extern const KvSNMPVarDef StpBridgeDefs[];            // spanning tree window
extern const KvSNMPVarDef FrontPanelLedDefs[];        // front panel
extern const KvSNMPVarDef CopperPortCtrlDefs[];       // front panel, one copper port
extern const KvSNMPVarDef ComboPortCtrlDefs[];        // front panel, one combo port
extern const KvSNMPVarDef PortCtrlDefs[];             // port control window
extern const KvSNMPVarDef PortDescriptionDefs[];      // port control window, interface alias
extern const KvSNMPVarDef PortTrunkDefs[];            // port trunk window
extern const KvSNMPVarDef PortMirrorDefs[];           // port mirror window
extern const KvSNMPVarDef PBridgeDeviceCapsDefs[];    // 802.1p basic information
extern const KvSNMPVarDef PBridgeTrafficClassesDefs[];
extern const KvSNMPVarDef QBridgeBaseDefs[];          // 802.1Q basic configuration
extern const KvSNMPVarDef Dot3StatsDefs[];            // dot3 statistics window

// Front-panel LED colours: value mask 7, blink mask 128, off black, missing white.
extern const KvSNMPLedColorMapList PortLedColors;
extern const KvSNMPLedColorMapList ActivityLedColors;
