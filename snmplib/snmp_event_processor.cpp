#include "snmp_event_processor.h"

#include "kv_snmp_session.h"
#include "snmp_session.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <algorithm>
#include <poll.h>
#include <vector>

SnmpEventProcessor::SnmpEventProcessor() {
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, &SnmpEventProcessor::Pump);
}

SnmpEventProcessor::~SnmpEventProcessor() {
  Stop();
  if (GlobalSnmp) {
    GlobalSnmp->SetSocketsChangedHook({});
    GlobalSnmp->SetWorkQueuedHook({});
  }
}

void SnmpEventProcessor::Start() {
  running_ = true;
  if (GlobalSnmp) {
    GlobalSnmp->SetSocketsChangedHook([this] { WatchSockets(); });
    // The hook may run inside net-snmp's own calls, so it only asks for a round soon.
    GlobalSnmp->SetWorkQueuedHook([this] {
      if (running_ && !pumping_) timer_.start(0);
    });
  }
  WatchSockets();
  Reschedule();
}

void SnmpEventProcessor::Stop() {
  running_ = false;
  timer_.stop();
  notifiers_.clear();
}

void SnmpEventProcessor::Pump() {
  if (pumping_) return;  // a completion that lets events run must not re-enter the pump
  pumping_ = true;
  timer_.stop();
  ++rounds_;
  if (GlobalSnmp) GlobalSnmp->ProcessPendingEvents();
  pumping_ = false;
  Reschedule();
}

void SnmpEventProcessor::Reschedule() {
  if (!running_ || pumping_) return;  // a round in progress reschedules when it ends
  const int wait = GlobalSnmp ? GlobalSnmp->MillisecondsToNextTimeout() : -1;
  if (wait < 0) {
    timer_.stop();
    return;
  }
  // A time-out due sooner than the next tick is run when it is due.
  const int next = std::min(wait, kIntervalMs);
  if (!timer_.isActive() || timer_.remainingTime() > next) timer_.start(next);
}

void SnmpEventProcessor::WatchSockets() {
  if (!running_ || !GlobalSnmp) return;
  const std::vector<int> fds = GlobalSnmp->SocketDescriptors();
  for (auto it = notifiers_.begin(); it != notifiers_.end();)
    it = std::find(fds.begin(), fds.end(), it->first) == fds.end() ? notifiers_.erase(it) : std::next(it);
  for (int fd : fds) {
    if (notifiers_.count(fd)) continue;
    auto notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    connect(notifier.get(), &QSocketNotifier::activated, this, &SnmpEventProcessor::OnSocketReadable);
    notifiers_.emplace(fd, std::move(notifier));
  }
}

void SnmpEventProcessor::OnSocketReadable() {
  ++socketWakeups_;
  Pump();
}

SnmpEventProcessor &SnmpEventPump() {
  static SnmpEventProcessor pump;
  return pump;
}

void SnmpProcessMessages(int maxWaitMs) {
  if (QCoreApplication::instance()) QCoreApplication::processEvents(QEventLoop::AllEvents);
  if (!GlobalSnmp) return;
  // Sleep until a socket has something or the next time-out is due, within the limit.
  std::vector<pollfd> fds;
  for (int fd : GlobalSnmp->SocketDescriptors()) fds.push_back({fd, POLLIN, 0});
  int wait = GlobalSnmp->MillisecondsToNextTimeout();
  wait = wait < 0 ? maxWaitMs : std::min(wait, maxWaitMs);
  if (wait > 0) ::poll(fds.data(), fds.size(), wait);
  GlobalSnmp->ProcessPendingEvents();
}
