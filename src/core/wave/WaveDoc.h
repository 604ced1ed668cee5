#pragma once
// The data of one analog waveform document (Modulation or Operation) and the primitive
// operations every editing command is built from. GUI-free: the window listens for what
// changed and repaints it.
//
// Invariants the operations keep: the drawn samples (codes 0..4095) form a prefix and the
// rest is -1; drawn samples carry block -1 or 1..10000, undrawn ones block 0; a protected
// block is one contiguous run.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/app/MessageId.h"
#include "core/wave/Generator.h"
#include "core/wave/WaveParam.h"
#include "core/wave/WaveScale.h"

namespace averoz {

inline constexpr std::int32_t kWaveLen = 16384;
inline constexpr std::int32_t kMaxCode = 4095;
inline constexpr std::int32_t kUndrawn = -1;
inline constexpr std::int16_t kBlockNever = 0;  // never written, or cleared
inline constexpr std::int16_t kBlockFree = -1;  // written, not protected
inline constexpr std::int16_t kMaxBlockNo = 10000;

// What a document reports. Ranges are inclusive sample indices.
class WaveDocListener {
 public:
  virtual ~WaveDocListener() = default;
  // Samples a..b changed: repaint them and send the changed-range notice to the browser.
  virtual void DataChanged(int /*a*/, int /*b*/) {}
  // Undo became available or was used up (Undo button and menu items).
  virtual void UndoStateChanged(bool /*ready*/) {}
  // The modified mark "*" appears or goes.
  virtual void ModifiedChanged(bool /*modified*/) {}
  // rangeSelected / selBegin / selEnd changed: selection display and read-outs.
  virtual void SelectionChanged() {}
  // A cursor moved, or the cursors were shown or hidden: cursor lines and read-outs.
  virtual void CursorsChanged() {}
};

class WaveDoc {
 public:
  static constexpr std::int32_t dataLen = kWaveLen;

  WaveDoc();

  // Not owned; nullptr silences the document. A copy of a document starts without one, so
  // it never reports into the original's window.
  void SetListener(WaveDocListener* listener) { listener_.p = listener; }

  // ---- data ------------------------------------------------------------------------------
  std::uint8_t docKind = 0;  // 0 Modulation, 1 Operation
  std::vector<std::int32_t> waveData;     // dataLen codes, -1 undrawn
  std::vector<std::int16_t> blockNo;      // dataLen block numbers
  std::vector<TWaveParam> blockParams;    // index 0..10000; 1..blockCount are read
  std::int32_t blockCount = 0;            // highest number given out; never lowered
  std::vector<std::int32_t> undoWave;
  std::vector<std::int16_t> undoBlockNo;
  bool undoReady = false;

  bool rangeSelected = false;
  std::int32_t selBegin = 0;  // inclusive; selBegin == selEnd is an insertion point
  std::int32_t selEnd = 0;
  std::uint8_t editMode = 0;  // 0 select, 1 cursor, 2 freehand, 3 line
  bool xCursorOn = false;
  bool yCursorOn = false;
  // The view places the cursors; these keep csrX1 < csrX2 and csrY1 < csrY2 until it does.
  std::int32_t csrX1 = dataLen / 3;
  std::int32_t csrX2 = dataLen * 2 / 3;
  std::int32_t csrY1 = kMaxCode / 3;
  std::int32_t csrY2 = kMaxCode * 2 / 3;

  double rescaleX = dataLen;
  double rescaleYMin = 0.0;
  double rescaleYMax = kMaxCode;
  bool lineDisp = true;  // the window sets it from the settings

  bool isSaved = true;
  std::string browserKey;
  std::string fileName;

  WaveScale Scale() const { return {dataLen, rescaleX, rescaleYMin, rescaleYMax}; }

  // ---- queries ---------------------------------------------------------------------------
  // Index of the last sample before the first undrawn one; -1 when sample 0 is undrawn.
  int lastDrawn() const;
  // Some sample from..to (to clipped to the end) belongs to a protected block; false when
  // from < 0 or to < from.
  bool AnyProtected(int from, int to) const;
  // i and j lie in the same protected block.
  bool SameProtectedBlock(int i, int j) const;

  // ---- undo ------------------------------------------------------------------------------
  void SaveUndo();
  // Puts the snapshot back (also when undoReady is already false: a preview dialog throws
  // away each preview this way) and reports the whole range. Block count, block
  // parameters, selection, cursors and the saved state stay. Returns false and changes
  // nothing when no snapshot was ever taken.
  bool RestoreUndo();

  // ---- raw edits: they report nothing; the command reports its whole range once ---------
  // d >= 0 opens d samples at s (the ones pushed past the end are lost; s..s+d-1 keep their
  // old values for the caller to overwrite); d < 0 removes -d samples at s and fills the
  // end with undrawn samples. Nothing moves for s outside 0..dataLen-1.
  void Shift(int s, int d);
  // Samples from..to (clipped to the document) become undrawn, block 0.
  void ClearRange(int from, int to);
  // Every drawn sample gets block -1.
  void UnprotectAll();
  // Runs the generator into p.start..p.start+p.len-1 and writes p.blockNo there; a
  // protected block's request is kept in blockParams. False, with nothing changed, for a
  // request outside the document or a block number outside -1..10000.
  bool WriteBlock(const TWaveParam& p, const WaveGenerator& generator);
  // As WriteBlock, but blockParams stays as it is: a preview carries the number of the
  // current last block and must not overwrite that block's parameters.
  bool PreviewBlock(const TWaveParam& p, const WaveGenerator& generator);

  // ---- protected block numbers -----------------------------------------------------------
  bool BlockLimitReached() const { return blockCount >= kMaxBlockNo; }
  // Gives out blockCount + 1; empty, with blockCount unchanged, once 10000 is given out.
  std::optional<std::int16_t> NewBlockNo();

  // ---- commands --------------------------------------------------------------------------
  // Selects the unbroken run of samples with the block number of sample i and returns that
  // number (-1 for unprotected samples); 0, with the selection unchanged, on an undrawn or
  // never-written sample or an index outside the document.
  int SelectRun(int i);
  void SetSelection(int begin, int end);
  void ResetSelection();
  // Removes the selected samples (the tail moves down). Refused with ERRMSG 2, nothing
  // changed, when a selected sample is protected. Without a selection it does nothing.
  std::optional<MessageId> DeleteSelection();

  // ---- reports ---------------------------------------------------------------------------
  void NotifyDataChanged(int a, int b);
  // Whoever moves a cursor or shows or hides them (the fields are written directly) reports
  // it here once the move is done.
  void NotifyCursorsChanged();
  // isSaved false and the "*" mark.
  void MarkModified();
  void MarkSaved();
  // How a command ends: samples a..b repainted and noticed, the document modified.
  void CommitEdit(int a, int b);

 private:
  bool WriteSamples(const TWaveParam& p, const WaveGenerator& generator);
  bool InDoc(int i) const { return i >= 0 && i < dataLen; }

  struct ListenerRef {
    WaveDocListener* p = nullptr;
    ListenerRef() = default;
    ListenerRef(const ListenerRef&) {}
    ListenerRef& operator=(const ListenerRef&) { return *this; }
    WaveDocListener* operator->() const { return p; }
    explicit operator bool() const { return p != nullptr; }
  };

  ListenerRef listener_;
  bool hasSnapshot_ = false;
};

}  // namespace averoz
