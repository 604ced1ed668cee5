#include "core/files/WavExport.h"

#include <sndfile.h>

#include <algorithm>
#include <cstring>

#include "core/app/IniFile.h"

namespace averoz {

namespace {

constexpr std::int32_t kMaxCode = 4095;

// A growing byte buffer that libsndfile writes into as if it were a file: the WAV header
// is patched in place once the data length is known, so seeks must work.
struct MemoryFile {
  std::vector<std::uint8_t> bytes;
  sf_count_t pos = 0;

  static MemoryFile& Of(void* user) { return *static_cast<MemoryFile*>(user); }
  static sf_count_t Length(void* user) { return sf_count_t(Of(user).bytes.size()); }
  static sf_count_t Seek(sf_count_t offset, int whence, void* user) {
    MemoryFile& f = Of(user);
    const sf_count_t base = whence == SEEK_CUR ? f.pos : whence == SEEK_END ? Length(user) : 0;
    if (base + offset < 0) return -1;
    f.pos = base + offset;
    return f.pos;
  }
  static sf_count_t Read(void* ptr, sf_count_t count, void* user) {
    MemoryFile& f = Of(user);
    const sf_count_t n = std::clamp<sf_count_t>(Length(user) - f.pos, 0, count);
    if (n > 0) std::memcpy(ptr, f.bytes.data() + f.pos, std::size_t(n));
    f.pos += n;
    return n;
  }
  static sf_count_t Write(const void* ptr, sf_count_t count, void* user) {
    MemoryFile& f = Of(user);
    if (f.pos + count > Length(user)) f.bytes.resize(std::size_t(f.pos + count));
    std::memcpy(f.bytes.data() + f.pos, ptr, std::size_t(count));
    f.pos += count;
    return count;
  }
  static sf_count_t Tell(void* user) { return Of(user).pos; }
};

}  // namespace

std::int32_t ReadWavSampleRate(const IniFile& settings) {
  const std::int32_t rate = settings.ReadInteger("Export", "WavSampleRate", kDefaultWavSampleRate);
  return rate > 0 ? rate : kDefaultWavSampleRate;
}

std::int16_t CodeToPcm(std::int32_t code) {
  const std::int32_t c = std::clamp(code, 0, kMaxCode);
  // 0..4095 onto 0..65535, rounded to nearest, then shifted to signed.
  return std::int16_t((c * 65535 + kMaxCode / 2) / kMaxCode - 32768);
}

std::vector<std::uint8_t> BuildWavImage(std::span<const std::int32_t> samples,
                                        std::int32_t sampleRate, std::string& error) {
  std::vector<short> pcm(samples.size());
  std::transform(samples.begin(), samples.end(), pcm.begin(), CodeToPcm);

  MemoryFile file;
  SF_VIRTUAL_IO io{&MemoryFile::Length, &MemoryFile::Seek, &MemoryFile::Read,
                   &MemoryFile::Write, &MemoryFile::Tell};
  SF_INFO info{};
  info.samplerate = sampleRate;
  info.channels = 1;
  info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
  SNDFILE* sf = sf_open_virtual(&io, SFM_WRITE, &info, &file);
  if (!sf) {
    error = sf_strerror(nullptr);
    return {};
  }
  const sf_count_t written = sf_write_short(sf, pcm.data(), sf_count_t(pcm.size()));
  if (written != sf_count_t(pcm.size())) error = sf_strerror(sf);
  if (sf_close(sf) != 0 && error.empty()) error = "cannot finish the WAV data";
  if (!error.empty()) return {};
  return std::move(file.bytes);
}

FileWriteResult WriteWavFile(std::span<const std::int32_t> samples, const std::string& path,
                             std::int32_t sampleRate) {
  std::string error;
  const std::vector<std::uint8_t> image = BuildWavImage(samples, sampleRate, error);
  if (image.empty()) return {false, path + ": " + error};
  try {
    WriteFileAtomic(path, image);
    return {true, {}};
  } catch (const FileWriteError& e) {
    return {false, e.what()};
  }
}

}  // namespace averoz
