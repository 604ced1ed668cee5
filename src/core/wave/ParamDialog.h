#pragma once
// What the generator flows need of the "Set Parameters" dialog. The flows decide what the
// dialog shows and what OK and Preview do; the dialog only edits and checks the fields. A
// test answers with a fake, the Qt dialog TfrmParam with its widgets.
#include <cstdint>

#include "core/wave/WaveParam.h"
#include "core/wave/WaveScale.h"

namespace averoz {

// Document: a block for the document; Operand: the operand of Add/Sub/Multiply; Fill: the
// DC level of the undrawn tail before a save or send.
enum class ParamMode { Document = 0, Operand = 1, Fill = 2 };

// Appended to the caption "Set Parameters".
enum class CaptionSuffix { None, Insert, Replace };

struct ParamDialogSetup {
  ParamMode mode = ParamMode::Document;
  std::int32_t room = 0;  // longest length in samples
  CaptionSuffix suffix = CaptionSuffix::None;
  WaveScale scale;        // lengths show in X units, amplitude and offset in Y units
  // kind and len are always shown; amp, ofs (2048 + offset), cycles, phase, damp and duty
  // only when setFields: the fill request leaves the level the user entered last time.
  TWaveParam shown;
  bool setFields = true;
};

// The fields as the user left them, in samples and codes. p.start and p.blockNo are unused.
struct ParamChoice {
  TWaveParam p;
  bool protect = true;
};

// The flow's side of the dialog's buttons.
class ParamDialogHandler {
 public:
  virtual ~ParamDialogHandler() = default;
  virtual void Preview(const ParamChoice& choice) = 0;
  // OK with checked fields. False keeps the dialog open (the handler has told the user why).
  virtual bool Accept(const ParamChoice& choice) = 0;
};

class ParamDialog {
 public:
  virtual ~ParamDialog() = default;
  // Shows the dialog modally. True when it closed through an accepted OK, false on Cancel.
  virtual bool Run(const ParamDialogSetup& setup, ParamDialogHandler& handler) = 0;
};

}  // namespace averoz
