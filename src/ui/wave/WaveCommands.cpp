#include "ui/wave/WaveCommands.h"

#include <QAction>
#include <QObject>

#include "core/app/Prompter.h"
#include "core/wave/WaveCombine.h"
#include "core/wave/WaveEditCommands.h"
#include "core/wave/WaveMath.h"
#include "core/wave/WaveResize.h"
#include "ui/app/DocumentHost.h"
#include "ui/wave/QtWaveClipboard.h"
#include "ui/wave/TfrmCalc.h"
#include "ui/wave/TfrmParam.h"
#include "ui/wave/TfrmResize.h"
#include "ui/wave/TfrmWave.h"

namespace averoz {
namespace {

// Lives as a child of the main window, so it goes with it.
class WaveClipHolder final : public QObject {
 public:
  explicit WaveClipHolder(QObject* parent) : QObject(parent) {
    setObjectName(QStringLiteral("waveClipState"));
  }
  WaveClipState state;
};

SystemClipboard* testClipboard = nullptr;

void EnableAction(DocumentHost& mainForm, const char* name, bool enabled) {
  if (QAction* a = mainForm.action(QLatin1String(name))) a->setEnabled(enabled);
}

void EnablePaste(DocumentHost& mainForm) { EnableAction(mainForm, "EditPaste1", true); }

// The tool buttons and check marks of select mode follow the document's editMode.
void ShowSelectMode(DocumentHost& mainForm) {
  if (QAction* a = mainForm.action(QStringLiteral("PalleteSelect1"))) a->trigger();
}

void CombineCommand(DocumentHost& mainForm, TfrmWave& wave, CombineKind kind) {
  WaveClipState& clip = SharedWaveClip(mainForm);
  const bool hadClip = clip.waveClipLen > 0;
  TfrmCalc& dialog = TfrmCalc::instance(mainForm.hostWidget());
  dialog.setScale(wave.doc().Scale());
  MathCombine(wave.doc(), kind, clip, DesktopClipboard(), mainForm.prompter(), dialog);
  if (!hadClip && clip.waveClipLen > 0) EnablePaste(mainForm);
}

void PointCommand(DocumentHost& mainForm, TfrmWave& wave, PointOp op) {
  MathPointOp(wave.doc(), op, mainForm.prompter());
}

}  // namespace

WaveClipState& SharedWaveClip(DocumentHost& mainForm) {
  QObject* found = mainForm.hostWidget().findChild<QObject*>(QStringLiteral("waveClipState"),
                                                Qt::FindDirectChildrenOnly);
  if (auto* holder = dynamic_cast<WaveClipHolder*>(found)) return holder->state;
  return (new WaveClipHolder(&mainForm.hostWidget()))->state;
}

SystemClipboard& DesktopClipboard() {
  static QtWaveClipboard desktop;
  return testClipboard ? *testClipboard : desktop;
}

void SetDesktopClipboard(SystemClipboard* clipboard) { testClipboard = clipboard; }

// ---- Edit --------------------------------------------------------------------------------

void EditUndo1Execute(DocumentHost&, TfrmWave& wave) { EditUndo(wave.doc()); }

void EditCut1Execute(DocumentHost& mainForm, TfrmWave& wave) {
  if (EditCut(wave.doc(), SharedWaveClip(mainForm), DesktopClipboard(), mainForm.prompter()) ==
      CommandOutcome::Done)
    EnablePaste(mainForm);
}

void EditCopy1Execute(DocumentHost& mainForm, TfrmWave& wave) {
  if (EditCopy(wave.doc(), SharedWaveClip(mainForm), DesktopClipboard()) == CommandOutcome::Done)
    EnablePaste(mainForm);
}

void EditPaste1Execute(DocumentHost& mainForm, TfrmWave& wave) {
  EditPaste(wave.doc(), SharedWaveClip(mainForm), DesktopClipboard(), mainForm.prompter());
}

void EditClear1Execute(DocumentHost& mainForm, TfrmWave& wave) {
  EditClear(wave.doc(), mainForm.prompter());
}

void EditClearAll1Execute(DocumentHost& mainForm, TfrmWave& wave) {
  if (EditClearAll(wave.doc(), mainForm.prompter()) == CommandOutcome::Done)
    ShowSelectMode(mainForm);
}

void EditSelectAll1Execute(DocumentHost& mainForm, TfrmWave& wave) {
  EditSelectAll(wave.doc());
  ShowSelectMode(mainForm);
}

void bnselresClick(DocumentHost&, TfrmWave& wave) { wave.doc().ResetSelection(); }

void mnEditUnprotectAllClick(DocumentHost& mainForm, TfrmWave& wave) {
  if (EditUnprotectAll(wave.doc()) == CommandOutcome::NotRun)
    mainForm.prompter().status("Unprotect All: no block is protected");
}

void pmEditBlockClick(DocumentHost&, TfrmWave& wave) { wave.EditBlockAtPopupPoint(); }

// ---- Math --------------------------------------------------------------------------------

void mnMathInvertClick(DocumentHost& m, TfrmWave& w) { PointCommand(m, w, PointOp::Invert); }
void mnMathMirrorClick(DocumentHost& m, TfrmWave& w) { PointCommand(m, w, PointOp::Mirror); }
void mnMathAbsClick(DocumentHost& m, TfrmWave& w) { PointCommand(m, w, PointOp::Absolute); }
void mnMathClipClick(DocumentHost& m, TfrmWave& w) { PointCommand(m, w, PointOp::Clip); }
void mnMathAddClick(DocumentHost& m, TfrmWave& w) { CombineCommand(m, w, CombineKind::Add); }
void mnMathSubClick(DocumentHost& m, TfrmWave& w) { CombineCommand(m, w, CombineKind::Sub); }
void mnMathMulClick(DocumentHost& m, TfrmWave& w) { CombineCommand(m, w, CombineKind::Multiply); }

void mnMathXfitClick(DocumentHost& mainForm, TfrmWave& wave) {
  MathFitX(wave.doc(), mainForm.prompter());
}

void mnMathYfitClick(DocumentHost& mainForm, TfrmWave& wave) {
  MathFitY(wave.doc(), mainForm.prompter());
}

void mnMathResizeClick(DocumentHost& mainForm, TfrmWave& wave) {
  MathResize(wave.doc(), wave.doc().Scale(), mainForm.prompter(), TfrmResize::instance(mainForm.hostWidget()),
             TfrmParam::instance(mainForm.hostWidget()));
}

// ---- enabling ----------------------------------------------------------------------------

bool SelectionCommandsEnabled(const TfrmWave& wave) { return wave.doc().rangeSelected; }

bool ClipEnabled(const TfrmWave& wave) {
  return wave.doc().rangeSelected && wave.doc().yCursorOn;
}

bool CombineEnabled(const TfrmWave& wave) {
  const WaveDoc& doc = wave.doc();
  return doc.rangeSelected && doc.selEnd - doc.selBegin + 1 >= kMinMathLength;
}

bool PasteEnabledOnActivate(DocumentHost& mainForm) {
  return PasteEnabledOnActivate(SharedWaveClip(mainForm), DesktopClipboard());
}

bool PasteAvailableOnMouseEnter(DocumentHost& mainForm) {
  return PasteBecomesAvailable(SharedWaveClip(mainForm), DesktopClipboard());
}

void UpdateSelectionCommands(DocumentHost& mainForm, const TfrmWave& wave) {
  const bool selected = SelectionCommandsEnabled(wave);
  for (const char* name : {"EditCut1", "EditCopy1", "EditClear1", "mnMathInvert",
                           "mnMathMirror", "mnMathAbs", "mnMathResize"})
    EnableAction(mainForm, name, selected);
  EnableAction(mainForm, "mnMathClip", ClipEnabled(wave));
  for (const char* name : {"mnMathAdd", "mnMathSub", "mnMathMul"})
    EnableAction(mainForm, name, CombineEnabled(wave));
  if (QAction* pm = mainForm.action(QStringLiteral("pmResize"))) pm->setVisible(selected);
}

}  // namespace averoz
