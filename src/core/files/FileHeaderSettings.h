#pragma once
// The model text and version values of the data-file headers, from the settings file:
// section "Save" for what the writers put into a file, section "Load" for what the
// waveform reader demands. Both are read at every write and read, never cached.
#include <array>
#include <cstdint>
#include <string>

namespace averoz {

class IniFile;

inline constexpr const char* kDefaultModelNumber = "TORVEK PELWAVE";

struct SaveHeaderSettings {
  std::string modelNumber = kDefaultModelNumber;
  std::array<std::int32_t, 4> version{0, 1, 0, 0};
};

struct LoadHeaderSettings {
  // Only the first modelNumber.size() characters of a file are compared; empty accepts all.
  std::string modelNumber = kDefaultModelNumber;
  // 0..254 must match the file's digit; kAnyVersion accepts every file.
  std::array<std::uint8_t, 4> version{255, 255, 255, 255};
  static constexpr std::uint8_t kAnyVersion = 255;
};

SaveHeaderSettings ReadSaveHeaderSettings(const IniFile& settings);
LoadHeaderSettings ReadLoadHeaderSettings(const IniFile& settings);

// A Load/FileVersion text: trimmed; all decimal digits gives its value kept as a byte
// (the low 8 bits, so "256" demands 0), anything else gives kAnyVersion.
std::uint8_t ParseLoadVersion(const std::string& text);

}  // namespace averoz
