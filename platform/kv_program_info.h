#pragma once
// The running program's place on disk and the desktop it runs on. Paths are in the
// local 8-bit code page, like every text of the system.

#include <string>

namespace Platform {

// Full path of the running executable.
std::string ProgramFilePath();
// Its file name without the folder ("ms2416x" or "MS2416X.EXE"); message boxes of the
// program carry it as caption.
std::string ProgramFileName();
// The folder that holds it, without a trailing separator.
std::string ProgramFolder();
// The process's current directory, without a trailing separator.
std::string CurrentDirectory();
// Logical pixels per inch of the primary screen; 96 when there is no screen.
int ScreenPixelsPerInch();

// Before the application object is made: "" when the windows have somewhere to go (an X11
// or Wayland display in the environment, or a Qt platform chosen with QT_QPA_PLATFORM),
// otherwise the message that says a display is needed, for `program`. Qt would only abort
// there, with advice to reinstall.
std::string NoDisplayText(const std::string &program);

}  // namespace Platform
