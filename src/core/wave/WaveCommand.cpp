#include "core/wave/WaveCommand.h"

#include <algorithm>

namespace averoz {

std::optional<SampleRange> SelectedDrawn(const WaveDoc& doc) {
  if (!doc.rangeSelected || doc.selEnd < doc.selBegin || doc.selBegin < 0) return std::nullopt;
  const int end = std::min(doc.selEnd, doc.lastDrawn());
  if (end < doc.selBegin) return std::nullopt;
  return SampleRange{doc.selBegin, end};
}

}  // namespace averoz
