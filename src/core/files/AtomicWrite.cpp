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

// The file a write lands in: symbolic links are followed, so a link stays a link and the
// file it names gets the data. A link to nothing yet names the file to create.
std::string FollowLinks(const std::string& path) {
  std::string at = path;
  for (int hops = 0; hops < 40; ++hops) {
    struct stat st {};
    if (::lstat(at.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return at;
    std::string target(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 4096), '\0');
    const ssize_t n = ::readlink(at.c_str(), target.data(), target.size());
    if (n < 0) throw FileWriteError(path, ErrnoText("link", errno));
    target.resize(static_cast<std::size_t>(n));
    if (target.empty() || target.front() != '/') {
      const std::size_t slash = at.rfind('/');
      if (slash != std::string::npos) target = at.substr(0, slash + 1) + target;
    }
    at = target;
  }
  throw FileWriteError(path, std::strerror(ELOOP));
}

// 0 when the existing file may be replaced, else the reason it may not. Renaming over a file
// needs only the folder's permission, so a file the user made read-only is refused here, and
// a file nobody may write is refused even for root, whom the permission bits never stop.
int RefusalOf(const std::string& path, const struct stat& st) {
  if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return EACCES;
  if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0 &&
      (errno == EACCES || errno == EROFS))
    return errno;
  return 0;
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
  const std::string target = FollowLinks(path);
  struct stat st {};
  const bool replacing = ::stat(target.c_str(), &st) == 0 && S_ISREG(st.st_mode);
  if (replacing) {
    if (const int refusal = RefusalOf(target, st)) throw FileWriteError(path, std::strerror(refusal));
  }

  // Beside the linked file, not beside the link.
  const std::string tempPath = TempPathFor(target);
  // 0666 and the process umask, like any newly created file.
  const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) throw FileWriteError(path, ErrnoText("create", errno));
  TempFile temp(tempPath, fd);

  // A replaced file keeps its permission bits.
  if (replacing) ::fchmod(temp.fd(), st.st_mode & 07777);

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
  if (::rename(tempPath.c_str(), target.c_str()) != 0)
    throw FileWriteError(path, ErrnoText("replace", errno));
  temp.Release();
}

void WriteFileAtomic(const std::string& path, std::string_view text) {
  WriteFileAtomic(path, std::span<const std::uint8_t>(
                            reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

}  // namespace averoz
