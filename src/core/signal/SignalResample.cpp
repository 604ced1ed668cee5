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

// A soxr stream; a block of input at a time, so a long capture is not copied once more.
class SoxrStream {
 public:
  SoxrStream(double inRate, double outRate, std::size_t expected) {
    const soxr_io_spec_t io = soxr_io_spec(SOXR_FLOAT64_I, SOXR_FLOAT64_I);
    const soxr_quality_spec_t quality = soxr_quality_spec(SOXR_HQ, 0);
    soxr_error_t error = nullptr;
    soxr_ = soxr_create(inRate, outRate, 1, &error, &io, &quality, nullptr);
    if (error) throw std::runtime_error(std::string("resampling failed: ") + error);
    out_.resize(expected + 64);
  }
  ~SoxrStream() { soxr_delete(soxr_); }
  SoxrStream(const SoxrStream&) = delete;
  SoxrStream& operator=(const SoxrStream&) = delete;

  // nullptr flushes what the filter still holds.
  void Feed(const double* in, std::size_t count) {
    std::size_t used = 0;
    do {
      if (done_ == out_.size()) out_.resize(out_.size() * 2);
      std::size_t took = 0, made = 0;
      const soxr_error_t error = soxr_process(soxr_, in ? in + used : nullptr, in ? count - used : 0,
                                              &took, out_.data() + done_, out_.size() - done_, &made);
      if (error) throw std::runtime_error(std::string("resampling failed: ") + error);
      if (in && took == 0 && made == 0 && done_ < out_.size()) throw std::runtime_error("resampling stalled");
      used += took;
      done_ += made;
      if (!in && made == 0) return;
    } while (!in || used < count);
  }
  std::span<const double> output() const { return {out_.data(), done_}; }

 private:
  soxr_t soxr_ = nullptr;
  std::vector<double> out_;
  std::size_t done_ = 0;
};

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

  SoxrStream stream(double(n), double(length), length + 2 * padOut);
  constexpr std::size_t kBlock = 1 << 16;
  const std::vector<double> first(std::min(padIn, kBlock), in.front()), last(first.size(), in.back());
  for (std::size_t left = padIn; left > 0; left -= std::min(left, kBlock))
    stream.Feed(first.data(), std::min(left, kBlock));
  for (std::size_t at = 0; at < n; at += kBlock) stream.Feed(in.data() + at, std::min(kBlock, n - at));
  for (std::size_t left = padIn; left > 0; left -= std::min(left, kBlock))
    stream.Feed(last.data(), std::min(left, kBlock));
  stream.Feed(nullptr, 0);

  const std::span<const double> out = stream.output();
  std::vector<double> result(length, in.back());
  for (std::size_t k = 0; k < length && padOut + k < out.size(); ++k) result[k] = out[padOut + k];
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
