#pragma once
// Reading a ".ppg" input as the editor's File > Open reads it: the whole pattern or a refusal.
#include <string>

#include "cli/CliEnv.h"
#include "core/files/PatternRead.h"

namespace averoz::cli {

// Whether the input path names a pattern data file (".ppg", any case).
bool IsPatternInput(const std::string& path);

// Reads path into out; false, with the reason on stderr, when the file is refused (the
// wrong-format message and what did not match) or cannot be read. out keeps the decoded
// header of a refused file whose layout was found.
bool ReadPatternInput(const std::string& path, const CliEnv& env, PatternReadResult& out);

}  // namespace averoz::cli
