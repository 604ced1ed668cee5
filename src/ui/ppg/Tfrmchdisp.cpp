#include "ui/ppg/Tfrmchdisp.h"

#include <QListWidget>
#include <QPushButton>

#include "ui/app/DialogButtons.h"

namespace averoz {

Tfrmchdisp::Tfrmchdisp(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmchdisp"));
  setWindowTitle(QStringLiteral("CH View"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setFixedSize(228, 168);

  listch_ = new QListWidget(this);
  listch_->setObjectName(QStringLiteral("listch"));
  listch_->setSelectionMode(QAbstractItemView::SingleSelection);
  listch_->setGeometry(12, 12, 72, 144);

  auto button = [this](const char* name, const char* caption, int y) {
    auto* b = new QPushButton(QLatin1String(caption), this);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(96, y, 120, 24);
    return b;
  };
  connect(button("bnup", "Up", 12), &QPushButton::clicked, this, &Tfrmchdisp::bnupClick);
  connect(button("bndown", "Down", 40), &QPushButton::clicked, this, &Tfrmchdisp::bndownClick);
  connect(button("bnini", "Default", 68), &QPushButton::clicked, this, &Tfrmchdisp::bniniClick);
  connect(button("bnpair", "PairCH View", 96), &QPushButton::clicked, this,
          &Tfrmchdisp::bnpairClick);
  const OkCancelButtons buttons = MakeOkCancelButtons(this);
  buttons.ok->setGeometry(96, 132, 58, 24);
  buttons.cancel->setGeometry(158, 132, 58, 24);
}

std::optional<ChannelOrder> Tfrmchdisp::Run(const ChannelOrder& order) {
  Fill(order);
  listch_->setCurrentRow(0);
  if (exec() != QDialog::Accepted) return std::nullopt;
  return Order();
}

void Tfrmchdisp::Fill(const ChannelOrder& order) {
  const int current = listch_->currentRow();
  listch_->clear();
  for (const std::uint8_t ch : order) listch_->addItem(QStringLiteral("CH%1").arg(ch + 1));
  if (current >= 0) listch_->setCurrentRow(current);
}

void Tfrmchdisp::MoveSelected(int step) {
  const int row = listch_->currentRow();
  const int to = row + step;
  if (row < 0 || to < 0 || to >= listch_->count()) return;
  QListWidgetItem* item = listch_->takeItem(row);
  listch_->insertItem(to, item);
  listch_->setCurrentRow(to);
}

ChannelOrder Tfrmchdisp::Order() const {
  ChannelOrder order{};
  // Each item ends in its channel's number.
  for (int i = 0; i < kPpgChannels; ++i)
    order[std::size_t(i)] = std::uint8_t(listch_->item(i)->text().right(1).toInt() - 1);
  return order;
}

}  // namespace averoz
