#pragma once
// Machine-wide settings of other programs, read only. On Windows a key under
// HKEY_LOCAL_MACHINE; elsewhere the key "\SOFTWARE\<maker>\<product>\<group...>" lives in
// the INI file "<maker>/<product>.conf" of the desktop's configuration folders
// ($XDG_CONFIG_DIRS, "/etc/xdg" when unset; the first folder holding the file wins), in
// the group named by the rest of the key.

#include <string>

namespace Platform {

// The string value `valueName` of the existing key `key` (e.g.
// "\SOFTWARE\Korvane\Orvix5.1\ExePath"). False, and `value` untouched, when the key or
// the value does not exist or cannot be read; nothing is ever created.
bool ReadMachineString(const std::string &key, const std::string &valueName, std::string &value);

// Where ReadMachineString looks for `key` off Windows: the file that would be read
// ("" when no configuration folder holds it), and the group inside it.
std::string MachineSettingsFile(const std::string &key);
std::string MachineSettingsGroup(const std::string &key);

}  // namespace Platform
