#pragma once
// Whole-file reads for the readers: the bytes, or the system's reason naming the file.
#include <cstddef>
#include <limits>
#include <string>

namespace averoz {

// Reads at most maxBytes bytes from the start of path into out. False with error set when
// the file cannot be opened or read (a folder cannot be read either).
bool ReadFileHead(const std::string& path, std::string& out, std::string& error,
                  std::size_t maxBytes = std::numeric_limits<std::size_t>::max());

}  // namespace averoz
