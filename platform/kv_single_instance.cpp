#include "kv_single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>

#include <cerrno>
#include <cstdlib>
#include <sys/socket.h>
#include <sys/stat.h>

namespace Platform {
namespace {
constexpr char kRequest[] = "activate\n";
constexpr char kAnswer[] = "activated\n";
// A request line is short; anything longer is not ours.
constexpr qint64 kMaxLine = 64;
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
bool PeerUser(const QLocalSocket &socket, uid_t &user) {
  struct ucred credentials {};
  socklen_t size = sizeof credentials;
  if (::getsockopt(static_cast<int>(socket.socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &credentials,
                   &size) != 0)
    return false;
  user = credentials.uid;
  return true;
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
  const std::string name = InstanceSocketName(caption);
  if (name.empty()) return InstanceAnswer::None;
  QLocalSocket socket;
  socket.connectToServer(QString::fromLocal8Bit(name));
  if (!socket.waitForConnected(timeoutMs)) return InstanceAnswer::None;
  // Somebody else's listener is not an instance of ours, whatever it answers.
  uid_t peer = 0;
  if (!PeerUser(socket, peer) || peer != user) return InstanceAnswer::None;
  socket.write(kRequest);
  if (!socket.waitForBytesWritten(timeoutMs)) return InstanceAnswer::NoAnswer;
  while (!socket.canReadLine()) {
    if (!socket.waitForReadyRead(timeoutMs)) return InstanceAnswer::NoAnswer;
  }
  return socket.readLine(kMaxLine) == kAnswer ? InstanceAnswer::Activated
                                              : InstanceAnswer::NoAnswer;
}

InstanceServer::InstanceServer(QObject *parent) : QObject(parent) {}

InstanceServer::~InstanceServer() = default;

bool InstanceServer::Listen(const std::string &caption) {
  const std::string socketName = InstanceSocketName(caption);
  if (socketName.empty()) return false;
  const QString name = QString::fromLocal8Bit(socketName);
  server_ = std::make_unique<QLocalServer>();
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  if (!server_->listen(name)) {
    // A socket file with nobody behind it is what an instance that crashed leaves.
    QLocalSocket probe;
    probe.connectToServer(name);
    if (probe.waitForConnected(500)) {
      server_.reset();
      return false;
    }
    QLocalServer::removeServer(name);
    if (!server_->listen(name)) {
      server_.reset();
      return false;
    }
  }
  connect(server_.get(), &QLocalServer::newConnection, this, &InstanceServer::Accept);
  return true;
}

void InstanceServer::Accept() {
  while (QLocalSocket *client = server_->nextPendingConnection()) {
    connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
    const auto answer = [this, client] {
      if (!client->canReadLine()) {
        if (client->bytesAvailable() > kMaxLine) client->abort();
        return;
      }
      const QByteArray line = client->readLine(kMaxLine);
      if (line != kRequest) {
        client->abort();
        return;
      }
      ++requests_;
      emit ActivationRequested();
      client->write(kAnswer);
      client->flush();
      client->disconnectFromServer();
    };
    connect(client, &QLocalSocket::readyRead, this, answer);
    answer();  // the request may have arrived with the connection
  }
}

}  // namespace Platform
