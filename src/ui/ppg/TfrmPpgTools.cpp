// The main window's zoom, cursor and select tool bars and the pattern tools while a pattern
// window is the active document. The controls are found by name; a missing one is skipped.
#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>
#include <QScrollBar>
#include <cstdio>

#include "core/app/general.h"
#include "core/ppg/PpgViewGeometry.h"
#include "ui/app/DocumentHost.h"
#include "ui/app/FitToWindow.h"
#include "ui/app/ReadoutFields.h"
#include "ui/app/ToolBarBinding.h"
#include "ui/ppg/PpgCommands.h"
#include "ui/ppg/PpgView.h"
#include "ui/ppg/TfrmPpg.h"

namespace averoz {

namespace {

QString Two(const char* format, int value) {
  char buf[16];
  std::snprintf(buf, sizeof buf, format, value);
  return QString::fromLatin1(buf);
}

constexpr int kSelectMode = 0, kCursorMode = 1, kPen = 4, kPenHigh = 5, kPenLo = 6;

}  // namespace

void TfrmPpg::BindToolBars() {
  ToolBarBinding& b = ToolBarBinding::instance();
  if (b.BoundTo(this)) return;
  b.Bind(this);
  auto onAction = [&](const char* name, auto fn) {
    if (QAction* a = host()->action(QLatin1String(name)))
      b.Add(connect(a, &QAction::triggered, this, [this, fn](bool checked) {
        if (IsActive()) fn(checked);
      }));
  };
  onAction("PalleteSelect1", [this](bool) { SetEditMode(kSelectMode); });
  onAction("PalleteCursor1", [this](bool on) { SetCursorMode(on); });
  onAction("PalletePpgbitpen1", [this](bool) { SetEditMode(kPen); });
  onAction("PalletePpgbitpenh1", [this](bool) { SetEditMode(kPenHigh); });
  onAction("PalletePpgbitpenl1", [this](bool) { SetEditMode(kPenLo); });
  onAction("CursorX", [this](bool on) { SetXCursor(on); });
  onAction("ZoomMax1", [this](bool) { view_->ZoomMax(); });
  onAction("ZoomAll1", [this](bool) { view_->ZoomAll(); });
  if (auto* bar = host()->control<QScrollBar>(QStringLiteral("udzx")))
    b.Add(connect(bar, &QAbstractSlider::actionTriggered, this, [this, bar](int action) {
      if (!IsActive()) return;
      const int keep = bar->value();
      if (action == QAbstractSlider::SliderSingleStepSub) view_->ZoomStep(1);
      else if (action == QAbstractSlider::SliderSingleStepAdd) view_->ZoomStep(-1);
      bar->setSliderPosition(keep);  // the bar shows the view's step, not its own
    }));
}

// ---- tools ---------------------------------------------------------------------------------

void TfrmPpg::SetEditMode(int mode) {
  if (mode == kSelectMode) doc_->xCursorOn = false;
  view_->SetEditMode(mode);
  view_->PlaceCursors();
  emit view_->cursorsChanged();  // the data browser's X1/X2 marks follow
  if (!IsActive()) return;
  ShowToolChecks();
  ShowCursorReadouts();
}

void TfrmPpg::SetCursorMode(bool on) {
  if (on && !doc_->xCursorOn) view_->PlaceInitialCursors();
  doc_->xCursorOn = on;
  SetEditMode(on ? kCursorMode : kSelectMode);
}

void TfrmPpg::SetXCursor(bool on) {
  if (on && !doc_->xCursorOn) view_->PlaceInitialCursors();
  doc_->xCursorOn = on;
  if (on != (doc_->editMode == kCursorMode)) SetEditMode(on ? kCursorMode : kSelectMode);
  else SetEditMode(doc_->editMode);
}

void TfrmPpg::ReverseBitPen() {
  QAction* high = host()->action(QStringLiteral("PalletePpgbitpenh1"));
  if (!high || !high->isEnabled()) return;
  SetEditMode(doc_->editMode == kPenHigh ? kPenLo : kPenHigh);
}

void TfrmPpg::SwitchAutoInvert(bool on) {
  RunAutoInvert(*host(), *this, on);
  view_->AutoInvertChanged();
  if (IsActive()) ShowToolChecks();
}

void TfrmPpg::ResetView() {
  view_->ResetView();
  if (!IsActive()) return;
  ShowZoomReadouts();
  ShowCursorReadouts();
  ShowSelectionReadouts();
  ShowBitPenAvailability();
}

void TfrmPpg::ShowToolChecks() {
  const int mode = doc_->editMode;
  const std::pair<const char*, bool> checks[] = {
      {"PalleteSelect1", mode == kSelectMode},  {"PalleteCursor1", mode == kCursorMode},
      {"PalleteFree1", false},                  {"PalleteLine1", false},
      {"PalletePpgbitpen1", mode == kPen},      {"PalletePpgbitpenh1", mode == kPenHigh},
      {"PalletePpgbitpenl1", mode == kPenLo},   {"CursorX", doc_->xCursorOn},
      {"CursorY", false},                       {"PalletePpgautoinv1", doc_->autoInvert}};
  for (const auto& [name, on] : checks)
    if (QAction* a = host()->action(QLatin1String(name))) a->setChecked(on);
  if (QAction* reverse = host()->action(QStringLiteral("pmBitpenChange")))
    reverse->setVisible(mode == kPenHigh || mode == kPenLo);
}

void TfrmPpg::ShowBitPenAvailability() {
  const bool fine = view_->geom().zoomX() <= 1.0;
  for (const char* name : {"PalletePpgbitpen1", "PalletePpgbitpenh1", "PalletePpgbitpenl1"})
    if (QAction* a = host()->action(QLatin1String(name))) a->setEnabled(fine);
}

// ---- read-outs -----------------------------------------------------------------------------

void TfrmPpg::ShowZoomReadouts() {
  const PpgViewGeometry& g = view_->geom();
  SetReadout(host()->control<QLineEdit>(QStringLiteral("edzx")), ZoomText(g.zoomX()));
  SetReadoutBar(host()->control<QScrollBar>(QStringLiteral("udzx")), 0, kPpgLastZoomIndex, g.zoomIndex);
  ShowFitCheck(*host(), g.fitting());
}

void TfrmPpg::ShowCursorReadouts() {
  const PpgDoc& d = *doc_;
  const bool on = d.xCursorOn;
  auto field = [this](const char* name) { return host()->control<QLineEdit>(QLatin1String(name)); };
  const std::pair<const char*, int> values[] = {
      {"edX1", d.csrX1}, {"edX2", d.csrX2}, {"eddx", d.csrX2 - d.csrX1 + 1}};
  for (const auto& [name, value] : values)
    if (QLineEdit* e = field(name)) {
      SetReadout(e, QString::fromStdString(d.AddressText(value)));
      e->setEnabled(on);
    }
  SetReadoutBar(host()->control<QScrollBar>(QStringLiteral("udX1")), 0, d.csrX2 - 1, d.csrX1, on);
  SetReadoutBar(host()->control<QScrollBar>(QStringLiteral("udX2")), d.csrX1 + 1, d.dataLen - 1, d.csrX2, on);
  // The six bits at each cursor in display order, the top row as the rightmost digit.
  const std::pair<int, const char* const*> cursors[] = {
      {d.csrX1, (const char* const[]){"edX1ValPbin", "edX1ValPdec", "edX1ValPhex"}},
      {d.csrX2, (const char* const[]){"edX2Valpbin", "edX2Valpdec", "edX2Valphex"}}};
  for (const auto& [address, names] : cursors) {
    const std::string bits = d.DisplayRowBits(address, 0, kPpgChannels - 1);
    const int value = BinToInt(bits);
    SetReadout(field(names[0]), QString::fromStdString(bits));
    SetReadout(field(names[1]), Two("%.2d", value));
    SetReadout(field(names[2]), Two("%.2X", value));
  }
}

void TfrmPpg::ShowSelectionReadouts() {
  const PpgDoc& d = *doc_;
  const std::pair<const char*, QString> values[] = {
      {"edss", QString::fromStdString(d.AddressText(d.selBegin.x))},
      {"edse", QString::fromStdString(d.AddressText(d.selEnd.x))},
      {"edsdx", QString::fromStdString(d.AddressText(d.selEnd.x - d.selBegin.x + 1))},
      {"edssY", QString::number(d.selBegin.y + 1)},
      {"edseY", QString::number(d.selEnd.y + 1)}};
  for (const auto& [name, text] : values)
    if (auto* e = host()->control<QLineEdit>(QLatin1String(name))) {
      SetReadout(e, text);
      e->setEnabled(d.rangeSelected);
    }
}

}  // namespace averoz
