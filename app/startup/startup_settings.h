#pragma once
// What the start-up learns from the command line and the per-device settings file: the
// settings in the text form in which they are handed on to companion programs, the
// given-flags, and the session records they fill. Free of windows, so that the parsing
// can be tested and fuzzed on its own.

#include "kv_snmp_session.h"

#include <string>
#include <vector>

// The main window's title for an agent address: ModelName + " : " + address.
extern const std::string ModelName;  // "MS-2416X R3"
std::string MainCaption(const std::string &address);

// Settings as texts, and which of them were supplied (by switch or settings file).
// Numeric texts are the decimal rendering of the number actually stored.
struct KvStartupSettings {
  std::string AddressText;
  std::string PortText;
  std::string VersionText;
  std::string ContextNameText;
  std::string ContextEngineIdText;
  std::string ReadCommunityText;
  std::string WriteCommunityText;
  std::string SecurityModelText;
  std::string SecurityLevelText;
  std::string SecurityNameText;
  std::string AuthPasswordText;
  std::string PrivPasswordText;
  std::string AuthProtocolText;
  std::string PrivProtocolText;

  bool CfgFileFound = false;  // the per-device settings file existed at start-up
  bool VersionGiven = false;
  bool ContextNameGiven = false;
  bool SecurityLevelGiven = false;
  bool AuthProtocolGiven = false;
  bool AuthPasswordGiven = false;
  bool PrivProtocolGiven = false;
  bool PrivPasswordGiven = false;
};

// ---- Command line ----------------------------------------------------------------
// Each parameter is one token, its value glued to its switch ("/I192.0.2.10", "/v3").
// The switches are tried in this order; the first one found anywhere in the parameter
// decides, and its value is the rest of the parameter after it.
inline constexpr const char *kCommandLineSwitches[] = {
    "/I", "/t", "/v", "/c", "/d", "/R", "/W", "/m", "/l", "/n", "/A", "/P", "/a", "/p",
};

// Index of the deciding switch in kCommandLineSwitches, or -1 when the parameter holds
// none; `value` receives the rest of the parameter.
int FindCommandLineSwitch(const std::string &parameter, std::string &value);

// The agent address the parameters give (the last "/I" parameter, as ApplyCommandLine
// reads it), without converting anything; false when no parameter names an address.
bool CommandLineAddress(const std::vector<std::string> &parameters, std::string &address);

// Applies one parameter; a parameter without a switch is ignored. A numeric value that
// is not a decimal integer raises the conversion error "'x' is not a valid integer
// value"; when the parameter also holds a password switch the offending text is not
// repeated in the message.
void ApplyCommandLineParameter(const std::string &parameter, KvStartupSettings &settings,
                               KvSNMPSettings &session);

// The pass phrases can also come from the environment, which unlike the command line
// only the program and its user can read: the module hands them to its companions this
// way, and a user who starts the module by hand may give them so. A variable that is set
// (even empty) counts as the switch given with its value, before the command line, so a
// /A or /P parameter overrides it.
inline constexpr const char *kAuthPasswordVariable = "MS2416X_AUTH_PASSWORD";  // as /A
inline constexpr const char *kPrivPasswordVariable = "MS2416X_PRIV_PASSWORD";  // as /P

// Applies the two variables and takes them out of the process's environment, so that
// no program started later inherits them by chance.
void ApplyPassPhraseEnvironment(KvStartupSettings &settings, KvSNMPSettings &session);

// Applies every parameter in order; a later one with the same switch overrides.
void ApplyCommandLine(const std::vector<std::string> &parameters, KvStartupSettings &settings,
                      KvSNMPSettings &session);

// ---- Per-device settings file --------------------------------------------------------
inline constexpr const char *kSettingsSection = "Program Information";
// Where the host suite names its installation folder.
inline constexpr const char *kHostSuiteKey = "\\SOFTWARE\\Korvane\\Orvix5.1\\ExePath";
inline constexpr const char *kHostSuiteValue = "Path";

// The folder of the settings files: the host suite's folder + "../Conf/MBF/", or ""
// (the current directory) when the host suite names none.
std::string SettingsFolder();
// The folder for a host suite installed in `hostFolder` ("" when none).
std::string SettingsFolderFor(const std::string &hostFolder);

// settings folder + address + ".cfg".
std::string SettingsFileName(const std::string &folder, const std::string &address);

// Reads the settings file, which overrides the command line: the port, version,
// security model, security level and protocols must be decimal integers (an absent key
// raises the conversion error too), and their conversion error goes on with the key and
// the file: "'' is not a valid integer value: key "AgentPort" of [Program Information]
// in <file>"; level and protocols count from 0 in the file;
// communities never come from the file.
void ApplySettingsFile(const std::string &fileName, KvStartupSettings &settings,
                       KvSNMPSettings &session);

// ---- Screen -----------------------------------------------------------------------------
// LargeFonts / FontScale for a screen's logical pixels per inch: 96 gives false / 1.0,
// anything else true / 1.25. Qt scales the windows itself; these are kept as state only.
struct KvFontScaling {
  bool LargeFonts = false;
  float FontScale = 1.0f;
};
KvFontScaling FontScalingFor(int pixelsPerInch);

// ---- The session as a start-up sets it up ----------------------------------------------
// Shared by the module and its companion program, which take the same command line.

// Creates the global session (its boot counter file in the current directory, or in the
// user's state folder when that one is not usable; SNMPv1 to start with) and loads the
// message files from `programFolder`'s errmsg/.
void OpenStartupSession(const std::string &programFolder);

// Applies the pass phrases of the environment, the command line, then the per-device
// settings file in `settingsFolder` when it exists (it overrides the command line and
// gives the rows per request of table walks), to `settings` and the session's settings.
// `settingsFileName` receives the file's name. Raises the conversion errors of
// ApplyCommandLine and ApplySettingsFile; the session's settings are then left as they were.
void ApplyStartupParameters(const std::vector<std::string> &parameters, const std::string &settingsFolder,
                            KvStartupSettings &settings, std::string &settingsFileName);
