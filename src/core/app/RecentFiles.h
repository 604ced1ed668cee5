#pragma once
// The three most recent data files, slot 1 newest. No path is ever listed twice.
#include <array>
#include <string>

namespace averoz {

class IniFile;

class RecentFiles {
 public:
  static constexpr int kSlots = 3;

  // Slot 1..3; an empty text is an empty slot.
  const std::string& at(int slot) const { return slots_[std::size_t(slot - 1)]; }
  void set(int slot, std::string path) { slots_[std::size_t(slot - 1)] = std::move(path); }

  // A path already in slot 2 swaps with slot 1; a path in slot 3 moves to the front.
  void Add(const std::string& path);

  // Section "Files", keys "File0".."File2".
  void Load(const IniFile& settings);
  // Writes only the non-empty slots, so an older value of an empty slot stays in the file.
  void Save(IniFile& settings) const;

 private:
  std::array<std::string, kSlots> slots_;
};

// "pcwav" + the counter in three digits: 1 → "pcwav001", 1000 → "pcwav000".
std::string DocumentName(int docKind, int counter);

}  // namespace averoz
