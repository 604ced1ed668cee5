#pragma once
// The program-wide "EX_Mutex": a lock file in the user's runtime folder that the OS frees
// when the process dies, so a killed editor never blocks the next start. Beside it, the
// socket on which the running editor takes the files of a second start.
#include <QLockFile>
#include <QString>
#include <memory>

namespace averoz {

class SingleInstance {
 public:
  SingleInstance();
  // False when another running instance holds the lock.
  bool acquire();
  static QString lockPath();
  // Where the lock holder listens for the files of a second start (InstanceChannel.h).
  static QString socketPath();

 private:
  std::unique_ptr<QLockFile> lock_;
};

}  // namespace averoz
