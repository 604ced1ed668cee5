#include "ui/signal/TfrmImportSignal.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/app/DialogButtons.h"
#include "ui/signal/SignalPreview.h"

namespace averoz {
namespace {

template <typename W>
W* Named(W* widget, const char* name) {
  widget->setObjectName(QLatin1String(name));
  return widget;
}

// A number as typed: a decimal point or comma, scientific notation.
bool ReadNumber(const QLineEdit* edit, double& value) {
  bool ok = false;
  value = edit->text().trimmed().replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
  return ok;
}

}  // namespace

TfrmImportSignal::TfrmImportSignal(const SignalTable& table, const QString& fileName, QWidget* parent)
    : QDialog(parent), table_(table) {
  setObjectName(QStringLiteral("TfrmImportSignal"));
  setWindowTitle(QStringLiteral("Import Signal - %1").arg(QFileInfo(fileName).fileName()));

  cbColumn_ = Named(new QComboBox(this), "cbColumn");
  for (const SignalColumn& column : table.columns) cbColumn_->addItem(QString::fromStdString(column.name));
  lblSignal_ = Named(new QLabel(this), "lblSignal");
  edLength_ = Named(new QSpinBox(this), "edLength");
  edLength_->setRange(1, int(kSignalMaxLength));
  edLength_->setValue(int(kSignalMaxLength));
  edLength_->setKeyboardTracking(false);  // one preview per entered length, not per digit

  rbMinMax_ = Named(new QRadioButton(QStringLiteral("Signal min..max to 0..4095"), this), "rbMinMax");
  rbRange_ = Named(new QRadioButton(QStringLiteral("Range to 0..4095 (clipped):"), this), "rbRange");
  rbMinMax_->setChecked(true);
  edLow_ = Named(new QLineEdit(this), "edLow");
  edHigh_ = Named(new QLineEdit(this), "edHigh");
  auto* rangeRow = new QHBoxLayout;
  rangeRow->addWidget(rbRange_);
  rangeRow->addWidget(edLow_);
  rangeRow->addWidget(new QLabel(QStringLiteral(".."), this));
  rangeRow->addWidget(edHigh_);

  rbModulation_ = Named(new QRadioButton(QStringLiteral("Modulation"), this), "rbModulation");
  rbOperation_ = Named(new QRadioButton(QStringLiteral("Operation"), this), "rbOperation");
  rbModulation_->setChecked(true);
  auto* kindRow = new QHBoxLayout;
  kindRow->addWidget(rbModulation_);
  kindRow->addWidget(rbOperation_);
  kindRow->addStretch();
  auto* kinds = new QButtonGroup(this);
  kinds->addButton(rbModulation_);
  kinds->addButton(rbOperation_);

  preview_ = Named(new SignalPreview(this), "pbPreview");
  lblProblem_ = Named(new QLabel(this), "lblProblem");
  lblProblem_->setStyleSheet(QStringLiteral("color: #c00000"));

  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("Column / channel:"), cbColumn_);
  form->addRow(QString(), lblSignal_);
  form->addRow(QStringLiteral("Length (samples):"), edLength_);
  form->addRow(QStringLiteral("Mapping:"), rbMinMax_);
  form->addRow(QString(), rangeRow);
  form->addRow(QStringLiteral("Document:"), kindRow);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(preview_, 1);
  layout->addWidget(lblProblem_);
  layout->addLayout(OkCancelRow(this));
  bnOK_ = findChild<QPushButton*>(QStringLiteral("bnOK"));

  connect(cbColumn_, &QComboBox::currentIndexChanged, this, &TfrmImportSignal::ColumnChanged);
  connect(edLength_, &QSpinBox::valueChanged, this, &TfrmImportSignal::Update);
  connect(rbMinMax_, &QRadioButton::toggled, this, &TfrmImportSignal::Update);
  connect(edLow_, &QLineEdit::textChanged, this, &TfrmImportSignal::Update);
  connect(edHigh_, &QLineEdit::textChanged, this, &TfrmImportSignal::Update);
  // Typing a range picks the range mapping.
  for (QLineEdit* edit : {edLow_, edHigh_})
    connect(edit, &QLineEdit::textEdited, rbRange_, [this] { rbRange_->setChecked(true); });
  ColumnChanged();
}

int TfrmImportSignal::docKind() const { return rbOperation_->isChecked() ? 1 : 0; }

const std::vector<std::int32_t>& TfrmImportSignal::codes() const { return preview_->codes(); }

// A new column shows its own extent and offers it as the range.
void TfrmImportSignal::ColumnChanged() {
  const std::vector<double>& values = table_.columns[std::size_t(std::max(0, cbColumn_->currentIndex()))].values;
  const auto [mn, mx] = std::minmax_element(values.begin(), values.end());
  QString text = QStringLiteral("%1 samples, %2 .. %3").arg(values.size()).arg(*mn, 0, 'g', 6).arg(*mx, 0, 'g', 6);
  if (table_.sampleRate > 0) text += QStringLiteral(", %1 Hz").arg(table_.sampleRate, 0, 'g', 6);
  lblSignal_->setText(text);
  preview_->setSignal(values);
  const QSignalBlocker low(edLow_), high(edHigh_);
  edLow_->setText(QString::number(*mn, 'g', 6));
  edHigh_->setText(QString::number(*mx, 'g', 6));
  Update();
}

bool TfrmImportSignal::ReadOptions(SignalImportOptions& options, QString& problem) const {
  options.column = std::size_t(std::max(0, cbColumn_->currentIndex()));
  options.length = std::size_t(edLength_->value());
  options.mapping.fixedRange = rbRange_->isChecked();
  if (options.mapping.fixedRange && (!ReadNumber(edLow_, options.mapping.low) || !ReadNumber(edHigh_, options.mapping.high))) {
    problem = QStringLiteral("The range needs two numbers.");
    return false;
  }
  problem = QString::fromStdString(CheckImportOptions(table_, options));
  return problem.isEmpty();
}

void TfrmImportSignal::Update() {
  SignalImportOptions options;
  QString problem;
  const bool valid = ReadOptions(options, problem);
  preview_->setCodes(valid ? ImportSignalCodes(table_, options) : std::vector<std::int32_t>{});
  lblProblem_->setText(problem);
  bnOK_->setEnabled(valid);
}

}  // namespace averoz
