#pragma once
// Opens the program's help. The help is an HTML file shown by the desktop's browser;
// tests replace the browser by a hook that records what would have been opened.

#include <functional>
#include <string>

namespace Platform {

// Opens the local file `path` (bytes in the local 8-bit code page) with the desktop's
// handler for it. False when the file does not exist or nothing could open it.
bool OpenHelpFile(const std::string &path);

// While a hook is set, OpenHelpFile checks that the file exists and then calls the hook
// instead of the desktop. Returns the hook set before; an empty hook brings the desktop back.
using HelpHook = std::function<bool(const std::string &path)>;
HelpHook SetHelpHook(HelpHook hook);

}  // namespace Platform
