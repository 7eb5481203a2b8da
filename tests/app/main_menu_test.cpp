// The main menu's data: the tree against the menu as the user sees it (captions, item
// names, order, separators, visibility, the entry each item runs), the menu bar built
// from it, and the entry table against the catalogue it points into.

#include "kv_mib_catalogue.h"
#include "kv_option_list.h"
#include "kv_snmp_var_list.h"
#include "main_menu.h"
#include "main_menu_bar.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The menu, one item a line: indentation of two blanks per level, the caption in
// quotes (trailing blanks included), the item name, "-> key" when it runs an entry,
// "(hidden)" when it is not visible.
const char *const kOutline = R"(
"Configuration" Configuration1
  "Basic Information" BasicInfo1 -> G1
  "MIB Capabilities" MIBCapabilities1 -> G2
  "IP Configuration" IPConfig1 (hidden)
  "Trap Receiver" Trap1 (hidden)
  "Upload/Download File Configuration" BasicConfigure1 (hidden)
  "ACL Management" Menu_ACLManagement
    "Ethernet Mask Information" EthernetMaskInformation1 -> F14
    "Ethernet Information Rule" EthernetInformationRule1 -> F15
    "IP Mask Information" IPMaskInformation1 -> F16
    "IP Rule" IPRule1 -> F17
    "Payload Mask Information" PayloadMaskInformation1 -> F18
    "Payload Rule" PayloadRule1 -> F19
  "-"
  "IF-MIB" IFMIB1
    "General Table" GeneralTable1 -> F4
    "IfX Table" IFXTable1 -> F5
    "IfStack Table" IfStackTable1 (hidden)
  "Entity" Entity1 (hidden)
    "Physical Table" PhysicalTable1 -> M17
    "Logical Table" LogicalTable1 -> M18
    "Mapping" Mapping1
  "LAG-MIB" Menu_LAG
    "Aggregation Port Table" AggregationPortTable1 -> G40
  "-"
  "dot3 Statistics" dot3Statistics1 -> F6
  "-"
  "Save Changes" SaveChanges1 -> D1
  "Reboot" Reset2 -> D2
  "Configuration snapshot..." ConfigurationSnapshot1 -> F20
  "Change journal..." ChangeJournal1 -> F21
  "Undo last change" UndoLastChange1 -> F22
"SIM" SingleIPConfiguration1
  "Single IP Information" SingleIPInformation1 -> G48
  "Single IP Control" SingleIPControl1 -> G49
  "Single IP MS Table" SingleIPMSTable1 -> G50
  "Single IP CaS Table" SingleIPCaSTable1 -> G51
  "Single IP Group Table" SingleIPGroupTable1 -> G52
  "Single IP Neighbors Table" SingleIPNeighborsTable1 -> G54
"MIB II" MIBII1
  "Information" Information3 -> M1
  "-"
  "IF Table" IfTable1 -> M2
  "IF Counters" IFCounter1 -> M3
  "-"
  "IP Counters" IPCounters1 -> M4
  "IP Routing" IPRouting1 -> M5
  "IP Address Table" IPAddressTable1 -> M6
  "-"
  "ICMP Counters" ICMPCounters1 -> M7
  "UDP Counters" UDPCounters1 -> M8
  "SNMP Counters" SNMPCounters1 -> M9
"Bridge" Bridge1
  "802.1d " N8021d1
    "Information" Information1 -> M10
    "Port Table" PortTable1 -> M11
  "Spanning Tree" SpaningTree1
    "Information" Information2 -> F7
    "Port Table" PortTable2 -> G23
  "Transparent Bridge" TransparentBridge1
    "Forwarding Table" ForwardingTable1 -> M13
    "Static Table" StaticTable1 (hidden)
    "Port Counters" PortCounters1 -> M14
"VLAN" VLAN1
  "802.1P" N8021P1
    "Basic Information" BasicConfigure2 -> F8
    "Priority Information" PriorityInformation1 -> F9
    "GMRP" GMRP1 -> M19 (hidden)
    "GARP" GVRP1 -> M20 (hidden)
    "Port Capability" PortCapbility1 -> M21
  "802.1Q" N8021Q1
    "802.1Q Bridge" N8021QBridge1
      "Basic Configure" BasicConfigure -> F10
      "Ports Information" PortsInfo1 -> F11
    "Forwarding/Filtering" N8021QVLAN1 -> M22
    "802.1Q VLAN " StaticVLANEntry1 -> M23
    "Unicast/Multicast Static Filtering " UnicastMulticastStaticFilterTable1 -> M24
