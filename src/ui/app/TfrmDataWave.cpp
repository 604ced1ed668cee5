// The data browser on a waveform document.
#include <QPointer>
#include <algorithm>

#include "core/app/DataBrowser.h"
#include "core/app/Prompter.h"
#include "core/wave/ViewCursors.h"
#include "ui/app/BrowserModel.h"
#include "ui/app/DocumentHost.h"
#include "ui/app/TfrmData.h"
#include "ui/app/TfrmDataDoc.h"
#include "ui/wave/TfrmWave.h"

namespace averoz {

namespace {

// Sits between the document and its window while the browser is bound: the window still
// gets every report, and the browser also hears which samples changed and follows the
// selection and the X cursors, whichever command changed them.
class WaveTap : public WaveDocListener {
 public:
  WaveTap(TfrmWave& wave, TfrmData& browser) : browser_(browser), wave_(&wave) {
    wave.doc().SetListener(this);
  }
  ~WaveTap() override {
    if (wave_) wave_->doc().SetListener(wave_.data());
  }
  // The window is going and took its document along: nothing to give back.
  void Forget() { wave_ = nullptr; }
  TfrmWave* window() const { return wave_.data(); }

  void DataChanged(int a, int b) override {
    if (!wave_) return;
    wave_->DataChanged(a, b);
    browser_.ChangedRange(*wave_, a, b);
  }
  void UndoStateChanged(bool ready) override {
    if (wave_) wave_->UndoStateChanged(ready);
  }
  void ModifiedChanged(bool modified) override {
    if (wave_) wave_->ModifiedChanged(modified);
  }
  void SelectionChanged() override {
    if (!wave_) return;
    wave_->SelectionChanged();
    browser_.MirrorSelection(*wave_);
  }
  void CursorsChanged() override {
    if (!wave_) return;
    wave_->CursorsChanged();
    browser_.MirrorCursors(*wave_);
  }

 private:
  TfrmData& browser_;
  QPointer<TfrmWave> wave_;
};

class BrowsedWave : public BrowsedDocOf<WaveDoc> {
 public:
  BrowsedWave(TfrmWave& wave, TfrmData& browser) : tap_(wave, browser) {}

  DocumentWindow* window() const override { return tap_.window(); }
  void Forget() override { tap_.Forget(); }
  BrowsedSelection selection() const override {
    return {doc().rangeSelected, doc().selBegin, doc().selEnd};
  }

  std::optional<std::int32_t> CheckSave(const std::string& value, int first, int last,
                                        const BrowserModel& model) override {
    const WaveSaveCheck check = CheckWaveSave(value, first, last, model.values(), model.blocks());
    if (check.error) tap_.window()->host()->prompter().warn(*check.error);
    return check.value;
  }

  void Select(int first, int last) override {
    TfrmWave& wave = *tap_.window();
    WaveDoc& d = doc();
    // A drawing tool gives way to the selection tool; cursor mode keeps the cursors that
    // the table may be moving.
    if (d.editMode >= 2) wave.SetEditMode(0);
    const int lastDrawn = d.lastDrawn();
    if (first > lastDrawn) d.ResetSelection();
    else d.SetSelection(first, std::min(last, lastDrawn));
  }
  int MoveCursor(int address, int cursor) override {
    WaveDoc& d = doc();
    const CursorRange range = RangeOf(d, cursor == 1 ? CursorField::X1 : CursorField::X2);
    std::int32_t& x = cursor == 1 ? d.csrX1 : d.csrX2;
    x = std::clamp(address, range.min, range.max);
    // The window redraws the cursor and its read-outs, and the marks move.
    d.NotifyCursorsChanged();
    return x;
  }
  void Apply(int first, int last, std::int32_t value) override {
    WaveDoc& d = doc();
    d.SaveUndo();
    std::fill(d.waveData.begin() + first, d.waveData.begin() + last + 1, value);
    std::fill(d.blockNo.begin() + first, d.blockNo.begin() + last + 1, kBlockFree);
    d.CommitEdit(first, last);  // the window repaints, and the change must be saved
  }

 private:
  WaveDoc& doc() const override { return tap_.window()->doc(); }

  WaveTap tap_;
};

}  // namespace

std::unique_ptr<BrowsedDoc> BrowseWave(TfrmWave& window, TfrmData& browser) {
  return std::make_unique<BrowsedWave>(window, browser);
}

}  // namespace averoz
