#pragma once
// Waveforms ▸ "Equation…": a block computed from a typed expression, placed where every
// new block goes (appended, inserted at the insertion point or replacing the selected
// range), never protected. Previews go into the document and are thrown away again; OK is
// one undo step; Cancel puts the document back as it was.
#include <cstdint>
#include <optional>
#include <string>

#include "core/app/Prompter.h"
#include "core/wave/EquationWave.h"
#include "core/wave/GenerateCommand.h"
#include "core/wave/ParamDialog.h"
#include "core/wave/WaveDoc.h"

namespace averoz {

// The flow's side of the dialog. len is a checked Data Length in samples.
class EquationDialogHandler {
 public:
  virtual ~EquationDialogHandler() = default;
  // Shows the block in the document; on a problem the document shows no preview.
  virtual std::optional<EquationProblem> Preview(const std::string& text, std::int32_t len) = 0;
  // Writes the block; on a problem nothing changes and the dialog stays open.
  virtual std::optional<EquationProblem> Accept(const std::string& text, std::int32_t len) = 0;
};

class EquationDialog {
 public:
  virtual ~EquationDialog() = default;
  // setup as for Set Parameters in document mode: room, caption suffix, scale and the
  // default length in shown.len. True when OK was accepted.
  virtual bool Run(const ParamDialogSetup& setup, EquationDialogHandler& handler) = 0;
};

// Refused like the palette generators (ERRMSG 2 in a protected block, ERRMSG 1 when fewer
// than 8 samples fit); the block count does not matter, as the block is never protected.
GenerateOutcome GenerateEquation(WaveDoc& doc, EquationDialog& dialog, Prompter& prompter);

}  // namespace averoz
