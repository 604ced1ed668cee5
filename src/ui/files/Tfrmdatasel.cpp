#include "ui/files/Tfrmdatasel.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/app/DialogButtons.h"
#include "ui/files/CenterOn.h"

namespace averoz {

Tfrmdatasel::Tfrmdatasel(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setObjectName(QStringLiteral("frmdatasel"));
  setWindowTitle(QStringLiteral("Preview"));
  setModal(true);

  auto* label = new QLabel(QStringLiteral("Preview"), this);
  label->setObjectName(QStringLiteral("Label1"));

  // The panel is disabled so the memo only shows; it takes no focus and no typing.
  auto* panel = new QFrame(this);
  panel->setObjectName(QStringLiteral("Panel1"));
  panel->setFrameShape(QFrame::StyledPanel);
  panel->setEnabled(false);
  mePrev_ = new QPlainTextEdit(panel);
  mePrev_->setObjectName(QStringLiteral("mePrev"));
  mePrev_->setReadOnly(true);
  mePrev_->setLineWrapMode(QPlainTextEdit::NoWrap);
  auto* panelLayout = new QVBoxLayout(panel);
  panelLayout->setContentsMargins(2, 2, 2, 2);
  panelLayout->addWidget(mePrev_);

  rgsel_ = AddChoice("rgsel", QStringLiteral("Data Type"),
                     {QStringLiteral("Modulataion"), QStringLiteral("Operation"),
                      QStringLiteral("PPG")},
                     rgselItems_);
  rgfmt_ = AddChoice("rgfmt", QStringLiteral("Data Format"),
                     {QStringLiteral("Binary"), QStringLiteral("Decimal"), QStringLiteral("Hex")},
                     rgfmtItems_);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label);
  layout->addWidget(panel, 1);
  layout->addWidget(rgsel_);
  layout->addWidget(rgfmt_);
  layout->addLayout(OkCancelRow(this));
  resize(420, 240);
}

QGroupBox* Tfrmdatasel::AddChoice(const char* name, const QString& caption,
                                  const QStringList& items, QButtonGroup*& group) {
  auto* box = new QGroupBox(caption, this);
  box->setObjectName(QLatin1String(name));
  group = new QButtonGroup(box);
  auto* layout = new QHBoxLayout(box);
  for (int i = 0; i < items.size(); ++i) {
    auto* radio = new QRadioButton(items[i], box);
    group->addButton(radio, i);
    layout->addWidget(radio);
  }
  box->setEnabled(false);
  box->hide();
  return box;
}

void Tfrmdatasel::SetLines(const std::vector<std::string>& lines) {
  mePrev_->clear();
  const std::size_t shown = std::min<std::size_t>(lines.size(), kPreviewLines);
  for (std::size_t i = 0; i < shown; ++i) mePrev_->appendPlainText(QString::fromStdString(lines[i]));
}

bool Tfrmdatasel::RunPreview(const std::vector<std::string>& lines) {
  SetLines(lines);
  return exec() == QDialog::Accepted;
}

void Tfrmdatasel::showEvent(QShowEvent* event) {
  if (QAbstractButton* first = rgselItems_->button(0)) first->setChecked(true);
  CenterOnParent(*this);
  QDialog::showEvent(event);
}

}  // namespace averoz
