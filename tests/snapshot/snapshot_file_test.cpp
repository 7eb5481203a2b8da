// The snapshot file form: what it writes reads back the same, and a malformed or hostile
// file is refused with the number of its line.

#include "config_snapshot.h"
#include "snapshot_tables.h"

#include <gtest/gtest.h>

namespace {
const std::string kHeader =
    "# MS-2416X configuration snapshot 1\n"
    "# agent: \"192.0.2.10:161\"\n"
    "# sysObjectID: \"1.3.6.1.4.1.171.10.43.2\"\n"
    "# sysDescr: \"switch\"\n"
    "# firmware: \"Build 2.03\"\n"
    "# date: \"2025-01-31\"\n";

TEST(SnapshotFile, WritesSortedLinesThatReadBackTheSameWhateverTheValuesHold) {
  KvSnapshot s;
  s.Header = {"192.0.2.10:161", "1.3.6.1.4.1.171.10.43.2", "two\nlines \"quoted\"", "B\\2", "2025-01-31"};
  const int system = SnapshotTableIndex("MibSystemDefs"), vlans = SnapshotTableIndex("VlanStaticDefs");
  ASSERT_GE(system, 0);
  ASSERT_GE(vlans, 0);
  const KvSnapshotTable &v = SnapshotTables()[static_cast<size_t>(vlans)];
  s.Tables[vlans][{300}][v.ColumnOf("Name")] = "b";
  s.Tables[vlans][{20}][v.ColumnOf("Name")] = std::string("a\x01\xe9\t\r\\", 6);
  s.Tables[system][{}][SnapshotTables()[static_cast<size_t>(system)].ColumnOf("Name")] = "";

  const std::string text = SnapshotText(s);
  EXPECT_EQ(text.find_first_not_of("\n\t !\"#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`"
                                   "abcdefghijklmnopqrstuvwxyz{|}~"),
            std::string::npos);
  // Rows by their index as numbers: 20 before 300.
  EXPECT_LT(text.find("VlanStaticDefs[20]"), text.find("VlanStaticDefs[300]"));
  const KvSnapshot back = ParseSnapshot(text, "f");
  EXPECT_EQ(back.Header, s.Header);
  EXPECT_EQ(back.Tables, s.Tables);
  EXPECT_EQ(SnapshotText(back), text);
}

TEST(SnapshotFile, RefusesMalformedLinesNamingTheirNumber) {
  struct Case {
    std::string Text;
    int Line;
    std::string Says;
  };
  const std::string v = "VlanStaticDefs[10].Name";
  const Case cases[] = {
      {"", 1, "empty"},
      {"#!/bin/sh\nrm -rf /\n", 1, "not a configuration snapshot"},
      {"# MS-2416X configuration snapshot 1\n# agent: \"x\"\n# sysDescr: \"\"\n", 3, "sysObjectID"},
      {kHeader.substr(0, kHeader.rfind("# date")), 6, "header ends early"},
      {kHeader + "\n# a comment\nNoSuchDefs.x = \"1\"\n", 9, "unknown table \"NoSuchDefs\""},
      {kHeader + "VlanStaticDefs[10].Colour = \"red\"\n", 7, "unknown column \"Colour\""},
      {kHeader + "VlanStaticDefs.Name = \"x\"\n", 7, "needs a row index"},
      {kHeader + "MibSystemDefs[1].Name = \"x\"\n", 7, "has no rows"},
      {kHeader + "VlanStaticDefs[10.5].Name = \"x\"\n", 7, "more parts than the table's INDEX"},
      {kHeader + "VlanStaticDefs[a].Name = \"x\"\n", 7, "dotted numbers"},
      {kHeader + "AacServerGroupDefs[3.65.66].swAACServerGroupIPAddr = \"1.2.3.4\"\n", 7, "does not fit"},
      {kHeader + v + " = \"x\n", 7, "closing double quote"},
      {kHeader + v + " = \"\\q\"\n", 7, "unknown escape"},
      {kHeader + v + " = \"\\x4\"\n", 7, "two hexadecimal digits"},
      {kHeader + v + " = \"a\"b\n", 7, "text after the value"},
      {kHeader + v + " = \"\x1b[2J\"\n", 7, "control or non-ASCII"},
      {kHeader + v + " = x\n", 7, "double quotes"},
      {kHeader + v + " = \"a\"\n" + v + " = \"b\"\n", 8, "given twice"},
      {kHeader + "just words\n", 7, "expected"},
      {kHeader + v + " = \"" + std::string(70000, 'a') + "\"\n", 7, "longer than 64 KiB"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.Text.substr(0, 120));
    try {
      ParseSnapshot(c.Text, "snap.cfg");
      ADD_FAILURE() << "accepted";
    } catch (const KvSnapshotFileError &e) {
      EXPECT_EQ(e.Line(), c.Line);
      EXPECT_NE(std::string(e.what()).find("snap.cfg:" + std::to_string(c.Line) + ": "), std::string::npos) << e.what();
      EXPECT_NE(std::string(e.what()).find(c.Says), std::string::npos) << e.what();
    }
  }
}

TEST(SnapshotTablesFromCatalogue, HoldNoSecretsActionsOrReadOnlyValuesAndKnowHowRowsAreMade) {
  for (const KvSnapshotTable &t : SnapshotTables())
    for (int i = t.KeyCount; i < t.ItemCount(); ++i) {
      const KvSNMPVarDef &def = t.Defs[static_cast<size_t>(i)];
      SCOPED_TRACE(t.Name() + "." + t.ColumnNames[static_cast<size_t>(i)]);
      EXPECT_EQ(def.Access & Access::ReadWrite, Access::ReadWrite);
      EXPECT_NE(def.Syntax, Syntax::Counter);
      EXPECT_NE(def.Syntax, Syntax::TimeTicks);
      for (const char *secret : {"Community", "Password", "AuthKey", "KeyChange", "Clean All", "Real Time"})
        EXPECT_EQ(t.ColumnNames[static_cast<size_t>(i)].find(secret), std::string::npos);
    }
  for (const char *action : {"SaveCfgDefs", "ResetDefs", "PingTestDefs", "CommunityDefs", "UsmSpinLockDefs"})
    EXPECT_LT(SnapshotTableIndex(action), 0) << action;

  auto table = [](const char *name) -> const KvSnapshotTable & {
    return SnapshotTables()[static_cast<size_t>(SnapshotTableIndex(name))];
  };
  EXPECT_EQ(table("VlanStaticDefs").Status, KvSnapshotStatus::RowStatus);
  EXPECT_TRUE(table("VlanStaticDefs").CreateAndWait);
  EXPECT_EQ(table("RmonAlarmDefs").Status, KvSnapshotStatus::EntryStatus);
  EXPECT_EQ(CreateValue(table("AacServerGroupDefs")), "createAndGo");  // its list lacks createAndWait
  EXPECT_GT(table("AclIpRuleDefs").Depth, table("AclIpMaskDefs").Depth);
  EXPECT_GT(table("PortVlanDefs").Depth, table("VlanStaticDefs").Depth);
  EXPECT_GT(table("RmonAlarmDefs").Depth, table("RmonEventDefs").Depth);
}
}  // namespace

