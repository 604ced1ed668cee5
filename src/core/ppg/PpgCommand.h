#pragma once
// What every pattern editing command shares: its outcome and the question that suspends
// automatic inversion when both channels of a pair are edited together.
#include <cstdint>

#include "core/app/Prompter.h"
#include "core/ppg/PpgDoc.h"

namespace averoz {

enum class PpgOutcome { Refused, Cancelled, Applied };

// With Auto Invert on and a pair in mask, asks IMFMSG 5 (OK/Cancel). Returns false when the
// user cancelled; invert tells whether the edit re-derives the pair channels afterwards
// (Auto Invert on and not suspended).
bool PairQuestion(const PpgDoc& doc, std::uint32_t mask, Prompter& prompter, bool& invert);

}  // namespace averoz
