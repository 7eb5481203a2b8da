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
KvStartupSettings V3Texts() {
  KvStartupSettings s;
  s.AddressText = "192.0.2.10";
  s.PortText = "1161";
  s.VersionText = "3";
  s.ContextEngineIdText = "ENG";
  s.SecurityModelText = "3";
  s.SecurityNameText = "operator";
  s.SecurityLevelText = "3";
  s.AuthProtocolText = "2";
  s.AuthPasswordText = "authpass";
  s.PrivProtocolText = "2";
  s.PrivPasswordText = "privpass";
  s.ReadCommunityText = "public";
  s.WriteCommunityText = "private";
  return s;
}
}  // namespace

TEST(ModuleLauncher, CommandLinesForCommunitiesAndSnmpV3WithAndWithoutSettingsFile) {
  KvStartupSettings s = V3Texts();
  s.VersionText = "0";
  // SNMPv1, and SNMPv1 switched to SNMPv2c for Counter64: communities only.
  for (uint8_t version : {0, 1})
    EXPECT_EQ(BuildModuleCommandLine("/TMIB_Info", s, version, "/opt/m/"),
              "/opt/m/MIB.EXE /I192.0.2.10 /Rpublic /Wprivate /TMIB_Info");

  s = V3Texts();
  // The pass phrases never go on a command line.
  EXPECT_EQ(BuildModuleCommandLine("/TBridge_Port", s, 3, "/opt/m/"),
            "/opt/m/Bridge.EXE /I192.0.2.10 /t1161 /v3 /dENG /m3 /noperator /c /l3 /a2 /p2 /TBridge_Port");
  s.CfgFileFound = true;
  EXPECT_EQ(BuildModuleCommandLine("/TVLan_GARP", s, 3, "/opt/m/"),
            "/opt/m/VLan.EXE /I192.0.2.10 /t1161 /v3 /dENG /m3 /noperator /TVLan_GARP");
  s.ContextNameText = "ctx";
  s.ContextNameGiven = s.AuthProtocolGiven = s.PrivPasswordGiven = true;
  EXPECT_EQ(BuildModuleCommandLine("/TRmon_Statistics", s, 3, ""),
            "Rmon.EXE /I192.0.2.10 /t1161 /v3 /dENG /m3 /noperator /cctx /a2 /TRmon_Statistics");
  // Without "_" the module name is empty; the view argument always comes last.
  EXPECT_EQ(BuildModuleCommandLine("/TMIB", s, 1, "/m/"),
            "/m/.EXE /I192.0.2.10 /Rpublic /Wprivate /TMIB");
  EXPECT_EQ(BuildModuleCommandLine("_x", s, 1, "/m/"), "/m/.EXE /I192.0.2.10 /Rpublic /Wprivate _x");
  EXPECT_EQ(BuildModuleCommandLine("/TEntityMIB_Physical", s, 1, "/m/").substr(0, 17),
            "/m/EntityMIB.EXE ");
}

// The pass phrases go in the environment by the rule of the other SNMPv3 settings; one
// that is not handed on is taken out of what the companion inherits.
TEST(ModuleLauncher, PassPhrasesGoInTheEnvironmentByTheSameRule) {
  using Change = std::vector<std::pair<std::string, std::optional<std::string>>>;
  const auto changes = [](const KvStartupSettings &s, uint8_t version) {
    Change out;
    for (const Platform::EnvironmentChange &c : ModulePassPhrases(s, version)) out.emplace_back(c.Name, c.Value);
    return out;
  };
  KvStartupSettings s = V3Texts();
  const std::optional<std::string> none;
  EXPECT_EQ(changes(s, 3), (Change{{kAuthPasswordVariable, "authpass"}, {kPrivPasswordVariable, "privpass"}}));
  EXPECT_EQ(changes(s, 1), (Change{{kAuthPasswordVariable, none}, {kPrivPasswordVariable, none}}));
  s.CfgFileFound = s.PrivPasswordGiven = true;
  EXPECT_EQ(changes(s, 3), (Change{{kAuthPasswordVariable, none}, {kPrivPasswordVariable, "privpass"}}));
}

TEST(ModuleLauncher, StartsTheCompanionWithItsArgumentsSplitAtBlanks) {
  const std::string folder = MakeTempDir("kvlaunch") + "/with blank/";
  std::filesystem::create_directories(folder);
  std::filesystem::copy_file(KV_RECORD_ARGUMENTS, folder + "MIB.EXE");
  KvStartupSettings s = V3Texts();
  s.AuthPasswordText = "two words";

  LaunchModule("/TMIB_IFTable", s, 3, folder);
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
  EXPECT_NO_THROW(LaunchModule("/TBridge_Info", s, 3, folder));
  EXPECT_FALSE(Platform::StartCommandLine(folder + "Bridge.EXE /I1 /TBridge_Info"));
  EXPECT_FALSE(Platform::StartCommandLine(""));
  EXPECT_FALSE(Platform::StartCommandLine(folder + " /x"));  // a folder is not a program
}
