#pragma once
// A waveform as a sound file: 16-bit PCM mono WAV, one frame per sample, the codes spread
// linearly over the whole 16-bit range (0 -> -32768, 4095 -> 32767). The sample rate comes
// from the settings file (section "Export", key "WavSampleRate", default 48000 Hz).
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/files/AtomicWrite.h"

namespace averoz {

class IniFile;

inline constexpr std::int32_t kDefaultWavSampleRate = 48000;

// The setting; a value that is not a positive integer gives the default.
std::int32_t ReadWavSampleRate(const IniFile& settings);

// The PCM value of a code; codes outside 0..4095 are held at the nearer end.
std::int16_t CodeToPcm(std::int32_t code);

// The bytes of the WAV file; empty with error set when libsndfile refuses.
std::vector<std::uint8_t> BuildWavImage(std::span<const std::int32_t> samples,
                                        std::int32_t sampleRate, std::string& error);

// Creates or replaces path; the document is not marked saved.
FileWriteResult WriteWavFile(std::span<const std::int32_t> samples, const std::string& path,
                             std::int32_t sampleRate);

}  // namespace averoz
