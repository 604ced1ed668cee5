#include "core/wave/EquationWave.h"

#include <muParser.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <regex>

namespace averoz {
namespace {

using std::numbers::pi;

double Frac(double u) { return u - std::floor(u); }

double Rect(double u) { return Frac(u) < 0.5 ? 1.0 : -1.0; }

double Tri(double u) {
  const double f = Frac(u);
  if (f < 0.25) return 4 * f;
  if (f < 0.75) return 2 - 4 * f;
  return 4 * f - 4;
}

double Saw(double u) { return 2 * Frac(u) - 1; }

double Sinc(double u) { return u == 0 ? 1.0 : std::sin(pi * u) / (pi * u); }

double Gauss(double u) { return std::exp(-u * u / 2); }

double Sign(double v) { return v > 0 ? 1.0 : v < 0 ? -1.0 : 0.0; }

double Mod(double a, double b) { return a - b * std::floor(a / b); }

double Min(const double* v, int count) { return *std::min_element(v, v + count); }

double Max(const double* v, int count) { return *std::max_element(v, v + count); }

// The parser's messages end with where the fault is; the position is given separately.
std::string WithoutPosition(const std::string& message) {
  static const std::regex tail(R"(\s*at (expression )?position -?\d+\.?\s*$)");
  return std::regex_replace(message, tail, "");
}

// The first comma outside every parenthesis: where a second value begins.
int TopLevelComma(const std::string& text) {
  int depth = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '(') ++depth;
    if (text[i] == ')') --depth;
    if (text[i] == ',' && depth == 0) return static_cast<int>(i) + 1;
  }
  return 0;
}

}  // namespace

struct Equation::Impl {
  mu::Parser parser;
  double x = 0, n = 1, t = 0;
  bool compiled = false;

  Impl() {
    parser.ClearConst();
    parser.ClearFun();
    parser.DefineConst("pi", pi);
    parser.DefineConst("e", std::numbers::e);
    parser.DefineConst("mid", 2048);
    parser.DefineConst("fs", 2047);
    using F1 = double (*)(double);
    for (const auto& [name, f] : std::initializer_list<std::pair<const char*, F1>>{
             {"sin", [](double v) { return std::sin(v); }},
             {"cos", [](double v) { return std::cos(v); }},
             {"tan", [](double v) { return std::tan(v); }},
             {"asin", [](double v) { return std::asin(v); }},
             {"acos", [](double v) { return std::acos(v); }},
             {"atan", [](double v) { return std::atan(v); }},
             {"sinh", [](double v) { return std::sinh(v); }},
             {"cosh", [](double v) { return std::cosh(v); }},
             {"tanh", [](double v) { return std::tanh(v); }},
             {"exp", [](double v) { return std::exp(v); }},
             {"log", [](double v) { return std::log(v); }},
             {"log10", [](double v) { return std::log10(v); }},
             {"sqrt", [](double v) { return std::sqrt(v); }},
             {"abs", [](double v) { return std::fabs(v); }},
             {"sign", Sign},
             {"floor", [](double v) { return std::floor(v); }},
             {"ceil", [](double v) { return std::ceil(v); }},
             {"rect", Rect},
             {"tri", Tri},
             {"saw", Saw},
             {"sinc", Sinc},
             {"gauss", Gauss}})
      parser.DefineFun(name, f);
    parser.DefineFun("atan2", static_cast<double (*)(double, double)>(
                                  [](double y, double xx) { return std::atan2(y, xx); }));
    parser.DefineFun("mod", Mod);
    parser.DefineFun("min", Min);
    parser.DefineFun("max", Max);
    parser.DefineVar("x", &x);
    parser.DefineVar("n", &n);
    parser.DefineVar("t", &t);
  }
};

Equation::Equation() : impl_(std::make_unique<Impl>()) {}
Equation::~Equation() = default;

std::optional<EquationProblem> Equation::Compile(const std::string& text) {
  impl_->compiled = false;
  const int end = static_cast<int>(text.size()) + 1;
  try {
    impl_->parser.SetExpr(text);
    // The parser checks most of the syntax only when it first evaluates.
    impl_->parser.Eval();
  } catch (const mu::Parser::exception_type& e) {
    // The parser counts from 0 and pads the text with a blank: clamp to just past the end.
    const int position = std::clamp(e.GetPos() + 1, 1, end);
    return EquationProblem{position, WithoutPosition(e.GetMsg())};
  }
  if (impl_->parser.GetNumResults() != 1)
    return EquationProblem{std::max(1, TopLevelComma(text)), "More than one value"};
  impl_->compiled = true;
  return std::nullopt;
}

std::optional<EquationProblem> Equation::Evaluate(std::int32_t len,
                                                  std::span<std::int32_t> codes) {
  if (!impl_->compiled) return EquationProblem{0, "No expression"};
  const std::int32_t count = std::min<std::int32_t>(len, std::int32_t(codes.size()));
  impl_->n = len;
  for (std::int32_t k = 0; k < count; ++k) {
    impl_->x = k;
    impl_->t = double(k) / len;
    double v = 0;
    try {
      v = impl_->parser.Eval();
    } catch (const mu::Parser::exception_type& e) {  // not expected once compiled
      return EquationProblem{0, "Sample x = " + std::to_string(k) + ": " + e.GetMsg()};
    }
    if (!std::isfinite(v))
      return EquationProblem{0, "Sample x = " + std::to_string(k) + " gives " +
                                    (std::isnan(v) ? "NaN" : "infinity")};
    codes[std::size_t(k)] = EquationCode(v);
  }
  return std::nullopt;
}

std::int32_t EquationCode(double value) {
  if (std::isnan(value)) return 0;
  return static_cast<std::int32_t>(std::clamp(std::round(value), 0.0, 4095.0));
}

std::optional<EquationProblem> EquationBlock::Build(const std::string& text, std::int32_t len) {
  codes_.clear();
  if (auto problem = equation_.Compile(text)) return problem;
  std::vector<std::int32_t> codes(std::size_t(std::max(len, 0)));
  if (auto problem = equation_.Evaluate(len, codes)) return problem;
  codes_ = std::move(codes);
  return std::nullopt;
}

void EquationBlock::Generate(const TWaveParam& p, std::span<std::int32_t> waveData) const {
  for (std::int32_t k = 0; k < p.len && k < std::int32_t(codes_.size()); ++k) {
    const std::int64_t i = std::int64_t(p.start) + k;
    if (i >= 0 && i < std::int64_t(waveData.size())) waveData[std::size_t(i)] = codes_[std::size_t(k)];
  }
}

}  // namespace averoz
