#pragma once
// Whole-file writes that never leave a half-written or destroyed target: the bytes go to a
// new file in the target's folder, which is flushed and then renamed over the target.
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace averoz {

// A failed write; what() names the file and the system's reason.
class FileWriteError : public std::runtime_error {
 public:
  FileWriteError(const std::string& path, const std::string& reason);
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

// Creates or replaces path with exactly bytes. A symbolic link is followed and the file it
// names is written; a file without write permission (for anyone, or for this process) is
// refused with "Permission denied". On failure the previous file (if any) is untouched, the
// temporary file is removed, and FileWriteError is thrown.
void WriteFileAtomic(const std::string& path, std::span<const std::uint8_t> bytes);
void WriteFileAtomic(const std::string& path, std::string_view text);

// The outcome of a writer as the user sees it: ok, or the error text to show.
struct FileWriteResult {
  bool ok = false;
  std::string error;
};

}  // namespace averoz
