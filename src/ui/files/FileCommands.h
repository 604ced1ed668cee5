#pragma once
// File > Open, the recent-file items, Save and Save As of the main window.
//
// Wiring: InstallFileCommands(main) once after the main window is built connects the
// actions "FileOpen1", "FileSaveAs1" and "mnFileLastFile1".."3" and makes SaveDocument the
// save operation of "FileSave1" and of the close prompts.
#include <string>

namespace averoz {

class DocumentWindow;
class TMainForm;

// File > Open: a binary waveform file (".awf", ".awd") opens at once as a Modulation
// document, a pattern file (".ppg") as a pattern document; any other file is previewed and
// imported as text into a Modulation document.
void FileOpen1Execute(TMainForm& main);

// The recent-file item of slot 1..3.
void OpenRecentFile(TMainForm& main, int slot);

// A file named on the command line or handed over by a second start, opened as File > Open
// opens the file its dialog returns; a missing file is ERRMSG 17.
void OpenGivenFile(TMainForm& main, const std::string& path);

// Save (Save As when the document has no file) or Save As of a document; true when the
// document is saved afterwards, so a close that asked for the save may go on.
bool SaveDocument(TMainForm& main, DocumentWindow& document, bool saveAs);

// File > Save To USB Memory: the document goes into the instrument's folder on a removable
// drive, through Save As there; the drive is remembered in the main window.
void mnFileSaveUSBClick(TMainForm& main, DocumentWindow& document);

// Only the first call for a main window does anything.
void InstallFileCommands(TMainForm& main);

}  // namespace averoz
