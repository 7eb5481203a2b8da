// ms2416x-config against the simulated switch: save, diff and restore, with the
// simulator's request log as the witness of what was sent. The changes a user makes are
// made with net-snmp's snmpset, independently of the program under test.

#include "change_journal.h"
#include "config_command.h"
#include "journal_undo.h"
#include "snapshot_tables.h"
#include "switch_sim_agent.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

namespace {
struct Result {
  int Status = -1;
  std::string Out, Errors;
};

std::vector<std::string> SwitchesFor(const SwitchSimAgent &sw) {
  return {"/I127.0.0.1", "/t" + std::to_string(sw.Port()), "/v1", "/Rrdwalk", "/Wwrtgate"};
}

Result Config(std::vector<std::string> parameters) {
  std::ostringstream out, errors;
  Result r;
  r.Status = RunConfigCommand(parameters, out, errors, false);
  r.Out = out.str();
  r.Errors = errors.str();
  return r;
}

Result Config(const SwitchSimAgent &sw, const std::vector<std::string> &command) {
  std::vector<std::string> parameters = SwitchesFor(sw);
  parameters.insert(parameters.end(), command.begin(), command.end());
  return Config(parameters);
}

std::string Slurp(const std::string &path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

int Lines(const std::string &text) { return static_cast<int>(std::count(text.begin(), text.end(), '\n')); }

// snmpset of OID TYPE VALUE triples over SNMPv2c; true when the agent took them.
bool SnmpSet(const SwitchSimAgent &sw, const std::vector<std::string> &bindings) {
  std::vector<std::string> argv = {"snmpset", "-v2c", "-c", SwitchSimAgent::kWriteCommunity, "-r0", "-t2", sw.Target()};
  argv.insert(argv.end(), bindings.begin(), bindings.end());
  int rc = -1;
  const std::string output = RunTool(argv, &rc);
  EXPECT_EQ(rc, 0) << output;
  return rc == 0;
}

// Twenty objects changed across scalar groups, tables and RowStatus / EntryStatus
// tables, each one line of the difference.
const char *const kStpPriority = "1.3.6.1.2.1.17.2.2.0";
void ChangeTwentyObjects(const SwitchSimAgent &sw) {
  const std::string dev = "1.3.6.1.4.1.171.11.43.2.2.1.", vlan = "1.3.6.1.2.1.17.7.1.4.3.1.";
  ASSERT_TRUE(SnmpSet(sw, {"1.3.6.1.2.1.1.4.0", "s", "noc@example.net", "1.3.6.1.2.1.1.6.0", "s", "rack 7",  // 2
                           dev + "2.2.0", "i", "3", dev + "2.7.0", "i", "3", dev + "3.3.0", "i", "2",         // 5
                           kStpPriority, "i", "8192"}));                                                   // 6
  ASSERT_TRUE(SnmpSet(sw, {"1.3.6.1.2.1.31.1.1.1.18.4", "s", "uplink",                                     // 7
                           "1.3.6.1.2.1.17.7.1.4.5.1.1.6", "u", "10",                                        // 8
                           "1.3.6.1.4.1.171.11.43.2.2.3.2.1.5.7", "i", "3",                                  // 9
                           "1.3.6.1.4.1.171.11.43.2.2.11.3.1.2.1", "i", "60",                                // 10
                           "1.3.6.1.4.1.171.11.43.2.2.13.1.1.3.2", "i", "3",                                 // 11
                           "1.3.6.1.4.1.171.11.43.2.2.13.1.1.6.2", "i", "64000",                             // 12
                           "1.3.6.1.2.1.17.2.15.1.2.5", "i", "64"}));                                        // 13
  ASSERT_TRUE(SnmpSet(sw, {vlan + "1.10", "s", "srv2", vlan + "2.10", "x", "00F00300",                      // 15
                           vlan + "5.20", "i", "6",                                                        // 16
                           vlan + "5.30", "i", "4", vlan + "1.30", "s", "guests"}));                       // 17
  ASSERT_TRUE(SnmpSet(sw, {"1.3.6.1.2.1.16.9.1.1.7.3", "i", "2", "1.3.6.1.2.1.16.9.1.1.2.3", "s", "new"}));
  ASSERT_TRUE(SnmpSet(sw, {"1.3.6.1.2.1.16.9.1.1.7.3", "i", "1"}));                                        // 18
  ASSERT_TRUE(SnmpSet(sw, {"1.3.6.1.2.1.16.3.1.1.12.2", "i", "4"}));                                       // 19
  ASSERT_TRUE(SnmpSet(sw, {"1.3.6.1.4.1.171.12.9.1.1.1.2.1", "x", "F0000000"}));                           // 20
}

// The OIDs of every Set in the log lines from `from` on.
std::vector<std::vector<std::string>> SetsInLog(const SwitchSimAgent &sw, size_t from) {
  std::vector<std::vector<std::string>> sets;
  const std::vector<std::string> lines = sw.LogLines();
  const std::regex oid("\"oid\":\"([0-9.]+)\"");
  for (size_t i = from; i < lines.size(); ++i) {
    if (lines[i].find("\"op\":\"set\"") == std::string::npos) continue;
    std::vector<std::string> oids;
    for (std::sregex_iterator m(lines[i].begin(), lines[i].end(), oid), end; m != end; ++m) oids.push_back((*m)[1]);
    sets.push_back(oids);
  }
  return sets;
}

class ConfigCommand : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(sw_.Started()) << sw_.Output();
    file_ = (std::filesystem::path(::testing::TempDir()) / ("snapshot-" + std::to_string(sw_.Port()) + ".cfg")).string();
  }
  void TearDown() override { std::filesystem::remove(file_); }

