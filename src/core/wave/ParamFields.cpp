#include "core/wave/ParamFields.h"

#include <charconv>

#include "core/app/general.h"

namespace averoz {
namespace {

bool IsLengthOrLevel(ParamField field) {
  return field == ParamField::Data || field == ParamField::Amp || field == ParamField::Ofs;
}

// Length and amplitude are unsigned; every other field takes one leading "-".
bool PassesCharacterCheck(ParamField field, std::string_view text) {
  const bool isUnsigned = field == ParamField::Data || field == ParamField::Amp;
  return isUnsigned ? IsUnsignedDecimal(text) : IsSignedDecimal(text);
}

std::optional<double> Number(ParamField field, std::string_view text) {
  double v = 0;
  if (!PassesCharacterCheck(field, text) || !ParseDecimal(text, v)) return std::nullopt;
  return v;
}

// Entered units -> whole samples or codes; the other fields are plain numbers.
double ToInternal(ParamField field, double v, const WaveScale& scale) {
  switch (field) {
    case ParamField::Data: return scale.XToIndex(v);
    case ParamField::Amp:
    case ParamField::Ofs: return scale.YToCodeDiff(v);
    default: return v;
  }
}

std::string Shortest(double v) {
  char buf[64];
  const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed);
  return r.ec == std::errc{} ? std::string(buf, r.ptr) : FormatNumber(v);
}

}  // namespace

std::optional<std::string> CheckFieldText(ParamField field, std::string_view text,
                                          const WaveScale& scale, std::int32_t room) {
  const std::optional<double> typed = Number(field, text);
  if (!typed) return std::nullopt;
  const double value = ToInternal(field, *typed, scale);
  const bool checked = field != ParamField::Data || room >= kMinGenLength;
  if (checked && !ParamInRange(field, value, room)) return std::nullopt;
  return IsLengthOrLevel(field) ? FieldText(field, value, scale) : std::string(text);
}

std::string SpinFieldText(ParamField field, std::string_view text, std::string_view lastAccepted,
                          bool up, const WaveScale& scale, std::int32_t room) {
  std::optional<double> typed = Number(field, text);
  if (!typed) typed = Number(field, lastAccepted);
  const double value = ToInternal(field, typed.value_or(0), scale);
  return FieldText(field, ParamSpin(field, value, up, room), scale);
}

double FieldValue(ParamField field, std::string_view text, const WaveScale& scale) {
  double v = 0;
  if (!ParseDecimal(text, v)) return 0;
  return ToInternal(field, v, scale);
}

std::string FieldText(ParamField field, double value, const WaveScale& scale) {
  switch (field) {
    case ParamField::Data: return FormatNumber(scale.IndexToX(value));
    case ParamField::Amp:
    case ParamField::Ofs: return FormatNumber(scale.CodeDiffToY(value));
    default: return Shortest(value);
  }
}

std::string DataLengthLabel(const WaveScale& scale, std::int32_t room) {
  return "Data Length(" + FormatNumber(scale.IndexToX(kMinGenLength)) + "_" +
         FormatNumber(scale.IndexToX(room)) + ")";
}

std::string FillLengthLabel(const WaveScale& scale, std::int32_t room) {
  return "Data Length(" + FormatNumber(scale.IndexToX(room)) + ")";
}

std::string AmpLabel(const WaveScale& scale) {
  return "Amplitude(0_" + FormatNumber(scale.CodeDiffToY(2048)) + ")";
}

std::string OfsLabel(const WaveScale& scale) {
  return "Offset(" + FormatNumber(scale.CodeDiffToY(-2048)) + "_" +
         FormatNumber(scale.CodeDiffToY(2047)) + ")";
}

}  // namespace averoz
