#pragma once
// What a waveform window asks of the data browser, which lives elsewhere. The browser
// fills these in; an empty hook does nothing.
#include <functional>

namespace averoz {

class TfrmWave;

struct WaveViewHooks {
  // Key "M": the data browser is filled from this document. (Selection and cursor moves
  // reach the browser through the document's own reports.)
  std::function<void(TfrmWave&)> fillBrowser;
};

WaveViewHooks& waveViewHooks();

}  // namespace averoz
