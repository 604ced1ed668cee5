#pragma once
// Linear resampling of a run of codes to another length, shared by the Fit operand, Fit to
// X and Resize.
#include <cstdint>
#include <span>

namespace averoz {

// Writes out.size() values: output k reads source position p = k (N - 1) / (M - 1) and
// interpolates between its neighbours, rounded half away from zero. The first and last
// outputs equal the first and last sources. One source or one output repeats source 0.
// The positions are computed in integers, so no rounding error moves a value across a
// half. out must not overlap src.
void Resample(std::span<const std::int32_t> src, std::span<std::int32_t> out);

}  // namespace averoz
