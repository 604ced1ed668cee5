#pragma once
// Switching automatic inversion of the pair channels (CH1-CH4, CH2-CH5, CH3-CH6) on and
// off. Switching on asks the "Invert" window which channel of each pair is derived from
// the other and rewrites the derived channels over the whole pattern.
#include <array>

#include "core/ppg/PpgCommand.h"
#include "core/ppg/PpgDoc.h"

namespace averoz {

// Per pair k (CH(k+1)/CH(k+4)): false derives the second channel from the first, true the
// first from the second. Shared by all documents while the program runs.
using InvertDirections = std::array<bool, 3>;

// The "Invert" window: lets the user change the directions; true on OK.
class InvertWindow {
 public:
  virtual ~InvertWindow() = default;
  virtual bool Run(InvertDirections& directions) = 0;
};

// The source channel of pair k under the directions.
constexpr int PairSource(const InvertDirections& d, int k) { return d[std::size_t(k)] ? k + 3 : k; }

// Every pair's derived channel rewritten as the inverse of its source over the whole
// pattern, as one undo step.
void DeriveAllPairs(PpgDoc& doc, const InvertDirections& directions);

// autoInvert = on. Switching on shows the window: OK derives every pair (Applied), Cancel
// leaves the bits as they are (Cancelled; Auto Invert stays on). Switching off changes no bit.
PpgOutcome SwitchAutoInvert(PpgDoc& doc, bool on, InvertWindow& window, InvertDirections& directions);

}  // namespace averoz
