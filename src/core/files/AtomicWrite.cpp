#include "core/files/AtomicWrite.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>

namespace averoz {

namespace {

// A short name beside the target: rename only replaces within one file system, and a long
// target name must not make the temporary name too long.
std::string TempPathFor(const std::string& path) {
  static std::atomic<unsigned> counter{0};
  const std::size_t slash = path.rfind('/');
  const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
  return folder + ".averoz-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + ".tmp";
}

std::string ErrnoText(const char* what, int err) {
  return std::string(what) + ": " + std::strerror(err);
}

// Closes and removes the temporary file unless released after the rename.
class TempFile {
 public:
  TempFile(std::string path, int fd) : path_(std::move(path)), fd_(fd) {}
  ~TempFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!released_) ::unlink(path_.c_str());
  }
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;
  int fd() const { return fd_; }
  int Close() {
    const int rc = ::close(fd_);
    fd_ = -1;
    return rc;
  }
  void Release() { released_ = true; }

 private:
  std::string path_;
  int fd_;
  bool released_ = false;
};

}  // namespace

FileWriteError::FileWriteError(const std::string& path, const std::string& reason)
    : std::runtime_error("Cannot write file \"" + path + "\". " + reason), path_(path) {}

void WriteFileAtomic(const std::string& path, std::span<const std::uint8_t> bytes) {
  if (path.empty()) throw FileWriteError(path, "No file name.");
  const std::string tempPath = TempPathFor(path);
  // 0666 and the process umask, like any newly created file.
  const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) throw FileWriteError(path, ErrnoText("create", errno));
  TempFile temp(tempPath, fd);

  // A replaced file keeps its permission bits.
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode))
    ::fchmod(temp.fd(), st.st_mode & 07777);

  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(temp.fd(), bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      throw FileWriteError(path, ErrnoText("write", errno));
    }
    done += static_cast<std::size_t>(n);
  }
  if (::fsync(temp.fd()) != 0) throw FileWriteError(path, ErrnoText("flush", errno));
  if (temp.Close() != 0) throw FileWriteError(path, ErrnoText("close", errno));
  if (::rename(tempPath.c_str(), path.c_str()) != 0)
    throw FileWriteError(path, ErrnoText("replace", errno));
  temp.Release();
}

void WriteFileAtomic(const std::string& path, std::string_view text) {
  WriteFileAtomic(path, std::span<const std::uint8_t>(
                            reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

}  // namespace averoz
