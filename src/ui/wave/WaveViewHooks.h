#pragma once
// What a waveform window asks of parts that live elsewhere: the data browser, the Resize
// command and the enabling of the Edit and Math commands. The main window fills these in;
// an empty hook does nothing.
#include <functional>

namespace averoz {

class TfrmWave;

struct WaveViewHooks {
  // Alt+click on a run of unprotected samples (the run is selected): Resize on it.
  std::function<void(TfrmWave&)> resizeSelection;
  // The selection changed by the mouse: Cut, Copy, Clear, Math … follow it.
  std::function<void(TfrmWave&)> selectionCommandsChanged;
  // The pointer entered the graph: Paste may become available.
  std::function<void(TfrmWave&)> mouseEntered;
  // Key "M": the data browser is filled from this document.
  std::function<void(TfrmWave&)> fillBrowser;
  // An X cursor moved: the browser marks the cursor rows.
  std::function<void(TfrmWave&)> browserCursorsMoved;
  // A select drag ended: the browser highlights the selection (or removes the highlight).
  std::function<void(TfrmWave&)> browserSelectionChanged;
};

WaveViewHooks& waveViewHooks();

}  // namespace averoz
