#include "kv_single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QSocketNotifier>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <utility>

namespace Platform {
namespace {
constexpr char kRequest[] = "activate\n";
constexpr char kAnswer[] = "activated\n";
// A request line is short; anything longer is not ours.
constexpr size_t kMaxLine = 64;
}  // namespace

namespace {
// A folder that `user` alone may enter: a real folder (no link), owned by `user`; the
// mode is narrowed to 0700 when it is wider.
bool OwnFolder(const std::string &path, uid_t user) {
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != user) return false;
  if ((info.st_mode & 0077) != 0 && ::chmod(path.c_str(), 0700) != 0) return false;
  return true;
}

// The user of the process listening on the other end of `socket`.
bool PeerUser(int socket, uid_t &user) {
  struct ucred credentials {};
  socklen_t size = sizeof credentials;
  if (::getsockopt(socket, SOL_SOCKET, SO_PEERCRED, &credentials, &size) != 0) return false;
  user = credentials.uid;
  return true;
}

// The socket address of `path`; false when the path does not fit in one.
bool AddressOf(const std::string &path, sockaddr_un &address) {
  std::memset(&address, 0, sizeof address);
  address.sun_family = AF_UNIX;
  if (path.empty() || path.size() >= sizeof address.sun_path) return false;
  std::memcpy(address.sun_path, path.data(), path.size());
  return true;
}

// A descriptor closed when it goes out of scope, unless released.
class Descriptor {
public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor &) = delete;
  Descriptor &operator=(const Descriptor &) = delete;
  int Get() const { return fd_; }
  int Release() { return std::exchange(fd_, -1); }

private:
  int fd_;
};

int NewSocket() { return ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0); }

// Connects `socket` to `address`, trying again while the listener's queue is full, until
// `deadline`.
bool ConnectBy(int socket, const sockaddr_un &address, std::chrono::steady_clock::time_point deadline) {
  while (::connect(socket, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0) {
    if (errno == EINTR) continue;
    if (errno != EAGAIN || std::chrono::steady_clock::now() >= deadline) return false;
    ::poll(nullptr, 0, 10);
  }
  return true;
}

// Waits until `socket` can take or give bytes (`events`), or has failed, until `deadline`.
bool WaitFor(int socket, short events, std::chrono::steady_clock::time_point deadline) {
  while (true) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now()).count();
    pollfd ready{socket, events, 0};
    const int n = ::poll(&ready, 1, static_cast<int>(std::max<long long>(0, left)));
    if (n > 0) return true;  // ready, closed or failed: the next call tells which
    if (n == 0 || errno != EINTR) return false;
  }
}

// Whether a live process listens at `address` (its queue may be full).
bool Listened(const sockaddr_un &address) {
  Descriptor probe(NewSocket());
  if (probe.Get() < 0) return false;
  if (::connect(probe.Get(), reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0) return true;
  return errno == EAGAIN;
}
}  // namespace

std::string InstanceFolder(uid_t user) {
  if (const char *runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && runtime[0] == '/') {
    std::string folder = runtime;
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    if (OwnFolder(folder, user)) return folder;
  }
  const std::string folder =
      QDir::tempPath().toLocal8Bit().toStdString() + "/ms2416x-" + std::to_string(user);
  if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return {};
  return OwnFolder(folder, user) ? folder : std::string();
}

std::string InstanceSocketName(const std::string &caption) {
  const std::string folder = InstanceFolder();
  if (folder.empty()) return {};
  const QByteArray digest =
      QCryptographicHash::hash(QByteArray::fromStdString(caption), QCryptographicHash::Sha256)
          .toHex()
          .left(32);
  return folder + "/ms2416x-" + digest.toStdString();
}

InstanceAnswer ActivateRunningInstance(const std::string &caption, int timeoutMs, uid_t user) {
  using Clock = std::chrono::steady_clock;
  const std::string name = InstanceSocketName(caption);
  sockaddr_un address{};
  if (name.empty() || !AddressOf(name, address)) return InstanceAnswer::None;
  Descriptor socket(NewSocket());
  if (socket.Get() < 0) return InstanceAnswer::None;
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(std::max(0, timeoutMs));
  if (!ConnectBy(socket.Get(), address, deadline)) return InstanceAnswer::None;
  // Somebody else's listener is not an instance of ours, whatever it answers.
  uid_t peer = 0;
  if (!PeerUser(socket.Get(), peer) || peer != user) return InstanceAnswer::None;

  for (size_t sent = 0; sent < sizeof kRequest - 1;) {
    const ssize_t n = ::send(socket.Get(), kRequest + sent, sizeof kRequest - 1 - sent, MSG_NOSIGNAL);
    if (n > 0) {
      sent += static_cast<size_t>(n);
    } else if (n < 0 && errno == EINTR) {
      continue;
    } else if (!(n < 0 && errno == EAGAIN && WaitFor(socket.Get(), POLLOUT, deadline))) {
      return InstanceAnswer::NoAnswer;
    }
  }
  std::string line;
  char buffer[kMaxLine];
  while (line.find('\n') == std::string::npos) {
    const ssize_t n = ::recv(socket.Get(), buffer, sizeof buffer, 0);
    if (n > 0) {
      line.append(buffer, static_cast<size_t>(n));
      if (line.size() > kMaxLine) return InstanceAnswer::NoAnswer;
    } else if (n < 0 && errno == EINTR) {
      continue;
    } else if (!(n < 0 && errno == EAGAIN && WaitFor(socket.Get(), POLLIN, deadline))) {
      return InstanceAnswer::NoAnswer;  // closed before a whole line, failed, or too late
    }
  }
  return line.compare(0, line.find('\n') + 1, kAnswer) == 0 ? InstanceAnswer::Activated : InstanceAnswer::NoAnswer;
}

