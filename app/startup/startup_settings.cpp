#include "startup_settings.h"

#include "kv_exception.h"
#include "kv_messages.h"
#include "kv_ini.h"
#include "kv_registry.h"
#include "kv_text.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

const std::string ModelName = "MS-2416X R3";

std::string MainCaption(const std::string &address) { return ModelName + " : " + address; }

namespace {
enum Switch { kAddress, kPort, kVersion, kContextName, kContextEngineId, kReadCommunity,
              kWriteCommunity, kSecurityModel, kSecurityLevel, kSecurityName, kAuthPassword,
              kPrivPassword, kAuthProtocol, kPrivProtocol };

// A numeric value of a parameter that may hold a password: the conversion error must
// not show what follows the switch.
int ParameterInt(const std::string &value, const std::string &parameter) {
  try {
    return StrToInt(value);
  } catch (const KvException &) {
    const bool secret = parameter.find("/A") != std::string::npos ||
                        parameter.find("/P") != std::string::npos;
    if (!secret) throw;
    throw KvException("'********' is not a valid integer value", 0);
  }
}

template <typename T> std::string Decimal(T value) { return std::to_string(+value); }

// A code of the file, counted from 0, in the library's count from 1 (wrapping as a
// 32-bit sum does, never overflowing).
int32_t FromFileCount(const std::string &text) {
  return static_cast<int32_t>(static_cast<uint32_t>(StrToInt(text)) + 1u);
}
}  // namespace

int FindCommandLineSwitch(const std::string &parameter, std::string &value) {
  for (size_t i = 0; i < std::size(kCommandLineSwitches); ++i) {
    const size_t at = parameter.find(kCommandLineSwitches[i]);
    if (at == std::string::npos) continue;
    value = parameter.substr(at + 2);
    return static_cast<int>(i);
  }
  return -1;
}

bool CommandLineAddress(const std::vector<std::string> &parameters, std::string &address) {
  bool found = false;
  for (const std::string &parameter : parameters) {
    std::string value;
    if (FindCommandLineSwitch(parameter, value) != kAddress) continue;
    address = value;
    found = true;
  }
  return found;
}

void ApplyCommandLineParameter(const std::string &parameter, KvStartupSettings &s,
                               KvSNMPSettings &session) {
  std::string value;
  KvSNMPSecurity &security = session.Security;
  switch (FindCommandLineSwitch(parameter, value)) {
    case kAddress:
      session.Device.Address = s.AddressText = value;
      break;
    case kPort:
      session.Device.Port = static_cast<uint16_t>(ParameterInt(value, parameter));
      s.PortText = Decimal(session.Device.Port);
      break;
    case kVersion:
      security.Version = static_cast<uint8_t>(ParameterInt(value, parameter));
      s.VersionText = Decimal(security.Version);
      s.VersionGiven = true;
      break;
    case kContextName:
      session.Scope.ContextName = s.ContextNameText = value;
      s.ContextNameGiven = true;
      break;
    case kContextEngineId:
      session.Scope.ContextEngineId = s.ContextEngineIdText = value;
      break;
    case kReadCommunity:
      security.ReadCommunity = s.ReadCommunityText = value;
      break;
    case kWriteCommunity:
      security.WriteCommunity = s.WriteCommunityText = value;
      break;
    case kSecurityModel:
      security.SecurityModel = ParameterInt(value, parameter);
      s.SecurityModelText = Decimal(security.SecurityModel);
      break;
    case kSecurityLevel:
      security.SecurityLevel = ParameterInt(value, parameter);
      s.SecurityLevelText = Decimal(security.SecurityLevel);
      s.SecurityLevelGiven = true;
      break;
    case kSecurityName:
      security.SecurityName = s.SecurityNameText = value;
      break;
    case kAuthPassword:
      security.AuthPassword = s.AuthPasswordText = value;
      s.AuthPasswordGiven = true;
      break;
    case kPrivPassword:
      security.PrivPassword = s.PrivPasswordText = value;
      s.PrivPasswordGiven = true;
      break;
    case kAuthProtocol:
      security.AuthProtocol = ParameterInt(value, parameter);
      s.AuthProtocolText = Decimal(security.AuthProtocol);
      s.AuthProtocolGiven = true;
      break;
    case kPrivProtocol:
      security.PrivProtocol = ParameterInt(value, parameter);
      s.PrivProtocolText = Decimal(security.PrivProtocol);
      s.PrivProtocolGiven = true;
      break;
    default:
      break;  // not a parameter of ours
  }
}

void ApplyCommandLine(const std::vector<std::string> &parameters, KvStartupSettings &settings,
                      KvSNMPSettings &session) {
  for (const std::string &parameter : parameters)
    ApplyCommandLineParameter(parameter, settings, session);
}

