// The catalogue's contents: option lists per set, spot checks of values that are easy to
// get wrong, and the text form that the catalogue-dump tool prints.

#include "kv_mib_aac_set.h"
#include "kv_mib_acl_set.h"
#include "kv_mib_core_set.h"
#include "kv_mib_dot1x_set.h"
#include "kv_mib_dump.h"
#include "kv_mib_snmpv3_set.h"
#include "kv_mib_ssh_set.h"
#include "kv_option_list.h"
#include "kv_snmp_var_list.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {
using Counts = std::vector<std::pair<std::string, int>>;

const KvSNMPVarDef &Record(const KvSNMPVarDef *table, const std::string &name) {
  for (; table->Oid; ++table)
    if (name == table->Name) return *table;
  throw std::runtime_error("no record " + name);
}

std::string Label(const KvSNMPVarDef *table, const std::string &name, int value) {
  return Record(table, name).Options->ValueToLabel(std::to_string(value));
}

int OptionListCount(const KvMibSet &set) {
  std::set<const KvOptionList *> lists;
  for (const KvMibTable &table : set.Tables)
    for (int i = 0; i < table.Count; ++i)
      if (table.Defs[i].Options) lists.insert(table.Defs[i].Options);
  return static_cast<int>(lists.size());
}
}  // namespace

TEST(CatalogueDump, ListsEveryTableOnceInStartUpOrderWithItsRecordsThenTheLedMaps) {
  std::ostringstream out;
  DumpCatalogue(out);
  // The heading lines (not indented) give a name and a count; the indented lines under
  // each are its records or colour pairs.
  Counts printed, counted;
  std::istringstream lines(out.str());
  for (std::string line; std::getline(lines, line);) {
    ASSERT_FALSE(line.empty());
    if (line[0] != ' ') {
      const size_t blank = line.rfind(' ');
      ASSERT_NE(blank, std::string::npos) << line;
      printed.emplace_back(line.substr(0, blank), std::stoi(line.substr(blank + 1)));
      counted.emplace_back(line.substr(0, blank), 0);
    } else {
      ASSERT_FALSE(counted.empty()) << line;
      ++counted.back().second;
    }
  }
  EXPECT_EQ(printed, counted);
  Counts expected;
  std::set<std::string> sets;
  for (const KvMibSet *set : MibSets()) {
    EXPECT_TRUE(sets.insert(set->Name).second) << "set " << set->Name << " twice";
    for (const KvMibTable &table : set->Tables) expected.emplace_back(table.Name, table.Count);
  }
  expected.emplace_back("PortLedColors", PortLedColors.GetCount());
  expected.emplace_back("ActivityLedColors", ActivityLedColors.GetCount());
  EXPECT_EQ(printed, expected);
}

TEST(CatalogueContents, SetsOwnOneOptionListPerEnumeratedRecord) {
  const std::map<std::string, int> expected = {
      {"ACL", 29}, {"AAC", 7},         {"SSH", 11},   {"LAG", 1},       {"SSL", 3},      {"SIM", 4},
      {"SNMPv3", 26}, {"mib2", 7}, {"bridge-std", 5}, {"entity", 2}, {"vlan-std", 10}, {"rmon-std", 6}};
  for (const KvMibSet *set : MibSets()) {
    if (expected.count(set->Name)) {
      EXPECT_EQ(OptionListCount(*set), expected.at(set->Name)) << set->Name;
    }
  }
}

TEST(CatalogueContents, OptionSetsThatDoNotStartAtOneAreLookedUpByValue) {
  EXPECT_EQ(Label(DevCtrlDefs, "HOL State", 2), "disable");
  EXPECT_EQ(Label(DevCtrlDefs, "HOL State", 1), "1");
  EXPECT_EQ(Label(RadiusConfigDefs, "authProtocol", 4), "authProtocolRadiusEap");
  EXPECT_EQ(Label(Dot1xPortConfigDefs, "Administrative Controlled Directions", 0), "both");
  EXPECT_EQ(Label(Dot1xPortConfigDefs, "Operational Controlled Directions", 1), "in");
  EXPECT_EQ(Label(StpPortDefs, "Point To Point", 2), "Auto");
  EXPECT_EQ(Label(AacCtrlDefs, "swAACAuthenAdminState", 3), "enabled");
  EXPECT_EQ(Label(AacMethodListDefs, "swAACMethodType", 0), "invalid-type");
  EXPECT_EQ(Label(AacMethodListDefs, "swAACMethodType", 303), "method-none-ppp");
  EXPECT_EQ(Label(AacMethodListDefs, "swAACMethodType", 1303), "method-if-needed-ppp");
  EXPECT_EQ(Label(AacMethodListDefs, "swAACMethodType", 1003), "1003");
  EXPECT_EQ(Record(AacMethodListDefs, "swAACMethodType").Options->GetCount(), 31);
  EXPECT_EQ(Label(SshMgmtDefs, "swSSHSessionKeyRekeying", 30), "thirty-min");
  EXPECT_EQ(Label(PingTestDefs, "agentPingTestControl", 0), "stop");
  EXPECT_EQ(Label(PingTestDefs, "agentPingTestStatus", 1), "proceeding");
  EXPECT_EQ(Record(AacServerGroupDefs, "swAACServerGroupRowStatus").Options->LabelToValue("destroy"), "6");
  // A value outside the set stays as it is; the catalogue adds nothing.
  EXPECT_EQ(Label(PortInfoDefs, "swL2PortInfoType", 10), "10");
  EXPECT_EQ(Label(PortCtrlDefs, "swL2PortCtrlNwayState", 7), "7");
  EXPECT_EQ(Label(PortCtrlDefs, "swL2PortCtrlNwayState", 8), "nway-disabled-1Gigabps-Full");
}

