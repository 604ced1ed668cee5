#pragma once
// The only way core code talks to the user. The Qt adapter shows message boxes through
// MessageText; tests use a scripted fake that records what was shown and answers from a queue.
#include <string>

#include "core/app/MessageId.h"

namespace averoz {

enum class Answer { Ok, Cancel, Yes, No, YesToAll };
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, YesNoYesToAll };
enum class Icon { Warning, Information, Question, Error };

// A catalog entry joined with caller text: prefix + catalog text + suffix
// (a caption before IMFMSG 2, a count before IMFMSG 7, ...).
struct Message {
  MessageId id;
  std::string prefix;
  std::string suffix;
};

class Prompter {
 public:
  virtual ~Prompter() = default;
  // A modal box; returns the button pressed.
  virtual Answer ask(const Message& message, Buttons buttons, Icon icon) = 0;
  // A modal box with text that does not come from the catalog (system error texts).
  virtual void showText(const std::string& text, Icon icon) = 0;
  // Status-bar text.
  virtual void status(const std::string& text) = 0;
  // Lets pending window events run (long loops stay responsive, Abort can be pressed).
  virtual void processEvents() = 0;

  void warn(const Message& message) { ask(message, Buttons::Ok, Icon::Warning); }
  void warn(MessageId id) { warn(Message{id, {}, {}}); }
};

}  // namespace averoz
