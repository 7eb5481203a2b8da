#include "agent_process.h"
#include "kv_process.h"
#include "module_launcher.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <thread>

namespace {
KvSNMPSettings V3Session() {
  KvSNMPSettings s;
  s.Device = {"192.0.2.10", 1161};
  s.Scope.ContextEngineId = "ENG";
  s.Security.Version = 3;
  s.Security.SecurityModel = 3;
  s.Security.SecurityName = "operator";
  s.Security.SecurityLevel = 3;
  s.Security.AuthProtocol = 2;
  s.Security.AuthPassword = "authpass";
  s.Security.PrivProtocol = 2;
  s.Security.PrivPassword = "privpass";
  s.Security.ReadCommunity = "public";
  s.Security.WriteCommunity = "private";
  return s;
}

std::string Line(const std::string &argument, const KvStartupSettings &given, const KvSNMPSettings &session,
                 const std::string &folder = "/opt/m/") {
  return CompanionStart(argument, given, session, folder).CommandLine;
}

using Changes = std::vector<std::pair<std::string, std::optional<std::string>>>;
Changes Environment(const KvStartupSettings &given, const KvSNMPSettings &session) {
  Changes out;
  for (const Platform::EnvironmentChange &c : CompanionStart("/TMIB_Info", given, session, "").Environment)
    out.emplace_back(c.Name, c.Value);
  return out;
}
}  // namespace

TEST(ModuleLauncher, CommandLinesForCommunitiesAndSnmpV3WithAndWithoutSettingsFile) {
  KvStartupSettings given;
  KvSNMPSettings s = V3Session();
  // SNMPv1, and SNMPv1 switched to SNMPv2c for Counter64: the agent, version and communities.
  for (uint8_t version : {0, 1}) {
    s.Security.Version = version;
    EXPECT_EQ(Line("/TMIB_Info", given, s),
              "/opt/m/MIB.EXE /I192.0.2.10 /t1161 /v" + std::to_string(version) + " /Rpublic /Wprivate /TMIB_Info");
  }

  s = V3Session();
  // Without a settings file everything goes on, what was never given with the value the
  // session uses; the pass phrases never go on a command line.
  EXPECT_EQ(Line("/TBridge_Port", given, s),
            "/opt/m/Bridge.EXE /I192.0.2.10 /t1161 /v3 /dENG /m3 /noperator /c /l3 /a2 /p2 /TBridge_Port");
  given.CfgFileFound = true;
  EXPECT_EQ(Line("/TVLan_GARP", given, s), "/opt/m/VLan.EXE /I192.0.2.10 /t1161 /v3 /dENG /m3 /noperator /TVLan_GARP");
  s.Scope.ContextName = "ctx";
  given.ContextNameGiven = given.AuthProtocolGiven = given.PrivPasswordGiven = true;
  EXPECT_EQ(Line("/TRmon_Statistics", given, s, ""),
            "Rmon.EXE /I192.0.2.10 /t1161 /v3 /dENG /m3 /noperator /cctx /a2 /TRmon_Statistics");
  // Without "_" the module name is empty; the view argument always comes last.
  s.Security.Version = 1;
  EXPECT_EQ(Line("/TMIB", given, s, "/m/"), "/m/.EXE /I192.0.2.10 /t1161 /v1 /Rpublic /Wprivate /TMIB");
  EXPECT_EQ(Line("_x", given, s, "/m/"), "/m/.EXE /I192.0.2.10 /t1161 /v1 /Rpublic /Wprivate _x");
  EXPECT_EQ(Line("/TEntityMIB_Physical", given, s, "/m/").substr(0, 17), "/m/EntityMIB.EXE ");

  // The pass phrases go in the environment by the rule of the other SNMPv3 settings; one
  // that is not handed on is taken out of what the companion inherits.
  given = {};
  s = V3Session();
  const std::optional<std::string> none;
  EXPECT_EQ(Environment(given, s), (Changes{{kAuthPasswordVariable, "authpass"}, {kPrivPasswordVariable, "privpass"}}));
  given.CfgFileFound = given.PrivPasswordGiven = true;
  EXPECT_EQ(Environment(given, s), (Changes{{kAuthPasswordVariable, none}, {kPrivPasswordVariable, "privpass"}}));
  s.Security.Version = 1;
  EXPECT_EQ(Environment(given, s), (Changes{{kAuthPasswordVariable, none}, {kPrivPasswordVariable, none}}));
}

