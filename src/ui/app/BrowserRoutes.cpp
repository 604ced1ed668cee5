#include "ui/app/BrowserRoutes.h"

#include "ui/app/TMainForm.h"
#include "ui/app/TfrmColConfig.h"
#include "ui/app/TfrmData.h"
#include "ui/wave/TfrmWave.h"
#include "ui/wave/WaveViewHooks.h"

namespace averoz {

namespace {

// The browser of the window's main window, when one was made: notices before the first
// Data View have nothing to update.
TfrmData* BrowserOf(TfrmWave& wave) {
  TMainForm* main = wave.mainForm();
  return main ? TfrmData::find(*main) : nullptr;
}

}  // namespace

void InstallBrowserRoutes(TMainForm& main) {
  main.setCommandHandler(QStringLiteral("DataBrows1"), [](TMainForm& m, DocumentWindow& doc) {
    if (auto* wave = qobject_cast<TfrmWave*>(&doc)) TfrmData::instance(m).FillBrowser(*wave);
  });
  main.setCommandHandler(QStringLiteral("mnViewConfig"),
                         [](TMainForm& m, DocumentWindow&) { TfrmColConfig::Execute(m); });

  WaveViewHooks& hooks = waveViewHooks();
  hooks.fillBrowser = [](TfrmWave& wave) {
    if (TMainForm* m = wave.mainForm()) TfrmData::instance(*m).FillBrowser(wave);
  };
  hooks.browserCursorsMoved = [](TfrmWave& wave) {
    if (TfrmData* browser = BrowserOf(wave)) browser->MirrorCursors(wave);
  };
  hooks.browserSelectionChanged = [](TfrmWave& wave) {
    if (TfrmData* browser = BrowserOf(wave)) browser->MirrorSelection(wave);
  };
}

}  // namespace averoz
