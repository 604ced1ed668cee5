#pragma once
// The data browser's table of a waveform document: row 0 holds the headers, row r the
// address r - 1; column 0 the address, 1 the cursor mark, 2 the value, 3 the block, 4 the
// generator kind ("-" outside protected blocks). The table keeps its own copy of the
// columns: it may lag behind the document (out of date) or hold what Save wrote.
#include <QAbstractTableModel>
#include <cstdint>
#include <vector>

namespace averoz {

class WaveDoc;

class BrowserModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  static constexpr int kColumns = 5;
  static constexpr int kNoKind = -1;  // shown as "-"

  explicit BrowserModel(QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  // The header row and the address column serve as the view's frozen headers.
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

  // The whole table from the document; the cursor marks go.
  void Fill(const WaveDoc& doc);
  // Addresses a..b (either order, clipped) from the document: value, block and kind.
  void UpdateRows(const WaveDoc& doc, int a, int b);
  // Save: addresses first..last get the value and block -1; the kind texts stay.
  void WriteValue(int first, int last, std::int32_t value);
  // Browser undo: only the value column of first..last comes back from the document.
  void CopyValues(const WaveDoc& doc, int first, int last);

  // Cursor marks by row; row 0 or less is no mark.
  void SetMark(int row, const QString& mark);
  QString text(int row, int column) const;

  const std::vector<std::int32_t>& values() const { return values_; }
  const std::vector<std::int16_t>& blocks() const { return blocks_; }

 private:
  bool ClipRange(int& a, int& b) const;
  void RowsChanged(int firstRow, int lastRow, int firstColumn, int lastColumn);

  std::vector<std::int32_t> values_;
  std::vector<std::int16_t> blocks_;
  std::vector<std::int8_t> kinds_;
  int markRow_[2] = {0, 0};  // rows of "X1" and "X2"
};

}  // namespace averoz
