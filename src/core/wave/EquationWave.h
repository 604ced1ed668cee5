#pragma once
// Waveforms typed as a formula. The expression is evaluated once per sample of the block
// with x = 0 .. len-1, n = len and t = x / n; each value is rounded half away from zero and
// clipped to the codes 0..4095.
//
// Names the expression may use (the parser's own constants and functions are replaced by
// this set, so the meaning never changes with the parser's version):
//   constants  pi, e, mid = 2048, fs = 2047
//   functions  sin cos tan asin acos atan atan2(y, x) sinh cosh tanh exp sqrt abs
//              log (natural), log10, sign (-1, 0, +1), floor, ceil, min(a, ...), max(a, ...),
//              mod(a, b) = a - b * floor(a / b) (the sign of b, so mod(-1, 4) = 3)
//   shapes     period 1 in u, with f = u - floor(u) the place in the period (0 <= f < 1):
//              rect(u)  = +1 for f < 0.5, else -1
//              tri(u)   = 4f for f < 0.25, 2 - 4f for f < 0.75, else 4f - 4
//                         (0 at u = 0, +1 at 0.25, -1 at 0.75, like a sine)
//              saw(u)   = 2f - 1 (rises from -1 to nearly +1)
//              sinc(u)  = sin(pi u) / (pi u), sinc(0) = 1 (zeros at the other integers)
//              gauss(u) = exp(-u^2 / 2)
//   operators  + - * / ^ (power, right to left: 2^3^2 = 512; -2^2 = -4), unary minus,
//              comparisons < <= > >= == != giving 1 or 0, && ||, and c ? a : b.
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/wave/Generator.h"

namespace averoz {

// Why an expression cannot be used. position: the 1-based character the fault was found
// at (one past the last character for a missing end), 0 when it concerns a sample.
struct EquationProblem {
  int position = 0;
  std::string message;
  friend bool operator==(const EquationProblem&, const EquationProblem&) = default;
};

class Equation {
 public:
  Equation();
  ~Equation();
  Equation(const Equation&) = delete;
  Equation& operator=(const Equation&) = delete;

  // Parses the expression; the problem when it is no single value.
  std::optional<EquationProblem> Compile(const std::string& text);

  // The codes of a block of len samples into codes[0..len-1]. A sample whose value is
  // NaN or infinite refuses the whole block, named by its x. Needs a compiled expression.
  std::optional<EquationProblem> Evaluate(std::int32_t len, std::span<std::int32_t> codes);

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// A value's code: rounded half away from zero, clipped to 0..4095. NaN gives 0.
std::int32_t EquationCode(double value);

// The codes of one evaluation as a generator: sample p.start + k gets code k.
class EquationBlock final : public WaveGenerator {
 public:
  // Compiles and evaluates; on a problem the block holds no codes.
  std::optional<EquationProblem> Build(const std::string& text, std::int32_t len);
  const std::vector<std::int32_t>& codes() const { return codes_; }
  void Generate(const TWaveParam& p, std::span<std::int32_t> waveData) const override;

 private:
  Equation equation_;
  std::vector<std::int32_t> codes_;
};

}  // namespace averoz
