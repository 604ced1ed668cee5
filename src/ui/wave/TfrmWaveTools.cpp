// The main window's zoom, cursor, select and rescale tool bars while a waveform window is
// the active document: its read-outs, its entries and the tool modes. The controls are
// found by name; one that does not exist is skipped.
#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>
#include <QPointer>
#include <QScrollBar>

#include "core/app/Prompter.h"
#include "core/app/general.h"
#include "ui/app/DocumentHost.h"
#include "ui/app/FitToWindow.h"
#include "ui/app/ReadoutFields.h"
#include "ui/app/ToolBarBinding.h"
#include "ui/wave/TfrmWave.h"
#include "ui/wave/WaveCommands.h"
#include "ui/wave/WaveView.h"

namespace averoz {

namespace {

QString Text(const std::string& s) { return QString::fromStdString(s); }

// The up arrow of a vertical bar is its "sub line" action.
std::optional<bool> ArrowUp(int action) {
  if (action == QAbstractSlider::SliderSingleStepSub) return true;
  if (action == QAbstractSlider::SliderSingleStepAdd) return false;
  return std::nullopt;
}

}  // namespace

QObject* TfrmWave::ControlObject(const char* name) const {
  return host()->control<QObject>(QLatin1String(name));
}

// ---- binding -------------------------------------------------------------------------------

void TfrmWave::UnbindToolBars() { ToolBarBinding::instance().Release(this); }

void TfrmWave::BindToolBars() {
  ToolBarBinding& b = ToolBarBinding::instance();
  if (b.BoundTo(this)) return;
  b.Bind(this);
  struct Adder {
    ToolBarBinding& b;
    Adder& operator<<(const QMetaObject::Connection& c) {
      b.Add(c);
      return *this;
    }
  } conns{b};
  // Every handler first checks that this window is still the active document: a pattern
  // document may be active while the bars stay connected here.
  auto guard = [this](auto fn) {
    return [this, fn](auto&&...) {
      if (IsActive()) fn();
    };
  };
  auto onAction = [&](const char* name, auto fn) {
    if (QAction* a = host()->action(QLatin1String(name)))
      conns << connect(a, &QAction::triggered, this, [this, fn](bool checked) {
        if (IsActive()) fn(checked);
      });
  };
  onAction("PalleteSelect1", [this](bool) { SetEditMode(0); });
  onAction("PalleteCursor1", [this](bool on) { SetCursorMode(on); });
  onAction("PalleteFree1", [this](bool) { SetEditMode(2); });
  onAction("PalleteLine1", [this](bool) { SetEditMode(3); });
  onAction("CursorX", [this](bool on) { SetXCursor(on); });
  onAction("CursorY", [this](bool on) { SetYCursor(on); });
  onAction("ZoomMax1", [this](bool) { bnzmaxClick(); });
  onAction("ZoomAll1", [this](bool) { bnzallClick(); });
  onAction("RescaleX1", [this](bool) { bnNxClick(); });
  onAction("RescaleY1", [this](bool) { bnBYClick(); });

  auto onEdit = [&](const char* name, auto fn) {
    if (auto* e = Control<QLineEdit>(name)) {
      conns << connect(e, &QLineEdit::editingFinished, this, guard([fn, e] { fn(e); }));
      // Enter leaves the field; the focus goes back to the document.
      conns << connect(e, &QLineEdit::returnPressed, this, guard([this] { setFocus(); }));
    }
  };
  const std::pair<const char*, CursorField> cursorFields[] = {
      {"edX1", CursorField::X1}, {"edX2", CursorField::X2}, {"eddx", CursorField::DX},
      {"edY1", CursorField::Y1}, {"edY2", CursorField::Y2}, {"eddy", CursorField::DY}};
  for (const auto& [name, field] : cursorFields)
    onEdit(name, [this, field = field](QLineEdit* e) { CursorEntered(field, e); });
  const std::pair<const char*, SelField> selFields[] = {
      {"edss", SelField::Begin}, {"edse", SelField::End}, {"edsdx", SelField::Length}};
  for (const auto& [name, field] : selFields)
    onEdit(name, [this, field = field](QLineEdit* e) { SelectionEntered(field, e); });
  onEdit("edNorX", [this](QLineEdit*) { edNorXExit(); });
  onEdit("edNorY1", [this](QLineEdit*) { edNorY1Exit(); });
  onEdit("edNorY2", [this](QLineEdit*) { edNorY2Exit(); });

  auto onArrows = [&](const char* name, auto fn) {
    if (auto* bar = Control<QScrollBar>(name))
      conns << connect(bar, &QAbstractSlider::actionTriggered, this, [this, bar, fn](int action) {
        if (!IsActive()) return;
        const std::optional<bool> up = ArrowUp(action);
        const int keep = bar->value();
        if (up) fn(*up);
        // The bar shows what the document holds, never its own step.
        if (bar->sliderPosition() != bar->value() || !up) bar->setSliderPosition(keep);
      });
  };
  const std::pair<const char*, CursorField> arrows[] = {{"udX1", CursorField::X1},
                                                        {"udX2", CursorField::X2},
                                                        {"udY1", CursorField::Y1},
                                                        {"udY2", CursorField::Y2}};
  for (const auto& [name, field] : arrows)
    onArrows(name, [this, field = field](bool up) { CursorStepped(field, up); });
  auto centre = [this] {
    const ViewGeometry& g = pngraph_->geom();
    return QPoint(RoundDiv(g.viewWidth, 2), RoundDiv(g.viewHeight, 2));
  };
  onArrows("udzx", [this, centre](bool up) {
    ZoomRequest(up ? 1 : -1, 0, centre().x(), centre().y(), false);
  });
  onArrows("udzy", [this, centre](bool up) {
    ZoomRequest(0, up ? 1 : -1, centre().x(), centre().y(), false);
  });
}

// ---- tools ---------------------------------------------------------------------------------

void TfrmWave::SetEditMode(int mode) {
  EndStrokes();
  if (mode == 0) doc_->xCursorOn = doc_->yCursorOn = false;
  if (mode >= 2) doc_->ResetSelection();  // freehand and line start without a selection
  doc_->editMode = std::uint8_t(mode);
  SetPointer(ToolPointer());
  if (IsActive()) ShowToolChecks();
  doc_->NotifyCursorsChanged();
}

void TfrmWave::ShowToolChecks() {
  // Each of the four is set: Cursor Mode is outside the exclusive group of the other three
  // so that a second press can release it.
  static const char* const kTools[] = {"PalleteSelect1", "PalleteCursor1", "PalleteFree1",
                                       "PalleteLine1"};
  for (int i = 0; i < 4; ++i)
    if (QAction* a = host()->action(QLatin1String(kTools[i])))
      a->setChecked(i == (doc_->editMode & 3));
  for (const char* name : {"CursorX", "CursorY"})
    if (QAction* a = host()->action(QLatin1String(name)))
      a->setChecked(name[6] == 'X' ? doc_->xCursorOn : doc_->yCursorOn);
}

void TfrmWave::SetCursorMode(bool on) {
  if (on) {
    if (!doc_->xCursorOn) PlaceInitialXCursors(*doc_, pngraph_->geom());
    if (!doc_->yCursorOn) PlaceInitialYCursors(*doc_, pngraph_->geom());
    doc_->xCursorOn = doc_->yCursorOn = true;
  } else {
    doc_->xCursorOn = doc_->yCursorOn = false;
  }
  SetEditMode(on ? 1 : 0);
}

void TfrmWave::SetXCursor(bool on) {
  if (on && !doc_->xCursorOn) PlaceInitialXCursors(*doc_, pngraph_->geom());
  doc_->xCursorOn = on;
  const bool any = doc_->xCursorOn || doc_->yCursorOn;
  if (any != (doc_->editMode == 1)) SetEditMode(any ? 1 : 0);
  else SetEditMode(doc_->editMode);
}

void TfrmWave::SetYCursor(bool on) {
  if (on && !doc_->yCursorOn) PlaceInitialYCursors(*doc_, pngraph_->geom());
  doc_->yCursorOn = on;
  const bool any = doc_->xCursorOn || doc_->yCursorOn;
  if (any != (doc_->editMode == 1)) SetEditMode(any ? 1 : 0);
  else SetEditMode(doc_->editMode);
}

void TfrmWave::ShowCursors() {
  pngraph_->PlaceCursors();
  if (IsActive()) ShowCursorReadouts();
}

// ---- read-outs -----------------------------------------------------------------------------

void TfrmWave::ShowZoomReadouts() {
  const ViewGeometry& g = pngraph_->geom();
  SetReadout(Control<QLineEdit>("edzx"), ZoomText(g.zoomX()));
  SetReadout(Control<QLineEdit>("edzy"), ZoomText(g.zoomY()));
  SetReadoutBar(Control<QScrollBar>("udzx"), 0, int(kZoomXTable.size()) - 1, g.zoomXIdx);
  SetReadoutBar(Control<QScrollBar>("udzy"), 0, int(kZoomYTable.size()) - 1, g.zoomYIdx);
  ShowFitCheck(*host(), g.fitting());
}

void TfrmWave::ShowCursorReadouts() {
  const WaveDoc& d = *doc_;
  const bool x = d.xCursorOn, y = d.yCursorOn;
  const std::pair<const char*, CursorField> fields[] = {
      {"edX1", CursorField::X1}, {"edX2", CursorField::X2}, {"eddx", CursorField::DX},
      {"edY1", CursorField::Y1}, {"edY2", CursorField::Y2}, {"eddy", CursorField::DY}};
  for (const auto& [name, field] : fields)
    if (auto* e = Control<QLineEdit>(name)) {
      SetReadout(e, Text(CursorText(d, field)));
      e->setEnabled(name[2] == 'X' || name[3] == 'x' ? x : y);
    }
  const std::pair<const char*, CursorField> bars[] = {{"udX1", CursorField::X1},
                                                      {"udX2", CursorField::X2},
                                                      {"udY1", CursorField::Y1},
                                                      {"udY2", CursorField::Y2}};
  for (const auto& [name, field] : bars) {
    const CursorRange r = RangeOf(d, field);
    const bool isX = field == CursorField::X1 || field == CursorField::X2;
    const int value = field == CursorField::X1   ? d.csrX1
                      : field == CursorField::X2 ? d.csrX2
                      : field == CursorField::Y1 ? d.csrY1
                                                 : d.csrY2;
    SetReadoutBar(Control<QScrollBar>(name), r.min, r.max, value, isX ? x : y);
  }
  SetReadout(Control<QLineEdit>("edX1Val"), x ? Text(ValueAtText(d, d.csrX1)) : QString());
  SetReadout(Control<QLineEdit>("edX2Val"), x ? Text(ValueAtText(d, d.csrX2)) : QString());
  ShowClipEnabled();
}

void TfrmWave::ShowClipEnabled() {
  if (QAction* clip = host()->action(QStringLiteral("mnMathClip")))
    clip->setEnabled(ClipEnabled(*this));
}

void TfrmWave::ShowSelectionReadouts() {
  const std::pair<const char*, SelField> fields[] = {
      {"edss", SelField::Begin}, {"edse", SelField::End}, {"edsdx", SelField::Length}};
  for (const auto& [name, field] : fields)
    if (auto* e = Control<QLineEdit>(name)) {
      // Without a selection both ends are 0: the fields read 0, 0 and one sample.
      SetReadout(e, Text(SelectionText(*doc_, field)));
      e->setEnabled(doc_->rangeSelected);
    }
  ShowClipEnabled();
}

void TfrmWave::ShowRescale() {
  SetReadout(Control<QLineEdit>("edNorX"), Text(FormatNumber(doc_->rescaleX)));
  SetReadout(Control<QLineEdit>("edNorY1"), Text(FormatNumber(doc_->rescaleYMin)));
  SetReadout(Control<QLineEdit>("edNorY2"), Text(FormatNumber(doc_->rescaleYMax)));
}

// ---- entries -------------------------------------------------------------------------------

void TfrmWave::CursorEntered(CursorField field, QLineEdit* edit) {
  // A text that is no number just shows the current value again.
  EnterCursor(*doc_, field, edit->text().toStdString());
  doc_->NotifyCursorsChanged();
}

void TfrmWave::CursorStepped(CursorField field, bool up) {
  StepCursor(*doc_, field, up);
  doc_->NotifyCursorsChanged();
}

void TfrmWave::SelectionEntered(SelField field, QLineEdit* edit) {
  if (!doc_->rangeSelected) return;
  // A text that is no number shows the selection again; a number changes it, and the
  // read-outs and commands follow the change.
  if (!EnterSelection(*doc_, field, edit->text().toStdString())) ShowSelectionReadouts();
}

namespace {

// After a refused rescale entry: the old text back, the message, the focus kept.
void Refused(DocumentHost& main, QLineEdit* edit, const QString& old, const EntryResult& r) {
  edit->setText(old);
  if (r.outcome == EntryOutcome::Refused && r.message) {
    main.prompter().warn(*r.message);
    edit->setFocus();
    edit->selectAll();
  }
}

}  // namespace

void TfrmWave::bnNxClick() {
  ResetRescaleX(*doc_);
  SetReadout(Control<QLineEdit>("edNorX"), QString::number(doc_->dataLen));
  update();
  ShowCursorReadouts();
  ShowSelectionReadouts();
}

void TfrmWave::bnBYClick() {
  ResetRescaleY(*doc_);
  SetReadout(Control<QLineEdit>("edNorY1"), QStringLiteral("0"));
  SetReadout(Control<QLineEdit>("edNorY2"), QStringLiteral("4095"));
  update();
  ShowCursorReadouts();
}

void TfrmWave::edNorXExit() {
  auto* e = Control<QLineEdit>("edNorX");
  if (!e) return;
  const EntryResult r = EnterRescaleX(*doc_, e->text().toStdString());
  if (r.outcome != EntryOutcome::Accepted)
    return Refused(*host(), e, Text(FormatNumber(doc_->rescaleX)), r);
  update();
  ShowCursorReadouts();
  ShowSelectionReadouts();
}

void TfrmWave::edNorY1Exit() {
  auto* e = Control<QLineEdit>("edNorY1");
  if (!e) return;
  auto* other = Control<QLineEdit>("edNorY2");
  const std::string max = other ? other->text().toStdString() : FormatNumber(doc_->rescaleYMax);
  const EntryResult r = EnterRescaleYMin(*doc_, e->text().toStdString(), max);
  if (r.outcome != EntryOutcome::Accepted)
    return Refused(*host(), e, Text(FormatNumber(doc_->rescaleYMin)), r);
  update();
  ShowCursorReadouts();
}

void TfrmWave::edNorY2Exit() {
  auto* e = Control<QLineEdit>("edNorY2");
  if (!e) return;
  auto* other = Control<QLineEdit>("edNorY1");
  const std::string min = other ? other->text().toStdString() : FormatNumber(doc_->rescaleYMin);
  const EntryResult r = EnterRescaleYMax(*doc_, e->text().toStdString(), min);
  if (r.outcome != EntryOutcome::Accepted)
    return Refused(*host(), e, Text(FormatNumber(doc_->rescaleYMax)), r);
  update();
  ShowCursorReadouts();
}

}  // namespace averoz
