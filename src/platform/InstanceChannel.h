#pragma once
// How a second start hands its files to the editor that holds the single-instance lock: a
// local socket beside the lock. The client sends the absolute paths as one QStringList in a
// QDataStream; the editor answers one byte once it has them, so the client knows they
// arrived before it exits.
#include <QLocalServer>
#include <QObject>
#include <QStringList>

namespace averoz {

class InstanceServer : public QObject {
  Q_OBJECT
 public:
  explicit InstanceServer(QObject* parent = nullptr);
  // Call only while holding the lock: no live editor serves the path then, so a socket file
  // there was left by one that died and is removed first. False when listening fails.
  bool listen(const QString& path);

 signals:
  void filesReceived(const QStringList& files);

 private:
  void serve(QLocalSocket* socket);
  QLocalServer server_;
};

// The client: true once the editor at path has taken the files. A lock holder that has not
// started listening yet is retried until timeoutMs has passed.
bool HandOverFiles(const QString& path, const QStringList& files, int timeoutMs);

}  // namespace averoz
