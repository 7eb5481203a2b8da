#include "modal_watch.h"

#include "base_form.h"
#include "kv_snmp_request2_controls.h"
#include "kv_status_bar.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>

bool WindowSettled(QWidget *window) {
  if (!window->isVisible()) return false;
  if (auto *form = qobject_cast<TBaseForm *>(window)) {
    for (const auto &binding : form->OwnedBindings())
      if (binding->Busy()) return false;
    if (form->OwnedBindings().empty()) return true;
    // The first read has reported: a line in a memo or a text in a status bar. A window
    // that has neither is settled once its bindings are idle.
    if (!MemoTexts(window).isEmpty()) return true;
    const auto bars = window->findChildren<KvStatusBar *>();
    const auto memos = window->findChildren<QPlainTextEdit *>();
    if (bars.isEmpty() && memos.isEmpty()) return true;
    for (const KvStatusBar *bar : bars) {
      if (!bar->SimpleText().empty()) return true;
      for (int i = 0; i < bar->PanelCount(); ++i)
        if (!bar->PanelText(i).empty()) return true;
    }
    return false;
  }
  return true;
}

QString MemoTexts(QWidget *window) {
  QStringList texts;
  for (QPlainTextEdit *memo : window->findChildren<QPlainTextEdit *>())
    if (!memo->toPlainText().isEmpty()) texts << memo->toPlainText();
  return texts.join(QLatin1Char('\n'));
}

bool WaitUntilSettled(QWidget *window, int quietTicks, int timeoutMs) {
  QElapsedTimer clock;
  clock.start();
  int quiet = 0;
  while (clock.elapsed() < timeoutMs) {
    QEventLoop tick;
    QTimer::singleShot(50, &tick, &QEventLoop::quit);
    tick.exec();
    quiet = WindowSettled(window) ? quiet + 1 : 0;
    if (quiet >= quietTicks) return true;
  }
  return false;
}

bool TriggerAndWatchModal(QAction *action, const std::function<void(QWidget *window)> &settled, int timeoutMs) {
  bool done = false;
  QElapsedTimer clock;
  clock.start();
  QTimer poll;
  poll.setInterval(50);
  int quietTicks = 0;  // settled for a few ticks in a row: nothing more is coming
  QObject::connect(&poll, &QTimer::timeout, [&] {
    QWidget *window = QApplication::activeModalWidget();
    if (!window) return;
    if (WindowSettled(window)) {
      if (++quietTicks < 4) return;
      poll.stop();
      done = true;
      settled(window);
    } else if (clock.elapsed() > timeoutMs) {
      poll.stop();
      if (auto *dialog = qobject_cast<QDialog *>(window)) dialog->reject();
      else window->close();
    } else {
      quietTicks = 0;
    }
  });
  poll.start();
  action->trigger();
  poll.stop();
  return done;
}
