#pragma once
// The simulated GPIB instrument's memories on disk. The editor unloads the driver library
// after every transfer, so what a send stored must outlive the library: each memory is one
// file in a state folder, NQSIM_STATE_DIR or by default "nqsim" under $XDG_RUNTIME_DIR
// ("/tmp/nqsim-<uid>" without one).
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

namespace nqsim {

std::filesystem::path StateDir();
// The bytes last saved for memory n, or nothing when none were.
std::optional<std::vector<std::uint8_t>> LoadMemoryFile(std::size_t n);
// Replaces memory n's file whole (written beside it, then renamed over it); false on failure.
bool SaveMemoryFile(std::size_t n, std::span<const std::uint8_t> bytes);
// Removes every memory file: the next load finds the power-on state.
void RemoveMemoryFiles();

}  // namespace nqsim
