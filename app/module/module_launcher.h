#pragma once
// Companion programs (MIB, Bridge, EntityMIB, VLan, Rmon) are started with this
// module's address and credentials, in its own command-line grammar, and one view
// argument "/T" + module + "_" + view (for example "/TMIB_Info").

#include "kv_process.h"
#include "startup_settings.h"

#include <string>
#include <vector>

// How a companion is started for one view.
struct KvCompanionStart {
  // programFolder (with its trailing separator) + module + ".EXE", the session's agent
  // and credentials as switches with their values glued on, then the view argument.
  // Nothing is quoted. The pass phrases are not on it: every local user can read a
  // command line.
  std::string CommandLine;
  // The pass phrases (kAuthPasswordVariable, kPrivPasswordVariable), which only the
  // companion and its user can read; a variable for a pass phrase that is not handed on
  // is taken out, so that the companion does not inherit one of the module's.
  std::vector<Platform::EnvironmentChange> Environment;
};

// The companion's start for `argument`, derived from the session's settings as they are
// now. SNMPv1 and SNMPv2c hand on the address, port, version and communities. SNMPv3
// hands on the address, port, version, context engine ID, security model and user, and
// then, without a settings file, the context name, level, protocols and pass phrases;
// with one (which the companion reads too) only those of them that were given
// (`given`'s flags).
KvCompanionStart CompanionStart(const std::string &argument, const KvStartupSettings &given,
                                const KvSNMPSettings &session, const std::string &programFolder);

// The pass phrases of `security` as a program's environment (kAuthPasswordVariable,
// kPrivPasswordVariable), for SNMPv3 and each only when it is handed on; a variable
// without a value is taken out of what the program inherits.
std::vector<Platform::EnvironmentChange> PassPhraseEnvironment(const KvSNMPSecurity &security, bool authHandedOn = true,
                                                               bool privHandedOn = true);

// Starts the companion as a process of its own; a program that is missing or cannot
// start is silently ignored.
void LaunchModule(const KvCompanionStart &start);

// The running executable's folder with its trailing separator.
std::string ProgramFolderWithSeparator();
