#include "app_test_support.h"
#include "agent_process.h"
#include "kv_exception.h"
#include "kv_registry.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <filesystem>

namespace {
struct Parsed {
  KvStartupSettings texts;
  KvSNMPSettings session = DefaultSession();
};

Parsed Parse(const std::vector<std::string> &parameters) {
  Parsed p;
  ApplyCommandLine(parameters, p.texts, p.session);
  return p;
}

std::string ConversionError(const std::vector<std::string> &parameters) {
  try {
    Parse(parameters);
  } catch (const KvException &e) {
    EXPECT_EQ(e.Code(), 0);
    return e.what();
  }
  return "(no error)";
}
}  // namespace

TEST(CommandLine, HostSuiteFormSubstringSearchAndOverrides) {
  Parsed p = Parse({"/I192.0.2.10", "/v3", "/noperator"});
  EXPECT_EQ(p.session.Device.Address, "192.0.2.10");
  EXPECT_EQ(p.texts.AddressText, "192.0.2.10");
  EXPECT_EQ(p.session.Security.Version, 3);
  EXPECT_EQ(p.texts.VersionText, "3");
  EXPECT_TRUE(p.texts.VersionGiven);
  EXPECT_EQ(p.session.Security.SecurityName, "operator");
  EXPECT_EQ(p.session.Device.Port, 161);
  EXPECT_EQ(p.texts.PortText, "");
  EXPECT_EQ(MainCaption(p.texts.AddressText), "MS-2416X R3 : 192.0.2.10");

  EXPECT_EQ(Parse({"/x/I192.0.2.7"}).texts.AddressText, "192.0.2.7");
  EXPECT_EQ(Parse({"/I192.0.2.7", "/I"}).session.Device.Address, "");
  // Numbers are kept as the session stores them.
  EXPECT_EQ(Parse({"/t0161"}).texts.PortText, "161");
  p = Parse({"/t65537", "/Rone", "/Rtwo", "--verbose", "", "I192.0.2.1", "/c"});
  EXPECT_EQ(p.session.Device.Port, 1);
  EXPECT_EQ(p.texts.PortText, "1");
  EXPECT_EQ(p.session.Security.ReadCommunity, "two");
  EXPECT_EQ(p.session.Device.Address, "127.0.0.1");
  EXPECT_TRUE(p.texts.ContextNameGiven);
  EXPECT_EQ(p.texts.ContextNameText, "");

  p = Parse({"/l3", "/a2", "/A pass", "/p2", "/Ppriv", "/m3", "/dENGINE", "/Wwr"});
  EXPECT_EQ(p.session.Security.SecurityLevel, 3);
  EXPECT_EQ(p.session.Security.AuthProtocol, 2);
  EXPECT_EQ(p.session.Security.AuthPassword, " pass");
  EXPECT_EQ(p.session.Security.PrivProtocol, 2);
  EXPECT_EQ(p.session.Security.PrivPassword, "priv");
  EXPECT_EQ(p.session.Security.SecurityModel, 3);
  EXPECT_EQ(p.session.Scope.ContextEngineId, "ENGINE");
  EXPECT_EQ(p.session.Security.WriteCommunity, "wr");
  EXPECT_TRUE(p.texts.SecurityLevelGiven && p.texts.AuthProtocolGiven && p.texts.AuthPasswordGiven &&
              p.texts.PrivProtocolGiven && p.texts.PrivPasswordGiven);
  EXPECT_FALSE(p.texts.VersionGiven || p.texts.ContextNameGiven || p.texts.CfgFileFound);
}