// The tables of the standard MIB views, as the views look them up: item type, key count,
// the position of the row status column (-1 when the rows are fixed) and the writable
// columns by name.
TEST(CatalogueContents, StandardViewTablesHaveTheirKeysStatusAndWritableColumns) {
  struct View {
    const char *Name;
    unsigned char ItemType;
    int Keys, Status;
    std::vector<std::string> Writable;
  };
  const std::vector<View> views = {
      {"MibSystemDefs", SVT_SV, 0, -1, {"Contact", "Name", "Location"}},
      {"MibIfTableDefs", MVT_FMV, 1, -1, {"AdminStatus"}},
      {"MibIfCountersDefs", MVT_FMV, 1, -1, {}},
      {"MibIpCountersDefs", SVT_SV, 0, -1, {"Forwarding", "DefaultTTL"}},
      {"MibIpRouteDefs", MVT_FMV, 1, -1, {}},
      {"MibIpAddrDefs", MVT_FMV, 1, -1, {}},
      {"MibIcmpDefs", SVT_SV, 0, -1, {}},
      {"MibUdpDefs", SVT_SV, 0, -1, {}},
      {"MibUdpTableDefs", MVT_FMV, 2, -1, {}},
      {"MibSnmpDefs", SVT_SV, 0, -1, {"EnableAuthenTraps"}},
      {"BridgeInfoDefs", SVT_SV, 0, -1, {"AgingTime"}},
      {"BridgeBasePortDefs", MVT_FMV, 1, -1, {}},
      {"BridgeStpDefs", SVT_SV, 0, -1, {"Priority", "BridgeMaxAge", "BridgeHelloTime", "BridgeForwardDelay"}},
      {"BridgeStpPortDefs", MVT_FMV, 1, -1, {"Priority", "Enable", "PathCost"}},
      {"BridgeTpFdbDefs", MVT_FMV, 1, -1, {}},
      {"BridgeTpPortDefs", MVT_FMV, 1, -1, {}},
      {"EntityPhysicalDefs", MVT_FMV, 1, -1, {"SerialNum", "Alias", "AssetID"}},
      {"EntityLogicalDefs", MVT_FMV, 1, -1, {}},
      {"VlanGmrpDefs", MVT_FMV, 1, -1, {"Status", "RestrictedGroupRegistration"}},
      {"VlanGarpDefs", MVT_FMV, 1, -1, {"JoinTime", "LeaveTime", "LeaveAllTime"}},
      {"VlanDeviceCapabilityDefs", SVT_SV, 0, -1, {}},
      {"VlanPortCapabilityDefs", MVT_FMV, 1, -1, {}},
      {"VlanQBaseDefs", SVT_SV, 0, -1, {}},
      {"VlanFdbDefs", MVT_FMV, 1, -1, {}},
      {"VlanTpFdbDefs", MVT_FMV, 2, -1, {}},
      {"VlanStaticDefs", MVT_UMV, 1, 5, {"Name", "EgressPorts", "ForbiddenEgressPorts", "UntaggedPorts", "RowStatus"}},
      {"VlanCurrentDefs", MVT_FMV, 2, -1, {}},
      {"VlanStaticUnicastDefs", MVT_FMV, 3, -1, {}},
      {"VlanStaticMulticastDefs", MVT_FMV, 3, -1, {}},
      {"RmonEtherStatsDefs", MVT_FMV, 1, -1, {}},
      {"RmonAlarmDefs", MVT_UMV, 1, 11,
       {"Interval", "Variable", "SampleType", "StartupAlarm", "RisingThreshold", "FallingThreshold",
        "RisingEventIndex", "FallingEventIndex", "Owner", "Status"}},
      {"RmonEventDefs", MVT_UMV, 1, 6, {"Description", "Type", "Community", "Owner", "Status"}},
  };
  for (const View &view : views) {
    const KvMibTable *table = FindMibTable(view.Name);
    ASSERT_NE(table, nullptr) << view.Name;
    EXPECT_EQ(table->ItemType, view.ItemType) << view.Name;
    EXPECT_EQ(table->KeyCount, view.Keys) << view.Name;
    std::vector<std::string> writable;
    for (int i = 0; i < table->Count; ++i)
      if (table->Defs[i].Access & Access::WriteOnly) writable.push_back(table->Defs[i].Name);
    EXPECT_EQ(writable, view.Writable) << view.Name;
    if (view.Status < 0) continue;
    // Creatable rows: RowStatus offers createAndWait, EntryStatus createRequest.
    const KvOptionList *status = table->Defs[view.Status].Options;
    ASSERT_NE(status, nullptr) << view.Name;
    EXPECT_TRUE(status->IndexOfLabel("createAndWait") >= 0 || status->IndexOfLabel("createRequest") >= 0)
        << view.Name;
  }
  // Enumerations of the standard MIBs, by value.
  EXPECT_EQ(Label(FindMibTable("MibIfTableDefs")->Defs, "AdminStatus", 3), "testing");
  EXPECT_EQ(Label(FindMibTable("MibIfTableDefs")->Defs, "OperStatus", 7), "lowerLayerDown");
  EXPECT_EQ(Label(FindMibTable("MibIfTableDefs")->Defs, "Type", 117), "gigabitEthernet");
  EXPECT_EQ(Label(FindMibTable("BridgeStpPortDefs")->Defs, "State", 5), "forwarding");
  EXPECT_EQ(Label(FindMibTable("EntityPhysicalDefs")->Defs, "Class", 10), "port");
  EXPECT_EQ(Label(FindMibTable("VlanStaticDefs")->Defs, "RowStatus", 5), "createAndWait");
  EXPECT_EQ(Label(FindMibTable("RmonAlarmDefs")->Defs, "Status", 2), "createRequest");
  EXPECT_EQ(Label(FindMibTable("VlanStaticUnicastDefs")->Defs, "Status", 5), "deleteOnTimeout");
}

