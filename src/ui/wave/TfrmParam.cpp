#include "ui/wave/TfrmParam.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <memory>

#include "core/app/Prompter.h"
#include "core/wave/ParamFields.h"
#include "core/wave/WaveParam.h"
#include "ui/app/FitLabel.h"
#include "ui/wave/FieldChecks.h"
#include "ui/wave/UpDown.h"

namespace averoz {
namespace {

// Fixed places: the labels are moved sideways by FitLabel, so nothing here is laid out.
constexpr int kLeft = 20, kEditWidth = 130, kRowHeight = 46, kButtonX = 190;

std::string Std(const QString& s) { return s.toStdString(); }
QString Qs(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

TfrmParam::TfrmParam(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmParam"));
  setWindowTitle(kCaption);
  // Fixed border and no border icons: the dialog closes through its buttons (or Esc).
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setFixedSize(290, 332);

  cboWave_ = new QComboBox(this);
  cboWave_->setObjectName(QStringLiteral("cboWave"));
  for (const char* shape : kWaveKindNames) cboWave_->addItem(QLatin1String(shape));
  cboWave_->setGeometry(kLeft, 12, 148, 24);
  connect(cboWave_, &QComboBox::currentIndexChanged, this, &TfrmParam::cboWaveChange);

  AddField(ParamField::Data, this, 44, "edData", "udData", "lblDataPts", "Data Length(8_Max)",
           "1250");
  pnAmp_ = AddPanel("pnAmp", 90, kRowHeight);
  AddField(ParamField::Amp, pnAmp_, 0, "edAmp", "udAmp", "lblAmp", "Amplitude(0_32768)",
           "32768");
  AddField(ParamField::Ofs, this, 138, "edOfs", "udOfs", "lblOfs", "Offset(-32768_32767)", "0");
  pncyclph_ = AddPanel("pncyclph", 184, 2 * kRowHeight);
  AddField(ParamField::Cycl, pncyclph_, 0, "edCycl", "udCycl", "lblCycl", "Cycles(0.01_100)",
           "1");
  AddField(ParamField::Phase, pncyclph_, kRowHeight, "edPhase", "udPhase", "lblPhase",
           "Phase(0_360)", "0");
  // Damp and Duty share one place; a shape shows at most one of them.
  pnDamp_ = AddPanel("pnDamp", 278, kRowHeight);
  AddField(ParamField::Damp, pnDamp_, 0, "edDamp", "udDamp", "lblDamp", "Damp(0_16)", "8");
  pnDuty_ = AddPanel("pnDuty", 278, kRowHeight);
  AddField(ParamField::Duty, pnDuty_, 0, "edDuty", "udDuty", "lblDuty", "Duty(0_100)", "50");

  auto button = [this](const char* name, const char* caption, int y) {
    auto* b = new QPushButton(QLatin1String(caption), this);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(kButtonX, y, 84, 26);
    // Enter belongs to the field checks, never to a default button.
    b->setAutoDefault(false);
    b->setDefault(false);
    return b;
  };
  bnOK_ = button("bnOK", "OK", 12);
  bnCancel_ = button("bnCancel", "Cancel", 44);
  bnpreview_ = button("bnpreview", "Preview", 90);
  chkProt_ = new QCheckBox(QStringLiteral("Protect"), this);
  chkProt_->setObjectName(QStringLiteral("chkProt"));
  chkProt_->setGeometry(kButtonX, 130, 90, 22);
  connect(bnOK_, &QPushButton::clicked, this, &TfrmParam::bnOKClick);
  connect(bnpreview_, &QPushButton::clicked, this, &TfrmParam::bnpreviewClick);
  connect(bnCancel_, &QPushButton::clicked, this, &QDialog::reject);
  ShowPanels(kSine);
}

TfrmParam& TfrmParam::instance(QWidget& owner) {
  if (auto* dialog = owner.findChild<TfrmParam*>(QStringLiteral("frmParam"),
                                                 Qt::FindDirectChildrenOnly))
    return *dialog;
  return *new TfrmParam(&owner);
}

QWidget* TfrmParam::AddPanel(const char* name, int y, int height) {
  auto* panel = new QWidget(this);
  panel->setObjectName(QLatin1String(name));
  panel->setGeometry(0, y, kButtonX - 10, height);
  return panel;
}

void TfrmParam::AddField(ParamField id, QWidget* parent, int y, const char* edName,
                         const char* udName, const char* lblName, const char* caption,
                         const char* text) {
  Field& f = field(id);
  f.id = id;
  f.lbl = new QLabel(QLatin1String(caption), parent);
  f.lbl->setObjectName(QLatin1String(lblName));
  f.lbl->move(kLeft, y);
  f.ed = new QLineEdit(QLatin1String(text), parent);
  f.ed->setObjectName(QLatin1String(edName));
  f.ed->setGeometry(kLeft, y + 18, kEditWidth, 22);
  f.ed->installEventFilter(this);
  f.ud = new UpDown(parent);
  f.ud->setObjectName(QLatin1String(udName));
  f.ud->setGeometry(kLeft + kEditWidth, y + 18, 18, 22);
  f.accepted = f.ed->text();
  // Blanks never stay at either end of a field.
  connect(f.ed, &QLineEdit::textChanged, this, [ed = f.ed](const QString& t) {
    const QString trimmed = t.trimmed();
    if (trimmed != t) ed->setText(trimmed);
  });
  connect(f.ud, &UpDown::stepped, this, [this, id](bool up) { Spin(id, up); });
}

bool TfrmParam::Run(const ParamDialogSetup& setup, ParamDialogHandler& handler) {
  setup_ = setup;
  handler_ = &handler;
  Prepare();
  const bool ok = exec() == QDialog::Accepted;
  handler_ = nullptr;
  setWindowTitle(kCaption);
  return ok;
}

void TfrmParam::Prepare() {
  const WaveScale& scale = setup_.scale;
  const TWaveParam& shown = setup_.shown;
  const bool document = setup_.mode == ParamMode::Document;

  {
    const QSignalBlocker block(cboWave_);  // the panels follow below
    cboWave_->setCurrentIndex(shown.kind <= kNoise ? int(shown.kind) : int(kSine));
  }
  cboWave_->setEnabled(setup_.mode == ParamMode::Operand);
  field(ParamField::Data).ed->setText(Qs(FieldText(ParamField::Data, shown.len, scale)));
  field(ParamField::Data).ed->setEnabled(document);
  field(ParamField::Data).ud->setEnabled(document);
  if (setup_.setFields) {
    field(ParamField::Amp).ed->setText(Qs(FieldText(ParamField::Amp, shown.amp, scale)));
    field(ParamField::Ofs).ed->setText(Qs(FieldText(ParamField::Ofs, shown.ofs - 2048, scale)));
    field(ParamField::Cycl).ed->setText(Qs(FieldText(ParamField::Cycl, shown.cycles, scale)));
    field(ParamField::Phase).ed->setText(Qs(FieldText(ParamField::Phase, shown.phase, scale)));
    field(ParamField::Damp).ed->setText(Qs(FieldText(ParamField::Damp, shown.damp, scale)));
    field(ParamField::Duty).ed->setText(Qs(FieldText(ParamField::Duty, shown.duty, scale)));
  }

  QString dataLabel = QStringLiteral("Data Length");
  if (document) dataLabel = Qs(DataLengthLabel(scale, setup_.room));
  if (setup_.mode == ParamMode::Fill) dataLabel = Qs(FillLengthLabel(scale, setup_.room));
  field(ParamField::Data).lbl->setText(dataLabel);
  field(ParamField::Amp).lbl->setText(Qs(AmpLabel(scale)));
  field(ParamField::Ofs).lbl->setText(Qs(OfsLabel(scale)));
  for (ParamField id : {ParamField::Data, ParamField::Amp, ParamField::Ofs})
    FitLabel(field(id).lbl);

  ShowPanels(cboWave_->currentIndex());
  chkProt_->setVisible(document);
  chkProt_->setChecked(true);
  QString caption = kCaption;
  if (setup_.suffix == CaptionSuffix::Insert) caption += QStringLiteral("<Insert>");
  if (setup_.suffix == CaptionSuffix::Replace) caption += QStringLiteral("<Replace>");
  setWindowTitle(caption);
  for (Field& f : fields_) f.accepted = f.ed->text();
}

void TfrmParam::ShowPanels(int kind) {
  const bool periodic = kind >= kSine && kind <= kSCurveDown;
  pnAmp_->setVisible(kind != kDC);
  pncyclph_->setVisible(periodic);
  pnDamp_->setVisible(kind == kCharge || kind == kDisCharge);
  pnDuty_->setVisible(kind == kSquare);
}

void TfrmParam::cboWaveChange() { ShowPanels(cboWave_->currentIndex()); }

bool TfrmParam::CheckField(ParamField id) {
  Field& f = field(id);
  return SettleField(f.ed, f.accepted,
                     CheckFieldText(id, Std(f.ed->text()), setup_.scale, setup_.room));
}

void TfrmParam::Spin(ParamField id, bool up) {
  Field& f = field(id);
  SettleSpin(f.ed, f.accepted,
             SpinFieldText(id, Std(f.ed->text()), Std(f.accepted), up, setup_.scale, setup_.room));
}

bool TfrmParam::CheckPending() {
  for (Field& f : fields_) {
    if (f.ed->isEnabled() && f.ed->isVisibleTo(this) && f.ed->text() != f.accepted &&
        !CheckField(f.id))
      return false;
  }
  return true;
}

ParamChoice TfrmParam::Choice() const {
  // Only accepted texts count: a text still being typed has not passed its check.
  auto value = [this](ParamField id) {
    return FieldValue(id, Std(field(id).accepted), setup_.scale);
  };
  ParamChoice c;
  c.p.kind = static_cast<std::uint8_t>(cboWave_->currentIndex());
  c.p.len = setup_.mode == ParamMode::Document ? static_cast<std::int32_t>(value(ParamField::Data))
                                               : setup_.shown.len;
  c.p.amp = static_cast<std::int32_t>(value(ParamField::Amp));
  c.p.ofs = static_cast<std::int32_t>(value(ParamField::Ofs)) + 2048;
  c.p.cycles = value(ParamField::Cycl);
  c.p.phase = value(ParamField::Phase);
  c.p.damp = value(ParamField::Damp);
  c.p.duty = value(ParamField::Duty);
  c.protect = setup_.mode == ParamMode::Document && chkProt_->isChecked();
  return c;
}

void TfrmParam::bnOKClick() {
  if (!handler_ || !CheckPending()) return;
  if (handler_->Accept(Choice())) accept();
}

void TfrmParam::bnpreviewClick() {
  if (handler_ && CheckPending()) handler_->Preview(Choice());
}

TfrmParam::Field* TfrmParam::fieldOf(QObject* watched) {
  for (Field& f : fields_)
    if (f.ed == watched) return &f;
  return nullptr;
}

bool TfrmParam::eventFilter(QObject* watched, QEvent* event) {
  if (Field* f = fieldOf(watched)) {
    if (IsEnterPress(event)) {
      CheckField(f->id);
      return true;
    }
    if (LeavesForControl(event, this, {bnOK_, bnpreview_, bnCancel_})) CheckField(f->id);
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace averoz