TEST(CommandLine, AnEarlierSwitchInsideAValueDecidesAndErrorsHidePasswords) {
  // "/n" comes before "/A" in the order: the name keeps the "/A".
  Parsed p = Parse({"/n/Abc"});
  EXPECT_EQ(p.session.Security.SecurityName, "/Abc");
  EXPECT_FALSE(p.texts.AuthPasswordGiven);

  EXPECT_EQ(ConversionError({"/I192.0.2.1", "/tabc"}), "'abc' is not a valid integer value");
  EXPECT_EQ(ConversionError({"/v"}), "'' is not a valid integer value");
  EXPECT_EQ(ConversionError({"/l3x"}), "'3x' is not a valid integer value");
  // A password holding "/t" is read as a port; the message must not show the password.
  const std::string message = ConversionError({"/Ase/tcret"});
  EXPECT_EQ(message, "'********' is not a valid integer value");
  EXPECT_EQ(message.find("cret"), std::string::npos);
  EXPECT_EQ(ConversionError({"/Pk/vey"}), "'********' is not a valid integer value");

  // The address the single-instance check looks for is the caption's address.
  std::string address = "unchanged";
  EXPECT_FALSE(CommandLineAddress({"/v3", "/noperator", "I1.2.3.4"}, address));
  EXPECT_EQ(address, "unchanged");
  for (const auto &list : std::vector<std::vector<std::string>>{
           {"/I192.0.2.5", "/x/I192.0.2.6"}, {"/I192.0.2.5", "/I"}, {"/A/Ipw", "/v1"}}) {
    ASSERT_TRUE(CommandLineAddress(list, address));
    EXPECT_EQ(address, Parse(list).texts.AddressText);
  }
}

TEST(SettingsFile, KeysOverrideTheCommandLineByTheirRules) {
  const std::string dir = MakeTempDir("kvcfg");
  Parsed p = Parse({"/I192.0.2.10", "/ncli", "/cctx", "/Rr", "/Ww", "/dENG", "/Aclipw", "/Pclipriv"});
  ApplySettingsFile(WriteFile(dir + "/a.cfg",
                              "[Program Information]\r\nAgentPort=1161\r\nVersion=3\r\n"
                              "ContextName=\r\nSecurityModel=3\r\nSecurityLevel=2\r\n"
                              "AuthProtocol=1\r\nPrivProtocol=2\r\nAuthPassword=filepw\r\n"
                              "PrivPassword=\r\nReadCommunity=x\r\nWriteCommunity=y\r\n"),
                    p.texts, p.session);
  const KvSNMPSecurity &s = p.session.Security;
  EXPECT_EQ(p.session.Device.Port, 1161);
  EXPECT_EQ(p.texts.PortText, "1161");
  EXPECT_EQ(s.Version, 3);
  EXPECT_TRUE(p.texts.VersionGiven);
  EXPECT_EQ(p.session.Scope.ContextName, "ctx");  // empty in the file: the switch stays
  EXPECT_EQ(p.session.Scope.ContextEngineId, "");  // absent: always applied
  EXPECT_EQ(p.texts.ContextEngineIdText, "");
  EXPECT_EQ(s.SecurityModel, 3);
  EXPECT_EQ(s.SecurityLevel, 3);
  EXPECT_EQ(p.texts.SecurityLevelText, "3");
  EXPECT_EQ(s.SecurityName, "");  // absent: the "/n" value goes
  EXPECT_EQ(s.AuthProtocol, 2);
  EXPECT_EQ(s.PrivProtocol, 9);
  EXPECT_EQ(p.texts.PrivProtocolText, "9");
  EXPECT_EQ(s.AuthPassword, "filepw");
  EXPECT_EQ(s.PrivPassword, "clipriv");
  EXPECT_EQ(s.ReadCommunity, "r");
  EXPECT_EQ(s.WriteCommunity, "w");
  EXPECT_TRUE(p.texts.ContextNameGiven && p.texts.SecurityLevelGiven &&
              p.texts.AuthProtocolGiven && p.texts.PrivProtocolGiven);

  // Codes 0 keep what was there, and their flags stay as the switches left them.
  p = Parse({"/l2"});
  ApplySettingsFile(WriteFile(dir + "/b.cfg",
                              "[program information]\nAgentPort=161\nVersion=1\nSecurityModel=1\n"
                              "SecurityLevel=0\nAuthProtocol=0\nPrivProtocol= 1 \nContextName=c\n"),
                    p.texts, p.session);
  EXPECT_EQ(p.session.Security.SecurityLevel, 2);
  EXPECT_TRUE(p.texts.SecurityLevelGiven);
  EXPECT_EQ(p.session.Security.AuthProtocol, 1);
  EXPECT_FALSE(p.texts.AuthProtocolGiven);
  EXPECT_EQ(p.session.Security.PrivProtocol, 2);  // DES
  EXPECT_EQ(p.session.Scope.ContextName, "c");
  EXPECT_FALSE(p.texts.AuthPasswordGiven || p.texts.PrivPasswordGiven);
}

