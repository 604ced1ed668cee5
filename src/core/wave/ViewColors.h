#pragma once
// The eight colour roles of a waveform window, read from section "Color" of the settings
// file. A colour text is a standard name ("clBlack", any case) or "$" and the value
// $00BBGGRR in hexadecimal; anything else keeps the role's default.
#include <cstdint>
#include <optional>
#include <string_view>

namespace averoz {

class IniFile;

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

struct ViewColors {
  Rgb background{0, 0, 0};
  Rgb graph{255, 0, 255};
  Rgb graphProtect{255, 0, 0};
  Rgb cursor{0, 255, 0};
  Rgb grid{128, 128, 128};
  Rgb select{255, 255, 255};
  Rgb zoom{255, 0, 0};
  Rgb line{255, 255, 0};
};

std::optional<Rgb> ParseColorText(std::string_view text);
// Every role from the settings, defaults for missing or unreadable keys.
ViewColors ReadViewColors(const IniFile& ini);

}  // namespace averoz
