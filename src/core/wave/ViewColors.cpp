#include "core/wave/ViewColors.h"

#include <utility>

#include "core/app/ColorConfig.h"
#include "core/app/IniFile.h"

namespace averoz {

// The colour names and "$00BBGGRR" values are read by the colour settings.
std::optional<Rgb> ParseColorText(std::string_view text) {
  const std::optional<ColorValue> value = ParseColorValue(text);
  if (!value) return std::nullopt;
  return Rgb{std::uint8_t(ColorRed(*value)), std::uint8_t(ColorGreen(*value)),
             std::uint8_t(ColorBlue(*value))};
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