TEST(CatalogueContents, LabelsKeepTheirTrailingBlanks) {
  EXPECT_STREQ(StpPortDefs[2].Name, "Status        ");
  EXPECT_STREQ(StpPortDefs[3].Name, "State  ");
  EXPECT_STREQ(Dot3StatsDefs[6].Name, "dot3StatsExcessiveCollisions ");
  KvSNMPVarList list(StpPortDefs, MVT_UMV, 1);
  ASSERT_NE(list.FindByName("state  "), nullptr);
  EXPECT_EQ(list.FindByName("state  ")->Oid, "1.3.6.1.2.1.17.2.15.1.4");
  EXPECT_EQ(list.FindByName("State"), nullptr);
}

TEST(CatalogueContents, RadiusServerTakesItsAccountingPortFromAnotherTable) {
  EXPECT_STREQ(RadiusServerDefs[0].Oid, "1.3.6.1.4.1.171.12.3.3.3.1.1");
  EXPECT_STREQ(RadiusServerDefs[2].Oid, "1.3.6.1.4.1.171.12.3.3.3.1.3");
  EXPECT_STREQ(RadiusServerDefs[3].Oid, "1.3.6.1.4.1.171.12.3.5.3.1.3");
  EXPECT_STREQ(RadiusServerDefs[3].Name, "Acct Port Number");
}

TEST(CatalogueContents, ImpliedIndexesAreTheSnmpv3NameIndexes) {
  std::vector<std::string> implied;
  for (const KvMibSet *set : MibSets())
    for (const KvMibTable &table : set->Tables)
      for (int i = 0; i < table.Count; ++i)
        if (table.Defs[i].Access & Access::Implied) {
          EXPECT_EQ(table.Defs[i].Access, Access::NotAccess | Access::Implied) << table.Name;
          implied.push_back(std::string(table.Name) + "." + table.Defs[i].Name);
        }
  const std::vector<std::string> expected = {
      "TargetAddrDefs.snmpTargetAddrName",    "TargetParamsDefs.snmpTargetParamsName",
      "NotifyDefs.snmpNotifyName",            "NotifyProfileDefs.snmpTargetParamsName",
      "NotifyFilterDefs.snmpNotifyFilterSubtree", "CommunityDefs.snmpCommunityIndex",
      "TargetAddrExtDefs.snmpTargetAddrName"};
  EXPECT_EQ(implied, expected);
}

