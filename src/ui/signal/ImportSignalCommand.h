#pragma once
// File > Import Signal...: a CSV/TSV capture, a WAV or a NumPy .npy file becomes a new
// Modulation or Operation document through the import dialog.
namespace averoz {

class TMainForm;

void FileImportSignalExecute(TMainForm& main);

}  // namespace averoz
