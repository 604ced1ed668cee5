#pragma once
// The waveform data file (".awf", ".ope"; ".awd" is read with the same layout) and the
// waveform transfer words. A file is a 44-byte header and 16-bit big-endian words:
//   0..31  model text, 0x00-padded     32,33 version digits 0 and 1     34 "."
//   35,36  version digits 2 and 3      37..41 size "32814" = 46 + 2 x samples     42,43 "47"
//   44..   4095 - code per sample (a word above 4095 ends the data)
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/app/MessageId.h"
#include "core/files/AtomicWrite.h"
#include "core/files/FileHeaderSettings.h"

namespace averoz {

class IniFile;

inline constexpr int kWaveLength = 16384;            // samples of every waveform document
inline constexpr std::size_t kWaveHeaderSize = 44;
inline constexpr std::size_t kWaveFileSize = 32812;  // header + 16384 words
inline constexpr std::size_t kWaveWordsSize = 2 * kWaveLength;

// The decoded header: the 14-character model text and the four version digits
// (-1 where the byte is not an ASCII digit).
struct TFileheader {
  std::string model;
  std::array<int, 4> version{-1, -1, -1, -1};
};

struct WaveReadResult {
  // >= 1 samples read; 0 or less no valid data; -1 wrong format (also unreadable file).
  int count = -1;
  // Always kWaveLength entries: the count read, then 0.
  std::vector<std::int32_t> samples;
  // Warnings the reader shows itself, in order (IMFMSG 6 when the excess was ignored).
  std::vector<MessageId> warnings;
  // The system's text when the file could not be read at all (count -1).
  std::string readError;
  TFileheader header;

  bool addToRecent() const { return count >= 1; }
  // What File > Open shows for a refusal: ERRMSG 16 for -1, ERRMSG 12 for 0 or less.
  // The recent-file menu shows ERRMSG 12 for every count of 0 or less instead.
  bool refused() const { return count <= 0; }
  MessageId openRefusal() const;
};

// Decodes bytes 0..43; a shorter buffer gives an empty model text and no versions.
TFileheader DecodeWaveHeader(std::span<const std::uint8_t> bytes);

// Reads a waveform data file from bytes. expectedKind 0..2 limits the count to 16384
// (with IMFMSG 6); the count never depends on it otherwise.
WaveReadResult ReadWaveFile(std::span<const std::uint8_t> bytes, int expectedKind,
                            const LoadHeaderSettings& load);
// Reads the file at path with the "Load" settings read now.
WaveReadResult ReadWaveFile(const std::string& path, int expectedKind, const IniFile& settings);

// The file bytes for samples (codes 0..4095; a document always passes 16384). Throws
// std::invalid_argument when a version is outside 0..9 (it would not fit its one-digit
// field and the file would not read back). A model text of more than 32 characters is cut.
std::vector<std::uint8_t> BuildWaveFileImage(std::span<const std::int32_t> samples,
                                             const SaveHeaderSettings& save);

// Writes the file at path with the "Save" settings read now; on success the caller marks the
// document saved, adds the path to the recent files and shows IMFMSG 9.
FileWriteResult WriteWaveFile(std::span<const std::int32_t> samples, const std::string& path,
                              const IniFile& settings);

// Transfer data: each code as a big-endian word holding the code itself; -1 gives 0xFFFF.
std::vector<std::uint8_t> BuildWaveWords(std::span<const std::int32_t> samples);

}  // namespace averoz
