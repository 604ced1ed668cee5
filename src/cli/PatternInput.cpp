#include "cli/PatternInput.h"

#include "core/files/OpenRules.h"

namespace averoz::cli {
namespace {

// What did not match, after the wrong-format message.
std::string Reason(const PatternReadResult& r) {
  switch (r.status) {
    case PatternReadStatus::NoLayout: return "no pattern header that fits the file size";
    case PatternReadStatus::WrongCount:
      return std::to_string(r.header.wordCount) + " data words instead of " +
             std::to_string(kPatternLength);
    case PatternReadStatus::HeaderRefused: return "model text or version refused by [Load]";
    case PatternReadStatus::WordOutOfRange:
      return "data word above 63 at address " + std::to_string(r.badAddress);
    case PatternReadStatus::CrcMismatch: return "CRC does not match the data";
    case PatternReadStatus::Ok:
    case PatternReadStatus::Unreadable: break;
  }
  return {};
}

}  // namespace

bool IsPatternInput(const std::string& path) { return OpensAsPattern(path); }

bool ReadPatternInput(const std::string& path, const CliEnv& env, PatternReadResult& out) {
  out = ReadPatternFile(path, env.settings());
  if (out.ok()) return true;
  if (out.status == PatternReadStatus::Unreadable)
    env.SayText(out.readError);
  else
    env.Say(PatternReadResult::openRefusal(), " (" + Reason(out) + ")");
  return false;
}

}  // namespace averoz::cli
