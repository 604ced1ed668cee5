#include "core/signal/SignalRead.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

namespace averoz {
namespace {

bool StartsWith(std::span<const std::uint8_t> bytes, std::string_view magic) {
  return bytes.size() >= magic.size() &&
         std::memcmp(bytes.data(), magic.data(), magic.size()) == 0;
}

bool HasExtension(const std::string& name, std::string_view ext) {
  if (name.size() < ext.size()) return false;
  for (std::size_t i = 0; i < ext.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(name[name.size() - ext.size() + i])) != ext[i])
      return false;
  return true;
}

bool IsNpy(std::span<const std::uint8_t> head, const std::string& name) {
  return StartsWith(head, "\x93NUMPY") || HasExtension(name, ".npy");
}

bool IsWav(std::span<const std::uint8_t> head, const std::string& name) {
  return !IsNpy(head, name) && (StartsWith(head, "RIFF") || StartsWith(head, "RF64") || HasExtension(name, ".wav"));
}

}  // namespace

SignalTable ParseSignalBytes(std::span<const std::uint8_t> bytes, const std::string& name) {
  if (IsNpy(bytes, name)) return ParseSignalNpy(bytes, name);
  if (IsWav(bytes, name)) return ParseSignalWav(bytes, name);
  return ParseSignalText({reinterpret_cast<const char*>(bytes.data()), bytes.size()}, name);
}

SignalTable ReadSignalFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw SignalError(path + ": " + std::strerror(errno));
  std::uint8_t head[8] = {};
  in.read(reinterpret_cast<char*>(head), sizeof head);
  if (IsWav(std::span(head, std::size_t(in.gcount())), path)) return ReadSignalWavFile(path);
  in.clear();
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  in.seekg(0, std::ios::beg);
  std::vector<std::uint8_t> bytes(size > 0 ? std::size_t(size) : 0);
  if (size > 0 && !in.read(reinterpret_cast<char*>(bytes.data()), size))
    throw SignalError(path + ": cannot be read");
  return ParseSignalBytes(bytes, path);
}

}  // namespace averoz
