#pragma once
// The program-wide "EX_Mutex": a lock file in the user's runtime folder that the OS frees
// when the process dies, so a killed editor never blocks the next start.
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

 private:
  std::unique_ptr<QLockFile> lock_;
};

}  // namespace averoz
