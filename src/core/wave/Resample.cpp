#include "core/wave/Resample.h"

#include <algorithm>

namespace averoz {
namespace {

// num / den (den > 0) rounded half away from zero.
std::int64_t RoundRatio(std::int64_t num, std::int64_t den) {
  const std::int64_t twice = 2 * num;
  return twice >= 0 ? (twice + den) / (2 * den) : -((-twice + den) / (2 * den));
}

}  // namespace

void Resample(std::span<const std::int32_t> src, std::span<std::int32_t> out) {
  if (src.empty() || out.empty()) return;
  const std::int64_t n1 = static_cast<std::int64_t>(src.size()) - 1;
  const std::int64_t m1 = static_cast<std::int64_t>(out.size()) - 1;
  if (n1 == 0 || m1 == 0) {
    std::fill(out.begin(), out.end(), src[0]);
    return;
  }
  for (std::int64_t k = 0; k <= m1; ++k) {
    const std::int64_t pos = k * n1;  // source position times m1
    const std::int64_t c = pos / m1;
    const std::int64_t r = pos % m1;
    if (r == 0) {
      out[k] = src[c];
      continue;
    }
    const std::int64_t a = src[c];
    const std::int64_t b = src[c + 1];
    out[k] = static_cast<std::int32_t>(RoundRatio(a * m1 + r * (b - a), m1));
  }
}

}  // namespace averoz
