#include "core/app/ColorConfig.h"

#include <cctype>
#include <cstdio>

#include "core/app/IniFile.h"
#include "core/app/general.h"

namespace averoz {

namespace {

struct NamedColor {
  const char* name;
  ColorValue value;
};

constexpr std::array<NamedColor, 16> kNamed{{
    {"clBlack", MakeColor(0, 0, 0)},         {"clMaroon", MakeColor(128, 0, 0)},
    {"clGreen", MakeColor(0, 128, 0)},       {"clOlive", MakeColor(128, 128, 0)},
    {"clNavy", MakeColor(0, 0, 128)},        {"clPurple", MakeColor(128, 0, 128)},
    {"clTeal", MakeColor(0, 128, 128)},      {"clGray", MakeColor(128, 128, 128)},
    {"clSilver", MakeColor(192, 192, 192)},  {"clRed", MakeColor(255, 0, 0)},
    {"clLime", MakeColor(0, 255, 0)},        {"clYellow", MakeColor(255, 255, 0)},
    {"clBlue", MakeColor(0, 0, 255)},        {"clFuchsia", MakeColor(255, 0, 255)},
    {"clAqua", MakeColor(0, 255, 255)},      {"clWhite", MakeColor(255, 255, 255)},
}};

constexpr std::array<const char*, kColorRoleCount> kKeys{
    "BackGround", "GraphProtect", "Graph", "Cursor", "Line", "Grid", "Select", "Zoom"};

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

}  // namespace

const char* ColorKey(ColorRole role) { return kKeys[role]; }

std::optional<ColorValue> ParseColorValue(std::string_view text) {
  if (!text.empty() && text.front() == '$') {
    const std::string_view hex = text.substr(1);
    if (hex.empty() || hex.size() > 8 || !IsHexText(hex)) return std::nullopt;
    return ColorValue(HexToInt(hex)) & 0xFFFFFF;
  }
  for (const NamedColor& n : kNamed)
    if (SameName(text, n.name)) return n.value;
  return std::nullopt;
}

std::string ColorText(ColorValue color) {
  for (const NamedColor& n : kNamed)
    if (n.value == color) return n.name;
  char buf[16];
  std::snprintf(buf, sizeof buf, "$%08X", unsigned(color));
  return buf;
}

const std::array<ColorTheme, 6>& ColorThemes() {
  static const std::array<ColorTheme, 6> themes{{
      {"Default",
       {"clBlack", "clRed", "ClFuchsia", "ClLime", "ClYellow", "ClGray", "clWhite", "clRed"}},
      {"Daylight",
       {"clWhite", "clRed", "clNavy", "clLime", "clYellow", "clGray", "clWhite", "clRed"}},
      {"Ocean",
       {"clBlue", "clFuchsia", "clWhite", "clLime", "$004080FF", "clBlack", "clWhite", "clRed"}},
      {"Tropical",
       {"$0066B3FF", "clMaroon", "clYellow", "clGreen", "clYellow", "$00C08080", "clWhite",
        "clWhite"}},
      {"Evening",
       {"$00800040", "clRed", "clYellow", "clAqua", "$00C080FF", "clGray", "clWhite", "clRed"}},
      {"Flower",
       {"$00E4CAFF", "clRed", "clLime", "clBlue", "$00C080FF", "$00408080", "clWhite", "clRed"}},
  }};
  return themes;
}

ColorSet ThemeColors(const ColorTheme& theme) {
  ColorSet set{};
  for (int i = 0; i < kColorRoleCount; ++i) set[i] = ParseColorValue(theme.texts[i]).value_or(0);
  return set;
}

ColorSet DefaultColors() { return ThemeColors(ColorThemes()[0]); }

ColorSet ReadColorSet(const IniFile& ini) {
  ColorSet set = DefaultColors();
  for (int i = 0; i < kColorRoleCount; ++i)
    if (auto c = ParseColorValue(ini.ReadString("Color", kKeys[i], ""))) set[i] = *c;
  return set;
}

void WriteColorSet(IniFile& ini, const ColorSet& colors) {
  for (int i = 0; i < kColorRoleCount; ++i) ini.WriteString("Color", kKeys[i], ColorText(colors[i]));
}

}  // namespace averoz
