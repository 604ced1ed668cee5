// libFuzzer harness of the pattern data-file reader: any bytes, the strict and the permissive
// "Load" settings. The reader must never read out of bounds, must hand over bits only for an
// accepted file, and those bits must be the file's data words.
#include <cstddef>
#include <cstdint>

#include "core/app/general.h"
#include "core/files/PatternRead.h"
#include "fuzz/FuzzDataFile.h"

using namespace averoz;
using fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::DataFileInput in;
  if (!fuzz::SplitDataFileInput(data, size, in)) return 0;
  const std::span<const std::uint8_t> file = in.file;

  const PatternReadResult r = ReadPatternFile(file, in.load);
  Check(r.bits.size() == std::size_t(kPatternChannels) * kPatternLength);
  const PatternHeader& h = r.header;
  if (r.layoutFound) {
    Check(h.headerSize >= 64 && file.size() == h.headerSize + 2 * std::size_t(h.wordCount));
    Check(file[h.headerSize - 44] == 'P' && file[h.headerSize - 41] == 0);
  }
  if (!r.ok()) {
    for (std::uint8_t b : r.bits) Check(b == 0);
    Check(r.status != PatternReadStatus::Unreadable);
    return 0;
  }
  Check(r.layoutFound && h.wordCount == kPatternLength && h.crcMatches() && r.badAddress < 0);
  for (std::uint8_t b : r.bits) Check(b <= 1);
  // The bits are the file's words, and the stored CRC is theirs.
  const std::vector<std::int32_t> words = PatternWords(r.bits);
  for (std::size_t a = 0; a < words.size(); ++a)
    Check(words[a] == (file[h.headerSize + 2 * a] << 8 | file[h.headerSize + 2 * a + 1]));
  Check(Crc16Words(0xFFFF, words) == h.storedCrc);
  return 0;
}
