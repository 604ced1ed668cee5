#pragma once
// One run of the "Set Parameters" dialog on a document: previews drawn into the document
// and thrown away again, OK as exactly one undo step, Cancel back to the document as it
// was. Shared by the palette generators, the re-edit of a protected block and the fill of
// the undrawn tail.
//
// Undo: the session's snapshot replaces the one of the previous edit, which is how the one
// undo level works. Cancel puts the document back from that snapshot and Undo is then
// unavailable until the next edit, also when the previous edit could have been undone.
#include <cstdint>

#include "core/app/Prompter.h"
#include "core/wave/NewDataTarget.h"
#include "core/wave/ParamDialog.h"
#include "core/wave/StandardGenerator.h"
#include "core/wave/WaveDoc.h"

namespace averoz {

class GenerateSession final : public ParamDialogHandler {
 public:
  // Takes the undo snapshot that previews are thrown away with. kind is what the session
  // generates whatever the dialog's shape list says (it is disabled in these modes). In
  // Fill mode the block is never protected.
  GenerateSession(WaveDoc& doc, const NewDataTarget& target, std::uint8_t kind, ParamMode mode,
                  Prompter& prompter);
  // The same with another generator than the standard shapes; it is read at each Preview
  // and Accept, so the caller may change what it generates in between.
  GenerateSession(WaveDoc& doc, const NewDataTarget& target, std::uint8_t kind, ParamMode mode,
                  Prompter& prompter, const WaveGenerator& generator);

  // Runs the dialog; Cancel puts the document back. True when OK was applied.
  bool Run(ParamDialog& dialog, const ParamDialogSetup& setup);

  void Preview(const ParamChoice& choice) override;
  bool Accept(const ParamChoice& choice) override;
  void Cancel();

 private:
  // Opens the room for the choice's length; returns the request to write, blockNo unset.
  TWaveParam Place(const ParamChoice& choice);
  std::int32_t LengthOf(const ParamChoice& choice) const;

  WaveDoc& doc_;
  NewDataTarget target_;
  std::uint8_t kind_;
  ParamMode mode_;
  Prompter& prompter_;
  const WaveGenerator& generator_;
  std::int32_t selEnd_;  // before the first preview, for Cancel
};

}  // namespace averoz