TEST(CatalogueContents, KeysOfOtherTablesAreBlankOrEmptyMarkers) {
  EXPECT_STREQ(Dot1xSessionStatsDefs[0].Oid, "");
  EXPECT_STREQ(PaeMacSessionDefs[1].Oid, " ");
  EXPECT_EQ(PaeMacStatsDefs[0].Syntax, Syntax::DisplayStr);  // a MAC address in the info table
  EXPECT_EQ(PaeMacInfoDefs[0].Syntax, Syntax::MacAddress);
  EXPECT_STREQ(VacmAccessDefs[0].Oid, " ");
  EXPECT_EQ(NotifyFilterDefs[0].Access, Access::NotAccess);
}

TEST(CatalogueContents, FrontPanelPortWindowsDifferOnlyInTheirNwayOptions) {
  for (int i = 0; CopperPortCtrlDefs[i].Oid; ++i) {
    EXPECT_STREQ(CopperPortCtrlDefs[i].Oid, ComboPortCtrlDefs[i].Oid);
    EXPECT_STREQ(CopperPortCtrlDefs[i].Name, ComboPortCtrlDefs[i].Name);
  }
  const KvOptionList &copper = *Record(CopperPortCtrlDefs, "swL2PortCtrlNwayState").Options;
  const KvOptionList &combo = *Record(ComboPortCtrlDefs, "swL2PortCtrlNwayState").Options;
  EXPECT_EQ(copper.GetCount(), 8);
  EXPECT_EQ(copper.ValueToLabel("10"), "nway-disabled-1Gigabps-Full-slave");
  EXPECT_EQ(copper.ValueToLabel("8"), "8");
  EXPECT_EQ(combo.GetCount(), 3);
  EXPECT_EQ(combo.ValueToLabel("8"), "nway-disabled-1Gigabps-Full");
}

TEST(CatalogueContents, LedColourMapsPaintStatusBytes) {
  EXPECT_EQ(PortLedColors.ValueMask, 7);
  EXPECT_EQ(PortLedColors.BlinkMask, 128);
  EXPECT_EQ(PortLedColors.OffColor, 0);
  EXPECT_EQ(PortLedColors.MissingColor, 16777215);
  EXPECT_EQ(PortLedColors.ColorOf(0x82 & PortLedColors.ValueMask), KvRgb(0, 255, 0));
  EXPECT_EQ(PortLedColors.ColorOf(3), KvRgb(255, 128, 0));
  EXPECT_EQ(PortLedColors.ColorOf(4), KvRgb(0, 0, 255));
  EXPECT_EQ(PortLedColors.ColorOf(5), KvRgb(255, 0, 0));
  EXPECT_EQ(PortLedColors.ColorOf(6), 0);
  EXPECT_EQ(ActivityLedColors.MissingColor, 16777215);
  for (int value : {0, 1, 2, 4, 5}) EXPECT_EQ(ActivityLedColors.ColorOf(value), 16777215) << value;
  EXPECT_EQ(ActivityLedColors.ColorOf(3), KvRgb(0, 255, 0));
  EXPECT_EQ(ActivityLedColors.ColorOf(7), 0);
}

TEST(CatalogueDump, PrintsNameCountAndOneLinePerRecord) {
  std::ostringstream out;
  DumpMibTable(out, *FindMibTable("AgentBasicInfoDefs"));
  std::istringstream lines(out.str());
  std::string first, second;
  std::getline(lines, first);
  std::getline(lines, second);
  EXPECT_EQ(first, "AgentBasicInfoDefs 7");
  EXPECT_EQ(second,
            "  \"1.3.6.1.4.1.171.12.1.1.1\" \"agentMgmtProtocolCapability\" integer 0x02 1=other 2=snmp-ip "
            "3=snmp-ipx 4=snmp-ip-ipx");
  int records = 0;
  for (std::string line; std::getline(lines, line);) ++records;
  EXPECT_EQ(records, 6);
}

TEST(CatalogueDump, QuotesLabelsWithBlanksAndShowsKeyMarkersAndImpliedAccess) {
  std::ostringstream stp, ext;
  DumpMibTable(stp, *FindMibTable("StpBridgeDefs"));
  DumpMibTable(ext, *FindMibTable("TargetAddrExtDefs"));
  EXPECT_NE(stp.str().find("\"dot1dStpVersion\" integer 0x06 0=\"STP Compatibility\" 2=RSTP\n"),
            std::string::npos);
  EXPECT_NE(ext.str().find("  \" \" \"snmpTargetAddrName\" displaystr 0x41\n"), std::string::npos);
}
