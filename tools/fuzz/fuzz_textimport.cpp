// libFuzzer harness of the text import: any text, any answers to the "continue?" question.
// The import must end, stay inside its 16384 samples and report a count that matches them.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/files/TextCells.h"
#include "core/files/TextImport.h"
#include "core/files/WaveFile.h"

using namespace averoz;

namespace {

void Check(bool ok) {
  if (!ok) __builtin_trap();
}

// Answers from the input's first byte, one bit per question.
class BitPrompter : public Prompter {
 public:
  explicit BitPrompter(std::uint8_t bits) : bits_(bits) {}
  Answer ask(const Message&, Buttons, Icon) override {
    const unsigned b = (bits_ >> (asked_++ % 4 * 2)) & 3;
    return b == 0 ? Answer::No : b == 1 ? Answer::YesToAll : Answer::Yes;
  }
  void showText(const std::string&, Icon) override {}
  void status(const std::string&) override {}
  void processEvents() override {}

 private:
  std::uint8_t bits_;
  unsigned asked_ = 0;
};

class CountingStatus : public ImportStatus {
 public:
  void Clear() override { lines = 0; }
  void Append(const Message&) override { ++lines; }
  void SetProgressMax(int max) override { progressMax = max; }
  void SetProgress(int position) override { Check(position >= 0 && position <= progressMax); }
  void Close() override {}
  int lines = 0;
  int progressMax = -1;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
  BitPrompter prompter(data[0]);
  CountingStatus status;
  const TextImportResult r =
      ImportWaveText(text, (data[0] & 0x80) ? "Japanese" : "English", prompter, status);
  Check(r.samples.size() == static_cast<std::size_t>(kWaveLength));
  Check(r.count >= 0 && r.count <= kWaveLength);
  for (std::int32_t s : r.samples) Check(s >= 0 && s <= 4095);
  if (!r.error.empty()) Check(r.count == 0);

  std::vector<std::string> cells;
  for (std::string_view line : SplitLines(text)) {
    SplitCells(line, cells);
    for (const std::string& c : cells) Check(c.size() <= line.size());
  }
  return 0;
}
