#pragma once
// Save and Save As of a document: into its binary data file, or exported as CSV text, as a
// WAV file (waveforms) or as a Value Change Dump (patterns).
// The save dialog, the questions and the document window come in through small interfaces,
// so the whole flow runs without widgets.
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>

#include "core/app/Prompter.h"

namespace averoz {

class IniFile;

struct SaveDialogRequest {
  std::string filter;  // "Binary Files(*.awf)|*.awf|CSV Files(*.csv)|*.csv|WAV Files(*.wav)|*.wav"
  int filterIndex = 1;
  std::string fileName;
};

struct SaveDialogChoice {
  std::string fileName;
  int filterIndex = 1;  // 1 binary, 2 CSV, 3 WAV (waveforms) or VCD (patterns)
};

class SaveDialog {
 public:
  virtual ~SaveDialog() = default;
  // The modal save dialog; empty on Cancel. It asks nothing about overwriting.
  virtual std::optional<SaveDialogChoice> Run(const SaveDialogRequest& request) = 0;
};

// What the save commands need from a document window.
class SavableDocument {
 public:
  virtual ~SavableDocument() = default;
  virtual int docKind() const = 0;  // 0 Modulation, 1 Operation, 2 PPG
  virtual const std::string& fileName() const = 0;
  virtual void setFileName(const std::string& path) = 0;
  virtual std::string caption() const = 0;
  virtual void setCaption(const std::string& caption) = 0;
  virtual bool isSaved() const = 0;
  virtual void MarkSaved() = 0;
  // Waveform kinds: asks for and fills an undrawn tail; false when the user cancelled.
  virtual bool CheckUndefinedTail() = 0;
  // The data as it is now: samples for the waveform kinds, channel-major bits for PPG.
  virtual std::span<const std::int32_t> samples() const = 0;
  virtual std::span<const std::uint8_t> bits() const = 0;
};

struct SaveContext {
  Prompter& prompter;
  SaveDialog& dialog;
  const IniFile& settings;
  std::string language;
  std::function<void(const std::string&)> addRecentFile;
  // Shows (true) and resets (false) the busy pointer around an export; may be empty.
  std::function<void(bool)> busy;
};

// One run of Save As; folder (may be empty) is where a made-up name is put. True when done
// (written, exported, or cancelled), false when the dialog should open again.
bool SaveAsOnce(SavableDocument& doc, const std::string& folder, SaveContext& ctx);
// Save As repeated until a run is done.
void SaveAs(SavableDocument& doc, const std::string& folder, SaveContext& ctx);
// Save: into the document's file when it has one, otherwise through Save As. True when the
// document is saved afterwards (a close that asked for the save may go on).
bool Save(SavableDocument& doc, SaveContext& ctx);

// The dialog's filter for a kind's extension such as ".awf": binary, CSV, then WAV for the
// waveform kinds or VCD for patterns.
std::string SaveFilter(const std::string& ext);

}  // namespace averoz
