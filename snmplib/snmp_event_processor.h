#pragma once
// The event pump: delivers asynchronous SNMP answers to their completions on the window
// thread. A 20 ms timer ticks while it runs; in addition every session socket is
// watched, so an answer is taken in as soon as it arrives rather than at the next tick.
// The timer is stopped while the pump works, so ticks never nest.

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

  // One round of the pump: take in answers, run time-outs and retries, run completions.
  void Pump();

  static constexpr int kIntervalMs = 20;

  // How many rounds ran, and how many of them a socket woke (for tests and benchmarks).
  long Rounds() const { return rounds_; }
  long SocketWakeups() const { return socketWakeups_; }

private:
  void WatchSockets();
  void OnSocketReadable();

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
