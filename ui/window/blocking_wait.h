#pragma once
// The wait of a blocking request in the windows. While a request waits for the agent the
// program keeps painting, running its timers and answering the window manager; it shows
// the wait cursor and, in the waiting window's status bar, the agent and the try
// ("Waiting for 10.1.2.3... (try 2 of 3)"). No user input reaches any window meanwhile.
// Escape, or closing the waiting window, ends the wait: the request fails as a cancelled
// blocking request (-423), and its answer is dropped should it still come. The waiting
// window is the innermost window running a handler (else the active modal window, else
// the active window); TBaseForm runs none of its handlers while it waits, and the session
// holds every asynchronous answer until the wait ends.
//
//   TBlockingWait::Install();   // once the session exists; every TBaseForm does it when built

#include "snmp_session.h"

#include <QObject>
#include <QPointer>

#include <string>
#include <vector>

class KvStatusBar;
class QWidget;

class TBlockingWait : public QObject, public SnmpBlockingWait {
public:
  // Makes the blocking requests of the global session wait here (once; later calls keep it).
  static void Install();
  // True while a blocking request of `window` (or of a window inside it) waits.
  static bool Waits(const QWidget *window);
  // The status text of a wait.
  static std::string WaitingText(const std::string &agent, int attempt, int tries);

  void Begin(const std::string &agent, int tries) override;
  void Trying(int attempt) override;
  bool Wait() override;
  void End() override;

protected:
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  // One blocking request waiting (nested waits stack up).
  struct Frame {
    QPointer<QWidget> Window;
    bool HadWindow = false;
    QPointer<KvStatusBar> Bar;
    bool Simple = false;        // the wait's text went to the bar's simple text, else panel 0
    std::string SavedText;      // what the bar showed before
    std::string Agent;
    int Tries = 1;
    bool Cancelled = false;
  };
  static QWidget *WaitingWindow();
  // Ends the waits of `window` and of the windows inside it; true when one waited.
  bool CancelWaitsOf(const QWidget *window);

  std::vector<Frame> frames_;
};
