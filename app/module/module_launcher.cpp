#include "module_launcher.h"

#include "kv_process.h"
#include "kv_program_info.h"
#include "kv_text.h"

std::string ProgramFolderWithSeparator() { return JoinPath(Platform::ProgramFolder(), ""); }

KvCompanionStart CompanionStart(const std::string &argument, const KvStartupSettings &given,
                                const KvSNMPSettings &session, const std::string &programFolder) {
  // The module is the argument without "/T", cut before its first "_".
  const size_t underscore = argument.find('_');
  const std::string module =
      underscore == std::string::npos || underscore < 2 ? std::string()
                                                        : argument.substr(2, underscore - 2);
  KvCompanionStart start;
  std::string &line = start.CommandLine;
  line = programFolder + module + ".EXE";
  const auto add = [&line](const char *name, const std::string &value) {
    line += ' ';
    line += name;
    line += value;
  };
  const auto number = [](auto value) { return std::to_string(+value); };

  const KvSNMPSecurity &security = session.Security;
  const bool v3 = security.Version == 3;
  add("/I", session.Device.Address);
  add("/t", number(session.Device.Port));
  add("/v", number(security.Version));
  // With a settings file only what was given goes on; without one everything does.
  const bool all = !given.CfgFileFound;
  if (v3) {
    add("/d", session.Scope.ContextEngineId);
    add("/m", number(security.SecurityModel));
    add("/n", security.SecurityName);
    if (all || given.ContextNameGiven) add("/c", session.Scope.ContextName);
    if (all || given.SecurityLevelGiven) add("/l", number(security.SecurityLevel));
    if (all || given.AuthProtocolGiven) add("/a", number(security.AuthProtocol));
    if (all || given.PrivProtocolGiven) add("/p", number(security.PrivProtocol));
  } else {
    add("/R", security.ReadCommunity);
    add("/W", security.WriteCommunity);
  }
  line += ' ';
  line += argument;

  start.Environment = PassPhraseEnvironment(security, all || given.AuthPasswordGiven, all || given.PrivPasswordGiven);
  return start;
}

std::vector<Platform::EnvironmentChange> PassPhraseEnvironment(const KvSNMPSecurity &security, bool authHandedOn,
                                                               bool privHandedOn) {
  const auto phrase = [&](const char *name, bool handedOn, const std::string &value) {
    return Platform::EnvironmentChange{
        name, security.Version == 3 && handedOn ? std::optional<std::string>(value) : std::nullopt};
  };
  return {phrase(kAuthPasswordVariable, authHandedOn, security.AuthPassword),
          phrase(kPrivPasswordVariable, privHandedOn, security.PrivPassword)};
}

void LaunchModule(const KvCompanionStart &start) {
  try {
    Platform::StartCommandLine(start.CommandLine, start.Environment);
  } catch (...) {
    // Nothing comes back from a companion, not even its failure to start.
  }
}
