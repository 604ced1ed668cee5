#include "ui/app/BrowserRoutes.h"

#include "ui/app/TMainForm.h"
#include "ui/app/TfrmColConfig.h"
#include "ui/app/TfrmData.h"
#include "ui/wave/TfrmWave.h"
#include "ui/wave/WaveViewHooks.h"

namespace averoz {

void InstallBrowserRoutes(TMainForm& main) {
  main.setCommandHandler(QStringLiteral("DataBrows1"), [](TMainForm& m, DocumentWindow& doc) {
    if (auto* wave = qobject_cast<TfrmWave*>(&doc)) TfrmData::instance(m).FillBrowser(*wave);
  });
  main.setCommandHandler(QStringLiteral("mnViewConfig"),
                         [](TMainForm& m, DocumentWindow&) { TfrmColConfig::Execute(m); });

  WaveViewHooks& hooks = waveViewHooks();
  hooks.fillBrowser = [](TfrmWave& wave) {
    if (auto* m = dynamic_cast<TMainForm*>(wave.host())) TfrmData::instance(*m).FillBrowser(wave);
  };
}

}  // namespace averoz
