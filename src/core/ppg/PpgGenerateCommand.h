#pragma once
// The pattern generators and the pattern Paste: decide the mode from the selection (an
// insertion point inserts, a range is overwritten), refuse what cannot be done, run the
// "Set Parameters" dialog with its previews, and apply the block as one undo step.
#include <functional>
#include <optional>
#include <string>

#include "core/app/Prompter.h"
#include "core/ppg/PatternClip.h"
#include "core/ppg/PpgCommand.h"
#include "core/ppg/PpgDoc.h"
#include "core/ppg/PpgParamFields.h"

namespace averoz {

// The dialog's side: Preview draws the current choice into the document.
class PpgPreviewHandler {
 public:
  virtual ~PpgPreviewHandler() = default;
  virtual void Preview(const PpgParamChoice& choice) = 0;
};

// The "Set Parameters" dialog of patterns. Shows modally with the fields; the choice on OK,
// nothing on Cancel.
class PpgParamDialog {
 public:
  virtual ~PpgParamDialog() = default;
  virtual std::optional<PpgParamChoice> Run(PpgParamFields& fields, PpgPreviewHandler& handler) = 0;
};

// A generator (High .. Value) on the selection of doc.
PpgOutcome RunPpgGenerator(PpgDoc& doc, PpgKind kind, PpgParamDialog& dialog,
                           const PatternClip& clip, Prompter& prompter);

// Paste: the Clipboard generator, when a selection exists (else ERRMSG 8) and its row
// count is the clipboard's (else ERRMSG 7 with "(", channelsText (ERRMSG 28), the
// clipboard's rows, ")").
PpgOutcome PastePattern(PpgDoc& doc, PpgParamDialog& dialog, const PatternClip& clip,
                        Prompter& prompter, const std::string& channelsText);

}  // namespace averoz
