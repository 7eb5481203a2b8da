#include "kv_program_info.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

namespace Platform {
namespace {
// Before the application object exists (or in a program without one) Qt cannot tell,
// so ask the system.
QString ExecutablePath() {
  if (QCoreApplication::instance()) return QCoreApplication::applicationFilePath();
#ifdef _WIN32
  wchar_t buffer[32768];
  const DWORD n = GetModuleFileNameW(nullptr, buffer, static_cast<DWORD>(std::size(buffer)));
  return QString::fromWCharArray(buffer, static_cast<int>(n));
#else
  std::error_code error;
  const std::filesystem::path path = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? QString() : QString::fromLocal8Bit(path.c_str());
#endif
}
}  // namespace

std::string ProgramFilePath() { return ExecutablePath().toLocal8Bit().toStdString(); }

std::string ProgramFileName() {
  return QFileInfo(ExecutablePath()).fileName().toLocal8Bit().toStdString();
}

std::string ProgramFolder() {
  const QString path = ExecutablePath();
  if (path.isEmpty()) return {};
  return QFileInfo(path).absolutePath().toLocal8Bit().toStdString();
}

std::string CurrentDirectory() {
  std::error_code error;
  const std::filesystem::path path = std::filesystem::current_path(error);
  if (error) return {};
#ifdef _WIN32
  return QString::fromStdWString(path.wstring()).toLocal8Bit().toStdString();
#else
  return path.string();
#endif
}

std::string NoDisplayText(const std::string &program) {
  const auto set = [](const char *name) {
    const char *value = std::getenv(name);
    return value && *value;
  };
  if (set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY")) return {};
  return program + ": no display to show its windows on (neither DISPLAY nor WAYLAND_DISPLAY is set): start it "
                   "from a desktop session, or without one under Xvfb (xvfb-run " + program + " ...)";
}

int ScreenPixelsPerInch() {
  if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance())) return 96;
  const QScreen *screen = QGuiApplication::primaryScreen();
  if (!screen) return 96;
  const int dpi = static_cast<int>(std::lround(screen->logicalDotsPerInchY()));
  return dpi > 0 ? dpi : 96;
}

}  // namespace Platform
