#pragma once
// The texts of the "Set Parameters" fields: what a field accepts when it is left, what its
// spin buttons make of it, how a value is shown, and the labels that carry the ranges.
// Lengths are in X units, amplitude and offset in Y units (differences), the rest plain
// numbers; the values handed back are samples, codes and numbers.
#include <optional>
#include <string>
#include <string_view>

#include "core/wave/ParamLimits.h"
#include "core/wave/WaveScale.h"

namespace averoz {

// The text a field keeps when it is left, normalised to whole samples or codes (lengths,
// amplitude, offset) or as typed (the others). Empty when it fails the character check,
// is no number or is out of range; the caller then shows ERRMSG 3 and puts the last
// accepted text back. The length's range is only checked while room is at least 8.
std::optional<std::string> CheckFieldText(ParamField field, std::string_view text,
                                          const WaveScale& scale, std::int32_t room);

// The text after one press of the field's spin button. A text that fails the character
// check is silently replaced by lastAccepted first.
std::string SpinFieldText(ParamField field, std::string_view text, std::string_view lastAccepted,
                          bool up, const WaveScale& scale, std::int32_t room);

// The value of a field's text: samples, code difference or number; 0 for no number.
double FieldValue(ParamField field, std::string_view text, const WaveScale& scale);
// The text showing a value in samples, codes or plain numbers ("0.###" for lengths,
// amplitude and offset, the shortest decimal for the others).
std::string FieldText(ParamField field, double value, const WaveScale& scale);

// "Data Length(8_room)", "Data Length(room)", "Amplitude(0_2048)", "Offset(-2048_2047)" in
// the user's units.
std::string DataLengthLabel(const WaveScale& scale, std::int32_t room);
std::string FillLengthLabel(const WaveScale& scale, std::int32_t room);
std::string AmpLabel(const WaveScale& scale);
std::string OfsLabel(const WaveScale& scale);

}  // namespace averoz
