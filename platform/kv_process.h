#pragma once
// Starting another program from a command line, as the desktop's "run this command"
// call does: the line is split at blanks, nothing is quoted, the program runs on its
// own (not waited for, no handle kept) with its window shown normally.

#include <optional>
#include <string>
#include <vector>

namespace Platform {

// Starts the program named by the first words of `commandLine`: as the Windows call does
// for an unquoted path, the shortest run of leading words that names an executable file
// is the program (so a folder with blanks in its name works), the remaining words are
// its arguments. False when no such program exists or it could not be started.
bool StartCommandLine(const std::string &commandLine);

// The same with changes to the environment that the program inherits: each name is set
// to its value, or taken out when it has none. Only the program (and its owner) can read
// its environment, which makes it the channel for what must not be on a command line.
struct EnvironmentChange {
  std::string Name;
  std::optional<std::string> Value;
};
bool StartCommandLine(const std::string &commandLine, const std::vector<EnvironmentChange> &environment);

// For a process that holds pass phrases: no core file is written when it crashes (core
// size limit 0), and the process is no longer dumpable, so that other processes of the
// same user cannot read its memory either. False when the system refused either.
bool ForbidCoreDumps();

}  // namespace Platform
