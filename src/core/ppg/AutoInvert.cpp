#include "core/ppg/AutoInvert.h"

namespace averoz {

void DeriveAllPairs(PpgDoc& doc, const InvertDirections& directions) {
  doc.SaveUndo();
  for (int k = 0; k < 3; ++k) doc.InvertPair(PairSource(directions, k), 0, doc.dataLen - 1);
  doc.CommitEdit(0, doc.dataLen - 1);
}

PpgOutcome SwitchAutoInvert(PpgDoc& doc, bool on, InvertWindow& window, InvertDirections& directions) {
  doc.autoInvert = on;
  if (!on) return PpgOutcome::Applied;
  if (!window.Run(directions)) return PpgOutcome::Cancelled;
  DeriveAllPairs(doc, directions);
  return PpgOutcome::Applied;
}

}  // namespace averoz
