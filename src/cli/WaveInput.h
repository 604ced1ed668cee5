#pragma once
// Reading an input file as the editor's File > Open reads it, without windows: ".awf",
// ".awd" and ".ope" as binary waveform files, anything else as text answering Yes to All.
#include <cstdint>
#include <string>
#include <vector>

#include "cli/CliEnv.h"
#include "core/files/WaveFile.h"
#include "core/wave/WaveDoc.h"

namespace averoz::cli {

struct WaveInput {
  bool binary = false;
  int kind = 0;  // 0 Modulation, 1 Operation
  int count = 0;
  std::vector<std::int32_t> samples;  // 16384 entries; count of them were read
  TFileheader header;                 // binary files only
};

// The binary kind of a path's extension: 0 or 1, or -1 for a text file.
int BinaryKindOf(const std::string& path);

// False, with the reason on stderr, when the file is refused (wrong format, no valid data,
// unreadable).
bool ReadWaveInput(const std::string& path, const CliEnv& env, WaveInput& out);

// The read samples placed as an opened document holds them: the rest stays undrawn.
void PlaceWaveInput(const WaveInput& in, WaveDoc& doc);

}  // namespace averoz::cli
