#pragma once
// The data browser's table: row 0 holds the headers, row r the address r - 1; column 0 the
// address, 1 the cursor mark. A waveform document fills columns 2 the value, 3 the block
// and 4 the generator kind ("-" outside protected blocks); a pattern document columns 2..7
// the bits of channels 6..1, 8 the data word in decimal and 9 in hex. The table keeps its
// own copy of the columns: it may lag behind the document (out of date) or hold what Save
// wrote.
#include <QAbstractTableModel>
#include <cstdint>
#include <vector>

namespace averoz {

class PpgDoc;
class WaveDoc;

class BrowserModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  static constexpr int kWaveColumns = 5;
  static constexpr int kPatternColumns = 10;
  static constexpr int kNoKind = -1;  // shown as "-"

  explicit BrowserModel(QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  // The header row and the address column serve as the view's frozen headers.
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

  bool isPattern() const { return pattern_; }

  // The whole table from the document; the cursor marks go.
  void Fill(const WaveDoc& doc);
  void Fill(const PpgDoc& doc);
  // Addresses a..b (either order, clipped) from the document: every data column.
  void UpdateRows(const WaveDoc& doc, int a, int b);
  void UpdateRows(const PpgDoc& doc, int a, int b);
  // Save: addresses first..last get the value (a waveform's block becomes -1, its kind
  // text stays; a pattern's "Dec" and "Hex" follow the word).
  void WriteValue(int first, int last, std::int32_t value);
  // Browser undo: only the value columns of first..last come back from the document (a
  // waveform's value, a pattern's bits).
  void CopyValues(const WaveDoc& doc, int first, int last);
  void CopyValues(const PpgDoc& doc, int first, int last);

  // Cursor marks by row; row 0 or less is no mark.
  void SetMark(int row, const QString& mark);
  QString text(int row, int column) const;
  // What edData shows for a row: the value, or the six bits, channel 6 first.
  QString valueText(int row) const;

  const std::vector<std::int32_t>& values() const { return values_; }
  const std::vector<std::int16_t>& blocks() const { return blocks_; }

 private:
  void Reset(bool pattern, int length);
  bool ClipRange(int& a, int& b) const;
  void RowsChanged(int firstRow, int lastRow, int firstColumn, int lastColumn);

  bool pattern_ = false;
  int length_;
  // waveform columns
  std::vector<std::int32_t> values_;
  std::vector<std::int16_t> blocks_;
  std::vector<std::int8_t> kinds_;
  // pattern columns: the word the bit columns show and the one "Dec"/"Hex" show
  std::vector<std::uint8_t> bits_;
  std::vector<std::uint8_t> words_;
  int markRow_[2] = {0, 0};  // rows of "X1" and "X2"
};

}  // namespace averoz
