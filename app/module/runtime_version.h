#pragma once
// The agent's runtime software version as the main window read it at start-up (its first
// ten characters); empty until then. Menu entries and windows that exist only on some
// firmware compare against it.

#include <string>

extern std::string RuntimeVersion;
