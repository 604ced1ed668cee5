#pragma once
// Text export: one line per address, CR LF line ends, no header. A waveform line is the
// sample code in decimal; a pattern line is the six channel bits CH1..CH6 joined by ",".
#include <cstdint>
#include <span>
#include <string>

#include "core/files/AtomicWrite.h"

namespace averoz {

std::string BuildWaveCsv(std::span<const std::int32_t> samples);
// bits: 6 x n bytes, channel-major (channel 0 = CH1); non-zero is "1".
std::string BuildPatternCsv(std::span<const std::uint8_t> bits);

// Create or replace path. On success the waveform caller shows IMFMSG 9 (the pattern caller
// shows nothing); neither marks the document saved.
FileWriteResult WriteWaveCsv(std::span<const std::int32_t> samples, const std::string& path);
FileWriteResult WritePatternCsv(std::span<const std::uint8_t> bits, const std::string& path);

}  // namespace averoz
