#include "ui/ppg/TfrmInv.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "ui/app/DialogButtons.h"
#include "ui/ppg/BevelButton.h"

namespace averoz {
namespace {

constexpr int kRowWidth = 200, kRowHeight = 40, kRowGap = 8;
// The channel names are written at a size that puts the second one under kBarSecondX.
constexpr int kNamePixels = 13;

QLabel* Text(const QString& text, const char* name, QWidget* parent, int x, int y) {
  auto* lbl = new QLabel(text, parent);
  if (name) lbl->setObjectName(QLatin1String(name));
  QFont font = lbl->font();
  font.setPixelSize(kNamePixels);
  lbl->setFont(font);
  lbl->move(x, y);
  lbl->adjustSize();
  return lbl;
}

}  // namespace

TfrmInv::TfrmInv(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmInv"));
  setWindowTitle(QStringLiteral("Invert"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setFixedSize(2 * kRowGap + kRowWidth, 3 * (kRowHeight + kRowGap) + 44);

  for (int k = 0; k < 3; ++k) {
    auto* pn = new QFrame(this);
    pn->setObjectName(QStringLiteral("pn%1").arg(k + 1));
    pn->setFrameShape(QFrame::StyledPanel);
    pn->setGeometry(kRowGap, kRowGap + k * (kRowHeight + kRowGap), kRowWidth, kRowHeight);
    const QString first = QStringLiteral("CH%1").arg(k + 1);
    const QString second = QStringLiteral("CH%1").arg(k + 4);
    Text(first + QStringLiteral("       ") + second, nullptr, pn, kBarFirstX, 14);
    // The bar sits just above the names: an over-line.
    rows_[k].bar = Text(QStringLiteral("____"), qPrintable(QStringLiteral("bar%1").arg(k + 1)),
                        pn, kBarFirstX, 0);
    rows_[k].arrow = Text(QStringLiteral("->"), qPrintable(QStringLiteral("ar%1").arg(k + 1)),
                          pn, 44, 14);
    auto* change = new BevelButton(QStringLiteral("Change"), pn);
    change->setObjectName(QStringLiteral("pninv%1").arg(k + 1));
    change->setGeometry(kRowWidth - 76, 7, 68, kRowHeight - 14);
    connect(change, &BevelButton::clicked, this, [this, k] { pninvClick(k); });
  }

  const OkCancelButtons buttons = MakeOkCancelButtons(this);
  const int y = height() - 36;
  buttons.ok->setGeometry(width() - 2 * (76 + kRowGap), y, 76, 26);
  buttons.cancel->setGeometry(width() - 76 - kRowGap, y, 76, 26);
}

bool TfrmInv::Run(InvertDirections& directions) {
  directions_ = directions;
  for (int k = 0; k < 3; ++k) ShowRow(k);
  if (exec() != QDialog::Accepted) return false;
  directions = directions_;
  return true;
}

void TfrmInv::pninvClick(int k) {
  directions_[std::size_t(k)] = !directions_[std::size_t(k)];
  ShowRow(k);
}

void TfrmInv::ShowRow(int k) {
  const bool fromSecond = directions_[std::size_t(k)];
  rows_[k].arrow->setText(fromSecond ? QStringLiteral("<-") : QStringLiteral("->"));
  rows_[k].bar->move(fromSecond ? kBarSecondX : kBarFirstX, rows_[k].bar->y());
}

}  // namespace averoz
