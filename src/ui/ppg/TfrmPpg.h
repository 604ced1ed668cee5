#pragma once
// A pattern document window: owns the GUI-free pattern document, shows it in the pattern
// view, and drives the main window's zoom, cursor, select and rescale tool bars and the
// pattern tools while it is the active document.
#include <memory>

#include "core/ppg/PpgDoc.h"
#include "ui/app/DocumentWindow.h"

namespace averoz {

class PpgView;

class TfrmPpg : public DocumentWindow {
  Q_OBJECT
 public:
  static constexpr int kInitialWidth = 576, kInitialHeight = 336;

  explicit TfrmPpg(DocumentHost* host);
  ~TfrmPpg() override;

  PpgDoc& doc() { return *doc_; }
  const PpgDoc& doc() const { return *doc_; }
  PpgView* view() const { return view_; }

  void showInitialSize() override;
  bool isSaved() const override { return doc_->isSaved; }
  void setSaved(bool saved) override;
  bool hasData() const override { return true; }  // every address holds six bits
  void FormActivate() override;

  // Colours from section "Color", then a full redraw.
  void LoadColors();

  // ---- tools ---------------------------------------------------------------------------------
  // 0 select, 4 bit pen, 5 bit pen High, 6 bit pen Lo (1 comes with the cursors).
  void SetEditMode(int mode);
  void SetCursorMode(bool on);
  void SetXCursor(bool on);
  // "Reverse BitPen": High <-> Lo.
  void ReverseBitPen();
  // Auto Invert switched (the action's new state).
  void SwitchAutoInvert(bool on);
  // Change Length: the view starts over around the unchanged bits.
  void ResetView();

  // ---- read-outs of the main window ----------------------------------------------------------
  void ShowZoomReadouts();
  void ShowCursorReadouts();
  void ShowSelectionReadouts();
  // Cut, Copy, Clear, Invert, Mirror and the generators follow the selection.
  void UpdateSelectionCommands();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  bool IsActive() const;
  void BindToolBars();
  void ShowToolChecks();
  void UpdateUndo(bool ready);
  void ShowBitPenAvailability();
  void PlaceCursorsOnce();

  std::unique_ptr<PpgDoc> doc_;
  PpgView* view_;
  bool cursorsPlaced_ = false;
};

}  // namespace averoz
