#include "ui/comm/PortDeviceField.h"

#include <QComboBox>
#include <QHeaderView>
#include <QScreen>
#include <QStandardItemModel>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTreeView>
#include <algorithm>

#include "core/app/IniFile.h"
#include "core/comm/ComPortMap.h"

namespace averoz {
namespace {

constexpr const char* kSection = "RS";
// A typical adapter path ("/dev/serial/by-id/usb-…-if00-port0") fits without scrolling even
// when only short devices were stored.
constexpr int kMinimumCharacters = 40;

}  // namespace

PortDeviceField::PortDeviceField(QComboBox& ports, QWidget* parent)
    : QLineEdit(parent), ports_(ports), model_(new QStandardItemModel(kComPortCount, 2, this)) {
  setObjectName(QStringLiteral("edPortDevice"));
  for (int i = 0; i < kComPortCount; ++i) {
    model_->setItem(i, 0, new QStandardItem(QStringLiteral("COM%1").arg(i + 1)));
    model_->setItem(i, 1, new QStandardItem);
  }
  // The list shows each COM name with the device it opens; the chosen item's text stays the
  // bare COM name.
  ports_.setModel(model_);
  auto* view = new QTreeView(&ports_);
  view->setHeaderHidden(true);
  view->setRootIsDecorated(false);
  view->setAllColumnsShowFocus(true);
  view->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  ports_.setView(view);
  connect(&ports_, &QComboBox::currentIndexChanged, this, &PortDeviceField::showChosen);
  connect(this, &QLineEdit::textEdited, this, &PortDeviceField::keepEdit);
}

void PortDeviceField::load(const IniFile& settings) {
  loaded_.clear();
  for (int i = 0; i < kComPortCount; ++i) {
    loaded_ << QString::fromStdString(ComDevicePath(settings, i + 1));
    model_->item(i, 1)->setText(loaded_.back());
  }
  fitWidth();
  showChosen();
}

void PortDeviceField::save(IniFile& settings) const {
  for (int com = 1; com <= kComPortCount; ++com) {
    if (QString::fromStdString(devicePath(com)) == loaded_.value(com - 1)) continue;
    const QString device = model_->item(com - 1, 1)->text().trimmed();
    settings.WriteString(kSection, "COM" + std::to_string(com), device.toStdString());
  }
}

std::string PortDeviceField::devicePath(int com) const {
  if (com < 1 || com > kComPortCount) return {};
  const QString device = model_->item(com - 1, 1)->text().trimmed();
  // A cleared device is the default one, as an empty key is in the settings file.
  return device.isEmpty() ? DefaultComDevicePath(com) : device.toStdString();
}

void PortDeviceField::showChosen() {
  const int row = ports_.currentIndex();
  const QString device = row < 0 ? QString() : model_->item(row, 1)->text();
  setText(device);
  setToolTip(device);
  setEnabled(row >= 0);
  setCursorPosition(0);
}

void PortDeviceField::keepEdit(const QString& text) {
  const int row = ports_.currentIndex();
  if (row >= 0) model_->item(row, 1)->setText(text);
  setToolTip(text);
}

void PortDeviceField::fitWidth() {
  const QFontMetrics fm = fontMetrics();
  int text = fm.horizontalAdvance(QLatin1Char('x')) * kMinimumCharacters;
  for (const QString& device : loaded_) text = std::max(text, fm.horizontalAdvance(device));
  // The line edit keeps 2 pixels each side of its text and 1 for the cursor; the frame comes
  // from the style, as in QLineEdit's own size hint.
  const QMargins tm = textMargins();
  const QMargins cm = contentsMargins();
  QStyleOptionFrame option;
  initStyleOption(&option);
  const QSize contents(text + 4 + 1 + tm.left() + tm.right() + cm.left() + cm.right(),
                       sizeHint().height());
  int width = style()->sizeFromContents(QStyle::CT_LineEdit, &option, contents, this).width();
  // A path longer than most of the screen is scrolled rather than widening the dialog past it.
  if (const QScreen* s = screen()) width = std::min(width, s->availableGeometry().width() * 2 / 3);
  setFixedWidth(width);
  // The drop-down list shows each device whole as well.
  if (auto* view = qobject_cast<QTreeView*>(ports_.view())) {
    view->resizeColumnToContents(0);
    view->resizeColumnToContents(1);
    view->setMinimumWidth(view->columnWidth(0) + view->columnWidth(1) + 2 * view->frameWidth() +
                          view->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
  }
}

}  // namespace averoz
