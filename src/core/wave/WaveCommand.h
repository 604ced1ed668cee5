#pragma once
// What the waveform commands have in common: how a command ended, and the selected samples
// a command may change.
#include <optional>

#include "core/wave/WaveDoc.h"

namespace averoz {

class Prompter;

// NotRun: the command's precondition (a selection, undo ready, ...) was not met and nothing
// was shown. Refused: a message told the user why; the document is unchanged.
enum class CommandOutcome { NotRun, Refused, Cancelled, Done };

struct SampleRange {
  int begin = 0;
  int end = -1;  // inclusive
  int size() const { return end - begin + 1; }
};

// The drawn part of the selection; empty without a selection or when it holds no drawn
// sample. Commands never compute on undrawn samples: they would turn the -1 marker into a
// code and break the drawn prefix.
std::optional<SampleRange> SelectedDrawn(const WaveDoc& doc);

// The drawn selection of a command that rewrites it. Empty when the command stops, with
// `stopped` telling how: NotRun without a drawn selection, Refused (after ERRMSG 2) when
// part of it is protected.
std::optional<SampleRange> WritableSelection(const WaveDoc& doc, Prompter& prompter,
                                             CommandOutcome& stopped);

// The shortest selection Add, Sub, Multiply and Resize accept.
inline constexpr int kMinMathLength = 8;

}  // namespace averoz
