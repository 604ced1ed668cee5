#pragma once
// What the data-file reader harnesses share: a check that stops the run, and the input split
// into a first byte that picks the reader's "Load" settings and the file's bytes.
#include <cstddef>
#include <cstdint>
#include <span>

#include "core/files/FileHeaderSettings.h"

namespace averoz::fuzz {

inline void Check(bool ok) {
  if (!ok) __builtin_trap();
}

struct DataFileInput {
  std::uint8_t mode = 0;  // bit 0: accept every model text; bit 1: demand versions 0 1 0 0
  std::span<const std::uint8_t> file;
  LoadHeaderSettings load;
};

// False for an empty input, which has no mode byte.
inline bool SplitDataFileInput(const std::uint8_t* data, std::size_t size, DataFileInput& in) {
  if (size == 0) return false;
  in.mode = data[0];
  in.file = std::span<const std::uint8_t>(data + 1, size - 1);
  if (in.mode & 1) in.load.modelNumber.clear();
  if (in.mode & 2) in.load.version = {0, 1, 0, 0};
  return true;
}

}  // namespace averoz::fuzz
