#include "core/files/FileNames.h"

namespace averoz {

namespace {

// Position of the extension's dot, or npos when the last component has none.
std::size_t ExtensionDot(const std::string& path) {
  const std::size_t dot = path.rfind('.');
  const std::size_t slash = path.find_last_of("/\\");
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return std::string::npos;
  return dot;
}

}  // namespace

std::string ExtensionOf(const std::string& path) {
  const std::size_t dot = ExtensionDot(path);
  return dot == std::string::npos ? std::string() : path.substr(dot);
}

std::string WithoutExtension(const std::string& path) {
  return path.substr(0, ExtensionDot(path));
}

std::string BareFileName(const std::string& path) {
  const std::string stem = WithoutExtension(path);
  const std::size_t slash = stem.find_last_of("/\\");
  return slash == std::string::npos ? stem : stem.substr(slash + 1);
}

std::string LowerAscii(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

}  // namespace averoz
