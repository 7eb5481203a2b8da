#pragma once
// ms2416x-config: a switch's configuration kept in a file, compared and put back.
//
//   ms2416x-config [switches of ms2416x...] save FILE
//   ms2416x-config [switches of ms2416x...] diff FILE [FILE2]
//   ms2416x-config [switches of ms2416x...] restore FILE [--dry-run]
//
// The agent and its credentials come as the module takes them (the host suite's
// switches, the pass phrases also from MS2416X_AUTH_PASSWORD / MS2416X_PRIV_PASSWORD, the
// per-device settings file); they come before the command, so that a file name is never
// read as a switch.

#include <iosfwd>
#include <string>
#include <vector>

namespace ConfigExit {
constexpr int Ok = 0;          // saved, equal, restored; or help printed
constexpr int Different = 1;   // diff: the configurations differ
constexpr int Usage = 2;       // no command, an unknown one, a missing or extra argument
constexpr int BadFile = 3;     // a snapshot file that cannot be read or is malformed
constexpr int Agent = 4;       // the switch could not be read (no answer, refused, bad settings)
constexpr int Incomplete = 5;  // restore: a Set refused, or rows that no Set can change
constexpr int WriteFailed = 6; // save: the file could not be written
}  // namespace ConfigExit

// Needs a Qt application (the session's event pump). `terminal`: show a progress line
// on `errors` for reads and writes that take longer than a second.
int RunConfigCommand(const std::vector<std::string> &parameters, std::ostream &out, std::ostream &errors,
                     bool terminal);
