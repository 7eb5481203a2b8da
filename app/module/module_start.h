#pragma once
// From process entry to the running main window: --help and --version, the check for an
// instance already running for the same switch, and the main window's construction with
// its failures.

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

class TMainForm;

// Exit statuses of a start that ends before the main window runs.
namespace ModuleExit {
constexpr int Ok = 0;             // help or version printed, or another instance raised
constexpr int StartFailed = 1;    // a conversion error or the session could not be made
constexpr int NoParameters = 2;   // "No parameter input"
}  // namespace ModuleExit

// --help and --version, for people who start the module by hand: true (and the text
// printed to `out`) when one of them is among the parameters.
bool PrintInformation(const std::vector<std::string> &parameters, std::ostream &out);

// `ms2416x --connect`, on a desktop without the host suite: needs the Qt application.
// Opens the session and shows the connect window; accepted, `parameters` becomes the host
// suite's command line for the switch and the pass phrases go into this process's
// environment, where the start-up takes them. False when the user cancelled.
bool AskForSwitch(std::vector<std::string> &parameters);
inline constexpr const char *kConnectOption = "--connect";

// Needs the Qt application. Checks for a running instance for the same switch (which is
// asked to come to the front), then builds the main window, which keeps listening for
// later starts. Returns the window ready to show, or null with the exit status in
// `exitStatus` when the start ends here; failures are shown in a message box and
// written to `errors`.
std::unique_ptr<TMainForm> StartModule(const std::vector<std::string> &parameters,
                                       int &exitStatus, std::ostream &errors);
