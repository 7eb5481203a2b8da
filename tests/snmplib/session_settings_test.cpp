#include "kv_exception.h"
#include "kv_snmp_request.h"
#include "kv_snmp_session.h"
#include "snmp_printable.h"
#include "snmpd_agent.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
std::string ReadFile(const std::string &path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

void WriteFile(const std::string &path, const std::string &bytes) { std::ofstream(path, std::ios::binary) << bytes; }

int CodeOf(const std::function<void()> &action) {
  try {
    action();
  } catch (const KvException &e) {
    return e.Code();
  }
  return 0;
}

const std::string kOurHex = OctetsToPrintableHex(kLocalEngineId);
}  // namespace

TEST(BootCounter, FirstStartWritesOneAndEachNextStartAddsOne) {
  const std::string dir = MakeTempDir("kvboot");
  const std::string file = dir + "/" + kBootCounterFileName;
  EXPECT_EQ(IncrementBootCounter(file, kLocalEngineId), 1u);
  EXPECT_EQ(ReadFile(file), kOurHex + " 1\n");
  EXPECT_EQ(IncrementBootCounter(file, kLocalEngineId), 2u);
  EXPECT_EQ(ReadFile(file), kOurHex + " 2\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);  // no temporary left
  fs::remove_all(dir);
}

TEST(BootCounter, CommentsAndOtherEnginesLinesSurvive) {
  const std::string dir = MakeTempDir("kvboot");
  const std::string file = dir + "/" + kBootCounterFileName;
  const std::string ourLower = [] {
    std::string s = kOurHex;
    for (char &c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
  }();
  WriteFile(file, "# boots\n" + OctetsToPrintableHex("other") + " 17\n" + ourLower + " 41\nnot a counter line\n");
  EXPECT_EQ(IncrementBootCounter(file, kLocalEngineId), 42u);
  EXPECT_EQ(ReadFile(file),
            "# boots\n" + OctetsToPrintableHex("other") + " 17\n" + kOurHex + " 42\nnot a counter line\n");
  fs::remove_all(dir);
}

TEST(BootCounter, MalformedLineOfOurEngineFailsWithMinus507AndKeepsTheFile) {
  const std::string dir = MakeTempDir("kvboot");
  const std::string file = dir + "/" + kBootCounterFileName;
  for (const std::string &bad : {kOurHex + " many\n", kOurHex + "\n", kOurHex + " -3\n", kOurHex + " 99999999999\n"}) {
    WriteFile(file, bad);
    EXPECT_EQ(CodeOf([&] { IncrementBootCounter(file, kLocalEngineId); }), -507) << bad;
    EXPECT_EQ(ReadFile(file), bad);
  }
  fs::remove_all(dir);
}

TEST(BootCounter, UnwritableFolderFailsWithMinus508) {
  const std::string dir = MakeTempDir("kvboot");
  EXPECT_EQ(CodeOf([&] { IncrementBootCounter(dir + "/missing/" + kBootCounterFileName, kLocalEngineId); }), -508);
  if (::geteuid() != 0) {  // permissions do not stop root
    fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(CodeOf([&] { IncrementBootCounter(dir + "/" + kBootCounterFileName, kLocalEngineId); }), -508);
    fs::permissions(dir, fs::perms::owner_all);
  }
  fs::remove_all(dir);
}

TEST(SessionSettings, CreationFillsDefaultsAndACopyKeepsThemUntilReloaded) {
  const std::string dir = MakeTempDir("kvboot");
  KvSNMPCreateSession(dir);
  ASSERT_NE(GlobalSnmp, nullptr);
  EXPECT_TRUE(fs::exists(dir + "/" + kBootCounterFileName));
  EXPECT_EQ(SNMPDevice.Address, "127.0.0.1");
  EXPECT_EQ(SNMPDevice.Port, 161);
  EXPECT_EQ(SNMPSecurity.ReadCommunity, "rdwalk");
  EXPECT_EQ(SNMPSecurity.WriteCommunity, "wrtgate");
  EXPECT_EQ(SNMPSecurity.Version, 0);
  EXPECT_EQ(SNMPSecurity.SecurityModel, 1);
  EXPECT_EQ(SNMPTimeout, 100u);

  KvSNMPRequest request;
  SNMPSecurity.Version = 3;
  SNMPSecurity.SecurityName = "alice";
  SNMPScope.ContextName = "bridge";
  SNMPTimeout = 300;
  EXPECT_EQ(request.Settings.Security.Version, 0);
  EXPECT_EQ(request.Settings.Security.SecurityName, "");
  request.Settings.Timing.Retries = 4;
  request.LoadSessionSettings();
  EXPECT_EQ(request.Settings.Security.Version, 3);
  EXPECT_EQ(request.Settings.Security.SecurityName, "alice");
  EXPECT_EQ(request.Settings.Timing.Timeout, 300u);
  EXPECT_EQ(request.Settings.Timing.Retries, 4u);  // callers' own choice survives a reload

  SnmpPdu pdu;
  request.Settings.Security.SecurityLevel = 3;
  request.Settings.Scope.ContextEngineId = "engine";
  request.Settings.PreparePdu(pdu);
  EXPECT_EQ(pdu.SecurityLevel, 3);
  EXPECT_EQ(pdu.ContextName, "bridge");
  EXPECT_EQ(pdu.ContextEngineId, "engine");
  SNMPSecurity = KvSNMPSecurity{};
  SNMPScope = KvSNMPScope{};
  fs::remove_all(dir);
}

TEST(SessionSettings, MaxRepetitionsComesFromTheSettingsFileAndAnythingElseLeavesTheWalkItsChoice) {
  const std::string dir = MakeTempDir("kvcfg");
  const std::string file = dir + "/10.1.1.1.cfg";
  const std::pair<std::string, int> cases[] = {
      {"MaxRepetitions=0", 0},   {"maxrepetitions = 25 ", 25}, {"MaxRepetitions=99999", kMaxRepetitionsLimit},
      {"MaxRepetitions=-3", -1}, {"MaxRepetitions=ten", -1},   {"MaxRepetitions=", -1},
      {"AgentPort=161", -1}};
  for (const auto &[line, expected] : cases) {
    WriteFile(file, "[Program Information]\r\n" + line + "\r\n");
    KvSNMPTiming timing;
    timing.MaxRepetitions = 7;
    KvSNMPReadWalkSettings(file, timing);
    EXPECT_EQ(timing.MaxRepetitions, expected) << line;
  }
  KvSNMPTiming timing;
  timing.MaxRepetitions = 7;
  timing.InFlight = 1;
  KvSNMPReadWalkSettings(dir + "/missing.cfg", timing);
  EXPECT_EQ(timing.MaxRepetitions, -1);
  EXPECT_EQ(timing.InFlight, KvSNMPTiming{}.InFlight);  // a file of another device set it before
  // Requests a walk may have on their way at once.
  const std::pair<std::string, int> inFlight[] = {{"InFlight=1", 1}, {"inflight = 3", 3}, {"InFlight=40", kMaxInFlight},
                                                  {"InFlight=0", 4}, {"InFlight=two", 4}};
  for (const auto &[line, expected] : inFlight) {
    WriteFile(file, "[Program Information]\r\n" + line + "\r\n");
    KvSNMPReadWalkSettings(file, timing);
    EXPECT_EQ(timing.InFlight, expected) << line;
  }
  fs::remove_all(dir);
}

TEST(SessionSettings, TargetCarriesCommunitiesOrUsmCredentialsByVersion) {
  KvSNMPSettings s;
  s.Device.Address = "127.0.0.1";
  s.Device.Port = 1161;
  s.Security.ReadCommunity = "r";
  s.Security.WriteCommunity = "w";
  s.Security.SecurityName = "bob";
  s.Security.AuthPassword = "secret12";
  s.Timing.Timeout = 0;
  s.Security.Version = 2;  // not 3: a community target with that version
  SnmpTarget t = s.BuildTarget();
  EXPECT_EQ(t.Version, 2);
  EXPECT_EQ(t.ReadCommunity, "r");
  EXPECT_EQ(t.WriteCommunity, "w");
  EXPECT_EQ(t.SecurityName, "");
  EXPECT_EQ(t.Timeout, 1);  // never a zero wait
  EXPECT_EQ(t.Address.Printable(), "127.0.0.1/1161");
  s.Security.Version = 3;
  t = s.BuildTarget();
  EXPECT_EQ(t.ReadCommunity, "");
  EXPECT_EQ(t.SecurityName, "bob");
  EXPECT_EQ(t.AuthPassword, "secret12");
}

TEST(SessionSettings, VersionTwoIsAnInvalidTargetAndSendsNothing) {
  const std::string dir = MakeTempDir("kvboot");
  KvSNMPCreateSession(dir);
  KvSNMPSettings s = SNMPSettings;
  s.Security.Version = 2;
  SnmpPdu request, response;
  request.AddVb("1.3.6.1.2.1.1.1.0");
  const int sessions = GlobalSnmp->OpenSessionCount();
  EXPECT_EQ(GlobalSnmp->Get(s.BuildTarget(), request, response), SnmpStatus::InvalidTarget);
  EXPECT_EQ(GlobalSnmp->OpenSessionCount(), sessions);
  fs::remove_all(dir);
}

namespace {
// Gets over v2c and SNMPv3 from `agent`, with HOME and the working directory in
// `probe`; the number of results that were not as expected.
int Probe(const SnmpdAgent &agent, const std::string &probe) {
  fs::create_directories(probe + "/home");
  ::setenv("HOME", (probe + "/home").c_str(), 1);
  if (::chdir(probe.c_str()) != 0) return 100;
  KvSNMPCreateSession("");
  KvSNMPSettings s;
  agent.AimAt(s, 1);
  SnmpPdu request, response;
  request.AddVb("1.3.6.1.2.1.1.1.0");
  int failures = GlobalSnmp->Get(s.BuildTarget(), request, response) != 0;
  SnmpdAgent::UseUser(s, "shaaesuser");
  s.PreparePdu(request);
  failures += GlobalSnmp->Get(s.BuildTarget(), request, response) != 0;
  s.Security.AuthPassword = "short";  // refused by USM: must fail quietly
  failures += GlobalSnmp->Get(s.BuildTarget(), request, response) == 0;
  delete GlobalSnmp;
  return failures;
}

// The child process of the test: exits with Probe's count, after its agent stopped.
[[noreturn]] void RunProbe(const std::string &probe) {
  int failures = 3;
  {
    SnmpdAgent agent;
    if (agent.Start()) failures = Probe(agent, probe);
  }
  std::_Exit(failures);
}
}  // namespace

// Runs in a process of its own (net-snmp is set up once per process), with a fresh
// HOME and working directory: after Gets over v2c and SNMPv3 only the boot counter
// file may be there, and nothing may have been printed.
TEST(SessionSettings, NetSnmpWritesNothingButTheBootCounterAndPrintsNothing) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  static std::string probe;
  if (const char *given = std::getenv("KV_PROBE_DIR")) {
    probe = given;
  } else {
    probe = MakeTempDir("kvprobe");
    ::setenv("KV_PROBE_DIR", probe.c_str(), 1);
  }
  EXPECT_EXIT(RunProbe(probe), ::testing::ExitedWithCode(0), "^$");
  std::vector<std::string> found;
  for (const auto &entry : fs::recursive_directory_iterator(probe))
    found.push_back(fs::relative(entry.path(), probe).string());
  std::sort(found.begin(), found.end());
  EXPECT_EQ(found, (std::vector<std::string>{"KvSNMP_PP_BootCounter", "home"}));
  fs::remove_all(probe);
}