void ApplyPassPhraseEnvironment(KvStartupSettings &s, KvSNMPSettings &session) {
  if (const char *auth = std::getenv(kAuthPasswordVariable)) {
    session.Security.AuthPassword = s.AuthPasswordText = auth;
    s.AuthPasswordGiven = true;
  }
  if (const char *priv = std::getenv(kPrivPasswordVariable)) {
    session.Security.PrivPassword = s.PrivPasswordText = priv;
    s.PrivPasswordGiven = true;
  }
  ::unsetenv(kAuthPasswordVariable);
  ::unsetenv(kPrivPasswordVariable);
}

std::string SettingsFolderFor(const std::string &hostFolder) {
  return JoinPath(hostFolder, JoinPath(JoinPath("..", "Conf"), JoinPath("MBF", "")));
}

std::string SettingsFolder() {
  std::string hostFolder;
  if (!Platform::ReadMachineString(kHostSuiteKey, kHostSuiteValue, hostFolder)) return {};
  return SettingsFolderFor(hostFolder);
}

std::string SettingsFileName(const std::string &folder, const std::string &address) {
  return folder + address + ".cfg";
}

void ApplySettingsFile(const std::string &fileName, KvStartupSettings &s,
                       KvSNMPSettings &session) {
  const KvIni ini(fileName);
  const auto read = [&ini](const char *key) { return ini.ReadString(kSettingsSection, key, ""); };
  // A value that is not a number names the key and the file, so that it can be found.
  const auto number = [&fileName](const char *key, const std::string &text, auto convert) {
    try {
      return convert(text);
    } catch (const KvException &failure) {
      throw KvException(std::string(failure.what()) + ": key \"" + key + "\" of [" + kSettingsSection +
                            "] in " + fileName,
                        failure.Code());
    }
  };
  const auto integer = [&](const char *key) { return number(key, read(key), StrToInt); };
  const auto count = [&](const char *key, const std::string &text) { return number(key, text, FromFileCount); };
  KvSNMPSecurity &security = session.Security;

  session.Device.Port = static_cast<uint16_t>(integer("AgentPort"));
  s.PortText = Decimal(session.Device.Port);

  security.Version = static_cast<uint8_t>(integer("Version"));
  s.VersionText = Decimal(security.Version);
  s.VersionGiven = true;

  if (const std::string name = read("ContextName"); !name.empty()) {
    session.Scope.ContextName = s.ContextNameText = name;
    s.ContextNameGiven = true;
  }

  session.Scope.ContextEngineId = s.ContextEngineIdText = read("ContextEngineID");

  security.SecurityModel = integer("SecurityModel");
  s.SecurityModelText = Decimal(security.SecurityModel);

  // The file counts level and protocols from 0, the SNMP library from 1; "0" keeps
  // what the command line gave.
  if (const std::string level = read("SecurityLevel"); level != "0") {
    security.SecurityLevel = count("SecurityLevel", level);
    s.SecurityLevelText = Decimal(security.SecurityLevel);
    s.SecurityLevelGiven = true;
  }

  security.SecurityName = s.SecurityNameText = read("SecurityName");

  if (const std::string auth = read("AuthProtocol"); auth != "0") {
    security.AuthProtocol = count("AuthProtocol", auth);
    s.AuthProtocolText = Decimal(security.AuthProtocol);
    s.AuthProtocolGiven = true;
  }

  if (const std::string priv = read("PrivProtocol"); priv != "0") {
    security.PrivProtocol = count("PrivProtocol", priv);
    // File value 2 is IDEA, the library's code 9.
    if (security.PrivProtocol == 3) security.PrivProtocol = 9;
    s.PrivProtocolText = Decimal(security.PrivProtocol);
    s.PrivProtocolGiven = true;
  }

  if (const std::string password = read("AuthPassword"); !password.empty()) {
    security.AuthPassword = s.AuthPasswordText = password;
    s.AuthPasswordGiven = true;
  }
  if (const std::string password = read("PrivPassword"); !password.empty()) {
    security.PrivPassword = s.PrivPasswordText = password;
    s.PrivPasswordGiven = true;
  }
}

KvFontScaling FontScalingFor(int pixelsPerInch) {
  if (pixelsPerInch == 96) return {false, 1.0f};
  return {true, 1.25f};
}

void OpenStartupSession(const std::string &programFolder) {
  KvSNMPCreateSession("");
  SNMPSecurity.Version = 0;
  LoadMessageFiles(programFolder);
}

void ApplyStartupParameters(const std::vector<std::string> &parameters, const std::string &settingsFolder,
                            KvStartupSettings &settings, std::string &settingsFileName) {
  KvSNMPSettings session = SNMPSettings;
  ApplyPassPhraseEnvironment(settings, session);
  ApplyCommandLine(parameters, settings, session);
  settingsFileName = SettingsFileName(settingsFolder, settings.AddressText);
  std::error_code error;
  settings.CfgFileFound = std::filesystem::is_regular_file(settingsFileName, error);
  if (settings.CfgFileFound) {
    ApplySettingsFile(settingsFileName, settings, session);
    KvSNMPReadWalkSettings(settingsFileName, session.Timing);  // rows per request of table walks
  }
  SNMPSettings = session;
}