  SwitchSimAgent sw_{SwitchSimOptions{{}, true, {}}};
  std::string file_;
};

TEST_F(ConfigCommand, RoundTripShowsTheTwentyChangesAndRestoresThemWithTheSetsNeededOnly) {
  const Result saved = Config(sw_, {"save", file_});
  ASSERT_EQ(saved.Status, ConfigExit::Ok) << saved.Errors;
  EXPECT_EQ(Config(sw_, {"diff", file_}).Status, ConfigExit::Ok);
  ChangeTwentyObjects(sw_);

  const Result diff = Config(sw_, {"diff", file_});
  EXPECT_EQ(diff.Status, ConfigExit::Different);
  EXPECT_EQ(Lines(diff.Out), 20) << diff.Out;
  for (const char *line : {"~ MibSystemDefs.Contact: \"network@example.net\" -> \"noc@example.net\"",
                           "~ StpBridgeDefs.dot1dStpPriority: \"32768\" -> \"8192\"",
                           "~ PortVlanDefs[6].PortVLANID: \"1\" -> \"10\"",
                           "~ VlanStaticDefs[10].EgressPorts: \"9-12,23\" -> \"9-12,23-24\"",
                           "- VlanStaticDefs[20] (row): Name=\"lab\"", "+ VlanStaticDefs[30] (row): Name=\"guests\"",
                           "+ RmonEventDefs[3] (row): Description=\"new\"", "- RmonAlarmDefs[2] (row)",
                           "~ AclEthernetMaskDefs[1].swACLEthernetPort: \"FF000000\" -> \"F0000000\""})
    EXPECT_NE(diff.Out.find(line), std::string::npos) << line << "\n" << diff.Out;

  const size_t before = sw_.LogLines().size();
  const Result restored = Config(sw_, {"restore", file_});
  ASSERT_EQ(restored.Status, ConfigExit::Ok) << restored.Out << restored.Errors;
  const auto sets = SetsInLog(sw_, before);
  EXPECT_LE(sets.size(), 20u);
  EXPECT_NE(restored.Out.find(std::to_string(sets.size()) + " Sets sent"), std::string::npos) << restored.Out;
  // Only what changed: the twenty objects, and the columns of the two rows made again.
  const std::regex needed(
      "1\\.3\\.6\\.1\\.2\\.1\\.1\\.[46]\\.0|1\\.3\\.6\\.1\\.4\\.1\\.171\\.11\\.43\\.2\\.2\\.1\\.(2\\.2|2\\.7|3\\.3)\\.0|"
      "1\\.3\\.6\\.1\\.2\\.1\\.17\\.2\\.2\\.0|1\\.3\\.6\\.1\\.2\\.1\\.31\\.1\\.1\\.1\\.18\\.4|1\\.3\\.6\\.1\\.2\\.1\\.17\\.7\\.1\\.4\\.5\\.1\\.1\\.6|"
      "1\\.3\\.6\\.1\\.4\\.1\\.171\\.11\\.43\\.2\\.2\\.(3\\.2\\.1\\.5\\.7|11\\.3\\.1\\.2\\.1|13\\.1\\.1\\.[36]\\.2)|"
      "1\\.3\\.6\\.1\\.2\\.1\\.17\\.2\\.15\\.1\\.2\\.5|1\\.3\\.6\\.1\\.2\\.1\\.17\\.7\\.1\\.4\\.3\\.1\\.([12]\\.10|[1-5]\\.20|5\\.30)|"
      "1\\.3\\.6\\.1\\.2\\.1\\.16\\.9\\.1\\.1\\.7\\.3|1\\.3\\.6\\.1\\.2\\.1\\.16\\.3\\.1\\.1\\.([2-9]|1[0-2])\\.2|"
      "1\\.3\\.6\\.1\\.4\\.1\\.171\\.12\\.9\\.1\\.1\\.1\\.2\\.1");
  for (const auto &set : sets)
    for (const std::string &oid : set) EXPECT_TRUE(std::regex_match(oid, needed)) << oid;

  const Result after = Config(sw_, {"diff", file_});
  EXPECT_EQ(after.Status, ConfigExit::Ok) << after.Out;
  EXPECT_EQ(after.Out, "");
  // A second run finds nothing to do.
  const size_t again = sw_.LogLines().size();
  EXPECT_EQ(Config(sw_, {"restore", file_}).Status, ConfigExit::Ok);
  EXPECT_TRUE(SetsInLog(sw_, again).empty());
}

