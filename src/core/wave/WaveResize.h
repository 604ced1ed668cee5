#pragma once
// Resize: the selection resampled to a new length, its peak-to-peak value scaled about
// mid-scale and an offset added, in the "Resize" dialog with Preview.
#include <cstdint>

#include "core/app/Prompter.h"
#include "core/wave/ParamDialog.h"
#include "core/wave/WaveCommand.h"
#include "core/wave/WaveDoc.h"
#include "core/wave/WaveScale.h"

namespace averoz {

// In samples and codes.
struct ResizeRequest {
  std::int32_t length = 0;  // M: the new number of samples
  std::int32_t amp = 0;     // peak-to-peak of the result
  std::int32_t ofs = 0;     // added after the scaling
};

// Replaces the selected samples by request.length resampled ones (the samples after them
// follow directly), unprotected, scaled by amp / (their peak-to-peak), or 1 when they are
// constant, about code 2048, offset and clipped to 0..4095. A length longer than the
// undrawn tail plus the selection changes nothing. Reports nothing.
void ResizeSamples(WaveDoc& doc, SampleRange selection, const ResizeRequest& request);

// What the dialog starts from.
struct ResizeSetup {
  std::int32_t room = 0;    // the longest length
  std::int32_t length = 0;  // the selection's
  std::int32_t pp = 0;      // the selection's peak-to-peak
  WaveScale scale;
};

class ResizeSession {
 public:
  // Expects the undo snapshot taken.
  ResizeSession(WaveDoc& doc, SampleRange selection);

  // The resize drawn into the document; the selection shows the new samples.
  void Preview(const ResizeRequest& request);
  // OK: one undo step; the new samples become the selection.
  void Accept(const ResizeRequest& request);
  // Back to the document and the selection as they were.
  void Cancel();

 private:
  WaveDoc& doc_;
  SampleRange selection_;  // as it was before the dialog: every preview starts from it
  int oldLast_;
  int oldSelEnd_;
};

class ResizeDialog {
 public:
  virtual ~ResizeDialog() = default;
  // Shows the dialog modally; Preview goes to the session. The checked fields on OK,
  // nothing on Cancel.
  virtual std::optional<ResizeRequest> Run(const ResizeSetup& setup, ResizeSession& session) = 0;
};

// Needs a selection. A selection inside one protected block re-edits that block in
// "Set Parameters" instead. ERRMSG 2 over other protected samples; ERRMSG 5 with the X
// units of 8 samples for a shorter selection.
CommandOutcome MathResize(WaveDoc& doc, const WaveScale& scale, Prompter& prompter,
                          ResizeDialog& dialog, ParamDialog& reEditDialog);

}  // namespace averoz
