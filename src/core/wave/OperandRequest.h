#pragma once
// The standard operand of Add, Sub and Multiply: a shape chosen in the "Set Parameters"
// dialog in operand mode, generated from index 0 of the operand.
#include <cstdint>
#include <span>

#include "core/wave/ParamDialog.h"
#include "core/wave/WaveScale.h"

namespace averoz {

// length: the samples the operand must cover (the selection). Previews and OK generate
// into operand[0..length-1] and set operandLen; Cancel puts back what operand and
// operandLen held before. True on OK.
bool RequestOperand(std::span<std::int32_t> operand, std::int32_t& operandLen,
                    std::int32_t length, const WaveScale& scale, ParamDialog& dialog);

}  // namespace averoz
