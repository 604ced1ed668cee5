#pragma once
// Signal files built byte by byte, so the readers are checked against the formats
// themselves rather than against the library that reads them.
#include <bit>
#include <cstdint>
#include <string>
#include <vector>

namespace averoz::test {

using Bytes = std::vector<std::uint8_t>;

inline void PutLE(Bytes& b, std::uint64_t v, int size) {
  for (int i = 0; i < size; ++i) b.push_back(std::uint8_t(v >> (8 * i)));
}

inline void PutText(Bytes& b, const std::string& s) { b.insert(b.end(), s.begin(), s.end()); }

// A canonical WAV: "fmt " with the given format tag (1 PCM, 3 float, 6 A-law), then "data".
inline Bytes WavBytes(int formatTag, int bits, int channels, int rate, const Bytes& data) {
  Bytes b;
  PutText(b, "RIFF");
  PutLE(b, 36 + data.size(), 4);
  PutText(b, "WAVEfmt ");
  PutLE(b, 16, 4);
  PutLE(b, std::uint64_t(formatTag), 2);
  PutLE(b, std::uint64_t(channels), 2);
  PutLE(b, std::uint64_t(rate), 4);
  PutLE(b, std::uint64_t(rate * channels * bits / 8), 4);
  PutLE(b, std::uint64_t(channels * bits / 8), 2);
  PutLE(b, std::uint64_t(bits), 2);
  PutText(b, "data");
  PutLE(b, data.size(), 4);
  b.insert(b.end(), data.begin(), data.end());
  return b;
}

// Interleaved 24-bit integer samples.
inline Bytes Wav24(int channels, int rate, const std::vector<std::int32_t>& samples) {
  Bytes data;
  for (std::int32_t s : samples) PutLE(data, std::uint32_t(s), 3);
  return WavBytes(1, 24, channels, rate, data);
}

inline Bytes WavFloat(int rate, const std::vector<float>& samples) {
  Bytes data;
  for (float s : samples) PutLE(data, std::bit_cast<std::uint32_t>(s), 4);
  return WavBytes(3, 32, 1, rate, data);
}

// A version 1.0 .npy with the given dict text; the header is padded to 64 bytes as NumPy does.
inline Bytes NpyBytes(const std::string& dict, const Bytes& data) {
  std::string header = dict;
  while ((10 + header.size() + 1) % 64 != 0) header += ' ';
  header += '\n';
  Bytes b = {0x93, 'N', 'U', 'M', 'P', 'Y', 1, 0};
  PutLE(b, header.size(), 2);
  PutText(b, header);
  b.insert(b.end(), data.begin(), data.end());
  return b;
}

inline Bytes NpyFloat32(const std::vector<float>& values) {
  Bytes data;
  for (float v : values) PutLE(data, std::bit_cast<std::uint32_t>(v), 4);
  return NpyBytes("{'descr': '<f4', 'fortran_order': False, 'shape': (" +
                      std::to_string(values.size()) + ",), }",
                  data);
}

inline Bytes TextBytes(const std::string& s) { return Bytes(s.begin(), s.end()); }

}  // namespace averoz::test
