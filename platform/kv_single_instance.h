#pragma once
// One running instance per main window caption. The instance that owns a caption listens
// on a local socket whose name is derived from the caption, in the user's runtime
// folder; a later start for the same caption asks it to bring its window to the front
// instead of opening a second one. (Windows finds the window by its caption instead.)

#include <QObject>

#include <memory>
#include <string>
#include <vector>
#include <sys/types.h>
#include <unistd.h>

class QSocketNotifier;

namespace Platform {

// The folder of the sockets, which must belong to the user alone: $XDG_RUNTIME_DIR when
// it is such a folder, else the folder "ms2416x-<uid>" in the temporary folder, made
// with mode 0700. A folder (or a link in its place) owned by someone else is never
// used; one of the user's own that others may enter is closed first (as Qt does with
// its runtime folder). Empty when there is no such folder: then no instance is asked
// and none listens.
std::string InstanceFolder(uid_t user = ::geteuid());

// The socket's full path for `caption`: InstanceFolder() + "/ms2416x-" + a digest of
// the caption (captions may hold any bytes; socket names may not); empty without the
// folder.
std::string InstanceSocketName(const std::string &caption);

enum class InstanceAnswer {
  None,       // no instance runs for the caption
  Activated,  // the running instance brought its window to the front
  NoAnswer,   // an instance runs but did not answer in time (busy starting up)
};

// Asks the instance owning `caption` to come to the front and waits (at most
// `timeoutMs`) for its acknowledgement. Only a process of `user` is asked: a socket
// whose listener runs as anyone else counts as no instance.
InstanceAnswer ActivateRunningInstance(const std::string &caption, int timeoutMs = 3000,
                                       uid_t user = ::geteuid());

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
  struct Client;
  void Accept();
  void Read(Client *client);
  void Drop(Client *client);
  void Close();

  int listener_ = -1;      // the listening socket, -1 while not listening
  std::string path_;       // its file, removed when the server ends
  dev_t device_ = 0;       // and the file's identity, so that only that one is removed
  ino_t inode_ = 0;
  QSocketNotifier *ready_ = nullptr;
  std::vector<std::unique_ptr<Client>> clients_;
  int requests_ = 0;
};

}  // namespace Platform
