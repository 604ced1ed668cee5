#pragma once
// A scripted Prompter: records every message and answers questions from a queue
// (Ok / the first button when the queue is empty).
#include <deque>
#include <string>
#include <vector>

#include "core/app/Prompter.h"

namespace averoz::test {

class FakePrompter : public Prompter {
 public:
  struct Shown {
    Message message;
    Buttons buttons;
  };

  Answer ask(const Message& message, Buttons buttons, Icon) override {
    shown.push_back({message, buttons});
    if (answers.empty()) return buttons == Buttons::Ok || buttons == Buttons::OkCancel ? Answer::Ok
                                                                                      : Answer::Yes;
    const Answer a = answers.front();
    answers.pop_front();
    return a;
  }
  void showText(const std::string& text, Icon) override { texts.push_back(text); }
  void status(const std::string& text) override { statusText = text; }
  void processEvents() override {}

  // The catalog entries shown, in order.
  std::vector<MessageId> ids() const {
    std::vector<MessageId> out;
    for (const auto& s : shown) out.push_back(s.message.id);
    return out;
  }

  std::deque<Answer> answers;
  std::vector<Shown> shown;
  std::vector<std::string> texts;
  std::string statusText;
};

}  // namespace averoz::test
