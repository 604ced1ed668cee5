#include "platform/SingleInstance.h"

#include <QDir>
#include <unistd.h>

namespace averoz {

SingleInstance::SingleInstance() : lock_(std::make_unique<QLockFile>(lockPath())) {
  // Only a lock whose process is gone counts as stale, however old it is.
  lock_->setStaleLockTime(0);
}

// The runtime folder when the session has one; asking QStandardPaths without it would
// print a warning, and a second instance must end silently.
static QString RuntimePath(const char* suffix) {
  QString dir = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (dir.isEmpty()) dir = QDir::tempPath();
  QDir().mkpath(dir);
  return dir + QStringLiteral("/EX_Mutex-%1").arg(::getuid()) + QLatin1String(suffix);
}

QString SingleInstance::lockPath() { return RuntimePath(".lock"); }

QString SingleInstance::socketPath() { return RuntimePath(".socket"); }

bool SingleInstance::acquire() { return lock_->tryLock(0); }

}  // namespace averoz