#include "restore_plan.h"

namespace {
TEST(RestorePlan, CreatesParentsBeforeTheirDependentsAndDestroysDependentsFirst) {
  const int mask = SnapshotTableIndex("AclEthernetMaskDefs"), rule = SnapshotTableIndex("AclEthernetRuleDefs");
  const KvSnapshotTable &m = SnapshotTables()[static_cast<size_t>(mask)];
  const KvSnapshotTable &r = SnapshotTables()[static_cast<size_t>(rule)];
  KvSnapshot live, target;
  live.Tables[mask][{1}] = {{m.StatusColumn, "active"}};
  live.Tables[rule][{1, 1}] = {{r.StatusColumn, "active"}};
  target.Tables[mask][{2}] = {{m.StatusColumn, "active"}};
  target.Tables[rule][{2, 1}] = {{r.StatusColumn, "active"}};

  std::vector<std::string> order;
  for (const KvRestoreSet &set : PlanRestore(live, target).Sets) order.push_back(SetText(set));
  const std::vector<std::string> expected = {
      "destroy AclEthernetRuleDefs[1.1]: swACLEtherRuleRowStatus=\"destroy\"",
      "create AclEthernetMaskDefs[2]: swACLEthernetRowStatus=\"createAndWait\"",
      "activate AclEthernetMaskDefs[2]: swACLEthernetRowStatus=\"active\"",
      "destroy AclEthernetMaskDefs[1]: swACLEthernetRowStatus=\"destroy\"",
      "create AclEthernetRuleDefs[2.1]: swACLEtherRuleRowStatus=\"createAndWait\"",
      "activate AclEthernetRuleDefs[2.1]: swACLEtherRuleRowStatus=\"active\"",
  };
  EXPECT_EQ(order, expected);
  EXPECT_TRUE(PlanRestore(target, target).Sets.empty());
}
}  // namespace
