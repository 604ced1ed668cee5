#include "core/files/FileRead.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace averoz {

bool ReadFileHead(const std::string& path, std::string& out, std::string& error,
                  std::size_t maxBytes) {
  out.clear();
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    error = "Cannot open file \"" + path + "\". " + std::strerror(errno);
    return false;
  }
  char buffer[65536];
  while (out.size() < maxBytes) {
    const std::size_t want = std::min(sizeof buffer, maxBytes - out.size());
    const ssize_t n = ::read(fd, buffer, want);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      error = "Cannot read file \"" + path + "\". " + std::strerror(errno);
      ::close(fd);
      out.clear();
      return false;
    }
    if (n == 0) break;
    out.append(buffer, static_cast<std::size_t>(n));
  }
  ::close(fd);
  return true;
}

}  // namespace averoz