"RMON" Menu_RMON
  "Statistics" Statistics1 -> M25
  "History" History1 -> F12
  "Alarm/Event" AlarmEvent1 -> S2
"SNMP V3" VACM1
  "SNMP Engine" snmpEngine1 -> G26
  "Message Processing and Dispatching" MessageProcessingandDispatching1 -> G27
  "SNMP Target MIB" SNMPTargetMIB1
    "General Information" GeneralInformation1 -> G55
    "Target Address Table" TargetAddressTable1 -> G56
    "Target Parameters" TargetParameters1 -> G57
  "User-based Security Model" UserbasedSecurityModel1
    "Statistics" Statistics2 -> G58
    "User Table" UserTable1 -> P2
  "View-base Access Control Mode" ViewBaseAccessControlMode1
    "Security Group Table" SecurityGroupTable1 -> G60
    "Access Table" AccessTable1 -> G61
    "View MIB Tree Family Table" ViewMIBTreeFamilyTable1 -> P3
  "Notifications" Notifications1
    "Notify Table" NotifyTable1 -> G64
    "Notify Filter Profile Table" NotifyFilterProfileTable1 -> G65
    "Notify Filter Entry Table" NotifyFilterEntryTable1 -> G66
  "Community" Community1
    "Community String Table" CommunityStringTable1 -> G67
    "Target Address Table" TargetAddressTable2 -> G68
"802.1X" N8021X1
  "Configuration" Configuration2 -> G18
  "Port Table" PortTable3 -> G19
  "Port Configuration" PortConfiguration1 -> G20
  "Port Statistics" PortStatistics1 -> G21
  "Port Diagnostics" PortDiagnostics1 -> G22
  "Port Session Statistics" PortSessionStatistics1 -> S1
  "-"
  "Radius Server Configuration" RadiusServerConfiguration1 -> G15
  "Radius Accounting Table" RadiusAccountingTable1 -> G16
  "Radius Server Information" RadiusServerInformation1 -> G17
  "Mac Base " MacBase1 -> P1
"SSH" Menu_SSH
  "SSH Management" SSHManagement1 -> G34
  "Encryption Algorithm Control" EncryptionAlgorithmControl1 -> G35
  "Authentication Method Control" AuthenticationMethodControl1 -> G36
  "Algorithm Control" AlgorithmControl1 -> G37
  "Key Exchange Control" KeyExchangeControl1 -> G38
"SSL" SSL1
  "SSL Management" SSLManagement1 -> G41
  "SSL CertificateFile " SSLCertificate1 -> G42
"AAC" Menu_AAC
  "Authentication Control" AuthenticationControl1 -> G28
  "AAC Information Table" AACInformation1 -> G29
  "Authentication Method Table" AuthenticationMethodTable1 -> G30
  "AAC Server Group Table" AACServerGroupTable1 -> G31
  "AAC Server Information" AACServerInformation1 -> G32
"Advanced Configuration" Layer2Management2
  "Device Management" DeviceManagement1
    "Device Information" DeviceInformation1 -> G3
    "Device Control" DeviceControl1 -> G4
    "Alarm Control" AlarmControl1 -> G5
    "CPU Utilization" CPUUtilization1 -> G47
    "Ping Test" PingTest1 -> G53
  "Port Management" PortManagement1
    "Port Information Table" PortInformation1 -> G6
    "Port Control Table" PortControl1 -> F1
    "Port Security Table" PortLockManagement1 -> G7
    "Port Bandwidth Table" PortBandwidthTable1 -> G14
    "Port Trunk Table" PortTrunk1 -> F2
    "Port Mirror Table" PortMirror1 -> F3
  "Bandwidth Management" BandWidthManagement1 (hidden)
    "Ingress Port Bandwidth" IngrPortBwControl1
    "Egress Port Bandwidth" EgressPortBwControl1
  "-"
  "IGMP Control Table" IGMPControlTable1 -> G8
  "IGMP Query Information" IGMPQuery1 -> G9
  "IGMP Information " IGMPInformation1 -> G10
  "-"
  "Traffic Control Table" TrafficControlTable1 -> G11
  "Traffic Segmentation Table " TrafficSegmentationTable1 -> G12
  "Class of Service" CosManagement1 (hidden)
  "DiffServ Settings" DiffServSetting1 (hidden)
  "-" (hidden)
  "Security Management" SecurityManagement1 (hidden)
    "-"
    "Configure PAE System Control" PAESystemConfiguration1
    "Configure Authenticator" ConfigureAuthen1
    "-"
    "SSH Settings" SSHSettings1
    "SSH Algorithms Configuration" SSHAlgorithmsConfiguration1
    "-"
    "Access Authentication Control" AccessAuthenticationControl1
    "Authentication Method Table" AuthenticationMethodsTable1
    "Authentication Server Table" AuthenticationServersTable1
    "Server Information Table" AuthenticationServerInformationTable1
    "-"
    "Radius Server Information" Radius1
