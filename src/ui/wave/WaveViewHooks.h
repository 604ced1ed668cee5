#pragma once
// What a waveform window asks of the data browser, which lives elsewhere. The browser
// fills these in; an empty hook does nothing.
#include <functional>

namespace averoz {

class TfrmWave;

struct WaveViewHooks {
  // Key "M": the data browser is filled from this document.
  std::function<void(TfrmWave&)> fillBrowser;
  // An X cursor moved: the browser marks the cursor rows.
  std::function<void(TfrmWave&)> browserCursorsMoved;
  // A select drag ended: the browser highlights the selection (or removes the highlight).
  std::function<void(TfrmWave&)> browserSelectionChanged;
};

WaveViewHooks& waveViewHooks();

}  // namespace averoz
