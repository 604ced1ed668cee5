#pragma once
// Where the samples of a generator or a paste go, decided from the document's selection:
// appended after the drawn data, inserted at an insertion point, or replacing the selected
// range. Generators and paste share it so that both refuse and place alike.
#include <optional>

#include "core/app/MessageId.h"
#include "core/wave/WaveDoc.h"

namespace averoz {

enum class NewDataMode { Append, Insert, Replace };

struct NewDataTarget {
  NewDataMode mode = NewDataMode::Append;
  int start = 0;     // first index the new data is written to
  int replaced = 0;  // drawn samples the new data replaces (Replace only)
  int room = 0;      // the longest new data that fits
  int lastDrawn = -1;  // of the document when the target was found

  // The Shift at start that makes exactly newLen samples of space there.
  int ShiftDistance(int newLen) const;
  // Last sample that differs once newLen samples are placed: start..ChangedEnd is the
  // range to report. It covers the samples freed when a range shrinks.
  int ChangedEnd(int newLen) const;
};

struct NewDataPlan {
  std::optional<MessageId> refusal;  // set when the command must stop and show it
  NewDataTarget target;              // meaningful only without a refusal
};

// Target and room before the length is known (a dialog's default length and maximum).
// Refused with ERRMSG 2 when the new data would go into a protected block: an insertion
// point between two samples of one block, or a range holding a protected sample. A
// selection reaching into the undrawn tail counts only up to the last drawn sample, so new
// data never leaves a gap and never runs past the end.
NewDataPlan FindNewDataTarget(const WaveDoc& doc);
// The same, also refused with ERRMSG 1 when newLen samples do not fit.
NewDataPlan FindNewDataTarget(const WaveDoc& doc, int newLen);

// Makes room for newLen samples at the target (one Shift; appending needs none) and returns
// the index to write them to. Returns -1, with the document unchanged, when newLen is
// negative or above the target's room. Reports nothing: the command reports its range.
int PlaceNewData(WaveDoc& doc, const NewDataTarget& target, int newLen);

}  // namespace averoz
