#pragma once
// Fakes and fixtures shared by the data-file tests.
#include <cstdint>
#include <deque>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/app/Prompter.h"
#include "core/files/TextImport.h"
#include "support/TempDir.h"

namespace averoz::test {

// Answers questions from a queue (the first button when it runs dry) and records what was shown.
class ScriptedPrompter : public Prompter {
 public:
  std::deque<Answer> answers;
  std::vector<MessageId> asked;
  std::vector<Message> messages;
  std::vector<std::string> texts;     // boxes with system error texts
  std::vector<std::string> statuses;  // status-bar texts

  Answer ask(const Message& message, Buttons buttons, Icon) override {
    asked.push_back(message.id);
    messages.push_back(message);
    if (answers.empty())
      return buttons == Buttons::Ok || buttons == Buttons::OkCancel ? Answer::Ok : Answer::Yes;
    const Answer a = answers.front();
    answers.pop_front();
    return a;
  }
  void showText(const std::string& text, Icon) override { texts.push_back(text); }
  void status(const std::string& text) override { statuses.push_back(text); }
  void processEvents() override {}
};

// Records the status window.
class RecordingStatus : public ImportStatus {
 public:
  std::vector<Message> lines;
  std::vector<std::string> texts;  // lines that are no catalog entries
  int clears = 0, closes = 0, progressMax = -2, lastProgress = -1;

  void Clear() override { ++clears, lines.clear(), texts.clear(); }
  void Append(const Message& line) override { lines.push_back(line); }
  void AppendText(const std::string& line) override { texts.push_back(line); }
  void SetProgressMax(int max) override { progressMax = max; }
  void SetProgress(int position) override { lastProgress = position; }
  void Close() override { ++closes; }

  bool Has(MessageId id) const {
    for (const Message& m : lines)
      if (m.id == id) return true;
    return false;
  }
};

inline std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteAll(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

inline std::vector<std::int32_t> Filled(std::int32_t code, std::size_t n = 16384) {
  return std::vector<std::int32_t>(n, code);
}

}  // namespace averoz::test
