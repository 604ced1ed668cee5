#pragma once
// "CH View": the display order of the six pattern channels, rearranged in a list (Up, Down,
// Default, PairCH View) and handed back on OK.
#include <QDialog>
#include <array>
#include <cstdint>
#include <optional>

#include "core/ppg/PpgDoc.h"

class QListWidget;

namespace averoz {

using ChannelOrder = std::array<std::uint8_t, kPpgChannels>;

class Tfrmchdisp : public QDialog {
  Q_OBJECT
 public:
  explicit Tfrmchdisp(QWidget* parent = nullptr);

  // Modal, starting from `order` (a document's chOrder); the new order on OK, nothing on
  // Cancel.
  std::optional<ChannelOrder> Run(const ChannelOrder& order);

  void bnupClick() { MoveSelected(-1); }
  void bndownClick() { MoveSelected(+1); }
  void bniniClick() { Fill(kNormalOrder); }
  void bnpairClick() { Fill(kPairOrder); }

 private:
  void Fill(const ChannelOrder& order);
  // Swaps the selected item with its neighbour `step` rows away and follows it.
  void MoveSelected(int step);
  ChannelOrder Order() const;

  QListWidget* listch_;
};

}  // namespace averoz
