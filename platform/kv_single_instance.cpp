#include "kv_single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

namespace Platform {
namespace {
constexpr char kRequest[] = "activate\n";
constexpr char kAnswer[] = "activated\n";
// A request line is short; anything longer is not ours.
constexpr qint64 kMaxLine = 64;
}  // namespace

std::string InstanceSocketName(const std::string &caption) {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (folder.isEmpty()) folder = QDir::tempPath();
  const QByteArray digest =
      QCryptographicHash::hash(QByteArray::fromStdString(caption), QCryptographicHash::Sha256)
          .toHex()
          .left(32);
  return (folder + "/ms2416x-" + QString::fromLatin1(digest)).toLocal8Bit().toStdString();
}

InstanceAnswer ActivateRunningInstance(const std::string &caption, int timeoutMs) {
  QLocalSocket socket;
  socket.connectToServer(QString::fromLocal8Bit(InstanceSocketName(caption)));
  if (!socket.waitForConnected(timeoutMs)) return InstanceAnswer::None;
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
  const QString name = QString::fromLocal8Bit(InstanceSocketName(caption));
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
