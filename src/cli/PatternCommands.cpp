#include "cli/PatternCommands.h"

#include <cstdio>

#include "cli/PatternInput.h"
#include "cli/PatternOutput.h"

namespace averoz::cli {

int DumpPattern(const std::string& path, const CliEnv& env) {
  PatternReadResult r;
  if (!ReadPatternInput(path, env, r)) return kExitRefused;
  std::string text;
  text.reserve(std::size_t(kPatternLength) * 3);
  for (std::int32_t word : PatternWords(r.bits)) text += std::to_string(word) + '\n';
  std::fwrite(text.data(), 1, text.size(), stdout);
  return kExitOk;
}

int InfoPattern(const std::string& path, const CliEnv& env) {
  PatternReadResult r;
  const bool ok = ReadPatternInput(path, env, r);
  if (!r.layoutFound) return kExitRefused;
  const PatternHeader& h = r.header;
  const LocalDateTime& d = h.when;
  std::printf("format: binary\nkind: PPG\nwords: %u\nname: %s\nmodel: %s\nversion: %d %d %d %d\n",
              h.wordCount, h.name.c_str(), h.model.c_str(), h.version[0], h.version[1],
              h.version[2], h.version[3]);
  std::printf("date: %04d-%02d-%02d %02d:%02d:%02d\n", d.year, d.month, d.day, d.hour, d.minute,
              d.second);
  if (h.crcMatches())
    std::printf("crc: 0x%04X matches\n", h.storedCrc);
  else
    std::printf("crc: 0x%04X does not match the data (0x%04X)\n", h.storedCrc, h.dataCrc);
  return ok ? kExitOk : kExitRefused;
}

int ConvertPattern(const std::string& in, const std::string& out, bool fillGiven,
                   const CliEnv& env) {
  if (fillGiven) return Usage("--fill does not apply to a .ppg input");
  if (!IsPatternOutputPath(out)) return Usage("a .ppg input converts to .ppg, .csv or .vcd only");
  PatternReadResult r;
  if (!ReadPatternInput(in, env, r)) return kExitRefused;
  return WritePatternOutput(r.bits, out, env) ? kExitOk : kExitRefused;
}

}  // namespace averoz::cli
