#pragma once
// A signal brought to a new number of samples: shortened through soxr's anti-aliasing
// resampler, stretched by linear interpolation (the first and last samples stay in place,
// nothing overshoots the signal's own range).
#include <span>
#include <vector>

namespace averoz {

std::vector<double> ResampleSignal(std::span<const double> in, std::size_t length);

}  // namespace averoz
