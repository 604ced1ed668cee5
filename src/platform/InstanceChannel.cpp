#include "platform/InstanceChannel.h"

#include <QDataStream>
#include <QDeadlineTimer>
#include <QLocalSocket>
#include <QThread>

namespace averoz {
namespace {
constexpr char kTaken = '1';
}

InstanceServer::InstanceServer(QObject* parent) : QObject(parent) {
  // Only the user who started the editor may hand it files (the /tmp fallback is shared).
  server_.setSocketOptions(QLocalServer::UserAccessOption);
  connect(&server_, &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* socket = server_.nextPendingConnection()) serve(socket);
  });
}

bool InstanceServer::listen(const QString& path) {
  QLocalServer::removeServer(path);
  return server_.listen(path);
}

void InstanceServer::serve(QLocalSocket* socket) {
  connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
  connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
    QDataStream in(socket);
    in.startTransaction();
    QStringList files;
    in >> files;
    if (!in.commitTransaction()) return;  // more bytes to come
    socket->write(&kTaken, 1);
    socket->flush();
    emit filesReceived(files);
  });
}

bool HandOverFiles(const QString& path, const QStringList& files, int timeoutMs) {
  const QDeadlineTimer deadline(timeoutMs);
  QLocalSocket socket;
  for (;;) {
    socket.connectToServer(path);
    if (socket.waitForConnected(int(deadline.remainingTime()))) break;
    if (deadline.hasExpired()) return false;
    QThread::msleep(50);
  }
  QDataStream out(&socket);
  out << files;
  char answer = 0;
  while (socket.bytesAvailable() < 1)
    if (!socket.waitForReadyRead(int(deadline.remainingTime()))) return false;
  return socket.read(&answer, 1) == 1 && answer == kTaken;
}

}  // namespace averoz
