// WAV through libsndfile, read from memory: 8/16/24/32-bit integer and 32/64-bit float PCM,
// any rate, every channel a column. Integer samples come normalised to -1..1.
#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "core/signal/SignalRead.h"

namespace averoz {
namespace {

struct MemoryFile {
  std::span<const std::uint8_t> bytes;
  sf_count_t pos = 0;
};

MemoryFile& Mem(void* user) { return *static_cast<MemoryFile*>(user); }

sf_count_t Length(void* user) { return sf_count_t(Mem(user).bytes.size()); }

sf_count_t Seek(sf_count_t offset, int whence, void* user) {
  MemoryFile& f = Mem(user);
  const sf_count_t base = whence == SEEK_CUR ? f.pos : whence == SEEK_END ? Length(user) : 0;
  const sf_count_t to = base + offset;
  if (to < 0) return -1;
  f.pos = to;
  return f.pos;
}

sf_count_t Read(void* ptr, sf_count_t count, void* user) {
  MemoryFile& f = Mem(user);
  const sf_count_t left = std::max<sf_count_t>(0, Length(user) - f.pos);
  const sf_count_t n = std::clamp<sf_count_t>(count, 0, left);
  if (n > 0) std::memcpy(ptr, f.bytes.data() + f.pos, std::size_t(n));
  f.pos += n;
  return n;
}

sf_count_t Write(const void*, sf_count_t, void*) { return 0; }
sf_count_t Tell(void* user) { return Mem(user).pos; }

struct CloseFile {
  void operator()(SNDFILE* file) const { sf_close(file); }
};

std::string EncodingName(int subtype) {
  SF_FORMAT_INFO info{};
  info.format = subtype;
  if (sf_command(nullptr, SFC_GET_FORMAT_INFO, &info, sizeof info) == 0 && info.name)
    return info.name;
  return "0x" + [subtype] {
    char text[16];
    std::snprintf(text, sizeof text, "%04X", unsigned(subtype));
    return std::string(text);
  }();
}

bool Supported(int subtype) {
  switch (subtype) {
    case SF_FORMAT_PCM_U8:
    case SF_FORMAT_PCM_S8:
    case SF_FORMAT_PCM_16:
    case SF_FORMAT_PCM_24:
    case SF_FORMAT_PCM_32:
    case SF_FORMAT_FLOAT:
    case SF_FORMAT_DOUBLE:
      return true;
    default:
      return false;
  }
}

bool IsWav(int major) { return major == SF_FORMAT_WAV || major == SF_FORMAT_WAVEX || major == SF_FORMAT_RF64; }

using File = std::unique_ptr<SNDFILE, CloseFile>;

SignalTable ReadWav(File file, const SF_INFO& info, const std::string& name) {
  if (!file)
    throw SignalError(name + ": RIFF header: not a readable WAV file (" +
                      std::string(sf_strerror(nullptr)) + ")");
  if (!IsWav(info.format & SF_FORMAT_TYPEMASK))
    throw SignalError(name + ": RIFF header: not a WAV file");
  const int subtype = info.format & SF_FORMAT_SUBMASK;
  if (!Supported(subtype))
    throw SignalError(name + ": fmt chunk: the encoding " + EncodingName(subtype) +
                      " is not supported (8/16/24/32-bit integer or 32-bit float PCM)");
  if (info.channels < 1) throw SignalError(name + ": fmt chunk: no channels");

  const std::size_t channels = std::size_t(info.channels);
  SignalTable table;
  table.sampleRate = info.samplerate;
  table.columns.resize(channels);
  for (std::size_t c = 0; c < channels; ++c) {
    table.columns[c].name = "Channel " + std::to_string(c + 1);
    if (info.frames > 0 && info.frames < (sf_count_t(1) << 32))
      table.columns[c].values.reserve(std::size_t(info.frames));
  }
  constexpr sf_count_t kBlock = 65536;
  std::vector<double> block(std::size_t(kBlock) * channels);
  std::size_t frame = 0;
  for (;;) {
    const sf_count_t got = sf_readf_double(file.get(), block.data(), kBlock);
    if (got <= 0) break;
    for (std::size_t c = 0; c < channels; ++c) {
      std::vector<double>& column = table.columns[c].values;
      for (sf_count_t i = 0; i < got; ++i) {
        const double v = block[std::size_t(i) * channels + c];
        if (!std::isfinite(v))
          throw SignalError(name + ": data chunk: frame " + std::to_string(frame + std::size_t(i)) +
                            ", channel " + std::to_string(c + 1) + " is not a finite number");
        column.push_back(v);
      }
    }
    frame += std::size_t(got);
  }
  if (frame == 0) throw SignalError(name + ": data chunk: empty signal (no samples)");
  return table;
}

}  // namespace

SignalTable ParseSignalWav(std::span<const std::uint8_t> bytes, const std::string& name) {
  MemoryFile memory{bytes};
  SF_VIRTUAL_IO io{Length, Seek, Read, Write, Tell};
  SF_INFO info{};
  File file(sf_open_virtual(&io, SFM_READ, &info, &memory));
  return ReadWav(std::move(file), info, name);
}

SignalTable ReadSignalWavFile(const std::string& path) {
  SF_INFO info{};
  File file(sf_open(path.c_str(), SFM_READ, &info));
  return ReadWav(std::move(file), info, path);
}

}  // namespace averoz
