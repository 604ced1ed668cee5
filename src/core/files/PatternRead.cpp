#include "core/files/PatternRead.h"

#include <algorithm>
#include <string_view>

#include "core/app/general.h"
#include "core/files/FileRead.h"

namespace averoz {

namespace {

// Offsets after the model-text field (of length m): versions at m, name at m + 4, ...
constexpr std::size_t kMinModelField = 8;
constexpr std::size_t kVersionAt = 0;
constexpr std::size_t kNameAt = 4;
constexpr std::size_t kNameField = 8;
constexpr std::size_t kTagAt = 12;
constexpr std::string_view kTag("PPG\0", 4);
constexpr std::size_t kDateAt = 16;
constexpr std::size_t kCrcAt = 26;
constexpr std::size_t kCountAt = 32;
constexpr std::size_t kHeaderAfterModel = 56;
constexpr std::int32_t kMaxWord = (1 << kPatternChannels) - 1;
// Model texts come from a settings value; a field longer than this is no pattern file.
constexpr std::size_t kMaxModelField = 65536;
constexpr std::size_t kMaxFileSize = kMaxModelField + kHeaderAfterModel + 2 * kPatternLength;

class Bytes {
 public:
  explicit Bytes(std::span<const std::uint8_t> b) : b_(b) {}
  std::uint32_t Word(std::size_t at) const { return std::uint32_t(b_[at]) << 8 | b_[at + 1]; }
  std::uint32_t Long(std::size_t at) const { return Word(at) << 16 | Word(at + 2); }
  std::string Text(std::size_t at, std::size_t n) const {
    std::string t(reinterpret_cast<const char*>(b_.data() + at), n);
    t.erase(t.find_last_not_of('\0') + 1);  // npos + 1 == 0 clears an all-zero field
    return t;
  }
  bool Has(std::size_t at, std::string_view text) const {
    return std::equal(text.begin(), text.end(), b_.begin() + static_cast<std::ptrdiff_t>(at),
                      [](char c, std::uint8_t b) { return static_cast<std::uint8_t>(c) == b; });
  }

 private:
  std::span<const std::uint8_t> b_;
};

// The model-text field length whose tag sits in place and whose word count fills the file
// exactly; 0 when there is none.
std::size_t FindModelField(std::span<const std::uint8_t> bytes) {
  const Bytes b(bytes);
  if (bytes.size() < kMinModelField + kHeaderAfterModel) return 0;
  const std::size_t last = std::min(bytes.size() - kHeaderAfterModel, kMaxModelField);
  for (std::size_t m = kMinModelField; m <= last; ++m) {
    if (!b.Has(m + kTagAt, kTag)) continue;
    const std::uint64_t words = b.Long(m + kCountAt);
    if (m + kHeaderAfterModel + 2 * words == bytes.size()) return m;
  }
  return 0;
}

PatternHeader DecodeHeader(std::span<const std::uint8_t> bytes, std::size_t m) {
  const Bytes b(bytes);
  PatternHeader h;
  h.model = b.Text(0, m);
  std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(m + kVersionAt), 4, h.version.begin());
  h.name = b.Text(m + kNameAt, kNameField);
  const std::size_t d = m + kDateAt;
  h.when = {int(b.Word(d)), bytes[d + 2], bytes[d + 3], bytes[d + 4], bytes[d + 5], bytes[d + 6]};
  h.storedCrc = static_cast<std::uint16_t>(b.Word(m + kCrcAt));
  h.wordCount = b.Long(m + kCountAt);
  h.headerSize = m + kHeaderAfterModel;
  return h;
}

// The demanded prefix of the model text and every demanded version byte.
bool HeaderAccepted(const PatternHeader& h, const LoadHeaderSettings& load) {
  if (!h.model.starts_with(load.modelNumber)) return false;
  for (std::size_t i = 0; i < 4; ++i)
    if (load.version[i] != LoadHeaderSettings::kAnyVersion && h.version[i] != load.version[i])
      return false;
  return true;
}

}  // namespace

PatternReadResult ReadPatternFile(std::span<const std::uint8_t> bytes,
                                  const LoadHeaderSettings& load) {
  PatternReadResult r;
  r.bits.assign(std::size_t(kPatternChannels) * kPatternLength, 0);
  const std::size_t m = FindModelField(bytes);
  if (m == 0) return r;
  r.layoutFound = true;
  r.header = DecodeHeader(bytes, m);

  const Bytes b(bytes);
  std::vector<std::int32_t> words(r.header.wordCount);
  for (std::size_t a = 0; a < words.size(); ++a) {
    words[a] = static_cast<std::int32_t>(b.Word(r.header.headerSize + 2 * a));
    if (words[a] > kMaxWord && r.badAddress < 0) r.badAddress = static_cast<std::int32_t>(a);
  }
  r.header.dataCrc = Crc16Words(0xFFFF, words);

  if (r.header.wordCount != kPatternLength)
    r.status = PatternReadStatus::WrongCount;
  else if (!HeaderAccepted(r.header, load))
    r.status = PatternReadStatus::HeaderRefused;
  else if (r.badAddress >= 0)
    r.status = PatternReadStatus::WordOutOfRange;
  else if (!r.header.crcMatches())
    r.status = PatternReadStatus::CrcMismatch;
  else
    r.status = PatternReadStatus::Ok;
  if (!r.ok()) return r;

  for (std::size_t ch = 0; ch < kPatternChannels; ++ch)
    for (std::size_t a = 0; a < kPatternLength; ++a)
      r.bits[ch * kPatternLength + a] = static_cast<std::uint8_t>(words[a] >> ch & 1);
  return r;
}

PatternReadResult ReadPatternFile(const std::string& path, const IniFile& settings) {
  const LoadHeaderSettings load = ReadLoadHeaderSettings(settings);
  std::string bytes;
  PatternReadResult r;
  // One byte more than the largest pattern file tells a larger file apart.
  if (!ReadFileHead(path, bytes, r.readError, kMaxFileSize + 1)) {
    r.status = PatternReadStatus::Unreadable;
    r.bits.assign(std::size_t(kPatternChannels) * kPatternLength, 0);
    return r;
  }
  if (bytes.size() > kMaxFileSize) bytes.clear();  // refused as no layout
  return ReadPatternFile(std::span<const std::uint8_t>(
                             reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()),
                         load);
}

}  // namespace averoz
