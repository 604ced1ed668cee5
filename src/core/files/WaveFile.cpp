#include "core/files/WaveFile.h"

#include <algorithm>
#include <stdexcept>

#include "core/app/IniFile.h"
#include "core/app/general.h"
#include "core/files/FileRead.h"

namespace averoz {

namespace {

constexpr std::size_t kModelField = 32;
constexpr std::size_t kModelCompared = 14;  // the reader looks at bytes 0..13 only
constexpr std::size_t kSizeOffset = 37;
constexpr std::size_t kSizeDigits = 5;
constexpr int kSizeOverhead = 46;             // "32814" announces (32814 - 46) / 2 samples
constexpr const char* kWrittenSize = "32814";
constexpr const char* kTrailer = "47";
constexpr std::uint16_t kMaxCode = 4095;
// The largest size field "99999" announces 49976 words: nothing past this is ever looked at.
constexpr std::size_t kMaxBytesLooked = kWaveHeaderSize + 2 * ((99999 - kSizeOverhead) / 2);

int VersionDigit(std::uint8_t b) { return b >= '0' && b <= '9' ? b - '0' : -1; }

std::uint16_t WordAt(std::span<const std::uint8_t> bytes, std::size_t pos) {
  return static_cast<std::uint16_t>((bytes[pos] << 8) | bytes[pos + 1]);
}

void PutWord(std::vector<std::uint8_t>& out, std::uint16_t w) {
  out.push_back(static_cast<std::uint8_t>(w >> 8));
  out.push_back(static_cast<std::uint8_t>(w & 0xFF));
}

void PutText(std::vector<std::uint8_t>& out, std::string_view text) {
  out.insert(out.end(), text.begin(), text.end());
}

bool HeaderAccepted(const TFileheader& h, const LoadHeaderSettings& load) {
  // Only the demanded prefix is compared; a demand longer than the compared part never matches.
  const std::string& want = load.modelNumber;
  if (want.size() > h.model.size() || h.model.compare(0, want.size(), want) != 0) return false;
  for (std::size_t i = 0; i < 4; ++i) {
    if (load.version[i] == LoadHeaderSettings::kAnyVersion) continue;
    if (h.version[i] != load.version[i]) return false;
  }
  return true;
}

// The size field's value, 0 when the five bytes are not all digits.
int SizeField(std::span<const std::uint8_t> bytes) {
  const std::string_view text(reinterpret_cast<const char*>(bytes.data()) + kSizeOffset,
                              kSizeDigits);
  if (!IsDigits(text)) return 0;
  int value = 0;
  for (char c : text) value = value * 10 + (c - '0');
  return value;
}

}  // namespace

MessageId WaveReadResult::openRefusal() const { return count == -1 ? ERRMSG(16) : ERRMSG(12); }

TFileheader DecodeWaveHeader(std::span<const std::uint8_t> bytes) {
  TFileheader h;
  if (bytes.size() < kWaveHeaderSize) return h;
  h.model.assign(reinterpret_cast<const char*>(bytes.data()), kModelCompared);
  h.version = {VersionDigit(bytes[32]), VersionDigit(bytes[33]), VersionDigit(bytes[35]),
               VersionDigit(bytes[36])};
  return h;
}

WaveReadResult ReadWaveFile(std::span<const std::uint8_t> bytes, int expectedKind,
                            const LoadHeaderSettings& load) {
  WaveReadResult r;
  r.samples.assign(kWaveLength, 0);
  if (bytes.size() < kWaveHeaderSize) return r;

  r.header = DecodeWaveHeader(bytes);
  const int announced = (SizeField(bytes) - kSizeOverhead) / 2;

  // An announcement of no words is "no valid data" (0), never the -1 of a wrong format,
  // even for the sizes 44 and 45 whose arithmetic gives -1.
  int count = std::max(announced, 0);
  for (int i = 0; i < announced; ++i) {
    const std::size_t pos = kWaveHeaderSize + 2 * static_cast<std::size_t>(i);
    if (pos + 2 > bytes.size()) {
      count = -1;  // the file ends before the announced words
      break;
    }
    const std::uint16_t v = WordAt(bytes, pos);
    if (v > kMaxCode) {
      count = i;
      break;
    }
    if (i < kWaveLength) r.samples[i] = kMaxCode - v;
  }

  if (!HeaderAccepted(r.header, load)) count = -1;
  if (count > kWaveLength && expectedKind >= 0 && expectedKind <= 2) {
    r.warnings.push_back(IMFMSG(6));
    count = kWaveLength;
  }
  if (count <= 0) std::fill(r.samples.begin(), r.samples.end(), 0);
  r.count = count;
  return r;
}

WaveReadResult ReadWaveFile(const std::string& path, int expectedKind, const IniFile& settings) {
  const LoadHeaderSettings load = ReadLoadHeaderSettings(settings);
  std::string bytes;
  WaveReadResult r;
  if (!ReadFileHead(path, bytes, r.readError, kMaxBytesLooked)) {
    r.samples.assign(kWaveLength, 0);
    return r;
  }
  return ReadWaveFile(std::span<const std::uint8_t>(
                          reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()),
                      expectedKind, load);
}

std::vector<std::uint8_t> BuildWaveFileImage(std::span<const std::int32_t> samples,
                                             const SaveHeaderSettings& save) {
  for (std::size_t i = 0; i < save.version.size(); ++i)
    if (save.version[i] < 0 || save.version[i] > 9)
      throw std::invalid_argument("The setting Save/FileVersion" + std::to_string(i) + " = " +
                                  std::to_string(save.version[i]) +
                                  " does not fit the one-digit version field.");
  std::vector<std::uint8_t> out;
  out.reserve(kWaveHeaderSize + 2 * samples.size());
  PutText(out, std::string_view(save.modelNumber).substr(0, kModelField));
  out.resize(kModelField, 0);
  out.push_back(static_cast<std::uint8_t>('0' + save.version[0]));
  out.push_back(static_cast<std::uint8_t>('0' + save.version[1]));
  out.push_back('.');
  out.push_back(static_cast<std::uint8_t>('0' + save.version[2]));
  out.push_back(static_cast<std::uint8_t>('0' + save.version[3]));
  PutText(out, kWrittenSize);
  PutText(out, kTrailer);
  for (std::int32_t s : samples) PutWord(out, static_cast<std::uint16_t>(kMaxCode - s));
  return out;
}

FileWriteResult WriteWaveFile(std::span<const std::int32_t> samples, const std::string& path,
                              const IniFile& settings) {
  try {
    WriteFileAtomic(path, BuildWaveFileImage(samples, ReadSaveHeaderSettings(settings)));
    return {true, {}};
  } catch (const FileWriteError& e) {
    return {false, e.what()};
  } catch (const std::invalid_argument& e) {
    return {false, "Cannot write file \"" + path + "\". " + e.what()};
  }
}

std::vector<std::uint8_t> BuildWaveWords(std::span<const std::int32_t> samples) {
  std::vector<std::uint8_t> out;
  out.reserve(2 * samples.size());
  for (std::int32_t s : samples)
    PutWord(out, s < 0 ? std::uint16_t{0xFFFF} : static_cast<std::uint16_t>(s));
  return out;
}

}  // namespace averoz
