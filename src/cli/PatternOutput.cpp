#include "cli/PatternOutput.h"

#include <cstdlib>
#include <ctime>

#include "core/app/general.h"
#include "core/files/CsvExport.h"
#include "core/files/FileNames.h"
#include "core/files/VcdExport.h"

namespace averoz::cli {
namespace {

constexpr const char* kEpochVariable = "SOURCE_DATE_EPOCH";
constexpr int kMaxYear = 0xFFFF;

// Decimal seconds; false for anything else. 18 digits cannot overflow; the year check
// refuses what the date field cannot hold.
bool ParseEpoch(const std::string& text, std::time_t& seconds) {
  if (!IsDigits(text) || text.size() > 18) return false;
  long long value = 0;
  for (char c : text) value = value * 10 + (c - '0');
  seconds = static_cast<std::time_t>(value);
  return true;
}

FileWriteResult WritePpg(std::span<const std::uint8_t> bits, const std::string& path,
                         const LocalDateTime& when, const CliEnv& env) {
  try {
    WriteFileAtomic(path, BuildPatternImage(bits, path, ReadSaveHeaderSettings(env.settings()),
                                            when));
    return {true, {}};
  } catch (const FileWriteError& e) {
    return {false, e.what()};
  }
}

}  // namespace

bool IsPatternOutputPath(const std::string& path) {
  const std::string ext = LowerAscii(ExtensionOf(path));
  return ext == KindExtension(2) || ext == ".csv" || ext == ".vcd";
}

std::optional<LocalDateTime> PatternWriteTime(const CliEnv& env) {
  const char* value = std::getenv(kEpochVariable);
  if (!value || !*value) return NowLocal();
  std::time_t seconds = 0;
  std::tm tm{};
  if (ParseEpoch(value, seconds) && localtime_r(&seconds, &tm) && tm.tm_year + 1900 <= kMaxYear)
    return LocalDateTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday,
                         tm.tm_hour,        tm.tm_min,     tm.tm_sec};
  env.SayText(std::string("averoz-cli: ") + kEpochVariable + "=\"" + value +
              "\" is not a number of seconds that the file's date can hold");
  return std::nullopt;
}

bool WritePatternOutput(std::span<const std::uint8_t> bits, const std::string& path,
                        const CliEnv& env) {
  FileWriteResult r;
  const std::string ext = LowerAscii(ExtensionOf(path));
  if (ext == ".csv") {
    r = WritePatternCsv(bits, path);
  } else if (ext == ".vcd") {
    r = WriteVcdFile(bits, path, ReadVcdTimeStep(env.settings()));
  } else {
    const std::optional<LocalDateTime> when = PatternWriteTime(env);
    if (!when) return false;
    r = WritePpg(bits, path, *when, env);
  }
  if (!r.ok) env.SayText(r.error);
  return r.ok;
}

}  // namespace averoz::cli
