#include "ui/ppg/PpgCommands.h"

#include <QAction>
#include <QObject>

#include "core/ppg/AutoInvert.h"
#include "core/ppg/PpgCalcCommand.h"
#include "core/ppg/PpgEdits.h"
#include "core/ppg/PpgGenerateCommand.h"
#include "ui/app/AppContext.h"
#include "ui/app/DocumentHost.h"
#include "ui/ppg/PpgView.h"
#include "ui/ppg/TfrmInv.h"
#include "ui/ppg/Tfrmchdisp.h"
#include "ui/ppg/Tfrmppgcalc.h"
#include "ui/ppg/Tfrmppgparam.h"
#include "ui/ppg/TfrmPpg.h"
#include "core/wave/SystemClipboard.h"
#include "ui/wave/WaveCommands.h"

namespace averoz {
namespace {

// What the frame window holds for all pattern documents: the clipboard, the directions of
// the "Invert" window, and the dialogs, made once and reused.
class PatternShared final : public QObject {
 public:
  explicit PatternShared(DocumentHost& host) : QObject(&host.hostWidget()), host_(host) {
    setObjectName(QStringLiteral("patternShared"));
  }
  PatternClip clip;
  InvertDirections directions{false, false, false};

  Tfrmppgparam& param() { return Make(param_, [this] { return new Tfrmppgparam(&host_.hostWidget(), host_.prompter()); }); }
  Tfrmppgcalc& calc() { return Make(calc_, [this] { return new Tfrmppgcalc(&host_.hostWidget(), host_.prompter()); }); }
  TfrmInv& inv() { return Make(inv_, [this] { return new TfrmInv(&host_.hostWidget()); }); }
  Tfrmchdisp& chdisp() { return Make(chdisp_, [this] { return new Tfrmchdisp(&host_.hostWidget()); }); }

 private:
  template <typename T, typename New>
  T& Make(T*& slot, New make) {
    if (!slot) slot = make();
    return *slot;
  }
  DocumentHost& host_;
  Tfrmppgparam* param_ = nullptr;
  Tfrmppgcalc* calc_ = nullptr;
  TfrmInv* inv_ = nullptr;
  Tfrmchdisp* chdisp_ = nullptr;
};

PatternShared& Shared(DocumentHost& host) {
  auto* found = host.hostWidget().findChild<PatternShared*>(QStringLiteral("patternShared"),
                                                            Qt::FindDirectChildrenOnly);
  return found ? *found : *new PatternShared(host);
}

void Enable(DocumentHost& host, const char* name, bool on) {
  if (QAction* a = host.action(QLatin1String(name))) a->setEnabled(on);
}

// Select mode with its buttons, as the palette's Select Mode does.
void ShowSelectMode(DocumentHost& host) {
  if (QAction* a = host.action(QStringLiteral("PalleteSelect1"))) a->trigger();
}

void CopyToDesktop(DocumentHost& host) {
  const PatternClip& clip = PatternClipboard(host);
  DesktopClipboard().WriteText(PatternClipText(clip));
  Enable(host, "EditPaste1", clip.patClipLen > 0);
}

}  // namespace

PatternClip& PatternClipboard(DocumentHost& host) { return Shared(host).clip; }

void PpgGenerate(DocumentHost& host, TfrmPpg& window, PpgKind kind) {
  PatternShared& shared = Shared(host);
  RunPpgGenerator(window.doc(), kind, shared.param(), shared.clip, host.prompter());
}

void PpgCalc(DocumentHost& host, TfrmPpg& window, LogicOp op) {
  RunPpgCalc(window.doc(), op, Shared(host).calc(), host.prompter());
}

void RunChView(DocumentHost& host, TfrmPpg& window) {
  if (const auto order = Shared(host).chdisp().Run(window.doc().chOrder))
    window.doc().SetOrder(*order);
}

void RunAutoInvert(DocumentHost& host, TfrmPpg& window, bool on) {
  PatternShared& shared = Shared(host);
  SwitchAutoInvert(window.doc(), on, shared.inv(), shared.directions);
}

void PpgEditUndo(DocumentHost&, TfrmPpg& window) { PpgUndo(window.doc()); }

void PpgEditCut(DocumentHost& host, TfrmPpg& window) {
  if (!PpgCopy(window.doc(), PatternClipboard(host))) return;
  CopyToDesktop(host);
  DeleteSelectedRange(window.doc(), host.prompter());
}

void PpgEditCopy(DocumentHost& host, TfrmPpg& window) {
  if (PpgCopy(window.doc(), PatternClipboard(host))) CopyToDesktop(host);
}

void PpgEditPaste(DocumentHost& host, TfrmPpg& window) {
  PatternShared& shared = Shared(host);
  PastePattern(window.doc(), shared.param(), shared.clip, host.prompter(),
               AppContext::instance().text(ERRMSG(28)).toStdString());
}

void PpgEditClear(DocumentHost& host, TfrmPpg& window) {
  if (window.doc().rangeSelected) PpgClear(window.doc(), host.prompter());
}

void PpgEditClearAll(DocumentHost& host, TfrmPpg& window) {
  if (PpgClearAll(window.doc(), host.prompter()) == PpgOutcome::Applied) ShowSelectMode(host);
}

void PpgEditSelectAll(DocumentHost& host, TfrmPpg& window) {
  ShowSelectMode(host);
  PpgSelectAll(window.doc());
}

void PpgSelReset(DocumentHost&, TfrmPpg& window) { window.doc().ResetSelection(); }

void PpgMathInvert(DocumentHost& host, TfrmPpg& window) { PpgInvert(window.doc(), host.prompter()); }

void PpgMathMirror(DocumentHost& host, TfrmPpg& window) { PpgMirror(window.doc(), host.prompter()); }

void PpgChangeLengthCommand(DocumentHost& host, TfrmPpg& window) {
  if (PpgChangeLength(window.doc(), host.prompter()) == PpgOutcome::Applied) window.ResetView();
}

void PpgPairView(DocumentHost&, TfrmPpg& window) { window.doc().SetOrder(kPairOrder); }

void PpgNormalView(DocumentHost&, TfrmPpg& window) { window.doc().SetOrder(kNormalOrder); }

void PpgAutoInvertToggled(DocumentHost& host, TfrmPpg& window) {
  QAction* toggle = host.action(QStringLiteral("PalletePpgautoinv1"));
  window.SwitchAutoInvert(toggle ? toggle->isChecked() : !window.doc().autoInvert);
}

void PpgReverseBitPen(DocumentHost&, TfrmPpg& window) { window.ReverseBitPen(); }

}  // namespace averoz
