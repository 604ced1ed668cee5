#include "core/signal/SignalResample.h"

#include <soxr.h>

#include <numeric>
#include <stdexcept>
#include <string>

namespace averoz {
namespace {

std::vector<double> Stretch(std::span<const double> in, std::size_t length) {
  std::vector<double> out(length);
  const double scale = double(in.size() - 1) / double(length - 1);
  for (std::size_t k = 0; k < length; ++k) {
    const double x = double(k) * scale;
    const std::size_t i = std::min(std::size_t(x), in.size() - 2);
    const double f = x - double(i);
    out[k] = in[i] + (in[i + 1] - in[i]) * f;
  }
  return out;
}

// soxr treats the signal as silence before and after, which would pull both ends towards
// zero. The ends are held for a few output samples on each side instead; the held stretch
// is a whole number of input/output periods, so output k stays at input k * n / length.
std::vector<double> Shorten(std::span<const double> in, std::size_t length) {
  const std::size_t n = in.size();
  const std::size_t g = std::gcd(n, length);
  const std::size_t unitIn = n / g, unitOut = length / g;
  constexpr std::size_t kHoldOut = 64;
  const std::size_t units = (kHoldOut + unitOut - 1) / unitOut;
  const std::size_t padIn = units * unitIn, padOut = units * unitOut;

  std::vector<double> padded(n + 2 * padIn);
  std::fill(padded.begin(), padded.begin() + std::ptrdiff_t(padIn), in.front());
  std::copy(in.begin(), in.end(), padded.begin() + std::ptrdiff_t(padIn));
  std::fill(padded.end() - std::ptrdiff_t(padIn), padded.end(), in.back());

  std::vector<double> out(length + 2 * padOut + 16);
  std::size_t done = 0;
  const soxr_io_spec_t io = soxr_io_spec(SOXR_FLOAT64_I, SOXR_FLOAT64_I);
  const soxr_quality_spec_t quality = soxr_quality_spec(SOXR_HQ, 0);
  const soxr_error_t error = soxr_oneshot(double(n), double(length), 1, padded.data(), padded.size(),
                                          nullptr, out.data(), out.size(), &done, &io, &quality, nullptr);
  if (error) throw std::runtime_error(std::string("resampling failed: ") + error);
  std::vector<double> result(length, done > padOut ? out[std::min(done, padOut + length) - 1] : in.back());
  for (std::size_t k = 0; k < length && padOut + k < done; ++k) result[k] = out[padOut + k];
  return result;
}

}  // namespace

std::vector<double> ResampleSignal(std::span<const double> in, std::size_t length) {
  if (length == 0 || in.empty()) return {};
  if (in.size() == length) return {in.begin(), in.end()};
  if (in.size() == 1) return std::vector<double>(length, in.front());
  if (length == 1) return {std::accumulate(in.begin(), in.end(), 0.0) / double(in.size())};
  return length > in.size() ? Stretch(in, length) : Shorten(in, length);
}

}  // namespace averoz