TEST_F(ConfigCommand, RestoreIntoAFreshlyStartedSwitchMakesItEqualToTheFileAndUndoTakesItBack) {
  ChangeTwentyObjects(sw_);
  ASSERT_EQ(Config(sw_, {"save", file_}).Status, ConfigExit::Ok);
  SwitchSimAgent fresh;
  ASSERT_TRUE(fresh.Started());
  const Result initial = Config(fresh, {"diff", file_});
  EXPECT_EQ(initial.Status, ConfigExit::Different);

  const Result dry = Config(fresh, {"restore", file_, "--dry-run"});
  EXPECT_EQ(dry.Status, ConfigExit::Ok);
  EXPECT_NE(dry.Out.find("create VlanStaticDefs[30]: RowStatus=\"createAndWait\", Name=\"guests\""), std::string::npos)
      << dry.Out;
  EXPECT_EQ(Config(fresh, {"diff", file_}).Status, ConfigExit::Different);  // a dry run sends nothing

  KvChangeJournal journal("ms2416x-config", MakeTempDir("kvjournal"));
  journal.Install();
  const Result restored = Config(fresh, {"restore", file_});
  EXPECT_EQ(restored.Status, ConfigExit::Ok) << restored.Out << restored.Errors;
  const Result diff = Config(fresh, {"diff", file_});
  EXPECT_EQ(diff.Status, ConfigExit::Ok) << diff.Out;

  // The restore is one change in the change journal, rows made and destroyed included,
  // and Undo takes it back whole.
  const std::string agent = "127.0.0.1:" + std::to_string(fresh.Port());
  const KvUndoPlan plan = PlanUndo(ReadJournalFile(journal.FileOf(agent), agent).Lines, agent);
  ASSERT_TRUE(plan.CanUndo()) << (plan.Refusals.empty() ? "no steps" : plan.Refusals.front());
  EXPECT_EQ(plan.Window, "ms2416x-config restore");
  ExecuteUndo(plan, SNMPSettings);
  EXPECT_EQ(Config(fresh, {"diff", file_}).Out, initial.Out);
}

TEST_F(ConfigCommand, ARefusedSetStopsTheRestoreNamingItAndASecondRunAfterTheFixEndsEqual) {
  ASSERT_EQ(Config(sw_, {"save", file_}).Status, ConfigExit::Ok);
  ASSERT_TRUE(SnmpSet(sw_, {"1.3.6.1.2.1.1.4.0", "s", "changed", "1.3.6.1.2.1.17.7.1.4.3.1.1.10", "s", "renamed"}));
  ASSERT_TRUE(SnmpSet(sw_, {"1.3.6.1.2.1.17.7.1.4.5.1.1.9", "u", "20"}));
  // A file edited by hand: VLAN 10's port 9 both an egress and a forbidden port.
  const std::string good = Slurp(file_);
  const std::string line = "VlanStaticDefs[10].ForbiddenEgressPorts = \"none\"";
  ASSERT_NE(good.find(line), std::string::npos);
  std::string bad = good;
  bad.replace(bad.find(line), line.size(), "VlanStaticDefs[10].ForbiddenEgressPorts = \"9\"");
  std::ofstream(file_, std::ios::binary | std::ios::trunc) << bad;

  const Result refused = Config(sw_, {"restore", file_});
  EXPECT_EQ(refused.Status, ConfigExit::Incomplete);
  EXPECT_NE(refused.Out.find("sent: set MibSystemDefs: Contact="), std::string::npos) << refused.Out;
  EXPECT_NE(refused.Out.find("refused: set VlanStaticDefs[10]: Name=\"servers\", ForbiddenEgressPorts=\"9\""),
            std::string::npos) << refused.Out;
  EXPECT_NE(refused.Out.find("not sent: set PortVlanDefs[9]: PortVLANID=\"10\""), std::string::npos) << refused.Out;
  EXPECT_NE(refused.Errors.find("1 Sets went through, 2 did not"), std::string::npos) << refused.Errors;

  std::ofstream(file_, std::ios::binary | std::ios::trunc) << good;
  const size_t before = sw_.LogLines().size();
  const Result second = Config(sw_, {"restore", file_});
  EXPECT_EQ(second.Status, ConfigExit::Ok) << second.Out << second.Errors;
  EXPECT_EQ(second.Out.find("MibSystemDefs"), std::string::npos) << "sent again: " << second.Out;
  EXPECT_EQ(SetsInLog(sw_, before).size(), 2u);
  EXPECT_EQ(Config(sw_, {"diff", file_}).Status, ConfigExit::Ok);
}

