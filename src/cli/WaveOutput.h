#pragma once
// Writing a waveform as the editor's Save As does: the undrawn tail must be filled first,
// then the file is written by its extension.
#include <cstdint>
#include <optional>
#include <string>

#include "cli/CliEnv.h"
#include "core/wave/WaveDoc.h"

namespace averoz::cli {

// ".awf" and ".ope" binary, ".csv" text, ".wav" sound; false for any other extension.
bool IsOutputPath(const std::string& path);
inline constexpr const char* kWaveOutputUsage = "OUT must end in .awf, .ope, .csv or .wav";

// Fills the undrawn tail with the DC code fill, as the tail fill of a save does. Without
// a code an undrawn tail is refused with IMFMSG 8 on stderr (false).
bool CompleteTail(WaveDoc& doc, std::optional<std::int32_t> fill, const CliEnv& env);

// Writes the document's samples to path; false with the system's reason on stderr.
bool WriteWaveOutput(const WaveDoc& doc, const std::string& path, const CliEnv& env);

}  // namespace averoz::cli
