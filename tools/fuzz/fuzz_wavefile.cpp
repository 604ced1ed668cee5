// libFuzzer harness of the waveform data-file reader: any bytes, any expected kind, the
// strict and the permissive "Load" settings. The reader must never read out of bounds and
// must keep its promises about the result.
#include <cstddef>
#include <cstdint>
#include <span>

#include "core/files/WaveFile.h"

using namespace averoz;

namespace {

void Check(bool ok) {
  if (!ok) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  // The first byte picks the reader's settings; the rest is the file.
  const std::uint8_t mode = data[0];
  const std::span<const std::uint8_t> file(data + 1, size - 1);

  LoadHeaderSettings load;
  if (mode & 1) load.modelNumber.clear();  // accepts every model text
  if (mode & 2) load.version = {0, 1, 0, 0};
  const int kind = (mode >> 2) % 4 - 1;  // -1 (no limit) .. 2

  const WaveReadResult r = ReadWaveFile(file, kind, load);
  Check(r.samples.size() == static_cast<std::size_t>(kWaveLength));
  Check(r.count >= -1);
  if (kind >= 0) Check(r.count <= kWaveLength);
  if (r.count <= 0) {
    for (std::int32_t s : r.samples) Check(s == 0);
  } else {
    for (std::int32_t s : r.samples) Check(s >= 0 && s <= 4095);
    // Every counted sample came from a word of the file.
    Check(file.size() >= kWaveHeaderSize + 2 * static_cast<std::size_t>(
                                                  r.count < kWaveLength ? r.count : kWaveLength));
  }
  Check(r.warnings.empty() || (r.count == kWaveLength && kind >= 0));

  const TFileheader h = DecodeWaveHeader(file);
  Check(file.size() < kWaveHeaderSize ? h.model.empty() : h.model.size() == 14);
  for (int v : h.version) Check(v >= -1 && v <= 9);
  return 0;
}
