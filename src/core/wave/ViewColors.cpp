#include "core/wave/ViewColors.h"

#include <array>
#include <cctype>
#include <string>
#include <utility>

#include "core/app/IniFile.h"
#include "core/app/general.h"

namespace averoz {

namespace {

struct NamedColor {
  const char* name;
  Rgb rgb;
};

constexpr std::array<NamedColor, 16> kNamed{{
    {"clblack", {0, 0, 0}},         {"clmaroon", {128, 0, 0}},    {"clgreen", {0, 128, 0}},
    {"clolive", {128, 128, 0}},     {"clnavy", {0, 0, 128}},      {"clpurple", {128, 0, 128}},
    {"clteal", {0, 128, 128}},      {"clgray", {128, 128, 128}},  {"clsilver", {192, 192, 192}},
    {"clred", {255, 0, 0}},         {"cllime", {0, 255, 0}},      {"clyellow", {255, 255, 0}},
    {"clblue", {0, 0, 255}},        {"clfuchsia", {255, 0, 255}}, {"claqua", {0, 255, 255}},
    {"clwhite", {255, 255, 255}},
}};

}  // namespace

std::optional<Rgb> ParseColorText(std::string_view text) {
  if (!text.empty() && text.front() == '$') {
    const std::string_view hex = text.substr(1);
    if (hex.empty() || hex.size() > 8 || !IsHexText(hex)) return std::nullopt;
    const auto v = std::uint32_t(HexToInt(hex));
    return Rgb{std::uint8_t(v & 0xFF), std::uint8_t((v >> 8) & 0xFF), std::uint8_t((v >> 16) & 0xFF)};
  }
  std::string lower(text);
  for (char& c : lower) c = char(std::tolower(static_cast<unsigned char>(c)));
  for (const NamedColor& n : kNamed)
    if (lower == n.name) return n.rgb;
  return std::nullopt;
}

ViewColors ReadViewColors(const IniFile& ini) {
  ViewColors c;
  const std::pair<const char*, Rgb*> roles[] = {
      {"BackGround", &c.background}, {"Graph", &c.graph},   {"GraphProtect", &c.graphProtect},
      {"Cursor", &c.cursor},         {"Grid", &c.grid},     {"Select", &c.select},
      {"Zoom", &c.zoom},             {"Line", &c.line},
  };
  for (const auto& [key, rgb] : roles)
    if (auto parsed = ParseColorText(ini.ReadString("Color", key, ""))) *rgb = *parsed;
  return c;
}

}  // namespace averoz
