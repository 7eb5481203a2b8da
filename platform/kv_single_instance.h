#pragma once
// One running instance per main window caption. The instance that owns a caption listens
// on a local socket whose name is derived from the caption, in the user's runtime
// folder; a later start for the same caption asks it to bring its window to the front
// instead of opening a second one. (Windows finds the window by its caption instead.)

#include <QObject>

#include <memory>
#include <string>

class QLocalServer;

namespace Platform {

// The socket's full path for `caption`: the runtime folder + "/ms2416x-" + a digest of
// the caption (captions may hold any bytes; socket names may not).
std::string InstanceSocketName(const std::string &caption);

enum class InstanceAnswer {
  None,       // no instance runs for the caption
  Activated,  // the running instance brought its window to the front
  NoAnswer,   // an instance runs but did not answer in time (busy starting up)
};

// Asks the instance owning `caption` to come to the front and waits (at most
// `timeoutMs`) for its acknowledgement.
InstanceAnswer ActivateRunningInstance(const std::string &caption, int timeoutMs = 3000);

// The listening side, kept by the running instance for its lifetime.
class InstanceServer : public QObject {
  Q_OBJECT
public:
  explicit InstanceServer(QObject *parent = nullptr);
  ~InstanceServer() override;

  // Starts listening for `caption`; a socket left behind by an instance that has ended
  // is taken over. False when another live instance holds it, or no socket can be made.
  bool Listen(const std::string &caption);

  // Requests answered so far.
  int Requests() const { return requests_; }

signals:
  // A later start asked this instance to bring its window to the front.
  void ActivationRequested();

private:
  void Accept();

  std::unique_ptr<QLocalServer> server_;
  int requests_ = 0;
};

}  // namespace Platform
