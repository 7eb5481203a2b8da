#pragma once
// Companion programs (MIB, Bridge, EntityMIB, VLan, Rmon) are started with this
// module's address and credentials, in its own command-line grammar, and one view
// argument "/T" + module + "_" + view (for example "/TMIB_Info").

#include "startup_settings.h"

#include <cstdint>
#include <string>

// The full command line for `argument`: programFolder (with its trailing separator) +
// module + ".EXE", the credentials as switches with their values glued on (SNMPv3: the
// address and the v3 settings, all of them without a settings file, the given ones
// with it; otherwise only the address and the communities), then the view argument.
// Nothing is quoted. `version` is the session's current SNMP version.
std::string BuildModuleCommandLine(const std::string &argument, const KvStartupSettings &settings,
                                   uint8_t version, const std::string &programFolder);

// Builds the command line and starts it as a process of its own; a program that is
// missing or cannot start is silently ignored.
void LaunchModule(const std::string &argument, const KvStartupSettings &settings, uint8_t version,
                  const std::string &programFolder);

// The running executable's folder with its trailing separator.
std::string ProgramFolderWithSeparator();
