#pragma once
// Reading a pattern data file (".ppg") back, so that what Save wrote can be opened again.
// The layout is the writer's (PatternFile.h): a model-text field of at least 8 bytes, so the
// header is 56 bytes plus that field and the file holds header + 2 x n bytes. The field's
// length is found from the "PPG" 0x00 tag whose word count matches the file size.
//
// A file is taken whole or not at all: a size, tag or word count that does not match, a word
// count other than 16384, a model text or version that differs from section "Load", a word
// above 63 or a CRC that does not match refuses it (ERRMSG 16), and no bit is handed over.
// The date, the name field and the constant bytes (00 02 00, the zero fields) are reported
// as stored and never checked.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/app/MessageId.h"
#include "core/files/FileHeaderSettings.h"
#include "core/files/PatternFile.h"

namespace averoz {

class IniFile;

enum class PatternReadStatus {
  Ok,
  Unreadable,      // the file cannot be opened or read: readError says why
  NoLayout,        // no "PPG" header whose word count matches the file size
  WrongCount,      // the layout holds, but for a word count other than 16384
  HeaderRefused,   // model text or versions differ from section "Load"
  WordOutOfRange,  // a data word above 63 (badAddress)
  CrcMismatch,     // the stored CRC differs from the data's
};

// The decoded header; its fields mean something only when the layout was found.
struct PatternHeader {
  std::string model;  // the model-text field without its trailing 0x00 padding
  std::array<std::uint8_t, 4> version{};
  std::string name;  // the name field without its trailing 0x00 padding
  LocalDateTime when;
  std::uint16_t storedCrc = 0;
  std::uint16_t dataCrc = 0;  // Crc16Words from 0xFFFF over the file's data words
  std::uint32_t wordCount = 0;
  std::size_t headerSize = 0;  // model-text field + 56

  bool crcMatches() const { return storedCrc == dataCrc; }
};

struct PatternReadResult {
  PatternReadStatus status = PatternReadStatus::NoLayout;
  bool layoutFound = false;  // the header fields are decoded (also for some refusals)
  PatternHeader header;
  // Always 6 x 16384 bytes, channel-major (channel 0 = CH1, 1 = high, as the writer takes
  // them); all 0 unless the file was accepted.
  std::vector<std::uint8_t> bits;
  std::int32_t badAddress = -1;  // the first word above 63 (WordOutOfRange)
  std::string readError;         // the system's reason (Unreadable)

  bool ok() const { return status == PatternReadStatus::Ok; }
  // What Open shows for a refusal that is not Unreadable: the wrong-format message.
  static constexpr MessageId openRefusal() { return ERRMSG(16); }
};

// Reads a pattern data file from bytes; any bytes are safe.
PatternReadResult ReadPatternFile(std::span<const std::uint8_t> bytes,
                                  const LoadHeaderSettings& load);
// Reads the file at path with the "Load" settings read now. A file far larger than any
// pattern file is refused (NoLayout) after reading only its beginning.
PatternReadResult ReadPatternFile(const std::string& path, const IniFile& settings);

}  // namespace averoz
