// Which subsystem runs which command of the main window.
#include "ui/app/CommandRoutes.h"

#include <QAction>
#include <utility>

#include "ui/app/BrowserRoutes.h"
#include "ui/app/FitToWindow.h"
#include "ui/app/TMainForm.h"
#include "ui/comm/TfrmTransCfg.h"
#include "ui/comm/TransferCommands.h"
#include "ui/files/FileCommands.h"
#include "ui/ppg/PpgCommands.h"
#include "ui/ppg/TfrmPpg.h"
#include "ui/signal/ImportSignalCommand.h"
#include "ui/wave/TfrmEquation.h"
#include "ui/wave/TfrmWave.h"
#include "ui/wave/WaveCommands.h"
#include "ui/wave/WaveGenerateAction.h"

namespace averoz {
namespace {

using WaveCommand = void (*)(DocumentHost&, TfrmWave&);
using PpgCommand = void (*)(DocumentHost&, TfrmPpg&);

// A command with a branch per document kind; a kind without one ignores it.
void OnKinds(TMainForm& main, const char* name, WaveCommand wave, PpgCommand ppg) {
  main.setCommandHandler(QLatin1String(name), [wave, ppg](TMainForm& m, DocumentWindow& doc) {
    if (auto* w = qobject_cast<TfrmWave*>(&doc)) {
      if (wave) wave(m, *w);
    } else if (auto* p = qobject_cast<TfrmPpg*>(&doc)) {
      if (ppg) ppg(m, *p);
    }
  });
}

void OnWave(TMainForm& main, const char* name, WaveCommand command) {
  OnKinds(main, name, command, nullptr);
}

void OnPpg(TMainForm& main, const char* name, PpgCommand command) {
  OnKinds(main, name, nullptr, command);
}

// A pattern command that carries a value (a generator kind, a logic operation).
template <typename Value, void (*Run)(DocumentHost&, TfrmPpg&, Value)>
void OnPpgWith(TMainForm& main, const char* name, Value value) {
  main.setCommandHandler(QLatin1String(name), [value](TMainForm& m, DocumentWindow& doc) {
    if (auto* p = qobject_cast<TfrmPpg*>(&doc)) Run(m, *p, value);
  });
}

}  // namespace

void InstallCommandRoutes(TMainForm& main) {
  static const std::pair<const char*, WaveKind> kGenerators[] = {
      {"PalleteSin1", kSine},       {"PalleteSqr1", kSquare},
      {"PalleteTri1", kTriangle},   {"PalleteLamp1", kRamp},
      {"PalleteCharge1", kCharge},  {"PalleteDisCharge1", kDisCharge},
      {"PalleteSup1", kSCurveUp},   {"PalleteSDown1", kSCurveDown},
      {"PalleteDC1", kDC},          {"PalleteNoise1", kNoise}};
  for (const auto& [name, kind] : kGenerators)
    main.setCommandHandler(QLatin1String(name), [kind](TMainForm& m, DocumentWindow& doc) {
      if (auto* wave = qobject_cast<TfrmWave*>(&doc)) RunGenerate(m, *wave, kind);
    });

  OnWave(main, "mnWaveEq", [](DocumentHost& m, TfrmWave& w) { RunEquation(m, w); });

  OnKinds(main, "EditUndo1", EditUndo1Execute, PpgEditUndo);
  OnKinds(main, "EditCut1", EditCut1Execute, PpgEditCut);
  OnKinds(main, "EditCopy1", EditCopy1Execute, PpgEditCopy);
  OnKinds(main, "EditPaste1", EditPaste1Execute, PpgEditPaste);
  OnKinds(main, "EditClear1", EditClear1Execute, PpgEditClear);
  OnKinds(main, "EditClearAll1", EditClearAll1Execute, PpgEditClearAll);
  OnKinds(main, "EditSelectAll1", EditSelectAll1Execute, PpgEditSelectAll);
  OnKinds(main, "SelReset1", bnselresClick, PpgSelReset);

  static const std::pair<const char*, PpgKind> kPatternGenerators[] = {
      {"PalletePpgHi1", PpgKind::High},     {"PalletePpgLo1", PpgKind::Lo},
      {"PalletePpgClk1", PpgKind::Clock},   {"PalletePpgCtr1", PpgKind::Counter},
      {"PalletePpgval1", PpgKind::Value}};
  for (const auto& [name, kind] : kPatternGenerators) OnPpgWith<PpgKind, PpgGenerate>(main, name, kind);
  static const std::pair<const char*, LogicOp> kLogic[] = {
      {"mnMath2Equ", LogicOp::Equ}, {"mnMath2Not", LogicOp::Not}, {"mnMath2And", LogicOp::And},
      {"mnMath2Or", LogicOp::Or},   {"mnMath2Xor", LogicOp::Xor}, {"mnMath2Rot", LogicOp::Rotate},
      {"mnMath2Sft", LogicOp::Shift}};
  for (const auto& [name, op] : kLogic) OnPpgWith<LogicOp, PpgCalc>(main, name, op);
  OnPpg(main, "mnMath2Invert", PpgMathInvert);
  OnPpg(main, "mnMath2Mirror", PpgMathMirror);
  OnPpg(main, "mnMath2Len", PpgChangeLengthCommand);
  OnPpg(main, "PalletePpgDispPair1", PpgPairView);
  OnPpg(main, "PalletePpgDispOrd1", PpgNormalView);
  OnPpg(main, "PalletePpgautoinv1", PpgAutoInvertToggled);
  OnPpg(main, "pmBitpenChange", PpgReverseBitPen);
  OnWave(main, "mnMathInvert", mnMathInvertClick);
  OnWave(main, "mnMathMirror", mnMathMirrorClick);
  OnWave(main, "mnMathAbs", mnMathAbsClick);
  OnWave(main, "mnMathClip", mnMathClipClick);
  OnWave(main, "mnMathAdd", mnMathAddClick);
  OnWave(main, "mnMathSub", mnMathSubClick);
  OnWave(main, "mnMathMul", mnMathMulClick);
  OnWave(main, "mnMathXfit", mnMathXfitClick);
  OnWave(main, "mnMathYfit", mnMathYfitClick);
  OnWave(main, "mnMathResize", mnMathResizeClick);
  OnWave(main, "pmResize", mnMathResizeClick);
  OnWave(main, "pmEditBlock", pmEditBlockClick);
  OnWave(main, "mnEditUnprotectAll", mnEditUnprotectAllClick);

  main.setAppCommandHandler("mnTransConfig", [](TMainForm& m) { TfrmTransCfg::Execute(&m); });
  main.setCommandHandler("mnTransSend", mnTransSendClick);
  main.setAppCommandHandler("mnTransReceive", mnTransReceiveClick);
  main.setAppCommandHandler("mnFileImportSignal", FileImportSignalExecute);
  InstallFileCommands(main);
  InstallBrowserRoutes(main);
  InstallFitToWindow(main);
}

}  // namespace averoz
