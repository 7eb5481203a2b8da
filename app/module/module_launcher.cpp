#include "module_launcher.h"

#include "kv_process.h"
#include "kv_program_info.h"
#include "kv_text.h"

std::string ProgramFolderWithSeparator() { return JoinPath(Platform::ProgramFolder(), ""); }

std::string BuildModuleCommandLine(const std::string &argument, const KvStartupSettings &s,
                                   uint8_t version, const std::string &programFolder) {
  // The module is the argument without "/T", cut before its first "_".
  const size_t underscore = argument.find('_');
  const std::string module =
      underscore == std::string::npos || underscore < 2 ? std::string()
                                                        : argument.substr(2, underscore - 2);
  std::string line = programFolder + module + ".EXE";
  const auto add = [&line](const char *name, const std::string &value) {
    line += ' ';
    line += name;
    line += value;
  };

  add("/I", s.AddressText);
  if (version == 3) {
    add("/t", s.PortText);
    add("/v", s.VersionText);
    add("/d", s.ContextEngineIdText);
    add("/m", s.SecurityModelText);
    add("/n", s.SecurityNameText);
    // With a settings file only what was given goes on; without one everything does.
    const bool all = !s.CfgFileFound;
    if (all || s.ContextNameGiven) add("/c", s.ContextNameText);
    if (all || s.SecurityLevelGiven) add("/l", s.SecurityLevelText);
    if (all || s.AuthProtocolGiven) add("/a", s.AuthProtocolText);
    if (all || s.PrivProtocolGiven) add("/p", s.PrivProtocolText);
    // The pass phrases go through the environment (ModulePassPhrases), never here.
  } else {
    add("/R", s.ReadCommunityText);
    add("/W", s.WriteCommunityText);
  }
  line += ' ';
  line += argument;
  return line;
}

std::vector<Platform::EnvironmentChange> ModulePassPhrases(const KvStartupSettings &s, uint8_t version) {
  // The same rule as for the other SNMPv3 settings; a pass phrase that is not handed on
  // is taken out of what the companion inherits.
  const bool all = !s.CfgFileFound;
  const auto change = [version](const char *name, bool given, const std::string &value) {
    return Platform::EnvironmentChange{
        name, version == 3 && given ? std::optional<std::string>(value) : std::nullopt};
  };
  return {change(kAuthPasswordVariable, all || s.AuthPasswordGiven, s.AuthPasswordText),
          change(kPrivPasswordVariable, all || s.PrivPasswordGiven, s.PrivPasswordText)};
}

void LaunchModule(const std::string &argument, const KvStartupSettings &settings, uint8_t version,
                  const std::string &programFolder) {
  try {
    Platform::StartCommandLine(BuildModuleCommandLine(argument, settings, version, programFolder),
                               ModulePassPhrases(settings, version));
  } catch (...) {
    // Nothing comes back from a companion, not even its failure to start.
  }
}
