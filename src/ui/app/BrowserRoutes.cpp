#include "ui/app/BrowserRoutes.h"

#include "ui/app/TMainForm.h"
#include "ui/app/TfrmColConfig.h"
#include "ui/app/TfrmData.h"
#include "ui/wave/TfrmWave.h"
#include "ui/wave/WaveViewHooks.h"

namespace averoz {

void InstallBrowserRoutes(TMainForm& main) {
  // Data View, also key "M" of a pattern window: the browser shows the active waveform or
  // pattern document.
  main.setCommandHandler(QStringLiteral("DataBrows1"), [](TMainForm& m, DocumentWindow& doc) {
    TfrmData::instance(m).FillBrowser(doc);
  });
  main.setCommandHandler(QStringLiteral("mnViewConfig"),
                         [](TMainForm& m, DocumentWindow&) { TfrmColConfig::Execute(m); });

  WaveViewHooks& hooks = waveViewHooks();
  hooks.fillBrowser = [](TfrmWave& wave) {
    if (auto* m = dynamic_cast<TMainForm*>(wave.host())) TfrmData::instance(*m).FillBrowser(wave);
  };
}

}  // namespace averoz
