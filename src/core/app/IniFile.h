#pragma once
// The settings file: an INI text file opened for each read or write and never cached, so a
// hand edit made while the program runs is seen by the next read.
//
// Section and key names compare without case; values are trimmed and at most 2047
// characters are read. A missing file, section or key reads as the default. A write changes
// one key and keeps every other line (comments, unknown sections and keys, line order); it
// goes through a temporary file in the same folder and a rename, so a crash mid-write never
// leaves half a file.
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>

namespace averoz {

// Thrown by a failed write; what() names the file.
class IniWriteError : public std::runtime_error {
 public:
  IniWriteError(const std::string& path, const std::string& reason);
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

class IniFile {
 public:
  explicit IniFile(std::string path) : path_(std::move(path)) {}
  const std::string& path() const { return path_; }

  // Missing key: def. Present with an empty value: "".
  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& def) const;
  // True when the key is present, whatever its value.
  bool HasKey(const std::string& section, const std::string& key) const;
  // Decimal, or hexadecimal after "$", "0x" or "0X"; anything else gives def.
  std::int32_t ReadInteger(const std::string& section, const std::string& key,
                           std::int32_t def) const;
  // An integer; true when not 0.
  bool ReadBool(const std::string& section, const std::string& key, bool def) const;

  void WriteString(const std::string& section, const std::string& key, const std::string& value);
  void WriteInteger(const std::string& section, const std::string& key, std::int32_t value);
  void WriteBool(const std::string& section, const std::string& key, bool value);

  static constexpr std::size_t kMaxValueLength = 2047;

 private:
  std::string path_;
};

// The value of a key in INI text held in memory, read as the file's values are; nullopt when
// the key is missing.
std::optional<std::string> IniTextValue(const std::string& text, const std::string& section,
                                        const std::string& key);

// Parses an integer the way ReadInteger does; false when the text is not such an integer.
bool ParseIniInteger(const std::string& text, std::int32_t& value);

}  // namespace averoz
