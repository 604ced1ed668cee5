#include "cli/PpgSteps.h"

#include <set>

#include "core/app/general.h"

namespace averoz::cli {

namespace {

struct StepShape {
  std::set<std::string> keys;
  std::vector<std::string> required;
};

const std::map<std::string, StepShape>& Shapes() {
  static const std::set<std::string> block{"rows", "start", "at", "len"};
  static const auto with = [](std::set<std::string> extra) {
    extra.insert(block.begin(), block.end());
    return extra;
  };
  static const std::set<std::string> logic{"src", "dest", "start", "len"};
  static const std::map<std::string, StepShape> shapes{
      {"order", {{"ch"}, {"ch"}}},
      {"high", {block, {"rows"}}},
      {"lo", {block, {"rows"}}},
      {"clock", {with({"period", "duty"}), {"rows"}}},
      {"counter", {with({"period"}), {"rows"}}},
      {"value", {with({"bits"}), {"rows", "bits"}}},
      {"copy", {{"rows", "start", "len"}, {"rows", "start", "len"}}},
      {"paste", {with({"repeat"}), {"rows"}}},
      {"invert", {{"rows", "start", "len"}, {"rows", "start", "len"}}},
      {"mirror", {{"rows", "start", "len"}, {"rows", "start", "len"}}},
      {"delete", {{"rows", "start", "len"}, {"rows", "start", "len"}}},
      {"equ", {logic, {"src", "dest"}}},
      {"not", {logic, {"src", "dest"}}},
      {"and", {logic, {"src", "dest"}}},
      {"or", {logic, {"src", "dest"}}},
      {"xor", {logic, {"src", "dest"}}},
      {"rotate", {{"src", "dir", "n", "start", "len"}, {"src", "dir"}}},
      {"shift", {{"src", "dir", "n", "start", "len"}, {"src", "dir"}}},
      {"autoinvert", {{"derive"}, {}}},
  };
  return shapes;
}

bool Finish(const PpgStep& step, std::string& usage) {
  const StepShape& shape = Shapes().at(step.keyword);
  for (const std::string& key : shape.required)
    if (!step.keys.count(key)) {
      usage = step.keyword + " needs " + key + "=";
      return false;
    }
  const bool hasStart = step.keys.count("start") > 0;
  const bool hasAt = step.keys.count("at") > 0;
  if (hasStart && hasAt) {
    usage = step.keyword + " takes start= or at=, not both";
    return false;
  }
  if (step.keys.count("rows") && !hasStart && !hasAt) {
    usage = step.keyword + " needs start= or at=";
    return false;
  }
  if (hasStart != (step.keys.count("len") > 0) && !hasAt) {
    usage = step.keyword + ": start= and len= go together";
    return false;
  }
  if (step.keyword == "autoinvert") {
    const bool one = step.words.size() == 1 && (step.words[0] == "on" || step.words[0] == "off");
    if (!one || (step.words[0] == "off" && step.keys.count("derive"))) {
      usage = "autoinvert takes on [derive=...] or off";
      return false;
    }
  } else if (!step.words.empty()) {
    usage = step.keyword + ": unexpected word " + step.words[0];
    return false;
  }
  return true;
}

}  // namespace

bool ParsePpgSteps(const std::vector<std::string>& tokens, std::vector<PpgStep>& steps,
                   std::string& usage) {
  steps.clear();
  for (const std::string& token : tokens) {
    const auto eq = token.find('=');
    if (eq == std::string::npos && Shapes().count(token)) {
      if (!steps.empty() && !Finish(steps.back(), usage)) return false;
      steps.push_back(PpgStep{token, {}, {}});
      continue;
    }
    if (steps.empty()) {
      usage = "a step must start with its keyword, not " + token;
      return false;
    }
    PpgStep& step = steps.back();
    if (eq == std::string::npos) {
      step.words.push_back(token);
      continue;
    }
    const std::string key = token.substr(0, eq);
    if (!Shapes().at(step.keyword).keys.count(key)) {
      usage = step.keyword + " takes no key " + key;
      return false;
    }
    if (!step.keys.emplace(key, token.substr(eq + 1)).second) {
      usage = key + "= given twice in " + step.keyword;
      return false;
    }
  }
  return steps.empty() || Finish(steps.back(), usage);
}

bool ParseRows(const std::string& text, int& first, int& last) {
  const auto dash = text.find('-');
  const std::string a = text.substr(0, dash);
  const std::string b = dash == std::string::npos ? a : text.substr(dash + 1);
  std::int32_t x = 0, y = 0;
  if (!IsDigits(a) || !IsDigits(b) || !ParseInteger(a, x) || !ParseInteger(b, y) || y < x)
    return false;
  first = x;
  last = y;
  return true;
}

bool ParseList(const std::string& text, std::vector<int>& values) {
  values.clear();
  std::size_t pos = 0;
  while (true) {
    const auto comma = text.find(',', pos);
    const std::string item = text.substr(pos, comma == std::string::npos ? std::string::npos : comma - pos);
    std::int32_t v = 0;
    if (!IsDigits(item) || !ParseInteger(item, v)) return false;
    values.push_back(v);
    if (comma == std::string::npos) return true;
    pos = comma + 1;
  }
}

}  // namespace averoz::cli
