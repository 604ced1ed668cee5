// Drawing of the pattern view: a full redraw of a busy pattern at the initial zoom (20
// addresses per pixel) and at the largest magnification (0.04), by the renderer alone and
// by the widget (picture, labels, cursor lines, selection box); and one bit pen drag step
// on the real widget with Auto Invert on.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>

#include "core/ppg/PpgViewPen.h"
#include "ui/ppg/PpgRenderer.h"
#include "ui/ppg/PpgView.h"
#include "ui/wave/Mousepad.h"
#include "QtBenchMain.h"

using namespace averoz;

namespace {

constexpr int kViewWidth = 529, kViewHeight = 274;  // the picture of a new pattern window

// Clocks of six periods, one channel a counter bit of a pseudo-random sequence: nearly
// every column at 20 addresses per pixel holds a change.
void FillBusy(PpgDoc& doc) {
  unsigned lfsr = 0xACE1u;
  for (int a = 0; a < doc.dataLen; ++a) {
    lfsr = (lfsr >> 1) ^ (-(lfsr & 1u) & 0xB400u);
    for (int ch = 0; ch < 5; ++ch) doc.bit(ch, a) = std::uint8_t((a >> (ch + 1)) & 1);
    doc.bit(5, a) = std::uint8_t(lfsr & 1u);
  }
}

PpgViewGeometry View(int zoomIndex) {
  PpgViewGeometry v;
  v.viewWidth = kViewWidth;
  v.viewHeight = kViewHeight;
  v.zoomIndex = zoomIndex;
  v.scrollX = std::max(0, (v.contentWidth() - kViewWidth) / 2);  // the middle
  return v;
}

void RendererFullRedraw(benchmark::State& state, int zoomIndex) {
  PpgDoc doc;
  FillBusy(doc);
  const PpgViewGeometry view = View(zoomIndex);
  PpgRenderer renderer;
  renderer.Resize(kViewWidth, kViewHeight);
  for (auto _ : state) {
    renderer.DrawAll(doc, view);
    benchmark::DoNotOptimize(renderer.image().constBits());
  }
}

void BM_PpgRedrawInitialZoom(benchmark::State& state) {
  RendererFullRedraw(state, kPpgInitialZoomIndex);
}
BENCHMARK(BM_PpgRedrawInitialZoom)->Unit(benchmark::kMicrosecond);

void BM_PpgRedrawMaxZoom(benchmark::State& state) { RendererFullRedraw(state, 0); }
BENCHMARK(BM_PpgRedrawMaxZoom)->Unit(benchmark::kMicrosecond);

// The widget as a window shows it, at a zoom step, scrolled to the middle.
struct ShownView {
  PpgDoc doc;
  PpgView view{doc};
  explicit ShownView(int zoomIndex) {
    FillBusy(doc);
    view.resize(576, 306);
    view.show();
    QCoreApplication::processEvents();
    view.ZoomStep(view.geom().zoomIndex - zoomIndex);
    view.FinishZoom();
    view.ScrollTo(std::max(0, (view.geom().contentWidth() - view.geom().viewWidth) / 2));
  }
};

void WidgetFullRedraw(benchmark::State& state, int zoomIndex) {
  ShownView shown(zoomIndex);
  shown.doc.xCursorOn = true;
  shown.view.PlaceInitialCursors();
  const int first = shown.view.geom().AddressAt(100), last = shown.view.geom().AddressAt(300);
  shown.doc.SetSelection({first, 1}, {last, 3});
  for (auto _ : state) {
    shown.view.RedrawAll();
    shown.view.repaint();
  }
}

void BM_PpgWidgetRedrawInitialZoom(benchmark::State& state) {
  WidgetFullRedraw(state, kPpgInitialZoomIndex);
}
BENCHMARK(BM_PpgWidgetRedrawInitialZoom)->Unit(benchmark::kMicrosecond);

void BM_PpgWidgetRedrawMaxZoom(benchmark::State& state) { WidgetFullRedraw(state, 0); }
BENCHMARK(BM_PpgWidgetRedrawMaxZoom)->Unit(benchmark::kMicrosecond);

void Send(QWidget* pad, QEvent::Type type, QPoint at, Qt::MouseButtons held) {
  const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
  QMouseEvent e(type, at, pad->mapToGlobal(at), button, held, Qt::NoModifier);
  QApplication::sendEvent(pad, &e);
}

// One drag step of the bit pen at one address per pixel with Auto Invert on: the column
// written, its pair inverted, the marker placed and the columns drawn again. The pointer
// sweeps back and forth one pixel a step, across rows.
void BM_PpgPenDragStep(benchmark::State& state) {
  ShownView shown(4);
  shown.doc.autoInvert = true;
  shown.view.SetEditMode(kEditPen);
  QWidget* pad = shown.view.mousepad();
  Send(pad, QEvent::MouseButtonPress, {10, HighY(0)}, Qt::LeftButton);
  int k = 0;
  for (auto _ : state) {
    ++k;
    const int x = 10 + (k % 800 < 400 ? k % 400 : 400 - k % 400);
    Send(pad, QEvent::MouseMove, {x, HighY((k / 97) % 6)}, Qt::LeftButton);
  }
  Send(pad, QEvent::MouseButtonRelease, {10, HighY(0)}, Qt::NoButton);
}
BENCHMARK(BM_PpgPenDragStep)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) { return RunOffscreenBenchmarks(argc, argv); }