"Help" Help1
  "Help" Help2 -> D3
  "About" About1 -> D4
)";

struct OutlineItem {
  int Depth;
  std::string Caption, Name, Key;
  bool Visible;
};

std::vector<OutlineItem> ParseOutline() {
  std::vector<OutlineItem> items;
  const std::regex line(R"(^( *)\"(.*)\"(?: (\w+))?(?: -> (\w+))?( \(hidden\))?$)");
  std::istringstream in(kOutline);
  for (std::string text; std::getline(in, text);) {
    if (text.empty()) continue;
    std::smatch m;
    EXPECT_TRUE(std::regex_match(text, m, line)) << text;
    items.push_back({static_cast<int>(m[1].length()) / 2, m[2], m[3], m[4], !m[5].matched});
  }
  return items;
}

// The menus that start-up makes visible; until then they are hidden.
const std::set<std::string> kShownAtStartUp = {"Menu_ACLManagement", "Menu_AAC", "Menu_SSH", "Menu_LAG"};

TEST(MainMenuTree, FollowsTheMenuItemByItemAndTheBarIsBuiltFromIt) {
  const std::vector<OutlineItem> outline = ParseOutline();
  const auto tree = MainMenuTree();
  ASSERT_EQ(tree.size(), outline.size());
  for (size_t i = 0; i < tree.size(); ++i) {
    const OutlineItem &want = outline[i];
    const KvMenuItemDef &got = tree[i];
    SCOPED_TRACE("item " + std::to_string(i) + " \"" + want.Caption + "\"");
    EXPECT_EQ(got.Depth, want.Depth);
    EXPECT_EQ(got.Caption, want.Caption);
    EXPECT_EQ(got.Name, want.Name);
    EXPECT_EQ(got.Key, want.Key);
    const auto visibility = !want.Visible                       ? KvMenuVisibility::Hidden
                            : kShownAtStartUp.count(want.Name) ? KvMenuVisibility::ShownAtStartUp
                                                                : KvMenuVisibility::Shown;
    EXPECT_EQ(got.Visibility, visibility);
  }

  // The bar: walking its menus meets the same items in the same order.
  QMenuBar bar;
  const std::vector<QAction *> actions = BuildMainMenuBar(&bar, tree);
  ASSERT_EQ(actions.size(), tree.size());
  std::vector<std::pair<int, QAction *>> walked;
  std::function<void(const QList<QAction *> &, int)> walk = [&](const QList<QAction *> &list, int depth) {
    for (QAction *a : list) {
      walked.emplace_back(depth, a);
      if (a->menu()) walk(a->menu()->actions(), depth + 1);
    }
  };
  walk(bar.actions(), 0);
  ASSERT_EQ(walked.size(), outline.size());
  for (size_t i = 0; i < outline.size(); ++i) {
    const OutlineItem &want = outline[i];
    QAction *a = walked[i].second;
    SCOPED_TRACE("bar item " + std::to_string(i) + " \"" + want.Caption + "\"");
    EXPECT_EQ(a, actions[i]);
    EXPECT_EQ(walked[i].first, want.Depth);
    EXPECT_EQ(a->isSeparator(), want.Caption == "-" && want.Name.empty());
    if (!a->isSeparator()) {
      EXPECT_EQ(a->text().toStdString(), want.Caption);
    }
    EXPECT_EQ(a->objectName().toStdString(), want.Name);
    EXPECT_EQ(a->isVisible(), want.Visible && !kShownAtStartUp.count(want.Name));
    const bool parent = i + 1 < outline.size() && outline[i + 1].Depth > want.Depth;
    EXPECT_EQ(a->menu() != nullptr, parent);
  }
}

