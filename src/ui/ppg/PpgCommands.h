#pragma once
// The pattern branch of the shared editing commands and the pattern menus: each command
// runs the core's decision on the window's document with the shared pattern clipboard and
// the pattern dialogs, which the frame window owns.
#include <string>

#include "core/ppg/PatternClip.h"
#include "core/ppg/PpgLogic.h"
#include "core/ppg/PpgGenerator.h"

namespace averoz {

class DocumentHost;
class PpgDoc;
class TfrmPpg;

// The one pattern clipboard of the program (held by the frame window).
PatternClip& PatternClipboard(DocumentHost& host);

void PpgGenerate(DocumentHost& host, TfrmPpg& window, PpgKind kind);
void PpgCalc(DocumentHost& host, TfrmPpg& window, LogicOp op);
void RunChView(DocumentHost& host, TfrmPpg& window);
void RunAutoInvert(DocumentHost& host, TfrmPpg& window, bool on);

void PpgEditUndo(DocumentHost& host, TfrmPpg& window);
void PpgEditCut(DocumentHost& host, TfrmPpg& window);
void PpgEditCopy(DocumentHost& host, TfrmPpg& window);
void PpgEditPaste(DocumentHost& host, TfrmPpg& window);
void PpgEditClear(DocumentHost& host, TfrmPpg& window);
void PpgEditClearAll(DocumentHost& host, TfrmPpg& window);
void PpgEditSelectAll(DocumentHost& host, TfrmPpg& window);
void PpgSelReset(DocumentHost& host, TfrmPpg& window);
void PpgMathInvert(DocumentHost& host, TfrmPpg& window);
void PpgMathMirror(DocumentHost& host, TfrmPpg& window);
void PpgChangeLengthCommand(DocumentHost& host, TfrmPpg& window);
void PpgPairView(DocumentHost& host, TfrmPpg& window);
void PpgNormalView(DocumentHost& host, TfrmPpg& window);
void PpgAutoInvertToggled(DocumentHost& host, TfrmPpg& window);
void PpgReverseBitPen(DocumentHost& host, TfrmPpg& window);

}  // namespace averoz
