#pragma once
// The pattern data file (".ppg"), also sent as is to the instrument. Big-endian throughout:
//   model text (at least 8 bytes, 0x00-padded), 4 version bytes, 8-byte name, "PPG", 0x00,
//   year (16 bit), month, day, hour, minute, second, 00 02 00, CRC (16 bit), 0 (32 bit),
//   word count (32 bit), 20 x 0x00, then one word per address with CH1 in bit 0.
// With the 14-character default model text the header is 70 bytes.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/files/AtomicWrite.h"
#include "core/files/FileHeaderSettings.h"

namespace averoz {

class IniFile;

inline constexpr int kPatternChannels = 6;
inline constexpr int kPatternLength = 16384;

struct LocalDateTime {
  int year = 2000, month = 1, day = 1, hour = 0, minute = 0, second = 0;
};
LocalDateTime NowLocal();

// The data words of a channel-major bit array (6 x n bytes, channel 0 = CH1, non-zero = high).
std::vector<std::int32_t> PatternWords(std::span<const std::uint8_t> bits);

// The file bytes for bits (6 x n bytes, channel-major). nameSource is a path: its file name
// without folder and extension, first 8 characters, goes into the header.
std::vector<std::uint8_t> BuildPatternImage(std::span<const std::uint8_t> bits,
                                            const std::string& nameSource,
                                            const SaveHeaderSettings& save,
                                            const LocalDateTime& when);
// Same, with the "Save" settings and the local time read now.
std::vector<std::uint8_t> BuildPatternImage(std::span<const std::uint8_t> bits,
                                            const std::string& nameSource,
                                            const IniFile& settings);

// Writes the file at path (its own name goes into the header); on success the caller marks
// the document saved, adds the path to the recent files and shows IMFMSG 9.
FileWriteResult WritePatternFile(std::span<const std::uint8_t> bits, const std::string& path,
                                 const IniFile& settings);

}  // namespace averoz
