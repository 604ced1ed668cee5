#include "ui/wave/TfrmCalc.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QToolButton>

#include "core/app/general.h"
#include "core/wave/ViewColors.h"
#include "ui/app/AppContext.h"
#include "ui/wave/TfrmParam.h"

namespace averoz {
namespace {

const char* const kCaptions[] = {"Add", "Sub", "Multiply"};

QColor ToQColor(const Rgb& c) { return QColor(c.r, c.g, c.b); }

}  // namespace

TfrmCalc::TfrmCalc(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmCalc"));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
  setFixedSize(372, 196);

  auto* gbSrc = new QGroupBox(QStringLiteral("Operand Waveform"), this);
  gbSrc->setObjectName(QStringLiteral("gbSrc"));
  gbSrc->setGeometry(8, 8, 180, 136);
  // One speed button with its caption per operand source.
  auto source = [gbSrc](const char* button, const char* label, const char* caption, int y) {
    auto* sb = new QToolButton(gbSrc);
    sb->setObjectName(QLatin1String(button));
    sb->setGeometry(12, y, 28, 28);
    auto* lbl = new QLabel(QLatin1String(caption), gbSrc);
    if (label) lbl->setObjectName(QLatin1String(label));
    lbl->setGeometry(48, y + 6, 124, 18);
    return std::pair{sb, lbl};
  };
  std::tie(sbClip_, lblClip_) = source("sbClip", "lblClip", "Clipboard", 24);
  std::tie(sbFit_, lblFit_) = source("sbFit", "lblFit", "Fit to X", 60);
  auto* letter = new QLabel(QStringLiteral("L"), sbFit_);
  letter->setGeometry(18, 14, 10, 14);
  letter->setAttribute(Qt::WA_TransparentForMouseEvents);
  QToolButton* sbstdwave = source("sbstdwave", nullptr, "Standard Waveform", 96).first;

  imgthumb_ = new QLabel(this);
  imgthumb_->setObjectName(QStringLiteral("imgthumb"));
  imgthumb_->setGeometry(200, 16, kThumbWidth, kThumbHeight);

  auto* chkYfit = new QCheckBox(QStringLiteral("Adjust Amplitude"), this);
  chkYfit->setObjectName(QStringLiteral("chkYfit"));
  chkYfit->setGeometry(200, 118, 160, 20);
  chkYfit->setChecked(false);
  chkYfit->hide();

  auto button = [this](const char* name, const char* caption, int x) {
    auto* b = new QPushButton(QLatin1String(caption), this);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(x, 156, 84, 28);
    b->setAutoDefault(false);
    return b;
  };
  QPushButton* bnpreview = button("bnpreview", "Preview", 8);
  QPushButton* bnOK = button("bnOK", "OK", 188);
  QPushButton* bnCancel = button("bnCancel", "Cancel", 280);

  connect(sbClip_, &QToolButton::clicked, this, &TfrmCalc::sbClipClick);
  connect(sbFit_, &QToolButton::clicked, this, &TfrmCalc::sbFitClick);
  connect(sbstdwave, &QToolButton::clicked, this, &TfrmCalc::sbstdwaveClick);
  connect(bnpreview, &QPushButton::clicked, this, &TfrmCalc::bnpreviewClick);
  connect(bnOK, &QPushButton::clicked, this, &QDialog::accept);
  connect(bnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

TfrmCalc& TfrmCalc::instance(QWidget& owner) {
  if (auto* dialog = owner.findChild<TfrmCalc*>(QStringLiteral("frmCalc"),
                                                Qt::FindDirectChildrenOnly))
    return *dialog;
  return *new TfrmCalc(&owner);
}

bool TfrmCalc::Run(CalcSession& session) {
  session_ = &session;
  setWindowTitle(QLatin1String(kCaptions[static_cast<int>(session.kind())]));
  // The clipboard sources follow Paste: there is something to take exactly then.
  const bool clip = session.ClipboardAvailable();
  for (QWidget* w : {static_cast<QWidget*>(sbClip_), static_cast<QWidget*>(lblClip_),
                     static_cast<QWidget*>(sbFit_), static_cast<QWidget*>(lblFit_)})
    w->setEnabled(clip);
  FormShow();
  const bool ok = exec() == QDialog::Accepted;
  session_ = nullptr;
  return ok;
}

void TfrmCalc::FormShow() {
  const ViewColors colors = ReadViewColors(AppContext::instance().settings());
  background_ = ToQColor(colors.background);
  graph_ = ToQColor(colors.graph);
  DrawThumb();  // the session starts without an operand: an empty thumbnail
}

void TfrmCalc::sbClipClick() {
  if (!session_) return;
  session_->ChooseClipboard();
  DrawThumb();
}

void TfrmCalc::sbFitClick() {
  if (!session_) return;
  session_->ChooseFitted();
  DrawThumb();
}

void TfrmCalc::sbstdwaveClick() {
  if (!session_) return;
  // "Set Parameters" belongs to the main window, as this dialog does.
  QWidget& owner = parentWidget() ? *parentWidget() : static_cast<QWidget&>(*this);
  session_->ChooseStandard(TfrmParam::instance(owner), scale_);
  DrawThumb();
}

void TfrmCalc::bnpreviewClick() {
  if (session_) session_->Preview();
}

// Point i at x = i W / (L - 1), code 4095 at the top, joined from point 0.
void TfrmCalc::DrawThumb() {
  QPixmap image(kThumbWidth, kThumbHeight);
  image.fill(background_);
  if (session_ && !session_->Operand().empty()) {
    const auto operand = session_->Operand();
    const int last = std::max(session_->TargetLength() - 1, 1);
    QPainter painter(&image);
    painter.setPen(graph_);
    QPoint previous;
    for (std::size_t i = 0; i < operand.size(); ++i) {
      const QPoint p(RoundHalfAway(double(i) * kThumbWidth / last),
                     kThumbHeight - RoundHalfAway(operand[i] * double(kThumbHeight) / 4095));
      if (i > 0) painter.drawLine(previous, p);
      else painter.drawPoint(p);
      previous = p;
    }
  }
  imgthumb_->setPixmap(image);
}

}  // namespace averoz
