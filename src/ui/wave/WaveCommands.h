#pragma once
// What the main window calls for the Edit and Math commands of a waveform document, and
// the rules that enable their menu items, tool buttons and pop-up items. Each command runs
// its GUI-free flow with the main window's prompter, the application's waveform clipboard
// and the desktop clipboard.
#include "core/wave/WaveClipState.h"

namespace averoz {

class SystemClipboard;
class TMainForm;
class TfrmWave;

// The waveform clipboard and operand of the application, owned by the main window (made
// there on first use).
WaveClipState& SharedWaveClip(TMainForm& mainForm);
// The desktop clipboard the commands use; tests may put another one here (nullptr: back
// to the desktop's).
SystemClipboard& DesktopClipboard();
void SetDesktopClipboard(SystemClipboard* clipboard);

// ---- Edit --------------------------------------------------------------------------------
void EditUndo1Execute(TMainForm& mainForm, TfrmWave& wave);
void EditCut1Execute(TMainForm& mainForm, TfrmWave& wave);
void EditCopy1Execute(TMainForm& mainForm, TfrmWave& wave);
void EditPaste1Execute(TMainForm& mainForm, TfrmWave& wave);
void EditClear1Execute(TMainForm& mainForm, TfrmWave& wave);
void EditClearAll1Execute(TMainForm& mainForm, TfrmWave& wave);
void EditSelectAll1Execute(TMainForm& mainForm, TfrmWave& wave);
void bnselresClick(TMainForm& mainForm, TfrmWave& wave);

// ---- Math --------------------------------------------------------------------------------
void mnMathInvertClick(TMainForm& mainForm, TfrmWave& wave);
void mnMathMirrorClick(TMainForm& mainForm, TfrmWave& wave);
void mnMathAbsClick(TMainForm& mainForm, TfrmWave& wave);
void mnMathClipClick(TMainForm& mainForm, TfrmWave& wave);
void mnMathAddClick(TMainForm& mainForm, TfrmWave& wave);
void mnMathSubClick(TMainForm& mainForm, TfrmWave& wave);
void mnMathMulClick(TMainForm& mainForm, TfrmWave& wave);
void mnMathXfitClick(TMainForm& mainForm, TfrmWave& wave);
void mnMathYfitClick(TMainForm& mainForm, TfrmWave& wave);
void mnMathResizeClick(TMainForm& mainForm, TfrmWave& wave);

// ---- enabling ----------------------------------------------------------------------------
// Cut, Copy, Clear, Invert, Mirror, Absolute, Resize (and pmResize shown).
bool SelectionCommandsEnabled(const TfrmWave& wave);
// Clip: a selection and the Y cursors shown.
bool ClipEnabled(const TfrmWave& wave);
// Add, Sub, Multiply: a selection of at least 8 samples.
bool CombineEnabled(const TfrmWave& wave);
// On activating a waveform document: an empty waveform clipboard is filled silently from
// the desktop's, then Paste is enabled exactly when it holds data.
bool PasteEnabledOnActivate(TMainForm& mainForm);
// On the mouse entering the graph: true when Paste becomes available (enable it); false
// leaves it as it is.
bool PasteAvailableOnMouseEnter(TMainForm& mainForm);
// Sets the items above that exist in the main window from the active waveform document:
// for the selection commands after every selection change and on activation.
void UpdateSelectionCommands(TMainForm& mainForm, const TfrmWave& wave);

}  // namespace averoz
