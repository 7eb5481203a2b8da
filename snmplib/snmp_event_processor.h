#pragma once
// The event pump: delivers asynchronous SNMP answers to their completions on the window
// thread. Every session socket is watched, so an answer is taken in as soon as it
// arrives. A 20 ms timer ticks only while something is outstanding (a request waiting
// for its answer, retry or time-out, or a completion waiting to run); with nothing
// outstanding the process sleeps. The timer is stopped while the pump works, so ticks
// never nest.

#include <QObject>
#include <QTimer>

#include <map>
#include <memory>

class QSocketNotifier;

class SnmpEventProcessor : public QObject {
public:
  SnmpEventProcessor();
  ~SnmpEventProcessor() override;

  void Start();
  void Stop();
  bool Running() const { return running_; }
  // Whether the timer is due to tick: only while something is outstanding.
  bool TimerActive() const { return timer_.isActive(); }

  // One round of the pump: take in answers, run time-outs and retries, run completions.
  void Pump();

  static constexpr int kIntervalMs = 20;

  // How many rounds ran, and how many of them a socket woke (for tests and benchmarks).
  long Rounds() const { return rounds_; }
  long SocketWakeups() const { return socketWakeups_; }

private:
  void WatchSockets();
  void OnSocketReadable();
  // Arms the timer for the next tick when something is outstanding, else stops it.
  void Reschedule();

  QTimer timer_;
  std::map<int, std::unique_ptr<QSocketNotifier>> notifiers_;
  bool running_ = false;
  bool pumping_ = false;
  long rounds_ = 0;
  long socketWakeups_ = 0;
};

// The one pump of the process; created on first use (a Qt application must exist).
SnmpEventProcessor &SnmpEventPump();

// Lets pending work run for at most `maxWaitMs`: the application's events when there is
// an application, and the session's answers and time-outs in any case. Used where the
// caller must wait for answers, such as a request being destroyed.
void SnmpProcessMessages(int maxWaitMs);
