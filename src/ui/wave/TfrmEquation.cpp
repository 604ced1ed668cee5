#include "ui/wave/TfrmEquation.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/app/Prompter.h"
#include "core/wave/EquationHistory.h"
#include "core/wave/ParamFields.h"
#include "ui/app/AppContext.h"
#include "ui/app/DocumentHost.h"
#include "ui/app/FitLabel.h"
#include "ui/wave/FieldChecks.h"
#include "ui/wave/TfrmWave.h"
#include "ui/wave/UpDown.h"

namespace averoz {
namespace {

constexpr int kLeft = 20, kWidth = 420, kButtonX = 460;

std::string Std(const QString& s) { return s.toStdString(); }
QString Qs(const std::string& s) { return QString::fromStdString(s); }

EquationHistory LoadHistory() {
  EquationHistory history;
  history.Load(AppContext::instance().settings());
  return history;
}

}  // namespace

TfrmEquation::TfrmEquation(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmEquation"));
  setWindowTitle(kCaption);
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setFixedSize(560, 200);

  auto* lbl = new QLabel(QStringLiteral("Expression (x, n, t)"), this);
  lbl->setObjectName(QStringLiteral("lblEquation"));
  lbl->move(kLeft, 12);
  cboEquation_ = new QComboBox(this);
  cboEquation_->setObjectName(QStringLiteral("cboEquation"));
  cboEquation_->setEditable(true);
  cboEquation_->setInsertPolicy(QComboBox::NoInsert);  // the history is kept on OK only
  cboEquation_->setGeometry(kLeft, 30, kWidth, 24);
  const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  cboEquation_->setFont(fixed);
  // Every change of the text previews, so the document always shows what is typed.
  connect(cboEquation_, &QComboBox::editTextChanged, this, &TfrmEquation::Preview);

  lblEqError_ = new QLabel(this);
  lblEqError_->setObjectName(QStringLiteral("lblEqError"));
  lblEqError_->setFont(fixed);
  lblEqError_->setStyleSheet(QStringLiteral("color: #c00000"));
  lblEqError_->setGeometry(kLeft, 58, kWidth, 40);
  lblEqError_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  const FieldRow row = AddFieldRow(this, kLeft, 110, 130, "lblEqLen", "edEqLen", "udEqLen",
                                   QStringLiteral("Data Length"));
  lblEqLen_ = row.lbl;
  edEqLen_ = row.ed;
  udEqLen_ = row.ud;
  edEqLen_->installEventFilter(this);
  TrimWhileTyping(edEqLen_);
  connect(udEqLen_, &UpDown::stepped, this, &TfrmEquation::SpinLength);

  bnOK_ = AddFieldDialogButton(this, "bnOK", "OK", QRect(kButtonX, 28, 84, 26));
  bnCancel_ = AddFieldDialogButton(this, "bnCancel", "Cancel", QRect(kButtonX, 60, 84, 26));
  connect(bnOK_, &QPushButton::clicked, this, &TfrmEquation::bnOKClick);
  connect(bnCancel_, &QPushButton::clicked, this, &QDialog::reject);
}

TfrmEquation& TfrmEquation::instance(QWidget& owner) {
  if (auto* dialog = owner.findChild<TfrmEquation*>(QStringLiteral("frmEquation"),
                                                    Qt::FindDirectChildrenOnly))
    return *dialog;
  return *new TfrmEquation(&owner);
}

bool TfrmEquation::Run(const ParamDialogSetup& setup, EquationDialogHandler& handler) {
  setup_ = setup;
  QString caption = kCaption;
  if (setup.suffix == CaptionSuffix::Insert) caption += QStringLiteral("<Insert>");
  if (setup.suffix == CaptionSuffix::Replace) caption += QStringLiteral("<Replace>");
  setWindowTitle(caption);
  lblEqLen_->setText(Qs(DataLengthLabel(setup.scale, setup.room)));
  FitLabel(lblEqLen_);
  lenAccepted_ = Qs(FieldText(ParamField::Data, setup.shown.len, setup.scale));
  edEqLen_->setText(lenAccepted_);

  {
    const QSignalBlocker block(cboEquation_);  // one preview below, once the handler is set
    cboEquation_->clear();
    const EquationHistory history = LoadHistory();
    for (const std::string& item : history.items()) cboEquation_->addItem(Qs(item));
    cboEquation_->setEditText(cboEquation_->count() ? cboEquation_->itemText(0)
                                                    : kFirstExpression);
  }
  handler_ = &handler;
  Preview();
  cboEquation_->setFocus();
  const bool ok = exec() == QDialog::Accepted;
  handler_ = nullptr;
  setWindowTitle(kCaption);
  return ok;
}

std::int32_t TfrmEquation::Length() const {
  // Only the accepted text counts: a length still being typed has not passed its check.
  return static_cast<std::int32_t>(FieldValue(ParamField::Data, Std(lenAccepted_), setup_.scale));
}

QString TfrmEquation::Expression() const { return cboEquation_->currentText().trimmed(); }

void TfrmEquation::Preview() {
  if (handler_) ShowProblem(handler_->Preview(Std(Expression()), Length()));
}

void TfrmEquation::ShowProblem(const std::optional<EquationProblem>& problem) {
  if (!problem) {
    lblEqError_->clear();
    return;
  }
  QString text = Qs(problem->message);
  if (problem->position > 0) {
    // The expression as the parser saw it, and a caret under the faulty character.
    text = Expression() + QLatin1Char('\n') + QString(problem->position - 1, QLatin1Char(' ')) +
           QStringLiteral("^ position %1: ").arg(problem->position) + text;
  }
  lblEqError_->setText(text);
}

bool TfrmEquation::CheckLength() {
  if (!SettleField(edEqLen_, lenAccepted_,
                   CheckFieldText(ParamField::Data, Std(edEqLen_->text()), setup_.scale,
                                  setup_.room)))
    return false;
  Preview();
  return true;
}

void TfrmEquation::SpinLength(bool up) {
  SettleSpin(edEqLen_, lenAccepted_,
             SpinFieldText(ParamField::Data, Std(edEqLen_->text()), Std(lenAccepted_), up,
                           setup_.scale, setup_.room));
  Preview();
}

void TfrmEquation::bnOKClick() {
  if (!handler_) return;
  if (edEqLen_->text() != lenAccepted_ && !CheckLength()) return;
  const QString text = Expression();
  const std::optional<EquationProblem> problem = handler_->Accept(Std(text), Length());
  ShowProblem(problem);
  if (problem) {
    DialogPrompter().showText(Std(lblEqError_->text()), Icon::Warning);
    return;
  }
  EquationHistory history = LoadHistory();
  history.Add(Std(text));
  WriteSetting([&](IniFile& settings) { history.Save(settings); });
  accept();
}

bool TfrmEquation::eventFilter(QObject* watched, QEvent* event) {
  if (watched == edEqLen_ &&
      CheckOnEnterOrLeave(event, this, {bnOK_, bnCancel_}, [this] { CheckLength(); }))
    return true;
  return QDialog::eventFilter(watched, event);
}

GenerateOutcome RunEquation(DocumentHost& mainForm, TfrmWave& wave) {
  return GenerateEquation(wave.doc(), TfrmEquation::instance(mainForm.hostWidget()),
                          mainForm.prompter());
}

}  // namespace averoz
