#include "ui/app/BrowserModel.h"

#include <algorithm>

#include "core/app/DataBrowser.h"
#include "core/app/general.h"
#include "core/ppg/PpgDoc.h"
#include "core/wave/WaveDoc.h"

namespace averoz {

namespace {

constexpr const char* kWaveHeaders[BrowserModel::kWaveColumns] = {"", "Csr", "Value", "Block",
                                                                  "kind"};
constexpr const char* kPatternHeaders[BrowserModel::kPatternColumns] = {
    "", "Csr", "ch6", "ch5", "ch4", "ch3", "ch2", "ch1", "Dec", "Hex"};

std::int8_t KindOf(const WaveDoc& doc, int i) {
  const int block = doc.blockNo[i];
  if (block == kBlockFree) return BrowserModel::kNoKind;
  if (block < 0 || block >= int(doc.blockParams.size())) return BrowserModel::kNoKind;
  return std::int8_t(doc.blockParams[block].kind);
}

}  // namespace

BrowserModel::BrowserModel(QObject* parent)
    : QAbstractTableModel(parent),
      length_(WaveDoc::dataLen),
      values_(WaveDoc::dataLen, kUndrawn),
      blocks_(WaveDoc::dataLen, kBlockNever),
      kinds_(WaveDoc::dataLen, kNoKind) {}

int BrowserModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : length_ + 1;
}

int BrowserModel::columnCount(const QModelIndex& parent) const {
  if (parent.isValid()) return 0;
  return pattern_ ? kPatternColumns : kWaveColumns;
}

QString BrowserModel::text(int row, int column) const {
  if (row == 0) return QLatin1String(pattern_ ? kPatternHeaders[column] : kWaveHeaders[column]);
  const int i = row - 1;
  if (column == 0) return QString::number(i);
  if (column == 1)
    return row == markRow_[0] ? QStringLiteral("X1")
         : row == markRow_[1] ? QStringLiteral("X2") : QString();
  if (pattern_) return QString::fromStdString(PatternCellText(bits_[i], words_[i], column));
  switch (column) {
    case 2: return QString::number(values_[i]);
    case 3: return QString::number(blocks_[i]);
    default: return kinds_[i] == kNoKind ? QStringLiteral("-") : QString::number(kinds_[i]);
  }
}

QString BrowserModel::valueText(int row) const {
  if (!pattern_) return text(row, 2);
  return row > 0 && row <= length_ ? QString::fromStdString(IntToBin6(bits_[row - 1]))
                                   : QString();
}

QVariant BrowserModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid()) return {};
  return text(index.row(), index.column());
}

QVariant BrowserModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || section < 0) return {};
  if (orientation == Qt::Horizontal)
    return section < columnCount() ? text(0, section) : QVariant();
  return section < rowCount() ? text(section, 0) : QVariant();
}

// Called between beginResetModel and endResetModel: the columns of one kind, the marks gone.
void BrowserModel::Reset(bool pattern, int length) {
  pattern_ = pattern;
  length_ = length;
  markRow_[0] = markRow_[1] = 0;
}

void BrowserModel::Fill(const WaveDoc& doc) {
  beginResetModel();
  Reset(false, doc.dataLen);
  values_ = doc.waveData;
  blocks_ = doc.blockNo;
  kinds_.resize(values_.size());
  for (int i = 0; i < int(kinds_.size()); ++i) kinds_[i] = KindOf(doc, i);
  endResetModel();
}

void BrowserModel::Fill(const PpgDoc& doc) {
  beginResetModel();
  Reset(true, doc.dataLen);
  bits_.resize(std::size_t(doc.dataLen));
  for (int i = 0; i < doc.dataLen; ++i) bits_[i] = std::uint8_t(doc.Word(i));
  words_ = bits_;
  endResetModel();
}

bool BrowserModel::ClipRange(int& a, int& b) const {
  if (a > b) std::swap(a, b);
  a = std::max(a, 0);
  b = std::min(b, length_ - 1);
  return a <= b;
}

void BrowserModel::RowsChanged(int firstRow, int lastRow, int firstColumn, int lastColumn) {
  emit dataChanged(index(firstRow, firstColumn), index(lastRow, lastColumn), {Qt::DisplayRole});
}

void BrowserModel::UpdateRows(const WaveDoc& doc, int a, int b) {
  if (pattern_ || !ClipRange(a, b)) return;
  for (int i = a; i <= b; ++i) {
    values_[i] = doc.waveData[i];
    blocks_[i] = doc.blockNo[i];
    kinds_[i] = KindOf(doc, i);
  }
  RowsChanged(a + 1, b + 1, 2, 4);
}

void BrowserModel::UpdateRows(const PpgDoc& doc, int a, int b) {
  if (!pattern_ || !ClipRange(a, b)) return;
  for (int i = a; i <= b; ++i) bits_[i] = words_[i] = std::uint8_t(doc.Word(i));
  RowsChanged(a + 1, b + 1, 2, kPatternColumns - 1);
}

void BrowserModel::WriteValue(int first, int last, std::int32_t value) {
  if (!ClipRange(first, last)) return;
  if (pattern_) {
    std::fill(bits_.begin() + first, bits_.begin() + last + 1, std::uint8_t(value));
    std::fill(words_.begin() + first, words_.begin() + last + 1, std::uint8_t(value));
    RowsChanged(first + 1, last + 1, 2, kPatternColumns - 1);
    return;
  }
  std::fill(values_.begin() + first, values_.begin() + last + 1, value);
  std::fill(blocks_.begin() + first, blocks_.begin() + last + 1, kBlockFree);
  RowsChanged(first + 1, last + 1, 2, 3);
}

void BrowserModel::CopyValues(const WaveDoc& doc, int first, int last) {
  if (pattern_ || !ClipRange(first, last)) return;
  std::copy(doc.waveData.begin() + first, doc.waveData.begin() + last + 1,
            values_.begin() + first);
  RowsChanged(first + 1, last + 1, 2, 2);
}

void BrowserModel::CopyValues(const PpgDoc& doc, int first, int last) {
  if (!pattern_ || !ClipRange(first, last)) return;
  for (int i = first; i <= last; ++i) bits_[i] = std::uint8_t(doc.Word(i));
  RowsChanged(first + 1, last + 1, 2, 7);
}

void BrowserModel::SetMark(int row, const QString& mark) {
  const int which = mark == QLatin1String("X1") ? 0 : mark == QLatin1String("X2") ? 1 : -1;
  if (which < 0) return;
  const int old = markRow_[which];
  markRow_[which] = row > 0 && row < rowCount() ? row : 0;
  if (old > 0) RowsChanged(old, old, 1, 1);
  if (markRow_[which] > 0) RowsChanged(markRow_[which], markRow_[which], 1, 1);
}

}  // namespace averoz
