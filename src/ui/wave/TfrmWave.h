#pragma once
// A waveform document window: owns the GUI-free document, shows it in the graph panel
// with axis labels, zoom, scroll bars, cursors and selection, turns mouse gestures on the
// graph into edits, and drives the main window's zoom, cursor, select and rescale tool
// bars while it is the active document.
#include <QPointer>
#include <memory>
#include <optional>

#include "core/wave/Strokes.h"
#include "core/wave/ViewColors.h"
#include "core/wave/ViewCursors.h"
#include "core/wave/ViewEntries.h"
#include "core/wave/ViewZoom.h"
#include "core/wave/WaveDoc.h"
#include "ui/app/DocumentWindow.h"
#include "ui/view/ZoomRunner.h"
#include "ui/wave/GraphPointers.h"
#include "ui/wave/Mousepad.h"
#include "ui/wave/PointerClip.h"

class QLineEdit;
class QTimer;

namespace averoz {

class WaveView;

class TfrmWave : public DocumentWindow, public WaveDocListener, public MousepadHandler {
  Q_OBJECT
 public:
  static constexpr int kGraphLeft = 45;
  static constexpr int kGraphTop = 30;
  static constexpr int kLimitMs = 1000;
  static inline const char* const kGraphHint =
      "Ctrl+Wh_Up:<-> X  Ctrl+Wh_Down:>-< X  Shift+Wh_Up:<-> Y  Shift+Wh_Down:>-< Y  "
      "W_Click:Select  Alt+L_Click:Edit  R_Click:Menu";

  TfrmWave(DocumentHost* mainForm, int docKind);
  ~TfrmWave() override;

  WaveDoc& doc() { return *doc_; }
  const WaveDoc& doc() const { return *doc_; }
  WaveView* view() const { return pngraph_; }

  // The size of a new document window.
  void showInitialSize() override;

  bool isSaved() const override { return doc_->isSaved; }
  void setSaved(bool saved) override;
  bool hasData() const override { return doc_->waveData[0] != kUndrawn; }
  void FormActivate() override;

  // WaveDocListener
  void DataChanged(int a, int b) override;
  void UndoStateChanged(bool ready) override;
  void ModifiedChanged(bool modified) override;
  void SelectionChanged() override;
  void CursorsChanged() override;

  // ---- view ------------------------------------------------------------------------------
  // Colours from section "Color" (on creation and after the Color dialog's OK), then a
  // full redraw.
  void LoadColors();
  void RedrawAll();

  // ---- zoom ------------------------------------------------------------------------------
  // A step (dx, dy) centred at view pixel (cx, cy). fromMouse: the pointer moves with the
  // data when the scroll limits shift the content under it.
  void ZoomRequest(int dx, int dy, int cx, int cy, bool fromMouse);
  void bnzmaxClick();
  void bnzallClick();
  const ViewZoom& zoomState() const { return zoom_; }
  // "Fit to Window": while on, the document fills the graph at whatever ratios that takes,
  // on every resize; a zoom request leaves it.
  void SetFitToWindow(bool on);
  bool fitToWindow() const;
  // Runs the animation to its end at once (tests and benchmarks do not wait for timers).
  void FinishZoom();

  // ---- tools -----------------------------------------------------------------------------
  void SetEditMode(int mode);  // 0 select, 2 freehand, 3 line (1 comes with the cursors)
  void SetCursorMode(bool on);
  void SetXCursor(bool on);
  void SetYCursor(bool on);

  // ---- tool-bar read-outs and entries (act on the fields of the main window) -------------
  void ShowZoomReadouts();
  void ShowCursorReadouts();
  void ShowSelectionReadouts();
  void ShowRescale();
  void CursorEntered(CursorField field, QLineEdit* edit);
  void CursorStepped(CursorField field, bool up);
  void SelectionEntered(SelField field, QLineEdit* edit);
  void bnNxClick();
  void bnBYClick();
  void edNorXExit();
  void edNorY1Exit();
  void edNorY2Exit();

  // ---- mouse -----------------------------------------------------------------------------
  void MousepadMouseDown(QMouseEvent* event) override;
  void MousepadMouseMove(QMouseEvent* event) override;
  void MousepadMouseUp(QMouseEvent* event) override;
  void MousepadDblClick(QMouseEvent* event) override;
  void MousepadMouseEnter() override;
  void MousepadMouseLeave() override;
  // The pop-up's "Edit Block…": at the point the menu was opened, what Alt+click does.
  void EditBlockAtPopupPoint();
  // Esc in line mode: the pending line goes.
  void CancelLine();
  const LineTool& lineTool() const { return line_; }
  GraphPointer graphPointer() const { return pointer_; }

 signals:
  // Some samples changed (an edit, an undo, a preview): what shows the data follows.
  void samplesChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  bool IsActive() const;
  void FormResize();
  void AfterViewChange();
  void PlaceSelStart();
  void ShowCursors();
  // The palette's tool and cursor buttons (and the menu checks that follow them).
  void ShowToolChecks();
  void SetPointer(GraphPointer pointer);
  GraphPointer ToolPointer() const;
  void UpdateSavable();
  void ShowPointerReadouts(QPoint pos);
  void ApplyZoom();
  void Confine();
  void Release();
  void AltEdit(int index);
  // Says in the status bar why the tool wrote nothing (nothing for an empty refusal).
  void ShowRefusal(const std::optional<StrokeRefusal>& refusal);
  void EndStrokes();
  // The pointer position held inside the confinement rectangle while a drag holds it.
  QPoint ClampToContent(QPoint pos);
  void BindToolBars();
  void UnbindToolBars();
  // A control of the main window's tool bars by name; nullptr when it does not exist.
  QObject* ControlObject(const char* name) const;
  template <typename T>
  T* Control(const char* name) const {
    return qobject_cast<T*>(ControlObject(name));
  }
  void ShowClipEnabled();

  std::unique_ptr<WaveDoc> doc_;
  WaveView* pngraph_;
  QWidget* selStart_;
  QTimer* tmlimiterace_;
  ViewZoom zoom_;
  ZoomRunner<ViewZoom> zoomRunner_;
  bool zoomFromMouse_ = false;
  QPoint zoomPointer_;  // where the pointer stood when a mouse zoom was asked
  bool cursorsPlaced_ = false;

  // Gesture state.
  bool buttonDown_ = false;
  bool dblLatch_ = false;
  GrabbedCursor grabbed_ = GrabbedCursor::None;
  FreehandStroke stroke_;
  LineTool line_;
  PointerClip clip_;
  GraphPointer pointer_ = GraphPointer::Arrow;
  int popupIndex_ = -1;  // sample under the last right click; -1 outside the content
};

}  // namespace averoz
