#pragma once
// The steps of "averoz-cli ppg OUT [STEP ...]": a keyword followed by key=value words (and
// "on"/"off" for autoinvert). Parsing checks only the shape of the command line; values
// are checked when the step runs, by the same rules as the editor's dialogs.
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace averoz::cli {

struct PpgStep {
  std::string keyword;
  std::map<std::string, std::string> keys;  // as typed
  std::vector<std::string> words;           // bare words ("on", "off")
};

// False with the reason in usage: an unknown keyword or key, a key given twice, a key
// before the first keyword, or a step missing what it needs.
bool ParsePpgSteps(const std::vector<std::string>& tokens, std::vector<PpgStep>& steps,
                   std::string& usage);

// "rows=2" or "rows=2-4": 1-based first and last display rows (first <= last).
bool ParseRows(const std::string& text, int& first, int& last);
// "1,4,2": the numbers in order.
bool ParseList(const std::string& text, std::vector<int>& values);

}  // namespace averoz::cli
