#pragma once
// What the data browser asks of the document it shows. One adapter per document kind
// passes the document's reports (changed addresses, selection, X cursors) on to the
// browser while it is bound, and carries out the browser's calls on the document, so that
// the browser itself is the same for waveforms and patterns.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "ui/app/BrowserModel.h"

namespace averoz {

class DocumentWindow;
class TfrmData;
class TfrmPpg;
class TfrmWave;

// Addresses of the document's selection and X cursors, as the table marks them.
struct BrowsedSelection {
  bool on = false;
  int first = 0;
  int last = 0;
};
struct BrowsedCursors {
  bool shown = false;
  int x1 = 0;
  int x2 = 0;
};

class BrowsedDoc {
 public:
  // The reports stop reaching the browser.
  virtual ~BrowsedDoc() = default;

  // nullptr once the window is gone.
  virtual DocumentWindow* window() const = 0;
  // The window is being destroyed (its document may be gone already): never touch it again.
  virtual void Forget() = 0;
  virtual std::string& browserKey() = 0;
  virtual int kind() const = 0;
  virtual BrowsedSelection selection() const = 0;
  virtual BrowsedCursors cursors() const = 0;

  // The table from the document: all of it, rows a..b, the value columns of first..last.
  virtual void Fill(BrowserModel& model) const = 0;
  virtual void UpdateRows(BrowserModel& model, int a, int b) const = 0;
  virtual void CopyValues(BrowserModel& model, int first, int last) const = 0;

  // Save: the trimmed typed value for the table's rows of first..last, or nothing when it is
  // refused or a question was cancelled (the messages are shown here).
  virtual std::optional<std::int32_t> CheckSave(const std::string& value, int first, int last,
                                                const BrowserModel& model) = 0;

  // The browser's calls into the document.
  virtual void Select(int first, int last) = 0;
  // The X cursor (1 or 2) moved within its limits; the window redraws it. Where it went.
  virtual int MoveCursor(int address, int cursor) = 0;
  // Undo snapshot, then the value into first..last; the window redraws.
  virtual void Apply(int first, int last, std::int32_t value) = 0;
  // The document's undo (its reports of the restored range are the browser's to ignore).
  virtual void Undo() = 0;
  virtual void ResetSelection() = 0;
};

// What both kinds do alike on their document type: the key, the X cursors, the table.
template <typename Doc>
class BrowsedDocOf : public BrowsedDoc {
 public:
  std::string& browserKey() override { return doc().browserKey; }
  int kind() const override { return doc().docKind; }
  BrowsedCursors cursors() const override { return {doc().xCursorOn, doc().csrX1, doc().csrX2}; }
  void Fill(BrowserModel& model) const override { model.Fill(doc()); }
  void UpdateRows(BrowserModel& model, int a, int b) const override {
    model.UpdateRows(doc(), a, b);
  }
  void CopyValues(BrowserModel& model, int first, int last) const override {
    model.CopyValues(doc(), first, last);
  }
  void Undo() override { doc().RestoreUndo(); }
  void ResetSelection() override { doc().ResetSelection(); }

 protected:
  virtual Doc& doc() const = 0;
};

std::unique_ptr<BrowsedDoc> BrowseWave(TfrmWave& window, TfrmData& browser);
std::unique_ptr<BrowsedDoc> BrowsePattern(TfrmPpg& window, TfrmData& browser);

}  // namespace averoz
