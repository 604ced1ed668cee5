#include "core/wave/WaveCommand.h"

#include <algorithm>

#include "core/app/Prompter.h"

namespace averoz {

std::optional<SampleRange> SelectedDrawn(const WaveDoc& doc) {
  if (!doc.rangeSelected || doc.selEnd < doc.selBegin || doc.selBegin < 0) return std::nullopt;
  const int end = std::min(doc.selEnd, doc.lastDrawn());
  if (end < doc.selBegin) return std::nullopt;
  return SampleRange{doc.selBegin, end};
}

std::optional<SampleRange> WritableSelection(const WaveDoc& doc, Prompter& prompter,
                                             CommandOutcome& stopped) {
  const auto sel = SelectedDrawn(doc);
  if (!sel) {
    stopped = CommandOutcome::NotRun;
    return std::nullopt;
  }
  if (doc.AnyProtected(sel->begin, sel->end)) {
    prompter.warn(ERRMSG(2));
    stopped = CommandOutcome::Refused;
    return std::nullopt;
  }
  return sel;
}

}  // namespace averoz
