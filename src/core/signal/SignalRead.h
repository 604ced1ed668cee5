#pragma once
// Reading a captured or computed signal: WAV (by its RIFF/RF64 header or the ".wav"
// extension), NumPy ".npy" (by its magic string) and any other file as CSV/TSV text.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "core/signal/SignalTable.h"

namespace averoz {

// Throws SignalError naming the file (name is only used in messages).
SignalTable ParseSignalText(std::string_view text, const std::string& name);
SignalTable ParseSignalWav(std::span<const std::uint8_t> bytes, const std::string& name);
// A WAV file read by libsndfile straight from disk (a long capture is not held twice).
SignalTable ReadSignalWavFile(const std::string& path);
SignalTable ParseSignalNpy(std::span<const std::uint8_t> bytes, const std::string& name);

// Picks the reader by content and extension.
SignalTable ParseSignalBytes(std::span<const std::uint8_t> bytes, const std::string& name);
// Reads path; an unreadable file is a SignalError with the system's reason.
SignalTable ReadSignalFile(const std::string& path);

}  // namespace averoz
