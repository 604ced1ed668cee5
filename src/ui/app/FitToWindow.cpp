#include "ui/app/FitToWindow.h"

#include <QAction>

#include "ui/app/AppContext.h"
#include "ui/app/TMainForm.h"
#include "ui/ppg/PpgView.h"
#include "ui/ppg/TfrmPpg.h"
#include "ui/wave/TfrmWave.h"

namespace averoz {

bool FitToWindowChosen() {
  return AppContext::instance().settings().ReadBool(kFitSection, kFitKey, false);
}

void ShowFitCheck(DocumentHost& host, bool on) {
  if (QAction* fit = host.action(QLatin1String(kFitAction))) fit->setChecked(on);
}

void InstallFitToWindow(TMainForm& main) {
  QAction* fit = main.action(QLatin1String(kFitAction));
  if (!fit) return;
  fit->setChecked(FitToWindowChosen());
  QObject::connect(fit, &QAction::triggered, &main, [&main](bool on) {
    for (DocumentWindow* doc : main.documents()) {
      if (auto* wave = qobject_cast<TfrmWave*>(doc)) wave->SetFitToWindow(on);
      else if (auto* ppg = qobject_cast<TfrmPpg*>(doc)) ppg->view()->SetFitToWindow(on);
    }
    WriteSetting([on](IniFile& ini) { ini.WriteBool(kFitSection, kFitKey, on); });
  });
}

}  // namespace averoz
