#include "ui/files/Tfrminfo.h"

#include <QHideEvent>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/app/AppContext.h"
#include "ui/files/CenterOn.h"

namespace averoz {

Tfrminfo::Tfrminfo(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint) {
  setObjectName(QStringLiteral("frminfo"));
  setWindowTitle(QStringLiteral("Status"));
  setModal(false);

  mestatus_ = new QPlainTextEdit(this);
  mestatus_->setObjectName(QStringLiteral("mestatus"));
  mestatus_->setReadOnly(true);
  mestatus_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  pbaccess_ = new QProgressBar(this);
  pbaccess_->setObjectName(QStringLiteral("pbaccess"));
  pbaccess_->setRange(0, 0);
  pbaccess_->setValue(0);
  auto* bnOK = new QPushButton(QStringLiteral("OK"), this);
  bnOK->setObjectName(QStringLiteral("bnOK"));
  connect(bnOK, &QPushButton::clicked, this, &QDialog::close);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(mestatus_, 1);
  layout->addWidget(pbaccess_);
  layout->addWidget(bnOK, 0, Qt::AlignHCenter);
  resize(460, 260);
}

void Tfrminfo::ApplyLanguageFont() {
  QFont font = mestatus_->font();
  if (AppContext::instance().language() == "Japanese") {
    // Fallbacks for desktops without the Windows font; fontconfig finds a CJK face.
    font.setFamilies({QStringLiteral("MS UI Gothic"), QStringLiteral("Noto Sans CJK JP")});
  } else {
    font = QWidget::font();
  }
  mestatus_->setFont(font);
}

void Tfrminfo::Clear() {
  mestatus_->clear();
  ApplyLanguageFont();
  pbaccess_->setValue(pbaccess_->minimum());
  if (!isVisible()) {
    CenterOnParent(*this);
    show();
  }
  raise();
}

void Tfrminfo::Append(const Message& line) {
  mestatus_->appendPlainText(QString::fromStdString(line.prefix) +
                             AppContext::instance().text(line.id) +
                             QString::fromStdString(line.suffix));
}

void Tfrminfo::AppendText(const std::string& line) {
  mestatus_->appendPlainText(QString::fromStdString(line));
}

void Tfrminfo::SetProgressMax(int max) {
  pbaccess_->setRange(0, std::max(max, 0));  // an empty file reports -1
}

void Tfrminfo::SetProgress(int position) { pbaccess_->setValue(position); }

QString Tfrminfo::text() const { return mestatus_->toPlainText(); }

void Tfrminfo::hideEvent(QHideEvent* event) {
  mestatus_->clear();
  QDialog::hideEvent(event);
}

}  // namespace averoz
