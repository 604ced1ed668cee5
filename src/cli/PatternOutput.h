#pragma once
// Writing a pattern as the editor's Save As does, by the output's extension: ".ppg" the
// pattern data file, ".csv" the pattern text export, ".vcd" a Value Change Dump.
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "cli/CliEnv.h"
#include "core/files/PatternFile.h"

namespace averoz::cli {

// ".ppg", ".csv" or ".vcd" (any case).
bool IsPatternOutputPath(const std::string& path);
inline constexpr const char* kPatternOutputUsage = "OUT must end in .ppg, .csv or .vcd";

// The header's date and time: the instant SOURCE_DATE_EPOCH names (decimal seconds since
// 1970-01-01 UTC) in local time when the variable is set and not empty, so that the same
// steps give the same bytes; otherwise now. Nothing, with the reason on stderr, when the
// variable is not such a number or its year does not fit the 16-bit field.
std::optional<LocalDateTime> PatternWriteTime(const CliEnv& env);

// Writes bits (6 x 16384, channel-major, CH1 first) to path; a ".ppg" takes its name field
// from path's file name and the "Save" settings. False with the reason on stderr.
bool WritePatternOutput(std::span<const std::uint8_t> bits, const std::string& path,
                        const CliEnv& env);

}  // namespace averoz::cli