// The companion takes its start-up from what the module hands on, and must end with the
// module's session: the agent on its own port, the version in use, and for SNMPv3 the
// settings that were never given too (each of them once went on as an empty switch,
// which the companion refused as "'' is not a valid integer value").
TEST(ModuleLauncher, TheCompanionStartsWithTheModulesSession) {
  KvSNMPSettings v2c;
  v2c.Device = {"127.0.0.1", 16100};
  v2c.Security.Version = 1;
  v2c.Security.ReadCommunity = "rdwalk";
  v2c.Security.WriteCommunity = "wrtgate";
  KvSNMPSettings v3;  // port, model, level and protocols as the session's defaults
  v3.Device.Address = "10.0.0.1";
  v3.Security.Version = 3;
  v3.Security.SecurityName = "admin";
  v3.Security.AuthPassword = "auth pass";
  for (const KvSNMPSettings &module : {v2c, v3}) {
    const KvCompanionStart start = CompanionStart("/TMIB_Info", KvStartupSettings{}, module, "");
    std::vector<std::string> parameters;
    std::istringstream words(start.CommandLine);
    for (std::string word; words >> word;) parameters.push_back(word);
    for (const Platform::EnvironmentChange &change : start.Environment)
      if (change.Value) ::setenv(change.Name.c_str(), change.Value->c_str(), 1);
    KvStartupSettings texts;
    KvSNMPSettings companion;  // a fresh start-up's
    ApplyPassPhraseEnvironment(texts, companion);
    ASSERT_NO_THROW(ApplyCommandLine(parameters, texts, companion)) << start.CommandLine;
    EXPECT_EQ(companion.Device.Address, module.Device.Address);
    EXPECT_EQ(companion.Device.Port, module.Device.Port);
    EXPECT_EQ(companion.Security.Version, module.Security.Version);
    EXPECT_EQ(companion.Security.ReadCommunity, module.Security.Version == 3 ? "" : module.Security.ReadCommunity);
    EXPECT_EQ(companion.Security.SecurityName, module.Security.SecurityName);
    EXPECT_EQ(companion.Security.SecurityLevel, module.Security.SecurityLevel);
    EXPECT_EQ(companion.Security.AuthProtocol, module.Security.AuthProtocol);
    EXPECT_EQ(companion.Security.AuthPassword, module.Security.AuthPassword);
  }
}

TEST(ModuleLauncher, StartsTheCompanionWithItsArgumentsSplitAtBlanks) {
  const std::string folder = MakeTempDir("kvlaunch") + "/with blank/";
  std::filesystem::create_directories(folder);
  std::filesystem::copy_file(KV_RECORD_ARGUMENTS, folder + "MIB.EXE");
  KvSNMPSettings s = V3Session();
  s.Security.AuthPassword = "two words";

  LaunchModule(CompanionStart("/TMIB_IFTable", KvStartupSettings{}, s, folder));
  const std::string record = folder + "MIB.EXE.args";
  for (int i = 0; i < 500 && !std::filesystem::exists(record); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  std::ifstream in(record);
  std::stringstream lines;
  lines << in.rdbuf();
  EXPECT_EQ(lines.str(),
            "/I192.0.2.10\n/t1161\n/v3\n/dENG\n/m3\n/noperator\n/c\n/l3\n/a2\n/p2\n/TMIB_IFTable\n"
            "MS2416X_AUTH_PASSWORD=two words\nMS2416X_PRIV_PASSWORD=privpass\n");

  // A companion that is not there: nothing happens, nothing is raised.
  EXPECT_NO_THROW(LaunchModule(CompanionStart("/TBridge_Info", KvStartupSettings{}, s, folder)));
  EXPECT_FALSE(Platform::StartCommandLine(folder + "Bridge.EXE /I1 /TBridge_Info"));
  EXPECT_FALSE(Platform::StartCommandLine(""));
  EXPECT_FALSE(Platform::StartCommandLine(folder + " /x"));  // a folder is not a program
}
