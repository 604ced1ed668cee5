#include "ui/app/Tfrmabout.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include "ui/app/Logo.h"

namespace averoz {

Tfrmabout::Tfrmabout(QWidget* parent)
    : QDialog(parent),
      lblVersion_(new QLabel(QStringLiteral("Version 1.00"), this)),
      lblrev_(new QLabel(this)),
      label2_(new QLabel(QStringLiteral("Revision"), this)),
      programIcon_(new QLabel(this)) {
  setObjectName(QStringLiteral("frmabout"));
  setWindowTitle(QStringLiteral("About"));
  lblVersion_->setObjectName(QStringLiteral("lblVersion"));
  lblrev_->setObjectName(QStringLiteral("lblrev"));
  label2_->setObjectName(QStringLiteral("Label2"));
  programIcon_->setObjectName(QStringLiteral("ProgramIcon"));
  programIcon_->setPixmap(ProgramLogo(64));
  lblrev_->setText(RevisionText(
      QFileInfo(QCoreApplication::applicationFilePath()).lastModified().toLocalTime()));
  lblrev_->hide();
  label2_->hide();
  auto* product = new QLabel(QStringLiteral("VI Ved Averoz"), this);
  product->setObjectName(QStringLiteral("ProductName"));
  QFont big = product->font();
  big.setPointSize(big.pointSize() + 4);
  big.setBold(true);
  product->setFont(big);
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("OKButton"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  auto* grid = new QGridLayout(this);
  grid->addWidget(programIcon_, 0, 0, 3, 1, Qt::AlignTop);
  grid->addWidget(product, 0, 1, 1, 2);
  grid->addWidget(lblVersion_, 1, 1, 1, 2);
  grid->addWidget(label2_, 2, 1);
  grid->addWidget(lblrev_, 2, 2);
  grid->addWidget(ok, 3, 0, 1, 3, Qt::AlignHCenter);
  grid->setSizeConstraint(QLayout::SetFixedSize);
  lblVersion_->installEventFilter(this);
  programIcon_->installEventFilter(this);
}

QString Tfrmabout::RevisionText(const QDateTime& lastWrite) {
  return QStringLiteral("0.") + lastWrite.toString(QStringLiteral("yyMMdd.HHmm"));
}

bool Tfrmabout::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress) {
    const auto mods = static_cast<QMouseEvent*>(event)->modifiers();
    if (watched == lblVersion_ && (mods & Qt::ControlModifier)) lblrev_->show();
    if (watched == programIcon_ && (mods & Qt::ControlModifier) && (mods & Qt::ShiftModifier)) {
      lblrev_->show();
      label2_->show();
    }
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace averoz