TEST(SettingsFile, NumbersMustBePresentAndDecimal) {
  const std::string dir = MakeTempDir("kvcfg");
  const std::string full = "[Program Information]\nAgentPort=161\nVersion=3\nSecurityModel=3\n"
                           "SecurityLevel=0\nAuthProtocol=0\nPrivProtocol=0\n";
  const auto error = [&](const std::string &content) -> std::string {
    Parsed p;
    try {
      ApplySettingsFile(WriteFile(dir + "/x.cfg", content), p.texts, p.session);
    } catch (const KvException &e) {
      return e.what();
    }
    return "(no error)";
  };
  // The error names the key and the file.
  const std::string in = "\" of [Program Information] in " + dir + "/x.cfg";
  EXPECT_EQ(error(full), "(no error)");
  EXPECT_EQ(error("[Program Information]\nAgentPort=161\n"), "'' is not a valid integer value: key \"Version" + in);
  EXPECT_EQ(error("[Other]\nVersion=3\n"), "'' is not a valid integer value: key \"AgentPort" + in);
  EXPECT_EQ(error(full + "[Program Information]\n"), "(no error)");
  std::string bad = full;
  bad.replace(bad.find("Version=3"), 9, "Version=v3");
  EXPECT_EQ(error(bad), "'v3' is not a valid integer value: key \"Version" + in);
  for (const char *key : {"SecurityModel", "SecurityLevel", "AuthProtocol", "PrivProtocol"}) {
    bad = full;
    const size_t at = bad.find(std::string(key) + "=");
    bad.insert(bad.find('\n', at), "x");
    EXPECT_NE(error(bad).find("x' is not a valid integer value: key \"" + std::string(key) + in), std::string::npos)
        << key;
  }
  // The largest level still converts; the count from 0 wraps rather than overflows.
  bad = full;
  bad.replace(bad.find("SecurityLevel=0"), 15, "SecurityLevel=2147483647");
  Parsed p;
  ApplySettingsFile(WriteFile(dir + "/y.cfg", bad), p.texts, p.session);
  EXPECT_EQ(p.session.Security.SecurityLevel, INT32_MIN);
  EXPECT_EQ(p.texts.SecurityLevelText, std::to_string(INT32_MIN));
}

