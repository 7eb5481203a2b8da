#pragma once
// Every window against a failing agent. A sweep opens each window of a list (its rows)
// against an agent that fails in one way (a fault mode) and checks what must hold
// whatever the agent does: no crash, no wait beyond the request time-outs, the outcome
// shown in the window's status line or a message, the window closed and destroyed, and
// no Set that nobody asked for.
//
// The rows come from the program whose windows are swept: a row names the window and
// opens it modally. The module's menu gives its rows in menu_window_sweep.cpp; a program
// with a list of views of its own adds one row per view in the same way.

#include <QtGlobal>

#include <cstddef>
#include <functional>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

class MisbehavingAgent;
class SwitchSimAgent;

struct SweepWindow {
  std::string Name;  // as the failures name it
  std::string Kind;  // the kind of window, for the summary of what each mode showed
  // Opens the window modally; returns once it has closed.
  std::function<void()> Open;
  // In a mode that stops the agent: the agent stops when the window's request number
  // StopAt arrives (1 the first), or before the window opens when 0.
  int StopAt = 2;
  // An entry that shows its outcome outside any window of its own: the text shown
  // (for example the main window's status bar). Null for a window.
  std::function<std::string()> Outcome;
  // Shows nothing at all when the agent answered (an entry that starts another program).
  bool SilentWhenAnswered = false;
  // Besides the window's own requests, a blocking read after it closed may wait this long.
  int ExtraCloseWaitMs = 0;
};

struct FaultMode {
  std::string Name;
  std::vector<std::string> SimulatorArgs;
  bool Misbehaving = false;     // the misbehaving test agent instead of the simulator
  bool StopInWalk = false;      // the agent stops in the middle of each window's reading
  bool EveryReadFails = false;  // no answer comes in time: every window must show a failure
  int MaxRepetitions = -1;      // rows per request of a walk (SNMPMaxRepetitions)
  // The program must keep running while the agent is slow or silent: no stretch of more
  // than kStallGoalMs without the event loop, from opening a window until it is closed.
  bool StallGoal = false;
};

// The longest the event loop may stay away (a 20 ms heartbeat's longest gap), and the
// same under the sanitizers, which make painting several times slower.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr int kStallGoalMs = 1000;
#else
inline constexpr int kStallGoalMs = 250;
#endif

// The fault modes, by name: Delay, Drop, WrongType, Short, StopInWalk, Misbehaving.
const std::vector<FaultMode> &FaultModes();
// A mode prints as its name (in test names).
inline void PrintTo(const FaultMode &mode, std::ostream *out) { *out << mode.Name; }

// Per try, hundredths of a second: short, so that the sweep is quick. Every request of
// the swept windows waits at most (retries + 1) times this for an answer.
inline constexpr int kSweepTimeout = 5;

// The agent of one mode, shared by all windows of the mode.
class SweepAgent {
public:
  explicit SweepAgent(const FaultMode &mode);
  ~SweepAgent();
  bool Started() const;
  int Port() const;
  std::string Output() const;
  // Requests received so far (the simulator's log; 0 for the misbehaving agent).
  size_t Requests();
  // Set requests received so far.
  int Sets() const;
  void Pause();
  void Resume();
  // Lets events run until no request arrived for a while: the late requests of a
  // paused agent are logged before the next window counts its own.
  void WaitForQuiet();
  // The simulator's request log ("" for the misbehaving agent).
  std::string LogPath() const;

private:
  std::unique_ptr<SwitchSimAgent> sim_;
  std::unique_ptr<MisbehavingAgent> misbehaving_;
  long logOffset_ = 0;
  size_t requests_ = 0;
};

struct SweepOutcome {
  bool Shown = false;    // a window opened, a message was shown or the entry showed a text
  bool Settled = false;  // the window came to rest with a status before the deadline
  bool Stopped = false;  // the agent was stopped while the window was open
  std::string Status;    // what the window or its messages said
  qint64 OpenMs = 0;     // from opening until at rest
  qint64 CloseMs = 0;    // from asking the window to close until the opener returned
  qint64 StallMs = 0;    // the longest the event loop stayed away, from opening to closed
};

// Opens one window under `mode` with `agent`, closes it once it is at rest and checks
// what must hold (as test failures naming the window).
SweepOutcome SweepOne(const SweepWindow &window, const FaultMode &mode, SweepAgent &agent);

// True when `text` carries a failure: a message of one of the library's families that
// is not the text of success.
bool IsFailureText(const std::string &text);

// What each kind of window showed under a mode: per kind, the first failure texts (or
// "Ok") with the number of windows that showed each.
using SweepSummary = std::map<std::string, std::map<std::string, int>>;
void AddToSummary(SweepSummary &summary, const SweepWindow &window, const SweepOutcome &outcome);
std::string FormatSummary(const std::string &mode, const SweepSummary &summary);
