#pragma once
// What the core benchmarks share.
#include <string>

#include "core/app/Prompter.h"

namespace averoz::bench {

// Shows nothing and answers Ok: a benchmark measures the work, never a message.
class SilentPrompter : public Prompter {
 public:
  Answer ask(const Message&, Buttons, Icon) override { return Answer::Ok; }
  void showText(const std::string&, Icon) override {}
  void status(const std::string&) override {}
  void processEvents() override {}
};

}  // namespace averoz::bench
