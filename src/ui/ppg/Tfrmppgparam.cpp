#include "ui/ppg/Tfrmppgparam.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/app/Prompter.h"
#include "ui/app/FitLabel.h"
#include "ui/wave/FieldChecks.h"
#include "ui/wave/UpDown.h"

namespace averoz {
namespace {

// Fixed places, as in the waveform "Set Parameters"; FitLabel moves long captions sideways.
constexpr int kLeft = 20, kEditWidth = 130, kRowHeight = 46, kButtonX = 190, kPanelY = 90;

const char* const kKinds[] = {"High", "Lo", "Clock", "Counter", "Value", "Clipboard"};
constexpr PpgField kSpun[] = {PpgField::Data, PpgField::Cycl, PpgField::Duty, PpgField::Rpt};

QString Qs(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

Tfrmppgparam::Tfrmppgparam(QWidget* parent, Prompter& prompter)
    : QDialog(parent), prompter_(prompter) {
  setObjectName(QStringLiteral("frmppgparam"));
  setWindowTitle(kCaption);
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setFixedSize(290, 196);

  cboSelect_ = new QComboBox(this);
  cboSelect_->setObjectName(QStringLiteral("cboSelect"));
  for (const char* kind : kKinds) cboSelect_->addItem(QLatin1String(kind));
  cboSelect_->setGeometry(kLeft, 12, 148, 24);
  cboSelect_->setEnabled(false);  // the kind is the command's, not the user's choice here

  AddField(PpgField::Data, this, 44, "edData", "udData", "lblDataPts", "Data Length");
  pnCycl_ = AddPanel("pnCycl", kPanelY, kRowHeight);
  AddField(PpgField::Cycl, pnCycl_, 0, "edCycl", "udCycl", "lblCycl", "Cycles");
  pnDuty_ = AddPanel("pnDuty", kPanelY + kRowHeight, kRowHeight);
  AddField(PpgField::Duty, pnDuty_, 0, "edDuty", "udDuty", "lblDuty", "Duty(0_100)");

  // Value and Clipboard never show with Clock's panels: they share their place.
  pnVal_ = AddPanel("pnVal", kPanelY, 3 * 28);
  AddValueField(PpgField::Bin, 0, "edsetbin", "Binary", "bbbbbb");
  AddValueField(PpgField::Dec, 28, "edsetdec", "Decimal", "00");
  AddValueField(PpgField::Hex, 56, "edsethex", "Hex", ">hh");

  pnrepeat_ = AddPanel("pnrepeat", kPanelY, 2 * kRowHeight);
  edClip_ = AddFieldRow(pnrepeat_, kLeft, 0, kEditWidth, "lblClip", "edClip", nullptr,
                        QStringLiteral("Clipboard Data Length"))
                .ed;
  edClip_->setReadOnly(true);
  TrimWhileTyping(edClip_);
  AddField(PpgField::Rpt, pnrepeat_, kRowHeight, "edRpt", "udRpt", "lblRpt", "Repeat Count");

  auto button = [this](const char* name, const char* caption, int y) {
    return AddFieldDialogButton(this, name, caption, QRect(kButtonX, y, 84, 26));
  };
  bnOK_ = button("bnOK", "OK", 12);
  bnCancel_ = button("bnCancel", "Cancel", 44);
  bnpreview_ = button("bnpreview", "Preveiw", 90);
  connect(bnOK_, &QPushButton::clicked, this, &Tfrmppgparam::bnOKClick);
  connect(bnpreview_, &QPushButton::clicked, this, &Tfrmppgparam::bnpreviewClick);
  connect(bnCancel_, &QPushButton::clicked, this, &QDialog::reject);
  ShowPanels(PpgKind::High);
}

QWidget* Tfrmppgparam::AddPanel(const char* name, int y, int height) {
  return AddFieldPanel(this, name, QRect(0, y, kButtonX - 10, height));
}

void Tfrmppgparam::AddField(PpgField id, QWidget* parent, int y, const char* edName,
                            const char* udName, const char* lblName, const char* caption) {
  const FieldRow row =
      AddFieldRow(parent, kLeft, y, kEditWidth, lblName, edName, udName, QLatin1String(caption));
  edit(id) = row.ed;
  row.ed->installEventFilter(this);
  TrimWhileTyping(row.ed);
  for (std::size_t i = 0; i < std::size(kSpun); ++i)
    if (kSpun[i] == id) spins_[i] = row.ud;
  connect(row.ud, &UpDown::stepped, this, [this, id](bool up) { Spin(id, up); });
  if (id == PpgField::Data) lblDataPts_ = row.lbl;
  if (id == PpgField::Cycl) lblCycl_ = row.lbl;
  if (id == PpgField::Rpt) lblRpt_ = row.lbl;
}

void Tfrmppgparam::AddValueField(PpgField id, int y, const char* edName, const char* caption,
                                 const char* mask) {
  auto* lbl = new QLabel(QLatin1String(caption), pnVal_);
  lbl->setGeometry(kLeft, y + 3, 60, 18);
  QLineEdit* ed = new QLineEdit(pnVal_);
  ed->setObjectName(QLatin1String(edName));
  ed->setGeometry(kLeft + 60, y, kEditWidth - 60, 22);
  ed->setInputMask(QLatin1String(mask));
  ed->installEventFilter(this);
  edit(id) = ed;
}

std::optional<PpgParamChoice> Tfrmppgparam::Run(PpgParamFields& fields,
                                                PpgPreviewHandler& handler) {
  fields_ = &fields;
  handler_ = &handler;
  const PpgKind kind = fields.setup().kind;
  setWindowTitle(kCaption + Qs(fields.CaptionSuffix()));
  cboSelect_->setCurrentIndex(static_cast<int>(kind));
  lblDataPts_->setText(Qs(fields.DataLabel()));
  lblCycl_->setText(Qs(fields.CyclLabel()));
  lblRpt_->setText(Qs(fields.RptLabel()));
  for (QLabel* lbl : {lblDataPts_, lblCycl_, lblRpt_}) FitLabel(lbl);
  edClip_->setText(Qs(fields.ClipText()));
  // Overwrite: the length is the selection's.
  edit(PpgField::Data)->setEnabled(fields.dataEnabled());
  spins_[0]->setEnabled(fields.dataEnabled());
  ShowTexts();
  ShowPanels(kind);

  std::optional<PpgParamChoice> choice;
  if (exec() == QDialog::Accepted) choice = fields.Choice();
  fields_ = nullptr;
  handler_ = nullptr;
  edit(PpgField::Data)->setEnabled(true);
  spins_[0]->setEnabled(true);
  setWindowTitle(kCaption);
  return choice;
}

void Tfrmppgparam::ShowTexts() {
  if (!fields_) return;
  for (std::size_t i = 0; i < edits_.size(); ++i)
    edits_[i]->setText(Qs(fields_->text(static_cast<PpgField>(i))));
}

void Tfrmppgparam::ShowPanels(PpgKind kind) {
  pnCycl_->setVisible(kind == PpgKind::Clock || kind == PpgKind::Counter);
  pnDuty_->setVisible(kind == PpgKind::Clock);
  pnVal_->setVisible(kind == PpgKind::Value);
  pnrepeat_->setVisible(kind == PpgKind::Clipboard);
}

bool Tfrmppgparam::CheckField(PpgField id) {
  if (!fields_) return true;
  QLineEdit* ed = edit(id);
  const FieldRefusal refusal = fields_->Enter(id, ed->text().toStdString());
  if (refusal) {
    // Without room the length cannot be mended: the focus may leave it.
    const bool refocus = id != PpgField::Data || !fields_->noRoom();
    RefuseField(ed, Qs(fields_->text(id)), prompter_, *refusal, refocus);
  }
  ShowTexts();  // one accepted field can change others (length and repeat, the value's bases)
  return !refusal;
}

void Tfrmppgparam::Spin(PpgField id, bool up) {
  if (!fields_) return;
  fields_->Step(id, up);
  ShowTexts();
}

bool Tfrmppgparam::CheckPending() {
  for (std::size_t i = 0; i < edits_.size(); ++i) {
    const auto id = static_cast<PpgField>(i);
    QLineEdit* ed = edits_[i];
    if (ed->isEnabled() && ed->isVisibleTo(this) &&
        ed->text().toStdString() != fields_->text(id) && !CheckField(id))
      return false;
  }
  return true;
}

void Tfrmppgparam::bnOKClick() {
  if (fields_ && CheckPending()) accept();
}

void Tfrmppgparam::bnpreviewClick() {
  if (fields_ && handler_ && CheckPending()) handler_->Preview(fields_->Choice());
}

bool Tfrmppgparam::eventFilter(QObject* watched, QEvent* event) {
  for (std::size_t i = 0; i < edits_.size(); ++i) {
    const auto id = static_cast<PpgField>(i);
    if (edits_[i] == watched && CheckOnEnterOrLeave(event, this, {bnOK_, bnpreview_, bnCancel_},
                                                    [this, id] { CheckField(id); }))
      return true;
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace averoz
