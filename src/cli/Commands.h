#pragma once
// The commands of averoz-cli. args are the words after the command name; each returns the
// exit code (0 done, 1 input refused, 2 usage error).
#include <string>
#include <vector>

#include "cli/CliEnv.h"

namespace averoz::cli {

using Args = std::vector<std::string>;

int Dump(const Args& args, const CliEnv& env);
int Info(const Args& args, const CliEnv& env);
int Convert(Args args, const CliEnv& env);
int Gen(Args args, const CliEnv& env);

// Prints the usage text with a reason on stderr; returns kExitUsage.
int Usage(const std::string& reason);

}  // namespace averoz::cli
