#include "ui/app/BrowserModel.h"

#include <algorithm>

#include "core/wave/WaveDoc.h"

namespace averoz {

namespace {

constexpr const char* kHeaders[BrowserModel::kColumns] = {"", "Csr", "Value", "Block", "kind"};

std::int8_t KindOf(const WaveDoc& doc, int i) {
  const int block = doc.blockNo[i];
  if (block == kBlockFree) return BrowserModel::kNoKind;
  if (block < 0 || block >= int(doc.blockParams.size())) return BrowserModel::kNoKind;
  return std::int8_t(doc.blockParams[block].kind);
}

}  // namespace

BrowserModel::BrowserModel(QObject* parent)
    : QAbstractTableModel(parent),
      values_(WaveDoc::dataLen, kUndrawn),
      blocks_(WaveDoc::dataLen, kBlockNever),
      kinds_(WaveDoc::dataLen, kNoKind) {}

int BrowserModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : int(values_.size()) + 1;
}

int BrowserModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumns;
}

QString BrowserModel::text(int row, int column) const {
  if (row == 0) return QLatin1String(kHeaders[column]);
  const int i = row - 1;
  switch (column) {
    case 0: return QString::number(i);
    case 1: return row == markRow_[0] ? QStringLiteral("X1")
                 : row == markRow_[1] ? QStringLiteral("X2") : QString();
    case 2: return QString::number(values_[i]);
    case 3: return QString::number(blocks_[i]);
    default: return kinds_[i] == kNoKind ? QStringLiteral("-") : QString::number(kinds_[i]);
  }
}

QVariant BrowserModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid()) return {};
  return text(index.row(), index.column());
}

QVariant BrowserModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || section < 0) return {};
  if (orientation == Qt::Horizontal) return section < kColumns ? text(0, section) : QVariant();
  return section < rowCount() ? text(section, 0) : QVariant();
}

void BrowserModel::Fill(const WaveDoc& doc) {
  beginResetModel();
  values_ = doc.waveData;
  blocks_ = doc.blockNo;
  for (int i = 0; i < int(kinds_.size()); ++i) kinds_[i] = KindOf(doc, i);
  markRow_[0] = markRow_[1] = 0;
  endResetModel();
}

bool BrowserModel::ClipRange(int& a, int& b) const {
  if (a > b) std::swap(a, b);
  a = std::max(a, 0);
  b = std::min(b, int(values_.size()) - 1);
  return a <= b;
}

void BrowserModel::RowsChanged(int firstRow, int lastRow, int firstColumn, int lastColumn) {
  emit dataChanged(index(firstRow, firstColumn), index(lastRow, lastColumn), {Qt::DisplayRole});
}

void BrowserModel::UpdateRows(const WaveDoc& doc, int a, int b) {
  if (!ClipRange(a, b)) return;
  for (int i = a; i <= b; ++i) {
    values_[i] = doc.waveData[i];
    blocks_[i] = doc.blockNo[i];
    kinds_[i] = KindOf(doc, i);
  }
  RowsChanged(a + 1, b + 1, 2, 4);
}

void BrowserModel::WriteValue(int first, int last, std::int32_t value) {
  if (!ClipRange(first, last)) return;
  std::fill(values_.begin() + first, values_.begin() + last + 1, value);
  std::fill(blocks_.begin() + first, blocks_.begin() + last + 1, kBlockFree);
  RowsChanged(first + 1, last + 1, 2, 3);
}

void BrowserModel::CopyValues(const WaveDoc& doc, int first, int last) {
  if (!ClipRange(first, last)) return;
  std::copy(doc.waveData.begin() + first, doc.waveData.begin() + last + 1,
            values_.begin() + first);
  RowsChanged(first + 1, last + 1, 2, 2);
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