// A process that connected to ask for the window, until its line is read.
struct InstanceServer::Client {
  int Fd = -1;
  QSocketNotifier *Ready = nullptr;
  std::string Line;
};

InstanceServer::InstanceServer(QObject *parent) : QObject(parent) {}

InstanceServer::~InstanceServer() { Close(); }

bool InstanceServer::Listen(const std::string &caption) {
  Close();
  const std::string path = InstanceSocketName(caption);
  sockaddr_un address{};
  if (path.empty() || !AddressOf(path, address)) return false;
  Descriptor socket(NewSocket());
  if (socket.Get() < 0) return false;
  const auto bindTo = [&] {
    return ::bind(socket.Get(), reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
  };
  if (!bindTo()) {
    if (errno != EADDRINUSE || Listened(address)) return false;
    // A socket file with nobody behind it is what an instance that crashed leaves; only
    // a socket is ever removed.
    struct stat left {};
    if (::lstat(path.c_str(), &left) != 0 || !S_ISSOCK(left.st_mode) || ::unlink(path.c_str()) != 0 || !bindTo())
      return false;
  }
  struct stat made {};
  if (::chmod(path.c_str(), 0600) != 0 || ::lstat(path.c_str(), &made) != 0 || ::listen(socket.Get(), 8) != 0) {
    ::unlink(path.c_str());
    return false;
  }
  listener_ = socket.Release();
  path_ = path;
  device_ = made.st_dev;
  inode_ = made.st_ino;
  ready_ = new QSocketNotifier(listener_, QSocketNotifier::Read, this);
  connect(ready_, &QSocketNotifier::activated, this, &InstanceServer::Accept);
  return true;
}

void InstanceServer::Accept() {
  while (listener_ >= 0) {
    const int fd = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
    if (fd < 0) {
      if (errno == EINTR) continue;
      return;  // none left waiting
    }
    auto client = std::make_unique<Client>();
    client->Fd = fd;
    client->Ready = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    Client *asking = client.get();
    connect(client->Ready, &QSocketNotifier::activated, this, [this, asking] { Read(asking); });
    clients_.push_back(std::move(client));
    Read(asking);  // the request may have arrived with the connection
  }
}

void InstanceServer::Read(Client *client) {
  char buffer[kMaxLine];
  while (true) {
    const ssize_t n = ::recv(client->Fd, buffer, sizeof buffer, 0);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && errno == EAGAIN) return;  // the rest of the line comes later
    if (n <= 0) return Drop(client);       // gone, or failed, before a whole line
    client->Line.append(buffer, static_cast<size_t>(n));
    const size_t end = client->Line.find('\n');
    if (end == std::string::npos) {
      if (client->Line.size() > kMaxLine) return Drop(client);
      continue;
    }
    if (client->Line.compare(0, end + 1, kRequest) != 0) return Drop(client);
    ++requests_;
    emit ActivationRequested();
    // A socket just connected takes these few bytes at once.
    (void)::send(client->Fd, kAnswer, sizeof kAnswer - 1, MSG_NOSIGNAL);
    return Drop(client);
  }
}

void InstanceServer::Drop(Client *client) {
  client->Ready->setEnabled(false);
  client->Ready->deleteLater();  // it may be the notifier whose signal runs now
  ::close(client->Fd);
  clients_.erase(std::find_if(clients_.begin(), clients_.end(), [client](const auto &c) { return c.get() == client; }));
}

void InstanceServer::Close() {
  while (!clients_.empty()) Drop(clients_.back().get());
  if (listener_ < 0) return;
  delete ready_;
  ready_ = nullptr;
  ::close(std::exchange(listener_, -1));
  // The file goes with the server, unless a later instance has made its own there.
  struct stat now {};
  if (::lstat(path_.c_str(), &now) == 0 && now.st_dev == device_ && now.st_ino == inode_) ::unlink(path_.c_str());
  path_.clear();
}

}  // namespace Platform
