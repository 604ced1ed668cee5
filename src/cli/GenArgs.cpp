#include "cli/GenArgs.h"

#include <array>

#include "core/app/general.h"

namespace averoz::cli {
namespace {

struct ShapeName {
  const char* name;
  WaveKind kind;
};
constexpr std::array<ShapeName, 10> kShapes{{{"sine", kSine},
                                             {"square", kSquare},
                                             {"triangle", kTriangle},
                                             {"ramp", kRamp},
                                             {"charge", kCharge},
                                             {"discharge", kDisCharge},
                                             {"scurveup", kSCurveUp},
                                             {"scurvedown", kSCurveDown},
                                             {"dc", kDC},
                                             {"noise", kNoise}}};

struct KeyName {
  const char* name;
  ParamField field;
};
constexpr std::array<KeyName, 7> kKeys{{{"len", ParamField::Data},
                                        {"amp", ParamField::Amp},
                                        {"ofs", ParamField::Ofs},
                                        {"cycles", ParamField::Cycl},
                                        {"phase", ParamField::Phase},
                                        {"damp", ParamField::Damp},
                                        {"duty", ParamField::Duty}}};

std::optional<WaveKind> ShapeOf(const std::string& token) {
  for (const ShapeName& s : kShapes)
    if (token == s.name) return s.kind;
  return std::nullopt;
}

std::optional<ParamField> KeyOf(const std::string& key) {
  for (const KeyName& k : kKeys)
    if (key == k.name) return k.field;
  return std::nullopt;
}

// Lengths and codes are whole samples and codes, rounded as a typed field is.
bool Whole(ParamField field) {
  return field == ParamField::Data || field == ParamField::Amp || field == ParamField::Ofs;
}

}  // namespace

std::string KeyText(ParamField field, const std::string& value) {
  for (const KeyName& k : kKeys)
    if (k.field == field) return std::string(k.name) + "=" + value;
  return value;
}

bool ParseShapes(const std::vector<std::string>& tokens, std::vector<ShapeSpec>& shapes,
                 std::string& usage) {
  shapes.clear();
  auto equationDone = [&] {
    if (shapes.empty() || !shapes.back().equation || !shapes.back().expression.empty())
      return true;
    usage = "eq needs f=EXPR";
    return false;
  };
  for (const std::string& token : tokens) {
    const std::optional<WaveKind> kind = ShapeOf(token);
    if (kind || token == "eq") {
      if (!equationDone()) return false;
      shapes.push_back(ShapeSpec{kind.value_or(kNone), {}, !kind, {}});
      continue;
    }
    const std::size_t eq = token.find('=');
    if (eq == std::string::npos) {
      usage = "unknown shape \"" + token + "\"";
      return false;
    }
    const std::string key = token.substr(0, eq);
    const std::optional<ParamField> field = KeyOf(key);
    if (!field && key != "f") {
      usage = "unknown key \"" + key + "\"";
      return false;
    }
    if (shapes.empty()) {
      usage = "\"" + token + "\" comes before the first shape";
      return false;
    }
    ShapeSpec& shape = shapes.back();
    // An expression block takes its length and its expression, nothing else.
    const bool fits = shape.equation ? key == "f" || field == ParamField::Data : key != "f";
    if (!fits) {
      usage = "key \"" + key + "\" does not apply to " +
              (shape.equation ? std::string("eq") : "this shape");
      return false;
    }
    if (key == "f") shape.expression = token.substr(eq + 1);
    else shape.values.emplace_back(*field, token.substr(eq + 1));
  }
  if (shapes.empty()) {
    usage = "no shape given";
    return false;
  }
  return equationDone();
}

bool ResolveValues(const ShapeSpec& spec, ShapeValues& out, std::string& bad) {
  out = ShapeValues{};
  out.p.kind = spec.kind;
  for (const auto& [field, text] : spec.values) {
    double value = 0;
    if (!ParseDecimal(text, value)) {
      bad = KeyText(field, text);
      return false;
    }
    if (Whole(field)) value = RoundHalfAway(value);
    if (field != ParamField::Data && !ParamInRange(field, value, 0)) {
      bad = KeyText(field, text);
      return false;
    }
    switch (field) {
      case ParamField::Data: out.len = static_cast<std::int32_t>(value); break;
      case ParamField::Amp: out.p.amp = static_cast<std::int32_t>(value); break;
      case ParamField::Ofs: out.p.ofs = 2048 + static_cast<std::int32_t>(value); break;
      case ParamField::Cycl: out.p.cycles = value; break;
      case ParamField::Phase: out.p.phase = value; break;
      case ParamField::Damp: out.p.damp = value; break;
      case ParamField::Duty: out.p.duty = value; break;
    }
  }
  return true;
}

}  // namespace averoz::cli
