// The frame the send and receive dialogs share.
#include "ui/comm/TransferDialog.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <algorithm>

#include "core/comm/Gpib.h"
#include "ui/app/AppContext.h"
#include "ui/app/TMainForm.h"
#include "ui/comm/InterfaceChoice.h"

namespace averoz {
namespace {

// The two small pictures at the ends of the progress bar: a computer and the instrument.
QPixmap Picture(bool instrument) {
  QPixmap pixmap(32, 32);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setPen(QPen(Qt::black, 1));
  if (instrument) {
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(1, 8, 30, 18);
    p.setBrush(QColor(40, 90, 40));
    p.drawRect(4, 11, 14, 10);
    p.setPen(QPen(QColor(120, 255, 120), 1));
    p.drawPolyline(QPolygon({{5, 16}, {8, 13}, {11, 19}, {14, 13}, {17, 16}}));
  } else {
    p.setBrush(QColor(220, 220, 220));
    p.drawRect(4, 3, 24, 18);
    p.setBrush(QColor(60, 80, 160));
    p.drawRect(7, 6, 18, 12);
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(2, 24, 28, 5);
  }
  return pixmap;
}

QLabel* PictureLabel(QWidget* parent, const char* name, bool instrument) {
  auto* label = new QLabel(parent);
  label->setObjectName(QLatin1String(name));
  label->setPixmap(Picture(instrument));
  return label;
}

QPushButton* Button(QWidget* parent, const char* name, const char* caption) {
  auto* button = new QPushButton(QString::fromUtf8(caption), parent);
  button->setObjectName(QLatin1String(name));
  button->setAutoDefault(false);
  return button;
}

}  // namespace

TransferDialog::TransferDialog(TMainForm& main, bool receiving)
    : QDialog(&main, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), main_(main) {
  setModal(true);
  cbMethod_ = new QComboBox(this);
  cbMethod_->setObjectName(QStringLiteral("cbMethod"));
  cbMethod_->addItems(TransferInterfaces());
  cbblock_ = new QComboBox(this);
  cbblock_->setObjectName(QStringLiteral("cbblock"));
  cbblock_->addItems({QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"),
                      QStringLiteral("3")});
  auto* lblWave = new QLabel(QStringLiteral("Memory Select"), this);
  lblWave->setObjectName(QStringLiteral("lblWave"));

  bnOK_ = Button(this, "bnOK", receiving ? "Receive" : "Send");
  bnCancel_ = Button(this, "bnCancel", "Cancel");
  bnAbort_ = Button(this, "bnAbort", "Abort");
  bnAbort_->hide();

  lblinfo_ = new QLabel(this);
  lblinfo_->setObjectName(QStringLiteral("lblinfo"));
  lblinfo_->hide();
  if (AppContext::instance().language() == "Japanese")
    lblinfo_->setFont(QFont(QStringLiteral("MS UI Gothic")));
  pbaccess_ = new QProgressBar(this);
  pbaccess_->setObjectName(QStringLiteral("pbaccess"));
  pbaccess_->setTextVisible(false);
  pbaccess_->setValue(0);

  auto* grid = new QGridLayout(this);
  grid->addWidget(cbMethod_, 0, 0, 1, 2);
  grid->addWidget(lblWave, 1, 0);
  grid->addWidget(cbblock_, 1, 1);
  auto* progress = new QHBoxLayout;
  // The data flows from left to right: computer to instrument on send, back on receive.
  progress->addWidget(PictureLabel(this, receiving ? "imgPG" : "imgPC", receiving));
  progress->addWidget(pbaccess_, 1);
  progress->addWidget(PictureLabel(this, receiving ? "imgPC" : "imgPG", !receiving));
  grid->addLayout(progress, 2, 0, 1, 3);
  grid->addWidget(lblinfo_, 3, 0, 1, 3);
  grid->addWidget(bnOK_, 0, 2);
  grid->addWidget(bnCancel_, 1, 2);
  grid->addWidget(bnAbort_, 1, 2);  // over Cancel

  connect(bnOK_, &QPushButton::clicked, this, [this] { bnOKClick(); });
  connect(bnCancel_, &QPushButton::clicked, this, &QDialog::reject);
  connect(bnAbort_, &QPushButton::clicked, this, [this] { bnAbortClick(); });
  // After every interface has its item: the stored choice may be any of them.
  RememberInterfaceChoice(*cbMethod_);
}

void TransferDialog::FormShow() {
  settings_ = LoadTransferSettings(AppContext::instance().settings(), settings_);
  transferOk = false;
  pbaccess_->setValue(0);
}

GpibTarget TransferDialog::gpibTarget() const {
  return GpibTargetOf(settings_, GpibLibraryName(AppContext::instance().settings()));
}

SerialTarget TransferDialog::serialTarget() const { return SerialTargetOf(settings_, timing_); }

LanTarget TransferDialog::lanTarget() const { return LanTargetOf(settings_, timing_); }

void TransferDialog::reject() {
  if (!busy_) QDialog::reject();
}

void TransferDialog::showTransferring() {
  busy_ = true;
  bnAbort_->show();
  bnAbort_->raise();
  bnOK_->setEnabled(false);
  lblinfo_->setText(AppContext::instance().text(IMFMSG(12)));
  lblinfo_->show();
  repaint();
}

void TransferDialog::showConfirming() {
  bnAbort_->setEnabled(false);
  lblinfo_->setText(AppContext::instance().text(IMFMSG(13)));
  repaint();
}

void TransferDialog::showEnded() {
  lblinfo_->hide();
  repaint();
}

void TransferDialog::showIdle() {
  busy_ = false;
  bnAbort_->setEnabled(true);
  bnAbort_->hide();
  bnOK_->setEnabled(true);
  lblinfo_->hide();
  pbaccess_->setValue(0);
}

void TransferDialog::setProgressMaximum(int maximum) { pbaccess_->setMaximum(maximum); }

void TransferDialog::setProgress(int position) {
  pbaccess_->setValue(std::min(position, pbaccess_->maximum()));
}

void TransferDialog::letEventsRun() { QCoreApplication::processEvents(); }

}  // namespace averoz
