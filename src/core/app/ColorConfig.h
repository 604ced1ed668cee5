#pragma once
// The eight colour roles of the document windows as the settings file holds them (section
// "Color"): colour texts, the values they stand for, and the ready-made themes of the Color
// dialog. A colour value is $00BBGGRR: red in the low byte, blue in the high one.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace averoz {

class IniFile;

using ColorValue = std::uint32_t;

constexpr ColorValue MakeColor(int r, int g, int b) {
  return ColorValue(r & 0xFF) | ColorValue(g & 0xFF) << 8 | ColorValue(b & 0xFF) << 16;
}
constexpr int ColorRed(ColorValue c) { return int(c & 0xFF); }
constexpr int ColorGreen(ColorValue c) { return int((c >> 8) & 0xFF); }
constexpr int ColorBlue(ColorValue c) { return int((c >> 16) & 0xFF); }

// In the order the dialog keeps its working colours.
enum ColorRole { kBackGround, kGraphProtect, kGraph, kCursor, kLine, kGrid, kSelect, kZoom };
inline constexpr int kColorRoleCount = 8;
using ColorSet = std::array<ColorValue, kColorRoleCount>;

// The settings key of a role ("BackGround", "GraphProtect", ...).
const char* ColorKey(ColorRole role);

// A standard name in any case ("ClFuchsia") or "$" and up to eight hex digits (only the low
// 24 bits count); anything else is no colour.
std::optional<ColorValue> ParseColorValue(std::string_view text);
// The standard name when the colour has one ("clFuchsia"), otherwise "$" and eight
// upper-case hex digits ("$004080FF").
std::string ColorText(ColorValue color);

struct ColorTheme {
  const char* name;
  std::array<const char*, kColorRoleCount> texts;  // in ColorRole order
};
// "Default", "Daylight", "Ocean", "Tropical", "Evening", "Flower".
const std::array<ColorTheme, 6>& ColorThemes();
ColorSet ThemeColors(const ColorTheme& theme);
// The "Default" row: the colours used for missing keys.
ColorSet DefaultColors();

// Every role from section "Color"; a missing or unreadable key gives the default.
ColorSet ReadColorSet(const IniFile& ini);
// Every role as its colour text. Throws IniWriteError like every settings write.
void WriteColorSet(IniFile& ini, const ColorSet& colors);

}  // namespace averoz
