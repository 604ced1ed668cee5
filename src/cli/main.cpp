// averoz-cli: the editor's data-file code without a window. Reads, converts and generates
// waveform and pattern files; never asks anything.
#include <string>
#include <vector>

#include "cli/CliEnv.h"
#include "cli/Commands.h"
#include "cli/PpgCommand.h"

int main(int argc, char** argv) {
  using namespace averoz::cli;
  if (argc < 2) return Usage("no command");
  const std::string command = argv[1];
  Args args(argv + 2, argv + argc);
  if (command == "-h" || command == "--help") {
    Usage({});
    return kExitOk;
  }
  const CliEnv env(argv[0]);
  if (command == "dump") return Dump(args, env);
  if (command == "info") return Info(args, env);
  if (command == "convert") return Convert(std::move(args), env);
  if (command == "gen") return Gen(std::move(args), env);
  if (command == "ppg") return Ppg(args, env);
  return Usage("unknown command \"" + command + "\"");
}
