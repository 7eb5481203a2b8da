#pragma once
// Companion programs (MIB, Bridge, EntityMIB, VLan, Rmon) are started with this
// module's address and credentials, in its own command-line grammar, and one view
// argument "/T" + module + "_" + view (for example "/TMIB_Info").

#include "kv_process.h"
#include "startup_settings.h"

#include <cstdint>
#include <string>
#include <vector>

// The full command line for `argument`: programFolder (with its trailing separator) +
// module + ".EXE", the credentials as switches with their values glued on (SNMPv3: the
// address and the v3 settings, all of them without a settings file, the given ones
// with it; otherwise only the address and the communities), then the view argument.
// Nothing is quoted. `version` is the session's current SNMP version. The pass phrases
// are not on it: every local user can read a command line.
std::string BuildModuleCommandLine(const std::string &argument, const KvStartupSettings &settings,
                                   uint8_t version, const std::string &programFolder);

// The pass phrases for the companion, as its environment (kAuthPasswordVariable,
// kPrivPasswordVariable), which only the companion and its user can read. SNMPv3 hands
// them on by the rule of the other v3 settings; a variable for a pass phrase that is not
// handed on is taken out, so that the companion does not inherit one of the module's.
std::vector<Platform::EnvironmentChange> ModulePassPhrases(const KvStartupSettings &settings, uint8_t version);

// Builds the command line and the pass phrases and starts the companion as a process of
// its own; a program that is missing or cannot start is silently ignored.
void LaunchModule(const std::string &argument, const KvStartupSettings &settings, uint8_t version,
                  const std::string &programFolder);

// The running executable's folder with its trailing separator.
std::string ProgramFolderWithSeparator();
