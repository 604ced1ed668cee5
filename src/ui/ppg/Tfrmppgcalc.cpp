#include "ui/ppg/Tfrmppgcalc.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <string>

#include "core/app/Prompter.h"
#include "ui/wave/FieldChecks.h"
#include "ui/wave/UpDown.h"

namespace averoz {
namespace {

const QStringList kOps = {"EQU", "NOT", "AND", "OR", "XOR", "Rotate", "Shift"};

QStringList ChannelNames() {
  QStringList names;
  for (int ch = 1; ch <= kPpgChannels; ++ch) names << QStringLiteral("CH%1").arg(ch);
  return names;
}

QLabel* Caption(const char* text, QWidget* parent, int x, int y) {
  auto* lbl = new QLabel(QLatin1String(text), parent);
  lbl->move(x, y);
  return lbl;
}

// A captioned list of choices in the middle column.
QComboBox* Choices(const char* caption, const char* name, const QStringList& items,
                   QWidget* parent, int y) {
  Caption(caption, parent, 96, y);
  auto* combo = new QComboBox(parent);
  combo->setObjectName(QLatin1String(name));
  combo->addItems(items);
  combo->setGeometry(96, y + 18, 104, 24);
  return combo;
}

}  // namespace

Tfrmppgcalc::Tfrmppgcalc(QWidget* parent, Prompter& prompter)
    : QDialog(parent), prompter_(prompter) {
  setObjectName(QStringLiteral("frmppgcalc"));
  setWindowTitle(QStringLiteral("Math"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setFixedSize(408, 164);

  Caption("Source", this, 12, 10);
  listch_ = new QListWidget(this);
  listch_->setObjectName(QStringLiteral("listch"));
  listch_->addItems(ChannelNames());
  listch_->setGeometry(12, 28, 72, 124);

  cboCalc_ = Choices("Operation", "cboCalc", kOps, this, 10);
  connect(cboCalc_, &QComboBox::currentIndexChanged, this, &Tfrmppgcalc::cboCalcChange);
  cboDestch_ = Choices("Destination", "cboDestch", ChannelNames(), this, 58);

  Caption("Data Length", this, 96, 108);
  edData_ = new QLineEdit(this);
  edData_->setObjectName(QStringLiteral("edData"));
  edData_->setGeometry(96, 126, 104, 22);
  edData_->setEnabled(false);  // the range is the selection's

  pnrotate_ = new QWidget(this);
  pnrotate_->setObjectName(QStringLiteral("pnrotate"));
  pnrotate_->setGeometry(212, 4, 100, 150);
  const FieldRow count = AddFieldRow(pnrotate_, 0, 6, 72, "lblRpt", "edRot", "udRot",
                                     QStringLiteral("Count(1_100)"));
  lblRpt_ = count.lbl;
  edRot_ = count.ed;
  edRot_->setText(prevRotText_);
  edRot_->installEventFilter(this);
  TrimWhileTyping(edRot_);
  connect(count.ud, &UpDown::stepped, this, [this](bool up) {
    SettleSpin(edRot_, prevRotText_,
               std::to_string(StepCalcCount(prevRotText_.toInt(), up, maxCount_)));
  });
  rbleft_ = new QRadioButton(QStringLiteral("Left"), pnrotate_);
  rbleft_->setObjectName(QStringLiteral("rbleft"));
  rbleft_->setGeometry(0, 60, 96, 22);
  rbleft_->setChecked(true);
  auto* rbright = new QRadioButton(QStringLiteral("Right"), pnrotate_);
  rbright->setObjectName(QStringLiteral("RadioButton1"));
  rbright->setGeometry(0, 86, 96, 22);

  auto button = [this](const char* name, const char* caption, int y) {
    return AddFieldDialogButton(this, name, caption, QRect(316, y, 80, 26));
  };
  bnOK_ = button("bnOK", "OK", 12);
  bnCancel_ = button("bnCancel", "Cancel", 44);
  bnPreview_ = button("bnPreview", "Preview", 90);
  connect(bnOK_, &QPushButton::clicked, this, &Tfrmppgcalc::bnOKClick);
  connect(bnPreview_, &QPushButton::clicked, this, &Tfrmppgcalc::bnPreviewClick);
  connect(bnCancel_, &QPushButton::clicked, this, &QDialog::reject);
  cboCalcChange();
}

std::optional<PpgCalcChoice> Tfrmppgcalc::Run(const PpgCalcSetup& setup,
                                              PpgCalcPreview& preview) {
  preview_ = &preview;
  maxCount_ = setup.maxCount;
  {
    const QSignalBlocker block(cboCalc_);
    cboCalc_->setCurrentIndex(static_cast<int>(setup.op));
  }
  cboCalcChange();
  cboDestch_->setCurrentIndex(0);
  edData_->setText(QString::fromStdString(setup.dataText));
  lblRpt_->setText(QString::fromStdString(setup.countLabel));
  lblRpt_->adjustSize();
  prevRotText_ = QStringLiteral("1");
  edRot_->setText(prevRotText_);
  rbleft_->setChecked(true);
  SelectSources(setup.sourceMask);

  std::optional<PpgCalcChoice> choice;
  if (exec() == QDialog::Accepted) choice = Choice();
  preview_ = nullptr;
  return choice;
}

LogicOp Tfrmppgcalc::op() const { return static_cast<LogicOp>(cboCalc_->currentIndex()); }

std::uint32_t Tfrmppgcalc::SourceMask() const {
  std::uint32_t mask = 0;
  for (int i = 0; i < listch_->count(); ++i)
    if (listch_->item(i)->isSelected()) mask |= 1u << i;
  return mask;
}

void Tfrmppgcalc::SelectSources(std::uint32_t mask) {
  listch_->clearSelection();
  const bool one = CalcTakesOneSource(op());
  for (int i = 0; i < listch_->count(); ++i) {
    if (!(mask & (1u << i))) continue;
    listch_->setCurrentRow(i, QItemSelectionModel::NoUpdate);
    listch_->item(i)->setSelected(true);
    if (one) break;  // a single source: the first selected channel
  }
}

void Tfrmppgcalc::cboCalcChange() {
  const LogicOp o = op();
  if (CalcTakesOneSource(o)) {
    // Of several sources one stays: the current item when it is selected, else the first.
    const std::uint32_t mask = SourceMask();
    const int current = listch_->currentRow();
    const bool keepCurrent = current >= 0 && (mask & (1u << current));
    listch_->setSelectionMode(QAbstractItemView::SingleSelection);
    SelectSources(keepCurrent ? 1u << current : mask);
  } else {
    listch_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  }
  pnrotate_->setVisible(CalcShowsCount(o));
}

bool Tfrmppgcalc::CheckCount() {
  if (const auto n = CheckCalcCount(edRot_->text().toStdString(), maxCount_)) {
    SettleSpin(edRot_, prevRotText_, std::to_string(*n));
    return true;
  }
  RefuseField(edRot_, prevRotText_, prompter_, Message{ERRMSG(3), {}, {}});
  return false;
}

bool Tfrmppgcalc::CheckChoice() {
  if (const auto refusal = CheckCalcSources(op(), SourceMask())) {
    prompter_.warn(*refusal);
    listch_->setFocus();
    return false;
  }
  return !CalcShowsCount(op()) || edRot_->text() == prevRotText_ || CheckCount();
}

PpgCalcChoice Tfrmppgcalc::Choice() const {
  PpgCalcChoice c;
  c.op = op();
  c.srcMask = SourceMask();
  c.dest = cboDestch_->currentIndex();
  c.toRight = !rbleft_->isChecked();
  c.amount = prevRotText_.toInt();
  return c;
}

void Tfrmppgcalc::bnOKClick() {
  if (CheckChoice()) accept();
}

void Tfrmppgcalc::bnPreviewClick() {
  if (preview_ && CheckChoice()) preview_->Preview(Choice());
}

bool Tfrmppgcalc::eventFilter(QObject* watched, QEvent* event) {
  if (watched == edRot_ &&
      CheckOnEnterOrLeave(event, this, {bnOK_, bnPreview_, bnCancel_}, [this] { CheckCount(); }))
    return true;
  return QDialog::eventFilter(watched, event);
}

}  // namespace averoz
