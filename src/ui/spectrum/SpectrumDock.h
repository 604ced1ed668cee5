#pragma once
// View ▸ Spectrum: a dock panel on the frame that follows the active waveform window.
class QMainWindow;
class QMdiArea;
class QMenu;

namespace averoz {

// Adds the hidden dock "dkSpectrum" and its toggle "mnViewSpectrum" at the end of the menu.
void InstallSpectrumDock(QMainWindow& frame, QMdiArea& area, QMenu& viewMenu);

}  // namespace averoz
