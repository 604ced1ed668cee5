#pragma once
// The Trans menu's Send and Receive commands of the main window.
namespace averoz {

class DocumentWindow;
class TMainForm;

// Send->NQ: completes a waveform's undrawn tail, makes sure the document is saved as a data
// file, then opens "Send to NQ" for it (or the interface set-up when it was never done). A
// waveform sends its samples, a pattern its file image.
void mnTransSendClick(TMainForm& main, DocumentWindow& document);
// Receive<-NQ: opens "Receive from NQ" unless no more windows can be opened or the interface
// was never set up.
void mnTransReceiveClick(TMainForm& main);

// True when the document has no unsaved changes and a data-file name; otherwise asks for
// Save As first (IMFMSG 11) and tells whether that achieved it.
bool EnsureSavedAsBinary(TMainForm& main, DocumentWindow& document);

}  // namespace averoz
