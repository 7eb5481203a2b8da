// The simulated switch against net-snmp's command-line tools, over loopback.

#include "switch_sim_agent.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sys/wait.h>
#include <sstream>
#include <thread>

namespace {

const std::string kTrunk = "1.3.6.1.4.1.171.11.43.2.2.9.3.1";
const std::string kHistControl = "1.3.6.1.2.1.16.2.1.1";
const std::string kEtherHistory = "1.3.6.1.2.1.16.2.2.1";
const std::string kLed = "1.3.6.1.4.1.171.11.43.2.2.1.1.4.0";
const std::string kPortAdmin = "1.3.6.1.4.1.171.11.43.2.2.3.2.1.3";
const std::string kRmonState = "1.3.6.1.4.1.171.11.43.2.2.1.2.3.0";
const std::string kSysName = "1.3.6.1.2.1.1.5.0";
const std::string kPing = "1.3.6.1.4.1.171.12.1.5";

std::string Quote(const std::string &s) { return "'" + s + "'"; }

std::string Trim(std::string s) {
  while (!s.empty() && (s.back() == '\n' || s.back() == ' ')) s.pop_back();
  return s;
}

// A net-snmp tool with its stderr folded into the output, so that refusals can be read.
std::string Tool(const std::string &tool, const std::vector<std::string> &args, int *rc = nullptr) {
  std::string cmd = tool;
  for (const auto &a : args) cmd += " " + Quote(a);
  return RunTool({"sh", "-c", cmd + " 2>&1"}, rc);
}

std::vector<std::string> V2(const SwitchSimAgent &sw, const char *community, std::vector<std::string> more) {
  std::vector<std::string> args = {"-v2c", "-c", community, "-r0", "-t2"};
  args.insert(args.end(), more.begin(), more.end());
  args.insert(args.end(), sw.Target());
  return args;
}

std::string Get(const SwitchSimAgent &sw, const std::string &oid, const std::string &format = "-Oqv",
                const std::string &timeout = "2") {
  auto args = V2(sw, SwitchSimAgent::kReadCommunity, {format, "-t", timeout});
  args.push_back(oid);
  return Trim(Tool("snmpget", args));
}

// snmpset with `bindings` as OID TYPE VALUE triples; the tool's output (errors included).
std::string Set(const SwitchSimAgent &sw, const std::vector<std::string> &bindings, int *rc = nullptr) {
  auto args = V2(sw, SwitchSimAgent::kWriteCommunity, {"-On"});
  args.insert(args.end(), bindings.begin(), bindings.end());
  return Tool("snmpset", args, rc);
}

std::string Walk(const SwitchSimAgent &sw, const std::string &oid) {
  auto args = V2(sw, SwitchSimAgent::kReadCommunity, {"-On"});
  args.push_back(oid);
  return Tool("snmpbulkwalk", args);
}

// Instances in a walk's output (an empty subtree prints one "No Such ..." line).
int Lines(const std::string &text) {
  int n = 0;
  for (size_t at = 0; (at = text.find(" = ", at)) != std::string::npos; ++at) ++n;
  return n - static_cast<int>(text.find("No Such") != std::string::npos);
}

// The octets of a value printed with -Oqvx ("02 00 00 82 ...", broken into lines).
std::vector<std::string> HexOctets(const std::string &printed) {
  std::vector<std::string> out;
  std::string word;
  for (char c : printed + " ") {
    if (std::isxdigit(static_cast<unsigned char>(c))) word += c;
    else if (!word.empty()) out.push_back(word), word.clear();
  }
  return out;
}

// Polls `probe` until it returns true or `ms` pass.
template <class F>
bool Eventually(F probe, int ms = 3000) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  while (std::chrono::steady_clock::now() < end) {
    if (probe()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return probe();
}

}  // namespace

TEST(SwitchSim, EveryGroupAnswers) {
  SwitchSimAgent sw;
  ASSERT_TRUE(sw.Started()) << sw.Output();
  const std::string all = Walk(sw, ".1");
  // The maker's groups, the standard groups the windows read and net-snmp's SNMPv3 framework.
  for (const char *prefix : {".1.3.6.1.2.1.1.1.0", ".1.3.6.1.2.1.2.2.1.1.24", ".1.3.6.1.2.1.31.1.1.1.18.24",
                             ".1.3.6.1.2.1.31.1.5.0", ".1.3.6.1.2.1.10.7.2.1.9.24", ".1.3.6.1.2.1.16.2.1.1.7.1",
                             ".1.3.6.1.2.1.16.2.2.1.15.1.", ".1.3.6.1.2.1.17.2.15.1.3.24", ".1.3.6.1.2.1.17.2.19.1.6.24",
                             ".1.3.6.1.2.1.17.6.1.2.3.1.2.24.7", ".1.3.6.1.2.1.17.7.1.4.5.1.1.24",
                             ".1.0.8802.1.1.1.1.2.4.1.9.24", ".1.3.6.1.4.1.171.12.1.1.6.0",
                             ".1.3.6.1.4.1.171.12.9.2.2.1.21.2.1", ".1.3.6.1.4.1.171.11.43.2.1.1.1.1.5.24",
                             ".1.3.6.1.6.3.10.2.1.1.0", ".1.3.6.1.6.3.11.2.1.1.0", ".1.3.6.1.6.3.15.1.1.1.0",
                             ".1.3.6.1.6.3.16.1.2.1.3", ".1.3.6.1.6.3.12.1.1.0", ".1.3.6.1.6.3.18.1.1.1.8."})
    EXPECT_NE(all.find(std::string(prefix)), std::string::npos) << prefix;
  EXPECT_GT(Lines(all), 6000);
  EXPECT_EQ(Get(sw, "1.3.6.1.4.1.171.12.1.1.6.0").substr(0, 11), "\"Build 2.03");
  EXPECT_EQ(Get(sw, kRmonState), "3");
  EXPECT_EQ(Get(sw, "1.3.6.1.2.1.2.1.0"), "24");
  EXPECT_NE(Get(sw, "1.3.6.1.2.1.1.99.0", "-Oqn").find("No Such Object"), std::string::npos);
  EXPECT_NE(Get(sw, "1.3.6.1.2.1.2.2.1.1.99", "-Oqn").find("No Such Instance"), std::string::npos);
}

TEST(SwitchSim, CountersAndTimeTicksAdvance) {
  SwitchSimAgent sw;
  ASSERT_TRUE(sw.Started());
  const auto before = std::stoull(Get(sw, "1.3.6.1.2.1.2.2.1.10.1"));
  const auto upBefore = std::stoull(Get(sw, "1.3.6.1.2.1.1.3.0", "-Oqvt"));
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  EXPECT_GT(std::stoull(Get(sw, "1.3.6.1.2.1.2.2.1.10.1")), before);
  EXPECT_GE(std::stoull(Get(sw, "1.3.6.1.2.1.1.3.0", "-Oqvt")), upBefore + 20);
  EXPECT_EQ(Get(sw, "1.3.6.1.2.1.2.2.1.10.24"), Get(sw, "1.3.6.1.2.1.2.2.1.10.24"));  // port 24 is disabled

  // A switch whose ports carry nothing: counters stand still, link LEDs lit and steady.
  SwitchSimAgent quiet({{}, false, {"--no-traffic"}});
  ASSERT_TRUE(quiet.Started());
  const std::string still = Get(quiet, "1.3.6.1.2.1.2.2.1.10.1");
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  EXPECT_EQ(Get(quiet, "1.3.6.1.2.1.2.2.1.10.1"), still);
  const auto leds = HexOctets(Get(quiet, kLed, "-Oqvx"));
  ASSERT_EQ(leds.size(), 55u);
  EXPECT_EQ(leds[3], "02");  // port 1: gigabit link, no blink
}

TEST(SwitchSim, CreateAndGoMakesARowFromThePduAndDestroyRemovesIt) {
  SwitchSimAgent sw;
  ASSERT_TRUE(sw.Started());
  int rc = -1;
  Set(sw, {kTrunk + ".6.3", "i", "4", kTrunk + ".2.3", "i", "1", kTrunk + ".3.3", "x", "F0000000", kTrunk + ".5.3", "i", "3"}, &rc);
  ASSERT_EQ(rc, 0);
  EXPECT_EQ(Get(sw, kTrunk + ".1.3"), "3");               // index column from the row name
  EXPECT_EQ(Get(sw, kTrunk + ".3.3", "-Oqvx"), "\"F0 00 00 00 \"");
  EXPECT_EQ(Get(sw, kTrunk + ".4.3"), "1");               // flooding port follows the master
  EXPECT_EQ(Get(sw, kTrunk + ".5.3"), "3");
  EXPECT_EQ(Get(sw, kTrunk + ".6.3"), "1");               // active
  // A port of one trunk is refused in another, and a master port must be a member.
  EXPECT_NE(Set(sw, {kTrunk + ".6.4", "i", "4", kTrunk + ".2.4", "i", "4", kTrunk + ".3.4", "x", "30000000"})
                .find("inconsistentValue"), std::string::npos);
  EXPECT_NE(Set(sw, {kTrunk + ".3.3", "x", "F0000000", kTrunk + ".2.3", "i", "5"}).find("inconsistentValue"),
            std::string::npos);
  Set(sw, {kTrunk + ".6.3", "i", "6"}, &rc);
  ASSERT_EQ(rc, 0);
  EXPECT_EQ(Walk(sw, kTrunk).find(".3 ="), std::string::npos);
}

TEST(SwitchSim, DestroyingAnAccessProfileDestroysItsRulesOnly) {
  SwitchSimAgent sw;
  ASSERT_TRUE(sw.Started());
  const std::string acl = "1.3.6.1.4.1.171.12.9";
  ASSERT_EQ(Lines(Walk(sw, acl + ".2.1.1.14")), 1);  // Ethernet rule 1 of profile 1
  int rc = -1;
  Set(sw, {acl + ".1.1.1.9.1", "i", "6"}, &rc);
  ASSERT_EQ(rc, 0);
  EXPECT_EQ(Lines(Walk(sw, acl + ".1.1.1.9")), 0);
  EXPECT_EQ(Lines(Walk(sw, acl + ".2.1.1")), 0);
  EXPECT_EQ(Lines(Walk(sw, acl + ".2.2.1.21")), 1);  // the IP rule of profile 2 stays
}

// Profiles 1 (Ethernet: destination MAC), 2 (IP: source address, TCP destination port)
// and 3 (payload: offsets 0 to 15) of the data: a new rule may set what its profile masks
// and the actions, nothing else; a profile change in the same PDU counts.
TEST(SwitchSim, AccessRulesSetOnlyWhatTheirProfileMasks) {
  SwitchSimAgent sw;
  ASSERT_TRUE(sw.Started());
  const std::string mask = "1.3.6.1.4.1.171.12.9.1", rule = "1.3.6.1.4.1.171.12.9.2";
  const struct {
    std::vector<std::string> bindings;  // besides the new rule's createAndGo
    std::string row, refusal;           // kind.profile.access; "" when accepted
  } cases[] = {
      {{rule + ".1.1.5.1.5", "x", "001122334455", rule + ".1.1.9.1.5", "i", "3", rule + ".1.1.13.1.5", "i", "2"}, "1.1.5", ""},
      {{rule + ".1.1.4.1.6", "x", "001122334455"}, "1.1.6", "inconsistentValue"},  // source MAC
      {{rule + ".1.1.3.1.6", "s", "v1"}, "1.1.6", "inconsistentValue"},            // VLAN
      {{rule + ".1.1.6.1.6", "i", "5"}, "1.1.6", "inconsistentValue"},             // 802.1p
      {{rule + ".1.1.7.1.6", "s", "0800"}, "1.1.6", "inconsistentValue"},          // Ethernet type
      {{mask + ".1.1.3.1", "i", "1", rule + ".1.1.3.1.7", "s", "v1"}, "1.1.7", ""},  // VLAN used from now on
      {{rule + ".2.1.4.2.5", "a", "10.0.0.1", rule + ".2.1.11.2.5", "i", "80", rule + ".2.1.19.2.5", "i", "9"}, "2.2.5", ""},
      {{rule + ".2.1.5.2.6", "a", "10.0.0.1"}, "2.2.6", "inconsistentValue"},      // destination address
      {{rule + ".2.1.10.2.6", "i", "80"}, "2.2.6", "inconsistentValue"},           // source port
      {{rule + ".2.1.12.2.6", "i", "2"}, "2.2.6", "inconsistentValue"},            // flag bits
      {{rule + ".2.1.8.2.6", "i", "3"}, "2.2.6", "inconsistentValue"},             // ICMP type under TCP
      {{rule + ".2.1.13.2.6", "i", "17"}, "2.2.6", "inconsistentValue"},           // protocol ID
      {{rule + ".3.1.3.3.5", "s", "0800"}, "3.3.5", ""},
      {{rule + ".3.1.4.3.6", "s", "0800"}, "3.3.6", "inconsistentValue"},          // offsets 16 to 31
      {{}, "1.9.1", "inconsistentName"},                                           // no profile 9
  };
  for (const auto &c : cases) {
    const std::string kind = c.row.substr(0, 1), index = c.row.substr(2);
    std::vector<std::string> bindings = {rule + "." + kind + ".1." + (kind == "2" ? "21" : "14") + "." + index, "i", "4"};
    bindings.insert(bindings.end(), c.bindings.begin(), c.bindings.end());
    int rc = -1;
    const std::string out = Set(sw, bindings, &rc);
    if (c.refusal.empty()) EXPECT_EQ(rc, 0) << c.row << ": " << out;
    else EXPECT_NE(out.find(c.refusal), std::string::npos) << c.row << ": " << out;
  }
  EXPECT_EQ(Get(sw, rule + ".2.1.11.2.5"), "80");
  EXPECT_EQ(Get(sw, rule + ".2.1.7.2.5"), "4");  // the protocol of profile 2, "tcp"
  EXPECT_EQ(Lines(Walk(sw, rule + ".1.1.14")), 3);  // rules 1/1, 1/5 and 1/7
  // An existing rule is held to its profile as well; its destroy always passes.
  EXPECT_NE(Set(sw, {rule + ".1.1.4.1.1", "x", "001122334455"}).find("inconsistentValue"), std::string::npos);
  int rc = -1;
  Set(sw, {rule + ".1.1.4.1.1", "x", "001122334455", rule + ".1.1.14.1.1", "i", "6"}, &rc);
  EXPECT_EQ(rc, 0);
}

TEST(SwitchSim, RowStatusRulesForRowsThatDoNotExist) {
  SwitchSimAgent sw;
  ASSERT_TRUE(sw.Started());
  const std::string mask = "1.3.6.1.4.1.171.12.9.1.1.1";
  EXPECT_NE(Set(sw, {mask + ".3.7", "i", "1"}).find("inconsistentName"), std::string::npos);
  EXPECT_NE(Set(sw, {mask + ".9.7", "i", "1"}).find("inconsistentValue"), std::string::npos);
  EXPECT_NE(Set(sw, {mask + ".9.300", "i", "4"}).find("noCreation"), std::string::npos);     // index 1..255
  EXPECT_NE(Set(sw, {mask + ".9.1", "i", "4"}).find("inconsistentValue"), std::string::npos);  // exists already
  EXPECT_NE(Set(sw, {mask + ".9.7", "i", "3"}).find("wrongValue"), std::string::npos);         // notReady
  // createAndWait leaves the row notInService until it is made active.
  int rc = -1;
  Set(sw, {mask + ".9.7", "i", "5"}, &rc);
  ASSERT_EQ(rc, 0);
  EXPECT_EQ(Get(sw, mask + ".9.7"), "2");
  Set(sw, {mask + ".9.7", "i", "1", mask + ".4.7", "i", "2"}, &rc);
  EXPECT_EQ(rc, 0);
  EXPECT_EQ(Get(sw, mask + ".9.7"), "1");
  EXPECT_EQ(Get(sw, mask + ".4.7"), "2");
}

TEST(SwitchSim, RmonEntryStatusSequenceSamplesAndRemoves) {
  SwitchSimAgent sw;
  ASSERT_TRUE(sw.Started());
  int rc = -1;
  Set(sw, {kHistControl + ".7.9", "i", "2"}, &rc);  // createRequest
  ASSERT_EQ(rc, 0);
  EXPECT_EQ(Get(sw, kHistControl + ".7.9"), "3");    // underCreation
  Set(sw, {kHistControl + ".2.9", "o", "1.3.6.1.2.1.2.2.1.1.5", kHistControl + ".3.9", "i", "2", kHistControl + ".5.9", "i", "1",
           kHistControl + ".6.9", "s", "tester"},
      &rc);
  ASSERT_EQ(rc, 0);
  Set(sw, {kHistControl + ".7.9", "i", "1"}, &rc);  // valid
  ASSERT_EQ(rc, 0);
  EXPECT_EQ(Get(sw, kHistControl + ".4.9"), "2");    // granted
  // While valid, the interval is locked.
  EXPECT_NE(Set(sw, {kHistControl + ".5.9", "i", "5"}).find("inconsistentValue"), std::string::npos);
  ASSERT_TRUE(Eventually([&] { return Lines(Walk(sw, kEtherHistory + ".2.9")) == 2; }, 4000));
  std::this_thread::sleep_for(std::chrono::milliseconds(1200));
  const std::string samples = Walk(sw, kEtherHistory + ".2.9");
  EXPECT_EQ(Lines(samples), 2) << samples;                       // at most the granted number
  EXPECT_EQ(samples.find(kEtherHistory + ".2.9.1 "), std::string::npos) << samples;  // the oldest went
  Set(sw, {kHistControl + ".7.9", "i", "4"}, &rc);  // invalid
  ASSERT_EQ(rc, 0);
  EXPECT_EQ(Walk(sw, kHistControl).find(".9 ="), std::string::npos);
  EXPECT_EQ(Lines(Walk(sw, kEtherHistory + ".2.9")), 0);
}

TEST(SwitchSim, SetRefusesWrongTypesReadOnlyObjectsAndValuesOutsideTheirRangeAllOrNothing) {
  SwitchSimAgent sw;
  ASSERT_TRUE(sw.Started());
  EXPECT_NE(Set(sw, {kRmonState, "s", "enabled"}).find("wrongType"), std::string::npos);
  EXPECT_NE(Set(sw, {"1.3.6.1.4.1.171.12.1.1.6.0", "s", "x"}).find("notWritable"), std::string::npos);
  EXPECT_NE(Set(sw, {kRmonState, "i", "9"}).find("wrongValue"), std::string::npos);
  EXPECT_NE(Set(sw, {"1.3.6.1.2.1.17.2.12.0", "i", "500"}).find("wrongValue"), std::string::npos);
  EXPECT_NE(Set(sw, {"1.3.6.1.4.1.171.11.43.2.2.10.2.0", "x", "F000"}).find("wrongLength"), std::string::npos);
  // One refused binding leaves the others unwritten too.
  EXPECT_NE(Set(sw, {kSysName, "s", "changed", kRmonState, "i", "9"}).find("wrongValue"), std::string::npos);
  EXPECT_EQ(Get(sw, kSysName), "\"MS-2416X\"");
  // The read community cannot write at all.
  auto args = V2(sw, SwitchSimAgent::kReadCommunity, {});
  args.insert(args.end(), {kSysName, "s", "x"});
  EXPECT_NE(Tool("snmpset", args).find("noAccess"), std::string::npos);
}

TEST(SwitchSim, BridgeRefusesTimersOutOfRelationOddPrioritiesClassesBeyondThePortAndPromiscuousPorts) {
  SwitchSimAgent sw;
  ASSERT_TRUE(sw.Started());
  const std::string stp = "1.3.6.1.2.1.17.2.";
  // 2 * (forward delay - 100) >= max age >= 2 * (hello time + 100), with the others as they are.
  EXPECT_NE(Set(sw, {stp + "14.0", "i", "1000"}).find("inconsistentValue"), std::string::npos);  // 1800 < 2000
  EXPECT_NE(Set(sw, {stp + "12.0", "i", "600", stp + "13.0", "i", "300"}).find("inconsistentValue"),
            std::string::npos);
  EXPECT_EQ(Set(sw, {stp + "12.0", "i", "2800", stp + "13.0", "i", "300"}).find("Error"), std::string::npos);
  EXPECT_EQ(Get(sw, stp + "12.0"), "2800");
  EXPECT_NE(Set(sw, {stp + "2.0", "i", "4097"}).find("wrongValue"), std::string::npos);
  EXPECT_EQ(Set(sw, {stp + "2.0", "i", "8192"}).find("Error"), std::string::npos);
  // Port 3 has 4 traffic classes: 0..3.
  const std::string classOf3 = "1.3.6.1.2.1.17.6.1.2.3.1.2.3.";
  EXPECT_NE(Set(sw, {classOf3 + "5", "i", "4"}).find("inconsistentValue"), std::string::npos);
  EXPECT_EQ(Set(sw, {classOf3 + "5", "i", "3"}).find("Error"), std::string::npos);
  const std::string promiscuous = "1.3.6.1.2.1.31.1.1.1.16.4";
  EXPECT_NE(Set(sw, {promiscuous, "i", "1"}).find("wrongValue"), std::string::npos);
  EXPECT_EQ(Set(sw, {promiscuous, "i", "2"}).find("Error"), std::string::npos);
}

TEST(SwitchSim, StandardGroupsOfTheCompanionViewsAnswerAndTheirCountersGrow) {
  SwitchSimAgent sw;
  ASSERT_TRUE(sw.Started());
  for (const char *oid : {"1.3.6.1.2.1.4.21.1.7.0.0.0.0", "1.3.6.1.2.1.4.20.1.3.10.90.90.90", "1.3.6.1.2.1.5.26.0",
                          "1.3.6.1.2.1.7.5.1.2.0.0.0.0.161", "1.3.6.1.2.1.11.32.0", "1.3.6.1.2.1.17.4.3.1.3.0.29.79.36.22.0",
                          "1.3.6.1.2.1.17.6.1.1.4.1.1.24", "1.3.6.1.2.1.17.6.1.3.1.1.3.24",
                          "1.3.6.1.2.1.17.6.1.4.1.1.4.24", "1.3.6.1.2.1.17.7.1.2.1.1.2.20",
                          "1.3.6.1.2.1.17.7.1.3.2.1.5.1.1.0.94.127.255.250.0", "1.3.6.1.2.1.47.1.2.1.1.8.1",
                          "1.3.6.1.2.1.16.1.1.1.21.24", "1.3.6.1.2.1.16.9.1.1.7.2"})
    EXPECT_EQ(Get(sw, oid, "-Oqn").find("No Such"), std::string::npos) << oid;
  EXPECT_EQ(Lines(Walk(sw, "1.3.6.1.2.1.16.1.1.1.2")), 24);  // one statistics row per port
  EXPECT_EQ(Get(sw, "1.3.6.1.2.1.16.1.1.1.2.7", "-Oqvn"), ".1.3.6.1.2.1.2.2.1.1.7");
  const std::string classes = Walk(sw, "1.3.6.1.2.1.47.1.1.1.1.5");
  EXPECT_EQ(Lines(classes), 28);  // chassis, backplane, power supply, fan and the 24 ports
  EXPECT_EQ(Get(sw, "1.3.6.1.2.1.47.1.1.1.1.5.124"), "10");   // port 24
  EXPECT_EQ(Get(sw, "1.3.6.1.2.1.47.1.1.1.1.4.124"), "2");    // on the backplane
  EXPECT_EQ(Get(sw, "1.3.6.1.2.1.17.7.1.1.4.0"), "3");
  EXPECT_EQ(Lines(Walk(sw, "1.3.6.1.2.1.17.7.1.4.2.1.6")), 3);
  // Rated counters grow with time, the snmp group with the requests received; the
  // counters of a port without link stand still.
  const std::vector<std::string> growing = {"1.3.6.1.2.1.16.1.1.1.4.1", "1.3.6.1.2.1.17.4.4.1.3.1",
                                            "1.3.6.1.2.1.4.3.0", "1.3.6.1.2.1.5.1.0", "1.3.6.1.2.1.7.1.0",
                                            "1.3.6.1.2.1.11.1.0"};
  std::vector<unsigned long long> before;
  for (const auto &oid : growing) before.push_back(std::stoull(Get(sw, oid)));
  const std::string idle = Get(sw, "1.3.6.1.2.1.16.1.1.1.4.24");
  std::this_thread::sleep_for(std::chrono::milliseconds(1100));
  for (size_t i = 0; i < growing.size(); ++i) EXPECT_GT(std::stoull(Get(sw, growing[i])), before[i]) << growing[i];
  EXPECT_EQ(Get(sw, "1.3.6.1.2.1.16.1.1.1.4.24"), idle);
}

TEST(SwitchSim, WritableStandardObjectsReadBackAndReadOnlyOnesRefuse) {
  SwitchSimAgent sw;
  ASSERT_TRUE(sw.Started());
  struct Write {
    std::string oid, type, value, readBack;
  };
  const std::vector<Write> writes = {
      {"1.3.6.1.2.1.1.6.0", "s", "Building 7, floor 2", "\"Building 7, floor 2\""},
      {"1.3.6.1.2.1.1.4.0", "s", "noc@example.org", "\"noc@example.org\""},
      {"1.3.6.1.2.1.4.1.0", "i", "1", "1"},
      {"1.3.6.1.2.1.4.2.0", "i", "32", "32"},
      {"1.3.6.1.2.1.11.30.0", "i", "1", "1"},
      {"1.3.6.1.2.1.17.4.2.0", "i", "600", "600"},
      {"1.3.6.1.2.1.17.6.1.3.1.1.1.3", "i", "30", "30"},
      {"1.3.6.1.2.1.17.6.1.4.1.1.1.3", "i", "2", "2"},
      {"1.3.6.1.2.1.47.1.1.1.1.14.101", "s", "to the printer", "\"to the printer\""},
      {"1.3.6.1.2.1.47.1.1.1.1.15.1", "s", "INV-0042", "\"INV-0042\""},
  };
  for (const Write &w : writes) {
    int rc = -1;
    const std::string out = Set(sw, {w.oid, w.type, w.value}, &rc);
    EXPECT_EQ(rc, 0) << w.oid << ": " << out;
    EXPECT_EQ(Get(sw, w.oid), w.readBack) << w.oid;
  }
  EXPECT_NE(Set(sw, {"1.3.6.1.2.1.4.2.0", "i", "0"}).find("wrongValue"), std::string::npos);
  EXPECT_NE(Set(sw, {"1.3.6.1.2.1.47.1.1.1.1.2.1", "s", "x"}).find("notWritable"), std::string::npos);
  EXPECT_NE(Set(sw, {"1.3.6.1.2.1.16.1.1.1.2.1", "o", "1.3.6.1.2.1.2.2.1.1.2"}).find("notWritable"),
            std::string::npos);
}

TEST(SwitchSim, StaticVlanRowsAreCreatedChangedAndDestroyedAndTheCurrentTableFollows) {
  SwitchSimAgent sw;
  ASSERT_TRUE(sw.Started());
  const std::string st = "1.3.6.1.2.1.17.7.1.4.3.1.", cur = "1.3.6.1.2.1.17.7.1.4.2.1.";
  EXPECT_EQ(Get(sw, st + "1.1"), "\"default\"");
  EXPECT_EQ(Get(sw, st + "2.1", "-Oqvx"), "\"FF FF FF 00 \"");
  int rc = -1;
  Set(sw, {st + "5.30", "i", "5", st + "1.30", "s", "test", st + "2.30", "x", "C0000000"}, &rc);  // createAndWait
  ASSERT_EQ(rc, 0);
  EXPECT_EQ(Get(sw, st + "5.30"), "2");  // notInService: not a current VLAN yet
  EXPECT_NE(Get(sw, cur + "4.0.30", "-Oqn").find("No Such"), std::string::npos);
  Set(sw, {st + "5.30", "i", "1"}, &rc);
  ASSERT_EQ(rc, 0);
  EXPECT_EQ(Get(sw, cur + "4.0.30", "-Oqvx"), "\"C0 00 00 00 \"");
  EXPECT_EQ(Get(sw, "1.3.6.1.2.1.17.7.1.1.4.0"), "4");
  Set(sw, {st + "2.30", "x", "F0000100", st + "4.30", "x", "30000000"}, &rc);
  ASSERT_EQ(rc, 0);
  EXPECT_EQ(Get(sw, cur + "4.0.30", "-Oqvx"), "\"F0 00 01 00 \"");
  EXPECT_EQ(Get(sw, cur + "5.0.30", "-Oqvx"), "\"30 00 00 00 \"");
  // A port is never an egress port and a forbidden one at once.
  EXPECT_NE(Set(sw, {st + "3.30", "x", "80000000"}).find("inconsistentValue"), std::string::npos);
  EXPECT_NE(Set(sw, {st + "5.31", "i", "4", st + "2.31", "x", "80000000", st + "3.31", "x", "80000000"})
                .find("inconsistentValue"), std::string::npos);
  EXPECT_NE(Set(sw, {st + "5.4095", "i", "4"}).find("noCreation"), std::string::npos);
  Set(sw, {st + "5.30", "i", "6"}, &rc);
  ASSERT_EQ(rc, 0);
  EXPECT_EQ(Walk(sw, st + "1").find(".30 ="), std::string::npos);
  EXPECT_EQ(Walk(sw, cur + "3").find(".0.30 ="), std::string::npos);
  EXPECT_EQ(Get(sw, "1.3.6.1.2.1.17.7.1.1.4.0"), "3");
}

TEST(SwitchSim, AlarmAndEventRowsFollowTheEntryStatusSequence) {
  SwitchSimAgent sw;
  ASSERT_TRUE(sw.Started());
  const std::string alarm = "1.3.6.1.2.1.16.3.1.1.", event = "1.3.6.1.2.1.16.9.1.1.";
  EXPECT_EQ(Lines(Walk(sw, alarm + "12")), 2);
  EXPECT_EQ(Lines(Walk(sw, event + "7")), 2);
  int rc = -1;
  Set(sw, {alarm + "12.5", "i", "2"}, &rc);  // createRequest
  ASSERT_EQ(rc, 0);
  EXPECT_EQ(Get(sw, alarm + "12.5"), "3");  // underCreation
  EXPECT_EQ(Get(sw, alarm + "1.5"), "5");
  // Valid only once the alarm samples an integer-valued object that exists.
  EXPECT_NE(Set(sw, {alarm + "12.5", "i", "1"}).find("inconsistentValue"), std::string::npos);
  EXPECT_NE(Set(sw, {alarm + "3.5", "o", "1.3.6.1.2.1.1.5.0", alarm + "12.5", "i", "1"}).find("inconsistentValue"),
            std::string::npos);
  Set(sw, {alarm + "3.5", "o", "1.3.6.1.2.1.2.2.1.14.5", alarm + "4.5", "i", "1", alarm + "7.5", "i", "10",
           alarm + "9.5", "i", "1", alarm + "11.5", "s", "tester", alarm + "12.5", "i", "1"},
      &rc);
  ASSERT_EQ(rc, 0);
  EXPECT_EQ(Get(sw, alarm + "12.5"), "1");
  // The value is the sample: port 5's in-errors as they are, port 1's in-octets per 30 s.
  EXPECT_EQ(Get(sw, alarm + "5.5"), "3");
  EXPECT_EQ(Get(sw, alarm + "5.1"), "7500000");
  EXPECT_EQ(Get(sw, alarm + "11.5"), "\"tester\"");
  EXPECT_NE(Set(sw, {alarm + "2.5", "i", "5"}).find("inconsistentValue"), std::string::npos);  // locked while valid
  Set(sw, {alarm + "11.5", "s", "owner"}, &rc);
  EXPECT_EQ(rc, 0);
  Set(sw, {event + "7.3", "i", "2", event + "2.3", "s", "port 5 errors", event + "3.3", "i", "2"}, &rc);
  ASSERT_EQ(rc, 0);
  Set(sw, {event + "7.3", "i", "1"}, &rc);
  ASSERT_EQ(rc, 0);
  EXPECT_EQ(Get(sw, event + "2.3"), "\"port 5 errors\"");
  for (const std::string &status : {alarm + "12.5", event + "7.3"}) {
    Set(sw, {status, "i", "4"}, &rc);  // invalid
    ASSERT_EQ(rc, 0);
  }
  EXPECT_EQ(Lines(Walk(sw, alarm + "12")), 2);
  EXPECT_EQ(Walk(sw, event).find(".3 ="), std::string::npos);
}

TEST(SwitchSim, LedStatusFollowsThePortControlTable) {
  SwitchSimAgent sw;
  ASSERT_TRUE(sw.Started());
  auto ledByte = [&](size_t i) {
    const auto octets = HexOctets(Get(sw, kLed, "-Oqvx"));
    return i < octets.size() ? octets[i] : std::string("missing");
  };
  EXPECT_EQ(HexOctets(Get(sw, kLed, "-Oqvx")).size(), 55u);
  EXPECT_EQ(ledByte(0), "02");  // power
  EXPECT_EQ(ledByte(3), "82");  // port 1: gigabit link, busy
  EXPECT_EQ(ledByte(4), "03");
  EXPECT_EQ(ledByte(49), "06");  // port 24 is disabled: dark
  int rc = -1;
  Set(sw, {kPortAdmin + ".1", "i", "2"}, &rc);
  ASSERT_EQ(rc, 0);
  EXPECT_EQ(ledByte(3), "06");
  EXPECT_EQ(Get(sw, "1.3.6.1.2.1.2.2.1.8.1"), "2");  // ifOperStatus down
  Set(sw, {kPortAdmin + ".24", "i", "3"}, &rc);
  EXPECT_EQ(ledByte(49), "00");  // enabled, but no cable in
}

TEST(SwitchSim, PingTestRunsToFinishWithCounts) {
  SwitchSimAgent sw;
  ASSERT_TRUE(sw.Started());
  int rc = -1;
  Set(sw, {kPing + ".1.0", "a", "10.1.2.3", kPing + ".2.0", "i", "3", kPing + ".3.0", "i", "1"}, &rc);
  ASSERT_EQ(rc, 0);
  EXPECT_EQ(Get(sw, kPing + ".4.0"), "1");  // proceeding
  ASSERT_TRUE(Eventually([&] { return Get(sw, kPing + ".4.0") == "0"; }));
  EXPECT_EQ(Get(sw, kPing + ".5.0"), "3");
  EXPECT_EQ(Get(sw, kPing + ".6.0"), "0");
  Set(sw, {kPing + ".1.0", "a", "192.0.2.7", kPing + ".2.0", "i", "2", kPing + ".3.0", "i", "1"}, &rc);
  ASSERT_TRUE(Eventually([&] { return Get(sw, kPing + ".4.0") == "0"; }));
  EXPECT_EQ(Get(sw, kPing + ".5.0"), "0");
  EXPECT_EQ(Get(sw, kPing + ".6.0"), "2");
}

TEST(SwitchSim, RebootForgetsUnsavedChangesAndKeepsSavedOnes) {
  SwitchSimAgent sw;
  ASSERT_TRUE(sw.Started());
  const std::string reset = "1.3.6.1.4.1.171.12.1.2.3.0", save = "1.3.6.1.4.1.171.12.1.2.6.0",
                    saveState = "1.3.6.1.4.1.171.12.1.1.4.0";
  int rc = -1;
  Set(sw, {kSysName, "s", "unsaved"}, &rc);
  ASSERT_EQ(rc, 0);
  EXPECT_EQ(Get(sw, saveState), "4");  // changed-not-save
  Set(sw, {reset, "i", "2"}, &rc);
  ASSERT_EQ(rc, 0);
  ASSERT_TRUE(Eventually([&] { return Get(sw, kSysName, "-Oqv", "0.2") == "\"MS-2416X\""; }, 5000));
  Set(sw, {kSysName, "s", "kept", save, "i", "3"}, &rc);
  ASSERT_EQ(rc, 0);
  ASSERT_TRUE(Eventually([&] { return Get(sw, saveState) == "3"; }));
  Set(sw, {reset, "i", "3"}, &rc);
  std::this_thread::sleep_for(std::chrono::milliseconds(600));
  ASSERT_TRUE(Eventually([&] { return Get(sw, kSysName, "-Oqv", "0.2") == "\"kept\""; }, 5000));
  EXPECT_LT(std::stoull(Get(sw, "1.3.6.1.2.1.1.3.0", "-Oqvt")), 1000u);  // uptime started again
}

TEST(SwitchSim, V3UsersWithEachProtocolPair) {
  SwitchSimAgent sw({{"md5des:MD5:md5password:DES:despassword", "shaaes:SHA:shapassword:AES:aespassword",
                      "sha256:SHA-256:sha256password:AES:aespassword", "authonly:SHA:shapassword", "plain"}, false, {}});
  ASSERT_TRUE(sw.Started()) << sw.Output();
  struct Case {
    std::vector<std::string> args;
  };
  const std::vector<Case> cases = {
      {{"-l", "authPriv", "-u", "md5des", "-a", "MD5", "-A", "md5password", "-x", "DES", "-X", "despassword"}},
      {{"-l", "authPriv", "-u", "shaaes", "-a", "SHA", "-A", "shapassword", "-x", "AES", "-X", "aespassword"}},
      {{"-l", "authPriv", "-u", "sha256", "-a", "SHA-256", "-A", "sha256password", "-x", "AES", "-X", "aespassword"}},
      {{"-l", "authNoPriv", "-u", "authonly", "-a", "SHA", "-A", "shapassword"}},
      {{"-l", "noAuthNoPriv", "-u", "plain"}},
  };
  for (const auto &c : cases) {
    std::vector<std::string> args = {"-v3", "-r0", "-t2", "-Oqv"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    args.insert(args.end(), {sw.Target(), "1.3.6.1.2.1.2.1.0"});
    EXPECT_EQ(Trim(Tool("snmpget", args)), "24") << c.args[3];
  }
  // Users may write, and a wrong password gets nowhere.
  int rc = -1;
  Tool("snmpset", {"-v3", "-r0", "-t2", "-l", "authPriv", "-u", "sha256", "-a", "SHA-256", "-A", "sha256password", "-x", "AES",
                   "-X", "aespassword", sw.Target(), kSysName, "s", "by-v3"},
       &rc);
  EXPECT_EQ(rc, 0);
  EXPECT_EQ(Get(sw, kSysName), "\"by-v3\"");
  Tool("snmpget", {"-v3", "-r0", "-t1", "-l", "authNoPriv", "-u", "shaaes", "-a", "SHA", "-A", "wrongpassword", sw.Target(),
                   "1.3.6.1.2.1.2.1.0"},
       &rc);
  EXPECT_NE(rc, 0);
  EXPECT_NE(Walk(sw, "1.3.6.1.6.3.15.1.2.2.1.3").find("\"sha256\""), std::string::npos);  // usmUserTable
}

TEST(SwitchSim, RequestLogHasEveryBindingWithTypeAndValue) {
  SwitchSimAgent sw({{}, true, {}});
  ASSERT_TRUE(sw.Started());
  int rc = -1;
  Set(sw, {"1.3.6.1.4.1.171.11.43.2.2.10.2.0", "x", "80800000", kRmonState, "i", "3"}, &rc);
  ASSERT_EQ(rc, 0);
  const auto sets = sw.LogLinesWith({"\"op\":\"set\""});
  ASSERT_EQ(sets.size(), 1u);
  EXPECT_NE(sets[0].find("\"version\":\"2c\",\"community\":\"wrtgate\""), std::string::npos) << sets[0];
  EXPECT_NE(sets[0].find("{\"oid\":\"1.3.6.1.4.1.171.11.43.2.2.10.2.0\",\"type\":\"STRING\",\"value\":\"0x80800000\"}"),
            std::string::npos)
      << sets[0];
  EXPECT_NE(sets[0].find("{\"oid\":\"" + kRmonState + "\",\"type\":\"INTEGER\",\"value\":\"3\"}"), std::string::npos);
  EXPECT_FALSE(sw.LogLinesWith({"\"op\":\"get\"", "\"community\":\"rdwalk\"", "1.3.6.1.2.1.1.3.0"}).empty());
}

TEST(SwitchSim, DelayedAnswersArriveLate) {
  SwitchSimAgent sw({{}, false, {"--delay-ms", "400"}});
  ASSERT_TRUE(sw.Started());
  int rc = -1;
  Tool("snmpget", {"-v2c", "-c", "rdwalk", "-r0", "-t0.15", sw.Target(), "1.3.6.1.2.1.1.5.0"}, &rc);
  EXPECT_NE(rc, 0);  // timed out
  const auto start = std::chrono::steady_clock::now();
  Tool("snmpget", {"-v2c", "-c", "rdwalk", "-r0", "-t3", sw.Target(), "1.3.6.1.2.1.1.5.0"}, &rc);
  EXPECT_EQ(rc, 0);
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(380));
  // Stopped with an answer still waiting, it frees what it kept for it: under the leak
  // checker a leak would end it with a failure status.
  Tool("snmpget", {"-v2c", "-c", "rdwalk", "-r0", "-t0.05", sw.Target(), "1.3.6.1.2.1.1.5.0"}, &rc);
  const int status = sw.Stop();
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status << "\n" << sw.Output();
}

TEST(SwitchSim, DropEveryNthRequest) {
  SwitchSimAgent sw({{}, true, {"--drop-every", "3"}});
  ASSERT_TRUE(sw.Started());
  int answered = 0;
  for (int i = 0; i < 6; ++i) {
    int rc = -1;
    Tool("snmpget", {"-v2c", "-c", "rdwalk", "-r0", "-t0.3", sw.Target(), kSysName}, &rc);
    answered += rc == 0;
  }
  // Six requests in a row hold two multiples of three, whatever came before them.
  EXPECT_EQ(answered, 4);
  EXPECT_EQ(sw.LogLinesWith({"\"dropped\":true", kSysName}).size(), 2u);
  EXPECT_EQ(sw.LogLinesWith({"\"dropped\":false", kSysName}).size(), 4u);
}

TEST(SwitchSim, TooBigAboveTheGivenNumberOfValuesAndErrorAnswersToGetBulk) {
  SwitchSimAgent sw({{}, true, {"--too-big", "10"}});
  ASSERT_TRUE(sw.Started());
  auto bulk = [&](const std::string &repetitions, int *rc) {
    auto args = V2(sw, SwitchSimAgent::kReadCommunity, {"-On", "-Cn1", "-Cr" + repetitions});
    args.insert(args.end(), {kSysName, kTrunk, kPortAdmin});
    return Tool("snmpbulkget", args, rc);
  };
  int rc = -1;
  EXPECT_NE(bulk("4", &rc).find(kTrunk), std::string::npos);  // 1 + 2 x 4 values
  EXPECT_EQ(rc, 0);
  const std::string refused = bulk("5", &rc);  // 1 + 2 x 5
  EXPECT_NE(refused.find("tooBig"), std::string::npos) << refused;
  EXPECT_EQ(sw.LogLinesWith({"\"maxRepetitions\":5", "\"tooBig\":true"}).size(), 1u);
  EXPECT_EQ(sw.LogLinesWith({"\"tooBig\":true"}).size(), 1u);
  EXPECT_EQ(Get(sw, kSysName).empty(), false);  // a Get of one value is answered

  SwitchSimAgent refusing({{}, false, {"--bulk-error", "5"}});
  ASSERT_TRUE(refusing.Started());
  auto args = V2(refusing, SwitchSimAgent::kReadCommunity, {"-Cr2"});
  args.push_back(kTrunk);
  EXPECT_NE(Tool("snmpbulkget", args, &rc).find("genErr"), std::string::npos);
  EXPECT_EQ(Get(refusing, kSysName).empty(), false);
}

TEST(SwitchSim, GeneratedRowsFollowTheLastRowInIndexOrderAndAreReadLikeStoredOnes) {
  const std::string igmp = "1.3.6.1.4.1.171.11.43.2.2.11.5.1", ifEntry = "1.3.6.1.2.1.2.2.1";
  SwitchSimAgent sw({{}, false, {"--generate", igmp + ":70000", "--generate", ifEntry + ":3"}});
  ASSERT_TRUE(sw.Started()) << sw.Output();
  // Every generated row, in order after the stored ones, with the index address in its
  // group column: the last three octets counted on in base 256 past 65,536 rows.
  auto walk = V2(sw, SwitchSimAgent::kReadCommunity, {"-On", "-Oq", "-Cr200"});
  walk.push_back(igmp + ".2");
  std::istringstream lines(Tool("snmpbulkwalk", walk));
  std::vector<std::string> oids;
  std::string last;
  for (std::string oid, value; lines >> oid >> value;) {
    oids.push_back(oid);
    last = value;
    const std::string address = oid.substr(oid.size() - value.size());
    if (oids.size() > 4) {
      ASSERT_EQ(address, value) << oid;
    }
  }
  const size_t stored = oids.size() - 70000;
  ASSERT_GE(oids.size(), 70000u);
  EXPECT_LE(stored, 10u);
  EXPECT_EQ(Get(sw, oids.back()), last);
  EXPECT_EQ(Get(sw, igmp + ".5" + oids.back().substr(1 + igmp.size() + 2)), Get(sw, igmp + ".5" + oids[stored - 1].substr(1 + igmp.size() + 2)));
  // A numeric index counts on; the index column follows it, the others copy the last row.
  EXPECT_EQ(Get(sw, ifEntry + ".1.27"), "27");
  EXPECT_EQ(Get(sw, ifEntry + ".2.27"), Get(sw, ifEntry + ".2.24"));
  EXPECT_NE(Get(sw, ifEntry + ".1.28", "-Oqv"), "28");  // three rows only
  int rc = -1;
  Tool(SwitchSimAgent::SimulatorPath(), {"--generate", "1.3.6.1.4.1.99.1:10"}, &rc);  // no such table
  EXPECT_EQ(rc, 2);
  Tool(SwitchSimAgent::SimulatorPath(), {"--generate", ifEntry}, &rc);
  EXPECT_EQ(rc, 2);
}

TEST(SwitchSim, WrongTypeShortStringAndPulledCableFaults) {
  SwitchSimAgent sw({{}, false, {"--wrong-type", kRmonState, "--short", kLed + ":10", "--link-down", "2"}});
  ASSERT_TRUE(sw.Started());
  EXPECT_EQ(Get(sw, kRmonState, "-Oqn"), "." + kRmonState + " \"3\"");  // an OCTET STRING now
  const auto led = HexOctets(Get(sw, kLed, "-Oqvx"));
  ASSERT_EQ(led.size(), 10u);
  EXPECT_EQ(led[5], "00");                                              // port 2: no link
  EXPECT_EQ(Get(sw, "1.3.6.1.2.1.2.2.1.8.2"), "2");                    // ifOperStatus down
  EXPECT_EQ(Get(sw, "1.3.6.1.4.1.171.11.43.2.2.1.2.2.0"), "2");        // others unchanged
}

TEST(SwitchSim, StopsWithStatusZeroAndRefusesBadCommandLinesAndData) {
  {
    SwitchSimAgent sw;
    ASSERT_TRUE(sw.Started());
    const int status = sw.Stop();
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
  }
  int rc = -1;
  EXPECT_NE(Tool(SwitchSimAgent::SimulatorPath(), {"--bogus"}, &rc).find("unknown option"), std::string::npos);
  EXPECT_EQ(rc, 2);
  EXPECT_NE(Tool(SwitchSimAgent::SimulatorPath(), {"--user", "bob:SHA:short"}, &rc).find("at least 8"), std::string::npos);
  EXPECT_EQ(rc, 2);
  for (const char *bad : {"25", "0@1", "3@soon"}) {
    Tool(SwitchSimAgent::SimulatorPath(), {"--link-down", bad}, &rc);
    EXPECT_EQ(rc, 2) << bad;
  }
  const std::string dir = MakeTempDir("switchsim_data_");
  std::ofstream(dir + "/bad.simdata") << "@subtree 1.3.6.1.4.1.171\n1.3.6.1.4.1.171.1.0 INTEGER ro twelve\n";
  const std::string out = Tool(SwitchSimAgent::SimulatorPath(), {"--data", dir + "/bad.simdata", "--state-dir", dir + "/s"}, &rc);
  EXPECT_EQ(rc, 3);
  EXPECT_NE(out.find("bad.simdata:2: bad integer 'twelve'"), std::string::npos) << out;
  std::filesystem::remove_all(dir);
}
