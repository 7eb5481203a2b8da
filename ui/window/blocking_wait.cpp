#include "blocking_wait.h"

#include "base_form.h"
#include "kv_snmp_session.h"
#include "kv_status_bar.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

namespace {
TBlockingWait *g_wait = nullptr;

bool IsUserInput(QEvent::Type type) {
  switch (type) {
  case QEvent::MouseButtonPress:
  case QEvent::MouseButtonRelease:
  case QEvent::MouseButtonDblClick:
  case QEvent::MouseMove:
  case QEvent::NonClientAreaMouseButtonPress:
  case QEvent::NonClientAreaMouseButtonRelease:
  case QEvent::NonClientAreaMouseButtonDblClick:
  case QEvent::Wheel:
  case QEvent::KeyPress:
  case QEvent::KeyRelease:
  case QEvent::ShortcutOverride:
  case QEvent::Shortcut:
  case QEvent::ContextMenu:
  case QEvent::InputMethod:
  case QEvent::TouchBegin:
  case QEvent::TouchUpdate:
  case QEvent::TouchEnd:
  case QEvent::TabletPress:
  case QEvent::TabletRelease:
  case QEvent::TabletMove:
  case QEvent::Drop:
    return true;
  default:
    return false;
  }
}

bool Inside(const QWidget *widget, const QWidget *window) {
  for (const QWidget *w = widget; w; w = w->parentWidget())
    if (w == window) return true;
  return false;
}
}  // namespace

void TBlockingWait::Install() {
  if (!GlobalSnmp || !qobject_cast<QApplication *>(QCoreApplication::instance())) return;
  if (!g_wait) g_wait = new TBlockingWait;  // lives as long as the process
  GlobalSnmp->SetBlockingWait(g_wait);
}

bool TBlockingWait::Waits(const QWidget *window) {
  if (!g_wait || !window) return false;
  for (const Frame &frame : g_wait->frames_)
    if (frame.Window && Inside(frame.Window, window)) return true;
  return false;
}

std::string TBlockingWait::WaitingText(const std::string &agent, int attempt, int tries) {
  return "Waiting for " + agent + "... (try " + std::to_string(attempt) + " of " + std::to_string(tries) + ")";
}

QWidget *TBlockingWait::WaitingWindow() {
  if (TBaseForm *form = TBaseForm::InnermostHandlerForm()) return form;
  if (QWidget *modal = QApplication::activeModalWidget()) return modal;
  return QApplication::activeWindow();
}

void TBlockingWait::Begin(const std::string &agent, int tries) {
  Frame frame;
  frame.Window = WaitingWindow();
  frame.HadWindow = frame.Window != nullptr;
  frame.Agent = agent;
  frame.Tries = tries;
  if (frame.Window) {
    const auto bars = frame.Window->findChildren<KvStatusBar *>();
    if (!bars.isEmpty()) {
      frame.Bar = bars.front();
      frame.Simple = frame.Bar->ShowsSimpleText() || frame.Bar->PanelCount() == 0;
      frame.SavedText = frame.Simple ? frame.Bar->SimpleText() : frame.Bar->PanelText(0);
    }
  }
  if (frames_.empty()) qApp->installEventFilter(this);
  frames_.push_back(std::move(frame));
  QApplication::setOverrideCursor(Qt::WaitCursor);
}

void TBlockingWait::Trying(int attempt) {
  if (frames_.empty()) return;
  Frame &frame = frames_.back();
  if (!frame.Bar) return;
  const std::string text = WaitingText(frame.Agent, attempt, frame.Tries);
  if (frame.Simple)
    frame.Bar->SetSimpleText(text);
  else
    frame.Bar->SetPanelText(0, text);
}

bool TBlockingWait::Wait() {
  if (frames_.empty()) return true;
  const size_t depth = frames_.size();
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  Frame &frame = frames_[depth - 1];
  // A window destroyed while its request waited takes the wait with it.
  if (frame.HadWindow && frame.Window.isNull()) frame.Cancelled = true;
  return !frame.Cancelled;
}

void TBlockingWait::End() {
  if (frames_.empty()) return;
  Frame frame = std::move(frames_.back());
  frames_.pop_back();
  if (frames_.empty()) qApp->removeEventFilter(this);
  QApplication::restoreOverrideCursor();
  if (frame.Bar) {
    if (frame.Simple)
      frame.Bar->SetSimpleText(frame.SavedText);
    else
      frame.Bar->SetPanelText(0, frame.SavedText);
  }
}

bool TBlockingWait::CancelWaitsOf(const QWidget *window) {
  bool any = false;
  for (Frame &frame : frames_)
    if (frame.Window && Inside(frame.Window, window)) frame.Cancelled = any = true;
  return any;
}

bool TBlockingWait::eventFilter(QObject *watched, QEvent *event) {
  if (frames_.empty()) return false;
  const QEvent::Type type = event->type();
  if (type == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
    frames_.back().Cancelled = true;
    return true;
  }
  if (IsUserInput(type)) return true;
  if (type == QEvent::Close && watched->isWidgetType()) {
    auto *window = static_cast<QWidget *>(watched);
    if (!window->isWindow()) return false;
    const bool waited = CancelWaitsOf(window);
    // A window closes now only when its closing waits for its handler to end (a
    // TBaseForm inside one of its handlers); any other close is refused while a request
    // waits, as the window manager's close of another window is.
    auto *form = qobject_cast<TBaseForm *>(window);
    if (waited && form && form->HandlerRunning()) return false;
    if (!event->spontaneous() && !waited) return false;  // the program's own closing of another window
    event->ignore();
    return true;
  }
  return false;
}
