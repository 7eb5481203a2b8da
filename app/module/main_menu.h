#pragma once
// The main window's menu as constant data: the tree of items (caption, item name,
// visibility, the key of the entry it runs) and the entries the keys name. The main
// window builds its menu bar from the tree and dispatches every click through the
// entry table; nothing here knows Qt.

#include "window_entry.h"

#include <span>
#include <string>

// The menu tree, one line per item in menu order. KV_ITEM(depth, item name, caption,
// visibility, entry key) names an item; KV_SEP(depth, visibility) a separator. The depth
// is 0 for the menu bar's menus, 1 for their items and so on; an item's parent is the
// nearest item above it one level up. An empty key: the click only opens the submenu.
#define KV_MAIN_MENU(KV_ITEM, KV_SEP) \
  KV_ITEM(0, Configuration1, "Configuration", Shown, "") \
  KV_ITEM(1, BasicInfo1, "Basic Information", Shown, "G1") \
  KV_ITEM(1, MIBCapabilities1, "MIB Capabilities", Shown, "G2") \
  KV_ITEM(1, IPConfig1, "IP Configuration", Hidden, "") \
  KV_ITEM(1, Trap1, "Trap Receiver", Hidden, "") \
  KV_ITEM(1, BasicConfigure1, "Upload/Download File Configuration", Hidden, "") \
  KV_ITEM(1, Menu_ACLManagement, "ACL Management", ShownAtStartUp, "") \
  KV_ITEM(2, EthernetMaskInformation1, "Ethernet Mask Information", Shown, "F14") \
  KV_ITEM(2, EthernetInformationRule1, "Ethernet Information Rule", Shown, "F15") \
  KV_ITEM(2, IPMaskInformation1, "IP Mask Information", Shown, "F16") \
  KV_ITEM(2, IPRule1, "IP Rule", Shown, "F17") \
  KV_ITEM(2, PayloadMaskInformation1, "Payload Mask Information", Shown, "F18") \
  KV_ITEM(2, PayloadRule1, "Payload Rule", Shown, "F19") \
  KV_SEP(1, Shown) \
  KV_ITEM(1, IFMIB1, "IF-MIB", Shown, "") \
  KV_ITEM(2, GeneralTable1, "General Table", Shown, "F4") \
  KV_ITEM(2, IFXTable1, "IfX Table", Shown, "F5") \
  KV_ITEM(2, IfStackTable1, "IfStack Table", Hidden, "") \
  KV_ITEM(1, Entity1, "Entity", Hidden, "") \
  KV_ITEM(2, PhysicalTable1, "Physical Table", Shown, "M17") \
  KV_ITEM(2, LogicalTable1, "Logical Table", Shown, "M18") \
  KV_ITEM(2, Mapping1, "Mapping", Shown, "") \
  KV_ITEM(1, Menu_LAG, "LAG-MIB", ShownAtStartUp, "") \
  KV_ITEM(2, AggregationPortTable1, "Aggregation Port Table", Shown, "G40") \
  KV_SEP(1, Shown) \
  KV_ITEM(1, dot3Statistics1, "dot3 Statistics", Shown, "F6") \
  KV_SEP(1, Shown) \
  KV_ITEM(1, SaveChanges1, "Save Changes", Shown, "D1") \
  KV_ITEM(1, Reset2, "Reboot", Shown, "D2") \
  KV_ITEM(1, ConfigurationSnapshot1, "Configuration snapshot...", Shown, "F20") \
  KV_ITEM(1, ChangeJournal1, "Change journal...", Shown, "F21") \
  KV_ITEM(1, UndoLastChange1, "Undo last change", Shown, "F22") \
  KV_ITEM(0, SingleIPConfiguration1, "SIM", Shown, "") \
  KV_ITEM(1, SingleIPInformation1, "Single IP Information", Shown, "G48") \
  KV_ITEM(1, SingleIPControl1, "Single IP Control", Shown, "G49") \
  KV_ITEM(1, SingleIPMSTable1, "Single IP MS Table", Shown, "G50") \
  KV_ITEM(1, SingleIPCaSTable1, "Single IP CaS Table", Shown, "G51") \
  KV_ITEM(1, SingleIPGroupTable1, "Single IP Group Table", Shown, "G52") \
  KV_ITEM(1, SingleIPNeighborsTable1, "Single IP Neighbors Table", Shown, "G54") \
  KV_ITEM(0, MIBII1, "MIB II", Shown, "") \
  KV_ITEM(1, Information3, "Information", Shown, "M1") \
  KV_SEP(1, Shown) \
  KV_ITEM(1, IfTable1, "IF Table", Shown, "M2") \
  KV_ITEM(1, IFCounter1, "IF Counters", Shown, "M3") \
  KV_SEP(1, Shown) \
  KV_ITEM(1, IPCounters1, "IP Counters", Shown, "M4") \
  KV_ITEM(1, IPRouting1, "IP Routing", Shown, "M5") \
  KV_ITEM(1, IPAddressTable1, "IP Address Table", Shown, "M6") \
  KV_SEP(1, Shown) \
  KV_ITEM(1, ICMPCounters1, "ICMP Counters", Shown, "M7") \
  KV_ITEM(1, UDPCounters1, "UDP Counters", Shown, "M8") \
  KV_ITEM(1, SNMPCounters1, "SNMP Counters", Shown, "M9") \
  KV_ITEM(0, Bridge1, "Bridge", Shown, "") \
  KV_ITEM(1, N8021d1, "802.1d ", Shown, "") \
  KV_ITEM(2, Information1, "Information", Shown, "M10") \
  KV_ITEM(2, PortTable1, "Port Table", Shown, "M11") \
  KV_ITEM(1, SpaningTree1, "Spanning Tree", Shown, "") \
  KV_ITEM(2, Information2, "Information", Shown, "F7") \
  KV_ITEM(2, PortTable2, "Port Table", Shown, "G23") \
  KV_ITEM(1, TransparentBridge1, "Transparent Bridge", Shown, "") \
  KV_ITEM(2, ForwardingTable1, "Forwarding Table", Shown, "M13") \
  KV_ITEM(2, StaticTable1, "Static Table", Hidden, "") \
  KV_ITEM(2, PortCounters1, "Port Counters", Shown, "M14") \
  KV_ITEM(0, VLAN1, "VLAN", Shown, "") \
  KV_ITEM(1, N8021P1, "802.1P", Shown, "") \
  KV_ITEM(2, BasicConfigure2, "Basic Information", Shown, "F8") \
  KV_ITEM(2, PriorityInformation1, "Priority Information", Shown, "F9") \
  KV_ITEM(2, GMRP1, "GMRP", Hidden, "M19") \
  KV_ITEM(2, GVRP1, "GARP", Hidden, "M20") \
  KV_ITEM(2, PortCapbility1, "Port Capability", Shown, "M21") \
  KV_ITEM(1, N8021Q1, "802.1Q", Shown, "") \
  KV_ITEM(2, N8021QBridge1, "802.1Q Bridge", Shown, "") \
  KV_ITEM(3, BasicConfigure, "Basic Configure", Shown, "F10") \
  KV_ITEM(3, PortsInfo1, "Ports Information", Shown, "F11") \
  KV_ITEM(2, N8021QVLAN1, "Forwarding/Filtering", Shown, "M22") \
  KV_ITEM(2, StaticVLANEntry1, "802.1Q VLAN ", Shown, "M23") \
  KV_ITEM(2, UnicastMulticastStaticFilterTable1, "Unicast/Multicast Static Filtering ", Shown, "M24") \
  KV_ITEM(0, Menu_RMON, "RMON", Shown, "") \
  KV_ITEM(1, Statistics1, "Statistics", Shown, "M25") \
  KV_ITEM(1, History1, "History", Shown, "F12") \
  KV_ITEM(1, AlarmEvent1, "Alarm/Event", Shown, "S2") \
  KV_ITEM(0, VACM1, "SNMP V3", Shown, "") \
  KV_ITEM(1, snmpEngine1, "SNMP Engine", Shown, "G26") \
  KV_ITEM(1, MessageProcessingandDispatching1, "Message Processing and Dispatching", Shown, "G27") \
  KV_ITEM(1, SNMPTargetMIB1, "SNMP Target MIB", Shown, "") \
  KV_ITEM(2, GeneralInformation1, "General Information", Shown, "G55") \
  KV_ITEM(2, TargetAddressTable1, "Target Address Table", Shown, "G56") \
  KV_ITEM(2, TargetParameters1, "Target Parameters", Shown, "G57") \
  KV_ITEM(1, UserbasedSecurityModel1, "User-based Security Model", Shown, "") \
  KV_ITEM(2, Statistics2, "Statistics", Shown, "G58") \
  KV_ITEM(2, UserTable1, "User Table", Shown, "P2") \
  KV_ITEM(1, ViewBaseAccessControlMode1, "View-base Access Control Mode", Shown, "") \
  KV_ITEM(2, SecurityGroupTable1, "Security Group Table", Shown, "G60") \
  KV_ITEM(2, AccessTable1, "Access Table", Shown, "G61") \
  KV_ITEM(2, ViewMIBTreeFamilyTable1, "View MIB Tree Family Table", Shown, "P3") \
  KV_ITEM(1, Notifications1, "Notifications", Shown, "") \
  KV_ITEM(2, NotifyTable1, "Notify Table", Shown, "G64") \
  KV_ITEM(2, NotifyFilterProfileTable1, "Notify Filter Profile Table", Shown, "G65") \
  KV_ITEM(2, NotifyFilterEntryTable1, "Notify Filter Entry Table", Shown, "G66") \
  KV_ITEM(1, Community1, "Community", Shown, "") \
  KV_ITEM(2, CommunityStringTable1, "Community String Table", Shown, "G67") \
  KV_ITEM(2, TargetAddressTable2, "Target Address Table", Shown, "G68") \
  KV_ITEM(0, N8021X1, "802.1X", Shown, "") \
  KV_ITEM(1, Configuration2, "Configuration", Shown, "G18") \
  KV_ITEM(1, PortTable3, "Port Table", Shown, "G19") \
  KV_ITEM(1, PortConfiguration1, "Port Configuration", Shown, "G20") \
  KV_ITEM(1, PortStatistics1, "Port Statistics", Shown, "G21") \
  KV_ITEM(1, PortDiagnostics1, "Port Diagnostics", Shown, "G22") \
  KV_ITEM(1, PortSessionStatistics1, "Port Session Statistics", Shown, "S1") \
  KV_SEP(1, Shown) \
  KV_ITEM(1, RadiusServerConfiguration1, "Radius Server Configuration", Shown, "G15") \
  KV_ITEM(1, RadiusAccountingTable1, "Radius Accounting Table", Shown, "G16") \
  KV_ITEM(1, RadiusServerInformation1, "Radius Server Information", Shown, "G17") \
  KV_ITEM(1, MacBase1, "Mac Base ", Shown, "P1") \
  KV_ITEM(0, Menu_SSH, "SSH", ShownAtStartUp, "") \
  KV_ITEM(1, SSHManagement1, "SSH Management", Shown, "G34") \
  KV_ITEM(1, EncryptionAlgorithmControl1, "Encryption Algorithm Control", Shown, "G35") \
  KV_ITEM(1, AuthenticationMethodControl1, "Authentication Method Control", Shown, "G36") \
  KV_ITEM(1, AlgorithmControl1, "Algorithm Control", Shown, "G37") \
  KV_ITEM(1, KeyExchangeControl1, "Key Exchange Control", Shown, "G38") \
  KV_ITEM(0, SSL1, "SSL", Shown, "") \
  KV_ITEM(1, SSLManagement1, "SSL Management", Shown, "G41") \
  KV_ITEM(1, SSLCertificate1, "SSL CertificateFile ", Shown, "G42") \
  KV_ITEM(0, Menu_AAC, "AAC", ShownAtStartUp, "") \
  KV_ITEM(1, AuthenticationControl1, "Authentication Control", Shown, "G28") \
  KV_ITEM(1, AACInformation1, "AAC Information Table", Shown, "G29") \
  KV_ITEM(1, AuthenticationMethodTable1, "Authentication Method Table", Shown, "G30") \
  KV_ITEM(1, AACServerGroupTable1, "AAC Server Group Table", Shown, "G31") \
  KV_ITEM(1, AACServerInformation1, "AAC Server Information", Shown, "G32") \
  KV_ITEM(0, Layer2Management2, "Advanced Configuration", Shown, "") \
  KV_ITEM(1, DeviceManagement1, "Device Management", Shown, "") \
  KV_ITEM(2, DeviceInformation1, "Device Information", Shown, "G3") \
  KV_ITEM(2, DeviceControl1, "Device Control", Shown, "G4") \
  KV_ITEM(2, AlarmControl1, "Alarm Control", Shown, "G5") \
  KV_ITEM(2, CPUUtilization1, "CPU Utilization", Shown, "G47") \
  KV_ITEM(2, PingTest1, "Ping Test", Shown, "G53") \
  KV_ITEM(1, PortManagement1, "Port Management", Shown, "") \
  KV_ITEM(2, PortInformation1, "Port Information Table", Shown, "G6") \
  KV_ITEM(2, PortControl1, "Port Control Table", Shown, "F1") \
  KV_ITEM(2, PortLockManagement1, "Port Security Table", Shown, "G7") \
  KV_ITEM(2, PortBandwidthTable1, "Port Bandwidth Table", Shown, "G14") \
  KV_ITEM(2, PortTrunk1, "Port Trunk Table", Shown, "F2") \
  KV_ITEM(2, PortMirror1, "Port Mirror Table", Shown, "F3") \
  KV_ITEM(1, BandWidthManagement1, "Bandwidth Management", Hidden, "") \
  KV_ITEM(2, IngrPortBwControl1, "Ingress Port Bandwidth", Shown, "") \
  KV_ITEM(2, EgressPortBwControl1, "Egress Port Bandwidth", Shown, "") \
  KV_SEP(1, Shown) \
  KV_ITEM(1, IGMPControlTable1, "IGMP Control Table", Shown, "G8") \
  KV_ITEM(1, IGMPQuery1, "IGMP Query Information", Shown, "G9") \
  KV_ITEM(1, IGMPInformation1, "IGMP Information ", Shown, "G10") \
  KV_SEP(1, Shown) \
  KV_ITEM(1, TrafficControlTable1, "Traffic Control Table", Shown, "G11") \
  KV_ITEM(1, TrafficSegmentationTable1, "Traffic Segmentation Table ", Shown, "G12") \
  KV_ITEM(1, CosManagement1, "Class of Service", Hidden, "") \
  KV_ITEM(1, DiffServSetting1, "DiffServ Settings", Hidden, "") \
  KV_SEP(1, Hidden) \
  KV_ITEM(1, SecurityManagement1, "Security Management", Hidden, "") \
  KV_SEP(2, Shown) \
  KV_ITEM(2, PAESystemConfiguration1, "Configure PAE System Control", Shown, "") \
  KV_ITEM(2, ConfigureAuthen1, "Configure Authenticator", Shown, "") \
  KV_SEP(2, Shown) \
  KV_ITEM(2, SSHSettings1, "SSH Settings", Shown, "") \
  KV_ITEM(2, SSHAlgorithmsConfiguration1, "SSH Algorithms Configuration", Shown, "") \
  KV_SEP(2, Shown) \
  KV_ITEM(2, AccessAuthenticationControl1, "Access Authentication Control", Shown, "") \
  KV_ITEM(2, AuthenticationMethodsTable1, "Authentication Method Table", Shown, "") \
  KV_ITEM(2, AuthenticationServersTable1, "Authentication Server Table", Shown, "") \
  KV_ITEM(2, AuthenticationServerInformationTable1, "Server Information Table", Shown, "") \
  KV_SEP(2, Shown) \
  KV_ITEM(2, Radius1, "Radius Server Information", Shown, "") \
  KV_ITEM(0, Help1, "Help", Shown, "") \
  KV_ITEM(1, Help2, "Help", Shown, "D3") \
  KV_ITEM(1, About1, "About", Shown, "D4")

// How an item shows when the main window is first laid out. ShownAtStartUp items are
// hidden until the start-up completion makes them visible.
enum class KvMenuVisibility : unsigned char { Shown, Hidden, ShownAtStartUp };

struct KvMenuItemDef {
  int Depth;
  const char *Name;     // empty for a separator
  const char *Caption;  // "-" for a separator
  KvMenuVisibility Visibility;
  const char *Key;      // the entry it runs; empty: none
  bool IsSeparator() const { return Name[0] == '\0'; }
};

std::span<const KvMenuItemDef> MainMenuTree();
// The item with that name, or null.
const KvMenuItemDef *FindMenuItem(const std::string &name);
// The anchor of the help page's section for the menu that holds `item`: "menu-" and the
// top menu's caption in lower case without blanks or dots ("menu-advancedconfiguration").
std::string HelpAnchorOf(const KvMenuItemDef &item);
// The help page beside the program: this title and ".html".
inline constexpr const char *kHelpPageTitle = "2416X h & m orvix 5";

std::span<const KvMenuEntry> MenuEntries();
// The entry with that key, or null.
const KvMenuEntry *FindMenuEntry(const std::string &key);
