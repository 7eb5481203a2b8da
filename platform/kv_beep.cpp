#include "kv_beep.h"

#include <QApplication>

#ifdef _WIN32
#include <windows.h>
#endif

namespace Platform {
namespace {
BeepHook &Hook() {
  static BeepHook hook;
  return hook;
}
}  // namespace

void Beep() {
  if (Hook()) {
    Hook()();
    return;
  }
#ifdef _WIN32
  if (::Beep(1000, 200)) return;
#endif
  if (qApp) QApplication::beep();
}

BeepHook SetBeepHook(BeepHook hook) {
  BeepHook previous = std::move(Hook());
  Hook() = std::move(hook);
  return previous;
}

}  // namespace Platform
