#pragma once
// For the dialog tests: a main window whose messages go to a scripted prompter, with one new
// waveform document open.
#include "support/FakePrompter.h"
#include "ui/app/TMainForm.h"
#include "ui/wave/TfrmWave.h"

namespace averoz::test {

struct WaveWindow {
  WaveWindow() {
    form.setPrompter(&prompter);
    wave = form.FileNewMod1Execute();
  }

  TMainForm form;
  FakePrompter prompter;  // declared after the form: it is gone before the form is
  TfrmWave* wave = nullptr;  // null when the window could not be opened
};

}  // namespace averoz::test
