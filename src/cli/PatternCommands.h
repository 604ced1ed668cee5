#pragma once
// The pattern forms of dump, info and convert: a ".ppg" input read as File > Open reads it.
#include <string>

#include "cli/Commands.h"

namespace averoz::cli {

// The 16384 data words (0..63, decimal), one per line.
int DumpPattern(const std::string& path, const CliEnv& env);
// Kind, name field, model text, versions, date and the CRC. A refused file whose header
// could be decoded is still described (its CRC line says whether it matches) and gives 1.
int InfoPattern(const std::string& path, const CliEnv& env);
// A pattern converts to ".ppg" (name field from OUT's file name), ".csv" or ".vcd" only; any other
// OUT, or --fill, is a usage error.
int ConvertPattern(const std::string& in, const std::string& out, bool fillGiven,
                   const CliEnv& env);

}  // namespace averoz::cli
