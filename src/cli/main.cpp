// averoz-cli: the editor's data-file and transfer code without a window. Reads, converts and
// generates waveform and pattern files and moves them to and from the instrument; never asks
// anything.
#include <sys/stat.h>

#include <string>
#include <vector>

#include "cli/CliEnv.h"
#include "cli/Commands.h"
#include "cli/ImportCommand.h"
#include "cli/InstrumentCommands.h"
#include "cli/PpgCommand.h"

namespace {

using averoz::cli::Args;

// Takes "--settings FILE" out of the words; false with the reason when it is malformed.
bool TakeSettings(Args& args, std::string& file, std::string& usage) {
  for (auto it = args.begin(); it != args.end();) {
    if (*it != "--settings") {
      ++it;
      continue;
    }
    if (!file.empty() || it + 1 == args.end()) {
      usage = file.empty() ? "--settings needs a file" : "--settings given twice";
      return false;
    }
    file = *(it + 1);
    it = args.erase(it, it + 2);
  }
  struct stat info {};
  if (!file.empty() && (::stat(file.c_str(), &info) != 0 || !S_ISREG(info.st_mode))) {
    usage = "--settings: no such file " + file;
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace averoz::cli;
  // --settings may stand before the command too.
  Args args(argv + 1, argv + argc);
  std::string settingsFile, usage;
  if (!TakeSettings(args, settingsFile, usage)) return Usage(usage);
  if (args.empty()) return Usage("no command");
  const std::string command = args.front();
  args.erase(args.begin());
  if (command == "-h" || command == "--help") {
    Usage({});
    return kExitOk;
  }
  const CliEnv env(argv[0], settingsFile);
  if (command == "dump") return Dump(args, env);
  if (command == "info") return Info(args, env);
  if (command == "convert") return Convert(std::move(args), env);
  if (command == "gen") return Gen(std::move(args), env);
  if (command == "import") return Import(std::move(args), env);
  if (command == "ppg") return Ppg(args, env);
  if (command == "identify") return Identify(args, env);
  if (command == "send") return Send(args, env);
  if (command == "receive") return Receive(args, env);
  return Usage("unknown command \"" + command + "\"");
}
