#pragma once
// The plain-text clipboard formats: waveform codes one per line, pattern bits one address
// per line, every line ended by CR LF; and the reading of any text as waveform codes.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace averoz {

// One decimal code per line, no sign or padding.
std::string WaveClipText(std::span<const std::int32_t> codes);

// rows: the bits (0/1) of the selected display rows from the top one down, each over the
// same selected addresses. One line per address, the rows' bits joined by TAB.
std::string PatternClipText(std::span<const std::span<const std::uint8_t>> rows);

struct ParsedWaveText {
  std::vector<std::int32_t> values;
  // A number line was left after the first maxValues values: the data was cut short.
  bool overflow = false;
};

// Lines end at CR LF, CR or LF. A line of only "-.0123456789" ("-" first, one ".") that
// reads as a number gives one value, truncated toward zero and clipped to 0..4095; every
// other line is skipped.
ParsedWaveText ParseWaveClipText(std::string_view text, std::size_t maxValues = 16384);

}  // namespace averoz
