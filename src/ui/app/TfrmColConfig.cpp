#include "ui/app/TfrmColConfig.h"

#include <QColorDialog>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>
#include <numbers>

#include "core/app/general.h"
#include "ui/app/AppContext.h"
#include "ui/app/DialogButtons.h"
#include "ui/app/TMainForm.h"
#include "ui/wave/TfrmWave.h"

namespace averoz {

namespace {

TfrmColConfig::Chooser& chooser() {
  static TfrmColConfig::Chooser c;
  return c;
}

struct RoleControls {
  ColorRole role;
  const char* swatch;
  const char* button;
  const char* label;
};

// Dialog order: the swatch, its picker and the label of each role.
constexpr RoleControls kRoles[] = {
    {kBackGround, "spBack", "sbback", "Background"},
    {kGrid, "spGrid", "sbGrid", "Grid"},
    {kGraph, "spGraph", "sbGraph", "Waveform"},
    {kGraphProtect, "spGraphpro", "sbGraphpro", "Waveform\n(Protect)"},
    {kCursor, "spCursor", "sbCursor", "Cursor"},
    {kSelect, "spSel", "sbSel", "Select\n(XOR)"},
    {kLine, "spLine", "sbLine", "Line\n(XOR)"},
    {kZoom, "spZoom", "sbZoom", "Zoom"},
};

}  // namespace

QColor QColorOf(ColorValue color) {
  return QColor(ColorRed(color), ColorGreen(color), ColorBlue(color));
}

QImage DrawColorSample(const ColorSet& colors, QSize size, const QRect& selBox,
                       const QRect& zoomBox) {
  const int w = size.width(), h = size.height();
  QImage image(size, QImage::Format_RGB32);
  image.fill(QColorOf(colors[kBackGround]));
  QPainter p(&image);
  p.setPen(QPen(QColorOf(colors[kGrid]), 1));
  for (int x = 60; x <= w; x += 60) p.drawLine(x, 0, x, h);
  for (int y = 32; y <= h; y += 32) p.drawLine(0, y, w, y);
  p.setPen(QColorOf(colors[kCursor]));
  p.drawLine(30, 0, 30, h);
  p.drawLine(0, 16, w, 16);

  // The selection box inverts what lies under it.
  p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  p.fillRect(selBox, QColorOf(colors[kSelect]));
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);

  QPoint prev(0, h - 64);
  for (int i = 0; i < 180; ++i) {
    const int y = RoundHalfAway(std::sin(2.0 * i * std::numbers::pi / 120.0) * 64 + 64);
    const QPoint pt(i, h - y);
    p.setPen(QColorOf(colors[i <= 120 ? kGraphProtect : kGraph]));
    p.drawLine(prev, pt);
    prev = pt;
  }

  p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  p.setPen(QColorOf(colors[kLine]));
  p.drawLine(180, 64, 210, 112);
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);
  p.setPen(Qt::white);
  p.drawLine(202, 112, 218, 112);
  p.drawLine(210, 104, 210, 120);

  p.setPen(QColorOf(colors[kZoom]));
  p.setBrush(Qt::NoBrush);
  p.drawRect(zoomBox.adjusted(0, 0, -1, -1));
  return image;
}

