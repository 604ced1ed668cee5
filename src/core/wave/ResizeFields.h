#pragma once
// The fields of the "Resize" dialog in the user's units: Data Length (samples, 8..room)
// and Offset (code difference, -2048..2047) follow the "Set Parameters" rules; Amplitude
// P-P is a code difference 0..4095 stepped by 100 codes.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/wave/WaveScale.h"

namespace averoz {

enum class ResizeField { Data, Amp, Ofs };

inline constexpr std::int32_t kMaxResizeAmp = 4095;

// The normalised text a field keeps when it is left; empty when the text fails the
// character check, is no number or is out of range (ERRMSG 3 and the last accepted text).
std::optional<std::string> CheckResizeText(ResizeField field, std::string_view text,
                                           const WaveScale& scale, std::int32_t room);
// The text after one press of the field's spin button; a text failing the character check
// steps from lastAccepted.
std::string SpinResizeText(ResizeField field, std::string_view text,
                           std::string_view lastAccepted, bool up, const WaveScale& scale,
                           std::int32_t room);
// The field's value in samples or codes; 0 for no number.
std::int32_t ResizeValue(ResizeField field, std::string_view text, const WaveScale& scale);
// A value in samples or codes as the field shows it.
std::string ResizeText(ResizeField field, std::int32_t value, const WaveScale& scale);

// "Data Length(8_room)", "Amplitude P-P(0_4095)" and "Offset(-2048_2047)" in user units.
std::string ResizeDataLabel(const WaveScale& scale, std::int32_t room);
std::string ResizeAmpLabel(const WaveScale& scale);
std::string ResizeOfsLabel(const WaveScale& scale);

}  // namespace averoz
