#include "ui/wave/TfrmResize.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "core/app/Prompter.h"
#include "ui/app/FitLabel.h"
#include "ui/wave/FieldChecks.h"
#include "ui/wave/UpDown.h"

namespace averoz {
namespace {

constexpr int kLeft = 20, kEditWidth = 130, kButtonX = 190;

std::string Std(const QString& s) { return s.toStdString(); }
QString Qs(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

TfrmResize::TfrmResize(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmResize"));
  setWindowTitle(QStringLiteral("Resize"));
  // Fixed border and no border icons: the dialog closes through its buttons (or Esc).
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setFixedSize(290, 170);

  AddField(ResizeField::Data, this, 12, "edData", "udData", "lblDataPts", "Data Length(8_Max)",
           "1250");
  auto* pnAmp = new QWidget(this);
  pnAmp->setObjectName(QStringLiteral("pnAmp"));
  pnAmp->setGeometry(0, 58, kButtonX - 10, 46);
  AddField(ResizeField::Amp, pnAmp, 0, "edAmp", "udAmp", "lblAmp", "Amplitude P-P(0_65535)",
           "65535");
  AddField(ResizeField::Ofs, this, 106, "edOfs", "udOfs", "lblOfs", "Offset(-32768_32767)", "0");

  auto button = [this](const char* name, const char* caption, int y) {
    auto* b = new QPushButton(QLatin1String(caption), this);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(kButtonX, y, 84, 26);
    b->setAutoDefault(false);  // Enter belongs to the field checks
    return b;
  };
  QPushButton* bnOK = button("bnOK", "OK", 12);
  QPushButton* bnCancel = button("bnCancel", "Cancel", 44);
  QPushButton* bnpreview = button("bnpreview", "Preview", 90);
  buttons_[0] = bnpreview;
  buttons_[1] = bnOK;
  buttons_[2] = bnCancel;
  auto* chkpercent = new QCheckBox(QStringLiteral("view at ％"), this);
  chkpercent->setObjectName(QStringLiteral("chkpercent"));
  chkpercent->setGeometry(kButtonX, 130, 90, 22);
  chkpercent->hide();

  connect(bnOK, &QPushButton::clicked, this, &TfrmResize::bnOKClick);
  connect(bnpreview, &QPushButton::clicked, this, &TfrmResize::bnpreviewClick);
  connect(bnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

TfrmResize& TfrmResize::instance(QWidget& owner) {
  if (auto* dialog = owner.findChild<TfrmResize*>(QStringLiteral("frmResize"),
                                                  Qt::FindDirectChildrenOnly))
    return *dialog;
  return *new TfrmResize(&owner);
}

void TfrmResize::AddField(ResizeField id, QWidget* parent, int y, const char* edName,
                          const char* udName, const char* lblName, const char* caption,
                          const char* text) {
  Field& f = field(id);
  f.lbl = new QLabel(QLatin1String(caption), parent);
  f.lbl->setObjectName(QLatin1String(lblName));
  f.lbl->move(kLeft, y);
  f.ed = new QLineEdit(QLatin1String(text), parent);
  f.ed->setObjectName(QLatin1String(edName));
  f.ed->setGeometry(kLeft, y + 18, kEditWidth, 22);
  f.ed->installEventFilter(this);
  f.accepted = f.ed->text();
  auto* ud = new UpDown(parent);
  ud->setObjectName(QLatin1String(udName));
  ud->setGeometry(kLeft + kEditWidth, y + 18, 18, 22);
  connect(ud, &UpDown::stepped, this, [this, id](bool up) { Spin(id, up); });
}

void TfrmResize::SetField(ResizeField id, std::int32_t value) {
  Field& f = field(id);
  f.accepted = Qs(ResizeText(id, value, setup_.scale));
  f.ed->setText(f.accepted);
}

std::optional<ResizeRequest> TfrmResize::Run(const ResizeSetup& setup, ResizeSession& session) {
  setup_ = setup;
  session_ = &session;
  SetField(ResizeField::Data, setup.length);
  SetField(ResizeField::Amp, setup.pp);
  field(ResizeField::Ofs).accepted = QStringLiteral("0");
  field(ResizeField::Ofs).ed->setText(QStringLiteral("0"));
  field(ResizeField::Data).lbl->setText(Qs(ResizeDataLabel(setup.scale, setup.room)));
  field(ResizeField::Amp).lbl->setText(Qs(ResizeAmpLabel(setup.scale)));
  field(ResizeField::Ofs).lbl->setText(Qs(ResizeOfsLabel(setup.scale)));
  FitLabel(field(ResizeField::Data).lbl);
  FitLabel(field(ResizeField::Amp).lbl);
  const bool ok = exec() == QDialog::Accepted;
  session_ = nullptr;
  if (!ok) return std::nullopt;
  return Request();
}

bool TfrmResize::CheckField(ResizeField id) {
  Field& f = field(id);
  return SettleField(f.ed, f.accepted,
                     CheckResizeText(id, Std(f.ed->text()), setup_.scale, setup_.room));
}

void TfrmResize::Spin(ResizeField id, bool up) {
  Field& f = field(id);
  SettleSpin(f.ed, f.accepted,
             SpinResizeText(id, Std(f.ed->text()), Std(f.accepted), up, setup_.scale,
                            setup_.room));
}

bool TfrmResize::CheckPending() {
  for (ResizeField id : {ResizeField::Data, ResizeField::Amp, ResizeField::Ofs})
    if (field(id).ed->text() != field(id).accepted && !CheckField(id)) return false;
  return true;
}

ResizeRequest TfrmResize::Request() const {
  auto value = [this](ResizeField id) {
    return ResizeValue(id, Std(field(id).accepted), setup_.scale);
  };
  return {value(ResizeField::Data), value(ResizeField::Amp), value(ResizeField::Ofs)};
}

void TfrmResize::bnOKClick() {
  if (CheckPending()) accept();
}

void TfrmResize::bnpreviewClick() {
  if (session_ && CheckPending()) session_->Preview(Request());
}

bool TfrmResize::eventFilter(QObject* watched, QEvent* event) {
  const auto it = std::find_if(fields_.begin(), fields_.end(),
                               [watched](const Field& f) { return f.ed == watched; });
  if (it != fields_.end()) {
    const auto id = static_cast<ResizeField>(it - fields_.begin());
    if (IsEnterPress(event)) {
      CheckField(id);
      return true;
    }
    if (LeavesForControl(event, this, {buttons_[0], buttons_[1], buttons_[2]})) CheckField(id);
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace averoz
