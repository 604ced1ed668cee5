// Which subsystem runs which command of the main window.
#include "ui/app/CommandRoutes.h"

#include <QAction>
#include <utility>

#include "ui/app/BrowserRoutes.h"
#include "ui/app/TMainForm.h"
#include "ui/comm/TfrmTransCfg.h"
#include "ui/comm/TransferCommands.h"
#include "ui/files/FileCommands.h"
#include "ui/wave/TfrmWave.h"
#include "ui/wave/WaveCommands.h"
#include "ui/wave/WaveGenerateAction.h"

namespace averoz {
namespace {

using WaveCommand = void (*)(DocumentHost&, TfrmWave&);

// A command that acts on waveform documents only.
void OnWave(TMainForm& main, const char* name, WaveCommand command) {
  main.setCommandHandler(QLatin1String(name), [command](TMainForm& m, DocumentWindow& doc) {
    if (auto* wave = qobject_cast<TfrmWave*>(&doc)) command(m, *wave);
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

  OnWave(main, "EditUndo1", EditUndo1Execute);
  OnWave(main, "EditCut1", EditCut1Execute);
  OnWave(main, "EditCopy1", EditCopy1Execute);
  OnWave(main, "EditPaste1", EditPaste1Execute);
  OnWave(main, "EditClear1", EditClear1Execute);
  OnWave(main, "EditClearAll1", EditClearAll1Execute);
  OnWave(main, "EditSelectAll1", EditSelectAll1Execute);
  OnWave(main, "SelReset1", bnselresClick);
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

  main.setAppCommandHandler("mnTransConfig", [](TMainForm& m) { TfrmTransCfg::Execute(&m); });
  main.setCommandHandler("mnTransSend", mnTransSendClick);
  main.setAppCommandHandler("mnTransReceive", mnTransReceiveClick);
  InstallFileCommands(main);
  InstallBrowserRoutes(main);
}

}  // namespace averoz