// The row's option list offers that label.
bool Offers(const KvSNMPVarDef &def, const char *label) {
  return def.Options && def.Options->IndexOfLabel(label) >= 0;
}

const KvMibTable *TableOf(const KvSNMPVarDef *defs) {
  for (const KvMibSet *set : MibSets())
    for (const KvMibTable &table : set->Tables)
      if (table.Defs == defs) return &table;
  return nullptr;
}

// A window's list as the entry builds it: the catalogue knows the table under the same
// item type and key count, and a RowStatus column offers "createAndGo" and "destroy".
void ExpectWindowList(const std::string &where, const KvSNMPVarDef *defs, unsigned char type, int keys,
                      int rowStatus) {
  SCOPED_TRACE(where);
  const KvMibTable *table = TableOf(defs);
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(table->ItemType, type) << table->Name;
  EXPECT_EQ(table->KeyCount, keys) << table->Name;
  EXPECT_LE(keys, table->Count);
  if (rowStatus >= 0) {
    ASSERT_LT(rowStatus, table->Count);
    EXPECT_TRUE(Offers(defs[rowStatus], "createAndGo") && Offers(defs[rowStatus], "destroy"))
        << defs[rowStatus].Name;
  }
}

TEST(MainMenuEntries, EveryKeyRunsOneEntryAndEveryListMatchesTheCatalogue) {
  std::map<std::string, int> reached;
  for (const KvMenuItemDef &item : MainMenuTree())
    if (item.Key[0]) {
      EXPECT_NE(FindMenuEntry(item.Key), nullptr) << item.Name << " runs " << item.Key;
      ++reached[item.Key];
    }
  std::set<std::string> keys;
  for (const KvMenuEntry &e : MenuEntries()) {
    EXPECT_TRUE(keys.insert(e.Key).second) << "twice: " << e.Key;
    EXPECT_EQ(reached[e.Key], 1) << e.Key << " is not run by exactly one item";
    ASSERT_NE(e.Title, nullptr) << e.Key;
    const char letter = e.Key[0];
    switch (e.Kind) {
    case KvEntryKind::Generic:
    case KvEntryKind::Special:
      EXPECT_TRUE(letter == 'G' || letter == 'S') << e.Key;
      if (e.Defs) ExpectWindowList(e.Key, e.Defs, e.ItemType, e.KeyCount, e.RowStatus);
      break;
    case KvEntryKind::Pages:
      EXPECT_EQ(letter, 'P');
      for (const KvPageDef &page : e.Pages)
        ExpectWindowList(std::string(e.Key) + " " + page.Caption, page.Defs, page.ItemType, page.KeyCount,
                         page.RowStatus);
      break;
    case KvEntryKind::Module:
      EXPECT_EQ(letter, 'M');
      EXPECT_TRUE(std::regex_match(e.Title, std::regex("/T[A-Za-z]+_[A-Za-z0-9]+"))) << e.Title;
      break;
    case KvEntryKind::Device:
      ASSERT_NE(e.Defs, nullptr);
      EXPECT_NE(e.Defs[0].Options->IndexOfValue(e.Value), -1) << e.Key;
      EXPECT_EQ(e.Timeout, 500);
      break;
    default: EXPECT_TRUE(letter == 'D' || letter == 'F') << e.Key;
    }
  }

  // The rows that entries name by position carry the names they are meant for.
  const KvMenuEntry *control = FindMenuEntry("G49");
  ASSERT_TRUE(control && control->RangeCheck);
  EXPECT_STREQ(control->Defs[control->RangeCheck->Row].Name, control->RangeCheck->Name);
  const KvMenuEntry *community = FindMenuEntry("G67");
  ASSERT_TRUE(community && (community->Extras & EntryExtra::CommunityHooks));
  EXPECT_STREQ(community->Defs[1].Name, "snmpCommunityName");
  EXPECT_STREQ(community->Defs[2].Name, "snmpCommunitySecurityName");
  EXPECT_STREQ(community->Defs[6].Name, "snmpCommunityStorageType");
  EXPECT_TRUE(Offers(community->Defs[6], "nonVolatile"));
  // The device actions write "set" and "cold-start".
  EXPECT_EQ(FindMenuEntry("D1")->Defs[0].Options->ValueToLabel(FindMenuEntry("D1")->Value), "set");
  EXPECT_EQ(FindMenuEntry("D2")->Defs[0].Options->ValueToLabel(FindMenuEntry("D2")->Value), "cold-start");
}

}  // namespace
