#include "kv_help.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace Platform {
namespace {
HelpHook &Hook() {
  static HelpHook hook;
  return hook;
}
}  // namespace

bool OpenHelpFile(const std::string &path) {
  const QString file = QString::fromLocal8Bit(path.data(), static_cast<qsizetype>(path.size()));
  if (!QFileInfo(file).isFile()) return false;
  if (Hook()) return Hook()(path);
  return QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath()));
}

HelpHook SetHelpHook(HelpHook hook) {
  HelpHook previous = std::move(Hook());
  Hook() = std::move(hook);
  return previous;
}

}  // namespace Platform
