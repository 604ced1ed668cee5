#include "cli/ImportCommand.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <map>
#include <optional>

#include "cli/WaveInput.h"
#include "cli/WaveOutput.h"
#include "core/app/general.h"
#include "core/signal/SignalImport.h"
#include "core/signal/SignalRead.h"

namespace averoz::cli {
namespace {

constexpr const char* kImportUsage =
    "usage: averoz-cli import IN OUT [--column N|TITLE] [--length N] [--range LO:HI] [--fill CODE]\n"
    "IN:    CSV/TSV text (a time column is skipped), .wav (8/16/24/32-bit integer or float),\n"
    "       .npy (1-D float or integer)\n"
    "OUT:   .awf (Modulation), .ope (Operation), .csv (text)\n"
    "--column  the value column or WAV channel, 1-based or by title (default 1)\n"
    "--length  samples in the waveform, 1..16384 (default 16384); a shorter one needs --fill\n"
    "--range   the values that become codes 0 and 4095, clipped (default: the signal's min..max)\n"
    "--fill    the code of the samples after --length\n";

int ImportUsage(const std::string& reason) {
  std::fprintf(stderr, "averoz-cli: %s\n%s", reason.c_str(), kImportUsage);
  return kExitUsage;
}

// "--name value" pairs out of args; the words left are the files.
bool TakeOptions(Args& args, std::map<std::string, std::string>& options, std::string& usage) {
  static const char* const kNames[] = {"--column", "--channel", "--length", "--range", "--fill"};
  for (auto it = args.begin(); it != args.end();) {
    if (it->rfind("--", 0) != 0) {
      ++it;
      continue;
    }
    std::string name = *it == "--channel" ? "--column" : *it;
    if (std::find(std::begin(kNames), std::end(kNames), *it) == std::end(kNames)) {
      usage = "unknown option " + *it;
      return false;
    }
    if (options.count(name) || it + 1 == args.end()) {
      usage = options.count(name) ? name + " given twice" : name + " needs a value";
      return false;
    }
    options[name] = *(it + 1);
    it = args.erase(it, it + 2);
  }
  return true;
}

bool ParseReal(std::string_view text, double& value) {
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc() && end == text.data() + text.size();
}

// The option values against the file that was read; false with the reason.
bool ResolveOptions(const std::map<std::string, std::string>& given, const SignalTable& table,
                    SignalImportOptions& options, std::string& bad) {
  if (auto it = given.find("--column"); it != given.end()) {
    std::int32_t n = 0;
    bool found = false;
    for (std::size_t c = 0; c < table.columns.size() && !found; ++c)
      if (table.columns[c].name == it->second) options.column = c, found = true;
    if (!found && ParseInteger(it->second, n) && n >= 1) options.column = std::size_t(n - 1), found = true;
    if (!found) {
      bad = "--column " + it->second + ": no such column";
      return false;
    }
  }
  if (auto it = given.find("--length"); it != given.end()) {
    std::int32_t n = 0;
    if (!ParseInteger(it->second, n) || n < 1) {
      bad = "--length " + it->second + ": not a length";
      return false;
    }
    options.length = std::size_t(n);
  }
  if (auto it = given.find("--range"); it != given.end()) {
    const std::string& text = it->second;
    const std::size_t colon = text.find(':', 1);
    CodeMapping& m = options.mapping;
    m.fixedRange = true;
    if (colon == std::string::npos || !ParseReal(std::string_view(text).substr(0, colon), m.low) ||
        !ParseReal(std::string_view(text).substr(colon + 1), m.high)) {
      bad = "--range " + text + ": give LO:HI";
      return false;
    }
  }
  bad = CheckImportOptions(table, options);
  return bad.empty();
}

}  // namespace

int Import(Args args, const CliEnv& env) {
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
    std::fputs(kImportUsage, stdout);
    return kExitOk;
  }
  std::map<std::string, std::string> given;
  std::string usage;
  if (!TakeOptions(args, given, usage)) return ImportUsage(usage);
  if (args.size() != 2) return ImportUsage("import takes IN and OUT");
  if (!IsOutputPath(args[1])) return ImportUsage("OUT must end in .awf, .ope or .csv");
  std::optional<std::int32_t> fill;
  if (auto it = given.find("--fill"); it != given.end()) {
    std::int32_t code = 0;
    if (!ParseInteger(it->second, code) || code < 0 || code > 4095) {
      env.Say(ERRMSG(3), " (--fill " + it->second + ")");
      return kExitRefused;
    }
    fill = code;
  }

  SignalImportOptions options;
  std::vector<std::int32_t> codes;
  try {
    const SignalTable table = ReadSignalFile(args[0]);
    std::string bad;
    if (!ResolveOptions(given, table, options, bad)) {
      env.SayText(args[0] + ": " + bad);
      return kExitRefused;
    }
    codes = ImportSignalCodes(table, options);
  } catch (const std::exception& e) {
    env.SayText(e.what());
    return kExitRefused;
  }
  WaveInput in;
  in.count = int(codes.size());
  in.samples = std::move(codes);
  WaveDoc doc;
  PlaceWaveInput(in, doc);
  if (!CompleteTail(doc, fill, env)) return kExitRefused;
  return WriteWaveOutput(doc, args[1], env) ? kExitOk : kExitRefused;
}

}  // namespace averoz::cli
