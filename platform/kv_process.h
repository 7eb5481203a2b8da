#pragma once
// Starting another program from a command line, as the desktop's "run this command"
// call does: the line is split at blanks, nothing is quoted, the program runs on its
// own (not waited for, no handle kept) with its window shown normally.

#include <string>

namespace Platform {

// Starts the program named by the first words of `commandLine`: as the Windows call does
// for an unquoted path, the shortest run of leading words that names an executable file
// is the program (so a folder with blanks in its name works), the remaining words are
// its arguments. False when no such program exists or it could not be started.
bool StartCommandLine(const std::string &commandLine);

}  // namespace Platform
