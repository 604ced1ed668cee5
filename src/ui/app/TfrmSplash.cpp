#include "ui/app/TfrmSplash.h"

#include <QLabel>
#include <QPalette>
#include <QScreen>

#include "ui/app/Logo.h"

namespace averoz {
namespace {
constexpr int kLogoSize = 160;
}

TfrmSplash::TfrmSplash(QWidget* centreOn)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint),
      logo_(new QLabel(this)),
      shape1_(new QWidget(this)),
      lblVersion_(new QLabel(QStringLiteral("Version 1.00"), this)),
      lblProduct_(new QLabel(QStringLiteral("VI Ved Averoz"), this)),
      centreOn_(centreOn) {
  setObjectName(QStringLiteral("frmSplash"));
  setAttribute(Qt::WA_DeleteOnClose);
  setFixedSize(420, 220);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, QColor(16, 20, 28));
  pal.setColor(QPalette::WindowText, QColor(230, 235, 245));
  setPalette(pal);
  setAutoFillBackground(true);

  static_cast<QLabel*>(logo_)->setPixmap(ProgramLogo(kLogoSize));
  logo_->setGeometry(24, 30, kLogoSize, kLogoSize);
  shape1_->setObjectName(QStringLiteral("Shape1"));
  shape1_->setAutoFillBackground(true);
  QPalette cover = shape1_->palette();
  cover.setColor(QPalette::Window, QColor(16, 20, 28));
  shape1_->setPalette(cover);
  shape1_->setGeometry(logo_->geometry());

  QFont title = lblProduct_->font();
  title.setPointSize(18);
  title.setBold(true);
  lblProduct_->setFont(title);
  lblProduct_->setObjectName(QStringLiteral("lblProduct"));
  lblProduct_->setGeometry(205, 80, 210, 40);
  lblVersion_->setObjectName(QStringLiteral("lblVersion"));
  lblVersion_->setGeometry(205, 125, 200, 24);
  lblVersion_->hide();
  lblProduct_->hide();

  tmShow_.setInterval(100);
  connect(&tmShow_, &QTimer::timeout, this, &TfrmSplash::tmShowTimer);
}

void TfrmSplash::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  const QRect area = centreOn_ ? centreOn_->frameGeometry()
                               : (screen() ? screen()->availableGeometry() : QRect());
  if (area.isValid()) move(area.center() - rect().center());
  lblVersion_->setText(QStringLiteral("Version 1.00"));
  tick_ = 0;
  tmShow_.start();
}

void TfrmSplash::tmShowTimer() {
  ++tick_;
  if (tick_ <= 10) {
    const int h = kLogoSize - tick_ * (kLogoSize / 10);
    shape1_->setGeometry(logo_->x(), logo_->y(), kLogoSize, h);
  } else {
    shape1_->hide();  // the logo stays fully revealed on the dark ground
  }
  if (tick_ == 15) lblVersion_->show();
  if (tick_ == 18) lblProduct_->show();
  if (tick_ > 30) {
    tmShow_.stop();
    close();
  }
}

}  // namespace averoz
