#pragma once
// A pattern as a Value Change Dump for logic viewers: six 1-bit wires CH1..CH6, one address
// per time step. The time step comes from the settings file (section "Export", key
// "VcdTimeStep", a number and a unit such as "1us", "2.5 ns" or "10ms"; default 1 µs).
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "core/files/AtomicWrite.h"

namespace averoz {

class IniFile;

inline constexpr const char* kDefaultVcdTimeStep = "1us";

// A time step as the file states it: timestamps count units of timescale ("100 ns"), and
// one address lasts ticks of them.
struct VcdTimeStep {
  std::string timescale;
  std::uint64_t ticks = 1;
};

// A positive decimal number with an optional fraction, optional spaces, and one of the
// units s, ms, us (or µs), ns, ps, fs. Nothing when the text is not such a step, is finer
// than 1 fs or so long that 16384 steps overflow the timestamps.
std::optional<VcdTimeStep> ParseVcdTimeStep(const std::string& text);

// The setting; a text that does not parse gives the default.
VcdTimeStep ReadVcdTimeStep(const IniFile& settings);

// bits: 6 x n bytes, channel-major (channel 0 = CH1); non-zero is high. The initial values
// at time 0, then only the changes, then a last timestamp where the final address ends.
std::string BuildVcd(std::span<const std::uint8_t> bits, const VcdTimeStep& step);

// Creates or replaces path; the document is not marked saved.
FileWriteResult WriteVcdFile(std::span<const std::uint8_t> bits, const std::string& path,
                             const VcdTimeStep& step);

}  // namespace averoz
