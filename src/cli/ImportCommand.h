#pragma once
// averoz-cli import IN OUT: a captured or computed signal (CSV/TSV, WAV, .npy) made into a
// waveform file.
#include "cli/CliEnv.h"
#include "cli/Commands.h"

namespace averoz::cli {

int Import(Args args, const CliEnv& env);

}  // namespace averoz::cli