TEST(ConfigSave, TwoSavesOfAnUnchangedSwitchAreIdenticalAndHoldNoCommunityOrPassPhrase) {
  SwitchSimAgent sw({{"keeper:SHA:keeperauth1:AES:keeperpriv1"}, false, {}});
  ASSERT_TRUE(sw.Started());
  const std::string dir = ::testing::TempDir();
  const std::string one = dir + "/save-one-" + std::to_string(sw.Port()), two = dir + "/save-two-" + std::to_string(sw.Port());
  ASSERT_EQ(Config(sw, {"save", one}).Status, ConfigExit::Ok);
  const std::vector<std::string> v3 = {"/I127.0.0.1", "/t" + std::to_string(sw.Port()), "/v3", "/m3", "/nkeeper", "/l3",
                                       "/a3", "/Akeeperauth1", "/p19", "/Pkeeperpriv1", "save", two};
  const Result saved = Config(v3);
  ASSERT_EQ(saved.Status, ConfigExit::Ok) << saved.Errors;
  const std::string first = Slurp(one), second = Slurp(two);
  EXPECT_EQ(first, second);
  EXPECT_GT(Lines(first), 1000);
  for (const char *secret : {"rdwalk", "wrtgate", "keeperauth1", "keeperpriv1", "public"})
    EXPECT_EQ(first.find(secret), std::string::npos) << secret;
  EXPECT_TRUE(std::regex_search(first, std::regex("\n# date: \"[0-9]{4}-[0-9]{2}-[0-9]{2}\"\n")));
  EXPECT_EQ(Config({"diff", one, two}).Status, ConfigExit::Ok);
  const Result unwritable = Config(sw, {"save", dir + "/no-such-folder/x.cfg"});
  EXPECT_EQ(unwritable.Status, ConfigExit::WriteFailed);
  EXPECT_NE(unwritable.Errors.find("Cannot write " + dir + "/no-such-folder/x.cfg"), std::string::npos) << unwritable.Errors;
  std::filesystem::remove(one);
  std::filesystem::remove(two);
}

TEST(ConfigProgram, EachFailureHasItsOwnExitStatusAndText) {
  const std::string dir = ::testing::TempDir();
  const std::string bad = dir + "/bad-snapshot.cfg";
  std::ofstream(bad) << "# MS-2416X configuration snapshot 1\n# agent: \"x\"\n";
  auto program = [](const std::vector<std::string> &args, int &rc) {
    std::vector<std::string> argv = {"sh", "-c", std::string(KV_MS2416X_CONFIG) + " \"$@\" 2>&1", "-"};
    argv.insert(argv.end(), args.begin(), args.end());
    return RunTool(argv, &rc);
  };
  int rc = -1;
  EXPECT_NE(program({"--help"}, rc).find("restore FILE [--dry-run]"), std::string::npos);
  EXPECT_EQ(rc, ConfigExit::Ok);
  EXPECT_NE(program({"--version"}, rc).find("ms2416x-config "), std::string::npos);
  EXPECT_NE(program({"/I127.0.0.1"}, rc).find("no command"), std::string::npos);
  EXPECT_EQ(rc, ConfigExit::Usage);
  EXPECT_NE(program({"/I127.0.0.1", "restore", "a", "b"}, rc).find("restore takes one FILE"), std::string::npos);
  EXPECT_EQ(rc, ConfigExit::Usage);
  EXPECT_NE(program({"/I127.0.0.1", "diff", bad}, rc).find(bad + ":3: "), std::string::npos);
  EXPECT_EQ(rc, ConfigExit::BadFile);
  EXPECT_NE(program({"/I127.0.0.1", "diff", dir + "/missing.cfg"}, rc).find("no such file"), std::string::npos);
  EXPECT_EQ(rc, ConfigExit::BadFile);
  EXPECT_NE(program({"save", dir + "/x.cfg"}, rc).find("no agent address"), std::string::npos);
  EXPECT_EQ(rc, ConfigExit::Usage);
  // Nothing answers on the discard port.
  EXPECT_NE(program({"/I127.0.0.1", "/t9", "/v1", "save", dir + "/x.cfg"}, rc).find("cannot read the switch"),
            std::string::npos);
  EXPECT_EQ(rc, ConfigExit::Agent);
  EXPECT_FALSE(std::filesystem::exists(dir + "/x.cfg"));
  std::filesystem::remove(bad);
}
}  // namespace
