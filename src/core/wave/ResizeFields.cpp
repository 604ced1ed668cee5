#include "core/wave/ResizeFields.h"

#include <algorithm>

#include "core/app/general.h"
#include "core/wave/ParamFields.h"

namespace averoz {
namespace {

constexpr double kAmpStep = 100;

ParamField AsParamField(ResizeField field) {
  return field == ResizeField::Data ? ParamField::Data : ParamField::Ofs;
}

std::optional<std::int32_t> AmpCodes(std::string_view text, const WaveScale& scale) {
  double v = 0;
  if (!IsUnsignedDecimal(text) || !ParseDecimal(text, v)) return std::nullopt;
  return scale.YToCodeDiff(v);
}

}  // namespace

std::optional<std::string> CheckResizeText(ResizeField field, std::string_view text,
                                           const WaveScale& scale, std::int32_t room) {
  if (field != ResizeField::Amp) return CheckFieldText(AsParamField(field), text, scale, room);
  const auto codes = AmpCodes(text, scale);
  if (!codes || *codes < 0 || *codes > kMaxResizeAmp) return std::nullopt;
  return ResizeText(field, *codes, scale);
}

std::string SpinResizeText(ResizeField field, std::string_view text,
                           std::string_view lastAccepted, bool up, const WaveScale& scale,
                           std::int32_t room) {
  if (field != ResizeField::Amp)
    return SpinFieldText(AsParamField(field), text, lastAccepted, up, scale, room);
  auto codes = AmpCodes(text, scale);
  if (!codes) codes = AmpCodes(lastAccepted, scale);
  const double stepped = codes.value_or(0) + (up ? kAmpStep : -kAmpStep);
  return ResizeText(field, static_cast<std::int32_t>(std::clamp(stepped, 0.0, double(kMaxResizeAmp))),
                    scale);
}

std::int32_t ResizeValue(ResizeField field, std::string_view text, const WaveScale& scale) {
  if (field != ResizeField::Amp)
    return static_cast<std::int32_t>(FieldValue(AsParamField(field), text, scale));
  return AmpCodes(text, scale).value_or(0);
}

std::string ResizeText(ResizeField field, std::int32_t value, const WaveScale& scale) {
  return field == ResizeField::Data ? FormatNumber(scale.IndexToX(value))
                                    : FormatNumber(scale.CodeDiffToY(value));
}

std::string ResizeDataLabel(const WaveScale& scale, std::int32_t room) {
  return DataLengthLabel(scale, room);
}

std::string ResizeAmpLabel(const WaveScale& scale) {
  return "Amplitude P-P(0_" + FormatNumber(scale.CodeDiffToY(kMaxResizeAmp)) + ")";
}

std::string ResizeOfsLabel(const WaveScale& scale) { return OfsLabel(scale); }

}  // namespace averoz