TfrmColConfig::TfrmColConfig(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmColConfig"));
  setWindowTitle(QStringLiteral("Color"));

  auto* roles = new QGridLayout;
  int row = 0;
  for (const RoleControls& rc : kRoles) {
    auto* label = new QLabel(QString::fromUtf8(rc.label), this);
    auto* swatch = new QFrame(this);
    swatch->setObjectName(QLatin1String(rc.swatch));
    swatch->setFrameShape(QFrame::Box);
    swatch->setFixedSize(40, 20);
    swatch->setAutoFillBackground(true);
    swatches_[rc.role] = swatch;
    auto* button = new QToolButton(this);
    button->setObjectName(QLatin1String(rc.button));
    button->setText(QStringLiteral("..."));
    const ColorRole role = rc.role;
    connect(button, &QToolButton::clicked, this, [this, role] { PickColor(role); });
    roles->addWidget(label, row, 0);
    roles->addWidget(swatch, row, 1);
    roles->addWidget(button, row, 2);
    ++row;
  }

  imgSample_ = new QLabel(this);
  imgSample_->setObjectName(QStringLiteral("imgSample"));
  imgSample_->setFixedSize(kSampleWidth, kSampleHeight);
  // Where the two sample shapes lie on the picture; the picture draws them.
  selBox_ = new QWidget(imgSample_);
  selBox_->setObjectName(QStringLiteral("selBox"));
  selBox_->setGeometry(130, 24, 40, 60);
  spZm_ = new QWidget(imgSample_);
  spZm_->setObjectName(QStringLiteral("spZm"));
  spZm_->setGeometry(70, 40, 40, 30);
  for (QWidget* shape : {selBox_, spZm_}) shape->setAttribute(Qt::WA_TransparentForMouseEvents);

  cbColorTheme_ = new QComboBox(this);
  cbColorTheme_->setObjectName(QStringLiteral("cbColorTheme"));
  for (const ColorTheme& t : ColorThemes()) cbColorTheme_->addItem(QLatin1String(t.name));
  connect(cbColorTheme_, &QComboBox::activated, this, &TfrmColConfig::cbColorThemeChange);
  auto* sbini = new QToolButton(this);
  sbini->setObjectName(QStringLiteral("sbini"));
  sbini->setText(QStringLiteral("Default"));
  sbini->hide();
  connect(sbini, &QToolButton::clicked, this, &TfrmColConfig::sbiniClick);

  const auto [bnOK, bnCancel] = MakeOkCancelButtons(this);

  auto* right = new QVBoxLayout;
  right->addWidget(imgSample_);
  auto* theme = new QHBoxLayout;
  theme->addWidget(new QLabel(QStringLiteral("Theme"), this));
  theme->addWidget(cbColorTheme_, 1);
  theme->addWidget(sbini);
  right->addLayout(theme);
  right->addStretch();
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(bnOK);
  buttons->addWidget(bnCancel);
  right->addLayout(buttons);
  auto* top = new QHBoxLayout(this);
  top->addLayout(roles);
  top->addLayout(right);
}

TfrmColConfig& TfrmColConfig::instance(TMainForm& main) {
  if (auto* dialog = main.findChild<TfrmColConfig*>(QStringLiteral("frmColConfig"),
                                                    Qt::FindDirectChildrenOnly))
    return *dialog;
  return *new TfrmColConfig(&main);
}

bool TfrmColConfig::Execute(TMainForm& main) {
  TfrmColConfig& dialog = instance(main);
  dialog.FormShow();
  if (dialog.exec() != QDialog::Accepted) return false;
  return dialog.bnOKClick(main);
}

void TfrmColConfig::setChooser(Chooser c) { chooser() = std::move(c); }

void TfrmColConfig::FormShow() {
  colors_ = ReadColorSet(AppContext::instance().settings());
  cbColorTheme_->setCurrentIndex(-1);
  Redraw();
}

bool TfrmColConfig::bnOKClick(TMainForm& main) {
  if (!WriteSetting([this](IniFile& ini) { WriteColorSet(ini, colors_); })) return false;
  for (DocumentWindow* doc : main.documents())
    if (auto* wave = qobject_cast<TfrmWave*>(doc)) wave->LoadColors();
  return true;
}

void TfrmColConfig::cbColorThemeChange(int index) {
  const auto& themes = ColorThemes();
  if (index >= 0 && index < int(themes.size())) colors_ = ThemeColors(themes[index]);
  Redraw();
}

void TfrmColConfig::PickColor(ColorRole role) {
  const QColor current = QColorOf(colors_[role]);
  std::optional<QColor> chosen;
  if (chooser()) {
    chosen = chooser()(current, this);
  } else {
    const QColor c = QColorDialog::getColor(current, this);
    if (c.isValid()) chosen = c;
  }
  if (chosen) {
    colors_[role] = MakeColor(chosen->red(), chosen->green(), chosen->blue());
    cbColorTheme_->setCurrentIndex(-1);
  }
  Redraw();
}

void TfrmColConfig::sbiniClick() {
  cbColorTheme_->setCurrentIndex(0);
  cbColorThemeChange(0);
}

void TfrmColConfig::Redraw() {
  for (int role = 0; role < kColorRoleCount; ++role) {
    QPalette pal = swatches_[role]->palette();
    pal.setColor(QPalette::Window, QColorOf(colors_[role]));
    swatches_[role]->setPalette(pal);
  }
  imgSample_->setPixmap(QPixmap::fromImage(
      DrawColorSample(colors_, imgSample_->size(), selBox_->geometry(), spZm_->geometry())));
}

}  // namespace averoz
