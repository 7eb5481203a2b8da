#include "kv_focus.h"

#include <QWidget>

bool FocusNextControl(QWidget *from) {
  if (!from) return false;
  QWidget *window = from->window();
  for (QWidget *w = from->nextInFocusChain(); w && w != from; w = w->nextInFocusChain()) {
    if (w->window() != window || w->focusProxy()) continue;
    if (!(w->focusPolicy() & Qt::TabFocus) || !w->isEnabled() || !w->isVisibleTo(window)) continue;
    w->setFocus(Qt::TabFocusReason);
    return true;
  }
  return false;
}
