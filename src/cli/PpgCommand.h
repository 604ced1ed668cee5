#pragma once
// "averoz-cli ppg OUT [STEP ...]": a new pattern document, the steps applied in order
// through the editor's own pattern commands, then OUT written (.ppg, .csv or .vcd).
#include "cli/Commands.h"

namespace averoz::cli {

int Ppg(const Args& args, const CliEnv& env);

}  // namespace averoz::cli
