#include "core/ppg/PpgCommand.h"

namespace averoz {

bool PairQuestion(const PpgDoc& doc, std::uint32_t mask, Prompter& prompter, bool& invert) {
  invert = doc.autoInvert;
  if (!doc.autoInvert || !MaskHoldsPair(mask)) return true;
  invert = false;
  return prompter.ask(Message{IMFMSG(5), {}, {}}, Buttons::OkCancel, Icon::Warning) == Answer::Ok;
}

}  // namespace averoz
