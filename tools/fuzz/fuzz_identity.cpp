// libFuzzer harness of the identification check: any reply the instrument might send, any
// model prefix from the settings. The comma-list split must keep every character it does not
// treat as structure, and the verdict must follow from the fields alone.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/comm/Protocol.h"

using namespace averoz;

namespace {

void Check(bool ok) {
  if (!ok) __builtin_trap();
}

bool IsSeparator(char c) { return c >= 1 && c <= 32; }

// Records the warnings; nothing else may be asked during the check.
class RecordingPrompter : public Prompter {
 public:
  Answer ask(const Message& message, Buttons buttons, Icon icon) override {
    Check(buttons == Buttons::Ok && icon == Icon::Warning);
    shown.push_back(message);
    return Answer::Ok;
  }
  void showText(const std::string&, Icon) override { Check(false); }
  void status(const std::string&) override { Check(false); }
  void processEvents() override { Check(false); }
  std::vector<Message> shown;
};

// The fields written back as a list of quoted fields, which must split into the same fields.
std::string Quoted(const std::vector<std::string>& fields) {
  std::string text;
  for (const std::string& f : fields) {
    if (!text.empty()) text += ',';
    text += '"';
    for (char c : f) text += c == '"' ? std::string("\"\"") : std::string(1, c);
    text += '"';
  }
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  // The first byte is the length of the model prefix, which follows; the rest is the reply.
  const std::size_t prefixLength = std::min<std::size_t>(data[0] % 8, size - 1);
  const std::string_view prefix(reinterpret_cast<const char*>(data + 1), prefixLength);
  const std::string_view reply(reinterpret_cast<const char*>(data + 1 + prefixLength),
                               size - 1 - prefixLength);
  const std::string_view text = reply.substr(0, reply.find('\0'));

  const std::vector<std::string> fields = SplitCommaList(reply);
  std::size_t fieldBytes = 0;
  for (const std::string& f : fields) {
    Check(f.find('\0') == std::string::npos);
    fieldBytes += f.size();
  }
  Check(fieldBytes <= text.size());
  if (text.find('"') == std::string_view::npos) {
    // Unquoted, the fields are exactly the characters that are neither comma nor separator.
    std::string kept, joined;
    for (char c : text) {
      if (c != ',' && !IsSeparator(c)) kept += c;
    }
    for (const std::string& f : fields) {
      Check(f.find(',') == std::string::npos);
      joined += f;
    }
    Check(joined == kept);
  }
  Check(SplitCommaList(Quoted(fields)) == fields);

  const std::optional<Message> problem = IdentityProblem(reply, prefix);
  const bool accepted = fields.size() >= 2 && (prefix.empty() || fields[1].starts_with(prefix));
  Check(problem.has_value() == !accepted);
  if (problem) {
    Check(problem->id == ERRMSG(20) && problem->suffix.empty());
    Check(problem->prefix == (fields.size() < 2 ? std::string() : fields[1] + ":"));
  }

  RecordingPrompter prompter;
  Check(CheckIdentity(reply, prefix, prompter) == accepted);
  Check(prompter.shown.size() == (accepted ? 0u : 1u));
  if (problem && !prompter.shown.empty()) {
    Check(prompter.shown[0].id == problem->id && prompter.shown[0].prefix == problem->prefix);
  }
  return 0;
}
