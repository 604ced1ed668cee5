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
  for (const std::string& token : tokens) {
    if (const std::optional<WaveKind> kind = ShapeOf(token)) {
      shapes.push_back(ShapeSpec{*kind, {}});
      continue;
    }
    const std::size_t eq = token.find('=');
    if (eq == std::string::npos) {
      usage = "unknown shape \"" + token + "\"";
      return false;
    }
    const std::optional<ParamField> field = KeyOf(token.substr(0, eq));
    if (!field) {
      usage = "unknown key \"" + token.substr(0, eq) + "\"";
      return false;
    }
    if (shapes.empty()) {
      usage = "\"" + token + "\" comes before the first shape";
      return false;
    }
    shapes.back().values.emplace_back(*field, token.substr(eq + 1));
  }
  if (shapes.empty()) {
    usage = "no shape given";
    return false;
  }
  return true;
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
