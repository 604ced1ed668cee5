#pragma once
// The data of one pattern document: six channels of 16384 bits, the display order of the
// channels, the rectangular selection (addresses x display rows) and one undo snapshot.
// GUI-free: the window listens for what changed and repaints it.
//
// Invariants the operations keep: every bit is 0 or 1; chOrder is a permutation of 0..5.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/wave/WaveScale.h"

namespace averoz {

inline constexpr int kPpgChannels = 6;
inline constexpr std::int32_t kPpgLen = 16384;

// Channel ch and PairOf(ch) are a pair: CH1-CH4, CH2-CH5, CH3-CH6.
constexpr int PairOf(int ch) { return (ch + 3) % kPpgChannels; }
// A 6-bit channel mask (bit ch = channel ch) holds both channels of some pair.
constexpr bool MaskHoldsPair(std::uint32_t mask) { return (mask & (mask >> 3) & 7u) != 0; }

// A corner of the selection: x an address, y a display row.
struct PpgPoint {
  std::int32_t x = 0;
  std::int32_t y = 0;
  friend bool operator==(const PpgPoint&, const PpgPoint&) = default;
};

class PpgDocListener {
 public:
  virtual ~PpgDocListener() = default;
  // Addresses a..b changed (all channels may have): repaint, changed-range notice.
  virtual void DataChanged(int /*a*/, int /*b*/) {}
  virtual void UndoStateChanged(bool /*ready*/) {}
  virtual void ModifiedChanged(bool /*modified*/) {}
  virtual void SelectionChanged() {}
  // chOrder changed: header captions, grid and read-outs.
  virtual void OrderChanged() {}
  // Channel `derived` was rewritten as the inverse of its pair over from..to: the marker of
  // its pair shows the range for a moment.
  virtual void PairInverted(int /*derived*/, int /*from*/, int /*to*/) {}
};

class PpgDoc {
 public:
  static constexpr std::int32_t dataLen = kPpgLen;
  static constexpr std::uint8_t docKind = 2;

  PpgDoc();

  // Not owned; nullptr silences the document. A copy starts without one.
  void SetListener(PpgDocListener* listener) { listener_.p = listener; }

  // ---- data ------------------------------------------------------------------------------
  std::vector<std::uint8_t> bitData;   // channel-major: bitData[ch * dataLen + addr]
  std::vector<std::uint8_t> undoData;  // same layout
  bool undoReady = false;
  std::array<std::uint8_t, kPpgChannels> chOrder{0, 1, 2, 3, 4, 5};

  bool rangeSelected = false;
  PpgPoint selBegin;  // inclusive corners; selBegin.x == selEnd.x is an insertion point
  PpgPoint selEnd;

  bool autoInvert = false;
  std::uint8_t editMode = 0;  // 0 select, 1 cursor, 4 bit pen, 5 pen High, 6 pen Lo
  bool xCursorOn = false;
  bool yCursorOn = false;
  std::int32_t csrX1 = dataLen / 3;
  std::int32_t csrX2 = dataLen * 2 / 3;
  double rescaleX = dataLen;

  bool isSaved = true;
  std::string browserKey;
  std::string fileName;

  // The X units of the read-outs and dialogs (addresses by default); Y is unused.
  WaveScale Scale() const { return {dataLen, rescaleX, 0.0, 1.0}; }
  // An address in X units as shown to the user ("0.###").
  std::string AddressText(double address) const;

  std::uint8_t& bit(int ch, int addr) { return bitData[std::size_t(ch) * dataLen + addr]; }
  std::uint8_t bit(int ch, int addr) const { return bitData[std::size_t(ch) * dataLen + addr]; }
  std::span<std::uint8_t> channel(int ch) {
    return {bitData.data() + std::size_t(ch) * dataLen, std::size_t(dataLen)};
  }
  std::span<const std::uint8_t> channel(int ch) const {
    return {bitData.data() + std::size_t(ch) * dataLen, std::size_t(dataLen)};
  }
  // Replaces all bits (6 x dataLen, channel-major, non-zero = 1); false when the size differs.
  bool LoadBits(std::span<const std::uint8_t> bits);

  // ---- queries ---------------------------------------------------------------------------
  // The data word of an address: CH1 is bit 0.
  int Word(int addr) const;
  // Display row of channel ch; 0 when not found.
  int DisplayPos(int ch) const;
  // The bits of rows firstRow..lastRow at addr as "0"/"1", the first row rightmost.
  std::string DisplayRowBits(int addr, int firstRow, int lastRow) const;
  // Mask of the channels shown in rows firstRow..lastRow (rows clipped to 0..5).
  std::uint32_t RowMask(int firstRow, int lastRow) const;
  // Mask of the selected rows (empty when selEnd.y < selBegin.y).
  std::uint32_t SelectedMask() const { return RowMask(selBegin.y, selEnd.y); }
  bool PairInSelection() const { return MaskHoldsPair(SelectedMask()); }
  int SelectedRowCount() const { return selEnd.y - selBegin.y + 1; }

  // ---- undo ------------------------------------------------------------------------------
  void SaveUndo();
  // Puts the snapshot back (also when undoReady is already false: previews are thrown away
  // this way) and reports the whole range. False, nothing changed, before any snapshot.
  bool RestoreUndo();
  // Undo becomes unavailable; the bits stay.
  void DropUndo();

  // ---- raw edits: they report nothing; the command reports its range once ----------------
  // For each display row firstRow..lastRow: bits s.. move d addresses up; those pushed past
  // the end are lost, s..s+d-1 keep their old values. Nothing happens for d < 1 or s
  // outside the document.
  void ShiftRows(int firstRow, int lastRow, int d, int s);
  // Channel PairOf(ch) becomes the inverse of ch over from..to (clipped to the document);
  // reports PairInverted.
  void InvertPair(int ch, int from, int to);
  // InvertPair for every channel of mask.
  void InvertPairs(std::uint32_t mask, int from, int to);

  // ---- selection and order ---------------------------------------------------------------
  void SetSelection(PpgPoint begin, PpgPoint end);
  // No selection, both corners (0, 0).
  void ResetSelection();
  // chOrder = order (a permutation of 0..5, else ignored); resets the selection.
  bool SetOrder(const std::array<std::uint8_t, kPpgChannels>& order);

  // ---- reports ---------------------------------------------------------------------------
  void NotifyDataChanged(int a, int b);
  void MarkModified();
  void MarkSaved();
  // How an edit ends: a..b repainted and noticed, the document modified.
  void CommitEdit(int a, int b);

 private:
  struct ListenerRef {
    PpgDocListener* p = nullptr;
    ListenerRef() = default;
    ListenerRef(const ListenerRef&) {}
    ListenerRef& operator=(const ListenerRef&) { return *this; }
    PpgDocListener* operator->() const { return p; }
    explicit operator bool() const { return p != nullptr; }
  };

  ListenerRef listener_;
  bool hasSnapshot_ = false;
};

// Display orders: Normal View (CH1..CH6) and Pair CH View (CH1, CH4, CH2, CH5, CH3, CH6).
inline constexpr std::array<std::uint8_t, kPpgChannels> kNormalOrder{0, 1, 2, 3, 4, 5};
inline constexpr std::array<std::uint8_t, kPpgChannels> kPairOrder{0, 3, 1, 4, 2, 5};

}  // namespace averoz
