#include "core/wave/TailFill.h"

#include "core/wave/GenerateSession.h"
#include "core/wave/NewDataTarget.h"

namespace averoz {

bool CheckUndefinedTail(WaveDoc& doc, ParamDialog& dialog, Prompter& prompter) {
  if (doc.lastDrawn() == doc.dataLen - 1) return true;
  prompter.ask(Message{IMFMSG(8), {}, {}}, Buttons::Ok, Icon::Information);
  doc.ResetSelection();
  const NewDataTarget tail = FindNewDataTarget(doc).target;  // appends over the whole tail

  ParamDialogSetup setup;
  setup.mode = ParamMode::Fill;
  setup.room = tail.room;
  setup.scale = doc.Scale();
  setup.shown.kind = kDC;
  setup.shown.len = tail.room;
  setup.setFields = false;  // the level entered last time stays
  GenerateSession session(doc, tail, kDC, ParamMode::Fill, prompter);
  return session.Run(dialog, setup);
}

}  // namespace averoz
