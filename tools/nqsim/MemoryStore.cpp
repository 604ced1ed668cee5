#include "MemoryStore.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "Instrument.h"

namespace nqsim {

namespace fs = std::filesystem;

namespace {

fs::path MemoryPath(std::size_t n) { return StateDir() / ("memory" + std::to_string(n)); }

bool WriteAll(int fd, std::span<const std::uint8_t> bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n <= 0) return false;
    bytes = bytes.subspan(static_cast<std::size_t>(n));
  }
  return true;
}

}  // namespace

fs::path StateDir() {
  if (const char* dir = std::getenv("NQSIM_STATE_DIR"); dir && *dir) return dir;
  if (const char* run = std::getenv("XDG_RUNTIME_DIR"); run && *run) return fs::path(run) / "nqsim";
  return fs::path("/tmp") / ("nqsim-" + std::to_string(::getuid()));
}

std::optional<std::vector<std::uint8_t>> LoadMemoryFile(std::size_t n) {
  std::ifstream in(MemoryPath(n), std::ios::binary);
  if (!in) return std::nullopt;
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

bool SaveMemoryFile(std::size_t n, std::span<const std::uint8_t> bytes) {
  const fs::path dir = StateDir();
  ::mkdir(dir.c_str(), 0700);  // private to the user; an existing folder is fine
  const fs::path target = MemoryPath(n);
  // A reader (another process loading the library) sees the old file or the new, never half.
  const fs::path temp = target.string() + ".tmp" + std::to_string(::getpid());
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  const bool written = WriteAll(fd, bytes);
  if (::close(fd) != 0 || !written || std::rename(temp.c_str(), target.c_str()) != 0) {
    std::remove(temp.c_str());
    return false;
  }
  return true;
}

void RemoveMemoryFiles() {
  for (std::size_t n = 0; n < kMemories; ++n) std::remove(MemoryPath(n).c_str());
}

}  // namespace nqsim
