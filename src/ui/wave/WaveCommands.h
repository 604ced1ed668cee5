#pragma once
// What the main window calls for the Edit and Math commands of a waveform document, and
// the rules that enable their menu items, tool buttons and pop-up items. Each command runs
// its GUI-free flow with the main window's prompter, the application's waveform clipboard
// and the desktop clipboard.
#include "core/wave/WaveClipState.h"

namespace averoz {

class SystemClipboard;
class DocumentHost;
class TfrmWave;

// The waveform clipboard and operand of the application, owned by the main window (made
// there on first use).
WaveClipState& SharedWaveClip(DocumentHost& mainForm);
// The desktop clipboard the commands use; tests may put another one here (nullptr: back
// to the desktop's).
SystemClipboard& DesktopClipboard();
void SetDesktopClipboard(SystemClipboard* clipboard);

// ---- Edit --------------------------------------------------------------------------------
void EditUndo1Execute(DocumentHost& mainForm, TfrmWave& wave);
void EditCut1Execute(DocumentHost& mainForm, TfrmWave& wave);
void EditCopy1Execute(DocumentHost& mainForm, TfrmWave& wave);
void EditPaste1Execute(DocumentHost& mainForm, TfrmWave& wave);
void EditClear1Execute(DocumentHost& mainForm, TfrmWave& wave);
void EditClearAll1Execute(DocumentHost& mainForm, TfrmWave& wave);
void EditSelectAll1Execute(DocumentHost& mainForm, TfrmWave& wave);
void bnselresClick(DocumentHost& mainForm, TfrmWave& wave);
// Edit ▸ Unprotect All (one undo step); says so in the status bar when nothing is protected.
void mnEditUnprotectAllClick(DocumentHost& mainForm, TfrmWave& wave);
// The pop-up's "Edit Block…" at the point it was opened.
void pmEditBlockClick(DocumentHost& mainForm, TfrmWave& wave);

// ---- Math --------------------------------------------------------------------------------
void mnMathInvertClick(DocumentHost& mainForm, TfrmWave& wave);
void mnMathMirrorClick(DocumentHost& mainForm, TfrmWave& wave);
void mnMathAbsClick(DocumentHost& mainForm, TfrmWave& wave);
void mnMathClipClick(DocumentHost& mainForm, TfrmWave& wave);
void mnMathAddClick(DocumentHost& mainForm, TfrmWave& wave);
void mnMathSubClick(DocumentHost& mainForm, TfrmWave& wave);
void mnMathMulClick(DocumentHost& mainForm, TfrmWave& wave);
void mnMathXfitClick(DocumentHost& mainForm, TfrmWave& wave);
void mnMathYfitClick(DocumentHost& mainForm, TfrmWave& wave);
void mnMathResizeClick(DocumentHost& mainForm, TfrmWave& wave);

// ---- enabling ----------------------------------------------------------------------------
// Cut, Copy, Clear, Invert, Mirror, Absolute, Resize (and pmResize shown).
bool SelectionCommandsEnabled(const TfrmWave& wave);
// Clip: a selection and the Y cursors shown.
bool ClipEnabled(const TfrmWave& wave);
// Add, Sub, Multiply: a selection of at least 8 samples.
bool CombineEnabled(const TfrmWave& wave);
// On activating a waveform document: an empty waveform clipboard is filled silently from
// the desktop's, then Paste is enabled exactly when it holds data.
bool PasteEnabledOnActivate(DocumentHost& mainForm);
// On the mouse entering the graph: true when Paste becomes available (enable it); false
// leaves it as it is.
bool PasteAvailableOnMouseEnter(DocumentHost& mainForm);
// Sets the items above that exist in the main window from the active waveform document:
// for the selection commands after every selection change and on activation.
void UpdateSelectionCommands(DocumentHost& mainForm, const TfrmWave& wave);

}  // namespace averoz
