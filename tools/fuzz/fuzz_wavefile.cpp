// libFuzzer harness of the waveform data-file reader: any bytes, any expected kind, the
// strict and the permissive "Load" settings. The reader must never read out of bounds and
// must keep its promises about the result.
#include <cstddef>
#include <cstdint>

#include "core/files/WaveFile.h"
#include "fuzz/FuzzDataFile.h"

using namespace averoz;
using fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::DataFileInput in;
  if (!fuzz::SplitDataFileInput(data, size, in)) return 0;
  const std::span<const std::uint8_t> file = in.file;
  const int kind = (in.mode >> 2) % 4 - 1;  // -1 (no limit) .. 2

  const WaveReadResult r = ReadWaveFile(file, kind, in.load);
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
