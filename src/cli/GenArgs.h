#pragma once
// The blocks of "gen": SHAPE [key=value ...] repeated. Syntax faults (an unknown shape or
// key, a key before the first shape, a key without "=") are usage errors; values are
// checked separately against the ranges of the Set Parameters fields. The shape "eq" is a
// block from an expression: "eq [len=N] f=EXPR", EXPR one word.
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/wave/ParamLimits.h"
#include "core/wave/WaveParam.h"

namespace averoz::cli {

struct ShapeSpec {
  WaveKind kind = kNone;
  std::vector<std::pair<ParamField, std::string>> values;  // as typed, in order
  bool equation = false;   // "eq" (kind stays kNone)
  std::string expression;  // its f=, as typed
};

// False with the reason in usage.
bool ParseShapes(const std::vector<std::string>& tokens, std::vector<ShapeSpec>& shapes,
                 std::string& usage);

// The request of one block: the form defaults with the given values. len stays empty
// when not given (the generator's default length is used). False with the offending
// "key=value" in bad when a value is no number or out of range; len is only checked for
// being a number here, against the room when the block is placed.
struct ShapeValues {
  TWaveParam p;
  std::optional<std::int32_t> len;
};
bool ResolveValues(const ShapeSpec& spec, ShapeValues& out, std::string& bad);

// "len=<n>" for messages.
std::string KeyText(ParamField field, const std::string& value);

}  // namespace averoz::cli
