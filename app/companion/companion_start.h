#pragma once
// The companion program's start: the module's command line plus the view argument
// "/T" module "_" view, the session set up as the module sets it up (message files,
// boot counter, settings file), and the view's window.

#include <iosfwd>
#include <string>
#include <vector>

class TConfigForm;

namespace CompanionExit {
constexpr int Ok = 0;           // the window ran, or help was printed
constexpr int StartFailed = 1;  // a conversion error, the session or the window could not be made
constexpr int BadView = 2;      // no view argument, or one that names no view
}  // namespace CompanionExit

// The companion's help page beside the program.
inline constexpr const char *kCompanionHelpPage = "ms2416x-companion.html";

// The view the parameters name: the last parameter that begins with "/T", without
// "/T" (the launcher puts it last). False when there is none.
bool CompanionViewArgument(const std::vector<std::string> &parameters, std::string &view);

// --help and --version: true (and the text printed to `out`) when one of them is among
// the parameters.
bool PrintCompanionInformation(const std::vector<std::string> &parameters, std::ostream &out);

// Needs the Qt application. Finds the view, sets up the session from the parameters and
// builds the view's window (not shown; the caller shows it and deletes it). Returns null
// with the exit status in `exitStatus` when the start ends here; the failure is shown in
// a message box and written to `errors`.
TConfigForm *StartCompanion(const std::vector<std::string> &parameters, int &exitStatus, std::ostream &errors);
