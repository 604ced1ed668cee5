#pragma once
// The limits of the "Set Parameters" fields and the steps of their spin buttons, in
// samples (Data Length), codes (Amplitude, and Offset as a difference from mid-scale) or
// plain numbers (Cycles, Phase, Damp, Duty). The dialog converts the user's units to these
// before asking and back afterwards.
#include <cstdint>

namespace averoz {

enum class ParamField { Data, Amp, Ofs, Cycl, Phase, Damp, Duty };

// The shortest block a generator writes; less room than this refuses the command.
inline constexpr std::int32_t kMinGenLength = 8;

// Whether a value entered in the field may be set. room: the longest block the request
// allows (only Data Length depends on it).
bool ParamInRange(ParamField field, double value, std::int32_t room);

// The value after one press of the field's spin button. The spin ranges are not always the
// entry ranges: Offset steps up to +2048 although 2047 is the highest entry, and Cycles
// stepped below 0.01 comes back as 1.
double ParamSpin(ParamField field, double value, bool up, std::int32_t room);

// Default length of a block appended or inserted: an eighth of the document, at most room.
std::int32_t DefaultGenLength(std::int32_t dataLen, std::int32_t room);
// Default length of a block replacing a selected range of rangeLen samples.
std::int32_t DefaultReplaceLength(std::int32_t rangeLen);

}  // namespace averoz