// Pass phrases from the environment count as /A and /P given before the command line;
// the variables are taken out once read. Table: variables set, parameters, expected.
TEST(PassPhraseEnvironment, ActsAsTheSwitchesBeforeTheCommandLineAndIsTakenOut) {
  const struct {
    const char *auth, *priv;
    std::vector<std::string> parameters;
    std::string authWanted, privWanted;
    bool authGiven, privGiven;
  } cases[] = {
      {"a b/t1", "p/v3", {"/I192.0.2.1"}, "a b/t1", "p/v3", true, true},  // whole, no switch inside counts
      {"", nullptr, {"/I192.0.2.1"}, "", "", true, false},                 // set but empty: given
      {"env", "env", {"/I192.0.2.1", "/Acmd", "/Pcmd"}, "cmd", "cmd", true, true},
      {nullptr, nullptr, {"/I192.0.2.1"}, "", "", false, false},
  };
  const std::string dir = MakeTempDir("kvenv");
  for (const auto &c : cases) {
    SCOPED_TRACE(c.authWanted + "|" + c.privWanted);
    if (c.auth) ::setenv(kAuthPasswordVariable, c.auth, 1);
    if (c.priv) ::setenv(kPrivPasswordVariable, c.priv, 1);
    KvStartupSettings texts;
    std::string fileName;
    const KvSNMPSettings before = SNMPSettings;
    SNMPSettings = DefaultSession();
    ApplyStartupParameters(c.parameters, dir + "/", texts, fileName);
    EXPECT_EQ(SNMPSecurity.AuthPassword, c.authWanted);
    EXPECT_EQ(texts.PrivPasswordText, c.privWanted);
    EXPECT_EQ(SNMPSecurity.PrivPassword, c.privWanted);
    EXPECT_EQ(texts.AuthPasswordGiven, c.authGiven);
    EXPECT_EQ(texts.PrivPasswordGiven, c.privGiven);
    EXPECT_EQ(std::getenv(kAuthPasswordVariable), nullptr);
    EXPECT_EQ(std::getenv(kPrivPasswordVariable), nullptr);
    SNMPSettings = before;
  }
}

TEST(SettingsFolder, FromTheHostSuiteConfigurationOrTheCurrentDirectory) {
  const std::string first = MakeTempDir("kvxdg"), second = MakeTempDir("kvxdg");
  const char *saved = std::getenv("XDG_CONFIG_DIRS");
  const std::string restore = saved ? saved : "";
  ::setenv("XDG_CONFIG_DIRS", (first + ":" + second).c_str(), 1);

  EXPECT_EQ(SettingsFolder(), "");  // no configuration file at all
  std::filesystem::create_directories(second + "/Korvane");
  const std::string file = WriteFile(second + "/Korvane/Orvix5.1.conf", "[ExePath]\nOther=1\n");
  EXPECT_EQ(Platform::MachineSettingsFile(kHostSuiteKey), file);
  EXPECT_EQ(Platform::MachineSettingsGroup(kHostSuiteKey), "ExePath");
  EXPECT_EQ(SettingsFolder(), "");  // the group without "Path"
  WriteFile(file, "[ExePath]\nPath=/opt/orvix/bin/\n");
  EXPECT_EQ(SettingsFolder(), "/opt/orvix/bin/../Conf/MBF/");
  EXPECT_EQ(SettingsFileName(SettingsFolder(), "192.0.2.10"), "/opt/orvix/bin/../Conf/MBF/192.0.2.10.cfg");
  // The first folder that holds the file wins; a folder without its separator gets one.
  std::filesystem::create_directories(first + "/Korvane");
  WriteFile(first + "/Korvane/Orvix5.1.conf", "[ExePath]\nPath=\"/srv/orvix, 5\"\n");
  EXPECT_EQ(SettingsFolder(), "/srv/orvix, 5/../Conf/MBF/");
  std::string value = "kept";
  EXPECT_FALSE(Platform::ReadMachineString("\\SOFTWARE\\Korvane\\Orvix5.1\\Other", "Path", value));
  EXPECT_FALSE(Platform::ReadMachineString("\\SOFTWARE\\Korvane", "Path", value));
  EXPECT_EQ(value, "kept");

  EXPECT_EQ(SettingsFileName("", "192.0.2.10"), "192.0.2.10.cfg");
  if (saved) ::setenv("XDG_CONFIG_DIRS", restore.c_str(), 1);
  else ::unsetenv("XDG_CONFIG_DIRS");
}

TEST(ScreenScaling, OnlyNinetySixDotsPerInchIsNormal) {
  EXPECT_FALSE(FontScalingFor(96).LargeFonts);
  EXPECT_FLOAT_EQ(FontScalingFor(96).FontScale, 1.0f);
  for (int dpi : {72, 120, 144}) {
    EXPECT_TRUE(FontScalingFor(dpi).LargeFonts) << dpi;
    EXPECT_FLOAT_EQ(FontScalingFor(dpi).FontScale, 1.25f) << dpi;
  }
}
