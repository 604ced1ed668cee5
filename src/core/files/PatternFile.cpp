#include "core/files/PatternFile.h"

#include <ctime>

#include "core/app/IniFile.h"
#include "core/app/general.h"
#include "core/files/FileNames.h"

namespace averoz {

namespace {

constexpr std::size_t kMinModelField = 8;
constexpr std::size_t kNameField = 8;

class Emitter {
 public:
  explicit Emitter(std::size_t reserve) { out_.reserve(reserve); }
  void Byte(int b) { out_.push_back(static_cast<std::uint8_t>(b)); }
  void Word(std::uint32_t w) {
    Byte(static_cast<int>(w >> 8 & 0xFF));
    Byte(static_cast<int>(w & 0xFF));
  }
  void Long(std::uint32_t w) {
    Word(w >> 16);
    Word(w & 0xFFFF);
  }
  void Text(std::string_view t, std::size_t padTo) {
    out_.insert(out_.end(), t.begin(), t.end());
    for (std::size_t n = t.size(); n < padTo; ++n) Byte(0);
  }
  std::vector<std::uint8_t> Take() { return std::move(out_); }

 private:
  std::vector<std::uint8_t> out_;
};

}  // namespace

LocalDateTime NowLocal() {
  const std::time_t t = std::time(nullptr);
  std::tm tm{};
  localtime_r(&t, &tm);
  return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

std::vector<std::int32_t> PatternWords(std::span<const std::uint8_t> bits) {
  const std::size_t n = bits.size() / kPatternChannels;
  std::vector<std::int32_t> words(n, 0);
  for (std::size_t ch = 0; ch < kPatternChannels; ++ch)
    for (std::size_t a = 0; a < n; ++a)
      if (bits[ch * n + a] != 0) words[a] |= 1 << ch;
  return words;
}

std::vector<std::uint8_t> BuildPatternImage(std::span<const std::uint8_t> bits,
                                            const std::string& nameSource,
                                            const SaveHeaderSettings& save,
                                            const LocalDateTime& when) {
  const std::vector<std::int32_t> words = PatternWords(bits);
  Emitter e(save.modelNumber.size() + 64 + 2 * words.size());
  e.Text(save.modelNumber, kMinModelField);
  for (std::int32_t v : save.version) e.Byte(v & 0xFF);
  e.Text(BareFileName(nameSource).substr(0, kNameField), kNameField);
  e.Text("PPG", 0);
  e.Byte(0);
  e.Word(static_cast<std::uint32_t>(when.year));
  for (int v : {when.month, when.day, when.hour, when.minute, when.second}) e.Byte(v);
  for (int v : {0x00, 0x02, 0x00}) e.Byte(v);
  e.Word(Crc16Words(0xFFFF, words));
  e.Long(0);
  e.Long(static_cast<std::uint32_t>(words.size()));
  for (int i = 0; i < 20; ++i) e.Byte(0);
  for (std::int32_t w : words) e.Word(static_cast<std::uint32_t>(w));
  return e.Take();
}

std::vector<std::uint8_t> BuildPatternImage(std::span<const std::uint8_t> bits,
                                            const std::string& nameSource,
                                            const IniFile& settings) {
  return BuildPatternImage(bits, nameSource, ReadSaveHeaderSettings(settings), NowLocal());
}

FileWriteResult WritePatternFile(std::span<const std::uint8_t> bits, const std::string& path,
                                 const IniFile& settings) {
  try {
    WriteFileAtomic(path, BuildPatternImage(bits, path, settings));
    return {true, {}};
  } catch (const FileWriteError& e) {
    return {false, e.what()};
  }
}

}  // namespace averoz
